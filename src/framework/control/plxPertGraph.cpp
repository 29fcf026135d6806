#include "plxPertGraph.h"
#include "plxBarConnection.h"
#include "plxColors.h"
#include "plxGanttDocument.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxPertBar.h"
#include "plxPlatform.h"
#include "plxRessourceStrings.h"
#include "plxTextualHalo.h"
#include "plxTreeGrid.h"
#include "plxVisualContext.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kWheelNotch = 120;

int percentOf(int value, int whole)
{
    return whole > 0 ? static_cast<int>(std::lrint(100.0 * value / whole)) : 0;
}

void highlight(TPLXGanttObject *object, bool on)
{
    if (TPLXDrawer *drawer = object ? object->getDrawer(vtPertGraph) : nullptr)
        drawer->setHighlighted(on);
}

bool highlighted(TPLXGanttObject *object)
{
    TPLXDrawer *drawer = object ? object->getDrawer(vtPertGraph) : nullptr;
    return drawer && drawer->isHighLighted();
}

} // namespace

TPLXPertGraph::TPLXPertGraph(QWidget *parent)
    : TPLXGanttGraph(parent, std::make_unique<TPLXPertView>())
    , FTreeGridScroller(new QScrollBar(Qt::Vertical, this))
    , FFakeBar(std::make_unique<TPLXFakePertBar>())
{
    docScroller()->setValue(0);
    FTreeGridScroller->setRange(0, 100);
    FTreeGridScroller->setPageStep(kLargeChange);
    FTreeGridScroller->setFocusPolicy(Qt::NoFocus);
    FTreeGridScroller->hide();
    connect(FTreeGridScroller, &QScrollBar::actionTriggered, this,
            [this](int action) { scrollerAction(FTreeGridScroller, action); });
    const auto handler = [](void (TPLXPertGraph::*h)(int, int, int)) { return static_cast<mouseHandler>(h); };
    using S = mouseState;
    using E = mouseEvent;
    set(S::simplyMoving, E::leftButtonDownOnGridHoldingCtrl, handler(&TPLXPertGraph::startNewOutline));
    set(S::simplyMoving, E::leftButtonDownOnObjectHoldingShift, handler(&TPLXPertGraph::startMakingConnection));
    set(S::makingConnection, E::Move, handler(&TPLXPertGraph::moveConnectionTarget));
    set(S::makingConnection, E::moveIntoObject, handler(&TPLXPertGraph::linkToObject));
    set(S::makingConnection, E::moveInsideObject, handler(&TPLXPertGraph::linkToObject));
    set(S::makingConnection, E::moveOutOfObject, handler(&TPLXPertGraph::disconnectLink));
    set(S::makingConnection, E::leftButtonUp, handler(&TPLXPertGraph::endMakingConnection));
}

TPLXPertGraph::~TPLXPertGraph()
{
    dropConnection();
}

void TPLXPertGraph::setDataSource(TPLXDataSource *dataSource)
{
    FTreeGridScroller->setVisible(dataSource != nullptr);
    TPLXGanttGraph::setDataSource(dataSource);
    FFakeBar = std::make_unique<TPLXFakePertBar>();
}

// ---- painting

bool TPLXPertGraph::anyBox() const
{
    TPLXGanttTable *table = getDataSource() ? getDataSource()->GetTable() : nullptr;
    for (int i = 0, n = table ? table->countRows() : 0; i < n; ++i)
        if (table->getRow(i)->pertBar())
            return true;
    return false;
}

void TPLXPertGraph::Paint()
{
    if (FTreeGridScroller->isVisible() != (getDataSource() != nullptr) && isVisible())
        FTreeGridScroller->setVisible(getDataSource() != nullptr);
    TPLXGanttGraph::Paint();
    TPLXGanttDocument *doc = getDataSource() ? getDataSource()->root() : nullptr;
    TPLXCanvasVC *vc = visualContext();
    if (!doc || !vc || anyBox())
        return;
    vc->setVisibleArea({0, 0, width(), height()});
    vc->setFont(QStringLiteral("Arial"), 10, clBlack, false, false, false, 0);
    const int left = doc->getTreeWidth();
    vc->centerText({left, 30, width() - 30, height() - 30}, GetRessourceValue(QStringLiteral("insertnewpertbarmsg1")));
    vc->centerText({left, 70, width() - 30, height() - 30}, GetRessourceValue(QStringLiteral("insertnewpertbarmsg2")));
    update();
}

