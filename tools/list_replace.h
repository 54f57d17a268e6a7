// Replacing several lists of one folder as one change: the next reader finds all of them new or
// all of them as they were, whatever ends the editor.
#pragma once

#include <string>
#include <vector>

namespace escartinol {

struct ListContent {
    std::string path;   // a list of the folder; a symbolic link is written through to the file it leads to
    std::string bytes;  // the whole new file
};

// Replaces every list of lists, all or none, under the CListsLock of dir. Every target is checked
// before any is written: each must be a plain file, a link that leads to one, or absent. Each new
// file is written beside the one it replaces and flushed; it keeps the owner, group and mode of
// that file (a new list: 0644 less the umask, owned as the folder is when root makes it), and a
// modification time later than that file's, a tick later where the clock has not moved on. A
// journal naming them all is then renamed into dir, the files renamed over theirs, and the
// journal removed: an editor killed within the renames leaves the journal, by which the next
// editor finishes them. TERM, INT and HUP remove the new files at once before the journal, and
// wait for the renames after it. Returns an error message, empty on success; on error every list
// is as it was, unless a rename itself failed, which the message says and the next editor finishes.
std::string ReplaceLists(const std::string& dir, const std::vector<ListContent>& lists);

// Under the lock, before the lists of dir are read: finishes the renames of an edit whose journal
// survived it, or removes the new files of an edit killed before its journal. Returns an error
// message, empty on success.
std::string FinishInterruptedEdits(const std::string& dir);

// In dir during the renames of an edit only.
inline constexpr const char* kJournalName = ".escartinol-lists.journal";

}  // namespace escartinol
