// Task tree nodes and rows: numbering, lookups, collapse, sorting and saved
// orders, storage, drawing, and what the tree operations do (their exact undo
// is checked by the random walk of tst_plxTaskTree).
#include "plxChartFixture.h"
#include "plxDataSource.h"
#include "plxDocumentFixture.h"
#include "plxIniDocument.h"
#include "plxPlatform.h"
#include "plxSummaryBar.h"
#include "plxTreeCell.h"
#include "plxTreeFixture.h"
#include "plxTreeGrid.h"
#include "plxTreeNode.h"
#include "plxTreeRow.h"

#include <QTemporaryDir>
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

    QList<int> keys() const
    {
        QList<int> result;
        for (int i = 0; i < tree->rowsCount(); ++i)
            result << static_cast<KeyCell *>(tree->getRow(i)->getCell(0))->key;
        return result;
    }
    QList<int> summaryRows() const
    {
        QList<int> result;
        for (int i = 0; i < table->countRows(); ++i)
            if (table->getRow(i)->countBarsOfKind<TPLXSummaryBar>() > 0)
                result << i;
        return result;
    }
    QList<bool> shown() const { return mapped(table->rows(), [](TPLXGanttRow *row) { return row->IsVisible(); }); }
    // Rows, bars, tree shape and the stored tree, for exact comparisons.
    QStringList state() const
    {
        QStringList lines = plxtest::snapshot(table, tree);
        for (TPLXGanttRow *row : table->rows())
            lines << QStringLiteral("shown %1 collapsed %2").arg(row->IsVisible()).arg(row->isCollapsed());
        PLXMedia media = plxtest::mediaFromText({});
        TPLXEntityFactory factory;
        root->doSave(root->getUID(), *media, factory);
        lines << QString::fromUtf8(dynamic_cast<TPLXINIFIle &>(*media).iniFile().toBytes()).split(u'\n');
        return lines;
    }
    // Performs `op` and checks `check`; then undoes it unless `keep`, for the
    // next case to start from the same tree (exact undo is the random walk's
    // business, in tst_plxTaskTree).
    template<typename Check>
    void roundTrip(std::unique_ptr<TPLXOperation> op, Check check, bool keep = false)
    {
        QVERIFY(stack().doOperation(std::move(op)));
        check();
        if (!keep)
            QVERIFY(stack().undo());
    }
};

} // namespace

class tst_plxTreeNode : public QObject
{
    Q_OBJECT

private slots:
    void numberingLookupsAndCollapse();
    void sorting_data();
    void sorting();
    void storage();
    void drawing();
    void rowOperations();
    void sortOperationAndSavedOrders();
    void cellOperations();
};

void tst_plxTreeNode::numberingLookupsAndCollapse()
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
    QCOMPARE(got, (QStringList{"1. 1. 1 -1 3", "2. 1.1. 2 0 1", "3. 1.2. 2 0 3", "4. 1.2.1. 3 2 3", "5. 2. 1 -1 4"}));
    QVERIFY(p.root->numberCont().isEmpty() && p.root->isTreeRoot() && !a->isTreeRoot());
    QCOMPARE(plxtest::Quantities()
                 .is<int>("a->getRowLevel(3)", a->getRowLevel(3), 2)
                 .is<int>("p.root->getLastIndex()", p.root->getLastIndex(), 4)
                 .differing(),
             QString());
    QVERIFY(p.nodes[3]->row()->getParentRow() == p.nodes[2]->row() && !a->row()->getParentRow());
    QList<TPLXTreeNode *> flat;
    a->flatten(flat);
    QCOMPARE(flat, (QList<TPLXTreeNode *>{p.nodes[1], p.nodes[2], p.nodes[3]}));

    // Collapse events are raised before the change, with the row's summary bar if any.
    QStringList events;
    p.ds.OnRowCollapse = [&](TPLXSummaryBar *bar) {
        events << QStringLiteral("collapse %1 %2").arg(bar == p.table->getRow(0)->GetBarInRow(0)).arg(a->isCollapsed());
    };
    p.ds.OnRowExpand = [&](TPLXSummaryBar *bar) {
        events << QStringLiteral("expand %1 %2").arg(bar != nullptr).arg(a->isCollapsed());
    };
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

