// A thin strip drawn just below where a task bar of the document's default
// height sits; it counts for summary bars and shares rows with task bars.
#pragma once

#include "plxGanttBar.h"

class TPLXProgressBarSettings;

class ORVANTA_EXPORT TPLXProgressBar : public TPLXGanttBar
{
    Q_GADGET
    PLX_ENTITY_META
    Q_PROPERTY(TPLXGanttObject *Settings READ settingsObject)

public:
    TPLXProgressBar(TDateTime start = 0, TDateTime end = 0, int row = 0);
    ~TPLXProgressBar() override;
    std::unique_ptr<TPLXGanttObject> Create() const override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    TRect getRect(TDateTime viewStart) override;
    // Task bars, and the placeholder of a task bar being drawn out, never overlap it.
    bool overlap(TDateTime start, TDateTime end, int row, TPLXGanttBar *bar) override;
    bool isProgressBar() const override { return true; }
    bool isSummarizable() const override;
    const QMetaObject *getFakeClass() const override;
    std::unique_ptr<TPLXGanttBar> createFake() const override;

    // The bar's own settings, else the document's (shared, not copied); null without either.
    TPLXProgressBarSettings *GetSettings();
    // Takes `settings` as the bar's own; an unparented record becomes the bar's child.
    void SetSettings(TPLXProgressBarSettings *settings);
    // The bar's own settings only.
    TPLXProgressBarSettings *ownSettings() const { return FSettings; }
    TPLXGanttObject *settingsObject();

private:
    friend class TPLXProgressBarPersistence;
    TPLXProgressBarSettings *FSettings = nullptr; // child when the bar is its parent
};

// Fills the strip in the settings' colour with a border; a black frame inside
// the border marks focus.
class ORVANTA_EXPORT TPLXProgressBarDrawer : public TPLXGanttBarDrawer
{
public:
    explicit TPLXProgressBarDrawer(TPLXProgressBar *bar);
    void Draw(TPLXVisualContext &vc) override;
    using TPLXGanttBarDrawer::getRect;
    // The strip under a default-height task bar centred in the row.
    TRect getRect(TDateTime viewStart) override;
    bool supportsHighlighting() const override { return true; }

private:
    TPLXProgressBar *progressBar() const;
    // Whether the last Draw drew the bar.
    bool lastDrawn = false;
};

class ORVANTA_EXPORT TPLXProgressBarPersistence : public TPLXGanttBarPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("progress bar"); }
};

// The placeholder a chart control shows while a progress bar is drawn out.
class ORVANTA_EXPORT TPLXFakeProgressBar : public TPLXProgressBar
{
    Q_GADGET
    PLX_ENTITY_META

public:
    TPLXFakeProgressBar(TDateTime start = 0, TDateTime end = 0, int row = 0);
    bool acceptConnections() const override;
    bool isSummarizable() const override;
};

// Draws nothing and finds nothing.
class ORVANTA_EXPORT TPLXFakeProgressBarDrawer : public TPLXProgressBarDrawer
{
public:
    explicit TPLXFakeProgressBarDrawer(TPLXFakeProgressBar *bar);
    void Draw(TPLXVisualContext &vc) override;
    TPLXGanttObject *locateObject(int x, int y) override;
};
