#include "plxBarConnection.h"
#include "plxBarSettings.h"
#include "plxDocumentCalendar.h"
#include "plxEntityFactory.h"
#include "plxGanttBar.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxMedia.h"
#include "plxPertBar.h"
#include "plxPlatform.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

const TPLXKindRegistration<TPLXBarConnectionPersistence> registration("Bar Connection");

quint64 &rowsGeneration()
{
    static quint64 value = 1;
    return value;
}

// The document above `object`, or null when its topmost ancestor is none.
TPLXDocumentSetup *documentOf(TPLXGanttObject *object)
{
    try {
        return object->GetDocumentSetup();
    } catch (const EPLXInvalidCast &) {
        return nullptr;
    }
}

// Rows hidden above the visible part route their pieces to this y.
constexpr int kHiddenAboveY = -10;
constexpr int kHiddenAboveDetourY = -50;

qint32 clampToInt(double value)
{
    if (!(value == value))
        return 0;
    return static_cast<qint32>(std::clamp(value, static_cast<double>(std::numeric_limits<qint32>::min()),
                                          static_cast<double>(std::numeric_limits<qint32>::max())));
}

} // namespace

quint64 PLXConnectionRowsGeneration()
{
    return rowsGeneration();
}

void PLXConnectionRowsChanged()
{
    ++rowsGeneration();
}

// ------------------------------------------------------------ TPLXBarConnection

TPLXBarConnection::TPLXBarConnection()
{
    createParts();
}

TPLXBarConnection::TPLXBarConnection(TPLXGanttBar *fromBar, TPLXGanttBar *toBar, int type, TPLXDocumentSetup *root)
    : barFrom(fromBar)
    , barTo(toBar)
    , connType(type)
{
    FRoot = root;
    createParts();
}

TPLXBarConnection::TPLXBarConnection(Loading)
{
}

TPLXBarConnection::~TPLXBarConnection() = default;

void TPLXBarConnection::createParts()
{
    adoptPersistence(std::make_unique<TPLXBarConnectionPersistence>());
}

TPLXDrawer *TPLXBarConnection::getDrawer(TPLXViewType viewType) const
{
    // A plan holds about twice as many connections as bars; most are never drawn.
    if (!FOwnDrawer) {
        auto *self = const_cast<TPLXBarConnection *>(this);
        self->FOwnDrawer = std::make_unique<TPLXBarConnectionDrawer>(self);
        self->FOwnDrawerPert = std::make_unique<TPLXBarConnectionPertDrawer>(self);
        self->FDrawer = FOwnDrawer.get();
        self->FDrawerPert = FOwnDrawerPert.get();
    }
    return TPLXGanttObject::getDrawer(viewType);
}

void TPLXBarConnection::setFromBar(TPLXGanttBar *bar)
{
    TPLXGanttBar *const old = barFrom;
    barFrom = bar;
    barsChanged(old, barTo);
}

void TPLXBarConnection::setToBar(TPLXGanttBar *bar)
{
    TPLXGanttBar *const old = barTo;
    barTo = bar;
    barsChanged(barFrom, old);
}

void TPLXBarConnection::barsChanged(TPLXGanttBar *oldFrom, TPLXGanttBar *oldTo)
{
    PLXConnectionRowsChanged();
    if (auto *document = dynamic_cast<TPLXDocumentSetup *>(getParent()))
        document->connectionBarsChanged(this, oldFrom, oldTo);
}

void TPLXBarConnection::setOriginType(bool atStart)
{
    connType = atStart ? (connType | originTypeBit) : (connType & ~originTypeBit);
    PLXConnectionRowsChanged();
}

void TPLXBarConnection::setTargetType(bool atStart)
{
    connType = atStart ? (connType | targetTypeBit) : (connType & ~targetTypeBit);
    PLXConnectionRowsChanged();
}

TDateTime TPLXBarConnection::originPoint() const
{
    if (!barFrom)
        return 0;
    return getOriginType() ? barFrom->getStartDate() : barFrom->getEndDate();
}

