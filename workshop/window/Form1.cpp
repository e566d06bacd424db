#include <workshop/window/Form1.h>

#include <look/Look.h>
#include <workshop/ops/AnagramRemoval.h>
#include <workshop/ops/Cleaning.h>
#include <workshop/ops/DrawKeys.h>
#include <workshop/ops/Extensions.h>
#include <workshop/ops/LetterValues.h>
#include <workshop/ops/Splitting.h>
#include <workshop/ops/Transfer.h>
#include <workshop/ops/Trimming.h>
#include <workshop/ops/WordForms.h>
#include <workshop/window/ReportLabel.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>

namespace {

// Where the report line stands, and the band below the lowest buttons where a text too long
// for one line there is laid out instead.
const QPoint reportPlace(look::px(2400), look::px(2040));
constexpr int reportMargin = 8;
constexpr int reportBandTop = look::px(4215) + 4;
constexpr int reportBandLines = 5;

}  // namespace

namespace workshop {

// The controls, in the order they are made (later ones stand above earlier ones), the Tab
// key's walk in the same order. A new operation takes one row here and its handler, written
// below and declared with the others.
const Form1::Controls::Table& Form1::controlTable()
{
    using Row = Controls::Row;
    const look::Style menuOnly = look::Style().hidden();  // the two sorts of the right-click menu
    static const Controls::Table table = {
        Row::label("Label1", "Source").at(840, 120, 510, 195),
        Row::label("Label2", "Destination").at(3360, 120, 795, 195),
        Row::textBox("Text1").at(480, 480, 1215, 375).into(&Form1::source),
        Row::textBox("Text2").at(3120, 480, 1215, 375).into(&Form1::destination),
        Row::thinButton("Command1", "Transférer *  ----------------->")
            .at(1800, 120, 1215, 495)
            .onClick(&Form1::transferMarkedLines),
        // Its top stands just below the report line, so that no border crosses the report text.
        Row::thinButton("Command2", "Quitter")
            .at(3120, 2265, 1215, 390)
            .onClick(&Form1::quitWorkshop),
        Row::thinButton("Command3", "   Ajouter    Tirages")
            .at(1800, 720, 1215, 495)
            .onClick(&Form1::addDraws),
        Row::thinButton("Command4", "Diviser en 5")
            .at(480, 1320, 1215, 255)
            .onClick(&Form1::splitInFive),
        Row::thinButton("Command5", "Diviser en 3")
            .at(480, 2040, 1215, 255)
            .onClick(&Form1::splitInThree),
        Row::thinButton("Command6", "Supprimer Tirages")
            .at(1800, 1320, 1215, 495)
            .onClick(&Form1::removeDraws),
        Row::thinButton("Command7", "Trier par valeurs")
            .at(1920, 2160, 1335, 255)
            .style(menuOnly)
            .onClick(&Form1::sortByValue),
        Row::thinButton("Command8", "supprime doublons")
            .at(360, 3000, 1095, 495)
            .onClick(&Form1::removeRepeatedLines),
        Row::thinButton("Command9", "idem tirages diff")
            .at(1440, 3000, 855, 495)
            .onClick(&Form1::removeSameSolutions),
        Row::thinButton("Command10", "Diviser en 2")
            .at(480, 2400, 1215, 255)
            .onClick(&Form1::splitInTwo),
        Row::thinButton("Command11", "Diviser en 4")
            .at(480, 1680, 1215, 255)
            .onClick(&Form1::splitInFour),
        Row::thinButton("Command12", "tri val LC")
            .at(1920, 2400, 1335, 255)
            .style(menuOnly)
            .onClick(&Form1::sortExpensiveByValue),
        Row::thinButton("Command13", "verbes ER->E")
            .at(2400, 3240, 1215, 255)
            .onClick(&Form1::shortenVerbs),
        Row::thinButton("Command14", "inv col gauche/droite")
            .at(2400, 3000, 1815, 255)
            .onClick(&Form1::swapColumns),
        Row::thinButton("Command15", "supp pluriels")
            .at(360, 3480, 1215, 375)
            .onClick(&Form1::removePlurals),
        // The reference list, made here for its place in the Tab key's walk.
        Row::textBox("Text3").at(480, 840, 1215, 285).into(&Form1::reference),
        Row::thinButton("Command16", "rall arr")
            .at(2520, 3600, 975, 375)
            .onClick(&Form1::backExtensions),
        Row::thinButton("Command17", "rall av")
            .at(1680, 3600, 855, 375)
            .onClick(&Form1::frontExtensions),
        Row::thinButton("Command18", "pelrin").at(3600, 3720, 735, 255).onClick(&Form1::trimLines),
        Row::thinButton("Command19", "pel inv")
            .at(3600, 3960, 735, 255)
            .onClick(&Form1::swapListedHalves),
        Row::thinButton("Command20", "supp anag")
            .at(360, 3840, 1215, 375)
            .onClick(&Form1::removeAnagrams),
        Row::thinButton("Command21", "rall assemblage")
            .at(2040, 3960, 1215, 255)
            .onClick(&Form1::assembleExtensions),
        // The report, laid out by placeReport.
        Row::own("Label3", &Form1::makeReport).at(2400, 2040, 45, 195).into(&Form1::report),
        // The entries of the right-click menu.
        Row::menuEntry("trierValeurs", "Trier par valeurs")
            .into(&Form1::sortByValueEntry)
            .onPick(&Form1::sortByValue),
        Row::menuEntry("triValLC", "tri val LC")
            .into(&Form1::sortExpensiveEntry)
            .onPick(&Form1::sortExpensiveByValue),
    };
    return table;
}

Form1::Form1(QWidget* parent) : QWidget(parent), quitProgram([] { QCoreApplication::quit(); })
{
    // The classic dialog face, through the shared stand-ins (a condensed face, so that every
    // caption is whole on its narrow button), at its 11-pixel size.
    QFont face = look::face(QStringLiteral("MS Sans Serif"), 8.25);
    face.setPixelSize(11);
    look::setUpWindow(this, QStringLiteral("Gestion de fichiers de mots"), face);
    controls.build(controlTable());
    createSortMenu();
    // The design area is 4500 x 2820 twips; eleven buttons lie below it, down to 4215, and
    // the band for long report texts lies below them.
    resize(look::px(4500),
           reportBandTop + reportBandLines * fontMetrics().lineSpacing() + reportMargin);
    source->setFocus();
}

ReportLabel* Form1::makeReport(const Controls::Row& row)
{
    auto* label = new ReportLabel(this);
    look::place(label, row.twips.left(), row.twips.top(), row.twips.width(), row.twips.height());
    return label;
}

QString Form1::pathIn(const QLineEdit* box)
{
    return box->text().trimmed();
}

void Form1::createSortMenu()
{
    sortMenu = new QMenu(this);
    sortMenu->addAction(sortByValueEntry);
    sortMenu->addAction(sortExpensiveEntry);
}

void Form1::contextMenuEvent(QContextMenuEvent* event)
{
    sortMenu->popup(event->globalPos());
}

void Form1::runOperation(const std::function<QString(OperationFrame&)>& work)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const OperationFrame::Outcome outcome = OperationFrame::run(work, frameHooks);
    QApplication::restoreOverrideCursor();
    showReport(outcome.message);
}

