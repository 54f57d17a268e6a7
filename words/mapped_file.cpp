// Read-only mappings of whole files.
#include "words/mapped_file.h"

#include <sys/mman.h>

#include <utility>

namespace escartinol {

CMappedFile::CMappedFile(int fd, std::size_t size) {
    if (size == 0) return;
    // Pages are mapped as they are first read: measured, that was quicker than MAP_POPULATE, though
    // the search for an end mark reads them all.
    void* address = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    if (address == MAP_FAILED) return;
    m_address = address;
    m_size = size;
}

CMappedFile::~CMappedFile() {
    if (m_address) ::munmap(m_address, m_size);
}

CMappedFile::CMappedFile(CMappedFile&& other) noexcept
    : m_address(std::exchange(other.m_address, nullptr)), m_size(std::exchange(other.m_size, 0)) {}

CMappedFile& CMappedFile::operator=(CMappedFile&& other) noexcept {
    if (this != &other) {
        if (m_address) ::munmap(m_address, m_size);
        m_address = std::exchange(other.m_address, nullptr);
        m_size = std::exchange(other.m_size, 0);
    }
    return *this;
}

}  // namespace escartinol
