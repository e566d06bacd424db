#pragma once

#include <cstdint>
#include <string>

namespace drill {

// Texts of the clocks.
class ClockText {
public:
    // Series clock m:ss: 239 -> "3:59", 185 -> "3:05", 0 -> "0:00".
    static std::string series(std::int32_t secondsLeft);
    // Drill clock h:mm:ss, hours unbounded: 605 -> "0:10:05", 36000 -> "10:00:00".
    static std::string drill(std::int32_t totalSeconds);
    // Time a series took, m:ss, from the seconds its clock shows at correction:
    // 155 (2:35) -> "1:25", 180 -> "1:00", 240 -> "0:00", 0 -> "4:00".
    static std::string timeUsed(std::int32_t secondsShown);
};

}  // namespace drill
