#include "plxPlannerDocument.h"

#include <orvanta/orvanta.h>

#include <QFileInfo>
#include <QPainter>

#include <algorithm>

namespace {

// Pictures past these sizes are refused instead of allocated: the painter
// addresses 32767 pixels a side, and 256 million pixels take a gigabyte.
constexpr qint64 kMaxPictureSide = 32767;
constexpr qint64 kMaxPicturePixels = qint64(1) << 28;

QImage makePicture(qint64 width, qint64 height)
{
    if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > kMaxPicturePixels)
        throw EPLXError(QStringLiteral("A picture of %1 x %2 pixels is refused: the limit is %3 pixels a side "
                                       "and %4 pixels in all")
                            .arg(width)
                            .arg(height)
                            .arg(kMaxPictureSide)
                            .arg(kMaxPicturePixels));
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        throw EPLXError(QStringLiteral("A picture of %1 x %2 pixels could not be allocated").arg(width).arg(height));
    image.fill(Qt::white);
    return image;
}

} // namespace

TPLXDocumentSummary summarizeDocument(TPLXDataSource &dataSource, const QString &storageName)
{
    TPLXDocumentSummary summary;
    summary.storageName = storageName.isEmpty() ? QStringLiteral("default") : storageName;
    TPLXRecordingScope recording;
    // The document is loaded once, by the data source that shows it.
    dataSource.setStorage(storageName);
    // A document that could not be built left the built-in one behind: its
    // sections are still listed from its own store.
    PLXMedia own;
    IPLXMedia *media = dataSource.getMedia();
    if (dataSource.getStorage() != storageName) {
        own = TPLXMediaFactory::CreateMedia(storageName);
        media = own.get();
    }

    QStringList names;
    if (auto *ini = dynamic_cast<TPLXINIFIle *>(media))
        names = ini->sectionNames();
    else if (dynamic_cast<TPLXDefaultMedia *>(media))
        names = TPLXDefaultMedia::sectionNames();
    for (const QString &name : names) {
        const QString typeId = media->strValue(name, QStringLiteral("typeID"), QString());
        const QString status =
            typeId.isEmpty()                          ? QStringLiteral("no type id")
            : TPLXEntityFactory::isRegistered(typeId) ? QStringLiteral("loaded")
            : TPLXEntityFactory::typeIds().end() !=
                    std::find_if(TPLXEntityFactory::typeIds().begin(), TPLXEntityFactory::typeIds().end(),
                                 [&](const char *id) { return typeId == QLatin1String(id); })
                ? QStringLiteral("known kind, no loader")
                : QStringLiteral("unknown type id");
        summary.sections.append({name, typeId, status});
    }
    summary.messages = recording.recorder().messages();
    summary.logLines = recording.recorder().logLines();
    if (own) {
        const QString fallback = QStringLiteral("The document could not be built; showing the built-in document.");
        summary.messages.append(fallback);
        summary.logLines.append(fallback);
    }
    return summary;
}

bool saveChart(TPLXDataSource &dataSource, const QString &path, int width)
{
    TPLXGanttDocument *document = dataSource.root();
    TPLXGanttTable *table = dataSource.GetTable();
    TPLXDocumentCalendar *calendar = dataSource.GetCalendar();
    if (!document || !table || !calendar)
        return false;
    TPLXGanttGraph graph;
    graph.setDataSource(&dataSource);
    const int columns = std::max(1, (width - document->getTreeActualWidth()) / std::max(1, table->GetColumnWidth()));
    const TDateTime start = document->getStartDate();
    const TDateTime end = calendar->Add(start, columns);
    const int last = table->countRows() - 1;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("bmp"))
        return graph.SaveToBitmap(path, QImage::Format_RGB888, 0, last, start, end);
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return graph.SaveToJpeg(path, QImage::Format_RGB32, 90, 0, last, start, end);
    if (suffix == QLatin1String("svg"))
        return graph.SaveToSvg(path, 0, last, start, end);
    return graph.SaveToPng(path, 0, last, start, end);
}

QImage renderNetwork(TPLXDataSource &dataSource)
{
    TPLXGanttTable *table = dataSource.GetTable();
    // The document's network drawer: boxes right of the task tree, as the chart has them.
    TPLXDrawer *drawer = table && dataSource.root() ? dataSource.root()->getDrawer(vtPertGraph) : nullptr;
    if (!drawer)
        return QImage();
    auto draw = [drawer](int width, int height) {
        QImage image = makePicture(width, height);
        QPainter painter(&image);
        TPLXCanvasVC vc(painter);
        vc.setVisibleArea(TRect{0, 0, width, height});
        drawer->Draw(vc);
        return image;
    };
    // The first pass only measures: boxes off the picture still count towards the extent.
    draw(1, 1);
    const QPoint extent = table->getMaxPertCoords();
    return draw(std::clamp(extent.x() + 40, 200, 4000), std::clamp(extent.y() + 80, 120, 4000));
}
