// The task tree shown left of the chart: the grid with its column header,
// header cells and the narrow pane of row selectors and row resizers, the
// small draggable handles on them, and the operations their gestures make.
#pragma once

#include "plxOperation.h"
#include "plxTextualHalo.h"
#include "plxTreeSettings.h"

#include <QList>

#include <functional>
#include <limits>
#include <memory>
#include <vector>

class TPLXDataSourceIntf;
class TPLXDocumentSetup;
class TPLXGanttRow;
class TPLXTreeCell;
class TPLXTreeCellType;
class TPLXTreeGrid;
class TPLXTreeHeader;
class TPLXTreeHeaderCell;
class TPLXTreeNode;
class TPLXTreeRow;
class TPLXTreeRowsResizePane;
enum TPLXSortOrder : int;

// Called with the selection list after the selection changed.
using TPLXSelectedRowsChangedEvent = std::function<void(const QList<TPLXTreeRow *> &SelectedRows)>;

// Modifier flags of handleRowSelect: keep the selection, or toggle a range.
inline constexpr int kPLXRowSelectKeep = 1;
inline constexpr int kPLXRowSelectRange = 2;

// ------------------------------------------------------------------ halos

// Halos laid out anew on every paint. A halo keeps its object from one layout to the next (it is
// only placed again), so the chart control may point at one across a paint; the ones a layout no
// longer needs wait for a later one.
template<typename Halo>
class TPLXHaloList
{
public:
    // Starts a new layout.
    void clear() { FCount = 0; }
    // The next halo of the layout: the one at this place before, placed again, else a new one of `owner`.
    template<typename Owner, typename... Args>
    void add(Owner *owner, const Args &...args)
    {
        if (FCount == FHalos.size())
            FHalos.push_back(std::make_unique<Halo>(owner, args...));
        else
            FHalos[FCount]->place(args...);
        ++FCount;
    }
    size_t size() const { return FCount; }
    Halo *operator[](size_t i) const { return FHalos[i].get(); }
    auto begin() const { return FHalos.begin(); }
    auto end() const { return FHalos.begin() + static_cast<std::ptrdiff_t>(FCount); }

private:
    std::vector<std::unique_ptr<Halo>> FHalos;
    size_t FCount = 0;
};

// A visible column's clickable header rectangle: a click sorts by the
// column, a drag moves the column in front of the one it is dropped on.
class ORVANTA_EXPORT TPLXHeaderHalo : public TPLXHaloEntity
{
    Q_GADGET
    PLX_ENTITY_META

public:
    TPLXHeaderHalo(TPLXTreeHeader *header, const TRect &rect, int column);
    void place(const TRect &rect, int column);

    bool processMouseClick() override { return true; }
    std::unique_ptr<TPLXOperation> handleClick(int x, int y, int keyState) override;
    bool processDragging() override { return true; }
    std::unique_ptr<TPLXOperation> handleMove(int dx, int dy, int keyState, int x, int y) override;
    TRect getOutline() override { return FRect; }
    TRect nextOutline(const TRect &outline, int dx, int dy) override;

    TPLXTreeHeader *header() const { return FHeader; }
    TRect rect() const { return FRect; }
    int column() const { return FColumn; }

private:
    TPLXTreeHeader *FHeader;
    TRect FRect;
    int FColumn;
};

// The right edge of a header cell: dragging it changes the column width.
class ORVANTA_EXPORT TPLXTreeHeaderCellResizer : public TPLXHaloEntity
{
    Q_GADGET
    PLX_ENTITY_META

public:
    explicit TPLXTreeHeaderCellResizer(TPLXTreeHeaderCell *cell = nullptr);

    bool processDragging() override { return true; }
    // Null when the new width would be below 6 pixels.
    std::unique_ptr<TPLXOperation> handleMove(int dx, int dy, int keyState, int x, int y) override;
    TRect getOutline() override { return FRect; }
    TRect nextOutline(const TRect &outline, int dx, int dy) override;
    bool changeCursorDragging() override { return true; }
    Qt::CursorShape cursorDragging() override { return Qt::SizeHorCursor; }
    Qt::CursorShape cursorOver() override { return Qt::SizeHorCursor; }

