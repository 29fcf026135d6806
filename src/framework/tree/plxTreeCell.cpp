#include "plxTreeCell.h"
#include "plxColors.h"
#include "plxEntityFactory.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxMedia.h"
#include "plxPertBar.h"
#include "plxPictureResource.h"
#include "plxTextSettings.h"
#include "plxTextualHalo.h"
#include "plxTimeMode.h"
#include "plxTreeGrid.h"
#include "plxTreeNode.h"
#include "plxTreeRow.h"
#include "plxTreeSettings.h"

#include <QLocale>

#include <algorithm>
#include <atomic>
#include <functional>

namespace {

const TPLXKindRegistration<TPLXTreeCellPersistence> treeCellKind("Tree Cell");
const TPLXKindRegistration<TPLXTreeSimpleTextCellPersistence> simpleTextCellKind("Tree Simple Text Cell");
const TPLXKindRegistration<TPLXTreeMultilineTextCellPersistence> multilineCellKind("Tree Multiline Text Cell");
const TPLXKindRegistration<TPLXTreeDateTimeCellPersistence> dateTimeCellKind("Tree Date Time Cell");
const TPLXKindRegistration<TPLXTreeSpinCellPersistence> spinCellKind("Tree Spin Cell");
const TPLXKindRegistration<TPLXTreeCurrencyCellPersistence> currencyCellKind("Tree Currency Cell");
const TPLXKindRegistration<TPLXTreeComboCellPersistence> comboCellKind("Tree Combo Cell");
const TPLXKindRegistration<TPLXTreeImageComboCellPersistence> imageComboCellKind("Tree Image Combo Cell");
const TPLXKindRegistration<TPLXTreeButtonEditCellPersistence> buttonEditCellKind("Tree Button Edit Cell");
const TPLXKindRegistration<TPLXTreeAutoCellPersistence> autoCellKind("Tree Auto Cell");
const TPLXKindRegistration<TPLXTreeSimpleTextCellTypePersistence> simpleTextTypeKind("Simple Text Type");
const TPLXKindRegistration<TPLXTreeMultilineTextCellTypePersistence> multilineTypeKind("Multiline Text Type");
const TPLXKindRegistration<TPLXTreeDateTimeCellTypePersistence> dateTimeTypeKind("Date Time Type");
const TPLXKindRegistration<TPLXTreeSpinCellTypePersistence> spinTypeKind("Spin Type");
const TPLXKindRegistration<TPLXTreeCurrencyCellTypePersistence> currencyTypeKind("Currency Type");
const TPLXKindRegistration<TPLXTreeComboCellTypePersistence> comboTypeKind("Combo Type");
const TPLXKindRegistration<TPLXTreeImageComboCellTypePersistence> imageComboTypeKind("Image Combo Type");
const TPLXKindRegistration<TPLXTreeButtonEditCellTypePersistence> buttonEditTypeKind("Button Edit Type");
const TPLXKindRegistration<TPLXTreeAutoCellStartDatePersistence> startDateTypeKind("Tree AutoCellType.StartDate");
const TPLXKindRegistration<TPLXTreeAutoCellEndDatePersistence> endDateTypeKind("Tree AutoCellType.EndDate");
const TPLXKindRegistration<TPLXTreeAutoCellNumberPersistence> numberTypeKind("Tree AutoCellType.Number");
const TPLXKindRegistration<TPLXTreeAutoCellTaskNameTypePersistence> taskNameTypeKind("AutoCellType.TaskName");

// The document at the top of `object`'s parents; null when the top is something else.
TPLXDocumentSetup *documentAbove(TPLXGanttObject *object)
{
    TPLXGanttObject *top = object;
    while (top && top->getParent())
        top = top->getParent();
    return dynamic_cast<TPLXDocumentSetup *>(top);
}

// The tree grid above `object`: an ancestor, else the tree of the document at the top.
TPLXTreeGrid *gridOf(TPLXGanttObject *object)
{
    for (TPLXGanttObject *o = object; o; o = o->getParent())
        if (auto *grid = dynamic_cast<TPLXTreeGrid *>(o))
            return grid;
    TPLXDocumentSetup *document = documentAbove(object);
    return document ? document->GetTree() : nullptr;
}

// The strict order of texts: ordinal; equal texts are equivalent, so a stable sort keeps their order.
bool textLess(const QString &ta, const QString &tb)
{
    return QString::compare(ta, tb, Qt::CaseSensitive) < 0;
}

bool isTextCell(const TPLXTreeCell *cell)
{
    return dynamic_cast<const TPLXTreeSimpleTextCell *>(cell) || dynamic_cast<const TPLXTreeMultilineTextCell *>(cell);
}

bool textCellLess(TPLXTreeCell *self, TPLXTreeCell *other)
{
    if (!isTextCell(other))
        return true;
    return textLess(self->GetText(), other->GetText());
}

void writeTypeId(TPLXGanttObject &type, IPLXMedia &media, const char *typeId)
{
    media.setStrProperty(type.getUID(), QStringLiteral("typeID"), QLatin1String(typeId));
}

// The index of `row` in its table, -1 when it is not listed.
int tableIndexOf(TPLXGanttRow *row)
{
    TPLXGanttTable *table = row ? row->table() : nullptr;
    if (!table)
        return -1;
    const int order = row->getOrder();
    if (order >= 0 && order < table->countRows() && table->rows().at(order) == row)
        return order;
    return static_cast<int>(table->rows().indexOf(row));
}

template<typename Cell>
TPLXTreeCell *makeCell(TPLXTreeRowSettings *rowSettings, TPLXTreeColSettings *colSettings, TPLXTreeCellType *type,
                       TPLXGanttObject *parent)
{
    auto cell = std::make_unique<Cell>(rowSettings, colSettings, type, parent);
    // With a parent the cell belongs to it; without one the caller takes it.
    return cell.release();
}

} // namespace

