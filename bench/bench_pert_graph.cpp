// The PERT chart control on a large network: 5,000 boxes (one per row, 100 to
// a grid row) and 7,500 connections, each box leading to the next and every
// other box to the one below it. One full paint of a 1,920 x 1,080 control,
// one mouse move of a box drag, and a drop with its repaint.
#include "plxBarConnection.h"
#include "plxBarSettings.h"
#include "plxBenchMain.h"
#include "plxBenchPlans.h"
#include "plxDataSource.h"
#include "plxDocumentFixture.h"
#include "plxGanttDocument.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxPertBar.h"
#include "plxPertGraph.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kBoxes = 5000;
constexpr int kConnections = 7500;
constexpr int kPerLine = 100;

struct Network
{
    QTemporaryDir dir;
    TPLXDataSource ds;
    TPLXPertGraph graph;

    Network()
    {
        ds.setStorage(
            plxtest::storageFor(dir, QStringLiteral("plan.ini"), plxbench::generatePlan(kBoxes, {.links = false})));
        TPLXGanttTable *table = ds.GetTable();
        table->setAutoUpdateCriticalPath(false);
        auto look = std::make_unique<TPLXPertBarSettings>();
        look->setWidth(120);
        look->setHeight(60);
        table->setDefaultPertBarSettings(look.release());
        for (int i = 0; i < kBoxes; ++i) {
            auto box = std::make_unique<TPLXPertBar>(i % kPerLine * 200, i / kPerLine * 160, nullptr);
            box->SetPertType(plxpbtNoTimeSpan);
            box->mainSection()->setText(QStringLiteral("Task %1").arg(i + 1));
            TPLXGanttRow *row = table->getRow(i);
            row->setPertBar(box.release());
            table->setZOrder(row, i);
        }
        int made = 0;
        for (int i = 0; made < kConnections && i < kBoxes; ++i)
            for (const int to : {i + 1, i + kPerLine})
                if (to < kBoxes && made < kConnections) {
                    auto c = std::make_unique<TPLXBarConnection>(table->getRow(i)->pertBar(),
                                                                 table->getRow(to)->pertBar(), 0, ds.root());
                    c->setParent(table);
                    table->addPertConnection(c.release());
                    ++made;
                }
        table->linkPertBars();
        table->UpdateSummaryBars();
        graph.resize(1920, 1080);
        graph.setDataSource(&ds);
        // Half way into the network.
        table->setPertStartX(kPerLine * 100);
        table->setPertStartY(kBoxes / kPerLine * 80);
        graph.Paint();
    }

    static std::unique_ptr<Network> &instance()
    {
        static std::unique_ptr<Network> network;
        if (!network)
            network = std::make_unique<Network>();
        return network;
    }
    // The middle of a box near the middle of the control.
    QPoint boxMiddle()
    {
        const QPoint centre(960, 540);
        TPLXGanttTable *table = ds.GetTable();
        QPoint best;
        for (int i = 0; i < kBoxes; ++i) {
            const QPoint m = table->getRow(i)->pertBar()->pertDrawer()->getRect().toQRect().center();
            if (best.isNull() || (m - centre).manhattanLength() < (best - centre).manhattanLength())
                best = m;
        }
        return best;
    }
    void mouse(QEvent::Type type, QPoint at)
    {
        QMouseEvent e(type, at, graph.mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&graph, &e);
    }
};

void BM_PertFullPaint(benchmark::State &state)
{
    Network &net = *Network::instance();
    for (auto _ : state)
        net.graph.Paint();
    state.counters["connections"] = net.ds.GetTable()->GetPertConnectionsCount();
}
BENCHMARK(BM_PertFullPaint)->Unit(benchmark::kMillisecond);

// One grid step to the right and back, the button held.
void BM_PertDragMove(benchmark::State &state)
{
    Network &net = *Network::instance();
    const QPoint at = net.boxMiddle();
    net.mouse(QEvent::MouseMove, at);
    net.mouse(QEvent::MouseButtonPress, at);
    int step = 20;
    QPoint to = at;
    for (auto _ : state) {
        to.rx() += step;
        net.mouse(QEvent::MouseMove, to);
        step = -step;
    }
    net.mouse(QEvent::MouseButtonRelease, at);
}
BENCHMARK(BM_PertDragMove)->Unit(benchmark::kMicrosecond);

// The release after a press and one grid step: the box moves through the undo stack and the control repaints.
void BM_PertDrop(benchmark::State &state)
{
    Network &net = *Network::instance();
    QPoint at = net.boxMiddle();
    int step = 20;
    for (auto _ : state) {
        state.PauseTiming();
        net.mouse(QEvent::MouseMove, at);
        net.mouse(QEvent::MouseButtonPress, at);
        at.rx() += step;
        net.mouse(QEvent::MouseMove, at);
        state.ResumeTiming();
        net.mouse(QEvent::MouseButtonRelease, at);
        step = -step;
    }
    state.counters["steps"] = net.ds.getUndoRedoStack().GetUndoOperationCount();
}
BENCHMARK(BM_PertDrop)->Unit(benchmark::kMillisecond);

} // namespace

PLX_WIDGET_BENCHMARK_MAIN(Network::instance().reset())