    TPLXTreeHeaderCell *cell() const { return FCell; }
    void setCell(TPLXTreeHeaderCell *cell) { FCell = cell; }
    // Placed by the header when it lays out its clickers; empty until then.
    TRect rect() const { return FRect; }
    void setRect(const TRect &r) { FRect = r; }

private:
    TPLXTreeHeaderCell *FCell;
    TRect FRect;
};

// The pane rectangle of one row: a click selects, a drag moves the row
// among its siblings.
class ORVANTA_EXPORT TPLXRowSelector : public TPLXHaloEntity
{
    Q_GADGET
    PLX_ENTITY_META

public:
    TPLXRowSelector(TPLXTreeRowsResizePane *pane, const TRect &rect, int row);
    void place(const TRect &rect, int row);

    bool processMouseClick() override { return true; }
    // Selects through the grid's handleRowSelect; never an operation.
    std::unique_ptr<TPLXOperation> handleClick(int x, int y, int keyState) override;
    bool processDragging() override { return true; }
    std::unique_ptr<TPLXOperation> handleMove(int dx, int dy, int keyState, int x, int y) override;
    TRect getOutline() override { return FRect; }
    TRect nextOutline(const TRect &outline, int dx, int dy) override;

    TRect rect() const { return FRect; }
    int row() const { return FRow; }

private:
    TPLXTreeRowsResizePane *FPane;
    TRect FRect;
    int FRow;
};

// The bottom edge of a row in the pane: dragging it changes the row height.
class ORVANTA_EXPORT TPLXRowResizer : public TPLXHaloEntity
{
    Q_GADGET
    PLX_ENTITY_META

public:
    // The resizer lies on the horizontal line (x, y) to (x + width, y).
    TPLXRowResizer(TPLXTreeRowsResizePane *pane, TPLXGanttRow *row, int x, int y, int width);
    void place(TPLXGanttRow *row, int x, int y, int width);

    bool processDragging() override { return true; }
    // Null when the new height would be below 6 pixels.
    std::unique_ptr<TPLXOperation> handleMove(int dx, int dy, int keyState, int x, int y) override;
    TRect getOutline() override;
    TRect nextOutline(const TRect &outline, int dx, int dy) override;
    bool changeCursorDragging() override { return true; }
    Qt::CursorShape cursorDragging() override { return Qt::SizeVerCursor; }
    Qt::CursorShape cursorOver() override { return Qt::SizeVerCursor; }

    TPLXGanttRow *ganttRow() const { return FRow; }
    // The hit area: two pixels either side of the line.
    TRect rect() const;

private:
    TPLXTreeRowsResizePane *FPane;
    TPLXGanttRow *FRow;
    int FX;
    int FY;
    int FWidth;
};

// The splitter on the tree pane's right edge: a drag resizes the tree pane,
// a click folds it to 20 pixels and the next click unfolds it again.
// Neither is undoable. A plain halo: the chart has no other horizontal resizer.
class ORVANTA_EXPORT TPLXTreeGridResizer : public TPLXHaloEntity
{
    Q_GADGET
    PLX_ENTITY_META

public:
    explicit TPLXTreeGridResizer(TPLXTreeGrid *grid = nullptr);

    bool processMouseClick() override { return true; }
    std::unique_ptr<TPLXOperation> handleClick(int x, int y, int keyState) override;
    bool processDragging() override { return true; }
    std::unique_ptr<TPLXOperation> handleMove(int dx, int dy, int keyState, int x, int y) override;
    TRect getOutline() override;
    TRect nextOutline(const TRect &outline, int dx, int dy) override;
    bool changeCursorDragging() override { return true; }
    Qt::CursorShape cursorDragging() override { return Qt::SplitHCursor; }
    Qt::CursorShape cursorOver() override { return Qt::SplitHCursor; }
    bool IsTreeGridResizer() override { return true; }

    // The change of a drag clamped so that the width stays within [10, FVisibleAreaWidth - 10].
    int clampedChange(int dx) const;

