// One pass over the record's lines, each word found again through a hash: a record of any length is
// read in linear time.
#include "lists/word_record.h"

#include <sys/stat.h>

#include <cerrno>

#include "lists/list_editor.h"
#include "lists/list_files.h"
#include "words/cp1252.h"

namespace escartinol {

namespace {

constexpr std::string_view kStampPrefix = "# installed: ";
constexpr std::string_view kHeader =
    "# Your own words: escartinol-lists update puts them back into newer installed lists.\n"
    "# One word a line, + added, - removed.\n";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Some 600,000 words: far more than a player adds, far less than would stall the tools.
constexpr std::size_t kMaxRecordBytes = 8 << 20;

}  // namespace

std::string CWordRecord::Read(const std::string& dir) {
    *this = {};
    const std::string path = m_path = InFolder(dir, kWordRecordName);
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 && errno == ENOENT) {
        for (std::size_t at = 0; at < kHeader.size(); at = kHeader.find('\n', at) + 1)
            m_lines.push_back({std::string(kHeader.substr(at, kHeader.find('\n', at) - at)), {}, false, false});
        return {};
    }
    std::string bytes;
    if (std::string error = ReadFileBytes(path, bytes, kMaxRecordBytes); !error.empty()) return error;
    m_exists = true;
    std::string_view rest(bytes);
    if (rest.starts_with(kByteOrderMark)) rest.remove_prefix(kByteOrderMark.size());
    for (std::size_t number = 1; !rest.empty(); ++number) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (line.ends_with('\r')) line.remove_suffix(1);
        Line entry{std::string(line), {}, false, false};
        if (line.starts_with(kStampPrefix)) {
            m_stamp = line.substr(kStampPrefix.size());
            entry.stamp = true;
        }
        // As add reads a word: trailing blanks and accents typed apart are the editor's, not the word's.
        // So is a second carriage return before the line feed, which would end the line once written back.
        while (line.ends_with(' ') || line.ends_with('\t') || line.ends_with('\r')) line.remove_suffix(1);
        std::string problem;
        const auto word =
            line.size() > 1 && (line[0] == '+' || line[0] == '-') ? ListWordOf(line.substr(1), problem) : std::nullopt;
        if (word && m_index.contains(*word)) {
            m_lines[m_index[*word]].added = line[0] == '+';
            continue;
        }
        if (word) {
            entry.word = *word;
            entry.added = line[0] == '+';
            m_index[*word] = m_lines.size();
        } else if (!line.empty() && !line.starts_with('#')) {
            m_unread.push_back(number);
        }
        m_lines.push_back(std::move(entry));
    }
    return {};
}

std::string CWordRecord::Text() const {
    std::string text;
    bool stampWritten = m_stamp.empty();
    for (const Line& line : m_lines) {
        // The stamp goes after the comments that open the file.
        if (!stampWritten && !line.text.starts_with('#') && !line.stamp) {
            ((text += kStampPrefix) += m_stamp) += '\n';
            stampWritten = true;
        }
        if (line.stamp) {
            if (!stampWritten) ((text += kStampPrefix) += m_stamp) += '\n';
            stampWritten = true;
        } else if (line.word) {
            ((text += line.added ? '+' : '-') += Cp1252ToUtf8(*line.word)) += '\n';
        } else {
            (text += line.text) += '\n';
        }
    }
    if (!stampWritten) ((text += kStampPrefix) += m_stamp) += '\n';
    // A line kept that starts with a byte order mark would lose it to the next reading, as the file's.
    if (text.starts_with(kByteOrderMark)) text.insert(0, kByteOrderMark);
    return text;
}

void CWordRecord::Set(const std::string& word, bool added) {
    if (const auto found = m_index.find(word); found != m_index.end()) {
        m_lines[found->second].added = added;
        return;
    }
    m_index[word] = m_lines.size();
    m_lines.push_back({{}, word, added, false});
}

std::vector<std::string> CWordRecord::UnreadNotices() const {
    std::vector<std::string> notices;
    for (const std::size_t line : m_unread)
        notices.push_back(m_path + ":" + std::to_string(line) + ": not +word or -word; kept as it is");
    return notices;
}

std::optional<bool> CWordRecord::Find(const std::string& word) const {
    const auto found = m_index.find(word);
    if (found == m_index.end()) return std::nullopt;
    return m_lines[found->second].added;
}

std::vector<std::pair<std::string, bool>> CWordRecord::Words() const {
    std::vector<std::pair<std::string, bool>> words;
    for (const Line& line : m_lines)
        if (line.word) words.emplace_back(*line.word, line.added);
    return words;
}

}  // namespace escartinol
