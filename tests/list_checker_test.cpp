// The checker must name every line that would hide words from the search, and nothing in a sound list.
#include "lists/list_checker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "support/list_folder.h"

namespace escartinol {
namespace {

using namespace std::string_literals;
using Kind = ListBreakKind;
using Found = std::vector<std::pair<Kind, std::int64_t>>;  // kind and line of each break, in order

Found Breaks(int n, std::string_view bytes) {
    Found found;
    CheckListBytes(n, bytes, [&](const ListBreak& brk) { found.emplace_back(brk.kind, brk.line); });
    return found;
}

const std::string kSound = "ABCD/abcd/bacd\r\nEEST/\xE9t\xE9s\r\nEFGH/fegh";

TEST(ListChecker, SoundListsPass) {
    for (const std::string& bytes : {std::string(), kSound, kSound + "\r\n", kSound + "\x1A", kSound + "\r\n\x1A"})
        EXPECT_EQ(Breaks(4, bytes), Found{}) << bytes;
    EXPECT_EQ(CheckListBytes(4, kSound, {}), (ListTally{.lines = 3, .words = 4}));
}

// One line of each kind, so a break that is missed or put on the wrong line shows.
TEST(ListChecker, EachKindOfBreakIsFoundOnItsLine) {
    const struct {
        std::string bytes;
        Found expected;
    } cases[] = {
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
        {"ABCD/" + std::string(248, 'a') + "\r\n", {{Kind::kWordLength, 1}}},  // 253 characters: the limit
        {"ABCD/" + std::string(249, 'a') + "\r\n", {{Kind::kWordLength, 1}, {Kind::kLineTooLong, 1}}},
        {"ABCD/abcd\nABCE/abce\r\n", {{Kind::kLineEnd, 1}}},
        {"ABCD/abcd\rbacd\r\n", {{Kind::kWordLength, 1}, {Kind::kLineEnd, 1}}},
        {"ABCD/abcd\r\nABCE/abce\r", {{Kind::kWordLength, 2}, {Kind::kLineEnd, 2}}},  // the game reads "abce\r"
        {"ABCD/abcd\r\nABCE/abce\x1A\r\nABCF/abcf", {{Kind::kWordLength, 2}, {Kind::kEndOfFileMark, 2}}},
        {"ABCD/abcd\r\nABCE/ab\0e\r\n"s, {{Kind::kZeroByte, 2}}},
    };
    for (const auto& c : cases) EXPECT_EQ(Breaks(4, c.bytes), c.expected) << c.bytes;
}

// The game reads the first 253 characters of a line, so a word written twice within them is shown twice.
TEST(ListChecker, AWordWrittenTwiceWithinTheCharactersTheGameReadsIsReported) {
    std::string word = "abcdefghi";
    std::string line = "ABCDEFGHI/abc";
    for (int i = 0; i < 23; ++i, std::next_permutation(word.begin(), word.end())) line += "/" + word;
    line += "/abcdefghi/ihgfedcba\r\n";  // the second abcdefghi ends on the 253rd character
    EXPECT_EQ(Breaks(9, line), (Found{{Kind::kWordLength, 1}, {Kind::kDuplicateWord, 1}, {Kind::kLineTooLong, 1}}));
}

TEST(ListChecker, OrderIsJudgedAgainstTheLastGoodKey) {
    // A bad key between two good ones neither hides nor invents an order break.
    EXPECT_EQ(Breaks(4, "ABCD/abcd\r\nabcd/abcd\r\nABCE/abce\r\n"), (Found{{Kind::kBadKey, 2}}));
    EXPECT_EQ(Breaks(4, "ABCE/abce\r\nabcd/abcd\r\nABCD/abcd\r\n"),
              (Found{{Kind::kBadKey, 2}, {Kind::kOutOfOrder, 3}}));
    EXPECT_EQ(Breaks(5, "ABCDE/abcd/abcdef/abced\r\n"), (Found{{Kind::kWordLength, 1}, {Kind::kWordLength, 1}}));
}

TEST(ListChecker, ARepeatedKeyNamesTheLineItWasFirstOn) {
    std::string what;
    CheckListBytes(4, "ABCD/abcd\r\nABCE/abce\r\nABCE/bace\r\n", [&](const ListBreak& brk) { what = brk.what; });
    EXPECT_EQ(what, "key is already on line 2");
}

// The player must see what is wrong without the checker holding a huge line in memory.
TEST(ListChecker, AHugeLineIsReportedOnceWithAShortExcerpt) {
    const std::string line = "ABCD/" + std::string(1 << 20, 'a');
    std::vector<ListBreak> found;
    CheckListBytes(4, line + "\r\nABCE/abce\r\n", [&](const ListBreak& brk) { found.push_back(brk); });
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[1].kind, Kind::kLineTooLong);
    EXPECT_EQ(found[1].what, "line has 1048581 characters, over 253");
    EXPECT_EQ(found[1].text, line.substr(0, kListExcerptBytes));
    EXPECT_TRUE(found[1].textCut);
}

TEST(ListChecker, AnUnreadableFileIsOneBreak) {
    testing::CListFolder folder;
    std::filesystem::remove(folder.File(6));
    std::filesystem::remove(folder.File(7));
    std::filesystem::create_directory(folder.File(7));
    for (int n : {6, 7}) {
        std::vector<ListBreak> found;
        const ListTally tally = CheckListFile(n, folder.File(n), [&](const ListBreak& brk) { found.push_back(brk); });
        EXPECT_FALSE(tally.readable);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].kind, Kind::kUnreadable);
        EXPECT_EQ(found[0].line, 0);
    }
}

}  // namespace
}  // namespace escartinol
