#include <files/Utf8Path.h>
#include <listmaking/tests/HunspellFixture.h>

#include <listmaking/ownwords/OwnWordList.h>
#include <textfile/Cp1252.h>
#include <textfile/LineReader.h>
#include <textfile/LineWriter.h>

#include <testsupport/TestFiles.h>

#include <files/ShownPath.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#ifdef _WIN32
#include <files/WidePath.h>
#else
#include <sys/wait.h>
#endif

namespace {

// The shell's way of quoting a word, sending output nowhere, and giving the exit status:
// sh on POSIX systems, cmd.exe on Windows.
#ifdef _WIN32
const std::string nowhere = "NUL";

std::string inQuotes(const std::string& word)
{
    return "\"" + word + "\"";
}

// cmd.exe strips the first and last quotes of the line it is given; its program's path is
// written with backslashes, a leading '/' being an option there. The line goes in UTF-16, so
// that accented names reach the program whole.
int shell(const std::string& line)
{
    std::wstring wide;
    files::widePath("\"" + line + "\"", wide);
    return _wsystem(wide.c_str());
}

std::string programPath()
{
    std::string path = LISTGEN_PROGRAM;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return inQuotes(path);
}
#else
const std::string nowhere = "/dev/null";

std::string inQuotes(const std::string& word)
{
    return "'" + word + "'";
}

int shell(const std::string& line)
{
    return WEXITSTATUS(std::system(line.c_str()));
}

std::string programPath()
{
    return inQuotes(LISTGEN_PROGRAM);
}
#endif

// Twenty words of a player's list, in Windows-1252 with CR LF, any case and accents: sixteen
// that the fixture dictionary spells (one of them old, one marked as a locution piece) and
// four that it lacks.
std::string ownListBytes()
{
    const std::u16string words[] = {u"Éclair",  u"RAMIE",    u"zen",    u"qi",       u"wok",
                                    u"Kiwi",    u"ouzo",     u"haïku",  u"kérosène", u"zoukeuse",
                                    u"bloguer", u"tchatter", u"buzzer", u"illico",   u"catimini",
                                    u"aimer",   u"zorglub",  u"PinPon", u"krypton",  u"dragée"};
    std::string bytes;
    for (const auto& word : words)
        bytes += textfile::Cp1252::encode(word) + "\r\n";
    return bytes;
}

std::vector<std::string> linesOf(const std::string& path)
{
    textfile::LineReader reader(path);
    std::vector<std::string> lines;
    std::string line;
    while (reader.next(line))
        lines.push_back(line);
    return lines;
}

// Runs listgen on the fixture dictionary; its screen goes to `output` when given. The exit
// status as the shell gives it.
int runListgen(const HunspellFixture& fixture, const std::string& data, bool overwrite,
               const std::string& words = "mes-mots.txt", std::string* output = nullptr)
{
    const auto p = fixture.paths();
    const std::string screen = fixture.file("screen.txt");
    const std::string command = programPath() + " --data " + inQuotes(data) + " --work "
        + inQuotes(p.workDir) + " --new-words " + inQuotes(fixture.file(words)) + " --modern-dic "
        + inQuotes(p.modernDic) + " --modern-aff " + inQuotes(p.modernAff) + " --older "
        + inQuotes(p.olderList) + " --myspell-dic " + inQuotes(p.myspellDic) + " --aspell "
        + inQuotes(p.aspellList) + " --reformed-dic " + inQuotes(fixture.file("no-reformed.dic"))
        + " --stop-list " + inQuotes(fixture.file("stop.txt")) + (overwrite ? " --overwrite" : "")
        + " > " + inQuotes(screen) + " 2>&1";
    const int status = shell(command);
    if (output) {
        std::ifstream in(files::fromUtf8(screen));
        std::ostringstream text;
        text << in.rdbuf();
        *output = text.str();
    }
    return status;
}

TEST(OwnWordList, ReadsEitherEncodingAndFolds)
{
    listmaking::OwnWordList cp1252;
    cp1252.parse(ownListBytes() + "ex-voto\r\n\r\n");
    EXPECT_EQ(cp1252.words().size(), 20u);
    EXPECT_TRUE(cp1252.words().count("ECLAIR"));
    EXPECT_TRUE(cp1252.words().count("HAIKU"));
    EXPECT_EQ(cp1252.unreadable(), (std::vector<std::string>{"21: ex-voto"}));

    listmaking::OwnWordList utf8;
    utf8.parse("\xEF\xBB\xBF"
               "k\xC3\xA9ros\xC3\xA8ne\nC\xC5\x93UR\n");
    EXPECT_EQ(utf8.words(), (std::set<std::string>{"COEUR", "KEROSENE"}));
}

struct Expected {
    std::string file;
    std::vector<std::string> lines;
};

std::ostream& operator<<(std::ostream& out, const Expected& e)
{
    return out << e.file;
}

class OwnListCommand : public ::testing::TestWithParam<Expected> {
protected:
    // made by listgen, named as a player may name it
    static constexpr const char* lists = "Listes de Hélène";

