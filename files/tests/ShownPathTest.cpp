#include <files/ShownPath.h>

#include <gtest/gtest.h>

#include <string>

namespace {

struct Shown {
    const char* name;
    char separator;
    std::string path;
    std::string shown;
};

class ShownPathTest : public ::testing::TestWithParam<Shown> {};

TEST_P(ShownPathTest, WritesTheSeparatorInUse)
{
    const files::ShownSeparator separator(GetParam().separator);
    EXPECT_EQ(files::shownPath(GetParam().path), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ShownPathTest,
    ::testing::Values(
        Shown{"WindowsFolder", '\\', "C:/Users/Hélène/AppData/Roaming/vorlane/data",
              "C:\\Users\\Hélène\\AppData\\Roaming\\vorlane\\data"},
        Shown{"WindowsMixed", '\\', "C:\\Users\\Łukasz/data/ods6new_7L.txt",
              "C:\\Users\\Łukasz\\data\\ods6new_7L.txt"},
        Shown{"WindowsRelative", '\\', "data/ods6new_7L.txt", "data\\ods6new_7L.txt"},
        Shown{"WindowsShare", '\\', "//serveur/jeux/à Désirée", "\\\\serveur\\jeux\\à Désirée"},
        Shown{"Posix", '/', "/home/hélène/data/ods6new_7L.txt", "/home/hélène/data/ods6new_7L.txt"},
        // a "\" is part of a name where it is no separator
        Shown{"PosixBackslashInAName", '/', "/tmp/a\\b.txt", "/tmp/a\\b.txt"},
        Shown{"Empty", '\\', "", ""}),
    [](const ::testing::TestParamInfo<Shown>& info) { return std::string(info.param.name); });

TEST(ShownSeparator, IsTheSystemsOutsideAScope)
{
#ifdef _WIN32
    const char system = '\\';
#else
    const char system = '/';
#endif
    EXPECT_EQ(files::ShownSeparator::current(), system);
    {
        const files::ShownSeparator other(system == '/' ? '\\' : '/');
        EXPECT_NE(files::ShownSeparator::current(), system);
    }
    EXPECT_EQ(files::ShownSeparator::current(), system);
    EXPECT_EQ(files::shownPath("data/x.txt"), system == '/' ? "data/x.txt" : "data\\x.txt");
}

}  // namespace
