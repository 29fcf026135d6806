#include "qelPrintJob.h"

#include "plxDataSource.h"
#include "plxGanttDocument.h"
#include "plxGanttTable.h"
#include "plxPlatform.h"
#include "plxRessourceStrings.h"
#include "plxTimeScale.h"
#include "plxTreeGrid.h"
#include "plxTreeRow.h"
#include "plxTreeSettings.h"
#include "qelPrintOptions.h"

#include <QApplication>
#include <QGuiApplication>
#include <QFileDialog>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

int QeLPagesToPrint(const TQeLIntArray &ranges, int pageCount)
{
    qint64 total = 0;
    for (qsizetype i = 0; i + 1 < ranges.size(); i += 2)
        total += std::max<qint64>(0, qint64(std::min(ranges[i + 1], pageCount)) - std::max(ranges[i], 1) + 1);
    return int(std::min<qint64>(total, INT_MAX));
}

IQeLPageRenderer::~IQeLPageRenderer() = default;
IQeLPrintHost::~IQeLPrintHost() = default;

bool IQeLPrintHost::askPrintFileName(QString &fileName)
{
    // Without a screen there is nobody to ask: the printer keeps its file.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return false;
    const QString chosen = QFileDialog::getSaveFileName(nullptr, PLXText(QStringLiteral("pp_pp_PrintToFile")),
                                                        fileName, PLXText(QStringLiteral("pp_pp_PrintToFile_Format")));
    if (chosen.isEmpty())
        return false;
    fileName = chosen;
    return true;
}

// ------------------------------------------------------------- TQeLPrintingForm

TQeLPrintingForm::TQeLPrintingForm(QWidget *parent)
    : QDialog(parent)
    , ProgressBar1(new QProgressBar(this))
    , btnCancel(new QPushButton(this))
    , lblPrintStatus(new QLabel(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblPrintStatus);
    layout->addWidget(ProgressBar1);
    layout->addWidget(btnCancel, 0, Qt::AlignRight);
    connect(btnCancel, &QPushButton::clicked, this, [this] {
        if (PrintThread)
            PrintThread->Abort();
    });
}

void TQeLPrintingForm::SetProgress(int position, int maximum)
{
    if (maximum > 0)
        ProgressBar1->setMaximum(maximum);
    ProgressBar1->setValue(std::min(std::max(position, 0), ProgressBar1->maximum()));
}

void TQeLPrintingForm::SetStatus(const QString &text)
{
    lblPrintStatus->setText(text);
}

// ------------------------------------------------------- TQeLPrepareTransparent

void TQeLPrepareTransparent::replace(TPLXGanttObject *object, const char *property, TColor color)
{
    if (!object)
        return;
    FSaved.push_back({object, property, object->property(property)});
    object->setProperty(property, int(color));
}

TQeLPrepareTransparent::TQeLPrepareTransparent(TPLXDataSource *dataSource, bool gantt, const TQeLPrintOptions &options)
{
    TPLXGanttDocument *document = dataSource ? dataSource->root() : nullptr;
    if (!document)
        return;
    constexpr TColor white = 0xFFFFFF;
    constexpr TColor black = 0;
    if (gantt && options.GetPrintGraph()) {
        replace(document->GetTable(), "BaseColor", white);
        for (int i = 0; i < document->getScalesCount(); ++i) {
            replace(document->getTimeScale(i), "Color", white);
            replace(document->getTimeScale(i), "FontColor", black);
            replace(document->getTimeScale(i), "LineColor", black);
        }
    }
    TPLXTreeGrid *tree = document->GetTree();
    if (!options.GetPrintTable() || !tree)
        return;
    for (const char *property : {"Color", "UpperPaneColor", "SelectedRowColor", "FocusedRowColor", "GroupRowColor"})
        replace(tree, property, white);
    replace(tree->getHeader(), "Color", white);
    replace(tree->getRowsResizePane(), "Color", white);
    for (int i = 0; i < tree->rowsCount(); ++i) {
        TPLXTreeRowSettings *settings = tree->getRow(i) ? tree->getRow(i)->getSettings() : nullptr;
        replace(settings, "Color", white);
        replace(settings, "GroupColor", white);
    }
    if (TPLXTreeHeader *header = tree->getHeader())
        for (int i = 0; i < header->countCells(); ++i)
            replace(header->getHeaderCell(i), "Color", black);
}

TQeLPrepareTransparent::~TQeLPrepareTransparent()
{
    // Newest first, so that an object met twice ends with its first value.
    for (auto it = FSaved.rbegin(); it != FSaved.rend(); ++it)
        it->object->setProperty(it->property, it->value);
}

// -------------------------------------------------------------- TQeLPrintThread

TQeLPrintThread::TQeLPrintThread(IQeLPrintHost *preview, const TQeLIntArray &pagesToPrint, TQeLPrintFlags flags)
    : FPrintPreview(preview)
    , FPrintingForm(std::make_unique<TQeLPrintingForm>(QApplication::activeWindow()))
    , FGraphPrint(preview->createRenderer())
    , FPagesToPrint(pagesToPrint)
    , FPrintFlags(flags)
    , FLogFile(preview->printLogFileName())
{
    FPrintingForm->PrintThread = this;
    SetPrinterColor(flags & QeLFlag(qelpfBlackWhite));
    if (flags & QeLFlag(qelPrintToFile)) {
        QString fileName = preview->printer().outputFileName();
        if (preview->askPrintFileName(fileName))
            SetPrintToFile(fileName);
    } else {
        SetPrintToFile(QString());
    }
    connect(this, &QThread::finished, this, [this] {
        FPrintingForm.reset();
        FGraphPrint.reset();
    });
    start();
}

