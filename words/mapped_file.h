// An open file mapped into memory read-only, whole, and unmapped when it goes out of scope.
#pragma once

#include <cstddef>
#include <string_view>

namespace escartinol {

// The pages are those of the file itself, shared with every reader: a file cut short while mapped
// takes its lost pages away, and reading one of them raises SIGBUS.
class CMappedFile {
public:
    CMappedFile() = default;
    // Maps the first size bytes of the open file fd; empty when that fails or size is 0.
    CMappedFile(int fd, std::size_t size);
    ~CMappedFile();
    CMappedFile(CMappedFile&& other) noexcept;
    CMappedFile& operator=(CMappedFile&& other) noexcept;

    explicit operator bool() const { return m_address != nullptr; }
    std::string_view Bytes() const { return {static_cast<const char*>(m_address), m_size}; }

private:
    void* m_address = nullptr;
    std::size_t m_size = 0;
};

}  // namespace escartinol
