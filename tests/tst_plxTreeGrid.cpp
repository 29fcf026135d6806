// The tree grid, its header, header cells and resize pane: stored keys and
// defaults, row lookups, selection and focus, sorting through header clicks,
// column and row moves, and the resizing handles.
#include "plxDataSource.h"
#include "plxGanttDocument.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxIniDocument.h"
#include "plxMedia.h"
#include "plxPlatform.h"
#include "plxRessourceStrings.h"
#include "plxTestSupport.h"
#include "plxTreeCell.h"
#include "plxTreeGrid.h"
#include "plxTreeNode.h"
#include "plxTreeRow.h"
#include "plxVisualContext.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kRowHeight = 20;

QByteArray line(const QString &key, const QString &value)
{
    return (key + QLatin1Char('=') + value + QLatin1Char('\n')).toUtf8();
}

QByteArray array(const QString &key, const QStringList &items)
{
    QByteArray text = line(key + QStringLiteral("#count"), QString::number(items.size()));
    for (qsizetype i = 0; i < items.size(); ++i)
        text += line(key + QLatin1Char('#') + QString::number(i), items[i]);
    return text;
}

QByteArray section(const QString &name)
{
    return ("\n[" + name + "]\n").toUtf8();
}

struct Task
{
    QString name;
    QList<Task> children;
};

// The plan: delta, alpha (zulu, bravo), charlie, echo, foxtrot; rows 0 to 6 in that order.
const QList<Task> kPlan{
    {QStringLiteral("delta"), {}},
    {QStringLiteral("alpha"), {{QStringLiteral("zulu"), {}}, {QStringLiteral("bravo"), {}}}},
    {QStringLiteral("charlie"), {}},
    {QStringLiteral("echo"), {}},
    {QStringLiteral("foxtrot"), {}},
};
const QStringList kOriginalOrder{QStringLiteral("delta"), QStringLiteral("alpha"), QStringLiteral("zulu"),
                                 QStringLiteral("bravo"), QStringLiteral("charlie"), QStringLiteral("echo"),
                                 QStringLiteral("foxtrot")};

// Writes a node, its row with a text cell and a number cell, and its children; returns the node's section.
QString writeNode(const Task &task, QByteArray &text, int &counter)
{
    const QString id = QString::number(counter++);
    QStringList children;
    for (const Task &child : task.children)
        children << writeNode(child, text, counter);
    const QString node = QStringLiteral("Node") + id;
    text += section(node) + line(QStringLiteral("typeID"), QStringLiteral("Tree Node")) +
            line(QStringLiteral("row"), QStringLiteral("TreeRow") + id) + array(QStringLiteral("children"), children);
    text += section(QStringLiteral("TreeRow") + id) + line(QStringLiteral("typeID"), QStringLiteral("Tree Row")) +
            array(QStringLiteral("cells"), {QStringLiteral("Name") + id, QStringLiteral("Number") + id}) +
            line(QStringLiteral("settings"), QStringLiteral("RowSettings"));
    text += section(QStringLiteral("Name") + id) +
            line(QStringLiteral("typeID"), QStringLiteral("Tree Simple Text Cell")) +
            line(QStringLiteral("rowSettings"), QStringLiteral("RowSettings")) +
            line(QStringLiteral("colSettings"), QStringLiteral("NameColumn")) +
            line(QStringLiteral("dataType"), QStringLiteral("TextType")) + line(QStringLiteral("text"), task.name);
    text += section(QStringLiteral("Number") + id) + line(QStringLiteral("typeID"), QStringLiteral("Tree Auto Cell")) +
            line(QStringLiteral("rowSettings"), QStringLiteral("RowSettings")) +
            line(QStringLiteral("colSettings"), QStringLiteral("NumberColumn")) +
            line(QStringLiteral("dataType"), QStringLiteral("NumberType"));
    return node;
}

