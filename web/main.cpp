// The web edition's entry points: the page starts a game and hands it the player's commands.
#include <emscripten/bind.h>

#include <memory>
#include <optional>
#include <string>

#include "game/game.h"
#include "game/letter_entry_rule.h"
#include "web/web_view.h"
#include "words/cp1252.h"

namespace escartinol {

namespace {

// The page writes the fetched lists here before it asks for them to be loaded.
constexpr const char* kListFolder = "/lists";

// One page, one window: the game lives as long as the page.
std::unique_ptr<CWebView> view;
std::unique_ptr<CGame> game;

// A draw and the loading notice; the page calls LoadLists once the lists have arrived. A new game
// after "Finit" starts the same way, over the lists already written.
void StartGame() {
    if (!view) view = std::make_unique<CWebView>();
    game.reset();
    game = std::make_unique<CGame>(*view, kListFolder);
    game->Start();
}

// "Finit": the page cannot close itself, so the game ends by leaving the board empty.
void EndGame() {
    game.reset();
    view->Clear();
}

// A command of the game under way; after "Finit" there is none, and the command does nothing.
template <auto Command>
void Forward() {
    if (game) ((*game).*Command)();
}

template <auto Command>
void ForwardPoint(int x, int y) {
    if (game) ((*game).*Command)(Point{x, y});
}

// A letter key (its character code), for keyboard play.
void TypeLetter(int letter) {
    if (game) game->TypeLetter(static_cast<char>(letter));
}

bool AcceptsEntry(const std::string& typed) { return StartsWithNineCapitals(Utf8ToCp1252Lossy(typed)); }

void ApplyEntry(const emscripten::val& typed) {
    // Null when the box was cancelled: the game keeps its letters.
    std::optional<std::string> entry;
    if (typed.isString()) entry = Utf8ToCp1252Lossy(typed.as<std::string>());
    if (game) game->ApplyLetterEntry(entry);
}

}  // namespace

EMSCRIPTEN_BINDINGS(escartinol) {
    using emscripten::function;
    function("startGame", &StartGame);
    function("endGame", &EndGame);
    function("loadLists", &Forward<&CGame::LoadLists>);
    function("drawRandomLetters", &Forward<&CGame::DrawRandomLetters>);
    function("showSolutions", &Forward<&CGame::ShowSolutions>);
    function("beginLetterEntry", &Forward<&CGame::BeginLetterEntry>);
    function("acceptsEntry", &AcceptsEntry);
    function("applyLetterEntry", &ApplyEntry);
    function("repeatedDraw", &Forward<&CGame::RepeatedDraw>);
    function("press", &ForwardPoint<&CGame::Press>);
    function("drag", &ForwardPoint<&CGame::Drag>);
    function("release", &Forward<&CGame::Release>);
    function("cancelDrag", &Forward<&CGame::CancelDrag>);
    function("typeLetter", &TypeLetter);
    function("takeBackLetter", &Forward<&CGame::TakeBackLetter>);
}

}  // namespace escartinol
