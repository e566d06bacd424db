#include <lexicon/FormTags.h>

namespace lexicon {

FormTags FormTags::of(const std::vector<std::string>& traits)
{
    FormTags tags;
    for (const auto& trait : traits) {
        if (trait == "mas")
            tags.gender = Gender::masculine;
        else if (trait == "fem")
            tags.gender = Gender::feminine;
        else if (trait == "epi")
            tags.gender = Gender::epicene;
        else if (trait == "sg")
            tags.number = Number::singular;
        else if (trait == "pl")
            tags.number = Number::plural;
        else if (trait == "inv")
            tags.number = Number::invariable;
    }
    return tags;
}

FormTags FormTags::over(const FormTags& base) const
{
    FormTags tags = *this;
    if (tags.gender == Gender::none)
        tags.gender = base.gender;
    if (tags.number == Number::none)
        tags.number = base.number;
    return tags;
}

}  // namespace lexicon
