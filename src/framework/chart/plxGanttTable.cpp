#include "plxGanttTable.h"

#include "plxBarConnection.h"
#include "plxBarSettings.h"
#include "plxColors.h"
#include "plxCriticalPath.h"
#include "plxDocumentCalendar.h"
#include "plxEntityFactory.h"
#include "plxMedia.h"
#include "plxPertBar.h"
#include "plxPlatform.h"
#include "plxSummarySpans.h"
#include "plxTimeMode.h"

#include <QDateTime>
#include <QHash>
#include <QScopeGuard>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

const TPLXKindRegistration<TPLXGanttTablePersistence> ganttTableKind("Gantt Table");

// Saturates, so that a far-away date still gives a drawable position.
int nearest(double v)
{
    return PLXPixel(v);
}

TDateTime nowAsDateTime()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    return PLXEncodeDate(d.year(), d.month(), d.day()) + now.time().msecsSinceStartOfDay() / 86400000.0;
}

} // namespace

TPLXGanttTable *PLXTableOf(TPLXDataSourceIntf *dataSource)
{
    TPLXDocumentSetup *document = dataSource ? dataSource->documentSetup() : nullptr;
    return document ? document->GetTable() : nullptr;
}

TPLXHeldOperations::TPLXHeldOperations(TPLXDataSourceIntf *dataSource, bool summaries)
    : TPLXMultipleOperations(dataSource)
    , FSummaries(summaries)
{
}

bool TPLXHeldOperations::perform()
{
    TPLXRefreshHold hold(PLXTableOf(FDataSource), FSummaries);
    return TPLXMultipleOperations::perform();
}

bool TPLXHeldOperations::undo()
{
    TPLXRefreshHold hold(PLXTableOf(FDataSource), FSummaries);
    return TPLXMultipleOperations::undo();
}

QString TPLXHeldOperations::className() const
{
    return QStringLiteral("TPLXMultipleOperations");
}

TPLXUserDefinedDateLine::TPLXUserDefinedDateLine()
    : Date(nowAsDateTime())
{
}

// ------------------------------------------------------------ TPLXGanttTable

TPLXGanttTable::TPLXGanttTable()
    : FDateLine(std::make_unique<TPLXUserDefinedDateLine>())
    , FCurrentDateLine(std::make_unique<TPLXCurrentDateLine>())
    , FOwnDrawer(std::make_unique<TPLXGanttTableDrawer>(this))
    , FOwnDrawerPert(std::make_unique<TPLXGanttTablePertDrawer>(this))
{
    FDrawer = FOwnDrawer.get();
    FDrawerPert = FOwnDrawerPert.get();
    FCriticalPathCalculator = std::make_unique<TPLXCriticalPathCalculator>(this);
}

TPLXGanttTable::~TPLXGanttTable() = default;

// ---- rows

TPLXGanttRow *TPLXGanttTable::getRow(int i) const
{
    if (i >= countRows()) {
        PLXLog(
            QStringLiteral("stop. List index %1 out of bounds (%2) in TPLXGanttTable.getRow").arg(i).arg(countRows()));
        return nullptr;
    }
    return i >= 0 ? FRows[i] : nullptr;
}

int TPLXGanttTable::getRowHeight(int i) const
{
    return i >= 0 && i < countRows() ? FRows[i]->getHeight() : 0;
}

TPLXGanttRow *TPLXGanttTable::MakeBlankRow()
{
    auto row = std::make_unique<TPLXGanttRow>();
    row->setParent(this);
    return row.release();
}

void TPLXGanttTable::renumberFrom(int index)
{
    PLXConnectionRowsChanged();
    for (int i = std::max(0, index); i < countRows(); ++i) {
        TPLXGanttRow *row = FRows[i];
        row->setOrder(i);
        // Bars cache their row index; overlap tests read the cache before any drawing refreshes it.
        for (int b = 0; b < row->GetBarCount(); ++b)
            if (TPLXGanttBar *bar = row->GetBarInRow(b); bar && bar->getParent() == row)
                bar->setRowField(i);
    }
}

void TPLXGanttTable::insertRow(int index, TPLXGanttRow *row)
{
    PLX_ASSERT(row != nullptr);
    index = std::clamp(index, 0, countRows());
    row->setParent(this);
    FRows.insert(index, row);
    renumberFrom(index);
    if (FOffsetsValid) {
        FOffsets.insert(index, row->GetVisibleHeight());
        FVisibleCounts.insert(index, row->IsVisible() ? 1 : 0);
    }
}

TPLXGanttRow *TPLXGanttTable::takeRow(int index)
{
    PLX_ASSERT(index >= 0 && index < countRows());
    TPLXGanttRow *row = FRows.takeAt(index);
    renumberFrom(index);
    if (FOffsetsValid) {
        FOffsets.remove(index);
        FVisibleCounts.remove(index);
    }
    return row;
}

TPLXGanttRow *TPLXGanttTable::appendRow()
{
    TPLXGanttRow *row = MakeBlankRow();
    row->setHeight(FDefaultRowHeight);
    insertRow(countRows(), row);
    return row;
}

void TPLXGanttTable::swapRows(int i, int j)
{
    PLX_ASSERT(i >= 0 && i < countRows() && j >= 0 && j < countRows());
    FRows.swapItemsAt(i, j);
    FOffsetsValid = false;
}

int TPLXGanttTable::swapSequences(int startA, int endA, int startB, int endB)
{
    if (startA > startB) {
        std::swap(startA, startB);
        std::swap(endA, endB);
    }
    PLX_ASSERT(startA >= 0 && startA <= endA && endA < startB && startB <= endB && endB < countRows());
    QList<TPLXGanttRow *> result;
    result.reserve(FRows.size());
    result.append(FRows.mid(0, startA));
    result.append(FRows.mid(startB, endB - startB + 1));
    result.append(FRows.mid(endA + 1, startB - endA - 1));
    result.append(FRows.mid(startA, endA - startA + 1));
    result.append(FRows.mid(endB + 1));
    FRows = std::move(result);
    renumberFrom(0);
    FOffsetsValid = false;
    return startA + (endB - startB + 1) + (startB - endA - 1);
}

QList<TPLXGanttBar *> TPLXGanttTable::allBarsIn(int first, int last) const
{
    QList<TPLXGanttBar *> result;
    for (int i = std::max(0, first); i <= std::min(last, countRows() - 1); ++i)
        result.append(FRows[i]->bars());
    return result;
}

TPLXGanttBar *TPLXGanttTable::barInRange(TDateTime start, TDateTime end, int row, TPLXGanttBar *bar) const
{
    for (TPLXGanttRow *r : FRows) {
        for (TPLXGanttBar *candidate : r->bars()) {
            if (candidate != bar && candidate->overlap(start, end, row, bar))
                return candidate;
        }
    }
    return nullptr;
}

TPLXGanttBar *TPLXGanttTable::barInRowRange(TDateTime start, TDateTime end, int row, TPLXGanttBar *bar) const
{
    if (row < 0 || row >= countRows())
        return nullptr;
    for (TPLXGanttBar *candidate : FRows[row]->bars()) {
        if (candidate != bar && candidate->getRow() == row && candidate->overlap(start, end, row, bar))
            return candidate;
    }
    return nullptr;
}

