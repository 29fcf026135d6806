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
    if (key != Qt::Key_Escape && key != Qt::Key_Return && key != Qt::Key_Enter)
        return;
    const bool moveOn = key != Qt::Key_Escape;
    // Taken here, so a memo does not also get the line break.
    key = 0;
    notify(mouseEvent::stopEditing, 0, 0);
    if (moveOn)
        notify(mouseEvent::treeCellExit, 0, 0);
}

void TPLXObjectEditor::ControlKeyDown(QWidget *, int &key, Qt::KeyboardModifiers)
{
    if (key != Qt::Key_Up && key != Qt::Key_Down)
        return;
    notify(mouseEvent::stopEditing, 0, 0);
    notify(mouseEvent::treeCellExit, key == Qt::Key_Up ? 1 : 0, 0);
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
        if (control->property("plxWatchArrows").toBool())
            ControlKeyDown(control, key, keyEvent->modifiers());
        ControlKeyPress(control, key);
        return key == 0;
    }
    return false;
}
