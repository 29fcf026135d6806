// Task tree nodes and rows: numbering, lookups, collapse, sorting and saved
// orders, storage, drawing, and the tree operations with exact undo.
#include "plxChartTestSupport.h"
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

using fixture::kMonday;

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

template<typename T>
T *adopt(std::unique_ptr<T> object, TPLXGanttObject *parent)
{
    object->setParent(parent);
    return object.release();
}

// A plan loaded through a data source, five rows, with a task tree of one
// numbered column: A(A1) B(B1) C. Rows 0 and 2 are groups with summary bars.
struct Plan
{
    QTemporaryDir dir;
    TPLXRecordingScope recorder;
    TPLXDataSource ds;
    TPLXGanttDocument *doc = nullptr;
    TPLXGanttTable *table = nullptr;
    TPLXTreeGrid *tree = nullptr;
    TPLXTreeNode *root = nullptr;
    QList<TPLXTreeNode *> nodes;

    explicit Plan(const QList<int> &levels = {0, 1, 0, 1, 0}, const QList<int> &keys = {})
    {
        fixture::Document d;
        for (int i = 0; i < levels.size(); ++i)
            d.rows.append({{{QStringLiteral("T%1").arg(i), kMonday + i, 1}}});
        ds.setStorage(fixture::storageFor(dir, QStringLiteral("plan.ini"), fixture::text(d)));
        doc = ds.root();
        table = doc->GetTable();
        table->FUpdateCriticalPath = false;
        delete doc->FTree;
        tree = adopt(std::make_unique<TPLXTreeGrid>(), doc);
        doc->FTree = tree;
        auto *header = std::make_unique<TPLXTreeHeader>().release();
        tree->setHeader(header);
        auto *column = std::make_unique<TPLXTreeHeaderCell>().release();
        column->setWidth(60);
        column->SetDataType(std::make_unique<KeyCellType>().release());
        header->insertHeaderCell(0, column);
        tree->setRootNode(std::make_unique<TPLXTreeNode>().release());
        root = tree->getRootNode();
        QList<TPLXTreeNode *> parents{root};
        for (int i = 0; i < levels.size(); ++i) {
            auto *node = std::make_unique<TPLXTreeNode>(tree->makeBlankRow()).release();
            static_cast<KeyCell *>(node->row()->getCell(0))->key = i < keys.size() ? keys[i] : i;
            parents.resize(levels[i] + 1);
            parents[levels[i]]->addChild(node, -1);
            parents.append(node);
            nodes.append(node);
        }
        root->setIndexes(0);
        for (int i = 0; i < levels.size(); ++i) {
            if (nodes[i]->hasChildren()) {
                table->getRow(i)->Clear();
                table->getRow(i)->AddBar(std::make_unique<TPLXSummaryBar>().release());
            }
        }
        table->UpdateSummaryBars();
    }

    int key(int row) const { return static_cast<KeyCell *>(tree->getRow(row)->getCell(0))->key; }
    QList<int> keys() const
    {
        QList<int> result;
        for (int i = 0; i < tree->rowsCount(); ++i)
            result << key(i);
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
    // Rows, bars, tree shape and the stored tree, for exact comparisons.
    QStringList state() const
    {
        QStringList lines = treefix::snapshot(table, tree);
        for (TPLXGanttRow *row : table->rows())
            lines << QStringLiteral("shown %1 collapsed %2").arg(row->IsVisible()).arg(row->isCollapsed());
        PLXMedia media = plxMediaFromText({});
        TPLXEntityFactory factory;
        root->doSave(root->getUID(), *media, factory);
        lines << QString::fromUtf8(dynamic_cast<TPLXINIFIle &>(*media).iniFile().toBytes()).split(u'\n');
        return lines;
    }
    bool run(std::unique_ptr<TPLXOperation> op) { return ds.getUndoRedoStack().doOperation(std::move(op)); }
    // Performs `op`, checks `check`, undoes, checks the state is back, redoes.
    template<typename Check>
    void roundTrip(std::unique_ptr<TPLXOperation> op, Check check)
    {
        const QStringList before = state();
        QVERIFY(run(std::move(op)));
        const QStringList after = state();
        check();
        QVERIFY(ds.getUndoRedoStack().undo());
        QCOMPARE(state(), before);
        QVERIFY(ds.getUndoRedoStack().redo());
        QCOMPARE(state(), after);
    }
};

} // namespace

