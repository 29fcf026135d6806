// Renders through the visual context into images and checks the pixels a
// user would see.
#include "plxColors.h"
#include "plxTestSupport.h"
#include "plxVisualContext.h"

#include <QPainter>
#include <QPdfWriter>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

constexpr TColor kBackground = clWhite;

// An image with a painter and a visual context on it.
struct Surface
{
    explicit Surface(int width = 200, int height = 120, qreal dpr = 1.0)
        : image(qRound(width * dpr), qRound(height * dpr), QImage::Format_RGB32)
    {
        image.setDevicePixelRatio(dpr);
        image.fill(Qt::white);
        painter = std::make_unique<QPainter>(&image);
        vc = std::make_unique<TPLXCanvasVC>(*painter);
        vc->setVisibleArea({0, 0, width, height});
    }
    // The colour of the logical pixel (x, y): its top-left device pixel.
    TColor at(int x, int y) const { return device(qRound(x * image.devicePixelRatio()), qRound(y * image.devicePixelRatio())); }
    TColor device(int x, int y) const { return QColorToColor(QColor(image.pixel(x, y))); }
    // Every device pixel of the logical rectangle has `color`.
    bool uniform(const TRect &r, TColor color) const
    {
        const qreal dpr = image.devicePixelRatio();
        for (int y = qRound(r.Top * dpr); y < qRound(r.Bottom * dpr); ++y)
            for (int x = qRound(r.Left * dpr); x < qRound(r.Right * dpr); ++x)
                if (device(x, y) != color)
                    return false;
        return true;
    }
    bool uniform(std::initializer_list<TRect> rects, TColor color) const
    {
        return std::all_of(rects.begin(), rects.end(), [&](const TRect &r) { return uniform(r, color); });
    }
    bool allAt(std::initializer_list<TPoint> points, TColor color) const
    {
        return std::all_of(points.begin(), points.end(), [&](TPoint p) { return at(p.x(), p.y()) == color; });
    }
    int count(const TRect &r, TColor color) const
    {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                n += at(x, y) == color;
        return n;
    }
    // The bounding box of the pixels that differ from the background (at ratio 1).
    QRect ink() const
    {
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (at(x, y) != kBackground)
                    box |= QRect(x, y, 1, 1);
        return box;
    }

    QImage image;
    std::unique_ptr<QPainter> painter;
    std::unique_ptr<TPLXCanvasVC> vc;
};

int redOf(TColor c) { return c & 0xFF; }
int lightness(TColor c) { return redOf(c) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF); }

void addDprRows()
{
    QTest::addColumn<qreal>("dpr");
    QTest::newRow("device pixel ratio 1") << 1.0;
    QTest::newRow("device pixel ratio 2") << 2.0;
}

} // namespace

class tst_plxVisualContext : public QObject
{
    Q_OBJECT

private slots:
    void fillAreaCoversExactlyTheRectangle_data() { addDprRows(); }
    void fillAreaCoversExactlyTheRectangle()
    {
        QFETCH(qreal, dpr);
        Surface s(60, 40, dpr);
        TPLXCanvas *canvas = s.vc->Canvas();
        canvas->Brush = {clLime, bsCross};
        s.vc->FillArea({10, 10, 20, 15}, clRed, bsSolid);
        QVERIFY(s.uniform({10, 10, 20, 15}, clRed));
        // Right and bottom edges are exclusive.
        QCOMPARE(s.count({0, 0, 60, 40}, clRed), 50);
        // The brush comes back; the pen keeps the fill colour.
        QCOMPARE(plxtest::Quantities()
                     .is<int>("int(canvas->Brush.Color)", int(canvas->Brush.Color), int(clLime))
                     .is<int>("canvas->Brush.Style", canvas->Brush.Style, bsCross)
                     .is<int>("int(canvas->Pen.Color)", int(canvas->Pen.Color), int(clRed))
                     .differing(),
                 QString());
        // An empty or inverted rectangle paints nothing.
        s.vc->FillArea({30, 30, 30, 40}, clBlue, bsSolid);
        s.vc->FillArea({50, 30, 40, 40}, clBlue, bsSolid);
        QCOMPARE(s.count({0, 0, 60, 40}, clBlue), 0);
    }

