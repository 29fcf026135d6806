#include "plxRowOperation.h"

#include "plxGanttTable.h"
#include "plxSummaryBar.h"
#include "plxTreeGrid.h"
#include "plxTreeNode.h"

#include <algorithm>

namespace {

// The node of row `index`, the root for -1, null for anything else.
TPLXTreeNode *parentNodeAt(TPLXTreeGrid *tree, int index)
{
    if (index == -1)
        return tree->getRootNode();
    return index >= 0 ? tree->findNodeByIndex(index) : nullptr;
}

int rowIndexOf(const TPLXTreeNode *node)
{
    return node && node->row() ? node->row()->getIndex() : -1;
}

// The last row of the node's branch; for the root, the last row of the tree.
int lastIndexOf(TPLXTreeGrid *tree, TPLXTreeNode *node)
{
    return node->isTreeRoot() ? tree->rowsCount() - 1 : node->getLastIndex();
}

// A plain row that holds bars may not become a group: its bars would have no place.
bool holdsPlainBars(TPLXGanttTable *table, int index)
{
    if (index < 0 || index >= table->countRows())
        return false;
    const TPLXGanttRow *row = table->getRow(index);
    if (row->GetBarCount() == 0)
        return false;
    return std::none_of(row->bars().begin(), row->bars().end(), [](TPLXGanttBar *bar) { return bar->isSummaryBar(); });
}

// Some row of first .. last is missing or has descendants beyond `last`.
bool branchesLeaveRange(TPLXTreeGrid *tree, int first, int last)
{
    for (int i = first; i <= last; ++i) {
        TPLXTreeNode *node = tree->findNodeByIndex(i);
        if (!node || node->getLastIndex() > last)
            return true;
    }
    return false;
}

std::unique_ptr<TPLXOperation> blankTreeRowUnder(TPLXDataSourceIntf *dataSource, TPLXTreeGrid *tree, int parentIndex,
                                                 int position)
{
    return std::make_unique<TPLXTreeRowChildInsertOperation>(dataSource, parentIndex, tree->makeBlankRow(), position);
}

// An unparented row: the insert operation holds it until the table does.
std::unique_ptr<TPLXOperation> blankGanttRowAt(TPLXDataSourceIntf *dataSource, int index)
{
    return std::make_unique<TPLXGanttRowInsertOperation>(dataSource, new TPLXGanttRow(), index);
}

// Makes its set-parent step when first performed, from the node's place at
// that moment: earlier parts of the same command may have moved its siblings
// or shifted its row, and undoing in reverse order must find each place as it was.
class DeferredSetParent : public TPLXOperation
{
public:
    DeferredSetParent(TPLXDataSourceIntf *dataSource, TPLXTreeNode *node, int parentIndex, int position)
        : TPLXOperation(dataSource)
        , FNode(node)
        , FParentIndex(parentIndex)
        , FPosition(position)
    {
    }
    bool perform() override
    {
        if (!FStep) {
            if (!FNode || !FNode->row())
                return false;
            FStep = std::make_unique<TPLXTreeRowSetParentOperation>(FDataSource, FNode->row()->getIndex(),
                                                                    FParentIndex, FPosition);
        }
        return FStep->perform();
    }
    bool undo() override { return FStep && FStep->undo(); }
    QString className() const override { return QStringLiteral("TPLXTreeRowSetParentOperation"); }

private:
    TPLXTreeNode *FNode;
    int FParentIndex;
    int FPosition;
    std::unique_ptr<TPLXOperation> FStep;
};

std::unique_ptr<TPLXOperation> setParent(TPLXDataSourceIntf *dataSource, TPLXTreeGrid *tree, int rowIndex,
                                         int parentIndex, int position)
{
    return std::make_unique<DeferredSetParent>(dataSource, tree->findNodeByIndex(rowIndex), parentIndex, position);
}

} // namespace

// ------------------------------------------------------------ TPLXRowOperation

TPLXRowOperation::TPLXRowOperation(TPLXDataSourceIntf *dataSource)
    : TPLXMultipleOperations(dataSource)
{
}

void TPLXRowOperation::refresh()
{
    if (TPLXTreeGrid *tree = PLXTreeOf(FDataSource)) {
        if (TPLXTreeNode *root = tree->getRootNode()) {
            root->setIndexes(0);
            // Rows that came or moved under a collapsed node are hidden with its branch.
            root->setVisible(true);
        }
    }
    if (TPLXGanttTable *table = PLXTableOf(FDataSource)) {
        table->updateCriticalPath();
        table->UpdateSummaryBars();
    }
}

bool TPLXRowOperation::perform()
{
    if (isDisabled())
        return false;
    const bool result = PLXPerformAll(operations);
    if (FDataSource && !FDataSource->IsInUpdateMode())
        refresh();
    return result;
}

