// listgen: makes the catalogue lists of vorlane that are missing from a data folder, out of
// the free French dictionaries of the system, or out of a player's own list of new words.
//
//   listgen --data DIR [--work DIR] [--new-words FILE] [--overwrite] [--stop-list FILE]
//           [--modern-dic F] [--modern-aff F] [--reformed-dic F] [--older F]
//           [--myspell-dic F] [--aspell F] [--unmunch PROGRAM]

#include <tools/listgen/src/HunspellChecker.h>
#include <tools/listgen/src/LexiconBuilder.h>
#include <tools/listgen/src/ListGenerator.h>
#include <tools/listgen/src/OwnWordList.h>
#include <tools/listgen/src/SourceFiles.h>
#include <tools/listgen/src/UnmunchExpander.h>
#include <tools/listgen/src/WordFilter.h>

#include <textfile/LineWriter.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <string>

namespace {

struct Options {
    std::string dataDir;
    std::string stopList = LISTGEN_STOP_LIST;
    std::string newWords;
    bool overwrite = false;
    listgen::SourcePaths paths;
};

const char* const missingReport = "mots_absents_du_dictionnaire.txt";

bool parseArguments(int argc, char** argv, Options& o)
{
    const std::map<std::string, std::string*> options = {
        {"--data", &o.dataDir},
        {"--work", &o.paths.workDir},
        {"--new-words", &o.newWords},
        {"--stop-list", &o.stopList},
        {"--modern-dic", &o.paths.modernDic},
        {"--modern-aff", &o.paths.modernAff},
        {"--reformed-dic", &o.paths.reformedDic},
        {"--older", &o.paths.olderList},
        {"--myspell-dic", &o.paths.myspellDic},
        {"--aspell", &o.paths.aspellList},
        {"--unmunch", &o.paths.unmunch},
    };
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--overwrite") {
            o.overwrite = true;
            continue;
        }
        const auto option = options.find(argv[i]);
        if (option == options.end() || i + 1 >= argc) {
            std::fprintf(stderr, "listgen : option inconnue ou incomplète %s\n", argv[i]);
            return false;
        }
        *option->second = argv[++i];
    }
    if (o.dataDir.empty()) {
        std::fprintf(stderr, "listgen : --data DOSSIER est obligatoire\n");
        return false;
    }
    if (o.paths.workDir.empty())
        o.paths.workDir = o.dataDir;
    o.paths.fillFromWorkDir();
    return true;
}

// Lists the player's words that the dictionary lacks, on screen and in a file of the folder.
void reportMissing(const Options& o, const listgen::LexiconBuilder& builder,
                   const listgen::OwnWordList& own)
{
    for (const auto& line : own.unreadable())
        std::printf("%s, ligne %s : pas un mot du jeu, ignorée\n", o.newWords.c_str(),
                    line.c_str());
    for (const auto& word : builder.ownWordsOutOfRange())
        std::printf("%s : %s n'a pas de 2 à 10 lettres, il n'entre dans aucune liste\n",
                    o.newWords.c_str(), word.c_str());
    const auto& missing = builder.ownWordsMissing();
    std::printf("listgen : %zu mot(s) de %s, dont %zu absent(s) du dictionnaire "
                "(entraînés seuls, sans formes ni rallonges du dictionnaire)\n",
                own.words().size(), o.newWords.c_str(), missing.size());
    if (missing.empty())
        return;
    const std::string path = o.dataDir + "/" + missingReport;
    if (!o.overwrite && listgen::SourceFiles::exists(path)) {
        std::printf("listgen : %s existe déjà, laissé tel quel\n", path.c_str());
    } else {
        textfile::LineWriter writer(path);
        for (const auto& word : missing)
            writer.write(word);
        if (!writer.close())
            std::fprintf(stderr, "listgen : %s : %s\n", path.c_str(), writer.errorText().c_str());
    }
    for (const auto& word : missing)
        std::printf("  absent : %s\n", word.c_str());
}

int generate(const Options& o)
{
    const auto start = std::chrono::steady_clock::now();
    listgen::ListGenerator generator(o.dataDir);
    generator.setOverwrite(o.overwrite);
    if (generator.missingFiles().empty()) {
        std::printf("listgen : les listes de %s sont toutes là\n", o.dataDir.c_str());
        return 0;
    }
    listgen::OwnWordList own;
    std::string error;
    if (!o.newWords.empty() && !own.read(o.newWords, error)) {
        std::fprintf(stderr, "listgen : %s\n", error.c_str());
        return 1;
    }
    listgen::WordFilter filter;
    if (!filter.readAffixMarks(o.paths.modernAff) || !filter.readStopList(o.stopList, error)) {
        std::fprintf(stderr, "listgen : %s\n",
                     error.empty() ? o.paths.modernAff.c_str() : error.c_str());
        return 1;
    }
    listgen::DictionarySources sources;
    std::vector<std::string> missing;
    if (!listgen::SourceFiles::load(o.paths, sources, error, missing)) {
        std::fprintf(stderr, "listgen : %s\n", error.c_str());
        return 1;
    }
    for (const auto& source : missing)
        std::fprintf(stderr,
                     "listgen : liste ancienne manquante, %s : des mots anciens "
                     "peuvent passer pour nouveaux (relancer scripts/setup.sh en ligne)\n",
                     source.c_str());
    listgen::HunspellChecker checker(o.paths.modernAff, o.paths.modernDic);
    listgen::HunspellChecker reformedChecker(listgen::SourcePaths::affOf(o.paths.reformedDic),
                                             o.paths.reformedDic);
    listgen::UnmunchExpander expander(o.paths.unmunch, o.paths.modernAff, o.paths.workDir);
    listgen::LexiconBuilder builder(expander, checker, filter,
                                    reformedChecker.isLoaded() ? &reformedChecker : nullptr);
    if (!o.newWords.empty())
        builder.setOwnWords(own.words());
    listgen::Lexicon lexicon;
    if (!builder.build(sources, lexicon)) {
        std::fprintf(stderr, "listgen : %s\n", builder.errorText().c_str());
        return 1;
    }
    std::vector<listgen::ListReport> reports;
    const bool written = generator.writeMissing(lexicon, reports);
    for (const auto& report : reports)
        std::printf("%-28s %6zu lignes\n", report.name.c_str(), report.lines);
    if (!written) {
        std::fprintf(stderr, "listgen : %s\n", generator.errorText().c_str());
        return 1;
    }
    if (!o.newWords.empty())
        reportMissing(o, builder, own);
    if (!lexicon.hasReformed)
        std::fprintf(stderr,
                     "listgen : pas de dictionnaire rectifié, "
                     "ods6new_nouv_graphies.txt n'est pas fait\n");
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("listgen : %zu listes écrites en %.1f s\n", reports.size(), took.count());
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parseArguments(argc, argv, options))
        return 2;
    return generate(options);
}
