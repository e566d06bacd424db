#include <launcher/ImportWindow.h>

#include <launcher/WordFileDialog.h>

#include <ownlists/ImportSession.h>
#include <ownlists/OriginalLists.h>

#include <catalogue/Catalogue.h>
#include <files/ShownPath.h>
#include <look/Colour.h>
#include <look/Controls.h>
#include <look/Look.h>
#include <look/ScreenFit.h>

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>

namespace launcher {

namespace {

using Step = ImportWindow::Step;

constexpr unsigned at(Step step)
{
    return 1u << static_cast<unsigned>(step);
}
template <typename... Steps> constexpr unsigned at(Step step, Steps... others)
{
    return at(step) | at(others...);
}

const unsigned kEveryStep = ~0u;
const int kProgressSteps = 1000;

QString text(const listmaking::ImportMessages::Lines& lines)
{
    return QString::fromStdString(listmaking::ImportMessages::text(lines)).trimmed();
}

// "préparation du dictionnaire (une seule fois) : lecture" reads « Préparation du
// dictionnaire (une seule fois) » under the progress bar: the phase, not its inner steps.
QString phaseOf(const QString& step)
{
    QString phase = step.section(QStringLiteral(" : "), 0, 0);
    if (!phase.isEmpty())
        phase[0] = phase[0].toUpper();
    return phase;
}

}  // namespace

// The controls, in the order they are made, the Tab key's walk in the same order; a control
// is shown at the steps of its row.
const ImportWindow::Controls::Table& ImportWindow::controlTable()
{
    using Row = Controls::Row;
    using S = Step;
    using look::Style;
    const Style text = Style().wordWrap().align(Qt::AlignLeft | Qt::AlignTop);
    static const Controls::Table table = {
        Row::label("titre", "Fabriquer mes listes à partir de mes mots")
            .at(240, 120, 0, 0)
            .style(Style().font("MS Sans Serif", 9.75, true))
            .with({kEveryStep, 0})
            .into(&Self::title),
        // What this step is, or what went wrong.
        Row::label("explication")
            .at(240, 480, 6720, 720)
            .style(text)
            .with({kEveryStep, 0})
            .into(&Self::explaining),
        // 7.5 points: the summary's line of the longest title, its file name after it, on one
        // line.
        Row::plainText("details")
            .at(240, 1260, 6720, 3720)
            .style(Style().readOnly().font("Courier New", 7.5))
            .with({at(S::choose, S::confirm, S::summary, S::failed, S::goingBack, S::wentBack), 0})
            .into(&Self::detailsText),
        Row::own("progression", &Self::makeProgressBar)
            .at(240, 1260, 6720, 315)
            .with({at(S::running), 0})
            .into(&Self::progressBar),
        // The step under way.
        Row::label("etape")
            .at(240, 1680, 6720, 480)
            .style(text)
            .with({at(S::running), 0})
            .into(&Self::stepUnderWay),
        Row::button("choisir", "Choisir le fichier…")
            .at(240, 5160, 2160, 375)
            .with({at(S::choose), at(S::choose)})
            .onClick(&Self::choisir_Click),
        Row::button("fabriquer", "Fabriquer les listes")
            .at(240, 5160, 2160, 375)
            .with({at(S::confirm), at(S::confirm)})
            .onClick(&Self::fabriquer_Click),
        Row::button("revenir", "Revenir aux listes d'origine")
            .at(240, 5160, 2880, 375)
            .with({at(S::goingBack), at(S::goingBack)})
            .onClick(&Self::revenir_Click),
        Row::button("autre", "Choisir un autre fichier")
            .at(3240, 5160, 2160, 375)
            .with({at(S::confirm, S::failed), 0})
            .onClick(&Self::choisir_Click),
        Row::button("annuler", "Annuler")
            .at(5520, 5160, 1440, 375)
            .with({at(S::confirm, S::running, S::goingBack), 0})
            .into(&Self::cancelButton)
            .onClick(&Self::annuler_Click),
        Row::button("fermer", "Fermer")
            .at(5520, 5160, 1440, 375)
            .with({at(S::choose, S::summary, S::failed, S::wentBack),
                   at(S::summary, S::failed, S::wentBack)})
            .into(&Self::closeButton)
            .onClick(&Self::fermer_Click),
    };
    return table;
}

ImportWindow::ImportWindow(QWidget* launcher)
    : QWidget(launcher, Qt::Window),
      setup(&ownlists::ImportSetup::forThisProgram),
      chooseFile([this] {
          QString start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
          if (!QFileInfo(start).isDir())
              start = QDir::homePath();
          return WordFileDialog::choose(this, start);
      }),
      now([] { return std::time(nullptr); })
{
    look::setUpWindow(this, QStringLiteral("Mes listes"), look::face("MS Sans Serif", 8.25),
                      QSize(7200, 5760), look::Colour::window);
    look::ScreenFit::keep(this);
    createControls();
}

ImportWindow::~ImportWindow() = default;

void ImportWindow::createControls()
{
    controls.setDefault(look::Kind::label, look::Style().background(look::Colour::window));
    controls.build(controlTable());
}

QProgressBar* ImportWindow::makeProgressBar(const Controls::Row& row)
{
    auto* bar = new QProgressBar(this);
    bar->setRange(0, kProgressSteps);
    bar->setTextVisible(false);
    look::place(bar, row.twips.left(), row.twips.top(), row.twips.width(), row.twips.height());
    return bar;
}

// Every control of the step, and only those; the texts of this step, the explanation in the
// warning colour when it says what went wrong.
void ImportWindow::showStep(Step step, const QString& explanation, const QString& details,
                            bool warning)
{
    current = step;
    explaining->setText(explanation);
    explaining->setToolTip(explanation);
    look::setForeground(explaining, warning ? look::Colour::warning : QColor(Qt::black));
    detailsText->setPlainText(details);
    for (const auto& [row, control] : controls.made()) {
        auto* shown = qobject_cast<QWidget*>(control);
        if (!shown)
            continue;
        const auto* text = qobject_cast<QLabel*>(shown);
        shown->setVisible((row->extra.steps & at(step)) != 0 && !(text && text->text().isEmpty()));
        if (auto* button = qobject_cast<QPushButton*>(shown))
            button->setDefault((row->extra.defaultAt & at(step)) != 0);
    }
    if (step != Step::running)  // a cancel under way greys it until the run has stopped
        cancelButton->setEnabled(true);
    if (isHidden() && parentWidget())  // over the launcher, its title in sight
        move(parentWidget()->frameGeometry().topLeft() + QPoint(look::px(600), look::px(600)));
    QWidget::show();
    raise();
    activateWindow();
    focusDefaultButton();
}

QPushButton* ImportWindow::usableButton(QPushButton* button) const
{
    return button && button->isVisibleTo(this) && button->isEnabled() ? button : nullptr;
}

QPushButton* ImportWindow::defaultButton() const
{
    for (const auto& [row, control] : controls.made())
        if (row->extra.defaultAt & at(current))
            return usableButton(qobject_cast<QPushButton*>(control));
    return nullptr;
}

void ImportWindow::focusDefaultButton()
{
    // While the lists are made no button holds the focus: a second Enter must not cancel.
    if (QPushButton* button = defaultButton())
        button->setFocus(Qt::OtherFocusReason);
    else
        setFocus(Qt::OtherFocusReason);
}

void ImportWindow::keyPressEvent(QKeyEvent* event)
{
    QPushButton* pressed = nullptr;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        pressed = defaultButton();  // a focused button took its Enter already (look::WindowsKeys)
    } else if (event->key() == Qt::Key_Escape) {
        pressed = usableButton(cancelButton);
        if (!pressed)
            pressed = usableButton(closeButton);
    }
    if (!pressed)
        return QWidget::keyPressEvent(event);
    pressed->click();
}