bool TPLXRowOperation::undo()
{
    const bool result = TPLXMultipleOperations::undo();
    refresh();
    return result;
}

// ------------------------------------------------------------ append

TPLXRowAppendOperation::TPLXRowAppendOperation(TPLXDataSourceIntf *dataSource)
    : TPLXRowOperation(dataSource)
{
    TPLXTreeGrid *tree = PLXTreeOf(dataSource);
    TPLXGanttTable *table = PLXTableOf(dataSource);
    if (!tree || !table) {
        Disable();
        return;
    }
    addOperation(blankTreeRowUnder(dataSource, tree, -1, -1));
    addOperation(blankGanttRowAt(dataSource, table->countRows()));
}

// ------------------------------------------------------------ child insert

TPLXRowChildInsertOperation::TPLXRowChildInsertOperation(TPLXDataSourceIntf *dataSource, int parentIndex)
    : TPLXRowOperation(dataSource)
{
    TPLXTreeGrid *tree = PLXTreeOf(dataSource);
    TPLXGanttTable *table = PLXTableOf(dataSource);
    TPLXTreeNode *parent = tree && table ? parentNodeAt(tree, parentIndex) : nullptr;
    if (!parent || holdsPlainBars(table, parentIndex)) {
        Disable();
        return;
    }
    addOperation(blankGanttRowAt(dataSource, lastIndexOf(tree, parent) + 1));
    addOperation(blankTreeRowUnder(dataSource, tree, parentIndex, -1));
}

// ------------------------------------------------------------ insert

TPLXRowInsertOperation::TPLXRowInsertOperation(TPLXDataSourceIntf *dataSource, int rowIndex, int parentIndex)
    : TPLXRowOperation(dataSource)
{
    TPLXTreeGrid *tree = PLXTreeOf(dataSource);
    TPLXGanttTable *table = PLXTableOf(dataSource);
    if (!tree || !table || rowIndex < 0 || rowIndex > table->countRows()) {
        Disable();
        return;
    }
    TPLXTreeNode *current = tree->findNodeByIndex(rowIndex);
    // A parent at or below the place cannot hold it: take the parent of the row there.
    if (parentIndex >= rowIndex)
        parentIndex = current ? current->GetParentIndex() : -1;
    TPLXTreeNode *parent = parentNodeAt(tree, parentIndex);
    if (!parent || holdsPlainBars(table, parentIndex)) {
        Disable();
        return;
    }
    const bool amongChildren = current && current->parentNode() == parent;
    if (!amongChildren && rowIndex != lastIndexOf(tree, parent) + 1) {
        Disable();
        return;
    }
    addOperation(blankTreeRowUnder(dataSource, tree, parentIndex, amongChildren ? parent->childIndex(current) : -1));
    addOperation(blankGanttRowAt(dataSource, rowIndex));
}

// ------------------------------------------------------------ delete

namespace {

// The node of a deletable row; null (and nothing to do) when the table would lose its last row.
TPLXTreeNode *deletableNode(TPLXTreeGrid *tree, TPLXGanttTable *table, int rowIndex)
{
    if (!tree || !table || rowIndex < 0 || rowIndex >= table->countRows() || table->countRows() == 1)
        return nullptr;
    return tree->findNodeByIndex(rowIndex);
}

} // namespace

TPLXRowDeleteOperation::TPLXRowDeleteOperation(TPLXDataSourceIntf *dataSource, int rowIndex)
    : TPLXRowOperation(dataSource)
{
    TPLXTreeGrid *tree = PLXTreeOf(dataSource);
    TPLXTreeNode *node = deletableNode(tree, PLXTableOf(dataSource), rowIndex);
    TPLXTreeNode *parent = node ? node->parentNode() : nullptr;
    if (!parent) {
        Disable();
        return;
    }
    // Last child first, each right after the deleted node: the rows keep their order and indexes.
    const int position = parent->childIndex(node) + 1;
    const int parentIndex = node->GetParentIndex();
    for (int i = node->GetChildrenCount() - 1; i >= 0; --i) {
        addOperation(setParent(dataSource, tree, rowIndexOf(node->GetChild(i)), parentIndex, position));
    }
    addOperation(std::make_unique<TPLXTreeRowDeleteOperation>(dataSource, rowIndex));
    addOperation(std::make_unique<TPLXGanttRowsDeleteOperation>(dataSource, rowIndex, rowIndex));
}

TPLXBranchDeleteOperation::TPLXBranchDeleteOperation(TPLXDataSourceIntf *dataSource, int rowIndex)
    : TPLXRowOperation(dataSource)
{
    TPLXTreeNode *node = deletableNode(PLXTreeOf(dataSource), PLXTableOf(dataSource), rowIndex);
    if (!node) {
        Disable();
        return;
    }
    addOperation(std::make_unique<TPLXTreeRowDeleteOperation>(dataSource, rowIndex));
    addOperation(std::make_unique<TPLXGanttRowsDeleteOperation>(dataSource, rowIndex, node->getLastIndex()));
}

