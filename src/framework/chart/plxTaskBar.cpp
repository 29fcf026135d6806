#include "plxTaskBar.h"

#include "plxBarSettings.h"
#include "plxDocumentCalendar.h"
#include "plxEntityFactory.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxMedia.h"
#include "plxRessourceStrings.h"
#include "plxTextualHalo.h"
#include "plxVisualContext.h"
#include "plxVisualGoodie.h"

#include <algorithm>
#include <cmath>

namespace {

const TPLXKindRegistration<TPLXTaskBarPersistence> taskBarKind("Task Bar");

// Placeholder tag a chart control gives a progress bar being drawn out.
constexpr qint32 kProgressPlaceholderTag = 80;

// Saturates, so that a far-away date still gives a drawable position.
int nearest(double v)
{
    return PLXPixel(v);
}

TPLXVisualGoodieDrawer *goodieDrawer(TPLXVisualGoodie *goodie)
{
    return goodie ? dynamic_cast<TPLXVisualGoodieDrawer *>(goodie->getDrawer(vtGanttGraph)) : nullptr;
}

} // namespace

// ------------------------------------------------------------ TPLXTaskBar

TPLXTaskBar::TPLXTaskBar(TDateTime start, TDateTime end, int row)
    : TPLXGanttBar(start, end, row)
{
    FendDate = end;
    auto settings = std::make_unique<TPLXTaskBarSettings>();
    if (TPLXVisualGoodie *goodie = settings->getVisualGoodie()) {
        goodie->setDrawStyle(dsDrawGradient);
        goodie->setSFColor(0xFF0000);
        goodie->setGFStartColor(0xFF0000);
        goodie->setGFEndColor(0xFF8000);
        goodie->setGFHorizontal(true);
        goodie->setBrushStyle(bsBDiagonal);
        goodie->setPatternColor(0xFFFFFF);
    }
    settings->setColor(0xFF0000);
    settings->setHeight(18);
    settings->setBorderColor(0x000000);
    settings->setBorderThickness(1);
    settings->setParent(this);
    FSettings = settings.release();
    adoptPersistence(std::make_unique<TPLXTaskBarPersistence>());
}

TPLXTaskBar::TPLXTaskBar(Loading)
    : TPLXGanttBar(0, 0, 0)
{
    FendDate = 0;
}

TPLXTaskBar::~TPLXTaskBar() = default;

std::unique_ptr<TPLXGanttObject> TPLXTaskBar::Create() const
{
    return std::make_unique<TPLXTaskBar>(0, 0, 0);
}

std::unique_ptr<TPLXGanttBarDrawer> TPLXTaskBar::makeGanttDrawer()
{
    return std::make_unique<TPLXTaskBarDrawer>(this);
}

TPLXDocumentCalendar *TPLXTaskBar::guardedCalendar()
{
    PLX_ASSERT(getParent() != nullptr);
    return calendar();
}

TPLXTaskBarSettings *TPLXTaskBar::GetSettings()
{
    if (!FSettings) {
        auto settings = std::make_unique<TPLXTaskBarSettings>();
        if (getParent()) {
            if (TPLXTaskBarSettings *defaults = GetDocumentSetup()->GetTaskBarSettings())
                settings->Assign(*defaults);
        }
        settings->setParent(this);
        FSettings = settings.release();
    }
    return FSettings;
}

void TPLXTaskBar::SetSettings(TPLXTaskBarSettings *settings)
{
    replaceOwned(FSettings, settings);
}

TPLXGanttObject *TPLXTaskBar::settingsObject()
{
    return GetSettings();
}

void TPLXTaskBar::SetProgress(int p)
{
    FProgress = std::min(100, std::max(0, p));
}

TDateTime TPLXTaskBar::getEffectiveDuration()
{
    if (FEffectiveDuration > 0)
        return FEffectiveDuration;
    TPLXDocumentCalendar *cal = guardedCalendar();
    FEffectiveDuration = cal->diffEffective(FstartDate, FendDate);
    if (!(FEffectiveDuration > 0))
        FEffectiveDuration = cal->getUnitPeriod();
    FendDate = 0;
    return FEffectiveDuration;
}

TDateTime TPLXTaskBar::getEndDate()
{
    if (FendDate != 0 || !getParent())
        return FendDate;
    TPLXDocumentCalendar *cal = guardedCalendar();
    return derivedEnd(cal, FstartDate, getEffectiveDuration());
}

