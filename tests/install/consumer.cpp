#include <orvanta/orvanta.h>

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    TPLXRecordingScope quiet;
    TPLXDataSource source; // the built-in default document
    TPLXGanttTable *table = source.GetTable();
    if (!table || table->countRows() != 1)
        return 1;
    const TDateTime start = source.root()->getStartDate();
    auto *bar = new TPLXTaskBar(start, start + 3, 0);
    if (!source.BarAdd(bar, 0)) {
        delete bar;
        return 2;
    }
    if (!source.getUndoRedoStack().undo() || table->getRow(0)->GetBarCount() != 0)
        return 3;
    std::printf("consumer ok\n");
    return 0;
}
