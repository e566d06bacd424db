// The lists folders found under names the Windows code page misreads or lacks: the working
// folder's data/ and the player's own folder are named as they are, and name the files there.
#include <places/ListFolders.h>

#include <files/Utf8Path.h>
#include <testsupport/AccentedNames.h>
#include <testsupport/CurrentFolder.h>
#include <testsupport/EnvironmentVariable.h>
#include <testsupport/TempFolder.h>
#include <testsupport/TestFiles.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using places::ListFolders;

#ifdef _WIN32
const char* const dataVariable = "APPDATA";
#else
const char* const dataVariable = "XDG_DATA_HOME";
#endif

class AccentedListFolders : public ::testing::TestWithParam<std::string> {};

TEST_P(AccentedListFolders, NameTheFilesThere)
{
    testsupport::TempFolder top;
    const std::string name = GetParam();
    const std::string home = top.file(name + "/AppData");
    const testsupport::EnvironmentVariable data(dataVariable, home.c_str());
    top.write(name + "/AppData/vorlane/data/ods6new_8L.txt", {"A;A"});
    const std::string working = top.write(name + "/data/ods6new_7L.txt", {"B;B"});
    const testsupport::CurrentFolder inside(files::fromUtf8(top.file(name)));

    ASSERT_TRUE(ListFolders::workingFolderInUse());
    EXPECT_EQ(files::fromUtf8(ListFolders::workingFolder() + "/ods6new_7L.txt"),
              files::fromUtf8(working));
    EXPECT_EQ(ListFolders::importDestination(), ListFolders::workingFolder());
    const std::vector<std::string> after = ListFolders::afterWorkingFolder();
    ASSERT_EQ(after.size(), 2u);
    EXPECT_TRUE(testsupport::exists(after.front() + "/ods6new_8L.txt")) << after.front();
}

INSTANTIATE_TEST_SUITE_P(Names, AccentedListFolders,
                         ::testing::ValuesIn(testsupport::accentedNames()));

}  // namespace
