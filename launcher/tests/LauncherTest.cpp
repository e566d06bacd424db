// The launcher: its boxes, the start of a drill and the farewell.
#include <training/window/tests/ListFolder.h>

#include <catalogue/Catalogue.h>
#include <files/ShownPath.h>
#include <launcher/CatalogueBox.h>
#include <launcher/Form2.h>
#include <launcher/ListsRepair.h>
#include <look/Colour.h>
#include <look/Look.h>
#include <testsupport/FolderSnapshot.h>
#include <testsupport/PlayerHome.h>
#include <testsupport/SeededRandomSource.h>
#include <testsupport/WindowLayout.h>
#include <testsupport/WindowProbe.h>
#include <training/window/Form1.h>

#include <listfolder/FolderLock.h>
#include <listfolder/tests/CutSwitch.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <utility>

using launcher::Form2;
using launcher::ListsRepair;
using testsupport::WindowLayout;
using testsupport::WindowProbe;
using training::Form1;

namespace {

// Writes the file of every title of the catalogue, each with entries of its own.
void writeCatalogue(const ListFolder& folder)
{
    for (const catalogue::ListRow& row : catalogue::Catalogue::rows()) {
        const QString file = QString::fromStdString(row.fileName);
        const QString draw =
            QStringLiteral("%1%2").arg(row.box).arg(QString::fromStdString(row.title));
        folder.write(file, {draw + QStringLiteral(";X")});
    }
}

void choose(Form2& window, int box, const QString& title)
{
    auto* combo = WindowProbe(window).get<launcher::CatalogueBox>("fichier", box);
    const int index = combo->findText(title);
    combo->setCurrentIndex(index);
    Q_EMIT combo->itemPicked(index);
}

}  // namespace

class LauncherTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    // Each case starts as a new player: the options a case sets are not the next one's.
    void init() { testsupport::forgetPlayersFiles(); }
    void controlsFollowTheTable();
    void boxesFilled();
    void chosenLastWins_data();
    void chosenLastWins();
    void arrowKeyChoosesItem();
    void typedTitleChoosesNothing_data();
    void typedTitleChoosesNothing();
    void typedTextStaysAsTyped_data();
    void typedTextStaysAsTyped();
    void pickInTheOpenListChooses();
    void lancerBeforeChoiceIgnored();
    void trainingWindowCreatedOnce();
    void missingListShowsMessage();
    void aHalfSwitchedFolderIsRepairedOrToldAtStart_data();
    void aHalfSwitchedFolderIsRepairedOrToldAtStart();
    void longerSolutionsRefuseTheList();
    void farewell();
    void farewellLegible();
    void closingEndsProgram();

private:
    int ended = 0;
    std::unique_ptr<Form2> makeLauncher();
};

void LauncherTest::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

// Made as the program makes it, after the start's repair of the lists folders.
std::unique_ptr<Form2> LauncherTest::makeLauncher()
{
    auto launcher = std::make_unique<Form2>(ListsRepair::atStart());
    launcher->quitProgram = [this] { ++ended; };
    Form1& form = launcher->trainingForm();
    form.dataFolders.clear();
    form.setRandomSource(std::make_unique<testsupport::SeededRandomSource>(7));
    launcher->show();
    return launcher;
}

// The table's controls stand inside the window without covering one another, Tab walks them
// in the order of their numbers, and every label holds its caption on the window's colour.
void LauncherTest::controlsFollowTheTable()
{
    Form2 launcher;
    QCOMPARE(launcher.windowTitle(), QStringLiteral("Bienvenue :o)"));
    QCOMPARE(launcher.size(), QSize(look::px(6045), look::px(4125)));
    QCOMPARE(look::background(&launcher), look::Colour::window);
    QCOMPARE(launcher.font().family(), QStringLiteral("MS Sans Serif"));
    const QStringList outside = WindowLayout::outside(launcher);
    QVERIFY2(outside.isEmpty(), qPrintable(outside.join(", ")));
    const QStringList overlaps = WindowLayout::overlaps(launcher, {});
    QVERIFY2(overlaps.isEmpty(), qPrintable(overlaps.join(", ")));
    QCOMPARE(WindowLayout::withoutTabIndex(launcher), QStringList());
    QCOMPARE(WindowLayout::tabWalk(launcher), WindowLayout::byTabIndex(launcher));
    for (const QLabel* label : launcher.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()),
                 qPrintable(label->objectName()));
        QCOMPARE(look::background(label), look::Colour::window);
    }
    const WindowProbe ui(launcher);
    for (int box = 0; box < 2; ++box)
        QCOMPARE(ui.get<QComboBox>("fichier", box)->currentText(),
                 QString::fromUtf8("Sélectionnez votre liste"));
    const auto* farewell = ui.get<QPlainTextEdit>("Text1");
    QVERIFY(farewell->isHidden() && !farewell->isEnabled() && farewell->toPlainText().isEmpty());
    QVERIFY(ui.label("Label2")->text().isEmpty());
    QVERIFY(ui.label("message")->isHidden());
}

