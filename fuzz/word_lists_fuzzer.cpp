// libFuzzer target: arbitrary bytes as word lists and typed letters, through the index, the search and the game.
// Input, split on 0x1E: a fault byte (how the lists are edited once indexed) then the letters, nine bytes an
// entry; then the lists of 9 down to 4 letters, a missing piece a missing list. The index and every fetched line
// must match a plain reading of the bytes, the rows fill from the top; sorted lists search mapped as indexed;
// after an edit the search matches a fresh load's, or for a same-size rewrite the times may miss, fetches give
// only their key's lines.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "game/game.h"
#include "tests/support/recording_window.h"
#include "words/list_format.h"
#include "words/word_lists.h"
#include "words/word_search.h"

namespace {

using namespace escartinol;

using fuzzing::ReadFile;
using fuzzing::Require;
using fuzzing::WriteFile;
constexpr std::size_t kMaxEntries = 8;

enum class Fault {
    kNone,
    kShortened,
    kRemoved,
    kReplaced,       // reversed in place: the same file and size
    kLinesInserted,  // its second half inserted before it
    kFirstLineRemoved,
    kRenamedOver,  // reversed into a new file renamed over the list
    kCount
};

const std::filesystem::path& Folder() {
    static const fuzzing::CScratchFolder folder("escartinol-fuzz-word-lists");
    return folder.Path();
}

std::filesystem::path ListPath(int n) { return Folder() / ListFileName(n); }

// The lines as a plain reader sees them: raw start offsets and texts without the CR of a CR LF.
struct PlainLine {
    std::int64_t start;
    std::string text;
};

std::vector<PlainLine> ReadPlainly(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find(kEndOfFileMark));
    std::vector<PlainLine> lines;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        std::string text(bytes.substr(start, end - start));
        if (end < bytes.size() && text.ends_with('\r')) text.pop_back();
        lines.push_back({static_cast<std::int64_t>(start), std::move(text)});
        start = end + 1;
    }
    return lines;
}

// A line the game may show for a key of n characters: one that starts with the key, as the lookup
// compares it, and '/', and stands in the file from the start of a line on.
bool IsKeyLineInFile(std::string_view line, const char* key, int n, std::string_view bytes) {
    const auto length = static_cast<std::size_t>(n);
    if (line.size() <= length || std::strncmp(line.data(), key, length) != 0 || line[length] != '/') return false;
    for (std::size_t start = 0;;) {
        if (bytes.substr(start, line.size()) == line) return true;
        const std::size_t lf = bytes.find('\n', start);
        if (lf == std::string_view::npos) return false;
        start = lf + 1;
    }
}

void CheckIndex(CWordLists& lists, int n, std::string_view bytes) {
    const std::vector<PlainLine> plain = ReadPlainly(bytes);
    const std::int32_t count = lists.KeyCount(n);
    Require(count == static_cast<std::int32_t>(plain.size()));
    std::string line;
    for (std::int32_t i = 0; i < count; ++i) {
        const PlainLine& expected = plain[static_cast<std::size_t>(i)];
        Require(lists.LineOffset(n, i) == expected.start);
        std::string key = expected.text.substr(0, static_cast<std::size_t>(n));
        key.resize(static_cast<std::size_t>(n) + 1, '\0');
        Require(std::memcmp(lists.KeyEntry(n, i), key.data(), key.size()) == 0);
        // Only a line of its key and '/' is fetched; another may stand in for one that is not.
        const bool fetched = lists.FetchListLine(n, i, line);
        if (expected.text.size() > static_cast<std::size_t>(n) && expected.text[static_cast<std::size_t>(n)] == '/')
            Require(fetched && line == expected.text.substr(0, kMaxLineChars));
        else
            Require(fetched ? IsKeyLineInFile(line, key.data(), n, bytes) : line.empty());
    }
    Require(!lists.FetchListLine(n, count, line) && line.empty());
    Require(!lists.FetchListLine(n, -1, line));
}

// A list whose entries never rank below the one before: sorted, as the mapped search needs.
bool IsSorted(const CWordLists& lists, int n) {
    for (std::int32_t i = 1; i < lists.KeyCount(n); ++i)
        if (std::memcmp(lists.KeyEntry(n, i - 1), lists.KeyEntry(n, i), static_cast<std::size_t>(n) + 1) > 0)
            return false;
    return true;
}

// Mapped, a sorted list must find and fetch for each key what its index does.
void CheckMappedAgrees(CWordLists& indexed, CWordLists& mapped, int n) {
    std::string fromIndex;
    std::string fromMapped;
    for (std::int32_t i = 0; i < indexed.KeyCount(n); ++i) {
        const std::string key(indexed.KeyEntry(n, i));
        const std::int32_t atIndex = indexed.FindListKey(n, key.c_str());
        const std::int32_t atMapped = mapped.FindListKey(n, key.c_str());
        Require((atIndex >= 0) == (atMapped >= 0));
        Require(indexed.FetchListLine(n, atIndex, fromIndex) == mapped.FetchListLine(n, atMapped, fromMapped));
        Require(fromIndex == fromMapped);
    }
}

