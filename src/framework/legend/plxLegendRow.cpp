#include "plxEntityFactory.h"
#include "plxLegend.h"
#include "plxMedia.h"
#include "plxOwnedList.h"
#include "plxVisualContext.h"

class TplxLegendRowPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Legend Row"); }
};

namespace {

const TPLXKindRegistration<TplxLegendRowPersistence> legendRowKind("Legend Row");

// Lays out and draws the row's cells, each with the legend's border colour around it.
class TplxLegendRowDrawer : public TPLXDrawer
{
public:
    explicit TplxLegendRowDrawer(TplxLegendRow *row)
        : TPLXDrawer(row)
    {
    }

    void Draw(TPLXVisualContext &vc) override
    {
        auto *row = static_cast<TplxLegendRow *>(target);
        TPLXLegend *legend = row->legend();
        PLX_ASSERT(legend != nullptr);
        const int t = legend->getBorderThickness();
        const int index = row->getRowIndex();
        const QList<TRect> rects = row->cellRects();
        for (int i = 0; i < row->cellsCount(); ++i) {
            const TRect &r = rects[i];
            TPLXLegendCell *cell = row->getCell(i);
            static_cast<TPLXCellDrawer *>(cell->getDrawer(vtGanttGraph))->setLayout(r);
            const TPLXDrawLegendCellEvent &onDrawCell = legend->getOnDrawCell();
            if (!onDrawCell || !onDrawCell(index, i, r, vc))
                cell->getDrawer(vtGanttGraph)->Draw(vc);
            vc.fillBounds({r.Left - t, r.Top - t, r.Right + t, r.Bottom + t}, r, legend->getBorderColor(), bsSolid);
        }
    }
};

} // namespace

TplxLegendRow::TplxLegendRow()
{
    FOwnDrawer = std::make_unique<TplxLegendRowDrawer>(this);
    FDrawer = FOwnDrawer.get();
}

TplxLegendRow::~TplxLegendRow() = default;

TPLXLegendCell *TplxLegendRow::getCell(int index) const
{
    return index >= 0 && index < cellsCount() ? FCells[index] : nullptr;
}

TPLXLegendCell *TplxLegendRow::addCell(std::unique_ptr<TPLXLegendCell> cell)
{
    PLX_ASSERT(cell != nullptr);
    cell->setParent(this);
    FCells.append(cell.get());
    return cell.release();
}

int TplxLegendRow::getRowIndex()
{
    if (FIndex < 0)
        if (const TPLXLegend *owner = legend())
            FIndex = owner->getRowIndex(this);
    return FIndex;
}

TPLXLegend *TplxLegendRow::legend() const
{
    return dynamic_cast<TPLXLegend *>(getParent());
}

int TplxLegendRow::length(int from) const
{
    const TPLXLegend *owner = legend();
    const qint64 t = owner ? owner->getBorderThickness() : 0;
    qint64 sum = t;
    for (int j = std::max(from, 0); j < cellsCount(); ++j)
        sum += qint64(FCells[j]->getWidth()) + t;
    return int(std::min<qint64>(sum, INT_MAX));
}

void TplxLegendRow::setHeight(int height)
{
    FHeight = height;
    if (TPLXLegend *owner = legend())
        owner->invalidateRowTops();
}

// Rectangles are worked out in 64 bits and clamped, so that huge widths cannot overflow.
TRect TplxLegendRow::firstCellRect()
{
    TPLXLegend *owner = legend();
    const qint64 startX = owner ? owner->getStartX() : 0;
    const qint64 width = owner ? owner->drawer()->getRect().width() : 0;
    const qint64 top = owner ? owner->getRowStartY(getRowIndex()) : 0;
    qint64 left = startX;
    if (FAlignment == raRight || (FAlignment == raStretch && FSplitAt < 1))
        left = startX + width - length(0);
    else if (FAlignment == raCenter)
        left = startX + (width - length(0)) / 2;
    return {PLXSaturatePixel(left), PLXSaturatePixel(top), PLXSaturatePixel(left + FCells[0]->getWidth()),
            PLXSaturatePixel(top + FHeight)};
}

TRect TplxLegendRow::nextCellRect(const TRect &previous, int index)
{
    const TPLXLegend *owner = legend();
    qint64 left = qint64(previous.Right) + (owner ? owner->getBorderThickness() : 0);
    if (owner && FAlignment == raStretch && index == FSplitAt)
        left = qint64(legend()->getStartX()) + owner->drawer()->getRect().width() - length(index);
    return {PLXSaturatePixel(left), previous.Top, PLXSaturatePixel(left + FCells[index]->getWidth()), previous.Bottom};
}

QList<TRect> TplxLegendRow::cellRects()
{
    QList<TRect> rects;
    rects.reserve(cellsCount());
    for (int i = 0; i < cellsCount(); ++i)
        rects.append(i == 0 ? firstCellRect() : nextCellRect(rects.back(), i));
    return rects;
}

TRect TplxLegendRow::getCellRect(int index)
{
    PLX_ASSERT(index >= 0 && index < cellsCount());
    TRect r = firstCellRect();
    for (int i = 1; i <= index; ++i)
        r = nextCellRect(r, i);
    return r;
}

std::unique_ptr<TPLXGanttObject> TplxLegendRowPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                  TPLXEntityFactory &factory)
{
    auto row = std::make_unique<TplxLegendRow>();
    row->FHeight = media.sizeValue(name, QStringLiteral("height"), 20);
    row->FAlignment = media.intValue(name, QStringLiteral("alignment"), raLeft);
    row->FSplitAt = media.intValue(name, QStringLiteral("split at"), 0);
    const QString cells = QStringLiteral("cells");
    plxAdoptListed(factory.loadObjectList(name, cells, media, row.get()), row->FCells, row.get(), name, cells);
    return row;
}