void LauncherTest::boxesFilled()
{
    Form2 launcher;
    for (int box = 0; box < 2; ++box) {
        const std::vector<std::string> titles = catalogue::Catalogue::titles(box);
        QCOMPARE(WindowProbe(launcher).get<QComboBox>("fichier", box)->count(),
                 static_cast<int>(titles.size()));
        for (int k = 0; k < WindowProbe(launcher).get<QComboBox>("fichier", box)->count(); ++k)
            QCOMPARE(WindowProbe(launcher).get<QComboBox>("fichier", box)->itemText(k),
                     QString::fromStdString(titles[k]));
        QCOMPARE(WindowProbe(launcher).get<QComboBox>("fichier", box)->currentIndex(), -1);
        QVERIFY(WindowProbe(launcher).get<QComboBox>("fichier", box)->isEditable());
    }
    QVERIFY(WindowProbe(launcher).label("Label1")->font().bold());
    QCOMPARE(WindowProbe(launcher).label("Label1")->font().pointSizeF(), 13.5);
    QVERIFY(!launcher.chosenBox());
}

void LauncherTest::chosenLastWins_data()
{
    QTest::addColumn<QStringList>("choices");  // "<box>:<title>" in order
    QTest::addColumn<QString>("drawn");        // the one draw of the list that starts
    QTest::newRow("second box last") << QStringList{QStringLiteral("0:7 lettres"),
                                                    QStringLiteral("1:9 lettres (solution unique)")}
                                     << QStringLiteral("19 lettres (solution unique)");
    QTest::newRow("first box again") << QStringList{QStringLiteral("0:7 lettres"),
                                                    QStringLiteral("1:9 lettres (solution unique)"),
                                                    QStringLiteral("0:5 lettres")}
                                     << QStringLiteral("05 lettres");
    QTest::newRow("title of both, second box")
        << QStringList{QStringLiteral("1:6 lettres (anag multiples)")}
        << QStringLiteral("16 lettres (anag multiples)");
    QTest::newRow("title of both, first box")
        << QStringList{QStringLiteral("0:6 lettres (anag multiples)")}
        << QStringLiteral("06 lettres (anag multiples)");
}

void LauncherTest::chosenLastWins()
{
    QFETCH(QStringList, choices);
    QFETCH(QString, drawn);
    ListFolder folder;
    writeCatalogue(folder);
    auto launcher = makeLauncher();
    for (const QString& choice : choices)
        choose(*launcher, choice.left(1).toInt(), choice.mid(2));
    WindowProbe(*launcher).button("Command1")->click();
    Form1* form = launcher->training();
    QCOMPARE(WindowProbe(*form).box("tirage", 0)->text(), drawn);
    QCOMPARE(WindowProbe(*form).label("Label7")->text(), drawn.mid(1));
    QVERIFY(form->isVisible());
    QVERIFY(launcher->isHidden());
}

// Choosing with the arrow key raises the item-chosen event; typing does not.
void LauncherTest::arrowKeyChoosesItem()
{
    Form2 launcher;
    QTest::keyClicks(WindowProbe(launcher).get<QComboBox>("fichier", 1)->lineEdit(),
                     QStringLiteral("abc"));
    QVERIFY(!launcher.chosenBox());
    QTest::keyClick(WindowProbe(launcher).get<QComboBox>("fichier", 1), Qt::Key_Down);
    QCOMPARE(launcher.chosenBox(), 1);
    QTest::keyClick(WindowProbe(launcher).get<QComboBox>("fichier", 0), Qt::Key_Down);
    QCOMPARE(launcher.chosenBox(), 0);
    QCOMPARE(WindowProbe(launcher).get<QComboBox>("fichier", 1)->currentText(),
             QString::fromUtf8("4 lettres (solution unique)"));
}

