#pragma once

#include "VectorLineSink.h"
#include "VectorLineSource.h"

#include <string>
#include <utility>
#include <vector>

namespace workshoptest {

using Lines = std::vector<std::string>;

// Runs a one-source, one-sink operation over lines held in memory.
template <typename Operation>
Lines runLines(Operation operation, Lines input)
{
    textfile::VectorLineSource source(std::move(input));
    textfile::VectorLineSink sink;
    operation(source, sink);
    return sink.lines;
}

}  // namespace workshoptest
