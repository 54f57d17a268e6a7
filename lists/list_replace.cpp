// A replace of several files by new files beside them, a journal of bare names and renames, and the
// next editor's reading of a journal left behind, which it trusts for nothing but those names.
#include "lists/list_replace.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <set>

#include "lists/folder_lock.h"
#include "lists/folder_owner.h"
#include "lists/list_files.h"
#include "words/file_descriptor.h"
#include "words/list_format.h"

namespace escartinol {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kJournalHeader = "escartinol-lists journal 2\n";
// Seven changes of short bare names: anything longer was not written by an editor.
constexpr std::size_t kMaxJournalBytes = 4096;
// A new file is its target's name, this mark and mkstemp's six letters: no name a player would choose.
constexpr std::string_view kNewMark = ".escartinol-new-";
constexpr std::size_t kSuffixLength = 6;
constexpr std::string_view kUnchanged = "; nothing was changed";

std::string Failure(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

std::string FolderOf(const std::string& path) { return fs::path(path).parent_path().string(); }

bool IsSuffix(std::string_view suffix) {
    if (suffix.size() != kSuffixLength) return false;
    for (const char c : suffix)
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    return true;
}

bool IsNewFileOf(std::string_view name, std::string_view base) {
    return name.size() == base.size() + kNewMark.size() + kSuffixLength && name.starts_with(base) &&
           name.substr(base.size()).starts_with(kNewMark) && IsSuffix(name.substr(name.size() - kSuffixLength));
}

struct Target {
    std::string path;  // in the folder, as named
    std::string file;  // absolute: the file itself, or the one its link leads to
    bool exists = false;
    struct stat replaced {};
};

// The file that a name of dir stands for, checked before anything is written.
std::string Resolve(const std::string& dir, const std::string& name, bool removing, Target& target) {
    target.path = InFolder(dir, name);
    target.file = fs::absolute(target.path).lexically_normal().string();
    struct stat status {};
    if (::lstat(target.path.c_str(), &status) != 0)
        return errno == ENOENT ? std::string() : Failure("cannot look at", target.path);
    const bool link = S_ISLNK(status.st_mode);
    if (link && !removing) {
        // Written through: a link to a shared list must still lead to it, with the new words.
        if (!MayFollowLink(target.path))
            return target.path + " is a link that another user made; it is not followed" + std::string(kUnchanged);
        char* const real = ::realpath(target.path.c_str(), nullptr);
        if (!real) return Failure("cannot follow the link", target.path);
        target.file = real;
        std::free(real);
        if (::stat(target.file.c_str(), &status) != 0) return Failure("cannot look at", target.file);
    }
    if (!link && !S_ISREG(status.st_mode))
        return target.path + (S_ISDIR(status.st_mode) ? " is a folder" : " is not a plain file") +
               ", where a list must be a plain file" + std::string(kUnchanged);
    if (!removing && !S_ISREG(status.st_mode))
        return target.path + " leads to " + target.file + ", which is not a plain file" + std::string(kUnchanged);
    target.exists = true;
    target.replaced = status;
    return {};
}

// New files not yet handed to a journal go when it goes.
class CNewFiles {
public:
    ~CNewFiles() {
        for (const std::string& path : m_paths) ::unlink(path.c_str());
    }
    void Add(const std::string& path) { m_paths.push_back(path); }
    void Release() { m_paths.clear(); }

private:
    std::vector<std::string> m_paths;
};

bool Later(const timespec& a, const timespec& b) {
    return a.tv_sec != b.tv_sec ? a.tv_sec > b.tv_sec : a.tv_nsec > b.tv_nsec;
}

// A reader that holds the replaced file's stamp must see a change: with the inode reused and the
// size the same, only the time can show it. Where the clock has not moved past what the file system
// keeps, the new time is the old one plus its smallest step: a nanosecond, a second, or FAT's two.
std::string StampLater(int fd, const Target& target, const std::string& path) {
    const timespec old = target.replaced.st_mtim;
    for (const timespec step : {timespec{0, 1}, timespec{1, 0}, timespec{2, 0}}) {
        struct stat now {};
        if (::fstat(fd, &now) != 0) return Failure("cannot look at", path);
        if (Later(now.st_mtim, old)) return {};
        timespec later = {old.tv_sec + step.tv_sec, old.tv_nsec + step.tv_nsec};
        if (later.tv_nsec >= 1'000'000'000) later = {later.tv_sec + 1, later.tv_nsec - 1'000'000'000};
        const timespec times[2] = {{0, UTIME_OMIT}, later};
        if (::futimens(fd, times) != 0) return Failure("cannot set the time of", path);
    }
    struct stat now {};
    if (::fstat(fd, &now) == 0 && Later(now.st_mtim, old)) return {};
    return "cannot give " + path + " a time later than " + target.file + "'s";
}

// Owner, group and mode of the file replaced, never wider than its (a link to a device must not
// lend its 0666); for a new file what anyone who may play needs, where mkstemp's 0600 would hide it.
std::string Finish(int fd, const Target& target, const std::string& path) {
    if (!target.exists) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return ::fchmod(fd, 0644 & ~mask) == 0 ? std::string() : Failure("cannot set the mode of", path);
    }
    const struct stat& old = target.replaced;
    struct stat now {};
    if (::fstat(fd, &now) != 0) return Failure("cannot look at", path);
    // Only root may give a file away; anyone else's new file is their own, in the old file's group if they can.
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) &&
        ::fchown(fd, ::geteuid() == 0 ? old.st_uid : static_cast<uid_t>(-1), old.st_gid) != 0 && ::geteuid() == 0)
        return Failure("cannot give the owner of " + target.file + " to", path);
    if (::fchmod(fd, old.st_mode & 0777) != 0) return Failure("cannot set the mode of", path);
    return StampLater(fd, target, path);
}

