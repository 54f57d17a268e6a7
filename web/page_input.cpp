// Clicks and keys of the window to the game; the boxes keep their own keys while they are open.
#include "web/page_input.h"

#include <string>

#include "web/page_events.h"

namespace escartinol {

using emscripten::val;

namespace {

// Alt and one of these presses the button named after it.
struct AltKey {
    const char* code;
    const char* button;
};
constexpr AltKey kAltKeys[] = {{"KeyA", "drawButton"}, {"KeyS", "solutionsButton"}, {"KeyC", "chooseButton"}};

bool IsLetterKey(const std::string& key) {
    return key.size() == 1 && ((key[0] >= 'a' && key[0] <= 'z') || (key[0] >= 'A' && key[0] <= 'Z'));
}

bool Is(const val& object, const char* type) { return object.instanceof (val::global(type)); }

// Some keys come without a name (a browser's autofill sends such); they are no key of the game's.
std::string KeyName(const val& name) { return name.isString() ? name.as<std::string>() : std::string(); }

}  // namespace

CPageInput::CPageInput(CWebGame& game)
    : m_game(game), m_letterBox(game), m_newGameButton(PageElement("newGameButton")) {
    for (const char* id : {"finishButton", "drawButton", "solutionsButton", "chooseButton", "helpButton"})
        m_buttons.push_back(PageElement(id));
    const auto command = [this](void (CGame::*act)()) {
        return [this, act](const val&) {
            if (CGame* game = m_game.Game()) (game->*act)();
        };
    };
    Listen(PageElement("drawButton"), "click", command(&CGame::DrawRandomLetters));
    Listen(PageElement("solutionsButton"), "click", command(&CGame::ShowSolutions));
    Listen(PageElement("chooseButton"), "click", [this](const val&) {
        if (CGame* game = m_game.Game()) game->BeginLetterEntry();
        m_letterBox.Open();
    });
    Listen(PageElement("helpButton"), "click", [](const val&) { PageElement("helpBox").call<void>("showModal"); });
    Listen(PageElement("finishButton"), "click", [this](const val&) { Finish(); });
    Listen(m_newGameButton, "click", [this](const val&) { StartNewGame(); });
    Listen(val::global("document"), "keydown", [this](const val& event) { OnKeyDown(event); });
}

void CPageInput::OnKeyDown(const val& event) {
    const val document = val::global("document");
    if (m_over || !document.call<val>("querySelector", std::string("dialog[open]")).isNull()) return;
    const bool ctrlOrMeta = event["ctrlKey"].as<bool>() || event["metaKey"].as<bool>();
    if (event["altKey"].as<bool>() && !ctrlOrMeta) {
        const std::string code = KeyName(event["code"]);
        for (const AltKey& alt : kAltKeys) {
            if (code == alt.code) {
                event.call<void>("preventDefault");
                PageElement(alt.button).call<void>("click");
            }
        }
        return;
    }
    // Keyboard play, on the board or a button but not in a row: a letter raises a tile of that
    // letter, Backspace lowers the last one. Neither presses a button nor ends anything.
    const std::string key = KeyName(event["key"]);
    const bool inRow = Is(event["target"], "HTMLTextAreaElement");
    if (!inRow && !ctrlOrMeta && IsLetterKey(key)) {
        event.call<void>("preventDefault");
        if (CGame* game = m_game.Game()) game->TypeLetter(key[0]);
        return;
    }
    if (!inRow && key == "Backspace") {
        event.call<void>("preventDefault");
        if (CGame* game = m_game.Game()) game->TakeBackLetter();
        return;
    }
    // Enter on a button presses that button, as in the desktop window, and on a language follows it;
    // anywhere else it ends the game.
    const bool pressable = Is(event["target"], "HTMLButtonElement") || Is(event["target"], "HTMLAnchorElement");
    if ((key == "Enter" && !pressable) || key == "Escape") {
        event.call<void>("preventDefault");
        Finish();
    }
}

void CPageInput::Finish() {
    if (m_over) return;
    m_over = true;
    m_game.End();
    for (val& button : m_buttons) button.set("disabled", true);
    m_newGameButton.set("hidden", false);
    m_newGameButton.call<void>("focus");
}

void CPageInput::StartNewGame() {
    m_over = false;
    m_newGameButton.set("hidden", true);
    for (val& button : m_buttons) button.set("disabled", false);
    m_game.Start();
    m_game.LoadLists();
    PageElement("finishButton").call<void>("focus");
}

}  // namespace escartinol
