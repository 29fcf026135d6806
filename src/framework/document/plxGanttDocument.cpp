#include "plxGanttDocument.h"
#include "plxBarSettings.h"
#include "plxDataSource.h"
#include "plxDocumentCalendar.h"
#include "plxEntityFactory.h"
#include "plxGanttBar.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxLegend.h"
#include "plxMedia.h"
#include "plxOwnedList.h"
#include "plxPertBar.h"
#include "plxPlatform.h"
#include "plxRessourceStrings.h"
#include "plxTextSettings.h"
#include "plxTimeScale.h"
#include "plxTreeGrid.h"
#include "plxTreeNode.h"
#include "plxTreeRow.h"
#include "plxTreeSettings.h"

#include <QDate>
#include <QScopeGuard>
#include <QSet>

#include <algorithm>
#include <atomic>
#include <iterator>
#include <limits>
#include <optional>
#include <queue>
#include <vector>

namespace {

const TPLXKindRegistration<TPLXDocumentPersistence> registration("Document");

// Silences the data source's after-add event of connections for as long as it lives.
class TConnectionAddSuspension
{
public:
    explicit TConnectionAddSuspension(TPLXDataSourceIntf *dataSource)
        : FDataSource(dataSource)
    {
        if (FDataSource) {
            FSaved = FDataSource->getOnAfterConnectionAdd();
            FDataSource->setOnAfterConnectionAdd(nullptr);
        }
    }
    ~TConnectionAddSuspension()
    {
        if (FDataSource)
            FDataSource->setOnAfterConnectionAdd(std::move(FSaved));
    }
    TConnectionAddSuspension(const TConnectionAddSuspension &) = delete;
    TConnectionAddSuspension &operator=(const TConnectionAddSuspension &) = delete;

private:
    TPLXDataSourceIntf *FDataSource;
    TPLXAfterConnectionOperationEvent FSaved;
};

// Why a loaded connection cannot join the document, or empty when it can.
QString connectionDefect(const TPLXBarConnection *c)
{
    if (!c->getFromBar() || !c->getToBar())
        return QStringLiteral("its \"from\" or \"to\" bar is missing");
    if (!c->getFromBar()->getParentRow() || !c->getToBar()->getParentRow())
        return QStringLiteral("its \"from\" or \"to\" bar lies in no row");
    return QString();
}

// The part of the built-in document named `section`, owned by `doc`, standing
// in for a part the file lacks; the user is told which one. Loaded through a
// factory of its own, so that a section of the file with the same name
// (failed or of another kind) does not stand in the way.
template<typename Part>
Part *defaultPart(TPLXGanttDocument *doc, IPLXMedia &media, const QString &name, const QString &key,
                  const char *section, const char *messageKey)
{
    TPLXDefaultMedia defaults{QString()};
    TPLXEntityFactory factory;
    auto *part = dynamic_cast<Part *>(factory.loadObject(QString::fromLatin1(section), defaults, doc));
    const QString named = media.strValue(name, key, QString());
    PLXLog(QStringLiteral("\"%1\" of \"%2\" (\"%3\") is missing or of another kind; the default one is used")
               .arg(key, name, named));
    PLXShowMessage(PLXText(QString::fromLatin1(messageKey)).arg(named.isEmpty() ? key : named));
    return part;
}

// Tree row i draws and edits table row i: rows that only one side has get a
// blank partner, and every tree row gets one cell per column.
void reconcileRows(TPLXGanttDocument &doc, const QString &name)
{
    TPLXTreeGrid *tree = doc.GetTree();
    TPLXGanttTable *table = doc.GetTable();
    if (!tree || !table)
        return;
    if (!tree->getRootNode())
        tree->setRootNode(new TPLXTreeNode());
    const int treeRows = tree->rowsCount();
    const int tableRows = table->countRows();
    if (treeRows != tableRows)
        PLXLog(QStringLiteral("\"%1\": the task tree has %2 rows and the table %3; blank %4 rows are appended")
                   .arg(name)
                   .arg(treeRows)
                   .arg(tableRows)
                   .arg(treeRows < tableRows ? QStringLiteral("tree") : QStringLiteral("table")));
    for (int i = treeRows; i < tableRows; ++i)
        tree->getRootNode()->addChild(new TPLXTreeNode(tree->makeBlankRow()), -1);
    for (int i = tableRows; i < treeRows; ++i)
        table->appendRow();
    if (treeRows < tableRows)
        tree->getRootNode()->setIndexes(0);
    if (!tree->getHeader())
        return;
    const int columns = tree->colsCount();
    const int rows = tree->rowsCount();
    for (int i = 0; i < rows; ++i) {
        TPLXTreeRow *row = tree->getRow(i);
        const int cells = row ? row->cellsCount() : columns;
        if (cells == columns)
            continue;
        // Cells past the last column have nowhere to be drawn: they are unlisted,
        // and freed with the row.
        if (cells < columns)
            row->fillCells(tree->getHeader());
        while (row->cellsCount() > columns)
            row->deleteCell(row->cellsCount() - 1);
        PLXLog(QStringLiteral("\"%1\": tree row %2 has %3 cells for %4 columns; %5")
                   .arg(name)
                   .arg(i)
                   .arg(cells)
                   .arg(columns)
                   .arg(cells < columns ? QStringLiteral("blank cells are appended")
                                        : QStringLiteral("the cells past the last column are left out")));
    }
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

int TPLXGanttDocument::scaleStartY(TPLXGanttObject *scale)
{
    // Summed wide: many tall bands must not wrap around.
    qint64 y = 0;
    for (TPLXTimeScale *s : std::as_const(FScales)) {
        if (s == scale)
            break;
        y += s->scaleDrawer()->getHeight();
    }
    return PLXSaturatePixel(y);
}

int TPLXGanttDocument::scaleStartUnderY(TPLXGanttObject *scale)
{
    qint64 y = Ftable ? Ftable->getRowStartY(Ftable->countRows()) : 0;
    for (auto it = FScales.crbegin(); it != FScales.crend() && *it != scale; ++it)
        y += (*it)->scaleDrawer()->getHeight();
    return PLXSaturatePixel(y);
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
    return scaleStartY(nullptr);
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

// ---- the task tree as the chart sees it

bool TPLXGanttDocument::isGroupRow(int row)
{
    TPLXTreeNode *node = FTree && row >= 0 ? FTree->findNodeByIndex(row) : nullptr;
    return node && node->hasChildren();
}

int TPLXGanttDocument::descendantsCount(int row)
{
    return FTree ? FTree->DescendantsCount(row) : 0;
}

int TPLXGanttDocument::parentRowOf(int row)
{
    TPLXTreeNode *node = FTree && row >= 0 ? FTree->findNodeByIndex(row) : nullptr;
    return node && !node->isTreeRoot() ? node->GetParentIndex() : -1;
}

int TPLXGanttDocument::treeRowCount()
{
    return FTree ? FTree->rowsCount() : 0;
}

bool TPLXGanttDocument::rowBandColor(int row, bool group, TColor &color)
{
    if (!FTree)
        return false;
    TPLXTreeRow *treeRow = FTree->getRow(row);
    TPLXTreeRowSettings *look =
        treeRow && treeRow->getSettings() ? treeRow->getSettings() : FTree->getDefaultRowSettings();
    if (!look)
        return false;
    color = group ? look->getGroupColor() : look->getColor();
    return true;
}

bool TPLXGanttDocument::selectionColors(TColor &selected, TColor &focused)
{
    if (!FTree)
        return false;
    selected = FTree->getSelectedRowColor();
    focused = FTree->getFocusedRowColor();
    return true;
}

// ---- connections

TPLXBarConnection *TPLXGanttDocument::getConnection(int i) const
{
    return connections.value(i, nullptr);
}

bool TPLXGanttDocument::isListed(const TPLXBarConnection *c) const
{
    const TPLXGanttBar *probe = c->getFromBar() ? c->getFromBar() : c->getToBar();
    if (!probe)
        return connections.contains(c);
    return probe->listedConnections().contains(c);
}

qsizetype TPLXGanttDocument::positionOf(const TPLXBarConnection *c) const
{
    if (!c || !isListed(c))
        return -1;
    // A moved bar's connections are listed again at the end, so the ones
    // edited most are found at either end: search from both.
    for (qsizetype front = 0, back = connections.size() - 1; front <= back; ++front, --back) {
        if (connections[front] == c)
            return front;
        if (connections[back] == c)
            return back;
    }
    return -1;
}

int TPLXGanttDocument::getConnectionIndex(TPLXBarConnection *c) const
{
    return static_cast<int>(positionOf(c));
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
    if (isListed(c))
        return;
    c->setParent(this);
    if (FAppended && index >= countConnections())
        FAppended->append(c);
    connections.insert(std::clamp(index, 0, countConnections()), c);
    indexConnection(c);
    refreshCriticalPath();
}

int TPLXGanttDocument::removeConnection(TPLXBarConnection *c)
{
    const qsizetype index = positionOf(c);
    if (index < 0)
        return -1;
    connections.removeAt(index);
    unindexConnection(c);
    // Out of the list it is neither painted nor hit; back in, it is routed afresh.
    if (const auto routed = std::find(FRouted.begin(), FRouted.end(), c); routed != FRouted.end()) {
        FRouted.erase(routed);
        forgetRoute(c);
    }
    refreshCriticalPath();
    return static_cast<int>(index);
}

void TPLXGanttDocument::refreshCriticalPath()
{
    if (Ftable)
        Ftable->updateCriticalPath();
}

void TPLXGanttDocument::indexBar(TPLXGanttBar *bar, TPLXBarConnection *c)
{
    if (bar)
        bar->FListedConnections.append(c);
}

void TPLXGanttDocument::unindexBar(TPLXGanttBar *bar, TPLXBarConnection *c)
{
    if (!bar)
        return;
    QList<TPLXBarConnection *> &listed = bar->FListedConnections;
    listed.removeOne(c);
    if (listed.isEmpty())
        listed = QList<TPLXBarConnection *>(); // a bar without connections holds no storage
}

void TPLXGanttDocument::indexConnection(TPLXBarConnection *c)
{
    PLXConnectionRowsChanged();
    indexBar(c->getFromBar(), c);
    if (c->getToBar() != c->getFromBar())
        indexBar(c->getToBar(), c);
}

void TPLXGanttDocument::unindexConnection(TPLXBarConnection *c)
{
    PLXConnectionRowsChanged();
    unindexBar(c->getFromBar(), c);
    if (c->getToBar() != c->getFromBar())
        unindexBar(c->getToBar(), c);
}

void TPLXGanttDocument::connectionBarsChanged(TPLXBarConnection *c, TPLXGanttBar *oldFrom, TPLXGanttBar *oldTo)
{
    // Only listed connections are indexed: the old from bar's entry tells.
    const TPLXGanttBar *probe = oldFrom ? oldFrom : oldTo;
    if (!probe || !probe->listedConnections().contains(c))
        return;
    unindexBar(oldFrom, c);
    if (oldTo != oldFrom)
        unindexBar(oldTo, c);
    indexConnection(c);
}

QList<TPLXBarConnection *> TPLXGanttDocument::connectionsOf(const TPLXGanttBar *bar) const
{
    return bar ? bar->listedConnections() : QList<TPLXBarConnection *>();
}

namespace {

// Spans of at most this many rows are found by a search on their first row;
// the rest are few in a plan and are looked at one by one.
constexpr int kShortSpan = 64;

} // namespace

void TPLXGanttDocument::rebuildConnectionSpans()
{
    FOtherSpans.clear();
    std::vector<TConnectionSpan> shortSpans;
    shortSpans.reserve(static_cast<size_t>(connections.size()));
    int rows = 0;
    for (qsizetype i = 0; i < connections.size(); ++i) {
        TPLXBarConnection *c = connections[i];
        const TPLXGanttBar *from = c->getFromBar();
        const TPLXGanttBar *to = c->getToBar();
        const TPLXGanttRow *fromRow = from ? from->getParentRow() : nullptr;
        const TPLXGanttRow *toRow = to ? to->getParentRow() : nullptr;
        // Without two rows there is no route.
        if (!fromRow || !toRow)
            continue;
        const int a = std::max(0, fromRow->getOrder());
        const int b = std::max(0, toRow->getOrder());
        const TConnectionSpan span{std::min(a, b), std::max(a, b), static_cast<int>(i),
                                   c->getConnType() == TPLXBarConnection::ctStartFinish};
        if (span.reachesTop || span.hi - span.lo > kShortSpan) {
            FOtherSpans.push_back(span);
        } else {
            shortSpans.push_back(span);
            rows = std::max(rows, span.lo + 1);
        }
    }
    // Counting sort by first row, keeping list order within a row.
    std::vector<int> start(static_cast<size_t>(rows) + 1, 0);
    for (const TConnectionSpan &span : shortSpans)
        ++start[static_cast<size_t>(span.lo) + 1];
    for (size_t r = 1; r < start.size(); ++r)
        start[r] += start[r - 1];
    FShortSpans.resize(shortSpans.size());
    for (const TConnectionSpan &span : shortSpans)
        FShortSpans[static_cast<size_t>(start[static_cast<size_t>(span.lo)]++)] = span;
    FSpansGeneration = PLXConnectionRowsGeneration();
    FSpansTable = Ftable;
}

std::vector<TPLXBarConnection *> TPLXGanttDocument::connectionsNear(int first, int last)
{
    if (FSpansGeneration != PLXConnectionRowsGeneration() || FSpansTable != Ftable)
        rebuildConnectionSpans();
    std::vector<int> positions;
    const auto from = std::lower_bound(FShortSpans.cbegin(), FShortSpans.cend(), first - kShortSpan,
                                       [](const TConnectionSpan &span, int row) { return span.lo < row; });
    for (auto it = from; it != FShortSpans.cend() && it->lo <= last; ++it)
        if (it->hi >= first)
            positions.push_back(it->position);
    for (const TConnectionSpan &span : FOtherSpans)
        if (span.hi >= first && (span.lo <= last || span.reachesTop))
            positions.push_back(span.position);
    std::sort(positions.begin(), positions.end());
    std::vector<TPLXBarConnection *> near;
    near.reserve(positions.size());
    for (const int position : positions)
        near.push_back(connections[position]);
    return near;
}

void TPLXGanttDocument::keepRoutes(std::vector<TPLXBarConnection *> routed)
{
    // A handler that edited the list may have freed a connection it took out.
    if (FSpansGeneration != PLXConnectionRowsGeneration()) {
        const QSet<const TPLXBarConnection *> listed(connections.cbegin(), connections.cend());
        std::erase_if(routed, [&listed](const TPLXBarConnection *c) { return !listed.contains(c); });
    }
    std::vector<TPLXBarConnection *> before = std::move(FRouted);
    std::vector<TPLXBarConnection *> now = routed;
    std::sort(before.begin(), before.end());
    std::sort(now.begin(), now.end());
    std::vector<TPLXBarConnection *> stale;
    std::set_difference(before.cbegin(), before.cend(), now.cbegin(), now.cend(), std::back_inserter(stale));
    for (TPLXBarConnection *c : stale)
        forgetRoute(c);
    FRouted = std::move(routed);
}

void TPLXGanttDocument::forgetRoute(TPLXBarConnection *c)
{
    if (auto *drawer = dynamic_cast<TPLXBarConnectionDrawer *>(c->getDrawer(vtGanttGraph)))
        drawer->clearRoute();
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
    if (!fromBar)
        return nullptr;
    QList<TPLXBarConnection *> candidates;
    for (TPLXBarConnection *c : fromBar->listedConnections()) {
        const bool forward = c->getFromBar() == fromBar && c->getToBar() == toBar;
        if (type == -1) {
            if (forward || (c->getFromBar() == toBar && c->getToBar() == fromBar))
                candidates.append(c);
        } else if (forward && (type == 4 || c->getConnType() == type)) {
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
        for (TPLXBarConnection *c : bar->listedConnections()) {
            if (c->getFromBar() != bar || !c->getToBar() || c->getToBar()->getParent() != toRow)
                continue;
            if (c->getFromBar()->isSummarizable() && c->getToBar()->isSummarizable() && !candidates.contains(c))
                candidates.append(c);
        }
    }
    return firstListed(candidates, connections);
}

void TPLXGanttDocument::refreshLoaded()
{
    if (Ftable) {
        Ftable->updateCriticalPath();
        Ftable->UpdateSummaryBars();
    }
    UpdateTimeScales();
}

// ---- time scales

TPLXTimeScale *TPLXGanttDocument::getTimeScale(int i) const
{
    return FScales.value(i, nullptr);
}

void TPLXGanttDocument::InsertScale(int i, TPLXTimeScale *scale)
{
    if (!scale || FScales.contains(scale))
        return;
    if (!scale->getParent())
        scale->setParent(this);
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
    const TPLXTimeMode mode = Fcalendar ? Fcalendar->getTimeMode() : tmNone;
    for (TPLXTimeScale *scale : std::as_const(FScales))
        scale->Update(mode);
}

int TPLXGanttDocument::legendStartY()
{
    const int table = Ftable ? Ftable->getTableHeight() : 0;
    return FTimeScaleUnder ? PLXSaturatePixel(qint64(table) + GetTableStartY()) : table;
}

int TPLXGanttDocument::GetHeight()
{
    const bool legendUnder = FLegend && FPrintLegend && FPrintLegendUnder;
    return PLXSaturatePixel(qint64(legendStartY()) + (legendUnder ? FLegend->GetHeight() : 0));
}

// ---- distance repair

namespace {

bool touchesSummary(const TPLXBarConnection *c)
{
    return (c->getFromBar() && c->getFromBar()->isSummaryBar()) || (c->getToBar() && c->getToBar()->isSummaryBar());
}

} // namespace

std::unique_ptr<TPLXMultipleOperations> TPLXGanttDocument::resolveDistanceViolations(TPLXGanttBar *bar)
{
    // The pushes of one repair are redone and undone with one refresh at the end, not one per pushed bar.
    std::unique_ptr<TPLXMultipleOperations> composite = std::make_unique<TPLXHeldOperations>(FDataSource, true);
    if (connections.isEmpty() || !Ftable || !Fcalendar)
        return composite;
    // Numbered process-wide, so that a bar carried over from another document never looks moved.
    static std::atomic<quint64> repairs{0};
    const quint64 repair = ++repairs;
    const auto isMoved = [repair](const TPLXGanttBar *b) { return b && b->FRepairMark == repair; };
    if (bar)
        bar->FRepairMark = repair;
    TConnectionAddSuspension suspension(FDataSource);

    // The first listed connection that asks for a push wins. A connection
    // asks anew only when one of its bars is pushed, or moved along by a
    // push (then it is listed again at the end), or when it hangs on a
    // summary bar; only those are checked again. Places are numbered
    // process-wide as well: one below `first` was given by an earlier repair.
    static std::atomic<qint64> places{0};
    const qint64 first = places.load();
    QList<TPLXBarConnection *> onSummaries;
    for (TPLXBarConnection *c : std::as_const(connections)) {
        c->FRepairPlace = places++;
        if (touchesSummary(c))
            onSummaries.append(c);
    }
    QList<TPLXBarConnection *> appended;
    FAppended = &appended;
    const auto stopLogging = qScopeGuard([this] { FAppended = nullptr; });
    // Summary bars follow their rows after every push while a dependency hangs on one.
    TPLXRefreshHold hold(Ftable, onSummaries.isEmpty());

    const auto pushOf = [&isMoved](TPLXBarConnection *c, qint32 &by) -> TPLXGanttBar * {
        by = c->findViolationOffset();
        if (by == 0)
            return nullptr;
        if (!isMoved(c->getToBar()))
            return c->getToBar();
        by = -by;
        return isMoved(c->getFromBar()) ? nullptr : c->getFromBar();
    };
    using Due = std::pair<qint64, TPLXBarConnection *>;
    std::priority_queue<Due, std::vector<Due>, std::greater<>> due;
    // Connections placed at `fresh` or later were checked this round already.
    const auto check = [&](TPLXBarConnection *c, qint64 fresh = std::numeric_limits<qint64>::max()) {
        qint32 by = 0;
        if (c->FRepairPlace >= first && c->FRepairPlace < fresh && pushOf(c, by))
            due.emplace(c->FRepairPlace, c);
    };
    for (TPLXBarConnection *c : std::as_const(connections))
        check(c);

    while (!due.empty()) {
        const auto [at, c] = due.top();
        due.pop();
        qint32 offset = 0;
        // A connection listed again since it was due is due at its new place instead.
        TPLXGanttBar *push = c->FRepairPlace == at && isListed(c) ? pushOf(c, offset) : nullptr;
        if (!push)
            continue;
        push->FRepairMark = repair;

        const TDateTime start = push->getStartDate();
        const TDateTime end = push->getEndDate();
        const int row = push->getRow();
        if (!Ftable->barInRowRange(start + offset, end + offset, row, push) && !push->isFixed()) {
            const TDateTime newStart = Fcalendar->addEffective(start, offset, false);
            std::unique_ptr<TPLXOperation> move = push->moveTo(newStart, row);
            if (move && move->perform())
                composite->addOperation(std::move(move));
        }
        const qint64 fresh = places.load();
        for (TPLXBarConnection *t : std::as_const(appended))
            t->FRepairPlace = places++;
        for (TPLXBarConnection *t : std::as_const(appended))
            check(t);
        appended.clear();
        // Its connections ask anew now that it counts as moved.
        for (TPLXBarConnection *t : push->listedConnections())
            check(t, fresh);
        for (TPLXBarConnection *t : std::as_const(onSummaries))
            check(t, fresh);
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
        {"task bar settings", FTaskBarSettings},      {"image bar settings", FImageBarSettings},
        {"text bar settings", FTextBarSettings},      {"textual halo settings", FTextHaloSettings},
        {"hint text settings", FHintTextSettings},    {"progress bar settings", FProgressBarSettings},
        {"connection settings", FConnectionSettings},
    };
    for (const auto &[key, record] : records)
        TPLXPersistence::saveChild(name, QString::fromLatin1(key), record, media, factory);

    factory.saveObjectListOf(name, QStringLiteral("connections"), media, connections);
    factory.saveObjectListOf(name, QStringLiteral("time scales"), media, FScales);
    // The legend never writes itself; where its sections are in the store already (a save over the file it came
    // from), the reference is written again so that the legend stays with the document.
    if (FLegend) {
        const QString legend = FLegend->getUID();
        if (media.strValue(legend, QStringLiteral("typeID"), QString()) == QLatin1String("Legend"))
            media.setStrProperty(name, QStringLiteral("legend"), legend);
    }
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
    const double startDate = media.dateValue(name, QStringLiteral("startDate"),
                                             static_cast<double>(QDate(1899, 12, 30).daysTo(QDate::currentDate())));
    doc->FDateRangeStart = media.dateValue(name, QStringLiteral("date range start"), 0);
    doc->FDateRangeEnd = media.dateValue(name, QStringLiteral("date range end"), 0);
    doc->Ftable = loadChildAs<TPLXGanttTable>(QStringLiteral("table"), media, factory, doc);
    doc->Fcalendar = loadChildAs<TPLXDocumentCalendar>(QStringLiteral("calendar"), media, factory, doc);
    // Bars and boxes cannot be placed without a calendar, nor rows drawn without a table.
    if (!doc->Ftable)
        doc->Ftable = defaultPart<TPLXGanttTable>(doc, media, name, QStringLiteral("table"), "Default Table",
                                                  "msg_missingtable");
    if (!doc->Fcalendar)
        doc->Fcalendar = defaultPart<TPLXDocumentCalendar>(doc, media, name, QStringLiteral("calendar"),
                                                           "Default Calendar", "msg_missingcalendar");
    doc->setStartDate(startDate);
    // A band is listed once, and only one the document owns: a section loaded
    // for another part already belongs to that part.
    const QString scales = QStringLiteral("time scales");
    plxAdoptListed(factory.loadObjectList(name, scales, media, doc), doc->FScales, doc, name, scales);
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

    const QString connections = QStringLiteral("connections");
    QList<TPLXGanttObject *> loaded = factory.loadObjectList(name, connections, media, doc);
    doc->connections.reserve(loaded.size());
    for (qsizetype i = 0; i < loaded.size(); ++i) {
        auto *c = dynamic_cast<TPLXBarConnection *>(loaded[i]);
        if (!c) {
            // Without an entity to ask, the list names the section.
            const QString section =
                loaded[i] ? loaded[i]->getUID()
                          : media.strValue(name, connections + QLatin1Char('#') + QString::number(i), QString());
            PLXLog(QStringLiteral("Connection \"%1\" of \"%2\" is dropped: it did not load as a bar connection")
                       .arg(section, name));
            continue;
        }
        const QString defect = connectionDefect(c);
        if (!defect.isEmpty()) {
            PLXLog(QStringLiteral("Connection \"%1\" of \"%2\" is dropped: %3").arg(c->getUID(), name, defect));
            continue;
        }
        // A connection listed once already is in its bars' lists.
        if (doc->isListed(c)) {
            PLXLog(QStringLiteral("Connection \"%1\" of \"%2\" is listed twice; the second entry is dropped")
                       .arg(c->getUID(), name));
            continue;
        }
        // Loaded as a child of the document already; only list and index it.
        doc->connections.append(c);
        doc->indexConnection(c);
    }
    // Freed before the refreshes below, which build large tables of their own.
    loaded = QList<TPLXGanttObject *>();

    // A document may go without a task tree, but one it names must be there.
    if (TPLXGanttObject *tree = loadChild(QStringLiteral("tree"), media, factory, doc)) {
        doc->FTree = dynamic_cast<TPLXTreeGrid *>(tree);
        if (!doc->FTree)
            PLXLog(QStringLiteral("\"tree\" of \"%1\" is not a tree grid and is left out").arg(name));
    }
    if (!doc->FTree && !media.strValue(name, QStringLiteral("tree"), QString()).isEmpty())
        doc->FTree =
            defaultPart<TPLXTreeGrid>(doc, media, name, QStringLiteral("tree"), "Default Tree", "msg_missingtree");
    reconcileRows(*doc, name);
    if (doc->FTree) {
        if (TPLXTreeNode *root = doc->FTree->getRootNode())
            root->setVisible(true);
        doc->FTree->updateNodes();
    }
    if (TPLXGanttObject *legend = loadChild(QStringLiteral("legend"), media, factory, doc)) {
        doc->FLegend = dynamic_cast<TPLXLegend *>(legend);
        if (!doc->FLegend)
            PLXLog(QStringLiteral("\"legend\" of \"%1\" is not a legend and is left out").arg(name));
    }

    // Every section is read: the store's lookup tables make room for what the refreshes build.
    media.compact();
    if (!factory.refreshesDeferred())
        doc->refreshLoaded();
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
    if (table && table->getWidth() > 0) {
        TRect area = context.getVisibleArea();
        area.Left = doc->getColStartX(0);
        context.SetClipRect(area);
        clipped = true;
    }
    if (table)
        if (TPLXDrawer *drawer = table->getDrawer(vtGanttGraph))
            drawer->Draw(context);

    if (doc->getDrawConnections() && table) {
        // Rows above the scroll position are hidden, and a connection between two
        // hidden rows has no route. Below the area, a route starts at its upper
        // row, arrow heads and bars drawn a little above their row included.
        constexpr int reach = 64;
        const int scrolled = table->getScrolledLines();
        const int first = table->visibleRowsBefore(scrolled) == 0 ? scrolled : 0;
        const int below = static_cast<int>(
            std::min<qint64>(qint64(context.getVisibleArea().Bottom) + reach, std::numeric_limits<int>::max()));
        const int last = std::max(table->rowAtY(below), scrolled - 1);
        // A handler may edit the list; draw the connections it held when drawing began.
        const std::vector<TPLXBarConnection *> list = doc->connectionsNear(first, last);
        std::vector<TPLXBarConnection *> routed;
        for (TPLXBarConnection *c : list) {
            bool defaultPaint = true;
            if (doc->getOnDrawConnection())
                doc->getOnDrawConnection()(c, defaultPaint);
            if (!defaultPaint)
                continue;
            auto *drawer = dynamic_cast<TPLXBarConnectionDrawer *>(c->getDrawer(vtGanttGraph));
            if (!drawer || !drawer->route())
                continue;
            routed.push_back(c);
            // Rows off screen are not drawn, but a line between two of them can
            // cross the screen: only a route that misses it is skipped.
            if (context.visible(drawer->getRect())) {
                drawer->paintRoute(context);
                ++FPaintedConnections;
            }
        }
        doc->keepRoutes(std::move(routed));
    }
    for (int i = 0; i < doc->getScalesCount(); ++i)
        doc->getTimeScale(i)->scaleDrawer()->Draw(context);
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
    for (TPLXBarConnection *c : std::as_const(doc->getConnections()))
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
