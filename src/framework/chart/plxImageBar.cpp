#include "plxImageBar.h"

#include "plxBarSettings.h"
#include "plxColors.h"
#include "plxDocumentCalendar.h"
#include "plxEntityFactory.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxMedia.h"
#include "plxPictureResource.h"
#include "plxPlatform.h"
#include "plxTextualHalo.h"
#include "plxVisualContext.h"

namespace {

const TPLXKindRegistration<TPLXImageBarPersistence> imageBarKind("Image Bar");
const TPLXKindRegistration<TPLXMilestoneBarPersistence> milestoneBarKind("Milestone Bar");

// The section every document is loaded from and saved to.
const QString kRootSection = QStringLiteral("root");

TRect shrunk(const TRect &r, int by)
{
    return {r.Left + by, r.Top + by, r.Right - by, r.Bottom - by};
}

} // namespace

// ------------------------------------------------------------ TPLXImageBar

TPLXImageBar::TPLXImageBar(TDateTime start, TDateTime end, int row)
    : TPLXGanttBar(start, end, row)
{
    setGanttDrawer(std::make_unique<TPLXImageBarDrawer>(this));
    setSettings(new TPLXImageBarSettings());
    setPictureResource(new TPLXPictureResource(QStringLiteral("blank image")));
    adoptPersistence(std::make_unique<TPLXImageBarPersistence>());
}

TPLXImageBar::~TPLXImageBar() = default;

std::unique_ptr<TPLXGanttObject> TPLXImageBar::Create() const
{
    return std::make_unique<TPLXImageBar>(0, 0, 0);
}

QString TPLXImageBar::typeID() const
{
    return QStringLiteral("Image Bar");
}

void TPLXImageBar::setPictureResource(TPLXPictureResource *resource)
{
    replaceOwned(FPictureResource, resource);
}

TPLXGanttObject *TPLXImageBar::pictureObject() const
{
    return FPictureResource;
}

TPLXImageBarSettings *TPLXImageBar::getSettings()
{
    if (FSettings)
        return FSettings;
    TPLXDocumentSetup *document = getParent() ? GetDocumentSetup() : nullptr;
    return document ? document->getImageBarSettings() : nullptr;
}

void TPLXImageBar::setSettings(TPLXImageBarSettings *settings)
{
    replaceOwned(FSettings, settings);
}

TPLXGanttObject *TPLXImageBar::settingsObject()
{
    return getSettings();
}

int TPLXImageBar::borderThickness()
{
    const TPLXImageBarSettings *settings = getSettings();
    return settings ? settings->getBorderThickness() : 0;
}

void TPLXImageBar::SetAutoStretch(bool on)
{
    FAutoStretch = on;
    TPLXDocumentSetup *document = getParent() ? GetDocumentSetup() : nullptr;
    if (!on || !document || !document->GetTable() || !document->getCalendar() || !FPictureResource)
        return;
    const int columnWidth = std::max(1, document->GetTable()->GetColumnWidth());
    const qint64 width = qint64(FPictureResource->size().width()) + 2 * qint64(borderThickness());
    FendDate = document->getCalendar()->Add(FstartDate, static_cast<int>(width / columnWidth + 1));
}

bool TPLXImageBar::Resize(double changeCol, int, bool right)
{
    if (!FAutoStretch)
        return false;
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
    return true;
}

TRect TPLXImageBar::getRect(TDateTime viewStart)
{
    return ganttDrawer()->getRect(viewStart);
}

bool TPLXImageBar::inRow(int)
{
    return false;
}

bool TPLXImageBar::acceptConnections() const
{
    return false;
}

bool TPLXImageBar::canResizeVertically() const
{
    return true;
}

void TPLXImageBar::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory)
{
    media.setStrProperty(name, QStringLiteral("typeID"), typeID());
    TPLXPersistence::saveChild(name, QStringLiteral("resource"), FPictureResource, media, factory);
    media.setBoolProperty(name, QStringLiteral("transparent"), FPictureResource && FPictureResource->isTransparent());
    TPLXPersistence::saveChild(name, QStringLiteral("settings"), getSettings(), media, factory);
    TPLXPersistence::saveChild(name, QStringLiteral("text halo"), FTextHalo, media, factory);
    media.setRealProperty(name, QStringLiteral("start date"), FstartDate);
    media.setRealProperty(name, QStringLiteral("end date"), FendDate);
    media.setBoolProperty(name, QStringLiteral("auto stretch"), FAutoStretch);
}

// ------------------------------------------------------------ TPLXMilestoneBar

