// The geometry of a chart on a drawing surface: TPLXGanttView draws the
// document of a data source, maps pixels to rows and dates and back, shows
// drag outlines over a save-under and scrolls the chart in time.
#pragma once

#include "plxTypes.h"

#include <QtGlobal>

#include <functional>
#include <memory>

class TPLXDataSource;
class TPLXGanttBar;
class TPLXGanttDocument;
class TPLXGanttObject;
class TPLXGanttTable;
class TPLXOperation;
class TPLXTimeModeObject;
class TPLXVisualContext;

// A chart position: x in columns from the first column (fractional unless
// snapping), y the row index and yoffset the pixels from that row's top.
struct TPLXColRow
{
    double x = -1.0;
    int y = -1;
    int yoffset = 0;
    bool isEmpty() const { return y < 0; }
    friend bool operator==(const TPLXColRow &, const TPLXColRow &) = default;
};

// A view of a document on a visual context; the kind of chart varies.
class ORVANTA_EXPORT TPLXView
{
public:
    virtual ~TPLXView();

    virtual bool getSnapToCell() const = 0;
    virtual void setSnapToCell(bool on) = 0;
    virtual bool GetIsGantt() const = 0;
    void Draw(TPLXDataSource *dataSource, TPLXVisualContext &vc, bool printing);
    virtual void Draw(TPLXVisualContext &vc, bool printing) = 0;
    virtual void scroll(int columns) = 0;
    virtual TPLXGanttObject *locateDraggingObject(int x, int y) = 0;
    virtual void setDataSource(TPLXDataSource *dataSource) = 0;
    virtual void showOutline(TPLXGanttObject *object) = 0;
    virtual bool moveOutline(int a, int b, bool relative) = 0;
    virtual bool resizeOutline(int dx, int dy, bool &rightSide) = 0;
    virtual bool setOutline(int dx, int dy, bool &rightSide) = 0;
    virtual std::unique_ptr<TPLXOperation> hideOutlineAndMove() = 0;
    virtual void hideOutline() = 0;
    virtual void restoreOutline() = 0;
    virtual TPLXColRow getColRow(int x, int y, bool flag = false) = 0;
    virtual TRect getOutline() const = 0;
    virtual bool acceptOutline() = 0;
    virtual TRect GetPrintRange() = 0;
    virtual TRect GetGraphPrintRange() = 0;
};

// The Gantt chart's view: tree pane, bands, table, bars and connections.
class ORVANTA_EXPORT TPLXGanttView : public TPLXView
{
public:
    // Pixels a bar's outline keeps outside the bar on every side.
    static constexpr int shiftOutline = 2;

    TPLXGanttView();

    bool getSnapToCell() const override { return FSnapToCell; }
    void setSnapToCell(bool on) override { FSnapToCell = on; }
    bool GetIsGantt() const override { return true; }
    using TPLXView::Draw;
    // On screen the end date follows the visible width; printing adds the legend.
    void Draw(TPLXVisualContext &vc, bool printing) override;
    // Positive columns go to later dates, within the data source's scroll limits.
    void scroll(int columns) override;
    TPLXGanttObject *locateDraggingObject(int x, int y) override;
    void setDataSource(TPLXDataSource *ds) override { dataSource = ds; }
    TPLXDataSource *getDataSource() const { return dataSource; }

    void showOutline(TPLXGanttObject *object) override;
    bool moveOutline(int a, int b, bool relative) override;
    bool resizeOutline(int dx, int dy, bool &rightSide) override;
    bool setOutline(int dx, int dy, bool &rightSide) override;
    std::unique_ptr<TPLXOperation> hideOutlineAndMove() override;
    void hideOutline() override;
    void restoreOutline() override;
    TRect getOutline() const override;
    bool acceptOutline() override;
    void displayOutlinedRect(bool restoreFirst);
    TPLXGanttObject *getOutlinedObject() const { return outlinedObject; }

    // Row -1 and column -1.0 above the table or below its last row.
    TPLXColRow getColRow(int x, int y, bool flag = false) override;
    // As getColRow, but below the last row the rows go on at the last row's height.
    TPLXColRow getColRowExtended(int x, int y, bool flag = false);
    // The date at pixel x; fractional columns give fractions of a period.
    TDateTime getTime(int x);
    // Packs the bars of one row end to start, keeping their order.
    void LeftAlignAllBars(int row);
    // The start date for a position of the horizontal scroll bar.
    TDateTime getNewStartDate(double position);
    TRect GetPrintRange() override;
    TRect GetGraphPrintRange() override;

    // The context of the last Draw; outlines are drawn on it.
    TPLXVisualContext *getLastVC() const { return lastVC; }
    // Forgets the context of the last Draw, for a context about to go away.
    void forgetVisualContext();
    // Told which cursor the screen should show while an outline is dragged.
    void setOnCursor(std::function<void(Qt::CursorShape)> handler) { FOnCursor = std::move(handler); }
    // Told when an outline was drawn or taken away, so the surface can be shown again.
    void setOnOutline(std::function<void()> handler) { FOnOutline = std::move(handler); }

protected:
    TPLXGanttDocument *document() const;
    TPLXGanttTable *table() const;
    // Shows `rect` as the outline of `object` over a save-under of what it covers.
    void startOutline(TPLXGanttObject *object, const TRect &rect);
    // The outline as drawn, `shiftOutline` outside the object.
    const TRect &outlineRect() const { return outlinedRect; }
    void rememberVisualContext(TPLXVisualContext &vc) { lastVC = &vc; }

private:
    TPLXTimeModeObject *calendar() const;
    int columnWidth() const;
    TPLXColRow walkRows(int x, int y, bool extended);
    void drawOutline(const TRect &r);
    void outlineChanged() const
    {
        if (FOnOutline)
            FOnOutline();
    }

    TPLXDataSource *dataSource = nullptr;
    TPLXVisualContext *lastVC = nullptr;
    TPLXGanttObject *outlinedObject = nullptr;
    TRect outlinedRect;
    TRect firstOutline;
    bool FSnapToCell = false;
    std::function<void(Qt::CursorShape)> FOnCursor;
    std::function<void()> FOnOutline;
};
