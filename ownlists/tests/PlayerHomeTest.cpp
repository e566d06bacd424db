// Where the player's own folders are, from the environment as the XDG rules read it.
#include <ownlists/ImportSession.h>
#include <training/window/ListFolders.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

using training::ListFolders;

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
    EXPECT_EQ(ListFolders::playerFolder(), GetParam().playerFolder);
    EXPECT_EQ(ListFolders::cacheHome(), GetParam().cacheFolder);
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

// Without a home the import is refused in French before any folder is made.
TEST(NoHome, TheImportIsRefusedAndSaysWhy)
{
    ownlists::ImportSetup setup;
    setup.problem = ListFolders::noHome();
    EXPECT_NE(setup.destination().find("vous n'avez pas de dossier personnel"), std::string::npos)
        << setup.destination();
    ownlists::ImportSession session(setup, false, "");
    EXPECT_FALSE(session.plan());
    EXPECT_EQ(session.errorText(), ListFolders::noHome());
}

}  // namespace
