// The Occitan texts of the result rows, in cp1252 (ò is 0xF2, è is 0xE8).
#include "words/search_texts.h"

#include <array>

#include "words/list_format.h"

namespace escartinol {

namespace {

constexpr std::array<std::string_view, kListCount> kHeaders = {
    "4 LETRAS:  ", "5 LETRAS:  ", "6 LETRAS:  ", "7 LETRAS:  ", "8 LETRAS:  ", "9 LETRAS:  ",
};

// clang-format off
constexpr std::array<std::string_view, kListCount> kSuffixes = {
    "  Quatre LETRAS", "  Cinc LETRAS",  "  Si\xE8is LETRAS",
    "  S\xE8t LETRAS",  "  Vu\xE8" "ch LETRAS", "  N\xF2u LETRAS",
};
// clang-format on

}  // namespace

const std::string kLoadingNotice = std::string(57, ' ') + "CARGAMENT DEI TI\xC8RAS DE M\xD2TS EN CORS...";
const std::string kNoListsNotice = "TI\xC8RAS DE M\xD2TS INTROBABLAS: ";

std::string_view WordTextHeader(int n) { return kHeaders[n - kMinWordLength]; }
std::string_view CountLabelSuffix(int n) { return kSuffixes[n - kMinWordLength]; }

}  // namespace escartinol