// A whole document: seven gantt rows and the tree of kPlan.
QByteArray planText(const QByteArray &treeExtra = {})
{
    QByteArray t = section(QStringLiteral("root")) + line(QStringLiteral("typeID"), QStringLiteral("Document")) +
                   line(QStringLiteral("table"), QStringLiteral("Table")) +
                   line(QStringLiteral("tree"), QStringLiteral("Tree"));
    QStringList rows;
    for (int i = 0; i < kOriginalOrder.size(); ++i)
        rows << QStringLiteral("GanttRow%1").arg(i);
    t += section(QStringLiteral("Table")) + line(QStringLiteral("TypeID"), QStringLiteral("Gantt Table")) +
         array(QStringLiteral("rows"), rows);
    for (const QString &row : rows)
        t += section(row) + line(QStringLiteral("typeID"), QStringLiteral("Gantt Row")) +
             line(QStringLiteral("height"), QString::number(kRowHeight));

    QStringList top;
    int counter = 0;
    QByteArray nodes;
    for (const Task &task : kPlan)
        top << writeNode(task, nodes, counter);
    t += section(QStringLiteral("Tree")) + line(QStringLiteral("TypeID"), QStringLiteral("Tree Grid")) +
         line(QStringLiteral("width"), QStringLiteral("250")) + line(QStringLiteral("header"), QStringLiteral("Header")) +
         line(QStringLiteral("root node"), QStringLiteral("TreeRoot")) +
         line(QStringLiteral("vertical pane"), QStringLiteral("Pane")) +
         line(QStringLiteral("default row settings"), QStringLiteral("RowSettings")) +
         line(QStringLiteral("default col settings"), QStringLiteral("NameColumn")) + treeExtra;
    t += section(QStringLiteral("Header")) + line(QStringLiteral("typeID"), QStringLiteral("Tree Header")) +
         line(QStringLiteral("height"), QStringLiteral("18")) +
         array(QStringLiteral("cells"), {QStringLiteral("NameHeader"), QStringLiteral("NumberHeader")});
    t += section(QStringLiteral("NameHeader")) + line(QStringLiteral("typeID"), QStringLiteral("Tree Header Cell")) +
         line(QStringLiteral("title"), QStringLiteral("Task")) +
         line(QStringLiteral("settings"), QStringLiteral("NameColumn")) +
         line(QStringLiteral("dataType"), QStringLiteral("TextType"));
    t += section(QStringLiteral("NumberHeader")) + line(QStringLiteral("typeID"), QStringLiteral("Tree Header Cell")) +
         line(QStringLiteral("title"), QStringLiteral("No")) +
         line(QStringLiteral("settings"), QStringLiteral("NumberColumn")) +
         line(QStringLiteral("dataType"), QStringLiteral("NumberType"));
    t += section(QStringLiteral("NameColumn")) + line(QStringLiteral("typeID"), QStringLiteral("Tree Column Settings")) +
         line(QStringLiteral("width"), QStringLiteral("120"));
    t += section(QStringLiteral("NumberColumn")) +
         line(QStringLiteral("typeID"), QStringLiteral("Tree Column Settings")) +
         line(QStringLiteral("width"), QStringLiteral("40"));
    t += section(QStringLiteral("TextType")) + line(QStringLiteral("typeID"), QStringLiteral("Simple Text Type"));
    t += section(QStringLiteral("NumberType")) +
         line(QStringLiteral("typeID"), QStringLiteral("Tree AutoCellType.Number"));
    t += section(QStringLiteral("RowSettings")) + line(QStringLiteral("typeID"), QStringLiteral("Tree Row Settings"));
    t += section(QStringLiteral("Pane")) + line(QStringLiteral("typeID"), QStringLiteral("Vertical resize pane")) +
         line(QStringLiteral("width"), QStringLiteral("15"));
    t += section(QStringLiteral("TreeRoot")) + line(QStringLiteral("typeID"), QStringLiteral("Tree Node")) +
         line(QStringLiteral("row"), QStringLiteral("empty")) + array(QStringLiteral("children"), top);
    return t + nodes;
}

// A data source over the plan, with its tree at hand.
struct Plan
{
    explicit Plan(const QByteArray &treeExtra = {})
    {
        const QString path = dir.filePath(QStringLiteral("plan.ini"));
        plxWriteFile(path, planText(treeExtra));
        ds.setStorage(QStringLiteral("file://") + path);
        doc = ds.root();
        // Until the document keeps its tree itself, take the one it loaded as its child.
        if (!doc->FTree) {
            doc->FTree = dynamic_cast<TPLXTreeGrid *>(ds.getFactory().getLoadedObject(QStringLiteral("Tree")));
            doc->FTree->getRootNode()->setVisible(true);
        }
        tree = doc->FTree;
    }

    QStringList names() const
    {
        QStringList list;
        for (int i = 0; i < tree->rowsCount(); ++i)
            list << tree->getCellStringValue(i, 0);
        return list;
    }

