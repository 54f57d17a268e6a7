// The order of the places where the lists are looked for, under the environment a desktop gives.
#include "words/list_places.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "support/list_folder.h"

namespace escartinol {
namespace {

namespace fs = std::filesystem;
using Environment = std::array<std::optional<std::string>, 3>;  // XDG_DATA_HOME, HOME, XDG_DATA_DIRS; none unset

// Sets the environment for one test, and gives the old one back.
class ListPlacesTest : public ::testing::Test {
protected:
    static constexpr const char* kNames[] = {"XDG_DATA_HOME", "HOME", "XDG_DATA_DIRS"};
    static void Set(const Environment& values) {
        for (int i = 0; i < 3; ++i) values[i] ? setenv(kNames[i], values[i]->c_str(), 1) : unsetenv(kNames[i]);
    }
    void SetUp() override {
        for (int i = 0; i < 3; ++i)
            if (const char* old = std::getenv(kNames[i])) m_saved[i] = old;
    }
    void TearDown() override { Set(m_saved); }
    Environment m_saved;
};

// Each place as its folder, the player's own marked.
std::vector<std::string> Shown(const std::vector<ListPlace>& places) {
    std::vector<std::string> shown;
    for (const auto& [dir, kind] : places) shown.push_back((kind == ListPlaceKind::kPlayer ? "player " : "") + dir);
    return shown;
}

// The base-directory rules: unset, empty or relative values fall back to their defaults.
TEST_F(ListPlacesTest, PlacesFollowTheXdgRules) {
    const struct {
        Environment environment;
        std::string programDir;
        std::vector<std::string> data;  // each place's data folder, which holds escartinol/lists/LANG
    } cases[] = {
        {{"/d/home", "/h", "/a:/b/"}, "/opt/esc/games", {"player /d/home", "/opt/esc/share", "/a", "/b"}},
        {{"relative", "/h", ""}, "", {"player /h/.local/share", "/usr/local/share", "/usr/share"}},
        {{std::nullopt, std::nullopt, "rel::/a"}, "/usr/games", {"/usr/share", "/a"}},
    };
    for (const auto& c : cases) {
        Set(c.environment);
        std::vector<std::string> expected;
        for (const std::string& data : c.data) expected.push_back(data + "/escartinol/lists/oc");
        EXPECT_EQ(Shown(ListPlaces("oc", c.programDir)), expected);
        // Without a language asked for, the current folder comes first, then the French places.
        std::vector<std::string> unasked = Shown(ListPlaces("fr", c.programDir));
        unasked.insert(unasked.begin(), "");
        EXPECT_EQ(Shown(ListPlaces(std::nullopt, c.programDir)), unasked);
    }
    EXPECT_TRUE(IsListLanguage("fr") && IsListLanguage("oc"));
    EXPECT_FALSE(IsListLanguage("") || IsListLanguage("FR") || IsListLanguage("fr/../oc"));
}

// Each place is passed over once it holds none of the six lists, an empty folder included; with none
// left, the caller is told where the installed lists belong. Lists in the current folder are played
// only when no language was asked for.
TEST_F(ListPlacesTest, TheFirstPlaceHoldingAnyListWins) {
    testing::CListFolder root;
    const std::string base = root.Dir(), programDir = base + "/opt/games";
    const auto lists = [&](const std::string& data) { return base + data + "/escartinol/lists/fr"; };
    // In the order they are tried, without the empty one, which is tried before the last.
    const std::string held[] = {base + "/here", lists("/home/.local/share"), lists("/opt/share"), lists("/system")};
    fs::create_directories(lists("/empty"));
    for (const std::string& dir : held) {
        fs::create_directories(dir);
        std::ofstream(dir + "/" + ListFileName(5)) << "CEHIN/chien\r\n";
    }
    Set({std::nullopt, base + "/home", base + "/empty:" + base + "/system"});
    const fs::path started = fs::current_path();
    fs::current_path(held[0]);
    EXPECT_EQ(FindLists("fr", programDir).place.dir, held[1]);
    for (const std::string& dir : held) {
        const FoundLists found = FindLists(std::nullopt, programDir);
        EXPECT_TRUE(found.found && found.place.dir == (dir == held[0] ? "" : dir)) << dir;
        fs::remove(dir + "/" + ListFileName(5));
    }
    const FoundLists none = FindLists(std::nullopt, programDir);
    fs::current_path(started);
    EXPECT_FALSE(none.found);
    EXPECT_EQ(none.place.dir, held[2]);
}

}  // namespace
}  // namespace escartinol
