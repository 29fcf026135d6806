// Progress and summary bars: geometry, drawing, overlap rules, and the summary's group move with exact undo, and its
// delete (whose exact undo the random sequences of tst_plxRowOperation check).
#include "plxBarSettings.h"
#include "plxChartFixture.h"
#include "plxCompare.h"
#include "plxDataSource.h"
#include "plxDocumentFixture.h"
#include "plxPlatform.h"
#include "plxProgressBar.h"
#include "plxRowOperation.h"
#include "plxSummaryBar.h"
#include "plxSummarySpans.h"
#include "plxTreeFixture.h"

#include <QtTest>

namespace {

using plxtest::kMonday;
using plxtest::pixels;
constexpr TRect kNoRect{-1, -1, -1, -1};

// A chart with a task tree over its rows and the two document bar settings
// the strip geometry reads (task bars 10 high, progress strips 14 high).
struct GroupChart : plxtest::Chart
{
    TPLXTaskBarSettings *taskSettings = std::make_unique<TPLXTaskBarSettings>().release();
    TPLXProgressBarSettings *progressSettings = std::make_unique<TPLXProgressBarSettings>().release();

    GroupChart(const QList<int> &levels, int rowHeight)
        : Chart(static_cast<int>(levels.size()), rowHeight, 20)
    {
        taskSettings->setParent(&doc);
        taskSettings->setHeight(10);
        progressSettings->setParent(&doc);
        progressSettings->setHeight(14);
        progressSettings->setColor(0x008000);
        progressSettings->setBorderColor(0x000000);
        doc.taskBar = taskSettings;
        doc.progressBar = progressSettings;
        doc.tree = plxtest::attachTree(&doc, levels);
    }
    TPLXProgressBar *progress(int row, double start, double end)
    {
        return add(row, std::make_unique<TPLXProgressBar>(start, end, row));
    }
    TPLXSummaryBar *summary(int row) { return add(row, std::make_unique<TPLXSummaryBar>()); }
    template<typename Bar>
    Bar *add(int row, std::unique_ptr<Bar> bar) // the row owns it from here
    {
        table->getRow(row)->AddBar(bar.get());
        return bar.release();
    }
};

int countColour(const QImage &image, const QRect &area, TColor colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += plxtest::pixel(image, x, y) == colour ? 1 : 0;
    return n;
}

QImage drawn(TPLXGanttBar *bar)
{
    return plxtest::drawn(bar->getDrawer(vtGanttGraph), 400, 200);
}

// A plan loaded through a data source, with a task tree attached to its document:
// rows 0 G (group), 1 and 2 tasks of G, 3 H (group in G), 4 task of H, 5 outside.
struct Plan : plxtest::LoadedPlan
{
    TPLXSummaryBar *outer = new TPLXSummaryBar();
    TPLXSummaryBar *inner = new TPLXSummaryBar();

    Plan()
        : LoadedPlan({{{},
                       {{{QStringLiteral("T1"), kMonday, 2}}},
                       {{{QStringLiteral("T2"), kMonday + 1, 3}}},
                       {},
                       {{{QStringLiteral("T4"), kMonday + 2, 1}}},
                       {{{QStringLiteral("T5"), kMonday, 1}}}}},
                     {0, 1, 1, 1, 2, 0})
    {
        table->getRow(0)->AddBar(outer);
        table->getRow(3)->AddBar(inner);
        table->UpdateSummaryBars();
    }
    TPLXGanttBar *bar(int row) const { return table->getRow(row)->GetBarInRow(0); }
    QList<TDateTime> starts() const
    {
        return {bar(1)->getStartDate(), bar(2)->getStartDate(), bar(4)->getStartDate(), bar(5)->getStartDate()};
    }
};

} // namespace

