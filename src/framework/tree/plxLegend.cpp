#include "plxLegend.h"
#include "plxColors.h"
#include "plxEntityFactory.h"
#include "plxMedia.h"
#include "plxPlatform.h"
#include "plxTextSettings.h"
#include "plxTextualHalo.h"
#include "plxVisualContext.h"

#include <algorithm>
#include <utility>

namespace {

const TPLXKindRegistration<TPLXLegendPersistence> legendKind("Legend");
const TPLXKindRegistration<TplxLegendRowPersistence> rowKind("Legend Row");
const TPLXKindRegistration<TPLXLegendCellPersistence> cellKind("Legend Cell");
const TPLXKindRegistration<TPLXLegendBorderPersistence> borderKind("Custom Legend Border");

// Takes `child` into `owner`'s branch and lets it replace `field`.
template<typename T>
void adopt(TPLXGanttObject *owner, T *&field, T *child)
{
    if (field == child)
        return;
    if (field && field->getParent() == owner)
        delete field;
    field = child;
    if (child)
        child->setParent(owner);
}

// A non-negative integer key; a negative value is reported and the default used.
int nonNegative(IPLXMedia &media, const QString &section, const char *key, int def)
{
    const QString k = QString::fromLatin1(key);
    const int value = media.intValue(section, k, def);
    if (value >= 0)
        return std::min(value, PLXLimits::kMaxSize);
    PLXLog(QStringLiteral("\"%1\" of \"%2\" is %3, below zero; %4 is used").arg(k, section).arg(value).arg(def));
    return def;
}

// The child named under `key`, or null without a log line when the key is missing.
TPLXGanttObject *optionalChild(const TPLXPersistence &persistence, const char *key, const QString &section,
                               IPLXMedia &media, TPLXEntityFactory &factory, TPLXGanttObject *parent)
{
    const QString k = QString::fromLatin1(key);
    if (media.strValue(section, k, QString()).isEmpty())
        return nullptr;
    return persistence.loadChild(k, media, factory, parent);
}

} // namespace

// ------------------------------------------------------------ TPLXLegendCell

TPLXLegendCell::TPLXLegendCell()
{
    FOwnDrawer = std::make_unique<TPLXLegendCellDrawer>(this);
    FDrawer = FOwnDrawer.get();
}

TPLXLegendCell::~TPLXLegendCell() = default;

IPLXTextSettings *TPLXLegendCell::getTextSettings() const
{
    if (FTextSettings)
        return FTextSettings;
    TPLXLegend *owner = legend();
    return owner ? owner->getDefaultTextSettings() : nullptr;
}

void TPLXLegendCell::setTextSettings(TPLXTextSettings *settings)
{
    adopt<TPLXTextSettings>(this, FTextSettings, settings);
}

TPLXLegend *TPLXLegendCell::legend() const
{
    auto *row = dynamic_cast<TplxLegendRow *>(getParent());
    return row ? row->legend() : nullptr;
}

// ------------------------------------------------------------ TplxLegendRow

TplxLegendRow::TplxLegendRow()
    : FOwnDrawer(std::make_unique<TplxLegendRowDrawer>(this))
{
    FDrawer = FOwnDrawer.get();
}

TplxLegendRow::~TplxLegendRow() = default;

void TplxLegendRow::addCell(TPLXLegendCell *cell)
{
    if (!cell || FCells.contains(cell))
        return;
    cell->setParent(this);
    FCells.append(cell);
}

TPLXLegend *TplxLegendRow::legend() const
{
    return dynamic_cast<TPLXLegend *>(getParent());
}

int TplxLegendRow::getRowIndex()
{
    if (FIndex < 0)
        if (TPLXLegend *owner = legend())
            FIndex = owner->getRowIndex(this);
    return FIndex;
}

int TplxLegendRow::length(int from) const
{
    const TPLXLegend *owner = legend();
    const qint64 t = owner ? owner->getBorderThickness() : 0;
    qint64 sum = t;
    for (int j = std::max(from, 0); j < cellsCount(); ++j)
        sum += FCells[j]->getWidth() + t;
    return PLXSaturatePixel(sum);
}

TRect TplxLegendRow::firstCellRect()
{
    TPLXLegend *owner = legend();
    PLX_ASSERT(owner);
    const int startX = owner->getStartX();
    const int W = owner->getLayout().width();
    const int top = owner->getRowStartY(this);
    int left = startX;
    switch (FAlignment) {
    case raRight:
        left = startX + W - length(0);
        break;
    case raCenter:
        left = startX + (W - length(0)) / 2;
        break;
    case raStretch:
        if (FSplitAt < 1)
            left = startX + W - length(0);
        break;
    default:
        break;
    }
    return {left, top, left + (FCells.isEmpty() ? 0 : FCells[0]->getWidth()), top + FHeight};
}

