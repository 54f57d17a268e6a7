// Where the six lists are looked for when no folder is named: the same order for the game and the tools.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace escartinol {

inline constexpr std::string_view kDefaultListLanguage = "fr";

// The languages whose lists may be installed: fr and oc.
bool IsListLanguage(std::string_view lang);

enum class ListPlaceKind {
    kNamed,          // named by the player with --lists: no other place is tried
    kCurrentFolder,  // the folder the program was started in, as before any other place existed
    kPlayer,         // the player's own copy, which add and remove write
    kInstalled,      // shared and read-only: beside the program, then in the system data folders
};

struct ListPlace {
    std::string dir;  // empty for the current folder, so its lists keep their bare names
    ListPlaceKind kind;
};

// The places in the order they are tried: the current folder, unless a language was asked for
// (started from the home folder, a menu's Occitan launcher must not play the French lists a
// player once built there); $XDG_DATA_HOME (by default
// ~/.local/share) /escartinol/lists/LANG; programDir/../share/escartinol/lists/LANG, so that a
// relocated install finds its own lists; then each folder of $XDG_DATA_DIRS (by default
// /usr/local/share:/usr/share). A place that cannot be named (no HOME, no programDir) is left out.
// Without lang, the places of the default language.
std::vector<ListPlace> ListPlaces(std::optional<std::string_view> lang, const std::string& programDir);

// The folder of the running program, where Linux keeps it (/proc); empty when that cannot tell.
std::string ProgramDir();

// The folder as a player would look for it: absolute, without a trailing separator.
std::string ShownFolder(const std::string& dir);

// True when dir (empty: the current folder) holds at least one of the six lists.
bool HoldsAnyList(const std::string& dir);

struct FoundLists {
    ListPlace place;
    bool found = false;
};

// The first place that holds any list. When none does, the place where the installed lists of
// lang belong (the first installed place), with found false, so that the caller can name it.
FoundLists FindLists(std::optional<std::string_view> lang, const std::string& programDir);

}  // namespace escartinol
