// What both fuzz targets share: an abort that libFuzzer reports, the input's parts and a private scratch folder.
#pragma once

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace escartinol::fuzzing {

inline void Require(bool condition) {
    if (!condition) std::abort();
}

// The input cut on its first most - 1 bytes 0x1E; the last part keeps the rest, marks and all.
inline std::vector<std::string_view> SplitParts(std::string_view input, std::size_t most) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t mark = parts.size() + 1 < most ? input.find('\x1E') : std::string_view::npos;
        parts.push_back(input.substr(0, mark));
        if (mark == std::string_view::npos) return parts;
        input.remove_prefix(mark + 1);
    }
}

inline void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// One folder per process under $TMPDIR, removed at exit: the fuzzer may run several side by side.
class CScratchFolder {
public:
    explicit CScratchFolder(const std::string& prefix) {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/" + prefix + "-XXXXXX";
        Require(::mkdtemp(pattern.data()) != nullptr);
        m_path = pattern;
    }
    ~CScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    CScratchFolder(const CScratchFolder&) = delete;
    CScratchFolder& operator=(const CScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

}  // namespace escartinol::fuzzing
