// Word wrap and aligned text rendered into images, the texts a halo draws
// around its bar, the halo's stored form, and the drag protocol defaults.
#include "plxColors.h"
#include "plxIniDocument.h"
#include "plxOperation.h"
#include "plxPlatform.h"
#include "plxTestSupport.h"
#include "plxTextualHalo.h"
#include "plxTreeSettings.h"
#include "plxVisualContext.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QtTest>

#include <cmath>

namespace {

constexpr TColor kPaper = clWhite;
constexpr TColor kInk = clBlack;

// The font the arranger measures with: the settings' font at its screen pixel height.
QFontMetrics metricsOf(const TPLXFont &font)
{
    const qreal dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
    QFont measured = font.Font;
    measured.setPixelSize(std::max(1, static_cast<int>(std::lrint(font.Font.pointSize() * dpi / 72.0))));
    return QFontMetrics(measured);
}

struct Surface
{
    Surface(int width = 240, int height = 120)
        : image(width, height, QImage::Format_RGB32)
    {
        image.fill(ColorToQColor(kPaper));
        painter = std::make_unique<QPainter>(&image);
        vc = std::make_unique<TPLXCanvasVC>(*painter);
        vc->setVisibleArea({0, 0, width, height});
    }
    TColor at(int x, int y) const { return QColorToColor(QColor(image.pixel(x, y))); }
    // The bounding box of dark grey to black (text) pixels; empty when there are none.
    TRect inkBox() const
    {
        TRect box{image.width(), image.height(), -1, -1};
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (std::max({qRed(image.pixel(x, y)), qGreen(image.pixel(x, y)), qBlue(image.pixel(x, y))}) < 110) {
                    box.Left = std::min(box.Left, x);
                    box.Top = std::min(box.Top, y);
                    box.Right = std::max(box.Right, x + 1);
                    box.Bottom = std::max(box.Bottom, y + 1);
                }
        return box.Right < 0 ? TRect{} : box;
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

std::unique_ptr<TPLXTextSettings> textSettings(int points = 12)
{
    auto settings = std::make_unique<TPLXTextSettings>();
    settings->setQFont(QFont(QStringLiteral("DejaVu Sans"), points));
    settings->setFontColor(kInk);
    settings->SetColor(clYellow);
    return settings;
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


TPLXTextHaloSettings *onlyFlag(TPLXTextHaloSettings &flags, const QString &which)
{
    flags.FPrintTextLeft = which == "left";
    flags.FPrintTextRight = which == "right";
    flags.FPrintTextTop = which == "top";
    flags.FPrintTextBottom = which == "bottom";
    flags.FPrintTextCenter = which == "center";
    return &flags;
}

// A splitter-like halo entity: dragging it produces an undoable width change.
class TestResizer : public TPLXHaloEntity
{
    Q_GADGET

public:
    class WidthOperation : public TPLXOperation
    {
    public:
        WidthOperation(int &width, int change)
            : FWidth(width)
            , FChange(change)
        {
        }
        bool perform() override { FWidth += FChange; return true; }
        bool undo() override { FWidth -= FChange; return true; }

    private:
        int &FWidth;
        int FChange;
    };

    const QMetaObject *metaObject() const override { return &staticMetaObject; }
    bool processDragging() override { return true; }
    bool IsTreeGridResizer() override { return true; }
    TRect getOutline() override { return {width - 2, 0, width + 2, 100}; }
    TRect nextOutline(const TRect &outline, int dx, int) override
    {
        return {outline.Left + dx, outline.Top, outline.Right + dx, outline.Bottom};
    }
    std::unique_ptr<TPLXOperation> handleMove(int dx, int, int, int, int) override
    {
        return std::make_unique<WidthOperation>(width, dx);
    }

    int width = 200;
};

// Only the outline's start is overridden; the default move keeps it.
class FixedOutline : public TPLXHaloEntity
{
    Q_GADGET

public:
    const QMetaObject *metaObject() const override { return &staticMetaObject; }
    TRect getOutline() override { return {5, 6, 7, 8}; }
};

} // namespace

class tst_plxTextualHalo : public QObject
{
    Q_OBJECT

private slots:
    void wrapBreaksAfterTheLastBlankThatFits()
    {
        const auto settings = textSettings();
        const QFontMetrics m = metricsOf(*settings->GetFont());
        // "aaa " fits, "aaa b" does not.
        const int maxWidth = m.horizontalAdvance("aaa ") + 1;
        QVERIFY(m.horizontalAdvance("aaa b") >= maxWidth);
        TPLXTextArranger arranger(settings.get());
        arranger.wordWrapText("aaa bbb", maxWidth);
        QCOMPARE(arranger.lines(), QStringList({"aaa ", "bbb"}));
        QCOMPARE(arranger.fitHeight(), 2 * m.height());
        QCOMPARE(arranger.getTextHeight(), 2 * m.height());
    }

    void wrappedLineCounts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("widthOf"); // the text whose width (+1) is the limit
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("fits on one line") << "plan the work" << "plan the work" << QStringList{"plan the work"};
        QTest::newRow("three words, two per line")
            << "ab cd ef" << "ab cd " << QStringList{"ab cd ", "ef"};
        QTest::newRow("every word alone") << "ab cd ef" << "ab " << QStringList{"ab ", "cd ", "ef"};
        QTest::newRow("line breaks split") << "ab\r\ncd" << "abcdef" << QStringList{"ab", "cd"};
        QTest::newRow("bare line feeds split too") << "ab\ncd\nef" << "abcdef" << QStringList{"ab", "cd", "ef"};
        QTest::newRow("two leading breaks become blank lines")
            << "\r\n\r\nabc" << "abcdef" << QStringList{" ", " ", "abc"};
        QTest::newRow("an empty line inside stays") << "ab\r\n\r\ncd" << "abcdef" << QStringList{"ab", " ", "cd"};
        QTest::newRow("empty text") << "" << "abc" << QStringList{};
        QTest::newRow("a too wide single character keeps its line") << "WW" << "" << QStringList{"W", "W"};
    }
    void wrappedLineCounts()
    {
        QFETCH(QString, text);
        QFETCH(QString, widthOf);
        QFETCH(QStringList, lines);
        const auto settings = textSettings();
        TPLXTextArranger arranger(settings.get());
        arranger.wordWrapText(text, metricsOf(*settings->GetFont()).horizontalAdvance(widthOf) + 1);
        QCOMPARE(arranger.lines(), lines);
        QCOMPARE(arranger.getTextWidthMAX() < 0, lines.isEmpty());
    }

    void longWordBreaksInsideItself()
    {
        const auto settings = textSettings();
        const QFontMetrics m = metricsOf(*settings->GetFont());
        const int maxWidth = m.horizontalAdvance("abc") + 1;
        TPLXTextArranger arranger(settings.get());
        arranger.wordWrapText("abcdefghijklmnop", maxWidth);
        QVERIFY(arranger.lines().size() > 3);
        QCOMPARE(arranger.lines().join(QString()), QString("abcdefghijklmnop"));
        for (const QString &line : arranger.lines())
            QVERIFY2(m.horizontalAdvance(line) < maxWidth, qPrintable(line));
    }

    void imageIndentsOnlyTheFirstLine()
    {
        const auto settings = textSettings();
        const QFontMetrics m = metricsOf(*settings->GetFont());
        const int maxWidth = m.horizontalAdvance("aaa bbb") + 1;
        QImage picture(20, 10, QImage::Format_RGB32);
        picture.fill(Qt::red);
        TPLXTextArranger arranger(settings.get());
        arranger.wordWrapText("aaa bbb", maxWidth);
        QCOMPARE(arranger.lines().size(), 1);
        arranger.setImage(&picture);
        // 25 pixels less room on the first line only.
        arranger.wordWrapText("aaa bbb\r\naaa bbb", maxWidth);
        QCOMPARE(arranger.lines(), QStringList({"aaa ", "bbb", "aaa bbb"}));
    }

    void widthsAndHeights()
    {
        const auto settings = textSettings();
        const QFontMetrics m = metricsOf(*settings->GetFont());
        TPLXTextArranger arranger(settings.get());
        QCOMPARE(arranger.getTextWidthMAX(), -1);
        QCOMPARE(arranger.getTextHeight(), 0);
        QCOMPARE(arranger.getTextWidth("abc"), m.horizontalAdvance("Wabc"));
        arranger.wordWrapText("a\r\nlonger line", 1000);
        QCOMPARE(arranger.getTextWidthMAX(), m.horizontalAdvance("Wlonger line"));
    }

    void settingsWithoutFontMeasureAndDrawNothing()
    {
        TPLXTreeRowSettings row;
        TPLXTreeColSettings col;
        TPLXTreeTextSettings view(&row, &col);
        TPLXTextArranger arranger(&view);
        arranger.wordWrapText("some text", 100);
        QVERIFY(arranger.lines().isEmpty());
        QCOMPARE(arranger.getTextWidth("abc"), 0);
        QCOMPARE(arranger.getTextHeight(), 0);
        Surface surface;
        arranger.drawText(*surface.vc, {10, 10, 100, 50});
        QCOMPARE(surface.count({0, 0, 240, 120}, kPaper), 240 * 120);
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
        TPLXTextArranger arranger(settings.get());
        arranger.wordWrapText("HH", 1000);
        const TRect r{20, 10, 220, 110};
        Surface surface;
        arranger.drawText(*surface.vc, r);

        // The background fills the rectangle and nothing beyond it.
        QCOMPARE(surface.at(r.Left, r.Top), clYellow);
        QCOMPARE(surface.at(r.Right - 1, r.Bottom - 1), clYellow);
        QCOMPARE(surface.at(r.Right, r.Bottom), kPaper);
        QCOMPARE(surface.at(r.Left - 1, r.Top), kPaper);

        const TRect ink = surface.inkBox();
        QVERIFY(!ink.isEmpty());
        QVERIFY(ink.Left >= r.Left && ink.Right <= r.Right && ink.Top >= r.Top && ink.Bottom <= r.Bottom);
        const int slack = 4; // glyph side bearings and internal leading
        const int lineHeight = surface.vc->TextHeight("A");
        if (hAlign == haLeft)
            QVERIFY2(ink.Left - r.Left <= slack, qPrintable(QString::number(ink.Left)));
        else if (hAlign == haRight)
            QVERIFY2(r.Right - ink.Right <= slack, qPrintable(QString::number(ink.Right)));
        else
            QVERIFY(std::abs((ink.Left + ink.Right) - (r.Left + r.Right)) <= 2 * slack);
        if (vAlign == vaTop)
            QVERIFY(ink.Top - r.Top < lineHeight / 2);
        else if (vAlign == vaBottom)
            QVERIFY(r.Bottom - ink.Bottom < lineHeight / 2);
        else
            QVERIFY(std::abs((ink.Top + ink.Bottom) - (r.Top + r.Bottom)) <= lineHeight / 2);
    }

    void transparentSettingsLeaveTheBackground()
    {
        const auto settings = textSettings();
        settings->SetTransparent(true);
        TPLXTextArranger arranger(settings.get());
        arranger.wordWrapText("HH", 1000);
        Surface surface;
        arranger.drawText(*surface.vc, {20, 10, 220, 110});
        QCOMPARE(surface.count({0, 0, 240, 120}, clYellow), 0);
        QVERIFY(!surface.inkBox().isEmpty());
    }

    void linesFollowEachOtherAtTheLetterHeight()
    {
        const auto settings = textSettings(14);
        TPLXTextArranger arranger(settings.get());
        arranger.wordWrapText("H\r\n\r\nH", 1000);
        QCOMPARE(arranger.lines().size(), 3);
        Surface surface;
        arranger.drawText(*surface.vc, {20, 10, 220, 110});
        const int lineHeight = surface.vc->TextHeight("A");
        // Ink in the first and third line, none in the blank second line.
        const TRect ink = surface.inkBox();
        QVERIFY(ink.Top < 10 + lineHeight);
        QVERIFY(ink.Bottom > 10 + 2 * lineHeight);
        QCOMPARE(surface.count({20, 10 + lineHeight + 2, 220, 10 + 2 * lineHeight - 2}, kInk), 0);
    }

    void imageStandsInFrontOfTheFirstLine()
    {
        const auto settings = textSettings(14);
        QImage picture(12, 12, QImage::Format_RGB32);
        picture.fill(ColorToQColor(clRed));
        TPLXTextArranger arranger(settings.get());
        arranger.setImage(&picture);
        arranger.wordWrapText("HH", 1000);
        Surface surface;
        arranger.drawText(*surface.vc, {20, 10, 220, 110});
        QCOMPARE(surface.count({20, 10, 32, 22}, clRed), 144);
        QCOMPARE(surface.count({0, 0, 240, 120}, clRed), 144);
        // The text starts after the picture and a gap of 5 pixels.
        QVERIFY(surface.inkBox().Left >= 37);
    }

    void focusedTextSitsOnAFramedGradient()
    {
        const auto settings = textSettings();
        TPLXTextArranger arranger(settings.get());
        arranger.wordWrapText("x", 1000);
        Surface surface;
        const TRect r{20, 10, 220, 110};
        arranger.drawTextwhileFocused(*surface.vc, r, clRed, clBlue);
        QCOMPARE(surface.at(r.Left, 60), clBlack); // the frame
        // The ramp runs from red at the left to blue at the right.
        const QColor left = ColorToQColor(surface.at(r.Left + 1, 60));
        const QColor right = ColorToQColor(surface.at(r.Right - 2, 60));
        QVERIFY(left.red() > 245 && left.blue() < 10);
        QVERIFY(right.blue() > 245 && right.red() < 10);
        QCOMPARE(surface.count({0, 0, 240, 120}, clYellow), 0);
    }

    void haloPlacesEachTextAroundTheBar_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<int>("centreAlignment");
        QTest::newRow("left") << "left" << 2;
        QTest::newRow("right") << "right" << 2;
        QTest::newRow("top") << "top" << 2;
        QTest::newRow("bottom") << "bottom" << 2;
        QTest::newRow("centre centred") << "center" << 2;
        QTest::newRow("centre left") << "center" << 0;
        QTest::newRow("centre right") << "center" << 1;
        QTest::newRow("nothing") << "none" << 2;
    }
    void haloPlacesEachTextAroundTheBar()
    {
        QFETCH(QString, which);
        QFETCH(int, centreAlignment);
        const TRect b{80, 40, 160, 70};
        TestBar bar(b);
        const auto settings = textSettings(10);
        TPLXTextHaloSettings flags;
        auto halo = std::make_unique<TPLXTextHalo>(onlyFlag(flags, which));
        halo->setParent(&bar);
        halo->setTextSettings(settings.get());
        halo->FTextLeft = halo->FTextRight = halo->FTextTop = halo->FTextBottom = halo->FTextCenter = "HH";
        halo->FHorzAlignmentCenter = centreAlignment;

        Surface surface;
        halo->getDrawer(vtGanttGraph)->Draw(*surface.vc);
        const TRect ink = surface.inkBox();
        if (which == "none") {
            QVERIFY(ink.isEmpty());
            return;
        }
        QVERIFY(!ink.isEmpty());
        const int slack = 3;
        const int band = static_cast<int>(std::lrint(1.2 * surface.vc->TextHeight("A")));
        if (which == "left") {
            QVERIFY(ink.Right <= b.Left - 3 && ink.Right >= b.Left - 3 - slack);
            QVERIFY(ink.Top >= b.Top);
        } else if (which == "right") {
            QVERIFY(ink.Left >= b.Right + 3 && ink.Left <= b.Right + 3 + slack);
            QVERIFY(ink.Top >= b.Top);
        } else if (which == "top") {
            QVERIFY(ink.Bottom <= b.Top && ink.Top >= b.Top - band);
            QVERIFY(std::abs((ink.Left + ink.Right) - (b.Left + b.Right)) <= 2 * slack);
        } else if (which == "bottom") {
            QVERIFY(ink.Top >= b.Bottom && ink.Bottom <= b.Bottom + band);
        } else {
            QVERIFY(ink.Top >= b.Top && ink.Bottom <= b.Bottom);
            QVERIFY(std::abs((ink.Top + ink.Bottom) - (b.Top + b.Bottom)) <= 2 * slack);
            if (centreAlignment == 0)
                QVERIFY(ink.Left >= b.Left + 3 && ink.Left <= b.Left + 3 + slack);
            else if (centreAlignment == 1)
                QVERIFY(ink.Right <= b.Right - 3 && ink.Right >= b.Right - 3 - slack);
            else
                QVERIFY(std::abs((ink.Left + ink.Right) - (b.Left + b.Right)) <= 2 * slack);
        }
        halo.reset();
    }

