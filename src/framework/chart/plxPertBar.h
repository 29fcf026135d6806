// The box that stands for one chart row in the PERT (network) chart: its
// grid position, look, text sections and the summary of the row's task bars;
// with its drawers, persistence and the undoable box move.
#pragma once

#include "plxGanttBar.h"

#include <QList>

class TPLXPertBarSettings;
class TPLXTextArranger;
class TPLXTextSettings;
class TPLXPertBarSectionDrawer;
class TPLXPertBarPertDrawer;

// A stored type may hold any number: unknown ones draw as a plain box.
enum TPLXPertBarType : int { plxpbtTimeSpan = 0, plxpbtNoTimeSpan = 1 };

// One text band of a PERT box.
class ORVANTA_EXPORT TPLXPertBarSection : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY(TPLXPertBarSection)
    Q_PROPERTY(TPLXGanttObject *Settings READ settingsObject)
    Q_PROPERTY(QString Text READ getText WRITE setText)

public:
    TPLXPertBarSection();
    // Takes `settings` (the section becomes its parent).
    explicit TPLXPertBarSection(TPLXTextSettings *settings);
    ~TPLXPertBarSection() override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    TPLXTextSettings *getSettings() const { return FSettings; }
    // Replaces the settings (the old record is freed) and the arranger over them.
    void setSettings(TPLXTextSettings *settings);
    TPLXGanttObject *settingsObject() const;
    const QString &getText() const { return FText; }
    void setText(const QString &text) { FText = text; }
    // Null while the section has no settings.
    TPLXTextArranger *textArranger() const { return FTextArranger.get(); }
    TPLXPertBarSectionDrawer *sectionDrawer() const;

private:
    TPLXTextSettings *FSettings = nullptr; // child
    QString FText;
    std::unique_ptr<TPLXTextArranger> FTextArranger;
    std::unique_ptr<TPLXDrawer> FOwnDrawer;
};

Q_DECLARE_METATYPE(TPLXPertBarSection *)

// Draws a section into the rectangle its box assigns before each drawing.
class ORVANTA_EXPORT TPLXPertBarSectionDrawer : public TPLXDrawer
{
public:
    explicit TPLXPertBarSectionDrawer(TPLXPertBarSection *section);
    // Outlined in the owning box's border colour, text wrapped inside.
    void Draw(TPLXVisualContext &vc) override;
    // As Draw, on a vertical ramp from the box background to white.
    void DrawGradient(TPLXVisualContext &vc);
    TRect getRect() const override { return FRect; }

    void setRect(const TRect &value) { FRect = value; }

private:
    TPLXPertBarSection *section() const;
    TColor borderColor() const;
    void drawText(TPLXVisualContext &vc, const TRect &inner);
    TRect FRect;
};

class ORVANTA_EXPORT TPLXPertBarSectionPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Pert Bar Section"); }
};

// A row's PERT box. Its parent is the row; its period and figures are the
// summary of the row's task bars that UpdateRange computes.
class ORVANTA_EXPORT TPLXPertBar : public TPLXGanttBar
{
    Q_GADGET
    PLX_ENTITY(TPLXPertBar)
    Q_PROPERTY(TPLXGanttObject *Settings READ settingsObject)
    Q_PROPERTY(int PertType READ pertTypeValue WRITE setPertTypeValue)
    Q_PROPERTY(bool Detailed MEMBER FDetailed)
    Q_PROPERTY(TPLXGanttObject *MainSection READ mainSectionObject)
    Q_PROPERTY(TPLXGanttObject *TopSection READ topSectionObject)
    Q_PROPERTY(TPLXGanttObject *BottomSection READ bottomSectionObject)
    Q_PROPERTY(int X READ getX WRITE setX)
    Q_PROPERTY(int Y READ getY WRITE setY)
    Q_PROPERTY(QString UserDefinedNumber MEMBER FUserDefinedNumber)
    Q_PROPERTY(double ESTime READ getESTime WRITE setESTime)
    Q_PROPERTY(double LFTime READ getLFTime WRITE setLFTime)
    Q_PROPERTY(double LBTime READ getLBTime WRITE setLBTime)
    Q_PROPERTY(double GBTime READ getGBTime WRITE setGBTime)
    Q_PROPERTY(double EFTime READ getEFTime WRITE setEFTime)
    Q_PROPERTY(double LSTime READ getLSTime WRITE setLSTime)

public:
    // A box at (x, y) with a copy of `settings` (none when null).
    TPLXPertBar(int x = 0, int y = 0, const TPLXPertBarSettings *settings = nullptr);
    ~TPLXPertBar() override;
    TPLXPertBar *asPertBar() override { return this; }
    // Writes "pert bar" into `name` (the owning row's section), then the box under its own id.
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    bool acceptConnections() const override;
    bool overlap(TDateTime start, TDateTime end, int row, TPLXGanttBar *bar) override;
    // PERT meaning: `date` carries an x and `row` a y, both relative to the PERT view.
    std::unique_ptr<TPLXOperation> moveTo(TDateTime date, int row) override;

