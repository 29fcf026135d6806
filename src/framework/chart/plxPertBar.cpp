#include "plxPertBar.h"

#include "plxBarConnection.h"
#include "plxBarSettings.h"
#include "plxColors.h"
#include "plxEntityFactory.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxMedia.h"
#include "plxTaskBar.h"
#include "plxTextSettings.h"
#include "plxTextualHalo.h"
#include "plxTimeMode.h"
#include "plxVisualContext.h"

#include <algorithm>
#include <cmath>

namespace {

const TPLXKindRegistration<TPLXPertBarPersistence> pertBarKind("Pert Bar");
const TPLXKindRegistration<TPLXPertBarSectionPersistence> pertBarSectionKind("Pert Bar Section");

// Saturates, so that a far-away date still gives a drawable position.
int nearest(double v)
{
    return PLXPixel(v);
}

bool midnight(TDateTime d)
{
    return d - std::trunc(d) == 0.0;
}

QString dayMonth(TDateTime d)
{
    const TPLXDateParts parts = PLXDecodeDate(d);
    return QStringLiteral("%1.%2")
        .arg(parts.dayOfMonth, 2, 10, QLatin1Char('0'))
        .arg(parts.month, 2, 10, QLatin1Char('0'));
}

TPLXGanttTable *tableOf(const TPLXGanttBar *bar)
{
    TPLXGanttRow *row = bar->getParentRow();
    return row ? row->table() : nullptr;
}

TRect grown(const TRect &r, int by)
{
    return {r.Left - by, r.Top - by, r.Right + by, r.Bottom + by};
}

} // namespace

// ------------------------------------------------------------ TPLXPertBarSection

TPLXPertBarSection::TPLXPertBarSection()
{
    FOwnDrawer = std::make_unique<TPLXPertBarSectionDrawer>(this);
    FDrawer = FOwnDrawer.get();
}

TPLXPertBarSection::TPLXPertBarSection(TPLXTextSettings *settings)
    : TPLXPertBarSection()
{
    setSettings(settings);
}

TPLXPertBarSection::~TPLXPertBarSection() = default;

void TPLXPertBarSection::setSettings(TPLXTextSettings *settings)
{
    if (settings == FSettings)
        return;
    // The arranger reads the old record: it goes first.
    FTextArranger.reset();
    replaceOwned(FSettings, settings);
    if (FSettings)
        FTextArranger = std::make_unique<TPLXTextArranger>(FSettings);
}

TPLXGanttObject *TPLXPertBarSection::settingsObject() const
{
    return FSettings;
}

TPLXPertBarSectionDrawer *TPLXPertBarSection::sectionDrawer() const
{
    return static_cast<TPLXPertBarSectionDrawer *>(FOwnDrawer.get());
}

void TPLXPertBarSection::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory)
{
    media.setStrProperty(name, QStringLiteral("typeID"), QStringLiteral("Pert Bar Section"));
    TPLXPersistence::saveChild(name, QStringLiteral("settings"), FSettings, media, factory);
    media.setStrProperty(name, QStringLiteral("text"), FText);
}

std::unique_ptr<TPLXGanttObject> TPLXPertBarSectionPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                       TPLXEntityFactory &factory)
{
    auto section = std::make_unique<TPLXPertBarSection>();
    setID(name);
    section->setSettings(loadChildAs<TPLXTextSettings>(QStringLiteral("settings"), media, factory, section.get()));
    section->setText(media.strValue(name, QStringLiteral("text"), QString()));
    return section;
}

TPLXPertBarSectionDrawer::TPLXPertBarSectionDrawer(TPLXPertBarSection *section)
    : TPLXDrawer(section)
{
}

TPLXPertBarSection *TPLXPertBarSectionDrawer::section() const
{
    return static_cast<TPLXPertBarSection *>(target);
}

