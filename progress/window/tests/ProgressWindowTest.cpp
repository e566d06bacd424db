// « Mes progrès » on a record the test fills: known answers over known days at a clock the
// test sets, and the figures the window shows of them.
#include <progress/window/BarChart.h>
#include <progress/window/ProgressWindow.h>

#include <catalogue/Catalogue.h>
#include <study/LocalDay.h>
#include <study/ProgressBook.h>
#include <study/StudyRecord.h>
#include <study/tests/LocalZone.h>
#include <testsupport/CurrentFolder.h>
#include <testsupport/TempFolder.h>
#include <testsupport/TestFiles.h>
#include <testsupport/WindowLayout.h>
#include <testsupport/WindowProbe.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

#include <numeric>

Q_DECLARE_METATYPE(std::vector<study::DeckDraw>)
Q_DECLARE_METATYPE(const catalogue::ListRow*)

namespace {

const char* const kFive = "ods6new_5L.txt";  // « 5 lettres »

study::DeckDraw entry(int k)
{
    return {kFive, "TIRA" + std::to_string(k), "SOLU" + std::to_string(k)};
}

// Noon on 9 December 2026, Paris time.
const std::int64_t kToday = 1'796'814'000;

QString nbsp(QString text)
{
    return text.replace(QLatin1Char('_'), QChar(0xA0));
}

}  // namespace

class ProgressWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void theListShowsItsEntriesDrillsAndAnswers();
    void theListsSortByTheColumnChosen();
    void theDeckItsDueDaysAndItsRetention();
    void theDaysChartHoldsEachDaysAnswersAndTime();
    void theDrawsMissedMostAreReviewedAtOnce();
    void lancerStartsTheChosenListAndEscCloses();
    void theExportWritesEveryAnswer();
    void theWindowIsBuiltLikeTheOthers();

private:
    void series(const std::vector<study::SlotAnswer>& answers, const study::SeriesOrigin& origin)
    {
        QVERIFY(record->recordSeries(answers, origin).ok());
    }
    int rowOf(const QString& title) const;
    QString cell(const QString& title, int column) const;

    std::unique_ptr<study::tests::LocalZone> zone;
    std::unique_ptr<testsupport::TempFolder> home;
    std::unique_ptr<testsupport::CurrentFolder> here;
    std::int64_t now = kToday;
    std::unique_ptr<study::StudyRecord> record;
    std::unique_ptr<progress::ProgressWindow> window;
};

// Four days ago a drill of « 5 lettres » (5 entries): 2 found, 3 missed, in 2 min 05 s of
// drill clock, its drill left with 3 entries in play; today the review of the 3, all found.
void ProgressWindowTest::init()
{
    qRegisterMetaType<const catalogue::ListRow*>();
    qRegisterMetaType<std::vector<study::DeckDraw>>();
    zone = std::make_unique<study::tests::LocalZone>("CET-1");
    home = std::make_unique<testsupport::TempFolder>();
    here = std::make_unique<testsupport::CurrentFolder>(home->path());
    home->write(std::string("data/") + kFive,
                {"TIRA0;SOLU0", "TIRA1;SOLU1", "", "TIRA2;SOLU2", "TIRA3;SOLU3", "TIRA4;SOLU4"});
    now = kToday;
    record = std::make_unique<study::StudyRecord>([this] { return now; });
    QVERIFY(record->open(home->file("etude.sqlite")).ok());
    now = study::localDayStartAfter(kToday, -4) + 15 * 3600;
    series({{entry(0), true, 3},
            {entry(1), true, 5},
            {entry(2), false, 20},
            {entry(3), false, 20},
            {entry(4), false, 20}},
           {kFive, 125, false});
    drill::SavedDrill saved;
    saved.listSize = 5;
    saved.entries = {{"TIRA2", "SOLU2"}, {"TIRA3", "SOLU3"}, {"TIRA4", "SOLU4"}};
    saved.successCount = {0, 0, 0};
    study::ProgressBook book(*record);
    QVERIFY(book.saveWhole(kFive, "5 lettres", {"data/ods6new_5L.txt", 60, "00"}, saved).ok());
    now = kToday;
    series({{entry(2), true, 6}, {entry(3), true, 6}, {entry(4), true, 6}}, {});
    window = std::make_unique<progress::ProgressWindow>(*record);
    window->show();
}

void ProgressWindowTest::cleanup()
{
    window.reset();
    record.reset();
    here.reset();
    home.reset();
    zone.reset();
}

int ProgressWindowTest::rowOf(const QString& title) const
{
    auto* lists = testsupport::WindowProbe(*window).get<QTableWidget>(QStringLiteral("listes"));
    for (int r = 0; r < lists->rowCount(); ++r)
        if (lists->item(r, 0)->text() == title)
            return r;
    return -1;
}