TRect TplxLegendRow::nextCellRect(const TRect &previous, int index)
{
    TPLXLegend *owner = legend();
    const int left = FAlignment == raStretch && index == FSplitAt
                         ? owner->getStartX() + owner->getLayout().width() - length(index)
                         : previous.Right + owner->getBorderThickness();
    return {left, previous.Top, left + FCells[index]->getWidth(), previous.Bottom};
}

TRect TplxLegendRow::getCellRect(int index)
{
    PLX_ASSERT(index >= 0 && index < cellsCount());
    TRect r = firstCellRect();
    for (int i = 1; i <= index; ++i)
        r = nextCellRect(r, i);
    return r;
}

// ------------------------------------------------------------ TPLXLegendBorder

TPLXLegendBorder::TPLXLegendBorder()
{
    FOwnDrawer = std::make_unique<TPLXLegendBorderDrawer>(this);
    FDrawer = FOwnDrawer.get();
}

TPLXLegendBorder::TPLXLegendBorder(int startRow, int startCell, int endRow, int endCell, int thickness, TColor color)
    : TPLXLegendBorder()
{
    FStartRow = startRow;
    FStartCell = startCell;
    FEndRow = endRow;
    FEndCell = endCell;
    FThickness = thickness;
    FColor = color;
}

TPLXLegendBorder::~TPLXLegendBorder() = default;

bool TPLXLegendBorder::fitsInto(const TPLXLegend &legend) const
{
    const auto exists = [&legend](int row, int cell) {
        return row >= 0 && row < legend.rowsCount() && cell >= 0 && cell < legend.getRow(row)->cellsCount();
    };
    return exists(FStartRow, FStartCell) && exists(FEndRow, FEndCell);
}

TRect TPLXLegendBorder::outerRect(TPLXLegend &legend) const
{
    const TRect first = legend.getCellRect(FStartRow, FStartCell);
    const TRect last = legend.getCellRect(FEndRow, FEndCell);
    const int grow = FThickness / 2;
    return {first.Left - grow, first.Top - grow, last.Right + grow, last.Bottom + grow};
}

// ------------------------------------------------------------ TPLXLegend

TPLXLegend::TPLXLegend()
    : FOwnDrawer(std::make_unique<TPLXLegendDrawer>(this))
{
    FDrawer = FOwnDrawer.get();
}

TPLXLegend::~TPLXLegend() = default;

void TPLXLegend::addRow(TplxLegendRow *row)
{
    row->setParent(this);
    FRows.append(row);
}

void TPLXLegend::addBlankRow(int height, int count)
{
    for (int i = 0; i < count; ++i) {
        auto row = std::make_unique<TplxLegendRow>();
        row->setHeight(height);
        addRow(row.release());
    }
}

void TPLXLegend::clearRows()
{
    const QList<TplxLegendRow *> rows = std::exchange(FRows, {});
    qDeleteAll(rows);
}

void TPLXLegend::clearborders()
{
    const QList<TPLXLegendBorder *> borders = std::exchange(FBorders, {});
    qDeleteAll(borders);
}

void TPLXLegend::addBorder(TPLXLegendBorder *border)
{
    if (!border || FBorders.contains(border))
        return;
    border->setParent(this);
    FBorders.append(border);
}

TplxLegendRow *TPLXLegend::getRow(int index) const
{
    PLX_ASSERT(index >= 0 && index < rowsCount());
    return FRows[index];
}

TPLXLegendBorder *TPLXLegend::getBorder(int index) const
{
    PLX_ASSERT(index >= 0 && index < bordersCount());
    return FBorders[index];
}

TRect TPLXLegend::getCellRect(int row, int cell) const
{
    return getRow(row)->getCellRect(cell);
}

int TPLXLegend::getRowStartY(const TplxLegendRow *row) const
{
    qint64 y = qint64(FLayout.Top) + FBorderThickness;
    for (const TplxLegendRow *r : FRows) {
        if (r == row)
            break;
        y += r->getHeight() + FBorderThickness;
    }
    return PLXSaturatePixel(y);
}

int TPLXLegend::getStartX() const
{
    return FLayout.Left + FBorderThickness;
}

void TPLXLegend::SetOffsetX(int x)
{
    FLayout.Left = x;
    FLayout.Right = 2 * x;
}

int TPLXLegend::GetHeight() const
{
    qint64 sum = 0;
    for (const TplxLegendRow *r : FRows)
        sum += r->getHeight();
    return PLXSaturatePixel(sum);
}

