// Undoable operations and the undo/redo history: every change to a document
// is an operation that performs and undoes itself; the stack records them.
#pragma once

#include "plxTypes.h"

#include <functional>
#include <memory>
#include <vector>

class TPLXBarConnection;
class TPLXDocumentSetup;
class TPLXGanttBar;
class TPLXGanttObject;
class TPLXGanttRow;
class TPLXOperation;
class TPLXSummaryBar;
class TPLXTreeCell;
class TPLXTreeHeaderCell;
class TPLXUndoRedoStack;
class TPLXVisualContext;

// Called with the operation a step concerns; an empty function is skipped.
using TPLXOperationEvent = std::function<void(TPLXOperation *)>;

// Callback types of the data source's events; `var` arguments are in/out references.
using TPLXNotifyEvent = std::function<void(TPLXGanttObject *Sender)>;
using TPLXBeforeBarOperationEvent = std::function<void(TPLXGanttBar *Bar, bool &Cancel)>;
using TPLXAfterBarOperationEvent = std::function<void(TPLXGanttBar *Bar)>;
using TPLXGanttBarMoveEvent =
    std::function<void(TPLXGanttBar *Bar, int NewRow, TDateTime NewStartDate, bool &Allowed)>;
using TPLXBarResizeEvent =
    std::function<void(TPLXGanttBar *Bar, double changeX, int changeY, bool Right, bool &Allowed)>;
using TPLXBeforeConnectionOperationEvent = std::function<void(TPLXBarConnection *Connection, bool &Cancel)>;
using TPLXAfterConnectionOperationEvent = std::function<void(TPLXBarConnection *Connection)>;
using TPLXRowOperationEvent = std::function<void(TPLXGanttRow *Row)>;
using TPLXRowExpandCollapseEvent = std::function<void(TPLXSummaryBar *SummaryBar)>;
using TPLXTreeColumnResizeOperation = std::function<void(TPLXTreeHeaderCell *column, int index)>;
using TPLXTreeColumnMoveOperation = std::function<void(TPLXTreeHeaderCell *column, int width)>;
using TPLXDrawCellEvent = std::function<void(int rowIndex, int cellIndex, const TRect &cellRect, TPLXTreeCell *Cell,
                                             TPLXVisualContext *&vc, bool &UserDraw)>;

// The editing component as operations see it: the document it edits, its
// update mode and history, and the events operations raise. The data source
// implements it; operations never need to know more of it.
class ORVANTA_EXPORT TPLXDataSourceIntf
{
public:
    virtual ~TPLXDataSourceIntf();

    // The root of the edited document; null while there is none.
    virtual TPLXDocumentSetup *documentSetup() const = 0;
    virtual TPLXUndoRedoStack &getUndoRedoStack() const = 0;
    virtual bool IsInUpdateMode() const = 0;
    // Whether a row gets its PERT box with its first task.
    virtual bool getAutoCreatePertbars() const = 0;

