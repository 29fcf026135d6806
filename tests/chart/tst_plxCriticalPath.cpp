// Critical path: hand-worked plans, long chains, marks on the chart, and
// random plans and documents compared with the reference procedure.
#include "plxCalendarOracle.h"
#include "plxCriticalPath.h"
#include "plxCriticalPathOracle.h"
#include "plxDocumentCalendar.h"
#include "plxDocumentFixture.h"
#include "plxPlatform.h"
#include "plxTaskBar.h"

#include <QtTest>

#include <random>

namespace {

// Monday 26 Aug 2024.
const TDateTime kMonday = PLXEncodeDate(2024, 8, 26);

enum { FF = 0, FS = 1, SF = 2, SS = 3 };

using TPlanTask = std::pair<TDateTime, double>; // start, working days

// Fills a task the way a task bar derives its dates from start and working-time duration.
TPLXCriticalPathTask makeTask(IPLXCalendar &calendar, TDateTime start, double duration)
{
    const TDateTime end = calendar.addEffective(start, duration, false);
    return {start, end, calendar.findFirstEffective(start), end, duration};
}

TPLXCriticalPathPlan makePlan(IPLXCalendar &calendar, const QList<TPlanTask> &tasks,
                              const QList<TPLXCriticalPathLink> &links)
{
    TPLXCriticalPathPlan plan{{}, {links.begin(), links.end()}};
    for (const auto &[start, duration] : tasks)
        plan.tasks.push_back(makeTask(calendar, start, duration));
    return plan;
}

struct TRun
{
    TPLXCriticalPathResult result;
    QStringList log;
    auto critical() const { return std::pair(result.criticalTasks, result.criticalLinks); }
};

// Solves with the calculator, or with the reference procedure, recording the log lines.
TRun solve(const TPLXCriticalPathPlan &plan, IPLXCalendar &calendar, bool reference = false)
{
    TPLXRecordingScope scope;
    TPLXCriticalPathResult result = reference ? TPLXCriticalPathOracle(plan, calendar).refresh()
                                              : TPLXCriticalPathCalculator::solve(plan, calendar);
    return {std::move(result), scope.recorder().logLines()};
}

// The first part in which two results differ, empty when they agree exactly.
QString difference(const TRun &a, const TRun &b)
{
    const TPLXCriticalPathResult &x = a.result, &y = b.result;
    const QList<bool> same{x.ESTime == y.ESTime,
                           x.LFTime == y.LFTime,
                           x.LBTime == y.LBTime,
                           x.GBTime == y.GBTime,
                           x.criticalTasks == y.criticalTasks,
                           x.criticalLinks == y.criticalLinks,
                           x.projectStart == y.projectStart && x.projectEnd == y.projectEnd,
                           a.log == b.log};
    const QStringList names{"EST",           "LFT",      "LBT", "GBT", "critical tasks", "critical links",
                            "project range", "log lines"};
    return same.contains(false) ? names[same.indexOf(false)] : QString();
}

// Runs both and demands the same results; returns the calculator's.
TRun checkedRun(const TPLXCriticalPathPlan &plan, IPLXCalendar &calendar)
{
    TRun product = solve(plan, calendar);
    const QString d = difference(product, solve(plan, calendar, true));
    if (!d.isEmpty())
        QTest::qFail(qPrintable(QStringLiteral("differs from the reference: ") + d), __FILE__, __LINE__);
    return product;
}

std::unique_ptr<TPLXDocumentCalendar> holidayCalendar()
{
    auto calendar = plxtest::weekendCalendar();
    auto days = std::make_unique<TPLXHolidaysDateCategory>();
    for (const int offset : {3, 8, 9, 17, 24, 30, 31, 38, 45, 52, 60, 71})
        days->addDate(std::make_unique<TPLXFixedDateException>(kMonday + offset, QStringLiteral("off")));
    // Half a day off too, so working time is not always whole days.
    days->addDate(std::make_unique<TPLXFixedDateException>(kMonday + 15.5, kMonday + 16, QStringLiteral("half")));
    calendar->addDateCategory(std::move(days));
    return calendar;
}

// A document with a holiday calendar and a table, which comes with its own calculator.
struct TChart
{
    TPLXGanttDocument doc;
    TPLXGanttTable *table = nullptr;
    TPLXDocumentCalendar *calendar = nullptr;

    TChart()
    {
        auto cal = holidayCalendar();
        cal->setParent(&doc);
        doc.setCalendar(calendar = cal.release());
        auto t = std::make_unique<TPLXGanttTable>();
        t->setParent(&doc);
        doc.setTable(table = t.release());
    }

    TPLXCriticalPathCalculator &calculator() { return *table->criticalPathCalculator(); }