TDateTime TPLXBarConnection::targetPoint() const
{
    if (!barTo)
        return 0;
    return getTargetType() ? barTo->getStartDate() : barTo->getEndDate();
}

TDateTime TPLXBarConnection::getDuration() const
{
    return targetPoint() - originPoint();
}

TDateTime TPLXBarConnection::getEffectiveDuration()
{
    PLX_ASSERT(getParent() != nullptr);
    TDateTime o = originPoint();
    TDateTime t = targetPoint();
    if (o > t)
        std::swap(o, t);
    TPLXDocumentSetup *document = documentOf(this);
    PLX_ASSERT(document && document->getCalendar());
    return document->getCalendar()->diffEffective(o, t);
}

qint32 TPLXBarConnection::findViolationOffset()
{
    if (!barFrom || !barTo || !barFrom->isSummarizable() || !barTo->isSummarizable())
        return 0;
    if (!getParent())
        return 0;
    TPLXDocumentSetup *document = documentOf(this);
    TPLXDocumentCalendar *calendar = document ? document->getCalendar() : nullptr;
    if (!calendar)
        return 0;
    const TDateTime o = originPoint();
    const TDateTime t = targetPoint();
    // Halves round to the even neighbour.
    const qint32 actual = clampToInt(std::nearbyint(calendar->diffEffective(o, t)));
    const qint64 offset = static_cast<qint64>(FMinDistance) - actual;
    if (offset < 0 && !FDistanceFixed)
        return 0;
    return clampToInt(static_cast<double>(offset));
}

TPLXGanttObject *TPLXBarConnection::originObject() const
{
    return barFrom;
}

TPLXGanttObject *TPLXBarConnection::targetObject() const
{
    return barTo;
}

void TPLXBarConnection::doSave(const QString &, IPLXMedia &media, TPLXEntityFactory &factory)
{
    const QString uid = getUID();
    media.setStrProperty(uid, QStringLiteral("typeID"), QStringLiteral("Bar Connection"));
    if (barFrom && barTo) {
        TPLXPersistence::saveChild(uid, QStringLiteral("from"), barFrom, media, factory);
        TPLXPersistence::saveChild(uid, QStringLiteral("to"), barTo, media, factory);
    }
    media.setIntProperty(uid, QStringLiteral("type"), connType);
    media.setIntProperty(uid, QStringLiteral("distance"), FMinDistance);
    media.setBoolProperty(uid, QStringLiteral("distanceFixed"), FDistanceFixed);
    media.setBoolProperty(uid, QStringLiteral("distnaceDaysWorking"), FWorkingDays);
}

// ------------------------------------------------------------ persistence

std::unique_ptr<TPLXGanttObject> TPLXBarConnectionPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                      TPLXEntityFactory &factory)
{
    std::unique_ptr<TPLXBarConnection> connection(new TPLXBarConnection(TPLXBarConnection::Loading{}));
    // Made without a persistence object of its own: the one loading it becomes it.
    connection->barFrom = loadChildAs<TPLXGanttBar>(QStringLiteral("from"), media, factory, connection.get());
    connection->barTo = loadChildAs<TPLXGanttBar>(QStringLiteral("to"), media, factory, connection.get());
    connection->connType = media.intValueIn(name, QStringLiteral("type"), TPLXBarConnection::ctFinishFinish,
                                            TPLXBarConnection::ctFinishFinish, TPLXBarConnection::ctStartStart);

    qint32 distance = 0;
    if (media.getIntProperty(name, QStringLiteral("distance"), 0, distance)) {
        // The store quietly falls back to the default; say so, since a lost distance changes the plan.
        const QString text = media.strValue(name, QStringLiteral("distance"), QString());
        qint32 parsed = 0;
        if (!PLXTryStrToInt(text, parsed))
            PLXLog(
                QStringLiteral("Bar Connection \"%1\": distance \"%2\" is not a number; 0 is used").arg(name, text));
    }
    connection->FMinDistance = distance;
    if (const qint32 limit = static_cast<qint32>(PLXLimits::kMaxDuration); std::abs(distance) > limit) {
        connection->FMinDistance = std::clamp(distance, -limit, limit);
        PLXLog(QStringLiteral("Key \"distance\" in section \"%1\" is %2; using %3")
                   .arg(name)
                   .arg(distance)
                   .arg(connection->FMinDistance));
    }
    connection->FDistanceFixed = media.boolValue(name, QStringLiteral("distanceFixed"), true);
    connection->FWorkingDays = media.boolValue(name, QStringLiteral("distnaceDaysWorking"), true);
    return connection;
}