void LauncherTest::typedTitleChoosesNothing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enter");  // Enter ends the typing; otherwise the focus leaves the box
    QTest::newRow("whole title, Enter") << QStringLiteral("7 lettres (anag multiples)") << true;
    QTest::newRow("whole title, focus leaves")
        << QStringLiteral("9 lettres (solution unique)") << false;
    QTest::newRow("completed title, Enter") << QStringLiteral("4 lettres (sol") << true;
    QTest::newRow("lower case title, focus leaves")
        << QStringLiteral("5 lettres (solution unique)").toLower() << false;
}

// Typing a title into the second box's field after choosing in the first leaves the
// first box chosen: LANCER starts the first box's list.
void LauncherTest::typedTitleChoosesNothing()
{
    QFETCH(QString, typed);
    QFETCH(bool, enter);
    ListFolder folder;
    writeCatalogue(folder);
    auto launcher = makeLauncher();
    QVERIFY(QTest::qWaitForWindowActive(launcher.get()));
    WindowProbe(*launcher).get<QComboBox>("fichier", 0)->setFocus();
    for (int k = 0; k < 4; ++k)
        QTest::keyClick(WindowProbe(*launcher).get<QComboBox>("fichier", 0), Qt::Key_Down);
    QCOMPARE(launcher->chosenBox(), 0);
    QCOMPARE(WindowProbe(*launcher).get<QComboBox>("fichier", 0)->currentText(),
             QStringLiteral("7 lettres"));

    WindowProbe(*launcher).get<QComboBox>("fichier", 1)->setFocus();
    WindowProbe(*launcher).get<QComboBox>("fichier", 1)->lineEdit()->selectAll();
    QTest::keyClicks(WindowProbe(*launcher).get<QComboBox>("fichier", 1), typed);
    if (enter)
        QTest::keyClick(WindowProbe(*launcher).get<QComboBox>("fichier", 1), Qt::Key_Return);
    else
        WindowProbe(*launcher).button("Command1")->setFocus();
    QVERIFY(!WindowProbe(*launcher).get<QComboBox>("fichier", 1)->hasFocus() || enter);
    QCOMPARE(launcher->chosenBox(), 0);

    WindowProbe(*launcher).button("Command1")->click();
    QCOMPARE(WindowProbe(*launcher->training()).box("tirage", 0)->text(),
             QStringLiteral("07 lettres"));
}

void LauncherTest::typedTextStaysAsTyped_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enter");     // Enter ends the typing; otherwise the focus leaves
    QTest::addColumn<QString>("shown");  // the message of LANCER; empty when the drill starts
    QTest::newRow("start of a title, second box")
        << 1 << QStringLiteral("7 lettres") << true << QStringLiteral("Liste inconnue : 7 lettres");
    QTest::newRow("start of a title, first box")
        << 0 << QStringLiteral("Rallonge av. 1L") << false
        << QStringLiteral("Liste inconnue : Rallonge av. 1L");
    QTest::newRow("title and start of a longer one")
        << 0 << QStringLiteral("8 lettres") << true << QString();
    QTest::newRow("part of a title, focus leaves")
        << 1 << QStringLiteral("5 lettres (sol") << false
        << QStringLiteral("Liste inconnue : 5 lettres (sol");
}

// Text typed into a box's field after an item was picked is kept exactly as typed, and it is
// what LANCER starts.
void LauncherTest::typedTextStaysAsTyped()
{
    QFETCH(int, box);
    QFETCH(QString, typed);
    QFETCH(bool, enter);
    QFETCH(QString, shown);
    ListFolder folder;
    writeCatalogue(folder);
    auto launcher = makeLauncher();
    QVERIFY(QTest::qWaitForWindowActive(launcher.get()));
    const WindowProbe ui(*launcher);
    QComboBox* field = ui.get<QComboBox>("fichier", box);
    choose(*launcher, box, field->itemText(3));
    field->setFocus();
    field->lineEdit()->selectAll();
    QTest::keyClicks(field, typed);
    QCOMPARE(field->currentText(), typed);
    if (enter)
        QTest::keyClick(field, Qt::Key_Return);
    else
        ui.button("Command1")->setFocus();
    QCOMPARE(field->currentText(), typed);
    QCOMPARE(launcher->chosenBox(), box);
    QTest::mouseClick(ui.button("Command1"), Qt::LeftButton);
    QCOMPARE(ui.label("message")->text(), shown);
    if (shown.isEmpty())
        QCOMPARE(WindowProbe(*launcher->training()).label("Label7")->text(), typed);
}

