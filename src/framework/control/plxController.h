// The input side of a chart control: mouse and keys become a small set of
// events, and a state table maps each (state, event) to the handler that
// changes the plan through undoable operations.
#pragma once

#include "plxControllerIntf.h"
#include "plxTypes.h"

#include <QPoint>

#include <array>
#include <functional>
#include <memory>

class TPLXBarConnection;
class TPLXDataSource;
class TPLXGanttBar;
class TPLXGanttObject;
class TPLXGanttRow;
class TPLXHintWindow;
class TPLXObjectEditorIntf;
class TPLXOperation;
class TPLXTreeGrid;
class TPLXView;

// What a person calls the row: its first text in the task tree, else its number.
ORVANTA_EXPORT QString PLXRowName(TPLXGanttRow *row);
// The name of the bar's row.
ORVANTA_EXPORT QString PLXBarName(TPLXGanttBar *bar);
// Makes a bar of the kind that mouse creation draws out, from start to end in a row.
using TPLXBarMaker = std::function<std::unique_ptr<TPLXGanttBar>(TDateTime start, TDateTime end, int row)>;

// What the mouse is doing; handlers set the next state themselves.
enum class mouseState {
    simplyMoving,
    draggingObject,
    makingConnection,
    resizingObject,
    creatingObject,
    editingObject,
    ignoringSymbol,
    trackingMouse,
};

class ORVANTA_EXPORT TPLXController : public TPLXControllerIntf
{
    Q_OBJECT
    // The object name of the data source to bind when the control is shown,
    // so that a form can link the two without code.
    Q_PROPERTY(QString dataSource READ dataSourceName WRITE setDataSourceName)

public:
    // A bar edge is grabbed when the mouse is less than this many pixels inside it.
    static constexpr int kResizeEdge = 5;
    // A drag on empty chart creates a bar only once it goes beyond this many pixels.
    static constexpr int kTrackingDeadZone = 10;
    static constexpr int kStateCount = 8;
    static constexpr int kEventCount = 21;
    // keyState of a button down.
    static constexpr int kCtrl = 1;
    static constexpr int kShift = 2;

    using mouseHandler = void (TPLXController::*)(int x, int y, int keyState);

    explicit TPLXController(QWidget *parent = nullptr);
    ~TPLXController() override;

    void Notify(mouseEvent event, int x, int y) override;
    // The only way events enter the machine. An event raised while a handler
    // runs is dropped; what a handler throws is logged and goes no further.
    void nextState(mouseEvent event, int x, int y, int keyState);
    mouseState getCurrentState() const { return currentState; }
    bool isExecutingAction() const { return ExecutingAction; }
    TPLXGanttObject *getPointedObject() const { return pointedObject; }

    // Binds the control (null unbinds).
    virtual void setDataSource(TPLXDataSource *dataSource) = 0;
    virtual TPLXDataSource *getDataSource() const = 0;
    QString dataSourceName() const { return FDataSourceName; }
    // Binds the data source of that name in the control's window now, or when it is shown.
    void setDataSourceName(const QString &name);
    virtual TPLXView *getView() = 0;
    virtual void Paint() = 0;
    // Scroll the rows so that `row` is on screen, and the tree so that column `col` is.
    virtual void ScrollInViewZeile(int row) = 0;
    virtual void ScrollInViewColumn(int col) = 0;
    // The "Date" hint of a bar at (x, y), drawn on the chart until its next paint.
    virtual void drawHint(TPLXGanttBar *bar, int x, int y) = 0;
    // The window of the bar hint under the mouse; null until a hint was first shown.
    TPLXHintWindow *getHintWindow() const { return hintWindow.get(); }

    // Whether bars may be drawn out with the mouse.
    bool getAddElements() const { return FAddElements; }
    void setAddElements(bool on) { FAddElements = on; }
    // The kind of bar mouse creation makes; task bars unless set.
    void setCreatedType(TPLXBarMaker make);
    template<typename Bar>
    void setCreatedType()
    {
        setCreatedType([](TDateTime start, TDateTime end, int row) -> std::unique_ptr<TPLXGanttBar> {
            return std::make_unique<Bar>(start, end, row);
        });
    }
    bool getDeleteElements() const { return FDeleteElements; }
    void setDeleteElements(bool on) { FDeleteElements = on; }
    bool getFocusNextCellOnEnter() const { return FFocusNextCellOnEnter; }
    void setFocusNextCellOnEnter(bool on) { FFocusNextCellOnEnter = on; }