int TPLXLegend::GetMinWidth() const
{
    int widest = 0;
    for (const TplxLegendRow *r : FRows)
        widest = std::max(widest, r->GetMinWidth());
    return widest;
}

void TPLXLegend::setDefaultTextSettings(TPLXTextSettings *settings)
{
    adopt<TPLXTextSettings>(this, FDefaultTextSettings, settings);
}

// ------------------------------------------------------------ drawers

TPLXLegendDrawer::TPLXLegendDrawer(TPLXLegend *legend)
    : TPLXDrawer(legend)
{
}

TRect TPLXLegendDrawer::getRect() const
{
    return static_cast<TPLXLegend *>(target)->getLayout();
}

void TPLXLegendDrawer::Draw(TPLXVisualContext &vc)
{
    auto *legend = static_cast<TPLXLegend *>(target);
    const TRect r = legend->getLayout();
    vc.FillArea(r, legend->getBackGroungColor(), bsSolid);
    vc.drawRect(r, psSolid, clBlack);
    // A two-pixel shadow along the right and bottom edges.
    vc.fillBounds({r.Left, r.Top, r.Right, r.Bottom + 1}, {r.Left - 1, r.Top - 1, r.Right - 2, r.Bottom - 1}, clBlack,
                  bsSolid);
    for (int i = 0; i < legend->rowsCount(); ++i)
        legend->getRow(i)->getDrawer(vtGanttGraph)->Draw(vc);
    for (int i = 0; i < legend->bordersCount(); ++i)
        legend->getBorder(i)->getDrawer(vtGanttGraph)->Draw(vc);
}

TplxLegendRowDrawer::TplxLegendRowDrawer(TplxLegendRow *row)
    : TPLXDrawer(row)
{
}

int TplxLegendRowDrawer::getHeight() const
{
    return static_cast<TplxLegendRow *>(target)->getHeight();
}

void TplxLegendRowDrawer::Draw(TPLXVisualContext &vc)
{
    auto *row = static_cast<TplxLegendRow *>(target);
    TPLXLegend *legend = row->legend();
    PLX_ASSERT(legend);
    const int t = legend->getBorderThickness();
    for (int i = 0; i < row->cellsCount(); ++i) {
        const TRect cell = row->getCellRect(i);
        auto *drawer = static_cast<TPLXLegendCellDrawer *>(row->getCell(i)->getDrawer(vtGanttGraph));
        drawer->setLayout(cell);
        const auto &callback = legend->getOnDrawCell();
        if (!callback || !callback(row->getRowIndex(), i, cell, vc))
            drawer->Draw(vc);
        if (t > 0)
            vc.fillBounds({cell.Left - t, cell.Top - t, cell.Right + t, cell.Bottom + t}, cell,
                          legend->getBorderColor(), bsSolid);
    }
}

TPLXLegendCellDrawer::TPLXLegendCellDrawer(TPLXLegendCell *cell)
    : TPLXCellDrawer(cell)
{
}

void TPLXLegendCellDrawer::Draw(TPLXVisualContext &vc)
{
    auto *cell = static_cast<TPLXLegendCell *>(target);
    IPLXTextSettings *settings = cell->getTextSettings();
    const TRect r = getLayout();
    if (!settings)
        return;
    vc.FillArea(r, settings->GetColor(), bsSolid);
    // The arranger borrows the settings: a cell that changed settings gets a new one.
    if (!cell->GetTextArranger() || cell->GetTextArranger()->getTextSettings() != settings)
        cell->SetTextArranger(std::make_unique<TPLXTextArranger>(settings));
    cell->GetTextArranger()->wordWrapText(cell->GetText(), r.width(), r.height());
    cell->GetTextArranger()->drawText(vc, r);
}

TPLXLegendBorderDrawer::TPLXLegendBorderDrawer(TPLXLegendBorder *border)
    : TPLXDrawer(border)
{
}

void TPLXLegendBorderDrawer::Draw(TPLXVisualContext &vc)
{
    auto *border = static_cast<TPLXLegendBorder *>(target);
    auto *legend = dynamic_cast<TPLXLegend *>(border->getParent());
    PLX_ASSERT(legend);
    // A border added at run time around cells that do not exist is not drawn.
    if (!border->fitsInto(*legend))
        return;
    const TRect outer = border->outerRect(*legend);
    const int t = border->getThickness();
    vc.fillBounds(outer, {outer.Left + t, outer.Top + t, outer.Right - t, outer.Bottom - t}, border->getColor(),
                  bsSolid);
}

// ------------------------------------------------------------ persistence

