#pragma once

#include <training/drill/RandomSource.h>

#include <cstddef>
#include <vector>

namespace testsupport {

// Hands out fixed values in order, starting again from the first when they run out
// (0 when there are none). reseed() does nothing.
class ScriptedRandomSource : public drill::RandomSource {
public:
    explicit ScriptedRandomSource(std::vector<float> values);
    void reseed() override {}
    float next() override;

private:
    std::vector<float> values_;
    std::size_t index_ = 0;
};

}  // namespace testsupport
