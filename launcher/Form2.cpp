#include <launcher/Form2.h>

#include <launcher/CatalogueBox.h>
#include <launcher/ImportWindow.h>
#include <launcher/MessageBand.h>
#include <launcher/ReviewLine.h>
#include <launcher/ReviewOptionsDialog.h>

#include <catalogue/Catalogue.h>
#include <files/ShownPath.h>
#include <look/Colour.h>
#include <look/Controls.h>
#include <look/Look.h>
#include <places/ListFolders.h>
#include <places/PlayerFolders.h>
#include <progress/window/ProgressWindow.h>
#include <study/StudyRecord.h>
#include <training/drill/ListLoader.h>
#include <training/progress/PlayerKeeping.h>
#include <training/window/Form1.h>

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

const QString kPrompt = QStringLiteral("Sélectionnez votre liste");
const QString kBreak = QStringLiteral("\n");

// The line of the review of the day, and its button, under the message band and above the
// progress line; the band stops above them.
constexpr int kReviewTop = 3180;
constexpr int kBandTop = 1800;

// "1 tirage", "5 586 tirages": a count in French, with its noun.
QString counted(std::int32_t count, const QString& singular, const QString& plural)
{
    return QLocale(QLocale::French).toString(count) + QLatin1Char(' ')
        + (count > 1 ? plural : singular);
}

// "312 tirages restants sur 5 586": where a drill on a list stands.
QString entriesLeft(const drill::SavedDrill& saved)
{
    return counted(static_cast<std::int32_t>(saved.entries.size()),
                   QStringLiteral("tirage restant"), QStringLiteral("tirages restants"))
        + QStringLiteral(" sur ") + QLocale(QLocale::French).toString(saved.listSize);
}

// "Eliminer un mot après 3 réussites.": a criterion as the training window words it.
QString criterionSentence(drill::Criterion criterion, double threshold)
{
    const QString number = QString::number(threshold);
    return criterion == drill::Criterion::BySuccesses
        ? QStringLiteral("Eliminer un mot après %1 réussites.").arg(number)
        : QStringLiteral("Eliminer un mot trouvé en moins de %1 secondes.").arg(number);
}

// What a resumed drill's success counts were made under, when the criterion now in force is
// another one: they are kept, but only mean what they meant under their own. Empty when no
// entry has a success yet, or when the criterion is the same.
QString countsCriterion(const drill::SavedDrill& saved, const drill::DrillState& now)
{
    const bool counted = std::any_of(saved.successCount.begin(), saved.successCount.end(),
                                     [](std::int32_t count) { return count > 0; });
    if (!counted || (saved.criterion == now.criterion && saved.threshold == now.threshold))
        return QString();
    const QString made = saved.criterion == drill::Criterion::BySuccesses
        ? QStringLiteral("Ses réussites ont été comptées sous « %1 »")
              .arg(criterionSentence(saved.criterion, saved.threshold))
        : QStringLiteral("Ses réussites ont été comptées sous le critère des réussites, et "
                         "vous l'aviez laissée sous « %1 »")
              .arg(criterionSentence(saved.criterion, saved.threshold));
    return made
        + QStringLiteral(" ; la reprise garde votre critère : « %1 »")
              .arg(criterionSentence(now.criterion, now.threshold));
}

}  // namespace

