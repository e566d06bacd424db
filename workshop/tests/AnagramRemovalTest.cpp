#include <workshop/ops/AnagramRemoval.h>
#include <workshop/ops/LineParts.h>
#include <workshop/tests/ListRun.h>

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <stdexcept>

namespace {

using listrun::Lines;

// Hands out a reference list and counts how often it was opened.
struct CountingOpener {
    Lines reference;
    int opened = 0;

    workshop::ReferenceOpener opener()
    {
        return [this]() -> std::unique_ptr<textfile::LineSource> {
            ++opened;
            return std::make_unique<textfile::VectorLineSource>(reference);
        };
    }
};

Lines removeAnagrams(const Lines& source, const Lines& reference)
{
    CountingOpener counting{reference};
    return listrun::run(
        [&counting](auto& in, auto& out) { workshop::removeAnagrams(in, out, counting.opener()); },
        source);
}

// The operation as first written: the whole reference read again for every source line.
Lines literalRemoveAnagrams(const Lines& source, const Lines& reference)
{
    Lines written;
    for (const std::string& line : source) {
        const double keyLength = (static_cast<double>(line.size()) - 2.0) / 2.0;
        const long c = workshop::nearestWhole(keyLength);
        const std::string_view r = workshop::rightPart(line, c);
        bool matched = false;
        for (const std::string& m : reference) {
            if ((static_cast<double>(m.size()) - 1.0) / 2.0 != keyLength)
                continue;
            if (workshop::leftPart(m, c) == r || workshop::rightPart(m, c) == r)
                matched = true;
        }
        if (!matched)
            written.push_back(line);
    }
    return written;
}

struct KeyCase {
    std::size_t length;  // of the source line
    std::size_t key;     // c, the characters compared
};

class AnagramKeyLength : public ::testing::TestWithParam<KeyCase> {};

TEST_P(AnagramKeyLength, ComparesTheLastCCharactersWithLinesOneShorter)
{
    const std::size_t n = GetParam().length;
    const std::size_t c = GetParam().key;
    const std::string line = std::string("ABCDEFGHIJKLMNOPQ").substr(0, n);
    const std::string tail = line.substr(n - c);
    const std::string filler(n - 1 - c, '-');

    EXPECT_EQ(removeAnagrams({line}, {tail + filler}), Lines{}) << "first characters";
    EXPECT_EQ(removeAnagrams({line}, {filler + tail}), Lines{}) << "last characters";
    // Keys of c + 1 or c - 1 characters would match these lines; c characters do not.
    const std::string longer = line.substr(n - c - 1);
    EXPECT_EQ(removeAnagrams({line}, {longer + filler.substr(1)}), Lines{line}) << "c + 1";
    EXPECT_EQ(
        removeAnagrams({line}, {tail.substr(1) + "+" + filler, filler + "+" + tail.substr(1)}),
        Lines{line})
        << "c - 1";
    EXPECT_EQ(removeAnagrams({line}, {tail + filler + "-"}), Lines{line}) << "same length";
    EXPECT_EQ(removeAnagrams({line}, {tail + filler.substr(1)}), Lines{line}) << "two shorter";
}

INSTANTIATE_TEST_SUITE_P(Lengths, AnagramKeyLength,
                         ::testing::Values(KeyCase{9, 4}, KeyCase{10, 4}, KeyCase{11, 4},
                                           KeyCase{12, 5}, KeyCase{13, 6}));

TEST(AnagramRemoval, DropsLinesWhoseWordIsADrawOrWordOfTheReference)
{
    const Lines reference = {"AEIRST;ARETES", "BEERZ;ZEBRE"};
    EXPECT_EQ(
        removeAnagrams({"AEEIRST;ARETES", "AEEIRST;AEIRST", "AEEIRST;TERSES", "EEIRSTZ;ZEBRE"},
                       reference),
        (Lines{"AEEIRST;TERSES", "EEIRSTZ;ZEBRE"}));
}

TEST(AnagramRemoval, WritesAnEmptySourceLine)
{
    EXPECT_EQ(removeAnagrams({"", "AB"}, {"", "A"}), (Lines{""}));
}

TEST(AnagramRemoval, OpensTheReferenceOnceAtTheFirstLineAndNeverForAnEmptySource)
{
    CountingOpener counting{{"X"}};
    textfile::VectorLineSource none({});
    textfile::VectorLineSink sink;
    workshop::removeAnagrams(none, sink, counting.opener());
    EXPECT_EQ(counting.opened, 0);

    textfile::VectorLineSource three({"AB", "CD", "EFG"});
    workshop::removeAnagrams(three, sink, counting.opener());
    EXPECT_EQ(counting.opened, 1);
}

TEST(AnagramRemoval, PassesOnAReferenceThatCannotBeOpened)
{
    textfile::VectorLineSource source({"ABC"});
    textfile::VectorLineSink sink;
    const workshop::ReferenceOpener failing = listrun::failingReference();
    EXPECT_THROW(workshop::removeAnagrams(source, sink, failing), std::runtime_error);
    EXPECT_TRUE(sink.lines.empty());
}

TEST(AnagramRemovalOracle, WritesWhatTheLiteralAlgorithmWritesOnRandomLists)
{
    std::mt19937 random(5);
    for (int round = 0; round < 300; ++round) {
        const Lines source = listrun::randomLines(random, 40, "AB;", 0, 9);
        const Lines reference =
            listrun::randomLines(random, static_cast<std::size_t>(1 + round % 30), "AB;", 0, 8);
        ASSERT_EQ(removeAnagrams(source, reference), literalRemoveAnagrams(source, reference))
            << "round " << round;
    }
}

}  // namespace
