// Finds every break of the list format that would hide words from the search, in one streaming pass.
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
    std::string text;       // cp1252: the offending key, word or line, at most kExcerptBytes of it
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

// Takes the bytes of the list of length n in pieces of any size, reports each break as soon as
// its line is known, and holds no more than a short excerpt of any line.
class CListChecker {
public:
    static constexpr std::size_t kExcerptBytes = 80;

    CListChecker(int n, ListBreakSink onBreak);

    void Feed(std::string_view bytes);
    // Ends the file: the last line may lack its line end, and a 0x1A as the very last byte is allowed.
    ListTally Finish();

private:
    // The first bytes of a key, word or line, and whether more followed.
    struct Excerpt {
        std::string text;
        bool cut = false;
        void Add(char c);
        void Clear();
    };

    void TakeLineByte(unsigned char c);
    void TakeWordByte(unsigned char c);
    void EndKey(bool atLineEnd);
    void EndWord(bool atLineEnd);
    void EndLine(bool lineFeed, bool crBefore);
    void CheckKeyOrder();
    void Report(ListBreakKind kind, std::string what, const Excerpt& text);

    int m_n;
    ListBreakSink m_onBreak;
    ListTally m_tally;
    bool m_pendingCr = false;       // a CR whose LF may come in the next piece
    bool m_pendingEndMark = false;  // a 0x1A that is fine if nothing follows

    std::int64_t m_lineNumber = 1;
    std::int64_t m_lineLength = 0;
    Excerpt m_line;
    bool m_inKey = true;
    bool m_sawZero = false;
    bool m_sawEndMark = false;
    bool m_sawLoneCr = false;

    Excerpt m_key;
    std::int64_t m_keyLength = 0;
    bool m_keyValid = false;
    std::array<std::int64_t, kKeyLetterCount> m_keyLetters{};
    std::string m_lastKey;
    std::int64_t m_lastKeyLine = 0;

    // The words of n letters on the line so far, while it is short enough to be sound.
    std::vector<std::string> m_lineWords;
    Excerpt m_word;
    std::int64_t m_wordLength = 0;
    std::array<std::int64_t, kKeyLetterCount> m_wordLetters{};  // 64 bits: a word may be gigabytes of one letter
    bool m_wordHasCapital = false;
    bool m_wordHasNonLetter = false;
    int m_wordStrangeByte = -1;  // first byte that is neither letter, capital nor a byte reported for the line
};

// Checks a whole list held in memory.
ListTally CheckListBytes(int n, std::string_view bytes, const ListBreakSink& onBreak);

// Checks a list file, reading it in chunks; a file that cannot be opened or read is one break.
ListTally CheckListFile(int n, const std::string& path, const ListBreakSink& onBreak);

}  // namespace escartinol
