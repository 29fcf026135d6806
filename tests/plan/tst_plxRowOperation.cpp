// The composite row commands: which arguments disable them and what a performed command makes of the tree and the
// table. Their exact undo is the soak's (tst_plxUndoRestores).
#include "plxDataSource.h"
#include "plxDocumentFixture.h"
#include "plxPlatform.h"
#include "plxRowOperation.h"
#include "plxSummaryBar.h"
#include "plxTreeFixture.h"

#include <QtTest>

namespace {

// Rows 0 A (group), 1 A1 and 2 A2 (tasks), 3 B (group), 4 B1 (group in B),
// 5 B1a (task), 6 C (task); or any other shape given as levels: groups get a
// summary bar (as the tree operations keep it), every other row one task.
plxtest::Document document(const QList<int> &levels)
{
    plxtest::Document d;
    for (int i = 0; i < levels.size(); ++i) {
        const bool group = i + 1 < levels.size() && levels[i + 1] > levels[i];
        d.rows.append({group ? QList<plxtest::Bar>()
                             : QList<plxtest::Bar>{{QStringLiteral("T%1").arg(i), plxtest::kMonday + i}}});
    }
    return d;
}

struct Plan : plxtest::LoadedPlan
{
    explicit Plan(const QList<int> &levels = {0, 1, 1, 0, 1, 2, 0})
        : LoadedPlan(document(levels), levels)
    {
        ds.setAutoCreatePertbars(false);
        for (int i = 0; i < table->countRows(); ++i)
            if (tree->findNodeByIndex(i)->hasChildren())
                table->getRow(i)->AddBar(new TPLXSummaryBar());
        table->UpdateSummaryBars();
    }

    // What must hold after every step: one tree row per gantt row, numbered
    // as listed, and a summary bar in exactly the group rows.
    QString broken() const
    {
        if (tree->rowsCount() != table->countRows())
            return QStringLiteral("%1 tree rows, %2 gantt rows").arg(tree->rowsCount()).arg(table->countRows());
        for (int i = 0; i < table->countRows(); ++i) {
            TPLXGanttRow *row = table->getRow(i);
            TPLXTreeNode *node = tree->findNodeByIndex(i);
            if (row->getOrder() != i || !node || node->row()->getIndex() != i)
                return QStringLiteral("row %1 is numbered out of place").arg(i);
            if (row->countBarsOfKind<TPLXSummaryBar>() != (node->hasChildren() ? 1 : 0))
                return QStringLiteral("row %1 has %2 summary bars").arg(i).arg(row->countBarsOfKind<TPLXSummaryBar>());
        }
        return {};
    }
};

enum Kind { Append, Child, Insert, Delete, Branch, Group, Reparent };

std::unique_ptr<TPLXRowOperation> makeOp(TPLXDataSource *ds, const QList<int> &op)
{
    const int a = op.value(1), b = op.value(2);
    switch (op[0]) {
    case Append:
        return std::make_unique<TPLXRowAppendOperation>(ds);
    case Child:
        return std::make_unique<TPLXRowChildInsertOperation>(ds, a);
    case Insert:
        return std::make_unique<TPLXRowInsertOperation>(ds, a, b);
    case Delete:
        return std::make_unique<TPLXRowDeleteOperation>(ds, a);
    case Branch:
        return std::make_unique<TPLXBranchDeleteOperation>(ds, a);
    case Group:
        return std::make_unique<TPLXRowsGroupOperation>(ds, a, b);
    default:
        return std::make_unique<TPLXRowsChangeParentOperation>(ds, a, b, op.value(3));
    }
}

} // namespace

using Ops = QList<QList<int>>; // each: kind, then its arguments

