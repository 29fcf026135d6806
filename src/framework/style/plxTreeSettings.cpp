#include "plxTreeSettings.h"
#include "plxColors.h"
#include "plxEntityFactory.h"
#include "plxMedia.h"
#include "plxStoredFields.h"
#include "plxTextSettings.h"

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

// Assign leaves the group colour alone.
const TPLXStoredField<TPLXTreeRowSettings> TPLXTreeRowSettings::storedFields[] = {
    {"backgroundColor", &TPLXTreeRowSettings::FColor, TPLXFieldCodec::ColorText, 0, "$EFDAC5"},
    {"group color", &TPLXTreeRowSettings::FGroupColor, TPLXFieldCodec::ColorWrittenAsText, 0, "$FFBAB5", false},
    {"auto height", &TPLXTreeRowSettings::FAutoHeight, TPLXFieldCodec::Bool, false},
};

void TPLXTreeRowSettings::Assign(const TPLXTreeRowSettings &source)
{
    plxAssignFields<TPLXTreeRowSettings>(*this, source, storedFields);
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
    plxSaveFields<TPLXTreeRowSettings>(*this, storedFields, name, media);
}

std::unique_ptr<TPLXGanttObject> TPLXTreeRowSettingsPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                        TPLXEntityFactory &)
{
    auto settings = std::make_unique<TPLXTreeRowSettings>();
    TPLXFont font;
    font.Color = StringToColor(media.strValue(name, QStringLiteral("fontColor"), QStringLiteral("clBlack")));
    font.Font = QFont(media.strValue(name, QStringLiteral("fontName"), QStringLiteral("Arial")));
    font.Font.setPointSize(media.intValueIn(name, QStringLiteral("fontSize"), 10, 1, PLXLimits::kMaxFontSize));
    settings->FFont = std::make_unique<TPLXFont>(font);
    plxLoadFields<TPLXTreeRowSettings>(*settings, TPLXTreeRowSettings::storedFields, name, media);
    return settings;
}

// ----------------------------------------------------- TPLXTreeColSettings

TPLXTreeColSettings::TPLXTreeColSettings() = default;

TPLXTreeColSettings::~TPLXTreeColSettings() = default;

const TPLXStoredField<TPLXTreeColSettings> TPLXTreeColSettings::storedFields[] = {
    {"alignHorizontal", &TPLXTreeColSettings::FHAlign, TPLXFieldCodec::Enum, 0, nullptr, true, haCenter},
    {"alignVertical", &TPLXTreeColSettings::FVAlign, TPLXFieldCodec::Enum, 2, nullptr, true, vaCenter},
    {"width", &TPLXTreeColSettings::FWidth, TPLXFieldCodec::Size, 200},
};

void TPLXTreeColSettings::Assign(const TPLXTreeColSettings &source)
{
    plxAssignFields<TPLXTreeColSettings>(*this, source, storedFields);
}

void TPLXTreeColSettings::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &)
{
    media.setStrProperty(name, QStringLiteral("typeID"), QStringLiteral("Tree Column Settings"));
    plxSaveFields<TPLXTreeColSettings>(*this, storedFields, name, media);
}

std::unique_ptr<TPLXGanttObject> TPLXTreeColSettingsPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                        TPLXEntityFactory &)
{
    auto settings = std::make_unique<TPLXTreeColSettings>();
    plxLoadFields<TPLXTreeColSettings>(*settings, TPLXTreeColSettings::storedFields, name, media);
    return settings;
}
