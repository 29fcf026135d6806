#include "plxTreeGrid.h"
#include "plxColors.h"
#include "plxEntityFactory.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxMedia.h"
#include "plxPlatform.h"
#include "plxRessourceStrings.h"
#include "plxTreeCell.h"
#include "plxTreeNode.h"
#include "plxTreeRow.h"
#include "plxVisualContext.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

const TPLXKindRegistration<TPLXTreeGridPersistence> gridKind("Tree Grid");
const TPLXKindRegistration<TPLXTreeHeaderPersistence> headerKind("Tree Header");
const TPLXKindRegistration<TPLXTreeHeaderCellPersistence> headerCellKind("Tree Header Cell");
const TPLXKindRegistration<TPLXTreeRowsResizePanePersistence> paneKind("Vertical resize pane");

// Cell texts read the selection colours of the grid they are drawn in.
const bool gridColorsInstalled = [] {
    TPLXTreeTextSettings::setGridColorsReader([](TPLXTreeGrid *grid) {
        TPLXTreeHighlightColors colors;
        if (grid) {
            colors.focusedRowColor = grid->getFocusedRowColor();
            colors.focusedRowFontColor = grid->getFocusedRowFontColor();
            colors.selectedRowColor = grid->getSelectedRowColor();
            colors.selectedRowFontColor = grid->getSelectedRowFontColor();
        }
        return colors;
    });
    return true;
}();

// Smallest row height and column width a drag may leave.
constexpr int kMinimumExtent = 6;
// Width of the pane while it is folded, and the margins a drag keeps.
constexpr int kFoldedWidth = 20;
constexpr int kPaneMargin = 10;

// The first row not scrolled out of the table's top (0 when an application
// made a scrolled-out row visible again): rows before it take no room.
int firstShownRow(TPLXGanttTable &table)
{
    const int scrolled = table.getScrolledLines();
    return scrolled > 0 && scrolled < table.countRows() && table.visibleHeightBefore(scrolled) == 0 ? scrolled : 0;
}

TPLXDocumentSetup *documentAbove(TPLXGanttObject *object)
{
    while (object && object->getParent())
        object = object->getParent();
    return dynamic_cast<TPLXDocumentSetup *>(object);
}

TPLXSortOrder toSortOrder(int value)
{
    return value >= sortNone && value <= sortDescending ? static_cast<TPLXSortOrder>(value) : sortNone;
}

template<typename T>
T *adopt(std::unique_ptr<T> child, TPLXGanttObject *parent)
{
    child->setParent(parent);
    return child.release();
}

// Every tree row in pre-order.
QList<TPLXTreeRow *> allRows(TPLXTreeNode *root)
{
    QList<TPLXTreeRow *> rows;
    if (root)
        root->collectChildren(rows);
    rows.removeAll(nullptr);
    return rows;
}

void unfocusAllCells(TPLXTreeNode *root)
{
    for (TPLXTreeRow *row : allRows(root)) {
        for (int c = 0; c < row->cellsCount(); ++c) {
            if (TPLXTreeCell *cell = row->getCell(c))
                cell->FocusCell(false);
        }
    }
}

} // namespace

// ================================================================== halos

TPLXHeaderHalo::TPLXHeaderHalo(TPLXTreeHeader *header, const TRect &rect, int column)
    : FHeader(header)
    , FRect(rect)
    , FColumn(column)
{
}

void TPLXHeaderHalo::place(const TRect &rect, int column)
{
    FRect = rect;
    FColumn = column;
}

std::unique_ptr<TPLXOperation> TPLXHeaderHalo::handleClick(int, int, int)
{
    // The halo knows its column, so the click sorts exactly that column. The
    // header records the sort itself; the controller gets nothing to record.
    FHeader->clickColumn(FColumn);
    return nullptr;
}

std::unique_ptr<TPLXOperation> TPLXHeaderHalo::handleMove(int, int, int, int x, int y)
{
    TPLXTreeGrid *grid = FHeader->grid();
    if (!grid || !grid->getRootNode())
        return nullptr;
    if (TPLXHeaderHalo *target = FHeader->locateClicker(x, y))
        return target->column() == FColumn ? nullptr : grid->moveColumn(FColumn, target->column());
    // Dropped right of the last column, inside the header band: the column goes to the end.
    if (FHeader->clickersCount() > 0) {
        const TRect last = FHeader->getClicker(FHeader->clickersCount() - 1)->rect();
        if (x >= last.Right && y >= last.Top && y < last.Bottom)
            return grid->moveColumn(FColumn, -1);
    }
    return nullptr;
}

TRect TPLXHeaderHalo::nextOutline(const TRect &outline, int dx, int)
{
    return {outline.Left + dx, outline.Top, outline.Right + dx, outline.Bottom};
}

TPLXTreeHeaderCellResizer::TPLXTreeHeaderCellResizer(TPLXTreeHeaderCell *cell)
    : FCell(cell)
{
}

std::unique_ptr<TPLXOperation> TPLXTreeHeaderCellResizer::handleMove(int dx, int, int, int, int)
{
    if (!FCell)
        return nullptr;
    const int width = FCell->getWidth() + dx;
    if (width < kMinimumExtent)
        return nullptr;
    TPLXDocumentSetup *doc = documentAbove(FCell);
    return std::make_unique<TPLXTreeCellResizeOperation>(doc ? doc->getDataSource() : nullptr, FCell, width);
}

TRect TPLXTreeHeaderCellResizer::nextOutline(const TRect &outline, int dx, int)
{
    return {outline.Left + dx, outline.Top, outline.Right + dx, outline.Bottom};
}

TPLXRowSelector::TPLXRowSelector(TPLXTreeRowsResizePane *pane, const TRect &rect, int row)
    : FPane(pane)
    , FRect(rect)
    , FRow(row)
{
}

void TPLXRowSelector::place(const TRect &rect, int row)
{
    FRect = rect;
    FRow = row;
}

std::unique_ptr<TPLXOperation> TPLXRowSelector::handleClick(int, int y, int keyState)
{
    if (TPLXTreeGrid *grid = FPane->grid())
        grid->handleRowSelect(y, keyState);
    return nullptr;
}

std::unique_ptr<TPLXOperation> TPLXRowSelector::handleMove(int, int, int, int x, int y)
{
    TPLXTreeGrid *grid = FPane->grid();
    if (!grid)
        return nullptr;
    TPLXRowSelector *target = FPane->locateSelector(x, y);
    if (!target)
        return grid->repositionRow(FRow, -1);
    if (target->row() == FRow)
        return nullptr;
    return grid->repositionRow(FRow, target->row());
}

TRect TPLXRowSelector::nextOutline(const TRect &outline, int, int dy)
{
    return {outline.Left, outline.Top + dy, outline.Right, outline.Bottom + dy};
}

