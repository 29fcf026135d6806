#include <orvanta/orvanta.h>

#include <QFile>
#include <QGuiApplication>

#include <cstdio>

// Loads a plan, adds a bar, undoes it, saves and reloads: the round trip an
// application makes, through nothing but the installed package.
int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3)
        return 10;
    TPLXRecordingScope quiet;
    TPLXDataSource source;
    source.setStorage(QStringLiteral("file://") + QString::fromLocal8Bit(argv[1]));
    TPLXGanttTable *table = source.GetTable();
    if (source.getStorage().isEmpty() || !table || table->countRows() < 2)
        return 1;
    const int last = table->countRows() - 1; // a task row; group rows refuse task bars
    const int bars = table->getRow(last)->GetBarCount();
    const TDateTime start = source.root()->getStartDate();
    auto *bar = new TPLXTaskBar(start, start + 3, last);
    if (!source.BarAdd(bar, last)) {
        delete bar;
        return 2;
    }
    if (!source.getUndoRedoStack().undo() || table->getRow(last)->GetBarCount() != bars)
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
