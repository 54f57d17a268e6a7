// The letter a key raises on the board.
#include "game/board_input.h"

#include <optional>
#include <string>

#include "words/cp1252.h"
#include "words/list_format.h"

namespace escartinol {

char BoardLetterOfKey(std::string_view utf8) {
    const std::optional<std::string> cp1252 = Utf8ToCp1252(utf8);
    if (!cp1252 || cp1252->size() != 1) return 0;
    const auto c = static_cast<unsigned char>((*cp1252)[0]);
    if (IsKeyLetter(static_cast<char>(c))) return static_cast<char>(c);
    // The accented capitals: À..Þ lie 0x20 below their lower-case letters, the other three apart.
    if (c >= 0xC0 && c <= 0xDE) return KeyLetterOf(c + 0x20);
    if (c == 0x8A || c == 0x8E) return KeyLetterOf(c + 0x10);  // Š Ž
    if (c == 0x9F) return 'Y';                                 // Ÿ
    return KeyLetterOf(c);
}

}  // namespace escartinol