    // Performs `op` through the data source's undo stack.
    void handleOperation(std::unique_ptr<TPLXOperation> op);
    // Commits an open in-place editor; does nothing otherwise.
    void PostActiveEditor() { nextState(mouseEvent::stopEditing, 0, 0, 0); }
    TPLXGanttObject *getEditedObject() const { return editedObject; }

    // Key codes the keyboard passes as keyState.
    static constexpr int kKeyPageUp = 33;
    static constexpr int kKeyPageDown = 34;
    static constexpr int kKeyEnd = 35;
    static constexpr int kKeyHome = 36;
    static constexpr int kKeyLeft = 37;
    static constexpr int kKeyUp = 38;
    static constexpr int kKeyRight = 39;
    static constexpr int kKeyDown = 40;
    static constexpr int kKeyShiftUp = 50;
    static constexpr int kKeyShiftDown = 52;

signals:
    void emptySpaceMouseDown(int x, int y);
    void barMouseDown(TPLXGanttBar *bar, int x, int y);
    void barMouseUp(TPLXGanttBar *bar, int x, int y);
    void barMouseMove(TPLXGanttBar *bar, int x, int y);
    void connectionMouseDown(TPLXBarConnection *connection, int x, int y);
    void connectionMouseUp(TPLXBarConnection *connection, int x, int y);
    void connectionMouseMove(TPLXBarConnection *connection, int x, int y);
    void treeCellMouseDown(TPLXGanttObject *cell, int x, int y);
    void barClick(TPLXGanttBar *bar);
    void barDblClick(TPLXGanttBar *bar);
    void connectionClick(TPLXBarConnection *connection);
    void connectionDblClick(TPLXBarConnection *connection);
    // A bar drag starts.
    void dragBar(TPLXGanttBar *bar);
    // A click focused a tree row (`row` is the one focused before), or a key did (`row` is the new one).
    void rowFocus(TPLXGanttObject *row);
    void objectStartEditing(TPLXGanttObject *object);
    void objectFinishEditing(TPLXGanttObject *object);
    // A drag of the splitter between tree and chart ended.
    void splitterMove(TPLXGanttObject *splitter);

protected:
    // ---- gesture slots, overridable per kind of chart
    virtual void stopDragging(int x, int y, int keyState);
    virtual void drag(int x, int y, int keyState);
    virtual void startResizing(int x, int y, int keyState);
    virtual void doResizing(int x, int y, int keyState);
    virtual void deletePointed(int x, int y, int keyState);
    virtual void setResizingCursor(int x, int y, int keyState);
    virtual void startMakingConnection(int x, int y, int keyState);
    virtual void endMakingConnection(int x, int y, int keyState);
    virtual void moveConnectionTarget(int x, int y, int keyState);
    virtual void linkToObject(int x, int y, int keyState);
    virtual void disconnectLink(int x, int y, int keyState);
    virtual void startNewOutline(int x, int y, int keyState);
    // The right edge of the chart area, left of the vertical scroll bar.
    virtual int chartRight() const { return width(); }
    // The bottom edge of the chart area, above the horizontal scroll bars.
    virtual int chartBottom() const { return height(); }
    // Drops every object the machine points at, for a document that changed under
    // it; what a gesture lent the document went with it when the document is gone.
    void forgetObjects(bool documentGone = true);
    // Which drawers the control hit-tests and highlights with.
    virtual TPLXViewType viewType() const { return vtGanttGraph; }
    // Whether pressing near a bar's edge resizes it rather than moving it.
    virtual bool resizesWithMouse() const { return true; }
    // Ends the gesture under way, leaving nothing half shown and the machine idle.
    virtual void leaveGesture();
    // A chart kind puts its own handlers into the state table.
    void set(mouseState state, mouseEvent event, mouseHandler handler);
    void setCurrentState(mouseState state) { currentState = state; }
    TPLXGanttObject *getDragged() const { return dragged; }
    QPoint getFirstDraggingPos() const { return firstDraggingPos; }
    QPoint getLastDraggingPos() const { return lastDraggingPos; }
    void setLastDraggingPos(const QPoint &pos) { lastDraggingPos = pos; }
    // The plan changed: what the mouse points at may be gone; a gesture under way keeps its object.
    void objectsMayHaveGone();

    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // While a tree cell has the focus, Tab and Backtab move between the cells instead of leaving the control.
    bool focusNextPrevChild(bool next) override;

private:
    void bindNamedDataSource();
    void initFSA();
    bool bound();
    void noAction(int, int, int) {}
    void setSimplyMoving(int, int, int) { currentState = mouseState::simplyMoving; }
    void startDragging(int x, int y, int keyState);
    void endResizing(int x, int y, int keyState);
    void startTrackingMouse(int x, int y, int keyState);
    void trackMouse(int x, int y, int keyState);
    void endTrackingMouse(int, int, int) { currentState = mouseState::simplyMoving; }
    void resizeNewOutline(int x, int y, int keyState);
    void insertNewObject(int x, int y, int keyState);
    // Gives the gesture a new placeholder bar from start to end, held by row `row`.
    bool lendFakeBar(TDateTime start, TDateTime end, int row);
    // Moves the placeholder to `start` in row `row`, keeping its length.
    void placeFakeBar(TDateTime start, int row);
    // Moves the placeholder to the chart position under (x, y); false when there is none.
    bool placeFakeBarAt(int x, int y);
    // Takes the connection being drawn and the placeholder out of the document and frees them.
    void returnFakeBar();
    // The point lies on the chart: not over the tree pane, the scroll bars or outside the control.
    bool overChart(int x, int y);
    void startHighLighting(int x, int y, int keyState);
    void stopHighLighting(int x, int y, int keyState);
    // With Shift over a task bar the hint tells what fixes its start; without, that hint goes.
    void explainStart(int x, int y, bool shift);
    void selectAll(int x, int y, int keyState);
    void invokeEditor(int x, int y, int keyState);
    void FinishEditing(int x, int y, int keyState);
    void MoveFocusedRow(int x, int y, int key);
    void MoveFocusedCell(int x, int y, int key);
    void ChangeCollapsingState(int key);
    void CycleToNextTreeCell(int x, int y, int keyState);
    // Tab: the next focusable cell of the focused row, past its last one the first of the next row;
    // Backtab the other way.
    void cycleFocusedCell(bool forward);
    // The column of the focused cell in `row`, -1 when none is focused.
    static int focusedColumn(TPLXTreeGrid *tree, int row);
    // Enter: an editor for every focused tree cell, else for the focused bar.
    void editFocusedCells();
    void scrollWithOutline();
    // Ctrl+Z and Ctrl+Y; the history stays put while a handler runs or a gesture is under way.
    void undoRedo(bool undo);
    // Alt+Left and Alt+Right move the table's focused bar by `periods`; with Shift
    // they move its end instead. One undo step each, with the distances it repairs.
    void nudgeFocusedBar(int periods, bool resize);
    // Ctrl+B: date category 0 swaps working and free.
    void toggleFirstCategory();
    // Performs `op`, then `afterPerform`, then the distance repair it triggers, refreshing the critical path once,
    // and records them as one step; false, with nothing recorded, when `op` is refused.
    bool performWithRepair(std::unique_ptr<TPLXOperation> op, TPLXGanttBar *bar,
                           const std::function<void()> &afterPerform = {});
    TPLXGanttObject *objectAt(int x, int y);
    // Feeds the move events of the mouse reaching (x, y).
    void pointerMoved(int x, int y);
    int treeWidth();
    // Whether x is within the pointed bar's resize edge.
    bool atResizeEdge(int x);

