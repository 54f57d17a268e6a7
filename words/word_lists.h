// The six word lists on disk and their in-memory indexes: keys and line offsets, never the words.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

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

    // Reads line i of list n into line, without its line end and at most 253 characters.
    // False when the line can no longer be read (file gone or shorter than the offset).
    bool FetchListLine(int n, std::int32_t i, std::string& line) const;

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
    void IndexList(int n, CLineScanner& scanner, const std::function<void(const std::string&)>& onMissing);

    std::array<std::string, kListCount> m_path;
    std::array<std::int32_t, kListCount> m_keyCount{};
    // Entry i holds the first n characters of line i and a zero byte, packed at i * (n + 1).
    std::array<std::vector<char>, kListCount> m_keyTable;
    // Element i is the byte offset of line i; the last element lies just past the last line end.
    std::array<std::vector<std::int32_t>, kListCount> m_lineOffset;
};

}  // namespace escartinol
