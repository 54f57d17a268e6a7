// cp1252 is Latin-1 but for the block 0x80..0x9F, so one table of 32 characters does the work;
// UTF-8 is read by the table of well-formed byte sequences of the Unicode standard.
#include "words/cp1252.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace escartinol {

namespace {

constexpr char32_t kUndefined = 0;
constexpr char32_t kReplacement = 0xFFFD;

// The characters of cp1252 0x80..0x9F.
// clang-format off
constexpr std::array<char32_t, 32> kHighBlock = {
    0x20AC, kUndefined, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,   // 80..87
    0x02C6, 0x2030,     0x0160, 0x2039, 0x0152, kUndefined, 0x017D, kUndefined,  // 88..8F
    kUndefined, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,   // 90..97
    0x02DC, 0x2122,     0x0161, 0x203A, 0x0153, kUndefined, 0x017E, 0x0178,  // 98..9F
};
// clang-format on

constexpr bool InHighBlock(unsigned char byte) { return byte >= 0x80 && byte < 0xA0; }

char32_t CharacterOf(unsigned char byte) {
    if (!InHighBlock(byte)) return byte;
    const char32_t c = kHighBlock[byte - 0x80];
    return c == kUndefined ? kReplacement : c;
}

// The cp1252 byte of c, or nothing when cp1252 lacks it.
std::optional<char> ByteOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    const auto found = std::find(kHighBlock.begin(), kHighBlock.end(), c);
    if (found == kHighBlock.end()) return std::nullopt;
    return static_cast<char>(0x80 + (found - kHighBlock.begin()));
}

void AppendUtf8(char32_t c, std::string& out) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {  // every character of cp1252 lies below U+10000
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The well-formed UTF-8 sequences of more than one byte, by the range of their first byte: their
// length and the range of their second byte, which shuts out overlong forms, surrogates and code
// points past U+10FFFF. Every later byte is 80..BF.
struct SequenceForm {
    unsigned char firstLow, firstHigh;
    int length;
    unsigned char secondLow, secondHigh;
};
constexpr SequenceForm kSequenceForms[] = {
    {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF}, {0xE1, 0xEC, 3, 0x80, 0xBF}, {0xED, 0xED, 3, 0x80, 0x9F},
    {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF}, {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
};

// The character that begins at text[at], moving at past it; or nothing, moving at one byte on,
// when no well-formed sequence begins there.
std::optional<char32_t> NextCharacter(std::string_view text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char first = byte(0);
    if (first < 0x80) {
        ++at;
        return first;
    }
    const auto form =
        std::find_if(std::begin(kSequenceForms), std::end(kSequenceForms),
                     [first](const SequenceForm& f) { return first >= f.firstLow && first <= f.firstHigh; });
    const auto length = form == std::end(kSequenceForms) ? 0 : static_cast<std::size_t>(form->length);
    bool wellFormed =
        length > 0 && text.size() - at >= length && byte(1) >= form->secondLow && byte(1) <= form->secondHigh;
    char32_t c = first & (0x7F >> length);
    for (std::size_t i = 1; wellFormed && i < length; ++i) {
        wellFormed = (byte(i) & 0xC0) == 0x80;
        c = (c << 6) | (byte(i) & 0x3F);
    }
    at += wellFormed ? length : 1;
    return wellFormed ? std::optional(c) : std::nullopt;
}

// utf8 in cp1252; what has no cp1252 byte becomes replacement, or, without one, fails the whole.
std::optional<std::string> EncodeCp1252(std::string_view utf8, std::optional<char> replacement) {
    std::string cp1252;
    cp1252.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const auto c = NextCharacter(utf8, at);
        const auto byte = c ? ByteOf(*c) : std::nullopt;
        if (!byte && !replacement) return std::nullopt;
        cp1252 += byte ? *byte : *replacement;
    }
    return cp1252;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view cp1252) {
    std::string utf8;
    utf8.reserve(cp1252.size());
    for (const char c : cp1252) AppendUtf8(CharacterOf(static_cast<unsigned char>(c)), utf8);
    return utf8;
}

std::optional<std::string> Utf8ToCp1252(std::string_view utf8) { return EncodeCp1252(utf8, std::nullopt); }

std::string Utf8ToCp1252Lossy(std::string_view utf8) { return *EncodeCp1252(utf8, '?'); }

std::size_t Utf8CharacterLength(std::string_view utf8, std::size_t at) {
    const std::size_t start = at;
    return NextCharacter(utf8, at) ? at - start : 0;
}

}  // namespace escartinol
