#include <workshop/ops/LetterValues.h>

#include <words/LetterValues.h>
#include <workshop/ops/LineParts.h>

namespace workshop {

namespace {

status::Status checkOutputs(const std::vector<textfile::LineSink*>& outputs, std::size_t expected)
{
    if (outputs.size() == expected)
        return {};
    return status::Status::failure("un tri par valeurs écrit " + std::to_string(expected)
                                   + " fichiers, pas " + std::to_string(outputs.size()));
}

}  // namespace

int lineValue(std::string_view line)
{
    const auto semi = line.find(';');
    if (semi == std::string_view::npos)
        return words::wordValue(line);
    return words::wordValue(rightPart(line, static_cast<long>(semi)));
}

status::Status sortByValue(textfile::LineSource& source,
                           const std::vector<textfile::LineSink*>& outputs)
{
    if (status::Status checked = checkOutputs(outputs, valueSuffixes().size()); !checked)
        return checked;
    std::string line;
    while (source.next(line)) {
        const int value = lineValue(line);
        outputs[value < 7 ? value : 7]->write(line);
    }
    return {};
}

const std::vector<std::string>& valueSuffixes()
{
    static const std::vector<std::string> suffixes = {"val0.txt", "val1.txt",  "val2.txt",
                                                      "val3.txt", "val4.txt",  "val5.txt",
                                                      "val6.txt", "valup7.txt"};
    return suffixes;
}

status::Status sortExpensiveByValue(textfile::LineSource& source,
                                    const std::vector<textfile::LineSink*>& outputs)
{
    if (status::Status checked = checkOutputs(outputs, expensiveValueSuffixes().size()); !checked)
        return checked;
    std::string line;
    while (source.next(line)) {
        const int value = lineValue(line);
        if (value < 7)
            continue;
        const std::size_t rank = value <= 13 ? value - 7 : value <= 15 ? 7 : 8;
        outputs[rank]->write(line);
    }
    return {};
}

const std::vector<std::string>& expensiveValueSuffixes()
{
    static const std::vector<std::string> suffixes = {"val7.txt",  "val8.txt",     "val9.txt",
                                                      "val10.txt", "val11.txt",    "val12.txt",
                                                      "val13.txt", "val14-15.txt", "val16up.txt"};
    return suffixes;
}

}  // namespace workshop