    int getVisibleAreaWidth() const { return FVisibleAreaWidth; }
    void setVisibleAreaWidth(int value) { FVisibleAreaWidth = value; }
    bool getLeftAligned() const { return LeftAligned; }
    void setLeftAligned(bool value) { LeftAligned = value; }

private:
    TPLXTreeGrid *targetTreeGrid;
    int FVisibleAreaWidth = 0;
    bool LeftAligned = false;
    int StoredPosition = 0;
};

// ------------------------------------------------------------ header cell

// One column of the tree: title, width (through its column settings), the
// cell type its cells have, font, sort order and visibility.
class ORVANTA_EXPORT TPLXTreeHeaderCell : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeHeaderCell)
    Q_PROPERTY(QString Title MEMBER FTitle)
    Q_PROPERTY(int Width READ getWidth WRITE setWidth)
    Q_PROPERTY(int Color READ getColor WRITE setColor)
    Q_PROPERTY(QString FontName READ getFontName WRITE setFontName)
    Q_PROPERTY(int FontSize READ getFontSize WRITE setFontSize)
    Q_PROPERTY(bool Visible MEMBER FVisible)

public:
    TPLXTreeHeaderCell();
    ~TPLXTreeHeaderCell() override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    // The column settings' width; 0 without settings.
    int getWidth() const;
    // Ignored unless positive; creates the column settings when there are none.
    void setWidth(int w);
    bool isVisible() const { return FVisible; }
    void setVisible(bool flag) { FVisible = flag; }
    TPLXSortOrder getSortOrder() const;
    void setSortOrder(TPLXSortOrder order);
    TPLXTreeCellType *GetDataType() const { return FDataType; }
    // Takes `type` as a child. Replacing an existing type replaces the cell in
    // this column of every tree row with a new, empty cell of the new kind.
    void SetDataType(TPLXTreeCellType *type);
    TPLXTreeColSettings *getSettings() const { return FSettings; }
    // Takes `settings` as a child.
    void setSettings(TPLXTreeColSettings *settings);
    QString getTitle() const { return FTitle; }
    void setTitle(const QString &title) { FTitle = title; }
    // Width of "W" and the title in the cell's font; 0 without a font name.
    int getMaxWidth() const;
    TPLXTreeHeaderCellResizer *getResizer() const { return resizer; }

    const QString &getFontName() const { return FFontName; }
    void setFontName(const QString &value) { FFontName = value; }
    int getFontSize() const { return FFontSize; }
    void setFontSize(int value) { FFontSize = value; }
    TColor getColor() const { return FColor; }
    void setColor(TColor value) { FColor = value; }

private:
    friend class TPLXTreeHeaderCellPersistence;

    TPLXTreeColSettings *FSettings = nullptr;
    QString FTitle;
    TPLXTreeHeaderCellResizer *resizer = nullptr;
    TPLXTreeCellType *FDataType = nullptr;
    int FSortOrder = 0;
    bool FVisible = true;
    TColor FColor = 0;
    QString FFontName;
    int FFontSize = 0;
};

class ORVANTA_EXPORT TPLXTreeHeaderCellPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Tree Header Cell"); }
};

// ----------------------------------------------------------------- header

// The row of column titles above the tree, in column order.
class ORVANTA_EXPORT TPLXTreeHeader : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeHeader)
    Q_PROPERTY(int Height READ getHeight WRITE setHeight)
    Q_PROPERTY(int Color READ getColor WRITE setColor)
    Q_PROPERTY(int LineColor MEMBER FlineColor)

