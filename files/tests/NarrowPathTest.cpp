#include <files/NarrowPath.h>

#include <testsupport/TempFolder.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <string>

namespace {

std::string readByCLibrary(const std::string& narrow)
{
    std::FILE* file = std::fopen(narrow.c_str(), "rb");
    if (!file)
        return {};
    char text[64] = {};
    const std::size_t got = std::fread(text, 1, sizeof text, file);
    std::fclose(file);
    return std::string(text, got);
}

// Whatever the name, the path given opens that very file through the C library, or none is
// given (EILSEQ): never another file.
TEST(NarrowPath, OpensTheSameFileOrNone)
{
    testsupport::TempFolder folder;
    ASSERT_TRUE(folder.ok());
    const char* names[] = {"liste.txt", "Hélène/été.txt", "漢字/ŒUVRE.txt"};
    std::size_t given = 0;
    for (const char* name : names) {
        const std::string path = folder.write(name, {name});
        std::string narrow;
        const int error = files::narrowPath(path, narrow);
        if (error != 0) {
            EXPECT_EQ(error, EILSEQ) << name;
            continue;
        }
        ++given;
        EXPECT_EQ(readByCLibrary(narrow), std::string(name) + "\r\n") << name << " as " << narrow;
    }
    EXPECT_GE(given, 1u);  // a plain ASCII name is always given
}

}  // namespace
