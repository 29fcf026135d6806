#include "plxGanttView.h"
#include "plxDataSource.h"
#include "plxDocumentCalendar.h"
#include "plxGanttBar.h"
#include "plxGanttDocument.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxLegend.h"
#include "plxTextualHalo.h"
#include "plxTreeGrid.h"
#include "plxVisualContext.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr TColor kOutlineBlack = 0x000000;
constexpr TColor kOutlineGreen = 0x008000;
constexpr TColor kOutlineRed = 0x0000FF;
constexpr TColor kHaloRefused = 0x9090FF;
constexpr TColor kHaloAccepted = 0x90FF90;

TRect widened(const TRect &r, int by)
{
    return {r.Left - by, r.Top - by, r.Right + by, r.Bottom + by};
}

} // namespace

TPLXView::~TPLXView() = default;

void TPLXView::Draw(TPLXDataSource *dataSource, TPLXVisualContext &vc, bool printing)
{
    setDataSource(dataSource);
    Draw(vc, printing);
}

TPLXGanttView::TPLXGanttView() = default;

TPLXGanttDocument *TPLXGanttView::document() const
{
    return dataSource ? dataSource->root() : nullptr;
}

TPLXGanttTable *TPLXGanttView::table() const
{
    return dataSource ? dataSource->GetTable() : nullptr;
}

TPLXTimeModeObject *TPLXGanttView::calendar() const
{
    return dataSource ? dataSource->GetCalendar() : nullptr;
}

int TPLXGanttView::columnWidth() const
{
    const TPLXGanttTable *t = table();
    return t ? std::max(1, t->GetColumnWidth()) : 1;
}

void TPLXGanttView::forgetVisualContext()
{
    lastVC = nullptr;
    outlinedObject = nullptr;
}

void TPLXGanttView::Draw(TPLXVisualContext &vc, bool printing)
{
    TPLXGanttDocument *doc = document();
    if (!doc)
        return;
    if (!printing) {
        // The chart shows as many periods as the window holds, and one more for the cut-off column.
        const TRect area = vc.getVisibleArea();
        const int periods = (area.width() - doc->getColStartX(0)) / columnWidth() + 1;
        if (TPLXTimeModeObject *cal = calendar())
            doc->setEndDate(cal->Add(doc->getStartDate(), periods));
    }
    if (TPLXDrawer *drawer = doc->getDrawer(vtGanttGraph))
        drawer->Draw(vc);
    TPLXLegend *legend = doc->GetLegend();
    if (printing && doc->getPrintLegend() && legend && legend->drawer()) {
        const TRect range = GetPrintRange();
        TRect r;
        if (!doc->getPrintLegendUnder())
            r = {range.Right - legend->GetMinWidth(), range.Top, range.Right - 1, range.Bottom};
        else {
            const int top = doc->legendStartY();
            r = {doc->getColStartX(0), top, range.Right, top + legend->GetHeight()};
        }
        legend->drawer()->SetLayout(r);
        legend->drawer()->Draw(vc);
    }
    lastVC = &vc;
}

TPLXGanttObject *TPLXGanttView::locateDraggingObject(int x, int y)
{
    TPLXGanttDocument *doc = document();
    TPLXDrawer *drawer = doc ? doc->getDrawer(vtGanttGraph) : nullptr;
    return drawer ? drawer->locateObject(x, y) : nullptr;
}

TDateTime TPLXGanttView::getTime(int x)
{
    TPLXGanttDocument *doc = document();
    TPLXTimeModeObject *cal = calendar();
    if (!doc || !cal)
        return 0;
    return cal->RealAdd(doc->getStartDate(), double(x - doc->getColStartX(0)) / columnWidth());
}