// ---------------------------------------------------------------- TPLXCell

TPLXCell::TPLXCell()
{
    FOwnDrawer = std::make_unique<TPLXCellDrawer>(this);
    FDrawer = FOwnDrawer.get();
}

TPLXCell::~TPLXCell() = default;

void TPLXCell::SetTextArranger(std::unique_ptr<TPLXTextArranger> arranger)
{
    FTextArranger = std::move(arranger);
}

void TPLXCell::SetText(const QString &text)
{
    FText = text;
}

TPLXCellDrawer::TPLXCellDrawer(TPLXCell *cell)
    : TPLXDrawer(cell)
{
}

void TPLXCellDrawer::setLayout(int left, int top, int w, int h)
{
    x0 = left;
    y0 = top;
    width = w;
    height = h;
}

void TPLXCellDrawer::setLayout(const TRect &r)
{
    setLayout(r.Left, r.Top, r.width(), r.height());
}

TRect TPLXCellDrawer::getLayout() const
{
    return TRect{x0, y0, x0 + width, y0 + height};
}

TPLXGanttObject *TPLXCellDrawer::locateObject(int x, int y)
{
    if (x >= x0 && x <= x0 + width && y >= y0 && y <= y0 + height)
        return target;
    return nullptr;
}

// -------------------------------------------------------- TPLXTreeCellType

TPLXTreeCellType::TPLXTreeCellType() = default;

TPLXTreeCellType::~TPLXTreeCellType() = default;

const QMetaObject *TPLXTreeCellType::TreeCellClass() const
{
    return &TPLXTreeCell::staticMetaObject;
}

TPLXTreeCell *TPLXTreeCellType::CreateTreeCell(TPLXTreeRowSettings *rowSettings, TPLXTreeColSettings *colSettings,
                                               TPLXGanttObject *parent)
{
    return makeCell<TPLXTreeCell>(rowSettings, colSettings, this, parent);
}

bool TPLXTreeCellType::canSort() const
{
    return false;
}

// ------------------------------------------------------------ TPLXTreeCell

TPLXTreeCell::TPLXTreeCell()
{
    FOwnDrawer = std::make_unique<TPLXTreeCellDrawer>(this);
    FDrawer = FOwnDrawer.get();
}

TPLXTreeCell::TPLXTreeCell(TPLXTreeRowSettings *rowSettings, TPLXTreeColSettings *colSettings,
                           TPLXTreeCellType *dataType, TPLXGanttObject *parent)
    : TPLXTreeCell()
{
    auto ownRow = std::make_unique<TPLXTreeRowSettings>();
    if (rowSettings) {
        ownRow->Assign(*rowSettings);
        ownRow->setGroupColor(rowSettings->getGroupColor());
    }
    ownRow->setParent(this);
    FRowSettings = ownRow.release();
    auto ownCol = std::make_unique<TPLXTreeColSettings>();
    if (colSettings)
        ownCol->Assign(*colSettings);
    ownCol->setParent(this);
    FColSettings = ownCol.release();
    FDataType = dataType;
    setParent(parent);
    buildTextArranger();
}

TPLXTreeCell::~TPLXTreeCell()
{
    // The arranger reads the text settings; drop it first.
    FTextArranger.reset();
}

const QMetaObject *TPLXTreeCell::DataTypeClass() const
{
    return &TPLXTreeCellType::staticMetaObject;
}

bool TPLXTreeCell::lessThan(TPLXTreeCell *)
{
    return false;
}

TPLXTreeRow *TPLXTreeCell::treeRow() const
{
    return dynamic_cast<TPLXTreeRow *>(getParent());
}

TPLXTreeCellDrawer *TPLXTreeCell::cellDrawer() const
{
    return static_cast<TPLXTreeCellDrawer *>(FOwnDrawer.get());
}

int TPLXTreeCell::GetColumnIndex()
{
    const TPLXTreeRow *row = treeRow();
    return row ? row->getCellIndex(this) : -1;
}

int TPLXTreeCell::getMaxWidth()
{
    if (!FTextArranger)
        return 0;
    PLX_ASSERT(getParent() != nullptr);
    const QString text = GetText();
    if (text.isEmpty())
        return 10;
    QString longest;
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    for (QString line : lines) {
        line.remove(QLatin1Char('\n'));
        if (line.size() > longest.size())
            longest = line;
    }
    return FTextArranger->getTextWidth(longest);
}

int TPLXTreeCell::fitHeight()
{
    if (!FTextArranger)
        return 0;
    PLX_ASSERT(getParent() != nullptr);
    // The header cell holds the column's current width; the cell's own copy
    // of the column settings only knows the width the cell was made with.
    int width = FColSettings ? FColSettings->getWidth() : 0;
    if (TPLXTreeGrid *grid = gridOf(this)) {
        if (TPLXTreeHeader *header = grid->getHeader()) {
            const int column = GetColumnIndex();
            if (TPLXTreeHeaderCell *headerCell = column >= 0 ? header->getHeaderCell(column) : nullptr)
                width = headerCell->getWidth();
        }
    }
    const QString text = GetText();
    FTextArranger->wordWrapText(text.isEmpty() ? QStringLiteral("A") : text, width);
    return FTextArranger->fitHeight();
}

void TPLXTreeCell::buildTextArranger()
{
    FTextArranger.reset();
    FTextSettings.reset();
    if (!FRowSettings || !FColSettings)
        return;
    FTextSettings = std::make_unique<TPLXTreeTextSettings>(FRowSettings, FColSettings);
    FTextArranger = std::make_unique<TPLXTextArranger>(FTextSettings.get());
    arrangerRebuilt();
}

