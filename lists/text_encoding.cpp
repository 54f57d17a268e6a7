// A thin RAII wrapper over iconv, UTF-8 escaped for a terminal, and ICU's composition.
#include "lists/text_encoding.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include <cerrno>
#include <stdexcept>

#include "words/cp1252.h"

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

bool Utf8IsWellFormed(std::string_view utf8) {
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t length = Utf8CharacterLength(utf8, at);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

std::string ComposeAccents(std::string_view utf8) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* const nfc = icu::Normalizer2::getNFCInstance(status);
    const icu::UnicodeString composed =
        U_SUCCESS(status)
            ? nfc->normalize(
                  icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size()))),
                  status)
            : icu::UnicodeString();
    // Bytes that are not UTF-8 would come back as U+FFFD: they stay as they were, for the caller to refuse.
    if (U_FAILURE(status) || !Utf8IsWellFormed(utf8)) return std::string(utf8);
    std::string out;
    return composed.toUTF8String(out);
}

}  // namespace escartinol