    QList<int> selected() const
    {
        QList<int> list;
        for (int k = 0; k < tree->getSelectedRowsCount(); ++k)
            list << tree->getSelectedRow(k)->getIndex();
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

std::unique_ptr<TPLXTreeGrid> loadGrid(const QByteArray &text, TPLXEntityFactory &factory, IPLXMedia &media)
{
    return std::unique_ptr<TPLXTreeGrid>(
        dynamic_cast<TPLXTreeGrid *>(factory.loadObject(QStringLiteral("Tree"), media, nullptr)));
}

QByteArray textOf(IPLXMedia &media)
{
    return dynamic_cast<TPLXINIFIle &>(media).iniFile().toBytes();
}

} // namespace

class tst_plxTreeGrid : public QObject
{
    Q_OBJECT

private slots:
    void loadsDefaultsOfBareSections();
    void saveWritesTheStoredKeysAndReloads();
    void answersRowAndNodeLookups();
    void selectsAndFocusesRows();
    void headerKeepsHeightAndOneSortColumn();
    void headerClicksCycleTheSortOrder();
    void movesColumnsAndRows();
    void dragHandlesResizeAndFold();
    void drawsRowBackgroundsAndLocatesHandles();
};

void tst_plxTreeGrid::loadsDefaultsOfBareSections()
{
    // Given sections that hold nothing but their type ids (and two hand-edited keys)
    TPLXRecordingScope recording;
    const QByteArray text = "[Tree]\nTypeID=Tree Grid\nheader=Header\nvertical pane=Pane\n"
                            "[Header]\ntypeID=Tree Header\ncells#count=1\ncells#0=Cell\n"
                            "[Cell]\ntypeID=Tree Header Cell\nsortOrder=2\n"
                            "[Pane]\ntypeID=Vertical resize pane\n";
    PLXMedia media = plxMediaFromText(text);
    TPLXEntityFactory factory;
    std::unique_ptr<TPLXTreeGrid> grid = loadGrid(text, factory, *media);
    QVERIFY(grid);

    // Then every key takes its default
    QCOMPARE(grid->getWidth(), 300);
    QCOMPARE(grid->FbkColor, TColor(0xFFEAD5));
    QCOMPARE(grid->FUpperPaneColor, TColor(0x02C56A31));
    QCOMPARE(grid->getSelectedRowColor(), TColor(0xC56AC5));
    QCOMPARE(grid->getSelectedRowFontColor(), TColor(0xFFFFFF));
    QCOMPARE(grid->getFocusedRowColor(), TColor(0x808080));
    QCOMPARE(grid->getFocusedRowFontColor(), TColor(0xFFFFFF));
    QCOMPARE(grid->FGroupRowColor, TColor(0x808080));
    QCOMPARE(grid->FContinuousNumbering, false);
    QVERIFY(!grid->getRootNode());
    QCOMPARE(grid->rowsCount(), 0);
    QCOMPARE(grid->getHeader()->getHeight(), 16);
    QCOMPARE(grid->getHeader()->FbkColor, TColor(0x02C56A31));
    QCOMPARE(grid->getRowsResizePane()->FWidth, 15);
    QCOMPARE(grid->getRowsResizePane()->FColor, TColor(0xC0C0C0));
    TPLXTreeHeaderCell *cell = grid->getHeader()->getHeaderCell(0);
    QCOMPARE(cell->getTitle(), GetRessourceValue(QStringLiteral("autonumbercolumn")));
    QCOMPARE(cell->FColor, TColor(0));
    QCOMPARE(cell->FFontName, QStringLiteral("Arial"));
    QCOMPARE(cell->FFontSize, 10);
    QVERIFY(cell->isVisible());
    // The stored sort order is read although it is never written.
    QCOMPARE(cell->getSortOrder(), sortDescending);
    QCOMPARE(grid->getHeader()->getSortColumn(), 0);
    QCOMPARE(grid->getWidth() > 0 && grid->getResizer()->IsTreeGridResizer(), true);

    // A stored group colour is read; an unusable sort order reads as unsorted.
    const QByteArray edited = "[Tree]\nTypeID=Tree Grid\nrow group color=$00123456\nheader=Header\n"
                              "[Header]\ntypeID=Tree Header\ncells#count=1\ncells#0=Cell\n"
                              "[Cell]\ntypeID=Tree Header Cell\nsortOrder=7\n";
    PLXMedia editedMedia = plxMediaFromText(edited);
    TPLXEntityFactory editedFactory;
    std::unique_ptr<TPLXTreeGrid> editedGrid = loadGrid(edited, editedFactory, *editedMedia);
    QCOMPARE(editedGrid->FGroupRowColor, TColor(0x123456));
    QCOMPARE(editedGrid->getHeader()->getSortOrder(0), sortNone);

    // Parts of the wrong kind, circular or missing stay empty; the rest still loads.
    const QByteArray broken = "[Tree]\nTypeID=Tree Grid\nwidth=90\nheader=Header\nroot node=Tree\n"
                              "vertical pane=Nowhere\ndefault col settings=Header\n"
                              "[Header]\ntypeID=Tree Header\ncells#count=3\ncells#0=Header\ncells#1=Cell\n"
                              "cells#2=Cell\n[Cell]\ntypeID=Tree Header Cell\n";
    PLXMedia brokenMedia = plxMediaFromText(broken);
    TPLXEntityFactory brokenFactory;
    std::unique_ptr<TPLXTreeGrid> brokenGrid = loadGrid(broken, brokenFactory, *brokenMedia);
    QVERIFY(brokenGrid);
    QCOMPARE(brokenGrid->getWidth(), 90);
    QVERIFY(!brokenGrid->getRootNode());
    QVERIFY(!brokenGrid->getRowsResizePane());
    QVERIFY(!brokenGrid->getDefaultColSettings());
    QCOMPARE(brokenGrid->colsCount(), 1);
    QCOMPARE(brokenGrid->getPaneWidth(), 0);
    QVERIFY(recording.recorder.messages.contains(QStringLiteral("Warning! Circular reference. Involved object: Tree")));
    QVERIFY(recording.recorder.messages.contains(QStringLiteral("Error loading Nowhere")));
}

void tst_plxTreeGrid::saveWritesTheStoredKeysAndReloads()
{
    Plan plan("row group color=clRed\nrow focused color=clBlue\ncontinuous numbering=1\n");
    plan.tree->getHeader()->setSortOrder(0, sortAscending);
    plan.tree->getHeader()->getHeaderCell(1)->setVisible(false);
    plan.tree->getRowsResizePane()->FColor = 0x00112233;

    PLXMedia store = plxMediaFromText({});
    TPLXEntityFactory factory;
    plan.tree->doSave(QStringLiteral("root"), *store, factory);
    const QByteArray text = textOf(*store);

    // The grid, the header and the pane link themselves into their owners' sections.
    QCOMPARE(store->strValue(QStringLiteral("root"), QStringLiteral("tree"), {}), QStringLiteral("Tree"));
    QCOMPARE(store->strValue(QStringLiteral("Tree"), QStringLiteral("header"), {}), QStringLiteral("Header"));
    QCOMPARE(store->strValue(QStringLiteral("Tree"), QStringLiteral("vertical pane"), {}), QStringLiteral("Pane"));
    QCOMPARE(store->strValue(QStringLiteral("Tree"), QStringLiteral("root node"), {}), QStringLiteral("TreeRoot"));
    QCOMPARE(store->strValue(QStringLiteral("Tree"), QStringLiteral("row focused color"), {}),
             QStringLiteral("clBlue"));
    QVERIFY(text.contains("TypeID=Tree Grid"));
    // Read but never written:
    QVERIFY(!text.contains("row group color"));
    QVERIFY(!text.contains("sortOrder"));

    // Reloading the saved text gives the same grid, unsorted.
    TPLXEntityFactory reloadFactory;
    std::unique_ptr<TPLXTreeGrid> again = loadGrid(text, reloadFactory, *store);
    QVERIFY(again);
    QCOMPARE(again->getWidth(), 250);
    QCOMPARE(again->getFocusedRowColor(), TColor(0xFF0000));
    QCOMPARE(again->FGroupRowColor, TColor(0x808080));
    QCOMPARE(again->FContinuousNumbering, true);
    QCOMPARE(again->getHeader()->getHeight(), 18);
    QCOMPARE(again->getHeader()->getSortColumn(), -1);
    QCOMPARE(again->colsCount(), 2);
    QCOMPARE(again->getHeader()->getHeaderCell(0)->getTitle(), QStringLiteral("Task"));
    QCOMPARE(again->getCellWidth(0), 120);
    QCOMPARE(again->getHeader()->getHeaderCell(1)->isVisible(), false);
    QVERIFY(again->getHeader()->getHeaderCell(1)->GetDataType());
    QCOMPARE(again->getRowsResizePane()->FColor, TColor(0x112233));
    QCOMPARE(again->rowsCount(), 7);
    QCOMPARE(again->getCell(3, 0)->GetText(), QStringLiteral("bravo"));
    QCOMPARE(again->getRowLevel(3), 2);
    QCOMPARE(plan.recording.recorder.messages, QStringList{});
}

void tst_plxTreeGrid::answersRowAndNodeLookups()
{
    Plan plan;
    TPLXTreeGrid *tree = plan.tree;
    QCOMPARE(plan.names(), kOriginalOrder);
    QCOMPARE(tree->rowsCount(), 7);
    QCOMPARE(tree->findNodeByIndex(-1), tree->getRootNode());
    QCOMPARE(tree->findNodeByIndex(7), nullptr);
    QCOMPARE((QList<int>{tree->getRowLevel(0), tree->getRowLevel(1), tree->getRowLevel(2), tree->getRowLevel(9)}),
             (QList<int>{1, 1, 2, -1}));
    QCOMPARE((QList<int>{tree->DescendantsCount(1), tree->DescendantsCount(0), tree->DescendantsCount(6),
                         tree->DescendantsCount(7), tree->DescendantsCount(-1), tree->childrenCount(1)}),
             (QList<int>{2, 0, 0, -1, -1, 2}));
    std::unique_ptr<QList<TPLXTreeRow *>> branch = tree->childrenOf(1);
    QVERIFY(branch);
    QCOMPARE(*branch, (QList<TPLXTreeRow *>{tree->getRow(1), tree->getRow(2), tree->getRow(3)}));
    QVERIFY(!tree->childrenOf(7));

    QCOMPARE(tree->getCell(9, 0), nullptr);
    QCOMPARE(tree->getCellStringValue(9, 0), QString());
    QCOMPARE(tree->cellStart(0), 0);
    QCOMPARE(tree->findText(QStringLiteral("charlie"), 0), tree->getCell(4, 0));
    QCOMPARE(tree->findText(QStringLiteral("Charlie"), 0), nullptr);
    QCOMPARE(tree->findTextInColumn(QStringLiteral("echo"), 0, 2), nullptr);

    // A blank row gets one cell per column and no parent.
    std::unique_ptr<TPLXTreeRow> blank(tree->makeBlankRow());
    QCOMPARE(blank->cellsCount(), 2);
    QCOMPARE(blank->getParent(), nullptr);

    // Swapping siblings moves their branches; rows of different parents stay.
    tree->swapRows(0, 1);
    QCOMPARE(plan.names(), (QStringList{QStringLiteral("alpha"), QStringLiteral("zulu"), QStringLiteral("bravo"),
                                        QStringLiteral("delta"), QStringLiteral("charlie"), QStringLiteral("echo"),
                                        QStringLiteral("foxtrot")}));
    tree->swapRows(1, 4);
    QCOMPARE(plan.names()[1], QStringLiteral("zulu"));

    // Collapsing hides the branch's gantt rows but keeps the indexes.
    tree->collapse(0);
    QCOMPARE(plan.doc->GetTable()->getRow(1)->IsVisible(), false);
    QCOMPARE(tree->getCellStringValue(2, 0), QStringLiteral("bravo"));
    tree->expand(0);
    QCOMPARE(plan.doc->GetTable()->getRow(1)->IsVisible(), true);
}

void tst_plxTreeGrid::selectsAndFocusesRows()
{
    Plan plan;
    TPLXTreeGrid *tree = plan.tree;
    int changes = 0;
    tree->FSelectedRowsChanged = [&](const QList<TPLXTreeRow *> &) { ++changes; };

    // A plain click selects one row, a second plain click replaces it.
    tree->handleRowSelect(Plan::rowY(3), 0);
    tree->handleRowSelect(Plan::rowY(5), 0);
    QCOMPARE(plan.selected(), QList<int>{5});
    QVERIFY(plan.doc->GetTable()->getRow(5)->isSelected());
    QVERIFY(!plan.doc->GetTable()->getRow(3)->isSelected());

    // A range click from row 5 to row 2 toggles 4, 3 and 2.
    tree->handleRowSelect(Plan::rowY(2), kPLXRowSelectRange);
    QCOMPARE(plan.selected(), (QList<int>{5, 4, 3, 2}));
    // Toggling back from the last selected row towards row 4 clears 3 and 4.
    tree->handleRowSelect(Plan::rowY(4), kPLXRowSelectRange);
    QCOMPARE(plan.selected(), (QList<int>{5, 2}));
    // Keeping the selection toggles the clicked row only.
    tree->handleRowSelect(Plan::rowY(5), kPLXRowSelectKeep);
    QCOMPARE(plan.selected(), QList<int>{2});
    QCOMPARE(changes, 8);

    // Selecting what is selected changes nothing and tells nobody.
    tree->select(2, true);
    tree->select(9, true);
    QCOMPARE(changes, 8);
    tree->selectAll();
    QCOMPARE(tree->getSelectedRowsCount(), 7);
    tree->deselectAll();
    QCOMPARE(tree->getSelectedRowsCount(), 0);
    QCOMPARE(changes, 14);
    QVERIFY(!plan.doc->GetTable()->getRow(0)->isSelected());

    // Focusing drops the selection; it reports whether the focused row changed.
    tree->select(1, true);
    QVERIFY(tree->focus(4));
    QVERIFY(!tree->focus(4));
    QCOMPARE(tree->getSelectedRowsCount(), 0);
    QCOMPARE(tree->getFocusedRow(), tree->getRow(4));
    QVERIFY(plan.doc->GetTable()->getRow(4)->isFocused());
    // A click left of the pane's right edge does nothing; right of it, it focuses the row there.
    const int paneRight = plan.doc->getDocStartX() + tree->getPaneWidth();
    tree->focusAt(paneRight - 1, Plan::rowY(6));
    QCOMPARE(tree->getFocusedRow(), tree->getRow(4));
    tree->focusAt(paneRight, Plan::rowY(6));
    QCOMPARE(tree->getFocusedRow(), tree->getRow(6));
    // A row-selector click drops the focus.
    tree->handleRowSelect(Plan::rowY(0), 0);
    QCOMPARE(tree->getFocusedRow(), nullptr);
    QVERIFY(!tree->getRow(6)->isFocused());

    // Cell focus goes only to columns whose type allows it, and one cell at a time.
    tree->FocusCell(1, 0);
    tree->FocusCell(2, 0);
    QVERIFY(!tree->getCell(1, 0)->isFocused());
    QVERIFY(tree->getCell(2, 0)->isFocused());
    tree->getHeader()->getHeaderCell(0)->GetDataType()->FReadOnly = true;
    tree->FocusCell(3, 0);
    QVERIFY(!tree->getCell(3, 0)->isFocused());
    QVERIFY(!tree->getCell(2, 0)->isFocused());
    tree->getHeader()->getHeaderCell(0)->GetDataType()->FReadOnly = false;
    // With cell focusing, a newly focused row takes the focused cell's column.
    tree->FCellFocusing = true;
    tree->FocusCell(2, 0);
    tree->focus(5);
    QVERIFY(tree->getCell(5, 0)->isFocused());
    QVERIFY(!tree->getCell(2, 0)->isFocused());
}

void tst_plxTreeGrid::headerKeepsHeightAndOneSortColumn()
{
    Plan plan;
    TPLXTreeHeader *header = plan.tree->getHeader();

    header->setHeight(199);
    header->setHeight(200);
    header->setHeight(0);
    QCOMPARE(header->getHeight(), 199);
    header->setHeight(1);
    QCOMPARE(header->getHeight(), 1);

    // One sort column at most: setting column 1 clears column 0.
    header->setSortOrder(0, sortAscending);
    QCOMPARE(header->getSortColumn(), 0);
    header->setSortOrder(1, sortDescending);
    QCOMPARE((QList<int>{header->getSortOrder(0), header->getSortOrder(1), header->getSortOrder()}),
             (QList<int>{sortNone, sortDescending, sortDescending}));
    QCOMPARE(header->getSortColumn(), 1);
    header->setSortOrder(1, sortNone);
    QCOMPARE(header->getSortColumn(), -1);
    QCOMPARE(header->getSortOrder(), sortNone);
    QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, header->getSortOrder(2));

