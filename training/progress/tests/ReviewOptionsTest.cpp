#include <training/progress/DrillOptions.h>
#include <training/progress/ReviewOptions.h>

#include <testsupport/TempFolder.h>

#include <QSettings>

#include <gtest/gtest.h>

#include <optional>

using training::ReviewOptions;

namespace {

QString qpath(const std::string& path)
{
    return QString::fromStdString(path);
}

}  // namespace

struct RetentionRow {
    const char* name;
    const char* typed;
    std::optional<double> retention;
};

class RetentionTyped : public testing::TestWithParam<RetentionRow> {};

TEST_P(RetentionTyped, TakenInPercentWithin70And99)
{
    const RetentionRow row = GetParam();
    const std::optional<double> read = ReviewOptions::parseRetention(QString::fromUtf8(row.typed));
    ASSERT_EQ(read.has_value(), row.retention.has_value());
    if (read) {
        EXPECT_DOUBLE_EQ(*read, *row.retention);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RetentionTyped,
    testing::Values(RetentionRow{"default", "90", 0.90}, RetentionRow{"lowest", "70", 0.70},
                    RetentionRow{"highest", "99", 0.99}, RetentionRow{"comma", "92,5", 0.925},
                    RetentionRow{"dot", "92.5", 0.925}, RetentionRow{"percentSign", " 85 % ", 0.85},
                    RetentionRow{"justBelow", "69,9", std::nullopt},
                    RetentionRow{"justAbove", "99,1", std::nullopt},
                    RetentionRow{"asFraction", "0,9", std::nullopt},
                    RetentionRow{"hundred", "100", std::nullopt},
                    RetentionRow{"exponent", "9e1", std::nullopt},
                    RetentionRow{"words", "quatre-vingt-dix", std::nullopt},
                    RetentionRow{"empty", "", std::nullopt}),
    [](const testing::TestParamInfo<RetentionRow>& info) { return std::string(info.param.name); });

struct NewPerDayRow {
    const char* name;
    const char* typed;
    std::optional<int> count;
};

class NewPerDayTyped : public testing::TestWithParam<NewPerDayRow> {};

TEST_P(NewPerDayTyped, WholeNumberFrom0To9999)
{
    const NewPerDayRow row = GetParam();
    EXPECT_EQ(ReviewOptions::parseNewPerDay(QString::fromUtf8(row.typed)), row.count);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NewPerDayTyped,
    testing::Values(NewPerDayRow{"none", "0", 0}, NewPerDayRow{"default", "50", 50},
                    NewPerDayRow{"most", "9999", 9999}, NewPerDayRow{"blanks", " 12 ", 12},
                    NewPerDayRow{"tooMany", "10000", std::nullopt},
                    NewPerDayRow{"negative", "-1", std::nullopt},
                    NewPerDayRow{"decimal", "2,5", std::nullopt},
                    NewPerDayRow{"plusSign", "+5", std::nullopt},
                    NewPerDayRow{"empty", "", std::nullopt}),
    [](const testing::TestParamInfo<NewPerDayRow>& info) { return std::string(info.param.name); });

// Kept beside the training window's options, in the same file, without touching them; values
// out of range in the file (written by hand) give the defaults.
TEST(ReviewOptionsTest, KeptBesideTheDrillOptionsAndOutOfRangeGivesDefaults)
{
    testsupport::TempFolder home;
    const QString file = qpath(home.file("config/vorlane.conf"));
    EXPECT_DOUBLE_EQ(ReviewOptions::read(file).policy.desiredRetention, 0.90);
    EXPECT_EQ(ReviewOptions::read(file).policy.newPerDay, 50);

    const training::DrillOptions drill{drill::Criterion::BySpeed, QStringLiteral("12"), 3, false};
    drill.write(file);
    ReviewOptions kept;
    kept.policy = {0.85, 7};
    kept.write(file);
    EXPECT_DOUBLE_EQ(ReviewOptions::read(file).policy.desiredRetention, 0.85);
    EXPECT_EQ(ReviewOptions::read(file).policy.newPerDay, 7);
    EXPECT_EQ(training::DrillOptions::read(file).threshold, QStringLiteral("12"));

    {
        QSettings edited(file, QSettings::IniFormat);
        edited.setValue(QStringLiteral("revision/retention"), 1.5);
        edited.setValue(QStringLiteral("revision/nouveaux_par_jour"), -3);
    }
    EXPECT_DOUBLE_EQ(ReviewOptions::read(file).policy.desiredRetention, 0.90);
    EXPECT_EQ(ReviewOptions::read(file).policy.newPerDay, 50);
}

TEST(ReviewOptionsTest, PercentAsThePlayerReadsIt)
{
    EXPECT_EQ(ReviewOptions::percentText(0.90), QStringLiteral("90"));
    EXPECT_EQ(ReviewOptions::percentText(0.925), QStringLiteral("92,5"));
    EXPECT_EQ(ReviewOptions::parseRetention(ReviewOptions::percentText(0.925)), 0.925);
}
