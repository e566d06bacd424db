#pragma once

#include <cstdint>

namespace drill {

// The uniform generator used by the series draw.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Called once at the start of every series draw (the program reseeds from the clock).
    virtual void reseed() = 0;
    // Next value, uniform in [0, 1).
    virtual float next() = 0;

    // The top 24 bits of a 32-bit random word as a float in [0, 1); never 1.
    static float unitFloat(std::uint32_t bits)
    {
        return static_cast<float>(bits >> 8) * (1.0f / 16777216.0f);
    }
};

}  // namespace drill
