// The chart control and the entity editors as the entity model sees them,
// kept apart so that the model itself does not depend on widgets.
#pragma once

#include "plxGanttObject.h"

#include <QWidget>

#include <memory>

// Input events that drive the chart control's state machine.
enum class mouseEvent {
    Move,
    leftButtonDownOnObject,
    leftButtonDownOutOfObject,
    leftButtonDownOnObjectHoldingShift,
    leftButtonUp,
    moveIntoObject,
    moveOutOfObject,
    moveInsideObject,
    leftButtonDownOnObjectHoldingCtrl,
    leftButtonDownOnGridHoldingCtrl,
    deletePressed,
    mouseDblClick,
    leftButtonOnGrid,
    stopEditing,
    leftButtonDownOnTreeCell,
    ctrlAPressed,
    ArrowUp,
    ArrowDown,
    ArrowLeft,
    ArrowRight,
    treeCellExit,
};

// A chart control as entities and editors see it.
class ORVANTA_EXPORT TPLXControllerIntf : public QWidget
{
    Q_OBJECT

public:
    explicit TPLXControllerIntf(QWidget *parent = nullptr);
    virtual QWidget *getControl() = 0;
    virtual void Notify(mouseEvent event, int x, int y) = 0;
};

// Edits one entity, in place or in a dialog.
class ORVANTA_EXPORT TPLXObjectEditorIntf
{
public:
    virtual ~TPLXObjectEditorIntf();
    virtual void edit(TPLXGanttObject *object) = 0;
    virtual void FinishEditing() = 0;
    virtual bool IsModal() = 0;
    virtual TPLXControllerIntf *GetController() = 0;
    virtual void SetController(TPLXControllerIntf *controller) = 0;
};

// The editor of entities that have nothing to edit.
class ORVANTA_EXPORT TPLXDummyEditor : public TPLXObjectEditorIntf
{
public:
    void edit(TPLXGanttObject *) override {}
    void FinishEditing() override {}
    bool IsModal() override { return false; }
    TPLXControllerIntf *GetController() override { return FController; }
    void SetController(TPLXControllerIntf *controller) override { FController = controller; }

private:
    TPLXControllerIntf *FController = nullptr;
};

// Which editor class edits which entity class; the nearest registered base wins.
class ORVANTA_EXPORT TPLXEditorRegistry
{
public:
    using Creator = std::unique_ptr<TPLXObjectEditorIntf> (*)();
    static void registerEditor(const QMetaObject *entityClass, Creator creator);
    static Creator find(const QMetaObject *entityClass);
};
