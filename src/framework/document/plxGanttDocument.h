// The document root of a chart: it owns the table, tree grid, calendar,
// time-scale bands, connections, settings records and legend, answers the
// document-wide questions of TPLXDocumentSetup, repairs dependency-distance
// violations and holds the undoable connection add and delete operations.
#pragma once

#include "plxBarConnection.h"
#include "plxOperation.h"

#include <QHash>
#include <QList>

#include <functional>
#include <memory>

class TPLXDataSource;
class TPLXGanttBar;
class TPLXGanttRow;
class TPLXGanttTable;
class TPLXTimeScale;

// Asked before a connection is drawn; clearing DefaultPaint skips it.
using TPLXDrawConnectionEvent = std::function<void(TPLXBarConnection *Connection, bool &DefaultPaint)>;

class ORVANTA_EXPORT TPLXGanttDocument : public TPLXDocumentSetup
{
    Q_GADGET
    PLX_ENTITY(TPLXGanttDocument)
    Q_PROPERTY(double StartDate READ getStartDate WRITE setStartDate)
    Q_PROPERTY(double EndDate READ getEndDate WRITE setEndDate)
    Q_PROPERTY(double DateRangeStart MEMBER FDateRangeStart)
    Q_PROPERTY(double DateRangeEnd MEMBER FDateRangeEnd)
    Q_PROPERTY(bool TimeScaleUnder MEMBER FTimeScaleUnder)
    Q_PROPERTY(int DocStartX READ getDocStartX WRITE setDocStartX)
    Q_PROPERTY(bool DrawConnections MEMBER FDrawConnections)
    Q_PROPERTY(bool PrintLegend MEMBER FPrintLegend)
    Q_PROPERTY(bool PrintLegendUnder MEMBER FPrintLegendUnder)
    Q_PROPERTY(int ConnectionCount READ countConnections)

public:
    // An empty document with its two drawers; parts are set by loading.
    TPLXGanttDocument();
    ~TPLXGanttDocument() override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    // ---- TPLXDocumentSetup
    int scaleStartY(TPLXGanttObject *scale) override;
    int scaleStartUnderY(TPLXGanttObject *scale) override;
    bool getTimeScaleUnder() override { return FTimeScaleUnder; }
    int getColStartX(int column) override;
    int getTreeCellWidth(int column) override;
    int getVerticalResizePaneSize() override;
    int getTreeWidth() override;
    // Ignored when 10 pixels or fewer of the tree would stay visible beyond the resize pane.
    void setTreeStartX(int x) override;
    int getTreeStartX() override { return FTreeStartX; }
    TDateTime getStartDate() override { return FStartDate; }
    // Snaps to the start of the calendar's week, month, quarter, year or decade.
    void setStartDate(TDateTime date) override;
    TDateTime getEndDate() override { return FEndDate; }
    void setEndDate(TDateTime date) override { FEndDate = date; }
    int GetTableStartY() override;
    int getDocStartX() override { return FDocStartX; }
    void setDocStartX(int x) override { FDocStartX = x; }
    TPLXImageBarSettings *getImageBarSettings() override;
    TPLXTextSettings *getTextBarSettings() override;
    TPLXTextSettings *getHintTextSettings() override;
    void setHintTextSettings(TPLXTextSettings *settings) override;
    TPLXLegend *GetLegend() override { return FLegend; }
    TPLXGanttTable *GetTable() override { return Ftable; }
    TPLXTreeGrid *GetTree() override { return FTree; }
    TPLXDocumentCalendar *getCalendar() override { return Fcalendar; }
    TPLXTaskBarSettings *GetTaskBarSettings() override { return FTaskBarSettings; }
    TPLXTextHaloSettings *GetTextHaloSettings() override { return FTextHaloSettings; }
    TPLXProgressBarSettings *GetProgressBarSettings() override { return FProgressBarSettings; }
    TPLXConnectionSettings *GetConnectionSettings() override { return FConnectionSettings; }

