#include "plxTreeNode.h"

#include "plxEntityFactory.h"
#include "plxGanttTable.h"
#include "plxMedia.h"
#include "plxPlatform.h"
#include "plxSummaryBar.h"
#include "plxTreeCell.h"
#include "plxTreeGrid.h"
#include "plxVisualContext.h"

#include <QHash>
#include <QScopeGuard>
#include <QSet>

#include <algorithm>
#include <utility>

namespace {

const TPLXKindRegistration<TPLXTreeNodePersistence> treeNodeKind("Tree Node");

constexpr TColor kTreeLineColor = 0x808080;

TPLXTreeNode *rootOf(TPLXDataSourceIntf *dataSource)
{
    TPLXTreeGrid *grid = PLXTreeOf(dataSource);
    return grid ? grid->getRootNode() : nullptr;
}

TPLXSummaryBar *summaryBarOf(TPLXTreeNode *node)
{
    TPLXGanttRow *row = node && node->row() ? node->row()->getRow() : nullptr;
    return row ? row->getBarOfKind<TPLXSummaryBar>(0) : nullptr;
}

int rowIndexOf(const TPLXTreeNode *node)
{
    return node && node->row() ? node->row()->getIndex() : -1;
}

// Renumbers the tree and, unless the data source batches changes, brings the
// summary spans up to date: the bar steps refresh them while numbers are stale.
void refresh(TPLXDataSourceIntf *dataSource, bool always)
{
    PLXRenumberTree(dataSource);
    TPLXGanttTable *table = PLXTableOf(dataSource);
    if (table && (always || !dataSource->IsInUpdateMode()))
        table->UpdateSummaryBars();
}

enum class Walk { Descend, Skip, Stop };

// Visits `top` and its branch in pre-order, children in list order, without
// recursing: a tree may be as deep as its file is long. A node's children are
// read after its visit, so a visit may reorder them. False when a visit stopped.
template<typename Visit>
bool walkPreOrder(TPLXTreeNode *top, Visit &&visit)
{
    std::vector<std::pair<TPLXTreeNode *, int>> pending{{top, 0}};
    while (!pending.empty()) {
        const auto [node, depth] = pending.back();
        pending.pop_back();
        switch (visit(node, depth)) {
        case Walk::Stop:
            return false;
        case Walk::Skip:
            break;
        case Walk::Descend:
            for (qsizetype i = node->children().size(); i-- > 0;)
                pending.emplace_back(node->children()[i], depth + 1);
            break;
        }
    }
    return true;
}

} // namespace

TPLXTreeGrid *PLXTreeOf(TPLXDataSourceIntf *dataSource)
{
    TPLXDocumentSetup *document = dataSource ? dataSource->documentSetup() : nullptr;
    return document ? document->GetTree() : nullptr;
}

void PLXRenumberTree(TPLXDataSourceIntf *dataSource)
{
    if (TPLXTreeNode *root = rootOf(dataSource))
        root->setIndexes(0);
}

// ------------------------------------------------------------ TPLXTreeNode

TPLXTreeNode::TPLXTreeNode()
    : FOwnDrawer(std::make_unique<TPLXTreeNodeDrawer>(this))
{
    FDrawer = FOwnDrawer.get();
    adoptPersistence(std::make_unique<TPLXTreeNodePersistence>());
    auto box = std::make_unique<TPLXNodeExpander>(this);
    box->setParent(this);
    expander = box.release();
}

TPLXTreeNode::TPLXTreeNode(TPLXTreeRow *row)
    : TPLXTreeNode()
{
    FRow = row;
    if (row)
        row->setParent(this);
}

TPLXTreeNode::~TPLXTreeNode() = default;

namespace {

// Nodes saved while a branch is saved hand their children to it: no recursion per level.
thread_local std::vector<TPLXTreeNode *> *branchSave = nullptr;

} // namespace

void TPLXTreeNode::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory)
{
    Q_UNUSED(name);
    const QString section = getUID();
    media.setStrProperty(section, QStringLiteral("typeID"), QStringLiteral("Tree Node"));
    if (FRow)
        TPLXPersistence::saveChild(section, QStringLiteral("row"), FRow, media, factory);
    else
        media.setStrProperty(section, QStringLiteral("row"), QStringLiteral("empty"));
    QStringList children;
    children.reserve(Fchildren.size());
    for (const TPLXTreeNode *child : std::as_const(Fchildren))
        children.append(child->getUID());
    media.setStrArrayProperty(section, QStringLiteral("children"), children);
    media.setBoolProperty(section, QStringLiteral("collapsed"), FCollapsed);
    // The sections come out in pre-order, as a recursive save writes them.
    if (branchSave) {
        branchSave->insert(branchSave->end(), Fchildren.crbegin(), Fchildren.crend());
        return;
    }
    std::vector<TPLXTreeNode *> pending(Fchildren.crbegin(), Fchildren.crend());
    branchSave = &pending;
    const auto done = qScopeGuard([] { branchSave = nullptr; });
    while (!pending.empty()) {
        TPLXTreeNode *node = pending.back();
        pending.pop_back();
        node->doSave(node->getUID(), media, factory);
    }
}

TPLXTreeNode *TPLXTreeNode::GetChild(int i) const
{
    return i >= 0 && i < Fchildren.size() ? Fchildren[i] : nullptr;
}

int TPLXTreeNode::childIndex(const TPLXTreeNode *node) const
{
    return static_cast<int>(Fchildren.indexOf(node));
}

TPLXTreeNode *TPLXTreeNode::parentNode() const
{
    // An unlinked node keeps its owner but has no parent in the tree.
    auto *parent = dynamic_cast<TPLXTreeNode *>(getParent());
    return parent && parent->Fchildren.contains(this) ? parent : nullptr;
}

int TPLXTreeNode::GetParentIndex() const
{
    return rowIndexOf(parentNode());
}

TPLXTreeNode *TPLXTreeNode::treeRoot()
{
    TPLXTreeNode *node = this;
    while (TPLXTreeNode *parent = node->parentNode())
        node = parent;
    return node;
}