TColor TPLXPertBarSectionDrawer::borderColor() const
{
    auto *box = dynamic_cast<TPLXPertBar *>(section()->getParent());
    const TPLXPertBarSettings *settings = box ? box->effectiveSettings() : nullptr;
    return settings ? settings->getBorderColor() : clBlack;
}

void TPLXPertBarSectionDrawer::drawText(TPLXVisualContext &vc, const TRect &inner)
{
    if (TPLXTextArranger *arranger = section()->textArranger()) {
        arranger->wordWrapText(section()->getText(), inner.width(), inner.height());
        arranger->drawText(vc, inner);
    }
}

void TPLXPertBarSectionDrawer::Draw(TPLXVisualContext &vc)
{
    vc.drawRect(FRect, psSolid, borderColor());
    drawText(vc, grown(FRect, -1));
}

void TPLXPertBarSectionDrawer::DrawGradient(TPLXVisualContext &vc)
{
    auto *box = dynamic_cast<TPLXPertBar *>(section()->getParent());
    const TPLXPertBarSettings *settings = box ? box->effectiveSettings() : nullptr;
    const TColor from = settings ? settings->getBackGroundColor() : clWhite;
    const TRect inner = grown(FRect, -1);
    vc.gradientFill(inner, from, clWhite, false);
    vc.drawRect(FRect, psSolid, borderColor());
    drawText(vc, inner);
}

// ------------------------------------------------------------ TPLXPertBar

TPLXPertBar::TPLXPertBar(int x, int y, const TPLXPertBarSettings *settings)
    : TPLXGanttBar(0, 0, 0)
    , Fx(x)
    , Fy(y)
{
    // Drawn only in the PERT chart.
    setGanttDrawer(nullptr);
    SetPertType(plxpbtTimeSpan);
    auto *text = new TPLXTextSettings();
    text->SetTransparent(true);
    setMainSection(new TPLXPertBarSection(text));
    if (settings)
        applySettings(*settings);
}

TPLXPertBar::TPLXPertBar(int x, int y, TPLXPertBarSettings *settings, BorrowSettings)
    : TPLXPertBar(x, y, nullptr)
{
    FSettings = settings;
}

TPLXPertBar::~TPLXPertBar() = default;

void TPLXPertBar::SetPertType(TPLXPertBarType t)
{
    FPertBarType = t;
    setPertDrawer(DrawerType(t, this));
}

std::unique_ptr<TPLXPertBarPertDrawer> TPLXPertBar::DrawerType(int t, TPLXPertBar *bar)
{
    switch (t) {
    case plxpbtTimeSpan:
        return std::make_unique<TPLXPertBarTimespanPertDrawer>(bar);
    case plxpbtNoTimeSpan:
        return std::make_unique<TPLXPertBarNoTimespanPertDrawer>(bar);
    default:
        return std::make_unique<TPLXPertBarPertDrawer>(bar);
    }
}

void TPLXPertBar::setPertDrawer(std::unique_ptr<TPLXPertBarPertDrawer> drawer)
{
    FOwnDrawerPert = std::move(drawer);
    FDrawerPert = FOwnDrawerPert.get();
}

TPLXPertBarPertDrawer *TPLXPertBar::pertDrawer() const
{
    return static_cast<TPLXPertBarPertDrawer *>(FOwnDrawerPert.get());
}

TPLXGanttObject *TPLXPertBar::settingsObject() const
{
    return FSettings;
}

const TPLXPertBarSettings *TPLXPertBar::effectiveSettings() const
{
    if (FSettings)
        return FSettings;
    TPLXGanttTable *table = tableOf(this);
    return table ? table->defaultPertBarSettings() : nullptr;
}

void TPLXPertBar::applySettings(const TPLXPertBarSettings &s)
{
    if (!FSettings) {
        FSettings = new TPLXPertBarSettings();
        FSettings->setParent(this);
    }
    FSettings->Assign(s);
}

