// The generic property editor: a modal form listing an entity's published
// properties by name, one type editor each, recorded as one undo step.
#pragma once

#include "plxControllerIntf.h"
#include "plxTypeEditors.h"

#include <QDialog>

#include <functional>
#include <vector>

// The dialog: a line per property, its name on the left and its editor's
// control on the right. Closing it with OK stores the values in line order;
// a value that does not convert is reported and keeps the dialog open.
class ORVANTA_EXPORT TPLXObjectEditorForm : public QDialog
{
    Q_OBJECT

public:
    // `store` stores every editor and raises for the first one that fails.
    TPLXObjectEditorForm(const std::vector<std::unique_ptr<TPLXTypeEditor>> &editors, std::function<void()> store,
                         QWidget *parent = nullptr);
    // Gives the controls back to their type editors.
    ~TPLXObjectEditorForm() override;
    void done(int result) override;

private:
    std::function<void()> FStore;
    std::vector<QWidget *> FControls;
};

// Edits any entity in the property form. `edit` returns the edit as one
// operation, nested forms' edits included, or null when the form was cancelled.
class ORVANTA_EXPORT TPLXGanttObjectEditor : public TPLXObjectEditor
{
    Q_OBJECT

public:
    std::unique_ptr<TPLXOperation> edit(TPLXGanttObject *object) override;
};
