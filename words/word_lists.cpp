// Loading, key lookup and line fetch for the six word lists.
#include "words/word_lists.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>

#include "words/line_scanner.h"

namespace escartinol {

namespace {

constexpr char kEndOfFileMark = 0x1A;
// A line's offset must fit the 32-bit offset table; anything beyond is left unindexed.
constexpr std::int64_t kMaxOffset = std::numeric_limits<std::int32_t>::max();

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

std::string ListFileName(int n) { return "DEF_" + std::to_string(n) + "L.txt"; }

CWordLists::CWordLists(std::string dir) {
    if (!dir.empty() && dir.back() != '/') dir += '/';
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) m_path[n - kMinWordLength] = dir + ListFileName(n);
}

void CWordLists::LoadWordLists(const std::function<void(const std::string&)>& onMissing) {
    for (int n = kMaxWordLength; n >= kMinWordLength; --n) IndexList(n, onMissing);
}

void CWordLists::IndexList(int n, const std::function<void(const std::string&)>& onMissing) {
    const int slot = n - kMinWordLength;
    const std::string& path = m_path[slot];
    m_keyCount[slot] = 0;
    m_keyTable[slot].clear();
    m_lineOffset[slot].clear();

    // Counting pass first, so that each table is allocated once at its final size.
    std::int64_t count = 0;
    const bool opened = ScanLines(path, 0, [&](const ScannedLine& line) {
        if (line.start > kMaxOffset) return false;
        ++count;
        return count < std::numeric_limits<std::int32_t>::max() / (kMaxWordLength + 1);
    });
    if (!opened) {
        if (onMissing) onMissing(path);
        return;
    }

    std::vector<char> keys(static_cast<std::size_t>(count) * (n + 1), '\0');
    std::vector<std::int32_t> offsets(static_cast<std::size_t>(count) + 1, 0);
    std::int64_t filled = 0;
    std::int64_t lastLength = 0;
    // The file may have changed since the counting pass; only what both passes saw is indexed.
    ScanLines(path, static_cast<std::size_t>(n), [&](const ScannedLine& line) {
        if (filled == count || line.start > kMaxOffset) return false;
        offsets[static_cast<std::size_t>(filled)] = static_cast<std::int32_t>(line.start);
        std::memcpy(keys.data() + filled * (n + 1), line.head, static_cast<std::size_t>(std::min<std::int64_t>(line.length, n)));
        lastLength = line.length;
        ++filled;
        return true;
    });
    if (filled > 0) {
        const std::int64_t end = offsets[static_cast<std::size_t>(filled - 1)] + std::min(lastLength, kMaxOffset) + 2;
        offsets[static_cast<std::size_t>(filled)] = static_cast<std::int32_t>(std::min(end, kMaxOffset));
    }
    keys.resize(static_cast<std::size_t>(filled) * (n + 1));
    offsets.resize(static_cast<std::size_t>(filled) + 1);
    m_keyCount[slot] = static_cast<std::int32_t>(filled);
    m_keyTable[slot] = std::move(keys);
    m_lineOffset[slot] = std::move(offsets);
}

std::int32_t CWordLists::FindListKey(int n, const char* key) const {
    const int slot = n - kMinWordLength;
    ++m_lookupCount[slot];
    // A plain lower bound over positions: clang 14 cannot compile the ranges of libstdc++ 12,
    // and the fuzzer needs clang.
    std::int32_t low = 0;
    std::int32_t high = m_keyCount[slot];
    while (low < high) {
        const std::int32_t middle = low + (high - low) / 2;
        if (std::strcmp(KeyEntry(n, middle), key) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    if (low == m_keyCount[slot] || std::strcmp(KeyEntry(n, low), key) != 0) return -1;
    return low;
}

bool CWordLists::FetchListLine(int n, std::int32_t i, std::string& line) const {
    const int slot = n - kMinWordLength;
    line.clear();
    if (i < 0 || i >= m_keyCount[slot]) return false;
    ++m_fetchCount[slot];
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(m_path[slot].c_str(), "rb"));
    if (!file || std::fseek(file.get(), m_lineOffset[slot][i], SEEK_SET) != 0) return false;

    // Room for 253 characters and a CR LF, so a full-length line still loses its CR.
    char buffer[kMaxLineChars + 2];
    const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
    if (got == 0) return false;
    std::size_t length = got;
    if (const void* mark = std::memchr(buffer, kEndOfFileMark, length)) length = static_cast<const char*>(mark) - buffer;
    if (const void* lf = std::memchr(buffer, '\n', length)) {
        length = static_cast<const char*>(lf) - buffer;
        if (length > 0 && buffer[length - 1] == '\r') --length;
    }
    line.assign(buffer, std::min<std::size_t>(length, kMaxLineChars));
    return true;
}

void CWordLists::Release() {
    for (int slot = 0; slot < kListCount; ++slot) {
        m_keyCount[slot] = 0;
        std::vector<char>().swap(m_keyTable[slot]);
        std::vector<std::int32_t>().swap(m_lineOffset[slot]);
    }
}

}  // namespace escartinol
