// PERT boxes: the summary of a row's task bars, box geometry per kind,
// drawing and hit tests, and the undoable box move.
#include "plxChartFixture.h"
#include "plxCompare.h"

#include "plxBarSettings.h"
#include "plxGanttRow.h"
#include "plxPertBar.h"
#include "plxTimeMode.h"

#include <QtTest>

using plxtest::Canvas;
using plxtest::Chart;
using plxtest::kMonday;

namespace {

void fillBoxSettings(TPLXPertBarSettings &s)
{
    s.setWidth(100);
    s.setHeight(60);
    s.setBorderThickness(2);
    s.setBorderColor(0x0000FF);
    s.setBackGroundColor(0x00FF00);
    s.setBackgroundSummaryColor(0xFF0000);
    s.setProgressBarColor(0x00FFFF);
    s.setProgressBarFinishedColor(0xFF00FF);
}

// A box of `settings` at (x, y), owned by row `row` of the chart.
TPLXPertBar *boxIn(Chart &c, int row, int x, int y)
{
    TPLXPertBarSettings settings;
    fillBoxSettings(settings);
    auto bar = std::make_unique<TPLXPertBar>(x, y, &settings);
    bar->setParent(c.table->getRow(row));
    return bar.release();
}

} // namespace

class tst_plxPertBar : public QObject
{
    Q_OBJECT

private slots:

    void boxGeometryFollowsKindDetailAndScroll()
    {
        Chart c(2);
        c.table->setPertStartX(20);
        c.table->setPertStartY(40);
        TPLXPertBar *box = boxIn(c, 0, 60, 100);
        // The chart starts at x = 100: box at 100 - 20 + 60, 100 - 40.
        const TRect plain{140, 60, 240, 120};
        QCOMPARE(box->getDrawer(vtPertGraph)->getRect(), (TRect{140, 60, 240, 150}));
        box->setDetailed(false);
        QCOMPARE(box->getDrawer(vtPertGraph)->getRect(), plain);

        box->setDetailed(true);
        box->SetPertType(plxpbtNoTimeSpan);
        QCOMPARE(box->getDrawer(vtPertGraph)->getRect(), plain);
        box->addAdditionalSection(new TPLXPertBarSection(new TPLXTextSettings()));
        box->addAdditionalSection(new TPLXPertBarSection(new TPLXTextSettings()));
        QCOMPARE(box->getDrawer(vtPertGraph)->getRect(), (TRect{140, 60, 240, 144}));

        box->setPertTypeValue(7);
        QCOMPARE(box->getDrawer(vtPertGraph)->getRect(), plain);

        TPLXFakePertBar fake(60, 100, box->getSettings());
        fake.setParent(c.table->getRow(1));
        QCOMPARE(fake.getDrawer(vtPertGraph)->getRect(), (TRect{140, 60, 140, 60}));
    }

    void updateRangeSummarizesTheRowsTaskBars()
    {
        Chart c(2);
        TPLXPertBar *box = boxIn(c, 0, 0, 0);
        // Tuesday 00:00 to Thursday 00:00: the last day included is Wednesday.
        TPLXTaskBar *a = c.task(0, kMonday + 1, kMonday + 3);
        TPLXTaskBar *b = c.task(0, kMonday + 1.5, kMonday + 2.5);
        a->SetProgress(20);
        b->SetProgress(50);
        a->setESTime(kMonday + 1);
        a->setLFTime(kMonday + 5);
        a->setLBTime(2);
        a->setGBTime(1.5);
        b->setESTime(kMonday + 0.5);
        b->setLFTime(kMonday + 4.25);
        b->setLBTime(1);
        b->setGBTime(2);
        box->UpdateRange();

        QVERIFY(box->hasTaskBar() && !box->isSummary());
        // Finishes at midnight show the day before: the latest finish, and the later earliest finish (a's, Thursday).
        PLX_COMPARE_EACH(double,
                         ({box->storedStart(), box->storedEnd(), double(box->getProgress()), box->getESTime(),
                           box->getLFTime(), box->getLSTime(), a->getEFTime(), box->getEFTime(), box->getLBTime(),
                           box->getGBTime(), box->getEffectiveDuration()}),
                         ({kMonday + 1, kMonday + 2, 35, kMonday + 0.5, kMonday + 4,
                           std::min(a->getLSTime(), b->getLSTime()), kMonday + 3, kMonday + 2, 3, 3.5,
                           a->getEffectiveDuration() + b->getEffectiveDuration()}));

        a->SetProgress(0);
        b->SetProgress(0);
        box->UpdateRange();
        QCOMPARE(box->getProgress(), 0);

        TPLXPertBar *empty = boxIn(c, 1, 0, 0);
        empty->UpdateRange();
        QVERIFY(empty->storedStart() == 0.0 && !empty->hasTaskBar() && empty->getProgress() == 0);
    }