    // ---- events of the operations; an empty function is skipped
    const TPLXBeforeBarOperationEvent &getOnBeforeBarAdd() const { return FOnBeforeBarAdd; }
    void setOnBeforeBarAdd(TPLXBeforeBarOperationEvent event) { FOnBeforeBarAdd = std::move(event); }
    const TPLXAfterBarOperationEvent &getOnAfterBarAdd() const { return FOnAfterBarAdd; }
    void setOnAfterBarAdd(TPLXAfterBarOperationEvent event) { FOnAfterBarAdd = std::move(event); }
    const TPLXBeforeBarOperationEvent &getOnBeforeBarDelete() const { return FOnBeforeBarDelete; }
    void setOnBeforeBarDelete(TPLXBeforeBarOperationEvent event) { FOnBeforeBarDelete = std::move(event); }
    const TPLXAfterBarOperationEvent &getOnAfterBarDelete() const { return FOnAfterBarDelete; }
    void setOnAfterBarDelete(TPLXAfterBarOperationEvent event) { FOnAfterBarDelete = std::move(event); }
    const TPLXBeforeBarOperationEvent &getOnBeforeBarMove() const { return FOnBeforeBarMove; }
    void setOnBeforeBarMove(TPLXBeforeBarOperationEvent event) { FOnBeforeBarMove = std::move(event); }
    const TPLXAfterBarOperationEvent &getOnAfterBarMove() const { return FOnAfterBarMove; }
    void setOnAfterBarMove(TPLXAfterBarOperationEvent event) { FOnAfterBarMove = std::move(event); }
    const TPLXGanttBarMoveEvent &getOnGanttBarMove() const { return FOnGanttBarMove; }
    void setOnGanttBarMove(TPLXGanttBarMoveEvent event) { FOnGanttBarMove = std::move(event); }
    const TPLXBeforeBarOperationEvent &getOnBeforeBarResize() const { return FOnBeforeBarResize; }
    void setOnBeforeBarResize(TPLXBeforeBarOperationEvent event) { FOnBeforeBarResize = std::move(event); }
    const TPLXAfterBarOperationEvent &getOnAfterBarResize() const { return FOnAfterBarResize; }
    void setOnAfterBarResize(TPLXAfterBarOperationEvent event) { FOnAfterBarResize = std::move(event); }
    const TPLXBarResizeEvent &getOnBarResize() const { return FOnBarResize; }
    void setOnBarResize(TPLXBarResizeEvent event) { FOnBarResize = std::move(event); }
    const TPLXBeforeConnectionOperationEvent &getOnBeforeConnectionAdd() const { return FOnBeforeConnectionAdd; }
    void setOnBeforeConnectionAdd(TPLXBeforeConnectionOperationEvent event)
    {
        FOnBeforeConnectionAdd = std::move(event);
    }
    const TPLXAfterConnectionOperationEvent &getOnAfterConnectionAdd() const { return FOnAfterConnectionAdd; }
    void setOnAfterConnectionAdd(TPLXAfterConnectionOperationEvent event) { FOnAfterConnectionAdd = std::move(event); }
    const TPLXBeforeConnectionOperationEvent &getOnBeforeConnectionDelete() const { return FOnBeforeConnectionDelete; }
    void setOnBeforeConnectionDelete(TPLXBeforeConnectionOperationEvent event)
    {
        FOnBeforeConnectionDelete = std::move(event);
    }
    const TPLXAfterConnectionOperationEvent &getOnAfterConnectionDelete() const { return FOnAfterConnectionDelete; }
    void setOnAfterConnectionDelete(TPLXAfterConnectionOperationEvent event)
    {
        FOnAfterConnectionDelete = std::move(event);
    }
    const TPLXRowExpandCollapseEvent &getOnRowExpand() const { return FOnRowExpand; }
    void setOnRowExpand(TPLXRowExpandCollapseEvent event) { FOnRowExpand = std::move(event); }
    const TPLXRowExpandCollapseEvent &getOnRowCollapse() const { return FOnRowCollapse; }
    void setOnRowCollapse(TPLXRowExpandCollapseEvent event) { FOnRowCollapse = std::move(event); }
    const TPLXRowOperationEvent &getOnRowInsert() const { return FOnRowInsert; }
    void setOnRowInsert(TPLXRowOperationEvent event) { FOnRowInsert = std::move(event); }
    const TPLXRowOperationEvent &getOnRowDelete() const { return FOnRowDelete; }
    void setOnRowDelete(TPLXRowOperationEvent event) { FOnRowDelete = std::move(event); }
    const TPLXTreeColumnResizeOperation &getOnTreeColumnResize() const { return FOnTreeColumnResize; }
    void setOnTreeColumnResize(TPLXTreeColumnResizeOperation event) { FOnTreeColumnResize = std::move(event); }
    // Published for applications; nothing in the library raises it.
    const TPLXTreeColumnMoveOperation &getOnTreeColumnMove() const { return FOnTreeColumnMove; }
    void setOnTreeColumnMove(TPLXTreeColumnMoveOperation event) { FOnTreeColumnMove = std::move(event); }
    const TPLXNotifyEvent &getOnTreeCellButtonClicked() const { return FOnTreeCellButtonClicked; }
    void setOnTreeCellButtonClicked(TPLXNotifyEvent event) { FOnTreeCellButtonClicked = std::move(event); }
    const TPLXDrawCellEvent &getOnDrawCell() const { return FOnDrawCell; }
    void setOnDrawCell(TPLXDrawCellEvent event) { FOnDrawCell = std::move(event); }

private:
    TPLXBeforeBarOperationEvent FOnBeforeBarAdd;
    TPLXAfterBarOperationEvent FOnAfterBarAdd;
    TPLXBeforeBarOperationEvent FOnBeforeBarDelete;
    TPLXAfterBarOperationEvent FOnAfterBarDelete;
    TPLXBeforeBarOperationEvent FOnBeforeBarMove;
    TPLXAfterBarOperationEvent FOnAfterBarMove;
    TPLXGanttBarMoveEvent FOnGanttBarMove;
    TPLXBeforeBarOperationEvent FOnBeforeBarResize;
    TPLXAfterBarOperationEvent FOnAfterBarResize;
    TPLXBarResizeEvent FOnBarResize;
    TPLXBeforeConnectionOperationEvent FOnBeforeConnectionAdd;
    TPLXAfterConnectionOperationEvent FOnAfterConnectionAdd;
    TPLXBeforeConnectionOperationEvent FOnBeforeConnectionDelete;
    TPLXAfterConnectionOperationEvent FOnAfterConnectionDelete;
    TPLXRowExpandCollapseEvent FOnRowExpand;
    TPLXRowExpandCollapseEvent FOnRowCollapse;
    TPLXRowOperationEvent FOnRowInsert;
    TPLXRowOperationEvent FOnRowDelete;
    TPLXTreeColumnResizeOperation FOnTreeColumnResize;
    TPLXTreeColumnMoveOperation FOnTreeColumnMove;
    TPLXNotifyEvent FOnTreeCellButtonClicked;
    TPLXDrawCellEvent FOnDrawCell;
};

