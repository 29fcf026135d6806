#include "plxGanttBar.h"

#include "plxDocumentCalendar.h"
#include "plxEntityFactory.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxMedia.h"
#include "plxPlatform.h"
#include "plxTextSettings.h"
#include "plxTextualHalo.h"
#include "plxTimeMode.h"
#include "plxVisualContext.h"

#include <algorithm>
#include <cmath>

namespace {

// Saturates, so that a far-away date still gives a drawable position.
int nearest(double v)
{
    return PLXPixel(v);
}

// The application's before-resize event, shared by resizing and time assignment.
bool resizeCancelled(TPLXDataSourceIntf *ds, TPLXGanttBar *bar)
{
    bool cancel = false;
    if (ds && ds->getOnBeforeBarResize())
        ds->getOnBeforeBarResize()(bar, cancel);
    return cancel;
}

// Refreshes what depends on the bar's dates, then the after-resize event.
void afterResize(TPLXDataSourceIntf *ds, TPLXGanttBar *bar)
{
    PLXRefreshAfterBarChange(ds);
    if (ds && ds->getOnAfterBarResize())
        ds->getOnAfterBarResize()(bar);
}

} // namespace

// ------------------------------------------------------------ TPLXGanttBar

TPLXGanttBar::TPLXGanttBar(TDateTime start, TDateTime end, int row)
    : FRow(row)
    , FstartDate(start)
    , FendDate(end > start ? end : start + 1.0)
{
}

TPLXGanttBar::~TPLXGanttBar() = default;

TPLXDocumentCalendar *TPLXGanttBar::calendar()
{
    TPLXDocumentCalendar *cal = GetDocumentSetup()->getCalendar();
    PLX_ASSERT(cal != nullptr);
    return cal;
}

bool TPLXGanttBar::Resize(double changeCol, int, bool right)
{
    TPLXDocumentCalendar *cal = calendar();
    if (right)
        FendDate = std::max(cal->RealAdd(FendDate, changeCol), cal->Add(FstartDate, 1));
    else
        FstartDate = std::min(cal->RealAdd(FstartDate, changeCol), cal->Add(FendDate, -1));
    return true;
}

std::unique_ptr<TPLXOperation> TPLXGanttBar::moveTo(TDateTime date, int row)
{
    return std::make_unique<TPLXBarMoveOperation>(dataSource(), this, date, row);
}

bool TPLXGanttBar::occupies(TDateTime date, int row)
{
    return getStartDate() <= date && date < getEndDate() && row == FRow;
}

TRect TPLXGanttBar::getRect(TDateTime viewStart)
{
    // Kinds drawn only in the PERT chart have no place on the time axis.
    TPLXGanttBarDrawer *drawer = ganttDrawer();
    return drawer ? drawer->getRect(viewStart) : TRect{-1, -1, -1, -1};
}

TDateTime TPLXGanttBar::getStartDate()
{
    return FstartDate;
}

TDateTime TPLXGanttBar::getEndDate()
{
    return FendDate;
}

void TPLXGanttBar::setEndDate(TDateTime d)
{
    FendDate = d;
}

bool TPLXGanttBar::inRow(int row)
{
    return getRow() == row;
}

bool TPLXGanttBar::overlap(TDateTime start, TDateTime end, int row, TPLXGanttBar *)
{
    if (row != FRow)
        return false;
    // Through the getters: a task bar works its end date out when asked.
    const TDateTime first = getStartDate();
    const TDateTime last = getEndDate();
    return (first <= start && start < last) || (start <= first && first < end);
}

void TPLXGanttBar::setPeriod(TDateTime start, TDateTime end)
{
    setStartDate(start);
    setEndDate(end);
}

bool TPLXGanttBar::canResizeVertically() const
{
    return false;
}

bool TPLXGanttBar::isSummarizable() const
{
    return false;
}

bool TPLXGanttBar::multiRow() const
{
    return false;
}

bool TPLXGanttBar::acceptConnections() const
{
    return false;
}

bool TPLXGanttBar::canMoveVertically() const
{
    return true;
}

TDateTime TPLXGanttBar::getEffectiveDuration()
{
    TPLXDocumentCalendar *cal = calendar();
    const TDateTime end = getEndDate();
    int count = 0;
    for (TDateTime d = getStartDate(); end > d; d = ::Next(d, tmDay)) {
        if (cal->isWorking(d, tmDay))
            ++count;
    }
    return count;
}

