#include "ReferenceSequences.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <stdexcept>
#include <string>

namespace study::tests {

extern const char* const kReferenceText;

namespace {

std::vector<std::string> fields(const std::string& line)
{
    std::vector<std::string> out;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, ',');)
        out.push_back(field);
    return out;
}

}  // namespace

std::vector<ReferenceSequence> referenceSequences()
{
    std::vector<ReferenceSequence> sequences;
    std::istringstream text(kReferenceText);
    int current = 0;
    for (std::string line; std::getline(text, line);) {
        if (line.empty() || line[0] == '#' || line.rfind("sequence,", 0) == 0)
            continue;
        const std::vector<std::string> f = fields(line);
        if (f.size() != 10)
            throw std::runtime_error("reference line of " + std::to_string(f.size())
                                     + " fields: " + line);
        const int sequence = std::stoi(f[0]);
        if (sequence != current) {
            sequences.emplace_back();
            current = sequence;
        }
        sequences.back().push_back(
            {std::stod(f[1]), std::stoll(f[2]), static_cast<Grade>(std::stoi(f[3])),
             std::stod(f[5]), std::stod(f[6]), std::stod(f[7]), std::stod(f[8]), std::stoi(f[9])});
    }
    return sequences;
}

double tolerance(double expected)
{
    return 1e-6 * std::max(1.0, std::fabs(expected));
}

}  // namespace study::tests
