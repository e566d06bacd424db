#pragma once

#include <training/drill/CorrectionResult.h>
#include <training/drill/DrillState.h>
#include <training/drill/ListEntry.h>
#include <training/drill/RandomSource.h>
#include <training/drill/SavedDrill.h>
#include <training/drill/SeriesDraw.h>
#include <training/drill/SeriesTick.h>
#include <training/drill/Verdict.h>

#include <catalogue/ListRow.h>

#include <array>
#include <string>
#include <vector>

namespace drill {

// The drill of the training window: it owns the whole drill state (entries, series, criterion,
// threshold, pause, clocks, counters) and decides; the window asks it and paints what it says.
// Answers, draws and solutions are Windows-1252 bytes.
class Drill {
public:
    const DrillState& state() const { return state_; }

    // Start of a drill on a loaded list of the catalogue: title, tables, entryCount, success
    // counts 0, errorCount 0. Clocks, seriesDone, criterion, threshold and pause carry over.
    void start(const catalogue::ListRow& list, std::vector<ListEntry> entries);

    // What the drill keeps between two runs of the program.
    SavedDrill saved() const;
    // The same without its entries: the counters and the criterion the counts were made under.
    SavedDrill savedCounters() const;
    // Starts a drill on `entries`, the whole list, where `saved` left it: only its entries in
    // play with their success counts, its counters and clock. The criterion and threshold are
    // the window's, the player's latest choice, and carry over as at start(); those of `saved`
    // are only what the counts were made under. Refused (false, nothing changed) when
    // `saved` names an entry the list does not have, more often than the list has it, or
    // counters out of range: it was not made on this list.
    bool resume(const catalogue::ListRow& list, std::vector<ListEntry> entries,
                const SavedDrill& saved);
    // The captions of the counters as they stand. "3 série(s) déjà réalisée(s).", UTF-8: the
    // series done ("0 série déjà réalisée." before the first); the wrong answers of the drill
    // ("12"); the drill clock ("0:12:05").
    std::string seriesDoneText() const;
    std::string errorCountText() const;
    std::string drillClockText() const;

    // Opens a series: up to kSlots entries picked from those in play, every slot ungraded,
    // secondsLeft back to kSeriesSeconds.
    SeriesDraw drawSeries(RandomSource& random);

    // Number of slots the current pool fills (kSlots, or entryCount when below).
    int seriesSize() const;
    // True when the slot holds an entry and `answer` equals its solutions exactly.
    bool isAnswerRight(int slot, const std::string& answer) const;

    // A series is being answered: from its draw to its correction.
    bool seriesOpen() const { return state_.phase == SeriesPhase::Open; }
    // Corrected with entries left: "Nouvelle série" may draw the next one.
    bool canDrawSeries() const { return state_.phase == SeriesPhase::Corrected; }
    // Corrected with no entry left.
    bool isFinished() const { return state_.phase == SeriesPhase::Finished; }

    // The other criterion, with its own threshold: 5 seconds by speed, 1 success by successes.
    void switchCriterion();
    // The threshold as the player types it (Threshold::parse of the threshold box).
    void setThreshold(double threshold) { state_.threshold = threshold; }
    // Pauses a running drill, or resumes a paused one.
    void togglePause() { state_.paused = !state_.paused; }
    // The answer box of `slot` got the focus.
    void setCurrentSlot(int slot);

    // Grades one slot by speed with the current answerSeconds and threshold: met when
    // threshold > answerSeconds and the answer is right. Met: slotState 1 unless it is 0 (then
    // Unchanged). Not met: slotState 0, "NO". A slot without entry is left at -1.
    Verdict gradeByTime(int slot, const std::string& answer);

    // Corrects the open series with the texts of the answer boxes: grades the last slot (by
    // speed), marks each slot, raises success counts, eliminates mastered entries, compacts the
    // tables, counts series and errors. The caller stops its series clock and answer stopwatch.
    CorrectionResult correctSeries(const std::array<std::string, kSlots>& answers);

    // Clock ticks.
    SeriesTick tickSeries();  // secondsLeft - 1 and its text; expired below 1
    std::string tickDrill();  // totalSeconds + 1 and its text h:mm:ss
    void tickAnswer();        // answerSeconds + 1
    // One second of the series clock spent in the answer box of `slot`.
    void tickSlot(int slot);
    void resetAnswerClock() { state_.answerSeconds = 0; }

    // Leaving a drill: secondsLeft kSeriesSeconds, totalSeconds 0, seriesDone 0, errorCount 0.
    void leave();

    // Whether `saved` can be resumed on the list `entries`: every saved entry is a line of
    // the list, each line used at most as often as it stands there, the counters in range.
    static bool belongsTo(const SavedDrill& saved, const std::vector<ListEntry>& entries);

private:
    void noteSlot(int slot, CorrectionResult& result) const;
    void noteOutcomes(CorrectionResult& result) const;
    void markFound(int slot, const std::string& answer, CorrectionResult& result);
    void markMissed(int slot, const std::string& answer, CorrectionResult& result);
    void eliminate(std::int32_t entry);
    void eliminateGradedSlots();
    // Removes every entry whose draw is empty; the others keep their order.
    void compactEntries();
    std::int32_t entryOf(int slot) const;

    DrillState state_;
    // What the success counts were made under: the criterion by successes and its threshold at
    // the last success counted, or the criterion at the start while none is.
    Criterion countedUnder_ = Criterion::BySuccesses;
    double countedThreshold_ = 1;
};

}  // namespace drill