void TPLXGanttBar::setEffectiveDuration(TDateTime d)
{
    FendDate = FstartDate + d;
}

void TPLXGanttBar::setStartDate(TDateTime d)
{
    FstartDate = d;
}

TPLXBarTimes TPLXGanttBar::getTimes() const
{
    return {FstartDate, FendDate, 0};
}

void TPLXGanttBar::setTimes(const TPLXBarTimes &times)
{
    FstartDate = times.start;
    FendDate = times.end;
}

const QMetaObject *TPLXGanttBar::getFakeClass() const
{
    return &TPLXFakeBar::staticMetaObject;
}

std::unique_ptr<TPLXGanttBar> TPLXGanttBar::createFake() const
{
    return std::make_unique<TPLXFakeBar>(0, 0, 0);
}

TPLXGanttRow *TPLXGanttBar::getParentRow() const
{
    return dynamic_cast<TPLXGanttRow *>(getParent());
}

int TPLXGanttBar::getRow()
{
    TPLXGanttRow *row = getParentRow();
    PLX_ASSERT(row != nullptr);
    FRow = row->getOrder();
    return FRow;
}

int TPLXGanttBar::getIndexInRow()
{
    TPLXGanttRow *row = getParentRow();
    return row ? row->indexOf(this) : -1;
}

TDateTime TPLXGanttBar::getDuration()
{
    return getEndDate() - getStartDate();
}

namespace {

// A default halo (with its own text and halo settings) under the automatic numbers `ids` when they are set.
std::unique_ptr<TPLXTextHalo> makeDefaultHalo(const qint32 (&ids)[3])
{
    auto halo = std::make_unique<TPLXTextHalo>();
    auto *settings = new TPLXTextSettings();
    settings->setParent(halo.get());
    halo->setTextSettings(settings);
    if (ids[0] != 0) {
        halo->setAutoID(ids[0]);
        settings->setAutoID(ids[1]);
        halo->GetTextHaloSettings()->setAutoID(ids[2]);
    }
    return halo;
}

} // namespace

TPLXTextHalo *TPLXGanttBar::textHalo() const
{
    // The default halo is made when first asked for: a large plan whose bars
    // have no halos of their own then keeps none until it is drawn.
    if (FDefaultHaloPending) {
        auto *self = const_cast<TPLXGanttBar *>(this);
        self->FDefaultHaloPending = false;
        TPLXTextHalo *halo = makeDefaultHalo(FDefaultHaloIDs).release();
        halo->setParent(self);
        self->FTextHalo = halo;
    }
    return FTextHalo;
}

void TPLXGanttBar::saveTextHalo(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory)
{
    if (!FDefaultHaloPending) {
        TPLXPersistence::saveChild(name, QStringLiteral("text halo"), FTextHalo, media, factory);
        return;
    }
    // One default halo for the whole save writes every bar's, each under the bar's own names.
    static const char tag = 0;
    std::unique_ptr<TPLXTextHalo> own;
    auto *halo = static_cast<TPLXTextHalo *>(factory.saveScratch(&tag, [] { return makeDefaultHalo({0, 0, 0}); }));
    if (!halo) {
        own = makeDefaultHalo({0, 0, 0});
        halo = own.get();
    }
    TPLXGanttObject *parts[3] = {halo, halo->getTextSetings(), halo->GetTextHaloSettings()};
    for (int i = 0; i < 3; ++i)
        parts[i]->setAutoID(FDefaultHaloIDs[i]);
    // Written whole for every bar: the stand-in counts as saved once per save otherwise.
    const QString uid = halo->getUID();
    media.setStrProperty(name, QStringLiteral("text halo"), uid);
    halo->doSave(uid, media, factory);
    for (int i = 0; i < 3; ++i)
        FDefaultHaloIDs[i] = parts[i]->autoID();
}

void TPLXGanttBar::setTextHalo(TPLXTextHalo *halo)
{
    FDefaultHaloPending = false;
    if (halo == FTextHalo)
        return;
    delete FTextHalo;
    FTextHalo = halo;
    if (halo)
        halo->setParent(this);
}

