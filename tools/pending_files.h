// Temporary files that TERM, INT or HUP remove at once, and the stretch in which those signals wait.
#pragma once

#include <signal.h>

#include <string>

#include "words/file_descriptor.h"

namespace escartinol {

// While one lives, TERM, INT and HUP remove the files it holds and then end the program as they
// would have; its destruction removes them too. One at a time in a program.
class CPendingFiles {
public:
    CPendingFiles();
    ~CPendingFiles();
    CPendingFiles(const CPendingFiles&) = delete;
    CPendingFiles& operator=(const CPendingFiles&) = delete;

    // mkstemp on pattern (ending in XXXXXX, replaced by the name made), the file held from the
    // moment it exists.
    CFileDescriptor Create(std::string& pattern);
    // The files become someone else's to finish: neither a signal nor the destructor removes them.
    void Release();

private:
    struct sigaction m_previous[3];
};

// Holds TERM, INT and HUP back until destruction, when a pending one takes effect.
class CSignalsHeld {
public:
    CSignalsHeld();
    ~CSignalsHeld();
    CSignalsHeld(const CSignalsHeld&) = delete;
    CSignalsHeld& operator=(const CSignalsHeld&) = delete;

private:
    sigset_t m_previous;
};

}  // namespace escartinol
