#include "plxLegend.h"
#include "plxColors.h"
#include "plxEntityFactory.h"
#include "plxMedia.h"
#include "plxOwnedList.h"
#include "plxTextSettings.h"
#include "plxTextualHalo.h"
#include "plxVisualContext.h"

class TPLXLegendPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Legend"); }
};

class TPLXLegendCellPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Legend Cell"); }
};

namespace {

const TPLXKindRegistration<TPLXLegendPersistence> legendKind("Legend");
const TPLXKindRegistration<TPLXLegendCellPersistence> legendCellKind("Legend Cell");

// Fills the cell with its settings' background and draws its word-wrapped text.
class TPLXLegendCellDrawer : public TPLXCellDrawer
{
public:
    explicit TPLXLegendCellDrawer(TPLXLegendCell *cell)
        : TPLXCellDrawer(cell)
        , FCell(cell)
    {
    }

    void Draw(TPLXVisualContext &vc) override
    {
        TPLXTextSettings *settings = FCell->getTextSettings();
        if (!settings)
            return;
        const TRect r = getLayout();
        vc.FillArea(r, settings->GetColor(), bsSolid);
        // The arranger is bound to its settings: a cell that changes hands gets a new one.
        if (!FCell->GetTextArranger() || FCell->GetTextArranger()->getTextSettings() != settings)
            FCell->SetTextArranger(std::make_unique<TPLXTextArranger>(settings));
        FCell->GetTextArranger()->wordWrapText(FCell->GetText(), r.width());
        FCell->GetTextArranger()->drawText(vc, r);
    }

private:
    TPLXLegendCell *FCell;
};

bool named(IPLXMedia &media, const QString &section, const QString &key)
{
    return !media.strValue(section, key, QString()).isEmpty();
}

} // namespace

// ------------------------------------------------------------ TPLXLegendCell

TPLXLegendCell::TPLXLegendCell()
{
    FOwnDrawer = std::make_unique<TPLXLegendCellDrawer>(this);
    FDrawer = FOwnDrawer.get();
}

TPLXLegendCell::~TPLXLegendCell() = default;

TPLXTextSettings *TPLXLegendCell::getTextSettings() const
{
    if (FTextSettings)
        return FTextSettings;
    const TPLXLegend *owner = legend();
    return owner ? owner->getDefaultTextSettings() : nullptr;
}

void TPLXLegendCell::setTextSettings(std::unique_ptr<TPLXTextSettings> settings)
{
    replaceOwned(FTextSettings, settings.release());
}

TPLXLegend *TPLXLegendCell::legend() const
{
    const auto *row = dynamic_cast<const TplxLegendRow *>(getParent());
    return row ? row->legend() : nullptr;
}

// ---------------------------------------------------------------- TPLXLegend

TPLXLegend::TPLXLegend()
    : FOwnDrawer(std::make_unique<TPLXLegendDrawer>(this))
{
    FDrawer = FOwnDrawer.get();
}

TPLXLegend::~TPLXLegend() = default;

void TPLXLegend::addBlankRow(int height, int count)
{
    for (int i = 0; i < count; ++i) {
        auto row = std::make_unique<TplxLegendRow>();
        row->setHeight(height);
        row->setParent(this);
        FRows.append(row.release());
    }
    invalidateRowTops();
}

void TPLXLegend::clearRows()
{
    qDeleteAll(std::exchange(FRows, {}));
    invalidateRowTops();
}

void TPLXLegend::clearborders()
{
    qDeleteAll(std::exchange(FBorders, {}));
}

TPLXLegendBorder *TPLXLegend::addBorder(std::unique_ptr<TPLXLegendBorder> border)
{
    PLX_ASSERT(border != nullptr);
    border->setParent(this);
    FBorders.append(border.get());
    return border.release();
}

TplxLegendRow *TPLXLegend::getRow(int index) const
{
    return index >= 0 && index < rowsCount() ? FRows[index] : nullptr;
}

TPLXLegendBorder *TPLXLegend::getBorder(int index) const
{
    PLX_ASSERT(index >= 0 && index < bordersCount());
    return FBorders[index];
}

TRect TPLXLegend::getCellRect(int row, int cell)
{
    PLX_ASSERT(row >= 0 && row < rowsCount());
    return FRows[row]->getCellRect(cell);
}

