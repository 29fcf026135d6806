#include "plxControllerIntf.h"

#include <QKeyEvent>

TPLXControllerIntf::TPLXControllerIntf(QWidget *parent)
    : QWidget(parent)
{
}

TPLXObjectEditor::TPLXObjectEditor() = default;

TPLXObjectEditor::~TPLXObjectEditor() = default;

std::unique_ptr<TPLXOperation> TPLXObjectEditor::edit(TPLXGanttObject *object)
{
    TPLXDocumentSetup *setup = object->GetDocumentSetup();
    return std::make_unique<TPLXEditObjectOperation>(setup ? setup->getDataSource() : nullptr, object);
}

void TPLXObjectEditor::notify(mouseEvent event, int x, int y)
{
    if (FController)
        FController->Notify(event, x, y);
}

void TPLXObjectEditor::ControlKeyPress(QWidget *, int &key)
{
    int exit = -1;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        exit = TPLXControllerIntf::kExitDown;
        break;
    case Qt::Key_Tab:
        exit = TPLXControllerIntf::kExitNextCell;
        break;
    case Qt::Key_Backtab:
        exit = TPLXControllerIntf::kExitPreviousCell;
        break;
    case Qt::Key_Escape:
        break;
    default:
        return;
    }
    // Taken here, so a memo does not also get the line break or the tab.
    key = 0;
    notify(mouseEvent::stopEditing, 0, 0);
    if (exit >= 0)
        notify(mouseEvent::treeCellExit, exit, 0);
}

void TPLXObjectEditor::ControlKeyDown(QWidget *, int &key, Qt::KeyboardModifiers)
{
    if (key != Qt::Key_Up && key != Qt::Key_Down)
        return;
    notify(mouseEvent::stopEditing, 0, 0);
    notify(mouseEvent::treeCellExit, key == Qt::Key_Up ? TPLXControllerIntf::kExitUp : TPLXControllerIntf::kExitDown,
           0);
}

void TPLXObjectEditor::ControlExit(QWidget *sender)
{
    if (sender->isVisible())
        notify(mouseEvent::stopEditing, 0, 0);
}

void TPLXObjectEditor::watchControl(QWidget *control, bool arrows)
{
    control->setProperty("plxWatchArrows", arrows);
    control->installEventFilter(this);
}

bool TPLXObjectEditor::eventFilter(QObject *watched, QEvent *event)
{
    auto *control = qobject_cast<QWidget *>(watched);
    if (!control)
        return false;
    if (event->type() == QEvent::FocusOut) {
        // A picker's calendar or a combo box's list taking the focus is still the same edit.
        if (static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
            ControlExit(control);
    } else if (event->type() == QEvent::KeyPress) {
        auto *keyEvent = static_cast<QKeyEvent *>(event);
        int key = keyEvent->key();
        if (key == Qt::Key_Tab && (keyEvent->modifiers() & Qt::ShiftModifier))
            key = Qt::Key_Backtab;
        if (control->property("plxWatchArrows").toBool() && (key == Qt::Key_Up || key == Qt::Key_Down)) {
            ControlKeyDown(control, key, keyEvent->modifiers());
            // The edit is over: the key must not reach the chart control as well and move it again.
            return true;
        }
        ControlKeyPress(control, key);
        return key == 0;
    }
    return false;
}
