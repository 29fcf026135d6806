// Gantt rows: the bar list and its searches, spans, loading bad input, and the bar insert, remove and move operations
// with their events and refusals, and the objects their undo brings back.
#include "plxChartFixture.h"
#include "plxCompare.h"
#include "plxDocumentFixture.h"
#include "plxEntityFactory.h"
#include "plxPlatform.h"

#include <QtTest>

using namespace plxtest;

namespace {

// A data source over a document of three rows: B00 and B01 in row 0, B10 in
// row 1, nothing in row 2, and one connection B00 -> B10.
Document threeRows()
{
    Document doc;
    doc.rows = {{{{QStringLiteral("B00"), kMonday, 2}, {QStringLiteral("B01"), kMonday + 7, 1}}},
                {{{QStringLiteral("B10"), kMonday + 2, 3}}},
                {}};
    doc.connections = {{QStringLiteral("C1"), QStringLiteral("B00"), QStringLiteral("B10")}};
    return doc;
}

struct Source : LoadedDocument
{
    Source()
        : LoadedDocument(threeRows())
    {
    }
    QList<int> counts() { return {row(0)->GetBarCount(), row(1)->GetBarCount(), row(2)->GetBarCount()}; }
};

} // namespace

class tst_plxGanttRow : public QObject
{
    Q_OBJECT

private slots:
    void barListSearchesAndSpans()
    {
        Chart c;
        TPLXGanttRow *row = c.table->getRow(0);
        // A bar that is not summarizable counts for the outer span only.
        auto fake = std::make_unique<TPLXFakeBar>(kMonday - 5, kMonday + 30, 0);
        row->AddBar(fake.get());
        TPLXFakeBar *f = fake.release(); // the row owns it from here on
        TPLXTaskBar *late = c.task(0, kMonday + 7, kMonday + 9);
        TPLXTaskBar *early = c.task(0, kMonday, kMonday + 2);
        TPLXTaskBar *sameStart = c.task(0, kMonday, kMonday + 1);
        TPLXFakeBar stranger;
        // Equal starts: the first summarizable is the earlier in the list.
        PLX_COMPARE_EACH(int,
                         ({row->indexOf(sameStart), row->indexOf(&stranger), row->countBarsOfKind<TPLXTaskBar>(),
                           row->GetSummarizableBarCount()}),
                         ({3, -1, 3, 3}));
        PLX_COMPARE_EACH(TPLXGanttBar *,
                         ({row->getBarOfKind<TPLXTaskBar>(1), row->getBarOfKind<TPLXFakeBar>(0),
                           row->getBarOfKind<TPLXTaskBar>(3), row->GetBarInRow(4), row->GetBarInRow(-1),
                           row->findFirstSummarizable(), row->findLastSummarizable()}),
                         ({early, f, nullptr, nullptr, nullptr, early, late}));
        PLX_COMPARE_EACH(double,
                         ({row->FindStartDate(), row->FindEndDate(), row->FindFirstStartDate(),
                           row->FindLastEndDate()}),
                         ({kMonday, kMonday + 9, kMonday - 5, kMonday + 30}));
        row->RemoveBar(late);
        QCOMPARE(row->GetBarCount(), 3);
        QCOMPARE(late->getParent(), row); // still the row's, so it is freed with it
    }

    // Saved rows are the whole-document round trips' business; damaged ones are this one's.
    void loadingWithBadInput()
    {
        TPLXEntityFactory loader;
        // Broken bar references are left out with a message; a negative height loads as a flat row.
        TPLXRecordingScope recording;
        PLXMedia bad = plxtest::mediaFromText(plxtest::testData("chart/broken-rows.ini"));
        std::unique_ptr<TPLXGanttObject> r1(loader.loadObject(QStringLiteral("r1"), *bad, nullptr));
        auto *damaged = dynamic_cast<TPLXGanttRow *>(r1.get());
        QVERIFY(damaged != nullptr);
        QCOMPARE(damaged->getHeight(), 25); // the default
        QCOMPARE(damaged->GetBarCount(), 1);
        QVERIFY(!recording.recorder().messages().isEmpty());
        std::unique_ptr<TPLXGanttObject> r2(loader.loadObject(QStringLiteral("r2"), *bad, nullptr));
        QCOMPARE(static_cast<TPLXGanttRow *>(r2.get())->getHeight(), 0);
    }

