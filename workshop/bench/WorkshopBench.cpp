// Times the workshop operations on large generated lists, through the same files and frame
// as the window, against a plain line-by-line copy of the same input (the floor).
#include <textfile/LineWriter.h>
#include <words/DrawKey.h>
#include <workshop/ops/AnagramRemoval.h>
#include <workshop/ops/Cleaning.h>
#include <workshop/ops/DrawKeys.h>
#include <workshop/ops/Extensions.h>
#include <workshop/ops/LetterValues.h>
#include <workshop/ops/Splitting.h>
#include <workshop/ops/Transfer.h>
#include <workshop/ops/Trimming.h>
#include <workshop/ops/WordForms.h>
#include <workshop/window/OperationFrame.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

using workshop::OperationFrame;

namespace {

constexpr int kStreamLines = 1000000;
constexpr int kAnagramLines = 100000;

// The files a run reads and writes.
struct Paths {
    QString source;
    QString destination;
    QString reference;
};

using Work = std::function<void(OperationFrame&, const Paths&)>;

// One timed operation: its name, the input it reads and what it does.
struct Run {
    const char* name;
    QString input;  // file name in the bench folder
    Work work;
};

std::string randomWord(std::mt19937& random, int shortest, int longest)
{
    std::uniform_int_distribution<int> length(shortest, longest);
    std::uniform_int_distribution<int> letter('A', 'Z');
    std::string word(static_cast<std::size_t>(length(random)), ' ');
    for (char& c : word)
        c = static_cast<char>(letter(random));
    return word;
}

// Writes `count` lines made by `line` to a file in the bench folder.
void generate(const QString& path, int count, const std::function<std::string(int)>& line)
{
    textfile::LineWriter writer(path.toStdString());
    for (int i = 0; i < count; ++i)
        writer.write(line(i));
    if (!writer.close())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

double once(const Paths& paths, const Work& work)
{
    const auto start = std::chrono::steady_clock::now();
    const auto outcome = OperationFrame::run([&](OperationFrame& frame) {
        work(frame, paths);
        return QString();
    });
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (!outcome.ok)
        std::fprintf(stderr, "failed: %s\n", qPrintable(outcome.message));
    return elapsed.count();
}

// The best of five rounds of the operation and of the copy of its input, taken in turns so
// that both see the same load of the machine.
std::pair<double, double> timeAgainstCopy(const Paths& paths, const Work& work, const Work& copy)
{
    double best = 1e9;
    double bestCopy = 1e9;
    for (int round = 0; round < 5; ++round) {
        bestCopy = std::min(bestCopy, once(paths, copy));
        best = std::min(best, once(paths, work));
    }
    return {best, bestCopy};
}

void copyLines(OperationFrame& frame, const Paths& paths)
{
    auto& source = frame.source(paths.source);
    auto& destination = frame.output(paths.destination);
    std::string line;
    while (source.next(line))
        destination.write(line);
}

// An operation from the source to the destination.
Work streaming(void (*operation)(textfile::LineSource&, textfile::LineSink&))
{
    return [operation](OperationFrame& f, const Paths& p) {
        auto& in = f.source(p.source);
        operation(in, f.output(p.destination));
    };
}

// The streaming operations, each on 1 000 000 lines. Add a row to time another one.
std::vector<Run> streamingRuns()
{
    return {
        {"Transferer *", "words.txt",
         [](OperationFrame& f, const Paths& p) {
             auto& in = f.source(p.source);
             workshop::transferMarked(in, f.output(p.destination));
         }},
        {"Ajouter Tirages", "words.txt",
         [](OperationFrame& f, const Paths& p) {
             auto& in = f.source(p.source);
             workshop::addDraws(in, f.output(p.destination));
         }},
        {"Supprimer Tirages", "list.txt",
         [](OperationFrame& f, const Paths& p) {
             auto& in = f.source(p.source);
             workshop::removeDraws(in, f.output(p.destination));
         }},
        {"supprime doublons", "list.txt",
         [](OperationFrame& f, const Paths& p) {
             auto& in = f.source(p.source);
             workshop::removeRepeatedLines(in, f.output(p.destination));
         }},
        {"idem tirages diff", "list.txt",
         [](OperationFrame& f, const Paths& p) {
             auto& in = f.source(p.source);
             workshop::removeSameSolutions(in, f.output(p.destination));
         }},
        {"Diviser en 2", "list.txt",
         [](OperationFrame& f, const Paths& p) {
             auto& in = f.source(p.source);
             f.require(workshop::splitLines(
                 in, f.derivedOutputs(p.source, f.require(workshop::splitSuffixes(2)))));
         }},
        {"Diviser en 5", "list.txt",
         [](OperationFrame& f, const Paths& p) {
             auto& in = f.source(p.source);
             f.require(workshop::splitLines(
                 in, f.derivedOutputs(p.source, f.require(workshop::splitSuffixes(5)))));
         }},
        {"Trier par valeurs", "list.txt",
         [](OperationFrame& f, const Paths& p) {
             auto& in = f.source(p.source);
             f.require(
                 workshop::sortByValue(in, f.derivedOutputs(p.source, workshop::valueSuffixes())));
         }},
        {"tri val LC", "list.txt",
         [](OperationFrame& f, const Paths& p) {
             auto& in = f.source(p.source);
             f.require(workshop::sortExpensiveByValue(
                 in, f.derivedOutputs(p.source, workshop::expensiveValueSuffixes())));
         }},
        {"verbes ER->E", "verbs.txt", streaming(workshop::shortenVerbs)},
        {"inv col gauche/droite", "list.txt", streaming(workshop::swapAllColumns)},
        {"rall arr", "pairs.txt", streaming(workshop::backExtensions)},
        {"rall av", "pairs.txt", streaming(workshop::frontExtensions)},
        {"rall assemblage", "pairs.txt", streaming(workshop::assembleExtensions)},
        {"pelrin", "list.txt", streaming(workshop::trimLines)},
    };
}

// Four-field lines around words that end in S half of the time, against two-field lines
// whose words are some of those singulars; draw;word lines against a list of some draws.
void generateReferenceInputs(const QTemporaryDir& folder, std::mt19937& random)
{
    std::vector<std::string> singulars;
    std::vector<std::string> draws;
    generate(folder.filePath("plur.txt"), kAnagramLines, [&](int i) {
        singulars.push_back(randomWord(random, 2, 9));
        const std::string word = singulars.back() + (i % 2 ? "S" : "E");
        const std::string draw = words::drawKey(word);
        return draw + ";" + word + ";" + draw + ";" + word;
    });
    generate(folder.filePath("plurref.txt"), kAnagramLines, [&](int i) {
        const std::string word =
            i % 3 ? randomWord(random, 2, 9) : singulars[random() % singulars.size()];
        return words::drawKey(word) + ";" + word;
    });
    generate(folder.filePath("halves.txt"), kAnagramLines, [&](int) {
        const std::string word = randomWord(random, 6, 9);
        draws.push_back(words::drawKey(word));
        return draws.back() + ";" + word;
    });
    generate(folder.filePath("halvesref.txt"), kAnagramLines, [&](int i) {
        return i % 3 ? words::drawKey(randomWord(random, 6, 9)) : draws[random() % draws.size()];
    });
}

// The best of three runs of an operation that reads a reference list.
double withReference(const QTemporaryDir& folder, const char* source, const char* reference,
                     void (*operation)(textfile::LineSource&, textfile::LineSink&,
                                       const workshop::ReferenceOpener&))
{
    const Paths paths{folder.filePath(source), folder.filePath("out.txt"),
                      folder.filePath(reference)};
    const Work work = [operation](OperationFrame& f, const Paths& p) {
        auto& in = f.source(p.source);
        operation(in, f.output(p.destination), f.reference(p.reference));
    };
    double best = 1e9;
    for (int round = 0; round < 3; ++round)
        best = std::min(best, once(paths, work));
    return best;
}

void generateInputs(const QTemporaryDir& folder)
{
    std::mt19937 random(1);
    std::string previous;
    generate(folder.filePath("words.txt"), kStreamLines,
             [&](int i) { return randomWord(random, 2, 15) + (i % 2 ? "*" : ""); });
    // Draw;word lines, with a run of repeats now and then.
    generate(folder.filePath("list.txt"), kStreamLines, [&](int i) {
        if (i % 10 != 0)
            previous = randomWord(random, 2, 15);
        return words::drawKey(previous) + ";" + previous;
    });
    const char* const endings[] = {"ER", "IR", "", "E"};
    generate(folder.filePath("verbs.txt"), kStreamLines,
             [&](int i) { return randomWord(random, 2, 13) + endings[i % 4]; });
    // Front and back extension pairs, in runs of one to four lines on the same base word.
    generate(folder.filePath("pairs.txt"), kStreamLines, [&](int i) {
        if (i % 4 == 0 || random() % 3 == 0)
            previous = randomWord(random, 2, 9);
        const std::string letter = randomWord(random, 1, 1);
        return previous + ";" + (i % 2 ? letter + previous : previous + letter);
    });
    generate(folder.filePath("anag.txt"), kAnagramLines, [&](int) {
        const std::string word = randomWord(random, 7, 8);
        return words::drawKey(word) + ";" + word;
    });
    generate(folder.filePath("anagref.txt"), kAnagramLines, [&](int) {
        const std::string word = randomWord(random, 6, 7);
        return words::drawKey(word) + ";" + word;
    });
    generateReferenceInputs(folder, random);
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    std::printf("Generating the inputs in %s...\n", qPrintable(folder.path()));
    generateInputs(folder);

    const QString destination = folder.filePath("out.txt");
    std::printf("%-22s %-10s %9s %9s %8s\n", "operation", "input", "seconds", "copy", "ratio");
    for (const Run& run : streamingRuns()) {
        const Paths paths{folder.filePath(run.input), destination, QString()};
        const auto [time, floor] = timeAgainstCopy(paths, run.work, copyLines);
        std::printf("%-22s %-10s %9.3f %9.3f %8.2f\n", run.name, qPrintable(run.input), time, floor,
                    time / floor);
    }

    const Paths anagrams{folder.filePath("anag.txt"), destination, folder.filePath("anagref.txt")};
    double time = 1e9;
    for (int round = 0; round < 3; ++round) {
        time = std::min(time, once(anagrams, [](OperationFrame& f, const Paths& p) {
                            auto& in = f.source(p.source);
                            workshop::removeAnagrams(in, f.output(p.destination),
                                                     f.reference(p.reference));
                        }));
    }
    std::printf("%-22s %d x %d lines: %.3f s\n", "supp anag", kAnagramLines, kAnagramLines, time);
    std::printf("%-22s %d x %d lines: %.3f s\n", "supp pluriels", kAnagramLines, kAnagramLines,
                withReference(folder, "plur.txt", "plurref.txt", workshop::removePlurals));
    std::printf("%-22s %d x %d lines: %.3f s\n", "pel inv", kAnagramLines, kAnagramLines,
                withReference(folder, "halves.txt", "halvesref.txt", workshop::swapListedHalves));
    return 0;
}
