// cp1252, the code page of the lists and of every text in the core, to and from UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace escartinol {

// Every byte is one character. The five bytes that cp1252 leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) stand for no character and come out as U+FFFD, so the result is always UTF-8.
std::string Cp1252ToUtf8(std::string_view cp1252);

// Nothing when the text is not well-formed UTF-8 or holds a character that cp1252 lacks.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8);

// For a text that must be shown whatever it holds, such as a folder name: a character that cp1252
// lacks, and each byte that begins no well-formed UTF-8 character, come out as '?'.
std::string Utf8ToCp1252Lossy(std::string_view utf8);

// The length in bytes of the well-formed UTF-8 character that begins utf8 at at; 0 when none does.
std::size_t Utf8CharacterLength(std::string_view utf8, std::size_t at);

}  // namespace escartinol