// Picking in the open list, here with the arrow keys and Enter, chooses the box.
void LauncherTest::pickInTheOpenListChooses()
{
    auto launcher = makeLauncher();
    QVERIFY(QTest::qWaitForWindowActive(launcher.get()));
    choose(*launcher, 0, QStringLiteral("7 lettres"));
    QComboBox* box = WindowProbe(*launcher).get<QComboBox>("fichier", 1);
    box->showPopup();
    QAbstractItemView* list = box->view();
    QTRY_VERIFY(list->isVisible());
    list->setCurrentIndex(box->model()->index(2, 0));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(launcher->chosenBox(), 1);
    QCOMPARE(box->currentText(), QString::fromUtf8("6 lettres (solution unique)"));
    QTRY_VERIFY(!list->isVisible());

    // A list opened and closed without a pick chooses nothing.
    choose(*launcher, 0, QStringLiteral("7 lettres"));
    box->showPopup();
    QTRY_VERIFY(list->isVisible());
    QTest::keyClick(list, Qt::Key_Escape);
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(launcher->chosenBox(), 0);
}

void LauncherTest::lancerBeforeChoiceIgnored()
{
    Form2 launcher;
    launcher.show();
    WindowProbe(launcher).button("Command1")->click();
    QVERIFY(launcher.training() == nullptr);
    QVERIFY(launcher.isVisible());
}

void LauncherTest::trainingWindowCreatedOnce()
{
    ListFolder folder;
    writeCatalogue(folder);
    Form2 launcher;
    launcher.quitProgram = [this] { ++ended; };
    launcher.show();
    choose(launcher, 0, QStringLiteral("7 lettres"));
    QVERIFY(launcher.training() == nullptr);  // not before the first drill
    WindowProbe(launcher).button("Command1")->click();
    Form1* first = launcher.training();
    QVERIFY(first != nullptr);
    QCOMPARE(WindowProbe(*first).button("Command1", 0)->font().pointSizeF(), 22.0);
    WindowProbe(*first)
        .button("Command3")
        ->click();  // a choice of the first drill, kept by the window
    WindowProbe(*first).button("quitter")->click();
    QVERIFY(launcher.isVisible());
    QVERIFY(first->isHidden());
    choose(launcher, 1, QStringLiteral("9 lettres (solution unique)"));
    WindowProbe(launcher).button("Command1")->click();
    QCOMPARE(launcher.training(), first);
    QCOMPARE(first->fontNumber(), 2);
    QCOMPARE(WindowProbe(*first).box("tirage", 0)->font().pointSizeF(), 10.0);
    QVERIFY(launcher.isHidden());
    QCOMPARE(ended, 0);
}

void LauncherTest::missingListShowsMessage()
{
    ListFolder folder;
    auto launcher = makeLauncher();
    choose(*launcher, 0, QStringLiteral("7 lettres"));
    WindowProbe(*launcher).button("Command1")->click();
    QVERIFY(launcher->isVisible());
    QVERIFY(launcher->training()->isHidden());
    QVERIFY(
        !WindowProbe(*launcher->training()).button("corriger")->isEnabled());  // no drill started
    QVERIFY(WindowProbe(*launcher).label("message")->isVisible());
    // every folder searched, whole, in the tooltip; the band's text breaks after each separator
    QCOMPARE(WindowProbe(*launcher).label("message")->toolTip(),
             launcher->training()->loadMessage());
    QVERIFY(WindowProbe(*launcher).label("message")->toolTip().contains(
        QString::fromStdString(files::shownPath("data/ods6new_7L.txt"))));

    folder.write(QStringLiteral("ods6new_7L.txt"), ListFolder::entries(3));
    WindowProbe(*launcher).button("Command1")->click();
    QVERIFY(launcher->isHidden());
    QVERIFY(WindowProbe(*launcher).label("message")->isHidden());
    QVERIFY(WindowProbe(*launcher->training()).button("corriger")->isEnabled());
}

