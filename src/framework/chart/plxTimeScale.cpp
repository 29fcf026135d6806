#include "plxTimeScale.h"
#include "plxColors.h"
#include "plxDocumentCalendar.h"
#include "plxEntityFactory.h"
#include "plxGanttTable.h"
#include "plxMedia.h"
#include "plxPlatform.h"
#include "plxVisualContext.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScopeGuard>

#include <algorithm>
#include <cmath>

namespace {

const TPLXKindRegistration<TPLXTimeScalePersistence> registration("Time Scale");

const QString kFace = QStringLiteral("Arial");
// Labels never shrink below this size, even when they then overflow their cell.
constexpr int kSmallestFont = 2;
constexpr int kLargestFont = PLXLimits::kMaxFontSize;
constexpr int kWidestSearchLimit = 10000;

TPLXTimeMode clampedMode(int mode)
{
    return mode > tmDecade || mode < tmNone ? tmNone : static_cast<TPLXTimeMode>(mode);
}

// A positive integer key: a value of 0 or below is reported and the default
// used, a value above `hi` is reported and cut to it.
int positiveValue(IPLXMedia &media, const QString &section, const char *key, int def, int hi)
{
    const QString k = QString::fromLatin1(key);
    const int value = media.intValue(section, k, def);
    if (value <= 0) {
        PLXLog(QStringLiteral("\"%1\" of \"%2\" is %3, not positive; %4 is used").arg(k, section).arg(value).arg(def));
        return def;
    }
    return media.intValueIn(section, k, def, 1, hi);
}

// Colour text; text that names no colour is reported and the default used.
TColor colourValue(IPLXMedia &media, const QString &section, const char *key, const char *def)
{
    const QString k = QString::fromLatin1(key);
    const QString text = media.strValue(section, k, QString::fromLatin1(def));
    TColor colour = 0;
    if (IdentToColor(text, colour) || PLXTryStrToInt(text, colour))
        return colour;
    PLXLog(QStringLiteral("\"%1\" of \"%2\" is \"%3\", not a colour; %4 is used")
               .arg(k, section, text, QString::fromLatin1(def)));
    return StringToColor(QString::fromLatin1(def));
}

} // namespace

// ------------------------------------------------------------ TPLXTimeScale

TPLXTimeScale::TPLXTimeScale()
    : FOwnDrawer(std::make_unique<TPLXTimeScaleDrawer>(this))
{
    TPLXTimeModeObject::SetTimeMode(tmNone);
    FDrawer = FOwnDrawer.get();
}

TPLXTimeScale::TPLXTimeScale(TPLXTimeMode mode, TPLXGanttObject *parent)
    : TPLXTimeScale()
{
    setParent(parent);
    SetTimeMode(mode);
}

TPLXTimeScale::~TPLXTimeScale() = default;

void TPLXTimeScale::SetTimeMode(TPLXTimeMode mode)
{
    const int delta = int(mode) - int(getTimeMode());
    if (FRelativeTM + delta < 0)
        return;
    FRelativeTM += delta;
    TPLXTimeModeObject::SetTimeMode(clampedMode(mode));
    FTimeFormat = DefaultTimeFormat(getTimeMode());
}

void TPLXTimeScale::Update(TPLXTimeMode baseMode)
{
    if (FRelativeTM < 0)
        FRelativeTM = std::max(int(getTimeMode()) - int(baseMode), 0);
    else
        TPLXTimeModeObject::SetTimeMode(clampedMode(int(baseMode) + FRelativeTM));
    FTimeFormat = DefaultTimeFormat(getTimeMode());
}

QString TPLXTimeScale::PeriodToString(TDateTime date)
{
    return TPLXTimeModeObject::PeriodToString(date, FTimeFormat);
}

void TPLXTimeScale::SetHeight(int h)
{
    if (h > 0)
        scaleHeight = h;
}

void TPLXTimeScale::SetFontSize(int size)
{
    if (size > 0)
        fontSize = std::min(size, kLargestFont);
    if (FOwnDrawer)
        SetHeight(static_cast<int>(std::lrint(1.2 * FOwnDrawer->getFontSize(fontSize, QStringLiteral("A")))));
}

