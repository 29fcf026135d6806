// Progress and summary bars: geometry, drawing, overlap rules, storage, and
// the summary's group move and delete with exact undo.
#include "plxBarSettings.h"
#include "plxChartTestSupport.h"
#include "plxDataSource.h"
#include "plxDocumentFixture.h"
#include "plxPlatform.h"
#include "plxProgressBar.h"
#include "plxSummaryBar.h"
#include "plxTreeFixture.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

using chart::kMonday;

// A chart with a task tree over its rows and the two document bar settings
// the strip geometry reads (task bars 10 high, progress strips 14 high).
struct GroupChart : chart::Chart
{
    TPLXTaskBarSettings *taskSettings = nullptr;
    TPLXProgressBarSettings *progressSettings = nullptr;

    GroupChart(const QList<int> &levels, int rowHeight) : Chart(static_cast<int>(levels.size()), rowHeight, 20)
    {
        auto task = std::make_unique<TPLXTaskBarSettings>();
        task->FHeight = 10;
        task->setParent(&doc);
        taskSettings = task.release();
        auto progress = std::make_unique<TPLXProgressBarSettings>();
        progress->FHeight = 14;
        progress->FColor = 0x008000;
        progress->FBorderColor = 0x000000;
        progress->setParent(&doc);
        progressSettings = progress.release();
        doc.taskBar = taskSettings;
        doc.progressBar = progressSettings;
        doc.tree = treefix::attachTree(&doc, levels);
    }

    template<typename Bar>
    Bar *place(int row, std::unique_ptr<Bar> bar)
    {
        table->getRow(row)->AddBar(bar.get());
        return bar.release();
    }
    TPLXProgressBar *progress(int row, double start, double end)
    {
        return place(row, std::make_unique<TPLXProgressBar>(start, end, row));
    }
    TPLXSummaryBar *summary(int row)
    {
        return place(row, std::make_unique<TPLXSummaryBar>());
    }
};

int countColour(const QImage &image, const QRect &area, TColor colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            n += chart::pixel(image, x, y) == colour ? 1 : 0;
    }
    return n;
}

QImage drawn(TPLXGanttBar *bar)
{
    chart::Canvas canvas(400, 200);
    bar->getDrawer(vtGanttGraph)->Draw(*canvas.vc);
    return canvas.finish();
}

// A plan loaded through a data source, with a task tree attached to its document:
// rows 0 G (group), 1 and 2 tasks of G, 3 H (group in G), 4 task of H, 5 outside.
struct Plan
{
    QTemporaryDir dir;
    TPLXRecordingScope recorder;
    TPLXDataSource ds;
    TPLXGanttDocument *doc = nullptr;
    TPLXGanttTable *table = nullptr;
    TPLXTreeGrid *tree = nullptr;
    TPLXSummaryBar *outer = nullptr;
    TPLXSummaryBar *inner = nullptr;

    Plan()
    {
        fixture::Document d;
        d.rows = {{}, {{{QStringLiteral("T1"), kMonday, 2}}}, {{{QStringLiteral("T2"), kMonday + 1, 3}}},
                  {}, {{{QStringLiteral("T4"), kMonday + 2, 1}}}, {{{QStringLiteral("T5"), kMonday, 1}}}};
        ds.setStorage(fixture::storageFor(dir, QStringLiteral("plan.ini"), fixture::text(d)));
        doc = ds.root();
        table = doc->GetTable();
        table->FUpdateCriticalPath = false;
        delete doc->FTree;
        tree = treefix::attachTree(doc, {0, 1, 1, 1, 2, 0});
        doc->FTree = tree;
        outer = new TPLXSummaryBar();
        table->getRow(0)->AddBar(outer);
        inner = new TPLXSummaryBar();
        table->getRow(3)->AddBar(inner);
        table->UpdateSummaryBars();
    }
    QStringList state() const { return treefix::snapshot(table, tree); }
    TPLXGanttBar *bar(int row) const { return table->getRow(row)->GetBarInRow(0); }
    bool run(std::unique_ptr<TPLXOperation> op) { return ds.getUndoRedoStack().doOperation(std::move(op)); }
};

} // namespace