TPLXMilestoneBar::TPLXMilestoneBar(TDateTime start, TDateTime end, int row)
    : TPLXImageBar(start, end, row)
{
    setGanttDrawer(std::make_unique<TPLXMilestoneBarDrawer>(this));
    adoptPersistence(std::make_unique<TPLXMilestoneBarPersistence>());
}

std::unique_ptr<TPLXGanttObject> TPLXMilestoneBar::Create() const
{
    return std::make_unique<TPLXMilestoneBar>(0, 0, 0);
}

QString TPLXMilestoneBar::typeID() const
{
    return QStringLiteral("Milestone Bar");
}

bool TPLXMilestoneBar::acceptConnections() const
{
    return true;
}

bool TPLXMilestoneBar::isSummarizable() const
{
    return true;
}

// ------------------------------------------------------------ persistence

std::unique_ptr<TPLXImageBar> TPLXImageBarPersistence::createBar() const
{
    return std::make_unique<TPLXImageBar>(0, 0, 0);
}

std::unique_ptr<TPLXImageBar> TPLXMilestoneBarPersistence::createBar() const
{
    return std::make_unique<TPLXMilestoneBar>(0, 0, 0);
}

std::unique_ptr<TPLXGanttObject> TPLXImageBarPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                 TPLXEntityFactory &factory)
{
    setID(name);
    std::unique_ptr<TPLXImageBar> bar = createBar();
    const QString resourceName = media.strValue(name, QStringLiteral("resource"), QString());
    if (!resourceName.isEmpty()) {
        TPLXGanttObject *child = loadChild(QStringLiteral("resource"), media, factory, bar.get());
        if (auto *resource = dynamic_cast<TPLXPictureResource *>(child)) {
            bar->setPictureResource(resource);
        } else if (child) {
            PLXLog(QStringLiteral("%1 names %2 as its picture, which is no picture").arg(name, resourceName));
        } else {
            // The picture could not be read: the bar shows the placeholder and
            // keeps naming the file, so saving loses nothing.
            auto placeholder = std::make_unique<TPLXPictureResource>(resourceName);
            placeholder->setUnreadable(resourceName,
                                       media.strValue(resourceName, QStringLiteral("filename"), QString()),
                                       media.strValue(resourceName, QStringLiteral("mimetype"), QString()));
            PLXLog(QStringLiteral("%1 shows a placeholder for the picture of %2").arg(name, resourceName));
            bar->setPictureResource(placeholder.release());
        }
    }
    const QString settingsName = media.strValue(name, QStringLiteral("settings"), QString());
    // Settings saved under the document's own id stay the document's: the bar shares them.
    const bool documentSettings =
        settingsName.isEmpty() ||
        settingsName == media.strValue(kRootSection, QStringLiteral("image bar settings"), QString());
    TPLXImageBarSettings *settings =
        documentSettings ? nullptr
                         : loadChildAs<TPLXImageBarSettings>(QStringLiteral("settings"), media, factory, bar.get());
    bar->setSettings(nullptr);
    bar->FSettings = settings;
    if (media.strValue(name, QStringLiteral("text halo"), QStringLiteral("Missing")) != QLatin1String("Missing"))
        loadTextHalo(bar.get(), name, media, factory);
    PLXLoadBarSpan(media, name, bar->FstartDate, bar->FendDate);
    bar->FAutoStretch = media.boolValue(name, QStringLiteral("auto stretch"), false);
    if (bar->FPictureResource)
        bar->FPictureResource->setTransparent(media.boolValue(name, QStringLiteral("transparent"), true));
    return bar;
}

// ------------------------------------------------------------ TPLXImageBarDrawer

TPLXImageBarDrawer::TPLXImageBarDrawer(TPLXImageBar *bar)
    : TPLXGanttBarDrawer(bar)
{
}

TPLXImageBar *TPLXImageBarDrawer::imageBar() const
{
    return static_cast<TPLXImageBar *>(target);
}

TRect TPLXImageBarDrawer::getRect(TDateTime viewStart)
{
    TPLXImageBar *b = imageBar();
    TRect r = TPLXGanttBarDrawer::getRect(viewStart);
    const QSize size = b->getPictureResource() ? b->getPictureResource()->size() : QSize(0, 0);
    const qint64 border = 2 * qint64(b->borderThickness());
    const qint64 w = qint64(size.width()) + border;
    const qint64 h = qint64(size.height()) + border;
    if (b->getAutoStretch()) {
        // The period's width, with the picture's aspect ratio; a picture without
        // width keeps its own height.
        const double width = double(r.Right) - double(r.Left);
        r.Bottom = w > 0 ? PLXSaturatePixel(r.Top + qint64(PLXPixel(double(h) * width / double(w))))
                         : PLXSaturatePixel(r.Top + h);
    } else {
        r.Right = PLXSaturatePixel(r.Left + w);
        r.Bottom = PLXSaturatePixel(r.Top + h);
    }
    r.Top = PLXSaturatePixel(qint64(r.Top) + b->getVerticalRowOffset());
    r.Bottom = PLXSaturatePixel(qint64(r.Bottom) + b->getVerticalRowOffset());
    return r;
}

