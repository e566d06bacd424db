// The player's own lists from the launcher's right-click menu: choose the file, confirm, read
// the summary, drill the new list; cancelled, on a full disk, with bad input, and back to the
// original lists.
#include <listmaking/tests/HunspellFixture.h>

#include <catalogue/Catalogue.h>
#include <files/ShownPath.h>
#include <files/Utf8Path.h>
#include <launcher/CatalogueBox.h>
#include <launcher/Form2.h>
#include <launcher/ImportWindow.h>
#include <launcher/WordFileDialog.h>
#include <listfolder/RunLock.h>
#include <listfolder/tests/CutSwitch.h>
#include <listmaking/ownwords/ImportMessages.h>
#include <listmaking/ownwords/OwnWordsImport.h>
#include <ownlists/OriginalLists.h>
#include <places/ListFolders.h>
#include <places/ProgramFiles.h>
#include <testsupport/CurrentFolder.h>
#include <testsupport/EnvironmentVariable.h>
#include <testsupport/FolderSnapshot.h>
#include <testsupport/SeededRandomSource.h>
#include <testsupport/SmallDisk.h>
#include <testsupport/TestFiles.h>
#include <testsupport/WindowLayout.h>
#include <testsupport/WindowProbe.h>
#include <training/window/Form1.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTranslator>
#include <QTreeView>
#include <QtTest>

#include <filesystem>
#include <set>

namespace fs = std::filesystem;
using launcher::Form2;
using launcher::ImportWindow;
using Step = launcher::ImportWindow::Step;
using testsupport::FolderSnapshot;
using testsupport::WindowLayout;
using testsupport::WindowProbe;

namespace {

// The launcher in an empty working folder, its imports made from the fixture dictionary into
// `data`, on the test's thread, from the file that `chosen` names.
struct Launcher {
    explicit Launcher(const std::string& data, bool workingFolder = false)
    {
        dictionary.write("mes-mots.txt", "autrice\r\nbloguons\r\nzorglub\r\ncovid19\r\n");
        // a list as installed with the program, for going back to
        dictionary.write("ods6new_7L.txt", "ACEIRTU;AUTRICE\r\n");
        chosen = QString::fromStdString(dictionary.file("mes-mots.txt"));
        ImportWindow& import = window.importForm();
        import.setup = [ this, data, workingFolder ] {
            return ownlists::ImportSetup{data, workingFolder, dictionary.paths(),
                                         dictionary.file(".")};
    };
    import.chooseFile = [this] { return chosen;
};
import.runOn = ownlists::ImportRunner::Thread::caller;
training::Form1& drill = window.trainingForm();
drill.dataFolders = {data};
drill.setRandomSource(std::make_unique<testsupport::SeededRandomSource>(7));
window.quitProgram = [] {};
window.show();
}  // namespace

// The entry of the right-click menu, as the menu that opens shows it.
QAction* menuEntry(const QString& name)
{
    const QPoint at(20, 20);
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, window.mapToGlobal(at));
    QApplication::sendEvent(&window, &click);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QAction* found = nullptr;
    for (QAction* entry : menu ? menu->actions() : QList<QAction*>())
        if (entry->objectName() == name)
            found = entry;
    if (menu)
        menu->close();
    return found;
}

ImportWindow& import()
{
    return window.importForm();
}
QPushButton* button(const QString& name)
{
    return WindowProbe(import()).button(name);
}
QString explanation()
{
    return WindowProbe(import()).label("explication")->text();
}
QString details()
{
    return WindowProbe(import()).get<QPlainTextEdit>("details")->toPlainText();
}
// A key as the player presses it: to whatever holds the focus in the window.
void press(Qt::Key key)
{
    QWidget* focused = import().focusWidget();
    QTest::keyClick(focused ? focused : &import(), key);
}
QString focusedName()
{
    return import().focusWidget() ? import().focusWidget()->objectName() : QString();
}

HunspellFixture dictionary{true};
testsupport::TempFolder working;
testsupport::CurrentFolder inside{working.path()};
QString chosen;
Form2 window;
}
;

