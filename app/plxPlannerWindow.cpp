#include "plxPlannerWindow.h"

#include <orvanta/orvanta.h>

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

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

TPLXPlannerWindow::TPLXPlannerWindow(const TPLXDocumentSummary &summary, TPLXDataSource &dataSource, QWidget *parent)
    : QMainWindow(parent)
    , FSections(new QTableWidget(static_cast<int>(summary.sections.size()), 3))
    , FMessages(new QPlainTextEdit)
{
    setWindowTitle(tr("Orvanta Planner - %1").arg(summary.storageName));
    FSections->setHorizontalHeaderLabels({tr("Section"), tr("Type id"), tr("Status")});
    for (int row = 0; row < summary.sections.size(); ++row)
        for (int col = 0; col < 3; ++col)
            FSections->setItem(row, col, new QTableWidgetItem(summary.sections[row].value(col)));
    FSections->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    FSections->verticalHeader()->hide();
    FSections->setEditTriggers(QAbstractItemView::NoEditTriggers);

    FMessages->setReadOnly(true);
    // Loading logs every message it shows, and those it holds back.
    FMessages->setPlainText(summary.logLines.join(QLatin1Char('\n')));

    auto *splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(FSections);
    splitter->addWidget(FMessages);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);

    auto *chart = new TPLXGanttGraph;
    chart->setDataSource(&dataSource);
    auto *network = new TPLXPertGraph;
    network->setDataSource(&dataSource);

    auto *tabs = new QTabWidget;
    tabs->addTab(chart, tr("Chart"));
    tabs->addTab(network, tr("Network"));
    tabs->addTab(splitter, tr("Document"));
    setCentralWidget(tabs);

    // Printing: one preview, shown in its own window, serves the menu; it prints the network while that tab shows.
    auto *previewWindow = new QDialog(this);
    previewWindow->setWindowTitle(tr("Print preview"));
    auto *preview = new TQeLPrintPreview(previewWindow);
    auto *previewLayout = new QVBoxLayout(previewWindow);
    previewLayout->addWidget(preview);
    previewWindow->resize(1000, 760);
    const auto bind = [tabs, chart, network, preview] {
        if (tabs->currentWidget() == network)
            preview->setPertGraph(network);
        else
            preview->setGanttGraph(chart);
    };
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("Print pre&view..."), this, [bind, previewWindow] {
        bind();
        previewWindow->show();
    });
    file->addAction(tr("Page &setup..."), this, [bind, preview] {
        bind();
        preview->PageSetup();
    });
    file->addAction(tr("&Print..."), this, [bind, preview] {
        bind();
        preview->Print();
    });
    file->addAction(tr("&Export PDF..."), this, [this, bind, preview] {
        const QString name = QFileDialog::getSaveFileName(this, tr("Export PDF"), QString(), tr("PDF (*.pdf)"));
        if (name.isEmpty())
            return;
        bind();
        preview->ExportPdf(name);
    });
    file->addSeparator();
    file->addAction(tr("&Quit"), this, &QWidget::close);
    resize(1240, 560);
}
