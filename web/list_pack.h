// The lists as the site sends them: the six in one text, each line without its key, which is the
// first word's letters sorted, and the lines in the order of their words, which compresses a third
// smaller than the lists themselves; the page files each line under its key again.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "words/list_format.h"

namespace escartinol {

// The six lists' texts, 9 letters first.
using ListTexts = std::array<std::string, kListCount>;

// The lists packed; nothing when unpacking would not give every byte of them back (a line without its
// key, or under a key that its first word does not give), so that the site never sends other lists.
std::optional<std::string> PackLists(const ListTexts& lists);

ListTexts UnpackLists(std::string_view packed);

}  // namespace escartinol
