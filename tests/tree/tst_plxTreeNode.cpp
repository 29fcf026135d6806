// Task tree nodes and rows: numbering, lookups, collapse, sorting and drawing (the tree operations' effects are
// checked by the random walks of tst_plxTaskTree and tst_plxRowOperation).
#include "plxChartFixture.h"
#include "plxCompare.h"
#include "plxDataSource.h"
#include "plxDocumentFixture.h"
#include "plxPlatform.h"
#include "plxSummaryBar.h"
#include "plxTreeCell.h"
#include "plxTreeFixture.h"
#include "plxTreeGrid.h"
#include "plxTreeNode.h"
#include "plxTreeRow.h"

#include <QtTest>

namespace {

// A cell ordered by a number, ties included (equal numbers are not less).
class KeyCell : public TPLXTreeCell
{
public:
    using TPLXTreeCell::TPLXTreeCell;
    bool lessThan(TPLXTreeCell *other) override
    {
        auto *o = dynamic_cast<KeyCell *>(other);
        return o && key < o->key;
    }
    int key = 0;
};

class KeyCellType : public TPLXTreeCellType
{
public:
    TPLXTreeCell *CreateTreeCell(TPLXTreeRowSettings *rowSettings, TPLXTreeColSettings *colSettings,
                                 TPLXGanttObject *parent) override
    {
        return std::make_unique<KeyCell>(rowSettings, colSettings, this, parent).release();
    }
    bool canSort() const override { return true; }
};

// `f` applied to each of `items`, in order.
template<typename T, typename F>
auto mapped(const QList<T> &items, F f)
{
    QList<decltype(f(items.first()))> result;
    for (const T &item : items)
        result << f(item);
    return result;
}

// A plan loaded through a data source, five rows, with a task tree of one
// numbered column: A(A1) B(B1) C. Rows 0 and 2 are groups with summary bars.
plxtest::Document document(int rows)
{
    plxtest::Document d;
    for (int i = 0; i < rows; ++i)
        d.rows.append({{{QStringLiteral("T%1").arg(i), plxtest::kMonday + i, 1}}});
    return d;
}

// A header of one sortable column of KeyCells.
TPLXTreeHeader *keyHeader()
{
    auto *column = std::make_unique<TPLXTreeHeaderCell>().release();
    column->setWidth(60);
    column->SetDataType(std::make_unique<KeyCellType>().release());
    auto header = std::make_unique<TPLXTreeHeader>();
    header->insertHeaderCell(0, column);
    return header.release();
}

struct Plan : plxtest::LoadedPlan
{
    TPLXTreeNode *root = tree->getRootNode();
    QList<TPLXTreeNode *> nodes;

    explicit Plan(const QList<int> &levels = {0, 1, 0, 1, 0}, const QList<int> &keys = {})
        : LoadedPlan(document(int(levels.size())), levels, keyHeader())
    {
        root->flatten(nodes);
        for (int i = 0; i < levels.size(); ++i) {
            static_cast<KeyCell *>(nodes[i]->row()->getCell(0))->key = i < keys.size() ? keys[i] : i;
            if (nodes[i]->hasChildren()) {
                table->getRow(i)->Clear();
                table->getRow(i)->AddBar(std::make_unique<TPLXSummaryBar>().release());
            }
        }
        table->UpdateSummaryBars();
    }

    QList<bool> shown() const
    {
        return mapped(table->rows(), [](TPLXGanttRow *row) { return row->IsVisible(); });
    }
    // Performs `op`, checks `check` and undoes it (exact undo is tst_plxTaskTree's random walk's).
    template<typename Check>
    void roundTrip(std::unique_ptr<TPLXOperation> op, Check check)
    {
        QVERIFY(stack().doOperation(std::move(op)));
        check();
        QVERIFY(stack().undo());
    }
};

} // namespace

