// Dependency connections between two bars: the connection entity with its
// four attachment types, working-day distance and violation test, the
// connector routing and hit test in the Gantt and PERT views, and its
// persistence ("Bar Connection").
#pragma once

#include "plxGanttObject.h"
#include "plxOperation.h"
#include "plxVisualContext.h"

#include <vector>

class TPLXGanttBar;
class TPLXGanttRow;
class TPLXGanttTable;

// Bumped whenever a connection's rows or kind may have changed (bars added to
// or removed from rows, rows renumbered, a connection's bars or type set), so
// indexes of connections by row know when to rebuild.
ORVANTA_EXPORT quint64 PLXConnectionRowsGeneration();
ORVANTA_EXPORT void PLXConnectionRowsChanged();

// A dependency from an origin bar to a target bar, each attached at its
// start or end, with a required distance in working days. The bars belong
// to their rows; a connection only refers to them.
class ORVANTA_EXPORT TPLXBarConnection : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY(TPLXBarConnection)
    Q_PROPERTY(TPLXGanttObject *origin READ originObject)
    Q_PROPERTY(TPLXGanttObject *target READ targetObject)
    Q_PROPERTY(int connType READ getConnType WRITE setConnType)
    Q_PROPERTY(int minDistance READ getMinDistance WRITE setMinDistance)
    Q_PROPERTY(bool distanceFixed READ getDistanceFixed WRITE setDistanceFixed)
    Q_PROPERTY(bool workingDays READ getWorkingDays WRITE setWorkingDays)
    Q_PROPERTY(bool drawOnSingleRow READ getDrawOnSingleRow WRITE setDrawOnSingleRow)
    Q_PROPERTY(bool criticalElement READ getCriticalElement WRITE setCriticalElement)
    Q_PROPERTY(double duration READ getDuration)
    Q_PROPERTY(double effectiveDuration READ getEffectiveDuration)

public:
    enum TPLXConnectionType { ctFinishFinish = 0, ctFinishStart = 1, ctStartFinish = 2, ctStartStart = 3 };

    // No bars, finish-start, distance 0, every flag false.
    TPLXBarConnection();
    // The given bars (not owned), type and document root; distance 0, every flag false.
    TPLXBarConnection(TPLXGanttBar *fromBar, TPLXGanttBar *toBar, int connType, TPLXDocumentSetup *root);
    ~TPLXBarConnection() override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;
    // The drawers are made when first asked for.
    TPLXDrawer *getDrawer(TPLXViewType viewType) const override;

    TPLXGanttBar *getFromBar() const { return barFrom; }
    TPLXGanttBar *getToBar() const { return barTo; }
    // A connection inside a document keeps the document's bar index current.
    void setFromBar(TPLXGanttBar *bar);
    void setToBar(TPLXGanttBar *bar);

    int getConnType() const { return connType; }
    void setConnType(int type)
    {
        connType = type;
        PLXConnectionRowsChanged();
    }
    // True when the origin is attached at the origin bar's start.
    bool getOriginType() const { return (connType & originTypeBit) != 0; }
    // True when the target is attached at the target bar's start.
    bool getTargetType() const { return (connType & targetTypeBit) != 0; }
    void setOriginType(bool atStart);
    void setTargetType(bool atStart);

    // The attachment dates: start or end of each bar as the type bits say.
    TDateTime originPoint() const;
    TDateTime targetPoint() const;
    // Target point minus origin point in calendar days.
    TDateTime getDuration() const;
    // Working time between the two points, never negative; needs a parent.
    TDateTime getEffectiveDuration();
    // Working days by which the target must move for the distance to hold:
    // positive when it is too early, negative (fixed distances only) when too late.
    qint32 findViolationOffset();

    TPLXGanttObject *originObject() const;
    TPLXGanttObject *targetObject() const;

    qint32 getMinDistance() const { return FMinDistance; }
    void setMinDistance(qint32 distance) { FMinDistance = distance; }
    bool getDistanceFixed() const { return FDistanceFixed; }
    void setDistanceFixed(bool fixed) { FDistanceFixed = fixed; }

    void setBarFrom(TPLXGanttBar *value)
    {
        barFrom = value;
        PLXConnectionRowsChanged();
    }
    void setBarTo(TPLXGanttBar *value)
    {
        barTo = value;
        PLXConnectionRowsChanged();
    }
    bool getDrawOnSingleRow() const { return FDrawOnSingleRow; }
    void setDrawOnSingleRow(bool value) { FDrawOnSingleRow = value; }
    bool getCriticalElement() const { return FCriticalElement; }
    void setCriticalElement(bool value) { FCriticalElement = value; }
    bool getWorkingDays() const { return FWorkingDays; }
    void setWorkingDays(bool value) { FWorkingDays = value; }

private:
    friend class TPLXBarConnectionPersistence;
    friend class TPLXGanttDocument;
    // A connection about to be loaded: its persistence comes from the store.
    struct Loading
    {
    };
    explicit TPLXBarConnection(Loading);
    void createParts();
    void barsChanged(TPLXGanttBar *oldFrom, TPLXGanttBar *oldTo);

    std::unique_ptr<TPLXDrawer> FOwnDrawer;
    std::unique_ptr<TPLXDrawer> FOwnDrawerPert;
    // Bit of connType set when the origin is attached at the origin bar's start.
    static constexpr int originTypeBit = 2;
    // Bit of connType set when the target is attached at the target bar's start.
    static constexpr int targetTypeBit = 1;
    TPLXGanttBar *barFrom = nullptr;
    TPLXGanttBar *barTo = nullptr;
    qint32 connType = ctFinishStart;
    qint32 FMinDistance = 0;
    bool FDistanceFixed = false;
    // Stored only; every computation measures in working days.
    bool FWorkingDays = false;
    bool FDrawOnSingleRow = false;
    // Set by the critical-path calculation.
    bool FCriticalElement = false;
    // While distance repair runs: the connection's place in the list, counted on past the end for re-listed ones.
    qint64 FRepairPlace = -1;
};