    TPLXPertBarType getPertType() const { return FPertBarType; }
    // Replaces the PERT drawer by one of DrawerType(t).
    void SetPertType(TPLXPertBarType t);
    int pertTypeValue() const { return FPertBarType; }
    void setPertTypeValue(int t) { SetPertType(static_cast<TPLXPertBarType>(t)); }
    // The drawer for a box kind; an unknown value gets the plain box drawer.
    static std::unique_ptr<TPLXPertBarPertDrawer> DrawerType(int t, TPLXPertBar *bar);

    // Null for a box without settings of its own.
    TPLXPertBarSettings *getSettings() const { return FSettings; }
    // What the box is drawn with: its own settings, else the table's default ones (null without either).
    const TPLXPertBarSettings *effectiveSettings() const;
    TPLXGanttObject *settingsObject() const;
    // Creates the settings when missing, then copies `s` into them.
    void applySettings(const TPLXPertBarSettings &s);
    // Takes `settings` as the box's own (the old record is freed).
    void setSettings(TPLXPertBarSettings *settings);

    TPLXPertBarSection *mainSection() const { return FMainSection; }
    TPLXPertBarSection *topSection() const { return FTopSection; }
    TPLXPertBarSection *bottomSection() const { return FBottomSection; }
    // Each setter takes the section (the box becomes its parent) and frees the one it replaces.
    void setMainSection(TPLXPertBarSection *section);
    void setTopSection(TPLXPertBarSection *section);
    void setBottomSection(TPLXPertBarSection *section);
    TPLXGanttObject *mainSectionObject() const;
    TPLXGanttObject *topSectionObject() const;
    TPLXGanttObject *bottomSectionObject() const;
    const QList<TPLXPertBarSection *> &additionalSections() const { return FAdditionalSections; }
    // Takes the section (the box becomes its parent).
    void addAdditionalSection(TPLXPertBarSection *section);

    void newConnectionTo(TPLXPertBar *bar);
    void removeConnectionTo(TPLXPertBar *bar);
    void newConnectionFrom(TPLXPertBar *bar);
    void removeConnectionFrom(TPLXPertBar *bar);
    const QList<TPLXPertBar *> &outgoingConnections() const { return FOutgoingConnections; }
    const QList<TPLXPertBar *> &incomingConnections() const { return FIncomingConnections; }
    // The table holds a PERT connection from this box's row to `bar`'s row.
    bool connectionTo(TPLXPertBar *bar);
    // ... in either direction.
    bool connectedWith(TPLXPertBar *bar);

    // Summarizes the row's task bars: period, critical-path times, buffers,
    // working time and mean progress.
    void UpdateRange();

    TPLXPertBarPertDrawer *pertDrawer() const;
    bool isSummary() const { return FIsSummary; }
    bool hasTaskBar() const { return FHasTaskBar; }
    bool isDetailed() const { return FDetailed; }
    void setDetailed(bool on) { FDetailed = on; }
    int getX() const { return Fx; }
    int getY() const { return Fy; }
    void setX(int x) { Fx = x; }
    void setY(int y) { Fy = y; }
    const QString &userDefinedNumber() const { return FUserDefinedNumber; }
    // "(n)" for the task whose branch holds the box's row, "--" for a top-level task or without a tree.
    QString parentTaskLabel();
    void setUserDefinedNumber(const QString &n) { FUserDefinedNumber = n; }
    // Mean progress of the row's task bars, as UpdateRange left it.
    int getProgress() const { return FProgress; }

    TDateTime getEffectiveDuration() const { return FEffectiveDuration; }
    void setEffectiveDuration(TDateTime value) { FEffectiveDuration = value; }
    TDateTime getESTime() const { return FESTime; }
    void setESTime(TDateTime value) { FESTime = value; }
    TDateTime getEFTime() const { return FEFTime; }
    void setEFTime(TDateTime value) { FEFTime = value; }
    TDateTime getLBTime() const { return FLBTime; }
    void setLBTime(TDateTime value) { FLBTime = value; }
    TDateTime getLSTime() const { return FLSTime; }
    void setLSTime(TDateTime value) { FLSTime = value; }
    TDateTime getLFTime() const { return FLFTime; }
    void setLFTime(TDateTime value) { FLFTime = value; }
    TDateTime getGBTime() const { return FGBTime; }
    void setGBTime(TDateTime value) { FGBTime = value; }
    void setIsSummary(bool value) { FIsSummary = value; }
    void setProgress(int value) { FProgress = value; }

protected:
    // For the fake box: keeps `settings` itself, borrowed.
    struct BorrowSettings
    {
    };
    TPLXPertBar(int x, int y, TPLXPertBarSettings *settings, BorrowSettings);

