#include "plxGanttDocument.h"
#include "plxBarSettings.h"
#include "plxDataSource.h"
#include "plxDocumentCalendar.h"
#include "plxEntityFactory.h"
#include "plxGanttBar.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxMedia.h"
#include "plxPertBar.h"
#include "plxPlatform.h"
#include "plxTaskBar.h"
#include "plxTextSettings.h"
#include "plxTreeGrid.h"
#include "plxTreeNode.h"

#include <QDate>
#include <QSet>

#include <algorithm>
#include <optional>

// The time-scale bands and the legend are declared here but built by their
// own units; until those exist the document holds none of them and the
// operations that ask them answer 0 (or null).

namespace {

const TPLXKindRegistration<TPLXDocumentPersistence> registration("Document");

// Restores an event on leaving the scope, however it is left.
template<typename Event>
class TEventSuspension
{
public:
    explicit TEventSuspension(Event *event)
        : FEvent(event)
    {
        if (FEvent)
            FSaved = std::exchange(*FEvent, Event());
    }
    ~TEventSuspension()
    {
        if (FEvent)
            *FEvent = std::move(FSaved);
    }
    TEventSuspension(const TEventSuspension &) = delete;
    TEventSuspension &operator=(const TEventSuspension &) = delete;

private:
    Event *FEvent;
    Event FSaved;
};

// Why a loaded connection cannot join the document, or empty when it can.
QString connectionDefect(const TPLXBarConnection *c)
{
    if (!c->barFrom || !c->barTo)
        return QStringLiteral("its \"from\" or \"to\" bar is missing");
    if (!c->barFrom->getParentRow() || !c->barTo->getParentRow())
        return QStringLiteral("its \"from\" or \"to\" bar lies in no row");
    return QString();
}

// True when `section` holds a kind of the registry that this build does not
// load yet (the tree grid, time scales, legend before their units exist):
// such parts are left out quietly instead of raising the unknown-kind messages
// on every new document. Type ids outside the registry are still reported.
bool kindNotBuilt(IPLXMedia &media, const QString &section)
{
    const QString typeId = media.strValue(section, QStringLiteral("typeID"), QStringLiteral("MISSING"));
    if (TPLXEntityFactory::isRegistered(typeId))
        return false;
    const auto &ids = TPLXEntityFactory::typeIds();
    return std::any_of(ids.cbegin(), ids.cend(), [&typeId](const char *id) { return typeId == QLatin1String(id); });
}

// The tree grid, clipped to its pane left of the chart.
void drawTreePane(TPLXGanttDocument &doc, TPLXVisualContext &context)
{
    TPLXTreeGrid *tree = doc.GetTree();
    TPLXDrawer *drawer = tree ? tree->getDrawer(vtGanttGraph) : nullptr;
    if (!drawer || doc.getTreeWidth() <= 0)
        return;
    TRect area = context.getVisibleArea();
    area.Left = doc.getDocStartX();
    area.Right = std::min(area.Right, doc.getDocStartX() + doc.getTreeWidth());
    if (area.isEmpty())
        return;
    context.SetClipRect(area);
    drawer->Draw(context);
    context.ResetClipRect();
}

} // namespace

// ------------------------------------------------------------ TPLXGanttDocument

TPLXGanttDocument::TPLXGanttDocument()
{
    FOwnDrawer = std::make_unique<TPLXDocumentDrawer>(this);
    FOwnDrawerPert = std::make_unique<TPLXDocumentPertDrawer>(this);
    FDrawer = FOwnDrawer.get();
    FDrawerPert = FOwnDrawerPert.get();
}

TPLXGanttDocument::~TPLXGanttDocument() = default;

int TPLXGanttDocument::scaleStartY(TPLXGanttObject *)
{
    return 0;
}

int TPLXGanttDocument::scaleStartUnderY(TPLXGanttObject *)
{
    return Ftable ? Ftable->getRowStartY(Ftable->countRows()) : 0;
}

int TPLXGanttDocument::getColStartX(int)
{
    return getTreeWidth();
}

