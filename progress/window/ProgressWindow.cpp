#include <progress/window/ProgressWindow.h>

#include <progress/window/BarChart.h>
#include <progress/window/FigureItem.h>
#include <progress/window/ListEntryCount.h>

#include <catalogue/Catalogue.h>
#include <files/ShownPath.h>
#include <look/Colour.h>
#include <look/Look.h>
#include <look/ScreenFit.h>
#include <study/AnswerHistory.h>
#include <study/FrenchFormat.h>
#include <study/LocalDay.h>
#include <study/StudyRecord.h>
#include <textfile/Cp1252.h>
#include <training/drill/ListLoader.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMetaMethod>
#include <QStandardPaths>
#include <QTableWidget>

#include <map>

namespace progress {

namespace {

using study::FrenchFormat;

QString fr(const std::string& text)
{
    return QString::fromStdString(text);
}

// Windows-1252 bytes of a list file, as the player reads them.
QString fromBytes(const std::string& bytes)
{
    const std::u16string text = textfile::Cp1252::decode(bytes);
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QString minutesText(double minutes)
{
    return fr(FrenchFormat::duration(static_cast<std::int64_t>(minutes * 60)));
}

QString countText(double value)
{
    return fr(FrenchFormat::number(static_cast<std::int64_t>(value)));
}

const QStringList kListColumns = {
    QStringLiteral("Liste"),         QStringLiteral("Entrées"), QStringLiteral("Maîtrisées"),
    QStringLiteral("Finis"),         QStringLiteral("Séries"),  QStringLiteral("Réponses"),
    QStringLiteral("Trouvées"),      QStringLiteral("Erreurs"), QStringLiteral("Temps"),
    QStringLiteral("Dernière fois"),
};
const QStringList kMissedColumns = {
    QStringLiteral("Tirage"), QStringLiteral("Solutions"), QStringLiteral("Liste"),
    QStringLiteral("Ratés"),  QStringLiteral("Vus"),       QStringLiteral("Dernier raté"),
};
const int kListRole = Qt::UserRole + 2;  // the catalogue row of a list, on its first cell
const QColor kAnswers(176, 196, 222), kFound(60, 160, 60), kTime(200, 90, 0), kDue(90, 120, 200);

}  // namespace

// The controls, in the order they are made, the Tab key's walk in the same order.
const ProgressWindow::Controls::Table& ProgressWindow::controlTable()
{
    using Row = Controls::Row;
    using look::Style;
    const Style title = Style().font("MS Sans Serif", 9.75, true);
    const Style text = Style().wordWrap().align(Qt::AlignLeft | Qt::AlignTop);
    static const Controls::Table table = {
        Row::label("titreListes", "Mes listes").at(120, 120, 0, 0).style(title),
        // A list a row.
        Row::own("listes", &Self::makeListTable)
            .at(120, 420, 10560, 3840)
            .tabStop()
            .into(&Self::listTable),
        // The column the lists are sorted by.
        Row::own("tri", &Self::makeSorter).at(7680, 60, 3000, 315).tabStop().into(&Self::sorter),
        Row::button("lancer", "LANCER")
            .at(120, 4380, 1440, 375)
            .into(&Self::startButton)
            .onClick(&Self::lancer_Click),
        Row::label("titreRates", "Ce que je rate le plus").at(120, 4980, 0, 0).style(title),
        // The draws missed most.
        Row::own("rates", &Self::makeMissedTable)
            .at(120, 5280, 10560, 3600)
            .tabStop()
            .into(&Self::missedTable),
        Row::button("reviser", "Réviser ces tirages")
            .at(120, 9000, 2400, 375)
            .into(&Self::reviewButton)
            .onClick(&Self::reviser_Click),
        // What the last button did.
        Row::label("message").at(2640, 9000, 8040, 780).style(text).into(&Self::message),
        Row::label("titreRevisions", "Mes révisions").at(10920, 120, 0, 0).style(title),
        // The deck in numbers.
        Row::label("revisions").at(10920, 420, 5760, 720).style(text).into(&Self::deckFigures),
        Row::label("retention").at(10920, 1140, 5760, 480).style(text).into(&Self::retention),
        // Reviews due each day, 30 days.
        Row::own("echeances", &Self::makeChart).at(10920, 1620, 5760, 2760).into(&Self::dueChart),
        Row::label("titreJours", "Mes 90 derniers jours").at(10920, 4980, 0, 0).style(title),
        // Answers, found and time each day.
        Row::own("jours", &Self::makeChart).at(10920, 5280, 5760, 2880).into(&Self::daysChart),
        Row::label("resumeJours").at(10920, 8220, 5760, 720).style(text).into(&Self::daysSummary),
        Row::button("exporter", "Exporter…")
            .at(10920, 9420, 1800, 375)
            .onClick(&Self::exporter_Click),
        Row::button("fermer", "Fermer").at(14880, 9420, 1800, 375).onClick(&Self::fermer_Click),
    };
    return table;
}

ProgressWindow::ProgressWindow(study::StudyRecord& record, QWidget* launcher)
    : QWidget(launcher, Qt::Window), record_(record), figures_(record)
{
    look::setUpWindow(this, QStringLiteral("Mes progrès"), look::face("MS Sans Serif", 8.25),
                      QSize(16800, 9960), look::Colour::window);
    look::ScreenFit::keep(this);
    chooseExportFile = [this] {
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty() || !QDir(folder).exists())
            folder = QDir::homePath();
        return QFileDialog::getSaveFileName(
            this, QStringLiteral("Exporter l'historique des réponses"),
            QDir(folder).filePath(QStringLiteral("historique-vorlane.csv")),
            QStringLiteral("Fichiers CSV (*.csv)"));
    };
    createControls();
}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::createControls()
{
    controls.setDefault(look::Kind::label, look::Style().background(look::Colour::window));
    controls.build(controlTable());
    connect(listTable, &QTableWidget::itemActivated, this, &ProgressWindow::lancer_Click);
    connect(listTable, &QTableWidget::itemSelectionChanged, this, [this] {
        const QList<QTableWidgetItem*> chosen = listTable->selectedItems();
        const bool startable = !chosen.isEmpty()
            && listTable->item(chosen.front()->row(), 0)->data(kListRole).isValid();
        startButton->setEnabled(startable);
    });
    connect(sorter, qOverload<int>(&QComboBox::activated), this, &ProgressWindow::sortBy);
}

namespace {

template <typename Control> Control* placed(Control* control, const QRect& twips)
{
    look::place(control, twips.left(), twips.top(), twips.width(), twips.height());
    return control;
}

}  // namespace

QComboBox* ProgressWindow::makeSorter(const Controls::Row& row)
{
    auto* made = new QComboBox(this);
    for (const QString& column : kListColumns)
        made->addItem(QStringLiteral("Trier par : %1").arg(column.toLower()));
    made->setAccessibleName(QStringLiteral("Trier les listes"));
    return placed(made, row.twips);
}

QTableWidget* ProgressWindow::makeListTable(const Controls::Row& row)
{
    return placed(makeTable(kListColumns, 0, QStringLiteral("Mes listes")), row.twips);
}

QTableWidget* ProgressWindow::makeMissedTable(const Controls::Row& row)
{
    return placed(makeTable(kMissedColumns, 1, QStringLiteral("Ce que je rate le plus")),
                  row.twips);
}

BarChart* ProgressWindow::makeChart(const Controls::Row& row)
{
    return placed(new BarChart(this), row.twips);
}

// A table of figures a row a line, sorted by a click on a header, its `stretched` column
// taking the room its figures leave.
QTableWidget* ProgressWindow::makeTable(const QStringList& columns, int stretched,
                                        const QString& name)
{
    auto* grid = new QTableWidget(0, static_cast<int>(columns.size()), this);
    grid->setHorizontalHeaderLabels(columns);
    grid->verticalHeader()->hide();
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setTabKeyNavigation(false);  // Tab goes on to the next control
    grid->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);  // as made
    grid->setSortingEnabled(true);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid->horizontalHeader()->setSectionResizeMode(stretched, QHeaderView::Stretch);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->setAccessibleName(name);
    return grid;
}

void ProgressWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refresh();
    listTable->setFocus(Qt::OtherFocusReason);
}

void ProgressWindow::connectNotify(const QMetaMethod& signal)
{
    if (signal != QMetaMethod::fromSignal(&ProgressWindow::reviewDraws))
        return;
    reviewConnected_ = true;
    reviewButton->setEnabled(!missed_.empty());
}

void ProgressWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void ProgressWindow::refresh()
{
    const auto lists = figures_.lists();
    const auto deck = figures_.deck(30);
    const auto days = figures_.days(90);
    auto missed = figures_.mostMissed(50);
    for (const std::string& why : {lists.why(), deck.why(), days.why(), missed.why()})
        if (!why.empty())
            return tell(QStringLiteral("Impossible de lire vos progrès : %1.").arg(fr(why)), true);
    missed_ = std::move(*missed);
    showLists(*lists);
    showDeck(*deck);
    showDays(*days);
    showMissed();
}

// A list as the launcher names it (those of the second box marked, some titles being in both),
// or its file's name when the catalogue has no such list.
QString ProgressWindow::listTitle(const std::string& fileName)
{
    for (const catalogue::ListRow& row : catalogue::Catalogue::rows())
        if (row.fileName == fileName)
            return fr(row.title) + (row.box == 1 ? QStringLiteral(" · flexions") : QString());
    return fr(fileName);
}

