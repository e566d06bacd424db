// The launcher: its boxes, the start of a drill and the farewell.
#include <training/window/tests/ListFolder.h>

#include <launcher/Form2.h>
#include <look/Colour.h>
#include <look/Look.h>
#include <testsupport/SeededRandomSource.h>
#include <training/drill/ListCatalogue.h>
#include <training/window/Form1.h>

#include <QAbstractItemView>
#include <QComboBox>
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
using training::Form1;

using WidgetOf = std::function<QWidget*(Form2&)>;
Q_DECLARE_METATYPE(WidgetOf)

namespace {

// Writes the file of every title of the catalogue, each with entries of its own.
void writeCatalogue(const ListFolder& folder)
{
    for (const drill::CatalogueRow& row : drill::ListCatalogue::rows()) {
        const QString file = QString::fromStdString(row.file).mid(5);
        const QString draw =
            QStringLiteral("%1%2").arg(row.list).arg(QString::fromStdString(row.title));
        folder.write(file, {draw + QStringLiteral(";X")});
    }
}

void choose(Form2& launcher, int box, const QString& title)
{
    launcher.fichier[box]->setCurrentIndex(launcher.fichier[box]->findText(title));
    launcher.fichier_Click(box);
}

}  // namespace

class LauncherTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void controlPlaces_data();
    void controlPlaces();
    void boxesFilled();
    void chosenLastWins_data();
    void chosenLastWins();
    void arrowKeyChoosesItem();
    void typedTitleChoosesNothing_data();
    void typedTitleChoosesNothing();
    void pickInTheOpenListChooses();
    void lancerBeforeChoiceIgnored();
    void trainingWindowCreatedOnce();
    void missingListShowsMessage();
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

std::unique_ptr<Form2> LauncherTest::makeLauncher()
{
    auto launcher = std::make_unique<Form2>();
    launcher->endProgram = [this] { ++ended; };
    Form1& form = launcher->trainingForm();
    form.dataFolders.clear();
    form.setRandomSource(std::make_unique<testsupport::SeededRandomSource>(7));
    launcher->show();
    return launcher;
}

void LauncherTest::controlPlaces_data()
{
    QTest::addColumn<WidgetOf>("widget");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("caption");
    auto row = [](const char* name, WidgetOf widget, QRect rect, const char* caption) {
        QTest::newRow(name) << widget << rect << QString::fromUtf8(caption);
    };
    // clang-format off
    row("Label1", [](Form2& f) { return f.Label1; }, {840, 120, 0, 0}, "MOTS NOUVEAUX ODS 6");
    row("Label3(0)", [](Form2& f) { return f.Label3[0]; }, {240, 720, 0, 0}, "Listes basées sur les entrées :");
    row("Label3(1)", [](Form2& f) { return f.Label3[1]; }, {3120, 720, 0, 0}, "Listes avec flexions et conjugaisons :");
    row("fichier(0)", [](Form2& f) { return f.fichier[0]; }, {120, 960, 2295, 315}, "Sélectionnez votre liste");
    row("fichier(1)", [](Form2& f) { return f.fichier[1]; }, {3120, 960, 2655, 315}, "Sélectionnez votre liste");
    row("Command1", [](Form2& f) { return f.Command1; }, {2160, 1320, 1215, 375}, "LANCER");
    row("Text1", [](Form2& f) { return f.Text1; }, {600, 1680, 3735, 1575}, "");
    row("Label2", [](Form2& f) { return f.Label2; }, {4800, 2880, 375, 255}, "");
    row("quitter", [](Form2& f) { return f.quitter; }, {4560, 3480, 1215, 495}, "Quitter");
    // clang-format on
}

void LauncherTest::controlPlaces()
{
    QFETCH(WidgetOf, widget);
    QFETCH(QRect, twips);
    QFETCH(QString, caption);
    Form2 launcher;
    QWidget* control = widget(launcher);
    QCOMPARE(control->pos(), QPoint(look::px(twips.x()), look::px(twips.y())));
    if (twips.width() > 0)
        QCOMPARE(control->size(), QSize(look::px(twips.width()), look::px(twips.height())));
    QString text;
    if (auto* label = qobject_cast<QLabel*>(control)) {
        text = label->text();
        QCOMPARE(look::background(label), look::Colour::window);
        if (twips.width() == 0)  // sized to its caption
            QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(text));
    } else if (auto* button = qobject_cast<QPushButton*>(control)) {
        text = button->text();
    } else if (auto* box = qobject_cast<QComboBox*>(control)) {
        text = box->currentText();
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(control)) {
        text = edit->toPlainText();
        QVERIFY(edit->isHidden() && !edit->isEnabled());
    }
    QCOMPARE(text, caption);
    QCOMPARE(launcher.windowTitle(), QStringLiteral("Bienvenue :o)"));
    QCOMPARE(launcher.size(), QSize(look::px(6045), look::px(4125)));
    QCOMPARE(look::background(&launcher), look::Colour::window);
    QCOMPARE(launcher.font().family(), QStringLiteral("MS Sans Serif"));
}

