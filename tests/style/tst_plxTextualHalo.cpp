// Word wrap and aligned text rendered into images, the texts a halo draws around its bar, and its stored form.
#include "plxCanvasFixture.h"
#include "plxColors.h"
#include "plxCompare.h"
#include "plxIniDocument.h"
#include "plxPlatform.h"
#include "plxTestSupport.h"
#include "plxTextualHalo.h"
#include "plxTreeSettings.h"
#include "plxVisualContext.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

#include <cmath>

namespace {

constexpr TColor kPaper = clWhite;
constexpr TRect kArea{20, 10, 220, 110};

// The font the arranger measures with: the settings' font at its screen pixel height.
QFontMetrics metricsOf(const TPLXFont &font)
{
    const qreal dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
    QFont measured = font.Font;
    measured.setPixelSize(std::max(1, static_cast<int>(std::lrint(font.Font.pointSize() * dpi / 72.0))));
    return QFontMetrics(measured);
}

// A 240 x 120 canvas that finds the text on it.
struct Surface : plxtest::Canvas
{
    Surface()
        : Canvas(240, 120)
    {
    }
    // The bounding box of dark grey to black (text) pixels; empty when there are none.
    TRect inkBox() const
    {
        TRect box{image.width(), image.height(), -1, -1};
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (std::max({qRed(image.pixel(x, y)), qGreen(image.pixel(x, y)), qBlue(image.pixel(x, y))}) < 110)
                    box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                           std::max(box.Bottom, y + 1)};
        return box.Right < 0 ? TRect{} : box;
    }
};

std::unique_ptr<TPLXTextSettings> textSettings(int points = 12)
{
    auto settings = std::make_unique<TPLXTextSettings>();
    settings->setQFont(QFont(QStringLiteral("DejaVu Sans"), points));
    settings->setFontColor(clBlack);
    settings->SetColor(clYellow);
    return settings;
}

// Wraps `text` without a width limit and draws it into kArea of a new surface.
std::unique_ptr<Surface> drawn(IPLXTextSettings &settings, const QString &text, const QImage *image = nullptr)
{
    TPLXTextArranger arranger(&settings);
    arranger.setImage(image);
    arranger.wordWrapText(text, 1000);
    auto surface = std::make_unique<Surface>();
    arranger.drawText(*surface->vc, kArea);
    return surface;
}

// A bar stand-in whose drawer reports a fixed rectangle.
class TestBar : public TPLXGanttObject
{
    Q_GADGET

public:
    class Drawer : public TPLXDrawer
    {
    public:
        using TPLXDrawer::TPLXDrawer;
        TRect getRect() const override { return rect; }
        TRect rect;
    };

    explicit TestBar(const TRect &rect)
        : FOwnDrawer(std::make_unique<Drawer>(this))
    {
        FOwnDrawer->rect = rect;
        FDrawer = FOwnDrawer.get();
    }
    const QMetaObject *metaObject() const override { return &staticMetaObject; }

private:
    std::unique_ptr<Drawer> FOwnDrawer;
};

} // namespace

