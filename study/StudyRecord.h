#pragma once

#include <study/Clock.h>
#include <study/DeckSchedule.h>
#include <study/Fsrs.h>
#include <study/SqliteDatabase.h>
#include <study/Study.h>

#include <functional>
#include <string>

namespace study {

// The player's study record, one SQLite file (etude.sqlite in the player's folder): every draw
// studied, every answer of every correction, each draw's schedule and place (in the deck, new,
// out), the lists being learned, and the drill under way on each list (ProgressBook). Each
// write is one transaction, on the disk when it returns; two programs may share the file.
class StudyRecord : public Study {
public:
    explicit StudyRecord(Clock clock = systemClock());

    // Opens the record at `path`, made when missing (see StudyFile: what is refused, what is
    // set aside). On failure nothing is open and every call fails with the same reason.
    status::Status open(const std::string& path);
    bool isOpen() const { return db_.isOpen(); }
    const std::string& path() const { return path_; }
    // Where a damaged file found at open was set aside; empty when none was.
    const std::string& setAsideAs() const { return setAsideAs_; }

    void setPolicy(const ReviewPolicy& policy) override;
    ReviewPolicy policy() const override { return policy_; }

    status::Status recordCorrection(const std::vector<SlotAnswer>& answers) override;
    status::Status recordSeries(const std::vector<SlotAnswer>& answers,
                                const SeriesOrigin& origin) override;
    status::Status countAsMissed(const DeckDraw& draw) override;
    status::Result<DueCounts> dueCounts() override;
    status::Result<std::vector<DeckDraw>> dueDraws(std::int32_t limit) override;
    status::Status learnList(const std::string& list,
                             const std::vector<DeckDraw>& entries) override;
    status::Status stopLearning(const std::string& list) override;
    status::Result<bool> isLearning(const std::string& list) override;

    // Runs `work` in one write transaction, at the time the clock gives: committed when it
    // gives SQLITE_OK, else rolled back. The failure in French, naming the file.
    status::Status write(const std::function<int(std::int64_t now)>& work);
    // The failure of a read, in French, naming the file.
    status::Status readFailure(int code) const;
    SqliteDatabase& database() { return db_; }
    std::int64_t now() const { return clock_(); }

private:
    struct DrawRow {
        std::int64_t id = 0;
        int place = 0;
        DrawSchedule schedule;
    };

    void readPolicy();
    int findOrAdd(const DeckDraw& draw, DrawRow& row);
    int addCorrection(const std::vector<SlotAnswer>& answers, const SeriesOrigin& origin,
                      std::int64_t now, std::int64_t& correction);
    int recordAnswer(std::int64_t correction, const SlotAnswer& answer, std::int64_t now);
    int reschedule(const DrawRow& row, const std::string& list, Grade grade, std::int64_t now);
    int keepUndo(const DrawRow& row);
    int restoreUndo(DrawRow& row);
    int countEntered(const std::string& list, std::int64_t now);
    int newAllowance(std::int64_t now, std::int64_t& allowance);
    int newWaiting(std::int64_t limit, std::int64_t& waiting);
    int dueBetween(std::int64_t from, std::int64_t to, std::int64_t& count);
    int newDraws(std::int64_t limit, std::vector<DeckDraw>& draws);

    Clock clock_;
    std::string path_;
    std::string setAsideAs_;
    status::Status openFailure_;
    SqliteDatabase db_;
    ReviewPolicy policy_;
    Fsrs fsrs_;
};

}  // namespace study