TPLXGanttObject *TPLXGanttBar::textHaloObject() const
{
    return existingTextHalo();
}

TPLXGanttBarDrawer *TPLXGanttBar::ganttDrawer() const
{
    if (FDrawerPending) {
        auto *self = const_cast<TPLXGanttBar *>(this);
        self->setGanttDrawer(self->makeGanttDrawer());
    }
    return static_cast<TPLXGanttBarDrawer *>(FOwnDrawer.get());
}

TPLXDrawer *TPLXGanttBar::getDrawer(TPLXViewType viewType) const
{
    ganttDrawer();
    return TPLXGanttObject::getDrawer(viewType);
}

std::unique_ptr<TPLXGanttBarDrawer> TPLXGanttBar::makeGanttDrawer()
{
    return std::make_unique<TPLXGanttBarDrawer>(this);
}

void TPLXGanttBar::setGanttDrawer(std::unique_ptr<TPLXGanttBarDrawer> drawer)
{
    FDrawerPending = false;
    FOwnDrawer = std::move(drawer);
    FDrawer = FOwnDrawer.get();
}

TPLXDataSourceIntf *TPLXGanttBar::dataSource()
{
    TPLXGanttObject *top = this;
    while (top->getParent())
        top = top->getParent();
    auto *document = dynamic_cast<TPLXDocumentSetup *>(top);
    return document ? document->getDataSource() : nullptr;
}

// ------------------------------------------------------------ TPLXGanttBarDrawer

TPLXGanttBarDrawer::TPLXGanttBarDrawer(TPLXGanttBar *bar)
    : TPLXDrawer(bar)
{
}

TPLXGanttBar *TPLXGanttBarDrawer::bar() const
{
    return static_cast<TPLXGanttBar *>(target);
}

TRect TPLXGanttBarDrawer::getRect() const
{
    return lastRect;
}

TPLXGanttObject *TPLXGanttBarDrawer::locateObject(int x, int y)
{
    // lastRect (-1, -1, -1, -1) is empty, so an undrawn bar is found nowhere.
    return lastRect.contains(x, y) ? target : nullptr;
}

bool TPLXGanttBarDrawer::closerToStart(int x, int)
{
    const TRect r = getRect();
    return std::abs(x - r.Left) <= std::abs(x - r.Right);
}

TRect TPLXGanttBarDrawer::getRect(TDateTime viewStart)
{
    TPLXGanttBar *b = bar();
    TPLXDocumentSetup *document = b->GetDocumentSetup();
    TPLXGanttTable *table = document->GetTable();
    TPLXDocumentCalendar *cal = document->getCalendar();
    PLX_ASSERT(table != nullptr && cal != nullptr);
    const double w = table->GetColumnWidth();
    const TDateTime start = b->getStartDate();
    const TDateTime end = b->getEndDate();
    TRect r;
    r.Left = nearest(w * cal->RealDiff(start, viewStart)) + document->getColStartX(0);
    const int row = b->getRow();
    r.Top = table->getRowStartY(row);
    r.Right = r.Left + nearest(w * cal->RealDiff(end, start));
    r.Bottom = r.Top + table->getRowHeight(row);
    return r;
}

void TPLXGanttBarDrawer::highlight(TPLXVisualContext &vc, const TRect &rect)
{
    if (!isHighLighted())
        return;
    vc.drawRect({rect.Left - 2, rect.Top - 2, rect.Right + 2, rect.Bottom + 2}, psDot, 0x0000FF);
}

void TPLXGanttBarDrawer::clearLastRect()
{
    lastRect = {-1, -1, -1, -1};
}

// ------------------------------------------------------------ TPLXGanttBarPersistence

void TPLXGanttBarPersistence::loadTextHalo(TPLXGanttBar *bar, const QString &name, IPLXMedia &media,
                                           TPLXEntityFactory &factory)
{
    setID(name);
    auto *halo = loadChildAs<TPLXTextHalo>(QStringLiteral("text halo"), media, factory, bar);
    if (halo)
        bar->setTextHalo(halo);
}

// ------------------------------------------------------------ refresh

void PLXLoadBarSpan(IPLXMedia &media, const QString &name, TDateTime &start, TDateTime &end)
{
    start = media.dateValue(name, QStringLiteral("start date"), 0);
    end = media.dateValue(name, QStringLiteral("end date"), 0);
    if (end < start) {
        PLXLog(QStringLiteral("%1 ends before it starts; it now ends a day after its start").arg(name));
        end = start + 1;
    }
}

