// The Gantt chart control: a widget bound to a data source that paints the
// chart through its view, scrolls it with three scroll bars and the wheel,
// and exports it as BMP, JPEG, PNG or SVG.
#pragma once

#include "plxController.h"
#include "plxDataSource.h"
#include "plxGanttView.h"

#include <QImage>
#include <QPainter>
#include <QPointer>

#include <functional>
#include <memory>

class QIODevice;
class QScrollBar;
class TPLXCanvasVC;
class TPLXGanttBar;

class ORVANTA_EXPORT TPLXGanttGraph : public TPLXController
{
    Q_OBJECT

public:
    // The chart scroll bar keeps its thumb this many units inside both ends.
    static constexpr int kChartScrollMargin = 5;
    // Units a scroll bar page moves.
    static constexpr int kLargeChange = 8;

    explicit TPLXGanttGraph(QWidget *parent = nullptr);
    ~TPLXGanttGraph() override;

    QWidget *getControl() override { return this; }

    // Binds the control (null unbinds); it repaints on every change, undo and
    // redo of the data source and unbinds itself when the data source goes.
    void setDataSource(TPLXDataSource *dataSource) override;
    TPLXDataSource *getDataSource() const override { return FDataSource; }
    TPLXGanttView &view() { return FView; }
    TPLXView *getView() override { return &FView; }
    // Between the two, changes do not repaint; EndUpdate refreshes rows,
    // critical path and summary bars once and repaints.
    void BeginUpdate();
    void EndUpdate();

    // Draws the chart into the control's frame now; a call while painting does nothing.
    void Paint() override;
    // The drawing surface of the last Paint (its save-under serves drag outlines).
    TPLXCanvasVC *visualContext() const { return FVC.get(); }

    // Renders rows firstRow..lastRow and the period startDate..endDate into
    // `bitmap` (resized), or only measures when it is null; returns the size.
    // The control keeps its rows and dates.
    QSize PaintToBitmap(QImage *bitmap, int firstRow, int lastRow, TDateTime startDate, TDateTime endDate);
    // Each writes the file whole or not at all; a failure is shown and logged, and false returned.
    bool SaveToBitmap(const QString &fileName, QImage::Format pixelFormat, int firstRow, int lastRow,
                      TDateTime startDate, TDateTime endDate);
    // `quality` from 1 (smallest) to 100 (best).
    bool SaveToJpeg(const QString &fileName, QImage::Format pixelFormat, int quality, int firstRow, int lastRow,
                    TDateTime startDate, TDateTime endDate);
    bool SaveToPng(const QString &fileName, int firstRow, int lastRow, TDateTime startDate, TDateTime endDate);
    bool SaveToSvg(const QString &fileName, int firstRow, int lastRow, TDateTime startDate, TDateTime endDate);

    // ---- scrolling
    QScrollBar *docScroller() const { return FDocScroller; }
    QScrollBar *treeScroller() const { return FTreeScroller; }
    QScrollBar *verticalScroller() const { return FVerticalScroller; }
    virtual void updateScrollers();
    // The chart scroll bar's range; only moves of its thumb matter, not where it is.
    int getDocScrollerMax() const;
    void setDocScrollerMax(int maximum);
    // Positions from 0 to 100 move the vertical thumb; others are ignored.
    virtual void SetVerticalScrollerPosition(int position);
    // Moves the chart by the difference to the last position, one column a unit.
    void docScrollerChanged(int position);
    // Shows the tree from `position` percent of its hidden width.
    void treeScrollerChanged(int position);
    // One row up (-1) or down (+1).
    void verticalLineStep(int step);
    // A thumb or page move from `oldPosition` to `position` percent of the rows.
    void verticalMove(int oldPosition, int position);
    int getDocScrollerLastPosition() const { return FDocScrollerLastPosition; }
    int getTreeScrollerLastPosition() const { return FTreeScrollerLastPosition; }
    // Scrolls the rows so that `row` is fully on screen, as low as it can be.
    void ScrollInViewZeile(int row) override;
    // Scrolls the tree so that column `col` is visible.
    void ScrollInViewColumn(int col) override;

    // The "Date" hint of a bar above and left of (x, y); gone with the next paint.
    void drawHint(TPLXGanttBar *bar, int x, int y) override;
    // The bar's first and last day in the locale's short date format.
    static QString dateHint(TPLXGanttBar &bar);

protected:
    // A control of another chart kind, drawn and hit-tested through `view`.
    TPLXGanttGraph(QWidget *parent, std::unique_ptr<TPLXGanttView> view);
    // A move of one of the three scroll bars.
    virtual void scrollerAction(QScrollBar *bar, int action);
    int chartRight() const override;
    int chartBottom() const override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void onDataSourceChanged();
    void unbind();
    bool ensureFrame();
    bool frameFits() const;
    TRect chartArea() const;
    // Lays the export out, asks `device` for a surface of its size (null: measure only),
    // draws on it and puts the control's rows, dates and tree back.
    void renderExport(int firstRow, int lastRow, TDateTime startDate, TDateTime endDate,
                      const std::function<QPaintDevice *(const QSize &)> &device);
    // False, with a message, for a range or size the export cannot take.
    bool checkExport(const QString &format, qint64 sideLimit, int firstRow, int lastRow, TDateTime startDate,
                     TDateTime endDate);
    // `write` returns an error text, empty on success.
    bool saveFile(const QString &fileName, const std::function<QString(QIODevice &)> &write);
    bool saveRaster(const QString &fileName, const char *format, QImage::Format pixelFormat, int quality, int firstRow,
                    int lastRow, TDateTime startDate, TDateTime endDate);

    QPointer<TPLXDataSource> FDataSource;
    QList<QMetaObject::Connection> FConnections;
    std::unique_ptr<TPLXGanttView> FOwnedView;
    TPLXGanttView &FView;
    // The control's canvas: paintEvent shows it, Paint and outlines draw on it.
    QImage FFrame;
    std::unique_ptr<QPainter> FFramePainter;
    std::unique_ptr<TPLXCanvasVC> FVC;
    bool FPainting = false;
    bool FFrameStale = true;
    QScrollBar *FDocScroller;
    QScrollBar *FTreeScroller;
    QScrollBar *FVerticalScroller;
    int FDocScrollerLastPosition = 0;
    int FTreeScrollerLastPosition = 0;
    int FWheelRemainder = 0;
};
