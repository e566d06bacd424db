// Every caption of the workshop window is whole with the face that draws it.
#include <look/Look.h>
#include <testsupport/WindowProbe.h>
#include <workshop/window/Form1.h>

#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <cmath>

using testsupport::WindowProbe;
using workshop::Form1;

class WorkshopCaptionTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void labelsFitTheirDesignedWidth_data();
    void labelsFitTheirDesignedWidth();
    void buttonCaptionsFitTheirFace();
};

void WorkshopCaptionTest::labelsFitTheirDesignedWidth_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("widthTwips");
    QTest::newRow("Source") << QStringLiteral("Label1") << 510;
    QTest::newRow("Destination") << QStringLiteral("Label2") << 795;
}

void WorkshopCaptionTest::labelsFitTheirDesignedWidth()
{
    QFETCH(QString, name);
    QFETCH(int, widthTwips);
    Form1 window;
    auto* label = window.findChild<QLabel*>(name);
    QVERIFY(label);
    const int width =
        static_cast<int>(std::ceil(QFontMetricsF(label->font()).horizontalAdvance(label->text())));
    QVERIFY2(width <= look::px(widthTwips),
             qPrintable(QStringLiteral("« %1 » needs %2 px in %3, has %4")
                            .arg(label->text())
                            .arg(width)
                            .arg(WindowProbe::faceOf(label))
                            .arg(look::px(widthTwips))));
}

// A button draws its caption wrapped at blanks in its face less a thin border (2 pixels
// at each side, 1 above and below): each caption must fit there, no word cut.
void WorkshopCaptionTest::buttonCaptionsFitTheirFace()
{
    Form1 window;
    const QList<QPushButton*> buttons = window.findChildren<QPushButton*>();
    QCOMPARE(buttons.size(), 21);
    for (QPushButton* button : buttons) {
        const QRect area = button->rect().adjusted(2, 1, -2, -1);
        const QRect needed =
            QFontMetrics(button->font())
                .boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, button->text());
        QVERIFY2(area.contains(needed),
                 qPrintable(QStringLiteral("%1 « %2 » needs %3 x %4 px in %5, has %6 x %7")
                                .arg(button->objectName(), button->text())
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(WindowProbe::faceOf(button))
                                .arg(area.width())
                                .arg(area.height())));
    }
}

QTEST_MAIN(WorkshopCaptionTest)
#include "WorkshopCaptionTest.moc"
