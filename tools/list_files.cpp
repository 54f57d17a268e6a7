// One file replaced whole, a folder flushed, a file read whole.
#include "tools/list_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "tools/list_replace.h"
#include "words/file_descriptor.h"

namespace escartinol {

std::string WriteFileAtomically(const std::string& path, const std::string& bytes) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return ReplaceLists(folder.empty() ? "." : folder, {{path, bytes}});
}

std::string SyncFolder(const std::string& dir) {
    const CFileDescriptor folder(dir, O_RDONLY | O_DIRECTORY);
    if (!folder.IsOpen()) return "cannot open the folder " + dir + ": " + std::strerror(errno);
    if (::fsync(folder.Get()) != 0) return "cannot flush the folder " + dir + ": " + std::strerror(errno);
    return {};
}

std::string ReadFileBytes(const std::string& path, std::string& bytes) {
    bytes.clear();
    const CFileDescriptor file = OpenPlainFile(path);
    if (!file.IsOpen()) return "cannot open " + path + ": " + std::strerror(errno);
    if (const int error = ReadToEnd(file.Get(), [&](std::string_view piece) { bytes += piece; }))
        return "cannot read " + path + ": " + std::strerror(error);
    return {};
}

}  // namespace escartinol
