// The chart control under real mouse and key events: what each gesture
// changes and records for undo, and input that must change nothing.
#include "plxDocumentCalendar.h"
#include "plxDocumentFixture.h"
#include "plxGanttBar.h"
#include "plxGanttDocument.h"
#include "plxGanttGraph.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxHintWindow.h"
#include "plxTextBar.h"
#include "plxTextualHalo.h"
#include "plxTreeCell.h"
#include "plxTreeGrid.h"
#include "plxTreeNode.h"
#include "plxTreeRow.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <stdexcept>

using namespace plxtest;

namespace {

// A (2 days) in row 0 ends where B (row 1) may start at the earliest; the chart starts a week earlier.
Document plan()
{
    Document doc;
    doc.rows = {Row{{Bar{QStringLiteral("A"), kMonday, 2}}}, Row{{Bar{QStringLiteral("B"), kMonday + 3, 1}}}};
    doc.connections = {Connection{QStringLiteral("AB"), QStringLiteral("A"), QStringLiteral("B")}};
    doc.startDate = kMonday - 7;
    doc.nestedTree = true;
    return doc;
}

struct Shown : LoadedDocument
{
    TPLXGanttGraph graph;
    Shown()
        : LoadedDocument(plan())
    {
        graph.resize(700, 200);
        graph.setDataSource(&ds);
        graph.view().setSnapToCell(true);
        graph.show();
        QVERIFY(QTest::qWaitForWindowExposed(&graph));
    }
    // Where the last paint put the bar.
    TRect rect(TPLXGanttBar *b) { return b->ganttDrawer()->getRect(); }
    QPoint middle(TPLXGanttBar *b) { return rect(b).toQRect().center(); }
    // Start and end of A, then of B.
    QList<double> times() { return {bar(0, 0)->getStartDate(), bar(0, 0)->getEndDate(), b()->getStartDate()}; }
    TPLXGanttBar *b() { return bar(1, 0); }
    // A press at `from`, moves in steps of 5 pixels to `via`, one jump to `to` and a release there.
    // The step that leaves the bar moves nothing: only moves off it or inside it drag.
    void drag(QPoint from, QPoint via, QPoint to, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseMove(&graph, from);
        QTest::mousePress(&graph, button, {}, from);
        const QPoint d = via - from;
        const int steps = std::max(1, std::max(std::abs(d.x()), std::abs(d.y())) / 5);
        for (int i = 1; i <= steps; ++i)
            QTest::mouseMove(&graph, from + d * i / steps);
        QTest::mouseMove(&graph, to);
        QTest::mouseRelease(&graph, button, {}, to);
    }
    void key(const QString &keys) { QTest::keySequence(&graph, QKeySequence(keys)); }
    void key(const char *keys) { key(QString::fromLatin1(keys)); }
};

// The sample plan: a group row over task rows, columns No., Task, Start and End.
struct Sample
{
    TPLXRecordingScope recording;
    TPLXDataSource ds;
    TPLXGanttGraph graph;
    TPLXTreeGrid *tree = nullptr;
    Sample()
    {
        ds.setStorage(QStringLiteral("file://") + QFINDTESTDATA("../../examples/sample-plan.ini"));
        graph.resize(900, 300);
        graph.setDataSource(&ds);
        graph.show();
        graph.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&graph));
        tree = ds.GetTree();
        QVERIFY(tree && tree->rowsCount() > 4);
    }
    int focusedRow() const { return tree->getFocusedRow() ? tree->getFocusedRow()->getIndex() : -1; }
    int focusedColumn() const
    {
        for (int c = 0; c < tree->colsCount(); ++c)
            if (tree->getCell(focusedRow(), c) && tree->getCell(focusedRow(), c)->isFocused())
                return c;
        return -1;
    }
};

} // namespace

