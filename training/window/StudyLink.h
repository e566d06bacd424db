#pragma once

#include <training/drill/CorrectionResult.h>

#include <status/Status.h>
#include <study/Study.h>

#include <functional>
#include <string>
#include <vector>

namespace training {

// From a corrected series to the study record: each slot of the series becomes an answer
// (its entry's draw and solutions, found or missed, its seconds), all kept in one correction.
class StudyLink {
public:
    // The list (its file name, "ods6new_7L.txt") the entry of slot `slot` came from. A list's
    // drill gives its own file name for every slot; the review gives each review entry's own.
    using ListOfSlot = std::function<std::string(int slot, const drill::SlotCorrection& mark)>;

    static std::vector<study::SlotAnswer> answersOf(const drill::CorrectionResult& result,
                                                    const ListOfSlot& listOf);
    // Keeps the answers of `result` in `study`, with where the series was drilled, in one
    // transaction; the French reason when not.
    static status::Status record(study::Study& study, const drill::CorrectionResult& result,
                                 const ListOfSlot& listOf, const study::SeriesOrigin& origin = {});
};

}  // namespace training
