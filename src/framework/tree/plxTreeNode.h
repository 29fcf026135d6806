// The task tree: nodes under one row-less root, each carrying a tree row; the
// pre-order numbering that ties tree rows to gantt rows, collapsing, sorting,
// and the undoable operations that restructure the tree.
#pragma once

#include "plxGanttObject.h"
#include "plxOperation.h"
#include "plxTextualHalo.h"
#include "plxTreeRow.h"

#include <QList>
#include <QPoint>

#include <memory>
#include <vector>

class TPLXBarInsertOperation;
class TPLXBarRemoveOperation;
class TPLXDataSourceIntf;
class TPLXGanttTable;
class TPLXNodeExpander;
class TPLXSummaryBar;
class TPLXTreeGrid;

enum TPLXSortOrder : int { sortNone = 0, sortAscending = 1, sortDescending = 2 };

class ORVANTA_EXPORT TPLXTreeNode : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeNode)
    Q_PROPERTY(bool Collapsed READ isCollapsed WRITE setCollapsed)
    Q_PROPERTY(int ChildrenCount READ GetChildrenCount)
    Q_PROPERTY(QString NumberCont READ numberCont)
    Q_PROPERTY(QString NumberHierchy READ numberHierchy)

public:
    // For loading and for the root: no row, no children.
    TPLXTreeNode();
    // A node for `row`; the node becomes the row's parent.
    explicit TPLXTreeNode(TPLXTreeRow *row);
    ~TPLXTreeNode() override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    bool isTreeRoot() const { return FRow == nullptr; }
    bool hasChildren() const { return !Fchildren.isEmpty(); }
    int GetChildrenCount() const { return static_cast<int>(Fchildren.size()); }
    // Null outside the list.
    TPLXTreeNode *GetChild(int i) const;
    int childIndex(const TPLXTreeNode *node) const;
    const QList<TPLXTreeNode *> &children() const { return Fchildren; }
    // Null for the root and for a node no node holds.
    TPLXTreeNode *parentNode() const;
    // The parent's row index; -1 when the parent is the root.
    int GetParentIndex() const;
    // The topmost node above this one (this node when it has no parent node).
    TPLXTreeNode *treeRoot();
    // The topmost node through the owners: cheaper than treeRoot(), which checks
    // membership at every level, and enough for clearing tree-wide caches.
    TPLXTreeNode *ownerRoot();

    // Inserts at `position` (clamped; negative appends); the node's parent becomes this node.
    bool addChild(TPLXTreeNode *node, int position);
    // Unlists `node` (it is not freed); false when it was no child.
    bool deleteChild(TPLXTreeNode *node);

    // Numbers this branch in pre-order from `start`; returns the next free index.
    int setIndexes(int start);
    // Pre-order lookups by row index; null / -1 when there is no such row.
    TPLXTreeNode *findNodeByIndex(int index);
    TPLXTreeRow *getRow(int index);
    int getRowLevel(int index);
    // Row index of the last descendant, else the node's own row index.
    int getLastIndex();
    // Asked of the root: `node`'s getLastIndex(), from the root's row table while it is current.
    int branchEnd(TPLXTreeNode *node);
    // Asked of the root: the first of `parent`'s children from `from` on whose
    // branch ends at or below row `row`; a binary search while the row table is current.
    qsizetype firstChildReaching(const TPLXTreeNode *parent, qsizetype from, int row);
    // The row drawn at pixel `y` from the top of the rows; null below them.
    TPLXTreeRow *findRow(int y);
    // Rows of this node and its descendants in pre-order.
    void collectChildren(QList<TPLXTreeRow *> &list);
    // Descendant nodes in pre-order.
    void flatten(QList<TPLXTreeNode *> &list);

    void setVisible(bool flag);
    void setCollapsed(bool flag);
    bool isCollapsed() const { return FCollapsed; }

    // Exchanges two children and the gantt-row ranges of their branches.
    void swapChildren(int i, int j);
    void swapChildren(TPLXTreeNode *a, TPLXTreeNode *b);
    void sort(int column, TPLXSortOrder order);
    void saveOrder();
    void restoreOrder();
    // Refills the children from a pre-order list, consuming one entry per child.
    void applyOrder(const QList<TPLXTreeNode *> &list, int &position);
    void clearSavedOrder();
    // A new operation moving `node` in front of `nodeBefore` (null = to the end).
    std::unique_ptr<TPLXOperation> repositionChild(TPLXTreeNode *node, TPLXTreeNode *nodeBefore);

    TPLXTreeRow *row() const { return FRow; }
    // "n." after numbering gave the row index n - 1; empty for a node without row.
    QString numberCont() const;
    // The positions under each parent from the top, "1.2.1."; formed when asked,
    // so that a deep tree does not hold a path per node.
    QString numberHierchy() const;
    TPLXNodeExpander *getExpander() const { return expander; }
    // The table of the document the tree belongs to; null outside one.
    TPLXGanttTable *table();