// ---- scrolling

void TPLXPertGraph::updateScrollers()
{
    TPLXGanttGraph::updateScrollers();
    TPLXGanttDocument *doc = getDataSource() ? getDataSource()->root() : nullptr;
    if (!doc)
        return;
    const int barWidth = FTreeGridScroller->sizeHint().width();
    const int barHeight = docScroller()->sizeHint().height();
    FTreeGridScroller->setGeometry(std::max(0, doc->getTreeWidth() - barWidth), 0, barWidth,
                                   std::max(0, height() - barHeight));
}

void TPLXPertGraph::SetVerticalScrollerPosition(int position)
{
    if (position >= 0 && position <= 100)
        FTreeGridScroller->setValue(position);
}

void TPLXPertGraph::scrollerAction(QScrollBar *bar, int action)
{
    if (action == QAbstractSlider::SliderNoAction || !getDataSource())
        return;
    const bool add = action == QAbstractSlider::SliderSingleStepAdd;
    const bool line = add || action == QAbstractSlider::SliderSingleStepSub;
    if (bar == docScroller()) {
        if (line)
            pertHorizontalStep(add ? 1 : -1);
        else
            pertHorizontalMove(bar->sliderPosition());
    } else if (bar == verticalScroller()) {
        if (line)
            pertVerticalStep(add ? 1 : -1);
        else
            pertVerticalMove(bar->sliderPosition());
    } else if (bar == FTreeGridScroller) {
        if (line)
            treeRowStep(add ? 1 : -1);
        else
            verticalMove(bar->value(), bar->sliderPosition());
    } else {
        TPLXGanttGraph::scrollerAction(bar, action);
    }
}

void TPLXPertGraph::pertHorizontalStep(int step)
{
    TPLXGanttTable *table = getDataSource() ? getDataSource()->GetTable() : nullptr;
    if (!table)
        return;
    const int maxX = table->getMaxPertCoords().x();
    const int next = std::min(maxX, std::max(0, table->getPertStartX() + step * table->getPertGridSize().x()));
    table->setPertStartX(next);
    const QSignalBlocker quiet(docScroller());
    docScroller()->setSliderPosition(percentOf(next, maxX));
    Paint();
}

void TPLXPertGraph::pertHorizontalMove(int position)
{
    TPLXGanttTable *table = getDataSource() ? getDataSource()->GetTable() : nullptr;
    if (!table)
        return;
    table->setPertStartX(static_cast<int>(std::lrint(position / 100.0 * table->getMaxPertCoords().x())));
    Paint();
}

void TPLXPertGraph::pertVerticalStep(int step)
{
    TPLXGanttTable *table = getDataSource() ? getDataSource()->GetTable() : nullptr;
    if (!table)
        return;
    const int limit = std::max(height(), table->getMaxPertCoords().y());
    const int next = std::clamp(table->getPertStartY() + step * table->getPertGridSize().y(), 0, limit);
    table->setPertStartY(next);
    const QSignalBlocker quiet(verticalScroller());
    verticalScroller()->setSliderPosition(percentOf(next, limit));
    Paint();
}

void TPLXPertGraph::pertVerticalMove(int position)
{
    TPLXGanttTable *table = getDataSource() ? getDataSource()->GetTable() : nullptr;
    if (!table)
        return;
    const int limit = std::max(height(), table->getMaxPertCoords().y());
    PLXLog(QStringLiteral("pert height = %1").arg(limit));
    table->setPertStartY(static_cast<int>(std::lrint(position / 100.0 * limit)));
    Paint();
}

void TPLXPertGraph::treeRowStep(int step)
{
    TPLXGanttTable *table = getDataSource() ? getDataSource()->GetTable() : nullptr;
    if (!table)
        return;
    if (const int count = table->countRows(); count > 0) {
        const int first = std::clamp(table->getScrolledLines() + step, 0, count - 1);
        table->SetScrolledLines(first);
        const QSignalBlocker quiet(FTreeGridScroller);
        FTreeGridScroller->setSliderPosition(percentOf(first, count));
    }
    Paint();
}

