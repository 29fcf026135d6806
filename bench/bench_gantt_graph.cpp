// The chart control on large plans: one full paint of a 1,920 x 1,080
// control, scrolling by a row, a column or a page with its repaint, and a bar
// moved through the data source up to the finished repaint (critical path,
// summaries and distance repair included). Each task is a row with one task
// bar and two finish-start links to the next tasks; the task tree is the
// built-in one with a row per task, under a week and a day band.
#include "plxBenchMain.h"
#include "plxBenchPlans.h"
#include "plxDataSource.h"
#include "plxDocumentFixture.h"
#include "plxGanttBar.h"
#include "plxGanttGraph.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"

#include <QApplication>
#include <QScrollBar>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

// A plan of `tasks` rows bound to a 1,920 x 1,080 control, built once per size.
struct Bound
{
    // No recorder: like an application without a log file, nobody takes the
    // diagnostic lines, so they are not even formatted.
    QTemporaryDir dir;
    TPLXDataSource ds;
    TPLXGanttGraph graph;

    explicit Bound(int tasks)
    {
        ds.setStorage(plxtest::storageFor(dir, QStringLiteral("plan.ini"),
                                          plxbench::generatePlan(tasks, {.bands = true, .startDay = [](int i, int) {
                                                                             return (i * 2) % 30;
                                                                         }})));
        graph.resize(1920, 1080);
        graph.setDataSource(&ds);
    }

    // The plans go before the application does: controls need it to the end.
    static std::map<int, std::unique_ptr<Bound>> &plans()
    {
        static std::map<int, std::unique_ptr<Bound>> all;
        return all;
    }
    static Bound &of(int tasks)
    {
        std::unique_ptr<Bound> &plan = plans()[tasks];
        if (!plan)
            plan = std::make_unique<Bound>(tasks);
        return *plan;
    }
};

void BM_FullPaint(benchmark::State &state)
{
    Bound &plan = Bound::of(static_cast<int>(state.range(0)));
    plan.ds.GetTable()->SetScrolledLines(static_cast<int>(state.range(0)) / 2);
    for (auto _ : state)
        plan.graph.Paint();
    state.counters["rows"] = static_cast<double>(plan.ds.GetTable()->countRows());
}
BENCHMARK(BM_FullPaint)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Back and forth, so the chart stays in the middle of the plan.
void BM_ScrollRow(benchmark::State &state)
{
    Bound &plan = Bound::of(static_cast<int>(state.range(0)));
    plan.ds.GetTable()->SetScrolledLines(static_cast<int>(state.range(0)) / 2);
    int step = 1;
    for (auto _ : state) {
        plan.graph.verticalLineStep(step);
        step = -step;
    }
}
BENCHMARK(BM_ScrollRow)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ScrollColumn(benchmark::State &state)
{
    Bound &plan = Bound::of(static_cast<int>(state.range(0)));
    plan.ds.GetTable()->SetScrolledLines(static_cast<int>(state.range(0)) / 2);
    int step = 1;
    for (auto _ : state) {
        plan.graph.docScrollerChanged(plan.graph.getDocScrollerLastPosition() + step);
        step = -step;
    }
}
BENCHMARK(BM_ScrollColumn)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ScrollPage(benchmark::State &state)
{
    Bound &plan = Bound::of(static_cast<int>(state.range(0)));
    QScrollBar *bar = plan.graph.verticalScroller();
    bar->setValue(50);
    plan.ds.GetTable()->SetScrolledLines(static_cast<int>(state.range(0)) / 2);
    bool down = true;
    for (auto _ : state) {
        bar->triggerAction(down ? QAbstractSlider::SliderPageStepAdd : QAbstractSlider::SliderPageStepSub);
        down = !down;
    }
}
BENCHMARK(BM_ScrollPage)->Arg(100000)->Unit(benchmark::kMillisecond);

// A bar in the middle of the plan moved a day later and back; with range(1)
// clear the control is unbound, which leaves the model's share of the time.
void BM_BarMove(benchmark::State &state)
{
    Bound &plan = Bound::of(static_cast<int>(state.range(0)));
    const int row = static_cast<int>(state.range(0)) / 2;
    plan.ds.GetTable()->SetScrolledLines(row - 10);
    plan.graph.setDataSource(state.range(1) ? &plan.ds : nullptr);
    TPLXGanttBar *bar = plan.ds.GetTable()->getRow(row)->GetBarInRow(0);
    double shift = 1;
    for (auto _ : state) {
        plan.ds.BarMove(bar, bar->getStartDate() + shift, row);
        shift = -shift;
    }
    plan.graph.setDataSource(&plan.ds);
}
BENCHMARK(BM_BarMove)->Args({10000, 1})->Args({10000, 0})->Unit(benchmark::kMillisecond);

} // namespace

PLX_WIDGET_BENCHMARK_MAIN(Bound::plans().clear())
