// Replacing or removing several files of one lists folder as one change: the next reader finds all
// of them new or all of them as they were, whatever ends the editor.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace escartinol {

struct FileChange {
    std::string name;                  // a list or the record, by its bare name in the folder
    std::optional<std::string> bytes;  // the whole new file; nothing removes it
};

// Under the CFolderLock of dir: every target is checked before anything is written; a list that is
// a link is written through to the plain file it leads to, when MayFollowLink allows it. Each new
// file is written beside the one it replaces and flushed, keeping the owner, group and mode of that
// file (a new one: 0644 less the umask), and a modification time later than that file's. A journal
// naming the changes by their bare names is then put in dir, the files renamed over theirs and the
// removed ones unlinked, and the journal removed: an editor killed within the renames leaves the
// journal, by which the next editor finishes them. Returns an error message, empty on success;
// on error every file is as it was, unless a rename itself failed, which the message says.
std::string ReplaceFiles(const std::string& dir, const std::vector<FileChange>& changes);

// Under the lock, before the lists of dir are read: finishes the changes of an edit whose journal
// survived it, or removes the new files of an edit killed before its journal. What it did goes to
// finished. Returns an error message, empty on success: a journal that names anything but the
// folder's own files is refused, and left for the player to look at.
std::string FinishInterruptedEdit(const std::string& dir, std::string& finished);

// What an interrupted edit left in dir, for check to report without changing anything: empty
// when nothing.
std::string InterruptedEditIn(const std::string& dir);

}  // namespace escartinol