TDateTime TPLXTaskBar::derivedEnd(TPLXDocumentCalendar *cal, TDateTime start, TDateTime duration)
{
    const quint64 generation = PLXCalendarGeneration();
    DerivedEnd &d = FDerivedEnd;
    if (!d.valid || d.start != start || d.duration != duration || d.calendar != cal || d.generation != generation)
        d = {start, duration, cal, generation, cal->addEffective(start, duration, false), true};
    return d.end;
}

TDateTime TPLXTaskBar::getStartDate()
{
    return FstartDate;
}

TDateTime TPLXTaskBar::effectiveStart()
{
    return guardedCalendar()->findFirstEffective(FstartDate);
}

TDateTime TPLXTaskBar::effectiveEnd()
{
    TPLXDocumentCalendar *cal = guardedCalendar();
    // The same sum as a derived end: a bar whose end is derived asks the calendar once for both.
    const TDateTime start = getStartDate();
    return derivedEnd(cal, start, getEffectiveDuration());
}

void TPLXTaskBar::keepWorkingTime()
{
    // A working time never asked for is still implied by the dates; fix it
    // before the end is cleared, or the bar would shrink to one period.
    if (!(FEffectiveDuration > 0) && FendDate != 0 && getParent())
        getEffectiveDuration();
}

void TPLXTaskBar::setStartDate(TDateTime d)
{
    if (FLocked)
        return;
    keepWorkingTime();
    FstartDate = d;
    FendDate = 0;
}

void TPLXTaskBar::setEndDate(TDateTime d)
{
    if (FLocked)
        return;
    TPLXDocumentCalendar *cal = guardedCalendar();
    FendDate = d;
    FEffectiveDuration = cal->diffEffective(getStartDate(), getEndDate());
}

void TPLXTaskBar::setEffectiveDuration(TDateTime d)
{
    if (FLocked)
        return;
    FEffectiveDuration = d;
    FendDate = 0;
}

void TPLXTaskBar::setPeriod(TDateTime start, TDateTime)
{
    guardedCalendar();
    keepWorkingTime();
    FstartDate = start;
    FendDate = 0;
}

bool TPLXTaskBar::Resize(double changeCol, int changeRow, bool right)
{
    if (FLocked)
        return false;
    if (changeCol == 0 && changeRow == 0)
        return false;
    TPLXDocumentCalendar *cal = guardedCalendar();
    // The base resize works on the stored end, so derive it first.
    FendDate = getEndDate();
    const bool result = TPLXGanttBar::Resize(changeCol, changeRow, right);
    FEffectiveDuration = cal->diffEffective(FstartDate, FendDate);
    return result;
}

TPLXBarTimes TPLXTaskBar::getTimes() const
{
    return {FstartDate, FendDate, FEffectiveDuration};
}

void TPLXTaskBar::setTimes(const TPLXBarTimes &times)
{
    FstartDate = times.start;
    FendDate = times.end;
    FEffectiveDuration = times.effective;
}

std::unique_ptr<TPLXOperation> TPLXTaskBar::moveTo(TDateTime date, int row)
{
    if (FLocked)
        return TPLXGanttBar::moveTo(FstartDate, FRow);
    if (date == FstartDate && row == FRow)
        return nullptr;
    std::unique_ptr<TPLXOperation> op = TPLXGanttBar::moveTo(date, row);
    keepWorkingTime();
    FendDate = 0;
    return op;
}

bool TPLXTaskBar::occupies(TDateTime date, int row)
{
    return getStartDate() <= date && date < getEndDate() && row == getRow();
}

bool TPLXTaskBar::inRow(int row)
{
    return getRow() == row;
}

TRect TPLXTaskBar::getRect(TDateTime viewStart)
{
    return ganttDrawer()->getRect(viewStart);
}

bool TPLXTaskBar::isSummarizable() const
{
    return true;
}

bool TPLXTaskBar::acceptConnections() const
{
    return true;
}

bool TPLXTaskBar::overlap(TDateTime start, TDateTime end, int row, TPLXGanttBar *bar)
{
    if (bar) {
        // Progress bars lie over task bars by design.
        if (bar->getPLXTag() == kProgressPlaceholderTag || bar->isProgressBar())
            return false;
    }
    return TPLXGanttBar::overlap(start, end, row, bar);
}

