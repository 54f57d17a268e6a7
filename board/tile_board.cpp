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
    if (target == -1 || m_slotTaken[target]) {
        view.MoveTile(m_dragTile, m_tileRect[m_dragTile]);
    } else {
        const Rect r = SlotRect(target);
        view.MoveTile(m_dragTile, r);
        m_slotTaken[target] = true;
        m_slotTaken[m_tileSlot[m_dragTile]] = false;
        m_tileSlot[m_dragTile] = target;
        m_tileRect[m_dragTile] = r;
    }
    m_dragTile = kNoTile;
}

void CTileBoard::CancelDrag(ITileView& view) {
    if (!Dragging()) return;
    view.MoveTile(m_dragTile, m_tileRect[m_dragTile]);
    m_dragTile = kNoTile;
}

}  // namespace escartinol
