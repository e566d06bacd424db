#pragma once

#include <study/Study.h>

#include <QString>

namespace launcher {

// What the launcher's line of the review of the day says, in French.
class ReviewLine {
public:
    // « Révisions du jour : 0 tirage », « 1 tirage », « 3 tirages », followed by
    // « — demain : 12 » when some are due tomorrow.
    static QString text(const study::DueCounts& due);
    // « Révisions indisponibles : <why> », when the study record cannot say.
    static QString unavailable(const QString& why);
};

}  // namespace launcher
