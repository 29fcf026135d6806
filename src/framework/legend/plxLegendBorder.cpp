#include "plxEntityFactory.h"
#include "plxLegend.h"
#include "plxMedia.h"
#include "plxVisualContext.h"

class TPLXLegendBorderPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Custom Legend Border"); }
};

namespace {

const TPLXKindRegistration<TPLXLegendBorderPersistence> legendBorderKind("Custom Legend Border");

// Frames the range of cells, centred on the outline of the corner cells.
class TPLXLegendBorderDrawer : public TPLXCellDrawer
{
public:
    explicit TPLXLegendBorderDrawer(TPLXLegendBorder *border)
        : TPLXCellDrawer(border)
    {
    }

    void Draw(TPLXVisualContext &vc) override
    {
        auto *border = static_cast<TPLXLegendBorder *>(target);
        auto *legend = dynamic_cast<TPLXLegend *>(border->getParent());
        PLX_ASSERT(legend != nullptr);
        if (!border->fitsIn(*legend))
            return;
        const TRect from = legend->getCellRect(border->getStartRow(), border->getStartCell());
        const TRect to = legend->getCellRect(border->getEndRow(), border->getEndCell());
        const int thickness = border->getThickness();
        const int half = thickness / 2;
        const TRect outer{from.Left - half, from.Top - half, to.Right + half, to.Bottom + half};
        setLayout(outer);
        vc.fillBounds(outer,
                      {outer.Left + thickness, outer.Top + thickness, outer.Right - thickness,
                       outer.Bottom - thickness},
                      border->getColor(), bsSolid);
    }
};

} // namespace

TPLXLegendBorder::TPLXLegendBorder()
{
    FOwnDrawer = std::make_unique<TPLXLegendBorderDrawer>(this);
    FDrawer = FOwnDrawer.get();
}

TPLXLegendBorder::~TPLXLegendBorder() = default;

bool TPLXLegendBorder::fitsIn(const TPLXLegend &legend) const
{
    const auto cellExists = [&legend](int row, int cell) {
        const TplxLegendRow *r = legend.getRow(row);
        return r && r->getCell(cell);
    };
    return cellExists(FStartRow, FStartCell) && cellExists(FEndRow, FEndCell);
}

std::unique_ptr<TPLXGanttObject> TPLXLegendBorderPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                     TPLXEntityFactory &)
{
    auto border = std::make_unique<TPLXLegendBorder>();
    border->FThickness = media.sizeValue(name, QStringLiteral("thickness"), 0);
    border->FColor = media.colorValue(name, QStringLiteral("color"), 0);
    border->FStartRow = media.intValue(name, QStringLiteral("start row"), 0);
    border->FStartCell = media.intValue(name, QStringLiteral("start cell"), 0);
    border->FEndRow = media.intValue(name, QStringLiteral("end row"), 0);
    border->FEndCell = media.intValue(name, QStringLiteral("end cell"), 0);
    return border;
}