namespace launcher {

// The controls, in the order they are made (later ones stand above earlier ones), the Tab
// key's walk in the same order. A new control takes one row here, and its handler, declared
// with the others, when it has one.
const Form2::Controls::Table& Form2::controlTable()
{
    using Row = Controls::Row;
    using look::Style;
    static const Controls::Table table = {
        Row::label("Label1", "MOTS NOUVEAUX ODS 6")
            .at(840, 120, 0, 0)
            .style(Style().font("MS Sans Serif", 13.5, true))
            .into(&Form2::title),
        Row::label("Label3(0)", "Listes basées sur les entrées :")
            .at(240, 720, 0, 0)
            .into(&Form2::firstBoxCaption),
        Row::label("Label3(1)", "Listes avec flexions et conjugaisons :")
            .at(3120, 720, 0, 0)
            .into(&Form2::secondBoxCaption),
        // The two catalogue boxes; a pick in either is fichier_Click.
        Row::own("fichier(0)", &Form2::makeCatalogueBox, kPrompt)
            .at(120, 960, 2295, 315)
            .tabStop()
            .into(&Form2::firstBox),
        Row::own("fichier(1)", &Form2::makeCatalogueBox, kPrompt)
            .at(3120, 960, 2655, 315)
            .tabStop()
            .into(&Form2::secondBox),
        // Starts a drill.
        Row::button("Command1", "LANCER")
            .at(2160, 1320, 1215, 375)
            .into(&Form2::startButton)
            .onClick(&Form2::Command1_Click),
        // The farewell text, shown by "Quitter"; the farewell disables the window, its text and
        // countdown must still be read.
        Row::plainText("Text1")
            .at(600, 1680, 3735, 1575)
            .style(Style().readOnly().disabled().noScrollBar().hidden().keepColoursWhenDisabled())
            .into(&Form2::farewell),
        // The farewell countdown.
        Row::label("Label2")
            .at(4800, 2880, 375, 255)
            .style(Style().keepColoursWhenDisabled())
            .into(&Form2::countdown),
        // Not one of the designed controls: the review of the day's button (in line with
        // "Quitter", before it in the Tab key's walk); its line is further down.
        Row::button("reviser", "&Réviser")
            .at(4560, kReviewTop, 1215, 255)
            .into(&Form2::reviewButton)
            .onClick(&Form2::reviser_Click),
        // Starts the farewell.
        Row::button("quitter", "Quitter")
            .at(4560, 3480, 1215, 495)
            .into(&Form2::quitButton)
            .onClick(&Form2::quitter_Click),
        // Ticks the farewell countdown.
        Row::timer("Timer1").into(&Form2::farewellTimer).onTick(&Form2::Timer1_Timer),
        // Not one of the designed controls: why a list could not be started, in the free band
        // under "LANCER", without a dialog that would stop the player.
        Row::label("message")
            .at(240, 1800, 5565, 1000)
            .style(Style()
                       .wordWrap()
                       .align(Qt::AlignHCenter | Qt::AlignTop)
                       .foreground(look::Colour::warning)
                       .hidden())
            .into(&Form2::messageBand),
        // Nor these: the entries of the window's right-click menu.
        Row::menuEntry("fabriquerListes", "Fabriquer mes listes à partir de mes mots…")
            .into(&Form2::makeListsEntry)
            .onPick(&Form2::fabriquerListes_Click),
        Row::menuEntry("revenirOrigine", "Revenir aux listes d'origine")
            .into(&Form2::goBackEntry)
            .onPick(&Form2::revenirOrigine_Click),
        Row::menuEntry("mesProgres", "Mes progrès…")  // Ctrl+P too
            .into(&Form2::progressEntry)
            .onPick(&Form2::mesProgres_Click),
        // Nor these: where the chosen list stands, and the question LANCER asks about a list
        // under way (its answers: reprise_Click).
        Row::label("progression")
            .at(240, 3480, 4200, 495)
            .style(Style().wordWrap().align(Qt::AlignLeft | Qt::AlignVCenter).hidden())
            .into(&Form2::progressLine),
        Row::own("reprise", &Form2::makeQuestion, "Reprendre la liste ?")
            .into(&Form2::resumeQuestion),
        // Nor these: the line of the review of the day (in line with the progress line under
        // it), and the entries of the right-click menus about the review.
        Row::label("revisions")
            .at(240, kReviewTop, 4200, 255)
            .style(Style().align(Qt::AlignLeft | Qt::AlignVCenter))
            .into(&Form2::reviewLine),
        Row::menuEntry("apprendreListe", "Apprendre cette liste")
            .into(&Form2::learnEntry)
            .onPick(&Form2::apprendreListe_Click),
        Row::menuEntry("oublierListe", "Ne plus réviser cette liste")
            .into(&Form2::stopEntry)
            .onPick(&Form2::oublierListe_Click),
        Row::menuEntry("optionsRevision", "Options de révision…")
            .into(&Form2::optionsEntry)
            .onPick(&Form2::optionsRevision_Click),
    };
    return table;
}

Form2::Form2(const QStringList& repaired, QWidget* parent)
    : QWidget(parent),
      quitProgram([] { QCoreApplication::exit(0); }),
      keeping_(training::PlayerKeeping::ofPlayer()),
      studyTrouble(QStringLiteral("relevé d'étude non ouvert"))
{
    look::setUpWindow(this, QStringLiteral("Bienvenue :o)"), look::face("MS Sans Serif", 8.25),
                      QSize(6045, 4125), look::Colour::window);
    look::steadyTextCursor();
    createControls();
    // Nothing else in the window says that the player's own words can be drilled.
    setToolTip(QStringLiteral("Clic droit : fabriquer vos listes à partir de vos mots, ou "
                              "revenir aux listes d'origine ; apprendre la liste choisie peu à "
                              "peu, options de révision ; mes progrès (Ctrl+P)"));
    fillBoxes();
    tellRepairs(repaired);
    tellKeeping();
    showProgress();
    showReviewLine();
}

// What opening the study record, or carrying the earlier progress into it, has to tell the
// player is said once, under the message band.
void Form2::tellKeeping()
{
    const QString note = keeping_->openingNote();
    if (note.isEmpty())
        return;
    showMessage(messageBand->isVisible() ? messageBand->text() + QStringLiteral(" ") + note : note);
}

// What the program's start did to a switch cut short in the lists folders (ListsRepair),
// under the message band.
void Form2::tellRepairs(const QStringList& repaired)
{
    if (!repaired.isEmpty())
        showMessage(QStringLiteral("Au lancement, %1.").arg(repaired.join(QStringLiteral(" ; "))));
}

Form2::~Form2() = default;

study::Study* Form2::study() const
{
    return keeping_->study();
}

void Form2::createControls()
{
    controls.setDefault(look::Kind::label, look::Style().background(look::Colour::window));
    controls.build(controlTable());
    reviewKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), this);
    reviewKey->setObjectName(QStringLiteral("reviserCtrlR"));
    connect(reviewKey, &QShortcut::activated, this, &Form2::reviser_Click);
    progressEntry->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    progressEntry->setShortcutContext(Qt::WindowShortcut);
    addAction(progressEntry);
}

