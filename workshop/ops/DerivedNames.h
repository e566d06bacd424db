#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace workshop {

// The name of an output derived from the source path, always beside the source. When the
// path ends in a dot and three characters of the file name (of a list file, its ".txt"),
// those four characters are replaced by the suffix: mots.txt with "_a.txt" gives mots_a.txt,
// with "val0.txt" motsval0.txt. Otherwise the suffix follows the whole file name: d2/ab gives
// d2/ab_a.txt, never a name in the folder above. The path is UTF-8 and counted in characters,
// not bytes. Empty when the path is empty.
std::optional<std::string> derivedName(std::string_view sourcePath, std::string_view suffix);

}  // namespace workshop