void TPLXPertGraph::wheelEvent(QWheelEvent *event)
{
    TPLXGanttDocument *doc = getDataSource() ? getDataSource()->root() : nullptr;
    if (!doc) {
        event->ignore();
        return;
    }
    nextState(mouseEvent::stopEditing, 0, 0, 0);
    // Over the tree the rows scroll, over the network the network does.
    const bool overTree = event->position().x() <= doc->getColStartX(0);
    FWheelRemainder += event->angleDelta().y();
    for (; std::abs(FWheelRemainder) >= kWheelNotch; FWheelRemainder -= kWheelNotch * (FWheelRemainder > 0 ? 1 : -1)) {
        const int step = FWheelRemainder > 0 ? -1 : 1;
        if (overTree)
            treeRowStep(step);
        else
            pertVerticalStep(step);
    }
    event->accept();
}

void TPLXPertGraph::keyPressEvent(QKeyEvent *event)
{
    // Moving a box by periods has no meaning on the network.
    if ((event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) && (event->modifiers() & Qt::AltModifier)) {
        event->accept();
        return;
    }
    TPLXGanttGraph::keyPressEvent(event);
    if (getDataSource())
        Paint();
}

// ---- gestures

void TPLXPertGraph::drag(int x, int y, int keyState)
{
    TPLXGanttObject *dragged = getDragged();
    if (dynamic_cast<TPLXHaloEntity *>(dragged)) {
        TPLXGanttGraph::drag(x, y, keyState);
        return;
    }
    TPLXGanttTable *table = getDataSource()->GetTable();
    if (!dynamic_cast<TPLXPertBar *>(dragged) || !table)
        return;
    // The outline moves by whole grid steps; the rest of the way is kept for the next move.
    QPoint step;
    const QPoint last = getLastDraggingPos();
    table->snapToGrid(x - last.x(), y - last.y(), step, false);
    if (step.isNull())
        return;
    pertView().moveOutline(step.x(), step.y(), true);
    setLastDraggingPos(last + step);
}

void TPLXPertGraph::stopDragging(int x, int y, int keyState)
{
    auto *box = dynamic_cast<TPLXPertBar *>(getDragged());
    if (!box) {
        TPLXGanttGraph::stopDragging(x, y, keyState);
        return;
    }
    setCurrentState(mouseState::simplyMoving);
    TPLXDataSource *ds = getDataSource();
    if (TPLXTreeGrid *tree = ds->GetTree(); tree && box->getParentRow())
        tree->focus(box->getRow());
    const int steps = ds->getUndoRedoStack().GetUndoOperationCount();
    if (getLastDraggingPos() == getFirstDraggingPos())
        pertView().hideOutline();
    else
        pertView().hideOutlineAndMove();
    // A move repaints through the data source's change; a click or a refused drop does not.
    if (ds->getUndoRedoStack().GetUndoOperationCount() == steps)
        Paint();
}

void TPLXPertGraph::doResizing(int, int, int)
{
    pertView().hideOutline();
    setCurrentState(mouseState::simplyMoving);
}

void TPLXPertGraph::deletePointed(int, int, int)
{
    TPLXDataSource *ds = getDataSource();
    pertView().hideOutline();
    TPLXGanttObject *pointed = getPointedObject();
    std::unique_ptr<TPLXOperation> op;
    if (pointed && getDeleteElements()) {
        auto *box = dynamic_cast<TPLXPertBar *>(pointed);
        auto *connection = dynamic_cast<TPLXBarConnection *>(pointed);
        if (box && !box->isLooseEnd())
            op = std::make_unique<TPLXPertBarDeleteOperation>(ds, box);
        else if (connection && ds->GetTable()->pertConnections().contains(connection))
            op = std::make_unique<TPLXPertConnectionDeleteOperation>(ds, connection);
    }
    if (op) {
        ds->getUndoRedoStack().doOperation(std::move(op));
        objectsMayHaveGone();
    }
    Paint();
}

void TPLXPertGraph::startNewOutline(int x, int y, int)
{
    TPLXDataSource *ds = getDataSource();
    if (const int row = ds->GetTable()->findEmptyRow(); row >= 0)
        ds->getUndoRedoStack().doOperation(std::make_unique<TPLXPertBarInsertOperation>(ds, row, x, y));
    Paint();
    setCurrentState(mouseState::simplyMoving);
}

