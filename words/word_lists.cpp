// Loading, key lookup and line fetch for the six word lists.
#include "words/word_lists.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

#include "words/file_descriptor.h"
#include "words/list_file_reader.h"
#include "words/list_lines.h"

namespace escartinol {

namespace {

// A line's offset must fit the 32-bit offset table; anything beyond is left unindexed.
constexpr std::int64_t kMaxOffset = std::numeric_limits<std::int32_t>::max();
// So many entries, and no more, keep the key table's size within 32 bits.
constexpr std::int64_t kMaxEntries = std::numeric_limits<std::int32_t>::max() / (kMaxWordLength + 1);

}  // namespace

CWordLists::CWordLists(std::string dir, ListHolding holding) : m_holding(holding) {
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) m_path[n - kMinWordLength] = ListPath(dir, n);
}

void CWordLists::LoadWordLists(const std::function<void(const std::string&)>& onMissing) {
    // One buffer serves the six files, so a load allocates it once.
    CListFileReader reader;
    for (int n = kMaxWordLength; n >= kMinWordLength; --n) {
        if (m_holding == ListHolding::kMapped)
            MapList(n, reader, onMissing);
        else
            IndexList(n, reader, onMissing);
    }
}

void CWordLists::ClearList(int slot) {
    m_keyCount[slot] = 0;
    m_keyTable[slot].reset();
    m_lineOffset[slot].reset();
    m_mapping[slot] = {};
    m_mappedLines[slot] = {};
}

void CWordLists::IndexList(int n, CListFileReader& reader, const std::function<void(const std::string&)>& onMissing) {
    const int slot = n - kMinWordLength;
    ClearList(slot);
    m_loaded[slot] = true;
    const std::int64_t since = NowNanoseconds();
    const bool read = reader.Read(m_path[slot]);
    m_stamp[slot] = reader.Stamp();
    m_unsure[slot] = m_stamp[slot] && MayChangeUnseen(*m_stamp[slot], since);
    if (!read) {
        if (onMissing) onMissing(m_path[slot]);
        return;
    }
    IndexLines(n, reader.Content());
}

// One pass over the bytes in memory: each line end found with memchr gives one entry and one offset.
void CWordLists::IndexLines(int n, std::string_view content) {
    const int slot = n - kMinWordLength;
    const auto entrySize = static_cast<std::size_t>(n) + 1;
    // Room for the densest lines of a sound list (the key, '/', one word and a LF), so that one table
    // of each kind is allocated; the untouched end of a large one costs no memory. Denser lines make
    // the tables grow.
    std::size_t capacity = content.size() / (2 * entrySize) + 1;
    auto keys = std::unique_ptr<char[]>(new char[capacity * entrySize]);
    auto offsets = std::unique_ptr<std::int32_t[]>(new std::int32_t[capacity + 1]);
    const auto grow = [&](std::size_t count) {
        capacity *= 2;
        auto moreKeys = std::unique_ptr<char[]>(new char[capacity * entrySize]);
        auto moreOffsets = std::unique_ptr<std::int32_t[]>(new std::int32_t[capacity + 1]);
        std::memcpy(moreKeys.get(), keys.get(), count * entrySize);
        std::memcpy(moreOffsets.get(), offsets.get(), count * sizeof(std::int32_t));
        keys = std::move(moreKeys);
        offsets = std::move(moreOffsets);
    };

    const char* const begin = content.data();
    const char* const end = begin + content.size();
    std::size_t count = 0;
    std::size_t lastLength = 0;
    for (const char* line = begin;
         line < end && line - begin <= kMaxOffset && static_cast<std::int64_t>(count) < kMaxEntries;) {
        const auto* lf = static_cast<const char*>(std::memchr(line, '\n', static_cast<std::size_t>(end - line)));
        const std::size_t length = LineLength(line, lf, end);
        if (count == capacity) grow(count);
        offsets[count] = static_cast<std::int32_t>(line - begin);
        WriteEntry(keys.get() + count * entrySize, line, length, n);
        lastLength = length;
        ++count;
        line = lf ? lf + 1 : end;
    }
    offsets[count] = 0;
    if (count > 0) {
        const std::int64_t last = offsets[count - 1];
        const std::int64_t lineEnd = last + std::min(static_cast<std::int64_t>(lastLength), kMaxOffset) + 2;
        offsets[count] = static_cast<std::int32_t>(std::min(lineEnd, kMaxOffset));
    }
    m_keyCount[slot] = static_cast<std::int32_t>(count);
    m_keyTable[slot] = std::move(keys);
    m_lineOffset[slot] = std::move(offsets);
}

