// A multi-list replace by temporary files, a journal and renames, and the next editor's reading of a journal left
// behind.
#include "tools/list_replace.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "tools/list_files.h"
#include "tools/lists_lock.h"
#include "tools/pending_files.h"
#include "tools/word_record.h"
#include "words/file_descriptor.h"
#include "words/list_format.h"

namespace escartinol {

namespace {

constexpr std::string_view kJournalHeader = "escartinol-lists journal\n";
// What an editor of an older version left: the lock is the folder's own now.
constexpr const char* kOldLockName = ".escartinol-lists.lock";
constexpr std::string_view kUnchanged = "; no list was changed";

std::string Failure(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

std::string FolderOf(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

// The folder's one name, so that a folder reached two ways is locked once.
std::string Canonical(const std::string& path) {
    char* const real = ::realpath(path.c_str(), nullptr);
    if (!real) return path;
    std::string name = real;
    std::free(real);
    return name;
}

std::string Absolute(const std::string& path) {
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.string();
}

struct Target {
    std::string list;       // as the caller named it
    std::string file;       // absolute: the list, or the file its links lead to
    std::string temporary;  // the new file beside it
    bool replaces = false;  // false: file is new
    struct stat replaced {};
};

// The file that a list stands for, checked before anything is written.
std::string ResolveTarget(Target& target) {
    struct stat status {};
    if (::lstat(target.list.c_str(), &status) != 0) {
        if (errno != ENOENT) return Failure("cannot look at", target.list);
        target.file = Absolute(target.list);
        return {};
    }
    const bool link = S_ISLNK(status.st_mode);
    if (link) {
        // Written through: a link to a shared list must still lead to it, with the new words.
        char* const real = ::realpath(target.list.c_str(), nullptr);
        if (!real) return Failure("cannot follow the link", target.list);
        target.file = real;
        std::free(real);
        if (::stat(target.file.c_str(), &status) != 0) return Failure("cannot look at", target.file);
    } else {
        target.file = Absolute(target.list);
    }
    if (!S_ISREG(status.st_mode))
        return target.list + (link ? " leads to " + target.file + ", which" : std::string()) +
               (S_ISDIR(status.st_mode) ? " is a folder" : " is not a plain file") +
               ", where a list must be a plain file" + std::string(kUnchanged);
    target.replaces = true;
    target.replaced = status;
    return {};
}

// The replaced file's owner and group; for a new file that root makes, the folder's, so that sudo
// leaves nothing in a player's folder that the player cannot replace.
std::string GiveOwner(int fd, const Target& target, const std::string& temporary) {
    struct stat folder {};
    const struct stat* owner = &target.replaced;
    if (!target.replaces) {
        if (::geteuid() != 0) return {};
        if (::stat(FolderOf(target.file).c_str(), &folder) != 0)
            return Failure("cannot look at", FolderOf(target.file));
        owner = &folder;
    }
    struct stat now {};
    if (::fstat(fd, &now) != 0) return Failure("cannot look at", temporary);
    if (now.st_uid == owner->st_uid && now.st_gid == owner->st_gid) return {};
    if (::fchown(fd, owner->st_uid, owner->st_gid) != 0)
        return Failure("cannot give the owner of " + target.file + " to", temporary);
    return {};
}

// Never wider than the replaced list's (a link to a device must not lend its 0666), and for a new
// list what anyone who may play needs, where mkstemp's 0600 would hide it.
mode_t ModeFor(const Target& target) {
    if (target.replaces) return target.replaced.st_mode & 0777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0644 & ~mask;
}

bool Later(const timespec& a, const timespec& b) {
    return a.tv_sec != b.tv_sec ? a.tv_sec > b.tv_sec : a.tv_nsec > b.tv_nsec;
}

timespec Plus(timespec time, const timespec& step) {
    time.tv_sec += step.tv_sec;
    time.tv_nsec += step.tv_nsec;
    if (time.tv_nsec >= 1'000'000'000) {
        time.tv_nsec -= 1'000'000'000;
        ++time.tv_sec;
    }
    return time;
}

// A reader that holds the replaced file's stamp must see a change: with the inode reused and the
// size the same, only the time can show it. Where the clock has not moved past what the file
// system keeps, the new time is the old one plus the smallest step it keeps: a nanosecond, a
// second, or the two seconds of FAT.
std::string StampLater(int fd, const Target& target, const std::string& temporary) {
    if (!target.replaces) return {};
    const timespec old = target.replaced.st_mtim;
    constexpr timespec kSteps[] = {{0, 1}, {1, 0}, {2, 0}};
    for (std::size_t step = 0;; ++step) {
        struct stat now {};
        if (::fstat(fd, &now) != 0) return Failure("cannot look at", temporary);
        if (Later(now.st_mtim, old)) return {};
        if (step == std::size(kSteps)) return "cannot give " + temporary + " a time later than " + target.file + "'s";
        const timespec times[2] = {{0, UTIME_OMIT}, Plus(old, kSteps[step])};
        if (::futimens(fd, times) != 0) return Failure("cannot set the time of", temporary);
    }
}

// 0, or the errno of the write that failed.
int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = RetryAfterSignal([&] { return ::write(fd, bytes.data(), bytes.size()); });
        if (written < 0) return errno;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

using FinishFile = std::function<std::string(int fd, const std::string& temporary)>;

// A new file beside `beside`, written, finished and flushed; its name goes to temporary.
std::string WriteTemporary(CPendingFiles& pending, const std::string& beside, std::string_view bytes,
                           std::string& temporary, const FinishFile& finish) {
    temporary = beside + ".XXXXXX";
    CFileDescriptor file = pending.Create(temporary);
    if (!file.IsOpen()) return Failure("cannot create a temporary file beside", beside);
    if (const int failed = WriteAll(file.Get(), bytes)) {
        errno = failed;
        return Failure("cannot write", temporary);
    }
    if (std::string error = finish(file.Get(), temporary); !error.empty()) return error;
    if (::fsync(file.Get()) != 0) return Failure("cannot flush", temporary);
    if (const int failed = file.Close()) {
        errno = failed;
        return Failure("cannot close", temporary);
    }
    return {};
}

std::string SyncFolders(const std::set<std::string>& folders) {
    for (const std::string& folder : folders)
        if (std::string error = SyncFolder(folder); !error.empty()) return error;
    return {};
}

// For the tests that kill an editor at a chosen point: ESCARTINOL_TEST_STOP_EDIT names it ("written",
// or how many lists are renamed), and there the editor stops itself.
void StopForTests(const std::string& point) {
    const char* const at = std::getenv("ESCARTINOL_TEST_STOP_EDIT");
    if (at && point == at) std::raise(SIGSTOP);
}

// The name mkstemp gives a new file beside base.
bool IsTemporaryOf(std::string_view name, std::string_view base) {
    if (name.size() != base.size() + 7 || !name.starts_with(base) || name[base.size()] != '.') return false;
    for (const char c : name.substr(base.size() + 1))
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    return true;
}

void RemoveTemporariesOf(const std::string& folder, const std::vector<std::string>& bases) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        for (const std::string& base : bases)
            if (IsTemporaryOf(name, base)) ::unlink(entry.path().c_str());
    }
}

// What an editor killed before its journal left: new files beside the lists and beside the files
// its links lead to. Another folder is cleared only when no editor holds it.
void RemoveLeftovers(const std::string& dir) {
    // The record of the player's words is replaced beside the lists, through the same temporaries.
    std::vector<std::string> bases = {kJournalName, kWordRecordName};
    const std::string home = Canonical(dir);
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) {
        const std::string list = (std::filesystem::path(dir) / ListFileName(n)).string();
        bases.push_back(ListFileName(n));
        struct stat status {};
        if (::lstat(list.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) continue;
        const std::string file = Canonical(list);
        const std::string folder = FolderOf(file);
        if (file == list || Canonical(folder) == home) {
            bases.push_back(std::filesystem::path(file).filename().string());
            continue;
        }
        std::string error;
        const CFileDescriptor lock = LockFolder(folder, false, {}, error);
        if (lock.IsOpen()) RemoveTemporariesOf(folder, {std::filesystem::path(file).filename().string()});
    }
    RemoveTemporariesOf(dir, bases);
    ::unlink((std::filesystem::path(dir) / kOldLockName).c_str());
}

}  // namespace

std::string ReplaceLists(const std::string& dir, const std::vector<ListContent>& lists) {
    std::vector<Target> targets(lists.size());
    std::set<std::string> folders;
    for (std::size_t i = 0; i < lists.size(); ++i) {
        targets[i].list = lists[i].path;
        if (std::string error = ResolveTarget(targets[i]); !error.empty()) return error;
        folders.insert(FolderOf(targets[i].file));
    }
    // A link may lead into another lists folder, whose editors must wait as well.
    const std::string home = Canonical(dir);
    std::set<std::string> others;
    for (const std::string& folder : folders)
        if (Canonical(folder) != home) others.insert(Canonical(folder));
    std::vector<CFileDescriptor> otherLocks;
    for (const std::string& folder : others) {
        std::string error;
        otherLocks.push_back(LockFolder(folder, true, {}, error));
        if (!error.empty()) return error + std::string(kUnchanged);
    }

    CPendingFiles pending;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const Target& target = targets[i];
        const std::string error = WriteTemporary(
            pending, target.file, lists[i].bytes, targets[i].temporary, [&](int fd, const std::string& temporary) {
                if (std::string failed = GiveOwner(fd, target, temporary); !failed.empty()) return failed;
                if (::fchmod(fd, ModeFor(target)) != 0) return Failure("cannot set the mode of", temporary);
                return StampLater(fd, target, temporary);
            });
        if (!error.empty()) return error + std::string(kUnchanged);
    }
    StopForTests("written");
    if (std::string error = SyncFolders(folders); !error.empty()) return error + std::string(kUnchanged);

