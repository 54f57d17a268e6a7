// A folder named must be one; otherwise the places are searched from the program's own folder.
#include "tools/list_options.h"

#include <filesystem>

namespace escartinol {

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

}  // namespace escartinol
