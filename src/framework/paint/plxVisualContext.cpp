#include "plxVisualContext.h"

#include "plxColors.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QScreen>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace {

int lrintInt(double value)
{
    return static_cast<int>(std::lrint(value));
}

int redOf(TColor c)
{
    return c & 0xFF;
}
int greenOf(TColor c)
{
    return (c >> 8) & 0xFF;
}
int blueOf(TColor c)
{
    return (c >> 16) & 0xFF;
}
TColor rgbColor(int r, int g, int b)
{
    return static_cast<TColor>(r | (g << 8) | (b << 16));
}

Qt::PenStyle qtPenStyle(TPenStyle style)
{
    switch (style) {
    case psDash:
        return Qt::DashLine;
    case psDot:
        return Qt::DotLine;
    case psDashDot:
        return Qt::DashDotLine;
    case psDashDotDot:
        return Qt::DashDotDotLine;
    case psClear:
        return Qt::NoPen;
    case psSolid:
    case psInsideFrame:
        break;
    }
    return Qt::SolidLine;
}

// Forward diagonal hatches run down from left to right, backward ones up.
Qt::BrushStyle qtBrushStyle(TBrushStyle style)
{
    switch (style) {
    case bsClear:
        return Qt::NoBrush;
    case bsHorizontal:
        return Qt::HorPattern;
    case bsVertical:
        return Qt::VerPattern;
    case bsFDiagonal:
        return Qt::FDiagPattern;
    case bsBDiagonal:
        return Qt::BDiagPattern;
    case bsCross:
        return Qt::CrossPattern;
    case bsDiagCross:
        return Qt::DiagCrossPattern;
    case bsSolid:
        break;
    }
    return Qt::SolidPattern;
}

bool isSolidPen(TPenStyle style)
{
    return style == psSolid || style == psInsideFrame;
}

// Logical coordinates to the pixels of the device's memory (device pixel ratio included).
QRectF toDeviceRect(const QPainter &painter, const TRect &r)
{
    return painter.deviceTransform().mapRect(QRectF(r.Left, r.Top, r.width(), r.height()));
}

// Logical coordinates to the device's own coordinates: a printer's dots, or an
// image's pixels before its device pixel ratio.
QTransform pageTransform(const QPainter &painter)
{
    const qreal dpr = painter.device()->devicePixelRatio();
    return painter.deviceTransform() * QTransform::fromScale(1.0 / dpr, 1.0 / dpr);
}

QRect roundedOut(const QRectF &r)
{
    const int left = static_cast<int>(std::floor(r.left() + 1e-9));
    const int top = static_cast<int>(std::floor(r.top() + 1e-9));
    const int right = static_cast<int>(std::ceil(r.right() - 1e-9));
    const int bottom = static_cast<int>(std::ceil(r.bottom() - 1e-9));
    return {left, top, right - left, bottom - top};
}

// The pixel height a point size has on the screen, so that text keeps its
// screen proportions on image and printer canvases.
int screenPixelHeight(int points)
{
    qreal dpi = 96.0;
    if (qGuiApp) {
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            dpi = screen->logicalDotsPerInchY();
    }
    return std::max(1, lrintInt(points * dpi / 72.0));
}

// Windows-style HLS on a 0..240 scale, integer arithmetic.
struct THls
{
    int h;
    int l;
    int s;
};

THls rgbToHls(TColor c)
{
    const int r = redOf(c), g = greenOf(c), b = blueOf(c);
    const int maxC = std::max({r, g, b});
    const int minC = std::min({r, g, b});
    THls hls{160, ((maxC + minC) * 240 + 255) / 510, 0};
    if (maxC == minC)
        return hls;
    const int delta = maxC - minC;
    if (hls.l <= 120)
        hls.s = ((maxC + minC) / 2 + delta * 240) / (maxC + minC);
    else
        hls.s = ((510 - maxC - minC) / 2 + delta * 240) / (510 - maxC - minC);
    const int rNorm = (delta / 2 + maxC * 40 - r * 40) / delta;
    const int gNorm = (delta / 2 + maxC * 40 - g * 40) / delta;
    const int bNorm = (delta / 2 + maxC * 40 - b * 40) / delta;
    if (r == maxC)
        hls.h = bNorm - gNorm;
    else if (g == maxC)
        hls.h = 80 + rNorm - bNorm;
    else
        hls.h = 160 + gNorm - rNorm;
    if (hls.h < 0)
        hls.h += 240;
    else if (hls.h > 240)
        hls.h -= 240;
    return hls;
}

int hueToChannel(int hue, int mid1, int mid2)
{
    if (hue > 240)
        hue -= 240;
    else if (hue < 0)
        hue += 240;
    int value;
    if (hue > 160)
        value = mid1;
    else if (hue > 120)
        value = ((160 - hue) * (mid2 - mid1) + 20) / 40 + mid1;
    else if (hue > 40)
        value = mid2;
    else
        value = (hue * (mid2 - mid1) + 20) / 40 + mid1;
    return std::clamp((value * 255 + 120) / 240, 0, 255);
}

TColor hlsToRgb(const THls &hls)
{
    if (hls.s == 0) {
        const int grey = hls.l * 255 / 240;
        return rgbColor(grey, grey, grey);
    }
    const int mid2 = hls.l > 120 ? hls.s + hls.l - (hls.s * hls.l + 120) / 240 : ((hls.s + 240) * hls.l + 120) / 240;
    const int mid1 = hls.l * 2 - mid2;
    return rgbColor(hueToChannel(hls.h + 80, mid1, mid2), hueToChannel(hls.h, mid1, mid2),
                    hueToChannel(hls.h - 80, mid1, mid2));
}

