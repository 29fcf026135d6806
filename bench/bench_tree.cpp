// The chart with a task tree at 1,000 to 100,000 rows in groups of ten: a
// 1920x1080 table frame scrolled to the middle (row and group bands, summary
// bars), row lookups by index, and refreshing every summary span.
#include "plxBenchMain.h"
#include "plxChartFixture.h"
#include "plxTreeFixture.h"

#include "plxDataSource.h"
#include "plxGanttDocument.h"
#include "plxSummaryBar.h"
#include "plxTreeSettings.h"

#include <benchmark/benchmark.h>

#include <QRandomGenerator>

#include <map>
#include <memory>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// Every tenth row is a group holding the nine task rows after it.
std::unique_ptr<plxtest::Chart> makeChart(int rows)
{
    auto c = std::make_unique<plxtest::Chart>(rows, 24, 20);
    c->doc.colStartX = 300;
    c->doc.endDate = plxtest::kMonday + 400;
    QList<int> levels;
    for (int r = 0; r < rows; ++r)
        levels.append(r % 10 == 0 ? 0 : 1);
    c->doc.tree = plxtest::attachTree(&c->doc, levels);
    auto look = std::make_unique<TPLXTreeRowSettings>();
    look->setColor(0xEFDAC5);
    look->setGroupColor(0xFFBAB5);
    c->doc.tree->setDefaultRowSettings(look.release());
    for (int r = 0; r < rows; ++r) {
        if (r % 10 == 0) {
            c->table->getRow(r)->AddBar(std::make_unique<TPLXSummaryBar>().release());
            continue;
        }
        const double start = plxtest::kMonday + (r * 7) % 60;
        c->task(r, start, start + 1 + r % 9);
    }
    c->table->UpdateSummaryBars();
    c->table->SetScrolledLines(rows / 2);
    return c;
}

plxtest::Chart &chartOf(int rows)
{
    static std::map<int, std::unique_ptr<plxtest::Chart>> charts;
    auto &slot = charts[rows];
    if (!slot)
        slot = makeChart(rows);
    return *slot;
}

void BM_TreeTableFrame(benchmark::State &state)
{
    plxtest::Chart &c = chartOf(static_cast<int>(state.range(0)));
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    TPLXCanvasVC vc(painter);
    vc.setVisibleArea({0, 0, kWidth, kHeight});
    TPLXDrawer *drawer = c.table->getDrawer(vtGanttGraph);
    for (auto _ : state)
        drawer->Draw(vc);
    state.counters["rows"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_TreeTableFrame)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The tree pane of a real document of `rows` rows in groups of ten, scrolled to the middle.
struct PaneDocument
{
    TPLXDataSource source;
    explicit PaneDocument(int rows)
    {
        TPLXGanttDocument *doc = source.root();
        TPLXGanttTable *table = doc->GetTable();
        while (table->countRows() < rows)
            table->appendRow();
        QList<int> levels;
        for (int r = 0; r < rows; ++r)
            levels.append(r % 10 == 0 ? 0 : 1);
        TPLXTreeHeader *header = doc->GetTree()->getHeader();
        doc->setTree(plxtest::attachTree(doc, levels, header));
        table->SetScrolledLines(rows / 2);
    }
};

void BM_TreePaneFrame(benchmark::State &state)
{
    static std::map<int, std::unique_ptr<PaneDocument>> documents;
    auto &slot = documents[int(state.range(0))];
    if (!slot)
        slot = std::make_unique<PaneDocument>(int(state.range(0)));
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    TPLXCanvasVC vc(painter);
    vc.setVisibleArea({0, 0, kWidth, kHeight});
    TPLXDrawer *drawer = slot->source.GetTree()->getDrawer(vtGanttGraph);
    for (auto _ : state)
        drawer->Draw(vc);
    state.counters["rows"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_TreePaneFrame)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Group checks and row lookups at random indexes, as drawing and commands make them.
void BM_IsGroup(benchmark::State &state)
{
    plxtest::Chart &c = chartOf(static_cast<int>(state.range(0)));
    QRandomGenerator random(5);
    const int count = c.table->countRows();
    for (auto _ : state)
        benchmark::DoNotOptimize(c.table->getRow(int(random.bounded(count)))->IsGroup());
}
BENCHMARK(BM_IsGroup)->Arg(1000)->Arg(100000);

// The same lookup by walking the tree, as it is answered while the numbering is stale.
void BM_FindNodeWalking(benchmark::State &state)
{
    plxtest::Chart &c = chartOf(static_cast<int>(state.range(0)));
    QRandomGenerator random(6);
    const int count = c.table->countRows();
    TPLXTreeNode *root = c.doc.tree->getRootNode();
    for (auto _ : state) {
        const int wanted = int(random.bounded(count));
        QList<TPLXTreeNode *> nodes;
        TPLXTreeNode *found = nullptr;
        root->flatten(nodes);
        for (TPLXTreeNode *node : nodes)
            if (node->row()->getIndex() == wanted) {
                found = node;
                break;
            }
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_FindNodeWalking)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_UpdateSummaryBars(benchmark::State &state)
{
    plxtest::Chart &c = chartOf(static_cast<int>(state.range(0)));
    for (auto _ : state)
        c.table->UpdateSummaryBars();
}
BENCHMARK(BM_UpdateSummaryBars)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

PLX_GUI_BENCHMARK_MAIN()