    void linesLeaveTheirEndPointUnpainted_data()
    {
        QTest::addColumn<TPoint>("from");
        QTest::addColumn<TPoint>("to");
        QTest::addColumn<int>("width");
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<TRect>("painted");
        QTest::newRow("left to right") << TPoint(10, 5) << TPoint(20, 5) << 1 << 1.0 << TRect{10, 5, 20, 6};
        QTest::newRow("right to left") << TPoint(20, 5) << TPoint(10, 5) << 1 << 1.0 << TRect{11, 5, 21, 6};
        QTest::newRow("downwards") << TPoint(7, 10) << TPoint(7, 30) << 1 << 1.0 << TRect{7, 10, 8, 30};
        QTest::newRow("upwards") << TPoint(7, 30) << TPoint(7, 10) << 1 << 1.0 << TRect{7, 11, 8, 31};
        // At ratio 2 a logical pixel is exactly two device pixels, with no grey edge.
        QTest::newRow("ratio 2") << TPoint(5, 10) << TPoint(40, 10) << 1 << 2.0 << TRect{5, 10, 40, 11};
        QTest::newRow("ratio 2, upwards") << TPoint(20, 45) << TPoint(20, 15) << 1 << 2.0 << TRect{20, 16, 21, 46};
        QTest::newRow("ratio 2, pen width 3") << TPoint(5, 30) << TPoint(15, 30) << 3 << 2.0 << TRect{5, 29, 15, 32};
    }
    void linesLeaveTheirEndPointUnpainted()
    {
        QFETCH(TPoint, from);
        QFETCH(TPoint, to);
        QFETCH(int, width);
        QFETCH(qreal, dpr);
        QFETCH(TRect, painted);
        Surface s(50, 50, dpr);
        s.vc->setDrawingColor(clNavy);
        s.vc->setPenWidth(width);
        s.vc->drawLine(from, to);
        QVERIFY(s.uniform(painted, clNavy));
        QCOMPARE(s.count({0, 0, 50, 50}, clNavy), painted.width() * painted.height());
        const TRect &p = painted; // the ring around it stays clean
        QVERIFY(s.uniform({{p.Left, p.Top - 1, p.Right, p.Top}, {p.Left, p.Bottom, p.Right, p.Bottom + 1},
                           {p.Left - 1, p.Top, p.Left, p.Bottom}, {p.Right, p.Top, p.Right + 1, p.Bottom}}, kBackground));
    }

    void dashedLinesLeaveGapsAndClearPensDrawNothing()
    {
        Surface s(120, 20);
        s.vc->setDrawingColor(clBlack);
        s.vc->setPenStyle(psDash);
        s.vc->drawLine(0, 10, 100, 10);
        const int ink = s.count({0, 10, 100, 11}, clBlack);
        // Gaps are left as they were, not filled with a background colour.
        QVERIFY2(ink > 30 && ink < 100 && ink + s.count({0, 10, 100, 11}, kBackground) == 100, qPrintable(QString::number(ink)));
        s.vc->setPenStyle(psClear);
        s.vc->drawLine(0, 15, 100, 15);
        QCOMPARE(s.count({0, 0, 120, 20}, clBlack), ink);
    }

    void outlinesAndFrames()
    {
        Surface s(60, 60);
        s.vc->setDrawingColor(clGreen);
        s.vc->drawRect({10, 10, 30, 20}, psSolid, clRed);
        QVERIFY(s.uniform({{10, 10, 30, 11}, {10, 19, 30, 20}, {10, 10, 11, 20}, {29, 10, 30, 20}}, clRed));
        QCOMPARE(s.count({0, 0, 60, 60}, clRed), 2 * 20 + 2 * 8);
        // Pen colour and style come back; the brush stays clear.
        const TPLXCanvas *canvas = s.vc->Canvas();
        QCOMPARE(plxtest::Quantities()
                     .is<int>("int(canvas->Pen.Color)", int(canvas->Pen.Color), int(clGreen))
                     .is<int>("canvas->Pen.Style", canvas->Pen.Style, psSolid)
                     .is<int>("canvas->Brush.Style", canvas->Brush.Style, bsClear)
                     .differing(),
                 QString());

        // fillBounds paints the frame between the rectangles only.
        s.vc->fillBounds({10, 25, 50, 55}, {20, 30, 40, 50}, clMaroon, bsSolid);
        QVERIFY(s.uniform({{10, 25, 50, 30}, {10, 50, 50, 55}, {10, 25, 20, 55}, {40, 25, 50, 55}}, clMaroon));
        QCOMPARE(s.count({0, 0, 60, 60}, clMaroon), 40 * 30 - 20 * 20);
    }

