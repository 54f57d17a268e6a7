// Word edits as byte insertions and erasures at one line, so the rest of the file never moves but by offset.
#include "lists/list_editor.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include <optional>

#include "words/cp1252.h"
#include "words/list_format.h"

namespace escartinol {

namespace {

struct KeyLine {
    std::size_t start = 0;  // first byte of the line, or where the key's line belongs
    std::size_t end = 0;    // first byte of its line end
    bool found = false;
    bool hasLineEnd = false;
};

// Where the lines stop: a sound list may end with one 0x1A, which stays last.
std::size_t TextEnd(const std::string& bytes) {
    return !bytes.empty() && bytes.back() == kEndOfFileMark ? bytes.size() - 1 : bytes.size();
}

// The line of key, or the start of the first line with a greater key. Lines are scanned in
// order rather than bisected: an edit touches one list once, and a scan needs no index.
KeyLine FindKeyLine(const std::string& bytes, const std::string& key) {
    const std::size_t textEnd = TextEnd(bytes);
    for (std::size_t start = 0; start < textEnd;) {
        const std::size_t lineEnd = bytes.find(kLineEnd, start);
        const bool hasLineEnd = lineEnd < textEnd;
        const std::size_t end = hasLineEnd ? lineEnd : textEnd;
        const int order = bytes.compare(start, key.size(), key);
        if (order == 0) return {start, end, true, hasLineEnd};
        if (order > 0) return {start, start, false, false};
        start = end + (hasLineEnd ? kLineEnd.size() : 0);
    }
    return {textEnd, textEnd, false, false};
}

// The byte range of word among the words of a line, if it is one of them.
std::optional<std::pair<std::size_t, std::size_t>> FindWordOnLine(const std::string& bytes, const KeyLine& line,
                                                                  const std::string& word) {
    for (std::size_t from = line.start + word.size() + 1; from <= line.end;) {
        std::size_t to = bytes.find('/', from);
        if (to > line.end) to = line.end;
        if (bytes.compare(from, to - from, word) == 0) return std::pair{from, to};
        from = to + 1;
    }
    return std::nullopt;
}

}  // namespace

std::string ListWordProblem(const std::string& word) {
    for (const char c : word)
        if (IsCapitalLetter(static_cast<unsigned char>(c))) return "has capitals; list words are in lower case";
    for (const char c : word)
        if (KeyLetterOf(static_cast<unsigned char>(c)) == 0)
            return std::string("holds '") + c + "', which is not a letter";
    if (word.size() < static_cast<std::size_t>(kMinWordLength) ||
        word.size() > static_cast<std::size_t>(kMaxWordLength))
        return "has " + std::to_string(word.size()) + " letters; list words have " + std::to_string(kMinWordLength) +
               " to " + std::to_string(kMaxWordLength);
    return {};
}

namespace {

// Unicode's composition (NFC): a letter and a combining accent, as some keyboards and copy-pastes
// give them, become the one character for both. Bytes that are not UTF-8 come back as U+FFFD, which
// no list can hold either.
std::string ComposeAccents(std::string_view utf8) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* const nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status)) return std::string(utf8);
    const auto text = icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
    const icu::UnicodeString composed = nfc->normalize(text, status);
    std::string out;
    return U_FAILURE(status) ? std::string(utf8) : composed.toUTF8String(out);
}

}  // namespace

std::optional<std::string> ListWordOf(std::string_view typed, std::string& problem) {
    // Nine letters of two bytes each, with room for accents typed apart; the rest need not be read.
    constexpr std::size_t kMaxTypedBytes = 64;
    if (typed.size() > kMaxTypedBytes) {
        problem = "is longer than any word of a list";
        return std::nullopt;
    }
    const auto cp1252 = Utf8ToCp1252(ComposeAccents(typed));
    if (!cp1252) {
        problem = "holds a character that Windows-1252 lacks (or is not UTF-8)";
        return std::nullopt;
    }
    std::string word = SpellOutLigatures(*cp1252);
    problem = Cp1252ToUtf8(ListWordProblem(word));
    if (!problem.empty()) return std::nullopt;
    return word;
}

WordEdit AddWordToList(std::string& bytes, const std::string& word) {
    const std::string key = KeyOfWord(word);
    const KeyLine line = FindKeyLine(bytes, key);
    if (line.found) {
        if (FindWordOnLine(bytes, line, word)) return WordEdit::kAlreadyThere;
        if (line.end - line.start + 1 + word.size() > static_cast<std::size_t>(kMaxLineChars))
            return WordEdit::kLineFull;
        bytes.insert(line.end, "/" + word);
        return WordEdit::kDone;
    }
    const std::string newLine = key + "/" + word;
    const std::size_t textEnd = TextEnd(bytes);
    // After a last line without a line end, the new line keeps that style: the end goes before it.
    const bool lastLineOpen = textEnd > 0 && !std::string_view(bytes).substr(0, textEnd).ends_with(kLineEnd);
    if (line.start == textEnd && lastLineOpen)
        bytes.insert(line.start, std::string(kLineEnd) + newLine);
    else
        bytes.insert(line.start, newLine + std::string(kLineEnd));
    return WordEdit::kDone;
}

namespace {

WordEdit RemoveOneCopy(std::string& bytes, const std::string& word) {
    const KeyLine line = FindKeyLine(bytes, KeyOfWord(word));
    if (!line.found) return WordEdit::kNotThere;
    const auto place = FindWordOnLine(bytes, line, word);
    if (!place) return WordEdit::kNotThere;
    const auto [from, to] = *place;
    if (from != line.start + word.size() + 1 || to != line.end) {
        bytes.erase(from - 1, to - from + 1);  // the word and the "/" before it
    } else if (line.hasLineEnd) {
        bytes.erase(line.start, line.end + kLineEnd.size() - line.start);
    } else {
        // The last line had no line end: the one before it goes too, undoing what add did.
        const std::size_t start = line.start >= kLineEnd.size() ? line.start - kLineEnd.size() : line.start;
        bytes.erase(start, line.end - start);
    }
    return WordEdit::kDone;
}

}  // namespace

// A word written twice on its line would be shown twice; every copy goes.
WordEdit RemoveWordFromList(std::string& bytes, const std::string& word) {
    const WordEdit first = RemoveOneCopy(bytes, word);
    while (first == WordEdit::kDone && RemoveOneCopy(bytes, word) == WordEdit::kDone) {
    }
    return first;
}

}  // namespace escartinol
