// The chart part of a document: the ordered gantt rows, the column width that
// maps a period to pixels, grid colours, vertical scrolling, the focused bar,
// the PERT layout and critical-path settings; with the row operations.
#pragma once

#include "plxGanttRow.h"
#include "plxRowOffsets.h"
#include "plxVisualContext.h"

#include <QPoint>

class TPLXSummarySpans;
class TPLXBarConnection;
class TPLXCriticalPathCalculator;
class TPLXPertBarSettings;

// A vertical line at a chosen date.
class ORVANTA_EXPORT TPLXUserDefinedDateLine
{
public:
    TPLXUserDefinedDateLine();

    bool getVisible() const { return Visible; }
    void setVisible(bool value) { Visible = value; }
    TDateTime getDate() const { return Date; }
    void setDate(TDateTime value) { Date = value; }
    TPenStyle getPenStyle() const { return PenStyle; }
    void setPenStyle(TPenStyle value) { PenStyle = value; }
    TColor getColor() const { return Color; }
    void setColor(TColor value) { Color = value; }
    int getPenWidth() const { return PenWidth; }
    void setPenWidth(int value) { PenWidth = value; }

private:
    TDateTime Date;
    bool Visible = false;
    TPenStyle PenStyle = psSolid;
    int PenWidth = 1;
    TColor Color = 0x000000;
};

// A vertical line at the present moment.
class ORVANTA_EXPORT TPLXCurrentDateLine
{
public:
    bool getVisible() const { return Visible; }
    void setVisible(bool value) { Visible = value; }
    TPenStyle getPenStyle() const { return PenStyle; }
    void setPenStyle(TPenStyle value) { PenStyle = value; }
    TColor getColor() const { return Color; }
    void setColor(TColor value) { Color = value; }
    int getPenWidth() const { return PenWidth; }
    void setPenWidth(int value) { PenWidth = value; }

private:
    bool Visible = false;
    TPenStyle PenStyle = psSolid;
    int PenWidth = 1;
    TColor Color = 0x000000;
};

// Row geometry is answered from cached prefix sums of visible row heights
// (TPLXRowOffsets); every change of the row list, a row's height, visibility
// or collapse state, and every scroll keeps them in step.
class ORVANTA_EXPORT TPLXGanttTable : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY(TPLXGanttTable)
    Q_PROPERTY(int RowCount READ countRows)
    Q_PROPERTY(int RowsTotalHeight READ GetRowsTotalHeight)
    Q_PROPERTY(int Height READ getTableHeight)
    Q_PROPERTY(int ColumnWidth READ GetColumnWidth WRITE SetColumnWidth)
    Q_PROPERTY(int GridColor READ GetGridColor WRITE SetGridColor)
    Q_PROPERTY(int BaseColor READ GetBaseColor WRITE SetBaseColor)
    Q_PROPERTY(bool Draw3D MEMBER FDraw3D)
    Q_PROPERTY(bool InPlaceTextBarEditing READ getInPlaceTextBarEditing WRITE setInPlaceTextBarEditing)
    Q_PROPERTY(int scrolledLines READ getScrolledLines WRITE SetScrolledLines)
    Q_PROPERTY(int width READ getWidth WRITE setWidth)
    Q_PROPERTY(int defaultRowheight READ getDefaultRowheight WRITE setDefaultRowheight)
    Q_PROPERTY(QPoint pertGridSize READ getPertGridSize WRITE setPertGridSize)
    Q_PROPERTY(int pertGraphBackGroundColor READ getPertGraphBackGroundColor WRITE setPertGraphBackGroundColor)
    Q_PROPERTY(int pertStartY READ getPertStartY WRITE setPertStartY)
    Q_PROPERTY(int pertStartX READ getPertStartX WRITE setPertStartX)
    Q_PROPERTY(QPoint maxPertCoords READ getMaxPertCoords)
    Q_PROPERTY(int gridAnchorColor READ getGridAnchorColor WRITE setGridAnchorColor)
    Q_PROPERTY(int PertConnectionsCount READ GetPertConnectionsCount)
    Q_PROPERTY(int criticalPathColor READ getCriticalPathColor WRITE setCriticalPathColor)
    Q_PROPERTY(bool autoUpdateCriticalPath READ getAutoUpdateCriticalPath WRITE setAutoUpdateCriticalPath)
    Q_PROPERTY(int weekendBrightenColor READ getWeekendBrightenColor WRITE setWeekendBrightenColor)
    Q_PROPERTY(double StartDate READ CalculateStartDate)
    Q_PROPERTY(double EndDate READ CalculateEndDate)
    Q_PROPERTY(int focusedFrameThickness READ getFocusedFrameThickness WRITE setFocusedFrameThickness)
    Q_PROPERTY(TPLXGanttBar *focusedBar READ getFocusedBar WRITE setFocusedBar)
    Q_PROPERTY(bool DrawPertGrid READ getDrawPertGrid WRITE setDrawPertGrid)
    Q_PROPERTY(bool SnapBarsTogether MEMBER FSnapBarsTogether)

