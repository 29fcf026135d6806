// Shared look of tree rows and layout of tree columns: the tree grid holds a
// default of each, and rows, header cells and cells may name their own.
#pragma once

#include "plxGanttObject.h"
#include "plxVisualContext.h"

#include <QFont>

// Font, background and group-row background of tree rows.
class ORVANTA_EXPORT TPLXTreeRowSettings : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeRowSettings)
    Q_PROPERTY(QFont Font READ qFont WRITE setQFont)
    Q_PROPERTY(int FontColor READ fontColor WRITE setFontColor)
    Q_PROPERTY(int Color READ getColor WRITE setColor)
    Q_PROPERTY(int GroupColor READ getGroupColor WRITE setGroupColor)
    Q_PROPERTY(bool AutoHeight MEMBER FAutoHeight)

public:
    TPLXTreeRowSettings();
    ~TPLXTreeRowSettings() override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    // Null for a record made at run time until a font is assigned.
    TPLXFont *getFont() const { return FFont.get(); }
    // Copies the attributes of `font`, creating the record's own font first.
    void setFont(const TPLXFont &font);
    // Reads as the default QFont while there is no font; writing creates one.
    QFont qFont() const;
    void setQFont(const QFont &font);
    TColor fontColor() const;
    void setFontColor(TColor color);

    // Copies background, auto height and the font's attributes; not the group colour.
    void Assign(const TPLXTreeRowSettings &source);

    TColor getColor() const { return FColor; }
    void setColor(TColor value) { FColor = value; }
    TColor getGroupColor() const { return FGroupColor; }
    void setGroupColor(TColor value) { FGroupColor = value; }
    bool getAutoHeight() const { return FAutoHeight; }
    void setAutoHeight(bool value) { FAutoHeight = value; }

private:
    friend class TPLXTreeRowSettingsPersistence;
    // The fields beside the font.
    static const TPLXStoredField<TPLXTreeRowSettings> storedFields[];
    TPLXFont &ensureFont();

    TColor FColor = 0;
    TColor FGroupColor = 0;
    bool FAutoHeight = false;
    std::unique_ptr<TPLXFont> FFont;
};

class ORVANTA_EXPORT TPLXTreeRowSettingsPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Tree Row Settings"); }
};

// Alignment and width of one tree column.
class ORVANTA_EXPORT TPLXTreeColSettings : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY(TPLXTreeColSettings)
    Q_PROPERTY(int HAlign MEMBER FHAlign)
    Q_PROPERTY(int VAlign MEMBER FVAlign)
    Q_PROPERTY(int Width READ getWidth WRITE setWidth)

public:
    TPLXTreeColSettings();
    ~TPLXTreeColSettings() override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;
    void Assign(const TPLXTreeColSettings &source);

    int getHAlign() const { return FHAlign; }
    void setHAlign(int value) { FHAlign = value; }
    int getVAlign() const { return FVAlign; }
    void setVAlign(int value) { FVAlign = value; }
    int getWidth() const { return FWidth; }
    void setWidth(int value) { FWidth = value; }

private:
    friend class TPLXTreeColSettingsPersistence;
    static const TPLXStoredField<TPLXTreeColSettings> storedFields[];

    int FHAlign = 0;
    int FVAlign = 0;
    int FWidth = 0;
};

class ORVANTA_EXPORT TPLXTreeColSettingsPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Tree Column Settings"); }
};
