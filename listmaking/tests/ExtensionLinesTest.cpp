#include <listmaking/lists/ExtensionLines.h>

#include <gtest/gtest.h>

using listmaking::ExtensionLines;

namespace {

const std::unordered_set<std::string> dictionary = {
    "ABLE",  "CABLE", "FABLE", "SABLE", "TABLE", "ABLES", "ZOO",   "AZOO",  "CHAT",
    "CHATS", "CHATE", "AB",    "ABC",   "ABD",   "ABE",   "ABF",   "ABG",   "ABH",
    "CAB",   "DAB",   "EAB",   "FAB",   "GAB",   "HAB",   "ABLEE", "TABLES"};

TEST(ExtensionLines, FrontLettersInAlphabeticalOrder)
{
    EXPECT_EQ(ExtensionLines::front({"ABLE", "ZOO", "CHAT", "ABLES"}, dictionary),
              (std::vector<std::string>{"+ABLE;CFST", "+ABLES;T", "+ZOO;A"}));
}

TEST(ExtensionLines, BackLettersInAlphabeticalOrder)
{
    EXPECT_EQ(ExtensionLines::back({"ABLE", "ZOO", "CHAT"}, dictionary),
              (std::vector<std::string>{"ABLE+;ES", "CHAT+;ES"}));
}

TEST(ExtensionLines, DrawPaddedOnTheSideOfTheLetter)
{
    EXPECT_EQ(ExtensionLines::back({"AB"}, dictionary),
              (std::vector<std::string>{"AB++++;CDEFGH"}));
    EXPECT_EQ(ExtensionLines::front({"AB"}, dictionary),
              (std::vector<std::string>{"++++AB;CDEFGH"}));
}

TEST(ExtensionLines, NoBaseNoLine)
{
    EXPECT_TRUE(ExtensionLines::front({}, dictionary).empty());
    EXPECT_TRUE(ExtensionLines::back({"XYZ"}, dictionary).empty());
}

}  // namespace
