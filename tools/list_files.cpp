// One file replaced whole, a folder flushed, a file read whole.
#include "tools/list_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

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

std::string MakeFolders(const std::string& dir) {
    namespace fs = std::filesystem;
    std::error_code ec;
    std::vector<fs::path> missing;
    fs::path existing = fs::absolute(dir, ec).lexically_normal();
    if (!existing.has_filename() && existing.has_relative_path()) existing = existing.parent_path();
    while (!ec && !fs::exists(existing, ec) && existing.has_relative_path()) {
        missing.push_back(existing);
        existing = existing.parent_path();
    }
    if (!ec) fs::create_directories(dir, ec);
    if (ec) return "cannot create " + dir + ": " + ec.message();
    struct stat owner {};
    if (::geteuid() != 0 || missing.empty() || ::stat(existing.c_str(), &owner) != 0) return {};
    for (const fs::path& folder : missing)
        if (::chown(folder.c_str(), owner.st_uid, owner.st_gid) != 0)
            return "cannot give " + folder.string() + " the owner of " + existing.string() + ": " +
                   std::strerror(errno);
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
