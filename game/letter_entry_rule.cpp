// Capitals for the letter box.
#include "game/letter_entry_rule.h"

namespace escartinol {

namespace {

constexpr char16_t kSharpS = 0xDF;

// The capital of a lower-case letter of cp1252; any other character as it is.
char16_t CapitalOf(char16_t c) {
    if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - u'a' + u'A');
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char16_t>(c - 0x20);  // à..þ but ÷
    switch (c) {
        case 0xFF:
            return 0x178;  // ÿ
        case 0x153:
            return 0x152;  // œ
        case 0x161:
            return 0x160;  // š
        case 0x17E:
            return 0x17D;  // ž
        default:
            return c;
    }
}

}  // namespace

std::u16string EntryCapitals(std::u16string_view text) {
    std::u16string capitals;
    capitals.reserve(text.size());
    for (const char16_t c : text) {
        if (c == kSharpS)
            capitals += u"SS";
        else
            capitals += CapitalOf(c);
    }
    return capitals;
}

}  // namespace escartinol
