#pragma once

#include <QFileDialog>

namespace launcher {

// The dialog that chooses the file of the player's words: Qt's own dialog, in French whatever
// the system's language, its sizes in octets, its dates French, its column titles whole.
class WordFileDialog : public QFileDialog {
    Q_OBJECT

public:
    explicit WordFileDialog(QWidget* parent, const QString& folder);

    // The chosen file, or empty when the player chose none.
    static QString choose(QWidget* parent, const QString& folder);

    // Widens the list's columns to their titles; done when the dialog shows, once Qt has laid
    // the list out.
    void fitColumns();

protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace launcher
