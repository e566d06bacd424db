#pragma once

#include <string_view>
#include <vector>

namespace listmaking {

// The fields of a line of the dictionary's .dic and .aff files: the pieces between blanks
// (space, tab, a stray CR), empty pieces dropped. They view the line, which must outlive them.
class BlankFields {
public:
    static std::vector<std::string_view> split(std::string_view line);
};

}  // namespace listmaking
