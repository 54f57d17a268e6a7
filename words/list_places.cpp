// The XDG base-directory rules, applied to the lists of one language.
#include "words/list_places.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "words/list_format.h"

namespace escartinol {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kListLanguages[] = {"fr", "oc"};
constexpr const char* kDefaultDataDirs = "/usr/local/share:/usr/share";

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string ListsUnder(const fs::path& dataDir, std::string_view lang) {
    return (dataDir / "escartinol" / "lists" / lang).lexically_normal().string();
}

}  // namespace

bool IsListLanguage(std::string_view lang) {
    return std::find(std::begin(kListLanguages), std::end(kListLanguages), lang) != std::end(kListLanguages);
}

std::vector<ListPlace> ListPlaces(std::optional<std::string_view> asked, const std::string& programDir) {
    std::vector<ListPlace> places;
    if (!asked) places.push_back({"", ListPlaceKind::kCurrentFolder});
    const std::string_view lang = asked.value_or(kDefaultListLanguage);
    // The base-directory rules ignore a relative path: it would depend on where the program starts.
    fs::path dataHome = Environment("XDG_DATA_HOME");
    if (!dataHome.is_absolute()) {
        const fs::path home = Environment("HOME");
        dataHome = home.is_absolute() ? home / ".local" / "share" : fs::path();
    }
    if (!dataHome.empty()) places.push_back({ListsUnder(dataHome, lang), ListPlaceKind::kPlayer});
    if (!programDir.empty())
        places.push_back({ListsUnder(fs::path(programDir) / ".." / "share", lang), ListPlaceKind::kInstalled});
    std::string dataDirs = Environment("XDG_DATA_DIRS");
    if (dataDirs.empty()) dataDirs = kDefaultDataDirs;
    for (std::size_t start = 0; start <= dataDirs.size();) {
        const std::size_t end = std::min(dataDirs.find(':', start), dataDirs.size());
        const fs::path dir = dataDirs.substr(start, end - start);
        if (dir.is_absolute()) places.push_back({ListsUnder(dir, lang), ListPlaceKind::kInstalled});
        start = end + 1;
    }
    return places;
}

std::string ProgramDir() {
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : program.parent_path().string();
}

std::string ShownFolder(const std::string& dir) {
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::absolute(dir.empty() ? "." : dir, ec).lexically_normal();
    if (ec) return dir;
    if (!folder.has_filename() && folder.has_relative_path()) folder = folder.parent_path();
    return folder.string();
}

bool HoldsAnyList(const std::string& dir) {
    const fs::path folder = dir.empty() ? fs::path(".") : fs::path(dir);
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) {
        std::error_code ec;
        if (fs::is_regular_file(folder / ListFileName(n), ec)) return true;
    }
    return false;
}

FoundLists FindLists(std::optional<std::string_view> lang, const std::string& programDir) {
    const std::vector<ListPlace> places = ListPlaces(lang, programDir);
    for (const ListPlace& place : places)
        if (HoldsAnyList(place.dir)) return {place, true};
    const auto installed = std::find_if(places.begin(), places.end(),
                                        [](const ListPlace& place) { return place.kind == ListPlaceKind::kInstalled; });
    if (installed != places.end()) return {*installed, false};
    return {places.empty() ? ListPlace{"", ListPlaceKind::kCurrentFolder} : places.front(), false};
}

}  // namespace escartinol
