// What the text boxes of the training window show: the start of whatever the program
// writes into them, whatever its length, and the seven faces of "Changer de police".
#include <training/window/tests/DrillFixture.h>

#include <look/Look.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <QtTest>

using testsupport::WindowProbe;
using training::Form1;

namespace {

// The characters that `box` displays between its left and right inner edges, read from
// the box as it has just been painted (a line edit decides its scroll when it paints).
QString visibleText(QLineEdit* box)
{
    box->grab();
    const int middle = box->height() / 2;
    const int first = box->cursorPositionAt(QPoint(3, middle));
    const int last = box->cursorPositionAt(QPoint(box->width() - 4, middle));
    return box->text().mid(first, last - first);
}

// Entry n: nine letters of its own and "+" up to 40 characters, as the anagram lists pad
// their draws to the length of all their solutions; the solutions are 39 characters.
QStringList longEntries(int count)
{
    QStringList lines;
    for (int n = 0; n < count; ++n) {
        QString letters = QStringLiteral("AEINORST");
        letters.insert(n % 9, QChar(QLatin1Char('B' + n % 20)));
        letters += QChar(QLatin1Char('A' + n / 20));
        const QString draw = letters.left(9) + QString(31, QLatin1Char('+'));
        const QString solutions = QStringLiteral("%1;%1;%1;%1").arg(letters.left(9));
        lines << draw + QLatin1Char(';') + solutions;
    }
    return lines;
}

// Entry n: nine letters of its own padded with "+" to 20 to 49 characters, answered by its
// letters twice: the draws of a series are of all lengths, and all longer than their box.
QStringList paddedEntries(int count)
{
    QStringList lines;
    for (int n = 0; n < count; ++n) {
        const QString letters = QStringLiteral("NAEIRST%1%2")
                                    .arg(QChar(QLatin1Char('A' + n % 26)))
                                    .arg(QChar(QLatin1Char('A' + n / 26)));
        const QString draw = letters + QString(11 + (n * 7) % 30, QLatin1Char('+'));
        lines << draw + QLatin1Char(';') + letters + QLatin1Char(' ') + letters;
    }
    return lines;
}

// True when `box` shows the first characters of its text.
bool showsItsStart(QLineEdit* box)
{
    const QString shown = visibleText(box);
    return !shown.isEmpty() ? shown.startsWith(box->text().left(qMin(4, shown.size())))
                            : box->text().isEmpty();
}

// Width in pixels of the stem of a capital I drawn 60 pixels high: how heavy a face is.
int stemWidth(QFont font)
{
    font.setPixelSize(60);
    QImage image(80, 80, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, 0, 80, 80), Qt::AlignCenter, QStringLiteral("I"));
    }
    int dark = 0;
    for (int x = 0; x < image.width(); ++x)
        dark += qGray(image.pixel(x, 40)) < 128 ? 1 : 0;
    return dark;
}

}  // namespace

class TextBoxDisplayTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void longDrawsShowTheirStart_data();
    void longDrawsShowTheirStart();
    void answeredLongDrawsShowTheirStart();
    void countsAndClocksShowWhole_data();
    void countsAndClocksShowWhole();
    void thresholdWrittenShowsItsStart();
    void textsLongerThan32767Characters();
    void hugeEntryKeepsNoTimer();
    void sevenDistinctFaces();
};

void TextBoxDisplayTest::longDrawsShowTheirStart_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("box");
    QTest::newRow("11 points") << QStringLiteral("7 lettres (anag multiples)") << 1;
    QTest::newRow("10 points") << QStringLiteral("9 lettres (anag multiples)") << 0;
}

