// What both fuzz targets share: an abort that libFuzzer reports, and a private scratch folder.
#pragma once

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace escartinol::fuzzing {

inline constexpr char kPartMark = 0x1E;  // splits an input into its pieces

inline void Require(bool condition) {
    if (!condition) std::abort();
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
