// The free place for a new PERT box when n boxes already fill the chart ring
// by ring (what adding a task to an empty row costs), and one PERT drawing
// pass over n boxes.
#include "plxBarSettings.h"
#include "plxBenchMain.h"
#include "plxChartFixture.h"
#include "plxPertBar.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

// A chart whose n rows each have a box, placed where the free-place search puts them.
std::unique_ptr<plxtest::Chart> makeChart(int boxes)
{
    auto c = std::make_unique<plxtest::Chart>(boxes + 1, 24, 20);
    auto look = std::make_unique<TPLXPertBarSettings>();
    look->setWidth(120);
    look->setHeight(60);
    look->setBorderThickness(2);
    c->table->setDefaultPertBarSettings(look.release());
    QPoint p;
    for (int r = 0; r < boxes; ++r) {
        c->table->FindEmptyPertPlace(p);
        c->table->getRow(r)->createPertBar(p.x(), p.y());
    }
    return c;
}

plxtest::Chart &chartOf(int boxes)
{
    static std::map<int, std::unique_ptr<plxtest::Chart>> charts;
    auto &slot = charts[boxes];
    if (!slot)
        slot = makeChart(boxes);
    return *slot;
}

void BM_FindEmptyPertPlace(benchmark::State &state)
{
    plxtest::Chart &c = chartOf(static_cast<int>(state.range(0)));
    QPoint p;
    for (auto _ : state) {
        c.table->FindEmptyPertPlace(p);
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(BM_FindEmptyPertPlace)->Arg(100)->Arg(1000)->Arg(5000)->Unit(benchmark::kMicrosecond);

void BM_DrawPertChart(benchmark::State &state)
{
    plxtest::Chart &c = chartOf(static_cast<int>(state.range(0)));
    QImage image(1920, 1080, QImage::Format_RGB32);
    QPainter painter(&image);
    TPLXCanvasVC vc(painter);
    vc.setVisibleArea({0, 0, 1920, 1080});
    TPLXDrawer *drawer = c.table->getDrawer(vtPertGraph);
    for (auto _ : state)
        drawer->Draw(vc);
}
BENCHMARK(BM_DrawPertChart)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

PLX_GUI_BENCHMARK_MAIN()