void TextBoxDisplayTest::longDrawsShowTheirStart()
{
    QFETCH(QString, title);
    QFETCH(int, box);
    DrillFixture drill;
    QVERIFY(drill.start(title, box, longEntries(40)));
    const WindowProbe& ui = drill.ui();
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < drill::kSlots; ++i) {
            const QString draw = ui.box("tirage", i)->text();
            QCOMPARE(draw.size(), 40);
            const QString shown = visibleText(ui.box("tirage", i));
            QVERIFY2(shown.size() < draw.size(),
                     qPrintable(shown));  // the box is narrower than its draw
            QVERIFY2(shown.startsWith(draw.left(4)),
                     qPrintable(QStringLiteral("slot %1 shows %2").arg(i).arg(shown)));
        }
        // Correction: empty answers get the draw, draw boxes the solutions.
        const QString draw0 = ui.box("tirage", 0)->text();
        QTest::keyClick(ui.box("solution", 0), Qt::Key_F12);
        for (int i = 0; i < drill::kSlots; ++i) {
            QVERIFY(
                visibleText(ui.box("tirage", i)).startsWith(ui.box("tirage", i)->text().left(4)));
            QVERIFY(visibleText(ui.box("solution", i))
                        .startsWith(ui.box("solution", i)->text().left(4)));
        }
        QCOMPARE(ui.box("solution", 0)->text(), draw0);
        QTest::keyClick(ui.box("solution", 0),
                        Qt::Key_F8);  // the next series, in boxes scrolled before
    }
}

// The player types the right answers of long draws and corrects: every draw box, which keeps
// its draw, and every answer box shows its start; so does every draw box of the next series,
// whatever the length of the draw that it held before. The longest draw is left unanswered and
// scrolled to its end by the player: its solutions, shorter, show their start too.
void TextBoxDisplayTest::answeredLongDrawsShowTheirStart()
{
    DrillFixture drill;
    const QStringList lines = paddedEntries(70);
    QVERIFY(drill.start(QStringLiteral("7 lettres (anag multiples)"), 1, lines));
    for (int round = 0; round < 2; ++round) {
        int longest = 0;
        for (int i = 0; i < drill::kSlots; ++i) {
            if (drill.tirage(i)->text().size() > drill.tirage(longest)->text().size())
                longest = i;
            for (const QString& line : lines)
                if (line.startsWith(drill.tirage(i)->text() + QLatin1Char(';')))
                    QTest::keyClicks(drill.solution(i), line.section(QLatin1Char(';'), 1));
        }
        drill.solution(longest)->clear();
        QTest::mouseClick(drill.tirage(longest), Qt::LeftButton);
        QTest::keyClick(drill.tirage(longest), Qt::Key_End);
        QVERIFY(!showsItsStart(drill.tirage(longest)));  // the player reads the end of the draw
        QTest::keyClick(drill.solution(0), Qt::Key_F12);
        QCOMPARE(drill.ui().label("score")->text(), QStringLiteral("29/30"));
        for (int i = 0; i < drill::kSlots; ++i) {
            QVERIFY2(showsItsStart(drill.tirage(i)), qPrintable(QString::number(i)));
            QVERIFY2(showsItsStart(drill.solution(i)), qPrintable(QString::number(i)));
        }
        QTest::keyClick(drill.solution(0), Qt::Key_F8);
        for (int i = 0; i < drill::kSlots; ++i)
            QVERIFY2(showsItsStart(drill.tirage(i)), qPrintable(QString::number(i)));
    }
}

void TextBoxDisplayTest::countsAndClocksShowWhole_data()
{
    QTest::addColumn<int>("entries");
    QTest::newRow("a few") << 5;
    QTest::newRow("five digits") << 10001;
    QTest::newRow("six digits, a player's own list") << 109708;
}

// The count box keeps its drawn width while the count fits, and widens short of the search box
// when it does not.
void TextBoxDisplayTest::countsAndClocksShowWhole()
{
    QFETCH(int, entries);
    DrillFixture drill;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(entries)));
    const WindowProbe& ui = drill.ui();
    QCOMPARE(visibleText(ui.box("motsleft")), QString::number(entries));
    QVERIFY(ui.box("motsleft")->width() >= look::px(495));
    QVERIFY(ui.box("motsleft")->geometry().right() < ui.box("recherche")->x());
    ui.tick("Timer2", 35999);
    QCOMPARE(visibleText(ui.box("tempstot")), QStringLiteral("9:59:59"));
    ui.tick("Timer1");
    QCOMPARE(visibleText(ui.box("temps")), QStringLiteral("3:59"));
}

// The box is 17 pixels wide: what it shows of a longer threshold is its beginning.
void TextBoxDisplayTest::thresholdWrittenShowsItsStart()
{
    DrillFixture drill;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(3)));
    const WindowProbe& ui = drill.ui();
    ui.box("seuiltxt")->setText(QStringLiteral("10.5"));
    QVERIFY(visibleText(ui.box("seuiltxt")).startsWith(QStringLiteral("1")));
    ui.button("Command4")->click();
    QCOMPARE(visibleText(ui.box("seuiltxt")), QStringLiteral("5"));
}