void TPLXTreeCell::arrangerRebuilt()
{
}

TPLXGanttObject *TPLXTreeCell::dataTypeObject() const
{
    return FDataType;
}

TPLXGanttObject *TPLXTreeCell::rowSettingsObject() const
{
    return FRowSettings;
}

TPLXGanttObject *TPLXTreeCell::colSettingsObject() const
{
    return FColSettings;
}

QString TPLXTreeCell::storedTypeId() const
{
    // A plain cell has no value and is never written.
    return QString();
}

void TPLXTreeCell::saveValues(const QString &, IPLXMedia &)
{
}

void TPLXTreeCell::doSave(const QString &, IPLXMedia &media, TPLXEntityFactory &factory)
{
    const QString typeId = storedTypeId();
    if (typeId.isEmpty())
        return;
    const QString section = getUID();
    media.setStrProperty(section, QStringLiteral("typeID"), typeId);
    TPLXPersistence::saveChild(section, QStringLiteral("rowSettings"), FRowSettings, media, factory);
    TPLXPersistence::saveChild(section, QStringLiteral("colSettings"), FColSettings, media, factory);
    TPLXPersistence::saveChild(section, QStringLiteral("dataType"), FDataType, media, factory);
    saveValues(section, media);
}

// ------------------------------------------------------ TPLXTreeCellDrawer

TPLXTreeCellDrawer::TPLXTreeCellDrawer(TPLXTreeCell *cell)
    : TPLXCellDrawer(cell)
{
}

void TPLXTreeCellDrawer::Draw(TPLXVisualContext &vc)
{
    auto *cell = static_cast<TPLXTreeCell *>(target);
    const TRect layout = getLayout();
    const TRect clip = vc.clippingArea();
    controlArea = TRect{std::max(layout.Left, clip.Left), std::max(layout.Top, clip.Top),
                        std::min(layout.Right, clip.Right), std::min(layout.Bottom, clip.Bottom)};
    if (controlArea.isEmpty())
        controlArea = TRect{};

    TPLXTreeRow *row = cell->treeRow();
    TPLXTreeGrid *grid = gridOf(cell);
    if (TPLXDataSourceIntf *ds = grid ? grid->dataSource() : nullptr; ds && ds->getOnDrawCell()) {
        bool userDraw = false;
        TPLXVisualContext *context = &vc;
        ds->getOnDrawCell()(row ? row->getIndex() : -1, cell->GetColumnIndex(), layout, cell, context, userDraw);
        if (userDraw)
            return;
    }

    TPLXTextArranger *arranger = cell->GetTextArranger();
    if (!arranger)
        return;
    if (TPLXTreeTextSettings *settings = cell->getTextSettings()) {
        const TPLXTreeNode *node = row ? row->getNode() : nullptr;
        settings->setGroupRow(node && node->hasChildren());
        settings->setSelected(row && row->isSelected());
        settings->setFocused(row && row->isFocused());
    }
    const TRect textRect{std::min(layout.Left + 2 + textIndent, layout.Right - 2), layout.Top + 1, layout.Right - 2,
                         layout.Bottom - 1};
    arranger->wordWrapText(cell->GetText(), textRect.width(), textRect.height());
    if (controlArea.isEmpty())
        return;
    vc.SetClipRect(controlArea);
    if (cell->isFocused())
        arranger->drawTextwhileFocused(vc, textRect, grid ? grid->getFocusedCellColor() : clSilver, clWhite);
    else
        arranger->drawText(vc, textRect);
    vc.ResetClipRect();
}

// ------------------------------------------------- TPLXTreeCellPersistence

void TPLXTreeCellPersistence::loadDataType(TPLXTreeCell &cell, IPLXMedia &media, TPLXEntityFactory &factory) const
{
    cell.FDataType = loadChildAs<TPLXTreeCellType>(QStringLiteral("dataType"), media, factory, &cell);
}

void TPLXTreeCellPersistence::loadCommon(TPLXTreeCell &cell, IPLXMedia &media, TPLXEntityFactory &factory,
                                         bool typeLoaded) const
{
    cell.FRowSettings = loadChildAs<TPLXTreeRowSettings>(QStringLiteral("rowSettings"), media, factory, &cell);
    cell.FColSettings = loadChildAs<TPLXTreeColSettings>(QStringLiteral("colSettings"), media, factory, &cell);
    // A type that failed to load stays registered as loading; asking again
    // would report a circular reference that is not there.
    if (!typeLoaded)
        loadDataType(cell, media, factory);
    // A cell whose settings could not be loaded still draws, with records of its own.
    if (!cell.FRowSettings) {
        auto own = std::make_unique<TPLXTreeRowSettings>();
        own->setParent(&cell);
        cell.FRowSettings = own.release();
    }
    if (!cell.FColSettings) {
        auto own = std::make_unique<TPLXTreeColSettings>();
        own->setParent(&cell);
        cell.FColSettings = own.release();
    }
    cell.buildTextArranger();
}

std::unique_ptr<TPLXGanttObject> TPLXTreeCellPersistence::doLoad(const QString &, IPLXMedia &media,
                                                                 TPLXEntityFactory &factory)
{
    auto cell = std::make_unique<TPLXTreeCell>();
    loadCommon(*cell, media, factory, false);
    return cell;
}

// ------------------------------------------------------------- text cells

void TPLXTreeSimpleTextCellType::doSave(const QString &, IPLXMedia &media, TPLXEntityFactory &)
{
    writeTypeId(*this, media, "Simple Text Type");
}

