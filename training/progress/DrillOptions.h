#pragma once

#include <training/drill/Criterion.h>

#include <QString>

namespace training {

// The options of the training window that the player keeps from one run to the next: the
// criterion and its threshold as typed, the faces chosen with "Changer de police" and whether
// the clocks are shown. They live in an INI file of the player's settings.
struct DrillOptions {
    drill::Criterion criterion = drill::Criterion::BySuccesses;
    QString threshold;   // as typed in the threshold box; empty: the criterion's own
    int fontClicks = 0;  // clicks of "Changer de police" that give the faces in use (0 to 14)
    bool clocksShown = true;

    // <config home>/vorlane/vorlane.conf.
    static QString playerFile();
    // The options kept in `file`; the design's when it holds none.
    static DrillOptions read(const QString& file);
    void write(const QString& file) const;

    // Clicks of "Changer de police" after `clicks` more than one: the seven faces come round
    // again, and from the eighth click on the answer boxes keep the face of the seventh, so
    // that 15 clicks look as 8 do.
    static int afterClick(int clicks) { return clicks < 14 ? clicks + 1 : 8; }
};

}  // namespace training
