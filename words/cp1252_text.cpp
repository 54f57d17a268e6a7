// The standard library decodes the UTF-8; only the block 0x80..0x9F, where cp1252 differs from
// Latin-1, needs a table.
#include "words/cp1252_text.h"

#include <algorithm>
#include <filesystem>
#include <iterator>

namespace escartinol {

namespace {

// The characters of cp1252 0x80..0x9F; zero where the code page leaves the byte undefined.
constexpr char32_t kHighBlock[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                     0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char Cp1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    const auto found = std::find(std::begin(kHighBlock), std::end(kHighBlock), c);
    return found != std::end(kHighBlock) ? static_cast<char>(0x80 + (found - std::begin(kHighBlock))) : '?';
}

}  // namespace

std::string Cp1252FileName(const std::string& utf8) {
    std::u32string characters;
    try {
        characters = std::filesystem::path(utf8).u32string();
    } catch (const std::filesystem::filesystem_error&) {
        std::string shown = utf8;
        std::replace_if(
            shown.begin(), shown.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }, '?');
        return shown;
    }
    std::string shown;
    std::transform(characters.begin(), characters.end(), std::back_inserter(shown), Cp1252Byte);
    return shown;
}

}  // namespace escartinol