void TPLXTaskBar::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory)
{
    media.setStrProperty(name, QStringLiteral("typeID"), QStringLiteral("Task Bar"));
    TPLXPersistence::saveChild(name, QStringLiteral("settings"), FSettings, media, factory);
    saveTextHalo(name, media, factory);
    media.setRealProperty(name, QStringLiteral("start date"), FstartDate);
    media.setRealProperty(name, QStringLiteral("end date"), FendDate);
    media.setRealProperty(name, QStringLiteral("left buffer time"), FBufferTimeLeft);
    media.setRealProperty(name, QStringLiteral("right buffer time"), FBufferTimeRight);
    media.setRealProperty(name, QStringLiteral("effective duration"), FEffectiveDuration);
    media.setBoolProperty(name, QStringLiteral("Fixed"), FFixed);
    media.setIntProperty(name, QStringLiteral("progress"), FProgress);
}

// ------------------------------------------------------------ TPLXTaskBarPersistence

std::unique_ptr<TPLXGanttObject> TPLXTaskBarPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                TPLXEntityFactory &factory)
{
    std::unique_ptr<TPLXTaskBar> bar(new TPLXTaskBar(TPLXTaskBar::Loading{}));
    setID(name);
    // Without a "settings" key the bar has none of its own and draws with the document's.
    bar->SetSettings(loadChildAs<TPLXTaskBarSettings>(QStringLiteral("settings"), media, factory, bar.get()));
    bar->FstartDate = media.dateValue(name, QStringLiteral("start date"), 0);
    bar->FBufferTimeLeft = media.durationValue(name, QStringLiteral("left buffer time"), 0);
    bar->FBufferTimeRight = media.durationValue(name, QStringLiteral("right buffer time"), 0);
    bar->FEffectiveDuration = media.durationValue(name, QStringLiteral("effective duration"), 0);
    bar->FFixed = media.boolValue(name, QStringLiteral("Fixed"), false);
    bar->FProgress = media.intValueIn(name, QStringLiteral("progress"), 0, 0, 100);
    const TDateTime end = media.dateValue(name, QStringLiteral("end date"), 0);
    if (end != 0)
        bar->FendDate = end;
    // An end before the start cannot be drawn or scheduled; derive it from the working time instead.
    if (bar->FendDate != 0 && bar->FendDate < bar->FstartDate)
        bar->FendDate = 0;
    if (media.strValue(name, QStringLiteral("text halo"), QStringLiteral("Missing")) != QLatin1String("Missing"))
        loadTextHalo(bar.get(), name, media, factory);
    return bar;
}

// ------------------------------------------------------------ TPLXTaskBarDrawer

TPLXTaskBarDrawer::TPLXTaskBarDrawer(TPLXTaskBar *bar)
    : TPLXGanttBarDrawer(bar)
{
}

TPLXTaskBar *TPLXTaskBarDrawer::taskBar() const
{
    return static_cast<TPLXTaskBar *>(target);
}

TRect PLXTaskBarBand(TRect r, int height)
{
    const int m = (r.Top + r.Bottom) / 2;
    r.Top = std::max(r.Top, m - nearest(height / 2.0));
    r.Bottom = std::min(r.Bottom, r.Top + height);
    return r;
}

TRect TPLXTaskBarDrawer::getRect(TDateTime viewStart)
{
    return PLXTaskBarBand(TPLXGanttBarDrawer::getRect(viewStart), taskBar()->GetSettings()->getHeight());
}

int TPLXTaskBarDrawer::getCoords(TDateTime date)
{
    TPLXDocumentSetup *document = taskBar()->GetDocumentSetup();
    const double w = document->GetTable()->GetColumnWidth();
    const double x = w * document->getCalendar()->RealDiff(date, document->getStartDate());
    return PLXPixel(std::trunc(x)) + document->getColStartX(0);
}

