// libFuzzer target: arbitrary bytes as a word list, through the checker, the word editor, the record and
// the editors' lock. Input, split on the first two bytes 0x1E: a byte n (the list's length, and the bits
// below), a word (also folded into n letters, so that edits run on every input), then the list.
// The checker must see the same breaks in the bytes and from a file; on a sound list an add keeps it
// sound and a remove after it gives back every byte. Read as the player's record, no content fails, every
// line not read as a word is written back as it was, and what is written reads back to the same words.
// Bit 0x80: the list replaces two lists, one a link into another folder, by an editor killed at a point n
// picks; the next editor must find both new or both old, the link in place and nothing else left.
// Bit 0x40: the list is a journal left in a folder (after its header, unless bits 0x30 are both set),
// beside a new file for each line's name and suffix: taking the lock changes nothing outside the folder,
// no list when it fails, and otherwise leaves each list as it was, removed by a line or one of its new
// files, with no new file and the backups kept.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <set>

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
using namespace escartinol::fuzzing;

// What one way of checking tallies and reports.
std::pair<ListTally, std::vector<ListBreak>> Collect(const std::function<ListTally(const ListBreakSink&)>& check) {
    std::pair<ListTally, std::vector<ListBreak>> checked;
    checked.first = check([&](const ListBreak& brk) { checked.second.push_back(brk); });
    return checked;
}

// n letters from the raw word: letters stay, other bytes fold onto one; an empty word gives "aaaa...".
std::string FoldedWord(std::string_view raw, int n) {
    std::string letters, word;
    for (int c = 0; c < 256; ++c)
        if (KeyLetterOf(static_cast<unsigned char>(c)) != 0) letters += static_cast<char>(c);
    for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i) {
        const auto c = static_cast<unsigned char>(raw.empty() ? 'a' : raw[i % raw.size()]);
        word += KeyLetterOf(c) != 0 ? static_cast<char>(c) : letters[c % letters.size()];
    }
    return word;
}

void Edit(std::string_view list, const std::string& word) {
    const auto tally = [&](std::string_view bytes) { return CheckListBytes(int(word.size()), bytes, {}); };
    std::string added(list), removed(list);
    const WordEdit addResult = AddWordToList(added, word);
    std::string undone = added;
    const WordEdit undoResult = addResult == WordEdit::kDone ? RemoveWordFromList(undone, word) : WordEdit::kNotThere;
    const WordEdit removeResult = RemoveWordFromList(removed, word);
    const ListTally before = tally(list);
    if (before.breaks > 0) return;  // the tools refuse such a list: the edits above need only not crash
    if (addResult == WordEdit::kDone) {
        const ListTally after = tally(added);
        Require(after.breaks == 0 && after.words == before.words + 1);
        Require(after.lines == before.lines || after.lines == before.lines + 1);
        Require(undoResult == WordEdit::kDone && undone == list);
        std::string twice = added;
        Require(AddWordToList(twice, word) == WordEdit::kAlreadyThere && twice == added);
    } else {
        // A word already there is one that remove finds.
        Require(addResult != WordEdit::kNotThere && added == list);
        Require((addResult == WordEdit::kAlreadyThere) == (removeResult == WordEdit::kDone));
    }
    const ListTally after = tally(removed);
    if (removeResult == WordEdit::kDone)
        Require(after.breaks == 0 && after.words == before.words - 1 &&
                (after.lines == before.lines || after.lines == before.lines - 1));
    else
        Require(removeResult == WordEdit::kNotThere && removed == list);
}

// Every entry of dir but its lock: 'f' and a file's bytes, 'l' and a link's target, or 'o'.
std::map<std::string, std::string> Entries(const fs::path& dir) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.path().filename() != kLockName)
            entries[entry.path().filename()] = entry.is_symlink()        ? "l" + fs::read_symlink(entry).string()
                                               : entry.is_regular_file() ? "f" + ReadFile(entry)
                                                                         : "o";
    return entries;
}