TPLXGanttBar *TPLXGanttTable::findFirstSummarizable(int row) const
{
    TPLXGanttRow *r = getRow(row);
    return r ? r->findFirstSummarizable() : nullptr;
}

TPLXGanttBar *TPLXGanttTable::findLastSummarizable(int row) const
{
    TPLXGanttRow *r = getRow(row);
    return r ? r->findLastSummarizable() : nullptr;
}

TDateTime TPLXGanttTable::CalculateStartDate() const
{
    TDateTime result = 0;
    for (TPLXGanttRow *r : FRows) {
        const TDateTime d = r->FindFirstStartDate();
        if (d != 0 && (result == 0 || d < result))
            result = d;
    }
    return result;
}

TDateTime TPLXGanttTable::CalculateEndDate() const
{
    TDateTime result = 0;
    for (TPLXGanttRow *r : FRows) {
        const TDateTime d = r->FindLastEndDate();
        if (d != 0 && (result == 0 || d > result))
            result = d;
    }
    return result;
}

void TPLXGanttTable::UpdateSummaryBars()
{
    if (FSummaryHolds > 0) {
        FSummariesDue = true;
        return;
    }
    FRefreshingSummaries = true;
    const auto done = qScopeGuard([this] {
        FRefreshingSummaries = false;
        FSummarySpans.reset();
    });
    // Bottom-up, so that inner summaries are current before the ones holding them.
    for (qsizetype i = FRows.size() - 1; i >= 0; --i) {
        for (TPLXGanttBar *bar : FRows[i]->bars()) {
            bar->refreshDerived();
        }
        if (TPLXPertBar *box = FRows[i]->pertBar())
            box->UpdateRange();
        if (FSummarySpans)
            FSummarySpans->update(static_cast<int>(i));
    }
}

std::pair<TDateTime, TDateTime> TPLXGanttTable::summarizableSpan(int first, int last)
{
    // A short group is cheaper to walk; the index pays off for the long spans of deep plans.
    constexpr int kWalkedSpan = 64;
    if (!FRefreshingSummaries || last - first < kWalkedSpan)
        return TPLXSummarySpans::spanOf(FRows, first, last);
    // Built at the first long span a refresh meets: plans without one pay nothing.
    if (!FSummarySpans)
        FSummarySpans = std::make_unique<TPLXSummarySpans>(FRows);
    return FSummarySpans->span(first, last);
}

void TPLXGanttTable::updateCriticalPath()
{
    if (FCriticalPathHolds > 0) {
        FCriticalPathDue = true;
        return;
    }
    if (FUpdateCriticalPath && FCriticalPathCalculator)
        FCriticalPathCalculator->refreshCriticalPath();
}

void TPLXGanttTable::holdRefreshes(bool summaries)
{
    ++FCriticalPathHolds;
    if (summaries)
        ++FSummaryHolds;
}

void TPLXGanttTable::releaseRefreshes(bool summaries)
{
    // Summaries first: the critical path reads their dates.
    if (summaries && FSummaryHolds > 0 && --FSummaryHolds == 0 && std::exchange(FSummariesDue, false))
        UpdateSummaryBars();
    if (FCriticalPathHolds > 0 && --FCriticalPathHolds == 0 && std::exchange(FCriticalPathDue, false))
        updateCriticalPath();
}

void TPLXGanttTable::RecalculateEffective()
{
    for (TPLXGanttRow *r : FRows)
        r->RecalculateEffective();
}

// ---- vertical geometry

void TPLXGanttTable::ensureOffsets()
{
    if (FOffsetsValid && FOffsets.count() == countRows())
        return;
    std::vector<int> heights;
    std::vector<int> shown;
    heights.reserve(static_cast<size_t>(countRows()));
    shown.reserve(static_cast<size_t>(countRows()));
    for (TPLXGanttRow *r : FRows) {
        heights.push_back(r->GetVisibleHeight());
        shown.push_back(r->IsVisible() ? 1 : 0);
    }
    FOffsets.assign(heights);
    FVisibleCounts.assign(shown);
    FOffsetsValid = true;
}

void TPLXGanttTable::rowGeometryChanged(TPLXGanttRow *row)
{
    if (!FOffsetsValid)
        return;
    const int i = row->getOrder();
    if (i >= 0 && i < countRows() && FRows[i] == row && FOffsets.count() == countRows()) {
        FOffsets.setHeight(i, row->GetVisibleHeight());
        FVisibleCounts.setHeight(i, row->IsVisible() ? 1 : 0);
    } else if (FRows.contains(row))
        FOffsetsValid = false;
}

int TPLXGanttTable::getRowStartY(int i)
{
    const int top = GetDocumentSetup()->GetTableStartY();
    if (i <= FScrolledLines)
        return top;
    ensureOffsets();
    return PLXSaturatePixel(top + FOffsets.offset(i) - FOffsets.offset(FScrolledLines));
}

qint64 TPLXGanttTable::visibleHeightBefore(int i)
{
    ensureOffsets();
    return FOffsets.offset(i);
}

qint64 TPLXGanttTable::visibleRowsBefore(int i)
{
    ensureOffsets();
    return FVisibleCounts.offset(i);
}

int TPLXGanttTable::getVisibleRowStartY(int n)
{
    const int top = GetDocumentSetup()->GetTableStartY();
    if (n <= 0)
        return top;
    ensureOffsets();
    // The rows before the n-th visible one; hidden rows among them add no height.
    return PLXSaturatePixel(top + FOffsets.offset(FVisibleCounts.rowAt(n)));
}

int TPLXGanttTable::getVisibleRowHeight(int n)
{
    if (n < 0)
        return 0;
    ensureOffsets();
    const int i = FVisibleCounts.rowAt(n);
    return i < countRows() ? FRows[i]->getHeight() : 0;
}

int TPLXGanttTable::getTableHeight()
{
    return getRowStartY(countRows());
}

int TPLXGanttTable::GetRowsTotalHeight()
{
    return getRowStartY(countRows()) - getRowStartY(0);
}

int TPLXGanttTable::lastRowStartingAbove(int bottom)
{
    const int count = countRows();
    if (count == 0)
        return -1;
    const int top = GetDocumentSetup()->GetTableStartY();
    if (top > bottom)
        return 0;
    ensureOffsets();
    // Row starts grow with the index; the first start past `bottom` follows the row holding it.
    const qint64 y = static_cast<qint64>(bottom) - top + FOffsets.offset(FScrolledLines);
    const int holder = FOffsets.rowAt(y);
    if (holder < 0)
        return 0;
    return std::min(holder + 1, count - 1);
}

int TPLXGanttTable::rowAtY(int y)
{
    const int top = GetDocumentSetup()->GetTableStartY();
    if (y < top)
        return -1;
    ensureOffsets();
    const int row = FOffsets.rowAt(static_cast<qint64>(y) - top + FOffsets.offset(FScrolledLines));
    return row < 0 ? -1 : row;
}

// ---- scrolling

