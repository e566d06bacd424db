#include "LocalZone.h"

#include <study/LocalDay.h>

#include <gtest/gtest.h>

namespace study::tests {
namespace {

constexpr const char* kParis = "Europe/Paris";         // UTC+1, UTC+2 from end March to end October
constexpr const char* kSantiago = "America/Santiago";  // summer time starts at midnight
constexpr const char* kUtc = "UTC0";
constexpr const char* kIndia = "IST-5:30";  // a half-hour offset, no summer time

// Whether this C library reads the zone: on Windows it reads no zone names, only offsets.
bool zoneRead(const char* zone)
{
#ifdef _WIN32
    return zone == kUtc || zone == kIndia;
#else
    (void)zone;
    return true;
#endif
}

struct DayRow {
    const char* what;
    const char* zone;
    std::int64_t time;
    std::int64_t start;
    std::int64_t next;
};

TEST(LocalDay, StartsAtLocalMidnightAndLastsTillTheNext)
{
    const DayRow rows[] = {
        {"day of 23 hours", kParis, utc(2024, 3, 31, 10), utc(2024, 3, 30, 23),
         utc(2024, 3, 31, 22)},
        {"at midnight itself", kParis, utc(2024, 3, 30, 23), utc(2024, 3, 30, 23),
         utc(2024, 3, 31, 22)},
        {"a second before midnight", kParis, utc(2024, 3, 30, 22, 59, 59), utc(2024, 3, 29, 23),
         utc(2024, 3, 30, 23)},
        {"day of 25 hours", kParis, utc(2024, 10, 27, 11), utc(2024, 10, 26, 22),
         utc(2024, 10, 27, 23)},
        {"2:30 the second time", kParis, utc(2024, 10, 27, 1, 30), utc(2024, 10, 26, 22),
         utc(2024, 10, 27, 23)},
        {"a midnight that never comes", kSantiago, utc(2024, 9, 8, 15), utc(2024, 9, 8, 4),
         utc(2024, 9, 9, 3)},
        {"new year at a half-hour offset", kIndia, utc(2024, 12, 31, 20), utc(2024, 12, 31, 18, 30),
         utc(2025, 1, 1, 18, 30)},
    };
    for (const DayRow& row : rows) {
        if (!zoneRead(row.zone))
            continue;
        SCOPED_TRACE(row.what);
        LocalZone zone(row.zone);
        EXPECT_EQ(localDayStart(row.time), row.start);
        EXPECT_EQ(nextLocalDayStart(row.time), row.next);
    }
}

struct BetweenRow {
    const char* what;
    const char* zone;
    std::int64_t from;
    std::int64_t to;
    std::int32_t days;
};

TEST(LocalDay, CountsCalendarDaysNotHours)
{
    const BetweenRow rows[] = {
        {"an hour later, past midnight", kParis, utc(2024, 3, 30, 22, 30), utc(2024, 3, 30, 23, 30),
         1},
        {"21 hours within the day of 23", kParis, utc(2024, 3, 31, 0), utc(2024, 3, 31, 21, 30), 0},
        {"24 hours 40 within the day of 25", kParis, utc(2024, 10, 26, 22, 10),
         utc(2024, 10, 27, 22, 50), 0},
        {"a leap year", kParis, utc(2024, 1, 1, 11), utc(2025, 1, 1, 11), 366},
        {"a day back", kParis, utc(2024, 10, 28, 9), utc(2024, 10, 27, 9), -1},
        {"45 minutes, past midnight", kIndia, utc(2024, 12, 31, 18), utc(2024, 12, 31, 18, 45), 1},
    };
    for (const BetweenRow& row : rows) {
        if (!zoneRead(row.zone))
            continue;
        SCOPED_TRACE(row.what);
        LocalZone zone(row.zone);
        EXPECT_EQ(localDaysBetween(row.from, row.to), row.days);
    }
}

struct AfterRow {
    const char* what;
    const char* zone;
    std::int64_t time;
    std::int32_t days;
    std::int64_t start;
};

TEST(LocalDay, StartsOfLaterDays)
{
    const AfterRow rows[] = {
        {"tomorrow, the day of 23 hours", kParis, utc(2024, 3, 30, 11), 1, utc(2024, 3, 30, 23)},
        {"the day after, in summer time", kParis, utc(2024, 3, 30, 11), 2, utc(2024, 3, 31, 22)},
        {"yesterday", kParis, utc(2024, 3, 30, 11), -1, utc(2024, 3, 28, 23)},
        {"the day after, in winter time", kParis, utc(2024, 10, 26, 10), 2, utc(2024, 10, 27, 23)},
        {"a year of days", kParis, utc(2024, 1, 1, 11), 366, utc(2024, 12, 31, 23)},
        {"past 29 February", kUtc, utc(2024, 2, 28, 12), 2, utc(2024, 3, 1)},
    };
    for (const AfterRow& row : rows) {
        if (!zoneRead(row.zone))
            continue;
        SCOPED_TRACE(row.what);
        LocalZone zone(row.zone);
        EXPECT_EQ(localDayStartAfter(row.time, row.days), row.start);
    }
}

}  // namespace
}  // namespace study::tests
