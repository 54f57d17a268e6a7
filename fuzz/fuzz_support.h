// What both fuzz targets share: an abort that libFuzzer reports, the input's parts, files and a private folder.
#pragma once

#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace escartinol::fuzzing {

namespace fs = std::filesystem;

inline void Require(bool condition) {
    if (!condition) std::abort();
}

// The input cut on its first most - 1 bytes 0x1E; the last part keeps the rest, marks and all.
inline std::vector<std::string_view> SplitParts(const std::uint8_t* data, std::size_t size, std::size_t most) {
    std::vector<std::string_view> parts;
    for (std::string_view input(reinterpret_cast<const char*>(data), size);;) {
        const std::size_t mark = parts.size() + 1 < most ? input.find('\x1E') : std::string_view::npos;
        parts.push_back(input.substr(0, mark));
        if (mark == std::string_view::npos) return parts;
        input.remove_prefix(mark + 1);
    }
}

// The first byte of part, taken off it; 0 when there is none.
inline unsigned char TakeByte(std::string_view& part) {
    if (part.empty()) return 0;
    const auto byte = static_cast<unsigned char>(part[0]);
    part.remove_prefix(1);
    return byte;
}

inline void WriteFile(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
}

inline std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// One folder per process under $TMPDIR, removed at exit: the fuzzer may run several side by side.
inline const fs::path& ScratchFolder(const std::string& prefix) {
    static const struct Folder {
        fs::path path;
        ~Folder() {
            std::error_code ignored;
            fs::remove_all(path, ignored);
        }
    } folder{[&] {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/" + prefix + "-XXXXXX";
        Require(::mkdtemp(pattern.data()) != nullptr);
        return fs::path(pattern);
    }()};
    return folder.path;
}

}  // namespace escartinol::fuzzing
