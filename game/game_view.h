// The game's only way out to a front end, in the game's own terms: tiles and result rows. Nothing
// here waits or answers, so a front end that cannot block serves as well as one that can; the
// front ends run their boxes themselves.
#pragma once

#include <string>

#include "board/tile_view.h"

namespace escartinol {

// The result rows under the board, top to bottom.
inline constexpr int kRowCount = 3;

class IGameView : public ITileView {
public:
    // Shows tile i with letter (A..Z) at r, in front of the board panel and the slot frames.
    virtual void ShowTile(int tile, char letter, const Rect& r) = 0;
    virtual void HideTile(int tile) = 0;
    // Result row 0..2, top to bottom; text is cp1252, like every text of the core.
    virtual void SetRowText(int row, const std::string& text) = 0;
    // The first `length` slots of the upper row spell a word (4..9), their frames lit; 0: none lit.
    virtual void LightWord(int length) = 0;
    // The line of progress: words found against the rows' total, and hints used; cp1252, empty for none.
    virtual void SetProgressText(const std::string& text) = 0;
};

}  // namespace escartinol
