// Packing drops what unpacking derives; the order of the words puts their shared beginnings together.
#include "web/list_pack.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace escartinol {

namespace {

constexpr char kPackedLineEnd = '\n';
// 26 letters fit in 5 bits, and a key of 9 letters in 45.
constexpr int kBitsPerLetter = 5;
constexpr std::uint64_t kLetterMask = (1 << kBitsPerLetter) - 1;

}  // namespace

std::optional<std::string> PackLists(const ListTexts& lists) {
    std::vector<std::string_view> lines;
    for (const std::string& list : lists) {
        std::string_view rest = list;
        while (!rest.empty()) {
            const std::size_t end = rest.find(kLineEnd);
            const std::string_view line = rest.substr(0, end);
            const std::size_t slash = line.find('/');
            if (end == std::string_view::npos || slash == std::string_view::npos) return std::nullopt;
            lines.push_back(line.substr(slash + 1));
            rest.remove_prefix(end + kLineEnd.size());
        }
    }
    std::sort(lines.begin(), lines.end());
    std::string packed;
    for (const std::string_view line : lines) (packed += line) += kPackedLineEnd;
    if (UnpackLists(packed) != lists) return std::nullopt;
    return packed;
}

ListTexts UnpackLists(std::string_view packed) {
    // A key of one list is as long as any other, so its letters read as the digits of a number sort
    // as the key does, and numbers sort much faster than strings: the page waits for this.
    struct Filed {
        std::uint64_t key;
        std::string_view words;
    };
    std::array<std::vector<Filed>, kListCount> filed;
    while (!packed.empty()) {
        const std::size_t end = std::min(packed.find(kPackedLineEnd), packed.size());
        const std::string_view line = packed.substr(0, end);
        packed.remove_prefix(std::min(end + 1, packed.size()));
        const std::string key = KeyOfWord(line.substr(0, line.find('/')));
        const int n = static_cast<int>(key.size());
        // No list's line: the packing made sure there is none.
        if (n < kMinWordLength || n > kMaxWordLength) continue;
        std::uint64_t number = 0;
        for (const char c : key) number = number << kBitsPerLetter | static_cast<std::uint64_t>(c - 'A');
        filed[kMaxWordLength - n].push_back({number, line});
    }
    ListTexts lists;
    for (int i = 0; i < kListCount; ++i) {
        auto& lines = filed[i];
        std::stable_sort(lines.begin(), lines.end(), [](const Filed& a, const Filed& b) { return a.key < b.key; });
        const int n = kMaxWordLength - i;
        std::size_t size = 0;
        for (const Filed& line : lines) size += n + 1 + line.words.size() + kLineEnd.size();
        std::string& list = lists[i];
        list.reserve(size);
        for (const Filed& line : lines) {
            for (int shift = (n - 1) * kBitsPerLetter; shift >= 0; shift -= kBitsPerLetter)
                list += static_cast<char>('A' + (line.key >> shift & kLetterMask));
            ((list += '/') += line.words) += kLineEnd;
        }
    }
    return lists;
}

}  // namespace escartinol