TPLXRowResizer::TPLXRowResizer(TPLXTreeRowsResizePane *pane, TPLXGanttRow *row, int x, int y, int width)
    : FPane(pane)
    , FRow(row)
    , FX(x)
    , FY(y)
    , FWidth(width)
{
}

void TPLXRowResizer::place(TPLXGanttRow *row, int x, int y, int width)
{
    FRow = row;
    FX = x;
    FY = y;
    FWidth = width;
}

std::unique_ptr<TPLXOperation> TPLXRowResizer::handleMove(int, int dy, int, int, int)
{
    const int height = FRow->getHeight() + dy;
    if (height < kMinimumExtent)
        return nullptr;
    TPLXDocumentSetup *doc = documentAbove(FPane);
    return std::make_unique<TPLXRowResizeOperation>(doc ? doc->getDataSource() : nullptr, height, FRow);
}

TRect TPLXRowResizer::rect() const
{
    return {FX, FY - 2, FX + FWidth, FY + 3};
}

TRect TPLXRowResizer::getOutline()
{
    return {FX, FY - 1, FX + FWidth, FY + 1};
}

TRect TPLXRowResizer::nextOutline(const TRect &outline, int, int dy)
{
    // The outline stops where the row would become too low.
    const int top = FY - FRow->getHeight() + kMinimumExtent;
    const int y = std::max(outline.Top + dy, top - 1);
    return {outline.Left, y, outline.Right, y + outline.height()};
}

TPLXTreeGridResizer::TPLXTreeGridResizer(TPLXTreeGrid *grid)
    : targetTreeGrid(grid)
{
}

std::unique_ptr<TPLXOperation> TPLXTreeGridResizer::handleClick(int, int, int)
{
    if (!targetTreeGrid)
        return nullptr;
    if (!LeftAligned) {
        LeftAligned = true;
        StoredPosition = targetTreeGrid->getWidth();
        targetTreeGrid->setWidth(kFoldedWidth);
    } else {
        targetTreeGrid->setWidth(StoredPosition);
        LeftAligned = false;
    }
    return nullptr;
}

int TPLXTreeGridResizer::clampedChange(int dx) const
{
    if (!targetTreeGrid)
        return 0;
    const int width = targetTreeGrid->getWidth();
    int wanted = width + dx;
    // Before a view told the available width there is no upper bound.
    if (FVisibleAreaWidth > 0)
        wanted = std::min(wanted, FVisibleAreaWidth - kPaneMargin);
    wanted = std::max(wanted, kPaneMargin);
    return wanted - width;
}

std::unique_ptr<TPLXOperation> TPLXTreeGridResizer::handleMove(int dx, int, int, int, int)
{
    if (targetTreeGrid)
        targetTreeGrid->setWidth(targetTreeGrid->getWidth() + clampedChange(dx));
    return nullptr;
}

TRect TPLXTreeGridResizer::getOutline()
{
    TPLXDocumentSetup *doc = targetTreeGrid ? targetTreeGrid->document() : nullptr;
    if (!doc)
        return {};
    const int x = doc->getDocStartX() + targetTreeGrid->getWidth();
    TPLXGanttTable *table = doc->GetTable();
    const int bottom = table ? table->getTableHeight() : doc->GetTableStartY();
    return {x - 2, 0, x + 3, std::max(bottom, 1)};
}

TRect TPLXTreeGridResizer::nextOutline(const TRect &outline, int dx, int)
{
    const int change = clampedChange(dx);
    return {outline.Left + change, outline.Top, outline.Right + change, outline.Bottom};
}

// ============================================================ header cell

TPLXTreeHeaderCell::TPLXTreeHeaderCell()
{
    resizer = adopt(std::make_unique<TPLXTreeHeaderCellResizer>(this), this);
}

TPLXTreeHeaderCell::~TPLXTreeHeaderCell() = default;

int TPLXTreeHeaderCell::getWidth() const
{
    return FSettings ? FSettings->getWidth() : 0;
}

void TPLXTreeHeaderCell::setWidth(int w)
{
    if (w <= 0)
        return;
    if (!FSettings)
        FSettings = adopt(std::make_unique<TPLXTreeColSettings>(), this);
    FSettings->setWidth(w);
}

TPLXSortOrder TPLXTreeHeaderCell::getSortOrder() const
{
    return toSortOrder(FSortOrder);
}

void TPLXTreeHeaderCell::setSortOrder(TPLXSortOrder order)
{
    FSortOrder = toSortOrder(order);
}

void TPLXTreeHeaderCell::setSettings(TPLXTreeColSettings *settings)
{
    FSettings = settings;
    if (settings && !settings->getParent())
        settings->setParent(this);
}

void TPLXTreeHeaderCell::SetDataType(TPLXTreeCellType *type)
{
    if (type == FDataType)
        return;
    const bool hadType = FDataType != nullptr;
    // The old type stays this cell's child: other columns loaded from the
    // same section may still name it.
    FDataType = type;
    if (type && !type->getParent())
        type->setParent(this);
    if (!hadType || !type)
        return;
    auto *header = dynamic_cast<TPLXTreeHeader *>(getParent());
    TPLXTreeGrid *grid = header ? header->grid() : nullptr;
    if (!grid || !FSettings)
        return;
    const int column = header->getHeaderCellIndex(this);
    if (column < 0)
        return;
    for (TPLXTreeRow *row : allRows(grid->getRootNode())) {
        if (!row->getSettings())
            continue;
        if (TPLXTreeCell *old = row->getCell(column)) {
            row->deleteCell(column);
            std::unique_ptr<TPLXTreeCell> discarded(old);
        }
        row->insertCell(std::min(column, row->cellsCount()), type->CreateTreeCell(row->getSettings(), FSettings, row));
    }
}

int TPLXTreeHeaderCell::getMaxWidth() const
{
    if (FFontName.isEmpty())
        return 0;
    QFont font(FFontName);
    font.setPointSize(FFontSize > 0 ? FFontSize : 10);
    return QFontMetrics(font).horizontalAdvance(QLatin1Char('W') + FTitle);
}

void TPLXTreeHeaderCell::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory)
{
    media.setStrProperty(name, QStringLiteral("typeID"), QStringLiteral("Tree Header Cell"));
    media.setStrProperty(name, QStringLiteral("title"), FTitle);
    TPLXPersistence::saveChild(name, QStringLiteral("settings"), FSettings, media, factory);
    media.setStrProperty(name, QStringLiteral("fontColor"), ColorToString(FColor));
    media.setStrProperty(name, QStringLiteral("fontName"), FFontName);
    media.setIntProperty(name, QStringLiteral("fontSize"), FFontSize);
    media.setBoolProperty(name, QStringLiteral("visible"), FVisible);
    // The sort order is left out: a reloaded document starts unsorted.
    TPLXPersistence::saveChild(name, QStringLiteral("dataType"), FDataType, media, factory);
}

