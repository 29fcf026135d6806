// Importing and exporting a generated plan of the XML interchange format:
// 10,000 tasks, each tenth a summary over the nine after it, and 15,000
// finish-start links between the other tasks. Import should stay under a
// second and export under half a second.
#include "plxBenchMain.h"
#include "plxDataSource.h"
#include "plxGanttTable.h"
#include "plxPlatform.h"

#include <QTemporaryDir>

#include <memory>

namespace {

constexpr int kTasks = 10000;
constexpr int kLinks = 15000;

QByteArray generatePlan()
{
    QByteArray text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Project xmlns=\"http://schemas.microsoft.com/"
                      "project\">\n<StartDate>2027-01-04T08:00:00</StartDate>\n<Tasks>\n";
    QList<int> leaves;
    for (int uid = 1; uid <= kTasks; ++uid)
        if (uid % 10 != 1)
            leaves << uid;
    // Each leaf follows the one before it; the rest of the links skip two leaves.
    QHash<int, QList<int>> predecessors;
    int links = 0;
    for (qsizetype i = 1; i < leaves.size() && links < kLinks; ++i, ++links)
        predecessors[leaves[i]] << leaves[i - 1];
    for (qsizetype i = 3; i < leaves.size() && links < kLinks; ++i, ++links)
        predecessors[leaves[i]] << leaves[i - 3];
    for (int uid = 1; uid <= kTasks; ++uid) {
        const bool summary = uid % 10 == 1;
        const QDate day = QDate(2027, 1, 4).addDays((uid / 10) * 7 + uid % 5);
        text += "<Task><UID>" + QByteArray::number(uid) + "</UID><Name>Task " + QByteArray::number(uid) +
                "</Name><OutlineLevel>" + (summary ? "1" : "2") + "</OutlineLevel><Summary>" + (summary ? "1" : "0") +
                "</Summary><Start>" + day.toString(Qt::ISODate).toLatin1() + "T08:00:00</Start><Duration>PT" +
                QByteArray::number(8 * (1 + uid % 4)) + "H0M0S</Duration><PercentComplete>" +
                QByteArray::number(uid % 101) + "</PercentComplete>";
        for (const int from : predecessors.value(uid))
            text += "<PredecessorLink><PredecessorUID>" + QByteArray::number(from) +
                    "</PredecessorUID><Type>1</Type><LinkLag>0</LinkLag><LagFormat>7</LagFormat></PredecessorLink>";
        text += "</Task>\n";
    }
    return text + "</Tasks>\n</Project>\n";
}

struct Plan
{
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("plan.xml"));
    QString copy = dir.filePath(QStringLiteral("copy.xml"));
    qint64 size = 0;

    Plan()
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            size = file.write(generatePlan());
    }
};

Plan &plan()
{
    static Plan p;
    return p;
}

void BM_ImportProjectXml(benchmark::State &state)
{
    Plan &p = plan();
    for (auto _ : state) {
        // Building an empty source and freeing the plan are not part of importing it.
        state.PauseTiming();
        auto source = std::make_unique<TPLXDataSource>();
        state.ResumeTiming();
        if (!source->ImportProjectXml(p.path))
            state.SkipWithError("the plan was refused");
        benchmark::DoNotOptimize(source->root());
        state.PauseTiming();
        if (source->GetTable()->countRows() != kTasks)
            state.SkipWithError("the plan lost tasks");
        source.reset();
        state.ResumeTiming();
    }
    state.counters["tasks"] = kTasks;
    state.counters["links"] = kLinks;
    state.counters["fileMB"] = double(p.size) / 1e6;
}

void BM_ExportProjectXml(benchmark::State &state)
{
    Plan &p = plan();
    TPLXDataSource source;
    if (!source.ImportProjectXml(p.path))
        state.SkipWithError("the plan was refused");
    for (auto _ : state)
        source.ExportProjectXml(p.copy);
    state.counters["tasks"] = kTasks;
}

} // namespace

BENCHMARK(BM_ImportProjectXml)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ExportProjectXml)->Unit(benchmark::kMillisecond)->Iterations(5);

PLX_GUI_BENCHMARK_MAIN()