    void drawingFillsTheBoxAndHitsIncludeTheDetails()
    {
        Chart c(2);
        TPLXPertBar *box = boxIn(c, 0, 20, 20);
        Canvas canvas(400, 300);
        TPLXDrawer *drawer = box->getDrawer(vtPertGraph);
        drawer->Draw(*canvas.vc);
        const QImage image = canvas.finish();
        // Box at (120, 20) - (220, 80); border 2 pixels.
        // The border's four sides, the empty main section, the progress band without progress,
        // left of the box and below it (no task bars: no detail area).
        QCOMPARE(plxtest::pixels(
                     image, {{120, 50}, {219, 50}, {170, 20}, {170, 79}, {200, 55}, {200, 73}, {119, 50}, {170, 100}}),
                 (QList<TColor>{0x0000FF, 0x0000FF, 0x0000FF, 0x0000FF, 0x00FF00, 0x00FF00, 0xFFFFFF, 0xFFFFFF}));
        // Without default box settings the table counts the corner only.
        QCOMPARE(c.table->getMaxPertCoords(), QPoint(120, 20));

        QCOMPARE(drawer->locateObject(150, 79), box);
        QCOMPARE(drawer->locateObject(150, 129), box); // the detail figures below
        QCOMPARE(drawer->locateObject(150, 130), nullptr);
        QCOMPARE(drawer->locateObject(119, 50), nullptr);
    }

    void summaryBoxAndProgressColours()
    {
        Chart c(1);
        TPLXPertBar *box = boxIn(c, 0, 20, 20);
        box->setIsSummary(true);
        const auto draw = [box] { return plxtest::drawn(box->getDrawer(vtPertGraph), 400, 300); };
        QCOMPARE(plxtest::pixel(draw(), 200, 70), TColor(0xFF0000));
        QCOMPARE(box->getDrawer(vtPertGraph)->getRect().Bottom, 80); // no detail area

        box->setIsSummary(false);
        box->setProgress(100);
        QCOMPARE(plxtest::pixel(draw(), 150, 75), TColor(0xFF00FF));
        box->setProgress(50);
        QCOMPARE(plxtest::pixels(draw(), {{140, 75}, {200, 75}}), (QList<TColor>{0x00FFFF, 0x00FF00}));
    }

    void moveSnapsComesToTopAndUndoRestores()
    {
        Chart c(3);
        TPLXPertBar *box = boxIn(c, 2, 40, 40);
        c.table->setZOrder(c.table->getRow(0), 0);
        c.table->setZOrder(c.table->getRow(1), 1);
        c.table->setZOrder(c.table->getRow(2), 2);
        c.table->setPertStartX(20);

        // (30 + 20, 51) snapped to the 20-pixel grid, halves to even.
        std::unique_ptr<TPLXOperation> op = box->moveTo(29.6, 51);
        QVERIFY(op->perform());
        QCOMPARE(QPoint(box->getX(), box->getY()), QPoint(40, 60));
        QCOMPARE(c.table->getZOrder(c.table->getRow(2)), 0); // a moved box comes to the top

        std::unique_ptr<TPLXOperation> clamped = box->moveTo(-200, -5);
        QVERIFY(clamped->perform());
        QCOMPARE(QPoint(box->getX(), box->getY()), QPoint(0, 0));
    }
};

QTEST_MAIN(tst_plxPertBar)
#include "tst_plxPertBar.moc"
