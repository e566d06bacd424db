#pragma once

#include <status/Result.h>
#include <status/Status.h>

#include <cstdint>
#include <string>
#include <vector>

namespace study {

// A draw of the review deck: the list file it came from and its line. Two lines with different
// draws are two draws of the deck, even with the same solutions.
struct DeckDraw {
    std::string list;       // the list's file name in its folder ("7lettres.txt"), UTF-8
    std::string draw;       // Windows-1252 bytes, as the list file holds them
    std::string solutions;  // Windows-1252 bytes, the exact text to type

    bool operator==(const DeckDraw& other) const
    {
        return list == other.list && draw == other.draw && solutions == other.solutions;
    }
};

// One slot of a corrected series: its draw, found or missed, and the seconds spent on it.
struct SlotAnswer {
    DeckDraw draw;
    bool found = false;
    std::int32_t seconds = 0;
};

// Where a corrected series was drilled: its list (the list's file name; empty for the review),
// the seconds the drill clock ran since the previous correction (negative: unknown, the sum of
// its slots' seconds counts instead), and whether this correction finished the list's drill.
struct SeriesOrigin {
    std::string list;
    std::int32_t clockSeconds = -1;
    bool finishesDrill = false;
};

// The reviews waiting: due before the end of today, and due tomorrow.
struct DueCounts {
    std::int32_t today = 0;
    std::int32_t tomorrow = 0;
};

// How the deck is scheduled: the retention the scheduler aims at and how many new draws of the
// lists being learned enter the review each day.
struct ReviewPolicy {
    double desiredRetention = 0.90;
    std::int32_t newPerDay = 50;
};

// What the windows ask of the player's study record. The record keeps every answer, the deck
// and each draw's schedule; the windows only say what happened and ask what is due.
class Study {
public:
    virtual ~Study() = default;

    virtual void setPolicy(const ReviewPolicy& policy) = 0;
    virtual ReviewPolicy policy() const = 0;

    // One corrected series, of a list or of the review: every slot of the series, in one
    // transaction. A missed draw enters the deck; every draw of the deck in it is rescheduled
    // (missed: again today; found: at the scheduler's next interval).
    virtual status::Status recordCorrection(const std::vector<SlotAnswer>& answers) = 0;
    // The same, with where the series was drilled, for the player's figures. A record that
    // keeps no figures keeps the answers alone.
    virtual status::Status recordSeries(const std::vector<SlotAnswer>& answers,
                                        const SeriesOrigin& origin)
    {
        (void)origin;
        return recordCorrection(answers);
    }
    // A slot found too slowly, counted as missed by the player after the correction: the draw
    // is scheduled as if missed; the answers already kept stay as they were.
    virtual status::Status countAsMissed(const DeckDraw& draw) = 0;

    virtual status::Result<DueCounts> dueCounts() = 0;
    // The draws due now, soonest first, at most `limit`.
    virtual status::Result<std::vector<DeckDraw>> dueDraws(std::int32_t limit) = 0;

    // Adds a list's entries to the deck as new draws, in the list's order; at most
    // policy().newPerDay of them enter the review each day. Draws already in the deck keep
    // their history.
    virtual status::Status learnList(const std::string& list,
                                     const std::vector<DeckDraw>& entries) = 0;
    // Takes a list's draws out of the review; their answers and history stay.
    virtual status::Status stopLearning(const std::string& list) = 0;
    virtual status::Result<bool> isLearning(const std::string& list) = 0;
};

}  // namespace study