const QMetaObject *TPLXTreeSimpleTextCellType::TreeCellClass() const
{
    return &TPLXTreeSimpleTextCell::staticMetaObject;
}

TPLXTreeCell *TPLXTreeSimpleTextCellType::CreateTreeCell(TPLXTreeRowSettings *rowSettings,
                                                         TPLXTreeColSettings *colSettings, TPLXGanttObject *parent)
{
    return makeCell<TPLXTreeSimpleTextCell>(rowSettings, colSettings, this, parent);
}

const QMetaObject *TPLXTreeSimpleTextCell::DataTypeClass() const
{
    return &TPLXTreeSimpleTextCellType::staticMetaObject;
}

bool TPLXTreeSimpleTextCell::lessThan(TPLXTreeCell *other)
{
    return textCellLess(this, other);
}

void TPLXTreeSimpleTextCell::saveValues(const QString &section, IPLXMedia &media)
{
    media.setStrProperty(section, QStringLiteral("text"), FText);
}

QString TPLXTreeSimpleTextCell::storedTypeId() const
{
    return QStringLiteral("Tree Simple Text Cell");
}

void TPLXTreeMultilineTextCellType::doSave(const QString &, IPLXMedia &media, TPLXEntityFactory &)
{
    writeTypeId(*this, media, "Multiline Text Type");
}

const QMetaObject *TPLXTreeMultilineTextCellType::TreeCellClass() const
{
    return &TPLXTreeMultilineTextCell::staticMetaObject;
}

TPLXTreeCell *TPLXTreeMultilineTextCellType::CreateTreeCell(TPLXTreeRowSettings *rowSettings,
                                                            TPLXTreeColSettings *colSettings, TPLXGanttObject *parent)
{
    return makeCell<TPLXTreeMultilineTextCell>(rowSettings, colSettings, this, parent);
}

const QMetaObject *TPLXTreeMultilineTextCell::DataTypeClass() const
{
    return &TPLXTreeMultilineTextCellType::staticMetaObject;
}

bool TPLXTreeMultilineTextCell::lessThan(TPLXTreeCell *other)
{
    return textCellLess(this, other);
}

void TPLXTreeMultilineTextCell::saveValues(const QString &section, IPLXMedia &media)
{
    media.setStrProperty(section, QStringLiteral("text"), FText);
}

QString TPLXTreeMultilineTextCell::storedTypeId() const
{
    return QStringLiteral("Tree Multiline Text Cell");
}

void TPLXTreeButtonEditCellType::doSave(const QString &, IPLXMedia &media, TPLXEntityFactory &)
{
    writeTypeId(*this, media, "Button Edit Type");
}

const QMetaObject *TPLXTreeButtonEditCellType::TreeCellClass() const
{
    return &TPLXTreeButtonEditCell::staticMetaObject;
}

TPLXTreeCell *TPLXTreeButtonEditCellType::CreateTreeCell(TPLXTreeRowSettings *rowSettings,
                                                         TPLXTreeColSettings *colSettings, TPLXGanttObject *parent)
{
    return makeCell<TPLXTreeButtonEditCell>(rowSettings, colSettings, this, parent);
}

const QMetaObject *TPLXTreeButtonEditCell::DataTypeClass() const
{
    return &TPLXTreeButtonEditCellType::staticMetaObject;
}

QString TPLXTreeButtonEditCell::storedTypeId() const
{
    return QStringLiteral("Tree Button Edit Cell");
}

// ------------------------------------------------------------- date time

QString PLXFormatCellDate(TDateTime date, bool noTime)
{
    const TPLXDateParts parts = PLXDecodeDate(date);
    const QChar zero(QLatin1Char('0'));
    QString text = QStringLiteral("%1.%2.%3")
                       .arg(parts.dayOfMonth, 2, 10, zero)
                       .arg(parts.month, 2, 10, zero)
                       .arg(parts.year, 4, 10, zero);
    if (!noTime) {
        const qint64 minutes = parts.msOfDay / 60000;
        text += QStringLiteral(" %1:%2")
                    .arg(static_cast<int>(minutes / 60), 2, 10, zero)
                    .arg(static_cast<int>(minutes % 60), 2, 10, zero);
    }
    return text;
}

void TPLXTreeDateTimeCellType::doSave(const QString &, IPLXMedia &media, TPLXEntityFactory &)
{
    writeTypeId(*this, media, "Date Time Type");
    // Written although loading defaults it, so that a column showing times keeps them.
    media.setBoolProperty(getUID(), QStringLiteral("noTime"), FNoTime);
}

const QMetaObject *TPLXTreeDateTimeCellType::TreeCellClass() const
{
    return &TPLXTreeDateTimeCell::staticMetaObject;
}

TPLXTreeCell *TPLXTreeDateTimeCellType::CreateTreeCell(TPLXTreeRowSettings *rowSettings,
                                                       TPLXTreeColSettings *colSettings, TPLXGanttObject *parent)
{
    return makeCell<TPLXTreeDateTimeCell>(rowSettings, colSettings, this, parent);
}

const QMetaObject *TPLXTreeDateTimeCell::DataTypeClass() const
{
    return &TPLXTreeDateTimeCellType::staticMetaObject;
}

bool TPLXTreeDateTimeCell::NoTime() const
{
    const auto *type = dynamic_cast<const TPLXTreeDateTimeCellType *>(FDataType);
    return type && type->getNoTime();
}

void TPLXTreeDateTimeCell::SetDate(TDateTime date)
{
    FDate = date;
    SetText(PLXFormatCellDate(date, NoTime()));
}

bool TPLXTreeDateTimeCell::lessThan(TPLXTreeCell *other)
{
    const auto *o = dynamic_cast<const TPLXTreeDateTimeCell *>(other);
    if (!o)
        return true;
    return FDate < o->FDate;
}