int TPLXGanttDocument::getTreeCellWidth(int column)
{
    return FTree ? FTree->getCellWidth(column) : 0;
}

int TPLXGanttDocument::getVerticalResizePaneSize()
{
    return FTree ? FTree->getPaneWidth() : 0;
}

int TPLXGanttDocument::getTreeWidth()
{
    return FTree ? FTree->getWidth() : 0;
}

int TPLXGanttDocument::getTreeActualWidth()
{
    return FTree ? FTree->getActualWidth() : 0;
}

void TPLXGanttDocument::setTreeStartX(int x)
{
    if (getTreeActualWidth() + x - getVerticalResizePaneSize() > 10)
        FTreeStartX = x;
}

void TPLXGanttDocument::setStartDate(TDateTime date)
{
    const TPLXTimeMode mode = Fcalendar ? Fcalendar->getTimeMode() : tmNone;
    const TPLXDateParts parts = PLXDecodeDate(date);
    switch (mode) {
    case tmWeek:
        date = date - parts.dayOfWeek + 1;
        break;
    case tmMonth:
        date = date - parts.dayOfMonth + 1;
        break;
    case tmQuarter:
        date = PLXEncodeDate(parts.year, ((parts.month - 1) / MonthsPerQuarter) * MonthsPerQuarter + 1, 1);
        break;
    case tmYear:
        date = PLXEncodeDate(parts.year, 1, 1);
        break;
    case tmDecade:
        date = PLXEncodeDate((parts.year / YearsPerDecade) * YearsPerDecade, 1, 1);
        break;
    default:
        break;
    }
    FStartDate = date;
}

int TPLXGanttDocument::GetTableStartY()
{
    return 0;
}

TPLXImageBarSettings *TPLXGanttDocument::getImageBarSettings()
{
    return dynamic_cast<TPLXImageBarSettings *>(FImageBarSettings);
}

TPLXTextSettings *TPLXGanttDocument::getTextBarSettings()
{
    return dynamic_cast<TPLXTextSettings *>(FTextBarSettings);
}

TPLXTextSettings *TPLXGanttDocument::getHintTextSettings()
{
    return dynamic_cast<TPLXTextSettings *>(FHintTextSettings);
}

void TPLXGanttDocument::setHintTextSettings(TPLXTextSettings *settings)
{
    FHintTextSettings = settings;
}

int TPLXGanttDocument::countRows() const
{
    return Ftable ? Ftable->countRows() : 0;
}

// ---- connections

TPLXBarConnection *TPLXGanttDocument::getConnection(int i) const
{
    return connections.value(i, nullptr);
}

int TPLXGanttDocument::getConnectionIndex(TPLXBarConnection *c) const
{
    return static_cast<int>(connections.indexOf(c));
}

void TPLXGanttDocument::addConnection(TPLXBarConnection *c)
{
    insertConnection(countConnections(), c);
}

void TPLXGanttDocument::insertConnection(int index, TPLXBarConnection *c)
{
    if (!c)
        return;
    // Listing a connection twice would draw, save and count it twice.
    const TPLXGanttBar *probe = c->barFrom ? c->barFrom : c->barTo;
    if (probe ? FConnectionIndex.value(probe).contains(c) : connections.contains(c))
        return;
    c->setParent(this);
    connections.insert(std::clamp(index, 0, countConnections()), c);
    indexConnection(c);
    refreshCriticalPath();
}

void TPLXGanttDocument::removeConnection(TPLXBarConnection *c)
{
    const qsizetype index = connections.indexOf(c);
    if (index < 0)
        return;
    connections.removeAt(index);
    unindexConnection(c);
    refreshCriticalPath();
}

void TPLXGanttDocument::refreshCriticalPath()
{
    if (Ftable)
        Ftable->updateCriticalPath();
}

void TPLXGanttDocument::indexBar(const TPLXGanttBar *bar, TPLXBarConnection *c)
{
    if (bar)
        FConnectionIndex[bar].append(c);
}

