// Pick up, drag and drop of the tiles over the slot model.
#include "board/tile_board.h"

namespace escartinol {

void CTileBoard::SendAllHome() {
    for (int i = 0; i < kTileCount; ++i) {
        m_tileSlot[i] = kFirstLowerSlot + i;
        m_tileRect[i] = SlotRect(m_tileSlot[i]);
    }
    for (int s = 0; s < kSlotCount; ++s) m_slotTaken[s] = s >= kFirstLowerSlot;
}

int CTileBoard::DropSlot(Point p) {
    const int column = (p.x - kAreaLeft) / kPitch;
    if (kTopRowArea.Contains(p)) return column;
    if (kBottomRowArea.Contains(p)) return kFirstLowerSlot + column;
    return -1;
}

void CTileBoard::PickUp(Point p, ITileView& view) {
    // A press can only come during a drag if the view missed a release; without this the
    // dragged tile would be left floating where the pointer last took it.
    CancelDrag(view);
    for (int i = 0; i < kTileCount; ++i) {
        if (m_tileRect[i].Contains(p)) {
            m_dragTile = i;
            m_pressPoint = p;
            m_dropPoint = m_tileRect[i].Centre();
            return;
        }
    }
}

void CTileBoard::Drag(Point p, ITileView& view) {
    if (!Dragging()) return;
    // Always from the home rectangle, so that a draw in mid-drag moves the tile's anchor too.
    const Rect r = m_tileRect[m_dragTile].Offset(p.x - m_pressPoint.x, p.y - m_pressPoint.y);
    view.MoveTile(m_dragTile, r);
    m_dropPoint = r.Centre();
}

void CTileBoard::Drop(ITileView& view) {
    if (!Dragging()) return;
    const int target = DropSlot(m_dropPoint);
    // A tile over its own slot finds it taken too, and going home puts it back in place.
    if (target == -1 || m_slotTaken[target])
        view.MoveTile(m_dragTile, m_tileRect[m_dragTile]);
    else
        MoveToSlot(m_dragTile, target, view);
    m_dragTile = kNoTile;
}

void CTileBoard::MoveToSlot(int tile, int slot, ITileView& view) {
    const Rect r = SlotRect(slot);
    view.MoveTile(tile, r);
    m_slotTaken[slot] = true;
    m_slotTaken[m_tileSlot[tile]] = false;
    m_tileSlot[tile] = slot;
    m_tileRect[tile] = r;
}

int CTileBoard::FreeSlot(int first) const {
    for (int s = first; s < first + kTileCount; ++s)
        if (!m_slotTaken[s]) return s;
    return -1;
}

int CTileBoard::TileAt(int slot) const {
    for (int i = 0; i < kTileCount; ++i)
        if (m_tileSlot[i] == slot) return i;
    return kNoTile;
}

bool CTileBoard::RaiseTile(int tile, ITileView& view) {
    const int slot = FreeSlot(0);
    if (slot == -1 || m_tileSlot[tile] < kFirstLowerSlot) return false;
    MoveToSlot(tile, slot, view);
    return true;
}

bool CTileBoard::LowerLastTile(ITileView& view) {
    for (int s = kFirstLowerSlot - 1; s >= 0; --s) {
        if (!m_slotTaken[s]) continue;
        // Nine tiles for nine slots a row: with one up, the lower row has a free slot.
        MoveToSlot(TileAt(s), FreeSlot(kFirstLowerSlot), view);
        return true;
    }
    return false;
}

void CTileBoard::CancelDrag(ITileView& view) {
    if (!Dragging()) return;
    view.MoveTile(m_dragTile, m_tileRect[m_dragTile]);
    m_dragTile = kNoTile;
}

}  // namespace escartinol
