#include "plxController.h"
#include "plxBarConnection.h"
#include "plxDataSource.h"
#include "plxDocumentCalendar.h"
#include "plxGanttBar.h"
#include "plxGanttDocument.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxGanttView.h"
#include "plxHintWindow.h"
#include "plxObjectEditor.h"
#include "plxPertBar.h"
#include "plxPlatform.h"
#include "plxRessourceStrings.h"
#include "plxRowOperation.h"
#include "plxStartReason.h"
#include "plxSummaryBar.h"
#include "plxTaskBar.h"
#include "plxTextBar.h"
#include "plxTextSettings.h"
#include "plxTextualHalo.h"
#include "plxTreeCell.h"
#include "plxTreeGrid.h"
#include "plxTreeNode.h"
#include "plxTreeRow.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopeGuard>

#include <cstdlib>
#include <exception>
#include <utility>

namespace {

int index(mouseState state)
{
    return static_cast<int>(state);
}

int index(mouseEvent event)
{
    return static_cast<int>(event);
}

// The tree row a Ctrl+click selects: the row of a bar or of a tree cell.
int rowOf(TPLXGanttObject *object)
{
    if (auto *bar = dynamic_cast<TPLXGanttBar *>(object); bar && bar->getParentRow())
        return bar->getRow();
    if (auto *cell = dynamic_cast<TPLXTreeCell *>(object); cell && cell->treeRow())
        return cell->treeRow()->getIndex();
    return -1;
}

// A gesture and the distance repair it caused: redone and undone with one
// refresh of the critical path at the end, and named after the gesture.
class TGestureStep : public TPLXHeldOperations
{
public:
    explicit TGestureStep(TPLXDataSourceIntf *dataSource)
        : TPLXHeldOperations(dataSource, false)
    {
    }
    QString displayName() const override
    {
        return operations.empty() ? TPLXHeldOperations::displayName() : operations.front()->displayName();
    }
};

} // namespace

QString PLXRowName(TPLXGanttRow *row)
{
    if (!row)
        return QString();
    const int index = row->getOrder();
    TPLXGanttObject *top = row;
    while (top->getParent())
        top = top->getParent();
    auto *document = dynamic_cast<TPLXDocumentSetup *>(top);
    TPLXTreeGrid *tree = document ? document->GetTree() : nullptr;
    // Computed columns (numbers, dates) do not name a task.
    if (TPLXTreeRow *treeRow = tree && index >= 0 && index < tree->rowsCount() ? tree->getRow(index) : nullptr)
        for (int c = 0; c < treeRow->cellsCount(); ++c)
            if (TPLXTreeCell *cell = treeRow->getCell(c);
                cell && !dynamic_cast<TPLXTreeAutoCell *>(cell) && !cell->GetText().isEmpty())
                return cell->GetText();
    return PLXText(QStringLiteral("why_row")).arg(index + 1);
}

QString PLXBarName(TPLXGanttBar *bar)
{
    return bar ? PLXRowName(bar->getParentRow()) : QString();
}

TPLXController::TPLXController(QWidget *parent)
    : TPLXControllerIntf(parent)
{
    setMouseTracking(true);
    setCreatedType<TPLXTaskBar>();
    initFSA();
}

void TPLXController::setCreatedType(TPLXBarMaker make)
{
    if (!make)
        return;
    FCreatedType = std::move(make);
    createdPrototype = FCreatedType(0, 0, 0);
}

TPLXController::~TPLXController() = default;

void TPLXController::setDataSourceName(const QString &name)
{
    FDataSourceName = name;
    bindNamedDataSource();
}

void TPLXController::bindNamedDataSource()
{
    // A form builds its widgets one by one: the named data source may come later, so showing tries again.
    if (TPLXDataSource *source = PLXFindDataSource(window(), FDataSourceName); source && source != getDataSource())
        setDataSource(source);
}

void TPLXController::showEvent(QShowEvent *event)
{
    TPLXControllerIntf::showEvent(event);
    bindNamedDataSource();
}

void TPLXController::set(mouseState state, mouseEvent event, mouseHandler handler)
{
    FSA[index(state)][index(event)] = handler;
}

void TPLXController::initFSA()
{
    using S = mouseState;
    using E = mouseEvent;
    for (int s = 0; s < kStateCount; ++s)
        FSA[s].fill(s == index(S::ignoringSymbol) ? &TPLXController::setSimplyMoving : &TPLXController::noAction);
    // Virtual slots dispatch to the control's own overrides through these pointers.
    set(S::simplyMoving, E::leftButtonDownOnObject, &TPLXController::startDragging);
    set(S::simplyMoving, E::leftButtonDownOnObjectHoldingCtrl, &TPLXController::startResizing);
    set(S::simplyMoving, E::leftButtonDownOnObjectHoldingShift, &TPLXController::startMakingConnection);
    set(S::simplyMoving, E::leftButtonDownOnGridHoldingCtrl, &TPLXController::startNewOutline);
    set(S::simplyMoving, E::leftButtonOnGrid, &TPLXController::startTrackingMouse);
    set(S::simplyMoving, E::moveIntoObject, &TPLXController::startHighLighting);
    set(S::simplyMoving, E::moveOutOfObject, &TPLXController::stopHighLighting);
    set(S::simplyMoving, E::moveInsideObject, &TPLXController::setResizingCursor);
    set(S::simplyMoving, E::deletePressed, &TPLXController::deletePointed);
    set(S::simplyMoving, E::ctrlAPressed, &TPLXController::selectAll);
    set(S::simplyMoving, E::mouseDblClick, &TPLXController::invokeEditor);
    set(S::simplyMoving, E::leftButtonDownOnTreeCell, &TPLXController::invokeEditor);
    set(S::simplyMoving, E::ArrowUp, &TPLXController::MoveFocusedRow);
    set(S::simplyMoving, E::ArrowDown, &TPLXController::MoveFocusedRow);
    set(S::simplyMoving, E::ArrowLeft, &TPLXController::MoveFocusedCell);
    set(S::simplyMoving, E::ArrowRight, &TPLXController::MoveFocusedCell);
    set(S::simplyMoving, E::treeCellExit, &TPLXController::CycleToNextTreeCell);
    set(S::editingObject, E::leftButtonDownOutOfObject, &TPLXController::FinishEditing);
    set(S::editingObject, E::leftButtonOnGrid, &TPLXController::FinishEditing);
    set(S::editingObject, E::stopEditing, &TPLXController::FinishEditing);
    set(S::editingObject, E::treeCellExit, &TPLXController::CycleToNextTreeCell);
    set(S::draggingObject, E::Move, &TPLXController::drag);
    set(S::draggingObject, E::moveInsideObject, &TPLXController::drag);
    set(S::draggingObject, E::leftButtonUp, &TPLXController::stopDragging);
    set(S::resizingObject, E::Move, &TPLXController::doResizing);
    set(S::resizingObject, E::moveInsideObject, &TPLXController::doResizing);
    set(S::resizingObject, E::leftButtonUp, &TPLXController::endResizing);
    set(S::makingConnection, E::Move, &TPLXController::moveConnectionTarget);
    set(S::makingConnection, E::moveIntoObject, &TPLXController::linkToObject);
    set(S::makingConnection, E::moveInsideObject, &TPLXController::linkToObject);
    set(S::makingConnection, E::moveOutOfObject, &TPLXController::disconnectLink);
    set(S::makingConnection, E::leftButtonUp, &TPLXController::endMakingConnection);
    set(S::creatingObject, E::Move, &TPLXController::resizeNewOutline);
    set(S::creatingObject, E::moveInsideObject, &TPLXController::resizeNewOutline);
    set(S::creatingObject, E::leftButtonUp, &TPLXController::insertNewObject);
    set(S::trackingMouse, E::Move, &TPLXController::trackMouse);
    set(S::trackingMouse, E::moveInsideObject, &TPLXController::trackMouse);
    set(S::trackingMouse, E::leftButtonUp, &TPLXController::endTrackingMouse);
}

