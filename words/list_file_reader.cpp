// Reading a list file whole: the size from its stamp, then one read of that many bytes.
#include "words/list_file_reader.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

#include "words/file_descriptor.h"
#include "words/list_format.h"

namespace escartinol {

namespace {

// Lines that start past a 32-bit offset are never indexed; of the last line that may start there only
// the key and the line end after it are needed.
constexpr std::size_t kReadLimit =
    static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()) + static_cast<std::size_t>(kMaxWordLength) + 2;
// A file whose size its stamp does not tell (one of /proc, say) is read in pieces of at least this size.
constexpr std::size_t kFirstPiece = 64 * 1024;

}  // namespace

void CListFileReader::Reserve(std::size_t capacity, std::size_t kept) {
    auto buffer = std::unique_ptr<char[]>(new char[capacity]);
    if (kept > 0) std::memcpy(buffer.get(), m_buffer.get(), kept);
    m_buffer = std::move(buffer);
    m_capacity = capacity;
}

bool CListFileReader::Read(const std::string& path) {
    m_content = {};
    const CFileDescriptor file = OpenPlainFile(path);
    if (!file.IsOpen()) {
        m_stamp = StampOfPath(path);
        return false;
    }
    m_stamp = StampOfOpenFile(file.Get());
    // Stamped before it is read: a change during the reading then shows at the next check.
    const std::size_t expected = m_stamp ? std::min(static_cast<std::size_t>(m_stamp->size), kReadLimit) : 0;
    if (m_capacity < expected) Reserve(expected, 0);
    std::size_t size = 0;
    while (size < kReadLimit) {
        if (size == m_capacity) Reserve(std::min(std::max(2 * m_capacity, kFirstPiece), kReadLimit), size);
        const ssize_t got =
            RetryAfterSignal([&] { return ::read(file.Get(), m_buffer.get() + size, m_capacity - size); });
        // A folder opens like a file and only fails to read.
        if (got < 0) return false;
        if (got == 0) break;
        size += static_cast<std::size_t>(got);
        // All the bytes the stamp counts: the read that would find the end is spared.
        if (expected > 0 && size >= expected) break;
    }
    m_content = std::string_view(m_buffer.get(), size);
    m_content = m_content.substr(0, m_content.find(kEndOfFileMark));
    return true;
}

}  // namespace escartinol
