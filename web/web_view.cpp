// The game's view on the page: tile images placed in pixels of the 644 x 400 window, rows as text boxes.
#include "web/web_view.h"

#include "words/cp1252.h"
#include "words/list_format.h"

namespace escartinol {

using emscripten::val;

namespace {

std::string Pixels(std::int32_t n) { return std::to_string(n) + "px"; }

std::string LetterImage(char letter, const char* density) {
    return std::string("img/letter_") + letter + density + ".png";
}

}  // namespace

CWebView::CWebView() {
    const val document = val::global("document");
    for (int i = 0; i < kTileCount; ++i)
        m_tiles.push_back(document.call<val>("getElementById", "tile" + std::to_string(i)));
    for (int row = 0; row < kRowCount; ++row)
        m_rows.push_back(document.call<val>("getElementById", "row" + std::to_string(row + 1)));
    for (int slot = 0; slot < kFirstLowerSlot; ++slot)
        m_upperFrames.push_back(document.call<val>("getElementById", "slotFrame" + std::to_string(slot)));
}

void CWebView::ShowTile(int tile, char letter, const Rect& r) {
    val& image = m_tiles[tile];
    // Only A..Z reach the tiles; the guard keeps the image names sound regardless.
    if (IsKeyLetter(letter)) {
        // The screen's pixel ratio picks the image, so that a dense screen gets its own crisp letters.
        image.set("srcset", LetterImage(letter, "") + " 1x, " + LetterImage(letter, "@2x") + " 2x, " +
                                LetterImage(letter, "@3x") + " 3x");
        image.set("src", LetterImage(letter, ""));
        image.set("alt", std::string(1, letter));
    }
    MoveTile(tile, r);
    image.set("hidden", false);
}

void CWebView::HideTile(int tile) { m_tiles[tile].set("hidden", true); }

void CWebView::MoveTile(int tile, const Rect& r) {
    val style = m_tiles[tile]["style"];
    style.set("left", Pixels(r.left));
    style.set("top", Pixels(r.top));
    style.set("width", Pixels(r.Width()));
    style.set("height", Pixels(r.Height()));
    // A dragged tile passes over the other tiles and the rows; it must stay in front of them.
    style.set("zIndex", std::to_string(++m_front));
}

void CWebView::SetRowText(int row, const std::string& text) {
    const std::string shown = Cp1252ToUtf8(text);
    m_rows[row].set("value", shown);
    // A text box's value is not its name: a screen reader names the row by what it says.
    m_rows[row].call<void>("setAttribute", std::string("aria-label"), shown);
}

void CWebView::LightWord(int length) {
    for (int slot = 0; slot < kFirstLowerSlot; ++slot)
        m_upperFrames[slot]["classList"].call<void>("toggle", std::string("lit"), slot < length);
}

void CWebView::SetProgressText(const std::string& text) {
    const val progress = val::global("document").call<val>("getElementById", std::string("progress"));
    if (!progress.isNull()) progress.set("textContent", Cp1252ToUtf8(text));
}

void CWebView::Clear() {
    for (int i = 0; i < kTileCount; ++i) HideTile(i);
    for (int row = 0; row < kRowCount; ++row) SetRowText(row, {});
    LightWord(0);
    SetProgressText({});
}

}  // namespace escartinol
