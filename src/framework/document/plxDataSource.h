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
#include <vector>

class TPLXGanttBar;
class TPLXGanttRow;
class TPLXGanttTable;
class TPLXPertBar;
class TPLXSummaryBar;
class TPLXTreeCell;
class TPLXTreeCellType;
class TPLXTreeHeaderCell;
class TPLXVisualContext;

class ORVANTA_EXPORT TPLXDataSource : public QObject, public TPLXDataSourceIntf
{
    Q_OBJECT
    Q_PROPERTY(double LeftScrollLimit READ getLeftScrollLimit WRITE setLeftScrollLimit)
    Q_PROPERTY(double RightScrollLimit READ getRightScrollLimit WRITE setRightScrollLimit)
    Q_PROPERTY(bool UseLeftScrollLimit READ getUseLeftScrollLimit WRITE setUseLeftScrollLimit)
    Q_PROPERTY(bool UseRightScrollLimit READ getUseRightScrollLimit WRITE setUseRightScrollLimit)
    Q_PROPERTY(bool AutoCreatePertbars READ getAutoCreatePertbars WRITE setAutoCreatePertbars)
    Q_PROPERTY(QString storage READ getStorage WRITE setStorage)
    Q_PROPERTY(TPLXGanttObject *root READ rootObject)

public:
    // Installs the German texts and builds the default document.
    explicit TPLXDataSource(QObject *owner = nullptr);
    ~TPLXDataSource() override;

    // ---- storage
    // Builds the document of `name`; falls back to the default document (and
    // the name "") when that yields none. Discards the undo history. A file
    // that cannot be opened (not a regular file, too large, unreadable) raises
    // EPLXFileError and leaves document, name and history as they were. A load
    // cancelled through the factory's progress callback keeps what it built,
    // which may be no document at all, and does not fall back.
    void setStorage(const QString &name);
    QString getStorage() const { return storageName; }
    // The last setStorage stopped because the factory's progress callback said so.
    bool loadWasCancelled() const { return FLoadCancelled; }
    void buildDocument();
    // Saves the document into the store of `name`; the storage name stays.
    // A save that fails shows its reason once, leaves the old file as it was
    // and returns false.
    bool SaveToMedia(const QString &name);
    void clearDocument();
    // Replaces the document with the plan in the XML interchange file
    // `fileName` as one undo step. A refused file shows why and changes nothing.
    bool ImportProjectXml(const QString &fileName);
    // Writes the document as such a plan; the file is replaced whole or not at all.
    bool ExportProjectXml(const QString &fileName);
    // Swaps `document` with the shown one: both halves of an undoable replacement.
    void exchangeDocument(std::unique_ptr<TPLXGanttDocument> &document);
    // Keeps a document that a dropped replacement held until the history is
    // cleared: the steps around that replacement may still refer to it.
    void retireDocument(std::unique_ptr<TPLXGanttDocument> document);

    TPLXGanttDocument *root() const { return FRoot.get(); }
    TPLXDocumentSetup *documentSetup() const override;
    TPLXGanttObject *rootObject() const { return FRoot.get(); }
    IPLXMedia *getMedia() const { return media.get(); }
    TPLXEntityFactory &getFactory() const { return *factory; }
    TPLXUndoRedoStack &getUndoRedoStack() const override { return *FUndoRedoStack; }

    void SetUpdateMode(bool flag) { FUpdateMode = flag; }
    bool IsInUpdateMode() const override { return FUpdateMode; }
    bool getAutoCreatePertbars() const override { return FAutoCreatePertBars; }
    void setAutoCreatePertbars(bool on) { FAutoCreatePertBars = on; }
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
    // Makes the pictures of every milestone transparent or opaque; not an undo step.
    void SetMileStoneTransparency(bool transparent);

    // ---- events read and written on the undo/redo stack
    const TPLXOperationEvent &getOnChange() const;
    void setOnChange(TPLXOperationEvent event);
    const TPLXOperationEvent &getOnUndo() const;
    void setOnUndo(TPLXOperationEvent event);
    const TPLXOperationEvent &getOnRedo() const;
    void setOnRedo(TPLXOperationEvent event);

    // ---- the scroll limits a chart control keeps to
    TDateTime getLeftScrollLimit() const { return FLeftScrollLimit; }
    void setLeftScrollLimit(TDateTime date) { FLeftScrollLimit = date; }
    TDateTime getRightScrollLimit() const { return FRightScrollLimit; }
    void setRightScrollLimit(TDateTime date) { FRightScrollLimit = date; }
    bool getUseLeftScrollLimit() const { return FUseLeftScrollLimit; }
    void setUseLeftScrollLimit(bool on) { FUseLeftScrollLimit = on; }
    bool getUseRightScrollLimit() const { return FUseRightScrollLimit; }
    void setUseRightScrollLimit(bool on) { FUseRightScrollLimit = on; }

signals:
    // Raised with the handlers above, for any number of listeners (the bound controls).
    void changed(TPLXOperation *operation);
    void undone(TPLXOperation *operation);
    void redone(TPLXOperation *operation);
    // A new document replaced the old one (setStorage).
    void documentReplaced();

private:
    bool record(std::unique_ptr<TPLXOperation> op);
    void repaintOwnerForm();

    bool FUpdateMode = false;
    bool FAutoCreatePertBars = true;
    TDateTime FLeftScrollLimit = 0;
    TDateTime FRightScrollLimit = 0;
    bool FUseLeftScrollLimit = false;
    bool FUseRightScrollLimit = false;
    TPLXOperationEvent FOnChange;
    TPLXOperationEvent FOnUndo;
    TPLXOperationEvent FOnRedo;
    std::unique_ptr<TPLXUndoRedoStack> FUndoRedoStack;
    std::unique_ptr<TPLXEntityFactory> factory;
    PLXMedia media;
    std::unique_ptr<TPLXGanttDocument> FRoot;
    std::vector<std::unique_ptr<TPLXGanttDocument>> FRetired;
    QString storageName;
    bool FLoadCancelled = false;
};

// The data source that a control names in a form: the object called `name`
// below `scope` when it is a data source, else the data source that object owns.
// Null when there is none.
ORVANTA_EXPORT TPLXDataSource *PLXFindDataSource(const QObject *scope, const QString &name);
