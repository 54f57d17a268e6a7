// Clicks and keys of the window to the game; the boxes keep their own keys while they are open.
#include "web/page_input.h"

#include <string>

#include "web/page_events.h"
#include "words/cp1252.h"

namespace escartinol {

using emscripten::val;

namespace {

// Alt and one of these presses the button named after it.
struct AltKey {
    const char* code;
    const char* button;
};
constexpr AltKey kAltKeys[] = {{"KeyA", "drawButton"}, {"KeyS", "solutionsButton"}, {"KeyC", "chooseButton"},
                               {"KeyI", "hintButton"}, {"KeyJ", "dayButton"},       {"KeyP", "shareButton"}};

// A focused control is scrolled into view, which on a small phone held sideways pushes the board
// off the screen; the page's controls are all in view already.
void Focus(const val& element) {
    val options = val::object();
    options.set("preventScroll", true);
    element.call<void>("focus", options);
}

bool Is(const val& object, const char* type) { return object.instanceof (val::global(type)); }

// Some keys come without a name (a browser's autofill sends such); they are no key of the game's.
std::string KeyName(const val& name) { return name.isString() ? name.as<std::string>() : std::string(); }

}  // namespace

CPageInput::CPageInput(CWebGame& game)
    : m_game(game), m_letterBox(game), m_newGameButton(PageElement("newGameButton")) {
    for (const char* id : {"finishButton", "drawButton", "solutionsButton", "chooseButton", "helpButton", "hintButton",
                           "dayButton", "shareButton"})
        m_buttons.push_back(PageElement(id));
    const auto command = [this](void (CGame::*act)()) {
        return [this, act](const val&) {
            if (CGame* game = m_game.Game()) (game->*act)();
        };
    };
    Listen(PageElement("drawButton"), "click", command(&CGame::DrawRandomLetters));
    Listen(PageElement("solutionsButton"), "click", command(&CGame::ShowSolutions));
    Listen(PageElement("hintButton"), "click", command(&CGame::Hint));
    Listen(PageElement("dayButton"), "click", [this](const val&) { m_game.PlayToday(); });
    Listen(PageElement("shareButton"), "click", [this](const val&) { m_game.Share(); });
    Listen(PageElement("chooseButton"), "click", [this](const val&) {
        if (CGame* game = m_game.Game()) game->BeginLetterEntry();
        m_letterBox.Open();
    });
    Listen(PageElement("helpButton"), "click", [](const val&) { PageElement("helpBox").call<void>("showModal"); });
    Listen(PageElement("finishButton"), "click", [this](const val&) { Finish(); });
    Listen(m_newGameButton, "click", [this](const val&) { StartNewGame(); });
    Listen(val::global("document"), "keydown", [this](const val& event) { OnKeyDown(event); });
    // As on the desktop, the game starts with the focus on Finit.
    Focus(PageElement("finishButton"));
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
    CGame* game = m_game.Game();
    if (!game) return;
    const std::string name = KeyName(event["key"]);
    Key key = Key::kOther;
    if (name == "Enter")
        key = Key::kEnter;
    else if (name == "Escape")
        key = Key::kEscape;
    else if (name == "Backspace")
        key = Key::kBackspace;
    else if (!name.empty() && Utf8CharacterLength(name, 0) == name.size())  // not "Shift", "Dead", ...
        key = Key::kText;
    const val target = event["target"];
    const std::string id = target["id"].isString() ? target["id"].as<std::string>() : std::string();
    KeyFocus focus = KeyFocus::kBoard;
    if (id == "finishButton")
        focus = KeyFocus::kFinishButton;
    else if (Is(target, "HTMLButtonElement") || Is(target, "HTMLAnchorElement"))
        focus = KeyFocus::kOtherButton;  // Enter presses a button and follows a language
    else if (Is(target, "HTMLTextAreaElement"))
        focus = KeyFocus::kResultRow;
    switch (game->PressKey(key, name, ctrlOrMeta, focus, id)) {
        case KeyOutcome::kTaken:
            event.call<void>("preventDefault");
            break;
        case KeyOutcome::kPassOn:
            break;
        case KeyOutcome::kEndGame:
            event.call<void>("preventDefault");
            Finish();
            break;
    }
}

void CPageInput::Finish() {
    if (m_over) return;
    m_over = true;
    m_game.End();
    for (val& button : m_buttons) button.set("disabled", true);
    m_newGameButton.set("hidden", false);
    Focus(m_newGameButton);
}

void CPageInput::StartNewGame() {
    m_over = false;
    m_newGameButton.set("hidden", true);
    for (val& button : m_buttons) button.set("disabled", false);
    m_game.Start();
    m_game.LoadLists();
    Focus(PageElement("finishButton"));
}

}  // namespace escartinol