void TPLXController::Notify(mouseEvent event, int x, int y)
{
    nextState(event, x, y, 0);
}

void TPLXController::nextState(mouseEvent event, int x, int y, int keyState)
{
    // Repaints and scroll bar callbacks inside a handler must not start another one.
    if (ExecutingAction)
        return;
    ExecutingAction = true;
    const mouseHandler handler = FSA[index(currentState)][index(event)];
    try {
        (this->*handler)(x, y, keyState);
    } catch (const std::exception &e) {
        PLXLog(QStringLiteral("An exception occured: ") + QString::fromUtf8(e.what()));
        leaveGesture();
    } catch (...) {
        PLXLog(QStringLiteral("An exception occured: unknown exception"));
        leaveGesture();
    }
    ExecutingAction = false;
}

void TPLXController::leaveGesture()
{
    if (TPLXView *view = getView())
        view->hideOutline();
    returnFakeBar();
    dragged = nullptr;
    pointedObject = nullptr;
    currentState = mouseState::simplyMoving;
    unsetCursor();
}

void TPLXController::forgetObjects(bool documentGone)
{
    if (documentGone) {
        // The row that held the placeholder freed it, and the document its connection.
        (void)fakeBar.release();
        newConnection = nullptr;
    }
    leaveGesture();
    pointedObjectRect = {-1, -1, -1, -1};
    // An open editor edits the old document: it is dropped, not committed.
    if (activeEditor)
        retiredEditor = std::move(activeEditor);
    editedObject = nullptr;
}

bool TPLXController::bound()
{
    TPLXDataSource *ds = getDataSource();
    return getView() && ds && ds->root();
}

int TPLXController::treeWidth()
{
    return getDataSource()->root()->getTreeWidth();
}

TPLXGanttObject *TPLXController::objectAt(int x, int y)
{
    TPLXDrawer *drawer = getDataSource()->root()->getDrawer(viewType());
    TPLXGanttObject *object = drawer ? drawer->locateObject(x, y) : nullptr;
    // What the tree pane covers is not pointed at.
    if (dynamic_cast<TPLXGanttBar *>(object) && x < treeWidth())
        return nullptr;
    return object;
}

void TPLXController::handleOperation(std::unique_ptr<TPLXOperation> op)
{
    if (TPLXDataSource *ds = getDataSource(); ds && op)
        ds->getUndoRedoStack().doOperation(std::move(op));
}

// ---- input translation

void TPLXController::mousePressEvent(QMouseEvent *event)
{
    TPLXControllerIntf::mousePressEvent(event);
    if (!bound())
        return;
    if (isVisible() && isEnabled())
        setFocus(Qt::MouseFocusReason);
    const int x = event->position().toPoint().x();
    const int y = event->position().toPoint().y();
    // A press with no move before it (touch, synthetic input) still knows what it is on.
    pointerMoved(x, y);
    const Qt::KeyboardModifiers mods = event->modifiers();
    const int keyState = (mods & Qt::ControlModifier ? kCtrl : 0) | (mods & Qt::ShiftModifier ? kShift : 0);
    dragged = getView()->locateDraggingObject(x, y);
    if (!dragged)
        emit emptySpaceMouseDown(x, y);
    else if (auto *bar = dynamic_cast<TPLXGanttBar *>(dragged))
        emit barMouseDown(bar, x, y);
    else if (auto *connection = dynamic_cast<TPLXBarConnection *>(dragged))
        emit connectionMouseDown(connection, x, y);
    else if (dynamic_cast<TPLXTreeCell *>(dragged))
        emit treeCellMouseDown(dragged, x, y);
    if (event->buttons() & Qt::RightButton)
        return;
    TPLXTreeGrid *tree = getDataSource()->GetTree();
    if ((keyState & kCtrl) && pointedObject && !dynamic_cast<TPLXPertBar *>(pointedObject) &&
        !dynamic_cast<TPLXRowSelector *>(pointedObject) && !dynamic_cast<TPLXHeaderHalo *>(pointedObject)) {
        if (tree) {
            tree->unFocus();
            if (const int row = rowOf(pointedObject); row >= 0)
                tree->select(row, true);
        }
        Paint();
        return;
    }
    if (!(keyState & kCtrl) && tree) {
        TPLXTreeRow *before = tree->getFocusedRow();
        tree->focusAt(x, y);
        if (tree->getFocusedRow()) {
            emit rowFocus(before);
            Paint();
        }
    }
    if (editedObject && editedObject != pointedObject)
        nextState(mouseEvent::leftButtonDownOutOfObject, x, y, keyState);
    if (dynamic_cast<TPLXTreeCell *>(pointedObject))
        nextState(mouseEvent::leftButtonDownOnTreeCell, x, y, keyState);
    if (!dragged)
        nextState(keyState & kCtrl ? mouseEvent::leftButtonDownOnGridHoldingCtrl : mouseEvent::leftButtonOnGrid, x, y,
                  keyState);
    else if (keyState & kShift)
        nextState(mouseEvent::leftButtonDownOnObjectHoldingShift, x, y, keyState);
    else if (keyState & kCtrl)
        nextState(mouseEvent::leftButtonDownOnObjectHoldingCtrl, x, y, keyState);
    else
        nextState(mouseEvent::leftButtonDownOnObject, x, y, keyState);
}

void TPLXController::pointerMoved(int x, int y)
{
    TPLXGanttObject *object = objectAt(x, y);
    if (auto *bar = dynamic_cast<TPLXGanttBar *>(object))
        emit barMouseMove(bar, x, y);
    else if (auto *connection = dynamic_cast<TPLXBarConnection *>(object))
        emit connectionMouseMove(connection, x, y);
    if (object == pointedObject) {
        nextState(object ? mouseEvent::moveInsideObject : mouseEvent::Move, x, y, 0);
        return;
    }
    if (pointedObject)
        nextState(mouseEvent::moveOutOfObject, x, y, 0);
    pointedObject = object;
    if (object)
        nextState(mouseEvent::moveIntoObject, x, y, 0);
}