TQeLPrintThread::~TQeLPrintThread()
{
    FAborted = true;
    // The worker may be waiting for a step on this thread.
    while (!wait(10))
        QCoreApplication::processEvents();
}

void TQeLPrintThread::SetPrinterColor(bool monochrome)
{
    FPrintPreview->printer().setColorMode(monochrome ? QPrinter::GrayScale : QPrinter::Color);
}

void TQeLPrintThread::SetPrintToFile(const QString &fileName)
{
    FPrintPreview->printer().setOutputFileName(fileName);
}

void TQeLPrintThread::log(const QString &line) const
{
    if (!FLogFile.isEmpty())
        PLXAppendLogLine(FLogFile, line, false);
}

template<typename Step>
void TQeLPrintThread::onGuiThread(Step &&step)
{
    QMetaObject::invokeMethod(qApp, std::forward<Step>(step), Qt::BlockingQueuedConnection);
}

void TQeLPrintThread::run()
{
    QPrinter &printer = FPrintPreview->printer();
    std::unique_ptr<QPainter> painter;
    onGuiThread([this, &printer] {
        FPrintingForm->show();
        // The page is drawn from the sheet's corner; the painter starts at the printable area.
        const QPoint origin = printer.pageLayout().paintRectPixels(printer.resolution()).topLeft();
        FMarginX = origin.x();
        FMarginY = origin.y();
        FPrintingForm->setWindowTitle(PLXText(QStringLiteral("pp_tl_printing")));
        FPrintingForm->SetStatus(PLXText(QStringLiteral("pp_tl_printing")));
        FPrintingForm->btnCancel->setText(PLXText(QStringLiteral("pp_bn_Cancel")));
        FPrintingForm->SetProgress(0, 100);
        if (FPrintFlags & QeLFlag(qelpfNoBackground))
            FPrepareTransparent =
                std::make_unique<TQeLPrepareTransparent>(FPrintPreview->dataSource(), FPrintPreview->showsGantt(),
                                                         FPrintPreview->printOptions());
        printer.setDocName(
            FPrintPreview->printOptions().GetPageTitle().GetContents().section(QLatin1Char('\r'), 0, 0));
    });
    log(QStringLiteral("TQeLPrintThread.Execute -BeginDoc"));
    bool begun = false;
    onGuiThread([&] {
        painter = std::make_unique<QPainter>(&printer);
        begun = painter->isActive();
        if (!begun) {
            PLXShowMessage(printer.outputFileName().isEmpty()
                               ? QStringLiteral("The printer \"%1\" cannot start printing.").arg(printer.printerName())
                               : QStringLiteral("Cannot print to \"%1\".").arg(printer.outputFileName()));
            FPrintingForm->close();
            FPrepareTransparent.reset();
            painter.reset();
        }
    });
    if (!begun)
        return;
    log(QStringLiteral("TQeLPrintThread.Execute-Synchronize"));
    onGuiThread([&] { FGraphPrint->BeginPreparation(printer); });
    log(QStringLiteral("TQeLPrintThread.Execute-1"));
    int pageCount = 0;
    onGuiThread([&] { pageCount = FGraphPrint->PageCount(); });
    log(QStringLiteral("TQeLPrintThread.Execute-Seiten=") + QString::number(pageCount));
    if (FPagesToPrint.isEmpty())
        FPagesToPrint = {1, pageCount};
    const int total = QeLPagesToPrint(FPagesToPrint, pageCount);
    int printed = 0;
    for (qsizetype r = 0; r + 1 < FPagesToPrint.size(); r += 2) {
        // Pages outside 1..N are skipped without a word.
        const int first = std::max(FPagesToPrint[r], 1);
        const int last = std::min(FPagesToPrint[r + 1], pageCount);
        for (int p = first; p <= last; ++p) {
            FPageNo = p;
            const QString status = PLXText(QStringLiteral("pp_pp_Prefix_printmsg")) + QLatin1Char(' ') +
                                   QString::number(printed + 1) + QLatin1Char(' ') + PLXText(QStringLiteral("pp_of")) +
                                   QLatin1Char(' ') + QString::number(total);
            onGuiThread([&] {
                FPrintingForm->SetStatus(status);
                FPrintingForm->SetProgress(printed, total);
            });
            log(QStringLiteral("TQeLPrintThread.Execute-Drucke Seite ") + QString::number(printed + 1));
            onGuiThread([&] { FGraphPrint->RenderPage(p, *painter, QPoint(-FMarginX, -FMarginY)); });
            if (FAborted) {
                log(QStringLiteral("TQeLPrintThread.Execute-Abort"));
                onGuiThread([&] {
                    printer.abort();
                    painter.reset();
                    FPrintingForm->close();
                    FPrepareTransparent.reset();
                    FGraphPrint->EndPreparation();
                });
                return;
            }
            if (++printed < total) {
                log(QStringLiteral("TQeLPrintThread.Execute-NewPage"));
                onGuiThread([&] { printer.newPage(); });
            }
        }
    }
    log(QStringLiteral("TQeLPrintThread.Execute-EndDoc (before)"));
    onGuiThread([&] { painter->end(); });
    log(QStringLiteral("TQeLPrintThread.Execute-EndDoc (after)"));
    onGuiThread([&] {
        FPrintingForm->close();
        FFinished = true;
        FPrepareTransparent.reset();
        FGraphPrint->EndPreparation();
        painter.reset();
    });
}