TPLXColRow TPLXGanttView::walkRows(int x, int y, bool extended)
{
    TPLXColRow result;
    TPLXGanttDocument *doc = document();
    TPLXGanttTable *t = table();
    if (!doc || !t)
        return result;
    const int top = doc->GetTableStartY();
    qint64 dy = qint64(y) - top;
    if (dy < 0)
        return result;
    const int count = t->countRows();
    int i = std::max(0, t->getScrolledLines());
    qint64 accumulated = 0;
    int lastHeight = 0;
    while (dy >= 0) {
        if (i >= count) {
            // Below the last row the extended walk goes on in rows of the last row's height.
            if (!extended || lastHeight <= 0)
                break;
            const qint64 more = dy / lastHeight + 1;
            i += static_cast<int>(std::min<qint64>(more, std::numeric_limits<int>::max() - i));
            dy -= more * lastHeight;
            result.y = i - 1;
            result.yoffset = 0;
            break;
        }
        const TPLXGanttRow *row = t->getRow(i);
        if (row && row->IsVisible()) {
            lastHeight = row->getHeight();
            dy -= lastHeight;
            accumulated += lastHeight;
        }
        ++i;
    }
    if (result.y < 0) {
        if (dy > 0)
            return result;
        result.y = i - 1;
        result.yoffset = static_cast<int>(lastHeight - (top + accumulated - y));
    }
    const double column = double(x - doc->getColStartX(0)) / columnWidth();
    result.x = FSnapToCell ? std::nearbyint(column) : column;
    return result;
}

TPLXColRow TPLXGanttView::getColRow(int x, int y, bool)
{
    return walkRows(x, y, false);
}

TPLXColRow TPLXGanttView::getColRowExtended(int x, int y, bool)
{
    return walkRows(x, y, true);
}

// ---- outline

void TPLXGanttView::drawOutline(const TRect &r)
{
    lastVC->saveArea(r);
    lastVC->drawRect(r, psDot, dynamic_cast<TPLXHaloEntity *>(outlinedObject) ? kOutlineGreen : kOutlineBlack);
    outlineChanged();
}

void TPLXGanttView::showOutline(TPLXGanttObject *object)
{
    if (!lastVC)
        return;
    TPLXGanttDocument *doc = document();
    auto *halo = dynamic_cast<TPLXHaloEntity *>(object);
    auto *bar = dynamic_cast<TPLXGanttBar *>(object);
    if (halo && halo->processDragging())
        outlinedRect = halo->getOutline();
    else if (bar && doc)
        outlinedRect = widened(bar->getRect(doc->getStartDate()), shiftOutline);
    else {
        outlinedObject = nullptr;
        return;
    }
    startOutline(object, outlinedRect);
}

void TPLXGanttView::startOutline(TPLXGanttObject *object, const TRect &rect)
{
    outlinedRect = firstOutline = rect;
    outlinedObject = object;
    drawOutline(outlinedRect);
}

bool TPLXGanttView::moveOutline(int a, int b, bool relative)
{
    if (!outlinedObject || !lastVC)
        return false;
    if (auto *halo = dynamic_cast<TPLXHaloEntity *>(outlinedObject))
        outlinedRect = halo->nextOutline(outlinedRect, a, b);
    else if (relative)
        outlinedRect = {outlinedRect.Left + a, outlinedRect.Top + b, outlinedRect.Right + a, outlinedRect.Bottom + b};
    else
        outlinedRect = {a, b, a + outlinedRect.width(), b + outlinedRect.height()};
    displayOutlinedRect(true);
    return true;
}

bool TPLXGanttView::resizeOutline(int dx, int dy, bool &rightSide)
{
    if (!outlinedObject || !lastVC)
        return false;
    if (rightSide)
        outlinedRect.Right = std::max(outlinedRect.Right + dx, outlinedRect.Left);
    else
        outlinedRect.Left = std::min(outlinedRect.Left + dx, outlinedRect.Right);
    outlinedRect.Bottom += dy;
    displayOutlinedRect(true);
    return true;
}

bool TPLXGanttView::setOutline(int dx, int dy, bool &rightSide)
{
    if (!outlinedObject || !lastVC)
        return false;
    outlinedRect = firstOutline;
    if (rightSide)
        outlinedRect.Right = std::max(firstOutline.Right + dx, firstOutline.Left);
    else
        outlinedRect.Left = std::min(firstOutline.Left + dx, firstOutline.Right);
    // Never flatter than 10 pixels, so the outline stays visible.
    outlinedRect.Bottom = std::max(firstOutline.Top + 10, firstOutline.Bottom + dy);
    displayOutlinedRect(true);
    return true;
}

void TPLXGanttView::restoreOutline()
{
    outlinedRect = firstOutline;
}