// An import cut while it switched the working folder's lists: the program's start undoes it
// before any list is read or, while another run holds the folder, names the lists that are new;
// the launcher says which in its band.
void LauncherTest::aHalfSwitchedFolderIsRepairedOrToldAtStart_data()
{
    QTest::addColumn<bool>("otherRun");
    QTest::addColumn<QString>("said");
    QTest::newRow("repaired") << false
                              << QStringLiteral("une fabrication interrompue a été défaite");
    QTest::newRow("held") << true
                          << QStringLiteral("est à moitié remplacé par une fabrication "
                                            "interrompue (nouvelles : ods6new_5L.txt ;");
}

void LauncherTest::aHalfSwitchedFolderIsRepairedOrToldAtStart()
{
    QFETCH(bool, otherRun);
    QFETCH(QString, said);
    ListFolder folder;
    const std::vector<std::string> names = {"ods6new_5L.txt", "ods6new_7L.txt"};
    for (const auto& name : names)
        folder.write(QString::fromStdString(name), ListFolder::entries(3));
    const std::string data = (folder.path() + QStringLiteral("/data")).toStdString();
    const auto before = testsupport::FolderSnapshot::of(data);
    testsupport::TempFolder work;
    CutSwitch::run(data, work.file("travail"), names, "remplacement ods6new_7L.txt");
    const auto half = testsupport::FolderSnapshot::of(data);
    QVERIFY(half != before);
    listfolder::FolderLock other;
    QVERIFY(!otherRun || other.take(data, "fabrication de listes"));
    auto launcher = makeLauncher();
    QCOMPARE(testsupport::FolderSnapshot::of(data), otherRun ? half : before);
    QLabel* message = WindowProbe(*launcher).label("message");
    QVERIFY(!message->isHidden());
    QVERIFY2(message->toolTip().contains(said), qPrintable(message->toolTip()));
    // the folder as the system writes paths, with "\\" on Windows
    QVERIFY2(message->toolTip().contains(QString::fromStdString(files::shownPath(data))),
             qPrintable(message->toolTip()));
}

// A line whose solutions are longer than its draw could never be answered: the list is
// refused with the line's number, and no drill starts.
void LauncherTest::longerSolutionsRefuseTheList()
{
    ListFolder folder;
    folder.write(
        QStringLiteral("ods6new_7L.txt"),
        {QStringLiteral("AEINRST;SATINER"), QString(), QStringLiteral("AEINRST;SATINER;TARINES")});
    auto launcher = makeLauncher();
    choose(*launcher, 0, QStringLiteral("7 lettres"));
    WindowProbe(*launcher).button("Command1")->click();
    QVERIFY(launcher->isVisible());
    QVERIFY(launcher->training()->isHidden());
    QVERIFY(!WindowProbe(*launcher->training()).button("corriger")->isEnabled());
    QVERIFY(WindowProbe(*launcher).label("message")->isVisible());
    QCOMPARE(WindowProbe(*launcher).label("message")->toolTip(),
             QStringLiteral("Liste refusée : %1, ligne 3 : solutions plus longues que le tirage")
                 .arg(QString::fromStdString(files::shownPath("data/ods6new_7L.txt"))));
}

