#include <listmaking/tests/FixtureLexicon.h>

#include <files/Utf8Path.h>
#include <listmaking/lists/CatalogueLists.h>
#include <listmaking/lists/DefaultListsRun.h>
#include <listmaking/lists/SolutionLines.h>
#include <textfile/LineWriter.h>

#include <testsupport/TempFolder.h>

#include <files/ShownPath.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using listmaking::DefaultListsRun;

namespace {

std::string bytesOf(const std::string& path)
{
    std::ifstream in(files::fromUtf8(path), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<std::pair<std::string, std::size_t>> generate(const std::string& folder,
                                                          const Fixture& fixture)
{
    DefaultListsRun run(folder, fixture.paths);
    const auto ran = run.run();
    EXPECT_TRUE(ran) << ran.why();
    return run.linesPerFile();
}

TEST(DefaultListsRun, SameSourcesSameBytes)
{
    testsupport::TempFolder first;
    testsupport::TempFolder second;
    generate(files::toUtf8(first.path()), Fixture::standard());
    generate(files::toUtf8(second.path()), Fixture::standard());
    for (const auto& name : listmaking::CatalogueLists::fileNames()) {
        const auto bytes = bytesOf(first.file(name));
        EXPECT_EQ(bytes, bytesOf(second.file(name))) << name;
        if (name == "ods6new_2-4L.txt") {
            EXPECT_EQ(bytes, "ABEL;ABLE\r\nENZ;ZEN\r\nIQ;QI\r\n");
        }
    }
}

TEST(DefaultListsRun, WritesEveryMissingFileAndLeavesAPlayersOwn)
{
    const auto fixture = Fixture::standard();
    testsupport::TempFolder data;
    {
        textfile::LineWriter own(data.file("ods6new_7L.txt"));
        own.write("AEIMR;AIMER");
    }
    DefaultListsRun run(files::toUtf8(data.path()), fixture.paths);
    ASSERT_TRUE(run.plan());
    const std::size_t allButTheOwn = listmaking::CatalogueLists::fileNames().size() - 1;
    EXPECT_EQ(run.missingFiles().size(), allButTheOwn);

    const auto written = generate(files::toUtf8(data.path()), fixture);
    EXPECT_EQ(written.size(), allButTheOwn);
    EXPECT_EQ(bytesOf(data.file("ods6new_7L.txt")), "AEIMR;AIMER\r\n");
    ASSERT_TRUE(run.plan());
    EXPECT_TRUE(run.missingFiles().empty());
    // nothing but the lists in the data folder, and nothing left aside in the work folder
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(data.path()))
        files += entry.path().extension() == ".txt";
    EXPECT_EQ(files, allButTheOwn + 1);
    EXPECT_FALSE(
        std::filesystem::exists(files::fromUtf8(fixture.paths.workDir + "/listes-en-attente")));

    EXPECT_TRUE(generate(files::toUtf8(data.path()), fixture).empty());
}

TEST(DefaultListsRun, WithoutTheReformedDictionaryItsListWaits)
{
    testsupport::TempFolder data;
    const auto fixture = Fixture::standard(false);
    const auto written = generate(files::toUtf8(data.path()), fixture);
    EXPECT_EQ(written.size(), listmaking::CatalogueLists::fileNames().size() - 1);
    DefaultListsRun run(files::toUtf8(data.path()), fixture.paths);
    ASSERT_TRUE(run.plan());
    EXPECT_EQ(run.missingFiles(), std::vector<std::string>{"ods6new_nouv_graphies.txt"});
}

TEST(DefaultListsRun, UnwritableFolderFails)
{
    testsupport::TempFolder place;
    const std::string notAFolder = place.write("plain.txt", {"x"});
    DefaultListsRun run(notAFolder + "/data", Fixture::standard().paths);
    const auto ran = run.run();
    EXPECT_FALSE(ran);
    EXPECT_NE(ran.why().find(files::shownPath(notAFolder + "/data")), std::string::npos)
        << ran.why();
}

struct Thinning {
    std::size_t size;
    std::size_t limit;
};

class ListThinning : public ::testing::TestWithParam<Thinning> {};

TEST_P(ListThinning, KeepsAnEvenSpreadInOrder)
{
    const auto [size, limit] = GetParam();
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < size; ++i)
        lines.push_back(std::to_string(100000 + i));
    const auto kept = listmaking::SolutionLines::thinned(lines, limit);
    ASSERT_EQ(kept.size(), std::min(size, limit));
    if (kept.empty())
        return;
    EXPECT_EQ(kept.front(), lines.front());
    for (std::size_t k = 1; k < kept.size(); ++k) {
        const auto gap = std::stoul(kept[k]) - std::stoul(kept[k - 1]);
        EXPECT_GE(gap, size / limit == 0 ? 1 : size / limit);
        EXPECT_LE(gap, size / limit + 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ListThinning,
                         ::testing::Values(Thinning{0, 10}, Thinning{7, 10}, Thinning{10, 10},
                                           Thinning{25, 10}, Thinning{30, 10},
                                           Thinning{26107, 10001}));

}  // namespace
