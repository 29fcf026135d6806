#include "plxGanttGraph.h"
#include "plxColors.h"
#include "plxDataSource.h"
#include "plxDocumentCalendar.h"
#include "plxGanttAccessible.h"
#include "plxGanttBar.h"
#include "plxGanttDocument.h"
#include "plxGanttTable.h"
#include "plxPlatform.h"
#include "plxTextualHalo.h"
#include "plxTreeGrid.h"
#include "plxVisualContext.h"

#include <QApplication>
#include <QImageWriter>
#include <QPaintEvent>
#include <QSaveFile>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSvgGenerator>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// The raster painter addresses this many pixels a side; pictures past it or
// past a gigabyte of pixels are refused instead of allocated.
constexpr qint64 kPainterSide = 32767;
constexpr qint64 kMaxPixels = qint64(1) << 28;
// A JPEG stores its sides in 16 bits.
constexpr qint64 kJpegSide = 65535;
constexpr int kWheelNotch = 120;

const QString kNoDataSource = QStringLiteral("No datasource assigned");

bool fail(const QString &message)
{
    PLXLog(message);
    PLXShowMessage(message);
    return false;
}

// The size of an export before anything is drawn.
struct TExtent
{
    qint64 width = 0;
    qint64 height = 0;
    qint64 treeWidth = 0;
    qint64 periods = 0;
};

TExtent measure(TPLXGanttDocument &doc, int firstRow, int lastRow, TDateTime startDate, TDateTime endDate)
{
    TExtent e;
    TPLXGanttTable *table = doc.GetTable();
    const int first = std::max(0, firstRow);
    const int last = std::min(lastRow, table->countRows() - 1);
    const qint64 rowsHeight =
        first <= last ? table->visibleHeightBefore(last + 1) - table->visibleHeightBefore(first) : 0;
    if (TPLXTreeGrid *tree = doc.GetTree(); tree && tree->getHeader())
        for (const TPLXTreeHeaderCell *cell : tree->getHeader()->cells())
            if (cell->isVisible())
                e.treeWidth += cell->getWidth();
    e.treeWidth += doc.getTreeStartX();
    TPLXDocumentCalendar *cal = doc.getCalendar();
    const TPLXTimeMode mode = cal ? cal->getTimeMode() : tmDay;
    const TDateTime periodStart = cal ? cal->StartOfPeriod(startDate) : startDate;
    const qint64 days = qint64(std::trunc(endDate)) - qint64(std::trunc(periodStart));
    switch (mode) {
    case tmWeek:
        e.periods = days >= 8 ? days / 7 + 1 : 1;
        break;
    case tmMonth:
        e.periods = days >= 31 ? days / 30 + 1 : 1;
        break;
    case tmYear:
        e.periods = days >= 366 ? days / 365 + 1 : 1;
        break;
    default:
        e.periods = days;
        break;
    }
    // A reversed date range leaves the chart part empty.
    e.periods = std::max<qint64>(0, e.periods);
    e.width = std::max<qint64>(0, e.treeWidth + e.periods * std::max(1, table->GetColumnWidth()));
    e.height = doc.GetTableStartY() + rowsHeight;
    return e;
}

// Puts the control's rows, dates and tree layout back however an export ends.
class TExportState
{
public:
    explicit TExportState(TPLXGanttDocument &doc)
        : FDoc(doc)
        , FScrolled(doc.GetTable()->getScrolledLines())
        , FStart(doc.getStartDate())
        , FEnd(doc.getEndDate())
        , FTreeWidth(doc.GetTree() ? doc.GetTree()->getWidth() : 0)
        , FDocStartX(doc.getDocStartX())
    {
    }
    ~TExportState()
    {
        FDoc.GetTable()->SetScrolledLines(FScrolled);
        FDoc.setStartDate(FStart);
        FDoc.setEndDate(FEnd);
        if (TPLXTreeGrid *tree = FDoc.GetTree())
            tree->setWidth(FTreeWidth);
        FDoc.setDocStartX(FDocStartX);
    }
    TExportState(const TExportState &) = delete;
    TExportState &operator=(const TExportState &) = delete;

private:
    TPLXGanttDocument &FDoc;
    int FScrolled;
    TDateTime FStart;
    TDateTime FEnd;
    int FTreeWidth;
    int FDocStartX;
};

} // namespace

