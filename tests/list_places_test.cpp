// The order of the places where the lists are looked for, under the environment a desktop gives.
#include "words/list_places.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "support/list_folder.h"

namespace escartinol {
namespace {

namespace fs = std::filesystem;
using testing::CListFolder;

// Sets the XDG variables and HOME for one test and gives the old ones back afterwards.
class PlacesTest : public ::testing::Test {
protected:
    void SetEnvironment(const std::map<std::string, std::optional<std::string>>& values) {
        for (const auto& [name, value] : values) {
            if (!m_saved.contains(name)) {
                const char* old = std::getenv(name.c_str());
                m_saved[name] = old ? std::optional<std::string>(old) : std::nullopt;
            }
            value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
        }
    }
    void TearDown() override {
        for (const auto& [name, value] : m_saved)
            value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
    }

private:
    std::map<std::string, std::optional<std::string>> m_saved;
};

std::vector<std::string> Dirs(const std::vector<ListPlace>& places) {
    std::vector<std::string> dirs;
    for (const ListPlace& place : places) dirs.push_back(place.dir);
    return dirs;
}

// The base-directory rules: unset, empty or relative values fall back to their defaults.
TEST_F(PlacesTest, PlacesFollowTheXdgRules) {
    const std::optional<std::string> unset;
    const struct {
        std::optional<std::string> dataHome, home, dataDirs;
        std::string programDir;
        std::vector<std::string> dirs;
    } cases[] = {
        {"/d/home",
         "/h",
         "/a:/b/",
         "/opt/esc/games",
         {"/d/home/escartinol/lists/oc", "/opt/esc/share/escartinol/lists/oc", "/a/escartinol/lists/oc",
          "/b/escartinol/lists/oc"}},
        {"relative",
         "/h",
         "",
         "",
         {"/h/.local/share/escartinol/lists/oc", "/usr/local/share/escartinol/lists/oc",
          "/usr/share/escartinol/lists/oc"}},
        {unset, unset, "rel::/a", "/usr/games", {"/usr/share/escartinol/lists/oc", "/a/escartinol/lists/oc"}},
    };
    for (const auto& [dataHome, home, dataDirs, programDir, dirs] : cases) {
        SetEnvironment({{"XDG_DATA_HOME", dataHome}, {"HOME", home}, {"XDG_DATA_DIRS", dataDirs}});
        const auto places = ListPlaces("oc", programDir);
        EXPECT_EQ(Dirs(places), dirs) << programDir;
        EXPECT_EQ(places.back().kind, ListPlaceKind::kInstalled);
        // Without a language asked for, the current folder comes first, then the French places.
        const auto unasked = ListPlaces(std::nullopt, programDir);
        EXPECT_EQ(unasked.front().kind, ListPlaceKind::kCurrentFolder);
        EXPECT_EQ(unasked.size(), dirs.size() + 1);
        EXPECT_NE(unasked.back().dir.find("/lists/fr"), std::string::npos);
    }
    EXPECT_TRUE(IsListLanguage("fr") && IsListLanguage("oc"));
    EXPECT_FALSE(IsListLanguage("") || IsListLanguage("FR") || IsListLanguage("fr/../oc"));
}

// Each place is passed over once it holds none of the six lists, an empty folder included;
// with none left, the caller is told where the installed lists belong. Lists in the current
// folder are played only when no language was asked for.
TEST_F(PlacesTest, TheFirstPlaceHoldingAnyListWins) {
    CListFolder root;
    const fs::path base = root.Dir();
    const fs::path here = base / "here";
    const auto lists = [&](const fs::path& data) { return (data / "escartinol/lists/fr").string(); };
    const std::string player = lists(base / "home/.local/share");
    const std::string besideProgram = lists(base / "opt/share");
    const std::string empty = lists(base / "empty");
    const std::string system = lists(base / "system");
    for (const std::string& dir : {player, besideProgram, empty, system}) fs::create_directories(dir);
    fs::create_directories(here);
    for (const std::string& dir : {here.string(), player, besideProgram, system})
        std::ofstream(fs::path(dir) / ListFileName(5), std::ios::binary) << "CEHIN/chien\r\n";
    SetEnvironment({{"XDG_DATA_HOME", std::nullopt},
                    {"HOME", (base / "home").string()},
                    {"XDG_DATA_DIRS", (base / "empty").string() + ":" + (base / "system").string()}});
    const fs::path started = fs::current_path();
    fs::current_path(here);

    const std::pair<std::string, ListPlaceKind> order[] = {{"", ListPlaceKind::kCurrentFolder},
                                                           {player, ListPlaceKind::kPlayer},
                                                           {besideProgram, ListPlaceKind::kInstalled},
                                                           {system, ListPlaceKind::kInstalled}};
    EXPECT_EQ(FindLists("fr", (base / "opt/games").string()).place.dir, player);
    for (const auto& [dir, kind] : order) {
        const FoundLists found = FindLists(std::nullopt, (base / "opt/games").string());
        EXPECT_TRUE(found.found) << dir;
        EXPECT_EQ(found.place.dir, dir);
        EXPECT_EQ(found.place.kind, kind) << dir;
        fs::remove(fs::path(dir.empty() ? here.string() : dir) / ListFileName(5));
    }
    const FoundLists none = FindLists(std::nullopt, (base / "opt/games").string());
    fs::current_path(started);
    EXPECT_FALSE(none.found);
    EXPECT_EQ(none.place.dir, besideProgram);
}

}  // namespace
}  // namespace escartinol
