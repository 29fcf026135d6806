// Rendering into an image for the paint, style and chart tests: a white canvas with a visual context on it, and the
// colours of its pixels.
#pragma once

#include "plxGanttObject.h"
#include "plxVisualContext.h"

#include <QImage>
#include <QList>
#include <QPainter>
#include <QPoint>

#include <cmath>
#include <memory>

namespace plxtest {

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

// A white image of the given logical size and device pixel ratio and a visual context drawing on it, with the whole
// image as the visible area.
struct Canvas
{
    QImage image;
    QPainter painter;
    std::unique_ptr<TPLXCanvasVC> vc;

    Canvas(int width, int height, qreal dpr = 1.0)
        : image(int(std::lrint(width * dpr)), int(std::lrint(height * dpr)), QImage::Format_RGB32)
    {
        image.setDevicePixelRatio(dpr);
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
    // The colour of the logical pixel (x, y): its top-left device pixel.
    TColor at(int x, int y) const
    {
        const qreal dpr = image.devicePixelRatio();
        return pixel(image, int(std::lrint(x * dpr)), int(std::lrint(y * dpr)));
    }
    // How many logical pixels of `r` have `color`.
    int count(const TRect &r, TColor color) const
    {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                n += at(x, y) == color;
        return n;
    }
};

// What `drawer` draws on a fresh white canvas of the given size, with all of it or only `visible` as the visible area.
inline QImage drawn(TPLXDrawer *drawer, int width, int height, const TRect &visible = {})
{
    Canvas canvas(width, height);
    if (!visible.isEmpty())
        canvas.vc->setVisibleArea(visible);
    drawer->Draw(*canvas.vc);
    return canvas.finish();
}

} // namespace plxtest