CatalogueBox* Form2::makeCatalogueBox(const Controls::Row& row)
{
    auto* box = new CatalogueBox(this);
    look::place(box, row.twips.left(), row.twips.top(), row.twips.width(), row.twips.height());
    connect(box, &CatalogueBox::itemPicked, this, &Form2::fichier_Click);
    box->lineEdit()->installEventFilter(this);  // its right-click menu
    return box;
}

// Return resumes, Esc stays in the launcher.
QMessageBox* Form2::makeQuestion(const Controls::Row& row)
{
    auto* question = new QMessageBox(this);
    question->setWindowTitle(row.caption);
    question->setFont(font());  // a window of its own does not take the launcher's face
    question->setIcon(QMessageBox::Question);
    resumeAnswer = question->addButton(QString(), QMessageBox::AcceptRole);
    resumeAnswer->setObjectName(QStringLiteral("reprendre"));
    question->addButton(QStringLiteral("Recommencer la liste"), QMessageBox::DestructiveRole)
        ->setObjectName(QStringLiteral("recommencer"));
    cancelAnswer = question->addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
    cancelAnswer->setObjectName(QStringLiteral("annulerReprise"));
    question->setDefaultButton(resumeAnswer);
    question->setEscapeButton(cancelAnswer);
    connect(question, &QMessageBox::buttonClicked, this, &Form2::reprise_Click);
    return question;
}

void Form2::fillBoxes()
{
    const std::vector<catalogue::ListRow>& rows = catalogue::Catalogue::rows();
    for (std::size_t row = 0; row < rows.size(); ++row)  // each item knows its row
        fichier(rows[row].box)
            ->addItem(QString::fromStdString(rows[row].title), QVariant::fromValue(row));
    for (int i = 0; i < 2; ++i) {
        fichier(i)->setCurrentIndex(-1);
        fichier(i)->setEditText(kPrompt);
    }
}

CatalogueBox* Form2::fichier(int index) const
{
    return index == 0 ? firstBox : secondBox;
}