// ------------------------------------------------------------ Gantt drawer

TPLXBarConnectionDrawer::TPLXBarConnectionDrawer(TPLXBarConnection *target)
    : TPLXDrawer(target)
{
}

TPLXBarConnectionDrawer::~TPLXBarConnectionDrawer() = default;

TPLXBarConnection *TPLXBarConnectionDrawer::connection() const
{
    return static_cast<TPLXBarConnection *>(target);
}

void TPLXBarConnectionDrawer::clearRoute()
{
    segments.clear();
    pieces.clear();
    FPenStyle = psSolid;
}

void TPLXBarConnectionDrawer::addSegment(int x1, int y1, int x2, int y2)
{
    segments.push_back({std::min(x1, x2), std::max(x1, x2), std::min(y1, y2), std::max(y1, y2)});
}

void TPLXBarConnectionDrawer::addLine(int x1, int y1, int x2, int y2)
{
    pieces.push_back({TPLXConnectorPiece::pkLine, x1, y1, x2, y2});
    addSegment(x1, y1, x2, y2);
}

void TPLXBarConnectionDrawer::addHorzArrow(int y, int x1, int x2)
{
    pieces.push_back({TPLXConnectorPiece::pkHorzArrow, x1, y, x2, y});
    addSegment(x1, y, x2, y);
}

void TPLXBarConnectionDrawer::addVertArrow(int x, int y1, int y2)
{
    pieces.push_back({TPLXConnectorPiece::pkVertArrow, x, y1, x, y2});
    addSegment(x, y1, x, y2);
}

bool TPLXBarConnectionDrawer::isLeftToRight() const
{
    const TPLXBarConnection *c = connection();
    return c && c->originPoint() < c->targetPoint();
}

