// Renders through the visual context into images and checks the pixels a user would see.
#include "plxCanvasFixture.h"
#include "plxColors.h"
#include "plxCompare.h"
#include "plxTestSupport.h"
#include "plxVisualContext.h"

#include <QPainter>
#include <QtTest>

#include <algorithm>
#include <limits>
#include <memory>

namespace {

constexpr TColor kBackground = clWhite;

// A canvas that also checks whole areas, device pixel by device pixel.
struct Surface : plxtest::Canvas
{
    using Canvas::Canvas;
    TColor device(int x, int y) const { return plxtest::pixel(image, x, y); }
    // Every device pixel of the logical rectangle has `color`.
    bool uniform(const TRect &r, TColor color) const
    {
        const qreal dpr = image.devicePixelRatio();
        for (int y = int(std::lrint(r.Top * dpr)); y < int(std::lrint(r.Bottom * dpr)); ++y)
            for (int x = int(std::lrint(r.Left * dpr)); x < int(std::lrint(r.Right * dpr)); ++x)
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
};

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
        canvas->setBrush({clLime, bsCross});
        s.vc->FillArea({10, 10, 20, 15}, clRed, bsSolid);
        QVERIFY(s.uniform({10, 10, 20, 15}, clRed));
        // Right and bottom edges are exclusive.
        QCOMPARE(s.count({0, 0, 60, 40}, clRed), 50);
        // The brush comes back; the pen keeps the fill colour.
        PLX_COMPARE_EACH(int, ({int(canvas->brush().Color), canvas->brush().Style, int(canvas->pen().Color)}),
                         ({int(clLime), bsCross, int(clRed)}));
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
        // At ratio 2 a logical pixel is exactly two device pixels, with no grey edge.
        QTest::newRow("ratio 2") << TPoint(5, 10) << TPoint(40, 10) << 1 << 2.0 << TRect{5, 10, 40, 11};
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
        QVERIFY(s.uniform({{p.Left, p.Top - 1, p.Right, p.Top},
                           {p.Left, p.Bottom, p.Right, p.Bottom + 1},
                           {p.Left - 1, p.Top, p.Left, p.Bottom},
                           {p.Right, p.Top, p.Right + 1, p.Bottom}},
                          kBackground));
    }

    void farAwayShapesLookAsIfNear_data()
    {
        QTest::addColumn<int>("shape");
        QTest::newRow("polygon") << 0;
        QTest::newRow("line") << 1;
        QTest::newRow("rectangle") << 2;
        QTest::newRow("brightened band") << 3;
    }
    void farAwayShapesLookAsIfNear()
    {
        // Shapes reaching to the int limits are cut to what can be seen, so
        // they draw in no time and exactly as the same shapes reaching just
        // past the surface (a pixel walk to the limits would never end).
        QFETCH(int, shape);
        const auto draw = [shape](Surface &s, int reach) {
            s.vc->setDrawingColor(clNavy);
            switch (shape) {
            case 0:
                s.vc->drawPolygon({TPoint(-reach - 1, -reach - 1), TPoint(reach, reach), TPoint(-reach - 1, reach)},
                                  clRed);
                break;
            case 1:
                s.vc->drawLine(-reach - 1, -reach - 1, reach, reach);
                break;
            case 2:
                s.vc->FillArea({-reach - 1, 10, reach, 20}, clRed, bsSolid);
                break;
            default:
                s.vc->FillArea({0, 10, 60, 20}, 0x101010, bsSolid);
                s.vc->brighten({-reach - 1, 10, reach, 20}, 0x202020, true);
                break;
            }
        };
        Surface far(60, 40);
        Surface near(60, 40);
        draw(far, std::numeric_limits<int>::max());
        draw(near, 1000);
        QVERIFY(near.ink().isValid());
        QCOMPARE(far.image, near.image);
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

    // A context made on a clipped painter (one part of a printed page) never paints outside that clip.
    void thePaintersOwnClipHolds()
    {
        Surface s(100, 100);
        s.painter.setClipRect(0, 0, 50, 50);
        TPLXCanvasVC vc(s.painter);
        vc.SetClipRect({0, 0, 100, 100});
        vc.FillArea({0, 0, 100, 100}, clRed, bsSolid);
        vc.ResetClipRect();
        vc.FillArea({0, 60, 100, 100}, clBlue, bsSolid);
        QVERIFY(s.uniform({0, 0, 50, 50}, clRed) && s.uniform({50, 0, 100, 100}, clWhite));
    }

    void aPainterThatCannotDrawIsRefused()
    {
        // A picture too large to allocate is null, and a painter on it never becomes active.
        QImage none;
        QPainter idle(&none);
        QVERIFY(!idle.isActive());
        try {
            TPLXCanvasVC vc(idle);
            QFAIL("an inactive painter was taken");
        } catch (const EPLXError &error) {
            QVERIFY2(error.message().startsWith(u"Cannot draw: the painter is not active"),
                     qPrintable(error.message()));
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

    void patternsShowBothColours_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<TPoint>("along"); // one step along the hatch lines; none for crossing lines
        QTest::newRow("horizontal") << int(bsHorizontal) << TPoint(1, 0);
        QTest::newRow("forward diagonal runs down to the right") << int(bsFDiagonal) << TPoint(1, 1);
        QTest::newRow("backward diagonal runs down to the left") << int(bsBDiagonal) << TPoint(-1, 1);
        QTest::newRow("cross") << int(bsCross) << TPoint();
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
        QVERIFY(s.vc->isBuffering() && s.vc->Canvas() != real && s.vc->Canvas()->pen().Color == clRed);
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
        QCOMPARE(at,
                 (TRect{(200 - width) / 2, (60 - height) / 2, (200 - width) / 2 + width, (60 - height) / 2 + height}));
        // All ink lies inside the returned rectangle (one pixel of slack for overhang); no background behind it.
        QVERIFY(QRect(at.Left - 1, at.Top, width + 2, height).contains(s.ink()) && s.ink().width() > width / 2);
        QCOMPARE(s.vc->Canvas()->brush().Style, bsClear);
        // Height 0 takes the size's pixel height on the screen; a negative height is a pixel size.
        const int screenHeight = s.vc->Canvas()->font().Font.pixelSize();
        QVERIFY(screenHeight >= 12 && screenHeight <= 24 && s.vc->Canvas()->font().Font.bold());
        s.vc->setFont(QStringLiteral("DejaVu Sans"), 12, clRed, false, false, false, -40);
        QVERIFY(s.vc->Canvas()->font().Font.pixelSize() == 40 && s.vc->TextHeight(text) > screenHeight);

        // Vertical text reads bottom to top: tall and narrow, centred both ways.
        Surface v(60, 200);
        v.vc->setFont(QStringLiteral("DejaVu Sans"), 10, clBlack, false, false, false, 0);
        const QString vertical = QStringLiteral("Vertical text");
        v.vc->centerTextVertical({0, 0, 60, 200}, vertical);
        const QRect ink = v.ink();
        QVERIFY(ink.height() > v.vc->TextWidth(vertical) * 8 / 10 && ink.height() <= v.vc->TextWidth(vertical) + 2 &&
                ink.width() <= v.vc->TextHeight(vertical) && qAbs(ink.center().y() - 100) <= 4 &&
                qAbs(ink.center().x() - 30) <= 4);
    }
};

QTEST_MAIN(tst_plxVisualContext)
#include "tst_plxVisualContext.moc"
