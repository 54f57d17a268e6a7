// Grouping of words into anagram lines under their sorted keys.
#include "lists/list_builder.h"

#include <algorithm>

namespace escartinol {

namespace {

// How many of a key's words, taken in order, its line holds within the format's limit.
std::size_t WordsThatFit(const std::string& key, const std::vector<std::string>& words) {
    std::size_t length = key.size();
    std::size_t count = 0;
    for (const std::string& word : words) {
        length += 1 + word.size();
        if (length > static_cast<std::size_t>(kMaxLineChars)) break;
        ++count;
    }
    return count;
}

}  // namespace

bool CListBuilder::Add(const std::string& source) {
    const std::string word = SpellOutLigatures(source);
    const int n = static_cast<int>(word.size());
    if (n < kMinWordLength || n > kMaxWordLength) return false;
    const std::string key = KeyOfWord(word);
    if (key.empty()) return false;
    auto& words = m_lines[n - kMinWordLength][key];
    if (std::find(words.begin(), words.end(), word) != words.end()) return false;
    words.push_back(word);
    ++m_wordCount;
    return true;
}

std::vector<std::string> CListBuilder::Lines(int n) const {
    std::vector<std::string> lines;
    for (const auto& [key, words] : m_lines[n - kMinWordLength]) {
        std::string line = key;
        const std::size_t fit = WordsThatFit(key, words);
        for (std::size_t i = 0; i < fit; ++i) line += '/' + words[i];
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<LineCut> CListBuilder::CutLines() const {
    std::vector<LineCut> cuts;
    for (const auto& list : m_lines)
        for (const auto& [key, words] : list)
            if (const std::size_t fit = WordsThatFit(key, words); fit < words.size())
                cuts.push_back({key, words.size() - fit});
    return cuts;
}

}  // namespace escartinol
