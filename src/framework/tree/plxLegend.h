// The legend printed beside or under a chart: rows of word-wrapped text cells
// of individual widths, aligned per row, with borders around cell ranges.
#pragma once

#include "plxTreeCell.h"

#include <QList>

#include <functional>
#include <memory>

class TPLXLegend;
class IPLXTextSettings;
class TPLXTextSettings;
class TPLXVisualContext;

// How a legend row places its cells; raStretch pushes the cells from `split at` on to the right edge.
enum PLXRowAlignment : int { raLeft = 0, raRight = 1, raCenter = 2, raStretch = 3 };

// Asked before a legend cell is drawn; true means the application drew it.
using TPLXDrawLegendCellEvent =
    std::function<bool(int rowIndex, int cellIndex, const TRect &cellRect, TPLXVisualContext &vc)>;

// One text cell of a legend row.
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
    // The cell's own settings, else the legend's default cell settings (null when neither exists).
    IPLXTextSettings *getTextSettings() const;
    // Takes ownership of `settings`.
    void setTextSettings(TPLXTextSettings *settings);
    TPLXLegend *legend() const;

private:
    friend class TPLXLegendCellPersistence;
    int FWidth = 20;
    TPLXTextSettings *FTextSettings = nullptr;
};

// A row of legend cells.
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

    int cellsCount() const { return static_cast<int>(FCells.size()); }
    // Null for an index outside the row.
    TPLXLegendCell *getCell(int index) const { return FCells.value(index, nullptr); }
    void addCell(TPLXLegendCell *cell);
    // The row's position in its legend, looked up once.
    int getRowIndex();
    // Border thickness plus each cell from `from` on with the border after it.
    int length(int from) const;
    TRect getCellRect(int index);
    int GetMinWidth() const { return length(0); }

    int getHeight() const { return FHeight; }
    void setHeight(int height) { FHeight = height; }
    int getAlignment() const { return FAlignment; }
    void setAlignment(int alignment) { FAlignment = alignment; }
    int getSplitAt() const { return FSplitAt; }
    void setSplitAt(int index) { FSplitAt = index; }
    TPLXLegend *legend() const;

private:
    friend class TplxLegendRowPersistence;
    TRect firstCellRect();
    TRect nextCellRect(const TRect &previous, int index);

    std::unique_ptr<TPLXDrawer> FOwnDrawer;
    QList<TPLXLegendCell *> FCells;
    int FHeight = 20;
    int FIndex = -1;
    int FAlignment = raLeft;
    int FSplitAt = 0;
};

// A frame drawn around a range of legend cells.
class ORVANTA_EXPORT TPLXLegendBorder : public TPLXCell
{
    Q_GADGET
    PLX_ENTITY(TPLXLegendBorder)
    Q_PROPERTY(int Thickness MEMBER FThickness)
    Q_PROPERTY(int Color MEMBER FColor)

public:
    TPLXLegendBorder();
    TPLXLegendBorder(int startRow, int startCell, int endRow, int endCell, int thickness, TColor color);
    ~TPLXLegendBorder() override;

    int getThickness() const { return FThickness; }
    TColor getColor() const { return FColor; }
    // Whether both corner cells exist in `legend`.
    bool fitsInto(const TPLXLegend &legend) const;
    // The frame's outer rectangle in `legend`.
    TRect outerRect(TPLXLegend &legend) const;

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
    // Takes ownership of `border`.
    void addBorder(TPLXLegendBorder *border);
    int rowsCount() const { return static_cast<int>(FRows.size()); }
    int bordersCount() const { return static_cast<int>(FBorders.size()); }
    // The index must lie inside the list.
    TplxLegendRow *getRow(int index) const;
    TPLXLegendBorder *getBorder(int index) const;
    int getRowIndex(const TplxLegendRow *row) const { return static_cast<int>(FRows.indexOf(row)); }
    TRect getCellRect(int row, int cell) const;
    int getRowStartY(const TplxLegendRow *row) const;
    int getStartX() const;
    void SetOffsetX(int x);
    // Sum of the row heights.
    int GetHeight() const;
    // The longest row.
    int GetMinWidth() const;
    // The rectangle the view gives the legend.
    void SetLayout(const TRect &r) { FLayout = r; }
    TRect getLayout() const { return FLayout; }

    TColor getBackGroungColor() const { return FBackGroungColor; }
    void setBackGroungColor(TColor color) { FBackGroungColor = color; }
    TColor getBorderColor() const { return FBorderColor; }
    void setBorderColor(TColor color) { FBorderColor = color; }
    int getBorderThickness() const { return FBorderThickness; }
    void setBorderThickness(int t) { FBorderThickness = t; }
    TPLXTextSettings *getDefaultTextSettings() const { return FDefaultTextSettings; }
    // Takes ownership of `settings`.
    void setDefaultTextSettings(TPLXTextSettings *settings);
    const TPLXDrawLegendCellEvent &getOnDrawCell() const { return FOnDrawCell; }
    void setOnDrawCell(const TPLXDrawLegendCellEvent &event) { FOnDrawCell = event; }

private:
    friend class TPLXLegendPersistence;
    friend class TplxLegendRow;
    void addRow(TplxLegendRow *row);

    std::unique_ptr<TPLXDrawer> FOwnDrawer;
    TRect FLayout;
    TColor FBackGroungColor = 0xE0E0E0;
    QList<TplxLegendRow *> FRows;
    TPLXDrawLegendCellEvent FOnDrawCell;
    TPLXTextSettings *FDefaultTextSettings = nullptr;
    TColor FBorderColor = 0x808080;
    int FBorderThickness = 1;
    QList<TPLXLegendBorder *> FBorders;
};

// Background, outline and shadow edge, then the rows and the borders.
class ORVANTA_EXPORT TPLXLegendDrawer : public TPLXDrawer
{
public:
    explicit TPLXLegendDrawer(TPLXLegend *legend);
    void Draw(TPLXVisualContext &vc) override;
    TRect getRect() const override;
};

// Each cell (unless the legend's callback drew it), then the border band around it.
class ORVANTA_EXPORT TplxLegendRowDrawer : public TPLXDrawer
{
public:
    explicit TplxLegendRowDrawer(TplxLegendRow *row);
    void Draw(TPLXVisualContext &vc) override;
    int getHeight() const override;
};

// The cell's background and its word-wrapped text.
class ORVANTA_EXPORT TPLXLegendCellDrawer : public TPLXCellDrawer
{
public:
    explicit TPLXLegendCellDrawer(TPLXLegendCell *cell);
    void Draw(TPLXVisualContext &vc) override;
};

class ORVANTA_EXPORT TPLXLegendBorderDrawer : public TPLXDrawer
{
public:
    explicit TPLXLegendBorderDrawer(TPLXLegendBorder *border);
    void Draw(TPLXVisualContext &vc) override;
};

class ORVANTA_EXPORT TPLXLegendPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Legend"); }
};

class ORVANTA_EXPORT TplxLegendRowPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Legend Row"); }
};

class ORVANTA_EXPORT TPLXLegendCellPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Legend Cell"); }
};

class ORVANTA_EXPORT TPLXLegendBorderPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Custom Legend Border"); }
};