void TPLXTreeDateTimeCell::saveValues(const QString &section, IPLXMedia &media)
{
    media.setRealProperty(section, QStringLiteral("date"), FDate);
}

QString TPLXTreeDateTimeCell::storedTypeId() const
{
    return QStringLiteral("Tree Date Time Cell");
}

// ---------------------------------------------------------------- numbers

void TPLXTreeSpinCellType::doSave(const QString &, IPLXMedia &media, TPLXEntityFactory &)
{
    writeTypeId(*this, media, "Spin Type");
}

const QMetaObject *TPLXTreeSpinCellType::TreeCellClass() const
{
    return &TPLXTreeSpinCell::staticMetaObject;
}

TPLXTreeCell *TPLXTreeSpinCellType::CreateTreeCell(TPLXTreeRowSettings *rowSettings, TPLXTreeColSettings *colSettings,
                                                   TPLXGanttObject *parent)
{
    return makeCell<TPLXTreeSpinCell>(rowSettings, colSettings, this, parent);
}

const QMetaObject *TPLXTreeSpinCell::DataTypeClass() const
{
    return &TPLXTreeSpinCellType::staticMetaObject;
}

void TPLXTreeSpinCell::SetNumber(qint32 number)
{
    FNumber = number;
    SetText(QString::number(number));
}

bool TPLXTreeSpinCell::lessThan(TPLXTreeCell *other)
{
    const auto *o = dynamic_cast<const TPLXTreeSpinCell *>(other);
    if (!o)
        return false;
    return FNumber < o->FNumber;
}

void TPLXTreeSpinCell::saveValues(const QString &section, IPLXMedia &media)
{
    media.setIntProperty(section, QStringLiteral("number"), FNumber);
}

QString TPLXTreeSpinCell::storedTypeId() const
{
    return QStringLiteral("Tree Spin Cell");
}

QString PLXCurrencyText(double value)
{
    const QLocale locale;
    return locale.toCurrencyString(value, locale.currencySymbol(), 2);
}

void TPLXTreeCurrencyCellType::doSave(const QString &, IPLXMedia &media, TPLXEntityFactory &)
{
    writeTypeId(*this, media, "Currency Type");
}

const QMetaObject *TPLXTreeCurrencyCellType::TreeCellClass() const
{
    return &TPLXTreeCurrencyCell::staticMetaObject;
}

TPLXTreeCell *TPLXTreeCurrencyCellType::CreateTreeCell(TPLXTreeRowSettings *rowSettings,
                                                       TPLXTreeColSettings *colSettings, TPLXGanttObject *parent)
{
    return makeCell<TPLXTreeCurrencyCell>(rowSettings, colSettings, this, parent);
}

const QMetaObject *TPLXTreeCurrencyCell::DataTypeClass() const
{
    return &TPLXTreeCurrencyCellType::staticMetaObject;
}

void TPLXTreeCurrencyCell::SetValue(double value)
{
    FValue = value;
    SetText(PLXCurrencyText(value));
}

void TPLXTreeCurrencyCell::saveValues(const QString &section, IPLXMedia &media)
{
    // The text is written for readers of the file; loading derives it from the value.
    media.setStrProperty(section, QStringLiteral("text"), FText);
    media.setRealProperty(section, QStringLiteral("value"), FValue);
}

QString TPLXTreeCurrencyCell::storedTypeId() const
{
    return QStringLiteral("Tree Currency Cell");
}

// ---------------------------------------------------------------- choices

void TPLXTreeComboCellType::doSave(const QString &, IPLXMedia &media, TPLXEntityFactory &)
{
    writeTypeId(*this, media, "Combo Type");
}

const QMetaObject *TPLXTreeComboCellType::TreeCellClass() const
{
    return &TPLXTreeComboCell::staticMetaObject;
}

TPLXTreeCell *TPLXTreeComboCellType::CreateTreeCell(TPLXTreeRowSettings *rowSettings, TPLXTreeColSettings *colSettings,
                                                    TPLXGanttObject *parent)
{
    return makeCell<TPLXTreeComboCell>(rowSettings, colSettings, this, parent);
}

const QMetaObject *TPLXTreeComboCell::DataTypeClass() const
{
    return &TPLXTreeComboCellType::staticMetaObject;
}

void TPLXTreeComboCell::saveValues(const QString &section, IPLXMedia &media)
{
    media.setStrProperty(section, QStringLiteral("text"), FText);
}

QString TPLXTreeComboCell::storedTypeId() const
{
    return QStringLiteral("Tree Combo Cell");
}

void TPLXTreeImageComboCellType::doSave(const QString &, IPLXMedia &media, TPLXEntityFactory &)
{
    writeTypeId(*this, media, "Image Combo Type");
}

const QMetaObject *TPLXTreeImageComboCellType::TreeCellClass() const
{
    return &TPLXTreeImageComboCell::staticMetaObject;
}

TPLXTreeCell *TPLXTreeImageComboCellType::CreateTreeCell(TPLXTreeRowSettings *rowSettings,
                                                         TPLXTreeColSettings *colSettings, TPLXGanttObject *parent)
{
    return makeCell<TPLXTreeImageComboCell>(rowSettings, colSettings, this, parent);
}

const QMetaObject *TPLXTreeImageComboCell::DataTypeClass() const
{
    return &TPLXTreeImageComboCellType::staticMetaObject;
}

void TPLXTreeImageComboCell::SetText(const QString &text)
{
    TPLXTreeCell::SetText(text);
    const auto *type = dynamic_cast<const TPLXTreeImageComboCellType *>(FDataType);
    FImageIndex = type ? static_cast<int>(type->getItems().indexOf(text)) : -1;
    FPicture =
        FImageIndex >= 0 && FImageIndex < type->getImages().size() ? type->getImages().at(FImageIndex) : QImage();
    arrangerRebuilt();
}

