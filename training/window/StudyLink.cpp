#include <training/window/StudyLink.h>

namespace training {

std::vector<study::SlotAnswer> StudyLink::answersOf(const drill::CorrectionResult& result,
                                                    const ListOfSlot& listOf)
{
    std::vector<study::SlotAnswer> answers;
    for (std::size_t slot = 0; slot < result.slots.size(); ++slot) {
        const drill::SlotCorrection& mark = result.slots[slot];
        if (!mark.inSeries)
            continue;
        answers.push_back(
            {{listOf(static_cast<int>(slot), mark), mark.entryDraw, mark.entrySolutions},
             mark.found,
             mark.seconds});
    }
    return answers;
}

status::Status StudyLink::record(study::Study& study, const drill::CorrectionResult& result,
                                 const ListOfSlot& listOf, const study::SeriesOrigin& origin)
{
    const std::vector<study::SlotAnswer> answers = answersOf(result, listOf);
    if (answers.empty())
        return {};
    return study.recordSeries(answers, origin);
}

}  // namespace training