class tst_plxTextualHalo : public QObject
{
    Q_OBJECT

private slots:
    void wrappedLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("widthOf"); // the text whose width (+1) is the limit
        QTest::addColumn<QStringList>("lines");
        const auto row = [](const char *name, const char *text, const char *widthOf, const QStringList &lines) {
            QTest::newRow(name) << QString::fromUtf8(text) << QString::fromUtf8(widthOf) << lines;
        };
        row("fits on one line", "plan the work", "plan the work", {"plan the work"});
        // "ab cd " fits, "ab cd e" does not.
        row("breaks after the last blank that fits", "ab cd ef", "ab cd ", {"ab cd ", "ef"});
        row("bare line feeds split too", "ab\ncd\nef", "abcdef", {"ab", "cd", "ef"});
        row("two leading breaks become blank lines", "\r\n\r\nabc", "abcdef", {" ", " ", "abc"});
        row("an empty line inside stays", "ab\r\n\r\ncd", "abcdef", {"ab", " ", "cd"});
        row("empty text", "", "abc", {});
        row("a too wide single character keeps its line", "WW", "", {"W", "W"});
    }
    void wrappedLines()
    {
        QFETCH(QString, text);
        QFETCH(QString, widthOf);
        QFETCH(QStringList, lines);
        const auto settings = textSettings();
        const QFontMetrics m = metricsOf(*settings->GetFont());
        TPLXTextArranger arranger(settings.get());
        arranger.wordWrapText(text, m.horizontalAdvance(widthOf) + 1);
        QCOMPARE(arranger.lines(), lines);
        QCOMPARE(QList<int>({arranger.fitHeight(), arranger.getTextHeight()}),
                 QList<int>(2, lines.size() * m.height()));
        QCOMPARE(arranger.getTextWidthMAX() < 0, lines.isEmpty());
    }

    void wrappingFollowsTextWidthFontAndHeight()
    {
        const auto settings = textSettings();
        const QFontMetrics m = metricsOf(*settings->GetFont());
        const int width = m.horizontalAdvance("word0 word1 ") + 1;
        QString text;
        for (int i = 0; i < 1000; ++i)
            text += QStringLiteral("word%1 ").arg(i % 10);
        TPLXTextArranger arranger(settings.get());
        arranger.wordWrapText(text, width);
        const QStringList all = arranger.lines();
        QCOMPARE(all.size(), 500);
        QCOMPARE(all.first(), "word0 word1 ");
        // Top-aligned text lays out only the lines that fill the height, and one more.
        TPLXTextArranger top(settings.get());
        top.wordWrapText(text, width, 3 * m.height());
        QCOMPARE(top.lines(), all.mid(0, 4));
        // A later full wrap, or a centred one, is not served from the short one.
        top.wordWrapText(text, width);
        QCOMPARE(top.lines(), all);
        top.wordWrapText(text, width, 3 * m.height());
        QCOMPARE(top.lines(), all); // a full wrap serves any height
        settings->SetVAlign(vaCenter);
        TPLXTextArranger centred(settings.get());
        centred.wordWrapText(text.left(120), width, 3 * m.height());
        QCOMPARE(centred.lines(), all.mid(0, 10));
        // Text that cannot fit even at a pixel a character shows its beginning.
        centred.wordWrapText(text, width, 3 * m.height());
        QCOMPARE(centred.lines(), all.mid(0, 4));
        // The kept lines follow the text, the width and the font.
        centred.wordWrapText("ab cd", width);
        QCOMPARE(centred.lines(), QStringList{"ab cd"});
        centred.wordWrapText("ab cd", m.horizontalAdvance("ab ") + 1);
        QCOMPARE(centred.lines(), QStringList({"ab ", "cd"}));
        settings->setQFont(QFont(QStringLiteral("DejaVu Sans"), 4));
        centred.wordWrapText("ab cd", m.horizontalAdvance("ab ") + 1);
        QCOMPARE(centred.lines(), QStringList{"ab cd"});
    }

    void drawingAlignsTheTextInItsRectangle_data()
    {
        QTest::addColumn<int>("hAlign");
        QTest::addColumn<int>("vAlign");
        for (int h : {int(haLeft), int(haRight), int(haCenter)})
            for (int v : {int(vaTop), int(vaBottom), int(vaCenter)})
                QTest::newRow(qPrintable(QStringLiteral("h%1 v%2").arg(h).arg(v))) << h << v;
    }
    void drawingAlignsTheTextInItsRectangle()
    {
        QFETCH(int, hAlign);
        QFETCH(int, vAlign);
        const auto settings = textSettings(14);
        settings->SetHAlign(hAlign);
        settings->SetVAlign(vAlign);
        const auto surface = drawn(*settings, "HH");
        const TRect r = kArea;
        // The background fills the rectangle and nothing beyond it.
        PLX_COMPARE_EACH(TColor,
                         ({surface->at(r.Left, r.Top), surface->at(r.Right - 1, r.Bottom - 1),
                           surface->at(r.Right, r.Bottom), surface->at(r.Left - 1, r.Top)}),
                         ({clYellow, clYellow, kPaper, kPaper}));

        const TRect ink = surface->inkBox();
        QVERIFY(!ink.isEmpty() && ink.Left >= r.Left && ink.Right <= r.Right && ink.Top >= r.Top &&
                ink.Bottom <= r.Bottom);
        const int slack = 4; // glyph side bearings and internal leading
        const int lineHeight = surface->vc->TextHeight("A");
        // How far the ink is from the edge it aligns to, or from the middle.
        const int hOff = hAlign == haLeft    ? ink.Left - r.Left
                         : hAlign == haRight ? r.Right - ink.Right
                                             : std::abs((ink.Left + ink.Right) - (r.Left + r.Right)) / 2;
        const int vOff = vAlign == vaTop      ? ink.Top - r.Top
                         : vAlign == vaBottom ? r.Bottom - ink.Bottom
                                              : std::abs((ink.Top + ink.Bottom) - (r.Top + r.Bottom));
        QVERIFY2(hOff <= slack && vOff < lineHeight / 2, qPrintable(QStringLiteral("%1 %2").arg(hOff).arg(vOff)));
    }

    void linesPicturesAndTransparency()
    {
        const auto settings = textSettings(14);
        // Ink in the first and third line, none in the blank second line.
        const auto lines = drawn(*settings, "H\r\n\r\nH");
        const int lineHeight = lines->vc->TextHeight("A");
        const TRect ink = lines->inkBox();
        QVERIFY(ink.Top < kArea.Top + lineHeight && ink.Bottom > kArea.Top + 2 * lineHeight);
        QCOMPARE(lines->count({20, 10 + lineHeight + 2, 220, 10 + 2 * lineHeight - 2}, clBlack), 0);

        // A picture stands in front of the first line; the text starts after it and a gap of 5 pixels.
        QImage picture(12, 12, QImage::Format_RGB32);
        picture.fill(ColorToQColor(clRed));
        const auto withPicture = drawn(*settings, "HH", &picture);
        QCOMPARE(withPicture->count({20, 10, 32, 22}, clRed) + withPicture->count({0, 0, 240, 120}, clRed), 2 * 144);
        QVERIFY(withPicture->inkBox().Left >= 37);
    }

    void focusedTextSitsOnAFramedGradient()
    {
        const auto settings = textSettings();
        TPLXTextArranger arranger(settings.get());
        arranger.wordWrapText("x", 1000);
        Surface surface;
        arranger.drawTextwhileFocused(*surface.vc, kArea, clRed, clBlue);
        QCOMPARE(surface.at(kArea.Left, 60), clBlack); // the frame
        // The ramp runs from red at the left to blue at the right.
        const QColor left = ColorToQColor(surface.at(kArea.Left + 1, 60));
        const QColor right = ColorToQColor(surface.at(kArea.Right - 2, 60));
        QVERIFY(left.red() > 245 && left.blue() < 10 && right.blue() > 245 && right.red() < 10);
        QCOMPARE(surface.count({0, 0, 240, 120}, clYellow), 0);
    }

    void haloPlacesEachTextAroundTheBar_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<int>("centreAlignment");
        for (const QString which : {"left", "right", "top", "bottom", "none"})
            QTest::newRow(qPrintable(which)) << which << 2;
        QTest::newRow("centre centred") << "center" << 2;
        QTest::newRow("centre left") << "center" << 0;
        QTest::newRow("centre right") << "center" << 1;
    }
    void haloPlacesEachTextAroundTheBar()
    {
        QFETCH(QString, which);
        QFETCH(int, centreAlignment);
        const TRect b{80, 40, 160, 70};
        TestBar bar(b);
        const auto settings = textSettings(10);
        TPLXTextHaloSettings flags;
        flags.setPrintTextLeft(which == "left");
        flags.setPrintTextRight(which == "right");
        flags.setPrintTextTop(which == "top");
        flags.setPrintTextBottom(which == "bottom");
        flags.setPrintTextCenter(which == "center");
        auto halo = std::make_unique<TPLXTextHalo>(&flags);
        halo->setParent(&bar);
        halo->setTextSettings(settings.get());
        for (auto set : {&TPLXTextHalo::setTextLeft, &TPLXTextHalo::setTextRight, &TPLXTextHalo::setTextTop,
                         &TPLXTextHalo::setTextBottom, &TPLXTextHalo::setTextCenter})
            (halo.get()->*set)(QStringLiteral("HH"));
        halo->setHorzAlignmentCenter(centreAlignment);

        Surface surface;
        halo->getDrawer(vtGanttGraph)->Draw(*surface.vc);
        halo.reset();
        const TRect ink = surface.inkBox();
        QCOMPARE(ink.isEmpty(), which == "none");
        // Beside the bar 3 pixels off its edges, in a band above or below it, or inside it.
        const int slack = 3;
        const int band = static_cast<int>(std::lrint(1.2 * surface.vc->TextHeight("A")));
        const auto within = [](int value, int from, int to) { return value >= from && value <= to; };
        const bool hCentred = std::abs(ink.Left + ink.Right - b.Left - b.Right) <= 2 * slack;
        const bool vCentred = std::abs(ink.Top + ink.Bottom - b.Top - b.Bottom) <= 2 * slack;
        const QMap<QString, bool> placed{
            {"left", within(ink.Right, b.Left - 3 - slack, b.Left - 3) && ink.Top >= b.Top},
            {"right", within(ink.Left, b.Right + 3, b.Right + 3 + slack) && ink.Top >= b.Top},
            {"top", ink.Top >= b.Top - band && ink.Bottom <= b.Top && hCentred},
            {"bottom", ink.Top >= b.Bottom && ink.Bottom <= b.Bottom + band},
            {"center", ink.Top >= b.Top && ink.Bottom <= b.Bottom && vCentred &&
                           (centreAlignment == 0   ? within(ink.Left, b.Left + 3, b.Left + 3 + slack)
                            : centreAlignment == 1 ? within(ink.Right, b.Right - 3 - slack, b.Right - 3)
                                                   : hCentred)},
            {"none", true}};
        QVERIFY2(placed.value(which),
                 qPrintable(QStringLiteral("%1 %2 %3 %4").arg(ink.Left).arg(ink.Top).arg(ink.Right).arg(ink.Bottom)));
    }

    void haloLoadsAndSavesItsTextsAndReferences()
    {
        PLXMedia media = plxtest::mediaFromText(plxtest::testData("style/halo.ini"));
        TPLXRecordingScope recording;
        TPLXEntityFactory factory;
        std::unique_ptr<TPLXGanttObject> loaded(factory.loadObject("H", *media, nullptr));
        auto *halo = dynamic_cast<TPLXTextHalo *>(loaded.get());
        QVERIFY(halo);
        QCOMPARE(QStringList({halo->getTextLeft(), halo->getTextRight(), halo->getTextTop(), halo->getTextBottom(),
                              halo->getTextCenter(), halo->getHint()}),
                 QStringList({"L", "R", "T", "B", "C", "a hint"}));
        QCOMPARE(halo->getTextSetings(), factory.getLoadedObject("TS"));
        QCOMPARE(halo->GetTextHaloSettings(), factory.getLoadedObject("HS"));
        QVERIFY(!halo->GetTextHaloSettings()->getPrintTextTop() && halo->GetTextHaloSettings()->getPrintTextLeft());

        // Saved key by key as loaded; the whole-document round trips cover the records.
        PLXMedia saved = plxtest::mediaFromText(QByteArray());
        halo->doSave("H", *saved, factory);
        const QStringList keys = dynamic_cast<TPLXINIFIle &>(*saved).iniFile().keys(u"H");
        QCOMPARE(keys.size(), 9);
        for (const QString &key : keys)
            QCOMPARE(saved->strValue("H", key, "?"), media->strValue("H", key, "!"));
        QVERIFY(recording.recorder().messages().isEmpty());
    }
};

QTEST_MAIN(tst_plxTextualHalo)
#include "tst_plxTextualHalo.moc"
