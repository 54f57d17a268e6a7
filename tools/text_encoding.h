// cp1252 <-> UTF-8 for the command-line tools, through iconv.
#pragma once

#include <optional>
#include <string>

namespace escartinol {

// cp1252 bytes to UTF-8. Bytes that cp1252 leaves undefined come out as U+FFFD.
std::string Cp1252ToUtf8(const std::string& text);

// UTF-8 to cp1252; nothing when the text is not UTF-8 or holds a character cp1252 lacks.
std::optional<std::string> Utf8ToCp1252(const std::string& text);

}  // namespace escartinol
