#include <orvanta/orvanta.h>

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

// Loads a plan, adds a bar, undoes it, saves and reloads: the round trip an
// application makes, through nothing but the installed package.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 10;
    TPLXRecordingScope quiet;
    TPLXDataSource source;
    source.setStorage(QStringLiteral("file://") + QString::fromLocal8Bit(argv[1]));
    TPLXGanttTable *table = source.GetTable();
    if (source.getStorage().isEmpty() || !table || table->countRows() < 2)
        return 1;
    const int bars = table->getRow(0)->GetBarCount();
    const TDateTime start = source.root()->getStartDate();
    auto *bar = new TPLXTaskBar(start, start + 3, 0);
    if (!source.BarAdd(bar, 0)) {
        delete bar;
        return 2;
    }
    if (!source.getUndoRedoStack().undo() || table->getRow(0)->GetBarCount() != bars)
        return 3;
    const QString saved = QString::fromLocal8Bit(argv[2]);
    source.SaveToMedia(QStringLiteral("file://") + saved);
    TPLXDataSource reloaded;
    reloaded.setStorage(QStringLiteral("file://") + saved);
    if (!reloaded.GetTable() || reloaded.GetTable()->countRows() != table->countRows() ||
        reloaded.root()->countConnections() != source.root()->countConnections())
        return 4;
    std::printf("consumer ok\n");
    return 0;
}