class tst_plxTreeNode : public QObject
{
    Q_OBJECT

private slots:
    void numberingAndLookups();
    void collapseAndVisibility();
    void sorting_data();
    void sorting();
    void savedOrders();
    void storage();
    void drawing();
    void childInsertAndDelete();
    void setParentAndMove();
    void collapseOperation();
    void sortOperation();
    void cellOperations();
};

void tst_plxTreeNode::numberingAndLookups()
{
    Plan p({0, 1, 1, 2, 0});
    TPLXTreeNode *a = p.nodes[0];
    QList<QString> cont, hier;
    for (TPLXTreeNode *n : p.nodes) {
        cont << n->numberCont();
        hier << n->numberHierchy();
    }
    QCOMPARE(cont, (QList<QString>{"1.", "2.", "3.", "4.", "5."}));
    QCOMPARE(hier, (QList<QString>{"1.", "1.1.", "1.2.", "1.2.1.", "2."}));
    QVERIFY(p.root->numberCont().isEmpty() && p.root->isTreeRoot() && !a->isTreeRoot());

    QList<int> levels, parents, lasts;
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(p.root->findNodeByIndex(i), p.nodes[i]);
        QCOMPARE(p.root->getRow(i), p.nodes[i]->row());
        QCOMPARE(p.nodes[i]->row()->getRow(), p.table->getRow(i));
        levels << p.root->getRowLevel(i);
        parents << p.nodes[i]->GetParentIndex();
        lasts << p.nodes[i]->getLastIndex();
    }
    QCOMPARE(levels, (QList<int>{1, 2, 2, 3, 1}));
    QCOMPARE(parents, (QList<int>{-1, 0, 0, 2, -1}));
    QCOMPARE(lasts, (QList<int>{3, 1, 3, 3, 4}));
    QCOMPARE(a->getRowLevel(3), 2);
    QCOMPARE(p.root->getLastIndex(), 4);
    QCOMPARE(p.nodes[3]->row()->getParentRow(), p.nodes[2]->row());
    QCOMPARE(a->row()->getParentRow(), nullptr);
    for (int bad : {-1, 5, 99}) {
        QCOMPARE(p.root->findNodeByIndex(bad), nullptr);
        QCOMPARE(p.root->getRowLevel(bad), -1);
    }

    QList<TPLXTreeNode *> flat;
    a->flatten(flat);
    QCOMPARE(flat, (QList<TPLXTreeNode *>{p.nodes[1], p.nodes[2], p.nodes[3]}));
    QList<TPLXTreeRow *> rows;
    p.nodes[2]->collectChildren(rows);
    QCOMPARE(rows, (QList<TPLXTreeRow *>{p.nodes[2]->row(), p.nodes[3]->row()}));

    // Moving a node renumbers both forms once the tree is numbered again.
    QVERIFY(a->deleteChild(p.nodes[1]));
    QVERIFY(!a->deleteChild(p.nodes[1]));
    QVERIFY(p.root->addChild(p.nodes[1], 99));
    QVERIFY(!p.nodes[2]->addChild(a, 0)); // under its own branch
    QCOMPARE(p.root->setIndexes(0), 5);
    QCOMPARE(p.nodes[1]->numberHierchy(), QStringLiteral("3."));
    QCOMPARE(p.nodes[3]->numberHierchy(), QStringLiteral("1.1.1."));
    QCOMPARE(p.nodes[1]->numberCont(), QStringLiteral("5."));
}

