// The six word lists on disk and their in-memory indexes: keys and line offsets, never the words.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "words/file_stamp.h"

namespace escartinol {

class CLineScanner;

inline constexpr int kMinWordLength = 4;
inline constexpr int kMaxWordLength = 9;
inline constexpr int kListCount = kMaxWordLength - kMinWordLength + 1;
// Longest line the format allows before its line end; fetches never deliver more.
inline constexpr int kMaxLineChars = 253;

// "DEF_" + n + "L.txt": the bare name the game opens in its current directory.
std::string ListFileName(int n);

class CWordLists {
public:
    // dir is prepended to the file names; empty means the current directory.
    explicit CWordLists(std::string dir = {});

    // Builds the six indexes, 9 letters first. A list that cannot be opened gets an empty index
    // and its path is passed to onMissing, so the caller decides how to tell the player.
    void LoadWordLists(const std::function<void(const std::string& path)>& onMissing = {});

    // Position of the entry equal to key (n capitals, zero-terminated), or -1.
    std::int32_t FindListKey(int n, const char* key) const;

    // Reads line i of list n into line, without its line end and at most 253 characters. The
    // player may edit a list while the game runs, so the line is handed back only when it is still
    // entry i's: the open file is the one indexed (same file, size and times) and the line read
    // starts a line with the key and '/'. Otherwise the list is indexed again and the key looked
    // up once more. False, with line empty, when no line of that key can be read.
    bool FetchListLine(int n, std::int32_t i, std::string& line);

    // Indexes list n again when the file at its path is no longer the one indexed, so that a key
    // added since is found as well; one stat when nothing changed. A list not loaded is left alone.
    void RefreshList(int n);

    // Frees the tables; every length is empty again.
    void Release();

    std::int32_t KeyCount(int n) const { return m_keyCount[n - kMinWordLength]; }
    const char* KeyEntry(int n, std::int32_t i) const {
        return m_keyTable[n - kMinWordLength].data() + static_cast<std::size_t>(i) * (n + 1);
    }
    std::int32_t LineOffset(int n, std::int32_t i) const { return m_lineOffset[n - kMinWordLength][i]; }
    const std::string& Path(int n) const { return m_path[n - kMinWordLength]; }

    // Counted for the tests and the benchmark: how often each list was searched and read.
    mutable std::array<long, kListCount> m_lookupCount{};
    mutable std::array<long, kListCount> m_fetchCount{};

private:
    // kChanged: the file is not the one indexed, or the line read is not the entry's key line.
    enum class LineCheck { kKeyLine, kChanged, kUnreadable };

    void IndexList(int n, CLineScanner& scanner, const std::function<void(const std::string&)>& onMissing);
    void IndexListAgain(int n);
    LineCheck ReadKeyLine(int n, std::int32_t i, std::string& line) const;

    std::array<std::string, kListCount> m_path;
    std::array<std::int32_t, kListCount> m_keyCount{};
    // Entry i holds the first n characters of line i and a zero byte, packed at i * (n + 1).
    std::array<std::vector<char>, kListCount> m_keyTable;
    // Element i is the byte offset of line i; the last element lies just past the last line end.
    std::array<std::vector<std::int32_t>, kListCount> m_lineOffset;
    std::array<bool, kListCount> m_indexed{};
    // The file as it was just before it was indexed; none when there was no file.
    std::array<std::optional<FileStamp>, kListCount> m_stamp;
};

}  // namespace escartinol
