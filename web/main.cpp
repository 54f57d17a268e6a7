// The web edition's entry points: the page's bootstrap opens the game, then hands it the fetched lists.
#include <emscripten/bind.h>

#include <memory>
#include <optional>
#include <string>

#include "game/day_boards.h"
#include "game/letter_entry_rule.h"
#include "web/board_pointer.h"
#include "web/page_events.h"
#include "web/page_input.h"
#include "web/web_game.h"

namespace escartinol {

namespace {

using emscripten::val;

// One page, one game, which lives as long as the page.
CWebGame game;
std::unique_ptr<CPageInput> input;
std::unique_ptr<CBoardPointer> pointer;

// A draw and the loading notice at once; lang is "fr" or "oc".
void OpenPage(const std::string& lang) {
    PageElement("lang-" + lang).call<void>("setAttribute", std::string("aria-current"), std::string("page"));
    game.SetLanguage(lang);
    // ?letras=TOLERIANS names a board, as a shared link does, and ?jorn=2026-12-09 the board of a
    // day; any other name or date is a draw.
    const val query = val::global("URLSearchParams").new_(val::global("location")["search"]);
    const val letters = query.call<val>("get", std::string("letras"));
    const val date = query.call<val>("get", std::string("jorn"));
    game.Start(letters.isString() ? NamedLetters(letters.as<std::string>()) : std::nullopt);
    int year = 0;
    unsigned month = 0;
    unsigned day = 0;
    if (date.isString() && ReadDate(date.as<std::string>(), year, month, day)) game.PlayDay(year, month, day);
}

// The fetched lists, packed, as bytes or null. The player plays once they are read.
void ReadLists(const val& packed) {
    game.WriteLists(packed);
    game.LoadLists();
    input = std::make_unique<CPageInput>(game);
    pointer = std::make_unique<CBoardPointer>(game);
}

}  // namespace

EMSCRIPTEN_BINDINGS(escartinol) {
    emscripten::function("openPage", &OpenPage);
    emscripten::function("readLists", &ReadLists);
}

}  // namespace escartinol
