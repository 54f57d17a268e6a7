// The lock that the editors of one lists folder take in turn, so that no edit writes over another.
#pragma once

#include <functional>
#include <string>

#include "words/file_descriptor.h"

namespace escartinol {

// An exclusive flock on a lock file in the folder, held until destruction. A lock file rather
// than the folder itself: on NFS flock becomes a POSIX lock, which needs a descriptor open for
// writing, and a folder cannot be opened so. The file stays: removing it would let the next
// editor lock a new file while another still holds the old one.
class CListsLock {
public:
    // Waits for the lock; onWait is called first when another editor holds it.
    CListsLock(const std::string& dir, const std::function<void()>& onWait);
    CListsLock(const CListsLock&) = delete;
    CListsLock& operator=(const CListsLock&) = delete;

    // Why the lock could not be had; empty once it is held.
    const std::string& Error() const { return m_error; }

private:
    CFileDescriptor m_file;
    std::string m_error;
};

// Hidden, and named for the tool, so that the player knows what left it there.
inline constexpr const char* kListsLockName = ".escartinol-lists.lock";

}  // namespace escartinol
