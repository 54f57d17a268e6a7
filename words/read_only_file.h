// A file opened for reading by its path, closed when it goes out of scope.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <string>

namespace escartinol {

class CReadOnlyFile {
public:
    explicit CReadOnlyFile(const std::string& path) : m_fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~CReadOnlyFile() {
        if (m_fd >= 0) ::close(m_fd);
    }
    CReadOnlyFile(const CReadOnlyFile&) = delete;
    CReadOnlyFile& operator=(const CReadOnlyFile&) = delete;

    // Negative when the file could not be opened.
    int Fd() const { return m_fd; }

private:
    int m_fd;
};

}  // namespace escartinol
