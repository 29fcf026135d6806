// The chart control and the entity editors as the entity model sees them,
// kept apart so that the model itself does not depend on widgets.
#pragma once

#include "plxGanttObject.h"
#include "plxObjectEditor.h"

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

    // Where an editor's exit key moves the tree's focus, as the x of treeCellExit.
    static constexpr int kExitDown = 0;
    static constexpr int kExitUp = 1;
    static constexpr int kExitNextCell = 2;
    static constexpr int kExitPreviousCell = 3;
};

// Base of the entity editors: the edit-object operation and the keyboard
// protocol of in-place edit controls, which ends an edit through the controller.
class ORVANTA_EXPORT TPLXObjectEditor : public QObject, public TPLXObjectEditorIntf
{
    Q_OBJECT

public:
    TPLXObjectEditor();
    ~TPLXObjectEditor() override;

    // A new edit-object operation of the object's document; the state before the edit is taken now.
    std::unique_ptr<TPLXOperation> edit(TPLXGanttObject *object) override;
    std::unique_ptr<TPLXOperation> FinishEditing() override { return nullptr; }
    bool IsModal() override { return true; }
    TPLXControllerIntf *GetController() override { return FController; }
    void SetController(TPLXControllerIntf *controller) override { FController = controller; }

    // Esc, Enter, Tab and Backtab stop editing; Enter also moves on to the next
    // row, Tab to the next cell and Backtab to the one before.
    virtual void ControlKeyPress(QWidget *sender, int &key);
    // Up and Down stop editing and move up or down; the key goes on to the control.
    void ControlKeyDown(QWidget *sender, int &key, Qt::KeyboardModifiers shift);
    // Losing the focus stops editing while the control shows.
    virtual void ControlExit(QWidget *sender);

protected:
    void notify(mouseEvent event, int x, int y);
    // Routes Esc, Enter and the focus loss of `control` to the protocol above,
    // and Up and Down when `arrows` (controls that step values with them keep them).
    void watchControl(QWidget *control, bool arrows);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TPLXControllerIntf *FController = nullptr;
};

// What an entity without an editor of its own gets: editing it does nothing.
class ORVANTA_EXPORT TPLXDummyEditor : public TPLXObjectEditor
{
    Q_OBJECT

public:
    std::unique_ptr<TPLXOperation> edit(TPLXGanttObject *) override { return nullptr; }
};