class tst_plxTreeNode : public QObject
{
    Q_OBJECT

private slots:
    void numberingLookupsAndCollapse()
    {
        Plan p({0, 1, 1, 2, 0});
        TPLXTreeNode *a = p.nodes[0];
        // Per row: both numberings, level, parent row and last row of its branch.
        QStringList got;
        for (int i = 0; i < 5; ++i) {
            TPLXTreeNode *n = p.nodes[i];
            QVERIFY(p.root->getRow(i) == n->row() && n->row()->getRow() == p.table->getRow(i));
            got << QStringLiteral("%1 %2 %3 %4 %5")
                       .arg(n->numberCont(), n->numberHierchy())
                       .arg(p.root->getRowLevel(i))
                       .arg(n->GetParentIndex())
                       .arg(n->getLastIndex());
        }
        QCOMPARE(got,
                 (QStringList{"1. 1. 1 -1 3", "2. 1.1. 2 0 1", "3. 1.2. 2 0 3", "4. 1.2.1. 3 2 3", "5. 2. 1 -1 4"}));
        QVERIFY(p.root->numberCont().isEmpty() && p.root->isTreeRoot() && !a->isTreeRoot());
        PLX_COMPARE_EACH(int, ({a->getRowLevel(3), p.root->getLastIndex()}), ({2, 4}));
        // The first child whose branch reaches a row, as drawing below the scroll asks.
        PLX_COMPARE_EACH(qsizetype,
                         ({p.root->firstChildReaching(p.root, 0, 4), p.root->firstChildReaching(a, 0, 2),
                           p.root->firstChildReaching(a, 1, 0)}),
                         ({1, 1, 1}));
        QVERIFY(p.nodes[3]->row()->getParentRow() == p.nodes[2]->row() && !a->row()->getParentRow());
        QList<TPLXTreeNode *> flat;
        a->flatten(flat);
        QCOMPARE(flat, (QList<TPLXTreeNode *>{p.nodes[1], p.nodes[2], p.nodes[3]}));

        // Collapse events are raised before the change, with the row's summary bar if any.
        QStringList events;
        p.ds.setOnRowCollapse([&](TPLXSummaryBar *bar) {
            events << QStringLiteral("collapse %1 %2")
                          .arg(bar == p.table->getRow(0)->GetBarInRow(0))
                          .arg(a->isCollapsed());
        });
        p.ds.setOnRowExpand([&](TPLXSummaryBar *bar) {
            events << QStringLiteral("expand %1 %2").arg(bar != nullptr).arg(a->isCollapsed());
        });
        p.nodes[2]->setCollapsed(true);
        QCOMPARE(p.shown(), (QList<bool>{true, true, true, false, true}));
        p.roundTrip(std::make_unique<TPLXNodeCollapseOperation>(&p.ds, a), [&] {
            QCOMPARE(p.shown(), (QList<bool>{true, false, false, false, true}));
            QVERIFY(p.nodes[2]->getExpander()->isParked());
            QVERIFY(p.root->findNodeByIndex(2) == p.nodes[2] && p.nodes[3]->row()->getIndex() == 3);
        });
        QCOMPARE(events, (QStringList{"collapse 1 0", "expand 1 1"}));
        // Expanding the outer node leaves the inner one folded.
        QCOMPARE(p.shown(), (QList<bool>{true, true, true, false, true}));
        events.clear();
        QVERIFY(p.stack().doOperation(std::make_unique<TPLXNodeCollapseOperation>(&p.ds, p.nodes[4])));
        QCOMPARE(events, QStringList{"collapse 0 0"});

        // Rows are 20 high; hidden rows take no room. Below the rows there is none.
        const QList<int> found = mapped(QList<int>{0, 20, 21, 40, 41, 61, 81}, [&p](int y) {
            return p.root->findRow(y) ? p.root->findRow(y)->getIndex() : -1;
        });
        QCOMPARE(found, (QList<int>{0, 0, 1, 1, 2, 4, -1}));

        // Moving a node renumbers both forms once the tree is numbered again.
        QVERIFY(a->deleteChild(p.nodes[1]) && !a->deleteChild(p.nodes[1]));
        QVERIFY(p.root->addChild(p.nodes[1], 99));
        QVERIFY(!p.nodes[2]->addChild(a, 0)); // under its own branch
        QCOMPARE(p.root->setIndexes(0), 5);
        QCOMPARE(p.nodes[1]->numberCont() + p.nodes[3]->numberHierchy(), QStringLiteral("5.1.1.1."));
    }