bool TPLXBarConnectionDrawer::route()
{
    clearRoute();
    TPLXBarConnection *c = connection();
    if (!c)
        return false;
    TPLXGanttBar *from = c->getFromBar();
    TPLXGanttBar *to = c->getToBar();
    TPLXDocumentSetup *document = documentOf(c);
    if (!from || !to || from == to || !document)
        return false;
    TPLXConnectionSettings *settings = document->GetConnectionSettings();
    TPLXGanttTable *table = document->GetTable();
    if (!settings || !settings->getShowConnections() || !table)
        return false;
    // A bar that lies in no row of this table has no place on the chart.
    if (!from->getParentRow() || !to->getParentRow())
        return false;

    const TDateTime docStart = document->getStartDate();
    const TDateTime docEnd = document->getEndDate();
    if (from->getEndDate() < docStart && to->getEndDate() < docStart)
        return false;
    if (from->getStartDate() > docEnd && to->getStartDate() > docEnd)
        return false;

    const TRect fromRect = from->getRect(docStart);
    const TRect toRect = to->getRect(docStart);
    const bool originAtStart = c->getOriginType();
    const bool targetAtStart = c->getTargetType();
    fromX = originAtStart ? fromRect.Left : fromRect.Right;
    toX = targetAtStart ? toRect.Left : toRect.Right;

    const int rowFrom = from->getRow();
    const int rowTo = to->getRow();
    const TPLXGanttRow *originRow = table->getRow(rowFrom);
    const TPLXGanttRow *targetRow = table->getRow(rowTo);
    if (!originRow || !targetRow)
        return false;
    if (!originRow->IsVisible() && !targetRow->IsVisible())
        return false;
    const int scrolled = table->getScrolledLines();
    const bool fromHiddenAbove = !originRow->IsVisible() && rowFrom < scrolled;
    const bool toHiddenAbove = !targetRow->IsVisible() && rowTo < scrolled;
    if (rowFrom == rowTo && !c->getDrawOnSingleRow())
        return false;

    const int y1 = (table->getRowStartY(rowFrom) + table->getRowStartY(rowFrom + 1)) / 2;
    const int y2 = (table->getRowStartY(rowTo) + table->getRowStartY(rowTo + 1)) / 2;
    if (y1 == y2 && fromX == toX)
        return false;
    int hdir = fromX > toX ? -1 : 1;
    const int vdir = y1 > y2 ? -1 : 1;

    if (c->getCriticalElement())
        FColor = table->getCriticalPathColor();
    else if (isHighLighted())
        FColor = settings->getColorHighlighted();
    else
        FColor = settings->getColor(c->getConnType());
    FPenStyle = c->findViolationOffset() != 0 ? psDash : psSolid;

    // The short lead-out line at the origin, away from the bar.
    const int stubY = fromHiddenAbove ? kHiddenAboveY : y1;
    const int stubEnd = originAtStart ? fromX - stubLength : fromX + stubLength;
    addLine(fromX, stubY, stubEnd, stubY);
    fromX = stubEnd;

    // The target starts exactly where the origin ends: drop straight onto it.
    if (c->getConnType() == TPLXBarConnection::ctFinishStart && hdir > 0 && from->getEndDate() == to->getStartDate()) {
        addVertArrow(fromX, y1, vdir > 0 ? toRect.Top : toRect.Bottom);
        return true;
    }

    const int arrowStart = targetAtStart ? toX - stubLength : toX + stubLength;
    if (toHiddenAbove)
        addSegment(arrowStart, kHiddenAboveY, toX, kHiddenAboveY);
    else
        addHorzArrow(y2, arrowStart, toX);
    toX = arrowStart;

    if (hdir > 0 && fromX > toX)
        hdir = -1;
    else if (hdir < 0 && fromX < toX)
        hdir = 1;

    const auto rowStart = [table](int row) { return table->getRowStartY(row); };
    const auto rowCentre = [table](int row) {
        row = std::clamp(row, 0, std::max(0, table->countRows() - 1));
        return table->getRowStartY(row) + table->getRowHeight(row) / 2;
    };

    int ym;
    if ((hdir > 0 && !originAtStart) || (hdir < 0 && originAtStart))
        ym = fromHiddenAbove ? kHiddenAboveY : rowCentre(rowFrom);
    else
        ym = toHiddenAbove ? kHiddenAboveY : rowCentre(rowTo);
    // These two turn back: the middle run goes between the rows.
    if ((c->getConnType() == TPLXBarConnection::ctStartFinish && hdir > 0) ||
        (c->getConnType() == TPLXBarConnection::ctFinishStart && hdir < 0)) {
        if (std::abs(rowFrom - rowTo) == 1) {
            if (vdir > 0)
                ym = toHiddenAbove ? kHiddenAboveY : rowStart(rowTo);
            else
                ym = fromHiddenAbove ? kHiddenAboveY : rowStart(rowFrom);
        } else if (hdir < 0) {
            ym = toHiddenAbove ? kHiddenAboveDetourY : rowCentre(rowTo - vdir);
        } else {
            ym = rowCentre(rowFrom + vdir);
            if (ym > fromRect.Top && ym < fromRect.Bottom)
                ym = kHiddenAboveY;
        }
    }

    if (fromHiddenAbove && originAtStart) {
        addLine(fromX, 0, fromX, ym);
        addLine(toX, y2, toX, ym);
        addLine(fromX, ym, toX, ym);
    } else if (fromHiddenAbove) {
        addLine(toX, y2, toX, 0);
    } else {
        addLine(fromX, y1, fromX, ym);
        addLine(toX, y2, toX, ym);
        addLine(fromX, ym, toX, ym);
    }
    return true;
}

