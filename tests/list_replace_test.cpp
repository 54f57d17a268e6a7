// What list edits leave when killed, linked, run as root, short of space or faster than the clock.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "support/coarse_clock_folder.h"
#include "support/list_folder.h"
#include "support/run_command.h"
#include "words/file_stamp.h"
#include "words/word_lists.h"

namespace escartinol {
namespace {

namespace fs = std::filesystem;
using testing::CListFolder;
using testing::RunCommand;

const std::string kLists = ESCARTINOL_LISTS;

// What an editor leaves in a folder beside its lock.
std::size_t EntryCount(const std::string& dir) {
    return static_cast<std::size_t>(std::count_if(
        fs::directory_iterator(dir), {},
        [](const fs::directory_entry& entry) { return entry.path().filename() != ".escartinol-lists.lock"; }));
}

// Runs command in a shell that the tool replaces; returns its pid once the tool has stopped itself
// at the point ESCARTINOL_TEST_STOP_EDIT names, or -1.
pid_t StartStopped(const std::string& point, const std::string& command) {
    const std::string line = "ESCARTINOL_TEST_STOP_EDIT=" + point + " exec " + command + " >/dev/null 2>&1";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::execl("/bin/sh", "sh", "-c", line.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    if (::waitpid(pid, &status, WUNTRACED) != pid || !WIFSTOPPED(status)) return -1;
    return pid;
}

// The signal that ended the stopped process, once it has been sent signal and let go on.
int EndStopped(pid_t pid, int signal) {
    ::kill(pid, signal);
    ::kill(pid, SIGCONT);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFSIGNALED(status) ? WTERMSIG(status) : 0;
}

TEST(ListsEdit, AnEditKilledBetweenItsRenamesIsFinishedByTheNextEditorAndOneKilledBeforeIsUndone) {
    CListFolder folder;
    folder.WriteLines(5, {"CEHIN/chien"});
    folder.WriteLines(6, {"AEINST/tisane"});
    const std::string add = kLists + " add --lists " + folder.Dir() + " niche satine";
    const std::string nextEditor = kLists + " remove --lists " + folder.Dir() + " zzzz";

    // Killed after the first of its two renames: the journal lets the next editor do the second.
    pid_t pid = StartStopped("1", add);
    ASSERT_GT(pid, 0);
    EXPECT_EQ(EndStopped(pid, SIGKILL), SIGKILL);
    // One list renamed, the other not: which comes first is the editor's business.
    EXPECT_NE(folder.Read(5) == "CEHIN/chien\r\n", folder.Read(6) == "AEINST/tisane\r\n");
    EXPECT_EQ(RunCommand(nextEditor).status, 0);
    EXPECT_EQ(folder.Read(5), "CEHIN/chien/niche\r\n");
    EXPECT_EQ(folder.Read(6), "AEINST/tisane/satine\r\n");
    EXPECT_EQ(EntryCount(folder.Dir()), static_cast<std::size_t>(kListCount));

    // Killed with its new files written and none renamed: the next editor removes them.
    folder.WriteLines(5, {"CEHIN/chien"});
    folder.WriteLines(6, {"AEINST/tisane"});
    pid = StartStopped("written", add);
    ASSERT_GT(pid, 0);
    EXPECT_EQ(EndStopped(pid, SIGKILL), SIGKILL);
    EXPECT_GT(EntryCount(folder.Dir()), static_cast<std::size_t>(kListCount));
    EXPECT_EQ(RunCommand(nextEditor).status, 0);
    EXPECT_EQ(EntryCount(folder.Dir()), static_cast<std::size_t>(kListCount));
    EXPECT_EQ(folder.Read(5), "CEHIN/chien\r\n");
}

// The file size limit stands for a full disk: the second list cannot be written.
TEST(ListsEdit, AWriteFailingInTheMiddleOfAnEditOfTwoListsLeavesBothAsTheyWere) {
    CListFolder folder;
    folder.WriteLines(5, {"CEHIN/chien"});
    std::string nine;
    for (char a = 'A'; a <= 'Z'; ++a)
        for (char b = a; b <= 'Z'; ++b)
            nine += std::string(8, a) + b + "/" + std::string(8, a + 32) + static_cast<char>(b + 32) + "\r\n";
    folder.Write(9, nine);  // some 7 kB, past the limit of 1 kB
    const std::string before = folder.Read(9);
    const auto edit =
        RunCommand("trap '' XFSZ; ulimit -f 1; exec " + kLists + " add --lists " + folder.Dir() + " niche talerions");
    EXPECT_EQ(edit.status, 2);
    EXPECT_EQ(folder.Read(5), "CEHIN/chien\r\n");
    EXPECT_EQ(folder.Read(9), before);
    EXPECT_EQ(EntryCount(folder.Dir()), static_cast<std::size_t>(kListCount));
}

TEST(ListsEdit, ALinkedListGetsTheWordAtItsTargetAndKeepsItsLinkWhileALinkToADeviceIsRefused) {
    CListFolder folder;
    CListFolder shared;
    shared.WriteLines(6, {"AEINST/tisane"});
    fs::permissions(shared.File(6), fs::perms{0640});
    fs::remove(folder.File(6));
    fs::create_symlink(shared.File(6), folder.File(6));
    EXPECT_EQ(RunCommand(kLists + " add --lists " + folder.Dir() + " satine").status, 0);
    EXPECT_TRUE(fs::is_symlink(folder.File(6)));
    EXPECT_EQ(shared.Read(6), "AEINST/tisane/satine\r\n");
    EXPECT_EQ(static_cast<unsigned>(fs::status(shared.File(6)).permissions()), 0640u);
    EXPECT_EQ(EntryCount(shared.Dir()), static_cast<std::size_t>(kListCount));

    fs::remove(folder.File(5));
    fs::create_symlink("/dev/zero", folder.File(5));
    const auto refused = RunCommand(kLists + " add --lists " + folder.Dir() + " niche", "&1");
    EXPECT_NE(refused.status, 0);
    EXPECT_EQ(fs::read_symlink(folder.File(5)), "/dev/zero");
}

// sudo in a player's folder: every file it leaves must still be the player's to replace.
TEST(ListsEdit, RootEditingAPlayersFolderLeavesEveryFileThePlayersWithItsModeAndNoLockFile) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root, to edit a folder that another user owns";
    CListFolder folder;
    folder.WriteLines(6, {"AEINST/tisane"});
    fs::permissions(folder.File(6), fs::perms{0640});
    fs::remove(folder.File(5));
    const uid_t player = 65534;  // nobody
    ASSERT_EQ(RunCommand("chown -R 65534:65534 " + folder.Dir()).status, 0);
    EXPECT_EQ(RunCommand("umask 022; exec " + kLists + " add --lists " + folder.Dir() + " satine niche").status, 0);
    EXPECT_EQ(EntryCount(folder.Dir()), static_cast<std::size_t>(kListCount));
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) {
        struct stat status {};
        ASSERT_EQ(::stat(folder.File(n).c_str(), &status), 0);
        EXPECT_EQ(status.st_uid, player) << n;
        EXPECT_EQ(status.st_gid, player) << n;
    }
    EXPECT_EQ(folder.Read(5), "CEHIN/niche\r\n");  // made, as the game plays a missing list as empty
    EXPECT_EQ(static_cast<unsigned>(fs::status(folder.File(5)).permissions()), 0644u);
    EXPECT_EQ(static_cast<unsigned>(fs::status(folder.File(6)).permissions()), 0640u);