void TPLXGanttTable::SetScrolledLines(int n)
{
    const int count = countRows();
    if (count <= FScrolledLines)
        FScrolledLines = std::max(0, count - 1);
    // Out-of-range requests land on the first or last row.
    n = std::clamp(n, 0, std::max(0, count - 1));
    if (n == FScrolledLines)
        return;
    const int old = FScrolledLines;
    int step = n > old ? 1 : -1;
    bool restarted = false;
    while (n >= 0 && n < count && FRows[n]->isCollapsed()) {
        n += step;
        if (n < 0 || n >= count) {
            if (restarted)
                break; // every row is collapsed
            restarted = true;
            step = n < 0 ? 1 : -1;
            n = n < 0 ? 0 : count - 1;
        }
    }
    n = std::clamp(n, 0, std::max(0, count - 1));
    if (n > old) {
        for (int i = old; i < n; ++i) {
            if (!FRows[i]->isCollapsed())
                FRows[i]->setVisible(false);
        }
    } else {
        for (int i = old; i >= n; --i) {
            if (i < count && !FRows[i]->isCollapsed())
                FRows[i]->setVisible(true);
        }
    }
    FScrolledLines = n;
    lastScrolledLines = -1;
}

// ---- order

void TPLXGanttTable::saveOrder()
{
    if (!FSavedOrder)
        FSavedOrder = std::make_unique<QList<TPLXGanttRow *>>();
    *FSavedOrder = FRows;
}

void TPLXGanttTable::restoreOrder()
{
    if (!FSavedOrder || FSavedOrder->size() != FRows.size())
        return;
    for (TPLXGanttRow *r : std::as_const(*FSavedOrder)) {
        if (!FRows.contains(r))
            return;
    }
    FRows = *FSavedOrder;
    renumberFrom(0);
    FOffsetsValid = false;
}

QList<TPLXGanttRow *> TPLXGanttTable::getOrder()
{
    for (int i = 0; i < countRows(); ++i)
        FRows[i]->setPLXTag(i);
    return FRows;
}

void TPLXGanttTable::applyOrder(const QList<TPLXGanttRow *> &list)
{
    PLX_ASSERT(list.size() == FRows.size());
    FRows = list;
    renumberFrom(0);
    FOffsetsValid = false;
}

// ---- focused bar

TPLXGanttBar *TPLXGanttTable::getFocusedBar()
{
    if (FFocusedBarRow >= 0 && FFocusedBarRow < countRows()) {
        if (TPLXGanttBar *bar = FRows[FFocusedBarRow]->GetBarInRow(FFocusedBar))
            return bar;
    }
    FFocusedBarRow = -1;
    FFocusedBar = -1;
    return nullptr;
}

void TPLXGanttTable::setFocusedBar(TPLXGanttBar *bar)
{
    unFocusBar();
    if (!bar)
        return;
    TPLXGanttRow *row = bar->getParentRow();
    PLX_ASSERT(row != nullptr);
    FFocusedBarRow = row->getOrder();
    FFocusedBar = row->indexOf(bar);
    bar->setFocused(true);
}

void TPLXGanttTable::unFocusBar()
{
    if (TPLXGanttBar *bar = getFocusedBar())
        bar->setFocused(false);
    for (TPLXGanttRow *r : FRows) {
        for (TPLXGanttBar *bar : r->bars())
            bar->setFocused(false);
    }
    FFocusedBarRow = -1;
    FFocusedBar = -1;
}

// ---- PERT layout

void TPLXGanttTable::snapToGrid(int x, int y, QPoint &p, bool clamp) const
{
    const int gx = std::max(1, FPertGridSize.x());
    const int gy = std::max(1, FPertGridSize.y());
    p.setX(nearest(static_cast<double>(x) / gx) * gx);
    p.setY(nearest(static_cast<double>(y) / gy) * gy);
    if (clamp) {
        p.setX(std::max(0, p.x()));
        p.setY(std::max(0, p.y()));
    }
}

void TPLXGanttTable::setPertStartX(int x)
{
    QPoint p;
    snapToGrid(x, 0, p, true);
    FPertStartX = p.x();
}

void TPLXGanttTable::setPertStartY(int y)
{
    QPoint p;
    snapToGrid(0, y, p, true);
    FPertStartY = p.y();
}

int TPLXGanttTable::PertAbsToRelX(int x)
{
    QPoint p;
    snapToGrid(FPertStartX + x - GetDocumentSetup()->getTreeWidth(), 0, p, true);
    return p.x();
}

int TPLXGanttTable::PertAbsToRelY(int y)
{
    QPoint p;
    snapToGrid(0, FPertStartY + y, p, true);
    return p.y();
}

QPoint TPLXGanttTable::PertAbsToRel(int x, int y)
{
    return {PertAbsToRelX(x), PertAbsToRelY(y)};
}

void TPLXGanttTable::registerPertCoords(int x, int y)
{
    const int width = FDefaultPertBarSettings ? FDefaultPertBarSettings->getWidth() : 0;
    const int height = FDefaultPertBarSettings ? FDefaultPertBarSettings->getHeight() : 0;
    FMaxPertCoords.setY(std::max(FMaxPertCoords.y(), FPertStartY + y + height));
    FMaxPertCoords.setX(std::max(FMaxPertCoords.x(), FPertStartX + x + width));
}

int TPLXGanttTable::findEmptyRow() const
{
    for (int i = 0; i < countRows(); ++i) {
        if (!FRows[i]->pertBar())
            return i;
    }
    return -1;
}

void TPLXGanttTable::setZOrder(TPLXGanttRow *row, int i)
{
    FRowsZOrder.removeOne(row);
    FRowsZOrder.insert(std::clamp<qsizetype>(i, 0, FRowsZOrder.size()), row);
}

int TPLXGanttTable::getZOrder(TPLXGanttRow *row) const
{
    return static_cast<int>(FRowsZOrder.indexOf(row));
}

void TPLXGanttTable::setDefaultPertBarSettings(TPLXPertBarSettings *settings)
{
    if (settings == FDefaultPertBarSettings)
        return;
    if (FDefaultPertBarSettings && FDefaultPertBarSettings->getParent() == this)
        delete FDefaultPertBarSettings;
    FDefaultPertBarSettings = settings;
    if (settings)
        settings->setParent(this);
}

