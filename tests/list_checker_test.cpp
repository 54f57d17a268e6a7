// The checker must name every line that would hide words from the search, and nothing in a sound list.
#include "lists/list_checker.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace escartinol