void tst_plxTreeNode::collapseAndVisibility()
{
    Plan p({0, 1, 1, 2, 0});
    auto shown = [&p] {
        QList<bool> result;
        for (TPLXGanttRow *row : p.table->rows())
            result << row->IsVisible();
        return result;
    };
    p.nodes[2]->setCollapsed(true);
    QCOMPARE(shown(), (QList<bool>{true, true, true, false, true}));
    p.nodes[0]->setCollapsed(true);
    QCOMPARE(shown(), (QList<bool>{true, false, false, false, true}));
    QVERIFY(p.nodes[2]->getExpander()->isParked());
    QCOMPARE(p.root->findNodeByIndex(2), p.nodes[2]);
    QCOMPARE(p.nodes[3]->row()->getIndex(), 3);
    // Expanding the outer node leaves the inner one folded.
    p.nodes[0]->setCollapsed(false);
    QCOMPARE(shown(), (QList<bool>{true, true, true, false, true}));

    // Rows are 20 high; hidden rows take no room. Below the rows there is none.
    QList<int> found;
    for (int y : {0, 20, 21, 40, 41, 61, 81})
        found << (p.root->findRow(y) ? p.root->findRow(y)->getIndex() : -1);
    QCOMPARE(found, (QList<int>{0, 0, 1, 1, 2, 4, -1}));
}

void tst_plxTreeNode::sorting_data()
{
    QTest::addColumn<QList<int>>("levels");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("order");
    QTest::addColumn<QList<int>>("sorted");
    QTest::addColumn<QList<int>>("fromRows");

    QTest::newRow("ascending") << QList<int>{0, 0, 0, 0} << QList<int>{3, 1, 4, 2} << int(sortAscending)
                               << QList<int>{1, 2, 3, 4} << QList<int>{1, 3, 0, 2};
    QTest::newRow("descending") << QList<int>{0, 0, 0, 0} << QList<int>{3, 1, 4, 2} << int(sortDescending)
                                << QList<int>{4, 3, 2, 1} << QList<int>{2, 0, 3, 1};
    // Equal keys: the later of the two comes first when descending.
    QTest::newRow("descending ties") << QList<int>{0, 0, 0} << QList<int>{5, 5, 1} << int(sortDescending)
                                     << QList<int>{5, 5, 1} << QList<int>{1, 0, 2};
    QTest::newRow("ascending ties") << QList<int>{0, 0, 0} << QList<int>{5, 5, 1} << int(sortAscending)
                                    << QList<int>{1, 5, 5} << QList<int>{2, 1, 0};
    // Branches move with their gantt rows; children are sorted inside their parent.
    QTest::newRow("recursive") << QList<int>{0, 1, 1, 0, 1, 1} << QList<int>{9, 3, 2, 1, 8, 7} << int(sortAscending)
                               << QList<int>{1, 7, 8, 9, 2, 3} << QList<int>{3, 5, 4, 0, 2, 1};
    QTest::newRow("none") << QList<int>{0, 0} << QList<int>{2, 1} << int(sortNone) << QList<int>{2, 1}
                          << QList<int>{0, 1};
}

void tst_plxTreeNode::sorting()
{
    QFETCH(QList<int>, levels);
    QFETCH(QList<int>, keys);
    QFETCH(int, order);
    QFETCH(QList<int>, sorted);
    QFETCH(QList<int>, fromRows);
    Plan p(levels, keys);
    const QList<TPLXGanttRow *> ganttRows = p.table->rows();
    p.root->sort(0, TPLXSortOrder(order));
    QCOMPARE(p.keys(), sorted);
    QList<TPLXGanttRow *> expected;
    for (int from : fromRows)
        expected << ganttRows[from];
    QCOMPARE(p.table->rows(), expected);
    for (int i = 0; i < p.tree->rowsCount(); ++i)
        QCOMPARE(p.tree->getRow(i)->getIndex(), i);
}

void tst_plxTreeNode::savedOrders()
{
    Plan p({0, 1, 1, 0, 1}, {4, 2, 1, 3, 0});
    QList<TPLXTreeNode *> original;
    p.root->flatten(original);
    p.root->saveOrder();
    p.root->sort(0, sortAscending);
    QCOMPARE(p.keys(), (QList<int>{3, 0, 4, 1, 2}));
    p.root->restoreOrder();
    p.root->setIndexes(0);
    QCOMPARE(p.keys(), (QList<int>{4, 2, 1, 3, 0}));

    // applyOrder takes a flat pre-order list back, one entry per child.
    p.root->sort(0, sortDescending);
    int position = 0;
    p.root->applyOrder(original, position);
    QCOMPARE(position, 5);
    QList<TPLXTreeNode *> again;
    p.root->flatten(again);
    QCOMPARE(again, original);

    // Any insertion discards the saved orders.
    p.root->saveOrder();
    p.root->sort(0, sortAscending);
    TPLXTreeNode *first = p.root->GetChild(0);
    QVERIFY(p.root->deleteChild(first) && p.root->addChild(first, -1));
    p.root->restoreOrder();
    p.root->setIndexes(0);
    QCOMPARE(p.keys(), (QList<int>{4, 1, 2, 3, 0}));
}

