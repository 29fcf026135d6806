// Opening and saving large generated plans through the data source: each task
// is a row with one task bar and two finish-start links to the next tasks, so
// a plan of n tasks holds 4n entities. Opening and saving should grow linearly
// with the entities, and an open document should hold at most a few times its
// file's size in memory.
#include "plxBenchMain.h"
#include "plxBenchPlans.h"
#include "plxDataSource.h"
#include "plxPlatform.h"

#include <QFile>
#include <QTemporaryDir>

#include <malloc.h>
#include <map>
#include <memory>

namespace {

// Kilobytes of a line of /proc/self/status ("VmRSS", "VmHWM").
qint64 statusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

// Lets VmHWM measure the peak from here on, from a heap that holds no freed memory.
void resetPeak()
{
    malloc_trim(0);
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

struct Plan
{
    QTemporaryDir dir;
    QString storage;
    QString copy;
    qint64 size = 0;

    explicit Plan(int tasks)
    {
        const QString path = dir.filePath(QStringLiteral("plan.ini"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        size = file.write(plxbench::generatePlan(tasks));
        storage = QStringLiteral("file://") + path;
        copy = QStringLiteral("file://") + dir.filePath(QStringLiteral("copy.ini"));
    }
};

Plan &plan(int tasks)
{
    static std::map<int, std::unique_ptr<Plan>> plans;
    auto &p = plans[tasks];
    if (!p)
        p = std::make_unique<Plan>(tasks);
    return *p;
}

void BM_OpenLargePlan(benchmark::State &state)
{
    const int tasks = static_cast<int>(state.range(0));
    Plan &p = plan(tasks);
    double peakRatio = 0;
    // What the open document keeps, once loading is over.
    double heldRatio = 0;
    // No recorder: a log that is heard gets the critical path's figures for every bar.
    for (auto _ : state) {
        // Building an empty source and freeing the plan are not part of opening it.
        state.PauseTiming();
        auto source = std::make_unique<TPLXDataSource>();
        resetPeak();
        const qint64 before = statusKb("VmRSS");
        state.ResumeTiming();
        source->setStorage(p.storage);
        benchmark::DoNotOptimize(source->root());
        state.PauseTiming();
        peakRatio = double(statusKb("VmHWM") - before) * 1024.0 / double(p.size);
        malloc_trim(0);
        heldRatio = double(statusKb("VmRSS") - before) * 1024.0 / double(p.size);
        source.reset();
        state.ResumeTiming();
    }
    state.counters["entities"] = 4.0 * tasks;
    state.counters["fileMB"] = double(p.size) / 1e6;
    state.counters["peakMemPerFileByte"] = peakRatio;
    state.counters["heldMemPerFileByte"] = heldRatio;
    state.SetComplexityN(4 * tasks);
}

void BM_SaveLargePlan(benchmark::State &state)
{
    const int tasks = static_cast<int>(state.range(0));
    Plan &p = plan(tasks);
    TPLXDataSource source;
    source.setStorage(p.storage);
    for (auto _ : state) {
        source.SaveToMedia(p.copy);
    }
    state.counters["entities"] = 4.0 * tasks;
    state.SetComplexityN(4 * tasks);
}

} // namespace

BENCHMARK(BM_OpenLargePlan)
    ->Arg(2500)
    ->Arg(25000)
    ->Arg(250000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_SaveLargePlan)
    ->Arg(2500)
    ->Arg(25000)
    ->Arg(250000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Complexity(benchmark::oN);

PLX_GUI_BENCHMARK_MAIN()