void TPLXGanttTable::FindEmptyPertPlace(QPoint &p)
{
    const int width = FDefaultPertBarSettings ? std::max(0, FDefaultPertBarSettings->getWidth()) : 0;
    const int height = FDefaultPertBarSettings ? std::max(0, FDefaultPertBarSettings->getHeight()) : 0;
    const qint64 cellW = qint64(width) * 14 / 10;
    const qint64 cellH = (qint64(height) + 25) * 14 / 10; // at least 35
    const auto take = [&](qint64 col, qint64 row) {
        p = QPoint(static_cast<int>(col * cellW + (cellW - width) / 2),
                   static_cast<int>(row * cellH + (cellH - height) / 2));
    };
    // A cell without width meets no box.
    if (cellW == 0)
        return take(0, 0);

    struct Box
    {
        qint64 left, top, right, bottom;
    };
    QList<Box> boxes;
    qint64 lowest = 0;
    for (TPLXGanttRow *r : std::as_const(FRows)) {
        const TPLXPertBar *box = r->pertBar();
        const TPLXPertBarSettings *own = box ? box->getSettings() : nullptr;
        // A box without a size of its own is an empty rectangle: it meets nothing.
        if (!own || own->getWidth() <= 0 || own->getHeight() <= 0)
            continue;
        boxes.append(
            {box->getX(), box->getY(), qint64(box->getX()) + own->getWidth(), qint64(box->getY()) + own->getHeight()});
        lowest = std::max(lowest, boxes.last().bottom);
    }

    // The cells each box meets (right/bottom exclusive), so that the search
    // asks a set instead of every box for every cell. Far enough out every
    // cell is free; the search stops after `rings` rings, and a box that
    // meets many cells is asked directly.
    const qint64 rings = boxes.size() + 65;
    const auto key = [&](qint64 col, qint64 row) { return col * (rings + 1) + row; };
    QSet<qint64> blocked;
    QList<Box> large;
    for (const Box &b : std::as_const(boxes)) {
        const qint64 c0 = std::max<qint64>(0, floorDiv(b.left, cellW));
        const qint64 c1 = std::min(rings, floorDiv(b.right - 1, cellW));
        const qint64 r0 = std::max<qint64>(0, floorDiv(b.top, cellH));
        const qint64 r1 = std::min(rings, floorDiv(b.bottom - 1, cellH));
        if (c0 > c1 || r0 > r1)
            continue;
        if ((c1 - c0 + 1) * (r1 - r0 + 1) > 64) {
            large.append(b);
            continue;
        }
        for (qint64 col = c0; col <= c1; ++col) {
            for (qint64 row = r0; row <= r1; ++row)
                blocked.insert(key(col, row));
        }
    }
    const auto isFree = [&](qint64 col, qint64 row) {
        if (blocked.contains(key(col, row)))
            return false;
        const qint64 left = col * cellW;
        const qint64 top = row * cellH;
        return std::none_of(large.cbegin(), large.cend(), [&](const Box &b) {
            return left < b.right && b.left < left + cellW && top < b.bottom && b.top < top + cellH;
        });
    };
    // Ring n: column n from the top, then row n from the left.
    for (qint64 n = 0; n < rings; ++n) {
        for (qint64 row = 0; row < n; ++row) {
            if (isFree(n, row))
                return take(n, row);
        }
        for (qint64 col = 0; col <= n; ++col) {
            if (isFree(col, n))
                return take(col, n);
        }
    }
    // Only huge boxes (a damaged file) get here: the first row below all of them.
    take(0, std::min<qint64>(lowest / cellH + 1, std::numeric_limits<int>::max() / cellH - 1));
}

TPLXBarConnection *TPLXGanttTable::findPertBarsConnection(TPLXGanttRow *rowA, TPLXGanttRow *rowB) const
{
    if (!rowA || !rowB || !rowA->pertBar() || !rowB->pertBar())
        return nullptr;
    const TPLXGanttBar *a = rowA->pertBar();
    const TPLXGanttBar *b = rowB->pertBar();
    for (TPLXBarConnection *c : FPertBarConnections) {
        if ((c->getFromBar() == a && c->getToBar() == b) ||
            (c->getConnType() == 1 && c->getFromBar() == b && c->getToBar() == a))
            return c;
    }
    return nullptr;
}

void TPLXGanttTable::linkPertBars()
{
    for (TPLXBarConnection *c : std::as_const(FPertBarConnections)) {
        TPLXPertBar *from = c->getFromBar() ? c->getFromBar()->asPertBar() : nullptr;
        TPLXPertBar *to = c->getToBar() ? c->getToBar()->asPertBar() : nullptr;
        if (from && to) {
            from->newConnectionTo(to);
            to->newConnectionFrom(from);
        }
    }
}

TPLXGanttTable::PertConnectionsState TPLXGanttTable::pertConnectionsState() const
{
    PertConnectionsState state;
    state.entries.reserve(FPertBarConnections.size());
    for (TPLXBarConnection *c : FPertBarConnections)
        state.entries.append({c, c->getFromBar(), c->getToBar(), c->getConnType()});
    return state;
}

void TPLXGanttTable::restorePertConnections(const PertConnectionsState &state)
{
    FPertBarConnections.clear();
    for (const PertConnectionsState::Entry &e : state.entries) {
        if (e.connection->getFromBar() != e.from)
            e.connection->setFromBar(e.from);
        if (e.connection->getToBar() != e.to)
            e.connection->setToBar(e.to);
        e.connection->setConnType(e.connType);
        FPertBarConnections.append(e.connection);
    }
}

TPLXBarConnection *TPLXGanttTable::GetPertConnection(int i) const
{
    return i >= 0 && i < FPertBarConnections.size() ? FPertBarConnections[i] : nullptr;
}

bool TPLXGanttTable::addPertConnection(TPLXBarConnection *c)
{
    for (TPLXBarConnection *e : std::as_const(FPertBarConnections)) {
        if (e->getFromBar() == c->getFromBar() && e->getToBar() == c->getToBar())
            return false;
        if (e->getFromBar() == c->getToBar() && e->getToBar() == c->getFromBar()) {
            e->setConnType(1);
            return false;
        }
    }
    FPertBarConnections.append(c);
    return true;
}

bool TPLXGanttTable::contains(const TPLXBarConnection *a, const TPLXBarConnection *b)
{
    if (a->getFromBar() == b->getFromBar() && a->getToBar() == b->getToBar())
        return true;
    return a->getConnType() == 1 && a->getFromBar() == b->getToBar() && a->getToBar() == b->getFromBar();
}

void TPLXGanttTable::removePertConnection(TPLXBarConnection *c)
{
    for (qsizetype i = 0; i < FPertBarConnections.size(); ++i) {
        TPLXBarConnection *e = FPertBarConnections[i];
        if (!contains(e, c))
            continue;
        const bool oneWay = c->getConnType() != 1;
        if (e->getToBar() == c->getFromBar() && oneWay) {
            e->setConnType(0);
        } else if (e->getConnType() == 1 && oneWay) {
            // Only the other direction remains.
            TPLXGanttBar *const from = c->getToBar();
            TPLXGanttBar *const to = c->getFromBar();
            e->setFromBar(from);
            e->setToBar(to);
            e->setConnType(0);
        } else {
            FPertBarConnections.removeAt(i);
        }
        return;
    }
}

// ---- persistence

void TPLXGanttTable::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory)
{
    const QString section = getUID();
    media.setStrProperty(name, QStringLiteral("table"), section);
    media.setStrProperty(section, QStringLiteral("TypeID"), QStringLiteral("Gantt Table"));
    media.setIntProperty(section, QStringLiteral("column width"), FColWidth);
    media.setIntProperty(section, QStringLiteral("pert grid size x"), FPertGridSize.x());
    media.setIntProperty(section, QStringLiteral("pert grid size y"), FPertGridSize.y());
    media.setStrProperty(section, QStringLiteral("grid color"), ColorToString(FGridColor));
    media.setStrProperty(section, QStringLiteral("base color"), ColorToString(FBaseColor));
    media.setColorProperty(section, QStringLiteral("grid anchor color"), FGridAnchorColor);
    media.setIntProperty(section, QStringLiteral("default row height"), FDefaultRowHeight);
    media.setIntProperty(section, QStringLiteral("focused bar frame thickness"), FFocusedFrameThickness);
    media.setColorProperty(section, QStringLiteral("pert graph background color"), FPertGraphBackGroundColor);
    media.setColorProperty(section, QStringLiteral("critical path color"), FCriticalPathColor);
    media.setColorProperty(section, QStringLiteral("weekend brighten color"), FWeekendBrightenColor);
    factory.saveObjectListOf(section, QStringLiteral("rows"), media, FRows);
    // A row taken out of the table keeps its place in the z-order for undo, but is not saved with it.
    QList<TPLXGanttRow *> zOrder;
    for (TPLXGanttRow *row : FRowsZOrder) {
        if (listsRow(row))
            zOrder.append(row);
    }
    factory.saveObjectListOf(section, QStringLiteral("rowszorder"), media, zOrder);
    factory.saveObjectListOf(section, QStringLiteral("pertconnections"), media, FPertBarConnections);
    TPLXPersistence::saveChild(section, QStringLiteral("default pert settings"), FDefaultPertBarSettings, media,
                               factory);
}

