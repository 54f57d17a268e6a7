// Reading a plain word file, one word a line, without trusting it to be one.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace escartinol {

// No word of any language is longer; a longer line is broken.
inline constexpr std::size_t kMaxWordFileLine = 256;

// Hands each line of the file at path, without its LF or CR LF, to onLine, and counts in
// brokenLines the lines longer than kMaxWordFileLine, which are skipped. Returns an error message,
// empty on success, before any line is handed on: a folder, pipe or device in the file's place, a
// compressed or binary file (a zero byte anywhere), one too large to be a word file, or a read
// that fails.
std::string ReadWordFile(const std::string& path, const std::function<void(std::string_view line)>& onLine,
                         std::size_t& brokenLines);

}  // namespace escartinol