void Form2::fichier_Click()
{
    for (int i = 0; i < 2; ++i)
        if (sender() == fichier(i))
            chosen = i;
    showProgress();
}

void Form2::Command1_Click()
{
    if (!chosen)
        return;  // nothing chosen yet: there is no list to start
    // The typed title is looked up once: from here on the list is its catalogue row.
    const QString title = fichier(*chosen)->currentText();
    const catalogue::ListRow* list = catalogue::Catalogue::find(title.toStdString(), *chosen);
    if (!list)  // the progress shown is the picked list's, not that of this title
        progressLine->hide();
    if (list && askToResume(*list))
        return;  // the answer starts the drill, or not
    startDrill([&](training::Form1& form) {
        return list ? form.commencer(*list) : form.commencer(title, *chosen);
    });
    if (!startNote.isEmpty())  // read when the player comes back
        showMessage(std::exchange(startNote, QString()));
}

void Form2::startDrill(const std::function<bool(training::Form1&)>& load)
{
    training::Form1& form = trainingForm();
    form.setCursor(Qt::WaitCursor);
    form.show();
    form.raise();
    form.activateWindow();
    if (!load(form)) {
        form.hide();
        form.unsetCursor();
        showMessage(form.loadMessage());
        return;
    }
    showMessage(QString());
    hide();
}

bool Form2::askToResume(const catalogue::ListRow& list)
{
    training::ProgressStore::Found found = progressOf(list);
    using State = training::ProgressStore::Found::State;
    if (found.state == State::usable)
        found = judged(list, found);
    if (found.state != State::usable) {
        keeping_->passOver(list, found);
        return false;
    }
    resumeQuestion->setText(QStringLiteral("Vous aviez commencé la liste « %1 ».")
                                .arg(QString::fromStdString(list.title)));
    resumeQuestion->setInformativeText(
        countsCriterion(found.saved, trainingForm().logic().state()));
    resumeAnswer->setText(QStringLiteral("Reprendre là où vous en étiez (%1, %2)")
                              .arg(entriesLeft(found.saved),
                                   counted(found.saved.seriesDone, QStringLiteral("série"),
                                           QStringLiteral("séries"))));
    askedList = &list;
    // The question is shown again and again: whichever answer had the focus last time,
    // Return resumes, never starts the list again.
    resumeQuestion->setDefaultButton(resumeAnswer);
    resumeAnswer->setFocus(Qt::OtherFocusReason);
    resumeQuestion->open();
    return true;
}

void Form2::reprise_Click(QAbstractButton* answer)
{
    const catalogue::ListRow* list = std::exchange(askedList, nullptr);
    if (!list || answer == cancelAnswer)
        return;
    const bool resume = answer == resumeAnswer;
    if (!resume)
        keeping_->progress().forget(*list);
    startDrill([&](training::Form1& form) {
        return resume ? form.reprendre(*list) : form.commencer(*list);
    });
}

// A record that names entries the list lacks is never offered: the player is told why the
// list starts from its beginning.
training::ProgressStore::Found Form2::judged(const catalogue::ListRow& list,
                                             const training::ProgressStore::Found& found)
{
    const drill::ListLoad loaded = drill::ListLoader::loadFile(list.path(), listFolders());
    if (!loaded.ok())
        return found;  // LANCER says why the list cannot be read
    training::ProgressStore::Found fits =
        keeping_->progress().find(list, QString::fromStdString(loaded->path), &loaded->entries);
    if (fits.state == training::ProgressStore::Found::State::unusable)
        startNote = QStringLiteral("La progression gardée pour « %1 » ne peut pas être reprise "
                                   "(%2) : la liste recommence au début.")
                        .arg(QString::fromStdString(list.title), fits.reason);
    return fits;
}

std::vector<std::string> Form2::listFolders() const
{
    return trainingWindow ? trainingWindow->dataFolders : places::ListFolders::afterWorkingFolder();
}

training::ProgressStore::Found Form2::progressOf(const catalogue::ListRow& list) const
{
    const std::string path = drill::ListLoader::locate(list.path(), listFolders());
    if (path.empty())
        return {};  // nowhere to be found now: the record waits for its list
    return keeping_->progress().find(list, QString::fromStdString(path));
}

