// Line texts and the binary search over the lines of sorted bytes.
#include "words/list_lines.h"

#include <algorithm>

#include "words/list_format.h"

namespace escartinol {

namespace {

// The line that starts at line: where the next one starts (end after the last line) and its entry.
const char* ReadLine(const char* line, const char* end, int n, char* entry) {
    const auto* lf = static_cast<const char*>(std::memchr(line, '\n', static_cast<std::size_t>(end - line)));
    WriteEntry(entry, line, LineLength(line, lf, end), n);
    return lf ? lf + 1 : end;
}

}  // namespace

std::optional<std::string_view> KeyLineText(std::string_view from, std::string_view key) {
    std::string_view text = from;
    if (const std::size_t lf = text.find('\n'); lf != std::string_view::npos) {
        text = text.substr(0, lf);
        if (text.ends_with('\r')) text.remove_suffix(1);
    }
    text = text.substr(0, kMaxLineChars);
    if (text.size() <= key.size() || !text.starts_with(key) || text[key.size()] != '/') return std::nullopt;
    return text;
}

// The lower bound of the index's binary search, over byte positions instead of line numbers: on a
// list sorted by entry both find the first line whose entry does not rank below the key.
std::int64_t FindSortedKeyLine(std::string_view content, int n, const char* key) {
    const CEntryOrder order(key, n);
    const char* const begin = content.data();
    const char* const end = begin + content.size();
    char entry[kMaxWordLength + 1];
    // Lines that start before low rank below the key, lines that start at high or after do not; low
    // starts a line.
    const char* low = begin;
    const char* high = end;
    while (low < high) {
        const char* middle = low + (high - low) / 2;
        // The first line that starts in [middle, high): a line starts after each LF.
        const char* probe = middle;
        if (middle != low) {
            const void* lf = std::memchr(middle - 1, '\n', static_cast<std::size_t>(high - middle));
            if (!lf) {
                high = middle;
                continue;
            }
            probe = static_cast<const char*>(lf) + 1;
        }
        const char* next = ReadLine(probe, end, n, entry);
        if (order(entry) < 0) {
            low = next;
            high = std::max(high, low);
        } else {
            high = probe;
        }
    }
    if (low == end) return -1;
    ReadLine(low, end, n, entry);
    return order(entry) == 0 ? low - begin : -1;
}

}  // namespace escartinol
