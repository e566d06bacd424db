// Every line operation of the workshop on random bytes: NUL, 0x80-0xFF, every mix of CR and
// LF, empty lines, lines without ";" or full of them, and lines of up to a mebibyte, the
// longest that a line reader takes. Each case is read through the line reader, run through
// every operation, written through the line writer and read back; the checks are those that
// hold for any input. The sanitizer build catches what goes wrong in memory.
//
// WORKSHOP_FUZZ_SEED and WORKSHOP_FUZZ_CASES choose the run (defaults: 12 and 200); a long
// run prints its figures at the end.

#include <textfile/LineReader.h>
#include <textfile/LineWriter.h>
#include <textfile/StringByteSink.h>
#include <textfile/StringByteSource.h>
#include <textfile/VectorLineSink.h>
#include <textfile/VectorLineSource.h>
#include <workshop/ops/AnagramRemoval.h>
#include <workshop/ops/Cleaning.h>
#include <workshop/ops/DrawKeys.h>
#include <workshop/ops/Extensions.h>
#include <workshop/ops/LetterValues.h>
#include <workshop/ops/Splitting.h>
#include <workshop/ops/Transfer.h>
#include <workshop/ops/Trimming.h>
#include <workshop/ops/WordForms.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

unsigned long environmentNumber(const char* name, unsigned long otherwise)
{
    const char* text = std::getenv(name);
    return text && *text ? std::strtoul(text, nullptr, 10) : otherwise;
}

// Random file contents, in one of several flavours.
class Bytes {
public:
    explicit Bytes(std::uint64_t seed) : random_(seed) {}

    std::string make(bool huge)
    {
        const int flavour = pick(0, 4);
        const std::size_t size =
            huge ? textfile::longestLine - static_cast<std::size_t>(pick(0, 3000)) : pick(0, 3000);
        std::string bytes;
        bytes.reserve(size);
        while (bytes.size() < size)
            bytes += piece(flavour, huge);
        return bytes;
    }

    std::mt19937_64& random() { return random_; }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    std::string piece(int flavour, bool huge)
    {
        static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ;;;*-  ";
        switch (flavour) {
        case 0:  // any byte at all
            return std::string(1, static_cast<char>(pick(0, 255)));
        case 1:  // NUL and high bytes among letters
            return std::string(1,
                               pick(0, 5) == 0
                                   ? static_cast<char>(pick(0, 1) ? 0 : pick(0x80, 0xFF))
                                   : letters[pick(0, sizeof letters - 2)]);
        case 2: {  // list-like lines, every kind of terminator
            static const char* const ends[] = {"\r\n", "\r", "\n", "\n\r", "\r\r\n", ""};
            std::string line(static_cast<std::size_t>(pick(0, huge ? 4000 : 14)), 'A');
            for (char& c : line)
                c = letters[pick(0, sizeof letters - 2)];
            return line + ends[pick(0, 5)];
        }
        case 3:  // bursts of terminators
            return std::string(1, "\r\n;*"[pick(0, 3)]);
        default:  // one long line of letters (the whole case when it is huge)
            return std::string(1, letters[pick(0, 25)]);
        }
    }

    std::mt19937_64 random_;
};

// The reading rule stated plainly: CR LF, lone CR and lone LF each end a line.
Lines plainLines(const std::string& bytes)
{
    Lines lines;
    std::string line;
    bool open = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            open = false;
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            line += c;
            open = true;
        }
    }
    if (open)
        lines.push_back(line);
    return lines;
}

Lines readLines(const std::string& bytes, std::size_t bufferSize)
{
    textfile::StringByteSource source(bytes);
    textfile::LineReader reader(source, bufferSize);
    Lines lines;
    std::string line;
    while (reader.next(line))
        lines.push_back(line);
    return lines;
}

struct Figures {
    unsigned long cases = 0;
    unsigned long runs = 0;
    unsigned long long bytesIn = 0;
    unsigned long long linesOut = 0;
};

// Collects what an operation writes, checks that every line can be written and read back
// as itself, and counts it.
class Output : public textfile::LineSink {
public:
    explicit Output(Figures& figures) : figures_(figures) {}

    void write(std::string_view line) override
    {
        EXPECT_EQ(line.find_first_of("\r\n"), std::string_view::npos)
            << "a written line holds a terminator";
        lines.emplace_back(line);
        writer_.write(line);
        ++figures_.linesOut;
    }

    void check()
    {
        ASSERT_TRUE(writer_.flush());
        EXPECT_EQ(readLines(bytes_.bytes, 4096), lines);
    }

    Lines lines;

private:
    Figures& figures_;
    textfile::StringByteSink bytes_;
    textfile::LineWriter writer_{bytes_};
};

class Case {
public:
    Case(Lines source, Lines reference, Figures& figures)
        : source_(std::move(source)), reference_(std::move(reference)), figures_(figures)
    {
    }

    template <typename Operation> Lines run(Operation operation)
    {
        textfile::VectorLineSource in(source_);
        Output out(figures_);
        operation(in, out);
        out.check();
        ++figures_.runs;
        return out.lines;
    }

    template <typename Operation> Lines runWithReference(Operation operation)
    {
        return run([&](textfile::LineSource& in, textfile::LineSink& out) {
            operation(in, out, [this]() {
                return std::make_unique<textfile::VectorLineSource>(reference_);
            });
        });
    }