TPLXGanttGraph::TPLXGanttGraph(QWidget *parent)
    : TPLXGanttGraph(parent, std::make_unique<TPLXGanttView>())
{
}

TPLXGanttGraph::TPLXGanttGraph(QWidget *parent, std::unique_ptr<TPLXGanttView> view)
    : TPLXController(parent)
    , FOwnedView(std::move(view))
    , FView(*FOwnedView)
    , FDocScroller(new QScrollBar(Qt::Horizontal, this))
    , FTreeScroller(new QScrollBar(Qt::Horizontal, this))
    , FVerticalScroller(new QScrollBar(Qt::Vertical, this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    PLXInstallGanttAccessibility();
    for (QScrollBar *bar : {FDocScroller, FTreeScroller, FVerticalScroller}) {
        bar->setRange(0, 100);
        bar->setPageStep(kLargeChange);
        // The keyboard stays with the chart.
        bar->setFocusPolicy(Qt::NoFocus);
        bar->hide();
        connect(bar, &QScrollBar::actionTriggered, this, [this, bar](int action) { scrollerAction(bar, action); });
    }
    FDocScrollerLastPosition = FDocScroller->maximum() * 5 / 100;
    FDocScroller->setValue(FDocScrollerLastPosition);
    FView.setOnCursor([this](Qt::CursorShape shape) { setCursor(shape); });
    // Outlines draw on the frame; only showing it again is needed.
    FView.setOnOutline([this] { update(); });
}

TPLXGanttGraph::~TPLXGanttGraph()
{
    // A data source among the control's children goes after this body: it must find nobody listening.
    for (const QMetaObject::Connection &c : std::as_const(FConnections))
        disconnect(c);
    FView.forgetVisualContext();
}

// ---- binding

void TPLXGanttGraph::setDataSource(TPLXDataSource *dataSource)
{
    for (const QMetaObject::Connection &c : std::as_const(FConnections))
        disconnect(c);
    FConnections.clear();
    forgetObjects(false);
    FView.forgetVisualContext();
    FDataSource = dataSource;
    FView.setDataSource(dataSource);
    if (dataSource) {
        FConnections << connect(dataSource, &TPLXDataSource::changed, this, &TPLXGanttGraph::onDataSourceChanged)
                     << connect(dataSource, &TPLXDataSource::undone, this, &TPLXGanttGraph::onDataSourceChanged)
                     << connect(dataSource, &TPLXDataSource::redone, this, &TPLXGanttGraph::onDataSourceChanged)
                     << connect(dataSource, &TPLXDataSource::documentReplaced, this,
                                [this] {
                                    // The outlined and pointed objects belonged to the old document.
                                    forgetObjects();
                                    FView.forgetVisualContext();
                                    Paint();
                                })
                     << connect(dataSource, &QObject::destroyed, this, &TPLXGanttGraph::unbind);
    }
    for (QScrollBar *bar : {FDocScroller, FTreeScroller, FVerticalScroller})
        bar->setVisible(dataSource != nullptr);
    updateScrollers();
    Paint();
}

void TPLXGanttGraph::unbind()
{
    // The data source is being destroyed: nothing of it may be touched.
    FConnections.clear();
    forgetObjects();
    FView.forgetVisualContext();
    FView.setDataSource(nullptr);
    FDataSource = nullptr;
    for (QScrollBar *bar : {FDocScroller, FTreeScroller, FVerticalScroller})
        bar->hide();
    Paint();
}

void TPLXGanttGraph::onDataSourceChanged()
{
    objectsMayHaveGone();
    PLXGanttAccessibilityChanged(this);
    if (!FDataSource || FDataSource->IsInUpdateMode())
        return;
    // A gesture records its change before it ends, and its handler repaints once it is done.
    if (isExecutingAction()) {
        FFrameStale = true;
        update();
        return;
    }
    Paint();
}

void TPLXGanttGraph::BeginUpdate()
{
    if (FDataSource)
        FDataSource->SetUpdateMode(true);
}

void TPLXGanttGraph::EndUpdate()
{
    TPLXDataSource *ds = FDataSource;
    if (!ds)
        return;
    ds->SetUpdateMode(false);
    if (TPLXTreeGrid *tree = ds->GetTree())
        // A sort the refresh performs becomes an undo step of its own.
        if (std::unique_ptr<TPLXOperation> sort = tree->updateRows())
            ds->getUndoRedoStack().addOperation(std::move(sort));
    if (TPLXGanttTable *table = ds->GetTable()) {
        table->updateCriticalPath();
        table->UpdateSummaryBars();
    }
    Paint();
}

// ---- painting

bool TPLXGanttGraph::ensureFrame()
{
    if (frameFits())
        return true;
    const qreal dpr = devicePixelRatioF();
    const QSize pixels(static_cast<int>(std::ceil(width() * dpr)), static_cast<int>(std::ceil(height() * dpr)));
    FView.forgetVisualContext();
    FVC.reset();
    FFramePainter.reset();
    if (pixels.isEmpty())
        return false;
    FFrame = QImage(pixels, QImage::Format_RGB32);
    FFrame.setDevicePixelRatio(dpr);
    FFrame.fill(palette().color(QPalette::Window));
    FFramePainter = std::make_unique<QPainter>(&FFrame);
    FVC = std::make_unique<TPLXCanvasVC>(*FFramePainter);
    FVC->Canvas()->setPalette(&palette());
    return true;
}

int TPLXGanttGraph::chartRight() const
{
    return chartArea().Right;
}

int TPLXGanttGraph::chartBottom() const
{
    return chartArea().Bottom;
}

TRect TPLXGanttGraph::chartArea() const
{
    return {0, 0, width() - FVerticalScroller->sizeHint().width(), height() - FDocScroller->sizeHint().height()};
}

void TPLXGanttGraph::Paint()
{
    if (FPainting)
        return;
    FPainting = true;
    const std::unique_ptr<bool, void (*)(bool *)> done(&FPainting, [](bool *flag) { *flag = false; });
    if (!ensureFrame())
        return;
    const TRect whole{0, 0, width(), height()};
    TPLXGanttDocument *doc = FDataSource ? FDataSource->root() : nullptr;
    if (!doc) {
        FVC->setVisibleArea(whole);
        FVC->FillArea(whole, clWindow, bsSolid);
        const QFont font = QApplication::font(this);
        FVC->setFont(font.family(), std::max(1, font.pointSize()), clWindowText, false, false, false, 0);
        FVC->centerText(whole, kNoDataSource);
    } else {
        const TRect area = chartArea();
        doc->setDocStartX(0);
        // The corner between the scroll bars.
        FVC->setVisibleArea(whole);
        FVC->FillArea({area.Right, area.Bottom, whole.Right, whole.Bottom}, clBtnFace, bsSolid);
        FVC->setVisibleArea(area);
        // The frame is the off-screen buffer: the screen only ever receives it whole,
        // so a second buffer inside the visual context would only copy it once more.
        // What the document gives no colour of its own follows the palette.
        FVC->FillArea(area, clWindow, bsSolid);
        FView.Draw(FDataSource, *FVC, false);
        updateScrollers();
    }
    FFrameStale = false;
    update();
}

bool TPLXGanttGraph::frameFits() const
{
    const qreal dpr = devicePixelRatioF();
    const QSize pixels(static_cast<int>(std::ceil(width() * dpr)), static_cast<int>(std::ceil(height() * dpr)));
    return FVC && FFrame.size() == pixels && FFrame.devicePixelRatio() == dpr;
}

void TPLXGanttGraph::paintEvent(QPaintEvent *event)
{
    if (FFrameStale || !frameFits())
        Paint();
    QPainter painter(this);
    const QRect r = event->rect();
    const qreal dpr = FFrame.devicePixelRatio();
    painter.drawImage(QRectF(r), FFrame, QRectF(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr));
}

void TPLXGanttGraph::resizeEvent(QResizeEvent *)
{
    updateScrollers();
    // Rendering a hidden control resends its size: only a new size repaints.
    if (!frameFits())
        Paint();
}

void TPLXGanttGraph::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        if (FVC)
            FVC->Canvas()->setPalette(&palette());
        FFrameStale = true;
        update();
    }
    TPLXController::changeEvent(event);
}

