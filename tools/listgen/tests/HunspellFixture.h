#pragma once

#include <testsupport/TempFolder.h>

#include <textfile/FileByteSink.h>
#include <tools/listgen/src/HunspellChecker.h>
#include <tools/listgen/src/LexiconBuilder.h>
#include <tools/listgen/src/SourceFiles.h>
#include <tools/listgen/src/UnmunchExpander.h>
#include <tools/listgen/src/WordFilter.h>

#include <string>
#include <vector>

// A small real dictionary in a folder of its own, read by unmunch and Hunspell like the
// system's: one entry for each rule of the generator.
class HunspellFixture {
public:
    HunspellFixture()
    {
        write("fixture.aff",
              "SET UTF-8\nFLAG long\nNEEDAFFIX ()\nFORBIDDENWORD {}\nKEEPCASE ||\nNOSUGGEST --\n\n"
              "PFX U. Y 1\nPFX U. 0 kilo .\n\n"
              "SFX S. Y 1\nSFX S. 0 s .\n\n"
              "SFX F. Y 3\nSFX F. 0 s .\nSFX F. 0 e .\nSFX F. 0 es .\n\n"
              "SFX V. Y 3\nSFX V. er e er\nSFX V. er ons er\nSFX V. er ées er\n");
        const std::vector<std::string> entries = {
            "gouape/S. po:nom is:fem",    // new; unmunch gives its plural all the same
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
        std::string dic = std::to_string(entries.size()) + "\n";
        for (const auto& entry : entries)
            dic += entry + "\n";
        write("fixture.dic", dic);
        write("older.txt", "aimer\nmarie\ndécombres\nblogue\ntable\nParis\n");
        write("stop.txt", "+ locution words of the game\ncatimini\n- abbreviations\nlitt\n");
    }

    std::string file(const std::string& name) const { return dir_.file(name); }
    std::string path() const { return dir_.path().string(); }

    listgen::SourcePaths paths() const
    {
        listgen::SourcePaths p;
        p.modernDic = file("fixture.dic");
        p.modernAff = file("fixture.aff");
        p.olderList = file("older.txt");
        p.myspellDic = file("no-myspell.dic");
        p.aspellList = file("no-aspell.cwl");
        p.workDir = dir_.path().string();
        return p;
    }

    // Builds the lexicon as listgen does, with the player's own words when given.
    listgen::Lexicon lexicon(const std::set<std::string>* ownWords = nullptr,
                             std::set<std::string>* missing = nullptr) const
    {
        const auto p = paths();
        listgen::DictionarySources sources;
        std::string error;
        std::vector<std::string> absent;
        listgen::SourceFiles::load(p, sources, error, absent);
        listgen::WordFilter filter;
        filter.readAffixMarks(p.modernAff);
        filter.readStopList(file("stop.txt"), error);
        listgen::HunspellChecker checker(p.modernAff, p.modernDic);
        listgen::UnmunchExpander expander("unmunch", p.modernAff, p.workDir);
        listgen::LexiconBuilder builder(expander, checker, filter);
        if (ownWords)
            builder.setOwnWords(*ownWords);
        listgen::Lexicon result;
        builder.build(sources, result);
        if (missing)
            *missing = builder.ownWordsMissing();
        return result;
    }

    void write(const std::string& name, const std::string& text) const
    {
        textfile::FileByteSink sink(file(name));
        sink.write(text.data(), text.size());
        sink.close();
    }

    static bool toolsInstalled() { return listgen::SourceFiles::exists("/usr/bin/unmunch"); }

private:
    testsupport::TempFolder dir_;
};