class tst_plxController : public QObject
{
    Q_OBJECT

private slots:
    // A drag from a grip of bar A (or a key with A focused), with a twist: a refusing
    // before-event, or a drop over the tree pane or the scroll bar.
    void gestures_data()
    {
        QTest::addColumn<QString>("grip");
        QTest::addColumn<QPoint>("by");
        QTest::addColumn<QString>("twist");
        QTest::addColumn<double>("startShift");
        QTest::addColumn<double>("endShift");
        const auto add = [](const char *name, const char *grip, QPoint by, const char *twist, double start,
                            double end) {
            QTest::newRow(name) << QString::fromLatin1(grip) << by << QString::fromLatin1(twist) << start << end;
        };
        add("move", "middle", {60, 0}, "", 3, 3);
        add("5 px inside moves", "5 inside right", {20, 0}, "", 1, 1);
        add("right edge resizes", "4 inside right", {40, 0}, "", 0, 2);
        add("left edge resizes", "4 inside left", {-20, 0}, "", -1, 0);
        add("click", "middle", {}, "", 0, 0);
        add("right button", "right button", {60, 0}, "", 0, 0);
        add("onto a taken place", "middle", {60, 20}, "", 0, 0);
        add("move refused", "middle", {60, 0}, "move", 0, 0);
        add("resize refused", "4 inside right", {40, 0}, "resize", 0, 0);
        add("below the control", "middle", {0, 400}, "", 0, 0);
        // Over the tree pane the bar lands on the dates left of the chart (a Saturday: its two
        // working days end on the Wednesday); below the rows nowhere.
        add("over the tree pane", "middle", {}, "tree", -9, -7);
        add("over the scroll bar", "middle", {}, "scroll bar", 0, 0);
        add("Alt+Right moves later", "Alt+Right", {}, "", 1, 1);
        // From Sunday the two working days are still Monday and Tuesday.
        add("Alt+Left moves earlier", "Alt+Left", {}, "", -1, 0);
        add("Alt+Shift+Right lengthens", "Alt+Shift+Right", {}, "", 0, 1);
        add("Alt+Shift+Left shortens", "Alt+Shift+Left", {}, "", 0, -1);
        add("Alt+Right without a focused bar", "Alt+Right", {}, "unfocused", 0, 0);
    }
    void gestures()
    {
        QFETCH(QString, grip);
        QFETCH(QPoint, by);
        QFETCH(QString, twist);
        QFETCH(double, startShift);
        QFETCH(double, endShift);
        Shown s;
        const auto no = [](TPLXGanttBar *, bool &cancel) { cancel = true; };
        if (twist == u"move")
            s.ds.setOnBeforeBarMove(no);
        else if (twist == u"resize")
            s.ds.setOnBeforeBarResize(no);
        TPLXGanttBar *a = s.bar(0, 0);
        const TRect r = s.rect(a);
        const QPoint press = grip.startsWith(u"5")     ? QPoint(r.Right - 5, r.Top + 5)
                             : grip.endsWith(u"right") ? QPoint(r.Right - 4, r.Top + 5)
                             : grip.endsWith(u"left")  ? QPoint(r.Left + 4, r.Top + 5)
                                                       : s.middle(a);
        const int tree = s.ds.root()->getTreeWidth();
        const QPoint release = twist == u"tree"         ? QPoint(tree - 30, press.y())
                               : twist == u"scroll bar" ? s.graph.docScroller()->geometry().center()
                                                        : press + by;
        // Far enough from the edges that the chart does not scroll.
        const QPoint via = twist == u"tree" || twist == u"scroll bar" ? QPoint(tree + 40, press.y()) : release;
        const QList<double> before = s.times();
        if (grip.startsWith(u"Alt")) {
            if (twist != u"unfocused")
                s.table()->setFocusedBar(a);
            s.key(grip);
        } else {
            s.drag(press, via, release, grip == u"right button" ? Qt::RightButton : Qt::LeftButton);
        }
        QCOMPARE(s.graph.getCurrentState(), mouseState::simplyMoving);
        const QList<double> after = s.times();
        QCOMPARE(after[0] - before[0], startShift);
        QCOMPARE(after[1] - before[1], endShift);
        // A change and the push of B it causes are one step; nothing is one of none.
        QCOMPARE(s.stack().GetUndoOperationCount(), after != before ? 1 : 0);
        QVERIFY(after[2] >= after[1]);
        s.key("Ctrl+Z");
        QCOMPARE(s.times(), before);
        s.key("Ctrl+Y");
        QCOMPARE(s.times(), after);
    }

