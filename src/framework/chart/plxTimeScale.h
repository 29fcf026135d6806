// A time-scale band above (and optionally under) the bar table: one labelled
// cell per period of its own time mode, held relative to the calendar's mode.
#pragma once

#include "plxTimeMode.h"
#include "plxTypes.h"

#include <QHash>
#include <QString>

#include <memory>
#include <optional>

class TPLXTimeScaleDrawer;
class TPLXVisualContext;

// The band's mode is the calendar's mode plus a relative offset, so zooming
// the calendar moves every band along (see Update).
class ORVANTA_EXPORT TPLXTimeScale : public TPLXTimeModeObject
{
    Q_GADGET
    PLX_ENTITY(TPLXTimeScale)
    Q_PROPERTY(PLXTime::TPLXTimeFormat TimeFormat READ getTimeFormat WRITE setTimeFormat)
    Q_PROPERTY(int scaleOrder READ getScaleOrder WRITE setScaleOrder)
    Q_PROPERTY(int Color READ getBaseColor WRITE setBaseColor)
    Q_PROPERTY(int Height READ getScaleHeight WRITE SetHeight)
    Q_PROPERTY(int FontHeight READ getFontSize WRITE SetFontSize)
    Q_PROPERTY(int FontColor READ getFontColor WRITE setFontColor)
    Q_PROPERTY(int LineColor READ getLineColor WRITE setLineColor)

public:
    // Mode tmNone, not yet related to a calendar (offset -1).
    TPLXTimeScale();
    // Owned by `parent`, showing `mode`.
    TPLXTimeScale(TPLXTimeMode mode, TPLXGanttObject *parent);
    ~TPLXTimeScale() override;

    // Moves the relative offset by the change of mode; ignored when the offset would become negative.
    void SetTimeMode(TPLXTimeMode mode) override;
    // Follows the calendar's mode `baseMode`; the label format becomes the mode's default.
    void Update(TPLXTimeMode baseMode);
    QString PeriodToString(TDateTime date);
    using TPLXTimeModeObject::PeriodToString;

    // Ignored unless h > 0.
    void SetHeight(int h);
    // Keeps a positive size, then sets the height to 1.2 label heights.
    void SetFontSize(int size);

    int getRelativeTM() const { return FRelativeTM; }
    TPLXTimeFormat getTimeFormat() const { return FTimeFormat; }
    void setTimeFormat(TPLXTimeFormat format) { FTimeFormat = format; }
    int getScaleOrder() const { return FScaleOrder; }
    void setScaleOrder(int order) { FScaleOrder = order; }
    TColor getBaseColor() const { return baseColor; }
    void setBaseColor(TColor color) { baseColor = color; }
    int getScaleHeight() const { return scaleHeight; }
    int getFontSize() const { return fontSize; }
    TColor getFontColor() const { return FfontColor; }
    void setFontColor(TColor color) { FfontColor = color; }
    TColor getLineColor() const { return FlineColor; }
    void setLineColor(TColor color) { FlineColor = color; }

    TPLXTimeScaleDrawer *scaleDrawer() const { return FOwnDrawer.get(); }
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

private:
    friend class TPLXTimeScalePersistence;
    void setRelativeTM(int offset) { FRelativeTM = offset; }

    std::unique_ptr<TPLXTimeScaleDrawer> FOwnDrawer;
    int FRelativeTM = -1;
    TPLXTimeFormat FTimeFormat = tmfNone;
    int FScaleOrder = 0;
    TColor baseColor = 0;
    int scaleHeight = 14;
    int fontSize = 7;
    TColor FfontColor = 0xFFFFFF;
    TColor FlineColor = 0xFFFFFF;
};

// Paints a band: background with its 3D ramp, a label per visible period
// with a font shrunk until the widest label fits, separators and bottom line.
class ORVANTA_EXPORT TPLXTimeScaleDrawer : public TPLXDrawer
{
public:
    explicit TPLXTimeScaleDrawer(TPLXTimeScale *target);
    void Draw(TPLXVisualContext &context) override;
    int getHeight() const override;
    // The label height of `text` at `size` points: measured on the context
    // while drawing, on the screen once the band has been drawn, else 8.
    int getFontSize(int size, const QString &text);

    // Periods whose labels the last Draw wrote, and how often the widest label was searched.
    int paintedCells() const { return FPaintedCells; }
    int widestSearches() const { return FWidestSearches; }

protected:
    // Lays out and draws the labels in FScaleArea.
    virtual void showLabels();

private:
    TPLXTimeScale *scale() const;
    const QString &widestLabel(double startDate, double endDate);
    int fittedSize(const TRect &textRect);

    TPLXVisualContext *vc = nullptr;
    TRect scaleArea;
    TDateTime startDate = 0;
    TDateTime endDate = 0;
    bool FDrawn = false;
    int FPaintedCells = 0;
    int FWidestSearches = 0;

    // The widest label of the range, kept until mode, format, font or range change.
    struct TWidestKey
    {
        TPLXTimeMode mode = tmNone;
        TPLXTimeFormat format = tmfNone;
        int fontSize = 0;
        TDateTime start = 0;
        TDateTime end = 0;
        QString locale;
        friend bool operator==(const TWidestKey &, const TWidestKey &) = default;
    };
    std::optional<TWidestKey> FWidestKey;
    QString FWidest;
    // Font size that fits the widest label into a text rectangle of the given size, for one Draw.
    QHash<quint64, int> FFitted;
};

class ORVANTA_EXPORT TPLXTimeScalePersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Time Scale"); }
};