QString ProgressWindowTest::cell(const QString& title, int column) const
{
    auto* lists = testsupport::WindowProbe(*window).get<QTableWidget>(QStringLiteral("listes"));
    const int r = rowOf(title);
    return r < 0 ? QStringLiteral("<no row>") : lists->item(r, column)->text();
}

void ProgressWindowTest::theListShowsItsEntriesDrillsAndAnswers()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Mes progrès"));
    const QString five = QStringLiteral("5 lettres");
    struct Row {
        int column;
        QString shown;
    };
    const Row rows[] = {
        {1, QStringLiteral("5")},           // entries, counted in the list file
        {2, QStringLiteral("2")},           // eliminated in the drill under way
        {3, QStringLiteral("0")},           // drills finished
        {4, QStringLiteral("1")},           // series
        {5, QStringLiteral("8")},           // answers: the drill's 5 and the review's 3
        {6, nbsp("62,5_%")},                // found: 5 of 8
        {7, QStringLiteral("3")},           // errors
        {8, nbsp("2_min")},                 // the drill clock
        {9, QStringLiteral("05/12/2026")},  // last drilled, four days ago
    };
    for (const Row& row : rows)
        QCOMPARE(cell(five, row.column), row.shown);
    // Untouched lists are there too, with what their files hold and nothing done.
    QCOMPARE(cell(QStringLiteral("7 lettres"), 1), QStringLiteral("?"));
    QCOMPARE(cell(QStringLiteral("7 lettres"), 9), QStringLiteral("jamais"));
    QCOMPARE(cell(QStringLiteral("7 lettres"), 6), QStringLiteral("—"));
    auto* lists = testsupport::WindowProbe(*window).get<QTableWidget>(QStringLiteral("listes"));
    QCOMPARE(lists->rowCount(), int(catalogue::Catalogue::rows().size()));
}

void ProgressWindowTest::theListsSortByTheColumnChosen()
{
    const testsupport::WindowProbe probe(*window);
    auto* lists = probe.get<QTableWidget>(QStringLiteral("listes"));
    auto* sorter = probe.get<QComboBox>(QStringLiteral("tri"));
    QCOMPARE(lists->item(0, 0)->text(), QStringLiteral("2 à 4 lettres"));  // the catalogue's order
    sorter->setFocus();
    QTest::keyClick(sorter, Qt::Key_Down);  // by entries, from the largest: the only file there
    QCOMPARE(lists->item(0, 0)->text(), QStringLiteral("5 lettres"));
    QCOMPARE(lists->item(0, 1)->text(), QStringLiteral("5"));
    for (int k = 0; k < 8; ++k)  // down to the last, by the day last drilled
        QTest::keyClick(sorter, Qt::Key_Down);
    QCOMPARE(sorter->currentIndex(), 9);
    QCOMPARE(lists->item(0, 9)->text(), QStringLiteral("05/12/2026"));
    QCOMPARE(lists->item(1, 9)->text(), QStringLiteral("jamais"));
    QTest::keyClick(sorter, Qt::Key_Home);  // by name, from A to Z: « 2 à 4 » before « 2 à 9 »
    QCOMPARE(lists->item(0, 0)->text(), QStringLiteral("2 à 4 lettres"));
    QVERIFY(rowOf(QStringLiteral("2 à 9 lettres")) < rowOf(QStringLiteral("5 lettres")));
}

void ProgressWindowTest::theDeckItsDueDaysAndItsRetention()
{
    const testsupport::WindowProbe probe(*window);
    QCOMPARE(probe.label(QStringLiteral("revisions"))->text(),
             QStringLiteral("Tirages à réviser : 3 ; à revoir aujourd'hui : 0 ; dans les 7 "
                            "jours : 3 ; connus : 0"));
    QCOMPARE(probe.label(QStringLiteral("retention"))->text(),
             nbsp("Rétention sur 30 jours : 100_% (3 trouvés sur 3 revus) ; souhaitée : 90_%"));
    auto* due = probe.get<progress::BarChart>(QStringLiteral("echeances"));
    QCOMPARE(due->series().size(), std::size_t(1));
    const std::vector<double>& bars = due->series()[0].values;
    QCOMPARE(bars.size(), std::size_t(30));
    // Each bar: what the record says is due that day, the clock moved on, nothing reviewed.
    std::int64_t dueBefore = 0;
    for (int day = 0; day < 30; ++day) {
        now = study::localDayStartAfter(kToday, day) + 12 * 3600;
        const std::int64_t dueNow = record->dueCounts()->today;
        QCOMPARE(bars[std::size_t(day)], double(dueNow - dueBefore));
        dueBefore = dueNow;
    }
    now = kToday;
    QCOMPARE(bars[0], 0.0);
    QCOMPARE(std::accumulate(bars.begin(), bars.end(), 0.0), 3.0);
    QCOMPARE(due->labels()[0], QStringLiteral("09/12"));
    QCOMPARE(due->labels()[7], QStringLiteral("16/12"));
}

