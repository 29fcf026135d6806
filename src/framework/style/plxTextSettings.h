// How text is drawn: the text-settings interface every text drawer reads,
// the stored text style, the tree-cell view over row and column settings,
// and the switches for the five texts around a bar.
#pragma once

#include "plxGanttObject.h"
#include "plxVisualContext.h"

#include <QFont>

class TPLXTreeColSettings;
class TPLXTreeRowSettings;

// Horizontal alignment codes of the text arranger.
enum TPLXHAlign : int { haLeft = 0, haRight = 1, haCenter = 2 };
// Vertical alignment codes of the text arranger.
enum TPLXVAlign : int { vaTop = 0, vaBottom = 1, vaCenter = 2 };

// The look of a piece of text: font, background and alignment, plus the
// state of what is drawn (group row, selected, focused).
class ORVANTA_EXPORT IPLXTextSettings : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY_META

public:
    virtual bool GetTransparent() const = 0;
    virtual TColor GetColor() = 0;
    // The font to draw with; null when the settings have none.
    virtual TPLXFont *GetFont() = 0;
    virtual int GetHAlign() const = 0;
    virtual int GetVAlign() const = 0;
    virtual bool getGroupRow() const = 0;
    virtual void SetColor(TColor color) = 0;
    // Copies the attributes of `font`.
    virtual void SetFont(const TPLXFont &font) = 0;
    virtual void SetHAlign(int code) = 0;
    virtual void SetVAlign(int code) = 0;
    virtual void setGroupRow(bool flag) = 0;
    virtual void setSelected(bool flag) = 0;
    virtual void setFocused(bool flag) = 0;
    virtual bool getSelected() const = 0;
    virtual bool getFocused() const = 0;
    virtual void SetTransparent(bool flag) = 0;
};

// A stored text style: text bars, hints and textual halos each name one.
class ORVANTA_EXPORT TPLXTextSettings : public IPLXTextSettings
{
    Q_GADGET
    PLX_ENTITY(TPLXTextSettings)
    Q_PROPERTY(QFont Font READ qFont WRITE setQFont)
    Q_PROPERTY(int FontColor READ fontColor WRITE setFontColor)
    Q_PROPERTY(int Color READ GetColor WRITE SetColor)
    Q_PROPERTY(int HAlign READ GetHAlign WRITE SetHAlign)
    Q_PROPERTY(int VAlign READ GetVAlign WRITE SetVAlign)
    Q_PROPERTY(bool Transparent READ GetTransparent WRITE SetTransparent)

public:
    TPLXTextSettings();
    ~TPLXTextSettings() override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    bool GetTransparent() const override { return FTransparent; }
    TColor GetColor() override { return FColor; }
    TPLXFont *GetFont() override { return &FFont; }
    int GetHAlign() const override { return FHAlign; }
    int GetVAlign() const override { return FVAlign; }
    bool getGroupRow() const override { return FGroupRow; }
    void SetColor(TColor color) override { FColor = color; }
    void SetFont(const TPLXFont &font) override { FFont = font; }
    void SetHAlign(int code) override { FHAlign = code; }
    void SetVAlign(int code) override { FVAlign = code; }
    void setGroupRow(bool flag) override { FGroupRow = flag; }
    void setSelected(bool flag) override { FSelected = flag; }
    void setFocused(bool flag) override { FFocused = flag; }
    bool getSelected() const override { return FSelected; }
    bool getFocused() const override { return FFocused; }
    void SetTransparent(bool flag) override { FTransparent = flag; }

    QFont qFont() const { return FFont.Font; }
    void setQFont(const QFont &font) { FFont.Font = font; }
    TColor fontColor() const { return FFont.Color; }
    void setFontColor(TColor color) { FFont.Color = color; }
    TColor getGroupColor() const { return FGroupColor; }
    void setGroupColor(TColor color) { FGroupColor = color; }

    // Copies the font's attributes, background, alignments and the four flags.
    void Assign(const TPLXTextSettings &source);

private:
    friend class TPLXTextSettingsPersistence;
    // The fields beside the font.
    static const TPLXStoredField<TPLXTextSettings> storedFields[];

