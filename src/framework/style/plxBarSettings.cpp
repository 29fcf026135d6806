#include "plxBarSettings.h"
#include "plxColors.h"
#include "plxEntityFactory.h"
#include "plxMedia.h"
#include "plxStoredFields.h"

namespace {

const TPLXKindRegistration<TPLXTaskBarSettingsPersistence> taskBarSettingsKind("Task Bar Settings");
const TPLXKindRegistration<TPLXProgressBarSettingsPersistence> progressBarSettingsKind("Progress Bar Settings");
const TPLXKindRegistration<TPLXImageBarSettingsPersistence> imageBarSettingsKind("Image Bar Settings");
const TPLXKindRegistration<TPLXPertBarSettingsPersistence> pertBarSettingsKind("Pert Bar Settings");
const TPLXKindRegistration<TPLXConnectionSettingsPersistence> connectionSettingsKind("Connection Settings");

const QString kTypeID = QStringLiteral("typeID");

} // namespace

// ----------------------------------------------------- TPLXTaskBarSettings

TPLXTaskBarSettings::TPLXTaskBarSettings()
{
    auto goodie = std::make_unique<TPLXVisualGoodie>();
    goodie->setParent(this);
    FVisualGoodie = goodie.release();
}

TPLXTaskBarSettings::~TPLXTaskBarSettings() = default;

void TPLXTaskBarSettings::replaceGoodie(TPLXVisualGoodie *goodie)
{
    if (FVisualGoodie == goodie)
        return;
    // Only a goodie this record owns is freed; a shared one stays with its owner.
    if (FVisualGoodie && FVisualGoodie->getParent() == this)
        delete FVisualGoodie;
    FVisualGoodie = goodie;
}

const TPLXStoredField<TPLXTaskBarSettings> TPLXTaskBarSettings::storedFields[] = {
    {"border thickness", &TPLXTaskBarSettings::FBorderThickness, TPLXFieldCodec::Size, 2},
    {"bar height", &TPLXTaskBarSettings::FHeight, TPLXFieldCodec::Size, 18},
    {"border color", &TPLXTaskBarSettings::FBorderColor, TPLXFieldCodec::Color, clBlack},
    {"bar color", &TPLXTaskBarSettings::FColor, TPLXFieldCodec::Color, clBlue},
    {"progress color", &TPLXTaskBarSettings::FProgressColor, TPLXFieldCodec::Color, clYellow},
};

void TPLXTaskBarSettings::Assign(const TPLXTaskBarSettings &source)
{
    plxAssignFields<TPLXTaskBarSettings>(*this, source, storedFields);
    if (!source.FVisualGoodie)
        return;
    if (!FVisualGoodie) {
        auto goodie = std::make_unique<TPLXVisualGoodie>();
        goodie->setParent(this);
        FVisualGoodie = goodie.release();
    }
    FVisualGoodie->Assign(*source.FVisualGoodie);
}

void TPLXTaskBarSettings::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory)
{
    media.setStrProperty(name, kTypeID, QStringLiteral("Task Bar Settings"));
    plxSaveFields<TPLXTaskBarSettings>(*this, storedFields, name, media);
    TPLXPersistence::saveChild(name, QStringLiteral("goodie"), FVisualGoodie, media, factory);
}

std::unique_ptr<TPLXGanttObject> TPLXTaskBarSettingsPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                        TPLXEntityFactory &factory)
{
    auto settings = std::make_unique<TPLXTaskBarSettings>();
    plxLoadFields<TPLXTaskBarSettings>(*settings, TPLXTaskBarSettings::storedFields, name, media);
    settings->replaceGoodie(loadChildAs<TPLXVisualGoodie>(QStringLiteral("goodie"), media, factory, settings.get()));
    return settings;
}

// ------------------------------------------------- TPLXProgressBarSettings

TPLXProgressBarSettings::TPLXProgressBarSettings() = default;

TPLXProgressBarSettings::~TPLXProgressBarSettings() = default;

const TPLXStoredField<TPLXProgressBarSettings> TPLXProgressBarSettings::storedFields[] = {
    {"bar height", &TPLXProgressBarSettings::FHeight, TPLXFieldCodec::Size, 8},
    {"bar color", &TPLXProgressBarSettings::FColor, TPLXFieldCodec::Color, clGreen},
    {"border color", &TPLXProgressBarSettings::FBorderColor, TPLXFieldCodec::Color, clBlack},
};

void TPLXProgressBarSettings::Assign(const TPLXProgressBarSettings &source)
{
    plxAssignFields<TPLXProgressBarSettings>(*this, source, storedFields);
}

void TPLXProgressBarSettings::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &)
{
    media.setStrProperty(name, kTypeID, QStringLiteral("Progress Bar Settings"));
    plxSaveFields<TPLXProgressBarSettings>(*this, storedFields, name, media);
}

std::unique_ptr<TPLXGanttObject> TPLXProgressBarSettingsPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                            TPLXEntityFactory &)
{
    auto settings = std::make_unique<TPLXProgressBarSettings>();
    plxLoadFields<TPLXProgressBarSettings>(*settings, TPLXProgressBarSettings::storedFields, name, media);
    return settings;
}

// ---------------------------------------------------- TPLXImageBarSettings

TPLXImageBarSettings::TPLXImageBarSettings() = default;

