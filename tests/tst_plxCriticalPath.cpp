#include "plxBarConnection.h"
#include "plxCriticalPath.h"
#include "plxCriticalPathOracle.h"
#include "plxDocumentFixture.h"
#include "plxDocumentCalendar.h"
#include "plxGanttDocument.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxPlatform.h"
#include "plxTaskBar.h"
#include "plxTimeMode.h"

#include <QtTest>

#include <memory>
#include <random>

namespace {

// Monday 26 Aug 2024.
const TDateTime kMonday = PLXEncodeDate(2024, 8, 26);

struct TTaskSpec
{
    TDateTime start;
    double duration; // working days
};

// Fills a task the way a task bar derives its dates from start and working-time duration.
TPLXCriticalPathTask makeTask(IPLXCalendar &calendar, TDateTime start, double duration)
{
    TPLXCriticalPathTask task;
    task.startDate = start;
    task.effectiveDuration = duration;
    task.endDate = calendar.addEffective(start, duration, false);
    task.effectiveStart = calendar.findFirstEffective(start);
    task.effectiveEnd = task.endDate;
    return task;
}

TPLXCriticalPathPlan makePlan(IPLXCalendar &calendar, const QList<TTaskSpec> &tasks,
                              const QList<TPLXCriticalPathLink> &links)
{
    TPLXCriticalPathPlan plan;
    for (const TTaskSpec &t : tasks)
        plan.tasks.push_back(makeTask(calendar, t.start, t.duration));
    plan.links.assign(links.begin(), links.end());
    return plan;
}

TPLXCriticalPathLink link(int from, int to, int type, int distance)
{
    return {from, to, type, distance};
}

enum { FF = 0, FS = 1, SF = 2, SS = 3 };

struct TRun
{
    TPLXCriticalPathResult result;
    QStringList log;
};

TRun runProduct(const TPLXCriticalPathPlan &plan, IPLXCalendar &calendar)
{
    TPLXRecordingScope scope;
    TRun run{TPLXCriticalPathCalculator::solve(plan, calendar), {}};
    run.log = scope.recorder.logLines;
    return run;
}

TRun runOracle(const TPLXCriticalPathPlan &plan, IPLXCalendar &calendar)
{
    TPLXRecordingScope scope;
    TPLXCriticalPathOracle oracle(plan, calendar);
    TRun run{oracle.refresh(), {}};
    run.log = scope.recorder.logLines;
    return run;
}

// The first difference between two results, empty when they agree exactly.
QString difference(const TRun &a, const TRun &b)
{
    auto vec = [](const char *name, const std::vector<double> &x, const std::vector<double> &y) -> QString {
        if (x.size() != y.size())
            return QStringLiteral("%1: %2 values against %3").arg(QLatin1String(name)).arg(x.size()).arg(y.size());
        for (size_t i = 0; i < x.size(); ++i)
            if (x[i] != y[i])
                return QStringLiteral("%1[%2]: %3 against %4")
                    .arg(QLatin1String(name))
                    .arg(i)
                    .arg(x[i], 0, 'f', 9)
                    .arg(y[i], 0, 'f', 9);
        return {};
    };
    for (const QString &d : {vec("EST", a.result.ESTime, b.result.ESTime), vec("LFT", a.result.LFTime, b.result.LFTime),
                             vec("LBT", a.result.LBTime, b.result.LBTime), vec("GBT", a.result.GBTime, b.result.GBTime)})
        if (!d.isEmpty())
            return d;
    if (a.result.criticalTasks != b.result.criticalTasks)
        return QStringLiteral("critical tasks differ");
    if (a.result.criticalLinks != b.result.criticalLinks)
        return QStringLiteral("critical links differ");
    if (a.result.projectStart != b.result.projectStart || a.result.projectEnd != b.result.projectEnd)
        return QStringLiteral("project range differs");
    if (a.log != b.log)
        return QStringLiteral("log lines differ");
    return {};
}

// Runs both and demands the same results; returns the product's.
TRun checkedRun(const TPLXCriticalPathPlan &plan, IPLXCalendar &calendar)
{
    TRun product = runProduct(plan, calendar);
    const TRun oracle = runOracle(plan, calendar);
    const QString d = difference(product, oracle);
    if (!d.isEmpty())
        QTest::qFail(qPrintable(QStringLiteral("differs from the reference: ") + d), __FILE__, __LINE__);
    return product;
}

std::unique_ptr<TPLXDocumentCalendar> weekendCalendar()
{
    auto calendar = std::make_unique<TPLXDocumentCalendar>();
    calendar->addDateCategory(std::make_unique<TPLXWeekendsDateCategory>());
    return calendar;
}

std::unique_ptr<TPLXDocumentCalendar> holidayCalendar()
{
    auto calendar = weekendCalendar();
    auto days = std::make_unique<TPLXHolidaysDateCategory>();
    for (const int offset : {3, 8, 9, 17, 24, 30, 31, 38, 45, 52, 60, 71})
        days->addDate(std::make_unique<TPLXFixedDateException>(kMonday + offset, QStringLiteral("off")));
    // Half a day off too, so working time is not always whole days.
    days->addDate(std::make_unique<TPLXFixedDateException>(kMonday + 15.5, kMonday + 16, QStringLiteral("half")));
    calendar->addDateCategory(std::move(days));
    return calendar;
}

// A document with a holiday calendar and a table that owns a calculator.
struct TChart
{
    TPLXGanttDocument doc;
    TPLXGanttTable *table = nullptr;
    TPLXDocumentCalendar *calendar = nullptr;

