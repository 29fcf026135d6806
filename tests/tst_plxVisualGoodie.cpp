// A goodie painted into an image through the visual context: the colours a
// user sees inside and outside the bar for each fill style, where the glyphs
// land, the buffers beside the body, and brightening.
#include "plxColors.h"
#include "plxPlatform.h"
#include "plxPictureResource.h"
#include "plxTestSupport.h"
#include "plxVisualContext.h"
#include "plxVisualGoodie.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr TColor kPaper = clWhite;

// A glyph showing a square picture of one colour; no picture at all for clNone.
std::unique_ptr<TPLXPictureResource> glyph(TColor color)
{
    auto resource = std::make_unique<TPLXPictureResource>();
    if (color == clNone) {
        resource->setPicture(nullptr);
        return resource;
    }
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(ColorToQColor(color));
    resource->setPicture(std::make_unique<TPLXPicture>(TPLXPictureFormat::pfBitmap, picture));
    return resource;
}

struct Surface
{
    Surface()
        : image(160, 60, QImage::Format_RGB32)
    {
        image.fill(ColorToQColor(kPaper));
        painter = std::make_unique<QPainter>(&image);
        vc = std::make_unique<TPLXCanvasVC>(*painter);
        vc->setVisibleArea({0, 0, 160, 60});
    }
    ~Surface()
    {
        vc.reset();
        painter.reset();
    }
    TColor at(int x, int y) const { return QColorToColor(QColor(image.pixel(x, y))); }
    bool uniform(const TRect &r, TColor color) const
    {
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (at(x, y) != color)
                    return false;
        return true;
    }
    int count(const TRect &r, TColor color) const
    {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                n += at(x, y) == color;
        return n;
    }
    // Nothing outside `r` was touched.
    bool untouchedOutside(const TRect &r) const
    {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (!r.contains(x, y) && at(x, y) != kPaper)
                    return false;
        return true;
    }

    QImage image;
    std::unique_ptr<QPainter> painter;
    std::unique_ptr<TPLXCanvasVC> vc;
};

constexpr TRect kBody{20, 10, 120, 30};

int lightness(TColor c)
{
    return (c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF);
}

void draw(TPLXVisualGoodie &goodie, Surface &surface)
{
    goodie.FRect = kBody;
    goodie.getDrawer(vtGanttGraph)->Draw(*surface.vc);
}

} // namespace

class tst_plxVisualGoodie : public QObject
{
    Q_OBJECT

private slots:
    void solidLikeStylesFillTheBodyOnly_data()
    {
        QTest::addColumn<int>("style");
        QTest::newRow("solid") << int(dsDrawSolid);
        QTest::newRow("hatch paints solid") << int(dsDrawHatch);
        QTest::newRow("unknown stored value paints solid") << 9;
    }
    void solidLikeStylesFillTheBodyOnly()
    {
        QFETCH(int, style);
        TPLXVisualGoodie goodie;
        goodie.FDrawStyle = style;
        goodie.FSFColor = clTeal;
        goodie.FPatternColor = clRed;
        Surface surface;
        draw(goodie, surface);
        QVERIFY(surface.uniform(kBody, clTeal));
        QVERIFY(surface.untouchedOutside(kBody));
    }

    void gradientRunsFromStartToEndColour_data()
    {
        QTest::addColumn<bool>("horizontal");
        QTest::newRow("left to right") << true;
        QTest::newRow("top to bottom") << false;
    }
    void gradientRunsFromStartToEndColour()
    {
        QFETCH(bool, horizontal);
        TPLXVisualGoodie goodie;
        goodie.FDrawStyle = dsDrawGradient;
        goodie.FGFStartColor = clBlack;
        goodie.FGFEndColor = clWhite;
        goodie.FGFHorizontal = horizontal;
        Surface surface;
        draw(goodie, surface);
        QVERIFY(surface.untouchedOutside(kBody));
        if (horizontal) {
            QVERIFY(surface.uniform({kBody.Left, kBody.Top, kBody.Left + 1, kBody.Bottom}, clBlack));
            QVERIFY(surface.uniform({kBody.Right - 1, kBody.Top, kBody.Right, kBody.Bottom}, clWhite));
            for (int x = kBody.Left + 1; x < kBody.Right; ++x)
                QVERIFY(lightness(surface.at(x, 20)) >= lightness(surface.at(x - 1, 20)));
            // Each column is one colour.
            QCOMPARE(surface.at(70, kBody.Top), surface.at(70, kBody.Bottom - 1));
        } else {
            QVERIFY(surface.uniform({kBody.Left, kBody.Top, kBody.Right, kBody.Top + 1}, clBlack));
            QVERIFY(surface.uniform({kBody.Left, kBody.Bottom - 1, kBody.Right, kBody.Bottom}, clWhite));
            QCOMPARE(surface.at(kBody.Left, 20), surface.at(kBody.Right - 1, 20));
        }
    }

