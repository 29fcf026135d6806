#include "plxTreeSettings.h"
#include "plxColors.h"
#include "plxEntityFactory.h"
#include "plxMedia.h"

namespace {

const TPLXKindRegistration<TPLXTreeRowSettingsPersistence> rowSettingsKind("Tree Row Settings");
const TPLXKindRegistration<TPLXTreeColSettingsPersistence> colSettingsKind("Tree Column Settings");

} // namespace

// ----------------------------------------------------- TPLXTreeRowSettings

TPLXTreeRowSettings::TPLXTreeRowSettings() = default;

TPLXTreeRowSettings::~TPLXTreeRowSettings() = default;

TPLXFont &TPLXTreeRowSettings::ensureFont()
{
    if (!FFont)
        FFont = std::make_unique<TPLXFont>();
    return *FFont;
}

void TPLXTreeRowSettings::setFont(const TPLXFont &font)
{
    ensureFont() = font;
}

QFont TPLXTreeRowSettings::qFont() const
{
    return FFont ? FFont->Font : QFont();
}

void TPLXTreeRowSettings::setQFont(const QFont &font)
{
    ensureFont().Font = font;
}

TColor TPLXTreeRowSettings::fontColor() const
{
    return FFont ? FFont->Color : clBlack;
}

void TPLXTreeRowSettings::setFontColor(TColor color)
{
    ensureFont().Color = color;
}

void TPLXTreeRowSettings::Assign(const TPLXTreeRowSettings &source)
{
    FColor = source.FColor;
    FAutoHeight = source.FAutoHeight;
    if (source.FFont)
        setFont(*source.FFont);
}

void TPLXTreeRowSettings::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &)
{
    media.setStrProperty(name, QStringLiteral("typeID"), QStringLiteral("Tree Row Settings"));
    // A record without a font leaves the font keys out; loading then gives the defaults.
    if (FFont) {
        media.setStrProperty(name, QStringLiteral("fontColor"), ColorToString(FFont->Color));
        media.setStrProperty(name, QStringLiteral("fontName"), FFont->Font.family());
        media.setIntProperty(name, QStringLiteral("fontSize"), FFont->Font.pointSize());
    }
    media.setStrProperty(name, QStringLiteral("backgroundColor"), ColorToString(FColor));
    media.setStrProperty(name, QStringLiteral("group color"), ColorToString(FGroupColor));
    media.setBoolProperty(name, QStringLiteral("auto height"), FAutoHeight);
}

std::unique_ptr<TPLXGanttObject> TPLXTreeRowSettingsPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                        TPLXEntityFactory &)
{
    auto settings = std::make_unique<TPLXTreeRowSettings>();
    TPLXFont font;
    font.Color = StringToColor(media.strValue(name, QStringLiteral("fontColor"), QStringLiteral("clBlack")));
    font.Font = QFont(media.strValue(name, QStringLiteral("fontName"), QStringLiteral("Arial")));
    font.Font.setPointSize(media.intValue(name, QStringLiteral("fontSize"), 10));
    settings->FFont = std::make_unique<TPLXFont>(font);
    settings->FColor = StringToColor(media.strValue(name, QStringLiteral("backgroundColor"), QStringLiteral("$EFDAC5")));
    settings->FGroupColor = media.colorValue(name, QStringLiteral("group color"), StringToColor(QStringLiteral("$FFBAB5")));
    settings->FAutoHeight = media.boolValue(name, QStringLiteral("auto height"), false);
    return settings;
}

// ----------------------------------------------------- TPLXTreeColSettings

TPLXTreeColSettings::TPLXTreeColSettings() = default;

TPLXTreeColSettings::~TPLXTreeColSettings() = default;

void TPLXTreeColSettings::Assign(const TPLXTreeColSettings &source)
{
    FHAlign = source.FHAlign;
    FVAlign = source.FVAlign;
    FWidth = source.FWidth;
}

void TPLXTreeColSettings::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &)
{
    media.setStrProperty(name, QStringLiteral("typeID"), QStringLiteral("Tree Column Settings"));
    media.setIntProperty(name, QStringLiteral("alignHorizontal"), FHAlign);
    media.setIntProperty(name, QStringLiteral("alignVertical"), FVAlign);
    media.setIntProperty(name, QStringLiteral("width"), FWidth);
}

std::unique_ptr<TPLXGanttObject> TPLXTreeColSettingsPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                        TPLXEntityFactory &)
{
    auto settings = std::make_unique<TPLXTreeColSettings>();
    settings->FHAlign = media.intValue(name, QStringLiteral("alignHorizontal"), 0);
    settings->FVAlign = media.intValue(name, QStringLiteral("alignVertical"), 2);
    settings->FWidth = media.intValue(name, QStringLiteral("width"), 200);
    return settings;
}
