#include <workshop/ops/LetterValues.h>

#include <workshop/ops/LineParts.h>

#include <array>
#include <climits>
#include <stdexcept>

namespace workshop {

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

void checkOutputs(const std::vector<textfile::LineSink*>& outputs, std::size_t expected)
{
    if (outputs.size() != expected)
        throw std::invalid_argument("wrong number of outputs for a sort by value");
}

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

int lineValue(std::string_view line)
{
    const auto semi = line.find(';');
    if (semi == std::string_view::npos)
        return wordValue(line);
    return wordValue(rightPart(line, static_cast<long>(semi)));
}

void sortByValue(textfile::LineSource& source, const std::vector<textfile::LineSink*>& outputs)
{
    checkOutputs(outputs, valueSuffixes().size());
    std::string line;
    while (source.next(line)) {
        const int value = lineValue(line);
        outputs[value < 7 ? value : 7]->write(line);
    }
}

const std::vector<std::string>& valueSuffixes()
{
    static const std::vector<std::string> suffixes = {"val0.txt", "val1.txt",  "val2.txt",
                                                      "val3.txt", "val4.txt",  "val5.txt",
                                                      "val6.txt", "valup7.txt"};
    return suffixes;
}

void sortExpensiveByValue(textfile::LineSource& source,
                          const std::vector<textfile::LineSink*>& outputs)
{
    checkOutputs(outputs, expensiveValueSuffixes().size());
    std::string line;
    while (source.next(line)) {
        const int value = lineValue(line);
        if (value < 7)
            continue;
        const std::size_t rank = value <= 13 ? value - 7 : value <= 15 ? 7 : 8;
        outputs[rank]->write(line);
    }
}

const std::vector<std::string>& expensiveValueSuffixes()
{
    static const std::vector<std::string> suffixes = {"val7.txt",  "val8.txt",     "val9.txt",
                                                      "val10.txt", "val11.txt",    "val12.txt",
                                                      "val13.txt", "val14-15.txt", "val16up.txt"};
    return suffixes;
}

}  // namespace workshop
