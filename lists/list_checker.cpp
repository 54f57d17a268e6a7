// The list format checker: each line taken whole, its key, its words, then the line itself.
#include "lists/list_checker.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "words/file_descriptor.h"
#include "words/list_format.h"

namespace escartinol {

namespace {

static_assert(kMaxLineChars == 253 && kEndOfFileMark == 0x1A, "the labels below name the limit and the mark");
constexpr std::array<std::string_view, kListBreakKindCount> kKindLabels = {
    "file cannot be read",
    "bad keys",
    "lines without '/'",
    "empty words",
    "words of the wrong length",
    "words not in lower case",
    "words with a non-letter",
    "words under the wrong key",
    "words written twice",
    "keys out of order",
    "keys used twice",
    "lines over 253 characters",
    "line ends other than CR LF",
    "bytes 0x1A before the end",
    "zero bytes",
};

}  // namespace

std::string_view ListBreakKindLabel(ListBreakKind kind) { return kKindLabels[static_cast<int>(kind)]; }

namespace {

// One line's checks, in the order a reader meets them: the key, each word, then the line as a whole.
class CLineChecker {
public:
    CLineChecker(int n, const ListBreakSink& onBreak, ListTally& tally) : m_n(n), m_onBreak(onBreak), m_tally(tally) {}

    // line holds the characters before the line end (a CR before the LF is not one of them).
    void Check(std::string_view line, std::int64_t number, bool lineFeed, bool crBefore) {
        m_number = number;
        const std::size_t slash = line.find('/');
        const std::string_view key = line.substr(0, slash);
        const bool keyValid = CheckKey(key, line, slash == std::string_view::npos);
        if (slash != std::string_view::npos) CheckWords(line, slash, keyValid);
        if (line.find('\0') != std::string_view::npos) Report(ListBreakKind::kZeroByte, "zero byte in the line", line);
        if (line.find(kEndOfFileMark) != std::string_view::npos)
            Report(ListBreakKind::kEndOfFileMark, "byte 0x1A: the game stops reading the file there", line);
        if (line.find('\r') != std::string_view::npos)
            Report(ListBreakKind::kLineEnd, "CR without LF inside the line", line);
        if (lineFeed && !crBefore) Report(ListBreakKind::kLineEnd, "line ends with LF alone, not CR LF", line);
        if (line.size() > static_cast<std::size_t>(kMaxLineChars))
            Report(ListBreakKind::kLineTooLong,
                   "line has " + std::to_string(line.size()) + " characters, over " + std::to_string(kMaxLineChars),
                   line);
        ++m_tally.lines;
    }

private:
    bool CheckKey(std::string_view key, std::string_view line, bool alone) {
        if (line.empty()) {
            Report(ListBreakKind::kBadKey, "empty line", key);
            return false;
        }
        const auto notCapital = std::find_if_not(key.begin(), key.end(), IsKeyLetter);
        bool valid = false;
        if (key.size() != static_cast<std::size_t>(m_n)) {
            Report(ListBreakKind::kBadKey,
                   "key has " + std::to_string(key.size()) + " characters, not " + std::to_string(m_n), key);
        } else if (notCapital != key.end()) {
            Report(ListBreakKind::kBadKey, std::string("key holds '") + *notCapital + "', not a capital A..Z", key);
        } else if (!std::is_sorted(key.begin(), key.end())) {
            Report(ListBreakKind::kBadKey, "key letters are not in alphabetical order", key);
        } else {
            valid = true;
            m_keyLetters = LettersOf(key);
            if (m_lastKeyLine > 0 && key == m_lastKey)
                Report(ListBreakKind::kDuplicateKey, "key is already on line " + std::to_string(m_lastKeyLine), key);
            else if (m_lastKeyLine > 0 && key < m_lastKey)
                Report(ListBreakKind::kOutOfOrder,
                       "key out of order: it comes after " + m_lastKey + " on line " + std::to_string(m_lastKeyLine),
                       key);
            m_lastKey = key;
            m_lastKeyLine = m_number;
        }
        if (alone) Report(ListBreakKind::kNoSlash, "no '/' after the key", line);
        return valid;
    }

    void CheckWords(std::string_view line, std::size_t slash, bool keyValid) {
        std::vector<std::string_view> seen;
        for (std::size_t start = slash + 1;; start = slash + 1) {
            slash = line.find('/', start);
            const bool last = slash == std::string_view::npos;
            const std::string_view word = line.substr(start, last ? std::string_view::npos : slash - start);
            if (word.empty()) {
                Report(ListBreakKind::kEmptyWord, last ? "'/' at the end of the line" : "two '/' in a row", line);
            } else {
                ++m_tally.words;
                CheckWord(word, keyValid);
                // The game reads a line's first 253 characters: a copy that ends within them is shown twice.
                if (word.size() == static_cast<std::size_t>(m_n) && start + word.size() <= kMaxLineChars) {
                    if (std::find(seen.begin(), seen.end(), word) != seen.end())
                        Report(ListBreakKind::kDuplicateWord, "word is already on the line", word);
                    else
                        seen.push_back(word);
                }
            }
            if (last) return;
        }
    }

