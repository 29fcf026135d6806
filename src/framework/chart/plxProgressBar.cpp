#include "plxProgressBar.h"

#include "plxBarSettings.h"
#include "plxEntityFactory.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxMedia.h"
#include "plxTaskBar.h"
#include "plxTextualHalo.h"
#include "plxVisualContext.h"

#include <algorithm>
#include <cmath>

namespace {

const TPLXKindRegistration<TPLXProgressBarPersistence> progressBarKind("progress bar");

// Placeholder tag a chart control gives a task bar being drawn out.
constexpr qint32 kTaskPlaceholderTag = 84;

// The section every document is loaded from and saved to.
const QString kRootSection = QStringLiteral("root");

} // namespace

// ------------------------------------------------------------ TPLXProgressBar

TPLXProgressBar::TPLXProgressBar(TDateTime start, TDateTime end, int row)
    : TPLXGanttBar(start, end, row)
{
    setGanttDrawer(std::make_unique<TPLXProgressBarDrawer>(this));
    adoptPersistence(std::make_unique<TPLXProgressBarPersistence>());
}

TPLXProgressBar::~TPLXProgressBar() = default;

std::unique_ptr<TPLXGanttObject> TPLXProgressBar::Create() const
{
    return std::make_unique<TPLXProgressBar>(0, 0, 0);
}

TPLXProgressBarSettings *TPLXProgressBar::GetSettings()
{
    if (FSettings)
        return FSettings;
    if (!getParent())
        return nullptr;
    TPLXDocumentSetup *document = GetDocumentSetup();
    return document ? document->GetProgressBarSettings() : nullptr;
}

void TPLXProgressBar::SetSettings(TPLXProgressBarSettings *settings)
{
    replaceOwned(FSettings, settings);
}

TPLXGanttObject *TPLXProgressBar::settingsObject()
{
    return GetSettings();
}

TRect TPLXProgressBar::getRect(TDateTime viewStart)
{
    return ganttDrawer()->getRect(viewStart);
}

bool TPLXProgressBar::overlap(TDateTime start, TDateTime end, int row, TPLXGanttBar *bar)
{
    // Task bars lie over progress bars by design.
    if (bar && (bar->getPLXTag() == kTaskPlaceholderTag || bar->asTaskBar()))
        return false;
    return TPLXGanttBar::overlap(start, end, row, bar);
}

bool TPLXProgressBar::isSummarizable() const
{
    return true;
}

const QMetaObject *TPLXProgressBar::getFakeClass() const
{
    return &TPLXFakeProgressBar::staticMetaObject;
}

std::unique_ptr<TPLXGanttBar> TPLXProgressBar::createFake() const
{
    return std::make_unique<TPLXFakeProgressBar>(0, 0, 0);
}

void TPLXProgressBar::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory)
{
    media.setStrProperty(name, QStringLiteral("typeID"), QStringLiteral("progress bar"));
    TPLXPersistence::saveChild(name, QStringLiteral("settings"), GetSettings(), media, factory);
    saveTextHalo(name, media, factory);
    media.setRealProperty(name, QStringLiteral("start date"), FstartDate);
    media.setRealProperty(name, QStringLiteral("end date"), FendDate);
}

// ------------------------------------------------------------ TPLXProgressBarPersistence

std::unique_ptr<TPLXGanttObject> TPLXProgressBarPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                    TPLXEntityFactory &factory)
{
    auto bar = std::make_unique<TPLXProgressBar>(0, 0, 0);
    setID(name);
    const QString settingsName = media.strValue(name, QStringLiteral("settings"), QString());
    // A bar without settings of its own saves the document's under their id; those
    // stay the document's (loaded by it), so the bar keeps sharing them.
    const bool documentSettings =
        !settingsName.isEmpty() &&
        settingsName == media.strValue(kRootSection, QStringLiteral("progress bar settings"), QString());
    if (!settingsName.isEmpty() && !documentSettings) {
        auto *settings = loadChildAs<TPLXProgressBarSettings>(QStringLiteral("settings"), media, factory, bar.get());
        // Already loaded elsewhere: shared, never adopted.
        if (settings)
            bar->FSettings = settings;
    }
    bar->FstartDate = media.dateValue(name, QStringLiteral("start date"), 0);
    bar->FendDate = media.dateValue(name, QStringLiteral("end date"), 0);
    if (media.strValue(name, QStringLiteral("text halo"), QStringLiteral("Missing")) != QLatin1String("Missing"))
        loadTextHalo(bar.get(), name, media, factory);
    return bar;
}

