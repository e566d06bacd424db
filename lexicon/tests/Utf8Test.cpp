#include <lexicon/Utf8.h>

#include <gtest/gtest.h>

#include <string>

namespace {

struct Validity {
    const char* name;
    std::string bytes;
    bool valid;
};

class Utf8Validity : public ::testing::TestWithParam<Validity> {};

TEST_P(Utf8Validity, TellsWhatDecodes)
{
    EXPECT_EQ(lexicon::Utf8::isValid(GetParam().bytes), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(Texts, Utf8Validity,
                         ::testing::Values(Validity{"empty", "", true},
                                           Validity{"ascii", "MOTS\r\n", true},
                                           Validity{"accents", "\xC3\xA9t\xC3\xA9", true},
                                           Validity{"oe", "c\xC5\x93ur", true},
                                           Validity{"fourBytes", "\xF0\x9F\x98\x80", true},
                                           Validity{"cp1252Accent", "\xE9t\xE9", false},
                                           Validity{"overlongLead", "\xC0\x80", false},
                                           Validity{"cutSequence", "\xC3", false},
                                           Validity{"strayContinuation", "\x80", false},
                                           Validity{"pastUnicode", "\xF5\x80\x80\x80", false},
                                           Validity{"pastUnicodeFromF4", "\xF4\x90\x80\x80", false},
                                           Validity{"overlongThreeBytes", "\xE0\x80\xAF", false},
                                           Validity{"surrogate", "\xED\xA0\x80", false}),
                         [](const ::testing::TestParamInfo<Validity>& info) {
                             return std::string(info.param.name);
                         });

// Every width of character round-trips through append and next.
TEST(Utf8, AppendedCharactersDecodeBack)
{
    for (const char32_t c : {U'A', U'\u00E9', U'\u0153', U'\u20AC', U'\U0001F600'}) {
        std::string text;
        lexicon::Utf8::append(text, c);
        std::size_t pos = 0;
        EXPECT_EQ(lexicon::Utf8::next(text, pos), static_cast<long>(c));
        EXPECT_EQ(pos, text.size());
    }
}

// Bytes that decode as nothing come back as they were: a line of any file can be shown.
TEST(Utf8, AnyBytesRoundTrip)
{
    const std::string bytes = "M\xDCNSTER \xC3\xA9t\xC3\xA9 \xED\xA0\x80 \xF0\x9F\x98\x80";
    const auto characters = lexicon::Utf8::decode(bytes);
    EXPECT_EQ(characters[1], U'\xDCDC');
    EXPECT_EQ(characters[8], U'\u00E9');
    EXPECT_EQ(lexicon::Utf8::encode(characters), bytes);
}

}  // namespace