// The catalogue's lists in its order, then any other list the record has seen.
void ProgressWindow::showLists(const std::vector<study::ListFigures>& figures)
{
    std::map<std::string, const study::ListFigures*> byFile;
    for (const study::ListFigures& list : figures)
        byFile[list.list] = &list;
    QTableWidget* grid = listTable;
    grid->setSortingEnabled(false);
    grid->setRowCount(0);
    const study::ListFigures none;
    for (const catalogue::ListRow& row : catalogue::Catalogue::rows()) {
        const auto found = byFile.find(row.fileName);
        const study::ListFigures& list = found == byFile.end() ? none : *found->second;
        addListRow(listTitle(row.fileName), row.fileName,
                   list.underWay ? list.drillSize : entriesOf(row), list);
        grid->item(grid->rowCount() - 1, 0)
            ->setData(kListRole, QVariant::fromValue(reinterpret_cast<quintptr>(&row)));
        if (found != byFile.end())
            byFile.erase(found);
    }
    for (const auto& [file, list] : byFile)
        addListRow(fr(file), file, list->underWay ? list->drillSize : -1, *list);
    grid->setSortingEnabled(true);  // the catalogue's order until the player sorts
    if (grid->currentRow() < 0 && grid->rowCount() > 0)
        grid->selectRow(0);
}

void ProgressWindow::addListRow(const QString& title, const std::string& file, std::int64_t entries,
                                const study::ListFigures& list)
{
    QTableWidget* grid = listTable;
    const int r = grid->rowCount();
    grid->insertRow(r);
    auto number = [](std::int64_t value) {
        return new FigureItem(fr(FrenchFormat::number(value)), qlonglong(value));
    };
    const std::int64_t mastered = list.mastered(std::max<std::int64_t>(entries, 0));
    auto* name = new FigureItem(title, title);
    name->setToolTip(fr(file));
    grid->setItem(r, 0, name);
    grid->setItem(
        r, 1, entries < 0 ? new FigureItem(QStringLiteral("?"), qlonglong(-1)) : number(entries));
    grid->setItem(r, 2, number(mastered));
    grid->setItem(r, 3, number(list.drillsFinished));
    grid->setItem(r, 4, number(list.series));
    grid->setItem(r, 5, number(list.answers));
    grid->setItem(r, 6,
                  new FigureItem(fr(FrenchFormat::percent(list.found, list.answers)),
                                 list.answers ? double(list.found) / double(list.answers) : -1.0));
    grid->setItem(r, 7, number(list.answers - list.found));
    grid->setItem(
        r, 8, new FigureItem(fr(FrenchFormat::duration(list.seconds)), qlonglong(list.seconds)));
    grid->setItem(r, 9,
                  new FigureItem(list.lastDrilled ? fr(FrenchFormat::date(list.lastDrilled))
                                                  : QStringLiteral("jamais"),
                                 qlonglong(list.lastDrilled)));
}

std::int64_t ProgressWindow::entriesOf(const catalogue::ListRow& list) const
{
    return ListEntryCount::of(drill::ListLoader::locate(list.path(), dataFolders));
}

void ProgressWindow::showDeck(const study::DeckFigures& deck)
{
    look::setCaption(
        deckFigures,
        QStringLiteral("Tirages à réviser : %1 ; à revoir aujourd'hui : %2 ; "
                       "dans les 7 jours : %3 ; connus : %4")
            .arg(fr(FrenchFormat::number(deck.draws)), fr(FrenchFormat::number(deck.dueToday)),
                 fr(FrenchFormat::number(deck.dueWeek)), fr(FrenchFormat::number(deck.known))));
    look::setCaption(retention,
                     QStringLiteral("Rétention sur 30 jours : %1 (%2 trouvés sur %3 revus) ; "
                                    "souhaitée : %4")
                         .arg(fr(FrenchFormat::percent(deck.foundInReview, deck.reviewed)),
                              fr(FrenchFormat::number(deck.foundInReview)),
                              fr(FrenchFormat::number(deck.reviewed)),
                              fr(FrenchFormat::percent(deck.desiredRetention))));
    std::vector<double> due;
    std::vector<QString> labels;
    const std::int64_t now = record_.now();
    for (std::size_t day = 0; day < deck.duePerDay.size(); ++day) {
        due.push_back(double(deck.duePerDay[day]));
        labels.push_back(day % 7 == 0
                             ? fr(FrenchFormat::date(now + std::int64_t(day) * 86400)).left(5)
                             : QString());
    }
    dueChart->setBars({{QStringLiteral("Tirages à revoir chaque jour"), kDue, due}}, labels,
                      countText);
}