void TPLXTaskBarDrawer::Draw(TPLXVisualContext &vc)
{
    TPLXTaskBar *b = taskBar();
    TPLXDocumentSetup *document = b->GetDocumentSetup();
    TPLXGanttTable *table = document->GetTable();
    TPLXGanttRow *row = b->getParentRow();
    lastDrawn = false;
    const TDateTime docStart = document->getStartDate();
    if (b->getEndDate() < docStart || b->getStartDate() > document->getEndDate() || !row || !row->IsVisible()) {
        clearLastRect();
        return;
    }
    Fvc = &vc;
    const TRect rect = getRect(docStart);
    TPLXTaskBarSettings *settings = b->GetSettings();
    const int t = b->isFocused() ? table->getFocusedFrameThickness() : settings->getBorderThickness();
    inner = {rect.Left + t, rect.Top + t, rect.Right - t, rect.Bottom - t};
    vc.fillBounds(rect, inner, b->getCriticalElement() ? table->getCriticalPathColor() : settings->getBorderColor(),
                  bsSolid);

    TPLXVisualGoodie *goodie = settings->getVisualGoodie();
    TPLXVisualGoodieDrawer *goodies = goodieDrawer(goodie);
    if (goodie && goodies) {
        TRect body = inner;
        body.Left = std::max(inner.Left, std::min(inner.Right, getCoords(b->getStartDate() + b->getBufferTimeLeft())));
        body.Right = std::min(inner.Right, std::max(inner.Left, getCoords(b->getEndDate() - b->getBufferTimeRight())));
        goodie->setRect(body);
        goodies->fillGoodie(vc);
    }
    emphasizeExceptions(vc);
    if (goodie && goodies) {
        goodies->drawGlyphs(vc);
        goodies->drawBuffers(inner, vc);
    }

    const int h = inner.height();
    TRect progress{inner.Left + 1, inner.Top + h / 3, inner.Right - 1, inner.Bottom - h / 3};
    progress.Right = progress.Left + static_cast<int>(qint64(progress.width()) * b->getProgress() / 100);
    vc.FillArea(progress, settings->getProgressColor(), bsSolid);
    inner = progress;

    highlight(vc, rect);
    setLastRect(rect);
    lastDrawn = true;

    if (b->isLocked()) {
        const QString label = GetRessourceValue(QStringLiteral("df_fixedtaskbar"));
        vc.setFont(QStringLiteral("Arial"), 7, 0xFFFFFF, false, false, false, 0);
        const TRect box{inner.Left, inner.Top, inner.Left + vc.TextWidth(label) + 5, inner.Top + 12};
        vc.Draw3dFrame(box, 0x000000);
        vc.textOutOriented(inner.Left + 2, inner.Top + 1, label, 0);
    }
    if (TPLXTextHalo *halo = b->textHalo()) {
        if (TPLXDrawer *haloDrawer = halo->getDrawer(vtGanttGraph))
            haloDrawer->Draw(vc);
    }
}

void TPLXTaskBarDrawer::emphasizeExceptions(TPLXVisualContext &vc)
{
    TPLXTaskBar *b = taskBar();
    TPLXDocumentCalendar *cal = b->GetDocumentSetup()->getCalendar();
    const TPLXTimeMode calendarMode = cal->getTimeMode();
    if (calendarMode != tmDay && calendarMode != tmHour)
        return;
    const TPLXTimeMode mode = calendarMode == tmHour ? tmHour : tmDay;
    TPLXTaskBarSettings *settings = b->GetSettings();
    TPLXVisualGoodieDrawer *goodies = goodieDrawer(settings->getVisualGoodie());
    const TDateTime end = b->getEndDate();
    const TColor color = b->GetDocumentSetup()->GetTable()->getWeekendBrightenColor();
    // Only the visible part of the bar is searched, so the work follows the visible
    // width and not the bar's length or the non-working time off screen.
    TDateTime from = b->getStartDate();
    TDateTime to = end;
    TPLXDocumentSetup *document = b->GetDocumentSetup();
    if (const double w = document->GetTable()->GetColumnWidth(); w > 0) {
        const TRect visible = vc.getVisibleArea();
        const double origin = document->getColStartX(0);
        const TDateTime docStart = document->getStartDate();
        // One column of slack either side absorbs the rounding of getCoords.
        from = std::max(from, cal->RealAdd(docStart, (std::max(visible.Left, inner.Left) - origin) / w - 1));
        to = std::min(to, cal->RealAdd(docStart, (std::min(visible.Right, inner.Right) - origin) / w + 1));
    }
    TDateTime s = 0;
    double l = 0;
    cal->findNextNonWorkingException(from, s, l);
    // Each interval must end after the one before. A zero length, one too small to
    // move the date, or the same answer again (dates beyond the calendar's exact
    // range) would never advance.
    TDateTime reached = from;
    while (to > s && l > 0 && s + l > reached) {
        if (!cal->isWorking(s, mode)) {
            const TRect part{std::max(inner.Left, getCoords(s)), inner.Top, std::min(inner.Right, getCoords(s + l)),
                             inner.Bottom};
            if (goodies && !part.isEmpty())
                goodies->brighten(vc, part, color);
        }
        reached = s + l;
        cal->findNextNonWorkingException(reached, s, l);
    }
}