void TPLXPertBar::setSettings(TPLXPertBarSettings *settings)
{
    replaceOwned(FSettings, settings);
}

void TPLXPertBar::replaceSection(TPLXPertBarSection *&slot, TPLXPertBarSection *section)
{
    if (slot == section)
        return;
    if (slot && slot->getParent() == this)
        delete slot;
    slot = section;
    if (slot && !slot->getParent())
        slot->setParent(this);
}

void TPLXPertBar::setMainSection(TPLXPertBarSection *section)
{
    replaceSection(FMainSection, section);
}

void TPLXPertBar::setTopSection(TPLXPertBarSection *section)
{
    replaceSection(FTopSection, section);
}

void TPLXPertBar::setBottomSection(TPLXPertBarSection *section)
{
    replaceSection(FBottomSection, section);
}

TPLXGanttObject *TPLXPertBar::mainSectionObject() const
{
    return FMainSection;
}

TPLXGanttObject *TPLXPertBar::topSectionObject() const
{
    return FTopSection;
}

TPLXGanttObject *TPLXPertBar::bottomSectionObject() const
{
    return FBottomSection;
}

void TPLXPertBar::addAdditionalSection(TPLXPertBarSection *section)
{
    if (!section)
        return;
    if (!section->getParent())
        section->setParent(this);
    FAdditionalSections.append(section);
}

bool TPLXPertBar::acceptConnections() const
{
    return true;
}

bool TPLXPertBar::overlap(TDateTime start, TDateTime end, int row, TPLXGanttBar *bar)
{
    if (bar && bar->isProgressBar())
        return false;
    return TPLXGanttBar::overlap(start, end, row, bar);
}

QString TPLXPertBar::parentTaskLabel()
{
    TPLXGanttRow *row = getParentRow();
    TPLXDocumentSetup *document = GetDocumentSetup();
    const int parent = document && row ? document->parentRowOf(row->getOrder()) : -1;
    return parent >= 0 ? QStringLiteral("(%1)").arg(parent + 1) : QStringLiteral("--");
}

std::unique_ptr<TPLXOperation> TPLXPertBar::moveTo(TDateTime date, int row)
{
    TPLXGanttTable *table = tableOf(this);
    PLX_ASSERT(table != nullptr);
    QPoint p;
    table->snapToGrid(nearest(date) + table->getPertStartX(), row + table->getPertStartY(), p, true);
    return std::make_unique<TPLXPertBarMoveOperation>(dataSource(), this, p.x(), p.y());
}

void TPLXPertBar::newConnectionTo(TPLXPertBar *bar)
{
    FOutgoingConnections.append(bar);
}

void TPLXPertBar::removeConnectionTo(TPLXPertBar *bar)
{
    FOutgoingConnections.removeOne(bar);
}

void TPLXPertBar::newConnectionFrom(TPLXPertBar *bar)
{
    FIncomingConnections.append(bar);
}

void TPLXPertBar::removeConnectionFrom(TPLXPertBar *bar)
{
    FIncomingConnections.removeOne(bar);
}

bool TPLXPertBar::connectionTo(TPLXPertBar *bar)
{
    TPLXGanttTable *table = tableOf(this);
    if (!table || !bar)
        return false;
    return std::any_of(table->pertConnections().cbegin(), table->pertConnections().cend(),
                       [&](const TPLXBarConnection *c) {
                           return (c->getFromBar() == this && c->getToBar() == bar) ||
                                  (c->getConnType() == 1 && c->getFromBar() == bar && c->getToBar() == this);
                       });
}

bool TPLXPertBar::connectedWith(TPLXPertBar *bar)
{
    return connectionTo(bar) || (bar && bar->connectionTo(this));
}

