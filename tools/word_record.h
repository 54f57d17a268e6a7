// The player's own additions and removals, kept beside their copy of the installed lists so that
// the copy can be made again from newer installed lists without losing them.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace escartinol {

// A plain UTF-8 text, one word a line after "+" (added) or "-" (removed); lines starting with "#"
// are comments, one of them the stamp of the installed lists the copy was made from. Its name is
// no list's, so neither the game nor the tools take it for one.
inline constexpr const char* kWordRecordName = "escartinol-words.txt";

struct WordRecord {
    std::vector<std::pair<std::string, bool>> words;  // cp1252; true when added; each word once
    std::string installedStamp;                       // empty when the record does not say
    bool exists = false;                              // read from a file

    // The latest edit of word wins.
    void Set(const std::string& word, bool added);
};

// The record of dir, an empty one when it has none. Lines that hold no word fit for a list are
// left out, and each is named in problems. Returns an error message, empty on success.
std::string ReadWordRecord(const std::string& dir, WordRecord& record, std::vector<std::string>& problems);

// The file's bytes.
std::string WordRecordText(const WordRecord& record);

std::string WordRecordPath(const std::string& dir);

// Which installed lists the copy came from, and as they were: their folder, and each list's size
// and modification time. A package update changes it, as does any new file in their place.
std::string InstalledListsStamp(const std::string& installedDir);

}  // namespace escartinol