// Empty when the window's controls are inside it, apart, all reached by Tab in the table's
// order; else what is wrong.
QString misfits(const ImportWindow& window)
{
    const QStringList walk = WindowLayout::tabWalk(window);
    const QStringList table = WindowLayout::byTabIndex(window);
    QStringList wrong = WindowLayout::outside(window) + WindowLayout::overlaps(window, {})
        + WindowLayout::withoutTabIndex(window);
    if (walk != table)
        wrong << "Tab walks " + walk.join(' ') + " instead of " + table.join(' ');
    return wrong.join("; ");
}

// Old lists in every file of an import, to see that they stay as they were.
std::map<std::string, std::string> writeOldLists(const std::string& data)
{
    fs::create_directories(files::fromUtf8(data));
    for (const auto& name : listmaking::OwnWordsImport::fileNames())
        testsupport::writeBytes(data + "/" + name, "OLD;" + name + "\r\n");
    return FolderSnapshot::of(data);
}

}  // namespace

class ImportWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void importFromTheMenuThenDrillTheNewList();
    void cancelChangesNothing();
    void theKeyboardAloneImports();
    void aSwitchCutSinceTheStartIsUndoneAndSaidFirst();
    void theFileDialogSpeaksFrenchWhole();
    void folderThatFailsChangesNothing_data();
    void folderThatFailsChangesNothing();
    void badInputIsToldInFrench_data();
    void badInputIsToldInFrench();
    void aFileGivenAtStartIsReadAtOnce_data();
    void aFileGivenAtStartIsReadAtOnce();
    void goingBackPutsThePlayersListsAside();
    void onAWorkerThreadTheMenuWaits();
    void listsAreReadFromThePlayersFolderAfterTheWorkingOne();
    void everyListsLineOfTheSummaryStandsOnOneLine();
};

void ImportWindowTest::importFromTheMenuThenDrillTheNewList()
{
    testsupport::TempFolder home;
    const std::string data = home.file("vorlane/data");
    Launcher launcher(data);
    QVERIFY(!launcher.window.toolTip().isEmpty());
    QAction* entry = launcher.menuEntry("fabriquerListes");
    QVERIFY(entry && entry->isEnabled());
    QVERIFY(!launcher.menuEntry("revenirOrigine")->isEnabled());  // nothing to go back from
    entry->trigger();
    QCOMPARE(launcher.import().step(), Step::choose);
    QVERIFY(launcher.import().isVisible());
    QVERIFY2(misfits(launcher.import()).isEmpty(), qPrintable(misfits(launcher.import())));

    launcher.button("choisir")->click();
    QCOMPARE(launcher.import().step(), Step::confirm);
    QVERIFY2(misfits(launcher.import()).isEmpty(), qPrintable(misfits(launcher.import())));
    for (const QString& piece : {QStringLiteral("mes-mots.txt lu en ASCII : 3 mot(s) retenu(s)"),
                                 QStringLiteral("ligne 4 : « covid19 »"),
                                 QStringLiteral("Les listes vont dans %1")
                                     .arg(QString::fromStdString(files::shownPath(data))),
                                 QStringLiteral("Aucun fichier n'y est remplacé.")})
        QVERIFY2(launcher.details().contains(piece), qPrintable(launcher.details()));
    QVERIFY(!testsupport::exists(data + "/ods6new_7L.txt"));  // nothing before the confirmation

    launcher.button("fabriquer")->click();
    QCOMPARE(launcher.import().step(), Step::summary);
    QVERIFY2(misfits(launcher.import()).isEmpty(), qPrintable(misfits(launcher.import())));
    for (const QString& piece :
         {QStringLiteral("7 lettres : 2 tirages"),
          QStringLiteral("1 absent(s), entraîné(s) tels quels : ZORGLUB"),
          QStringLiteral("écrits dans %1").arg(QString::fromStdString(files::shownPath(data)))})
        QVERIFY2(launcher.details().contains(piece), qPrintable(launcher.details()));
    launcher.button("fermer")->click();
    QVERIFY(launcher.import().isHidden());

    // LANCER drills the player's own words
    auto* box = WindowProbe(launcher.window).get<launcher::CatalogueBox>("fichier", 0);
    box->setCurrentIndex(box->findText(QStringLiteral("7 lettres")));
    Q_EMIT box->itemPicked(box->currentIndex());
    WindowProbe(launcher.window).button("Command1")->click();
    const WindowProbe drill(*launcher.window.training());
    const std::set<QString> draws{drill.box("tirage", 0)->text(), drill.box("tirage", 1)->text()};
    QCOMPARE(draws, (std::set<QString>{"ACEIRTU", "BGLORUZ"}));  // AUTRICE, ZORGLUB
    QVERIFY(drill.box("tirage", 2)->text().isEmpty());
}

