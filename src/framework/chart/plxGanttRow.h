// One line of the chart table: the bars drawn in it, its height, visibility
// and collapse state, its index (order) and its PERT box; with the undoable
// operations that add, remove and move bars.
#pragma once

#include "plxGanttBar.h"

#include <QList>

class TPLXGanttTable;
class TPLXPertBar;
class TPLXGanttRow;

using TPLXRowOperationEvent = std::function<void(TPLXGanttRow *row)>;

class ORVANTA_EXPORT TPLXGanttRow : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY(TPLXGanttRow)
    Q_PROPERTY(int Height READ getHeight WRITE setHeight)
    Q_PROPERTY(int VisibleHeight READ GetVisibleHeight)
    Q_PROPERTY(int BarCount READ GetBarCount)
    Q_PROPERTY(bool visible READ IsVisible WRITE setVisible)
    Q_PROPERTY(bool hidden READ isHidden WRITE setHidden)
    Q_PROPERTY(bool Collapsed READ isCollapsed WRITE setCollapsed)
    Q_PROPERTY(int order READ getOrder WRITE setOrder)
    Q_PROPERTY(bool focused READ isFocused WRITE setFocused)
    Q_PROPERTY(bool selected READ isSelected WRITE setSelected)
    Q_PROPERTY(bool group READ IsGroup)
    Q_PROPERTY(double StartDate READ FindStartDate)
    Q_PROPERTY(double EndDate READ FindEndDate)

public:
    // The drawers are made when first asked for: most rows of a large plan are never drawn.
    TPLXDrawer *getDrawer(TPLXViewType viewType) const override;
    TPLXGanttRow();
    ~TPLXGanttRow() override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    // Bar list; the list does not own the bars, the row is only their parent.
    void AddBar(TPLXGanttBar *bar);
    // As AddBar, at `index` (clamped to the list); undo uses it to restore the order.
    void InsertBar(int index, TPLXGanttBar *bar);
    void RemoveBar(TPLXGanttBar *bar);
    void Clear();
    int GetBarCount() const { return static_cast<int>(FBarList.size()); }
    // Null for an index outside the list.
    TPLXGanttBar *GetBarInRow(int i) const;
    int indexOf(const TPLXGanttBar *bar) const;
    // Bars that are instances of `cls` or of a class derived from it.
    int countBarsOfKind(const QMetaObject *cls) const;
    TPLXGanttBar *getBarOfKind(const QMetaObject *cls, int n) const;
    template<typename T>
    int countBarsOfKind() const
    {
        return countBarsOfKind(&T::staticMetaObject);
    }
    template<typename T>
    T *getBarOfKind(int n) const
    {
        return static_cast<T *>(getBarOfKind(&T::staticMetaObject, n));
    }
    int GetSummarizableBarCount() const;
    const QList<TPLXGanttBar *> &bars() const { return FBarList; }

    // Visible and not collapsed.
    bool IsVisible() const { return FVisible && !FCollapsed; }
    int GetVisibleHeight() const { return IsVisible() ? FHeight : 0; }
    // The task tree has a node at this row's index with children; false without a tree.
    bool IsGroup();

    // Span over summarizable bars (FindStartDate/FindEndDate) or all bars; 0 without candidates.
    TDateTime FindStartDate();
    TDateTime FindEndDate();
    TDateTime FindFirstStartDate();
    TDateTime FindLastEndDate();
    TPLXGanttBar *findFirstSummarizable();
    TPLXGanttBar *findLastSummarizable();
    // Keeps each task bar's working-time duration and derives its end again.
    void RecalculateEffective();

    // The row's PERT box, or null.
    TPLXPertBar *pertBar() const { return FPertBar; }
    // Creates the box at (x, y) with the table's default PERT settings when
    // the row has none; returns the row's box.
    TPLXPertBar *createPertBar(int x, int y);
    // Makes `bar` the row's box (the row becomes its parent).
    void setPertBar(TPLXPertBar *bar);
    // Forgets the PERT bar without freeing it.
    void removePertBar() { FPertBar = nullptr; }

    // Height, visibility and collapse tell the table, whose cached row offsets follow them.
    int getHeight() const { return FHeight; }
    void setHeight(int height);
    void setVisible(bool visible);
    bool visibleFlag() const { return FVisible; }
    bool isHidden() const { return FHidden; }
    void setHidden(bool hidden) { FHidden = hidden; }
    bool isCollapsed() const { return FCollapsed; }
    void setCollapsed(bool collapsed);
    int getOrder() const { return FOrder; }
    void setOrder(int order) { FOrder = order; }
    bool isFocused() const { return FFocused; }
    void setFocused(bool on) { FFocused = on; }
    bool isSelected() const { return FSelected; }
    void setSelected(bool on) { FSelected = on; }

    TPLXGanttTable *table() const;

private:
    friend class TPLXGanttRowPersistence;
    void geometryChanged();

    int FHeight = 0;
    QList<TPLXGanttBar *> FBarList;
    bool FVisible = true;
    bool FHidden = false;
    int FOrder = 0;
    bool FCollapsed = false;
    bool FFocused = false;
    bool FSelected = false;
    TPLXPertBar *FPertBar = nullptr;
    std::unique_ptr<TPLXDrawer> FOwnDrawer;
    std::unique_ptr<TPLXDrawer> FOwnDrawerPert;
};

Q_DECLARE_METATYPE(TPLXGanttRow *)

