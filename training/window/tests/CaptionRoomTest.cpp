// Every caption of the launcher and of the training window is whole at its designed place,
// measured in the face that actually draws it against the room the design gives it.
#include <launcher/Form2.h>
#include <look/CaptionButton.h>
#include <look/Look.h>
#include <training/drill/ListCatalogue.h>
#include <training/window/Form1.h>

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QtTest>

#include <cmath>
#include <functional>
#include <utility>

using launcher::Form2;
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

QString faceOf(const QWidget* widget)
{
    const QFontInfo used(widget->font());
    return QStringLiteral("%1 %2 px").arg(used.family()).arg(used.pixelSize());
}

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

LimitOf leftOf(std::function<QWidget*(Form1&, Form2&)> neighbour)
{
    return [neighbour](Form1& f, Form2& l) { return neighbour(f, l)->x(); };
}

void nothing(Form1&, Form2&) {}

// Switches the criterion `times` times from the window's start.
Setter criterionSwitched(int times)
{
    return [times](Form1& f, Form2&) {
        for (int k = 0; k < times; ++k)
            f.Command4_Click();
    };
}

Setter caption(std::function<QLabel*(Form1&, Form2&)> label, const QString& text)
{
    return [label, text](Form1& f, Form2& l) { look::setCaption(label(f, l), text); };
}

// The longest title of the catalogue, as the list caption shows it.
QString longestTitle()
{
    QString longest;
    for (const drill::CatalogueRow& row : drill::ListCatalogue::rows()) {
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
    auto f = [](QLabel* Form1::*member) {
        return LabelOf([member](Form1& form, Form2&) { return form.*member; });
    };
    auto l = [](auto member) {
        return LabelOf([member](Form1&, Form2& launcher) { return member(launcher); });
    };
    auto box = [](QLineEdit* Form1::*member) {
        return std::function<QWidget*(Form1&, Form2&)>(
            [member](Form1& form, Form2&) { return form.*member; });
    };

    // The launcher
    QTest::newRow("Label1") << Setter(nothing) << l([](Form2& w) { return w.Label1; })
                            << twips(6045);
    QTest::newRow("Label3(0)") << Setter(nothing) << l([](Form2& w) { return w.Label3[0]; })
                               << leftOf([](Form1&, Form2& w) { return w.Label3[1]; });
    QTest::newRow("Label3(1)") << Setter(nothing) << l([](Form2& w) { return w.Label3[1]; })
                               << twips(6045);
    QTest::newRow("Label2 countdown")
        << Setter([](Form1&, Form2& w) { w.Label2->setText(QStringLiteral("8")); })
        << l([](Form2& w) { return w.Label2; }) << twips(4800 + 375);

    // The training window
    QTest::newRow("Label7 longest title")
        << caption([](Form1& w, Form2&) { return w.Label7; }, longestTitle()) << f(&Form1::Label7)
        << leftOf([](Form1& w, Form2&) { return w.police; });
    QTest::newRow("police") << caption([](Form1& w, Form2&) { return w.police; },
                                       QStringLiteral("7"))
                            << f(&Form1::police)
                            << leftOf([](Form1& w, Form2&) { return w.Command3; });
    QTest::newRow("Label4") << Setter(nothing) << f(&Form1::Label4)
                            << leftOf(box(&Form1::motsleft));
    QTest::newRow("Label3 TEMPS") << Setter(nothing) << f(&Form1::Label3) << twips(11400);
    QTest::newRow("Label1 Série") << Setter(nothing) << f(&Form1::Label1)
                                  << leftOf(box(&Form1::temps));
    QTest::newRow("Label2 Total") << Setter(nothing) << f(&Form1::Label2)
                                  << leftOf(box(&Form1::tempstot));
    QTest::newRow("Label8") << Setter(nothing) << f(&Form1::Label8)
                            << leftOf([](Form1& w, Form2&) { return w.nbftot; });
    QTest::newRow("nbftot") << caption([](Form1& w, Form2&) { return w.nbftot; },
                                       QStringLiteral("2147483647"))
                            << f(&Form1::nbftot) << twips(11400);
    QTest::newRow("nbseries") << caption([](Form1& w, Form2&) { return w.nbseries; },
                                         QString::fromUtf8("32767 série(s) déjà réalisée(s)."))
                              << f(&Form1::nbseries) << twips(8760);
    QTest::newRow("score") << caption([](Form1& w, Form2&) { return w.score; },
                                      QStringLiteral("30/30"))
                           << f(&Form1::score) << leftOf([](Form1& w, Form2&) { return w.Label2; });
    QTest::newRow("tps") << caption([](Form1& w, Form2&) { return w.tps; }, QStringLiteral("4:00"))
                         << f(&Form1::tps) << leftOf([](Form1& w, Form2&) { return w.Command5; });
    QTest::newRow("voyant") << caption([](Form1& w, Form2&) { return w.voyant; },
                                       QStringLiteral("NO"))
                            << f(&Form1::voyant)
                            << leftOf([](Form1& w, Form2&) { return w.quitter; });
    for (int switches = 0; switches < 4; ++switches) {
        const QByteArray after = QByteArray::number(switches);
        QTest::newRow("Label5 after " + after + " switches")
            << criterionSwitched(switches) << f(&Form1::Label5) << leftOf(box(&Form1::seuiltxt));
        QTest::newRow("Label6 after " + after + " switches")
            << criterionSwitched(switches) << f(&Form1::Label6)
            << leftOf([](Form1& w, Form2&) { return w.quitter; });
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
                            .arg(faceOf(shown))
                            .arg(room)));
    QVERIFY(shown->width() >= width);  // the label itself holds its caption
}

void CaptionRoomTest::buttons_data()
{
    QTest::addColumn<Setter>("setUp");
    QTest::addColumn<ButtonOf>("button");
    auto f = [](QPushButton* Form1::*member) {
        return ButtonOf([member](Form1& form, Form2&) { return form.*member; });
    };
    QTest::newRow("LANCER") << Setter(nothing)
                            << ButtonOf([](Form1&, Form2& w) { return w.Command1; });
    QTest::newRow("Quitter") << Setter(nothing)
                             << ButtonOf([](Form1&, Form2& w) { return w.quitter; });
    QTest::newRow("Changer de police") << Setter(nothing) << f(&Form1::Command3);
    QTest::newRow("Nouvelle série(F8)") << Setter(nothing) << f(&Form1::restart);
    QTest::newRow("Corriger(F12)") << Setter(nothing) << f(&Form1::corriger);
    QTest::newRow("Valider") << Setter(nothing) << f(&Form1::valider);
    QTest::newRow("Pause") << Setter(nothing) << f(&Form1::Command5);
    QTest::newRow("Reprendre") << Setter([](Form1& w, Form2&) { w.Command5_Click(); })
                               << f(&Form1::Command5);
    QTest::newRow("Retour au sommaire") << Setter(nothing) << f(&Form1::quitter);
    QTest::newRow("Changer critère") << Setter(nothing) << f(&Form1::Command4);
    // The widest capitals on the letter tiles; Command2 is a sliver the design never shows.
    for (const char* letter : {"W", "M", "+"})
        QTest::newRow(QByteArray("tile ") + letter) << Setter([letter](Form1& w, Form2&) {
            w.Command1[8]->setText(QString::fromLatin1(letter));
        }) << ButtonOf([](Form1& w, Form2&) { return w.Command1[8]; });
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
                            .arg(faceOf(shown))
                            .arg(area.width())
                            .arg(area.height())));
}

QTEST_MAIN(CaptionRoomTest)
#include "CaptionRoomTest.moc"