    // A column's type decides whether it can sort.
    QVERIFY(plan.tree->sortRows(0, sortAscending));
    QVERIFY(!plan.tree->sortRows(1, sortAscending));
    QVERIFY(!plan.tree->sortRows(2, sortAscending));
    QVERIFY(!plan.tree->sortRows(-1, sortAscending));
    QVERIFY(!plan.tree->sortRows());

    // Insertion and deletion bounds; hidden columns have no visible index.
    TPLXTreeHeaderCell *extra = header->getHeaderCell(0);
    QVERIFY(!header->insertHeaderCell(3, extra));
    QVERIFY(!header->insertHeaderCell(-1, extra));
    QVERIFY(!header->deleteHeaderCell(2));
    QCOMPARE(header->getHeaderCell(2), nullptr);
    header->getHeaderCell(0)->setVisible(false);
    QCOMPARE((QList<int>{header->visibleIndex(0), header->visibleIndex(1)}), (QList<int>{-1, 0}));
    QCOMPARE(header->getActualWidth(), 40);
    header->getHeaderCell(0)->setVisible(true);
    QCOMPARE(header->getActualWidth(), 160);
    QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, header->visibleIndex(2));

    // Widths must be positive.
    header->getHeaderCell(1)->setWidth(0);
    header->getHeaderCell(1)->setWidth(-4);
    QCOMPARE(header->getCellWidth(1), 40);
    QVERIFY(header->getHeaderCell(0)->getMaxWidth() > 0);
}