TPLXGanttTable *TPLXTreeNode::table()
{
    TPLXDocumentSetup *doc = PLXDocumentOf(this);
    return doc ? doc->GetTable() : nullptr;
}

bool TPLXTreeNode::addChild(TPLXTreeNode *node, int position)
{
    if (!node)
        return false;
    // A node cannot become a child of itself or of its own branch.
    for (TPLXTreeNode *above = this; above; above = above->parentNode()) {
        if (above == node)
            return false;
    }
    if (position < 0 || position > Fchildren.size())
        position = static_cast<int>(Fchildren.size());
    Fchildren.insert(position, node);
    structureChanged();
    ownerRoot()->clearSavedOrder();
    node->setParent(this);
    return true;
}

bool TPLXTreeNode::deleteChild(TPLXTreeNode *node)
{
    const qsizetype i = Fchildren.indexOf(node);
    if (i < 0)
        return false;
    Fchildren.removeAt(i);
    structureChanged();
    ownerRoot()->clearSavedOrder();
    return true;
}

TPLXTreeNode *TPLXTreeNode::ownerRoot()
{
    TPLXTreeNode *root = this;
    while (auto *up = dynamic_cast<TPLXTreeNode *>(root->getParent()))
        root = up;
    return root;
}

void TPLXTreeNode::structureChanged()
{
    // Clearing a root the node has just left does no harm.
    TPLXTreeNode *root = ownerRoot();
    root->FIndexCache.clear();
    root->FBranchEnd.clear();
    root->FIndexCacheState = IndexCache::Unknown;
}

int TPLXTreeNode::setIndexes(int start)
{
    structureChanged();
    const TPLXTreeNode *parent = parentNode();
    // Positions come from the walk: looking each child up would make wide trees quadratic.
    std::vector<std::pair<TPLXTreeNode *, int>> pending{{this, parent ? parent->childIndex(this) : 0}};
    while (!pending.empty()) {
        const auto [node, position] = pending.back();
        pending.pop_back();
        node->FPosition = position;
        node->FNumber = node->FRow ? start : -1;
        if (node->FRow)
            node->FRow->setIndex(start++);
        for (qsizetype i = node->Fchildren.size(); i-- > 0;)
            pending.emplace_back(node->Fchildren[i], static_cast<int>(i));
    }
    return start;
}

QString TPLXTreeNode::numberCont() const
{
    return FNumber < 0 ? QString() : QString::number(FNumber + 1) + QLatin1Char('.');
}

QString TPLXTreeNode::numberHierchy() const
{
    // A node without a row ends the path: its children number from the top again.
    QList<int> positions;
    for (const TPLXTreeNode *node = this; node && node->FNumber >= 0;
         node = dynamic_cast<const TPLXTreeNode *>(node->getParent()))
        positions.append(node->FPosition + 1);
    QString text;
    for (qsizetype i = positions.size(); i-- > 0;)
        text += QString::number(positions[i]) + QLatin1Char('.');
    return text;
}

TPLXTreeNode *TPLXTreeNode::findNode(int index)
{
    TPLXTreeNode *found = nullptr;
    walkPreOrder(this, [&](TPLXTreeNode *node, int) {
        if (node->FRow && node->FRow->getIndex() == index) {
            found = node;
            return Walk::Stop;
        }
        return Walk::Descend;
    });
    return found;
}

bool TPLXTreeNode::indexCacheValid()
{
    if (FRow || parentNode())
        return false;
    if (FIndexCacheState == IndexCache::Unknown) {
        FIndexCacheState = IndexCache::Valid;
        FIndexCache.clear();
        FBranchEnd.clear();
        std::vector<int> open; // the rows on the path to the node visited last
        walkPreOrder(this, [&](TPLXTreeNode *node, int depth) {
            if (node == this)
                return Walk::Descend;
            const int index = static_cast<int>(FIndexCache.size());
            if (!node->FRow || node->FRow->getIndex() != index) {
                FIndexCacheState = IndexCache::Stale;
                return Walk::Stop;
            }
            for (; open.size() >= static_cast<size_t>(depth); open.pop_back())
                FBranchEnd[static_cast<size_t>(open.back())] = index - 1;
            open.push_back(index);
            FIndexCache.push_back(node);
            FBranchEnd.push_back(index);
            return Walk::Descend;
        });
        if (FIndexCacheState == IndexCache::Valid) {
            for (const int index : open)
                FBranchEnd[static_cast<size_t>(index)] = static_cast<int>(FIndexCache.size()) - 1;
        } else {
            FIndexCache.clear();
            FBranchEnd.clear();
        }
    }
    return FIndexCacheState == IndexCache::Valid;
}

TPLXTreeNode *TPLXTreeNode::findNodeByIndex(int index)
{
    if (index < 0)
        return nullptr;
    // Drawing and group checks ask the root for every visible row: answer from the table.
    if (indexCacheValid())
        return index < static_cast<int>(FIndexCache.size()) ? FIndexCache[static_cast<size_t>(index)] : nullptr;
    return findNode(index);
}

int TPLXTreeNode::branchEnd(TPLXTreeNode *node)
{
    if (node && node->FRow && indexCacheValid()) {
        const int index = node->FRow->getIndex();
        if (index >= 0 && index < static_cast<int>(FIndexCache.size()) &&
            FIndexCache[static_cast<size_t>(index)] == node)
            return FBranchEnd[static_cast<size_t>(index)];
    }
    return node ? node->getLastIndex() : -1;
}

qsizetype TPLXTreeNode::firstChildReaching(const TPLXTreeNode *parent, qsizetype from, int row)
{
    const QList<TPLXTreeNode *> &children = parent->children();
    const auto above = [&](TPLXTreeNode *child) { return branchEnd(child) < row; };
    // With every row in place the branches end in child order.
    if (indexCacheValid())
        return std::partition_point(children.begin() + from, children.end(), above) - children.begin();
    while (from < children.size() && above(children[from]))
        ++from;
    return from;
}