void tst_plxTreeNode::sorting_data()
{
    QTest::addColumn<QList<int>>("levels");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("order");
    QTest::addColumn<QList<int>>("fromRows"); // where each row was before, in the new order
    const auto row = [](const char *name, const QList<int> &levels, const QList<int> &keys, TPLXSortOrder order,
                        const QList<int> &from) { QTest::newRow(name) << levels << keys << int(order) << from; };
    row("ascending", {0, 0, 0, 0}, {3, 1, 4, 2}, sortAscending, {1, 3, 0, 2});
    row("descending", {0, 0, 0, 0}, {3, 1, 4, 2}, sortDescending, {2, 0, 3, 1});
    // Equal keys: the later of the two comes first when descending.
    row("descending ties", {0, 0, 0}, {5, 5, 1}, sortDescending, {1, 0, 2});
    row("ascending ties", {0, 0, 0}, {5, 5, 1}, sortAscending, {2, 1, 0});
    // Branches move with their gantt rows; children are sorted inside their parent.
    row("recursive", {0, 1, 1, 0, 1, 1}, {9, 3, 2, 1, 8, 7}, sortAscending, {3, 5, 4, 0, 2, 1});
    row("none", {0, 0}, {2, 1}, sortNone, {0, 1});
}

void tst_plxTreeNode::sorting()
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

void tst_plxTreeNode::storage()
{
    // Round trip through the store, with text cells and a folded node.
    TPLXTreeNode root;
    auto *cellType = std::make_unique<TPLXTreeSimpleTextCellType>().release();
    cellType->setParent(&root);
    auto add = [&](TPLXTreeNode *parent, const QString &text) {
        auto row = std::make_unique<TPLXTreeRow>();
        row->insertCell(0, cellType->CreateTreeCell(nullptr, nullptr, row.get()));
        row->getCell(0)->SetText(text);
        row->setSettings(std::make_unique<TPLXTreeRowSettings>().release());
        parent->addChild(std::make_unique<TPLXTreeNode>(row.release()).release(), -1);
        return parent->GetChild(parent->GetChildrenCount() - 1);
    };
    TPLXTreeNode *a = add(&root, QStringLiteral("alpha"));
    add(a, QStringLiteral("beta"));
    add(&root, QStringLiteral("gamma"));
    a->setCollapsed(true);
    const auto saveText = [](TPLXEntityFactory &factory, TPLXTreeNode *node) {
        PLXMedia media = plxtest::mediaFromText({});
        factory.saveObject(QStringLiteral("root"), *media, node);
        return QString::fromUtf8(dynamic_cast<TPLXINIFIle &>(*media).iniFile().toBytes()).split(u'\n');
    };
    TPLXEntityFactory factory;
    const QStringList saved = saveText(factory, &root);
    QVERIFY(saved.contains(QStringLiteral("row=empty")));

    TPLXRecordingScope recorder;
    TPLXEntityFactory loader;
    std::unique_ptr<TPLXGanttObject> loaded(
        loader.loadObject(root.getUID(), *plxtest::mediaFromText(saved.join(u'\n').toUtf8()), nullptr));
    auto *copy = dynamic_cast<TPLXTreeNode *>(loaded.get());
    QVERIFY(copy && copy->isTreeRoot() && copy->GetChildrenCount() == 2 && copy->GetChild(0)->isCollapsed());
    // Saved again it reads the same (texts, nesting, the folded node); settings made at
    // run time store no font, reloaded ones carry the default font.
    QStringList again = saveText(loader, copy);
    again.removeIf([](const QString &line) { return line.startsWith(QLatin1String("font")); });
    QCOMPARE(again, saved);
    QCOMPARE(recorder.recorder.logLines + recorder.recorder.messages, QStringList());

    // "empty" rows, a row and a child named twice, and a node listing itself.
    const QByteArray damaged = "[N]\ntypeID=Tree Node\nrow=empty\nchildren#count=4\nchildren#0=X\nchildren#1=Y\n"
                               "children#2=X\nchildren#3=N\n"
                               "[X]\ntypeID=Tree Node\nrow=R\ncollapsed=1\n"
                               "[Y]\ntypeID=Tree Node\nrow=R\n"
                               "[R]\ntypeID=Tree Row\nsettings=S\n[S]\ntypeID=Tree Row Settings\n";
    TPLXEntityFactory third;
    std::unique_ptr<TPLXGanttObject> bad(third.loadObject(QStringLiteral("N"), *plxtest::mediaFromText(damaged), nullptr));
    auto *n = dynamic_cast<TPLXTreeNode *>(bad.get());
    QVERIFY(n && n->isTreeRoot() && n->GetChildrenCount() == 2);
    QVERIFY(n->GetChild(0)->row() && n->GetChild(0)->isCollapsed() && !n->GetChild(1)->row());
    const QStringList &messages = recorder.recorder.messages; // the circular reference
    QVERIFY(messages.size() == 1 && messages[0].contains(QStringLiteral("Circular reference")));
    QCOMPARE(recorder.recorder.logLines.size(), 2);
}