void tst_plxTreeGrid::headerClicksCycleTheSortOrder()
{
    Plan plan;
    TPLXTreeGrid *tree = plan.tree;
    TPLXTreeHeader *header = tree->getHeader();
    TPLXUndoRedoStack &stack = plan.ds.getUndoRedoStack();
    const QStringList ascending{QStringLiteral("alpha"), QStringLiteral("bravo"), QStringLiteral("zulu"),
                                QStringLiteral("charlie"), QStringLiteral("delta"), QStringLiteral("echo"),
                                QStringLiteral("foxtrot")};
    const QStringList descending{QStringLiteral("foxtrot"), QStringLiteral("echo"), QStringLiteral("delta"),
                                 QStringLiteral("charlie"), QStringLiteral("alpha"), QStringLiteral("zulu"),
                                 QStringLiteral("bravo")};
    // A point inside the first column, in the header's own coordinates.
    const int x = plan.doc->getTreeStartX() + tree->getPaneWidth() - plan.doc->getDocStartX() + 50;
    const auto nameOfGanttRow = [&](int i) {
        return tree->getRow(i)->getRow() == plan.doc->GetTable()->getRow(i);
    };

    header->handleClick(x);
    QCOMPARE(plan.names(), ascending);
    QCOMPARE(header->getSortOrder(0), sortAscending);
    QCOMPARE(stack.GetUndoOperationCount(), 1);
    header->handleClick(x);
    QCOMPARE(plan.names(), descending);
    QCOMPARE(header->getSortOrder(0), sortDescending);
    QCOMPARE(stack.GetUndoOperationCount(), 2);
    header->handleClick(x);
    QCOMPARE(plan.names(), kOriginalOrder);
    QCOMPARE(header->getSortColumn(), -1);
    QCOMPARE(stack.GetUndoOperationCount(), 3);
    QVERIFY(nameOfGanttRow(6));

    // Each click is one undo step.
    QVERIFY(stack.undo());
    QCOMPARE(plan.names(), descending);
    QVERIFY(stack.undo());
    QCOMPARE(plan.names(), ascending);
    QVERIFY(stack.undo());
    QCOMPARE(plan.names(), kOriginalOrder);
    QCOMPARE(header->getSortColumn(), -1);

    // The number column cannot sort: a click there records nothing.
    header->handleClick(x + 120);
    QCOMPARE(stack.GetUndoOperationCount(), 0);
    QCOMPARE(header->getSortColumn(), -1);
    // A hidden column takes no room: the same point now hits the number column.
    header->getHeaderCell(0)->setVisible(false);
    header->handleClick(x);
    QCOMPARE(stack.GetUndoOperationCount(), 0);

    // A click on a column's halo sorts that column, wherever in the column it lands.
    header->getHeaderCell(0)->setVisible(true);
    header->updateClickers();
    TPLXHeaderHalo *halo = header->getClicker(0);
    QCOMPARE(header->locateClicker(halo->rect().Right - 2, halo->rect().Top), halo);
    QVERIFY(!halo->handleClick(halo->rect().Right - 2, halo->rect().Top, 0));
    QCOMPARE(header->getSortOrder(0), sortAscending);
    QCOMPARE(stack.GetUndoOperationCount(), 1);
    QCOMPARE(plan.names(), ascending);
}

