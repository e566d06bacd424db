#include <files/Utf8Path.h>
#include <testsupport/CurrentFolder.h>
#include <testsupport/WindowLayout.h>
#include <testsupport/WindowProbe.h>
#include <workshop/tests/WorkFolder.h>
#include <workshop/window/Form1.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using testsupport::WindowLayout;
using workshop::Form1;

// The workshop window as a user meets it: paths typed, buttons clicked, files and the report line.
class Form1Test : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void controlsFollowTheTable();
    void opensWithEveryVisibleButtonShownAndCanBeResized();
    void tabOrderFollowsTheDesign();
    void operationsWriteTheirFiles_data();
    void operationsWriteTheirFiles();
    void theHiddenSortsAreOfferedByTheContextMenu();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void shiftF10OpensTheRightClickMenu_data();
    void shiftF10OpensTheRightClickMenu();
    void aFailingClickShowsWhyAndTheProgramGoesOn();
    void aNameWithoutExtensionNamesOutputsBesideIt();
    void quitterEndsTheProgram();

private:
    QString path(const QString& name) const { return folder->path(name); }
    void put(const QString& name, const QByteArray& bytes) const
    {
        QVERIFY(folder->put(name, bytes));
    }
    QByteArray get(const QString& name) const { return folder->get(name); }
    void type(QLineEdit* box, const QString& text) const;

    WorkFolder* folder = nullptr;
    // The window's controls, by their design names.
    testsupport::WindowProbe probe() const { return testsupport::WindowProbe(*window); }

    Form1* window = nullptr;
    int quits = 0;
};

void Form1Test::init()
{
    folder = new WorkFolder;
    window = new Form1;
    quits = 0;
    window->quitProgram = [this] { ++quits; };
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void Form1Test::cleanup()
{
    delete window;
    delete folder;
}

void Form1Test::type(QLineEdit* box, const QString& text) const
{
    box->clear();
    typePath(box, text);
}

// The controls of the table stand inside the window as it opens and cover one another nowhere
// but at the edges that the design lays 15 twips (a pixel) over one another; the two sorts that
// only the right-click menu offers are hidden.
void Form1Test::controlsFollowTheTable()
{
    const QStringList outside = WindowLayout::outside(*window);
    QVERIFY2(outside.isEmpty(), qPrintable(outside.join(", ")));
    const QStringList designed = {"Text1 / Text3",         "Command8 / Command9",
                                  "Command8 / Command15",  "Command9 / Command15",
                                  "Command13 / Command14", "Command15 / Command20",
                                  "Command16 / Command17", "Command16 / Command21",
                                  "Command17 / Command21", "Command18 / Command19"};
    const QStringList overlaps = WindowLayout::overlaps(*window, designed);
    QVERIFY2(overlaps.isEmpty(), qPrintable(overlaps.join(", ")));
    QCOMPARE(WindowLayout::withoutTabIndex(*window), QStringList());
    QCOMPARE(WindowLayout::tabWalk(*window), WindowLayout::byTabIndex(*window));
    for (const char* hidden : {"Command7", "Command12"})
        QVERIFY(probe().button(QString::fromLatin1(hidden))->isHidden());
}

void Form1Test::opensWithEveryVisibleButtonShownAndCanBeResized()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Gestion de fichiers de mots"));
    const auto buttons = window->findChildren<QPushButton*>();
    QCOMPARE(buttons.size(), 21);
    for (const QPushButton* button : buttons) {
        if (button->isVisible())
            QVERIFY2(window->rect().contains(button->geometry()), qPrintable(button->text()));
    }
    QVERIFY(window->minimumSize() != window->maximumSize());
    QCOMPARE(probe().label("Label1")->text(), QStringLiteral("Source"));
    QCOMPARE(probe().label("Label2")->text(), QStringLiteral("Destination"));
    QCOMPARE(probe().label("Label3")->text(), QString());
    QCOMPARE(probe().label("Label3")->pos(), QPoint(160, 136));
}

void Form1Test::tabOrderFollowsTheDesign()
{
    const auto b = [this](const char* name) { return probe().button(QString::fromLatin1(name)); };
    const QList<QWidget*> expected = {
        probe().box("Text1"), probe().box("Text2"), b("Command1"),  b("Command2"),  b("Command3"),
        b("Command4"),        b("Command5"),        b("Command6"),  b("Command8"),  b("Command9"),
        b("Command10"),       b("Command11"),       b("Command13"), b("Command14"), b("Command15"),
        probe().box("Text3"), b("Command16"),       b("Command17"), b("Command18"), b("Command19"),
        b("Command20"),       b("Command21")};
    QTRY_COMPARE(QApplication::focusWidget(), probe().box("Text1"));
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected[i]);
    }
}

