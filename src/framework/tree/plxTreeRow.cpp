#include "plxTreeRow.h"

#include "plxEntityFactory.h"
#include "plxGanttTable.h"
#include "plxMedia.h"
#include "plxPlatform.h"
#include "plxTreeCell.h"
#include "plxTreeGrid.h"
#include "plxTreeNode.h"
#include "plxTreeSettings.h"
#include "plxVisualContext.h"

#include <algorithm>

namespace {

const TPLXKindRegistration<TPLXTreeRowPersistence> treeRowKind("Tree Row");

TPLXTreeHeader *headerOf(TPLXGanttObject *entity)
{
    TPLXDocumentSetup *doc = PLXDocumentOf(entity);
    TPLXTreeGrid *grid = doc ? doc->GetTree() : nullptr;
    return grid ? grid->getHeader() : nullptr;
}

} // namespace

TPLXDocumentSetup *PLXDocumentOf(TPLXGanttObject *entity)
{
    TPLXGanttObject *top = entity;
    while (top && top->getParent())
        top = top->getParent();
    return dynamic_cast<TPLXDocumentSetup *>(top);
}

// ------------------------------------------------------------ TPLXTreeRow

TPLXTreeRow::TPLXTreeRow()
    : FOwnDrawer(std::make_unique<TPLXTreeRowDrawer>(this))
{
    FDrawer = FOwnDrawer.get();
    adoptPersistence(std::make_unique<TPLXTreeRowPersistence>());
}

TPLXTreeRow::TPLXTreeRow(TPLXTreeHeader *header, TPLXTreeRowSettings *rowSettings, TPLXGanttObject *parent)
    : TPLXTreeRow()
{
    setParent(parent);
    auto settings = std::make_unique<TPLXTreeRowSettings>();
    if (rowSettings) {
        settings->Assign(*rowSettings);
        settings->setColor(rowSettings->getColor());
        settings->setGroupColor(rowSettings->getGroupColor());
    }
    settings->setParent(this);
    Fsettings = settings.release();
    // Until the next renumbering.
    FIndex = 5;
    fillCells(header);
}

int TPLXTreeRow::fillCells(TPLXTreeHeader *header)
{
    const int first = cellsCount();
    const int columns = header ? header->countCells() : 0;
    for (int i = first; i < columns; ++i) {
        TPLXTreeHeaderCell *column = header->getHeaderCell(i);
        TPLXTreeCellType *type = column->GetDataType();
        if (type) {
            FCells.append(type->CreateTreeCell(Fsettings, column->getSettings(), this));
        } else {
            // A column without a type still needs its cell, or later columns would shift.
            auto cell = std::make_unique<TPLXTreeCell>(Fsettings, column->getSettings(), nullptr, this);
            FCells.append(cell.release());
        }
    }
    return std::max(columns - first, 0);
}

TPLXTreeRow::~TPLXTreeRow() = default;

void TPLXTreeRow::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory)
{
    Q_UNUSED(name);
    const QString section = getUID();
    media.setStrProperty(section, QStringLiteral("typeID"), QStringLiteral("Tree Row"));
    factory.saveObjectListOf(section, QStringLiteral("cells"), media, FCells);
    TPLXPersistence::saveChild(section, QStringLiteral("settings"), Fsettings, media, factory);
}

TPLXTreeCell *TPLXTreeRow::getCell(int i) const
{
    return i >= 0 && i < FCells.size() ? FCells[i] : nullptr;
}

int TPLXTreeRow::getCellIndex(const TPLXTreeCell *cell) const
{
    return static_cast<int>(FCells.indexOf(cell));
}

bool TPLXTreeRow::insertCell(int i, TPLXTreeCell *cell)
{
    if (!cell || i < 0 || i > FCells.size())
        return false;
    FCells.insert(i, cell);
    if (!cell->getParent())
        cell->setParent(this);
    return true;
}

bool TPLXTreeRow::deleteCell(int i)
{
    if (i < 0 || i >= FCells.size())
        return false;
    FCells.removeAt(i);
    return true;
}

