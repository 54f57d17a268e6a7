// Text from outside the lists, such as a folder name, in the core's cp1252 code page.
#pragma once

#include <string>

namespace escartinol {

// A UTF-8 file name as cp1252 text; a character that cp1252 lacks, or bytes that are not UTF-8,
// come out as '?'.
std::string Cp1252FileName(const std::string& utf8);

}  // namespace escartinol
