// Opening and drawing each hostile document (tests/data/hostile): every one
// should cost about what a sound document of its size costs, whatever dates,
// sizes or counts it claims. One benchmark per document, named by its file.
#include "plxBenchMain.h"
#include "plxDataSource.h"
#include "plxGanttDocument.h"
#include "plxPlatform.h"
#include "plxVisualContext.h"

#include <QDir>
#include <QImage>
#include <QPainter>

namespace {

void openAndDraw(benchmark::State &state, const QString &storage)
{
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        TPLXRecordingScope quiet;
        TPLXDataSource source;
        source.setStorage(storage);
        TPLXGanttDocument *document = source.root();
        document->setEndDate(document->getStartDate() + 60);
        for (const TPLXViewType view : {vtGanttGraph, vtPertGraph}) {
            QPainter painter(&image);
            TPLXCanvasVC vc(painter);
            vc.setVisibleArea(TRect{0, 0, image.width(), image.height()});
            document->getDrawer(view)->Draw(vc);
        }
        benchmark::DoNotOptimize(image.constBits());
    }
}

const bool registered = [] {
    const QDir dir(QStringLiteral(ORVANTA_SOURCE_DIR "/tests/data/hostile"));
    for (const QFileInfo &file : dir.entryInfoList({QStringLiteral("*.ini")}, QDir::Files, QDir::Name)) {
        const QString storage = QStringLiteral("file://") + file.absoluteFilePath();
        benchmark::RegisterBenchmark(qPrintable(QStringLiteral("BM_Hostile/") + file.completeBaseName()),
                                     [storage](benchmark::State &state) { openAndDraw(state, storage); })
            ->Unit(benchmark::kMillisecond);
    }
    const QString sample = QStringLiteral("file://" ORVANTA_SOURCE_DIR "/examples/sample-plan.ini");
    benchmark::RegisterBenchmark("BM_Hostile/sample-plan (a sound document)",
                                 [sample](benchmark::State &state) { openAndDraw(state, sample); })
        ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace

PLX_GUI_BENCHMARK_MAIN()