void TPLXController::mouseMoveEvent(QMouseEvent *event)
{
    TPLXControllerIntf::mouseMoveEvent(event);
    if (bound()) {
        pointerMoved(event->position().toPoint().x(), event->position().toPoint().y());
        explainStart(event->position().toPoint().x(), event->position().toPoint().y(),
                     event->modifiers() & Qt::ShiftModifier);
    }
}

void TPLXController::mouseReleaseEvent(QMouseEvent *event)
{
    TPLXControllerIntf::mouseReleaseEvent(event);
    if (!bound())
        return;
    const int x = event->position().toPoint().x();
    const int y = event->position().toPoint().y();
    if (auto *bar = dynamic_cast<TPLXGanttBar *>(dragged))
        emit barMouseUp(bar, x, y);
    else if (auto *connection = dynamic_cast<TPLXBarConnection *>(dragged))
        emit connectionMouseUp(connection, x, y);
    TPLXGanttObject *clicked = pointedObject;
    nextState(mouseEvent::leftButtonUp, x, y, event->modifiers() & Qt::ControlModifier ? 1 : 0);
    // A click is what the button went down and came up on.
    if (clicked && clicked == pointedObject) {
        if (auto *bar = dynamic_cast<TPLXGanttBar *>(clicked))
            emit barClick(bar);
        else if (auto *connection = dynamic_cast<TPLXBarConnection *>(clicked))
            emit connectionClick(connection);
    }
}

void TPLXController::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Not the framework's handling: that would count the second press as a new gesture.
    if (!bound())
        return;
    if (auto *bar = dynamic_cast<TPLXGanttBar *>(pointedObject))
        emit barDblClick(bar);
    else if (auto *connection = dynamic_cast<TPLXBarConnection *>(pointedObject))
        emit connectionDblClick(connection);
    event->accept();
    // The second press began a drag that has not moved: it was half of the double click.
    if ((currentState == mouseState::draggingObject || currentState == mouseState::resizingObject) &&
        lastDraggingPos == firstDraggingPos && !ExecutingAction) {
        getView()->hideOutline();
        currentState = mouseState::simplyMoving;
    }
    nextState(mouseEvent::mouseDblClick, 0, 0, 0);
}

void TPLXController::keyPressEvent(QKeyEvent *event)
{
    TPLXControllerIntf::keyPressEvent(event);
    if (!bound())
        return;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if ((event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) && (event->modifiers() & Qt::AltModifier)) {
        nudgeFocusedBar(event->key() == Qt::Key_Right ? 1 : -1, shift);
        event->accept();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        nextState(mouseEvent::treeCellExit, event->key() == Qt::Key_Tab && !shift ? kExitNextCell : kExitPreviousCell,
                  0, 0);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Not in the middle of a gesture: an editor opened then would strand its outline or new connection.
        if (!ExecutingAction && currentState == mouseState::simplyMoving)
            editFocusedCells();
        break;
    case Qt::Key_Up:
        nextState(mouseEvent::ArrowUp, 0, 0, shift ? kKeyShiftUp : kKeyUp);
        break;
    case Qt::Key_PageUp:
        nextState(mouseEvent::ArrowUp, 0, 0, kKeyPageUp);
        break;
    case Qt::Key_Down:
        nextState(mouseEvent::ArrowDown, 0, 0, shift ? kKeyShiftDown : kKeyDown);
        break;
    case Qt::Key_PageDown:
        nextState(mouseEvent::ArrowDown, 0, 0, kKeyPageDown);
        break;
    case Qt::Key_Left:
        nextState(mouseEvent::ArrowLeft, 0, 0, kKeyLeft);
        break;
    case Qt::Key_Right:
        nextState(mouseEvent::ArrowLeft, 0, 0, kKeyRight);
        break;
    case Qt::Key_Home:
        nextState(mouseEvent::ArrowLeft, 0, 0, kKeyHome);
        break;
    case Qt::Key_End:
        nextState(mouseEvent::ArrowLeft, 0, 0, kKeyEnd);
        break;
    case Qt::Key_Delete:
        nextState(mouseEvent::deletePressed, 0, 0, 0);
        break;
    case Qt::Key_Escape:
        nextState(mouseEvent::stopEditing, 0, 0, 0);
        break;
    case Qt::Key_A:
        if (!ctrl)
            return;
        nextState(mouseEvent::ctrlAPressed, 0, 0, 0);
        break;
    case Qt::Key_Z:
    case Qt::Key_Y:
        if (!ctrl)
            return;
        undoRedo(event->key() == Qt::Key_Z);
        break;
    case Qt::Key_B:
        if (!ctrl)
            return;
        toggleFirstCategory();
        break;
    default:
        return;
    }
    event->accept();
}

bool TPLXController::focusNextPrevChild(bool next)
{
    TPLXTreeGrid *tree = bound() ? getDataSource()->GetTree() : nullptr;
    TPLXTreeRow *row = tree && tree->getCellFocusing() ? tree->getFocusedRow() : nullptr;
    if (row && focusedColumn(tree, row->getIndex()) >= 0)
        return false;
    return TPLXControllerIntf::focusNextPrevChild(next);
}

void TPLXController::undoRedo(bool undo)
{
    if (ExecutingAction || currentState != mouseState::simplyMoving)
        return;
    TPLXUndoRedoStack &stack = getDataSource()->getUndoRedoStack();
    if (undo)
        stack.undo();
    else
        stack.redo();
    Paint();
}

void TPLXController::objectsMayHaveGone()
{
    if (hintWindow)
        hintWindow->hide();
    pointedObject = nullptr;
    pointedObjectRect = {-1, -1, -1, -1};
    if (currentState == mouseState::simplyMoving)
        dragged = nullptr;
}

void TPLXController::nudgeFocusedBar(int periods, bool resize)
{
    if (ExecutingAction || currentState != mouseState::simplyMoving)
        return;
    TPLXDataSource *ds = getDataSource();
    TPLXGanttBar *bar = ds->GetTable()->getFocusedBar();
    TPLXDocumentCalendar *calendar = ds->root()->getCalendar();
    if (!bar || !bar->getParentRow() || !calendar)
        return;
    if (resize) {
        TPLXUndoRedoStack &stack = ds->getUndoRedoStack();
        stack.startGrouping();
        const std::unique_ptr<TPLXUndoRedoStack, void (*)(TPLXUndoRedoStack *)> closeGroup(
            &stack, [](TPLXUndoRedoStack *open) { open->endGrouping(); });
        std::unique_ptr<TPLXOperation> op = std::make_unique<TPLXBarResizeOperation>(ds, bar, periods, 0, true);
        if (stack.doOperation(op))
            if (std::unique_ptr<TPLXMultipleOperations> repair = ds->root()->resolveDistanceViolations(bar);
                repair && !repair->empty())
                stack.addOperation(std::move(repair));
    } else if (std::unique_ptr<TPLXOperation> op =
                   bar->moveTo(calendar->Add(bar->getStartDate(), periods), bar->getRow())) {
        performWithRepair(std::move(op), bar);
    }
    Paint();
}