void TPLXGanttDocument::unindexBar(const TPLXGanttBar *bar, TPLXBarConnection *c)
{
    if (!bar)
        return;
    const auto it = FConnectionIndex.find(bar);
    if (it == FConnectionIndex.end())
        return;
    it->removeOne(c);
    if (it->isEmpty())
        FConnectionIndex.erase(it);
}

void TPLXGanttDocument::indexConnection(TPLXBarConnection *c)
{
    indexBar(c->barFrom, c);
    if (c->barTo != c->barFrom)
        indexBar(c->barTo, c);
}

void TPLXGanttDocument::unindexConnection(TPLXBarConnection *c)
{
    unindexBar(c->barFrom, c);
    if (c->barTo != c->barFrom)
        unindexBar(c->barTo, c);
}

void TPLXGanttDocument::connectionBarsChanged(TPLXBarConnection *c, TPLXGanttBar *oldFrom, TPLXGanttBar *oldTo)
{
    // Only listed connections are indexed: the old from bar's entry tells.
    const TPLXGanttBar *probe = oldFrom ? oldFrom : oldTo;
    if (!probe || !FConnectionIndex.value(probe).contains(c))
        return;
    unindexBar(oldFrom, c);
    if (oldTo != oldFrom)
        unindexBar(oldTo, c);
    indexConnection(c);
}

QList<TPLXBarConnection *> TPLXGanttDocument::connectionsOf(const TPLXGanttBar *bar) const
{
    return FConnectionIndex.value(bar);
}

namespace {

// The candidate listed first; positions are only looked up when there is a choice.
TPLXBarConnection *firstListed(const QList<TPLXBarConnection *> &candidates, const QList<TPLXBarConnection *> &list)
{
    if (candidates.size() <= 1)
        return candidates.value(0, nullptr);
    TPLXBarConnection *first = nullptr;
    qsizetype firstIndex = 0;
    for (TPLXBarConnection *c : candidates) {
        const qsizetype index = list.indexOf(c);
        if (!first || index < firstIndex) {
            first = c;
            firstIndex = index;
        }
    }
    return first;
}

} // namespace

TPLXBarConnection *TPLXGanttDocument::findConnection(TPLXGanttBar *fromBar, TPLXGanttBar *toBar, int type) const
{
    QList<TPLXBarConnection *> candidates;
    for (TPLXBarConnection *c : FConnectionIndex.value(fromBar)) {
        const bool forward = c->barFrom == fromBar && c->barTo == toBar;
        if (type == -1) {
            if (forward || (c->barFrom == toBar && c->barTo == fromBar))
                candidates.append(c);
        } else if (forward && (type == 4 || c->connType == type)) {
            candidates.append(c);
        }
    }
    return firstListed(candidates, connections);
}

TPLXBarConnection *TPLXGanttDocument::findRowsConnection(TPLXGanttRow *fromRow, TPLXGanttRow *toRow) const
{
    if (!fromRow || !toRow)
        return nullptr;
    QList<TPLXBarConnection *> candidates;
    for (TPLXGanttBar *bar : fromRow->bars()) {
        for (TPLXBarConnection *c : FConnectionIndex.value(bar)) {
            if (c->barFrom != bar || !c->barTo || c->barTo->getParent() != toRow)
                continue;
            if (c->barFrom->isSummarizable() && c->barTo->isSummarizable() && !candidates.contains(c))
                candidates.append(c);
        }
    }
    return firstListed(candidates, connections);
}

// ---- time scales: the band kind is not built yet

TPLXTimeScale *TPLXGanttDocument::getTimeScale(int i) const
{
    return FScales.value(i, nullptr);
}

void TPLXGanttDocument::InsertScale(int i, TPLXTimeScale *scale)
{
    FScales.insert(std::clamp(i, 0, getScalesCount()), scale);
    UpdateTimeScales();
}

void TPLXGanttDocument::DeleteScale(int i)
{
    if (i >= 0 && i < getScalesCount())
        FScales.removeAt(i);
}

