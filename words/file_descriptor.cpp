// open, read and close, read retried after a signal.
#include "words/file_descriptor.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <utility>

namespace escartinol {

namespace {

// Large enough that a list of megabytes costs few calls, small enough to stay in cache.
constexpr std::size_t kPieceSize = 1 << 16;

}  // namespace

CFileDescriptor::CFileDescriptor(const std::string& path, int flags, mode_t mode)
    : m_fd(::open(path.c_str(), flags | O_CLOEXEC, mode)) {}

CFileDescriptor::CFileDescriptor(CFileDescriptor&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

CFileDescriptor& CFileDescriptor::operator=(CFileDescriptor&& other) noexcept {
    if (this != &other) {
        Close();
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

int CFileDescriptor::Close() {
    // Linux frees the descriptor even when close fails, so it is never closed twice.
    if (m_fd < 0 || ::close(std::exchange(m_fd, -1)) == 0) return 0;
    return errno;
}

CFileDescriptor OpenPlainFile(const std::string& path) {
    // Not blocking, so that a pipe without a writer cannot hold the open; a plain file ignores it.
    CFileDescriptor file(path, O_RDONLY | O_NONBLOCK);
    struct stat status {};
    if (!file.IsOpen() || ::fstat(file.Get(), &status) != 0) return CFileDescriptor();
    if (S_ISREG(status.st_mode)) return file;
    errno = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
    return CFileDescriptor();
}

int ReadToEnd(int fd, const std::function<void(std::string_view)>& onPiece) {
    const auto buffer = std::unique_ptr<char[]>(new char[kPieceSize]);
    for (;;) {
        const ssize_t got = RetryAfterSignal([&] { return ::read(fd, buffer.get(), kPieceSize); });
        if (got < 0) return errno;
        if (got == 0) return 0;
        onPiece(std::string_view(buffer.get(), static_cast<std::size_t>(got)));
    }
}

}  // namespace escartinol
