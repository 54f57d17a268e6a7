// Thin RAII wrapper over iconv, so the tools convert with the system's own tables.
#include "tools/text_encoding.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace escartinol {

namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
        if (m_cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole text; an unconvertible or malformed sequence gives nothing unless
    // replacement is set, in which case the offending byte becomes replacement.
    std::optional<std::string> Convert(const std::string& text, const char* replacement) {
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
            if (errno == E2BIG) continue;
            if (!replacement) return std::nullopt;
            out += replacement;
            ++in;
            --inLeft;
        }
        return out;
    }

private:
    iconv_t m_cd;
};

}  // namespace

std::string Cp1252ToUtf8(const std::string& text) {
    static Converter converter("UTF-8", "CP1252");
    return *converter.Convert(text, "\xEF\xBF\xBD");
}

std::optional<std::string> Utf8ToCp1252(const std::string& text) {
    static Converter converter("CP1252", "UTF-8");
    return converter.Convert(text, nullptr);
}

}  // namespace escartinol
