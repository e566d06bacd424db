#include "LocalZone.h"

#include <ctime>

namespace study::tests {

namespace {

void readZone()
{
#ifdef _WIN32
    _tzset();
#else
    tzset();
#endif
}

}  // namespace

LocalZone::LocalZone(const char* tz)
{
    tz_.emplace("TZ", tz);
    readZone();
}

LocalZone::~LocalZone()
{
    tz_.reset();
    readZone();
}

std::int64_t utc(int year, int month, int day, int hour, int minute, int second)
{
    // Days from 1970 counted on the calendar: whole years, then the months of the last one.
    static const int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    auto leap = [](int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; };
    std::int64_t days = 0;
    for (int y = 1970; y < year; ++y)
        days += leap(y) ? 366 : 365;
    for (int m = 1; m < month; ++m)
        days += kMonthDays[m - 1] + (m == 2 && leap(year) ? 1 : 0);
    days += day - 1;
    return ((days * 24 + hour) * 60 + minute) * 60 + second;
}

}  // namespace study::tests