    TPLXFont FFont;
    TColor FColor = 0;
    int FHAlign = 0;
    int FVAlign = 0;
    bool FTransparent = false;
    TColor FGroupColor = 0;
    bool FGroupRow = false;
    bool FFocused = false;
    bool FSelected = false;
};

class ORVANTA_EXPORT TPLXTextSettingsPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Text Settings"); }
};

// The selection colours of a tree grid, as the tree grid reports them.
struct TPLXTreeHighlightColors
{
    TColor focusedRowColor = 0;
    TColor focusedRowFontColor = 0;
    TColor selectedRowColor = 0;
    TColor selectedRowFontColor = 0;
};

// The look of one tree cell, derived from its row and column settings and the
// grid's selection colours. Never stored; setting its colour, font or
// alignment changes the shared row or column record.
class ORVANTA_EXPORT TPLXTreeTextSettings : public IPLXTextSettings
{
    Q_GADGET
    PLX_ENTITY_META

public:
    // The tree grid unit installs how its selection colours are read.
    using GridColorsReader = TPLXTreeHighlightColors (*)(TPLXTreeGrid *grid);
    static void setGridColorsReader(GridColorsReader reader);

    // Neither record is owned.
    TPLXTreeTextSettings(TPLXTreeRowSettings *rowSettings, TPLXTreeColSettings *colSettings);
    ~TPLXTreeTextSettings() override;

    bool GetTransparent() const override { return false; }
    TColor GetColor() override;
    TPLXFont *GetFont() override;
    int GetHAlign() const override;
    int GetVAlign() const override;
    bool getGroupRow() const override { return FGroupRow; }
    void SetColor(TColor color) override;
    void SetFont(const TPLXFont &font) override;
    void SetHAlign(int code) override;
    void SetVAlign(int code) override;
    void setGroupRow(bool flag) override { FGroupRow = flag; }
    void setSelected(bool flag) override { FSelected = flag; }
    void setFocused(bool flag) override { FFocused = flag; }
    bool getSelected() const override { return FSelected; }
    bool getFocused() const override { return FFocused; }
    void SetTransparent(bool) override {}

private:
    TPLXTreeHighlightColors gridColors();

    TPLXTreeRowSettings *FRowSettings;
    TPLXTreeColSettings *FColSettings;
    bool FGroupRow = false;
    bool FFocused = false;
    bool FSelected = false;
    TPLXFont FLocalFont;
};

// Which of the five texts around a bar are drawn.
class ORVANTA_EXPORT TPLXTextHaloSettings : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY(TPLXTextHaloSettings)
    Q_PROPERTY(bool PrintTextLeft MEMBER FPrintTextLeft)
    Q_PROPERTY(bool PrintTextRight MEMBER FPrintTextRight)
    Q_PROPERTY(bool PrintTextTop MEMBER FPrintTextTop)
    Q_PROPERTY(bool PrintTextBottom MEMBER FPrintTextBottom)
    Q_PROPERTY(bool PrintTextCenter MEMBER FPrintTextCenter)

public:
    TPLXTextHaloSettings();
    ~TPLXTextHaloSettings() override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;
    void Assign(const TPLXTextHaloSettings &source);

    bool getPrintTextLeft() const { return FPrintTextLeft; }
    void setPrintTextLeft(bool value) { FPrintTextLeft = value; }
    bool getPrintTextRight() const { return FPrintTextRight; }
    void setPrintTextRight(bool value) { FPrintTextRight = value; }
    bool getPrintTextTop() const { return FPrintTextTop; }
    void setPrintTextTop(bool value) { FPrintTextTop = value; }
    bool getPrintTextBottom() const { return FPrintTextBottom; }
    void setPrintTextBottom(bool value) { FPrintTextBottom = value; }
    bool getPrintTextCenter() const { return FPrintTextCenter; }
    void setPrintTextCenter(bool value) { FPrintTextCenter = value; }

private:
    friend class TPLXTextHaloSettingsPersistence;
    static const TPLXStoredField<TPLXTextHaloSettings> storedFields[];

    bool FPrintTextLeft = false;
    bool FPrintTextRight = false;
    bool FPrintTextTop = false;
    bool FPrintTextBottom = false;
    bool FPrintTextCenter = false;
};

class ORVANTA_EXPORT TPLXTextHaloSettingsPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Textual Halo Settings"); }
};
