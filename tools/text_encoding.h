// Text between cp1252 and other encodings for the command-line tools, through iconv.
#pragma once

#include <iconv.h>

#include <optional>
#include <string>

namespace escartinol {

// A conversion between two encodings iconv knows (e.g. "UTF-8", "CP1252", "ISO8859-15"), so the
// tools convert with the system's own tables.
class CTextConverter {
public:
    // Throws std::runtime_error when iconv has no such conversion.
    CTextConverter(const std::string& to, const std::string& from);
    ~CTextConverter();
    CTextConverter(const CTextConverter&) = delete;
    CTextConverter& operator=(const CTextConverter&) = delete;

    // Converts the whole text; an unconvertible or malformed sequence gives nothing unless
    // replacement is set, in which case the offending byte becomes replacement.
    std::optional<std::string> Convert(const std::string& text, const char* replacement = nullptr);

private:
    iconv_t m_cd;
};

// cp1252 bytes to UTF-8. Bytes that cp1252 leaves undefined come out as U+FFFD.
std::string Cp1252ToUtf8(const std::string& text);

// UTF-8 to cp1252; nothing when the text is not UTF-8 or holds a character cp1252 lacks.
std::optional<std::string> Utf8ToCp1252(const std::string& text);

}  // namespace escartinol
