// A vorlane that drills "7 lettres" in its working folder, finds D000 and D001, corrects, says
// "corrigé" and waits: its parent test kills it there, with no farewell.
#include <launcher/tests/DrillPlay.h>

#include <launcher/CatalogueBox.h>
#include <launcher/Form2.h>
#include <testsupport/WindowProbe.h>
#include <training/window/Form1.h>

#include <QApplication>
#include <QPushButton>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    launcher::Form2 launcher;
    launcher.show();
    const testsupport::WindowProbe launcherUi(launcher);
    auto* box = launcherUi.get<launcher::CatalogueBox>(QStringLiteral("fichier"), 0);
    box->setCurrentIndex(box->findText(QStringLiteral("7 lettres")));
    Q_EMIT box->itemPicked(box->currentIndex());
    launcherUi.button(QStringLiteral("Command1"))->click();
    training::Form1& form = launcher.trainingForm();
    const testsupport::WindowProbe ui(form);
    answer(ui,
           {{QStringLiteral("D000"), QStringLiteral("S000")},
            {QStringLiteral("D001"), QStringLiteral("S001")}});
    ui.button(QStringLiteral("corriger"))->click();
    std::puts("corrigé");
    std::fflush(stdout);
    return app.exec();
}