class tst_plxSummaryBar : public QObject
{
    Q_OBJECT

private slots:
    void progressBarStripGeometryAndOverlap();
    void progressBarDrawing();
    void progressBarStorage();
    void summaryRange_data();
    void summaryRange();
    void summaryDrawing_data();
    void summaryDrawing();
    void summaryStorage();
    void summaryMoveMovesTheGroup();
    void summaryDeleteUngroupsAndUndoes();
};

void tst_plxSummaryBar::progressBarStripGeometryAndOverlap()
{
    GroupChart c({0, 0}, 30);
    TPLXProgressBar *p = c.progress(0, kMonday + 1, kMonday + 3);
    TPLXTaskBar *t = c.task(0, kMonday + 2, kMonday + 4);

    // Row 0 is 10..40; a 10-high task sits at 20..30, so the 14-high strip is 30..44
    // (taller than what is left of the row: the strip is not clipped to it).
    QCOMPARE(p->getRect(kMonday), (TRect{120, 30, 160, 44}));
    c.taskSettings->FHeight = 7; // m = 25, nearest(3.5) = 4 (ties to even)
    QCOMPARE(p->getRect(kMonday), (TRect{120, 28, 160, 42}));
    c.taskSettings->FHeight = 10;

    // Task bars and progress bars share rows, whichever is being placed.
    QVERIFY(!p->overlap(kMonday + 2, kMonday + 3, 0, t));
    QVERIFY(!t->overlap(kMonday + 1, kMonday + 2, 0, p));
    QCOMPARE(c.table->barInRange(kMonday + 1, kMonday + 3, 0, t), nullptr);
    TPLXProgressBar other(kMonday + 2, kMonday + 3, 0);
    QVERIFY(p->overlap(kMonday + 2, kMonday + 3, 0, &other));
    QVERIFY(!p->overlap(kMonday + 2, kMonday + 3, 1, &other));
    // The placeholder of a task bar being drawn out is tagged 84 and never collides.
    TPLXFakeBar placeholder(kMonday + 2, kMonday + 3, 0);
    placeholder.PLXTag = 84;
    QVERIFY(!p->overlap(kMonday + 2, kMonday + 3, 0, &placeholder));
    placeholder.PLXTag = 83;
    QVERIFY(p->overlap(kMonday + 2, kMonday + 3, 0, &placeholder));

    QVERIFY(p->isSummarizable());
    QVERIFY(!p->acceptConnections());
    QCOMPARE(p->getFakeClass(), &TPLXFakeProgressBar::staticMetaObject);
    std::unique_ptr<TPLXGanttBar> fake = p->createFake();
    QVERIFY(dynamic_cast<TPLXFakeProgressBar *>(fake.get()));
    QVERIFY(fake->acceptConnections());
    QVERIFY(!fake->isSummarizable());
    c.table->getRow(1)->AddBar(fake.get());
    (void)drawn(fake.get());
    QCOMPARE(fake->getDrawer(vtGanttGraph)->getRect(), (TRect{-1, -1, -1, -1}));
    QCOMPARE(fake->getDrawer(vtGanttGraph)->locateObject(130, 75), nullptr);
    c.table->getRow(1)->RemoveBar(fake.get());
}

