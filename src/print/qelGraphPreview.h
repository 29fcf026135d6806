// The page renderer: splits a chart into pages for a printer and draws each
// page with its title, header and footer boxes, border and background.
#pragma once

#include "qelPrintJob.h"

#include <QList>
#include <QRect>
#include <QSize>

class QPainter;
class TPLXDataSource;
class TQeLPageTitleOptions;
class TQeLPrintOptions;

// A chart as the page renderer sees it, in the chart's own pixels.
class ORVANTA_EXPORT IQeLPrintableChart
{
public:
    virtual ~IQeLPrintableChart();
    // Called before the extent is asked for, and after the last page.
    virtual void beginPrinting() {}
    virtual void endPrinting() {}
    virtual QRect printRange() = 0;
    // The part at the left (the task tree) and at the top (time scales and
    // column titles) that every page repeats.
    virtual int fixedRight() = 0;
    virtual int fixedBottom() = 0;
    // Where a page may end without cutting a row, or a period, in two; sorted.
    virtual QList<int> rowEdges() = 0;
    virtual QList<int> columnEdges() = 0;
    // Draws the chart with the painter's clip and transform in place; `area`
    // is the part of the chart that shows.
    virtual void draw(QPainter &painter, const QRect &area) = 0;
};

// The Gantt chart or the network of a data source.
ORVANTA_EXPORT std::unique_ptr<IQeLPrintableChart> QeLPrintableChart(TPLXDataSource *source, bool gantt,
                                                                     const TQeLPrintOptions &options);

// One page: the slices of the chart it shows, in chart pixels.
struct TQeLPageSlice
{
    int left = 0, right = 0; // columns of the scrolling part
    int top = 0, bottom = 0; // rows of the scrolling part
};

// Splits a chart into PagesH × PagesV pages and draws them.
class ORVANTA_EXPORT TQeLGraphPreview : public IQeLPageRenderer
{
public:
    TQeLGraphPreview(std::unique_ptr<IQeLPrintableChart> chart, TQeLPrintOptions &options);
    ~TQeLGraphPreview() override;

    // Lays the pages out for a sheet of `pageSize` device pixels at `dpi`; the
    // chart shows the print date range until EndPreparation.
    void Paginate(QSize pageSize, int dpi);
    void BeginPreparation(QPrinter &printer) override;
    int PageCount() const override { return PagesH * PagesV; }
    void RenderPage(int page, QPainter &painter, QPoint offset) override;
    void EndPreparation() override;

    int PagesH = 1;
    int PagesV = 1;
    // Chart pixels to device pixels.
    double scale() const { return FScale; }
    const QList<TQeLPageSlice> &slices() const { return FSlices; }
    // Where the chart lands on each page, in device pixels from the sheet's corner.
    QRect chartArea(int page) const;

private:
    void drawDecorations(QPainter &painter, int page);
    void drawChartPart(QPainter &painter, const QRect &source, QPoint target);
    int titleHeight(int page) const;
    int textHeight(const TQeLPageTitleOptions &box) const;
    // Where the header (or footer) boxes stand, in device pixels.
    QRect band(bool header) const;

    std::unique_ptr<IQeLPrintableChart> FChart;
    TQeLPrintOptions &FOptions;
    QSize FPageSize;
    int FDpi = 96;
    double FScale = 1.0;
    QRect FRange;
    int FFixedRight = 0;
    int FFixedBottom = 0;
    QList<TQeLPageSlice> FSlices;
    bool FPrinting = false;
};
