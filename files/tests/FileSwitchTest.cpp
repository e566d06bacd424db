// Files put in the places of others together: a failure at any step leaves every place as it
// was, byte for byte, and nothing beside them.
#include <files/FileSwitch.h>
#include <files/Utf8Path.h>

#include <testsupport/FolderSnapshot.h>
#include <testsupport/TempFolder.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <map>
#include <string>
#include <vector>

namespace {

using Snapshot = std::map<std::string, std::string>;

// n places in a folder with an accent: most hold a file, every third is new, and the sixth of
// each seven is emptied by the switch.
class Places {
public:
    explicit Places(int count)
    {
        for (int i = 0; i < count; ++i) {
            const std::string name = "liste-" + std::to_string(i) + ".txt";
            const bool empties = i % 7 == 5;
            if (i % 3 != 2)
                folder_.write("à Désirée/" + name, {"ANCIEN " + std::to_string(i)});
            std::string from;
            if (!empties)
                from = folder_.write("nouveaux/" + name, {"NOUVEAU " + std::to_string(i)});
            moves.add(from, folder_.file("à Désirée/" + name), "", name);
        }
        before = now();
    }

    Snapshot now() const { return testsupport::FolderSnapshot::of(folder_.file("à Désirée")); }
    // What the place of move `i` holds now ("" when nothing).
    std::string at(std::size_t i) const
    {
        const auto seen = now();
        const auto found = seen.find(moves.moves()[i].label);
        return found == seen.end() ? "" : found->second;
    }

    testsupport::TempFolder folder_;
    files::FileSwitch moves;
    Snapshot before;
};

struct Cut {
    int count;
    int failing;  // the switch that fails, from 1
};

class FailingSwitch : public ::testing::TestWithParam<Cut> {};

// The failing switch is refused as a file held open by another program is on Windows; those
// before it were made, and are undone.
TEST_P(FailingSwitch, PutsBackEveryPlaceAsItWas)
{
    Places places(GetParam().count);
    const std::size_t failing = GetParam().failing - 1;
    const auto& moves = places.moves.moves();
    std::size_t switches = 0;
    bool earlierInPlace = true;
    places.moves.stepError = [&](const std::string& step) {
        if (step.rfind("lien ", 0) == 0 || switches++ < failing)
            return 0;
        if (failing > 0) {  // the one before is in its place indeed
            const auto& previous = moves[failing - 1];
            earlierInPlace = places.at(failing - 1)
                == (previous.from.empty() ? "" : "NOUVEAU " + std::to_string(failing - 1) + "\r\n");
        }
        return EBUSY;
    };
    ASSERT_EQ(places.moves.keepOld(), 0);
    EXPECT_EQ(places.moves.switchIn(), EBUSY);
    EXPECT_EQ(&places.moves.failed(), &moves[failing]);
    EXPECT_TRUE(earlierInPlace);
    EXPECT_EQ(places.moves.putBack(), 0);
    places.moves.removeKept();
    EXPECT_EQ(places.now(), places.before);
}

std::vector<Cut> everyCut()
{
    std::vector<Cut> cuts;
    for (const int count : {3, 26})
        for (int failing = 1; failing <= count; ++failing)
            cuts.push_back({count, failing});
    return cuts;
}

INSTANTIATE_TEST_SUITE_P(Steps, FailingSwitch, ::testing::ValuesIn(everyCut()),
                         [](const ::testing::TestParamInfo<Cut>& info) {
                             return "fail" + std::to_string(info.param.failing) + "of"
                                 + std::to_string(info.param.count);
                         });

Snapshot switched(const Places& places)
{
    Snapshot after;
    for (std::size_t i = 0; i < places.moves.moves().size(); ++i)
        if (!places.moves.moves()[i].from.empty())
            after[places.moves.moves()[i].label] = "NOUVEAU " + std::to_string(i) + "\r\n";
    return after;
}

TEST(FileSwitch, PutsEveryNewFileInPlaceAndLeavesNoSecondName)
{
    Places places(26);
    ASSERT_EQ(places.moves.keepOld(), 0);
    ASSERT_EQ(places.moves.switchIn(), 0);
    places.moves.removeKept();
    EXPECT_EQ(places.now(), switched(places));
}

// A second name that someone else holds is never written through: the keeping stops, and
// what it made goes.
TEST(FileSwitch, AKeptNameTakenStopsBeforeAnyPlaceChanges)
{
    Places places(3);
    places.folder_.write("à Désirée/pris", {"À QUELQU'UN"});
    places.folder_.write("à Désirée/Łukasz.txt", {"ANCIEN"});
    places.moves.add("", places.folder_.file("à Désirée/Łukasz.txt"),
                     places.folder_.file("à Désirée/pris"), "Łukasz.txt");
    places.before = places.now();
    EXPECT_EQ(places.moves.keepOld(), EEXIST);
    EXPECT_EQ(places.moves.failed().label, "Łukasz.txt");
    places.moves.removeKept();
    EXPECT_EQ(places.now(), places.before);
}

// Where the volume has no hard links (FAT, exFAT), a copy keeps each old file when allowed,
// else nothing is switched.
struct NoLinks {
    const char* name;
    bool copies;
};

class VolumeWithoutLinks : public ::testing::TestWithParam<NoLinks> {};

TEST_P(VolumeWithoutLinks, CopiesOrRefuses)
{
    Places places(3);
    places.moves.copyWhereNoLinks = GetParam().copies;
    places.moves.stepError = [](const std::string& step) {
        return step.rfind("lien ", 0) == 0 ? EPERM : step == "remplacement liste-1.txt" ? EBUSY : 0;
    };
    const int kept = places.moves.keepOld();
    if (!GetParam().copies) {
        EXPECT_EQ(kept, EPERM);
        places.moves.removeKept();
        EXPECT_EQ(places.now(), places.before);
        return;
    }
    ASSERT_EQ(kept, 0);
    EXPECT_EQ(places.moves.switchIn(), EBUSY);
    EXPECT_EQ(places.moves.putBack(), 0);
    places.moves.removeKept();
    EXPECT_EQ(places.now(), places.before);
}

INSTANTIATE_TEST_SUITE_P(Kinds, VolumeWithoutLinks,
                         ::testing::Values(NoLinks{"copies", true}, NoLinks{"refuses", false}),
                         [](const ::testing::TestParamInfo<NoLinks>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