void TPLXGanttDocument::UpdateTimeScales()
{
}

int TPLXGanttDocument::legendStartY()
{
    return Ftable ? Ftable->getTableHeight() : 0;
}

int TPLXGanttDocument::GetHeight()
{
    return legendStartY();
}

// ---- distance repair

std::unique_ptr<TPLXMultipleOperations> TPLXGanttDocument::resolveDistanceViolations(TPLXGanttBar *bar)
{
    auto composite = std::make_unique<TPLXMultipleOperations>(FDataSource);
    if (connections.isEmpty() || !Ftable || !Fcalendar)
        return composite;
    QSet<const TPLXGanttBar *> moved{bar};
    TEventSuspension<TPLXAfterConnectionOperationEvent> suspension(
        FDataSource ? &FDataSource->OnAfterConnectionAdd : nullptr);

    for (;;) {
        TPLXGanttBar *push = nullptr;
        qint32 offset = 0;
        // Moves re-list connections, so each pass scans a copy.
        const QList<TPLXBarConnection *> scan = connections;
        for (TPLXBarConnection *c : scan) {
            const qint32 violation = c->findViolationOffset();
            if (violation == 0)
                continue;
            TPLXGanttBar *candidate = c->barTo;
            qint32 by = violation;
            if (moved.contains(candidate)) {
                candidate = c->barFrom;
                by = -violation;
            }
            if (!moved.contains(candidate)) {
                push = candidate;
                offset = by;
                break;
            }
        }
        if (!push)
            break;
        moved.insert(push);

        const TDateTime start = push->getStartDate();
        const TDateTime end = push->getEndDate();
        const int row = push->getRow();
        if (Ftable->barInRange(start + offset, end + offset, row, push))
            continue;
        if (const auto *task = dynamic_cast<const TPLXTaskBar *>(push); task && task->isFixed())
            continue;
        const TDateTime newStart = Fcalendar->addEffective(start, offset, false);
        std::unique_ptr<TPLXOperation> move = push->moveTo(newStart, row);
        if (move && move->perform())
            composite->addOperation(std::move(move));
    }
    return composite;
}

// ---- saving

void TPLXGanttDocument::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory)
{
    media.setStrProperty(name, QStringLiteral("typeID"), QStringLiteral("Document"));
    media.setRealProperty(name, QStringLiteral("startDate"), getStartDate());
    media.setRealProperty(name, QStringLiteral("date range start"), FDateRangeStart);
    media.setRealProperty(name, QStringLiteral("date range end"), FDateRangeEnd);
    media.setBoolProperty(name, QStringLiteral("time scale under"), FTimeScaleUnder);

    // The table, the calendar and the tree write their own link keys into this section.
    if (Ftable)
        Ftable->doSave(name, media, factory);
    if (Fcalendar)
        Fcalendar->doSave(name, media, factory);
    if (FTree)
        FTree->doSave(name, media, factory);

    const std::pair<const char *, TPLXGanttObject *> records[] = {
        {"task bar settings", FTaskBarSettings},       {"image bar settings", FImageBarSettings},
        {"text bar settings", FTextBarSettings},       {"textual halo settings", FTextHaloSettings},
        {"hint text settings", FHintTextSettings},     {"progress bar settings", FProgressBarSettings},
        {"connection settings", FConnectionSettings},
    };
    for (const auto &[key, record] : records)
        TPLXPersistence::saveChild(name, QString::fromLatin1(key), record, media, factory);

    factory.saveObjectListOf(name, QStringLiteral("connections"), media, connections);
    // No band is held until the time-scale kind exists.
    media.setStrArrayProperty(name, QStringLiteral("time scales"), QStringList());
}

// ------------------------------------------------------------ persistence

