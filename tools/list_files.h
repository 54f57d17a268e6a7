// Writing a file of a lists folder so that a crash or a full disk never leaves half of it behind.
#pragma once

#include <string>

namespace escartinol {

// Replaces the file at path with bytes as ReplaceLists replaces one list, under the lock of its
// folder. Returns an error message, empty on success; path is untouched on error.
std::string WriteFileAtomically(const std::string& path, const std::string& bytes);

// Flushes the folder itself to disk, so that the names renamed into it survive a power cut.
// Returns an error message, empty on success.
std::string SyncFolder(const std::string& dir);

// Makes dir and the folders above it that are missing. Run as root (sudo) in a player's folder, each
// new folder gets the owner and group of the nearest folder that was there, so that the player can
// still edit there afterwards. Returns an error message, empty on success.
std::string MakeFolders(const std::string& dir);

// Reads the whole file into bytes. Returns an error message, empty on success.
std::string ReadFileBytes(const std::string& path, std::string& bytes);

}  // namespace escartinol
