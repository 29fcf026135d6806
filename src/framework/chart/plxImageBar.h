// Picture bars: an image bar shows a picture at its start date, at natural size
// or stretched over its period; a milestone is a picture that takes part in
// dependencies and summaries.
#pragma once

#include "plxGanttBar.h"

class TPLXImageBarSettings;
class TPLXPictureResource;

// A picture placed in a row; it never holds a row's place and takes no connections.
class ORVANTA_EXPORT TPLXImageBar : public TPLXGanttBar
{
    Q_GADGET
    PLX_ENTITY_META
    Q_PROPERTY(TPLXGanttObject *PictureResource READ pictureObject)
    Q_PROPERTY(TPLXGanttObject *settings READ settingsObject)
    Q_PROPERTY(bool AutoStretch READ getAutoStretch WRITE SetAutoStretch)
    Q_PROPERTY(int VerticalRowOffset READ getVerticalRowOffset WRITE setVerticalRowOffset)

public:
    TPLXImageBar(TDateTime start = 0, TDateTime end = 0, int row = 0);
    ~TPLXImageBar() override;
    std::unique_ptr<TPLXGanttObject> Create() const override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    // Without auto-stretch the bar keeps its size and refuses; otherwise one end
    // moves as long as the period stays non-empty.
    bool Resize(double changeCol, int changeRow, bool right) override;
    TRect getRect(TDateTime viewStart) override;
    bool inRow(int row) override;
    bool acceptConnections() const override;
    bool canResizeVertically() const override;

    TPLXPictureResource *getPictureResource() const { return FPictureResource; }
    // Takes `resource` as the bar's picture; an unparented one becomes the bar's child.
    void setPictureResource(TPLXPictureResource *resource);
    TPLXGanttObject *pictureObject() const;
    // The bar's own settings, else the document's; null without either.
    TPLXImageBarSettings *getSettings();
    // Takes `settings` as the bar's own; an unparented record becomes the bar's child.
    void setSettings(TPLXImageBarSettings *settings);
    TPLXImageBarSettings *ownSettings() const { return FSettings; }
    TPLXGanttObject *settingsObject();
    bool getAutoStretch() const { return FAutoStretch; }
    // Switched on, the period grows to cover at least the picture's natural width.
    void SetAutoStretch(bool on);
    int getVerticalRowOffset() const { return FVerticalRowOffset; }
    void setVerticalRowOffset(int pixels) { FVerticalRowOffset = pixels; }
    // The settings' border thickness, 0 without settings.
    int borderThickness();

protected:
    // The type id the kind saves under.
    virtual QString typeID() const;

private:
    friend class TPLXImageBarPersistence;
    TPLXPictureResource *FPictureResource = nullptr; // child when the bar is its parent
    TPLXImageBarSettings *FSettings = nullptr;       // child when the bar is its parent
    bool FAutoStretch = true;
    qint32 FVerticalRowOffset = 0;
};

// A milestone: the picture at natural size at the start date,
// centred in the row; it connects and counts for summary bars.
class ORVANTA_EXPORT TPLXMilestoneBar : public TPLXImageBar
{
    Q_GADGET
    PLX_ENTITY_META

public:
    TPLXMilestoneBar(TDateTime start = 0, TDateTime end = 0, int row = 0);
    std::unique_ptr<TPLXGanttObject> Create() const override;
    bool acceptConnections() const override;
    bool isSummarizable() const override;
    // A milestone marks one day, however far it was drawn out.
    TDateTime drawnOutEnd(TDateTime start, TDateTime) const override { return start + 1.0; }

protected:
    QString typeID() const override;
};

// The picture framed in the settings' border colour; the frame thickens to the
// table's focus thickness while the bar is focused.
class ORVANTA_EXPORT TPLXImageBarDrawer : public TPLXGanttBarDrawer
{
public:
    explicit TPLXImageBarDrawer(TPLXImageBar *bar);
    void Draw(TPLXVisualContext &vc) override;
    using TPLXGanttBarDrawer::getRect;
    // From the start date: the period's width with the picture's aspect ratio
    // when stretched, else the picture's size, both with the border, moved
    // down by the vertical row offset.
    TRect getRect(TDateTime viewStart) override;
    bool supportsHighlighting() const override { return true; }

protected:
    TPLXImageBar *imageBar() const;
    // The row is shown and the bar starts no later than the document ends.
    bool drawable(TPLXDocumentSetup *&document);
    void drawFrame(TPLXVisualContext &vc, TPLXDocumentSetup *document, const TRect &r);
    void drawHalo(TPLXVisualContext &vc);
};

class ORVANTA_EXPORT TPLXMilestoneBarDrawer : public TPLXImageBarDrawer
{
public:
    explicit TPLXMilestoneBarDrawer(TPLXMilestoneBar *bar);
    void Draw(TPLXVisualContext &vc) override;
    using TPLXGanttBarDrawer::getRect;
    // The picture with its border at the start date, centred in the row; the end plays no part.
    TRect getRect(TDateTime viewStart) override;
};

class ORVANTA_EXPORT TPLXImageBarPersistence : public TPLXGanttBarPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Image Bar"); }

protected:
    virtual std::unique_ptr<TPLXImageBar> createBar() const;
};

class ORVANTA_EXPORT TPLXMilestoneBarPersistence : public TPLXImageBarPersistence
{
public:
    QString getTypeID() const override { return QStringLiteral("Milestone Bar"); }

protected:
    std::unique_ptr<TPLXImageBar> createBar() const override;
};
