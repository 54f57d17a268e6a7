// The lock that the editors of one lists folder take in turn, so that no edit writes over another.
#pragma once

#include <functional>
#include <string>

#include "words/file_descriptor.h"

namespace escartinol {

// An exclusive flock on the folder itself, so that no lock file is left among the lists (nor one
// that a root edit would leave owned by root). A folder cannot be opened for writing, so on NFS,
// where flock becomes a POSIX lock that needs one, the lock fails with one line. Returns the open
// folder, locked, or a closed descriptor and the reason in error. wait: false gives up at once when
// another editor holds it; otherwise onWait is called first and the lock is waited for.
CFileDescriptor LockFolder(const std::string& dir, bool wait, const std::function<void()>& onWait, std::string& error);

// The folder's lock, held until destruction. Once it is held, what an editor killed in this folder
// left is finished or removed, so that every editor starts from whole lists.
class CListsLock {
public:
    // Waits for the lock; onWait is called first when another editor holds it.
    CListsLock(const std::string& dir, const std::function<void()>& onWait);
    CListsLock(const CListsLock&) = delete;
    CListsLock& operator=(const CListsLock&) = delete;

    // Why the lock could not be had or the folder not be made whole; empty once both are done.
    const std::string& Error() const { return m_error; }

private:
    std::string m_error;  // before m_folder, which the lock's error is written from
    CFileDescriptor m_folder;
};

}  // namespace escartinol
