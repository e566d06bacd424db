#include <textfile/FileByteSink.h>
#include <tools/listgen/src/SourceFiles.h>
#include <tools/listgen/src/UnmunchExpander.h>

#include <testsupport/TempFolder.h>

#include <gtest/gtest.h>

#include <set>

using listgen::UnmunchExpander;

namespace {

bool unmunchInstalled()
{
    return listgen::SourceFiles::exists("/usr/bin/unmunch");
}

void writeFile(const std::string& path, const std::string& text)
{
    textfile::FileByteSink sink(path);
    ASSERT_TRUE(sink.write(text.data(), text.size()));
    ASSERT_TRUE(sink.close());
}

TEST(UnmunchExpander, FormOfAnOutputLine)
{
    EXPECT_EQ(UnmunchExpander::formOf("chantons/n'q'l't'|"), "chantons");
    EXPECT_EQ(UnmunchExpander::formOf("Bakersfield po:npr is:epi"), "Bakersfield");
    EXPECT_EQ(UnmunchExpander::formOf("chanter"), "chanter");
    EXPECT_EQ(UnmunchExpander::formOf("chats\r"), "chats");
    EXPECT_EQ(UnmunchExpander::formOf(""), "");
}

TEST(UnmunchExpander, ExpandsWithTheAffixFile)
{
    if (!unmunchInstalled())
        GTEST_SKIP() << "unmunch (hunspell-tools) is not installed";
    testsupport::TempFolder work;
    writeFile(work.file("fixture.aff"),
              "SET UTF-8\nFLAG long\n\nSFX S. Y 1\nSFX S. 0 s .\n\n"
              "SFX F. Y 2\nSFX F. 0 e .\nSFX F. 0 es .\n");
    UnmunchExpander expander("unmunch", work.file("fixture.aff"), work.path());
    std::set<std::string> forms;
    const bool ok = expander.expand({"chat/S. po:nom is:mas", "vert/F. po:adj", "illico po:adv"},
                                    [&](std::string_view form) { forms.emplace(form); });
    ASSERT_TRUE(ok) << expander.errorText();
    EXPECT_EQ(forms, (std::set<std::string>{"chat", "chats", "vert", "verte", "vertes", "illico"}));
}

TEST(UnmunchExpander, MissingProgramIsReported)
{
    testsupport::TempFolder work;
    UnmunchExpander expander(work.file("no-such-unmunch"), work.file("fixture.aff"), work.path());
    EXPECT_FALSE(expander.expand({"chat"}, [](std::string_view) {}));
    EXPECT_NE(expander.errorText().find("no-such-unmunch"), std::string::npos);
}

TEST(UnmunchExpander, NoEntryNoRun)
{
    UnmunchExpander expander("no-such-unmunch", "none.aff", "/nonexistent");
    int calls = 0;
    EXPECT_TRUE(expander.expand({}, [&](std::string_view) { ++calls; }));
    EXPECT_EQ(calls, 0);
}

}  // namespace
