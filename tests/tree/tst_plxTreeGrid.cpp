// The tree grid, its header, header cells and resize pane: hand-edited sort orders, selection and focus, hit areas,
// column and row moves, and the resizing handles.
#include "plxChartFixture.h"
#include "plxColors.h"
#include "plxCompare.h"
#include "plxDataSource.h"
#include "plxDocumentFixture.h"
#include "plxGanttDocument.h"
#include "plxGanttTable.h"
#include "plxIniDocument.h"
#include "plxPlatform.h"
#include "plxTestSupport.h"
#include "plxTreeCell.h"
#include "plxTreeGrid.h"
#include "plxTreeNode.h"
#include "plxTreeRow.h"
#include "plxVisualContext.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kRowHeight = 20;

QStringList words(const char *text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '));
}

// The plan of tree/plan.ini: delta, alpha (zulu, bravo), charlie, echo, foxtrot; rows 0 to 6 in that order.
const QStringList kOriginalOrder = words("delta alpha zulu bravo charlie echo foxtrot");

// A data source over the plan, with its tree at hand.
struct Plan
{
    Plan()
    {
        ds.setStorage(plxtest::storageFor(dir, QStringLiteral("plan.ini"), plxtest::testData("tree/plan.ini")));
        doc = ds.root();
        tree = doc->GetTree();
    }

    QStringList names() const
    {
        QStringList list;
        for (int i = 0; i < tree->rowsCount(); ++i)
            list << tree->getCellStringValue(i, 0);
        return list;
    }

    // The middle of row i's band.
    static int rowY(int i) { return i * kRowHeight + kRowHeight / 2; }

    QTemporaryDir dir;
    TPLXRecordingScope recording;
    TPLXDataSource ds;
    TPLXGanttDocument *doc = nullptr;
    TPLXTreeGrid *tree = nullptr;
};

} // namespace

class tst_plxTreeGrid : public QObject
{
    Q_OBJECT

private slots:
    void loadsHandEditedSortOrders()
    {
        TPLXRecordingScope recording;
        std::unique_ptr<TPLXGanttObject> grid(TPLXEntityFactory().loadObject(
            QStringLiteral("Tree"), *plxtest::mediaFromText(plxtest::testData("tree/sort-orders.ini")), nullptr));
        QVERIFY(dynamic_cast<TPLXTreeGrid *>(grid.get()));
        TPLXTreeHeader *header = static_cast<TPLXTreeGrid *>(grid.get())->getHeader();
        // The stored sort order is read although it is never written; an unusable one reads as unsorted.
        PLX_COMPARE_EACH(int, ({header->getSortOrder(0), header->getSortOrder(1), header->getSortColumn()}),
                         ({sortDescending, sortNone, 0}));
    }

    // Row and node lookups, bounds included, and the tree changes the gantt rows follow.

    void selectsFocusesAndDrawsRows()
    {
        Plan plan;
        TPLXTreeGrid *tree = plan.tree;
        TPLXGanttTable *table = plan.doc->GetTable();
        int changes = 0;
        tree->setSelectedRowsChanged([&](const QList<TPLXTreeRow *> &) { ++changes; });
        const auto click = [&](int row, int how) {
            tree->handleRowSelect(Plan::rowY(row), how);
            QList<int> rows;
            for (int k = 0; k < tree->getSelectedRowsCount(); ++k)
                rows << tree->getSelectedRow(k)->getIndex();
            return rows;
        };
        // A plain click replaces the selection; a range click from row 5 to row 2 toggles 4, 3 and 2, and back
        // towards row 4 clears 3 and 4; keeping the selection toggles the clicked row only.
        click(3, 0);
        QCOMPARE((QList<QList<int>>{click(5, 0), click(2, kPLXRowSelectRange), click(4, kPLXRowSelectRange),
                                    click(5, kPLXRowSelectKeep)}),
                 (QList<QList<int>>{{5}, {5, 4, 3, 2}, {5, 2}, {2}}));
        QVERIFY(table->getRow(2)->isSelected() && !table->getRow(5)->isSelected() && !table->getRow(3)->isSelected());

        // Selecting what is selected, or no row, changes nothing and tells nobody.
        tree->select(2, true);
        tree->select(9, true);
        const int afterNothing = changes;
        tree->selectAll();
        const int all = tree->getSelectedRowsCount();
        tree->deselectAll();
        PLX_COMPARE_EACH(int, ({afterNothing, all, tree->getSelectedRowsCount(), changes}), ({8, 7, 0, 14}));
        QVERIFY(!table->getRow(0)->isSelected());

        // Focusing drops the selection; it reports whether the focused row changed.
        tree->select(1, true);
        PLX_COMPARE_EACH(bool, ({tree->focus(4), tree->focus(4)}), ({true, false}));
        QVERIFY(!tree->getSelectedRowsCount() && tree->getFocusedRow() == tree->getRow(4) &&
                table->getRow(4)->isFocused());
        // A click left of the pane's right edge does nothing; right of it, it focuses the row there.
        const int left = plan.doc->getDocStartX();
        const int paneRight = left + tree->getPaneWidth();
        tree->focusAt(paneRight - 1, Plan::rowY(6));
        QCOMPARE(tree->getFocusedRow(), tree->getRow(4));
        tree->focusAt(paneRight, Plan::rowY(6));
        QCOMPARE(tree->getFocusedRow(), tree->getRow(6));
        // A row-selector click drops the focus.
        click(0, 0);
        QVERIFY(!tree->getFocusedRow() && !tree->getRow(6)->isFocused());

        // The row bands' colours are tst_plxTaskTree's; drawing places the hit areas.
        plxtest::drawn(tree->getDrawer(vtGanttGraph), 400, 200);

        // Hit tests after drawing: the splitter, the pane's handles, then the cells.
        TPLXDrawer *drawer = tree->getDrawer(vtGanttGraph);
        QCOMPARE(drawer->locateObject(left + tree->getWidth(), Plan::rowY(2)), tree->getResizer());
        QCOMPARE(drawer->locateObject(left + 3, Plan::rowY(2)), tree->getRowsResizePane()->getSelector(2));
        QCOMPARE(drawer->locateObject(left + 3, 2 * kRowHeight),
                 static_cast<TPLXGanttObject *>(tree->getRowsResizePane()->getResizer(1)));
        QCOMPARE(drawer->locateObject(left + tree->getWidth() + 50, Plan::rowY(2)), nullptr);
        QCOMPARE(tree->getHeader()->clickersCount(), 2);
        QCOMPARE(tree->getHeader()->getClicker(1)->rect().Left, paneRight + 119);
    }