    void nestedClipsIntersectAndRestore_data() { addDprRows(); }
    void nestedClipsIntersectAndRestore()
    {
        QFETCH(qreal, dpr);
        Surface s(100, 100, dpr);
        const TRect outer{10, 10, 60, 60};
        QCOMPARE(s.vc->SetClipRect(outer), TPLXCanvasVC::kNoClip);
        QCOMPARE(s.vc->SetClipRect({40, 30, 90, 90}), outer);
        // Device coordinates of an image do not depend on its pixel ratio.
        QCOMPARE(s.vc->GetClipRect(), (TRect{40, 30, 60, 60}));
        s.vc->FillArea({0, 0, 100, 100}, clRed, bsSolid);
        QVERIFY(s.count({0, 0, 100, 100}, clRed) == 20 * 30 && s.uniform({40, 30, 60, 60}, clRed));

        QCOMPARE(s.vc->ResetClipRect(), outer);
        s.vc->FillArea({0, 0, 100, 100}, clBlue, bsSolid);
        QCOMPARE(s.count({0, 0, 100, 100}, clBlue), 50 * 50);
        QVERIFY(s.vc->ResetClipRect() == TPLXCanvasVC::kNoClip && s.vc->clipDepth() == 1);
        s.vc->FillArea({0, 0, 100, 100}, clLime, bsSolid);
        QVERIFY(s.uniform({0, 0, 100, 100}, clLime));
    }

