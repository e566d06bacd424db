// Every caption of the launcher and of the training window is whole at its designed place,
// measured in the face that actually draws it against the room the design gives it.
#include <catalogue/Catalogue.h>
#include <launcher/Form2.h>
#include <look/CaptionButton.h>
#include <look/Look.h>
#include <testsupport/PlayerHome.h>
#include <testsupport/WindowProbe.h>
#include <training/window/Form1.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QtTest>

#include <cmath>
#include <functional>
#include <utility>

using launcher::Form2;
using testsupport::WindowProbe;
using training::Form1;

using Setter = std::function<void(Form1&, Form2&)>;
using LabelOf = std::function<QLabel*(Form1&, Form2&)>;
using ButtonOf = std::function<QPushButton*(Form1&, Form2&)>;
using LimitOf = std::function<int(Form1&, Form2&)>;  // pixels from the window's left edge
Q_DECLARE_METATYPE(Setter)
Q_DECLARE_METATYPE(LabelOf)
Q_DECLARE_METATYPE(ButtonOf)
Q_DECLARE_METATYPE(LimitOf)

namespace {

// Where a button draws its caption, and how it lays it out there.
std::pair<QRect, int> captionLayout(QPushButton* button)
{
    if (auto* wrapping = qobject_cast<look::CaptionButton*>(button))
        return {wrapping->captionArea(), look::CaptionButton::kCaptionFlags};
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return {button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button),
            Qt::AlignCenter | Qt::TextShowMnemonic};
}

LimitOf twips(int twipsFromLeft)
{
    return [twipsFromLeft](Form1&, Form2&) { return look::px(twipsFromLeft); };
}

// The left edge of the training window's control `name`.
LimitOf leftOf(const char* name)
{
    return [name](Form1& f, Form2&) { return WindowProbe(f).get<QWidget>(name)->x(); };
}

// A label of the training window, or of the launcher.
LabelOf trainingLabel(const char* name)
{
    return [name](Form1& f, Form2&) { return WindowProbe(f).label(name); };
}
LabelOf launcherLabel(const char* name)
{
    return [name](Form1&, Form2& l) { return WindowProbe(l).label(name); };
}

// Clicks the training window's button `name` `times` times.
Setter clicked(const char* name, int times = 1)
{
    return [name, times](Form1& f, Form2&) {
        for (int k = 0; k < times; ++k)
            WindowProbe(f).button(name)->click();
    };
}

void nothing(Form1&, Form2&) {}

Setter caption(LabelOf label, const QString& text)
{
    return [label, text](Form1& f, Form2& l) { look::setCaption(label(f, l), text); };
}

// The longest title of the catalogue, as the list caption shows it.
QString longestTitle()
{
    QString longest;
    for (const catalogue::ListRow& row : catalogue::Catalogue::rows()) {
        const QString title = QString::fromStdString(row.title);
        if (title.size() > longest.size())
            longest = title;
    }
    return longest;
}

}  // namespace

class CaptionRoomTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    // Each case starts as a new player: the options a case sets are not the next one's.
    void init() { testsupport::forgetPlayersFiles(); }
    void labels_data();
    void labels();
    void buttons_data();
    void buttons();
};

void CaptionRoomTest::initTestCase()
{
    QApplication::setStyle(QStringLiteral("Fusion"));  // as the program sets it
}

void CaptionRoomTest::labels_data()
{
    QTest::addColumn<Setter>("setUp");
    QTest::addColumn<LabelOf>("label");
    QTest::addColumn<LimitOf>("limit");
    const auto f = trainingLabel;

    // The launcher
    QTest::newRow("Label1") << Setter(nothing) << launcherLabel("Label1") << twips(6045);
    QTest::newRow("Label3(0)") << Setter(nothing) << launcherLabel("Label3(0)")
                               << LimitOf([](Form1&, Form2& l) {
                                      return WindowProbe(l).label("Label3(1)")->x();
                                  });
    QTest::newRow("Label3(1)") << Setter(nothing) << launcherLabel("Label3(1)") << twips(6045);
    QTest::newRow("Label2 countdown") << caption(launcherLabel("Label2"), QStringLiteral("8"))
                                      << launcherLabel("Label2") << twips(4800 + 375);

    // The training window
    QTest::newRow("Label7 longest title")
        << caption(f("Label7"), longestTitle()) << f("Label7") << leftOf("police");
    QTest::newRow("police") << caption(f("police"), QStringLiteral("7")) << f("police")
                            << leftOf("Command3");
    QTest::newRow("Label4") << Setter(nothing) << f("Label4") << leftOf("motsleft");
    QTest::newRow("Label3 TEMPS") << Setter(nothing) << f("Label3") << twips(11400);
    QTest::newRow("Label1 Série") << Setter(nothing) << f("Label1") << leftOf("temps");
    QTest::newRow("Label2 Total") << Setter(nothing) << f("Label2") << leftOf("tempstot");
    QTest::newRow("Label8") << Setter(nothing) << f("Label8") << leftOf("nbftot");
    QTest::newRow("nbftot") << caption(f("nbftot"), QStringLiteral("2147483647")) << f("nbftot")
                            << twips(11400);
    QTest::newRow("nbseries") << caption(f("nbseries"),
                                         QString::fromUtf8("32767 série(s) déjà réalisée(s)."))
                              << f("nbseries") << twips(8760);
    QTest::newRow("score") << caption(f("score"), QStringLiteral("30/30")) << f("score")
                           << leftOf("Label2");
    QTest::newRow("tps") << caption(f("tps"), QStringLiteral("4:00")) << f("tps")
                         << leftOf("Command5");
    QTest::newRow("voyant") << caption(f("voyant"), QStringLiteral("NO")) << f("voyant")
                            << leftOf("quitter");
    for (int switches = 0; switches < 4; ++switches) {
        const QByteArray after = QByteArray::number(switches);
        QTest::newRow("Label5 after " + after + " switches")
            << clicked("Command4", switches) << f("Label5") << leftOf("seuiltxt");
        QTest::newRow("Label6 after " + after + " switches")
            << clicked("Command4", switches) << f("Label6") << leftOf("quitter");
    }
}

