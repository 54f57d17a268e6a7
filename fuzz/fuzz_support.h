// What both fuzz targets share: an abort that libFuzzer reports, the input's parts, files and a private folder.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
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

inline void WriteFile(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
}

inline std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// One folder per process, made again if swept away; fuzz/run.sh removes its TMPDIR, as libFuzzer cleans nothing.
inline fs::path ScratchFolder() {
    const fs::path folder = fs::temp_directory_path() / ("escartinol-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    return folder;
}

}  // namespace escartinol::fuzzing