void tst_plxTreeGrid::movesColumnsAndRows()
{
    Plan plan;
    TPLXTreeGrid *tree = plan.tree;
    TPLXTreeHeader *header = tree->getHeader();
    TPLXTreeHeaderCell *name = header->getHeaderCell(0);
    TPLXTreeHeaderCell *number = header->getHeaderCell(1);

    // Column 0 to the end: header and every row's cells move together, undo puts them back.
    QVERIFY(!tree->moveColumn(0, 2));
    QVERIFY(!tree->moveColumn(5, 0));
    std::unique_ptr<TPLXOperation> move = tree->moveColumn(0, -1);
    QVERIFY(move);
    QVERIFY(move->perform());
    QCOMPARE(header->cells(), (QList<TPLXTreeHeaderCell *>{number, name}));
    QCOMPARE(tree->getCellStringValue(6, 1), QStringLiteral("foxtrot"));
    QCOMPARE(tree->getCellStringValue(2, 1), QStringLiteral("zulu"));
    QVERIFY(move->undo());
    QCOMPARE(header->cells(), (QList<TPLXTreeHeaderCell *>{name, number}));
    QCOMPARE(tree->getCellStringValue(6, 0), QStringLiteral("foxtrot"));
    // Column 1 in front of column 0.
    std::unique_ptr<TPLXOperation> front = tree->moveColumn(1, 0);
    QVERIFY(front->perform());
    QCOMPARE(header->cells(), (QList<TPLXTreeHeaderCell *>{number, name}));
    QCOMPARE(tree->getCellStringValue(0, 1), QStringLiteral("delta"));
    QVERIFY(front->undo());
    QCOMPARE(header->cells(), (QList<TPLXTreeHeaderCell *>{name, number}));
    // Dragging a header halo: onto itself nothing, onto another column in front of it, past the last to the end.
    header->updateClickers();
    TPLXHeaderHalo *first = header->getClicker(0);
    TPLXHeaderHalo *second = header->getClicker(1);
    QVERIFY(!second->handleMove(0, 0, 0, second->rect().Left + 5, second->rect().Top));
    std::unique_ptr<TPLXOperation> dragged = second->handleMove(0, 0, 0, first->rect().Left + 5, first->rect().Top);
    QVERIFY(dragged && dragged->perform());
    QCOMPARE(header->cells(), (QList<TPLXTreeHeaderCell *>{number, name}));
    QVERIFY(dragged->undo());
    std::unique_ptr<TPLXOperation> past = first->handleMove(0, 0, 0, second->rect().Right + 5, first->rect().Top);
    QVERIFY(past && past->perform());
    QCOMPARE(header->cells(), (QList<TPLXTreeHeaderCell *>{number, name}));
    QVERIFY(past->undo());
    QCOMPARE(header->cells(), (QList<TPLXTreeHeaderCell *>{name, number}));

    // Row moves stay among siblings.
    QVERIFY(!tree->repositionRow(3, 3));
    QVERIFY(!tree->repositionRow(9, 0));
    QVERIFY(!tree->repositionRow(2, 4));   // nested row onto a row of another parent
    QVERIFY(!tree->repositionRow(2, -1));  // a nested row has no "end" to go to
    QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, tree->repositionRow(0, 9));
    std::unique_ptr<TPLXOperation> rowMove = tree->repositionRow(4, 0);
    QVERIFY(rowMove && rowMove->perform());
    QCOMPARE(plan.names(), (QStringList{QStringLiteral("charlie"), QStringLiteral("delta"), QStringLiteral("alpha"),
                                        QStringLiteral("zulu"), QStringLiteral("bravo"), QStringLiteral("echo"),
                                        QStringLiteral("foxtrot")}));
    QVERIFY(rowMove->undo());
    QCOMPARE(plan.names(), kOriginalOrder);
    std::unique_ptr<TPLXOperation> toEnd = tree->repositionRow(1, -1);
    QVERIFY(toEnd && toEnd->perform());
    QCOMPARE(plan.names().mid(4), (QStringList{QStringLiteral("alpha"), QStringLiteral("zulu"),
                                               QStringLiteral("bravo")}));
    QVERIFY(toEnd->undo());
    std::unique_ptr<TPLXOperation> nested = tree->repositionRow(3, 2);
    QVERIFY(nested && nested->perform());
    QCOMPARE(plan.names().mid(2, 2), (QStringList{QStringLiteral("bravo"), QStringLiteral("zulu")}));
    QVERIFY(nested->undo());
    QCOMPARE(plan.names(), kOriginalOrder);

    // A header operation puts a column in and takes it out again.
    TPLXHeaderOperation add(header, 2, name);
    TPLXHeaderOperation bad(header, 5, name);
    QVERIFY(!bad.AddHeaderCell());
    QVERIFY(!bad.DeleteHeaderCell());
    QVERIFY(add.AddHeaderCell());
    QCOMPARE(header->countCells(), 3);
    QVERIFY(add.DeleteHeaderCell());
    QCOMPARE(header->cells(), (QList<TPLXTreeHeaderCell *>{name, number}));

    // A new cell type replaces the column's cells with empty ones of its kind.
    auto type = std::make_unique<TPLXTreeSimpleTextCellType>();
    TPLXTreeSimpleTextCellType *newType = type.get();
    number->SetDataType(type.release());
    QCOMPARE(number->GetDataType(), newType);
    QCOMPARE(tree->getRow(3)->cellsCount(), 2);
    QVERIFY(dynamic_cast<TPLXTreeSimpleTextCell *>(tree->getCell(3, 1)));
    QCOMPARE(tree->getCell(3, 1)->GetDataType(), newType);
    QCOMPARE(tree->getCellStringValue(3, 0), QStringLiteral("bravo"));
}

