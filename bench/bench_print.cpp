// Printing a plan of 1,000 and 10,000 one-row tasks spread over a year:
// laying the pages out, drawing one page, and the whole plan into a PDF file
// through the print job (fit weeks: one page across, as many down as needed).
#include "plxBenchMain.h"
#include "plxBenchPlans.h"
#include "plxDataSource.h"
#include "qelGraphPreview.h"
#include "qelPrintOptions.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <map>

namespace {

// One loaded plan per size, kept for the whole run.
TPLXDataSource &plan(int tasks)
{
    static QTemporaryDir dir;
    static std::map<int, std::unique_ptr<TPLXDataSource>> plans;
    auto &source = plans[tasks];
    if (!source) {
        const QString path = dir.filePath(QStringLiteral("plan%1.ini").arg(tasks));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        file.write(
            plxbench::generatePlan(tasks, {.links = false, .startDay = [](int i, int n) { return (i * 365) / n; }}));
        file.close();
        source = std::make_unique<TPLXDataSource>();
        source->setStorage(QStringLiteral("file://") + path);
    }
    return *source;
}

// A4 at 600 dpi.
const QSize kSheet(4960, 7016);

void BM_Paginate(benchmark::State &state)
{
    TPLXDataSource &source = plan(int(state.range(0)));
    TQeLPrintOptions options;
    options.SetFitToPage(false);
    for (auto _ : state) {
        TQeLGraphPreview pages(QeLPrintableChart(&source, true, options), options);
        pages.Paginate(kSheet, 600);
        benchmark::DoNotOptimize(pages.PageCount());
        state.counters["pages"] = pages.PageCount();
    }
}
BENCHMARK(BM_Paginate)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// One page from the middle of the plan at 100 %, on a sheet image of 150 dpi.
void BM_RenderPage(benchmark::State &state)
{
    TPLXDataSource &source = plan(int(state.range(0)));
    TQeLPrintOptions options;
    options.SetFitToPage(false);
    TQeLGraphPreview pages(QeLPrintableChart(&source, true, options), options);
    pages.Paginate(kSheet / 4, 150);
    QImage sheet(kSheet / 4, QImage::Format_RGB32);
    const int page = pages.PageCount() / 2 + 1;
    for (auto _ : state) {
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        pages.RenderPage(page, painter, QPoint());
    }
    state.counters["pages"] = pages.PageCount();
}
BENCHMARK(BM_RenderPage)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The whole plan into a PDF through the print job; the longest page is the
// longest time the GUI thread was held.
class PdfHost : public IQeLPrintHost
{
public:
    explicit PdfHost(TPLXDataSource &source)
        : FSource(source)
    {
        FOptions.SetFitWeeks(true);
    }
    QPrinter &printer() override { return FPrinter; }
    TQeLPrintOptions &printOptions() override { return FOptions; }
    TPLXDataSource *dataSource() const override { return &FSource; }
    bool showsGantt() const override { return true; }
    std::unique_ptr<IQeLPageRenderer> createRenderer() override { return std::make_unique<Timed>(*this); }
    QString printLogFileName() const override { return QString(); }

    qint64 longestPageNs = 0;
    int pages = 0;

private:
    struct Timed : TQeLGraphPreview
    {
        explicit Timed(PdfHost &host)
            : TQeLGraphPreview(QeLPrintableChart(&host.FSource, true, host.FOptions), host.FOptions)
            , FHost(host)
        {
        }
        void RenderPage(int page, QPainter &painter, QPoint offset) override
        {
            QElapsedTimer timer;
            timer.start();
            TQeLGraphPreview::RenderPage(page, painter, offset);
            FHost.longestPageNs = std::max(FHost.longestPageNs, timer.nsecsElapsed());
            FHost.pages = PageCount();
        }
        PdfHost &FHost;
    };

    TPLXDataSource &FSource;
    TQeLPrintOptions FOptions;
    QPrinter FPrinter{QPrinter::ScreenResolution};
};

void BM_PrintToPdf(benchmark::State &state)
{
    TPLXDataSource &source = plan(int(state.range(0)));
    QTemporaryDir dir;
    PdfHost host(source);
    host.printer().setOutputFileName(dir.filePath(QStringLiteral("plan.pdf")));
    for (auto _ : state) {
        TQeLPrintThread job(&host, {}, QeLFlag(qelPrintToFile));
        QEventLoop loop;
        QObject::connect(&job, &QThread::finished, &loop, &QEventLoop::quit);
        if (!job.isFinished())
            loop.exec();
    }
    state.counters["pages"] = host.pages;
    state.counters["ms_per_page"] =
        benchmark::Counter(double(host.pages),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["longest_page_ms"] = double(host.longestPageNs) / 1e6;
}
BENCHMARK(BM_PrintToPdf)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace

PLX_WIDGET_BENCHMARK_MAIN((void)0)