void CaptionRoomTest::labels()
{
    QFETCH(Setter, setUp);
    QFETCH(LabelOf, label);
    QFETCH(LimitOf, limit);
    Form2 launcherWindow;
    Form1& training = launcherWindow.trainingForm();
    setUp(training, launcherWindow);
    QLabel* shown = label(training, launcherWindow);
    const QString text = shown->text();
    QVERIFY(!text.isEmpty());
    const int width =
        static_cast<int>(std::ceil(QFontMetricsF(shown->font()).horizontalAdvance(text)));
    const int room = limit(training, launcherWindow) - shown->x();
    QVERIFY2(width <= room,
             qPrintable(QStringLiteral("« %1 » needs %2 px in %3, has %4")
                            .arg(text)
                            .arg(width)
                            .arg(WindowProbe::faceOf(shown))
                            .arg(room)));
    QVERIFY(shown->width() >= width);  // the label itself holds its caption
}

void CaptionRoomTest::buttons_data()
{
    QTest::addColumn<Setter>("setUp");
    QTest::addColumn<ButtonOf>("button");
    auto f = [](const char* name) {
        return ButtonOf([name](Form1& form, Form2&) { return WindowProbe(form).button(name); });
    };
    auto l = [](const char* name) {
        return ButtonOf([name](Form1&, Form2& form) { return WindowProbe(form).button(name); });
    };
    QTest::newRow("LANCER") << Setter(nothing) << l("Command1");
    QTest::newRow("Quitter") << Setter(nothing) << l("quitter");
    QTest::newRow("Changer de police") << Setter(nothing) << f("Command3");
    QTest::newRow("Nouvelle série(F8)") << Setter(nothing) << f("restart");
    QTest::newRow("Corriger(F12)") << Setter(nothing) << f("corriger");
    QTest::newRow("Valider") << Setter(nothing) << f("valider");
    QTest::newRow("Pause") << Setter(nothing) << f("Command5");
    QTest::newRow("Reprendre") << clicked("Command5") << f("Command5");
    QTest::newRow("Retour au sommaire") << Setter(nothing) << f("quitter");
    QTest::newRow("Changer critère") << Setter(nothing) << f("Command4");
    // The widest capitals on the letter tiles; Command2 is a sliver the design never shows.
    for (const char* letter : {"W", "M", "+"})
        QTest::newRow(QByteArray("tile ") + letter) << Setter([letter](Form1& w, Form2&) {
            WindowProbe(w).button("Command1", 8)->setText(QString::fromLatin1(letter));
        }) << f("Command1(8)");
}

void CaptionRoomTest::buttons()
{
    QFETCH(Setter, setUp);
    QFETCH(ButtonOf, button);
    Form2 launcherWindow;
    Form1& training = launcherWindow.trainingForm();
    setUp(training, launcherWindow);
    QPushButton* shown = button(training, launcherWindow);
    const auto [area, flags] = captionLayout(shown);
    const QRect needed = QFontMetrics(shown->font()).boundingRect(area, flags, shown->text());
    QVERIFY2(area.contains(needed),
             qPrintable(QStringLiteral("« %1 » needs %2 x %3 px in %4, has %5 x %6")
                            .arg(shown->text())
                            .arg(needed.width())
                            .arg(needed.height())
                            .arg(WindowProbe::faceOf(shown))
                            .arg(area.width())
                            .arg(area.height())));
}

QTEST_MAIN(CaptionRoomTest)
#include "CaptionRoomTest.moc"
