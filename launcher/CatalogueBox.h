#pragma once

#include <QComboBox>

namespace launcher {

// A drop-down box of list titles with an editable text field. What the player types stays as
// typed: no completion turns "7 lettres" into a longer title. It tells apart an item that the
// player picks, with the mouse or the arrow keys, from text typed into the field: Qt's
// activated() also follows typing (a typed text that matches a title when Enter is pressed),
// itemPicked() only a pick.
class CatalogueBox : public QComboBox {
    Q_OBJECT

public:
    explicit CatalogueBox(QWidget* parent = nullptr);

    void hidePopup() override;

Q_SIGNALS:
    void itemPicked(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool picking = false;
};

}  // namespace launcher
