// cp1252 is Latin-1 but for the block 0x80..0x9F, so one table of 32 characters does the work;
// UTF-8 is read by the table of well-formed byte sequences of the Unicode standard.
#include "words/cp1252.h"

#include <algorithm>
#include <array>

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

// The character that begins at text[at], moving at past it; or nothing, moving at one byte on,
// when no well-formed sequence begins there (overlong forms, surrogates and code points past
// U+10FFFF are not).
std::optional<char32_t> NextCharacter(std::string_view text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    int length = 0;
    unsigned char low = 0x80;  // the bounds of the second byte, which depend on the first
    unsigned char high = 0xBF;
    char32_t c = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        c = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        c = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        ++at;
        return std::nullopt;
    }
    if (text.size() - at < static_cast<std::size_t>(length) || byte(at + 1) < low || byte(at + 1) > high) {
        ++at;
        return std::nullopt;
    }
    for (int i = 1; i < length; ++i) {
        const unsigned char next = byte(at + i);
        if ((next & 0xC0) != 0x80) {
            ++at;
            return std::nullopt;
        }
        c = (c << 6) | (next & 0x3F);
    }
    at += static_cast<std::size_t>(length);
    return c;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view cp1252) {
    std::string utf8;
    utf8.reserve(cp1252.size());
    for (const char c : cp1252) AppendUtf8(CharacterOf(static_cast<unsigned char>(c)), utf8);
    return utf8;
}

std::optional<std::string> Utf8ToCp1252(std::string_view utf8) {
    std::string cp1252;
    cp1252.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const auto c = NextCharacter(utf8, at);
        const auto byte = c ? ByteOf(*c) : std::nullopt;
        if (!byte) return std::nullopt;
        cp1252 += *byte;
    }
    return cp1252;
}

std::string Utf8ToCp1252Lossy(std::string_view utf8) {
    std::string cp1252;
    cp1252.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const auto c = NextCharacter(utf8, at);
        cp1252 += c ? ByteOf(*c).value_or('?') : '?';
    }
    return cp1252;
}

}  // namespace escartinol
