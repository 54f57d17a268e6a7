// Packing drops what unpacking derives; the order of the words puts their shared beginnings together.
#include "web/list_pack.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

namespace escartinol {

namespace {

constexpr char kPackedLineEnd = '\n';
// 26 letters fit in 5 bits, and a key of 9 letters in 45.
constexpr int kBitsPerLetter = 5;
constexpr int kKeyLetterCount = 26;
// Below a key of 9 letters, a line's place in its list: lists of more lines cannot be packed.
constexpr int kPlaceBits = 64 - kMaxWordLength * kBitsPerLetter;
constexpr std::uint64_t kPlaceMask = (std::uint64_t{1} << kPlaceBits) - 1;
constexpr std::uint64_t kLetterMask = (1 << kBitsPerLetter) - 1;

// A word's key as a number, its letters sorted as digits of 5 bits: counted, then read out in the
// order of the alphabet, with no string for each of the many words. Length 0 when the word holds a
// byte that no key can, or more letters than a list's.
struct KeyNumber {
    std::uint64_t number = 0;
    int length = 0;
};

KeyNumber KeyNumberOf(std::string_view word) {
    if (word.size() > static_cast<std::size_t>(kMaxWordLength)) return {};
    std::array<std::uint8_t, kKeyLetterCount> counts{};
    std::uint32_t present = 0;
    for (const char c : word) {
        const char letter = KeyLetterOf(static_cast<unsigned char>(c));
        if (letter == 0) return {};
        ++counts[letter - 'A'];
        present |= 1U << (letter - 'A');
    }
    KeyNumber key{0, static_cast<int>(word.size())};
    for (; present != 0; present &= present - 1) {
        const int letter = std::countr_zero(present);
        for (int k = 0; k < counts[letter]; ++k) key.number = key.number << kBitsPerLetter | letter;
    }
    return key;
}

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
    // as the key does, and the line's place goes below it: the page waits for this.
    std::array<std::vector<std::string_view>, kListCount> lines;
    std::array<std::vector<std::uint64_t>, kListCount> filed;
    while (!packed.empty()) {
        const std::size_t end = std::min(packed.find(kPackedLineEnd), packed.size());
        const std::string_view line = packed.substr(0, end);
        packed.remove_prefix(std::min(end + 1, packed.size()));
        const KeyNumber key = KeyNumberOf(line.substr(0, line.find('/')));
        // No list's line: the packing made sure there is none.
        if (key.length < kMinWordLength) continue;
        const int i = kMaxWordLength - key.length;
        filed[i].push_back(key.number << kPlaceBits | lines[i].size());
        lines[i].push_back(line);
    }
    ListTexts lists;
    for (int i = 0; i < kListCount; ++i) {
        const int n = kMaxWordLength - i;
        // The line's place below its key keeps the lines of a repeated key in the order they came.
        std::sort(filed[i].begin(), filed[i].end());
        std::size_t size = 0;
        for (const std::string_view line : lines[i]) size += n + 1 + line.size() + kLineEnd.size();
        std::string& list = lists[i];
        list.resize(size);
        char* out = list.data();
        for (const std::uint64_t line : filed[i]) {
            for (int shift = (n - 1) * kBitsPerLetter + kPlaceBits; shift >= kPlaceBits; shift -= kBitsPerLetter)
                *out++ = static_cast<char>('A' + (line >> shift & kLetterMask));
            *out++ = '/';
            const std::string_view words = lines[i][line & kPlaceMask];
            out = std::copy(kLineEnd.begin(), kLineEnd.end(), std::copy(words.begin(), words.end(), out));
        }
    }
    return lists;
}

}  // namespace escartinol
