// The drawing surface of every drawer: TPLXVisualContext is the abstract
// surface, TPLXCanvasVC draws it with a QPainter on a widget, an image or a
// printer page, so screen, image export and print share one drawing path.
#pragma once

#include "plxTypes.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPen>
#include <QPoint>
#include <QPointF>
#include <QString>

#include <memory>
#include <vector>

class QPainter;
class QPaintDevice;
class QPalette;

// An integer pixel point.
using TPoint = QPoint;

// Pen styles in the order the stored documents use.
enum TPenStyle : int { psSolid = 0, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// Brush styles; the ordinals are stored and passed to DrawPattern.
enum TBrushStyle : int {
    bsSolid = 0,
    bsClear = 1,
    bsHorizontal = 2,
    bsVertical = 3,
    bsFDiagonal = 4,
    bsBDiagonal = 5,
    bsCross = 6,
    bsDiagCross = 7,
};

// Directions of drawTriangle: where the apex points.
enum TPLXTriangleDirection : int { tdUp = 0, tdRight = 1, tdDown = 2, tdLeft = 3 };

// A pair of doubles, used for per-axis scale factors.
struct TPLXDoublePoint
{
    double x = 0.0;
    double y = 0.0;
    friend constexpr bool operator==(const TPLXDoublePoint &, const TPLXDoublePoint &) = default;
};

// Chart pixels per millimetre.
inline constexpr TPLXDoublePoint GRAPH_PXMMRATIO{3.2, 3.2};
// Half the size of arrow heads: arrows get triangles of twice this size.
inline constexpr int PLX_ARROW_SIZE = 4;

struct TPLXPen
{
    TColor Color = 0x000000;
    TPenStyle Style = psSolid;
    int Width = 1;
};

struct TPLXBrush
{
    TColor Color = 0xFFFFFF;
    TBrushStyle Style = bsSolid;
};

// A font and the colour its text is drawn in.
struct TPLXFont
{
    QFont Font;
    TColor Color = 0x000000;
};

// A painter with a canvas's drawing model: current pen, brush and font, a pen
// position, rectangles whose right and bottom edges are exclusive when filled,
// lines whose end point is not painted, and text placed by its top-left corner.
// All coordinates are logical pixels; lines and fills stay on the pixel grid
// at any device pixel ratio, so high-DPI output is sharp.
class ORVANTA_EXPORT TPLXCanvas
{
public:
    // `painter` is borrowed; a missing or inactive one raises EPLXError.
    explicit TPLXCanvas(QPainter *painter);
    TPLXCanvas(const TPLXCanvas &) = delete;
    TPLXCanvas &operator=(const TPLXCanvas &) = delete;

    QPainter *painter() const { return FPainter; }
    QPaintDevice *device() const;
    // Resolves system colours; the application's palette when null.
    void setPalette(const QPalette *palette) { FPalette = palette; }
    const QPalette *palette() const { return FPalette; }
    QColor toQColor(TColor color) const;
    // The colour as plain 0x00BBGGRR after resolving system colours.
    TColor toRGB(TColor color) const;

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    // Fills with the brush and outlines with the pen; nothing for an empty rectangle.
    void Rectangle(const TRect &r);
    // Fills with the brush only.
    void FillRect(const TRect &r);
    // Closed polygon, filled with the brush and outlined with the pen.
    void Polygon(const QList<TPoint> &points);
    // Reads are possible on image and pixmap devices; elsewhere they give clWhite.
    bool canReadPixels() const;
    TColor Pixel(int x, int y) const;
    void setPixel(int x, int y, TColor color);
    void TextOut(int x, int y, const QString &text);
    int TextWidth(const QString &text) const;
    int TextHeight(const QString &text) const;
    void Draw(int x, int y, const QImage &graphic);
    void StretchDraw(const TRect &r, const QImage &graphic);
    // A copy of the logical rectangle in device pixels (null where the device cannot be read).
    QImage CopyToImage(const TRect &r) const;
    // Puts a copy made by CopyToImage back, pixel for pixel.
    void CopyFromImage(const TRect &r, const QImage &image);
    // The clip box in logical coordinates; the device's whole area when nothing clips.
    TRect ClipRect() const;