    void CheckWord(std::string_view word, bool keyValid) {
        const auto isLetter = [](char c) { return KeyLetterOf(static_cast<unsigned char>(c)) != 0; };
        const bool allLetters = std::all_of(word.begin(), word.end(), isLetter);
        if (std::any_of(word.begin(), word.end(),
                        [](char c) { return IsCapitalLetter(static_cast<unsigned char>(c)); }))
            Report(ListBreakKind::kNotLowerCase, "word is not in lower case", word);
        // Bytes the line's own checks report are not blamed on the word again.
        const auto strange = std::find_if(word.begin(), word.end(), [&](char c) {
            const auto byte = static_cast<unsigned char>(c);
            return !isLetter(c) && !IsCapitalLetter(byte) && byte != 0 && byte != kEndOfFileMark && byte != '\r';
        });
        if (strange != word.end()) {
            const std::string_view spelling = LigatureSpelling(static_cast<unsigned char>(*strange));
            Report(ListBreakKind::kNotALetter,
                   std::string("word holds '") + *strange + "', " +
                       (spelling.empty() ? "which is not a letter"
                                         : "which the lists spell '" + std::string(spelling) + "'"),
                   word);
        }
        if (word.size() != static_cast<std::size_t>(m_n))
            Report(ListBreakKind::kWordLength,
                   "word has " + std::to_string(word.size()) + " letters, not " + std::to_string(m_n), word);
        else if (keyValid && allLetters && LettersOf(word) != m_keyLetters)
            Report(ListBreakKind::kWrongKey, "word's letters are not those of its key " + m_lastKey, word);
    }

    // The key letters that a key's capitals, or a word's letters, stand for: the word's accents removed.
    static std::array<int, kKeyLetterCount> LettersOf(std::string_view text) {
        std::array<int, kKeyLetterCount> letters{};
        for (const char c : text) ++letters[(IsKeyLetter(c) ? c : KeyLetterOf(static_cast<unsigned char>(c))) - 'A'];
        return letters;
    }

    void Report(ListBreakKind kind, std::string what, std::string_view text) {
        ++m_tally.breaks;
        if (m_onBreak)
            m_onBreak(ListBreak{kind, m_number, std::move(what), std::string(text.substr(0, kListExcerptBytes)),
                                text.size() > kListExcerptBytes});
    }

    int m_n;
    const ListBreakSink& m_onBreak;
    ListTally& m_tally;
    std::int64_t m_number = 0;
    std::array<int, kKeyLetterCount> m_keyLetters{};
    std::string m_lastKey;  // the last valid key, and its line
    std::int64_t m_lastKeyLine = 0;
};

}  // namespace

ListTally CheckListBytes(int n, std::string_view bytes, const ListBreakSink& onBreak) {
    ListTally tally;
    CLineChecker checker(n, onBreak, tally);
    // A 0x1A as the very last byte is the old DOS end mark: the game loses nothing by it.
    if (bytes.ends_with(kEndOfFileMark)) bytes.remove_suffix(1);
    for (std::int64_t number = 1; !bytes.empty(); ++number) {
        const std::size_t lf = bytes.find('\n');
        std::string_view line = bytes.substr(0, lf);
        bytes.remove_prefix(lf == std::string_view::npos ? bytes.size() : lf + 1);
        const bool crBefore = lf != std::string_view::npos && line.ends_with('\r');
        if (crBefore) line.remove_suffix(1);
        checker.Check(line, number, lf != std::string_view::npos, crBefore);
    }
    return tally;
}

ListTally CheckListFile(int n, const std::string& path, const ListBreakSink& onBreak) {
    const auto unreadable = [&](const char* doing, int error) {
        if (onBreak)
            onBreak(ListBreak{ListBreakKind::kUnreadable, 0, std::string(doing) + std::strerror(error), {}, false});
        return ListTally{0, 0, 1, false};
    };
    const CFileDescriptor file = OpenPlainFile(path);
    if (!file.IsOpen()) return unreadable("cannot be opened: ", errno);
    std::string bytes;
    if (const int error = ReadToEnd(file.Get(), [&](std::string_view piece) { bytes += piece; }))
        return unreadable("cannot be read: ", error);
    return CheckListBytes(n, bytes, onBreak);
}

}  // namespace escartinol