void LauncherTest::boxesFilled()
{
    Form2 launcher;
    for (int box = 0; box < 2; ++box) {
        const std::vector<std::string> titles = drill::ListCatalogue::titles(box);
        QCOMPARE(launcher.fichier[box]->count(), static_cast<int>(titles.size()));
        for (int k = 0; k < launcher.fichier[box]->count(); ++k)
            QCOMPARE(launcher.fichier[box]->itemText(k), QString::fromStdString(titles[k]));
        QCOMPARE(launcher.fichier[box]->currentIndex(), -1);
        QVERIFY(launcher.fichier[box]->isEditable());
    }
    QVERIFY(launcher.Label1->font().bold());
    QCOMPARE(launcher.Label1->font().pointSizeF(), 13.5);
    QVERIFY(launcher.chosenBox.isEmpty());
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
    launcher->Command1_Click();
    Form1* form = launcher->training();
    QCOMPARE(form->tirage[0]->text(), drawn);
    QCOMPARE(form->Label7->text(), drawn.mid(1));
    QVERIFY(form->isVisible());
    QVERIFY(launcher->isHidden());
}

// Choosing with the arrow key raises the item-chosen event; typing does not.
void LauncherTest::arrowKeyChoosesItem()
{
    Form2 launcher;
    QTest::keyClicks(launcher.fichier[1]->lineEdit(), QStringLiteral("abc"));
    QVERIFY(launcher.chosenBox.isEmpty());
    QTest::keyClick(launcher.fichier[1], Qt::Key_Down);
    QCOMPARE(launcher.chosenBox, QStringLiteral("une"));
    QTest::keyClick(launcher.fichier[0], Qt::Key_Down);
    QCOMPARE(launcher.chosenBox, QStringLiteral("zero"));
    QCOMPARE(launcher.fichier[1]->currentText(), QString::fromUtf8("4 lettres (solution unique)"));
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
    launcher->fichier[0]->setFocus();
    for (int k = 0; k < 4; ++k)
        QTest::keyClick(launcher->fichier[0], Qt::Key_Down);
    QCOMPARE(launcher->chosenBox, QStringLiteral("zero"));
    QCOMPARE(launcher->fichier[0]->currentText(), QStringLiteral("7 lettres"));

    launcher->fichier[1]->setFocus();
    launcher->fichier[1]->lineEdit()->selectAll();
    QTest::keyClicks(launcher->fichier[1], typed);
    if (enter)
        QTest::keyClick(launcher->fichier[1], Qt::Key_Return);
    else
        launcher->Command1->setFocus();
    QVERIFY(!launcher->fichier[1]->hasFocus() || enter);
    QCOMPARE(launcher->chosenBox, QStringLiteral("zero"));

    launcher->Command1_Click();
    QCOMPARE(launcher->training()->tirage[0]->text(), QStringLiteral("07 lettres"));
}

// Picking in the open list, here with the arrow keys and Enter, chooses the box.
void LauncherTest::pickInTheOpenListChooses()
{
    auto launcher = makeLauncher();
    QVERIFY(QTest::qWaitForWindowActive(launcher.get()));
    choose(*launcher, 0, QStringLiteral("7 lettres"));
    QComboBox* box = launcher->fichier[1];
    box->showPopup();
    QAbstractItemView* list = box->view();
    QTRY_VERIFY(list->isVisible());
    list->setCurrentIndex(box->model()->index(2, 0));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(launcher->chosenBox, QStringLiteral("une"));
    QCOMPARE(box->currentText(), QString::fromUtf8("6 lettres (solution unique)"));
    QTRY_VERIFY(!list->isVisible());

    // A list opened and closed without a pick chooses nothing.
    choose(*launcher, 0, QStringLiteral("7 lettres"));
    box->showPopup();
    QTRY_VERIFY(list->isVisible());
    QTest::keyClick(list, Qt::Key_Escape);
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(launcher->chosenBox, QStringLiteral("zero"));
}

void LauncherTest::lancerBeforeChoiceIgnored()
{
    Form2 launcher;
    launcher.show();
    launcher.Command1_Click();
    QVERIFY(launcher.training() == nullptr);
    QVERIFY(launcher.isVisible());
}

void LauncherTest::trainingWindowCreatedOnce()
{
    ListFolder folder;
    writeCatalogue(folder);
    Form2 launcher;
    launcher.endProgram = [this] { ++ended; };
    launcher.show();
    choose(launcher, 0, QStringLiteral("7 lettres"));
    QVERIFY(launcher.training() == nullptr);  // not before the first drill
    launcher.Command1_Click();
    Form1* first = launcher.training();
    QVERIFY(first != nullptr);
    QCOMPARE(first->Command1[0]->font().pointSizeF(), 22.0);
    first->Command3_Click();  // a choice of the first drill, kept by the window
    first->quitter_Click();
    QVERIFY(launcher.isVisible());
    QVERIFY(first->isHidden());
    choose(launcher, 1, QStringLiteral("9 lettres (solution unique)"));
    launcher.Command1_Click();
    QCOMPARE(launcher.training(), first);
    QCOMPARE(first->fontNumber, std::int16_t(2));
    QCOMPARE(first->tirage[0]->font().pointSizeF(), 10.0);
    QVERIFY(launcher.isHidden());
    QCOMPARE(ended, 0);
}

