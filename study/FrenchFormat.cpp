#include <study/FrenchFormat.h>

#include <study/LocalDay.h>

#include <cmath>
#include <cstdio>

namespace study {

namespace {

const char* const kNoBreak = "\xC2\xA0";

std::string twoDigits(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

}  // namespace

std::string FrenchFormat::number(std::int64_t value)
{
    const bool negative = value < 0;
    std::string digits =
        std::to_string(negative ? -(value + 1) + std::uint64_t(1) : std::uint64_t(value));
    std::string grouped;
    for (std::size_t k = 0; k < digits.size(); ++k) {
        if (k > 0 && (digits.size() - k) % 3 == 0)
            grouped += kNoBreak;
        grouped += digits[k];
    }
    return negative ? "-" + grouped : grouped;
}

std::string FrenchFormat::percent(std::int64_t part, std::int64_t whole)
{
    if (whole == 0)
        return "\xE2\x80\x94";
    return percent(static_cast<double>(part) / static_cast<double>(whole));
}

std::string FrenchFormat::percent(double ratio)
{
    const std::int64_t tenths = std::llround(ratio * 1000);
    std::string text = number(tenths / 10);
    if (tenths % 10 != 0)
        text += "," + std::to_string(std::abs(tenths % 10));
    return text + kNoBreak + "%";
}

std::string FrenchFormat::date(std::int64_t time)
{
    const std::tm local = localTime(time);
    return twoDigits(local.tm_mday) + "/" + twoDigits(local.tm_mon + 1) + "/"
        + std::to_string(local.tm_year + 1900);
}

std::string FrenchFormat::timeOfDay(std::int64_t time)
{
    const std::tm local = localTime(time);
    return twoDigits(local.tm_hour) + ":" + twoDigits(local.tm_min);
}

std::string FrenchFormat::duration(std::int64_t seconds)
{
    if (seconds < 60)
        return std::to_string(std::max<std::int64_t>(seconds, 0)) + kNoBreak + "s";
    const std::int64_t minutes = seconds / 60;
    if (minutes < 60)
        return std::to_string(minutes) + kNoBreak + "min";
    return number(minutes / 60) + kNoBreak + "h" + kNoBreak + twoDigits(int(minutes % 60))
        + kNoBreak + "min";
}

}  // namespace study