void LauncherTest::farewell()
{
    ended = 0;
    auto launcher = makeLauncher();
    QTest::mouseClick(WindowProbe(*launcher).button("quitter"), Qt::LeftButton);
    for (QWidget* gone : std::initializer_list<QWidget*>{
             WindowProbe(*launcher).get<QComboBox>("fichier", 0),
             WindowProbe(*launcher).get<QComboBox>("fichier", 1),
             WindowProbe(*launcher).get<QLabel>("Label3", 0),
             WindowProbe(*launcher).get<QLabel>("Label3", 1),
             WindowProbe(*launcher).label("Label1"), WindowProbe(*launcher).button("Command1"),
             WindowProbe(*launcher).button("quitter")})
        QVERIFY(gone->isHidden());
    QVERIFY(!launcher->isEnabled());
    QVERIFY(WindowProbe(*launcher).get<QPlainTextEdit>("Text1")->isVisible());
    QVERIFY(!WindowProbe(*launcher).get<QPlainTextEdit>("Text1")->isEnabled());
    QCOMPARE(launcher->windowTitle(), QString::fromUtf8("A bientôt !"));
    QCOMPARE(WindowProbe(*launcher).get<QPlainTextEdit>("Text1")->geometry(),
             QRect(look::px(600), look::px(640), look::px(3735), look::px(2400)));
    const QStringList lines =
        WindowProbe(*launcher).get<QPlainTextEdit>("Text1")->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(),
             10);  // heading, blank, five contact lines, blank, the empty closing, end
    QCOMPARE(lines[0], QStringLiteral("A propos de l'auteur :"));
    QVERIFY(lines[1].isEmpty());
    QVERIFY(lines[2].contains(QStringLiteral("vorlane")));
    QVERIFY(lines.join(QLatin1Char(' '))
                .contains(QStringLiteral("logiciel libre"), Qt::CaseInsensitive));
    QVERIFY(lines[6].contains(QStringLiteral("Suggestions")));
    for (const QString& line : lines)  // each line fits the box
        QVERIFY(
            WindowProbe(*launcher).get<QPlainTextEdit>("Text1")->fontMetrics().horizontalAdvance(
                line)
            < WindowProbe(*launcher).get<QPlainTextEdit>("Text1")->viewport()->width());
    QVERIFY(lines[7].isEmpty());

    QVERIFY(WindowProbe(*launcher).timer("Timer1")->isActive());
    QVERIFY(WindowProbe(*launcher).label("Label2")->text().isEmpty());
    for (int shown = 8; shown >= 0; --shown) {
        WindowProbe(*launcher).tick("Timer1");
        QCOMPARE(WindowProbe(*launcher).label("Label2")->text(), QString::number(shown));
        QCOMPARE(ended, 0);
    }
    WindowProbe(*launcher).tick("Timer1");
    QCOMPARE(ended, 1);
    QVERIFY(!WindowProbe(*launcher).timer("Timer1")->isActive());
}

namespace {

// Darkest and lightest grey of the part of `image` under `area`.
std::pair<int, int> greyRange(const QImage& image, const QRect& area)
{
    int darkest = 255;
    int lightest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const int grey = qGray(image.pixel(x, y));
            darkest = std::min(darkest, grey);
            lightest = std::max(lightest, grey);
        }
    return {darkest, lightest};
}

}  // namespace

// The farewell disables the window, yet its text and countdown keep their colours: dark
// digits on the window colour, dark text on the white of the box.
void LauncherTest::farewellLegible()
{
    auto launcher = makeLauncher();
    WindowProbe(*launcher).button("quitter")->click();
    WindowProbe(*launcher).tick("Timer1");
    QCOMPARE(WindowProbe(*launcher).label("Label2")->text(), QStringLiteral("8"));
    QVERIFY(!launcher->isEnabled());
    const QImage shot = launcher->grab().toImage();

    const QRect countdown = WindowProbe(*launcher).label("Label2")->geometry();
    QCOMPARE(shot.pixelColor(countdown.right() - 1, countdown.top() + 1), look::Colour::window);
    const auto [digitDark, digitLight] = greyRange(shot, countdown);
    QVERIFY2(digitDark < 64, qPrintable(QString::number(digitDark)));
    QCOMPARE(digitLight, qGray(look::Colour::window.rgb()));

    const QRect text =
        WindowProbe(*launcher).get<QPlainTextEdit>("Text1")->geometry().adjusted(4, 4, -4, -4);
    const auto [textDark, textLight] = greyRange(shot, text);
    QVERIFY2(textDark < 64, qPrintable(QString::number(textDark)));
    QCOMPARE(textLight, 255);
    QCOMPARE(shot.pixelColor(text.right(), text.bottom()),
             WindowProbe(*launcher).get<QPlainTextEdit>("Text1")->palette().color(QPalette::Active,
                                                                                  QPalette::Base));
}

void LauncherTest::closingEndsProgram()
{
    ended = 0;
    auto launcher = makeLauncher();
    QVERIFY(launcher->close());
    QCOMPARE(ended, 1);
}

QTEST_MAIN(LauncherTest)
#include "LauncherTest.moc"
