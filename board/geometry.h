// Rectangles and points in the game window's widget coordinates, and the fixed places of the board.
#pragma once

#include <cstdint>

namespace escartinol {

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;

    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    // Right and bottom edges are outside, so neighbouring rectangles never share a point.
    bool Contains(Point p) const { return left <= p.x && p.x < right && top <= p.y && p.y < bottom; }
    // Integer division truncates toward zero, as the drop column arithmetic expects.
    Point Centre() const { return {(left + right) / 2, (top + bottom) / 2}; }
    Rect Offset(std::int32_t dx, std::int32_t dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
};

// The nine letters of a draw, one tile each, and a slot for each in either row.
inline constexpr int kTileCount = 9;
inline constexpr int kSlotCount = 2 * kTileCount;
inline constexpr int kFirstLowerSlot = kTileCount;

inline constexpr std::int32_t kTileSize = 55;
inline constexpr std::int32_t kPitch = 66;
inline constexpr std::int32_t kFirstSlotX = 29;
inline constexpr std::int32_t kTopRowY = 28;
inline constexpr std::int32_t kBottomRowY = 135;

inline constexpr Rect kTopRowArea{26, 24, 620, 87};
inline constexpr Rect kBottomRowArea{26, 130, 620, 193};
inline constexpr std::int32_t kAreaLeft = 26;

// Slots 0..8 are the upper row, 9..17 the lower row.
constexpr Rect SlotRect(int slot) {
    const int column = slot < kFirstLowerSlot ? slot : slot - kFirstLowerSlot;
    const std::int32_t top = slot < kFirstLowerSlot ? kTopRowY : kBottomRowY;
    const std::int32_t left = kPitch * column + kFirstSlotX;
    return {left, top, left + kTileSize, top + kTileSize};
}

}  // namespace escartinol
