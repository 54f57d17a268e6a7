// The letter box, the page's own modal dialog with the desktop box's rules: capitals only, no more than
// the box shows, OK only once the first nine are A..Z.
#pragma once

#include <emscripten/val.h>

#include <optional>
#include <string>

#include "web/web_game.h"

namespace escartinol {

class CLetterBox {
public:
    explicit CLetterBox(CWebGame& game);
    CLetterBox(const CLetterBox&) = delete;
    CLetterBox& operator=(const CLetterBox&) = delete;

    // Opens the box empty; what comes of it goes to the game's letter entry.
    void Open();

private:
    void OnInput();
    // Whether text fits between the entry's paddings with room for the cursor after it.
    bool Fits(const std::u16string& text);
    // What the box shows, in the game's letters.
    std::string Entered() const;
    // What was typed with OK; nothing when the box was cancelled, and the letters stay.
    void Hand(const std::optional<std::string>& typed);

    CWebGame& m_game;
    emscripten::val m_box;
    emscripten::val m_entry;
    emscripten::val m_ok;
    emscripten::val m_measure;
    // What the box showed after the last input, which an input that cannot fit at all brings back.
    std::u16string m_accepted;
    bool m_waiting = false;
};

}  // namespace escartinol
