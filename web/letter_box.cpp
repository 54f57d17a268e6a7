// The page's letter box: the shared rule measured in the entry's font, and the hand-over of what was typed.
#include "web/letter_box.h"

#include "game/letter_entry_rule.h"
#include "web/page_events.h"
#include "words/cp1252.h"

namespace escartinol {

using emscripten::val;

namespace {

// Room left for the cursor after the text.
constexpr double kCursorWidth = 1;

}  // namespace

CLetterBox::CLetterBox(CWebGame& game)
    : m_game(game),
      m_box(PageElement("entryBox")),
      m_entry(PageElement("entry")),
      m_ok(PageElement("okButton")),
      m_measure(val::global("document")
                    .call<val>("createElement", std::string("canvas"))
                    .call<val>("getContext", std::string("2d"))) {
    Listen(m_entry, "input", [this](const val&) { OnInput(); });
    // The box's close event comes a task later than the key that closed it, and a key typed in between
    // would go to a game still waiting for its letters: the entry is handed over at once instead.
    Listen(m_box.call<val>("querySelector", std::string("form")), "submit", [this](const val&) { Hand(Entered()); });
    Listen(m_box, "cancel", [this](const val&) { Hand(std::nullopt); });
    Listen(m_box, "close", [this](const val&) {
        if (m_box["returnValue"].as<std::string>() == "ok")
            Hand(Entered());
        else
            Hand(std::nullopt);
    });
}

void CLetterBox::Open() {
    m_accepted.clear();
    m_entry.set("value", std::string());
    m_ok.set("disabled", true);
    m_box.set("returnValue", std::string());
    m_waiting = true;
    m_box.call<void>("showModal");
}

bool CLetterBox::Fits(const std::u16string& text) {
    const val style = val::global("getComputedStyle")(m_entry);
    m_measure.set("font", style["font"]);
    const val parseFloat = val::global("parseFloat");
    const double room = m_entry["clientWidth"].as<double>() - parseFloat(style["paddingLeft"]).as<double>() -
                        parseFloat(style["paddingRight"]).as<double>() - kCursorWidth;
    return m_measure.call<val>("measureText", text)["width"].as<double>() <= room;
}

void CLetterBox::OnInput() {
    const std::optional<EntryText> shown =
        FitEntry(m_entry["value"].as<std::u16string>(), m_entry["selectionStart"].as<int>(),
                 [this](const std::u16string& text) { return Fits(text); });
    if (!shown) {
        // Nothing of it fits: the box keeps what it had.
        m_entry.set("value", m_accepted);
        return;
    }
    m_accepted = shown->text;
    m_entry.set("value", m_accepted);
    m_entry.call<void>("setSelectionRange", shown->cursor, shown->cursor);
    m_ok.set("disabled", !StartsWithNineCapitals(Entered()));
}

std::string CLetterBox::Entered() const { return Utf8ToCp1252Lossy(m_entry["value"].as<std::string>()); }

void CLetterBox::Hand(const std::optional<std::string>& typed) {
    if (!m_waiting) return;
    m_waiting = false;
    if (CGame* game = m_game.Game()) game->ApplyLetterEntry(typed);
}

}  // namespace escartinol