    // Hands the bar to row `row`, appending rows up to it.
    template<class TBar>
    TBar *place(int row, std::unique_ptr<TBar> bar)
    {
        while (table->countRows() <= row)
            table->appendRow();
        table->getRow(row)->AddBar(bar.get());
        return bar.release();
    }

    TPLXTaskBar *task(int row, TDateTime start, double duration)
    {
        auto bar = std::make_unique<TPLXTaskBar>(start, start, row);
        bar->setEffectiveDuration(duration);
        return place(row, std::move(bar));
    }

    // A bar of another kind, which takes no part in the calculation.
    TPLXGanttBar *other(int row, TDateTime at) { return place(row, std::make_unique<TPLXFakeBar>(at, at + 1, row)); }

    TPLXBarConnection *connect(TPLXGanttBar *from, TPLXGanttBar *to, int type, int distance)
    {
        auto c = std::make_unique<TPLXBarConnection>(from, to, type, &doc);
        c->setMinDistance(distance);
        doc.addConnection(c.get());
        return c.release();
    }

    // The task bars in table order, read through the public entity interface.
    QList<TPLXTaskBar *> taskBars() const
    {
        QList<TPLXTaskBar *> bars;
        for (TPLXGanttRow *row : table->rows())
            for (TPLXGanttBar *bar : row->bars())
                if (auto *task = dynamic_cast<TPLXTaskBar *>(bar))
                    bars.append(task);
        return bars;
    }

    // The plan the reference procedure works on, taken from the entities.
    TPLXCriticalPathPlan plan() const
    {
        const QList<TPLXTaskBar *> bars = taskBars();
        TPLXCriticalPathPlan out;
        for (TPLXTaskBar *bar : bars)
            out.tasks.push_back({bar->getStartDate(), bar->getEndDate(), bar->effectiveStart(), bar->effectiveEnd(),
                                 bar->getEffectiveDuration()});
        auto index = [&](TPLXGanttBar *bar) { return int(bars.indexOf(dynamic_cast<TPLXTaskBar *>(bar))); };
        for (int k = 0; k < doc.countConnections(); ++k) {
            TPLXBarConnection *c = doc.getConnection(k);
            out.links.push_back({index(c->getFromBar()), index(c->getToBar()), c->getConnType(), c->getMinDistance()});
        }
        return out;
    }
};

// What the chart shows (bar times, critical lists as indices, range and `log`) against the
// reference's result for its plan; first, every bar and connection must be marked exactly
// when its calculator lists it.
QString chartDifference(TChart &chart, const QStringList &log)
{
    const QList<TPLXTaskBar *> bars = chart.taskBars();
    const TPLXCriticalPathCalculator &calculator = chart.calculator();
    TRun shown{{}, log};
    for (TPLXTaskBar *bar : bars) {
        shown.result.ESTime.push_back(bar->getESTime());
        shown.result.LFTime.push_back(bar->getLFTime());
        shown.result.LBTime.push_back(bar->getLBTime());
        shown.result.GBTime.push_back(bar->getGBTime());
        if (bar->getCriticalElement() != calculator.criticalBars().contains(bar))
            return QStringLiteral("mark of bar %1").arg(bars.indexOf(bar));
    }
    for (int k = 0; k < chart.doc.countConnections(); ++k)
        if (chart.doc.getConnection(k)->getCriticalElement() !=
            calculator.criticalConnections().contains(chart.doc.getConnection(k)))
            return QStringLiteral("mark of connection %1").arg(k);
    for (TPLXTaskBar *bar : calculator.criticalBars())
        shown.result.criticalTasks.push_back(int(bars.indexOf(bar)));
    for (TPLXBarConnection *c : calculator.criticalConnections())
        shown.result.criticalLinks.push_back(chart.doc.getConnectionIndex(c));
    shown.result.projectStart = calculator.projectStart();
    shown.result.projectEnd = calculator.projectEnd();
    return difference(shown, solve(chart.plan(), *chart.calendar, true));
}

} // namespace

class tst_plxCriticalPath : public QObject
{
    Q_OBJECT

