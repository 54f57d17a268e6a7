// The lists folder's lock: flock on the folder, waiting while another editor holds it.
#include "tools/lists_lock.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>
#include <cstring>

#include "tools/list_replace.h"

namespace escartinol {

CFileDescriptor LockFolder(const std::string& dir, bool wait, const std::function<void()>& onWait, std::string& error) {
    CFileDescriptor folder(dir, O_RDONLY | O_DIRECTORY);
    if (!folder.IsOpen()) {
        error = "cannot open the folder " + dir + ": " + std::strerror(errno);
        return folder;
    }
    if (::flock(folder.Get(), LOCK_EX | LOCK_NB) == 0) return folder;
    if (errno == EWOULDBLOCK && wait) {
        if (onWait) onWait();
        if (RetryAfterSignal([&] { return ::flock(folder.Get(), LOCK_EX); }) == 0) return folder;
    }
    error = "cannot lock the folder " + dir + ": " + std::strerror(errno);
    return CFileDescriptor();
}

CListsLock::CListsLock(const std::string& dir, const std::function<void()>& onWait)
    : m_folder(LockFolder(dir, true, onWait, m_error)) {
    if (m_error.empty()) m_error = FinishInterruptedEdits(dir);
}

}  // namespace escartinol
