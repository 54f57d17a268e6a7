// Names, bounded reads, folder flushes.
#include "lists/list_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "words/file_descriptor.h"
#include "words/list_format.h"

namespace escartinol {

bool IsEditedName(std::string_view name) {
    if (name == kWordRecordName) return true;
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n)
        if (name == ListFileName(n)) return true;
    return false;
}

std::string InFolder(const std::string& dir, std::string_view name) {
    return (std::filesystem::path(dir.empty() ? "." : dir) / name).string();
}

std::string ReadFileBytes(const std::string& path, std::string& bytes, std::size_t limit) {
    bytes.clear();
    const CFileDescriptor file = OpenPlainFile(path);
    if (!file.IsOpen()) return "cannot open " + path + ": " + std::strerror(errno);
    struct stat status {};
    if (::fstat(file.Get(), &status) == 0 && static_cast<std::size_t>(status.st_size) > limit)
        return path + " is larger than " + std::to_string(limit) + " bytes, more than it can be; left unread";
    bool over = false;
    if (const int error = ReadToEnd(file.Get(), [&](std::string_view piece) {
            over = over || bytes.size() + piece.size() > limit;
            if (!over) bytes += piece;
        }))
        return "cannot read " + path + ": " + std::strerror(error);
    if (over) return path + " grew past " + std::to_string(limit) + " bytes while it was read";
    return {};
}

std::string SyncFolder(const std::string& dir) {
    const CFileDescriptor folder(dir.empty() ? "." : dir, O_RDONLY | O_DIRECTORY);
    if (!folder.IsOpen()) return "cannot open the folder " + dir + ": " + std::strerror(errno);
    if (::fsync(folder.Get()) != 0) return "cannot flush the folder " + dir + ": " + std::strerror(errno);
    return {};
}

std::string MakeFolders(const std::string& dir) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) return "cannot create " + dir + ": " + ec.message();
    return {};
}

}  // namespace escartinol