    template <typename Operation>
    std::vector<Lines> runToFiles(Operation operation, std::size_t files)
    {
        textfile::VectorLineSource in(source_);
        std::vector<std::unique_ptr<Output>> outputs;
        std::vector<textfile::LineSink*> sinks;
        for (std::size_t i = 0; i < files; ++i) {
            outputs.push_back(std::make_unique<Output>(figures_));
            sinks.push_back(outputs.back().get());
        }
        operation(in, sinks);
        std::vector<Lines> all;
        for (auto& output : outputs) {
            output->check();
            all.push_back(output->lines);
        }
        ++figures_.runs;
        return all;
    }

    const Lines& source() const { return source_; }

private:
    Lines source_;
    Lines reference_;
    Figures& figures_;
};

void checkEveryOperation(Case& lines)
{
    const Lines& source = lines.source();

    Lines marked;
    for (const std::string& line : source)
        if (!line.empty() && line.back() == '*')
            marked.push_back(line.substr(0, line.size() - 1));
    EXPECT_EQ(lines.run(workshop::transferMarked), marked);

    int removed = 0;
    const Lines kept = lines.run([&](textfile::LineSource& in, textfile::LineSink& out) {
        removed = workshop::removeRepeatedLines(in, out);
    });
    EXPECT_EQ(kept.size() + static_cast<std::size_t>(removed), source.size());
    for (std::size_t i = 1; i < kept.size(); ++i)
        EXPECT_NE(kept[i], kept[i - 1]);

    for (std::size_t parts = 2; parts <= 5; ++parts) {
        const auto files = lines.runToFiles(
            [](textfile::LineSource& in, const std::vector<textfile::LineSink*>& out) {
                EXPECT_TRUE(workshop::splitLines(in, out).ok());
            },
            parts);
        for (std::size_t i = 0; i < source.size(); ++i)
            ASSERT_EQ(files[i % parts][i / parts], source[i]);
    }

    std::size_t sorted = 0;
    const auto sortedBy = [](auto sort) {
        return [sort](textfile::LineSource& in, const std::vector<textfile::LineSink*>& out) {
            EXPECT_TRUE(sort(in, out).ok());
        };
    };
    const auto byValue =
        lines.runToFiles(sortedBy(workshop::sortByValue), workshop::valueSuffixes().size());
    for (std::size_t file = 0; file < byValue.size(); ++file) {
        sorted += byValue[file].size();
        for (const std::string& line : byValue[file])
            EXPECT_EQ(std::min(workshop::lineValue(line), 7), static_cast<int>(file));
    }
    EXPECT_EQ(sorted, source.size());
    std::size_t expensive = 0;
    for (const Lines& file : lines.runToFiles(sortedBy(workshop::sortExpensiveByValue),
                                              workshop::expensiveValueSuffixes().size()))
        expensive += file.size();
    EXPECT_LE(expensive, source.size());

    EXPECT_EQ(lines.run(workshop::addDraws).size(), source.size());
    EXPECT_LE(lines.run(workshop::removeDraws).size(), source.size());
    EXPECT_LE(lines.run(workshop::removeSameSolutions).size(), source.size());
    lines.run(workshop::shortenVerbs);
    lines.run(workshop::swapAllColumns);
    lines.run(workshop::backExtensions);
    lines.run(workshop::frontExtensions);
    lines.run(workshop::assembleExtensions);
    lines.run(workshop::trimLines);
    EXPECT_LE(lines.runWithReference(workshop::removeAnagrams).size(), source.size());
    EXPECT_LE(lines.runWithReference(workshop::removePlurals).size(), source.size());
    lines.runWithReference(workshop::swapListedHalves);
}

TEST(LineOperationsFuzz, EveryOperationHoldsOnRandomBytes)
{
    const unsigned long seed = environmentNumber("WORKSHOP_FUZZ_SEED", 12);
    const unsigned long count = environmentNumber("WORKSHOP_FUZZ_CASES", 200);
    Bytes bytes(seed);
    Figures figures;
    const auto start = std::chrono::steady_clock::now();
    for (unsigned long i = 0; i < count; ++i) {
        // One case in fifty holds a line of nearly a mebibyte, and the first of them comes early.
        const bool huge = i % 50 == 3;
        const std::string input = bytes.make(huge);
        const std::size_t bufferSize =
            std::uniform_int_distribution<std::size_t>(1, 70000)(bytes.random());
        const Lines source = readLines(input, bufferSize);
        ASSERT_EQ(source, plainLines(input)) << "seed " << seed << ", case " << i;
        Lines reference = readLines(bytes.make(false), 512);
        if (reference.size() > 40)
            reference.resize(40);  // operations re-read it for every source line
        Case lines(source, reference, figures);
        checkEveryOperation(lines);
        if (::testing::Test::HasFailure()) {
            ADD_FAILURE() << "seed " << seed << ", case " << i;
            return;
        }
        ++figures.cases;
        figures.bytesIn += input.size();
    }
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("seed %lu: %lu cases, %lu operation runs, %llu bytes read, %llu lines written, "
                "%.1f s\n",
                seed, figures.cases, figures.runs, figures.bytesIn, figures.linesOut, seconds);
    EXPECT_EQ(figures.cases, count);
}

}  // namespace
