// Without a folder of the player's own, nothing is imported.
#include <ownlists/ImportSession.h>
#include <places/PlayerFolders.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using places::PlayerFolders;

// Without a home the import is refused in French before any folder is made.
TEST(NoHome, TheImportIsRefusedAndSaysWhy)
{
    ownlists::ImportSetup setup;
    setup.problem = PlayerFolders::noHome();
    EXPECT_NE(setup.destination().find("vous n'avez pas de dossier personnel"), std::string::npos)
        << setup.destination();
    ownlists::ImportSession session(setup, false, "");
    const auto planned = session.plan();
    EXPECT_FALSE(planned);
    EXPECT_EQ(planned.why(), PlayerFolders::noHome());
}

}  // namespace
