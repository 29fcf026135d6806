// The base of every bar kind a chart row holds: its period, its row, its
// textual halo, the drawer geometry shared by all kinds, and the undoable
// resize and time-assignment operations.
#pragma once

#include "plxGanttObject.h"
#include "plxOperation.h"

#include <functional>
#include <memory>

class TPLXDataSourceIntf;
class TPLXGanttBar;
class TPLXGanttRow;
class TPLXPertBar;
class TPLXTaskBar;
class TPLXTextHalo;

// Callback types the data source raises for bar changes.
using TPLXBeforeBarOperationEvent = std::function<void(TPLXGanttBar *bar, bool &cancel)>;
using TPLXAfterBarOperationEvent = std::function<void(TPLXGanttBar *bar)>;
using TPLXGanttBarMoveEvent =
    std::function<void(TPLXGanttBar *bar, int newRow, TDateTime newStartDate, bool &allowed)>;
using TPLXBarResizeEvent =
    std::function<void(TPLXGanttBar *bar, double changeX, int changeY, bool right, bool &allowed)>;
using TPLXDragBarEvent = std::function<void(TPLXGanttBar *bar)>;
using TPLXDrawBarEvent = std::function<void(TPLXGanttBar *bar, bool &defaultPaint)>;

class TPLXGanttBarDrawer;

// The stored period of a bar exactly as held, so that undo can put it back.
struct TPLXBarTimes
{
    TDateTime start = 0;
    TDateTime end = 0;
    TDateTime effective = 0;
    // The height of kinds whose vertical resize changes it, in pixels.
    qint32 height = 0;
};

// Abstract base of the bar kinds. The bar's parent is the row that holds it;
// its root is the document, through which it reaches table and calendar.
class ORVANTA_EXPORT TPLXGanttBar : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY_META
    Q_PROPERTY(double StartDate READ getStartDate WRITE setStartDate)
    Q_PROPERTY(double EndDate READ getEndDate WRITE setEndDate)
    Q_PROPERTY(double duration READ getDuration)
    Q_PROPERTY(double effectiveDuration READ getEffectiveDuration WRITE setEffectiveDuration)
    Q_PROPERTY(int row READ getRow WRITE setRowField)
    Q_PROPERTY(int indexInRow READ getIndexInRow)
    Q_PROPERTY(TPLXGanttObject *textHalo READ textHaloObject)
    Q_PROPERTY(bool focused MEMBER FFocused)
    Q_PROPERTY(bool PreventLeftAlign MEMBER FPreventLeftAlign)

