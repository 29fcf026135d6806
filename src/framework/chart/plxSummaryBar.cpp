#include "plxSummaryBar.h"

#include <tuple>

#include "plxDocumentCalendar.h"
#include "plxEntityFactory.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxMedia.h"
#include "plxTextualHalo.h"
#include "plxVisualContext.h"

#include <algorithm>

namespace {

const TPLXKindRegistration<TPLXSummaryBarPersistence> summaryBarKind("Summary Bar");

constexpr TColor kWhite = 0xFFFFFF;

} // namespace

// ------------------------------------------------------------ TPLXSummaryBar

TPLXSummaryBar::TPLXSummaryBar()
    : TPLXGanttBar(0, 0, 0)
{
    setGanttDrawer(std::make_unique<TPLXSummaryBarDrawer>(this));
    adoptPersistence(std::make_unique<TPLXSummaryBarPersistence>());
}

TPLXSummaryBar::~TPLXSummaryBar() = default;

bool TPLXSummaryBar::canMoveVertically() const
{
    return false;
}

bool TPLXSummaryBar::inRow(int row)
{
    return row == FRow;
}

bool TPLXSummaryBar::isSummarizable() const
{
    return true;
}

std::unique_ptr<TPLXOperation> TPLXSummaryBar::moveTo(TDateTime date, int)
{
    return std::make_unique<TPLXSummaryBarMoveOperation>(dataSource(), this, date);
}

bool TPLXSummaryBar::overlap(TDateTime, TDateTime, int row, TPLXGanttBar *)
{
    return row == FRow;
}

bool TPLXSummaryBar::Resize(double, int, bool)
{
    return true;
}

void TPLXSummaryBar::UpdateRange()
{
    FstartDate = 0;
    FendDate = 0;
    const int row = getRow();
    TPLXDocumentSetup *document = GetDocumentSetup();
    TPLXGanttTable *table = document ? document->GetTable() : nullptr;
    // A row the tree does not know has no group below it.
    FEndRow = row + std::max(0, document ? document->descendantsCount(row) : 0);
    if (!table)
        return;
    std::tie(FstartDate, FendDate) = table->summarizableSpan(GetStartRow(), FEndRow);
}

QList<TPLXGanttBar *> TPLXSummaryBar::getChildList()
{
    TPLXDocumentSetup *document = GetDocumentSetup();
    TPLXGanttTable *table = document ? document->GetTable() : nullptr;
    return table ? table->allBarsIn(GetStartRow(), FEndRow) : QList<TPLXGanttBar *>();
}

void TPLXSummaryBar::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &)
{
    // Dates and rows are recomputed after loading.
    media.setStrProperty(name, QStringLiteral("typeID"), QStringLiteral("Summary Bar"));
    media.setBoolProperty(name, QStringLiteral("read only"), FReadOnly);
}

// ------------------------------------------------------------ TPLXSummaryBarPersistence

std::unique_ptr<TPLXGanttObject> TPLXSummaryBarPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                   TPLXEntityFactory &)
{
    auto bar = std::make_unique<TPLXSummaryBar>();
    setID(name);
    bar->setRdOnly(media.boolValue(name, QStringLiteral("read only"), false));
    return bar;
}

// ------------------------------------------------------------ TPLXSummaryBarDrawer

TPLXSummaryBarDrawer::TPLXSummaryBarDrawer(TPLXSummaryBar *bar)
    : TPLXGanttBarDrawer(bar)
{
}

TPLXSummaryBar *TPLXSummaryBarDrawer::summaryBar() const
{
    return static_cast<TPLXSummaryBar *>(target);
}

TRect TPLXSummaryBarDrawer::getRect(TDateTime viewStart)
{
    TRect r = TPLXGanttBarDrawer::getRect(viewStart);
    TPLXGanttTable *table = summaryBar()->GetDocumentSetup()->GetTable();
    const int endRow = summaryBar()->GetEndRow();
    const TPLXGanttRow *last = endRow < table->countRows() ? table->getRow(endRow) : nullptr;
    r.Bottom = table->getRowStartY(endRow) + (last ? last->GetVisibleHeight() : 0);
    return r;
}

void TPLXSummaryBarDrawer::highlight(TPLXVisualContext &vc, const TRect &rect)
{
    TPLXGanttBarDrawer::highlight(vc, rect);
    if (isHighLighted())
        vc.FillArea(rect, kWhite, bsDiagCross);
}

void TPLXSummaryBarDrawer::Draw(TPLXVisualContext &vc)
{
    TPLXSummaryBar *b = summaryBar();
    TPLXGanttRow *row = b->getParentRow();
    TPLXDocumentSetup *document = row ? b->GetDocumentSetup() : nullptr;
    if (!document || b->getEndDate() < document->getStartDate() || b->getStartDate() > document->getEndDate() ||
        !row->IsVisible()) {
        clearLastRect();
        return;
    }
    const TDateTime viewStart = document->getStartDate();
    highlight(vc, getRect(viewStart));
    // Hits are taken in the summary's own row only.
    TRect strip = TPLXGanttBarDrawer::getRect(viewStart);
    setLastRect(strip);
    strip.Bottom = std::min(strip.Top + (strip.Bottom - strip.Top) / 4, strip.Top + 6);
    const int t = 2 * strip.height();
    vc.FillArea(strip, b->getColor(), bsSolid);
    if (b->isFocused())
        vc.FillArea(strip, kWhite, bsDiagCross);
    vc.drawPolygon({TPoint(strip.Left, strip.Top), TPoint(strip.Left, strip.Top + t),
                    TPoint(strip.Left + t, strip.Top)},
                   b->getColor());
    vc.drawPolygon({TPoint(strip.Right, strip.Top), TPoint(strip.Right, strip.Top + t),
                    TPoint(strip.Right - t, strip.Top)},
                   b->getColor());
    if (TPLXTextHalo *halo = b->textHalo()) {
        if (TPLXDrawer *haloDrawer = halo->getDrawer(vtGanttGraph))
            haloDrawer->Draw(vc);
    }
}

// ------------------------------------------------------------ operations

TPLXSummaryBarMoveOperation::TPLXSummaryBarMoveOperation(TPLXDataSourceIntf *dataSource, TPLXSummaryBar *bar,
                                                         TDateTime date)
    : TPLXMultipleOperations(dataSource)
{
    TPLXDocumentSetup *document = bar && bar->getParent() ? bar->GetDocumentSetup() : nullptr;
    TPLXDocumentCalendar *cal = document ? document->getCalendar() : nullptr;
    TPLXGanttTable *table = document ? document->GetTable() : nullptr;
    const int n = cal ? cal->Diff(date, bar->getStartDate()) : 0;
    if (n == 0) {
        Disable();
        return;
    }
    const int last = std::min(bar->GetEndRow(), table->countRows() - 1);
    for (int i = bar->GetStartRow(); i <= last; ++i) {
        for (TPLXGanttBar *b : table->getRow(i)->bars()) {
            // Nested summaries span bars of rows this loop moves anyway; moving
            // them too would move those bars twice. They follow on the refresh.
            if (!b->isSummarizable() || b->isSummaryBar())
                continue;
            addOperation(b->moveTo(cal->Add(b->getStartDate(), n), b->getRow()));
        }
    }
}

bool TPLXSummaryBarMoveOperation::perform()
{
    return !isDisabled() && PLXPerformAll(operations);
}
