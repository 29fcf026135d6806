#include "qelPrintPreview.h"

#include "plxDataSource.h"
#include "plxGanttGraph.h"
#include "plxPertGraph.h"
#include "plxRessourceStrings.h"
#include "plxTimeMode.h"
#include "qelGraphPreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QEventLoop>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPrintDialog>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

// Screen pixels per inch at a preview zoom of 1.
constexpr double kScreenDpi = 96.0;
// Pages beyond this many are listed without a picture.
constexpr int kThumbnails = 60;

QDate dateOf(TDateTime date)
{
    return QDate(1899, 12, 30).addDays(qint64(std::floor(date)));
}

TDateTime toDate(const QDate &date)
{
    return PLXEncodeDate(date.year(), date.month(), date.day());
}

} // namespace

// --------------------------------------------------------- TQeLPageSetupDialog

TQeLPageSetupDialog::TQeLPageSetupDialog(TQeLPrintOptions &options, QPrinter &printer, QWidget *parent)
    : QDialog(parent)
    , FOptions(options)
    , FPrinter(printer)
{
    setWindowTitle(PLXText(QStringLiteral("pp_ps_caption")));
    auto *form = new QFormLayout;
    const QString names[6] = {QStringLiteral("pp_mi_left"),   QStringLiteral("pp_mi_right"),
                              QStringLiteral("pp_mi_top"),    QStringLiteral("pp_mi_bottom"),
                              QStringLiteral("pp_mi_header"), QStringLiteral("pp_mi_footer")};
    const int values[6] = {options.GetLeftMargin(),   options.GetRightMargin(),  options.GetTopMargin(),
                           options.GetBottomMargin(), options.GetHeaderMargin(), options.GetFooterMargin()};
    for (int i = 0; i < 6; ++i) {
        FMargins[i] = new QSpinBox(this);
        FMargins[i]->setRange(0, 500);
        FMargins[i]->setSuffix(QStringLiteral(" mm"));
        FMargins[i]->setValue(values[i]);
        form->addRow(PLXText(names[i]), FMargins[i]);
    }
    FPaper = new QComboBox(this);
    for (const QPageSize::PageSizeId id : {QPageSize::A4, QPageSize::A3, QPageSize::Letter, QPageSize::Legal})
        FPaper->addItem(QPageSize::name(id), int(id));
    FPaper->setCurrentIndex(std::max(0, FPaper->findData(int(printer.pageLayout().pageSize().id()))));
    form->addRow(PLXText(QStringLiteral("pp_mi_paperformat")), FPaper);
    FOrientation = new QComboBox(this);
    FOrientation->addItems({PLXText(QStringLiteral("pp_pf_portrait")), PLXText(QStringLiteral("pp_pf_landscape"))});
    FOrientation->setCurrentIndex(printer.pageLayout().orientation() == QPageLayout::Landscape ? 1 : 0);
    form->addRow(FOrientation);
    FTitle = new QLineEdit(options.GetPageTitle().GetContents(), this);
    form->addRow(PLXText(QStringLiteral("pp_ps_caption")), FTitle);
    const char *boxes[6] = {"pp_ps_headerleft", "pp_ps_headercenter", "pp_ps_headerright",
                            "pp_ps_footerleft", "pp_ps_footercenter", "pp_ps_footerright"};
    for (int i = 0; i < 6; ++i) {
        FBoxes[i] = new QLineEdit(options.GetBox(i).GetContents(), this);
        form->addRow(PLXText(QLatin1String(boxes[i])), FBoxes[i]);
    }
    FZoom = new QDoubleSpinBox(this);
    FZoom->setRange(TQeLPrintOptions::kMinZoom, TQeLPrintOptions::kMaxZoom);
    FZoom->setSuffix(QStringLiteral(" %"));
    FZoom->setValue(options.GetZoom());
    form->addRow(PLXText(QStringLiteral("pp_label_zoomfactor")), FZoom);
    FFitToPage = new QCheckBox(PLXText(QStringLiteral("pp_ps_fittopage")), this);
    FFitToPage->setChecked(options.GetFitToPage());
    FFitWeeks = new QCheckBox(PLXText(QStringLiteral("pp_ps_calendric_week")), this);
    FFitWeeks->setChecked(options.GetFitWeeks());
    // The two fits exclude each other here as they do in the options.
    connect(FFitToPage, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            FFitWeeks->setChecked(false);
    });
    connect(FFitWeeks, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            FFitToPage->setChecked(false);
    });
    form->addRow(FFitToPage);
    form->addRow(FFitWeeks);
    FAuto = new QCheckBox(PLXText(QStringLiteral("pp_ps_auto")), this);
    FAuto->setChecked(options.GetTimeRangeAuto());
    form->addRow(PLXText(QStringLiteral("pp_ps_timerange")), FAuto);
    FStart = new QDateEdit(dateOf(options.GetStartDate()), this);
    FEnd = new QDateEdit(dateOf(options.GetEndDate()), this);
    form->addRow(PLXText(QStringLiteral("pp_ps_timerange_start")), FStart);
    form->addRow(PLXText(QStringLiteral("pp_ps_timerange_end")), FEnd);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(this, &QDialog::accepted, this, &TQeLPageSetupDialog::apply);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void TQeLPageSetupDialog::apply()
{
    FOptions.SetLeftMargin(FMargins[0]->value());
    FOptions.SetRightMargin(FMargins[1]->value());
    FOptions.SetTopMargin(FMargins[2]->value());
    FOptions.SetBottomMargin(FMargins[3]->value());
    FOptions.SetHeaderMargin(FMargins[4]->value());
    FOptions.SetFooterMargin(FMargins[5]->value());
    FOptions.GetPageTitle().SetContents(FTitle->text());
    for (int i = 0; i < 6; ++i)
        FOptions.GetBox(i).SetContents(FBoxes[i]->text());
    FOptions.SetZoom(FZoom->value());
    FOptions.SetFitToPage(FFitToPage->isChecked());
    FOptions.SetFitWeeks(FFitWeeks->isChecked());
    FOptions.SetTimeRangeAuto(FAuto->isChecked());
    // An empty or reversed range prints from its start on.
    FOptions.SetStartDate(toDate(FStart->date()));
    FOptions.SetEndDate(std::max(toDate(FEnd->date()), toDate(FStart->date())));
    FPrinter.setPageSize(QPageSize(QPageSize::PageSizeId(FPaper->currentData().toInt())));
    FPrinter.setPageOrientation(FOrientation->currentIndex() == 1 ? QPageLayout::Landscape : QPageLayout::Portrait);
    FOptions.SetOrientation(FOrientation->currentIndex());
    FOptions.SetPaperFormatName(FPaper->currentText());
}

