// setresuid and setresgid, after initgroups, drop root for good: no saved identity to return to.
#include "lists/folder_owner.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace escartinol {

std::string ActAsOwnerOf(const std::string& dir) {
    if (::geteuid() != 0) return {};
    namespace fs = std::filesystem;
    std::error_code ec;
    struct stat owner {};
    bool found = false;
    // The deepest folder on the path that is not root's: its owner could replace all below it.
    for (fs::path at = fs::absolute(dir.empty() ? "." : dir, ec).lexically_normal(); !ec; at = at.parent_path()) {
        struct stat status {};
        if (::lstat(at.c_str(), &status) == 0 && status.st_uid != 0) {
            owner = status;
            found = true;
            break;
        }
        if (!at.has_relative_path()) break;
    }
    if (!found) return {};
    const struct passwd* user = ::getpwuid(owner.st_uid);
    const gid_t group = user ? user->pw_gid : owner.st_gid;
    if ((user ? ::initgroups(user->pw_name, group) : ::setgroups(0, nullptr)) != 0 ||
        ::setresgid(group, group, group) != 0 || ::setresuid(owner.st_uid, owner.st_uid, owner.st_uid) != 0)
        return "cannot act as the owner (user " + std::to_string(owner.st_uid) + ") of " + dir + ": " +
               std::strerror(errno);
    return {};
}

bool MayFollowLink(const std::string& path) {
    struct stat link {};
    return ::lstat(path.c_str(), &link) == 0 && (link.st_uid == ::geteuid() || link.st_uid == 0);
}

}  // namespace escartinol
