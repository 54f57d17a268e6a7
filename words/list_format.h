// The word-list format: how a list ends, which letters a key is written in, and how a word is
// filed under its key.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace escartinol {

inline constexpr int kMinWordLength = 4;
inline constexpr int kMaxWordLength = 9;
inline constexpr int kListCount = kMaxWordLength - kMinWordLength + 1;
// Longest line the format allows before its line end; fetches never deliver more.
inline constexpr int kMaxLineChars = 253;

// "DEF_" + n + "L.txt": the bare name of the list of words of n letters.
std::string ListFileName(int n);
// The path of list n in dir; dir empty is the current folder, where the list keeps its bare name.
std::string ListPath(const std::string& dir, int n);

// The old DOS end-of-file mark: a list ends at its first byte 0x1A, wherever it stands.
inline constexpr char kEndOfFileMark = 0x1A;
inline constexpr std::string_view kLineEnd = "\r\n";

// Keys, and the letters of a draw, are capitals A..Z.
inline constexpr int kKeyLetterCount = 26;
constexpr bool IsKeyLetter(char c) { return c >= 'A' && c <= 'Z'; }

// The cp1252 ligatures, which the lists spell as two letters.
struct Ligature {
    unsigned char byte;
    std::string_view spelling;
};
inline constexpr std::array<Ligature, 2> kLigatures = {{{0x9C, "oe"}, {0xE6, "ae"}}};  // œ, æ

// How the lists spell the ligature c; empty when c is none.
constexpr std::string_view LigatureSpelling(unsigned char c) {
    for (const Ligature& ligature : kLigatures)
        if (ligature.byte == c) return ligature.spelling;
    return {};
}

// The word with every ligature spelt out, as the lists write it.
std::string SpellOutLigatures(std::string_view word);

// The capital A..Z that a lower-case cp1252 letter stands for once its accent is removed
// (é gives E, ç gives C), or 0 when the byte is not a lower-case letter that a key can hold.
char KeyLetterOf(unsigned char c);

// True for a capital letter of cp1252 (A..Z, À..Þ but ×, Š, Œ, Ž, Ÿ): what a list word must not hold.
bool IsCapitalLetter(unsigned char c);

// The key of a cp1252 word: its letters without accents, in capitals, sorted. Empty when the word
// holds anything but lower-case letters. œ and æ must already be spelt out.
std::string KeyOfWord(std::string_view word);

}  // namespace escartinol