TRect TPLXGanttView::getOutline() const
{
    return widened(outlinedRect, -shiftOutline);
}

void TPLXGanttView::hideOutline()
{
    if (!outlinedObject)
        return;
    if (lastVC)
        lastVC->restoreArea();
    outlinedObject = nullptr;
    if (FOnCursor)
        FOnCursor(Qt::ArrowCursor);
    outlineChanged();
}

void TPLXGanttView::displayOutlinedRect(bool restoreFirst)
{
    if (!lastVC)
        return;
    if (restoreFirst)
        lastVC->restoreArea();
    lastVC->saveArea(outlinedRect);
    TRect r = outlinedRect;
    if (!outlinedObject)
        return;
    TPLXGanttDocument *doc = document();
    if (dynamic_cast<TPLXGanttBar *>(outlinedObject) && doc) {
        // A bar's outline stays over the chart, off the tree pane.
        r.Left = std::max(r.Left, doc->getTreeWidth());
        r.Right = std::min(r.Right, lastVC->getVisibleArea().Right);
        if (r.Right < r.Left)
            r.Left = r.Right;
    }
    const bool halo = dynamic_cast<TPLXHaloEntity *>(outlinedObject) != nullptr;
    const TPLXGanttTable *t = table();
    const bool refused = !acceptOutline() && !(t && t->getSnapBarsTogether());
    if (halo)
        lastVC->FillArea(r, refused ? kHaloRefused : kHaloAccepted, bsSolid);
    else
        lastVC->drawRect(r, psDot, refused ? kOutlineRed : kOutlineBlack);
    outlineChanged();
}

bool TPLXGanttView::acceptOutline()
{
    auto *bar = dynamic_cast<TPLXGanttBar *>(outlinedObject);
    TPLXGanttTable *t = table();
    bool accepted = true;
    if (bar && t && calendar() && document()) {
        const TPLXColRow c1 = getColRow(outlinedRect.Left + 2, outlinedRect.Top + 2);
        const TPLXColRow c2 = getColRow(outlinedRect.Right - 2, outlinedRect.Bottom - 2);
        if (c1.y < 0 || c1.y >= t->countRows())
            accepted = false;
        else {
            const TDateTime start = document()->getStartDate();
            accepted =
                !t->barInRowRange(calendar()->RealAdd(start, c1.x), calendar()->RealAdd(start, c2.x), c1.y, bar);
        }
    }
    if (FOnCursor && !(t && t->getSnapBarsTogether()))
        FOnCursor(accepted ? Qt::ArrowCursor : Qt::ForbiddenCursor);
    return accepted;
}

std::unique_ptr<TPLXOperation> TPLXGanttView::hideOutlineAndMove()
{
    if (!outlinedObject || !lastVC)
        return nullptr;
    lastVC->restoreArea();
    if (dynamic_cast<TPLXHaloEntity *>(outlinedObject))
        return nullptr;
    std::unique_ptr<TPLXOperation> result;
    const TPLXColRow c = getColRow(outlinedRect.Left + 3, outlinedRect.Top + 3);
    auto *bar = dynamic_cast<TPLXGanttBar *>(outlinedObject);
    TPLXGanttTable *t = table();
    if (bar && calendar() && document()) {
        const TDateTime newStart = calendar()->RealAdd(document()->getStartDate(), c.x);
        if (acceptOutline())
            result = bar->moveTo(newStart, c.y);
        else if (t && t->getSnapBarsTogether() && c.y >= 0) {
            // Packing the row is not an undo step: the bar moves and its row closes up.
            if (std::unique_ptr<TPLXOperation> move = bar->moveTo(newStart, c.y))
                move->perform();
            LeftAlignAllBars(c.y);
        }
    }
    if (FOnCursor)
        FOnCursor(Qt::ArrowCursor);
    outlinedObject = nullptr;
    outlineChanged();
    return result;
}

// ---- rows and scrolling

