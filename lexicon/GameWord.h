#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lexicon {

// Words of the game: capitals A to Z only. Dictionaries hold UTF-8 with accents.
class GameWord {
public:
    // "éclair" gives ECLAIR, "cœur" COEUR; a word holding a hyphen, an apostrophe, a space,
    // a dot, a digit or a letter without a plain A-Z reading gives nothing.
    static std::optional<std::string> fold(std::string_view utf8);

    // Proper nouns and other entries written with a capital are not words of the game.
    static bool startsWithCapital(std::string_view utf8);
};

}  // namespace lexicon
