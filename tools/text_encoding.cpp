// A thin RAII wrapper over iconv, and two small walks over UTF-8 bytes that need no tables of iconv's.
#include "tools/text_encoding.h"

#include <algorithm>
#include <cerrno>
#include <iterator>
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

namespace {

// The second byte of the UTF-8 form of a combining accent (U+0300..U+033F all start with 0xCC),
// the letters it goes on, and what each becomes.
struct Accent {
    unsigned char mark;
    std::string_view letters;
    std::u32string_view composed;
};
constexpr unsigned char kCombiningLead = 0xCC;
constexpr Accent kAccents[] = {
    {0x80, "AEIOUaeiou", U"\u00C0\u00C8\u00CC\u00D2\u00D9\u00E0\u00E8\u00EC\u00F2\u00F9"},
    {0x81, "AEIOUYaeiouy", U"\u00C1\u00C9\u00CD\u00D3\u00DA\u00DD\u00E1\u00E9\u00ED\u00F3\u00FA\u00FD"},
    {0x82, "AEIOUaeiou", U"\u00C2\u00CA\u00CE\u00D4\u00DB\u00E2\u00EA\u00EE\u00F4\u00FB"},
    {0x83, "ANOano", U"\u00C3\u00D1\u00D5\u00E3\u00F1\u00F5"},
    {0x88, "AEIOUYaeiouy", U"\u00C4\u00CB\u00CF\u00D6\u00DC\u0178\u00E4\u00EB\u00EF\u00F6\u00FC\u00FF"},
    {0x8A, "Aa", U"\u00C5\u00E5"},
    {0x8C, "SZsz", U"\u0160\u017D\u0161\u017E"},
    {0xA7, "Cc", U"\u00C7\u00E7"},
};

// Every character composed here lies below U+0800: two bytes.
void AppendTwoByteUtf8(char32_t c, std::string& out) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
}

std::string Escaped(unsigned char byte) {
    switch (byte) {
        case '\t':
            return "\\t";
        case '\r':
            return "\\r";
        case '\n':
            return "\\n";
        default:
            constexpr char kHex[] = "0123456789ABCDEF";
            return {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]};
    }
}

}  // namespace

std::string ShownText(std::string_view utf8, std::size_t limit) {
    std::string shown;
    std::size_t at = 0;
    while (at < utf8.size() && at < limit) {
        const std::size_t length = Utf8CharacterLength(utf8, at);
        const auto first = static_cast<unsigned char>(utf8[at]);
        // C0 controls, DEL, and the C1 controls U+0080..U+009F, which some terminals obey.
        const bool control = length == 1
                                 ? first < 0x20 || first == 0x7F
                                 : length == 2 && first == 0xC2 && static_cast<unsigned char>(utf8[at + 1]) < 0xA0;
        if (length == 0 || control) {
            for (std::size_t i = 0; i < std::max<std::size_t>(length, 1); ++i)
                shown += Escaped(static_cast<unsigned char>(utf8[at + i]));
        } else {
            shown.append(utf8.substr(at, length));
        }
        at += std::max<std::size_t>(length, 1);
    }
    if (at < utf8.size()) shown += "... (" + std::to_string(utf8.size()) + " bytes)";
    return shown;
}

std::string ComposeAccents(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size(); ++at) {
        const char letter = utf8[at];
        if (at + 2 < utf8.size() && static_cast<unsigned char>(utf8[at + 1]) == kCombiningLead) {
            const auto mark = static_cast<unsigned char>(utf8[at + 2]);
            const auto accent = std::find_if(std::begin(kAccents), std::end(kAccents),
                                             [mark](const Accent& a) { return a.mark == mark; });
            const std::size_t which =
                accent == std::end(kAccents) ? std::string_view::npos : accent->letters.find(letter);
            if (which != std::string_view::npos) {
                AppendTwoByteUtf8(accent->composed[which], out);
                at += 2;
                continue;
            }
        }
        out += letter;
    }
    return out;
}

}  // namespace escartinol