void tst_plxSummaryBar::progressBarDrawing()
{
    GroupChart c({0, 0}, 30);
    TPLXProgressBar *p = c.progress(0, kMonday + 1, kMonday + 3);
    TPLXGanttBarDrawer *drawer = p->ganttDrawer();

    // Without settings of its own the bar takes the document's, shared.
    QCOMPARE(p->ownSettings(), nullptr);
    QCOMPARE(p->GetSettings(), c.progressSettings);
    QImage image = drawn(p);
    QCOMPARE(chart::pixel(image, 120, 36), TColor(0x000000)); // border
    QCOMPARE(chart::pixel(image, 140, 30), TColor(0x000000));
    QCOMPARE(chart::pixel(image, 122, 37), TColor(0x008000)); // fill
    QCOMPARE(chart::pixel(image, 140, 37), TColor(0x008000));
    QCOMPARE(chart::pixel(image, 140, 29), TColor(0xFFFFFF)); // above the strip
    QCOMPARE(drawer->getRect(), (TRect{121, 31, 159, 43}));
    QCOMPARE(drawer->locateObject(121, 31), p);
    QCOMPARE(drawer->locateObject(120, 30), nullptr);

    // Focus: a black frame of the table's focus thickness inside the border.
    c.table->FFocusedFrameThickness = 3;
    p->setFocused(true);
    image = drawn(p);
    QCOMPARE(chart::pixel(image, 123, 37), TColor(0x000000));
    QCOMPARE(chart::pixel(image, 140, 33), TColor(0x000000));
    QCOMPARE(chart::pixel(image, 140, 37), TColor(0x008000));
    p->setFocused(false);

    // Own settings colour the strip; its place still follows the document's heights.
    auto own = std::make_unique<TPLXProgressBarSettings>();
    own->FColor = 0x0000FF;
    own->FHeight = 4;
    p->SetSettings(own.release());
    QCOMPARE(p->ownSettings()->getParent(), p);
    image = drawn(p);
    QCOMPARE(chart::pixel(image, 140, 40), TColor(0x0000FF));
    QCOMPARE(drawer->getRect(), (TRect{121, 31, 159, 43}));

    // Outside the document's dates or in a collapsed row nothing is drawn or found.
    c.doc.startDate = kMonday + 4;
    image = drawn(p);
    QCOMPARE(drawer->getRect(), (TRect{-1, -1, -1, -1}));
    QCOMPARE(countColour(image, image.rect(), 0x0000FF), 0);
    c.doc.startDate = kMonday;
    c.table->getRow(0)->setCollapsed(true);
    (void)drawn(p);
    QCOMPARE(drawer->locateObject(140, 37), nullptr);
}

void tst_plxSummaryBar::progressBarStorage()
{
    GroupChart c({0}, 30);
    TPLXProgressBar *shared = c.progress(0, kMonday + 1, kMonday + 3);
    TPLXProgressBar *own = c.progress(0, kMonday + 5, kMonday + 6.5);
    auto settings = std::make_unique<TPLXProgressBarSettings>();
    settings->FColor = 0x123456;
    settings->FHeight = 5;
    own->SetSettings(settings.release());

    PLXMedia media = plxMediaFromText({});
    TPLXEntityFactory factory;
    factory.saveObject(QStringLiteral("Shared"), *media, shared);
    factory.saveObject(QStringLiteral("Own"), *media, own);

    // The document's settings are saved under their own id.
    const QString docId = c.progressSettings->getUID();
    QCOMPARE(media->strValue(QStringLiteral("Shared"), QStringLiteral("typeID"), {}), QStringLiteral("progress bar"));
    QCOMPARE(media->strValue(QStringLiteral("Shared"), QStringLiteral("settings"), {}), docId);
    QCOMPARE(media->strValue(docId, QStringLiteral("typeID"), {}), QStringLiteral("Progress Bar Settings"));
    QCOMPARE(media->intValue(docId, QStringLiteral("bar height"), 0), 14);
    QVERIFY(media->strValue(QStringLiteral("Own"), QStringLiteral("settings"), {}) != docId);
    QVERIFY(!media->strValue(QStringLiteral("Own"), QStringLiteral("text halo"), {}).isEmpty());

    // A document that names those settings as its own keeps sharing them after a reload.
    media->setStrProperty(QStringLiteral("root"), QStringLiteral("progress bar settings"), docId);
    TPLXEntityFactory loader;
    std::unique_ptr<TPLXGanttObject> a(loader.loadObject(QStringLiteral("Shared"), *media, nullptr));
    std::unique_ptr<TPLXGanttObject> b(loader.loadObject(QStringLiteral("Own"), *media, nullptr));
    auto *sharedBack = dynamic_cast<TPLXProgressBar *>(a.get());
    auto *ownBack = dynamic_cast<TPLXProgressBar *>(b.get());
    QVERIFY(sharedBack && ownBack);
    QCOMPARE(sharedBack->ownSettings(), nullptr);
    QCOMPARE(sharedBack->FstartDate, kMonday + 1);
    QCOMPARE(sharedBack->FendDate, kMonday + 3);
    QVERIFY(ownBack->ownSettings());
    QCOMPARE(ownBack->ownSettings()->getParent(), ownBack);
    QCOMPARE(ownBack->ownSettings()->FColor, TColor(0x123456));
    QCOMPARE(ownBack->ownSettings()->FHeight, 5);
    QCOMPARE(ownBack->FendDate, kMonday + 6.5);
    QVERIFY(ownBack->textHalo());
}

