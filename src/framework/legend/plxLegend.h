// The legend printed beside or under a chart: rows of text cells of their own
// widths, aligned per row, with optional borders around ranges of cells.
// Loaded with the document; built at run time through this interface.
#pragma once

#include "plxTreeCell.h"

#include <functional>

class TPLXLegend;
class TPLXLegendCell;
class TPLXLegendDrawer;
class TPLXTextSettings;

enum PLXRowAlignment : int { raLeft = 0, raRight = 1, raCenter = 2, raStretch = 3 };

// Draws one cell for the application; true means the default drawing of that cell is skipped.
using TPLXDrawLegendCellEvent =
    std::function<bool(int rowIndex, int cellIndex, const TRect &cellRect, TPLXVisualContext &vc)>;

// One text cell of a legend row; without text settings of its own it uses the legend's default ones.
class ORVANTA_EXPORT TPLXLegendCell : public TPLXCell
{
    Q_GADGET
    PLX_ENTITY(TPLXLegendCell)
    Q_PROPERTY(int Width READ getWidth WRITE setWidth)

public:
    TPLXLegendCell();
    ~TPLXLegendCell() override;

    int getWidth() const { return FWidth; }
    void setWidth(int width) { FWidth = width; }
    // The cell's own settings, else the legend's default cell settings; null when neither exists.
    TPLXTextSettings *getTextSettings() const;
    // Takes `settings` as the cell's own; null drops them.
    void setTextSettings(std::unique_ptr<TPLXTextSettings> settings);
    // The row's legend, or null when the cell is not in a legend.
    TPLXLegend *legend() const;

private:
    friend class TPLXLegendCellPersistence;

    int FWidth = 20;
    TPLXTextSettings *FTextSettings = nullptr;
};

// One row of the legend: its cells left to right, its height and how the cells align.
class ORVANTA_EXPORT TplxLegendRow : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY(TplxLegendRow)
    Q_PROPERTY(int Height READ getHeight WRITE setHeight)
    Q_PROPERTY(int Alignment READ getAlignment WRITE setAlignment)
    Q_PROPERTY(int SplitAt READ getSplitAt WRITE setSplitAt)

public:
    TplxLegendRow();
    ~TplxLegendRow() override;

    int cellsCount() const { return int(FCells.size()); }
    // Null for an index outside the cells.
    TPLXLegendCell *getCell(int index) const;
    TPLXLegendCell *addCell(std::unique_ptr<TPLXLegendCell> cell);
    // The row's position in its legend, found once and kept; -1 outside a legend.
    int getRowIndex();
    // The legend's border thickness before and after each cell from `from` on, plus their widths.
    int length(int from) const;
    TRect getCellRect(int index);
    // Every cell's rectangle, left to right, in one walk.
    QList<TRect> cellRects();
    int GetMinWidth() const { return length(0); }

    int getHeight() const { return FHeight; }
    void setHeight(int height);
    int getAlignment() const { return FAlignment; }
    void setAlignment(int alignment) { FAlignment = alignment; }
    int getSplitAt() const { return FSplitAt; }
    void setSplitAt(int index) { FSplitAt = index; }
    TPLXLegend *legend() const;

private:
    friend class TplxLegendRowPersistence;

    TRect firstCellRect();
    TRect nextCellRect(const TRect &previous, int index);

    QList<TPLXLegendCell *> FCells;
    int FHeight = 20;
    int FIndex = -1;
    int FAlignment = raLeft;
    int FSplitAt = 0;
    std::unique_ptr<TPLXDrawer> FOwnDrawer;
};

// A frame around the cells from (start row, start cell) to (end row, end cell).
class ORVANTA_EXPORT TPLXLegendBorder : public TPLXCell
{
    Q_GADGET
    PLX_ENTITY(TPLXLegendBorder)
    Q_PROPERTY(int Thickness READ getThickness WRITE setThickness)
    Q_PROPERTY(int Color READ getColor WRITE setColor)
    Q_PROPERTY(int StartRow READ getStartRow WRITE setStartRow)
    Q_PROPERTY(int StartCell READ getStartCell WRITE setStartCell)
    Q_PROPERTY(int EndRow READ getEndRow WRITE setEndRow)
    Q_PROPERTY(int EndCell READ getEndCell WRITE setEndCell)

public:
    TPLXLegendBorder();
    ~TPLXLegendBorder() override;