    const std::unique_ptr<TPLXDocumentCalendar> plain = std::make_unique<TPLXDocumentCalendar>();
    const std::unique_ptr<TPLXDocumentCalendar> weekends = plxtest::weekendCalendar();
    const std::unique_ptr<TPLXDocumentCalendar> holidays = holidayCalendar();

private slots:
    void weekendsInBuffersAndChains()
    {
        // 8 working days from Monday take up to Wednesday of the next week; a loose 1-day task beside it.
        TRun run = checkedRun(makePlan(*weekends, {{kMonday, 8}, {kMonday, 1}}, {}), *weekends);
        const TDateTime end = kMonday + 10;
        QCOMPARE(std::pair(run.result.projectStart, run.result.projectEnd), std::pair(kMonday, end));
        QCOMPARE(std::pair(run.result.ESTime[0], run.result.LFTime[0]), std::pair(kMonday, end));
        // The loose task's buffers count calendar days, the weekend included.
        QCOMPARE(run.result.GBTime, (std::vector<TDateTime>{0, end - (kMonday + 1)}));
        QCOMPARE(run.result.LBTime, run.result.GBTime);
        QCOMPARE(run.result.criticalTasks, std::vector<int>{0});
        // A: Wednesday for 3 working days ends Saturday 00:00 (the end of Friday's
        // work); B starts right there and runs 2 working days into the next week.
        const TDateTime aEnd = kMonday + 5;
        run = checkedRun(makePlan(*weekends, {{kMonday + 2, 3}, {aEnd, 2}}, {{0, 1, FS, 0}}), *weekends);
        QCOMPARE(run.critical(), std::pair(std::vector{0, 1}, std::vector{0}));
        QCOMPARE(run.result.LBTime[0], 0.0);
        // B's earliest start moves over the weekend to Monday; A's latest finish, at the end of
        // the weekend, moves back to its start.
        QCOMPARE(std::pair(run.result.ESTime[1], run.result.LFTime[1]), std::pair(kMonday + 7, kMonday + 9));
        QCOMPARE(run.result.LFTime[0], kMonday + 5);
    }

    void longChainNeedsNoRecursion()
    {
        // 100,000 dependent tasks, closed into one cycle by a connection back to the
        // first, entered from one more task: both the straight and the cyclic search
        // must run on their own stack.
        const int n = 100000;
        TPLXCriticalPathPlan plan;
        plan.tasks.assign(size_t(n) + 1, makeTask(*plain, kMonday, 1));
        for (int i = 0; i + 1 < n; ++i)
            plan.links.push_back({i, i + 1, FS, 0});
        TRun run = solve(plan, *plain);
        QCOMPARE(std::pair(run.result.ESTime[n - 1], run.result.LFTime[0]),
                 std::pair(kMonday + n - 1, kMonday + 1 - (n - 1)));
        plan.links.insert(plan.links.end(), {{n - 1, 0, FS, 0}, {n, 0, SS, 0}});
        run = solve(plan, *plain);
        QCOMPARE(std::pair(run.result.ESTime[n - 1], run.result.ESTime[n]), std::pair(kMonday + n - 1, kMonday));
    }

    void randomPlansMatchReference()
    {
        std::mt19937 rng(20261205);
        IPLXCalendar *calendars[] = {plain.get(), weekends.get(), holidays.get()};
        const double durations[] = {0.25, 0.5, 1, 1, 1.5, 2, 2, 2.5, 3, 4, 5, 7, 10};
        // Far distances put offsets beyond any table the calculator keeps by day.
        const int distances[] = {-3, -1, 0, 0, 0, 0, 1, 2, 5, 9000};
        auto pick = [&](int n) { return int(rng() % unsigned(n)); };
        int withCycles = 0, withCritical = 0;
        for (int round = 0; round < 2000; ++round) {
            IPLXCalendar &calendar = *calendars[round % 3];
            const int n = round % 50 == 0 ? 0 : 1 + pick(60);
            TPLXCriticalPathPlan plan;
            for (int i = 0; i < n; ++i) {
                const TDateTime start = kMonday + pick(40) + (pick(4) == 0 ? 0.5 : 0.0);
                plan.tasks.push_back(makeTask(calendar, start, durations[pick(13)]));
            }
            // Sparse plans mostly, some dense ones; a few connections to non-task
            // bars, to the task itself, and repeated pairs.
            const int m = n == 0 ? pick(3) : pick(round % 7 == 0 ? 3 * n : n + n / 2 + 1);
            for (int k = 0; k < m; ++k) {
                TPLXCriticalPathLink l;
                if (k > 0 && pick(10) == 0) {
                    l = plan.links[size_t(pick(k))];
                } else {
                    l.from = n == 0 || pick(25) == 0 ? -1 : pick(n);
                    l.to = n == 0 || pick(25) == 0 ? -1 : (pick(30) == 0 ? l.from : pick(n));
                }
                l.connType = pick(4);
                l.minDistance = distances[pick(10)];
                plan.links.push_back(l);
            }
            const TRun product = solve(plan, calendar);
            const QString d = difference(product, solve(plan, calendar, true));
            QVERIFY2(d.isEmpty(), qPrintable(QStringLiteral("plan %1 (%2 tasks): %3").arg(round).arg(n).arg(d)));
            // Count what the plans exercised, so a generator that stops producing cycles or critical paths is noticed.
            bool cyclic = false;
            for (const auto &l : plan.links)
                for (const auto &r : plan.links)
                    cyclic = cyclic || (l.from >= 0 && l.from != l.to && l.from == r.to && l.to == r.from);
            withCycles += cyclic;
            withCritical += !product.result.criticalLinks.empty();
        }
        QVERIFY2(withCycles > 200, qPrintable(QString::number(withCycles)));
        QVERIFY2(withCritical > 100, qPrintable(QString::number(withCritical)));
    }