std::unique_ptr<TPLXGanttObject> TPLXDocumentPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                 TPLXEntityFactory &factory)
{
    auto document = std::make_unique<TPLXGanttDocument>();
    TPLXGanttDocument *doc = document.get();
    doc->DocumentSetup = doc;

    // Snapping needs the calendar's mode, which is read further down: keep
    // the raw date and snap it once the calendar is there.
    const double startDate =
        media.realValue(name, QStringLiteral("startDate"), static_cast<double>(QDate(1899, 12, 30).daysTo(QDate::currentDate())));
    doc->FDateRangeStart = media.realValue(name, QStringLiteral("date range start"), 0);
    doc->FDateRangeEnd = media.realValue(name, QStringLiteral("date range end"), 0);
    doc->Ftable = loadChildAs<TPLXGanttTable>(QStringLiteral("table"), media, factory, doc);
    doc->Fcalendar = loadChildAs<TPLXDocumentCalendar>(QStringLiteral("calendar"), media, factory, doc);
    doc->setStartDate(startDate);
    // Bands are held once the time-scale kind is built; until then a band of
    // that kind is left out and anything else named here is loaded (and reported) as usual.
    for (const QString &scale : media.strArray(name, QStringLiteral("time scales"))) {
        if (kindNotBuilt(media, scale))
            PLXLog(QStringLiteral("Time scale \"%1\" of \"%2\" is not loaded: its kind is not built").arg(scale, name));
        else
            factory.loadObject(scale, media, doc);
    }
    doc->FTaskBarSettings = loadChildAs<TPLXTaskBarSettings>(QStringLiteral("task bar settings"), media, factory, doc);
    doc->FImageBarSettings = loadChild(QStringLiteral("image bar settings"), media, factory, doc);
    doc->FTextBarSettings = loadChild(QStringLiteral("text bar settings"), media, factory, doc);
    doc->FTextHaloSettings =
        loadChildAs<TPLXTextHaloSettings>(QStringLiteral("textual halo settings"), media, factory, doc);
    doc->FHintTextSettings = loadChild(QStringLiteral("hint text settings"), media, factory, doc);
    doc->FTimeScaleUnder = media.boolValue(name, QStringLiteral("time scale under"), false);
    doc->FProgressBarSettings =
        loadChildAs<TPLXProgressBarSettings>(QStringLiteral("progress bar settings"), media, factory, doc);
    doc->FConnectionSettings =
        loadChildAs<TPLXConnectionSettings>(QStringLiteral("connection settings"), media, factory, doc);

    const QList<TPLXGanttObject *> loaded = factory.loadObjectList(name, QStringLiteral("connections"), media, doc);
    const QStringList names = media.strArray(name, QStringLiteral("connections"));
    for (qsizetype i = 0; i < loaded.size(); ++i) {
        auto *c = dynamic_cast<TPLXBarConnection *>(loaded[i]);
        const QString section = names.value(i);
        if (!c) {
            PLXLog(QStringLiteral("Connection \"%1\" of \"%2\" is dropped: it did not load as a bar connection")
                       .arg(section, name));
            continue;
        }
        const QString defect = connectionDefect(c);
        if (!defect.isEmpty()) {
            PLXLog(QStringLiteral("Connection \"%1\" of \"%2\" is dropped: %3").arg(section, name, defect));
            continue;
        }
        if (doc->connections.contains(c)) {
            PLXLog(QStringLiteral("Connection \"%1\" of \"%2\" is listed twice; the second entry is dropped")
                       .arg(section, name));
            continue;
        }
        // Loaded as a child of the document already; only list and index it.
        doc->connections.append(c);
        doc->indexConnection(c);
    }

    if (TPLXGanttObject *tree = loadChild(QStringLiteral("tree"), media, factory, doc)) {
        doc->FTree = dynamic_cast<TPLXTreeGrid *>(tree);
        if (!doc->FTree)
            PLXLog(QStringLiteral("\"tree\" of \"%1\" is not a tree grid and is left out").arg(name));
    }
    if (doc->FTree) {
        if (TPLXTreeNode *root = doc->FTree->getRootNode())
            root->setVisible(true);
        doc->FTree->updateNodes();
    }
    // Held as a legend once that kind is built.
    const QString legend = media.strValue(name, QStringLiteral("legend"), QStringLiteral("Missing"));
    if (legend != QLatin1String("Missing") && kindNotBuilt(media, legend))
        PLXLog(QStringLiteral("\"legend\" of \"%1\" is not loaded: its kind is not built").arg(name));
    else
        loadChild(QStringLiteral("legend"), media, factory, doc);

    if (doc->Ftable) {
        doc->Ftable->updateCriticalPath();
        doc->Ftable->UpdateSummaryBars();
    }
    doc->UpdateTimeScales();
    return document;
}

