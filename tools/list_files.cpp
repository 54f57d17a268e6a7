// Temporary file, fsync, rename, then the folder's fsync: the usual way to replace a file whole or not at all.
#include "tools/list_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "words/file_descriptor.h"
#include "words/list_format.h"

namespace escartinol {

namespace {

// A new list is read by anyone who may play, where mkstemp's 0600 would hide it; a list replaced
// keeps the mode its owner gave it.
mode_t ModeOfReplacement(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0644;
}

// 0, or the errno of the write that failed.
int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written >= 0)
            bytes.remove_prefix(static_cast<std::size_t>(written));
        else if (errno != EINTR)
            return errno;
    }
    return 0;
}

}  // namespace

std::string WriteFileAtomically(const std::string& path, const std::string& bytes) {
    const mode_t mode = ModeOfReplacement(path);
    std::string temporary = path + ".XXXXXX";
    CFileDescriptor file(::mkstemp(temporary.data()));
    if (!file.IsOpen()) return "cannot create a temporary file beside " + path + ": " + std::strerror(errno);
    std::string error;
    if (const int failed = WriteAll(file.Get(), bytes))
        error = "cannot write " + temporary + ": " + std::strerror(failed);
    if (error.empty() && ::fsync(file.Get()) != 0) error = "cannot flush " + temporary + ": " + std::strerror(errno);
    if (error.empty() && ::fchmod(file.Get(), mode) != 0)
        error = "cannot set the mode of " + temporary + ": " + std::strerror(errno);
    if (const int failed = file.Close(); failed != 0 && error.empty())
        error = "cannot close " + temporary + ": " + std::strerror(failed);
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
    const CFileDescriptor folder(dir, O_RDONLY | O_DIRECTORY);
    if (!folder.IsOpen()) return "cannot open the folder " + dir + ": " + std::strerror(errno);
    if (fsync(folder.Get()) != 0) return "cannot flush the folder " + dir + ": " + std::strerror(errno);
    return {};
}

std::string ReadFileBytes(const std::string& path, std::string& bytes) {
    bytes.clear();
    const CFileDescriptor file = OpenPlainFile(path);
    if (!file.IsOpen()) return "cannot open " + path + ": " + std::strerror(errno);
    if (const int error = ReadToEnd(file.Get(), [&](std::string_view piece) { bytes += piece; }))
        return "cannot read " + path + ": " + std::strerror(error);
    return {};
}

}  // namespace escartinol