void LauncherTest::missingListShowsMessage()
{
    ListFolder folder;
    auto launcher = makeLauncher();
    choose(*launcher, 0, QStringLiteral("7 lettres"));
    launcher->Command1_Click();
    QVERIFY(launcher->isVisible());
    QVERIFY(launcher->training()->isHidden());
    QVERIFY(!launcher->training()->corriger->isEnabled());  // no drill started
    QVERIFY(launcher->message->isVisible());
    QVERIFY(launcher->message->text().contains(QStringLiteral("data/ods6new_7L.txt")));

    folder.write(QStringLiteral("ods6new_7L.txt"), ListFolder::entries(3));
    launcher->Command1_Click();
    QVERIFY(launcher->isHidden());
    QVERIFY(launcher->message->isHidden());
    QVERIFY(launcher->training()->corriger->isEnabled());
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
    launcher->Command1_Click();
    QVERIFY(launcher->isVisible());
    QVERIFY(launcher->training()->isHidden());
    QVERIFY(!launcher->training()->corriger->isEnabled());
    QVERIFY(launcher->message->isVisible());
    QCOMPARE(
        launcher->message->text(),
        QString::fromUtf8(
            "Liste refusée : data/ods6new_7L.txt, ligne 3 : solutions plus longues que le tirage"));
}

void LauncherTest::farewell()
{
    ended = 0;
    auto launcher = makeLauncher();
    QTest::mouseClick(launcher->quitter, Qt::LeftButton);
    for (QWidget* gone : std::initializer_list<QWidget*>{
             launcher->fichier[0], launcher->fichier[1], launcher->Label3[0], launcher->Label3[1],
             launcher->Label1, launcher->Command1, launcher->quitter})
        QVERIFY(gone->isHidden());
    QVERIFY(!launcher->isEnabled());
    QVERIFY(launcher->Text1->isVisible());
    QVERIFY(!launcher->Text1->isEnabled());
    QCOMPARE(launcher->windowTitle(), QString::fromUtf8("A bientôt !"));
    QCOMPARE(launcher->Text1->geometry(),
             QRect(look::px(600), look::px(640), look::px(3735), look::px(2400)));
    const QStringList lines = launcher->Text1->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(),
             10);  // heading, blank, five contact lines, blank, the empty closing, end
    QCOMPARE(lines[0], QStringLiteral("A propos de l'auteur :"));
    QVERIFY(lines[1].isEmpty());
    QVERIFY(lines[2].contains(QStringLiteral("vorlane")));
    QVERIFY(lines.join(QLatin1Char(' '))
                .contains(QStringLiteral("logiciel libre"), Qt::CaseInsensitive));
    QVERIFY(lines[6].contains(QStringLiteral("Suggestions")));
    for (const QString& line : lines)  // each line fits the box
        QVERIFY(launcher->Text1->fontMetrics().horizontalAdvance(line)
                < launcher->Text1->viewport()->width());
    QVERIFY(lines[7].isEmpty());

    QVERIFY(launcher->Timer1->isActive());
    QVERIFY(launcher->Label2->text().isEmpty());
    for (int shown = 8; shown >= 0; --shown) {
        launcher->Timer1_Timer();
        QCOMPARE(launcher->Label2->text(), QString::number(shown));
        QCOMPARE(ended, 0);
    }
    launcher->Timer1_Timer();
    QCOMPARE(ended, 1);
    QVERIFY(!launcher->Timer1->isActive());
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
    launcher->quitter_Click();
    launcher->Timer1_Timer();
    QCOMPARE(launcher->Label2->text(), QStringLiteral("8"));
    QVERIFY(!launcher->isEnabled());
    const QImage shot = launcher->grab().toImage();

    const QRect countdown = launcher->Label2->geometry();
    QCOMPARE(shot.pixelColor(countdown.right() - 1, countdown.top() + 1), look::Colour::window);
    const auto [digitDark, digitLight] = greyRange(shot, countdown);
    QVERIFY2(digitDark < 64, qPrintable(QString::number(digitDark)));
    QCOMPARE(digitLight, qGray(look::Colour::window.rgb()));

    const QRect text = launcher->Text1->geometry().adjusted(4, 4, -4, -4);
    const auto [textDark, textLight] = greyRange(shot, text);
    QVERIFY2(textDark < 64, qPrintable(QString::number(textDark)));
    QCOMPARE(textLight, 255);
    QCOMPARE(shot.pixelColor(text.right(), text.bottom()),
             launcher->Text1->palette().color(QPalette::Active, QPalette::Base));
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