public:
    TPLXTreeHeader();
    ~TPLXTreeHeader() override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    int countCells() const { return static_cast<int>(FCells.size()); }
    // Null outside the list.
    TPLXTreeHeaderCell *getHeaderCell(int i) const;
    int getHeaderCellIndex(const TPLXTreeHeaderCell *cell) const;
    // 0 outside the list.
    int getCellWidth(int i) const;
    // False when `i` is outside 0..count; the header becomes the cell's parent.
    bool insertHeaderCell(int i, TPLXTreeHeaderCell *cell);
    // False outside the list; the cell stays the header's, only its place goes.
    bool deleteHeaderCell(int i);
    const QList<TPLXTreeHeaderCell *> &cells() const { return FCells; }

    int getHeight() const { return FHeight; }
    // Accepted only from 1 to 199.
    void setHeight(int h);
    // Sum of the visible columns' widths.
    int getActualWidth() const;

    // The first column with a sort order, or -1.
    int getSortColumn() const;
    TPLXSortOrder getSortOrder() const;
    TPLXSortOrder getSortOrder(int column) const;
    // At most one sort column: every other column becomes unsorted.
    void setSortOrder(int column, TPLXSortOrder order);
    // -1 for a hidden column, else the number of visible columns before it.
    int visibleIndex(int i) const;

    // Advances the sort order of the visible column under x (grid coordinates)
    // and records the sort on the data source's undo/redo stack.
    void handleClick(int x);
    // As a click on column `column`: advances its sort order through the undo/redo stack.
    void clickColumn(int column);
    // Moves column `from` in front of the column now at `to` (the end for a
    // negative `to`); null when either is not a column.
    std::unique_ptr<TPLXOperation> moveCell(int from, int to);

    // One halo per visible column, and the resizers on the column edges.
    void updateClickers();
    TPLXHeaderHalo *locateClicker(int x, int y) const;
    TPLXTreeHeaderCellResizer *locateResizer(int x, int y) const;
    int clickersCount() const { return static_cast<int>(clickers.size()); }
    TPLXHeaderHalo *getClicker(int i) const;

    TPLXTreeGrid *grid() const;

    TColor getColor() const { return FbkColor; }
    void setColor(TColor value) { FbkColor = value; }

private:
    friend class TPLXTreeHeaderPersistence;
    friend class TPLXTreeHeaderDrawer;

    int FHeight = 0;
    QList<TPLXTreeHeaderCell *> FCells;
    int FActualWidth = 0;
    TPLXHaloList<TPLXHeaderHalo> clickers;
    std::unique_ptr<TPLXDrawer> FOwnDrawer;
    TColor FbkColor = 0;
    TColor FlineColor = 0;
};

class ORVANTA_EXPORT TPLXTreeHeaderPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Tree Header"); }
};

// Moves a header cell in front of another (or to the end) and back.
class ORVANTA_EXPORT TPLXMoveHeaderCellOperation : public TPLXOperation
{
public:
    // Records the cell that follows `cell` now, for undo.
    TPLXMoveHeaderCellOperation(TPLXTreeHeader *header, TPLXTreeHeaderCell *beforeCell, TPLXTreeHeaderCell *cell);
    bool perform() override;
    bool undo() override;

private:
    bool moveBefore(TPLXTreeHeaderCell *before);

    TPLXTreeHeader *FHeader;
    TPLXTreeHeaderCell *FBeforeCell;
    TPLXTreeHeaderCell *FCell;
    TPLXTreeHeaderCell *FFollower;
};

// Puts a header cell into the header or takes it out; the column operations use it.
class ORVANTA_EXPORT TPLXHeaderOperation
{
public:
    TPLXHeaderOperation(TPLXTreeHeader *header, int index, TPLXTreeHeaderCell *cell);
    bool AddHeaderCell();
    bool DeleteHeaderCell();

private:
    TPLXTreeHeader *header;
    int index;
    TPLXTreeHeaderCell *cell;
};

// ------------------------------------------------------------ resize pane

// The narrow pane on the tree's left edge with one selector and one resizer per visible row.
class ORVANTA_EXPORT TPLXTreeRowsResizePane : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeRowsResizePane)
    Q_PROPERTY(int Width READ getWidth WRITE setWidth)
    Q_PROPERTY(int Color READ getColor WRITE setColor)