TPLXTreeRow *TPLXTreeNode::getRow(int index)
{
    TPLXTreeNode *node = findNodeByIndex(index);
    return node ? node->FRow : nullptr;
}

int TPLXTreeNode::getRowLevel(int index)
{
    int level = -1;
    if (index >= 0) {
        walkPreOrder(this, [&](TPLXTreeNode *node, int depth) {
            if (!node->FRow || node->FRow->getIndex() != index)
                return Walk::Descend;
            level = depth;
            return Walk::Stop;
        });
    }
    return level;
}

int TPLXTreeNode::getLastIndex()
{
    if (indexCacheValid())
        return FIndexCache.empty() ? -1 : static_cast<int>(FIndexCache.size()) - 1;
    TPLXTreeNode *node = this;
    while (node->hasChildren())
        node = node->Fchildren.last();
    return rowIndexOf(node);
}

TPLXTreeRow *TPLXTreeNode::findRow(int y)
{
    TPLXTreeRow *found = nullptr;
    TPLXGanttTable *rows = table();
    walkPreOrder(this, [&](TPLXTreeNode *node, int) {
        TPLXGanttRow *row = node->FRow ? node->FRow->getRowIn(rows) : nullptr;
        if (row && row->IsVisible()) {
            y -= row->getHeight();
            if (y < 1) {
                found = node->FRow;
                return Walk::Stop;
            }
        }
        return Walk::Descend;
    });
    return found;
}

void TPLXTreeNode::collectChildren(QList<TPLXTreeRow *> &list)
{
    walkPreOrder(this, [&](TPLXTreeNode *node, int) {
        if (node->FRow)
            list.append(node->FRow);
        return Walk::Descend;
    });
}

void TPLXTreeNode::flatten(QList<TPLXTreeNode *> &list)
{
    walkPreOrder(this, [&](TPLXTreeNode *node, int) {
        if (node != this)
            list.append(node);
        return Walk::Descend;
    });
}

void TPLXTreeNode::setVisible(bool flag)
{
    TPLXGanttTable *rows = table();
    std::vector<std::pair<TPLXTreeNode *, bool>> pending{{this, flag}};
    while (!pending.empty()) {
        const auto [node, shown] = pending.back();
        pending.pop_back();
        if (node->FRow) {
            if (TPLXGanttRow *row = node->FRow->getRowIn(rows))
                row->setCollapsed(!shown);
            if (!shown)
                node->expander->park();
        }
        for (qsizetype i = node->Fchildren.size(); i-- > 0;)
            pending.emplace_back(node->Fchildren[i], shown && !node->FCollapsed);
    }
}

void TPLXTreeNode::setCollapsed(bool flag)
{
    FCollapsed = flag;
    // Under a collapsed node the branch stays hidden, whatever its own state.
    bool shown = true;
    for (const TPLXTreeNode *up = parentNode(); up && shown; up = up->parentNode())
        shown = !up->FCollapsed;
    setVisible(shown);
}

void TPLXTreeNode::swapChildren(int i, int j)
{
    if (i == j || !GetChild(i) || !GetChild(j))
        return;
    TPLXTreeNode *a = Fchildren[i];
    TPLXTreeNode *b = Fchildren[j];
    TPLXGanttTable *rows = table();
    const int lastA = a->getLastIndex();
    const int lastB = b->getLastIndex();
    if (rows && a->FRow && b->FRow && std::max(lastA, lastB) < rows->countRows())
        rows->swapSequences(a->FRow->getIndex(), lastA, b->FRow->getIndex(), lastB);
    Fchildren.swapItemsAt(i, j);
    structureChanged();
    setIndexes(std::max(0, rowIndexOf(this)));
}

void TPLXTreeNode::swapChildren(TPLXTreeNode *a, TPLXTreeNode *b)
{
    const int i = childIndex(a);
    const int j = childIndex(b);
    if (i >= 0 && j >= 0)
        swapChildren(i, j);
}

void TPLXTreeNode::sort(int column, TPLXSortOrder order)
{
    if (order == sortNone)
        return;
    walkPreOrder(this, [&](TPLXTreeNode *node, int) {
        node->sortChildren(column, order);
        return Walk::Descend;
    });
    // Once for the whole branch: refreshes after inner levels would be overwritten anyway.
    if (TPLXGanttTable *rows = table()) {
        rows->updateCriticalPath();
        rows->UpdateSummaryBars();
    }
}

void TPLXTreeNode::sortChildren(int column, TPLXSortOrder order)
{
    // Stable: equal rows keep their current order, whatever the direction. Nodes without a row go last.
    const auto before = [&](TPLXTreeNode *a, TPLXTreeNode *b) {
        if (!a->FRow || !b->FRow)
            return a->FRow && !b->FRow;
        return order == sortAscending ? a->FRow->lessThan(b->FRow, column) : b->FRow->lessThan(a->FRow, column);
    };
    QList<TPLXTreeNode *> sorted = Fchildren;
    std::stable_sort(sorted.begin(), sorted.end(), before);
    for (int i = 0; i < sorted.size(); ++i) {
        const int at = childIndex(sorted[i]);
        if (at != i)
            swapChildren(i, at);
    }
}

void TPLXTreeNode::saveOrder()
{
    for (TPLXTreeNode *up = this; up && !up->FAnySaved; up = dynamic_cast<TPLXTreeNode *>(up->getParent()))
        up->FAnySaved = true;
    walkPreOrder(this, [](TPLXTreeNode *node, int) {
        node->FAnySaved = true;
        node->FSavedOrder = std::make_unique<QList<TPLXTreeNode *>>(node->Fchildren);
        return Walk::Descend;
    });
}

void TPLXTreeNode::restoreOrder()
{
    walkPreOrder(this, [](TPLXTreeNode *node, int) {
        node->restoreOwnOrder();
        return Walk::Descend;
    });
}

