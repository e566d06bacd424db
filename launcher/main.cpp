#include <launcher/CommandLineBox.h>
#include <launcher/Form2.h>
#include <launcher/ImportWindow.h>
#include <launcher/ListsRepair.h>

#include <files/Process.h>
#include <ownlists/CommandLine.h>

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::atomic<bool> interrupted{false};

extern "C" void onSignal(int)
{
    interrupted.store(true);
}

// `vorlane --mes-mots FICHIER`: no window, so no display is needed.
int importWords(int argc, char* argv[], const ownlists::CommandLine& line)
{
    QCoreApplication app(argc, argv);
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    return line.importWords(ownlists::ImportSetup::forThisProgram(), &interrupted);
}

// Started where nothing printed is read, `--aide` and a wrong line are said in a window, which
// may open the import window for a line that lacks only the player's file; `--mes-mots
// FICHIER` is done in the import window.
int window(int argc, char* argv[], ownlists::CommandLine line)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));  // buttons show their background colour
    // The program speaks French, and so do the file dialog and the menus that Qt makes.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_fr"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    if (line.action == ownlists::CommandLine::Action::help
        || line.action == ownlists::CommandLine::Action::wrong) {
        launcher::CommandLineBox box(line);
        box.exec();
        if (!box.importWindowChosen())
            return line.action == ownlists::CommandLine::Action::help ? 0 : 2;
        line.action = ownlists::CommandLine::Action::importWindow;
    }
    // Hiding the launcher for a drill is no reason to end; the farewell ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    // Before any list is read, a switch cut short in the lists folders is undone.
    launcher::Form2 launcher(launcher::ListsRepair::atStart());
    launcher.show();
    if (line.action == ownlists::CommandLine::Action::importWords)
        launcher.importForm().startImportOf(QString::fromStdString(line.playerFile));
    else if (line.action == ownlists::CommandLine::Action::importWindow)
        launcher.importForm().startImport();
    return app.exec();
}

}  // namespace

int main(int argc, char* argv[])
{
    // On Windows the arguments as typed, accents included, whatever the 8-bit code page.
    const std::vector<std::string> arguments = files::utf8Arguments(argc, argv);
    std::vector<const char*> given;
    for (const std::string& argument : arguments)
        given.push_back(argument.c_str());
    const auto line = ownlists::CommandLine::parse(static_cast<int>(given.size()), given.data());
    const bool windowed = line.action == ownlists::CommandLine::Action::window
        || line.action == ownlists::CommandLine::Action::importWindow;
    const bool printedIsRead = windowed || files::useParentConsole();
    switch (line.action) {
    case ownlists::CommandLine::Action::help:
        if (!printedIsRead)
            return window(argc, argv, line);
        std::fputs(ownlists::CommandLine::usage().c_str(), stdout);
        return 0;
    case ownlists::CommandLine::Action::wrong:
        if (!printedIsRead)
            return window(argc, argv, line);
        std::fprintf(stderr, "vorlane : %s\nvorlane --aide donne l'usage\n", line.error.c_str());
        return 2;
    case ownlists::CommandLine::Action::importWords:
        if (!printedIsRead)  // its progress and summary are shown in the import window
            return window(argc, argv, line);
        return importWords(argc, argv, line);
    case ownlists::CommandLine::Action::window:
    case ownlists::CommandLine::Action::importWindow:
        break;
    }
    return window(argc, argv, line);
}
