#include "plxVisualGoodie.h"
#include "plxColors.h"
#include "plxEntityFactory.h"
#include "plxMedia.h"
#include "plxStoredFields.h"

namespace {

const TPLXKindRegistration<TPLXVisualGoodiePersistence> goodieKind("Visual Goodie");

// The stored defaults double as the look of a goodie made at run time.
constexpr TColor kGradientStart = clBlue;
constexpr TColor kGradientEnd = clPurple;
constexpr TColor kSolid = clBlue;
constexpr TColor kPattern = clBlue;

} // namespace

// -------------------------------------------------------- TPLXVisualGoodie

TPLXVisualGoodie::TPLXVisualGoodie()
    : FGFStartColor(kGradientStart)
    , FGFEndColor(kGradientEnd)
    , FSFColor(kSolid)
    , FPatternColor(kPattern)
    , FOwnDrawer(std::make_unique<TPLXVisualGoodieDrawer>(this))
{
    FDrawer = FOwnDrawer.get();
}

TPLXVisualGoodie::~TPLXVisualGoodie() = default;

// The key's spelling of "patterm fill style" is what existing documents carry.
const TPLXStoredField<TPLXVisualGoodie> TPLXVisualGoodie::storedFields[] = {
    {"draw style", &TPLXVisualGoodie::FDrawStyle, TPLXFieldCodec::Enum, dsDrawSolid, nullptr, true, dsDrawHatch},
    {"gradient fill start color", &TPLXVisualGoodie::FGFStartColor, TPLXFieldCodec::Color, kGradientStart},
    {"gradient fill end color", &TPLXVisualGoodie::FGFEndColor, TPLXFieldCodec::Color, kGradientEnd},
    {"solid fill color", &TPLXVisualGoodie::FSFColor, TPLXFieldCodec::Color, kSolid},
    {"pattern color", &TPLXVisualGoodie::FPatternColor, TPLXFieldCodec::Color, kPattern, nullptr, false},
    {"start glyph transparent color", &TPLXVisualGoodie::FStartGlyphTranspColor, TPLXFieldCodec::Color, clBlack,
     nullptr, false},
    {"end glyph transparent color", &TPLXVisualGoodie::FEndGlyphTranspColor, TPLXFieldCodec::Color, clBlack, nullptr,
     false},
    {"gradient fill horizontal", &TPLXVisualGoodie::FGFHorizontal, TPLXFieldCodec::Bool, true},
    {"patterm fill style", &TPLXVisualGoodie::FBrushStyle, TPLXFieldCodec::Enum, bsDiagCross, nullptr, false,
     bsDiagCross},
};

void TPLXVisualGoodie::Assign(const TPLXVisualGoodie &source)
{
    plxAssignFields<TPLXVisualGoodie>(*this, source, storedFields);
}

void TPLXVisualGoodie::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory)
{
    media.setStrProperty(name, QStringLiteral("typeID"), QStringLiteral("Visual Goodie"));
    plxSaveFields<TPLXVisualGoodie>(*this, storedFields, name, media);
    TPLXPersistence::saveChild(name, QStringLiteral("start glyph"), FStartGlyph, media, factory);
    TPLXPersistence::saveChild(name, QStringLiteral("end glyph"), FEndGlyph, media, factory);
}

std::unique_ptr<TPLXGanttObject> TPLXVisualGoodiePersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                     TPLXEntityFactory &factory)
{
    auto goodie = std::make_unique<TPLXVisualGoodie>();
    plxLoadFields<TPLXVisualGoodie>(*goodie, TPLXVisualGoodie::storedFields, name, media);
    // Glyphs are optional: look before asking for them, so that a goodie
    // without glyphs loads without complaints about missing children.
    const auto named = [&](const QString &key) {
        return media.strValue(name, key, QStringLiteral("Missing")) != QLatin1String("Missing");
    };
    if (named(QStringLiteral("start glyph")))
        goodie->FStartGlyph =
            loadChildAs<TPLXPictureResource>(QStringLiteral("start glyph"), media, factory, goodie.get());
    if (named(QStringLiteral("end glyph")))
        goodie->FEndGlyph =
            loadChildAs<TPLXPictureResource>(QStringLiteral("end glyph"), media, factory, goodie.get());
    return goodie;
}