void TPLXPertBar::UpdateRange()
{
    TPLXGanttRow *r = getParentRow();
    PLX_ASSERT(r != nullptr);
    FstartDate = std::trunc(r->FindStartDate());
    TDateTime end = r->FindEndDate();
    if (midnight(end))
        end = Prev(end, tmDay);
    FendDate = std::trunc(end);

    FIsSummary = false;
    QList<TPLXTaskBar *> tasks;
    for (TPLXGanttBar *bar : r->bars()) {
        if (bar->isSummaryBar())
            FIsSummary = true;
        if (TPLXTaskBar *task = bar->asTaskBar())
            tasks.append(task);
    }
    FHasTaskBar = !tasks.isEmpty();
    int progress = 0;
    // The figures are summarized from task bars only; a row without them keeps the last ones.
    if (FHasTaskBar) {
        TPLXTaskBar *first = tasks.first();
        FLSTime = first->getLSTime();
        FESTime = first->getESTime();
        FLFTime = first->getLFTime();
        FEFTime = first->getEFTime();
        FLBTime = 0;
        FGBTime = 0;
        FEffectiveDuration = 0;
        for (TPLXTaskBar *t : tasks) {
            progress += t->getProgress();
            FLSTime = std::min(FLSTime, t->getLSTime());
            FESTime = std::min(FESTime, t->getESTime());
            FLFTime = std::max(FLFTime, t->getLFTime());
            FEFTime = std::max(FEFTime, t->getEFTime());
            FLBTime += t->getLBTime();
            FGBTime += t->getGBTime();
            FEffectiveDuration += t->getEffectiveDuration();
        }
        if (midnight(FLFTime))
            FLFTime = Prev(FLFTime, tmDay);
        if (midnight(FEFTime))
            FEFTime = Prev(FEFTime, tmDay);
    }
    FProgress = progress > 0 ? progress / static_cast<int>(tasks.size()) : 0;
}

void TPLXPertBar::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory)
{
    const QString section = getUID();
    media.setStrProperty(name, QStringLiteral("pert bar"), section);
    media.setStrProperty(section, QStringLiteral("typeID"), QStringLiteral("Pert Bar"));
    media.setIntProperty(section, QStringLiteral("x"), Fx);
    media.setIntProperty(section, QStringLiteral("y"), Fy);
    media.setIntProperty(section, QStringLiteral("type"), FPertBarType);
    TPLXPersistence::saveChild(section, QStringLiteral("settings"), FSettings, media, factory);
    const std::pair<const char *, TPLXPertBarSection *> sections[] = {{"MainSection", FMainSection},
                                                                      {"TopSection", FTopSection},
                                                                      {"BottomSection", FBottomSection}};
    for (const auto &[key, s] : sections)
        TPLXPersistence::saveChild(section, QString::fromLatin1(key), s, media, factory);
    factory.saveObjectListOf(section, QStringLiteral("AdditionalSections"), media, FAdditionalSections);
}

std::unique_ptr<TPLXGanttObject> TPLXPertBarPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                TPLXEntityFactory &factory)
{
    auto bar = std::make_unique<TPLXPertBar>(0, 0, nullptr);
    setID(name);
    bar->Fx = media.intValueIn(name, QStringLiteral("x"), 0, -PLXLimits::kMaxCoordinate, PLXLimits::kMaxCoordinate);
    bar->Fy = media.intValueIn(name, QStringLiteral("y"), 0, -PLXLimits::kMaxCoordinate, PLXLimits::kMaxCoordinate);
    bar->setSettings(loadChildAs<TPLXPertBarSettings>(QStringLiteral("settings"), media, factory, bar.get()));
    // A stored main section replaces the one every box is created with.
    if (auto *main = loadChildAs<TPLXPertBarSection>(QStringLiteral("MainSection"), media, factory, bar.get()))
        bar->setMainSection(main);
    bar->setTopSection(loadChildAs<TPLXPertBarSection>(QStringLiteral("TopSection"), media, factory, bar.get()));
    bar->setBottomSection(loadChildAs<TPLXPertBarSection>(QStringLiteral("BottomSection"), media, factory, bar.get()));
    for (TPLXPertBarSection *s :
         factory.loadObjectListAs<TPLXPertBarSection>(name, QStringLiteral("AdditionalSections"), media, bar.get())) {
        bar->addAdditionalSection(s);
    }
    bar->SetPertType(static_cast<TPLXPertBarType>(
        media.intValueIn(name, QStringLiteral("type"), 0, plxpbtTimeSpan, plxpbtNoTimeSpan)));
    return bar;
}