    // ---- document
    int countRows() const;
    int getTreeActualWidth();

    int countConnections() const { return static_cast<int>(connections.size()); }
    TPLXBarConnection *getConnection(int i) const;
    int getConnectionIndex(TPLXBarConnection *c) const;
    // Appends `c`, makes the document its parent (and owner) and refreshes the
    // critical path; a connection already listed stays where it is.
    void addConnection(TPLXBarConnection *c);
    // As addConnection, at `index` (clamped to the list); undo uses it to restore the order.
    void insertConnection(int index, TPLXBarConnection *c);
    // Takes `c` out of the list and refreshes the critical path; nothing when it is not listed.
    // The document stays its owner, so operations that still refer to it stay valid.
    void removeConnection(TPLXBarConnection *c);
    // type -1: the first connection joining the bars in either direction;
    // otherwise the first from fromBar to toBar of that type, 4 matching every type.
    TPLXBarConnection *findConnection(TPLXGanttBar *fromBar, TPLXGanttBar *toBar, int type) const;
    // The first connection between summarizable bars of the two rows.
    TPLXBarConnection *findRowsConnection(TPLXGanttRow *fromRow, TPLXGanttRow *toRow) const;
    // Every listed connection whose from or to bar is `bar`, in the order they
    // joined the document; answered from an index, not by scanning the list.
    QList<TPLXBarConnection *> connectionsOf(const TPLXGanttBar *bar) const;
    // Keeps the bar index current when a listed connection changes its bars.
    void connectionBarsChanged(TPLXBarConnection *c, TPLXGanttBar *oldFrom, TPLXGanttBar *oldTo);

    int getScalesCount() const { return static_cast<int>(FScales.size()); }
    // Null when `i` is outside the list.
    TPLXTimeScale *getTimeScale(int i) const;
    void InsertScale(int i, TPLXTimeScale *scale);
    void DeleteScale(int i);
    void UpdateTimeScales();
    int legendStartY();
    int GetHeight();

    // Pushes every bar that now violates a dependency distance, each at most
    // once, and returns the moves performed as one composite.
    std::unique_ptr<TPLXMultipleOperations> resolveDistanceViolations(TPLXGanttBar *bar);

    TPLXDataSource *getDataSource() const { return FDataSource; }
    void setDataSource(TPLXDataSource *dataSource) { FDataSource = dataSource; }

    TPLXDrawConnectionEvent FOnDrawConnection;

    TDateTime FStartDate = 0;
    TDateTime FEndDate = 0;
    TDateTime FDateRangeStart = 0;
    TDateTime FDateRangeEnd = 0;
    bool FTimeScaleUnder = false;
    TPLXDocumentSetup *DocumentSetup = nullptr;
    TPLXDataSource *FDataSource = nullptr;
    TPLXGanttTable *Ftable = nullptr;
    TPLXDocumentCalendar *Fcalendar = nullptr;
    QList<TPLXTimeScale *> FScales;
    TPLXTextHaloSettings *FTextHaloSettings = nullptr;
    TPLXTaskBarSettings *FTaskBarSettings = nullptr;
    TPLXProgressBarSettings *FProgressBarSettings = nullptr;
    QList<TPLXBarConnection *> connections;
    TPLXTreeGrid *FTree = nullptr;
    int FTreeStartX = 0;
    TPLXConnectionSettings *FConnectionSettings = nullptr;
    int FDocStartX = 20;
    TPLXGanttObject *FImageBarSettings = nullptr;
    TPLXGanttObject *FTextBarSettings = nullptr;
    TPLXGanttObject *FHintTextSettings = nullptr;
    TPLXLegend *FLegend = nullptr;
    bool FDrawConnections = true;
    bool FPrintLegend = false;
    bool FPrintLegendUnder = true;

private:
    friend class TPLXDocumentPersistence;
    void indexConnection(TPLXBarConnection *c);
    void unindexConnection(TPLXBarConnection *c);
    void indexBar(const TPLXGanttBar *bar, TPLXBarConnection *c);
    void unindexBar(const TPLXGanttBar *bar, TPLXBarConnection *c);
    void refreshCriticalPath();

