// Task bars: the end derived from start and working time, the lock, moves, progress, overlap rules, a bad stored end
// and the drawing of frame, body, weekend emphasis, progress strip and lock label.
#include "plxBarSettings.h"
#include "plxChartFixture.h"
#include "plxCompare.h"
#include "plxEntityFactory.h"
#include "plxPlatform.h"
#include "plxRessourceStrings.h"
#include "plxVisualGoodie.h"

#include <QtTest>

using namespace plxtest;

// The bar's own drawing on a fresh canvas.
static QImage draw(TPLXTaskBar *bar, int width = 300, int height = 100)
{
    return drawn(bar->ganttDrawer(), width, height);
}

class tst_plxTaskBar : public QObject
{
    Q_OBJECT

private slots:
    void workingTimeLockResizeAndMove()
    {
        Chart c;
        TPLXTaskBar *bar = c.task(0, kMonday, kMonday + 2);
        // Once the working time is known the end is derived, not stored.
        PLX_COMPARE_EACH(double, ({bar->getEffectiveDuration(), bar->storedEnd(), bar->getEndDate()}),
                         ({2.0, 0.0, kMonday + 2}));
        bar->setStartDate(kMonday + 4); // Friday: Friday and Monday
        QCOMPARE(bar->getEndDate(), kMonday + 8);
        bar->setEndDate(kMonday + 10); // to Thursday: Fri, Mon, Tue, Wed
        QCOMPARE(bar->getEffectiveDuration(), 4.0);
        bar->setEffectiveDuration(0.5);
        QCOMPARE(bar->getEndDate(), kMonday + 4.5);
        bar->setPeriod(kMonday + 1, kMonday + 30); // keeps the working time, not the end
        QCOMPARE(bar->getEndDate(), kMonday + 1.5);
        // Saturday to Monday has no working time: it gets one period, which starts on Monday.
        TPLXTaskBar *empty = c.task(2, kMonday + 5, kMonday + 7);
        PLX_COMPARE_EACH(double, ({empty->getEffectiveDuration(), empty->effectiveStart(), empty->getEndDate()}),
                         ({1.0, kMonday + 7, kMonday + 8}));

        bar = c.task(3, kMonday, kMonday + 2);
        QVERIFY(bar->moveTo(kMonday, 3) == nullptr && bar->moveTo(kMonday, 1) != nullptr); // none to where it is
        QVERIFY(!bar->Resize(0, 0, true) && bar->Resize(1, 0, true));
        PLX_COMPARE_EACH(double, ({bar->getEndDate(), bar->getEffectiveDuration()}), ({kMonday + 3, 3.0}));

        bar->setLocked(true);
        bar->setStartDate(kMonday + 7);
        bar->setEndDate(kMonday + 20);
        bar->setEffectiveDuration(9);
        QVERIFY(!bar->Resize(3, 0, true));
        PLX_COMPARE_EACH(double, ({bar->getStartDate(), bar->getEndDate(), bar->getEffectiveDuration()}),
                         ({kMonday, kMonday + 3, 3.0}));
        // A locked bar may change rows but keeps its start.
        auto op = bar->moveTo(kMonday + 14, 0);
        auto *move = dynamic_cast<TPLXBarMoveOperation *>(op.get());
        QVERIFY(move != nullptr && move->getNewStartDate() == kMonday);
    }

