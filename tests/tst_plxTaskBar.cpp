// Task bars: the end derived from start and working time, the lock, moves,
// progress, overlap rules, persistence and the drawing of frame, body,
// weekend emphasis, progress strip and lock label.
#include "plxChartTestSupport.h"
#include "plxBarSettings.h"
#include "plxEntityFactory.h"
#include "plxGanttRow.h"
#include "plxRessourceStrings.h"
#include "plxVisualGoodie.h"

#include <QtTest>

using namespace chart;

class tst_plxTaskBar : public QObject
{
    Q_OBJECT

private slots:
    void endIsDerivedFromWorkingTime();
    void barWithoutWorkingTimeGetsOnePeriod();
    void startMovesTheEndAcrossWeekends();
    void setPeriodIgnoresTheEnd();
    void lockedBarRefusesChanges();
    void moveToPresentPlaceIsNoOperation();
    void progressIsClamped_data();
    void progressIsClamped();
    void neverOverlapsProgressPlaceholders();
    void calendarOperationsNeedAParent();
    void saveAndLoadRoundTrip();
    void loadRepairsAnEndBeforeTheStart();
    void drawsFrameBodyAndProgress();
    void weekendsAreBrightenedInDayModeOnly();
    void buffersAreHatchedAndBarFitsItsRow();
    void lockedBarShowsItsLabel();
    void skippedBarIsNotFound();
};

void tst_plxTaskBar::endIsDerivedFromWorkingTime()
{
    Chart c;
    TPLXTaskBar *bar = c.task(0, kMonday, kMonday + 2);
    QCOMPARE(bar->getEffectiveDuration(), 2.0);
    QCOMPARE(bar->FendDate, 0.0);
    QCOMPARE(bar->getEndDate(), kMonday + 2);
    QCOMPARE(bar->effectiveEnd(), kMonday + 2);
    QCOMPARE(bar->getDuration(), 2.0);
    // A start on Saturday works from Monday.
    TPLXTaskBar *weekend = c.task(1, kMonday + 5, kMonday + 9);
    QCOMPARE(weekend->effectiveStart(), kMonday + 7);
}

void tst_plxTaskBar::barWithoutWorkingTimeGetsOnePeriod()
{
    Chart c;
    TPLXTaskBar *bar = c.task(0, kMonday + 5, kMonday + 7); // Saturday to Monday
    QCOMPARE(bar->getEffectiveDuration(), 1.0);
    QCOMPARE(bar->getEndDate(), kMonday + 8); // Monday is the one working day
}

void tst_plxTaskBar::startMovesTheEndAcrossWeekends()
{
    Chart c;
    TPLXTaskBar *bar = c.task(0, kMonday, kMonday + 2);
    bar->setStartDate(kMonday + 7);
    QCOMPARE(bar->getEndDate(), kMonday + 9);
    bar->setStartDate(kMonday + 4); // Friday: Friday and Monday
    QCOMPARE(bar->getEndDate(), kMonday + 8);
    QCOMPARE(bar->getEffectiveDuration(), 2.0);
    bar->setEndDate(kMonday + 10); // to Thursday: Fri, Mon, Tue, Wed
    QCOMPARE(bar->getEffectiveDuration(), 4.0);
    bar->setEffectiveDuration(0.5);
    QCOMPARE(bar->getEndDate(), kMonday + 4.5);
}

void tst_plxTaskBar::setPeriodIgnoresTheEnd()
{
    Chart c;
    TPLXTaskBar *bar = c.task(0, kMonday, kMonday + 2);
    bar->getEffectiveDuration();
    bar->setPeriod(kMonday + 1, kMonday + 30);
    QCOMPARE(bar->getStartDate(), kMonday + 1);
    QCOMPARE(bar->getEndDate(), kMonday + 3);
}

void tst_plxTaskBar::lockedBarRefusesChanges()
{
    Chart c;
    TPLXTaskBar *bar = c.task(0, kMonday, kMonday + 2);
    bar->getEffectiveDuration();
    bar->setLocked(true);
    bar->setStartDate(kMonday + 7);
    bar->setEndDate(kMonday + 20);
    bar->setEffectiveDuration(9);
    QCOMPARE(bar->getStartDate(), kMonday);
    QCOMPARE(bar->getEndDate(), kMonday + 2);
    QCOMPARE(bar->getEffectiveDuration(), 2.0);
    QVERIFY(!bar->Resize(3, 0, true));
    QCOMPARE(bar->getEndDate(), kMonday + 2);
    auto op = bar->moveTo(kMonday + 14, 3);
    auto *move = dynamic_cast<TPLXBarMoveOperation *>(op.get());
    QVERIFY(move != nullptr);
    QCOMPARE(move->newStartDate, kMonday);
}

