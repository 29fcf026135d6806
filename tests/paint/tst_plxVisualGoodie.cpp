// A goodie painted into an image through the visual context: the colours a user sees inside and outside the bar for
// each fill style, where the glyphs land, and how glyphs are stored (buffers and brightening are the task bar's).
#include "plxCanvasFixture.h"
#include "plxColors.h"
#include "plxPictureResource.h"
#include "plxPlatform.h"
#include "plxTestSupport.h"
#include "plxVisualContext.h"
#include "plxVisualGoodie.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr TColor kPaper = clWhite;
constexpr TRect kBody{20, 10, 120, 30};
constexpr TRect kImage{0, 0, 160, 60};

// A glyph showing a square picture of one colour; no picture at all for clNone.
std::unique_ptr<TPLXPictureResource> glyph(TColor color)
{
    auto resource = std::make_unique<TPLXPictureResource>();
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(ColorToQColor(color));
    resource->setPicture(color == clNone ? nullptr
                                         : std::make_unique<TPLXPicture>(TPLXPictureFormat::pfBitmap, picture));
    return resource;
}

// The fixture's white canvas, kImage large.
struct Surface : plxtest::Canvas
{
    Surface()
        : Canvas(kImage.Right, kImage.Bottom)
    {
    }
    bool uniform(const TRect &r, TColor color) const { return count(r, color) == r.width() * r.height(); }
    // Nothing outside `r` was touched.
    bool untouchedOutside(const TRect &r) const
    {
        return count(kImage, kPaper) - count(r, kPaper) == kImage.width() * kImage.height() - r.width() * r.height();
    }
};

int lightness(TColor c)
{
    return (c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF);
}

void draw(TPLXVisualGoodie &goodie, Surface &surface, const TRect &body = kBody)
{
    goodie.setRect(body);
    goodie.getDrawer(vtGanttGraph)->Draw(*surface.vc);
}

} // namespace

