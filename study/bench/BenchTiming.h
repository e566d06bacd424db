#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace study::bench {

// The milliseconds `work` takes; `ok` turns false when it fails.
inline double milliseconds(const std::function<bool()>& work, bool& ok)
{
    const auto start = std::chrono::steady_clock::now();
    ok = work() && ok;
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// The median of `runs` runs of `work`.
inline double median(int runs, const std::function<bool()>& work, bool& ok)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run)
        times.push_back(milliseconds(work, ok));
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace study::bench
