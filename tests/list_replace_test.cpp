// What list edits leave when killed, linked, run as root, short of space or faster than the clock.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
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
using testing::EndStopped;
using testing::RunCommand;
using testing::StartStopped;

const std::string kLists = ESCARTINOL_LISTS;

// What an editor leaves in a folder beside its lock.
std::size_t EntryCount(const std::string& dir) {
    return static_cast<std::size_t>(std::count_if(
        fs::directory_iterator(dir), {},
        [](const fs::directory_entry& entry) { return entry.path().filename() != ".escartinol-lists.lock"; }));
}

TEST(ListsEdit, TheNextEditorSettlesAKilledEdit) {
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
    // The journal names the lists by their bare names, so it still serves in a folder moved since.
    const std::string moved = folder.Dir() + "-moved";
    fs::rename(folder.Dir(), moved);
    EXPECT_EQ(RunCommand(kLists + " remove --lists " + moved + " zzzz").status, 0);
    fs::rename(moved, folder.Dir());
    EXPECT_EQ(folder.Read(5), "CEHIN/chien/niche\r\n");
    EXPECT_EQ(folder.Read(6), "AEINST/tisane/satine\r\n");
    EXPECT_EQ(EntryCount(folder.Dir()), static_cast<std::size_t>(kListCount));

    // Killed with its new files written and none renamed: the next editor removes them.
    folder.WriteLines(5, {"CEHIN/chien"});
    folder.WriteLines(6, {"AEINST/tisane"});
    pid = StartStopped("written", add);
    ASSERT_GT(pid, 0);
    // An editor held back by the lock says why it waits (and so shows that editors take turns).
    EXPECT_NE(RunCommand("timeout 1 " + nextEditor, "&1").out.find("waiting for another edit"), std::string::npos);
    EXPECT_EQ(EndStopped(pid, SIGKILL), SIGKILL);
    EXPECT_GT(EntryCount(folder.Dir()), static_cast<std::size_t>(kListCount));
    EXPECT_EQ(RunCommand(nextEditor).status, 0);
    EXPECT_EQ(EntryCount(folder.Dir()), static_cast<std::size_t>(kListCount));
    EXPECT_EQ(folder.Read(5), "CEHIN/chien\r\n");
}

// A journal or a file found in the folder is data anyone who may write there could have made: an
// editor obeys only what it would have written itself, and removes only its own new files. (The
// fuzzer plants journals of other shapes.)
TEST(ListsEdit, AnEditorTrustsOnlyWhatAnEditorWrites) {
    CListFolder folder;
    folder.WriteLines(6, {"AEINST/tisane"});
    const std::string evil = folder.Dir() + "/evil";
    const std::string important = folder.Dir() + "/important";
    const std::string journal = folder.Dir() + "/.escartinol-lists.journal";
    const std::string add = kLists + " add --lists " + folder.Dir() + " tisane";
    const std::string planted[] = {
        "escartinol-lists journal 2\n" + important + " -\n",
        // A target that is no plain file refuses the whole journal, before its first line is obeyed.
        "escartinol-lists journal 2\n" + ListFileName(6) + " def456\nescartinol-words.txt def456\n",
    };
    fs::create_directory(folder.Dir() + "/escartinol-words.txt");
    for (const std::string& bytes : planted) {
        std::ofstream(folder.File(6) + ".escartinol-new-def456") << "evil";
        std::ofstream(evil) << "evil";
        std::ofstream(important) << "important";
        std::ofstream(journal, std::ios::binary) << bytes;
        const auto refused = RunCommand(add, "&1");
        EXPECT_EQ(refused.status, 2) << refused.out;
        EXPECT_EQ(refused.out.find('\n'), refused.out.size() - 1) << refused.out;
        EXPECT_TRUE(fs::exists(evil) && fs::exists(important) && fs::exists(journal));
        std::ifstream in(important);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "important");
        EXPECT_EQ(folder.Read(6), "AEINST/tisane\r\n");
    }
    fs::remove(journal);
    fs::remove(folder.Dir() + "/escartinol-words.txt");

    // A player's backups, and a name of the editors' own that is no plain file, stay.
    const std::string kept[] = {folder.File(6) + ".backup", folder.Dir() + "/escartinol-words.txt.backup",
                                folder.File(6) + ".escartinol-new-abc123"};
    fs::copy_file(folder.File(6), kept[0]);
    fs::copy_file(folder.File(6), kept[1]);
    fs::create_directory(kept[2]);
    const std::string strays[] = {folder.File(5) + ".escartinol-new-Zz0123",
                                  folder.Dir() + "/escartinol-words.txt.escartinol-new-Zz0123"};
    for (const std::string& path : strays) std::ofstream(path) << "left by a killed editor";
    EXPECT_EQ(RunCommand(add).status, 0);
    for (const std::string& path : kept) EXPECT_TRUE(fs::exists(path)) << path;
    for (const std::string& path : strays) EXPECT_FALSE(fs::exists(path)) << path;
}