std::unique_ptr<TPLXGanttObject> TPLXTreeHeaderCellPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                       TPLXEntityFactory &factory)
{
    auto cell = std::make_unique<TPLXTreeHeaderCell>();
    setID(name);
    cell->FTitle =
        media.strValue(name, QStringLiteral("title"), GetRessourceValue(QStringLiteral("autonumbercolumn")));
    cell->FSettings = loadChildAs<TPLXTreeColSettings>(QStringLiteral("settings"), media, factory, cell.get());
    cell->FColor = StringToColor(media.strValue(name, QStringLiteral("fontColor"), QStringLiteral("clBlack")));
    cell->FFontName = media.strValue(name, QStringLiteral("fontName"), QStringLiteral("Arial"));
    cell->FFontSize = media.intValueIn(name, QStringLiteral("fontSize"), 10, 1, PLXLimits::kMaxFontSize);
    cell->FVisible = media.boolValue(name, QStringLiteral("visible"), true);
    cell->FSortOrder = toSortOrder(media.intValue(name, QStringLiteral("sortOrder"), 0));
    cell->FDataType = loadChildAs<TPLXTreeCellType>(QStringLiteral("dataType"), media, factory, cell.get());
    if (!cell->FDataType) {
        // Cells made for a column without a type would be plain cells, which are
        // never written: the saved rows would name sections that do not exist.
        PLXLog(QStringLiteral("Column %1 has no cell type that loads; its cells hold plain text").arg(name));
        auto type = std::make_unique<TPLXTreeSimpleTextCellType>();
        type->setParent(cell.get());
        cell->FDataType = type.release();
    }
    return cell;
}

// ================================================================= header

TPLXTreeHeader::TPLXTreeHeader()
    : FOwnDrawer(std::make_unique<TPLXTreeHeaderDrawer>(this))
{
    FDrawer = FOwnDrawer.get();
}

TPLXTreeHeader::~TPLXTreeHeader() = default;

TPLXTreeGrid *TPLXTreeHeader::grid() const
{
    return dynamic_cast<TPLXTreeGrid *>(getParent());
}

TPLXTreeHeaderCell *TPLXTreeHeader::getHeaderCell(int i) const
{
    return i >= 0 && i < countCells() ? FCells[i] : nullptr;
}

int TPLXTreeHeader::getHeaderCellIndex(const TPLXTreeHeaderCell *cell) const
{
    return static_cast<int>(FCells.indexOf(cell));
}

int TPLXTreeHeader::getCellWidth(int i) const
{
    const TPLXTreeHeaderCell *cell = getHeaderCell(i);
    return cell ? cell->getWidth() : 0;
}

bool TPLXTreeHeader::insertHeaderCell(int i, TPLXTreeHeaderCell *cell)
{
    if (!cell || i < 0 || i > countCells())
        return false;
    FCells.insert(i, cell);
    cell->setParent(this);
    return true;
}

bool TPLXTreeHeader::deleteHeaderCell(int i)
{
    if (i < 0 || i >= countCells())
        return false;
    FCells.removeAt(i);
    return true;
}

void TPLXTreeHeader::setHeight(int h)
{
    if (h >= 1 && h <= 199)
        FHeight = h;
}

int TPLXTreeHeader::getActualWidth() const
{
    qint64 width = 0;
    for (const TPLXTreeHeaderCell *cell : FCells) {
        if (cell && cell->isVisible())
            width += cell->getWidth();
    }
    return PLXSaturatePixel(width);
}

int TPLXTreeHeader::getSortColumn() const
{
    for (int i = 0; i < countCells(); ++i) {
        if (FCells[i] && FCells[i]->getSortOrder() != sortNone)
            return i;
    }
    return -1;
}

TPLXSortOrder TPLXTreeHeader::getSortOrder() const
{
    const int column = getSortColumn();
    return column < 0 ? sortNone : FCells[column]->getSortOrder();
}

TPLXSortOrder TPLXTreeHeader::getSortOrder(int column) const
{
    PLX_ASSERT(column >= 0 && column < countCells());
    return FCells[column]->getSortOrder();
}

void TPLXTreeHeader::setSortOrder(int column, TPLXSortOrder order)
{
    for (int i = 0; i < countCells(); ++i) {
        if (FCells[i])
            FCells[i]->setSortOrder(i == column ? order : sortNone);
    }
}

int TPLXTreeHeader::visibleIndex(int i) const
{
    PLX_ASSERT(i >= 0 && i < countCells());
    if (!FCells[i]->isVisible())
        return -1;
    int visible = 0;
    for (int c = 0; c < i; ++c) {
        if (FCells[c]->isVisible())
            ++visible;
    }
    return visible;
}

void TPLXTreeHeader::handleClick(int x)
{
    PLX_ASSERT(getParent() != nullptr);
    TPLXTreeGrid *tree = grid();
    TPLXDocumentSetup *doc = tree ? tree->document() : nullptr;
    if (!doc)
        return;
    const int headerX = x - doc->getTreeStartX() - tree->getPaneWidth() + doc->getDocStartX();
    qint64 reach = 0;
    for (int column = 0; column < countCells(); ++column) {
        if (!FCells[column]->isVisible())
            continue;
        reach += FCells[column]->getWidth();
        if (reach >= headerX) {
            clickColumn(column);
            return;
        }
    }
}

void TPLXTreeHeader::clickColumn(int column)
{
    PLX_ASSERT(getParent() != nullptr);
    TPLXTreeGrid *tree = grid();
    if (!tree || column < 0 || column >= countCells())
        return;
    const auto order = static_cast<TPLXSortOrder>((getSortOrder(column) + 1) % 3);
    std::unique_ptr<TPLXOperation> sort = tree->sortRows(column, order);
    if (!sort)
        return;
    if (TPLXDataSourceIntf *ds = tree->dataSource())
        ds->getUndoRedoStack().doOperation(std::move(sort));
    else
        sort->perform();
}

std::unique_ptr<TPLXOperation> TPLXTreeHeader::moveCell(int from, int to)
{
    if (from < 0 || from >= countCells() || to >= countCells())
        return nullptr;
    return std::make_unique<TPLXMoveHeaderCellOperation>(this, to < 0 ? nullptr : FCells[to], FCells[from]);
}

