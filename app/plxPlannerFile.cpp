// The File commands of the planner's window: opening and saving with
// progress, recent files, unsaved changes, pictures and printing.
#include "plxPlannerWindow.h"

#include <orvanta/orvanta.h>

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QProgressDialog>
#include <QSettings>

#include <algorithm>

namespace {

constexpr int kRecentFiles = 8;
const QString kRecentKey = QStringLiteral("recentFiles");

QString storageNameFor(const QString &pathOrName)
{
    if (pathOrName.isEmpty() || pathOrName.contains(QLatin1String("://")) || pathOrName == QLatin1String("default"))
        return pathOrName;
    return QStringLiteral("file://") + QFileInfo(pathOrName).absoluteFilePath();
}

// A progress dialog for a task that reports entities done; it appears only
// after half a second. Its value stays below the end, which only the
// finished task reaches.
class TProgress
{
public:
    TProgress(QWidget *parent, const QString &label, const QString &cancel)
        : FDialog(label, cancel, 0, 0, parent)
    {
        FDialog.setWindowModality(Qt::WindowModal);
        FDialog.setMinimumDuration(500);
        FDialog.setAutoReset(false);
        FDialog.setValue(0);
    }
    bool step(int done, int total)
    {
        // Without a known total (a save counts its sections only as it writes them) the bar shows that work goes on.
        FDialog.setMaximum(std::max(total, 0));
        FDialog.setValue(total > 0 ? std::clamp(done, 0, total - 1) : 0);
        return !FDialog.wasCanceled();
    }
    bool cancelled() const { return FDialog.wasCanceled(); }

private:
    QProgressDialog FDialog;
};

} // namespace

QString TPLXPlannerWindow::chooseFile(FileQuestion question, const QString &suggestion)
{
    switch (question) {
    case FileQuestion::Open:
        return QFileDialog::getOpenFileName(this, text("open").remove(QLatin1Char('&')), suggestion,
                                            QStringLiteral("INI (*.ini);;* (*)"));
    case FileQuestion::SaveAs:
        return QFileDialog::getSaveFileName(this, text("saveAs").remove(QLatin1Char('&')), suggestion,
                                            QStringLiteral("INI (*.ini)"));
    case FileQuestion::ExportImage:
        return QFileDialog::getSaveFileName(this, text("exportImage").remove(QLatin1Char('&')), suggestion,
                                            QStringLiteral(
                                                "PNG (*.png);;JPEG (*.jpg *.jpeg);;BMP (*.bmp);;SVG (*.svg)"));
    case FileQuestion::ExportPdf:
        return QFileDialog::getSaveFileName(this, text("exportPdf").remove(QLatin1Char('&')), suggestion,
                                            QStringLiteral("PDF (*.pdf)"));
    case FileQuestion::ImportProjectXml:
        return QFileDialog::getOpenFileName(this, text("importProjectXml").remove(QLatin1Char('&')), suggestion,
                                            QStringLiteral("XML (*.xml);;* (*)"));
    case FileQuestion::ExportProjectXml:
        return QFileDialog::getSaveFileName(this, text("exportProjectXml").remove(QLatin1Char('&')), suggestion,
                                            QStringLiteral("XML (*.xml)"));
    }
    return QString();
}

bool TPLXPlannerWindow::openDocument(const QString &pathOrName)
{
    const QString storageName = storageNameFor(pathOrName);
    // Loaded into a data source of its own, so that a failed or cancelled open
    // leaves the shown document as it was.
    auto next = std::make_unique<TPLXDataSource>();
    TProgress progress(this, text("opening").arg(QFileInfo(pathOrName).fileName()), text("cancel"));
    int total = 0;
    TPLXDataSource *loading = next.get();
    next->getFactory().setOnProgress([&](int done) {
        if (total == 0)
            if (auto *ini = dynamic_cast<TPLXINIFIle *>(loading->getMedia()))
                total = static_cast<int>(ini->sectionNames().size());
        return progress.step(done, total);
    });
    TPLXDocumentSummary summary;
    QString failure;
    try {
        summary = summarizeDocument(*next, storageName);
        if (next->getStorage() != storageName)
            failure = summary.messages.isEmpty() ? text("notADocument") : summary.messages.first();
    } catch (const EPLXError &error) {
        failure = error.message();
    }
    next->getFactory().setOnProgress({});
    if (progress.cancelled())
        return false;
    if (!failure.isEmpty()) {
        PLXShowMessage(text("cannotOpen").arg(pathOrName, failure));
        return false;
    }
    bindDataSource(std::move(next), summary);
    FStorageName = storageName;
    updateState();
    if (storageName.startsWith(QLatin1String("file://")))
        addRecentFile(TPLXMediaFactory::GetPath(storageName));
    return true;
}

