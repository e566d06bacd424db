#pragma once

#include <training/drill/RandomSource.h>

#include <cstdint>
#include <random>

namespace testsupport {

// A reproducible generator for tests: seeded once, reseed() does nothing, so
// successive draws continue one sequence.
class SeededRandomSource : public drill::RandomSource {
public:
    explicit SeededRandomSource(std::uint32_t seed);
    void reseed() override {}
    float next() override;

private:
    std::mt19937 engine_;
};

}  // namespace testsupport
