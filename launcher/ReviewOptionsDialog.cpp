#include <launcher/ReviewOptionsDialog.h>

#include <look/Colour.h>
#include <look/Controls.h>
#include <look/Look.h>
#include <look/ScreenFit.h>
#include <training/progress/ReviewOptions.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <optional>

namespace launcher {

using training::ReviewOptions;

// The controls, in the order they are made, the Tab key's walk in the same order.
const ReviewOptionsDialog::Controls::Table& ReviewOptionsDialog::controlTable()
{
    using Row = Controls::Row;
    using look::Style;
    const Style figure = Style().align(Qt::AlignRight | Qt::AlignVCenter);
    static const Controls::Table table = {
        Row::label("titreRetention", "Réussite visée à chaque révision (70 à 99) :")
            .at(240, 285, 0, 0),
        Row::textBox("retention").at(4080, 240, 615, 285).style(figure).into(&Self::retention),
        Row::label("pourcent", "%").at(4755, 285, 0, 0),
        Row::label("titreNouveaux", "Nouveaux tirages par jour (0 à 9999) :").at(240, 705, 0, 0),
        Row::textBox("nouveaux").at(4080, 660, 615, 285).style(figure).into(&Self::newPerDay),
        // Why a value is refused, shown only then.
        Row::label("refus")
            .at(240, 1080, 4920, 495)
            .style(Style()
                       .wordWrap()
                       .align(Qt::AlignLeft | Qt::AlignTop)
                       .foreground(look::Colour::warning)
                       .hidden())
            .into(&Self::refusal),
        Row::button("enregistrer", "Enregistrer")
            .at(2520, 1680, 1215, 375)
            .into(&Self::save)
            .onClick(&Self::enregistrer_Click),
        Row::button("annuler", "Annuler")
            .at(3840, 1680, 1215, 375)
            .into(&Self::cancel)
            .onClick(&Self::annuler_Click),
    };
    return table;
}

ReviewOptionsDialog::ReviewOptionsDialog(QWidget* launcher) : QDialog(launcher)
{
    look::setUpWindow(this, QStringLiteral("Options de révision"),
                      look::face("MS Sans Serif", 8.25), QSize(5400, 2280), look::Colour::window);
    setWindowModality(Qt::WindowModal);
    look::ScreenFit::keep(this);
    controls.setDefault(look::Kind::label, look::Style().background(look::Colour::window));
    controls.build(controlTable());
    refusal->setTextFormat(Qt::PlainText);  // it repeats what was typed
    // Enter in a box saves, as the default button of a dialog; Esc is the dialog's own reject.
    save->setDefault(true);
    cancel->setAutoDefault(false);
}

void ReviewOptionsDialog::edit(const study::ReviewPolicy& current)
{
    retention->setText(ReviewOptions::percentText(current.desiredRetention));
    newPerDay->setText(QString::number(current.newPerDay));
    refusal->hide();
    retention->selectAll();
    retention->setFocus(Qt::OtherFocusReason);
    open();
}

void ReviewOptionsDialog::refuse(QLineEdit* box, const QString& why)
{
    refusal->setText(why);
    refusal->show();
    box->selectAll();
    box->setFocus(Qt::OtherFocusReason);
}

void ReviewOptionsDialog::enregistrer_Click()
{
    const std::optional<double> aimed = ReviewOptions::parseRetention(retention->text());
    if (!aimed) {
        refuse(retention,
               QStringLiteral("La réussite visée doit être un nombre de 70 à 99 (pour cent) : "
                              "« %1 » n'est pas pris.")
                   .arg(retention->text()));
        return;
    }
    const std::optional<int> perDay = ReviewOptions::parseNewPerDay(newPerDay->text());
    if (!perDay) {
        refuse(newPerDay,
               QStringLiteral("Le nombre de nouveaux tirages par jour doit être un nombre "
                              "entier de 0 à 9999 : « %1 » n'est pas pris.")
                   .arg(newPerDay->text()));
        return;
    }
    accept();
    Q_EMIT policyChosen(study::ReviewPolicy{*aimed, *perDay});
}

void ReviewOptionsDialog::annuler_Click()
{
    reject();
}

}  // namespace launcher
