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
#include "plxImageBar.h"
#include "plxProgressBar.h"
#include "plxRessourceStrings.h"
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

// A press at `from`, moves in steps of 5 pixels to `via`, one jump to `to` and a release there.
// The step that leaves an object moves nothing: only moves off it or inside it drag.
void drag(QWidget &widget, QPoint from, QPoint via, QPoint to, Qt::MouseButton button = Qt::LeftButton,
          Qt::KeyboardModifiers modifiers = {})
{
    QTest::mouseMove(&widget, from);
    QTest::mousePress(&widget, button, modifiers, from);
    const QPoint d = via - from;
    const int steps = std::max(1, std::max(std::abs(d.x()), std::abs(d.y())) / 5);
    for (int i = 1; i <= steps; ++i)
        QTest::mouseMove(&widget, from + d * i / steps);
    QTest::mouseMove(&widget, to);
    QTest::mouseRelease(&widget, button, {}, to);
}

// A (2 days) in row 0 ends where B (row 1) may start at the earliest; C (row 2) is free. The chart
// starts a week earlier.
Document plan()
{
    Document doc;
    doc.rows = {Row{{Bar{QStringLiteral("A"), kMonday, 2}}}, Row{{Bar{QStringLiteral("B"), kMonday + 3, 1}}},
                Row{{Bar{QStringLiteral("C"), kMonday + 7, 2}}}};
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
    // "A start" and "C end" are the inner quarters of a bar; "empty", "tree", "scroll bar" and
    // "outside" lie in C's row right of C, over the tree pane, and left of C over the scroll bar and
    // below the control.
    QPoint at(QStringView where)
    {
        const TRect c = rect(bar(2, 0));
        const int y = (c.Top + c.Bottom) / 2;
        if (where == u"empty")
            return {c.Right + 100, y};
        if (where == u"tree")
            return {ds.root()->getTreeWidth() - 30, y};
        if (where == u"scroll bar")
            return {c.Left - 100, graph.docScroller()->geometry().center().y()};
        if (where == u"outside")
            return {c.Left - 100, graph.height() + 30};
        const TRect r = rect(bar(where.front().unicode() - u'A', 0));
        const int quarter = (r.Right - r.Left) / 4;
        return {where.endsWith(u"start") ? r.Left + quarter : r.Right - quarter, (r.Top + r.Bottom) / 2};
    }
    // The x of a date on the chart.
    int xOf(double date) { return ds.root()->getColStartX(0) + int((date - ds.root()->getStartDate()) * 20); }
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
            drag(s.graph, press, via, release, grip == u"right button" ? Qt::RightButton : Qt::LeftButton);
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

    // Shift+drag from bar to bar connects them, the halves giving the type; a drag on empty chart
    // beyond 10 pixels, or at once with Ctrl, draws out a bar of the created kind in C's row. Each is
    // one undo step with the pushes it causes; ending anywhere else, or refused, leaves no trace.
    void drawing_data()
    {
        QTest::addColumn<QString>("from"); // a place of at(), or a day of C's row
        QTest::addColumn<QString>("to");   // a place of at(), or pixels from the day
        QTest::addColumn<QString>("twist");
        QTest::addColumn<QList<double>>("made"); // type and push of B, or first and end day; empty: nothing
        const auto add = [](const char *from, const char *to, const char *twist, QList<double> made) {
            QTest::newRow((QByteArray(from) + " to " + to + ' ' + twist).constData())
                << QString::fromLatin1(from) << QString::fromLatin1(to) << QString::fromLatin1(twist) << made;
        };
        add("A end", "C start", "", {1, 0});
        add("A start", "C start", "", {3, 0});
        add("A end", "C end", "", {0, 0});
        add("A start", "C end", "", {2, 0});
        add("C end", "B start", "", {1, 6});
        add("A end", "B start", "", {});
        add("B end", "A start", "", {});
        add("A start", "A end", "", {});
        add("A end", "empty", "", {});
        add("A end", "C start", "refused", {});
        add("day 0", "60", "", {0, 4});
        add("day 0", "60", "Ctrl", {0, 4});
        add("day 2", "-60", "", {-1, 3});
        add("day 0", "10 10", "", {});
        add("day 0", "11", "", {0, 2});
        add("day 0", "60", "Milestone", {0, 1});
        add("day 5", "60", "", {});
        add("day 5", "60", "Progress", {5, 9});
        add("day 0", "60", "off", {});
        add("day 0", "60", "refused", {});
        for (const char *from : {"A end", "day 0"})
            for (const char *to : {"tree", "scroll bar", "outside"})
                add(from, to, "", {});
    }
    void drawing()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, twist);
        QFETCH(QList<double>, made);
        Shown s;
        if (twist == u"Progress")
            s.graph.setCreatedType<TPLXProgressBar>();
        else if (twist == u"Milestone")
            s.graph.setCreatedType<TPLXMilestoneBar>();
        s.graph.setAddElements(twist != u"off");
        if (twist == u"refused") {
            s.ds.setOnBeforeConnectionAdd([](TPLXBarConnection *, bool &cancel) { cancel = true; });
            s.ds.setOnBeforeBarAdd([](TPLXGanttBar *, bool &cancel) { cancel = true; });
        }
        TPLXGanttDocument *doc = s.ds.root();
        const bool bar = from.startsWith(u"day");
        const QPoint press =
            bar ? QPoint(s.xOf(kMonday + from.mid(4).toDouble()) + 5, s.at(u"C start").y()) : s.at(from);
        const QStringList by = to.split(u' ');
        // Off the chart, the gesture was last on C, or 60 pixels long.
        const bool off = to == u"tree" || to == u"scroll bar" || to == u"outside";
        const QPoint via = off   ? (bar ? press + QPoint(60, 0) : s.at(u"C start"))
                           : bar ? press + QPoint(by[0].toInt(), by.value(1).toInt())
                                 : s.at(to);
        const auto state = [&] { return s.times() << doc->countConnections() << s.row(2)->GetBarCount(); };
        const QList<double> before = state();
        drag(s.graph, press, via, off ? s.at(to) : via, Qt::LeftButton,
             !bar               ? Qt::ShiftModifier
             : twist == u"Ctrl" ? Qt::ControlModifier
                                : Qt::NoModifier);
        QCOMPARE(s.graph.getCurrentState(), mouseState::simplyMoving);
        for (int row = 0; row < 3; ++row)
            QVERIFY(!s.bar(row, 0)->ganttDrawer()->isHighLighted());
        const QList<double> after = state();
        QCOMPARE(s.stack().GetUndoOperationCount(), made.isEmpty() ? 0 : 1);
        if (made.isEmpty()) {
            QCOMPARE(after, before);
            return;
        }
        QCOMPARE(after[3] + after[4], before[3] + before[4] + 1);
        if (bar) {
            TPLXGanttBar *added = s.row(2)->GetBarInRow(1);
            const QString kind = twist == u"Progress" || twist == u"Milestone" ? twist : QStringLiteral("Task");
            QCOMPARE(QString::fromLatin1(added->metaObject()->className()), QStringLiteral("TPLX%1Bar").arg(kind));
            QCOMPARE(QList<double>({added->getStartDate() - kMonday, added->getEndDate() - kMonday}), made);
            QCOMPARE(s.table()->getFocusedBar(), added);
        } else {
            QCOMPARE(QList<double>({double(doc->getConnection(1)->getConnType()), after[2] - before[2]}), made);
        }
        s.key("Ctrl+Z");
        QCOMPARE(state(), before);
        s.key("Ctrl+Y");
        QCOMPARE(state(), after);
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
        // Not while a connection is drawn: it would stay listed after the gesture.
        const QPoint bar = s.ds.GetTable()->getRow(1)->GetBarInRow(0)->ganttDrawer()->getRect().toQRect().center();
        QTest::mousePress(&s.graph, Qt::LeftButton, Qt::ShiftModifier, bar);
        s.tree->FocusCell(1, 1);
        QTest::keyClick(&s.graph, Qt::Key_Return);
        QCOMPARE(s.graph.getCurrentState(), mouseState::makingConnection);
        QTest::mouseRelease(&s.graph, Qt::LeftButton, {}, bar);
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
        // Automatic section names change with every save.
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

    void collapseAndCategoryKeys()
    {
        Sample s;
        // Without cell focusing Left and Right fold and unfold a group; Ctrl+B flips category 0.
        s.tree->setCellFocusing(false);
        s.tree->focus(0);
        TPLXTreeNode *group = s.tree->findNodeByIndex(0);
        QTest::keyClick(&s.graph, Qt::Key_Left);
        QVERIFY(group->isCollapsed());
        QTest::keyClick(&s.graph, Qt::Key_Right);
        QVERIFY(!group->isCollapsed());
        IPLXDateCategory *category = s.ds.root()->getCalendar()->getDateCategory(0);
        const bool working = category->getWorking();
        QTest::keySequence(&s.graph, QKeySequence(QStringLiteral("Ctrl+B")));
        QCOMPARE(category->getWorking(), !working);
        QCOMPARE(s.ds.getUndoRedoStack().GetUndoOperationCount(), 0);
    }

    // The tree's handles under the mouse: Ctrl+click on a title sorts by its column, a resizer
    // heightens its row, a selector moves its row among its siblings, a click on an expander folds its
    // group, each one undo step; the splitter widens the tree pane, and a click on it folds the pane.
    void halos_data()
    {
        QTest::addColumn<QString>("handle");
        QTest::addColumn<QPoint>("by"); // a click when null
        QTest::addColumn<QString>("change");
        QTest::newRow("title") << "title" << QPoint() << "Delivery25 Build25 Launch25 Test25 Planning25 Design25";
        QTest::newRow("row resizer") << "resizer" << QPoint(0, 10) << "Kick-off25 Requirements35 Design25";
        QTest::newRow("row selector") << "selector" << QPoint(0, -50) << "Planning25 Design25 Kick-off25";
        QTest::newRow("expander") << "expander" << QPoint() << "Launch25 folded";
        QTest::newRow("splitter") << "splitter" << QPoint(50, 0) << "450 Planning25";
        QTest::newRow("splitter click") << "splitter" << QPoint() << "20 Planning25";
    }
    void halos()
    {
        QFETCH(QString, handle);
        QFETCH(QPoint, by);
        QFETCH(QString, change);
        Sample s;
        TPLXTreeRowsResizePane *pane = s.tree->getRowsResizePane();
        QSignalSpy moved(&s.graph, &TPLXController::splitterMove);
        const auto middle = [](TPLXHaloEntity *halo) { return halo->getOutline().toQRect().center(); };
        const QPoint from = handle == u"title"      ? middle(s.tree->getHeader()->getClicker(1))
                            : handle == u"resizer"  ? middle(pane->getResizer(2))
                            : handle == u"selector" ? middle(pane->getSelector(3))
                            : handle == u"splitter" ? middle(s.tree->getResizer())
                                                    : s.tree->findNodeByIndex(0)->getExpander()->position();
        // The tree pane's width, each row's name and height, and whether the first group is folded.
        const auto state = [&] {
            QStringList words{QString::number(s.ds.root()->getTreeWidth())};
            for (int r = 0; r < s.tree->rowsCount(); ++r)
                words << s.tree->getCellStringValue(r, 1) + QString::number(s.ds.GetTable()->getRow(r)->getHeight());
            if (s.tree->findNodeByIndex(0)->isCollapsed())
                words << QStringLiteral("folded");
            return words.join(u' ');
        };
        const QString before = state();
        // Clicks without a move in between: a move would let the chart scroll under the expander.
        QTest::mouseMove(&s.graph, from);
        if (by.isNull())
            QTest::mouseClick(&s.graph, Qt::LeftButton, handle == u"title" ? Qt::ControlModifier : Qt::NoModifier,
                              from);
        else
            drag(s.graph, from, from + by, from + by);
        const QString after = state();
        QVERIFY2(after.contains(change), qPrintable(after));
        QCOMPARE(moved.count(), handle == u"splitter" && !by.isNull() ? 1 : 0);
        // The tree pane's width is no edit of the plan.
        const bool recorded = handle != u"splitter";
        QCOMPARE(s.ds.getUndoRedoStack().GetUndoOperationCount(), recorded ? 1 : 0);
        if (!recorded)
            return;
        QTest::keySequence(&s.graph, QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(state(), before);
        QTest::keySequence(&s.graph, QKeySequence(QStringLiteral("Ctrl+Y")));
        QCOMPARE(state(), after);
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

    void whyThisDate_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("expected");
        const auto add = [](const char *name, int row, QLocale::Language language, const char *text) {
            QTest::newRow(name) << row << int(language) << QString::fromUtf8(text);
        };
        add("held by a distance", 1, QLocale::English,
            "Why this date?\nThe start is held by \"row 1\" (finish–start, distance 2 working days).");
        add("held, in German", 1, QLocale::German,
            "Warum dieses Datum?\nDen Beginn hält „Zeile 1“ (Ende–Anfang, Abstand 2 Arbeitstage).");
        add("slack", 2, QLocale::English,
            "Why this date?\nNothing holds the start: the nearest predecessor \"row 1\" (finish–start, distance 0 "
            "working days) leaves 3 working days.");
        add("holiday, in French", 3, QLocale::French,
            "Pourquoi cette date ?\nRien ne fixe le début : aucun prédécesseur.\nLe temps non ouvré allonge la barre "
            "de 3 jours :\nFounders' Day (Holidays): 10.01.2024\nWeekends: 13.01.2024 – 14.01.2024");
    }
    void whyThisDate()
    {
        QFETCH(int, row);
        QFETCH(int, language);
        QFETCH(QString, expected);
        TPLXRecordingScope recording;
        TPLXDataSource ds;
        ds.setStorage(QStringLiteral("file://" ORVANTA_TEST_DATA "/control/start-reasons.ini"));
        TPLXGanttGraph graph;
        graph.resize(700, 200);
        graph.setDataSource(&ds);
        graph.show();
        QVERIFY(QTest::qWaitForWindowExposed(&graph));
        language == QLocale::English  ? CreateDefaultRessources_ENG()
        : language == QLocale::French ? CreateDefaultRessources_FRA()
                                      : CreateDefaultRessources_GER();
        const QPoint on = ds.GetTable()->getRow(row)->GetBarInRow(0)->ganttDrawer()->getRect().toQRect().center();
        // Through the window: a move of the widget's own carries no keys.
        QTest::mouseEvent(QTest::MouseMove, graph.windowHandle(), Qt::NoButton, Qt::ShiftModifier, on);
        QVERIFY(graph.getHintWindow() && graph.getHintWindow()->isVisible());
        QCOMPARE(graph.getHintWindow()->getHintText(), expected);
        // Without Shift the answer goes.
        QTest::mouseEvent(QTest::MouseMove, graph.windowHandle(), Qt::NoButton, {}, on + QPoint(1, 0));
        QVERIFY(!graph.getHintWindow()->isVisible());
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
            drag(s.graph, from, from + QPoint(60, 0), from + QPoint(60, 0));
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
        drag(s.graph, {r.Right - 2, r.Top + 5}, {r.Right + 40, r.Top + 5}, {r.Right + 40, r.Top + 5});
        QVERIFY(!s.stack().isGrouping());
        QCOMPARE(s.stack().GetUndoOperationCount(), 1);
        // A connection and a new bar under way while the document is replaced or the control unbound:
        // the rest of each gesture finds nothing to do.
        for (const bool unbind : {false, true}) {
            for (const Qt::KeyboardModifier key : {Qt::ShiftModifier, Qt::ControlModifier}) {
                const QPoint from = key == Qt::ShiftModifier ? s.at(u"A end") : s.at(u"empty");
                QTest::mouseMove(&s.graph, from);
                QTest::mousePress(&s.graph, Qt::LeftButton, key, from);
                QTest::mouseMove(&s.graph, s.at(u"C end"));
                QVERIFY(s.graph.getCurrentState() != mouseState::simplyMoving);
                if (unbind)
                    s.graph.setDataSource(nullptr);
                else
                    s.ds.setStorage(s.storage);
                QTest::mouseMove(&s.graph, s.at(u"C start"));
                QTest::mouseRelease(&s.graph, Qt::LeftButton, {}, s.at(u"C start"));
                s.graph.setDataSource(&s.ds);
                QCOMPARE(s.ds.root()->countConnections(), 1);
                QCOMPARE(s.row(2)->GetBarCount(), 1);
            }
        }
    }
};

QTEST_MAIN(tst_plxController)
#include "tst_plxController.moc"
