#pragma once

#include <atomic>
#include <functional>
#include <string>

namespace listmaking {

// What a long run reports and obeys: its progress (a fraction from 0 to 1 and the French name
// of the step) and a cancel flag that it polls often. Both may be left empty.
struct RunControl {
    std::function<void(double fraction, const std::string& step)> progress;
    const std::atomic<bool>* cancel = nullptr;

    bool cancelled() const { return cancel && cancel->load(std::memory_order_relaxed); }
    void report(double fraction, const std::string& step) const
    {
        if (progress)
            progress(fraction, step);
    }
};

}  // namespace listmaking
