// Where the player's own folders are, from the environment as the system gives them: the XDG
// rules on Linux, APPDATA and LOCALAPPDATA on Windows.
#include <places/PlayerFolders.h>

#include <testsupport/EnvironmentVariable.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using places::PlayerFolders;

struct Environment {
    const char* name;
    const char* dataHome;
    const char* cacheHome;
    const char* home;
    std::string playerFolder;
    std::string cacheFolder;
};

class PlayerHome : public ::testing::TestWithParam<Environment> {};

#ifdef _WIN32
// APPDATA holds the lists, LOCALAPPDATA the work files; HOME plays no part.
const char* const dataVariable = "APPDATA";
const char* const cacheVariable = "LOCALAPPDATA";
#else
const char* const dataVariable = "XDG_DATA_HOME";
const char* const cacheVariable = "XDG_CACHE_HOME";
#endif

TEST_P(PlayerHome, FollowsAbsolutePathsOnly)
{
    const testsupport::EnvironmentVariable data(dataVariable, GetParam().dataHome);
    const testsupport::EnvironmentVariable cache(cacheVariable, GetParam().cacheHome);
    const testsupport::EnvironmentVariable home("HOME", GetParam().home);
    EXPECT_EQ(PlayerFolders::lists(), GetParam().playerFolder);
    EXPECT_EQ(PlayerFolders::cacheHome(), GetParam().cacheFolder);
    // The study record lies beside the player's lists folder, or nowhere.
    const std::string lists = GetParam().playerFolder;
    EXPECT_EQ(PlayerFolders::studyRecord(),
              lists.empty() ? "" : lists.substr(0, lists.size() - 4) + "etude.sqlite");
}

#ifdef _WIN32
INSTANTIATE_TEST_SUITE_P(
    Environments, PlayerHome,
    ::testing::Values(Environment{"appData", "C:\\Users\\Hélène\\AppData\\Roaming",
                                  "C:\\Users\\Hélène\\AppData\\Local", nullptr,
                                  "C:/Users/Hélène/AppData/Roaming/vorlane/data",
                                  "C:/Users/Hélène/AppData/Local"},
                      Environment{"homeIgnored", nullptr, nullptr, "C:/Users/joueur", "", ""},
                      Environment{"relativeIgnored", "Roaming", "Local", nullptr, "", ""}),
    [](const ::testing::TestParamInfo<Environment>& info) { return std::string(info.param.name); });
#else
INSTANTIATE_TEST_SUITE_P(
    Environments, PlayerHome,
    ::testing::Values(Environment{"xdg", "/srv/donnees", "/srv/cache", "/home/joueur",
                                  "/srv/donnees/vorlane/data", "/srv/cache"},
                      Environment{"homeOnly", nullptr, nullptr, "/home/joueur",
                                  "/home/joueur/.local/share/vorlane/data", "/home/joueur/.cache"},
                      Environment{"relativeXdgIgnored", "donnees", "cache", "/home/joueur",
                                  "/home/joueur/.local/share/vorlane/data", "/home/joueur/.cache"},
                      Environment{"emptyXdgIgnored", "", "", "/home/joueur",
                                  "/home/joueur/.local/share/vorlane/data", "/home/joueur/.cache"},
                      Environment{"noHome", nullptr, nullptr, nullptr, "", ""},
                      Environment{"relativeHome", nullptr, nullptr, "joueur", "", ""},
                      Environment{"noHomeButXdg", "/srv/donnees", nullptr, nullptr,
                                  "/srv/donnees/vorlane/data", ""}),
    [](const ::testing::TestParamInfo<Environment>& info) { return std::string(info.param.name); });

#endif

}  // namespace
