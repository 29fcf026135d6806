// Draws every primitive of the visual context (arrows, gradients, hatches,
// 3D faces, nested clips, text placement, bar fill styles, pictures) and the
// picture and text bars into one PNG and prints its path.
// Usage: orvanta_gallery [output.png] [pixel ratio]
#include "plxColors.h"
#include "plxPictureResource.h"
#include "plxVisualContext.h"
#if __has_include("plxVisualGoodie.h")
#include "plxVisualGoodie.h"
#define ORVANTA_GALLERY_GOODIES 1
#endif
#if __has_include("plxImageBar.h") && __has_include("plxTextBar.h")
#include "plxBarSettings.h"
#include "plxDataSource.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxImageBar.h"
#include "plxTextBar.h"
#include "plxTextSettings.h"
#define ORVANTA_GALLERY_BARS 1
#endif

#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 1060;
const QString kFace = QStringLiteral("DejaVu Sans");

void caption(TPLXVisualContext &vc, int y, const QString &text)
{
    vc.setFont(kFace, 11, clNavy, true, false, false, 0);
    vc.textOutOriented(10, y, text, 0);
    vc.setDrawingColor(clSilver);
    vc.setPenStyle(psSolid);
    vc.drawLine(10, y + vc.TextHeight(text) + 1, kWidth - 10, y + vc.TextHeight(text) + 1);
}

void label(TPLXVisualContext &vc, const TRect &under, const QString &text)
{
    vc.setFont(kFace, 8, clBlack, false, false, false, 0);
    vc.centerText({under.Left - 20, under.Bottom + 2, under.Right + 20, under.Bottom + 16}, text);
}

void arrows(TPLXVisualContext &vc, int top)
{
    caption(vc, top, QStringLiteral("Arrows, triangles and pen styles"));
    const int y = top + 40;
    vc.setPenWidth(1);
    vc.setPenStyle(psSolid);
    vc.setDrawingColor(clBlack);
    vc.drawHorzArrow(y, 20, 120);
    label(vc, {20, y, 120, y + 8}, QStringLiteral("right"));
    vc.drawHorzArrow(y, 260, 160);
    label(vc, {160, y, 260, y + 8}, QStringLiteral("left"));
    vc.setDrawingColor(clRed);
    vc.drawVertArrow(300, y - 20, y + 30);
    vc.drawVertArrow(330, y + 30, y - 20);
    label(vc, {295, y + 30, 335, y + 30}, QStringLiteral("down / up"));
    vc.setDrawingColor(clGreen);
    const char *names[] = {"up", "right", "down", "left"};
    for (int d = 0; d < 4; ++d) {
        vc.drawTriangle(390 + d * 45, y, 16, d);
        label(vc, {380 + d * 45, y + 20, 400 + d * 45, y + 20}, QString::fromLatin1(names[d]));
    }
    const TPenStyle styles[] = {psSolid, psDash, psDot, psDashDot, psDashDotDot};
    const char *styleNames[] = {"solid", "dash", "dot", "dash-dot", "dash-dot-dot"};
    for (int i = 0; i < 5; ++i) {
        vc.setDrawingColor(clBlack);
        vc.setPenStyle(styles[i]);
        vc.drawLine(600, y - 20 + i * 12, 760, y - 20 + i * 12);
        vc.setPenStyle(psSolid);
        vc.setFont(kFace, 7, clGray, false, false, false, 0);
        vc.textOutOriented(770, y - 26 + i * 12, QString::fromLatin1(styleNames[i]), 0);
    }
    vc.setPenWidth(3);
    vc.setDrawingColor(clPurple);
    vc.drawLine(860, y - 20, 980, y + 30);
    vc.setPenWidth(1);
    label(vc, {860, y + 30, 980, y + 30}, QStringLiteral("3 px diagonal"));
}

