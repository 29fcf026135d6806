// The print-preview component: page thumbnails and a zoomable page view of a
// bound chart, page navigation, page setup, print profiles, printing and PDF.
#pragma once

#include "qelPrintJob.h"
#include "qelPrintOptions.h"

#include <QDialog>
#include <QPointer>
#include <QPrinter>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollArea;
class QSpinBox;
class TPLXGanttGraph;
class TPLXPertGraph;
class TQeLGraphPreview;

// Edits the page setup of a print-options record and its printer's paper.
class ORVANTA_EXPORT TQeLPageSetupDialog : public QDialog
{
    Q_OBJECT

public:
    TQeLPageSetupDialog(TQeLPrintOptions &options, QPrinter &printer, QWidget *parent = nullptr);
    // Writes the fields into the options and the printer.
    void apply();

    QSpinBox *margin(int index) const { return FMargins[index]; } // left, right, top, bottom, header, footer
    QComboBox *paper() const { return FPaper; }
    QComboBox *orientation() const { return FOrientation; }
    QLineEdit *title() const { return FTitle; }
    QLineEdit *box(int index) const { return FBoxes[index]; }
    QDoubleSpinBox *zoom() const { return FZoom; }
    QCheckBox *fitToPage() const { return FFitToPage; }
    QCheckBox *fitWeeks() const { return FFitWeeks; }
    QCheckBox *timeRangeAuto() const { return FAuto; }
    QDateEdit *startDate() const { return FStart; }
    QDateEdit *endDate() const { return FEnd; }

private:
    TQeLPrintOptions &FOptions;
    QPrinter &FPrinter;
    QSpinBox *FMargins[6];
    QComboBox *FPaper;
    QComboBox *FOrientation;
    QLineEdit *FTitle;
    QLineEdit *FBoxes[6];
    QDoubleSpinBox *FZoom;
    QCheckBox *FFitToPage;
    QCheckBox *FFitWeeks;
    QCheckBox *FAuto;
    QDateEdit *FStart;
    QDateEdit *FEnd;
};

class ORVANTA_EXPORT TQeLPrintPreview : public QWidget, public IQeLPrintHost
{
    Q_OBJECT
    // The object name of the data source whose Gantt chart is shown, bound when the preview is shown.
    Q_PROPERTY(QString dataSource READ dataSourceName WRITE setDataSourceName)

public:
    explicit TQeLPrintPreview(QWidget *parent = nullptr);
    ~TQeLPrintPreview() override;

    // Shows the Gantt chart of a control, the network of a PERT control, or the chart (gantt) or network of a
    // data source.
    void setGanttGraph(TPLXGanttGraph *graph);
    void setPertGraph(TPLXPertGraph *graph);
    void setDataSource(TPLXDataSource *source, bool gantt = true);
    QString dataSourceName() const { return FSourceName; }
    void setDataSourceName(const QString &name);
    // The profile file; empty means "drucken.ini" beside the executable.
    void setProfileFile(const QString &fileName);
    void SetLogFileName(const QString &fileName) { FLogFile = fileName; }

    int pageCount() const;
    // 1-based; 0 without pages.
    int currentPage() const { return FPage; }
    void GoToPage(int page);
    void FirstPage() { GoToPage(1); }
    void PriorPage() { GoToPage(FPage - 1); }
    void NextPage() { GoToPage(FPage + 1); }
    void LastPage() { GoToPage(pageCount()); }
    // The page view's magnification, 1.0 for the paper's real size on screen.
    void SetPreviewZoom(double factor);
    // Lays the pages out again after the options or the chart changed.
    void Repaginate();

    // Profiles: the settings last used first.
    QStringList profiles();
    bool SaveProfile(const QString &name);
    bool LoadProfile(const QString &name);
    bool DeleteProfile(const QString &name);

    // Prints every page into a PDF file and returns once it is written.
    bool ExportPdf(const QString &fileName);
    // Asks for a printer and pages, then prints in the background.
    void Print();
    // Edits the page setup in a dialog and lays the pages out again.
    void PageSetup();

    // The page as the view shows it.
    QImage pageImage(int page, double dpi) const;

    QPrinter &printer() override { return FPrinter; }
    TQeLPrintOptions &printOptions() override { return FOptions; }
    TPLXDataSource *dataSource() const override;
    bool showsGantt() const override { return FGantt; }
    std::unique_ptr<IQeLPageRenderer> createRenderer() override;
    QString printLogFileName() const override { return FLogFile; }
    bool askPrintFileName(QString &fileName) override;

signals:
    void pagesChanged();
    void pageChanged(int page);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void bindNamedDataSource();
    void showPage();
    void fillThumbnails();
    void fillProfiles();
    std::unique_ptr<TQeLGraphPreview> layout(double dpi) const;
    bool runJob(const TQeLIntArray &pages, TQeLPrintFlags flags);

    QPrinter FPrinter{QPrinter::HighResolution};
    TQeLPrintOptions FOptions;
    std::unique_ptr<TQeLIniSerializer> FProfiles;
    QPointer<TPLXGanttGraph> FGraph;
    QPointer<QObject> FSourceGuard;
    TPLXDataSource *FSource = nullptr;
    bool FGantt = true;
    QString FLogFile;
    QString FSourceName;
    QString FPdfFile;
    int FPage = 0;
    int FPages = 0;
    double FZoom = 1.0;
    std::unique_ptr<TQeLPrintThread> FJob;

    QListWidget *FThumbnails;
    QScrollArea *FScroll;
    QLabel *FView;
    QLabel *FPageLabel;
    QComboBox *FProfileBox;
};