// Draws the row's bars in list order (the table's OnDrawBar may take over a bar).
class ORVANTA_EXPORT TPLXGanttRowDrawer : public TPLXDrawer
{
public:
    explicit TPLXGanttRowDrawer(TPLXGanttRow *row);
    void Draw(TPLXVisualContext &vc) override;
    TPLXGanttObject *locateObject(int x, int y) override;
};

// Draws the row's PERT box, when it has one.
class ORVANTA_EXPORT TPLXGanttRowPertDrawer : public TPLXDrawer
{
public:
    explicit TPLXGanttRowPertDrawer(TPLXGanttRow *row);
    void Draw(TPLXVisualContext &vc) override;
    TPLXGanttObject *locateObject(int x, int y) override;
};

class ORVANTA_EXPORT TPLXGanttRowPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Gantt Row"); }
};

// Puts a bar into a row; the row becomes its parent. A bar that was never
// placed stays its creator's: the operation never frees it.
class ORVANTA_EXPORT TPLXBarInsertOperation : public TPLXOperation
{
public:
    TPLXBarInsertOperation(TPLXDataSourceIntf *dataSource, TPLXGanttBar *target, int row);
    ~TPLXBarInsertOperation() override;
    bool perform() override;
    bool undo() override;

private:
    TPLXGanttBar *Target;
    int Row;
    std::unique_ptr<TPLXOperation> PertOp; // creates the row's PERT box along with its first task
};

// Takes a bar out of its row; after perform, the operation owns the bar.
class ORVANTA_EXPORT TPLXBarRemoveOperation : public TPLXOperation
{
public:
    TPLXBarRemoveOperation(TPLXDataSourceIntf *dataSource, TPLXGanttBar *target, bool preventFiringEvent = false);
    ~TPLXBarRemoveOperation() override;
    bool perform() override;
    bool undo() override;

    int getIndex() const { return Index; }
    void setIndex(int value) { Index = value; }

private:
    // Where perform found the bar in its row, so undo puts it back there.
    int FPosition = -1;
    bool PreventFiringEvent;
    TPLXGanttBar *target;
    std::unique_ptr<TPLXOperation> PertOp; // deletes the row's PERT box along with its last task
    int Index;
};

// Moves a bar to a new start and row, taking its connections along.
class ORVANTA_EXPORT TPLXBarMoveOperation : public TPLXOperation
{
public:
    TPLXBarMoveOperation(TPLXDataSourceIntf *dataSource, TPLXGanttBar *target, TDateTime newStartDate, int newRow);
    ~TPLXBarMoveOperation() override;
    bool perform() override;
    bool undo() override;

    TDateTime getNewStartDate() const { return newStartDate; }
    void setNewStartDate(TDateTime value) { newStartDate = value; }

private:
    bool raiseMoveEvents(int row, TDateTime start);
    TPLXBarTimes FBefore;
    TPLXGanttBar *target;
    TDateTime originalStartDate;
    TDateTime newStartDate;
    TPLXGanttRow *originalParent = nullptr;
    TPLXGanttRow *newParent = nullptr;
    // Performed all or nothing: the connections out and the bar out of its row, then the box and the connections back.
    std::vector<std::unique_ptr<TPLXOperation>> BeforeOp;
    std::vector<std::unique_ptr<TPLXOperation>> AfterOp;
};

// Puts a PERT box into a row or takes it out; shared by the PERT bar insert
// and delete operations. Not itself undoable.
class ORVANTA_EXPORT TPLXPertBarOperation
{
public:
    TPLXPertBarOperation(TPLXDataSourceIntf *dataSource, TPLXPertBar *pertBar, int index);
    bool DeletePertBar();
    bool InsertPertBar();

    int getIndex() const { return Index; }
    void setIndex(int value) { Index = value; }
    TPLXPertBar *getPertBar() const { return PertBar; }
    void setPertBar(TPLXPertBar *value) { PertBar = value; }

private:
    TPLXPertBar *PertBar;
    int Index;
    int FZOrder = 0;
    TPLXDataSourceIntf *DataSource;
    TPLXGanttObject *OriginalParent;
};

// Gives a row a PERT box (a new one, or an existing one moved there); a row
// without tasks also gets a task bar of one period.
class ORVANTA_EXPORT TPLXPertBarInsertOperation : public TPLXOperation
{
public:
    // A new box for row `row` at pixel (x, y), or at a free place when either is negative.
    TPLXPertBarInsertOperation(TPLXDataSourceIntf *dataSource, int row, int x, int y);
    // Moves the existing `pertBar` into row `row`.
    TPLXPertBarInsertOperation(TPLXDataSourceIntf *dataSource, TPLXPertBar *pertBar, int row);
    ~TPLXPertBarInsertOperation() override;
    bool perform() override;
    bool undo() override;

private:
    // A box this operation created and that no row holds: freed with the operation.
    std::unique_ptr<TPLXPertBar> FOwnedBar;
    std::unique_ptr<TPLXGanttBar> FOwnedTaskBar;
    std::unique_ptr<TPLXPertBarOperation> PertOp;
    std::unique_ptr<TPLXOperation> TaskBarOp;
};

// Takes a row's PERT box out together with its PERT connections, the row's
// summarizable bars and their connections.
class ORVANTA_EXPORT TPLXPertBarDeleteOperation : public TPLXOperation
{
public:
    TPLXPertBarDeleteOperation(TPLXDataSourceIntf *dataSource, TPLXPertBar *pertBar);
    ~TPLXPertBarDeleteOperation() override;
    bool perform() override;
    bool undo() override;

private:
    std::unique_ptr<TPLXPertBarOperation> PertOp;
    std::unique_ptr<TPLXMultipleOperations> BarOp;
};
