// libFuzzer target: arbitrary bytes as a word list, through the checker and the word editor.
//
// Input layout, split on the first two bytes 0x1E:
//   part 0  the length n of the list (first byte), then the sizes of the pieces the streaming
//           checker is fed, one byte each, used in turn; none means one byte at a time
//   part 1  a word; it is also folded into n lower-case letters, so that edits run on every input
//   part 2  the list, to the end of the input
// Beyond the sanitizers: the checker must see the same breaks however the bytes are cut, and from
// a file; on a sound list, an add keeps it sound and a remove after it gives back every byte.
// When the first byte's top bit is set, the list also replaces two lists of a folder, one of them
// a link into another folder, by an editor killed at a point the first byte picks: the next
// editor must find both lists new or both old, the link in place and nothing else left.
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "lists/folder_lock.h"
#include "lists/list_checker.h"
#include "lists/list_editor.h"
#include "lists/list_replace.h"
#include "words/file_descriptor.h"
#include "words/list_format.h"
#include "words/word_lists.h"

namespace {

using namespace escartinol;
using fuzzing::Require;

using Checked = std::pair<ListTally, std::vector<ListBreak>>;

// What one way of checking tallies and reports, given the sink it is to report to.
template <typename Check>
Checked Collect(Check check) {
    Checked checked;
    checked.first = check([&](const ListBreak& brk) { checked.second.push_back(brk); });
    return checked;
}

// Sizes of zero feed empty pieces; all of them zero would never get through the bytes.
ListTally CheckInPieces(CListChecker& checker, std::string_view bytes, std::string_view sizes) {
    const bool anyNonZero = sizes.find_first_not_of('\0') != std::string_view::npos;
    for (std::size_t at = 0, i = 0; at < bytes.size(); ++i) {
        const std::size_t size = anyNonZero ? static_cast<unsigned char>(sizes[i % sizes.size()]) : 1;
        checker.Feed(bytes.substr(at, size));
        at += size;
    }
    return checker.Finish();
}

// n letters from the raw word: letters stay, other bytes fold onto one; an empty word gives "aaaa...".
std::string FoldedWord(std::string_view raw, int n) {
    static const std::string letters = [] {
        std::string all;
        for (int c = 0; c < 256; ++c)
            if (KeyLetterOf(static_cast<unsigned char>(c)) != 0) all += static_cast<char>(c);
        return all;
    }();
    std::string word;
    for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i) {
        const auto c = static_cast<unsigned char>(raw.empty() ? 'a' : raw[i % raw.size()]);
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

std::size_t EntryCount(const std::filesystem::path& dir) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir), {}));
}

void ReplaceKilled(const std::filesystem::path& root, std::string_view list, unsigned char point) {
    namespace fs = std::filesystem;
    const fs::path lists = root / "lists";
    const fs::path shared = root / "shared";
    fs::remove_all(lists);
    fs::remove_all(shared);
    fs::create_directories(lists);
    fs::create_directories(shared);
    const fs::path four = lists / ListFileName(4);
    const fs::path five = lists / ListFileName(5);
    fuzzing::WriteFile(shared / "four.txt", "old");
    fuzzing::WriteFile(five, "old");
    fs::create_symlink(shared / "four.txt", four);
    const std::vector<FileChange> edit = {{ListFileName(4), std::string(list)}, {ListFileName(5), std::string(list)}};
    static const char* const kPoints[] = {"written", "0", "1", "2"};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setenv("ESCARTINOL_TEST_STOP_EDIT", kPoints[point % 4], 1);
        const CFolderLock lock(lists.string(), {});
        ::_exit(lock.Error().empty() && ReplaceFiles(lists.string(), edit).empty() ? 0 : 1);
    }
    // libFuzzer's own timer signals may interrupt the waits.
    int status = 0;
    Require(RetryAfterSignal([&] { return ::waitpid(pid, &status, WUNTRACED); }) == pid && WIFSTOPPED(status));
    ::kill(pid, SIGKILL);
    RetryAfterSignal([&] { return ::waitpid(pid, &status, 0); });
    {
        const CFolderLock next(lists.string(), {});
        Require(next.Error().empty());
    }
    Require(fs::is_symlink(four));
    const std::string shown = fuzzing::ReadFile(shared / "four.txt");
    Require(shown == fuzzing::ReadFile(five) && (shown == "old" || shown == list));
    // The lists and the lock of each folder, nothing else.
    Require(EntryCount(lists) == 3 && EntryCount(shared) == 2);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzzing::CScratchFolder folder("escartinol-fuzz-list-tools");
    std::vector<std::string_view> parts = fuzzing::SplitParts({reinterpret_cast<const char*>(data), size}, 3);
    parts.resize(3);
    std::string_view control = parts[0];
    const int n =
        control.empty() ? kMinWordLength : kMinWordLength + static_cast<unsigned char>(control[0]) % kListCount;
    if (!control.empty()) control.remove_prefix(1);
    const std::string_view list = parts[2];

    const Checked whole = Collect([&](const ListBreakSink& sink) { return CheckListBytes(n, list, sink); });
    Require(whole.first.breaks == static_cast<std::int64_t>(whole.second.size()) && whole.first.readable);
    Require(whole == Collect([&](const ListBreakSink& sink) {
                CListChecker checker(n, sink);
                return CheckInPieces(checker, list, control);
            }));
    Require(whole == Collect([&](const ListBreakSink& sink) {
                // A long run can outlive its folder, swept from the shared temporary space by someone else.
                std::filesystem::create_directories(folder.Path());
                fuzzing::WriteFile(folder.Path() / "list.txt", list);
                return CheckListFile(n, (folder.Path() / "list.txt").string(), sink);
            }));

    const std::string raw(parts[1]);
    if (ListWordProblem(raw).empty()) Edit(list, raw);
    const std::string folded = FoldedWord(raw, n);
    Require(ListWordProblem(folded).empty());
    Edit(list, folded);
    if (!parts[0].empty() && (static_cast<unsigned char>(parts[0][0]) & 0x80) != 0)
        ReplaceKilled(folder.Path(), list, static_cast<unsigned char>(parts[0][0]));
    return 0;
}