void TPLXController::toggleFirstCategory()
{
    if (ExecutingAction)
        return;
    TPLXDataSource *ds = getDataSource();
    TPLXDocumentCalendar *calendar = ds->root()->getCalendar();
    IPLXDateCategory *category = calendar ? calendar->getDateCategory(0) : nullptr;
    if (!category)
        return;
    category->setWorking(!category->getWorking());
    ds->GetTable()->RecalculateEffective();
    Paint();
}

// ---- dragging

void TPLXController::startDragging(int x, int y, int keyState)
{
    stopHighLighting(x, y, keyState);
    const bool resize = resizesWithMouse() && dynamic_cast<TPLXGanttBar *>(pointedObject) && atResizeEdge(x);
    if (resize)
        resizingSideRight = pointedObjectRect.Right - x < kResizeEdge;
    firstDraggingPos = lastDraggingPos = {x, y};
    TPLXView *view = getView();
    view->showOutline(dragged);
    firstOutline = view->getOutline();
    currentState = resize ? mouseState::resizingObject : mouseState::draggingObject;
    if (auto *halo = dynamic_cast<TPLXHaloEntity *>(dragged); halo && halo->changeCursorDragging())
        setCursor(halo->cursorDragging());
    // A placeholder is no bar of the plan: it takes no focus and is not announced.
    if (auto *bar = dynamic_cast<TPLXGanttBar *>(dragged); bar && bar != fakeBar.get()) {
        getDataSource()->GetTable()->setFocusedBar(bar);
        emit dragBar(bar);
    }
}

bool TPLXController::atResizeEdge(int x)
{
    return pointedObjectRect.Right - x < kResizeEdge || x - pointedObjectRect.Left < kResizeEdge;
}

void TPLXController::drag(int x, int y, int)
{
    if (dynamic_cast<TPLXHeaderHalo *>(dragged))
        return;
    // Resizers and selectors of the tree stay in the tree; everything else may scroll the chart.
    auto *halo = dynamic_cast<TPLXHaloEntity *>(dragged);
    if (!halo || dynamic_cast<TPLXNodeExpander *>(halo))
        scrollWithOutline();
    auto *bar = dynamic_cast<TPLXGanttBar *>(dragged);
    const int dy = bar && !bar->canMoveVertically() ? 0 : y - lastDraggingPos.y();
    getView()->moveOutline(x - lastDraggingPos.x(), dy, true);
    lastDraggingPos = {x, y};
}

void TPLXController::stopDragging(int x, int y, int keyState)
{
    TPLXDataSource *ds = getDataSource();
    TPLXView *view = getView();
    if (TPLXTreeGrid *tree = ds->GetTree())
        tree->focusAt(x, y);
    const bool moved = lastDraggingPos != firstDraggingPos;
    if (auto *halo = dynamic_cast<TPLXHaloEntity *>(dragged)) {
        if (halo->processMouseClick() && !moved) {
            // A header halo reacts to Ctrl+click only; a plain click on it sorts through the tree.
            if (!dynamic_cast<TPLXHeaderHalo *>(halo) || keyState == 1)
                handleOperation(halo->handleClick(x, y, keyState));
        } else {
            const bool wasSplitter = halo->IsTreeGridResizer();
            handleOperation(halo->handleMove(lastDraggingPos.x() - firstDraggingPos.x(),
                                             lastDraggingPos.y() - firstDraggingPos.y(), keyState, x, y));
            if (wasSplitter)
                emit splitterMove(halo);
        }
        leaveGesture();
        Paint();
        return;
    }
    currentState = mouseState::simplyMoving;
    if (!moved) {
        // A plain click: nothing moves and nothing is recorded.
        view->hideOutline();
        return;
    }
    auto *bar = dynamic_cast<TPLXGanttBar *>(dragged);
    const int oldRow = bar ? bar->getRow() : -1;
    std::unique_ptr<TPLXOperation> op = view->hideOutlineAndMove();
    const auto alignRows = [view, ds, bar, oldRow] {
        auto *gantt = dynamic_cast<TPLXGanttView *>(view);
        if (ds->GetTable()->getSnapBarsTogether() && gantt && bar) {
            if (oldRow != -1)
                gantt->LeftAlignAllBars(oldRow);
            gantt->LeftAlignAllBars(bar->getRow());
        }
    };
    // A move its before-event refuses changes nothing and records nothing.
    if (op && bar && !bar->isSummaryBar()) {
        performWithRepair(std::move(op), bar, alignRows);
    } else if (op && op->perform()) {
        alignRows();
        ds->getUndoRedoStack().addOperation(std::move(op));
    }
    Paint();
}

bool TPLXController::performWithRepair(std::unique_ptr<TPLXOperation> op, TPLXGanttBar *bar,
                                       const std::function<void()> &afterPerform)
{
    TPLXDataSource *ds = getDataSource();
    auto step = std::make_unique<TGestureStep>(ds);
    {
        // Released before the step is recorded: the stack's listeners see the refreshed critical path.
        TPLXRefreshHold hold(ds->GetTable(), false);
        if (!op->perform())
            return false;
        if (afterPerform)
            afterPerform();
        step->addOperation(std::move(op));
        if (std::unique_ptr<TPLXMultipleOperations> repair = ds->root()->resolveDistanceViolations(bar);
            repair && !repair->empty())
            step->addOperation(std::move(repair));
    }
    ds->getUndoRedoStack().addOperation(std::move(step));
    return true;
}

void TPLXController::scrollWithOutline()
{
    TPLXDataSource *ds = getDataSource();
    const int w = std::max(1, ds->GetTable()->GetColumnWidth());
    const int tree = treeWidth();
    const TRect outline = getView()->getOutline();
    const bool rightSide = resizingSideRight && currentState != mouseState::draggingObject;
    int shift = 0;
    if (chartRight() - lastDraggingPos.x() < w && (rightSide || outline.Right >= chartRight()))
        shift = 1;
    else if (lastDraggingPos.x() - tree < w && (!rightSide || outline.Left <= tree))
        shift = -1;
    if (!shift)
        return;
    // The gesture's start moves with the chart, so totals stay in chart coordinates.
    firstDraggingPos.rx() -= shift * w;
    lastDraggingPos.rx() -= shift * w;
    firstOutline.Left -= shift * w;
    firstOutline.Right -= shift * w;
    getView()->scroll(shift);
}

// ---- resizing

void TPLXController::setResizingCursor(int x, int, int)
{
    auto *bar = dynamic_cast<TPLXGanttBar *>(pointedObject);
    if (!bar)
        return;
    resizingSideRight = pointedObjectRect.Right - x < kResizeEdge;
    if (!atResizeEdge(x))
        setCursor(Qt::SizeAllCursor);
    else if (bar->canResizeVertically())
        setCursor(Qt::SizeFDiagCursor);
    else if (!bar->isSummaryBar())
        setCursor(Qt::SizeHorCursor);
}

