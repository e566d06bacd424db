#include <study/LocalDay.h>

#include <ctime>

namespace study {

namespace {

// The start of a local calendar day; mktime carries a day of the month out of range into the
// next or previous months, and tells summer time from winter time itself (tm_isdst = -1).
std::int64_t midnight(const std::tm& date, std::int32_t daysLater)
{
    std::tm start{};
    start.tm_year = date.tm_year;
    start.tm_mon = date.tm_mon;
    start.tm_mday = date.tm_mday + daysLater;
    start.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&start));
}

// The days from a fixed date (1 March of the year 0) to a calendar date, in the Gregorian
// calendar: only their differences are used.
std::int64_t dayNumber(const std::tm& date)
{
    std::int64_t year = date.tm_year + 1900;
    const std::int64_t month = date.tm_mon + 1;
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear =
        (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + date.tm_mday - 1;  // from 1 March
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

}  // namespace

std::tm localTime(std::int64_t time)
{
    const std::time_t t = static_cast<std::time_t>(time);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    return local;
}

std::int64_t localDayStart(std::int64_t time)
{
    return midnight(localTime(time), 0);
}

std::int64_t localDayStartAfter(std::int64_t time, std::int32_t days)
{
    return midnight(localTime(time), days);
}

std::int64_t nextLocalDayStart(std::int64_t time)
{
    return localDayStartAfter(time, 1);
}

std::int32_t localDaysBetween(std::int64_t from, std::int64_t to)
{
    return static_cast<std::int32_t>(dayNumber(localTime(to)) - dayNumber(localTime(from)));
}

}  // namespace study
