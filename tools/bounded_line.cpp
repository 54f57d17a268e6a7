// Byte by byte through the stream's buffer, which does the reading in blocks.
#include "tools/bounded_line.h"

#include "tools/tool_messages.h"

namespace escartinol {

namespace {

// Enough for any set of letters or word, and for the player to recognise what they typed.
constexpr std::size_t kShownBytes = 64;

}  // namespace

bool ReadBoundedLine(std::istream& in, std::size_t limit, BoundedLine& line) {
    line = {};
    std::streambuf* buffer = in.rdbuf();
    bool any = false;
    for (int c; (c = buffer->sbumpc()) != std::char_traits<char>::eof();) {
        any = true;
        if (c == '\n') break;
        if (line.kept.size() < limit) line.kept += static_cast<char>(c);
        ++line.length;
    }
    if (!any) {
        in.setstate(std::ios::eofbit);
        return false;
    }
    // The CR of a CR LF ends the line, unless it was cut away with the rest.
    if (!line.kept.empty() && line.kept.size() == line.length && line.kept.back() == '\r') {
        line.kept.pop_back();
        --line.length;
    }
    return true;
}

std::string ShownLine(const BoundedLine& line) {
    const std::string_view kept = std::string_view(line.kept).substr(0, kShownBytes);
    std::string shown = ShownText(kept, kShownBytes);
    if (line.length > kept.size()) shown += "... (" + std::to_string(line.length) + " bytes)";
    return shown;
}

std::string ShownArgument(std::string_view argument) { return ShownText(argument, kShownBytes); }

}  // namespace escartinol