void Form1::showReport(const QString& text)
{
    report->setText(text);
    placeReport();
}

// A text that fits on one line stands at the label's place; a longer one is laid out in the
// band below the buttons, across the window's width, with its whole text in a tooltip.
void Form1::placeReport()
{
    const QFontMetrics metrics = report->fontMetrics();
    const int oneLine = metrics.horizontalAdvance(report->text()) + 2;
    const bool wraps = reportPlace.x() + oneLine > width() - reportMargin;
    report->setWraps(wraps);
    report->setToolTip(wraps ? report->text() : QString());
    if (wraps)
        report->setGeometry(reportMargin, reportBandTop, width() - 2 * reportMargin,
                            reportBandLines * metrics.lineSpacing());
    else
        report->setGeometry(QRect(reportPlace, QSize(oneLine, metrics.height())));
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeReport();
}

void Form1::split(int parts, const QString& message)
{
    runOperation([this, parts, message](OperationFrame& frame) {
        auto& lines = frame.source(pathIn(source));
        const auto outputs =
            frame.derivedOutputs(pathIn(source), frame.require(workshop::splitSuffixes(parts)));
        frame.require(workshop::splitLines(lines, outputs));
        return message;
    });
}

void Form1::transferMarkedLines()
{
    sourceToDestination(workshop::transferMarked, QStringLiteral("Lignes * copiees OK"));
}