// ---- scrolling

void TPLXGanttGraph::updateScrollers()
{
    TPLXDataSource *ds = FDataSource;
    TPLXGanttDocument *doc = ds ? ds->root() : nullptr;
    if (!doc)
        return;
    const int treeWidth = doc->getTreeWidth();
    const int barWidth = FVerticalScroller->sizeHint().width();
    const int barHeight = FDocScroller->sizeHint().height();
    FDocScroller->setGeometry(treeWidth, height() - barHeight, std::max(0, width() - treeWidth - barWidth), barHeight);
    FTreeScroller->setGeometry(0, height() - barHeight, std::max(0, treeWidth), barHeight);
    FVerticalScroller->setGeometry(width() - barWidth, 0, barWidth, std::max(0, height() - barHeight));
    const bool treeHidden =
        treeWidth - doc->getVerticalResizePaneSize() - doc->getDocStartX() <= doc->getTreeActualWidth();
    FTreeScroller->setEnabled(treeHidden);
    if (!treeHidden)
        doc->setTreeStartX(0);
    if (TPLXGanttTable *table = doc->GetTable())
        table->setWidth(width() - treeWidth - barWidth);
}

int TPLXGanttGraph::getDocScrollerMax() const
{
    return FDocScroller->maximum();
}

void TPLXGanttGraph::setDocScrollerMax(int maximum)
{
    FDocScroller->setMaximum(std::max(2 * kChartScrollMargin, maximum));
}

