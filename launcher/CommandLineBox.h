#pragma once

#include <ownlists/CommandLine.h>

#include <QMessageBox>

class QPushButton;

namespace launcher {

// What vorlane says about its command line in a window, where nothing it prints would be read
// (on Windows, started from a shortcut or a double click): the usage for --aide; for a wrong
// line, why, and where the same is done without a console. A line that lacks only the file of
// the player's words offers the window that asks for it.
class CommandLineBox : public QMessageBox {
    Q_OBJECT

public:
    explicit CommandLineBox(const ownlists::CommandLine& line, QWidget* parent = nullptr);

    // Whether the player asked for the window that makes the lists from their words.
    bool importWindowChosen() const;

private:
    void sayUsage();
    void sayWrong(const ownlists::CommandLine& line);

    QPushButton* chooseFile = nullptr;
};

}  // namespace launcher
