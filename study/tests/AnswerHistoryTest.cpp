// The answers history as a CSV file for a French spreadsheet.
#include <study/AnswerHistory.h>
#include <study/StudyRecord.h>

#include <study/tests/LocalZone.h>
#include <study/tests/StudyTestClock.h>
#include <testsupport/TempFolder.h>
#include <testsupport/TestFiles.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
    return lines;
}

class AnswerHistoryTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(record.open(home.file("etude.sqlite")).ok()); }

    study::tests::LocalZone zone{"CET-1"};  // Paris in winter, as Windows reads a zone too
    testsupport::TempFolder home;
    StudyTestClock clock;
    study::StudyRecord record{clock.clock()};
};

TEST_F(AnswerHistoryTest, OneLineAnAnswerInOrderWithItsBomAndHeader)
{
    clock.now = study::tests::utc(2026, 12, 9, 13, 4);
    ASSERT_TRUE(record
                    .recordSeries({{{"ods6new_5L.txt", "\xC9TAPE", "P\xC9TALE;\xC9PELAT"}, true, 4},
                                   {{"ods6new_5L.txt", "ABCD\"E", "X"}, false, 12}},
                                  {"ods6new_5L.txt", 30, false})
                    .ok());
    clock.now += 86400;
    ASSERT_TRUE(record.recordCorrection({{{"ods6new_5L.txt", "ABCD\"E", "X"}, true, 2}}).ok());
    const std::string path = home.write("export/réponses.csv", {"ancien contenu"});

    const status::Status written = study::AnswerHistory::write(record, path);
    ASSERT_TRUE(written.ok()) << written.why();

    const std::string text = testsupport::readBytes(path);
    ASSERT_EQ(text.substr(0, 3), "\xEF\xBB\xBF");
    const std::vector<std::string> lines = linesOf(text.substr(3));
    const std::vector<std::string> expected = {
        "Date;Heure;Exercice;Liste;Tirage;Solutions;Trouvé;Secondes",
        "09/12/2026;14:04;ods6new_5L.txt;ods6new_5L.txt;ÉTAPE;\"PÉTALE;ÉPELAT\";oui;4",
        "09/12/2026;14:04;ods6new_5L.txt;ods6new_5L.txt;\"ABCD\"\"E\";X;non;12",
        "10/12/2026;14:04;révision;ods6new_5L.txt;\"ABCD\"\"E\";X;oui;2",
    };
    EXPECT_EQ(lines, expected);
}

TEST_F(AnswerHistoryTest, AFileThatCannotBeWrittenIsNamedAndTheOldOneStays)
{
    ASSERT_TRUE(record.recordCorrection({{{"l.txt", "A", "A"}, true, 2}}).ok());
    const std::string blocker = home.file("fichier");
    ASSERT_TRUE(testsupport::writeBytes(blocker, "pas un dossier"));
    const status::Status written = study::AnswerHistory::write(record, blocker + "/réponses.csv");
    ASSERT_FALSE(written.ok());
    EXPECT_NE(written.why().find("réponses.csv"), std::string::npos) << written.why();
    EXPECT_EQ(testsupport::readBytes(blocker), "pas un dossier");
}

}  // namespace