void tst_plxSummaryBar::summaryRange_data()
{
    // Rows: 0 G, 1 and 2 in G, 3 H in G, 4 and 5 in H, 6 outside. Bars are given
    // as (row, start day, end day); `progress` rows hold progress bars instead of tasks.
    QTest::addColumn<QList<QList<int>>>("bars");
    QTest::addColumn<QList<double>>("outer");
    QTest::addColumn<QList<double>>("inner");

    QTest::newRow("tasks 10-12 and 11-15") << QList<QList<int>>{{1, 10, 12}, {2, 11, 15}, {6, 1, 30}}
                                           << QList<double>{10, 15} << QList<double>{0, 0};
    QTest::newRow("a wider nested group widens the outer one")
        << QList<QList<int>>{{1, 10, 12}, {2, 11, 15}, {4, 8, 9}, {5, 14, 20}} << QList<double>{8, 20}
        << QList<double>{8, 20};
    QTest::newRow("a narrower nested group does not")
        << QList<QList<int>>{{1, 10, 12}, {2, 11, 15}, {5, 12, 13}} << QList<double>{10, 15}
        << QList<double>{12, 13};
    QTest::newRow("only the nested group has bars")
        << QList<QList<int>>{{4, 3, 5}} << QList<double>{3, 5} << QList<double>{3, 5};
    QTest::newRow("no summarizable bars") << QList<QList<int>>{{6, 1, 30}} << QList<double>{0, 0}
                                          << QList<double>{0, 0};
}

void tst_plxSummaryBar::summaryRange()
{
    QFETCH(QList<QList<int>>, bars);
    QFETCH(QList<double>, outer);
    QFETCH(QList<double>, inner);

    GroupChart c({0, 1, 1, 1, 2, 2, 0}, 20);
    TPLXSummaryBar *g = c.summary(0);
    TPLXSummaryBar *h = c.summary(3);
    for (const QList<int> &b : bars) {
        // Odd rows hold progress bars: both kinds count.
        if (b[0] % 2)
            c.progress(b[0], kMonday + b[1], kMonday + b[2]);
        else
            c.task(b[0], kMonday + b[1], kMonday + b[2]);
    }
    // Stale dates are thrown away, not merged.
    g->FstartDate = kMonday - 50;
    g->FendDate = kMonday + 99;
    c.table->UpdateSummaryBars();

    const auto span = [](TPLXGanttBar *bar) {
        const double s = bar->getStartDate() ? bar->getStartDate() - kMonday : 0;
        const double e = bar->getEndDate() ? bar->getEndDate() - kMonday : 0;
        return QList<double>{s, e};
    };
    QCOMPARE(span(g), outer);
    QCOMPARE(span(h), inner);
    QCOMPARE((QList<int>{g->GetStartRow(), g->GetEndRow(), h->GetStartRow(), h->GetEndRow()}),
             (QList<int>{1, 5, 4, 5}));
    QCOMPARE(g->getChildList(), c.table->allBarsIn(1, 5));
    QVERIFY(g->getChildList().contains(h));

    // Nothing else goes into a summary's row; it cannot be resized or moved off it.
    QVERIFY(g->overlap(kMonday + 200, kMonday + 201, 0, nullptr));
    QVERIFY(!g->overlap(kMonday + 10, kMonday + 12, 1, nullptr));
    QVERIFY(g->inRow(0) && !g->inRow(1));
    const TPLXBarTimes before = g->getTimes();
    QVERIFY(g->Resize(3, 1, true));
    QCOMPARE(g->getTimes().end, before.end);
    QVERIFY(!g->canMoveVertically());
    QVERIFY(g->isSummarizable());
}

