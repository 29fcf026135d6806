// Renders through the visual context into images and checks the pixels a
// user would see.
#include "plxColors.h"
#include "plxVisualContext.h"

#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
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
    TColor at(int x, int y) const
    {
        const qreal dpr = image.devicePixelRatio();
        return device(qRound(x * dpr), qRound(y * dpr));
    }
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

    QImage image;
    std::unique_ptr<QPainter> painter;
    std::unique_ptr<TPLXCanvasVC> vc;
};

QString hex(TColor c)
{
    return QStringLiteral("$%1").arg(quint32(c), 8, 16, QLatin1Char('0'));
}

int redOf(TColor c) { return c & 0xFF; }
int greenOf(TColor c) { return (c >> 8) & 0xFF; }
int blueOf(TColor c) { return (c >> 16) & 0xFF; }
int lightness(TColor c) { return redOf(c) + greenOf(c) + blueOf(c); }

void addDprRows()
{
    QTest::addColumn<qreal>("dpr");
    QTest::newRow("device pixel ratio 1") << 1.0;
    QTest::newRow("device pixel ratio 2") << 2.0;
}

} // namespace

Q_DECLARE_METATYPE(TRect)

class tst_plxVisualContext : public QObject
{
    Q_OBJECT

private slots:
    void fillAreaCoversExactlyTheRectangle_data() { addDprRows(); }

    void fillAreaCoversExactlyTheRectangle()
    {
        QFETCH(qreal, dpr);
        Surface s(60, 40, dpr);
        s.vc->FillArea({10, 10, 20, 15}, clRed, bsSolid);
        QVERIFY(s.uniform({10, 10, 20, 15}, clRed));
        // Right and bottom edges are exclusive.
        QVERIFY(s.uniform({{20, 10, 21, 15}, {10, 15, 20, 16}, {9, 10, 10, 15}, {10, 9, 20, 10}}, kBackground));
        QCOMPARE(s.count({0, 0, 60, 40}, clRed), 50);
    }

    void fillAreaRestoresTheBrushButKeepsThePenColour()
    {
        Surface s;
        TPLXCanvas *canvas = s.vc->Canvas();
        canvas->Brush = {clLime, bsCross};
        s.vc->setDrawingColor(clBlue);
        s.vc->FillArea({0, 0, 5, 5}, clRed, bsSolid);
        QCOMPARE(canvas->Brush.Color, clLime);
        QCOMPARE(canvas->Brush.Style, bsCross);
        QCOMPARE(canvas->Pen.Color, clRed);
        // An empty or inverted rectangle paints nothing.
        s.vc->FillArea({30, 30, 30, 40}, clBlue, bsSolid);
        s.vc->FillArea({50, 50, 40, 60}, clBlue, bsSolid);
        QCOMPARE(s.count({0, 0, 200, 120}, clBlue), 0);
    }

    void linesLeaveTheirEndPointUnpainted_data()
    {
        QTest::addColumn<TPoint>("from");
        QTest::addColumn<TPoint>("to");
        QTest::addColumn<TRect>("painted");
        QTest::newRow("left to right") << TPoint(10, 5) << TPoint(20, 5) << TRect{10, 5, 20, 6};
        QTest::newRow("right to left") << TPoint(20, 5) << TPoint(10, 5) << TRect{11, 5, 21, 6};
        QTest::newRow("downwards") << TPoint(7, 10) << TPoint(7, 30) << TRect{7, 10, 8, 30};
        QTest::newRow("upwards") << TPoint(7, 30) << TPoint(7, 10) << TRect{7, 11, 8, 31};
    }

    void linesLeaveTheirEndPointUnpainted()
    {
        QFETCH(TPoint, from);
        QFETCH(TPoint, to);
        QFETCH(TRect, painted);
        Surface s(50, 50);
        s.vc->setDrawingColor(clNavy);
        s.vc->drawLine(from, to);
        QVERIFY(s.uniform(painted, clNavy));
        QCOMPARE(s.count({0, 0, 50, 50}, clNavy), painted.width() * painted.height());
    }

    void dashedLinesLeaveGaps()
    {
        Surface s(120, 20);
        s.vc->setDrawingColor(clBlack);
        s.vc->setPenStyle(psDash);
        s.vc->drawLine(0, 10, 100, 10);
        const int ink = s.count({0, 10, 100, 11}, clBlack);
        QVERIFY2(ink > 30 && ink < 100, qPrintable(QString::number(ink)));
        // Gaps are left as they were, not filled with a background colour.
        QCOMPARE(ink + s.count({0, 10, 100, 11}, kBackground), 100);
        QCOMPARE(s.count({0, 0, 120, 10}, clBlack) + s.count({0, 11, 120, 20}, clBlack), 0);
        s.vc->setPenStyle(psClear);
        s.vc->drawLine(0, 15, 100, 15);
        QCOMPARE(s.count({0, 15, 120, 16}, clBlack), 0);
    }

