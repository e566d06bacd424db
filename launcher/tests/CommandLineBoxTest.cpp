// What vorlane says in a window about a command line it was given where nothing printed is read.
#include <launcher/CommandLineBox.h>

#include <QPushButton>
#include <QtTest>

#include <vector>

using launcher::CommandLineBox;

namespace {

ownlists::CommandLine parsed(const QStringList& arguments)
{
    std::vector<QByteArray> bytes{"vorlane"};
    for (const QString& argument : arguments)
        bytes.push_back(argument.toUtf8());
    std::vector<const char*> argv;
    for (const QByteArray& argument : bytes)
        argv.push_back(argument.constData());
    return ownlists::CommandLine::parse(static_cast<int>(argv.size()), argv.data());
}

QPushButton* buttonCalled(const CommandLineBox& box, const QString& caption)
{
    for (QAbstractButton* button : box.buttons())
        if (button->text() == caption)
            return qobject_cast<QPushButton*>(button);
    return nullptr;
}

}  // namespace

class CommandLineBoxTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void saysTheLine_data();
    void saysTheLine();
    void choosingTheFileAsksForTheImportWindow_data();
    void choosingTheFileAsksForTheImportWindow();
};

void CommandLineBoxTest::saysTheLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("said");
    QTest::addColumn<bool>("offersTheFile");
    QTest::newRow("words without their file")
        << QStringList{"--mes-mots"} << int(QMessageBox::Warning)
        << "vorlane ne peut pas faire ce que sa ligne de commande demande : --mes-mots sans "
           "FICHIER."
        << true;
    QTest::newRow("unknown option") << QStringList{"mots.txt"} << int(QMessageBox::Warning)
                                    << "vorlane ne peut pas faire ce que sa ligne de commande "
                                       "demande : option inconnue : mots.txt."
                                    << false;
    QTest::newRow("replace alone")
        << QStringList{"--remplacer"} << int(QMessageBox::Warning)
        << "vorlane ne peut pas faire ce que sa ligne de commande demande : --remplacer ne vaut "
           "qu'avec --mes-mots FICHIER."
        << false;
    // the usage whole, its markup-like text kept as text
    QTest::newRow("help") << QStringList{"--aide"} << int(QMessageBox::Information)
                          << "<pre>"
            + QString::fromStdString(ownlists::CommandLine::usage()).toHtmlEscaped() + "</pre>"
                          << false;
}

void CommandLineBoxTest::saysTheLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, icon);
    QFETCH(QString, said);
    QFETCH(bool, offersTheFile);
    const CommandLineBox box(parsed(arguments));
    QCOMPARE(int(box.icon()), icon);
    QCOMPARE(box.text(), said);
    QVERIFY(box.windowTitle().startsWith(QStringLiteral("vorlane")));
    QCOMPARE(buttonCalled(box, QStringLiteral("Choisir le fichier de mes mots…")) != nullptr,
             offersTheFile);
    QVERIFY(buttonCalled(box, QStringLiteral("Fermer")));
    QVERIFY(!box.importWindowChosen());
}

void CommandLineBoxTest::choosingTheFileAsksForTheImportWindow_data()
{
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<bool>("chosen");
    QTest::newRow("choose the file") << QStringLiteral("Choisir le fichier de mes mots…") << true;
    QTest::newRow("close") << QStringLiteral("Fermer") << false;
}

void CommandLineBoxTest::choosingTheFileAsksForTheImportWindow()
{
    QFETCH(QString, clicked);
    QFETCH(bool, chosen);
    CommandLineBox box(parsed({"--mes-mots"}));
    box.show();
    QPushButton* button = buttonCalled(box, clicked);
    QVERIFY(button);
    button->click();
    QCOMPARE(box.importWindowChosen(), chosen);
    QVERIFY(!box.isVisible());
}

QTEST_MAIN(CommandLineBoxTest)
#include "CommandLineBoxTest.moc"
