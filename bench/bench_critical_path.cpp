// The critical-path refresh on large plans (10,000 tasks with 15,000
// connections, 100,000 with 150,000) with its peak extra heap, and the plain
// reference procedure on a 500-task plan against the calculator in the same run.
#include "plxCriticalPathOracle.h"

#include "plxBarConnection.h"
#include "plxCriticalPath.h"
#include "plxDocumentCalendar.h"
#include "plxGanttDocument.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxPlatform.h"
#include "plxTaskBar.h"
#include "plxTimeMode.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <random>
#include <vector>

// Heap accounting: every allocation of the program passes through these.
extern "C" {
void *__libc_malloc(size_t);
void *__libc_calloc(size_t, size_t);
void *__libc_realloc(void *, size_t);
void *__libc_memalign(size_t, size_t);
void __libc_free(void *);
}

namespace {

std::atomic<long long> heapNow{0};
std::atomic<long long> heapPeak{0};

void *counted(void *p)
{
    if (p) {
        const long long now = heapNow.fetch_add(static_cast<long long>(malloc_usable_size(p))) +
                              static_cast<long long>(malloc_usable_size(p));
        long long peak = heapPeak.load();
        while (now > peak && !heapPeak.compare_exchange_weak(peak, now)) {
        }
    }
    return p;
}

void uncount(void *p)
{
    if (p)
        heapNow.fetch_sub(static_cast<long long>(malloc_usable_size(p)));
}

} // namespace

extern "C" {
void *malloc(size_t size)
{
    return counted(__libc_malloc(size));
}
void *calloc(size_t n, size_t size)
{
    return counted(__libc_calloc(n, size));
}
void *realloc(void *p, size_t size)
{
    uncount(p);
    return counted(__libc_realloc(p, size));
}
void *memalign(size_t alignment, size_t size)
{
    return counted(__libc_memalign(alignment, size));
}
void *aligned_alloc(size_t alignment, size_t size)
{
    return counted(__libc_memalign(alignment, size));
}
int posix_memalign(void **out, size_t alignment, size_t size)
{
    *out = counted(__libc_memalign(alignment, size));
    return *out ? 0 : 12; // ENOMEM
}
void free(void *p)
{
    uncount(p);
    __libc_free(p);
}
}

