#include <tools/listgen/tests/FixtureLexicon.h>

#include <textfile/VectorLineSource.h>
#include <tools/listgen/src/DicReader.h>

bool FixtureExpander::expand(const std::vector<std::string>& dicLines, const FormHandler& onForm)
{
    for (const auto& line : dicLines) {
        const auto entry = listgen::DicEntry::parse(line);
        onForm(entry->word);
        const auto found = forms_.find(entry->word);
        if (found == forms_.end())
            continue;
        for (const auto& form : found->second)
            onForm(form);
    }
    return true;
}

namespace {

std::vector<listgen::DicEntry> entries(std::vector<std::string> lines)
{
    textfile::VectorLineSource source(std::move(lines));
    return listgen::DicReader::entries(source);
}

}  // namespace

Fixture Fixture::standard()
{
    Fixture fixture;
    fixture.sources.modern = entries({
        "24",
        "abaca/S. po:nom is:mas",      // in the older list: not new
        "aimer/a0p+() po:v1__t___zz",  // older
        "marie/S. po:nom is:fem",      // older
        "ramie/S. po:nom is:fem",      // new, an anagram of the two above
        "able/S. po:adj is:epi",       // new, takes C, F, S, T in front
        "table/S. po:nom is:fem",
        "bloguer/a0p+() po:v1__t___zz",     // new transitive verb
        "buzzer/a0p+() po:v1_i____zz",      // new intransitive verb
        "tchatter/a0p+() po:v1_it___zz",    // new, both
        "customiser/a0p+() po:v1__t___zz",  // new transitive verb of 10 letters
        "illico po:adv",                    // new adverb
        "zen/S. po:adj is:epi",             // new, takes S at the back
        "éclair/S. po:nom is:mas",          // new, spelt ECLAIR
        "cœlacanthe/S. po:nom is:mas",      // new, 11 letters: too long for any list
        "Paris/L'D'Q' po:npr is:mas",       // proper noun
        "mÉlanie po:prn is:fem",            // proper noun (by its kind)
        "ex-voto/S. po:nom is:mas",         // hyphen
        "aujourd'hui po:adv",               // apostrophe
        "3D po:nom",                        // digit
        "asseoir/c0p+() po:v3_it___zz",     // older
        "ballotter/a0p+() po:v1__t___zz",   // older
        "qi po:nom is:mas is:inv",          // new, two letters with Q
    });
    fixture.sources.reformed = entries({
        "4",
        "assoir/c0p+() po:v3_it___zz",    // reformed spelling of asseoir
        "balloter/a0p+() po:v1__t___zz",  // reformed spelling of ballotter
        "zen/S. po:adj is:epi",           // both spellings
        "évènement/S. po:nom is:mas",     // 9 letters, absent from the modern fixture
    });
    fixture.sources.hasReformed = true;
    fixture.sources.older = {"abaca", "aimer", "marie",   "cable",     "fable",
                             "sable", "table", "asseoir", "ballotter", "Paris"};
    fixture.forms = {
        {"zen", {"zens"}},   {"ramie", {"ramies"}}, {"bloguer", {"blogue", "bloguons", "bloguées"}},
        {"able", {"ables"}}, {"table", {"tables"}}, {"tchatter", {"tchatte", "tchattons"}},
    };
    return fixture;
}

listgen::Lexicon Fixture::lexicon() const
{
    FixtureExpander expander(forms);
    listgen::LexiconBuilder builder(expander);
    listgen::Lexicon result;
    builder.build(sources, result);
    return result;
}