    static void SetUpTestSuite()
    {
        fixture_ = new HunspellFixture;
        fixture_->write("mes-mots.txt", ownListBytes());
        data_ = new testsupport::TempFolder;
        status_ = runListgen(*fixture_, data_->file(lists), false);
    }
    static void TearDownTestSuite()
    {
        delete data_;
        delete fixture_;
    }
    static HunspellFixture* fixture_;
    static testsupport::TempFolder* data_;
    static int status_;
};

HunspellFixture* OwnListCommand::fixture_ = nullptr;
testsupport::TempFolder* OwnListCommand::data_ = nullptr;
int OwnListCommand::status_ = -1;

TEST_P(OwnListCommand, GivesTheExpectedFile)
{
    ASSERT_EQ(status_, 0);
    EXPECT_EQ(linesOf(data_->file(std::string(lists) + "/" + GetParam().file)), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    TwentyWords, OwnListCommand,
    ::testing::Values(
        Expected{"ods6new_2-4L.txt", {"ENZ;ZEN", "IIKW;KIWI", "IQ;QI", "KOW;WOK", "OOUZ;OUZO"}},
        Expected{"ods6new_5L.txt", {"AEIMR++++++;AIMER RAMIE", "AHIKU;HAIKU"}},
        Expected{
            "ods6new_6L.txt",
            {"ACEILR;ECLAIR", "ADEEGR;DRAGEE", "BERUZZ;BUZZER", "CIILLO;ILLICO", "INNOPP;PINPON"}},
        Expected{"ods6new_7L.txt", {"BEGLORU;BLOGUER", "BGLORUZ;ZORGLUB", "KNOPRTY;KRYPTON"}},
        Expected{
            "ods6new_8L.txt",
            {"ACEHRTTT;TCHATTER", "ACIIIMNT;CATIMINI", "EEEKNORS;KEROSENE", "EEKOSUUZ;ZOUKEUSE"}},
        Expected{"ods6new_9L.txt", {}},
        Expected{"ods6new_vbt.txt", {"ACEHRTTT;TCHATTER", "AEIMR;AIMER", "BEGLORU;BLOGUER"}},
        Expected{"ods6new_vbi.txt", {"ACEHRTTT;TCHATTER", "BERUZZ;BUZZER"}},
        Expected{"ods6new_inv.txt", {"ACIIIMNT;CATIMINI", "CIILLO;ILLICO"}},
        Expected{"ods6new_2-6L_LC.txt",
                 {"AHIKU;HAIKU", "BERUZZ;BUZZER", "ENZ;ZEN", "IIKW;KIWI", "IQ;QI", "KOW;WOK",
                  "OOUZ;OUZO"}}));

TEST_F(OwnListCommand, ReportNamesTheMissingWords)
{
    ASSERT_EQ(status_, 0);
    const auto lines =
        linesOf(data_->file(std::string(lists) + "/mots_absents_du_dictionnaire.txt"));
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(
        std::vector<std::string>(lines.begin() + 2, lines.begin() + 7),
        (std::vector<std::string>{
            textfile::Cp1252::encode(
                u"Mots absents du dictionnaire, entraînés tels quels (sans autres formes) : 4"),
            "DRAGEE", "KRYPTON", "PINPON", "ZORGLUB"}));
}

TEST(OwnWords, TooLongOrTooShortAreSetApartNotMissing)
{
    HunspellFixture fixture;
    const std::set<std::string> own = {"A", "ANTICONSTITUTION", "ZORGLUB", "ZEN"};
    std::set<std::string> missing;
    const auto lexicon = fixture.lexicon(&own, &missing);
    EXPECT_EQ(missing, (std::set<std::string>{"ZORGLUB"}));
    EXPECT_EQ(lexicon.newWords.size(), 2u);
}

TEST_F(OwnListCommand, KeepsAFileAlreadyThereUnlessAsked)
{
    testsupport::TempFolder data;
    {
        textfile::LineWriter own(data.file("ods6new_5L.txt"));
        own.write("A;A");
    }
    // without leave to replace it, nothing at all is written
    ASSERT_NE(runListgen(*fixture_, files::toUtf8(data.path()), false), 0);
    EXPECT_EQ(linesOf(data.file("ods6new_5L.txt")), (std::vector<std::string>{"A;A"}));
    EXPECT_FALSE(lexicon::SourceFiles::exists(data.file("ods6new_2-4L.txt")));
    ASSERT_EQ(runListgen(*fixture_, files::toUtf8(data.path()), true), 0);
    EXPECT_EQ(linesOf(data.file("ods6new_2-4L.txt")).size(), 5u);
    EXPECT_EQ(linesOf(data.file("ods6new_5L.txt")).size(), 2u);
}

// What the command says, and that it says it before any dictionary work.
struct Screen {
    const char* name;
    std::string words;  // the player's file, written for the run
    bool dataUnderAFile;
    int status;
    std::string said;
};

class CommandScreen : public ::testing::TestWithParam<Screen> {};

TEST_P(CommandScreen, SaysWhatIsWrongInFrench)
{
    HunspellFixture fixture;
    testsupport::TempFolder place;
    fixture.write("liste.txt", GetParam().words);
    const std::string data = GetParam().dataUnderAFile ? place.write("fichier.txt", {"x"}) + "/data"
                                                       : place.file("data");
    std::string output;
    EXPECT_EQ(runListgen(fixture, data, false, "liste.txt", &output), GetParam().status);
    EXPECT_NE(output.find(files::shownPath(GetParam().said)), std::string::npos) << output;
    EXPECT_FALSE(lexicon::SourceFiles::exists(fixture.paths().workDir + "/lexique.txt"));
}

INSTANTIATE_TEST_SUITE_P(
    Runs, CommandScreen,
    ::testing::Values(
        Screen{"emptyFile", "", false, 1, "ne contient aucun mot du jeu (fichier vide)"},
        Screen{"allRefused", "covid19\r\nex-voto\r\n", false, 1,
               "ligne 2 : « ex-voto » : un trait d'union"},
        Screen{"dataUnderAFile", "zen\r\n", true, 1,
               "fichier.txt/data ne peut pas être créé : un élément du chemin n'est pas un "
               "dossier"}),
    [](const ::testing::TestParamInfo<Screen>& info) { return std::string(info.param.name); });

// What listgen prints of its paths and arguments never holds a control character raw.
TEST(Command, ShowsControlCharactersByTheirCodePoints)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows names hold no control character, and cmd.exe's line is no place "
                    "to try one";
#endif
    HunspellFixture fixture;
    const testsupport::TempFolder place;
    std::string said;
    // a words file never made, into a data folder never made
    EXPECT_EQ(
        runListgen(fixture, place.file("data\x1B]0;titre\x07"), false, "mots\x1B[2J.txt", &said),
        1);
    const std::string screen = fixture.file("screen.txt");
    EXPECT_EQ(shell(programPath() + " " + inQuotes("--donnees\x1B[2J") + " x > " + inQuotes(screen)
                    + " 2>&1"),
              2);
    said += testsupport::readBytes(screen);
    EXPECT_EQ(said.find_first_of("\x1B\x07"), std::string::npos) << said;
    for (const std::string piece : {"mots<U+001B>[2J.txt", "option --donnees<U+001B>[2J inconnue"})
        EXPECT_NE(said.find(piece), std::string::npos) << piece << "\n" << said;
}

TEST(Command, HelpAndUnknownOptions)
{
    const std::string program = programPath();
    EXPECT_EQ(shell(program + " --help > " + nowhere), 0);
    EXPECT_EQ(shell(program + " --nouveau x > " + nowhere + " 2>&1"), 2);
    // an empty name is no file: never the default lists in its place
    const testsupport::TempFolder place;
    const std::string run = program + " --data " + inQuotes(place.file("d")) + " --work "
        + inQuotes(place.file("w")) + " --new-words " + inQuotes("") + " > " + nowhere + " 2>&1";
    EXPECT_EQ(shell(run), 2);
    EXPECT_FALSE(std::filesystem::exists(files::fromUtf8(place.file("d"))));
}

}  // namespace