    TChart()
    {
        auto cal = holidayCalendar();
        cal->setParent(&doc);
        doc.Fcalendar = calendar = cal.release();
        auto t = std::make_unique<TPLXGanttTable>();
        t->setParent(&doc);
        doc.Ftable = table = t.release();
        if (!table->criticalPathCalculator())
            table->setCriticalPathCalculator(std::make_unique<TPLXCriticalPathCalculator>(table));
    }

    TPLXCriticalPathCalculator &calculator() { return *table->criticalPathCalculator(); }

    void ensureRow(int row)
    {
        while (table->countRows() <= row)
            table->appendRow();
    }

    TPLXTaskBar *task(int row, TDateTime start, double duration)
    {
        ensureRow(row);
        auto bar = std::make_unique<TPLXTaskBar>(start, start, row);
        bar->setEffectiveDuration(duration);
        TPLXTaskBar *raw = bar.get();
        table->getRow(row)->AddBar(bar.release());
        return raw;
    }

    TPLXGanttBar *other(int row, TDateTime start)
    {
        ensureRow(row);
        auto bar = std::make_unique<TPLXFakeBar>(start, start + 1, row);
        TPLXGanttBar *raw = bar.get();
        table->getRow(row)->AddBar(bar.release());
        return raw;
    }

    TPLXBarConnection *connect(TPLXGanttBar *from, TPLXGanttBar *to, int type, int distance)
    {
        auto c = std::make_unique<TPLXBarConnection>(from, to, type, &doc);
        c->setMinDistance(distance);
        TPLXBarConnection *raw = c.get();
        doc.addConnection(c.release());
        return raw;
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
        TPLXCriticalPathPlan result;
        for (TPLXTaskBar *bar : bars) {
            TPLXCriticalPathTask task;
            task.effectiveDuration = bar->getEffectiveDuration();
            task.startDate = bar->getStartDate();
            task.endDate = bar->getEndDate();
            task.effectiveStart = bar->effectiveStart();
            task.effectiveEnd = bar->effectiveEnd();
            result.tasks.push_back(task);
        }
        for (int k = 0; k < doc.countConnections(); ++k) {
            TPLXBarConnection *c = doc.getConnection(k);
            result.links.push_back({int(bars.indexOf(dynamic_cast<TPLXTaskBar *>(c->getFromBar()))),
                                    int(bars.indexOf(dynamic_cast<TPLXTaskBar *>(c->getToBar()))), c->getConnType(),
                                    c->getMinDistance()});
        }
        return result;
    }
};

// Every bar's times and mark and every connection's mark against `expected`.
QString chartDifference(TChart &chart, const TPLXCriticalPathResult &expected)
{
    const QList<TPLXTaskBar *> bars = chart.taskBars();
    TPLXCriticalPathCalculator &calculator = chart.calculator();
    if (size_t(bars.size()) != expected.ESTime.size())
        return QStringLiteral("task count");
    for (qsizetype i = 0; i < bars.size(); ++i) {
        const TPLXTaskBar *bar = bars[i];
        if (bar->FESTime != expected.ESTime[size_t(i)] || bar->FLFTime != expected.LFTime[size_t(i)]
            || bar->FLBTime != expected.LBTime[size_t(i)] || bar->FGBTime != expected.GBTime[size_t(i)])
            return QStringLiteral("times of bar %1").arg(i);
        const bool critical = std::find(expected.criticalTasks.begin(), expected.criticalTasks.end(), int(i))
                            != expected.criticalTasks.end();
        if (bar->FCriticalElement != critical)
            return QStringLiteral("mark of bar %1").arg(i);
    }
    QList<TPLXTaskBar *> criticalBars;
    for (const int i : expected.criticalTasks)
        criticalBars.append(bars[i]);
    if (calculator.criticalBars() != criticalBars)
        return QStringLiteral("critical bars");
    QList<TPLXBarConnection *> criticalConnections;
    for (const int k : expected.criticalLinks)
        criticalConnections.append(chart.doc.getConnection(k));
    if (calculator.criticalConnections() != criticalConnections)
        return QStringLiteral("critical connections");
    for (int k = 0; k < chart.doc.countConnections(); ++k) {
        TPLXBarConnection *c = chart.doc.getConnection(k);
        if (c->FCriticalElement != criticalConnections.contains(c))
            return QStringLiteral("mark of connection %1").arg(k);
    }
    // A critical connection is the document's first one from its bar to its target.
    for (TPLXBarConnection *c : criticalConnections)
        if (chart.doc.findConnection(c->getFromBar(), c->getToBar(), 4) != c)
            return QStringLiteral("not the first connection of its pair");
    if (calculator.projectStart() != expected.projectStart || calculator.projectEnd() != expected.projectEnd)
        return QStringLiteral("project range");
    return {};
}

} // namespace