bool TPLXImageBarDrawer::drawable(TPLXDocumentSetup *&document)
{
    TPLXImageBar *b = imageBar();
    TPLXGanttRow *row = b->getParentRow();
    document = row ? b->GetDocumentSetup() : nullptr;
    if (!document || !document->GetTable() || !document->getCalendar() || !row->IsVisible() ||
        b->getStartDate() > document->getEndDate()) {
        clearLastRect();
        return false;
    }
    return true;
}

void TPLXImageBarDrawer::drawFrame(TPLXVisualContext &vc, TPLXDocumentSetup *document, const TRect &r)
{
    TPLXImageBar *b = imageBar();
    const TPLXImageBarSettings *settings = b->getSettings();
    const int t = b->isFocused() ? document->GetTable()->getFocusedFrameThickness() : b->borderThickness();
    if (t > 0)
        vc.fillBounds(r, shrunk(r, t), settings ? settings->getBorderColor() : clBlack, bsSolid);
    highlight(vc, r);
}

void TPLXImageBarDrawer::drawHalo(TPLXVisualContext &vc)
{
    // Only a halo of its own: an image bar saves no default one, so drawing makes none.
    if (TPLXTextHalo *halo = imageBar()->existingTextHalo()) {
        if (TPLXDrawer *haloDrawer = halo->getDrawer(vtGanttGraph))
            haloDrawer->Draw(vc);
    }
}

void TPLXImageBarDrawer::Draw(TPLXVisualContext &vc)
{
    TPLXDocumentSetup *document = nullptr;
    if (!drawable(document))
        return;
    TPLXImageBar *b = imageBar();
    const TRect r = getRect(document->getStartDate());
    const int t = b->isFocused() ? document->GetTable()->getFocusedFrameThickness() : b->borderThickness();
    const TRect inner = shrunk(r, t);
    if (TPLXPictureResource *picture = b->getPictureResource()) {
        if (b->getAutoStretch())
            picture->StretchDraw(vc, inner);
        else
            picture->Draw(vc, inner.Left, inner.Top);
    }
    drawFrame(vc, document, r);
    setLastRect(r);
    drawHalo(vc);
}

// ------------------------------------------------------------ TPLXMilestoneBarDrawer

TPLXMilestoneBarDrawer::TPLXMilestoneBarDrawer(TPLXMilestoneBar *bar)
    : TPLXImageBarDrawer(bar)
{
}

TRect TPLXMilestoneBarDrawer::getRect(TDateTime viewStart)
{
    TPLXImageBar *b = imageBar();
    TPLXDocumentSetup *document = b->GetDocumentSetup();
    TPLXGanttTable *table = document->GetTable();
    TPLXDocumentCalendar *cal = document->getCalendar();
    PLX_ASSERT(table != nullptr && cal != nullptr);
    const QSize size = b->getPictureResource() ? b->getPictureResource()->size() : QSize(0, 0);
    const qint64 border = 2 * qint64(b->borderThickness());
    const int row = b->getRow();
    TRect r;
    r.Left = PLXSaturatePixel(qint64(PLXPixel(table->GetColumnWidth() * cal->RealDiff(b->getStartDate(), viewStart))) +
                              document->getColStartX(0));
    r.Top = PLXSaturatePixel(qint64(table->getRowStartY(row)) + (table->getRowHeight(row) - size.height()) / 2);
    r.Right = PLXSaturatePixel(r.Left + size.width() + border);
    r.Bottom = PLXSaturatePixel(r.Top + size.height() + border);
    return r;
}

void TPLXMilestoneBarDrawer::Draw(TPLXVisualContext &vc)
{
    TPLXDocumentSetup *document = nullptr;
    if (!drawable(document))
        return;
    TPLXImageBar *b = imageBar();
    const TRect r = getRect(document->getStartDate());
    setLastRect(r);
    if (TPLXPictureResource *picture = b->getPictureResource())
        picture->Draw(vc, r.Left + b->borderThickness(), r.Top + b->borderThickness());
    drawFrame(vc, document, r);
    drawHalo(vc);
}
