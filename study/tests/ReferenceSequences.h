#pragma once

#include <study/Fsrs.h>

#include <cstdint>
#include <vector>

namespace study::tests {

// One review of a reference sequence, and what ts-fsrs gave after it.
struct ReferenceReview {
    double retention = 0;
    std::int64_t time = 0;  // seconds since 1970
    Grade grade = Grade::Again;
    double elapsedDays = 0;     // whole UTC days since the previous review, as ts-fsrs counted
    double retrievability = 0;  // met at the review (1 at the first)
    double stability = 0;
    double difficulty = 0;
    std::int32_t intervalDays = 0;
};

using ReferenceSequence = std::vector<ReferenceReview>;

// The sequences of reference/fsrs6-reference.csv, in its order.
std::vector<ReferenceSequence> referenceSequences();

// How far from `expected` a value may be: 1e-6, relative above 1 (ts-fsrs rounds each step to
// 8 decimals, which a stability of thousands of days carries beyond 1e-6).
double tolerance(double expected);

}  // namespace study::tests