void ImportWindow::fail(const QString& why, const QString& details)
{
    showStep(Step::failed, why, details, true);
}

void ImportWindow::startImport()
{
    if (!importRunning()) {
        session.reset();
        setWindowTitle(QStringLiteral("Mes listes"));
        title->setText(QStringLiteral("Fabriquer mes listes à partir de mes mots"));
        title->adjustSize();
        showChoice();
        return;
    }
    QWidget::show();
    raise();
}

void ImportWindow::startImportOf(const QString& file)
{
    const bool running = importRunning();
    startImport();
    if (!running)
        readAndPlan(file);
}

void ImportWindow::showChoice(const QString& warning)
{
    showStep(Step::choose,
             warning.isEmpty()
                 ? QStringLiteral("Choisissez le fichier de vos mots : un mot par ligne, sous "
                                  "n'importe quelle forme (féminin, pluriel, verbe conjugué), "
                                  "casse et accents libres ; UTF-8, UTF-16 ou Windows-1252. "
                                  "Chaque mot apporte ses formes de 2 à 9 lettres, et les %1 "
                                  "listes sont faites à partir d'eux.")
                       .arg(catalogue::Catalogue::rows().size())
                 : warning,
             QString::fromStdString(setup().destination())
                 + QStringLiteral("\n\nRien n'est changé avant que vous ne l'ayez confirmé, à "
                                  "l'étape suivante."),
             !warning.isEmpty());
}

