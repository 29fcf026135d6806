// One row of the task tree: the cells shown for a task, its pre-order index
// (which is also the index of its gantt row), its look and its selection and
// focus; with the cell operations the column operations build on.
#pragma once

#include "plxGanttObject.h"
#include "plxOperation.h"

#include <QList>

class TPLXGanttRow;
class TPLXGanttTable;
class TPLXTreeCell;
class TPLXTreeHeader;
class TPLXTreeNode;
class TPLXTreeRowSettings;

// The document above `entity`, or null when it stands outside one (where
// GetDocumentSetup would raise): trees are built and stored on their own too.
ORVANTA_EXPORT TPLXDocumentSetup *PLXDocumentOf(TPLXGanttObject *entity);

class ORVANTA_EXPORT TPLXTreeRow : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeRow)
    Q_PROPERTY(int Index READ getIndex)
    Q_PROPERTY(int CellsCount READ cellsCount)
    Q_PROPERTY(bool Selected READ isSelected WRITE select)
    Q_PROPERTY(bool Focused READ isFocused)

public:
    // For loading: no cells, no settings.
    TPLXTreeRow();
    // A blank row: own settings copied from `rowSettings`, one new cell per
    // header cell of the kind its data type makes, `parent` as parent.
    TPLXTreeRow(TPLXTreeHeader *header, TPLXTreeRowSettings *rowSettings, TPLXGanttObject *parent);
    ~TPLXTreeRow() override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    // ---- cells (the list does not own them; the row is their parent)
    int cellsCount() const { return static_cast<int>(FCells.size()); }
    // Null outside the list.
    TPLXTreeCell *getCell(int i) const;
    int getCellIndex(const TPLXTreeCell *cell) const;
    // False when `i` is outside 0 .. count.
    bool insertCell(int i, TPLXTreeCell *cell);
    // False when `i` is outside the list; the cell is not freed.
    bool deleteCell(int i);
    // Appends a new cell for every column of `header` past the row's last
    // cell, of the kind the column's data type makes; returns how many.
    int fillCells(TPLXTreeHeader *header);
    // Moves the cell at `from` (-1 = the last) in front of the cell now at
    // `to` (-1 or the count = to the end); returns the cell's new position.
    int moveCell(int from, int to);
    // Sum of the widths of the tree columns before `column`.
    int cellStart(int column);

    // ---- place in the tree and the table
    int getIndex() const { return FIndex; }
    void setIndex(int index) { FIndex = index; }
    TPLXTreeNode *getNode() const;
    // The gantt row with this row's index; null when the table has none.
    TPLXGanttRow *getRow();
    // As getRow, in `table`: walks over a whole branch look the table up once, not per row.
    TPLXGanttRow *getRowIn(TPLXGanttTable *table) const;
    // The row of the parent node; null under the root.
    TPLXTreeRow *getParentRow();
    TPLXTreeRowSettings *getSettings() const { return Fsettings; }
    void setSettings(TPLXTreeRowSettings *settings);

    bool isSelected() const { return FSelected; }
    bool isFocused() const { return FFocused; }
    void select(bool flag);
    void focus(bool flag);
    // Compares the cells in `column`; false when either row lacks that cell.
    bool lessThan(TPLXTreeRow *other, int column);
    // The gantt row takes the height the row's visible cells want.
    void setFitHeight();

    int getOrder() const { return FOrder; }
    void setOrder(int value) { FOrder = value; }
    int getNestingOffset() const { return FNestingOffset; }
    void setNestingOffset(int value) { FNestingOffset = value; }

private:
    friend class TPLXTreeRowPersistence;

    QList<TPLXTreeCell *> FCells;
    int FIndex = 0;
    TPLXTreeRowSettings *Fsettings = nullptr; // child
    bool FSelected = false;
    bool FFocused = false;
    std::unique_ptr<TPLXDrawer> FOwnDrawer;
    int FOrder = 0;         // position among the drawn rows
    int FNestingOffset = 0; // x of the tree indentation when last drawn
};

Q_DECLARE_METATYPE(TPLXTreeRow *)

// Lays the row's cells out left to right in its table band and draws them.
class ORVANTA_EXPORT TPLXTreeRowDrawer : public TPLXDrawer
{
public:
    explicit TPLXTreeRowDrawer(TPLXTreeRow *row);
    void Draw(TPLXVisualContext &vc) override;
    TRect getRect() const override { return FLastRect; }
    TPLXGanttObject *locateObject(int x, int y) override;

private:
    TRect FLastRect;
};

class ORVANTA_EXPORT TPLXTreeRowPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Tree Row"); }
};

// Puts a cell into a row or takes it out; the column operations use it. Not itself undoable.
class ORVANTA_EXPORT TPLXCellOperation
{
public:
    TPLXCellOperation(TPLXTreeRow *row, int index, TPLXTreeCell *cell);
    bool AddCell();
    bool DeleteCell();

private:
    TPLXTreeRow *Row;
    int Index;
    TPLXTreeCell *Cell;
};

// Moves the cell of one column to another place in every row of a tree.
class ORVANTA_EXPORT TPLXMoveCellsOperation : public TPLXOperation
{
public:
    TPLXMoveCellsOperation(TPLXTreeNode *rootNode, int cellIndex, int newIndex);
    bool perform() override;
    bool undo() override;

private:
    struct Moved
    {
        TPLXTreeRow *row;
        int from;
        int to;
    };
    // Where each row's cell came from and went, so undo is exact also for -1.
    QList<Moved> FMoved;
    TPLXTreeNode *RootNode;
    int CellIndex;
    int NewIndex;
};
