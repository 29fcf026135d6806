#include "plxBarSettings.h"
#include "plxColors.h"
#include "plxEntityFactory.h"
#include "plxMedia.h"

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

void TPLXTaskBarSettings::Assign(const TPLXTaskBarSettings &source)
{
    FBorderThickness = source.FBorderThickness;
    FHeight = source.FHeight;
    FBorderColor = source.FBorderColor;
    FColor = source.FColor;
    FProgressColor = source.FProgressColor;
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
    media.setIntProperty(name, QStringLiteral("border thickness"), FBorderThickness);
    media.setIntProperty(name, QStringLiteral("bar height"), FHeight);
    media.setColorProperty(name, QStringLiteral("border color"), FBorderColor);
    media.setColorProperty(name, QStringLiteral("bar color"), FColor);
    media.setColorProperty(name, QStringLiteral("progress color"), FProgressColor);
    TPLXPersistence::saveChild(name, QStringLiteral("goodie"), FVisualGoodie, media, factory);
}

std::unique_ptr<TPLXGanttObject> TPLXTaskBarSettingsPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                        TPLXEntityFactory &factory)
{
    auto settings = std::make_unique<TPLXTaskBarSettings>();
    settings->FBorderThickness = media.intValue(name, QStringLiteral("border thickness"), 2);
    settings->FHeight = media.intValue(name, QStringLiteral("bar height"), 18);
    settings->FBorderColor = media.colorValue(name, QStringLiteral("border color"), clBlack);
    settings->FColor = media.colorValue(name, QStringLiteral("bar color"), clBlue);
    settings->FProgressColor = media.colorValue(name, QStringLiteral("progress color"), clYellow);
    settings->replaceGoodie(loadChildAs<TPLXVisualGoodie>(QStringLiteral("goodie"), media, factory, settings.get()));
    return settings;
}

// ------------------------------------------------- TPLXProgressBarSettings

TPLXProgressBarSettings::TPLXProgressBarSettings() = default;

TPLXProgressBarSettings::~TPLXProgressBarSettings() = default;

void TPLXProgressBarSettings::Assign(const TPLXProgressBarSettings &source)
{
    FHeight = source.FHeight;
    FColor = source.FColor;
    FBorderColor = source.FBorderColor;
}

void TPLXProgressBarSettings::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &)
{
    media.setStrProperty(name, kTypeID, QStringLiteral("Progress Bar Settings"));
    media.setIntProperty(name, QStringLiteral("bar height"), FHeight);
    media.setColorProperty(name, QStringLiteral("bar color"), FColor);
    media.setColorProperty(name, QStringLiteral("border color"), FBorderColor);
}

std::unique_ptr<TPLXGanttObject> TPLXProgressBarSettingsPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                            TPLXEntityFactory &)
{
    auto settings = std::make_unique<TPLXProgressBarSettings>();
    settings->FHeight = media.intValue(name, QStringLiteral("bar height"), 8);
    settings->FColor = media.colorValue(name, QStringLiteral("bar color"), clGreen);
    settings->FBorderColor = media.colorValue(name, QStringLiteral("border color"), clBlack);
    return settings;
}

// ---------------------------------------------------- TPLXImageBarSettings

TPLXImageBarSettings::TPLXImageBarSettings() = default;

TPLXImageBarSettings::~TPLXImageBarSettings() = default;

void TPLXImageBarSettings::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &)
{
    media.setStrProperty(name, kTypeID, QStringLiteral("Image Bar Settings"));
    media.setIntProperty(name, QStringLiteral("border thickness"), borderThickness);
    media.setRealProperty(name, QStringLiteral("bar height"), height);
    media.setColorProperty(name, QStringLiteral("border color"), borderColor);
    media.setColorProperty(name, QStringLiteral("bar color"), color);
}

std::unique_ptr<TPLXGanttObject> TPLXImageBarSettingsPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                         TPLXEntityFactory &)
{
    auto settings = std::make_unique<TPLXImageBarSettings>();
    settings->borderThickness = media.intValue(name, QStringLiteral("border thickness"), 0);
    settings->height = media.realValue(name, QStringLiteral("bar height"), 0.0);
    // Read as text so that both a colour name and a number are accepted.
    settings->borderColor = StringToColor(media.strValue(name, QStringLiteral("border color"), QStringLiteral("0")));
    settings->color = StringToColor(media.strValue(name, QStringLiteral("bar color"), QStringLiteral("0")));
    return settings;
}