    void marksFollowEditsUnlessUpdatesAreOff()
    {
        TChart chart;
        TPLXTaskBar *a = chart.task(0, kMonday, 2);
        TPLXTaskBar *b = chart.task(1, kMonday + 2, 2);
        TPLXBarConnection *ab = chart.connect(a, b, FS, 0); // the document refreshes the path
        QVERIFY(a->getCriticalElement() && b->getCriticalElement() && ab->getCriticalElement());
        // With updates off, a longer loose task changes nothing yet.
        chart.table->setAutoUpdateCriticalPath(false);
        TPLXTaskBar *d = chart.task(2, kMonday, 20);
        chart.table->updateCriticalPath();
        QCOMPARE(chart.calculator().criticalBars(), (QList<TPLXTaskBar *>{a, b}));
        QVERIFY(a->getCriticalElement() && ab->getCriticalElement() && !d->getCriticalElement());
        // Back on, it takes the critical path over and the old marks go.
        chart.table->setAutoUpdateCriticalPath(true);
        chart.table->updateCriticalPath();
        QCOMPARE(chart.calculator().criticalBars(), QList<TPLXTaskBar *>{d});
        QVERIFY(!a->getCriticalElement() && !b->getCriticalElement() && !ab->getCriticalElement());
        // Removing the connection refreshes again: A's free buffer now reaches the project end.
        chart.doc.removeConnection(ab);
        QCOMPARE(a->getGBTime(), d->effectiveEnd() - a->effectiveEnd());
    }

    void taskOutOfTheTableLinksNothing()
    {
        TChart chart;
        TPLXTaskBar *a = chart.task(0, kMonday, 2);
        TPLXTaskBar *x = chart.task(1, kMonday, 2);
        TPLXTaskBar *b = chart.task(2, kMonday + 2, 2);
        TPLXBarConnection *ab = chart.connect(a, b, FS, 0);
        QVERIFY(a->getCriticalElement() && ab->getCriticalElement() && !x->getCriticalElement());
        // A leaves its row while its connection stays listed: the link is not read as one from
        // the task now first in the plan.
        chart.table->getRow(0)->RemoveBar(a);
        chart.table->updateCriticalPath();
        QCOMPARE(chart.calculator().criticalBars(), QList<TPLXTaskBar *>{b});
        QVERIFY(!x->getCriticalElement() && !ab->getCriticalElement());
        chart.table->getRow(0)->AddBar(a);
    }

    void randomDocumentsMatchReference()
    {
        std::mt19937 rng(77);
        auto pick = [&](int n) { return int(rng() % unsigned(n)); };
        const double durations[] = {0.5, 1, 1, 1.5, 2, 2.5, 3, 5, 8};
        const int distances[] = {-2, 0, 0, 0, 1, 3};
        for (int round = 0; round < 300; ++round) {
            TChart chart;
            chart.table->setAutoUpdateCriticalPath(false); // one refresh at the end
            const int rows = 1 + pick(8);
            const int n = pick(30);
            QList<TPLXGanttBar *> bars;
            for (int i = 0; i < n; ++i) {
                const int row = pick(rows);
                const TDateTime start = kMonday + pick(30) + (pick(4) == 0 ? 0.5 : 0.0);
                bars.append(pick(8) == 0 ? chart.other(row, start) : chart.task(row, start, durations[pick(9)]));
            }
            const int m = n == 0 ? 0 : pick(2 * n);
            for (int k = 0; k < m; ++k) {
                TPLXGanttBar *from = bars[pick(n)];
                TPLXGanttBar *to = pick(20) == 0 ? from : bars[pick(n)];
                chart.connect(from, pick(40) == 0 ? nullptr : to, pick(4), distances[pick(6)]);
            }
            TPLXRecordingScope scope;
            chart.calculator().refreshCriticalPath();
            const QString d = chartDifference(chart, scope.recorder().logLines());
            QVERIFY2(d.isEmpty(), qPrintable(QStringLiteral("document %1: %2").arg(round).arg(d)));
        }
    }
};

QTEST_MAIN(tst_plxCriticalPath)
#include "tst_plxCriticalPath.moc"
