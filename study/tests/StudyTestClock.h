#pragma once

#include <study/Clock.h>
#include <study/LocalDay.h>

#include <cstdint>

// The time a study test chooses: noon of a local day, moved on by the test.
struct StudyTestClock {
    std::int64_t now = study::localDayStart(1'800'000'000) + 12 * 3600;

    study::Clock clock()
    {
        return [this] { return now; };
    }
    // Noon `days` local days later.
    void days(int days) { now = study::localDayStartAfter(now, days) + 12 * 3600; }
};