public:
    ~TPLXGanttBar() override;

    // Moves one end by `changeCol` periods of the calendar's time mode.
    virtual bool Resize(double changeCol, int changeRow, bool right);
    // A new, not yet performed move of this bar to `date` in row `row`; null for none.
    virtual std::unique_ptr<TPLXOperation> moveTo(TDateTime date, int row);
    virtual bool occupies(TDateTime date, int row);
    virtual TRect getRect(TDateTime viewStart);
    virtual TDateTime getStartDate();
    virtual TDateTime getEndDate();
    virtual void setEndDate(TDateTime d);
    virtual bool inRow(int row);
    // `bar` is the bar about to be placed into [start, end) of `row`.
    virtual bool overlap(TDateTime start, TDateTime end, int row, TPLXGanttBar *bar);
    virtual void setPeriod(TDateTime start, TDateTime end);
    virtual bool canResizeVertically() const;
    // The bar counts for summary spans and the first/last summarizable searches.
    virtual bool isSummarizable() const;
    virtual bool multiRow() const;
    virtual bool acceptConnections() const;
    virtual bool canMoveVertically() const;
    // The bar spans a group of rows and follows the task tree.
    virtual bool isSummaryBar() const { return false; }
    // This bar as a PERT box; null for every other kind.
    virtual TPLXPertBar *asPertBar() { return nullptr; }
    // This bar as a task bar, whose PERT figures boxes and the critical path read; null for every other kind.
    virtual TPLXTaskBar *asTaskBar() { return nullptr; }
    // Progress bars lie over task bars instead of colliding with them.
    virtual bool isProgressBar() const { return false; }
    // The bar keeps its place when connected bars push their neighbours.
    virtual bool isFixed() const { return false; }
    // The box a PERT connection being drawn out ends at: it has no task to connect yet.
    virtual bool isLooseEnd() const { return false; }
    // The end a bar of this kind gets when drawn out with the mouse from `start` to `end`.
    virtual TDateTime drawnOutEnd(TDateTime, TDateTime end) const { return end; }
    // Recomputes what the bar derives from other bars; most kinds derive nothing.
    virtual void refreshDerived() {}
    // Working time in the period, in days.
    virtual TDateTime getEffectiveDuration();
    virtual void setEffectiveDuration(TDateTime d);
    virtual void setStartDate(TDateTime d);
    // The raw stored period (no derivation); undo restores it with setTimes.
    virtual TPLXBarTimes getTimes() const;
    // The stored start and end, without the derivation a kind may apply.
    TDateTime storedStart() const { return FstartDate; }
    TDateTime storedEnd() const { return FendDate; }
    virtual void setTimes(const TPLXBarTimes &times);
    // The class of the placeholder that stands in for this kind while one is drawn out.
    virtual const QMetaObject *getFakeClass() const;
    // A new placeholder of getFakeClass(), from 0 to 0 in row 0.
    virtual std::unique_ptr<TPLXGanttBar> createFake() const;

    // The parent row's order, cached in FRow; the bar must have a parent.
    int getRow();
    int getIndexInRow();
    TDateTime getDuration();

    TPLXGanttRow *getParentRow() const;
    // The halo; a default one is made on first use, unless one was set.
    TPLXTextHalo *textHalo() const;
    // The halo the bar has now, or null; makes no default one, so that reading leaves what the bar saves alone.
    TPLXTextHalo *existingTextHalo() const { return FTextHalo; }
    // Replaces the halo (the old one is freed); the bar becomes the new one's parent.
    void setTextHalo(TPLXTextHalo *halo);
    // Writes the halo's reference and sections under `name`; a default halo not made yet is written as it would be,
    // from one made for the write only, so that saving a large plan leaves its bars without halos.
    void saveTextHalo(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory);
    TPLXGanttObject *textHaloObject() const;
    bool isFocused() const { return FFocused; }
    void setFocused(bool on) { FFocused = on; }
    bool preventLeftAlign() const { return FPreventLeftAlign; }
    void setPreventLeftAlign(bool on) { FPreventLeftAlign = on; }
    void setRowField(int row) { FRow = row; }
    int rowField() const { return FRow; }

    // Made when first asked for, by makeGanttDrawer, unless one was installed.
    TPLXGanttBarDrawer *ganttDrawer() const;
    TPLXDrawer *getDrawer(TPLXViewType viewType) const override;
    // Installs the Gantt drawer of the bar (owned).
    void setGanttDrawer(std::unique_ptr<TPLXGanttBarDrawer> drawer);

    // The data source of the bar's document; null outside a data source.
    TPLXDataSourceIntf *dataSource();
    // The document's listed connections that start or end at this bar, in the order they were listed.
    const QList<TPLXBarConnection *> &listedConnections() const { return FListedConnections; }

protected:
    // A period of at least one calendar day: an end not after `start` becomes start + 1.
    TPLXGanttBar(TDateTime start, TDateTime end, int row);
    // The document calendar; asserts that the bar reaches one.
    TPLXDocumentCalendar *calendar();
    // The Gantt drawer of the kind, for a bar that installed none: most bars
    // of a large plan are never drawn.
    virtual std::unique_ptr<TPLXGanttBarDrawer> makeGanttDrawer();

    TPLXTextHalo *FTextHalo = nullptr; // child
    // The automatic numbers a default halo, its text settings and its halo settings were saved under, 0 before.
    qint32 FDefaultHaloIDs[3] = {0, 0, 0};
    int FRow = 0;
    bool FDefaultHaloPending = true;
    bool FFocused = false;
    bool FPreventLeftAlign = false;
    bool FDrawerPending = true;
    std::unique_ptr<TPLXDrawer> FOwnDrawer;
    // Raw stored dates, without the derivation a kind may apply.
    TDateTime FstartDate = 0;
    TDateTime FendDate = 0;

private:
    // The document keeps its connection index here: the bar is at hand wherever the index is read.
    friend class TPLXGanttDocument;
    QList<TPLXBarConnection *> FListedConnections;
    // The number of the distance repair that last pushed the bar or started from it.
    quint64 FRepairMark = 0;
};

