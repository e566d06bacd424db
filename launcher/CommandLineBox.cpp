#include <launcher/CommandLineBox.h>

#include <QPushButton>

namespace launcher {

CommandLineBox::CommandLineBox(const ownlists::CommandLine& line, QWidget* parent)
    : QMessageBox(parent)
{
    if (line.action == ownlists::CommandLine::Action::help)
        sayUsage();
    else
        sayWrong(line);
}

bool CommandLineBox::importWindowChosen() const
{
    return chooseFile && clickedButton() == chooseFile;
}

// The usage keeps its columns: it is laid out for a fixed-width face.
void CommandLineBox::sayUsage()
{
    setWindowTitle(QStringLiteral("vorlane : aide"));
    setIcon(QMessageBox::Information);
    setTextFormat(Qt::RichText);
    setText(QStringLiteral("<pre>%1</pre>")
                .arg(QString::fromStdString(ownlists::CommandLine::usage()).toHtmlEscaped()));
    addButton(QStringLiteral("Fermer"), QMessageBox::AcceptRole);
}

void CommandLineBox::sayWrong(const ownlists::CommandLine& line)
{
    setWindowTitle(QStringLiteral("vorlane"));
    setIcon(QMessageBox::Warning);
    setTextFormat(Qt::PlainText);
    setText(QStringLiteral("vorlane ne peut pas faire ce que sa ligne de commande demande : %1.")
                .arg(QString::fromStdString(line.error)));
    if (line.fileMissing) {
        setInformativeText(QStringLiteral(
            "Il manque le fichier de vos mots. Choisissez-le dans la fenêtre « Fabriquer mes "
            "listes à partir de mes mots… »."));
        chooseFile =
            addButton(QStringLiteral("Choisir le fichier de mes mots…"), QMessageBox::AcceptRole);
        setDefaultButton(chooseFile);
    } else {
        setInformativeText(QStringLiteral("Les options de vorlane se donnent dans une invite de "
                                          "commandes, où « vorlane --aide » en donne l'usage."));
    }
    addButton(QStringLiteral("Fermer"), QMessageBox::RejectRole);
}

}  // namespace launcher
