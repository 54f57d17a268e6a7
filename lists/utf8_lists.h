// Lists that a text editor saved as UTF-8: the game would show each accent as two characters.
#pragma once

#include <string>
#include <string_view>

namespace escartinol {

// The bytes after a UTF-8 byte order mark, which some editors put first.
std::string_view WithoutByteOrderMark(std::string_view bytes);

// Well-formed UTF-8 (after any byte order mark) with at least one character beyond ASCII, or a
// byte order mark. A Windows-1252 list with an accent is almost never well-formed UTF-8: an
// accented letter would have to be followed by one or two of the bytes 0x80..0xBF, which no word holds.
bool IsUtf8List(std::string_view bytes);

// The first word of the list that holds a character beyond ASCII, in UTF-8; empty when none does.
std::string FirstAccentedWord(std::string_view bytes);

}  // namespace escartinol
