#include "plxTextSettings.h"
#include "plxColors.h"
#include "plxEntityFactory.h"
#include "plxMedia.h"
#include "plxStoredFields.h"
#include "plxTreeSettings.h"

namespace {

const TPLXKindRegistration<TPLXTextSettingsPersistence> textSettingsKind("Text Settings");
const TPLXKindRegistration<TPLXTextHaloSettingsPersistence> haloSettingsKind("Textual Halo Settings");

TPLXTreeTextSettings::GridColorsReader gridColorsReader = nullptr;

} // namespace

// -------------------------------------------------------- TPLXTextSettings

TPLXTextSettings::TPLXTextSettings()
{
    FFont.Font = QFont(QStringLiteral("Arial"), 9);
    FFont.Color = clBlack;
}

TPLXTextSettings::~TPLXTextSettings() = default;

const TPLXStoredField<TPLXTextSettings> TPLXTextSettings::storedFields[] = {
    {"backgroundColor", &TPLXTextSettings::FColor, TPLXFieldCodec::ColorText, 0, "clWhite"},
    {"alignHorizontal", &TPLXTextSettings::FHAlign, TPLXFieldCodec::Enum, 0, nullptr, true, haCenter},
    {"alignVertical", &TPLXTextSettings::FVAlign, TPLXFieldCodec::Enum, 0, nullptr, true, vaCenter},
    {"transparent", &TPLXTextSettings::FTransparent, TPLXFieldCodec::Bool, false},
};

void TPLXTextSettings::Assign(const TPLXTextSettings &source)
{
    FFont = source.FFont;
    plxAssignFields<TPLXTextSettings>(*this, source, storedFields);
    FGroupRow = source.FGroupRow;
    FFocused = source.FFocused;
    FSelected = source.FSelected;
}

void TPLXTextSettings::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &)
{
    media.setStrProperty(name, QStringLiteral("typeID"), QStringLiteral("Text Settings"));
    media.setStrProperty(name, QStringLiteral("fontColor"), ColorToString(FFont.Color));
    media.setStrProperty(name, QStringLiteral("fontName"), FFont.Font.family());
    media.setIntProperty(name, QStringLiteral("fontSize"), FFont.Font.pointSize());
    media.setBoolProperty(name, QStringLiteral("fontBold"), FFont.Font.bold());
    media.setBoolProperty(name, QStringLiteral("fontItalic"), FFont.Font.italic());
    plxSaveFields<TPLXTextSettings>(*this, storedFields, name, media);
}

std::unique_ptr<TPLXGanttObject> TPLXTextSettingsPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                     TPLXEntityFactory &)
{
    auto settings = std::make_unique<TPLXTextSettings>();
    TPLXFont font;
    font.Color = StringToColor(media.strValue(name, QStringLiteral("fontColor"), QStringLiteral("clBlack")));
    font.Font = QFont(media.strValue(name, QStringLiteral("fontName"), QStringLiteral("Arial")));
    font.Font.setPointSize(media.intValueIn(name, QStringLiteral("fontSize"), 10, 1, PLXLimits::kMaxFontSize));
    font.Font.setBold(media.boolValue(name, QStringLiteral("fontBold"), false));
    font.Font.setItalic(media.boolValue(name, QStringLiteral("fontItalic"), false));
    settings->FFont = font;
    plxLoadFields<TPLXTextSettings>(*settings, TPLXTextSettings::storedFields, name, media);
    return settings;
}

// ---------------------------------------------------- TPLXTreeTextSettings

void TPLXTreeTextSettings::setGridColorsReader(GridColorsReader reader)
{
    gridColorsReader = reader;
}

TPLXTreeTextSettings::TPLXTreeTextSettings(TPLXTreeRowSettings *rowSettings, TPLXTreeColSettings *colSettings)
    : FRowSettings(rowSettings)
    , FColSettings(colSettings)
{
    PLX_ASSERT(rowSettings != nullptr && colSettings != nullptr);
}

TPLXTreeTextSettings::~TPLXTreeTextSettings() = default;

TPLXTreeHighlightColors TPLXTreeTextSettings::gridColors()
{
    // Only selected and focused cells need the grid, so plain cells draw
    // even when their records are not (yet) part of a document.
    TPLXTreeGrid *grid = FRowSettings->GetDocumentSetup()->GetTree();
    return gridColorsReader && grid ? gridColorsReader(grid) : TPLXTreeHighlightColors{};
}

TColor TPLXTreeTextSettings::GetColor()
{
    if (FFocused)
        return gridColors().focusedRowColor;
    if (FSelected)
        return gridColors().selectedRowColor;
    return FGroupRow ? FRowSettings->getGroupColor() : FRowSettings->getColor();
}

TPLXFont *TPLXTreeTextSettings::GetFont()
{
    const TPLXFont *rowFont = FRowSettings->getFont();
    if (!rowFont)
        return nullptr;
    FLocalFont = *rowFont;
    if (FFocused)
        FLocalFont.Color = gridColors().focusedRowFontColor;
    else if (FSelected)
        FLocalFont.Color = gridColors().selectedRowFontColor;
    return &FLocalFont;
}

int TPLXTreeTextSettings::GetHAlign() const
{
    return FColSettings->getHAlign();
}

int TPLXTreeTextSettings::GetVAlign() const
{
    return FColSettings->getVAlign();
}

void TPLXTreeTextSettings::SetColor(TColor color)
{
    FRowSettings->setColor(color);
}

void TPLXTreeTextSettings::SetFont(const TPLXFont &font)
{
    FRowSettings->setFont(font);
}

void TPLXTreeTextSettings::SetHAlign(int code)
{
    FColSettings->setHAlign(code);
}

void TPLXTreeTextSettings::SetVAlign(int code)
{
    FColSettings->setVAlign(code);
}

// ---------------------------------------------------- TPLXTextHaloSettings

TPLXTextHaloSettings::TPLXTextHaloSettings() = default;

TPLXTextHaloSettings::~TPLXTextHaloSettings() = default;

const TPLXStoredField<TPLXTextHaloSettings> TPLXTextHaloSettings::storedFields[] = {
    {"PrintTextLeft", &TPLXTextHaloSettings::FPrintTextLeft, TPLXFieldCodec::Bool, true},
    {"PrintTextRight", &TPLXTextHaloSettings::FPrintTextRight, TPLXFieldCodec::Bool, true},
    {"PrintTextTop", &TPLXTextHaloSettings::FPrintTextTop, TPLXFieldCodec::Bool, true},
    {"PrintTextBottom", &TPLXTextHaloSettings::FPrintTextBottom, TPLXFieldCodec::Bool, true},
    {"PrintTextCenter", &TPLXTextHaloSettings::FPrintTextCenter, TPLXFieldCodec::Bool, true},
};

void TPLXTextHaloSettings::Assign(const TPLXTextHaloSettings &source)
{
    plxAssignFields<TPLXTextHaloSettings>(*this, source, storedFields);
}

void TPLXTextHaloSettings::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &)
{
    media.setStrProperty(name, QStringLiteral("typeID"), QStringLiteral("Textual Halo Settings"));
    plxSaveFields<TPLXTextHaloSettings>(*this, storedFields, name, media);
}

std::unique_ptr<TPLXGanttObject> TPLXTextHaloSettingsPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                         TPLXEntityFactory &)
{
    auto settings = std::make_unique<TPLXTextHaloSettings>();
    plxLoadFields<TPLXTextHaloSettings>(*settings, TPLXTextHaloSettings::storedFields, name, media);
    return settings;
}