namespace {

struct TBenchCalendar
{
    TPLXDocumentCalendar calendar;
    TBenchCalendar()
    {
        calendar.addDateCategory(std::make_unique<TPLXWeekendsDateCategory>());
        auto holidays = std::make_unique<TPLXHolidaysDateCategory>();
        std::mt19937 rng(7);
        const TDateTime from = PLXEncodeDate(2024, 1, 1);
        for (int i = 0; i < 60; ++i)
            holidays->addDate(std::make_unique<TPLXFixedDateException>(from + rng() % 1500, QStringLiteral("h")));
        calendar.addDateCategory(std::move(holidays));
    }
};

TPLXDocumentCalendar &calendar()
{
    static TBenchCalendar instance;
    return instance.calendar;
}

// Tasks over about two years; each connection runs to one of the next 50
// tasks, mostly finish-start, so the plan has long chains and no cycle.
TPLXCriticalPathPlan makePlan(int tasks, int links, unsigned seed)
{
    std::mt19937 rng(seed);
    IPLXCalendar &cal = calendar();
    TPLXCriticalPathPlan plan;
    plan.tasks.reserve(size_t(tasks));
    const TDateTime from = PLXEncodeDate(2024, 3, 4);
    for (int i = 0; i < tasks; ++i) {
        TPLXCriticalPathTask task;
        task.startDate = from + double(rng() % 700);
        task.effectiveDuration = 1 + rng() % 10;
        task.endDate = cal.addEffective(task.startDate, task.effectiveDuration, false);
        task.effectiveStart = cal.findFirstEffective(task.startDate);
        task.effectiveEnd = task.endDate;
        plan.tasks.push_back(task);
    }
    plan.links.reserve(size_t(links));
    for (int k = 0; k < links; ++k) {
        const int a = int(rng() % unsigned(tasks - 1));
        const int b = std::min(tasks - 1, a + 1 + int(rng() % 50));
        static const int types[10] = {1, 1, 1, 1, 1, 1, 1, 0, 2, 3};
        plan.links.push_back({a, b, types[rng() % 10], int(rng() % 3)});
    }
    return plan;
}

void solveLarge(benchmark::State &state)
{
    const int tasks = int(state.range(0));
    const TPLXCriticalPathPlan plan = makePlan(tasks, tasks * 3 / 2, 11);
    TPLXCriticalPathCalculator::solve(plan, calendar()); // builds the calendar index
    long long extra = 0;
    for (auto _ : state) {
        const long long before = heapNow.load();
        heapPeak.store(before);
        benchmark::DoNotOptimize(TPLXCriticalPathCalculator::solve(plan, calendar()));
        extra = std::max(extra, heapPeak.load() - before);
    }
    state.counters["tasks"] = double(tasks);
    state.counters["connections"] = double(plan.links.size());
    state.counters["peak_extra_MB"] = double(extra) / (1024.0 * 1024.0);
}

// The same plans with a few connections running back, so cycles form.
void solveWithCycles(benchmark::State &state)
{
    const int tasks = int(state.range(0));
    TPLXCriticalPathPlan plan = makePlan(tasks, tasks * 3 / 2, 11);
    std::mt19937 rng(3);
    for (int k = 0; k < int(state.range(1)); ++k) {
        const int a = int(rng() % unsigned(tasks - 60)) + 30;
        plan.links.push_back({a, a - 1 - int(rng() % 20), 1, 0});
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(TPLXCriticalPathCalculator::solve(plan, calendar()));
    state.counters["tasks"] = double(tasks);
    state.counters["connections"] = double(plan.links.size());
}

double secondsFor(const std::function<void()> &run)
{
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The reference procedure and the calculator on the same 500-task plan.
void referenceAgainstCalculator(benchmark::State &state)
{
    const TPLXCriticalPathPlan plan = makePlan(500, 750, 11);
    TPLXCriticalPathCalculator::solve(plan, calendar());
    double reference = 0;
    for (auto _ : state) {
        TPLXCriticalPathOracle oracle(plan, calendar());
        benchmark::DoNotOptimize(oracle.refresh());
    }
    reference = secondsFor([&] {
        TPLXCriticalPathOracle oracle(plan, calendar());
        benchmark::DoNotOptimize(oracle.refresh());
    });
    double product = 1e30;
    for (int i = 0; i < 20; ++i)
        product = std::min(product, secondsFor([&] {
                               benchmark::DoNotOptimize(TPLXCriticalPathCalculator::solve(plan, calendar()));
                           }));
    state.counters["reference_ms"] = reference * 1e3;
    state.counters["calculator_ms"] = product * 1e3;
    state.counters["speedup"] = reference / product;
}

// A document holding `plan`: five task bars per row, the connections in plan order.
struct TDocument
{
    TPLXGanttDocument doc;
    TPLXGanttTable *table = nullptr;

    explicit TDocument(const TPLXCriticalPathPlan &plan)
    {
        auto cal = std::make_unique<TPLXDocumentCalendar>();
        cal->addDateCategory(std::make_unique<TPLXWeekendsDateCategory>());
        auto holidays = std::make_unique<TPLXHolidaysDateCategory>();
        std::mt19937 rng(7);
        const TDateTime from = PLXEncodeDate(2024, 1, 1);
        for (int i = 0; i < 60; ++i)
            holidays->addDate(std::make_unique<TPLXFixedDateException>(from + rng() % 1500, QStringLiteral("h")));
        cal->addDateCategory(std::move(holidays));
        cal->setParent(&doc);
        doc.setCalendar(cal.release());
        auto t = std::make_unique<TPLXGanttTable>();
        t->setParent(&doc);
        doc.setTable(table = t.release());
        table->setAutoUpdateCriticalPath(false); // no refresh per added connection
        std::vector<TPLXTaskBar *> bars;
        TPLXGanttRow *row = nullptr;
        for (size_t i = 0; i < plan.tasks.size(); ++i) {
            if (i % 5 == 0)
                row = table->appendRow();
            auto bar = std::make_unique<TPLXTaskBar>(plan.tasks[i].startDate, plan.tasks[i].startDate,
                                                     table->countRows() - 1);
            bar->setEffectiveDuration(plan.tasks[i].effectiveDuration);
            bars.push_back(bar.get());
            row->AddBar(bar.release());
        }
        for (const TPLXCriticalPathLink &link : plan.links) {
            auto c = std::make_unique<TPLXBarConnection>(bars[size_t(link.from)], bars[size_t(link.to)], link.connType,
                                                         &doc);
            c->setMinDistance(link.minDistance);
            doc.addConnection(c.release());
        }
        table->setAutoUpdateCriticalPath(true);
    }
};

// Takes log lines and drops them: a refresh that formats its four lines per bar.
class TLogSink : public TPLXServices
{
public:
    void writeLog(const QString &, bool) override {}
    bool logListened() const override { return true; }
};

// The table's refresh on a real document: reading the bars and connections,
// the calculation, writing the times and marks; with the second argument 1,
// a log listener takes every line.
void refreshDocument(benchmark::State &state)
{
    const int tasks = int(state.range(0));
    TDocument document(makePlan(tasks, tasks * 3 / 2, 11));
    TLogSink sink;
    TPLXServices *const previous = state.range(1) ? TPLXServices::install(&sink) : nullptr;
    TPLXCriticalPathCalculator calculator(document.table);
    calculator.refreshCriticalPath();
    long long extra = 0;
    for (auto _ : state) {
        const long long before = heapNow.load();
        heapPeak.store(before);
        calculator.refreshCriticalPath();
        extra = std::max(extra, heapPeak.load() - before);
    }
    state.counters["tasks"] = double(tasks);
    state.counters["connections"] = double(document.doc.countConnections());
    state.counters["critical_bars"] = double(calculator.criticalBars().size());
    state.counters["peak_extra_MB"] = double(extra) / (1024.0 * 1024.0);
    if (state.range(1))
        TPLXServices::install(previous);
}

} // namespace

BENCHMARK(refreshDocument)
    ->Args({500, 0})
    ->Args({10000, 0})
    ->Args({100000, 0})
    ->Args({10000, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(solveLarge)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(solveWithCycles)
    ->Args({1000, 1})
    ->Args({1000, 5})
    ->Args({10000, 1})
    ->Args({10000, 5})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(referenceAgainstCalculator)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_MAIN();