void Form2::showProgress()
{
    using State = training::ProgressStore::Found::State;
    QString chosenProgress;
    for (int box = 0; box < 2; ++box) {
        CatalogueBox* titles = fichier(box);
        QFont underWay = titles->font();
        underWay.setBold(true);
        for (int item = 0; item < titles->count(); ++item) {
            const training::ProgressStore::Found found = progressOf(
                catalogue::Catalogue::rows()[titles->itemData(item).value<std::size_t>()]);
            const bool usable = found.state == State::usable;
            const QString text = usable
                ? titles->itemText(item) + QStringLiteral(" : ") + entriesLeft(found.saved)
                : QString();
            titles->setItemData(item, usable ? QVariant(underWay) : QVariant(), Qt::FontRole);
            titles->setItemData(item, usable ? QVariant(text) : QVariant(), Qt::ToolTipRole);
            if (chosen == box && titles->itemText(item) == titles->currentText())
                chosenProgress = text;
        }
    }
    progressLine->setText(chosenProgress);
    progressLine->setVisible(!chosenProgress.isEmpty());
}

void Form2::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    showProgress();
    showReviewLine();
}

// The band reaches down to the review's line at most.
void Form2::showMessage(const QString& text)
{
    MessageBand::show(messageBand, text, look::px(1000), look::px(kReviewTop - 60 - kBandTop));
    messageBand->setVisible(!text.isEmpty());
}

training::Form1& Form2::trainingForm()
{
    if (!trainingWindow) {
        trainingWindow = std::make_unique<training::Form1>(this);
        trainingWindow->remember(*keeping_);
    }
    return *trainingWindow;
}

void Form2::quitter_Click()
{
    farewellTimer->start();
    farewellCount = 9;
    for (QWidget* gone : std::initializer_list<QWidget*>{
             firstBox, secondBox, firstBoxCaption, secondBoxCaption, title, startButton, quitButton,
             messageBand, progressLine, reviewLine, reviewButton})
        gone->hide();
    reviewKey->setEnabled(false);
    setEnabled(false);
    farewell->show();
    setWindowTitle(QStringLiteral("A bientôt !"));
    farewell->setGeometry(farewell->x(), look::px(640), farewell->width(), look::px(2400));

    QString text = farewell->toPlainText();
    text += QStringLiteral("A propos de l'auteur :") + kBreak + kBreak;
    text += QStringLiteral("vorlane : les mots nouveaux de l'ODS 6") + kBreak;
    text += QStringLiteral("Un logiciel libre, à partager.") + kBreak;
    text += QStringLiteral("Listes faites avec extracteur") + kBreak;
    text += QStringLiteral("à partir de dictionnaires libres.") + kBreak;
    text += QStringLiteral("Suggestions : tickets du projet vorlane.") + kBreak + kBreak;
    text += QString() + kBreak;
    farewell->setPlainText(text);
}

// The countdown is 16-bit like the design's; it runs from 9 to -1 only.
void Form2::Timer1_Timer()
{
    farewellCount = static_cast<std::int16_t>(farewellCount - 1);
    countdown->setText(QString::number(farewellCount));
    if (farewellCount == -1) {
        farewellTimer->stop();
        quitProgram();
    }
}

ImportWindow& Form2::importForm()
{
    if (!importWindow) {
        importWindow = std::make_unique<ImportWindow>(this);
        connect(importWindow.get(), &ImportWindow::importRunningChanged, this,
                [this](bool running) { makeListsEntry->setEnabled(!running); });
        connect(importWindow.get(), &ImportWindow::listsChanged, this, [this] {
            showMessage(QString());
            showProgress();
        });
    }
    return *importWindow;
}

// An import under way leaves no entry to start another; going back is offered only when there
// is something to go back from.
void Form2::contextMenuEvent(QContextMenuEvent* event)
{
    goBackEntry->setEnabled(!importForm().importRunning() && importForm().canGoBack());
    goBackEntry->setToolTip(
        goBackEntry->isEnabled()
            ? QString()
            : QStringLiteral("Vos listes n'ont pas été remplacées : il n'y a rien "
                             "vers quoi revenir."));
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setFont(font());
    menu->setToolTipsVisible(true);
    menu->addAction(makeListsEntry);
    menu->addAction(goBackEntry);
    addStudyEntries(menu, chosen ? listOfBox(*chosen) : nullptr);
    menu->addAction(progressEntry);
    menu->popup(event->globalPos());
}

