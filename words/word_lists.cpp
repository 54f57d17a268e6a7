// Loading, key lookup and line fetch for the six word lists.
#include "words/word_lists.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <string_view>

#include "words/line_scanner.h"

namespace escartinol {

namespace {

constexpr char kEndOfFileMark = 0x1A;
// A line's offset must fit the 32-bit offset table; anything beyond is left unindexed.
constexpr std::int64_t kMaxOffset = std::numeric_limits<std::int32_t>::max();

class CReadOnlyFile {
public:
    explicit CReadOnlyFile(const std::string& path) : m_fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~CReadOnlyFile() {
        if (m_fd >= 0) ::close(m_fd);
    }
    CReadOnlyFile(const CReadOnlyFile&) = delete;
    CReadOnlyFile& operator=(const CReadOnlyFile&) = delete;

    int Fd() const { return m_fd; }

private:
    int m_fd;
};

}  // namespace

std::string ListFileName(int n) { return "DEF_" + std::to_string(n) + "L.txt"; }

CWordLists::CWordLists(std::string dir) {
    if (!dir.empty() && dir.back() != '/') dir += '/';
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) m_path[n - kMinWordLength] = dir + ListFileName(n);
}

void CWordLists::LoadWordLists(const std::function<void(const std::string&)>& onMissing) {
    CLineScanner scanner;
    for (int n = kMaxWordLength; n >= kMinWordLength; --n) IndexList(n, scanner, onMissing);
}

void CWordLists::IndexList(int n, CLineScanner& scanner, const std::function<void(const std::string&)>& onMissing) {
    const int slot = n - kMinWordLength;
    const std::string& path = m_path[slot];
    m_keyCount[slot] = 0;
    m_keyTable[slot].clear();
    m_lineOffset[slot].clear();
    m_indexed[slot] = true;
    // Stamped before it is read: a change during the reading then shows at the next fetch.
    m_stamp[slot] = StampOfPath(path);

    // Counting pass first, so that each table is allocated once at its final size.
    std::int64_t count = 0;
    const bool opened = scanner.ScanLines(path, 0, [&](const ScannedLine& line) {
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
    scanner.ScanLines(path, static_cast<std::size_t>(n), [&](const ScannedLine& line) {
        if (filled == count || line.start > kMaxOffset) return false;
        offsets[static_cast<std::size_t>(filled)] = static_cast<std::int32_t>(line.start);
        std::memcpy(keys.data() + filled * (n + 1), line.head,
                    static_cast<std::size_t>(std::min<std::int64_t>(line.length, n)));
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
    // A key of n letters holds no zero byte before its end, so the first byte where it differs
    // from an entry ranks the two as strcmp would, and a fixed-length memcmp is quicker.
    const std::size_t compared = std::strlen(key) == static_cast<std::size_t>(n) ? n + 1 : 0;
    const auto order = [compared](const char* a, const char* b) {
        return compared ? std::memcmp(a, b, compared) : std::strcmp(a, b);
    };
    // A plain lower bound over positions: clang 14, which the fuzzer needs, cannot compile
    // the ranges of libstdc++ 12.
    std::int32_t low = 0;
    std::int32_t high = m_keyCount[slot];
    while (low < high) {
        const std::int32_t middle = low + (high - low) / 2;
        if (order(KeyEntry(n, middle), key) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    if (low == m_keyCount[slot] || order(KeyEntry(n, low), key) != 0) return -1;
    return low;
}

void CWordLists::IndexListAgain(int n) {
    CLineScanner scanner;
    IndexList(n, scanner, {});
}

void CWordLists::RefreshList(int n) {
    const int slot = n - kMinWordLength;
    if (m_indexed[slot] && StampOfPath(m_path[slot]) != m_stamp[slot]) IndexListAgain(n);
}

bool CWordLists::FetchListLine(int n, std::int32_t i, std::string& line) {
    line.clear();
    if (i < 0 || i >= m_keyCount[n - kMinWordLength]) return false;
    const LineCheck check = ReadKeyLine(n, i, line);
    if (check != LineCheck::kChanged) return check == LineCheck::kKeyLine;
    // Edited since the load: the key's line may have moved, grown or gone.
    const std::string key(KeyEntry(n, i), static_cast<std::size_t>(n));
    IndexListAgain(n);
    const std::int32_t again = FindListKey(n, key.c_str());
    return again >= 0 && ReadKeyLine(n, again, line) == LineCheck::kKeyLine;
}

CWordLists::LineCheck CWordLists::ReadKeyLine(int n, std::int32_t i, std::string& line) const {
    const int slot = n - kMinWordLength;
    ++m_fetchCount[slot];
    const CReadOnlyFile file(m_path[slot]);
    if (file.Fd() < 0) return LineCheck::kUnreadable;
    if (StampOfOpenFile(file.Fd()) != m_stamp[slot]) return LineCheck::kChanged;

    // One read from the byte before the line, which must end the line before it, through 253
    // characters and a CR LF, so that a full-length line still loses its CR.
    const std::int32_t offset = m_lineOffset[slot][i];
    const std::size_t before = offset > 0 ? 1 : 0;
    char buffer[1 + kMaxLineChars + 2];
    ssize_t got;
    do {
        got = ::pread(file.Fd(), buffer, before + kMaxLineChars + 2, offset - static_cast<off_t>(before));
    } while (got < 0 && errno == EINTR);
    if (got <= 0) return LineCheck::kUnreadable;
    if (before == 1 && buffer[0] != '\n') return LineCheck::kChanged;

    std::string_view text(buffer + before, static_cast<std::size_t>(got) - before);
    text = text.substr(0, text.find(kEndOfFileMark));
    if (const std::size_t lf = text.find('\n'); lf != std::string_view::npos) {
        text = text.substr(0, lf);
        if (text.ends_with('\r')) text.remove_suffix(1);
    }
    text = text.substr(0, kMaxLineChars);
    const auto keyLength = static_cast<std::size_t>(n);
    if (text.size() <= keyLength || text.substr(0, keyLength) != std::string_view(KeyEntry(n, i), keyLength) ||
        text[keyLength] != '/')
        return LineCheck::kChanged;
    line.assign(text);
    return LineCheck::kKeyLine;
}

void CWordLists::Release() {
    for (int slot = 0; slot < kListCount; ++slot) {
        m_keyCount[slot] = 0;
        m_indexed[slot] = false;
        m_stamp[slot].reset();
        std::vector<char>().swap(m_keyTable[slot]);
        std::vector<std::int32_t>().swap(m_lineOffset[slot]);
    }
}

}  // namespace escartinol
