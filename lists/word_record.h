// The player's own additions and removals, kept beside their copy of the installed lists so that
// the copy can be made again from newer installed lists without losing them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace escartinol {

// A plain UTF-8 text, one word a line after "+" (added) or "-" (removed); lines starting with "#"
// are comments, one of them the stamp of the installed lists the copy was made from. Its name is
// no list's, so neither the game nor the tools take it for one. A line it cannot read is kept as it is.
class CWordRecord {
public:
    // The record of dir, an empty one when it has none. Returns an error message, empty on success.
    std::string Read(const std::string& dir);
    // The file's bytes: every line as it was read but for the words' and the stamp's, then new words.
    std::string Text() const;

    bool Exists() const { return m_exists; }
    // The latest edit of word wins.
    void Set(const std::string& word, bool added);
    // Whether the record says word was added, removed, or nothing.
    std::optional<bool> Find(const std::string& word) const;
    // cp1252 words, true when added, in the order of the file.
    std::vector<std::pair<std::string, bool>> Words() const;
    // The lines of the file that hold no word (numbered from 1), kept as they are, and a notice for each.
    const std::vector<std::size_t>& Unread() const { return m_unread; }
    std::vector<std::string> UnreadNotices() const;

    const std::string& InstalledStamp() const { return m_stamp; }
    void SetInstalledStamp(std::string stamp) { m_stamp = std::move(stamp); }

private:
    struct Line {
        std::string text;                 // as read, for a line kept as it is
        std::optional<std::string> word;  // cp1252, for a word's line
        bool added = false;
        bool stamp = false;
    };
    std::vector<Line> m_lines;
    std::unordered_map<std::string, std::size_t> m_index;  // word to its line
    std::vector<std::size_t> m_unread;                     // numbered from 1
    std::string m_path;
    std::string m_stamp;
    bool m_exists = false;
};

}  // namespace escartinol