void Form1Test::operationsWriteTheirFiles_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("reference");
    QTest::addColumn<QStringList>("outputs");
    QTest::addColumn<QList<QByteArray>>("contents");
    QTest::addColumn<QString>("report");

    QTest::newRow("transfer") << "Command1" << QByteArray("ABAQUE*\r\nKIWI\r\n") << QByteArray()
                              << QStringList{"dest.txt"} << QList<QByteArray>{"ABAQUE\r\n"}
                              << "Lignes * copiees OK";
    QTest::newRow("add draws") << "Command3" << QByteArray("ABAQUE*\r\nZEBRE") << QByteArray()
                               << QStringList{"dest.txt"}
                               << QList<QByteArray>{"AABEQU;ABAQUE\r\nBEERZ;ZEBRE\r\n"}
                               << "Creation tirages OK";
    QTest::newRow("remove draws") << "Command6" << QByteArray("BEERZ;ZEBRE\r\nBEERZ;\r\n")
                                  << QByteArray() << QStringList{"dest.txt"}
                                  << QList<QByteArray>{"ZEBRE\r\n\r\n"} << "Supp tirages OK";
    QTest::newRow("repeats") << "Command8" << QByteArray("A\r\nA\r\nB\r\nB\r\nB\r\nC\r\nA\r\nA\r\n")
                             << QByteArray() << QStringList{"dest.txt"}
                             << QList<QByteArray>{"A\r\nB\r\nC\r\nA\r\n"}
                             << "Suppression OK ( 4 supp.)";
    QTest::newRow("same solutions")
        << "Command9" << QByteArray("AEIRST;ARETES\r\nAEERST;ARETES\r\n") << QByteArray()
        << QStringList{"dest.txt"} << QList<QByteArray>{"AEIRST;ARETES\r\n"} << "Suppression OK";
    QTest::newRow("anagrams") << "Command20" << QByteArray("AEEIRST;ARETES\r\nAEEIRST;TERSES\r\n")
                              << QByteArray("AEIRST;ARETES\r\n") << QStringList{"dest.txt"}
                              << QList<QByteArray>{"AEEIRST;TERSES\r\n"} << "anags OK";
    QTest::newRow("split in 2") << "Command10" << QByteArray("1\r\n2\r\n3\r\n") << QByteArray()
                                << QStringList{"mots_a.txt", "mots_b.txt"}
                                << QList<QByteArray>{"1\r\n3\r\n", "2\r\n"} << "Division en 2 OK";
    QTest::newRow("split in 3") << "Command5" << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n")
                                << QByteArray()
                                << QStringList{"mots_a.txt", "mots_b.txt", "mots_c.txt"}
                                << QList<QByteArray>{"1\r\n4\r\n7\r\n", "2\r\n5\r\n", "3\r\n6\r\n"}
                                << "Division en 3 OK";
    QTest::newRow("split in 4") << "Command11" << QByteArray("1\r\n") << QByteArray()
                                << QStringList{"mots_a.txt", "mots_d.txt"}
                                << QList<QByteArray>{"1\r\n", ""} << "Division en 4 OK";
    QTest::newRow("split in 5") << "Command4" << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n")
                                << QByteArray() << QStringList{"mots_a.txt", "mots_e.txt"}
                                << QList<QByteArray>{"1\r\n6\r\n", "5\r\n"} << "Division en 5 OK";
}

void Form1Test::operationsWriteTheirFiles()
{
    QFETCH(QString, button);
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, reference);
    QFETCH(QStringList, outputs);
    QFETCH(QList<QByteArray>, contents);
    QFETCH(QString, report);
    put("mots.txt", source);
    put("ref.txt", reference);
    put("dest.txt", "OLD\r\n");
    type(probe().box("Text1"), path("mots.txt"));
    type(probe().box("Text2"), path("dest.txt"));
    type(probe().box("Text3"), path("ref.txt"));

    for (int click = 0; click < 2; ++click) {  // a second click gives the same result
        QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
        QCOMPARE(probe().label("Label3")->text(), report);
        for (int i = 0; i < outputs.size(); ++i)
            QCOMPARE(get(outputs[i]), contents[i]);
    }
    QCOMPARE(get("mots.txt"), source);
}

void Form1Test::theHiddenSortsAreOfferedByTheContextMenu()
{
    QCOMPARE(probe().get<QAction>("trierValeurs")->text(), QStringLiteral("Trier par valeurs"));
    QCOMPARE(probe().get<QAction>("triValLC")->text(), QStringLiteral("tri val LC"));
    put("mots.txt", "AABEQU;ABAQUE\r\nAEERST;ARETES\r\nIIKW;KIWI\r\n");
    type(probe().box("Text1"), path("mots.txt"));

    probe().get<QAction>("trierValeurs")->trigger();
    QCOMPARE(probe().label("Label3")->text(), QStringLiteral("Tri par valeurs OK"));
    QCOMPARE(get("motsval0.txt"), QByteArray("AEERST;ARETES\r\n"));
    QCOMPARE(get("motsval6.txt"), QByteArray(""));
    QCOMPARE(get("motsvalup7.txt"), QByteArray("AABEQU;ABAQUE\r\nIIKW;KIWI\r\n"));

    probe().label("Label3")->clear();
    probe().get<QAction>("triValLC")->trigger();
    QCOMPARE(probe().label("Label3")->text(), QStringLiteral("Tri par valeurs OK"));
    QCOMPARE(get("motsval9.txt"), QByteArray("AABEQU;ABAQUE\r\n"));
    QCOMPARE(get("motsval16up.txt"), QByteArray("IIKW;KIWI\r\n"));
    QCOMPARE(get("motsval7.txt"), QByteArray(""));

    // A missing source creates none of the nine outputs.
    type(probe().box("Text1"), path("absent.txt"));
    probe().get<QAction>("triValLC")->trigger();
    QVERIFY(probe().label("Label3")->text().contains(path("absent.txt")));
    QVERIFY(!QFile::exists(path("absentval7.txt")));
}