void TPLXController::startResizing(int x, int y, int keyState)
{
    startDragging(x, y, keyState);
    if (dynamic_cast<TPLXGanttBar *>(dragged))
        currentState = mouseState::resizingObject;
}

void TPLXController::doResizing(int x, int y, int)
{
    scrollWithOutline();
    auto *bar = dynamic_cast<TPLXGanttBar *>(dragged);
    const int dy = bar && bar->canResizeVertically() ? y - firstDraggingPos.y() : 0;
    getView()->setOutline(x - firstDraggingPos.x(), dy, resizingSideRight);
    lastDraggingPos = {x, y};
}

void TPLXController::endResizing(int, int, int)
{
    TPLXDataSource *ds = getDataSource();
    TPLXView *view = getView();
    auto *bar = dynamic_cast<TPLXGanttBar *>(dragged);
    if (bar && view->acceptOutline()) {
        const TRect o = view->getOutline();
        const int x1 = resizingSideRight ? o.Right : o.Left;
        const int x0 = resizingSideRight ? firstOutline.Right : firstOutline.Left;
        TPLXColRow c1 = view->getColRow(x1, o.Bottom);
        TPLXColRow c0 = view->getColRow(x0, firstOutline.Bottom);
        auto *gantt = dynamic_cast<TPLXGanttView *>(view);
        // A bar in the last row grows below the table.
        if (resizingSideRight && gantt && (c1.isEmpty() || c0.isEmpty())) {
            c1 = gantt->getColRowExtended(x1, o.Bottom);
            c0 = gantt->getColRowExtended(x0, firstOutline.Bottom);
        }
        TPLXUndoRedoStack &stack = ds->getUndoRedoStack();
        // The resize and the distance repair it triggers are one step; the group
        // closes even when a handler of the resize throws.
        stack.startGrouping();
        const std::unique_ptr<TPLXUndoRedoStack, void (*)(TPLXUndoRedoStack *)> closeGroup(
            &stack, [](TPLXUndoRedoStack *open) { open->endGrouping(); });
        std::unique_ptr<TPLXOperation> op =
            std::make_unique<TPLXBarResizeOperation>(ds, bar, c1.x - c0.x, o.Bottom - firstOutline.Bottom,
                                                     resizingSideRight);
        if (stack.doOperation(op))
            if (std::unique_ptr<TPLXMultipleOperations> repair = ds->root()->resolveDistanceViolations(bar);
                repair && !repair->empty())
                stack.addOperation(std::move(repair));
    }
    view->hideOutline();
    Paint();
    currentState = mouseState::simplyMoving;
}

// ---- drawing a connection

bool TPLXController::overChart(int x, int y)
{
    return x >= treeWidth() && x < chartRight() && y >= 0 && y < chartBottom();
}

bool TPLXController::lendFakeBar(TDateTime start, TDateTime end, int row)
{
    returnFakeBar();
    TPLXGanttTable *table = getDataSource()->GetTable();
    if (!table || row < 0 || row >= table->countRows())
        return false;
    // A new placeholder for every gesture: it remembers the document it was first placed in.
    fakeBar = createdPrototype->createFake();
    // Placeholder marks, so that the kind being drawn out may lie over bars of the other kind.
    if (createdPrototype->isProgressBar())
        fakeBar->setPLXTag(80);
    else if (createdPrototype->asTaskBar())
        fakeBar->setPLXTag(84);
    fakeBar->setParent(table->getRow(row));
    fakeBar->setPeriod(start, end);
    return true;
}

void TPLXController::placeFakeBar(TDateTime start, int row)
{
    TPLXGanttTable *table = getDataSource()->GetTable();
    if (!fakeBar || row < 0 || row >= table->countRows())
        return;
    const TDateTime length = fakeBar->getEndDate() - fakeBar->getStartDate();
    fakeBar->setParent(table->getRow(row));
    fakeBar->setPeriod(start, start + length);
}

bool TPLXController::placeFakeBarAt(int x, int y)
{
    const TPLXColRow c = getView()->getColRow(x, y);
    TPLXGanttDocument *doc = getDataSource()->root();
    if (c.isEmpty() || !doc->getCalendar())
        return false;
    placeFakeBar(doc->getCalendar()->RealAdd(doc->getStartDate(), c.x), c.y);
    return true;
}

void TPLXController::returnFakeBar()
{
    TPLXDataSource *ds = getDataSource();
    TPLXGanttDocument *doc = ds ? ds->root() : nullptr;
    if (newConnection) {
        newConnection->getDrawer(vtGanttGraph)->setHighlighted(false);
        if (doc)
            doc->removeConnection(newConnection);
        // Unlisted, it is nobody's but this gesture's.
        const std::unique_ptr<TPLXBarConnection> unlisted(std::exchange(newConnection, nullptr));
    }
    if (fakeBar) {
        fakeBar->setParent(nullptr);
        fakeBar.reset();
    }
}

void TPLXController::startMakingConnection(int x, int y, int keyState)
{
    auto *bar = dynamic_cast<TPLXGanttBar *>(pointedObject);
    if (bar && bar->acceptConnections() && bar->getParentRow()) {
        unsetCursor();
        if (!lendFakeBar(bar->getStartDate(), bar->getStartDate() + 1.0, bar->getRow()))
            return;
        TPLXGanttDocument *doc = getDataSource()->root();
        auto connection =
            std::make_unique<TPLXBarConnection>(bar, fakeBar.get(), TPLXBarConnection::ctFinishFinish, doc);
        connection->setOriginType(bar->ganttDrawer()->closerToStart(x, y));
        // Listed (the document owns it then), so that it is drawn while the mouse moves, but not
        // added through an operation: the data source's handlers only hear of the connection made.
        doc->addConnection(connection.get());
        newConnection = connection.release();
        newConnection->getDrawer(vtGanttGraph)->setHighlighted(true);
        Paint();
        lastConnColumn = getView()->getColRow(x, y).x;
        currentState = mouseState::makingConnection;
    } else if (auto *halo = dynamic_cast<TPLXHaloEntity *>(pointedObject)) {
        halo->handleClick(x, y, keyState);
        Paint();
    }
}

void TPLXController::moveConnectionTarget(int x, int y, int)
{
    if (!newConnection)
        return;
    // The loose end stays out of the first row.
    const TPLXColRow c = getView()->getColRow(x, y);
    if (c.isEmpty() || c.y <= 0 || !placeFakeBarAt(x, y))
        return;
    if (c.x != lastConnColumn)
        if (auto *drawer = dynamic_cast<TPLXBarConnectionDrawer *>(newConnection->getDrawer(vtGanttGraph)))
            newConnection->setTargetType(drawer->isLeftToRight());
    if (x >= chartRight() - 20)
        getView()->scroll(1);
    else if (x <= treeWidth() + 20)
        getView()->scroll(-1);
    Paint();
    lastConnColumn = c.x;
}

