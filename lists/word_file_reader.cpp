// Word files read in pieces, lines cut at a bound, and what shows a file is no word file.
#include "lists/word_file_reader.h"

#include <cerrno>
#include <cstring>

#include "words/file_descriptor.h"

namespace escartinol {

namespace {

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

void HandOn(std::string_view line, const std::function<void(std::string_view)>& onLine) {
    if (line.ends_with('\r')) line.remove_suffix(1);
    onLine(line);
}

}  // namespace

std::string ReadWordFile(const std::string& path, const std::function<void(std::string_view)>& onLine,
                         std::size_t& brokenLines) {
    brokenLines = 0;
    const CFileDescriptor file = OpenPlainFile(path);
    if (!file.IsOpen()) {
        if (errno == EISDIR) return path + " is a folder, not a word file";
        if (errno == EINVAL) return path + " is a pipe or a device, not a word file";
        return "cannot read " + path + ": " + std::strerror(errno);
    }
    std::string line;
    bool overlong = false;
    bool first = true;
    std::string problem;
    const int error = ReadToEnd(file.Get(), [&](std::string_view piece) {
        if (!problem.empty()) return;
        if (first && IsCompressed(piece)) problem = path + " is compressed, not a word file; uncompress it first";
        first = false;
        if (problem.empty() && piece.find('\0') != std::string_view::npos)
            problem = path + " holds binary data, not a word file of one word a line";
        if (!problem.empty()) return;
        for (const char c : piece) {
            if (c != '\n') {
                if (line.size() < kMaxWordFileLine)
                    line += c;
                else
                    overlong = true;
                continue;
            }
            if (overlong)
                ++brokenLines;
            else
                HandOn(line, onLine);
            line.clear();
            overlong = false;
        }
    });
    if (error != 0) return "cannot read " + path + ": " + std::strerror(error);
    if (!problem.empty()) return problem;
    if (overlong)
        ++brokenLines;
    else if (!line.empty())
        HandOn(line, onLine);
    return {};
}

}  // namespace escartinol
