// The windows of both programs drawn off screen, each in a state that a seed and a fixed clock
// make the same at every run, and written as PNG files into the folder given as argument.
// Beside each, the window's Tab walk by control name (<name>.tabs). Comparing two runs pixel by
// pixel and walk by walk (scripts/window-shots.sh) tells whether a change left the windows'
// looks and keys exactly as they were.
#include <launcher/Form2.h>
#include <launcher/ImportWindow.h>
#include <launcher/ReviewOptionsDialog.h>
#include <progress/window/ProgressWindow.h>
#include <study/StudyRecord.h>
#include <testsupport/SeededRandomSource.h>
#include <testsupport/TempFolder.h>
#include <testsupport/WindowLayout.h>
#include <training/window/Form1.h>
#include <training/window/tests/ListFolder.h>
#include <workshop/window/Form1.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include <cstdio>
#include <memory>

namespace {

QString folder;

void shoot(QWidget& window, const char* name)
{
    window.show();
    QCoreApplication::processEvents();
    const QString file = QDir(folder).filePath(QString::fromLatin1(name) + ".png");
    if (!window.grab().save(file))
        std::fprintf(stderr, "%s not written\n", qPrintable(file));
    QFile walk(QDir(folder).filePath(QString::fromLatin1(name) + ".tabs"));
    if (!walk.open(QIODevice::WriteOnly)
        || walk.write(testsupport::WindowLayout::tabWalk(window).join('\n').toUtf8() + '\n') < 0)
        std::fprintf(stderr, "%s not written\n", qPrintable(walk.fileName()));
}

// A drill of 40 entries: its first series, then the same series corrected with three answers.
void shootTraining()
{
    ListFolder lists;
    lists.write(QStringLiteral("ods6new_7L.txt"), ListFolder::entries(40));
    training::Form1 form;
    form.dataFolders.clear();
    form.setRandomSource(std::make_unique<testsupport::SeededRandomSource>(20240607));
    form.beep = [] {};
    form.commencer(QStringLiteral("7 lettres"), 0);
    shoot(form, "training-series");
    const auto answers = form.findChildren<QLineEdit*>();
    int typed = 0;
    for (QLineEdit* box : answers)
        if (box->objectName().startsWith(QStringLiteral("solution(")) && typed < 3) {
            QTest::keyClicks(box, QStringLiteral("S00%1").arg(typed++));
        }
    form.findChild<QAbstractButton*>(QStringLiteral("corriger"))->click();
    shoot(form, "training-corrected");
}

void shootProgress()
{
    testsupport::TempFolder home;
    study::StudyRecord record([] { return std::int64_t{1'796'814'000}; });
    if (!record.open(home.file("etude.sqlite")).ok())
        return;
    progress::ProgressWindow window(record);
    shoot(window, "progress");
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_shots FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    testsupport::TempFolder home;
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home.file("share")));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(home.file("config")));
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    {
        launcher::Form2 launcher;
        shoot(launcher, "launcher");
        launcher.hide();
        launcher::ReviewOptionsDialog options;
        shoot(options, "review-options");
        launcher::ImportWindow import;
        shoot(import, "import");
    }
    shootTraining();
    shootProgress();
    workshop::Form1 workshop;
    shoot(workshop, "workshop");
    return 0;
}