// ------------------------------------------------------------ drawers

TPLXPertBarPertDrawer::TPLXPertBarPertDrawer(TPLXPertBar *bar)
    : TPLXGanttBarDrawer(bar)
{
}

TPLXPertBar *TPLXPertBarPertDrawer::pertBar() const
{
    return static_cast<TPLXPertBar *>(target);
}

TRect TPLXPertBarPertDrawer::boxRect() const
{
    TPLXPertBar *b = pertBar();
    TPLXGanttTable *table = tableOf(b);
    const TPLXPertBarSettings *settings = b->effectiveSettings();
    TRect r;
    r.Left = b->getX();
    r.Top = b->getY();
    if (table) {
        r.Left += b->GetDocumentSetup()->getColStartX(0) - table->getPertStartX();
        r.Top -= table->getPertStartY();
    }
    r.Right = r.Left + (settings ? settings->getWidth() : 0);
    r.Bottom = r.Top + (settings ? settings->getHeight() : 0);
    return r;
}

TRect TPLXPertBarPertDrawer::getRect() const
{
    return boxRect();
}

TRect TPLXPertBarPertDrawer::getRect(TDateTime)
{
    return getRect();
}

TPLXGanttObject *TPLXPertBarPertDrawer::locateObject(int x, int y)
{
    return TPLXGanttBarDrawer::locateObject(x, y);
}

void TPLXPertBarPertDrawer::Draw(TPLXVisualContext &vc)
{
    TPLXPertBar *b = pertBar();
    const TPLXPertBarSettings *settings = b->effectiveSettings();
    TPLXGanttTable *table = tableOf(b);
    FDrawn = settings != nullptr;
    if (!FDrawn) {
        clearLastRect();
        return;
    }
    setLastRect(boxRect());
    vc.FillArea(getLastRect(), b->isSummary() ? settings->getBackgroundSummaryColor() : settings->getBackGroundColor(),
                bsSolid);
    innerRect = grown(getLastRect(), -settings->getBorderThickness());
    vc.fillBounds(getLastRect(), innerRect, settings->getBorderColor(), bsSolid);
    if (table)
        table->registerPertCoords(getLastRect().Left, getLastRect().Top);
    // The detail figures below the box are part of what a click hits.
    if (b->isDetailed() && b->getPertType() == plxpbtTimeSpan && !b->isSummary()) {
        TRect hit = getLastRect();
        hit.Bottom += 50;
        setLastRect(hit);
    }
    highlight(vc, getRect());
}

TPLXPertBarTimespanPertDrawer::TPLXPertBarTimespanPertDrawer(TPLXPertBar *bar)
    : TPLXPertBarPertDrawer(bar)
{
}

TRect TPLXPertBarTimespanPertDrawer::getRect() const
{
    TRect r = boxRect();
    if (!pertBar()->isSummary() && pertBar()->isDetailed())
        r.Bottom += r.height() / 2;
    return r;
}

