#pragma once

#include <training/drill/Drill.h>

#include <catalogue/Catalogue.h>

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

// The catalogue row of `title` in box `box`.
inline const catalogue::ListRow& listOf(const std::string& title, int box = 0)
{
    const catalogue::ListRow* row = catalogue::Catalogue::find(title, box);
    if (!row)
        throw std::invalid_argument("no list " + title);
    return *row;
}

// Entries "D<k>" with solutions "S<k>", k = 0 .. count-1.
inline std::vector<drill::ListEntry> numberedEntries(int count)
{
    std::vector<drill::ListEntry> entries;
    for (int k = 0; k < count; ++k)
        entries.push_back({"D" + std::to_string(k), "S" + std::to_string(k)});
    return entries;
}

// The answers that find every slot of the current series.
inline std::array<std::string, drill::kSlots> rightAnswers(const drill::Drill& drill)
{
    std::array<std::string, drill::kSlots> answers;
    for (int slot = 0; slot < drill::kSlots; ++slot) {
        const auto entry = drill.state().seriesEntry[static_cast<std::size_t>(slot)];
        if (entry >= 0)
            answers[static_cast<std::size_t>(slot)] =
                drill.state().solutions[static_cast<std::size_t>(entry)];
    }
    return answers;
}

// Puts `criterion` in force with `threshold`, as the player's switch and typing do.
inline void useCriterion(drill::Drill& drill, drill::Criterion criterion, double threshold)
{
    if (drill.state().criterion != criterion)
        drill.switchCriterion();
    drill.setThreshold(threshold);
}

// The answer stopwatch at `seconds`, as that many ticks since the focus arrived.
inline void spendSeconds(drill::Drill& drill, int seconds)
{
    drill.resetAnswerClock();
    for (int tick = 0; tick < seconds; ++tick)
        drill.tickAnswer();
}

// Corrects the open series with `answers` under `criterion` and `threshold`.
inline drill::CorrectionResult correct(drill::Drill& drill,
                                       const std::array<std::string, drill::kSlots>& answers,
                                       drill::Criterion criterion, double threshold)
{
    useCriterion(drill, criterion, threshold);
    return drill.correctSeries(answers);
}
