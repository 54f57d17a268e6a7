// Start-up, draws and player commands of the game.
#include "game/game.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <utility>

#include "game/day_boards.h"
#include "game/letter_entry_rule.h"
#include "words/cp1252.h"
#include "words/list_places.h"

namespace escartinol {

CGame::CGame(IGameView& view, std::string listDir, std::optional<std::uint32_t> seed, ListHolding holding)
    : m_view(view), m_wordLists(listDir, holding), m_search(m_wordLists), m_listDir(std::move(listDir)), m_seed(seed) {}

void CGame::Start(const std::optional<std::string>& letters) {
    for (int i = 0; i < kTileCount; ++i) m_view.HideTile(i);
    // The clock's finest tick, so that two games started within a second still differ.
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    m_random.seed(m_seed.value_or(static_cast<std::uint32_t>(ticks)));
    if (letters && StartsWithNineCapitals(*letters))
        ApplyLetterEntry(letters);
    else
        DrawRandomLetters();
    m_view.SetRowText(0, kLoadingNotice);
}

void CGame::LoadLists() {
    if (m_listsLoaded) return;
    int unreadable = 0;
    m_wordLists.LoadWordLists([&unreadable](const std::string& path) {
        // Through stdio rather than iostreams, whose locales would double the web edition's download.
        std::fprintf(stderr, "escartinol: cannot read the word list %s; playing without it\n", path.c_str());
        ++unreadable;
    });
    m_listsLoaded = true;
    // The loading notice goes with the loading, words or not. Started from a menu, nobody sees
    // standard error: lists not found at all are said in row 1 instead.
    m_view.SetRowText(
        0, unreadable == kListCount ? kNoListsNotice + Utf8ToCp1252Lossy(ShownFolder(m_listDir)) : std::string());
    SearchWords();
    LightUpperWord();
}

void CGame::ClearRows() {
    for (int row = 0; row < kRowCount; ++row) m_view.SetRowText(row, {});
    m_view.SetProgressText({});
}

void CGame::DrawRandomLetters() {
    ClearRows();
    m_dayNumber.reset();
    // A new draw is a new count, even of the same letters.
    m_foundLetters = {};
    for (char& letter : m_letters) letter = LetterForDraw(m_drawDistribution(m_random));
    ShowLetters();
    if (m_listsLoaded) SearchWords();
}

void CGame::ShowLetters() {
    m_board.SendAllHome();
    m_tileLetters = m_letters;
    for (int i = 0; i < kTileCount; ++i) m_view.ShowTile(i, m_tileLetters[i], m_board.TileRect(i));
    m_view.LightWord(0);
}

void CGame::LightUpperWord() {
    std::string word;
    for (int s = 0; s < kFirstLowerSlot && m_board.SlotTaken(s); ++s) word += m_tileLetters[m_board.TileAt(s)];
    const bool lit = m_listsLoaded && m_search.IsWord(word);
    m_view.LightWord(lit ? static_cast<int>(word.size()) : 0);
    // A lit word counts once per draw, in the row of its length; a shorter one only lights.
    const int row = lit ? m_found.Find(word) : -1;
    if (row < 0) return;
    m_view.SetRowText(row, m_solutionsShown ? m_found.SolutionText(row) : m_found.RowText(row));
    m_view.SetProgressText(m_found.ProgressText());
}

void CGame::SearchWords() {
    SearchResult result = m_search.SearchWords(m_letters);
    m_letters = result.letters;
    if (m_letters != m_foundLetters) {
        m_found.Reset(result.rows);
        m_foundLetters = m_letters;
    }
    m_solutionsShown = false;
    // A row the search left empty keeps its text: the notice of lists not found stays in row 1.
    for (int row = 0; row < kRowCount; ++row) {
        if (result.rows[row].words.empty()) continue;
        m_view.SetRowText(row, m_found.RowText(row));
    }
    m_view.SetProgressText(m_found.ProgressText());
}

void CGame::ShowSolutions() {
    m_solutionsShown = true;
    for (int row = 0; row < kRowCount; ++row) m_view.SetRowText(row, m_found.SolutionText(row));
}

void CGame::PlayDayBoard(std::string_view lang, int year, unsigned month, unsigned day) {
    const std::string board = DayBoard(lang, year, month, day);
    if (board.empty()) return;
    ApplyLetterEntry(board);
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02u-%02u", year, month, day);
    m_dayDate = date;
    m_dayNumber = DaysFromCivil(year, month, day);
}

bool CGame::AllFound() const {
    const auto tallies = m_found.Tallies();
    return !tallies.empty() &&
           std::all_of(tallies.begin(), tallies.end(), [](const auto& tally) { return tally.found == tally.total; });
}

std::string CGame::ShareText(std::string_view lang, const Score& score) const {
    std::string text = std::string(kShareTitle) + " (" + std::string(lang) + ")\n";
    text += m_dayNumber ? std::string(kShareDay) + m_dayDate
                        : std::string(kShareLetters) + std::string(m_letters.begin(), m_letters.end());
    text += '\n';
    for (const auto& tally : m_found.Tallies())
        text += std::to_string(tally.length) + std::string(kShareLength) + std::to_string(tally.found) +
                std::string(kFoundOf) + std::to_string(tally.total) + '\n';
    if (m_found.Hints() > 0) text += std::string(kHintsLabel.substr(2)) + std::to_string(m_found.Hints()) + '\n';
    if (score.daysPlayed > 0)
        text += std::string(kShareDays) + std::to_string(score.daysPlayed) + std::string(kShareCompleted) +
                std::to_string(score.boardsCompleted) + std::string(kShareRun) + std::to_string(score.run) + '\n';
    return text;
}

void CGame::Hint() {
    const std::string word = m_found.HintWord();
    if (word.empty() || m_board.Dragging()) return;
    // The upper row keeps the start of the word it already spells, from its first slot on.
    int kept = 0;
    while (kept < static_cast<int>(word.size()) && m_board.SlotTaken(kept) &&
           m_tileLetters[m_board.TileAt(kept)] == word[kept])
        ++kept;
    for (int s = kFirstLowerSlot - 1; s >= kept; --s)
        if (m_board.SlotTaken(s)) m_board.LowerLastTile(m_view);
    if (kept < static_cast<int>(word.size()))
        for (int s = kFirstLowerSlot; s < kSlotCount; ++s) {
            const int tile = m_board.TileAt(s);
            if (tile == -1 || m_tileLetters[tile] != word[kept]) continue;
            m_board.RaiseTile(tile, m_view);
            break;
        }
    m_found.CountHint();
    m_view.SetProgressText(m_found.ProgressText());
    LightUpperWord();
}

void CGame::BeginLetterEntry() { ClearRows(); }

void CGame::ApplyLetterEntry(const std::optional<std::string>& typed) {
    if (typed && StartsWithNineCapitals(*typed)) {
        std::copy_n(typed->begin(), m_letters.size(), m_letters.begin());
        m_foundLetters = {};
        m_dayNumber.reset();
    }
    ShowLetters();
    if (m_listsLoaded) SearchWords();
}

void CGame::RepeatedDraw() {
    m_dayNumber.reset();
    m_foundLetters = {};
    for (int draw = 0; draw < kRepeatedDraws; ++draw) DrawRandomLetters();
}

void CGame::PointerDown(int pointer, Point p, PressKind kind) {
    if (kind == PressKind::kOtherButton) {
        // A drag under way goes on from its tile's new home.
        RepeatedDraw();
        return;
    }
    // The same pointer down again means its release was missed: the press starts afresh.
    if (m_pointer && *m_pointer != pointer) return;
    m_pointer = pointer;
    m_pressedAt = p;
    Press(p);
    // A press that starts on a tile is a drag, however long it rests.
    m_longPressPending = kind == PressKind::kTouch && !m_board.Dragging();
}

void CGame::PointerMove(int pointer, Point p) {
    if (m_pointer != pointer) return;
    const int dx = p.x - m_pressedAt.x;
    const int dy = p.y - m_pressedAt.y;
    if (dx * dx + dy * dy > kLongPressSlop * kLongPressSlop) m_longPressPending = false;
    Drag(p);
}

void CGame::PointerUp(int pointer) {
    if (m_pointer != pointer) return;
    m_pointer.reset();
    m_longPressPending = false;
    Release();
}

void CGame::PointerLost(int pointer) {
    if (m_pointer == pointer) CancelDrag();
}

void CGame::CancelDrag() {
    m_pointer.reset();
    m_longPressPending = false;
    m_board.CancelDrag(m_view);
}

void CGame::LongPressElapsed() {
    if (!std::exchange(m_longPressPending, false)) return;
    RepeatedDraw();
}

void CGame::Press(Point p) { m_board.PickUp(p, m_view); }
void CGame::Drag(Point p) { m_board.Drag(p, m_view); }
void CGame::Release() {
    if (!m_board.Dragging()) return;
    m_board.Drop(m_view);
    LightUpperWord();
}

KeyOutcome CGame::PressKey(Key key, std::string_view text, bool modified, KeyFocus focus, std::string_view control) {
    // The player went to another control: its keys mean again what they mean there.
    if (control != m_keyControl) {
        m_keyControl = control;
        m_keyboardPlay = false;
    }
    // Alt, Ctrl and the like make a key a shortcut, which is the front end's; a row keeps its keys.
    if (modified) return KeyOutcome::kPassOn;
    const bool boardKey = focus != KeyFocus::kResultRow;
    if (boardKey && key == Key::kText) {
        const char letter = BoardLetterOfKey(text);
        if (letter == 0) return KeyOutcome::kPassOn;
        m_keyboardPlay = true;
        TypeLetter(letter);
        return KeyOutcome::kTaken;
    }
    if (boardKey && key == Key::kBackspace) {
        m_keyboardPlay = true;
        TakeBackLetter();
        return KeyOutcome::kTaken;
    }
    if (key != Key::kEnter && key != Key::kEscape) return KeyOutcome::kPassOn;
    if (m_keyboardPlay) return KeyOutcome::kTaken;
    if (key == Key::kEnter && focus == KeyFocus::kOtherButton) return KeyOutcome::kPassOn;
    return KeyOutcome::kEndGame;
}

void CGame::TypeLetter(char letter) {
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    if (m_board.Dragging()) return;
    for (int s = kFirstLowerSlot; s < kSlotCount; ++s) {
        const int tile = m_board.TileAt(s);
        if (tile == -1 || m_tileLetters[tile] != letter) continue;
        if (m_board.RaiseTile(tile, m_view)) LightUpperWord();
        return;
    }
}

void CGame::TakeBackLetter() {
    if (!m_board.Dragging() && m_board.LowerLastTile(m_view)) LightUpperWord();
}

}  // namespace escartinol