// Liang-Barsky: clips the segment to the box; false when nothing of it is inside.
bool clipSegment(double &x1, double &y1, double &x2, double &y2, double left, double top, double right, double bottom)
{
    double t0 = 0, t1 = 1;
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - left, right - x1, y1 - top, bottom - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const double sx = x1, sy = y1;
    x1 = sx + t0 * dx;
    y1 = sy + t0 * dy;
    x2 = sx + t1 * dx;
    y2 = sy + t1 * dy;
    return true;
}

// Sutherland-Hodgman against one edge of the box at a time.
QList<QPointF> clipPolygon(QList<QPointF> points, double left, double top, double right, double bottom)
{
    const auto pass = [&points](auto inside, auto cross) {
        QList<QPointF> out;
        for (qsizetype i = 0; i < points.size(); ++i) {
            const QPointF &a = points[i];
            const QPointF &b = points[(i + 1) % points.size()];
            if (inside(a)) {
                out << a;
                if (!inside(b))
                    out << cross(a, b);
            } else if (inside(b)) {
                out << cross(a, b);
            }
        }
        points = out;
    };
    const auto atX = [](double x) {
        return [x](const QPointF &a, const QPointF &b) {
            return QPointF(x, a.y() + (x - a.x()) * (b.y() - a.y()) / (b.x() - a.x()));
        };
    };
    const auto atY = [](double y) {
        return [y](const QPointF &a, const QPointF &b) {
            return QPointF(a.x() + (y - a.y()) * (b.x() - a.x()) / (b.y() - a.y()), y);
        };
    };
    pass([left](const QPointF &p) { return p.x() >= left; }, atX(left));
    pass([right](const QPointF &p) { return p.x() <= right; }, atX(right));
    pass([top](const QPointF &p) { return p.y() >= top; }, atY(top));
    pass([bottom](const QPointF &p) { return p.y() <= bottom; }, atY(bottom));
    return points;
}

} // namespace

// ---------------------------------------------------------------------------
// TPLXCanvas

TPLXCanvas::TBounds TPLXCanvas::nearBounds()
{
    // Shapes within this reach are cheap to draw whole; asking the painter for
    // its clip box costs more than that.
    constexpr qint64 reach = 16384;
    return {-reach, -reach, reach, reach};
}

TPLXCanvas::TBounds TPLXCanvas::drawableBounds() const
{
    const TRect clip = ClipRect();
    const qint64 margin = qint64(std::max(1, FPen.Width)) + 2;
    return {clip.Left - margin, clip.Top - margin, clip.Right + margin, clip.Bottom + margin};
}

TPLXCanvas::TPLXCanvas(QPainter *painter)
    : FPainter(painter)
{
    // A painter on a null picture (one too large to allocate) is inactive.
    if (!painter || !painter->isActive())
        throw EPLXError(QStringLiteral("Cannot draw: the painter is %1")
                            .arg(painter ? QStringLiteral("not active (is its picture empty or too large to make?)")
                                         : QStringLiteral("missing")));
    FFont.Font = painter->font();
    FPainter->setRenderHint(QPainter::Antialiasing, false);
    FPainter->setBackgroundMode(Qt::TransparentMode);
}

QPaintDevice *TPLXCanvas::device() const
{
    return FPainter->device();
}

QColor TPLXCanvas::toQColor(TColor color) const
{
    return ColorToQColor(color, FPalette);
}

TColor TPLXCanvas::toRGB(TColor color) const
{
    const QColor q = toQColor(color);
    return rgbColor(q.red(), q.green(), q.blue());
}

