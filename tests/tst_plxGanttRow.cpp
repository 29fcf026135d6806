// Gantt rows: the bar list and its searches, visibility, spans, persistence
// with bad input, and the bar insert, remove and move operations with their
// events, refusals and undo.
#include "plxChartTestSupport.h"
#include "plxDocumentFixture.h"
#include "plxEntityFactory.h"
#include "plxPlatform.h"

#include <QtTest>

using namespace chart;

namespace {

// A data source over a fixture document: rows of task bars named B<row><n>.
struct Source
{
    QTemporaryDir dir;
    TPLXDataSource ds;

    explicit Source(const fixture::Document &doc)
    {
        ds.setStorage(fixture::storageFor(dir, QStringLiteral("chart.ini"), fixture::text(doc)));
    }
    TPLXGanttTable *table() { return ds.GetTable(); }
    TPLXGanttBar *bar(int row, int i) { return table()->getRow(row)->GetBarInRow(i); }
};

fixture::Document threeRows()
{
    fixture::Document doc;
    doc.rows = {
        {{{QStringLiteral("B00"), fixture::kMonday, 2}, {QStringLiteral("B01"), fixture::kMonday + 7, 1}}},
        {{{QStringLiteral("B10"), fixture::kMonday + 2, 3}}},
        {},
    };
    doc.connections = {{QStringLiteral("C1"), QStringLiteral("B00"), QStringLiteral("B10")}};
    return doc;
}

} // namespace

class tst_plxGanttRow : public QObject
{
    Q_OBJECT

private slots:
    void barListSearches();
    void collapsedRowHasNoHeight();
    void spansCountSummarizableBarsOnly();
    void heightChangesMoveTheRowsBelow();
    void saveAndLoad();
    void loadSurvivesBadInput();
    void insertAndUndoWithEvents();
    void insertFailsWithoutTouchingTheDocument();
    void removeAndUndo();
    void refusedMoveChangesNothing();
    void moveToAnotherRowAndBack();
    void moveWithinTheRowKeepsConnections();
};

void tst_plxGanttRow::barListSearches()
{
    Chart c;
    TPLXGanttRow *row = c.table->getRow(0);
    TPLXTaskBar *a = c.task(0, kMonday, kMonday + 2);
    auto fake = std::make_unique<TPLXFakeBar>(kMonday, kMonday + 1, 0);
    row->AddBar(fake.get());
    TPLXFakeBar *f = fake.release();
    TPLXTaskBar *b = c.task(0, kMonday + 3, kMonday + 4);
    QCOMPARE(row->GetBarCount(), 3);
    QCOMPARE(row->indexOf(b), 2);
    TPLXFakeBar stranger;
    QCOMPARE(row->indexOf(&stranger), -1);
    QCOMPARE(row->countBarsOfKind<TPLXTaskBar>(), 2);
    QCOMPARE(row->countBarsOfKind<TPLXGanttBar>(), 3);
    QCOMPARE(row->getBarOfKind<TPLXTaskBar>(1), b);
    QCOMPARE(row->getBarOfKind<TPLXFakeBar>(0), f);
    QVERIFY(row->getBarOfKind<TPLXTaskBar>(2) == nullptr);
    QVERIFY(row->GetBarInRow(3) == nullptr);
    QVERIFY(row->GetBarInRow(-1) == nullptr);
    QCOMPARE(row->GetSummarizableBarCount(), 2);
    row->RemoveBar(a);
    QCOMPARE(row->GetBarCount(), 2);
    QCOMPARE(a->getParent(), row); // still the row's, so it is freed with it
    QVERIFY(!row->IsGroup()); // no tree, no groups
}

void tst_plxGanttRow::collapsedRowHasNoHeight()
{
    Chart c;
    TPLXGanttRow *row = c.table->getRow(1);
    QCOMPARE(row->GetVisibleHeight(), 30);
    row->setCollapsed(true);
    QVERIFY(!row->IsVisible());
    QVERIFY(row->visibleFlag());
    QCOMPARE(row->GetVisibleHeight(), 0);
    QCOMPARE(row->property("VisibleHeight").toInt(), 0);
    row->setCollapsed(false);
    row->setVisible(false);
    QCOMPARE(row->GetVisibleHeight(), 0);
}