void ImportWindow::choisir_Click()
{
    session.reset();  // a folder made for the last file and left empty goes with it
    const QString file = chooseFile();
    if (file.isEmpty()) {
        showChoice(QStringLiteral(
            "Aucun fichier choisi : rien n'a été fait, aucune liste n'a changé. « Choisir le "
            "fichier… » pour en choisir un."));
        return;
    }
    readAndPlan(file);
}

// The file is read and the folder looked at off the window's thread (a huge file takes long,
// and « Annuler » stops it); what will happen is then shown, and nothing is changed before
// « Fabriquer les listes ».
void ImportWindow::readAndPlan(const QString& file)
{
    session = std::make_unique<ownlists::ImportSession>(setup(), true, std::string());
    newRun(&ImportWindow::readFinished,
           QStringLiteral("Lecture de %1…")
               .arg(QString::fromStdString(files::shownPath(file.toStdString()))));
    ownlists::ImportSession* work = session.get();
    runner->start([work, path = file.toStdString()](const listmaking::RunControl& control) {
        work->repairFirst();
        if (auto read = work->read(path, control); !read)
            return read;
        return work->plan();
    });
}

void ImportWindow::readFinished(bool ready)
{
    const status::Status stop = runner->outcome();
    if (stop.wasCancelled())
        showChoice(QStringLiteral("Lecture annulée : rien n'a été fait, aucune liste n'a changé. "
                                  "« Choisir le fichier… » pour en choisir un."));
    else if (!ready)
        fail(QString::fromStdString(stop.why()), text(session->messagesOfStop({}, stop)));
    else
        showStep(Step::confirm,
                 QStringLiteral("Vérifiez, puis « Fabriquer les listes ». Rien n'est changé "
                                "avant."),
                 confirmation());
    if (closeWhenDone)
        close();
}

QString ImportWindow::confirmation() const
{
    const listmaking::ImportMessages messages;
    const QString repaired = text(messages.notes(session->repaired()));
    QString details = (repaired.isEmpty() ? QString() : repaired + "\n\n")
        + text(messages.reading(session->engine().summary(), "")) + "\n\n"
        + QString::fromStdString(session->setup().destination()) + "\n\n";
    const auto& replaced = session->replaced();
    if (replaced.empty())
        return details + QStringLiteral("Aucun fichier n'y est remplacé.");
    details += QStringLiteral("Ces %1 fichiers y seront remplacés, tous ensemble :\n")
                   .arg(replaced.size());
    for (const auto& name : replaced)
        details += "  " + QString::fromStdString(name) + "\n";
    return details.trimmed();
}

// A run on a fresh runner, its bar back at the start, shown with what it does.
void ImportWindow::newRun(void (ImportWindow::*finished)(bool), const QString& explanation)
{
    runner = std::make_unique<ownlists::ImportRunner>(runOn);
    connect(runner.get(), &ownlists::ImportRunner::progress, this, &ImportWindow::runProgress);
    connect(runner.get(), &ownlists::ImportRunner::finished, this, finished);
    progressBar->setValue(0);
    stepUnderWay->clear();
    cancelButton->setEnabled(true);
    showStep(Step::running, explanation);
}

