// Working-time arithmetic of the document calendar: the indexed answers
// against the plain interval-by-interval walk, on a calendar with weekends,
// 100 holidays over ten years and five recurring exceptions.
#include "plxCalendarOracle.h"

#include "plxDocumentCalendar.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <random>
#include <vector>

namespace {

struct TCase
{
    TDateTime date;
    double span;
    TDateTime other;
};

struct TFixture
{
    TPLXDocumentCalendar calendar;
    std::vector<TCase> cases;

    TFixture()
    {
        std::mt19937_64 rng(42);
        calendar.addDateCategory(std::make_unique<TPLXWeekendsDateCategory>());
        auto holidays = std::make_unique<TPLXDateCategory>(QStringLiteral("Holidays"), 0xFF);
        std::uniform_int_distribution<int> day(0, 3650);
        const double from = PLXEncodeDate(2020, 1, 1);
        for (int i = 0; i < 100; ++i)
            holidays->addDate(std::make_unique<TPLXFixedDateException>(from + day(rng), QStringLiteral("holiday")));
        calendar.addDateCategory(std::move(holidays));
        auto recurring = std::make_unique<TPLXDateCategory>(QStringLiteral("Recurring"), 0xFF00);
        const double to = PLXEncodeDate(2030, 1, 1);
        recurring->addDate(std::make_unique<TPLXRecurringDateException>(tmWeek, 1, 5, 6, 14, 0, QString(), from, to));
        recurring->addDate(std::make_unique<TPLXRecurringDateException>(tmWeek, 2, 3, 3, 8, 12, QString(), from, to));
        recurring->addDate(std::make_unique<TPLXRecurringDateException>(tmMonth, 1, 1, 2, 0, 0, QString(), from, to));
        recurring->addDate(
            std::make_unique<TPLXRecurringDateException>(tmQuarter, 1, 1, 3, 0, 12, QString(), from, to));
        recurring->addDate(std::make_unique<TPLXRecurringDateException>(tmYear, 1, 358, 1, 0, 0, QString(), from, to));
        calendar.addDateCategory(std::move(recurring));

        std::uniform_real_distribution<double> date(PLXEncodeDate(2021, 1, 1), PLXEncodeDate(2028, 1, 1));
        std::uniform_real_distribution<double> span(0.0, 250.0);
        cases.reserve(1'000'000);
        for (int i = 0; i < 1'000'000; ++i) {
            const double d = date(rng);
            const double s = span(rng);
            cases.push_back({d, s, d + s * 1.4});
        }
    }
};

TFixture &fixture()
{
    static TFixture instance;
    return instance;
}

enum class TOp { add, diff };

double runProduct(TFixture &f, TOp op, size_t begin, size_t end)
{
    double sum = 0;
    for (size_t i = begin; i < end; ++i) {
        const TCase &c = f.cases[i];
        sum +=
            op == TOp::add ? f.calendar.addEffective(c.date, c.span, true) : f.calendar.diffEffective(c.date, c.other);
    }
    return sum;
}

double runOracle(TFixture &f, TOp op, size_t begin, size_t end)
{
    double sum = 0;
    for (size_t i = begin; i < end; ++i) {
        const TCase &c = f.cases[i];
        sum += op == TOp::add ? plxtest::addEffective(f.calendar, c.date, c.span, true)
                              : plxtest::diffEffective(f.calendar, c.date, c.other);
    }
    return sum;
}

template<typename Run>
double secondsFor(Run run)
{
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(run());
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// One iteration is the full million calls; the walk is timed on a sample in the same run.
void measure(benchmark::State &state, TOp op)
{
    TFixture &f = fixture();
    const size_t calls = f.cases.size();
    runProduct(f, op, 0, 1000); // first use builds the index
    for (auto _ : state)
        benchmark::DoNotOptimize(runProduct(f, op, 0, calls));
    const double product = secondsFor([&] { return runProduct(f, op, 0, calls); }) / static_cast<double>(calls);
    constexpr size_t sample = 3000;
    const double oracle = secondsFor([&] { return runOracle(f, op, 0, sample); }) / sample;
    state.counters["calls"] = static_cast<double>(calls);
    state.counters["product_ns_per_call"] = product * 1e9;
    state.counters["walk_ns_per_call"] = oracle * 1e9;
    state.counters["walk_s_per_1M_calls"] = oracle * 1e6;
    state.counters["speedup"] = oracle / product;
}

void BM_addEffective_1M(benchmark::State &state)
{
    measure(state, TOp::add);
}

void BM_diffEffective_1M(benchmark::State &state)
{
    measure(state, TOp::diff);
}

// The walk alone, per call, for comparison in the usual benchmark columns.
void BM_walk_addEffective(benchmark::State &state)
{
    TFixture &f = fixture();
    size_t i = 0;
    for (auto _ : state) {
        const TCase &c = f.cases[i++ % f.cases.size()];
        benchmark::DoNotOptimize(plxtest::addEffective(f.calendar, c.date, c.span, true));
    }
}

void BM_index_addEffective(benchmark::State &state)
{
    TFixture &f = fixture();
    size_t i = 0;
    for (auto _ : state) {
        const TCase &c = f.cases[i++ % f.cases.size()];
        benchmark::DoNotOptimize(f.calendar.addEffective(c.date, c.span, true));
    }
}

// Building the index for ten years after a change.
void BM_rebuildAfterChange(benchmark::State &state)
{
    TFixture &f = fixture();
    for (auto _ : state) {
        PLXCalendarChanged();
        benchmark::DoNotOptimize(f.calendar.addEffective(PLXEncodeDate(2021, 1, 1), 2500, true));
    }
}

} // namespace

BENCHMARK(BM_addEffective_1M)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_diffEffective_1M)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_index_addEffective);
BENCHMARK(BM_walk_addEffective)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_rebuildAfterChange)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
