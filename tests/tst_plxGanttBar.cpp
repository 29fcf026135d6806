// The bar base: period rules, resize clamping, hit questions, working-day
// duration, drawer geometry and hit test, and the resize and time operations.
#include "plxChartTestSupport.h"
#include "plxDataSource.h"

#include <QtTest>

using namespace chart;

namespace {

// The base behaviour, constructible.
class PlainBar : public TPLXGanttBar
{
public:
    PlainBar(TDateTime start, TDateTime end, int row) : TPLXGanttBar(start, end, row) {}
};

PlainBar *plainBar(Chart &c, int row, double start, double end)
{
    auto bar = std::make_unique<PlainBar>(start, end, row);
    c.table->getRow(row)->AddBar(bar.get());
    return bar.release();
}

} // namespace

class tst_plxGanttBar : public QObject
{
    Q_OBJECT

private slots:
    void creationKeepsAtLeastOneDay_data();
    void creationKeepsAtLeastOneDay();
    void resizeStopsOnePeriodFromTheOtherEnd_data();
    void resizeStopsOnePeriodFromTheOtherEnd();
    void occupiesIsHalfOpen();
    void overlap_data();
    void overlap();
    void effectiveDurationCountsWorkingDays();
    void drawerGeometryFollowsColumnsAndRows();
    void hitTestOnlyAfterDrawing();
    void closerToStartPicksTheNearerEdge();
    void highlightDrawsDottedRedFrame();
    void rowAndIndexComeFromTheParentRow();
    void fakeBarIsNarrowedAndInvisible();
    void resizeOperationEventsAndUndo();
    void assignTimeOperationRestoresExactly();
    void reflectedProperties();
};

void tst_plxGanttBar::creationKeepsAtLeastOneDay_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<double>("expectedEnd");
    QTest::newRow("end after start") << 10.0 << 12.5 << 12.5;
    QTest::newRow("end equal to start") << 10.0 << 10.0 << 11.0;
    QTest::newRow("end one day before start") << 10.0 << 9.0 << 11.0;
}

void tst_plxGanttBar::creationKeepsAtLeastOneDay()
{
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(double, expectedEnd);
    PlainBar bar(start, end, 3);
    QCOMPARE(bar.getStartDate(), start);
    QCOMPARE(bar.getEndDate(), expectedEnd);
    QCOMPARE(bar.rowField(), 3);
    QVERIFY(!bar.preventLeftAlign());
    QVERIFY(bar.textHalo() != nullptr);
    QCOMPARE(bar.textHalo()->getParent(), &bar);
}

void tst_plxGanttBar::resizeStopsOnePeriodFromTheOtherEnd_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("change");
    QTest::addColumn<bool>("right");
    QTest::addColumn<double>("expectedStart");
    QTest::addColumn<double>("expectedEnd");
    const double s = kMonday;
    QTest::newRow("day: right grows") << int(tmDay) << 2.0 << true << s << s + 5;
    QTest::newRow("day: right shrinks far") << int(tmDay) << -100.0 << true << s << s + 1;
    QTest::newRow("day: left shrinks far") << int(tmDay) << 100.0 << false << s + 2 << s + 3;
    QTest::newRow("day: left grows by half") << int(tmDay) << -0.5 << false << s - 0.5 << s + 3;
    QTest::newRow("week: right shrinks far") << int(tmWeek) << -100.0 << true << s << s + 7;
}

void tst_plxGanttBar::resizeStopsOnePeriodFromTheOtherEnd()
{
    QFETCH(int, mode);
    QFETCH(double, change);
    QFETCH(bool, right);
    QFETCH(double, expectedStart);
    QFETCH(double, expectedEnd);
    Chart c;
    c.calendar->SetTimeMode(static_cast<TPLXTimeMode>(mode));
    PlainBar *bar = plainBar(c, 0, kMonday, kMonday + 3);
    QVERIFY(bar->Resize(change, 7, right));
    QCOMPARE(bar->getStartDate(), expectedStart);
    QCOMPARE(bar->getEndDate(), expectedEnd);
}

void tst_plxGanttBar::occupiesIsHalfOpen()
{
    Chart c;
    PlainBar *bar = plainBar(c, 1, 10, 12);
    QVERIFY(bar->occupies(10, 1));
    QVERIFY(bar->occupies(11.99, 1));
    QVERIFY(!bar->occupies(12, 1));
    QVERIFY(!bar->occupies(9.99, 1));
    QVERIFY(!bar->occupies(10, 2));
}