    void sortsOnHeaderClicks()
    {
        Plan plan;
        TPLXTreeHeader *header = plan.tree->getHeader();
        // A point inside the first column, in the header's own coordinates.
        const int x = plan.doc->getTreeStartX() + plan.tree->getPaneWidth() - plan.doc->getDocStartX() + 50;
        // Clicks cycle through ascending, descending and unsorted, one undo step each; the number column cannot sort.
        QStringList seen;
        for (int click = 0; click < 3; ++click) {
            header->handleClick(x);
            seen << plan.names().join(' ') + ' ' + QString::number(header->getSortOrder(0));
        }
        header->handleClick(x + 120);
        QCOMPARE(seen, QStringList({"alpha bravo zulu charlie delta echo foxtrot " + QString::number(sortAscending),
                                    "foxtrot echo delta charlie alpha zulu bravo " + QString::number(sortDescending),
                                    kOriginalOrder.join(' ') + ' ' + QString::number(sortNone)}));
        QCOMPARE(plan.ds.getUndoRedoStack().GetUndoOperationCount(), 3);
    }

    void movesAndResizesThroughOperationsAndHandles()
    {
        Plan plan;
        TPLXTreeGrid *tree = plan.tree;
        TPLXTreeHeader *header = tree->getHeader();
        TPLXTreeHeaderCell *name = header->getHeaderCell(0);
        TPLXTreeHeaderCell *number = header->getHeaderCell(1);
        TPLXUndoRedoStack &stack = plan.ds.getUndoRedoStack();
        // Performs an operation through the undo stack and checks the state it leads to; undoes
        // it for the next case (exact undo is the random walk's business, in tst_plxTaskTree).
        const auto doAndUndo = [&](std::unique_ptr<TPLXOperation> op, const auto &state, const auto &after) {
            QVERIFY(op && stack.doOperation(std::move(op)));
            QCOMPARE(state(), after);
            QVERIFY(stack.undo());
        };
        const auto names = [&] { return plan.names(); };
        // The first column's title and the last row's second cell: they tell whether header and cells moved together.
        const auto columns = [&] {
            return QStringList{header->getHeaderCell(0)->getTitle(), tree->getCellStringValue(6, 1)};
        };

        QVERIFY(!tree->moveColumn(0, 2) && !tree->moveColumn(5, 0));
        doAndUndo(tree->moveColumn(0, -1), columns, words("No foxtrot"));
        // Dragging a header halo: onto itself nothing, onto another column in front of it, past the last to the end.
        header->updateClickers();
        TPLXHeaderHalo *first = header->getClicker(0);
        TPLXHeaderHalo *second = header->getClicker(1);
        QVERIFY(!second->handleMove(0, 0, 0, second->rect().Left + 5, second->rect().Top));
        doAndUndo(second->handleMove(0, 0, 0, first->rect().Left + 5, first->rect().Top), columns,
                  words("No foxtrot"));
        doAndUndo(first->handleMove(0, 0, 0, second->rect().Right + 5, first->rect().Top), columns,
                  words("No foxtrot"));

        // Row moves stay among siblings: not onto itself, out of range, onto another parent's row, nor a
        // nested row to the "end".
        QVERIFY(!tree->repositionRow(3, 3) && !tree->repositionRow(9, 0) && !tree->repositionRow(2, 4) &&
                !tree->repositionRow(2, -1));
        QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, tree->repositionRow(0, 9));
        doAndUndo(tree->repositionRow(4, 0), names, words("charlie delta alpha zulu bravo echo foxtrot"));
        doAndUndo(tree->repositionRow(1, -1), names, words("delta charlie echo foxtrot alpha zulu bravo"));
        doAndUndo(tree->repositionRow(3, 2), names, words("delta alpha bravo zulu charlie echo foxtrot"));

