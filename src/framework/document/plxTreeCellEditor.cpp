#include "plxTreeCellEditor.h"

#include "plxColors.h"
#include "plxPlatform.h"
#include "plxSpinEdit.h"
#include "plxTimeMode.h"
#include "plxTreeCell.h"
#include "plxTreeGrid.h"
#include "plxTreeRow.h"
#include "plxTreeSettings.h"
#include "plxTypeEditors.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimeEdit>

#include <cmath>

TPLXTreeCellEditor::TPLXTreeCellEditor() = default;

TPLXTreeCellEditor::~TPLXTreeCellEditor() = default;

QWidget *TPLXTreeCellEditor::control() const
{
    return FCell && FCell->isEdited() ? qobject_cast<QWidget *>(FCell->GetDataType()->getControl()) : nullptr;
}

bool TPLXTreeCellEditor::IsModal()
{
    PLX_ASSERT(FCell);
    return !FCell->isEdited();
}

std::unique_ptr<TPLXOperation> TPLXTreeCellEditor::edit(TPLXGanttObject *object)
{
    FCell = dynamic_cast<TPLXTreeCell *>(object);
    TPLXTreeCellType *type = FCell ? FCell->GetDataType() : nullptr;
    if (!type || type->getReadOnly())
        return nullptr;
    TPLXDocumentSetup *setup = FCell->GetDocumentSetup();
    if (TPLXTreeRow *row = FCell->treeRow(); row && setup && setup->GetTree())
        setup->GetTree()->FocusCell(row->getIndex(), FCell->GetColumnIndex());
    auto *control = qobject_cast<QWidget *>(type->getControl());
    if (!control) {
        control = createControl();
        type->setControl(control);
    }
    if (!loadControl(control))
        return nullptr;
    // Taken before the cell is marked, so that undo leaves no cell marked as open.
    FOperation = std::make_unique<TPLXEditObjectOperation>(setup ? setup->getDataSource() : nullptr, FCell);
    FCell->setEdited(true);

    // Out by 2 pixels at the left and top, so the frame covers the grid lines.
    const TRect area = FCell->cellDrawer()->getControlArea();
    control->setGeometry(area.Left - 2, area.Top - 2, area.width() + 2, area.height() + 2);
    if (TPLXControllerIntf *controller = GetController())
        control->setParent(controller->getControl());
    if (const TPLXTreeRowSettings *settings = FCell->getRowSettings()) {
        QPalette palette = control->palette();
        palette.setColor(QPalette::Base, ColorToQColor(settings->getColor()));
        palette.setColor(QPalette::Text, ColorToQColor(settings->fontColor()));
        control->setPalette(palette);
        control->setFont(settings->qFont());
    }
    QWidget *input = inputWidget(control);
    watchControl(input, arrowsLeave());
    control->show();
    input->setFocus();
    return nullptr;
}

std::unique_ptr<TPLXOperation> TPLXTreeCellEditor::FinishEditing()
{
    QWidget *open = control();
    if (!open)
        return nullptr;
    try {
        storeControl(open);
    } catch (const EPLXTypeEditorException &e) {
        PLXShowMessage(e.message());
    }
    if (FCell->GetText().isEmpty())
        FCell->SetText(QStringLiteral(" "));
    FCell->setEdited(false);
    inputWidget(open)->removeEventFilter(this);
    open->hide();
    FOperation->Activate();
    if (!FOperation->changesSomething())
        FOperation.reset();
    return std::move(FOperation);
}