private:
    friend class TPLXTreeNodePersistence;
    // Forgets the root's row lookup table; every change of shape or numbering calls it.
    void structureChanged();
    // This node or one below it may hold a saved order: clearing skips branches without.
    bool FAnySaved = false;
    // Root only: the node of every row by index, trusted only while the numbering
    // equals the pre-order positions, so that a lookup answers as the walk would.
    enum class IndexCache { Unknown, Valid, Stale };
    std::vector<TPLXTreeNode *> FIndexCache;
    // Beside the table: the last row of each row's branch.
    std::vector<int> FBranchEnd;
    bool indexCacheValid();
    IndexCache FIndexCacheState = IndexCache::Unknown;
    TPLXTreeNode *findNode(int index);
    // Sorts this node's own children.
    void sortChildren(int column, TPLXSortOrder order);
    void restoreOwnOrder();

    TPLXTreeRow *FRow = nullptr; // child
    QList<TPLXTreeNode *> Fchildren;
    bool FCollapsed = false;
    TPLXNodeExpander *expander = nullptr; // child
    // Row index and position under the parent at the last numbering; -1 when unnumbered.
    int FNumber = -1;
    int FPosition = -1;
    std::unique_ptr<QList<TPLXTreeNode *>> FSavedOrder;
    std::unique_ptr<TPLXDrawer> FOwnDrawer;
    int preCalculatedIndexOfValue = -1;
};

Q_DECLARE_METATYPE(TPLXTreeNode *)

// The plus/minus box of a node with children; a click collapses or expands it.
class ORVANTA_EXPORT TPLXNodeExpander : public TPLXHaloEntity
{
    Q_GADGET
    PLX_ENTITY_META

public:
    explicit TPLXNodeExpander(TPLXTreeNode *node = nullptr);
    ~TPLXNodeExpander() override;

    bool processMouseClick() override { return true; }
    std::unique_ptr<TPLXOperation> handleClick(int x, int y, int keyState) override;
    // Places the box at (x, y); parked at (-1, -1) when x lies left of the visible tree.
    void setPosition(int x, int y);
    void park() { FPosition = QPoint(-1, -1); }
    bool isParked() const { return FPosition.x() < 0; }
    QPoint position() const { return FPosition; }
    TRect getRect() const;
    static constexpr int Size = 9;

    TPLXTreeNode *getTargetNode() const { return targetNode; }
    void setTargetNode(TPLXTreeNode *value) { targetNode = value; }

private:
    QPoint FPosition{-1, -1};
    std::unique_ptr<TPLXDrawer> FOwnDrawer;
    TPLXTreeNode *targetNode = nullptr;
};

// Draws the tree from the root: indentation, tree lines, rows and expanders.
class ORVANTA_EXPORT TPLXTreeNodeDrawer : public TPLXDrawer
{
public:
    explicit TPLXTreeNodeDrawer(TPLXTreeNode *node);
    void Draw(TPLXVisualContext &vc) override;
    TPLXGanttObject *locateObject(int x, int y) override;
};

class ORVANTA_EXPORT TPLXExpanderDrawer : public TPLXDrawer
{
public:
    explicit TPLXExpanderDrawer(TPLXNodeExpander *expander);
    void Draw(TPLXVisualContext &vc) override;
    TRect getRect() const override;
    TPLXGanttObject *locateObject(int x, int y) override;
};

class ORVANTA_EXPORT TPLXTreeNodePersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Tree Node"); }
};

// Links a child node into its parent or out of it, keeping the row's focus
// and selection as they were when it was made. Not itself undoable.
class ORVANTA_EXPORT TPLXTreeRowOperation
{
public:
    TPLXTreeRowOperation(TPLXDataSourceIntf *dataSource, int position, TPLXTreeNode *parent, TPLXTreeNode *child);
    bool InsertChildRow();
    bool DeleteChildRow();

    TPLXTreeNode *getParent() const { return Parent; }
    void setParent(TPLXTreeNode *value) { Parent = value; }

private:
    TPLXDataSourceIntf *DataSource;
    int Position;
    TPLXTreeNode *Parent;
    TPLXTreeNode *Child;
    bool Focused = false;
    bool Selected = false;
};

// Numbers the tree of a data source's document from 0.
ORVANTA_EXPORT void PLXRenumberTree(TPLXDataSourceIntf *dataSource);
// The task tree of the data source's document; null when there is none.
ORVANTA_EXPORT TPLXTreeGrid *PLXTreeOf(TPLXDataSourceIntf *dataSource);

