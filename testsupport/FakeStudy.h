#pragma once

#include <study/Study.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace testsupport {

// A study record in memory for the window tests: a deck in a vector and a day counter that the
// test moves. It keeps every answer and schedules as a simple record would: a missed draw is
// due today, a found one at an interval that doubles from one day; a list being learned lets
// policy().newPerDay of its new draws in a day, in its order. `failing` makes every call fail.
class FakeStudy : public study::Study {
public:
    struct Card {
        study::DeckDraw draw;
        std::int32_t dueDay = 0;    // the day it is due, in the days of `today`
        std::int32_t interval = 0;  // days to its next review after a find; 0 before the first
        bool fresh = false;         // learned from a list and never answered yet
        bool inReview = true;       // false once its list is no more reviewed
    };

    void setPolicy(const study::ReviewPolicy& policy) override { policy_ = policy; }
    study::ReviewPolicy policy() const override { return policy_; }
    status::Status recordCorrection(const std::vector<study::SlotAnswer>& answers) override;
    status::Status countAsMissed(const study::DeckDraw& draw) override;
    status::Result<study::DueCounts> dueCounts() override;
    status::Result<std::vector<study::DeckDraw>> dueDraws(std::int32_t limit) override;
    status::Status learnList(const std::string& list,
                             const std::vector<study::DeckDraw>& entries) override;
    status::Status stopLearning(const std::string& list) override;
    status::Result<bool> isLearning(const std::string& list) override;

    // The card of `draw`, null when it is not in the deck.
    const Card* card(const study::DeckDraw& draw) const;

    std::vector<Card> deck;
    std::vector<study::SlotAnswer> answers;        // every answer recorded, in order
    std::vector<study::DeckDraw> countedAsMissed;  // every draw the player counted as missed
    std::set<std::string> learning;
    std::int32_t today = 0;
    std::string failing;  // when not empty, why every call fails

private:
    Card* find(const study::DeckDraw& draw);
    void missed(const study::DeckDraw& draw);
    // The fresh cards that enter the review on `day`, today or tomorrow.
    std::vector<const Card*> freshOn(std::int32_t day) const;

    study::ReviewPolicy policy_;
    std::int32_t freshAnsweredToday = 0;
    std::int32_t freshDay = 0;  // the day freshAnsweredToday counts
};

}  // namespace testsupport