void TPLXTreeImageComboCell::arrangerRebuilt()
{
    if (FTextArranger)
        FTextArranger->setImage(FPicture.isNull() ? nullptr : &FPicture);
}

void TPLXTreeImageComboCell::saveValues(const QString &section, IPLXMedia &media)
{
    media.setStrProperty(section, QStringLiteral("text"), FText);
}

QString TPLXTreeImageComboCell::storedTypeId() const
{
    return QStringLiteral("Tree Image Combo Cell");
}

// -------------------------------------------------------- automatic cells

void TPLXTreeAutoCellType::doSave(const QString &, IPLXMedia &media, TPLXEntityFactory &)
{
    // The base kind has no row of its own; it is stored as the numbering kind.
    writeTypeId(*this, media, "Tree AutoCellType.Number");
}

const QMetaObject *TPLXTreeAutoCellType::TreeCellClass() const
{
    return &TPLXTreeAutoCell::staticMetaObject;
}

TPLXTreeCell *TPLXTreeAutoCellType::CreateTreeCell(TPLXTreeRowSettings *rowSettings, TPLXTreeColSettings *colSettings,
                                                   TPLXGanttObject *parent)
{
    return makeCell<TPLXTreeAutoCell>(rowSettings, colSettings, this, parent);
}

QString TPLXTreeAutoCellType::calculateValue(TPLXGanttRow *)
{
    return QString();
}

bool TPLXTreeAutoCellType::lessThan(TPLXGanttRow *, TPLXGanttRow *)
{
    return false;
}

namespace {

// Rows without bars come first; then by `date`.
bool barDateLess(TPLXGanttRow *a, TPLXGanttRow *b, TDateTime (TPLXGanttRow::*date)())
{
    const bool aHas = a && a->GetBarCount() > 0;
    const bool bHas = b && b->GetBarCount() > 0;
    if (aHas != bHas)
        return bHas;
    return aHas && (a->*date)() < (b->*date)();
}

} // namespace

void TPLXTreeAutoCellStartDate::doSave(const QString &, IPLXMedia &media, TPLXEntityFactory &)
{
    writeTypeId(*this, media, "Tree AutoCellType.StartDate");
}

QString TPLXTreeAutoCellStartDate::calculateValue(TPLXGanttRow *ganttRow)
{
    if (!ganttRow || ganttRow->GetBarCount() == 0)
        return QString();
    return PLXFormatCellDate(ganttRow->FindFirstStartDate(), true);
}

bool TPLXTreeAutoCellStartDate::lessThan(TPLXGanttRow *rowA, TPLXGanttRow *rowB)
{
    return barDateLess(rowA, rowB, &TPLXGanttRow::FindFirstStartDate);
}

void TPLXTreeAutoCellEndDate::doSave(const QString &, IPLXMedia &media, TPLXEntityFactory &)
{
    writeTypeId(*this, media, "Tree AutoCellType.EndDate");
}

QString TPLXTreeAutoCellEndDate::calculateValue(TPLXGanttRow *ganttRow)
{
    if (!ganttRow || ganttRow->GetBarCount() == 0)
        return QString();
    return PLXFormatCellDate(ganttRow->FindLastEndDate(), true);
}

bool TPLXTreeAutoCellEndDate::lessThan(TPLXGanttRow *rowA, TPLXGanttRow *rowB)
{
    return barDateLess(rowA, rowB, &TPLXGanttRow::FindLastEndDate);
}

QString TPLXTreeAutoCellNumber::calculateValue(TPLXGanttRow *ganttRow)
{
    // The tree row with the gantt row's index carries the number.
    const int index = tableIndexOf(ganttRow);
    TPLXTreeGrid *grid = index >= 0 ? gridOf(ganttRow) : nullptr;
    TPLXTreeNode *node = grid ? grid->findNodeByIndex(index) : nullptr;
    if (!node || node->isTreeRoot())
        return QString();
    return grid->getContinuousNumbering() ? node->numberCont() : node->numberHierchy();
}

void TPLXTreeAutoCellTaskNameType::doSave(const QString &, IPLXMedia &media, TPLXEntityFactory &)
{
    writeTypeId(*this, media, "AutoCellType.TaskName");
}

namespace {

TPLXPertBarSection *mainSectionOf(TPLXGanttRow *row)
{
    TPLXPertBar *bar = row ? row->pertBar() : nullptr;
    return bar ? bar->mainSection() : nullptr;
}

} // namespace

QString TPLXTreeAutoCellTaskNameType::calculateValue(TPLXGanttRow *ganttRow)
{
    const TPLXPertBarSection *section = mainSectionOf(ganttRow);
    return section ? section->getText() : QString();
}

bool TPLXTreeAutoCellTaskNameType::lessThan(TPLXGanttRow *rowA, TPLXGanttRow *rowB)
{
    const bool aHas = rowA && rowA->pertBar();
    const bool bHas = rowB && rowB->pertBar();
    if (aHas != bHas)
        return bHas;
    return aHas && textLess(calculateValue(rowA), calculateValue(rowB));
}

TPLXTreeAutoCell::TPLXTreeAutoCell()
{
    FOwnDrawer = std::make_unique<TPLXTreeAutoCellDrawer>(this);
    FDrawer = FOwnDrawer.get();
}

TPLXTreeAutoCell::TPLXTreeAutoCell(TPLXTreeRowSettings *rowSettings, TPLXTreeColSettings *colSettings,
                                   TPLXTreeCellType *dataType, TPLXGanttObject *parent)
    : TPLXTreeCell(rowSettings, colSettings, dataType, parent)
{
    FOwnDrawer = std::make_unique<TPLXTreeAutoCellDrawer>(this);
    FDrawer = FOwnDrawer.get();
}

