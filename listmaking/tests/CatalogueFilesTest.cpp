#include <files/Utf8Path.h>
#include <listmaking/tests/Drillable.h>

#include <catalogue/Catalogue.h>
#include <lexicon/SourceFiles.h>
#include <listmaking/dictionary/LexiconStore.h>
#include <listmaking/lists/CatalogueLists.h>
#include <listmaking/lists/DefaultListsRun.h>
#include <textfile/LineReader.h>
#include <training/drill/ListLoader.h>

#include <testsupport/TempFolder.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

namespace {

const std::string dataDir = LISTGEN_DATA_DIR;

TEST(CatalogueFiles, EveryTitleHasItsGeneratedFile)
{
    auto names = listmaking::CatalogueLists::fileNames();
    ASSERT_EQ(names.size(), catalogue::Catalogue::rows().size());
    for (const auto& row : catalogue::Catalogue::rows()) {
        const auto& name = row.fileName;
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << row.path();
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::unique(names.begin(), names.end()), names.end());
}

// A rule may only ask for lengths that the lexicon holds: 2 to 10 letters for new words and
// forms, 4 to 9 for draws; the rules of one kind of word take no lengths at all.
TEST(CatalogueFiles, EveryRuleAsksForLengthsTheLexiconHolds)
{
    using K = catalogue::RuleKind;
    using lexicon::Lexicon;
    for (const auto& row : catalogue::Catalogue::rows()) {
        const auto& rule = row.rule;
        switch (rule.kind) {
        case K::TransitiveVerbs:
        case K::IntransitiveVerbs:
        case K::Invariables:
        case K::NewSpellings:
            EXPECT_EQ(rule.shortest, 0u) << row.fileName;
            EXPECT_EQ(rule.longest, 0u) << row.fileName;
            break;
        case K::EntryAnagrams:
        case K::FormAnagrams:
        case K::UniqueSolutions:
            EXPECT_GE(rule.shortest, lexicon::Lexicon::shortestAnagram) << row.fileName;
            EXPECT_LE(rule.longest, lexicon::Lexicon::longestWord) << row.fileName;
            EXPECT_LE(rule.shortest, rule.longest) << row.fileName;
            break;
        default:
            EXPECT_GE(rule.shortest, lexicon::Lexicon::shortest) << row.fileName;
            EXPECT_LE(rule.longest, lexicon::Lexicon::longestEntry) << row.fileName;
            EXPECT_LE(rule.shortest, rule.longest) << row.fileName;
        }
    }
}

TEST(CatalogueFiles, EveryTitleOpensADrill)
{
    for (const auto& row : catalogue::Catalogue::rows()) {
        if (!lexicon::SourceFiles::exists(dataDir + "/" + row.fileName))
            GTEST_SKIP() << "no " << row.path() << " yet: `make lists` makes it";
        const auto loaded = drill::ListLoader::loadTitle(row.title, row.box, {dataDir});
        EXPECT_TRUE(loaded.ok() && !loaded->entries.empty()) << row.title << ": " << loaded.why();
    }
}

// Lists made from the real dictionaries into a folder of their own, once, when data/ lacks
// some of them (before the first `make lists`). The prepared lexicon of the build is used
// when it is there; the files wait in a work folder of their own.
class RealLists {
public:
    static const RealLists& instance()
    {
        static const RealLists lists;
        return lists;
    }
    bool made() const { return made_; }
    std::string file(const std::string& name) const { return folder_.file("data/" + name); }

private:
    RealLists()
    {
        lexicon::SourcePaths paths;
        paths.reformedDic = LISTGEN_REFORMED_DIC;
        paths.stopList = LISTGEN_STOP_LIST;
        paths.myspellDic =
            std::string(LISTGEN_WORK_DIR) + "/older/myspell-fr/usr/share/hunspell/fr.dic";
        paths.aspellList = std::string(LISTGEN_WORK_DIR) + "/older/aspell-fr.cwl";
        paths.workDir = folder_.file("work");
        if (!lexicon::SourceFiles::exists(paths.modernDic)
            || !lexicon::SourceFiles::exists(paths.olderList))
            return;
        std::filesystem::create_directories(files::fromUtf8(paths.workDir));
        const std::string built =
            std::string(LISTGEN_WORK_DIR) + "/" + listmaking::LexiconStore::fileName;
        if (lexicon::SourceFiles::exists(built))
            std::filesystem::create_symlink(
                files::fromUtf8(built),
                files::fromUtf8(paths.workDir + "/" + listmaking::LexiconStore::fileName));
        listmaking::DefaultListsRun run(folder_.file("data"), paths);
        made_ = run.run().ok();
    }

    testsupport::TempFolder folder_;
    bool made_ = false;
};

class GeneratedFile : public ::testing::TestWithParam<std::string> {};

TEST_P(GeneratedFile, LoadsAndIsDrillable)
{
    std::string path = dataDir + "/" + GetParam();
    if (!lexicon::SourceFiles::exists(path)) {
        if (!RealLists::instance().made())
            GTEST_SKIP() << "no " << path << " and no dictionaries to make it from";
        path = RealLists::instance().file(GetParam());
        if (!lexicon::SourceFiles::exists(path))
            GTEST_SKIP() << GetParam() << " needs the reformed dictionary";
    }
    textfile::LineReader reader(path);
    ASSERT_TRUE(reader.isOpen()) << path;
    std::vector<std::string> lines;
    std::string line;
    while (reader.next(line))
        lines.push_back(line);
    EXPECT_FALSE(lines.empty()) << path;
    EXPECT_EQ(drillProblem(lines, GetParam()), "") << path;
}

std::string testName(const ::testing::TestParamInfo<std::string>& info)
{
    std::string name = info.param.substr(0, info.param.size() - 4);
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, GeneratedFile,
                         ::testing::ValuesIn(listmaking::CatalogueLists::fileNames()), testName);

}  // namespace