void tst_plxTreeNode::drawing()
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

void tst_plxTreeNode::rowOperations()
{
    Plan p;
    QCOMPARE(p.summaryRows(), (QList<int>{0, 2}));
    // The first child of C gives C's row a summary bar.
    p.roundTrip(std::make_unique<TPLXTreeRowChildInsertOperation>(&p.ds, 4, p.tree->makeBlankRow(), -1), [&] {
        QCOMPARE(p.summaryRows(), (QList<int>{0, 2, 4}));
        QCOMPARE(plxtest::Quantities()
                     .is<int>("p.tree->rowsCount()", p.tree->rowsCount(), 6)
                     .is<int>("p.root->getRowLevel(5)", p.root->getRowLevel(5), 2)
                     .differing(),
                 QString());
    });
    // A second child under a group adds no summary bar; position 0 puts it first.
    p.roundTrip(std::make_unique<TPLXTreeRowChildInsertOperation>(&p.ds, 0, p.tree->makeBlankRow(), 0), [&] {
        QCOMPARE(p.summaryRows(), (QList<int>{0, 2}));
        QCOMPARE(p.nodes[1]->row()->getIndex(), 2);
    });
    // Deleting A's only child takes A's summary bar; a selected row comes back selected.
    p.tree->select(1, true);
    p.roundTrip(std::make_unique<TPLXTreeRowDeleteOperation>(&p.ds, 1), [&] {
        QCOMPARE(p.summaryRows(), (QList<int>{2}));
        QVERIFY(p.tree->getSelectedRowsCount() == 0 && p.nodes[2]->row()->getIndex() == 1);
    });
    QVERIFY(p.nodes[1]->row()->isSelected());

    // No such row, or a row under its own child: nothing happens.
    const QStringList before = p.state();
    QVERIFY(!p.stack().doOperation(std::make_unique<TPLXTreeRowDeleteOperation>(&p.ds, 7)));
    QVERIFY(!p.stack().doOperation(
        std::make_unique<TPLXTreeRowChildInsertOperation>(&p.ds, 9, p.tree->makeBlankRow(), -1)));
    QVERIFY(!p.stack().doOperation(std::make_unique<TPLXTreeRowSetParentOperation>(&p.ds, 0, 1, 0)));
    QVERIFY(!p.stack().doOperation(std::make_unique<TPLXTreeRowSetParentOperation>(&p.ds, 0, 8, 0)));
    QCOMPARE(p.state(), before);

    // B's only child moves under C: B loses its summary bar, C gains one.
    p.roundTrip(std::make_unique<TPLXTreeRowSetParentOperation>(&p.ds, 3, 4, 0), [&] {
        QCOMPARE(p.summaryRows(), (QList<int>{0, 4}));
        QCOMPARE(p.nodes[3]->parentNode(), p.nodes[4]);
    });
    // C joins B after B1: the order stays, and B already is a group.
    p.roundTrip(std::make_unique<TPLXTreeRowSetParentOperation>(&p.ds, 4, 2, 1), [&] {
        QCOMPARE(p.summaryRows(), (QList<int>{0, 2}));
        QCOMPARE(p.nodes[4]->numberHierchy(), QStringLiteral("2.2."));
    });
    // B's branch moves to the end with its two gantt rows and its summary bar.
    const QList<TPLXGanttRow *> rows = p.table->rows();
    p.roundTrip(p.root->repositionChild(p.nodes[2], nullptr), [&] {
        QCOMPARE(p.table->rows(), (QList<TPLXGanttRow *>{rows[0], rows[1], rows[4], rows[2], rows[3]}));
        QCOMPARE(p.summaryRows(), (QList<int>{0, 3}));
        QCOMPARE(p.nodes[3]->numberHierchy(), QStringLiteral("3.1."));
    });
}