void tst_plxSummaryBar::summaryDrawing_data()
{
    QTest::addColumn<int>("rowHeight");
    QTest::addColumn<int>("strip");
    QTest::addColumn<int>("triangle");
    QTest::newRow("row 20") << 20 << 5 << 10;
    QTest::newRow("row 40") << 40 << 6 << 12;
}

void tst_plxSummaryBar::summaryDrawing()
{
    QFETCH(int, rowHeight);
    QFETCH(int, strip);
    QFETCH(int, triangle);

    GroupChart c({0, 1, 0}, rowHeight);
    TPLXSummaryBar *g = c.summary(0);
    c.task(1, kMonday + 2, kMonday + 6);
    c.table->UpdateSummaryBars();
    constexpr TColor blue = 0xFF0000;
    g->FColor = blue;

    // Spans x 140..220; its row starts at y 10.
    QImage image = drawn(g);
    const int t = 10;
    QCOMPARE(chart::pixel(image, 180, t), blue);
    QCOMPARE(chart::pixel(image, 180, t + strip - 1), blue);
    QCOMPARE(chart::pixel(image, 180, t + strip), TColor(0xFFFFFF));
    for (int x : {141, 219}) {
        QCOMPARE(chart::pixel(image, x, t + triangle - 2), blue);
        QCOMPARE(chart::pixel(image, x, t + triangle + 1), TColor(0xFFFFFF));
    }
    QCOMPARE(chart::pixel(image, 139, t), TColor(0xFFFFFF));
    QCOMPARE(chart::pixel(image, 221, t), TColor(0xFFFFFF));

    // Hits in its own row only; its rectangle reaches down to the group's end.
    TPLXGanttBarDrawer *drawer = g->ganttDrawer();
    QCOMPARE(drawer->getRect(), (TRect{140, t, 220, t + rowHeight}));
    QCOMPARE(drawer->locateObject(141, t + rowHeight - 1), g);
    QCOMPARE(drawer->locateObject(141, t + rowHeight), nullptr);
    QCOMPARE(g->getRect(kMonday), (TRect{140, t, 220, t + 2 * rowHeight}));

    // Focus hatches the strip white; highlighting frames the whole group in red dots.
    g->setFocused(true);
    drawer->setHighlighted(true);
    image = drawn(g);
    const QRect stripArea(160, t, 40, strip);
    QVERIFY(countColour(image, stripArea, 0xFFFFFF) > 0);
    QVERIFY(countColour(image, stripArea, blue) > 0);
    QVERIFY(countColour(image, QRect(138, t + rowHeight, 1, rowHeight), 0x0000FF) > 0);

    // A collapsed summary row is neither drawn nor found.
    c.table->getRow(0)->setCollapsed(true);
    image = drawn(g);
    QCOMPARE(countColour(image, image.rect(), blue), 0);
    QCOMPARE(drawer->getRect(), (TRect{-1, -1, -1, -1}));
}

void tst_plxSummaryBar::summaryStorage()
{
    GroupChart c({0, 1}, 20);
    TPLXSummaryBar *g = c.summary(0);
    c.task(1, kMonday + 2, kMonday + 6);
    c.table->UpdateSummaryBars();
    g->FReadOnly = true;

    PLXMedia media = plxMediaFromText({});
    TPLXEntityFactory factory;
    factory.saveObject(QStringLiteral("S"), *media, g);
    QCOMPARE(media->strValue(QStringLiteral("S"), QStringLiteral("typeID"), {}), QStringLiteral("Summary Bar"));
    QCOMPARE(media->boolValue(QStringLiteral("S"), QStringLiteral("read only"), false), true);
    // Spans are recomputed after loading, never stored.
    QCOMPARE(media->strValue(QStringLiteral("S"), QStringLiteral("start date"), QStringLiteral("none")),
             QStringLiteral("none"));

    TPLXEntityFactory loader;
    std::unique_ptr<TPLXGanttObject> back(loader.loadObject(QStringLiteral("S"), *media, nullptr));
    auto *s = dynamic_cast<TPLXSummaryBar *>(back.get());
    QVERIFY(s);
    QVERIFY(s->FReadOnly);
    QCOMPARE(s->FColor, TColor(0));
    QCOMPARE(s->getStartDate(), 0.0);
}