void tst_plxTreeNode::storage()
{
    // Round trip through the store, with text cells and a folded node.
    auto *cellType = std::make_unique<TPLXTreeSimpleTextCellType>().release();
    TPLXTreeNode root;
    cellType->setParent(&root);
    auto makeNode = [&](const QString &text) {
        auto row = std::make_unique<TPLXTreeRow>();
        row->insertCell(0, cellType->CreateTreeCell(nullptr, nullptr, row.get()));
        row->getCell(0)->SetText(text);
        row->setSettings(std::make_unique<TPLXTreeRowSettings>().release());
        return std::make_unique<TPLXTreeNode>(row.release()).release();
    };
    TPLXTreeNode *a = makeNode(QStringLiteral("alpha"));
    root.addChild(a, -1);
    a->addChild(makeNode(QStringLiteral("beta")), -1);
    root.addChild(makeNode(QStringLiteral("gamma")), -1);
    a->setCollapsed(true);
    PLXMedia media = plxMediaFromText({});
    TPLXEntityFactory factory;
    factory.saveObject(QStringLiteral("root"), *media, &root);
    const QByteArray saved = dynamic_cast<TPLXINIFIle &>(*media).iniFile().toBytes();
    QCOMPARE(media->strValue(root.getUID(), QStringLiteral("row"), {}), QStringLiteral("empty"));

    TPLXRecordingScope recorder;
    TPLXEntityFactory loader;
    std::unique_ptr<TPLXGanttObject> loaded(loader.loadObject(root.getUID(), *plxMediaFromText(saved), nullptr));
    auto *copy = dynamic_cast<TPLXTreeNode *>(loaded.get());
    QVERIFY(copy && copy->isTreeRoot());
    QCOMPARE(copy->setIndexes(0), 3);
    QCOMPARE(copy->GetChild(0)->GetChild(0)->row()->getCell(0)->GetText(), QStringLiteral("beta"));
    QVERIFY(copy->GetChild(0)->isCollapsed() && !copy->GetChild(1)->isCollapsed());
    PLXMedia second = plxMediaFromText({});
    loader.saveObject(QStringLiteral("root"), *second, copy);
    // Settings made at run time store no font; reloaded ones carry the default font.
    QStringList again = QString::fromUtf8(dynamic_cast<TPLXINIFIle &>(*second).iniFile().toBytes()).split(u'\n');
    again.removeIf([](const QString &line) { return line.startsWith(QLatin1String("font")); });
    QCOMPARE(again, QString::fromUtf8(saved).split(u'\n'));
    QCOMPARE(recorder.recorder.logLines, QStringList());
    QCOMPARE(recorder.recorder.messages, QStringList());

    // "empty" rows, a row and a child named twice, and a node listing itself.
    const QByteArray damaged = "[N]\ntypeID=Tree Node\nrow=empty\nchildren#count=4\nchildren#0=X\nchildren#1=Y\n"
                               "children#2=X\nchildren#3=N\n"
                               "[X]\ntypeID=Tree Node\nrow=R\ncollapsed=1\n"
                               "[Y]\ntypeID=Tree Node\nrow=R\n"
                               "[R]\ntypeID=Tree Row\nsettings=S\n[S]\ntypeID=Tree Row Settings\n";
    TPLXEntityFactory third;
    std::unique_ptr<TPLXGanttObject> bad(third.loadObject(QStringLiteral("N"), *plxMediaFromText(damaged), nullptr));
    auto *n = dynamic_cast<TPLXTreeNode *>(bad.get());
    QVERIFY(n && n->isTreeRoot());
    QCOMPARE(n->GetChildrenCount(), 2);
    QVERIFY(n->GetChild(0)->row() && n->GetChild(0)->isCollapsed());
    QCOMPARE(n->GetChild(1)->row(), nullptr);
    QCOMPARE(recorder.recorder.messages.size(), 1); // the circular reference
    QVERIFY(recorder.recorder.messages[0].contains(QStringLiteral("Circular reference")));
    QCOMPARE(recorder.recorder.logLines.size(), 2);
}

