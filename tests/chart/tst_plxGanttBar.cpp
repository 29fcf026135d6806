// The bar base: period rules, resize clamping, hit questions, working-day duration, drawer geometry and hit test, and
// the resize and time operations (their exact undo is checked by the random edits of tst_plxUndoRestores).
#include "plxChartFixture.h"
#include "plxDataSource.h"

#include <QtTest>

using namespace plxtest;

// The base behaviour, constructible.
struct PlainBar : TPLXGanttBar
{
    PlainBar(TDateTime start, TDateTime end, int row)
        : TPLXGanttBar(start, end, row)
    {
    }
};

static PlainBar *plainBar(Chart &c, int row, double start, double end)
{
    auto bar = std::make_unique<PlainBar>(start, end, row);
    c.table->getRow(row)->AddBar(bar.get());
    return bar.release();
}

class tst_plxGanttBar : public QObject
{
    Q_OBJECT

private slots:
    void creationKeepsAtLeastOneDay()
    {
        // An end after, at and one day before the start.
        for (const auto &[end, expectedEnd] : {std::pair{12.5, 12.5}, {10.0, 11.0}, {9.0, 11.0}}) {
            PlainBar bar(10, end, 3);
            QCOMPARE(std::pair(bar.getStartDate(), bar.getEndDate()), std::pair(10.0, expectedEnd));
        }
    }

    void resizeStopsOnePeriodFromTheOtherEnd()
    {
        // A bar over Monday to Thursday: time mode, change, right end or left, expected period from Monday.
        const struct
        {
            TPLXTimeMode mode;
            double change;
            bool right;
            double start, end;
        } cases[] = {
            {tmDay, 2, true, 0, 5},        {tmDay, -100, true, 0, 1},  {tmDay, 100, false, 2, 3},
            {tmDay, -0.5, false, -0.5, 3}, {tmWeek, -100, true, 0, 7},
        };
        for (const auto &k : cases) {
            Chart c;
            c.calendar->SetTimeMode(k.mode);
            PlainBar *bar = plainBar(c, 0, kMonday, kMonday + 3);
            QVERIFY(bar->Resize(k.change, 7, k.right));
            QCOMPARE(std::pair(bar->getStartDate(), bar->getEndDate()), std::pair(kMonday + k.start, kMonday + k.end));
        }
    }

    void occupiesAndOverlapAreHalfOpen()
    {
        Chart c;
        PlainBar *bar = plainBar(c, 1, 10, 12);
        const QList<bool> occupies{bar->occupies(9.99, 1), bar->occupies(10, 1), bar->occupies(11.99, 1),
                                   bar->occupies(12, 1), bar->occupies(10, 2)};
        QCOMPARE(occupies, (QList<bool>{false, true, true, false, false}));
        // Touching after, touching before, starting inside, enclosing, in another row.
        const QList<bool> overlaps{bar->overlap(12, 14, 1, nullptr), bar->overlap(8, 10, 1, nullptr),
                                   bar->overlap(11, 13, 1, nullptr), bar->overlap(9, 13, 1, nullptr),
                                   bar->overlap(11, 13, 2, nullptr)};
        QCOMPARE(overlaps, (QList<bool>{false, false, true, true, false}));
    }

