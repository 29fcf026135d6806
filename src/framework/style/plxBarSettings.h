// Shared look of bars and dependency lines: task, progress, image and PERT
// bar settings and connection settings, each held once by the document.
#pragma once

#include "plxGanttObject.h"
#include "plxVisualGoodie.h"

// Size and colours of task bars, with the goodie that fills their body.
class ORVANTA_EXPORT TPLXTaskBarSettings : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY(TPLXTaskBarSettings)
    Q_PROPERTY(int BorderThickness READ getBorderThickness WRITE setBorderThickness)
    Q_PROPERTY(int Height MEMBER FHeight)
    Q_PROPERTY(int BorderColor READ getBorderColor WRITE setBorderColor)
    Q_PROPERTY(int Color MEMBER FColor)
    Q_PROPERTY(int ProgressColor READ getProgressColor WRITE setProgressColor)
    Q_PROPERTY(TPLXVisualGoodie *VisualGoodie READ getVisualGoodie)

public:
    // A new record has zero sizes and colours and a goodie of its own.
    TPLXTaskBarSettings();
    ~TPLXTaskBarSettings() override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    // Copies the five scalars and assigns the source's goodie into this one's.
    void Assign(const TPLXTaskBarSettings &source);
    // Owned; null when a loaded record named none.
    TPLXVisualGoodie *getVisualGoodie() const { return FVisualGoodie; }

    int getBorderThickness() const { return FBorderThickness; }
    void setBorderThickness(int value) { FBorderThickness = value; }
    int getHeight() const { return FHeight; }
    void setHeight(int value) { FHeight = value; }
    TColor getBorderColor() const { return FBorderColor; }
    void setBorderColor(TColor value) { FBorderColor = value; }
    TColor getColor() const { return FColor; }
    void setColor(TColor value) { FColor = value; }
    TColor getProgressColor() const { return FProgressColor; }
    void setProgressColor(TColor value) { FProgressColor = value; }

private:
    friend class TPLXTaskBarSettingsPersistence;
    static const TPLXStoredField<TPLXTaskBarSettings> storedFields[];

    int FBorderThickness = 0;
    int FHeight = 0;
    TColor FBorderColor = 0;
    TColor FColor = 0;
    TColor FProgressColor = 0;

    // Makes `goodie` (a child of this record, or null) the goodie, freeing the previous one.
    void replaceGoodie(TPLXVisualGoodie *goodie);

    TPLXVisualGoodie *FVisualGoodie = nullptr;
};

class ORVANTA_EXPORT TPLXTaskBarSettingsPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Task Bar Settings"); }
};

// Height and colours of progress bars.
class ORVANTA_EXPORT TPLXProgressBarSettings : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY(TPLXProgressBarSettings)
    Q_PROPERTY(int Height READ getHeight WRITE setHeight)
    Q_PROPERTY(int Color READ getColor WRITE setColor)
    Q_PROPERTY(int BorderColor MEMBER FBorderColor)

public:
    TPLXProgressBarSettings();
    ~TPLXProgressBarSettings() override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;
    void Assign(const TPLXProgressBarSettings &source);

    int getHeight() const { return FHeight; }
    void setHeight(int value) { FHeight = value; }
    TColor getColor() const { return FColor; }
    void setColor(TColor value) { FColor = value; }
    TColor getBorderColor() const { return FBorderColor; }
    void setBorderColor(TColor value) { FBorderColor = value; }

private:
    friend class TPLXProgressBarSettingsPersistence;
    static const TPLXStoredField<TPLXProgressBarSettings> storedFields[];

    int FHeight = 8;
    TColor FColor = 0x008000;
    TColor FBorderColor = 0;
};

class ORVANTA_EXPORT TPLXProgressBarSettingsPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Progress Bar Settings"); }
};

// Border, height and colours of image and milestone bars.
class ORVANTA_EXPORT TPLXImageBarSettings : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY(TPLXImageBarSettings)
    Q_PROPERTY(int borderThickness MEMBER borderThickness)
    Q_PROPERTY(double height MEMBER height)
    Q_PROPERTY(int borderColor MEMBER borderColor)
    Q_PROPERTY(int color MEMBER color)
    Q_PROPERTY(QString imagefile MEMBER imagefile)

public:
    TPLXImageBarSettings();
    ~TPLXImageBarSettings() override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    int getBorderThickness() const { return borderThickness; }
    void setBorderThickness(int value) { borderThickness = value; }
    double getHeight() const { return height; }
    void setHeight(double value) { height = value; }
    TColor getBorderColor() const { return borderColor; }
    void setBorderColor(TColor value) { borderColor = value; }
    TColor getColor() const { return color; }
    void setColor(TColor value) { color = value; }
    QString getImagefile() const { return imagefile; }
    void setImagefile(const QString &value) { imagefile = value; }

private:
    friend class TPLXImageBarSettingsPersistence;
    static const TPLXStoredField<TPLXImageBarSettings> storedFields[];

    int borderThickness = 0;
    double height = 0.0;
    TColor borderColor = 0;
    TColor color = 0;
    // Not stored.
    QString imagefile;
};

