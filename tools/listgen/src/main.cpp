// listgen: makes the catalogue lists of vorlane, out of the free French dictionaries of the
// system (the files missing from a data folder), or out of a player's own list of new words
// (all of them, with a report). Every message is French; see usage below.

#include <catalogue/Catalogue.h>
#include <files/Process.h>
#include <listfolder/FolderRepair.h>
#include <listmaking/lists/DefaultListsRun.h>
#include <listmaking/ownwords/ImportMessages.h>
#include <listmaking/ownwords/OwnWordsImport.h>
#include <listmaking/ownwords/ShownText.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

// The count of lists is the catalogue's.
std::string usage()
{
    const std::string lists = std::to_string(catalogue::Catalogue::rows().size());
    return "Usage : listgen --data DOSSIER --work DOSSIER [--new-words FICHIER [--overwrite]]\n"
           "                [--stop-list F] [--modern-dic F] [--modern-aff F] [--reformed-dic F]\n"
           "                [--older F] [--myspell-dic F] [--aspell F]\n"
           "\n"
           "Fabrique les "
        + lists
        + " listes d'entraînement de vorlane dans le dossier DATA.\n"
          "\n"
          "Sans --new-words : les listes qui manquent dans DOSSIER sont faites depuis les\n"
          "dictionnaires libres (un fichier déjà là n'est jamais remplacé).\n"
          "Avec --new-words FICHIER : les "
        + lists
        + " listes sont faites depuis la liste de nouveaux mots du\n"
          "joueur (un mot par ligne ; UTF-8, UTF-16 ou Windows-1252 ; casse et accents libres), "
          "avec\n"
          "le rapport mots_absents_du_dictionnaire.txt. Si l'un de ces fichiers est déjà dans\n"
          "DOSSIER, rien n'est écrit, sauf avec --overwrite qui les remplace tous ensemble.\n"
          "\n"
          "  --data DOSSIER      dossier des listes (créé au besoin)\n"
          "  --work DOSSIER      dossier de travail : lexique préparé, dictionnaires décompressés\n"
          "  --new-words FICHIER liste de nouveaux mots du joueur\n"
          "  --overwrite         remplace les fichiers déjà présents (avec --new-words)\n"
          "  --stop-list F       mots que le jeu refuse (listmaking/mots-refuses.txt)\n"
          "  --modern-dic F, --modern-aff F   dictionnaire moderne (hunspell-fr-classical)\n"
          "  --reformed-dic F    dictionnaire rectifié (hunspell-fr-revised)\n"
          "  --older F           liste ancienne (wfrench)\n"
          "  --myspell-dic F, --aspell F      dictionnaires anciens décompressés\n"
          "  --help              cette aide\n";
}

// A path or an argument as the terminal may show it.
std::string shown(const std::string& text)
{
    return listmaking::ShownText::of(text);
}

std::atomic<bool> interrupted{false};

extern "C" void onSignal(int)
{
    interrupted.store(true);
}

struct Options {
    std::string dataDir;
    std::string newWords;
    bool overwrite = false;
    lexicon::SourcePaths paths;
};

bool parseArguments(const std::vector<std::string>& argv, Options& o, bool& help)
{
    const std::size_t argc = argv.size();
    o.paths.stopList = LISTGEN_STOP_LIST;
    const std::map<std::string, std::string*> options = {
        {"--data", &o.dataDir},
        {"--work", &o.paths.workDir},
        {"--new-words", &o.newWords},
        {"--stop-list", &o.paths.stopList},
        {"--modern-dic", &o.paths.modernDic},
        {"--modern-aff", &o.paths.modernAff},
        {"--reformed-dic", &o.paths.reformedDic},
        {"--older", &o.paths.olderList},
        {"--myspell-dic", &o.paths.myspellDic},
        {"--aspell", &o.paths.aspellList},
    };
    for (std::size_t i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            help = true;
            return true;
        }
        if (argument == "--overwrite") {
            o.overwrite = true;
            continue;
        }
        const auto option = options.find(argument);
        if (option == options.end() || i + 1 >= argc) {
            std::fprintf(stderr, "listgen : option %s %s\n", shown(argument).c_str(),
                         option == options.end() ? "inconnue" : "sans valeur");
            return false;
        }
        *option->second = argv[++i];
        if (option->second->empty()) {
            std::fprintf(stderr, "listgen : option %s avec un nom vide\n", argument.c_str());
            return false;
        }
    }
    if (o.overwrite && o.newWords.empty()) {
        std::fprintf(stderr,
                     "listgen : --overwrite ne vaut qu'avec --new-words (les listes des "
                     "dictionnaires ne remplacent jamais un fichier)\n");
        return false;
    }
    if (o.dataDir.empty() || o.paths.workDir.empty()) {
        std::fprintf(stderr, "listgen : --data DOSSIER et --work DOSSIER sont obligatoires\n");
        return false;
    }
    o.paths.fillFromWorkDir();
    return true;
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

const listmaking::ImportMessages screen("listgen");

listmaking::RunControl screenControl()
{
    listmaking::RunControl control;
    control.cancel = &interrupted;
    control.progress = screen.stepPrinter();
    return control;
}

int failure(const std::string& error, bool cancelled)
{
    listmaking::ImportMessages::print(screen.failure(error, cancelled));
    return cancelled ? 130 : 1;
}

int makeDefaultLists(const Options& o)
{
    const auto start = std::chrono::steady_clock::now();
    listmaking::DefaultListsRun run(o.dataDir, o.paths);
    if (auto planned = run.plan(); !planned)
        return failure(planned.why(), false);
    const auto ran = run.run(screenControl());
    listmaking::ImportMessages::print(screen.notes(run.notes()));
    if (!ran)
        return failure(ran.why(), ran.wasCancelled());
    if (run.lexiconMade())
        std::printf("listgen : lexique préparé dans %s/lexique.txt, repris ensuite tel quel\n",
                    shown(o.paths.workDir).c_str());
    if (run.linesPerFile().empty()) {
        std::printf("listgen : les listes de %s sont toutes là, aucune n'est remplacée\n",
                    shown(o.dataDir).c_str());
        return 0;
    }
    listmaking::ImportMessages::print(screen.files(run.linesPerFile()));
    std::printf("listgen : %zu liste(s) écrite(s) dans %s en %.1f s\n", run.linesPerFile().size(),
                shown(o.dataDir).c_str(), secondsSince(start));
    return 0;
}

int importOwnWords(const Options& o)
{
    const auto start = std::chrono::steady_clock::now();
    listmaking::OwnWordsImport import({o.dataDir, o.paths, o.overwrite});
    if (auto read = import.read(o.newWords); !read) {
        listmaking::ImportMessages::print(screen.ofRead(import, read));
        return 1;
    }
    if (auto planned = import.plan(); !planned)
        return failure(planned.why(), false);
    const auto ran = import.run(screenControl());
    listmaking::ImportMessages::print(screen.ofRun(import, ran, o.dataDir, secondsSince(start)));
    if (!ran)
        return ran.wasCancelled() ? 130 : 1;
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    bool help = false;
    files::printUtf8();
    if (!parseArguments(files::utf8Arguments(argc, argv), options, help)) {
        std::fprintf(stderr, "listgen --help donne l'usage\n");
        return 2;
    }
    if (help) {
        std::fputs(usage().c_str(), stdout);
        return 0;
    }
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    // a switch cut short is undone, and said, before anything else
    listmaking::ImportMessages::print(
        screen.notes(listfolder::FolderRepair::atStart(options.dataDir)));
    return options.newWords.empty() ? makeDefaultLists(options) : importOwnWords(options);
}