void TPLXTreeNode::restoreOwnOrder()
{
    if (FSavedOrder && FSavedOrder->size() == Fchildren.size() &&
        std::all_of(FSavedOrder->cbegin(), FSavedOrder->cend(),
                    [this](TPLXTreeNode *node) { return Fchildren.contains(node); })) {
        Fchildren = *FSavedOrder;
        structureChanged();
    }
}

void TPLXTreeNode::applyOrder(const QList<TPLXTreeNode *> &list, int &position)
{
    structureChanged();
    std::vector<std::pair<TPLXTreeNode *, qsizetype>> path{{this, 0}};
    while (!path.empty()) {
        TPLXTreeNode *node = path.back().first;
        const qsizetype i = path.back().second++;
        if (i == node->Fchildren.size()) {
            path.pop_back();
            continue;
        }
        PLX_ASSERT(position >= 0 && position < list.size() && list[position] != nullptr);
        TPLXTreeNode *child = list[position++];
        node->Fchildren[i] = child;
        if (child->getParent() != node) {
            child->setParent(node);
            // Saved orders that came along stay reachable from the root.
            for (TPLXTreeNode *up = node; child->FAnySaved && up && !up->FAnySaved;
                 up = dynamic_cast<TPLXTreeNode *>(up->getParent()))
                up->FAnySaved = true;
        }
        path.emplace_back(child, 0);
    }
}

void TPLXTreeNode::clearSavedOrder()
{
    walkPreOrder(this, [](TPLXTreeNode *node, int) {
        if (!node->FAnySaved)
            return Walk::Skip;
        node->FAnySaved = false;
        node->FSavedOrder.reset();
        return Walk::Descend;
    });
}

std::unique_ptr<TPLXOperation> TPLXTreeNode::repositionChild(TPLXTreeNode *node, TPLXTreeNode *nodeBefore)
{
    return std::make_unique<TPLXRowMoveOperation>(this, node, nodeBefore);
}

// ------------------------------------------------------------ TPLXNodeExpander

TPLXNodeExpander::TPLXNodeExpander(TPLXTreeNode *node)
    : FOwnDrawer(std::make_unique<TPLXExpanderDrawer>(this))
    , targetNode(node)
{
    FDrawer = FOwnDrawer.get();
}

TPLXNodeExpander::~TPLXNodeExpander() = default;

std::unique_ptr<TPLXOperation> TPLXNodeExpander::handleClick(int, int, int)
{
    auto *doc = dynamic_cast<TPLXDocumentSetup *>(PLXDocumentOf(this));
    if (!targetNode || !doc)
        return nullptr;
    return std::make_unique<TPLXNodeCollapseOperation>(doc->getDataSource(), targetNode);
}

void TPLXNodeExpander::setPosition(int x, int y)
{
    TPLXDocumentSetup *doc = PLXDocumentOf(this);
    if (doc && doc->getDocStartX() + doc->getVerticalResizePaneSize() > x)
        park();
    else
        FPosition = QPoint(x, y);
}

TRect TPLXNodeExpander::getRect() const
{
    if (isParked())
        return TRect{};
    const int half = Size / 2;
    return TRect{FPosition.x() - half, FPosition.y() - half, FPosition.x() - half + Size, FPosition.y() - half + Size};
}

TPLXExpanderDrawer::TPLXExpanderDrawer(TPLXNodeExpander *expander)
    : TPLXDrawer(expander)
{
}

TRect TPLXExpanderDrawer::getRect() const
{
    return static_cast<TPLXNodeExpander *>(target)->getRect();
}

void TPLXExpanderDrawer::Draw(TPLXVisualContext &vc)
{
    auto *box = static_cast<TPLXNodeExpander *>(target);
    if (box->isParked() || !box->getTargetNode())
        return;
    const TRect r = box->getRect();
    vc.FillArea(r, 0xFFFFFF, bsSolid);
    vc.drawRect(r, psSolid, kTreeLineColor);
    const int midX = (r.Left + r.Right - 1) / 2;
    const int midY = (r.Top + r.Bottom - 1) / 2;
    vc.setDrawingColor(0x000000);
    vc.setPenStyle(psSolid);
    vc.setPenWidth(1);
    vc.drawLine(r.Left + 2, midY, r.Right - 2, midY);
    if (box->getTargetNode()->isCollapsed())
        vc.drawLine(midX, r.Top + 2, midX, r.Bottom - 2);
}

TPLXGanttObject *TPLXExpanderDrawer::locateObject(int x, int y)
{
    auto *box = static_cast<TPLXNodeExpander *>(target);
    return !box->isParked() && box->getRect().contains(x, y) ? box : nullptr;
}

// ------------------------------------------------------------ TPLXTreeNodeDrawer

TPLXTreeNodeDrawer::TPLXTreeNodeDrawer(TPLXTreeNode *node)
    : TPLXDrawer(node)
{
}

namespace {

// The rows scrolled out of the table's top, unless an application made one of them visible again.
int scrolledOut(TPLXGanttTable *table)
{
    if (!table)
        return 0;
    const int scrolled = table->getScrolledLines();
    return scrolled > 0 && table->visibleHeightBefore(scrolled) == 0 ? scrolled : 0;
}

} // namespace