    void effectiveDurationCountsWorkingDays()
    {
        Chart c;
        PlainBar *weekend = plainBar(c, 0, kMonday + 4, kMonday + 7); // Friday to Monday
        QCOMPARE(weekend->getEffectiveDuration(), 1.0);
        PlainBar *twoWeeks = plainBar(c, 1, kMonday, kMonday + 14);
        QCOMPARE(twoWeeks->getEffectiveDuration(), 10.0);
        twoWeeks->setEffectiveDuration(2.5);
        QCOMPARE(twoWeeks->getEndDate(), kMonday + 2.5);
        // Without a calendar the bar cannot count and says so.
        c.doc.calendar = nullptr;
        QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, weekend->getEffectiveDuration());
    }

    void drawerGeometryFollowsColumnsAndRows()
    {
        Chart c(4, 30, 20);
        PlainBar *bar = plainBar(c, 2, kMonday + 1.5, kMonday + 4);
        // x: 100 + 20 * 1.5 = 130; width 20 * 2.5 = 50; y: 10 + 2 * 30.
        QCOMPARE(bar->getRect(kMonday), (TRect{130, 70, 180, 100}));
        c.table->getRow(0)->setHeight(50);
        QCOMPARE(bar->getRect(kMonday), (TRect{130, 90, 180, 120}));
        // Halves go to the even neighbour: 4 * 0.125 = 0.5 -> 0, 4 * 0.375 = 1.5 -> 2.
        c.table->SetColumnWidth(4);
        PlainBar *small = plainBar(c, 0, kMonday + 0.125, kMonday + 1.125);
        QCOMPARE(small->getRect(kMonday).Left, 100);
        QCOMPARE(small->getRect(kMonday - 0.25).Left, 102);
    }

    void hitTestAndNearerEdgeUseTheLastDrawnRect()
    {
        Chart c;
        PlainBar *bar = plainBar(c, 0, kMonday, kMonday + 2);
        TPLXGanttBarDrawer *drawer = bar->ganttDrawer();
        drawer->setLastRect({10, 20, 30, 40});
        // Right and bottom edges are outside.
        const QList<TPLXGanttObject *> hits{drawer->locateObject(10, 20), drawer->locateObject(29, 39),
                                            drawer->locateObject(30, 39), drawer->locateObject(29, 40)};
        QCOMPARE(hits, (QList<TPLXGanttObject *>{bar, bar, nullptr, nullptr}));
        // A tie grabs the start.
        const QList<bool> nearStart{drawer->closerToStart(12, 25), drawer->closerToStart(20, 25),
                                    drawer->closerToStart(21, 25)};
        QCOMPARE(nearStart, (QList<bool>{true, true, false}));
        drawer->clearLastRect();
        QVERIFY(drawer->locateObject(10, 20) == nullptr);
    }

    void highlightDrawsDottedRedFrame()
    {
        Chart c;
        TPLXGanttBarDrawer *drawer = plainBar(c, 0, kMonday, kMonday + 2)->ganttDrawer();
        Canvas unflagged(60, 60);
        drawer->highlight(*unflagged.vc, {20, 20, 40, 40});
        QCOMPARE(unflagged.finish(), Canvas(60, 60).finish()); // nothing until flagged
        drawer->setHighlighted(true);
        Canvas canvas(60, 60);
        drawer->highlight(*canvas.vc, {20, 20, 40, 40});
        const QImage image = canvas.finish();
        int red = 0;
        for (int x = 18; x < 42; ++x)
            red += pixel(image, x, 18) == 0x0000FF ? 1 : 0;
        QVERIFY2(red > 5 && red < 24, qPrintable(QString::number(red))); // dotted: some, not all
        QCOMPARE(pixel(image, 30, 30), 0xFFFFFF);
        QCOMPARE(pixel(image, 30, 10), 0xFFFFFF);
    }

    void resizeOperationEvents()
    {
        Chart c;
        PlainBar *bar = plainBar(c, 0, kMonday, kMonday + 3);
        TPLXDataSource source;
        int before = 0, after = 0;
        bool allow = false;
        double seen = 0;
        source.setOnBeforeBarResize([&](TPLXGanttBar *, bool &) { ++before; });
        source.setOnBarResize([&](TPLXGanttBar *, double change, int, bool, bool &ok) {
            seen = change;
            ok = allow;
        });
        source.setOnAfterBarResize([&](TPLXGanttBar *) { ++after; });
        TPLXBarResizeOperation refused(&source, bar, 2, 0, true);
        QVERIFY(!refused.perform()); // the end checks below also prove it left the bar and the after event alone

        allow = true;
        TPLXBarResizeOperation shrink(&source, bar, -10, 0, true);
        QVERIFY(shrink.perform());
        QCOMPARE(bar->getEndDate(), kMonday + 1); // clamped to one period
        QVERIFY(shrink.undo());
        QCOMPARE(seen, 10.0); // the application is asked about the way back as well
        QCOMPARE(before, 3);
        QCOMPARE(after, 2);
    }

    void assignTimeOperation()
    {
        Chart c;
        TPLXTaskBar *task = c.task(0, kMonday, kMonday + 2);
        TPLXDataSource source;
        TPLXBarAssignTimeOperation op(&source, task, kMonday + 7, kMonday + 10);
        const auto times = [task] { return QList<double>{task->getStartDate(), task->getEndDate()}; };
        QVERIFY(op.perform());
        QCOMPARE(times(), QList<double>({kMonday + 7, kMonday + 10}));
        QCOMPARE(task->getEffectiveDuration(), 3.0);
        // A cancelled assignment reports success and changes nothing.
        source.setOnBeforeBarResize([](TPLXGanttBar *, bool &cancel) { cancel = true; });
        TPLXBarAssignTimeOperation cancelled(&source, task, kMonday + 20, kMonday + 21);
        QVERIFY(cancelled.perform());
        QCOMPARE(times(), QList<double>({kMonday + 7, kMonday + 10}));
    }
};

QTEST_MAIN(tst_plxGanttBar)
#include "tst_plxGanttBar.moc"