public:
    TPLXGanttTable();
    ~TPLXGanttTable() override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    // ---- rows
    int countRows() const { return static_cast<int>(FRows.size()); }
    // Null (and a log line) for an index at or past the row count.
    TPLXGanttRow *getRow(int i) const;
    int getNextRow(int i) const { return i + 1; }
    int getRowHeight(int i) const;
    // A new row whose parent is the table, not yet listed.
    TPLXGanttRow *MakeBlankRow();
    // Lists `row` at `index` (clamped), renumbering the rows after it; the table becomes its parent.
    void insertRow(int index, TPLXGanttRow *row);
    // Unlists the row at `index` without freeing it; renumbers the rows after it.
    TPLXGanttRow *takeRow(int index);
    // Appends a new blank row of the default height and returns it.
    TPLXGanttRow *appendRow();
    const QList<TPLXGanttRow *> &rows() const { return FRows; }
    // `row` is listed in this table (at the place its order says).
    bool listsRow(const TPLXGanttRow *row) const
    {
        if (!row)
            return false;
        const int i = row->getOrder();
        // swapRows leaves orders behind; then the list itself answers.
        return (i >= 0 && i < countRows() && FRows[i] == row) || FRows.contains(row);
    }
    void swapRows(int i, int j);
    int swapSequences(int startA, int endA, int startB, int endB);
    QList<TPLXGanttBar *> allBarsIn(int first, int last) const;
    TPLXGanttBar *barInRange(TDateTime start, TDateTime end, int row, TPLXGanttBar *bar) const;
    // As barInRange, asking only the bars that row `row` holds, with their
    // row indexes brought up to date first.
    TPLXGanttBar *barInRowRange(TDateTime start, TDateTime end, int row, TPLXGanttBar *bar) const;
    TPLXGanttBar *findFirstSummarizable(int row) const;
    TPLXGanttBar *findLastSummarizable(int row) const;
    TDateTime CalculateStartDate() const;
    TDateTime CalculateEndDate() const;
    // Summary and PERT spans, bottom-up.
    void UpdateSummaryBars();
    // The start and end a summary over rows first..last shows: the earliest
    // positive start and latest positive end of their summarizable bars.
    std::pair<TDateTime, TDateTime> summarizableSpan(int first, int last);
    void updateCriticalPath();
    // While held, the two refreshes above only note that they are due; the
    // last release runs each due one once. Summaries stay live unless
    // `summaries` is set. Each release names what its hold named.
    void holdRefreshes(bool summaries);
    void releaseRefreshes(bool summaries);
    void RecalculateEffective();

    // ---- vertical geometry (pixels from the document's table start)
    int getRowStartY(int i);
    int getVisibleRowStartY(int n);
    int getVisibleRowHeight(int n);
    int getTableHeight();
    int GetRowsTotalHeight();
    // The first row whose start lies below `bottom`, else count - 1; -1 without rows.
    int lastRowStartingAbove(int bottom);
    // The row drawn at `y` (skipping invisible rows), -1 above the rows, countRows() below them.
    int rowAtY(int y);
    // Sum of the visible heights of rows 0 .. i - 1.
    qint64 visibleHeightBefore(int i);
    // How many of rows 0 .. i - 1 are visible.
    qint64 visibleRowsBefore(int i);
    // A row's height, visibility or collapse state changed.
    void rowGeometryChanged(TPLXGanttRow *row);
    // Every cached offset is rebuilt on the next question.
    void invalidateRowOffsets() { FOffsetsValid = false; }

    // ---- scrolling
    int getScrolledLines() const { return FScrolledLines; }
    void SetScrolledLines(int n);

    int GetColumnWidth() const { return FColWidth; }
    void SetColumnWidth(int w) { FColWidth = w; }
    TColor GetGridColor() const { return FGridColor; }
    void SetGridColor(TColor c) { FGridColor = c; }
    TColor GetBaseColor() const { return FBaseColor; }
    void SetBaseColor(TColor c) { FBaseColor = c; }

    // ---- row order for sorting
    void saveOrder();
    void restoreOrder();
    QList<TPLXGanttRow *> getOrder();
    void applyOrder(const QList<TPLXGanttRow *> &list);

    // ---- focused bar
    TPLXGanttBar *getFocusedBar();
    void setFocusedBar(TPLXGanttBar *bar);
    void unFocusBar();

    // ---- PERT layout
    void snapToGrid(int x, int y, QPoint &p, bool clamp) const;
    int getPertStartX() const { return FPertStartX; }
    int getPertStartY() const { return FPertStartY; }
    void setPertStartX(int x);
    void setPertStartY(int y);
    int PertAbsToRelX(int x);
    int PertAbsToRelY(int y);
    QPoint PertAbsToRel(int x, int y);
    QPoint PertAbsToRel(const QPoint &p) { return PertAbsToRel(p.x(), p.y()); }
    void registerPertCoords(int x, int y);
    QPoint getMaxPertCoords() const { return FMaxPertCoords; }
    void setMaxPertCoords(const QPoint &p) { FMaxPertCoords = p; }
    int findEmptyRow() const;
    void setZOrder(TPLXGanttRow *row, int i);
    int getZOrder(TPLXGanttRow *row) const;
    // Takes the row off the z-order (its box left the chart).
    void removeFromZOrder(TPLXGanttRow *row) { FRowsZOrder.removeOne(row); }
    // PERT connections join the boxes of two rows; their connType is 0 for one way, 1 for both ways.
    // Adding one that exists does nothing, adding the reverse of one makes that one two-way.
    bool addPertConnection(TPLXBarConnection *c);
    // `a` joins the bars of `b` in b's direction (or is two-way and joins them the other way).
    static bool contains(const TPLXBarConnection *a, const TPLXBarConnection *b);
    // Takes direction `c` away from the first listed connection that holds it.
    void removePertConnection(TPLXBarConnection *c);
    // The PERT connection list with each listed connection's ends and kind:
    // undo puts the list back exactly, whatever merging or splitting happened.
    struct PertConnectionsState
    {
        struct Entry
        {
            TPLXBarConnection *connection;
            TPLXGanttBar *from;
            TPLXGanttBar *to;
            int connType;
        };
        QList<Entry> entries;
    };
    PertConnectionsState pertConnectionsState() const;
    void restorePertConnections(const PertConnectionsState &state);
    int GetPertConnectionsCount() const { return static_cast<int>(FPertBarConnections.size()); }
    TPLXBarConnection *GetPertConnection(int i) const;
    // The connection from rowA's box to rowB's (or a two-way one back); null unless both have boxes.
    TPLXBarConnection *findPertBarsConnection(TPLXGanttRow *rowA, TPLXGanttRow *rowB) const;
    // Tells every box of a listed connection about its ends (done after loading).
    void linkPertBars();
    // The top-left corner for a new box, centred in the first free probe cell.
    void FindEmptyPertPlace(QPoint &p);
    const QList<TPLXBarConnection *> &pertConnections() const { return FPertBarConnections; }
    TPLXPertBarSettings *defaultPertBarSettings() const { return FDefaultPertBarSettings; }
    // Takes `settings` for new boxes (the table becomes its parent; the record it replaces is freed).
    void setDefaultPertBarSettings(TPLXPertBarSettings *settings);
    const QList<TPLXGanttRow *> &rowsZOrder() const { return FRowsZOrder; }

    // ---- critical path
    TPLXCriticalPathCalculator *criticalPathCalculator() const { return FCriticalPathCalculator.get(); }

    TPLXUserDefinedDateLine *DateLine() const { return FDateLine.get(); }
    TPLXCurrentDateLine *CurrentDateLine() const { return FCurrentDateLine.get(); }
    const TPLXDrawBarEvent &getOnDrawBar() const { return FOnDrawBar; }
    void setOnDrawBar(TPLXDrawBarEvent event) { FOnDrawBar = std::move(event); }

    TColor getCriticalPathColor() const { return FCriticalPathColor; }
    void setCriticalPathColor(TColor value) { FCriticalPathColor = value; }
    TColor getPertGraphBackGroundColor() const { return FPertGraphBackGroundColor; }
    void setPertGraphBackGroundColor(TColor value) { FPertGraphBackGroundColor = value; }
    const QPoint &getPertGridSize() const { return FPertGridSize; }
    void setPertGridSize(const QPoint &value) { FPertGridSize = value; }
    bool getDrawPertGrid() const { return FDrawPertGrid; }
    void setDrawPertGrid(bool value) { FDrawPertGrid = value; }
    TColor getGridAnchorColor() const { return FGridAnchorColor; }
    void setGridAnchorColor(TColor value) { FGridAnchorColor = value; }
    int getDefaultRowheight() const { return FDefaultRowHeight; }
    void setDefaultRowheight(int value) { FDefaultRowHeight = value; }
    int getFocusedFrameThickness() const { return FFocusedFrameThickness; }
    void setFocusedFrameThickness(int value) { FFocusedFrameThickness = value; }
    TColor getWeekendBrightenColor() const { return FWeekendBrightenColor; }
    void setWeekendBrightenColor(TColor value) { FWeekendBrightenColor = value; }
    int getWidth() const { return FWidth; }
    void setWidth(int value) { FWidth = value; }
    bool getSnapBarsTogether() const { return FSnapBarsTogether; }
    void setSnapBarsTogether(bool value) { FSnapBarsTogether = value; }
    // Whether the chart control edits text bars in place; off, opening one edits nothing.
    bool getInPlaceTextBarEditing() const { return FInPlaceTextBarEditing; }
    void setInPlaceTextBarEditing(bool value) { FInPlaceTextBarEditing = value; }
    bool getAutoUpdateCriticalPath() const { return FUpdateCriticalPath; }
    void setAutoUpdateCriticalPath(bool value) { FUpdateCriticalPath = value; }