void TPLXGanttView::LeftAlignAllBars(int rowIndex)
{
    TPLXGanttTable *t = table();
    TPLXGanttRow *row = t && rowIndex >= 0 && rowIndex < t->countRows() ? t->getRow(rowIndex) : nullptr;
    if (!row)
        return;
    const TDateTime earliest = row->FindStartDate();
    struct Entry
    {
        TPLXGanttBar *bar;
        TDateTime offset;
    };
    std::vector<Entry> entries;
    for (TPLXGanttBar *bar : row->bars())
        if (!dynamic_cast<TPLXFakeBar *>(bar))
            entries.push_back({bar, bar->getStartDate() - earliest});
    // A stable sort keeps the row's order among equal offsets.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry &a, const Entry &b) { return a.offset < b.offset; });
    for (std::size_t i = 1; i < entries.size(); ++i)
        if (!entries[i].bar->preventLeftAlign())
            entries[i].bar->setStartDate(entries[i - 1].bar->getEndDate());
}

void TPLXGanttView::scroll(int columns)
{
    TPLXGanttDocument *doc = document();
    TPLXTimeModeObject *cal = calendar();
    if (!doc || !cal)
        return;
    if (outlinedObject && lastVC) {
        // The outline stays over the same dates.
        lastVC->restoreArea();
        const int shift = columns * columnWidth();
        outlinedRect.Left -= shift;
        outlinedRect.Right -= shift;
        firstOutline.Left -= shift;
        firstOutline.Right -= shift;
    }
    const TDateTime old = doc->getStartDate();
    doc->setStartDate(std::max<TDateTime>(0, cal->Add(old, columns)));
    if (dataSource->getUseLeftScrollLimit() && doc->getStartDate() < dataSource->getLeftScrollLimit())
        doc->setStartDate(dataSource->getLeftScrollLimit());
    const TPLXGanttTable *t = table();
    if (dataSource->getUseRightScrollLimit() && t &&
        getTime(doc->getColStartX(0) + t->getWidth()) > dataSource->getRightScrollLimit() + 1)
        doc->setStartDate(old);
    if (outlinedObject && lastVC) {
        lastVC->startBuffering();
        Draw(*lastVC, false);
        lastVC->displayBuffer();
        displayOutlinedRect(false);
    }
}

TDateTime TPLXGanttView::getNewStartDate(double position)
{
    TPLXGanttDocument *doc = document();
    TPLXTimeModeObject *cal = calendar();
    if (!doc || !cal)
        return 0;
    if (position == 0)
        return doc->getStartDate();
    const TDateTime first = doc->getDateRangeStart();
    const TDateTime last = doc->getDateRangeEnd();
    if (last - first == 0)
        return cal->Add(doc->getStartDate(), static_cast<qint32>(std::nearbyint(position)));
    return std::clamp(doc->getStartDate() + position * (last - first) / 100, std::min(first, last),
                      std::max(first, last));
}

TRect TPLXGanttView::GetPrintRange()
{
    TPLXGanttDocument *doc = document();
    TPLXTimeModeObject *cal = calendar();
    if (!doc || !cal)
        return {};
    const int treeWidth = doc->getTreeWidth();
    TRect r;
    r.Left = treeWidth >= 1 ? doc->getVerticalResizePaneSize() : 0;
    const qint32 periods =
        cal->Diff(cal->StartOfNextPeriod(doc->getEndDate()), cal->StartOfPreviousPeriod(doc->getStartDate()));
    r.Right = PLXSaturatePixel(qint64(treeWidth) + qint64(columnWidth()) * periods);
    r.Bottom = doc->GetHeight();
    TPLXLegend *legend = doc->GetLegend();
    if (legend && doc->getPrintLegend() && !doc->getPrintLegendUnder()) {
        r.Right = PLXSaturatePixel(qint64(r.Right) + legend->GetMinWidth());
        r.Bottom = std::max(r.Bottom, legend->GetHeight());
    }
    return r;
}

TRect TPLXGanttView::GetGraphPrintRange()
{
    TPLXGanttDocument *doc = document();
    if (!doc)
        return {};
    const bool under = doc->getTimeScaleUnder();
    const bool legend = doc->getPrintLegend();
    doc->setTimeScaleUnder(false);
    doc->setPrintLegend(false);
    TRect r = GetPrintRange();
    doc->setTimeScaleUnder(under);
    doc->setPrintLegend(legend);
    r.Left += std::max(doc->getTreeWidth() - doc->getVerticalResizePaneSize(), 0);
    return r;
}
