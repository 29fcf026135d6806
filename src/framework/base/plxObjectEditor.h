// Editing entities as the model sees it, without widgets: the editor
// interface, the snapshot operation that makes any edit one undo step, the
// registry of editor classes and the owner of an editor's control.
#pragma once

#include "plxOperation.h"

#include <QList>
#include <QPointer>
#include <QVariant>

#include <memory>
#include <vector>

class QMetaObject;
class TPLXControllerIntf;
class TPLXGanttObject;

// Edits one entity, in place or in a dialog. `edit` and `FinishEditing`
// return the operation that records the edit, or null when nothing changes.
class ORVANTA_EXPORT TPLXObjectEditorIntf
{
public:
    virtual ~TPLXObjectEditorIntf();
    virtual std::unique_ptr<TPLXOperation> edit(TPLXGanttObject *object) = 0;
    virtual std::unique_ptr<TPLXOperation> FinishEditing() = 0;
    // True when `edit` already did the whole edit (a dialog, or nothing to do).
    virtual bool IsModal() = 0;
    virtual TPLXControllerIntf *GetController() = 0;
    virtual void SetController(TPLXControllerIntf *controller) = 0;
};

// The values of an entity's published properties, descending into the
// entities its properties hold; restoring writes back only what differs, so
// setters with side effects run only for what changed.
class ORVANTA_EXPORT TPLXPropertySnapshot
{
public:
    explicit TPLXPropertySnapshot(TPLXGanttObject *object);
    void restore() const;
    bool operator==(const TPLXPropertySnapshot &other) const;

private:
    struct Value
    {
        TPLXGanttObject *object;
        int index;
        QVariant value;
    };
    std::vector<Value> FValues;
};

// Any edit of one entity as one undoable step: the state before the edit is
// taken on construction, the state after it by Activate.
class ORVANTA_EXPORT TPLXEditObjectOperation : public TPLXOperation
{
public:
    TPLXEditObjectOperation(TPLXDataSourceIntf *dataSource, TPLXGanttObject *object);
    ~TPLXEditObjectOperation() override;

    // Records the edited state and puts the entity back as it was, so that
    // performing the operation applies the edit.
    void Activate();
    bool perform() override;
    bool undo() override;
    TPLXGanttObject *currentObject() const { return CurrentObject; }
    // Whether the edit changed any property; false before Activate.
    bool changesSomething() const;

private:
    TPLXGanttObject *CurrentObject;
    std::unique_ptr<TPLXPropertySnapshot> OriginalObject;
    std::unique_ptr<TPLXPropertySnapshot> ChangedObject;
};

using TPLXEditorClass = std::unique_ptr<TPLXObjectEditorIntf> (*)();

struct TPLXEditorEntry
{
    const QMetaObject *ClassRef = nullptr;
    TPLXEditorClass EditorClass = nullptr;
};

// Which editor class edits which entity class. Only the exact class counts:
// an editor registered for a base class does not edit its subclasses.
class ORVANTA_EXPORT TPLXEditorsRegistry
{
public:
    // Replaces the editor of an entity class registered before.
    void RegisterEditor(const QMetaObject *entityClass, TPLXEditorClass editorClass);
    void UnregisterEditor(const QMetaObject *entityClass);
    TPLXEditorClass GetEditorClass(const QMetaObject *entityClass) const;
    const TPLXEditorEntry *GetEditorEntry(const QMetaObject *entityClass) const;

private:
    std::vector<std::unique_ptr<TPLXEditorEntry>> Entries;
};

// The registry applications fill; the library registers nothing in it.
ORVANTA_EXPORT TPLXEditorsRegistry &EditorsRegistry();
// The editors entity kinds bring along (the tree cells' in-place editors),
// filled by the layer that builds them; an entity's DefaultEditor looks here.
ORVANTA_EXPORT TPLXEditorsRegistry &DefaultEditorsRegistry();

// Owns an editor's control for a model entity that cannot see widgets. The
// control may also die with its parent widget; then the holder is empty.
class ORVANTA_EXPORT TPLXOwnedControl
{
public:
    TPLXOwnedControl() = default;
    ~TPLXOwnedControl() { reset(nullptr); }
    TPLXOwnedControl(const TPLXOwnedControl &) = delete;
    TPLXOwnedControl &operator=(const TPLXOwnedControl &) = delete;

    QObject *get() const { return FControl.data(); }
    void reset(QObject *control)
    {
        if (FControl != control)
            delete FControl.data();
        FControl = control;
    }

private:
    QPointer<QObject> FControl;
};
