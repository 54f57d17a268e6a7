// Temporary file, fsync, rename, then the folder's fsync: the usual way to replace a file whole or not at all.
#include "tools/list_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "words/list_format.h"

namespace escartinol {

std::string WriteFileAtomically(const std::string& path, const std::string& bytes) {
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) return "cannot create a temporary file beside " + path + ": " + std::strerror(errno);
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    std::string error;
    while (left > 0 && error.empty()) {
        const ssize_t written = write(fd, p, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            error = std::string("cannot write ") + temporary + ": " + std::strerror(errno);
        } else {
            p += written;
            left -= static_cast<std::size_t>(written);
        }
    }
    if (error.empty() && fsync(fd) != 0) error = std::string("cannot flush ") + temporary + ": " + std::strerror(errno);
    // A list is read by anyone who may play; mkstemp's private mode would hide it.
    if (error.empty() && fchmod(fd, 0644) != 0)
        error = std::string("cannot set the mode of ") + temporary + ": " + std::strerror(errno);
    if (close(fd) != 0 && error.empty()) error = std::string("cannot close ") + temporary + ": " + std::strerror(errno);
    if (error.empty() && std::rename(temporary.c_str(), path.c_str()) != 0)
        error = "cannot replace " + path + ": " + std::strerror(errno);
    if (!error.empty()) std::remove(temporary.c_str());
    return error;
}

std::string WriteListAtomically(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += kLineEnd;
    }
    return WriteFileAtomically(path, bytes);
}

std::string SyncFolder(const std::string& dir) {
    const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return "cannot open the folder " + dir + ": " + std::strerror(errno);
    std::string error;
    if (fsync(fd) != 0) error = "cannot flush the folder " + dir + ": " + std::strerror(errno);
    close(fd);
    return error;
}

std::string ReadFileBytes(const std::string& path, std::string& bytes) {
    bytes.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return "cannot open " + path + ": " + std::strerror(errno);
    char buffer[1 << 16];
    while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, file)) bytes.append(buffer, got);
    std::string error;
    if (std::ferror(file)) error = "cannot read " + path + ": " + std::strerror(errno);
    std::fclose(file);
    return error;
}

}  // namespace escartinol