void tst_plxGanttBar::overlap_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("end");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("expected");
    // The bar under test covers [1, 3) in row 0.
    QTest::newRow("touching after") << 3.0 << 5.0 << 0 << false;
    QTest::newRow("touching before") << -1.0 << 1.0 << 0 << false;
    QTest::newRow("starts inside") << 2.0 << 4.0 << 0 << true;
    QTest::newRow("encloses") << 0.0 << 4.0 << 0 << true;
    QTest::newRow("same period") << 1.0 << 3.0 << 0 << true;
    QTest::newRow("other row") << 2.0 << 4.0 << 1 << false;
}

void tst_plxGanttBar::overlap()
{
    QFETCH(double, start);
    QFETCH(double, end);
    QFETCH(int, row);
    QFETCH(bool, expected);
    Chart c;
    PlainBar *bar = plainBar(c, 0, 1, 3);
    QCOMPARE(bar->overlap(start, end, row, nullptr), expected);
}

void tst_plxGanttBar::effectiveDurationCountsWorkingDays()
{
    Chart c;
    const double friday = kMonday + 4;
    PlainBar *weekend = plainBar(c, 0, friday, friday + 3); // Friday to Monday
    QCOMPARE(weekend->getEffectiveDuration(), 1.0);
    PlainBar *twoWeeks = plainBar(c, 1, kMonday, kMonday + 14);
    QCOMPARE(twoWeeks->getEffectiveDuration(), 10.0);
    twoWeeks->setEffectiveDuration(2.5);
    QCOMPARE(twoWeeks->getEndDate(), kMonday + 2.5);

    // Without a calendar the bar cannot count and says so.
    c.doc.calendar = nullptr;
    QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, weekend->getEffectiveDuration());
}

void tst_plxGanttBar::drawerGeometryFollowsColumnsAndRows()
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

void tst_plxGanttBar::hitTestOnlyAfterDrawing()
{
    Chart c;
    PlainBar *bar = plainBar(c, 0, kMonday, kMonday + 2);
    TPLXGanttBarDrawer *drawer = bar->ganttDrawer();
    QCOMPARE(drawer->getRect(), (TRect{-1, -1, -1, -1}));
    QVERIFY(drawer->locateObject(-1, -1) == nullptr);
    QVERIFY(drawer->locateObject(0, 0) == nullptr);
    drawer->lastRect = {10, 20, 30, 40};
    QCOMPARE(drawer->locateObject(10, 20), bar);
    QCOMPARE(drawer->locateObject(29, 39), bar);
    QVERIFY(drawer->locateObject(30, 39) == nullptr);
    QVERIFY(drawer->locateObject(29, 40) == nullptr);
    drawer->clearLastRect();
    QVERIFY(drawer->locateObject(10, 20) == nullptr);
    QVERIFY(drawer->locateObject(-1, -1) == nullptr);
}

void tst_plxGanttBar::closerToStartPicksTheNearerEdge()
{
    Chart c;
    PlainBar *bar = plainBar(c, 0, kMonday, kMonday + 2);
    TPLXGanttBarDrawer *drawer = bar->ganttDrawer();
    drawer->lastRect = {10, 0, 30, 10};
    QVERIFY(drawer->closerToStart(12, 5));
    QVERIFY(drawer->closerToStart(20, 5)); // a tie grabs the start
    QVERIFY(!drawer->closerToStart(21, 5));
}

void tst_plxGanttBar::highlightDrawsDottedRedFrame()
{
    Chart c;
    PlainBar *bar = plainBar(c, 0, kMonday, kMonday + 2);
    TPLXGanttBarDrawer *drawer = bar->ganttDrawer();
    {
        Canvas canvas(60, 60);
        drawer->highlight(*canvas.vc, {20, 20, 40, 40});
        const QImage untouched = canvas.finish();
        for (int x = 0; x < 60; ++x)
            QCOMPARE(pixel(untouched, x, 18), 0xFFFFFF);
    }
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

void tst_plxGanttBar::rowAndIndexComeFromTheParentRow()
{
    Chart c;
    PlainBar *a = plainBar(c, 2, 1, 2);
    PlainBar *b = plainBar(c, 2, 3, 4);
    QCOMPARE(b->getRow(), 2);
    QCOMPARE(b->getIndexInRow(), 1);
    QVERIFY(b->inRow(2));
    // Rows above are removed: the bar's row follows the row's order.
    c.table->takeRow(0);
    QCOMPARE(a->getRow(), 1);
    QCOMPARE(a->rowField(), 1);
    PlainBar loose(1, 2, 5);
    QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, loose.getRow());
    QCOMPARE(loose.getIndexInRow(), -1);
}