    void noClipSentinelKeepsDeviceClip()
    {
        Surface s(100, 100);
        s.vc->SetClipRect({0, 0, 50, 50});
        QCOMPARE(s.vc->SetClipRect(TPLXCanvasVC::kNoClip), (TRect{0, 0, 50, 50}));
        s.vc->FillArea({0, 0, 100, 100}, clRed, bsSolid);
        QCOMPARE(s.count({0, 0, 100, 100}, clRed), 2500);
        // Below the sentinel nothing intersects with the outer clip any more.
        QCOMPARE(s.vc->SetClipRect({60, 60, 70, 70}), TPLXCanvasVC::kNoClip);
        s.vc->FillArea({0, 0, 100, 100}, clBlue, bsSolid);
        QCOMPARE(s.count({0, 0, 100, 100}, clBlue), 100);
        QVERIFY(s.vc->ResetClipRect() == TPLXCanvasVC::kNoClip && s.vc->ResetClipRect() == (TRect{0, 0, 50, 50}));
        QCOMPARE(s.vc->ResetClipRect(), TPLXCanvasVC::kNoClip);
        // Disjoint nested clips leave nothing to paint.
        s.vc->SetClipRect({0, 0, 10, 10});
        s.vc->SetClipRect({20, 20, 30, 30});
        s.vc->FillArea({0, 0, 100, 100}, clYellow, bsSolid);
        QCOMPARE(s.count({0, 0, 100, 100}, clYellow), 0);
        QVERIFY(s.vc->ResetClipRect() == (TRect{0, 0, 10, 10}) && s.vc->ResetClipRect() == TPLXCanvasVC::kNoClip);
        // One reset too many is an assertion of this unit, and the stack keeps its bottom.
        QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, s.vc->ResetClipRect());
        QCOMPARE(s.vc->clipDepth(), 1);
    }

    void clipFollowsAScaledPainter()
    {
        // A printer page maps logical chart pixels onto more device pixels.
        QImage page(200, 200, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        painter.scale(2, 2);
        {
            TPLXCanvasVC vc(painter);
            vc.SetClipRect({10, 10, 20, 30});
            QCOMPARE(vc.GetClipRect(), (TRect{20, 20, 40, 60}));
            // A negative extent reads back as one pixel.
            vc.setVisibleArea({-5, -6, -1, -2});
            QCOMPARE(vc.getVisibleArea(), (TRect{-5, -6, 1, 1}));
            vc.setVisibleArea({15, 0, 100, 100});
            QCOMPARE(vc.clippingArea(), (TRect{15, 10, 20, 30}));
            vc.FillArea({0, 0, 100, 100}, clRed, bsSolid);
            vc.ResetClipRect();
            QCOMPARE(vc.GetClipRect(), (TRect{0, 0, 200, 200}));
        }
        painter.end();
        // Exactly the device rectangle (20, 20)-(40, 60) is red.
        QImage expected(200, 200, QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter(&expected).fillRect(20, 20, 20, 40, Qt::red);
        QCOMPARE(page, expected);
    }

    void visibilityTests_data()
    {
        QTest::addColumn<TRect>("rect");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("fullyVisible");
        // The visible area is (100, 100, 200, 200).
        QTest::newRow("inside") << TRect{110, 110, 120, 120} << true << true;
        QTest::newRow("exactly the area") << TRect{100, 100, 200, 200} << true << true;
        QTest::newRow("zero width inside") << TRect{150, 110, 150, 120} << false << true;
        QTest::newRow("touches left edge") << TRect{50, 110, 100, 120} << true << false;
        QTest::newRow("touches bottom edge") << TRect{110, 200, 120, 210} << true << false;
        QTest::newRow("left of it") << TRect{50, 110, 99, 120} << false << false;
    }
    void visibilityTests()
    {
        QFETCH(TRect, rect);
        QFETCH(bool, visible);
        QFETCH(bool, fullyVisible);
        Surface s;
        s.vc->setVisibleArea({100, 100, 200, 200});
        QCOMPARE(s.vc->visible(rect), visible);
        QCOMPARE(s.vc->fullyVisible(rect), fullyVisible);
    }

    void arrowsEndInATriangleTip_data() { addDprRows(); }
    void arrowsEndInATriangleTip()
    {
        QFETCH(qreal, dpr);
        Surface s(160, 100, dpr);
        s.vc->setDrawingColor(clBlue);
        s.vc->drawHorzArrow(40, 100, 50);
        // Tip at x 50, base at x 58 from y 36 to 44; the shaft runs to x 100.
        // The triangle is filled, and narrows towards the tip.
        QVERIFY(s.uniform({{50, 40, 101, 41}, {58, 36, 59, 45}, {55, 38, 58, 43}}, clBlue));
        QVERIFY(s.allAt({{49, 40}, {58, 35}, {58, 45}, {59, 36}, {101, 40}, {52, 37}}, kBackground));
        s.vc->setDrawingColor(clRed);
        s.vc->drawVertArrow(20, 10, 60);
        QVERIFY(s.uniform({{20, 10, 21, 61}, {16, 52, 25, 53}}, clRed));
        QVERIFY(s.allAt({{20, 61}, {15, 52}, {25, 52}, {20, 9}}, kBackground));
        // Triangles point where they are told: up and right here, as the arrows above point left and down.
        s.vc->drawTriangle(120, 20, 10, tdUp);
        s.vc->drawTriangle(120, 70, 10, tdRight);
        QVERIFY(s.allAt({{120, 20}, {115, 30}, {125, 30}, {120, 70}, {110, 65}, {110, 75}}, clRed));
        QVERIFY(s.allAt({{120, 19}, {121, 70}, {114, 30}, {110, 64}}, kBackground));
    }

    void gradientEndsInBothColours_data()
    {
        QTest::addColumn<bool>("horizontal");
        QTest::newRow("vertical lines") << true;
        QTest::newRow("horizontal lines") << false;
    }
    void gradientEndsInBothColours()
    {
        QFETCH(bool, horizontal);
        Surface s(120, 120);
        // From red 200 to blue 100 over 51 lines, from (10, 20).
        s.vc->gradientFill({10, 20, 61, 71}, 0x0000C8, 0x640000, horizontal);
        const auto line = [&](int i) { return horizontal ? TRect{10 + i, 20, 11 + i, 71} : TRect{10, 20 + i, 61, 21 + i}; };
        QVERIFY(s.uniform(line(0), 0x0000C8));
        QVERIFY(s.uniform(line(50), 0x640000));
        // Half way (line 25 of 50): red 100, blue 50, exactly.
        QVERIFY2(s.uniform(line(25), 0x320064), qPrintable(QString::number(s.at(line(25).Left, line(25).Top), 16)));
        QVERIFY(s.allAt({{61, 70}, {60, 71}}, kBackground));
    }

    void patternsShowBothColours_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<TPoint>("along"); // one step along the hatch lines; none for crossing lines
        QTest::newRow("horizontal") << int(bsHorizontal) << TPoint(1, 0);
        QTest::newRow("vertical") << int(bsVertical) << TPoint(0, 1);
        QTest::newRow("forward diagonal runs down to the right") << int(bsFDiagonal) << TPoint(1, 1);
        QTest::newRow("backward diagonal runs down to the left") << int(bsBDiagonal) << TPoint(-1, 1);
        QTest::newRow("cross") << int(bsCross) << TPoint();
        QTest::newRow("diagonal cross") << int(bsDiagCross) << TPoint();
        QTest::newRow("solid: pattern colour only") << int(bsSolid) << TPoint();
        QTest::newRow("clear: background only") << int(bsClear) << TPoint();
    }
    void patternsShowBothColours()
    {
        QFETCH(int, style);
        QFETCH(TPoint, along);
        Surface s(100, 100);
        s.vc->setPenStyle(psClear);
        s.vc->DrawPattern({20, 20, 60, 60}, clYellow, clNavy, TBrushStyle(style));
        const int hatch = s.count({20, 20, 60, 60}, clNavy);
        QCOMPARE(s.count({20, 20, 60, 60}, clYellow) + hatch, 1600);
        QCOMPARE(s.count({0, 0, 100, 100}, clNavy), hatch);
        QVERIFY(style == bsSolid ? hatch == 1600 : style == bsClear ? hatch == 0 : hatch > 100 && hatch < 1200);
        // Lines run on: straight ones without a break, diagonals nearly so (where they meet the edges).
        int same = 0;
        for (int y = 25; y < 55; ++y)
            for (int x = 25; x < 55; ++x)
                same += s.at(x, y) == s.at(x + along.x(), y + along.y());
        QVERIFY2(same >= (along.x() && along.y() ? 30 * 30 * 95 / 100 : 30 * 30), qPrintable(QString::number(same)));
    }

    void threeDFaceHasLightTopAndBaseBottom()
    {
        Surface s(120, 60);
        const TColor base = 0x994422; // a mid blue
        s.vc->Draw3dFrame({10, 10, 110, 40}, base);
        const TColor light100 = ColorAdjustLuma(base, 100, true);
        const TColor light60 = ColorAdjustLuma(base, 60, true);
        QVERIFY(lightness(light100) > lightness(light60) && lightness(light60) > lightness(base));
        // Outline in the base colour all round, the flat base colour in the lower half.
        QVERIFY(s.uniform({{10, 10, 110, 11}, {10, 39, 110, 40}, {10, 10, 11, 40}, {109, 10, 110, 40}, {11, 25, 109, 39}}, base));
        // Highlight one pixel below the top edge, then the ramp from light60.
        QVERIFY2(s.uniform({11, 11, 109, 12}, light100), qPrintable(QString::number(s.at(50, 11), 16)));
        QVERIFY(s.uniform({11, 12, 109, 13}, light60));
        QVERIFY(lightness(s.at(50, 14)) > lightness(s.at(50, 20)));
        QVERIFY(s.allAt({{50, 40}, {110, 20}}, kBackground));
    }

    void brightenAddsToWhatIsDrawn()
    {
        for (bool vertical : {true, false}) {
            Surface s(60, 60);
            s.vc->FillArea({0, 0, 60, 60}, 0x006464, bsSolid); // (100, 100, 0)
            s.vc->FillArea({0, 0, 10, 60}, 0x000000, bsSolid);
            s.vc->brighten({0, 10, 50, 40}, 0x6464C8, vertical); // (200, 100, 100)
            // Only the first pixel of each line is sampled: across rows, the black
            // left edge decides the whole row.
            QVERIFY(vertical ? s.uniform({10, 10, 50, 40}, 0x64C8FF) && s.uniform({0, 10, 10, 40}, 0x6464C8)
                             : s.uniform({0, 10, 50, 40}, 0x6464C8));
            QVERIFY(s.uniform({{10, 40, 60, 60}, {50, 10, 60, 40}}, 0x006464));
        }
    }

    void colourArithmetic()
    {
        // Channel-wise sums capped at 255; black is neutral; the top byte is dropped.
        QCOMPARE(QList<TColor>({TPLXCanvasVC::addColor(0x0064C8, 0x646464), TPLXCanvasVC::addColor(clWhite, clWhite),
                                TPLXCanvasVC::addColor(clBlack, 0x123456), TPLXCanvasVC::addColor(0x02000010, 0x10)}),
                 QList<TColor>({0x64C8FF, clWhite, 0x123456, 0x20}));
        // Lightness on a 0..240 scale, clamped.
        QCOMPARE(QList<TColor>({ColorAdjustLuma(clWhite, 60, true), ColorAdjustLuma(clBlack, 240, true),
                                ColorAdjustLuma(clBlack, 120, true), ColorAdjustLuma(0x123456, 0, true),
                                ColorAdjustLuma(clRed, -240, true)}),
                 QList<TColor>({clWhite, clWhite, 0x7F7F7F, 0x123456, clBlack}));
        // Hue survives: a darker red gets lighter and stays red.
        const TColor lighter = ColorAdjustLuma(clMaroon, 60, true);
        QVERIFY(redOf(lighter) > 0x80 && (lighter & 0xFF00) == (lighter & 0xFF0000) >> 8 && redOf(lighter) > ((lighter >> 8) & 0xFF));
    }

    void saveUnderRestoresTheBuffer_data() { addDprRows(); }
    void saveUnderRestoresTheBuffer()
    {
        QFETCH(qreal, dpr);
        Surface s(200, 100, dpr);
        s.vc->gradientFill({0, 0, 200, 100}, clRed, clBlue, true);
        s.vc->DrawPattern({0, 40, 200, 60}, clYellow, clBlack, bsDiagCross);
        const QImage before = s.image.copy();
        s.vc->saveArea({50, 30, 120, 70});
        QCOMPARE(s.vc->savedAreaRect(), (TRect{50, 30, 130, 70}));
        // A drag outline may draw up to ten pixels past its rectangle.
        s.vc->FillArea({50, 30, 130, 70}, clLime, bsSolid);
        s.vc->restoreArea();
        const QImage restored = s.image.copy();
        // The copy is kept: restoring again after more drawing works too.
        s.vc->FillArea({60, 40, 125, 60}, clFuchsia, bsSolid);
        s.vc->restoreArea();
        QVERIFY(restored == before && s.image == before);
        // Drawing outside the saved rectangle is not undone.
        s.vc->FillArea({130, 30, 140, 70}, clLime, bsSolid);
        s.vc->restoreArea();
        QVERIFY(s.uniform({130, 30, 140, 70}, clLime));
    }

    void bufferingReachesTheCanvasOnlyOnDisplay()
    {
        Surface s(100, 80);
        s.vc->setVisibleArea({10, 10, 90, 70});
        s.vc->setDrawingColor(clRed);
        TPLXCanvas *real = s.vc->Canvas();
        s.vc->startBuffering();
        QVERIFY(s.vc->isBuffering() && s.vc->Canvas() != real && s.vc->Canvas()->Pen.Color == clRed);
        s.vc->FillArea({0, 0, 100, 80}, clGreen, bsSolid);
        QVERIFY(s.uniform({0, 0, 100, 80}, kBackground));
        // A second start discards the first buffer.
        s.vc->startBuffering();
        s.vc->FillArea({20, 20, 40, 40}, clBlue, bsSolid);
        s.vc->displayBuffer();
        QVERIFY(!s.vc->isBuffering() && s.vc->Canvas() == real);
        // Only the visible area is copied; the buffer's blank background comes along.
        QVERIFY(s.count({0, 0, 100, 80}, clGreen) == 0 && s.uniform({20, 20, 40, 40}, clBlue));
        QCOMPARE(s.count({10, 10, 90, 70}, kBackground), 80 * 60 - 400);

        // Clips set while buffering apply to the buffer, and the stack carries over.
        s.vc->SetClipRect({0, 0, 30, 80});
        s.vc->startBuffering();
        s.vc->FillArea({0, 0, 100, 80}, clYellow, bsSolid);
        s.vc->displayBuffer();
        s.vc->ResetClipRect();
        QVERIFY(s.uniform({10, 10, 30, 70}, clYellow) && s.count({30, 0, 100, 80}, clYellow) == 0);
    }

    void textIsPlacedWhereItIsAsked()
    {
        Surface s(200, 60);
        s.vc->setFont(QStringLiteral("DejaVu Sans"), 12, clRed, true, false, false, 0);
        const QString text = QStringLiteral("Centred");
        const TRect at = s.vc->centerText({20, 10, 180, 50}, text);
        const int width = s.vc->TextWidth(text);
        const int height = s.vc->TextHeight(text);
        QCOMPARE(at, (TRect{(200 - width) / 2, (60 - height) / 2, (200 - width) / 2 + width, (60 - height) / 2 + height}));
        // All ink lies inside the returned rectangle (one pixel of slack for overhang); no background behind it.
        QVERIFY(QRect(at.Left - 1, at.Top, width + 2, height).contains(s.ink()) && s.ink().width() > width / 2);
        QCOMPARE(s.vc->Canvas()->Brush.Style, bsClear);
        // Height 0 takes the size's pixel height on the screen; a negative height is a pixel size.
        const int screenHeight = s.vc->Canvas()->Font.Font.pixelSize();
        QVERIFY(screenHeight >= 12 && screenHeight <= 24 && s.vc->Canvas()->Font.Font.bold());
        s.vc->setFont(QStringLiteral("DejaVu Sans"), 12, clRed, false, false, false, -40);
        QVERIFY(s.vc->Canvas()->Font.Font.pixelSize() == 40 && s.vc->TextHeight(text) > screenHeight);

        // Vertical text reads bottom to top: tall and narrow, centred both ways.
        Surface v(60, 200);
        v.vc->setFont(QStringLiteral("DejaVu Sans"), 10, clBlack, false, false, false, 0);
        const QString vertical = QStringLiteral("Vertical text");
        v.vc->centerTextVertical({0, 0, 60, 200}, vertical);
        const QRect ink = v.ink();
        QVERIFY(ink.height() > v.vc->TextWidth(vertical) * 8 / 10 && ink.height() <= v.vc->TextWidth(vertical) + 2
                && ink.width() <= v.vc->TextHeight(vertical) && qAbs(ink.center().y() - 100) <= 4 && qAbs(ink.center().x() - 30) <= 4);
    }

    void polygonsAndPixels()
    {
        // Pictures are drawn through here by the picture resources, and checked there.
        // A polygon is filled in the given colour and outlined with the pen; the brush comes back.
        Surface p(60, 60);
        p.vc->setDrawingColor(clBlack);
        p.vc->Canvas()->Brush = {clYellow, bsClear};
        p.vc->drawPolygon({TPoint(10, 10), TPoint(40, 10), TPoint(40, 40), TPoint(10, 40)}, clLime);
        QVERIFY(p.uniform({11, 11, 40, 40}, clLime) && p.uniform({{10, 10, 41, 11}, {10, 40, 41, 41}}, clBlack));
        QVERIFY(p.at(41, 20) == kBackground && p.vc->Canvas()->Brush.Color == clYellow && p.vc->Canvas()->Brush.Style == bsClear);
        p.vc->drawPixel(50, 50, clRed);
        QVERIFY(p.count({0, 0, 60, 60}, clRed) == 1 && p.at(50, 50) == clRed);
    }

    void geometryAndMillimetreHelpers()
    {
        // All four edges inclusive.
        QVERIFY(inRect({10, 10, 20, 20}, 20, 20) && inRect({10, 10, 20, 20}, 10, 10) && !inRect({10, 10, 20, 20}, 21, 15)
                && !inRect({10, 10, 20, 20}, 15, 9));
        // Halves round to the even neighbour.
        QCOMPARE(plxtest::Quantities()
                     .is<TPoint>("MultPoint(TPoint(5, 7), 0.5)", MultPoint(TPoint(5, 7), 0.5), {2, 4})
                     .is<TPoint>("MultPoint(TPoint(3, 10), TPLXDoublePoint{0.5, 0.25})", MultPoint(TPoint(3, 10), TPLXDoublePoint{0.5, 0.25}), {2, 2})
                     .is<TPoint>("DivPoint(TPoint(5, -5), 2.0)", DivPoint(TPoint(5, -5), 2.0), {2, -2})
                     .is<TPoint>("DivPoint(TPoint(32, 64), GRAPH_PXMMRATIO)", DivPoint(TPoint(32, 64), GRAPH_PXMMRATIO), {10, 20})
                     .differing(),
                 QString());
        // 10 pixels per millimetre on both axes.
        QImage device(1000, 500, QImage::Format_RGB32);
        device.setDotsPerMeterX(10000);
        device.setDotsPerMeterY(10000);
        QVERIFY(GetDeviceMMRatio(device) == (TPLXDoublePoint{10.0, 10.0}) && GetGraphRatio(device) == (TPLXDoublePoint{0.32, 0.32}));
        QCOMPARE(plxtest::Quantities()
                     .is<int>("MMtoPixelsX(device, 2.5)", MMtoPixelsX(device, 2.5), 25)
                     .is<int>("MMtoPixelsY(device, 0.25)", MMtoPixelsY(device, 0.25), 2)
                     .is<int>("PixelsToMMX(device, 25)", PixelsToMMX(device, 25), 2)
                     .is<int>("PixelsToMMY(device, 35)", PixelsToMMY(device, 35), 4)
                     .differing(),
                 QString());
        QCOMPARE(plxtest::Quantities()
                     .is<TPoint>("MMtoPixels(device, TPoint(3, 4))", MMtoPixels(device, TPoint(3, 4)), {30, 40})
                     .is<TPoint>("PixelsToMM(device, TPoint(100, 200))", PixelsToMM(device, TPoint(100, 200)), {10, 20})
                     .is<TPoint>("GetPrinterPageDimensions(&device)", GetPrinterPageDimensions(&device), {1000, 500})
                     .differing(),
                 QString());
    }

    void printDeviceUsesTheSameDrawingPath()
    {
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&pdf);
            writer.setResolution(300);
            QPainter painter(&writer);
            // Chart pixels onto printer pixels, as the print preview does.
            const TPLXDoublePoint scale = GetDeviceMMRatio(writer);
            painter.scale(scale.x / GRAPH_PXMMRATIO.x, scale.y / GRAPH_PXMMRATIO.y);
            TPLXCanvasVC vc(painter);
            vc.setVisibleArea({0, 0, 500, 500});
            vc.SetClipRect({0, 0, 400, 400});
            QCOMPARE(vc.GetClipRect(), LPtoDPRect(painter, {0, 0, 400, 400}));
            vc.gradientFill({10, 10, 200, 60}, clRed, clBlue, true);
            vc.DrawPattern({10, 120, 200, 150}, clWhite, clBlack, bsCross);
            vc.centerText({10, 160, 200, 190}, QStringLiteral("Printed"));
            // Nothing can be read back from a printer: saving under is a no-op there.
            vc.saveArea({0, 0, 50, 50});
            vc.restoreArea();
            QCOMPARE(vc.Canvas()->Pixel(20, 20), clWhite);
            vc.ResetClipRect();
        }
        QVERIFY(pdf.data().startsWith("%PDF") && pdf.size() > 1000);
    }
};

QTEST_MAIN(tst_plxVisualContext)
#include "tst_plxVisualContext.moc"