void tst_plxTreeNode::drawing()
{
    Plan p({0, 1, 0});
    TPLXGanttDocument *doc = p.doc;
    chart::Canvas canvas(400, 200);
    TPLXTreeNodeDrawer *drawer = static_cast<TPLXTreeNodeDrawer *>(p.root->getDrawer(vtGanttGraph));
    drawer->Draw(*canvas.vc);
    const int left = doc->getDocStartX() + doc->getVerticalResizePaneSize() + doc->getTreeStartX();
    QList<int> nesting, order;
    for (TPLXTreeNode *n : p.nodes) {
        nesting << n->row()->FNestingOffset - left;
        order << n->row()->FOrder;
    }
    QCOMPARE(nesting, (QList<int>{18, 25, 18}));
    QCOMPARE(order, (QList<int>{0, 1, 2}));
    TPLXNodeExpander *box = p.nodes[0]->getExpander();
    QVERIFY(!box->isParked());
    QVERIFY(p.nodes[2]->getExpander()->isParked()); // no children, never placed
    const QPoint at = box->position();
    QCOMPARE(at.y(), doc->GetTableStartY() + 10);
    QCOMPARE(drawer->locateObject(at.x(), at.y()), box);
    QCOMPARE(canvas.image.pixel(at.x() + 2, at.y()), qRgb(0, 0, 0)); // the minus stroke
    QVERIFY(drawer->locateObject(left + 30, doc->GetTableStartY() + 45) == p.nodes[2]->row() ||
            drawer->locateObject(left + 30, doc->GetTableStartY() + 45) == p.nodes[2]->row()->getCell(0));
    std::unique_ptr<TPLXOperation> click = box->handleClick(at.x(), at.y(), 0);
    QVERIFY(dynamic_cast<TPLXNodeCollapseOperation *>(click.get()));

    // Scrolled left of the visible tree, the box is parked.
    box->setPosition(doc->getDocStartX() + doc->getVerticalResizePaneSize() - 1, 5);
    QVERIFY(box->isParked());
    QCOMPARE(drawer->locateObject(at.x(), at.y()), p.nodes[0]->row()->getCell(0));
}

void tst_plxTreeNode::childInsertAndDelete()
{
    Plan p;
    QCOMPARE(p.summaryRows(), (QList<int>{0, 2}));
    // The first child of C gives C's row a summary bar.
    p.roundTrip(std::make_unique<TPLXTreeRowChildInsertOperation>(&p.ds, 4, p.tree->makeBlankRow(), -1), [&] {
        QCOMPARE(p.summaryRows(), (QList<int>{0, 2, 4}));
        QCOMPARE(p.tree->rowsCount(), 6);
        QCOMPARE(p.root->getRowLevel(5), 2);
    });
    QVERIFY(p.ds.getUndoRedoStack().undo());
    // A second child under a group adds no summary bar; position 0 puts it first.
    p.roundTrip(std::make_unique<TPLXTreeRowChildInsertOperation>(&p.ds, 0, p.tree->makeBlankRow(), 0), [&] {
        QCOMPARE(p.summaryRows(), (QList<int>{0, 2}));
        QCOMPARE(p.nodes[1]->row()->getIndex(), 2);
    });
    QVERIFY(p.ds.getUndoRedoStack().undo());

    // Deleting A's only child takes A's summary bar; a selected row comes back selected.
    p.tree->select(1, true);
    p.roundTrip(std::make_unique<TPLXTreeRowDeleteOperation>(&p.ds, 1), [&] {
        QCOMPARE(p.summaryRows(), (QList<int>{2}));
        QCOMPARE(p.tree->getSelectedRowsCount(), 0);
        QCOMPARE(p.nodes[2]->row()->getIndex(), 1);
    });
    QVERIFY(p.ds.getUndoRedoStack().undo());
    QVERIFY(p.nodes[1]->row()->isSelected());

    // No such row: nothing happens.
    const QStringList before = p.state();
    QVERIFY(!p.run(std::make_unique<TPLXTreeRowDeleteOperation>(&p.ds, 7)));
    QVERIFY(!p.run(std::make_unique<TPLXTreeRowChildInsertOperation>(&p.ds, 9, p.tree->makeBlankRow(), -1)));
    QCOMPARE(p.state(), before);
}

