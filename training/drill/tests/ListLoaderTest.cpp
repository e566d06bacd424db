#include <training/drill/ListLoader.h>

#include <files/ShownPath.h>
#include <files/Utf8Path.h>
#include <testsupport/AccentedNames.h>

#include <testsupport/CurrentFolder.h>
#include <testsupport/TempFolder.h>
#include <textfile/LineReader.h>
#include <textfile/VectorLineSource.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <new>
#include <tuple>
#include <unistd.h>

using drill::ListEntry;
using drill::ListLoader;
using testsupport::CurrentFolder;
using testsupport::TempFolder;

namespace {

// These tests read which line is refused and why; how a path is written has tests of its own.
const files::ShownSeparator slashes('/');

drill::ListLoad readLines(std::vector<std::string> lines)
{
    textfile::VectorLineSource source(std::move(lines));
    return ListLoader::read(source, "data/liste.txt");
}

}  // namespace

class LineSplit : public testing::TestWithParam<std::tuple<const char*, const char*, const char*>> {
};

TEST_P(LineSplit, CutsAtTheFirstSemicolon)
{
    const auto& [line, draw, solutions] = GetParam();
    const ListEntry entry = ListEntry::fromLine(line);
    EXPECT_EQ(entry.draw, draw);
    EXPECT_EQ(entry.solutions, solutions);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineSplit,
    testing::Values(std::make_tuple("ABC;DEF;GHI", "ABC", "DEF;GHI"),
                    std::make_tuple("AEINRST;SATINER", "AEINRST", "SATINER"),
                    std::make_tuple("AEINRST;", "AEINRST", ""), std::make_tuple(";ABC", "", "ABC"),
                    std::make_tuple(";", "", ""), std::make_tuple("ABC;;", "ABC", ";"),
                    std::make_tuple("A B;C D ", "A B", "C D "),
                    std::make_tuple("\xC9T\xC9;\xC9T\xC9S", "\xC9T\xC9", "\xC9T\xC9S")));

TEST(ListLoaderTest, KeepsFileOrderAndSkipsBlankLines)
{
    const auto list = readLines({"", "AB;BA", "   ", "\t", "CD;DC", ""});
    ASSERT_TRUE(list.ok()) << list.why();
    ASSERT_EQ(list->entries.size(), 2u);
    EXPECT_EQ(list->entries[0].draw, "AB");
    EXPECT_EQ(list->entries[1].solutions, "DC");
    EXPECT_TRUE(list.why().empty());
}

TEST(ListLoaderTest, EmptySourceGivesAnEmptyList)
{
    const auto list = readLines({});
    ASSERT_TRUE(list.ok());
    EXPECT_TRUE(list->entries.empty());
}

TEST(ListLoaderTest, LineWithoutSemicolonRefusesTheListWithItsNumber)
{
    // blank lines count in the numbering: the faulty line is the fourth of the file
    const auto list = readLines({"AB;BA", "", "CD;DC", "EFG", "HI;IH"});
    EXPECT_FALSE(list.ok());
    EXPECT_EQ(list.why(), "Liste refusée : data/liste.txt, ligne 4 sans « ; »");
}

// An answer box takes no more characters than its draw: a line whose solutions are longer
// could never be answered. Equal lengths and shorter solutions load.
class SolutionsLength
    : public testing::TestWithParam<std::tuple<std::vector<std::string>, const char*>> {};

TEST_P(SolutionsLength, LongerSolutionsRefuseTheListWithTheLineNumber)
{
    const auto& [lines, message] = GetParam();
    const auto list = readLines(lines);
    EXPECT_EQ(list.ok(), std::string(message).empty());
    EXPECT_EQ(list.why(), message);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SolutionsLength,
    testing::Values(
        std::make_tuple(
            std::vector<std::string>{"AB;BA", "", "ABC;ABCD", "EF;FE"},
            "Liste refusée : data/liste.txt, ligne 3 : solutions plus longues que le tirage"),
        std::make_tuple(
            std::vector<std::string>{"A;B;"},
            "Liste refusée : data/liste.txt, ligne 1 : solutions plus longues que le tirage"),
        std::make_tuple(
            std::vector<std::string>{"EINOR+++++;NOIRE;ROINE"},
            "Liste refusée : data/liste.txt, ligne 1 : solutions plus longues que le tirage"),
        std::make_tuple(std::vector<std::string>{"EINOR++++++;NOIRE;ROINE"}, ""),
        std::make_tuple(std::vector<std::string>{"ABCDE;AB", "\xC9T\xC9;\xC9T\xC9"}, "")));

// A solution that no answer box takes could never be found. Control characters in the draw,
// letters of the code page's upper half and the euro sign load.
class ControlCharacters : public testing::TestWithParam<std::tuple<std::string, const char*>> {};

TEST_P(ControlCharacters, ASolutionThatCannotBeTypedRefusesTheList)
{
    const auto& [line, message] = GetParam();
    const auto list = readLines({"AB;BA", "", line, "CD;DC"});
    EXPECT_EQ(list.ok(), std::string(message).empty());
    EXPECT_EQ(list.why(), message);
    if (list.ok()) {
        EXPECT_EQ(list->entries.size(), 3u);
    }
}