    void sorting_data()
    {
        QTest::addColumn<QList<int>>("levels");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("order");
        QTest::addColumn<QList<int>>("fromRows"); // where each row was before, in the new order
        const auto row = [](const char *name, const QList<int> &levels, const QList<int> &keys, TPLXSortOrder order,
                            const QList<int> &from) { QTest::newRow(name) << levels << keys << int(order) << from; };
        row("ascending", {0, 0, 0, 0}, {3, 1, 4, 2}, sortAscending, {1, 3, 0, 2});
        row("descending", {0, 0, 0, 0}, {3, 1, 4, 2}, sortDescending, {2, 0, 3, 1});
        // Equal keys keep their order, in either direction.
        row("descending ties", {0, 0, 0}, {5, 5, 1}, sortDescending, {0, 1, 2});
        row("ascending ties", {0, 1, 0, 0}, {5, 0, 5, 1}, sortAscending, {3, 0, 1, 2});
        // Branches move with their gantt rows; children are sorted inside their parent.
        row("recursive", {0, 1, 1, 0, 1, 1}, {9, 3, 2, 1, 8, 7}, sortAscending, {3, 5, 4, 0, 2, 1});
        row("none", {0, 0}, {2, 1}, sortNone, {0, 1});
    }

    void sorting()
    {
        QFETCH(QList<int>, levels);
        QFETCH(QList<int>, keys);
        QFETCH(int, order);
        QFETCH(QList<int>, fromRows);
        Plan p(levels, keys);
        const QList<TPLXGanttRow *> ganttRows = p.table->rows();
        p.root->sort(0, TPLXSortOrder(order));
        QList<TPLXTreeNode *> nodes;
        p.root->flatten(nodes);
        QCOMPARE(mapped(nodes, [&p](TPLXTreeNode *n) { return int(p.nodes.indexOf(n)); }), fromRows);
        QCOMPARE(p.table->rows(), mapped(fromRows, [&ganttRows](int from) { return ganttRows[from]; }));
        for (int i = 0; i < nodes.size(); ++i)
            QVERIFY(p.tree->getRow(i) == nodes[i]->row() && nodes[i]->row()->getIndex() == i);
    }

    void drawing()
    {
        Plan p({0, 1, 0});
        TPLXGanttDocument *doc = p.ds.root();
        plxtest::Canvas canvas(400, 200);
        TPLXTreeNodeDrawer *drawer = static_cast<TPLXTreeNodeDrawer *>(p.root->getDrawer(vtGanttGraph));
        drawer->Draw(*canvas.vc);
        const int left = doc->getDocStartX() + doc->getVerticalResizePaneSize() + doc->getTreeStartX();
        const auto nesting = [left](TPLXTreeNode *n) { return n->row()->getNestingOffset() - left; };
        QCOMPARE(mapped(p.nodes, nesting), (QList<int>{18, 25, 18}));
        TPLXNodeExpander *box = p.nodes[0]->getExpander();
        QVERIFY(!box->isParked() && p.nodes[2]->getExpander()->isParked()); // no children, never placed
        const QPoint at = box->position();
        QCOMPARE(at.y(), doc->GetTableStartY() + 10);
        QCOMPARE(drawer->locateObject(at.x(), at.y()), box);
        QCOMPARE(canvas.image.pixel(at.x() + 2, at.y()), qRgb(0, 0, 0)); // the minus stroke
        TPLXGanttObject *hit = drawer->locateObject(left + 30, doc->GetTableStartY() + 45);
        QVERIFY(hit == p.nodes[2]->row() || hit == p.nodes[2]->row()->getCell(0));
        QVERIFY(dynamic_cast<TPLXNodeCollapseOperation *>(box->handleClick(at.x(), at.y(), 0).get()));

        // Scrolled left of the visible tree, the box is parked.
        box->setPosition(doc->getDocStartX() + doc->getVerticalResizePaneSize() - 1, 5);
        QVERIFY(box->isParked());
        QCOMPARE(drawer->locateObject(at.x(), at.y()), p.nodes[0]->row()->getCell(0));
    }
};

QTEST_MAIN(tst_plxTreeNode)
#include "tst_plxTreeNode.moc"
