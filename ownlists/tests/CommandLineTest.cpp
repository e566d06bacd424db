// vorlane's command line: what it asks for, and the import without a window.

#include <files/ShownPath.h>
#include <listmaking/tests/HunspellFixture.h>

#include <listfolder/tests/CutSwitch.h>
#include <listmaking/ownwords/OwnWordsImport.h>
#include <ownlists/CommandLine.h>
#include <testsupport/FolderSnapshot.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

using ownlists::CommandLine;
using Action = CommandLine::Action;

namespace {

struct Line {
    const char* name;
    std::vector<const char*> arguments;
    Action action;
    std::string playerFile;
    bool replace;
    std::string error;  // a piece of it
};

class Parsing : public ::testing::TestWithParam<Line> {};

TEST_P(Parsing, TellsWhatIsAskedOrWhatIsWrong)
{
    std::vector<const char*> argv{"vorlane"};
    argv.insert(argv.end(), GetParam().arguments.begin(), GetParam().arguments.end());
    const auto line = CommandLine::parse(static_cast<int>(argv.size()), argv.data());
    EXPECT_EQ(line.action, GetParam().action);
    EXPECT_EQ(line.playerFile, GetParam().playerFile);
    EXPECT_EQ(line.replace, GetParam().replace);
    EXPECT_NE(line.error.find(GetParam().error), std::string::npos) << line.error;
    EXPECT_EQ(line.error.empty(), GetParam().error.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Parsing,
    ::testing::Values(
        Line{"nothing", {}, Action::window, "", false, ""},
        Line{"importWindow", {"--fabriquer"}, Action::importWindow, "", false, ""},
        Line{"words", {"--mes-mots", "m.txt"}, Action::importWords, "m.txt", false, ""},
        Line{"replacing",
             {"--remplacer", "--mes-mots", "m.txt"},
             Action::importWords,
             "m.txt",
             true,
             ""},
        Line{"aide", {"--aide"}, Action::help, "", false, ""},
        Line{"help", {"--mes-mots", "m.txt", "--help"}, Action::help, "m.txt", false, ""},
        Line{"wordsWithoutFile", {"--mes-mots"}, Action::wrong, "", false, "sans FICHIER"},
        Line{"wordsOfAnEmptyName", {"--mes-mots", ""}, Action::wrong, "", false, "est vide"},
        Line{"wordsTwice",
             {"--mes-mots", "a", "--mes-mots", "b"},
             Action::wrong,
             "a",
             false,
             "deux fois"},
        Line{"replaceAlone", {"--remplacer"}, Action::wrong, "", true, "--remplacer ne vaut"},
        Line{"wordsAndWindow",
             {"--fabriquer", "--mes-mots", "m.txt"},
             Action::wrong,
             "m.txt",
             false,
             "sans fenêtre"},
        Line{"unknown", {"--overwrite"}, Action::wrong, "", false, "option inconnue : --overwrite"},
        Line{"unknownWithAnEscape",
             {"--\x1B]0;titre\x07"},
             Action::wrong,
             "",
             false,
             "option inconnue : --<U+001B>]0;titre<U+0007>"}),
    [](const ::testing::TestParamInfo<Line>& info) { return std::string(info.param.name); });

// The import from the command line, into a player's folder on the fixture dictionary.
class ImportWords : public ::testing::Test {
protected:
    // Runs `vorlane --mes-mots <words> [--remplacer]`; the exit status.
    int run(const std::string& words, bool replace)
    {
        dictionary_.write("liste.txt", words);
        CommandLine line;
        line.action = Action::importWords;
        line.playerFile = dictionary_.file("liste.txt");
        line.replace = replace;
        std::FILE* out = std::tmpfile();
        std::FILE* errors = std::tmpfile();
        const int status =
            line.importWords({data_, false, dictionary_.paths()}, nullptr, out, errors);
        said_ = contents(out) + contents(errors);
        return status;
    }

    // The same, both streams in one, in the order they are written.
    int runInOrder(const std::string& words, bool replace)
    {
        dictionary_.write("liste.txt", words);
        CommandLine line;
        line.action = Action::importWords;
        line.playerFile = dictionary_.file("liste.txt");
        line.replace = replace;
        std::FILE* both = std::tmpfile();
        const int status =
            line.importWords({data_, false, dictionary_.paths()}, nullptr, both, both);
        said_ = contents(both);
        return status;
    }

    static std::string contents(std::FILE* file)
    {
        std::string text(static_cast<std::size_t>(std::ftell(file)), '\0');
        std::rewind(file);
        text.resize(std::fread(text.data(), 1, text.size(), file));
        std::fclose(file);
        return text;
    }

    HunspellFixture dictionary_{true};
    testsupport::TempFolder place_;
    std::string data_ = place_.file("vorlane/data");
    std::string said_;
};

TEST_F(ImportWords, MakesThePlayersListsAndReplacesThemOnlyWhenAsked)
{
    ASSERT_EQ(run("autrice\r\nkatal\r\ncovid19\r\n", false), 0) << said_;
    for (const std::string& piece : std::vector<std::string>{
             "Les listes vont dans ", "liste.txt lu en ASCII : 2 mot(s) retenu(s)",
             "ligne 3 : « covid19 » : un chiffre n'est pas une lettre", "ods6new_7L.txt",
             "vorlane : 2 mot(s) connu(s) du dictionnaire",
             "écrits dans " + files::shownPath(data_)})
        EXPECT_NE(said_.find(piece), std::string::npos) << piece << "\n" << said_;
    const auto first = testsupport::FolderSnapshot::of(data_);
    EXPECT_EQ(first.size(), listmaking::OwnWordsImport::fileNames().size() - 1);  // no reformed

    EXPECT_EQ(run("zorglub\r\n", false), 1);
    EXPECT_NE(said_.find("Rien n'a été écrit. Pour les remplacer tous : relancer avec "
                         "--remplacer (vorlane --mes-mots "),
              std::string::npos)
        << said_;
    EXPECT_EQ(testsupport::FolderSnapshot::of(data_), first);

    EXPECT_EQ(run("\r\n", true), 1);
    EXPECT_NE(said_.find("ne contient aucun mot du jeu (fichier vide)"), std::string::npos)
        << said_;
    EXPECT_EQ(testsupport::FolderSnapshot::of(data_), first);

    EXPECT_EQ(run("zorglub\r\n", true), 0) << said_;
    EXPECT_NE(testsupport::FolderSnapshot::of(data_), first);
}

// Every folder and file the import names is written as Windows writes it, here too for the
// test: with "\\", never the "/" the program joins paths with.
TEST_F(ImportWords, NamesEveryPathAsTheSystemWritesIt)
{
    const files::ShownSeparator windows('\\');
    const auto asWindows = [](std::string path) {
        std::replace(path.begin(), path.end(), '/', '\\');
        return path;
    };
    const std::string words = asWindows(dictionary_.file("liste.txt"));
    ASSERT_EQ(run("autrice\r\n", false), 0) << said_;
    for (const std::string& piece :
         {"Les listes vont dans " + asWindows(data_) + " : ", words + " lu en ASCII",
          "écrits dans " + asWindows(data_) + " en "})
        EXPECT_NE(said_.find(piece), std::string::npos) << piece << "\n" << said_;
    EXPECT_EQ(run("katal\r\n", false), 1);
    EXPECT_NE(said_.find(asWindows(data_) + " contient déjà "), std::string::npos) << said_;
    EXPECT_EQ(said_.find(data_ + "/"), std::string::npos) << said_;
}

// --aide names the player's lists folder of the system it runs on.
TEST(CommandLineUsage, NamesThePlayersFolderOfThisSystem)
{
#ifdef _WIN32
    const std::string folder = "(%APPDATA%\\vorlane\\data)";
#else
    const std::string folder = "(~/.local/share/vorlane/data)";
#endif
    EXPECT_NE(CommandLine::usage().find(folder), std::string::npos) << CommandLine::usage();
}

TEST_F(ImportWords, ShowsTheControlCharactersOfItsPathsByTheirCodePoints)
{
    CommandLine line;
    line.action = Action::importWords;
    line.playerFile = place_.file("mots\x1B[2J.txt");  // never made: it cannot be read
    std::FILE* both = std::tmpfile();
    const std::string data = place_.file("vorlane\x1B]0;titre\x07/data");
    EXPECT_EQ(line.importWords({data, false, dictionary_.paths()}, nullptr, both, both), 1);
    said_ = contents(both);
    EXPECT_EQ(said_.find_first_of("\x1B\x07"), std::string::npos) << said_;
    for (const std::string& piece :
         {"Les listes vont dans "
              + files::shownPath(place_.file("vorlane<U+001B>]0;titre<U+0007>/data")),
          files::shownPath(place_.file("mots<U+001B>[2J.txt"))})
        EXPECT_NE(said_.find(piece), std::string::npos) << piece << "\n" << said_;
}

// After an import cut while switching, the next one says first that it undid it, whether it
// then runs or is refused.
class AfterACutImport : public ImportWords, public ::testing::WithParamInterface<bool> {};

TEST_P(AfterACutImport, TheRepairIsTheFirstLine)
{
    ASSERT_EQ(run("autrice\r\n", false), 0) << said_;
    const auto whole = testsupport::FolderSnapshot::of(data_);
    CutSwitch::run(data_, place_.file("autre-travail"), {"ods6new_5L.txt", "ods6new_7L.txt"},
                   "remplacement ods6new_7L.txt");
    ASSERT_NE(testsupport::FolderSnapshot::of(data_), whole);
    const bool replace = GetParam();
    EXPECT_EQ(runInOrder("katal\r\n", replace), replace ? 0 : 1) << said_;
    EXPECT_EQ(said_.rfind("vorlane : une fabrication interrompue a été défaite : les fichiers de "
                              + files::shownPath(data_),
                          0),
              0u)
        << said_;
    if (!replace) {
        EXPECT_EQ(testsupport::FolderSnapshot::of(data_), whole);
    }
}

INSTANTIATE_TEST_SUITE_P(Runs, AfterACutImport, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "done" : "refused";
                         });

}  // namespace
