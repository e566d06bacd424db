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
#include <workshop/window/StatusLabel.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>

namespace {

// Where the status label stands, and the band below the lowest buttons where a text too long
// for one line there is laid out instead.
const QPoint statusPlace(look::px(2400), look::px(2040));
constexpr int statusMargin = 8;
constexpr int statusBandTop = look::px(4215) + 4;
constexpr int statusBandLines = 5;

}  // namespace

namespace workshop {

// The controls, in the order they are made. A new operation takes one row here and its
// handler, written below and declared with the others.
const Form1::Controls::Table& Form1::controlTable()
{
    using K = look::Kind;
    const look::Style menuOnly = look::Style().hidden();  // the two sorts of the right-click menu
    // clang-format off
    static const Controls::Table table = {
        {"Label1", K::label, "Source", {840, 120, 510, 195}, -1, nullptr},
        {"Label2", K::label, "Destination", {3360, 120, 795, 195}, -1, nullptr},
        {"Text1", K::textBox, "", {480, 480, 1215, 375}, 0, nullptr},  // the source
        {"Text2", K::textBox, "", {3120, 480, 1215, 375}, 1, nullptr},  // the destination
        {"Text3", K::textBox, "", {480, 840, 1215, 285}, 17, nullptr},  // the reference list
        {"Command1", K::thinButton, "Transférer *  ----------------->", {1800, 120, 1215, 495}, 2, &Form1::Command1_Click},
        // Its top stands just below the status line, so that no border crosses the status text.
        {"Command2", K::thinButton, "Quitter", {3120, 2265, 1215, 390}, 3, &Form1::Command2_Click},
        {"Command3", K::thinButton, "   Ajouter    Tirages", {1800, 720, 1215, 495}, 4, &Form1::Command3_Click},
        {"Command4", K::thinButton, "Diviser en 5", {480, 1320, 1215, 255}, 5, &Form1::Command4_Click},
        {"Command5", K::thinButton, "Diviser en 3", {480, 2040, 1215, 255}, 6, &Form1::Command5_Click},
        {"Command6", K::thinButton, "Supprimer Tirages", {1800, 1320, 1215, 495}, 7, &Form1::Command6_Click},
        {"Command7", K::thinButton, "Trier par valeurs", {1920, 2160, 1335, 255}, 8, &Form1::Command7_Click, menuOnly},
        {"Command8", K::thinButton, "supprime doublons", {360, 3000, 1095, 495}, 9, &Form1::Command8_Click},
        {"Command9", K::thinButton, "idem tirages diff", {1440, 3000, 855, 495}, 10, &Form1::Command9_Click},
        {"Command10", K::thinButton, "Diviser en 2", {480, 2400, 1215, 255}, 11, &Form1::Command10_Click},
        {"Command11", K::thinButton, "Diviser en 4", {480, 1680, 1215, 255}, 12, &Form1::Command11_Click},
        {"Command12", K::thinButton, "tri val LC", {1920, 2400, 1335, 255}, 13, &Form1::Command12_Click, menuOnly},
        {"Command13", K::thinButton, "verbes ER->E", {2400, 3240, 1215, 255}, 14, &Form1::Command13_Click},
        {"Command14", K::thinButton, "inv col gauche/droite", {2400, 3000, 1815, 255}, 15, &Form1::Command14_Click},
        {"Command15", K::thinButton, "supp pluriels", {360, 3480, 1215, 375}, 16, &Form1::Command15_Click},
        {"Command16", K::thinButton, "rall arr", {2520, 3600, 975, 375}, 18, &Form1::Command16_Click},
        {"Command17", K::thinButton, "rall av", {1680, 3600, 855, 375}, 19, &Form1::Command17_Click},
        {"Command18", K::thinButton, "pelrin", {3600, 3720, 735, 255}, 20, &Form1::Command18_Click},
        {"Command19", K::thinButton, "pel inv", {3600, 3960, 735, 255}, 21, &Form1::Command19_Click},
        {"Command20", K::thinButton, "supp anag", {360, 3840, 1215, 375}, 22, &Form1::Command20_Click},
        {"Command21", K::thinButton, "rall assemblage", {2040, 3960, 1215, 255}, 23, &Form1::Command21_Click},
        {"Label3", K::own, "", {2400, 2040, 45, 195}, -1, nullptr},  // the status, laid out by placeStatus
        // The entries of the right-click menu.
        {"trierValeurs", K::menuEntry, "Trier par valeurs", {}, -1, &Form1::Command7_Click},
        {"triValLC", K::menuEntry, "tri val LC", {}, -1, &Form1::Command12_Click},
    };
    // clang-format on
    return table;
}

Form1::Form1(QWidget* parent) : QWidget(parent), quitProgram([] { QCoreApplication::quit(); })
{
    // The classic dialog face, through the shared stand-ins (a condensed face, so that every
    // caption is whole on its narrow button), at its 11-pixel size.
    QFont face = look::face(QStringLiteral("MS Sans Serif"), 8.25);
    face.setPixelSize(11);
    look::setUpWindow(this, QStringLiteral("Gestion de fichiers de mots"), face);
    controls.build(controlTable(), [this](const Controls::Row& row) {
        status = new StatusLabel(this);
        look::place(status, row.twips.left(), row.twips.top(), row.twips.width(),
                    row.twips.height());
        return status;
    });
    createSortMenu();
    // The design area is 4500 x 2820 twips; eleven buttons lie below it, down to 4215, and
    // the band for long status texts lies below them.
    resize(look::px(4500),
           statusBandTop + statusBandLines * fontMetrics().lineSpacing() + statusMargin);
    controls.get<QLineEdit>("Text1")->setFocus();
}

QString Form1::pathIn(const char* name) const
{
    return controls.get<QLineEdit>(name)->text().trimmed();
}

void Form1::createSortMenu()
{
    sortMenu = new QMenu(this);
    sortMenu->addAction(controls.get<QAction>("trierValeurs"));
    sortMenu->addAction(controls.get<QAction>("triValLC"));
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
    showStatus(outcome.message);
}

void Form1::showStatus(const QString& text)
{
    status->setText(text);
    placeStatus();
}

// A text that fits on one line stands at the label's place; a longer one is laid out in the
// band below the buttons, across the window's width, with its whole text in a tooltip.
void Form1::placeStatus()
{
    const QFontMetrics metrics = status->fontMetrics();
    const int oneLine = metrics.horizontalAdvance(status->text()) + 2;
    const bool wraps = statusPlace.x() + oneLine > width() - statusMargin;
    status->setWraps(wraps);
    status->setToolTip(wraps ? status->text() : QString());
    if (wraps)
        status->setGeometry(statusMargin, statusBandTop, width() - 2 * statusMargin,
                            statusBandLines * metrics.lineSpacing());
    else
        status->setGeometry(QRect(statusPlace, QSize(oneLine, metrics.height())));
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeStatus();
}

void Form1::split(int parts, const QString& message)
{
    runOperation([this, parts, message](OperationFrame& frame) {
        auto& source = frame.source(pathIn("Text1"));
        const auto outputs =
            frame.derivedOutputs(pathIn("Text1"), frame.require(workshop::splitSuffixes(parts)));
        frame.require(workshop::splitLines(source, outputs));
        return message;
    });
}

void Form1::Command1_Click()
{
    sourceToDestination(workshop::transferMarked, QStringLiteral("Lignes * copiees OK"));
}

void Form1::Command2_Click()
{
    quitProgram();
}

void Form1::Command3_Click()
{
    sourceToDestination(workshop::addDraws, QStringLiteral("Creation tirages OK"));
}

void Form1::Command4_Click()
{
    split(5, QStringLiteral("Division en 5 OK"));
}

void Form1::Command5_Click()
{
    split(3, QStringLiteral("Division en 3 OK"));
}

void Form1::Command6_Click()
{
    sourceToDestination(workshop::removeDraws, QStringLiteral("Supp tirages OK"));
}

void Form1::Command7_Click()
{
    runOperation([this](OperationFrame& frame) {
        auto& source = frame.source(pathIn("Text1"));
        const auto outputs = frame.derivedOutputs(pathIn("Text1"), workshop::valueSuffixes());
        workshop::sortByValue(source, outputs);
        return QStringLiteral("Tri par valeurs OK");
    });
}

void Form1::Command8_Click()
{
    runOperation([this](OperationFrame& frame) {
        auto& source = frame.source(pathIn("Text1"));
        auto& destination = frame.output(pathIn("Text2"));
        const int removed = workshop::removeRepeatedLines(source, destination);
        // The count is written with a leading space where a sign would stand.
        return QStringLiteral("Suppression OK ( %1 supp.)").arg(removed);
    });
}

void Form1::Command9_Click()
{
    sourceToDestination(workshop::removeSameSolutions, QStringLiteral("Suppression OK"));
}

void Form1::Command10_Click()
{
    split(2, QStringLiteral("Division en 2 OK"));
}

void Form1::Command11_Click()
{
    split(4, QStringLiteral("Division en 4 OK"));
}

void Form1::Command12_Click()
{
    runOperation([this](OperationFrame& frame) {
        auto& source = frame.source(pathIn("Text1"));
        const auto outputs =
            frame.derivedOutputs(pathIn("Text1"), workshop::expensiveValueSuffixes());
        workshop::sortExpensiveByValue(source, outputs);
        return QStringLiteral("Tri par valeurs OK");
    });
}

void Form1::Command13_Click()
{
    sourceToDestination(workshop::shortenVerbs, QStringLiteral("Verbes OK"));
}

void Form1::Command14_Click()
{
    sourceToDestination(workshop::swapAllColumns, QStringLiteral("Inv OK"));
}

void Form1::Command15_Click()
{
    sourceToDestination(workshop::removePlurals, QStringLiteral("pluriels OK"));
}

void Form1::Command16_Click()
{
    sourceToDestination(workshop::backExtensions, QStringLiteral("Rallonges OK"));
}

void Form1::Command17_Click()
{
    sourceToDestination(workshop::frontExtensions, QStringLiteral("Rallonges OK"));
}

void Form1::Command18_Click()
{
    sourceToDestination(workshop::trimLines, QStringLiteral(" OK"));
}

void Form1::Command19_Click()
{
    sourceToDestination(workshop::swapListedHalves, QStringLiteral(" OK"));
}

void Form1::Command21_Click()
{
    sourceToDestination(workshop::assembleExtensions, QStringLiteral("Rallonges ass OK"));
}

void Form1::sourceToDestination(Streaming operation, const QString& message)
{
    runOperation([this, operation, message](OperationFrame& frame) {
        auto& source = frame.source(pathIn("Text1"));
        auto& destination = frame.output(pathIn("Text2"));
        operation(source, destination);
        return message;
    });
}

// The reference list is opened by the operation itself, at its first source line.
void Form1::sourceToDestination(WithReference operation, const QString& message)
{
    runOperation([this, operation, message](OperationFrame& frame) {
        auto& source = frame.source(pathIn("Text1"));
        auto& destination = frame.output(pathIn("Text2"));
        operation(source, destination, frame.reference(pathIn("Text3")));
        return message;
    });
}

void Form1::Command20_Click()
{
    sourceToDestination(workshop::removeAnagrams, QStringLiteral("anags OK"));
}

}  // namespace workshop
