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

const ReviewOptionsDialog::Controls::Table& ReviewOptionsDialog::controlTable()
{
    using K = look::Kind;
    using look::Style;
    // clang-format off
    static const Controls::Table table = {
        {"titreRetention", K::label, "Réussite visée à chaque révision (70 à 99) :", {240, 285, 0, 0}, -1, nullptr},
        {"retention", K::textBox, "", {4080, 240, 615, 285}, 0, nullptr, Style().align(Qt::AlignRight | Qt::AlignVCenter)},
        {"pourcent", K::label, "%", {4755, 285, 0, 0}, -1, nullptr},
        {"titreNouveaux", K::label, "Nouveaux tirages par jour (0 à 9999) :", {240, 705, 0, 0}, -1, nullptr},
        {"nouveaux", K::textBox, "", {4080, 660, 615, 285}, 1, nullptr, Style().align(Qt::AlignRight | Qt::AlignVCenter)},
        // Why a value is refused, shown only then.
        {"refus", K::label, "", {240, 1080, 4920, 495}, -1, nullptr, Style().wordWrap().align(Qt::AlignLeft | Qt::AlignTop).foreground(look::Colour::warning).hidden()},
        {"enregistrer", K::button, "Enregistrer", {2520, 1680, 1215, 375}, 2, &ReviewOptionsDialog::enregistrer_Click},
        {"annuler", K::button, "Annuler", {3840, 1680, 1215, 375}, 3, &ReviewOptionsDialog::annuler_Click},
    };
    // clang-format on
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
    controls.get<QLabel>("refus")->setTextFormat(Qt::PlainText);  // it repeats what was typed
    // Enter in a box saves, as the default button of a dialog; Esc is the dialog's own reject.
    auto* save = controls.get<QPushButton>("enregistrer");
    save->setDefault(true);
    controls.get<QPushButton>("annuler")->setAutoDefault(false);
}

QLineEdit* ReviewOptionsDialog::box(const QString& name) const
{
    return controls.get<QLineEdit>(name);
}

void ReviewOptionsDialog::edit(const study::ReviewPolicy& current)
{
    box("retention")->setText(ReviewOptions::percentText(current.desiredRetention));
    box("nouveaux")->setText(QString::number(current.newPerDay));
    controls.get<QLabel>("refus")->hide();
    box("retention")->selectAll();
    box("retention")->setFocus(Qt::OtherFocusReason);
    open();
}

void ReviewOptionsDialog::refuse(const QString& name, const QString& why)
{
    auto* refusal = controls.get<QLabel>("refus");
    refusal->setText(why);
    refusal->show();
    box(name)->selectAll();
    box(name)->setFocus(Qt::OtherFocusReason);
}

void ReviewOptionsDialog::enregistrer_Click()
{
    const std::optional<double> retention = ReviewOptions::parseRetention(box("retention")->text());
    if (!retention) {
        refuse(QStringLiteral("retention"),
               QStringLiteral("La réussite visée doit être un nombre de 70 à 99 (pour cent) : "
                              "« %1 » n'est pas pris.")
                   .arg(box("retention")->text()));
        return;
    }
    const std::optional<int> newPerDay = ReviewOptions::parseNewPerDay(box("nouveaux")->text());
    if (!newPerDay) {
        refuse(QStringLiteral("nouveaux"),
               QStringLiteral("Le nombre de nouveaux tirages par jour doit être un nombre "
                              "entier de 0 à 9999 : « %1 » n'est pas pris.")
                   .arg(box("nouveaux")->text()));
        return;
    }
    accept();
    Q_EMIT policyChosen(study::ReviewPolicy{*retention, *newPerDay});
}

void ReviewOptionsDialog::annuler_Click()
{
    reject();
}

}  // namespace launcher