    void patternShowsHatchOverTheSolidColour()
    {
        TPLXVisualGoodie goodie;
        goodie.FDrawStyle = dsDrawPattern;
        goodie.FSFColor = clYellow;
        goodie.FPatternColor = clNavy;
        goodie.FBrushStyle = bsHorizontal;
        Surface surface;
        draw(goodie, surface);
        QVERIFY(surface.untouchedOutside(kBody));
        const TRect inner{kBody.Left + 1, kBody.Top + 1, kBody.Right - 1, kBody.Bottom - 1};
        QVERIFY(surface.count(inner, clYellow) > 0);
        QVERIFY(surface.count(inner, clNavy) > 0);
        // Horizontal hatch: every interior row is all background or all lines.
        for (int y = inner.Top; y < inner.Bottom; ++y) {
            const TColor first = surface.at(inner.Left, y);
            QVERIFY(surface.uniform({inner.Left, y, inner.Right, y + 1}, first));
        }
    }

    void bar3dHasALightTopAndAFlatLowerHalf()
    {
        TPLXVisualGoodie goodie;
        goodie.FDrawStyle = dsDrawBar3D;
        goodie.FSFColor = clNavy;
        Surface surface;
        draw(goodie, surface);
        QVERIFY(surface.untouchedOutside(kBody));
        const TColor base = ColorAdjustLuma(clNavy, 0, true);
        QVERIFY(surface.uniform({kBody.Left + 1, 21, kBody.Right - 1, kBody.Bottom - 1}, base));
        QVERIFY(lightness(surface.at(60, kBody.Top + 2)) > lightness(base));
    }

    void glyphsSitInSquaresAtBothEnds()
    {
        TPLXVisualGoodie goodie;
        goodie.FSFColor = clSilver;
        const auto start = glyph(clRed);
        const auto end = glyph(clLime);
        goodie.FStartGlyph = start.get();
        goodie.FEndGlyph = end.get();
        Surface surface;
        draw(goodie, surface);
        // The squares are as high as the bar: 20 pixels at each end.
        QVERIFY(surface.uniform({20, 10, 40, 30}, clRed));
        QVERIFY(surface.uniform({100, 10, 120, 30}, clLime));
        QVERIFY(surface.uniform({40, 10, 100, 30}, clSilver));
        QVERIFY(surface.untouchedOutside(kBody));
    }

    void glyphsOverlapOnAShortBar()
    {
        TPLXVisualGoodie goodie;
        const auto start = glyph(clRed);
        const auto end = glyph(clLime);
        goodie.FStartGlyph = start.get();
        goodie.FEndGlyph = end.get();
        goodie.FRect = {20, 10, 50, 30};
        Surface surface;
        goodie.getDrawer(vtGanttGraph)->Draw(*surface.vc);
        // The end glyph is drawn last, over the start glyph.
        QVERIFY(surface.uniform({20, 10, 30, 30}, clRed));
        QVERIFY(surface.uniform({30, 10, 50, 30}, clLime));
    }

    void glyphWithoutPictureDrawsNothing()
    {
        TPLXVisualGoodie goodie;
        goodie.FSFColor = clSilver;
        const auto empty = glyph(clNone);
        goodie.FStartGlyph = empty.get();
        Surface surface;
        draw(goodie, surface);
        QVERIFY(surface.uniform(kBody, clSilver));
    }

    void buffersGetThePatternBesideTheBody()
    {
        TPLXVisualGoodie goodie;
        goodie.FSFColor = clYellow;
        goodie.FPatternColor = clNavy;
        goodie.FBrushStyle = bsSolid;
        goodie.FRect = kBody;
        Surface surface;
        auto *drawer = dynamic_cast<TPLXVisualGoodieDrawer *>(goodie.getDrawer(vtGanttGraph));
        QVERIFY(drawer);
        drawer->drawBuffers({0, 10, 150, 30}, *surface.vc);
        // A solid pattern paints the pattern colour inside the current pen's
        // outline; the body itself is left alone.
        QVERIFY(surface.uniform({1, 11, 19, 29}, clNavy));
        QVERIFY(surface.uniform({121, 11, 149, 29}, clNavy));
        QVERIFY(surface.uniform({20, 10, 120, 30}, kPaper));
        QVERIFY(surface.untouchedOutside({0, 10, 150, 30}));
    }

