#pragma once

#include <training/window/tests/ListFolder.h>

#include <catalogue/Catalogue.h>
#include <testsupport/SeededRandomSource.h>
#include <testsupport/WindowProbe.h>
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

    explicit DrillFixture(QWidget* launcher = nullptr)
        : form(std::make_unique<training::Form1>(launcher))
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

    // The window's controls by their design names.
    const testsupport::WindowProbe& ui() const
    {
        if (!probe)
            probe = std::make_unique<testsupport::WindowProbe>(*form);
        return *probe;
    }
    QLineEdit* tirage(int slot) const { return ui().box(QStringLiteral("tirage"), slot); }
    QLineEdit* solution(int slot) const { return ui().box(QStringLiteral("solution"), slot); }

    // The player clicks in the answer box of `slot`.
    void focus(int slot) const { QTest::mouseClick(solution(slot), Qt::LeftButton); }

    // Writes the file that `title` names in box `box` and starts a drill on it.
    bool start(const QString& title, int box, const QStringList& lines)
    {
        const catalogue::ListRow* row = catalogue::Catalogue::find(title.toStdString(), box);
        if (row)
            folder.write(QString::fromStdString(row->fileName), lines);
        return form->commencer(title, box);
    }

    // The slot that shows the draw `draw`, -1 when none does.
    int slotOf(const QString& draw) const
    {
        for (int i = 0; i < drill::kSlots; ++i)
            if (tirage(i)->text() == draw)
                return i;
        return -1;
    }

    // Types the right answer of every filled slot ("Dnnn" answers "Snnn").
    void answerAll() const
    {
        for (int i = 0; i < drill::kSlots; ++i) {
            const QString draw = tirage(i)->text();
            if (draw.startsWith(QLatin1Char('D')))
                solution(i)->setText(QLatin1Char('S') + draw.mid(1));
        }
    }

private:
    mutable std::unique_ptr<testsupport::WindowProbe> probe;
};