    void haloWithoutTextSettingsOrBarIsAnAssertion()
    {
        TestBar bar({10, 10, 50, 30});
        auto halo = std::make_unique<TPLXTextHalo>();
        Surface surface;
        // No parent: nothing to draw around.
        try {
            halo->getDrawer(vtGanttGraph)->Draw(*surface.vc);
            QFAIL("no assertion");
        } catch (const EPLXAssertionFailed &failure) {
            QCOMPARE(failure.source(), QString("src/framework/plxTextualHalo"));
            QVERIFY(failure.message().contains("Assertion fehlgeschlagen"));
        }
        // A parent outside a document gives no text settings.
        halo->setParent(&bar);
        QVERIFY(halo->getTextSetings() == nullptr);
        QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, halo->getDrawer(vtGanttGraph)->Draw(*surface.vc));
        halo.reset();
    }

    void haloFallsBackToTheDocumentsRecords()
    {
        TPLXTestDocument document;
        const auto textBar = textSettings();
        TPLXTextHaloSettings documentFlags;
        TPLXTextHaloSettings laterFlags;
        document.textBar = textBar.get();
        document.halo = &documentFlags;

        TestBar bar({10, 10, 50, 30});
        bar.setParent(&document);
        TPLXTextHalo halo(static_cast<TPLXTextHaloSettings *>(nullptr));
        QVERIFY(halo.getTextSetings() == nullptr); // no parent yet
        QVERIFY(halo.GetTextHaloSettings() == nullptr);
        halo.setParent(&bar);
        QCOMPARE(halo.getTextSetings(), textBar.get());
        QCOMPARE(halo.GetTextHaloSettings(), &documentFlags);
        // The halo keeps the record it took.
        document.halo = &laterFlags;
        QCOMPARE(halo.GetTextHaloSettings(), &documentFlags);
        halo.setParent(nullptr);
        bar.setParent(nullptr);
    }

