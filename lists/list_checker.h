// Finds every break of the list format that would hide words from the search, in one pass.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "words/list_format.h"

namespace escartinol {

enum class ListBreakKind {
    kUnreadable,     // the file cannot be opened or read
    kBadKey,         // not n capitals A..Z in ascending order, or an empty line
    kNoSlash,        // nothing but a key: no "/" after it
    kEmptyWord,      // two "/" in a row, or a "/" at the end of the line
    kWordLength,     // a word of other than n letters
    kNotLowerCase,   // a word with a capital
    kNotALetter,     // a word with a byte that no key letter stands for
    kWrongKey,       // a word whose letters, accents removed, are not its key's
    kDuplicateWord,  // a word written twice on its line: the game would show it twice
    kOutOfOrder,     // a key below the key of the line before
    kDuplicateKey,   // the same key as the line before
    kLineTooLong,    // over 253 characters before the line end
    kLineEnd,        // an LF without its CR, or a CR without its LF
    kEndOfFileMark,  // a byte 0x1A before the last byte: the game stops reading there
    kZeroByte,
};
inline constexpr int kListBreakKindCount = static_cast<int>(ListBreakKind::kZeroByte) + 1;

// A few words on a kind, for a count of breaks left unshown.
std::string_view ListBreakKindLabel(ListBreakKind kind);

struct ListBreak {
    ListBreakKind kind = ListBreakKind::kUnreadable;
    std::int64_t line = 0;  // 1-based; 0 for the file as a whole
    std::string what;       // cp1252: what is wrong, e.g. "word has 5 letters, not 4"
    std::string text;       // cp1252: the offending key, word or line, at most kListExcerptBytes of it
    bool textCut = false;   // text is the start of something longer
    bool operator==(const ListBreak&) const = default;
};

struct ListTally {
    std::int64_t lines = 0;
    std::int64_t words = 0;
    std::int64_t breaks = 0;
    bool readable = true;
    bool operator==(const ListTally&) const = default;
};

using ListBreakSink = std::function<void(const ListBreak&)>;

// Enough of a key, word or line for the player to find it.
inline constexpr std::size_t kListExcerptBytes = 80;

// Checks a whole list held in memory, reporting each break as its line is done.
ListTally CheckListBytes(int n, std::string_view bytes, const ListBreakSink& onBreak);

// Checks a list file, read whole; a file that cannot be opened or read is one break.
ListTally CheckListFile(int n, const std::string& path, const ListBreakSink& onBreak);

}  // namespace escartinol
