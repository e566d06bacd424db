#pragma once

#include <training/window/tests/ListFolder.h>

#include <launcher/CatalogueBox.h>
#include <launcher/Form2.h>
#include <testsupport/SeededRandomSource.h>
#include <training/drill/ListCatalogue.h>
#include <training/window/Form1.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <cstdint>
#include <memory>

// The program as a player meets it: the launcher in a working folder of its own,
// whose training window draws from a seeded source and counts its beeps.
class LauncherFixture {
public:
    explicit LauncherFixture(std::uint32_t seed)
    {
        launcher.endProgram = [this] { ++endRequests; };
        launcher.show();
        QCoreApplication::processEvents();
        // The first LANCER creates the training window. Starting a title that names no
        // list creates it without a drill, so the seeded source is in place for the first one.
        pick(launcher.fichier[0], 0);
        launcher.fichier[0]->setEditText(QStringLiteral("Liste de personne"));
        QTest::mouseClick(launcher.Command1, Qt::LeftButton);
        training::Form1* form = launcher.training();
        if (!form)
            return;
        form->dataFolders.clear();
        form->setRandomSource(std::make_unique<testsupport::SeededRandomSource>(seed));
        form->beep = [this] { ++beeps; };
    }

    training::Form1& form() const { return *launcher.training(); }

    // The player picks item `index` of `combo` in its open list.
    static void pick(QComboBox* combo, int index)
    {
        combo->setCurrentIndex(index);
        Q_EMIT static_cast<launcher::CatalogueBox*>(combo)->itemPicked(index);
    }

    // Writes the file that `title` names in box `box`, one entry per line.
    void writeList(const QString& title, int box, const QStringList& lines) const
    {
        const std::string file = drill::ListCatalogue::fileFor(title.toStdString(), box);
        folder.write(QString::fromStdString(file).mid(5), lines);  // less "data/"
    }

    // Chooses `title` in box `box` as a player does and presses "LANCER".
    // True when the drill started: the training window shown, the launcher hidden.
    bool launch(const QString& title, int box)
    {
        QComboBox* combo = launcher.fichier[box];
        const int index = combo->findText(title);
        if (index >= 0) {
            pick(combo, index);
        } else {
            pick(combo, 0);
            combo->setEditText(title);  // typed over the chosen item
        }
        QTest::mouseClick(launcher.Command1, Qt::LeftButton);
        QCoreApplication::processEvents();  // the shown window becomes the active one
        return launcher.training() && launcher.training()->isVisible() && !launcher.isVisible();
    }

    ListFolder folder;
    launcher::Form2 launcher;
    int beeps = 0;
    int endRequests = 0;
};
