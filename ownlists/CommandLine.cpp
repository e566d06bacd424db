#include <ownlists/CommandLine.h>

#include <ownlists/ImportSession.h>

#include <catalogue/Catalogue.h>

#include <listfolder/FolderRepair.h>
#include <listmaking/ownwords/ShownText.h>

#include <places/PlayerFolders.h>

#include <chrono>

namespace ownlists {

std::string CommandLine::usage()
{
    const std::string lists = std::to_string(catalogue::Catalogue::rows().size());
    return "Usage : vorlane [--fabriquer]\n"
           "        vorlane --mes-mots FICHIER [--remplacer]\n"
           "        vorlane --aide\n"
           "\n"
           "Sans option, vorlane ouvre sa fenêtre d'accueil : choisir une liste, puis LANCER. Un "
           "clic\n"
           "droit dans cette fenêtre offre « Fabriquer mes listes à partir de mes mots… » et\n"
           "« Revenir aux listes d'origine ».\n"
           "\n"
           "  --fabriquer          ouvre aussi la fenêtre qui fabrique vos listes à partir de vos "
           "mots\n"
           "  --mes-mots FICHIER   fabrique les "
        + lists
        + " listes à partir de FICHIER, sans fenêtre : un mot\n"
          "                       par ligne, sous n'importe quelle forme, casse et accents libres "
          ";\n"
          "                       UTF-8, UTF-16 ou Windows-1252. Elles vont dans le dossier data "
          "du\n"
          "                       dossier de travail s'il contient des listes, sinon dans votre\n"
          "                       dossier de listes ("
        + places::PlayerFolders::listsAsNamed()
        + ").\n"
          "  --remplacer          avec --mes-mots : remplace les listes déjà là, toutes ensemble\n"
          "  --aide, --help       cette aide\n";
}

CommandLine CommandLine::parse(int argc, const char* const* argv)
{
    CommandLine line;
    const auto wrong = [&line](const std::string& why) {
        line.action = Action::wrong;
        line.error = listmaking::ShownText::of(why);
        return line;
    };
    bool hasFile = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--aide" || argument == "--help" || argument == "-h")
            line.action = Action::help;
        else if (argument == "--fabriquer" && line.action == Action::window)
            line.action = Action::importWindow;
        else if (argument == "--remplacer")
            line.replace = true;
        else if (argument == "--mes-mots" && i + 1 >= argc) {
            line.fileMissing = true;
            return wrong("--mes-mots sans FICHIER");
        } else if (argument == "--mes-mots" && hasFile)
            return wrong("--mes-mots est donné deux fois");
        else if (argument == "--mes-mots" && argv[i + 1][0] == '\0')
            return wrong("--mes-mots \"\" : le nom du FICHIER est vide, il n'y a rien à lire");
        else if (argument == "--mes-mots") {
            line.playerFile = argv[++i];
            hasFile = true;
        } else
            return wrong("option inconnue : " + argument);
    }
    if (line.action == Action::help)
        return line;
    if (!line.playerFile.empty() && line.action == Action::importWindow)
        return wrong("--mes-mots travaille sans fenêtre : il ne va pas avec --fabriquer");
    if (line.replace && line.playerFile.empty())
        return wrong("--remplacer ne vaut qu'avec --mes-mots FICHIER");
    if (!line.playerFile.empty())
        line.action = Action::importWords;
    return line;
}

int CommandLine::importWords(const ImportSetup& setup, const std::atomic<bool>* cancel,
                             std::FILE* out, std::FILE* errors) const
{
    const auto start = std::chrono::steady_clock::now();
    const listmaking::ImportMessages messages("vorlane");
    // a switch cut short is undone, and said, before anything else
    if (setup.problem.empty())
        listmaking::ImportMessages::print(
            messages.notes(listfolder::FolderRepair::atStart(setup.dataDir)), out, errors);
    listmaking::ImportMessages::print({{false, "vorlane : " + setup.destination()}}, out, errors);
    ImportSession session(setup, replace,
                          "relancer avec --remplacer (vorlane --mes-mots " + playerFile
                              + " --remplacer)");
    auto stop = session.read(playerFile);
    if (stop)
        stop = session.plan();
    if (!stop) {
        listmaking::ImportMessages::print(session.messagesOfStop("vorlane", stop), out, errors);
        return 1;
    }
    listmaking::RunControl control;
    control.cancel = cancel;
    control.progress = messages.stepPrinter(out);
    const auto ran = session.run(control);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    listmaking::ImportMessages::print(session.messagesOfRun("vorlane", ran, seconds), out, errors);
    return ran ? 0 : ran.wasCancelled() ? 130 : 1;
}

}  // namespace ownlists