    // The current pen, brush and font; drawing calls read them when they run.
    const TPLXPen &pen() const { return FPen; }
    void setPen(const TPLXPen &pen) { FPen = pen; }
    void setPenColor(TColor color) { FPen.Color = color; }
    void setPenStyle(TPenStyle style) { FPen.Style = style; }
    void setPenWidth(int width) { FPen.Width = width; }
    const TPLXBrush &brush() const { return FBrush; }
    void setBrush(const TPLXBrush &brush) { FBrush = brush; }
    void setBrushStyle(TBrushStyle style) { FBrush.Style = style; }
    const TPLXFont &font() const { return FFont; }
    void setFont(const TPLXFont &font) { FFont = font; }

private:
    // The clip box grown by a margin wider than any pen, in 64 bits so that
    // coordinates near the int limits compare without overflow.
    struct TBounds
    {
        qint64 left, top, right, bottom;
        bool contains(const TPoint &p) const
        {
            return p.x() >= left && p.x() <= right && p.y() >= top && p.y() <= bottom;
        }
    };
    TBounds drawableBounds() const;
    static TBounds nearBounds();
    void strokeLine(int x1, int y1, int x2, int y2);
    void plotLine(int x1, int y1, int x2, int y2, const QColor &color, bool withEnd);
    void fillLogical(const TRect &r, const QColor &color);
    // The rectangle cut to the drawable bounds.
    TRect clipped(const TRect &r) const;
    void outlineRect(const TRect &r);
    QPen qPen() const;
    QBrush qBrush() const;
    QPointF deviceCenter(int x, int y) const;

    QPainter *FPainter;
    const QPalette *FPalette = nullptr;
    TPoint FPenPos;
    TPLXPen FPen;
    TPLXBrush FBrush;
    TPLXFont FFont;
};

// The abstract drawing surface. Pen, brush and font are the surface's current
// drawing attributes; an operation that restores attributes restores exactly
// those it names.
class ORVANTA_EXPORT TPLXVisualContext
{
public:
    virtual ~TPLXVisualContext();

