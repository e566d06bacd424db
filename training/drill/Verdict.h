#pragma once

#include <string>

namespace drill {

// What the "voyant" label shows after a grading by speed.
enum class Verdict {
    Unchanged,  // keep the current caption
    Ok,         // "OK"
    No,         // "NO"
};

// "OK", "NO", or empty for Unchanged.
inline std::string verdictCaption(Verdict verdict)
{
    return verdict == Verdict::Ok ? "OK" : verdict == Verdict::No ? "NO" : "";
}

}  // namespace drill
