// What the record keeps of where a series was drilled: the list, the drill clock, the end of a
// drill, and each correction's and each draw's running totals.
#include <study/StudyRecord.h>

#include <study/tests/RecordRows.h>
#include <study/tests/StudyTestClock.h>
#include <testsupport/TempFolder.h>

#include <gtest/gtest.h>

#include <string>

using study::DeckDraw;
using study::SeriesOrigin;

namespace {

const DeckDraw kAutrice{"ods6new_7L.txt", "ACEIRTU", "AUTRICE"};
const DeckDraw kEtape{"ods6new_5L.txt", "\xC9TAPE", "P\xC9TALE;\xC9PELAT"};

class SeriesOriginTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(record.open(path).ok()); }

    testsupport::TempFolder home;
    std::string path = home.file("etude.sqlite");
    StudyTestClock clock;
    study::StudyRecord record{clock.clock()};
};

TEST_F(SeriesOriginTest, EachCorrectionKeepsItsListSecondsAnswersAndFinds)
{
    struct Row {
        const char* what;
        SeriesOrigin origin;
        const char* list;  // as the correction's row holds it
        long long seconds;
        long long drillEnds;  // rows of drill_end after it
    };
    const Row rows[] = {
        {"a list's series, its drill clock",
         {"ods6new_7L.txt", 75, false},
         "ods6new_7L.txt",
         75,
         0},
        {"the review, its slots' seconds", {}, "", 5 + 11, 0},
        {"the series that ends a drill", {"ods6new_7L.txt", 0, true}, "ods6new_7L.txt", 0, 1},
        {"an end without a list is none", {"", 12, true}, "", 12, 1},
    };
    long long id = 0;
    for (const Row& row : rows) {
        ASSERT_TRUE(
            record.recordSeries({{kAutrice, true, 5}, {kEtape, false, 11}}, row.origin).ok());
        ++id;
        RecordRows file(path);
        const std::string where = " WHERE id = " + std::to_string(id);
        EXPECT_EQ(file.text("SELECT list FROM correction" + where), row.list) << row.what;
        EXPECT_EQ(file.number("SELECT seconds FROM correction" + where), row.seconds) << row.what;
        EXPECT_EQ(file.number("SELECT answers FROM correction" + where), 2) << row.what;
        EXPECT_EQ(file.number("SELECT found FROM correction" + where), 1) << row.what;
        EXPECT_EQ(file.number("SELECT count(*) FROM drill_end"), row.drillEnds) << row.what;
    }
    EXPECT_EQ(RecordRows(path).number("SELECT at FROM drill_end"), clock.now);
}

TEST_F(SeriesOriginTest, EachDrawAddsUpItsAnswersItsMissesAndItsFindsInARow)
{
    const bool answers[] = {true, false, true, true, false, true};
    for (const bool found : answers) {
        ASSERT_TRUE(record.recordCorrection({{kEtape, found, 3}}).ok());
        clock.now += 100;
    }
    RecordRows file(path);
    const std::string tally = " FROM draw_tally JOIN deck_draw ON deck_draw.id = draw_tally.draw "
                              "WHERE deck_draw.list = 'ods6new_5L.txt'";
    EXPECT_EQ(file.number("SELECT seen" + tally), 6);
    EXPECT_EQ(file.number("SELECT missed" + tally), 2);
    EXPECT_EQ(file.number("SELECT streak" + tally), 1);
    EXPECT_EQ(file.number("SELECT last_missed" + tally), clock.now - 200);
}

TEST_F(SeriesOriginTest, TheRecordAnsweredWithoutOriginIsTheReview)
{
    ASSERT_TRUE(record.recordCorrection({{kAutrice, false, 7}}).ok());
    RecordRows file(path);
    EXPECT_EQ(file.number("SELECT count(*) FROM correction WHERE list IS NULL"), 1);
    EXPECT_EQ(file.number("SELECT seconds FROM correction"), 7);
}

}  // namespace