// A list may hold draws and solutions of any length; no box cuts them, and such an entry
// can be answered and eliminated like any other.
void TextBoxDisplayTest::textsLongerThan32767Characters()
{
    DrillFixture drill;
    const QString draw = QString(40000, QLatin1Char('A')) + QStringLiteral("Z");
    const QString solutions = QStringLiteral("Z") + QString(40000, QLatin1Char('A'));
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, {draw + QLatin1Char(';') + solutions}));
    Form1& form = *drill.form;
    const WindowProbe& ui = drill.ui();
    QCOMPARE(ui.box("tirage", 0)->text(), draw);
    ui.box("recherche")->setText(solutions);
    ui.button("valider")->click();
    QCOMPARE(ui.box("solution", 0)->text(), solutions);
    QCOMPARE(drill.beeps, 0);
    ui.button("corriger")->click();
    QCOMPARE(ui.label("score")->text(), QStringLiteral("1/1"));
    QCOMPARE(form.logic().state().entryCount, 0);  // found at the first success: the drill is over

    // After correction an unanswered entry shows its solutions whole in its draw box.
    DrillFixture missed;
    QVERIFY(missed.start(QStringLiteral("7 lettres"), 0, {draw + QLatin1Char(';') + solutions}));
    missed.ui().button("corriger")->click();
    QCOMPARE(missed.ui().box("tirage", 0)->text(), solutions);
    QCOMPARE(missed.ui().box("solution", 0)->text(), draw);
}

// An entry of 800 KB in the focused answer box, as correction leaves a missed one: no control
// of the window keeps a timer of its own. A blinking cursor would repaint the whole entry twice
// a second, a quarter of a core for as long as it is shown.
void TextBoxDisplayTest::hugeEntryKeepsNoTimer()
{
    DrillFixture drill;
    const QString draw(800000, QLatin1Char('A'));
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, {draw + QStringLiteral(";AAAAAAAAAA")}));
    QTest::keyClick(drill.solution(0), Qt::Key_F12);
    QCOMPARE(drill.solution(0)->text(), draw);
    QCOMPARE(QApplication::focusWidget(), drill.solution(0));
    QVERIFY(!drill.solution(0)->isReadOnly());
    for (QObject* object : drill.form->findChildren<QObject*>())
        if (!qobject_cast<QTimer*>(object))
            QVERIFY2(
                QAbstractEventDispatcher::instance()->registeredTimers(object).isEmpty(),
                qPrintable(QStringLiteral("%1 %2").arg(
                    QString::fromLatin1(object->metaObject()->className()), object->objectName())));
}

// "Changer de police" gives seven faces that look different from one another: each
// draws the same draw into a different picture, and the sixth is a light condensed one.
void TextBoxDisplayTest::sevenDistinctFaces()
{
    DrillFixture drill;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, {QStringLiteral("AEGMRSW;MAGREWS")}));
    const WindowProbe& ui = drill.ui();
    QSet<QString> families;
    QList<QImage> pictures;
    for (int face = 1; face <= 7; ++face) {
        ui.button("Command3")->click();
        const QFontInfo used(ui.box("tirage", 0)->font());
        families.insert(used.family() + " " + used.styleName());  // a family's styles are faces
        QImage picture = ui.box("tirage", 0)->grab().toImage();
        for (const QImage& earlier : std::as_const(pictures))
            QVERIFY2(picture != earlier,
                     qPrintable(QStringLiteral("face %1 looks like an earlier one").arg(face)));
        pictures << picture;
        if (face == 6) {
            const QFontMetricsF condensed(ui.box("tirage", 0)->font());
            const QFont arial =
                look::face(QStringLiteral("Arial"), ui.box("tirage", 0)->font().pointSizeF());
            QVERIFY2(stemWidth(ui.box("tirage", 0)->font()) < stemWidth(arial) * 0.8,
                     qPrintable(used.family()));
            QVERIFY(condensed.horizontalAdvance(QStringLiteral("AEGMRSW"))
                    < QFontMetricsF(arial).horizontalAdvance(QStringLiteral("AEGMRSW")) * 0.9);
        }
    }
    QCOMPARE(families.size(), 7);
}

QTEST_MAIN(TextBoxDisplayTest)
#include "TextBoxDisplayTest.moc"
