// What tells a list file's present state from the one that was indexed, at the cost of one stat.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace escartinol {

// Which file it is, its size and the times of its last write and last change, to the nanosecond.
// The change time catches a rewrite that puts the old modification time back (cp -p, touch -r).
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;
    std::int64_t changedSeconds = 0;
    std::int64_t changedNanoseconds = 0;

    bool operator==(const FileStamp&) const = default;
};

// The real-time clock, in nanoseconds since 1970: what a file's times are read against.
std::int64_t NowNanoseconds();

// True when a write at or after `since` (NowNanoseconds) could leave the file with this very stamp:
// its last write or change lies within a tick of the clock the file system keeps (two seconds where
// the times have no nanoseconds, as on FAT; else a kernel tick or two). What was read of such a file
// may be half of an edit that ends unseen, so it is read again once the tick is past.
bool MayChangeUnseen(const FileStamp& stamp, std::int64_t since);

// The stamp of an open file, or none when it cannot be had.
std::optional<FileStamp> StampOfOpenFile(int fd);
// The stamp of the file at path, or none when there is no such file.
std::optional<FileStamp> StampOfPath(const std::string& path);

}  // namespace escartinol
