#pragma once

#include <training/drill/RandomSource.h>
#include <training/drill/Series.h>

#include <cstdint>
#include <vector>

namespace drill {

// Picks the entries of one series: up to kSlots different entry numbers out of
// 0 .. entryCount-1, a uniform sample without repetition in the order of the picks.
// Each pick takes pool[int(r * (last + 1))] (product in double precision) and
// removes it from the pool, which stays in increasing order.
class SeriesPicker {
public:
    // Reseeds `random` once, then draws min(kSlots, entryCount) values from it.
    static std::vector<std::int32_t> pick(std::int32_t entryCount, RandomSource& random);
};

}  // namespace drill