void Form1Test::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    for (const char* button : {"Command1", "Command2", "Command8", "Command16", "Command21"}) {
        QTest::addRow("%s, Entrée", button) << button << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::addRow("%s, Entrée du pavé", button)
            << button << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    }
}

// As on Windows, where the workshop comes from.
void Form1Test::enterPressesTheFocusedButton()
{
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QPushButton* pressed = probe().button(button);
    window->activateWindow();
    QCoreApplication::processEvents();
    pressed->setFocus(Qt::TabFocusReason);
    QVERIFY(pressed->hasFocus());
    QSignalSpy clicks(pressed, &QAbstractButton::clicked);
    QTest::keyClick(pressed, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(clicks.count(), 1);
}

void Form1Test::shiftF10OpensTheRightClickMenu_data()
{
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QString>("entry");  // the name of the menu it opens, or of one of its entries
    QTest::newRow("a button: the window's sorts") << "Command1"
                                                  << "trierValeurs";
    QTest::newRow("Quitter: the window's sorts") << "Command2"
                                                 << "trierValeurs";
    QTest::newRow("a path box: its text's menu") << "Text1"
                                                 << "qt_edit_menu";
}

// As the Menu key does.
void Form1Test::shiftF10OpensTheRightClickMenu()
{
    QFETCH(QString, focused);
    QFETCH(QString, entry);
    window->activateWindow();
    QCoreApplication::processEvents();
    probe().get<QWidget>(focused)->setFocus(Qt::TabFocusReason);
    QVERIFY(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10, Qt::ShiftModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QStringList entries{menu->objectName()};  // "qt_edit_menu": a text box's own
    for (const QAction* action : menu->actions())
        entries << action->objectName();
    menu->close();
    QVERIFY2(entries.contains(entry), qPrintable(entries.join(", ")));
}

void Form1Test::aFailingClickShowsWhyAndTheProgramGoesOn()
{
    put("dest.txt", "OLD\r\n");
    type(probe().box("Text1"), path("absent.txt"));
    type(probe().box("Text2"), path("dest.txt"));
    QTest::mouseClick(probe().button("Command3"), Qt::LeftButton);
    QVERIFY2(probe().label("Label3")->text().contains(path("absent.txt")),
             qPrintable(probe().label("Label3")->text()));
    QVERIFY(probe().label("Label3")->text().startsWith(QStringLiteral("Impossible de lire")));
    QVERIFY(window->isVisible());
    QCOMPARE(get("dest.txt"), QByteArray("OLD\r\n"));
    QCOMPARE(QDir(folder->path()).entryList(QDir::Files), QStringList{"dest.txt"});
    QVERIFY(window->rect().contains(probe().label("Label3")->geometry()));

    put("mots.txt", "ZEBRE\r\n");
    type(probe().box("Text1"), path("mots.txt"));
    type(probe().box("Text3"), path("absent-reference.txt"));
    QTest::mouseClick(probe().button("Command20"), Qt::LeftButton);
    QVERIFY(probe().label("Label3")->text().contains(path("absent-reference.txt")));
    QCOMPARE(get("dest.txt"), QByteArray("OLD\r\n"));

    QTest::mouseClick(probe().button("Command3"), Qt::LeftButton);
    QCOMPARE(probe().label("Label3")->text(), QStringLiteral("Creation tirages OK"));
    QCOMPARE(quits, 0);
}

void Form1Test::aNameWithoutExtensionNamesOutputsBesideIt()
{
    // A name without an extension is kept whole: its outputs stand beside it.
    const testsupport::CurrentFolder inside(files::fromUtf8(folder->path().toStdString()));
    put("m.t", "A\r\nB\r\n");
    type(probe().box("Text1"), QStringLiteral("m.t"));
    QTest::mouseClick(probe().button("Command10"), Qt::LeftButton);
    QCOMPARE(probe().label("Label3")->text(), QStringLiteral("Division en 2 OK"));
    QCOMPARE(QDir(folder->path()).entryList(QDir::Files),
             (QStringList{"m.t", "m.t_a.txt", "m.t_b.txt"}));
    QCOMPARE(get("m.t_b.txt"), QByteArray("B\r\n"));
}

void Form1Test::quitterEndsTheProgram()
{
    QTest::mouseClick(probe().button("Command2"), Qt::LeftButton);
    QCOMPARE(quits, 1);
}

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