const char* const kControl = "Liste refusée : data/liste.txt, ligne 3 : caractère de contrôle";

INSTANTIATE_TEST_SUITE_P(
    Lines, ControlCharacters,
    testing::Values(std::make_tuple(std::string("ABCDEFGHI;ABC\0DEFGH", 19), kControl),
                    std::make_tuple(std::string("ABC;\0", 5), kControl),
                    std::make_tuple(std::string("ABC;A\x01"), kControl),
                    std::make_tuple(std::string("ABC;A\tB"), kControl),
                    std::make_tuple(std::string("ABC;A\x7F"), kControl),
                    std::make_tuple(std::string("ABC;A\x81"), kControl),
                    std::make_tuple(std::string("ABC;A\x9D"), kControl),
                    std::make_tuple(std::string("ABC;\x01\x02\x03\x04"), kControl),
                    std::make_tuple(std::string("A\0C;ABC", 7), ""),
                    std::make_tuple(std::string("ABC;\x80\x8C\xC9"), ""),
                    std::make_tuple(std::string("ABC;A B"), "")));

// Lines that throw as memory runs out, from the third on.
class ExhaustedLines : public textfile::LineSource {
public:
    bool next(std::string& line) override
    {
        if (++count_ == 3)
            throw std::bad_alloc();
        line = "AB;BA";
        return true;
    }

private:
    int count_ = 0;
};

TEST(ListLoaderTest, MemoryRunningOutRefusesTheListWithTheLine)
{
    ExhaustedLines lines;
    const auto list = ListLoader::read(lines, "data/liste.txt");
    EXPECT_FALSE(list.ok());
    EXPECT_EQ(list.why(),
              "Liste refusée : data/liste.txt, ligne 3 : mémoire insuffisante pour la charger");
}

// A file of one entry, then a line of `length` bytes (a draw, a ";" and nothing more);
// 3 GB is left sparse on the disk and never read whole.
class LongLines : public testing::TestWithParam<std::tuple<unsigned long long, const char*>> {};

TEST_P(LongLines, ALineOverTheLimitRefusesTheListWithItsNumber)
{
    const auto& [length, message] = GetParam();
    TempFolder folder;
    const std::string path = folder.write("data/ods6new_7L.txt", {"AB;BA"});
    if (length > 1u << 30) {
        const std::filesystem::path file = files::fromUtf8(path);
        std::filesystem::resize_file(file, std::filesystem::file_size(file) + length);
    } else {
        std::ofstream(files::fromUtf8(path), std::ios::app | std::ios::binary)
            << std::string(length - 1, 'A') << ";\r\n";
    }
    CurrentFolder inside(folder.path());
    const auto list = ListLoader::loadFile("data/ods6new_7L.txt", {});
    EXPECT_EQ(list.why(), message);
    EXPECT_EQ(list.ok(), std::string(message).empty());
    if (list.ok()) {
        EXPECT_EQ(list->entries.size(), 2u);
    }
}

const char* const kTooLong = "Liste refusée : data/ods6new_7L.txt, ligne 2 : ligne trop longue "
                             "(plus de 1\xC2\xA0"
                             "048\xC2\xA0"
                             "576 octets)";

INSTANTIATE_TEST_SUITE_P(Files, LongLines,
                         testing::Values(std::make_tuple(1ULL * textfile::longestLine, ""),
                                         std::make_tuple(textfile::longestLine + 1ULL, kTooLong),
                                         std::make_tuple(3ULL << 30, kTooLong)));

TEST(ListLoaderTest, AnEmptyFileLoadsWithoutEntries)
{
    TempFolder folder;
    folder.write("data/ods6new_5L.txt", {});
    CurrentFolder inside(folder.path());
    const auto list = ListLoader::loadTitle("5 lettres", 0, {});
    ASSERT_TRUE(list.ok()) << list.why();
    EXPECT_TRUE(list->entries.empty());
}

// Every place looked at is named, the working folder's first, in the order they are searched,
// as Windows writes a path (here too, for the test).
TEST(ListLoaderTest, MissingFileNamesTheFileAndEveryPlaceSearched)
{
    TempFolder folder;
    CurrentFolder inside(folder.path());
    const files::ShownSeparator windows('\\');
    const std::string here = files::toUtf8(folder.path());
    const auto list = ListLoader::loadFile("data/ods6new_7L.txt",
                                           {here + "/joueur/data", "", here + "/bin/../share"});
    const auto at = [&here](const char* place) {
        std::string path = files::toUtf8(files::fromUtf8(here + place).make_preferred());
        std::replace(path.begin(), path.end(), '/', '\\');
        return path;
    };
    EXPECT_FALSE(list.ok());
    EXPECT_EQ(list.why(),
              "Liste introuvable : data\\ods6new_7L.txt (cherchée dans "
                  + at("/data/ods6new_7L.txt") + ", " + at("/joueur/data/ods6new_7L.txt") + ", "
                  + at("/share/ods6new_7L.txt") + ")");
}