// ------------------------------------------------------------ drawers

TPLXDocumentDrawer::TPLXDocumentDrawer(TPLXGanttDocument *target)
    : TPLXDrawer(target)
{
}

TPLXGanttDocument *TPLXDocumentDrawer::document() const
{
    return static_cast<TPLXGanttDocument *>(target);
}

void TPLXDocumentDrawer::Draw(TPLXVisualContext &context)
{
    FPaintedConnections = 0;
    TPLXGanttDocument *doc = document();
    if (!doc)
        return;
    drawTreePane(*doc, context);
    TPLXGanttTable *table = doc->GetTable();
    bool clipped = false;
    if (table && table->FWidth > 0) {
        TRect area = context.getVisibleArea();
        area.Left = doc->getColStartX(0);
        context.SetClipRect(area);
        clipped = true;
    }
    if (table)
        if (TPLXDrawer *drawer = table->getDrawer(vtGanttGraph))
            drawer->Draw(context);

    if (doc->FDrawConnections) {
        // A handler may edit the list; draw the connections it held when drawing began.
        const QList<TPLXBarConnection *> list = doc->connections;
        for (TPLXBarConnection *c : list) {
            bool defaultPaint = true;
            if (doc->FOnDrawConnection)
                doc->FOnDrawConnection(c, defaultPaint);
            if (!defaultPaint)
                continue;
            auto *drawer = dynamic_cast<TPLXBarConnectionDrawer *>(c->getDrawer(vtGanttGraph));
            if (!drawer)
                continue;
            // Rows off screen are not drawn, but a line between two of them can
            // cross the screen: only a route that misses it is skipped.
            if (drawer->route() && context.visible(drawer->getRect())) {
                drawer->paintRoute(context);
                ++FPaintedConnections;
            }
        }
    }
    if (clipped)
        context.ResetClipRect();
}

TPLXGanttObject *TPLXDocumentDrawer::locateObject(int x, int y)
{
    TPLXGanttDocument *doc = document();
    if (!doc)
        return nullptr;
    if (TPLXTreeGrid *tree = doc->GetTree())
        if (TPLXDrawer *drawer = tree->getDrawer(vtGanttGraph))
            if (TPLXGanttObject *hit = drawer->locateObject(x, y))
                return hit;
    if (TPLXGanttTable *table = doc->GetTable())
        if (TPLXDrawer *drawer = table->getDrawer(vtGanttGraph))
            if (TPLXGanttObject *hit = drawer->locateObject(x, y))
                return hit;
    for (TPLXBarConnection *c : std::as_const(doc->connections))
        if (TPLXDrawer *drawer = c->getDrawer(vtGanttGraph))
            if (TPLXGanttObject *hit = drawer->locateObject(x, y))
                return hit;
    return nullptr;
}

TPLXDocumentPertDrawer::TPLXDocumentPertDrawer(TPLXGanttDocument *target)
    : TPLXDrawer(target)
{
}

TPLXGanttDocument *TPLXDocumentPertDrawer::document() const
{
    return static_cast<TPLXGanttDocument *>(target);
}

void TPLXDocumentPertDrawer::Draw(TPLXVisualContext &context)
{
    TPLXGanttDocument *doc = document();
    if (!doc || !doc->GetTable())
        return;
    TRect area = context.getVisibleArea();
    area.Left = doc->getColStartX(0);
    context.SetClipRect(area);
    if (TPLXDrawer *drawer = doc->GetTable()->getDrawer(vtPertGraph))
        drawer->Draw(context);
    context.ResetClipRect();
    drawTreePane(*doc, context);
}

