#include <files/HandleCalls.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// What the system answers to one call: an error, or how many bytes it took.
struct Answer {
    int error;
    std::size_t count;
};

// A system that answers from its script, then fails with EIO: a loop that calls it again and
// again ends there instead of running forever.
class ScriptedSystem {
public:
    explicit ScriptedSystem(std::vector<Answer> script) : script_(std::move(script)) {}

    int write(const char* data, std::size_t size, std::uint64_t offset, std::size_t& put)
    {
        offsets.push_back(offset);
        const Answer answer = next();
        put = answer.error == 0 ? std::min(answer.count, size) : 0;
        stored.append(data, put);
        return answer.error;
    }

    int read(char* buffer, std::size_t size, std::uint64_t, std::size_t& got)
    {
        const Answer answer = next();
        got = answer.error == 0 ? std::min(answer.count, size) : 0;
        std::fill(buffer, buffer + got, 'x');
        return answer.error;
    }

    std::string stored;
    std::vector<std::uint64_t> offsets;
    std::size_t calls = 0;

private:
    Answer next() { return calls < script_.size() ? script_[calls++] : (++calls, Answer{EIO, 0}); }

    std::vector<Answer> script_;
};

struct Writing {
    const char* name;
    std::vector<Answer> script;
    std::uint64_t offset;
    int error;
    std::size_t calls;
    std::vector<std::uint64_t> offsets;  // where each call wrote
};

class WriteEvery : public ::testing::TestWithParam<Writing> {};

// Every byte, in order, whatever the pieces the system takes; a write that stores nothing
// without a reason is a full disk, said at once.
TEST_P(WriteEvery, WritesEveryByteOrSaysWhyNot)
{
    const std::string bytes = "ABC;CAB\r\n";
    ScriptedSystem system(GetParam().script);
    const int error = files::writeEvery(
        [&system](const char* data, std::size_t size, std::uint64_t offset, std::size_t& put) {
            return system.write(data, size, offset, put);
        },
        bytes.data(), bytes.size(), GetParam().offset);
    EXPECT_EQ(error, GetParam().error);
    EXPECT_EQ(system.calls, GetParam().calls);
    EXPECT_EQ(system.offsets, GetParam().offsets);
    if (error == 0) {
        EXPECT_EQ(system.stored, bytes);
    }
}

constexpr std::uint64_t here = files::system::whereItStands;

INSTANTIATE_TEST_SUITE_P(
    Answers, WriteEvery,
    ::testing::Values(Writing{"atOnce", {{0, 9}}, here, 0, 1, {here}},
                      Writing{"inPieces", {{0, 2}, {0, 3}, {0, 4}}, here, 0, 3, {here, here, here}},
                      Writing{"atAnOffset", {{0, 2}, {0, 7}}, 100, 0, 2, {100, 102}},
                      Writing{"interrupted", {{EINTR, 0}, {0, 9}}, here, 0, 2, {here, here}},
                      Writing{"noProgress", {{0, 0}, {0, 9}}, here, ENOSPC, 1, {here}},
                      Writing{
                          "noProgressAfterSome", {{0, 4}, {0, 0}, {0, 5}}, 7, ENOSPC, 2, {7, 11}},
                      Writing{"refused", {{0, 4}, {EACCES, 0}}, here, EACCES, 2, {here, here}}),
    [](const ::testing::TestParamInfo<Writing>& info) { return std::string(info.param.name); });

TEST(WriteEvery, NothingToWriteCallsNothing)
{
    ScriptedSystem system({});
    EXPECT_EQ(files::writeEvery(
                  [&system](const char* data, std::size_t size, std::uint64_t offset,
                            std::size_t& put) { return system.write(data, size, offset, put); },
                  "", 0),
              0);
    EXPECT_EQ(system.calls, 0u);
}

struct Reading {
    const char* name;
    std::vector<Answer> script;
    std::size_t got;
    int error;
};

class ReadOnce : public ::testing::TestWithParam<Reading> {};

// One read, again after an interruption; the end is 0 without an error.
TEST_P(ReadOnce, ReadsOnceOrSaysWhyNot)
{
    ScriptedSystem system(GetParam().script);
    char buffer[16];
    int error = 0;
    EXPECT_EQ(files::readOnce(
                  [&system](char* into, std::size_t size, std::uint64_t offset, std::size_t& got) {
                      return system.read(into, size, offset, got);
                  },
                  buffer, sizeof buffer, 0, error),
              GetParam().got);
    EXPECT_EQ(error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(Answers, ReadOnce,
                         ::testing::Values(Reading{"some", {{0, 5}}, 5, 0},
                                           Reading{"theEnd", {{0, 0}}, 0, 0},
                                           Reading{"interrupted", {{EINTR, 0}, {0, 5}}, 5, 0},
                                           Reading{"failed", {{EIO, 0}}, 0, EIO}),
                         [](const ::testing::TestParamInfo<Reading>& info) {
                             return std::string(info.param.name);
                         });

// No call of the system is asked for more than Windows' 32-bit counts take.
TEST(ChunkOf, NeverMoreThanOneGibibyte)
{
    const std::pair<std::size_t, std::size_t> cases[] = {
        {0, 0},
        {1, 1},
        {files::maxChunk - 1, files::maxChunk - 1},
        {files::maxChunk, files::maxChunk},
        {files::maxChunk + 1, files::maxChunk},
        {SIZE_MAX, files::maxChunk},
    };
    EXPECT_EQ(files::maxChunk, std::size_t{1} << 30);
    for (const auto& [size, chunk] : cases)
        EXPECT_EQ(files::chunkOf(size), chunk) << size;
}

}  // namespace
