// The keys of a player who comes from Windows, in every window of vorlane: Enter and the
// keypad's Enter press the focused button, Shift+F10 opens the right-click menu of what has the
// focus, and a question shown again resumes on Return whatever had the focus before.
#include <launcher/ImportWindow.h>
#include <launcher/tests/DrillPlay.h>
#include <training/window/tests/LauncherFixture.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QString kSeven = QStringLiteral("7 lettres");

// The window a row's button stands in, brought to the state where that button can be pressed.
QWidget* windowFor(LauncherFixture& program, const QString& window)
{
    if (window == QStringLiteral("lanceur"))
        return &program.launcher;
    program.writeList(kSeven, 0, ListFolder::entries(5));
    if (window == QStringLiteral("entraînement")) {
        program.launch(kSeven, 0);
        return &program.form();
    }
    if (window == QStringLiteral("question")) {  // a list under way, and LANCER on it again
        program.launch(kSeven, 0);
        answer(program.ui(), {{QStringLiteral("D000"), QStringLiteral("S000")}});
        program.ui().button("corriger")->click();
        program.ui().button("quitter")->click();
        program.launch(kSeven, 0);
        return program.launcherControls().get<QMessageBox>("reprise");
    }
    launcher::ImportWindow& import = program.launcher.importForm();
    import.chooseFile = [] { return QString();
};  // the player closes the file dialog
import.startImport();
return &import;
}  // namespace

// `button` of `window` with the keyboard focus, its window the active one.
void focus(QWidget* window, QPushButton* button)
{
    window->activateWindow();
    QCoreApplication::processEvents();
    button->setFocus(Qt::TabFocusReason);
    QVERIFY(button->hasFocus());
}

// The names of the right-click menu that is open and of its entries, the menu closed as soon as
// it is read. A text box's own menu is "qt_edit_menu".
QStringList openMenuEntries()
{
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu)
        return {};
    QStringList entries{menu->objectName()};
    for (const QAction* entry : menu->actions())
        entries << entry->objectName();
    menu->close();
    QCoreApplication::processEvents();
    return entries;
}

}  // namespace

class KeysTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { testsupport::forgetPlayersFiles(); }
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void aHeldOrModifiedEnterPressesNothingMore_data();
    void aHeldOrModifiedEnterPressesNothingMore();
    void shiftF10OpensTheRightClickMenu_data();
    void shiftF10OpensTheRightClickMenu();
    void returnResumesWhateverHadTheFocus();
};

void KeysTest::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    const QList<std::pair<const char*, const char*>> buttons = {
        {"lanceur", "Command1"},
        {"lanceur", "quitter"},
        {"entraînement", "corriger"},
        {"entraînement", "Command3"},
        {"entraînement", "Command4"},
        {"entraînement", "Command5"},
        {"entraînement", "valider"},
        {"entraînement", "quitter"},
        {"entraînement", "Command1(0)"},
        {"import", "choisir"},
        {"import", "fermer"},
        {"question", "reprendre"},
        {"question", "recommencer"},
        {"question", "annulerReprise"},
    };
    for (const auto& [window, button] : buttons) {
        QTest::addRow("%s, %s, Entrée", window, button) << window << button;
        QTest::addRow("%s, %s, Entrée du pavé", window, button) << window << button;
    }
}

void KeysTest::enterPressesTheFocusedButton()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    const bool keypad = QString::fromUtf8(QTest::currentDataTag()).endsWith(QLatin1String("pavé"));
    LauncherFixture program(3);
    QWidget* shown = windowFor(program, window);
    QVERIFY(shown->isVisible());
    auto* pressed = testsupport::WindowProbe(*shown).get<QPushButton>(button);
    QVERIFY(pressed->isEnabled());
    focus(shown, pressed);
    QSignalSpy clicks(pressed, &QAbstractButton::clicked);
    if (keypad)
        QTest::keyClick(pressed, Qt::Key_Enter, Qt::KeypadModifier);
    else
        QTest::keyClick(pressed, Qt::Key_Return);
    QCOMPARE(clicks.count(), 1);
}

