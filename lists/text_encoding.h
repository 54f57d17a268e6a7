// Text as the list tools take it in: iconv for a dictionary's encoding, and accents typed apart
// from their letter put back on it.
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

// True when every byte belongs to a well-formed UTF-8 character.
bool Utf8IsWellFormed(std::string_view utf8);

// Composed (Unicode's NFC): a letter followed by a combining accent, as some keyboards and
// copy-pastes give, becomes the one character for both. Text that is not UTF-8 stays as it was.
std::string ComposeAccents(std::string_view utf8);

}  // namespace escartinol