    void progressOverlapAndLooseBar()
    {
        Chart c;
        TPLXTaskBar *bar = c.task(0, kMonday, kMonday + 2);
        bar->SetProgress(150);
        QCOMPARE(bar->getProgress(), 100);
        QVERIFY(bar->setProperty("Progress", -5));
        QCOMPARE(bar->property("Progress").toInt(), 0);
        // Progress placeholders (tag 80) never overlap; that of a task bar (84) does.
        TPLXFakeBar placeholder;
        QVERIFY(bar->overlap(kMonday + 1, kMonday + 3, 0, &placeholder));
        placeholder.setPLXTag(80);
        QVERIFY(!bar->overlap(kMonday + 1, kMonday + 3, 0, &placeholder));
        placeholder.setPLXTag(84);
        QVERIFY(bar->overlap(kMonday + 1, kMonday + 3, 0, &placeholder));

        // Without a row there is no calendar to work with.
        TPLXTaskBar loose(kMonday, kMonday + 2, 0);
        QCOMPARE(loose.getEndDate(), kMonday + 2); // stored, nothing to derive
        QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, loose.getEffectiveDuration());
        QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, loose.setPeriod(1, 2));
        QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, loose.Resize(1, 0, true));
    }

    // The stored keys are the whole-document round trips' business; a bad end is this one's.
    void loadingDropsAnEndBeforeTheStart()
    {
        Chart c;
        TPLXEntityFactory repairer;
        // An end before the start is dropped and derived instead; progress past 100 is clamped and logged.
        TPLXRecordingScope recording;
        PLXMedia bad = plxtest::mediaFromText("[bar]\ntypeID=Task Bar\nstart date=45300\nend date=45290\n"
                                              "effective duration=2\nprogress=250\n");
        std::unique_ptr<TPLXGanttObject> repaired(repairer.loadObject(QStringLiteral("bar"), *bad, nullptr));
        auto *fixedUp = dynamic_cast<TPLXTaskBar *>(repaired.get());
        QVERIFY(fixedUp != nullptr);
        PLX_COMPARE_EACH(double, ({fixedUp->storedEnd(), double(fixedUp->getProgress())}), ({0.0, 100}));
        QCOMPARE(recording.recorder().logLines().last(), "Key \"progress\" in section \"bar\" is 250; using 100");
        c.table->getRow(0)->AddBar(static_cast<TPLXTaskBar *>(repaired.release()));
        QVERIFY(fixedUp->getEndDate() > fixedUp->getStartDate());
    }

    void drawsFrameBodyAndProgress()
    {
        Chart c(2, 30, 20);
        TPLXTaskBar *bar = c.task(0, kMonday, kMonday + 2);
        bar->SetProgress(50);
        bar->GetSettings()->setProgressColor(0x00FF00);
        const QImage image = draw(bar);
        // Row 0 spans y 10..40; the 18-pixel bar is centred: 16..34, x 100..140.
        QCOMPARE(bar->ganttDrawer()->getRect(), (TRect{100, 16, 140, 34}));
        // Frame, then the four pixels just outside it.
        QCOMPARE(pixels(image, {{100, 20}, {120, 16}, {139, 33}, {99, 20}, {140, 20}, {120, 15}, {120, 34}}),
                 (QList<TColor>{0, 0, 0, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF}));
        const TColor body = pixel(image, 105, 18);
        QVERIFY(body != 0xFFFFFF && ((body >> 16) & 0xFF) > 0xC0); // blue
        // Inner 101..139 x 17..33: strip 102.. x 22..28, half of 36 pixels wide.
        QCOMPARE(pixels(image, {{102, 22}, {119, 27}}), (QList<TColor>{0x00FF00, 0x00FF00}));
        QVERIFY(pixel(image, 121, 25) != 0x00FF00 && pixel(image, 110, 20) != 0x00FF00);
        QCOMPARE(bar->ganttDrawer()->locateObject(120, 20), bar);

        // Focused: the table's thicker frame.
        bar->setFocused(true);
        const QImage thick = draw(bar);
        QCOMPARE(pixels(thick, {{103, 25}, {110, 19}}), (QList<TColor>{0, 0}));
        QVERIFY(pixel(thick, 130, 21) != 0x000000);

        // A bar in a collapsed row or before the visible range is not drawn, so not found.
        c.table->getRow(0)->setCollapsed(true);
        draw(bar);
        QVERIFY(bar->ganttDrawer()->locateObject(120, 20) == nullptr);
        c.table->getRow(0)->setCollapsed(false);
        c.doc.startDate = kMonday + 3;
        draw(bar);
        QCOMPARE(bar->ganttDrawer()->getRect(), (TRect{-1, -1, -1, -1}));
    }

    void weekendsAreBrightenedInDayModeOnly()
    {
        Chart c(2, 30, 20);
        TPLXTaskBar *bar = c.task(0, kMonday + 4, kMonday + 8); // Friday to Tuesday
        bar->GetSettings()->getVisualGoodie()->setDrawStyle(dsDrawSolid);
        const QImage image = draw(bar, 400);
        // Friday x 180..200, Saturday 200..220, Sunday 220..240, Monday 240..260.
        const auto red = [&](int x) { return pixel(image, x, 18) & 0xFF; };
        QCOMPARE(red(190) + red(250), 0);
        QVERIFY(red(205) >= 0x40 && red(235) >= 0x40);
        // A bar without an end in sight brightens the same visible weekends: only
        // the visible part of it is searched.
        TPLXTaskBar *endless = c.task(1, kMonday + 4, 1e308);
        endless->GetSettings()->getVisualGoodie()->setDrawStyle(dsDrawSolid);
        const QImage far = draw(endless, 400);
        const auto farRed = [&](int x) { return pixel(far, x, 48) & 0xFF; };
        QCOMPARE(farRed(190) + farRed(250), 0);
        QVERIFY(farRed(205) >= 0x40 && farRed(235) >= 0x40 && farRed(345) >= 0x40 && farRed(375) >= 0x40);
        // Past the calendar's exact range the same answer comes back; the search ends anyway.
        c.doc.startDate = 1e15;
        c.doc.endDate = 1e15 + 365;
        TPLXTaskBar *distant = c.task(1, 1e15, 1e15 + 8);
        draw(distant, 400);
        QCOMPARE(distant->ganttDrawer()->getRect(), (TRect{100, 46, 260, 64}));
        c.doc.startDate = kMonday;
        c.doc.endDate = kMonday + 365;

        c.calendar->SetTimeMode(tmWeek);
        const QImage plain = draw(bar, 400);
        const TRect r = bar->ganttDrawer()->getRect();
        for (int x = r.Left + 2; x < r.Right - 2; ++x)
            QCOMPARE(pixel(plain, x, 18) & 0xFF, 0);
    }

    void buffersAreHatchedAndBarFitsItsRow()
    {
        Chart c(2, 30, 20);
        TPLXTaskBar *bar = c.task(0, kMonday, kMonday + 4);
        bar->setBufferTimeLeft(1);
        bar->setBufferTimeRight(1);
        TPLXVisualGoodie *goodie = bar->GetSettings()->getVisualGoodie();
        goodie->setDrawStyle(dsDrawSolid);
        goodie->setSFColor(0x0000FF);
        goodie->setPatternColor(0x00FF00);
        goodie->setBrushStyle(bsDiagCross);
        const QImage image = draw(bar);
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
        QVERIFY(greenIn(101, 120) > 5 && greenIn(160, 179) > 5);
        QCOMPARE(greenIn(121, 159), 0);

        // A row lower than the bar: the bar takes the row's height, no more.
        c.table->getRow(1)->setHeight(10);
        const TRect r = c.task(1, kMonday, kMonday + 1)->getRect(kMonday);
        PLX_COMPARE_EACH(int, ({r.Top, r.Bottom}), ({40, 50}));
    }

    void lockedBarShowsItsLabel()
    {
        CreateDefaultRessources_ENG();
        Chart c(2, 40, 40);
        TPLXTaskBar *bar = c.task(0, kMonday, kMonday + 3);
        bar->GetSettings()->setHeight(40);
        bar->GetSettings()->getVisualGoodie()->setDrawStyle(dsDrawSolid);
        const QImage before = draw(bar, 400);
        bar->setLocked(true);
        const QImage after = draw(bar, 400);
        // The label box starts at the top-left of the progress strip; nothing changes far from it.
        const TRect inner = static_cast<TPLXTaskBarDrawer *>(bar->ganttDrawer())->getInner();
        int changed = 0;
        for (int y = inner.Top; y < inner.Top + 12; ++y)
            for (int x = inner.Left; x < inner.Left + 20; ++x)
                changed += before.pixel(x, y) != after.pixel(x, y) ? 1 : 0;
        QVERIFY(changed > 20);
        QCOMPARE(before.pixel(inner.Right - 2, inner.Bottom - 1), after.pixel(inner.Right - 2, inner.Bottom - 1));
    }
};

QTEST_MAIN(tst_plxTaskBar)
#include "tst_plxTaskBar.moc"