    void drawRectOutlinesOnly()
    {
        Surface s(60, 60);
        s.vc->setDrawingColor(clGreen);
        s.vc->setPenStyle(psSolid);
        s.vc->drawRect({10, 10, 30, 20}, psSolid, clRed);
        QVERIFY(s.uniform({{10, 10, 30, 11}, {10, 19, 30, 20}, {10, 10, 11, 20}, {29, 10, 30, 20}}, clRed));
        QVERIFY(s.uniform({11, 11, 29, 19}, kBackground));
        QCOMPARE(s.count({0, 0, 60, 60}, clRed), 2 * 20 + 2 * 8);
        // Pen colour and style come back; the brush stays clear.
        QCOMPARE(s.vc->Canvas()->Pen.Color, clGreen);
        QCOMPARE(s.vc->Canvas()->Pen.Style, psSolid);
        QCOMPARE(s.vc->Canvas()->Brush.Style, bsClear);
    }

    void fillBoundsPaintsTheFrameOnly()
    {
        Surface s(60, 60);
        s.vc->fillBounds({10, 10, 50, 50}, {20, 15, 40, 45}, clMaroon, bsSolid);
        QVERIFY(s.uniform({{10, 10, 50, 15}, {10, 45, 50, 50}, {10, 10, 20, 50}, {40, 10, 50, 50}}, clMaroon));
        QVERIFY(s.uniform({20, 15, 40, 45}, kBackground));
        QCOMPARE(s.count({0, 0, 60, 60}, clMaroon), 40 * 40 - 20 * 30);
    }

    void nestedClipsIntersectAndRestore_data() { addDprRows(); }

    void nestedClipsIntersectAndRestore()
    {
        QFETCH(qreal, dpr);
        Surface s(100, 100, dpr);
        const TRect outer{10, 10, 60, 60};
        const TRect inner{40, 30, 90, 90};
        QCOMPARE(s.vc->SetClipRect(outer), TPLXCanvasVC::kNoClip);
        QCOMPARE(s.vc->SetClipRect(inner), outer);
        // Device coordinates of an image do not depend on its pixel ratio.
        QCOMPARE(s.vc->GetClipRect(), (TRect{40, 30, 60, 60}));
        QCOMPARE(s.vc->clippingArea(), (TRect{40, 30, 60, 60}));
        s.vc->FillArea({0, 0, 100, 100}, clRed, bsSolid);
        QCOMPARE(s.count({0, 0, 100, 100}, clRed), 20 * 30);
        QVERIFY(s.uniform({40, 30, 60, 60}, clRed));

        QCOMPARE(s.vc->ResetClipRect(), outer);
        s.vc->FillArea({0, 0, 100, 100}, clBlue, bsSolid);
        QCOMPARE(s.count({0, 0, 100, 100}, clBlue), 50 * 50);
        QVERIFY(s.uniform({9, 0, 10, 100}, kBackground));

        QCOMPARE(s.vc->ResetClipRect(), TPLXCanvasVC::kNoClip);
        QCOMPARE(s.vc->clipDepth(), 1);
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
        s.vc->ResetClipRect();
        s.vc->ResetClipRect();
        QCOMPARE(s.vc->ResetClipRect(), TPLXCanvasVC::kNoClip);
        // Disjoint nested clips leave nothing to paint.
        s.vc->SetClipRect({0, 0, 10, 10});
        s.vc->SetClipRect({20, 20, 30, 30});
        s.vc->FillArea({0, 0, 100, 100}, clYellow, bsSolid);
        QCOMPARE(s.count({0, 0, 100, 100}, clYellow), 0);
        s.vc->ResetClipRect();
        s.vc->ResetClipRect();
    }