void ProgressWindowTest::theDaysChartHoldsEachDaysAnswersAndTime()
{
    const testsupport::WindowProbe probe(*window);
    auto* days = probe.get<progress::BarChart>(QStringLiteral("jours"));
    QCOMPARE(days->series().size(), std::size_t(2));
    const std::vector<double>& answers = days->series()[0].values;
    const std::vector<double>& found = days->series()[1].values;
    QCOMPARE(answers.size(), std::size_t(90));
    QCOMPARE(answers[89], 3.0);
    QCOMPARE(found[89], 3.0);
    QCOMPARE(answers[85], 5.0);
    QCOMPARE(found[85], 2.0);
    QCOMPARE(std::accumulate(answers.begin(), answers.end(), 0.0), 8.0);
    QCOMPARE(days->line().values[85], 125.0 / 60);
    QCOMPARE(days->line().values[89], 18.0 / 60);  // the review's slots' seconds
    QCOMPARE(days->labels()[89], QStringLiteral("09/12"));
    QCOMPARE(probe.label(QStringLiteral("resumeJours"))->text(),
             nbsp("Ces 7 derniers jours : 8 réponses, 62,5_% trouvées, 2_min d'exercice. Jours "
                  "d'exercice sur 90 : 2."));
}

void ProgressWindowTest::theDrawsMissedMostAreReviewedAtOnce()
{
    const testsupport::WindowProbe probe(*window);
    auto* missed = probe.get<QTableWidget>(QStringLiteral("rates"));
    QCOMPARE(missed->rowCount(), 3);
    for (int r = 0; r < 3; ++r) {
        QCOMPARE(missed->item(r, 0)->text().left(4), QStringLiteral("TIRA"));
        QCOMPARE(missed->item(r, 2)->text(), QStringLiteral("5 lettres"));
        QCOMPARE(missed->item(r, 3)->text(), QStringLiteral("1"));
        QCOMPARE(missed->item(r, 4)->text(), QStringLiteral("2"));
        QCOMPARE(missed->item(r, 5)->text(), QStringLiteral("05/12/2026"));
    }
    QSignalSpy review(window.get(), &progress::ProgressWindow::reviewDraws);
    QPushButton* reviser = probe.button(QStringLiteral("reviser"));
    reviser->setFocus();
    QTest::keyClick(reviser, Qt::Key_Return);
    QCOMPARE(review.count(), 1);
    const auto draws = review.at(0).at(0).value<std::vector<study::DeckDraw>>();
    QCOMPARE(draws.size(), std::size_t(3));
    for (int k = 2; k <= 4; ++k)
        QVERIFY(std::find(draws.begin(), draws.end(), entry(k)) != draws.end());
}

void ProgressWindowTest::lancerStartsTheChosenListAndEscCloses()
{
    const testsupport::WindowProbe probe(*window);
    auto* lists = probe.get<QTableWidget>(QStringLiteral("listes"));
    QSignalSpy start(window.get(), &progress::ProgressWindow::startList);
    lists->setFocus();
    lists->setCurrentCell(rowOf(QStringLiteral("5 lettres")), 0);
    QTest::keyClick(lists, Qt::Key_Return);
    QCOMPARE(start.count(), 1);
    const auto* row = start.at(0).at(0).value<const catalogue::ListRow*>();
    QVERIFY(row);
    QCOMPARE(row->fileName, std::string(kFive));
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QVERIFY(!window->isVisible());
}

void ProgressWindowTest::theExportWritesEveryAnswer()
{
    const std::string path = home->file("historique.csv");
    window->chooseExportFile = [&] { return QString::fromStdString(path); };
    testsupport::WindowProbe(*window).button(QStringLiteral("exporter"))->click();
    const std::string text = testsupport::readBytes(path);
    QCOMPARE(std::count(text.begin(), text.end(), '\n'), std::ptrdiff_t(9));
    QCOMPARE(std::count(text.begin(), text.end(), ';'), std::ptrdiff_t(9 * 7));
    QVERIFY(testsupport::WindowProbe(*window)
                .label(QStringLiteral("message"))
                ->text()
                .startsWith(QStringLiteral("Historique des réponses exporté dans")));
}

void ProgressWindowTest::theWindowIsBuiltLikeTheOthers()
{
    using testsupport::WindowLayout;
    const QStringList outside = WindowLayout::outside(*window);
    QVERIFY2(outside.isEmpty(), qPrintable(outside.join(", ")));
    const QStringList overlaps = WindowLayout::overlaps(*window, {});
    QVERIFY2(overlaps.isEmpty(), qPrintable(overlaps.join(", ")));
    QCOMPARE(WindowLayout::withoutTabIndex(*window), QStringList());
    QCOMPARE(WindowLayout::tabWalk(*window), WindowLayout::byTabIndex(*window));
}

QTEST_MAIN(ProgressWindowTest)
#include "ProgressWindowTest.moc"
