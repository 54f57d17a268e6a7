// libFuzzer target: arbitrary bytes as a word list, through the checker and the word editor.
//
// Input layout, split on the first two bytes 0x1E:
//   part 0  the length n of the list (first byte), then the sizes of the pieces the streaming
//           checker is fed, one byte each, used in turn; none means one byte at a time
//   part 1  a word; it is also folded into n lower-case letters, so that edits run on every input
//   part 2  the list, to the end of the input
// Beyond the sanitizers: the checker must see the same breaks however the bytes are cut, and from
// a file; on a sound list, an add keeps it sound and a remove after it gives back every byte.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "words/list_checker.h"
#include "words/list_editor.h"
#include "words/list_format.h"
#include "words/word_lists.h"

namespace {

using namespace escartinol;

using fuzzing::kPartMark;
using fuzzing::Require;

const std::filesystem::path& ListFile() {
    static const fuzzing::CScratchFolder folder("escartinol-fuzz-list-tools");
    static const std::filesystem::path file = folder.Path() / "list.txt";
    return file;
}

struct Checked {
    ListTally tally;
    std::vector<ListBreak> breaks;
};

bool Same(const Checked& a, const Checked& b) {
    const auto tally = [](const ListTally& t) { return std::tie(t.lines, t.words, t.breaks, t.readable); };
    const auto brk = [](const ListBreak& k) { return std::tie(k.kind, k.line, k.what, k.text, k.textCut); };
    if (tally(a.tally) != tally(b.tally) || a.breaks.size() != b.breaks.size()) return false;
    for (std::size_t i = 0; i < a.breaks.size(); ++i)
        if (brk(a.breaks[i]) != brk(b.breaks[i])) return false;
    return true;
}

Checked CheckWhole(int n, std::string_view bytes) {
    Checked checked;
    checked.tally = CheckListBytes(n, bytes, [&](const ListBreak& brk) { checked.breaks.push_back(brk); });
    return checked;
}

Checked CheckInPieces(int n, std::string_view bytes, std::string_view sizes) {
    Checked checked;
    CListChecker checker(n, [&](const ListBreak& brk) { checked.breaks.push_back(brk); });
    // Sizes of zero feed empty pieces; all of them zero would never get through the bytes.
    const bool anyNonZero = sizes.find_first_not_of('\0') != std::string_view::npos;
    for (std::size_t at = 0, i = 0; at < bytes.size(); ++i) {
        const std::size_t size = anyNonZero ? static_cast<unsigned char>(sizes[i % sizes.size()]) : 1;
        checker.Feed(bytes.substr(at, size));
        at += size;
    }
    checked.tally = checker.Finish();
    return checked;
}

Checked CheckFromFile(int n, std::string_view bytes) {
    {
        std::ofstream out(ListFile(), std::ios::binary | std::ios::trunc);
        if (!out) {
            // A long run can outlive its folder, swept from the shared temporary space by someone else.
            std::filesystem::create_directories(ListFile().parent_path());
            out.open(ListFile(), std::ios::binary | std::ios::trunc);
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        Require(out.good());
    }
    Checked checked;
    checked.tally = CheckListFile(n, ListFile().string(), [&](const ListBreak& brk) { checked.breaks.push_back(brk); });
    return checked;
}

// The bytes a list word may hold; any input byte maps onto one of them.
std::string WordLetters() {
    std::string letters;
    for (int c = 0; c < 256; ++c)
        if (KeyLetterOf(static_cast<unsigned char>(c)) != 0) letters += static_cast<char>(c);
    return letters;
}

// n letters from the raw word: letters stay, other bytes fold onto one; an empty word gives "aaaa...".
std::string FoldedWord(std::string_view raw, int n) {
    static const std::string letters = WordLetters();
    std::string word;
    for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i) {
        const auto c = raw.empty() ? static_cast<unsigned char>('a') : static_cast<unsigned char>(raw[i % raw.size()]);
        word += KeyLetterOf(c) != 0 ? static_cast<char>(c) : letters[c % letters.size()];
    }
    return word;
}

ListTally SoundTally(const std::string& word, std::string_view bytes) {
    const ListTally tally = CheckListBytes(static_cast<int>(word.size()), bytes, {});
    Require(tally.breaks == 0);
    return tally;
}

void Edit(std::string_view list, const std::string& word) {
    std::string added(list);
    const WordEdit addResult = AddWordToList(added, word);
    std::string undone = added;
    const WordEdit undoResult = addResult == WordEdit::kDone ? RemoveWordFromList(undone, word) : WordEdit::kNotThere;
    std::string removed(list);
    const WordEdit removeResult = RemoveWordFromList(removed, word);
    const ListTally before = CheckListBytes(static_cast<int>(word.size()), list, {});
    if (before.breaks > 0) return;  // the tools refuse such a list: the edits above need only not crash

    if (addResult == WordEdit::kDone) {
        const ListTally after = SoundTally(word, added);
        Require(after.words == before.words + 1);
        Require(after.lines == before.lines || after.lines == before.lines + 1);
        Require(undoResult == WordEdit::kDone && undone == list);
        std::string twice = added;
        Require(AddWordToList(twice, word) == WordEdit::kAlreadyThere && twice == added);
    } else {
        Require(addResult != WordEdit::kNotThere && added == list);
        // A word already there is one that remove finds.
        Require((addResult == WordEdit::kAlreadyThere) == (removeResult == WordEdit::kDone));
    }
    if (removeResult == WordEdit::kDone) {
        const ListTally after = SoundTally(word, removed);
        Require(after.words == before.words - 1);
        Require(after.lines == before.lines || after.lines == before.lines - 1);
    } else {
        Require(removeResult == WordEdit::kNotThere && removed == list);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string_view parts[3];
    for (int i = 0; i < 2; ++i) {
        const std::size_t mark = input.find(kPartMark);
        parts[i] = input.substr(0, mark);
        input = mark == std::string_view::npos ? std::string_view() : input.substr(mark + 1);
    }
    parts[2] = input;
    std::string_view control = parts[0];
    const int n =
        control.empty() ? kMinWordLength : kMinWordLength + static_cast<unsigned char>(control[0]) % kListCount;
    if (!control.empty()) control.remove_prefix(1);
    const std::string_view list = parts[2];

    const Checked whole = CheckWhole(n, list);
    Require(whole.tally.breaks == static_cast<std::int64_t>(whole.breaks.size()) && whole.tally.readable);
    Require(Same(whole, CheckInPieces(n, list, control)));
    Require(Same(whole, CheckFromFile(n, list)));

    const std::string raw(parts[1]);
    if (ListWordProblem(raw).empty()) Edit(list, raw);
    const std::string folded = FoldedWord(raw, n);
    Require(ListWordProblem(folded).empty());
    Edit(list, folded);
    return 0;
}