void TPLXController::linkToObject(int x, int y, int keyState)
{
    auto *bar = dynamic_cast<TPLXGanttBar *>(pointedObject);
    if (!newConnection || !bar || !bar->acceptConnections() || bar == newConnection->getFromBar()) {
        moveConnectionTarget(x, y, keyState);
        return;
    }
    bar->getDrawer(vtGanttGraph)->setHighlighted(true);
    newConnection->setToBar(bar);
    newConnection->setTargetType(bar->ganttDrawer()->closerToStart(x, y));
    // Still highlighted: the two bars are joined already.
    if (getDataSource()->root()->findConnection(newConnection->getFromBar(), bar, -1) == newConnection)
        newConnection->getDrawer(vtGanttGraph)->setHighlighted(false);
    Paint();
}

void TPLXController::disconnectLink(int x, int y, int)
{
    if (!newConnection || !placeFakeBarAt(x, y))
        return;
    if (TPLXGanttBar *to = newConnection->getToBar(); to && to != fakeBar.get())
        to->getDrawer(vtGanttGraph)->setHighlighted(false);
    newConnection->setToBar(fakeBar.get());
    newConnection->getDrawer(vtGanttGraph)->setHighlighted(true);
    Paint();
}

void TPLXController::endMakingConnection(int x, int y, int)
{
    TPLXDataSource *ds = getDataSource();
    TPLXGanttDocument *doc = ds->root();
    TPLXBarConnection *made = nullptr;
    TPLXGanttBar *target = nullptr;
    if (newConnection) {
        target = newConnection->getToBar();
        TPLXGanttBar *from = newConnection->getFromBar();
        newConnection->getDrawer(vtGanttGraph)->setHighlighted(false);
        newConnection->setToBar(fakeBar.get());
        doc->removeConnection(newConnection);
        // Only a release on another bar, on the chart and not yet joined to the first, connects.
        if (target != fakeBar.get() && target != from && overChart(x, y) && objectAt(x, y) == target &&
            !doc->findConnection(from, target, -1))
            std::swap(made, newConnection);
    }
    returnFakeBar();
    currentState = mouseState::simplyMoving;
    pointedObject = nullptr;
    if (made) {
        made->setToBar(target);
        // The connection and the distances it repairs are one step.
        if (!performWithRepair(std::make_unique<TPLXConnectionAddOperation>(ds, made), nullptr)) {
            // Refused: never listed, so nothing else refers to it.
            const std::unique_ptr<TPLXBarConnection> refused(made);
        }
    }
    Paint();
}

// ---- drawing out a new bar

void TPLXController::startTrackingMouse(int x, int y, int)
{
    mouseInitial = {x, y};
    currentState = mouseState::trackingMouse;
}

void TPLXController::trackMouse(int x, int y, int keyState)
{
    if (std::abs(x - mouseInitial.x()) <= kTrackingDeadZone && std::abs(y - mouseInitial.y()) <= kTrackingDeadZone)
        return;
    startNewOutline(mouseInitial.x(), mouseInitial.y(), keyState);
    if (currentState == mouseState::creatingObject)
        resizeNewOutline(x, y, keyState);
}

void TPLXController::startNewOutline(int x, int y, int keyState)
{
    if (!FAddElements)
        return;
    const TPLXColRow c = getView()->getColRow(x, y, true);
    TPLXGanttDocument *doc = getDataSource()->root();
    TPLXDocumentCalendar *calendar = doc->getCalendar();
    if (c.x < 0 || c.isEmpty() || !calendar)
        return;
    const TDateTime start = calendar->RealAdd(doc->getStartDate(), c.x);
    if (!lendFakeBar(start, start + (calendar->getTimeMode() == tmHour ? 0.01 : 1.0), c.y))
        return;
    dragged = fakeBar.get();
    startDragging(x, y, keyState);
    currentState = mouseState::creatingObject;
}

void TPLXController::resizeNewOutline(int x, int y, int)
{
    TPLXView *view = getView();
    if (firstDraggingPos.x() == lastDraggingPos.x()) {
        resizingSideRight = firstDraggingPos.x() < x;
    } else if ((firstDraggingPos.x() > lastDraggingPos.x()) != (firstDraggingPos.x() > x)) {
        // Across the start point the other side grows from the first outline.
        view->restoreOutline();
        resizingSideRight = !resizingSideRight;
        lastDraggingPos = firstDraggingPos;
    }
    auto *bar = dynamic_cast<TPLXGanttBar *>(dragged);
    const int dy = bar && bar->canResizeVertically() ? y - lastDraggingPos.y() : 0;
    view->resizeOutline(x - lastDraggingPos.x(), dy, resizingSideRight);
    lastDraggingPos = {x, y};
    scrollWithOutline();
}

void TPLXController::insertNewObject(int x, int y, int)
{
    TPLXDataSource *ds = getDataSource();
    TPLXView *view = getView();
    TPLXGanttTable *table = ds->GetTable();
    TPLXGanttDocument *doc = ds->root();
    if (fakeBar && dragged == fakeBar.get() && overChart(x, y) && view->acceptOutline() && doc->getCalendar()) {
        const TRect o = view->getOutline();
        const TPLXColRow c1 = view->getColRow(o.Left, o.Top);
        const TPLXColRow c2 = view->getColRow(o.Right, o.Bottom);
        if (!c1.isEmpty() && !c2.isEmpty()) {
            TPLXDocumentCalendar *calendar = doc->getCalendar();
            const TDateTime start = calendar->RealAdd(doc->getStartDate(), c1.x);
            const TDateTime end = createdPrototype->drawnOutEnd(start, calendar->RealAdd(doc->getStartDate(), c2.x));
            std::unique_ptr<TPLXGanttBar> bar = FCreatedType(start, end, c1.y);
            TPLXGanttRow *row = table->getRow(c1.y);
            bar->setParent(row);
            // However the insert ends, a bar its row lists is the row's, any other is freed here.
            const auto settle = qScopeGuard([&bar, row] {
                if (row->indexOf(bar.get()) >= 0)
                    (void)bar.release();
                else
                    bar->setParent(nullptr);
            });
            TPLXGanttBar *placed = bar.get();
            if (ds->getUndoRedoStack().doOperation(std::make_unique<TPLXBarInsertOperation>(ds, placed, c1.y))) {
                if (auto *gantt = dynamic_cast<TPLXGanttView *>(view); gantt && table->getSnapBarsTogether())
                    gantt->LeftAlignAllBars(c1.y);
                table->setFocusedBar(placed);
            }
        }
    }
    view->hideOutline();
    returnFakeBar();
    pointedObject = nullptr;
    dragged = nullptr;
    Paint();
    currentState = mouseState::simplyMoving;
}

// ---- hover, delete, selection