class tst_plxRowOperation : public QObject
{
    Q_OBJECT

private slots:
    void performedOrRefused_data()
    {
        QTest::addColumn<Ops>("ops"); // each tried on a fresh plan
        QTest::addColumn<bool>("disabled");
        QTest::addColumn<QList<int>>("levels"); // expected tree shape, when given
        // Rows whose (single) task bar is the one that row 1, 2, 5 or 6 held before, -1 for none.
        QTest::addColumn<QList<int>>("tasks");
        const auto row = [](const char *name, const Ops &ops, bool disabled, const QList<int> &levels = {},
                            const QList<int> &tasks = {}) {
            QTest::newRow(name) << ops << disabled << levels << tasks;
        };
        row("append", {{Append}}, false, {0, 1, 1, 0, 1, 2, 0, 0}, {1, 2, 5, 6});
        row("child of a group", {{Child, 0}}, false, {0, 1, 1, 1, 0, 1, 2, 0}, {1, 2, 6, 7});
        row("insert among the children", {{Insert, 1, 0}}, false, {0, 1, 1, 1, 0, 1, 2, 0}, {2, 3, 6, 7});
        row("insert among the root's children", {{Insert, 3, -1}}, false, {0, 1, 1, 0, 0, 1, 2, 0}, {1, 2, 6, 7});
        // Child of the root, at the end under the root, right after the branch, under a
        // parent below (meaning the row's own parent).
        row("other inserts", {{Child, -1}, {Insert, 7, -1}, {Insert, 3, 0}, {Insert, 2, 6}}, false);
        row("child of a plain row, a missing row, below -1", {{Child, 6}, {Child, 7}, {Child, -2}}, true);
        row("insert below 0, past the end, under below -1", {{Insert, -1, -1}, {Insert, 8, -1}, {Insert, 1, -2}},
            true);
        // Inside another branch, into a grandchild's place under the root, under a plain row.
        row("insert where the parent cannot hold it", {{Insert, 4, 0}, {Insert, 5, -1}, {Insert, 7, 6}}, true);
        row("delete a row or branch below 0 or past the end", {{Delete, -1}, {Delete, 7}, {Branch, -1}, {Branch, 7}},
            true);
        row("delete a group row: its child moves up", {{Delete, 4}}, false, {0, 1, 1, 0, 1, 0}, {1, 2, 4, 5});
        row("delete a task row", {{Delete, 1}}, false, {0, 1, 0, 1, 2, 0}, {-1, 1, 4, 5});
        row("delete a branch", {{Branch, 3}}, false, {0, 1, 1, 0}, {1, 2, -1, 3});
        row("group two siblings", {{Group, 1, 2}}, false, {0, 1, 2, 2, 0, 1, 2, 0}, {2, 3, 6, 7});
        row("group the last rows of two levels", {{Group, 5, 6}}, false, {0, 1, 1, 0, 1, 2, 3, 3}, {1, 2, 6, 7});
        // A row without its children, cutting a branch, from a row not there.
        row("group refused", {{Group, 4, 4}, {Group, 2, 4}, {Group, 7, 7}}, true);
        row("branch of a group deleted, grouped, re-parented", {{Branch, 4}, {Group, 4, 5}, {Reparent, 1, 2, -1}},
            false);
        row("re-parent to the group above", {{Reparent, 5, 5, 3}}, false, {0, 1, 1, 0, 1, 1, 0}, {1, 2, 5, 6});
        row("re-parent a branch, flattened", {{Reparent, 3, 5, 0}}, false, {0, 1, 1, 1, 1, 1, 0}, {1, 2, 5, 6});
        // Under a row not above, a branch ending higher up, an index below -1; a row without its children.
        row("re-parent refused", {{Reparent, 1, 2, 3}, {Reparent, 6, 6, 0}, {Reparent, 1, 1, -2}, {Reparent, 4, 4, 3}},
            true);
    }

    // A refused command changes nothing and leaves nothing to undo; a performed one keeps the tree and table in step.
    void performedOrRefused()
    {
        QFETCH(Ops, ops);
        QFETCH(bool, disabled);
        QFETCH(QList<int>, levels);
        QFETCH(QList<int>, tasks);
        for (const QList<int> &op : ops) {
            Plan plan;
            const QStringList before = plan.state();
            QList<TPLXGanttBar *> taskBars;
            for (int row : {1, 2, 5, 6})
                taskBars << plan.table->getRow(row)->GetBarInRow(0);
            std::unique_ptr<TPLXRowOperation> made = makeOp(&plan.ds, op);
            QVERIFY2(made->isDisabled() == disabled, qPrintable(QStringLiteral("command %1").arg(ops.indexOf(op))));
            QCOMPARE(plan.stack().doOperation(std::move(made)), !disabled);
            if (disabled) {
                QCOMPARE(plan.state(), before);
                QCOMPARE(plan.stack().GetUndoOperationCount(), 0);
                continue;
            }
            QCOMPARE(plan.broken(), QString());
            if (!levels.isEmpty()) {
                QList<int> where;
                for (TPLXGanttBar *bar : taskBars)
                    where << plan.table->rows().indexOf(bar->getParentRow());
                QCOMPARE(plxtest::levels(plan.tree), levels);
                QCOMPARE(where, tasks);
            }
        }
    }

    void theOnlyRowCannotBeDeleted()
    {
        Plan single({0});
        QVERIFY(makeOp(&single.ds, {Delete, 0})->isDisabled() && makeOp(&single.ds, {Branch, 0})->isDisabled());
    }
};

QTEST_MAIN(tst_plxRowOperation)
#include "tst_plxRowOperation.moc"
