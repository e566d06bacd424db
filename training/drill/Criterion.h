#pragma once

namespace drill {

// How an entry earns its elimination.
enum class Criterion {
    BySuccesses,  // found a number of times ("réussites.")
    BySpeed,      // found in less than a number of seconds ("secondes.")
};

}  // namespace drill