// « Annuler » while the lists are written: the working folder's lists stay as they were, and
// none is kept aside.
void ImportWindowTest::cancelChangesNothing()
{
    testsupport::TempFolder place;
    const std::string data = place.file("data");
    const auto before = writeOldLists(data);
    Launcher launcher(data, true);
    launcher.menuEntry("fabriquerListes")->trigger();
    launcher.button("choisir")->click();
    QVERIFY2(launcher.details().contains(QStringLiteral("Ces 35 fichiers y seront remplacés")),
             qPrintable(launcher.details()));
    // armed once the file is read: its reading has a progress of its own
    auto* bar = WindowProbe(launcher.import()).get<QProgressBar>("progression");
    const auto cancelling = QObject::connect(
        bar, &QProgressBar::valueChanged, &launcher.window, [&launcher](int value) {
            if (value >= 700 && launcher.button("annuler")->isEnabled())
                launcher.button("annuler")->click();
        });
    launcher.button("fabriquer")->click();
    QObject::disconnect(cancelling);
    QCOMPARE(launcher.import().step(), Step::failed);
    QVERIFY2(launcher.explanation().startsWith(QStringLiteral("Fabrication annulée")),
             qPrintable(launcher.explanation()));
    QCOMPARE(FolderSnapshot::of(data), before);
    QVERIFY(!testsupport::exists(place.file(ownlists::OriginalLists::keptFolderName)));
    QVERIFY(launcher.menuEntry("fabriquerListes")->isEnabled());

    launcher.button("autre")->click();  // a cancel once does not grey « Annuler » for good
    QCOMPARE(launcher.import().step(), Step::confirm);
    QVERIFY(launcher.button("annuler")->isEnabled());
    launcher.import().close();
    launcher.menuEntry("fabriquerListes")->trigger();
    launcher.button("choisir")->click();
    QVERIFY(launcher.button("annuler")->isEnabled());
}

// Another run cut short while switching after the launcher had started: the import undoes it
// before reading the folder, and says so first at the confirm step and in the summary.
void ImportWindowTest::aSwitchCutSinceTheStartIsUndoneAndSaidFirst()
{
    testsupport::TempFolder home;
    const std::string data = home.file("vorlane/data");
    const auto before = writeOldLists(data);
    Launcher launcher(data);
    testsupport::TempFolder work;
    CutSwitch::run(data, work.file("travail"), {"ods6new_5L.txt", "ods6new_7L.txt"},
                   "remplacement ods6new_7L.txt");
    QVERIFY(FolderSnapshot::of(data) != before);
    launcher.menuEntry("fabriquerListes")->trigger();
    launcher.button("choisir")->click();
    QCOMPARE(launcher.import().step(), Step::confirm);
    const QString repaired = QStringLiteral("une fabrication interrompue a été défaite");
    QVERIFY2(launcher.details().startsWith(repaired), qPrintable(launcher.details()));
    launcher.button("fabriquer")->click();
    QCOMPARE(launcher.import().step(), Step::summary);
    QVERIFY2(launcher.details().startsWith(repaired), qPrintable(launcher.details()));
    QVERIFY(launcher.details().contains(QStringLiteral("7 lettres : 2 tirages")));
}

