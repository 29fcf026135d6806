// Opening and drawing each hostile document (tests/data/hostile): every one
// should cost about what a sound document of its size costs, whatever dates,
// sizes or counts it claims. One benchmark per document, named by its file.
// Large hostile documents are generated at a tenth and at full size: the
// time should grow linearly between the two.
#include "plxBenchMain.h"
#include "plxDataSource.h"
#include "plxDocumentFixture.h"
#include "plxGanttDocument.h"
#include "plxPlatform.h"
#include "plxVisualContext.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

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

// Sections of unknown kinds, each listed by the root: two messages apiece.
QByteArray junkSections(int n)
{
    QByteArray text = "[root]\ntypeID=Document\nconnections#count=" + QByteArray::number(n) + "\n";
    for (int i = 0; i < n; ++i)
        text += "connections#" + QByteArray::number(i) + "=Junk " + QByteArray::number(i) + "\n";
    for (int i = 0; i < n; ++i)
        text += "[Junk " + QByteArray::number(i) + "]\ntypeID=Junk\n%%=" + QByteArray::number(i) + "\n";
    return text;
}

QByteArray oneLine(int megabytes)
{
    return "typeID=Document " + QByteArray(megabytes * 1000000, 'x');
}

// Every row lists the first row's bar.
QByteArray sameBar(int rows)
{
    plxtest::Document doc;
    doc.rows.append(plxtest::Row{{plxtest::Bar{QStringLiteral("Shared")}}});
    QByteArray text = plxtest::text(doc);
    QByteArray table = "rows#count=" + QByteArray::number(rows) + "\n";
    for (int i = 0; i < rows; ++i)
        table += "rows#" + QByteArray::number(i) + "=Row" + QByteArray::number(i) + "\n";
    for (int i = 1; i < rows; ++i)
        text += "\n[Row" + QByteArray::number(i) + "]\ntypeID=Gantt Row\nbars#count=1\nbars#0=Shared\n";
    return text.replace("rows#count=1\nrows#0=Row0\n", table);
}

// Each row a child of the one before, with a summary over the rows below it.
QByteArray deepTree(int depth)
{
    plxtest::Document doc;
    doc.nestedTree = true;
    for (int i = 0; i < depth; ++i)
        doc.rows.append(
            plxtest::Row{{plxtest::Bar{QStringLiteral("B%1").arg(i), plxtest::kMonday + i, 1}}, 20, i + 1 < depth});
    return plxtest::text(doc);
}

QString generated(const QString &name, const QByteArray &text)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(name + QStringLiteral(".ini"));
    plxtest::writeFile(path, text);
    return QStringLiteral("file://") + path;
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
    benchmark::RegisterBenchmark("BM_Hostile/sample-plan (a sound document)", [sample](benchmark::State &state) {
        openAndDraw(state, sample);
    })->Unit(benchmark::kMillisecond);
    const std::pair<const char *, QByteArray (*)(int)> large[] = {{"junk-sections", junkSections},
                                                                  {"one-line-MB", oneLine},
                                                                  {"same-bar-rows", sameBar},
                                                                  {"deep-tree", deepTree}};
    const int fullSize[] = {1000000, 50, 100000, 100000};
    for (size_t k = 0; k < std::size(large); ++k)
        for (const int size : {fullSize[k] / 10, fullSize[k]}) {
            const QString name = QStringLiteral("%1-%2").arg(QLatin1String(large[k].first)).arg(size);
            const auto make = large[k].second;
            // Written when first run, so that listing or filtering the benchmarks stays quick.
            benchmark::RegisterBenchmark(qPrintable(QStringLiteral("BM_HostileGenerated/") + name),
                                         [name, make, size](benchmark::State &state) {
                                             static QHash<QString, QString> storages;
                                             if (!storages.contains(name))
                                                 storages.insert(name, generated(name, make(size)));
                                             openAndDraw(state, storages.value(name));
                                         })
                ->Unit(benchmark::kMillisecond)
                ->Iterations(1);
        }
    return true;
}();

} // namespace

PLX_GUI_BENCHMARK_MAIN()
