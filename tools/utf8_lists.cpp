// Found by reading the bytes once; converting them back is the codec's work.
#include "tools/utf8_lists.h"

#include <algorithm>

#include "words/cp1252.h"

namespace escartinol {

bool IsUtf8List(std::string_view bytes) {
    bool beyondAscii = false;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = Utf8CharacterLength(bytes, at);
        if (length == 0) return false;
        beyondAscii = beyondAscii || length > 1;
        at += length;
    }
    return beyondAscii;
}

std::string FirstAccentedWord(std::string_view bytes) {
    const auto accent =
        std::find_if(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    if (accent == bytes.end()) return {};
    const auto at = static_cast<std::size_t>(accent - bytes.begin());
    const auto isEdge = [](char c) { return c == '/' || c == '\r' || c == '\n'; };
    std::size_t start = at;
    while (start > 0 && !isEdge(bytes[start - 1])) --start;
    std::size_t end = at;
    while (end < bytes.size() && !isEdge(bytes[end])) ++end;
    return std::string(bytes.substr(start, end - start));
}

}  // namespace escartinol