void tst_plxGanttRow::spansCountSummarizableBarsOnly()
{
    Chart c;
    TPLXGanttRow *row = c.table->getRow(0);
    auto fake = std::make_unique<TPLXFakeBar>(kMonday - 5, kMonday + 30, 0);
    row->AddBar(fake.release());
    QCOMPARE(row->FindStartDate(), 0.0);
    QCOMPARE(row->FindEndDate(), 0.0);
    QVERIFY(row->findFirstSummarizable() == nullptr);
    QCOMPARE(row->FindFirstStartDate(), kMonday - 5);
    TPLXTaskBar *late = c.task(0, kMonday + 7, kMonday + 9);
    TPLXTaskBar *early = c.task(0, kMonday, kMonday + 2);
    TPLXTaskBar *sameStart = c.task(0, kMonday, kMonday + 1);
    QCOMPARE(row->FindStartDate(), kMonday);
    QCOMPARE(row->FindEndDate(), kMonday + 9);
    QCOMPARE(row->findFirstSummarizable(), early); // equal starts: the earlier in the list
    QCOMPARE(row->findLastSummarizable(), late);
    QCOMPARE(row->FindLastEndDate(), kMonday + 30);
    Q_UNUSED(sameStart);
    QCOMPARE(c.table->CalculateStartDate(), kMonday - 5);
    QCOMPARE(c.table->CalculateEndDate(), kMonday + 30);
}

void tst_plxGanttRow::heightChangesMoveTheRowsBelow()
{
    Chart c(4, 30);
    QCOMPARE(c.table->getRowStartY(3), 10 + 90);
    c.table->getRow(1)->setHeight(50);
    QCOMPARE(c.table->getRowStartY(3), 10 + 110);
    QCOMPARE(c.table->getTableHeight(), 10 + 140);
    c.table->getRow(1)->setHeight(0);
    QCOMPARE(c.table->getRowStartY(2), 40);
    QCOMPARE(c.table->rowAtY(40), 2); // the flat row is skipped
    c.table->getRow(1)->setHeight(-20); // nonsense is taken as a flat row
    QCOMPARE(c.table->getRow(1)->getHeight(), 0);
    QCOMPARE(c.table->getRowStartY(3), 70);
    QCOMPARE(c.table->rowAtY(45), 2);
}

void tst_plxGanttRow::saveAndLoad()
{
    Chart c;
    TPLXGanttRow *row = c.table->getRow(2);
    row->setHeight(44);
    c.task(2, kMonday, kMonday + 2);
    c.task(2, kMonday + 3, kMonday + 5)->SetProgress(70);
    PLXMedia media = plxMediaFromText(QByteArray());
    TPLXEntityFactory saver;
    row->doSave(QStringLiteral("ignored"), *media, saver);
    const QString section = row->getUID();
    QCOMPARE(media->strValue(section, QStringLiteral("typeID"), QString()), QStringLiteral("Gantt Row"));
    QCOMPARE(media->strArray(section, QStringLiteral("bars")).size(), 2);

    TPLXEntityFactory loader;
    std::unique_ptr<TPLXGanttObject> loaded(loader.loadObject(section, *media, nullptr));
    auto *copy = dynamic_cast<TPLXGanttRow *>(loaded.get());
    QVERIFY(copy != nullptr);
    QCOMPARE(copy->getHeight(), 44);
    QCOMPARE(copy->GetBarCount(), 2);
    QCOMPARE(copy->GetBarInRow(0)->getParent(), copy);
    QCOMPARE(static_cast<TPLXTaskBar *>(copy->GetBarInRow(1))->getProgress(), 70);
}