int TPLXTreeRow::moveCell(int from, int to)
{
    const int n = cellsCount();
    PLX_ASSERT(from >= -1 && from <= n && to >= -1 && to <= n);
    if (from == -1)
        from = n - 1;
    if (from < 0 || from >= n)
        return -1;
    // The target is the cell at `to` before anything moves.
    TPLXTreeCell *before = to >= 0 && to < n ? FCells[to] : nullptr;
    TPLXTreeCell *cell = FCells.takeAt(from);
    const int at = before == cell ? from : before ? static_cast<int>(FCells.indexOf(before)) : cellsCount();
    FCells.insert(at, cell);
    return at;
}

int TPLXTreeRow::cellStart(int column)
{
    PLX_ASSERT(getParent() != nullptr);
    TPLXDocumentSetup *doc = PLXDocumentOf(this);
    if (!doc)
        return 0;
    qint64 x = 0;
    for (int c = 0; c < std::min(column, cellsCount()); ++c)
        x += doc->getTreeCellWidth(c);
    return PLXSaturatePixel(x);
}

TPLXTreeNode *TPLXTreeRow::getNode() const
{
    return dynamic_cast<TPLXTreeNode *>(getParent());
}

TPLXGanttRow *TPLXTreeRow::getRow()
{
    TPLXDocumentSetup *doc = PLXDocumentOf(this);
    return getRowIn(doc ? doc->GetTable() : nullptr);
}

TPLXGanttRow *TPLXTreeRow::getRowIn(TPLXGanttTable *table) const
{
    if (!table || FIndex < 0 || FIndex >= table->countRows())
        return nullptr;
    return table->getRow(FIndex);
}

TPLXTreeRow *TPLXTreeRow::getParentRow()
{
    TPLXTreeNode *node = getNode();
    TPLXTreeNode *parent = node ? node->parentNode() : nullptr;
    return parent ? parent->row() : nullptr;
}

void TPLXTreeRow::setSettings(TPLXTreeRowSettings *settings)
{
    Fsettings = settings;
    if (settings && !settings->getParent())
        settings->setParent(this);
}

void TPLXTreeRow::select(bool flag)
{
    FSelected = flag;
    if (TPLXGanttRow *row = getRow())
        row->setSelected(flag);
}

void TPLXTreeRow::focus(bool flag)
{
    TPLXTreeNode *node = getNode();
    const int rows = node ? node->treeRoot()->getLastIndex() + 1 : 0;
    if (rows <= FIndex)
        return;
    if (flag)
        select(false);
    if (TPLXGanttRow *row = getRow())
        row->setFocused(flag);
    FFocused = flag;
}

bool TPLXTreeRow::lessThan(TPLXTreeRow *other, int column)
{
    TPLXTreeCell *mine = getCell(column);
    TPLXTreeCell *theirs = other ? other->getCell(column) : nullptr;
    return mine && theirs && mine->lessThan(theirs);
}

void TPLXTreeRow::setFitHeight()
{
    TPLXGanttRow *row = getRow();
    PLX_ASSERT(row != nullptr);
    PLX_ASSERT(cellsCount() > 0);
    TPLXTreeHeader *header = headerOf(this);
    int height = FCells[0]->fitHeight();
    for (int i = 1; i < cellsCount(); ++i) {
        TPLXTreeHeaderCell *column = header ? header->getHeaderCell(i) : nullptr;
        if (column && column->isVisible())
            height = std::max(height, FCells[i]->fitHeight());
    }
    row->setHeight(height);
}

// ------------------------------------------------------------ drawer

TPLXTreeRowDrawer::TPLXTreeRowDrawer(TPLXTreeRow *row)
    : TPLXDrawer(row)
{
}