    // Debug aid: the two diagonals of the device clip box in black.
    virtual void outline() = 0;
    // The canvas clip box intersected with the visible area.
    virtual TRect clippingArea() const = 0;
    // The visible area; a negative right or bottom is stored back as 1 first.
    virtual TRect getVisibleArea() = 0;
    virtual void setDrawingColor(TColor color) = 0;
    virtual void setPenStyle(TPenStyle style) = 0;
    virtual void setPenWidth(int width) = 0;
    // A line with the current pen; the end point is not painted, dash gaps stay unpainted.
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;
    virtual void drawLine(const TPoint &point1, const TPoint &point2) = 0;
    // The line from (left, top) to (right, bottom).
    virtual void drawLine(const TRect &r) = 0;
    // Fills and outlines r in `color`; brush restored, the pen keeps `color`.
    virtual void FillArea(const TRect &r, TColor color, TBrushStyle style) = 0;
    // Draws the text centred in r; returns the rectangle the text occupies.
    virtual TRect centerText(const TRect &r, const QString &text) = 0;
    // Draws the text reading bottom to top, centred in r.
    virtual void centerTextVertical(const TRect &r, const QString &text) = 0;
    // Size in points; a zero height takes the pixel height the size gives on the screen.
    virtual void setFont(const QString &faceName, int size, TColor color, bool bold, bool italic, bool underline,
                         int height) = 0;
    // Text with its top-left corner at (x, y), rotated counter-clockwise by `angle` degrees.
    virtual void textOutOriented(int x, int y, const QString &text, int angle) = 0;
    virtual void setVisibleArea(const TRect &r) = 0;
    // Fills the frame between the two rectangles: top, bottom, left, right band.
    virtual void fillBounds(const TRect &outer, const TRect &inner, TColor color, TBrushStyle style) = 0;
    // Outline of r; the brush is left clear, pen style and colour restored.
    virtual void drawRect(const TRect &r, TPenStyle style, TColor color) = 0;
    // Keeps a copy of r widened by 10 pixels to the right, for restoreArea.
    virtual void saveArea(const TRect &r) = 0;
    // Puts the copy of saveArea back; it can be put back again.
    virtual void restoreArea() = 0;
    // r lies inside the visible area, edges included.
    virtual bool fullyVisible(const TRect &r) const = 0;
    // r is not empty and touches or overlaps the visible area.
    virtual bool visible(const TRect &r) const = 0;
    // Redirects drawing to an off-screen buffer as large as the visible area's right and bottom.
    virtual void startBuffering() = 0;
    // Copies the buffer's visible area to the real canvas and ends buffering.
    virtual void displayBuffer() = 0;
    virtual void drawVertArrow(int x, int y1, int y2) = 0;
    virtual void drawHorzArrow(int y, int x1, int x2) = 0;
    virtual void drawGraphic(int x, int y, const QImage &graphic) = 0;
    virtual void stretchGraphic(const TRect &r, const QImage &graphic) = 0;
    // Triangle filled in the pen colour with its apex at (x, y); see TPLXTriangleDirection.
    virtual void drawTriangle(int x, int y, int size, int direction) = 0;
    virtual void drawPolygon(const QList<TPoint> &points, TColor color) = 0;
    virtual int TextWidth(const QString &text) const = 0;
    virtual int TextHeight(const QString &text) const = 0;
    // Pushes a clip level (intersected with the one in force); returns the previous top.
    virtual TRect SetClipRect(const TRect &r) = 0;
    // Pops a clip level; returns the rectangle now in force.
    virtual TRect ResetClipRect() = 0;
    // Bounding box of the current clip in device coordinates.
    virtual TRect GetClipRect() const = 0;
    virtual void drawPixel(int x, int y, TColor color) = 0;
    // Colour ramp line by line; `horizontal` means vertical lines running left to right.
    virtual void gradientFill(const TRect &r, TColor from, TColor to, bool horizontal) = 0;
    // Adds `color` to what is drawn, sampling the first pixel of each line.
    virtual void brighten(const TRect &r, TColor color, bool verticalLines) = 0;
    // A 3D bar face: highlight line, light-to-base ramp, flat lower half, base outline.
    virtual void Draw3dFrame(const TRect &r, TColor color) = 0;
    // Background fill, then the hatch of `style` in the pattern colour.
    virtual void DrawPattern(const TRect &r, TColor background, TColor pattern, TBrushStyle style) = 0;
};

// The visual context over a canvas: the control's, an off-screen image's or a
// printer page's. Adds nested clips, double buffering and the save-under area.
class ORVANTA_EXPORT TPLXCanvasVC : public TPLXVisualContext
{
public:
    // Draws with `painter` (borrowed); an inactive one raises EPLXError.
    explicit TPLXCanvasVC(QPainter &painter);
    // Draws on `canvas` (borrowed).
    explicit TPLXCanvasVC(TPLXCanvas *canvas);
    ~TPLXCanvasVC() override;
    TPLXCanvasVC(const TPLXCanvasVC &) = delete;
    TPLXCanvasVC &operator=(const TPLXCanvasVC &) = delete;

    void outline() override;
    TRect clippingArea() const override;
    TRect getVisibleArea() override;
    void setDrawingColor(TColor color) override;
    void setPenStyle(TPenStyle style) override;
    void setPenWidth(int width) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void drawLine(const TPoint &point1, const TPoint &point2) override;
    void drawLine(const TRect &r) override;
    void FillArea(const TRect &r, TColor color, TBrushStyle style) override;
    TRect centerText(const TRect &r, const QString &text) override;
    void centerTextVertical(const TRect &r, const QString &text) override;
    void setFont(const QString &faceName, int size, TColor color, bool bold, bool italic, bool underline,
                 int height) override;
    void textOutOriented(int x, int y, const QString &text, int angle) override;
    void setVisibleArea(const TRect &r) override;
    void fillBounds(const TRect &outer, const TRect &inner, TColor color, TBrushStyle style) override;
    void drawRect(const TRect &r, TPenStyle style, TColor color) override;
    void saveArea(const TRect &r) override;
    void restoreArea() override;
    bool fullyVisible(const TRect &r) const override;
    bool visible(const TRect &r) const override;
    void startBuffering() override;
    void displayBuffer() override;
    void drawVertArrow(int x, int y1, int y2) override;
    void drawHorzArrow(int y, int x1, int x2) override;
    void drawGraphic(int x, int y, const QImage &graphic) override;
    void stretchGraphic(const TRect &r, const QImage &graphic) override;
    void drawTriangle(int x, int y, int size, int direction) override;
    void drawPolygon(const QList<TPoint> &points, TColor color) override;
    int TextWidth(const QString &text) const override;
    int TextHeight(const QString &text) const override;
    TRect SetClipRect(const TRect &r) override;
    TRect ResetClipRect() override;
    TRect GetClipRect() const override;
    void drawPixel(int x, int y, TColor color) override;
    void gradientFill(const TRect &r, TColor from, TColor to, bool horizontal) override;
    void brighten(const TRect &r, TColor color, bool verticalLines) override;
    void Draw3dFrame(const TRect &r, TColor color) override;
    void DrawPattern(const TRect &r, TColor background, TColor pattern, TBrushStyle style) override;

