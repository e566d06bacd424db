#pragma once

#include <study/Study.h>

#include <QString>

#include <optional>

namespace training {

// The options of the review that the player keeps from one run to the next: the share of
// draws the schedule aims to see remembered (the desired retention) and how many new draws of
// the lists being learned enter the review each day. They live in the INI file of the player's
// settings, beside DrillOptions.
struct ReviewOptions {
    static constexpr double kLowestRetention = 0.70;
    static constexpr double kHighestRetention = 0.99;
    static constexpr int kMostNewPerDay = 9999;

    study::ReviewPolicy policy;

    // The options kept in `file`; the defaults for any value missing or out of range.
    static ReviewOptions read(const QString& file);
    void write(const QString& file) const;

    // The retention as the player types it, in percent ("90", "92,5", "85 %"), within
    // 70 to 99 %; none for anything else.
    static std::optional<double> parseRetention(const QString& percent);
    // A whole number of new draws a day, 0 to 9999; none for anything else.
    static std::optional<int> parseNewPerDay(const QString& text);
    // The retention as the player reads it, in percent: "90", "92,5".
    static QString percentText(double retention);
};

}  // namespace training