void TPLXTreeNodeDrawer::Draw(TPLXVisualContext &vc)
{
    auto *top = static_cast<TPLXTreeNode *>(target);
    TPLXDocumentSetup *doc = PLXDocumentOf(top);
    TPLXGanttTable *table = doc ? doc->GetTable() : nullptr;
    if (!table)
        return;
    const int bottom = vc.getVisibleArea().Bottom;
    // Rows before this index are scrolled out of the table: branches that end
    // before it are passed over whole, so a frame costs what is on screen.
    const int skipBelow = scrolledOut(table);
    TPLXTreeGrid *grid = doc->GetTree();
    const bool lines = !grid || grid->getDrawTreeNodeLines();
    const int left = doc->getDocStartX() + doc->getVerticalResizePaneSize() + doc->getTreeStartX() + 4;
    int counter = 0;

    // One entry per node on the path being drawn, in place of recursion: the
    // tree lines of a node are finished after its last child.
    struct Level
    {
        TPLXTreeNode *node;
        int x;
        int ownMiddle = -1;
        int lastMiddle = -1;
        qsizetype next = 0;
    };
    std::vector<Level> path;
    // Draws the node's row and starts its level; false once the row starts below the visible area.
    auto enter = [&](TPLXTreeNode *node, int level) {
        const int x = left + (level + 1) * 7;
        int ownMiddle = -1;
        if (TPLXTreeRow *row = node->row()) {
            // The table is known here: a row finding it through its ancestors
            // would cost the depth of the tree per row.
            TPLXGanttRow *ganttRow = row->getRowIn(table);
            if (ganttRow && ganttRow->IsVisible()) {
                const int rowTop = table->getVisibleRowStartY(counter);
                if (rowTop > bottom)
                    return false;
                row->setOrder(counter);
                row->setNestingOffset(x);
                if (TPLXDrawer *drawer = row->getDrawer(vtGanttGraph))
                    drawer->Draw(vc);
                ownMiddle = rowTop + table->getVisibleRowHeight(counter) / 2;
                ++counter;
            }
        }
        if (!node->isCollapsed()) {
            vc.setPenStyle(psSolid);
            vc.setPenWidth(1);
        }
        path.push_back({node, x, ownMiddle});
        return true;
    };
    if (!enter(top, 0))
        return;
    while (!path.empty()) {
        Level &level = path.back();
        TPLXTreeNode *node = level.node;
        if (!node->isCollapsed() && level.next < node->children().size()) {
            if (skipBelow > 0) {
                level.next = top->firstChildReaching(node, level.next, skipBelow);
                if (level.next == node->children().size())
                    continue;
            }
            TPLXTreeNode *child = node->children()[level.next++];
            TPLXGanttRow *childRow = child->row() ? child->row()->getRowIn(table) : nullptr;
            if (childRow && childRow->IsVisible()) {
                const int rowTop = table->getVisibleRowStartY(counter);
                if (rowTop > bottom)
                    return;
                level.lastMiddle = rowTop + table->getVisibleRowHeight(counter) / 2;
                if (lines && node->row()) {
                    vc.setDrawingColor(kTreeLineColor);
                    vc.drawLine(level.x, level.lastMiddle, level.x + 7, level.lastMiddle);
                }
            }
            if (!enter(child, static_cast<int>(path.size())))
                return;
            continue;
        }
        if (!node->isCollapsed() && lines && node->row() && level.lastMiddle >= 0) {
            vc.setDrawingColor(kTreeLineColor);
            vc.drawLine(level.x, level.ownMiddle < 0 ? level.lastMiddle : level.ownMiddle, level.x,
                        level.lastMiddle + 1);
        }
        if (node->row() && node->hasChildren() && level.ownMiddle >= 0) {
            TPLXNodeExpander *box = node->getExpander();
            box->setPosition(level.x, level.ownMiddle);
            if (TPLXDrawer *drawer = box->getDrawer(vtGanttGraph))
                drawer->Draw(vc);
        }
        path.pop_back();
    }
}

TPLXGanttObject *TPLXTreeNodeDrawer::locateObject(int x, int y)
{
    auto *top = static_cast<TPLXTreeNode *>(target);
    TPLXDocumentSetup *doc = PLXDocumentOf(top);
    TPLXGanttTable *table = doc ? doc->GetTable() : nullptr;
    const int skipBelow = scrolledOut(table);
    TPLXGanttObject *hit = nullptr;
    walkPreOrder(top, [&](TPLXTreeNode *node, int) {
        if (node != top && skipBelow > 0 && top->branchEnd(node) < skipBelow)
            return Walk::Skip;
        if (TPLXDrawer *drawer = node->getExpander()->getDrawer(vtGanttGraph))
            hit = drawer->locateObject(x, y);
        if (TPLXTreeRow *row = node->row(); row && !hit) {
            TPLXGanttRow *ganttRow = row->getRowIn(table);
            TPLXDrawer *drawer = row->getDrawer(vtGanttGraph);
            if (ganttRow && ganttRow->IsVisible() && drawer)
                hit = drawer->locateObject(x, y);
        }
        return hit ? Walk::Stop : node->isCollapsed() ? Walk::Skip : Walk::Descend;
    });
    return hit;
}

// ------------------------------------------------------------ persistence

namespace {

// The branch being loaded: the nodes it reaches leave their children to it,
// so that a tree as deep as the file allows never deepens the stack.
struct BranchLoad
{
    const TPLXEntityFactory *factory = nullptr;
    QStringList children;
    bool handedOver = false;
};
thread_local BranchLoad *branchLoad = nullptr;

} // namespace