    // Channel-wise sum of two colours, each channel capped at 255.
    static TColor addColor(TColor color1, TColor color2);

    // The canvas drawn on: the buffer's while buffering.
    TPLXCanvas *Canvas() const { return Fcanvas; }
    void setCanvas(TPLXCanvas *canvas);
    bool isBuffering() const { return zBuffer != nullptr; }
    // Where the save-under copy was taken from; empty before the first saveArea.
    TRect savedAreaRect() const { return savedRect; }
    int clipDepth() const { return static_cast<int>(ClipRectStack.size()); }

    // The clip stack's bottom entry: no clipping.
    static constexpr TRect kNoClip{-1, -1, -1, -1};

private:
    void applyClip(const TRect &r);

    std::vector<TRect> ClipRectStack;
    // The clip the painter had when this context was made: nothing drawn
    // through it reaches outside, whatever the stack says.
    QPainter *FOuterPainter = nullptr;
    QRectF FOuterClip;
    std::unique_ptr<TPLXCanvas> FOwnCanvas;
    TPLXCanvas *Fcanvas = nullptr;
    TRect FvisibleArea;
    std::unique_ptr<QImage> zBuffer;
    std::unique_ptr<QPainter> FBufferPainter;
    std::unique_ptr<TPLXCanvas> FBufferCanvas;
    TPLXCanvas *bufferedCanvas = nullptr;
    std::unique_ptr<QImage> savedArea;
    TRect savedRect;
};

// Lightness change in HLS space on a 0..240 scale, clamped; 0 leaves the colour as it is.
ORVANTA_EXPORT TColor ColorAdjustLuma(TColor color, int amount, bool rounding);

// Shared geometry: sizes, point scaling and millimetre mapping of devices.
ORVANTA_EXPORT TPoint RectSize(const TRect &r);
// All four edges inclusive.
ORVANTA_EXPORT bool inRect(const TRect &r, int x, int y);
// Device pixels per millimetre.
ORVANTA_EXPORT TPLXDoublePoint GetDeviceMMRatio(const QPaintDevice &dc);
ORVANTA_EXPORT int MMtoPixelsX(const QPaintDevice &dc, double mm);
ORVANTA_EXPORT int MMtoPixelsY(const QPaintDevice &dc, double mm);
ORVANTA_EXPORT TPoint MMtoPixels(const QPaintDevice &dc, const TPoint &mm);
ORVANTA_EXPORT int PixelsToMMX(const QPaintDevice &dc, int px);
ORVANTA_EXPORT int PixelsToMMY(const QPaintDevice &dc, int px);
ORVANTA_EXPORT TPoint PixelsToMM(const QPaintDevice &dc, const TPoint &px);
// The page size of a printer in its own pixels; the default printer when null.
ORVANTA_EXPORT TPoint GetPrinterPageDimensions(const QPaintDevice *printer = nullptr);
// The scale from device pixels to chart pixels.
ORVANTA_EXPORT TPLXDoublePoint GetGraphRatio(const QPaintDevice &dc);
ORVANTA_EXPORT TPoint MultPoint(const TPoint &point, const TPLXDoublePoint &factors);
ORVANTA_EXPORT TPoint DivPoint(const TPoint &point, const TPLXDoublePoint &factors);
ORVANTA_EXPORT TPoint MultPoint(const TPoint &point, double factor);
ORVANTA_EXPORT TPoint DivPoint(const TPoint &point, double factor);
// Both corners from the painter's logical to its device coordinates.
ORVANTA_EXPORT TRect LPtoDPRect(const QPainter &dc, const TRect &r);
