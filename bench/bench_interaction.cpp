// The chart control under the mouse on a large plan: one mouse move while a
// bar is dragged (outline, auto-scroll check, what the mouse points at), and
// the drop that ends the drag (the move, its distance repair, the critical
// path and the repaint). Real mouse events go to a 1,920 x 1,080 control; each
// task is a row with one task bar and finish-start links to the next two.
#include "plxBenchMain.h"
#include "plxBenchPlans.h"
#include "plxDataSource.h"
#include "plxDocumentFixture.h"
#include "plxGanttBar.h"
#include "plxGanttGraph.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"

#include <QMouseEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

namespace {

// A plan of `tasks` rows bound to the control. Task i starts two weeks after
// task i - 1, and links keep a distance of at least 0, so each holds with slack.
struct Bound
{
    QTemporaryDir dir;
    TPLXDataSource ds;
    TPLXGanttGraph graph;

    explicit Bound(int tasks)
    {
        ds.setStorage(
            plxtest::storageFor(dir, QStringLiteral("plan.ini"),
                                plxbench::generatePlan(tasks, {.bands = true,
                                                               .barHeight = 18,
                                                               .fixedDistances = false,
                                                               .startDay = [](int i, int) { return i * 14; }})));
        graph.resize(1920, 1080);
        graph.setDataSource(&ds);
        graph.view().setSnapToCell(true);
    }

    // Scrolls row `row` and its bar into the chart; the middle of the bar, or
    // (-1, -1) when a press there finds no bar.
    QPoint show(int row)
    {
        ds.GetTable()->SetScrolledLines(std::max(0, row - 10));
        TPLXGanttBar *bar = ds.GetTable()->getRow(row)->GetBarInRow(0);
        ds.root()->setStartDate(bar->getStartDate() - 7);
        graph.Paint();
        const QPoint middle = bar->ganttDrawer()->getRect().toQRect().center();
        return graph.view().locateDraggingObject(middle.x(), middle.y()) == bar ? middle : QPoint(-1, -1);
    }

    // The bars whose start is not the one in `starts`.
    int moved(const std::vector<TDateTime> &starts)
    {
        int count = 0;
        for (int r = 0; r < static_cast<int>(starts.size()); ++r)
            count += ds.GetTable()->getRow(r)->GetBarInRow(0)->getStartDate() != starts[size_t(r)];
        return count;
    }
    // Each row's bar start, row by row.
    std::vector<TDateTime> starts()
    {
        std::vector<TDateTime> all;
        for (int r = 0; r < ds.GetTable()->countRows(); ++r)
            all.push_back(ds.GetTable()->getRow(r)->GetBarInRow(0)->getStartDate());
        return all;
    }

    // A mouse event of the left button, as the platform delivers it.
    void send(QEvent::Type type, QPoint at)
    {
        const bool move = type == QEvent::MouseMove;
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(at), graph.mapToGlobal(QPointF(at)), move ? Qt::NoButton : Qt::LeftButton,
                          held, Qt::NoModifier);
        QCoreApplication::sendEvent(&graph, &event);
    }

    static Bound &of(int tasks)
    {
        std::unique_ptr<Bound> &plan = plans()[tasks];
        if (!plan)
            plan = std::make_unique<Bound>(tasks);
        return *plan;
    }
    // The plans go before the application does: controls need it to the end.
    static std::map<int, std::unique_ptr<Bound>> &plans()
    {
        static std::map<int, std::unique_ptr<Bound>> all;
        return all;
    }
};

// Back and forth by a column, so the outline stays over the bar's dates.
void BM_DragMove(benchmark::State &state)
{
    Bound &plan = Bound::of(static_cast<int>(state.range(0)));
    const QPoint middle = plan.show(static_cast<int>(state.range(0)) / 2);
    const QPoint step(plan.ds.GetTable()->GetColumnWidth(), 0);
    plan.send(QEvent::MouseMove, middle);
    plan.send(QEvent::MouseButtonPress, middle);
    if (plan.graph.getCurrentState() != mouseState::draggingObject) {
        state.SkipWithError("the press found no bar");
        return;
    }
    bool out = true;
    for (auto _ : state) {
        plan.send(QEvent::MouseMove, out ? middle + step : middle);
        out = !out;
    }
    // Released where it was pressed: a click, which changes nothing.
    plan.send(QEvent::MouseMove, middle);
    plan.send(QEvent::MouseButtonRelease, middle);
    if (plan.graph.getCurrentState() != mouseState::simplyMoving || plan.ds.getUndoRedoStack().GetUndoOperationCount())
        state.SkipWithError("the drag did not end as a click");
}
BENCHMARK(BM_DragMove)->Arg(10000)->Unit(benchmark::kMillisecond);

// The release of the bar in the middle dragged range(1) columns later: by one
// its slack takes the move, by 10 it pushes the tasks after it until their
// slack takes the push. Press, moves and the undo that puts the plan back are
// not timed.
void BM_Drop(benchmark::State &state)
{
    Bound &plan = Bound::of(static_cast<int>(state.range(0)));
    const QPoint middle = plan.show(static_cast<int>(state.range(0)) / 2);
    if (middle.x() < 0) {
        state.SkipWithError("the press finds no bar");
        return;
    }
    TPLXUndoRedoStack &stack = plan.ds.getUndoRedoStack();
    const QPoint target = middle + QPoint(plan.ds.GetTable()->GetColumnWidth() * static_cast<int>(state.range(1)), 0);
    const std::vector<TDateTime> starts = plan.starts();
    for (auto _ : state) {
        state.PauseTiming();
        plan.send(QEvent::MouseMove, middle);
        plan.send(QEvent::MouseButtonPress, middle);
        plan.send(QEvent::MouseMove, middle + QPoint(5, 0));
        // Twice: the move that leaves the bar moves nothing.
        plan.send(QEvent::MouseMove, target);
        plan.send(QEvent::MouseMove, target);
        state.ResumeTiming();
        plan.send(QEvent::MouseButtonRelease, target);
        state.PauseTiming();
        state.counters["moved"] = plan.moved(starts);
        if (stack.GetUndoOperationCount() != 1) {
            state.SkipWithError("the drop recorded no move");
            break;
        }
        stack.undo();
        stack.clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Drop)->Args({10000, 1})->Args({10000, 10})->Unit(benchmark::kMillisecond);

} // namespace

PLX_WIDGET_BENCHMARK_MAIN(Bound::plans().clear())