void PLXRefreshAfterBarChange(TPLXDataSourceIntf *dataSource)
{
    if (!dataSource)
        return;
    if (TPLXGanttTable *table = PLXTableOf(dataSource)) {
        table->updateCriticalPath();
        table->UpdateSummaryBars();
    }
}

// ------------------------------------------------------------ TPLXBarResizeOperation

TPLXBarResizeOperation::TPLXBarResizeOperation(TPLXDataSourceIntf *dataSource, TPLXGanttBar *target, double changeCol,
                                               int changeRow, bool right)
    : TPLXOperation(dataSource)
    , Target(target)
    , changeCol(changeCol)
    , changeRow(changeRow)
    , right(right)
{
}

bool TPLXBarResizeOperation::apply(double col, int row, bool undoing)
{
    if (!Target)
        return false;
    TPLXDataSourceIntf *ds = FDataSource;
    if (resizeCancelled(ds, Target))
        return false;
    if (ds && ds->getOnBarResize()) {
        bool allowed = true;
        ds->getOnBarResize()(Target, col, row, right, allowed);
        if (!allowed)
            return false;
    }
    StartDate = Target->storedStart();
    EndDate = Target->storedEnd();
    if (!undoing)
        FBefore = Target->getTimes();
    const bool result = Target->Resize(col, row, right);
    // Clamping can make the reverse resize asymmetric; undo lands exactly where perform started.
    if (undoing)
        Target->setTimes(FBefore);
    afterResize(ds, Target);
    return result;
}

bool TPLXBarResizeOperation::perform()
{
    return apply(changeCol, changeRow, false);
}

bool TPLXBarResizeOperation::undo()
{
    return apply(-changeCol, -changeRow, true);
}

// ------------------------------------------------------------ TPLXBarAssignTimeOperation

TPLXBarAssignTimeOperation::TPLXBarAssignTimeOperation(TPLXDataSourceIntf *dataSource, TPLXGanttBar *target,
                                                       TDateTime startDate, TDateTime endDate)
    : TPLXOperation(dataSource)
    , Target(target)
    , FStartDate(startDate)
    , FEndDate(endDate)
    , FOldStartDate(target ? target->getStartDate() : 0)
    , FOldEndDate(target ? target->getEndDate() : 0)
{
}

bool TPLXBarAssignTimeOperation::apply(TDateTime start, TDateTime end)
{
    if (!Target)
        return false;
    // A cancelled assignment still counts as done; it simply changes nothing.
    if (resizeCancelled(FDataSource, Target))
        return true;
    Target->setStartDate(start);
    Target->setEndDate(end);
    afterResize(FDataSource, Target);
    return true;
}

bool TPLXBarAssignTimeOperation::perform()
{
    if (Target)
        FBefore = Target->getTimes();
    return apply(FStartDate, FEndDate);
}

bool TPLXBarAssignTimeOperation::undo()
{
    const bool result = apply(FOldStartDate, FOldEndDate);
    // The old dates as read may have been derived; put the stored period back exactly.
    if (Target)
        Target->setTimes(FBefore);
    return result;
}

// ------------------------------------------------------------ TPLXFakeBar

TPLXFakeBar::TPLXFakeBar(TDateTime start, TDateTime end, int row)
    : TPLXGanttBar(start, end, row)
{
    setGanttDrawer(std::make_unique<TPLXFakeBarDrawer>(this));
}

TRect TPLXFakeBar::getRect(TDateTime viewStart)
{
    TRect r = ganttDrawer()->TPLXGanttBarDrawer::getRect(viewStart);
    r.Top += 5;
    r.Bottom -= 5;
    return r;
}

bool TPLXFakeBar::acceptConnections() const
{
    return true;
}

TPLXFakeBarDrawer::TPLXFakeBarDrawer(TPLXFakeBar *bar)
    : TPLXGanttBarDrawer(bar)
{
}

void TPLXFakeBarDrawer::Draw(TPLXVisualContext &)
{
}

TPLXGanttObject *TPLXFakeBarDrawer::locateObject(int, int)
{
    return nullptr;
}