class tst_plxSummaryBar : public QObject
{
    Q_OBJECT

private slots:
    void progressBarGeometryOverlapAndDrawing()
    {
        GroupChart c({0, 0}, 30);
        TPLXProgressBar *p = c.progress(0, kMonday + 1, kMonday + 3);
        TPLXTaskBar *t = c.task(0, kMonday + 2, kMonday + 4);

        // Row 0 is 10..40; a 10-high task sits at 20..30, so the 14-high strip is 30..44
        // (taller than what is left of the row: the strip is not clipped to it).
        QCOMPARE(p->getRect(kMonday), (TRect{120, 30, 160, 44}));
        c.taskSettings->setHeight(7); // m = 25, nearest(3.5) = 4 (ties to even)
        QCOMPARE(p->getRect(kMonday), (TRect{120, 28, 160, 42}));
        c.taskSettings->setHeight(10);

        // Task bars and progress bars share rows, whichever is being placed.
        QVERIFY(!p->overlap(kMonday + 2, kMonday + 3, 0, t) && !t->overlap(kMonday + 1, kMonday + 2, 0, p));
        QCOMPARE(c.table->barInRange(kMonday + 1, kMonday + 3, 0, t), nullptr);
        TPLXProgressBar other(kMonday + 2, kMonday + 3, 0);
        QVERIFY(p->overlap(kMonday + 2, kMonday + 3, 0, &other) && !p->overlap(kMonday + 2, kMonday + 3, 1, &other));
        // The placeholder of a task bar being drawn out is tagged 84 and never collides.
        TPLXFakeBar placeholder(kMonday + 2, kMonday + 3, 0);
        placeholder.setPLXTag(84);
        QVERIFY(!p->overlap(kMonday + 2, kMonday + 3, 0, &placeholder));
        placeholder.setPLXTag(83);
        QVERIFY(p->overlap(kMonday + 2, kMonday + 3, 0, &placeholder));

        TPLXGanttBarDrawer *drawer = p->ganttDrawer();
        constexpr TColor black = 0x000000, green = 0x008000;

        // Without settings of its own the bar takes the document's, shared: black
        // border, green fill, nothing above the strip.
        QCOMPARE(pixels(drawn(p), {{120, 36}, {140, 30}, {122, 37}, {140, 37}, {140, 29}}),
                 (QList<TColor>{black, black, green, green, 0xFFFFFF}));
        QCOMPARE(drawer->getRect(), (TRect{121, 31, 159, 43}));
        QVERIFY(drawer->locateObject(121, 31) == p && !drawer->locateObject(120, 30));

        // Focus: a black frame of the table's focus thickness inside the border.
        c.table->setFocusedFrameThickness(3);
        p->setFocused(true);
        QCOMPARE(pixels(drawn(p), {{123, 37}, {140, 33}, {140, 37}}), (QList<TColor>{black, black, green}));
        p->setFocused(false);

        // Outside the document's dates or in a collapsed row nothing is drawn or found.
        c.doc.startDate = kMonday + 4;
        const QImage image = drawn(p);
        QCOMPARE(drawer->getRect(), kNoRect);
        QCOMPARE(countColour(image, image.rect(), 0x0000FF), 0);
        c.doc.startDate = kMonday;
        c.table->getRow(0)->setCollapsed(true);
        (void)drawn(p);
        QCOMPARE(drawer->locateObject(140, 37), nullptr);
    }

    void summaryRange_data()
    {
        // Rows: 0 G, 1 and 2 in G, 3 H in G, 4 and 5 in H, 6 outside. Bars are given
        // as (row, start day, end day); odd rows hold progress bars instead of tasks.
        QTest::addColumn<QList<QList<int>>>("bars");
        QTest::addColumn<QList<double>>("spans"); // outer start, end, inner start, end (0: none)
        const auto row = [](const char *name, const QList<QList<int>> &bars, const QList<double> &spans) {
            QTest::newRow(name) << bars << spans;
        };
        row("tasks 10-12 and 11-15", {{1, 10, 12}, {2, 11, 15}, {6, 1, 30}}, {10, 15, 0, 0});
        row("a wider nested group widens the outer", {{1, 10, 12}, {2, 11, 15}, {4, 8, 9}, {5, 14, 20}},
            {8, 20, 8, 20});
        row("a narrower nested group does not", {{1, 10, 12}, {2, 11, 15}, {5, 12, 13}}, {10, 15, 12, 13});
        row("only the nested group has bars", {{4, 3, 5}}, {3, 5, 3, 5});
        row("no summarizable bars", {{6, 1, 30}}, {0, 0, 0, 0});
    }

