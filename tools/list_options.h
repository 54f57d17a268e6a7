// --lists DIR and --lang LANG as both tools read them, and the folder of lists they lead to.
#pragma once

#include <optional>
#include <string>

#include "tools/command_line.h"
#include "words/list_places.h"

namespace escartinol {

inline constexpr OptionSpec kListsOption{"lists", 0, true};
inline constexpr OptionSpec kLangOption{"lang", 0, true};

struct ListOptions {
    std::string dir;                  // given with --lists; empty when the places are searched
    std::optional<std::string> lang;  // given with --lang

    std::string Lang() const { return lang.value_or(std::string(kDefaultListLanguage)); }
};

// --lists and --lang from the command line. Returns an error line, empty when both are sound.
std::string TakeListOptions(const CommandLine& line, ListOptions& options);

// The lists the options lead to: the folder named, which must be one, or the first place of
// ListPlaces that holds lists. Nothing, and error set, when the folder named is not a folder.
std::optional<FoundLists> LocateLists(const ListOptions& options, std::string& error);

}  // namespace escartinol