std::unique_ptr<TPLXGanttObject> TPLXTreeNodePersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                 TPLXEntityFactory &factory)
{
    auto node = std::make_unique<TPLXTreeNode>();
    if (media.strValue(name, QStringLiteral("row"), QStringLiteral("empty")) != QLatin1String("empty")) {
        auto *row = loadChildAs<TPLXTreeRow>(QStringLiteral("row"), media, factory, node.get());
        // A row two nodes name (a damaged file) stays with the first.
        if (row && row->getParent() == node.get())
            node->FRow = row;
        else if (row)
            PLXLog(QStringLiteral("Tree node %1: its row %2 belongs to another node").arg(name, row->getUID()));
    }
    node->FCollapsed = media.boolValue(name, QStringLiteral("collapsed"), false);
    QStringList children = media.strArray(name, QStringLiteral("children"));
    if (branchLoad && branchLoad->factory == &factory) {
        branchLoad->children = std::move(children);
        branchLoad->handedOver = true;
        return node;
    }

    BranchLoad load{&factory, {}, false};
    branchLoad = &load;
    const auto done = qScopeGuard([] { branchLoad = nullptr; });
    struct Level
    {
        TPLXTreeNode *into; // where the children listed here go
        QString name;
        QStringList children;
        qsizetype next = 0;
    };
    // Depth first, children in file order: the order the sections were always read in.
    std::vector<Level> path{{node.get(), name, std::move(children)}};
    QSet<QString> onPath{name};
    while (!path.empty()) {
        Level &level = path.back();
        if (level.next == level.children.size()) {
            onPath.remove(level.name);
            path.pop_back();
            continue;
        }
        const QString childName = level.children[level.next++];
        // The branch's own top is still loading, and the factory reports that itself.
        if (childName != name && onPath.contains(childName)) {
            TPLXEntityFactory::reportCircularReference(childName);
            continue;
        }
        load.handedOver = false;
        auto *child = dynamic_cast<TPLXTreeNode *>(factory.loadObject(childName, media, level.into));
        QStringList grandChildren = std::exchange(load.children, {});
        if (!child)
            continue;
        // A node loaded before (named twice, or by another parent) keeps its first place.
        if (!load.handedOver || child->getParent() != level.into) {
            PLXLog(
                QStringLiteral("Tree node %1: its child %2 belongs to another node").arg(level.name, child->getUID()));
            continue;
        }
        onPath.insert(childName);
        if (!child->FRow) {
            // Only the root goes without a row (a section named twice in two
            // letter cases loads a second node whose row the first one took):
            // its children take its place.
            PLXLog(QStringLiteral("Tree node %1: its child %2 has no row; its children take its place")
                       .arg(level.name, child->getUID()));
            path.push_back({level.into, childName, std::move(grandChildren)});
            continue;
        }
        level.into->Fchildren.append(child);
        path.push_back({child, childName, std::move(grandChildren)});
    }
    node->structureChanged();
    return node;
}

// ------------------------------------------------------------ TPLXTreeRowOperation

TPLXTreeRowOperation::TPLXTreeRowOperation(TPLXDataSourceIntf *dataSource, int position, TPLXTreeNode *parent,
                                           TPLXTreeNode *child)
    : DataSource(dataSource)
    , Position(position)
    , Parent(parent)
    , Child(child)
{
    if (child && child->row()) {
        Focused = child->row()->isFocused();
        Selected = child->row()->isSelected();
    }
}

bool TPLXTreeRowOperation::InsertChildRow()
{
    if (!Parent || !Child || !Parent->addChild(Child, Position))
        return false;
    TPLXTreeGrid *grid = PLXTreeOf(DataSource);
    if (grid && Child->row()) {
        // Focus and selection go by row index, which the new place decides.
        PLXRenumberTree(DataSource);
        const int index = Child->row()->getIndex();
        if (Focused)
            grid->focus(index);
        grid->select(index, Selected);
    }
    return true;
}

bool TPLXTreeRowOperation::DeleteChildRow()
{
    if (!Parent || !Child)
        return false;
    if (TPLXTreeGrid *grid = PLXTreeOf(DataSource); grid && Child->row()) {
        if (Focused)
            grid->unFocus();
        grid->select(Child->row()->getIndex(), false);
    }
    return Parent->deleteChild(Child);
}

// ------------------------------------------------------------ child insert

TPLXTreeRowChildInsertOperation::TPLXTreeRowChildInsertOperation(TPLXDataSourceIntf *dataSource, int parentIndex,
                                                                 TPLXTreeRow *treeRow, int position)
    : TPLXOperation(dataSource)
    , FParentIndex(parentIndex)
    , FPosition(position)
{
    TPLXTreeNode *root = rootOf(dataSource);
    TPLXTreeNode *parent = parentIndex < 0 ? root : root ? root->findNodeByIndex(parentIndex) : nullptr;
    if (treeRow) {
        FOwnedNode = std::make_unique<TPLXTreeNode>(treeRow);
        FNode = FOwnedNode.get();
    }
    FOp = std::make_unique<TPLXTreeRowOperation>(dataSource, position, parent, FNode);
}

TPLXTreeRowChildInsertOperation::~TPLXTreeRowChildInsertOperation() = default;

bool TPLXTreeRowChildInsertOperation::perform()
{
    TPLXTreeNode *parent = FOp->getParent();
    if (!parent || !FNode)
        return false;
    if (!FPrepared) {
        FPrepared = true;
        if (parent->row() && !parent->hasChildren()) {
            FOwnedSummary = std::make_unique<TPLXSummaryBar>();
            FSummaryOp =
                std::make_unique<TPLXBarInsertOperation>(FDataSource, FOwnedSummary.get(), parent->row()->getIndex());
        }
    }
    if (!FOp->InsertChildRow())
        return false;
    if (FOwnedNode && FNode->getParent())
        FOwnedNode.release();
    PLXRenumberTree(FDataSource);
    if (FSummaryOp) {
        if (!FSummaryOp->perform()) {
            FOp->DeleteChildRow();
            PLXRenumberTree(FDataSource);
            return false;
        }
        if (FOwnedSummary && FOwnedSummary->getParent())
            FOwnedSummary.release();
    }
    refresh(FDataSource, false);
    return true;
}

bool TPLXTreeRowChildInsertOperation::undo()
{
    if (FSummaryOp && !FSummaryOp->undo())
        return false;
    if (!FOp->DeleteChildRow())
        return false;
    refresh(FDataSource, true);
    return true;
}

// ------------------------------------------------------------ delete

TPLXTreeRowDeleteOperation::TPLXTreeRowDeleteOperation(TPLXDataSourceIntf *dataSource, int rowIndex)
    : TPLXOperation(dataSource)
{
    TPLXTreeNode *root = rootOf(dataSource);
    TPLXTreeNode *node = root ? root->findNodeByIndex(rowIndex) : nullptr;
    TPLXTreeNode *parent = node ? node->parentNode() : nullptr;
    FOp = std::make_unique<TPLXTreeRowOperation>(dataSource, parent ? parent->childIndex(node) : -1, parent, node);
}

TPLXTreeRowDeleteOperation::~TPLXTreeRowDeleteOperation() = default;

