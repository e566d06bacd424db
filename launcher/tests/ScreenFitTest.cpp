// The windows kept on their screen, above the taskbar, whatever Windows scales them by.
#include <launcher/ImportWindow.h>
#include <launcher/WordFileDialog.h>
#include <look/ScreenFit.h>
#include <testsupport/PlayerHome.h>
#include <training/window/Form1.h>

#include <QScreen>
#include <QtTest>

#include <functional>
#include <memory>

using look::ScreenFit;

Q_DECLARE_METATYPE(std::function<QWidget*()>)

class ScreenFitTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { testsupport::forgetPlayersFiles(); }
    void movesInByTheLeast_data();
    void movesInByTheLeast();
    void shownWindowsStayOnScreen_data();
    void shownWindowsStayOnScreen();
};

// Logical pixels: at 150 %, a 1 920 × 1 080 screen above a 48 px taskbar leaves 1 280 × 688.
void ScreenFitTest::movesInByTheLeast_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<bool>("mayShrink");
    QTest::addColumn<QRect>("fitted");
    const QRect laptop(0, 0, 1280, 688);
    QTest::newRow("inside stays") << QRect(100, 10, 803, 677) << laptop << false
                                  << QRect(100, 10, 803, 677);
    QTest::newRow("down over the taskbar goes up")
        << QRect(240, 60, 803, 677) << laptop << false << QRect(240, 11, 803, 677);
    QTest::newRow("right off the screen comes back")
        << QRect(900, 0, 803, 677) << laptop << false << QRect(477, 0, 803, 677);
    QTest::newRow("above and left of it")
        << QRect(-40, -30, 500, 400) << laptop << false << QRect(0, 0, 500, 400);
    QTest::newRow("taller than the room: title bar on screen")
        << QRect(240, 60, 803, 700) << laptop << false << QRect(240, 0, 803, 700);
    QTest::newRow("a dialog shrinks to fit")
        << QRect(200, 100, 1400, 720) << laptop << true << QRect(0, 0, 1280, 688);
    QTest::newRow("second screen on the right")
        << QRect(1900, 500, 803, 677) << QRect(1920, 0, 1280, 688) << false
        << QRect(1920, 11, 803, 677);
}

void ScreenFitTest::movesInByTheLeast()
{
    QFETCH(QRect, frame);
    QFETCH(QRect, available);
    QFETCH(bool, mayShrink);
    QFETCH(QRect, fitted);
    QCOMPARE(ScreenFit::fitted(frame, available, mayShrink), fitted);
}

void ScreenFitTest::shownWindowsStayOnScreen_data()
{
    QTest::addColumn<std::function<QWidget*()>>("make");
    QTest::newRow("training window")
        << std::function<QWidget*()>([] { return new training::Form1; });
    QTest::newRow("import window")
        << std::function<QWidget*()>([] { return new launcher::ImportWindow(nullptr); });
    QTest::newRow("file dialog") << std::function<QWidget*()>([] {
        auto* dialog = new launcher::WordFileDialog(nullptr, QDir::homePath());
        dialog->resize(3000, 2000);
        return dialog;
    });
}

// Each placed low and right, then shown: inside the room its screen leaves, or, taller than
// that, at its top.
void ScreenFitTest::shownWindowsStayOnScreen()
{
    QFETCH(std::function<QWidget*()>, make);
    const std::unique_ptr<QWidget> window(make());
    const QRect available = window->screen()->availableGeometry();
    window->move(available.right() - 100, available.bottom() - 100);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QRect frame = window->frameGeometry();
    QVERIFY2(frame.left() >= available.left() && frame.top() >= available.top(),
             qPrintable(QStringLiteral("%1,%2").arg(frame.left()).arg(frame.top())));
    QVERIFY(frame.right() <= available.right() || frame.left() == available.left());
    QVERIFY(frame.bottom() <= available.bottom() || frame.top() == available.top());
}

QTEST_MAIN(ScreenFitTest)
#include "ScreenFitTest.moc"
