// Text pieces the drawers share: the arranger that wraps and aligns text in
// a rectangle, the halo of texts around a bar, and the base of the small
// draggable objects of the chart (splitter, row resizer, header halo, ...).
#pragma once

#include "plxGanttObject.h"
#include "plxTextSettings.h"

#include <QImage>
#include <QStringList>

class TPLXOperation;

// Wraps text into lines narrower than a width and draws them aligned in a
// rectangle with the font, background and alignment of a text settings.
class ORVANTA_EXPORT TPLXTextArranger
{
public:
    // `settings` is borrowed.
    explicit TPLXTextArranger(IPLXTextSettings *settings);

    // Breaks `text` at blanks (inside a word when a word alone is too wide)
    // and at line breaks; does nothing when the settings have no font. Top-aligned
    // text stops once its lines fill `maxHeight` pixels (unless it is negative).
    // The lines are kept until the text, width, font or picture change.
    void wordWrapText(const QString &text, int maxWidth, int maxHeight = -1);
    // Turns each leading line break of `text` into a line of one blank.
    void clearEmptyLines(QString &text);
    void drawText(TPLXVisualContext &vc, const TRect &r);
    // As drawText on a left-to-right ramp from colour1 to colour2 framed in black.
    void drawTextwhileFocused(TPLXVisualContext &vc, const TRect &r, TColor colour1, TColor colour2);
    // Width of "W" followed by the text (the "W" is padding); 0 without a font.
    int getTextWidth(const QString &text) const;
    // The widest line by getTextWidth; -1 when there are no lines.
    int getTextWidthMAX() const;
    // Lines times the height of "A"; 0 without a font.
    int getTextHeight() const;
    IPLXTextSettings *getTextSettings() const { return FTextSettings; }

    // A picture drawn in front of the first line (borrowed; null for none).
    void setImage(const QImage *image) { Fimage = image; }
    const QStringList &lines() const { return textLines; }
    int fitHeight() const { return FFitHeight; }

private:
    // The font as the visual context's setFont with height 0 makes it.
    QFont measuringFont() const;
    void drawLines(TPLXVisualContext &vc, const TRect &r);
    void selectFont(TPLXVisualContext &vc) const;

    QStringList textLines;
    const QImage *Fimage = nullptr;
    IPLXTextSettings *FTextSettings;
    int FFitHeight = 0;

    // What the lines were wrapped from; a limited wrap holds `FWrapLines` lines at most.
    struct TWrapKey
    {
        QString text;
        int maxWidth = 0;
        int indent = 0;
        QFont font;
        bool operator==(const TWrapKey &) const = default;
    };
    TWrapKey FWrapKey;
    bool FWrapValid = false;
    bool FWrapComplete = false;
    qsizetype FWrapLines = 0;
};

// The texts around a bar: left, right, top, bottom and centre, plus a hint.
// The bar that owns it is its parent; the halo draws around the rectangle of
// its parent's drawer.
class ORVANTA_EXPORT TPLXTextHalo : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY(TPLXTextHalo)
    Q_PROPERTY(QString TextTop MEMBER FTextTop)
    Q_PROPERTY(QString TextLeft READ getTextLeft WRITE setTextLeft)
    Q_PROPERTY(QString TextRight MEMBER FTextRight)
    Q_PROPERTY(QString Hint MEMBER FHint)
    Q_PROPERTY(QString TextBottom MEMBER FTextBottom)
    Q_PROPERTY(QString TextCenter MEMBER FTextCenter)
    Q_PROPERTY(int HorzAlignmentCenter MEMBER FHorzAlignmentCenter)

public:
    // Prints all five texts through halo settings of its own.
    TPLXTextHalo();
    // Uses `haloSettings` (borrowed) and makes none of its own.
    explicit TPLXTextHalo(TPLXTextHaloSettings *haloSettings);
    ~TPLXTextHalo() override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    // The halo's own settings, else (kept from then on) the document's; null outside a document.
    TPLXTextHaloSettings *GetTextHaloSettings();
    // The halo's own text settings, else the document's text-bar settings; null outside a document.
    TPLXTextSettings *getTextSetings();
    void setTextSettings(TPLXTextSettings *settings) { FTextSettings = settings; }
    void setTextHaloSettings(TPLXTextHaloSettings *settings);

    QString getTextTop() const { return FTextTop; }
    void setTextTop(const QString &value) { FTextTop = value; }
    QString getTextLeft() const { return FTextLeft; }
    void setTextLeft(const QString &value) { FTextLeft = value; }
    QString getTextRight() const { return FTextRight; }
    void setTextRight(const QString &value) { FTextRight = value; }
    QString getHint() const { return FHint; }
    void setHint(const QString &value) { FHint = value; }
    QString getTextBottom() const { return FTextBottom; }
    void setTextBottom(const QString &value) { FTextBottom = value; }
    QString getTextCenter() const { return FTextCenter; }
    void setTextCenter(const QString &value) { FTextCenter = value; }
    int getHorzAlignmentCenter() const { return FHorzAlignmentCenter; }
    void setHorzAlignmentCenter(int value) { FHorzAlignmentCenter = value; }

private:
    friend class TPLXTextHaloPersistence;

    QString FTextTop;
    QString FTextLeft;
    QString FTextRight;
    QString FHint;
    QString FTextBottom;
    QString FTextCenter;
    // Centre text: 0 left, 1 right, anything else centred.
    int FHorzAlignmentCenter = 2;

    TPLXDocumentSetup *document() const;

    TPLXTextSettings *FTextSettings = nullptr;
    TPLXTextHaloSettings *FTextHaloSettings = nullptr;
    std::unique_ptr<TPLXDrawer> FOwnDrawer;
};

class ORVANTA_EXPORT TPLXTextHaloPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("textual halo"); }
};

// Draws the texts of a halo around its parent's rectangle.
class ORVANTA_EXPORT TPLXTextHaloDrawer : public TPLXDrawer
{
public:
    explicit TPLXTextHaloDrawer(TPLXTextHalo *halo);
    void Draw(TPLXVisualContext &vc) override;
};

// Base of the invisible objects the chart control drags like bars. The
// defaults react to nothing: no click, no outline, no operation.
class ORVANTA_EXPORT TPLXHaloEntity : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY_META

public:
    TPLXHaloEntity();
    ~TPLXHaloEntity() override;

    // The object reacts to a plain click.
    virtual bool processMouseClick();
    // The operation a click makes (for the undo stack), or null.
    virtual std::unique_ptr<TPLXOperation> handleClick(int x, int y, int keyState);
    // The object shows a drag outline.
    virtual bool processDragging();
    // The operation of dropping it after a move by (dx, dy), or null.
    virtual std::unique_ptr<TPLXOperation> handleMove(int dx, int dy, int keyState, int x, int y);
    // The outline at the start of a drag.
    virtual TRect getOutline();
    // The outline after a move; by default the start outline.
    virtual TRect nextOutline(const TRect &outline, int dx, int dy);
    virtual bool changeCursorDragging();
    virtual Qt::CursorShape cursorDragging();
    virtual Qt::CursorShape cursorOver();
    // The object is the splitter between tree and chart.
    virtual bool IsTreeGridResizer();
};