class tst_plxCriticalPath : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void emptyPlanMarksNothing();
    void singleTaskIsCritical();
    void finishStartChainIsCritical();
    void looseTaskHasCalendarDaysOfBuffer();
    void finishFinishTargetStillStartsForwardPass();
    void onlyFirstConnectionOfPairCounts();
    void negativeDistanceIsNotWalkedButBlocksStart();
    void selfConnections();
    void logLinesPerTask();
    void cyclesEnd();
    void thousandTaskCycle();
    void longChainNeedsNoRecursion();
    void randomPlansMatchReference();

    // Through real documents
    void tableEnumeratesTaskBarsOnly();
    void chartWithoutTaskBarsMarksNothing();
    void chartResultsAndMarks();
    void marksFollowEdits();
    void noAutoUpdateKeepsMarks();
    void tableWithoutDocument();
    void loadedDocumentIsMarked();
    void randomDocumentsMatchReference();

private:
    std::unique_ptr<TPLXDocumentCalendar> plain;
    std::unique_ptr<TPLXDocumentCalendar> weekends;
    std::unique_ptr<TPLXDocumentCalendar> holidays;
};

void tst_plxCriticalPath::initTestCase()
{
    plain = std::make_unique<TPLXDocumentCalendar>();
    weekends = weekendCalendar();
    holidays = holidayCalendar();
}

void tst_plxCriticalPath::emptyPlanMarksNothing()
{
    // Given a plan without tasks but with connections to bars that are not tasks
    const TPLXCriticalPathPlan plan = makePlan(*weekends, {}, {link(-1, -1, FS, 0), link(-1, -1, SS, 2)});
    // When it is solved, then nothing is critical and nothing is logged
    const TRun run = checkedRun(plan, *weekends);
    QVERIFY(run.result.criticalTasks.empty());
    QVERIFY(run.result.criticalLinks.empty());
    QCOMPARE(run.result.projectStart, 0.0);
    QCOMPARE(run.result.projectEnd, 0.0);
    QVERIFY(run.log.isEmpty());
}

void tst_plxCriticalPath::singleTaskIsCritical()
{
    // A task from Monday for 3 working days ends on Thursday 00:00, inside working time.
    const TPLXCriticalPathPlan plan = makePlan(*weekends, {{kMonday, 3}}, {});
    const TRun run = checkedRun(plan, *weekends);
    QCOMPARE(run.result.projectStart, kMonday);
    QCOMPARE(run.result.projectEnd, kMonday + 3);
    QCOMPARE(run.result.ESTime[0], kMonday);
    QCOMPARE(run.result.LFTime[0], kMonday + 3);
    QCOMPARE(run.result.GBTime[0], 0.0);
    QCOMPARE(run.result.LBTime[0], 0.0);
    QCOMPARE(run.result.criticalTasks, std::vector<int>{0});
    QVERIFY(run.result.criticalLinks.empty());
}

