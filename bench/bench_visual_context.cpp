// A drag outline moved across a full-HD chart: putting back only the area
// under the outline against repainting the whole buffer for every move.
#include "plxBenchMain.h"
#include "plxColors.h"
#include "plxVisualContext.h"

#include <benchmark/benchmark.h>

#include <QPainter>

#include <chrono>
#include <memory>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kMoves = 1000;

// A chart-like picture: background, row lines, day columns and bars.
void paintChart(TPLXVisualContext &vc)
{
    vc.FillArea({0, 0, kWidth, kHeight}, clWhite, bsSolid);
    vc.setPenWidth(1);
    vc.setPenStyle(psSolid);
    vc.setDrawingColor(clSilver);
    for (int y = 0; y < kHeight; y += 25)
        vc.drawLine(0, y, kWidth, y);
    for (int x = 0; x < kWidth; x += 40)
        vc.drawLine(x, 0, x, kHeight);
    for (int row = 0; row < kHeight / 25; ++row) {
        const int left = (row * 97) % (kWidth - 300);
        const TRect bar{left, row * 25 + 5, left + 120 + (row * 13) % 160, row * 25 + 20};
        vc.gradientFill(bar, clSkyBlue, clNavy, false);
        vc.drawRect(bar, psSolid, clBlack);
    }
}

TRect outlineAt(int move)
{
    const int x = (move * 17) % (kWidth - 220);
    const int y = (move * 7) % (kHeight - 30);
    return {x, y, x + 200, y + 20};
}

struct Chart
{
    Chart()
        : image(kWidth, kHeight, QImage::Format_RGB32)
        , painter(&image)
        , vc(painter)
    {
        vc.setVisibleArea({0, 0, kWidth, kHeight});
        paintChart(vc);
    }

    QImage image;
    QPainter painter;
    TPLXCanvasVC vc;
};

void moveWithSaveUnder(Chart &chart, int move)
{
    const TRect outline = outlineAt(move);
    chart.vc.restoreArea();
    chart.vc.saveArea(outline);
    chart.vc.drawRect(outline, psDot, clBlack);
}

void moveWithFullRepaint(Chart &chart, int move)
{
    paintChart(chart.vc);
    chart.vc.drawRect(outlineAt(move), psDot, clBlack);
}

void BM_OutlineMove_SaveUnder(benchmark::State &state)
{
    Chart chart;
    for (auto _ : state) {
        for (int move = 0; move < kMoves; ++move)
            moveWithSaveUnder(chart, move);
        benchmark::DoNotOptimize(chart.image.constBits());
    }
    state.counters["moves"] = benchmark::Counter(double(kMoves) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_OutlineMove_SaveUnder)->Unit(benchmark::kMillisecond);

void BM_OutlineMove_FullRepaint(benchmark::State &state)
{
    Chart chart;
    for (auto _ : state) {
        for (int move = 0; move < kMoves; ++move)
            moveWithFullRepaint(chart, move);
        benchmark::DoNotOptimize(chart.image.constBits());
    }
    state.counters["moves"] = benchmark::Counter(double(kMoves) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_OutlineMove_FullRepaint)->Unit(benchmark::kMillisecond)->Iterations(2);

// Both ways back to back on the same buffer; reports how many times cheaper saving under is.
void BM_OutlineMove_Speedup(benchmark::State &state)
{
    using Clock = std::chrono::steady_clock;
    Chart chart;
    double ratio = 0.0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        for (int move = 0; move < kMoves; ++move)
            moveWithSaveUnder(chart, move);
        const auto t1 = Clock::now();
        for (int move = 0; move < kMoves; ++move)
            moveWithFullRepaint(chart, move);
        const auto t2 = Clock::now();
        ratio = std::chrono::duration<double>(t2 - t1).count() / std::chrono::duration<double>(t1 - t0).count();
    }
    state.counters["times_cheaper"] = ratio;
}
BENCHMARK(BM_OutlineMove_Speedup)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

PLX_GUI_BENCHMARK_MAIN()
