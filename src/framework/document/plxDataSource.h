// The non-visual data source component: it owns the entity factory, the
// store, the document built from it and the undo/redo history, and it is
// the editing interface through which every change to a chart is made.
#pragma once

#include "plxEntityFactory.h"
#include "plxGanttDocument.h"
#include "plxMedia.h"
#include "plxOperation.h"

#include <QObject>

#include <functional>
#include <memory>

class TPLXGanttBar;
class TPLXGanttRow;
class TPLXGanttTable;
class TPLXPertBar;
class TPLXSummaryBar;
class TPLXTreeCell;
class TPLXTreeCellType;
class TPLXTreeHeaderCell;
class TPLXVisualContext;

// Callback types of the data source's events; `var` arguments are in/out references.
using TPLXNotifyEvent = std::function<void(TPLXGanttObject *Sender)>;
using TPLXBeforeBarOperationEvent = std::function<void(TPLXGanttBar *Bar, bool &Cancel)>;
using TPLXAfterBarOperationEvent = std::function<void(TPLXGanttBar *Bar)>;
using TPLXGanttBarMoveEvent =
    std::function<void(TPLXGanttBar *Bar, int NewRow, TDateTime NewStartDate, bool &Allowed)>;
using TPLXBarResizeEvent = std::function<void(TPLXGanttBar *Bar, double changeX, int changeY, bool Right, bool &Allowed)>;
using TPLXBeforeConnectionOperationEvent = std::function<void(TPLXBarConnection *Connection, bool &Cancel)>;
using TPLXAfterConnectionOperationEvent = std::function<void(TPLXBarConnection *Connection)>;
using TPLXRowOperationEvent = std::function<void(TPLXGanttRow *Row)>;
using TPLXRowExpandCollapseEvent = std::function<void(TPLXSummaryBar *SummaryBar)>;
using TPLXTreeColumnResizeOperation = std::function<void(TPLXTreeHeaderCell *column, int index)>;
using TPLXTreeColumnMoveOperation = std::function<void(TPLXTreeHeaderCell *column, int width)>;
using TPLXDrawCellEvent = std::function<void(int rowIndex, int cellIndex, const TRect &cellRect, TPLXTreeCell *Cell,
                                             TPLXVisualContext *&vc, bool &UserDraw)>;

class ORVANTA_EXPORT TPLXDataSource : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double LeftScrollLimit MEMBER FLeftScrollLimit)
    Q_PROPERTY(double RightScrollLimit MEMBER FRightScrollLimit)
    Q_PROPERTY(bool UseLeftScrollLimit MEMBER FUseLeftScrollLimit)
    Q_PROPERTY(bool UseRightScrollLimit MEMBER FUseRightScrollLimit)
    Q_PROPERTY(bool AutoCreatePertbars MEMBER FAutoCreatePertBars)
    Q_PROPERTY(QString storage READ getStorage WRITE setStorage)
    Q_PROPERTY(TPLXGanttObject *root READ rootObject)