    void treeKeys_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QPoint>("focus"); // column, row
        QTest::addColumn<QPoint>("expected");
        QTest::addColumn<int>("selected");
        const auto keys = [](const char *text) { return QString::fromLatin1(text).split(u' '); };
        QTest::newRow("down keeps the column") << keys("Down") << QPoint(1, 1) << QPoint(1, 2) << 0;
        QTest::newRow("up at the top stays") << keys("Up") << QPoint(1, 0) << QPoint(1, 0) << 0;
        QTest::newRow("page down goes to the end") << keys("PgDown") << QPoint(1, 1) << QPoint(1, -1) << 0;
        QTest::newRow("page up goes to the start") << keys("PgUp") << QPoint(1, 3) << QPoint(1, 0) << 0;
        // The focused row stays; the cell focus goes with the end of the selection.
        QTest::newRow("shift down selects on") << keys("Shift+Down Shift+Down") << QPoint(1, 1) << QPoint(-1, 1) << 3;
        QTest::newRow("shift up selects up") << keys("Shift+Up") << QPoint(1, 2) << QPoint(-1, 2) << 2;
        QTest::newRow("right skips read-only") << keys("Right") << QPoint(1, 1) << QPoint(3, 1) << 0;
        QTest::newRow("right at the last stays") << keys("Right") << QPoint(3, 1) << QPoint(3, 1) << 0;
        QTest::newRow("left skips read-only") << keys("Left") << QPoint(3, 1) << QPoint(1, 1) << 0;
        QTest::newRow("home and end") << keys("Home End") << QPoint(3, 1) << QPoint(3, 1) << 0;
        QTest::newRow("home") << keys("Home") << QPoint(3, 1) << QPoint(0, 1) << 0;
        QTest::newRow("tab past the last cell") << keys("Tab") << QPoint(3, 1) << QPoint(0, 2) << 0;
        QTest::newRow("shift tab before the first") << keys("Shift+Tab") << QPoint(0, 1) << QPoint(3, 0) << 0;
        // Return opens the cell's editor; the next key goes to the editor and ends the edit.
        QTest::newRow("editor, enter moves down") << keys("Return Return") << QPoint(1, 1) << QPoint(1, 2) << 0;
        QTest::newRow("editor, esc stays") << keys("Return Esc") << QPoint(1, 1) << QPoint(1, 1) << 0;
        QTest::newRow("editor, down moves once") << keys("Return Down") << QPoint(1, 1) << QPoint(1, 2) << 0;
        QTest::newRow("editor, up") << keys("Return Up") << QPoint(1, 2) << QPoint(1, 1) << 0;
        QTest::newRow("editor, tab") << keys("Return Tab") << QPoint(1, 1) << QPoint(3, 1) << 0;
        QTest::newRow("editor, shift tab") << keys("Return Shift+Tab") << QPoint(1, 1) << QPoint(0, 1) << 0;
    }
    void treeKeys()
    {
        QFETCH(QStringList, keys);
        QFETCH(QPoint, focus);
        QFETCH(QPoint, expected);
        QFETCH(int, selected);
        Sample s;
        s.graph.setFocusNextCellOnEnter(true);
        // Somewhere Tab could take the focus to instead.
        QLineEdit neighbour(&s.graph);
        neighbour.show();
        s.tree->setCellFocusing(true);
        s.tree->getHeader()->getHeaderCell(2)->GetDataType()->setReadOnly(true);
        s.tree->focus(focus.y());
        s.tree->FocusCell(focus.y(), focus.x());
        for (const QString &key : keys)
            QTest::keySequence(s.graph.getEditedObject() ? QApplication::focusWidget() : &s.graph, QKeySequence(key));
        QCOMPARE(s.graph.getCurrentState(), mouseState::simplyMoving);
        QCOMPARE(s.focusedRow(), expected.y() < 0 ? s.tree->rowsCount() - 1 : expected.y());
        QCOMPARE(s.focusedColumn(), expected.x());
        QCOMPARE(s.tree->getSelectedRowsCount(), selected);
    }

    void enterEditsTheCellAndUndoTakesItBack()
    {
        Sample s;
        s.tree->setCellFocusing(true);
        s.tree->focus(1);
        s.tree->FocusCell(1, 1);
        TPLXTreeCell *cell = s.tree->getCell(1, 1);
        const QString before = cell->GetText();
        QTest::keyClick(&s.graph, Qt::Key_Return);
        QCOMPARE(s.graph.getCurrentState(), mouseState::editingObject);
        auto *editor = s.graph.findChild<QLineEdit *>();
        QVERIFY(editor && editor->isVisible());
        editor->setText(QStringLiteral("Renamed"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(s.graph.getCurrentState(), mouseState::simplyMoving);
        QCOMPARE(cell->GetText(), QStringLiteral("Renamed"));
        QCOMPARE(s.ds.getUndoRedoStack().GetUndoOperationCount(), 1);
        QTest::keySequence(&s.graph, QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(cell->GetText(), before);
        // Escape ends an edit too; nothing typed, nothing recorded.
        s.tree->focus(1);
        s.tree->FocusCell(1, 1);
        QTest::keyClick(&s.graph, Qt::Key_Return);
        QTest::keyClick(editor, Qt::Key_Escape);
        QCOMPARE(s.graph.getCurrentState(), mouseState::simplyMoving);
        QCOMPARE(s.ds.getUndoRedoStack().GetUndoOperationCount(), 0);
        // The wheel commits an open edit before it scrolls.
        s.tree->FocusCell(1, 1);
        QTest::keyClick(&s.graph, Qt::Key_Return);
        editor->setText(QStringLiteral("Wheeled"));
        QWheelEvent wheel(QPointF(50, 50), s.graph.mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&s.graph, &wheel);
        QCOMPARE(s.graph.getCurrentState(), mouseState::simplyMoving);
        QCOMPARE(cell->GetText(), QStringLiteral("Wheeled"));
        // Unbinding drops an open edit: its exit key then reaches no document.
        QTest::keyClick(&s.graph, Qt::Key_Return);
        s.graph.setDataSource(nullptr);
        QVERIFY(!s.graph.getEditedObject());
        QTest::keyClick(editor, Qt::Key_Escape);
    }

    // The sample's note: a double click opens a memo over it, Esc keeps what was typed as one step;
    // Enter on the focused note opens it too; with in-place editing off nothing opens.
    void textBarEditsInPlace()
    {
        Sample s;
        QTemporaryDir dir;
        auto *note = static_cast<TPLXTextBar *>(s.ds.GetTable()->getRow(0)->GetBarInRow(2));
        const QString text = note->getText();
        // Reading a bar's properties gives it the text halo it reports, which the file then holds;
        // automatic section names change with every save.
        TPLXPropertySnapshot{note};
        const auto saved = [&] {
            return savedLines(s.ds, dir).replaceInStrings(QRegularExpression("AutoID:\\d+"), {});
        };
        const QStringList before = saved();
        // Left in its box, below the summary bar its row also holds.
        const QPoint at = note->ganttDrawer()->getRect().toQRect().bottomLeft() + QPoint(10, -5);
        // As the platform sends it: a click, then a press, the double click and a release.
        const auto doubleClick = [&] {
            QTest::mouseMove(&s.graph, at);
            QTest::mouseClick(&s.graph, Qt::LeftButton, {}, at);
            for (const auto event : {QTest::MousePress, QTest::MouseDClick, QTest::MouseRelease})
                QTest::mouseEvent(event, &s.graph, Qt::LeftButton, {}, at);
        };
        doubleClick();
        auto *memo = s.graph.findChild<QPlainTextEdit *>();
        QVERIFY(memo && memo->isVisible() && memo->hasFocus());
        QCOMPARE(memo->geometry(), note->ganttDrawer()->getRect().toQRect());
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClicks(memo, QStringLiteral("Call first."));
        QTest::keyClick(memo, Qt::Key_Escape);
        // The line the edit wrote: Enter was a line break in the note.
        QCOMPARE(firstDifference(saved(), before), "gone: [Delivery Note]text=\"" + text + "\\nCall first.\"");
        QCOMPARE(s.ds.getUndoRedoStack().GetUndoOperationCount(), 1);
        QTest::keySequence(&s.graph, QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(firstDifference(before, saved()), QString());
        QTest::keyClick(&s.graph, Qt::Key_Return);
        QVERIFY(memo->isVisible());
        QTest::keyClick(memo, Qt::Key_Tab);
        QVERIFY(!memo->isVisible());
        s.ds.GetTable()->setInPlaceTextBarEditing(false);
        doubleClick();
        QVERIFY(!memo->isVisible());
        QCOMPARE(s.ds.getUndoRedoStack().GetUndoOperationCount(), 0);
    }

    void splitterCollapseAndCategoryKeys()
    {
        Sample s;
        TPLXGanttDocument *doc = s.ds.root();
        QSignalSpy moved(&s.graph, &TPLXController::splitterMove);
        const int width = doc->getTreeWidth();
        const QPoint grip = s.tree->getResizer()->getOutline().toQRect().center();
        QTest::mouseMove(&s.graph, grip);
        QTest::mousePress(&s.graph, Qt::LeftButton, {}, grip);
        // In steps: the move that leaves the splitter moves nothing.
        for (int dx = 5; dx <= 50; dx += 5)
            QTest::mouseMove(&s.graph, grip + QPoint(dx, 0));
        QTest::mouseRelease(&s.graph, Qt::LeftButton, {}, grip + QPoint(50, 0));
        QCOMPARE(doc->getTreeWidth(), width + 50);
        QCOMPARE(moved.count(), 1);
        // A click on it folds the tree pane.
        const QPoint moved50 = s.tree->getResizer()->getOutline().toQRect().center();
        QTest::mouseMove(&s.graph, moved50);
        QTest::mouseClick(&s.graph, Qt::LeftButton, {}, moved50);
        QCOMPARE(doc->getTreeWidth(), 20);
        // Without cell focusing Left and Right fold and unfold a group; Ctrl+B flips category 0.
        s.tree->setCellFocusing(false);
        s.tree->focus(0);
        TPLXTreeNode *group = s.tree->findNodeByIndex(0);
        QTest::keyClick(&s.graph, Qt::Key_Left);
        QVERIFY(group->isCollapsed());
        QTest::keyClick(&s.graph, Qt::Key_Right);
        QVERIFY(!group->isCollapsed());
        IPLXDateCategory *category = doc->getCalendar()->getDateCategory(0);
        const bool working = category->getWorking();
        QTest::keySequence(&s.graph, QKeySequence(QStringLiteral("Ctrl+B")));
        QCOMPARE(category->getWorking(), !working);
        QCOMPARE(s.ds.getUndoRedoStack().GetUndoOperationCount(), 0);
    }

    void hoverShowsTheHint()
    {
        Sample s;
        // A task of its own row, where no summary covers it.
        TPLXGanttBar *bar = s.ds.GetTable()->getRow(1)->GetBarInRow(0);
        QVERIFY(!s.ds.GetTable()->getRow(1)->IsGroup() && bar->textHalo());
        bar->textHalo()->setHint(QStringLiteral("Call the supplier"));
        const QPoint on = bar->ganttDrawer()->getRect().toQRect().center();
        QTest::mouseMove(&s.graph, on);
        QVERIFY(s.graph.getHintWindow() && s.graph.getHintWindow()->isVisible());
        QCOMPARE(s.graph.getHintWindow()->getHintText(), QStringLiteral("Call the supplier"));
        QCOMPARE(s.graph.getHintWindow()->pos(), s.graph.mapToGlobal(on) + QPoint(5, 5));
        QTest::mouseMove(&s.graph, QPoint(on.x(), s.graph.height() - 30));
        QVERIFY(!s.graph.getHintWindow()->isVisible());
    }

    void deleteSelectAndKeys()
    {
        Shown s;
        TPLXTreeGrid *tree = s.ds.GetTree();
        QTest::mouseMove(&s.graph, s.middle(s.b()));
        s.key("Del");
        QCOMPARE(s.row(1)->GetBarCount(), 0);
        QCOMPARE(s.ds.root()->countConnections(), 0);
        s.key("Ctrl+Z");
        QCOMPARE(s.row(1)->GetBarCount(), 1);
        QCOMPARE(s.ds.root()->countConnections(), 1);
        // Ctrl+click selects the row of the bar; Ctrl+A every row.
        QTest::mouseMove(&s.graph, s.middle(s.b()));
        QTest::mouseClick(&s.graph, Qt::LeftButton, Qt::ControlModifier, s.middle(s.b()));
        QCOMPARE(tree->getSelectedRowsCount(), 1);
        QCOMPARE(tree->getSelectedRow(0)->getIndex(), 1);
        s.key("Ctrl+A");
        QCOMPARE(tree->getSelectedRowsCount(), tree->rowsCount());
    }

    void throwingHandlerAndKeysDuringAnAction()
    {
        Shown s;
        const QList<double> before = s.times();
        bool throwing = true;
        s.ds.setOnBeforeBarMove([&](TPLXGanttBar *, bool &) {
            // The key arrives while the drop runs: it deletes nothing.
            QTest::mouseMove(&s.graph, s.middle(s.b()));
            s.key("Del");
            if (throwing)
                throw std::runtime_error("no moves today");
        });
        const QPoint from = s.middle(s.bar(0, 0));
        for (int i = 0; i < 2; ++i) {
            s.drag(from, from + QPoint(60, 0), from + QPoint(60, 0));
            QCOMPARE(s.graph.getCurrentState(), mouseState::simplyMoving);
            QCOMPARE(s.row(1)->GetBarCount(), 1);
            if (throwing) {
                QCOMPARE(s.recording.recorder().logLines().last(),
                         QStringLiteral("An exception occured: no moves today"));
                QCOMPARE(s.times(), before);
                QCOMPARE(s.stack().GetUndoOperationCount(), 0);
            }
            throwing = false;
        }
        // Still usable: the second drop went through.
        QCOMPARE(s.times()[0] - before[0], 3.0);
        // A resize that throws leaves no undo group open to swallow the next step.
        s.ds.setOnBeforeBarMove(nullptr);
        s.ds.setOnBeforeBarResize([](TPLXGanttBar *, bool &) { throw std::runtime_error("no resizing"); });
        const TRect r = s.rect(s.bar(0, 0));
        s.drag({r.Right - 2, r.Top + 5}, {r.Right + 40, r.Top + 5}, {r.Right + 40, r.Top + 5});
        QVERIFY(!s.stack().isGrouping());
        QCOMPARE(s.stack().GetUndoOperationCount(), 1);
    }
};

QTEST_MAIN(tst_plxController)
#include "tst_plxController.moc"
