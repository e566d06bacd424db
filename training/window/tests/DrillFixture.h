#pragma once

#include <training/window/tests/ListFolder.h>

#include <testsupport/SeededRandomSource.h>
#include <training/drill/ListCatalogue.h>
#include <training/window/Form1.h>

#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QTest>

#include <memory>

// A training window on a list of its own, with a seeded draw and a counted beep.
struct DrillFixture {
    ListFolder folder;
    std::unique_ptr<training::Form1> form;
    int beeps = 0;

    DrillFixture() : form(std::make_unique<training::Form1>())
    {
        form->dataFolders.clear();
        form->setRandomSource(std::make_unique<testsupport::SeededRandomSource>(20240607));
        form->beep = [this] { ++beeps; };
        show();
    }

    // Shows the window and makes it the active one, so that focus moves as for a player.
    void show() const
    {
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    // Writes the file that `title` names in box `list` and starts a drill on it.
    bool start(const QString& title, int list, const QStringList& lines)
    {
        const std::string file = drill::ListCatalogue::fileFor(title.toStdString(), list);
        folder.write(QString::fromStdString(file).mid(5), lines);  // less "data/"
        return form->commencer(title, list);
    }

    // The slot that shows the draw `draw`, -1 when none does.
    int slotOf(const QString& draw) const
    {
        for (int i = 0; i < training::Form1::kSlots; ++i)
            if (form->tirage[i]->text() == draw)
                return i;
        return -1;
    }

    // Types the right answer of every filled slot ("Dnnn" answers "Snnn").
    void answerAll() const
    {
        for (int i = 0; i < training::Form1::kSlots; ++i) {
            const QString draw = form->tirage[i]->text();
            if (draw.startsWith(QLatin1Char('D')))
                form->solution[i]->setText(QLatin1Char('S') + draw.mid(1));
        }
    }
};