    void setPertDrawer(std::unique_ptr<TPLXPertBarPertDrawer> drawer);

    TPLXPertBarSettings *FSettings = nullptr; // child, except on the fake box
    TPLXPertBarType FPertBarType = plxpbtTimeSpan;

private:
    friend class TPLXPertBarPersistence;
    void replaceSection(TPLXPertBarSection *&slot, TPLXPertBarSection *section);

    QList<TPLXPertBar *> FOutgoingConnections;
    QList<TPLXPertBar *> FIncomingConnections;
    TPLXPertBarSection *FTopSection = nullptr;       // child
    TPLXPertBarSection *FMainSection = nullptr;      // child
    TPLXPertBarSection *FBottomSection = nullptr;    // child
    QList<TPLXPertBarSection *> FAdditionalSections; // children
    std::unique_ptr<TPLXDrawer> FOwnDrawerPert;
    TDateTime FESTime = 0;
    TDateTime FLFTime = 0;
    TDateTime FLBTime = 0;
    TDateTime FGBTime = 0;
    TDateTime FEFTime = 0;
    TDateTime FLSTime = 0;
    TDateTime FEffectiveDuration = 0;
    int Fx = 0;
    int Fy = 0;
    bool FIsSummary = false;
    bool FDetailed = true;
    bool FHasTaskBar = false;
    QString FUserDefinedNumber;
    int FProgress = 0;
};

Q_DECLARE_METATYPE(TPLXPertBar *)

// The box itself: background, border, and the table's PERT extent.
class ORVANTA_EXPORT TPLXPertBarPertDrawer : public TPLXGanttBarDrawer
{
public:
    explicit TPLXPertBarPertDrawer(TPLXPertBar *bar);
    // Where the box lies in the PERT view.
    TRect getRect() const override;
    TRect getRect(TDateTime viewStart) override;
    void Draw(TPLXVisualContext &vc) override;
    TPLXGanttObject *locateObject(int x, int y) override;
    bool supportsHighlighting() const override { return true; }

protected:
    TPLXPertBar *pertBar() const;
    // The plain box rectangle, without what a kind adds below it.
    virtual TRect boxRect() const;
    // Whether the last Draw drew the box (kinds draw their cells only then).
    bool FDrawn = false;

    const TRect &getInnerRect() const { return innerRect; }
    void setInnerRect(const TRect &value) { innerRect = value; }

private:
    TRect innerRect;
};

// Box with dates, scheduling figures and progress.
class ORVANTA_EXPORT TPLXPertBarTimespanPertDrawer : public TPLXPertBarPertDrawer
{
public:
    explicit TPLXPertBarTimespanPertDrawer(TPLXPertBar *bar);
    TRect getRect() const override;
    using TPLXPertBarPertDrawer::getRect;
    void Draw(TPLXVisualContext &vc) override;
};

// Box of text sections only.
class ORVANTA_EXPORT TPLXPertBarNoTimespanPertDrawer : public TPLXPertBarPertDrawer
{
public:
    explicit TPLXPertBarNoTimespanPertDrawer(TPLXPertBar *bar);
    TRect getRect() const override;
    using TPLXPertBarPertDrawer::getRect;
    void Draw(TPLXVisualContext &vc) override;
};

class ORVANTA_EXPORT TPLXPertBarPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Pert Bar"); }
};

// The loose end of a PERT connection being drawn out; never creates Gantt
// connections and occupies no space.
class ORVANTA_EXPORT TPLXFakePertBar : public TPLXPertBar
{
    Q_GADGET
    PLX_ENTITY_META

public:
    // `settings` is borrowed, not copied.
    TPLXFakePertBar(int x = 0, int y = 0, TPLXPertBarSettings *settings = nullptr);
    bool isLooseEnd() const override { return true; }
};

// An empty rectangle at the box position.
class ORVANTA_EXPORT TPLXFakePertBarPertDrawer : public TPLXPertBarPertDrawer
{
public:
    explicit TPLXFakePertBarPertDrawer(TPLXPertBar *bar);
    TRect getRect() const override;
    using TPLXPertBarPertDrawer::getRect;

protected:
    TRect boxRect() const override;
};

// Moves a PERT box to a grid position and brings it to the top of the z-order.
class ORVANTA_EXPORT TPLXPertBarMoveOperation : public TPLXOperation
{
public:
    TPLXPertBarMoveOperation(TPLXDataSourceIntf *dataSource, TPLXPertBar *target, double x, int y);
    bool perform() override;
    bool undo() override;

    double getNewStartDate() const { return newStartDate; }
    void setNewStartDate(double value) { newStartDate = value; }
    int getNewRow() const { return newRow; }
    void setNewRow(int value) { newRow = value; }

private:
    TPLXPertBar *target;
    double originalStartDate; // old x
    double newStartDate;      // new x
    int originalRow;          // old y
    int newRow;               // new y
    int previousZOrder = -1;
};