void tst_plxTreeGrid::dragHandlesResizeAndFold()
{
    Plan plan;
    TPLXTreeGrid *tree = plan.tree;
    TPLXTreeRowsResizePane *pane = tree->getRowsResizePane();
    TPLXGanttTable *table = plan.doc->GetTable();
    TPLXUndoRedoStack &stack = plan.ds.getUndoRedoStack();
    const int left = plan.doc->getDocStartX();

    // One selector and one resizer per visible row; collapsed rows get none.
    pane->update();
    QCOMPARE(pane->selectorsCount(), 7);
    QCOMPARE(pane->getSelector(3)->rect(), (TRect{left, 3 * kRowHeight, left + 15, 4 * kRowHeight}));
    tree->collapse(1);
    pane->update();
    QCOMPARE(pane->selectorsCount(), 5);
    QCOMPARE((QList<int>{pane->getSelector(1)->row(), pane->getSelector(2)->row()}), (QList<int>{1, 4}));
    tree->expand(1);
    pane->update();
    QCOMPARE(pane->locateSelector(left + 3, Plan::rowY(4)), pane->getSelector(4));
    QCOMPARE(pane->locateSelector(left + 15, Plan::rowY(4)), nullptr);

    // A row resizer: dragging up by more than the height minus 6 does nothing.
    TPLXRowResizer *resizer = pane->locateResizer(left + 3, 3 * kRowHeight);
    QVERIFY(resizer);
    QCOMPARE(resizer->ganttRow(), table->getRow(2));
    QVERIFY(!resizer->handleMove(0, -(kRowHeight - 5), 0, 0, 0));
    QVERIFY(stack.doOperation(resizer->handleMove(0, -(kRowHeight - 6), 0, 0, 0)));
    QCOMPARE(table->getRow(2)->getHeight(), 6);
    QVERIFY(stack.undo());
    QCOMPARE(table->getRow(2)->getHeight(), kRowHeight);
    QVERIFY(stack.redo());
    QCOMPARE(table->getRow(2)->getHeight(), 6);
    QVERIFY(stack.undo());

    // A row selector: over its own row nothing; a nested row dropped on another parent's row nothing.
    pane->update();
    TPLXRowSelector *nested = pane->getSelector(2);
    QVERIFY(!nested->handleMove(0, 0, 0, left + 3, Plan::rowY(2)));
    QVERIFY(!nested->handleMove(0, 0, 0, left + 3, Plan::rowY(5)));
    QVERIFY(stack.doOperation(pane->getSelector(5)->handleMove(0, 0, 0, left + 3, Plan::rowY(0))));
    QCOMPARE(plan.names().first(), QStringLiteral("echo"));
    QVERIFY(stack.undo());
    // Outside any selector a top-level row goes to the end.
    pane->update();
    QVERIFY(stack.doOperation(pane->getSelector(0)->handleMove(0, 0, 0, left + 3, 50 * kRowHeight)));
    QCOMPARE(plan.names().last(), QStringLiteral("delta"));
    QVERIFY(stack.undo());
    QCOMPARE(plan.names(), kOriginalOrder);
    // A click selects through the grid.
    pane->update();
    QVERIFY(!pane->getSelector(4)->handleClick(left + 3, Plan::rowY(4), 0));
    QCOMPARE(plan.selected(), QList<int>{4});

    // A header cell resizer: the width may not go below 6.
    TPLXTreeHeaderCell *name = tree->getHeader()->getHeaderCell(0);
    QVERIFY(!name->getResizer()->handleMove(-115, 0, 0, 0, 0));
    QVERIFY(stack.doOperation(name->getResizer()->handleMove(-114, 0, 0, 0, 0)));
    QCOMPARE(name->getWidth(), 6);
    QVERIFY(stack.undo());
    QCOMPARE(name->getWidth(), 120);

    // The tree pane: folding and unfolding restores the width exactly; drags stay within the margins.
    TPLXTreeGridResizer *splitter = tree->getResizer();
    tree->setWidth(-5);
    QCOMPARE(tree->getWidth(), 250);
    QVERIFY(!splitter->handleClick(0, 0, 0));
    QVERIFY(splitter->LeftAligned);
    QCOMPARE(tree->getWidth(), 20);
    splitter->handleClick(0, 0, 0);
    QVERIFY(!splitter->LeftAligned);
    QCOMPARE(tree->getWidth(), 250);
    splitter->FVisibleAreaWidth = 400;
    QVERIFY(!splitter->handleMove(500, 0, 0, 0, 0));
    QCOMPARE(tree->getWidth(), 390);
    splitter->handleMove(-1000, 0, 0, 0, 0);
    QCOMPARE(tree->getWidth(), 10);
    splitter->handleMove(95, 0, 0, 0, 0);
    QCOMPARE(tree->getWidth(), 105);
    QCOMPARE(stack.GetUndoOperationCount(), 0);
}

