#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace study {

// A draw's memory as FSRS sees it: stability in days, difficulty from 1 to 10.
struct MemoryState {
    double stability = 0;
    double difficulty = 0;
};

enum class Grade { Again = 1, Hard = 2, Good = 3, Easy = 4 };

// The scheduler of the review deck: FSRS version 6 with its published default parameters.
// Times are seconds since 1970 (UTC); the deck's days are the player's local days.
class Fsrs {
public:
    static constexpr std::size_t kWeights = 21;
    static const std::array<double, kWeights> kDefaultWeights;

    explicit Fsrs(double desiredRetention = 0.90,
                  const std::array<double, kWeights>& weights = kDefaultWeights);

    // The memory after a review graded `grade`, `elapsedDays` after the previous one (none for
    // the first review of a draw). Days are whole days: under one, the review is a same-day
    // review.
    MemoryState next(const std::optional<MemoryState>& before, double elapsedDays,
                     Grade grade) const;
    // The probability of recall `elapsedDays` after a review that left `stability`.
    double retrievability(double elapsedDays, double stability) const;
    // The next interval in whole days (at least 1) for a draw of that stability, so that
    // retrievability falls to the desired retention.
    std::int32_t intervalDays(double stability) const;

    double desiredRetention() const { return retention_; }

private:
    double decay() const;
    double factor() const;
    double initialDifficulty(Grade grade) const;
    double nextDifficulty(double difficulty, Grade grade) const;
    double recallStability(const MemoryState& before, double retrievability, Grade grade) const;
    double forgetStability(const MemoryState& before, double retrievability) const;
    double sameDayStability(double stability, Grade grade) const;

    double retention_;
    std::array<double, kWeights> w_;
};

}  // namespace study
