// The bar of a group row: it spans the summarizable bars of every row of its
// group in the task tree. It is recomputed, not edited; moving it moves the
// bars of its group.
#pragma once

#include "plxGanttBar.h"

#include <QList>

class ORVANTA_EXPORT TPLXSummaryBar : public TPLXGanttBar
{
    Q_GADGET
    PLX_ENTITY(TPLXSummaryBar)
    Q_PROPERTY(int StartRow READ GetStartRow)
    Q_PROPERTY(int EndRow READ GetEndRow)
    Q_PROPERTY(bool rdOnly READ getRdOnly WRITE setRdOnly)
    Q_PROPERTY(int Color READ getColor WRITE setColor)

public:
    TPLXSummaryBar();
    ~TPLXSummaryBar() override;
    bool isSummaryBar() const override { return true; }
    void refreshDerived() override { UpdateRange(); }
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    bool canMoveVertically() const override;
    bool inRow(int row) override;
    bool isSummarizable() const override;
    // A TPLXSummaryBarMoveOperation to `date`; the row is not used.
    std::unique_ptr<TPLXOperation> moveTo(TDateTime date, int row) override;
    // Nothing else may be placed in a summary bar's row.
    bool overlap(TDateTime start, TDateTime end, int row, TPLXGanttBar *bar) override;
    // Spans are recomputed, never resized: changes nothing.
    bool Resize(double changeCol, int changeRow, bool right) override;

    // Takes the span of the summarizable bars in the rows of the group (bottom-up
    // updates let nested summaries count with their fresh spans).
    void UpdateRange();
    // The first row after the summary's own.
    int GetStartRow() const { return FRow + 1; }
    // The last row of the group as of the last UpdateRange.
    int GetEndRow() const { return FEndRow; }
    // Every bar of the group's rows, row by row.
    QList<TPLXGanttBar *> getChildList();

    bool getRdOnly() const { return FReadOnly; }
    void setRdOnly(bool value) { FReadOnly = value; }
    TColor getColor() const { return FColor; }
    void setColor(TColor value) { FColor = value; }

private:
    TColor FColor = 0x000000;
    int FEndRow = 0;
    bool FReadOnly = false;
};

// Draws the strip with end triangles in the summary's own row; the highlight
// covers the whole group.
class ORVANTA_EXPORT TPLXSummaryBarDrawer : public TPLXGanttBarDrawer
{
public:
    explicit TPLXSummaryBarDrawer(TPLXSummaryBar *bar);
    void Draw(TPLXVisualContext &vc) override;
    using TPLXGanttBarDrawer::getRect;
    // From the summary's row down to the end of the group's last row.
    TRect getRect(TDateTime viewStart) override;
    // The red dotted frame, and a white cross hatch over `rect` while highlighted.
    void highlight(TPLXVisualContext &vc, const TRect &rect) override;
    bool supportsHighlighting() const override { return true; }

private:
    TPLXSummaryBar *summaryBar() const;
};

// Summary bars keep no dates or rows in storage, only the read-only flag.
class ORVANTA_EXPORT TPLXSummaryBarPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Summary Bar"); }
};

// Moves every bar of the group by the same whole number of periods, each
// staying in its row. Disabled when the new date lies in the summary's own period.
class ORVANTA_EXPORT TPLXSummaryBarMoveOperation : public TPLXMultipleOperations
{
public:
    TPLXSummaryBarMoveOperation(TPLXDataSourceIntf *dataSource, TPLXSummaryBar *bar, TDateTime date);
    // All parts or none.
    bool perform() override;
};