void TPLXGanttGraph::SetVerticalScrollerPosition(int position)
{
    if (position >= 0 && position <= 100)
        FVerticalScroller->setValue(position);
}

void TPLXGanttGraph::scrollerAction(QScrollBar *bar, int action)
{
    if (action == QAbstractSlider::SliderNoAction || !FDataSource)
        return;
    if (bar == FDocScroller)
        docScrollerChanged(bar->sliderPosition());
    else if (bar == FTreeScroller)
        treeScrollerChanged(bar->sliderPosition());
    else if (action == QAbstractSlider::SliderSingleStepAdd)
        verticalLineStep(1);
    else if (action == QAbstractSlider::SliderSingleStepSub)
        verticalLineStep(-1);
    else
        verticalMove(bar->value(), bar->sliderPosition());
}

void TPLXGanttGraph::docScrollerChanged(int position)
{
    if (!FDataSource)
        return;
    FView.scroll(position - FDocScrollerLastPosition);
    // The thumb never reaches an end, so an arrow at the end keeps scrolling.
    position = std::clamp(position, FDocScroller->minimum() + kChartScrollMargin,
                          FDocScroller->maximum() - kChartScrollMargin);
    FDocScrollerLastPosition = position;
    // Moving the thumb from here raises its action again; this move is done already.
    const QSignalBlocker quiet(FDocScroller);
    FDocScroller->setSliderPosition(position);
    Paint();
}