int TPLXLegend::getRowStartY(int row)
{
    if (FRowTops.size() != size_t(rowsCount()) + 1) {
        FRowTops.assign(1, 0);
        for (const TplxLegendRow *r : std::as_const(FRows))
            FRowTops.push_back(FRowTops.back() + r->getHeight() + FBorderThickness);
    }
    const qint64 below = FRowTops[size_t(std::clamp(row, 0, rowsCount()))];
    return PLXSaturatePixel(qint64(FOwnDrawer->getRect().Top) + FBorderThickness + below);
}

int TPLXLegend::getStartX()
{
    return FOwnDrawer->getRect().Left + FBorderThickness;
}

void TPLXLegend::SetOffsetX(int x)
{
    TRect r = FOwnDrawer->getRect();
    r.Left = x;
    r.Right = 2 * x;
    FOwnDrawer->SetLayout(r);
}

int TPLXLegend::GetHeight() const
{
    qint64 height = 0;
    for (const TplxLegendRow *row : FRows)
        height += row->getHeight();
    return int(std::min<qint64>(height, INT_MAX));
}

int TPLXLegend::GetMinWidth() const
{
    int width = 0;
    for (const TplxLegendRow *row : FRows)
        width = std::max(width, row->GetMinWidth());
    return width;
}

void TPLXLegend::setDefaultTextSettings(std::unique_ptr<TPLXTextSettings> settings)
{
    replaceOwned(FDefaultTextSettings, settings.release());
}

// ---------------------------------------------------------- TPLXLegendDrawer

TPLXLegendDrawer::TPLXLegendDrawer(TPLXLegend *legend)
    : TPLXDrawer(legend)
{
}

void TPLXLegendDrawer::Draw(TPLXVisualContext &vc)
{
    auto *legend = static_cast<TPLXLegend *>(target);
    const TRect &r = FRect;
    vc.FillArea(r, legend->getBackGroungColor(), bsSolid);
    vc.drawRect(r, psSolid, clBlack);
    // Two dark pixels along the right and bottom sides: the legend's shadow.
    vc.fillBounds({r.Left, r.Top, r.Right, r.Bottom + 1}, {r.Left - 1, r.Top - 1, r.Right - 2, r.Bottom - 1}, clBlack,
                  bsSolid);
    for (int i = 0; i < legend->rowsCount(); ++i)
        legend->getRow(i)->getDrawer(vtGanttGraph)->Draw(vc);
    for (int i = 0; i < legend->bordersCount(); ++i)
        legend->getBorder(i)->getDrawer(vtGanttGraph)->Draw(vc);
}

// ------------------------------------------------------------- persistences

std::unique_ptr<TPLXGanttObject> TPLXLegendPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                               TPLXEntityFactory &factory)
{
    auto legend = std::make_unique<TPLXLegend>();
    legend->FBackGroungColor = media.colorValue(name, QStringLiteral("background color"), 0xE0E0E0);
    legend->FBorderColor = media.colorValue(name, QStringLiteral("border color"), 0x808080);
    legend->FBorderThickness = media.sizeValue(name, QStringLiteral("border thickness"), 1);
    if (named(media, name, QStringLiteral("default cell settings")))
        legend->FDefaultTextSettings =
            loadChildAs<TPLXTextSettings>(QStringLiteral("default cell settings"), media, factory, legend.get());
    const QString rows = QStringLiteral("rows"), borders = QStringLiteral("borders");
    plxAdoptListed(factory.loadObjectList(name, rows, media, legend.get()), legend->FRows, legend.get(), name, rows);
    plxAdoptListed(factory.loadObjectList(name, borders, media, legend.get()), legend->FBorders, legend.get(), name,
                   borders);
    for (const TPLXLegendBorder *border : std::as_const(legend->FBorders))
        if (!border->fitsIn(*legend))
            PLXLog(QStringLiteral("Border \"%1\" of legend \"%2\" frames a cell the legend does not have; it is not "
                                  "drawn")
                       .arg(border->getUID(), name));
    return legend;
}

std::unique_ptr<TPLXGanttObject> TPLXLegendCellPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                   TPLXEntityFactory &factory)
{
    auto cell = std::make_unique<TPLXLegendCell>();
    cell->FText = media.strValue(name, QStringLiteral("text"), QString());
    cell->FWidth = media.sizeValue(name, QStringLiteral("width"), 20);
    if (named(media, name, QStringLiteral("text settings")))
        cell->FTextSettings =
            loadChildAs<TPLXTextSettings>(QStringLiteral("text settings"), media, factory, cell.get());
    return cell;
}
