// Lines of input read without trusting their length: a file of one 50 MB line is still read
// with a few bytes of memory, and named with a few bytes of text.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>

namespace escartinol {

struct BoundedLine {
    std::string kept;        // the first bytes of the line, without its LF (nor a CR before it)
    std::size_t length = 0;  // of the whole line, without its line end
};

// Reads the next line of in, keeping at most limit bytes of it; false at the end of input.
bool ReadBoundedLine(std::istream& in, std::size_t limit, BoundedLine& line);

// The line as a message shows it: escaped, and cut to its kept bytes with its length said.
std::string ShownLine(const BoundedLine& line);

// An argument as a message shows it: escaped, and its first bytes only when it is long.
std::string ShownArgument(std::string_view argument);

}  // namespace escartinol
