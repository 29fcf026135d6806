// "Which connections touch this bar?": the document's bar index against a
// scan of the connection list, on a chain of task bars one per row with a
// connection between each pair of neighbours (what bar moves and deletes ask).
#include "plxBarConnection.h"
#include "plxGanttDocument.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxTaskBar.h"

#include <benchmark/benchmark.h>

#include <map>
#include <random>
#include <vector>

namespace {

struct TChain
{
    TPLXGanttDocument document;
    std::vector<TPLXGanttBar *> bars;

    explicit TChain(int count)
    {
        auto table = std::make_unique<TPLXGanttTable>();
        table->setAutoUpdateCriticalPath(false);
        table->setParent(&document);
        document.setTable(table.release());
        for (int i = 0; i < count; ++i) {
            TPLXGanttRow *row = document.GetTable()->appendRow();
            auto bar = std::make_unique<TPLXTaskBar>(45292.0 + i, 45293.0 + i, i);
            row->AddBar(bar.get());
            bars.push_back(bar.release());
        }
        for (int i = 1; i < count; ++i)
            document.addConnection(std::make_unique<TPLXBarConnection>(bars[i - 1], bars[i], 1, &document).release());
    }
};

TChain &chain(int count)
{
    static std::map<int, std::unique_ptr<TChain>> chains;
    auto &slot = chains[count];
    if (!slot)
        slot = std::make_unique<TChain>(count);
    return *slot;
}

void BM_ConnectionsOfIndexed(benchmark::State &state)
{
    TChain &c = chain(static_cast<int>(state.range(0)));
    std::mt19937 rng(7);
    std::uniform_int_distribution<size_t> pick(0, c.bars.size() - 1);
    for (auto _ : state) {
        QList<TPLXBarConnection *> found = c.document.connectionsOf(c.bars[pick(rng)]);
        benchmark::DoNotOptimize(found);
    }
}

void BM_ConnectionsOfScan(benchmark::State &state)
{
    TChain &c = chain(static_cast<int>(state.range(0)));
    std::mt19937 rng(7);
    std::uniform_int_distribution<size_t> pick(0, c.bars.size() - 1);
    for (auto _ : state) {
        const TPLXGanttBar *bar = c.bars[pick(rng)];
        QList<TPLXBarConnection *> found;
        for (TPLXBarConnection *connection : std::as_const(c.document.getConnections()))
            if (connection->getFromBar() == bar || connection->getToBar() == bar)
                found.append(connection);
        benchmark::DoNotOptimize(found);
    }
}

void BM_FindConnection(benchmark::State &state)
{
    TChain &c = chain(static_cast<int>(state.range(0)));
    std::mt19937 rng(7);
    std::uniform_int_distribution<size_t> pick(1, c.bars.size() - 1);
    for (auto _ : state) {
        const size_t i = pick(rng);
        benchmark::DoNotOptimize(c.document.findConnection(c.bars[i], c.bars[i - 1], -1));
    }
}

} // namespace

BENCHMARK(BM_ConnectionsOfIndexed)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_ConnectionsOfScan)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_FindConnection)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK_MAIN();
