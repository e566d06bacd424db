#pragma once

#include <cstdint>
#include <string>

namespace study {

// Figures as a French reader writes them, in UTF-8: thousands apart by a no-break space
// (« 1 234 »), a decimal comma and a no-break space before the percent sign (« 87,5 % »),
// dates day first (« 09/12/2026 », the player's local day).
class FrenchFormat {
public:
    static std::string number(std::int64_t value);
    // `part` of `whole` in percent, one decimal unless it is 0 (« 87,5 % », « 100 % »); « — »
    // when `whole` is 0.
    static std::string percent(std::int64_t part, std::int64_t whole);
    // A ratio from 0 to 1 in percent, as percent() writes it.
    static std::string percent(double ratio);
    static std::string date(std::int64_t time);
    // « 14:05 », the local time of day.
    static std::string timeOfDay(std::int64_t time);
    // « 45 s », « 12 min », « 3 h 05 min » (« 1 234 h 05 min »).
    static std::string duration(std::int64_t seconds);
};

}  // namespace study