    std::array<std::array<mouseHandler, kEventCount>, kStateCount> FSA{};
    mouseState currentState = mouseState::simplyMoving;
    bool ExecutingAction = false;
    bool FAddElements = true;
    bool FDeleteElements = true;
    bool FFocusNextCellOnEnter = false;
    bool resizingSideRight = true;
    // The hint window shows why a bar starts when it does.
    bool explaining = false;
    // What the button went down on.
    TPLXGanttObject *dragged = nullptr;
    TPLXGanttObject *pointedObject = nullptr;
    TPLXGanttObject *editedObject = nullptr;
    std::unique_ptr<TPLXObjectEditorIntf> activeEditor;
    // A finished editor may still be on the call stack that finished it; it goes with the next edit.
    std::unique_ptr<TPLXObjectEditorIntf> retiredEditor;
    std::unique_ptr<TPLXHintWindow> hintWindow;
    TRect pointedObjectRect{-1, -1, -1, -1};
    QPoint firstDraggingPos;
    QPoint lastDraggingPos;
    TRect firstOutline;
    QPoint mouseInitial;
    QString FDataSourceName;
    TPLXBarMaker FCreatedType;
    // A bar of the created kind; it answers what the kind is and makes its placeholders.
    std::unique_ptr<TPLXGanttBar> createdPrototype;
    // The loose end of a connection being drawn, or the body of a bar being drawn
    // out; it exists only during such a gesture, and a row of the document holds it.
    std::unique_ptr<TPLXGanttBar> fakeBar;
    // The connection being drawn: the document lists it (without telling anyone) so that it is drawn.
    TPLXBarConnection *newConnection = nullptr;
    double lastConnColumn = -1.0;
};