    std::string journalBytes(kJournalHeader);
    for (const Target& target : targets) {
        journalBytes.append(target.temporary).push_back('\0');
        journalBytes.append(target.file).push_back('\0');
    }
    Target journal;
    journal.file = Absolute((std::filesystem::path(dir) / kJournalName).string());
    std::string journalTemporary;
    if (std::string error =
            WriteTemporary(pending, journal.file, journalBytes, journalTemporary,
                           [&](int fd, const std::string& temporary) { return GiveOwner(fd, journal, temporary); });
        !error.empty())
        return error + std::string(kUnchanged);

    // From the journal on, the edit is finished rather than undone: a signal waits for its end.
    const CSignalsHeld held;
    if (std::rename(journalTemporary.c_str(), journal.file.c_str()) != 0)
        return Failure("cannot write the journal", journal.file) + std::string(kUnchanged);
    if (std::string error = SyncFolder(dir); !error.empty()) {
        ::unlink(journal.file.c_str());
        return error + std::string(kUnchanged);
    }
    pending.Release();
    StopForTests("0");
    for (std::size_t i = 0; i < targets.size(); ++i) {
        if (std::rename(targets[i].temporary.c_str(), targets[i].file.c_str()) != 0)
            return Failure("cannot replace", targets[i].file) + "; the next edit of " + dir + " finishes the change";
        StopForTests(std::to_string(i + 1));
    }
    if (std::string error = SyncFolders(folders); !error.empty())
        return error + "; a power cut could still undo the change";
    ::unlink(journal.file.c_str());
    if (std::string error = SyncFolder(dir); !error.empty()) return error + "; a power cut could still undo the change";
    return {};
}

