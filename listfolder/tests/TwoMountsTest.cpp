// A work folder that reaches the lists folder's file system through another mount (a bind
// mount): one device, yet no rename between the two.
#include <listfolder/StagedFiles.h>

#include <testsupport/BindMount.h>
#include <testsupport/FolderSnapshot.h>
#include <testsupport/TempFolder.h>

#include <files/Utf8Path.h>

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

TEST(TwoMounts, TheFilesWaitBesideTheListsAndAreSwitchedIn)
{
    testsupport::TempFolder place;
    const std::string data = place.file("disque/data");
    place.write("disque/data/ods6new_5L.txt", {"OLD;OLD"});
    fs::create_directories(files::fromUtf8(place.file("disque/travail")));
    testsupport::BindMount again(files::fromUtf8(place.file("disque")),
                                 files::fromUtf8(place.file("autre")));
    if (!again.ready())
        GTEST_SKIP() << again.why();
    // the work folder of the same disk, seen through the second mount
    listfolder::StagedFiles staged(data, place.file("autre/travail"));
    const auto opened = staged.open();
    ASSERT_TRUE(opened) << opened.why();
    EXPECT_EQ(staged.folder(), place.file("disque/.data.listgen-attente"));
    ASSERT_TRUE(staged.write("ods6new_5L.txt", {"NEW;NEW"}));
    ASSERT_TRUE(staged.write("ods6new_6L.txt", {"NEW6;NEW6"}));
    const auto committed = staged.commit();
    ASSERT_TRUE(committed) << committed.why();
    EXPECT_EQ(testsupport::FolderSnapshot::of(data),
              (std::map<std::string, std::string>{{"ods6new_5L.txt", "NEW;NEW\r\n"},
                                                  {"ods6new_6L.txt", "NEW6;NEW6\r\n"}}));
    EXPECT_TRUE(fs::is_empty(files::fromUtf8(place.file("autre/travail"))));
}

}  // namespace
