// Distance repair after moving the head of a chain of task bars, one per row,
// each linked to the next by finish-start with distance 0: the repair itself,
// and the undo and redo of the step it records.
#include "plxDocumentFixture.h"

#include <benchmark/benchmark.h>

#include <map>

namespace {

using namespace plxtest;

// No recording scope: a heard log makes the critical path write every bar's times.
struct TChain
{
    QTemporaryDir dir;
    TPLXDataSource ds;

    explicit TChain(const Document &doc)
    {
        ds.setStorage(storageFor(dir, QStringLiteral("chain.ini"), text(doc)));
        ds.root()->setEndDate(kMonday + 1000000);
    }
    TPLXGanttBar *head() const { return ds.GetTable()->getRow(0)->GetBarInRow(0); }
    TPLXUndoRedoStack &stack() { return ds.getUndoRedoStack(); }
    // The head three days later (working days pass the weekend), not yet repaired.
    void moveHead() { ds.BarMove(head(), kMonday + 3, 0); }
};

Document chainOf(int count)
{
    Document doc;
    for (int i = 0; i < count; ++i) {
        doc.rows.append(Row{{Bar{QStringLiteral("B%1").arg(i), kMonday + i + 2 * (i / 5)}}});
        if (i > 0)
            doc.connections.append(Connection{QStringLiteral("C%1").arg(i), QStringLiteral("B%1").arg(i - 1),
                                              QStringLiteral("B%1").arg(i)});
    }
    return doc;
}

TChain &chain(int count)
{
    // Kept to the end of the process: documents outlive the benchmarks' teardown.
    static auto *chains = new std::map<int, std::unique_ptr<TChain>>;
    auto &slot = (*chains)[count];
    if (!slot)
        slot = std::make_unique<TChain>(chainOf(count));
    return *slot;
}

enum class Timed { Repair, Undo, Redo };

void run(benchmark::State &state, Timed timed)
{
    TChain &c = chain(static_cast<int>(state.range(0)));
    TPLXUndoRedoStack &stack = c.stack();
    for (auto _ : state) {
        state.PauseTiming();
        c.moveHead();
        if (timed == Timed::Repair)
            state.ResumeTiming();
        c.ds.ResolveDistanceViolations(c.head());
        if (timed == Timed::Undo)
            state.ResumeTiming();
        else if (timed == Timed::Repair)
            state.PauseTiming();
        stack.undo();
        if (timed == Timed::Redo) {
            state.ResumeTiming();
            stack.redo();
            state.PauseTiming();
            stack.undo();
        } else if (timed == Timed::Undo) {
            state.PauseTiming();
        }
        stack.undo();
        state.ResumeTiming();
    }
}

void BM_DistanceRepair(benchmark::State &state)
{
    run(state, Timed::Repair);
}

void BM_DistanceRepairUndo(benchmark::State &state)
{
    run(state, Timed::Undo);
}

void BM_DistanceRepairRedo(benchmark::State &state)
{
    run(state, Timed::Redo);
}

} // namespace

BENCHMARK(BM_DistanceRepair)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DistanceRepairUndo)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DistanceRepairRedo)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