// ------------------------------------------------------------ TQeLPrintPreview

TQeLPrintPreview::TQeLPrintPreview(QWidget *parent)
    : QWidget(parent)
    , FProfiles(std::make_unique<TQeLIniSerializer>())
    , FThumbnails(new QListWidget(this))
    , FScroll(new QScrollArea(this))
    , FView(new QLabel)
    , FPageLabel(new QLabel(this))
    , FProfileBox(new QComboBox(this))
{
    FProfiles->Load(FOptions, QString(), poNone);
    auto *bar = new QHBoxLayout;
    const auto button = [this, bar](const char *text, const char *hint, auto slot) {
        auto *b = new QToolButton(this);
        b->setText(PLXText(QLatin1String(text)));
        b->setToolTip(PLXText(QLatin1String(hint)));
        b->setObjectName(QLatin1String(text));
        connect(b, &QToolButton::clicked, this, slot);
        bar->addWidget(b);
        return b;
    };
    button("pp_menu_firstpage", "pp_hint_firstpage", [this] { FirstPage(); });
    button("pp_menu_prevpage", "pp_hint_prevpage", [this] { PriorPage(); });
    bar->addWidget(FPageLabel);
    button("pp_menu_nextpage", "pp_hint_nextpage", [this] { NextPage(); });
    button("pp_menu_lastpage", "pp_hint_lastpage", [this] { LastPage(); });
    button("pp_menu_pagesetup", "pp_hint_pagesetup", [this] { PageSetup(); });
    button("pp_menu_print", "pp_hint_print", [this] { Print(); });
    auto *pdf = new QToolButton(this);
    pdf->setText(QStringLiteral("Export PDF"));
    pdf->setObjectName(QStringLiteral("exportPdf"));
    connect(pdf, &QToolButton::clicked, this, [this] {
        const QString file =
            QFileDialog::getSaveFileName(this, QStringLiteral("Export PDF"), QString(), QStringLiteral("PDF (*.pdf)"));
        if (!file.isEmpty())
            ExportPdf(file);
    });
    bar->addWidget(pdf);
    bar->addWidget(new QLabel(PLXText(QStringLiteral("pp_label_profile")), this));
    bar->addWidget(FProfileBox);
    connect(FProfileBox, &QComboBox::activated, this,
            [this](int index) { LoadProfile(index == 0 ? QString() : FProfileBox->itemText(index)); });
    bar->addStretch();
    FView->setAlignment(Qt::AlignCenter);
    FScroll->setWidget(FView);
    FScroll->setWidgetResizable(false);
    FScroll->setAlignment(Qt::AlignCenter);
    FThumbnails->setViewMode(QListView::IconMode);
    FThumbnails->setFlow(QListView::TopToBottom);
    FThumbnails->setIconSize(QSize(90, 120));
    FThumbnails->setMaximumWidth(150);
    connect(FThumbnails, &QListWidget::currentRowChanged, this, [this](int row) { GoToPage(row + 1); });
    auto *body = new QHBoxLayout;
    body->addWidget(FThumbnails);
    body->addWidget(FScroll, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addLayout(body, 1);
    fillProfiles();
}

TQeLPrintPreview::~TQeLPrintPreview()
{
    FJob.reset();
    // The settings last used are kept for the next preview.
    FProfiles->Store(FOptions, QString());
}

TPLXDataSource *TQeLPrintPreview::dataSource() const
{
    if (FGraph)
        return FGraph->getDataSource();
    return FSourceGuard ? FSource : nullptr;
}

void TQeLPrintPreview::setGanttGraph(TPLXGanttGraph *graph)
{
    FGraph = graph;
    FGantt = true;
    Repaginate();
}

void TQeLPrintPreview::setPertGraph(TPLXPertGraph *graph)
{
    FGraph = graph;
    FGantt = false;
    Repaginate();
}

void TQeLPrintPreview::setDataSource(TPLXDataSource *source, bool gantt)
{
    FGraph = nullptr;
    FSource = source;
    FSourceGuard = source;
    FGantt = gantt;
    Repaginate();
}

void TQeLPrintPreview::setDataSourceName(const QString &name)
{
    FSourceName = name;
    bindNamedDataSource();
}

void TQeLPrintPreview::bindNamedDataSource()
{
    if (TPLXDataSource *source = PLXFindDataSource(window(), FSourceName); source && source != dataSource())
        setDataSource(source);
}

void TQeLPrintPreview::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    bindNamedDataSource();
}