void gradients(TPLXVisualContext &vc, int top)
{
    caption(vc, top, QStringLiteral("Gradients and brightening"));
    const int y = top + 25;
    TRect r{20, y, 220, y + 40};
    vc.gradientFill(r, clRed, clBlue, true);
    label(vc, r, QStringLiteral("red to blue, vertical lines"));
    r = {260, y, 460, y + 40};
    vc.gradientFill(r, clWhite, clGreen, false);
    label(vc, r, QStringLiteral("white to green, horizontal lines"));
    r = {500, y, 700, y + 40};
    vc.gradientFill(r, clYellow, clPurple, true);
    vc.brighten({550, y, 650, y + 40}, 0x404040, true);
    label(vc, r, QStringLiteral("brightened middle"));
    r = {740, y, 980, y + 40};
    vc.gradientFill(r, clBlack, clWhite, true);
    label(vc, r, QStringLiteral("black to white"));
}

void hatches(TPLXVisualContext &vc, int top)
{
    caption(vc, top, QStringLiteral("Patterns (DrawPattern by brush style)"));
    const char *names[] = {"solid",         "clear",          "horizontal", "vertical",
                           "forward diag.", "backward diag.", "cross",      "diagonal cross"};
    const int y = top + 25;
    for (int style = 0; style < 8; ++style) {
        const TRect r{20 + style * 120, y, 120 + style * 120, y + 45};
        vc.setDrawingColor(clBlack);
        vc.DrawPattern(r, clCream, clTeal, TBrushStyle(style));
        label(vc, r, QString::fromLatin1(names[style]));
    }
}

void faces(TPLXVisualContext &vc, int top)
{
    caption(vc, top, QStringLiteral("3D bar faces"));
    const TColor colours[] = {clBlue, clGreen, clMaroon, 0x3399FF, clGray, clTeal};
    const int y = top + 25;
    for (int i = 0; i < 6; ++i) {
        const TRect r{20 + i * 160, y, 150 + i * 160, y + 26};
        vc.Draw3dFrame(r, colours[i]);
        label(vc, r, ColorToString(colours[i]));
    }
}

void clips(TPLXVisualContext &vc, int top)
{
    caption(vc, top, QStringLiteral("Nested clips"));
    const int y = top + 25;
    const TRect outer{20, y, 300, y + 90};
    const TRect inner{180, y + 30, 420, y + 140};
    vc.SetClipRect(outer);
    vc.FillArea({0, y - 10, kWidth, y + 150}, 0xFFE0C0, bsSolid);
    vc.SetClipRect(inner);
    vc.DrawPattern({0, y - 10, kWidth, y + 150}, 0x80C0FF, clRed, bsDiagCross);
    vc.ResetClipRect();
    vc.ResetClipRect();
    vc.drawRect(outer, psDot, clBlue);
    vc.drawRect(inner, psDash, clRed);
    vc.setFont(kFace, 8, clBlack, false, false, false, 0);
    vc.textOutOriented(440, y + 10, QStringLiteral("blue dotted: outer clip, light blue fill"), 0);
    vc.textOutOriented(440, y + 28, QStringLiteral("red dashed: inner clip, hatched only where both overlap"), 0);

    // Save-under: an outline drawn and taken back again leaves the chart as it was.
    const TRect drag{640, y + 60, 780, y + 80};
    vc.gradientFill({620, y + 50, 980, y + 100}, 0xF0F0F0, 0xA0A0A0, true);
    vc.saveArea(drag);
    vc.drawRect(drag, psDot, clBlack);
    vc.restoreArea();
    vc.saveArea({820, y + 60, 940, y + 80});
    vc.drawRect({820, y + 60, 940, y + 80}, psDot, clBlack);
    vc.textOutOriented(620, y + 108, QStringLiteral("save-under: left outline restored, right kept"), 0);
}