void TPLXTimeScale::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &)
{
    media.setStrProperty(name, QStringLiteral("typeID"), QStringLiteral("Time Scale"));
    media.setIntProperty(name, QStringLiteral("scale height"), scaleHeight);
    media.setIntProperty(name, QStringLiteral("font size"), fontSize);
    media.setStrProperty(name, QStringLiteral("font color"), ColorToString(FfontColor));
    media.setStrProperty(name, QStringLiteral("base color"), ColorToString(baseColor));
    media.setStrProperty(name, QStringLiteral("line color"), ColorToString(FlineColor));
    media.setIntProperty(name, QStringLiteral("relative time mode"), std::max(FRelativeTM, 0));
}

std::unique_ptr<TPLXGanttObject> TPLXTimeScalePersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                  TPLXEntityFactory &)
{
    // Fields are read as stored: the mode and label format follow from the next Update.
    auto band = std::make_unique<TPLXTimeScale>();
    band->scaleHeight = positiveValue(media, name, "scale height", 14, PLXLimits::kMaxSize);
    band->fontSize = positiveValue(media, name, "font size", 7, kLargestFont);
    band->FfontColor = colourValue(media, name, "font color", "clWhite");
    band->baseColor = colourValue(media, name, "base color", "$02C56A31");
    band->FlineColor = colourValue(media, name, "line color", "clWhite");
    band->setRelativeTM(media.intValueIn(name, QStringLiteral("relative time mode"), 0, 0, tmDecade));
    return band;
}

// ------------------------------------------------------------ TPLXTimeScaleDrawer

TPLXTimeScaleDrawer::TPLXTimeScaleDrawer(TPLXTimeScale *target)
    : TPLXDrawer(target)
{
}

TPLXTimeScale *TPLXTimeScaleDrawer::scale() const
{
    return static_cast<TPLXTimeScale *>(target);
}

int TPLXTimeScaleDrawer::getHeight() const
{
    return scale()->getScaleHeight();
}

int TPLXTimeScaleDrawer::getFontSize(int size, const QString &text)
{
    if (vc) {
        vc->setFont(kFace, size, scale()->getFontColor(), false, false, false, 0);
        return vc->TextHeight(text);
    }
    // The context is only borrowed while drawing; afterwards the screen measures alike.
    if (FDrawn && qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        QFont font(kFace);
        font.setPointSize(std::max(size, 1));
        return QFontMetrics(font).height();
    }
    return 8;
}

void TPLXTimeScaleDrawer::Draw(TPLXVisualContext &context)
{
    TPLXTimeScale *band = scale();
    TPLXDocumentSetup *doc = band->GetDocumentSetup();
    FPaintedCells = 0;
    if (!doc)
        return;
    vc = &context;
    // The context is borrowed for this call only, also when drawing fails.
    const auto release = qScopeGuard([this] { vc = nullptr; });
    FDrawn = true;
    FFitted.clear();
    startDate = doc->getStartDate();
    endDate = doc->getEndDate();
    const int right = context.getVisibleArea().Right;
    const int left = doc->getColStartX(0);
    int top = doc->scaleStartY(band);
    scaleArea = {left, top, right, top + band->getScaleHeight()};
    context.SetClipRect(scaleArea);
    showLabels();
    context.ResetClipRect();
    if (doc->getTimeScaleUnder()) {
        top = doc->scaleStartUnderY(band);
        scaleArea = {left, top, right, top + band->getScaleHeight()};
        showLabels();
    }
}

const QString &TPLXTimeScaleDrawer::widestLabel(double start, double end)
{
    TPLXTimeScale *band = scale();
    const TWidestKey key{band->getTimeMode(),   band->getTimeFormat(), band->getFontSize(), start, end,
                         PLXDateLocale().name()};
    if (FWidestKey == key)
        return FWidest;
    ++FWidestSearches;
    FWidestKey = key;
    FWidest.clear();
    int widest = -1;
    QHash<QString, int> widths;
    // Past ten thousand periods labels only repeat their patterns (weekdays,
    // week and month names, numbers of as many digits): the search stops
    // there, so that a far end date cannot stall a frame.
    int periods = 0;
    for (TDateTime d = band->StartOfPeriod(start); d - 365 < end + 365 && periods < kWidestSearchLimit; ++periods) {
        const QString label = band->PeriodToString(d);
        auto it = widths.constFind(label);
        if (it == widths.cend())
            it = widths.insert(label, vc->TextWidth(label));
        // The first of equal widths wins.
        if (*it > widest) {
            widest = *it;
            FWidest = label;
        }
        const TDateTime next = band->Next(d);
        if (!(next > d))
            break;
        d = next;
    }
    return FWidest;
}