// Adds a node for `treeRow` under the row `parentIndex` (negative: the root);
// the first child of a task row gives its gantt row a summary bar.
class ORVANTA_EXPORT TPLXTreeRowChildInsertOperation : public TPLXOperation
{
public:
    TPLXTreeRowChildInsertOperation(TPLXDataSourceIntf *dataSource, int parentIndex, TPLXTreeRow *treeRow,
                                    int position);
    ~TPLXTreeRowChildInsertOperation() override;
    bool perform() override;
    bool undo() override;

    TPLXTreeNode *node() const { return FNode; }

private:
    int FParentIndex;
    int FPosition;
    TPLXTreeNode *FNode = nullptr;
    std::unique_ptr<TPLXTreeNode> FOwnedNode; // until the tree holds it
    std::unique_ptr<TPLXTreeRowOperation> FOp;
    std::unique_ptr<TPLXSummaryBar> FOwnedSummary; // until a row holds it
    std::unique_ptr<TPLXOperation> FSummaryOp;
    bool FPrepared = false;
};

// Unlinks the node of a row (with its branch); the parent's last child takes
// the parent's summary bar along.
class ORVANTA_EXPORT TPLXTreeRowDeleteOperation : public TPLXOperation
{
public:
    TPLXTreeRowDeleteOperation(TPLXDataSourceIntf *dataSource, int rowIndex);
    ~TPLXTreeRowDeleteOperation() override;
    bool perform() override;
    bool undo() override;

private:
    std::unique_ptr<TPLXTreeRowOperation> FOp;
    std::unique_ptr<TPLXOperation> FSummaryOp;
    bool FPrepared = false;
    bool FSummaryRemoved = false;
};

// Gives the node of a row another parent; summary bars follow group-ness.
class ORVANTA_EXPORT TPLXTreeRowSetParentOperation : public TPLXOperation
{
public:
    TPLXTreeRowSetParentOperation(TPLXDataSourceIntf *dataSource, int rowIndex, int parentIndex, int position);
    ~TPLXTreeRowSetParentOperation() override;
    bool perform() override;
    bool undo() override;

private:
    TPLXTreeNode *FNode = nullptr;
    TPLXTreeNode *FFormerParent = nullptr;
    int FFormerPosition = -1;
    TPLXTreeNode *FNewParent = nullptr;
    int FNewParentIndex;
    int FNewPosition;
    std::unique_ptr<TPLXOperation> FRemoveOp;
    std::unique_ptr<TPLXSummaryBar> FOwnedSummary;
    std::unique_ptr<TPLXOperation> FInsertOp;
    bool FRemovePrepared = false;
    bool FInsertPrepared = false;
    bool FRemoveDone = false;
    bool FInsertDone = false;
};

// Moves a child (with its branch and gantt rows) in front of a sibling or to the end.
class ORVANTA_EXPORT TPLXRowMoveOperation : public TPLXOperation
{
public:
    TPLXRowMoveOperation(TPLXTreeNode *parent, TPLXTreeNode *node, TPLXTreeNode *nodeBefore);
    bool perform() override;
    bool undo() override;

private:
    bool relocate(TPLXTreeNode *before);
    TPLXTreeNode *Parent;
    TPLXTreeNode *Node;
    TPLXTreeNode *NodeBefore;
    TPLXTreeNode *NodeAfter; // the child that followed `Node` when made
};

// Collapses an expanded node or expands a collapsed one, raising the row event first.
class ORVANTA_EXPORT TPLXNodeCollapseOperation : public TPLXOperation
{
public:
    TPLXNodeCollapseOperation(TPLXDataSourceIntf *dataSource, TPLXTreeNode *node);
    bool perform() override;
    bool undo() override;

private:
    void change(bool collapsed);
    TPLXTreeNode *Node;
    bool WasCollapsed;
};

// Sorts the tree (and the gantt rows with it) by a column; sortNone brings
// back the order from before the first sort.
class ORVANTA_EXPORT TPLXSortOperation : public TPLXOperation
{
public:
    TPLXSortOperation(TPLXTreeGrid *treeGrid, TPLXSortOrder order, int column);
    bool perform() override;
    bool undo() override;

private:
    void putVisibleFlagsBack();
    // Puts the tree back in its order from before the first sort; the gantt rows follow it.
    void restoreUnsortedOrder();

    int FPreviousSortColumn = -1;
    TPLXSortOrder FPreviousSortColumnOrder = sortNone;
    QList<TPLXTreeNode *> FPreviousNodes;
    QList<TPLXGanttRow *> FPreviousRows;
    QList<bool> FVisibleFlags;
    // The orders the first perform left, for a redo to repeat exactly.
    bool FPerformed = false;
    QList<TPLXTreeNode *> FResultNodes;
    QList<TPLXGanttRow *> FResultRows;
    TPLXTreeGrid *TreeGrid;
    TPLXSortOrder Order;
    int Column;
    TPLXSortOrder PreviousOrder;
};