void tst_plxGanttRow::loadSurvivesBadInput()
{
    TPLXRecordingScope recording;
    PLXMedia media = plxMediaFromText("[r1]\ntypeID=Gantt Row\nbars#count=3\nbars#0=b1\nbars#1=nowhere\nbars#2=odd\n"
                                      "[b1]\ntypeID=Task Bar\nstart date=45292\neffective duration=1\n"
                                      "[odd]\ntypeID=No Such Kind\n"
                                      "[r2]\ntypeID=Gantt Row\nheight=-7\n");
    TPLXEntityFactory loader;
    std::unique_ptr<TPLXGanttObject> r1(loader.loadObject(QStringLiteral("r1"), *media, nullptr));
    auto *row = dynamic_cast<TPLXGanttRow *>(r1.get());
    QVERIFY(row != nullptr);
    QCOMPARE(row->getHeight(), 25); // default height
    QCOMPARE(row->GetBarCount(), 1); // the broken references are left out
    QVERIFY(!recording.recorder.messages.isEmpty());
    std::unique_ptr<TPLXGanttObject> r2(loader.loadObject(QStringLiteral("r2"), *media, nullptr));
    QCOMPARE(static_cast<TPLXGanttRow *>(r2.get())->getHeight(), 0);
}

void tst_plxGanttRow::insertAndUndoWithEvents()
{
    Source s(threeRows());
    QStringList log;
    s.ds.OnBeforeBarAdd = [&](TPLXGanttBar *, bool &) { log << QStringLiteral("before add"); };
    s.ds.OnAfterBarAdd = [&](TPLXGanttBar *) { log << QStringLiteral("after add"); };
    s.ds.OnBeforeBarDelete = [&](TPLXGanttBar *, bool &) { log << QStringLiteral("before delete"); };
    s.ds.OnAfterBarDelete = [&](TPLXGanttBar *) { log << QStringLiteral("after delete"); };
    auto bar = std::make_unique<TPLXTaskBar>(fixture::kMonday, fixture::kMonday + 1, 2);
    TPLXTaskBar *raw = bar.get();
    TPLXBarInsertOperation op(&s.ds, raw, 2);
    QVERIFY(op.perform());
    bar.release(); // the row is its parent now
    QCOMPARE(s.table()->getRow(2)->indexOf(raw), 0);
    QCOMPARE(raw->getRow(), 2);
    QCOMPARE(raw->textHalo()->GetTextHaloSettings(), s.ds.root()->GetTextHaloSettings());
    QVERIFY(op.undo());
    QCOMPARE(s.table()->getRow(2)->GetBarCount(), 0);
    QCOMPARE(log, (QStringList{"before add", "after add", "before delete", "after delete"}));

    s.ds.OnBeforeBarAdd = [](TPLXGanttBar *, bool &cancel) { cancel = true; };
    QVERIFY(!op.perform());
    QCOMPARE(s.table()->getRow(2)->GetBarCount(), 0);
}

void tst_plxGanttRow::insertFailsWithoutTouchingTheDocument()
{
    Source s(threeRows());
    for (int row : {-1, 3, 100}) {
        // A bar that was never placed stays the caller's.
        auto bar = std::make_unique<TPLXTaskBar>(fixture::kMonday, 0, 0);
        TPLXBarInsertOperation op(&s.ds, bar.get(), row);
        QVERIFY(!op.perform());
        QVERIFY(!op.undo());
        QVERIFY(bar->getParent() == nullptr);
    }
    QCOMPARE(s.table()->countRows(), 3);
    QCOMPARE(s.table()->getRow(0)->GetBarCount(), 2);
    TPLXBarInsertOperation none(&s.ds, nullptr, 0);
    QVERIFY(!none.perform());
    auto kept = std::make_unique<TPLXTaskBar>();
    QVERIFY(!s.ds.BarAdd(kept.get(), 7));
    QCOMPARE(s.ds.getUndoRedoStack().GetUndoOperationCount(), 0);
}

