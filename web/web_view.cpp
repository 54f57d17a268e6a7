// The game's view on the page: tile images placed in pixels of the 644 x 400 window, rows as text boxes,
// and what a screen reader needs of them: slots named by what they hold, changes said aloud.
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

// The slot a tile at r rests in, or -1 while it is dragged.
int SlotAt(const Rect& r) {
    for (int slot = 0; slot < kSlotCount; ++slot)
        if (SlotRect(slot) == r) return slot;
    return -1;
}

std::string PlaceName(int slot) {
    const int column = slot < kFirstLowerSlot ? slot : slot - kFirstLowerSlot;
    return std::string(slot < kFirstLowerSlot ? "renga d'amont" : "renga d'aval") + ", plaça " +
           std::to_string(column + 1);
}

}  // namespace

CWebView::CWebView() : m_announcer(PageElement("announcer")), m_announce([this] { Announce(); }) {
    m_tileSlot.fill(-1);
    for (int i = 0; i < kTileCount; ++i) m_tiles.push_back(PageElement("tile" + std::to_string(i)));
    for (int row = 0; row < kRowCount; ++row) m_rows.push_back(PageElement("row" + std::to_string(row + 1)));
    for (int slot = 0; slot < kSlotCount; ++slot) m_slots.push_back(PageElement("slotFrame" + std::to_string(slot)));
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
        m_letters[tile] = letter;
    }
    // A new draw: its letters are said, not each tile's place.
    m_tileSlot[tile] = SlotAt(r);
    m_drawn = true;
    m_announce.Start(0);
    MoveTile(tile, r);
    image.set("hidden", false);
}

void CWebView::HideTile(int tile) {
    m_tiles[tile].set("hidden", true);
    m_tileSlot[tile] = -1;
    m_announce.Start(0);
}

void CWebView::MoveTile(int tile, const Rect& r) {
    val style = m_tiles[tile]["style"];
    style.set("left", Pixels(r.left));
    style.set("top", Pixels(r.top));
    style.set("width", Pixels(r.Width()));
    style.set("height", Pixels(r.Height()));
    // A dragged tile passes over the other tiles and the rows; it must stay in front of them.
    style.set("zIndex", std::to_string(++m_front));
    const int slot = SlotAt(r);
    if (slot < 0 || slot == m_tileSlot[tile]) return;
    m_tileSlot[tile] = slot;
    m_moves.push_back(std::string(1, m_letters[tile]) + ": " + PlaceName(slot));
    m_announce.Start(0);
}

void CWebView::SetRowText(int row, const std::string& text) {
    m_rowTexts[row] = Cp1252ToUtf8(text);
    m_rows[row].set("value", m_rowTexts[row]);
    m_rowsChanged = true;
    m_announce.Start(0);
}

void CWebView::LightWord(int length) {
    for (int slot = 0; slot < kFirstLowerSlot; ++slot)
        m_slots[slot]["classList"].call<void>("toggle", std::string("lit"), slot < length);
    std::string word;
    for (int slot = 0; slot < length; ++slot) word += LetterIn(slot);
    // Said when it is spelt, not again at each move that leaves it spelt.
    if (word != m_litWord) m_word = word;
    m_litWord = word;
    m_announce.Start(0);
}

void CWebView::SetProgressText(const std::string& text) {
    val progress = val::global("document").call<val>("getElementById", std::string("progress"));
    progress.set("textContent", Cp1252ToUtf8(text));
    if (m_onProgress) m_onProgress();
}

void CWebView::Clear() {
    for (int i = 0; i < kTileCount; ++i) HideTile(i);
    for (int row = 0; row < kRowCount; ++row) SetRowText(row, {});
    LightWord(0);
    SetProgressText({});
}

std::string CWebView::LetterIn(int slot) const {
    for (int i = 0; i < kTileCount; ++i)
        if (m_tileSlot[i] == slot) return std::string(1, m_letters[i]);
    return {};
}

void CWebView::Announce() {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const std::string letter = LetterIn(slot);
        const int column = slot < kFirstLowerSlot ? slot : slot - kFirstLowerSlot;
        m_slots[slot].call<void>("setAttribute", std::string("aria-label"),
                                 std::to_string(column + 1) + ": " + (letter.empty() ? "vuèja" : letter));
    }
    std::string said;
    const auto say = [&said](const std::string& part) {
        if (part.empty()) return;
        if (!said.empty()) said += ". ";
        said += part;
    };
    if (m_drawn) {
        std::string letters = "Letras:";
        for (int slot = kFirstLowerSlot; slot < kSlotCount; ++slot) letters += " " + LetterIn(slot);
        say(letters);
    } else {
        for (const std::string& move : m_moves) say(move);
    }
    if (!m_word.empty()) say("Mòt: " + m_word);
    if (m_rowsChanged)
        for (const std::string& text : m_rowTexts) say(text);
    m_drawn = m_rowsChanged = false;
    m_moves.clear();
    m_word.clear();
    // A polite live region: the reader says it once the player's own keys are done.
    m_announcer.set("textContent", said);
}

}  // namespace escartinol
