// libFuzzer target: arbitrary bytes as a word list, through the checker and the word editor.
//
// Input layout, split on the first two bytes 0x1E:
//   part 0  the length n of the list (first byte), and what else of the input plays (below)
//   part 1  a word; it is also folded into n lower-case letters, so that edits run on every input
//   part 2  the list, to the end of the input
// Beyond the sanitizers: the checker must see the same breaks in the bytes and from a file; on a
// sound list, an add keeps it sound and a remove after it gives back every byte.
// The list is also read as the player's record: no content fails, every line not read as a word
// is written back as it was, and what is written reads back to the same words.
// When the first byte's top bit is set, the list also replaces two lists of a folder, one of them
// a link into another folder, by an editor killed at a point the first byte picks: the next
// editor must find both lists new or both old, the link in place and nothing else left.
// When its bit 0x40 is set, the list is a journal left in a folder (after the journal's header,
// unless bits 0x30 are both set), beside a new file for each line's name and suffix: taking the
// lock changes nothing outside the folder, no list when it fails, and otherwise leaves each list
// as it was, removed by a line or one of its new files, with no new file and the backups kept.
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "lists/folder_lock.h"
#include "lists/list_checker.h"
#include "lists/list_editor.h"
#include "lists/list_files.h"
#include "lists/list_replace.h"
#include "lists/word_record.h"
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

// A record's lines after its byte order mark; as it is read, each less a carriage return at its end.
std::vector<std::string_view> RecordLines(std::string_view bytes, bool read) {
    std::vector<std::string_view> lines;
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    while (!bytes.empty()) {
        std::string_view line = bytes.substr(0, bytes.find('\n'));
        bytes.remove_prefix(std::min(bytes.size(), line.size() + 1));
        if (read && line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
    }
    return lines;
}

void RecordKept(const std::filesystem::path& dir, std::string_view bytes) {
    CWordRecord record;
    Require(record.Read(dir.string()).empty());
    const std::string text = record.Text();
    const std::vector<std::string_view> written = RecordLines(text, false);
    const std::vector<std::string_view> read = RecordLines(bytes, true);
    auto at = written.begin();
    for (std::size_t i = 0; i < read.size(); ++i) {
        const bool understood =
            read[i].starts_with('+') || read[i].starts_with('-') || read[i].starts_with("# installed: ");
        const auto& unread = record.Unread();
        if (understood && std::find(unread.begin(), unread.end(), i + 1) == unread.end()) continue;
        at = std::find(at, written.end(), read[i]);
        Require(at != written.end());
        ++at;
    }
    fuzzing::WriteFile(dir / kWordRecordName, text);
    CWordRecord again;
    Require(again.Read(dir.string()).empty() && again.Words() == record.Words());
}

// Every entry of dir but its lock: 'f' and a file's bytes, 'l' and a link's target, or 'o'.
std::map<std::string, std::string> Entries(const std::filesystem::path& dir) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        if (name == kLockName) continue;
        entries[name] = entry.is_symlink()        ? "l" + std::filesystem::read_symlink(entry).string()
                        : entry.is_regular_file() ? "f" + fuzzing::ReadFile(entry)
                                                  : "o";
    }
    return entries;
}

