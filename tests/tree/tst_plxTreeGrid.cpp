// The tree grid, its header, header cells and resize pane: stored keys and
// defaults, row lookups, selection and focus, sorting through header clicks,
// column and row moves, and the resizing handles.
#include "plxColors.h"
#include "plxDataSource.h"
#include "plxGanttDocument.h"
#include "plxGanttTable.h"
#include "plxIniDocument.h"
#include "plxPlatform.h"
#include "plxRessourceStrings.h"
#include "plxTestSupport.h"
#include "plxTreeCell.h"
#include "plxTreeGrid.h"
#include "plxTreeNode.h"
#include "plxTreeRow.h"
#include "plxVisualContext.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kRowHeight = 20;

QStringList words(const char *text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '));
}

// The "key#count" and "key#i" lines of a stored array.
QStringList arr(const QString &key, const QStringList &items)
{
    QStringList lines{key + "#count=" + QString::number(items.size())};
    for (qsizetype i = 0; i < items.size(); ++i)
        lines << key + '#' + QString::number(i) + '=' + items[i];
    return lines;
}

QByteArray sec(const QString &name, const QStringList &lines)
{
    return ("\n[" + name + "]\n" + lines.join('\n') + '\n').toUtf8();
}

// The plan: delta, alpha (zulu, bravo), charlie, echo, foxtrot; rows 0 to 6 in that order.
const QList<QPair<QString, QStringList>> kPlan{
    {"delta", {}}, {"alpha", {"zulu", "bravo"}}, {"charlie", {}}, {"echo", {}}, {"foxtrot", {}}};
const QStringList kOriginalOrder = words("delta alpha zulu bravo charlie echo foxtrot");

// Writes a node, its row with a text cell and a number cell, and its children; returns the node's section.
QString writeNode(const QString &name, const QStringList &children, QByteArray &text, int &counter)
{
    const QString id = QString::number(counter++);
    QStringList childNodes;
    for (const QString &child : children)
        childNodes << writeNode(child, {}, text, counter);
    text += sec("Node" + id, QStringList{"typeID=Tree Node", "row=TreeRow" + id} + arr("children", childNodes));
    text += sec("TreeRow" + id,
                QStringList{"typeID=Tree Row", "settings=RowSettings"} + arr("cells", {"Name" + id, "Number" + id}));
    text += sec("Name" + id, {"typeID=Tree Simple Text Cell", "rowSettings=RowSettings", "colSettings=NameColumn",
                              "dataType=TextType", "text=" + name});
    text += sec("Number" + id, {"typeID=Tree Auto Cell", "rowSettings=RowSettings", "colSettings=NumberColumn",
                                "dataType=NumberType"});
    return "Node" + id;
}

// A whole document: seven gantt rows and the tree of kPlan.
QByteArray planText(const QByteArray &treeExtra = {})
{
    QStringList rows;
    QStringList top;
    QByteArray t = sec("root", {"typeID=Document", "table=Table", "tree=Tree"});
    QByteArray nodes;
    for (int i = 0; i < kOriginalOrder.size(); ++i)
        rows << QStringLiteral("GanttRow%1").arg(i);
    t += sec("Table", QStringList{"TypeID=Gantt Table"} + arr("rows", rows));
    for (const QString &row : rows)
        t += sec(row, {"typeID=Gantt Row", "height=" + QString::number(kRowHeight)});
    int counter = 0;
    for (const auto &[name, children] : kPlan)
        top << writeNode(name, children, nodes, counter);
    t += sec("Tree", {"TypeID=Tree Grid", "width=250", "header=Header", "root node=TreeRoot", "vertical pane=Pane",
                      "default row settings=RowSettings", "default col settings=NameColumn"}) + treeExtra;
    t += sec("Header", QStringList{"typeID=Tree Header", "height=18"} + arr("cells", {"NameHeader", "NumberHeader"}));
    t += sec("NameHeader", {"typeID=Tree Header Cell", "title=Task", "settings=NameColumn", "dataType=TextType"});
    t += sec("NumberHeader", {"typeID=Tree Header Cell", "title=No", "settings=NumberColumn", "dataType=NumberType"});
    t += sec("NameColumn", {"typeID=Tree Column Settings", "width=120"}) +
         sec("NumberColumn", {"typeID=Tree Column Settings", "width=40"});
    t += sec("TextType", {"typeID=Simple Text Type"}) + sec("NumberType", {"typeID=Tree AutoCellType.Number"});
    t += sec("RowSettings", {"typeID=Tree Row Settings"}) + sec("Pane", {"typeID=Vertical resize pane", "width=15"});
    t += sec("TreeRoot", QStringList{"typeID=Tree Node", "row=empty"} + arr("children", top));
    return t + nodes;
}

