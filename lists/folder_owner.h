// Root at work in a folder that another user owns does that work as that user, so that the kernel
// lets it do there only what that user may: no link of theirs leads root's writes into root's files.
#pragma once

#include <string>

namespace escartinol {

// When the process runs as root and dir, or the folder it will be made in, belongs to another user
// (the deepest such owner on its path), takes on that user's identity for good: user, group and
// supplementary groups. Anyone else is left as they are. Returns an error message, empty on success.
std::string ActAsOwnerOf(const std::string& dir);

// Whether a list that is a link may be written through: the link must be the acting user's or
// root's, never one that another user planted in a folder where anyone may write.
bool MayFollowLink(const std::string& path);

}  // namespace escartinol
