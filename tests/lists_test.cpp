// The lists library's own rules: the checker names every line that would hide words from the search
// and nothing in a sound list; word edits touch only their own line and keep the list sound; keys
// fold accents. Which words a build takes, and where it cuts a line, is tools_test.cpp's.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "lists/list_checker.h"
#include "lists/list_editor.h"
#include "words/list_format.h"

namespace escartinol {
namespace {

using Kind = ListBreakKind;
using Found = std::vector<std::pair<Kind, std::int64_t>>;  // kind and line of each break, in order

Found Breaks(int n, std::string_view bytes) {
    Found found;
    CheckListBytes(n, bytes, [&](const ListBreak& brk) { found.emplace_back(brk.kind, brk.line); });
    return found;
}

// One line of each kind, so that a break missed or put on the wrong line shows; a sound list has none.
TEST(ListChecker, FindsEachBreakOnItsLine) {
    const std::string sound = "ABCD/abcd/bacd\r\nEEST/\xE9t\xE9s\r\nEFGH/fegh";
    const std::pair<std::string, Found> cases[] = {
        {"ABCD/abcd\r\nABCd/abcd\r\n", {{Kind::kBadKey, 2}}},
        {"ABCDE/abcde\r\n", {{Kind::kBadKey, 1}, {Kind::kWordLength, 1}}},
        {"BACD/abcd\r\n", {{Kind::kBadKey, 1}}},
        {"ABCD/abcd\r\n\r\nABCE/abce\r\n", {{Kind::kBadKey, 2}}},
        {"ABCD\r\n", {{Kind::kNoSlash, 1}}},
        {"ABCD/abcd//bacd\r\n", {{Kind::kEmptyWord, 1}}},
        {"ABCD/abcd/\r\n", {{Kind::kEmptyWord, 1}}},
        {"ABCD/abc\r\n", {{Kind::kWordLength, 1}}},
        {"ABCD/Abcd\r\n", {{Kind::kNotLowerCase, 1}}},
        {"ABCD/ab\xD7z\r\n", {{Kind::kNotALetter, 1}}},  // ×: it stands among the capitals of Latin-1
        {"CEOU/c\x9Cu\r\n", {{Kind::kNotALetter, 1}, {Kind::kWordLength, 1}}},  // cœu: œ must be spelt out
        {"ABCD/abcd/abce\r\n", {{Kind::kWrongKey, 1}}},
        {"ABCD/abcd/bacd/abcd\r\nABCE/abce/abcd\r\n", {{Kind::kDuplicateWord, 1}, {Kind::kWrongKey, 2}}},
        {"ABCD/abcd\r\nAAAA/aaaa\r\n", {{Kind::kOutOfOrder, 2}}},
        {"ABCD/abcd\r\nABCD/bacd\r\n", {{Kind::kDuplicateKey, 2}}},
        // Order is judged against the last good key: a bad one between neither hides nor invents a break.
        {"ABCD/abcd\r\nabcd/abcd\r\nABCE/abce\r\n", {{Kind::kBadKey, 2}}},
        {"ABCE/abce\r\nabcd/abcd\r\nABCD/abcd\r\n", {{Kind::kBadKey, 2}, {Kind::kOutOfOrder, 3}}},
        {"ABCD/" + std::string(248, 'a') + "\r\n", {{Kind::kWordLength, 1}}},  // 253 characters: the limit
        {"ABCD/" + std::string(249, 'a') + "\r\n", {{Kind::kWordLength, 1}, {Kind::kLineTooLong, 1}}},
        // The game reads a line's first 253 characters: a word written twice within them is shown twice.
        {"ABCD/abcd/" + std::string(238, 'a') + "/abcd\r\n", {{Kind::kWordLength, 1}, {Kind::kDuplicateWord, 1}}},
        {"ABCD/abcd/" + std::string(239, 'a') + "/abcd\r\n", {{Kind::kWordLength, 1}, {Kind::kLineTooLong, 1}}},
        {"ABCD/abcd\nABCE/abce\r\n", {{Kind::kLineEnd, 1}}},
        {"ABCD/abcd\rbacd\r\n", {{Kind::kWordLength, 1}, {Kind::kLineEnd, 1}}},
        {"ABCD/abcd\r\nABCE/abce\r", {{Kind::kWordLength, 2}, {Kind::kLineEnd, 2}}},  // the game reads "abce\r"
        {"ABCD/abcd\r\nABCE/abce\x1A\r\nABCF/abcf", {{Kind::kWordLength, 2}, {Kind::kEndOfFileMark, 2}}},
        {"ABCD/abcd\r\nABCE/ab" + std::string(1, '\0') + "e\r\n", {{Kind::kZeroByte, 2}}},
    };
    for (const auto& [bytes, expected] : cases) EXPECT_EQ(Breaks(4, bytes), expected) << bytes;
    for (const std::string& bytes : {std::string(), sound, sound + "\r\n", sound + "\x1A", sound + "\r\n\x1A"})
        EXPECT_EQ(Breaks(4, bytes), Found{}) << bytes;
}

// Whatever the list's last line end, what add wrote (keeping it sound), remove takes away to the byte.
TEST(ListEditor, RemoveUndoesAddToTheByte) {
    const std::string two = "ABCD/abcd\r\nEFGH/fegh\r\n";
    for (const std::string& list :
         {std::string(), two, two + "\x1A", std::string("ABCD/abcd/bacd\r\nEFGH/fegh"), std::string("ABCD/abcd\x1A")}) {
        for (const char* word : {"aaaa", "bacd", "dcba", "cdef", "\xE9t\xE9s", "fgeh", "zzzz"}) {
            std::string edited = list;
            if (AddWordToList(edited, word) != WordEdit::kDone) continue;
            EXPECT_EQ(CheckListBytes(4, edited, {}).breaks, 0) << edited;
            EXPECT_EQ(RemoveWordFromList(edited, word), WordEdit::kDone) << list << " + " << word;
            EXPECT_EQ(edited, list) << list << " + " << word;
        }
    }
}

// A line of k words of n letters, n + k(n + 1) long, is filled to the most within 253 characters.
TEST(ListEditor, AddFillsALineUpTo253Characters) {
    const std::pair<int, std::size_t> longest[] = {{5, 251}, {6, 251}, {7, 247}, {8, 251}, {9, 249}};
    for (const auto& [n, length] : longest) {
        std::string word = std::string("abcdefghi").substr(0, n), bytes;
        while (AddWordToList(bytes, word) == WordEdit::kDone) std::next_permutation(word.begin(), word.end());
        EXPECT_EQ(bytes.size(), length + 2) << n;
        const std::string full = bytes;
        EXPECT_EQ(AddWordToList(bytes, word), WordEdit::kLineFull) << n;
        EXPECT_EQ(bytes, full) << n;
    }
}

// Every accented letter a list may hold, under its own: a letter left out would drop its words.
TEST(ListFormat, KeysFoldAccents) {
    EXPECT_EQ(KeyOfWord("\xE0\xE1\xE2\xE3\xE4\xE5\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF\xF1\xF2\xF3\xF4\xF5\xF6\xF8"
                        "\xF9\xFA\xFB\xFC\xFD\xFF\x9A\x9E"),
              "AAAAAACEEEEIIIINOOOOOOSUUUUYYZ");
    for (const char* word : {"Paris", "aujourd'hui", "porte-cl\xE9"}) EXPECT_EQ(KeyOfWord(word), "") << word;
}

}  // namespace
}  // namespace escartinol
