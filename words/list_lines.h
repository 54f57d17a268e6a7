// What the index and the searches take from a line of a list: its entry, how an entry ranks
// against a key, the text of a key's line, and the key's line found in sorted bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

#include "words/list_format.h"

namespace escartinol {

// The characters of the line that starts at line and ends at lf, its LF, or at end, the end of the
// list, when it has none: a CR before the LF is not one of them, a CR at the very end is.
inline std::size_t LineLength(const char* line, const char* lf, const char* end) {
    if (!lf) return static_cast<std::size_t>(end - line);
    const auto length = static_cast<std::size_t>(lf - line);
    return length > 0 && lf[-1] == '\r' ? length - 1 : length;
}

// Writes the entry of a line of length characters for words of n letters: its first n characters,
// zero bytes in place of those a shorter line lacks, then a zero byte.
inline void WriteEntry(char* entry, const char* line, std::size_t length, int n) {
    const auto keyLength = static_cast<std::size_t>(n);
    if (length >= keyLength) {
        std::memcpy(entry, line, keyLength);
    } else {
        std::memcpy(entry, line, length);
        std::memset(entry + length, 0, keyLength - length);
    }
    entry[keyLength] = '\0';
}

// Ranks entries against one key as strcmp does. A key of n characters holds no zero byte before its
// end, so the first byte where it differs from an entry ranks the two, and a memcmp of n + 1 bytes
// is quicker.
class CEntryOrder {
public:
    CEntryOrder(const char* key, int n)
        : m_key(key),
          m_compared(std::strlen(key) == static_cast<std::size_t>(n) ? static_cast<std::size_t>(n) + 1 : 0) {}

    int operator()(const char* entry) const {
        return m_compared ? std::memcmp(entry, m_key, m_compared) : std::strcmp(entry, m_key);
    }

private:
    const char* m_key;
    std::size_t m_compared;
};

// The text of the line that from starts with, when it is a line of key: the characters before its line
// end (a CR before the LF is not one), at most kMaxLineChars, starting with key and '/'. from holds at
// least kMaxLineChars characters and a CR LF, or the rest of the list.
std::optional<std::string_view> KeyLineText(std::string_view from, std::string_view key);

// The byte offset of the first line of the list whose entry equals key, found by binary search over
// the bytes of a list sorted by entry, or -1. content ends where the list does (before any end mark).
std::int64_t FindSortedKeyLine(std::string_view content, int n, const char* key);

}  // namespace escartinol
