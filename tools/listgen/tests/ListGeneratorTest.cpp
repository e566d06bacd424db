#include <tools/listgen/tests/FixtureLexicon.h>

#include <textfile/LineWriter.h>
#include <tools/listgen/src/CatalogueLists.h>
#include <tools/listgen/src/ListGenerator.h>

#include <testsupport/TempFolder.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using listgen::ListGenerator;
using listgen::ListReport;

namespace {

std::string bytesOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<ListReport> generate(const std::string& folder, const listgen::Lexicon& lexicon)
{
    ListGenerator generator(folder);
    std::vector<ListReport> reports;
    EXPECT_TRUE(generator.writeMissing(lexicon, reports)) << generator.errorText();
    return reports;
}

TEST(ListGenerator, SameSourcesSameBytes)
{
    testsupport::TempFolder first;
    testsupport::TempFolder second;
    generate(first.path(), Fixture::standard().lexicon());
    generate(second.path(), Fixture::standard().lexicon());
    for (const auto& name : listgen::CatalogueLists::fileNames()) {
        const auto bytes = bytesOf(first.file(name));
        EXPECT_EQ(bytes, bytesOf(second.file(name))) << name;
        if (name == "ods6new_2-4L.txt") {
            EXPECT_EQ(bytes, "ABEL;ABLE\r\nENZ;ZEN\r\nIQ;QI\r\n");
        }
    }
}

TEST(ListGenerator, WritesEveryMissingFileAndLeavesAPlayersOwn)
{
    testsupport::TempFolder data;
    {
        textfile::LineWriter own(data.file("ods6new_7L.txt"));
        own.write("AEIMR;AIMER");
    }
    ListGenerator generator(data.path());
    const std::size_t allButTheOwn = listgen::CatalogueLists::fileNames().size() - 1;
    EXPECT_EQ(generator.missingFiles().size(), allButTheOwn);

    const auto reports = generate(data.path(), Fixture::standard().lexicon());
    EXPECT_EQ(reports.size(), allButTheOwn);
    EXPECT_EQ(bytesOf(data.file("ods6new_7L.txt")), "AEIMR;AIMER\r\n");
    EXPECT_TRUE(generator.missingFiles().empty());
    EXPECT_FALSE(std::ifstream(data.file("ods6new_5L.txt.part")).good());

    EXPECT_TRUE(generate(data.path(), Fixture::standard().lexicon()).empty());
}

TEST(ListGenerator, WithoutTheReformedDictionaryItsListWaits)
{
    testsupport::TempFolder data;
    auto fixture = Fixture::standard();
    fixture.sources.hasReformed = false;
    const auto reports = generate(data.path(), fixture.lexicon());
    EXPECT_EQ(reports.size(), listgen::CatalogueLists::fileNames().size() - 1);
    EXPECT_EQ(ListGenerator(data.path()).missingFiles(),
              std::vector<std::string>{"ods6new_nouv_graphies.txt"});
}

TEST(ListGenerator, UnwritableFolderFails)
{
    ListGenerator generator("/nonexistent-folder/data");
    std::vector<ListReport> reports;
    EXPECT_FALSE(generator.writeMissing(Fixture::standard().lexicon(), reports));
    EXPECT_NE(generator.errorText().find("/nonexistent-folder/data/"), std::string::npos);
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
    const auto kept = ListGenerator::thinned(lines, limit);
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