int TPLXTimeScaleDrawer::fittedSize(const TRect &textRect)
{
    const quint64 key = (quint64(quint32(textRect.width())) << 32) | quint32(textRect.height());
    if (auto it = FFitted.constFind(key); it != FFitted.cend())
        return *it;
    TPLXTimeScale *band = scale();
    int size = band->getFontSize();
    vc->setFont(kFace, size, band->getFontColor(), false, false, false, 0);
    bool tooWide = vc->TextWidth(FWidest) > textRect.width();
    bool tooHigh = vc->TextHeight(FWidest) > textRect.height();
    while ((tooWide || tooHigh) && size > kSmallestFont) {
        --size;
        vc->setFont(kFace, size, band->getFontColor(), false, false, false, 0);
        tooWide = vc->TextWidth(FWidest) >= textRect.width();
        tooHigh = vc->TextHeight(FWidest) >= textRect.height();
    }
    FFitted.insert(key, size);
    return size;
}

void TPLXTimeScaleDrawer::showLabels()
{
    TPLXTimeScale *band = scale();
    const TRect area = scaleArea;
    vc->FillArea(area, band->getBaseColor(), bsSolid);
    TPLXDocumentSetup *doc = band->GetDocumentSetup();
    TPLXGanttTable *table = doc ? doc->GetTable() : nullptr;
    if (table && table->property("Draw3D").toBool())
        vc->gradientFill({area.Left, area.Top, area.Right, area.Top + area.height() / 3}, clWhite,
                         band->getBaseColor(), false);
    TPLXDocumentCalendar *calendar = doc ? doc->getCalendar() : nullptr;
    const int colWidth = table ? table->GetColumnWidth() : 0;
    if (band->getTimeMode() == tmNone || !calendar || colWidth <= 0)
        return;

    vc->setFont(kFace, band->getFontSize(), band->getFontColor(), false, false, false, 0);
    vc->setDrawingColor(band->getLineColor());
    const QString &widest = widestLabel(startDate, endDate);
    const int widestWidth = vc->TextWidth(widest);
    const TRect clip = vc->clippingArea();
    // Edges are placed from the start date, not cell by cell, so that the
    // first visible period can be found without walking the ones before it.
    // Saturated, so that far dates and wide columns still give positions whose differences fit.
    const auto xOf = [&](TDateTime d) { return PLXPixel(area.Left + colWidth * calendar->RealDiff(d, startDate)); };
    TDateTime d = band->StartOfPeriod(startDate);
    if (clip.Left > area.Left) {
        const TDateTime atClip = calendar->RealAdd(startDate, double(clip.Left - area.Left) / colWidth);
        d = std::max(d, band->Prev(band->StartOfPeriod(atClip)));
    }
    while (d < endDate) {
        const TDateTime next = band->Next(d);
        if (!(next > d))
            break;
        const TRect cell{xOf(d), area.Top, xOf(next), area.Bottom};
        if (cell.Left >= clip.Right)
            break;
        if (cell.Right >= clip.Left) {
            TRect text = cell;
            // A label cut by the visible edge moves into view when it fits.
            if (cell.Left < clip.Left && clip.Left < cell.Right && widestWidth < cell.Right - clip.Left)
                text.Left = clip.Left;
            if (cell.Left < clip.Right && clip.Right < cell.Right && widestWidth < clip.Right - cell.Left)
                text.Right = clip.Right;
            vc->setFont(kFace, fittedSize(text), band->getFontColor(), false, false, false, 0);
            vc->centerText(text, band->PeriodToString(d));
            vc->setDrawingColor(band->getLineColor());
            vc->drawLine(cell.Left, cell.Top, cell.Left, cell.Bottom);
            vc->drawLine(cell.Left, cell.Bottom - 1, cell.Right, cell.Bottom - 1);
            ++FPaintedCells;
        }
        d = next;
    }
}