// One recorded hit segment: an axis-parallel line as its extent.
struct TPLXConnectorSegment
{
    int minX = 0;
    int maxX = 0;
    int minY = 0;
    int maxY = 0;
    friend constexpr bool operator==(const TPLXConnectorSegment &, const TPLXConnectorSegment &) = default;
};

// One piece of a routed connector, in the order it is painted.
struct TPLXConnectorPiece
{
    enum Kind { pkLine, pkHorzArrow, pkVertArrow };
    Kind kind = pkLine;
    // Lines: (x1, y1)-(x2, y2). Horizontal arrows: y1 = y2, from x1 to x2.
    // Vertical arrows: x1 = x2, from y1 to y2.
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

// Routes, paints and hit-tests a connector in the Gantt view. Routing and
// painting are separate steps, so the document can skip connectors whose
// route misses the visible area.
class ORVANTA_EXPORT TPLXBarConnectionDrawer : public TPLXDrawer
{
public:
    explicit TPLXBarConnectionDrawer(TPLXBarConnection *target = nullptr);
    ~TPLXBarConnectionDrawer() override;

    // Routes the connector and paints it.
    void Draw(TPLXVisualContext &context) override;
    TPLXGanttObject *locateObject(int x, int y) override;
    // Stores the flag and passes it to the Gantt drawers of both bars.
    void setHighlighted(bool on) override;
    bool supportsHighlighting() const override { return true; }
    // The bounding box of the last route (empty when nothing was routed).
    TRect getRect() const override;

    // Origin point strictly before the target point.
    bool isLeftToRight() const;

    // Computes the pieces, segments, colour and pen of the connector without
    // painting; false when nothing is to be drawn.
    virtual bool route();
    // Paints the pieces of the last route.
    void paintRoute(TPLXVisualContext &context) const;
    // Drops the last route, so a connector that was not routed again is not hit either.
    void clearRoute();

    const std::vector<TPLXConnectorSegment> &getSegments() const { return segments; }
    const std::vector<TPLXConnectorPiece> &getPieces() const { return pieces; }
    TColor routeColor() const { return FColor; }
    TPenStyle routePenStyle() const { return FPenStyle; }

protected:
    TPLXBarConnection *connection() const;
    void addLine(int x1, int y1, int x2, int y2);
    void addHorzArrow(int y, int x1, int x2);
    void addVertArrow(int x, int y1, int y2);
    // Records a hit segment without painting anything.
    void addSegment(int x1, int y1, int x2, int y2);

    std::vector<TPLXConnectorSegment> segments;
    std::vector<TPLXConnectorPiece> pieces;
    TColor FColor = 0;
    TPenStyle FPenStyle = psSolid;

private:
    // Length in pixels of the origin lead-out line and of the target arrow.
    static constexpr int stubLength = 10;
    // How far from a segment a point still hits it.
    static constexpr int hitTolerance = 4;
    // The current x of the two ends while routing.
    int fromX = 0;
    int toX = 0;
};

// Routes a connector between two boxes of the PERT view.
class ORVANTA_EXPORT TPLXBarConnectionPertDrawer : public TPLXBarConnectionDrawer
{
public:
    explicit TPLXBarConnectionPertDrawer(TPLXBarConnection *target = nullptr);

    bool route() override;
};

class ORVANTA_EXPORT TPLXBarConnectionPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Bar Connection"); }
};

// ------------------------------------------------------------ connection operations

// Adds or removes one connection with the data source's before and after
// events. Not an operation itself: the add and delete operations share it.
class ORVANTA_EXPORT TPLXConnectionOperation
{
public:
    TPLXConnectionOperation(TPLXDataSourceIntf *dataSource, TPLXBarConnection *target);

    // Fails when the "to" bar refuses connections or the before-event cancels.
    bool AddConnection();
    // Fails when the before-event cancels.
    bool DeleteConnection();

private:
    TPLXBarConnection *target = nullptr;
    TPLXDataSourceIntf *dataSource = nullptr;
    // Where DeleteConnection found the connection, so adding it back restores the order.
    int FIndex = -1;
};

// Adds a connection to the document, and joins the two rows' PERT boxes
// when they are not joined yet.
class ORVANTA_EXPORT TPLXConnectionAddOperation : public TPLXOperation
{
public:
    // The document owns `connection` once it was added; until then it is the caller's.
    TPLXConnectionAddOperation(TPLXDataSourceIntf *dataSource, TPLXBarConnection *connection);
    ~TPLXConnectionAddOperation() override;
    bool perform() override;
    bool undo() override;

private:
    TPLXBarConnection *connection = nullptr;
    TPLXConnectionOperation ConnectionOp;
    std::unique_ptr<TPLXOperation> pertConnectionOp;
    TPLXDataSourceIntf *ds = nullptr;
};

// Removes a connection from the document (it stays owned by the document),
// and the PERT connection of the two rows when no other dependency joins them.
class ORVANTA_EXPORT TPLXConnectionDeleteOperation : public TPLXOperation
{
public:
    TPLXConnectionDeleteOperation(TPLXDataSourceIntf *dataSource, TPLXBarConnection *connection);
    ~TPLXConnectionDeleteOperation() override;
    bool perform() override;
    bool undo() override;

private:
    TPLXBarConnection *connection = nullptr;
    TPLXConnectionOperation ConnectionOp;
    std::unique_ptr<TPLXOperation> pertConnectionOp;
    TPLXDataSourceIntf *ds = nullptr;
};
