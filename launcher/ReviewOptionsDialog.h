#pragma once

#include <look/ControlSet.h>
#include <study/Study.h>

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace launcher {

// « Options de révision », opened from the launcher's right-click menu: the share of draws the
// review aims to see remembered, in percent, and the new draws of a learned list that enter
// the review each day. Tab walks the boxes and buttons, Enter saves, Esc leaves it unchanged; a
// value out of range is refused with a sentence that says which values are taken. Its controls
// are made from one table (ReviewOptionsDialog.cpp).
class ReviewOptionsDialog : public QDialog {
    Q_OBJECT

public:
    explicit ReviewOptionsDialog(QWidget* launcher = nullptr);

    // Shows the options as they stand, the first box ready to be typed over.
    void edit(const study::ReviewPolicy& current);

Q_SIGNALS:
    // The player saved `policy`, every value in range.
    void policyChosen(const study::ReviewPolicy& policy);

private Q_SLOTS:
    void enregistrer_Click();
    void annuler_Click();

private:
    using Self = ReviewOptionsDialog;
    using Controls = look::ControlSet<ReviewOptionsDialog>;
    static const Controls::Table& controlTable();

    // Says why `box`'s text is refused, and puts the focus there to type it again.
    void refuse(QLineEdit* box, const QString& why);

    Controls controls{this};
    QLineEdit* retention = nullptr;  // the share remembered aimed at, in percent
    QLineEdit* newPerDay = nullptr;  // the new draws a day
    QLabel* refusal = nullptr;       // why a value is refused
    QPushButton* save = nullptr;
    QPushButton* cancel = nullptr;
};

}  // namespace launcher