    void summaryRange()
    {
        QFETCH(QList<QList<int>>, bars);
        QFETCH(QList<double>, spans);

        GroupChart c({0, 1, 1, 1, 2, 2, 0}, 20);
        TPLXSummaryBar *g = c.summary(0);
        TPLXSummaryBar *h = c.summary(3);
        for (const QList<int> &b : bars) {
            // Progress bars count as much as task bars.
            if (b[0] % 2)
                c.progress(b[0], kMonday + b[1], kMonday + b[2]);
            else
                c.task(b[0], kMonday + b[1], kMonday + b[2]);
        }
        // Stale dates are thrown away, not merged.
        g->setTimes({kMonday - 50, kMonday + 99, 0});
        c.table->UpdateSummaryBars();

        QList<double> got;
        for (TPLXSummaryBar *bar : {g, h})
            for (double date : {bar->getStartDate(), bar->getEndDate()})
                got << (date ? date - kMonday : 0);
        QCOMPARE(got, spans);
        PLX_COMPARE_EACH(int, ({g->GetStartRow(), g->GetEndRow(), h->GetStartRow(), h->GetEndRow()}), ({1, 5, 4, 5}));
        QCOMPARE(g->getChildList(), c.table->allBarsIn(1, 5));
        QVERIFY(g->getChildList().contains(h));

        // Nothing else goes into a summary's row; it cannot be resized or moved off it.
        QVERIFY(g->overlap(kMonday + 200, kMonday + 201, 0, nullptr));
        QVERIFY(!g->overlap(kMonday + 10, kMonday + 12, 1, nullptr));
        QVERIFY(g->inRow(0) && !g->inRow(1) && !g->canMoveVertically());
        const TPLXBarTimes before = g->getTimes();
        QVERIFY(g->Resize(3, 1, true));
        QCOMPARE(g->getTimes().end, before.end);
    }

    void summaryDrawing_data()
    {
        QTest::addColumn<int>("rowHeight");
        QTest::addColumn<int>("strip");
        QTest::addColumn<int>("triangle");
        QTest::newRow("row 20") << 20 << 5 << 10;
        QTest::newRow("row 40") << 40 << 6 << 12;
    }

    void summaryDrawing()
    {
        QFETCH(int, rowHeight);
        QFETCH(int, strip);
        QFETCH(int, triangle);

        GroupChart c({0, 1, 0}, rowHeight);
        TPLXSummaryBar *g = c.summary(0);
        c.task(1, kMonday + 2, kMonday + 6);
        c.table->UpdateSummaryBars();
        constexpr TColor blue = 0xFF0000, white = 0xFFFFFF;
        g->setColor(blue);

        // Spans x 140..220; its row starts at y 10: the strip, a triangle down at each end, nothing left or right of
        // it.
        const int t = 10;
        QCOMPARE(pixels(drawn(g), {{180, t},
                                   {180, t + strip - 1},
                                   {180, t + strip},
                                   {141, t + triangle - 2},
                                   {141, t + triangle + 1},
                                   {219, t + triangle - 2},
                                   {219, t + triangle + 1},
                                   {139, t},
                                   {221, t}}),
                 (QList<TColor>{blue, blue, white, blue, white, blue, white, white, white}));

        // Hits in its own row only; its rectangle reaches down to the group's end.
        TPLXGanttBarDrawer *drawer = g->ganttDrawer();
        QCOMPARE(drawer->getRect(), (TRect{140, t, 220, t + rowHeight}));
        QVERIFY(drawer->locateObject(141, t + rowHeight - 1) == g && !drawer->locateObject(141, t + rowHeight));
        QCOMPARE(g->getRect(kMonday), (TRect{140, t, 220, t + 2 * rowHeight}));

        // Focus hatches the strip white; highlighting frames the whole group in red dots.
        g->setFocused(true);
        drawer->setHighlighted(true);
        QImage image = drawn(g);
        const QRect stripArea(160, t, 40, strip);
        QVERIFY(countColour(image, stripArea, white) > 0 && countColour(image, stripArea, blue) > 0);
        QVERIFY(countColour(image, QRect(138, t + rowHeight, 1, rowHeight), 0x0000FF) > 0);

        // A collapsed summary row is neither drawn nor found.
        c.table->getRow(0)->setCollapsed(true);
        image = drawn(g);
        QCOMPARE(countColour(image, image.rect(), blue), 0);
        QCOMPARE(drawer->getRect(), kNoRect);
    }

