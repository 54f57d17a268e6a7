// The tools find their own folder through /proc, the place Linux keeps it.
#include "tools/list_options.h"

#include <filesystem>

namespace escartinol {

namespace {

// The folder of the running program; empty when /proc cannot tell.
std::string ProgramDir() {
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : program.parent_path().string();
}

}  // namespace

std::string TakeListOptions(std::vector<std::string>& args, ListOptions& options) {
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string* value = nullptr;
        const std::string name = arg.substr(0, arg.find('='));
        if (name == "--lists") value = &options.dir;
        if (name == "--lang") value = &options.lang;
        if (!value) {
            rest.push_back(arg);
            continue;
        }
        if (name.size() < arg.size())
            *value = arg.substr(name.size() + 1);
        else if (i + 1 < args.size())
            *value = args[++i];
        else
            return name + " needs a value";
        if (value->empty()) return name + " needs a value";
    }
    if (!IsListLanguage(options.lang)) return "unknown language '" + options.lang + "' (fr or oc)";
    args = std::move(rest);
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