void TPLXController::startHighLighting(int x, int y, int)
{
    if (!pointedObject)
        return;
    TPLXDrawer *drawer = pointedObject->getDrawer(viewType());
    if (drawer && drawer->supportsHighlighting()) {
        drawer->setHighlighted(true);
        Paint();
    }
    if (auto *halo = dynamic_cast<TPLXHaloEntity *>(pointedObject))
        setCursor(halo->cursorOver());
    auto *bar = dynamic_cast<TPLXGanttBar *>(pointedObject);
    pointedObjectRect = drawer && bar ? drawer->getRect() : TRect{-1, -1, -1, -1};
    if (const TPLXTextHalo *halo = bar ? bar->existingTextHalo() : nullptr; halo && !halo->getHint().isEmpty()) {
        if (halo->getHint() == QLatin1String("Date")) {
            drawHint(bar, x, y);
        } else {
            if (!hintWindow)
                hintWindow = std::make_unique<TPLXHintWindow>();
            // A document without a hint style gets the default text style.
            const TPLXTextSettings fallback;
            const TPLXTextSettings *settings = getDataSource()->root()->getHintTextSettings();
            const QPoint at = mapToGlobal(QPoint(x, y)) + QPoint(5, 5);
            hintWindow->displayHint(halo, at.x(), at.y(), settings ? *settings : fallback);
        }
    }
    currentState = mouseState::simplyMoving;
}

void TPLXController::stopHighLighting(int, int, int)
{
    if (!pointedObject)
        return;
    if (hintWindow)
        hintWindow->hide();
    if (TPLXDrawer *drawer = pointedObject->getDrawer(viewType()); drawer && drawer->isHighLighted()) {
        drawer->setHighlighted(false);
        Paint();
    }
    unsetCursor();
    currentState = mouseState::simplyMoving;
}

void TPLXController::explainStart(int x, int y, bool shift)
{
    auto *bar = dynamic_cast<TPLXGanttBar *>(pointedObject);
    TPLXTaskBar *task = bar ? bar->asTaskBar() : nullptr;
    if (!shift || !task || currentState != mouseState::simplyMoving) {
        if (explaining && hintWindow)
            hintWindow->hide();
        explaining = false;
        return;
    }
    try {
        const QString text = PLXStartReasonText(PLXExplainStart(*task), PLXBarName);
        if (!hintWindow)
            hintWindow = std::make_unique<TPLXHintWindow>();
        const TPLXTextSettings fallback;
        const TPLXTextSettings *settings = getDataSource()->root()->getHintTextSettings();
        const QPoint at = mapToGlobal(QPoint(x, y)) + QPoint(5, 5);
        hintWindow->displayText(text, at.x(), at.y(), settings ? *settings : fallback);
        explaining = true;
    } catch (const std::exception &e) {
        PLXLog(QStringLiteral("An exception occured: ") + QString::fromUtf8(e.what()));
    }
}

void TPLXController::deletePointed(int, int, int)
{
    TPLXDataSource *ds = getDataSource();
    getView()->hideOutline();
    std::unique_ptr<TPLXOperation> op;
    auto *bar = dynamic_cast<TPLXGanttBar *>(pointedObject);
    if (pointedObject && FDeleteElements) {
        if (auto *summary = dynamic_cast<TPLXSummaryBar *>(pointedObject))
            op = std::make_unique<TPLXSummaryBarDeleteOperation>(ds, summary);
        else if (bar)
            op = std::make_unique<TPLXBarDeleteOperation>(ds, bar);
        else if (auto *connection = dynamic_cast<TPLXBarConnection *>(pointedObject))
            op = std::make_unique<TPLXConnectionDeleteOperation>(ds, connection);
    }
    if (!op) {
        ds->deleteSelected();
    } else {
        const int row = bar && bar->getParentRow() ? bar->getRow() : -1;
        if (ds->getUndoRedoStack().doOperation(op)) {
            objectsMayHaveGone();
            if (auto *gantt = dynamic_cast<TPLXGanttView *>(getView());
                gantt && row >= 0 && ds->GetTable()->getSnapBarsTogether())
                gantt->LeftAlignAllBars(row);
        }
    }
    Paint();
}

void TPLXController::selectAll(int, int, int)
{
    if (TPLXTreeGrid *tree = getDataSource()->GetTree())
        tree->selectAll();
    Paint();
}

// ---- editing

void TPLXController::editFocusedCells()
{
    TPLXTreeGrid *tree = getDataSource()->GetTree();
    QList<TPLXGanttObject *> objects;
    for (int r = 0, rows = tree ? tree->rowsCount() : 0; r < rows; ++r)
        if (TPLXTreeRow *row = tree->getRow(r); row && row->isFocused())
            for (int c = 0, columns = tree->colsCount(); c < columns; ++c)
                if (TPLXTreeCell *cell = tree->getCell(r, c); cell && cell->isFocused())
                    objects << cell;
    // With no cell focused, Enter edits the focused bar.
    if (TPLXGanttBar *bar = getDataSource()->GetTable()->getFocusedBar(); objects.isEmpty() && bar)
        objects << bar;
    for (TPLXGanttObject *object : std::as_const(objects)) {
        pointedObject = object;
        invokeEditor(-1, -1, -1);
    }
}

void TPLXController::invokeEditor(int, int, int)
{
    if (!pointedObject)
        return;
    if (auto *splitter = dynamic_cast<TPLXTreeGridResizer *>(pointedObject)) {
        handleOperation(splitter->handleClick(0, 0, 0));
        Paint();
        return;
    }
    editedObject = pointedObject;
    emit objectStartEditing(editedObject);
    retiredEditor.reset();
    activeEditor = editedObject->CreateEditor();
    // A table that keeps its notes from in-place editing gets them an editor that edits nothing.
    if (!activeEditor ||
        (dynamic_cast<TPLXTextBar *>(editedObject) && !getDataSource()->GetTable()->getInPlaceTextBarEditing()))
        activeEditor = std::make_unique<TPLXDummyEditor>();
    activeEditor->SetController(this);
    std::unique_ptr<TPLXOperation> op = activeEditor->edit(editedObject);
    currentState = mouseState::editingObject;
    if (activeEditor->IsModal()) {
        handleOperation(std::move(op));
        emit objectFinishEditing(editedObject);
        retiredEditor = std::move(activeEditor);
        editedObject = nullptr;
        // The release of the double click that opened the editor is swallowed.
        currentState = mouseState::ignoringSymbol;
    }
    Paint();
}

void TPLXController::FinishEditing(int, int, int)
{
    currentState = mouseState::simplyMoving;
    if (activeEditor) {
        // The editor may be the caller: it stays alive until the next edit.
        retiredEditor = std::move(activeEditor);
        TPLXDataSource *ds = getDataSource();
        handleOperation(retiredEditor->FinishEditing());
        if (TPLXTreeGrid *tree = ds ? ds->GetTree() : nullptr)
            if (std::unique_ptr<TPLXOperation> sort = tree->updateRows())
                ds->getUndoRedoStack().addOperation(std::move(sort));
        emit objectFinishEditing(editedObject);
        editedObject = nullptr;
        Paint();
    }
    setFocus(Qt::OtherFocusReason);
}