    void insertAndRemove()
    {
        Source s;
        QStringList log;
        s.ds.setOnBeforeBarAdd([&](TPLXGanttBar *, bool &) { log << QStringLiteral("before add"); });
        s.ds.setOnAfterBarAdd([&](TPLXGanttBar *) { log << QStringLiteral("after add"); });
        s.ds.setOnBeforeBarDelete([&](TPLXGanttBar *, bool &) { log << QStringLiteral("before delete"); });
        s.ds.setOnAfterBarDelete([&](TPLXGanttBar *) { log << QStringLiteral("after delete"); });
        auto bar = std::make_unique<TPLXTaskBar>(plxtest::kMonday, plxtest::kMonday + 1, 2);
        TPLXTaskBar *raw = bar.get();
        TPLXBarInsertOperation op(&s.ds, raw, 2);
        QVERIFY(op.perform());
        bar.release(); // the row is its parent now
        QCOMPARE(s.row(2)->indexOf(raw), 0);
        QCOMPARE(raw->getRow(), 2);
        QCOMPARE(raw->textHalo()->GetTextHaloSettings(), s.ds.root()->GetTextHaloSettings());
        QVERIFY(op.undo()); // raises the delete events
        QCOMPARE(log, (QStringList{"before add", "after add", "before delete", "after delete"}));
        // Rows raise their own events: added, and on undo deleted.
        s.ds.setOnRowInsert([&](TPLXGanttRow *) { log << QStringLiteral("row added"); });
        s.ds.setOnRowDelete([&](TPLXGanttRow *) { log << QStringLiteral("row deleted"); });
        TPLXGanttRowInsertOperation rowInsert(&s.ds, s.table()->MakeBlankRow(), 1);
        QVERIFY(rowInsert.perform() && rowInsert.undo());
        QCOMPARE(log.mid(4), (QStringList{"row added", "row deleted"}));

        TPLXGanttBar *b01 = s.row(0)->GetBarInRow(1);
        TPLXBarRemoveOperation remove(&s.ds, b01);
        QCOMPARE(remove.getIndex(), 0);
        QVERIFY(remove.perform());
        QVERIFY(!remove.perform() && remove.undo()); // not in its row any more
        QCOMPARE(s.row(0)->GetBarInRow(1), b01);
        TPLXFakeBar stranger;
        QVERIFY(!TPLXBarRemoveOperation(&s.ds, &stranger).perform());

        // Refused inserts leave the document and the undo stack as they were.
        s.ds.setOnBeforeBarAdd([](TPLXGanttBar *, bool &cancel) { cancel = true; });
        QVERIFY(!op.perform());
        for (int row : {-1, 3}) {
            // A bar that was never placed stays the caller's.
            auto loose = std::make_unique<TPLXTaskBar>(plxtest::kMonday, 0, 0);
            TPLXBarInsertOperation bad(&s.ds, loose.get(), row);
            QVERIFY(!bad.perform() && !bad.undo());
            QVERIFY(loose->getParent() == nullptr);
        }
        QVERIFY(!TPLXBarInsertOperation(&s.ds, nullptr, 0).perform());
        auto kept = std::make_unique<TPLXTaskBar>();
        QVERIFY(!s.ds.BarAdd(kept.get(), 7));
        QCOMPARE(s.counts(), (QList<int>{2, 1, 0}));
        QCOMPARE(s.ds.getUndoRedoStack().GetUndoOperationCount(), 0);
    }

    void moves()
    {
        Source s;
        TPLXGanttBar *b00 = s.row(0)->GetBarInRow(0);
        TPLXGanttBar *b10 = s.row(1)->GetBarInRow(0);
        TPLXBarConnection *c1 = s.ds.root()->findConnection(b00, b10, -1);
        QVERIFY(c1 != nullptr);
        const auto times = [&] {
            const auto t = b00->getTimes();
            return QList<double>{t.start, t.end, t.effective};
        };
        const QList<double> original = times();

        // Refused by the handler or outside the table: nothing changes.
        s.ds.setOnGanttBarMove([](TPLXGanttBar *, int, TDateTime, bool &allowed) { allowed = false; });
        QVERIFY(!TPLXBarMoveOperation(&s.ds, b00, plxtest::kMonday + 14, 2).perform());
        s.ds.setOnGanttBarMove(nullptr);
        s.ds.setOnBeforeBarMove([](TPLXGanttBar *, bool &cancel) { cancel = true; });
        QVERIFY(!TPLXBarMoveOperation(&s.ds, b00, plxtest::kMonday + 14, 2).perform());
        s.ds.setOnBeforeBarMove(nullptr);
        QVERIFY(!TPLXBarMoveOperation(&s.ds, b00, plxtest::kMonday, 9).perform());
        QCOMPARE(times(), original);
        QCOMPARE(s.counts(), (QList<int>{2, 1, 0}));

        QList<int> rows;
        s.ds.setOnGanttBarMove([&](TPLXGanttBar *, int row, TDateTime, bool &) { rows << row; });
        auto op = b00->moveTo(plxtest::kMonday + 7, 2);
        QVERIFY(op && op->perform());
        QCOMPARE(b00->getRow(), 2);
        QCOMPARE(b00->getStartDate(), plxtest::kMonday + 7);
        QCOMPARE(b00->getEndDate(), plxtest::kMonday + 9); // two working days
        QCOMPARE(s.counts(), (QList<int>{1, 1, 1}));
        QVERIFY(op->undo()); // asks the application again, for the way back
        QCOMPARE(rows, (QList<int>{2, 0}));

        // Within the row the connection stays the same object in the same place.
        TPLXBarMoveOperation within(&s.ds, b00, plxtest::kMonday + 1, 0);
        QVERIFY(within.perform() && within.undo());
        QCOMPARE(s.ds.root()->findConnection(b00, b10, -1), c1);
        QCOMPARE(s.ds.root()->getConnectionIndex(c1), 0);
        QCOMPARE(s.row(0)->indexOf(b00), 0);
    }
};

QTEST_MAIN(tst_plxGanttRow)
#include "tst_plxGanttRow.moc"