// A data source over the plan, with its tree at hand.
struct Plan
{
    explicit Plan(const QByteArray &treeExtra = {})
    {
        const QString path = dir.filePath(QStringLiteral("plan.ini"));
        plxtest::writeFile(path, planText(treeExtra));
        ds.setStorage(QStringLiteral("file://") + path);
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

std::unique_ptr<TPLXTreeGrid> loadGrid(IPLXMedia &media)
{
    return std::unique_ptr<TPLXTreeGrid>(
        dynamic_cast<TPLXTreeGrid *>(TPLXEntityFactory().loadObject(QStringLiteral("Tree"), media, nullptr)));
}

} // namespace

class tst_plxTreeGrid : public QObject
{
    Q_OBJECT

private slots:
    void loadsDefaultsOfBareSections();
    void savesAndReloads();
    void answersLookups();
    void selectsFocusesAndDrawsRows();
    void headerKeepsItsBounds();
    void sortsOnHeaderClicks();
    void movesAndResizesThroughOperationsAndHandles();
};

void tst_plxTreeGrid::loadsDefaultsOfBareSections()
{
    // Sections with nothing but their type ids (and hand-edited sort orders) take every default.
    TPLXRecordingScope recording;
    const auto grid = loadGrid(*plxtest::mediaFromText(
        "[Tree]\nTypeID=Tree Grid\nheader=Header\nvertical pane=Pane\n[Header]\ntypeID=Tree Header\ncells#count=2\n"
        "cells#0=Cell\ncells#1=Odd\n[Cell]\ntypeID=Tree Header Cell\nsortOrder=2\n[Odd]\ntypeID=Tree Header Cell\n"
        "sortOrder=7\n[Pane]\ntypeID=Vertical resize pane\n"));
    QVERIFY(grid);
    TPLXTreeHeader *header = grid->getHeader();
    QCOMPARE(plxtest::Quantities()
                 .is<TColor>("grid->FbkColor", grid->getColor(), 0xFFEAD5)
                 .is<TColor>("grid->FUpperPaneColor", grid->getUpperPaneColor(), 0x02C56A31)
                 .is<TColor>("grid->getSelectedRowColor()", grid->getSelectedRowColor(), 0xC56AC5)
                 .is<TColor>("grid->getSelectedRowFontColor()", grid->getSelectedRowFontColor(), 0xFFFFFF)
                 .is<TColor>("grid->getFocusedRowColor()", grid->getFocusedRowColor(), 0x808080)
                 .is<TColor>("grid->getFocusedRowFontColor()", grid->getFocusedRowFontColor(), 0xFFFFFF)
                 .is<TColor>("grid->FGroupRowColor", grid->getGroupRowColor(), 0x808080)
                 .is<TColor>("header->FbkColor", header->getColor(), 0x02C56A31)
                 .is<TColor>("grid->getRowsResizePane()->FColor", grid->getRowsResizePane()->getColor(), 0xC0C0C0)
                 .differing(),
             QString());
    QCOMPARE(plxtest::Quantities()
                 .is<int>("grid->getWidth()", grid->getWidth(), 300)
                 .is<int>("grid->rowsCount()", grid->rowsCount(), 0)
                 .is<int>("header->getHeight()", header->getHeight(), 16)
                 .is<int>("grid->getRowsResizePane()->FWidth", grid->getRowsResizePane()->getWidth(), 15)
                 .differing(),
             QString());
    QCOMPARE(header->getHeaderCell(0)->getTitle(), GetRessourceValue(QStringLiteral("autonumbercolumn")));
    // The stored sort order is read although it is never written; an unusable one reads as unsorted.
    QCOMPARE(plxtest::Quantities()
                 .is<int>("header->getSortOrder(0)", header->getSortOrder(0), sortDescending)
                 .is<int>("header->getSortOrder(1)", header->getSortOrder(1), sortNone)
                 .is<int>("header->getSortColumn()", header->getSortColumn(), 0)
                 .differing(),
             QString());

    // Parts of the wrong kind, circular or missing stay empty; the rest still loads.
    const auto broken = loadGrid(*plxtest::mediaFromText(
        "[Tree]\nTypeID=Tree Grid\nwidth=90\nheader=Header\nroot node=Tree\nvertical pane=Nowhere\n"
        "default col settings=Header\n[Header]\ntypeID=Tree Header\ncells#count=3\ncells#0=Header\ncells#1=Cell\n"
        "cells#2=Cell\n[Cell]\ntypeID=Tree Header Cell\n"));
    QVERIFY(broken);
    QVERIFY(!broken->getRootNode() && !broken->getRowsResizePane() && !broken->getDefaultColSettings());
    QCOMPARE(plxtest::Quantities()
                 .is<int>("broken->getWidth()", broken->getWidth(), 90)
                 .is<int>("broken->colsCount()", broken->colsCount(), 1)
                 .is<int>("broken->getPaneWidth()", broken->getPaneWidth(), 0)
                 .differing(),
             QString());
    QVERIFY(recording.recorder.messages.contains(QStringLiteral("Warning! Circular reference. Involved object: Tree")));
    QVERIFY(recording.recorder.messages.contains(QStringLiteral("Error loading Nowhere")));
}

void tst_plxTreeGrid::savesAndReloads()
{
    Plan plan("row group color=$00123456\nrow focused color=clBlue\ncontinuous numbering=1\n");
    QCOMPARE(plan.tree->getGroupRowColor(), TColor(0x123456));
    plan.tree->getHeader()->setSortOrder(0, sortAscending);
    plan.tree->getHeader()->getHeaderCell(1)->setVisible(false);
    plan.tree->getRowsResizePane()->setColor(0x00112233);

    PLXMedia store = plxtest::mediaFromText({});
    TPLXEntityFactory factory;
    plan.tree->doSave(QStringLiteral("root"), *store, factory);
    const QByteArray text = dynamic_cast<TPLXINIFIle &>(*store).iniFile().toBytes();
    // The grid, the header and the pane link themselves into their owners' sections.
    const auto key = [&](const char *section, const char *name) { return store->strValue(section, name, {}); };
    QCOMPARE((QStringList{key("root", "tree"), key("Tree", "header"), key("Tree", "vertical pane"),
                          key("Tree", "root node"), key("Tree", "row focused color")}),
             words("Tree Header Pane TreeRoot clBlue"));
    // Read but never written:
    QVERIFY(!text.contains("row group color") && !text.contains("sortOrder"));

    // Reloading the saved text gives the same grid, unsorted.
    const auto again = loadGrid(*store);
    QVERIFY(again);
    TPLXTreeHeader *header = again->getHeader();
    QCOMPARE(plxtest::Quantities()
                 .is<int>("again->getWidth()", again->getWidth(), 250)
                 .is<int>("header->getHeight()", header->getHeight(), 18)
                 .is<int>("header->getSortColumn()", header->getSortColumn(), -1)
                 .is<int>("again->colsCount()", again->colsCount(), 2)
                 .is<int>("again->getCellWidth(0)", again->getCellWidth(0), 120)
                 .is<int>("again->rowsCount()", again->rowsCount(), 7)
                 .is<int>("again->getRowLevel(3)", again->getRowLevel(3), 2)
                 .differing(),
             QString());
    QCOMPARE(plxtest::Quantities()
                 .is<TColor>("again->getFocusedRowColor()", again->getFocusedRowColor(), 0xFF0000)
                 .is<TColor>("again->FGroupRowColor", again->getGroupRowColor(), 0x808080)
                 .is<TColor>("again->getRowsResizePane()->FColor", again->getRowsResizePane()->getColor(), 0x112233)
                 .differing(),
             QString());
    QVERIFY(again->getContinuousNumbering() && !header->getHeaderCell(1)->isVisible() &&
            header->getHeaderCell(1)->GetDataType());
    QCOMPARE((QStringList{header->getHeaderCell(0)->getTitle(), again->getCell(3, 0)->GetText()}), words("Task bravo"));
    QCOMPARE(plan.recording.recorder.messages, QStringList{});
}

// Row and node lookups, bounds included, and the tree changes the gantt rows follow.
void tst_plxTreeGrid::answersLookups()
{
    Plan plan;
    TPLXTreeGrid *tree = plan.tree;
    QVERIFY(tree->findNodeByIndex(-1) == tree->getRootNode() && !tree->findNodeByIndex(7) && !tree->childrenOf(7));
    QCOMPARE(plxtest::Quantities()
                 .is<int>("tree->getRowLevel(0)", tree->getRowLevel(0), 1)
                 .is<int>("tree->getRowLevel(1)", tree->getRowLevel(1), 1)
                 .is<int>("tree->getRowLevel(2)", tree->getRowLevel(2), 2)
                 .is<int>("tree->getRowLevel(9)", tree->getRowLevel(9), -1)
                 .is<int>("tree->DescendantsCount(1)", tree->DescendantsCount(1), 2)
                 .is<int>("tree->DescendantsCount(0)", tree->DescendantsCount(0), 0)
                 .is<int>("tree->DescendantsCount(6)", tree->DescendantsCount(6), 0)
                 .is<int>("tree->DescendantsCount(7)", tree->DescendantsCount(7), -1)
                 .is<int>("tree->DescendantsCount(-1)", tree->DescendantsCount(-1), -1)
                 .is<int>("tree->childrenCount(1)", tree->childrenCount(1), 2)
                 .differing(),
             QString());
    QCOMPARE(*tree->childrenOf(1), (QList<TPLXTreeRow *>{tree->getRow(1), tree->getRow(2), tree->getRow(3)}));
    QVERIFY(!tree->getCell(9, 0) && tree->getCellStringValue(9, 0).isNull());
    QCOMPARE(plxtest::Quantities()
                 .is<TPLXTreeCell *>("tree->findText(\"charlie\", 0)", tree->findText("charlie", 0), tree->getCell(4, 0))
                 .is<TPLXTreeCell *>("tree->findText(\"Charlie\", 0)", tree->findText("Charlie", 0), nullptr)
                 .is<TPLXTreeCell *>("tree->findTextInColumn(\"echo\", 0, 2)", tree->findTextInColumn("echo", 0, 2), nullptr)
                 .differing(),
             QString());
    // A blank row gets one cell per column and no parent.
    std::unique_ptr<TPLXTreeRow> blank(tree->makeBlankRow());
    QVERIFY(blank->cellsCount() == 2 && !blank->getParent());

    // Swapping siblings moves their branches; rows of different parents stay.
    tree->swapRows(0, 1);
    tree->swapRows(1, 4);
    QCOMPARE(plan.names(), words("alpha zulu bravo delta charlie echo foxtrot"));
    // Collapsing hides the branch's gantt rows but keeps the indexes.
    tree->collapse(0);
    QVERIFY(!plan.doc->GetTable()->getRow(1)->IsVisible() && tree->getCellStringValue(2, 0) == "bravo");
    tree->expand(0);
    QVERIFY(plan.doc->GetTable()->getRow(1)->IsVisible());
}

void tst_plxTreeGrid::selectsFocusesAndDrawsRows()
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
    QCOMPARE(plxtest::Quantities()
                 .is<int>("afterNothing", afterNothing, 8)
                 .is<int>("all", all, 7)
                 .is<int>("tree->getSelectedRowsCount()", tree->getSelectedRowsCount(), 0)
                 .is<int>("changes", changes, 14)
                 .differing(),
             QString());
    QVERIFY(!table->getRow(0)->isSelected());

