#pragma once

#include <training/drill/CorrectionInput.h>
#include <training/drill/CorrectionResult.h>
#include <training/drill/DrillState.h>
#include <training/drill/ListEntry.h>
#include <training/drill/RandomSource.h>
#include <training/drill/SeriesDraw.h>
#include <training/drill/SeriesTick.h>
#include <training/drill/Verdict.h>

#include <string>
#include <vector>

namespace drill {

// The drill logic of the training window: it owns the drill state and decides,
// the window paints. Answers, draws and solutions are Windows-1252 bytes.
class Drill {
public:
    DrillState& state() { return state_; }
    const DrillState& state() const { return state_; }

    // Start of a drill on a loaded list: title, tables, entryCount, success counts "0",
    // errorCount 0. The clocks and seriesDone are left as they are.
    void start(const std::string& title, std::vector<ListEntry> entries);

    // Opens a series: up to 30 entries picked from those in play, every slot
    // ungraded, secondsLeft 240.
    SeriesDraw drawSeries(RandomSource& random);

    // Number of slots the current pool fills (30, or entryCount when below).
    int seriesSize() const;
    // True when the slot holds an entry and `answer` equals its solutions exactly.
    bool isAnswerRight(int slot, const std::string& answer) const;

    // Grades one slot by speed with the current answerSeconds: met when threshold >
    // answerSeconds and the answer is right. Met: slotState 1 unless it is 0 (then
    // Unchanged). Not met: slotState 0, "NO". A slot without entry is left at -1.
    Verdict gradeByTime(int slot, const std::string& answer, double threshold);

    // Corrects the open series: grades the last slot (by speed), marks each slot,
    // raises success counts, eliminates mastered entries, compacts the tables,
    // counts series and errors. The caller stops its series clock and answer stopwatch.
    CorrectionResult correctSeries(const CorrectionInput& input);

    // Removes every entry whose draw is empty; the others keep their order.
    void compactEntries();

    // True when no entry is left in play.
    bool isFinished() const { return state_.entryCount == 0; }

    // Clock ticks.
    SeriesTick tickSeries();  // secondsLeft - 1 and its text; expired below 1
    std::string tickDrill();  // totalSeconds + 1 and its text h:mm:ss
    void tickAnswer();        // answerSeconds + 1, stopping at 32767
    void resetAnswerClock() { state_.answerSeconds = 0; }

    // Leaving a drill: secondsLeft 240, totalSeconds 0, seriesDone 0.
    void leave();

private:
    void markFound(int slot, const CorrectionInput& input, CorrectionResult& result);
    void markMissed(int slot, const CorrectionInput& input, CorrectionResult& result);
    void eliminate(std::int32_t entry);
    void eliminateGradedSlots();
    std::int32_t entryOf(int slot) const;

    DrillState state_;
};

}  // namespace drill