// ------------------------------------------------------------ group and re-parent

TPLXRowsGroupOperation::TPLXRowsGroupOperation(TPLXDataSourceIntf *dataSource, int first, int last)
    : TPLXRowOperation(dataSource)
{
    TPLXTreeGrid *tree = PLXTreeOf(dataSource);
    TPLXGanttTable *table = PLXTableOf(dataSource);
    if (!tree || !table || first < 0 || last < first || last >= table->countRows() || !tree->findNodeByIndex(first) ||
        branchesLeaveRange(tree, first, last)) {
        Disable();
        return;
    }
    auto insert = std::make_unique<TPLXRowInsertOperation>(dataSource, first, first);
    if (insert->isDisabled()) {
        Disable();
        return;
    }
    addOperation(std::move(insert));
    // Each part holds the node of row i as it is now; the new parent is looked
    // up by index when performed, which is then the inserted row.
    for (int i = first; i <= last; ++i)
        addOperation(setParent(dataSource, tree, i, first, i - first));
}

namespace {

// Whether `node` hangs below a node that lies between the new parent and the range.
bool underNodeBetween(const TPLXTreeNode *node, int newParent, int first)
{
    for (const TPLXTreeNode *up = node ? node->parentNode() : nullptr; up && !up->isTreeRoot();
         up = up->parentNode()) {
        const int index = rowIndexOf(up);
        if (index > newParent && index < first)
            return true;
    }
    return false;
}

// True when moving the range would leave tree and chart in different orders.
// Rows move one by one, first to last, each to its place under the new
// parent. A row that stays below a node between the new parent and the range
// (the row after the range) ends up before the moved rows in the tree but
// after them in the chart. A later row of the range still below such a node
// shifts the numbers of the rows moved before it until it moves too; that
// harms only when a row leaves a moved parent meanwhile, as the parent's
// summary bar is then looked for at the shifted number.
bool breaksRowOrder(TPLXTreeGrid *tree, int newParent, int first, int last)
{
    if (underNodeBetween(tree->findNodeByIndex(last + 1), newParent, first))
        return true;
    bool laterShifts = false;
    for (int i = last; i >= first; --i) {
        const TPLXTreeNode *node = tree->findNodeByIndex(i);
        const int parent = node ? node->GetParentIndex() : -1;
        if (laterShifts && parent >= first && parent <= last)
            return true;
        laterShifts = laterShifts || underNodeBetween(node, newParent, first);
    }
    return false;
}

} // namespace

TPLXRowsChangeParentOperation::TPLXRowsChangeParentOperation(TPLXDataSourceIntf *dataSource, int first, int last,
                                                             int newParent)
    : TPLXRowOperation(dataSource)
{
    TPLXTreeGrid *tree = PLXTreeOf(dataSource);
    TPLXGanttTable *table = PLXTableOf(dataSource);
    TPLXTreeNode *parent = tree && table && newParent < first ? parentNodeAt(tree, newParent) : nullptr;
    if (!parent || first < 0 || lastIndexOf(tree, parent) < first - 1) {
        Disable();
        return;
    }
    const int end = std::min(last, table->countRows() - 1);
    if (branchesLeaveRange(tree, first, end) || breaksRowOrder(tree, newParent, first, end)) {
        Disable();
        return;
    }
    int k = 0;
    for (const TPLXTreeNode *child : parent->children()) {
        if (rowIndexOf(child) < first)
            ++k;
    }
    for (int i = first; i <= end; ++i)
        addOperation(setParent(dataSource, tree, i, newParent, i + k - first));
}

TPLXSummaryBarDeleteOperation::TPLXSummaryBarDeleteOperation(TPLXDataSourceIntf *dataSource, TPLXSummaryBar *bar)
    : TPLXMultipleOperations(dataSource)
{
    TPLXDocumentSetup *document = bar && bar->getParent() ? bar->GetDocumentSetup() : nullptr;
    TPLXTreeGrid *tree = document ? document->GetTree() : nullptr;
    const int row = bar && bar->getParent() ? bar->getRow() : -1;
    TPLXTreeNode *node = tree && row >= 0 ? tree->findNodeByIndex(row) : nullptr;
    if (!node || node->isTreeRoot()) {
        Disable();
        return;
    }
    const int last = node->getLastIndex();
    for (int i = last; i > row; --i)
        addOperation(std::make_unique<TPLXGanttRowClearOperation>(dataSource, i));
    addOperation(std::make_unique<TPLXRowsChangeParentOperation>(dataSource, row + 1, last, node->GetParentIndex()));
}

bool TPLXSummaryBarDeleteOperation::perform()
{
    return !isDisabled() && PLXPerformAll(operations);
}
