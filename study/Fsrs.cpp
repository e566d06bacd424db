#include <study/Fsrs.h>

#include <algorithm>
#include <cmath>

namespace study {

namespace {

constexpr double kMinimumStability = 0.001;
constexpr double kMaximumStability = 36500;
constexpr double kMinimumDifficulty = 1;
constexpr double kMaximumDifficulty = 10;
constexpr std::int32_t kMaximumInterval = 36500;

double grade(Grade g)
{
    return static_cast<double>(static_cast<int>(g));
}

}  // namespace

// FSRS-6's defaults, as trained on the reviews of many Anki users.
const std::array<double, Fsrs::kWeights> Fsrs::kDefaultWeights = {
    0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001,  1.8722, 0.1666, 0.796,
    1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};

Fsrs::Fsrs(double desiredRetention, const std::array<double, kWeights>& weights)
    : retention_(desiredRetention), w_(weights)
{
}

double Fsrs::decay() const
{
    return -w_[20];
}

// The factor that makes the forgetting curve pass through 0.9 at t = S.
double Fsrs::factor() const
{
    return std::pow(0.9, 1 / decay()) - 1;
}

double Fsrs::retrievability(double elapsedDays, double stability) const
{
    return std::pow(1 + factor() * elapsedDays / stability, decay());
}

std::int32_t Fsrs::intervalDays(double stability) const
{
    // The ratio first: at a retention of 0.9 it is exactly 1, and the interval the stability.
    const double days = stability * ((std::pow(retention_, 1 / decay()) - 1) / factor());
    return static_cast<std::int32_t>(
        std::clamp(std::round(days), 1.0, static_cast<double>(kMaximumInterval)));
}

double Fsrs::initialDifficulty(Grade g) const
{
    return w_[4] - std::exp(w_[5] * (grade(g) - 1)) + 1;
}

double Fsrs::nextDifficulty(double difficulty, Grade g) const
{
    const double delta = -w_[6] * (grade(g) - 3);
    const double damped = difficulty + delta * (10 - difficulty) / 9;
    // Mean reversion towards the difficulty of a first review graded Easy, not clamped.
    const double reverted = w_[7] * initialDifficulty(Grade::Easy) + (1 - w_[7]) * damped;
    return std::clamp(reverted, kMinimumDifficulty, kMaximumDifficulty);
}

double Fsrs::recallStability(const MemoryState& m, double r, Grade g) const
{
    const double hardPenalty = g == Grade::Hard ? w_[15] : 1;
    const double easyBonus = g == Grade::Easy ? w_[16] : 1;
    return m.stability
        * (1
           + std::exp(w_[8]) * (11 - m.difficulty) * std::pow(m.stability, -w_[9])
               * (std::exp(w_[10] * (1 - r)) - 1) * hardPenalty * easyBonus);
}

double Fsrs::forgetStability(const MemoryState& m, double r) const
{
    const double forgotten = w_[11] * std::pow(m.difficulty, -w_[12])
        * (std::pow(m.stability + 1, w_[13]) - 1) * std::exp(w_[14] * (1 - r));
    // A lapse never leaves more than the same-day stability of an Again would.
    return std::min(forgotten, m.stability / std::exp(w_[17] * w_[18]));
}

double Fsrs::sameDayStability(double stability, Grade g) const
{
    double increase = std::exp(w_[17] * (grade(g) - 3 + w_[18])) * std::pow(stability, -w_[19]);
    // A review passed the same day never lowers the stability.
    if (g != Grade::Again)
        increase = std::max(increase, 1.0);
    return stability * increase;
}

MemoryState Fsrs::next(const std::optional<MemoryState>& before, double elapsedDays,
                       Grade grade) const
{
    if (!before) {
        return {w_[static_cast<int>(grade) - 1],
                std::clamp(initialDifficulty(grade), kMinimumDifficulty, kMaximumDifficulty)};
    }
    double stability = 0;
    if (elapsedDays < 1) {
        stability = sameDayStability(before->stability, grade);
    } else {
        const double r = retrievability(elapsedDays, before->stability);
        stability = grade == Grade::Again ? forgetStability(*before, r)
                                          : recallStability(*before, r, grade);
    }
    return {std::clamp(stability, kMinimumStability, kMaximumStability),
            nextDifficulty(before->difficulty, grade)};
}

}  // namespace study
