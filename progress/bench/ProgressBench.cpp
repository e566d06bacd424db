// How fast « Mes progrès » opens on a player's years of study: a record of 1 000 000 answers
// over 100 000 draws and 33 000 series of five lists. Prints the milliseconds of each figure
// and of the window's opening, from its making to its first paint. `progress_bench --petit`
// runs the same on a small record (the test that keeps it building and running).
#include <progress/window/ProgressWindow.h>
#include <study/bench/BenchTiming.h>

#include <study/AnswerHistory.h>
#include <study/ProgressFigures.h>
#include <study/SqliteDatabase.h>
#include <study/StudyRecord.h>
#include <testsupport/TempFolder.h>

#include <QApplication>

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Size {
    long long answers;
    long long draws;
};

constexpr std::int64_t kNow = 1'800'000'000;

using study::bench::median;
using study::bench::milliseconds;

// Draws of five lists, a third in the deck due from 30 days ago to 60 days ahead; series of 30
// answers ten minutes apart back from now, every fifth a review; written straight in SQL, the
// record's triggers adding up as they do when the program writes.
bool fill(study::StudyRecord& record, const Size& size)
{
    const std::string now = std::to_string(kNow);
    const std::string draws = std::to_string(size.draws);
    const std::string series = std::to_string(size.answers / 30);
    const std::string answers = std::to_string(size.answers);
    const std::string count = "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n "
                              "WHERE i + 1 < ";
    const std::string sql = "BEGIN;" + count + draws
        + ") INSERT INTO deck_draw (list, draw, solutions, place, stability, difficulty, "
          "last_review, due, reviews, lapses) SELECT 'ods6new_' || (5 + i % 5) || 'L.txt', "
          "CAST(printf('T%07d', i) AS BLOB), CAST(printf('S%07d', i) AS BLOB), "
          "i % 3 = 0, 3.5, 5.0, "
        + now + " - 86400 * 10, " + now + " + 86400 * (i % 90 - 30), 4, 1 FROM n;" + count + series
        + ") INSERT INTO correction (id, at, list, seconds) SELECT i + 1, " + now
        + " - 600 * i, CASE WHEN i % 5 = 0 THEN NULL ELSE 'ods6new_' || (5 + i % 5) || "
          "'L.txt' END, 95 FROM n;"
        + count + answers
        + ") INSERT INTO answer (correction, draw, found, seconds) SELECT i / 30 + 1, "
          "(i * 7919) % "
        + draws + " + 1, i % 3 <> 0, i % 40 FROM n;COMMIT;";
    return record.database().exec(sql) == SQLITE_OK;
}

void say(const char* what, double ms, const char* target = "")
{
    std::printf("%-52s %9.2f ms%s%s\n", what, ms, *target ? "   (objectif " : "", target);
}

}  // namespace

int main(int argc, char* argv[])
{
    const bool small = argc > 1 && std::strcmp(argv[1], "--petit") == 0;
    const Size size = small ? Size{3000, 300} : Size{1'000'000, 100'000};
    if (!std::getenv("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testsupport::TempFolder home;
    const std::string path = home.file("etude.sqlite");
    bool ok = true;
    {
        study::StudyRecord record([] { return kNow; });
        ok = record.open(path).ok();
        const double filled = milliseconds([&] { return fill(record, size); }, ok);
        std::printf("relevé : %lld réponses, %lld tirages (rempli en %.0f ms)\n", size.answers,
                    size.draws, filled);
    }

    study::StudyRecord record([] { return kNow; });
    ok = record.open(path).ok() && ok;
    // The first opening, its statements not prepared yet: what the player waits for.
    say("ouverture de « Mes progrès » (jusqu'au premier dessin)",
        milliseconds(
            [&] {
                progress::ProgressWindow window(record);
                window.show();
                window.repaint();
                QApplication::processEvents();
                return window.isVisible();
            },
            ok),
        "< 300 ms)");
    study::ProgressFigures figures(record);
    say("  par liste (médiane de 5)",
        median(
            5, [&] { return figures.lists().ok(); }, ok));
    say("  paquet et 30 jours à venir",
        median(
            5, [&] { return figures.deck(30).ok(); }, ok));
    say("  90 derniers jours",
        median(
            5, [&] { return figures.days(90).ok(); }, ok));
    say("  les 50 tirages les plus ratés",
        median(
            5, [&] { return figures.mostMissed(50).ok(); }, ok));
    say("ouverture suivante (médiane de 5)",
        median(
            5,
            [&] {
                progress::ProgressWindow window(record);
                window.show();
                window.repaint();
                QApplication::processEvents();
                return window.isVisible();
            },
            ok),
        "< 300 ms)");
    say("export de l'historique (une fois)",
        milliseconds(
            [&] { return study::AnswerHistory::write(record, home.file("historique.csv")).ok(); },
            ok));
    if (!ok)
        std::printf("ÉCHEC : une opération a échoué\n");
    return ok ? 0 : 1;
}
