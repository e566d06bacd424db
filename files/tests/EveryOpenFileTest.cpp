#include <files/AsideFile.h>
#include <files/InputFile.h>
#include <files/LockFile.h>
#include <files/NewFile.h>
#include <files/OutputFile.h>
#include <files/Utf8Path.h>
#include <files/WritableFile.h>

#include <testsupport/FolderSnapshot.h>
#include <testsupport/TempFolder.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <type_traits>

// The rules every class of open file of this library keeps alike, on every system.

namespace {

// One open file of some class, seen through what they all have.
struct Opened {
    int error = 0;  // what opening it said
    std::function<bool()> isOpen;
    std::function<int()> close;  // 0 for a close() that says nothing
};

template <class File> Opened opened(const std::shared_ptr<File>& file, int error)
{
    Opened result;
    result.error = error;
    result.isOpen = [file] { return file->isOpen(); };
    if constexpr (std::is_void_v<decltype(file->close())>)
        result.close = [file] {
            file->close();
            return 0;
        };
    else
        result.close = [file] { return file->close(); };
    return result;
}

struct Closing {
    const char* name;
    std::function<Opened(const testsupport::TempFolder&)> open;
};

class SecondClose : public ::testing::TestWithParam<Closing> {};

// A second close() does nothing and says 0: it never closes the file that the system has given
// the same number since, here one opened between the two.
TEST_P(SecondClose, DoesNothingAndSaysNothingWrong)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    folder.write("liste.txt", {"ANCIEN"});
    const Opened file = GetParam().open(folder);
    ASSERT_EQ(file.error, 0);
    ASSERT_TRUE(file.isOpen());
    EXPECT_EQ(file.close(), 0);
    EXPECT_FALSE(file.isOpen());

    files::OutputFile other;
    ASSERT_EQ(other.open(folder.file("autre.txt")), 0);
    EXPECT_EQ(file.close(), 0);
    EXPECT_FALSE(file.isOpen());
    EXPECT_EQ(other.write("ZEN\r\n", 5), 0);
    EXPECT_EQ(other.close(), 0);
    EXPECT_EQ(testsupport::FolderSnapshot::of(files::toUtf8(folder.path()))["autre.txt"],
              "ZEN\r\n");
}

using T = const testsupport::TempFolder&;

INSTANTIATE_TEST_SUITE_P(
    Classes, SecondClose,
    ::testing::Values(Closing{"InputFile",
                              [](T f) {
                                  auto file = std::make_shared<files::InputFile>();
                                  return opened(file, file->open(f.file("liste.txt")));
                              }},
                      Closing{"OutputFile",
                              [](T f) {
                                  auto file = std::make_shared<files::OutputFile>();
                                  return opened(file, file->open(f.file("sortie.txt")));
                              }},
                      Closing{"NewFile",
                              [](T f) {
                                  auto file = std::make_shared<files::NewFile>();
                                  return opened(file, file->create(f.file("nouveau.txt")));
                              }},
                      Closing{"WritableFile",
                              [](T f) {
                                  auto file = std::make_shared<files::WritableFile>();
                                  return opened(file, file->open(f.file("liste.txt")));
                              }},
                      Closing{"LockFileOnAFile",
                              [](T f) {
                                  auto file = std::make_shared<files::LockFile>();
                                  return opened(file, file->openFile(f.file("verrou")));
                              }},
                      Closing{"LockFileOnAFolder",
                              [](T f) {
                                  auto file = std::make_shared<files::LockFile>();
                                  const int error =
                                      file->openFolder(files::toUtf8(f.path()), false);
                                  return opened(file, error == 0 ? file->tryLock() : error);
                              }}),
    [](const ::testing::TestParamInfo<Closing>& info) { return std::string(info.param.name); });

struct EmptyWrite {
    const char* name;
    // writes no byte into "liste.txt" (which holds "ANCIEN\r\n") or a new file beside it
    std::function<int(const testsupport::TempFolder&)> write;
    std::map<std::string, std::string> after;
};

class ZeroBytes : public ::testing::TestWithParam<EmptyWrite> {};

// Zero bytes to write is a success that changes nothing, never a full disk.
TEST_P(ZeroBytes, AreWrittenWithoutAWord)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    folder.write("liste.txt", {"ANCIEN"});
    EXPECT_EQ(GetParam().write(folder), 0);
    EXPECT_EQ(testsupport::FolderSnapshot::of(files::toUtf8(folder.path())), GetParam().after);
}

const std::map<std::string, std::string> unchanged = {{"liste.txt", "ANCIEN\r\n"}};
const std::map<std::string, std::string> withAnEmptyFile = {{"liste.txt", "ANCIEN\r\n"},
                                                            {"vide.txt", ""}};

INSTANTIATE_TEST_SUITE_P(
    Classes, ZeroBytes,
    ::testing::Values(EmptyWrite{"OutputFile",
                                 [](T f) {
                                     files::OutputFile file;
                                     int error = file.open(f.file("vide.txt"));
                                     error = error ? error : file.write("", 0);
                                     return error ? error : file.close();
                                 },
                                 withAnEmptyFile},
                      EmptyWrite{"NewFile",
                                 [](T f) {
                                     files::NewFile file;
                                     int error = file.create(f.file("vide.txt"));
                                     error = error ? error : file.write(nullptr, 0);
                                     return error ? error : file.close();
                                 },
                                 withAnEmptyFile},
                      EmptyWrite{"AsideFile",
                                 [](T f) {
                                     files::AsideFile file;
                                     int error = file.open(f.file("liste.txt"), ".part");
                                     error = error ? error : file.write("", 0);
                                     return error ? error : file.commit();
                                 },
                                 {{"liste.txt", ""}}},
                      EmptyWrite{"WritableFile",
                                 [](T f) {
                                     files::WritableFile file;
                                     const int error = file.open(f.file("liste.txt"));
                                     return error ? error : file.writeAt("", 0, 3);
                                 },
                                 unchanged},
                      EmptyWrite{"OpenFile",
                                 [](T f) {
                                     std::FILE* stream =
                                         std::fopen(f.file("liste.txt").c_str(), "r+b");
                                     if (!stream)
                                         return -1;
                                     const int error = files::writeOpenFile(fileno(stream), "", 0);
                                     std::fclose(stream);
                                     return error;
                                 },
                                 unchanged}),
    [](const ::testing::TestParamInfo<EmptyWrite>& info) { return std::string(info.param.name); });

}  // namespace
