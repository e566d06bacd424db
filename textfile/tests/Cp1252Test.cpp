#include <textfile/Cp1252.h>

#include <gtest/gtest.h>

using textfile::Cp1252;

namespace {

struct CodeCase {
    unsigned char byte;
    char16_t unicode;
};

class Cp1252Cases : public ::testing::TestWithParam<CodeCase> {};

TEST_P(Cp1252Cases, MapsBothWays)
{
    EXPECT_EQ(Cp1252::toUnicode(GetParam().byte), GetParam().unicode);
    EXPECT_EQ(Cp1252::fromUnicode(GetParam().unicode), GetParam().byte);
}

INSTANTIATE_TEST_SUITE_P(Table, Cp1252Cases,
                         ::testing::Values(CodeCase{0x41, u'A'}, CodeCase{0x80, u'€'},
                                           CodeCase{0x9C, u'œ'}, CodeCase{0x8C, u'Œ'},
                                           CodeCase{0x92, u'’'}, CodeCase{0x9F, u'Ÿ'},
                                           CodeCase{0xE0, u'à'}, CodeCase{0xE9, u'é'},
                                           CodeCase{0xC7, u'Ç'}, CodeCase{0x81, u'\u0081'}));

TEST(Cp1252, EveryByteRoundTrips)
{
    std::string bytes;
    for (int b = 0; b <= 0xFF; ++b)
        bytes.push_back(static_cast<char>(b));
    EXPECT_EQ(Cp1252::encode(Cp1252::decode(bytes)), bytes);
}

TEST(Cp1252, CharactersOutsideTheCodePageAreReplaced)
{
    EXPECT_EQ(Cp1252::fromUnicode(u'\u0100'), -1);
    EXPECT_EQ(Cp1252::encode(u"A\u4E2DB"), "A?B");
}

}  // namespace
