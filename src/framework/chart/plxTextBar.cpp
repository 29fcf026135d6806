#include "plxTextBar.h"

#include "plxDocumentCalendar.h"
#include "plxEntityFactory.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxMedia.h"
#include "plxPlatform.h"
#include "plxTextSettings.h"
#include "plxTextualHalo.h"
#include "plxVisualContext.h"

#include <algorithm>

namespace {

const TPLXKindRegistration<TPLXTextBarPersistence> textBarKind("Text Bar");

// The section every document is loaded from and saved to.
const QString kRootSection = QStringLiteral("root");

// Space between the box and its text.
constexpr int kTextMargin = 2;

} // namespace

// ------------------------------------------------------------ TPLXTextBar

TPLXTextBar::TPLXTextBar(TDateTime start, TDateTime end, int row)
    : TPLXGanttBar(start, end, row)
    , FTextArranger(std::make_unique<TPLXTextArranger>(nullptr))
{
    setGanttDrawer(std::make_unique<TPLXTextBarDrawer>(this));
    adoptPersistence(std::make_unique<TPLXTextBarPersistence>());
}

TPLXTextBar::~TPLXTextBar() = default;

std::unique_ptr<TPLXGanttObject> TPLXTextBar::Create() const
{
    return std::make_unique<TPLXTextBar>(0, 0, 0);
}

void TPLXTextBar::setHeight(int height)
{
    FHeight = std::max(kMinHeight, height);
}

IPLXTextSettings *TPLXTextBar::getSettings()
{
    if (FSettings)
        return FSettings;
    TPLXDocumentSetup *document = getParent() ? GetDocumentSetup() : nullptr;
    return document ? document->getTextBarSettings() : nullptr;
}

void TPLXTextBar::setSettings(IPLXTextSettings *settings)
{
    replaceOwned(FSettings, settings);
}

TPLXGanttObject *TPLXTextBar::settingsObject()
{
    return getSettings();
}

TPLXTextArranger &TPLXTextBar::arranger()
{
    IPLXTextSettings *settings = getSettings();
    if (FTextArranger->getTextSettings() != settings)
        FTextArranger = std::make_unique<TPLXTextArranger>(settings);
    return *FTextArranger;
}

bool TPLXTextBar::Resize(double changeCol, int changeRow, bool right)
{
    TPLXDocumentCalendar *cal = calendar();
    if (right) {
        const TDateTime e = cal->RealAdd(FendDate, changeCol);
        if (e > FstartDate)
            FendDate = e;
    } else {
        const TDateTime s = cal->RealAdd(FstartDate, changeCol);
        if (s < FendDate)
            FstartDate = s;
    }
    setHeight(PLXSaturatePixel(qint64(FHeight) + changeRow));
    return true;
}

TRect TPLXTextBar::getRect(TDateTime viewStart)
{
    return ganttDrawer()->getRect(viewStart);
}

bool TPLXTextBar::canResizeVertically() const
{
    return true;
}

TPLXBarTimes TPLXTextBar::getTimes() const
{
    TPLXBarTimes times = TPLXGanttBar::getTimes();
    times.height = FHeight;
    return times;
}

void TPLXTextBar::setTimes(const TPLXBarTimes &times)
{
    TPLXGanttBar::setTimes(times);
    setHeight(times.height);
}

void TPLXTextBar::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory)
{
    media.setStrProperty(name, QStringLiteral("typeID"), QStringLiteral("Text Bar"));
    TPLXPersistence::saveChild(name, QStringLiteral("settings"), getSettings(), media, factory);
    TPLXPersistence::saveChild(name, QStringLiteral("text halo"), FTextHalo, media, factory);
    media.setStrProperty(name, QStringLiteral("text"), FText);
    media.setRealProperty(name, QStringLiteral("start date"), FstartDate);
    media.setRealProperty(name, QStringLiteral("end date"), FendDate);
    media.setIntProperty(name, QStringLiteral("height"), FHeight);
}

// ------------------------------------------------------------ TPLXTextBarPersistence

std::unique_ptr<TPLXGanttObject> TPLXTextBarPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                TPLXEntityFactory &factory)
{
    setID(name);
    auto bar = std::make_unique<TPLXTextBar>(0, 0, 0);
    const QString settingsName = media.strValue(name, QStringLiteral("settings"), QString());
    // Settings saved under the document's own id stay the document's: the bar shares them.
    if (!settingsName.isEmpty() &&
        settingsName != media.strValue(kRootSection, QStringLiteral("text bar settings"), QString()))
        bar->FSettings = loadChildAs<IPLXTextSettings>(QStringLiteral("settings"), media, factory, bar.get());
    if (media.strValue(name, QStringLiteral("text halo"), QStringLiteral("Missing")) != QLatin1String("Missing"))
        loadTextHalo(bar.get(), name, media, factory);
    bar->FText = media.strValue(name, QStringLiteral("text"), QString());
    PLXLoadBarSpan(media, name, bar->FstartDate, bar->FendDate);
    bar->setHeight(media.sizeValue(name, QStringLiteral("height"), 50));
    return bar;
}

// ------------------------------------------------------------ TPLXTextBarDrawer

TPLXTextBarDrawer::TPLXTextBarDrawer(TPLXTextBar *bar)
    : TPLXGanttBarDrawer(bar)
{
}

TPLXTextBar *TPLXTextBarDrawer::textBar() const
{
    return static_cast<TPLXTextBar *>(target);
}

TRect TPLXTextBarDrawer::getRect(TDateTime viewStart)
{
    TPLXTextBar *b = textBar();
    TRect r = TPLXGanttBarDrawer::getRect(viewStart);
    r.Bottom = PLXSaturatePixel(qint64(b->GetDocumentSetup()->GetTable()->getRowStartY(b->getRow())) + b->getHeight());
    return r;
}

void TPLXTextBarDrawer::Draw(TPLXVisualContext &vc)
{
    TPLXTextBar *b = textBar();
    TPLXGanttRow *row = b->getParentRow();
    TPLXDocumentSetup *document = row ? b->GetDocumentSetup() : nullptr;
    if (!document || !document->GetTable() || !document->getCalendar() || !row->IsVisible() ||
        b->getEndDate() < document->getStartDate() || b->getStartDate() > document->getEndDate()) {
        clearLastRect();
        return;
    }
    TPLXTextArranger &arranger = b->arranger();
    const TRect r = getRect(document->getStartDate());
    setLastRect(r);
    if (b->isEdited())
        return;
    // The margin never turns the text rectangle inside out.
    TRect text{std::min(r.Left + kTextMargin, r.Right), std::min(r.Top + kTextMargin, r.Bottom),
               std::max(r.Right - kTextMargin, r.Left), std::max(r.Bottom - kTextMargin, r.Top)};
    if (!b->getText().isEmpty()) {
        arranger.wordWrapText(b->getText(), text.Right - text.Left, text.Bottom - text.Top);
        vc.SetClipRect(text);
        arranger.drawText(vc, text);
        vc.ResetClipRect();
    }
    const IPLXTextSettings *settings = b->getSettings();
    if (settings && !settings->GetTransparent())
        vc.FillArea(r, 0x000000, bsClear);
    if (b->isFocused()) {
        const int t = document->GetTable()->getFocusedFrameThickness();
        vc.fillBounds(r, {r.Left + t, r.Top + t, r.Right - t, r.Bottom - t}, 0x000000, bsSolid);
    }
    highlight(vc, r);
}