void TPLXBarConnectionDrawer::paintRoute(TPLXVisualContext &context) const
{
    if (pieces.empty())
        return;
    context.setDrawingColor(FColor);
    context.setPenStyle(FPenStyle);
    for (const TPLXConnectorPiece &piece : pieces) {
        switch (piece.kind) {
        case TPLXConnectorPiece::pkLine:
            context.drawLine(piece.x1, piece.y1, piece.x2, piece.y2);
            break;
        case TPLXConnectorPiece::pkHorzArrow:
            context.drawHorzArrow(piece.y1, piece.x1, piece.x2);
            break;
        case TPLXConnectorPiece::pkVertArrow:
            context.drawVertArrow(piece.x1, piece.y1, piece.y2);
            break;
        }
    }
    context.setPenStyle(psSolid);
}

void TPLXBarConnectionDrawer::Draw(TPLXVisualContext &context)
{
    if (route())
        paintRoute(context);
}

TRect TPLXBarConnectionDrawer::getRect() const
{
    if (pieces.empty())
        return TRect{};
    TRect box{std::numeric_limits<int>::max(), std::numeric_limits<int>::max(), std::numeric_limits<int>::min(),
              std::numeric_limits<int>::min()};
    for (const TPLXConnectorPiece &piece : pieces) {
        box.Left = std::min({box.Left, piece.x1, piece.x2});
        box.Right = std::max({box.Right, piece.x1, piece.x2});
        box.Top = std::min({box.Top, piece.y1, piece.y2});
        box.Bottom = std::max({box.Bottom, piece.y1, piece.y2});
    }
    // Room for the arrow heads and the exclusive right and bottom edges.
    constexpr int margin = 2 * PLX_ARROW_SIZE + 1;
    return {box.Left - margin, box.Top - margin, box.Right + margin, box.Bottom + margin};
}

TPLXGanttObject *TPLXBarConnectionDrawer::locateObject(int x, int y)
{
    for (const TPLXConnectorSegment &s : segments) {
        if (s.minY == s.maxY) {
            if (std::abs(s.minY - y) <= hitTolerance && s.minX <= x && x <= s.maxX)
                return target;
        } else if (s.minX == s.maxX) {
            if (std::abs(s.minX - x) <= hitTolerance && s.minY <= y && y <= s.maxY)
                return target;
        }
    }
    return nullptr;
}

void TPLXBarConnectionDrawer::setHighlighted(bool on)
{
    TPLXDrawer::setHighlighted(on);
    TPLXBarConnection *c = connection();
    if (!c)
        return;
    if (c->getToBar())
        if (TPLXDrawer *drawer = c->getToBar()->getDrawer(vtGanttGraph))
            drawer->setHighlighted(on);
    if (c->getFromBar())
        if (TPLXDrawer *drawer = c->getFromBar()->getDrawer(vtGanttGraph))
            drawer->setHighlighted(on);
}

// ------------------------------------------------------------ PERT drawer

TPLXBarConnectionPertDrawer::TPLXBarConnectionPertDrawer(TPLXBarConnection *target)
    : TPLXBarConnectionDrawer(target)
{
}