void tst_plxCriticalPath::finishStartChainIsCritical()
{
    // A: Wednesday for 3 working days ends Saturday 00:00 (the end of Friday's
    // work); B starts right there and runs 2 working days into the next week.
    const TDateTime wednesday = kMonday + 2;
    const TDateTime aEnd = weekends->addEffective(wednesday, 3, false);
    QCOMPARE(aEnd, kMonday + 5);
    const TPLXCriticalPathPlan plan = makePlan(*weekends, {{wednesday, 3}, {aEnd, 2}}, {link(0, 1, FS, 0)});
    const TRun run = checkedRun(plan, *weekends);
    QCOMPARE(run.result.criticalTasks, (std::vector<int>{0, 1}));
    QCOMPARE(run.result.criticalLinks, std::vector<int>{0});
    QCOMPARE(run.result.LBTime[0], 0.0);
    // B's earliest start is moved over the weekend to Monday.
    QCOMPARE(run.result.ESTime[1], kMonday + 7);
    QCOMPARE(run.result.LFTime[1], kMonday + 9);
    // A's latest finish falls on the end of the weekend and moves back to its start.
    QCOMPARE(run.result.LFTime[0], kMonday + 5);
}

void tst_plxCriticalPath::looseTaskHasCalendarDaysOfBuffer()
{
    // A long task and an unconnected short one across a weekend.
    const TPLXCriticalPathPlan plan = makePlan(*weekends, {{kMonday, 8}, {kMonday, 1}}, {});
    const TRun run = checkedRun(plan, *weekends);
    const TDateTime end = kMonday + 10; // 8 working days: Wednesday of the next week
    QCOMPARE(run.result.projectEnd, end);
    QCOMPARE(run.result.GBTime[1], end - (kMonday + 1));
    QCOMPARE(run.result.LBTime[1], end - (kMonday + 1));
    QCOMPARE(run.result.criticalTasks, std::vector<int>{0});
}

void tst_plxCriticalPath::finishFinishTargetStillStartsForwardPass()
{
    // B's only incoming connection ends at its end, so B's start is a start of the search.
    const TPLXCriticalPathPlan plan =
        makePlan(*plain, {{kMonday, 2}, {kMonday + 1, 4}, {kMonday, 1}}, {link(0, 1, FF, 3), link(1, 2, FS, 0)});
    const TRun run = checkedRun(plan, *plain);
    QCOMPARE(run.result.ESTime[1], kMonday);
    // C waits for B's end: B from its own start (4 days) beats A's end + 3 (5 days).
    QCOMPARE(run.result.ESTime[2], kMonday + 5);
}

void tst_plxCriticalPath::onlyFirstConnectionOfPairCounts()
{
    // B starts where A ends. Listed first, a start-start connection with
    // distance 5 decides: it pushes B's earliest start and leaves A's end free.
    const QList<TTaskSpec> tasks{{kMonday, 1}, {kMonday + 1, 1}};
    const TRun run = checkedRun(makePlan(*plain, tasks, {link(0, 1, SS, 5), link(0, 1, FS, 0)}), *plain);
    QCOMPARE(run.result.ESTime[1], kMonday + 5);
    QCOMPARE(run.result.LFTime[0], kMonday + 2);
    QCOMPARE(run.result.criticalTasks, std::vector<int>{1});
    QVERIFY(run.result.criticalLinks.empty());
    // Listed first, the finish-start connection decides and is critical.
    const TRun other = checkedRun(makePlan(*plain, tasks, {link(0, 1, FS, 0), link(0, 1, SS, 5)}), *plain);
    QCOMPARE(other.result.ESTime[1], kMonday + 1);
    QCOMPARE(other.result.LFTime[0], kMonday + 1);
    QCOMPARE(other.result.criticalTasks, (std::vector<int>{0, 1}));
    QCOMPARE(other.result.criticalLinks, std::vector<int>{0});
}

