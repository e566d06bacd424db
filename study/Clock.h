#pragma once

#include <cstdint>
#include <functional>

namespace study {

// What time it is, in seconds since 1970 (UTC). The study record never reads the system's
// clock itself, so that its tests choose the day.
using Clock = std::function<std::int64_t()>;

// The system's clock.
Clock systemClock();

}  // namespace study