void TPLXGanttGraph::treeScrollerChanged(int position)
{
    TPLXGanttDocument *doc = FDataSource ? FDataSource->root() : nullptr;
    if (!doc)
        return;
    const double hidden = doc->getTreeActualWidth() - doc->getTreeWidth() / 1.5;
    doc->setTreeStartX(-static_cast<int>(std::lrint(hidden * position / 100)));
    FTreeScrollerLastPosition = position;
    Paint();
}

void TPLXGanttGraph::verticalLineStep(int step)
{
    TPLXGanttTable *table = FDataSource ? FDataSource->GetTable() : nullptr;
    if (!table)
        return;
    const int count = table->countRows();
    if (count > 0) {
        const int first = std::min(count - 1, std::max(0, table->getScrolledLines() + step));
        table->SetScrolledLines(first);
        const QSignalBlocker quiet(FVerticalScroller);
        FVerticalScroller->setSliderPosition(static_cast<int>(std::lrint(double(first) / count * 100)));
    }
    Paint();
}

void TPLXGanttGraph::verticalMove(int oldPosition, int position)
{
    TPLXGanttTable *table = FDataSource ? FDataSource->GetTable() : nullptr;
    if (!table)
        return;
    const int count = table->countRows();
    const int target = std::min(std::max(0, count - 1), static_cast<int>(std::lrint(double(count) * position / 100)));
    const int current = table->getScrolledLines();
    // The rows follow the thumb only in the direction it moves.
    if ((oldPosition > position && target < current) || (oldPosition < position && target > current))
        table->SetScrolledLines(target);
    Paint();
}

void TPLXGanttGraph::wheelEvent(QWheelEvent *event)
{
    if (!FDataSource) {
        event->ignore();
        return;
    }
    // An open editor is committed before the rows move under it.
    nextState(mouseEvent::stopEditing, 0, 0, 0);
    FWheelRemainder += event->angleDelta().y();
    // One notch, one row; smaller steps add up to notches.
    while (FWheelRemainder >= kWheelNotch) {
        FWheelRemainder -= kWheelNotch;
        verticalLineStep(-1);
    }
    while (FWheelRemainder <= -kWheelNotch) {
        FWheelRemainder += kWheelNotch;
        verticalLineStep(1);
    }
    event->accept();
}

void TPLXGanttGraph::ScrollInViewZeile(int row)
{
    TPLXGanttDocument *doc = FDataSource ? FDataSource->root() : nullptr;
    TPLXGanttTable *table = doc ? doc->GetTable() : nullptr;
    if (!table || table->countRows() == 0 || row < 0 || row >= table->countRows())
        return;
    const int count = table->countRows();
    TPLXTreeGrid *tree = doc->GetTree();
    const qint64 header = tree && tree->getHeader() ? tree->getHeader()->getHeight() : doc->GetTableStartY();
    const auto rowSpace = [table](int i) {
        const TPLXGanttRow *r = table->getRow(i);
        return r && r->IsVisible() ? qint64(r->getHeight()) + 1 : 0;
    };
    // From s on, the rows up to `row` take header + their heights; the row fits below the control's height.
    const auto fits = [&](int s) {
        if (s >= count - 1 || s > row)
            return false;
        qint64 total = header;
        for (int i = s; i <= row && total < height(); ++i)
            total += rowSpace(i);
        return total < height();
    };
    if (fits(table->getScrolledLines()))
        return;
    // Fewer rows above take less room: walk up from the row while it still fits.
    int best = -1;
    qint64 total = header;
    for (int s = row; s >= 0; --s) {
        total += rowSpace(s);
        if (total >= height())
            break;
        if (s < count - 1)
            best = s;
    }
    if (best >= 0) {
        table->SetScrolledLines(best);
        Paint();
    }
}

