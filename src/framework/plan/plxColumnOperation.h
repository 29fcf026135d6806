// The undoable column commands of the task tree: a column is its header cell
// plus one cell in every tree row, inserted and removed together.
#pragma once

#include "plxOperation.h"

#include <QList>

class TPLXTreeCell;
class TPLXTreeCellType;
class TPLXTreeGrid;
class TPLXTreeHeaderCell;

// Puts a column in or takes it out; shared by the column insert and delete
// operations. Not itself undoable.
class ORVANTA_EXPORT TPLXColumnOperation
{
public:
    TPLXColumnOperation(TPLXTreeGrid *treeGrid, int index);
    // The header cell at the index, then cell i into row i; false at the first step that fails.
    bool InsertColumn();
    // The header cell and every row's cell at the index; false at the first step that fails.
    bool DeleteColumn();

    TPLXTreeCellType *getCellType() const { return CellType; }
    void setCellType(TPLXTreeCellType *value) { CellType = value; }
    TPLXTreeHeaderCell *getHeaderCell() const { return HeaderCell; }
    void setHeaderCell(TPLXTreeHeaderCell *value) { HeaderCell = value; }
    const QList<TPLXTreeCell *> &getCells() const { return Cells; }
    void setCells(const QList<TPLXTreeCell *> &value) { Cells = value; }
    void addCell(TPLXTreeCell *cell) { Cells.append(cell); }

private:
    int Index;
    TPLXTreeCellType *CellType = nullptr;
    TPLXTreeGrid *TreeGrid;
    TPLXTreeHeaderCell *HeaderCell = nullptr;
    QList<TPLXTreeCell *> Cells; // one per tree row, in row order
};

// A new column of `cellType` at `index`: its header cell copies the grid's
// default column settings, and every row gets a new cell of the type's kind.
class ORVANTA_EXPORT TPLXColumnInsertOperation : public TPLXOperation
{
public:
    // The header cell takes `cellType` as its child.
    TPLXColumnInsertOperation(TPLXDataSourceIntf *dataSource, int index, TPLXTreeCellType *cellType);
    bool perform() override;
    bool undo() override;

private:
    std::unique_ptr<TPLXColumnOperation> ColumnOp;
};

// Takes the column at `index` out; undo puts the same header cell and cells back.
class ORVANTA_EXPORT TPLXColumnDeleteOperation : public TPLXOperation
{
public:
    TPLXColumnDeleteOperation(TPLXDataSourceIntf *dataSource, int index);
    bool perform() override;
    bool undo() override;

private:
    std::unique_ptr<TPLXColumnOperation> ColumnOp;
};
