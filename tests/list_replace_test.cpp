// What list edits leave when killed, linked, run as root, short of space or faster than the clock.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/coarse_clock_folder.h"
#include "support/list_folder.h"
#include "support/run_command.h"
#include "words/file_stamp.h"

namespace escartinol {
namespace {

namespace fs = std::filesystem;
using testing::Outcome;
using testing::RunCommand;

const std::string kLists = ESCARTINOL_LISTS + std::string(" ");

// What an editor leaves in a folder beside its lock.
int EntryCount(const std::string& dir) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(dir)) count += entry.path().filename() != ".escartinol-lists.lock";
    return count;
}

unsigned Mode(const std::string& path) { return static_cast<unsigned>(fs::status(path).permissions()); }

// A folder with a five- and a six-letter word, and the lists tool run on it.
class ListReplace : public ::testing::Test {
protected:
    void SetUp() override {
        folder.WriteLines(5, {"CEHIN/chien"});
        folder.WriteLines(6, {"AEINST/tisane"});
    }
    // before is shell run ahead of the tool (ulimit, umask); standard error goes to out.
    Outcome Edit(const std::string& words, const std::string& before = "") const {
        return RunCommand(before + kLists + words + " --lists " + folder.Dir(), "&1");
    }
    bool Untouched() const { return folder.Read(5) + folder.Read(6) == "CEHIN/chien\r\nAEINST/tisane\r\n"; }

    testing::CListFolder folder;
};
using ListBuild = ListReplace;

// Killed among its renames, the journal of bare names has the next editor finish the edit, even in a
// moved folder; killed before, the new files go: the regular files of exactly their names, the record's too.
TEST_F(ListReplace, TheNextEditorSettlesAKilledEdit) {
    const std::string stray = folder.Dir() + "/escartinol-words.txt.escartinol-new-Zz0123";
    const std::string kept[] = {folder.File(6) + ".backup", folder.Dir() + "/escartinol-words.txt.backup",
                                folder.File(6) + ".escartinol-new-abc123"};
    fs::create_directory(kept[2]);  // the editors' name, but no file of theirs
    const std::pair<const char*, std::string> stops[] = {{"1", "CEHIN/chien/niche\r\nAEINST/tisane/satine\r\n"},
                                                         {"written", "CEHIN/chien\r\nAEINST/tisane\r\n"}};
    for (const auto& [stop, settled] : stops) {
        SetUp();
        const pid_t pid = testing::StartStopped(stop, kLists + "add niche satine --lists " + folder.Dir());
        ASSERT_GT(pid, 0);
        EXPECT_NE(Edit("remove zzzz", "timeout 1 ").out.find("waiting for another edit"), std::string::npos);
        EXPECT_EQ(testing::EndStopped(pid, SIGKILL), SIGKILL);
        for (const std::string& path : {stray, kept[0], kept[1]}) std::ofstream(path) << "x";
        const std::string moved = folder.Dir() + "-moved";
        fs::rename(folder.Dir(), moved);
        EXPECT_EQ(RunCommand(kLists + "remove zzzz --lists " + moved).status, 0);
        fs::rename(moved, folder.Dir());
        EXPECT_EQ(folder.Read(5) + folder.Read(6), settled) << stop;
        EXPECT_FALSE(fs::exists(stray));
        EXPECT_EQ(EntryCount(folder.Dir()), kListCount + 3) << stop;  // the kept ones
    }
}

// A journal found in the folder is data anyone who may write there could have made: one an editor
// would not have written is refused whole, before any of its lines is obeyed, and left.
TEST_F(ListReplace, AnEditorRefusesAJournalNoEditorWrote) {
    const std::string journal = folder.Dir() + "/.escartinol-lists.journal", header = "escartinol-lists journal 2\n";
    std::string oversized = header;
    while (oversized.size() <= 4096) oversized += ListFileName(6) + " -\n";
    fs::create_directory(folder.Dir() + "/escartinol-words.txt");
    const std::string planted[] = {
        header + folder.File(4) + " -\n",
        header + "../" + fs::path(folder.Dir()).filename().string() + "/" + ListFileName(4) + " -\n",
        oversized,
        // The first line is sound, the second names a target that is no plain file.
        header + ListFileName(6) + " def456\nescartinol-words.txt def456\n",
    };
    for (const std::string& bytes : planted) {
        std::ofstream(folder.File(6) + ".escartinol-new-def456") << "planted";
        std::ofstream(journal, std::ios::binary) << bytes;
        const Outcome refused = Edit("add satine");
        EXPECT_EQ(refused.status, 2) << bytes;
        EXPECT_EQ(refused.out.find('\n'), refused.out.size() - 1) << refused.out;
        EXPECT_TRUE(Untouched() && fs::exists(folder.File(4)) && fs::exists(journal)) << bytes;
    }
}