void texts(TPLXVisualContext &vc, int top)
{
    caption(vc, top, QStringLiteral("Text placement"));
    const int y = top + 25;
    const TRect boxes[] = {{20, y, 220, y + 60}, {240, y, 440, y + 60}, {460, y, 660, y + 60}};
    for (const TRect &box : boxes)
        vc.drawRect(box, psSolid, clSilver);
    vc.setFont(kFace, 10, clBlack, false, false, false, 0);
    const QString left = QStringLiteral("left, top");
    vc.textOutOriented(boxes[0].Left + 2, boxes[0].Top + 2, left, 0);
    const QString right = QStringLiteral("right, bottom");
    vc.textOutOriented(boxes[0].Right - 2 - vc.TextWidth(right), boxes[0].Bottom - 2 - vc.TextHeight(right), right, 0);
    vc.setFont(kFace, 12, clMaroon, true, false, false, 0);
    vc.centerText(boxes[1], QStringLiteral("centred, bold"));
    vc.setFont(kFace, 10, clNavy, false, true, true, 0);
    vc.centerText({boxes[2].Left, boxes[2].Top, boxes[2].Right, boxes[2].Top + 30},
                  QStringLiteral("italic, underlined"));
    vc.setFont(kFace, 10, clGreen, false, false, false, 20);
    vc.centerText({boxes[2].Left, boxes[2].Top + 30, boxes[2].Right, boxes[2].Bottom}, QStringLiteral("20 px high"));

    const TRect vertical{690, y - 5, 720, y + 95};
    vc.drawRect(vertical, psSolid, clSilver);
    vc.setFont(kFace, 9, clBlack, false, false, false, 0);
    vc.centerTextVertical(vertical, QStringLiteral("vertical"));
    vc.setFont(kFace, 9, clPurple, false, false, false, 0);
    vc.textOutOriented(760, y + 80, QStringLiteral("45 degrees"), 45);
    vc.textOutOriented(880, y + 80, QStringLiteral("0 degrees"), 0);
}

void pictures(TPLXVisualContext &vc, int top)
{
    caption(vc, top, QStringLiteral("Picture resources"));
    const int y = top + 25;
    const TPLXPictureResource placeholder;
    placeholder.Draw(vc, 20, y);
    label(vc, {20, y, 120, y + 100}, QStringLiteral("placeholder, natural size"));
    placeholder.StretchDraw(vc, {180, y + 20, 380, y + 80});
    label(vc, {180, y, 380, y + 80}, QStringLiteral("stretched"));
}

#ifdef ORVANTA_GALLERY_GOODIES
void goodies(TPLXVisualContext &vc, int top)
{
    caption(vc, top, QStringLiteral("Bar fill styles (visual goodies)"));
    const char *names[] = {"solid", "gradient", "pattern", "3D bar", "hatch (solid)"};
    const int y = top + 25;
    TPLXPictureResource glyph;
    for (int style = 0; style < 5; ++style) {
        TPLXVisualGoodie goodie;
        goodie.setDrawStyle(style);
        goodie.setSFColor(0x3399FF);
        goodie.setGFStartColor(clWhite);
        goodie.setGFEndColor(clBlue);
        goodie.setGFHorizontal(true);
        goodie.setBrushStyle(bsDiagCross);
        goodie.setPatternColor(clNavy);
        goodie.setRect({20 + style * 160, y, 160 + style * 160, y + 22});
        goodie.getDrawer(vtGanttGraph)->Draw(vc);
        label(vc, goodie.getRect(), QString::fromLatin1(names[style]));
    }
    TPLXVisualGoodie withGlyphs;
    withGlyphs.setDrawStyle(dsDrawGradient);
    withGlyphs.setGFStartColor(clLime);
    withGlyphs.setGFEndColor(clGreen);
    withGlyphs.setStartGlyph(&glyph);
    withGlyphs.setEndGlyph(&glyph);
    withGlyphs.setRect({840, y, 980, y + 22});
    withGlyphs.getDrawer(vtGanttGraph)->Draw(vc);
    label(vc, withGlyphs.getRect(), QStringLiteral("start and end glyphs"));
}
#endif

#ifdef ORVANTA_GALLERY_BARS
// A red diamond with a dark rim on white, the white left out as the transparent colour.
QImage diamond()
{
    QImage image(15, 15, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QColor(90, 10, 30));
    painter.setBrush(QColor(200, 30, 60));
    painter.drawPolygon(QPolygon({{7, 0}, {14, 7}, {7, 14}, {0, 7}}));
    return image;
}

// A blue banner with three squares and white corners, left out as the transparent colour.
QImage banner()
{
    QImage image(72, 18, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 70, 160));
    painter.drawRoundedRect(0, 0, 72, 18, 4, 4);
    const QColor squares[] = {QColor(255, 200, 0), QColor(120, 220, 120), QColor(230, 230, 230)};
    for (int i = 0; i < 3; ++i)
        painter.fillRect(8 + 22 * i, 4, 12, 10, squares[i]);
    return image;
}

