// libFuzzer target: arbitrary bytes as word lists and typed letters, through the index, the search and the game.
//
// Input layout, split on the byte 0x1E:
//   part 0     a fault byte (what happens to the lists once indexed), then the letters: every nine
//              bytes are one entry, a shorter tail is an entry of fewer than nine characters
//   pieces 1..6 the lists of 9 down to 4 letters; a list without a piece is missing
// Beyond the sanitizers, the index and every fetched line are checked against a plain reading of
// the same bytes, and the rows must fill from the top.
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "game/game_dlg.h"
#include "tools/headless_window.h"
#include "words/word_lists.h"
#include "words/word_search.h"

namespace {

using namespace escartinol;

using fuzzing::kPartMark;
using fuzzing::Require;
constexpr std::size_t kMaxEntries = 8;

enum class Fault { kNone, kShortened, kRemoved, kReplaced };


const std::filesystem::path& Folder() {
    static const fuzzing::CScratchFolder folder("escartinol-fuzz-word-lists");
    return folder.Path();
}

std::filesystem::path ListPath(int n) { return Folder() / ListFileName(n); }

void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The lines as a plain reader sees them: raw start offsets and texts without the CR of a CR LF.
struct PlainLine {
    std::int64_t start;
    std::string text;
};

std::vector<PlainLine> ReadPlainly(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\x1A'));
    std::vector<PlainLine> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t lf = bytes.find('\n', start);
        const std::size_t end = lf == std::string_view::npos ? bytes.size() : lf;
        std::string text(bytes.substr(start, end - start));
        if (lf != std::string_view::npos && !text.empty() && text.back() == '\r') text.pop_back();
        lines.push_back({static_cast<std::int64_t>(start), std::move(text)});
        if (lf == std::string_view::npos) break;
        start = lf + 1;
    }
    return lines;
}

void CheckIndex(const CWordLists& lists, int n, std::string_view bytes) {
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
        Require(lists.FetchListLine(n, i, line));
        Require(line == expected.text.substr(0, kMaxLineChars));
    }
    if (count > 0) {
        const PlainLine& last = plain.back();
        Require(lists.LineOffset(n, count) == last.start + static_cast<std::int64_t>(last.text.size()) + 2);
    }
    Require(!lists.FetchListLine(n, count, line) && line.empty());
    Require(!lists.FetchListLine(n, -1, line));
}

void ApplyFault(Fault fault, const std::array<std::string_view, kListCount>& parts) {
    std::error_code ignored;  // a list that was missing stays missing
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) {
        const std::string_view bytes = parts[kMaxWordLength - n];
        switch (fault) {
            case Fault::kNone:
                break;
            case Fault::kShortened:
                std::filesystem::resize_file(ListPath(n), bytes.size() / 2, ignored);
                break;
            case Fault::kRemoved:
                std::filesystem::remove(ListPath(n), ignored);
                break;
            case Fault::kReplaced:
                WriteFile(ListPath(n), std::string(bytes.rbegin(), bytes.rend()));
                break;
        }
    }
}

struct RowsSeen : IResultRows {
    std::array<std::string, 3> text;
    void SetRowText(int row, const std::string& value) override {
        Require(row >= 0 && row < 3);
        text[row] = value;
    }
};

void CheckRowsFillFromTheTop(const std::array<std::string, 3>& rowWords) {
    for (int row = 1; row < 3; ++row) Require(rowWords[row].empty() || !rowWords[row - 1].empty());
}

void SearchEntry(const CWordLists& lists, const std::string& entry) {
    RowsSeen rows;
    CWordSearch search(lists, rows);
    std::array<char, 9> letters{};
    std::copy_n(entry.begin(), std::min(entry.size(), letters.size()), letters.begin());
    std::array<std::string, 3> rowWords;
    search.SearchWords(letters, rowWords);
    CheckRowsFillFromTheTop(rowWords);
    Require(std::is_sorted(letters.begin(), letters.end()) ||
            !std::all_of(letters.begin(), letters.end(), [](char c) { return c >= 'A' && c <= 'Z'; }));

    // The same bytes folded into capitals, so that the deeper search is reached from any input.
    for (char& c : letters) c = static_cast<char>('A' + static_cast<unsigned char>(c) % 26);
    rowWords = {};
    rows.text = {};
    search.SearchWords(letters, rowWords);
    CheckRowsFillFromTheTop(rowWords);
    for (int row = 0; row < 3; ++row) Require(rows.text[row].empty() == rowWords[row].empty());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The game tells of missing lists on its standard error; at thousands of runs a second that drowns the log.
    std::cerr.rdbuf(nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t mark = input.find(kPartMark, start);
        parts.push_back(input.substr(start, mark == std::string_view::npos ? std::string_view::npos : mark - start));
        if (mark == std::string_view::npos || parts.size() == 1 + kListCount) break;
        start = mark + 1;
    }
    std::array<std::string_view, kListCount> lists{};  // 9 letters first
    for (std::size_t i = 1; i < parts.size(); ++i) lists[i - 1] = parts[i];
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) {
        const std::size_t part = static_cast<std::size_t>(kMaxWordLength - n) + 1;
        if (part < parts.size())
            WriteFile(ListPath(n), lists[part - 1]);
        else
            std::filesystem::remove(ListPath(n));
    }

    std::string_view script = parts[0];
    const Fault fault = script.empty() ? Fault::kNone : static_cast<Fault>(static_cast<unsigned char>(script[0]) % 4);
    if (!script.empty()) script.remove_prefix(1);
    std::vector<std::string> entries;
    for (std::size_t at = 0; at < script.size() && entries.size() < kMaxEntries; at += 9)
        entries.emplace_back(script.substr(at, 9));
    if (entries.empty()) entries.emplace_back();

    CHeadlessWindow window;
    CGameDlg game(window, Folder().string(), 7u);
    game.OnInitDialog();
    game.OnTimer(kLoadTimerId);
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) {
        const std::size_t part = static_cast<std::size_t>(kMaxWordLength - n) + 1;
        if (part < parts.size())
            CheckIndex(game.m_wordLists, n, lists[part - 1]);
        else
            Require(game.m_wordLists.KeyCount(n) == 0);
    }

    ApplyFault(fault, lists);
    for (const std::string& entry : entries) {
        SearchEntry(game.m_wordLists, entry);
        // The entry box lets anything through; the game must keep its letters playable.
        game.ClearRows();
        game.ApplyLetterEntry(true, entry);
        CheckRowsFillFromTheTop(game.m_rowWords);
        Require(std::all_of(game.m_letters.begin(), game.m_letters.end(), [](char c) { return c >= 'A' && c <= 'Z'; }));
        game.ShowSolutions();
    }
    game.DrawRandomLetters();
    game.OnDestroy();
    return 0;
}
