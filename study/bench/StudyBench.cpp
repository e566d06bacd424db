// How fast the study record stays with a player's years of study: a record of 1 000 000
// answers and 100 000 draws in the deck, and the drill under way on a list of 110 000 entries.
// Prints the milliseconds of each operation the program waits on. `study_bench --petit` runs the
// same on a small record (the test that keeps it building and running).
#include <study/ProgressBook.h>
#include <study/StudyRecord.h>
#include <study/bench/BenchRecord.h>
#include <study/bench/BenchTiming.h>

#include <testsupport/TempFolder.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Size {
    long long answers;
    long long deckDraws;
    int listEntries;
};

constexpr std::int64_t kNow = 1'800'000'000;

using study::bench::median;
using study::bench::milliseconds;

std::vector<study::SlotAnswer> series(int round, const Size& size)
{
    std::vector<study::SlotAnswer> answers;
    for (int slot = 0; slot < 30; ++slot) {
        const long long k = (round * 30 + slot) * 104729LL % size.deckDraws;
        char draw[32], solutions[32];
        std::snprintf(draw, sizeof draw, "T%07lld", k);
        std::snprintf(solutions, sizeof solutions, "S%07lld", k);
        answers.push_back({{"ods6new_" + std::to_string(5 + k % 5) + "L.txt", draw, solutions},
                           slot % 4 != 0,
                           7});
    }
    return answers;
}

void say(const char* what, double ms, const char* target)
{
    std::printf("%-58s %9.2f ms%s%s\n", what, ms, *target ? "   (objectif " : "", target);
}

}  // namespace

int main(int argc, char* argv[])
{
    const bool small = argc > 1 && std::strcmp(argv[1], "--petit") == 0;
    const Size size = small ? Size{3000, 300, 1100} : Size{1'000'000, 100'000, 110'000};
    testsupport::TempFolder home;
    const std::string path = home.file("etude.sqlite");
    bool ok = true;
    // every draw in the deck
    const double filled =
        study::bench::makeRecord(path, kNow, {size.answers, size.deckDraws, 1}, ok);
    std::printf("relevé : %lld réponses, %lld tirages dans le paquet (rempli en %.0f ms)\n",
                size.answers, size.deckDraws, filled);

    study::StudyRecord record([] { return kNow; });
    say("ouverture (vérification rapide comprise)",
        milliseconds([&] { return record.open(path).ok(); }, ok), "");
    study::DueCounts counts;
    say("« Révisions du jour » au lancement (dueCounts)",
        milliseconds(
            [&] {
                const auto due = record.dueCounts();
                counts = due.ok() ? *due : counts;
                return due.ok();
            },
            ok),
        "< 50 ms)");
    std::printf("  dus aujourd'hui : %d, demain : %d\n", counts.today, counts.tomorrow);
    say("série de révision suivante (dueDraws(30))",
        median(
            9, [&] { return record.dueDraws(30).ok(); }, ok),
        "< 100 ms)");
    int round = 0;
    say("une correction de 30 réponses (médiane de 21)",
        median(
            21, [&] { return record.recordCorrection(series(round++, size)).ok(); }, ok),
        "< 20 ms)");

    study::ProgressBook progress(record);
    drill::SavedDrill saved;
    for (int k = 0; k < size.listEntries; ++k)
        saved.entries.push_back({"E" + std::to_string(k), "S" + std::to_string(k)});
    saved.successCount.assign(saved.entries.size(), 0);
    std::int64_t generation = 0;
    char whole[96];
    std::snprintf(whole, sizeof whole, "progression d'une liste de %d : première écriture",
                  size.listEntries);
    say(whole,
        milliseconds(
            [&] {
                const auto written =
                    progress.saveWhole("ods6new_9L.txt", "9 lettres", {"/l", 1, "00"}, saved);
                generation = written.ok() ? *written : 0;
                return written.ok();
            },
            ok),
        "une fois par liste)");
    int series = 0;
    say("progression après une série (médiane de 21)",
        median(
            21,
            [&] {
                study::ProgressChange change;
                change.seriesAdded = 1;
                change.errorsAdded = 10;
                change.secondsAdded = 95;
                for (int slot = 0; slot < 30; ++slot) {
                    const int position = (series * 30 + slot) * 7 % size.listEntries;
                    if (slot % 3 == 0)
                        change.eliminated.push_back(position);
                    else
                        change.counted.emplace_back(position, 1);
                }
                ++series;
                const auto applied = progress.saveChange("ods6new_9L.txt", generation, change);
                return applied.ok() && *applied;
            },
            ok),
        "proportionnelle à la série)");
    if (!ok)
        std::printf("ÉCHEC : une opération du relevé a échoué\n");
    return ok ? 0 : 1;
}
