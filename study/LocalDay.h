#pragma once

#include <cstdint>
#include <ctime>

namespace study {

// The player's local days, as the C library's local time gives them (TZ, else the system's
// zone). Times are seconds since 1970 (UTC); a local day lasts 23 or 25 hours across a change
// of daylight saving time, so days are counted on the calendar, never as 86 400 seconds.

// The local calendar date and time of `time`.
std::tm localTime(std::int64_t time);
// The start of the local day that holds `time`.
std::int64_t localDayStart(std::int64_t time);
// The start of the local day `days` days after the one that holds `time` (before it when
// `days` is negative).
std::int64_t localDayStartAfter(std::int64_t time, std::int32_t days);
// The start of the local day after the one that holds `time`.
std::int64_t nextLocalDayStart(std::int64_t time);
// How many local days `to` is after `from`: 0 on the same day, 1 on the next, negative when
// `to` is on an earlier day.
std::int32_t localDaysBetween(std::int64_t from, std::int64_t to);

}  // namespace study