void TPLXPertBarTimespanPertDrawer::Draw(TPLXVisualContext &vc)
{
    TPLXPertBarPertDrawer::Draw(vc);
    if (!FDrawn)
        return;
    TPLXPertBar *b = pertBar();
    const TPLXPertBarSettings *settings = b->effectiveSettings();
    const TColor border = settings->getBorderColor();
    const bool summary = b->isSummary();
    const TRect I = grown(getInnerRect(), 1);
    const int W = I.width();
    const int H = I.height();
    vc.setFont(QStringLiteral("Arial"), 10, clBlack, false, false, false, 0);
    auto cell = [&](const TRect &r, const QString &text) {
        vc.drawRect(r, psSolid, border);
        vc.centerText(r, text);
    };

    int bandTop = I.Top;
    if (summary) {
        cell({I.Left, I.Top, I.Right, I.Top + H / 4}, QStringLiteral("Sammelvorgang"));
        bandTop += H / 4;
    }
    if (TPLXPertBarSection *main = b->mainSection()) {
        TPLXPertBarSectionDrawer *drawer = main->sectionDrawer();
        drawer->setRect(summary ? TRect{I.Left, I.Top + 2 * (H / 4), I.Right, I.Bottom}
                                : TRect{I.Left, I.Top + H / 4, I.Right, I.Bottom - H / 5});
        drawer->Draw(vc);
        vc.setFont(QStringLiteral("Arial"), 10, clBlack, false, false, false, 0);
    }

    TPLXGanttRow *row = b->getParentRow();
    const int rowIndex = row ? row->getOrder() : 0;
    const QString number = b->userDefinedNumber().isEmpty() ? QString::number(rowIndex + 1) : b->userDefinedNumber();
    const int bandBottom = bandTop + H / 4;
    cell({I.Left, bandTop, I.Left + W / 4, bandBottom}, number);
    const TDateTime start = b->storedStart();
    const TDateTime end = b->storedEnd();
    QString period = QStringLiteral("--");
    if (start != 0)
        period = start == end ? dayMonth(start) : dayMonth(start) + QStringLiteral(" - ") + dayMonth(end);
    const int periodRight = summary ? I.Right : I.Left + W / 4 + W / 2;
    cell({I.Left + W / 4, bandTop, periodRight, bandBottom}, period);
    if (!summary) {
        cell({periodRight, bandTop, I.Right, bandBottom}, b->parentTaskLabel());

        const TRect band{I.Left, I.Bottom - H / 5, I.Right, I.Bottom};
        vc.drawRect(band, psSolid, border);
        const TRect inside = grown(band, -1);
        const int progress = b->getProgress();
        TRect strip = inside;
        strip.Right = inside.Left + progress * inside.width() / 100;
        if (!strip.isEmpty())
            vc.FillArea(strip,
                        progress >= 100 ? settings->getProgressBarFinishedColor() : settings->getProgressBarColor(),
                        bsSolid);
    }

    if (b->isDetailed() && b->hasTaskBar()) {
        const TRect area{I.Left, I.Bottom, I.Right, I.Bottom + H / 2};
        vc.FillArea(area, settings->getBackGroundColor(), bsSolid);
        vc.drawRect(grown(area, 1), psSolid, border);
        const QString upper[4] = {QString::number(static_cast<qint64>(b->getEffectiveDuration())),
                                  dayMonth(b->getESTime()), dayMonth(b->getEFTime()),
                                  QString::number(static_cast<qint64>(b->getLBTime()))};
        const QString lower[4] = {QString::number(b->getProgress()) + QLatin1Char('%'), dayMonth(b->getLSTime()),
                                  dayMonth(b->getLFTime()), QString::number(static_cast<qint64>(b->getGBTime()))};
        const int colWidth = area.width() / 4;
        const int rowHeight = area.height() / 2;
        for (int c = 0; c < 4; ++c) {
            const int left = area.Left + c * colWidth;
            cell({left, area.Top, left + colWidth, area.Top + rowHeight}, upper[c]);
            cell({left, area.Top + rowHeight, left + colWidth, area.Top + 2 * rowHeight}, lower[c]);
        }
    }
}

TPLXPertBarNoTimespanPertDrawer::TPLXPertBarNoTimespanPertDrawer(TPLXPertBar *bar)
    : TPLXPertBarPertDrawer(bar)
{
}

