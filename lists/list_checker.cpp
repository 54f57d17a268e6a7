// The list format checker: a byte-at-a-time state machine, so pieces may split a line anywhere.
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

// Bytes the line-level checks report on their own; a word holding one is not blamed again.
bool IsReportedForTheLine(unsigned char c) { return c == 0 || c == kEndOfFileMark || c == '\r'; }

}  // namespace

std::string_view ListBreakKindLabel(ListBreakKind kind) { return kKindLabels[static_cast<int>(kind)]; }

void CListChecker::Excerpt::Add(char c) {
    if (text.size() < kExcerptBytes)
        text += c;
    else
        cut = true;
}

void CListChecker::Excerpt::Clear() {
    text.clear();
    cut = false;
}

CListChecker::CListChecker(int n, ListBreakSink onBreak) : m_n(n), m_onBreak(std::move(onBreak)) {}

void CListChecker::Feed(std::string_view bytes) {
    for (const char signedByte : bytes) {
        const auto c = static_cast<unsigned char>(signedByte);
        if (m_pendingCr) {
            m_pendingCr = false;
            if (c == '\n') {
                EndLine(true, true);
                continue;
            }
            TakeLineByte('\r');
        }
        if (m_pendingEndMark) {
            m_pendingEndMark = false;
            TakeLineByte(kEndOfFileMark);
        }
        if (c == '\r')
            m_pendingCr = true;
        else if (c == kEndOfFileMark)
            m_pendingEndMark = true;
        else if (c == '\n')
            EndLine(true, false);
        else
            TakeLineByte(c);
    }
}

ListTally CListChecker::Finish() {
    if (m_pendingCr) TakeLineByte('\r');
    // A 0x1A as the very last byte is the old DOS end mark: the game loses nothing by it.
    m_pendingCr = m_pendingEndMark = false;
    if (m_lineLength > 0) EndLine(false, false);
    return m_tally;
}

void CListChecker::TakeLineByte(unsigned char c) {
    ++m_lineLength;
    m_line.Add(static_cast<char>(c));
    m_sawZero |= c == 0;
    m_sawEndMark |= c == kEndOfFileMark;
    m_sawLoneCr |= c == '\r';
    if (c == '/') {
        if (m_inKey)
            EndKey(false);
        else
            EndWord(false);
        m_inKey = false;
        return;
    }
    if (!m_inKey) {
        TakeWordByte(c);
        return;
    }
    m_key.Add(static_cast<char>(c));
    ++m_keyLength;
}

void CListChecker::TakeWordByte(unsigned char c) {
    m_word.Add(static_cast<char>(c));
    ++m_wordLength;
    if (const char letter = KeyLetterOf(c)) {
        ++m_wordLetters[letter - 'A'];
        return;
    }
    m_wordHasNonLetter = true;
    if (IsCapitalLetter(c))
        m_wordHasCapital = true;
    else if (m_wordStrangeByte < 0 && !IsReportedForTheLine(c))
        m_wordStrangeByte = c;
}

void CListChecker::EndKey(bool atLineEnd) {
    m_keyValid = false;
    if (atLineEnd && m_lineLength == 0) {
        Report(ListBreakKind::kBadKey, "empty line", m_key);
        return;
    }
    const std::string& key = m_key.text;
    const auto notCapital = std::find_if_not(key.begin(), key.end(), IsKeyLetter);
    if (m_keyLength != m_n) {
        Report(ListBreakKind::kBadKey,
               "key has " + std::to_string(m_keyLength) + " characters, not " + std::to_string(m_n), m_key);
    } else if (notCapital != key.end()) {
        Report(ListBreakKind::kBadKey, std::string("key holds '") + *notCapital + "', not a capital A..Z", m_key);
    } else if (!std::is_sorted(key.begin(), key.end())) {
        Report(ListBreakKind::kBadKey, "key letters are not in alphabetical order", m_key);
    } else {
        m_keyValid = true;
        m_keyLetters.fill(0);
        for (const char c : key) ++m_keyLetters[c - 'A'];
        CheckKeyOrder();
    }
    if (atLineEnd) Report(ListBreakKind::kNoSlash, "no '/' after the key", m_line);
}

void CListChecker::CheckKeyOrder() {
    const std::string& key = m_key.text;
    if (m_lastKeyLine > 0 && key == m_lastKey) {
        Report(ListBreakKind::kDuplicateKey, "key is already on line " + std::to_string(m_lastKeyLine), m_key);
    } else if (m_lastKeyLine > 0 && key < m_lastKey) {
        Report(ListBreakKind::kOutOfOrder,
               "key out of order: it comes after " + m_lastKey + " on line " + std::to_string(m_lastKeyLine), m_key);
    }
    m_lastKey = key;
    m_lastKeyLine = m_lineNumber;
}