void tst_plxTreeNode::setParentAndMove()
{
    Plan p;
    // B's only child moves under C: B loses its summary bar, C gains one.
    p.roundTrip(std::make_unique<TPLXTreeRowSetParentOperation>(&p.ds, 3, 4, 0), [&] {
        QCOMPARE(p.summaryRows(), (QList<int>{0, 4}));
        QCOMPARE(p.nodes[3]->parentNode(), p.nodes[4]);
    });
    QVERIFY(p.ds.getUndoRedoStack().undo());
    // C joins B after B1: the order stays, and B already is a group.
    p.roundTrip(std::make_unique<TPLXTreeRowSetParentOperation>(&p.ds, 4, 2, 1), [&] {
        QCOMPARE(p.summaryRows(), (QList<int>{0, 2}));
        QCOMPARE(p.nodes[4]->numberHierchy(), QStringLiteral("2.2."));
    });
    QVERIFY(p.ds.getUndoRedoStack().undo());
    const QStringList before = p.state();
    QVERIFY(!p.run(std::make_unique<TPLXTreeRowSetParentOperation>(&p.ds, 0, 1, 0))); // under its own child
    QVERIFY(!p.run(std::make_unique<TPLXTreeRowSetParentOperation>(&p.ds, 0, 8, 0)));
    QCOMPARE(p.state(), before);

    // C moves in front of A with its gantt row; B's branch moves to the end with its two rows.
    const QList<TPLXGanttRow *> rows = p.table->rows();
    p.roundTrip(p.root->repositionChild(p.nodes[4], p.nodes[0]), [&] {
        QCOMPARE(p.table->rows(), (QList<TPLXGanttRow *>{rows[4], rows[0], rows[1], rows[2], rows[3]}));
        QCOMPARE(p.summaryRows(), (QList<int>{1, 3}));
    });
    QVERIFY(p.ds.getUndoRedoStack().undo());
    p.roundTrip(p.root->repositionChild(p.nodes[2], nullptr), [&] {
        QCOMPARE(p.table->rows(), (QList<TPLXGanttRow *>{rows[0], rows[1], rows[4], rows[2], rows[3]}));
        QCOMPARE(p.nodes[3]->numberHierchy(), QStringLiteral("3.1."));
    });
}

void tst_plxTreeNode::collapseOperation()
{
    Plan p;
    QStringList events;
    p.ds.OnRowCollapse = [&](TPLXSummaryBar *bar) {
        events << QStringLiteral("collapse %1 %2").arg(bar == p.table->getRow(0)->GetBarInRow(0)).arg(
                      p.nodes[0]->isCollapsed());
    };
    p.ds.OnRowExpand = [&](TPLXSummaryBar *bar) {
        events << QStringLiteral("expand %1 %2").arg(bar != nullptr).arg(p.nodes[0]->isCollapsed());
    };
    p.roundTrip(std::make_unique<TPLXNodeCollapseOperation>(&p.ds, p.nodes[0]), [&] {
        QVERIFY(p.nodes[0]->isCollapsed());
        QVERIFY(!p.table->getRow(1)->IsVisible());
    });
    // Raised before the change, with the row's summary bar.
    QCOMPARE(events, (QStringList{"collapse 1 0", "expand 1 1", "collapse 1 0"}));
    events.clear();
    // A node without a summary bar raises with none.
    QVERIFY(p.run(std::make_unique<TPLXNodeCollapseOperation>(&p.ds, p.nodes[4])));
    QCOMPARE(events, QStringList{"collapse 0 1"});
}

