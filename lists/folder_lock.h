// The lock that the editors of one lists folder take in turn, so that no edit writes over another.
#pragma once

#include <functional>
#include <string>

#include "words/file_descriptor.h"

namespace escartinol {

// A write lock on the folder's lock file, which is opened for writing, so that a user who may only
// read the folder cannot hold its editors back. Returns the open lock file, locked, or a closed
// descriptor and the reason in error. wait: false gives up at once when another editor holds it;
// otherwise onWait is called first and the lock is waited for.
CFileDescriptor LockFolder(const std::string& dir, bool wait, const std::function<void()>& onWait, std::string& error);

// The folder's lock, held until destruction. Once it is held, what an editor killed in this folder
// left is finished or removed, so that every editor starts from whole lists.
class CFolderLock {
public:
    CFolderLock(const std::string& dir, const std::function<void()>& onWait);
    CFolderLock(const CFolderLock&) = delete;
    CFolderLock& operator=(const CFolderLock&) = delete;

    // Why the lock could not be had or the folder not be made whole; empty once both are done.
    const std::string& Error() const { return m_error; }
    // What was found of an interrupted edit and finished, for the player to hear; empty when none.
    const std::string& Finished() const { return m_finished; }

private:
    std::string m_error;  // before m_file, which the lock's error is written from
    std::string m_finished;
    CFileDescriptor m_file;
};

}  // namespace escartinol