    void unpairedResetIsAnAssertion()
    {
        Surface s;
        QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, s.vc->ResetClipRect());
        QCOMPARE(s.vc->clipDepth(), 1);
        try {
            s.vc->ResetClipRect();
        } catch (const EPLXAssertionFailed &failure) {
            QCOMPARE(failure.source(), QStringLiteral("src/framework/plxVisualContext"));
        }
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
            QCOMPARE(vc.clippingArea(), (TRect{10, 10, 0, 0}));
            vc.setVisibleArea({0, 0, 100, 100});
            QCOMPARE(vc.clippingArea(), (TRect{10, 10, 20, 30}));
            QCOMPARE(LPtoDPRect(painter, {10, 10, 20, 30}), (TRect{20, 20, 40, 60}));
            vc.FillArea({0, 0, 100, 100}, clRed, bsSolid);
            vc.ResetClipRect();
            QCOMPARE(vc.GetClipRect(), (TRect{0, 0, 200, 200}));
        }
        painter.end();
        int red = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 200; ++x)
                red += page.pixel(x, y) == qRgb(255, 0, 0);
        QCOMPARE(red, 20 * 40);
        QCOMPARE(page.pixel(20, 20), qRgb(255, 0, 0));
        QCOMPARE(page.pixel(39, 59), qRgb(255, 0, 0));
        QCOMPARE(page.pixel(40, 59), qRgb(255, 255, 255));
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
        QTest::newRow("inverted") << TRect{160, 110, 150, 120} << false << true;
        QTest::newRow("touches left edge") << TRect{50, 110, 100, 120} << true << false;
        QTest::newRow("touches bottom edge") << TRect{110, 200, 120, 210} << true << false;
        QTest::newRow("overlaps right") << TRect{190, 110, 220, 120} << true << false;
        QTest::newRow("left of it") << TRect{50, 110, 99, 120} << false << false;
        QTest::newRow("below it") << TRect{110, 201, 120, 230} << false << false;
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

    void clippingAreaIntersectsClipAndVisibleArea()
    {
        Surface s(200, 120);
        // A negative extent reads back as one pixel.
        s.vc->setVisibleArea({-5, -6, -1, -2});
        QCOMPARE(s.vc->getVisibleArea(), (TRect{-5, -6, 1, 1}));
        s.vc->setVisibleArea({0, 0, 30, -2});
        QCOMPARE(s.vc->getVisibleArea(), (TRect{0, 0, 30, 1}));
        s.vc->setVisibleArea({50, -10, 300, 100});
        QCOMPARE(s.vc->clippingArea(), (TRect{50, 0, 200, 100}));
        s.vc->SetClipRect({60, 20, 120, 200});
        QCOMPARE(s.vc->clippingArea(), (TRect{60, 20, 120, 100}));
        s.vc->ResetClipRect();
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
        QCOMPARE(s.vc->Canvas()->Brush.Color, clBlue);

        s.vc->setDrawingColor(clRed);
        s.vc->drawVertArrow(20, 10, 60);
        QVERIFY(s.uniform({{20, 10, 21, 61}, {16, 52, 25, 53}}, clRed));
        QVERIFY(s.allAt({{20, 61}, {15, 52}, {25, 52}, {20, 9}}, kBackground));
    }

    void triangleDirections_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<TPoint>("corner1");
        QTest::addColumn<TPoint>("corner2");
        QTest::addColumn<TPoint>("outsideTip");
        QTest::newRow("up") << int(tdUp) << TPoint(45, 60) << TPoint(55, 60) << TPoint(50, 49);
        QTest::newRow("right") << int(tdRight) << TPoint(40, 45) << TPoint(40, 55) << TPoint(51, 50);
        QTest::newRow("down") << int(tdDown) << TPoint(45, 40) << TPoint(55, 40) << TPoint(50, 51);
        QTest::newRow("left") << int(tdLeft) << TPoint(60, 45) << TPoint(60, 55) << TPoint(49, 50);
    }

    void triangleDirections()
    {
        QFETCH(int, direction);
        QFETCH(TPoint, corner1);
        QFETCH(TPoint, corner2);
        QFETCH(TPoint, outsideTip);
        Surface s(100, 100);
        s.vc->setDrawingColor(clPurple);
        s.vc->drawTriangle(50, 50, 10, direction);
        QVERIFY(s.allAt({{50, 50}, corner1, corner2}, clPurple));
        QCOMPARE(s.at(outsideTip.x(), outsideTip.y()), kBackground);
        // Half of a 10 x 10 box, give or take the outline.
        const int area = s.count({0, 0, 100, 100}, clPurple);
        QVERIFY2(area >= 50 && area <= 80, qPrintable(QString::number(area)));
    }

    void gradientEndsInBothColours_data()
    {
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("vertical lines") << true << 1.0;
        QTest::newRow("horizontal lines") << false << 1.0;
        QTest::newRow("vertical lines, ratio 2") << true << 2.0;
    }

    void gradientEndsInBothColours()
    {
        QFETCH(bool, horizontal);
        QFETCH(qreal, dpr);
        Surface s(120, 120, dpr);
        const TColor from = 0x0000C8; // red 200
        const TColor to = 0x640000;   // blue 100
        const TRect r{10, 20, 61, 71};
        s.vc->gradientFill(r, from, to, horizontal);
        const TRect firstLine = horizontal ? TRect{10, 20, 11, 71} : TRect{10, 20, 61, 21};
        const TRect lastLine = horizontal ? TRect{60, 20, 61, 71} : TRect{10, 70, 61, 71};
        QVERIFY(s.uniform(firstLine, from));
        QVERIFY(s.uniform(lastLine, to));
        // Half way (line 25 of 50): red 100, blue 50, exactly.
        const TRect middle = horizontal ? TRect{35, 20, 36, 71} : TRect{10, 45, 61, 46};
        QVERIFY2(s.uniform(middle, 0x320064), qPrintable(hex(s.at(middle.Left, middle.Top))));
        QVERIFY(s.allAt({{61, 70}, {60, 71}}, kBackground));
        // The ramp is monotonic.
        int previousRed = 256;
        for (int i = 0; i < 51; ++i) {
            const TColor c = horizontal ? s.at(10 + i, 40) : s.at(30, 20 + i);
            QVERIFY(redOf(c) <= previousRed);
            previousRed = redOf(c);
        }
    }

    void hatchPatternsShowBothColours_data()
    {
        QTest::addColumn<int>("style");
        QTest::newRow("horizontal") << int(bsHorizontal);
        QTest::newRow("vertical") << int(bsVertical);
        QTest::newRow("forward diagonal") << int(bsFDiagonal);
        QTest::newRow("backward diagonal") << int(bsBDiagonal);
        QTest::newRow("cross") << int(bsCross);
        QTest::newRow("diagonal cross") << int(bsDiagCross);
    }

    void hatchPatternsShowBothColours()
    {
        QFETCH(int, style);
        Surface s(100, 100);
        s.vc->setPenStyle(psClear);
        s.vc->DrawPattern({20, 20, 60, 60}, clYellow, clNavy, TBrushStyle(style));
        const int background = s.count({20, 20, 60, 60}, clYellow);
        const int hatch = s.count({20, 20, 60, 60}, clNavy);
        QCOMPARE(background + hatch, 1600);
        QVERIFY2(hatch > 100 && background > 400, qPrintable(QStringLiteral("%1 %2").arg(hatch).arg(background)));
        QCOMPARE(s.count({0, 0, 100, 20}, clNavy) + s.count({0, 60, 100, 100}, clNavy), 0);
        QCOMPARE(s.vc->Canvas()->Brush.Style, bsSolid);
        // Horizontal hatches repeat down the rectangle, vertical ones across.
        if (style == bsHorizontal) {
            for (int y = 20; y < 60; ++y)
                QVERIFY(s.uniform({20, y, 60, y + 1}, s.at(20, y)));
        }
        if (style == bsVertical) {
            for (int x = 20; x < 60; ++x)
                QVERIFY(s.uniform({x, 20, x + 1, 60}, s.at(x, 20)));
        }
    }

    void diagonalHatchesRunTheRightWay()
    {
        // A forward diagonal runs down from left to right ("\"), a backward one up ("/").
        for (const auto &[style, step] : {std::pair{bsFDiagonal, 1}, std::pair{bsBDiagonal, -1}}) {
            Surface s(100, 100);
            s.vc->setPenStyle(psClear);
            s.vc->DrawPattern({20, 20, 60, 60}, clWhite, clBlack, style);
            int along = 0, total = 0;
            for (int y = 25; y < 55; ++y)
                for (int x = 25; x < 55; ++x)
                    if (s.at(x, y) == clBlack) {
                        ++total;
                        along += s.at(x + step, y + 1) == clBlack;
                    }
            QVERIFY(total > 50);
            QVERIFY2(along > total * 9 / 10, qPrintable(QStringLiteral("style %1: %2 of %3").arg(style).arg(along).arg(total)));
        }
    }

    void solidPatternUsesThePatternColour()
    {
        Surface s(50, 50);
        s.vc->setPenStyle(psClear);
        s.vc->DrawPattern({5, 5, 25, 25}, clYellow, clTeal, bsSolid);
        QVERIFY(s.uniform({5, 5, 25, 25}, clTeal));
        s.vc->DrawPattern({30, 5, 45, 25}, clYellow, clTeal, bsClear);
        QVERIFY(s.uniform({30, 5, 45, 25}, clYellow));
    }

    void threeDFaceHasLightTopAndBaseBottom()
    {
        Surface s(120, 60);
        const TColor base = 0x994422; // a mid blue
        const TRect r{10, 10, 110, 40};
        s.vc->Draw3dFrame(r, base);
        const TColor light100 = ColorAdjustLuma(base, 100, true);
        const TColor light60 = ColorAdjustLuma(base, 60, true);
        QVERIFY(lightness(light100) > lightness(light60));
        QVERIFY(lightness(light60) > lightness(base));
        // Outline in the base colour all round.
        QVERIFY(s.uniform({{10, 10, 110, 11}, {10, 39, 110, 40}, {10, 10, 11, 40}, {109, 10, 110, 40}}, base));
        // Highlight one pixel below the top edge, then the ramp from light60.
        QVERIFY2(s.uniform({11, 11, 109, 12}, light100), qPrintable(hex(s.at(50, 11))));
        QVERIFY(s.uniform({11, 12, 109, 13}, light60));
        // Lower half flat base colour.
        QVERIFY(s.uniform({11, 25, 109, 39}, base));
        QVERIFY(lightness(s.at(50, 14)) > lightness(s.at(50, 20)));
        QVERIFY(s.allAt({{50, 40}, {110, 20}}, kBackground));
        QCOMPARE(s.vc->Canvas()->Pen.Color, base);
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
            if (vertical) {
                QVERIFY(s.uniform({10, 10, 50, 40}, 0x64C8FF));
                QVERIFY(s.uniform({0, 10, 10, 40}, 0x6464C8));
            } else {
                QVERIFY(s.uniform({0, 10, 50, 40}, 0x6464C8));
            }
            QVERIFY(s.uniform({{10, 40, 60, 60}, {50, 10, 60, 40}}, 0x006464));
        }
    }

    void addColorCapsEachChannel_data()
    {
        QTest::addColumn<TColor>("a");
        QTest::addColumn<TColor>("b");
        QTest::addColumn<TColor>("sum");
        QTest::newRow("red capped") << TColor(0x0064C8) << TColor(0x646464) << TColor(0x64C8FF);
        QTest::newRow("all capped") << clWhite << clWhite << clWhite;
        QTest::newRow("black is neutral") << clBlack << TColor(0x123456) << TColor(0x123456);
        QTest::newRow("top byte dropped") << TColor(0x02000010) << TColor(0x00000010) << TColor(0x00000020);
    }

    void addColorCapsEachChannel()
    {
        QFETCH(TColor, a);
        QFETCH(TColor, b);
        QFETCH(TColor, sum);
        QCOMPARE(TPLXCanvasVC::addColor(a, b), sum);
    }

    void colorAdjustLumaRaisesLightness()
    {
        QCOMPARE(ColorAdjustLuma(clWhite, 60, true), clWhite);
        QCOMPARE(ColorAdjustLuma(clBlack, 240, true), clWhite);
        QCOMPARE(ColorAdjustLuma(clBlack, 120, true), TColor(0x7F7F7F));
        QCOMPARE(ColorAdjustLuma(0x123456, 0, true), TColor(0x123456));
        // Hue survives: a darker red gets lighter and stays red.
        const TColor lighter = ColorAdjustLuma(clMaroon, 60, true);
        QVERIFY(redOf(lighter) > 0x80);
        QCOMPARE(greenOf(lighter), blueOf(lighter));
        QVERIFY(redOf(lighter) > greenOf(lighter));
        QCOMPARE(ColorAdjustLuma(clRed, -240, true), clBlack);
    }

    void saveUnderRestoresTheBuffer_data() { addDprRows(); }

    void saveUnderRestoresTheBuffer()
    {
        QFETCH(qreal, dpr);
        Surface s(200, 100, dpr);
        s.vc->gradientFill({0, 0, 200, 100}, clRed, clBlue, true);
        s.vc->DrawPattern({0, 40, 200, 60}, clYellow, clBlack, bsDiagCross);
        const QImage before = s.image.copy();

        const TRect outline{50, 30, 120, 70};
        s.vc->saveArea(outline);
        QCOMPARE(s.vc->savedAreaRect(), (TRect{50, 30, 130, 70}));
        // A drag outline may draw up to ten pixels past its rectangle.
        s.vc->FillArea({50, 30, 130, 70}, clLime, bsSolid);
        s.vc->drawRect(outline, psDot, clBlack);
        QVERIFY(s.image != before);
        s.vc->restoreArea();
        QVERIFY(s.image == before);

        // The copy is kept: restoring again after more drawing works too.
        s.vc->FillArea({60, 40, 125, 60}, clFuchsia, bsSolid);
        s.vc->restoreArea();
        QVERIFY(s.image == before);

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
        QVERIFY(s.vc->isBuffering());
        QVERIFY(s.vc->Canvas() != real);
        QCOMPARE(s.vc->Canvas()->Pen.Color, clRed);
        s.vc->FillArea({0, 0, 100, 80}, clGreen, bsSolid);
        QVERIFY(s.uniform({0, 0, 100, 80}, kBackground));
        // A second start discards the first buffer.
        s.vc->startBuffering();
        s.vc->FillArea({20, 20, 40, 40}, clBlue, bsSolid);
        s.vc->displayBuffer();
        QVERIFY(!s.vc->isBuffering());
        QCOMPARE(s.vc->Canvas(), real);
        QCOMPARE(s.count({0, 0, 100, 80}, clGreen), 0);
        QVERIFY(s.uniform({20, 20, 40, 40}, clBlue));
        // Only the visible area is copied; the buffer's blank background comes along.
        QCOMPARE(s.count({10, 10, 90, 70}, kBackground), 80 * 60 - 400);
        // Displaying when not buffering does nothing.
        s.vc->displayBuffer();
        QCOMPARE(s.vc->Canvas(), real);

        // Clips set while buffering apply to the buffer, and the stack carries over.
        s.vc->SetClipRect({0, 0, 30, 80});
        s.vc->startBuffering();
        s.vc->FillArea({0, 0, 100, 80}, clYellow, bsSolid);
        s.vc->displayBuffer();
        s.vc->ResetClipRect();
        QVERIFY(s.uniform({10, 10, 30, 70}, clYellow));
        QCOMPARE(s.count({30, 0, 100, 80}, clYellow), 0);
    }

    void highDpiLinesAreCrisp()
    {
        Surface s(50, 50, 2.0);
        s.vc->setDrawingColor(clBlack);
        s.vc->drawLine(5, 10, 40, 10);
        s.vc->drawLine(20, 15, 20, 45);
        // One logical pixel is exactly two device pixels, with no grey edge.
        QVERIFY(s.uniform({{5, 10, 40, 11}, {20, 15, 21, 45}}, clBlack));
        QVERIFY(s.uniform({{5, 9, 40, 10}, {5, 11, 40, 12}, {4, 10, 5, 11}, {40, 10, 41, 11}, {19, 15, 20, 45}, {21, 15, 22, 45}},
                          kBackground));
        // A wider pen scales the same way.
        s.vc->setPenWidth(3);
        s.vc->drawLine(5, 30, 15, 30);
        QVERIFY(s.uniform({5, 29, 15, 32}, clBlack));
        QVERIFY(s.allAt({{5, 28}, {5, 32}}, kBackground));
    }

    void highDpiTextIsRenderedAtDeviceResolution()
    {
        // Ink bounding box and count of device pixels that differ from their 2x2 block.
        const auto render = [](qreal dpr, QRect &ink, int &fineDetail) {
            Surface s(120, 40, dpr);
            s.vc->setFont(QStringLiteral("DejaVu Sans"), 10, clBlack, false, false, false, 0);
            s.vc->textOutOriented(5, 5, QStringLiteral("Gantt 42"), 0);
            ink = QRect();
            fineDetail = 0;
            for (int y = 0; y < s.image.height(); ++y)
                for (int x = 0; x < s.image.width(); ++x)
                    if (s.image.pixel(x, y) != qRgb(255, 255, 255)) {
                        ink |= QRect(x, y, 1, 1);
                        if (s.image.pixel(x ^ 1, y) != s.image.pixel(x, y) || s.image.pixel(x, y ^ 1) != s.image.pixel(x, y))
                            ++fineDetail;
                    }
        };
        QRect ink1, ink2;
        int detail1 = 0, detail2 = 0;
        render(1.0, ink1, detail1);
        render(2.0, ink2, detail2);
        QVERIFY(!ink1.isEmpty());
        // Same layout at twice the device size...
        QVERIFY2(qAbs(ink2.width() - 2 * ink1.width()) <= 3, qPrintable(QStringLiteral("%1 %2").arg(ink1.width()).arg(ink2.width())));
        QVERIFY2(qAbs(ink2.height() - 2 * ink1.height()) <= 3, qPrintable(QStringLiteral("%1 %2").arg(ink1.height()).arg(ink2.height())));
        // ...but not a blown-up copy: edges fall inside 2x2 blocks.
        QVERIFY2(detail2 > ink2.width(), qPrintable(QString::number(detail2)));
    }

    void centerTextReturnsWhereItDrew()
    {
        Surface s(200, 60);
        s.vc->setFont(QStringLiteral("DejaVu Sans"), 12, clRed, true, false, false, 0);
        const QString text = QStringLiteral("Centred");
        const TRect box{20, 10, 180, 50};
        const TRect at = s.vc->centerText(box, text);
        const int width = s.vc->TextWidth(text);
        const int height = s.vc->TextHeight(text);
        QCOMPARE(at, (TRect{(20 + 180 - width) / 2, (10 + 50 - height) / 2, (20 + 180 - width) / 2 + width,
                            (10 + 50 - height) / 2 + height}));
        // Every bit of ink lies inside the returned rectangle (one pixel of slack for overhang).
        int inside = 0, outside = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 200; ++x)
                if (s.at(x, y) != kBackground)
                    (x >= at.Left - 1 && x <= at.Right && y >= at.Top && y < at.Bottom ? inside : outside)++;
        QVERIFY(inside > 20);
        QCOMPARE(outside, 0);
        // Text leaves no background behind it.
        QCOMPARE(s.vc->Canvas()->Brush.Style, bsClear);
    }

    void verticalTextReadsBottomToTop()
    {
        Surface s(60, 200);
        s.vc->setFont(QStringLiteral("DejaVu Sans"), 10, clBlack, false, false, false, 0);
        const QString text = QStringLiteral("Vertical text");
        const int width = s.vc->TextWidth(text);
        const int height = s.vc->TextHeight(text);
        s.vc->centerTextVertical({0, 0, 60, 200}, text);
        QRect ink;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 60; ++x)
                if (s.at(x, y) != kBackground)
                    ink |= QRect(x, y, 1, 1);
        // Tall and narrow, centred both ways.
        QVERIFY(ink.height() > width * 8 / 10 && ink.height() <= width + 2);
        QVERIFY(ink.width() <= height);
        QVERIFY(qAbs(ink.center().y() - 100) <= 4);
        QVERIFY(qAbs(ink.center().x() - 30) <= 4);
    }

    void setFontHeight()
    {
        Surface s;
        s.vc->setFont(QStringLiteral("DejaVu Sans"), 10, clNavy, true, true, true, 0);
        const TPLXFont &font = s.vc->Canvas()->Font;
        QCOMPARE(font.Color, clNavy);
        QVERIFY(font.Font.bold() && font.Font.italic() && font.Font.underline());
        const int screenHeight = font.Font.pixelSize();
        QVERIFY(screenHeight >= 10 && screenHeight <= 20);
        s.vc->setFont(QStringLiteral("DejaVu Sans"), 10, clNavy, false, false, false, -30);
        QCOMPARE(s.vc->Canvas()->Font.Font.pixelSize(), 30);
        QVERIFY(!s.vc->Canvas()->Font.Font.bold());
        QVERIFY(s.vc->TextHeight(QStringLiteral("A")) > screenHeight);
    }

    void graphicsDrawAtNaturalSizeAndStretched()
    {
        QImage picture(4, 3, QImage::Format_RGB32);
        picture.fill(QColor(255, 0, 0));
        Surface s(60, 60);
        s.vc->drawGraphic(10, 10, picture);
        QVERIFY(s.uniform({10, 10, 14, 13}, clRed));
        QCOMPARE(s.count({0, 0, 60, 60}, clRed), 12);
        s.vc->stretchGraphic({20, 20, 40, 50}, picture);
        QVERIFY(s.uniform({20, 20, 40, 50}, clRed));
        QCOMPARE(s.count({0, 0, 60, 60}, clRed), 12 + 600);
        // A null picture draws nothing.
        s.vc->drawGraphic(0, 0, QImage());
        QCOMPARE(s.count({0, 0, 60, 60}, clRed), 612);
    }

    void polygonFillsInGivenColourAndRestoresBrush()
    {
        Surface s(60, 60);
        s.vc->setDrawingColor(clBlack);
        s.vc->Canvas()->Brush = {clYellow, bsClear};
        s.vc->drawPolygon({TPoint(10, 10), TPoint(40, 10), TPoint(40, 40), TPoint(10, 40)}, clLime);
        QVERIFY(s.uniform({11, 11, 40, 40}, clLime));
        QVERIFY(s.uniform({10, 10, 41, 11}, clBlack));
        QVERIFY(s.uniform({10, 40, 41, 41}, clBlack));
        QCOMPARE(s.at(41, 20), kBackground);
        QCOMPARE(s.vc->Canvas()->Brush.Color, clYellow);
        QCOMPARE(s.vc->Canvas()->Brush.Style, bsClear);
        s.vc->drawPixel(50, 50, clRed);
        QCOMPARE(s.at(50, 50), clRed);
        QCOMPARE(s.count({0, 0, 60, 60}, clRed), 1);
    }

    void geometryAndMillimetreHelpers()
    {
        QCOMPARE(RectSize({10, 20, 15, 50}), TPoint(5, 30));
        QVERIFY(inRect({10, 10, 20, 20}, 20, 20));
        QVERIFY(inRect({10, 10, 20, 20}, 10, 10));
        QVERIFY(!inRect({10, 10, 20, 20}, 21, 15));
        QVERIFY(!inRect({10, 10, 20, 20}, 15, 9));
        // Halves round to the even neighbour.
        QCOMPARE(MultPoint(TPoint(5, 7), 0.5), TPoint(2, 4));
        QCOMPARE(MultPoint(TPoint(3, 10), TPLXDoublePoint{0.5, 0.25}), TPoint(2, 2));
        QCOMPARE(DivPoint(TPoint(5, -5), 2.0), TPoint(2, -2));
        QCOMPARE(DivPoint(TPoint(32, 64), GRAPH_PXMMRATIO), TPoint(10, 20));
        QCOMPARE(GRAPH_PXMMRATIO, (TPLXDoublePoint{3.2, 3.2}));
        // 10 pixels per millimetre on both axes.
        QImage device(1000, 500, QImage::Format_RGB32);
        device.setDotsPerMeterX(10000);
        device.setDotsPerMeterY(10000);
        const TPLXDoublePoint ratio = GetDeviceMMRatio(device);
        QCOMPARE(ratio.x, 10.0);
        QCOMPARE(ratio.y, 10.0);
        QCOMPARE(MMtoPixelsX(device, 2.5), 25);
        QCOMPARE(MMtoPixelsY(device, 0.25), 2);
        QCOMPARE(MMtoPixels(device, TPoint(3, 4)), TPoint(30, 40));
        QCOMPARE(PixelsToMMX(device, 25), 2);
        QCOMPARE(PixelsToMMY(device, 35), 4);
        QCOMPARE(PixelsToMM(device, TPoint(100, 200)), TPoint(10, 20));
        const TPLXDoublePoint graph = GetGraphRatio(device);
        QCOMPARE(graph.x, 0.32);
        QCOMPARE(graph.y, 0.32);
        QCOMPARE(GetPrinterPageDimensions(&device), TPoint(1000, 500));
    }

    void printDeviceUsesTheSameDrawingPath()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString file = dir.filePath(QStringLiteral("page.pdf"));
        {
            QPdfWriter writer(file);
            writer.setResolution(300);
            QPainter painter(&writer);
            // Chart pixels onto printer pixels, as the print preview does.
            const TPLXDoublePoint scale = GetDeviceMMRatio(writer);
            painter.scale(scale.x / GRAPH_PXMMRATIO.x, scale.y / GRAPH_PXMMRATIO.y);
            TPLXCanvasVC vc(painter);
            vc.setVisibleArea({0, 0, 500, 500});
            vc.SetClipRect({0, 0, 400, 400});
            vc.gradientFill({10, 10, 200, 60}, clRed, clBlue, true);
            vc.Draw3dFrame({10, 80, 200, 110}, clGreen);
            vc.DrawPattern({10, 120, 200, 150}, clWhite, clBlack, bsCross);
            vc.setFont(QStringLiteral("DejaVu Sans"), 10, clBlack, false, false, false, 0);
            vc.centerText({10, 160, 200, 190}, QStringLiteral("Printed"));
            vc.drawHorzArrow(200, 10, 200);
            // Nothing can be read back from a printer: saving under is a no-op there.
            vc.saveArea({0, 0, 50, 50});
            vc.restoreArea();
            QCOMPARE(vc.Canvas()->Pixel(20, 20), clWhite);
            QCOMPARE(vc.GetClipRect(), LPtoDPRect(painter, {0, 0, 400, 400}));
            vc.ResetClipRect();
        }
        QFileInfo info(file);
        QVERIFY(info.exists());
        QVERIFY(info.size() > 1000);
    }
};

QTEST_MAIN(tst_plxVisualContext)
#include "tst_plxVisualContext.moc"