bool TPLXBarConnectionPertDrawer::route()
{
    TPLXBarConnection *c = connection();
    if (!c || c->getFromBar() == c->getToBar())
        return false;
    clearRoute();
    if (!c->getFromBar() || !c->getToBar())
        return false;
    TPLXDrawer *fromDrawer = c->getFromBar()->getDrawer(vtPertGraph);
    TPLXDrawer *toDrawer = c->getToBar()->getDrawer(vtPertGraph);
    if (!fromDrawer || !toDrawer)
        return false;
    const TRect a = fromDrawer->getRect();
    const TRect b = toDrawer->getRect();
    // The arrow stops in front of the target box's border.
    const TPLXPertBar *targetBox = c->getToBar()->asPertBar();
    const int gap = targetBox && targetBox->getSettings() ? targetBox->getSettings()->getBorderThickness() : 0;
    const bool twoWay = c->getConnType() == TPLXBarConnection::ctFinishStart;

    if (isHighLighted()) {
        FColor = 0x0000FF;
    } else {
        TPLXDocumentSetup *document = documentOf(c);
        TPLXConnectionSettings *settings = document ? document->GetConnectionSettings() : nullptr;
        FColor = settings ? settings->getColorFF() : 0;
    }
    FPenStyle = psSolid;

    const bool aAbove = a.Bottom <= b.Top;
    const bool bAbove = b.Bottom <= a.Top;
    if (!aAbove && !bAbove) {
        const int y1 = (a.Top + a.Bottom) / 2;
        const int y2 = (b.Top + b.Bottom) / 2;
        int x1, x2;
        if (a.Left > b.Right) {
            x1 = a.Left;
            x2 = b.Right;
        } else {
            x1 = a.Right;
            x2 = b.Left;
        }
        x2 += x2 < x1 ? gap : (x2 > x1 ? -gap : 0);
        const int xm = (x1 + x2) / 2;
        if (twoWay)
            addHorzArrow(y1, xm, x1);
        else
            addLine(x1, y1, xm, y1);
        addLine(xm, y1, xm, y2);
        addHorzArrow(y2, xm, x2);
    } else {
        const int x1 = (a.Left + a.Right) / 2;
        const int x2 = (b.Left + b.Right) / 2;
        int y1, y2;
        if (a.Top > b.Bottom) {
            y1 = a.Top;
            y2 = b.Bottom;
        } else {
            y1 = a.Bottom;
            y2 = b.Top;
        }
        y2 += y2 < y1 ? gap : (y2 > y1 ? -gap : 0);
        const int ym = (y1 + y2) / 2;
        if (twoWay)
            addVertArrow(x1, ym, y1);
        else
            addLine(x1, y1, x1, ym);
        addLine(x1, ym, x2, ym);
        addVertArrow(x2, ym, y2);
    }
    return true;
}

// ------------------------------------------------------------ connection operations

TPLXConnectionOperation::TPLXConnectionOperation(TPLXDataSourceIntf *dataSource, TPLXBarConnection *target)
    : target(target)
    , dataSource(dataSource)
{
}

bool TPLXConnectionOperation::AddConnection()
{
    if (!target || !target->getFromBar() || !target->getToBar() || !target->getToBar()->acceptConnections())
        return false;
    TPLXDocumentSetup *document = dataSource ? dataSource->documentSetup() : nullptr;
    if (!document)
        return false;
    if (dataSource->getOnBeforeConnectionAdd()) {
        bool cancel = false;
        dataSource->getOnBeforeConnectionAdd()(target, cancel);
        if (cancel)
            return false;
    }
    if (FIndex >= 0)
        document->insertConnection(FIndex, target);
    else
        document->addConnection(target);
    if (dataSource->getOnAfterConnectionAdd())
        dataSource->getOnAfterConnectionAdd()(target);
    return true;
}

bool TPLXConnectionOperation::DeleteConnection()
{
    TPLXDocumentSetup *document = dataSource ? dataSource->documentSetup() : nullptr;
    if (!target || !document)
        return false;
    if (dataSource->getOnBeforeConnectionDelete()) {
        bool cancel = false;
        dataSource->getOnBeforeConnectionDelete()(target, cancel);
        if (cancel)
            return false;
    }
    FIndex = document->removeConnection(target);
    if (dataSource->getOnAfterConnectionDelete())
        dataSource->getOnAfterConnectionDelete()(target);
    return true;
}