void tst_plxCriticalPath::negativeDistanceIsNotWalkedButBlocksStart()
{
    // A -> B finish-start with distance -2: B's start is no start of the search
    // any more, and the search does not walk the connection, so B keeps 0.
    const TPLXCriticalPathPlan plan = makePlan(*plain, {{kMonday, 3}, {kMonday + 4, 1}}, {link(0, 1, FS, -2)});
    const TRun run = checkedRun(plan, *plain);
    QCOMPARE(run.result.ESTime[1], kMonday);
    // A's end is no end of the backward search either: its latest finish stays at 0 days.
    QCOMPARE(run.result.LFTime[0], kMonday + 5);
    // Free buffer: the room to the project end (2 days) is smaller than the
    // connection's slack (1 working day from A's end to B's start, minus -2).
    QCOMPARE(run.result.LBTime[0], 2.0);
    // A connection that is too short leaves a negative free buffer.
    const TRun tight =
        checkedRun(makePlan(*plain, {{kMonday, 3}, {kMonday + 3, 1}}, {link(0, 1, FS, 1)}), *plain);
    QCOMPARE(tight.result.LBTime[0], -1.0);
}

void tst_plxCriticalPath::selfConnections()
{
    // A start-finish connection of C to itself (distance 7) replaces C's duration
    // in the backward search: P, finishing where C starts, must end 7 days early.
    const TPLXCriticalPathPlan plan =
        makePlan(*plain, {{kMonday, 1}, {kMonday + 1, 2}}, {link(1, 1, SF, 7), link(0, 1, FS, 0)});
    const TRun run = checkedRun(plan, *plain);
    QCOMPARE(run.result.LFTime[0], kMonday + 3 - 7);
    // Loops on one node and finish-start to itself end too.
    const TPLXCriticalPathPlan loops = makePlan(*weekends, {{kMonday, 1}, {kMonday + 1, 2}},
                                                {link(0, 0, SS, 1), link(1, 1, FF, 0), link(1, 1, FS, 0), link(0, 1, FS, 0)});
    checkedRun(loops, *weekends);
}

void tst_plxCriticalPath::logLinesPerTask()
{
    const TPLXCriticalPathPlan plan = makePlan(*plain, {{kMonday, 1}, {kMonday, 2.5}}, {});
    const TRun run = checkedRun(plan, *plain);
    const QString start = PLXFloatToStr(kMonday);
    const QString end = PLXFloatToStr(kMonday + 2.5);
    QCOMPARE(run.log, (QStringList{
                          QStringLiteral("bar 0 EST = ") + start,
                          QStringLiteral("bar 0 LFT = ") + end,
                          QStringLiteral("bar 0 LBT = ") + PLXFloatToStr(1.5),
                          QStringLiteral("bar 0 GBT = ") + PLXFloatToStr(1.5),
                          QStringLiteral("bar 1 EST = ") + start,
                          QStringLiteral("bar 1 LFT = ") + end,
                          QStringLiteral("bar 1 LBT = 0"),
                          QStringLiteral("bar 1 GBT = 0"),
                      }));
}

void tst_plxCriticalPath::cyclesEnd()
{
    // A cycle without an entry: nothing starts a search.
    const TPLXCriticalPathPlan closed =
        makePlan(*weekends, {{kMonday, 1}, {kMonday + 1, 1}}, {link(0, 1, FS, 0), link(1, 0, FS, 0)});
    QCOMPARE(checkedRun(closed, *weekends).result.ESTime[1], kMonday);
    // Entered from outside, with positive lengths around it, and left again.
    const TPLXCriticalPathPlan open = makePlan(
        *weekends, {{kMonday, 1}, {kMonday + 1, 2}, {kMonday + 3, 1}, {kMonday + 4, 1}, {kMonday, 3}},
        {link(0, 1, FS, 0), link(1, 2, FS, 1), link(2, 1, SS, 2), link(2, 3, FS, 0), link(4, 2, FF, 0), link(3, 1, SF, 1)});
    checkedRun(open, *weekends);
}

