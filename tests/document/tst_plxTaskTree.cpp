// The chart following its task tree, on the bundled sample plan: group rows, row and selection bands, the box's parent
// task, and the data source's row, column and selection commands. Their exact undo is the soak's
// (tst_plxUndoRestores).
#include "plxChartFixture.h"
#include "plxDataSource.h"
#include "plxDocumentFixture.h"
#include "plxGanttDocument.h"
#include "plxGanttRow.h"
#include "plxPertBar.h"
#include "plxPlatform.h"
#include "plxSummaryBar.h"
#include "plxTreeCell.h"
#include "plxTreeGrid.h"
#include "plxTreeNode.h"
#include "plxTreeRow.h"

#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

// Rows: 0 Planning (group), 1 Kick-off, 2 Requirements, 3 Design, 4 Delivery (group), 5 Build, 6 Test, 7 Launch.
struct Plan
{
    QTemporaryDir dir;
    TPLXRecordingScope recording;
    TPLXDataSource ds;

    Plan()
    {
        ds.setStorage(QStringLiteral("file://") + QFINDTESTDATA("../examples/sample-plan.ini"));
        ds.setAutoCreatePertbars(false);
    }
    TPLXGanttTable *table() { return ds.GetTable(); }
    TPLXTreeGrid *tree() { return ds.GetTree(); }
    TPLXUndoRedoStack &stack() { return ds.getUndoRedoStack(); }

    QStringList saved() { return plxtest::savedLines(ds, dir); }
    // Tree and table agree on the rows, and summary bars sit exactly on group rows.
    bool consistent()
    {
        if (tree()->rowsCount() != table()->countRows())
            return false;
        for (int i = 0; i < table()->countRows(); ++i) {
            TPLXGanttRow *row = table()->getRow(i);
            if (row->getOrder() != i || tree()->getRow(i)->getIndex() != i)
                return false;
            if (row->IsGroup() != (row->countBarsOfKind<TPLXSummaryBar>() == 1))
                return false;
        }
        return true;
    }
};

} // namespace

class tst_plxTaskTree : public QObject
{
    Q_OBJECT

private slots:
    void bandsFollowTheTree()
    {
        Plan p;
        p.tree()->focus(3);
        p.tree()->select(2, true);
        plxtest::Canvas canvas(1200, 250);
        p.ds.root()->getDrawer(vtGanttGraph)->Draw(*canvas.vc);
        const QImage image = canvas.finish();
        // The chart starts right of the 400-pixel tree; the first day column is a plain Friday.
        const int x = p.ds.root()->getColStartX(0) + 25;
        QCOMPARE(x, 425);
        // The rows start below the plan's two time-scale bands.
        const int top = p.ds.root()->GetTableStartY();
        QCOMPARE(top, 28);
        TPLXTreeRowSettings *look = p.tree()->getRow(1)->getSettings();
        QCOMPARE(plxtest::pixel(image, x, top + 12), look->getGroupColor());
        QCOMPARE(plxtest::pixel(image, x, top + 37), look->getColor());
        QCOMPARE(plxtest::pixel(image, x, top + 62), p.tree()->getSelectedRowColor());
        QCOMPARE(plxtest::pixel(image, x, top + 87), p.tree()->getFocusedRowColor());
        QCOMPARE(plxtest::pixel(image, x, top + 112), look->getGroupColor());
        // Below the last row the table keeps its base colour.
        QCOMPARE(plxtest::pixel(image, x, top + 210), p.table()->GetBaseColor() & 0xFFFFFF);
        QVERIFY(look->getGroupColor() != look->getColor());
    }

    void clearedGroupsKeepTheirSummaryAndColumnsAppendLast()
    {
        Plan p;
        QVERIFY(p.consistent());
        // Clearing a group row leaves it as it was (its summary bar, the sample's banner and note); clearing a task
        // row empties it.
        p.ds.RowClear(0);
        QCOMPARE(p.table()->getRow(0)->GetBarCount(), 3);
        QVERIFY(p.ds.RowClear(1));
        QCOMPARE(p.table()->getRow(1)->GetBarCount(), 0);
        // The group's span follows: Planning now starts with Requirements.
        QCOMPARE(p.table()->getRow(0)->FindStartDate(), p.table()->getRow(2)->FindStartDate());
        auto type = std::make_unique<TPLXTreeSimpleTextCellType>();
        QVERIFY(p.ds.ColumnAppend(type.get()));
        QCOMPARE(p.tree()->getHeader()->getHeaderCell(4)->GetDataType(), type.release()); // after the last column
    }

    void boxesNameTheirParentTask()
    {
        Plan p;
        QCOMPARE(p.table()->getRow(1)->pertBar()->parentTaskLabel(), QStringLiteral("(1)"));
        QCOMPARE(p.table()->getRow(7)->pertBar()->parentTaskLabel(), QStringLiteral("(5)"));
        // Moved up to the top level, Launch has no parent task.
        QVERIFY(p.ds.RowsChangeParent(7, 7, -1));
        QCOMPARE(p.table()->getRow(7)->pertBar()->parentTaskLabel(), QStringLiteral("--"));
    }

    void rowCommandsKeepTreeAndChartInStep_data()
    {
        using Command = std::function<bool(TPLXDataSource &)>;
        QTest::addColumn<Command>("command");
        QTest::addColumn<bool>("performs");
        QTest::addColumn<int>("rows");
        QTest::newRow("insert into a group")
            << Command([](TPLXDataSource &ds) { return ds.RowInsert(2, 0); }) << true << 9;
        QTest::newRow("child under a group")
            << Command([](TPLXDataSource &ds) { return ds.RowChildInsert(4); }) << true << 9;
        QTest::newRow("group two tasks")
            << Command([](TPLXDataSource &ds) { return ds.RowsGroup(5, 6); }) << true << 9;
        QTest::newRow("delete a group row keeps its tasks")
            << Command([](TPLXDataSource &ds) { return ds.RowDelete(4); }) << true << 7;
        QTest::newRow("delete a branch")
            << Command([](TPLXDataSource &ds) { return ds.BranchDelete(4); }) << true << 4;
        QTest::newRow("move tasks to the other group")
            << Command([](TPLXDataSource &ds) { return ds.RowsChangeParent(5, 7, 0); }) << false << 8;
    }

    void rowCommandsKeepTreeAndChartInStep()
    {
        QFETCH(std::function<bool(TPLXDataSource &)>, command);
        QFETCH(bool, performs);
        QFETCH(int, rows);
        Plan p;
        const QStringList before = p.saved();
        QCOMPARE(command(p.ds), performs);
        QCOMPARE(p.table()->countRows(), rows);
        QVERIFY(p.consistent());
        QCOMPARE(p.stack().GetUndoOperationCount(), performs ? 1 : 0);
        if (!performs)
            QCOMPARE(p.saved(), before);
    }
};

QTEST_MAIN(tst_plxTaskTree)
#include "tst_plxTaskTree.moc"
