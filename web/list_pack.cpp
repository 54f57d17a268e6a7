// Packing drops what unpacking derives; the order of the words puts their shared beginnings together.
#include "web/list_pack.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace escartinol {

namespace {

constexpr char kPackedLineEnd = '\n';

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
    std::array<std::vector<std::pair<std::string, std::string_view>>, kListCount> filed;
    while (!packed.empty()) {
        const std::size_t end = std::min(packed.find(kPackedLineEnd), packed.size());
        const std::string_view line = packed.substr(0, end);
        packed.remove_prefix(std::min(end + 1, packed.size()));
        std::string key = KeyOfWord(line.substr(0, line.find('/')));
        const int n = static_cast<int>(key.size());
        // No list's line: the packing made sure there is none.
        if (n < kMinWordLength || n > kMaxWordLength) continue;
        filed[kMaxWordLength - n].emplace_back(std::move(key), line);
    }
    ListTexts lists;
    for (int i = 0; i < kListCount; ++i) {
        auto& lines = filed[i];
        std::stable_sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        std::string& list = lists[i];
        for (const auto& [key, words] : lines) (((list += key) += '/') += words) += kLineEnd;
    }
    return lists;
}

}  // namespace escartinol
