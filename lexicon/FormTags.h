#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lexicon {

// The gender and number of a form, from the "is:" fields of its entry and of its affix.
struct FormTags {
    enum class Gender : std::uint8_t { none, masculine, feminine, epicene };
    enum class Number : std::uint8_t { none, singular, plural, invariable };

    Gender gender = Gender::none;
    Number number = Number::none;

    // From the values of "is:" fields (mas, fem, epi, sg, pl, inv); others are ignored.
    static FormTags of(const std::vector<std::string>& traits);
    // These tags, with what they leave open taken from `base` (an affix over its entry).
    FormTags over(const FormTags& base) const;

    bool operator==(const FormTags& other) const
    {
        return gender == other.gender && number == other.number;
    }
};

}  // namespace lexicon
