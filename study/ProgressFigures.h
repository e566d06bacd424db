#pragma once

#include <study/Study.h>

#include <status/Result.h>

#include <cstdint>
#include <string>
#include <vector>

namespace study {

class StudyRecord;

// What the record says of one list: its drill under way, its drills finished, and every answer
// given on its draws (in its drills and in the review).
struct ListFigures {
    std::string list;            // the list's file name
    bool underWay = false;       // a drill of the list is under way
    std::int64_t drillSize = 0;  // the entries of the drill under way
    std::int64_t remaining = 0;  // those not eliminated yet
    std::int64_t drillsFinished = 0;
    std::int64_t series = 0;   // series corrected in the list's drills
    std::int64_t seconds = 0;  // the drill clock of those series
    std::int64_t answers = 0;  // answers on the list's draws, drills and review
    std::int64_t found = 0;
    std::int64_t lastDrilled = 0;  // time of the last series of the list's drills; 0: never

    // The entries mastered of a list of `entries`: those eliminated in the drill under way,
    // else every one once a drill has been finished.
    std::int64_t mastered(std::int64_t entries) const;
};

// The review deck now and over the days to come.
struct DeckFigures {
    std::int64_t draws = 0;     // in the deck
    std::int64_t dueToday = 0;  // due before the end of today, late ones included
    std::int64_t dueWeek = 0;   // due within the seven days from today on, late ones included
    std::int64_t known = 0;     // in the deck and found at its last three answers at least
    std::vector<std::int64_t> duePerDay;  // today (late ones included) and each day after
    std::int64_t reviewed = 0;            // review answers over the last 30 days
    std::int64_t foundInReview = 0;
    double desiredRetention = 0.9;
};

// One local day of study.
struct DayFigures {
    std::int64_t start = 0;  // the start of the local day
    std::int64_t answers = 0;
    std::int64_t found = 0;
    std::int64_t seconds = 0;  // the drill clock of the day's series
};

// A draw missed more often than the others.
struct MissedDraw {
    DeckDraw draw;
    std::int64_t missed = 0;
    std::int64_t seen = 0;
    std::int64_t lastMissed = 0;
};

// The player's figures, read from the study record: each figure one SQL aggregate over the
// record's indexes and running totals (draw_tally, correction's counts), never a walk through
// every answer. Days are the player's local days at the record's clock.
class ProgressFigures {
public:
    static constexpr int kRetentionDays = 30;

    explicit ProgressFigures(StudyRecord& record) : record_(record) {}

    // Every list the record has seen, by file name.
    status::Result<std::vector<ListFigures>> lists();
    // The deck, and its reviews due on each of `days` days from today on.
    status::Result<DeckFigures> deck(int days = 30);
    // The last `count` local days, today last.
    status::Result<std::vector<DayFigures>> days(int count = 90);
    // The draws missed most often, the most missed first (the last missed first among equals).
    status::Result<std::vector<MissedDraw>> mostMissed(int limit = 50);

private:
    int count(const char* sql, std::int64_t from, std::int64_t to, std::int64_t& value);

    StudyRecord& record_;
};

}  // namespace study