// ----------------------------------------------------- TPLXPertBarSettings

TPLXPertBarSettings::TPLXPertBarSettings() = default;

TPLXPertBarSettings::~TPLXPertBarSettings() = default;

void TPLXPertBarSettings::Assign(const TPLXPertBarSettings &source)
{
    FBorderThickness = source.FBorderThickness;
    FHeight = source.FHeight;
    FWidth = source.FWidth;
    FBorderColor = source.FBorderColor;
    FBackGroundColor = source.FBackGroundColor;
    FBackgroundSummaryColor = source.FBackgroundSummaryColor;
    FProgressBarColor = source.FProgressBarColor;
    FProgressBarFinishedColor = source.FProgressBarFinishedColor;
}

void TPLXPertBarSettings::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &)
{
    media.setStrProperty(name, kTypeID, QStringLiteral("Pert Bar Settings"));
    media.setIntProperty(name, QStringLiteral("border thickness"), FBorderThickness);
    media.setIntProperty(name, QStringLiteral("height"), FHeight);
    media.setIntProperty(name, QStringLiteral("width"), FWidth);
    media.setColorProperty(name, QStringLiteral("border color"), FBorderColor);
    media.setColorProperty(name, QStringLiteral("background color"), FBackGroundColor);
    media.setColorProperty(name, QStringLiteral("background summary color"), FBackgroundSummaryColor);
    media.setColorProperty(name, QStringLiteral("progress bar color"), FProgressBarColor);
    media.setColorProperty(name, QStringLiteral("progress bar finished color"), FProgressBarFinishedColor);
}

std::unique_ptr<TPLXGanttObject> TPLXPertBarSettingsPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                        TPLXEntityFactory &)
{
    auto settings = std::make_unique<TPLXPertBarSettings>();
    settings->FBorderThickness = media.intValue(name, QStringLiteral("border thickness"), 2);
    settings->FHeight = media.intValue(name, QStringLiteral("height"), 100);
    settings->FWidth = media.intValue(name, QStringLiteral("width"), 200);
    settings->FBorderColor = media.colorValue(name, QStringLiteral("border color"), clBlack);
    settings->FBackGroundColor = media.colorValue(name, QStringLiteral("background color"), clWhite);
    settings->FBackgroundSummaryColor = media.colorValue(name, QStringLiteral("background summary color"), clYellow);
    settings->FProgressBarColor = media.colorValue(name, QStringLiteral("progress bar color"), clRed);
    settings->FProgressBarFinishedColor = media.colorValue(name, QStringLiteral("progress bar finished color"), clGreen);
    return settings;
}

// -------------------------------------------------- TPLXConnectionSettings

TPLXConnectionSettings::TPLXConnectionSettings() = default;

TPLXConnectionSettings::~TPLXConnectionSettings() = default;

void TPLXConnectionSettings::Assign(const TPLXConnectionSettings &source)
{
    FShowConnections = source.FShowConnections;
    FColorSS = source.FColorSS;
    FColorSF = source.FColorSF;
    FColorFS = source.FColorFS;
    FColorFF = source.FColorFF;
    FColorHighlighted = source.FColorHighlighted;
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
    media.setBoolProperty(name, QStringLiteral("show connections"), FShowConnections);
    media.setColorProperty(name, QStringLiteral("colorSS"), FColorSS);
    media.setColorProperty(name, QStringLiteral("colorSF"), FColorSF);
    media.setColorProperty(name, QStringLiteral("colorFS"), FColorFS);
    media.setColorProperty(name, QStringLiteral("colorFF"), FColorFF);
    media.setColorProperty(name, QStringLiteral("colorHighLighted"), FColorHighlighted);
}

std::unique_ptr<TPLXGanttObject> TPLXConnectionSettingsPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                           TPLXEntityFactory &)
{
    auto settings = std::make_unique<TPLXConnectionSettings>();
    settings->FShowConnections = media.boolValue(name, QStringLiteral("show connections"), true);
    settings->FColorSS = media.colorValue(name, QStringLiteral("colorSS"), clBlack);
    settings->FColorSF = media.colorValue(name, QStringLiteral("colorSF"), clBlack);
    settings->FColorFS = media.colorValue(name, QStringLiteral("colorFS"), clBlack);
    settings->FColorFF = media.colorValue(name, QStringLiteral("colorFF"), clBlack);
    settings->FColorHighlighted = media.colorValue(name, QStringLiteral("colorHighLighted"), clRed);
    return settings;
}