    void summaryMoveAndDelete()
    {
        Plan plan;
        QCOMPARE(plan.outer->getStartDate(), kMonday);
        const QStringList before = plan.state();
        const QList<TDateTime> starts = plan.starts();

        // Within the summary's own day: nothing to do.
        auto same = plan.outer->moveTo(kMonday + 0.25, 3);
        QVERIFY(static_cast<TPLXMultipleOperations *>(same.get())->isDisabled());
        QVERIFY(!plan.run(std::move(same)));
        QCOMPARE(plan.state(), before);

        // A refusing application stops the whole group, not just one bar.
        plan.ds.setOnGanttBarMove(
            [&](TPLXGanttBar *bar, int, TDateTime, bool &allowed) { allowed = bar != plan.bar(4); });
        QVERIFY(!plan.run(plan.outer->moveTo(kMonday + 7, 0)));
        QCOMPARE(plan.state(), before);
        plan.ds.setOnGanttBarMove(nullptr);

        // One week later: every bar of the group (the nested one's included) moves
        // once, each keeps its row and working time; the row outside stays.
        QVERIFY(plan.run(plan.outer->moveTo(kMonday + 7, 0)));
        QCOMPARE(plan.starts(), (QList<TDateTime>{starts[0] + 7, starts[1] + 7, starts[2] + 7, starts[3]}));
        QCOMPARE(plan.bar(2)->getEffectiveDuration(), 3.0);
        PLX_COMPARE_EACH(TDateTime, ({plan.outer->getStartDate(), plan.inner->getStartDate()}),
                         ({kMonday + 7, kMonday + 9}));
        QVERIFY(plan.stack().undo());
        QCOMPARE(plan.state(), before);

        // The nested summary moves only its own rows.
        QVERIFY(plan.run(plan.inner->moveTo(plan.inner->getStartDate() - 7, 3)));
        QCOMPARE(plan.starts(), (QList<TDateTime>{starts[0], starts[1], starts[2] - 7, starts[3]}));
        QVERIFY(plan.stack().undo());

        TPLXGanttBar *outside = plan.bar(5);
        QVERIFY(plan.run(std::make_unique<TPLXSummaryBarDeleteOperation>(&plan.ds, plan.outer)));
        // The group's rows hang under the root now, the plain ones without bars;
        // neither G nor H is a group any more, so neither keeps a summary bar.
        QCOMPARE(plxtest::levels(plan.tree), (QList<int>{0, 0, 0, 0, 0, 0}));
        QCOMPARE(plan.table->countRows(), 6);
        for (int row = 0; row < 5; ++row)
            QCOMPARE(plan.table->getRow(row)->GetBarCount(), 0);
        QCOMPARE(plan.bar(5), outside);
    }

    // The refresh of all summaries answers from an index; it must agree with the
    // row walk on every run, zero and negative dates included.
    void spanIndexMatchesTheWalk()
    {
        QRandomGenerator random(11);
        const double dates[] = {0, -4, -1, 2, 5, 9, 30};
        for (int round = 0; round < 40; ++round) {
            GroupChart chart(QList<int>(1 + random.bounded(12), 0), 20);
            const QList<TPLXGanttRow *> &rows = chart.table->rows();
            for (int row = 0; row < rows.size(); ++row)
                for (int k = random.bounded(3); k > 0; --k) {
                    const double start = dates[random.bounded(7)];
                    chart.progress(row, start, start + dates[random.bounded(7)]);
                }
            const TPLXSummarySpans spans(rows);
            for (int first = -1; first <= rows.size(); ++first)
                for (int last = first - 1; last <= rows.size(); ++last)
                    QCOMPARE(spans.span(first, last), TPLXSummarySpans::spanOf(rows, first, last));
        }
    }
};

QTEST_MAIN(tst_plxSummaryBar)
#include "tst_plxSummaryBar.moc"