void TPLXGanttGraph::ScrollInViewColumn(int col)
{
    TPLXGanttDocument *doc = FDataSource ? FDataSource->root() : nullptr;
    TPLXTreeGrid *tree = doc ? doc->GetTree() : nullptr;
    if (!tree || !tree->getHeader())
        return;
    const QList<TPLXTreeHeaderCell *> &cells = tree->getHeader()->cells();
    int x = 0;
    for (int i = 0; i < std::min<qsizetype>(col, cells.size()); ++i)
        if (cells[i]->isVisible())
            x += cells[i]->getWidth();
    const int start = std::abs(doc->getTreeStartX()) - 15;
    if (start < x && x < start + doc->getTreeWidth())
        return;
    // The column lands 15 pixels from the left edge; the first one at the edge.
    doc->setTreeStartX(col == 0 ? -x : 15 - x);
    Paint();
}

// ---- export

QSize TPLXGanttGraph::PaintToBitmap(QImage *bitmap, int firstRow, int lastRow, TDateTime startDate, TDateTime endDate)
{
    QSize size;
    renderExport(firstRow, lastRow, startDate, endDate, [&](const QSize &s) -> QPaintDevice * {
        size = s;
        if (!bitmap)
            return nullptr;
        *bitmap = QImage(s, QImage::Format_RGB32);
        if (bitmap->isNull())
            PLXLog(
                QStringLiteral("A picture of %1 x %2 pixels could not be allocated").arg(s.width()).arg(s.height()));
        return bitmap->isNull() ? nullptr : bitmap;
    });
    return size;
}

void TPLXGanttGraph::renderExport(int firstRow, int lastRow, TDateTime startDate, TDateTime endDate,
                                  const std::function<QPaintDevice *(const QSize &)> &device)
{
    TPLXDataSource *ds = FDataSource;
    TPLXGanttDocument *doc = ds ? ds->root() : nullptr;
    if (!doc || !doc->GetTable())
        return;
    {
        const TExportState keep(*doc);
        if (TPLXTreeGrid *tree = doc->GetTree())
            tree->unFocus();
        doc->GetTable()->SetScrolledLines(firstRow);
        const TExtent e = measure(*doc, firstRow, lastRow, startDate, endDate);
        if (TPLXTreeGrid *tree = doc->GetTree())
            tree->setWidth(static_cast<int>(std::min<qint64>(e.treeWidth - doc->getTreeStartX() + 17, kPainterSide)));
        const QSize size(static_cast<int>(std::min<qint64>(e.width, INT_MAX)),
                         static_cast<int>(std::min<qint64>(e.height, INT_MAX)));
        QPaintDevice *target = device(size);
        if (target && !size.isEmpty()) {
            QPainter painter(target);
            TPLXCanvasVC vc(painter);
            vc.Canvas()->setPalette(&palette());
            const TRect area{0, 0, size.width(), size.height()};
            vc.setVisibleArea(area);
            vc.FillArea(area, clWindow, bsSolid);
            doc->setDocStartX(0);
            doc->setStartDate(startDate);
            doc->setEndDate(endDate);
            // A view of its own: the control's outline and last context stay as they are.
            TPLXGanttView exporter;
            exporter.Draw(ds, vc, true);
        }
    }
    Paint();
}

