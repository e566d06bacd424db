#include <lexicon/WordFamily.h>

namespace lexicon {

std::vector<std::size_t> WordFamily::of(const PreparedLexicon& lexicon, std::size_t formIndex)
{
    using Gender = FormTags::Gender;
    using Number = FormTags::Number;
    const std::size_t entry = lexicon.entryOf(formIndex);
    const auto& forms = lexicon.forms();
    const LexiconForm& given = forms[formIndex];
    const bool verb = lexicon.entries()[entry].has(LexiconEntry::verb);
    // a feminine, or a plural, keeps to its own gender and its own suffix
    const bool narrow =
        !verb && (given.tags.gender == Gender::feminine || given.tags.number == Number::plural);
    std::vector<std::size_t> family;
    for (std::size_t i = lexicon.formsBegin(entry); i < lexicon.formsEnd(entry); ++i) {
        const auto& form = forms[i];
        if (i == formIndex
            || (form.prefix == given.prefix
                && (!narrow
                    || (form.tags.gender == given.tags.gender && form.group == given.group))))
            family.push_back(i);
    }
    return family;
}

}  // namespace lexicon