std::unique_ptr<TPLXGanttObject> TPLXGanttTablePersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                   TPLXEntityFactory &factory)
{
    auto table = std::make_unique<TPLXGanttTable>();
    setID(name);
    // Membership is checked against sets, so that loading stays linear in the rows.
    QSet<const TPLXGanttRow *> listed;
    for (TPLXGanttRow *row :
         factory.loadObjectListAs<TPLXGanttRow>(name, QStringLiteral("rows"), media, table.get())) {
        // A row listed twice or of another kind cannot take a place of its own.
        if (row && !listed.contains(row)) {
            listed.insert(row);
            table->FRows.append(row);
        }
    }
    table->renumberFrom(0);
    table->FColWidth = media.sizeValue(name, QStringLiteral("column width"), 50);
    table->FPertGridSize = {media.sizeValue(name, QStringLiteral("pert grid size x"), 20),
                            media.sizeValue(name, QStringLiteral("pert grid size y"), 20)};
    table->FGridColor = StringToColor(media.strValue(name, QStringLiteral("grid color"), QStringLiteral("clGray")));
    table->FBaseColor = StringToColor(media.strValue(name, QStringLiteral("base color"), QStringLiteral("$02F7EAD4")));
    table->FGridAnchorColor = media.colorValue(name, QStringLiteral("grid anchor color"), 0xFF0000);
    table->FDefaultRowHeight = media.sizeValue(name, QStringLiteral("default row height"), 35);
    table->FFocusedFrameThickness = media.sizeValue(name, QStringLiteral("focused bar frame thickness"), 4);
    table->FPertGraphBackGroundColor = media.colorValue(name, QStringLiteral("pert graph background color"),
                                                        StringToColor(QStringLiteral("$eeeeee")));
    table->FCriticalPathColor = media.colorValue(name, QStringLiteral("critical path color"), 0xFF00FF);
    table->FWeekendBrightenColor = media.colorValue(name, QStringLiteral("weekend brighten color"), 0x404040);
    // A damaged z-order still shows every box once: rows that are not the
    // table's, listed twice or without a box are left out, and boxes it
    // misses go below the others.
    QSet<const TPLXGanttRow *> stacked;
    for (TPLXGanttRow *row :
         factory.loadObjectListAs<TPLXGanttRow>(name, QStringLiteral("rowszorder"), media, table.get())) {
        if (row && row->pertBar() && listed.contains(row) && !stacked.contains(row)) {
            stacked.insert(row);
            table->FRowsZOrder.append(row);
        }
    }
    for (TPLXGanttRow *row : std::as_const(table->FRows)) {
        if (row->pertBar() && !stacked.contains(row))
            table->FRowsZOrder.append(row);
    }
    // Only connections between two boxes are PERT connections; others stay
    // the table's children, unlisted.
    QSet<const TPLXBarConnection *> joined;
    for (TPLXBarConnection *c :
         factory.loadObjectListAs<TPLXBarConnection>(name, QStringLiteral("pertconnections"), media, table.get())) {
        if (c && c->getFromBar() && c->getFromBar()->asPertBar() && c->getToBar() && c->getToBar()->asPertBar() &&
            !joined.contains(c)) {
            joined.insert(c);
            table->FPertBarConnections.append(c);
        } else if (c)
            PLXLog(QStringLiteral("Table %1: PERT connection %2 does not join two PERT boxes").arg(name, c->getUID()));
    }
    if (media.strValue(name, QStringLiteral("default pert settings"), QStringLiteral("Missing")) !=
        QLatin1String("Missing"))
        table->FDefaultPertBarSettings =
            loadChildAs<TPLXPertBarSettings>(QStringLiteral("default pert settings"), media, factory, table.get());
    table->FOffsetsValid = false;
    table->linkPertBars();
    return table;
}

// ------------------------------------------------------------ TPLXGanttTableDrawer

TPLXGanttTableDrawer::TPLXGanttTableDrawer(TPLXGanttTable *table)
    : TPLXDrawer(table)
{
}

TPLXGanttTable *TPLXGanttTableDrawer::table() const
{
    return static_cast<TPLXGanttTable *>(target);
}

void TPLXGanttTableDrawer::emphasizeDay(TDateTime d, TColor color)
{
    TPLXDocumentSetup *document = table()->GetDocumentSetup();
    const int w = table()->GetColumnWidth();
    const int x = Fcalendar->Diff(d, document->getStartDate()) * w + tableArea.Left;
    vc->FillArea({x, tableArea.Top, x + w, tableArea.Bottom}, color, bsSolid);
}

