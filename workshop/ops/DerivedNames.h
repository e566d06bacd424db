#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace workshop {

// The name of an output derived from the source path: the path less its last four
// characters (of a list file, its ".txt"), then the suffix. mots.txt with "_a.txt" gives
// mots_a.txt. The path is UTF-8 and counted in characters, not bytes. Empty when the path
// holds fewer than four characters.
std::optional<std::string> derivedName(std::string_view sourcePath, std::string_view suffix);

}  // namespace workshop
