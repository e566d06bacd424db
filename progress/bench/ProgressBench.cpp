// How fast « Mes progrès » opens on a player's years of study: a record of 1 000 000 answers
// over 100 000 draws and 33 000 series of five lists. Prints the milliseconds of each figure
// and of the window's opening, from its making to its first paint. `progress_bench --petit`
// runs the same on a small record (the test that keeps it building and running).
#include <progress/window/ProgressWindow.h>
#include <study/bench/BenchRecord.h>
#include <study/bench/BenchTiming.h>

#include <study/AnswerHistory.h>
#include <study/ProgressFigures.h>
#include <study/StudyRecord.h>
#include <testsupport/TempFolder.h>

#include <QApplication>

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
    const double filled = study::bench::makeRecord(path, kNow, {size.answers, size.draws, 3}, ok);
    std::printf("relevé : %lld réponses, %lld tirages (rempli en %.0f ms)\n", size.answers,
                size.draws, filled);

    study::StudyRecord record([] { return kNow; });
    ok = record.open(path).ok() && ok;
    // From the window's making to its first paint.
    const auto openWindow = [&] {
        progress::ProgressWindow window(record);
        window.show();
        window.repaint();
        QApplication::processEvents();
        return window.isVisible();
    };
    // The first opening, its statements not prepared yet: what the player waits for.
    say("ouverture de « Mes progrès » (jusqu'au premier dessin)", milliseconds(openWindow, ok),
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
    say("ouverture suivante (médiane de 5)", median(5, openWindow, ok), "< 300 ms)");
    say("export de l'historique (une fois)",
        milliseconds(
            [&] { return study::AnswerHistory::write(record, home.file("historique.csv")).ok(); },
            ok));
    if (!ok)
        std::printf("ÉCHEC : une opération a échoué\n");
    return ok ? 0 : 1;
}