QPen TPLXCanvas::qPen() const
{
    QPen pen(toQColor(FPen.Color));
    pen.setStyle(qtPenStyle(FPen.Style));
    pen.setWidth(std::max(1, FPen.Width));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

QBrush TPLXCanvas::qBrush() const
{
    return QBrush(toQColor(FBrush.Color), qtBrushStyle(FBrush.Style));
}

void TPLXCanvas::MoveTo(int x, int y)
{
    FPenPos = TPoint(x, y);
}

void TPLXCanvas::LineTo(int x, int y)
{
    strokeLine(FPenPos.x(), FPenPos.y(), x, y);
    FPenPos = TPoint(x, y);
}

void TPLXCanvas::fillLogical(const TRect &r, const QColor &color)
{
    if (!r.isEmpty())
        FPainter->fillRect(clipped(r).toQRect(), color);
}

TRect TPLXCanvas::clipped(const TRect &r) const
{
    // Rectangles whose size fits in an int are left to the painter's own clipping.
    constexpr int near = PLXLimits::kMaxPixel * 2;
    if (std::abs(qint64(r.Left)) <= near && std::abs(qint64(r.Right)) <= near && std::abs(qint64(r.Top)) <= near &&
        std::abs(qint64(r.Bottom)) <= near)
        return r;
    const TBounds b = drawableBounds();
    const auto in = [](qint64 v, qint64 lo, qint64 hi) { return static_cast<int>(std::clamp(v, lo, hi)); };
    return {in(r.Left, b.left, b.right), in(r.Top, b.top, b.bottom), in(r.Right, b.left, b.right),
            in(r.Bottom, b.top, b.bottom)};
}

// Lines cover whole logical pixels: a pen of width w covers w pixel rows (or
// columns) around the line, from the start pixel up to but not including the
// end pixel. Solid axis-parallel lines are filled rectangles, which stay on
// the device pixel grid at any device pixel ratio.
void TPLXCanvas::strokeLine(int x1, int y1, int x2, int y2)
{
    if (FPen.Style == psClear || (x1 == x2 && y1 == y2))
        return;
    // A line reaching far outside is cut to what can be seen first, so that no
    // pixel walk or length depends on how far away its ends are.
    if (const TBounds b = nearBounds(); !b.contains({x1, y1}) || !b.contains({x2, y2})) {
        double fx = x1, fy = y1, tx = x2, ty = y2;
        const TBounds clip = drawableBounds();
        if (!clipSegment(fx, fy, tx, ty, clip.left, clip.top, clip.right, clip.bottom))
            return;
        x1 = static_cast<int>(std::nearbyint(fx));
        y1 = static_cast<int>(std::nearbyint(fy));
        x2 = static_cast<int>(std::nearbyint(tx));
        y2 = static_cast<int>(std::nearbyint(ty));
        if (x1 == x2 && y1 == y2)
            return;
    }
    const int width = std::max(1, FPen.Width);
    const bool horizontal = y1 == y2;
    const bool vertical = x1 == x2;
    if (horizontal || vertical) {
        const int across = (horizontal ? y1 : x1) - width / 2;
        const int from = horizontal ? x1 : y1;
        const int to = horizontal ? x2 : y2;
        const int lo = from < to ? from : to + 1;
        const int hi = from < to ? to : from + 1;
        if (isSolidPen(FPen.Style)) {
            const TRect band =
                horizontal ? TRect{lo, across, hi, across + width} : TRect{across, lo, across + width, hi};
            fillLogical(band, toQColor(FPen.Color));
            return;
        }
        // Dashes start at the start point, so keep the direction.
        const qreal mid = across + width / 2.0;
        const qreal a = from < to ? from : from + 1;
        const qreal b = from < to ? to : to + 1;
        FPainter->setPen(qPen());
        FPainter->drawLine(horizontal ? QLineF(a, mid, b, mid) : QLineF(mid, a, mid, b));
        return;
    }
    if (isSolidPen(FPen.Style) && width == 1) {
        plotLine(x1, y1, x2, y2, toQColor(FPen.Color), false);
        return;
    }
    const qreal offset = (width % 2) ? 0.5 : 0.0;
    FPainter->setPen(qPen());
    FPainter->drawLine(QLineF(x1 + offset, y1 + offset, x2 + offset, y2 + offset));
}

// Bresenham's line on logical pixels, painted as runs of whole pixels.
void TPLXCanvas::plotLine(int x1, int y1, int x2, int y2, const QColor &color, bool withEnd)
{
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    int x = x1, y = y1;
    TRect run{x, y, x + 1, y + 1};
    const auto flush = [&] { fillLogical(run, color); };
    for (;;) {
        const bool atEnd = x == x2 && y == y2;
        if (atEnd && !withEnd)
            break;
        const bool extendsRow = run.Top == y && run.Bottom == y + 1 && (x == run.Right || x == run.Left - 1);
        const bool extendsColumn = run.Left == x && run.Right == x + 1 && (y == run.Bottom || y == run.Top - 1);
        if (extendsRow) {
            run.Left = std::min(run.Left, x);
            run.Right = std::max(run.Right, x + 1);
        } else if (extendsColumn) {
            run.Top = std::min(run.Top, y);
            run.Bottom = std::max(run.Bottom, y + 1);
        } else if (!run.contains(x, y)) {
            flush();
            run = {x, y, x + 1, y + 1};
        }
        if (atEnd)
            break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
    if (!(x1 == x2 && y1 == y2 && !withEnd))
        flush();
}

void TPLXCanvas::outlineRect(const TRect &given)
{
    if (FPen.Style == psClear || given.isEmpty())
        return;
    // Edges cut off by the clipping lie outside the clip box.
    const TRect r = clipped(given);
    const int width = std::max(1, FPen.Width);
    if (isSolidPen(FPen.Style) && width == 1) {
        const QColor color = toQColor(FPen.Color);
        fillLogical({r.Left, r.Top, r.Right, r.Top + 1}, color);
        fillLogical({r.Left, r.Bottom - 1, r.Right, r.Bottom}, color);
        fillLogical({r.Left, r.Top + 1, r.Left + 1, r.Bottom - 1}, color);
        fillLogical({r.Right - 1, r.Top + 1, r.Right, r.Bottom - 1}, color);
        return;
    }
    const qreal offset = (width % 2) ? 0.5 : 0.0;
    FPainter->setPen(qPen());
    FPainter->setBrush(Qt::NoBrush);
    FPainter->drawRect(QRectF(r.Left + offset, r.Top + offset, r.width() - 1, r.height() - 1));
}

void TPLXCanvas::FillRect(const TRect &r)
{
    if (r.isEmpty() || FBrush.Style == bsClear)
        return;
    if (FBrush.Style == bsSolid) {
        FPainter->fillRect(clipped(r).toQRect(), toQColor(FBrush.Color));
        return;
    }
    FPainter->setPen(Qt::NoPen);
    FPainter->setBrush(qBrush());
    FPainter->drawRect(clipped(r).toQRect());
}

void TPLXCanvas::Rectangle(const TRect &r)
{
    if (r.isEmpty())
        return;
    FillRect(r);
    outlineRect(r);
}

// Vertices name pixels. The interior is every pixel whose centre lies inside
// (scanline, even-odd); the pen then outlines the edges, corner pixels
// included. Spans are whole logical pixels, exact at any device pixel ratio.
void TPLXCanvas::Polygon(const QList<TPoint> &given)
{
    if (given.isEmpty())
        return;
    QList<TPoint> points = given;
    // Vertices far outside are cut away first: the scan lines and the outline
    // then cover only what can be seen. The cut edges lie outside the clip box.
    if (TBounds b = nearBounds();
        std::any_of(points.begin(), points.end(), [&b](const TPoint &p) { return !b.contains(p); })) {
        b = drawableBounds();
        QList<QPointF> real;
        for (const TPoint &p : points)
            real << QPointF(p.x(), p.y());
        QList<TPoint> inside;
        for (const QPointF &p : clipPolygon(real, b.left, b.top, b.right, b.bottom))
            inside << TPoint(static_cast<int>(std::nearbyint(p.x())), static_cast<int>(std::nearbyint(p.y())));
        if (inside.size() < 2)
            return;
        points = inside;
    }
    const qsizetype n = points.size();
    if (FBrush.Style != bsClear && n >= 3) {
        int top = points[0].y(), bottom = points[0].y();
        for (const TPoint &p : points) {
            top = std::min(top, p.y());
            bottom = std::max(bottom, p.y());
        }
        const QBrush brush = qBrush();
        std::vector<double> crossings;
        for (int y = top; y <= bottom; ++y) {
            crossings.clear();
            for (qsizetype i = 0; i < n; ++i) {
                const TPoint &a = points[i];
                const TPoint &b = points[(i + 1) % n];
                if (a.y() == b.y())
                    continue;
                // Half-open in y so that a shared vertex counts once.
                const int lo = std::min(a.y(), b.y());
                const int hi = std::max(a.y(), b.y());
                if (y < lo || y >= hi)
                    continue;
                crossings.push_back(a.x() + double(y - a.y()) * (b.x() - a.x()) / (b.y() - a.y()));
            }
            std::sort(crossings.begin(), crossings.end());
            for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
                const int from = static_cast<int>(std::ceil(crossings[i]));
                const int to = static_cast<int>(std::floor(crossings[i + 1]));
                if (to >= from)
                    FPainter->fillRect(QRect(from, y, to - from + 1, 1), brush);
            }
        }
    }
    if (FPen.Style == psClear)
        return;
    if (isSolidPen(FPen.Style) && std::max(1, FPen.Width) == 1) {
        const QColor color = toQColor(FPen.Color);
        for (qsizetype i = 0; i < n; ++i)
            plotLine(points[i].x(), points[i].y(), points[(i + 1) % n].x(), points[(i + 1) % n].y(), color, true);
        return;
    }
    const qreal offset = (std::max(1, FPen.Width) % 2) ? 0.5 : 0.0;
    QPolygonF polygon;
    for (const TPoint &p : points)
        polygon << QPointF(p.x() + offset, p.y() + offset);
    FPainter->setPen(qPen());
    FPainter->setBrush(Qt::NoBrush);
    FPainter->drawPolygon(polygon);
}

QPointF TPLXCanvas::deviceCenter(int x, int y) const
{
    return FPainter->deviceTransform().map(QPointF(x + 0.5, y + 0.5));
}

bool TPLXCanvas::canReadPixels() const
{
    const int type = device()->devType();
    return type == QInternal::Image || type == QInternal::Pixmap;
}

TColor TPLXCanvas::Pixel(int x, int y) const
{
    const QPointF p = deviceCenter(x, y);
    const int px = static_cast<int>(std::floor(p.x()));
    const int py = static_cast<int>(std::floor(p.y()));
    QRgb rgb = qRgb(255, 255, 255);
    QPaintDevice *dev = device();
    if (dev->devType() == QInternal::Image) {
        const auto *image = static_cast<const QImage *>(dev);
        if (image->valid(px, py))
            rgb = image->pixel(px, py);
    } else if (dev->devType() == QInternal::Pixmap) {
        const auto *pixmap = static_cast<const QPixmap *>(dev);
        const QImage one = pixmap->copy(px, py, 1, 1).toImage();
        if (!one.isNull())
            rgb = one.pixel(0, 0);
    }
    return rgbColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

void TPLXCanvas::setPixel(int x, int y, TColor color)
{
    fillLogical({x, y, x + 1, y + 1}, toQColor(color));
}

void TPLXCanvas::TextOut(int x, int y, const QString &text)
{
    FPainter->setFont(FFont.Font);
    FPainter->setPen(toQColor(FFont.Color));
    const QFontMetrics metrics(FFont.Font, device());
    FPainter->drawText(QPointF(x, y + metrics.ascent()), text);
}

int TPLXCanvas::TextWidth(const QString &text) const
{
    return QFontMetrics(FFont.Font, device()).horizontalAdvance(text);
}

int TPLXCanvas::TextHeight(const QString &) const
{
    return QFontMetrics(FFont.Font, device()).height();
}

void TPLXCanvas::Draw(int x, int y, const QImage &graphic)
{
    if (!graphic.isNull())
        FPainter->drawImage(QPoint(x, y), graphic);
}

void TPLXCanvas::StretchDraw(const TRect &r, const QImage &graphic)
{
    if (!graphic.isNull() && !r.isEmpty())
        FPainter->drawImage(r.toQRect(), graphic);
}

QImage TPLXCanvas::CopyToImage(const TRect &r) const
{
    if (r.isEmpty())
        return {};
    QPaintDevice *dev = device();
    const QRect source = roundedOut(toDeviceRect(*FPainter, r));
    QImage copy;
    if (dev->devType() == QInternal::Image)
        copy = static_cast<const QImage *>(dev)->copy(source);
    else if (dev->devType() == QInternal::Pixmap)
        copy = static_cast<const QPixmap *>(dev)->copy(source).toImage();
    return copy;
}

void TPLXCanvas::CopyFromImage(const TRect &r, const QImage &image)
{
    if (image.isNull() || r.isEmpty())
        return;
    // Device pixels go back one to one, whatever the painter's scale.
    const qreal dpr = device()->devicePixelRatio();
    const QRectF target = toDeviceRect(*FPainter, r);
    FPainter->save();
    FPainter->resetTransform();
    FPainter->setCompositionMode(QPainter::CompositionMode_Source);
    const QRectF logicalTarget(target.x() / dpr, target.y() / dpr, target.width() / dpr, target.height() / dpr);
    FPainter->drawImage(logicalTarget, image, QRectF(0, 0, target.width(), target.height()));
    FPainter->restore();
}

TRect TPLXCanvas::ClipRect() const
{
    if (FPainter->hasClipping())
        return TRect::fromQRect(roundedOut(FPainter->clipBoundingRect()));
    const QPaintDevice *dev = device();
    const QRectF whole(0, 0, dev->width(), dev->height());
    return TRect::fromQRect(roundedOut(pageTransform(*FPainter).inverted().mapRect(whole)));
}

// ---------------------------------------------------------------------------
// TPLXVisualContext

TPLXVisualContext::~TPLXVisualContext() = default;

// ---------------------------------------------------------------------------
// TPLXCanvasVC

TPLXCanvasVC::TPLXCanvasVC(QPainter &painter)
    : FOwnCanvas(std::make_unique<TPLXCanvas>(&painter))
    , Fcanvas(FOwnCanvas.get())
{
    ClipRectStack.push_back(kNoClip);
    if (painter.hasClipping()) {
        FOuterPainter = &painter;
        FOuterClip = painter.clipBoundingRect();
    }
}

TPLXCanvasVC::TPLXCanvasVC(TPLXCanvas *canvas)
    : Fcanvas(canvas)
{
    PLX_ASSERT(canvas != nullptr);
    ClipRectStack.push_back(kNoClip);
}

TPLXCanvasVC::~TPLXCanvasVC()
{
    if (FBufferPainter)
        FBufferPainter->end();
}

void TPLXCanvasVC::setCanvas(TPLXCanvas *canvas)
{
    PLX_ASSERT(canvas != nullptr);
    Fcanvas = canvas;
}

void TPLXCanvasVC::outline()
{
    const TRect box = GetClipRect();
    setDrawingColor(clBlack);
    drawLine(box.Left, box.Top, box.Right, box.Bottom);
    drawLine(box.Right, box.Top, box.Left, box.Bottom);
}

TRect TPLXCanvasVC::clippingArea() const
{
    const TRect clip = Fcanvas->ClipRect();
    return {std::max(clip.Left, FvisibleArea.Left), std::max(clip.Top, FvisibleArea.Top),
            std::min(clip.Right, FvisibleArea.Right), std::min(clip.Bottom, FvisibleArea.Bottom)};
}

TRect TPLXCanvasVC::getVisibleArea()
{
    if (FvisibleArea.Right < 0)
        FvisibleArea.Right = 1;
    if (FvisibleArea.Bottom < 0)
        FvisibleArea.Bottom = 1;
    return FvisibleArea;
}

void TPLXCanvasVC::setDrawingColor(TColor color)
{
    Fcanvas->setPenColor(color);
}

void TPLXCanvasVC::setPenStyle(TPenStyle style)
{
    Fcanvas->setPenStyle(style);
}

void TPLXCanvasVC::setPenWidth(int width)
{
    Fcanvas->setPenWidth(width);
}

void TPLXCanvasVC::drawLine(int x1, int y1, int x2, int y2)
{
    Fcanvas->MoveTo(x1, y1);
    Fcanvas->painter()->setBackgroundMode(Qt::TransparentMode);
    Fcanvas->LineTo(x2, y2);
}

void TPLXCanvasVC::drawLine(const TPoint &point1, const TPoint &point2)
{
    drawLine(point1.x(), point1.y(), point2.x(), point2.y());
}

void TPLXCanvasVC::drawLine(const TRect &r)
{
    drawLine(r.Left, r.Top, r.Right, r.Bottom);
}

void TPLXCanvasVC::FillArea(const TRect &r, TColor color, TBrushStyle style)
{
    const TPLXBrush saved = Fcanvas->brush();
    Fcanvas->setBrush({color, style});
    Fcanvas->setPenColor(color);
    Fcanvas->painter()->setBackgroundMode(Qt::TransparentMode);
    Fcanvas->Rectangle(r);
    Fcanvas->setBrush(saved);
}

TRect TPLXCanvasVC::centerText(const TRect &r, const QString &text)
{
    const int width = TextWidth(text);
    const int height = TextHeight(text);
    const int x = (r.Left + r.Right - width) / 2;
    const int y = (r.Top + r.Bottom - height) / 2;
    Fcanvas->TextOut(x, y, text);
    return {x, y, x + width, y + height};
}

void TPLXCanvasVC::centerTextVertical(const TRect &r, const QString &text)
{
    textOutOriented((r.Left + r.Right - TextHeight(text)) / 2, (r.Top + r.Bottom + TextWidth(text)) / 2, text, 90);
}

void TPLXCanvasVC::setFont(const QString &faceName, int size, TColor color, bool bold, bool italic, bool underline,
                           int height)
{
    Fcanvas->setBrushStyle(bsClear);
    QFont font = Fcanvas->font().Font;
    font.setFamily(faceName);
    font.setPixelSize(height != 0 ? std::abs(height) : screenPixelHeight(size));
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    Fcanvas->setFont({font, color});
}

void TPLXCanvasVC::textOutOriented(int x, int y, const QString &text, int angle)
{
    Fcanvas->setBrushStyle(bsClear);
    if (angle == 0) {
        Fcanvas->TextOut(x, y, text);
        return;
    }
    QPainter *painter = Fcanvas->painter();
    painter->save();
    painter->translate(x, y);
    painter->rotate(-angle);
    Fcanvas->TextOut(0, 0, text);
    painter->restore();
}

void TPLXCanvasVC::setVisibleArea(const TRect &r)
{
    FvisibleArea = r;
}

void TPLXCanvasVC::fillBounds(const TRect &outer, const TRect &inner, TColor color, TBrushStyle style)
{
    FillArea({outer.Left, outer.Top, outer.Right, inner.Top}, color, style);
    FillArea({outer.Left, inner.Bottom, outer.Right, outer.Bottom}, color, style);
    FillArea({outer.Left, outer.Top, inner.Left, outer.Bottom}, color, style);
    FillArea({inner.Right, outer.Top, outer.Right, outer.Bottom}, color, style);
}

void TPLXCanvasVC::drawRect(const TRect &r, TPenStyle style, TColor color)
{
    Fcanvas->setBrushStyle(bsClear);
    const TPLXPen saved = Fcanvas->pen();
    Fcanvas->setPenStyle(style);
    Fcanvas->setPenColor(color);
    Fcanvas->Rectangle(r);
    Fcanvas->setPenStyle(saved.Style);
    Fcanvas->setPenColor(saved.Color);
}

void TPLXCanvasVC::saveArea(const TRect &r)
{
    savedArea.reset();
    // Ten more columns on the right cover what drag outlines draw past their rectangle.
    savedRect = {r.Left, r.Top, r.Right + 10, r.Bottom};
    QImage copy = Fcanvas->CopyToImage(savedRect);
    if (!copy.isNull())
        savedArea = std::make_unique<QImage>(std::move(copy));
}

void TPLXCanvasVC::restoreArea()
{
    if (savedArea)
        Fcanvas->CopyFromImage(savedRect, *savedArea);
}

bool TPLXCanvasVC::fullyVisible(const TRect &r) const
{
    return r.Left >= FvisibleArea.Left && r.Top >= FvisibleArea.Top && r.Right <= FvisibleArea.Right &&
           r.Bottom <= FvisibleArea.Bottom;
}

bool TPLXCanvasVC::visible(const TRect &r) const
{
    if (r.Left >= r.Right || r.Top >= r.Bottom)
        return false;
    return r.Left <= FvisibleArea.Right && r.Right >= FvisibleArea.Left && r.Top <= FvisibleArea.Bottom &&
           r.Bottom >= FvisibleArea.Top;
}

void TPLXCanvasVC::startBuffering()
{
    TPLXCanvas *real = bufferedCanvas ? bufferedCanvas : Fcanvas;
    if (FBufferPainter)
        FBufferPainter->end();
    FBufferCanvas.reset();
    FBufferPainter.reset();
    zBuffer.reset();

    const qreal dpr = real->device()->devicePixelRatio();
    const int width = std::max(1, FvisibleArea.Right);
    const int height = std::max(1, FvisibleArea.Bottom);
    zBuffer = std::make_unique<QImage>(lrintInt(width * dpr), lrintInt(height * dpr), QImage::Format_RGB32);
    zBuffer->setDevicePixelRatio(dpr);
    zBuffer->fill(Qt::white);
    FBufferPainter = std::make_unique<QPainter>(zBuffer.get());
    FBufferCanvas = std::make_unique<TPLXCanvas>(FBufferPainter.get());
    FBufferCanvas->setPalette(real->palette());
    FBufferCanvas->setPen(real->pen());
    FBufferCanvas->setBrush(real->brush());
    FBufferCanvas->setFont(real->font());
    bufferedCanvas = real;
    Fcanvas = FBufferCanvas.get();
    applyClip(ClipRectStack.back());
}

void TPLXCanvasVC::displayBuffer()
{
    if (!zBuffer)
        return;
    FBufferPainter->end();
    const qreal dpr = zBuffer->devicePixelRatio();
    const QRect area = FvisibleArea.toQRect();
    const QRectF source(area.x() * dpr, area.y() * dpr, area.width() * dpr, area.height() * dpr);
    bufferedCanvas->painter()->drawImage(QRectF(area), *zBuffer, source);
    Fcanvas = bufferedCanvas;
    bufferedCanvas = nullptr;
    FBufferCanvas.reset();
    FBufferPainter.reset();
    zBuffer.reset();
    applyClip(ClipRectStack.back());
}

void TPLXCanvasVC::drawVertArrow(int x, int y1, int y2)
{
    drawLine(x, y1, x, y2);
    drawTriangle(x, y2, 2 * PLX_ARROW_SIZE, y1 < y2 ? tdDown : tdUp);
}

void TPLXCanvasVC::drawHorzArrow(int y, int x1, int x2)
{
    drawLine(x1, y, x2, y);
    drawTriangle(x2, y, 2 * PLX_ARROW_SIZE, x1 < x2 ? tdRight : tdLeft);
}

void TPLXCanvasVC::drawGraphic(int x, int y, const QImage &graphic)
{
    Fcanvas->Draw(x, y, graphic);
}

void TPLXCanvasVC::stretchGraphic(const TRect &r, const QImage &graphic)
{
    Fcanvas->StretchDraw(r, graphic);
}

void TPLXCanvasVC::drawTriangle(int x, int y, int size, int direction)
{
    const double s = size;
    const double half = s / 2.0;
    double c1x = 0, c1y = 0, c2x = 0, c2y = 0;
    switch (direction) {
    case tdUp:
        c1x = x - half;
        c1y = y + s;
        c2x = x + half;
        c2y = y + s;
        break;
    case tdRight:
        c1x = x - s;
        c1y = y - half;
        c2x = x - s;
        c2y = y + half;
        break;
    case tdDown:
        c1x = x - half;
        c1y = y - s;
        c2x = x + half;
        c2y = y - s;
        break;
    case tdLeft:
        c1x = x + s;
        c1y = y - half;
        c2x = x + s;
        c2y = y + half;
        break;
    default:
        return;
    }
    Fcanvas->setBrush({Fcanvas->pen().Color, bsSolid});
    Fcanvas->Polygon({TPoint(x, y), TPoint(lrintInt(c1x), lrintInt(c1y)), TPoint(lrintInt(c2x), lrintInt(c2y))});
}

void TPLXCanvasVC::drawPolygon(const QList<TPoint> &points, TColor color)
{
    const TPLXBrush saved = Fcanvas->brush();
    Fcanvas->setBrush({color, bsSolid});
    Fcanvas->Polygon(points);
    Fcanvas->setBrush(saved);
}

int TPLXCanvasVC::TextWidth(const QString &text) const
{
    return Fcanvas->TextWidth(text);
}

int TPLXCanvasVC::TextHeight(const QString &text) const
{
    return Fcanvas->TextHeight(text);
}

TRect TPLXCanvasVC::SetClipRect(const TRect &r)
{
    const TRect top = ClipRectStack.back();
    if (r == kNoClip) {
        ClipRectStack.push_back(r);
        return top;
    }
    TRect clip = r;
    if (top != kNoClip)
        clip = {std::max(r.Left, top.Left), std::max(r.Top, top.Top), std::min(r.Right, top.Right),
                std::min(r.Bottom, top.Bottom)};
    ClipRectStack.push_back(clip);
    applyClip(clip);
    return top;
}

TRect TPLXCanvasVC::ResetClipRect()
{
    // The sentinel stays: popping it would be an unpaired call.
    PLX_ASSERT(ClipRectStack.size() > 1);
    ClipRectStack.pop_back();
    const TRect top = ClipRectStack.back();
    applyClip(top);
    return top;
}

void TPLXCanvasVC::applyClip(const TRect &r)
{
    QPainter *painter = Fcanvas->painter();
    const bool outer = painter == FOuterPainter;
    if (r == kNoClip) {
        if (outer)
            painter->setClipRect(FOuterClip, Qt::ReplaceClip);
        else
            painter->setClipping(false);
        return;
    }
    // An empty intersection clips everything away.
    const QRectF clip = r.isEmpty() ? QRectF(r.Left, r.Top, 0, 0) : QRectF(r.toQRect());
    painter->setClipRect(outer ? clip.intersected(FOuterClip) : clip, Qt::ReplaceClip);
}

TRect TPLXCanvasVC::GetClipRect() const
{
    const QPainter *painter = Fcanvas->painter();
    if (painter->hasClipping())
        return TRect::fromQRect(roundedOut(pageTransform(*painter).mapRect(painter->clipBoundingRect())));
    const QPaintDevice *dev = Fcanvas->device();
    return {0, 0, dev->width(), dev->height()};
}

void TPLXCanvasVC::drawPixel(int x, int y, TColor color)
{
    Fcanvas->setPixel(x, y, color);
}

void TPLXCanvasVC::gradientFill(const TRect &r, TColor from, TColor to, bool horizontal)
{
    const TColor c1 = Fcanvas->toRGB(from);
    const TColor c2 = Fcanvas->toRGB(to);
    double red = redOf(c1), green = greenOf(c1), blue = blueOf(c1);
    const int first = horizontal ? r.Left : r.Top;
    const int last = (horizontal ? r.Right : r.Bottom) - 1;
    const double steps = std::max<qint64>(1, qint64(last) - first);
    const double dRed = (redOf(c2) - red) / steps;
    const double dGreen = (greenOf(c2) - green) / steps;
    const double dBlue = (blueOf(c2) - blue) / steps;
    // Only the lines inside the clip box are drawn; the colour starts where they do.
    const TRect clip = Fcanvas->ClipRect();
    const int shownFirst = std::max(first, horizontal ? clip.Left : clip.Top);
    const int shownLast = std::min(last, (horizontal ? clip.Right : clip.Bottom) - 1);
    if (shownFirst > first) {
        const double skipped = double(shownFirst) - first;
        red += dRed * skipped;
        green += dGreen * skipped;
        blue += dBlue * skipped;
    }
    for (int pos = shownFirst; pos <= shownLast; ++pos) {
        Fcanvas->setPenColor(rgbColor(lrintInt(red), lrintInt(green), lrintInt(blue)));
        red += dRed;
        green += dGreen;
        blue += dBlue;
        if (horizontal)
            drawLine(pos, r.Top, pos, r.Bottom);
        else
            drawLine(r.Left, pos, r.Right, pos);
    }
}

void TPLXCanvasVC::brighten(const TRect &r, TColor color, bool verticalLines)
{
    const TColor added = Fcanvas->toRGB(color);
    // Lines outside the clip box would change nothing that can be seen.
    const TRect clip = Fcanvas->ClipRect();
    if (verticalLines) {
        for (int x = std::max(r.Left, clip.Left); x < std::min(r.Right, clip.Right); ++x) {
            Fcanvas->setPenColor(addColor(added, Fcanvas->Pixel(x, r.Top)));
            drawLine(x, r.Top, x, r.Bottom);
        }
    } else {
        for (int y = std::max(r.Top, clip.Top); y < std::min(r.Bottom, clip.Bottom); ++y) {
            Fcanvas->setPenColor(addColor(added, Fcanvas->Pixel(r.Left, y)));
            drawLine(r.Left, y, r.Right, y);
        }
    }
}

void TPLXCanvasVC::Draw3dFrame(const TRect &r, TColor color)
{
    const TPLXBrush saved = Fcanvas->brush();
    const TColor plain = Fcanvas->toRGB(color);
    const TColor light60 = ColorAdjustLuma(plain, 60, true);
    const TColor light100 = ColorAdjustLuma(plain, 100, true);
    const TColor base = ColorAdjustLuma(plain, 0, true);
    const int height = r.Bottom - r.Top;

    Fcanvas->setPenColor(light100);
    drawLine(r.Left, r.Top + 1, r.Right, r.Top + 1);
    gradientFill({r.Left, r.Top + 2, r.Right, r.Top + lrintInt(0.65 * height)}, light60, base, false);
    Fcanvas->setBrush({base, bsSolid});
    Fcanvas->FillRect({r.Left, r.Top + lrintInt(height / 2.0), r.Right, r.Bottom});
    Fcanvas->setPenWidth(1);
    Fcanvas->setPenColor(base);
    Fcanvas->setBrushStyle(bsClear);
    Fcanvas->Rectangle(r);
    Fcanvas->setBrush(saved);
}

void TPLXCanvasVC::DrawPattern(const TRect &r, TColor background, TColor pattern, TBrushStyle style)
{
    const TPLXBrush saved = Fcanvas->brush();
    Fcanvas->setBrush({style != bsSolid ? background : pattern, bsSolid});
    Fcanvas->FillRect(r);
    if (style >= bsHorizontal && style <= bsDiagCross)
        Fcanvas->setBrush({pattern, style});
    Fcanvas->painter()->setBackgroundMode(Qt::TransparentMode);
    Fcanvas->Rectangle(r);
    Fcanvas->setBrush(saved);
}

TColor TPLXCanvasVC::addColor(TColor color1, TColor color2)
{
    return rgbColor(std::min(255, redOf(color1) + redOf(color2)), std::min(255, greenOf(color1) + greenOf(color2)),
                    std::min(255, blueOf(color1) + blueOf(color2)));
}

// ---------------------------------------------------------------------------
// Colour and geometry helpers

TColor ColorAdjustLuma(TColor color, int amount, bool)
{
    if (amount == 0)
        return color;
    THls hls = rgbToHls(color & 0xFFFFFF);
    hls.l = std::clamp(hls.l + amount, 0, 240);
    return hlsToRgb(hls);
}

TPoint RectSize(const TRect &r)
{
    return {r.Right - r.Left, r.Bottom - r.Top};
}

bool inRect(const TRect &r, int x, int y)
{
    return r.Left <= x && x <= r.Right && r.Top <= y && y <= r.Bottom;
}

TPLXDoublePoint GetDeviceMMRatio(const QPaintDevice &dc)
{
    const auto ratio = [](int pixels, int mm, int dpi) {
        return mm > 0 ? static_cast<double>(pixels) / mm : dpi / 25.4;
    };
    return {ratio(dc.width(), dc.widthMM(), dc.logicalDpiX()), ratio(dc.height(), dc.heightMM(), dc.logicalDpiY())};
}

int MMtoPixelsX(const QPaintDevice &dc, double mm)
{
    return lrintInt(mm * GetDeviceMMRatio(dc).x);
}

int MMtoPixelsY(const QPaintDevice &dc, double mm)
{
    return lrintInt(mm * GetDeviceMMRatio(dc).y);
}

TPoint MMtoPixels(const QPaintDevice &dc, const TPoint &mm)
{
    return {MMtoPixelsX(dc, mm.x()), MMtoPixelsY(dc, mm.y())};
}

int PixelsToMMX(const QPaintDevice &dc, int px)
{
    return lrintInt(px / GetDeviceMMRatio(dc).x);
}

int PixelsToMMY(const QPaintDevice &dc, int px)
{
    return lrintInt(px / GetDeviceMMRatio(dc).y);
}

TPoint PixelsToMM(const QPaintDevice &dc, const TPoint &px)
{
    return {PixelsToMMX(dc, px.x()), PixelsToMMY(dc, px.y())};
}

TPoint GetPrinterPageDimensions(const QPaintDevice *printer)
{
    if (printer)
        return {printer->width(), printer->height()};
    const QPrinter current(QPrinter::HighResolution);
    return {current.width(), current.height()};
}

TPLXDoublePoint GetGraphRatio(const QPaintDevice &dc)
{
    const TPLXDoublePoint device = GetDeviceMMRatio(dc);
    return {GRAPH_PXMMRATIO.x / device.x, GRAPH_PXMMRATIO.y / device.y};
}

TPoint MultPoint(const TPoint &point, const TPLXDoublePoint &factors)
{
    return {lrintInt(point.x() * factors.x), lrintInt(point.y() * factors.y)};
}

TPoint DivPoint(const TPoint &point, const TPLXDoublePoint &factors)
{
    return {lrintInt(point.x() / factors.x), lrintInt(point.y() / factors.y)};
}

TPoint MultPoint(const TPoint &point, double factor)
{
    return MultPoint(point, TPLXDoublePoint{factor, factor});
}

TPoint DivPoint(const TPoint &point, double factor)
{
    return DivPoint(point, TPLXDoublePoint{factor, factor});
}

TRect LPtoDPRect(const QPainter &dc, const TRect &r)
{
    const QTransform t = pageTransform(dc);
    const QPointF topLeft = t.map(QPointF(r.Left, r.Top));
    const QPointF bottomRight = t.map(QPointF(r.Right, r.Bottom));
    return {lrintInt(topLeft.x()), lrintInt(topLeft.y()), lrintInt(bottomRight.x()), lrintInt(bottomRight.y())};
}