void TPLXTreeHeader::updateClickers()
{
    clickers.clear();
    FActualWidth = getActualWidth();
    TPLXTreeGrid *tree = grid();
    TPLXDocumentSetup *doc = tree ? tree->document() : nullptr;
    if (!doc)
        return;
    TPLXGanttTable *table = doc->GetTable();
    const int firstRowY = table ? table->getRowStartY(0) : doc->GetTableStartY();
    const int top = firstRowY - FHeight + 1;
    int x = doc->getDocStartX() + tree->getPaneWidth() + doc->getTreeStartX();
    for (int column = 0; column < countCells(); ++column) {
        TPLXTreeHeaderCell *cell = FCells[column];
        if (!cell->isVisible()) {
            cell->getResizer()->setRect({});
            continue;
        }
        const int width = cell->getWidth();
        const TRect r{x, top, x + width, top + FHeight};
        clickers.add(this, r, column);
        // The resizer straddles the column's last pixel, which the next column shares.
        cell->getResizer()->setRect({r.Right - 3, r.Top, r.Right + 2, r.Bottom});
        x = PLXSaturatePixel(qint64(x) + width - 1);
    }
}

TPLXHeaderHalo *TPLXTreeHeader::getClicker(int i) const
{
    return i >= 0 && i < clickersCount() ? clickers[static_cast<size_t>(i)] : nullptr;
}

TPLXHeaderHalo *TPLXTreeHeader::locateClicker(int x, int y) const
{
    for (const auto &halo : clickers) {
        if (halo->rect().contains(x, y))
            return halo.get();
    }
    return nullptr;
}

TPLXTreeHeaderCellResizer *TPLXTreeHeader::locateResizer(int x, int y) const
{
    for (const TPLXTreeHeaderCell *cell : FCells) {
        if (cell->isVisible() && cell->getResizer()->rect().contains(x, y))
            return cell->getResizer();
    }
    return nullptr;
}

void TPLXTreeHeader::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory)
{
    const QString section = getUID();
    media.setStrProperty(name, QStringLiteral("header"), section);
    media.setStrProperty(section, QStringLiteral("typeID"), QStringLiteral("Tree Header"));
    media.setIntProperty(section, QStringLiteral("height"), FHeight);
    factory.saveObjectListOf(section, QStringLiteral("cells"), media, FCells);
    media.setStrProperty(section, QStringLiteral("background color"), ColorToString(FbkColor));
}

std::unique_ptr<TPLXGanttObject> TPLXTreeHeaderPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                   TPLXEntityFactory &factory)
{
    auto header = std::make_unique<TPLXTreeHeader>();
    setID(name);
    header->FHeight = media.sizeValue(name, QStringLiteral("height"), 16);
    for (TPLXTreeHeaderCell *cell :
         factory.loadObjectListAs<TPLXTreeHeaderCell>(name, QStringLiteral("cells"), media, header.get())) {
        // A cell listed twice or of another kind cannot make a column of its own.
        if (cell && cell->getParent() == header.get() && !header->FCells.contains(cell))
            header->FCells.append(cell);
    }
    header->FbkColor =
        StringToColor(media.strValue(name, QStringLiteral("background color"), QStringLiteral("$02C56A31")));
    return header;
}

TPLXMoveHeaderCellOperation::TPLXMoveHeaderCellOperation(TPLXTreeHeader *header, TPLXTreeHeaderCell *beforeCell,
                                                         TPLXTreeHeaderCell *cell)
    : FHeader(header)
    , FBeforeCell(beforeCell)
    , FCell(cell)
    , FFollower(header->getHeaderCell(header->getHeaderCellIndex(cell) + 1))
{
}

bool TPLXMoveHeaderCellOperation::moveBefore(TPLXTreeHeaderCell *before)
{
    const int from = FHeader->getHeaderCellIndex(FCell);
    if (from < 0)
        return false;
    if (before == FCell)
        return true;
    FHeader->deleteHeaderCell(from);
    const int to = before ? FHeader->getHeaderCellIndex(before) : FHeader->countCells();
    if (to < 0) {
        FHeader->insertHeaderCell(from, FCell);
        return false;
    }
    return FHeader->insertHeaderCell(to, FCell);
}

bool TPLXMoveHeaderCellOperation::perform()
{
    return moveBefore(FBeforeCell);
}

bool TPLXMoveHeaderCellOperation::undo()
{
    return moveBefore(FFollower);
}

TPLXHeaderOperation::TPLXHeaderOperation(TPLXTreeHeader *header, int index, TPLXTreeHeaderCell *cell)
    : header(header)
    , index(index)
    , cell(cell)
{
}

bool TPLXHeaderOperation::AddHeaderCell()
{
    return header->insertHeaderCell(index, cell);
}

bool TPLXHeaderOperation::DeleteHeaderCell()
{
    return header->deleteHeaderCell(index);
}

// ============================================================ resize pane

TPLXTreeRowsResizePane::TPLXTreeRowsResizePane()
    : FOwnDrawer(std::make_unique<TPLXTreeRowsResizePaneDrawer>(this))
{
    FDrawer = FOwnDrawer.get();
}

TPLXTreeRowsResizePane::~TPLXTreeRowsResizePane() = default;

TPLXTreeGrid *TPLXTreeRowsResizePane::grid() const
{
    return dynamic_cast<TPLXTreeGrid *>(getParent());
}

void TPLXTreeRowsResizePane::update(int bottom)
{
    resizingHalo.clear();
    rowSelectors.clear();
    TPLXDocumentSetup *doc = documentAbove(this);
    TPLXGanttTable *table = doc ? doc->GetTable() : nullptr;
    if (!table)
        return;
    const int x = doc->getDocStartX();
    const int first = firstShownRow(*table);
    int y = table->getRowStartY(first);
    for (int i = first; i < table->countRows() && y < bottom; ++i) {
        TPLXGanttRow *row = table->getRow(i);
        if (!row->IsVisible())
            continue;
        const int height = row->getHeight();
        rowSelectors.add(this, TRect{x, y, x + FWidth, y + height}, i);
        resizingHalo.add(this, row, x, y + height, FWidth);
        y += height;
    }
}

TPLXRowSelector *TPLXTreeRowsResizePane::getSelector(int i) const
{
    return i >= 0 && i < selectorsCount() ? rowSelectors[static_cast<size_t>(i)] : nullptr;
}

TPLXRowResizer *TPLXTreeRowsResizePane::getResizer(int i) const
{
    return i >= 0 && i < resizersCount() ? resizingHalo[static_cast<size_t>(i)] : nullptr;
}

TPLXRowSelector *TPLXTreeRowsResizePane::locateSelector(int x, int y) const
{
    for (const auto &selector : rowSelectors) {
        if (selector->rect().contains(x, y))
            return selector.get();
    }
    return nullptr;
}

TPLXRowResizer *TPLXTreeRowsResizePane::locateResizer(int x, int y) const
{
    for (const auto &resizer : resizingHalo) {
        if (resizer->rect().contains(x, y))
            return resizer.get();
    }
    return nullptr;
}