// Whether a fresh load must see the edit: the file's size or the file itself changed.
bool ApplyFault(Fault fault, const std::vector<std::string_view>& lists) {
    std::error_code ignored;  // a list that was missing stays missing
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) {
        const std::filesystem::path path = ListPath(n);
        if (!std::filesystem::exists(path)) continue;
        const std::string_view bytes = lists[kMaxWordLength - n];
        const std::string reversed(bytes.rbegin(), bytes.rend());
        const std::size_t lf = bytes.find('\n');
        if (fault == Fault::kShortened) std::filesystem::resize_file(path, bytes.size() / 2, ignored);
        if (fault == Fault::kRemoved) std::filesystem::remove(path, ignored);
        if (fault == Fault::kReplaced) WriteFile(path, reversed);
        if (fault == Fault::kLinesInserted)
            WriteFile(path, std::string(bytes.substr(bytes.size() / 2)) + std::string(bytes));
        if (fault == Fault::kFirstLineRemoved)
            WriteFile(path, lf == std::string_view::npos ? "" : bytes.substr(lf + 1));
        if (fault == Fault::kRenamedOver) {
            WriteFile(path.string() + ".new", reversed);
            std::filesystem::rename(path.string() + ".new", path, ignored);
        }
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

using Rows = std::array<ResultRow, 3>;

// Searches the entry as it is, then folded into capitals so that the deeper search is reached from
// any input; what the second search shows is handed back.
Rows SearchEntry(CWordLists& lists, const std::string& entry) {
    CWordSearch search(lists);
    std::array<char, 9> letters{};
    std::copy_n(entry.begin(), std::min(entry.size(), letters.size()), letters.begin());
    const auto check = [](const SearchResult& result) {
        for (int row = 0; row < 3; ++row) {
            Require(result.rows[row].label.empty() == result.rows[row].words.empty());
            Require(row == 0 || result.rows[row].words.empty() || !result.rows[row - 1].words.empty());
        }
    };
    const SearchResult first = search.SearchWords(letters);
    check(first);
    Require(std::is_sorted(first.letters.begin(), first.letters.end()) ||
            !std::all_of(letters.begin(), letters.end(), IsKeyLetter));

    for (char& c : letters) c = static_cast<char>('A' + static_cast<unsigned char>(c) % kKeyLetterCount);
    const SearchResult second = search.SearchWords(letters);
    check(second);
    return second.rows;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The game tells of missing lists on its standard error; at thousands of runs a second that drowns the log.
    std::cerr.rdbuf(nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string_view> parts =
        fuzzing::SplitParts({reinterpret_cast<const char*>(data), size}, 1 + kListCount);
    std::string_view script = parts[0];
    const std::vector<std::string_view> lists(parts.begin() + 1, parts.end());  // 9 letters first; missing ones last
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) {
        const std::size_t i = kMaxWordLength - n;
        i < lists.size() ? WriteFile(ListPath(n), lists[i]) : void(std::filesystem::remove(ListPath(n)));
    }

    const Fault fault =
        script.empty() ? Fault::kNone : Fault(static_cast<unsigned char>(script[0]) % int(Fault::kCount));
    if (!script.empty()) script.remove_prefix(1);
    std::vector<std::string> entries;
    for (std::size_t at = 0; at < script.size() && entries.size() < kMaxEntries; at += 9)
        entries.emplace_back(script.substr(at, 9));
    if (entries.empty()) entries.emplace_back();

    testing::CRecordingWindow window;
    CGame game(window, Folder().string(), 7u);
    game.Start();
    game.LoadLists();
    // Indexed as the game's lists are, at the same moment; the game keeps its own to itself.
    CWordLists indexed(Folder().string());
    indexed.LoadWordLists();
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) {
        const std::size_t i = kMaxWordLength - n;
        Require(game.WordLists().KeyCount(n) == indexed.KeyCount(n));
        CheckIndex(indexed, n, i < lists.size() ? lists[i] : "");
    }

    {
        // Before any edit: a list cut short under its mapping would end the run with SIGBUS.
        CWordLists mapped(Folder().string(), ListHolding::kMapped);
        mapped.LoadWordLists();
        bool allSorted = true;
        for (int n = kMinWordLength; n <= kMaxWordLength; ++n) {
            if (IsSorted(indexed, n))
                CheckMappedAgrees(indexed, mapped, n);
            else
                allSorted = false;
        }
        if (allSorted)
            for (const std::string& entry : entries) Require(SearchEntry(mapped, entry) == SearchEntry(indexed, entry));
    }

    const bool mustShow = ApplyFault(fault, lists);
    CWordLists fresh(Folder().string());
    fresh.LoadWordLists();
    for (const std::string& entry : entries) {
        const Rows rows = SearchEntry(indexed, entry);
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