    void newHaloPrintsEverythingThroughItsOwnSettings()
    {
        TPLXTextHalo halo;
        TPLXTextHaloSettings *flags = halo.GetTextHaloSettings();
        QVERIFY(flags != nullptr);
        QCOMPARE(flags->getParent(), &halo);
        QVERIFY(flags->FPrintTextLeft && flags->FPrintTextRight && flags->FPrintTextTop && flags->FPrintTextBottom
                && flags->FPrintTextCenter);
        QCOMPARE(halo.FHorzAlignmentCenter, 2);
        QCOMPARE(halo.getDrawer(vtGanttGraph)->target, &halo);
        TPLXTextHaloSettings given;
        TPLXTextHalo borrowing(&given);
        QCOMPARE(borrowing.GetTextHaloSettings(), &given);
        QVERIFY(given.getParent() == nullptr);
    }

    void haloLoadsAndSavesItsTextsAndReferences()
    {
        PLXMedia media = plxMediaFromText("[H]\ntypeID=textual halo\ntext left=L\ntext right=R\ntext top=T\n"
                                          "text bottom=B\ntext center=C\nhint=a hint\ntext settings=TS\n"
                                          "textual halo settings=HS\n"
                                          "[TS]\ntypeID=Text Settings\nfontSize=15\n"
                                          "[HS]\ntypeID=Textual Halo Settings\nPrintTextTop=0\n");
        TPLXEntityFactory factory;
        std::unique_ptr<TPLXGanttObject> loaded(factory.loadObject("H", *media, nullptr));
        auto *halo = dynamic_cast<TPLXTextHalo *>(loaded.get());
        QVERIFY(halo);
        QCOMPARE(QStringList({halo->FTextLeft, halo->FTextRight, halo->FTextTop, halo->FTextBottom, halo->FTextCenter,
                              halo->FHint}),
                 QStringList({"L", "R", "T", "B", "C", "a hint"}));
        QCOMPARE(halo->getTextSetings(), factory.getLoadedObject("TS"));
        QCOMPARE(halo->getTextSetings()->GetFont()->Font.pointSize(), 15);
        QCOMPARE(halo->GetTextHaloSettings(), factory.getLoadedObject("HS"));
        QVERIFY(!halo->GetTextHaloSettings()->FPrintTextTop);
        QVERIFY(halo->GetTextHaloSettings()->FPrintTextLeft);

        PLXMedia saved = plxMediaFromText(QByteArray());
        halo->doSave("H", *saved, factory);
        const QStringList keys = dynamic_cast<TPLXINIFIle &>(*saved).iniFile().keys(u"H");
        QCOMPARE(keys, QStringList({"typeID", "text left", "text right", "text top", "text bottom", "text center",
                                    "hint", "text settings", "textual halo settings"}));
        for (const QString &key : keys)
            QCOMPARE(saved->strValue("H", key, "?"), media->strValue("H", key, "!"));
        // The referenced records the halo loaded are saved with it.
        QCOMPARE(saved->intValue("TS", "fontSize", 0), 15);
        QCOMPARE(saved->boolValue("HS", "PrintTextTop", true), false);

        TPLXEntityFactory again;
        std::unique_ptr<TPLXGanttObject> reloaded(again.loadObject("H", *saved, nullptr));
        auto *copy = dynamic_cast<TPLXTextHalo *>(reloaded.get());
        QVERIFY(copy);
        QCOMPARE(copy->FHint, halo->FHint);
        QCOMPARE(copy->getTextSetings()->GetFont()->Font.pointSize(), 15);
    }