// A folder whose name the Windows code page misreads (« Hélène ») or lacks (« Łukasz »):
// its lists are found and loaded, whether it is the working folder or one searched after it,
// and a list missing there is said with the folder's name as it is.
class AccentedFolder : public testing::TestWithParam<std::tuple<std::string, bool>> {};

TEST_P(AccentedFolder, LoadsItsListsAndNamesItWhenOneIsMissing)
{
    const auto& [name, working] = GetParam();
    TempFolder top;
    const std::string folder = top.file(name);
    top.write(name + "/data/ods6new_7L.txt", {"AEINRST;SATINER"});
    const std::vector<std::string> dataFolders =
        working ? std::vector<std::string>{} : std::vector<std::string>{folder + "/data"};
    TempFolder elsewhere;
    CurrentFolder inside(working ? files::fromUtf8(folder) : elsewhere.path());
    const auto list = ListLoader::loadTitle("7 lettres", 0, dataFolders);
    ASSERT_TRUE(list.ok()) << list.why();
    ASSERT_EQ(list->entries.size(), 1u);
    EXPECT_EQ(list->entries[0].solutions, "SATINER");
    const auto missing = ListLoader::loadTitle("8 lettres", 0, dataFolders);
    EXPECT_FALSE(missing.ok());
    EXPECT_NE(missing.why().find(name), std::string::npos) << missing.why();
}

INSTANTIATE_TEST_SUITE_P(Names, AccentedFolder,
                         testing::Combine(testing::ValuesIn(testsupport::accentedNames()),
                                          testing::Bool()));

TEST(ListLoaderTest, UnknownTitleIsRefused)
{
    const auto list = ListLoader::loadTitle("7 lettres", 1, {});
    EXPECT_FALSE(list.ok());
    EXPECT_EQ(list.why(), "Liste inconnue : 7 lettres");
}

TEST(ListLoaderTest, FolderInPlaceOfAFileIsRefused)
{
    TempFolder folder;
    std::filesystem::create_directories(folder.path() / "data" / "ods6new_5L.txt");
    CurrentFolder inside(folder.path());
    const auto list = ListLoader::loadTitle("5 lettres", 0, {});
    EXPECT_FALSE(list.ok());
    EXPECT_NE(list.why().find("data/ods6new_5L.txt"), std::string::npos) << list.why();
}

TEST(ListLoaderTest, TitleLoadsItsOwnBoxFileFromTheWorkingFolder)
{
    TempFolder folder;
    folder.write("data/entrees_5L_anags.txt", {"AEILR++++++;ALIER;RALEI"});
    folder.write("data/tout_5L_anags.txt", {"AEILR++++++;ALIER;RALEI", "AEIRT++++++;ARETE;TERAI"});
    CurrentFolder inside(folder.path());
    const auto first = ListLoader::loadTitle("5 lettres (anag multiples)", 0, {});
    const auto second = ListLoader::loadTitle("5 lettres (anag multiples)", 1, {});
    ASSERT_TRUE(first.ok()) << first.why();
    ASSERT_TRUE(second.ok()) << second.why();
    EXPECT_EQ(first->entries.size(), 1u);
    EXPECT_EQ(second->entries.size(), 2u);
    EXPECT_EQ(second->entries[1].solutions, "ARETE;TERAI");
    EXPECT_EQ(first->path, "data/entrees_5L_anags.txt");
}

TEST(ListLoaderTest, DataFoldersAreTriedAfterTheWorkingFolderInOrder)
{
    TempFolder work;
    TempFolder installedA;
    TempFolder installedB;
    installedA.write("a/ods6new_8L.txt", {"A;A"});
    const std::string fromB = installedB.write("data/ods6new_8L.txt", {"B;B", "C;C"});
    const std::vector<std::string> folders = {installedA.file("none"), installedB.file("data")};
    CurrentFolder inside(work.path());
    auto list = ListLoader::loadTitle("8 lettres", 0, folders);
    ASSERT_TRUE(list.ok()) << list.why();
    EXPECT_EQ(list->entries.size(), 2u);
    EXPECT_EQ(files::fromUtf8(list->path), files::fromUtf8(fromB));

    work.write("data/ods6new_8L.txt", {"W;W"});
    list = ListLoader::loadTitle("8 lettres", 0, folders);
    ASSERT_TRUE(list.ok());
    ASSERT_EQ(list->entries.size(), 1u);
    EXPECT_EQ(list->entries[0].draw, "W");
}

TEST(ListLoaderTest, HundredThousandLinesLoadWithoutCap)
{
    TempFolder folder;
    std::vector<std::string> lines;
    for (int k = 0; k < 100000; ++k)
        lines.push_back("D" + std::to_string(k) + ";S" + std::to_string(k));
    folder.write("data/ods6new_2-9L_all.txt", lines);
    CurrentFolder inside(folder.path());
    const auto list = ListLoader::loadTitle("2 à 9 lettres (tout)", 1, {});
    ASSERT_TRUE(list.ok()) << list.why();
    ASSERT_EQ(list->entries.size(), 100000u);
    EXPECT_EQ(list->entries[10001].draw, "D10001");
    EXPECT_EQ(list->entries[99999].solutions, "S99999");
}
