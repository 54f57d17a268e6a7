// File stamps from fstat and stat.
#include "words/file_stamp.h"

#include <sys/stat.h>

namespace escartinol {

namespace {

FileStamp StampOf(const struct stat& status) {
    return {
        .device = static_cast<std::uint64_t>(status.st_dev),
        .inode = static_cast<std::uint64_t>(status.st_ino),
        .size = static_cast<std::int64_t>(status.st_size),
        .modifiedSeconds = static_cast<std::int64_t>(status.st_mtim.tv_sec),
        .modifiedNanoseconds = static_cast<std::int64_t>(status.st_mtim.tv_nsec),
        .changedSeconds = static_cast<std::int64_t>(status.st_ctim.tv_sec),
        .changedNanoseconds = static_cast<std::int64_t>(status.st_ctim.tv_nsec),
    };
}

}  // namespace

std::optional<FileStamp> StampOfOpenFile(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) != 0) return std::nullopt;
    return StampOf(status);
}

std::optional<FileStamp> StampOfPath(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return std::nullopt;
    return StampOf(status);
}

}  // namespace escartinol
