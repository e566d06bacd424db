// The band that says why a list could not be started: its text whole, wrapped in the band.
#include <launcher/MessageBand.h>

#include <look/Look.h>

#include <QLabel>
#include <QTextLayout>
#include <QtTest>

using launcher::MessageBand;

namespace {

// The launcher's band: 5565 twips wide, 1000 high as designed, 1620 at most.
const int designHeight = look::px(1000);
const int tallest = look::px(1620);

QString notFound(const QString& home, int folders)
{
    QStringList searched;
    for (int i = 0; i < folders; ++i)
        searched << QStringLiteral("%1\\AppData\\Local\\Programs\\vorlane%2\\share\\vorlane\\data\\"
                                   "ods6new_7L.txt")
                        .arg(home)
                        .arg(i);
    return QStringLiteral("Liste introuvable : data\\ods6new_7L.txt (cherchée dans %1)")
        .arg(searched.join(QStringLiteral(", ")));
}

// The widest of the lines the label draws its text on.
qreal widestLine(const QLabel& label)
{
    QTextLayout layout(label.text(), label.font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal widest = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label.width());
        widest = std::max(widest, line.naturalTextWidth());
    }
    layout.endLayout();
    return widest;
}

}  // namespace

class MessageBandTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsTheTextWholeInTheBand_data();
    void showsTheTextWholeInTheBand();
};

void MessageBandTest::showsTheTextWholeInTheBand_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("whole");
    QTest::newRow("short") << QStringLiteral("Liste inconnue : 7 lettres") << true;
    QTest::newRow("three Windows folders")
        << notFound(QStringLiteral("C:\\Users\\Hélène"), 3) << true;
    QTest::newRow("three Linux folders")
        << notFound(QStringLiteral("/home/jérôme/jeux/Jeux de lettres à Désirée"), 3)
               .replace(QLatin1Char('\\'), QLatin1Char('/'))
        << true;
    QTest::newRow("more than the band holds")
        << notFound(QStringLiteral("C:\\Users\\Łukasz\\Documents\\Scrabble"), 12) << false;
}

void MessageBandTest::showsTheTextWholeInTheBand()
{
    QFETCH(QString, text);
    QFETCH(bool, whole);
    QLabel band;
    band.setWordWrap(true);
    band.setFont(look::face("MS Sans Serif", 8.25));
    band.setGeometry(look::px(240), look::px(1800), look::px(5565), designHeight);
    MessageBand::show(&band, text, designHeight, tallest);
    QCOMPARE(band.toolTip(), text);
    QVERIFY2(widestLine(band) <= band.width(), qPrintable(band.text()));
    QVERIFY(band.heightForWidth(band.width()) <= band.height());
    QVERIFY(band.height() >= designHeight && band.height() <= tallest);
    if (whole)
        QCOMPARE(MessageBand::unbroken(band.text()), text);
    else
        QVERIFY(text.startsWith(MessageBand::unbroken(band.text()).chopped(1))
                && band.text().endsWith(QChar(0x2026)));
}

QTEST_MAIN(MessageBandTest)
#include "MessageBandTest.moc"
