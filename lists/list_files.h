// The files of a lists folder that the list tools write beside the six lists, and how they read,
// flush and make folders.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace escartinol {

// The player's own additions and removals, kept beside their copy of the installed lists.
inline constexpr std::string_view kWordRecordName = "escartinol-words.txt";
// There only while an edit renames its new files into place.
inline constexpr std::string_view kJournalName = ".escartinol-lists.journal";
// Editors of the folder take turns on it; only those who may write the folder can open it to lock.
inline constexpr std::string_view kLockName = ".escartinol-lists.lock";

// The names an edit may write or remove: the six lists and the record, bare.
bool IsEditedName(std::string_view name);

// name in dir; dir empty is the current folder.
std::string InFolder(const std::string& dir, std::string_view name);

// Reads the whole plain file into bytes; a file past limit bytes is refused unread. Returns an
// error message, empty on success.
std::string ReadFileBytes(const std::string& path, std::string& bytes, std::size_t limit);

// Flushes the folder itself, so that the names renamed into it survive a power cut.
std::string SyncFolder(const std::string& dir);

// Makes dir and the folders above it that are missing.
std::string MakeFolders(const std::string& dir);

}  // namespace escartinol