public:
    TPLXTreeRowsResizePane();
    ~TPLXTreeRowsResizePane() override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    // Rebuilds the selectors and resizers for the visible rows of the table.
    // Rows from the first one not scrolled out; rows starting at or below `bottom` get no handles.
    void update(int bottom = std::numeric_limits<int>::max());
    TPLXRowSelector *locateSelector(int x, int y) const;
    TPLXRowResizer *locateResizer(int x, int y) const;
    int selectorsCount() const { return static_cast<int>(rowSelectors.size()); }
    TPLXRowSelector *getSelector(int i) const;
    int resizersCount() const { return static_cast<int>(resizingHalo.size()); }
    TPLXRowResizer *getResizer(int i) const;

    TPLXTreeGrid *grid() const;

    int getWidth() const { return FWidth; }
    void setWidth(int value) { FWidth = value; }
    TColor getColor() const { return FColor; }
    void setColor(TColor value) { FColor = value; }

private:
    TPLXHaloList<TPLXRowResizer> resizingHalo;
    TPLXHaloList<TPLXRowSelector> rowSelectors;
    std::unique_ptr<TPLXDrawer> FOwnDrawer;
    int FWidth = 30;
    TColor FColor = 0;
};

class ORVANTA_EXPORT TPLXTreeRowsResizePanePersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Vertical resize pane"); }
};

// ------------------------------------------------------------------- grid

// The task tree: header, node tree and resize pane; keeps the selection and
// the focused row and turns gestures on its parts into operations.
class ORVANTA_EXPORT TPLXTreeGrid : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeGrid)
    Q_PROPERTY(int Width READ getWidth WRITE setWidth)
    Q_PROPERTY(int Color READ getColor WRITE setColor)
    Q_PROPERTY(int UpperPaneColor READ getUpperPaneColor WRITE setUpperPaneColor)
    Q_PROPERTY(int GridLineColor READ getGridLineColor WRITE setGridLineColor)
    Q_PROPERTY(int SelectedRowColor MEMBER FSelectedRowColor)
    Q_PROPERTY(int SelectedRowFontColor MEMBER FSelectedRowFontColor)
    Q_PROPERTY(int FocusedRowColor MEMBER FFocusedRowColor)
    Q_PROPERTY(int FocusedRowFontColor MEMBER FFocusedRowFontColor)
    Q_PROPERTY(int FocusedCellColor READ getFocusedCellColor WRITE setFocusedCellColor)
    Q_PROPERTY(int GroupRowColor READ getGroupRowColor WRITE setGroupRowColor)
    Q_PROPERTY(bool CellFocusing READ getCellFocusing WRITE setCellFocusing)
    Q_PROPERTY(bool Draw3D READ getDraw3D WRITE setDraw3D)
    Q_PROPERTY(bool DrawIndicatorRow READ getDrawIndicatorRow WRITE setDrawIndicatorRow)
    Q_PROPERTY(bool DrawTreeNodeLines READ getDrawTreeNodeLines WRITE setDrawTreeNodeLines)
    Q_PROPERTY(bool ContinuousNumbering READ getContinuousNumbering WRITE setContinuousNumbering)

