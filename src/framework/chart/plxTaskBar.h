// The ordinary project task: a start and a working-time duration on the
// document calendar (the end follows from them), buffers, progress, a lock
// and the times the critical path fills in.
#pragma once

#include "plxGanttBar.h"

class TPLXTaskBarSettings;
class TPLXVisualGoodieDrawer;

class ORVANTA_EXPORT TPLXTaskBar : public TPLXGanttBar
{
    Q_GADGET
    PLX_ENTITY_META
    Q_PROPERTY(int Progress READ getProgress WRITE SetProgress)
    Q_PROPERTY(bool Locked READ isLocked WRITE setLocked)
    Q_PROPERTY(bool fixed MEMBER FFixed)
    Q_PROPERTY(TPLXGanttObject *Settings READ settingsObject)
    Q_PROPERTY(bool criticalElement READ getCriticalElement WRITE setCriticalElement)
    Q_PROPERTY(double ESTime READ getESTime WRITE setESTime)
    Q_PROPERTY(double LFTime READ getLFTime WRITE setLFTime)
    Q_PROPERTY(double LBTime READ getLBTime WRITE setLBTime)
    Q_PROPERTY(double GBTime READ getGBTime WRITE setGBTime)
    Q_PROPERTY(double LSTime READ getLSTime)
    Q_PROPERTY(double EFTIme READ getEFTime)
    Q_PROPERTY(double effectiveEnd READ effectiveEnd)
    Q_PROPERTY(double effectiveStart READ effectiveStart)
    Q_PROPERTY(double bufferTimeLeft READ getBufferTimeLeft WRITE setBufferTimeLeft)
    Q_PROPERTY(double bufferTimeRight READ getBufferTimeRight WRITE setBufferTimeRight)
    // The end as saved (0 while it follows from the working time); last, so that a property snapshot puts back
    // the saved form after the dates and working time it restores. Not for the property form.
    Q_PROPERTY(double storedEnd READ storedEnd WRITE setStoredEnd DESIGNABLE false)

public:
    TPLXTaskBar(TDateTime start = 0, TDateTime end = 0, int row = 0);
    ~TPLXTaskBar() override;
    std::unique_ptr<TPLXGanttObject> Create() const override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    bool occupies(TDateTime date, int row) override;
    TRect getRect(TDateTime viewStart) override;
    TDateTime getStartDate() override;
    // Derives the end from start and working-time duration while it is unset (0).
    TDateTime getEndDate() override;
    void setEndDate(TDateTime d) override;
    bool inRow(int row) override;
    bool isSummarizable() const override;
    bool acceptConnections() const override;
    bool overlap(TDateTime start, TDateTime end, int row, TPLXGanttBar *bar) override;
    std::unique_ptr<TPLXOperation> moveTo(TDateTime date, int row) override;
    void setStartDate(TDateTime d) override;
    // Keeps the working-time duration from `start`; `end` is not used.
    void setPeriod(TDateTime start, TDateTime end) override;
    TDateTime getEffectiveDuration() override;
    void setEffectiveDuration(TDateTime d) override;
    bool Resize(double changeCol, int changeRow, bool right) override;
    TPLXBarTimes getTimes() const override;
    void setTimes(const TPLXBarTimes &times) override;

    // The bar's own settings, else a copy of the document's default task bar settings.
    TPLXTaskBarSettings *GetSettings();
    // Takes `settings` as the bar's settings (the bar becomes its parent; the old record is freed).
    void SetSettings(TPLXTaskBarSettings *settings);
    TPLXGanttObject *settingsObject();

    int getProgress() const { return FProgress; }
    // Clamped to 0 .. 100.
    void SetProgress(int p);
    bool isLocked() const { return FLocked; }
    void setLocked(bool on) { FLocked = on; }
    TPLXTaskBar *asTaskBar() override { return this; }
    bool isFixed() const override { return FFixed; }
    void setFixed(bool on) { FFixed = on; }
    TDateTime getLSTime() { return FLFTime - getDuration(); }
    TDateTime getEFTime() { return FESTime + getDuration(); }
    TDateTime effectiveStart();
    TDateTime effectiveEnd();

