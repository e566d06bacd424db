#include <training/drill/ClockText.h>

#include <training/drill/Series.h>

namespace drill {

namespace {

std::string twoDigits(long value)
{
    const std::string digits = std::to_string(value);
    return value >= 0 && value < 10 ? "0" + digits : digits;
}

long floorDiv(long a, long b)
{
    const long q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

std::string ClockText::series(std::int32_t secondsLeft)
{
    const long minutes = floorDiv(secondsLeft, 60);
    const long seconds = static_cast<long>(secondsLeft) - 60 * minutes;
    return std::to_string(minutes) + ":" + twoDigits(seconds);
}

std::string ClockText::drill(std::int32_t totalSeconds)
{
    const long total = totalSeconds;
    const long hours = floorDiv(total, 3600);
    const long minutes = floorDiv(total - 3600 * hours, 60);
    const long seconds = total - 60 * floorDiv(total, 60);
    return std::to_string(hours) + ":" + twoDigits(minutes) + ":" + twoDigits(seconds);
}

std::string ClockText::timeUsed(std::int32_t secondsShown)
{
    return series(kSeriesSeconds - secondsShown);
}

}  // namespace drill