void TPLXTreeRowDrawer::Draw(TPLXVisualContext &vc)
{
    auto *row = static_cast<TPLXTreeRow *>(target);
    TPLXDocumentSetup *doc = PLXDocumentOf(row);
    TPLXGanttTable *table = doc ? doc->GetTable() : nullptr;
    if (!table)
        return;
    TPLXTreeHeader *header = headerOf(row);
    const int top = table->getVisibleRowStartY(row->getOrder());
    const int height = table->getVisibleRowHeight(row->getOrder());
    const int left = doc->getDocStartX() + doc->getVerticalResizePaneSize() + doc->getTreeStartX();
    int x = left;
    // The first column's text starts right of the row's tree lines and expander.
    int indent = std::max(0, row->getNestingOffset() + TPLXNodeExpander::Size / 2 + 3 - (left + 2));
    const int visibleRight = vc.getVisibleArea().Right;
    for (int i = 0; i < row->cellsCount() && x < visibleRight; ++i) {
        TPLXTreeHeaderCell *column = header ? header->getHeaderCell(i) : nullptr;
        if (header && (!column || !column->isVisible()))
            continue;
        const int width = column ? column->getWidth() : doc->getTreeCellWidth(i);
        TPLXTreeCell *cell = row->getCell(i);
        if (auto *drawer = dynamic_cast<TPLXCellDrawer *>(cell->getDrawer(vtGanttGraph))) {
            if (auto *treeCellDrawer = dynamic_cast<TPLXTreeCellDrawer *>(drawer))
                treeCellDrawer->setTextIndent(indent);
            drawer->setLayout(TRect{x, top, x + width, top + height});
            drawer->Draw(vc);
        }
        indent = 0;
        // Neighbouring cells share their border pixel.
        x = PLXSaturatePixel(qint64(x) + width - 1);
    }
    FLastRect = TRect{left, top, std::max(left, x + 1), top + height};
}

TPLXGanttObject *TPLXTreeRowDrawer::locateObject(int x, int y)
{
    auto *row = static_cast<TPLXTreeRow *>(target);
    if (!FLastRect.contains(x, y))
        return nullptr;
    for (int i = 0; i < row->cellsCount(); ++i) {
        TPLXDrawer *drawer = row->getCell(i)->getDrawer(vtGanttGraph);
        if (TPLXGanttObject *hit = drawer ? drawer->locateObject(x, y) : nullptr)
            return hit;
    }
    return row;
}

// ------------------------------------------------------------ persistence

std::unique_ptr<TPLXGanttObject> TPLXTreeRowPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                TPLXEntityFactory &factory)
{
    auto row = std::make_unique<TPLXTreeRow>();
    for (TPLXTreeCell *cell :
         factory.loadObjectListAs<TPLXTreeCell>(name, QStringLiteral("cells"), media, row.get())) {
        if (!cell)
            continue;
        // A cell listed by two rows (a damaged file) stays with the first.
        if (cell->getParent() != row.get() || row->FCells.contains(cell)) {
            PLXLog(QStringLiteral("Tree row %1: its cell %2 belongs to another row").arg(name, cell->getUID()));
            continue;
        }
        row->FCells.append(cell);
    }
    row->Fsettings = loadChildAs<TPLXTreeRowSettings>(QStringLiteral("settings"), media, factory, row.get());
    return row;
}

// ------------------------------------------------------------ cell operations

TPLXCellOperation::TPLXCellOperation(TPLXTreeRow *row, int index, TPLXTreeCell *cell)
    : Row(row)
    , Index(index)
    , Cell(cell)
{
}

bool TPLXCellOperation::AddCell()
{
    return Row && Row->insertCell(Index, Cell);
}

bool TPLXCellOperation::DeleteCell()
{
    return Row && Row->deleteCell(Index);
}

TPLXMoveCellsOperation::TPLXMoveCellsOperation(TPLXTreeNode *rootNode, int cellIndex, int newIndex)
    : RootNode(rootNode)
    , CellIndex(cellIndex)
    , NewIndex(newIndex)
{
}

bool TPLXMoveCellsOperation::perform()
{
    if (!RootNode)
        return false;
    QList<TPLXTreeRow *> rows;
    RootNode->collectChildren(rows);
    FMoved.clear();
    for (TPLXTreeRow *row : std::as_const(rows)) {
        const int from = CellIndex == -1 ? row->cellsCount() - 1 : CellIndex;
        const int to = row->moveCell(CellIndex, NewIndex);
        if (to >= 0)
            FMoved.append({row, from, to});
    }
    return true;
}

bool TPLXMoveCellsOperation::undo()
{
    for (qsizetype i = FMoved.size() - 1; i >= 0; --i) {
        const Moved &m = FMoved[i];
        TPLXTreeCell *cell = m.row->getCell(m.to);
        if (!cell || !m.row->deleteCell(m.to) || !m.row->insertCell(m.from, cell))
            return false;
    }
    FMoved.clear();
    return true;
}
