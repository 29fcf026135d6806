// Arbitrary bytes as a plan in the XML interchange format: imported through a
// data source, exported and imported again. Nothing may crash, hang or leak;
// a refused file leaves the document alone, and an imported one comes back
// from its export as the same document.
#include "plxDataSource.h"
#include "plxFuzzDocument.h"
#include "plxIniDocument.h"
#include "plxPlatform.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// The document's saved text, pictures beside it in `dir`.
QByteArray saved(TPLXDataSource &source, const QTemporaryDir &dir)
{
    const QString folder = QDir::currentPath();
    const QString path = dir.filePath(QStringLiteral("saved.ini"));
    QFile::remove(path);
    {
        TPLXINIFIle store(path);
        TPLXEntityFactory factory;
        factory.saveObject(QStringLiteral("root"), store, source.root());
        store.flush();
    }
    QDir::setCurrent(folder);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    // Records without a name of their own are numbered in creation order.
    return QString::fromUtf8(file.readAll())
        .replace(QRegularExpression(QStringLiteral("AutoID[:_]\\d+")), QStringLiteral("AutoID"))
        .toUtf8();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("input.xml"));
    const QString output = dir.filePath(QStringLiteral("output.xml"));
    plxfuzz::writeInput(input, data, size);

    const TPLXRecordingScope recording;
    TPLXDataSource source;
    const QByteArray empty = saved(source, dir);
    if (!source.ImportProjectXml(input)) {
        if (saved(source, dir) != empty || source.getUndoRedoStack().GetUndoOperationCount() != 0) {
            std::fprintf(stderr, "a refused plan changed the document\n");
            std::abort();
        }
        return 0;
    }
    if (!source.ExportProjectXml(output))
        std::abort();
    TPLXDataSource again;
    if (!again.ImportProjectXml(output)) {
        std::fprintf(stderr, "the export of an imported plan is refused\n");
        std::abort();
    }
    const QByteArray first = saved(source, dir);
    const QByteArray second = saved(again, dir);
    if (first != second) {
        std::fprintf(stderr, "the export imports as another document:\n%s\n---\n%s\n", first.constData(),
                     second.constData());
        std::abort();
    }
    return 0;
}
