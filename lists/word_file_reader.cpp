// A word file is read whole, within a bound, and judged before any of its lines is used.
#include "lists/word_file_reader.h"

#include <cerrno>

#include "lists/list_files.h"
#include "words/file_descriptor.h"

namespace escartinol {

namespace {

// Ten times the largest dictionary of words a system ships.
constexpr std::size_t kMaxWordFileBytes = std::size_t{1} << 30;

// The first bytes of the compressed files that a dictionary folder may hold.
bool IsCompressed(std::string_view start) {
    for (const std::string_view magic : {std::string_view("\x1F\x8B"), std::string_view("BZh"),
                                         std::string_view("\xFD"
                                                          "7zXZ\0",
                                                          6),
                                         std::string_view("\x28\xB5\x2F\xFD")})
        if (start.starts_with(magic)) return true;
    return false;
}

}  // namespace

std::string ReadWordFile(const std::string& path, const std::function<void(std::string_view)>& onLine,
                         std::size_t& brokenLines) {
    brokenLines = 0;
    if (const CFileDescriptor file = OpenPlainFile(path); !file.IsOpen()) {
        if (errno == EISDIR) return path + " is a folder, not a word file";
        if (errno == EINVAL) return path + " is a pipe or a device, not a word file";
    }
    std::string bytes;
    if (std::string error = ReadFileBytes(path, bytes, kMaxWordFileBytes); !error.empty()) return error;
    if (IsCompressed(bytes)) return path + " is compressed, not a word file; uncompress it first";
    if (bytes.find('\0') != std::string::npos) return path + " holds binary data, not a word file of one word a line";
    for (std::string_view rest(bytes); !rest.empty();) {
        std::string_view line = rest.substr(0, rest.find('\n'));
        rest.remove_prefix(std::min(line.size() + 1, rest.size()));
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.size() > kMaxWordFileLine)
            ++brokenLines;
        else
            onLine(line);
    }
    return {};
}

}  // namespace escartinol
