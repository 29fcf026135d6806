// The in-place editors of the tree cells: one per cell kind, each placing its
// kind's control over the cell, loading the value into it and reading it back
// when the edit finishes, as one undoable operation.
#pragma once

#include "plxControllerIntf.h"

class TPLXTreeCell;

// The protocol every cell kind shares. `edit` opens the control over the
// cell (nothing for a read-only column); `FinishEditing` reads it back,
// closes it and returns the edit's operation, null when nothing changed.
class ORVANTA_EXPORT TPLXTreeCellEditor : public TPLXObjectEditor
{
    Q_OBJECT

public:
    TPLXTreeCellEditor();
    ~TPLXTreeCellEditor() override;

    std::unique_ptr<TPLXOperation> edit(TPLXGanttObject *object) override;
    std::unique_ptr<TPLXOperation> FinishEditing() override;
    // True while the cell is not open: an edit that did not open is complete.
    bool IsModal() override;
    TPLXTreeCell *cell() const { return FCell; }
    // The control of the open edit, or null.
    QWidget *control() const;

protected:
    // The kind's control, made once per column and kept by the column type.
    virtual QWidget *createControl() = 0;
    // Cell value to control; false when the control cannot hold the value (the edit does not open).
    virtual bool loadControl(QWidget *control) = 0;
    // Control to cell value; raises EPLXTypeEditorException for input that does not convert.
    virtual void storeControl(QWidget *control) = 0;
    // The widget that takes the keys and the focus.
    virtual QWidget *inputWidget(QWidget *control) const { return control; }
    // Whether Up and Down leave the cell; pickers and combo boxes step their value with them.
    virtual bool arrowsLeave() const { return true; }

private:
    TPLXTreeCell *FCell = nullptr;
    std::unique_ptr<TPLXEditObjectOperation> FOperation;
};
