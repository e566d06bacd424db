#include <lexicon/GameWord.h>
#include <lexicon/SourceFiles.h>
#include <listfolder/FileBytes.h>
#include <listmaking/dictionary/AffixExpander.h>
#include <listmaking/dictionary/AffixRules.h>
#include <listmaking/dictionary/DicReader.h>
#include <listmaking/dictionary/HunspellChecker.h>
#include <listmaking/dictionary/OlderLists.h>
#include <listmaking/dictionary/WordFilter.h>
#include <listmaking/lists/CatalogueLists.h>
#include <textfile/LineReader.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <sstream>
#include <unordered_map>
#include <unordered_set>

namespace {

const std::string dataDir = LISTGEN_DATA_DIR;

// A real dictionary, expanded with its affix file into every spelling of each game word; a
// game word is accepted when Hunspell accepts one of its spellings, the dictionary's forms
// or the older lists' words (asked only for the words the lists hold).
class RealDictionary {
public:
    RealDictionary(const std::string& dic, const std::vector<std::string>& older)
        : checker_(lexicon::SourcePaths::affOf(dic), dic)
    {
        if (!checker_.isLoaded())
            return;
        const auto text = listfolder::FileBytes::read(lexicon::SourcePaths::affOf(dic), 1 << 24);
        if (!text || !rules_.parse(*text))
            return;
        textfile::LineReader reader(dic);
        entries_ = listmaking::DicReader::entries(reader);
        const listmaking::AffixExpander expander(rules_);
        for (const auto& entry : entries_) {
            for (const auto& form : expander.forms(entry))
                addSpelling(form.spelling);
        }
        for (const auto& raw : older)
            addSpelling(raw);
    }

    bool isLoaded() const { return !spellings_.empty(); }
    const std::vector<listmaking::DicEntry>& entries() const { return entries_; }
    const listmaking::AffixRules& rules() const { return rules_; }
    bool spells(const std::string& raw) { return checker_.accepts(raw); }

    bool accepts(const std::string& game)
    {
        const auto known = verdicts_.find(game);
        if (known != verdicts_.end())
            return known->second;
        const auto found = spellings_.find(game);
        const bool accepted = found != spellings_.end()
            && std::any_of(found->second.begin(), found->second.end(),
                           [&](const std::string& raw) { return checker_.accepts(raw); });
        verdicts_[game] = accepted;
        return accepted;
    }

private:
    void addSpelling(const std::string& raw)
    {
        if (lexicon::GameWord::startsWithCapital(raw))
            return;
        if (auto game = lexicon::GameWord::fold(raw))
            spellings_[*game].push_back(raw);
    }