// ------------------------------------------------------------ TPLXProgressBarDrawer

TPLXProgressBarDrawer::TPLXProgressBarDrawer(TPLXProgressBar *bar)
    : TPLXGanttBarDrawer(bar)
{
}

TPLXProgressBar *TPLXProgressBarDrawer::progressBar() const
{
    return static_cast<TPLXProgressBar *>(target);
}

TRect TPLXProgressBarDrawer::getRect(TDateTime viewStart)
{
    TPLXDocumentSetup *document = progressBar()->GetDocumentSetup();
    const TPLXTaskBarSettings *taskSettings = document->GetTaskBarSettings();
    const TPLXProgressBarSettings *settings = document->GetProgressBarSettings();
    if (!settings)
        settings = progressBar()->GetSettings();
    const int h = taskSettings ? taskSettings->getHeight() : 0;
    const int p = settings ? settings->getHeight() : 0;
    // Where a task bar of the default height would sit, then the strip right under it.
    TRect r = PLXTaskBarBand(TPLXGanttBarDrawer::getRect(viewStart), h);
    r.Top = r.Bottom;
    r.Bottom = r.Top + p;
    return r;
}

void TPLXProgressBarDrawer::Draw(TPLXVisualContext &vc)
{
    TPLXProgressBar *b = progressBar();
    lastDrawn = false;
    TPLXGanttRow *row = b->getParentRow();
    TPLXDocumentSetup *document = row ? b->GetDocumentSetup() : nullptr;
    TPLXProgressBarSettings *settings = b->GetSettings();
    if (!document || !settings || b->getEndDate() < document->getStartDate() ||
        b->getStartDate() > document->getEndDate() || !row->IsVisible()) {
        clearLastRect();
        return;
    }
    const TRect r = getRect(document->getStartDate());
    vc.FillArea(r, settings->getColor(), bsSolid);
    vc.drawRect(r, psSolid, settings->getBorderColor());
    const TRect inner{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    const int t = document->GetTable()->getFocusedFrameThickness();
    const TRect frame{inner.Left + t, inner.Top + t, inner.Right - t, inner.Bottom - t};
    if (b->isFocused() && settings->getHeight() > 0)
        vc.fillBounds(inner, frame, 0x000000, bsSolid);
    highlight(vc, inner);
    setLastRect(inner);
    lastDrawn = true;
    if (TPLXTextHalo *halo = b->textHalo()) {
        if (TPLXDrawer *haloDrawer = halo->getDrawer(vtGanttGraph))
            haloDrawer->Draw(vc);
    }
}

// ------------------------------------------------------------ fakes

TPLXFakeProgressBar::TPLXFakeProgressBar(TDateTime start, TDateTime end, int row)
    : TPLXProgressBar(start, end, row)
{
    setGanttDrawer(std::make_unique<TPLXFakeProgressBarDrawer>(this));
}

bool TPLXFakeProgressBar::acceptConnections() const
{
    return true;
}

bool TPLXFakeProgressBar::isSummarizable() const
{
    return false;
}

TPLXFakeProgressBarDrawer::TPLXFakeProgressBarDrawer(TPLXFakeProgressBar *bar)
    : TPLXProgressBarDrawer(bar)
{
}

void TPLXFakeProgressBarDrawer::Draw(TPLXVisualContext &)
{
}

TPLXGanttObject *TPLXFakeProgressBarDrawer::locateObject(int, int)
{
    return nullptr;
}
