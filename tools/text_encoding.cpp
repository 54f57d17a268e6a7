// Thin RAII wrapper over iconv.
#include "tools/text_encoding.h"

#include <cerrno>
#include <stdexcept>

namespace escartinol {

CTextConverter::CTextConverter(const std::string& to, const std::string& from)
    : m_cd(iconv_open(to.c_str(), from.c_str())) {
    if (m_cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert " + from + " to " + to);
}

CTextConverter::~CTextConverter() { iconv_close(m_cd); }

std::optional<std::string> CTextConverter::Convert(const std::string& text) {
    iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char buffer[256];
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t done = iconv(m_cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (done != static_cast<std::size_t>(-1)) continue;
        if (errno != E2BIG) return std::nullopt;
    }
    return out;
}

}  // namespace escartinol
