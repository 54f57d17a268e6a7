// The signal handler that removes temporary files: only unlink and raise, which a handler may call.
#include "tools/pending_files.h"

#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstring>

namespace escartinol {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
// Six lists and a journal fit with room; a file beyond is left to the next editor to remove.
constexpr int kMaxPending = 16;
char g_pending[kMaxPending][PATH_MAX];
volatile sig_atomic_t g_pendingCount = 0;

void RemovePending() {
    for (int i = 0; i < g_pendingCount; ++i) ::unlink(g_pending[i]);
    g_pendingCount = 0;
}

void OnEndingSignal(int signal) {
    RemovePending();
    // The handler was installed to reset itself, so the signal now ends the program as it would have.
    ::raise(signal);
}

sigset_t EndingSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : kSignals) sigaddset(&set, signal);
    return set;
}

}  // namespace

CPendingFiles::CPendingFiles() {
    struct sigaction action {};
    action.sa_handler = OnEndingSignal;
    action.sa_flags = SA_RESETHAND;
    action.sa_mask = EndingSignals();
    for (int i = 0; i < 3; ++i) ::sigaction(kSignals[i], &action, &m_previous[i]);
}

CPendingFiles::~CPendingFiles() {
    {
        const CSignalsHeld held;
        RemovePending();
    }
    for (int i = 0; i < 3; ++i) ::sigaction(kSignals[i], &m_previous[i], nullptr);
}

CFileDescriptor CPendingFiles::Create(std::string& pattern) {
    // Held back between the file's making and its holding, so that no signal leaves it behind.
    const CSignalsHeld held;
    CFileDescriptor file(::mkostemp(pattern.data(), O_CLOEXEC));
    if (file.IsOpen() && g_pendingCount < kMaxPending && pattern.size() < PATH_MAX) {
        std::memcpy(g_pending[g_pendingCount], pattern.c_str(), pattern.size() + 1);
        g_pendingCount = g_pendingCount + 1;
    }
    return file;
}

void CPendingFiles::Release() { g_pendingCount = 0; }

CSignalsHeld::CSignalsHeld() {
    const sigset_t set = EndingSignals();
    ::sigprocmask(SIG_BLOCK, &set, &m_previous);
}

CSignalsHeld::~CSignalsHeld() { ::sigprocmask(SIG_SETMASK, &m_previous, nullptr); }

}  // namespace escartinol