TPLXConnectionAddOperation::TPLXConnectionAddOperation(TPLXDataSourceIntf *dataSource, TPLXBarConnection *connection)
    : TPLXOperation(dataSource)
    , connection(connection)
    , ConnectionOp(dataSource, connection)
    , ds(dataSource)
{
}

TPLXConnectionAddOperation::~TPLXConnectionAddOperation() = default;

namespace {

struct RowsOfConnection
{
    TPLXGanttRow *from = nullptr;
    TPLXGanttRow *to = nullptr;
    TPLXGanttTable *table = nullptr;
    TPLXDocumentSetup *document = nullptr;
};

// The rows the two bars of a dependency lie in, when the PERT side is to follow it:
// the target counts for summaries and the bars lie in different rows.
std::optional<RowsOfConnection> pertRows(TPLXDataSourceIntf *dataSource, TPLXBarConnection *connection)
{
    TPLXGanttBar *from = connection->getFromBar();
    TPLXGanttBar *to = connection->getToBar();
    TPLXDocumentSetup *document = dataSource ? dataSource->documentSetup() : nullptr;
    if (!from || !to || !document || !to->isSummarizable())
        return std::nullopt;
    RowsOfConnection rows{from->getParentRow(), to->getParentRow(), document->GetTable(), document};
    PLX_ASSERT(rows.from != nullptr && rows.to != nullptr);
    if (rows.from == rows.to || !rows.table)
        return std::nullopt;
    return rows;
}

// A new PERT connection between the two rows' boxes; the table owns it.
TPLXBarConnection *newPertConnection(const RowsOfConnection &rows)
{
    auto *c = new TPLXBarConnection(rows.from->pertBar(), rows.to->pertBar(), 0, rows.document);
    c->setParent(rows.table);
    return c;
}

} // namespace

bool TPLXConnectionAddOperation::perform()
{
    if (!ConnectionOp.AddConnection())
        return false;
    // Redo brings back the same PERT connection as the first perform made.
    if (pertConnectionOp) {
        pertConnectionOp->perform();
        return true;
    }
    const auto rows = pertRows(ds, connection);
    if (rows && rows->from->pertBar() && rows->to->pertBar() &&
        !rows->table->findPertBarsConnection(rows->from, rows->to)) {
        pertConnectionOp = std::make_unique<TPLXPertConnectionAddOperation>(ds, newPertConnection(*rows));
        pertConnectionOp->perform();
    }
    return true;
}

bool TPLXConnectionAddOperation::undo()
{
    if (!ConnectionOp.DeleteConnection())
        return false;
    if (pertConnectionOp)
        pertConnectionOp->undo();
    return true;
}

TPLXConnectionDeleteOperation::TPLXConnectionDeleteOperation(TPLXDataSourceIntf *dataSource,
                                                             TPLXBarConnection *connection)
    : TPLXOperation(dataSource)
    , connection(connection)
    , ConnectionOp(dataSource, connection)
    , ds(dataSource)
{
}

TPLXConnectionDeleteOperation::~TPLXConnectionDeleteOperation() = default;

bool TPLXConnectionDeleteOperation::perform()
{
    if (!ConnectionOp.DeleteConnection())
        return false;
    if (pertConnectionOp) {
        pertConnectionOp->perform();
        return true;
    }
    // The boxes stay joined while another dependency still joins the rows.
    const auto rows = pertRows(ds, connection);
    if (rows && !rows->document->findRowsConnection(rows->from, rows->to) &&
        rows->table->findPertBarsConnection(rows->from, rows->to)) {
        // A one-way key, so that a two-way PERT connection only loses this direction.
        pertConnectionOp = std::make_unique<TPLXPertConnectionDeleteOperation>(ds, newPertConnection(*rows));
        pertConnectionOp->perform();
    }
    return true;
}

bool TPLXConnectionDeleteOperation::undo()
{
    if (!ConnectionOp.AddConnection())
        return false;
    if (pertConnectionOp)
        pertConnectionOp->undo();
    return true;
}
