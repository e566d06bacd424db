#pragma once

#include <training/drill/RandomSource.h>

#include <random>

namespace drill {

// The program's generator: reseeded from the seconds since local midnight,
// fractional part included (to the microsecond), at every series draw.
class ClockRandomSource : public RandomSource {
public:
    ClockRandomSource();
    void reseed() override;
    float next() override;

    // Reseeds as reseed() does at the given time of day, in seconds since midnight.
    void reseedFrom(double secondsSinceMidnight);
    static double secondsSinceMidnight();

private:
    std::mt19937 engine_;
};

}  // namespace drill