// A new file beside file, written, finished and flushed; its name's suffix goes to suffix.
std::string WriteNewFile(CNewFiles& files, const Target& target, std::string_view bytes, std::string& suffix) {
    std::string path = target.file + std::string(kNewMark) + "XXXXXX";
    CFileDescriptor file(::mkostemp(path.data(), O_CLOEXEC));
    if (!file.IsOpen()) return Failure("cannot create a new file beside", target.file);
    files.Add(path);
    suffix = path.substr(path.size() - kSuffixLength);
    for (std::string_view rest = bytes; !rest.empty();) {
        const ssize_t written = RetryAfterSignal([&] { return ::write(file.Get(), rest.data(), rest.size()); });
        if (written < 0) return Failure("cannot write", path);
        rest.remove_prefix(static_cast<std::size_t>(written));
    }
    if (std::string error = Finish(file.Get(), target, path); !error.empty()) return error;
    if (::fsync(file.Get()) != 0) return Failure("cannot flush", path);
    if (const int failed = file.Close()) {
        errno = failed;
        return Failure("cannot close", path);
    }
    return {};
}

std::string SyncFolders(const std::set<std::string>& folders) {
    for (const std::string& folder : folders)
        if (std::string error = SyncFolder(folder); !error.empty()) return error;
    return {};
}

// The tests kill an editor at a point that ESCARTINOL_TEST_STOP_EDIT names ("written", or how many
// changes are made); only a test build looks.
void StopForTests([[maybe_unused]] const std::string& point) {
#ifdef ESCARTINOL_TEST_HOOKS
    const char* const at = std::getenv("ESCARTINOL_TEST_STOP_EDIT");
    if (at && point == at) std::raise(SIGSTOP);
#endif
}