bool TPLXTreeRowDeleteOperation::perform()
{
    if (!FOp->DeleteChildRow())
        return false;
    TPLXTreeNode *parent = FOp->getParent();
    FSummaryRemoved = false;
    if (!parent->hasChildren() && parent->row()) {
        if (!FPrepared) {
            FPrepared = true;
            if (TPLXSummaryBar *bar = summaryBarOf(parent))
                FSummaryOp = std::make_unique<TPLXBarRemoveOperation>(FDataSource, bar, true);
        }
        if (FSummaryOp) {
            if (!FSummaryOp->perform()) {
                FOp->InsertChildRow();
                PLXRenumberTree(FDataSource);
                return false;
            }
            FSummaryRemoved = true;
        }
    }
    refresh(FDataSource, false);
    return true;
}

bool TPLXTreeRowDeleteOperation::undo()
{
    if (FSummaryRemoved && !FSummaryOp->undo())
        return false;
    if (!FOp->InsertChildRow())
        return false;
    refresh(FDataSource, true);
    return true;
}

// ------------------------------------------------------------ set parent

TPLXTreeRowSetParentOperation::TPLXTreeRowSetParentOperation(TPLXDataSourceIntf *dataSource, int rowIndex,
                                                             int parentIndex, int position)
    : TPLXOperation(dataSource)
    , FNewParentIndex(parentIndex < 0 ? -1 : parentIndex)
    , FNewPosition(position)
{
    TPLXTreeNode *root = rootOf(dataSource);
    FNode = root ? root->findNodeByIndex(rowIndex) : nullptr;
    FFormerParent = FNode ? FNode->parentNode() : nullptr;
    FFormerPosition = FFormerParent ? FFormerParent->childIndex(FNode) : -1;
}

TPLXTreeRowSetParentOperation::~TPLXTreeRowSetParentOperation() = default;

bool TPLXTreeRowSetParentOperation::perform()
{
    TPLXTreeNode *root = rootOf(FDataSource);
    if (!root || !FNode || !FFormerParent || FFormerParent->childIndex(FNode) < 0)
        return false;
    TPLXTreeNode *newParent = FNewParentIndex < 0 ? root : root->findNodeByIndex(FNewParentIndex);
    if (!newParent)
        return false;
    for (TPLXTreeNode *above = newParent; above; above = above->parentNode()) {
        if (above == FNode)
            return false;
    }
    FNewParent = newParent;
    // Moving among the same siblings changes no group.
    const bool regroup = newParent != FFormerParent;
    FRemoveDone = false;
    FInsertDone = false;
    if (regroup && FFormerParent->GetChildrenCount() == 1 && FFormerParent->row()) {
        if (!FRemovePrepared) {
            FRemovePrepared = true;
            if (TPLXSummaryBar *bar = summaryBarOf(FFormerParent))
                FRemoveOp = std::make_unique<TPLXBarRemoveOperation>(FDataSource, bar, true);
        }
        if (FRemoveOp) {
            if (!FRemoveOp->perform())
                return false;
            FRemoveDone = true;
        }
    }
    FFormerParent->deleteChild(FNode);
    newParent->addChild(FNode, FNewPosition);
    if (regroup && newParent->GetChildrenCount() == 1 && newParent->row()) {
        if (!FInsertPrepared) {
            FInsertPrepared = true;
            FOwnedSummary = std::make_unique<TPLXSummaryBar>();
            FInsertOp = std::make_unique<TPLXBarInsertOperation>(FDataSource, FOwnedSummary.get(),
                                                                 newParent->row()->getIndex());
        }
        if (!FInsertOp->perform()) {
            newParent->deleteChild(FNode);
            FFormerParent->addChild(FNode, FFormerPosition);
            if (FRemoveDone)
                FRemoveOp->undo();
            FRemoveDone = false;
            PLXRenumberTree(FDataSource);
            return false;
        }
        FInsertDone = true;
        if (FOwnedSummary && FOwnedSummary->getParent())
            FOwnedSummary.release();
    }
    refresh(FDataSource, false);
    return true;
}

bool TPLXTreeRowSetParentOperation::undo()
{
    if (!FNewParent || !FNode)
        return false;
    if (FInsertDone && !FInsertOp->undo())
        return false;
    FNewParent->deleteChild(FNode);
    FFormerParent->addChild(FNode, FFormerPosition);
    if (FRemoveDone && !FRemoveOp->undo())
        return false;
    refresh(FDataSource, true);
    return true;
}

// ------------------------------------------------------------ row move

TPLXRowMoveOperation::TPLXRowMoveOperation(TPLXTreeNode *parent, TPLXTreeNode *node, TPLXTreeNode *nodeBefore)
    : Parent(parent)
    , Node(node)
    , NodeBefore(nodeBefore)
    , NodeAfter(parent && node && parent->childIndex(node) >= 0 ? parent->GetChild(parent->childIndex(node) + 1)
                                                                : nullptr)
{
}

bool TPLXRowMoveOperation::relocate(TPLXTreeNode *before)
{
    if (!Parent || !Node || !Node->row() || Parent->childIndex(Node) < 0)
        return false;
    if (before && (Parent->childIndex(before) < 0 || !before->row()))
        return false;
    if (before == Node)
        return true;
    const int first = Node->row()->getIndex();
    const int last = Node->getLastIndex();
    const int target = before ? before->row()->getIndex() : Parent->children().last()->getLastIndex() + 1;
    if (TPLXGanttTable *rows = Parent->table()) {
        if (std::max(last, target - 1) >= rows->countRows())
            return false;
        if (target < first)
            rows->swapSequences(target, first - 1, first, last);
        else if (target > last + 1)
            rows->swapSequences(first, last, last + 1, target - 1);
    }
    Parent->deleteChild(Node);
    Parent->addChild(Node, before ? Parent->childIndex(before) : -1);
    Parent->setIndexes(std::max(0, rowIndexOf(Parent)));
    Parent->ownerRoot()->clearSavedOrder();
    return true;
}

bool TPLXRowMoveOperation::perform()
{
    if (!relocate(NodeBefore))
        return false;
    if (TPLXGanttTable *rows = Parent->table())
        rows->UpdateSummaryBars();
    return true;
}