// « Mes progrès », by the right-click menu or Ctrl+P: made on first use, its figures read
// again each time it is shown; a list chosen there starts as LANCER starts it here.
void Form2::mesProgres_Click()
{
    if (!keeping_->record()) {
        showMessage(QStringLiteral("Vos progrès ne peuvent pas être montrés : votre relevé "
                                   "d'étude n'a pas pu être ouvert."));
        return;
    }
    if (!progressWindow) {
        progressWindow = std::make_unique<progress::ProgressWindow>(*keeping_->record(), this);
        connect(progressWindow.get(), &progress::ProgressWindow::startList, this,
                [this](const catalogue::ListRow* list) {
                    chosen = list->box;
                    fichier(list->box)->setCurrentText(QString::fromStdString(list->title));
                    showProgress();
                    progressWindow->hide();
                    Command1_Click();
                });
        connect(progressWindow.get(), &progress::ProgressWindow::reviewDraws, this,
                [this](const std::vector<study::DeckDraw>& draws) {
                    progressWindow->hide();
                    startDrill([&draws](training::Form1& form) { return form.reviser(draws); });
                });
    }
    progressWindow->dataFolders = listFolders();
    progressWindow->show();
    progressWindow->raise();
    progressWindow->activateWindow();
}

void Form2::fabriquerListes_Click()
{
    importForm().startImport();
}

void Form2::revenirOrigine_Click()
{
    importForm().offerGoingBack();
}

// ---------------------------------------------------------------- the review

void Form2::setStudy(study::Study* study, const QString& whyNot)
{
    keeping_->setStudy(study);
    studyTrouble = whyNot.isEmpty() ? QStringLiteral("relevé d'étude non ouvert") : whyNot;
    showReviewLine();
}

// Said whole in its tooltip, cut to the line's width on it.
void Form2::showReviewLine()
{
    QString text = ReviewLine::unavailable(studyTrouble);
    if (study()) {
        const status::Result<study::DueCounts> due = study()->dueCounts();
        text = due ? ReviewLine::text(*due)
                   : ReviewLine::unavailable(QString::fromStdString(due.why()));
    }
    reviewLine->setToolTip(text);
    reviewLine->setText(
        reviewLine->fontMetrics().elidedText(text, Qt::ElideRight, reviewLine->width()));
    reviewButton->setEnabled(study() != nullptr);
}

void Form2::reviser_Click()
{
    if (!study()) {
        showMessage(ReviewLine::unavailable(studyTrouble));
        return;
    }
    startDrill([](training::Form1& form) { return form.reviser(); });
}

const catalogue::ListRow* Form2::listOfBox(int box) const
{
    return catalogue::Catalogue::find(fichier(box)->currentText().toStdString(), box);
}

// « Apprendre cette liste » or « Ne plus réviser cette liste », whichever applies, the other
// greyed with the reason in its tooltip; then the options.
void Form2::addStudyEntries(QMenu* menu, const catalogue::ListRow* list)
{
    menuList = list;
    const QString title =
        list ? QStringLiteral(" (%1)").arg(QString::fromStdString(list->title)) : QString();
    learnEntry->setText(QStringLiteral("Apprendre cette liste") + title);
    stopEntry->setText(QStringLiteral("Ne plus réviser cette liste") + title);
    QString why;  // why neither applies
    bool learning = false;
    if (!study()) {
        why = ReviewLine::unavailable(studyTrouble);
    } else if (!list) {
        why = QStringLiteral("Choisissez d'abord une liste dans l'une des deux boîtes.");
    } else if (const status::Result<bool> state = study()->isLearning(list->fileName); !state) {
        why = ReviewLine::unavailable(QString::fromStdString(state.why()));
    } else {
        learning = *state;
    }
    learnEntry->setEnabled(why.isEmpty() && !learning);
    stopEntry->setEnabled(why.isEmpty() && learning);
    learnEntry->setToolTip(!why.isEmpty() ? why
                               : learning
                               ? QStringLiteral("Cette liste est déjà dans vos révisions.")
                               : QString());
    stopEntry->setToolTip(!why.isEmpty() ? why
                              : learning
                              ? QString()
                              : QStringLiteral("Cette liste n'est pas dans vos révisions."));
    menu->setToolTipsVisible(true);
    menu->addSeparator();
    menu->addAction(learnEntry);
    menu->addAction(stopEntry);
    menu->addAction(optionsEntry);
}