TPLXGanttRow *TPLXTreeAutoCell::ganttRow() const
{
    // Only a row inside a document has a table to look its gantt row up in.
    TPLXTreeRow *row = treeRow();
    return row && documentAbove(row) ? row->getRow() : nullptr;
}

namespace {

// Counts chart changes of every document; a counter per document would cost a climb to the document per read.
std::atomic<quint64> chartGenerations{0};

} // namespace

quint64 TPLXTreeAutoCell::chartGeneration()
{
    return chartGenerations.load(std::memory_order_relaxed);
}

void TPLXTreeAutoCell::chartChanged()
{
    chartGenerations.fetch_add(1, std::memory_order_relaxed);
}

void TPLXTreeAutoCell::updateText()
{
    FGeneration = chartGeneration();
    // Setting a text arranges it again: only a changed one is set.
    if (auto *type = dynamic_cast<TPLXTreeAutoCellType *>(FDataType))
        if (QString text = type->calculateValue(ganttRow()); text != FText)
            SetText(text);
}

void TPLXTreeAutoCell::refreshText() const
{
    // Entities live on the heap and are never const objects: casting the read's constness away is defined.
    if (FGeneration != chartGeneration())
        const_cast<TPLXTreeAutoCell *>(this)->updateText();
}

bool TPLXTreeAutoCell::lessThan(TPLXTreeCell *other)
{
    auto *o = dynamic_cast<TPLXTreeAutoCell *>(other);
    auto *type = dynamic_cast<TPLXTreeAutoCellType *>(FDataType);
    if (!o || !type)
        return false;
    return type->lessThan(ganttRow(), o->ganttRow());
}

void TPLXTreeAutoCell::saveValues(const QString &section, IPLXMedia &media)
{
    media.setStrProperty(section, QStringLiteral("text"), GetText());
}

QString TPLXTreeAutoCell::storedTypeId() const
{
    return QStringLiteral("Tree Auto Cell");
}

TPLXTreeAutoCellDrawer::TPLXTreeAutoCellDrawer(TPLXTreeAutoCell *cell)
    : TPLXTreeCellDrawer(cell)
{
}

void TPLXTreeAutoCellDrawer::Draw(TPLXVisualContext &vc)
{
    static_cast<TPLXTreeAutoCell *>(target)->updateText();
    TPLXTreeCellDrawer::Draw(vc);
}

// ------------------------------------------------------------ persistence

namespace {

template<typename Cell, typename Read>
std::unique_ptr<TPLXGanttObject> loadCell(const TPLXTreeCellPersistence &persistence, IPLXMedia &media,
                                          TPLXEntityFactory &factory, Read readValues)
{
    auto cell = std::make_unique<Cell>();
    persistence.loadDataType(*cell, media, factory);
    readValues(*cell);
    persistence.loadCommon(*cell, media, factory, true);
    return cell;
}

} // namespace

std::unique_ptr<TPLXGanttObject> TPLXTreeSimpleTextCellPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                           TPLXEntityFactory &factory)
{
    return loadCell<TPLXTreeSimpleTextCell>(*this, media, factory, [&](TPLXTreeSimpleTextCell &cell) {
        cell.SetText(media.strValue(name, QStringLiteral("text"), QString()));
    });
}

std::unique_ptr<TPLXGanttObject> TPLXTreeMultilineTextCellPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                              TPLXEntityFactory &factory)
{
    return loadCell<TPLXTreeMultilineTextCell>(*this, media, factory, [&](TPLXTreeMultilineTextCell &cell) {
        cell.SetText(media.strValue(name, QStringLiteral("text"), QString()));
    });
}

std::unique_ptr<TPLXGanttObject> TPLXTreeButtonEditCellPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                           TPLXEntityFactory &factory)
{
    return loadCell<TPLXTreeButtonEditCell>(*this, media, factory, [&](TPLXTreeButtonEditCell &cell) {
        cell.SetText(media.strValue(name, QStringLiteral("text"), QString()));
    });
}

std::unique_ptr<TPLXGanttObject> TPLXTreeDateTimeCellPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                         TPLXEntityFactory &factory)
{
    return loadCell<TPLXTreeDateTimeCell>(*this, media, factory, [&](TPLXTreeDateTimeCell &cell) {
        cell.SetDate(media.dateValue(name, QStringLiteral("date"), 0));
    });
}

std::unique_ptr<TPLXGanttObject> TPLXTreeSpinCellPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                     TPLXEntityFactory &factory)
{
    return loadCell<TPLXTreeSpinCell>(*this, media, factory, [&](TPLXTreeSpinCell &cell) {
        cell.SetNumber(media.intValue(name, QStringLiteral("number"), 0));
    });
}

std::unique_ptr<TPLXGanttObject> TPLXTreeCurrencyCellPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                         TPLXEntityFactory &factory)
{
    return loadCell<TPLXTreeCurrencyCell>(*this, media, factory, [&](TPLXTreeCurrencyCell &cell) {
        cell.SetValue(media.realValue(name, QStringLiteral("value"), 0));
    });
}

std::unique_ptr<TPLXGanttObject> TPLXTreeComboCellPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                      TPLXEntityFactory &factory)
{
    return loadCell<TPLXTreeComboCell>(*this, media, factory, [&](TPLXTreeComboCell &cell) {
        cell.SetText(media.strValue(name, QStringLiteral("text"), QString()));
    });
}

