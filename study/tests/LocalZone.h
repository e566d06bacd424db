#pragma once

#include <testsupport/EnvironmentVariable.h>

#include <cstdint>
#include <optional>

namespace study::tests {

// The C library's local time in the zone `tz` (a TZ value) for the life of the object.
class LocalZone {
public:
    explicit LocalZone(const char* tz);
    ~LocalZone();
    LocalZone(const LocalZone&) = delete;
    LocalZone& operator=(const LocalZone&) = delete;

private:
    std::optional<testsupport::EnvironmentVariable> tz_;
};

// Seconds since 1970 of a UTC date and time (month and day from 1).
std::int64_t utc(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

}  // namespace study::tests
