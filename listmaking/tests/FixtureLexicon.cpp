#include <listmaking/tests/FixtureLexicon.h>

#include <listmaking/dictionary/LexiconMaker.h>
#include <listmaking/lists/DefaultWords.h>
#include <textfile/FileByteSink.h>

namespace {

// Enough rules for the entries below: plurals, a few verb endings and past participles.
const char* const affixes =
    "SET UTF-8\nFLAG long\nNEEDAFFIX ()\n\n"
    "SFX S. Y 2\nSFX S. 0 0 [^sxz] is:sg\nSFX S. 0 s [^sxz] is:pl\n\n"
    "SFX a0 Y 5\nSFX a0 er er er\nSFX a0 er e er\nSFX a0 er ons er\n"
    "SFX a0 er a er\nSFX a0 er eraient er\n\n"
    "SFX p+ Y 4\nSFX p+ er é er is:mas is:sg\nSFX p+ er és er is:mas is:pl\n"
    "SFX p+ er ée er is:fem is:sg\nSFX p+ er ées er is:fem is:pl\n\n"
    "SFX c0 Y 1\nSFX c0 oir oir oir\n";

const std::vector<std::string> modern = {
    "abaca/S. po:nom is:mas",           // in the older list: not new
    "aimer/a0p+() po:v1__t___zz",       // older
    "marie po:nom is:fem",              // older (no plural: RAMIES is the one word of its draw)
    "ramie/S. po:nom is:fem",           // new, an anagram of the two above
    "able/S. po:adj is:epi",            // new, takes C, F, S, T in front
    "table/S. po:nom is:fem",           // older, like the three below
    "cable/S. po:nom is:mas",           //
    "fable/S. po:nom is:fem",           //
    "sable/S. po:nom is:mas",           //
    "bloguer/a0p+() po:v1__t___zz",     // new transitive verb
    "buzzer/a0p+() po:v1_i____zz",      // new intransitive verb
    "tchatter/a0p+() po:v1_it___zz",    // new, both
    "customiser/a0p+() po:v1__t___zz",  // new transitive verb of 10 letters
    "illico po:adv",                    // new adverb
    "zen/S. po:adj is:epi",             // new, takes S at the back
    "éclair/S. po:nom is:mas",          // new, spelt ECLAIR
    "cœlacanthe/S. po:nom is:mas",      // new, 11 letters: too long for any list
    "Paris po:npr is:mas",              // proper noun
    "mÉlanie po:prn is:fem",            // proper noun (by its kind)
    "ex-voto/S. po:nom is:mas",         // hyphen
    "aujourd'hui po:adv",               // apostrophe
    "3D po:nom",                        // digit
    "asseoir/c0 po:v3_it___zz",         // older
    "ballotter/a0p+() po:v1__t___zz",   // older
    "qi po:nom is:mas is:inv",          // new, two letters with Q
};

const std::vector<std::string> reformed = {
    "assoir/c0 po:v3_it___zz",        // reformed spelling of asseoir
    "balloter/a0p+() po:v1__t___zz",  // reformed spelling of ballotter
    "zen/S. po:adj is:epi",           // both spellings
    "évènement/S. po:nom is:mas",     // 9 letters, absent from the modern fixture
};

void write(const testsupport::TempFolder& folder, const std::string& name, const std::string& text)
{
    textfile::FileByteSink sink(folder.file(name));
    sink.write(text.data(), text.size());
    sink.close();
}

std::string dic(const std::vector<std::string>& entries)
{
    std::string text = std::to_string(entries.size()) + "\n";
    for (const auto& entry : entries)
        text += entry + "\n";
    return text;
}

}  // namespace

Fixture Fixture::standard(bool withReformed)
{
    Fixture fixture;
    fixture.folder = std::make_shared<testsupport::TempFolder>();
    const auto& f = *fixture.folder;
    write(f, "modern.aff", affixes);
    write(f, "modern.dic", dic(modern));
    if (withReformed) {
        write(f, "reformed.aff", affixes);
        write(f, "reformed.dic", dic(reformed));
    }
    write(f, "older.txt",
          "abaca\naimer\nmarie\ncable\nfable\nsable\ntable\nasseoir\nballotter\nParis\n");
    auto& p = fixture.paths;
    p.modernDic = f.file("modern.dic");
    p.modernAff = f.file("modern.aff");
    p.reformedDic = f.file("reformed.dic");
    p.olderList = f.file("older.txt");
    p.myspellDic = f.file("no-myspell.dic");
    p.aspellList = f.file("no-aspell.cwl");
    p.workDir = f.file("work");
    return fixture;
}

lexicon::PreparedLexicon Fixture::prepared() const
{
    listmaking::LexiconMaker maker(paths);
    lexicon::PreparedLexicon lexicon;
    maker.make(lexicon);
    return lexicon;
}

lexicon::Lexicon Fixture::lexicon() const
{
    return listmaking::DefaultWords::lexicon(prepared());
}