    bool getCriticalElement() const { return FCriticalElement; }
    void setCriticalElement(bool value) { FCriticalElement = value; }
    TDateTime getESTime() const { return FESTime; }
    void setESTime(TDateTime value) { FESTime = value; }
    TDateTime getLFTime() const { return FLFTime; }
    void setLFTime(TDateTime value) { FLFTime = value; }
    TDateTime getLBTime() const { return FLBTime; }
    void setLBTime(TDateTime value) { FLBTime = value; }
    TDateTime getGBTime() const { return FGBTime; }
    void setGBTime(TDateTime value) { FGBTime = value; }
    TDateTime getBufferTimeLeft() const { return FBufferTimeLeft; }
    void setBufferTimeLeft(TDateTime value) { FBufferTimeLeft = value; }
    TDateTime getBufferTimeRight() const { return FBufferTimeRight; }
    void setBufferTimeRight(TDateTime value) { FBufferTimeRight = value; }
    void setProgress(int value) { FProgress = value; }
    // The counterpart of storedEnd; not held by the lock: it puts back a saved state rather than editing the bar.
    void setStoredEnd(TDateTime value) { FendDate = value; }

protected:
    std::unique_ptr<TPLXGanttBarDrawer> makeGanttDrawer() override;

private:
    friend class TPLXTaskBarPersistence;
    friend class TPLXCriticalPathCalculator;
    // A bar about to be loaded: its settings and persistence come from the store.
    struct Loading
    {
    };
    explicit TPLXTaskBar(Loading);
    TPLXDocumentCalendar *guardedCalendar();
    void keepWorkingTime();
    // `duration` of working time from `start` in `cal`, remembered in FDerivedEnd.
    TDateTime derivedEnd(TPLXDocumentCalendar *cal, TDateTime start, TDateTime duration);

    TPLXTaskBarSettings *FSettings = nullptr; // child

    // The derived end, kept apart from FendDate so that reading a bar never
    // changes what it saves; valid for the start, working time and calendar it was computed for.
    struct DerivedEnd
    {
        TDateTime start = 0;
        TDateTime duration = 0;
        const TPLXDocumentCalendar *calendar = nullptr;
        quint64 generation = 0;
        TDateTime end = 0;
        bool valid = false;
    };
    DerivedEnd FDerivedEnd;
    int FProgress = 0;
    // Where the last critical path run listed the bar; valid only while that list holds the bar there.
    int FPlanIndex = -1;
    bool FLocked = false;
    bool FFixed = false;
    bool FCriticalElement = false;
    TDateTime FESTime = 0;
    TDateTime FLFTime = 0;
    TDateTime FLBTime = 0;
    TDateTime FGBTime = 0;
    // Working time in days; 0 or less means unset, computed from the dates.
    TDateTime FEffectiveDuration = -1.0;
    TDateTime FBufferTimeLeft = 0;
    TDateTime FBufferTimeRight = 0;
};

// The part of a row's rectangle that a task bar `height` pixels high takes:
// centred vertically, never beyond the row.
ORVANTA_EXPORT TRect PLXTaskBarBand(TRect row, int height);

// Frame, body with buffers, weekend and holiday emphasis, progress strip,
// lock label and textual halo of a task bar.
class ORVANTA_EXPORT TPLXTaskBarDrawer : public TPLXGanttBarDrawer
{
public:
    explicit TPLXTaskBarDrawer(TPLXTaskBar *bar);
    void Draw(TPLXVisualContext &vc) override;
    using TPLXGanttBarDrawer::getRect;
    // The row's rectangle narrowed to the settings' height, centred in the row.
    TRect getRect(TDateTime viewStart) override;
    bool supportsHighlighting() const override { return true; }

    // x of `date` for the document's visible start, truncated toward zero.
    int getCoords(TDateTime date);
    // Brightens the non-working days inside the bar (day and hour modes only).
    void emphasizeExceptions(TPLXVisualContext &vc);

    const TRect &getInner() const { return inner; }
    void setInner(const TRect &value) { inner = value; }

private:
    TPLXTaskBar *taskBar() const;
    TPLXVisualContext *Fvc = nullptr;
    // The body inside the frame as the last Draw computed it.
    TRect inner;
    // Whether the last Draw drew the bar.
    bool lastDrawn = false;
};

class ORVANTA_EXPORT TPLXTaskBarPersistence : public TPLXGanttBarPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Task Bar"); }
};
