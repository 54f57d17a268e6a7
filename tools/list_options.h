// --lists DIR and --lang LANG as both tools read them, and the folder of lists they lead to.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "words/list_places.h"

namespace escartinol {

struct ListOptions {
    std::string dir;  // given with --lists; empty when the places are searched
    std::string lang{kDefaultListLanguage};
};

// Takes --lists DIR and --lang LANG (or --lists=DIR, --lang=LANG) out of args, wherever they
// stand. Returns an error line, empty when both are sound.
std::string TakeListOptions(std::vector<std::string>& args, ListOptions& options);

// The lists the options lead to: the folder named, which must be one, or the first place of
// ListPlaces that holds lists. Nothing, and error set, when the folder named is not a folder.
std::optional<FoundLists> LocateLists(const ListOptions& options, std::string& error);

}  // namespace escartinol