// The one change a line of a journal names, to the target found before any line was obeyed.
std::string Apply(const Target& target, std::string_view suffix) {
    if (suffix.empty())
        return target.exists && ::unlink(target.path.c_str()) != 0 ? Failure("cannot remove", target.path)
                                                                   : std::string();
    const std::string path = target.file + std::string(kNewMark) + std::string(suffix);
    struct stat status {};
    // Gone: renamed before the editor ended.
    if (::lstat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return {};
    return std::rename(path.c_str(), target.file.c_str()) == 0 ? std::string() : Failure("cannot replace", target.file);
}

// Regular files of exactly the new files' names, beside the folder's files and beside the files its
// links lead to; another folder only when no editor holds it.
std::vector<std::string> Leftovers(const std::string& dir, bool remove) {
    std::vector<std::string> found;
    const auto sweep = [&](const std::string& folder, const std::vector<std::string>& bases) {
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(folder.empty() ? "." : folder, ec)) {
            const std::string name = entry.path().filename().string();
            struct stat status {};
            for (const std::string& base : bases)
                if (IsNewFileOf(name, base) && ::lstat(entry.path().c_str(), &status) == 0 && S_ISREG(status.st_mode)) {
                    found.push_back(entry.path().string());
                    if (remove) ::unlink(entry.path().c_str());
                }
        }
    };
    std::vector<std::string> bases = {std::string(kJournalName), std::string(kWordRecordName)};
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) {
        bases.push_back(ListFileName(n));
        Target target;
        if (!Resolve(dir, ListFileName(n), false, target).empty() || !target.exists) continue;
        const std::string folder = FolderOf(target.file);
        std::error_code ec;
        if (fs::equivalent(folder, dir.empty() ? "." : dir, ec)) {
            bases.push_back(fs::path(target.file).filename().string());
            continue;
        }
        std::string error;
        if (LockFolder(folder, false, {}, error).IsOpen()) sweep(folder, {fs::path(target.file).filename().string()});
    }
    sweep(dir, bases);
    return found;
}

}  // namespace

std::string ReplaceFiles(const std::string& dir, const std::vector<FileChange>& changes) {
    std::vector<Target> targets(changes.size());
    std::set<std::string> folders = {dir.empty() ? "." : dir};
    for (std::size_t i = 0; i < changes.size(); ++i) {
        if (!IsEditedName(changes[i].name))
            return changes[i].name + " is no file of a lists folder" + std::string(kUnchanged);
        if (std::string error = Resolve(dir, changes[i].name, !changes[i].bytes, targets[i]); !error.empty())
            return error;
        folders.insert(FolderOf(targets[i].file));
    }
    // A link may lead into another lists folder, whose editors must wait as well.
    std::vector<CFileDescriptor> otherLocks;
    std::error_code ec;
    for (const std::string& folder : folders) {
        if (fs::equivalent(folder, dir.empty() ? "." : dir, ec)) continue;
        std::string error;
        otherLocks.push_back(LockFolder(folder, true, {}, error));
        if (!error.empty()) return error + std::string(kUnchanged);
    }

    CNewFiles files;
    std::string journal(kJournalHeader);
    std::vector<std::string> suffixes(changes.size(), "-");
    for (std::size_t i = 0; i < changes.size(); ++i) {
        if (changes[i].bytes)
            if (std::string error = WriteNewFile(files, targets[i], *changes[i].bytes, suffixes[i]); !error.empty())
                return error + std::string(kUnchanged);
        journal += changes[i].name + " " + suffixes[i] + "\n";
    }
    StopForTests("written");
    if (std::string error = SyncFolders(folders); !error.empty()) return error + std::string(kUnchanged);

    Target journalTarget;
    journalTarget.file = fs::absolute(InFolder(dir, kJournalName)).string();
    std::string suffix;
    if (std::string error = WriteNewFile(files, journalTarget, journal, suffix); !error.empty())
        return error + std::string(kUnchanged);
    const std::string journalNew = journalTarget.file + std::string(kNewMark) + suffix;
    if (std::rename(journalNew.c_str(), journalTarget.file.c_str()) != 0)
        return Failure("cannot write the journal", journalTarget.file) + std::string(kUnchanged);
    // From the journal on, the edit is finished rather than undone.
    files.Release();
    if (std::string error = SyncFolder(dir); !error.empty()) return error + "; the next edit finishes the change";
    StopForTests("0");
    for (std::size_t i = 0; i < changes.size(); ++i) {
        const Target& target = targets[i];
        const std::string made = target.file + std::string(kNewMark) + suffixes[i];
        const bool done = changes[i].bytes ? std::rename(made.c_str(), target.file.c_str()) == 0
                                           : !target.exists || ::unlink(target.path.c_str()) == 0;
        if (!done) return Failure("cannot replace", target.file) + "; the next edit of " + dir + " finishes the change";
        StopForTests(std::to_string(i + 1));
    }
    if (std::string error = SyncFolders(folders); !error.empty())
        return error + "; a power cut could still undo the change";
    ::unlink(journalTarget.file.c_str());
    if (std::string error = SyncFolder(dir); !error.empty()) return error + "; a power cut could still undo the change";
    return {};
}