TRect TPLXPertBarNoTimespanPertDrawer::getRect() const
{
    TRect r = boxRect();
    const auto extra = pertBar()->additionalSections().size();
    if (extra > 0 && pertBar()->isDetailed())
        r.Bottom += r.height() * static_cast<int>(extra) / 5;
    return r;
}

void TPLXPertBarNoTimespanPertDrawer::Draw(TPLXVisualContext &vc)
{
    TPLXPertBarPertDrawer::Draw(vc);
    if (!FDrawn)
        return;
    TPLXPertBar *b = pertBar();
    const TPLXPertBarSettings *settings = b->effectiveSettings();
    const TRect I = grown(getInnerRect(), 1);
    const int H = I.height();
    const int mainTop = I.Top + H / 4;
    const int bottomTop = mainTop + H / 2;
    if (TPLXPertBarSection *top = b->topSection()) {
        top->sectionDrawer()->setRect({I.Left, I.Top, I.Right, mainTop});
        top->sectionDrawer()->DrawGradient(vc);
    }
    if (TPLXPertBarSection *main = b->mainSection()) {
        main->sectionDrawer()->setRect({I.Left, mainTop, I.Right, bottomTop});
        main->sectionDrawer()->Draw(vc);
    }
    if (TPLXPertBarSection *bottom = b->bottomSection()) {
        bottom->sectionDrawer()->setRect({I.Left, bottomTop, I.Right, I.Bottom});
        bottom->sectionDrawer()->Draw(vc);
    }
    if (b->isDetailed()) {
        int top = I.Bottom;
        for (TPLXPertBarSection *extra : b->additionalSections()) {
            const TRect band{I.Left, top, I.Right, top + H / 5};
            vc.drawRect(band, psSolid, settings->getBorderColor());
            extra->sectionDrawer()->setRect(band);
            extra->sectionDrawer()->Draw(vc);
            top = band.Bottom;
        }
    }
}

// ------------------------------------------------------------ fake box

TPLXFakePertBar::TPLXFakePertBar(int x, int y, TPLXPertBarSettings *settings)
    : TPLXPertBar(x, y, settings, BorrowSettings{})
{
    setPertDrawer(std::make_unique<TPLXFakePertBarPertDrawer>(this));
}

TPLXFakePertBarPertDrawer::TPLXFakePertBarPertDrawer(TPLXPertBar *bar)
    : TPLXPertBarPertDrawer(bar)
{
}

TRect TPLXFakePertBarPertDrawer::boxRect() const
{
    const TRect box = TPLXPertBarPertDrawer::boxRect();
    return {box.Left, box.Top, box.Left, box.Top};
}

TRect TPLXFakePertBarPertDrawer::getRect() const
{
    return boxRect();
}

// ------------------------------------------------------------ TPLXPertBarMoveOperation

TPLXPertBarMoveOperation::TPLXPertBarMoveOperation(TPLXDataSourceIntf *dataSource, TPLXPertBar *target, double x,
                                                   int y)
    : TPLXOperation(dataSource)
    , target(target)
    , originalStartDate(target->getX())
    , newStartDate(x)
    , originalRow(target->getY())
    , newRow(y)
{
}

bool TPLXPertBarMoveOperation::perform()
{
    target->setX(nearest(newStartDate));
    target->setY(newRow);
    TPLXGanttRow *row = target->getParentRow();
    if (TPLXGanttTable *table = tableOf(target)) {
        previousZOrder = table->getZOrder(row);
        table->setZOrder(row, 0);
    }
    return true;
}

bool TPLXPertBarMoveOperation::undo()
{
    target->setX(nearest(originalStartDate));
    target->setY(originalRow);
    if (previousZOrder >= 0) {
        if (TPLXGanttTable *table = tableOf(target))
            table->setZOrder(target->getParentRow(), previousZOrder);
    }
    return true;
}