std::unique_ptr<TPLXGanttObject> TPLXLegendPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                               TPLXEntityFactory &factory)
{
    auto legend = std::make_unique<TPLXLegend>();
    TPLXLegend *l = legend.get();
    l->FBackGroungColor = media.colorValue(name, QStringLiteral("background color"), 0xE0E0E0);
    l->FBorderColor = media.colorValue(name, QStringLiteral("border color"), 0x808080);
    l->FBorderThickness = nonNegative(media, name, "border thickness", 1);
    const QStringList rowNames = media.strArray(name, QStringLiteral("rows"));
    const QList<TPLXGanttObject *> rows = factory.loadObjectList(name, QStringLiteral("rows"), media, l);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        auto *row = dynamic_cast<TplxLegendRow *>(rows[i]);
        if (row && !l->FRows.contains(row))
            l->FRows.append(row);
        else
            PLXLog(QStringLiteral("Legend row \"%1\" of \"%2\" is dropped: it did not load as a legend row or is "
                                  "listed twice")
                       .arg(rowNames.value(i), name));
    }
    if (TPLXGanttObject *settings = optionalChild(*this, "default cell settings", name, media, factory, l)) {
        l->FDefaultTextSettings = dynamic_cast<TPLXTextSettings *>(settings);
        if (!l->FDefaultTextSettings)
            PLXLog(QStringLiteral("\"default cell settings\" of \"%1\" are not text settings and are left out")
                       .arg(name));
    }
    const QStringList borderNames = media.strArray(name, QStringLiteral("borders"));
    const QList<TPLXGanttObject *> borders = factory.loadObjectList(name, QStringLiteral("borders"), media, l);
    for (qsizetype i = 0; i < borders.size(); ++i) {
        auto *border = dynamic_cast<TPLXLegendBorder *>(borders[i]);
        if (border && border->fitsInto(*l) && !l->FBorders.contains(border))
            l->FBorders.append(border);
        else
            PLXLog(QStringLiteral("Legend border \"%1\" of \"%2\" is dropped: it did not load, is listed twice or "
                                  "names a row or cell the legend does not have")
                       .arg(borderNames.value(i), name));
    }
    return legend;
}

std::unique_ptr<TPLXGanttObject> TplxLegendRowPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                  TPLXEntityFactory &factory)
{
    auto row = std::make_unique<TplxLegendRow>();
    row->FHeight = nonNegative(media, name, "height", 20);
    row->FAlignment = media.intValueIn(name, QStringLiteral("alignment"), raLeft, raLeft, raStretch);
    row->FSplitAt = media.intValue(name, QStringLiteral("split at"), 0);
    const QStringList cellNames = media.strArray(name, QStringLiteral("cells"));
    const QList<TPLXGanttObject *> cells = factory.loadObjectList(name, QStringLiteral("cells"), media, row.get());
    for (qsizetype i = 0; i < cells.size(); ++i) {
        auto *cell = dynamic_cast<TPLXLegendCell *>(cells[i]);
        if (cell && !row->FCells.contains(cell))
            row->FCells.append(cell);
        else
            PLXLog(QStringLiteral("Legend cell \"%1\" of \"%2\" is dropped: it did not load as a legend cell or is "
                                  "listed twice")
                       .arg(cellNames.value(i), name));
    }
    return row;
}

std::unique_ptr<TPLXGanttObject> TPLXLegendCellPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                   TPLXEntityFactory &factory)
{
    auto cell = std::make_unique<TPLXLegendCell>();
    cell->SetText(media.strValue(name, QStringLiteral("text"), QString()));
    cell->FWidth = nonNegative(media, name, "width", 20);
    // Text settings are optional: a cell without them is not reported.
    if (TPLXGanttObject *settings = optionalChild(*this, "text settings", name, media, factory, cell.get())) {
        cell->FTextSettings = dynamic_cast<TPLXTextSettings *>(settings);
        if (!cell->FTextSettings)
            PLXLog(QStringLiteral("\"text settings\" of \"%1\" are not text settings and are left out").arg(name));
    }
    return cell;
}

std::unique_ptr<TPLXGanttObject> TPLXLegendBorderPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                     TPLXEntityFactory &)
{
    auto border = std::make_unique<TPLXLegendBorder>();
    border->FThickness = nonNegative(media, name, "thickness", 0);
    border->FColor = media.colorValue(name, QStringLiteral("color"), 0);
    border->FStartRow = media.intValue(name, QStringLiteral("start row"), 0);
    border->FStartCell = media.intValue(name, QStringLiteral("start cell"), 0);
    border->FEndRow = media.intValue(name, QStringLiteral("end row"), 0);
    border->FEndCell = media.intValue(name, QStringLiteral("end cell"), 0);
    return border;
}
