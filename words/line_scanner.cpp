// Chunked line reader for list files: memchr over large blocks keeps the load near raw read speed.
#include "words/line_scanner.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

namespace escartinol {

namespace {

constexpr std::size_t kChunkSize = 1 << 20;
constexpr char kEndOfFileMark = 0x1A;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

bool ScanLines(const std::string& path, std::size_t headSize, const std::function<bool(const ScannedLine&)>& onLine) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return false;

    // A small list needs no more room than its own size (a megabyte per scan costs more than the
    // read); a file that grows meanwhile is still read to its end, one chunk after another.
    std::error_code sizeUnknown;
    const std::uintmax_t fileSize = std::filesystem::file_size(path, sizeUnknown);
    const std::size_t chunkSize = sizeUnknown ? kChunkSize : std::min<std::uintmax_t>(kChunkSize, fileSize + 1);
    std::vector<char> chunk(chunkSize);
    std::string head;
    head.reserve(headSize + 1);
    ScannedLine line;
    std::int64_t lineBytes = 0;  // raw bytes of the current line so far, CR included
    bool lastWasCr = false;
    std::int64_t position = 0;
    bool ended = false;

    auto finish = [&](bool lineFeed, std::int64_t next) {
        line.hasLineFeed = lineFeed;
        line.length = lineBytes - ((lineFeed && lastWasCr) ? 1 : 0);
        if (static_cast<std::int64_t>(head.size()) > line.length) head.resize(static_cast<std::size_t>(line.length));
        line.head = head.c_str();
        line.next = next;
        const bool more = onLine(line);
        line = ScannedLine{};
        line.start = next;
        head.clear();
        lineBytes = 0;
        lastWasCr = false;
        return more;
    };

    while (!ended) {
        const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), file.get());
        if (got == 0) {
            // A folder opens like a file on some systems and only fails to read.
            if (std::ferror(file.get())) return false;
            break;
        }
        const char* p = chunk.data();
        const char* end = p + got;
        if (const void* mark = std::memchr(p, kEndOfFileMark, got)) {
            end = static_cast<const char*>(mark);
            ended = true;
        }
        while (p < end) {
            const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
            const char* segmentEnd = lf ? lf : end;
            const std::size_t segment = static_cast<std::size_t>(segmentEnd - p);
            if (head.size() < headSize) head.append(p, std::min(segment, headSize - head.size()));
            if (segment > 0) lastWasCr = segmentEnd[-1] == '\r';
            lineBytes += static_cast<std::int64_t>(segment);
            position += static_cast<std::int64_t>(segment);
            if (!lf) break;
            position += 1;
            if (!finish(true, position)) return true;
            p = lf + 1;
        }
    }
    if (lineBytes > 0) finish(false, position);
    return true;
}

}  // namespace escartinol
