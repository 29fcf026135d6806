// Cost of recording, undoing and redoing operations, and whether a step gets
// dearer as the history grows.
#include "plxOperation.h"

#include <benchmark/benchmark.h>

namespace {

class CounterOperation : public TPLXOperation
{
public:
    explicit CounterOperation(long &document)
        : FDocument(document)
    {
    }
    bool perform() override
    {
        ++FDocument;
        return true;
    }
    bool undo() override
    {
        --FDocument;
        return true;
    }

private:
    long &FDocument;
};

// Pushes N operations, undoes all of them and redoes all of them.
void BM_PushUndoRedo(benchmark::State &state)
{
    const auto n = state.range(0);
    long document = 0;
    for (auto _ : state) {
        TPLXUndoRedoStack stack;
        for (int64_t i = 0; i < n; ++i)
            stack.doOperation(std::make_unique<CounterOperation>(document));
        for (int64_t i = 0; i < n; ++i)
            stack.undo();
        for (int64_t i = 0; i < n; ++i)
            stack.redo();
        benchmark::DoNotOptimize(document);
    }
    state.SetItemsProcessed(state.iterations() * n * 3);
}
BENCHMARK(BM_PushUndoRedo)->Arg(100000)->Unit(benchmark::kMillisecond);

// One undo and one redo on top of a history of the given depth.
void BM_UndoRedoStepAtDepth(benchmark::State &state)
{
    long document = 0;
    TPLXUndoRedoStack stack;
    for (int64_t i = 0; i < state.range(0); ++i)
        stack.doOperation(std::make_unique<CounterOperation>(document));
    for (auto _ : state) {
        stack.undo();
        stack.redo();
    }
    benchmark::DoNotOptimize(document);
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_UndoRedoStepAtDepth)->Arg(10)->Arg(1000)->Arg(100000);

// Recording a new operation (which frees the one undone before it) and undoing
// it again, on top of a history of the given depth.
void BM_DoAndUndoAtDepth(benchmark::State &state)
{
    long document = 0;
    TPLXUndoRedoStack stack;
    for (int64_t i = 0; i < state.range(0); ++i)
        stack.doOperation(std::make_unique<CounterOperation>(document));
    for (auto _ : state) {
        stack.doOperation(std::make_unique<CounterOperation>(document));
        stack.undo();
    }
    benchmark::DoNotOptimize(document);
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_DoAndUndoAtDepth)->Arg(10)->Arg(1000)->Arg(100000);

} // namespace

BENCHMARK_MAIN();