std::string FinishInterruptedEdits(const std::string& dir) {
    const std::string journal = (std::filesystem::path(dir) / kJournalName).string();
    const CFileDescriptor file = OpenPlainFile(journal);
    if (!file.IsOpen()) {
        if (errno != ENOENT) return Failure("cannot open", journal);
        RemoveLeftovers(dir);
        return {};
    }
    std::string bytes;
    if (const int failed = ReadToEnd(file.Get(), [&](std::string_view piece) { bytes += piece; })) {
        errno = failed;
        return Failure("cannot read", journal);
    }
    if (!bytes.starts_with(kJournalHeader))
        return journal + " is not a journal of escartinol-lists; remove it once no edit runs";
    // Pairs of names, each ended by a zero byte: the new file, then the file it replaces.
    std::set<std::string> folders;
    std::size_t at = kJournalHeader.size();
    for (std::size_t middle, end; (middle = bytes.find('\0', at)) != std::string::npos &&
                                  (end = bytes.find('\0', middle + 1)) != std::string::npos;
         at = end + 1) {
        const std::string temporary = bytes.substr(at, middle - at);
        const std::string target = bytes.substr(middle + 1, end - middle - 1);
        struct stat status {};
        // Gone: renamed before the editor ended.
        if (::lstat(temporary.c_str(), &status) != 0) continue;
        if (std::rename(temporary.c_str(), target.c_str()) != 0)
            return Failure("cannot finish an interrupted edit: cannot replace", target);
        folders.insert(FolderOf(target));
    }
    if (std::string error = SyncFolders(folders); !error.empty()) return error;
    if (::unlink(journal.c_str()) != 0) return Failure("cannot remove", journal);
    if (std::string error = SyncFolder(dir); !error.empty()) return error;
    RemoveLeftovers(dir);
    return {};
}

}  // namespace escartinol