void TPLXGanttTableDrawer::Draw(TPLXVisualContext &context)
{
    TPLXGanttTable *t = table();
    TPLXDocumentSetup *document = t->GetDocumentSetup();
    vc = &context;
    Fcalendar = document->getCalendar();
    tableArea = context.getVisibleArea();
    tableArea.Left = document->getColStartX(0);
    tableArea.Top = std::max(tableArea.Top, document->GetTableStartY());
    context.FillArea(tableArea, t->GetBaseColor(), bsSolid);

    lastVisible = t->lastRowStartingAbove(context.getVisibleArea().Bottom);
    // Rows above the scroll position are invisible unless an application made one visible;
    // only then does a pass have to look at them.
    FirstVisible = t->visibleHeightBefore(t->getScrolledLines()) == 0 ? t->getScrolledLines() : 0;
    const int w = t->GetColumnWidth();

    // Row bands follow the task tree, which a chart may lack.
    const int treeRows = document->treeRowCount();
    const auto fillRowBand = [&](int i, TColor color) {
        const int top = t->getRowStartY(i);
        context.FillArea({tableArea.Left, top, tableArea.Right, top + t->getRowHeight(i)}, color, bsSolid);
    };
    for (int i = std::min(lastVisible, treeRows - 1); i >= FirstVisible; --i) {
        TPLXGanttRow *row = t->rows()[i];
        if (!row->IsVisible())
            continue;
        if (TColor band = 0; document->rowBandColor(i, row->IsGroup(), band))
            fillRowBand(i, band);
    }

    const TDateTime docStart = document->getStartDate();
    const TDateTime docEnd = document->getEndDate();
    const auto walkExceptionColumns = [&](const auto &visit) {
        if (!Fcalendar || w <= 0)
            return;
        // Start at the first column that can be seen, so the work follows the visible width
        // and not the distance from the document's start.
        const qint64 hidden = std::max(0, context.getVisibleArea().Left - tableArea.Left) / w;
        const TDateTime first = hidden > 0 ? Fcalendar->Add(docStart, static_cast<qint32>(hidden)) : docStart;
        for (TDateTime d = first; d <= docEnd;) {
            // Columns right of the chart area cannot be seen.
            if (Fcalendar->Diff(d, docStart) * static_cast<qint64>(w) + tableArea.Left >= tableArea.Right)
                break;
            IPLXDateCategory *category = Fcalendar->matchCategory(d, tmNone);
            if (category && category->getVisible())
                visit(d, category);
            const TDateTime next = Fcalendar->Next(d);
            // A step too small to change the date would never end.
            if (!(next > d))
                break;
            d = next;
        }
    };
    walkExceptionColumns([&](TDateTime d, IPLXDateCategory *category) { emphasizeDay(d, category->getColor()); });

    if (TColor selected = 0, focused = 0; document->selectionColors(selected, focused)) {
        for (int i = lastVisible; i >= FirstVisible; --i) {
            TPLXGanttRow *row = t->rows()[i];
            if (!row->IsVisible())
                continue;
            if (row->isSelected())
                fillRowBand(i, selected);
            if (row->isFocused())
                fillRowBand(i, focused);
        }
    }

    if (lastVisible >= 0) {
        context.setDrawingColor(t->GetGridColor());
        context.setPenStyle(psSolid);
        context.setPenWidth(1);
        int y = t->getRowStartY(FirstVisible);
        for (int i = FirstVisible; i <= lastVisible && y < tableArea.Bottom; ++i) {
            TPLXGanttRow *row = t->rows()[i];
            if (!row->IsVisible())
                continue;
            y += row->getHeight();
            context.drawLine(tableArea.Left, y, tableArea.Right, y);
        }
    }
    if (w > 0) {
        context.setDrawingColor(t->GetGridColor());
        for (int x = tableArea.Left; x < tableArea.Right; x += w)
            context.drawLine(x, tableArea.Top, x, tableArea.Bottom);
    }

    walkExceptionColumns([&](TDateTime d, IPLXDateCategory *) {
        const int x = Fcalendar->Diff(d, docStart) * w + tableArea.Left;
        context.setFont(QStringLiteral("Arial"), 14, 0xFFFFFF, true, true, false, 0);
        context.centerTextVertical({x, tableArea.Top, x + w, tableArea.Bottom}, Fcalendar->getDateLabel(d, tmNone));
    });

    const auto drawDateLine = [&](TDateTime date, TPenStyle style, TColor color, int penWidth) {
        if (!Fcalendar)
            return;
        context.setPenStyle(style);
        context.setDrawingColor(color);
        const int x = nearest(w * Fcalendar->RealDiff(date, docStart)) + document->getColStartX(0);
        for (int k = 0; k < penWidth; ++k)
            context.drawLine(x + k, tableArea.Top, x + k, tableArea.Bottom);
        context.setPenStyle(psSolid);
    };
    if (TPLXCurrentDateLine *line = t->CurrentDateLine(); line && line->getVisible())
        drawDateLine(nowAsDateTime(), line->getPenStyle(), line->getColor(), line->getPenWidth());
    if (TPLXUserDefinedDateLine *line = t->DateLine(); line && line->getVisible())
        drawDateLine(line->getDate(), line->getPenStyle(), line->getColor(), line->getPenWidth());

    context.SetClipRect(tableArea);
    for (int i = lastVisible; i >= FirstVisible; --i) {
        TPLXGanttRow *row = t->rows()[i];
        if (row->IsVisible())
            row->getDrawer(vtGanttGraph)->Draw(context);
    }
    context.ResetClipRect();
}

TPLXGanttObject *TPLXGanttTableDrawer::locateObject(int x, int y)
{
    TPLXGanttTable *t = table();
    const int last = std::min(lastVisible, t->countRows() - 1);
    for (int i = std::min(FirstVisible, last + 1); i <= last; ++i) {
        TPLXGanttRow *row = t->rows()[i];
        if (!row->IsVisible())
            continue;
        if (TPLXGanttObject *found = row->getDrawer(vtGanttGraph)->locateObject(x, y))
            return found;
    }
    return nullptr;
}

// ------------------------------------------------------------ TPLXGanttTablePertDrawer

TPLXGanttTablePertDrawer::TPLXGanttTablePertDrawer(TPLXGanttTable *table)
    : TPLXDrawer(table)
{
}

TPLXGanttTable *TPLXGanttTablePertDrawer::table() const
{
    return static_cast<TPLXGanttTable *>(target);
}

void TPLXGanttTablePertDrawer::drawConnections(TPLXVisualContext &vc, const QList<TPLXBarConnection *> &connections)
{
    const TRect area = vc.getVisibleArea();
    for (TPLXBarConnection *c : connections) {
        TPLXDrawer *drawer = c->getDrawer(vtPertGraph);
        auto *connector = dynamic_cast<TPLXBarConnectionDrawer *>(drawer);
        if (!connector) {
            if (drawer)
                drawer->Draw(vc);
            continue;
        }
        if (!connector->route())
            continue;
        const TRect r = connector->getRect();
        if (r.Right > area.Left && r.Left < area.Right && r.Bottom > area.Top && r.Top < area.Bottom)
            connector->paintRoute(vc);
    }
}

