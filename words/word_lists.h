// The six word lists on disk and their in-memory indexes: keys and line offsets, never the words.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "words/file_stamp.h"
#include "words/list_format.h"
#include "words/mapped_file.h"

namespace escartinol {

class CListFileReader;

// How LoadWordLists makes the lists searchable.
enum class ListHolding {
    // An index of every line's key and offset, each hit read back from its file: for a game's many
    // searches.
    kIndexed,
    // Each file mapped into memory and its lines searched where they stand, with no index to build:
    // for one search in a process that then ends. The lists must be sorted by key, as a sound list
    // is: on a list out of order the two holdings may miss different keys. A list cut short while
    // it is mapped ends the process with SIGBUS. A list that changed since the load, or that cannot
    // be mapped, is indexed.
    kMapped,
};

class CWordLists {
public:
    // dir is prepended to the file names; empty means the current directory.
    explicit CWordLists(std::string dir = {}, ListHolding holding = ListHolding::kIndexed);

    // Builds the six indexes, or maps the six files, 9 letters first. A list that cannot be opened
    // gets an empty index and its path is passed to onMissing, so the caller decides how to tell the
    // player.
    void LoadWordLists(const std::function<void(const std::string& path)>& onMissing = {});

    // Position of the entry equal to key (n capitals, zero-terminated), or -1: the entry's number in
    // an index, the line's byte offset in a mapped list.
    std::int32_t FindListKey(int n, const char* key) const;

    // Reads the line at position i of list n into line, without its line end and at most kMaxLineChars
    // characters. The player may edit a list while the game runs, so the line is handed back only
    // when it is still entry i's: the open file is the one indexed (same file, size and times) and the
    // line read starts a line with the key and '/'. Otherwise the list is indexed again and the key
    // looked up once more. False, with line empty, when no line of that key can be read. A mapped
    // list gives the line from its mapping, which RefreshList keeps to the file at the path.
    bool FetchListLine(int n, std::int32_t i, std::string& line);

    // Indexes list n again when the file at its path is no longer the one indexed, so that a key
    // added since is found as well; one stat when nothing changed. A list not loaded is left alone.
    void RefreshList(int n);

    // The index of list n; empty while the list is mapped.
    std::int32_t KeyCount(int n) const { return m_keyCount[n - kMinWordLength]; }
    const char* KeyEntry(int n, std::int32_t i) const {
        return m_keyTable[n - kMinWordLength].get() + static_cast<std::size_t>(i) * (n + 1);
    }
    std::int32_t LineOffset(int n, std::int32_t i) const { return m_lineOffset[n - kMinWordLength][i]; }
    const std::string& Path(int n) const { return m_path[n - kMinWordLength]; }

    // Counted for the tests and the benchmark: how often list n was searched and read since the
    // counts were last reset.
    long LookupCount(int n) const { return m_lookupCount[n - kMinWordLength]; }
    long FetchCount(int n) const { return m_fetchCount[n - kMinWordLength]; }
    void ResetCounts() const {
        m_lookupCount = {};
        m_fetchCount = {};
    }

private:
    // kChanged: the file is not the one indexed, or the line read is not the entry's key line.
    enum class LineCheck { kKeyLine, kChanged, kUnreadable };

    void IndexList(int n, CListFileReader& reader, const std::function<void(const std::string&)>& onMissing);
    void IndexLines(int n, std::string_view content);
    void MapList(int n, CListFileReader& reader, const std::function<void(const std::string&)>& onMissing);
    void IndexListAgain(int n);
    void ClearList(int slot);
    LineCheck ReadKeyLine(int n, std::int32_t i, std::string& line) const;
    bool ReadMappedLine(int n, std::int32_t i, std::string& line) const;

    ListHolding m_holding;
    std::array<std::string, kListCount> m_path;
    std::array<std::int32_t, kListCount> m_keyCount{};
    // Entry i holds the first n characters of line i and a zero byte, packed at i * (n + 1).
    std::array<std::unique_ptr<char[]>, kListCount> m_keyTable;
    // Element i is the byte offset of line i; the last element lies just past the last line end.
    std::array<std::unique_ptr<std::int32_t[]>, kListCount> m_lineOffset;
    std::array<bool, kListCount> m_loaded{};
    // The file as it was just before it was indexed or mapped; none when there was no file.
    std::array<std::optional<FileStamp>, kListCount> m_stamp;
    // A mapped list: the mapping, and its lines up to any end mark.
    std::array<CMappedFile, kListCount> m_mapping;
    std::array<std::string_view, kListCount> m_mappedLines;
    mutable std::array<long, kListCount> m_lookupCount{};
    mutable std::array<long, kListCount> m_fetchCount{};
};

}  // namespace escartinol