void ProgressWindow::showDays(const std::vector<study::DayFigures>& days)
{
    std::vector<double> answers, found, minutes;
    std::vector<QString> labels;
    std::int64_t weekAnswers = 0, weekFound = 0, weekSeconds = 0, active = 0;
    for (std::size_t k = 0; k < days.size(); ++k) {
        const study::DayFigures& day = days[k];
        answers.push_back(double(day.answers));
        found.push_back(double(day.found));
        minutes.push_back(double(day.seconds) / 60);
        labels.push_back((days.size() - 1 - k) % 15 == 0 ? fr(FrenchFormat::date(day.start)).left(5)
                                                         : QString());
        active += day.answers > 0 ? 1 : 0;
        if (k + 7 >= days.size()) {
            weekAnswers += day.answers;
            weekFound += day.found;
            weekSeconds += day.seconds;
        }
    }
    daysChart->setBars({{QStringLiteral("Réponses"), kAnswers, answers},
                        {QStringLiteral("Trouvées"), kFound, found}},
                       labels, countText);
    daysChart->setLine({QStringLiteral("Temps d'exercice"), kTime, minutes}, minutesText);
    look::setCaption(daysSummary,
                     QStringLiteral("Ces 7 derniers jours : %1 réponses, %2 trouvées, %3 "
                                    "d'exercice. Jours d'exercice sur 90 : %4.")
                         .arg(fr(FrenchFormat::number(weekAnswers)),
                              fr(FrenchFormat::percent(weekFound, weekAnswers)),
                              fr(FrenchFormat::duration(weekSeconds)),
                              fr(FrenchFormat::number(active))));
}

void ProgressWindow::showMissed()
{
    QTableWidget* grid = missedTable;
    grid->setSortingEnabled(false);
    grid->setRowCount(static_cast<int>(missed_.size()));
    for (int r = 0; r < grid->rowCount(); ++r) {
        const study::MissedDraw& draw = missed_[static_cast<std::size_t>(r)];
        const QString shown = fromBytes(draw.draw.draw);
        grid->setItem(r, 0, new FigureItem(shown, shown));
        const QString solutions = fromBytes(draw.draw.solutions);
        grid->setItem(r, 1, new FigureItem(solutions, solutions));
        const QString list = listTitle(draw.draw.list);
        grid->setItem(r, 2, new FigureItem(list, list));
        grid->setItem(
            r, 3, new FigureItem(fr(FrenchFormat::number(draw.missed)), qlonglong(draw.missed)));
        grid->setItem(r, 4,
                      new FigureItem(fr(FrenchFormat::number(draw.seen)), qlonglong(draw.seen)));
        grid->setItem(
            r, 5,
            new FigureItem(fr(FrenchFormat::date(draw.lastMissed)), qlonglong(draw.lastMissed)));
    }
    grid->setSortingEnabled(true);
    reviewButton->setEnabled(reviewConnected_ && !missed_.empty());
}

void ProgressWindow::sortBy(int column)
{
    // Names from A to Z; figures and dates from the largest, the latest.
    listTable->sortByColumn(column, column == 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void ProgressWindow::lancer_Click()
{
    QTableWidget* grid = listTable;
    if (grid->currentRow() < 0)
        return;
    const QVariant row = grid->item(grid->currentRow(), 0)->data(kListRole);
    if (!row.isValid())
        return tell(QStringLiteral("Cette liste n'est plus au catalogue : elle ne peut pas être "
                                   "lancée."),
                    true);
    Q_EMIT startList(reinterpret_cast<const catalogue::ListRow*>(row.value<quintptr>()));
}

void ProgressWindow::reviser_Click()
{
    std::vector<study::DeckDraw> draws;
    for (const study::MissedDraw& draw : missed_)
        draws.push_back(draw.draw);
    if (!draws.empty())
        Q_EMIT reviewDraws(std::move(draws));
}

void ProgressWindow::exporter_Click()
{
    const QString chosen = chooseExportFile ? chooseExportFile() : QString();
    if (chosen.isEmpty())
        return;
    const std::string path = chosen.toStdString();
    QApplication::setOverrideCursor(Qt::WaitCursor);  // a long history takes seconds
    const status::Status written = study::AnswerHistory::write(record_, path);
    QApplication::restoreOverrideCursor();
    if (!written)
        return tell(QStringLiteral("L'historique n'a pas été exporté : %1.").arg(fr(written.why())),
                    true);
    tell(QStringLiteral("Historique des réponses exporté dans « %1 ».")
             .arg(fr(files::shownPath(path))),
         false);
}

void ProgressWindow::fermer_Click()
{
    close();
}

void ProgressWindow::tell(const QString& text, bool warning)
{
    QLabel* said = message;
    said->setText(text);
    said->setToolTip(text);
    look::setForeground(said, warning ? look::Colour::warning : QColor(Qt::black));
    said->show();
}

}  // namespace progress
