// Word edits must touch only their own line and keep the list sound, so the search still finds every key.
#include "lists/list_editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "lists/list_checker.h"
#include "words/list_format.h"

namespace escartinol {
namespace {

std::string Removed(std::string bytes, const std::string& word) {
    EXPECT_EQ(RemoveWordFromList(bytes, word), WordEdit::kDone) << word;
    return bytes;
}

// True when edited is original with one run of bytes inserted (or, swapped, erased).
bool DiffersByOneRun(const std::string& original, const std::string& edited) {
    if (edited.size() < original.size()) return DiffersByOneRun(edited, original);
    const auto prefix = std::mismatch(original.begin(), original.end(), edited.begin()).first - original.begin();
    return edited.compare(prefix + edited.size() - original.size(), std::string::npos, original, prefix) == 0;
}

const std::string kTwoLines = "ABCD/abcd\r\nEFGH/fegh\r\n";

// Files with or without a last line end or a final 0x1A: where a word goes is settled by the list
// staying sound, and what add wrote, remove must take away to the byte.
TEST(ListEditor, RemoveUndoesAddToTheByte) {
    for (const std::string& list : {std::string(), kTwoLines, std::string("ABCD/abcd/bacd\r\nEFGH/fegh"),
                                    kTwoLines + "\x1A", std::string("ABCD/abcd\x1A")}) {
        for (const char* word : {"aaaa", "bacd", "dcba", "cdef", "\xE9t\xE9s", "fgeh", "zzzz"}) {
            std::string edited = list;
            if (AddWordToList(edited, word) != WordEdit::kDone) continue;
            EXPECT_TRUE(DiffersByOneRun(list, edited)) << list << " + " << word;
            EXPECT_EQ(CheckListBytes(4, edited, {}).breaks, 0) << edited;
            EXPECT_EQ(Removed(edited, word), list) << list << " + " << word;
        }
    }
}

// The game reads 253 characters of a line. A line of k words of n letters is n + k(n + 1) long,
// which is never 253 itself: add must fill a line to the longest length up to 253 and refuse the
// word that would take it past, changing nothing. Four letters have too few anagrams to fill one.
TEST(ListEditor, AddFillsALineUpTo253Characters) {
    const std::pair<int, std::size_t> longest[] = {{5, 251}, {6, 251}, {7, 247}, {8, 251}, {9, 249}};
    for (const auto& [n, length] : longest) {
        std::string word = std::string("abcdefghi").substr(0, n);
        std::string bytes;
        while (AddWordToList(bytes, word) == WordEdit::kDone) std::next_permutation(word.begin(), word.end());
        EXPECT_EQ(bytes.size(), length + kLineEnd.size()) << n;
        EXPECT_EQ(CheckListBytes(n, bytes, {}).breaks, 0) << n;
        const std::string full = bytes;
        EXPECT_EQ(AddWordToList(bytes, word), WordEdit::kLineFull) << n;
        EXPECT_EQ(bytes, full) << n;
    }
}

TEST(ListEditor, AWordNoListCanHoldIsRefused) {
    for (const char* word : {"chien", "\xE9t\xE9s", "abcdefghi"}) EXPECT_EQ(ListWordProblem(word), "") << word;
    EXPECT_EQ(ListWordProblem("Chien"), "has capitals; list words are in lower case");
    EXPECT_EQ(ListWordProblem("\xC9t\xE9s"), "has capitals; list words are in lower case");  // Étés
    EXPECT_EQ(ListWordProblem("ab-cd"), "holds '-', which is not a letter");
    EXPECT_EQ(ListWordProblem("abc"), "has 3 letters; list words have 4 to 9");
    EXPECT_EQ(ListWordProblem("abcdefghij"), "has 10 letters; list words have 4 to 9");
}

}  // namespace
}  // namespace escartinol