bool Form2::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ContextMenu)
        return QWidget::eventFilter(watched, event);
    for (int box = 0; box < 2; ++box) {
        QLineEdit* text = fichier(box)->lineEdit();
        if (watched != text)
            continue;
        QMenu* menu = text->createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        addStudyEntries(menu, listOfBox(box));
        menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// The list is read as LANCER reads it; its entries enter the deck in its order.
void Form2::apprendreListe_Click()
{
    const catalogue::ListRow* list = std::exchange(menuList, nullptr);
    if (!list || !study())
        return;
    const drill::ListLoad loaded = drill::ListLoader::loadFile(list->path(), listFolders());
    if (!loaded.ok()) {
        showMessage(QString::fromStdString(loaded.why()));
        return;
    }
    std::vector<study::DeckDraw> entries;
    for (const drill::ListEntry& entry : loaded->entries)
        entries.push_back({list->fileName, entry.draw, entry.solutions});
    const QString title = QString::fromStdString(list->title);
    const status::Status learned = study()->learnList(list->fileName, entries);
    if (!learned) {
        showMessage(QStringLiteral("« %1 » n'a pas pu entrer dans vos révisions : %2")
                        .arg(title, QString::fromStdString(learned.why())));
        return;
    }
    showMessage(QStringLiteral("« %1 » entre dans vos révisions : %2, dans l'ordre de la liste, "
                               "au plus %3 par jour.")
                    .arg(title,
                         counted(static_cast<std::int32_t>(entries.size()),
                                 QStringLiteral("tirage"), QStringLiteral("tirages")),
                         counted(reviewOptions().policy.newPerDay, QStringLiteral("nouveau"),
                                 QStringLiteral("nouveaux"))));
    showReviewLine();
}

void Form2::oublierListe_Click()
{
    const catalogue::ListRow* list = std::exchange(menuList, nullptr);
    if (!list || !study())
        return;
    const QString title = QString::fromStdString(list->title);
    const status::Status stopped = study()->stopLearning(list->fileName);
    if (!stopped) {
        showMessage(QStringLiteral("« %1 » n'a pas pu sortir de vos révisions : %2")
                        .arg(title, QString::fromStdString(stopped.why())));
        return;
    }
    showMessage(QStringLiteral("« %1 » n'est plus révisée ; vos réponses à ses tirages restent "
                               "dans votre relevé d'étude.")
                    .arg(title));
    showReviewLine();
}

ReviewOptionsDialog& Form2::reviewOptionsForm()
{
    if (!optionsDialog) {
        optionsDialog = std::make_unique<ReviewOptionsDialog>(this);
        connect(optionsDialog.get(), &ReviewOptionsDialog::policyChosen, this, &Form2::applyPolicy);
    }
    return *optionsDialog;
}

void Form2::optionsRevision_Click()
{
    reviewOptionsForm().edit(reviewOptions().policy);
}

// Kept in the player's options file and given to the study record; the new draws a day change
// what is due today.
void Form2::applyPolicy(const study::ReviewPolicy& policy)
{
    keeping_->keep(policy);
    showMessage(QStringLiteral("Options de révision enregistrées : réussite visée %1 %, %2 par "
                               "jour.")
                    .arg(training::ReviewOptions::percentText(policy.desiredRetention),
                         counted(policy.newPerDay, QStringLiteral("nouveau tirage"),
                                 QStringLiteral("nouveaux tirages"))));
    showReviewLine();
}

void Form2::closeEvent(QCloseEvent* event)
{
    event->accept();
    quitProgram();
}

}  // namespace launcher
