#include <training/drill/ClockRandomSource.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <ctime>

namespace drill {

ClockRandomSource::ClockRandomSource()
{
    reseed();
}

void ClockRandomSource::reseed()
{
    reseedFrom(secondsSinceMidnight());
}

float ClockRandomSource::next()
{
    return unitFloat(engine_());
}

void ClockRandomSource::reseedFrom(double secondsSinceMidnight)
{
    const double micro = std::floor(secondsSinceMidnight * 1e6);
    const auto ticks = static_cast<std::uint64_t>(micro > 0 ? micro : 0);
    std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
    engine_.seed(seed);
}

double ClockRandomSource::secondsSinceMidnight()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t whole = system_clock::to_time_t(now);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &whole);
#else
    localtime_r(&whole, &local);
#endif
    const auto fraction =
        duration_cast<microseconds>(now - system_clock::from_time_t(whole)).count();
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction / 1e6;
}

}  // namespace drill