private:
    friend class TPLXGanttTablePersistence;
    void renumberFrom(int index);
    void ensureOffsets();

    std::unique_ptr<TPLXUserDefinedDateLine> FDateLine;
    std::unique_ptr<TPLXCurrentDateLine> FCurrentDateLine;
    QList<TPLXGanttRow *> FRows;
    int FScrolledLines = 0;
    QList<TPLXGanttRow *> FRowsZOrder;
    QList<TPLXBarConnection *> FPertBarConnections;
    TPLXPertBarSettings *FDefaultPertBarSettings = nullptr; // child
    int FPertStartY = 0;
    int FPertStartX = 0;
    QPoint FMaxPertCoords{0, 0};
    std::unique_ptr<TPLXCriticalPathCalculator> FCriticalPathCalculator;
    // Only while UpdateSummaryBars runs.
    bool FRefreshingSummaries = false;
    int FCriticalPathHolds = 0;
    int FSummaryHolds = 0;
    bool FCriticalPathDue = false;
    bool FSummariesDue = false;
    std::unique_ptr<TPLXSummarySpans> FSummarySpans;
    std::unique_ptr<QList<TPLXGanttRow *>> FSavedOrder;
    int FFocusedBarRow = -1;
    int FFocusedBar = -1;

    TPLXRowOffsets FOffsets;
    // 1 per visible row, 0 otherwise: finds the n-th visible row without a walk.
    TPLXRowOffsets FVisibleCounts;
    bool FOffsetsValid = false;
    std::unique_ptr<TPLXDrawer> FOwnDrawer;
    std::unique_ptr<TPLXDrawer> FOwnDrawerPert;
    int lastScrolledLines = 0;
    TPLXDrawBarEvent FOnDrawBar;
    bool FDrawPertGrid = true;
    TColor FGridColor = 0x808080;
    TColor FBaseColor = 0x02F7EAD4;
    int FColWidth = 50;
    bool FDraw3D = false;
    bool FInPlaceTextBarEditing = true;
    int FWidth = 0;
    int FDefaultRowHeight = 35;
    QPoint FPertGridSize{20, 20};
    TColor FPertGraphBackGroundColor = 0xEEEEEE;
    TColor FGridAnchorColor = 0xFF0000;
    TColor FCriticalPathColor = 0xFF00FF;
    bool FUpdateCriticalPath = true;
    TColor FWeekendBrightenColor = 0x404040;
    int FFocusedFrameThickness = 4;
    bool FSnapBarsTogether = false;
};