class ORVANTA_EXPORT TPLXImageBarSettingsPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Image Bar Settings"); }
};

// Size and colours of the boxes of the PERT chart.
class ORVANTA_EXPORT TPLXPertBarSettings : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY(TPLXPertBarSettings)
    Q_PROPERTY(int BorderThickness READ getBorderThickness WRITE setBorderThickness)
    Q_PROPERTY(int Height MEMBER FHeight)
    Q_PROPERTY(int Width MEMBER FWidth)
    Q_PROPERTY(int BorderColor READ getBorderColor WRITE setBorderColor)
    Q_PROPERTY(int BackGroundColor READ getBackGroundColor WRITE setBackGroundColor)
    Q_PROPERTY(int BackgroundSummaryColor READ getBackgroundSummaryColor WRITE setBackgroundSummaryColor)
    Q_PROPERTY(int ProgressBarColor MEMBER FProgressBarColor)
    Q_PROPERTY(int ProgressBarFinishedColor MEMBER FProgressBarFinishedColor)

public:
    TPLXPertBarSettings();
    ~TPLXPertBarSettings() override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;
    void Assign(const TPLXPertBarSettings &source);

    int getBorderThickness() const { return FBorderThickness; }
    void setBorderThickness(int value) { FBorderThickness = value; }
    int getHeight() const { return FHeight; }
    void setHeight(int value) { FHeight = value; }
    int getWidth() const { return FWidth; }
    void setWidth(int value) { FWidth = value; }
    TColor getBorderColor() const { return FBorderColor; }
    void setBorderColor(TColor value) { FBorderColor = value; }
    TColor getBackGroundColor() const { return FBackGroundColor; }
    void setBackGroundColor(TColor value) { FBackGroundColor = value; }
    TColor getBackgroundSummaryColor() const { return FBackgroundSummaryColor; }
    void setBackgroundSummaryColor(TColor value) { FBackgroundSummaryColor = value; }
    TColor getProgressBarColor() const { return FProgressBarColor; }
    void setProgressBarColor(TColor value) { FProgressBarColor = value; }
    TColor getProgressBarFinishedColor() const { return FProgressBarFinishedColor; }
    void setProgressBarFinishedColor(TColor value) { FProgressBarFinishedColor = value; }

private:
    friend class TPLXPertBarSettingsPersistence;
    static const TPLXStoredField<TPLXPertBarSettings> storedFields[];

    int FBorderThickness = 0;
    int FHeight = 0;
    int FWidth = 0;
    TColor FBorderColor = 0;
    TColor FBackGroundColor = 0;
    TColor FBackgroundSummaryColor = 0;
    TColor FProgressBarColor = 0;
    TColor FProgressBarFinishedColor = 0;
};

class ORVANTA_EXPORT TPLXPertBarSettingsPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Pert Bar Settings"); }
};

// Whether dependency lines are shown and their colour per connection type.
class ORVANTA_EXPORT TPLXConnectionSettings : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY(TPLXConnectionSettings)
    Q_PROPERTY(bool ShowConnections MEMBER FShowConnections)
    Q_PROPERTY(int ColorSS MEMBER FColorSS)
    Q_PROPERTY(int ColorSF MEMBER FColorSF)
    Q_PROPERTY(int ColorFS MEMBER FColorFS)
    Q_PROPERTY(int ColorFF MEMBER FColorFF)
    Q_PROPERTY(int ColorHighlighted MEMBER FColorHighlighted)

public:
    TPLXConnectionSettings();
    ~TPLXConnectionSettings() override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;
    void Assign(const TPLXConnectionSettings &source);

    // The colour of a connection type code; only its two low bits count
    // (3 start-to-start, 2 start-to-finish, 1 finish-to-start, 0 finish-to-finish).
    TColor getColor(int connectionType) const;

    bool getShowConnections() const { return FShowConnections; }
    void setShowConnections(bool value) { FShowConnections = value; }
    TColor getColorSS() const { return FColorSS; }
    void setColorSS(TColor value) { FColorSS = value; }
    TColor getColorSF() const { return FColorSF; }
    void setColorSF(TColor value) { FColorSF = value; }
    TColor getColorFS() const { return FColorFS; }
    void setColorFS(TColor value) { FColorFS = value; }
    TColor getColorFF() const { return FColorFF; }
    void setColorFF(TColor value) { FColorFF = value; }
    TColor getColorHighlighted() const { return FColorHighlighted; }
    void setColorHighlighted(TColor value) { FColorHighlighted = value; }

private:
    friend class TPLXConnectionSettingsPersistence;
    static const TPLXStoredField<TPLXConnectionSettings> storedFields[];

    bool FShowConnections = false;
    TColor FColorSS = 0;
    TColor FColorSF = 0;
    TColor FColorFS = 0;
    TColor FColorFF = 0;
    TColor FColorHighlighted = 0;
};

class ORVANTA_EXPORT TPLXConnectionSettingsPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Connection Settings"); }
};