TPLXImageBarSettings::~TPLXImageBarSettings() = default;

// Colours are read as text so that both a colour name and a number are accepted.
const TPLXStoredField<TPLXImageBarSettings> TPLXImageBarSettings::storedFields[] = {
    {"border thickness", &TPLXImageBarSettings::borderThickness, TPLXFieldCodec::Size, 0},
    {"bar height", &TPLXImageBarSettings::height, TPLXFieldCodec::Size, 0.0},
    {"border color", &TPLXImageBarSettings::borderColor, TPLXFieldCodec::ColorReadAsText, 0, "0"},
    {"bar color", &TPLXImageBarSettings::color, TPLXFieldCodec::ColorReadAsText, 0, "0"},
};

void TPLXImageBarSettings::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &)
{
    media.setStrProperty(name, kTypeID, QStringLiteral("Image Bar Settings"));
    plxSaveFields<TPLXImageBarSettings>(*this, storedFields, name, media);
}

std::unique_ptr<TPLXGanttObject> TPLXImageBarSettingsPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                         TPLXEntityFactory &)
{
    auto settings = std::make_unique<TPLXImageBarSettings>();
    plxLoadFields<TPLXImageBarSettings>(*settings, TPLXImageBarSettings::storedFields, name, media);
    return settings;
}

// ----------------------------------------------------- TPLXPertBarSettings

TPLXPertBarSettings::TPLXPertBarSettings() = default;

TPLXPertBarSettings::~TPLXPertBarSettings() = default;

const TPLXStoredField<TPLXPertBarSettings> TPLXPertBarSettings::storedFields[] = {
    {"border thickness", &TPLXPertBarSettings::FBorderThickness, TPLXFieldCodec::Size, 2},
    {"height", &TPLXPertBarSettings::FHeight, TPLXFieldCodec::Size, 100},
    {"width", &TPLXPertBarSettings::FWidth, TPLXFieldCodec::Size, 200},
    {"border color", &TPLXPertBarSettings::FBorderColor, TPLXFieldCodec::Color, clBlack},
    {"background color", &TPLXPertBarSettings::FBackGroundColor, TPLXFieldCodec::Color, clWhite},
    {"background summary color", &TPLXPertBarSettings::FBackgroundSummaryColor, TPLXFieldCodec::Color, clYellow},
    {"progress bar color", &TPLXPertBarSettings::FProgressBarColor, TPLXFieldCodec::Color, clRed},
    {"progress bar finished color", &TPLXPertBarSettings::FProgressBarFinishedColor, TPLXFieldCodec::Color, clGreen},
};

void TPLXPertBarSettings::Assign(const TPLXPertBarSettings &source)
{
    plxAssignFields<TPLXPertBarSettings>(*this, source, storedFields);
}

void TPLXPertBarSettings::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &)
{
    media.setStrProperty(name, kTypeID, QStringLiteral("Pert Bar Settings"));
    plxSaveFields<TPLXPertBarSettings>(*this, storedFields, name, media);
}

std::unique_ptr<TPLXGanttObject> TPLXPertBarSettingsPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                        TPLXEntityFactory &)
{
    auto settings = std::make_unique<TPLXPertBarSettings>();
    plxLoadFields<TPLXPertBarSettings>(*settings, TPLXPertBarSettings::storedFields, name, media);
    return settings;
}

// -------------------------------------------------- TPLXConnectionSettings

TPLXConnectionSettings::TPLXConnectionSettings() = default;

TPLXConnectionSettings::~TPLXConnectionSettings() = default;

const TPLXStoredField<TPLXConnectionSettings> TPLXConnectionSettings::storedFields[] = {
    {"show connections", &TPLXConnectionSettings::FShowConnections, TPLXFieldCodec::Bool, true},
    {"colorSS", &TPLXConnectionSettings::FColorSS, TPLXFieldCodec::Color, clBlack},
    {"colorSF", &TPLXConnectionSettings::FColorSF, TPLXFieldCodec::Color, clBlack},
    {"colorFS", &TPLXConnectionSettings::FColorFS, TPLXFieldCodec::Color, clBlack},
    {"colorFF", &TPLXConnectionSettings::FColorFF, TPLXFieldCodec::Color, clBlack},
    {"colorHighLighted", &TPLXConnectionSettings::FColorHighlighted, TPLXFieldCodec::Color, clRed},
};

void TPLXConnectionSettings::Assign(const TPLXConnectionSettings &source)
{
    plxAssignFields<TPLXConnectionSettings>(*this, source, storedFields);
}

TColor TPLXConnectionSettings::getColor(int connectionType) const
{
    switch (connectionType & 3) {
    case 3:
        return FColorSS;
    case 2:
        return FColorSF;
    case 1:
        return FColorFS;
    default:
        return FColorFF;
    }
}

void TPLXConnectionSettings::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &)
{
    media.setStrProperty(name, kTypeID, QStringLiteral("Connection Settings"));
    plxSaveFields<TPLXConnectionSettings>(*this, storedFields, name, media);
}

std::unique_ptr<TPLXGanttObject> TPLXConnectionSettingsPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                           TPLXEntityFactory &)
{
    auto settings = std::make_unique<TPLXConnectionSettings>();
    plxLoadFields<TPLXConnectionSettings>(*settings, TPLXConnectionSettings::storedFields, name, media);
    return settings;
}