void tst_plxGanttBar::fakeBarIsNarrowedAndInvisible()
{
    Chart c;
    auto fake = PlainBar(0, 0, 0).createFake();
    QCOMPARE(fake->metaObject(), &TPLXFakeBar::staticMetaObject);
    QCOMPARE(fake->getStartDate(), 0.0);
    QCOMPARE(fake->getEndDate(), 1.0);
    QVERIFY(fake->acceptConnections());
    auto *placed = static_cast<TPLXFakeBar *>(fake.get());
    c.table->getRow(1)->AddBar(fake.release());
    placed->setPeriod(kMonday, kMonday + 1);
    QCOMPARE(placed->getRect(kMonday), (TRect{100, 45, 120, 65}));
    Canvas canvas(200, 200);
    placed->ganttDrawer()->Draw(*canvas.vc);
    placed->ganttDrawer()->lastRect = {0, 0, 200, 200};
    QVERIFY(placed->ganttDrawer()->locateObject(5, 5) == nullptr);
    const QImage image = canvas.finish();
    QCOMPARE(image.pixel(110, 50), QColor(Qt::white).rgb());
}

void tst_plxGanttBar::resizeOperationEventsAndUndo()
{
    Chart c;
    PlainBar *bar = plainBar(c, 0, kMonday, kMonday + 3);
    TPLXDataSource source;
    int before = 0, after = 0;
    bool allow = false;
    double seenChange = 0;
    source.OnBeforeBarResize = [&](TPLXGanttBar *, bool &) { ++before; };
    source.OnBarResize = [&](TPLXGanttBar *, double changeX, int, bool, bool &allowed) {
        seenChange = changeX;
        allowed = allow;
    };
    source.OnAfterBarResize = [&](TPLXGanttBar *) { ++after; };

    TPLXBarResizeOperation refused(&source, bar, 2, 0, true);
    QVERIFY(!refused.perform());
    QCOMPARE(bar->getEndDate(), kMonday + 3);
    QCOMPARE(after, 0);

    allow = true;
    TPLXBarResizeOperation shrink(&source, bar, -10, 0, true);
    QVERIFY(shrink.perform());
    QCOMPARE(bar->getEndDate(), kMonday + 1); // clamped to one period
    QCOMPARE(shrink.EndDate, kMonday + 3);
    QVERIFY(shrink.undo());
    QCOMPARE(seenChange, 10.0);
    // The reverse of a clamped resize is not +10: undo lands where perform started.
    QCOMPARE(bar->getEndDate(), kMonday + 3);
    QCOMPARE(before, 3);
    QCOMPARE(after, 2);

    source.OnBeforeBarResize = [&](TPLXGanttBar *, bool &cancel) { cancel = true; };
    TPLXBarResizeOperation cancelled(&source, bar, 1, 0, false);
    QVERIFY(!cancelled.perform());
    QCOMPARE(bar->getStartDate(), kMonday);
}

void tst_plxGanttBar::assignTimeOperationRestoresExactly()
{
    Chart c;
    TPLXTaskBar *task = c.task(0, kMonday, kMonday + 2);
    const TPLXBarTimes stored = task->getTimes();
    TPLXDataSource source;
    TPLXBarAssignTimeOperation op(&source, task, kMonday + 7, kMonday + 10);
    QVERIFY(op.perform());
    QCOMPARE(task->getStartDate(), kMonday + 7);
    QCOMPARE(task->getEndDate(), kMonday + 10);
    QCOMPARE(task->getEffectiveDuration(), 3.0);
    QVERIFY(op.undo());
    const TPLXBarTimes restored = task->getTimes();
    QCOMPARE(restored.start, stored.start);
    QCOMPARE(restored.end, stored.end);
    QCOMPARE(restored.effective, stored.effective);

    // A cancelled assignment reports success and changes nothing.
    source.OnBeforeBarResize = [](TPLXGanttBar *, bool &cancel) { cancel = true; };
    TPLXBarAssignTimeOperation cancelled(&source, task, kMonday + 20, kMonday + 21);
    QVERIFY(cancelled.perform());
    QCOMPARE(task->getStartDate(), kMonday);
}

void tst_plxGanttBar::reflectedProperties()
{
    Chart c;
    PlainBar *bar = plainBar(c, 1, kMonday, kMonday + 2);
    QCOMPARE(bar->property("StartDate").toDouble(), kMonday);
    QCOMPARE(bar->property("duration").toDouble(), 2.0);
    QCOMPARE(bar->property("row").toInt(), 1);
    QVERIFY(bar->setProperty("EndDate", kMonday + 4));
    QCOMPARE(bar->getEndDate(), kMonday + 4);
    QVERIFY(bar->setProperty("PreventLeftAlign", true));
    QVERIFY(bar->preventLeftAlign());
}

QTEST_MAIN(tst_plxGanttBar)
#include "tst_plxGanttBar.moc"