// The file size limit stands for a full disk: the second list cannot be written.
TEST(ListsEdit, AFailedWriteLeavesEveryListAsItWas) {
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

TEST(ListsEdit, ALinkedListIsEditedAtItsTarget) {
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
TEST(ListsEdit, RootLeavesEveryFileToThePlayer) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root, to edit a folder that another user owns";
    CListFolder folder;
    folder.WriteLines(6, {"AEINST/tisane"});
    fs::permissions(folder.File(6), fs::perms{0640});
    fs::remove(folder.File(5));
    // A user whose group has another number than the user, so that one cannot pass for the other.
    const struct passwd* games = ::getpwnam("games");
    if (!games || games->pw_uid == games->pw_gid) GTEST_SKIP() << "needs a user whose gid is not its uid";
    const uid_t player = games->pw_uid;
    const gid_t group = games->pw_gid;
    ASSERT_EQ(
        RunCommand("chown -R " + std::to_string(player) + ":" + std::to_string(group) + " " + folder.Dir()).status, 0);
    EXPECT_EQ(RunCommand("umask 022; exec " + kLists + " add --lists " + folder.Dir() + " satine niche").status, 0);
    EXPECT_EQ(EntryCount(folder.Dir()), static_cast<std::size_t>(kListCount));
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) {
        struct stat status {};
        ASSERT_EQ(::stat(folder.File(n).c_str(), &status), 0);
        EXPECT_EQ(status.st_uid, player) << n;
        EXPECT_EQ(status.st_gid, group) << n;
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

// sudo keeps the player's HOME, and anyone may write a sticky folder such as /tmp: a link planted
// there must not lead root's writes into root's own files, and a user who may only read a folder
// must not hold its editors back.
TEST(ListsEdit, RootWritesThroughNoPlantedLink) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root, and another user";
    const std::string nobody = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    CListFolder player;
    CListFolder shared;  // root's, 0755, with a root-only file
    const std::string secret = shared.Dir() + "/secret";
    shared.WriteLines(9, {"AEILNORST/relations"});
    fs::copy_file(shared.File(9), secret);
    fs::permissions(secret, fs::perms{0600});
    fs::permissions(shared.Dir(), fs::perms{0755});
    fs::remove(player.File(9));
    fs::create_symlink(secret, player.File(9));
    ASSERT_EQ(RunCommand("chown -hR 65534:65534 " + player.Dir()).status, 0);
    EXPECT_NE(RunCommand(kLists + " add --lists " + player.Dir() + " talerions").status, 0);

    // A sticky folder of root's where another user planted a list.
    fs::permissions(shared.Dir(), fs::perms{01777});
    fs::remove(shared.File(8));
    fs::create_symlink(secret, shared.File(8));
    ASSERT_EQ(RunCommand("chown -h 65534:65534 " + shared.File(8)).status, 0);
    RunCommand("printf 'talerions\\n' > " + shared.Dir() + "/words.txt");
    EXPECT_NE(
        RunCommand(kLists + " build --force --out " + shared.Dir() + " --from " + shared.Dir() + "/words.txt").status,
        0);
    EXPECT_EQ(shared.Read(9), "AEILNORST/relations\r\n");
    std::ifstream in(secret, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "AEILNORST/relations\r\n");

    // A reader's lock on the folder, or its try at the editors' lock file, holds no editor back.
    fs::permissions(shared.Dir(), fs::perms{0755});
    fs::remove(shared.File(8));
    const auto held =
        RunCommand(nobody + "flock " + shared.Dir() + " sleep 5 >/dev/null 2>&1 & p=$!; sleep 0.3; " + "timeout 4 " +
                   kLists + " add --lists " + shared.Dir() + " talerions; s=$?; " + "kill $p; exit $s");
    EXPECT_EQ(held.status, 0);
    EXPECT_NE(RunCommand(nobody + "flock -n " + shared.Dir() + "/.escartinol-lists.lock true").status, 0);
}

// A typo in --from, a compressed file, a device or a pipe must not empty the player's lists.
TEST(ListsBuild, ABadSourceOrTargetTouchesNoList) {
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
TEST(ListsEdit, EveryEditWithinOneSecondLeavesALaterTime) {
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