void tst_plxTreeGrid::drawsRowBackgroundsAndLocatesHandles()
{
    Plan plan;
    TPLXTreeGrid *tree = plan.tree;
    const int left = plan.doc->getDocStartX();
    tree->focus(5);
    tree->select(3, true);

    QImage image(400, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TPLXCanvasVC vc(painter);
    vc.setVisibleArea({0, 0, 400, 200});
    tree->getDrawer(vtGanttGraph)->Draw(vc);
    painter.end();

    const auto at = [&](int x, int y) {
        const QRgb p = image.pixel(x, y);
        return TColor(qRed(p) | (qGreen(p) << 8) | (qBlue(p) << 16));
    };
    const int cellsLeft = left + tree->getPaneWidth();
    // Right of the columns the row bands keep their background: selected and focused colours show there.
    const int x = cellsLeft + 200;
    QCOMPARE(at(x, Plan::rowY(3)), tree->getSelectedRowColor());
    QCOMPARE(at(x, Plan::rowY(5)), tree->getFocusedRowColor());
    // Cell texts read the selection colours from the grid.
    TPLXTreeTextSettings look(tree->getRow(3)->getSettings(), tree->getHeader()->getHeaderCell(0)->getSettings());
    look.setSelected(true);
    QCOMPARE(look.GetColor(), tree->getSelectedRowColor());
    QCOMPARE(look.GetFont()->Color, tree->getSelectedRowFontColor());
    look.setFocused(true);
    QCOMPARE(look.GetColor(), tree->getFocusedRowColor());
    QCOMPARE(at(left + 3, Plan::rowY(0)), tree->getRowsResizePane()->FColor);
    QCOMPARE(at(left + tree->getWidth() + 5, Plan::rowY(0)), TColor(0xFFFFFF));

    // Hit tests after drawing: the splitter, the pane's handles, then the cells.
    TPLXDrawer *drawer = tree->getDrawer(vtGanttGraph);
    QCOMPARE(drawer->locateObject(left + tree->getWidth(), Plan::rowY(2)), tree->getResizer());
    QCOMPARE(drawer->locateObject(left + 3, Plan::rowY(2)), tree->getRowsResizePane()->getSelector(2));
    QCOMPARE(drawer->locateObject(left + 3, 2 * kRowHeight),
             static_cast<TPLXGanttObject *>(tree->getRowsResizePane()->getResizer(1)));
    QCOMPARE(drawer->locateObject(left + tree->getWidth() + 50, Plan::rowY(2)), nullptr);
    QCOMPARE(tree->getHeader()->clickersCount(), 2);
    QCOMPARE(tree->getHeader()->getClicker(1)->rect().Left, cellsLeft + 119);
}

QTEST_MAIN(tst_plxTreeGrid)
#include "tst_plxTreeGrid.moc"
