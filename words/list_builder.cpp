// Grouping of words into anagram lines under their sorted keys.
#include "words/list_builder.h"

#include <algorithm>

#include "words/cp1252_letters.h"

namespace escartinol {

namespace {

constexpr unsigned char kLigatureOe = 0x9C;
constexpr unsigned char kLigatureAe = 0xE6;

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

std::string SpellOutLigatures(const std::string& word) {
    std::string out;
    out.reserve(word.size() + 2);
    for (const char c : word) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == kLigatureOe)
            out += "oe";
        else if (byte == kLigatureAe)
            out += "ae";
        else
            out += c;
    }
    return out;
}

std::string KeyOfWord(const std::string& word) {
    std::string key;
    key.reserve(word.size());
    for (const char c : word) {
        const char letter = KeyLetterOf(static_cast<unsigned char>(c));
        if (letter == 0) return {};
        key += letter;
    }
    std::sort(key.begin(), key.end());
    return key;
}

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