// Holds a table's refreshes for as long as it lives (see holdRefreshes), so
// that a compound change refreshes once at its end rather than once per part.
class TPLXRefreshHold
{
public:
    TPLXRefreshHold(TPLXGanttTable *table, bool summaries)
        : FTable(table)
        , FSummaries(summaries)
    {
        if (FTable)
            FTable->holdRefreshes(FSummaries);
    }
    ~TPLXRefreshHold()
    {
        if (FTable)
            FTable->releaseRefreshes(FSummaries);
    }
    TPLXRefreshHold(const TPLXRefreshHold &) = delete;
    TPLXRefreshHold &operator=(const TPLXRefreshHold &) = delete;

private:
    TPLXGanttTable *FTable;
    bool FSummaries;
};

// A composite redone and undone under one refresh hold of its document's table: the critical path (and, when
// asked, the summary bars) refresh once at the end, not once per part.
class ORVANTA_EXPORT TPLXHeldOperations : public TPLXMultipleOperations
{
public:
    TPLXHeldOperations(TPLXDataSourceIntf *dataSource, bool summaries);
    bool perform() override;
    bool undo() override;
    // The history dump names it as any other composite.
    QString className() const override;

private:
    bool FSummaries;
};

Q_DECLARE_METATYPE(TPLXGanttTable *)

