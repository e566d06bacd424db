// What the text boxes of the training window show: the start of whatever the program
// writes into them, whatever its length, and the seven faces of "Changer de police".
#include <training/window/tests/DrillFixture.h>

#include <look/Look.h>

#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QSet>
#include <QtTest>

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
    void countsAndClocksShowWhole();
    void thresholdWrittenShowsItsStart();
    void textsLongerThan32767Characters();
    void sevenDistinctFaces();
};

void TextBoxDisplayTest::longDrawsShowTheirStart_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("list");
    QTest::newRow("11 points") << QStringLiteral("7 lettres (anag multiples)") << 1;
    QTest::newRow("10 points") << QStringLiteral("9 lettres (anag multiples)") << 0;
}

void TextBoxDisplayTest::longDrawsShowTheirStart()
{
    QFETCH(QString, title);
    QFETCH(int, list);
    DrillFixture drill;
    QVERIFY(drill.start(title, list, longEntries(40)));
    Form1& form = *drill.form;
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < Form1::kSlots; ++i) {
            const QString draw = form.tirage[i]->text();
            QCOMPARE(draw.size(), 40);
            const QString shown = visibleText(form.tirage[i]);
            QVERIFY2(shown.size() < draw.size(),
                     qPrintable(shown));  // the box is narrower than its draw
            QVERIFY2(shown.startsWith(draw.left(4)),
                     qPrintable(QStringLiteral("slot %1 shows %2").arg(i).arg(shown)));
        }
        // Correction: empty answers get the draw, draw boxes the solutions.
        const QString draw0 = form.tirage[0]->text();
        QTest::keyClick(form.solution[0], Qt::Key_F12);
        for (int i = 0; i < Form1::kSlots; ++i) {
            QVERIFY(visibleText(form.tirage[i]).startsWith(form.tirage[i]->text().left(4)));
            QVERIFY(visibleText(form.solution[i]).startsWith(form.solution[i]->text().left(4)));
        }
        QCOMPARE(form.solution[0]->text(), draw0);
        QTest::keyClick(form.solution[0], Qt::Key_F8);  // the next series, in boxes scrolled before
    }
}

void TextBoxDisplayTest::countsAndClocksShowWhole()
{
    DrillFixture drill;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(10001)));
    Form1& form = *drill.form;
    QCOMPARE(visibleText(form.motsleft), QStringLiteral("10001"));
    form.state().totalSeconds = 35998;
    form.Timer2_Timer();
    QCOMPARE(visibleText(form.tempstot), QStringLiteral("9:59:59"));
    form.Timer1_Timer();
    QCOMPARE(visibleText(form.temps), QStringLiteral("3:59"));
}

// The box is 17 pixels wide: what it shows of a longer threshold is its beginning.
void TextBoxDisplayTest::thresholdWrittenShowsItsStart()
{
    DrillFixture drill;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, ListFolder::entries(3)));
    Form1& form = *drill.form;
    form.seuiltxt->setText(QStringLiteral("10.5"));
    QVERIFY(visibleText(form.seuiltxt).startsWith(QStringLiteral("1")));
    form.Command4_Click();
    QCOMPARE(visibleText(form.seuiltxt), QStringLiteral("5"));
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
    QCOMPARE(form.tirage[0]->text(), draw);
    form.recherche->setText(solutions);
    form.valider_Click();
    QCOMPARE(form.solution[0]->text(), solutions);
    QCOMPARE(drill.beeps, 0);
    form.corriger_Click();
    QCOMPARE(form.score->text(), QStringLiteral("1/1"));
    QCOMPARE(form.state().entryCount, 0);  // found at the first success: the drill is over

    // After correction an unanswered entry shows its solutions whole in its draw box.
    DrillFixture missed;
    QVERIFY(missed.start(QStringLiteral("7 lettres"), 0, {draw + QLatin1Char(';') + solutions}));
    missed.form->corriger_Click();
    QCOMPARE(missed.form->tirage[0]->text(), solutions);
    QCOMPARE(missed.form->solution[0]->text(), draw);
}

// "Changer de police" gives seven faces that look different from one another: each
// draws the same draw into a different picture, and the sixth is a light condensed one.
void TextBoxDisplayTest::sevenDistinctFaces()
{
    DrillFixture drill;
    QVERIFY(drill.start(QStringLiteral("7 lettres"), 0, {QStringLiteral("AEGMRSW;MAGREWS")}));
    Form1& form = *drill.form;
    QSet<QString> families;
    QList<QImage> pictures;
    for (int face = 1; face <= 7; ++face) {
        form.Command3_Click();
        const QFontInfo used(form.tirage[0]->font());
        families.insert(used.family());
        QImage picture = form.tirage[0]->grab().toImage();
        for (const QImage& earlier : std::as_const(pictures))
            QVERIFY2(picture != earlier,
                     qPrintable(QStringLiteral("face %1 looks like an earlier one").arg(face)));
        pictures << picture;
        if (face == 6) {
            const QFontMetricsF condensed(form.tirage[0]->font());
            const QFont arial =
                look::face(QStringLiteral("Arial"), form.tirage[0]->font().pointSizeF());
            QVERIFY2(stemWidth(form.tirage[0]->font()) < stemWidth(arial) * 0.8,
                     qPrintable(used.family()));
            QVERIFY(condensed.horizontalAdvance(QStringLiteral("AEGMRSW"))
                    < QFontMetricsF(arial).horizontalAdvance(QStringLiteral("AEGMRSW")) * 0.9);
        }
    }
    QCOMPARE(families.size(), 7);
}

QTEST_MAIN(TextBoxDisplayTest)
#include "TextBoxDisplayTest.moc"
