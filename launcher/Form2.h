#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

namespace training {
class Form1;
}

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace launcher {

// The launcher: the catalogue of lists in two boxes, the start of a drill in the
// training window, and the farewell that counts down before the program ends.
class Form2 : public QWidget {
    Q_OBJECT

public:
    explicit Form2(QWidget* parent = nullptr);
    ~Form2() override;

    // Controls, by their design names.
    QLabel* Label1 = nullptr;
    std::array<QLabel*, 2> Label3{};
    std::array<QComboBox*, 2> fichier{};
    QPushButton* Command1 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* quitter = nullptr;
    QTimer* Timer1 = nullptr;
    // Why the chosen list could not be started; empty otherwise.
    QLabel* message = nullptr;

    QString chosenBox;  // "zero", "une" or empty
    std::int16_t farewellCount = 0;

    // Ends the program; tests replace it to watch the request.
    std::function<void()> endProgram;

    // The training window, or null until the first drill starts.
    training::Form1* training() const { return trainingWindow.get(); }
    // The training window, created on first use.
    training::Form1& trainingForm();

    // Event handlers, named by control and event.
    void fichier_Click(int index);
    void Command1_Click();
    void quitter_Click();
    void Timer1_Timer();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void fillBoxes();
    void showMessage(const QString& text);

    std::unique_ptr<training::Form1> trainingWindow;
};

}  // namespace launcher