void TPLXTreeRowsResizePane::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &)
{
    const QString section = getUID();
    media.setStrProperty(name, QStringLiteral("vertical pane"), section);
    media.setStrProperty(section, QStringLiteral("typeID"), QStringLiteral("Vertical resize pane"));
    media.setIntProperty(section, QStringLiteral("width"), FWidth);
    media.setStrProperty(section, QStringLiteral("color"), ColorToString(FColor));
}

std::unique_ptr<TPLXGanttObject> TPLXTreeRowsResizePanePersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                           TPLXEntityFactory &)
{
    auto pane = std::make_unique<TPLXTreeRowsResizePane>();
    pane->setWidth(media.sizeValue(name, QStringLiteral("width"), 15));
    pane->setColor(StringToColor(media.strValue(name, QStringLiteral("color"), QStringLiteral("$C0C0C0"))));
    return pane;
}

// =================================================================== grid

TPLXTreeGrid::TPLXTreeGrid()
    : FOwnDrawer(std::make_unique<TPLXTreeGridDrawer>(this))
{
    FDrawer = FOwnDrawer.get();
    resizer = adopt(std::make_unique<TPLXTreeGridResizer>(this), this);
}

TPLXTreeGrid::~TPLXTreeGrid() = default;

void TPLXTreeGrid::setRootNode(TPLXTreeNode *node)
{
    FRootNode = node;
    if (node && !node->getParent())
        node->setParent(this);
}

void TPLXTreeGrid::setHeader(TPLXTreeHeader *header)
{
    FHeader = header;
    if (header && !header->getParent())
        header->setParent(this);
}

void TPLXTreeGrid::setRowsResizePane(TPLXTreeRowsResizePane *pane)
{
    FRowsResizePane = pane;
    if (pane && !pane->getParent())
        pane->setParent(this);
}

void TPLXTreeGrid::setDefaultRowSettings(TPLXTreeRowSettings *settings)
{
    FDefaultRowSettings = settings;
    if (settings && !settings->getParent())
        settings->setParent(this);
}

void TPLXTreeGrid::setDefaultColSettings(TPLXTreeColSettings *settings)
{
    FDefaultColSettings = settings;
    if (settings && !settings->getParent())
        settings->setParent(this);
}

TPLXDocumentSetup *TPLXTreeGrid::document()
{
    return documentAbove(this);
}

TPLXDataSourceIntf *TPLXTreeGrid::dataSource()
{
    TPLXDocumentSetup *doc = document();
    return doc ? doc->getDataSource() : nullptr;
}

void TPLXTreeGrid::setWidth(int w)
{
    if (w >= 0)
        FWidth = w;
}

int TPLXTreeGrid::getActualWidth() const
{
    return FHeader ? FHeader->getActualWidth() : 0;
}

int TPLXTreeGrid::getPaneWidth() const
{
    return FRowsResizePane ? FRowsResizePane->getWidth() : 0;
}

// ----------------------------------------------------------- rows and nodes

int TPLXTreeGrid::rowsCount()
{
    return FRootNode ? std::max(FRootNode->getLastIndex() + 1, 0) : 0;
}

TPLXTreeRow *TPLXTreeGrid::getRow(int i)
{
    return FRootNode && i >= 0 ? FRootNode->getRow(i) : nullptr;
}

TPLXTreeNode *TPLXTreeGrid::findNodeByIndex(int i)
{
    if (i == -1)
        return FRootNode;
    return FRootNode && i >= 0 ? FRootNode->findNodeByIndex(i) : nullptr;
}

int TPLXTreeGrid::getRowLevel(int i)
{
    return FRootNode ? FRootNode->getRowLevel(i) : -1;
}

int TPLXTreeGrid::childrenCount(int i)
{
    return DescendantsCount(i);
}

int TPLXTreeGrid::DescendantsCount(int i)
{
    TPLXTreeNode *node = i >= 0 ? findNodeByIndex(i) : nullptr;
    // The root answers from its row table: a node's own walk is as long as the branch is deep.
    return node ? FRootNode->branchEnd(node) - i : -1;
}

std::unique_ptr<QList<TPLXTreeRow *>> TPLXTreeGrid::childrenOf(int i)
{
    TPLXTreeNode *node = i >= 0 ? findNodeByIndex(i) : nullptr;
    if (!node)
        return nullptr;
    auto rows = std::make_unique<QList<TPLXTreeRow *>>();
    node->collectChildren(*rows);
    return rows;
}

TPLXTreeRow *TPLXTreeGrid::makeBlankRow()
{
    return std::make_unique<TPLXTreeRow>(FHeader, FDefaultRowSettings, nullptr).release();
}

int TPLXTreeGrid::colsCount()
{
    return FHeader ? FHeader->countCells() : 0;
}

int TPLXTreeGrid::getCellWidth(int column)
{
    return FHeader ? FHeader->getCellWidth(column) : 0;
}

int TPLXTreeGrid::cellStart(int column)
{
    PLX_ASSERT(FRootNode && FRootNode->hasChildren());
    TPLXTreeRow *first = FRootNode->GetChild(0)->row();
    PLX_ASSERT(first != nullptr);
    return first->cellStart(column);
}

TPLXTreeCell *TPLXTreeGrid::getCell(int row, int column)
{
    TPLXTreeRow *r = getRow(row);
    return r ? r->getCell(column) : nullptr;
}

QString TPLXTreeGrid::getCellStringValue(int row, int column)
{
    const TPLXTreeCell *cell = getCell(row, column);
    return cell ? cell->GetText() : QString();
}

void TPLXTreeGrid::collapse(int i)
{
    if (TPLXTreeNode *node = i >= 0 ? findNodeByIndex(i) : nullptr)
        node->setCollapsed(true);
}

void TPLXTreeGrid::expand(int i)
{
    if (TPLXTreeNode *node = i >= 0 ? findNodeByIndex(i) : nullptr)
        node->setCollapsed(false);
}

void TPLXTreeGrid::swapRows(int i, int j)
{
    TPLXTreeNode *a = i >= 0 ? findNodeByIndex(i) : nullptr;
    TPLXTreeNode *b = j >= 0 ? findNodeByIndex(j) : nullptr;
    if (!a || !b || a == b || a->parentNode() != b->parentNode() || !a->parentNode())
        return;
    a->parentNode()->swapChildren(a, b);
}

void TPLXTreeGrid::updateNodes()
{
    if (!FRootNode)
        return;
    FRootNode->setIndexes(0);
    for (TPLXTreeRow *row : allRows(FRootNode)) {
        if (row->getSettings() && row->getSettings()->getAutoHeight() && row->cellsCount() > 0 && row->getRow())
            row->setFitHeight();
    }
}