void CWordLists::MapList(int n, CListFileReader& reader, const std::function<void(const std::string&)>& onMissing) {
    const int slot = n - kMinWordLength;
    {
        const std::int64_t since = NowNanoseconds();
        const CFileDescriptor file = OpenPlainFile(m_path[slot]);
        const std::optional<FileStamp> stamp = file.IsOpen() ? StampOfOpenFile(file.Get()) : std::nullopt;
        // Beyond kMaxEntries bytes an index may leave lines out, which the mapped search would find.
        if (stamp && stamp->size > 0 && stamp->size <= kMaxEntries) {
            CMappedFile mapping(file.Get(), static_cast<std::size_t>(stamp->size));
            if (mapping) {
                ClearList(slot);
                m_loaded[slot] = true;
                m_stamp[slot] = stamp;
                m_unsure[slot] = MayChangeUnseen(*stamp, since);
                const std::string_view bytes = mapping.Bytes();
                m_mappedLines[slot] = bytes.substr(0, bytes.find(kEndOfFileMark));
                m_mapping[slot] = std::move(mapping);
                return;
            }
        }
    }
    // Missing, empty, a folder, too large: the index holds it, or tells that it is missing.
    IndexList(n, reader, onMissing);
}

std::int32_t CWordLists::FindListKey(int n, const char* key) const {
    const int slot = n - kMinWordLength;
    ++m_lookupCount[slot];
    if (m_mapping[slot]) return static_cast<std::int32_t>(FindSortedKeyLine(m_mappedLines[slot], n, key));
    const CEntryOrder order(key, n);
    // A plain lower bound over positions: clang 14, which the fuzzer needs, cannot compile
    // the ranges of libstdc++ 12.
    std::int32_t low = 0;
    std::int32_t high = m_keyCount[slot];
    while (low < high) {
        const std::int32_t middle = low + (high - low) / 2;
        if (order(KeyEntry(n, middle)) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    if (low == m_keyCount[slot] || order(KeyEntry(n, low)) != 0) return -1;
    return low;
}

void CWordLists::IndexListAgain(int n) {
    CListFileReader reader;
    IndexList(n, reader, {});
}

void CWordLists::RefreshList(int n) {
    const int slot = n - kMinWordLength;
    if (m_loaded[slot] && (m_unsure[slot] || StampOfPath(m_path[slot]) != m_stamp[slot])) IndexListAgain(n);
}

bool CWordLists::FetchListLine(int n, std::int32_t i, std::string& line) {
    line.clear();
    if (m_mapping[n - kMinWordLength]) return ReadMappedLine(n, i, line);
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
    // Not blocking: a pipe put in the list's place must not hold the open; its stamp differs anyway.
    const CFileDescriptor file(m_path[slot], O_RDONLY | O_NONBLOCK);
    if (!file.IsOpen()) return LineCheck::kUnreadable;
    if (StampOfOpenFile(file.Get()) != m_stamp[slot]) return LineCheck::kChanged;

    // One read from the byte before the line, which must end the line before it, through kMaxLineChars
    // characters and a CR LF, so that a full-length line still loses its CR.
    const std::int32_t offset = m_lineOffset[slot][i];
    const std::size_t before = offset > 0 ? 1 : 0;
    char buffer[1 + kMaxLineChars + 2];
    const ssize_t got = RetryAfterSignal(
        [&] { return ::pread(file.Get(), buffer, before + kMaxLineChars + 2, offset - static_cast<off_t>(before)); });
    if (got <= 0) return LineCheck::kUnreadable;
    if (before == 1 && buffer[0] != '\n') return LineCheck::kChanged;

    const std::string_view read(buffer + before, static_cast<std::size_t>(got) - before);
    const auto text = KeyLineText(read.substr(0, read.find(kEndOfFileMark)),
                                  std::string_view(KeyEntry(n, i), static_cast<std::size_t>(n)));
    if (!text) return LineCheck::kChanged;
    line.assign(*text);
    return LineCheck::kKeyLine;
}

// The mapping shows the file that RefreshList last found at the path, so the line needs no second look.
bool CWordLists::ReadMappedLine(int n, std::int32_t i, std::string& line) const {
    const int slot = n - kMinWordLength;
    const std::string_view lines = m_mappedLines[slot];
    const auto at = static_cast<std::size_t>(i);
    if (i < 0 || at >= lines.size() || (at > 0 && lines[at - 1] != '\n')) return false;
    ++m_fetchCount[slot];
    const std::string_view from = lines.substr(at, kMaxLineChars + 2);
    const auto text = KeyLineText(from, from.substr(0, static_cast<std::size_t>(n)));
    if (!text) return false;
    line.assign(*text);
    return true;
}

}  // namespace escartinol
