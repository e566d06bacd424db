#include <words/LetterValues.h>

#include <array>
#include <climits>

namespace words {

namespace {

std::array<unsigned char, 256> makeValueTable()
{
    std::array<unsigned char, 256> table{};
    const auto set = [&table](const char* letters, unsigned char value) {
        for (; *letters; ++letters)
            table[static_cast<unsigned char>(*letters)] = value;
    };
    set("DGM", 1);
    set("BCP", 2);
    set("FHV", 3);
    set("JQ", 7);
    set("KWXYZ", 9);
    return table;
}

const std::array<unsigned char, 256> valueTable = makeValueTable();

}  // namespace

int letterValue(char c)
{
    return valueTable[static_cast<unsigned char>(c)];
}

int wordValue(std::string_view text)
{
    long long sum = 0;
    for (const char c : text)
        sum += valueTable[static_cast<unsigned char>(c)];
    return sum > INT_MAX ? INT_MAX : static_cast<int>(sum);
}

}  // namespace words
