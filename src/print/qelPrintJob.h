// The background print job: a worker thread walks the requested pages while
// every step that touches the printer canvas or a widget runs on the GUI thread.
#pragma once

#include "plxTypes.h"

#include <QDialog>
#include <QList>
#include <QPoint>
#include <QThread>
#include <QVariant>

#include <atomic>
#include <memory>
#include <vector>

class QLabel;
class QPainter;
class QPrinter;
class QProgressBar;
class QPushButton;
class TPLXDataSource;
class TPLXGanttObject;
class TQeLPrintOptions;
class TQeLPrintThread;

enum TQeLPrintFlag { qelpfBlackWhite = 0, qelpfNoBackground = 1, qelPrintToFile = 2 };
// A set of print flags, bit n for member n.
using TQeLPrintFlags = unsigned;
constexpr TQeLPrintFlags QeLFlag(TQeLPrintFlag flag)
{
    return 1u << flag;
}

// Page ranges as pairs (first, last) of 1-based page numbers; empty means all pages.
using TQeLIntArray = QList<qint32>;

// How many pages of `pageCount` the ranges print.
ORVANTA_EXPORT int QeLPagesToPrint(const TQeLIntArray &ranges, int pageCount);

// What a print job needs of the page renderer: pages prepared on the printer
// canvas, each drawn at an offset, and an end of the preparation.
class ORVANTA_EXPORT IQeLPageRenderer
{
public:
    virtual ~IQeLPageRenderer();
    virtual void BeginPreparation(QPrinter &printer) = 0;
    virtual int PageCount() const = 0;
    // Draws page 1..PageCount() with its origin at `offset`.
    virtual void RenderPage(int page, QPainter &painter, QPoint offset) = 0;
    virtual void EndPreparation() = 0;
};

// What a print job needs of the component that starts it.
class ORVANTA_EXPORT IQeLPrintHost
{
public:
    virtual ~IQeLPrintHost();
    virtual QPrinter &printer() = 0;
    virtual TQeLPrintOptions &printOptions() = 0;
    virtual TPLXDataSource *dataSource() const = 0;
    // True for a Gantt chart, false for a network.
    virtual bool showsGantt() const = 0;
    virtual std::unique_ptr<IQeLPageRenderer> createRenderer() = 0;
    // The print log; empty means no log.
    virtual QString printLogFileName() const = 0;
    // Asks for the file to print into; false when the user cancels or no
    // screen is there to ask on.
    virtual bool askPrintFileName(QString &fileName);
};

// The progress dialog of a print job, with its Cancel button.
class ORVANTA_EXPORT TQeLPrintingForm : public QDialog
{
    Q_OBJECT

public:
    explicit TQeLPrintingForm(QWidget *parent = nullptr);
    // A positive maximum becomes the bar's maximum; the position is kept within it.
    void SetProgress(int position, int maximum);
    void SetStatus(const QString &text);

    QProgressBar *ProgressBar1;
    QPushButton *btnCancel;
    QLabel *lblPrintStatus;
    TQeLPrintThread *PrintThread = nullptr;
};

// While it lives the chart's fills are white and its lines and texts black,
// so that a printout has no coloured background; its end puts them back.
class ORVANTA_EXPORT TQeLPrepareTransparent
{
public:
    TQeLPrepareTransparent(TPLXDataSource *dataSource, bool gantt, const TQeLPrintOptions &options);
    ~TQeLPrepareTransparent();
    TQeLPrepareTransparent(const TQeLPrepareTransparent &) = delete;
    TQeLPrepareTransparent &operator=(const TQeLPrepareTransparent &) = delete;

private:
    struct Saved
    {
        TPLXGanttObject *object;
        const char *property;
        QVariant value;
    };
    void replace(TPLXGanttObject *object, const char *property, TColor color);

    std::vector<Saved> FSaved;
};

// One print job. It starts when constructed; `Finished` tells a normal end
// from a cancelled one once QThread::finished is emitted.
class ORVANTA_EXPORT TQeLPrintThread : public QThread
{
    Q_OBJECT

public:
    TQeLPrintThread(IQeLPrintHost *preview, const TQeLIntArray &pagesToPrint, TQeLPrintFlags flags);
    ~TQeLPrintThread() override;

    void Abort() { FAborted = true; }
    bool Aborted() const { return FAborted; }
    bool Finished() const { return FFinished; }
    // The page being printed.
    int pageNo() const { return FPageNo; }
    TQeLPrintingForm *PrintingForm() const { return FPrintingForm.get(); }

    void SetPrinterColor(bool monochrome);
    void SetPrintToFile(const QString &fileName);

protected:
    void run() override;

private:
    void log(const QString &line) const;
    // Runs `step` on the GUI thread and waits for it.
    template<typename Step>
    void onGuiThread(Step &&step);
    void endPreparation(QPainter &painter);

    IQeLPrintHost *FPrintPreview;
    std::unique_ptr<TQeLPrintingForm> FPrintingForm;
    std::unique_ptr<IQeLPageRenderer> FGraphPrint;
    std::atomic<bool> FAborted = false;
    std::atomic<bool> FFinished = false;
    TQeLIntArray FPagesToPrint;
    TQeLPrintFlags FPrintFlags;
    int FMarginX = 0;
    int FMarginY = 0;
    std::atomic<int> FPageNo = 0;
    std::unique_ptr<TQeLPrepareTransparent> FPrepareTransparent;
    QString FLogFile;
};