// One undoable change. It captures everything it needs when it is
// constructed; constructing it changes nothing.
class ORVANTA_EXPORT TPLXOperation
{
public:
    explicit TPLXOperation(TPLXDataSourceIntf *dataSource = nullptr);
    virtual ~TPLXOperation();
    TPLXOperation(const TPLXOperation &) = delete;
    TPLXOperation &operator=(const TPLXOperation &) = delete;

    // Applies the change; true on success.
    virtual bool perform() = 0;
    // Reverts a performed change; true on success.
    virtual bool undo() = 0;
    // The name the history dump shows; the class name unless overridden.
    virtual QString className() const;
    // What the change is called in an Undo or Redo menu entry: by default the
    // words of the class name ("TPLXBarMoveOperation" is "Bar move").
    virtual QString displayName() const;

    TPLXDataSourceIntf *dataSource() const { return FDataSource; }

protected:
    TPLXDataSourceIntf *FDataSource = nullptr;
};

// Undoes `parts` last to first, stopping at the first that fails.
ORVANTA_EXPORT bool PLXUndoAll(const std::vector<std::unique_ptr<TPLXOperation>> &parts);

// Parts performed in order and undone in reverse, as one operation.
class ORVANTA_EXPORT TPLXMultipleOperations : public TPLXOperation
{
public:
    explicit TPLXMultipleOperations(TPLXDataSourceIntf *dataSource = nullptr);
    ~TPLXMultipleOperations() override;

    // Takes `op` as the last part; a null `op` or a disabled composite takes nothing.
    void addOperation(std::unique_ptr<TPLXOperation> op);
    int count() const { return static_cast<int>(operations.size()); }
    bool empty() const { return operations.empty(); }
    TPLXOperation *operationAt(int index) const;
    // Discards every part; perform fails from then on.
    void Disable();
    bool isDisabled() const { return FDisabled; }

    bool perform() override;
    bool undo() override;
    // A plain group is called after its first part (a move and the repairs it caused is a move).
    QString displayName() const override;

protected:
    std::vector<std::unique_ptr<TPLXOperation>> operations;

private:
    bool FDisabled = false;
};

// The undo and redo history of one document. It owns every operation it
// holds; an operation it drops (cleared history, failed undo or redo) is freed.
class ORVANTA_EXPORT TPLXUndoRedoStack
{
public:
    TPLXUndoRedoStack();
    ~TPLXUndoRedoStack();
    TPLXUndoRedoStack(const TPLXUndoRedoStack &) = delete;
    TPLXUndoRedoStack &operator=(const TPLXUndoRedoStack &) = delete;

    // Performs and records `op`. On success the stack takes it and `op` is
    // left null; on failure (or a null `op`) it stays the caller's.
    bool doOperation(std::unique_ptr<TPLXOperation> &op);
    // As above for an operation the caller does not want back.
    bool doOperation(std::unique_ptr<TPLXOperation> &&op);
    // Records an operation the caller has already applied; false only for null.
    bool addOperation(std::unique_ptr<TPLXOperation> op);
    bool undo();
    bool redo();
    // Collects every following operation into one undo step, closing any open group.
    void startGrouping();
    void endGrouping();
    bool isGrouping() const { return FCachedCommands != nullptr; }
    void clear();

    // Operations on the undo stack plus the parts of the open group.
    int GetUndoOperationCount() const;
    int GetRedoOperationCount() const { return static_cast<int>(redoStack.size()); }
    // The operation the next undo or redo would take; null when there is none.
    TPLXOperation *topUndoOperation() const { return undoStack.empty() ? nullptr : undoStack.back().get(); }
    TPLXOperation *topRedoOperation() const { return redoStack.empty() ? nullptr : redoStack.back().get(); }
    // Writes the class names of the undo stack, most recent first, to the diagnostic log.
    void dumpUndoStack() const;

    const TPLXOperationEvent &getOnUndo() const { return FOnUndo; }
    void setOnUndo(TPLXOperationEvent event) { FOnUndo = std::move(event); }
    const TPLXOperationEvent &getOnRedo() const { return FOnRedo; }
    void setOnRedo(TPLXOperationEvent event) { FOnRedo = std::move(event); }
    const TPLXOperationEvent &getOnChange() const { return FOnChange; }
    void setOnChange(TPLXOperationEvent event) { FOnChange = std::move(event); }

private:
    using OperationStack = std::vector<std::unique_ptr<TPLXOperation>>;

    void record(std::unique_ptr<TPLXOperation> op);
    static void discard(OperationStack &stack);
    static void raise(const TPLXOperationEvent &event, TPLXOperation *op);

    TPLXOperationEvent FOnUndo;
    TPLXOperationEvent FOnRedo;
    TPLXOperationEvent FOnChange;
    std::unique_ptr<TPLXMultipleOperations> FCachedCommands;
    OperationStack undoStack;
    OperationStack redoStack;
};