    // Focusing drops the selection; it reports whether the focused row changed.
    tree->select(1, true);
    QCOMPARE((QList<bool>{tree->focus(4), tree->focus(4)}), (QList<bool>{true, false}));
    QVERIFY(!tree->getSelectedRowsCount() && tree->getFocusedRow() == tree->getRow(4) && table->getRow(4)->isFocused());
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

    // Cell focus goes only to columns whose type allows it, and one cell at a time.
    const auto focused = [&](int row) { return tree->getCell(row, 0)->isFocused(); };
    tree->FocusCell(1, 0);
    tree->FocusCell(2, 0);
    QVERIFY(!focused(1) && focused(2));
    tree->getHeader()->getHeaderCell(0)->GetDataType()->setReadOnly(true);
    tree->FocusCell(3, 0);
    QVERIFY(!focused(3) && !focused(2));
    tree->getHeader()->getHeaderCell(0)->GetDataType()->setReadOnly(false);
    // With cell focusing, a newly focused row takes the focused cell's column.
    tree->setCellFocusing(true);
    tree->FocusCell(2, 0);
    tree->focus(5);
    QVERIFY(focused(5) && !focused(2));

    // Drawn, the selected and focused rows show their colours.
    tree->select(3, true);
    QImage image(400, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TPLXCanvasVC vc(painter);
    vc.setVisibleArea({0, 0, 400, 200});
    tree->getDrawer(vtGanttGraph)->Draw(vc);
    painter.end();

    const auto at = [&](int x, int y) { return QColorToColor(QColor(image.pixel(x, y))); };
    // Right of the columns the row bands keep their background: selected and focused colours show there.
    QCOMPARE(at(paneRight + 200, Plan::rowY(3)), tree->getSelectedRowColor());
    QCOMPARE(at(paneRight + 200, Plan::rowY(5)), tree->getFocusedRowColor());
    QCOMPARE(at(left + 3, Plan::rowY(0)), tree->getRowsResizePane()->getColor());
    QCOMPARE(at(left + tree->getWidth() + 5, Plan::rowY(0)), TColor(0xFFFFFF));
    // Cell texts read the selection colours from the grid.
    TPLXTreeTextSettings look(tree->getRow(3)->getSettings(), tree->getHeader()->getHeaderCell(0)->getSettings());
    look.setSelected(true);
    QCOMPARE(plxtest::Quantities()
                 .is<TColor>("look.GetColor()", look.GetColor(), tree->getSelectedRowColor())
                 .is<TColor>("look.GetFont()->Color", look.GetFont()->Color, tree->getSelectedRowFontColor())
                 .differing(),
             QString());
    look.setFocused(true);
    QCOMPARE(look.GetColor(), tree->getFocusedRowColor());

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

void tst_plxTreeGrid::headerKeepsItsBounds()
{
    Plan plan;
    TPLXTreeGrid *tree = plan.tree;
    TPLXTreeHeader *header = tree->getHeader();
    // Heights outside 1..199 and widths below 1 are ignored.
    QList<int> heights;
    for (int height : {199, 200, 0, 1}) {
        header->setHeight(height);
        heights << header->getHeight();
    }
    QCOMPARE(heights, (QList<int>{199, 199, 199, 1}));
    header->getHeaderCell(1)->setWidth(0);
    header->getHeaderCell(1)->setWidth(-4);
    QCOMPARE(header->getCellWidth(1), 40);

    // One sort column at most: setting column 1 clears column 0.
    header->setSortOrder(0, sortAscending);
    header->setSortOrder(1, sortDescending);
    QCOMPARE(plxtest::Quantities()
                 .is<int>("header->getSortOrder(0)", header->getSortOrder(0), sortNone)
                 .is<int>("header->getSortOrder(1)", header->getSortOrder(1), sortDescending)
                 .is<int>("header->getSortOrder()", header->getSortOrder(), sortDescending)
                 .is<int>("header->getSortColumn()", header->getSortColumn(), 1)
                 .differing(),
             QString());
    header->setSortOrder(1, sortNone);
    QCOMPARE(plxtest::Quantities()
                 .is<int>("header->getSortColumn()", header->getSortColumn(), -1)
                 .is<int>("header->getSortOrder()", header->getSortOrder(), sortNone)
                 .differing(),
             QString());
    QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, header->getSortOrder(2));

    // A column's type decides whether it can sort.
    const auto sorts = [&](int column) { return bool(tree->sortRows(column, sortAscending)); };
    QCOMPARE(plxtest::Quantities()
                 .is<bool>("sorts(0)", sorts(0), true)
                 .is<bool>("sorts(1)", sorts(1), false)
                 .is<bool>("sorts(2)", sorts(2), false)
                 .is<bool>("sorts(-1)", sorts(-1), false)
                 .is<bool>("bool(tree->sortRows())", bool(tree->sortRows()), false)
                 .differing(),
             QString());

    // Insertion and deletion bounds; hidden columns have no visible index.
    QVERIFY(!header->insertHeaderCell(3, header->getHeaderCell(0)) &&
            !header->insertHeaderCell(-1, header->getHeaderCell(0)));
    QVERIFY(!header->deleteHeaderCell(2) && !header->getHeaderCell(2));
    header->getHeaderCell(0)->setVisible(false);
    QCOMPARE(plxtest::Quantities()
                 .is<int>("header->visibleIndex(0)", header->visibleIndex(0), -1)
                 .is<int>("header->visibleIndex(1)", header->visibleIndex(1), 0)
                 .is<int>("header->getActualWidth()", header->getActualWidth(), 40)
                 .differing(),
             QString());
    header->getHeaderCell(0)->setVisible(true);
    QCOMPARE(header->getActualWidth(), 160);
    QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, header->visibleIndex(2));
}

