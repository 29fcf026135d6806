// The paint recipe of a bar's body (a visual goodie): one of five fill
// styles with its colours and hatch, and optional glyphs at the bar's start
// and end; its drawer fills a rectangle on a visual context.
#pragma once

#include "plxGanttObject.h"
#include "plxPictureResource.h"
#include "plxVisualContext.h"

#include <QImage>
#include <QRect>

// Fill styles of a bar body; the ordinals are stored.
enum TPLXDrawStyles : int { dsDrawSolid = 0, dsDrawGradient = 1, dsDrawPattern = 2, dsDrawBar3D = 3, dsDrawHatch = 4 };

class ORVANTA_EXPORT TPLXVisualGoodie : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY(TPLXVisualGoodie)
    Q_PROPERTY(QRect rect READ qRect WRITE setQRect)
    Q_PROPERTY(int drawStyle MEMBER FDrawStyle)
    Q_PROPERTY(int SFColor MEMBER FSFColor)
    Q_PROPERTY(int GFStartColor MEMBER FGFStartColor)
    Q_PROPERTY(int GFEndColor MEMBER FGFEndColor)
    Q_PROPERTY(bool GFHorizontal MEMBER FGFHorizontal)
    Q_PROPERTY(int brushStyle MEMBER FBrushStyle)
    Q_PROPERTY(int patternColor MEMBER FPatternColor)
    Q_PROPERTY(TPLXPictureResource *startGlyph MEMBER FStartGlyph)
    Q_PROPERTY(TPLXPictureResource *endGlyph MEMBER FEndGlyph)
    Q_PROPERTY(int startGlyphTranspColor MEMBER FStartGlyphTranspColor)
    Q_PROPERTY(int endGlyphTranspColor MEMBER FEndGlyphTranspColor)

public:
    // A new goodie paints solid blue, with the stored defaults for the other styles.
    TPLXVisualGoodie();
    ~TPLXVisualGoodie() override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    // Copies the draw style, the gradient colours and direction and the solid colour; nothing else.
    void Assign(const TPLXVisualGoodie &source);

    QRect qRect() const { return FRect.toQRect(); }
    void setQRect(const QRect &r) { FRect = TRect::fromQRect(r); }

    TRect getRect() const { return FRect; }
    void setRect(const TRect &value) { FRect = value; }
    int getDrawStyle() const { return FDrawStyle; }
    void setDrawStyle(int value) { FDrawStyle = value; }
    TColor getGFStartColor() const { return FGFStartColor; }
    void setGFStartColor(TColor value) { FGFStartColor = value; }
    TColor getGFEndColor() const { return FGFEndColor; }
    void setGFEndColor(TColor value) { FGFEndColor = value; }
    TColor getSFColor() const { return FSFColor; }
    void setSFColor(TColor value) { FSFColor = value; }
    TColor getPatternColor() const { return FPatternColor; }
    void setPatternColor(TColor value) { FPatternColor = value; }
    TColor getStartGlyphTranspColor() const { return FStartGlyphTranspColor; }
    void setStartGlyphTranspColor(TColor value) { FStartGlyphTranspColor = value; }
    TColor getEndGlyphTranspColor() const { return FEndGlyphTranspColor; }
    void setEndGlyphTranspColor(TColor value) { FEndGlyphTranspColor = value; }
    bool getGFHorizontal() const { return FGFHorizontal; }
    void setGFHorizontal(bool value) { FGFHorizontal = value; }
    int getBrushStyle() const { return FBrushStyle; }
    void setBrushStyle(int value) { FBrushStyle = value; }
    TPLXPictureResource *getStartGlyph() const { return FStartGlyph; }
    void setStartGlyph(TPLXPictureResource *value) { FStartGlyph = value; }
    TPLXPictureResource *getEndGlyph() const { return FEndGlyph; }
    void setEndGlyph(TPLXPictureResource *value) { FEndGlyph = value; }

private:
    friend class TPLXVisualGoodiePersistence;
    static const TPLXStoredField<TPLXVisualGoodie> storedFields[];

    TRect FRect;
    int FDrawStyle = dsDrawSolid;
    TColor FGFStartColor = 0;
    TColor FGFEndColor = 0;
    TColor FSFColor = 0;
    TColor FPatternColor = 0;
    TColor FStartGlyphTranspColor = 0;
    TColor FEndGlyphTranspColor = 0;
    bool FGFHorizontal = true;
    int FBrushStyle = bsDiagCross;
    // Owned when they were loaded with the goodie, borrowed when assigned.
    TPLXPictureResource *FStartGlyph = nullptr;
    TPLXPictureResource *FEndGlyph = nullptr;

    std::unique_ptr<TPLXDrawer> FOwnDrawer;
};

class ORVANTA_EXPORT TPLXVisualGoodiePersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Visual Goodie"); }
};

// Paints a goodie's rectangle and glyphs.
class ORVANTA_EXPORT TPLXVisualGoodieDrawer : public TPLXDrawer
{
public:
    explicit TPLXVisualGoodieDrawer(TPLXVisualGoodie *goodie);

    TRect getRect() const override;
    // The body in its style, then the glyphs.
    void Draw(TPLXVisualContext &vc) override;
    void fillGoodie(TPLXVisualContext &vc);
    void drawGlyphs(TPLXVisualContext &vc);
    // The picture's own transparency decides; the stored colour is passed along only.
    void drawGlyph(const TRect &r, TPLXVisualContext &vc, TColor transparentColor, const QImage &picture);
    // The stretches of `r` left and right of the body, in the pattern style.
    void drawBuffers(const TRect &r, TPLXVisualContext &vc);
    // Lightens what is painted in `r`; pattern-style bodies stay as they are.
    void brighten(TPLXVisualContext &vc, const TRect &r, TColor color);
    void drawSolidFill(const TRect &r, TPLXVisualContext &vc);
    void drawGradientFill(const TRect &r, TPLXVisualContext &vc);
    void drawBar3dFill(const TRect &r, TPLXVisualContext &vc);
    void drawPatternFill(const TRect &r, TPLXVisualContext &vc);

private:
    TPLXVisualGoodie *goodie() const;
};
