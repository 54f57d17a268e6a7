// Found by reading the bytes once; converting them back is the codec's work.
#include "lists/utf8_lists.h"

#include <algorithm>

#include "lists/text_encoding.h"

namespace escartinol {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBeyondAscii(char c) { return static_cast<unsigned char>(c) >= 0x80; }

}  // namespace

std::string_view WithoutByteOrderMark(std::string_view bytes) {
    return bytes.starts_with(kByteOrderMark) ? bytes.substr(kByteOrderMark.size()) : bytes;
}

bool IsUtf8List(std::string_view bytes) {
    const std::string_view text = WithoutByteOrderMark(bytes);
    return Utf8IsWellFormed(text) &&
           (text.size() < bytes.size() || std::any_of(text.begin(), text.end(), IsBeyondAscii));
}

std::string FirstAccentedWord(std::string_view bytes) {
    bytes = WithoutByteOrderMark(bytes);
    const auto accent = std::find_if(bytes.begin(), bytes.end(), IsBeyondAscii);
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