bool TPLXPlannerWindow::saveDocument(const QString &path)
{
    const QString storageName = storageNameFor(path);
    TProgress progress(this, text("saving").arg(QFileInfo(path).fileName()), text("cancel"));
    TPLXEntityFactory &factory = FDataSource->getFactory();
    factory.setOnProgress([&](int done) { return progress.step(done, 0); });
    // The store is written whole or not at all: a cancel or failure keeps the old file.
    const bool saved = FDataSource->SaveToMedia(storageName);
    factory.setOnProgress({});
    if (!saved)
        return false;
    FStorageName = storageName;
    syncDepth();
    FSavedDepth = FDepth;
    addRecentFile(QFileInfo(path).absoluteFilePath());
    updateState();
    return true;
}

bool TPLXPlannerWindow::maySafelyDiscard()
{
    if (!isModified())
        return true;
    const QString name =
        FStorageName.isEmpty() ? text("untitled") : QFileInfo(TPLXMediaFactory::GetPath(FStorageName)).fileName();
    switch (PLXAsk(text("askSave").arg(name), {text("answerSave"), text("answerDiscard")})) {
    case 0:
        return fileSave();
    case 1:
        return true;
    default:
        return false;
    }
}

void TPLXPlannerWindow::closeEvent(QCloseEvent *event)
{
    if (maySafelyDiscard())
        event->accept();
    else
        event->ignore();
}

void TPLXPlannerWindow::fileNew()
{
    if (!maySafelyDiscard())
        return;
    auto next = std::make_unique<TPLXDataSource>();
    TPLXDocumentSummary summary = summarizeDocument(*next, QString());
    bindDataSource(std::move(next), summary);
    FStorageName.clear();
    updateState();
}

void TPLXPlannerWindow::fileOpen()
{
    if (!maySafelyDiscard())
        return;
    const QString path = chooseFile(FileQuestion::Open, QFileInfo(TPLXMediaFactory::GetPath(FStorageName)).path());
    if (!path.isEmpty())
        openDocument(path);
}

bool TPLXPlannerWindow::fileSave()
{
    // Only an INI file of the user's is saved in place; the built-in document asks for one.
    if (!FStorageName.startsWith(QLatin1String("file://")))
        return fileSaveAs();
    return saveDocument(TPLXMediaFactory::GetPath(FStorageName));
}

bool TPLXPlannerWindow::fileSaveAs()
{
    QString path = chooseFile(FileQuestion::SaveAs, TPLXMediaFactory::GetPath(FStorageName));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().compare(QLatin1String("ini"), Qt::CaseInsensitive) != 0)
        path += QLatin1String(".ini");
    return saveDocument(path);
}

void TPLXPlannerWindow::fileExportImage()
{
    const QString path = chooseFile(FileQuestion::ExportImage, QString());
    if (path.isEmpty())
        return;
    static const QStringList formats{QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                     QStringLiteral("bmp"), QStringLiteral("svg")};
    if (!formats.contains(QFileInfo(path).suffix().toLower())) {
        PLXShowMessage(text("unknownImage").arg(path));
        return;
    }
    saveChart(*FDataSource, path, std::max(FChart->width(), 1200));
}

// The imported plan replaces the document as one undo step; the file it was opened from stays its store.
void TPLXPlannerWindow::fileImportProjectXml()
{
    const QString path = chooseFile(FileQuestion::ImportProjectXml, QString());
    if (path.isEmpty())
        return;
    FChart->PostActiveEditor();
    // The imported plan is no longer the opened file: Save asks for a name rather than overwrite it.
    if (FDataSource->ImportProjectXml(path)) {
        FStorageName.clear();
        updateState();
    }
}

void TPLXPlannerWindow::fileExportProjectXml()
{
    const QString path = chooseFile(FileQuestion::ExportProjectXml, QString());
    if (!path.isEmpty())
        FDataSource->ExportProjectXml(path);
}

void TPLXPlannerWindow::filePageSetup()
{
    bindPreview();
    FPreview->PageSetup();
}

void TPLXPlannerWindow::filePrintPreview()
{
    bindPreview();
    FPreviewWindow->show();
}

void TPLXPlannerWindow::filePrint()
{
    bindPreview();
    FPreview->Print();
}

void TPLXPlannerWindow::fileExportPdf()
{
    const QString path = chooseFile(FileQuestion::ExportPdf, QString());
    if (path.isEmpty())
        return;
    bindPreview();
    FPreview->ExportPdf(path);
}

void TPLXPlannerWindow::addRecentFile(const QString &path)
{
    QSettings settings;
    QStringList recent = settings.value(kRecentKey).toStringList();
    recent.removeAll(path);
    recent.prepend(path);
    settings.setValue(kRecentKey, QStringList(recent.mid(0, kRecentFiles)));
    updateRecentMenu();
}

void TPLXPlannerWindow::updateRecentMenu()
{
    FRecentMenu->clear();
    const QStringList recent = QSettings().value(kRecentKey).toStringList();
    for (qsizetype i = 0; i < recent.size() && i < kRecentFiles; ++i) {
        const QString path = recent[i];
        FRecentMenu
            ->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()), this,
                        [this, path] {
                            if (maySafelyDiscard())
                                openDocument(path);
                        })
            ->setToolTip(path);
    }
    FRecentMenu->setEnabled(!FRecentMenu->isEmpty());
}