    void brightenLightensExceptPatterns_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("changes");
        QTest::newRow("solid") << int(dsDrawSolid) << true;
        QTest::newRow("gradient") << int(dsDrawGradient) << true;
        QTest::newRow("pattern") << int(dsDrawPattern) << false;
    }
    void brightenLightensExceptPatterns()
    {
        QFETCH(int, style);
        QFETCH(bool, changes);
        TPLXVisualGoodie goodie;
        goodie.FDrawStyle = style;
        goodie.FSFColor = 0x202020;
        goodie.FGFStartColor = 0x202020;
        goodie.FGFEndColor = 0x404040;
        goodie.FPatternColor = 0x404040;
        Surface surface;
        draw(goodie, surface);
        const QImage before = surface.image.copy();
        auto *drawer = dynamic_cast<TPLXVisualGoodieDrawer *>(goodie.getDrawer(vtGanttGraph));
        drawer->brighten(*surface.vc, {40, 10, 60, 30}, 0x303030);
        QCOMPARE(surface.image != before, changes);
        if (changes) {
            QVERIFY(lightness(surface.at(45, 20)) > lightness(QColorToColor(QColor(before.pixel(45, 20)))));
            // Outside the brightened stretch nothing changed.
            QCOMPARE(surface.image.pixel(70, 20), before.pixel(70, 20));
        }
    }

    void drawerFollowsTheGoodie()
    {
        TPLXVisualGoodie goodie;
        goodie.FRect = {1, 2, 3, 4};
        TPLXDrawer *drawer = goodie.getDrawer(vtGanttGraph);
        QVERIFY(drawer);
        QCOMPARE(drawer->target, &goodie);
        QCOMPARE(drawer->getRect(), (TRect{1, 2, 3, 4}));
        QCOMPARE(goodie.getDrawer(vtPertGraph), drawer);
        QCOMPARE(goodie.property("rect").toRect(), QRect(1, 2, 2, 2));
    }

    void glyphsLoadAsChildrenAndSaveByReference()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QImage red(6, 6, QImage::Format_RGB32);
        red.fill(ColorToQColor(clRed));
        const QString picturePath = dir.filePath("start.bmp");
        QVERIFY(red.save(picturePath, "BMP"));
        PLXMedia media = plxMediaFromText("[S]\ntypeID=Visual Goodie\nstart glyph=P\nend glyph=T\n"
                                          "[P]\ntypeID=Picture Resource\nmimetype=image/bmp\nfilename="
                                          + picturePath.toUtf8() + "\n[T]\ntypeID=Text Settings\n");
        TPLXEntityFactory factory;
        std::unique_ptr<TPLXGanttObject> loaded(factory.loadObject("S", *media, nullptr));
        auto *goodie = dynamic_cast<TPLXVisualGoodie *>(loaded.get());
        QVERIFY(goodie);
        QVERIFY(goodie->FStartGlyph);
        QCOMPARE(goodie->FStartGlyph->getParent(), goodie);
        QCOMPARE(goodie->FStartGlyph->graphic().pixelColor(2, 2), QColor(Qt::red));
        // A section that is no picture is not taken as a glyph.
        QVERIFY(goodie->FEndGlyph == nullptr);

        // Saved into a document file, the glyph is named by its UID and stored beside it.
        PLXMedia saved = std::make_shared<TPLXINIFIle>(dir.filePath("saved.ini"));
        goodie->doSave("S", *saved, factory);
        QCOMPARE(saved->strValue("S", "start glyph", ""), QString("P"));
        QCOMPARE(saved->strValue("S", "end glyph", "none"), QString("none"));
        QCOMPARE(saved->strValue("P", "typeID", ""), QString("Picture Resource"));
        QCOMPARE(saved->strValue("P", "mimetype", ""), QString("image/bmp"));
    }

    void goodieWithoutGlyphsLoadsQuietly()
    {
        TPLXRecordingScope recording;
        PLXMedia media = plxMediaFromText("[S]\ntypeID=Visual Goodie\n");
        TPLXEntityFactory factory;
        std::unique_ptr<TPLXGanttObject> loaded(factory.loadObject("S", *media, nullptr));
        auto *goodie = dynamic_cast<TPLXVisualGoodie *>(loaded.get());
        QVERIFY(goodie && !goodie->FStartGlyph && !goodie->FEndGlyph);
        QVERIFY(recording.recorder.logLines.isEmpty());
        QVERIFY(recording.recorder.messages.isEmpty());
    }
};

QTEST_MAIN(tst_plxVisualGoodie)
#include "tst_plxVisualGoodie.moc"