std::unique_ptr<TPLXGanttObject> TPLXTreeImageComboCellPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                           TPLXEntityFactory &factory)
{
    return loadCell<TPLXTreeImageComboCell>(*this, media, factory, [&](TPLXTreeImageComboCell &cell) {
        cell.SetText(media.strValue(name, QStringLiteral("text"), QString()));
    });
}

std::unique_ptr<TPLXGanttObject> TPLXTreeAutoCellPersistence::doLoad(const QString &, IPLXMedia &media,
                                                                     TPLXEntityFactory &factory)
{
    // The stored text is only a copy of what the type computes.
    return loadCell<TPLXTreeAutoCell>(*this, media, factory, [](TPLXTreeAutoCell &) {});
}

namespace {

template<typename Type>
std::unique_ptr<Type> plainType()
{
    return std::make_unique<Type>();
}

} // namespace

std::unique_ptr<TPLXGanttObject> TPLXTreeSimpleTextCellTypePersistence::doLoad(const QString &, IPLXMedia &,
                                                                               TPLXEntityFactory &)
{
    return plainType<TPLXTreeSimpleTextCellType>();
}

std::unique_ptr<TPLXGanttObject> TPLXTreeMultilineTextCellTypePersistence::doLoad(const QString &, IPLXMedia &,
                                                                                  TPLXEntityFactory &)
{
    return plainType<TPLXTreeMultilineTextCellType>();
}

std::unique_ptr<TPLXGanttObject> TPLXTreeButtonEditCellTypePersistence::doLoad(const QString &, IPLXMedia &,
                                                                               TPLXEntityFactory &)
{
    return plainType<TPLXTreeButtonEditCellType>();
}

std::unique_ptr<TPLXGanttObject> TPLXTreeDateTimeCellTypePersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                             TPLXEntityFactory &)
{
    auto type = plainType<TPLXTreeDateTimeCellType>();
    type->setNoTime(media.boolValue(name, QStringLiteral("noTime"), true));
    return type;
}

std::unique_ptr<TPLXGanttObject> TPLXTreeSpinCellTypePersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                         TPLXEntityFactory &)
{
    auto type = plainType<TPLXTreeSpinCellType>();
    type->setMin(media.intValue(name, QStringLiteral("min"), 0));
    type->setMax(media.intValue(name, QStringLiteral("max"), 0));
    return type;
}

std::unique_ptr<TPLXGanttObject> TPLXTreeCurrencyCellTypePersistence::doLoad(const QString &, IPLXMedia &,
                                                                             TPLXEntityFactory &)
{
    return plainType<TPLXTreeCurrencyCellType>();
}

std::unique_ptr<TPLXGanttObject> TPLXTreeComboCellTypePersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                          TPLXEntityFactory &)
{
    auto type = plainType<TPLXTreeComboCellType>();
    type->setItems(media.strArray(name, QStringLiteral("items")));
    return type;
}

std::unique_ptr<TPLXGanttObject> TPLXTreeImageComboCellTypePersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                               TPLXEntityFactory &factory)
{
    auto type = plainType<TPLXTreeImageComboCellType>();
    type->setItems(media.strArray(name, QStringLiteral("items")));
    QList<QImage> images;
    for (TPLXGanttObject *object : factory.loadObjectList(name, QStringLiteral("images"), media, type.get()))
        if (const auto *picture = dynamic_cast<const TPLXPictureResource *>(object))
            images.append(picture->graphic());
    type->setImages(images);
    return type;
}

std::unique_ptr<TPLXGanttObject> TPLXTreeAutoCellStartDatePersistence::doLoad(const QString &, IPLXMedia &,
                                                                              TPLXEntityFactory &)
{
    return plainType<TPLXTreeAutoCellStartDate>();
}

std::unique_ptr<TPLXGanttObject> TPLXTreeAutoCellEndDatePersistence::doLoad(const QString &, IPLXMedia &,
                                                                            TPLXEntityFactory &)
{
    return plainType<TPLXTreeAutoCellEndDate>();
}

std::unique_ptr<TPLXGanttObject> TPLXTreeAutoCellNumberPersistence::doLoad(const QString &, IPLXMedia &,
                                                                           TPLXEntityFactory &)
{
    return plainType<TPLXTreeAutoCellNumber>();
}

std::unique_ptr<TPLXGanttObject> TPLXTreeAutoCellTaskNameTypePersistence::doLoad(const QString &, IPLXMedia &,
                                                                                 TPLXEntityFactory &)
{
    return plainType<TPLXTreeAutoCellTaskNameType>();
}

// ----------------------------------------------- TPLXTreeCellResizeOperation

TPLXTreeCellResizeOperation::TPLXTreeCellResizeOperation(TPLXDataSourceIntf *dataSource,
                                                         TPLXTreeHeaderCell *headerCell, int newWidth)
    : TPLXOperation(dataSource)
    , FHeaderCell(headerCell)
    , FNewWidth(newWidth)
    , FOldWidth(headerCell ? headerCell->getWidth() : 0)
{
}

bool TPLXTreeCellResizeOperation::apply(int width)
{
    if (!FHeaderCell)
        return false;
    FHeaderCell->setWidth(width);
    if (TPLXTreeGrid *grid = gridOf(FHeaderCell))
        grid->updateNodes();
    if (FDataSource && FDataSource->getOnTreeColumnResize())
        FDataSource->getOnTreeColumnResize()(FHeaderCell, width);
    return true;
}

bool TPLXTreeCellResizeOperation::perform()
{
    // Undo returns to the width of the moment of performing, also when the column changed since construction.
    if (FHeaderCell)
        FOldWidth = FHeaderCell->getWidth();
    return apply(FNewWidth);
}

bool TPLXTreeCellResizeOperation::undo()
{
    return apply(FOldWidth);
}
