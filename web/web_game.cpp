// The game over the lists the page fetched, kept in the in-memory file system where the game reads files.
#include "web/web_game.h"

#include <cstdint>
#include <string>
#include <vector>

#include "game/day_boards.h"
#include "web/list_pack.h"
#include "web/page_events.h"
#include "words/cp1252.h"
#include "words/list_format.h"

namespace escartinol {

using emscripten::val;

namespace {

constexpr const char* kListFolder = "/lists";
// In place of the folder where no list was found: on the page, they did not come over the network. Cp1252,
// like every row text.
constexpr const char* kNoListFetched =
    "Per jogar dins aquesta lenga, vos cau una connexion un c\xF2p, lo temps de cargar sei ti\xE8ras de m\xF2ts.";

}  // namespace

namespace {

constexpr const char* kScoreKey = "escartinol-score";

// Where the player is.
struct LocalDate {
    int year;
    unsigned month;
    unsigned day;
};

LocalDate Now() {
    const val now = val::global("Date").new_();
    return {now.call<int>("getFullYear"), now.call<unsigned>("getMonth") + 1, now.call<unsigned>("getDate")};
}

long Today() {
    const LocalDate today = Now();
    return DaysFromCivil(today.year, today.month, today.day);
}

}  // namespace

void CWebGame::SetLanguage(const std::string& lang) {
    m_lang = lang;
    // A damaged or missing score is a fresh start.
    const val stored = val::global("localStorage").call<val>("getItem", std::string(kScoreKey));
    m_score = ReadScore(stored.isString() ? stored.as<std::string>() : std::string());
}

void CWebGame::SaveScore() {
    val::global("localStorage").call<void>("setItem", std::string(kScoreKey), ScoreText(m_score));
}

void CWebGame::PlayDay(int year, unsigned month, unsigned day) {
    if (!m_game) return;
    m_game->PlayDayBoard(m_lang, year, month, day);
    if (m_game->DayOnShow() != Today()) return;
    m_score.Played(Today());
    SaveScore();
}

void CWebGame::PlayToday() {
    const LocalDate today = Now();
    PlayDay(today.year, today.month, today.day);
}

void CWebGame::NoteProgress() {
    if (!m_game || m_game->DayOnShow() != Today() || !m_game->AllFound() || m_score.lastCompleted == Today()) return;
    m_score.Completed(Today());
    SaveScore();
}

void CWebGame::Share() {
    if (!m_game) return;
    const std::string text = Cp1252ToUtf8(m_game->ShareText(m_lang, m_score));
    PageElement("shareText").set("textContent", text);
    PageElement("shareBox").call<void>("showModal");
    const val navigator = val::global("navigator");
    val shared = val::undefined();
    if (!navigator["share"].isUndefined()) {
        val data = val::object();
        data.set("text", text);
        shared = navigator.call<val>("share", data);
    } else if (!navigator["clipboard"].isUndefined()) {
        shared = navigator["clipboard"].call<val>("writeText", text);
    }
    // A player who closes the share sheet, or a page not allowed the clipboard, has the text on screen.
    if (!shared.isUndefined()) shared.call<val>("catch", PageCallback([](const val&) {}));
}

void CWebGame::Start(const std::optional<std::string>& letters) {
    if (!m_view) {
        m_view = std::make_unique<CWebView>();
        m_view->OnProgress([this] { NoteProgress(); });
    }
    m_game.reset();
    m_game = std::make_unique<CGame>(*m_view, kListFolder);
    m_game->Start(letters);
}

void CWebGame::WriteLists(const val& packed) {
    const val files = val::module_property("FS");
    files.call<void>("mkdir", std::string(kListFolder));
    // Nothing came: the game plays without lists, as with an empty folder.
    if (packed.isNull()) return;
    const std::vector<std::uint8_t> bytes = emscripten::convertJSArrayToNumberVector<std::uint8_t>(packed);
    const ListTexts lists = UnpackLists({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
    for (int i = 0; i < kListCount; ++i) {
        const std::string path = std::string(kListFolder) + "/" + ListFileName(kMaxWordLength - i);
        // The file system copies the list out of the game's memory.
        const auto* text = reinterpret_cast<const unsigned char*>(lists[i].data());
        files.call<void>("writeFile", path, val(emscripten::typed_memory_view(lists[i].size(), text)));
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
