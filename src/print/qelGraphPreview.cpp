#include "qelGraphPreview.h"

#include "plxColors.h"
#include "plxDataSource.h"
#include "plxDocumentCalendar.h"
#include "plxGanttBar.h"
#include "plxGanttDocument.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxGanttView.h"
#include "plxPertView.h"
#include "plxPlatform.h"
#include "plxRessourceStrings.h"
#include "plxTimeMode.h"
#include "plxVisualContext.h"
#include "qelPrintOptions.h"

#include <QDateTime>
#include <QImage>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

IQeLPrintableChart::~IQeLPrintableChart() = default;

namespace {

// Screen pixels are 1/96 inch; a zoom of 100 % prints them at that size.
constexpr double kScreenDpi = 96.0;

int mmToPixels(int mm, int dpi)
{
    return int(std::lrint(mm * dpi / 25.4));
}

QColor colorOf(TColor color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

// Splits [from, to) into pieces of at most `room`, each ending on an edge when one lies within reach.
QList<std::pair<int, int>> split(int from, int to, double room, const QList<int> &edges, bool onEdges)
{
    QList<std::pair<int, int>> pieces;
    const int step = std::max(1, int(std::floor(room)));
    for (int start = from; start < to;) {
        int end = int(std::min<qint64>(to, qint64(start) + step));
        if (end < to && onEdges) {
            const auto it = std::upper_bound(edges.begin(), edges.end(), end);
            if (it != edges.begin() && *(it - 1) > start)
                end = *(it - 1);
        }
        pieces.append({start, end});
        start = end;
    }
    if (pieces.isEmpty())
        pieces.append({from, from});
    return pieces;
}

// The Gantt chart of a document, shown for the print date range.
class GanttChart : public IQeLPrintableChart
{
public:
    GanttChart(TPLXDataSource *source, const TQeLPrintOptions &options)
        : FDoc(source->root())
        , FOptions(options)
    {
        FView.setDataSource(source);
    }

    void beginPrinting() override
    {
        FSavedStart = FDoc->getStartDate();
        FSavedEnd = FDoc->getEndDate();
        FSavedDocX = FDoc->getDocStartX();
        const TPLXTimeMode mode = FDoc->getCalendar() ? FDoc->getCalendar()->getTimeMode() : tmDay;
        TDateTime start = FOptions.GetStartDate();
        TDateTime end = FOptions.GetEndDate();
        if (FOptions.GetTimeRangeAuto() && barsRange(start, end)) {
            start = Add(start, -FOptions.GetLeftOffset(), mode);
            end = Add(end, FOptions.GetRightOffset(), mode);
        }
        start = StartOfPeriod(start, mode);
        // An empty or reversed range still prints one period.
        FColumns = std::max(1, Diff(std::max(end, start), start, mode));
        FDoc->setDocStartX(0);
        FDoc->setStartDate(start);
        FDoc->setEndDate(Add(start, FColumns, mode));
    }

    void endPrinting() override
    {
        FDoc->setStartDate(FSavedStart);
        FDoc->setEndDate(FSavedEnd);
        FDoc->setDocStartX(FSavedDocX);
    }

    QRect printRange() override
    {
        // The view's range holds the legend when the document prints it.
        TRect range = FView.GetPrintRange();
        if (!FOptions.GetPrintTable())
            range.Left = FDoc->getTreeWidth();
        if (!FOptions.GetPrintGraph())
            range.Right = FDoc->getTreeWidth();
        return QRect(QPoint(range.Left, range.Top), QPoint(range.Right - 1, range.Bottom - 1));
    }

    int fixedRight() override { return FDoc->getTreeWidth(); }
    int fixedBottom() override { return FDoc->GetTableStartY(); }

    QList<int> rowEdges() override
    {
        QList<int> edges;
        if (TPLXGanttTable *table = FDoc->GetTable()) {
            for (int i = 0; i < table->countRows(); ++i)
                edges.append(table->getRowStartY(i));
            edges.append(FDoc->GetTableStartY() + table->getTableHeight());
        }
        std::sort(edges.begin(), edges.end());
        return edges;
    }

    QList<int> columnEdges() override
    {
        QList<int> edges;
        for (int k = 0; k <= FColumns; ++k)
            edges.append(FDoc->getTreeWidth() + k * columnWidth());
        return edges;
    }

    void draw(QPainter &painter, const QRect &area) override
    {
        TPLXCanvasVC vc(painter);
        vc.setVisibleArea(TRect{area.left(), area.top(), area.right() + 1, area.bottom() + 1});
        FView.Draw(vc, true);
    }

private:
    int columnWidth() const { return FDoc->GetTable() ? std::max(1, FDoc->GetTable()->GetColumnWidth()) : 1; }

    bool barsRange(TDateTime &start, TDateTime &end) const
    {
        TPLXGanttTable *table = FDoc->GetTable();
        bool any = false;
        for (int i = 0; table && i < table->countRows(); ++i)
            for (int j = 0; j < table->getRow(i)->GetBarCount(); ++j) {
                TPLXGanttBar *bar = table->getRow(i)->GetBarInRow(j);
                start = any ? std::min(start, bar->getStartDate()) : bar->getStartDate();
                end = any ? std::max(end, bar->getEndDate()) : bar->getEndDate();
                any = true;
            }
        return any;
    }

    TPLXGanttDocument *FDoc;
    const TQeLPrintOptions &FOptions;
    TPLXGanttView FView;
    TDateTime FSavedStart = 0;
    TDateTime FSavedEnd = 0;
    int FSavedDocX = 0;
    int FColumns = 1;
};

// The network of a document as its PERT view prints it, from the network's
// origin and with the legend under it: no part repeats and a page may end anywhere.
class NetworkChart : public IQeLPrintableChart
{
public:
    explicit NetworkChart(TPLXDataSource *source)
        : FDoc(source->root())
    {
        FView.setDataSource(source);
    }

    void beginPrinting() override
    {
        TPLXGanttTable *table = FDoc->GetTable();
        FSavedDocX = FDoc->getDocStartX();
        FSavedStart = table ? QPoint(table->getPertStartX(), table->getPertStartY()) : QPoint();
        FDoc->setDocStartX(0);
        if (table) {
            table->setPertStartX(0);
            table->setPertStartY(0);
        }
    }

    void endPrinting() override
    {
        FDoc->setDocStartX(FSavedDocX);
        if (TPLXGanttTable *table = FDoc->GetTable()) {
            table->setPertStartX(FSavedStart.x());
            table->setPertStartY(FSavedStart.y());
        }
    }

    QRect printRange() override
    {
        const TRect range = FView.GetPrintRange();
        return QRect(QPoint(range.Left, range.Top),
                     QPoint(std::max(range.Left, range.Right - 1), std::max(range.Top, range.Bottom - 1)));
    }
    int fixedRight() override { return 0; }
    int fixedBottom() override { return 0; }
    QList<int> rowEdges() override { return {}; }
    QList<int> columnEdges() override { return {}; }
    void draw(QPainter &painter, const QRect &area) override
    {
        TPLXCanvasVC vc(painter);
        vc.setVisibleArea(TRect{area.left(), area.top(), area.right() + 1, area.bottom() + 1});
        FView.Draw(vc, true);
    }

private:
    TPLXGanttDocument *FDoc;
    TPLXPertView FView;
    int FSavedDocX = 0;
    QPoint FSavedStart;
};

// The page's autotext fields replaced by their values.
QString autotext(QString text, int page, int pages)
{
    const QDateTime now = QDateTime::currentDateTime();
    const QString date = QLocale().toString(now.date(), QLocale::ShortFormat);
    const QString time = QLocale().toString(now.time(), QLocale::ShortFormat);
    text.replace(QStringLiteral("[DatumZeit]"), date + QLatin1Char(' ') + time);
    text.replace(QStringLiteral("[Datum]"), date);
    text.replace(QStringLiteral("[Zeit]"), time);
    text.replace(QStringLiteral("[Seite#von#]"),
                 QStringLiteral("%1 %2 %3").arg(page).arg(PLXText(QStringLiteral("pp_of"))).arg(pages));
    text.replace(QStringLiteral("[Seiten]"), QString::number(pages));
    text.replace(QStringLiteral("[Seite]"), QString::number(page));
    return text;
}

Qt::Alignment horizontal(int align)
{
    return align == 1 ? Qt::AlignRight : align == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
}

} // namespace

std::unique_ptr<IQeLPrintableChart> QeLPrintableChart(TPLXDataSource *source, bool gantt,
                                                      const TQeLPrintOptions &options)
{
    TPLXGanttDocument *document = source ? source->root() : nullptr;
    if (!document)
        return nullptr;
    if (gantt)
        return std::make_unique<GanttChart>(source, options);
    return std::make_unique<NetworkChart>(source);
}

TQeLGraphPreview::TQeLGraphPreview(std::unique_ptr<IQeLPrintableChart> chart, TQeLPrintOptions &options)
    : FChart(std::move(chart))
    , FOptions(options)
{
}

TQeLGraphPreview::~TQeLGraphPreview()
{
    EndPreparation();
}

int TQeLGraphPreview::textHeight(const TQeLPageTitleOptions &box) const
{
    const int lines = int(box.GetContents().count(QStringLiteral("\r\n"))) + 1;
    // Points are 1/72 inch.
    return int(std::lrint(lines * box.GetFont().pointSizeF() * 1.5 * FDpi / 72.0));
}

int TQeLGraphPreview::titleHeight(int page) const
{
    const TQeLPageTitleOptions &title = FOptions.GetPageTitle();
    if (!FOptions.GetTitleShown() || title.GetContents().isEmpty() || (page > 1 && !FOptions.GetTitleOnEachPage()))
        return 0;
    return textHeight(title) + mmToPixels(FOptions.GetTitleMargin(), FDpi) / 2;
}

QRect TQeLGraphPreview::band(bool header) const
{
    int height = 0;
    for (int i = header ? 0 : 3; i < (header ? 3 : 6); ++i) {
        const TQeLHdrFtrBoxOptions &box = FOptions.GetBox(i);
        if (box.GetIsImage() || !box.GetContents().isEmpty())
            height = std::max(height, textHeight(box));
    }
    const int left = mmToPixels(FOptions.GetLeftMargin(), FDpi);
    const int width = FPageSize.width() - left - mmToPixels(FOptions.GetRightMargin(), FDpi);
    // Boxes stand between their margin and the chart's, and take one text line at least.
    if (header) {
        const int top = mmToPixels(FOptions.GetHeaderMargin(), FDpi);
        return QRect(left, top, width, std::max(mmToPixels(FOptions.GetTopMargin(), FDpi) - top, height));
    }
    const int bottom = FPageSize.height() - mmToPixels(FOptions.GetFooterMargin(), FDpi);
    const int top = std::min(FPageSize.height() - mmToPixels(FOptions.GetBottomMargin(), FDpi), bottom - height);
    return QRect(left, top, width, bottom - top);
}

QRect TQeLGraphPreview::chartArea(int page) const
{
    const int left = mmToPixels(FOptions.GetLeftMargin(), FDpi);
    const int top = std::max(mmToPixels(FOptions.GetTopMargin(), FDpi), band(true).bottom() + 1) + titleHeight(page);
    const int right = FPageSize.width() - mmToPixels(FOptions.GetRightMargin(), FDpi);
    const int bottom = std::min(FPageSize.height() - mmToPixels(FOptions.GetBottomMargin(), FDpi), band(false).top());
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void TQeLGraphPreview::Paginate(QSize pageSize, int dpi)
{
    if (!FPrinting && FChart)
        FChart->beginPrinting();
    FPrinting = true;
    FPageSize = pageSize;
    FDpi = std::max(1, dpi);
    FRange = FChart ? FChart->printRange() : QRect();
    FFixedRight = FChart ? std::clamp(FChart->fixedRight(), FRange.left(), FRange.right() + 1) : 0;
    FFixedBottom = FChart ? std::clamp(FChart->fixedBottom(), FRange.top(), FRange.bottom() + 1) : 0;
    FSlices.clear();
    PagesH = PagesV = 1;
    // The title may stand on the first page only: the later pages are no larger.
    const QRect area = chartArea(1);
    const double width = std::max(1, FRange.width());
    const double height = std::max(1, FRange.height());
    if (area.width() < 1 || area.height() < 1) {
        PLXLog(QStringLiteral("Print: the margins leave no room for the chart"));
        FScale = 1.0;
        FSlices.append({FFixedRight, FFixedRight, FFixedBottom, FFixedBottom});
        return;
    }
    if (FOptions.GetFitToPage())
        FScale = std::min(area.width() / width, area.height() / height);
    else if (FOptions.GetFitWeeks())
        FScale = area.width() / width;
    else
        FScale = FOptions.GetZoom() / 100.0 * FDpi / kScreenDpi;
    const bool fitsAcross = FOptions.GetFitToPage() || FOptions.GetFitWeeks();
    const bool fitsDown = FOptions.GetFitToPage();
    const double roomAcross = fitsAcross ? width : area.width() / FScale - (FFixedRight - FRange.left());
    const double roomDown = fitsDown ? height : area.height() / FScale - (FFixedBottom - FRange.top());
    // With a repeated part that leaves almost no room, pages still move on by a sensible step.
    const auto across = split(FFixedRight, FRange.right() + 1, std::max(roomAcross, 8.0), FChart->columnEdges(),
                              FOptions.GetColumnBreak());
    const auto down =
        split(FFixedBottom, FRange.bottom() + 1, std::max(roomDown, 8.0), FChart->rowEdges(), FOptions.GetPageBreak());
    PagesH = int(across.size());
    PagesV = int(down.size());
    for (const auto &[top, bottom] : down)
        for (const auto &[left, right] : across)
            FSlices.append({left, right, top, bottom});
}

void TQeLGraphPreview::BeginPreparation(QPrinter &printer)
{
    const QRect sheet = printer.pageLayout().fullRectPixels(printer.resolution());
    Paginate(sheet.size(), printer.resolution());
}

void TQeLGraphPreview::EndPreparation()
{
    if (FPrinting && FChart)
        FChart->endPrinting();
    FPrinting = false;
}

void TQeLGraphPreview::drawChartPart(QPainter &painter, const QRect &source, QPoint target)
{
    if (source.isEmpty())
        return;
    painter.save();
    painter.translate(target);
    painter.scale(FScale, FScale);
    painter.translate(-source.topLeft());
    painter.setClipRect(source, Qt::IntersectClip);
    FChart->draw(painter, source);
    painter.restore();
}

void TQeLGraphPreview::RenderPage(int page, QPainter &painter, QPoint offset)
{
    if (page < 1 || page > FSlices.size() || !FChart)
        return;
    painter.save();
    painter.translate(offset);
    drawDecorations(painter, page);
    const TQeLPageSlice &slice = FSlices[page - 1];
    const QRect area = chartArea(page);
    const int fixedWidth = int(std::lrint((FFixedRight - FRange.left()) * FScale));
    const int fixedHeight = int(std::lrint((FFixedBottom - FRange.top()) * FScale));
    const QPoint origin = area.topLeft();
    const int left = FRange.left(), top = FRange.top();
    drawChartPart(painter, QRect(QPoint(left, top), QPoint(FFixedRight - 1, FFixedBottom - 1)), origin);
    drawChartPart(painter, QRect(QPoint(slice.left, top), QPoint(slice.right - 1, FFixedBottom - 1)),
                  origin + QPoint(fixedWidth, 0));
    drawChartPart(painter, QRect(QPoint(left, slice.top), QPoint(FFixedRight - 1, slice.bottom - 1)),
                  origin + QPoint(0, fixedHeight));
    drawChartPart(painter, QRect(QPoint(slice.left, slice.top), QPoint(slice.right - 1, slice.bottom - 1)),
                  origin + QPoint(fixedWidth, fixedHeight));
    if (FOptions.GetBorderShown() && FOptions.GetBorderSize() > 0) {
        const int shownWidth = fixedWidth + int(std::lrint((slice.right - slice.left) * FScale));
        const int shownHeight = fixedHeight + int(std::lrint((slice.bottom - slice.top) * FScale));
        QPen pen(FOptions.GetMonochrome() ? QColor(Qt::black) : colorOf(FOptions.GetBorderColor()));
        pen.setWidthF(FOptions.GetBorderSize() * FDpi / kScreenDpi);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(origin, QSize(shownWidth, shownHeight)));
    }
    painter.restore();
}

void TQeLGraphPreview::drawDecorations(QPainter &painter, int page)
{
    const int pages = PageCount();
    const QRect inside(QPoint(mmToPixels(FOptions.GetLeftMargin(), FDpi), mmToPixels(FOptions.GetTopMargin(), FDpi)),
                       QPoint(FPageSize.width() - mmToPixels(FOptions.GetRightMargin(), FDpi) - 1,
                              FPageSize.height() - mmToPixels(FOptions.GetBottomMargin(), FDpi) - 1));
    if (FOptions.GetBackgroundIsImage()) {
        const QImage image(FOptions.GetBackgroundFile());
        if (image.isNull())
            PLXLog(
                [&] { return QStringLiteral("Print: no background image \"%1\"").arg(FOptions.GetBackgroundFile()); });
        else if (FOptions.GetBackgroundStyle() == 1)
            painter.drawImage(inside.center() - QPoint(image.width() / 2, image.height() / 2), image);
        else if (FOptions.GetBackgroundStyle() == 2)
            painter.drawTiledPixmap(inside, QPixmap::fromImage(image));
        else
            painter.drawImage(inside, image);
    } else if (FOptions.GetBackgroundColor() != TColor(0xFFFFFF) && !FOptions.GetMonochrome()) {
        painter.fillRect(inside, colorOf(FOptions.GetBackgroundColor()));
    }
    const auto drawText = [&](const TQeLPageTitleOptions &box, const QRect &rect, Qt::Alignment vertical) {
        QFont font = box.GetFont();
        font.setPointSizeF(font.pointSizeF() * FDpi / painter.device()->logicalDpiY());
        painter.setFont(font);
        painter.setPen(FOptions.GetMonochrome() ? QColor(Qt::black) : colorOf(box.GetFontColor()));
        painter.drawText(
            rect, int(horizontal(box.GetHAlign()) | vertical),
            autotext(box.GetContents(), page, pages).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    };
    if (const int title = titleHeight(page); title > 0) {
        const QRect area = chartArea(page);
        drawText(FOptions.GetPageTitle(), QRect(area.left(), area.top() - title, area.width(), title), Qt::AlignTop);
    }
    const QRect bands[2] = {band(true), band(false)};
    for (int i = 0; i < 6; ++i) {
        const TQeLHdrFtrBoxOptions &box = FOptions.GetBox(i);
        const QRect &strip = bands[i / 3];
        const int third = strip.width() / 3;
        const QRect rect(strip.left() + (i % 3) * third, strip.top(), third, strip.height());
        const Qt::Alignment vertical = box.GetVAlign() == taVCenter         ? Qt::AlignVCenter
                                       : box.GetVAlign() == taBottomJustify ? Qt::AlignBottom
                                                                            : Qt::AlignTop;
        if (box.GetIsImage()) {
            const QImage image(box.GetImageFile());
            if (image.isNull())
                PLXLog(
                    [&] { return QStringLiteral("Print: no header or footer image \"%1\"").arg(box.GetImageFile()); });
            else
                painter.drawImage(rect.topLeft(),
                                  image.scaled(rect.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
        } else if (!box.GetContents().isEmpty()) {
            drawText(box, rect, vertical);
        }
    }
}