void PlantedJournal(const std::filesystem::path& root, std::string_view lines, bool header) {
    namespace fs = std::filesystem;
    const fs::path lists = root / "lists";
    const fs::path shared = root / "shared";
    for (const fs::path& dir : {lists, shared}) {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    fuzzing::WriteFile(root / "sentinel", "beside");
    fuzzing::WriteFile(shared / "sentinel", "sibling");
    fuzzing::WriteFile(shared / "four.txt", "four");
    fs::create_symlink(shared / "four.txt", lists / ListFileName(4));
    fs::create_directory_symlink(shared, lists / ListFileName(6));
    const std::string record(kWordRecordName);
    for (const std::string& name : {ListFileName(5), record, ListFileName(5) + ".backup", record + ".abcdef"})
        fuzzing::WriteFile(lists / name, "old " + name);
    const std::string journal = (header ? "escartinol-lists journal 2\n" : "") + std::string(lines);
    fuzzing::WriteFile(lists / kJournalName, journal);
    std::set<std::pair<std::string, std::string>> planted;  // a list's name and a new file, as Entries shows it
    std::set<std::string> spare = {std::string(kJournalName)}, removed;
    for (std::string_view rest = journal; !rest.empty();) {
        const std::string_view line = rest.substr(0, rest.find('\n'));
        rest.remove_prefix(std::min(rest.size(), line.size() + 1));
        const std::string name(line.substr(0, line.find(' ')));
        const std::string suffix(line.substr(std::min(line.size(), name.size() + 1)));
        if (suffix == "-") removed.insert(name);
        const std::string file = name + ".escartinol-new-" + suffix;
        // Nothing through a link, nor cut short at a NUL onto another file.
        if (suffix.size() != 6 || file.find_first_of(std::string_view("/\0", 2)) != std::string::npos) continue;
        fuzzing::WriteFile(lists / file, "new " + file);
        planted.emplace(name, "fnew " + file);
        spare.insert(file);
    }

    const auto rootBefore = Entries(root), sharedBefore = Entries(shared), before = Entries(lists);
    const CFolderLock lock(lists.string(), {});
    const bool done = lock.Error().empty();
    Require(Entries(root) == rootBefore && Entries(shared) == sharedBefore);
    const auto after = Entries(lists);
    const auto isNew = [&](const std::string& name, const std::string& entry) {
        return done && planted.contains({name, entry});
    };
    for (const auto& [name, was] : before) {
        const auto now = after.find(name);
        if (done && IsEditedName(name))
            Require(now == after.end() ? removed.contains(name) : now->second == was || isNew(name, now->second));
        else if (done && spare.contains(name))
            Require(now == after.end());
        else if (!spare.contains(name))
            Require(now != after.end() && now->second == was);
    }
    for (const auto& [name, now] : after) Require(before.contains(name) || isNew(name, now));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzzing::CScratchFolder folder("escartinol-fuzz-list-tools");
    std::vector<std::string_view> parts = fuzzing::SplitParts({reinterpret_cast<const char*>(data), size}, 3);
    parts.resize(3);
    const int n =
        parts[0].empty() ? kMinWordLength : kMinWordLength + static_cast<unsigned char>(parts[0][0]) % kListCount;
    const std::string_view list = parts[2];

    const Checked whole = Collect([&](const ListBreakSink& sink) { return CheckListBytes(n, list, sink); });
    Require(whole.first.breaks == static_cast<std::int64_t>(whole.second.size()) && whole.first.readable);
    Require(whole == Collect([&](const ListBreakSink& sink) {
                // A long run can outlive its folder, swept from the shared temporary space by someone else.
                std::filesystem::create_directories(folder.Path());
                fuzzing::WriteFile(folder.Path() / kWordRecordName, list);
                return CheckListFile(n, (folder.Path() / kWordRecordName).string(), sink);
            }));
    RecordKept(folder.Path(), list);

    const std::string raw(parts[1]);
    if (ListWordProblem(raw).empty()) Edit(list, raw);
    const std::string folded = FoldedWord(raw, n);
    Require(ListWordProblem(folded).empty());
    Edit(list, folded);
    if (!parts[0].empty() && (static_cast<unsigned char>(parts[0][0]) & 0x80) != 0)
        ReplaceKilled(folder.Path(), list, static_cast<unsigned char>(parts[0][0]));
    if (!parts[0].empty() && (static_cast<unsigned char>(parts[0][0]) & 0x40) != 0)
        PlantedJournal(folder.Path(), list, (static_cast<unsigned char>(parts[0][0]) & 0x30) != 0x30);
    return 0;
}
