#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace listmaking {

// The condition of an affix rule: what the end of a word (suffix) or its start (prefix) must
// look like for the rule to apply. "." is any character, "[abc]" one of them, "[^abc]" none
// of them, any other character itself; characters are Unicode, not bytes, so that "[éè]"
// means two letters.
class AffixCondition {
public:
    // Nothing when the text is malformed (a "[" without its "]").
    static std::optional<AffixCondition> parse(std::string_view utf8);

    bool matchesEnd(std::u32string_view word) const;
    bool matchesStart(std::u32string_view word) const;

private:
    struct Position {
        bool any = false;
        bool negated = false;
        std::u32string characters;
        bool matches(char32_t c) const;
    };

    std::vector<Position> positions_;
};

}  // namespace listmaking
