#include <launcher/Form2.h>

#include <launcher/CatalogueBox.h>

#include <look/Colour.h>
#include <look/Look.h>
#include <training/window/Form1.h>

#include <training/drill/ListCatalogue.h>

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {

const QString kPrompt = QStringLiteral("Sélectionnez votre liste");
const QString kBreak = QStringLiteral("\n");

QLabel* newLabel(QWidget* parent, const QString& caption, int left, int top)
{
    auto* label = new QLabel(parent);
    look::placeAt(label, left, top);
    look::setCaption(label, caption);
    look::setBackground(label, look::Colour::window);
    return label;
}

}  // namespace

namespace launcher {

Form2::Form2(QWidget* parent) : QWidget(parent), endProgram([] { QCoreApplication::exit(0); })
{
    setWindowTitle(QStringLiteral("Bienvenue :o)"));
    setFixedSize(look::px(6045), look::px(4125));
    setFont(look::face("MS Sans Serif", 8.25));
    look::setBackground(this, look::Colour::window);
    setAutoFillBackground(true);
    createControls();
    fillBoxes();
}

Form2::~Form2() = default;

void Form2::createControls()
{
    Label1 = newLabel(this, QStringLiteral("MOTS NOUVEAUX ODS 6"), 840, 120);
    Label1->setFont(look::face("MS Sans Serif", 13.5, true));
    Label1->adjustSize();
    Label3[0] = newLabel(this, QStringLiteral("Listes basées sur les entrées :"), 240, 720);
    Label3[1] = newLabel(this, QStringLiteral("Listes avec flexions et conjugaisons :"), 3120, 720);

    const int lefts[2] = {120, 3120};
    const int widths[2] = {2295, 2655};
    for (int i = 0; i < 2; ++i) {
        auto* box = new CatalogueBox(this);
        look::place(box, lefts[i], 960, widths[i], 315);
        connect(box, &CatalogueBox::itemPicked, this, [this, i](int) { fichier_Click(i); });
        fichier[i] = box;
    }

    Command1 = new QPushButton(QStringLiteral("LANCER"), this);
    look::place(Command1, 2160, 1320, 1215, 375);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    Text1 = new QPlainTextEdit(this);
    look::place(Text1, 600, 1680, 3735, 1575);
    Text1->setReadOnly(true);
    Text1->setEnabled(false);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // a box the player cannot scroll
    Text1->hide();

    Label2 = new QLabel(this);
    look::place(Label2, 4800, 2880, 375, 255);
    look::setBackground(Label2, look::Colour::window);
    // The farewell disables the window; its text and countdown must still be read.
    look::keepColoursWhenDisabled(Text1);
    look::keepColoursWhenDisabled(Label2);

    quitter = new QPushButton(QStringLiteral("Quitter"), this);
    look::place(quitter, 4560, 3480, 1215, 495);
    connect(quitter, &QPushButton::clicked, this, [this] { quitter_Click(); });

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });

    // Not one of the designed controls: it says why a list could not be started,
    // in the free band under "LANCER", without a dialog that would stop the player.
    message = new QLabel(this);
    look::place(message, 240, 1800, 5565, 1000);
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    look::setBackground(message, look::Colour::window);
    look::setForeground(message, look::Colour::warning);
    message->hide();
}

void Form2::fillBoxes()
{
    for (int i = 0; i < 2; ++i) {
        for (const std::string& title : drill::ListCatalogue::titles(i))
            fichier[i]->addItem(QString::fromStdString(title));
        fichier[i]->setCurrentIndex(-1);
        fichier[i]->setEditText(kPrompt);
    }
}

void Form2::fichier_Click(int index)
{
    chosenBox = index == 0 ? QStringLiteral("zero") : QStringLiteral("une");
}

void Form2::Command1_Click()
{
    const int list = chosenBox == QLatin1String("zero") ? 0
        : chosenBox == QLatin1String("une")             ? 1
                                                        : -1;
    if (list < 0)
        return;  // nothing chosen yet: there is no list to start
    training::Form1& form = trainingForm();
    form.setCursor(Qt::WaitCursor);
    form.show();
    form.raise();
    form.activateWindow();
    if (!form.commencer(fichier[list]->currentText(), list)) {
        form.hide();
        form.unsetCursor();
        showMessage(form.loadMessage());
        return;
    }
    showMessage(QString());
    hide();
}

void Form2::showMessage(const QString& text)
{
    message->setText(text);
    message->setVisible(!text.isEmpty());
}

training::Form1& Form2::trainingForm()
{
    if (!trainingWindow)
        trainingWindow = std::make_unique<training::Form1>(this);
    return *trainingWindow;
}

void Form2::quitter_Click()
{
    Timer1->start();
    farewellCount = 9;
    for (QWidget* control : {static_cast<QWidget*>(fichier[0]), static_cast<QWidget*>(fichier[1]),
                             static_cast<QWidget*>(Label3[0]), static_cast<QWidget*>(Label3[1]),
                             static_cast<QWidget*>(Label1), static_cast<QWidget*>(Command1),
                             static_cast<QWidget*>(quitter), static_cast<QWidget*>(message)})
        control->hide();
    setEnabled(false);
    Text1->show();
    setWindowTitle(QStringLiteral("A bientôt !"));
    Text1->setGeometry(Text1->x(), look::px(640), Text1->width(), look::px(2400));

    QString text = Text1->toPlainText();
    text += QStringLiteral("A propos de l'auteur :") + kBreak + kBreak;
    text += QStringLiteral("vorlane : les mots nouveaux de l'ODS 6") + kBreak;
    text += QStringLiteral("Un logiciel libre, à partager.") + kBreak;
    text += QStringLiteral("Listes faites avec extracteur") + kBreak;
    text += QStringLiteral("à partir de dictionnaires libres.") + kBreak;
    text += QStringLiteral("Suggestions : tickets du projet vorlane.") + kBreak + kBreak;
    text += QString() + kBreak;
    Text1->setPlainText(text);
}

void Form2::Timer1_Timer()
{
    farewellCount = static_cast<std::int16_t>(farewellCount - 1);
    Label2->setText(QString::number(farewellCount));
    if (farewellCount == -1) {
        Timer1->stop();
        endProgram();
    }
}

void Form2::closeEvent(QCloseEvent* event)
{
    event->accept();
    endProgram();
}

}  // namespace launcher
