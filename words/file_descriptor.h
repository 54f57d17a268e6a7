// An open file descriptor that closes itself, and the whole-file read that the list readers share.
#pragma once

#include <sys/types.h>

#include <cerrno>
#include <functional>
#include <string>
#include <string_view>

namespace escartinol {

// Calls a system call again for as long as a signal interrupts it (-1 with errno EINTR), so that a
// handled signal never turns into a failure; returns what the last call returned.
template <typename Call>
auto RetryAfterSignal(Call call) {
    for (;;) {
        const auto result = call();
        if (result != -1 || errno != EINTR) return result;
    }
}

class CFileDescriptor {
public:
    CFileDescriptor() = default;
    // Takes ownership of fd, which may be -1 (as from a failed mkstemp).
    explicit CFileDescriptor(int fd) : m_fd(fd) {}
    // open(2), close-on-exec; when it fails, IsOpen() is false and errno says why.
    CFileDescriptor(const std::string& path, int flags, mode_t mode = 0);
    ~CFileDescriptor() { Close(); }
    CFileDescriptor(CFileDescriptor&& other) noexcept;
    CFileDescriptor& operator=(CFileDescriptor&& other) noexcept;

    bool IsOpen() const { return m_fd >= 0; }
    int Get() const { return m_fd; }

    // Closes it now, for a writer that must hear close's own failure: 0, or the errno.
    int Close();

private:
    int m_fd = -1;
};

// Opens a file to read that must be a plain file: a named pipe in its place would block the open
// and a device would never end, so those fail as a folder does, with errno EISDIR for a folder
// and EINVAL for anything else.
CFileDescriptor OpenPlainFile(const std::string& path);

// Reads fd from where it stands to its end, handing each piece to onPiece: 0, or the errno of the
// read that failed (a folder opens like a file and only fails to read).
int ReadToEnd(int fd, const std::function<void(std::string_view piece)>& onPiece);

}  // namespace escartinol