void ImportWindow::fabriquer_Click()
{
    newRun(
        &ImportWindow::runFinished,
        QStringLiteral("Fabrication des listes à partir de %1…")
            .arg(QString::fromStdString(files::shownPath(session->engine().summary().playerFile))));
    elapsed.start();
    Q_EMIT importRunningChanged(true);
    ownlists::ImportSession* work = session.get();
    runner->start([work](const listmaking::RunControl& control) { return work->run(control); });
}

void ImportWindow::runProgress(double fraction, const QString& step)
{
    progressBar->setValue(static_cast<int>(fraction * kProgressSteps));
    if (cancelButton->isEnabled()) {
        stepUnderWay->setText(phaseOf(step));
        stepUnderWay->show();
    }
}

void ImportWindow::runFinished(bool ok)
{
    const status::Status ran = runner->outcome();
    const QString said = text(session->messagesOfRun({}, ran, elapsed.elapsed() / 1000.0));
    Q_EMIT importRunningChanged(false);
    if (ok) {
        Q_EMIT listsChanged();
        showStep(Step::summary,
                 QStringLiteral("Vos listes sont faites. « Fermer », puis choisissez une liste et "
                                "LANCER : vous vous entraînez sur vos mots."),
                 said);
    } else if (ran.wasCancelled()) {
        fail(QStringLiteral("Fabrication annulée : aucun fichier n'a été changé."), said);
    } else {
        fail(QString::fromStdString(ran.why()), said);
    }
    session.reset();
    if (closeWhenDone)
        close();
}

void ImportWindow::annuler_Click()
{
    if (!importRunning()) {
        close();
        return;
    }
    cancelButton->setEnabled(false);
    stepUnderWay->setText(QStringLiteral("Annulation…"));
    stepUnderWay->show();
    runner->cancel();
}

void ImportWindow::fermer_Click()
{
    close();
}

bool ImportWindow::canGoBack() const
{
    return !ownlists::OriginalLists(setup()).whatGoingBackDoes(now()).empty();
}

void ImportWindow::offerGoingBack()
{
    if (importRunning())
        return startImport();
    session.reset();
    setWindowTitle(QStringLiteral("Mes listes"));
    title->setText(QStringLiteral("Revenir aux listes d'origine"));
    title->adjustSize();
    goingBackAt = now();  // the folder named here is the one the lists go to
    const ownlists::OriginalLists originals(setup());
    const std::string what = originals.whatGoingBackDoes(goingBackAt);
    if (what.empty()) {
        showStep(Step::wentBack,
                 QStringLiteral("Il n'y a pas de listes d'origine vers lesquelles revenir : %1. "
                                "Rien n'a été changé.")
                     .arg(QString::fromStdString(originals.whyNoGoingBack())),
                 QString(), true);
        return;
    }
    showStep(Step::goingBack, QStringLiteral("Vérifiez, puis « Revenir aux listes d'origine »."),
             QString::fromStdString(what));
}

void ImportWindow::revenir_Click()
{
    const auto aside = ownlists::OriginalLists(setup()).goBack(goingBackAt);
    if (!aside) {
        showStep(Step::wentBack,
                 QStringLiteral("Revenir aux listes d'origine n'a pas pu se faire : %1.")
                     .arg(QString::fromStdString(aside.why())),
                 QString(), true);
        return;
    }
    Q_EMIT listsChanged();
    showStep(Step::wentBack,
             QStringLiteral("C'est fait : LANCER entraîne de nouveau les listes d'origine."),
             QStringLiteral("Vos listes sont mises de côté, rien n'est effacé :\n%1")
                 .arg(QString::fromStdString(files::shownPath(*aside))));
}

// Closing while the lists are made cancels the run; the window goes once it has stopped.
void ImportWindow::closeEvent(QCloseEvent* event)
{
    if (importRunning()) {
        closeWhenDone = true;
        annuler_Click();
        event->ignore();
        return;
    }
    closeWhenDone = false;
    session.reset();
    event->accept();
}

}  // namespace launcher