void TPLXPertGraph::moveLooseEnd(int x, int y)
{
    // Directly, not by an operation: the loose end is not part of the plan.
    FFakeBar->setX(x);
    FFakeBar->setY(y);
}

void TPLXPertGraph::startMakingConnection(int x, int y, int keyState)
{
    TPLXDataSource *ds = getDataSource();
    TPLXGanttObject *pointed = getPointedObject();
    auto *from = dynamic_cast<TPLXPertBar *>(pointed);
    if (!from || from->isLooseEnd() || !from->getParentRow() || !FFakeBar) {
        if (auto *halo = dynamic_cast<TPLXHaloEntity *>(pointed))
            (void)halo->handleClick(x, y, keyState);
        Paint();
        return;
    }
    unsetCursor();
    if (const TPLXPertBarSettings *settings = ds->GetTable()->defaultPertBarSettings())
        FFakeBar->applySettings(*settings);
    moveLooseEnd(x, y);
    FNewConnection = std::make_unique<TPLXBarConnection>(from, FFakeBar.get(), 0, ds->root());
    // Highlighted while it ends on no valid box.
    highlight(FNewConnection.get(), true);
    // Listed, so that it is drawn with the boxes; no task dependency comes with it.
    TPLXGanttTable *table = ds->GetTable();
    FListBefore = table->pertConnectionsState();
    table->addPertConnection(FNewConnection.get());
    setCurrentState(mouseState::makingConnection);
    Paint();
}

void TPLXPertGraph::moveConnectionTarget(int x, int y, int)
{
    if (!FNewConnection)
        return;
    moveLooseEnd(x, y);
    Paint();
}

void TPLXPertGraph::linkToObject(int x, int y, int keyState)
{
    if (!FNewConnection)
        return;
    auto *box = dynamic_cast<TPLXPertBar *>(getPointedObject());
    auto *from = static_cast<TPLXPertBar *>(FNewConnection->getFromBar());
    if (!box || box->isLooseEnd() || box == from) {
        moveConnectionTarget(x, y, keyState);
        return;
    }
    if (box == FNewConnection->getToBar())
        return;
    // A box the start already leads to is no target: the connection stays marked.
    if (!from->connectionTo(box))
        highlight(FNewConnection.get(), false);
    FNewConnection->setToBar(box);
    highlight(box, true);
    Paint();
}

void TPLXPertGraph::disconnectLink(int x, int y, int)
{
    if (!FNewConnection)
        return;
    if (TPLXGanttObject *pointed = getPointedObject(); pointed && FNewConnection->getToBar() == pointed) {
        highlight(pointed, false);
        highlight(FNewConnection.get(), true);
        FNewConnection->setToBar(FFakeBar.get());
    }
    moveLooseEnd(x, y);
    Paint();
}

void TPLXPertGraph::endMakingConnection(int, int, int)
{
    TPLXDataSource *ds = getDataSource();
    TPLXGanttBar *target = FNewConnection ? FNewConnection->getToBar() : nullptr;
    TPLXGanttBar *from = FNewConnection ? FNewConnection->getFromBar() : nullptr;
    const bool valid = target && target != from && !target->isLooseEnd() && !highlighted(FNewConnection.get());
    dropConnection();
    highlight(from, false);
    if (valid) {
        highlight(target, false);
        // The table owns a connection once listed, so the operation takes it from here.
        auto connection = std::make_unique<TPLXBarConnection>(from, target, 0, ds->root());
        auto add = std::make_unique<TPLXPertConnectionAddOperation>(ds, connection.release());
        ds->getUndoRedoStack().doOperation(std::move(add));
    }
    setCurrentState(mouseState::simplyMoving);
    Paint();
}

void TPLXPertGraph::dropConnection()
{
    if (!FNewConnection)
        return;
    // A table that does not list it is another document's: that one never held it.
    TPLXGanttTable *table = getDataSource() ? getDataSource()->GetTable() : nullptr;
    if (table && table->pertConnections().contains(FNewConnection.get()))
        table->restorePertConnections(FListBefore);
    FListBefore = {};
    FNewConnection.reset();
}

void TPLXPertGraph::leaveGesture()
{
    dropConnection();
    TPLXGanttGraph::leaveGesture();
}