void TPLXController::CycleToNextTreeCell(int x, int, int)
{
    if (x == kExitNextCell || x == kExitPreviousCell) {
        cycleFocusedCell(x == kExitNextCell);
        return;
    }
    if (FFocusNextCellOnEnter)
        MoveFocusedRow(0, 0, x == kExitDown ? kKeyDown : kKeyUp);
}

void TPLXController::cycleFocusedCell(bool forward)
{
    TPLXDataSource *ds = getDataSource();
    TPLXTreeGrid *tree = ds->GetTree();
    TPLXTreeRow *row = tree && tree->getCellFocusing() ? tree->getFocusedRow() : nullptr;
    const int column = row ? focusedColumn(tree, row->getIndex()) : -1;
    if (column < 0)
        return;
    // The next focusable cell in this row, else the first (or last) one of the next (or previous) row.
    MoveFocusedCell(0, 0, forward ? kKeyRight : kKeyLeft);
    if (focusedColumn(tree, row->getIndex()) != column)
        return;
    const int count = ds->GetTable()->countRows();
    if (forward ? row->getIndex() >= count - 1 : row->getIndex() <= 0)
        return;
    MoveFocusedRow(0, 0, forward ? kKeyDown : kKeyUp);
    MoveFocusedCell(0, 0, forward ? kKeyHome : kKeyEnd);
}

// ---- keyboard focus in the tree

int TPLXController::focusedColumn(TPLXTreeGrid *tree, int row)
{
    for (int c = 0, n = tree->colsCount(); row >= 0 && c < n; ++c)
        if (TPLXTreeCell *cell = tree->getCell(row, c); cell && cell->isFocused())
            return c;
    return -1;
}

void TPLXController::MoveFocusedRow(int, int, int key)
{
    TPLXDataSource *ds = getDataSource();
    TPLXTreeGrid *tree = ds->GetTree();
    TPLXGanttTable *table = ds->GetTable();
    if (!tree)
        return;
    const int count = table->countRows();
    const int f = tree->getFocusedRow() ? tree->getFocusedRow()->getIndex() : -1;
    const int column = focusedColumn(tree, f);
    const auto visible = [table](int i) { return table->getRow(i) && table->getRow(i)->IsVisible(); };
    // The nearest visible row from `from` on, upward or downward; `from` itself when none is.
    const auto nearest = [&](int from, int step) {
        for (int i = from; i >= 0 && i < count; i += step)
            if (visible(i))
                return i;
        return from;
    };
    const auto selectionEnd = [&](bool last) {
        int end = -1;
        for (const TPLXTreeRow *row : tree->selectedRows())
            if (end < 0 || (last ? row->getIndex() > end : row->getIndex() < end))
                end = row->getIndex();
        if (end < 0 && f >= 0) {
            end = f;
            tree->select(f, true);
            emit rowFocus(tree->getRow(f));
        }
        return end;
    };
    int target = -1;
    switch (key) {
    case kKeyUp:
        if (f > 0) {
            target = nearest(f - 1, -1);
            tree->focus(target);
            if (target < table->getScrolledLines())
                table->SetScrolledLines(target);
        }
        break;
    case kKeyDown:
        if (f >= 0 && f < count - 1) {
            target = nearest(f + 1, 1);
            tree->focus(target);
            ScrollInViewZeile(target);
        }
        break;
    case kKeyShiftUp:
        if (const int top = selectionEnd(false); top > 0) {
            target = nearest(top - 1, -1);
            for (int i = target; i < top; ++i)
                tree->select(i, true);
            if (target < table->getScrolledLines())
                table->SetScrolledLines(target);
        }
        break;
    case kKeyShiftDown:
        if (const int bottom = selectionEnd(true); bottom >= 0 && bottom < count - 1) {
            target = nearest(bottom + 1, 1);
            for (int i = bottom + 1; i <= target; ++i)
                tree->select(i, true);
            ScrollInViewZeile(target);
        }
        break;
    case kKeyPageUp:
    case kKeyPageDown:
        if (count > 0) {
            // Both jump to the ends, not by a page.
            target = key == kKeyPageUp ? 0 : count - 1;
            tree->focus(target);
            ScrollInViewZeile(target);
        }
        break;
    default:
        break;
    }
    if (target >= 0) {
        emit rowFocus(tree->getRow(target));
        if (column >= 0)
            tree->FocusCell(target, column);
    }
    Paint();
}

void TPLXController::MoveFocusedCell(int, int, int key)
{
    TPLXTreeGrid *tree = getDataSource()->GetTree();
    TPLXTreeRow *row = tree ? tree->getFocusedRow() : nullptr;
    if (!row)
        return;
    if (!tree->getCellFocusing()) {
        ChangeCollapsingState(key);
        return;
    }
    const QList<TPLXTreeHeaderCell *> header =
        tree->getHeader() ? tree->getHeader()->cells() : QList<TPLXTreeHeaderCell *>();
    const auto focusable = [&header](int c) {
        const TPLXTreeHeaderCell *cell = header.value(c);
        return cell && cell->isVisible() && !(cell->GetDataType() && cell->GetDataType()->getReadOnly());
    };
    const int n = static_cast<int>(header.size());
    const int c = focusedColumn(tree, row->getIndex());
    int target = c;
    switch (key) {
    case kKeyLeft:
        for (int i = c - 1; i >= 0; --i)
            if (focusable(i)) {
                target = i;
                break;
            }
        break;
    case kKeyRight:
        for (int i = c + 1; c >= 0 && i < n; ++i)
            if (focusable(i)) {
                target = i;
                break;
            }
        break;
    case kKeyHome:
    case kKeyEnd:
        for (int k = 0; k < n; ++k)
            if (const int i = key == kKeyHome ? k : n - 1 - k; focusable(i)) {
                target = i;
                break;
            }
        break;
    default:
        break;
    }
    if (target >= 0) {
        if (key == kKeyRight)
            ScrollInViewColumn(target);
        tree->FocusCell(row->getIndex(), target);
        if (key != kKeyRight)
            ScrollInViewColumn(target);
    }
    Paint();
}

void TPLXController::ChangeCollapsingState(int key)
{
    TPLXDataSource *ds = getDataSource();
    TPLXTreeGrid *tree = ds->GetTree();
    const int f = tree && tree->getFocusedRow() ? tree->getFocusedRow()->getIndex() : -1;
    TPLXGanttRow *row = ds->GetTable()->getRow(f);
    TPLXTreeNode *node = row && row->IsGroup() ? tree->findNodeByIndex(f) : nullptr;
    // Left collapses, Right expands; the change is a view of the plan, not an edit of it.
    if (node && ((key == kKeyLeft && !node->isCollapsed()) || (key == kKeyRight && node->isCollapsed())))
        TPLXNodeCollapseOperation(ds, node).perform();
    Paint();
}