// On a machine set to C, as the program runs it (with Qt's French texts): the sizes in octets,
// the dates French, every column title whole.
void ImportWindowTest::theFileDialogSpeaksFrenchWhole()
{
    QTranslator qtTexts;
    // Qt built for Windows has no texts of its own: the run names this machine's
    const QString texts = qEnvironmentVariable("VORLANE_QT_TRANSLATIONS",
                                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QVERIFY(qtTexts.load(QStringLiteral("qtbase_fr"), texts));
    QApplication::installTranslator(&qtTexts);
    testsupport::TempFolder folder;
    testsupport::writeBytes(folder.file("mes mots.txt"), std::string(42, 'a'));
    launcher::WordFileDialog dialog(nullptr, QString::fromStdString(files::toUtf8(folder.path())));
    auto* files = dialog.findChild<QFileSystemModel*>();
    QSignalSpy loaded(files, &QFileSystemModel::directoryLoaded);
    dialog.show();
    QVERIFY(loaded.count() > 0 || loaded.wait());
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    const QModelIndex name = view->model()->index(0, 0, view->rootIndex());
    QCOMPARE(name.data().toString(), QStringLiteral("mes mots.txt"));
    QCOMPARE(name.siblingAtColumn(1).data().toString(), QStringLiteral("42 octets"));
    QCOMPARE(name.siblingAtColumn(2).data().toString(), QStringLiteral("Fichier TXT"));
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d\\d/\\d\\d/20\\d\\d \\d\\d:\\d\\d$"))
                 .match(name.siblingAtColumn(3).data().toString())
                 .hasMatch(),
             qPrintable(name.siblingAtColumn(3).data().toString()));
    dialog.fitColumns();
    const QHeaderView* header = view->header();
    int right = 0;
    for (int column = 0; column < 4; ++column) {
        const QString title = view->model()->headerData(column, Qt::Horizontal).toString();
        QVERIFY2(header->sectionSize(column) > header->fontMetrics().horizontalAdvance(title) + 8,
                 qPrintable(title));
        right =
            std::max(right, header->sectionViewportPosition(column) + header->sectionSize(column));
    }
    QVERIFY(right <= view->viewport()->width());  // the last title in sight, not scrolled to
    QCOMPARE(view->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Taille"));
    QApplication::removeTranslator(&qtTexts);
}

// Enter presses the focused button or the step's default one, which holds the focus at each
// step; Esc is « Annuler » or « Fermer ».
void ImportWindowTest::theKeyboardAloneImports()
{
    testsupport::TempFolder home;
    const std::string data = home.file("vorlane/data");
    Launcher launcher(data);
    launcher.menuEntry("fabriquerListes")->trigger();
    QCOMPARE(launcher.focusedName(), QStringLiteral("choisir"));
    launcher.press(Qt::Key_Return);
    QCOMPARE(launcher.import().step(), Step::confirm);
    QCOMPARE(launcher.focusedName(), QStringLiteral("fabriquer"));
    launcher.press(Qt::Key_Escape);  // « Annuler »: nothing made
    QVERIFY(launcher.import().isHidden());
    QVERIFY(!testsupport::exists(data + "/ods6new_7L.txt"));

    launcher.menuEntry("fabriquerListes")->trigger();
    launcher.press(Qt::Key_Enter);
    launcher.press(Qt::Key_Tab);  // to « Choisir un autre fichier »
    QCOMPARE(launcher.focusedName(), QStringLiteral("autre"));
    launcher.press(Qt::Key_Return);
    QCOMPARE(launcher.import().step(), Step::confirm);
    QCOMPARE(launcher.focusedName(), QStringLiteral("fabriquer"));
    launcher.press(Qt::Key_Return);
    QCOMPARE(launcher.import().step(), Step::summary);
    QVERIFY(testsupport::exists(data + "/ods6new_7L.txt"));
    QCOMPARE(launcher.focusedName(), QStringLiteral("fermer"));
    launcher.press(Qt::Key_Escape);
    QVERIFY(launcher.import().isHidden());

    launcher.menuEntry("revenirOrigine")->trigger();
    QCOMPARE(launcher.import().step(), Step::goingBack);
    QCOMPARE(launcher.focusedName(), QStringLiteral("revenir"));
    launcher.press(Qt::Key_Escape);  // stays as it is
    QVERIFY(launcher.import().isHidden() && testsupport::exists(data + "/ods6new_7L.txt"));
    launcher.menuEntry("revenirOrigine")->trigger();
    launcher.press(Qt::Key_Return);
    QCOMPARE(launcher.import().step(), Step::wentBack);
    QVERIFY(!testsupport::exists(data + "/ods6new_7L.txt"));
    QCOMPARE(launcher.focusedName(), QStringLiteral("fermer"));
    launcher.press(Qt::Key_Return);
    QVERIFY(launcher.import().isHidden());

    launcher.chosen = QString::fromStdString(home.file("absent.txt"));
    launcher.menuEntry("fabriquerListes")->trigger();
    launcher.press(Qt::Key_Return);
    QCOMPARE(launcher.import().step(), Step::failed);
    QCOMPARE(launcher.focusedName(), QStringLiteral("fermer"));
    launcher.press(Qt::Key_Escape);
    QVERIFY(launcher.import().isHidden());
}

void ImportWindowTest::folderThatFailsChangesNothing_data()
{
    QTest::addColumn<bool>("full");  // else read-only
    QTest::addColumn<QString>("said");
    QTest::newRow("full disk") << true << "disque est plein";
    QTest::newRow("read-only folder") << false << "ne peut pas être écrit";
}

// A small file system of its own, filled up before the lists are written, or made read-only;
// where it cannot be made read-only, a folder without the write right, which only a user other
// than root is refused. The engine's tests also fail each step of the switch in turn.
void ImportWindowTest::folderThatFailsChangesNothing()
{
    QFETCH(bool, full);
    QFETCH(QString, said);
    testsupport::TempFolder place;
    testsupport::SmallDisk disk(files::fromUtf8(place.file("disk")), 1 << 20);
    if (full && !disk.ready())
        QSKIP(disk.why().c_str());
    const std::string data = disk.ready() ? disk.file("data") : place.file("data");
    const auto before = writeOldLists(data);
    if (full) {
        QVERIFY(disk.fill());
    } else if (!disk.makeReadOnly()) {
        fs::permissions(files::fromUtf8(data), fs::perms::owner_read | fs::perms::owner_exec);
        if (QFileInfo(QString::fromStdString(data)).isWritable())
            QSKIP("No read-only disk here, and the folder's rights do not stop this user (root, "
                  "or Windows, where a folder's read-only mark does not guard its files).");
    }
    Launcher launcher(data);
    launcher.menuEntry("fabriquerListes")->trigger();
    launcher.button("choisir")->click();
    if (full)
        launcher.button("fabriquer")->click();
    const Step step = launcher.import().step();
    const QString explanation = launcher.explanation();
    const auto after = FolderSnapshot::of(data);
    launcher.import().close();
    QCOMPARE(step, Step::failed);
    QVERIFY2(explanation.contains(said), qPrintable(explanation));
    QCOMPARE(after, before);
}

void ImportWindowTest::badInputIsToldInFrench_data()
{
    QTest::addColumn<QString>("words");   // the file's text; "-" for no file at all
    QTest::addColumn<QString>("chosen");  // "" for none, "fichier" for the file above
    QTest::addColumn<QString>("folder");  // where the lists go, under a temporary folder
    QTest::addColumn<bool>("otherRun");   // another import holds the lock
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("said");
    const int choose = static_cast<int>(Step::choose);
    const int failed = static_cast<int>(Step::failed);
    QTest::newRow("no file chosen")
        << "zen"
        << ""
        << "data" << false << choose << "Aucun fichier choisi : rien n'a été fait";
    QTest::newRow("unreadable file") << "-"
                                     << "fichier"
                                     << "data" << false << failed << "liste.txt";
    QTest::newRow("no word") << "covid19\r\nex-voto\r\n"
                             << "fichier"
                             << "data" << false << failed
                             << "ne contient aucun mot du jeu (2 ligne(s) refusée(s))";
    QTest::newRow("folder that cannot be made")
        << "zen"
        << "fichier"
        << "liste.txt/data" << false << failed << "ne peut pas être créé";
    QTest::newRow("another import running")
        << "zen"
        << "fichier"
        << "data" << true << failed << "une autre opération est en cours sur le dossier des listes";
}

// Nothing is made, and the window says why, in French.
void ImportWindowTest::badInputIsToldInFrench()
{
    QFETCH(QString, words);
    QFETCH(QString, chosen);
    QFETCH(QString, folder);
    QFETCH(bool, otherRun);
    QFETCH(int, step);
    QFETCH(QString, said);
    testsupport::TempFolder place;
    const std::string data = place.file(folder.toStdString());
    const std::string file = place.file("liste.txt");
    if (words != "-")
        testsupport::writeBytes(file, words.toStdString());
    Launcher launcher(data);
    launcher.chosen = chosen.isEmpty() ? QString() : QString::fromStdString(file);
    listfolder::RunLock other;
    QVERIFY(!otherRun || other.take(launcher.dictionary.paths().workDir, data));
    launcher.menuEntry("fabriquerListes")->trigger();
    launcher.button("choisir")->click();
    QCOMPARE(static_cast<int>(launcher.import().step()), step);
    QVERIFY2(launcher.explanation().contains(said), qPrintable(launcher.explanation()));
    launcher.import().close();
    QVERIFY(!testsupport::exists(data));
}

void ImportWindowTest::aFileGivenAtStartIsReadAtOnce_data()
{
    QTest::addColumn<bool>("there");  // the file given exists
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("said");
    QTest::newRow("words") << true << static_cast<int>(Step::confirm) << "mes-mots.txt";
    QTest::newRow("no such file") << false << static_cast<int>(Step::failed) << "absent.txt";
}

// `vorlane --mes-mots FICHIER` from a shortcut: no file dialog, the window reads it at once and
// says what it found, or why not.
void ImportWindowTest::aFileGivenAtStartIsReadAtOnce()
{
    QFETCH(bool, there);
    QFETCH(int, step);
    QFETCH(QString, said);
    testsupport::TempFolder place;
    const std::string data = place.file("data");
    Launcher launcher(data);
    launcher.chosen = QStringLiteral("le dialogue ne doit pas s'ouvrir");
    const QString given = QString::fromStdString(there ? launcher.dictionary.file("mes-mots.txt")
                                                       : place.file("absent.txt"));
    launcher.import().startImportOf(given);
    QVERIFY(launcher.import().isVisible());
    QCOMPARE(static_cast<int>(launcher.import().step()), step);
    const QString shown = launcher.explanation() + launcher.details();
    QVERIFY2(shown.contains(said), qPrintable(shown));
    launcher.import().close();
    QVERIFY(!testsupport::exists(data));
}

void ImportWindowTest::goingBackPutsThePlayersListsAside()
{
    testsupport::TempFolder home;
    const std::string data = home.file("vorlane/data");
    Launcher launcher(data);
    launcher.menuEntry("fabriquerListes")->trigger();
    launcher.button("choisir")->click();
    launcher.button("fabriquer")->click();
    launcher.button("fermer")->click();
    const auto players = FolderSnapshot::of(data);

    QAction* back = launcher.menuEntry("revenirOrigine");
    QVERIFY(back && back->isEnabled());
    back->trigger();
    QCOMPARE(launcher.import().step(), Step::goingBack);
    QVERIFY2(misfits(launcher.import()).isEmpty(), qPrintable(misfits(launcher.import())));
    const QString offered = launcher.details();
    QVERIFY2(offered.contains(QString::fromStdString(files::shownPath(data))), qPrintable(offered));
    launcher.button("revenir")->click();
    QCOMPARE(launcher.import().step(), Step::wentBack);
    QVERIFY(!testsupport::exists(data));
    std::vector<fs::path> aside;
    for (const auto& entry : fs::directory_iterator(files::fromUtf8(home.file("vorlane"))))
        if (files::toUtf8(entry.path().filename())[0] != '.')  // the folder's lock stays beside it
            aside.push_back(entry.path());
    QCOMPARE(aside.size(), std::size_t(1));
    QVERIFY(files::toUtf8(aside[0].filename()).rfind(ownlists::OriginalLists::asidePrefix, 0) == 0);
    QCOMPARE(FolderSnapshot::of(files::toUtf8(aside[0])), players);  // nothing deleted
    // the folder announced, and told (with the separators the test's folder has)
    const QString asideName =
        QDir::fromNativeSeparators(QString::fromStdString(files::toUtf8(aside[0])));
    for (const QString& said : {offered, launcher.details()})
        QVERIFY2(QDir::fromNativeSeparators(said).contains(asideName), qPrintable(said));
    QVERIFY(!launcher.menuEntry("revenirOrigine")->isEnabled());
}

// The reading and the import on their own thread: the menu offers no second import until it
// is done.
void ImportWindowTest::onAWorkerThreadTheMenuWaits()
{
    testsupport::TempFolder home;
    Launcher launcher(home.file("vorlane/data"));
    launcher.import().runOn = ownlists::ImportRunner::Thread::worker;
    launcher.menuEntry("fabriquerListes")->trigger();
    launcher.button("choisir")->click();
    QCOMPARE(launcher.import().step(), Step::running);  // the file is read off the window's thread
    QTRY_COMPARE_WITH_TIMEOUT(launcher.import().step(), Step::confirm, 60000);
    launcher.button("fabriquer")->click();
    QVERIFY(!launcher.menuEntry("fabriquerListes")->isEnabled());
    QCOMPARE(launcher.import().step(), Step::running);
    QTRY_COMPARE_WITH_TIMEOUT(launcher.import().step(), Step::summary, 60000);
    QVERIFY(launcher.menuEntry("fabriquerListes")->isEnabled());
    QCOMPARE(WindowProbe(launcher.import()).get<QProgressBar>("progression")->value(), 1000);
}

// The working folder's data/ first, then the player's folder (following XDG_DATA_HOME, or
// APPDATA on Windows), then the lists installed with the program.
void ImportWindowTest::listsAreReadFromThePlayersFolderAfterTheWorkingOne()
{
    testsupport::TempFolder home;
    testsupport::TempFolder working;
    const testsupport::CurrentFolder inside(working.path());
#ifdef _WIN32
    const char* const dataHome = "APPDATA";
#else
    const char* const dataHome = "XDG_DATA_HOME";
#endif
    std::vector<std::string> folders;
    {
        const testsupport::EnvironmentVariable playerHome(dataHome,
                                                          files::toUtf8(home.path()).c_str());
        folders = places::ListFolders::afterWorkingFolder();
    }
    QVERIFY(files::fromUtf8(folders.front()) == files::fromUtf8(home.file("vorlane/data")));
    QCOMPARE(folders.back(), places::ProgramFiles::shippedLists());
    QVERIFY(!places::ListFolders::workingFolderInUse());

    training::Form1 drill;
    drill.dataFolders = folders;
    home.write("vorlane/data/ods6new_7L.txt", {"ACEIRTU;AUTRICE"});
    QVERIFY(drill.commencer(QStringLiteral("7 lettres"), 0));
    QCOMPARE(WindowProbe(drill).box("tirage", 0)->text(), QStringLiteral("ACEIRTU"));
    working.write("data/ods6new_7L.txt", {"BGLORUZ;ZORGLUB"});
    QVERIFY(places::ListFolders::workingFolderInUse());
    QVERIFY(drill.commencer(QStringLiteral("7 lettres"), 0));
    QCOMPARE(WindowProbe(drill).box("tirage", 0)->text(), QStringLiteral("BGLORUZ"));
}

// The summary names each list with its count, then its file in one column after the longest
// title the catalogue has: each such line stands on one line of the box at the window's design
// size, for the largest list, the scroll bar of a long summary shown.
void ImportWindowTest::everyListsLineOfTheSummaryStandsOnOneLine()
{
    testsupport::TempFolder working;
    testsupport::CurrentFolder inside{working.path()};
    Form2 window;
    window.importForm().startImport();
    auto* details = WindowProbe(window.importForm()).get<QPlainTextEdit>("details");
    const int room = details->contentsRect().width()
        - details->verticalScrollBar()->sizeHint().width()
        - 2 * static_cast<int>(details->document()->documentMargin());
    const QFontMetrics metrics(details->font());
    std::vector<std::pair<std::string, std::size_t>> largest;
    for (const catalogue::ListRow& row : catalogue::Catalogue::rows())
        largest.emplace_back(row.fileName, 10001);
    for (const auto& line : listmaking::ImportMessages().files(largest)) {
        const QString text = QString::fromStdString(line.text);
        QVERIFY2(metrics.horizontalAdvance(text) <= room,
                 qPrintable(QStringLiteral("%1 px > %2 px : %3")
                                .arg(metrics.horizontalAdvance(text))
                                .arg(room)
                                .arg(text)));
    }
}

QTEST_MAIN(ImportWindowTest)
#include "ImportWindowTest.moc"
