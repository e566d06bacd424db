#include <training/drill/ClockText.h>

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

// Value of the leading decimal digits of a text; 0 when it starts with none.
long leadingNumber(const std::string& text)
{
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        if (value < 100000)
            value = value * 10 + (c - '0');
    }
    return value;
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

std::string ClockText::timeUsed(const std::string& timeLeftText)
{
    const long minutes = leadingNumber(timeLeftText.substr(0, 1));
    const std::string tail =
        timeLeftText.size() >= 2 ? timeLeftText.substr(timeLeftText.size() - 2) : timeLeftText;
    const long seconds = leadingNumber(tail);
    if (minutes == 0 && seconds == 0)
        return "4:00";
    if (seconds != 0)
        return std::to_string(3 - minutes) + ":" + twoDigits(60 - seconds);
    return std::to_string(4 - minutes) + ":00";
}

}  // namespace drill
