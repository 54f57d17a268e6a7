// Reading a plain word file, one word a line, without trusting it to be one.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace escartinol {

// No word of any language is longer; a longer line is broken and is never held whole, so that a
// file of one endless line (/dev/zero, say) costs no memory.
inline constexpr std::size_t kMaxWordFileLine = 256;

// Hands each line of the file at path, without its LF or CR LF, to onLine, and counts in
// brokenLines the lines longer than kMaxWordFileLine, which are skipped. Returns an error message,
// empty on success: a folder, pipe or device in the file's place, a compressed or binary file (a
// zero byte anywhere), or a read that fails. Lines may have been handed on before a zero byte or
// a failed read shows, so a caller writes nothing until this returns.
std::string ReadWordFile(const std::string& path, const std::function<void(std::string_view line)>& onLine,
                         std::size_t& brokenLines);

}  // namespace escartinol