void TPLXGanttTablePertDrawer::Draw(TPLXVisualContext &vc)
{
    TPLXGanttTable *t = table();
    const TRect area = vc.getVisibleArea();
    vc.FillArea(area, t->getPertGraphBackGroundColor(), bsSolid);
    const int gx = t->getPertGridSize().x();
    const int gy = t->getPertGridSize().y();
    if (t->getDrawPertGrid() && gx > 0 && gy > 0) {
        const int left = t->GetDocumentSetup()->getColStartX(0);
        for (int i = 1; i * gx <= area.width(); ++i) {
            for (int j = 1; j * gy <= area.height(); ++j)
                vc.drawPixel(left + i * gx, j * gy, t->getGridAnchorColor());
        }
    }
    t->setMaxPertCoords({0, 0});
    // Each box's rectangle, measured once for this pass.
    QHash<const TPLXGanttBar *, TRect> rects;
    rects.reserve(2 * t->countRows());
    const auto rectOf = [&rects](TPLXGanttBar *bar) {
        auto found = rects.constFind(bar);
        if (found == rects.constEnd()) {
            TPLXDrawer *drawer = bar->getDrawer(vtPertGraph);
            found = rects.insert(bar, drawer ? drawer->getRect() : TRect{});
        }
        return *found;
    };
    // Each box's connections, in list order, found once rather than by a pass over all per box. Both boxes
    // and the stubs and arrows between them bound a route: one far off screen is not made, nor hit.
    QHash<const TPLXGanttBar *, QList<TPLXBarConnection *>> byBox;
    byBox.reserve(t->pertConnections().size());
    for (TPLXBarConnection *c : t->pertConnections()) {
        constexpr int reach = 40;
        if (c->getFromBar() && c->getToBar()) {
            const TRect a = rectOf(c->getFromBar()), b = rectOf(c->getToBar());
            if (std::max(a.Right, b.Right) + reach <= area.Left || std::min(a.Left, b.Left) - reach >= area.Right ||
                std::max(a.Bottom, b.Bottom) + reach <= area.Top || std::min(a.Top, b.Top) - reach >= area.Bottom) {
                if (auto *connector = dynamic_cast<TPLXBarConnectionDrawer *>(c->getDrawer(vtPertGraph)))
                    connector->clearRoute();
                continue;
            }
        }
        byBox[c->getFromBar()].append(c);
        if (c->getToBar() != c->getFromBar())
            byBox[c->getToBar()].append(c);
    }
    // The first row of the z-order is on top: it is drawn last.
    const QList<TPLXGanttRow *> zOrder = t->rowsZOrder();
    for (qsizetype i = zOrder.size() - 1; i >= 0; --i) {
        TPLXGanttRow *row = zOrder[i];
        if (!t->listsRow(row))
            continue; // taken out of the table, kept in the z-order for undo
        TPLXPertBar *box = row->pertBar();
        if (!box)
            continue;
        if (const auto found = byBox.constFind(box); found != byBox.constEnd())
            drawConnections(vc, *found);
        // A box off screen only counts for the extent of the chart; it keeps
        // no rectangle that a hit test could find.
        TPLXPertBarPertDrawer *boxDrawer = box->pertDrawer();
        if (boxDrawer && (box->getSettings() || t->defaultPertBarSettings())) {
            const TRect r = rectOf(box);
            const int frame = 3; // the highlight frame lies outside the box
            if (r.Right + frame <= area.Left || r.Left - frame >= area.Right || r.Bottom + frame <= area.Top ||
                r.Top - frame >= area.Bottom) {
                t->registerPertCoords(r.Left, r.Top);
                boxDrawer->clearLastRect();
                continue;
            }
        }
        row->getDrawer(vtPertGraph)->Draw(vc);
    }
}

TPLXGanttObject *TPLXGanttTablePertDrawer::locateObject(int x, int y)
{
    TPLXGanttTable *t = table();
    for (TPLXGanttRow *row : t->rowsZOrder()) {
        if (!t->listsRow(row))
            continue;
        if (TPLXDrawer *drawer = row->getDrawer(vtPertGraph)) {
            if (TPLXGanttObject *found = drawer->locateObject(x, y))
                return found;
        }
    }
    for (TPLXBarConnection *c : t->pertConnections()) {
        if (TPLXDrawer *drawer = c->getDrawer(vtPertGraph)) {
            if (TPLXGanttObject *found = drawer->locateObject(x, y))
                return found;
        }
    }
    return nullptr;
}

// ------------------------------------------------------------ operations

bool PLXPerformAll(const std::vector<std::unique_ptr<TPLXOperation>> &parts)
{
    for (size_t i = 0; i < parts.size(); ++i) {
        if (!parts[i]->perform()) {
            while (i-- > 0)
                parts[i]->undo();
            return false;
        }
    }
    return true;
}

TPLXBarDeleteOperation::TPLXBarDeleteOperation(TPLXDataSourceIntf *dataSource, TPLXGanttBar *bar)
    : TPLXMultipleOperations(dataSource)
    , FBar(bar)
{
    addOperation(std::make_unique<TPLXBarRemoveOperation>(dataSource, bar));
}

bool TPLXBarDeleteOperation::perform()
{
    if (isDisabled())
        return false;
    if (FCollected)
        return PLXPerformAll(operations);
    // The remove part may take connections along with the row's PERT box;
    // collecting after it leaves those to it, so none is deleted twice.
    if (!operations.front()->perform())
        return false;
    FCollected = true;
    if (TPLXDocumentSetup *document = FDataSource ? FDataSource->documentSetup() : nullptr; document && FBar) {
        for (TPLXBarConnection *c : document->connectionsOf(FBar))
            addOperation(std::make_unique<TPLXConnectionDeleteOperation>(FDataSource, c));
    }
    for (size_t i = 1; i < operations.size(); ++i) {
        if (!operations[i]->perform()) {
            while (i-- > 0)
                operations[i]->undo();
            return false;
        }
    }
    return true;
}

TPLXGanttRowOperation::TPLXGanttRowOperation(TPLXDataSourceIntf *dataSource, TPLXGanttRow *row, int index)
    : DataSource(dataSource)
    , Index(index)
    , Row(row)
{
}

bool TPLXGanttRowOperation::InsertRow()
{
    TPLXGanttTable *table = PLXTableOf(DataSource);
    if (!table || !Row || Index < 0 || Index > table->countRows())
        return false;
    Row->setHeight(table->getDefaultRowheight());
    table->insertRow(Index, Row);
    if (DataSource->getOnRowInsert())
        DataSource->getOnRowInsert()(Row);
    return true;
}

bool TPLXGanttRowOperation::DeleteRow()
{
    TPLXGanttTable *table = PLXTableOf(DataSource);
    if (!table || Index < 0 || Index >= table->countRows())
        return false;
    if (table->getFocusedBar() && table->getFocusedBar()->getParentRow() == table->getRow(Index))
        table->unFocusBar();
    TPLXGanttRow *row = table->takeRow(Index);
    if (DataSource->getOnRowDelete())
        DataSource->getOnRowDelete()(row);
    return true;
}

TPLXGanttRowInsertOperation::TPLXGanttRowInsertOperation(TPLXDataSourceIntf *dataSource, TPLXGanttRow *row, int index)
    : TPLXOperation(dataSource)
    , FOp(std::make_unique<TPLXGanttRowOperation>(dataSource, row, index))
{
    if (row && !row->getParent())
        FOwnedRow.reset(row);
}

TPLXGanttRowInsertOperation::~TPLXGanttRowInsertOperation() = default;

bool TPLXGanttRowInsertOperation::perform()
{
    if (!FOp->InsertRow())
        return false;
    (void)FOwnedRow.release(); // the table is the row's parent now
    return true;
}

bool TPLXGanttRowInsertOperation::undo()
{
    return FOp->DeleteRow();
}

TPLXGanttRowRemoveOperation::TPLXGanttRowRemoveOperation(TPLXDataSourceIntf *dataSource, int index)
    : TPLXOperation(dataSource)
{
    TPLXGanttTable *table = PLXTableOf(dataSource);
    if (table && index >= 0 && index < table->countRows())
        FOp = std::make_unique<TPLXGanttRowOperation>(dataSource, table->getRow(index), index);
}

bool TPLXGanttRowRemoveOperation::perform()
{
    if (!FOp || !FOp->getRow())
        return false;
    FHeight = FOp->getRow()->getHeight();
    return FOp->DeleteRow();
}

bool TPLXGanttRowRemoveOperation::undo()
{
    if (!FOp || !FOp->InsertRow())
        return false;
    // Inserting gives the default height; the removed row had its own.
    FOp->getRow()->setHeight(FHeight);
    return true;
}