void tst_plxTreeGrid::sortsOnHeaderClicks()
{
    Plan plan;
    TPLXTreeGrid *tree = plan.tree;
    TPLXTreeHeader *header = tree->getHeader();
    TPLXUndoRedoStack &stack = plan.ds.getUndoRedoStack();
    const QStringList ascending = words("alpha bravo zulu charlie delta echo foxtrot");
    const QStringList descending = words("foxtrot echo delta charlie alpha zulu bravo");
    // A point inside the first column, in the header's own coordinates.
    const int x = plan.doc->getTreeStartX() + tree->getPaneWidth() - plan.doc->getDocStartX() + 50;
    // Clicks cycle through ascending, descending and unsorted; one undo step per click.
    const QList<QPair<QStringList, int>> cycle{
        {ascending, sortAscending}, {descending, sortDescending}, {kOriginalOrder, sortNone}};
    for (int i = 0; i < cycle.size(); ++i) {
        header->handleClick(x);
        QCOMPARE(plan.names(), cycle[i].first);
        QCOMPARE(header->getSortOrder(0), cycle[i].second);
        QCOMPARE(stack.GetUndoOperationCount(), i + 1);
    }
    QCOMPARE(tree->getRow(6)->getRow(), plan.doc->GetTable()->getRow(6));

    // The number column cannot sort: a click there records nothing, nor does one at the first column's place
    // once it is hidden, as the number column then lies there.
    header->handleClick(x + 120);
    header->getHeaderCell(0)->setVisible(false);
    header->handleClick(x);
    QCOMPARE(stack.GetUndoOperationCount(), int(cycle.size()));
    QCOMPARE(header->getSortColumn(), -1);

    // A click on a column's halo sorts that column, wherever in the column it lands.
    header->getHeaderCell(0)->setVisible(true);
    header->updateClickers();
    TPLXHeaderHalo *halo = header->getClicker(0);
    QCOMPARE(header->locateClicker(halo->rect().Right - 2, halo->rect().Top), halo);
    QVERIFY(!halo->handleClick(halo->rect().Right - 2, halo->rect().Top, 0));
    QCOMPARE(stack.GetUndoOperationCount(), int(cycle.size()) + 1);
    QCOMPARE(plan.names(), ascending);
}

