// INI store speed: read every key of a large generated document through the
// typed getters, and write the same document through the setters and a flush.
#include "plxIniDocument.h"
#include "plxMedia.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <malloc.h>

namespace {

constexpr int kKeysPerSection = 10;

QString sectionName(int i)
{
    return QStringLiteral("AutoID:%1").arg(1000000 + i);
}

QByteArray generate(int sections)
{
    QByteArray text;
    text.reserve(static_cast<qsizetype>(sections) * 160);
    for (int i = 0; i < sections; ++i) {
        text += "[" + sectionName(i).toUtf8() + "]\n";
        text += "typeID=Task Bar\n";
        text += "name=Task number " + QByteArray::number(i) + "\n";
        text += "start=" + QByteArray::number(45000.25 + i % 997) + "\n";
        text += "end=" + QByteArray::number(45010.75 + i % 997) + "\n";
        text += "height=" + QByteArray::number(20 + i % 7) + "\n";
        text += "color=$00FF" + QByteArray::number(1000 + i % 9000) + "\n";
        text += "visible=1\n";
        text += "progress=" + QByteArray::number((i % 100) / 100.0) + "\n";
        text += "row=AutoID:" + QByteArray::number(2000000 + i) + "\n";
        text += "bars#count=0\n";
    }
    return text;
}

size_t heapInUse()
{
    return mallinfo2().uordblks;
}

struct Fixture
{
    QTemporaryDir dir;
    QString path;
    qint64 size = 0;

    explicit Fixture(int sections)
    {
        path = dir.filePath(QStringLiteral("bench.ini"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        size = file.write(generate(sections));
    }
};

Fixture &fixture(int sections)
{
    static std::map<int, std::unique_ptr<Fixture>> fixtures;
    auto &f = fixtures[sections];
    if (!f)
        f = std::make_unique<Fixture>(sections);
    return *f;
}

void BM_ReadEveryKey(benchmark::State &state)
{
    const int sections = static_cast<int>(state.range(0));
    Fixture &f = fixture(sections);
    double memoryRatio = 0;
    for (auto _ : state) {
        const size_t before = heapInUse();
        TPLXINIFIle media(f.path);
        memoryRatio = double(heapInUse() - before) / double(f.size);
        qint64 sum = 0;
        for (int i = 0; i < sections; ++i) {
            const QString s = sectionName(i);
            sum += media.strValue(s, QStringLiteral("typeID"), QString()).size();
            sum += media.strValue(s, QStringLiteral("name"), QString()).size();
            sum += static_cast<qint64>(media.realValue(s, QStringLiteral("start"), 0));
            sum += static_cast<qint64>(media.realValue(s, QStringLiteral("end"), 0));
            sum += media.intValue(s, QStringLiteral("height"), 0);
            sum += media.colorValue(s, QStringLiteral("color"), 0);
            sum += media.boolValue(s, QStringLiteral("visible"), false);
            sum += static_cast<qint64>(media.realValue(s, QStringLiteral("progress"), 0) * 100);
            sum += media.strValue(s, QStringLiteral("row"), QString()).size();
            sum += media.intValue(s, QStringLiteral("bars#count"), 0);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["file_MB"] = double(f.size) / 1e6;
    state.counters["memory_x_file"] = memoryRatio;
    state.counters["keys"] = double(sections) * kKeysPerSection;
}

void BM_WriteEveryKey(benchmark::State &state)
{
    const int sections = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("written.ini"));
    for (auto _ : state) {
        QFile::remove(path);
        TPLXINIFIle media(path);
        for (int i = 0; i < sections; ++i) {
            const QString s = sectionName(i);
            media.setStrProperty(s, QStringLiteral("typeID"), QStringLiteral("Task Bar"));
            media.setStrProperty(s, QStringLiteral("name"), QStringLiteral("Task number %1").arg(i));
            media.setRealProperty(s, QStringLiteral("start"), 45000.25 + i % 997);
            media.setRealProperty(s, QStringLiteral("end"), 45010.75 + i % 997);
            media.setIntProperty(s, QStringLiteral("height"), 20 + i % 7);
            media.setColorProperty(s, QStringLiteral("color"), 0xFF0000 + i % 9000);
            media.setBoolProperty(s, QStringLiteral("visible"), true);
            media.setRealProperty(s, QStringLiteral("progress"), (i % 100) / 100.0);
            media.setStrProperty(s, QStringLiteral("row"), QStringLiteral("AutoID:%1").arg(2000000 + i));
            media.setIntProperty(s, QStringLiteral("bars#count"), 0);
        }
        media.flush();
    }
    state.counters["file_MB"] = double(QFileInfo(path).size()) / 1e6;
}

} // namespace

BENCHMARK(BM_ReadEveryKey)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WriteEveryKey)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