void tst_plxCriticalPath::thousandTaskCycle()
{
    // X -> 0 -> 1 -> ... -> 999 -> 0 and 999 -> Y, all finish-start, each task one day.
    const int n = 1000;
    QList<TTaskSpec> tasks;
    QList<TPLXCriticalPathLink> links;
    for (int i = 0; i < n + 2; ++i)
        tasks.append({kMonday, 1});
    for (int i = 0; i + 1 < n; ++i)
        links.append(link(i, i + 1, FS, 0));
    links.append(link(n - 1, 0, FS, 0));
    const int x = n, y = n + 1;
    links.append(link(x, 0, FS, 0));
    links.append(link(n - 1, y, FS, 0));
    const TPLXCriticalPathPlan plan = makePlan(*plain, tasks, links);
    const TRun run = runProduct(plan, *plain);
    // Forward: each task is reached once along the cycle from X, then the
    // search meets its own path. Backward likewise from Y.
    const TDateTime end = kMonday + 1;
    QCOMPARE(run.result.ESTime[size_t(x)], kMonday);
    QCOMPARE(run.result.LFTime[size_t(y)], end);
    QCOMPARE(run.result.ESTime[size_t(y)], kMonday + n + 1);
    QCOMPARE(run.result.LFTime[size_t(x)], end - n - 1);
    for (int i = 0; i < n; ++i) {
        QCOMPARE(run.result.ESTime[size_t(i)], kMonday + 1 + i);
        QCOMPARE(run.result.LFTime[size_t(i)], end - (n - i));
    }
    // Only Y, which ends with the project, has no buffer.
    QCOMPARE(run.result.GBTime[0], -double(n));
    QCOMPARE(run.result.criticalTasks, std::vector<int>{y});
    QCOMPARE(run.log.size(), 4 * (n + 2));
}

void tst_plxCriticalPath::longChainNeedsNoRecursion()
{
    // 100,000 dependent tasks, closed into one cycle by a connection back to the
    // first, entered from one more task: both the straight and the cyclic search
    // must run on their own stack.
    const int n = 100000;
    TPLXCriticalPathPlan plan;
    plan.tasks.assign(size_t(n) + 1, makeTask(*plain, kMonday, 1));
    for (int i = 0; i + 1 < n; ++i)
        plan.links.push_back(link(i, i + 1, FS, 0));
    TRun run = runProduct(plan, *plain);
    QCOMPARE(run.result.ESTime[size_t(n - 1)], kMonday + n - 1);
    QCOMPARE(run.result.LFTime[0], kMonday + 1 - (n - 1));
    plan.links.push_back(link(n - 1, 0, FS, 0));
    plan.links.push_back(link(n, 0, SS, 0));
    run = runProduct(plan, *plain);
    QCOMPARE(run.result.ESTime[size_t(n - 1)], kMonday + n - 1);
    QCOMPARE(run.result.ESTime[size_t(n)], kMonday);
}

void tst_plxCriticalPath::randomPlansMatchReference()
{
    std::mt19937 rng(20261205);
    IPLXCalendar *calendars[] = {plain.get(), weekends.get(), holidays.get()};
    const double durations[] = {0.25, 0.5, 1, 1, 1.5, 2, 2, 2.5, 3, 4, 5, 7, 10};
    const int distances[] = {-3, -1, 0, 0, 0, 0, 1, 2, 5};
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
            l.minDistance = distances[pick(9)];
            plan.links.push_back(l);
        }
        const TRun product = runProduct(plan, calendar);
        const TRun oracle = runOracle(plan, calendar);
        const QString d = difference(product, oracle);
        QVERIFY2(d.isEmpty(), qPrintable(QStringLiteral("plan %1 (%2 tasks): %3").arg(round).arg(n).arg(d)));
        // Count what the plans exercised, so a generator that stops producing
        // cycles or critical paths is noticed.
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

void tst_plxCriticalPath::tableEnumeratesTaskBarsOnly()
{
    TChart chart;
    TPLXTaskBar *a = chart.task(0, kMonday, 1);
    chart.other(0, kMonday);
    TPLXTaskBar *b = chart.task(0, kMonday, 2);
    chart.ensureRow(2); // an empty row in between
    chart.other(3, kMonday);
    TPLXTaskBar *c = chart.task(3, kMonday, 3);
    TPLXCriticalPathCalculator &calculator = chart.calculator();
    QCOMPARE(calculator.countTaskBars(), 3);
    calculator.getTaskBarStart();
    QCOMPARE(calculator.getNextTaskBar(), a);
    QCOMPARE(calculator.getNextTaskBar(), b);
    QCOMPARE(calculator.getNextTaskBar(), c);
    QCOMPARE(calculator.getNextTaskBar(), nullptr);
    QCOMPARE(calculator.getNextTaskBar(), nullptr);
    calculator.getTaskBarStart();
    QCOMPARE(calculator.getNextTaskBar(), a);
}

