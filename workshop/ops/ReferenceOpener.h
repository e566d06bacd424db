#pragma once

#include <textfile/LineSource.h>

#include <functional>
#include <memory>

namespace workshop {

// Opens the reference list (the third path) from its start. Operations that consult it call
// it at most once, at their first source line, so an empty source never touches the path.
// A reference that cannot be opened is reported by the opener itself (it throws).
using ReferenceOpener = std::function<std::unique_ptr<textfile::LineSource>()>;

}  // namespace workshop
