// A folder on a file system that keeps whole seconds only, as ext4 with 128-byte inodes does.
#pragma once

#include <sys/mount.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace escartinol::testing {

// Mounts a small loop image; where mounting is not allowed, Skipped() says why and Dir() is empty.
class CCoarseClockFolder {
public:
    CCoarseClockFolder() {
        static int counter = 0;
        const auto base = std::filesystem::temp_directory_path() /
                          ("escartinol-coarse-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        m_image = base.string() + ".img";
        m_mount = base.string();
        std::filesystem::create_directories(m_mount);
        const std::string make = "truncate -s 8M " + m_image + " && mkfs.ext4 -q -I 128 " + m_image +
                                 " >/dev/null 2>&1 && mount -o loop " + m_image + " " + m_mount + " 2>/dev/null";
        if (::geteuid() != 0 || std::system(make.c_str()) != 0) {
            m_skipped = "cannot mount an ext4 image with 128-byte inodes here (needs root and loop devices)";
            return;
        }
        m_dir = m_mount + "/lists";
        std::filesystem::create_directory(m_dir);
    }
    ~CCoarseClockFolder() {
        if (!m_dir.empty()) ::umount(m_mount.c_str());
        std::error_code ec;
        std::filesystem::remove_all(m_mount, ec);
        std::filesystem::remove(m_image, ec);
    }
    CCoarseClockFolder(const CCoarseClockFolder&) = delete;
    CCoarseClockFolder& operator=(const CCoarseClockFolder&) = delete;

    const std::string& Skipped() const { return m_skipped; }
    const std::string& Dir() const { return m_dir; }

private:
    std::string m_image;
    std::string m_mount;
    std::string m_dir;
    std::string m_skipped;
};

}  // namespace escartinol::testing
