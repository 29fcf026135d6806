// Time-scale bands over a 1920-pixel chart: what day, week and month bands add
// to a table frame, and that the cost follows the visible width, not the
// length of the document's date range.
#include "plxBenchMain.h"
#include "plxChartFixture.h"
#include "plxTimeScale.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// A 200-row chart spanning `days` with day, week and month bands when `bands`
// is set; 60-pixel days, so that even one month fills the frame.
struct BandChart
{
    plxtest::Chart chart{200, 24, 60};
    TPLXEntityFactory factory;
    PLXMedia media;
    QList<TPLXTimeScale *> scales;

    BandChart(double days, bool bands)
    {
        chart.doc.colStartX = 300;
        chart.doc.endDate = plxtest::kMonday + days;
        chart.doc.tableStartY = 3 * 14;
        for (int r = 0; r < 200; ++r)
            chart.task(r, plxtest::kMonday + r % 60, plxtest::kMonday + r % 60 + 1 + r % 9);
        QByteArray text;
        for (int i = 0; bands && i < 3; ++i)
            text += QStringLiteral("[Band%1]\ntypeID=Time Scale\nrelative time mode=%1\n").arg(2 - i).toUtf8();
        media = plxtest::mediaFromText(text);
        for (int i = 0; bands && i < 3; ++i) {
            auto *band =
                dynamic_cast<TPLXTimeScale *>(factory.loadObject(QStringLiteral("Band%1").arg(i), *media, &chart.doc));
            band->Update(tmDay);
            scales << band;
        }
    }

    void draw(TPLXVisualContext &vc, bool table)
    {
        if (table)
            chart.table->getDrawer(vtGanttGraph)->Draw(vc);
        for (TPLXTimeScale *band : std::as_const(scales))
            band->scaleDrawer()->Draw(vc);
    }
};

// Milliseconds of processor time per frame.
double frameMillis(BandChart &c, bool table, int frames)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    TPLXCanvasVC vc(painter);
    vc.setVisibleArea({0, 0, kWidth, kHeight});
    c.draw(vc, table); // warm: fonts, widest labels
    // Processor time: the machine the figures come from is shared.
    const std::clock_t start = std::clock();
    for (int i = 0; i < frames; ++i)
        c.draw(vc, table);
    return 1000.0 * double(std::clock() - start) / CLOCKS_PER_SEC / frames;
}

// A table frame without and with the three bands, over one month.
void BM_FrameWithBands(benchmark::State &state)
{
    BandChart c(31, state.range(0) != 0);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    TPLXCanvasVC vc(painter);
    vc.setVisibleArea({0, 0, kWidth, kHeight});
    for (auto _ : state)
        c.draw(vc, true);
    state.counters["bands"] = static_cast<double>(c.scales.size());
}
BENCHMARK(BM_FrameWithBands)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The figures the speed requirement names: the cost bands add to a frame, and
// the bands of a twenty-year document over those of a one-month document.
void BM_BandFigures(benchmark::State &state)
{
    BandChart plain(31, false);
    BandChart month(31, true);
    BandChart years(7300, true);
    double added = 0;
    double ratio = 0;
    for (auto _ : state) {
        added = frameMillis(month, true, 50) - frameMillis(plain, true, 50);
        ratio = frameMillis(years, false, 200) / frameMillis(month, false, 200);
    }
    state.counters["ms_added"] = added;
    state.counters["ratio_20y_1m"] = ratio;
}
BENCHMARK(BM_BandFigures)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

PLX_GUI_BENCHMARK_MAIN();
