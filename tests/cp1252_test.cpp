// The one conversion between the core's cp1252 texts and UTF-8: every byte, and what it refuses.
#include "words/cp1252.h"

#include <gtest/gtest.h>

namespace escartinol {
namespace {

const std::string kBad = "\xEF\xBF\xBD";  // U+FFFD

// A wrong table entry would still come back as itself, so the block where cp1252 is not Latin-1 is
// pinned character by character; every byte then goes there and back.
TEST(Cp1252, EveryByteMapsToItsOwnCharacter) {
    std::string high;
    for (int byte = 0x80; byte < 0xA0; ++byte) high += static_cast<char>(byte);
    EXPECT_EQ(Cp1252ToUtf8(high + "\xA0\xE9\xFF"),
              "€" + kBad + "‚ƒ„…†‡ˆ‰Š‹Œ" + kBad + "Ž" + kBad + kBad + "‘’“”•–—˜™š›œ" + kBad + "žŸ\u00A0éÿ");
    for (int byte = 0; byte < 256; ++byte) {
        const std::string text(1, static_cast<char>(byte));
        const bool undefined = byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
        EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(text)), undefined ? std::nullopt : std::optional(text)) << byte;
    }
}

// A word typed or read from a file must be refused whole rather than turned into other letters.
TEST(Cp1252, Utf8WithoutACp1252FormIsRefused) {
    for (const char* text : {
             "\x80", "\xC3", "ab\xE9", "\xFF",                           // stray, cut short, Latin-1, never UTF-8
             "\xC0\xAF", "\xE0\x80\xAF", "\xF0\x80\x80\xAF",             // overlong forms
             "\xED\xA0\x80", "\xF4\x90\x80\x80",                         // a surrogate, past U+10FFFF
             "\xC2\x81", "中", "😀", "\xEF\xBF\xBD", "\xE2\x82\xAC\xE4",  // a control, CJK, an emoji, U+FFFD, € then cut
             "\xD1\x81", "\xE8\x81\x81",                                 // Cyrillic es, a CJK: with a lead bit lost, A
         })
        EXPECT_EQ(Utf8ToCp1252(text), std::nullopt) << text;
    EXPECT_EQ(Utf8ToCp1252("œuf à 5 €"), "\x9Cuf \xE0 5 \x80");
    // Each byte that begins no character is one mark; the well-formed ones around it still count.
    EXPECT_EQ(Utf8ToCp1252Lossy("a\xE9z中“é\xE4\xB8é"), "a?z?\x93\xE9??\xE9");
}

}  // namespace
}  // namespace escartinol
