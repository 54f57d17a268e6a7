// A list file read whole into memory, in one read when it holds still, with the stamp of what was read.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "words/file_stamp.h"

namespace escartinol {

class CListFileReader {
public:
    // Reads the file at path into the buffer, which the next file read reuses; only as far as an index
    // can address. False when the file cannot be opened or read (a folder, say).
    bool Read(const std::string& path);

    // What was read, up to the first end mark 0x1A.
    std::string_view Content() const { return m_content; }
    // The file as it was just before it was read; that of the path when it could not be opened, or
    // none when there is no such file.
    const std::optional<FileStamp>& Stamp() const { return m_stamp; }

private:
    // A buffer of capacity bytes that starts with the first kept bytes of the present one.
    void Reserve(std::size_t capacity, std::size_t kept);

    std::unique_ptr<char[]> m_buffer;
    std::size_t m_capacity = 0;
    std::string_view m_content;
    std::optional<FileStamp> m_stamp;
};

}  // namespace escartinol
