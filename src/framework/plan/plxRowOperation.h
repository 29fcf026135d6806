// The composite row commands of the data source: append, insert, delete and
// re-parent rows of the task tree together with their gantt rows. Each checks
// its arguments when constructed and disables itself when they are not valid.
#pragma once

#include "plxOperation.h"

class TPLXSummaryBar;

// Renumbers the tree, recomputes the critical path and the summary bars after
// its parts; row indexes are positions in the flattened tree.
class ORVANTA_EXPORT TPLXRowOperation : public TPLXMultipleOperations
{
public:
    explicit TPLXRowOperation(TPLXDataSourceIntf *dataSource);
    // All parts or none; the refresh is skipped in update mode.
    bool perform() override;
    // The refresh runs whatever the update mode says.
    bool undo() override;

protected:
    void refresh();
};

// A new last row under the tree's root.
class ORVANTA_EXPORT TPLXRowAppendOperation : public TPLXRowOperation
{
public:
    explicit TPLXRowAppendOperation(TPLXDataSourceIntf *dataSource);
};

// A new last child of the row `parentIndex` (-1: the root); refused for a plain row that holds bars.
class ORVANTA_EXPORT TPLXRowChildInsertOperation : public TPLXRowOperation
{
public:
    TPLXRowChildInsertOperation(TPLXDataSourceIntf *dataSource, int parentIndex);
};

// A new row at `rowIndex` among the children of `parentIndex` (-1: the root),
// or right after that parent's branch.
class ORVANTA_EXPORT TPLXRowInsertOperation : public TPLXRowOperation
{
public:
    TPLXRowInsertOperation(TPLXDataSourceIntf *dataSource, int rowIndex, int parentIndex);
};

// Deletes one row; its children move up into its place.
class ORVANTA_EXPORT TPLXRowDeleteOperation : public TPLXRowOperation
{
public:
    TPLXRowDeleteOperation(TPLXDataSourceIntf *dataSource, int rowIndex);
};

// Deletes a row with its whole branch.
class ORVANTA_EXPORT TPLXBranchDeleteOperation : public TPLXRowOperation
{
public:
    TPLXBranchDeleteOperation(TPLXDataSourceIntf *dataSource, int rowIndex);
};

// Inserts a new group row at `first` and makes rows first .. last its children.
class ORVANTA_EXPORT TPLXRowsGroupOperation : public TPLXRowOperation
{
public:
    TPLXRowsGroupOperation(TPLXDataSourceIntf *dataSource, int first, int last);
};

// Makes rows first .. last children of `newParent` (-1: the root), placed
// after its children above `first`; the flattened order stays as it is.
class ORVANTA_EXPORT TPLXRowsChangeParentOperation : public TPLXRowOperation
{
public:
    TPLXRowsChangeParentOperation(TPLXDataSourceIntf *dataSource, int first, int last, int newParent);
};

// Clears the bars of the group's plain rows, then moves the group's rows up
// to the summary's parent.
class ORVANTA_EXPORT TPLXSummaryBarDeleteOperation : public TPLXMultipleOperations
{
public:
    TPLXSummaryBarDeleteOperation(TPLXDataSourceIntf *dataSource, TPLXSummaryBar *bar);
    QString className() const override { return QStringLiteral("TPLXSummaryBarDeleteOperation"); }
    // All parts or none.
    bool perform() override;
};