void tst_plxTaskBar::moveToPresentPlaceIsNoOperation()
{
    Chart c;
    TPLXTaskBar *bar = c.task(2, kMonday, kMonday + 2);
    QVERIFY(bar->moveTo(kMonday, 2) == nullptr);
    QVERIFY(bar->moveTo(kMonday, 1) != nullptr);
    // Resizing by nothing changes nothing.
    QVERIFY(!bar->Resize(0, 0, true));
    QVERIFY(bar->Resize(1, 0, true));
    QCOMPARE(bar->getEndDate(), kMonday + 3);
    QCOMPARE(bar->getEffectiveDuration(), 3.0);
}

void tst_plxTaskBar::progressIsClamped_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("expected");
    QTest::newRow("above") << 150 << 100;
    QTest::newRow("below") << -5 << 0;
    QTest::newRow("inside") << 42 << 42;
}

void tst_plxTaskBar::progressIsClamped()
{
    QFETCH(int, set);
    QFETCH(int, expected);
    TPLXTaskBar bar;
    bar.SetProgress(set);
    QCOMPARE(bar.getProgress(), expected);
    QVERIFY(bar.setProperty("Progress", set));
    QCOMPARE(bar.property("Progress").toInt(), expected);
}

void tst_plxTaskBar::neverOverlapsProgressPlaceholders()
{
    Chart c;
    TPLXTaskBar *bar = c.task(0, kMonday, kMonday + 2);
    bar->getRow();
    TPLXFakeBar placeholder;
    QVERIFY(bar->overlap(kMonday + 1, kMonday + 3, 0, &placeholder));
    placeholder.PLXTag = 80;
    QVERIFY(!bar->overlap(kMonday + 1, kMonday + 3, 0, &placeholder));
    placeholder.PLXTag = 84; // the placeholder of a task bar still counts
    QVERIFY(bar->overlap(kMonday + 1, kMonday + 3, 0, &placeholder));
}

void tst_plxTaskBar::calendarOperationsNeedAParent()
{
    TPLXTaskBar loose(kMonday, kMonday + 2, 0);
    QCOMPARE(loose.getEndDate(), kMonday + 2); // stored, nothing to derive
    try {
        loose.getEffectiveDuration();
        QFAIL("no assertion");
    } catch (const EPLXAssertionFailed &e) {
        QVERIFY2(e.message().contains(QLatin1String("src/framework/plxTaskBar")), qPrintable(e.message()));
        QVERIFY(e.message().contains(QLatin1String("Assertion fehlgeschlagen")));
    }
    QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, loose.setPeriod(1, 2));
    QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, loose.Resize(1, 0, true));
}

void tst_plxTaskBar::saveAndLoadRoundTrip()
{
    Chart c;
    TPLXTaskBar *bar = c.task(0, kMonday + 1, kMonday + 4);
    bar->FBufferTimeLeft = 0.5;
    bar->FBufferTimeRight = 0.25;
    bar->setFixed(true);
    bar->SetProgress(30);
    bar->textHalo()->FTextLeft = QStringLiteral("left text");
    bar->getEffectiveDuration(); // the end is derived from here on
    PLXMedia media = plxMediaFromText(QByteArray());
    TPLXEntityFactory factory;
    bar->doSave(QStringLiteral("bar"), *media, factory);
    QCOMPARE(media->realValue(QStringLiteral("bar"), QStringLiteral("end date"), -1), 0.0);
    QCOMPARE(media->strValue(QStringLiteral("bar"), QStringLiteral("typeID"), QString()), QStringLiteral("Task Bar"));

    TPLXEntityFactory loader;
    std::unique_ptr<TPLXGanttObject> loaded(loader.loadObject(QStringLiteral("bar"), *media, nullptr));
    auto *copy = dynamic_cast<TPLXTaskBar *>(loaded.get());
    QVERIFY(copy != nullptr);
    QCOMPARE(copy->FstartDate, kMonday + 1);
    QCOMPARE(copy->FBufferTimeLeft, 0.5);
    QCOMPARE(copy->FBufferTimeRight, 0.25);
    QCOMPARE(copy->FEffectiveDuration, 3.0);
    QVERIFY(copy->isFixed());
    QCOMPARE(copy->getProgress(), 30);
    QCOMPARE(copy->FendDate, 0.0);
    QVERIFY(copy->textHalo() != nullptr);
    QCOMPARE(copy->textHalo()->FTextLeft, QStringLiteral("left text"));
    QCOMPARE(copy->GetSettings()->FHeight, bar->GetSettings()->FHeight);
    // In a row of the chart the end is derived again.
    TPLXTaskBar *placed = copy;
    c.table->getRow(1)->AddBar(static_cast<TPLXTaskBar *>(loaded.release()));
    QCOMPARE(placed->getEndDate(), kMonday + 4);
}

