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
#include <vector>

class TPLXDataSource;
class TPLXGanttBar;
class TPLXGanttRow;
class TPLXGanttTable;
class TPLXTimeScale;

// Asked before a connection that can reach the painted area is drawn; clearing DefaultPaint skips it.
using TPLXDrawConnectionEvent = std::function<void(TPLXBarConnection *Connection, bool &DefaultPaint)>;

class ORVANTA_EXPORT TPLXGanttDocument : public TPLXDocumentSetup
{
    Q_GADGET
    PLX_ENTITY(TPLXGanttDocument)
    Q_PROPERTY(double StartDate READ getStartDate WRITE setStartDate)
    Q_PROPERTY(double EndDate READ getEndDate WRITE setEndDate)
    Q_PROPERTY(double DateRangeStart READ getDateRangeStart WRITE setDateRangeStart)
    Q_PROPERTY(double DateRangeEnd MEMBER FDateRangeEnd)
    Q_PROPERTY(bool TimeScaleUnder READ getTimeScaleUnder WRITE setTimeScaleUnder)
    Q_PROPERTY(int DocStartX READ getDocStartX WRITE setDocStartX)
    Q_PROPERTY(bool DrawConnections READ getDrawConnections WRITE setDrawConnections)
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

    TPLXDataSourceIntf *getDataSource() const override { return FDataSource; }
    void setDataSource(TPLXDataSourceIntf *dataSource) { FDataSource = dataSource; }

    int countConnections() const override { return static_cast<int>(connections.size()); }
    TPLXBarConnection *getConnection(int i) const override;
    int getConnectionIndex(TPLXBarConnection *c) const override;
    void addConnection(TPLXBarConnection *c) override;
    void insertConnection(int index, TPLXBarConnection *c) override;
    int removeConnection(TPLXBarConnection *c) override;
    TPLXBarConnection *findConnection(TPLXGanttBar *fromBar, TPLXGanttBar *toBar, int type) const override;
    TPLXBarConnection *findRowsConnection(TPLXGanttRow *fromRow, TPLXGanttRow *toRow) const override;
    // Answered from an index, not by scanning the list.
    QList<TPLXBarConnection *> connectionsOf(const TPLXGanttBar *bar) const override;
    void connectionBarsChanged(TPLXBarConnection *c, TPLXGanttBar *oldFrom, TPLXGanttBar *oldTo) override;

    bool isGroupRow(int row) override;
    int descendantsCount(int row) override;
    int parentRowOf(int row) override;
    int treeRowCount() override;
    bool rowBandColor(int row, bool group, TColor &color) override;
    bool selectionColors(TColor &selected, TColor &focused) override;

    int getScalesCount() const { return static_cast<int>(FScales.size()); }
    // Null when `i` is outside the list.
    TPLXTimeScale *getTimeScale(int i) const;
    void InsertScale(int i, TPLXTimeScale *scale);
    void DeleteScale(int i);
    void UpdateTimeScales();
    // What a load leaves to compute: the critical path, the summary bars and the time scales.
    void refreshLoaded();
    int legendStartY();
    int GetHeight();

    // Pushes every bar that now violates a dependency distance, each at most
    // once, and returns the moves performed as one composite.
    std::unique_ptr<TPLXMultipleOperations> resolveDistanceViolations(TPLXGanttBar *bar);

    bool getDrawConnections() const { return FDrawConnections; }
    void setDrawConnections(bool value) { FDrawConnections = value; }
    const QList<TPLXBarConnection *> &getConnections() const { return connections; }
    const TPLXDrawConnectionEvent &getOnDrawConnection() const { return FOnDrawConnection; }
    void setOnDrawConnection(const TPLXDrawConnectionEvent &value) { FOnDrawConnection = value; }
    void setCalendar(TPLXDocumentCalendar *value) { Fcalendar = value; }
    void setTable(TPLXGanttTable *value) { Ftable = value; }
    TDateTime getDateRangeStart() const { return FDateRangeStart; }
    void setDateRangeStart(TDateTime value) { FDateRangeStart = value; }
    TDateTime getDateRangeEnd() const { return FDateRangeEnd; }
    void setDateRangeEnd(TDateTime value) { FDateRangeEnd = value; }
    bool getPrintLegend() const { return FPrintLegend; }
    void setPrintLegend(bool value) { FPrintLegend = value; }
    bool getPrintLegendUnder() const { return FPrintLegendUnder; }
    void setPrintLegendUnder(bool value) { FPrintLegendUnder = value; }
    void setTimeScaleUnder(bool value) { FTimeScaleUnder = value; }
    void setTree(TPLXTreeGrid *value) { FTree = value; }

private:
    friend class TPLXDocumentPersistence;
    friend class TPLXDocumentDrawer;
    // A listed connection by the rows of its two bars.
    struct TConnectionSpan
    {
        int lo = 0;
        int hi = 0;
        int position = 0;
        // A start-finish detour can run along the table's top edge from rows far below.
        bool reachesTop = false;
    };
    // The connections, in list order, whose route can reach rows first .. last;
    // the others stay above first (hidden) or start below last.
    std::vector<TPLXBarConnection *> connectionsNear(int first, int last);
    void rebuildConnectionSpans();
    // After a paint: forgets the routes of the connections the paint did not route again.
    void keepRoutes(std::vector<TPLXBarConnection *> routed);
    static void forgetRoute(TPLXBarConnection *c);
    void indexConnection(TPLXBarConnection *c);
    void unindexConnection(TPLXBarConnection *c);
    void indexBar(TPLXGanttBar *bar, TPLXBarConnection *c);
    void unindexBar(TPLXGanttBar *bar, TPLXBarConnection *c);
    void refreshCriticalPath();
    // Whether `c` is in the list, answered from the index.
    bool isListed(const TPLXBarConnection *c) const;
    // The list position of `c`, or -1.
    qsizetype positionOf(const TPLXBarConnection *c) const;

    // Connections spanning few rows, sorted by their first row, and all the others.
    std::vector<TConnectionSpan> FShortSpans;
    std::vector<TConnectionSpan> FOtherSpans;
    quint64 FSpansGeneration = 0;
    const TPLXGanttTable *FSpansTable = nullptr;
    // The listed connections the last paint routed, in list order: the only ones with a route.
    std::vector<TPLXBarConnection *> FRouted;
    // While distance repair runs: the connections appended to the list, in order.
    QList<TPLXBarConnection *> *FAppended = nullptr;
    std::unique_ptr<TPLXDrawer> FOwnDrawer;
    std::unique_ptr<TPLXDrawer> FOwnDrawerPert;
    TPLXDrawConnectionEvent FOnDrawConnection;
    TDateTime FStartDate = 0;
    TDateTime FEndDate = 0;
    TDateTime FDateRangeStart = 0;
    TDateTime FDateRangeEnd = 0;
    bool FTimeScaleUnder = false;
    TPLXDocumentSetup *DocumentSetup = nullptr;
    TPLXDataSourceIntf *FDataSource = nullptr;
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

// Loads a document that can always be drawn: a missing calendar or table,
// and a named task tree that is missing, become the built-in ones (with a
// message), and tree and table rows are made to match one to one.
class ORVANTA_EXPORT TPLXDocumentPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Document"); }
};
