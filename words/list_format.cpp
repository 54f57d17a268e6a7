// Accent folding over the lower-case letters of cp1252, and the keys and spellings built on it.
#include "words/list_format.h"

#include <algorithm>

namespace escartinol {

std::string ListFileName(int n) { return "DEF_" + std::to_string(n) + "L.txt"; }

std::string ListPath(const std::string& dir, int n) {
    if (dir.empty()) return ListFileName(n);
    return dir + (dir.back() == '/' ? "" : "/") + ListFileName(n);
}

std::string SpellOutLigatures(std::string_view word) {
    std::string out;
    out.reserve(word.size() + 2);
    for (const char c : word) {
        const std::string_view spelling = LigatureSpelling(static_cast<unsigned char>(c));
        if (spelling.empty())
            out += c;
        else
            out += spelling;
    }
    return out;
}

char KeyLetterOf(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    // clang-format off
    switch (c) {
        case 0xE0: case 0xE1: case 0xE2: case 0xE3: case 0xE4: case 0xE5: return 'A';  // à á â ã ä å
        case 0xE7: return 'C';                                                        // ç
        case 0xE8: case 0xE9: case 0xEA: case 0xEB: return 'E';                       // è é ê ë
        case 0xEC: case 0xED: case 0xEE: case 0xEF: return 'I';                       // ì í î ï
        case 0xF1: return 'N';                                                        // ñ
        case 0xF2: case 0xF3: case 0xF4: case 0xF5: case 0xF6: case 0xF8: return 'O'; // ò ó ô õ ö ø
        case 0xF9: case 0xFA: case 0xFB: case 0xFC: return 'U';                       // ù ú û ü
        case 0xFD: case 0xFF: return 'Y';                                             // ý ÿ
        case 0x9A: return 'S';                                                        // š
        case 0x9E: return 'Z';                                                        // ž
        default: return 0;
    }
    // clang-format on
}

bool IsCapitalLetter(unsigned char c) {
    if (IsKeyLetter(static_cast<char>(c))) return true;
    if (c >= 0xC0 && c <= 0xDE) return c != 0xD7;  // 0xD7 is the multiplication sign
    return c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9F;
}

std::string KeyOfWord(std::string_view word) {
    std::string key;
    key.reserve(word.size());
    for (const char c : word) {
        const char letter = KeyLetterOf(static_cast<unsigned char>(c));
        if (letter == 0) return {};
        key += letter;
    }
    std::sort(key.begin(), key.end());
    return key;
}

}  // namespace escartinol