void tst_plxTaskBar::loadRepairsAnEndBeforeTheStart()
{
    PLXMedia media = plxMediaFromText("[bar]\ntypeID=Task Bar\nstart date=45300\nend date=45290\n"
                                      "effective duration=2\nprogress=250\n");
    TPLXEntityFactory loader;
    std::unique_ptr<TPLXGanttObject> loaded(loader.loadObject(QStringLiteral("bar"), *media, nullptr));
    auto *bar = dynamic_cast<TPLXTaskBar *>(loaded.get());
    QVERIFY(bar != nullptr);
    QCOMPARE(bar->FendDate, 0.0); // derived from the working time instead
    QCOMPARE(bar->getProgress(), 250); // loaded as stored
    Chart c;
    c.table->getRow(0)->AddBar(static_cast<TPLXTaskBar *>(loaded.release()));
    QVERIFY(bar->getEndDate() > bar->getStartDate());
}

void tst_plxTaskBar::drawsFrameBodyAndProgress()
{
    Chart c(2, 30, 20);
    TPLXTaskBar *bar = c.task(0, kMonday, kMonday + 2);
    bar->SetProgress(50);
    bar->GetSettings()->FProgressColor = 0x00FF00;
    Canvas canvas(300, 100);
    bar->ganttDrawer()->Draw(*canvas.vc);
    const QImage image = canvas.finish();
    // Row 0 spans y 10..40; the 18-pixel bar is centred: 16..34, x 100..140.
    QCOMPARE(bar->ganttDrawer()->getRect(), (TRect{100, 16, 140, 34}));
    QCOMPARE(pixel(image, 100, 20), 0x000000); // frame
    QCOMPARE(pixel(image, 120, 16), 0x000000);
    QCOMPARE(pixel(image, 139, 33), 0x000000);
    QCOMPARE(pixel(image, 99, 20), 0xFFFFFF); // outside
    QCOMPARE(pixel(image, 140, 20), 0xFFFFFF);
    QCOMPARE(pixel(image, 120, 15), 0xFFFFFF);
    QCOMPARE(pixel(image, 120, 34), 0xFFFFFF);
    const TColor body = pixel(image, 105, 18);
    QVERIFY(body != 0xFFFFFF && body != 0x000000);
    QVERIFY(((body >> 16) & 0xFF) > 0xC0); // blue
    // Inner 101..139 x 17..33: strip 102.. x 22..28, half of 36 pixels wide.
    QCOMPARE(pixel(image, 102, 22), 0x00FF00);
    QCOMPARE(pixel(image, 119, 27), 0x00FF00);
    QVERIFY(pixel(image, 121, 25) != 0x00FF00);
    QVERIFY(pixel(image, 110, 20) != 0x00FF00);
    QCOMPARE(bar->ganttDrawer()->locateObject(120, 20), bar);

    // Focused: the table's thicker frame.
    bar->setFocused(true);
    Canvas focused(300, 100);
    bar->ganttDrawer()->Draw(*focused.vc);
    const QImage thick = focused.finish();
    QCOMPARE(pixel(thick, 103, 25), 0x000000);
    QCOMPARE(pixel(thick, 110, 19), 0x000000);
    QVERIFY(pixel(thick, 130, 21) != 0x000000);
}

void tst_plxTaskBar::weekendsAreBrightenedInDayModeOnly()
{
    Chart c(2, 30, 20);
    TPLXTaskBar *bar = c.task(0, kMonday + 4, kMonday + 8); // Friday to Tuesday
    bar->GetSettings()->getVisualGoodie()->FDrawStyle = dsDrawSolid;
    QCOMPARE(bar->getEffectiveDuration(), 2.0);
    Canvas canvas(400, 100);
    bar->ganttDrawer()->Draw(*canvas.vc);
    const QImage image = canvas.finish();
    // Friday x 180..200, Saturday 200..220, Sunday 220..240, Monday 240..260.
    const auto red = [&](int x) { return pixel(image, x, 18) & 0xFF; };
    QCOMPARE(red(190), 0);
    QCOMPARE(red(250), 0);
    QVERIFY(red(205) >= 0x40);
    QVERIFY(red(235) >= 0x40);

    c.calendar->SetTimeMode(tmWeek);
    c.doc.startDate = kMonday;
    Canvas weekly(400, 100);
    bar->ganttDrawer()->Draw(*weekly.vc);
    const QImage plain = weekly.finish();
    const TRect r = bar->ganttDrawer()->getRect();
    for (int x = r.Left + 2; x < r.Right - 2; ++x)
        QCOMPARE(pixel(plain, x, 18) & 0xFF, 0);
}

