// A note on the chart: word-wrapped text in a box over a period, as high as
// the user makes it, whatever the height of its row.
#pragma once

#include "plxGanttBar.h"
#include "plxObjectEditor.h"

class IPLXTextSettings;
class TPLXTextArranger;

class ORVANTA_EXPORT TPLXTextBar : public TPLXGanttBar
{
    Q_GADGET
    PLX_ENTITY_META
    Q_PROPERTY(QString Text READ getText WRITE setText)
    Q_PROPERTY(int height READ getHeight WRITE setHeight)
    Q_PROPERTY(TPLXGanttObject *settings READ settingsObject)

public:
    static constexpr int kMinHeight = 10;

    TPLXTextBar(TDateTime start = 0, TDateTime end = 0, int row = 0);
    ~TPLXTextBar() override;
    std::unique_ptr<TPLXGanttObject> Create() const override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    // One end moves as long as the period stays non-empty; the vertical part
    // changes the height by `changeRow` pixels.
    bool Resize(double changeCol, int changeRow, bool right) override;
    TRect getRect(TDateTime viewStart) override;
    bool canResizeVertically() const override;
    // The period and the height, so that undoing a resize gives back both.
    TPLXBarTimes getTimes() const override;
    void setTimes(const TPLXBarTimes &times) override;

    QString getText() const { return FText; }
    void setText(const QString &text) { FText = text; }
    int getHeight() const { return FHeight; }
    // At least kMinHeight pixels.
    void setHeight(int height);
    // The bar's own settings, else the document's text bar settings; null without either.
    IPLXTextSettings *getSettings();
    // Takes `settings` as the bar's own; an unparented record becomes the bar's child.
    void setSettings(IPLXTextSettings *settings);
    IPLXTextSettings *ownSettings() const { return FSettings; }
    TPLXGanttObject *settingsObject();
    // The arranger over the current settings.
    TPLXTextArranger &arranger();
    // The multi-line edit control of in-place editing, made by the editor and kept with the bar.
    QObject *getMemo() const { return FMemo.get(); }
    void setMemo(QObject *memo) { FMemo.reset(memo); }
    // While the memo is open over the bar it stands in for the bar, which is not drawn.
    bool isEdited() const { return FEdited; }
    void setEdited(bool edited) { FEdited = edited; }

private:
    friend class TPLXTextBarPersistence;
    std::unique_ptr<TPLXTextArranger> FTextArranger;
    QString FText;
    TPLXOwnedControl FMemo;
    IPLXTextSettings *FSettings = nullptr; // child when the bar is its parent
    qint32 FHeight = 50;
    bool FEdited = false;
};

// The text inside a 2-pixel margin, outlined in black unless the settings are
// transparent; a black frame marks focus.
class ORVANTA_EXPORT TPLXTextBarDrawer : public TPLXGanttBarDrawer
{
public:
    explicit TPLXTextBarDrawer(TPLXTextBar *bar);
    void Draw(TPLXVisualContext &vc) override;
    using TPLXGanttBarDrawer::getRect;
    // The period from the top of the row down by the bar's height.
    TRect getRect(TDateTime viewStart) override;
    bool supportsHighlighting() const override { return true; }

private:
    TPLXTextBar *textBar() const;
};

class ORVANTA_EXPORT TPLXTextBarPersistence : public TPLXGanttBarPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Text Bar"); }
};
