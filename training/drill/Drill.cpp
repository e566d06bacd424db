#include <training/drill/Drill.h>

#include <training/drill/ClockText.h>
#include <training/drill/SeriesPicker.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <utility>

namespace drill {

namespace {

// Adds one to a counter that stops at its largest value rather than wrapping around.
template <typename Counter> void countOne(Counter& counter)
{
    if (counter < std::numeric_limits<Counter>::max())
        ++counter;
}

}  // namespace

void Drill::start(const catalogue::ListRow& list, std::vector<ListEntry> entries)
{
    state_.listTitle = list.title;
    state_.extensionList = list.isExtensionList();
    state_.errorCount = 0;
    const std::size_t count =
        std::min<std::size_t>(entries.size(), std::numeric_limits<std::int32_t>::max());
    state_.draws.assign(count, std::string());
    state_.solutions.assign(count, std::string());
    state_.successCount.assign(count, 0);
    for (std::size_t k = 0; k < count; ++k) {
        state_.draws[k] = std::move(entries[k].draw);
        state_.solutions[k] = std::move(entries[k].solutions);
    }
    state_.entryCount = static_cast<std::int32_t>(count);
    state_.listSize = state_.entryCount;
    state_.seriesEntry.fill(-1);
    state_.slotState.fill(-1);
    countedUnder_ = state_.criterion;
    countedThreshold_ = state_.threshold;
}

SavedDrill Drill::saved() const
{
    SavedDrill saved = savedCounters();
    const auto count = static_cast<std::size_t>(std::max<std::int32_t>(state_.entryCount, 0));
    for (std::size_t k = 0; k < count; ++k) {
        saved.entries.push_back({state_.draws[k], state_.solutions[k]});
        saved.successCount.push_back(state_.successCount[k]);
    }
    return saved;
}

SavedDrill Drill::savedCounters() const
{
    SavedDrill saved;
    saved.listSize = state_.listSize;
    saved.seriesDone = state_.seriesDone;
    saved.errorCount = state_.errorCount;
    saved.totalSeconds = state_.totalSeconds;
    saved.criterion = countedUnder_;
    saved.threshold = countedThreshold_;
    return saved;
}

bool Drill::resume(const catalogue::ListRow& list, std::vector<ListEntry> entries,
                   const SavedDrill& saved)
{
    if (!belongsTo(saved, entries))
        return false;
    start(list, std::move(entries));
    state_.draws.clear();
    state_.solutions.clear();
    for (const ListEntry& entry : saved.entries) {
        state_.draws.push_back(entry.draw);
        state_.solutions.push_back(entry.solutions);
    }
    state_.successCount = saved.successCount;
    state_.entryCount = static_cast<std::int32_t>(saved.entries.size());
    state_.seriesDone = saved.seriesDone;
    state_.errorCount = saved.errorCount;
    state_.totalSeconds = saved.totalSeconds;
    countedUnder_ = saved.criterion;
    countedThreshold_ = saved.threshold;
    return true;
}

// Every saved entry is a line of the list, each line used at most as often as it stands there.
bool Drill::belongsTo(const SavedDrill& saved, const std::vector<ListEntry>& entries)
{
    if (saved.successCount.size() != saved.entries.size() || saved.entries.empty()
        || saved.entries.size() > entries.size() || saved.seriesDone < 0 || saved.errorCount < 0
        || saved.totalSeconds < 0 || !std::isfinite(saved.threshold))
        return false;
    if (std::any_of(saved.successCount.begin(), saved.successCount.end(),
                    [](std::int32_t count) { return count < 0; }))
        return false;
    std::map<std::pair<std::string, std::string>, std::size_t> unused;
    for (const ListEntry& entry : entries)
        ++unused[{entry.draw, entry.solutions}];
    for (const ListEntry& entry : saved.entries) {
        auto found = unused.find({entry.draw, entry.solutions});
        if (entry.draw.empty() || found == unused.end() || found->second == 0)
            return false;
        --found->second;
    }
    return true;
}

std::string Drill::seriesDoneText() const
{
    if (state_.seriesDone == 0)
        return "0 série déjà réalisée.";  // the caption a drill is left with
    return std::to_string(state_.seriesDone) + " série(s) déjà réalisée(s).";
}

std::string Drill::errorCountText() const
{
    return std::to_string(state_.errorCount);
}

std::string Drill::drillClockText() const
{
    return ClockText::drill(state_.totalSeconds);
}

int Drill::seriesSize() const
{
    return std::clamp<std::int32_t>(state_.entryCount, 0, kSlots);
}

SeriesDraw Drill::drawSeries(RandomSource& random)
{
    SeriesDraw result;
    result.entriesLeftText = std::to_string(state_.entryCount);
    state_.seriesEntry.fill(-1);
    const std::vector<std::int32_t> picked = SeriesPicker::pick(state_.entryCount, random);
    for (std::size_t s = 0; s < picked.size(); ++s)
        state_.seriesEntry[s] = picked[s];
    state_.slotState.fill(-1);
    state_.slotSeconds.fill(0);
    for (std::size_t s = 0; s < picked.size(); ++s)
        result.drawTexts[s] = state_.draws[static_cast<std::size_t>(picked[s])];
    result.seriesSize = static_cast<int>(picked.size());
    state_.secondsLeft = kSeriesSeconds;
    state_.phase = SeriesPhase::Open;
    return result;
}

void Drill::switchCriterion()
{
    const bool toSpeed = state_.criterion == Criterion::BySuccesses;
    state_.criterion = toSpeed ? Criterion::BySpeed : Criterion::BySuccesses;
    state_.threshold = toSpeed ? 5 : 1;
}

void Drill::setCurrentSlot(int slot)
{
    if (slot >= 0 && slot < kSlots)
        state_.currentSlot = static_cast<std::int16_t>(slot);
}

std::int32_t Drill::entryOf(int slot) const
{
    if (slot < 0 || slot >= kSlots)
        return -1;
    const std::int32_t entry = state_.seriesEntry[static_cast<std::size_t>(slot)];
    return entry >= 0 && entry < state_.entryCount ? entry : -1;
}

bool Drill::isAnswerRight(int slot, const std::string& answer) const
{
    const std::int32_t entry = entryOf(slot);
    return entry >= 0 && answer == state_.solutions[static_cast<std::size_t>(entry)];
}

Verdict Drill::gradeByTime(int slot, const std::string& answer)
{
    if (entryOf(slot) < 0)
        return Verdict::Unchanged;  // an empty slot has nothing to compare with
    std::int16_t& graded = state_.slotState[static_cast<std::size_t>(slot)];
    const bool met = state_.threshold > state_.answerSeconds && isAnswerRight(slot, answer);
    if (!met) {
        graded = 0;
        return Verdict::No;
    }
    if (graded == 0)
        return Verdict::Unchanged;
    graded = 1;
    return Verdict::Ok;
}

void Drill::eliminate(std::int32_t entry)
{
    state_.draws[static_cast<std::size_t>(entry)].clear();
    state_.solutions[static_cast<std::size_t>(entry)].clear();
}

void Drill::markFound(int slot, const std::string& answer, CorrectionResult& result)
{
    const std::int32_t entry = entryOf(slot);
    SlotCorrection& mark = result.slots[static_cast<std::size_t>(slot)];
    mark.found = true;
    mark.answerText = answer;
    mark.drawText = state_.draws[static_cast<std::size_t>(entry)];
    ++result.foundCount;
    if (state_.criterion != Criterion::BySuccesses)
        return;
    std::int32_t& successes = state_.successCount[static_cast<std::size_t>(entry)];
    countOne(successes);
    countedUnder_ = Criterion::BySuccesses;
    countedThreshold_ = state_.threshold;
    if (!(state_.threshold > static_cast<double>(successes)))
        eliminate(entry);
}

void Drill::markMissed(int slot, const std::string& answer, CorrectionResult& result)
{
    const std::int32_t entry = entryOf(slot);
    SlotCorrection& mark = result.slots[static_cast<std::size_t>(slot)];
    const std::string& draw = state_.draws[static_cast<std::size_t>(entry)];
    if (answer.empty()) {
        mark.answerText = draw;
    } else if (state_.extensionList) {
        mark.tooltip = "Vous aviez saisi: " + answer;
        mark.answerText = draw;
    } else {
        mark.tooltip = "Tirage: " + draw;
        mark.answerText = answer;
        mark.struckThrough = true;
    }
    mark.drawText = state_.solutions[static_cast<std::size_t>(entry)];
    mark.drawRevealed = true;
    countOne(state_.errorCount);
}

void Drill::eliminateGradedSlots()
{
    for (int slot = 0; slot < kSlots; ++slot) {
        const std::int32_t entry = entryOf(slot);
        if (entry >= 0 && state_.slotState[static_cast<std::size_t>(slot)] == 1)
            eliminate(entry);
    }
}

CorrectionResult Drill::correctSeries(const std::array<std::string, kSlots>& answers)
{
    CorrectionResult result;
    const int size = seriesSize();
    if (state_.criterion == Criterion::BySpeed && size > 0)
        result.lastSlotVerdict = gradeByTime(size - 1, answers[static_cast<std::size_t>(size - 1)]);
    for (int slot = 0; slot < size; ++slot) {
        if (entryOf(slot) < 0)
            continue;  // only when no series was drawn for this pool
        result.slots[static_cast<std::size_t>(slot)].inSeries = true;
        noteSlot(slot, result);
        const std::string& answer = answers[static_cast<std::size_t>(slot)];
        if (isAnswerRight(slot, answer))
            markFound(slot, answer, result);
        else
            markMissed(slot, answer, result);
    }
    if (state_.criterion == Criterion::BySpeed)
        eliminateGradedSlots();
    noteOutcomes(result);
    compactEntries();
    result.seriesSize = size;
    result.scoreText = std::to_string(result.foundCount) + "/" + std::to_string(size);
    countOne(state_.seriesDone);
    result.seriesDoneText = seriesDoneText();
    result.errorCountText = errorCountText();
    result.timeUsedText = ClockText::timeUsed(state_.secondsShown);
    result.finished = state_.entryCount == 0;
    state_.phase = result.finished ? SeriesPhase::Finished : SeriesPhase::Corrected;
    return result;
}

// What the slot holds, before grading may eliminate its entry.
void Drill::noteSlot(int slot, CorrectionResult& result) const
{
    SlotCorrection& mark = result.slots[static_cast<std::size_t>(slot)];
    mark.entry = entryOf(slot);
    mark.entryDraw = state_.draws[static_cast<std::size_t>(mark.entry)];
    mark.entrySolutions = state_.solutions[static_cast<std::size_t>(mark.entry)];
    mark.seconds = state_.slotSeconds[static_cast<std::size_t>(slot)];
}

// Where each entry of the series stands, before the tables are compacted.
void Drill::noteOutcomes(CorrectionResult& result) const
{
    for (SlotCorrection& mark : result.slots) {
        if (!mark.inSeries)
            continue;
        const auto entry = static_cast<std::size_t>(mark.entry);
        mark.eliminated = state_.draws[entry].empty();
        mark.successCount = state_.successCount[entry];
    }
}

void Drill::compactEntries()
{
    std::size_t kept = 0;
    const auto count = static_cast<std::size_t>(std::max<std::int32_t>(state_.entryCount, 0));
    for (std::size_t p = 0; p < count; ++p) {
        if (state_.draws[p].empty())
            continue;
        if (kept != p) {
            state_.draws[kept] = std::move(state_.draws[p]);
            state_.solutions[kept] = std::move(state_.solutions[p]);
            state_.successCount[kept] = state_.successCount[p];
        }
        ++kept;
    }
    state_.draws.resize(kept);
    state_.solutions.resize(kept);
    state_.successCount.resize(kept);
    state_.entryCount = static_cast<std::int32_t>(kept);
}

SeriesTick Drill::tickSeries()
{
    --state_.secondsLeft;
    state_.secondsShown = state_.secondsLeft;
    return {ClockText::series(state_.secondsLeft), state_.secondsLeft < 1};
}

std::string Drill::tickDrill()
{
    countOne(state_.totalSeconds);
    return ClockText::drill(state_.totalSeconds);
}

void Drill::tickAnswer()
{
    countOne(state_.answerSeconds);
}

void Drill::tickSlot(int slot)
{
    if (slot >= 0 && slot < kSlots && seriesOpen())
        countOne(state_.slotSeconds[static_cast<std::size_t>(slot)]);
}

void Drill::leave()
{
    state_.secondsLeft = kSeriesSeconds;
    state_.totalSeconds = 0;
    state_.seriesDone = 0;
    state_.errorCount = 0;
}

}  // namespace drill