public:
    // Installs the German texts and builds the default document.
    explicit TPLXDataSource(QObject *owner = nullptr);
    ~TPLXDataSource() override;

    // ---- storage
    // Builds the document of `name`; falls back to the default document (and
    // the name "") when that yields none. Discards the undo history.
    void setStorage(const QString &name);
    QString getStorage() const { return storageName; }
    void buildDocument();
    // Saves the document into the store of `name`; the storage name stays.
    // Raises EPLXFileError when the file cannot be written.
    void SaveToMedia(const QString &name);
    void clearDocument();

    TPLXGanttDocument *root() const { return FRoot.get(); }
    TPLXGanttObject *rootObject() const { return FRoot.get(); }
    IPLXMedia *getMedia() const { return media.get(); }
    TPLXEntityFactory &getFactory() const { return *factory; }
    TPLXUndoRedoStack &getUndoRedoStack() const { return *FUndoRedoStack; }

    void SetUpdateMode(bool flag) { FUpdateMode = flag; }
    bool IsInUpdateMode() const { return FUpdateMode; }
    void clearUndoRedoStack();

    TPLXGanttTable *GetTable() const;
    TPLXTreeGrid *GetTree() const;
    TPLXDocumentCalendar *GetCalendar() const;
    TPLXLegend *GetLegend() const;

    // ---- editing commands: each returns whether its operation was performed and recorded
    // A new bar or connection joins the document (which owns it from then on)
    // when its command succeeds; after a failure it is still the caller's.
    bool BarAdd(TPLXGanttBar *bar, int row);
    bool BarDelete(TPLXGanttBar *bar);
    bool BarMove(TPLXGanttBar *bar, TDateTime newStart, int row);
    bool BarResize(TPLXGanttBar *bar, int changeCol, int changeRow, bool right);
    bool BarAssignTime(TPLXGanttBar *bar, TDateTime start, TDateTime end);
    bool ConnectionAdd(TPLXBarConnection *connection);
    bool ConnectionDelete(TPLXBarConnection *connection);
    bool RowClear(int row);
    bool ResolveDistanceViolations(TPLXGanttBar *bar);
    // A PERT box for row `row` at pixel (x, y); a negative x or y takes the first free grid place.
    bool PertBarAdd(int row, int x, int y);
    bool PertBarDelete(TPLXPertBar *pertBar);
    // A new PERT connection becomes the table's when its command succeeds.
    bool PertConnectionAdd(TPLXBarConnection *connection);
    bool PertConnectionDelete(TPLXBarConnection *connection);

    // ---- tree rows and columns (row indexes are the task tree's pre-order numbers)
    // The grid's header cell takes `cellType` when the column is added.
    bool ColumnAdd(int index, TPLXTreeCellType *cellType);
    bool ColumnAppend(TPLXTreeCellType *cellType);
    bool ColumnDelete(int index);
    bool RowAppend();
    bool RowInsert(int row, int parent);
    bool RowChildInsert(int parent);
    bool RowDelete(int row);
    bool BranchDelete(int row);
    bool RowsGroup(int first, int last);
    bool RowsChangeParent(int first, int last, int newParent);
    // Deletes the selected tree rows except the first row, as one undo step.
    void deleteSelected();
    // Empties the chart row by row down to one empty row; each step its own undo entry.
    void Clear();

    // ---- events read and written on the undo/redo stack
    const TPLXOperationEvent &getOnChange() const;
    void setOnChange(TPLXOperationEvent event);
    const TPLXOperationEvent &getOnUndo() const;
    void setOnUndo(TPLXOperationEvent event);
    const TPLXOperationEvent &getOnRedo() const;
    void setOnRedo(TPLXOperationEvent event);

    // ---- events of the operations; an empty function is skipped
    TPLXBeforeBarOperationEvent OnBeforeBarAdd;
    TPLXAfterBarOperationEvent OnAfterBarAdd;
    TPLXBeforeBarOperationEvent OnBeforeBarDelete;
    TPLXAfterBarOperationEvent OnAfterBarDelete;
    TPLXBeforeBarOperationEvent OnBeforeBarMove;
    TPLXAfterBarOperationEvent OnAfterBarMove;
    TPLXGanttBarMoveEvent OnGanttBarMove;
    TPLXBeforeBarOperationEvent OnBeforeBarResize;
    TPLXAfterBarOperationEvent OnAfterBarResize;
    TPLXBarResizeEvent OnBarResize;
    TPLXBeforeConnectionOperationEvent OnBeforeConnectionAdd;
    TPLXAfterConnectionOperationEvent OnAfterConnectionAdd;
    TPLXBeforeConnectionOperationEvent OnBeforeConnectionDelete;
    TPLXAfterConnectionOperationEvent OnAfterConnectionDelete;
    TPLXRowExpandCollapseEvent OnRowExpand;
    TPLXRowExpandCollapseEvent OnRowCollapse;
    TPLXRowOperationEvent OnRowInsert;
    TPLXRowOperationEvent OnRowDelete;
    TPLXTreeColumnResizeOperation onTreeColumnResize;
    // Published for applications; nothing in the library raises it.
    TPLXTreeColumnMoveOperation onTreeColumnMove;
    TPLXNotifyEvent onTreeCellButtonClicked;
    TPLXDrawCellEvent OnDrawCell;

    bool FAutoCreatePertBars = true;
    TDateTime FLeftScrollLimit = 0;
    TDateTime FRightScrollLimit = 0;
    bool FUseLeftScrollLimit = false;
    bool FUseRightScrollLimit = false;

private:
    bool record(std::unique_ptr<TPLXOperation> op);
    void repaintOwnerForm();

    bool FUpdateMode = false;
    std::unique_ptr<TPLXUndoRedoStack> FUndoRedoStack;
    std::unique_ptr<TPLXEntityFactory> factory;
    PLXMedia media;
    std::unique_ptr<TPLXGanttDocument> FRoot;
    QString storageName;
};
