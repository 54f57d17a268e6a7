// The texts the search writes, as cp1252 bytes like the lists themselves.
#pragma once

#include <string_view>

namespace escartinol {

// Header of the word text of length n, e.g. "7 LETRAS:  ".
std::string_view WordTextHeader(int n);
// Suffix of the count label of length n, e.g. "  Sèt LETRAS".
std::string_view CountLabelSuffix(int n);

inline constexpr std::string_view kWordSeparator = "  ";

}  // namespace escartinol