class tst_plxVisualGoodie : public QObject
{
    Q_OBJECT

private slots:
    void eachStyleStaysInTheBody_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("horizontal");
        QTest::newRow("solid") << int(dsDrawSolid) << true;
        QTest::newRow("hatch paints solid") << int(dsDrawHatch) << true;
        QTest::newRow("unknown stored value paints solid") << 9 << true;
        QTest::newRow("gradient left to right") << int(dsDrawGradient) << true;
        QTest::newRow("gradient top to bottom") << int(dsDrawGradient) << false;
        QTest::newRow("pattern") << int(dsDrawPattern) << true;
        QTest::newRow("3D bar") << int(dsDrawBar3D) << true;
    }
    void eachStyleStaysInTheBody()
    {
        QFETCH(int, style);
        QFETCH(bool, horizontal);
        TPLXVisualGoodie goodie;
        goodie.setDrawStyle(style);
        goodie.setSFColor(clTeal);
        goodie.setPatternColor(clNavy);
        goodie.setBrushStyle(bsHorizontal);
        goodie.setGFStartColor(clBlack);
        goodie.setGFEndColor(clWhite);
        goodie.setGFHorizontal(horizontal);
        Surface s;
        draw(goodie, s);
        QVERIFY(s.untouchedOutside(kBody));
        const TRect inner{kBody.Left + 1, kBody.Top + 1, kBody.Right - 1, kBody.Bottom - 1};
        if (style == dsDrawGradient) {
            // Left to right in columns, or top to bottom in rows, each of one colour.
            const TRect first = horizontal ? TRect{20, 10, 21, 30} : TRect{20, 10, 120, 11};
            const TRect middle = horizontal ? TRect{70, 10, 71, 30} : TRect{20, 20, 120, 21};
            const TRect last = horizontal ? TRect{119, 10, 120, 30} : TRect{20, 29, 120, 30};
            QVERIFY(s.uniform(first, clBlack) && s.uniform(last, clWhite));
            QVERIFY(s.uniform(middle, s.at(middle.Left, middle.Top)));
        } else if (style == dsDrawPattern) {
            // Horizontal hatch over the solid colour: every interior row is all background or all lines.
            QVERIFY(s.count(inner, clTeal) > 0 && s.count(inner, clNavy) > 0);
            for (int y = inner.Top; y < inner.Bottom; ++y)
                QVERIFY(s.uniform({inner.Left, y, inner.Right, y + 1}, s.at(inner.Left, y)));
        } else if (style == dsDrawBar3D) {
            QVERIFY(s.uniform({inner.Left, 21, inner.Right, inner.Bottom}, clTeal));
            QVERIFY(lightness(s.at(60, kBody.Top + 2)) > lightness(clTeal));
        } else {
            QVERIFY(s.uniform(kBody, clTeal));
        }
    }

    void glyphsSitInSquaresAtTheEnds_data()
    {
        QTest::addColumn<TRect>("body");
        QTest::addColumn<TColor>("start");
        QTest::addColumn<QList<int>>("bands"); // x where red, silver and lime give way
        // The squares are as high as the bar: 20 pixels at each end.
        QTest::newRow("both glyphs") << kBody << clRed << QList<int>{20, 40, 100, 120};
        // The end glyph is drawn last, over the start glyph.
        QTest::newRow("short bar") << TRect{20, 10, 50, 30} << clRed << QList<int>{20, 30, 30, 50};
        QTest::newRow("start without picture") << kBody << clNone << QList<int>{20, 20, 100, 120};
    }
    void glyphsSitInSquaresAtTheEnds()
    {
        QFETCH(TRect, body);
        QFETCH(TColor, start);
        QFETCH(QList<int>, bands);
        TPLXVisualGoodie goodie;
        goodie.setSFColor(clSilver);
        const auto startGlyph = glyph(start);
        const auto endGlyph = glyph(clLime);
        goodie.setStartGlyph(startGlyph.get());
        goodie.setEndGlyph(endGlyph.get());
        Surface surface;
        draw(goodie, surface, body);
        QVERIFY(surface.uniform({bands[0], 10, bands[1], 30}, clRed));
        QVERIFY(surface.uniform({bands[1], 10, bands[2], 30}, clSilver));
        QVERIFY(surface.uniform({bands[2], 10, bands[3], 30}, clLime));
        QVERIFY(surface.untouchedOutside(body));
    }

    void glyphsLoadAsChildrenAndSaveByReference()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QImage red(6, 6, QImage::Format_RGB32);
        red.fill(ColorToQColor(clRed));
        const QString picturePath = dir.filePath("start.bmp");
        QVERIFY(red.save(picturePath, "BMP"));
        PLXMedia media = plxtest::mediaFromText("[S]\ntypeID=Visual Goodie\nstart glyph=P\nend glyph=T\n"
                                                "[P]\ntypeID=Picture Resource\nmimetype=image/bmp\nfilename=" +
                                                picturePath.toUtf8() + "\n[T]\ntypeID=Text Settings\n");
        TPLXRecordingScope recording;
        TPLXEntityFactory factory;
        std::unique_ptr<TPLXGanttObject> loaded(factory.loadObject("S", *media, nullptr));
        auto *goodie = dynamic_cast<TPLXVisualGoodie *>(loaded.get());
        QVERIFY(goodie && goodie->getStartGlyph());
        QCOMPARE(goodie->getStartGlyph()->getParent(), goodie);
        QCOMPARE(goodie->getStartGlyph()->graphic().pixelColor(2, 2), QColor(Qt::red));
        // A section that is no picture is not taken as a glyph.
        QVERIFY(goodie->getEndGlyph() == nullptr);

        // Saved into a document file, the glyph is named by its UID and stored beside it.
        PLXMedia saved = std::make_shared<TPLXINIFIle>(dir.filePath("saved.ini"));
        goodie->doSave("S", *saved, factory);
        QCOMPARE(saved->strValue("S", "start glyph", ""), QString("P"));
        QCOMPARE(saved->strValue("S", "end glyph", "none"), QString("none"));
        QCOMPARE(saved->strValue("P", "mimetype", ""), QString("image/bmp"));
    }
};

QTEST_MAIN(tst_plxVisualGoodie)
#include "tst_plxVisualGoodie.moc"
