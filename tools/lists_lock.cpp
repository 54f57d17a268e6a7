// The lists folder's lock: flock, waiting while another editor holds it.
#include "tools/lists_lock.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace escartinol {

CListsLock::CListsLock(const std::string& dir, const std::function<void()>& onWait) {
    const std::string path = (std::filesystem::path(dir) / kListsLockName).string();
    m_file = CFileDescriptor(path, O_RDWR | O_CREAT, 0644);
    if (!m_file.IsOpen()) {
        m_error = "cannot open the lock file " + path + ": " + std::strerror(errno);
        return;
    }
    if (::flock(m_file.Get(), LOCK_EX | LOCK_NB) == 0) return;
    if (errno == EWOULDBLOCK && onWait) onWait();
    int locked;
    do {
        locked = ::flock(m_file.Get(), LOCK_EX);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) m_error = "cannot lock " + path + ": " + std::strerror(errno);
}

}  // namespace escartinol
