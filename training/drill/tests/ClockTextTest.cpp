#include <training/drill/ClockText.h>
#include <training/drill/Threshold.h>

#include <gtest/gtest.h>

#include <tuple>

using drill::ClockText;

class SeriesClock : public testing::TestWithParam<std::tuple<int, const char*>> {};

TEST_P(SeriesClock, ShowsMinutesAndTwoDigitSeconds)
{
    const auto& [seconds, text] = GetParam();
    EXPECT_EQ(ClockText::series(seconds), text);
}

INSTANTIATE_TEST_SUITE_P(Seconds, SeriesClock,
                         testing::Values(std::make_tuple(240, "4:00"), std::make_tuple(239, "3:59"),
                                         std::make_tuple(185, "3:05"), std::make_tuple(60, "1:00"),
                                         std::make_tuple(10, "0:10"), std::make_tuple(9, "0:09"),
                                         std::make_tuple(0, "0:00")));

class DrillClock : public testing::TestWithParam<std::tuple<int, const char*>> {};

TEST_P(DrillClock, ShowsHoursMinutesSeconds)
{
    const auto& [seconds, text] = GetParam();
    EXPECT_EQ(ClockText::drill(seconds), text);
}

INSTANTIATE_TEST_SUITE_P(
    Seconds, DrillClock,
    testing::Values(std::make_tuple(0, "0:00:00"), std::make_tuple(1, "0:00:01"),
                    std::make_tuple(605, "0:10:05"), std::make_tuple(3600, "1:00:00"),
                    std::make_tuple(3909, "1:05:09"), std::make_tuple(35999, "9:59:59"),
                    std::make_tuple(36000, "10:00:00"), std::make_tuple(360061, "100:01:01")));

class TimeUsed : public testing::TestWithParam<std::tuple<int, const char*>> {};

// The clock shows the seconds left; the time used is four minutes less what it shows.
TEST_P(TimeUsed, IsFourMinutesLessTheTimeLeft)
{
    const auto& [left, used] = GetParam();
    EXPECT_EQ(ClockText::timeUsed(left), used);
}

INSTANTIATE_TEST_SUITE_P(Seconds, TimeUsed,
                         testing::Values(std::make_tuple(155, "1:25"), std::make_tuple(239, "0:01"),
                                         std::make_tuple(5, "3:55"), std::make_tuple(51, "3:09"),
                                         std::make_tuple(180, "1:00"), std::make_tuple(240, "0:00"),
                                         std::make_tuple(0, "4:00")));

class ThresholdText : public testing::TestWithParam<std::tuple<const char*, double>> {};

TEST_P(ThresholdText, ReadsTheLeadingDecimalNumber)
{
    const auto& [text, value] = GetParam();
    EXPECT_DOUBLE_EQ(drill::Threshold::parse(text), value);
}

INSTANTIATE_TEST_SUITE_P(Texts, ThresholdText,
                         testing::Values(std::make_tuple("1", 1.0), std::make_tuple("5", 5.0),
                                         std::make_tuple("2.5", 2.5), std::make_tuple("2,5", 2.0),
                                         std::make_tuple("abc", 0.0), std::make_tuple("", 0.0),
                                         std::make_tuple(" 3", 3.0),
                                         std::make_tuple("\t 12 ", 12.0),
                                         std::make_tuple("1 2", 12.0), std::make_tuple("3x", 3.0),
                                         std::make_tuple(".5", 0.5), std::make_tuple("2.5.1", 2.5),
                                         std::make_tuple("-2", -2.0), std::make_tuple("+4", 4.0),
                                         std::make_tuple("4-", 4.0), std::make_tuple(".", 0.0),
                                         std::make_tuple("007", 7.0),
                                         std::make_tuple("10.25", 10.25)));
