// The PERT (network) chart control: the document's rows as boxes on a pixel
// grid beside the task tree, joined by connections, with the gestures that
// move, insert, connect and delete boxes.
#pragma once

#include "plxGanttGraph.h"
#include "plxGanttTable.h"
#include "plxPertView.h"

class TPLXBarConnection;
class TPLXFakePertBar;

class ORVANTA_EXPORT TPLXPertGraph : public TPLXGanttGraph
{
    Q_OBJECT

public:
    explicit TPLXPertGraph(QWidget *parent = nullptr);
    ~TPLXPertGraph() override;

    TPLXPertView &pertView() { return static_cast<TPLXPertView &>(view()); }
    // Binds the control (null unbinds) and gives it a fresh loose end for connections.
    void setDataSource(TPLXDataSource *dataSource) override;
    // The network, and two hint lines on how to add a box while no row has one.
    void Paint() override;
    void updateScrollers() override;
    // Positions from 0 to 100 move the tree pane's scroll bar; others are ignored.
    void SetVerticalScrollerPosition(int position) override;
    // The tree pane's own vertical scroll bar: it scrolls the rows.
    QScrollBar *treeGridScroller() const { return FTreeGridScroller; }
    // The loose end of a connection being drawn: it belongs to no row, so its position is in control pixels.
    TPLXFakePertBar *fakeBar() const { return FFakeBar.get(); }

    // The network scrolls in pixels, a line being one grid step (step -1 or +1),
    // a thumb position (0 to 100) a share of the network's extent.
    void pertHorizontalStep(int step);
    void pertHorizontalMove(int position);
    void pertVerticalStep(int step);
    void pertVerticalMove(int position);
    // One tree row up (-1) or down (+1).
    void treeRowStep(int step);

protected:
    void scrollerAction(QScrollBar *bar, int action) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    TPLXViewType viewType() const override { return vtPertGraph; }
    bool resizesWithMouse() const override { return false; }
    void leaveGesture() override;

    // Boxes move in grid steps and are not resized.
    void drag(int x, int y, int keyState) override;
    void stopDragging(int x, int y, int keyState) override;
    void startResizing(int, int, int) override {}
    void doResizing(int x, int y, int keyState) override;
    void setResizingCursor(int, int, int) override {}
    // Deletes the pointed box or connection, nothing else.
    void deletePointed(int x, int y, int keyState) override;

private:
    // Ctrl+click on empty network: a box for the first row without one.
    void startNewOutline(int x, int y, int keyState);
    // Shift+press on a box draws a connection out of it to a loose end under the mouse.
    void startMakingConnection(int x, int y, int keyState);
    void moveConnectionTarget(int x, int y, int keyState);
    void linkToObject(int x, int y, int keyState);
    void disconnectLink(int x, int y, int keyState);
    // A valid target gets the connection as one undo step; anything else leaves no trace.
    void endMakingConnection(int x, int y, int keyState);
    // Puts the loose end under the mouse.
    void moveLooseEnd(int x, int y);
    // Takes the connection being drawn off the table's list, which gets back what it held before.
    void dropConnection();
    bool anyBox() const;

    QScrollBar *FTreeGridScroller;
    std::unique_ptr<TPLXFakePertBar> FFakeBar;
    // Listed by the table while it is drawn, but never the document's: it goes with the gesture.
    std::unique_ptr<TPLXBarConnection> FNewConnection;
    TPLXGanttTable::PertConnectionsState FListBefore;
    int FWheelRemainder = 0;
};
