// Where the player's own folders are, from the environment as the XDG rules read it.
#include <places/PlayerFolders.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

using places::PlayerFolders;

// Sets an environment variable, or unsets it, for the life of the object.
class Variable {
public:
    Variable(const char* name, const char* value) : name_(name)
    {
        if (const char* was = std::getenv(name))
            was_ = was;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~Variable()
    {
        if (was_)
            ::setenv(name_, was_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    Variable(const Variable&) = delete;
    Variable& operator=(const Variable&) = delete;

private:
    const char* name_;
    std::optional<std::string> was_;
};

struct Environment {
    const char* name;
    const char* dataHome;
    const char* cacheHome;
    const char* home;
    std::string playerFolder;
    std::string cacheFolder;
};

class PlayerHome : public ::testing::TestWithParam<Environment> {};

TEST_P(PlayerHome, FollowsAbsolutePathsOnly)
{
    const Variable data("XDG_DATA_HOME", GetParam().dataHome);
    const Variable cache("XDG_CACHE_HOME", GetParam().cacheHome);
    const Variable home("HOME", GetParam().home);
    EXPECT_EQ(PlayerFolders::lists(), GetParam().playerFolder);
    EXPECT_EQ(PlayerFolders::cacheHome(), GetParam().cacheFolder);
}

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

}  // namespace