// The file size limit stands for a full disk: the second list cannot be written.
TEST_F(ListReplace, AFailedWriteLeavesEveryListAsItWas) {
    std::string nine;  // some 7 kB, past the limit of 1 kB
    for (char a = 'A'; a <= 'Z'; ++a)
        for (char b = a; b <= 'Z'; ++b)
            nine += std::string(8, a) + b + "/" + std::string(8, a + 32) + static_cast<char>(b + 32) + "\r\n";
    folder.Write(9, nine);
    EXPECT_EQ(Edit("add niche talerions", "trap '' XFSZ; ulimit -f 1; exec ").status, 2);
    EXPECT_TRUE(Untouched());
    EXPECT_EQ(EntryCount(folder.Dir()), kListCount);
}

TEST_F(ListReplace, ALinkedListIsEditedAtItsTarget) {
    testing::CListFolder shared;
    fs::rename(folder.File(6), shared.File(6));
    fs::permissions(shared.File(6), fs::perms{0640});
    fs::create_symlink(shared.File(6), folder.File(6));
    EXPECT_EQ(Edit("add satine").status, 0);
    EXPECT_TRUE(fs::is_symlink(folder.File(6)));
    EXPECT_EQ(shared.Read(6), "AEINST/tisane/satine\r\n");
    EXPECT_EQ(Mode(shared.File(6)), 0640u);
}

// sudo in a player's folder: every file and folder it leaves must still be the player's to replace.
TEST_F(ListReplace, RootLeavesEveryFileToThePlayer) {
    // A user whose group has another number than the user, so that one cannot pass for the other.
    const struct passwd* games = ::getpwnam("games");
    if (::geteuid() != 0 || !games || games->pw_uid == games->pw_gid)
        GTEST_SKIP() << "needs root, and a user whose gid is not its uid";
    const std::string owner = std::to_string(games->pw_uid) + ":" + std::to_string(games->pw_gid);
    fs::permissions(folder.File(6), fs::perms{0640});
    fs::remove(folder.File(5));
    ASSERT_EQ(RunCommand("chown -R " + owner + " " + folder.Dir()).status, 0);
    EXPECT_EQ(Edit("add satine niche", "umask 022; exec ").status, 0);
    EXPECT_EQ(folder.Read(5), "CEHIN/niche\r\n");  // made, as the game plays a missing list as empty
    EXPECT_EQ(Mode(folder.File(5)), 0644u);
    EXPECT_EQ(Mode(folder.File(6)), 0640u);
    const std::string made = folder.Dir() + "/made/lists";
    std::ofstream(folder.Dir() + "/words.txt") << "satine\n";
    EXPECT_EQ(RunCommand(kLists + "build --out " + made + " --from " + folder.Dir() + "/words.txt").status, 0);
    // In a folder of root's, root edits as itself and hands the list back to its owner and group.
    ASSERT_EQ(::chown(folder.Dir().c_str(), 0, 0), 0);
    EXPECT_EQ(Edit("add talons").status, 0);
    for (const std::string& path : {folder.File(5), folder.File(6), folder.Dir() + "/made", made + "/DEF_6L.txt"}) {
        struct stat status {};
        ASSERT_EQ(::stat(path.c_str(), &status), 0) << path;
        EXPECT_EQ(std::to_string(status.st_uid) + ":" + std::to_string(status.st_gid), owner) << path;
    }
}

