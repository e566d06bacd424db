#include <testsupport/FakeStudy.h>

#include <algorithm>

namespace testsupport {

namespace {

status::Status failure(const std::string& why)
{
    return status::Status::failure(why);
}

}  // namespace

FakeStudy::Card* FakeStudy::find(const study::DeckDraw& draw)
{
    for (Card& card : deck)
        if (card.draw == draw)
            return &card;
    return nullptr;
}

const FakeStudy::Card* FakeStudy::card(const study::DeckDraw& draw) const
{
    return const_cast<FakeStudy*>(this)->find(draw);
}

// A miss, or a find counted as one: due again today, its interval starting again.
void FakeStudy::missed(const study::DeckDraw& draw)
{
    Card* card = find(draw);
    if (!card) {
        deck.push_back({draw, today, 0, false, true});
        return;
    }
    card->fresh = false;
    card->inReview = true;
    card->dueDay = today;
    card->interval = 0;
}

status::Status FakeStudy::recordCorrection(const std::vector<study::SlotAnswer>& slots)
{
    if (!failing.empty())
        return failure(failing);
    if (freshDay != today) {
        freshDay = today;
        freshAnsweredToday = 0;
    }
    for (const study::SlotAnswer& slot : slots) {
        answers.push_back(slot);
        Card* card = find(slot.draw);
        if (card && card->fresh)
            ++freshAnsweredToday;
        if (!slot.found) {
            missed(slot.draw);
        } else if (card) {
            card->fresh = false;
            card->interval = std::max(1, card->interval * 2);
            card->dueDay = today + card->interval;
        }
    }
    return {};
}

status::Status FakeStudy::countAsMissed(const study::DeckDraw& draw)
{
    if (!failing.empty())
        return failure(failing);
    countedAsMissed.push_back(draw);
    missed(draw);
    return {};
}

// Today: as many as the day has room for after the fresh ones already answered. Tomorrow: the
// next newPerDay after those.
std::vector<const FakeStudy::Card*> FakeStudy::freshOn(std::int32_t day) const
{
    const std::int32_t answered = freshDay == today ? freshAnsweredToday : 0;
    const std::int32_t todayRoom = std::max(0, policy_.newPerDay - answered);
    std::int32_t skip = day > today ? todayRoom : 0;
    const std::int32_t room = day > today ? policy_.newPerDay : todayRoom;
    std::vector<const Card*> entering;
    for (const Card& card : deck) {
        if (!card.fresh || !card.inReview)
            continue;
        if (skip > 0) {
            --skip;
            continue;
        }
        if (static_cast<std::int32_t>(entering.size()) == room)
            break;
        entering.push_back(&card);
    }
    return entering;
}

status::Result<study::DueCounts> FakeStudy::dueCounts()
{
    if (!failing.empty())
        return failure(failing);
    study::DueCounts counts;
    for (const Card& card : deck) {
        if (card.fresh || !card.inReview)
            continue;
        if (card.dueDay <= today)
            ++counts.today;
        else if (card.dueDay == today + 1)
            ++counts.tomorrow;
    }
    counts.today += static_cast<std::int32_t>(freshOn(today).size());
    counts.tomorrow += static_cast<std::int32_t>(freshOn(today + 1).size());
    return counts;
}

status::Result<std::vector<study::DeckDraw>> FakeStudy::dueDraws(std::int32_t limit)
{
    if (!failing.empty())
        return failure(failing);
    std::vector<const Card*> due;
    for (const Card& card : deck)
        if (!card.fresh && card.inReview && card.dueDay <= today)
            due.push_back(&card);
    std::stable_sort(due.begin(), due.end(),
                     [](const Card* a, const Card* b) { return a->dueDay < b->dueDay; });
    for (const Card* card : freshOn(today))
        due.push_back(card);
    std::vector<study::DeckDraw> draws;
    for (const Card* card : due)
        if (static_cast<std::int32_t>(draws.size()) < limit)
            draws.push_back(card->draw);
    return draws;
}

status::Status FakeStudy::learnList(const std::string& list,
                                    const std::vector<study::DeckDraw>& entries)
{
    if (!failing.empty())
        return failure(failing);
    learning.insert(list);
    for (const study::DeckDraw& entry : entries) {
        if (Card* card = find(entry))
            card->inReview = true;  // already in the deck: it keeps its history
        else
            deck.push_back({entry, today, 0, true, true});
    }
    return {};
}

status::Status FakeStudy::stopLearning(const std::string& list)
{
    if (!failing.empty())
        return failure(failing);
    learning.erase(list);
    for (Card& card : deck)
        if (card.draw.list == list)
            card.inReview = false;
    return {};
}

status::Result<bool> FakeStudy::isLearning(const std::string& list)
{
    if (!failing.empty())
        return failure(failing);
    return learning.count(list) > 0;
}

}  // namespace testsupport