// What the bar's drawer draws around its own rectangle, on white.
QImage drawnBar(TPLXGanttBar *bar, TDateTime viewStart)
{
    const TRect r = bar->getRect(viewStart);
    QImage image(r.Right + 8, r.Bottom + 8, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        TPLXCanvasVC canvas(painter);
        canvas.setVisibleArea({0, 0, image.width(), image.height()});
        bar->ganttDrawer()->Draw(canvas);
    }
    return image.copy(r.Left - 4, r.Top - 4, r.Right - r.Left + 8, r.Bottom - r.Top + 8);
}

void bars(TPLXVisualContext &vc, int top)
{
    caption(vc, top, QStringLiteral("Image, milestone and text bars, unselected and selected"));
    TPLXDataSource source;
    TPLXGanttDocument *document = source.root();
    const TDateTime start = document->getStartDate();
    document->setEndDate(start + 60);
    source.RowAppend();
    TPLXGanttRow *row = source.GetTable()->getRow(0);
    row->setHeight(30);

    auto *image = new TPLXImageBar(start + 1, start + 2);
    auto *milestone = new TPLXMilestoneBar(start + 1, start + 1);
    auto *text = new TPLXTextBar(start + 1, start + 4);
    for (TPLXGanttBar *bar : std::initializer_list<TPLXGanttBar *>{image, milestone, text})
        row->AddBar(bar);
    image->getPictureResource()->setPicture(std::make_unique<TPLXPicture>(TPLXPictureFormat::pfBitmap, banner()));
    image->getSettings()->setBorderThickness(1);
    image->getSettings()->setBorderColor(clNavy);
    image->SetAutoStretch(false);
    milestone->getPictureResource()->setPicture(std::make_unique<TPLXPicture>(TPLXPictureFormat::pfBitmap, diamond()));
    auto *note = new TPLXTextSettings();
    note->SetColor(0xC0FFFF);
    note->setQFont(QFont(kFace, 8));
    text->setSettings(note);
    text->setText(QStringLiteral("A note over three days, as high as the user makes it."));
    text->setHeight(40);

    const int y = top + 30;
    const std::pair<TPLXGanttBar *, const char *> shown[] = {{image, "image bar"},
                                                             {milestone, "milestone"},
                                                             {text, "text bar"}};
    int x = 20;
    for (const auto &[bar, name] : shown) {
        for (const bool focused : {false, true}) {
            bar->setFocused(focused);
            const QImage drawn = drawnBar(bar, start);
            vc.drawGraphic(x, y, drawn);
            label(vc, {x, y, x + drawn.width(), y + 50},
                  QString::fromLatin1(name) + (focused ? QStringLiteral(", selected") : QString()));
            x += std::max(drawn.width(), 90) + 50;
        }
    }
}
#endif

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString output =
        QDir(QDir::currentPath()).absoluteFilePath(args.size() > 1 ? args[1] : QStringLiteral("orvanta-gallery.png"));
    const qreal dpr = args.size() > 2 ? args[2].toDouble() : 1.0;

    QImage image(qRound(kWidth * dpr), qRound(kHeight * dpr), QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr > 0 ? dpr : 1.0);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        TPLXCanvasVC vc(painter);
        vc.setVisibleArea({0, 0, kWidth, kHeight});
        // One paint into a buffer, shown at once, as the chart control paints.
        vc.startBuffering();
        vc.FillArea({0, 0, kWidth, kHeight}, clWhite, bsSolid);
        arrows(vc, 10);
        gradients(vc, 110);
        hatches(vc, 200);
        faces(vc, 300);
        clips(vc, 375);
        texts(vc, 545);
        pictures(vc, 670);
#ifdef ORVANTA_GALLERY_GOODIES
        goodies(vc, 855);
#endif
#ifdef ORVANTA_GALLERY_BARS
        bars(vc, 940);
#endif
        vc.displayBuffer();
    }
    if (!image.save(output, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(output));
        return 1;
    }
    std::printf("%s\n", qPrintable(output));
    return 0;
}