void CListChecker::EndWord(bool atLineEnd) {
    if (m_wordLength == 0) {
        Report(ListBreakKind::kEmptyWord, atLineEnd ? "'/' at the end of the line" : "two '/' in a row", m_line);
    } else {
        ++m_tally.words;
        if (m_wordHasCapital) Report(ListBreakKind::kNotLowerCase, "word is not in lower case", m_word);
        if (m_wordStrangeByte >= 0) {
            const std::string strange(1, static_cast<char>(m_wordStrangeByte));
            const std::string_view spelling = LigatureSpelling(static_cast<unsigned char>(m_wordStrangeByte));
            const std::string why =
                spelling.empty() ? "which is not a letter" : "which the lists spell '" + std::string(spelling) + "'";
            Report(ListBreakKind::kNotALetter, "word holds '" + strange + "', " + why, m_word);
        }
        if (m_wordLength != m_n) {
            Report(ListBreakKind::kWordLength,
                   "word has " + std::to_string(m_wordLength) + " letters, not " + std::to_string(m_n), m_word);
        } else if (m_keyValid && !m_wordHasNonLetter && m_wordLetters != m_keyLetters) {
            Report(ListBreakKind::kWrongKey, "word's letters are not those of its key " + m_key.text, m_word);
        }
        // The game reads a line's first 253 characters: a copy that ends within them is shown twice.
        const std::int64_t wordEnd = m_lineLength - (atLineEnd ? 0 : 1);
        if (m_wordLength == m_n && wordEnd <= kMaxLineChars) {
            if (std::find(m_lineWords.begin(), m_lineWords.end(), m_word.text) != m_lineWords.end())
                Report(ListBreakKind::kDuplicateWord, "word is already on the line", m_word);
            else
                m_lineWords.push_back(m_word.text);
        }
    }
    m_word.Clear();
    m_wordLength = 0;
    m_wordLetters.fill(0);
    m_wordHasCapital = m_wordHasNonLetter = false;
    m_wordStrangeByte = -1;
}

void CListChecker::EndLine(bool lineFeed, bool crBefore) {
    if (m_inKey)
        EndKey(true);
    else
        EndWord(true);
    if (m_sawZero) Report(ListBreakKind::kZeroByte, "zero byte in the line", m_line);
    if (m_sawEndMark) Report(ListBreakKind::kEndOfFileMark, "byte 0x1A: the game stops reading the file there", m_line);
    if (m_sawLoneCr) Report(ListBreakKind::kLineEnd, "CR without LF inside the line", m_line);
    if (lineFeed && !crBefore) Report(ListBreakKind::kLineEnd, "line ends with LF alone, not CR LF", m_line);
    if (m_lineLength > kMaxLineChars) {
        Report(ListBreakKind::kLineTooLong,
               "line has " + std::to_string(m_lineLength) + " characters, over " + std::to_string(kMaxLineChars),
               m_line);
    }
    ++m_tally.lines;
    ++m_lineNumber;
    m_lineLength = 0;
    m_line.Clear();
    m_key.Clear();
    m_keyLength = 0;
    m_lineWords.clear();
    m_inKey = true;
    m_sawZero = m_sawEndMark = m_sawLoneCr = false;
}

void CListChecker::Report(ListBreakKind kind, std::string what, const Excerpt& text) {
    ++m_tally.breaks;
    if (m_onBreak) m_onBreak(ListBreak{kind, m_lineNumber, std::move(what), text.text, text.cut});
}

ListTally CheckListBytes(int n, std::string_view bytes, const ListBreakSink& onBreak) {
    CListChecker checker(n, onBreak);
    checker.Feed(bytes);
    return checker.Finish();
}

ListTally CheckListFile(int n, const std::string& path, const ListBreakSink& onBreak) {
    const auto unreadable = [&](ListTally tally, const char* doing, int error) {
        tally.readable = false;
        ++tally.breaks;
        if (onBreak)
            onBreak(ListBreak{ListBreakKind::kUnreadable, 0, std::string(doing) + std::strerror(error), {}, false});
        return tally;
    };
    const CFileDescriptor file = OpenPlainFile(path);
    if (!file.IsOpen()) return unreadable(ListTally{}, "cannot be opened: ", errno);
    CListChecker checker(n, onBreak);
    const int error = ReadToEnd(file.Get(), [&](std::string_view piece) { checker.Feed(piece); });
    const ListTally tally = checker.Finish();
    return error == 0 ? tally : unreadable(tally, "cannot be read: ", error);
}

}  // namespace escartinol
