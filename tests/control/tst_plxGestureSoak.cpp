// A soak of the chart control under random mouse and key input: presses, moves and releases at random places
// (half of them on or near a bar) with random Ctrl and Shift, double clicks, the keys of the control and the
// wheel, interleaved with undo and redo. After every step the tree and the table agree and the critical path is
// what a fresh computation gives; at the end, undoing everything gives back the first save key by key.
// ORVANTA_GESTURE_STEPS sets the number of steps, ORVANTA_GESTURE_SEED the seed and ORVANTA_GESTURE_TASKS a
// generated plan of that many tasks instead of the sample plan.
#include "../../bench/plxBenchPlans.h"
#include "plxGanttGraph.h"
#include "plxGanttTable.h"
#include "plxTaskBar.h"
#include "plxTreeFixture.h"
#include "plxTreeGrid.h"
#include "plxTreeNode.h"
#include "plxTreeRow.h"

#include <QRandomGenerator>
#include <QtTest>

class tst_plxGestureSoak : public QObject
{
    Q_OBJECT

private slots:
    void soak()
    {
        const auto env = [](const char *name, int fallback) {
            return qEnvironmentVariableIsSet(name) ? qEnvironmentVariableIntValue(name) : fallback;
        };
        const int steps = env("ORVANTA_GESTURE_STEPS", 2000);
        const int tasks = env("ORVANTA_GESTURE_TASKS", 0);
        plxtest::QuietServices quiet;
        QTemporaryDir dir;
        TPLXDataSource ds;
        ds.setStorage(tasks > 0 ? plxtest::storageFor(dir, QStringLiteral("plan.ini"),
                                                      plxbench::generatePlan(tasks, {.bands = true}))
                                : QStringLiteral("file://" ORVANTA_SOURCE_DIR "/examples/sample-plan.ini"));
        QVERIFY(ds.GetTree() && ds.GetTable()->countRows() > 4);
        TPLXGanttGraph graph;
        graph.resize(900, 400);
        graph.setDataSource(&ds);
        graph.show();
        QVERIFY(QTest::qWaitForWindowExposed(&graph));
        // Cell focusing on: Left and Right move the focus, and do not fold groups outside the history.
        ds.GetTree()->setCellFocusing(true);
        const TDateTime startDate = ds.root()->getStartDate();
        const int treeWidth = ds.GetTree()->getWidth();
        // A bar's default text halo and a task bar's own look are made when first asked for (drawn, edited),
        // and the file then holds them: asked for here, they are in the first save too.
        for (TPLXGanttBar *bar : ds.GetTable()->allBarsIn(0, ds.GetTable()->countRows() - 1)) {
            bar->textHalo();
            if (auto *task = dynamic_cast<TPLXTaskBar *>(bar))
                task->GetSettings();
        }
        const auto save = [&] { return plxtest::savedLines(ds, dir); };
        const QStringList first = save();

        QRandomGenerator random(quint32(env("ORVANTA_GESTURE_SEED", 7)));
        Qt::MouseButtons held;
        QPoint at;
        // Half of the places are on or near a bar drawn last, so that gestures grab something.
        const auto place = [&] {
            TPLXGanttTable *table = ds.GetTable();
            const int first = table->getScrolledLines();
            TPLXGanttRow *row = table->getRow(first + int(random.bounded(12)));
            TPLXGanttBar *bar =
                row && row->GetBarCount() ? row->GetBarInRow(int(random.bounded(row->GetBarCount()))) : nullptr;
            const QRect r = bar && random.bounded(2) ? bar->ganttDrawer()->getRect().toQRect() : QRect();
            if (r.isEmpty())
                return QPoint(int(random.bounded(graph.width())), int(random.bounded(graph.height())));
            return QPoint(r.left() + int(random.bounded(r.width() + 40)) - 20, r.center().y());
        };
        const auto mouse = [&](QEvent::Type type, Qt::MouseButton button, Qt::KeyboardModifiers mods) {
            if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
                held |= button;
            else if (type == QEvent::MouseButtonRelease)
                held &= ~button;
            QMouseEvent event(type, at, graph.mapToGlobal(at), button, held, mods);
            QApplication::sendEvent(&graph, &event);
        };
        // The control's keys, Ctrl+B aside: its calendar change is not an edit the history keeps.
        static const QStringList keys =
            QStringLiteral("Del Up Down Shift+Up Shift+Down PgUp PgDown Left Right Home End "
                           "Esc Return Tab Shift+Tab Ctrl+A Alt+Left Alt+Right "
                           "Alt+Shift+Left Alt+Shift+Right X")
                .split(u' ');
        for (int step = 0; step < steps; ++step) {
            const Qt::KeyboardModifiers mods((random.bounded(3) == 0 ? Qt::ControlModifier : Qt::NoModifier) |
                                             (random.bounded(4) == 0 ? Qt::ShiftModifier : Qt::NoModifier));
            const Qt::MouseButton button = random.bounded(8) ? Qt::LeftButton : Qt::RightButton;
            QString gesture;
            int pick = int(random.bounded(14));
            // A held button is let go before the next press.
            if (held && pick < 3)
                pick = 6;
            switch (pick) {
            case 0:
            case 1:
            case 2:
                at = place();
                gesture = QStringLiteral("press");
                mouse(QEvent::MouseButtonPress, button, mods);
                break;
            case 3:
            case 4:
            case 5:
                at += QPoint(int(random.bounded(121)) - 60, int(random.bounded(61)) - 30);
                gesture = QStringLiteral("move");
                mouse(QEvent::MouseMove, Qt::NoButton, mods);
                break;
            case 6:
            case 7:
                gesture = QStringLiteral("release");
                mouse(QEvent::MouseButtonRelease, held & Qt::RightButton ? Qt::RightButton : Qt::LeftButton, mods);
                break;
            case 8:
                at = place();
                gesture = QStringLiteral("double click");
                for (const QEvent::Type type :
                     {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
                      QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
                    mouse(type, Qt::LeftButton, {});
                break;
            case 9: {
                gesture = QStringLiteral("wheel");
                QWheelEvent wheel(at, graph.mapToGlobal(at), {}, QPoint(0, random.bounded(2) ? 120 : -120), held, {},
                                  Qt::NoScrollPhase, false);
                QApplication::sendEvent(&graph, &wheel);
                break;
            }
            case 10:
            case 11:
            case 12:
                gesture = keys[int(random.bounded(keys.size()))];
                break;
            default:
                gesture = random.bounded(3) ? QStringLiteral("Ctrl+Z") : QStringLiteral("Ctrl+Y");
            }
            if (!gesture.front().isLower()) {
                // Keys go where the focus is: an open editor takes them.
                QWidget *focus = QApplication::focusWidget();
                QTest::keySequence(focus && graph.isAncestorOf(focus) ? focus : &graph, QKeySequence(gesture));
            }
            const QString where =
                QStringLiteral("step %1 (%2 at %3,%4)").arg(step).arg(gesture).arg(at.x()).arg(at.y());
            const QString differs = plxtest::disagreement(ds);
            QVERIFY2(differs.isEmpty(), qPrintable(where + QStringLiteral(": ") + differs));
            const plxtest::CriticalMarks marks = plxtest::criticalPath(ds);
            ds.GetTable()->updateCriticalPath();
            QVERIFY2(marks == plxtest::criticalPath(ds), qPrintable(where + QStringLiteral(": critical path")));
        }
        at = {};
        mouse(QEvent::MouseButtonRelease, Qt::LeftButton, {});
        graph.PostActiveEditor();
        TPLXUndoRedoStack &stack = ds.getUndoRedoStack();
        while (stack.GetUndoOperationCount() > 0)
            QVERIFY(stack.undo());
        // Scrolling and the splitter move what the user sees, which the history does not keep.
        ds.root()->setStartDate(startDate);
        ds.GetTree()->setWidth(treeWidth);
        QCOMPARE(plxtest::firstDifference(first, save()), QString());
    }
};

QTEST_MAIN(tst_plxGestureSoak)
#include "tst_plxGestureSoak.moc"