// -------------------------------------------------- TPLXVisualGoodieDrawer

TPLXVisualGoodieDrawer::TPLXVisualGoodieDrawer(TPLXVisualGoodie *goodie)
    : TPLXDrawer(goodie)
{
}

TPLXVisualGoodie *TPLXVisualGoodieDrawer::goodie() const
{
    auto *owner = dynamic_cast<TPLXVisualGoodie *>(target);
    PLX_ASSERT(owner != nullptr);
    return owner;
}

TRect TPLXVisualGoodieDrawer::getRect() const
{
    return goodie()->getRect();
}

void TPLXVisualGoodieDrawer::Draw(TPLXVisualContext &vc)
{
    fillGoodie(vc);
    drawGlyphs(vc);
}

void TPLXVisualGoodieDrawer::fillGoodie(TPLXVisualContext &vc)
{
    const TPLXVisualGoodie *g = goodie();
    switch (g->getDrawStyle()) {
    case dsDrawGradient:
        drawGradientFill(g->getRect(), vc);
        break;
    case dsDrawPattern:
        drawPatternFill(g->getRect(), vc);
        break;
    case dsDrawBar3D:
        drawBar3dFill(g->getRect(), vc);
        break;
    default:
        // The hatch style and unknown stored values paint solid.
        drawSolidFill(g->getRect(), vc);
        break;
    }
}

void TPLXVisualGoodieDrawer::drawGlyphs(TPLXVisualContext &vc)
{
    const TPLXVisualGoodie *g = goodie();
    const TRect &r = g->getRect();
    const int h = r.height();
    if (g->getStartGlyph())
        drawGlyph(TRect{r.Left, r.Top, r.Left + h, r.Bottom}, vc, g->getStartGlyphTranspColor(),
                  g->getStartGlyph()->graphic());
    if (g->getEndGlyph())
        drawGlyph(TRect{r.Right - h, r.Top, r.Right, r.Bottom}, vc, g->getEndGlyphTranspColor(),
                  g->getEndGlyph()->graphic());
}

void TPLXVisualGoodieDrawer::drawGlyph(const TRect &r, TPLXVisualContext &vc, TColor, const QImage &picture)
{
    if (!picture.isNull())
        vc.stretchGraphic(r, picture);
}

void TPLXVisualGoodieDrawer::drawBuffers(const TRect &r, TPLXVisualContext &vc)
{
    const TRect &body = goodie()->getRect();
    drawPatternFill(TRect{r.Left, r.Top, body.Left, r.Bottom}, vc);
    drawPatternFill(TRect{body.Right, r.Top, r.Right, r.Bottom}, vc);
}

void TPLXVisualGoodieDrawer::brighten(TPLXVisualContext &vc, const TRect &r, TColor color)
{
    const TPLXVisualGoodie *g = goodie();
    if (g->getDrawStyle() != dsDrawPattern)
        vc.brighten(r, color, g->getGFHorizontal());
}

void TPLXVisualGoodieDrawer::drawSolidFill(const TRect &r, TPLXVisualContext &vc)
{
    vc.FillArea(r, goodie()->getSFColor(), bsSolid);
}

void TPLXVisualGoodieDrawer::drawGradientFill(const TRect &r, TPLXVisualContext &vc)
{
    const TPLXVisualGoodie *g = goodie();
    vc.gradientFill(r, g->getGFStartColor(), g->getGFEndColor(), g->getGFHorizontal());
}

void TPLXVisualGoodieDrawer::drawBar3dFill(const TRect &r, TPLXVisualContext &vc)
{
    vc.Draw3dFrame(r, goodie()->getSFColor());
}

void TPLXVisualGoodieDrawer::drawPatternFill(const TRect &r, TPLXVisualContext &vc)
{
    const TPLXVisualGoodie *g = goodie();
    vc.DrawPattern(r, g->getSFColor(), g->getPatternColor(), static_cast<TBrushStyle>(g->getBrushStyle()));
}
