// The slot model of the nine tiles: where each stands, which slots are taken, the drag in progress.
#pragma once

#include <array>
#include <cstdint>

#include "board/geometry.h"
#include "board/tile_window.h"

namespace escartinol {

struct CTileBoard {
    std::array<Rect, kTileCount> m_tileRect{};
    Rect m_topRowArea = kTopRowArea;
    Rect m_bottomRowArea = kBottomRowArea;
    std::array<std::int32_t, kSlotCount> m_slotTaken{};
    std::int32_t m_dragTile = -1;
    Point m_pressPoint{};
    Point m_dropPoint{};
    std::array<std::int16_t, kTileCount> m_tileSlot{};

    // Puts tile i's bookkeeping back in lower slot i + 9; the window shows the tile there.
    // A drag of tile i goes on from that new home.
    void ResetSlot(int i) {
        m_tileRect[i] = SlotRect(kFirstLowerSlot + i);
        m_slotTaken[i] = 0;
        m_slotTaken[kFirstLowerSlot + i] = 1;
        m_tileSlot[i] = static_cast<std::int16_t>(kFirstLowerSlot + i);
    }

    // The slot a tile centred at p would drop into, taken or not; -1 between or outside the rows.
    int DropSlot(Point p) const;

    // Left button pressed at p: starts dragging the tile whose home holds p, if any.
    void PickUp(Point p, ITileWindow& window);
    // Pointer moved to p: the dragged tile follows at its home plus the offset since the press.
    void Drag(Point p, ITileWindow& window);
    // Left button released: the dragged tile snaps into the free slot under its centre, or goes home.
    void Drop(ITileWindow& window);
    // The window lost the capture: the dragged tile goes home without a drop.
    void AbandonDrag(ITileWindow& window);
};

}  // namespace escartinol