Q_DECLARE_METATYPE(TPLXGanttBar *)

// Date-to-pixel geometry, hit test and highlight frame shared by bar drawers.
class ORVANTA_EXPORT TPLXGanttBarDrawer : public TPLXDrawer
{
public:
    explicit TPLXGanttBarDrawer(TPLXGanttBar *bar);

    // The rectangle of the last drawing, (-1, -1, -1, -1) when the bar was not drawn.
    TRect getRect() const override;
    TPLXGanttObject *locateObject(int x, int y) override;
    // The point is nearer the left edge of the last drawn rectangle than the right one.
    virtual bool closerToStart(int x, int y);
    // Where the bar lies for a view starting at `viewStart`: the whole height of its row.
    virtual TRect getRect(TDateTime viewStart);
    // A dotted red frame 2 pixels outside `rect` while highlighted.
    virtual void highlight(TPLXVisualContext &vc, const TRect &rect);
    void clearLastRect();

    TPLXGanttBar *bar() const;

    const TRect &getLastRect() const { return lastRect; }
    void setLastRect(const TRect &value) { lastRect = value; }

private:
    TRect lastRect{-1, -1, -1, -1};
};

// Loads the "text halo" child after the kind's own doLoad.
class ORVANTA_EXPORT TPLXGanttBarPersistence : public TPLXPersistence
{
public:
    // Attaches the halo named under "text halo" in `name` to `bar`.
    void loadTextHalo(TPLXGanttBar *bar, const QString &name, IPLXMedia &media, TPLXEntityFactory &factory);
};

// Moves one end of a bar by a number of periods.
class ORVANTA_EXPORT TPLXBarResizeOperation : public TPLXOperation
{
public:
    TPLXBarResizeOperation(TPLXDataSourceIntf *dataSource, TPLXGanttBar *target, double changeCol, int changeRow,
                           bool right);
    bool perform() override;
    bool undo() override;

private:
    bool apply(double col, int row, bool undoing);
    TPLXBarTimes FBefore;
    TPLXGanttBar *Target;
    double changeCol;
    int changeRow;
    TDateTime StartDate = 0;
    TDateTime EndDate = 0;
    bool right;
};

// Gives a bar new start and end dates.
class ORVANTA_EXPORT TPLXBarAssignTimeOperation : public TPLXOperation
{
public:
    TPLXBarAssignTimeOperation(TPLXDataSourceIntf *dataSource, TPLXGanttBar *target, TDateTime startDate,
                               TDateTime endDate);
    bool perform() override;
    bool undo() override;

private:
    bool apply(TDateTime start, TDateTime end);
    TPLXBarTimes FBefore;
    TPLXGanttBar *Target;
    TDateTime FStartDate;
    TDateTime FEndDate;
    TDateTime FOldStartDate;
    TDateTime FOldEndDate;
};

// The placeholder a chart control shows while a new bar is drawn out.
class ORVANTA_EXPORT TPLXFakeBar : public TPLXGanttBar
{
    Q_GADGET
    PLX_ENTITY_META

public:
    TPLXFakeBar(TDateTime start = 0, TDateTime end = 0, int row = 0);
    TRect getRect(TDateTime viewStart) override;
    bool acceptConnections() const override;
};

// Draws nothing and finds nothing.
class ORVANTA_EXPORT TPLXFakeBarDrawer : public TPLXGanttBarDrawer
{
public:
    explicit TPLXFakeBarDrawer(TPLXFakeBar *bar);
    void Draw(TPLXVisualContext &vc) override;
    TPLXGanttObject *locateObject(int x, int y) override;
    using TPLXGanttBarDrawer::getRect;
};

// Reads a bar's "start date" and "end date" keys; an end before the start
// becomes a day after it, with a log line naming the section.
ORVANTA_EXPORT void PLXLoadBarSpan(IPLXMedia &media, const QString &name, TDateTime &start, TDateTime &end);

// Refreshes what follows a change of bar dates: critical path, summary bars,
// tree rows. Shared by the bar, row and table operations.
ORVANTA_EXPORT void PLXRefreshAfterBarChange(TPLXDataSourceIntf *dataSource);