// Fresh folders lists and shared under root; in lists, DEF_4L.txt a link to shared/four.txt.
std::pair<fs::path, fs::path> Folders(const fs::path& root, const std::string& four) {
    for (const fs::path& dir : {root / "lists", root / "shared"}) {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    WriteFile(root / "shared" / "four.txt", four);
    fs::create_symlink(root / "shared" / "four.txt", root / "lists" / ListFileName(4));
    return {root / "lists", root / "shared"};
}

void ReplaceKilled(const fs::path& root, std::string_view list, unsigned char point) {
    const auto [lists, shared] = Folders(root, "old");
    WriteFile(lists / ListFileName(5), "old");
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
    Require(CFolderLock(lists.string(), {}).Error().empty());
    const std::string shown = ReadFile(shared / "four.txt");
    Require(fs::is_symlink(lists / ListFileName(4)) && shown == ReadFile(lists / ListFileName(5)) &&
            (shown == "old" || shown == list));
    // The lists and the lock of each folder, nothing else.
    const auto count = [](const fs::path& dir) { return std::distance(fs::directory_iterator(dir), {}); };
    Require(count(lists) == 3 && count(shared) == 2);
}

// A record's lines after its byte order mark; as it is read, each less a carriage return at its end.
std::vector<std::string_view> RecordLines(std::string_view bytes, bool read) {
    std::vector<std::string_view> lines;
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    while (!bytes.empty()) {
        std::string_view line = bytes.substr(0, bytes.find('\n'));
        bytes.remove_prefix(std::min(bytes.size(), line.size() + 1));
        lines.push_back(read && line.ends_with('\r') ? line.substr(0, line.size() - 1) : line);
    }
    return lines;
}

void RecordKept(const fs::path& dir, std::string_view bytes) {
    CWordRecord record, again;
    Require(record.Read(dir.string()).empty());
    const std::string text = record.Text();
    const std::vector<std::string_view> written = RecordLines(text, false), read = RecordLines(bytes, true);
    auto at = written.begin();
    for (std::size_t i = 0; i < read.size(); ++i) {
        const bool understood =
            read[i].starts_with('+') || read[i].starts_with('-') || read[i].starts_with("# installed: ");
        if (understood && std::find(record.Unread().begin(), record.Unread().end(), i + 1) == record.Unread().end())
            continue;
        Require((at = std::find(at, written.end(), read[i])) != written.end());
        ++at;
    }
    WriteFile(dir / kWordRecordName, text);
    Require(again.Read(dir.string()).empty() && again.Words() == record.Words());
}

void PlantedJournal(const fs::path& root, std::string_view lines, bool header) {
    const auto [lists, shared] = Folders(root, "four");
    WriteFile(root / "sentinel", "beside");
    WriteFile(shared / "sentinel", "sibling");
    fs::create_directory_symlink(shared, lists / ListFileName(6));
    const std::string record(kWordRecordName);
    for (const std::string& name : {ListFileName(5), record, ListFileName(5) + ".backup", record + ".abcdef"})
        WriteFile(lists / name, "old " + name);
    const std::string journal = (header ? "escartinol-lists journal 2\n" : "") + std::string(lines);
    WriteFile(lists / kJournalName, journal);
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
        WriteFile(lists / file, "new " + file);
        planted.emplace(name, "fnew " + file);
        spare.insert(file);
    }
    const auto rootBefore = Entries(root), sharedBefore = Entries(shared), before = Entries(lists);
    const bool done = CFolderLock(lists.string(), {}).Error().empty();
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
    const fs::path& folder = ScratchFolder("escartinol-fuzz-list-tools");
    std::vector<std::string_view> parts = SplitParts(data, size, 3);
    parts.resize(3);
    const unsigned char first = TakeByte(parts[0]);
    const int n = kMinWordLength + first % kListCount;
    const std::string_view list = parts[2];
    const auto whole = Collect([&](const ListBreakSink& sink) { return CheckListBytes(n, list, sink); });
    Require(whole.first.breaks == static_cast<std::int64_t>(whole.second.size()) && whole.first.readable);
    Require(whole == Collect([&](const ListBreakSink& sink) {
                // A long run can outlive its folder, swept from the shared temporary space by someone else.
                fs::create_directories(folder);
                WriteFile(folder / kWordRecordName, list);
                return CheckListFile(n, (folder / kWordRecordName).string(), sink);
            }));
    RecordKept(folder, list);
    const std::string raw(parts[1]);
    if (ListWordProblem(raw).empty()) Edit(list, raw);
    const std::string folded = FoldedWord(raw, n);
    Require(ListWordProblem(folded).empty());
    Edit(list, folded);
    if ((first & 0x80) != 0) ReplaceKilled(folder, list, first);
    if ((first & 0x40) != 0) PlantedJournal(folder, list, (first & 0x30) != 0x30);
    return 0;
}