bool TPLXRowMoveOperation::undo()
{
    if (!relocate(NodeAfter))
        return false;
    if (TPLXGanttTable *rows = Parent->table())
        rows->UpdateSummaryBars();
    return true;
}

// ------------------------------------------------------------ collapse

TPLXNodeCollapseOperation::TPLXNodeCollapseOperation(TPLXDataSourceIntf *dataSource, TPLXTreeNode *node)
    : TPLXOperation(dataSource)
    , Node(node)
    , WasCollapsed(node && node->isCollapsed())
{
}

void TPLXNodeCollapseOperation::change(bool collapsed)
{
    if (FDataSource) {
        const TPLXRowExpandCollapseEvent &event =
            collapsed ? FDataSource->getOnRowCollapse() : FDataSource->getOnRowExpand();
        if (event)
            event(summaryBarOf(Node));
    }
    Node->setCollapsed(collapsed);
}

bool TPLXNodeCollapseOperation::perform()
{
    if (!Node)
        return false;
    change(!WasCollapsed);
    return true;
}

bool TPLXNodeCollapseOperation::undo()
{
    if (!Node)
        return false;
    change(WasCollapsed);
    return true;
}

// ------------------------------------------------------------ sort

TPLXSortOperation::TPLXSortOperation(TPLXTreeGrid *treeGrid, TPLXSortOrder order, int column)
    : TPLXOperation(treeGrid ? treeGrid->dataSource() : nullptr)
    , TreeGrid(treeGrid)
    , Order(order)
    , Column(column)
{
    PLX_ASSERT(treeGrid && treeGrid->getHeader() && treeGrid->getRootNode());
    TPLXTreeHeader *header = treeGrid->getHeader();
    PLX_ASSERT(column >= 0 && column < header->countCells());
    TPLXTreeCellType *type = header->getHeaderCell(column)->GetDataType();
    PLX_ASSERT(type && type->canSort());
    PreviousOrder = header->getSortOrder(column);
    FPreviousSortColumn = header->getSortColumn();
    FPreviousSortColumnOrder = header->getSortOrder();
}

void TPLXSortOperation::putVisibleFlagsBack()
{
    TPLXGanttTable *table = TreeGrid->getRootNode()->table();
    for (int i = 0; table && i < std::min<int>(table->countRows(), FVisibleFlags.size()); ++i)
        table->getRow(i)->setVisible(FVisibleFlags[i]);
}

void TPLXSortOperation::restoreUnsortedOrder()
{
    TPLXTreeNode *root = TreeGrid->getRootNode();
    TPLXGanttTable *table = root->table();
    // The gantt rows follow the tree: each keeps the tree row it belongs to now.
    QList<TPLXTreeRow *> before;
    root->collectChildren(before);
    QHash<TPLXTreeRow *, TPLXGanttRow *> ganttRowOf;
    for (TPLXTreeRow *row : std::as_const(before)) {
        if (TPLXGanttRow *ganttRow = row->getRow())
            ganttRowOf.insert(row, ganttRow);
    }
    root->restoreOrder();
    if (!table)
        return;
    QList<TPLXTreeRow *> after;
    root->collectChildren(after);
    QList<TPLXGanttRow *> order;
    for (TPLXTreeRow *row : std::as_const(after)) {
        if (TPLXGanttRow *ganttRow = ganttRowOf.value(row))
            order.append(ganttRow);
    }
    for (TPLXGanttRow *ganttRow : table->rows()) {
        if (!order.contains(ganttRow))
            order.append(ganttRow);
    }
    table->applyOrder(order);
}

bool TPLXSortOperation::perform()
{
    TPLXTreeNode *root = TreeGrid->getRootNode();
    TPLXTreeHeader *header = TreeGrid->getHeader();
    TPLXGanttTable *table = root->table();
    FPreviousNodes.clear();
    root->flatten(FPreviousNodes);
    FPreviousRows = table ? table->getOrder() : QList<TPLXGanttRow *>();
    FVisibleFlags.clear();
    for (TPLXGanttRow *row : std::as_const(FPreviousRows))
        FVisibleFlags.append(row->visibleFlag());
    if (header->getSortColumn() < 0 && Order != sortNone) {
        root->saveOrder();
        if (table)
            table->saveOrder();
    }
    header->setSortOrder(Column, Order);
    const bool redo = FPerformed;
    if (!redo) {
        root->sort(Column, Order);
        if (Order == sortNone)
            restoreUnsortedOrder();
        FResultNodes.clear();
        root->flatten(FResultNodes);
        FResultRows = table ? table->getOrder() : QList<TPLXGanttRow *>();
        FPerformed = true;
    } else {
        // A redo gives the order the first perform gave: edits since then may have dropped the saved unsorted order.
        int position = 0;
        if (FResultNodes.size() == FPreviousNodes.size())
            root->applyOrder(FResultNodes, position);
        if (table && FResultRows.size() == table->countRows())
            table->applyOrder(FResultRows);
    }
    putVisibleFlagsBack();
    TreeGrid->updateNodes();
    // As the first sort does, on the rows' new indexes: summaries span rows by index.
    if (redo && table) {
        table->updateCriticalPath();
        table->UpdateSummaryBars();
    }
    return true;
}

bool TPLXSortOperation::undo()
{
    TPLXTreeNode *root = TreeGrid->getRootNode();
    TPLXTreeHeader *header = TreeGrid->getHeader();
    TPLXGanttTable *table = root->table();
    int position = 0;
    root->applyOrder(FPreviousNodes, position);
    if (table && FPreviousRows.size() == table->countRows())
        table->applyOrder(FPreviousRows);
    if (FPreviousSortColumn >= 0)
        header->setSortOrder(FPreviousSortColumn, FPreviousSortColumnOrder);
    else
        header->setSortOrder(Column, sortNone);
    putVisibleFlagsBack();
    TreeGrid->updateNodes();
    return true;
}