public:
    TPLXTreeGrid();
    ~TPLXTreeGrid() override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    TPLXTreeNode *getRootNode() const { return FRootNode; }
    TPLXTreeHeader *getHeader() const { return FHeader; }
    TPLXTreeRowsResizePane *getRowsResizePane() const { return FRowsResizePane; }
    TPLXTreeGridResizer *getResizer() const { return resizer; }
    // Each takes its argument as a child (replacing nothing it already holds).
    void setRootNode(TPLXTreeNode *node);
    void setHeader(TPLXTreeHeader *header);
    void setRowsResizePane(TPLXTreeRowsResizePane *pane);
    void setDefaultRowSettings(TPLXTreeRowSettings *settings);
    void setDefaultColSettings(TPLXTreeColSettings *settings);

    int getWidth() const { return FWidth; }
    // Ignored when negative.
    void setWidth(int w);
    int getActualWidth() const;
    // The resize pane's width; 0 without a pane.
    int getPaneWidth() const;

    // ---- rows and nodes (row indexes are pre-order numbers)
    int rowsCount();
    TPLXTreeRow *getRow(int i);
    TPLXTreeNode *findNodeByIndex(int i);
    int getRowLevel(int i);
    int childrenCount(int i);
    int DescendantsCount(int i);
    std::unique_ptr<QList<TPLXTreeRow *>> childrenOf(int i);
    TPLXTreeRow *makeBlankRow();
    int colsCount();
    int getCellWidth(int column);
    int cellStart(int column);
    TPLXTreeCell *getCell(int row, int column);
    QString getCellStringValue(int row, int column);
    void collapse(int i);
    void expand(int i);
    void swapRows(int i, int j);
    void updateNodes();
    // Re-applies the current sort and renumbers; returns the sort it performed (null when none), for the caller
    // to keep with its own undo.
    [[nodiscard]] std::unique_ptr<TPLXOperation> updateRows();
    // Exact, case-sensitive match; `options` does not change that.
    TPLXTreeCell *findTextInColumn(const QString &text, int options, int column);
    TPLXTreeCell *findText(const QString &text, int options);

    // ---- selection and focus
    void select(int i, bool flag);
    void selectAll();
    void deselectAll();
    int getSelectedRowsCount() const { return static_cast<int>(FSelectedRows.size()); }
    TPLXTreeRow *getSelectedRow(int k) const;
    const QList<TPLXTreeRow *> &selectedRows() const { return FSelectedRows; }
    TColor getSelectedRowColor() const { return FSelectedRowColor; }
    TColor getSelectedRowFontColor() const { return FSelectedRowFontColor; }
    TColor getFocusedRowColor() const { return FFocusedRowColor; }
    TColor getFocusedRowFontColor() const { return FFocusedRowFontColor; }
    // True when the focused row changes.
    bool focus(int i);
    void unFocus();
    void focusAt(int x, int y);
    TPLXTreeRow *getFocusedRow() const { return FFocusedRow; }
    void FocusCell(int row, int column);
    // A click on a row selector at y; see kPLXRowSelectKeep and kPLXRowSelectRange.
    void handleRowSelect(int y, int flags);

    TPLXTreeRowSettings *getDefaultRowSettings() const { return FDefaultRowSettings; }
    TPLXTreeColSettings *getDefaultColSettings() const { return FDefaultColSettings; }

    // ---- operations for the caller to record
    std::unique_ptr<TPLXOperation> sortRows(int column, TPLXSortOrder order);
    std::unique_ptr<TPLXOperation> sortRows();
    std::unique_ptr<TPLXOperation> moveColumn(int from, int to);
    std::unique_ptr<TPLXOperation> repositionRow(int from, int to);

    // The document above the grid and its data source; null outside a document.
    TPLXDocumentSetup *document();
    TPLXDataSourceIntf *dataSource();

    TColor getFocusedCellColor() const { return FFocusedCellColor; }
    void setFocusedCellColor(TColor value) { FFocusedCellColor = value; }
    bool getContinuousNumbering() const { return FContinuousNumbering; }
    void setContinuousNumbering(bool value) { FContinuousNumbering = value; }
    TColor getColor() const { return FbkColor; }
    void setColor(TColor value) { FbkColor = value; }
    TColor getUpperPaneColor() const { return FUpperPaneColor; }
    void setUpperPaneColor(TColor value) { FUpperPaneColor = value; }
    TColor getGridLineColor() const { return FGridLineColor; }
    void setGridLineColor(TColor value) { FGridLineColor = value; }
    bool getDraw3D() const { return FDraw3D; }
    void setDraw3D(bool value) { FDraw3D = value; }
    bool getDrawIndicatorRow() const { return FDrawIndicatorRow; }
    void setDrawIndicatorRow(bool value) { FDrawIndicatorRow = value; }
    bool getDrawTreeNodeLines() const { return FDrawTreeNodeLines; }
    void setDrawTreeNodeLines(bool value) { FDrawTreeNodeLines = value; }
    TColor getGroupRowColor() const { return FGroupRowColor; }
    void setGroupRowColor(TColor value) { FGroupRowColor = value; }
    const TPLXSelectedRowsChangedEvent &getSelectedRowsChanged() const { return FSelectedRowsChanged; }
    void setSelectedRowsChanged(const TPLXSelectedRowsChangedEvent &value) { FSelectedRowsChanged = value; }
    bool getCellFocusing() const { return FCellFocusing; }
    void setCellFocusing(bool value) { FCellFocusing = value; }

