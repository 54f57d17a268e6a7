// libFuzzer target: word lists and letters from arbitrary bytes, split on 0x1E: a byte nothing reads (the seeds keep
// it), the letters (nine bytes an entry), the lists of 9 down to 4 letters (a missing piece a missing list). The index
// and its fetched lines must match a plain reading of the bytes, sorted lists search mapped as indexed, and no row
// shows a count without words; the game runs over whatever the lists hold.
#include <cstring>

#include "fuzz/fuzz_support.h"
#include "game/game.h"
#include "tests/support/recording_window.h"
#include "words/list_format.h"
#include "words/word_lists.h"
#include "words/word_search.h"

namespace {

using namespace escartinol;
using namespace escartinol::fuzzing;

// Against the lines as a plain reader sees them: raw start offsets and texts without the CR of a CR LF.
void CheckIndex(CWordLists& lists, int n, std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find(kEndOfFileMark));
    const std::string starts = "\n" + std::string(bytes);
    const auto length = static_cast<std::size_t>(n);
    std::string line;
    std::int32_t i = 0;
    for (std::size_t start = 0; start < bytes.size(); start = std::min(bytes.find('\n', start), bytes.size()) + 1) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        std::string text(bytes.substr(start, end - start));
        if (end < bytes.size() && text.ends_with('\r')) text.pop_back();
        Require(i < lists.KeyCount(n) && lists.LineOffset(n, i) == static_cast<std::int64_t>(start));
        const std::string key = (text.substr(0, length) + std::string(length, '\0')).substr(0, length + 1);
        Require(std::memcmp(lists.KeyEntry(n, i), key.data(), key.size()) == 0);
        // A key line is fetched as it stands; another gives nothing, or a line of its key as a C string.
        const bool keyLine = text.size() > length && text[length] == '/';
        Require(!lists.FetchListLine(n, i++, line) ? !keyLine && line.empty()
                : keyLine                          ? line == text.substr(0, kMaxLineChars)
                                                   : line.size() > length && line[length] == '/' &&
                                std::strncmp(line.data(), key.data(), length) == 0 &&
                                starts.find('\n' + line) != std::string::npos);
    }
    Require(i == lists.KeyCount(n) && !lists.FetchListLine(n, i, line) && line.empty() &&
            !lists.FetchListLine(n, -1, line));
}

// Mapped, a sorted list (no entry ranks below the one before) must find and fetch for each key what its
// index does; false when the list is not sorted.
bool MappedAgrees(CWordLists& indexed, CWordLists& mapped, int n) {
    for (std::int32_t i = 1; i < indexed.KeyCount(n); ++i)
        if (std::memcmp(indexed.KeyEntry(n, i - 1), indexed.KeyEntry(n, i), static_cast<std::size_t>(n) + 1) > 0)
            return false;
    std::string fromIndex, fromMapped;
    for (std::int32_t i = 0; i < indexed.KeyCount(n); ++i) {
        const std::int32_t atIndex = indexed.FindListKey(n, indexed.KeyEntry(n, i));
        const std::int32_t atMapped = mapped.FindListKey(n, indexed.KeyEntry(n, i));
        Require((atIndex >= 0) == (atMapped >= 0) &&
                indexed.FetchListLine(n, atIndex, fromIndex) == mapped.FetchListLine(n, atMapped, fromMapped) &&
                fromIndex == fromMapped);
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fs::path dir = ScratchFolder();
    std::vector<std::string_view> lists = SplitParts(data, size, 1 + kListCount);
    const std::string_view script = lists[0].substr(std::min<std::size_t>(1, lists[0].size()));
    lists.erase(lists.begin());  // 9 letters first; missing ones last
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n)
        kMaxWordLength - n < int(lists.size()) ? WriteFile(dir / ListFileName(n), lists[kMaxWordLength - n])
                                               : void(fs::remove(dir / ListFileName(n)));
    lists.resize(kListCount);  // a missing list is indexed as an empty one
    CWordLists indexed(dir.string()), mapped(dir.string(), ListHolding::kMapped);
    indexed.LoadWordLists();
    mapped.LoadWordLists();
    bool sorted = true;
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) {
        CheckIndex(indexed, n, lists[kMaxWordLength - n]);
        sorted = MappedAgrees(indexed, mapped, n) && sorted;
    }
    testing::CRecordingWindow window;
    CGame game(window, dir.string(), 7u);
    game.Start();
    game.LoadLists();
    for (std::size_t at = 0; at == 0 || (at < script.size() && at < 72); at += 9) {
        // Folded into capitals, so that the deeper search is reached from any input.
        std::array<char, 9> letters{};
        for (std::size_t i = 0; i < std::min<std::size_t>(9, script.size() - at); ++i)
            letters[i] = static_cast<char>('A' + static_cast<unsigned char>(script[at + i]) % kKeyLetterCount);
        const auto rows = CWordSearch(indexed).SearchWords(letters).rows;
        if (sorted) Require(CWordSearch(mapped).SearchWords(letters).rows == rows);
        for (const ResultRow& row : rows) Require(row.label.empty() == row.words.empty());  // no count over no words
        game.ApplyLetterEntry(std::string(letters.begin(), letters.end()));
        game.ShowSolutions();
    }
    return 0;
}
