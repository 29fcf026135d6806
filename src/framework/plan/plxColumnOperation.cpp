#include "plxColumnOperation.h"

#include "plxTreeCell.h"
#include "plxTreeGrid.h"
#include "plxTreeNode.h"
#include "plxTreeRow.h"

TPLXColumnOperation::TPLXColumnOperation(TPLXTreeGrid *treeGrid, int index)
    : Index(index)
    , TreeGrid(treeGrid)
{
}

bool TPLXColumnOperation::InsertColumn()
{
    TPLXTreeHeader *header = TreeGrid ? TreeGrid->getHeader() : nullptr;
    if (!header || !HeaderCell || Cells.size() != TreeGrid->rowsCount())
        return false;
    if (!TPLXHeaderOperation(header, Index, HeaderCell).AddHeaderCell())
        return false;
    for (int i = 0; i < Cells.size(); ++i) {
        if (!TPLXCellOperation(TreeGrid->getRow(i), Index, Cells[i]).AddCell()) {
            // Leave no half-inserted column behind.
            for (int k = i - 1; k >= 0; --k)
                TPLXCellOperation(TreeGrid->getRow(k), Index, Cells[k]).DeleteCell();
            TPLXHeaderOperation(header, Index, HeaderCell).DeleteHeaderCell();
            return false;
        }
    }
    TreeGrid->updateNodes();
    return true;
}

bool TPLXColumnOperation::DeleteColumn()
{
    TPLXTreeHeader *header = TreeGrid ? TreeGrid->getHeader() : nullptr;
    if (!header || !HeaderCell || header->getHeaderCell(Index) != HeaderCell || Cells.size() != TreeGrid->rowsCount())
        return false;
    for (int i = 0; i < Cells.size(); ++i)
        if (!Cells[i] || TreeGrid->getRow(i)->getCell(Index) != Cells[i])
            return false;
    for (int i = 0; i < Cells.size(); ++i)
        TPLXCellOperation(TreeGrid->getRow(i), Index, Cells[i]).DeleteCell();
    TPLXHeaderOperation(header, Index, HeaderCell).DeleteHeaderCell();
    TreeGrid->updateNodes();
    return true;
}

// ------------------------------------------------------------ insert

TPLXColumnInsertOperation::TPLXColumnInsertOperation(TPLXDataSourceIntf *dataSource, int index,
                                                     TPLXTreeCellType *cellType)
    : TPLXOperation(dataSource)
{
    TPLXTreeGrid *grid = PLXTreeOf(dataSource);
    ColumnOp = std::make_unique<TPLXColumnOperation>(grid, index);
    ColumnOp->setCellType(cellType);
    TPLXTreeHeader *header = grid ? grid->getHeader() : nullptr;
    if (!header || !cellType || index < 0 || index > header->countCells())
        return;
    // The header owns the new header cell, the rows own their new cells: the
    // document frees them whether or not the column ever joins it.
    auto owned = std::make_unique<TPLXTreeHeaderCell>();
    owned->setParent(header);
    TPLXTreeHeaderCell *headerCell = owned.release();
    auto settings = std::make_unique<TPLXTreeColSettings>();
    if (TPLXTreeColSettings *defaults = grid->getDefaultColSettings())
        settings->Assign(*defaults);
    headerCell->setSettings(settings.release());
    headerCell->SetDataType(cellType);
    ColumnOp->setHeaderCell(headerCell);
    for (int i = 0, n = grid->rowsCount(); i < n; ++i) {
        TPLXTreeRow *row = grid->getRow(i);
        ColumnOp->addCell(cellType->CreateTreeCell(grid->getDefaultRowSettings(), grid->getDefaultColSettings(), row));
    }
}

bool TPLXColumnInsertOperation::perform()
{
    return ColumnOp->InsertColumn();
}

bool TPLXColumnInsertOperation::undo()
{
    return ColumnOp->DeleteColumn();
}

// ------------------------------------------------------------ delete

TPLXColumnDeleteOperation::TPLXColumnDeleteOperation(TPLXDataSourceIntf *dataSource, int index)
    : TPLXOperation(dataSource)
{
    TPLXTreeGrid *grid = PLXTreeOf(dataSource);
    ColumnOp = std::make_unique<TPLXColumnOperation>(grid, index);
    TPLXTreeHeader *header = grid ? grid->getHeader() : nullptr;
    ColumnOp->setHeaderCell(header ? header->getHeaderCell(index) : nullptr);
    if (!ColumnOp->getHeaderCell() || index < 0)
        return;
    ColumnOp->setCellType(ColumnOp->getHeaderCell()->GetDataType());
    for (int i = 0, n = grid->rowsCount(); i < n; ++i)
        ColumnOp->addCell(grid->getRow(i)->getCell(index));
}

bool TPLXColumnDeleteOperation::perform()
{
    return ColumnOp->DeleteColumn();
}

bool TPLXColumnDeleteOperation::undo()
{
    return ColumnOp->InsertColumn();
}
