// Pick up, drag and drop of the tiles over the slot model.
#include "board/tile_board.h"

namespace escartinol {

int CTileBoard::DropSlot(Point p) const {
    const int column = (p.x - kAreaLeft) / kPitch;
    if (m_topRowArea.Contains(p)) return column;
    if (m_bottomRowArea.Contains(p)) return kFirstLowerSlot + column;
    return -1;
}

void CTileBoard::PickUp(Point p, ITileWindow& window) {
    // A press can only come during a drag if the window missed a release; without this the
    // dragged tile would be left floating where the pointer last took it.
    if (m_dragTile != -1) {
        AbandonDrag(window);
        window.ReleaseMouse();
    }
    for (int i = 0; i < kTileCount; ++i) {
        if (m_tileRect[i].Contains(p)) {
            m_dragTile = i;
            m_pressPoint = p;
            m_dropPoint = m_tileRect[i].Centre();
            window.CaptureMouse();
            return;
        }
    }
}

void CTileBoard::Drag(Point p, ITileWindow& window) {
    if (m_dragTile == -1) return;
    // Always from the home rectangle, so that a draw in mid-drag moves the tile's anchor too.
    const Rect r = m_tileRect[m_dragTile].Offset(p.x - m_pressPoint.x, p.y - m_pressPoint.y);
    window.MoveTile(m_dragTile, r);
    m_dropPoint = r.Centre();
}

void CTileBoard::Drop(ITileWindow& window) {
    if (m_dragTile == -1) return;
    const int target = DropSlot(m_dropPoint);
    // A tile over its own slot finds it taken too, and going home puts it back in place.
    if (target == -1 || m_slotTaken[target]) {
        window.MoveTile(m_dragTile, m_tileRect[m_dragTile]);
    } else {
        const Rect r = SlotRect(target);
        window.MoveTile(m_dragTile, r);
        m_slotTaken[target] = 1;
        m_slotTaken[m_tileSlot[m_dragTile]] = 0;
        m_tileSlot[m_dragTile] = static_cast<std::int16_t>(target);
        m_tileRect[m_dragTile] = r;
    }
    // Idle before the release, so a capture-lost notice it may trigger finds no drag to end.
    m_dragTile = -1;
    window.ReleaseMouse();
}

void CTileBoard::AbandonDrag(ITileWindow& window) {
    if (m_dragTile == -1) return;
    window.MoveTile(m_dragTile, m_tileRect[m_dragTile]);
    m_dragTile = -1;
}

}  // namespace escartinol
