// A program killed at any moment of its corrections leaves a record that opens, passes
// SQLite's integrity check, is never taken for damaged, and holds every correction it told.
#include <study/tests/CorrectingChild.h>
#include <study/tests/RecordRows.h>

#include <testsupport/TempFolder.h>

#include <gtest/gtest.h>

#include <random>

namespace {

#ifdef _WIN32
// Each start of a program under wine costs a second or more: every seventh round there.
constexpr std::uint32_t kRounds = 15;
#else
constexpr std::uint32_t kRounds = 100;
#endif

long long runChild(const std::string& path, std::uint32_t seed,
                   const std::function<bool(long long)>& killAfter)
{
#ifdef _WIN32
    return CorrectingChild::run(KILL_CHILD, path, seed, killAfter);
#else
    return CorrectingChild::run(path, seed, killAfter);
#endif
}

}  // namespace

TEST(KilledWhileCorrecting, EveryCorrectionToldIsKeptAndTheRecordIsWhole)
{
    testsupport::TempFolder home;
    const std::string path = home.file("vorlane/etude.sqlite");
    std::mt19937 random(20261209);
    long long told = 0;
    int rounds = 0;
    for (std::uint32_t round = 0; round < kRounds; ++round) {
        // Killed after 1 to 8 corrections, a seeded while into the next one (no sleep).
        const long long after = 1 + static_cast<long long>(random() % 8);
        const unsigned spin = random() % 200000;
        const long long last = runChild(path, round, [&](long long done) {
            if (done < after)
                return false;
            for (volatile unsigned k = 0; k < spin; k = k + 1) {
            }
            return true;
        });
        ASSERT_GE(last, after) << "round " << round << ": the child stopped by itself";
        told += last;
        ++rounds;

        RecordRows rows(path);
        ASSERT_EQ(rows.text("PRAGMA integrity_check"), "ok") << "round " << round;
        const long long kept = rows.number("SELECT count(*) FROM correction");
        // Every correction told; at most one more a round, committed before it could be told.
        ASSERT_GE(kept, told) << "round " << round;
        ASSERT_LE(kept, told + rounds) << "round " << round;
        ASSERT_EQ(rows.number("SELECT count(*) FROM answer"), 30 * kept) << "round " << round;
    }
    study::StudyRecord record;
    ASSERT_TRUE(record.open(path).ok());
    EXPECT_TRUE(record.setAsideAs().empty());
}