std::unique_ptr<TPLXOperation> TPLXTreeGrid::updateRows()
{
    std::unique_ptr<TPLXOperation> sort = sortRows();
    if (sort && !sort->perform())
        sort.reset();
    updateNodes();
    return sort;
}

TPLXTreeCell *TPLXTreeGrid::findTextInColumn(const QString &text, int, int column)
{
    TPLXTreeRow *first = getRow(0);
    if (!first || column < 0 || column >= first->cellsCount())
        return nullptr;
    for (TPLXTreeRow *row : allRows(FRootNode)) {
        TPLXTreeCell *cell = row->getCell(column);
        if (cell && cell->GetText() == text)
            return cell;
    }
    return nullptr;
}

TPLXTreeCell *TPLXTreeGrid::findText(const QString &text, int options)
{
    TPLXTreeRow *first = getRow(0);
    const int columns = first ? first->cellsCount() : 0;
    for (int column = 0; column < columns; ++column) {
        if (TPLXTreeCell *cell = findTextInColumn(text, options, column))
            return cell;
    }
    return nullptr;
}

// -------------------------------------------------------- selection and focus

void TPLXTreeGrid::select(int i, bool flag)
{
    TPLXTreeRow *row = getRow(i);
    if (!row || row->isSelected() == flag)
        return;
    row->select(flag);
    if (flag)
        FSelectedRows.append(row);
    else
        FSelectedRows.removeAll(row);
    if (FCellFocusing)
        unfocusAllCells(FRootNode);
    if (FSelectedRowsChanged)
        FSelectedRowsChanged(FSelectedRows);
}

void TPLXTreeGrid::selectAll()
{
    const bool cellFocusing = FCellFocusing;
    FCellFocusing = false;
    const int count = rowsCount();
    for (int i = 0; i < count; ++i)
        select(i, true);
    FCellFocusing = cellFocusing;
}

void TPLXTreeGrid::deselectAll()
{
    for (TPLXTreeRow *row : FSelectedRows)
        row->select(false);
    FSelectedRows.clear();
}

TPLXTreeRow *TPLXTreeGrid::getSelectedRow(int k) const
{
    return k >= 0 && k < FSelectedRows.size() ? FSelectedRows[k] : nullptr;
}

bool TPLXTreeGrid::focus(int i)
{
    TPLXTreeRow *row = getRow(i);
    const bool changed = row != FFocusedRow;
    int focusedColumn = -1;
    if (FCellFocusing) {
        for (TPLXTreeRow *r : allRows(FRootNode)) {
            for (int c = 0; c < r->cellsCount(); ++c) {
                if (r->getCell(c) && r->getCell(c)->isFocused())
                    focusedColumn = std::max(focusedColumn, c);
            }
        }
    }
    unFocus();
    deselectAll();
    if (!row)
        return changed;
    row->focus(true);
    if (FCellFocusing && focusedColumn >= 0)
        FocusCell(i, focusedColumn);
    FFocusedRow = row;
    return changed;
}

void TPLXTreeGrid::unFocus()
{
    if (FFocusedRow)
        FFocusedRow->focus(false);
    FFocusedRow = nullptr;
}

void TPLXTreeGrid::focusAt(int x, int y)
{
    TPLXDocumentSetup *doc = document();
    if (!doc || !FRootNode || x < doc->getDocStartX() + getPaneWidth())
        return;
    if (TPLXTreeRow *row = FRootNode->findRow(y - doc->GetTableStartY()))
        focus(row->getIndex());
}

void TPLXTreeGrid::FocusCell(int row, int column)
{
    unfocusAllCells(FRootNode);
    TPLXTreeCell *cell = getCell(row, column);
    const TPLXTreeHeaderCell *headerCell = FHeader ? FHeader->getHeaderCell(column) : nullptr;
    const TPLXTreeCellType *type = headerCell ? headerCell->GetDataType() : nullptr;
    if (cell && type && !type->getReadOnly())
        cell->FocusCell(true);
}

void TPLXTreeGrid::handleRowSelect(int y, int flags)
{
    unFocus();
    TPLXDocumentSetup *doc = document();
    if (!FRootNode)
        return;
    TPLXTreeRow *row = FRootNode->findRow(y - (doc ? doc->GetTableStartY() : 0));
    if (!row)
        return;
    const int clicked = row->getIndex();
    const int last = FSelectedRows.isEmpty() ? -1 : FSelectedRows.last()->getIndex();
    if ((flags & (kPLXRowSelectKeep | kPLXRowSelectRange)) == 0)
        deselectAll();
    const auto toggle = [this](int i) {
        if (TPLXTreeRow *r = getRow(i))
            select(i, !r->isSelected());
    };
    if (flags & kPLXRowSelectRange) {
        const int step = clicked > last ? 1 : -1;
        for (int i = last; i != clicked;) {
            i += step;
            toggle(i);
        }
    } else {
        toggle(clicked);
    }
}

// -------------------------------------------------------------- operations

std::unique_ptr<TPLXOperation> TPLXTreeGrid::sortRows(int column, TPLXSortOrder order)
{
    const TPLXTreeHeaderCell *cell = FHeader && column >= 0 ? FHeader->getHeaderCell(column) : nullptr;
    if (!cell || !cell->GetDataType() || !cell->GetDataType()->canSort() || !FRootNode)
        return nullptr;
    return std::make_unique<TPLXSortOperation>(this, order, column);
}

std::unique_ptr<TPLXOperation> TPLXTreeGrid::sortRows()
{
    return FHeader ? sortRows(FHeader->getSortColumn(), FHeader->getSortOrder()) : nullptr;
}

std::unique_ptr<TPLXOperation> TPLXTreeGrid::moveColumn(int from, int to)
{
    PLX_ASSERT(FRootNode != nullptr);
    std::unique_ptr<TPLXOperation> headerMove = FHeader ? FHeader->moveCell(from, to) : nullptr;
    if (!headerMove)
        return nullptr;
    auto composite = std::make_unique<TPLXMultipleOperations>(dataSource());
    composite->addOperation(std::move(headerMove));
    composite->addOperation(std::make_unique<TPLXMoveCellsOperation>(FRootNode, from, to < 0 ? -1 : to));
    return composite;
}

std::unique_ptr<TPLXOperation> TPLXTreeGrid::repositionRow(int from, int to)
{
    if (to == from)
        return nullptr;
    TPLXTreeNode *node = from >= 0 ? findNodeByIndex(from) : nullptr;
    if (!node)
        return nullptr;
    TPLXTreeNode *parent = node->parentNode();
    if (to == -1) {
        // Only top-level rows have "the end" to go to.
        if (!parent || !parent->isTreeRoot())
            return nullptr;
        return parent->repositionChild(node, nullptr);
    }
    TPLXTreeNode *before = findNodeByIndex(to);
    PLX_ASSERT(to >= 0 && before != nullptr);
    if (!parent || before->parentNode() != parent)
        return nullptr;
    return parent->repositionChild(node, before);
}