void tst_plxCriticalPath::chartWithoutTaskBarsMarksNothing()
{
    TChart chart;
    TPLXGanttBar *x = chart.other(0, kMonday);
    TPLXGanttBar *y = chart.other(1, kMonday + 2);
    TPLXBarConnection *c = chart.connect(x, y, FS, 0);
    TPLXRecordingScope scope;
    chart.calculator().refreshCriticalPath();
    QVERIFY(chart.calculator().criticalBars().isEmpty());
    QVERIFY(chart.calculator().criticalConnections().isEmpty());
    QVERIFY(!c->FCriticalElement);
    QVERIFY(scope.recorder.logLines.isEmpty());
}

void tst_plxCriticalPath::chartResultsAndMarks()
{
    // A -> B finish-start in different rows, B starting at A's effective end;
    // C loose in A's row; a connection from a task to a bar of another kind.
    TChart chart;
    const TDateTime wednesday = kMonday + 2;
    TPLXTaskBar *a = chart.task(0, wednesday, 2); // ends Friday 00:00 (the 4th is a holiday)
    TPLXTaskBar *c = chart.task(0, kMonday, 1);
    TPLXTaskBar *b = chart.task(1, a->effectiveEnd(), 2);
    TPLXGanttBar *x = chart.other(1, kMonday);
    TPLXBarConnection *ab = chart.connect(a, b, FS, 0);
    TPLXBarConnection *ax = chart.connect(a, x, FS, 0);
    TPLXRecordingScope scope;
    chart.calculator().refreshCriticalPath();
    QCOMPARE(chart.calculator().criticalBars(), (QList<TPLXTaskBar *>{a, b}));
    QCOMPARE(chart.calculator().criticalConnections(), QList<TPLXBarConnection *>{ab});
    QVERIFY(a->FCriticalElement && b->FCriticalElement && !c->FCriticalElement);
    QVERIFY(ab->FCriticalElement && !ax->FCriticalElement);
    QCOMPARE(a->FLBTime, 0.0);
    QCOMPARE(c->FGBTime, b->effectiveEnd() - c->effectiveEnd());
    QCOMPARE(scope.recorder.logLines.size(), 12);
    QCOMPARE(scope.recorder.logLines[8], QStringLiteral("bar 2 EST = ") + PLXFloatToStr(b->FESTime));
    QVERIFY2(chartDifference(chart, runOracle(chart.plan(), *chart.calendar).result).isEmpty(), "reference");
}

void tst_plxCriticalPath::marksFollowEdits()
{
    TChart chart;
    TPLXTaskBar *a = chart.task(0, kMonday, 2);
    TPLXTaskBar *b = chart.task(1, kMonday + 2, 2);
    TPLXBarConnection *ab = chart.connect(a, b, FS, 0); // the document refreshes the path
    QVERIFY(a->FCriticalElement && b->FCriticalElement && ab->FCriticalElement);
    // A longer loose task takes the critical path over; the old marks go.
    TPLXTaskBar *d = chart.task(2, kMonday, 20);
    chart.table->updateCriticalPath();
    QCOMPARE(chart.calculator().criticalBars(), QList<TPLXTaskBar *>{d});
    QVERIFY(!a->FCriticalElement && !b->FCriticalElement && !ab->FCriticalElement);
    // Removing the connection refreshes again: A and B are loose now.
    chart.doc.removeConnection(ab);
    QVERIFY(chart.calculator().criticalConnections().isEmpty());
    QVERIFY(!ab->FCriticalElement);
    QCOMPARE(a->FGBTime, d->effectiveEnd() - a->effectiveEnd());
}

void tst_plxCriticalPath::noAutoUpdateKeepsMarks()
{
    TChart chart;
    TPLXTaskBar *a = chart.task(0, kMonday, 2);
    TPLXTaskBar *b = chart.task(1, kMonday + 2, 2);
    chart.table->updateCriticalPath();
    QCOMPARE(chart.calculator().criticalBars(), QList<TPLXTaskBar *>{b});
    chart.table->FUpdateCriticalPath = false;
    TPLXBarConnection *ab = chart.connect(a, b, FS, 0);
    chart.table->updateCriticalPath();
    QVERIFY(!a->FCriticalElement && !ab->FCriticalElement);
    QCOMPARE(chart.calculator().criticalBars(), QList<TPLXTaskBar *>{b});
    chart.table->FUpdateCriticalPath = true;
    chart.table->updateCriticalPath();
    QVERIFY(a->FCriticalElement && ab->FCriticalElement);
}

