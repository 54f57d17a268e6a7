// Text in the encoding of a Hunspell dictionary, to and from UTF-8 through iconv.
#pragma once

#include <iconv.h>

#include <optional>
#include <string>

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

}  // namespace escartinol