bool TPLXGanttGraph::checkExport(const QString &format, qint64 sideLimit, int firstRow, int lastRow,
                                 TDateTime startDate, TDateTime endDate)
{
    TPLXDataSource *ds = FDataSource;
    TPLXGanttDocument *doc = ds ? ds->root() : nullptr;
    if (!doc || !doc->GetTable())
        return fail(QStringLiteral("The chart cannot be exported: no data source is bound"));
    const int count = doc->GetTable()->countRows();
    if (firstRow > lastRow)
        return fail(
            QStringLiteral("The chart cannot be exported: the rows %1 to %2 are reversed").arg(firstRow).arg(lastRow));
    if (lastRow < 0 || firstRow >= count)
        return fail(
            QStringLiteral("The chart cannot be exported: the rows %1 to %2 lie outside the table's rows 0 to %3")
                .arg(firstRow)
                .arg(lastRow)
                .arg(count - 1));
    if (!(startDate <= endDate))
        return fail(QStringLiteral("The chart cannot be exported: the dates %1 to %2 are reversed")
                        .arg(startDate, 0, 'f', 2)
                        .arg(endDate, 0, 'f', 2));
    if (sideLimit <= 0)
        return true;
    const TExtent e = measure(*doc, firstRow, lastRow, startDate, endDate);
    const qint64 pixelLimit = std::min(kMaxPixels / std::max<qint64>(1, e.width), sideLimit);
    if (e.width <= sideLimit && e.height <= pixelLimit)
        return true;
    QString message =
        QStringLiteral("The chart cannot be exported as %1: it would be %2 x %3 pixels, and %1 allows at most "
                       "%4 pixels a side here (and %5 pixels in all).")
            .arg(format)
            .arg(e.width)
            .arg(e.height)
            .arg(sideLimit)
            .arg(kMaxPixels);
    if (e.width > sideLimit) {
        message +=
            QStringLiteral(" Export fewer dates: %1 columns fit.")
                .arg(std::max<qint64>(0, (sideLimit - e.treeWidth) / std::max(1, doc->GetTable()->GetColumnWidth())));
        return fail(message);
    }
    // The largest range from the first row whose picture fits.
    TPLXGanttTable *table = doc->GetTable();
    const qint64 room = pixelLimit - doc->GetTableStartY();
    const qint64 before = table->visibleHeightBefore(std::max(0, firstRow));
    int lo = std::max(0, firstRow) - 1;
    int hi = std::min(lastRow, count - 1);
    while (lo < hi) {
        const int mid = lo + (hi - lo + 1) / 2;
        if (table->visibleHeightBefore(mid + 1) - before <= room)
            lo = mid;
        else
            hi = mid - 1;
    }
    if (lo < std::max(0, firstRow))
        message += QStringLiteral(" Not even row %1 fits.").arg(std::max(0, firstRow));
    else
        message += QStringLiteral(" Rows %1 to %2 fit.").arg(std::max(0, firstRow)).arg(lo);
    return fail(message);
}

bool TPLXGanttGraph::saveFile(const QString &fileName, const std::function<QString(QIODevice &)> &write)
{
    // The file appears whole when writing succeeded and not at all otherwise.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("The chart cannot be saved to \"%1\": %2").arg(fileName, file.errorString()));
    const QString error = write(file);
    if (!error.isEmpty()) {
        file.cancelWriting();
        return fail(QStringLiteral("The chart cannot be saved to \"%1\": %2").arg(fileName, error));
    }
    if (!file.commit())
        return fail(QStringLiteral("The chart cannot be saved to \"%1\": %2").arg(fileName, file.errorString()));
    return true;
}

bool TPLXGanttGraph::saveRaster(const QString &fileName, const char *format, QImage::Format pixelFormat, int quality,
                                int firstRow, int lastRow, TDateTime startDate, TDateTime endDate)
{
    const QString name = QString::fromLatin1(format).toUpper();
    if (!checkExport(name, qstrcmp(format, "jpeg") == 0 ? std::min(kJpegSide, kPainterSide) : kPainterSide, firstRow,
                     lastRow, startDate, endDate))
        return false;
    return saveFile(fileName, [&](QIODevice &device) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QImage image;
        PaintToBitmap(&image, firstRow, lastRow, startDate, endDate);
        QApplication::restoreOverrideCursor();
        if (image.isNull())
            return QStringLiteral("the picture could not be made");
        if (pixelFormat != QImage::Format_Invalid && pixelFormat != image.format())
            image.convertTo(pixelFormat);
        QImageWriter writer(&device, format);
        if (quality > 0)
            writer.setQuality(quality);
        return writer.write(image) ? QString() : writer.errorString();
    });
}