// Anyone may write a sticky folder such as /tmp: a link planted there must not lead root's writes
// into root's own files.
TEST_F(ListReplace, RootWritesThroughNoPlantedLink) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root, and another user";
    testing::CListFolder shared;  // root's, sticky and open to all
    fs::permissions(shared.Dir(), fs::perms{01777});
    fs::remove(shared.File(8));
    fs::create_symlink(folder.File(5), shared.File(8));
    ASSERT_EQ(RunCommand("chown -h 65534:65534 " + shared.File(8)).status, 0);
    std::ofstream(shared.Dir() + "/words.txt") << "talerions\n";
    const std::string build = kLists + "build --force --out " + shared.Dir() + " --from " + shared.Dir() + "/words.txt";
    EXPECT_NE(RunCommand(build).status, 0);
    EXPECT_TRUE(Untouched());
}

// A user who may only read a folder can neither lock it nor open the editors' lock file.
TEST_F(ListReplace, AReaderHoldsNoEditorBack) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root, to run as another user";
    const std::string nobody = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    const std::string held = nobody + "flock " + folder.Dir() + " sleep 5 >/dev/null 2>&1 & p=$!; sleep 0.3; ";
    EXPECT_EQ(
        RunCommand(held + "timeout 4 " + kLists + "add satine --lists " + folder.Dir() + "; s=$?; kill $p; exit $s")
            .status,
        0);
    EXPECT_NE(RunCommand(nobody + "flock -n " + folder.Dir() + "/.escartinol-lists.lock true").status, 0);
}

// A typo in --from, a compressed file, a device or a pipe must not empty the player's lists.
TEST_F(ListBuild, ABadSourceOrTargetTouchesNoList) {
    const std::string words = folder.Dir() + "/words.txt";
    RunCommand("printf 'satine\\ntalons\\n' > " + words + "; gzip -c " + words + " > " + words + ".gz; mkfifo " +
               folder.Dir() + "/fifo; : > " + words + ".empty");
    const std::string build = "timeout 20 " + kLists + "build --out " + folder.Dir() + " --from ";
    for (const std::string& from : {folder.Dir(), words + ".gz", std::string("/dev/zero"), folder.Dir() + "/fifo"}) {
        const Outcome built = RunCommand(build + from + " --force", "&1");
        EXPECT_EQ(built.status, 2) << from;
        EXPECT_EQ(built.out.find('\n'), built.out.size() - 1) << built.out;
        EXPECT_TRUE(Untouched()) << from;
    }
    EXPECT_EQ(RunCommand(build + words + ".empty").status, 2);  // without --force, lists are not emptied

    // A folder where a list belongs stops even a build that keeps the lists already there.
    fs::remove(folder.File(7));
    fs::create_directory(folder.File(7));
    EXPECT_EQ(RunCommand(build + words).status, 2);

    // A new list is for every player to read.
    EXPECT_EQ(RunCommand("umask 022; " + kLists + "build --out " + folder.Dir() + "/fresh --from " + words).status, 0);
    EXPECT_EQ(Mode(folder.Dir() + "/fresh/DEF_6L.txt"), 0644u);
}

// Where times are whole seconds and the inode of a replaced list is soon reused, an edit must
// still leave a stamp that no reader already holds, or the game never sees it.
TEST(ListStamp, EveryEditWithinOneSecondLeavesALaterTime) {
    testing::CCoarseClockFolder coarse;
    if (!coarse.Skipped().empty()) GTEST_SKIP() << coarse.Skipped();
    const std::string list = coarse.Dir() + "/" + ListFileName(6);
    std::ofstream(list) << "AEINST/tisane\r\n";
    auto last = StampOfPath(list);
    for (const char* words : {"remove tisane", "add talons", "add salons"}) {
        ASSERT_EQ(RunCommand(kLists + words + " --lists " + coarse.Dir()).status, 0) << words;
        const auto now = StampOfPath(list);
        ASSERT_TRUE(now && last);
        EXPECT_GT(std::pair(now->modifiedSeconds, now->modifiedNanoseconds),
                  std::pair(last->modifiedSeconds, last->modifiedNanoseconds))
            << words;
        last = now;
    }
}

}  // namespace
}  // namespace escartinol
