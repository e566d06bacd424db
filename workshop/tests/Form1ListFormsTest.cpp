#include <testsupport/WindowProbe.h>
#include <workshop/tests/WorkFolder.h>
#include <workshop/window/Form1.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using workshop::Form1;

// The verb, swap, plural, extension and trimming buttons of the workshop window, clicked as a
// user does: the files they write and the status they show.
class Form1ListFormsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void buttonsWriteTheirDestination_data();
    void buttonsWriteTheirDestination();
    void aMissingReferenceMattersOnlyOnceASourceLineIsRead_data();
    void aMissingReferenceMattersOnlyOnceASourceLineIsRead();

private:
    QString path(const QString& name) const { return folder->path(name); }
    void put(const QString& name, const QByteArray& bytes) const
    {
        QVERIFY(folder->put(name, bytes));
    }
    QByteArray get(const QString& name) const { return folder->get(name); }
    void click(const QString& button, const QString& source, const QString& reference) const;

    WorkFolder* folder = nullptr;
    // The window's controls, by their design names.
    testsupport::WindowProbe probe() const { return testsupport::WindowProbe(*window); }

    Form1* window = nullptr;
};

void Form1ListFormsTest::init()
{
    folder = new WorkFolder;
    window = new Form1;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void Form1ListFormsTest::cleanup()
{
    delete window;
    delete folder;
}

void Form1ListFormsTest::click(const QString& button, const QString& source,
                               const QString& reference) const
{
    typePath(probe().box("Text1"), path(source));
    typePath(probe().box("Text2"), path("dest.txt"));
    typePath(probe().box("Text3"), path(reference));
    auto* control = window->findChild<QPushButton*>(button);
    QVERIFY(control);
    QVERIFY(control->isVisible());
    QTest::mouseClick(control, Qt::LeftButton);
}

void Form1ListFormsTest::buttonsWriteTheirDestination_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("reference");
    QTest::addColumn<QByteArray>("destination");
    QTest::addColumn<QString>("status");

    QTest::newRow("verbs") << "Command13" << QByteArray("SERVIR\r\nAIMEE\r\nAimer\r\nR")
                           << QByteArray() << QByteArray("SERVI\r\nAIMEE\r\nAimer\r\nR\r\n")
                           << "Verbes OK";
    QTest::newRow("swap") << "Command14" << QByteArray("ABC;XYZ\r\n\r\nAB;XYZ\r\n") << QByteArray()
                          << QByteArray("XYZ;ABC\r\n;\r\nXY;AB\r\n") << "Inv OK";
    QTest::newRow("plurals") << "Command15"
                             << QByteArray(
                                    "ACHST;CHATS;ACHST;CHATS\r\nACEHT;CHATE;ACEHT;CHATE\r\nAB\r\n")
                             << QByteArray("ACHT;CHAT\r\n")
                             << QByteArray("ACEHT;CHATE;ACEHT;CHATE\r\nAB\r\n") << "pluriels OK";
    QTest::newRow("back") << "Command16" << QByteArray("CHAT;CHATS\r\nABC;XYZA\r\n\r\n")
                          << QByteArray() << QByteArray("CHAT;S\r\nABC;XYZA\r\n\r\n")
                          << "Rallonges OK";
    QTest::newRow("front") << "Command17"
                           << QByteArray("ABLE;\xC9"
                                         "ABLE\r\nCHAT;CHATS\r\n")
                           << QByteArray() << QByteArray("ABLE;\xC9\r\nCHAT;CHATS\r\n")
                           << "Rallonges OK";
    QTest::newRow("assembly")
        << "Command21"
        << QByteArray("ABLE;CABLE\r\nABLE;FABLE\r\nABLE;SABLE\r\nABLE;TABLE\r\nZOO;AZOO\r\n")
        << QByteArray() << QByteArray("?ABLE;CFST\r\nZOO;AZOO\r\n") << "Rallonges ass OK";
    QTest::newRow("empty assembly")
        << "Command21" << QByteArray() << QByteArray() << QByteArray() << "Rallonges ass OK";
    QTest::newRow("trim") << "Command18" << QByteArray("ABCD;EFGH\r\nABC\r\n") << QByteArray()
                          << QByteArray("ABCD;EF\r\nABC\r\n") << " OK";
    QTest::newRow("half swap") << "Command19" << QByteArray("AEIRST;ARETES\r\nABC;XYZ\r\n")
                               << QByteArray("AEIRST;ARETES\r\nAEIRST\r\n")
                               << QByteArray("ARETES;AEIRST\r\nABC;XYZ\r\n") << " OK";
}

void Form1ListFormsTest::buttonsWriteTheirDestination()
{
    QFETCH(QString, button);
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, reference);
    QFETCH(QByteArray, destination);
    QFETCH(QString, status);
    put("mots.txt", source);
    put("ref.txt", reference);
    put("dest.txt", "old contents\r\n");
    click(button, "mots.txt", "ref.txt");
    QCOMPARE(get("dest.txt"), destination);
    QCOMPARE(probe().label("Label3")->text(), status);
    QCOMPARE(get("mots.txt"), source);

    // A second click writes the same file and shows the same text.
    QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
    QCOMPARE(get("dest.txt"), destination);
    QCOMPARE(probe().label("Label3")->text(), status);
}

void Form1ListFormsTest::aMissingReferenceMattersOnlyOnceASourceLineIsRead_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<QString>("status");

    QTest::newRow("plurals, empty source") << "Command15" << QByteArray() << true << "pluriels OK";
    QTest::newRow("plurals, one line")
        << "Command15" << QByteArray("ACHST;CHATS;ACHST;CHATS\r\n") << false << "pluriels OK";
    QTest::newRow("half swap, empty source") << "Command19" << QByteArray() << true << " OK";
    QTest::newRow("half swap, one line")
        << "Command19" << QByteArray("AB;XY\r\n") << false << " OK";
}

void Form1ListFormsTest::aMissingReferenceMattersOnlyOnceASourceLineIsRead()
{
    QFETCH(QString, button);
    QFETCH(QByteArray, source);
    QFETCH(bool, succeeds);
    QFETCH(QString, status);
    put("mots.txt", source);
    put("dest.txt", "old contents\r\n");
    click(button, "mots.txt", "absent.txt");
    if (succeeds) {
        QCOMPARE(probe().label("Label3")->text(), status);
        QCOMPARE(get("dest.txt"), QByteArray());
    } else {
        QVERIFY(probe().label("Label3")->text() != status);
        QVERIFY2(probe().label("Label3")->text().contains(path("absent.txt")),
                 qPrintable(probe().label("Label3")->text()));
        QCOMPARE(get("dest.txt"), QByteArray("old contents\r\n"));
    }
    QVERIFY(window->isVisible());
}

QTEST_MAIN(Form1ListFormsTest)
#include "Form1ListFormsTest.moc"