void TPLXTreeGrid::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory)
{
    const QString section = getUID();
    media.setStrProperty(name, QStringLiteral("tree"), section);
    media.setStrProperty(section, QStringLiteral("TypeID"), QStringLiteral("Tree Grid"));
    media.setIntProperty(section, QStringLiteral("width"), FWidth);
    if (FHeader)
        FHeader->doSave(section, media, factory);
    TPLXPersistence::saveChild(section, QStringLiteral("root node"), FRootNode, media, factory);
    media.setStrProperty(section, QStringLiteral("background color"), ColorToString(FbkColor));
    media.setStrProperty(section, QStringLiteral("upper pane color"), ColorToString(FUpperPaneColor));
    media.setStrProperty(section, QStringLiteral("row selected color"), ColorToString(FSelectedRowColor));
    media.setStrProperty(section, QStringLiteral("row selected font color"), ColorToString(FSelectedRowFontColor));
    media.setStrProperty(section, QStringLiteral("row focused color"), ColorToString(FFocusedRowColor));
    media.setStrProperty(section, QStringLiteral("row focused font color"), ColorToString(FFocusedRowFontColor));
    if (FRowsResizePane)
        FRowsResizePane->doSave(section, media, factory);
    TPLXPersistence::saveChild(section, QStringLiteral("default row settings"), FDefaultRowSettings, media, factory);
    TPLXPersistence::saveChild(section, QStringLiteral("default col settings"), FDefaultColSettings, media, factory);
    media.setBoolProperty(section, QStringLiteral("continuous numbering"), FContinuousNumbering);
}

std::unique_ptr<TPLXGanttObject> TPLXTreeGridPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                 TPLXEntityFactory &factory)
{
    auto grid = std::make_unique<TPLXTreeGrid>();
    setID(name);
    const auto colorText = [&](const char *key, const char *def) {
        return StringToColor(media.strValue(name, QLatin1String(key), QLatin1String(def)));
    };
    grid->FWidth = media.sizeValue(name, QStringLiteral("width"), 300);
    grid->FHeader = loadChildAs<TPLXTreeHeader>(QStringLiteral("header"), media, factory, grid.get());
    grid->FRootNode = loadChildAs<TPLXTreeNode>(QStringLiteral("root node"), media, factory, grid.get());
    grid->FbkColor = colorText("background color", "$FFEAD5");
    grid->FUpperPaneColor = colorText("upper pane color", "$02C56A31");
    grid->FSelectedRowColor = colorText("row selected color", "$C56AC5");
    grid->FSelectedRowFontColor = colorText("row selected font color", "clWhite");
    grid->FFocusedRowColor = media.colorValue(name, QStringLiteral("row focused color"), 0x00808080);
    grid->FCellFocusing = false;
    grid->FFocusedRowFontColor = media.colorValue(name, QStringLiteral("row focused font color"), 0x00FFFFFF);
    grid->FGroupRowColor = media.colorValue(name, QStringLiteral("row group color"), 0x00808080);
    grid->FRowsResizePane =
        loadChildAs<TPLXTreeRowsResizePane>(QStringLiteral("vertical pane"), media, factory, grid.get());
    grid->FDefaultRowSettings =
        loadChildAs<TPLXTreeRowSettings>(QStringLiteral("default row settings"), media, factory, grid.get());
    grid->FDefaultColSettings =
        loadChildAs<TPLXTreeColSettings>(QStringLiteral("default col settings"), media, factory, grid.get());
    grid->FContinuousNumbering = media.boolValue(name, QStringLiteral("continuous numbering"), false);
    if (grid->FRootNode)
        grid->FRootNode->setIndexes(0);
    return grid;
}

TPLXRowResizeOperation::TPLXRowResizeOperation(TPLXDataSourceIntf *dataSource, int newHeight, TPLXGanttRow *ganttRow)
    : TPLXOperation(dataSource)
    , FNewHeight(newHeight)
    , FOldHeight(ganttRow->getHeight())
    , FRow(ganttRow)
{
}

TPLXTreeGrid *TPLXRowResizeOperation::tree() const
{
    TPLXDocumentSetup *doc = documentAbove(FRow);
    return doc ? doc->GetTree() : nullptr;
}

bool TPLXRowResizeOperation::perform()
{
    FOldHeight = FRow->getHeight();
    FRow->setHeight(FNewHeight);
    if (TPLXTreeGrid *grid = tree()) {
        if (!FPerformed) {
            FResort = grid->updateRows();
        } else {
            // A redo repeats the re-sort of the first perform rather than sorting again.
            if (FResort)
                FResort->perform();
            grid->updateNodes();
        }
    }
    FPerformed = true;
    return true;
}

bool TPLXRowResizeOperation::undo()
{
    // The rows go back to the order they had before the re-sort, not to a new sort.
    if (FResort && !FResort->undo())
        return false;
    FRow->setHeight(FOldHeight);
    if (TPLXTreeGrid *grid = tree())
        grid->updateNodes();
    return true;
}

// ================================================================ drawers

TPLXTreeGridDrawer::TPLXTreeGridDrawer(TPLXTreeGrid *grid)
    : TPLXDrawer(grid)
{
}

TPLXTreeGrid *TPLXTreeGridDrawer::grid() const
{
    return static_cast<TPLXTreeGrid *>(target);
}

void TPLXTreeGridDrawer::Draw(TPLXVisualContext &vc)
{
    TPLXTreeGrid *tree = grid();
    TPLXDocumentSetup *doc = tree->document();
    if (!doc)
        return;
    const TRect area = vc.getVisibleArea();
    const int left = doc->getDocStartX();
    const int right = left + tree->getWidth();
    FRect = {left, area.Top, right, area.Bottom};
    tree->getResizer()->setVisibleAreaWidth(area.Right - left);
    vc.FillArea(FRect, tree->getColor(), bsSolid);

    const int tableTop = doc->GetTableStartY();
    TPLXTreeHeader *header = tree->getHeader();
    const int headerTop = tableTop - (header ? header->getHeight() : 0);
    if (headerTop > area.Top)
        vc.FillArea({left, area.Top, right, headerTop}, tree->getUpperPaneColor(), bsSolid);
    if (header) {
        header->updateClickers();
        header->getDrawer(vtGanttGraph)->Draw(vc);
    }

    vc.SetClipRect({left, tableTop, right, area.Bottom});
    drawRows(vc, *tree, *doc, left, right);
    if (TPLXTreeRowsResizePane *pane = tree->getRowsResizePane()) {
        pane->update(area.Bottom);
        pane->getDrawer(vtGanttGraph)->Draw(vc);
    }
    if (TPLXTreeNode *root = tree->getRootNode()) {
        if (TPLXDrawer *drawer = root->getDrawer(vtGanttGraph))
            drawer->Draw(vc);
    }
    vc.ResetClipRect();
}

