#pragma once

#include <training/drill/Drill.h>

#include <string>
#include <vector>

// Entries "D<k>" with solutions "S<k>", k = 0 .. count-1.
inline std::vector<drill::ListEntry> numberedEntries(int count)
{
    std::vector<drill::ListEntry> entries;
    for (int k = 0; k < count; ++k)
        entries.push_back({"D" + std::to_string(k), "S" + std::to_string(k)});
    return entries;
}

// The answers that find every slot of the current series.
inline std::array<std::string, 30> rightAnswers(const drill::Drill& drill)
{
    std::array<std::string, 30> answers;
    for (int slot = 0; slot < 30; ++slot) {
        const auto entry = drill.state().seriesEntry[static_cast<std::size_t>(slot)];
        if (entry >= 0)
            answers[static_cast<std::size_t>(slot)] =
                drill.state().solutions[static_cast<std::size_t>(entry)];
    }
    return answers;
}

// A correction input as the window reads it after `draw`, with the given answers.
inline drill::CorrectionInput correctionInput(const drill::SeriesDraw& draw,
                                              std::array<std::string, 30> answers,
                                              drill::Criterion criterion, double threshold)
{
    drill::CorrectionInput input;
    input.answers = std::move(answers);
    input.drawTexts = draw.drawTexts;
    input.criterion = criterion;
    input.threshold = threshold;
    return input;
}