void tst_plxSummaryBar::summaryMoveMovesTheGroup()
{
    Plan plan;
    QCOMPARE(plan.outer->getStartDate(), kMonday);
    const QStringList before = plan.state();
    const QList<TDateTime> starts{plan.bar(1)->getStartDate(), plan.bar(2)->getStartDate(),
                                  plan.bar(4)->getStartDate(), plan.bar(5)->getStartDate()};

    // Within the summary's own day: nothing to do.
    auto same = plan.outer->moveTo(kMonday + 0.25, 3);
    QVERIFY(static_cast<TPLXMultipleOperations *>(same.get())->isDisabled());
    QVERIFY(!plan.run(std::move(same)));
    QCOMPARE(plan.state(), before);

    // A refusing application stops the whole group, not just one bar.
    plan.ds.OnGanttBarMove = [&](TPLXGanttBar *bar, int, TDateTime, bool &allowed) { allowed = bar != plan.bar(4); };
    QVERIFY(!plan.run(plan.outer->moveTo(kMonday + 7, 0)));
    QCOMPARE(plan.state(), before);
    plan.ds.OnGanttBarMove = nullptr;

    // One week later: every bar of the group (the nested one's included) moves
    // once, each keeps its row and working time; the row outside stays.
    QVERIFY(plan.run(plan.outer->moveTo(kMonday + 7, 0)));
    QCOMPARE((QList<TDateTime>{plan.bar(1)->getStartDate(), plan.bar(2)->getStartDate(),
                               plan.bar(4)->getStartDate(), plan.bar(5)->getStartDate()}),
             (QList<TDateTime>{starts[0] + 7, starts[1] + 7, starts[2] + 7, starts[3]}));
    QCOMPARE(plan.bar(2)->getEffectiveDuration(), 3.0);
    QCOMPARE(plan.outer->getStartDate(), kMonday + 7);
    QCOMPARE(plan.inner->getStartDate(), kMonday + 9);
    const QStringList moved = plan.state();

    QVERIFY(plan.ds.getUndoRedoStack().undo());
    QCOMPARE(plan.state(), before);
    QVERIFY(plan.ds.getUndoRedoStack().redo());
    QCOMPARE(plan.state(), moved);

    // The nested summary moves only its own rows.
    QVERIFY(plan.run(plan.inner->moveTo(plan.inner->getStartDate() - 7, 3)));
    QCOMPARE(plan.bar(4)->getStartDate(), starts[2]);
    QCOMPARE(plan.bar(1)->getStartDate(), starts[0] + 7);
    QVERIFY(plan.ds.getUndoRedoStack().undo());
    QVERIFY(plan.ds.getUndoRedoStack().undo());
    QCOMPARE(plan.state(), before);
}

void tst_plxSummaryBar::summaryDeleteUngroupsAndUndoes()
{
    Plan plan;
    const QStringList before = plan.state();
    TPLXGanttBar *outside = plan.bar(5);

    QVERIFY(plan.run(std::make_unique<TPLXSummaryBarDeleteOperation>(&plan.ds, plan.outer)));
    // The group's rows hang under the root now, the plain ones without bars;
    // neither G nor H is a group any more, so neither keeps a summary bar.
    QCOMPARE(treefix::levels(plan.tree), (QList<int>{0, 0, 0, 0, 0, 0}));
    QCOMPARE(plan.table->countRows(), 6);
    for (int row = 0; row < 5; ++row)
        QCOMPARE(plan.table->getRow(row)->GetBarCount(), 0);
    QCOMPARE(plan.bar(5), outside);

    QVERIFY(plan.ds.getUndoRedoStack().undo());
    QCOMPARE(plan.state(), before);
    QCOMPARE(treefix::levels(plan.tree), (QList<int>{0, 1, 1, 1, 2, 0}));

    // A summary bar outside any tree row cannot be deleted.
    TPLXSummaryBar loose;
    TPLXSummaryBarDeleteOperation refused(&plan.ds, &loose);
    QVERIFY(refused.isDisabled());
    QVERIFY(!refused.perform());
}

QTEST_MAIN(tst_plxSummaryBar)
#include "tst_plxSummaryBar.moc"