void tst_plxCriticalPath::tableWithoutDocument()
{
    // No document means no calendar: the results stay empty and nothing breaks.
    TPLXGanttTable table;
    TPLXCriticalPathCalculator calculator(&table);
    table.appendRow();
    calculator.refreshCriticalPath();
    QCOMPARE(calculator.countTaskBars(), 0);
    QVERIFY(calculator.criticalBars().isEmpty());
    TPLXCriticalPathCalculator none(nullptr);
    none.refreshCriticalPath();
    QCOMPARE(none.countTaskBars(), 0);
}

void tst_plxCriticalPath::loadedDocumentIsMarked()
{
    // Given a stored chart: A (2 days) -> B (3 days) finish-start, C loose.
    fixture::Document stored;
    const double monday = fixture::kMonday;
    stored.rows = {{{{QStringLiteral("A"), monday, 2}, {QStringLiteral("C"), monday, 1}}},
                   {{{QStringLiteral("B"), monday + 2, 3}}}};
    stored.connections = {{QStringLiteral("AB"), QStringLiteral("A"), QStringLiteral("B"), FS, 0}};
    // When it is loaded, then the table's own calculator has already marked the path.
    TPLXRecordingScope scope;
    const std::unique_ptr<TPLXGanttDocument> doc = fixture::load(fixture::text(stored));
    QVERIFY(doc);
    TPLXGanttTable *table = doc->GetTable();
    QVERIFY(table->criticalPathCalculator());
    auto *a = dynamic_cast<TPLXTaskBar *>(table->getRow(0)->GetBarInRow(0));
    auto *c = dynamic_cast<TPLXTaskBar *>(table->getRow(0)->GetBarInRow(1));
    auto *b = dynamic_cast<TPLXTaskBar *>(table->getRow(1)->GetBarInRow(0));
    QVERIFY(a && b && c);
    QCOMPARE(table->criticalPathCalculator()->criticalBars(), (QList<TPLXTaskBar *>{a, b}));
    QVERIFY(a->FCriticalElement && b->FCriticalElement && !c->FCriticalElement);
    QVERIFY(doc->getConnection(0)->FCriticalElement);
    QCOMPARE(b->FESTime, monday + 2);
    QCOMPARE(c->FGBTime, b->effectiveEnd() - c->effectiveEnd());
    QVERIFY(scope.recorder.logLines.contains(QStringLiteral("bar 2 GBT = 0")));
}

void tst_plxCriticalPath::randomDocumentsMatchReference()
{
    std::mt19937 rng(77);
    auto pick = [&](int n) { return int(rng() % unsigned(n)); };
    const double durations[] = {0.5, 1, 1, 1.5, 2, 2.5, 3, 5, 8};
    const int distances[] = {-2, 0, 0, 0, 1, 3};
    for (int round = 0; round < 300; ++round) {
        TChart chart;
        chart.table->FUpdateCriticalPath = false; // one refresh at the end
        const int rows = 1 + pick(8);
        const int n = pick(30);
        QList<TPLXGanttBar *> bars;
        for (int i = 0; i < n; ++i) {
            const int row = pick(rows);
            const TDateTime start = kMonday + pick(30) + (pick(4) == 0 ? 0.5 : 0.0);
            if (pick(8) == 0)
                bars.append(chart.other(row, start));
            else
                bars.append(chart.task(row, start, durations[pick(9)]));
        }
        const int m = n == 0 ? 0 : pick(2 * n);
        for (int k = 0; k < m; ++k) {
            TPLXGanttBar *from = bars[pick(n)];
            TPLXGanttBar *to = pick(20) == 0 ? from : bars[pick(n)];
            chart.connect(from, pick(40) == 0 ? nullptr : to, pick(4), distances[pick(6)]);
        }
        TPLXRecordingScope scope;
        chart.calculator().refreshCriticalPath();
        const QStringList log = scope.recorder.logLines;
        const TRun expected = runOracle(chart.plan(), *chart.calendar);
        const QString d = chartDifference(chart, expected.result);
        QVERIFY2(d.isEmpty(), qPrintable(QStringLiteral("document %1: %2").arg(round).arg(d)));
        QCOMPARE(log, expected.log);
    }
}

QTEST_MAIN(tst_plxCriticalPath)
#include "tst_plxCriticalPath.moc"