// The Gantt background and the rows on it; visits only rows that can be seen.
class ORVANTA_EXPORT TPLXGanttTableDrawer : public TPLXDrawer
{
public:
    explicit TPLXGanttTableDrawer(TPLXGanttTable *table);
    void Draw(TPLXVisualContext &vc) override;
    TPLXGanttObject *locateObject(int x, int y) override;
    // Fills the column of `d` across the table area.
    void emphasizeDay(TDateTime d, TColor color);

    int getLastVisible() const { return lastVisible; }
    void setLastVisible(int value) { lastVisible = value; }

private:
    TPLXGanttTable *table() const;
    void drawRowBand(int row, TColor color);
    int FirstVisible = 0;
    TPLXVisualContext *vc = nullptr;
    TRect tableArea;
    TPLXDocumentCalendar *Fcalendar = nullptr;
    int lastVisible = -1;
};

// The PERT chart: fill, grid dots, then boxes and their connections in
// z-order, the topmost last.
class ORVANTA_EXPORT TPLXGanttTablePertDrawer : public TPLXDrawer
{
public:
    explicit TPLXGanttTablePertDrawer(TPLXGanttTable *table);
    void Draw(TPLXVisualContext &vc) override;
    TPLXGanttObject *locateObject(int x, int y) override;

private:
    TPLXGanttTable *table() const;
    // Routes each connection (hit tests need its route) and paints it where it reaches the visible area.
    static void drawConnections(TPLXVisualContext &vc, const QList<TPLXBarConnection *> &connections);
};

class ORVANTA_EXPORT TPLXGanttTablePersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Gantt Table"); }
};

// Takes a bar out of its row together with every connection that touches it.
// The connections are those still listed once the bar is out of its row on
// the first perform: the last task of a row takes the row's PERT box with its
// connections along, and a connection is not taken twice.
class ORVANTA_EXPORT TPLXBarDeleteOperation : public TPLXMultipleOperations
{
public:
    TPLXBarDeleteOperation(TPLXDataSourceIntf *dataSource, TPLXGanttBar *bar);
    // All parts or none: a failing part undoes the ones before it.
    bool perform() override;

private:
    TPLXGanttBar *FBar;
    bool FCollected = false;
};

// Lists or unlists a row at an index; shared by the row insert and remove operations.
class ORVANTA_EXPORT TPLXGanttRowOperation
{
public:
    TPLXGanttRowOperation(TPLXDataSourceIntf *dataSource, TPLXGanttRow *row, int index);
    bool InsertRow();
    bool DeleteRow();

    TPLXGanttRow *getRow() const { return Row; }
    void setRow(TPLXGanttRow *value) { Row = value; }

private:
    TPLXDataSourceIntf *DataSource;
    int Index;
    TPLXGanttRow *Row;
};

// Inserts a row; until performed (and after undo) an unparented row is the operation's.
class ORVANTA_EXPORT TPLXGanttRowInsertOperation : public TPLXOperation
{
public:
    TPLXGanttRowInsertOperation(TPLXDataSourceIntf *dataSource, TPLXGanttRow *row, int index);
    ~TPLXGanttRowInsertOperation() override;
    bool perform() override;
    bool undo() override;

private:
    std::unique_ptr<TPLXGanttRowOperation> FOp;
    std::unique_ptr<TPLXGanttRow> FOwnedRow;
};

// Removes a row; undo puts it back with the height it had.
class ORVANTA_EXPORT TPLXGanttRowRemoveOperation : public TPLXOperation
{
public:
    TPLXGanttRowRemoveOperation(TPLXDataSourceIntf *dataSource, int index);
    bool perform() override;
    bool undo() override;

private:
    std::unique_ptr<TPLXGanttRowOperation> FOp;
    int FHeight = 0;
};