TPLXGanttRowClearOperation::TPLXGanttRowClearOperation(TPLXDataSourceIntf *dataSource, int index)
    : TPLXMultipleOperations(dataSource)
{
    TPLXGanttTable *table = PLXTableOf(dataSource);
    if (!table || index < 0 || index >= table->countRows()) {
        Disable();
        return;
    }
    TPLXGanttRow *row = table->getRow(index);
    // A group row's summary bar follows its group; clearing leaves it alone.
    if (std::any_of(row->bars().cbegin(), row->bars().cend(),
                    [](const TPLXGanttBar *bar) { return bar->isSummaryBar(); }))
        return;
    for (TPLXGanttBar *bar : row->bars())
        addOperation(std::make_unique<TPLXBarDeleteOperation>(dataSource, bar));
}

bool TPLXGanttRowClearOperation::perform()
{
    return !isDisabled() && PLXPerformAll(operations);
}

bool TPLXGanttRowsDeleteOperation::perform()
{
    return !isDisabled() && PLXPerformAll(operations);
}

TPLXGanttRowsDeleteOperation::TPLXGanttRowsDeleteOperation(TPLXDataSourceIntf *dataSource, int first, int last)
    : TPLXMultipleOperations(dataSource)
{
    for (int i = last; i >= first; --i) {
        addOperation(std::make_unique<TPLXGanttRowClearOperation>(dataSource, i));
        addOperation(std::make_unique<TPLXGanttRowRemoveOperation>(dataSource, i));
    }
}

// ------------------------------------------------------------ PERT connection operations

std::unique_ptr<TPLXOperation> TPLXPertConnectionOperation::add(TPLXDataSourceIntf *dataSource, TPLXBarConnection *c)
{
    if (!c || !c->getFromBar() || !c->getToBar())
        return nullptr;
    TPLXGanttTable *table = PLXTableOf(dataSource);
    PLX_ASSERT(table != nullptr);
    table->addPertConnection(c);
    // A connection still being drawn out ends at a fake box: no task to connect yet.
    if (c->getToBar()->isLooseEnd())
        return nullptr;
    TPLXDocumentSetup *document = dataSource->documentSetup();
    PLX_ASSERT(document != nullptr);
    TPLXGanttRow *fromRow = c->getFromBar()->getParentRow();
    TPLXGanttRow *toRow = c->getToBar()->getParentRow();
    PLX_ASSERT(fromRow != nullptr && toRow != nullptr);
    if (document->findRowsConnection(fromRow, toRow))
        return nullptr;
    TPLXGanttBar *a = fromRow->findLastSummarizable();
    TPLXGanttBar *b = toRow->findFirstSummarizable();
    if (!a || !b || document->findConnection(a, b, 4) || !a->acceptConnections() || !b->acceptConnections())
        return nullptr;
    auto connection = std::make_unique<TPLXBarConnection>(a, b, TPLXBarConnection::ctFinishStart, document);
    auto addition = std::make_unique<TPLXConnectionAddOperation>(dataSource, connection.get());
    if (!addition->perform())
        return nullptr;         // refused: the connection never joined the document and is freed here
    (void)connection.release(); // the document's now
    auto composite = std::make_unique<TPLXMultipleOperations>(dataSource);
    composite->addOperation(std::move(addition));
    return composite;
}

std::unique_ptr<TPLXOperation> TPLXPertConnectionOperation::remove(TPLXDataSourceIntf *dataSource,
                                                                   TPLXBarConnection *c)
{
    TPLXGanttTable *table = PLXTableOf(dataSource);
    if (!c || !table)
        return nullptr;
    table->removePertConnection(c);
    if (!c->getFromBar() || !c->getToBar() || c->getToBar()->isLooseEnd())
        return nullptr;
    TPLXDocumentSetup *document = dataSource->documentSetup();
    TPLXGanttRow *fromRow = c->getFromBar()->getParentRow();
    TPLXGanttRow *toRow = c->getToBar()->getParentRow();
    if (!document || !fromRow || !toRow)
        return nullptr;
    auto composite = std::make_unique<TPLXMultipleOperations>(dataSource);
    const auto deleteAll = [&](TPLXGanttRow *from, TPLXGanttRow *to) {
        // One at a time: each deletion changes what the next lookup finds.
        while (TPLXBarConnection *found = document->findRowsConnection(from, to)) {
            auto deletion = std::make_unique<TPLXConnectionDeleteOperation>(dataSource, found);
            if (!deletion->perform())
                return; // refused by the application: it stays
            composite->addOperation(std::move(deletion));
        }
    };
    deleteAll(fromRow, toRow);
    if (c->getConnType() == 1)
        deleteAll(toRow, fromRow);
    return composite;
}

TPLXPertConnectionStep::TPLXPertConnectionStep(TPLXDataSourceIntf *dataSource, TPLXBarConnection *conn)
    : TPLXOperation(dataSource)
    , conn(conn)
{
}

bool TPLXPertConnectionStep::perform()
{
    TPLXGanttTable *table = PLXTableOf(FDataSource);
    if (!conn || !table)
        return false;
    FBefore = table->pertConnectionsState();
    std::unique_ptr<TPLXOperation> &part = ganttPart();
    if (!part) {
        part = firstPerform(table);
        return true;
    }
    // Redo: the document is as it was on the first perform, so the same
    // dependencies come back (or go again) rather than new ones that later
    // steps do not know.
    repeat(table);
    if (!part->perform()) {
        table->restorePertConnections(FBefore);
        return false;
    }
    return true;
}

bool TPLXPertConnectionStep::undo()
{
    TPLXGanttTable *table = PLXTableOf(FDataSource);
    if (!conn || !table)
        return false;
    if (ganttPart() && !ganttPart()->undo())
        return false;
    // Exactly the list as it was: deleting or adding the connection instead
    // would also take dependencies that were there before, or make new ones.
    table->restorePertConnections(FBefore);
    return true;
}

TPLXPertConnectionAddOperation::TPLXPertConnectionAddOperation(TPLXDataSourceIntf *dataSource, TPLXBarConnection *conn)
    : TPLXPertConnectionStep(dataSource, conn)
{
}

TPLXPertConnectionAddOperation::~TPLXPertConnectionAddOperation() = default;

std::unique_ptr<TPLXOperation> TPLXPertConnectionAddOperation::firstPerform(TPLXGanttTable *table)
{
    // Listed once, a PERT connection stays the table's for good, so that
    // operations may keep referring to it.
    if (!getConn()->getParent())
        getConn()->setParent(table);
    return TPLXPertConnectionOperation::add(FDataSource, getConn());
}

void TPLXPertConnectionAddOperation::repeat(TPLXGanttTable *table)
{
    table->addPertConnection(getConn());
}

TPLXPertConnectionDeleteOperation::TPLXPertConnectionDeleteOperation(TPLXDataSourceIntf *dataSource,
                                                                     TPLXBarConnection *conn)
    : TPLXPertConnectionStep(dataSource, conn)
{
}

TPLXPertConnectionDeleteOperation::~TPLXPertConnectionDeleteOperation() = default;

std::unique_ptr<TPLXOperation> TPLXPertConnectionDeleteOperation::firstPerform(TPLXGanttTable *)
{
    return TPLXPertConnectionOperation::remove(FDataSource, getConn());
}

void TPLXPertConnectionDeleteOperation::repeat(TPLXGanttTable *table)
{
    table->removePertConnection(getConn());
}
