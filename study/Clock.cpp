#include <study/Clock.h>

#include <chrono>

namespace study {

Clock systemClock()
{
    return [] {
        return static_cast<std::int64_t>(std::chrono::duration_cast<std::chrono::seconds>(
                                             std::chrono::system_clock::now().time_since_epoch())
                                             .count());
    };
}

}  // namespace study