void KeysTest::aHeldOrModifiedEnterPressesNothingMore_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("held");
    QTest::addColumn<int>("clicks");
    QTest::newRow("Entrée") << int(Qt::NoModifier) << false << 1;
    QTest::newRow("Maj+Entrée") << int(Qt::ShiftModifier) << false << 1;
    QTest::newRow("Entrée tenue") << int(Qt::NoModifier) << true << 0;
    QTest::newRow("Ctrl+Entrée") << int(Qt::ControlModifier) << false << 0;
    QTest::newRow("Alt+Entrée") << int(Qt::AltModifier) << false << 0;
}

// A held Enter repeats its key: the button takes the first press only.
void KeysTest::aHeldOrModifiedEnterPressesNothingMore()
{
    QFETCH(int, modifiers);
    QFETCH(bool, held);
    LauncherFixture program(3);
    QWidget* training = windowFor(program, QStringLiteral("entraînement"));
    QPushButton* criterion = program.ui().button("Command4");
    focus(training, criterion);
    QSignalSpy clicks(criterion, &QAbstractButton::clicked);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::KeyboardModifiers(modifiers),
                    QStringLiteral("\r"), held);
    QApplication::sendEvent(criterion, &press);
    QTEST(int(clicks.count()), "clicks");
}

void KeysTest::shiftF10OpensTheRightClickMenu_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QString>("entry");  // the name of the menu it opens, or of one of its entries
    QTest::newRow("lanceur, LANCER: the launcher's menu") << "lanceur"
                                                          << "Command1"
                                                          << "fabriquerListes";
    QTest::newRow("lanceur, Quitter: the launcher's menu") << "lanceur"
                                                           << "quitter"
                                                           << "fabriquerListes";
    QTest::newRow("lanceur, a list box: its text's menu") << "lanceur"
                                                          << "fichier(0)"
                                                          << "qt_edit_menu";
    QTest::newRow("entraînement, an answer box: its text's menu") << "entraînement"
                                                                  << "solution(0)"
                                                                  << "qt_edit_menu";
    QTest::newRow("entraînement, the search box: its text's menu") << "entraînement"
                                                                   << "recherche"
                                                                   << "qt_edit_menu";
    QTest::newRow("entraînement, a button: none") << "entraînement"
                                                  << "corriger"
                                                  << "";
}

void KeysTest::shiftF10OpensTheRightClickMenu()
{
    QFETCH(QString, window);
    QFETCH(QString, focused);
    QFETCH(QString, entry);
    LauncherFixture program(3);
    QWidget* shown = windowFor(program, window);
    auto* control = testsupport::WindowProbe(*shown).get<QWidget>(focused);
    shown->activateWindow();
    QCoreApplication::processEvents();
    control->setFocus(Qt::TabFocusReason);
    QWidget* keys = QApplication::focusWidget();
    QVERIFY(keys);
    QTest::keyClick(keys, Qt::Key_F10, Qt::ShiftModifier);
    const QStringList entries = openMenuEntries();
    QVERIFY2(entry.isEmpty() ? entries.isEmpty() : entries.contains(entry),
             qPrintable(entries.join(", ")));
}

// The question is made once and shown at each LANCER: a player who once went to "Recommencer
// la liste" and left the question with Esc still resumes with Return.
void KeysTest::returnResumesWhateverHadTheFocus()
{
    LauncherFixture program(3);
    auto* question = static_cast<QMessageBox*>(windowFor(program, QStringLiteral("question")));
    QPushButton* again = program.launcherControls().button("recommencer");
    for (int tab = 0; tab < 3 && question->focusWidget() != again; ++tab)
        QTest::keyClick(question->focusWidget(), Qt::Key_Tab);
    QCOMPARE(question->focusWidget(), again);
    QTest::keyClick(question->focusWidget(), Qt::Key_Escape);
    QVERIFY(!question->isVisible());

    QVERIFY(!program.launch(kSeven, 0));
    QVERIFY(question->isVisible());
    QCOMPARE(question->focusWidget(), program.launcherControls().button("reprendre"));
    QTest::keyClick(question->focusWidget(), Qt::Key_Return);
    QVERIFY(program.form().isVisible());
    QCOMPARE(program.ui().box("motsleft")->text(), QStringLiteral("4"));
}

QTEST_MAIN(KeysTest)
#include "KeysTest.moc"
