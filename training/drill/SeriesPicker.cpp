#include <training/drill/SeriesPicker.h>

#include <algorithm>
#include <numeric>

namespace drill {

std::vector<std::int32_t> SeriesPicker::pick(std::int32_t entryCount, RandomSource& random)
{
    std::vector<std::int32_t> picked;
    if (entryCount <= 0)
        return picked;
    std::vector<std::int32_t> pool(static_cast<std::size_t>(entryCount));
    std::iota(pool.begin(), pool.end(), 0);
    const std::int32_t size = std::min<std::int32_t>(entryCount, kSlots);
    std::int32_t last = entryCount - 1;
    random.reseed();
    for (std::int32_t slot = 0; slot < size; ++slot) {
        const double product = static_cast<double>(random.next()) * (last + 1);
        // A source that strays outside [0, 1) must not pick outside the pool.
        const auto index =
            static_cast<std::int32_t>(std::clamp(product, 0.0, static_cast<double>(last)));
        picked.push_back(pool[static_cast<std::size_t>(index)]);
        pool.erase(pool.begin() + index);
        --last;
    }
    return picked;
}

}  // namespace drill
