// Reads a list file in chunks and reports each line: where it starts, its length and its head.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace escartinol {

struct ScannedLine {
    std::int64_t start = 0;      // raw byte offset of the line in the file
    std::int64_t length = 0;     // characters before the line end (a CR before the LF is not counted)
    const char* head = nullptr;  // the first min(length, headSize) characters, not zero-terminated
};

// One chunk buffer serves every file scanned, so a load of six lists allocates it once.
class CLineScanner {
public:
    explicit CLineScanner(std::size_t chunkSize = kDefaultChunkSize)
        : m_chunk(new char[chunkSize]), m_chunkSize(chunkSize) {}

    // Calls onLine(const ScannedLine&) for every line of the file, in order, until it returns
    // false. A CR LF or a lone LF ends a line; a byte 0x1A ends the file; a line end at the very
    // end opens no further line. Lines of any length are handled in constant memory. Returns
    // false when the file cannot be opened or read.
    template <class OnLine>
    bool ScanLines(const std::string& path, std::size_t headSize, OnLine&& onLine);

private:
    // Small enough to stay in cache and off the page-mapping path of large allocations.
    static constexpr std::size_t kDefaultChunkSize = 64 * 1024;
    static constexpr char kEndOfFileMark = 0x1A;

    struct FileCloser {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };

    std::unique_ptr<char[]> m_chunk;
    std::size_t m_chunkSize;
    // The head of a line that runs over a chunk end; lines inside a chunk are reported in place.
    std::string m_head;
};

template <class OnLine>
bool CLineScanner::ScanLines(const std::string& path, std::size_t headSize, OnLine&& onLine) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return false;

    ScannedLine line;
    std::int64_t chunkStart = 0;  // file offset of the chunk's first byte
    std::int64_t contentEnd = 0;  // file offset just past the last byte read before any end mark
    std::int64_t lineBytes = 0;   // raw bytes of a line carried over from earlier chunks, CR included
    bool lastWasCr = false;
    bool ended = false;
    m_head.clear();

    while (!ended) {
        const std::size_t got = std::fread(m_chunk.get(), 1, m_chunkSize, file.get());
        if (got == 0) {
            // A folder opens like a file on some systems and only fails to read.
            if (std::ferror(file.get())) return false;
            break;
        }
        const char* const chunk = m_chunk.get();
        const char* p = chunk;
        const char* end = chunk + got;
        if (const void* mark = std::memchr(p, kEndOfFileMark, got)) {
            end = static_cast<const char*>(mark);
            ended = true;
        }
        while (p < end) {
            const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
            const char* segmentEnd = lf ? lf : end;
            const auto segment = static_cast<std::int64_t>(segmentEnd - p);
            if (lf && lineBytes == 0) {
                // The whole line lies in this chunk: its head is read where it stands.
                line.start = chunkStart + (p - chunk);
                line.length = segment - ((segment > 0 && lf[-1] == '\r') ? 1 : 0);
                line.head = p;
            } else {
                if (m_head.size() < headSize)
                    m_head.append(p, std::min(static_cast<std::size_t>(segment), headSize - m_head.size()));
                if (segment > 0) lastWasCr = segmentEnd[-1] == '\r';
                lineBytes += segment;
                if (!lf) break;
                line.start = chunkStart + (lf - chunk) - lineBytes;
                line.length = lineBytes - (lastWasCr ? 1 : 0);
                line.head = m_head.data();
            }
            if (!onLine(line)) return true;
            m_head.clear();
            lineBytes = 0;
            lastWasCr = false;
            p = lf + 1;
        }
        contentEnd = chunkStart + (end - chunk);
        chunkStart += static_cast<std::int64_t>(got);
    }
    if (lineBytes > 0) {
        line.start = contentEnd - lineBytes;
        line.length = lineBytes;
        line.head = m_head.data();
        onLine(line);
    }
    return true;
}

}  // namespace escartinol
