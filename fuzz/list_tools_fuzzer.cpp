// libFuzzer target: arbitrary bytes as a word list, through the checker, the word editor and the editors' lock.
// Input, split on the first two bytes 0x1E: a byte b (n letters from b, and the bits below), a word, the list.
// The checker must see the same breaks in the bytes and from a file; on a sound list an add of the word (and of
// it folded into n letters) keeps it sound and a remove after it gives back every byte.
// Bit 0x80: the list replaces two lists, one a link into another folder, by an editor killed at a point b picks;
// the next editor must find both new or both old, the link in place and nothing else left.
// Bit 0x40: the list is a journal left in a folder (after its header, unless bits 0x30 are both set), beside
// a new file for each line: whatever the next editor makes of it, nothing outside the folder changes.
#include <signal.h>
#include <sys/wait.h>

#include <map>

#include "fuzz/fuzz_support.h"
#include "lists/folder_lock.h"
#include "lists/list_checker.h"
#include "lists/list_editor.h"
#include "lists/list_files.h"
#include "lists/list_replace.h"
#include "words/file_descriptor.h"
#include "words/list_format.h"

namespace {

using namespace escartinol;
using namespace escartinol::fuzzing;

// Any list is edited without a crash; the tools refuse lists with breaks, so only sound ones are judged.
void Edit(std::string_view list, const std::string& word) {
    const auto tally = [&](std::string_view bytes) { return CheckListBytes(int(word.size()), bytes, {}); };
    std::string edited(list), removed(list);
    const WordEdit added = AddWordToList(edited, word), gone = RemoveWordFromList(removed, word);
    const ListTally before = tally(list), afterAdd = tally(edited), afterRemove = tally(removed);
    const bool undone = added == WordEdit::kDone && RemoveWordFromList(edited, word) == WordEdit::kDone;
    if (before.breaks > 0) return;
    // An added word leaves one more in a sound list, taken back to the byte; one not added is one remove finds.
    Require(added == WordEdit::kDone
                ? afterAdd.breaks == 0 && afterAdd.words == before.words + 1 && undone && edited == list
                : edited == list && (added == WordEdit::kAlreadyThere) == (gone == WordEdit::kDone));
    Require(gone == WordEdit::kDone ? afterRemove.breaks == 0 && afterRemove.words == before.words - 1
                                    : removed == list);
}

// Every file and link under root but in lists and but the locks: a file's bytes, a link's target.
std::map<fs::path, std::string> Outside(const fs::path& root) {
    std::map<fs::path, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (!entry.is_directory() && entry.path().parent_path() != root / "lists" &&
            entry.path().filename() != kLockName)
            files[entry.path()] = entry.is_symlink() ? "link to " + fs::read_symlink(entry).string() : ReadFile(entry);
    return files;
}

// Root emptied for folders lists and shared and a file; in lists DEF_5L.txt, and links to shared/four.txt and shared.
std::pair<fs::path, fs::path> Folders(const fs::path& root) {
    const fs::path lists = root / "lists", shared = root / "shared";
    fs::remove_all(root);
    for (const fs::path& dir : {lists, shared}) fs::create_directories(dir);
    WriteFile(root / "sentinel", "beside");
    WriteFile(shared / "four.txt", "old");
    WriteFile(lists / ListFileName(5), "old");
    fs::create_symlink(shared / "four.txt", lists / ListFileName(4));
    fs::create_directory_symlink(shared, lists / ListFileName(6));
    return {lists, shared};
}

void ReplaceKilled(const fs::path& root, std::string_view list, unsigned char point) {
    const auto [lists, shared] = Folders(root);
    const std::vector<FileChange> edit = {{ListFileName(4), std::string(list)}, {ListFileName(5), std::string(list)}};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setenv("ESCARTINOL_TEST_STOP_EDIT", point % 4 == 0 ? "written" : std::to_string(point % 4 - 1).c_str(), 1);
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
    // The lists, the links and the lock of each folder, nothing else.
    const auto count = [](const fs::path& dir) { return std::distance(fs::directory_iterator(dir), {}); };
    Require(count(lists) == 4 && count(shared) == 2);
}

void PlantedJournal(const fs::path& root, std::string_view lines, bool header) {
    const fs::path lists = Folders(root).first;
    const std::string journal = (header ? "escartinol-lists journal 2\n" : "") + std::string(lines);
    WriteFile(lists / kJournalName, journal);
    for (std::string_view rest = journal; !rest.empty();) {
        std::string file(rest.substr(0, rest.find('\n')));
        rest.remove_prefix(std::min(rest.size(), file.size() + 1));
        // Nothing through a link, nor cut short at a NUL onto another file.
        if (file.find_first_of(std::string_view("/\0", 2)) == std::string::npos)
            WriteFile(lists / file.replace(std::min(file.find(' '), file.size()), 1, ".escartinol-new-"), "new");
    }
    const auto outside = Outside(root);
    (void)CFolderLock(lists.string(), {});
    Require(Outside(root) == outside);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fs::path folder = ScratchFolder();
    std::vector<std::string_view> parts = SplitParts(data, size, 3);
    parts.resize(3);
    const auto first = static_cast<unsigned char>(parts[0].empty() ? 0 : parts[0][0]);
    const int n = kMinWordLength + first % kListCount;
    const std::string_view list = parts[2];
    std::vector<ListBreak> inBytes, inFile;
    const ListTally bytes = CheckListBytes(n, list, [&](const ListBreak& brk) { inBytes.push_back(brk); });
    WriteFile(folder / "list.txt", list);
    const ListTally file = CheckListFile(n, folder / "list.txt", [&](const ListBreak& brk) { inFile.push_back(brk); });
    Require(bytes == file && inBytes == inFile && bytes.readable && bytes.breaks == std::int64_t(inBytes.size()));
    const std::string raw(parts[1]);
    if (ListWordProblem(raw).empty()) Edit(list, raw);
    // n plain letters from the raw word (accents come with raw words), so that edits run on every input.
    std::string folded(n, 'a');
    for (std::size_t i = 0; i < folded.size() && !raw.empty(); ++i)
        folded[i] = static_cast<char>('a' + static_cast<unsigned char>(raw[i % raw.size()]) % 26);
    Edit(list, folded);
    if ((first & 0x80) != 0) ReplaceKilled(folder, list, first);
    if ((first & 0x40) != 0) PlantedJournal(folder, list, (first & 0x30) != 0x30);
    return 0;
}
