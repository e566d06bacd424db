#pragma once

#include <string>

namespace drill {

// One tick of the series clock.
struct SeriesTick {
    std::string text;      // new text of "temps", m:ss
    bool expired = false;  // time is up: the window runs the correction now
};

}  // namespace drill
