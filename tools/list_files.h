// Writing a list file so that a crash or a full disk never leaves half of it behind.
#pragma once

#include <string>
#include <vector>

namespace escartinol {

// Writes lines, each ended by CR LF, to a temporary file beside path, flushes it to disk and
// renames it over path, with the mode of the file it replaces (0644 for a new one). Returns an
// error message, empty on success; path is untouched on error.
std::string WriteListAtomically(const std::string& path, const std::vector<std::string>& lines);

// Same, with the file's exact bytes.
std::string WriteFileAtomically(const std::string& path, const std::string& bytes);

// Flushes the folder itself to disk, so that the names renamed into it survive a power cut.
// Returns an error message, empty on success.
std::string SyncFolder(const std::string& dir);

// Reads the whole file into bytes. Returns an error message, empty on success.
std::string ReadFileBytes(const std::string& path, std::string& bytes);

}  // namespace escartinol