// Deletes every bar of a row; disabled for an invalid index.
class ORVANTA_EXPORT TPLXGanttRowClearOperation : public TPLXMultipleOperations
{
public:
    TPLXGanttRowClearOperation(TPLXDataSourceIntf *dataSource, int index);
    // All parts or none.
    bool perform() override;
};

// Clears and removes the rows first .. last, bottom-up.
class ORVANTA_EXPORT TPLXGanttRowsDeleteOperation : public TPLXMultipleOperations
{
public:
    TPLXGanttRowsDeleteOperation(TPLXDataSourceIntf *dataSource, int first, int last);
    // All parts or none.
    bool perform() override;
};

// Adds or deletes a PERT connection together with the Gantt dependency it
// implies between the two rows' tasks.
class ORVANTA_EXPORT TPLXPertConnectionOperation
{
public:
    // The performed Gantt part, or null when there is none.
    static std::unique_ptr<TPLXOperation> add(TPLXDataSourceIntf *dataSource, TPLXBarConnection *c);
    static std::unique_ptr<TPLXOperation> remove(TPLXDataSourceIntf *dataSource, TPLXBarConnection *c);
};

// The PERT connection add and delete operations. Undo takes back exactly what
// perform did: the Gantt dependencies it made or deleted and the change to the
// PERT connection list (a merge into, or a split of, a two-way connection
// included), and nothing else.
class ORVANTA_EXPORT TPLXPertConnectionStep : public TPLXOperation
{
public:
    bool perform() override;
    bool undo() override;
    // The Gantt dependency change the first perform made; null when it made none.
    TPLXOperation *ganttOperation() { return ganttPart().get(); }

protected:
    TPLXPertConnectionStep(TPLXDataSourceIntf *dataSource, TPLXBarConnection *conn);
    virtual std::unique_ptr<TPLXOperation> &ganttPart() = 0;
    // The first perform: changes the list and returns the performed Gantt part, if any.
    virtual std::unique_ptr<TPLXOperation> firstPerform(TPLXGanttTable *table) = 0;
    // Redo: the same change to the list as the first perform made.
    virtual void repeat(TPLXGanttTable *table) = 0;

    TPLXBarConnection *getConn() const { return conn; }
    void setConn(TPLXBarConnection *value) { conn = value; }

private:
    TPLXGanttTable::PertConnectionsState FBefore;
    TPLXBarConnection *conn;
};

// Adds a PERT connection; a connection without a parent becomes the table's.
class ORVANTA_EXPORT TPLXPertConnectionAddOperation : public TPLXPertConnectionStep
{
public:
    TPLXPertConnectionAddOperation(TPLXDataSourceIntf *dataSource, TPLXBarConnection *conn);
    ~TPLXPertConnectionAddOperation() override;

protected:
    std::unique_ptr<TPLXOperation> &ganttPart() override { return taskBarConnAddOp; }
    std::unique_ptr<TPLXOperation> firstPerform(TPLXGanttTable *table) override;
    void repeat(TPLXGanttTable *table) override;

private:
    std::unique_ptr<TPLXOperation> taskBarConnAddOp;
};

// Deletes a PERT connection (or one direction of a two-way one) with the
// Gantt dependencies between the two rows.
class ORVANTA_EXPORT TPLXPertConnectionDeleteOperation : public TPLXPertConnectionStep
{
public:
    TPLXPertConnectionDeleteOperation(TPLXDataSourceIntf *dataSource, TPLXBarConnection *conn);
    ~TPLXPertConnectionDeleteOperation() override;

protected:
    std::unique_ptr<TPLXOperation> &ganttPart() override { return taskBarConnDeleteOp; }
    std::unique_ptr<TPLXOperation> firstPerform(TPLXGanttTable *table) override;
    void repeat(TPLXGanttTable *table) override;

private:
    std::unique_ptr<TPLXOperation> taskBarConnDeleteOp;
};

// Performs `parts` in order; when one fails, undoes the performed ones in
// reverse and returns false, so a failed composite leaves nothing changed.
ORVANTA_EXPORT bool PLXPerformAll(const std::vector<std::unique_ptr<TPLXOperation>> &parts);

// The table of a data source's document; null without one.
ORVANTA_EXPORT TPLXGanttTable *PLXTableOf(TPLXDataSourceIntf *dataSource);