    listmaking::HunspellChecker checker_;
    listmaking::AffixRules rules_;
    std::vector<listmaking::DicEntry> entries_;
    std::unordered_map<std::string, std::vector<std::string>> spellings_;
    std::unordered_map<std::string, bool> verdicts_;
};

// The words of the older lists of this build's work folder; `missing` names those it lacks.
std::vector<std::string> olderWords(std::vector<std::string>* missing = nullptr)
{
    lexicon::SourcePaths paths;
    paths.workDir = LISTGEN_WORK_DIR;
    paths.fillFromWorkDir();
    std::vector<std::string> words;
    std::vector<std::string> lacking;
    (void)listmaking::OlderLists::readAll(paths, words, lacking);
    if (missing)
        *missing = lacking;
    return words;
}

// The solutions of a line, or for an extension line ("+ABLE;CFST", "CHAT+;S", padded with
// "+" when the letters outnumber the base) the base and the base with each of its letters.
std::vector<std::string> wordsOfLine(const std::string& line, bool extensions, bool front)
{
    const auto semicolon = line.find(';');
    const std::string after = line.substr(semicolon + 1);
    std::vector<std::string> words;
    if (extensions) {
        std::string base = line.substr(0, semicolon);
        base.erase(std::remove(base.begin(), base.end(), '+'), base.end());
        words.push_back(base);
        for (const char letter : after)
            words.push_back(front ? letter + base : base + letter);
        return words;
    }
    std::istringstream solutions(after);
    std::string word;
    while (solutions >> word)
        words.push_back(word);
    return words;
}

// Every solution of a list of data/, or nothing when it is not there.
std::set<std::string> solutionsOf(const std::string& name)
{
    std::set<std::string> words;
    textfile::LineReader reader(dataDir + "/" + name);
    for (std::string line; reader.next(line);) {
        for (auto& word : wordsOfLine(line, false, false))
            words.insert(std::move(word));
    }
    return words;
}

TEST(RealLists, EverySolutionIsAFormHunspellAccepts)
{
    const std::string modernDic = "/usr/share/hunspell/fr.dic";
    const std::string reformedDic = LISTGEN_REFORMED_DIC;
    RealDictionary modern(modernDic, olderWords());
    if (!modern.isLoaded())
        GTEST_SKIP() << modernDic << " or its .aff is missing: nothing to check against";
    RealDictionary reformed(reformedDic, {});
    std::size_t checked = 0;
    for (const auto& name : listmaking::CatalogueLists::fileNames()) {
        const bool isReformed = listmaking::CatalogueLists::needsReformed(name);
        if (isReformed && !reformed.isLoaded()) {
            std::cout << "[ SKIPPED  ] " << name << ": no reformed dictionary at " << reformedDic
                      << "\n";
            continue;
        }
        const std::string path = dataDir + "/" + name;
        if (!lexicon::SourceFiles::exists(path)) {
            std::cout << "[ SKIPPED  ] " << path << " not generated yet\n";
            continue;
        }
        const bool extensions = name.find("rallonges") != std::string::npos;
        const bool front = name.find("_av") != std::string::npos;
        textfile::LineReader reader(path);
        std::string line;
        std::size_t number = 0;
        while (reader.next(line)) {
            ++number;
            for (const auto& word : wordsOfLine(line, extensions, front)) {
                ++checked;
                EXPECT_TRUE((isReformed ? reformed : modern).accepts(word))
                    << name << " line " << number << ": " << word << " is no form Hunspell accepts";
            }
        }
    }
    if (checked == 0)
        GTEST_SKIP() << "no list in " << dataDir << " yet: `make lists` makes them";
}

// The rule of "2 à 9 lettres (tout)": every form of 2 to 9 letters that Hunspell accepts of
// every new word, whatever its length, unless an older list holds it. The new words are read
// from the first box (up to 10 letters).
TEST(RealLists, EveryShortFormOfANewWordIsInTheAllFormsList)
{
    const auto allForms = solutionsOf("ods6new_2-9L_all.txt");
    std::set<std::string> newWords;
    for (const auto* name :
         {"ods6new_2-9L.txt", "ods6new_vbt.txt", "ods6new_vbi.txt", "ods6new_inv.txt"}) {
        const auto words = solutionsOf(name);
        newWords.insert(words.begin(), words.end());
    }
    if (allForms.empty() || newWords.empty())
        GTEST_SKIP() << "no list in " << dataDir << " yet: `make lists` makes them";
    std::vector<std::string> missing;
    const auto older = olderWords(&missing);
    // the lists were made with the older lists: without them every old form would look new
    if (!missing.empty())
        GTEST_SKIP() << "the older lists are not in " << LISTGEN_WORK_DIR << " (" << missing.front()
                     << "...): the lists of " << dataDir << " were made by another build";
    std::unordered_set<std::string> old;
    for (const auto& raw : older) {
        if (auto game = lexicon::GameWord::fold(raw);
            game && !lexicon::GameWord::startsWithCapital(raw))
            old.insert(*game);
    }
    RealDictionary modern("/usr/share/hunspell/fr.dic", {});
    ASSERT_TRUE(modern.isLoaded());
    listmaking::WordFilter filter;
    ASSERT_TRUE(filter.readAffixMarks("/usr/share/hunspell/fr.aff"));
    const auto stops = filter.readStopList(LISTGEN_STOP_LIST);
    ASSERT_TRUE(stops) << stops.why();
    const listmaking::AffixExpander expander(modern.rules());
    std::size_t checked = 0;
    for (const auto& entry : modern.entries()) {
        const auto word = lexicon::GameWord::fold(entry.word);
        if (entry.isProperNoun() || !word || !newWords.count(*word)
            || !filter.refusal(entry, *word).empty() || !modern.spells(entry.word))
            continue;
        std::vector<std::string> shortForms;
        bool hasOldForm = false;
        for (const auto& form : expander.forms(entry)) {
            const auto game = lexicon::GameWord::fold(form.spelling);
            if (!game || form.prefix != 0 || lexicon::GameWord::startsWithCapital(form.spelling)
                || !modern.spells(form.spelling))
                continue;
            hasOldForm = hasOldForm || old.count(*game);
            if (game->size() >= 2 && game->size() <= 9 && !old.count(*game))
                shortForms.push_back(*game);
        }
        if (hasOldForm && !entry.isVerb())
            continue;  // a noun or an adjective that an older list holds by a form is not new
        for (const auto& form : shortForms) {
            ++checked;
            EXPECT_TRUE(allForms.count(form)) << form << ", form of " << entry.line;
        }
    }
    EXPECT_GT(checked, newWords.size());
}

}  // namespace
