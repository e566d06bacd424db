#include <testsupport/TempFolder.h>

#include <textfile/LineReader.h>
#include <tools/listgen/src/CatalogueLists.h>
#include <tools/listgen/src/DicReader.h>
#include <tools/listgen/src/GameWord.h>
#include <tools/listgen/src/HunspellChecker.h>
#include <tools/listgen/src/SourceFiles.h>
#include <tools/listgen/src/UnmunchExpander.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <unordered_set>

namespace {

const std::string dataDir = LISTGEN_DATA_DIR;

// Every spelling, in capitals, of a form that unmunch draws from the dictionary or of a word
// of the older lists, that Hunspell with the same files accepts; empty when the dictionary
// cannot be read.
std::unordered_set<std::string> acceptedWords(const std::string& dic,
                                              const std::vector<std::string>& older)
{
    std::unordered_set<std::string> words;
    const std::string aff = listgen::SourcePaths::affOf(dic);
    listgen::HunspellChecker checker(aff, dic);
    if (!checker.isLoaded() || !listgen::SourceFiles::exists("/usr/bin/unmunch"))
        return words;
    textfile::LineReader reader(dic);
    std::vector<std::string> lines;
    for (const auto& entry : listgen::DicReader::entries(reader))
        lines.push_back(entry.line);
    testsupport::TempFolder work;
    listgen::UnmunchExpander expander("unmunch", aff, work.path().string());
    std::unordered_set<std::string> seen;
    expander.expand(lines, [&](std::string_view form) {
        auto word = listgen::GameWord::fold(form);
        if (word && !words.count(*word) && seen.emplace(form).second
            && checker.accepts(std::string(form)))
            words.insert(std::move(*word));
    });
    for (const auto& raw : older) {
        auto word = listgen::GameWord::fold(raw);
        if (word && !words.count(*word) && checker.accepts(raw))
            words.insert(std::move(*word));
    }
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

TEST(RealLists, EverySolutionIsAFormHunspellAccepts)
{
    const std::string modernDic = "/usr/share/hunspell/fr.dic";
    const std::string reformedDic = LISTGEN_REFORMED_DIC;
    listgen::SourcePaths paths;
    paths.workDir = LISTGEN_WORK_DIR;
    paths.fillFromWorkDir();
    listgen::DictionarySources sources;
    std::string error;
    std::vector<std::string> missing;
    listgen::SourceFiles::load(paths, sources, error, missing);
    const auto modern = acceptedWords(modernDic, sources.older);
    if (modern.empty())
        GTEST_SKIP() << modernDic << ", its .aff or unmunch is missing: nothing to check against";
    const auto reformed = acceptedWords(reformedDic, {});
    std::size_t checked = 0;
    for (const auto& name : listgen::CatalogueLists::fileNames()) {
        const bool isReformed = listgen::CatalogueLists::needsReformed(name);
        if (isReformed && reformed.empty()) {
            std::cout << "[ SKIPPED  ] " << name << ": no reformed dictionary at " << reformedDic
                      << "\n";
            continue;
        }
        const std::string path = dataDir + "/" + name;
        if (!listgen::SourceFiles::exists(path)) {
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
            const auto words = wordsOfLine(line, extensions, front);
            for (const auto& word : words) {
                ++checked;
                const auto& accepted = isReformed ? reformed : modern;
                EXPECT_TRUE(accepted.count(word))
                    << name << " line " << number << ": " << word << " is no form Hunspell accepts";
            }
        }
    }
    if (checked == 0)
        GTEST_SKIP() << "no list in " << dataDir << " yet: `make lists` makes them";
}

}  // namespace
