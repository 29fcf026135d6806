// Entity factory speed: build a generated tree of test entities; the time
// should grow linearly with the number of sections.
#include "plxPlatform.h"
#include "plxTestSupport.h"

#include <benchmark/benchmark.h>

namespace {

// A root with `sections / 100` children of 99 grandchildren each, plus one
// child per node that refers back into the tree (a shared reference).
QByteArray generate(int sections)
{
    QByteArray text;
    const int groups = sections / 100;
    text += "[root]\ntypeID=Test Node\nchildren#count=" + QByteArray::number(groups) + "\n";
    for (int g = 0; g < groups; ++g)
        text += "children#" + QByteArray::number(g) + "=g" + QByteArray::number(g) + "\n";
    for (int g = 0; g < groups; ++g) {
        text += "[g" + QByteArray::number(g) + "]\ntypeID=Test Node\nchild=root\nchildren#count=99\n";
        for (int c = 0; c < 99; ++c)
            text += "children#" + QByteArray::number(c) + "=n" + QByteArray::number(g) + "_" + QByteArray::number(c) +
                    "\n";
        for (int c = 0; c < 99; ++c)
            text += "[n" + QByteArray::number(g) + "_" + QByteArray::number(c) +
                    "]\ntypeID=Test Node\nname=leaf\n"
                    "count=" +
                    QByteArray::number(c) + "\nchild=g" + QByteArray::number(g) + "\n";
    }
    return text;
}

void BM_LoadTree(benchmark::State &state)
{
    const int sections = static_cast<int>(state.range(0));
    PLXMedia media = plxtest::mediaFromText(generate(sections));
    for (auto _ : state) {
        TPLXRecordingScope quiet; // the back references are reported, not shown
        TPLXTestFactory factory;
        std::unique_ptr<TPLXGanttObject> root(factory.loadObject(QStringLiteral("root"), *media, nullptr));
        benchmark::DoNotOptimize(root.get());
        state.counters["loaded"] = factory.loadedCount();
    }
    state.SetComplexityN(sections);
}

} // namespace

BENCHMARK(BM_LoadTree)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3)->Complexity();
BENCHMARK_MAIN();
