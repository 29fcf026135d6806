// A small chart for the bar, row and table tests: a test document with a
// weekend calendar and a table of rows, plus rendering into an image.
#pragma once

#include "plxDocumentCalendar.h"
#include "plxGanttTable.h"
#include "plxTaskBar.h"
#include "plxTestSupport.h"
#include "plxTextualHalo.h"
#include "plxVisualContext.h"

#include <QImage>
#include <QPainter>

namespace plxtest {

// A document root with a day-mode weekend calendar, a table whose rows are
// `rowHeight` high, the chart starting at x = colStartX and y = tableStartY.
struct Chart
{
    TPLXTestDocument doc;
    TPLXDocumentCalendar *calendar = nullptr;
    TPLXGanttTable *table = nullptr;

    explicit Chart(int rows = 4, int rowHeight = 30, int columnWidth = 20)
    {
        auto cal = std::make_unique<TPLXDocumentCalendar>();
        cal->AddPredefinedCategories();
        cal->setParent(&doc);
        calendar = cal.release();
        auto t = std::make_unique<TPLXGanttTable>();
        t->setParent(&doc);
        table = t.release();
        table->SetColumnWidth(columnWidth);
        table->setDefaultRowheight(rowHeight);
        doc.calendar = calendar;
        doc.table = table;
        doc.startDate = kMonday;
        doc.endDate = kMonday + 365;
        doc.colStartX = 100;
        doc.tableStartY = 10;
        for (int i = 0; i < rows; ++i)
            table->appendRow();
    }

    // A task bar placed into row `row` (the row becomes its parent and owner).
    TPLXTaskBar *task(int row, double start, double end)
    {
        auto bar = std::make_unique<TPLXTaskBar>(start, end, row);
        table->getRow(row)->AddBar(bar.get());
        return bar.release();
    }
};

// A white image of the given size and a visual context drawing on it, with the whole image as the visible area.
struct Canvas
{
    QImage image;
    QPainter painter;
    std::unique_ptr<TPLXCanvasVC> vc;

    Canvas(int width, int height)
        : image(width, height, QImage::Format_RGB32)
    {
        image.fill(Qt::white);
        painter.begin(&image);
        vc = std::make_unique<TPLXCanvasVC>(painter);
        vc->setVisibleArea({0, 0, width, height});
    }
    ~Canvas()
    {
        vc.reset();
        if (painter.isActive())
            painter.end();
    }
    QImage finish()
    {
        vc.reset();
        painter.end();
        return image;
    }
};

// The pixel as a TColor (0x00BBGGRR).
inline TColor pixel(const QImage &image, int x, int y)
{
    const QRgb c = image.pixel(x, y);
    return static_cast<TColor>(qRed(c) | (qGreen(c) << 8) | (qBlue(c) << 16));
}

// The pixels at `points`, for one comparison of many probes of one picture.
inline QList<TColor> pixels(const QImage &image, const QList<QPoint> &points)
{
    QList<TColor> result;
    for (const QPoint &p : points)
        result << pixel(image, p.x(), p.y());
    return result;
}

// What `drawer` draws on a fresh white canvas of the given size.
inline QImage drawn(TPLXDrawer *drawer, int width, int height)
{
    Canvas canvas(width, height);
    drawer->Draw(*canvas.vc);
    return canvas.finish();
}

} // namespace plxtest