void tst_plxTreeGrid::movesAndResizesThroughOperationsAndHandles()
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
    doAndUndo(second->handleMove(0, 0, 0, first->rect().Left + 5, first->rect().Top), columns, words("No foxtrot"));
    doAndUndo(first->handleMove(0, 0, 0, second->rect().Right + 5, first->rect().Top), columns, words("No foxtrot"));

    // Row moves stay among siblings: not onto itself, out of range, onto another parent's row, nor a
    // nested row to the "end".
    QVERIFY(!tree->repositionRow(3, 3) && !tree->repositionRow(9, 0) && !tree->repositionRow(2, 4) &&
            !tree->repositionRow(2, -1));
    QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, tree->repositionRow(0, 9));
    doAndUndo(tree->repositionRow(4, 0), names, words("charlie delta alpha zulu bravo echo foxtrot"));
    doAndUndo(tree->repositionRow(1, -1), names, words("delta charlie echo foxtrot alpha zulu bravo"));
    doAndUndo(tree->repositionRow(3, 2), names, words("delta alpha bravo zulu charlie echo foxtrot"));

    // A header operation puts a column in and takes it out again.
    TPLXHeaderOperation add(header, 2, name);
    QVERIFY(add.AddHeaderCell() && header->countCells() == 3 && add.DeleteHeaderCell());
    QCOMPARE(header->cells(), (QList<TPLXTreeHeaderCell *>{name, number}));

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
    QCOMPARE(plxtest::Quantities()
                 .is<int>("pane->selectorsCount()", pane->selectorsCount(), 5)
                 .is<int>("pane->getSelector(1)->row()", pane->getSelector(1)->row(), 1)
                 .is<int>("pane->getSelector(2)->row()", pane->getSelector(2)->row(), 4)
                 .differing(),
             QString());
    tree->expand(1);
    pane->update();
    QCOMPARE(pane->locateSelector(left + 3, Plan::rowY(4)), pane->getSelector(4));
    QCOMPARE(pane->locateSelector(left + 15, Plan::rowY(4)), nullptr);

    // A row resizer: dragging up by more than the height minus 6 does nothing.
    TPLXRowResizer *resizer = pane->locateResizer(left + 3, 3 * kRowHeight);
    QVERIFY(resizer && resizer->ganttRow() == table->getRow(2));
    QVERIFY(!resizer->handleMove(0, -(kRowHeight - 5), 0, 0, 0));
    doAndUndo(resizer->handleMove(0, -(kRowHeight - 6), 0, 0, 0), [&] { return table->getRow(2)->getHeight(); }, 6);
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
    doAndUndo(name->getResizer()->handleMove(-114, 0, 0, 0, 0), [&] { return name->getWidth(); }, 6);

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

QTEST_MAIN(tst_plxTreeGrid)
#include "tst_plxTreeGrid.moc"