    int getThickness() const { return FThickness; }
    void setThickness(int thickness) { FThickness = thickness; }
    TColor getColor() const { return FColor; }
    void setColor(TColor color) { FColor = color; }
    int getStartRow() const { return FStartRow; }
    void setStartRow(int row) { FStartRow = row; }
    int getStartCell() const { return FStartCell; }
    void setStartCell(int cell) { FStartCell = cell; }
    int getEndRow() const { return FEndRow; }
    void setEndRow(int row) { FEndRow = row; }
    int getEndCell() const { return FEndCell; }
    void setEndCell(int cell) { FEndCell = cell; }
    // Whether both corner cells exist in `legend`.
    bool fitsIn(const TPLXLegend &legend) const;

private:
    friend class TPLXLegendBorderPersistence;

    int FThickness = 0;
    TColor FColor = 0;
    int FStartRow = 0;
    int FStartCell = 0;
    int FEndRow = 0;
    int FEndCell = 0;
};

class ORVANTA_EXPORT TPLXLegend : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY(TPLXLegend)
    Q_PROPERTY(int backGroungColor READ getBackGroungColor WRITE setBackGroungColor)
    Q_PROPERTY(int height READ GetHeight)
    Q_PROPERTY(int MinWidth READ GetMinWidth)

public:
    TPLXLegend();
    ~TPLXLegend() override;

    void addBlankRow(int height, int count);
    void clearRows();
    void clearborders();
    TPLXLegendBorder *addBorder(std::unique_ptr<TPLXLegendBorder> border);
    int rowsCount() const { return int(FRows.size()); }
    int bordersCount() const { return int(FBorders.size()); }
    // Null for an index outside the rows.
    TplxLegendRow *getRow(int index) const;
    TPLXLegendBorder *getBorder(int index) const;
    int getRowIndex(const TplxLegendRow *row) const { return int(FRows.indexOf(row)); }

    TRect getCellRect(int row, int cell);
    int getRowStartY(int row);
    int getStartX();
    // Drops the kept row positions; rows call it when their height changes.
    void invalidateRowTops() { FRowTops.clear(); }
    // Sets the drawing rectangle's left edge to x and its right edge to 2·x.
    void SetOffsetX(int x);
    // The sum of the row heights.
    int GetHeight() const;
    // The longest row.
    int GetMinWidth() const;
    // The drawer the owning view gives the legend's rectangle to.
    TPLXLegendDrawer *drawer() const { return FOwnDrawer.get(); }

    TColor getBackGroungColor() const { return FBackGroungColor; }
    void setBackGroungColor(TColor color) { FBackGroungColor = color; }
    TColor getBorderColor() const { return FBorderColor; }
    void setBorderColor(TColor color) { FBorderColor = color; }
    int getBorderThickness() const { return FBorderThickness; }
    void setBorderThickness(int thickness) { FBorderThickness = thickness; }
    TPLXTextSettings *getDefaultTextSettings() const { return FDefaultTextSettings; }
    void setDefaultTextSettings(std::unique_ptr<TPLXTextSettings> settings);
    const TPLXDrawLegendCellEvent &getOnDrawCell() const { return FOnDrawCell; }
    void setOnDrawCell(TPLXDrawLegendCellEvent event) { FOnDrawCell = std::move(event); }

private:
    friend class TPLXLegendPersistence;

    TColor FBackGroungColor = 0xE0E0E0;
    QList<TplxLegendRow *> FRows;
    TPLXDrawLegendCellEvent FOnDrawCell;
    TPLXTextSettings *FDefaultTextSettings = nullptr;
    TColor FBorderColor = 0x808080;
    int FBorderThickness = 1;
    QList<TPLXLegendBorder *> FBorders;
    // Each row's offset below the first row's top, built when first asked.
    std::vector<qint64> FRowTops;
    std::unique_ptr<TPLXLegendDrawer> FOwnDrawer;
};

// Draws the legend into the rectangle its view sets: background, outline and
// shadow edge, then the rows with their cells, then the borders.
class ORVANTA_EXPORT TPLXLegendDrawer : public TPLXDrawer
{
public:
    explicit TPLXLegendDrawer(TPLXLegend *legend);

    void SetLayout(const TRect &r) { FRect = r; }
    TRect getRect() const override { return FRect; }
    void Draw(TPLXVisualContext &vc) override;

private:
    TRect FRect;
};