std::string FinishInterruptedEdit(const std::string& dir, std::string& finished) {
    finished.clear();
    const std::string path = InFolder(dir, kJournalName);
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) {
        if (errno != ENOENT) return Failure("cannot look at", path);
        if (!Leftovers(dir, true).empty())
            finished = "removed the new files of an edit of " + dir + " that was stopped";
        return {};
    }
    const std::string refused = path + " is no journal that escartinol-lists wrote; no edit runs until it is removed";
    std::string bytes;
    if (!S_ISREG(status.st_mode)) return refused;
    if (std::string error = ReadFileBytes(path, bytes, kMaxJournalBytes); !error.empty()) return error;
    // Every line is checked before any is obeyed: a bare name of the folder's files and a suffix.
    std::vector<std::pair<std::string, std::string>> lines;
    if (!bytes.starts_with(kJournalHeader) || !bytes.ends_with('\n')) return refused;
    for (std::size_t at = kJournalHeader.size(); at < bytes.size();) {
        const std::size_t end = bytes.find('\n', at);
        const std::string line = bytes.substr(at, end - at);
        at = end + 1;
        const std::size_t space = line.find(' ');
        if (space == std::string::npos) return refused;
        std::string name = line.substr(0, space);
        std::string suffix = line.substr(space + 1);
        if (!IsEditedName(name) || (suffix != "-" && !IsSuffix(suffix))) return refused;
        lines.emplace_back(std::move(name), suffix == "-" ? std::string() : std::move(suffix));
    }
    // And every target: one that cannot be changed refuses the journal with no list changed.
    std::set<std::string> folders = {dir.empty() ? "." : dir};
    std::vector<Target> targets(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (std::string error = Resolve(dir, lines[i].first, lines[i].second.empty(), targets[i]); !error.empty())
            return "cannot finish an interrupted edit: " + error;
        folders.insert(FolderOf(targets[i].file));
    }
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (std::string error = Apply(targets[i], lines[i].second); !error.empty())
            return "cannot finish an interrupted edit: " + error;
    if (std::string error = SyncFolders(folders); !error.empty()) return error;
    if (::unlink(path.c_str()) != 0) return Failure("cannot remove", path);
    if (std::string error = SyncFolder(dir); !error.empty()) return error;
    Leftovers(dir, true);
    finished = "finished an edit of " + dir + " that was stopped among its renames";
    return {};
}

std::string InterruptedEditIn(const std::string& dir) {
    struct stat status {};
    if (::lstat(InFolder(dir, kJournalName).c_str(), &status) == 0)
        return "an edit of this folder was stopped among its renames; the next edit, or check --fix, finishes it";
    const std::vector<std::string> left = Leftovers(dir, false);
    if (left.empty()) return {};
    return "an edit of this folder was stopped before its renames, leaving " + left.front() +
           (left.size() > 1 ? " and " + std::to_string(left.size() - 1) + " more" : std::string()) +
           "; the next edit, or check --fix, removes them";
}

}  // namespace escartinol