void tst_plxTreeNode::sortOperationAndSavedOrders()
{
    Plan p({0, 0, 1, 1, 0}, {3, 1, 9, 8, 2});
    TPLXTreeHeader *header = p.tree->getHeader();
    p.table->SetScrolledLines(1); // the first row is scrolled away, by position
    p.roundTrip(p.tree->sortRows(0, sortAscending), [&] {
        QCOMPARE(p.keys(), (QList<int>{1, 8, 9, 2, 3}));
        QCOMPARE(header->getSortOrder(0), sortAscending);
        QVERIFY(!p.table->getRow(0)->visibleFlag() && p.table->getRow(4)->visibleFlag());
        QCOMPARE(p.summaryRows(), QList<int>{0});
    }, true);
    p.roundTrip(p.tree->sortRows(0, sortDescending), [&] { QCOMPARE(p.keys(), (QList<int>{3, 2, 1, 9, 8})); }, true);
    // Back to the order from before the first sort.
    p.roundTrip(p.tree->sortRows(0, sortNone), [&] {
        QCOMPARE(p.keys(), (QList<int>{3, 1, 9, 8, 2}));
        QCOMPARE(header->getSortColumn(), -1);
        QCOMPARE(p.summaryRows(), QList<int>{1});
    });
    QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, TPLXSortOperation(p.tree, sortAscending, 1));

    // The command restores and reapplies saved orders (above); any insertion discards them.
    Plan q({0, 1, 1, 0, 1}, {4, 2, 1, 3, 0});
    q.root->saveOrder();
    q.root->sort(0, sortAscending);
    TPLXTreeNode *first = q.root->GetChild(0);
    QVERIFY(q.root->deleteChild(first) && q.root->addChild(first, -1));
    q.root->restoreOrder();
    q.root->setIndexes(0);
    QCOMPARE(q.keys(), (QList<int>{4, 1, 2, 3, 0}));
}

void tst_plxTreeNode::cellOperations()
{
    auto type = std::make_unique<KeyCellType>();
    TPLXTreeNode root;
    QList<TPLXTreeRow *> rows;
    for (int r = 0; r < 2; ++r) {
        auto row = std::make_unique<TPLXTreeRow>();
        for (int c = 0; c < 3 + r; ++c) {
            auto *cell = static_cast<KeyCell *>(type->CreateTreeCell(nullptr, nullptr, row.get()));
            cell->key = 10 * r + c;
            QCOMPARE(row->cellsCount(), c); // the row owns it but lists it only once inserted
            QVERIFY(TPLXCellOperation(row.get(), c, cell).AddCell());
        }
        rows << row.get();
        root.addChild(std::make_unique<TPLXTreeNode>(row.release()).release(), -1);
    }
    auto keys = [&rows] {
        return mapped(rows, [](TPLXTreeRow *row) {
            QList<int> k;
            for (int c = 0; c < row->cellsCount(); ++c)
                k << static_cast<KeyCell *>(row->getCell(c))->key;
            return k;
        });
    };
    const QList<QList<int>> unmoved{{0, 1, 2}, {10, 11, 12, 13}};
    QCOMPARE(keys(), unmoved);
    QCOMPARE(rows[1]->getCell(2)->GetColumnIndex(), 2);
    QVERIFY(!TPLXCellOperation(rows[0], 5, rows[0]->getCell(0)).AddCell());
    QVERIFY(!TPLXCellOperation(rows[0], 3, nullptr).DeleteCell());

    // From, to (-1: the last column), and the keys after the move.
    const QList<std::tuple<int, int, QList<QList<int>>>> moves{{0, -1, {{1, 2, 0}, {11, 12, 13, 10}}},
                                                                {-1, 0, {{2, 0, 1}, {13, 10, 11, 12}}},
                                                                {2, 1, {{0, 2, 1}, {10, 12, 11, 13}}},
                                                                {0, 2, {{1, 0, 2}, {11, 10, 12, 13}}}};
    for (const auto &[from, to, result] : moves) {
        TPLXMoveCellsOperation op(&root, from, to);
        QVERIFY(op.perform());
        QCOMPARE(keys(), result);
        QVERIFY(op.undo());
    }
    TPLXMoveCellsOperation bad(&root, 0, 9);
    QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, bad.perform());
}

QTEST_MAIN(tst_plxTreeNode)
#include "tst_plxTreeNode.moc"
