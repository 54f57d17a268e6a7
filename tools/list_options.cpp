// The tools find their own folder through /proc, the place Linux keeps it.
#include "tools/list_options.h"

#include <algorithm>
#include <filesystem>

namespace escartinol {

std::string ProgramDir() {
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : program.parent_path().string();
}

std::string TakeListOptions(const CommandLine& line, ListOptions& options) {
    options.dir = line.Value(kListsOption.name);
    if (line.Has(kLangOption.name)) options.lang = line.Value(kLangOption.name);
    if (!IsListLanguage(options.Lang())) return "unknown language '" + options.Lang() + "' (fr or oc)";
    return {};
}

std::optional<FoundLists> LocateLists(const ListOptions& options, std::string& error) {
    if (options.dir.empty()) return FindLists(options.lang, ProgramDir());
    std::error_code ec;
    if (!std::filesystem::is_directory(options.dir, ec)) {
        error = options.dir + " is not a folder";
        return std::nullopt;
    }
    return FoundLists{{options.dir, ListPlaceKind::kNamed}, true};
}

std::optional<std::string> PlayerListsDir(std::string_view lang) {
    const auto places = ListPlaces(lang, {});
    const auto player = std::find_if(places.begin(), places.end(),
                                     [](const ListPlace& place) { return place.kind == ListPlaceKind::kPlayer; });
    return player == places.end() ? std::nullopt : std::optional(player->dir);
}

}  // namespace escartinol