void TPLXTreeGridDrawer::drawRows(TPLXVisualContext &vc, TPLXTreeGrid &tree, TPLXDocumentSetup &doc, int left,
                                  int right)
{
    TPLXGanttTable *table = doc.GetTable();
    TPLXTreeHeader *header = tree.getHeader();
    if (!table)
        return;
    const int cellsLeft = left + tree.getPaneWidth() + doc.getTreeStartX();
    const int bottom = vc.getVisibleArea().Bottom;
    const int count = std::min(table->countRows(), tree.rowsCount());
    const int first = firstShownRow(*table);
    int y = table->getRowStartY(first);
    for (int i = first; i < count && y < bottom; ++i) {
        TPLXGanttRow *ganttRow = table->getRow(i);
        if (!ganttRow->IsVisible())
            continue;
        const int height = ganttRow->getHeight();
        TPLXTreeRow *row = tree.getRow(i);
        const TPLXTreeRowSettings *settings = row ? row->getSettings() : nullptr;
        TColor background = tree.getColor();
        if (row && row->isFocused())
            background = tree.getFocusedRowColor();
        else if (row && row->isSelected())
            background = tree.getSelectedRowColor();
        else if (settings)
            background = ganttRow->IsGroup() ? settings->getGroupColor() : settings->getColor();
        const TRect band{cellsLeft, y, right, y + height};
        vc.FillArea(band, background, bsSolid);
        vc.setDrawingColor(tree.getGridLineColor());
        vc.setPenStyle(psSolid);
        vc.setPenWidth(1);
        vc.drawLine(cellsLeft, y + height - 1, right, y + height - 1);
        if (header) {
            int x = cellsLeft;
            for (const TPLXTreeHeaderCell *cell : header->cells()) {
                if (!cell->isVisible())
                    continue;
                x = PLXSaturatePixel(qint64(x) + cell->getWidth() - 1);
                vc.drawLine(x, y, x, y + height);
            }
        }
        y += height;
    }
}

TPLXGanttObject *TPLXTreeGridDrawer::locateObject(int x, int y)
{
    TPLXTreeGrid *tree = grid();
    TPLXDocumentSetup *doc = tree->document();
    if (!doc)
        return nullptr;
    if (tree->getResizer()->getOutline().contains(x, y))
        return tree->getResizer();
    if (x < doc->getDocStartX() || x >= doc->getDocStartX() + tree->getWidth())
        return nullptr;
    if (TPLXTreeRowsResizePane *pane = tree->getRowsResizePane()) {
        if (TPLXRowResizer *r = pane->locateResizer(x, y))
            return r;
        if (TPLXRowSelector *s = pane->locateSelector(x, y))
            return s;
    }
    if (TPLXTreeHeader *header = tree->getHeader()) {
        if (TPLXTreeHeaderCellResizer *r = header->locateResizer(x, y))
            return r;
        if (TPLXHeaderHalo *h = header->locateClicker(x, y))
            return h;
    }
    TPLXTreeNode *root = tree->getRootNode();
    TPLXDrawer *drawer = root ? root->getDrawer(vtGanttGraph) : nullptr;
    return drawer ? drawer->locateObject(x, y) : nullptr;
}

TPLXTreeHeaderDrawer::TPLXTreeHeaderDrawer(TPLXTreeHeader *header)
    : TPLXDrawer(header)
{
}

TPLXTreeHeader *TPLXTreeHeaderDrawer::header() const
{
    return static_cast<TPLXTreeHeader *>(target);
}

void TPLXTreeHeaderDrawer::Draw(TPLXVisualContext &vc)
{
    TPLXTreeHeader *h = header();
    TPLXTreeGrid *tree = h->grid();
    const bool draw3D = tree && tree->getDraw3D();
    for (int i = 0; i < h->clickersCount(); ++i) {
        const TPLXHeaderHalo *halo = h->getClicker(i);
        const TPLXTreeHeaderCell *cell = h->getHeaderCell(halo->column());
        const TRect r = halo->rect();
        if (draw3D)
            vc.Draw3dFrame(r, h->FbkColor);
        else
            vc.FillArea(r, h->FbkColor, bsSolid);
        vc.drawRect(r, psSolid, h->FlineColor);
        vc.setFont(cell->getFontName(), cell->getFontSize(), cell->getColor(), false, false, false, 0);
        vc.centerText({r.Left + 2, r.Top + 1, r.Right - 2, r.Bottom - 1}, cell->getTitle());
        // A small triangle at the right end tells the sort direction.
        const TPLXSortOrder order = cell->getSortOrder();
        if (order != sortNone && r.width() > 16) {
            vc.setDrawingColor(cell->getColor());
            const int middle = (r.Top + r.Bottom) / 2;
            if (order == sortAscending)
                vc.drawTriangle(r.Right - 8, middle - 2, 3, tdUp);
            else
                vc.drawTriangle(r.Right - 8, middle + 2, 3, tdDown);
        }
    }
}

TPLXTreeRowsResizePaneDrawer::TPLXTreeRowsResizePaneDrawer(TPLXTreeRowsResizePane *pane)
    : TPLXDrawer(pane)
{
}

TPLXTreeRowsResizePane *TPLXTreeRowsResizePaneDrawer::pane() const
{
    return static_cast<TPLXTreeRowsResizePane *>(target);
}

void TPLXTreeRowsResizePaneDrawer::Draw(TPLXVisualContext &vc)
{
    TPLXTreeRowsResizePane *p = pane();
    TPLXTreeGrid *tree = p->grid();
    for (int i = 0; i < p->selectorsCount(); ++i) {
        const TPLXRowSelector *selector = p->getSelector(i);
        const TRect r = selector->rect();
        if (tree && tree->getDraw3D())
            vc.Draw3dFrame(r, p->getColor());
        else
            vc.FillArea(r, p->getColor(), bsSolid);
        vc.drawRect(r, psSolid, tree ? tree->getGridLineColor() : clBlack);
        const TPLXTreeRow *row = tree ? tree->getRow(selector->row()) : nullptr;
        if (tree && tree->getDrawIndicatorRow() && row && row->isFocused() && r.width() > 8) {
            vc.setDrawingColor(clBlack);
            vc.drawTriangle(r.Right - 4, (r.Top + r.Bottom) / 2, 4, tdRight);
        }
    }
}
