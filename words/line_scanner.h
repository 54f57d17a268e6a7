// Reads a list file in chunks and reports each line: where it starts, its length and its head.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

namespace escartinol {

struct ScannedLine {
    std::int64_t start = 0;     // raw byte offset of the line in the file
    std::int64_t length = 0;    // characters before the line end (a CR before the LF is not counted)
    std::int64_t next = 0;      // raw byte offset just past the line end
    bool hasLineFeed = false;
    const char* head = nullptr; // the first min(length, headSize) characters
};

// Calls onLine for every line of the file, in order. A CR LF or a lone LF ends a line; a byte
// 0x1A ends the file; a line end at the very end opens no further line. Lines of any length
// are handled in constant memory. Returns false when the file cannot be opened or read.
bool ScanLines(const std::string& path, std::size_t headSize, const std::function<bool(const ScannedLine&)>& onLine);

}  // namespace escartinol