void Form1::quitWorkshop()
{
    quitProgram();
}

void Form1::addDraws()
{
    sourceToDestination(workshop::addDraws, QStringLiteral("Creation tirages OK"));
}

void Form1::splitInFive()
{
    split(5, QStringLiteral("Division en 5 OK"));
}

void Form1::splitInThree()
{
    split(3, QStringLiteral("Division en 3 OK"));
}

void Form1::removeDraws()
{
    sourceToDestination(workshop::removeDraws, QStringLiteral("Supp tirages OK"));
}

void Form1::sortByValue()
{
    runOperation([this](OperationFrame& frame) {
        auto& lines = frame.source(pathIn(source));
        const auto outputs = frame.derivedOutputs(pathIn(source), workshop::valueSuffixes());
        frame.require(workshop::sortByValue(lines, outputs));
        return QStringLiteral("Tri par valeurs OK");
    });
}

void Form1::removeRepeatedLines()
{
    runOperation([this](OperationFrame& frame) {
        auto& lines = frame.source(pathIn(source));
        auto& written = frame.output(pathIn(destination));
        const int removed = workshop::removeRepeatedLines(lines, written);
        // The count is written with a leading space where a sign would stand.
        return QStringLiteral("Suppression OK ( %1 supp.)").arg(removed);
    });
}

void Form1::removeSameSolutions()
{
    sourceToDestination(workshop::removeSameSolutions, QStringLiteral("Suppression OK"));
}

void Form1::splitInTwo()
{
    split(2, QStringLiteral("Division en 2 OK"));
}

void Form1::splitInFour()
{
    split(4, QStringLiteral("Division en 4 OK"));
}

void Form1::sortExpensiveByValue()
{
    runOperation([this](OperationFrame& frame) {
        auto& lines = frame.source(pathIn(source));
        const auto outputs =
            frame.derivedOutputs(pathIn(source), workshop::expensiveValueSuffixes());
        frame.require(workshop::sortExpensiveByValue(lines, outputs));
        return QStringLiteral("Tri par valeurs OK");
    });
}

void Form1::shortenVerbs()
{
    sourceToDestination(workshop::shortenVerbs, QStringLiteral("Verbes OK"));
}

void Form1::swapColumns()
{
    sourceToDestination(workshop::swapAllColumns, QStringLiteral("Inv OK"));
}

void Form1::removePlurals()
{
    sourceToDestination(workshop::removePlurals, QStringLiteral("pluriels OK"));
}

void Form1::backExtensions()
{
    sourceToDestination(workshop::backExtensions, QStringLiteral("Rallonges OK"));
}

void Form1::frontExtensions()
{
    sourceToDestination(workshop::frontExtensions, QStringLiteral("Rallonges OK"));
}

void Form1::trimLines()
{
    sourceToDestination(workshop::trimLines, QStringLiteral(" OK"));
}

void Form1::swapListedHalves()
{
    sourceToDestination(workshop::swapListedHalves, QStringLiteral(" OK"));
}

void Form1::assembleExtensions()
{
    sourceToDestination(workshop::assembleExtensions, QStringLiteral("Rallonges ass OK"));
}

void Form1::sourceToDestination(Streaming operation, const QString& message)
{
    runOperation([this, operation, message](OperationFrame& frame) {
        auto& lines = frame.source(pathIn(source));
        auto& written = frame.output(pathIn(destination));
        operation(lines, written);
        return message;
    });
}

// The reference list is opened by the operation itself, at its first source line.
void Form1::sourceToDestination(WithReference operation, const QString& message)
{
    runOperation([this, operation, message](OperationFrame& frame) {
        auto& lines = frame.source(pathIn(source));
        auto& written = frame.output(pathIn(destination));
        operation(lines, written, frame.reference(pathIn(reference)));
        return message;
    });
}

void Form1::removeAnagrams()
{
    sourceToDestination(workshop::removeAnagrams, QStringLiteral("anags OK"));
}

}  // namespace workshop
