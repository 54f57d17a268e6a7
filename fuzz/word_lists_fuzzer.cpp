// libFuzzer target: arbitrary bytes as word lists and typed letters, through the index, the search and the game.
// Input, split on 0x1E: a fault byte (how the lists are edited once indexed) then the letters, nine bytes an
// entry; then the lists of 9 down to 4 letters, a missing piece a missing list. The index and every fetched line
// must match a plain reading of the bytes, the rows fill from the top; sorted lists search mapped as indexed;
// after an edit the search matches a fresh load's, or for a same-size rewrite the times may miss, fetches give
// only their key's lines.
#include <array>
#include <iostream>

#include "fuzz/fuzz_support.h"
#include "game/game.h"
#include "tests/support/recording_window.h"
#include "words/list_format.h"
#include "words/word_lists.h"
#include "words/word_search.h"

namespace {

using namespace escartinol;
using namespace escartinol::fuzzing;

// kReplaced: reversed in place, the same file and size; kLinesInserted: its second half before it;
// kRenamedOver: reversed into a new file renamed over the list.
enum class Fault { kNone, kShortened, kRemoved, kReplaced, kLinesInserted, kFirstLineRemoved, kRenamedOver, kCount };

fs::path ListPath(int n) { return ScratchFolder("escartinol-fuzz-word-lists") / ListFileName(n); }

// A line the game may show for a key of n characters: one that starts with the key, as the lookup
// compares it, and '/', and stands in the file from the start of a line on.
bool IsKeyLineInFile(std::string_view line, const char* key, int n, std::string_view bytes) {
    const auto length = static_cast<std::size_t>(n);
    if (line.size() <= length || std::strncmp(line.data(), key, length) != 0 || line[length] != '/') return false;
    for (std::size_t start = 0; bytes.substr(start, line.size()) != line; start = bytes.find('\n', start) + 1)
        if (bytes.find('\n', start) == std::string_view::npos) return false;
    return true;
}

// Against the lines as a plain reader sees them: raw start offsets and texts without the CR of a CR LF.
void CheckIndex(CWordLists& lists, int n, std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find(kEndOfFileMark));
    const auto length = static_cast<std::size_t>(n);
    std::string line;
    std::int32_t i = 0;
    for (std::size_t start = 0; start < bytes.size();
         start = std::min(bytes.find('\n', start), bytes.size()) + 1, ++i) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        std::string text(bytes.substr(start, end - start));
        if (end < bytes.size() && text.ends_with('\r')) text.pop_back();
        Require(i < lists.KeyCount(n) && lists.LineOffset(n, i) == static_cast<std::int64_t>(start));
        std::string key = text.substr(0, length);
        key.resize(length + 1, '\0');
        Require(std::memcmp(lists.KeyEntry(n, i), key.data(), key.size()) == 0);
        // Only a line of its key and '/' is fetched; another may stand in for one that is not.
        const bool fetched = lists.FetchListLine(n, i, line);
        if (text.size() > length && text[length] == '/')
            Require(fetched && line == text.substr(0, kMaxLineChars));
        else
            Require(fetched ? IsKeyLineInFile(line, key.data(), n, bytes) : line.empty());
    }
    Require(i == lists.KeyCount(n) && !lists.FetchListLine(n, i, line) && line.empty());
    Require(!lists.FetchListLine(n, -1, line));
}

// Mapped, a sorted list (no entry ranks below the one before) must find and fetch for each key what its
// index does; false when the list is not sorted.
bool MappedAgrees(CWordLists& indexed, CWordLists& mapped, int n) {
    for (std::int32_t i = 1; i < indexed.KeyCount(n); ++i)
        if (std::memcmp(indexed.KeyEntry(n, i - 1), indexed.KeyEntry(n, i), static_cast<std::size_t>(n) + 1) > 0)
            return false;
    std::string fromIndex, fromMapped;
    for (std::int32_t i = 0; i < indexed.KeyCount(n); ++i) {
        const std::string key(indexed.KeyEntry(n, i));
        const std::int32_t atIndex = indexed.FindListKey(n, key.c_str()), atMapped = mapped.FindListKey(n, key.c_str());
        Require((atIndex >= 0) == (atMapped >= 0));
        Require(indexed.FetchListLine(n, atIndex, fromIndex) == mapped.FetchListLine(n, atMapped, fromMapped));
        Require(fromIndex == fromMapped);
    }
    return true;
}

