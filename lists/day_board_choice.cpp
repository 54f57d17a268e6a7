// Every headword of nine letters is searched as a board would be, with the game's own search.
#include "lists/day_board_choice.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <map>
#include <random>

#include "lists/list_editor.h"
#include "words/cp1252.h"
#include "words/list_format.h"
#include "words/word_lists.h"
#include "words/word_search.h"

namespace escartinol {

namespace {

// The same on every system and compiler: a board's place and its letters' order come from it alone.
std::uint32_t Fnv1a(std::string_view text) {
    std::uint32_t hash = 2166136261u;
    for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash;
}

// The letters shuffled by a generator whose every output the standard fixes (mt19937), with a
// Fisher-Yates of our own: std::shuffle may differ between libraries.
std::string Shuffled(std::string letters) {
    std::mt19937 random(Fnv1a(letters));
    for (std::size_t i = letters.size() - 1; i > 0; --i) std::swap(letters[i], letters[random() % (i + 1)]);
    return letters;
}

}  // namespace

std::vector<std::string> ChooseDayBoards(const std::string& listsDir, const std::string& dictionary,
                                         std::string& error) {
    const std::string dic =
        (dictionary.find('/') == std::string::npos ? "/usr/share/hunspell/" + dictionary : dictionary) + ".dic";
    std::ifstream in(dic, std::ios::binary);
    if (!in) {
        error = "cannot read the dictionary " + dic;
        return {};
    }
    // One headword per key, the first the dictionary gives.
    std::map<std::string, std::string> headwords;
    std::string line;
    for (std::getline(in, line); std::getline(in, line);) {
        const auto word = Utf8ToCp1252(line.substr(0, line.find_first_of("/\t ")));
        if (!word) continue;
        const std::string spelt = SpellOutLigatures(*word);
        if (spelt.size() == static_cast<std::size_t>(kMaxWordLength) && ListWordProblem(spelt).empty())
            headwords.emplace(KeyOfWord(spelt), spelt);
    }
    CWordLists lists(listsDir);
    lists.LoadWordLists();
    CWordSearch search(lists);
    std::vector<std::pair<std::uint32_t, std::string>> boards;
    for (const auto& [key, headword] : headwords) {
        std::array<char, kMaxWordLength> letters{};
        std::copy(key.begin(), key.end(), letters.begin());
        const SearchResult result = search.SearchWords(letters);
        int words = 0;
        for (const ResultRow& row : result.rows) words += row.count;
        // The headword itself must be among the nine-letter words the game shows.
        const std::string& nine = result.rows[0].words;
        if (words >= kMinDayWords && words <= kMaxDayWords && nine.starts_with("9 ") &&
            nine.find("  " + headword) != std::string::npos)
            boards.emplace_back(Fnv1a(key), Shuffled(key));
    }
    std::sort(boards.begin(), boards.end());
    std::vector<std::string> chosen;
    for (auto& board : boards) chosen.push_back(std::move(board.second));
    return chosen;
}

}  // namespace escartinol
