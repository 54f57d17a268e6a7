// The game over the lists the page fetched, kept in the in-memory file system where the game reads files.
#include "web/web_game.h"

#include <string>

#include "web/page_events.h"
#include "words/list_format.h"

namespace escartinol {

using emscripten::val;

namespace {

constexpr const char* kListFolder = "/lists";
// In place of the folder where no list was found: on the page, none came over the network. Cp1252,
// like every row text.
constexpr const char* kNoListFetched =
    "Per jogar dins aquesta lenga, vos cau una connexion un c\xF2p, lo temps de cargar sei ti\xE8ras de m\xF2ts.";

}  // namespace

void CWebGame::Start() {
    if (!m_view) m_view = std::make_unique<CWebView>();
    m_game.reset();
    m_game = std::make_unique<CGame>(*m_view, kListFolder);
    m_game->Start();
}

void CWebGame::WriteLists(const val& lists) {
    // The file system keeps the fetched bytes themselves as the files' contents: no copy through C++,
    // and none in the file system, which a first visit's time to the counts would pay for.
    const val files = val::module_property("FS");
    files.call<void>("mkdir", std::string(kListFolder));
    val owned = val::object();
    owned.set("canOwn", true);
    for (int i = 0; i < kListCount; ++i) {
        const val bytes = lists[i];
        // A list that could not be fetched is left out: the game plays without it, as with a missing file.
        if (bytes.isNull()) continue;
        const std::string path = std::string(kListFolder) + "/" + ListFileName(kMaxWordLength - i);
        files.call<void>("writeFile", path, bytes, owned);
        // Written once and never again, but just now: the game would take it for a file that an
        // edit may still be changing within its clock's tick, and read it again at each search of
        // the next two seconds (this file system keeps whole seconds). Its time is put far back.
        files.call<void>("utime", path, 0, 0);
        ++m_listsWritten;
    }
}

void CWebGame::LoadLists() {
    m_game->LoadLists();
    if (m_listsWritten == 0) m_view->SetRowText(0, kNoListFetched);
    PageElement("window")["dataset"].set("lists", std::string("loaded"));
    // From the navigation to the counts on screen: the benchmark reads it.
    val::global("performance").call<void>("mark", std::string("counts"));
}

void CWebGame::End() {
    m_game.reset();
    m_view->Clear();
}

}  // namespace escartinol
