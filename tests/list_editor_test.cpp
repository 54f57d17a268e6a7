// Word edits must touch only their own line and keep the list sound, so the search still finds every key.
#include "lists/list_editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "lists/list_checker.h"

namespace escartinol {
namespace {

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

}  // namespace
}  // namespace escartinol