    QHash<const TPLXGanttBar *, QList<TPLXBarConnection *>> FConnectionIndex;
    std::unique_ptr<TPLXDrawer> FOwnDrawer;
    std::unique_ptr<TPLXDrawer> FOwnDrawerPert;
};

// Draws the tree grid, then, clipped to the chart, the table, the
// connections and the time scales.
class ORVANTA_EXPORT TPLXDocumentDrawer : public TPLXDrawer
{
public:
    explicit TPLXDocumentDrawer(TPLXGanttDocument *target = nullptr);
    void Draw(TPLXVisualContext &context) override;
    // The tree grid first, then the table, then the connections in list order.
    TPLXGanttObject *locateObject(int x, int y) override;

    // Connections painted by the last Draw (their route touched the visible area).
    int paintedConnections() const { return FPaintedConnections; }

private:
    TPLXGanttDocument *document() const;
    int FPaintedConnections = 0;
};

// Draws the table's PERT view and the tree grid.
class ORVANTA_EXPORT TPLXDocumentPertDrawer : public TPLXDrawer
{
public:
    explicit TPLXDocumentPertDrawer(TPLXGanttDocument *target = nullptr);
    void Draw(TPLXVisualContext &context) override;
    TPLXGanttObject *locateObject(int x, int y) override;

private:
    TPLXGanttDocument *document() const;
};

class ORVANTA_EXPORT TPLXDocumentPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Document"); }
};

// ------------------------------------------------------------ connection operations

// Adds or removes one connection with the data source's before and after
// events. Not an operation itself: the add and delete operations share it.
class ORVANTA_EXPORT TPLXConnectionOperation
{
public:
    TPLXConnectionOperation(TPLXDataSource *dataSource, TPLXBarConnection *target);

    // Fails when the "to" bar refuses connections or the before-event cancels.
    bool AddConnection();
    // Fails when the before-event cancels.
    bool DeleteConnection();

    TPLXBarConnection *target = nullptr;
    TPLXDataSource *dataSource = nullptr;

private:
    // Where DeleteConnection found the connection, so adding it back restores the order.
    int FIndex = -1;
};

// Adds a connection to the document, and joins the two rows' PERT boxes
// when they are not joined yet.
class ORVANTA_EXPORT TPLXConnectionAddOperation : public TPLXOperation
{
public:
    // The document owns `connection` once it was added; until then it is the caller's.
    TPLXConnectionAddOperation(TPLXDataSource *dataSource, TPLXBarConnection *connection);
    ~TPLXConnectionAddOperation() override;
    bool perform() override;
    bool undo() override;

    TPLXBarConnection *connection = nullptr;
    std::unique_ptr<TPLXConnectionOperation> ConnectionOp;
    std::unique_ptr<TPLXOperation> pertConnectionOp;
    TPLXDataSource *ds = nullptr;
};

// Removes a connection from the document (it stays owned by the document),
// and the PERT connection of the two rows when no other dependency joins them.
class ORVANTA_EXPORT TPLXConnectionDeleteOperation : public TPLXOperation
{
public:
    TPLXConnectionDeleteOperation(TPLXDataSource *dataSource, TPLXBarConnection *connection);
    ~TPLXConnectionDeleteOperation() override;
    bool perform() override;
    bool undo() override;

    TPLXBarConnection *connection = nullptr;
    std::unique_ptr<TPLXConnectionOperation> ConnectionOp;
    std::unique_ptr<TPLXOperation> pertConnectionOp;
    TPLXDataSource *ds = nullptr;
};