// Whether a fresh load must see the edit: the file's size or the file itself changed.
bool ApplyFault(Fault fault, const std::vector<std::string_view>& lists) {
    std::error_code ignored;  // a list that was missing stays missing
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) {
        const fs::path path = ListPath(n);
        if (!fs::exists(path)) continue;
        const std::string_view bytes = lists[kMaxWordLength - n];
        const std::string reversed(bytes.rbegin(), bytes.rend());
        const std::size_t lf = bytes.find('\n');
        if (fault == Fault::kShortened) fs::resize_file(path, bytes.size() / 2, ignored);
        if (fault == Fault::kRemoved) fs::remove(path, ignored);
        if (fault == Fault::kReplaced) WriteFile(path, reversed);
        if (fault == Fault::kLinesInserted)
            WriteFile(path, std::string(bytes.substr(bytes.size() / 2)) + std::string(bytes));
        if (fault == Fault::kFirstLineRemoved)
            WriteFile(path, lf == std::string_view::npos ? "" : bytes.substr(lf + 1));
        if (fault == Fault::kRenamedOver) WriteFile(path.string() + ".new", reversed);
        if (fault == Fault::kRenamedOver) fs::rename(path.string() + ".new", path, ignored);
    }
    return fault != Fault::kReplaced;
}

// After an edit the file's stamp may not show, every line fetched is still its key's line.
void CheckFetchesGiveKeyLines(CWordLists& lists) {
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) {
        const std::string bytes = ReadFile(ListPath(n));
        std::vector<std::string> keys;
        for (std::int32_t i = 0; i < lists.KeyCount(n); ++i) keys.emplace_back(lists.KeyEntry(n, i), n);
        std::string line;
        for (const std::string& key : keys) {
            const std::int32_t i = lists.FindListKey(n, key.c_str());
            if (i >= 0 && lists.FetchListLine(n, i, line)) Require(IsKeyLineInFile(line, key.c_str(), n, bytes));
        }
    }
}

// Searches the entry as it is, then folded into capitals so that the deeper search is reached from any
// input; the rows fill from the top, and what the second search shows is handed back.
std::array<ResultRow, 3> SearchEntry(CWordLists& lists, const std::string& entry) {
    CWordSearch search(lists);
    std::array<char, 9> letters{};
    std::copy_n(entry.begin(), std::min(entry.size(), letters.size()), letters.begin());
    SearchResult result = search.SearchWords(letters);
    Require(std::is_sorted(result.letters.begin(), result.letters.end()) ||
            !std::all_of(letters.begin(), letters.end(), IsKeyLetter));
    for (int pass = 0; pass < 2; ++pass) {
        for (int row = 0; row < 3; ++row) {
            Require(result.rows[row].label.empty() == result.rows[row].words.empty());
            Require(row == 0 || result.rows[row].words.empty() || !result.rows[row - 1].words.empty());
        }
        for (char& c : letters) c = static_cast<char>('A' + static_cast<unsigned char>(c) % kKeyLetterCount);
        if (pass == 0) result = search.SearchWords(letters);
    }
    return result.rows;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The game tells of missing lists on its standard error; at thousands of runs a second that drowns the log.
    std::cerr.rdbuf(nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string dir = ScratchFolder("escartinol-fuzz-word-lists").string();
    std::vector<std::string_view> lists = SplitParts(data, size, 1 + kListCount);
    std::string_view script = lists[0];
    lists.erase(lists.begin());  // 9 letters first; missing ones last
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) {
        const std::size_t i = kMaxWordLength - n;
        i < lists.size() ? WriteFile(ListPath(n), lists[i]) : void(fs::remove(ListPath(n)));
    }
    const auto fault = Fault(TakeByte(script) % int(Fault::kCount));
    std::vector<std::string> entries = {std::string(script.substr(0, 9))};
    for (std::size_t at = 9; at < script.size() && entries.size() < 8; at += 9)
        entries.emplace_back(script.substr(at, 9));

    testing::CRecordingWindow window;
    CGame game(window, dir, 7u);
    game.Start();
    game.LoadLists();
    // Indexed as the game's lists are, at the same moment; the game keeps its own to itself.
    CWordLists indexed(dir);
    indexed.LoadWordLists();
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) {
        const std::size_t i = kMaxWordLength - n;
        Require(game.WordLists().KeyCount(n) == indexed.KeyCount(n));
        CheckIndex(indexed, n, i < lists.size() ? lists[i] : "");
    }
    {
        // Before any edit: a list cut short under its mapping would end the run with SIGBUS.
        CWordLists mapped(dir, ListHolding::kMapped);
        mapped.LoadWordLists();
        bool allSorted = true;
        for (int n = kMinWordLength; n <= kMaxWordLength; ++n)
            allSorted = MappedAgrees(indexed, mapped, n) && allSorted;
        for (const std::string& entry : entries)
            if (allSorted) Require(SearchEntry(mapped, entry) == SearchEntry(indexed, entry));
    }
    const bool mustShow = ApplyFault(fault, lists);
    CWordLists fresh(dir);
    fresh.LoadWordLists();
    for (const std::string& entry : entries) {
        const auto rows = SearchEntry(indexed, entry);
        if (mustShow) Require(rows == SearchEntry(fresh, entry));
        // The entry box lets anything through; the game must keep its letters playable.
        game.BeginLetterEntry();
        game.ApplyLetterEntry(entry);
        Require(std::all_of(game.Letters().begin(), game.Letters().end(), IsKeyLetter));
        game.ShowSolutions();
    }
    if (!mustShow) CheckFetchesGiveKeyLines(indexed);
    game.DrawRandomLetters();
    return 0;
}
