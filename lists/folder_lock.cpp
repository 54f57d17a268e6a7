// An open file description lock, which only a descriptor open for writing can take, and which
// belongs to the descriptor rather than the process.
#include "lists/folder_lock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "lists/list_files.h"
#include "lists/list_replace.h"

namespace escartinol {

namespace {

bool TakeLock(int fd, bool wait) {
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    return RetryAfterSignal([&] { return ::fcntl(fd, wait ? F_OFD_SETLKW : F_OFD_SETLK, &whole); }) == 0;
}

}  // namespace

CFileDescriptor LockFolder(const std::string& dir, bool wait, const std::function<void()>& onWait, std::string& error) {
    const std::string path = InFolder(dir, kLockName);
    struct stat folder {};
    if (::stat(dir.empty() ? "." : dir.c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode)) {
        error = "cannot open the folder " + dir + ": " + std::strerror(S_ISDIR(folder.st_mode) ? errno : ENOTDIR);
        return {};
    }
    // Readable and writable by exactly those who may write the folder. No link is followed, and
    // a pipe in its place neither blocks the open nor passes for the file.
    const mode_t mode = (folder.st_mode & 0222) | ((folder.st_mode & 0222) << 1);
    CFileDescriptor file(path, O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK, mode);
    struct stat status {};
    if (!file.IsOpen() || ::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        error = "cannot open the lock of the folder " + dir + ", " + path + ": " +
                std::strerror(file.IsOpen() ? EINVAL : errno);
        return {};
    }
    // Made by one editor, for all: what fails here is a file someone else made, left as it is.
    if (status.st_gid != folder.st_gid) (void)::fchown(file.Get(), static_cast<uid_t>(-1), folder.st_gid);
    if ((status.st_mode & 0777) != mode) (void)::fchmod(file.Get(), mode);
    if (TakeLock(file.Get(), false)) return file;
    if ((errno == EAGAIN || errno == EACCES) && wait) {
        if (onWait) onWait();
        if (TakeLock(file.Get(), true)) return file;
    }
    error = "cannot lock the folder " + dir + ": " + std::strerror(errno);
    return {};
}

CFolderLock::CFolderLock(const std::string& dir, const std::function<void()>& onWait)
    : m_file(LockFolder(dir, true, onWait, m_error)) {
    if (m_error.empty()) m_error = FinishInterruptedEdit(dir, m_finished);
}

}  // namespace escartinol
