// The slot model of the nine tiles: where each stands, which slots are taken, the drag in progress.
#pragma once

#include <array>

#include "board/geometry.h"
#include "board/tile_view.h"

namespace escartinol {

class CTileBoard {
public:
    CTileBoard() { SendAllHome(); }

    // Every tile back in its home, lower slot i + 9, and the upper row empty; the view shows them
    // there. A drag goes on from its tile's new home.
    void SendAllHome();

    // The slot a tile centred at p would drop into, taken or not; -1 between or outside the rows.
    static int DropSlot(Point p);

    // Left button pressed at p: starts dragging the tile whose home holds p, if any.
    void PickUp(Point p, ITileView& view);
    // Pointer moved to p: the dragged tile follows at its home plus the offset since the press.
    void Drag(Point p, ITileView& view);
    // Left button released: the dragged tile snaps into the free slot under its centre, or goes home.
    void Drop(ITileView& view);
    // The window was deactivated or hidden mid-drag, so no release will come: the dragged tile goes
    // home without a drop.
    void CancelDrag(ITileView& view);

    // Keyboard play. Tile i, at rest in the lower row, goes to the leftmost free slot of the upper
    // row; false when that row is full.
    bool RaiseTile(int tile, ITileView& view);
    // The rightmost tile of the upper row goes to the leftmost free slot of the lower row; false when
    // the upper row is empty.
    bool LowerLastTile(ITileView& view);

    // The tile standing in slot s, or -1.
    int TileAt(int slot) const;
    // Where tile i stands when not dragged: its slot and that slot's rectangle.
    int TileSlot(int tile) const { return m_tileSlot[tile]; }
    const Rect& TileRect(int tile) const { return m_tileRect[tile]; }
    bool SlotTaken(int slot) const { return m_slotTaken[slot]; }
    bool Dragging() const { return m_dragTile != kNoTile; }
    int DraggedTile() const { return m_dragTile; }  // -1 when none

private:
    static constexpr int kNoTile = -1;

    // The leftmost free slot of the row that starts at slot first; -1 when it is full.
    int FreeSlot(int first) const;
    // Tile i goes to slot s, which is free.
    void MoveToSlot(int tile, int slot, ITileView& view);

    std::array<Rect, kTileCount> m_tileRect{};
    std::array<int, kTileCount> m_tileSlot{};
    std::array<bool, kSlotCount> m_slotTaken{};
    int m_dragTile = kNoTile;
    Point m_pressPoint{};
    Point m_dropPoint{};
};

}  // namespace escartinol
