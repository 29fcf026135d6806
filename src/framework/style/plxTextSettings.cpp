#include "plxTextSettings.h"
#include "plxColors.h"
#include "plxEntityFactory.h"
#include "plxMedia.h"
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

void TPLXTextSettings::Assign(const TPLXTextSettings &source)
{
    FFont = source.FFont;
    FColor = source.FColor;
    FHAlign = source.FHAlign;
    FVAlign = source.FVAlign;
    FTransparent = source.FTransparent;
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
    media.setStrProperty(name, QStringLiteral("backgroundColor"), ColorToString(FColor));
    media.setIntProperty(name, QStringLiteral("alignHorizontal"), FHAlign);
    media.setIntProperty(name, QStringLiteral("alignVertical"), FVAlign);
    media.setBoolProperty(name, QStringLiteral("transparent"), FTransparent);
}

std::unique_ptr<TPLXGanttObject> TPLXTextSettingsPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                     TPLXEntityFactory &)
{
    auto settings = std::make_unique<TPLXTextSettings>();
    TPLXFont font;
    font.Color = StringToColor(media.strValue(name, QStringLiteral("fontColor"), QStringLiteral("clBlack")));
    font.Font = QFont(media.strValue(name, QStringLiteral("fontName"), QStringLiteral("Arial")));
    font.Font.setPointSize(media.intValue(name, QStringLiteral("fontSize"), 10));
    font.Font.setBold(media.boolValue(name, QStringLiteral("fontBold"), false));
    font.Font.setItalic(media.boolValue(name, QStringLiteral("fontItalic"), false));
    settings->FFont = font;
    settings->FColor = StringToColor(media.strValue(name, QStringLiteral("backgroundColor"), QStringLiteral("clWhite")));
    settings->SetHAlign(media.intValue(name, QStringLiteral("alignHorizontal"), 0));
    settings->SetVAlign(media.intValue(name, QStringLiteral("alignVertical"), 0));
    settings->FTransparent = media.boolValue(name, QStringLiteral("transparent"), false);
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
    return FGroupRow ? FRowSettings->FGroupColor : FRowSettings->FColor;
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
    return FColSettings->FHAlign;
}

int TPLXTreeTextSettings::GetVAlign() const
{
    return FColSettings->FVAlign;
}

void TPLXTreeTextSettings::SetColor(TColor color)
{
    FRowSettings->FColor = color;
}

void TPLXTreeTextSettings::SetFont(const TPLXFont &font)
{
    FRowSettings->setFont(font);
}

void TPLXTreeTextSettings::SetHAlign(int code)
{
    FColSettings->FHAlign = code;
}

void TPLXTreeTextSettings::SetVAlign(int code)
{
    FColSettings->FVAlign = code;
}

// ---------------------------------------------------- TPLXTextHaloSettings

TPLXTextHaloSettings::TPLXTextHaloSettings() = default;

TPLXTextHaloSettings::~TPLXTextHaloSettings() = default;

void TPLXTextHaloSettings::Assign(const TPLXTextHaloSettings &source)
{
    FPrintTextLeft = source.FPrintTextLeft;
    FPrintTextRight = source.FPrintTextRight;
    FPrintTextTop = source.FPrintTextTop;
    FPrintTextBottom = source.FPrintTextBottom;
    FPrintTextCenter = source.FPrintTextCenter;
}

void TPLXTextHaloSettings::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &)
{
    media.setStrProperty(name, QStringLiteral("typeID"), QStringLiteral("Textual Halo Settings"));
    media.setBoolProperty(name, QStringLiteral("PrintTextLeft"), FPrintTextLeft);
    media.setBoolProperty(name, QStringLiteral("PrintTextRight"), FPrintTextRight);
    media.setBoolProperty(name, QStringLiteral("PrintTextTop"), FPrintTextTop);
    media.setBoolProperty(name, QStringLiteral("PrintTextBottom"), FPrintTextBottom);
    media.setBoolProperty(name, QStringLiteral("PrintTextCenter"), FPrintTextCenter);
}

std::unique_ptr<TPLXGanttObject> TPLXTextHaloSettingsPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                         TPLXEntityFactory &)
{
    auto settings = std::make_unique<TPLXTextHaloSettings>();
    settings->FPrintTextLeft = media.boolValue(name, QStringLiteral("PrintTextLeft"), true);
    settings->FPrintTextRight = media.boolValue(name, QStringLiteral("PrintTextRight"), true);
    settings->FPrintTextTop = media.boolValue(name, QStringLiteral("PrintTextTop"), true);
    settings->FPrintTextBottom = media.boolValue(name, QStringLiteral("PrintTextBottom"), true);
    settings->FPrintTextCenter = media.boolValue(name, QStringLiteral("PrintTextCenter"), true);
    return settings;
}
