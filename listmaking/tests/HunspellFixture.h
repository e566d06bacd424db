#pragma once

#include <files/Utf8Path.h>
#include <testsupport/TempFolder.h>

#include <lexicon/SourceFiles.h>
#include <listmaking/dictionary/LexiconMaker.h>
#include <listmaking/lists/DefaultWords.h>
#include <listmaking/ownwords/OwnWords.h>
#include <textfile/FileByteSink.h>

#include <set>
#include <string>
#include <vector>

// A small real dictionary in a folder of its own, read like the system's: one entry for each
// rule of the generator.
class HunspellFixture {
public:
    // `families` adds entries whose forms make families: two feminines, a unit, a verb of 10
    // letters, an affix condition with an accented letter, three words spelt COTE.
    explicit HunspellFixture(bool families = false)
    {
        write("fixture.aff",
              "SET UTF-8\nFLAG long\nNEEDAFFIX ()\nFORBIDDENWORD {}\nKEEPCASE ||\nNOSUGGEST --\n\n"
              "PFX U. Y 1\nPFX U. 0 kilo .\n\n"
              "PFX Um Y 2\nPFX Um 0 0/S. .\nPFX Um 0 kilo/S.() .\n\n"
              "SFX S. Y 1\nSFX S. 0 s .\n\n"
              "SFX F. Y 4\nSFX F. 0 0 . is:mas is:sg\nSFX F. 0 s . is:mas is:pl\n"
              "SFX F. 0 e . is:fem is:sg\nSFX F. 0 es . is:fem is:pl\n\n"
              "SFX Gc Y 2\nSFX Gc eur rice [td]eur is:fem is:sg\n"
              "SFX Gc eur rices [td]eur is:fem is:pl\n\n"
              "SFX V. Y 3\nSFX V. er e er\nSFX V. er ons er\nSFX V. er ées er\n\n"
              "SFX Pv Y 2\nSFX Pv oir oir oir\nSFX Pv oir e [éè]valoir\n");
        std::vector<std::string> entries = {
            "gouape/S. po:nom is:fem",    // new; its rules give its plural all the same
            "gouapes/{}",                 // the dictionary forbids that plural
            "bar/U.||-- po:nom is:mas",   // unit, with its metric prefix: kilobar
            "nèpe/S.() po:nom is:fem",    // stem that needs an affix
            "bloguer/V. po:v1__t___zz",   // new transitive verb; BLOGUE is old
            "tchatter/V. po:v1_it___zz",  // new, both uses
            "buzzer/V. po:v1_i____zz",    // new intransitive verb
            "aimer/V. po:v1__t___zz",     // old word
            "cappella po:loc.adv",        // piece of a locution
            "catimini po:loc.adv",        // the same mark, kept by the stop list
            "ibid/-- po:adv",             // abbreviation
            "litt po:adv",                // abbreviation that only the stop list knows
            "décombre/S. po:nom is:mas",  // its plural is old
            "marie/S. po:nom is:fem",     // old
            "ramie/S. po:nom is:fem",     // new, an anagram of AIMER and MARIE
            "qi po:nom is:mas is:inv",    // genuine short word
            "ph po:nom is:mas is:inv",    // no vowel
            "pff po:interj",              // no vowel, but an interjection
            "zen/S. po:adj is:epi",       // new
            "éclair/S. po:nom is:mas",    // new, spelt ECLAIR
            "illico po:adv",              // new adverb
            "kérosène/S. po:nom is:mas",  // new, 8 letters
            "zoukeuse/S. po:nom is:fem",  // new, 8 letters
            "wok/S. po:nom is:mas",       // new
            "kiwi/S. po:nom is:mas",      // new
            "ouzo/S. po:nom is:mas",      // new
            "haïku/S. po:nom is:mas",     // new
            "Paris po:npr",               // proper noun
        };
        const std::vector<std::string> familyEntries = {
            "auteur/F.Gc() po:nom",          // two feminines: auteure (F.), autrice (Gc)
            "katal/Um() po:nom is:mas",      // unit whose plural the prefix brings: katals
            "déconfiner/V. po:v1_it____a",   // 10 letters; déconfine has 9
            "prévaloir/Pv() po:v3_i_____a",  // accented condition: prévale
            "côte po:nom is:fem",            // spelt COTE like the two below
            "cote po:nom is:fem",            //
            "coter/V. po:v1__t___zz",        // cote, cotons, cotées
        };
        if (families)
            entries.insert(entries.end(), familyEntries.begin(), familyEntries.end());
        std::string dic = std::to_string(entries.size()) + "\n";
        for (const auto& entry : entries)
            dic += entry + "\n";
        write("fixture.dic", dic);
        write("older.txt", "aimer\nmarie\ndécombres\nblogue\ntable\nParis\n");
        write("stop.txt", "+ locution words of the game\ncatimini\n- abbreviations\nlitt\n");
    }

    std::string file(const std::string& name) const { return dir_.file(name); }
    std::string path() const { return files::toUtf8(dir_.path()); }

    lexicon::SourcePaths paths() const
    {
        lexicon::SourcePaths p;
        p.modernDic = file("fixture.dic");
        p.modernAff = file("fixture.aff");
        p.olderList = file("older.txt");
        p.myspellDic = file("no-myspell.dic");
        p.aspellList = file("no-aspell.cwl");
        p.reformedDic = file("no-reformed.dic");
        p.stopList = file("stop.txt");
        p.workDir = file("work");
        return p;
    }

    lexicon::PreparedLexicon prepared() const
    {
        listmaking::LexiconMaker maker(paths());
        lexicon::PreparedLexicon lexicon;
        (void)maker.make(lexicon);
        return lexicon;
    }

    // The word sets as listgen cuts them: from the player's own words when given, else the
    // default ones.
    lexicon::Lexicon lexicon(const std::set<std::string>* ownWords = nullptr,
                             std::set<std::string>* missing = nullptr) const
    {
        const auto prepared = this->prepared();
        if (!ownWords)
            return listmaking::DefaultWords::lexicon(prepared);
        listmaking::OwnWordsOutcome outcome;
        const std::vector<std::string> words(ownWords->begin(), ownWords->end());
        auto result = listmaking::OwnWords::lexicon(prepared, words, outcome);
        if (missing)
            *missing = std::set<std::string>(outcome.missing.begin(), outcome.missing.end());
        return result;
    }

    void write(const std::string& name, const std::string& text) const
    {
        textfile::FileByteSink sink(file(name));
        sink.write(text.data(), text.size());
        sink.close();
    }

private:
    testsupport::TempFolder dir_;
};
