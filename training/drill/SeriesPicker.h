#pragma once

#include <training/drill/RandomSource.h>

#include <cstdint>
#include <vector>

namespace drill {

// Picks the entries of one series: up to 30 different entry numbers out of
// 0 .. entryCount-1, a uniform sample without repetition in the order of the picks.
// Each pick takes pool[int(r * (last + 1))] (product in double precision) and
// removes it from the pool, which stays in increasing order.
class SeriesPicker {
public:
    static constexpr int kMaxSeries = 30;
    // Reseeds `random` once, then draws min(30, entryCount) values from it.
    static std::vector<std::int32_t> pick(std::int32_t entryCount, RandomSource& random);
};

}  // namespace drill
