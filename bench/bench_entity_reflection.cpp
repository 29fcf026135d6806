// Why entities are gadgets: the cost of a QObject per entity against a
// Q_GADGET with a virtual meta-object accessor, for creation, memory and
// property access by name.
#include "plxTestSupport.h"

#include <benchmark/benchmark.h>

#include <QMetaProperty>
#include <QObject>

#include <malloc.h>

namespace {

// The same entity data carried by a QObject instead.
class QObjectNode : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int Count READ count WRITE setCount)

public:
    int count() const { return data.Count; }
    void setCount(int c) { data.Count = c; }
    TPLXTestNode data;
};

size_t heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

constexpr int kEntities = 1000000;

template<typename T>
void create(benchmark::State &state)
{
    double bytesPerEntity = 0;
    for (auto _ : state) {
        const size_t before = heapInUse();
        std::vector<std::unique_ptr<T>> entities;
        entities.reserve(kEntities);
        for (int i = 0; i < kEntities; ++i)
            entities.push_back(std::make_unique<T>());
        bytesPerEntity = double(heapInUse() - before) / kEntities;
        benchmark::DoNotOptimize(entities.data());
    }
    state.counters["bytes_per_entity"] = bytesPerEntity;
}

void BM_CreateGadgetEntities(benchmark::State &state)
{
    create<TPLXTestNode>(state);
}

void BM_CreateQObjectEntities(benchmark::State &state)
{
    create<QObjectNode>(state);
}

void BM_ReadPropertyGadget(benchmark::State &state)
{
    TPLXTestNode node;
    node.Count = 7;
    TPLXGanttObject *base = &node;
    for (auto _ : state)
        benchmark::DoNotOptimize(base->property("Count").toInt());
}

void BM_ReadPropertyQObject(benchmark::State &state)
{
    QObjectNode node;
    node.setCount(7);
    QObject *base = &node;
    for (auto _ : state)
        benchmark::DoNotOptimize(base->property("Count").toInt());
}

} // namespace

BENCHMARK(BM_CreateGadgetEntities)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CreateQObjectEntities)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadPropertyGadget);
BENCHMARK(BM_ReadPropertyQObject);
BENCHMARK_MAIN();

#include "bench_entity_reflection.moc"
