// Arbitrary bytes as a whole document: opened through a data source, drawn,
// edited by a few commands the input chooses, undone, saved and opened again.
// Nothing may crash, hang or leak, and the saved copy must open without a
// message the original did not already give.
#include "plxDataSource.h"
#include "plxFuzzDocument.h"
#include "plxGanttDocument.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxPlatform.h"
#include "plxTreeGrid.h"
#include "plxVisualContext.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void draw(TPLXGanttDocument &document, TPLXViewType view)
{
    QImage image(160, 120, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    TPLXCanvasVC vc(painter);
    vc.setVisibleArea(TRect{0, 0, image.width(), image.height()});
    if (TPLXDrawer *drawer = document.getDrawer(view))
        drawer->Draw(vc);
}

// One command picked and parameterised by `code`; false when it was refused.
bool command(TPLXDataSource &ds, quint8 code, quint8 argument)
{
    TPLXGanttTable *table = ds.GetTable();
    const int rows = table ? table->countRows() : 0;
    const int row = rows > 0 ? argument % rows : 0;
    TPLXGanttBar *bar = rows > 0 ? table->getRow(row)->GetBarInRow(0) : nullptr;
    switch (code % 8) {
    case 0:
        return bar && ds.BarMove(bar, bar->getStartDate() + (argument % 7) - 3, row);
    case 1:
        return bar && ds.BarResize(bar, (argument % 5) - 2, 0, true);
    case 2:
        return ds.RowAppend();
    case 3:
        return rows > 0 && ds.RowDelete(row);
    case 4:
        return rows > 0 && ds.RowChildInsert(row);
    case 5:
        return rows > 1 && ds.RowsGroup(row, std::min(rows - 1, row + 1));
    case 6:
        return rows > 0 && ds.PertBarAdd(row, -1, -1);
    default:
        return bar && ds.ResolveDistanceViolations(bar);
    }
}

// Opening or saving a document makes its folder current; libFuzzer reads and
// writes by relative paths, so every call here puts the folder back.
template<typename Call>
void inPlace(Call &&call)
{
    const QString folder = QDir::currentPath();
    call();
    QDir::setCurrent(folder);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString original = dir.filePath(QStringLiteral("original.ini"));
    const QString copy = dir.filePath(QStringLiteral("copy.ini"));
    plxfuzz::writeInput(original, data, size);
    QFile::remove(copy);

    TPLXRecordingScope recording;
    QStringList messages;
    {
        TPLXDataSource ds;
        inPlace([&] { ds.setStorage(QStringLiteral("file://") + original); });
        messages = recording.recorder().messages();
        if (!ds.root())
            std::abort(); // even a useless file leaves the default document
        ds.root()->setEndDate(ds.root()->getStartDate() + 20);
        draw(*ds.root(), vtGanttGraph);
        draw(*ds.root(), vtPertGraph);

        // The last bytes choose the commands, so the document's text stays intact.
        const size_t tail = std::min<size_t>(size, 8);
        for (size_t i = 0; i + 1 < tail; i += 2)
            command(ds, data[size - 1 - i], data[size - 2 - i]);
        while (ds.getUndoRedoStack().undo()) {
        }
        draw(*ds.root(), vtGanttGraph);
        inPlace([&] { ds.SaveToMedia(QStringLiteral("file://") + copy); });
    }

    TPLXRecordingScope reopening;
    TPLXDataSource reopened;
    inPlace([&] { reopened.setStorage(QStringLiteral("file://") + copy); });
    for (const QString &message : reopening.recorder().messages()) {
        if (!messages.contains(message)) {
            std::fprintf(stderr, "the saved copy says what the original did not: %s\n", qPrintable(message));
            std::abort();
        }
    }
    return 0;
}
