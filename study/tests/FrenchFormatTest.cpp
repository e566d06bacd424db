// Figures as the player reads them: French thousands, percents, dates and durations.
#include <study/FrenchFormat.h>

#include <study/tests/LocalZone.h>

#include <gtest/gtest.h>

#include <string>

using study::FrenchFormat;

namespace {

// The no-break space, written « _ » in the rows below.
std::string spaced(std::string text)
{
    std::string made;
    for (const char c : text)
        made += c == '_' ? std::string("\xC2\xA0") : std::string(1, c);
    return made;
}

TEST(FrenchFormat, NumbersGroupTheirThousands)
{
    const std::pair<std::int64_t, const char*> rows[] = {
        {0, "0"},
        {7, "7"},
        {999, "999"},
        {1000, "1_000"},
        {1234, "1_234"},
        {1000000, "1_000_000"},
        {-45678, "-45_678"},
        {INT64_MIN, "-9_223_372_036_854_775_808"},
    };
    for (const auto& [value, text] : rows)
        EXPECT_EQ(FrenchFormat::number(value), spaced(text)) << value;
}

TEST(FrenchFormat, PercentsHaveOneDecimalUnlessWholeAndADashForNothing)
{
    struct Row {
        std::int64_t part, whole;
        const char* text;
    };
    const Row rows[] = {
        {7, 8, "87,5_%"}, {1, 3, "33,3_%"},       {2, 3, "66,7_%"},       {5, 5, "100_%"},
        {0, 4, "0_%"},    {1, 0, "\xE2\x80\x94"}, {9999, 10000, "100_%"}, {1, 1000, "0,1_%"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FrenchFormat::percent(row.part, row.whole), spaced(row.text))
            << row.part << "/" << row.whole;
    EXPECT_EQ(FrenchFormat::percent(0.9), spaced("90_%"));
}

TEST(FrenchFormat, DatesAndTimesAreTheLocalOnesDayFirst)
{
    study::tests::LocalZone zone("CET-1");  // Paris in winter, as Windows reads a zone too
    const std::int64_t evening = study::tests::utc(2026, 12, 9, 22, 30);  // 23:30 in Paris
    EXPECT_EQ(FrenchFormat::date(evening), "09/12/2026");
    EXPECT_EQ(FrenchFormat::timeOfDay(evening), "23:30");
    const std::int64_t later = study::tests::utc(2026, 12, 9, 23, 5);  // the next day there
    EXPECT_EQ(FrenchFormat::date(later), "10/12/2026");
    EXPECT_EQ(FrenchFormat::timeOfDay(later), "00:05");
}

TEST(FrenchFormat, DurationsInSecondsMinutesOrHours)
{
    const std::pair<std::int64_t, const char*> rows[] = {
        {0, "0_s"},
        {59, "59_s"},
        {60, "1_min"},
        {3599, "59_min"},
        {3600, "1_h_00_min"},
        {3 * 3600 + 5 * 60 + 59, "3_h_05_min"},
        {1234 * 3600 + 60, "1_234_h_01_min"},
    };
    for (const auto& [seconds, text] : rows)
        EXPECT_EQ(FrenchFormat::duration(seconds), spaced(text)) << seconds;
}

}  // namespace