void tst_plxGanttRow::removeAndUndo()
{
    Source s(threeRows());
    TPLXGanttBar *b01 = s.bar(0, 1);
    TPLXBarRemoveOperation op(&s.ds, b01);
    QCOMPARE(op.Index, 0);
    QVERIFY(op.perform());
    QCOMPARE(s.table()->getRow(0)->GetBarCount(), 1);
    QVERIFY(!op.perform()); // not in its row any more
    QVERIFY(op.undo());
    QCOMPARE(s.table()->getRow(0)->GetBarCount(), 2);
    QCOMPARE(s.table()->getRow(0)->GetBarInRow(1), b01);

    int events = 0;
    s.ds.OnBeforeBarDelete = [&](TPLXGanttBar *, bool &) { ++events; };
    TPLXBarRemoveOperation silent(&s.ds, b01, true);
    QVERIFY(silent.perform());
    QCOMPARE(events, 0);
    QVERIFY(silent.undo());

    TPLXFakeBar loose;
    TPLXBarRemoveOperation nowhere(&s.ds, &loose);
    QVERIFY(!nowhere.perform());
}

void tst_plxGanttRow::refusedMoveChangesNothing()
{
    Source s(threeRows());
    TPLXGanttBar *b00 = s.bar(0, 0);
    s.ds.OnGanttBarMove = [](TPLXGanttBar *, int, TDateTime, bool &allowed) { allowed = false; };
    TPLXBarMoveOperation op(&s.ds, b00, fixture::kMonday + 14, 2);
    QVERIFY(!op.perform());
    QCOMPARE(b00->getStartDate(), fixture::kMonday);
    QCOMPARE(s.table()->getRow(0)->indexOf(b00), 0);
    QCOMPARE(s.ds.root()->countConnections(), 1);
    TPLXBarMoveOperation outside(&s.ds, b00, fixture::kMonday, 9);
    QVERIFY(!outside.perform());
    QCOMPARE(s.table()->getRow(0)->indexOf(b00), 0);
}

void tst_plxGanttRow::moveToAnotherRowAndBack()
{
    Source s(threeRows());
    TPLXGanttBar *b00 = s.bar(0, 0);
    const TPLXBarTimes before = b00->getTimes();
    QList<int> rows;
    s.ds.OnGanttBarMove = [&](TPLXGanttBar *, int row, TDateTime, bool &) { rows << row; };
    auto op = b00->moveTo(fixture::kMonday + 7, 2);
    QVERIFY(op);
    QVERIFY(op->perform());
    QCOMPARE(b00->getRow(), 2);
    QCOMPARE(b00->getStartDate(), fixture::kMonday + 7);
    QCOMPARE(b00->getEndDate(), fixture::kMonday + 9); // two working days
    QCOMPARE(s.table()->getRow(0)->GetBarCount(), 1);
    QVERIFY(op->undo());
    QCOMPARE(b00->getRow(), 0);
    QCOMPARE(s.table()->getRow(0)->GetBarCount(), 2);
    QCOMPARE(s.table()->getRow(2)->GetBarCount(), 0);
    QCOMPARE(b00->getTimes().start, before.start);
    QCOMPARE(b00->getTimes().end, before.end);
    QCOMPARE(b00->getTimes().effective, before.effective);
    QCOMPARE(rows, (QList<int>{2, 0}));
}

void tst_plxGanttRow::moveWithinTheRowKeepsConnections()
{
    Source s(threeRows());
    TPLXGanttBar *b00 = s.bar(0, 0);
    TPLXGanttBar *b10 = s.bar(1, 0);
    TPLXBarConnection *c1 = s.ds.root()->findConnection(b00, b10, -1);
    QVERIFY(c1 != nullptr);
    TPLXBarMoveOperation op(&s.ds, b00, fixture::kMonday + 1, 0);
    QVERIFY(op.perform());
    QCOMPARE(s.ds.root()->findConnection(b00, b10, -1), c1);
    QCOMPARE(s.ds.root()->countConnections(), 1);
    QVERIFY(op.undo());
    QCOMPARE(s.ds.root()->findConnection(b00, b10, -1), c1);
    QCOMPARE(s.ds.root()->getConnectionIndex(c1), 0);
    QCOMPARE(s.table()->getRow(0)->indexOf(b00), 0);
}

QTEST_MAIN(tst_plxGanttRow)
#include "tst_plxGanttRow.moc"