    // Folders that root makes there, for a build or the player's copy, are the player's too.
    const std::string made = folder.Dir() + "/made/lists";
    RunCommand("printf 'satine\\n' > " + folder.Dir() + "/words.txt");
    EXPECT_EQ(RunCommand(kLists + " build --out " + made + " --from " + folder.Dir() + "/words.txt").status, 0);
    for (const std::string& path : {folder.Dir() + "/made", made, made + "/" + ListFileName(6)}) {
        struct stat status {};
        ASSERT_EQ(::stat(path.c_str(), &status), 0);
        EXPECT_EQ(status.st_uid, player) << path;
    }
}

// A typo in --from, a compressed file, a device or a pipe must not empty the player's lists.
TEST(ListsBuild, ASourceThatIsNoWordFileOrATargetThatIsNoListIsRefusedBeforeAnyListIsTouched) {
    CListFolder folder;
    folder.WriteLines(9, {"AEILNORST/relations"});
    folder.WriteLines(6, {"AEINST/tisane"});
    const std::string words = folder.Dir() + "/words.txt";
    RunCommand("printf 'satine\\ntalons\\n' > " + words);
    RunCommand("gzip -c " + words + " > " + words + ".gz; mkfifo " + folder.Dir() + "/fifo");
    const std::string build = kLists + " build --force --out " + folder.Dir() + " --from ";
    for (const std::string& from : {folder.Dir(), words + ".gz", std::string("/dev/zero"), folder.Dir() + "/fifo"}) {
        const auto built = RunCommand("timeout 20 " + build + from, "&1");
        EXPECT_EQ(built.status, 2) << from;
        EXPECT_EQ(built.out.find('\n'), built.out.size() - 1) << built.out;
        EXPECT_EQ(folder.Read(9), "AEILNORST/relations\r\n") << from;
    }
    RunCommand(": > " + words + ".empty");
    EXPECT_EQ(RunCommand(kLists + " build --out " + folder.Dir() + " --from " + words + ".empty").status, 2);

    // A folder where a list belongs stops the build before the first list is replaced.
    fs::remove(folder.File(7));
    fs::create_directory(folder.File(7));
    EXPECT_EQ(RunCommand(build + words).status, 2);
    EXPECT_EQ(folder.Read(9), "AEILNORST/relations\r\n");
    EXPECT_EQ(RunCommand(kLists + " build --out " + folder.Dir() + " --from " + words).status, 2);

    // A new list is for every player to read.
    const std::string fresh = folder.Dir() + "/fresh";
    EXPECT_EQ(RunCommand("umask 022; exec " + kLists + " build --out " + fresh + " --from " + words).status, 0);
    EXPECT_EQ(static_cast<unsigned>(fs::status(fresh + "/" + ListFileName(6)).permissions()), 0644u);
}

// Where times are whole seconds and the inode of a replaced list is soon reused, an edit must
// still leave a stamp that no reader already holds, or the game never sees it.
TEST(ListsEdit, EditsWithinOneSecondEachLeaveALaterTimeAndTheGameSeesTheLast) {
    testing::CCoarseClockFolder coarse;
    if (!coarse.Skipped().empty()) GTEST_SKIP() << coarse.Skipped();
    const std::string list = coarse.Dir() + "/" + ListFileName(6);
    RunCommand("printf 'AEINST/tisane\\r\\n' > " + list);
    CWordLists lists(coarse.Dir());
    lists.LoadWordLists();
    auto last = StampOfPath(list);
    for (const std::string& command :
         {"remove --lists " + coarse.Dir() + " tisane", "add --lists " + coarse.Dir() + " talons",
          "add --lists " + coarse.Dir() + " salons"}) {
        ASSERT_EQ(RunCommand(kLists + " " + command).status, 0) << command;
        const auto now = StampOfPath(list);
        ASSERT_TRUE(now && last);
        EXPECT_GT(std::pair(now->modifiedSeconds, now->modifiedNanoseconds),
                  std::pair(last->modifiedSeconds, last->modifiedNanoseconds))
            << command;
        last = now;
    }
    lists.RefreshList(6);
    EXPECT_GE(lists.FindListKey(6, "ALNOST"), 0);
}

}  // namespace
}  // namespace escartinol