void TQeLPrintPreview::setProfileFile(const QString &fileName)
{
    FProfiles = std::make_unique<TQeLIniSerializer>(fileName);
    FProfiles->Load(FOptions, QString(), poNone);
    fillProfiles();
    Repaginate();
}

std::unique_ptr<IQeLPageRenderer> TQeLPrintPreview::createRenderer()
{
    return std::make_unique<TQeLGraphPreview>(QeLPrintableChart(dataSource(), FGantt, FOptions), FOptions);
}

std::unique_ptr<TQeLGraphPreview> TQeLPrintPreview::layout(double dpi) const
{
    auto pages = std::make_unique<TQeLGraphPreview>(QeLPrintableChart(dataSource(), FGantt, FOptions),
                                                    const_cast<TQeLPrintOptions &>(FOptions));
    const QSizeF mm = FPrinter.pageLayout().fullRect(QPageLayout::Millimeter).size();
    pages->Paginate(QSize(int(std::lrint(mm.width() * dpi / 25.4)), int(std::lrint(mm.height() * dpi / 25.4))),
                    int(std::lrint(dpi)));
    return pages;
}

int TQeLPrintPreview::pageCount() const
{
    return FPages;
}

QImage TQeLPrintPreview::pageImage(int page, double dpi) const
{
    if (page < 1 || page > FPages || !dataSource())
        return QImage();
    const auto pages = layout(dpi);
    const QSizeF mm = FPrinter.pageLayout().fullRect(QPageLayout::Millimeter).size();
    QImage image(int(std::lrint(mm.width() * dpi / 25.4)), int(std::lrint(mm.height() * dpi / 25.4)),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    pages->RenderPage(page, painter, QPoint());
    painter.end();
    pages->EndPreparation();
    return image;
}

void TQeLPrintPreview::Repaginate()
{
    FPages = dataSource() ? layout(kScreenDpi)->PageCount() : 0;
    FPage = FPages > 0 ? std::clamp(FPage, 1, FPages) : 0;
    fillThumbnails();
    showPage();
    emit pagesChanged();
}

void TQeLPrintPreview::fillThumbnails()
{
    const QSignalBlocker block(FThumbnails);
    FThumbnails->clear();
    for (int page = 1; page <= FPages; ++page) {
        auto *item = new QListWidgetItem(QString::number(page), FThumbnails);
        if (page <= kThumbnails)
            item->setIcon(QPixmap::fromImage(pageImage(page, 12.0)));
    }
    FThumbnails->setCurrentRow(FPage - 1);
}

void TQeLPrintPreview::fillProfiles()
{
    FProfileBox->clear();
    FProfileBox->addItems(profiles());
}

void TQeLPrintPreview::GoToPage(int page)
{
    if (FPages == 0 || page < 1 || page > FPages || page == FPage)
        return;
    FPage = page;
    {
        const QSignalBlocker block(FThumbnails);
        FThumbnails->setCurrentRow(page - 1);
    }
    showPage();
    emit pageChanged(page);
}

void TQeLPrintPreview::SetPreviewZoom(double factor)
{
    FZoom = std::clamp(factor, 0.1, 8.0);
    showPage();
}

void TQeLPrintPreview::showPage()
{
    FPageLabel->setText(QStringLiteral("%1 / %2").arg(FPage).arg(FPages));
    const QImage image = pageImage(FPage, kScreenDpi * FZoom);
    FView->setPixmap(QPixmap::fromImage(image));
    FView->resize(image.size());
}

QStringList TQeLPrintPreview::profiles()
{
    return QeLProfileNames(*FProfiles);
}

bool TQeLPrintPreview::SaveProfile(const QString &name)
{
    const bool stored = FProfiles->Store(FOptions, name == QeLLastSettingsName() ? QString() : name);
    fillProfiles();
    return stored;
}

bool TQeLPrintPreview::LoadProfile(const QString &name)
{
    const QString section = name == QeLLastSettingsName() ? QString() : name;
    if (!section.isEmpty() && !FProfiles->GetSections().contains(section, Qt::CaseInsensitive))
        return false;
    FProfiles->Load(FOptions, section, poNone);
    Repaginate();
    return true;
}

bool TQeLPrintPreview::DeleteProfile(const QString &name)
{
    if (name.isEmpty() || name == QeLLastSettingsName())
        return false;
    const bool deleted = FProfiles->Delete(name);
    fillProfiles();
    return deleted;
}

bool TQeLPrintPreview::askPrintFileName(QString &fileName)
{
    if (FPdfFile.isEmpty())
        return IQeLPrintHost::askPrintFileName(fileName);
    fileName = FPdfFile;
    return true;
}

bool TQeLPrintPreview::runJob(const TQeLIntArray &pages, TQeLPrintFlags flags)
{
    if (FJob && FJob->isRunning())
        return false;
    if (FOptions.GetMonochrome())
        flags |= QeLFlag(qelpfBlackWhite);
    FJob = std::make_unique<TQeLPrintThread>(this, pages, flags);
    QEventLoop loop;
    connect(FJob.get(), &QThread::finished, &loop, &QEventLoop::quit);
    if (!FJob->isFinished())
        loop.exec();
    return FJob->Finished();
}

bool TQeLPrintPreview::ExportPdf(const QString &fileName)
{
    if (!dataSource())
        return false;
    FPdfFile = fileName;
    FPrinter.setOutputFormat(QPrinter::PdfFormat);
    const bool done = runJob({}, QeLFlag(qelPrintToFile));
    FPrinter.setOutputFormat(QPrinter::NativeFormat);
    FPdfFile.clear();
    return done;
}

void TQeLPrintPreview::Print()
{
    if (!dataSource())
        return;
    QPrintDialog dialog(&FPrinter, this);
    dialog.setMinMax(1, std::max(1, FPages));
    if (dialog.exec() != QDialog::Accepted)
        return;
    TQeLIntArray pages;
    if (dialog.printRange() == QAbstractPrintDialog::PageRange)
        pages = {dialog.fromPage(), dialog.toPage()};
    else if (dialog.printRange() == QAbstractPrintDialog::CurrentPage)
        pages = {FPage, FPage};
    // The dialog's print-to-file choice is the file to print into.
    FPdfFile = FPrinter.outputFileName();
    runJob(pages, FPdfFile.isEmpty() ? 0 : QeLFlag(qelPrintToFile));
    FPdfFile.clear();
}

void TQeLPrintPreview::PageSetup()
{
    TQeLPageSetupDialog dialog(FOptions, FPrinter, this);
    if (dialog.exec() == QDialog::Accepted)
        Repaginate();
}
