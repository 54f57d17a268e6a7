// File stamps from fstat and stat.
#include "words/file_stamp.h"

#include <sys/stat.h>

#include <algorithm>
#include <chrono>

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

std::int64_t NowNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

bool MayChangeUnseen(const FileStamp& stamp, std::int64_t since) {
    constexpr std::int64_t kSecond = 1'000'000'000;
    const bool wholeSeconds = stamp.modifiedNanoseconds == 0 && stamp.changedNanoseconds == 0;
    // Kernels stamp files from a clock that lags the real one by up to a tick (4 ms at 250 Hz).
    const std::int64_t tick = wholeSeconds ? 2 * kSecond : 20'000'000;
    const std::int64_t latest = std::max(stamp.modifiedSeconds * kSecond + stamp.modifiedNanoseconds,
                                         stamp.changedSeconds * kSecond + stamp.changedNanoseconds);
    return since < latest + tick;
}

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