TPLXGanttObject *TPLXDocumentPertDrawer::locateObject(int x, int y)
{
    TPLXGanttDocument *doc = document();
    if (!doc || !doc->GetTable())
        return nullptr;
    if (TPLXTreeGrid *tree = doc->GetTree())
        if (TPLXDrawer *drawer = tree->getDrawer(vtGanttGraph))
            if (TPLXGanttObject *hit = drawer->locateObject(x, y))
                return hit;
    TPLXDrawer *drawer = doc->GetTable()->getDrawer(vtPertGraph);
    return drawer ? drawer->locateObject(x, y) : nullptr;
}

// ------------------------------------------------------------ connection operations

TPLXConnectionOperation::TPLXConnectionOperation(TPLXDataSource *dataSource, TPLXBarConnection *target)
    : target(target)
    , dataSource(dataSource)
{
}

bool TPLXConnectionOperation::AddConnection()
{
    if (!target || !target->barFrom || !target->barTo || !target->barTo->acceptConnections())
        return false;
    TPLXGanttDocument *document = dataSource ? dataSource->root() : nullptr;
    if (!document)
        return false;
    if (dataSource->OnBeforeConnectionAdd) {
        bool cancel = false;
        dataSource->OnBeforeConnectionAdd(target, cancel);
        if (cancel)
            return false;
    }
    if (FIndex >= 0)
        document->insertConnection(FIndex, target);
    else
        document->addConnection(target);
    if (dataSource->OnAfterConnectionAdd)
        dataSource->OnAfterConnectionAdd(target);
    return true;
}

bool TPLXConnectionOperation::DeleteConnection()
{
    TPLXGanttDocument *document = dataSource ? dataSource->root() : nullptr;
    if (!target || !document)
        return false;
    if (dataSource->OnBeforeConnectionDelete) {
        bool cancel = false;
        dataSource->OnBeforeConnectionDelete(target, cancel);
        if (cancel)
            return false;
    }
    FIndex = document->getConnectionIndex(target);
    document->removeConnection(target);
    if (dataSource->OnAfterConnectionDelete)
        dataSource->OnAfterConnectionDelete(target);
    return true;
}

TPLXConnectionAddOperation::TPLXConnectionAddOperation(TPLXDataSource *dataSource, TPLXBarConnection *connection)
    : TPLXOperation(dataSource)
    , connection(connection)
    , ConnectionOp(std::make_unique<TPLXConnectionOperation>(dataSource, connection))
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
    TPLXGanttDocument *document = nullptr;
};

// The rows the two bars of a dependency lie in, when the PERT side is to follow it:
// the target counts for summaries and the bars lie in different rows.
std::optional<RowsOfConnection> pertRows(TPLXDataSource *dataSource, TPLXBarConnection *connection)
{
    TPLXGanttBar *from = connection->getFromBar();
    TPLXGanttBar *to = connection->getToBar();
    TPLXGanttDocument *document = dataSource ? dataSource->root() : nullptr;
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
    if (!ConnectionOp->AddConnection())
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
    if (!ConnectionOp->DeleteConnection())
        return false;
    if (pertConnectionOp)
        pertConnectionOp->undo();
    return true;
}

TPLXConnectionDeleteOperation::TPLXConnectionDeleteOperation(TPLXDataSource *dataSource,
                                                             TPLXBarConnection *connection)
    : TPLXOperation(dataSource)
    , connection(connection)
    , ConnectionOp(std::make_unique<TPLXConnectionOperation>(dataSource, connection))
    , ds(dataSource)
{
}

TPLXConnectionDeleteOperation::~TPLXConnectionDeleteOperation() = default;

bool TPLXConnectionDeleteOperation::perform()
{
    if (!ConnectionOp->DeleteConnection())
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
    if (!ConnectionOp->AddConnection())
        return false;
    if (pertConnectionOp)
        pertConnectionOp->undo();
    return true;
}
