// A temporary folder of word lists that a test writes line by line and removes afterwards.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "words/list_format.h"
#include "words/word_lists.h"

namespace escartinol::testing {

// The exact bytes of a file, empty when there is none.
inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

using ListLines = std::initializer_list<std::pair<int, std::vector<std::string>>>;

class CListFolder {
public:
    CListFolder() {
        static int counter = 0;
        m_path = std::filesystem::temp_directory_path() /
                 ("escartinol-test-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
        for (int n = kMinWordLength; n <= kMaxWordLength; ++n) Write(n, "");
    }
    // With the lines of these lists, each ended by CR LF; the others empty.
    explicit CListFolder(ListLines lists) : CListFolder() {
        for (const auto& [n, lines] : lists) WriteLines(n, lines);
    }
    ~CListFolder() { std::filesystem::remove_all(m_path); }
    CListFolder(const CListFolder&) = delete;
    CListFolder& operator=(const CListFolder&) = delete;

    std::string Dir() const { return m_path.string(); }
    std::string File(int n) const { return (m_path / ListFileName(n)).string(); }
    // The exact bytes of list n as they are now.
    std::string Read(int n) const { return ReadFile(File(n)); }

    // Writes the exact bytes of list n.
    void Write(int n, const std::string& bytes) const {
        std::ofstream out(File(n), std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    // Writes the lines of list n, each ended by CR LF.
    void WriteLines(int n, const std::vector<std::string>& lines) const {
        std::string bytes;
        for (const std::string& line : lines) (bytes += line) += kLineEnd;
        Write(n, bytes);
    }

private:
    std::filesystem::path m_path;
};

}  // namespace escartinol::testing
