// Text as the tools take it in and show it: iconv for a dictionary's encoding, UTF-8 made safe
// to print, and accents typed apart from their letter put back on it.
#pragma once

#include <iconv.h>

#include <optional>
#include <string>
#include <string_view>

namespace escartinol {

// A conversion between two encodings iconv knows (e.g. "UTF-8", "ISO8859-15"), so that any
// encoding a dictionary declares can be read with the system's own tables.
class CTextConverter {
public:
    // Throws std::runtime_error when iconv has no such conversion.
    CTextConverter(const std::string& to, const std::string& from);
    ~CTextConverter();
    CTextConverter(const CTextConverter&) = delete;
    CTextConverter& operator=(const CTextConverter&) = delete;

    // Converts the whole text; nothing when a sequence is malformed or has no equivalent.
    std::optional<std::string> Convert(const std::string& text);

private:
    iconv_t m_cd;
};

// UTF-8 text that came from outside (an argument, a line of input), fit for a terminal: control
// characters and bytes that are not UTF-8 written as \xNN (\t, \r, \n by name), and past limit
// bytes of it cut, saying how long it was.
std::string ShownText(std::string_view utf8, std::size_t limit = 64);

// A letter followed by a combining accent (grave, acute, circumflex, tilde, diaeresis, ring,
// cedilla, caron), as some keyboards and copy-pastes give, becomes the one character that
// Windows-1252 has for them; everything else stays as it was.
std::string ComposeAccents(std::string_view utf8);

}  // namespace escartinol