void tst_plxTaskBar::buffersAreHatchedAndBarFitsItsRow()
{
    Chart c(2, 30, 20);
    TPLXTaskBar *bar = c.task(0, kMonday, kMonday + 4);
    bar->FBufferTimeLeft = 1;
    bar->FBufferTimeRight = 1;
    TPLXVisualGoodie *goodie = bar->GetSettings()->getVisualGoodie();
    goodie->FDrawStyle = dsDrawSolid;
    goodie->FSFColor = 0x0000FF;
    goodie->FPatternColor = 0x00FF00;
    goodie->FBrushStyle = bsDiagCross;
    Canvas canvas(300, 100);
    bar->ganttDrawer()->Draw(*canvas.vc);
    const QImage image = canvas.finish();
    // Body 120..160 solid red; the buffers 101..120 and 160..179 carry the green hatch.
    for (int x = 122; x < 158; x += 5)
        QCOMPARE(pixel(image, x, 18), 0x0000FF);
    const auto greenIn = [&](int from, int to) {
        int n = 0;
        for (int x = from; x < to; ++x)
            for (int y = 17; y < 22; ++y)
                n += pixel(image, x, y) == 0x00FF00 ? 1 : 0;
        return n;
    };
    QVERIFY(greenIn(101, 120) > 5);
    QVERIFY(greenIn(160, 179) > 5);
    QCOMPARE(greenIn(121, 159), 0);

    // A row lower than the bar: the bar takes the row's height, no more.
    c.table->getRow(1)->setHeight(10);
    TPLXTaskBar *flat = c.task(1, kMonday, kMonday + 1);
    const TRect r = flat->getRect(kMonday);
    QCOMPARE(r.Top, 40);
    QCOMPARE(r.Bottom, 50);
}

void tst_plxTaskBar::lockedBarShowsItsLabel()
{
    CreateDefaultRessources_ENG();
    Chart c(2, 40, 40);
    TPLXTaskBar *bar = c.task(0, kMonday, kMonday + 3);
    bar->GetSettings()->FHeight = 40;
    bar->GetSettings()->getVisualGoodie()->FDrawStyle = dsDrawSolid;
    Canvas open(400, 100);
    bar->ganttDrawer()->Draw(*open.vc);
    const QImage before = open.finish();
    bar->setLocked(true);
    Canvas locked(400, 100);
    bar->ganttDrawer()->Draw(*locked.vc);
    const QImage after = locked.finish();
    QVERIFY(!GetRessourceValue(QStringLiteral("df_fixedtaskbar")).isEmpty());
    // The label box starts at the top-left of the progress strip.
    const TRect inner = static_cast<TPLXTaskBarDrawer *>(bar->ganttDrawer())->inner;
    int changed = 0;
    for (int y = inner.Top; y < inner.Top + 12; ++y) {
        for (int x = inner.Left; x < inner.Left + 20; ++x)
            changed += before.pixel(x, y) != after.pixel(x, y) ? 1 : 0;
    }
    QVERIFY(changed > 20);
    // Nothing changes far from the label.
    QCOMPARE(before.pixel(inner.Right - 2, inner.Bottom - 1), after.pixel(inner.Right - 2, inner.Bottom - 1));
}

void tst_plxTaskBar::skippedBarIsNotFound()
{
    Chart c;
    TPLXTaskBar *bar = c.task(1, kMonday, kMonday + 2);
    Canvas canvas(300, 100);
    bar->ganttDrawer()->Draw(*canvas.vc);
    QVERIFY(bar->ganttDrawer()->locateObject(110, 55) == bar);
    c.table->getRow(1)->setCollapsed(true);
    bar->ganttDrawer()->Draw(*canvas.vc);
    QVERIFY(bar->ganttDrawer()->locateObject(110, 55) == nullptr);
    c.table->getRow(1)->setCollapsed(false);
    c.doc.startDate = kMonday + 3; // the bar ends before the visible range
    bar->ganttDrawer()->Draw(*canvas.vc);
    QCOMPARE(bar->ganttDrawer()->getRect(), (TRect{-1, -1, -1, -1}));
}

QTEST_MAIN(tst_plxTaskBar)
#include "tst_plxTaskBar.moc"