private:
    friend class TPLXTreeGridPersistence;

    TPLXTreeHeader *FHeader = nullptr;
    TPLXTreeNode *FRootNode = nullptr;
    TPLXTreeRowsResizePane *FRowsResizePane = nullptr;
    TPLXTreeGridResizer *resizer = nullptr;
    QList<TPLXTreeRow *> FSelectedRows;
    TPLXTreeRow *FFocusedRow = nullptr;
    TPLXTreeRowSettings *FDefaultRowSettings = nullptr;
    TPLXTreeColSettings *FDefaultColSettings = nullptr;
    std::unique_ptr<TPLXDrawer> FOwnDrawer;
    int FWidth = 0;
    TColor FbkColor = 0;
    TColor FUpperPaneColor = 0;
    TColor FGridLineColor = 0;
    TColor FSelectedRowColor = 0;
    TColor FSelectedRowFontColor = 0;
    TColor FFocusedRowColor = 0;
    TColor FFocusedCellColor = 0;
    bool FCellFocusing = false;
    bool FDraw3D = false;
    bool FDrawIndicatorRow = true;
    bool FDrawTreeNodeLines = true;
    TColor FFocusedRowFontColor = 0;
    TColor FGroupRowColor = 0;
    bool FContinuousNumbering = false;
    TPLXSelectedRowsChangedEvent FSelectedRowsChanged;
};

class ORVANTA_EXPORT TPLXTreeGridPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Tree Grid"); }
};

// Changes the height of a gantt row and re-applies the tree's sort; undo restores the height and the row order
// from before.
class ORVANTA_EXPORT TPLXRowResizeOperation : public TPLXOperation
{
public:
    TPLXRowResizeOperation(TPLXDataSourceIntf *dataSource, int newHeight, TPLXGanttRow *ganttRow);
    bool perform() override;
    bool undo() override;

private:
    TPLXTreeGrid *tree() const;

    int FNewHeight;
    int FOldHeight;
    TPLXGanttRow *FRow;
    std::unique_ptr<TPLXOperation> FResort; // the re-sort the new height caused, undone and redone with it
    bool FPerformed = false;
};

// ---------------------------------------------------------------- drawers

// Background, upper pane, header, row backgrounds and grid lines, then the node tree.
class ORVANTA_EXPORT TPLXTreeGridDrawer : public TPLXDrawer
{
public:
    explicit TPLXTreeGridDrawer(TPLXTreeGrid *grid);
    void Draw(TPLXVisualContext &vc) override;
    // The splitter, the pane's resizers and selectors, the header's resizers
    // and clickers, then the node tree.
    TPLXGanttObject *locateObject(int x, int y) override;
    TRect getRect() const override { return FRect; }

private:
    TPLXTreeGrid *grid() const;
    void drawRows(TPLXVisualContext &vc, TPLXTreeGrid &tree, TPLXDocumentSetup &doc, int left, int right);

    TRect FRect;
};

// The header cells with their titles, sort marks and separating lines.
class ORVANTA_EXPORT TPLXTreeHeaderDrawer : public TPLXDrawer
{
public:
    explicit TPLXTreeHeaderDrawer(TPLXTreeHeader *header);
    void Draw(TPLXVisualContext &vc) override;

private:
    TPLXTreeHeader *header() const;
};

// The pane of row selectors: a face per visible row and an indicator on the focused row.
class ORVANTA_EXPORT TPLXTreeRowsResizePaneDrawer : public TPLXDrawer
{
public:
    explicit TPLXTreeRowsResizePaneDrawer(TPLXTreeRowsResizePane *pane);
    void Draw(TPLXVisualContext &vc) override;

private:
    TPLXTreeRowsResizePane *pane() const;
};