namespace {

// ------------------------------------------------------------ text

class TPLXTreeSimpleTextCellEditor : public TPLXTreeCellEditor
{
protected:
    QWidget *createControl() override { return new QLineEdit; }
    bool loadControl(QWidget *control) override
    {
        auto *edit = static_cast<QLineEdit *>(control);
        edit->setText(cell()->GetText().isEmpty() ? QStringLiteral(" ") : cell()->GetText());
        edit->end(false);
        return true;
    }
    void storeControl(QWidget *control) override { cell()->SetText(static_cast<QLineEdit *>(control)->text()); }
};

class TPLXTreeMultilineTextCellEditor : public TPLXTreeCellEditor
{
protected:
    QWidget *createControl() override { return new QPlainTextEdit; }
    bool loadControl(QWidget *control) override
    {
        static_cast<QPlainTextEdit *>(control)->setPlainText(cell()->GetText());
        return true;
    }
    void storeControl(QWidget *control) override
    {
        cell()->SetText(static_cast<QPlainTextEdit *>(control)->toPlainText());
    }
};

// An edit box and a "..." button that reports the cell to the data source.
class TPLXTreeButtonEditCellEditor : public TPLXTreeSimpleTextCellEditor
{
protected:
    QWidget *createControl() override
    {
        auto *panel = new QWidget;
        auto *layout = new QHBoxLayout(panel);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->addWidget(new QLineEdit(panel), 1);
        auto *button = new QPushButton(QStringLiteral("..."), panel);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedWidth(20);
        layout->addWidget(button);
        return panel;
    }
    bool loadControl(QWidget *control) override
    {
        TPLXTreeSimpleTextCellEditor::loadControl(inputWidget(control));
        auto *button = control->findChild<QPushButton *>();
        // The panel outlives this editor; the connection must not.
        button->disconnect();
        connect(button, &QPushButton::clicked, this, [this] {
            TPLXDocumentSetup *setup = cell()->GetDocumentSetup();
            TPLXDataSourceIntf *dataSource = setup ? setup->getDataSource() : nullptr;
            if (dataSource && dataSource->getOnTreeCellButtonClicked())
                dataSource->getOnTreeCellButtonClicked()(cell());
        });
        return true;
    }
    void storeControl(QWidget *control) override { TPLXTreeSimpleTextCellEditor::storeControl(inputWidget(control)); }
    QWidget *inputWidget(QWidget *control) const override { return control->findChild<QLineEdit *>(); }
};

// ------------------------------------------------------------ date and time

QDate toQDate(TDateTime date)
{
    const TPLXDateParts parts = PLXDecodeDate(date);
    return QDate(parts.year, parts.month, parts.dayOfMonth);
}

// A date picker on the left and, unless the column shows no time, a time picker on the right.
class TPLXTreeDateTimeCellEditor : public TPLXTreeCellEditor
{
protected:
    QWidget *createControl() override
    {
        auto *panel = new QWidget;
        auto *date = new QDateEdit(panel);
        date->setObjectName(QStringLiteral("date"));
        date->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        date->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
        date->setCalendarPopup(true);
        auto *time = new QTimeEdit(panel);
        time->setObjectName(QStringLiteral("time"));
        time->setDisplayFormat(QStringLiteral("HH:mm"));
        return panel;
    }
    bool loadControl(QWidget *control) override
    {
        auto *date = control->findChild<QDateEdit *>();
        auto *time = control->findChild<QTimeEdit *>();
        const TDateTime value = static_cast<TPLXTreeDateTimeCell *>(cell())->GetDate();
        const QDate day = toQDate(value);
        if (!std::isfinite(value) || day < date->minimumDate() || day > date->maximumDate()) {
            PLXShowMessage(QStringLiteral("Not a valid date"));
            return false;
        }
        date->setDate(day);
        const TPLXDateParts parts = PLXDecodeDate(value);
        time->setTime(QTime::fromMSecsSinceStartOfDay(static_cast<int>(parts.msOfDay)));
        const bool noTime = static_cast<TPLXTreeDateTimeCell *>(cell())->NoTime();
        time->setVisible(!noTime);
        const TRect area = cell()->cellDrawer()->getControlArea();
        const int width = area.width() + 2, height = area.height() + 2;
        date->setGeometry(0, 0, noTime ? width : width / 2, height);
        time->setGeometry(width / 2, 0, width - width / 2, height);
        return true;
    }
    void storeControl(QWidget *control) override
    {
        auto *dateCell = static_cast<TPLXTreeDateTimeCell *>(cell());
        const QDate day = control->findChild<QDateEdit *>()->date();
        const TPLXDateParts old = PLXDecodeDate(dateCell->GetDate());
        qint64 ms = old.msOfDay;
        if (!dateCell->NoTime())
            ms = control->findChild<QTimeEdit *>()->time().msecsSinceStartOfDay();
        dateCell->SetDate(PLXEncodeDate(day.year(), day.month(), day.day()) + static_cast<double>(ms) / 86400000.0);
    }
    QWidget *inputWidget(QWidget *control) const override { return control->findChild<QDateEdit *>(); }
    bool arrowsLeave() const override { return false; }
};

// ------------------------------------------------------------ numbers

class TPLXTreeSpinCellEditor : public TPLXTreeCellEditor
{
protected:
    QWidget *createControl() override { return new TPLXSpinEdit; }
    bool loadControl(QWidget *control) override
    {
        auto *spin = static_cast<TPLXSpinEdit *>(control);
        const auto *type = static_cast<const TPLXTreeSpinCellType *>(cell()->GetDataType());
        spin->setMinValue(type->getMin());
        spin->setMaxValue(type->getMax());
        spin->setValue(static_cast<TPLXTreeSpinCell *>(cell())->GetNumber());
        return true;
    }
    void storeControl(QWidget *control) override
    {
        auto *spin = static_cast<TPLXSpinEdit *>(control);
        if (!spin->hasValidText())
            throw EPLXTypeEditorException(QStringLiteral("Not a valid integer"), nullptr);
        spin->stepBy(0);
        static_cast<TPLXTreeSpinCell *>(cell())->SetNumber(spin->value());
    }
    QWidget *inputWidget(QWidget *control) const override { return static_cast<TPLXSpinEdit *>(control)->lineEdit(); }
};

constexpr int kCurrencyDigits = 11;

// Eleven digits behind a mask that shows thousands and decimal separators and the currency symbol.
class TPLXTreeCurrencyCellEditor : public TPLXTreeCellEditor
{
protected:
    QWidget *createControl() override
    {
        const QLocale locale;
        QString symbol;
        for (const QChar c : locale.currencySymbol())
            symbol += u'\\' + QString(c);
        const QString group = u'\\' + locale.groupSeparator(), point = u'\\' + locale.decimalPoint();
        auto *edit = new QLineEdit;
        const QString digits = QStringLiteral("999");
        // Blank positions stay blank, so that a cleared digit is not taken for a zero.
        edit->setInputMask(digits + group + digits + group + digits + point + QStringLiteral("99 ") + symbol);
        return edit;
    }
    bool loadControl(QWidget *control) override
    {
        const double hundredths = std::nearbyint(static_cast<TPLXTreeCurrencyCell *>(cell())->GetValue() * 100);
        if (!(hundredths >= 0 && hundredths < 1e11)) {
            PLXShowMessage(QStringLiteral("Not a valid float"));
            return false;
        }
        const QString digits =
            QStringLiteral("%1").arg(static_cast<qint64>(hundredths), kCurrencyDigits, 10, QLatin1Char('0'));
        auto *edit = static_cast<QLineEdit *>(control);
        edit->setText(digits);
        edit->home(false);
        return true;
    }
    void storeControl(QWidget *control) override
    {
        QString digits;
        for (const QChar c : static_cast<QLineEdit *>(control)->displayText())
            if (c.isDigit())
                digits += c;
        if (digits.size() != kCurrencyDigits)
            throw EPLXTypeEditorException(QStringLiteral("Not a valid float"), nullptr);
        static_cast<TPLXTreeCurrencyCell *>(cell())->SetValue(digits.toDouble() / 100);
    }
};

// ------------------------------------------------------------ choices

class TPLXTreeComboCellEditor : public TPLXTreeCellEditor
{
protected:
    QWidget *createControl() override { return new QComboBox; }
    bool loadControl(QWidget *control) override
    {
        auto *combo = static_cast<QComboBox *>(control);
        const auto *type = static_cast<const TPLXTreeComboCellType *>(cell()->GetDataType());
        combo->clear();
        combo->setEditable(type->property("Style").toInt() != csDropDownList);
        combo->addItems(type->getItems());
        combo->setCurrentText(cell()->GetText());
        if (combo->lineEdit())
            combo->lineEdit()->selectAll();
        return true;
    }
    void storeControl(QWidget *control) override { cell()->SetText(static_cast<QComboBox *>(control)->currentText()); }
    bool arrowsLeave() const override { return false; }
};

class TPLXTreeImageComboCellEditor : public TPLXTreeCellEditor
{
protected:
    QWidget *createControl() override { return new QComboBox; }
    bool loadControl(QWidget *control) override
    {
        auto *combo = static_cast<QComboBox *>(control);
        const auto *type = static_cast<const TPLXTreeImageComboCellType *>(cell()->GetDataType());
        combo->clear();
        for (qsizetype i = 0; i < type->getItems().size(); ++i)
            combo->addItem(i < type->getImages().size() ? QIcon(QPixmap::fromImage(type->getImages()[i])) : QIcon(),
                           type->getItems()[i]);
        combo->setCurrentIndex(combo->findText(cell()->GetText()));
        return true;
    }
    // Setting the text also picks the item's picture.
    void storeControl(QWidget *control) override { cell()->SetText(static_cast<QComboBox *>(control)->currentText()); }
    bool arrowsLeave() const override { return false; }
};

template<typename Editor>
std::unique_ptr<TPLXObjectEditorIntf> make()
{
    return std::make_unique<Editor>();
}

// The cells' own editors, known to the entity model by class; automatic cells have none.
const bool registered = [] {
    TPLXEditorsRegistry &registry = DefaultEditorsRegistry();
    registry.RegisterEditor(&TPLXTreeSimpleTextCell::staticMetaObject, make<TPLXTreeSimpleTextCellEditor>);
    registry.RegisterEditor(&TPLXTreeMultilineTextCell::staticMetaObject, make<TPLXTreeMultilineTextCellEditor>);
    registry.RegisterEditor(&TPLXTreeButtonEditCell::staticMetaObject, make<TPLXTreeButtonEditCellEditor>);
    registry.RegisterEditor(&TPLXTreeDateTimeCell::staticMetaObject, make<TPLXTreeDateTimeCellEditor>);
    registry.RegisterEditor(&TPLXTreeSpinCell::staticMetaObject, make<TPLXTreeSpinCellEditor>);
    registry.RegisterEditor(&TPLXTreeCurrencyCell::staticMetaObject, make<TPLXTreeCurrencyCellEditor>);
    registry.RegisterEditor(&TPLXTreeComboCell::staticMetaObject, make<TPLXTreeComboCellEditor>);
    registry.RegisterEditor(&TPLXTreeImageComboCell::staticMetaObject, make<TPLXTreeImageComboCellEditor>);
    return true;
}();

} // namespace
