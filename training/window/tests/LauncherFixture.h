#pragma once

#include <training/window/tests/ListFolder.h>

#include <catalogue/Catalogue.h>
#include <launcher/CatalogueBox.h>
#include <launcher/Form2.h>
#include <testsupport/PlayerHome.h>
#include <testsupport/SeededRandomSource.h>
#include <testsupport/WindowProbe.h>
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
    // A new player unless `keptFiles`: then what the last run kept is there.
    explicit LauncherFixture(std::uint32_t seed, bool keptFiles = false) : player(keptFiles)
    {
        launcher.quitProgram = [this] { ++endRequests; };
        launcher.show();
        QCoreApplication::processEvents();
        // The first LANCER creates the training window. Starting a title that names no
        // list creates it without a drill, so the seeded source is in place for the first one.
        pick(0, 0);
        box(0)->setEditText(QStringLiteral("Liste de personne"));
        QTest::mouseClick(launcherUi.button(QStringLiteral("Command1")), Qt::LeftButton);
        training::Form1* form = launcher.training();
        if (!form)
            return;
        form->dataFolders.clear();
        form->setRandomSource(std::make_unique<testsupport::SeededRandomSource>(seed));
        form->beep = [this] { ++beeps; };
        formUi = std::make_unique<testsupport::WindowProbe>(*form);
    }

    training::Form1& form() const { return *launcher.training(); }
    // The controls of the training window and of the launcher, by their design names.
    const testsupport::WindowProbe& ui() const { return *formUi; }
    const testsupport::WindowProbe& launcherControls() const { return launcherUi; }
    QComboBox* box(int index) const
    {
        return launcherUi.get<QComboBox>(QStringLiteral("fichier"), index);
    }

    // The player picks item `index` of box `box` in its open list.
    void pick(int boxIndex, int index) const
    {
        QComboBox* combo = box(boxIndex);
        combo->setCurrentIndex(index);
        Q_EMIT static_cast<launcher::CatalogueBox*>(combo)->itemPicked(index);
    }

    // Writes the file that `title` names in box `box`, one entry per line.
    void writeList(const QString& title, int boxIndex, const QStringList& lines) const
    {
        const catalogue::ListRow* row = catalogue::Catalogue::find(title.toStdString(), boxIndex);
        if (row)
            folder.write(QString::fromStdString(row->fileName), lines);
    }

    // Chooses `title` in box `box` as a player does and presses "LANCER".
    // True when the drill started: the training window shown, the launcher hidden.
    bool launch(const QString& title, int boxIndex)
    {
        QComboBox* combo = box(boxIndex);
        const int index = combo->findText(title);
        if (index >= 0) {
            pick(boxIndex, index);
        } else {
            pick(boxIndex, 0);
            combo->setEditText(title);  // typed over the chosen item
        }
        QTest::mouseClick(launcherUi.button(QStringLiteral("Command1")), Qt::LeftButton);
        QCoreApplication::processEvents();  // the shown window becomes the active one
        return launcher.training() && launcher.training()->isVisible() && !launcher.isVisible();
    }

private:
    // Made before the launcher, which reads what the player kept.
    struct Player {
        explicit Player(bool keptFiles)
        {
            if (!keptFiles)
                testsupport::forgetPlayersFiles();
        }
    } player;

public:
    ListFolder folder;
    launcher::Form2 launcher;
    testsupport::WindowProbe launcherUi{launcher};
    int beeps = 0;
    int endRequests = 0;

private:
    std::unique_ptr<testsupport::WindowProbe> formUi;
};