        // A new cell type replaces the column's cells with empty ones of its kind.
        auto type = std::make_unique<TPLXTreeSimpleTextCellType>();
        TPLXTreeSimpleTextCellType *newType = type.get();
        number->SetDataType(type.release());
        QVERIFY(number->GetDataType() == newType && tree->getRow(3)->cellsCount() == 2);
        auto *replaced = dynamic_cast<TPLXTreeSimpleTextCell *>(tree->getCell(3, 1));
        QVERIFY(replaced && replaced->GetDataType() == newType && replaced->GetText().isEmpty());
        QCOMPARE(tree->getCellStringValue(3, 0), QStringLiteral("bravo"));

        // The drag handles: rows, row order, column widths and the tree pane.
        TPLXTreeRowsResizePane *pane = tree->getRowsResizePane();
        TPLXGanttTable *table = plan.doc->GetTable();
        const int left = plan.doc->getDocStartX();

        // One selector and one resizer per visible row; collapsed rows get none.
        pane->update();
        QCOMPARE(pane->selectorsCount(), 7);
        QCOMPARE(pane->getSelector(3)->rect(), (TRect{left, 3 * kRowHeight, left + 15, 4 * kRowHeight}));
        tree->collapse(1);
        pane->update();
        PLX_COMPARE_EACH(int, ({pane->selectorsCount(), pane->getSelector(1)->row(), pane->getSelector(2)->row()}),
                         ({5, 1, 4}));
        tree->expand(1);
        pane->update();
        QCOMPARE(pane->locateSelector(left + 3, Plan::rowY(4)), pane->getSelector(4));
        QCOMPARE(pane->locateSelector(left + 15, Plan::rowY(4)), nullptr);

        // A row resizer: dragging up by more than the height minus 6 does nothing.
        TPLXRowResizer *resizer = pane->locateResizer(left + 3, 3 * kRowHeight);
        QVERIFY(resizer && resizer->ganttRow() == table->getRow(2));
        QVERIFY(!resizer->handleMove(0, -(kRowHeight - 5), 0, 0, 0));
        doAndUndo(
            resizer->handleMove(0, -(kRowHeight - 6), 0, 0, 0), [&] { return table->getRow(2)->getHeight(); }, 6);
        QCOMPARE(table->getRow(2)->getHeight(), kRowHeight); // row heights are not in the random walk

        // A row selector: a nested row dropped on another parent's row does nothing; a top-level row moves.
        pane->update();
        QVERIFY(!pane->getSelector(2)->handleMove(0, 0, 0, left + 3, Plan::rowY(5)));
        doAndUndo(pane->getSelector(5)->handleMove(0, 0, 0, left + 3, Plan::rowY(0)), names,
                  words("echo delta alpha zulu bravo charlie foxtrot"));
        // Outside any selector a top-level row goes to the end.
        pane->update();
        doAndUndo(pane->getSelector(0)->handleMove(0, 0, 0, left + 3, 50 * kRowHeight), names,
                  words("alpha zulu bravo charlie echo foxtrot delta"));

        // A header cell resizer: the width may not go below 6.
        QVERIFY(!name->getResizer()->handleMove(-115, 0, 0, 0, 0));
        doAndUndo(
            name->getResizer()->handleMove(-114, 0, 0, 0, 0), [&] { return name->getWidth(); }, 6);

        // The tree pane: folding and unfolding restores the width exactly; drags stay within the margins.
        TPLXTreeGridResizer *splitter = tree->getResizer();
        tree->setWidth(-5);
        QList<int> widths{tree->getWidth()};
        QVERIFY(!splitter->handleClick(0, 0, 0) && splitter->getLeftAligned());
        widths << tree->getWidth();
        QVERIFY(!splitter->handleClick(0, 0, 0) && !splitter->getLeftAligned());
        splitter->setVisibleAreaWidth(400);
        for (int dx : {0, 500, -1000, 95}) {
            QVERIFY(!splitter->handleMove(dx, 0, 0, 0, 0));
            widths << tree->getWidth();
        }
        QCOMPARE(widths, (QList<int>{250, 20, 250, 390, 10, 105}));
        QCOMPARE(stack.GetUndoOperationCount(), 0);
    }
};

QTEST_MAIN(tst_plxTreeGrid)
#include "tst_plxTreeGrid.moc"