void tst_plxTreeNode::sortOperation()
{
    Plan p({0, 0, 1, 1, 0}, {3, 1, 9, 8, 2});
    TPLXTreeHeader *header = p.tree->getHeader();
    p.table->SetScrolledLines(1); // the first row is scrolled away, by position
    p.roundTrip(p.tree->sortRows(0, sortAscending), [&] {
        QCOMPARE(p.keys(), (QList<int>{1, 8, 9, 2, 3}));
        QCOMPARE(header->getSortOrder(0), sortAscending);
        QVERIFY(!p.table->getRow(0)->visibleFlag() && p.table->getRow(4)->visibleFlag());
        QCOMPARE(p.summaryRows(), QList<int>{0});
    });
    p.roundTrip(p.tree->sortRows(0, sortDescending), [&] {
        QCOMPARE(p.keys(), (QList<int>{3, 2, 1, 9, 8}));
    });
    // Back to the order from before the first sort.
    p.roundTrip(p.tree->sortRows(0, sortNone), [&] {
        QCOMPARE(p.keys(), (QList<int>{3, 1, 9, 8, 2}));
        QCOMPARE(header->getSortColumn(), -1);
        QCOMPARE(p.summaryRows(), QList<int>{1});
    });
    QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, TPLXSortOperation(p.tree, sortAscending, 1));
}

void tst_plxTreeNode::cellOperations()
{
    auto type = std::make_unique<KeyCellType>();
    TPLXTreeNode root;
    QList<TPLXTreeRow *> rows;
    QList<QList<TPLXTreeCell *>> made;
    for (int r = 0; r < 2; ++r) {
        auto row = std::make_unique<TPLXTreeRow>();
        made.append(QList<TPLXTreeCell *>());
        for (int c = 0; c < 3 + r; ++c) {
            auto *cell = static_cast<KeyCell *>(type->CreateTreeCell(nullptr, nullptr, row.get()));
            cell->key = 10 * r + c;
            made.last() << cell;
        }
        rows << row.get();
        root.addChild(std::make_unique<TPLXTreeNode>(row.release()).release(), -1);
    }
    auto keys = [&rows] {
        QList<QList<int>> result;
        for (TPLXTreeRow *row : rows) {
            QList<int> k;
            for (int c = 0; c < row->cellsCount(); ++c)
                k << static_cast<KeyCell *>(row->getCell(c))->key;
            result << k;
        }
        return result;
    };
    // Cells made by the type are the row's, but listed only once inserted.
    QCOMPARE(rows[0]->cellsCount(), 0);
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < made[r].size(); ++c)
            QVERIFY(TPLXCellOperation(rows[r], c, made[r][c]).AddCell());
    }
    QCOMPARE(keys(), (QList<QList<int>>{{0, 1, 2}, {10, 11, 12, 13}}));
    QCOMPARE(made[1][2]->GetColumnIndex(), 2);
    QVERIFY(!TPLXCellOperation(rows[0], 5, made[0][0]).AddCell());
    QVERIFY(!TPLXCellOperation(rows[0], 3, nullptr).DeleteCell());

    struct Move
    {
        int from, to;
        QList<QList<int>> result;
    };
    const QList<Move> moves{{0, -1, {{1, 2, 0}, {11, 12, 13, 10}}},
                            {-1, 0, {{2, 0, 1}, {13, 10, 11, 12}}},
                            {2, 1, {{0, 2, 1}, {10, 12, 11, 13}}},
                            {0, 2, {{1, 0, 2}, {11, 10, 12, 13}}}};
    for (const Move &m : moves) {
        TPLXMoveCellsOperation op(&root, m.from, m.to);
        QVERIFY(op.perform());
        QCOMPARE(keys(), m.result);
        QVERIFY(op.undo());
        QCOMPARE(keys(), (QList<QList<int>>{{0, 1, 2}, {10, 11, 12, 13}}));
    }
    TPLXMoveCellsOperation bad(&root, 0, 9);
    QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, bad.perform());
}

QTEST_MAIN(tst_plxTreeNode)
#include "tst_plxTreeNode.moc"
