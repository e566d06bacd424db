#pragma once

// Runs list operations on lines held in memory, and makes random lists for the comparisons
// with the straightforward algorithms.

#include <textfile/VectorLineSink.h>
#include <textfile/VectorLineSource.h>
#include <workshop/ops/ReferenceOpener.h>

#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace listrun {

using Lines = std::vector<std::string>;

template <typename Operation> Lines run(Operation operation, Lines source)
{
    textfile::VectorLineSource in(std::move(source));
    textfile::VectorLineSink out;
    operation(in, out);
    return out.lines;
}

// Runs an operation that consults a reference list; `opens` counts how often it was opened.
template <typename Operation>
Lines runWithReference(Operation operation, Lines source, const Lines& reference,
                       int* opens = nullptr)
{
    const workshop::ReferenceOpener opener = [&reference, opens]() {
        if (opens)
            ++*opens;
        return std::make_unique<textfile::VectorLineSource>(reference);
    };
    textfile::VectorLineSource in(std::move(source));
    textfile::VectorLineSink out;
    operation(in, out, opener);
    return out.lines;
}

// A reference list that cannot be opened, as a missing third path gives.
inline workshop::ReferenceOpener failingReference()
{
    return
        []() -> std::unique_ptr<textfile::LineSource> { throw std::runtime_error("no reference"); };
}

inline std::string randomLine(std::mt19937& random, std::string_view alphabet, int shortest,
                              int longest)
{
    std::uniform_int_distribution<int> length(shortest, longest);
    std::uniform_int_distribution<std::size_t> letter(0, alphabet.size() - 1);
    std::string line(static_cast<std::size_t>(length(random)), ' ');
    for (char& c : line)
        c = alphabet[letter(random)];
    return line;
}

inline Lines randomLines(std::mt19937& random, std::size_t count, std::string_view alphabet,
                         int shortest, int longest)
{
    Lines lines;
    for (std::size_t i = 0; i < count; ++i)
        lines.push_back(randomLine(random, alphabet, shortest, longest));
    return lines;
}

}  // namespace listrun
