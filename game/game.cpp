// Start-up, draws and player commands of the game.
#include "game/game.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>

#include "game/letter_entry_rule.h"
#include "words/cp1252.h"

namespace escartinol {

namespace {

// The folder as the player would look for it: absolute, without a trailing separator.
std::string ShownFolder(const std::string& dir) {
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::absolute(dir.empty() ? "." : dir, ec).lexically_normal();
    if (ec) return dir;
    if (!folder.has_filename() && folder.has_relative_path()) folder = folder.parent_path();
    return folder.string();
}

}  // namespace

CGame::CGame(IGameView& view, std::string listDir, std::optional<std::uint32_t> seed, ListHolding holding)
    : m_view(view), m_wordLists(listDir, holding), m_search(m_wordLists), m_listDir(std::move(listDir)), m_seed(seed) {}

void CGame::Start() {
    for (int i = 0; i < kTileCount; ++i) m_view.HideTile(i);
    // The clock's finest tick, so that two games started within a second still differ.
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    m_random.seed(m_seed.value_or(static_cast<std::uint32_t>(ticks)));
    DrawRandomLetters();
    m_view.SetRowText(0, kLoadingNotice);
}

void CGame::LoadLists() {
    if (m_listsLoaded) return;
    int unreadable = 0;
    m_wordLists.LoadWordLists([&unreadable](const std::string& path) {
        std::cerr << "escartinol: cannot read the word list " << path << "; playing without it\n";
        ++unreadable;
    });
    m_listsLoaded = true;
    // Started from a menu, nobody sees standard error; and the loading notice must not stay as if
    // the loading went on.
    if (unreadable == kListCount) m_view.SetRowText(0, kNoListsNotice + Utf8ToCp1252Lossy(ShownFolder(m_listDir)));
    SearchWords();
}

void CGame::ClearRows() {
    for (int row = 0; row < kRowCount; ++row) {
        m_rowWords[row].clear();
        m_view.SetRowText(row, m_rowWords[row]);
    }
}

void CGame::DrawRandomLetters() {
    ClearRows();
    for (char& letter : m_letters) letter = LetterForDraw(m_drawDistribution(m_random));
    ShowLetters();
    if (m_listsLoaded) SearchWords();
}

void CGame::ShowLetters() {
    m_board.SendAllHome();
    for (int i = 0; i < kTileCount; ++i) m_view.ShowTile(i, m_letters[i], m_board.TileRect(i));
}

void CGame::SearchWords() {
    SearchResult result = m_search.SearchWords(m_letters);
    m_letters = result.letters;
    // A row the search left empty keeps its text: the notices in row 1 stay until a word replaces them.
    for (int row = 0; row < kRowCount; ++row) {
        if (result.rows[row].words.empty()) continue;
        m_rowWords[row] = std::move(result.rows[row].words);
        m_view.SetRowText(row, result.rows[row].label);
    }
}

void CGame::ShowSolutions() {
    for (int row = 0; row < kRowCount; ++row) m_view.SetRowText(row, m_rowWords[row]);
}

void CGame::BeginLetterEntry() { ClearRows(); }

void CGame::ApplyLetterEntry(const std::optional<std::string>& typed) {
    if (typed && StartsWithNineCapitals(*typed)) std::copy_n(typed->begin(), m_letters.size(), m_letters.begin());
    ShowLetters();
    if (m_listsLoaded) SearchWords();
}

void CGame::RepeatedDraw() {
    for (int draw = 0; draw < kRepeatedDraws; ++draw) DrawRandomLetters();
}

void CGame::Press(Point p) { m_board.PickUp(p, m_view); }
void CGame::Drag(Point p) { m_board.Drag(p, m_view); }
void CGame::Release() { m_board.Drop(m_view); }
void CGame::CancelDrag() { m_board.CancelDrag(m_view); }

}  // namespace escartinol