    void haloWithoutReferencesFollowsTheDocument()
    {
        TPLXRecordingScope recording;
        PLXMedia media = plxMediaFromText("[H]\ntypeID=textual halo\ntext left=L\n");
        TPLXEntityFactory factory;
        std::unique_ptr<TPLXGanttObject> loaded(factory.loadObject("H", *media, nullptr));
        auto *halo = dynamic_cast<TPLXTextHalo *>(loaded.get());
        QVERIFY(halo);
        QVERIFY(halo->getTextSetings() == nullptr);
        QVERIFY(halo->GetTextHaloSettings() == nullptr);
        QVERIFY(recording.recorder.messages.isEmpty());
        // Saving writes no references it does not have.
        PLXMedia saved = plxMediaFromText(QByteArray());
        halo->doSave("H", *saved, factory);
        QCOMPARE(saved->strValue("H", "text settings", "none"), QString("none"));
        QCOMPARE(saved->strValue("H", "text left", ""), QString("L"));
    }

    void haloEntityDefaultsReactToNothing()
    {
        TPLXHaloEntity entity;
        QVERIFY(!entity.processMouseClick());
        QVERIFY(entity.handleClick(1, 2, 1) == nullptr);
        QVERIFY(!entity.processDragging());
        QVERIFY(entity.handleMove(5, 5, 0, 10, 10) == nullptr);
        QCOMPARE(entity.getOutline(), TRect{});
        QCOMPARE(entity.nextOutline({1, 2, 3, 4}, 10, 10), TRect{});
        QVERIFY(!entity.changeCursorDragging());
        QCOMPARE(entity.cursorDragging(), Qt::ArrowCursor);
        QCOMPARE(entity.cursorOver(), Qt::ArrowCursor);
        QVERIFY(!entity.IsTreeGridResizer());

        // The default move keeps the start outline whatever the arguments.
        FixedOutline fixed;
        QCOMPARE(fixed.nextOutline({0, 0, 100, 100}, 30, 40), (TRect{5, 6, 7, 8}));
    }

    void dragProtocolEndsInAnUndoableOperation()
    {
        // Given a splitter-like halo entity dragged 30 pixels to the right
        TestResizer resizer;
        QVERIFY(resizer.processDragging());
        TRect outline = resizer.getOutline();
        outline = resizer.nextOutline(outline, 10, 0);
        outline = resizer.nextOutline(outline, 20, 0);
        QCOMPARE(outline, (TRect{228, 0, 232, 100}));

        // When it is dropped, its operation goes through the undo stack
        TPLXUndoRedoStack stack;
        QVERIFY(stack.doOperation(resizer.handleMove(30, 0, 0, 230, 50)));
        QCOMPARE(resizer.width, 230);
        // Then undo and redo move it back and forth
        QVERIFY(stack.undo());
        QCOMPARE(resizer.width, 200);
        QVERIFY(stack.redo());
        QCOMPARE(resizer.width, 230);
    }
};

QTEST_MAIN(tst_plxTextualHalo)
#include "tst_plxTextualHalo.moc"
