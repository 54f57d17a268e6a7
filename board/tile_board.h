// The slot model of the nine tiles: where each stands, which slots are taken, the drag in progress.
#pragma once

#include <array>
#include <cstdint>

#include "board/geometry.h"

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
    void ResetSlot(int i) {
        m_tileRect[i] = SlotRect(kFirstLowerSlot + i);
        m_slotTaken[i] = 0;
        m_slotTaken[kFirstLowerSlot + i] = 1;
        m_tileSlot[i] = static_cast<std::int16_t>(kFirstLowerSlot + i);
    }
};

}  // namespace escartinol
