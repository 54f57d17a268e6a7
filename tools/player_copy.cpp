// A copy is told from the installed lists only by its place, so both are found through the places.
#include "tools/player_copy.h"

#include <sys/stat.h>

#include <filesystem>

#include "tools/list_options.h"
#include "tools/tool_messages.h"
#include "words/list_format.h"
#include "words/list_places.h"

namespace escartinol {

namespace {

// The latest of one time of the six lists of dir; 0 when none is there.
std::int64_t LatestTime(const std::string& dir, bool change) {
    std::int64_t latest = 0;
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) {
        struct stat status {};
        const std::string path = (std::filesystem::path(dir) / ListFileName(n)).string();
        if (::stat(path.c_str(), &status) != 0) continue;
        const timespec& time = change ? status.st_ctim : status.st_mtim;
        latest = std::max<std::int64_t>(latest, std::int64_t{time.tv_sec} * 1'000'000'000 + time.tv_nsec);
    }
    return latest;
}

}  // namespace

std::optional<std::string> FindInstalledLists(std::string_view lang) {
    for (const ListPlace& place : ListPlaces(lang, ProgramDir()))
        if (place.kind == ListPlaceKind::kInstalled && HoldsAnyList(place.dir)) return place.dir;
    return std::nullopt;
}

bool IsPlayerListsDir(const std::string& dir, std::string_view lang) {
    const auto player = PlayerListsDir(lang);
    std::error_code ec;
    return player && std::filesystem::equivalent(dir.empty() ? "." : dir, *player, ec);
}

std::string UpdateCommand(std::string_view lang) {
    return "escartinol-lists update" + (lang == kDefaultListLanguage ? std::string() : " --lang " + std::string(lang));
}

void SayWhenInstalledListsChanged(const std::string& dir, std::string_view lang, const WordRecord& record) {
    const auto installed = FindInstalledLists(lang);
    if (!installed) return;
    // A package keeps the times its files were built with, so a newer one may carry older times:
    // the record's stamp tells any change. A copy made before records has only its own times.
    const bool changed = record.installedStamp.empty() ? LatestTime(*installed, true) > LatestTime(dir, false)
                                                       : record.installedStamp != InstalledListsStamp(*installed);
    if (changed)
        Complain("the installed lists of " + *installed + " have changed since your copy in " + dir +
                 " was made from them; " + UpdateCommand(lang) + " takes them in, keeping your words");
}

}  // namespace escartinol