bool TPLXGanttGraph::SaveToBitmap(const QString &fileName, QImage::Format pixelFormat, int firstRow, int lastRow,
                                  TDateTime startDate, TDateTime endDate)
{
    return saveRaster(fileName, "bmp", pixelFormat, -1, firstRow, lastRow, startDate, endDate);
}

bool TPLXGanttGraph::SaveToJpeg(const QString &fileName, QImage::Format pixelFormat, int quality, int firstRow,
                                int lastRow, TDateTime startDate, TDateTime endDate)
{
    if (quality < 1 || quality > 100)
        return fail(QStringLiteral("The chart cannot be saved as JPEG with quality %1: the quality runs from 1 to 100")
                        .arg(quality));
    return saveRaster(fileName, "jpeg", pixelFormat, quality, firstRow, lastRow, startDate, endDate);
}

bool TPLXGanttGraph::SaveToPng(const QString &fileName, int firstRow, int lastRow, TDateTime startDate,
                               TDateTime endDate)
{
    return saveRaster(fileName, "png", QImage::Format_Invalid, -1, firstRow, lastRow, startDate, endDate);
}

bool TPLXGanttGraph::SaveToSvg(const QString &fileName, int firstRow, int lastRow, TDateTime startDate,
                               TDateTime endDate)
{
    // A drawing, not pixels: only the painter's coordinate range limits it.
    if (!checkExport(QStringLiteral("SVG"), kPainterSide, firstRow, lastRow, startDate, endDate))
        return false;
    return saveFile(fileName, [&](QIODevice &device) {
        QSvgGenerator generator;
        generator.setOutputDevice(&device);
        renderExport(firstRow, lastRow, startDate, endDate, [&](const QSize &size) -> QPaintDevice * {
            generator.setSize(size);
            generator.setViewBox(QRect(QPoint(0, 0), size));
            return &generator;
        });
        return QString();
    });
}

// ---- hints

QString TPLXGanttGraph::dateHint(TPLXGanttBar &bar)
{
    const auto shortDate = [](TDateTime d) {
        return QLocale().toString(QDate(1899, 12, 30).addDays(qint64(std::floor(d))), QLocale::ShortFormat);
    };
    // The end date is the first day after the bar.
    return shortDate(bar.getStartDate()) + QStringLiteral(" - ") + shortDate(bar.getEndDate() - 1);
}

void TPLXGanttGraph::drawHint(TPLXGanttBar *bar, int x, int y)
{
    if (!bar || !FVC || !bar->existingTextHalo() || bar->existingTextHalo()->getHint() != QLatin1String("Date"))
        return;
    FVC->setVisibleArea({0, 0, width(), height()});
    FVC->setFont(QStringLiteral("Arial"), 7, clBlack, false, false, false, 0);
    const QString text = dateHint(*bar);
    TRect r{x - FVC->TextWidth(text) - 30, y - FVC->TextHeight(text) - 3, x - 10, y};
    FVC->drawRect(r, psSolid, 0x808080);
    r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    FVC->gradientFill(r, 0xF5E6CD, 0xFFFFFF, false);
    const TRect info{r.Left + 1, r.Top + 1, r.Left + 13, r.Bottom - 1};
    FVC->gradientFill(info, 0xF5E6CD, 0xAE957D, true);
    FVC->drawRect(info, psSolid, 0x808080);
    FVC->setFont(QStringLiteral("Arial"), 7, clWhite, false, false, false, 0);
    FVC->centerText({r.Left + 1, r.Top + 3, r.Left + 13, r.Bottom - 1}, QStringLiteral("i"));
    FVC->setFont(QStringLiteral("Arial"), 7, clBlack, false, false, false, 0);
    FVC->centerText({r.Left + 16, r.Top, r.Right, r.Bottom}, text);
    update();
}
