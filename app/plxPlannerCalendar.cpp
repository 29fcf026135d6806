#include "plxPlannerCalendar.h"
#include "plxPlannerTexts.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The recurrences offered, with the text key of their name.
constexpr std::pair<TPLXTimeMode, const char *> kRecurrences[] = {{tmWeek, "tmWeek"},
                                                                  {tmMonth, "tmMonth"},
                                                                  {tmYear, "tmYear"}};

QDateTime toQt(TDateTime date)
{
    const TPLXDateParts p = PLXDecodeDate(date);
    return QDateTime(QDate(p.year, p.month, p.dayOfMonth), QTime::fromMSecsSinceStartOfDay(int(p.msOfDay)), Qt::UTC);
}

TDateTime fromQt(const QDateTime &when)
{
    const QDate day = when.date();
    return PLXEncodeDate(day.year(), day.month(), day.day()) + PLXMsToDate(when.time().msecsSinceStartOfDay());
}

QString shown(TDateTime date)
{
    return toQt(date).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

template<typename W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QSpinBox *spin(const char *name, int lo, int hi)
{
    auto *box = named(new QSpinBox, name);
    box->setRange(lo, hi);
    return box;
}

QDateTimeEdit *dateEdit(const char *name)
{
    auto *edit = named(new QDateTimeEdit, name);
    edit->setTimeSpec(Qt::UTC);
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm"));
    edit->setCalendarPopup(true);
    return edit;
}

} // namespace

TPLXCalendarDialog::TPLXCalendarDialog(TPLXCalendarEditOperation &session, TDateTime firstDay,
                                       QLocale::Language language, QWidget *parent)
    : QDialog(parent)
    , FSession(session)
    , FFirstDay(std::floor(firstDay))
    , FLanguage(language)
    , FCategories(named(new QListWidget, "categories"))
    , FName(named(new QLineEdit, "categoryName"))
    , FWorking(named(new QCheckBox(text("working")), "categoryWorking"))
    , FColor(button(text("colour"), "categoryColor", nullptr))
    , FCategoryEdits(new QWidget)
    , FExceptions(named(new QTableWidget(0, 4), "exceptions"))
    , FExceptionButtons(new QWidget)
    , FExceptionFields(new QWidget)
    , FExceptionName(named(new QLineEdit, "exceptionName"))
    , FFrom(dateEdit("exceptionFrom"))
    , FTo(dateEdit("exceptionTo"))
    , FRangeHint(new QLabel(text("endBeforeStart")))
    , FRecurringFields(new QWidget)
    , FMode(named(new QComboBox, "recurringMode"))
    , FPeriod(spin("recurringPeriod", 1, 999))
    , FDayFrom(spin("dayFrom", 1, 366))
    , FDayTo(spin("dayTo", 1, 366))
    , FHourFrom(spin("hourFrom", 0, 23))
    , FHourTo(spin("hourTo", 0, 23))
{
    setObjectName(QStringLiteral("calendarDialog"));
    setWindowTitle(text("calendar").remove(QLatin1Char('&')).remove(QLatin1String("...")));

    // Categories: the list, what comes and goes, and the selected one's fields.
    auto *categoryButtons = new QHBoxLayout;
    QPushButton *add = button(text("add"), "addCategory", this);
    QPushButton *remove = button(text("remove"), "removeCategory", this);
    QPushButton *up = button(text("up"), "categoryUp", this);
    QPushButton *down = button(text("down"), "categoryDown", this);
    for (QPushButton *b : {add, remove, up, down})
        categoryButtons->addWidget(b);
    auto *categoryForm = new QFormLayout(FCategoryEdits);
    categoryForm->setContentsMargins({});
    categoryForm->addRow(text("name"), FName);
    categoryForm->addRow(QString(), FWorking);
    auto *left = new QVBoxLayout;
    left->addWidget(new QLabel(text("categories")));
    left->addWidget(FCategories);
    left->addLayout(categoryButtons);
    left->addWidget(FCategoryEdits);
    left->addWidget(FColor);

    // Exceptions of the selected category, and the selected exception's fields.
    FExceptions->setHorizontalHeaderLabels({text("name"), text("from"), text("to"), text("repeats")});
    FExceptions->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    FExceptions->verticalHeader()->hide();
    FExceptions->setSelectionBehavior(QAbstractItemView::SelectRows);
    FExceptions->setSelectionMode(QAbstractItemView::SingleSelection);
    FExceptions->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto *exceptionButtons = new QHBoxLayout(FExceptionButtons);
    exceptionButtons->setContentsMargins({});
    QPushButton *addDates = button(text("addDates"), "addDates", this);
    QPushButton *addRecurring = button(text("addRecurring"), "addRecurring", this);
    QPushButton *removeException = button(text("remove"), "removeException", this);
    for (QPushButton *b : {addDates, addRecurring, removeException})
        exceptionButtons->addWidget(b);
    for (const auto &[mode, key] : kRecurrences)
        FMode->addItem(text(key), int(mode));
    auto *recurringForm = new QFormLayout(FRecurringFields);
    recurringForm->setContentsMargins({});
    recurringForm->addRow(text("every"), FPeriod);
    recurringForm->addRow(QString(), FMode);
    recurringForm->addRow(text("dayFrom"), FDayFrom);
    recurringForm->addRow(text("hourFrom"), FHourFrom);
    recurringForm->addRow(text("dayTo"), FDayTo);
    recurringForm->addRow(text("hourTo"), FHourTo);
    auto *exceptionForm = new QFormLayout(FExceptionFields);
    exceptionForm->setContentsMargins({});
    exceptionForm->addRow(text("name"), FExceptionName);
    exceptionForm->addRow(text("from"), FFrom);
    exceptionForm->addRow(text("to"), FTo);
    exceptionForm->addRow(FRangeHint);
    FRangeHint->hide();
    exceptionForm->addRow(FRecurringFields);
    auto *right = new QVBoxLayout;
    right->addWidget(new QLabel(text("exceptions")));
    right->addWidget(FExceptions);
    right->addWidget(FExceptionButtons);
    right->addWidget(FExceptionFields);

    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 2);
    columns->addLayout(right, 3);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    connect(FCategories, &QListWidget::currentRowChanged, this, &TPLXCalendarDialog::showCategory);
    connect(add, &QPushButton::clicked, this, [this] {
        FSession.addCategory(
            std::make_unique<TPLXDateCategory>(text("newCategory"), QColorToColor(QColor(255, 208, 208))));
        showCategories(FSession.calendar()->getCategoriesCount() - 1);
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        const int row = FCategories->currentRow();
        FSession.removeCategory(row);
        showCategories(std::min(row, FSession.calendar()->getCategoriesCount() - 1));
    });
    connect(up, &QPushButton::clicked, this, [this] { moveCategory(-1); });
    connect(down, &QPushButton::clicked, this, [this] { moveCategory(1); });
    connect(FName, &QLineEdit::textEdited, this, [this](const QString &name) {
        if (IPLXDateCategory *c = category()) {
            c->setName(name);
            FCategories->currentItem()->setText(name);
        }
    });
    connect(FWorking, &QCheckBox::toggled, this, [this](bool on) {
        if (IPLXDateCategory *c = category(); c && !FShowing)
            c->setWorking(on);
    });
    connect(FColor, &QPushButton::clicked, this, &TPLXCalendarDialog::chooseColor);

    connect(FExceptions, &QTableWidget::currentCellChanged, this, &TPLXCalendarDialog::showException);
    connect(addDates, &QPushButton::clicked, this,
            [this] { addException(std::make_unique<TPLXFixedDateException>(FFirstDay, text("holiday"))); });
    connect(addRecurring, &QPushButton::clicked, this, [this] {
        // Every Friday; a range that ends before it starts means always.
        addException(std::make_unique<TPLXRecurringDateException>(tmWeek, 1, 5, 6, 0, 0, text("recurring"), 1, 0));
    });
    connect(removeException, &QPushButton::clicked, this, [this] {
        if (IPLXDateCategory *c = category()) {
            const int row = FExceptions->currentRow();
            FSession.removeDate(c, row);
            showExceptions(std::min(row, c->getDatesCount() - 1));
        }
    });
    connect(FExceptionName, &QLineEdit::textEdited, this, &TPLXCalendarDialog::storeException);
    for (QDateTimeEdit *edit : {FFrom, FTo})
        connect(edit, &QDateTimeEdit::dateTimeChanged, this, &TPLXCalendarDialog::storeException);
    connect(FMode, &QComboBox::currentIndexChanged, this, &TPLXCalendarDialog::storeException);
    for (QSpinBox *box : {FPeriod, FDayFrom, FDayTo, FHourFrom, FHourTo})
        connect(box, &QSpinBox::valueChanged, this, &TPLXCalendarDialog::storeException);

    showCategories(0);
    resize(860, 520);
}

QString TPLXCalendarDialog::text(const char *key) const
{
    return plannerText(key, FLanguage);
}

IPLXDateCategory *TPLXCalendarDialog::category() const
{
    return FSession.calendar()->getDateCategory(FCategories->currentRow());
}

IPLXDateException *TPLXCalendarDialog::exception() const
{
    IPLXDateCategory *c = category();
    return c ? c->getDateByIndex(FExceptions->currentRow()) : nullptr;
}

void TPLXCalendarDialog::showCategories(int current)
{
    const QSignalBlocker blocker(FCategories);
    FCategories->clear();
    TPLXDocumentCalendar *calendar = FSession.calendar();
    for (int i = 0; i < calendar->getCategoriesCount(); ++i)
        FCategories->addItem(calendar->getDateCategory(i)->getName());
    FCategories->setCurrentRow(current);
    showCategory();
}

void TPLXCalendarDialog::showCategory()
{
    IPLXDateCategory *c = category();
    // A predefined category keeps only its colour: the rest is shown, not edited.
    const bool editable = c && !c->isPredefined();
    FShowing = true;
    FName->setText(c ? c->getName() : QString());
    FWorking->setChecked(c && c->getWorking());
    FShowing = false;
    QPixmap swatch(16, 16);
    swatch.fill(c ? ColorToQColor(c->getColor()) : QColor(Qt::transparent));
    FColor->setIcon(swatch);
    FColor->setEnabled(c != nullptr);
    FCategoryEdits->setEnabled(editable);
    FExceptionButtons->setEnabled(editable);
    FCategoryEdits->setToolTip(c && !editable ? text("predefined") : QString());
    FExceptionButtons->setToolTip(FCategoryEdits->toolTip());
    showExceptions(0);
}

void TPLXCalendarDialog::showExceptions(int current)
{
    IPLXDateCategory *c = category();
    const QSignalBlocker blocker(FExceptions);
    FExceptions->setRowCount(c ? c->getDatesCount() : 0);
    for (int row = 0; row < FExceptions->rowCount(); ++row)
        fillExceptionRow(row, c->getDateByIndex(row));
    FExceptions->setCurrentCell(current, 0);
    showException();
}

void TPLXCalendarDialog::fillExceptionRow(int row, IPLXDateException *date)
{
    auto *fixed = dynamic_cast<TPLXFixedDateException *>(date);
    // Only the undated weekend exceptions go without a name.
    QStringList cells{fixed || !date->getName().isEmpty() ? date->getName() : text("weekend"), QString(), QString(),
                      QString()};
    if (fixed) {
        cells[1] = shown(fixed->getDateFrom());
        cells[2] = shown(fixed->getDateTo());
    }
    if (auto *recurring = dynamic_cast<TPLXRecurringDateException *>(date)) {
        const int mode = FMode->findData(int(recurring->getRecurringTimeMode()));
        cells[3] = QStringLiteral("%1 × %2").arg(recurring->getRecurringPeriod()).arg(FMode->itemText(mode));
    }
    for (int col = 0; col < cells.size(); ++col)
        FExceptions->setItem(row, col, new QTableWidgetItem(cells[col]));
}

void TPLXCalendarDialog::showException()
{
    IPLXDateException *date = exception();
    auto *fixed = dynamic_cast<TPLXFixedDateException *>(date);
    auto *recurring = dynamic_cast<TPLXRecurringDateException *>(date);
    FShowing = true;
    FExceptionName->setText(date ? date->getName() : QString());
    FFrom->setDateTime(toQt(fixed ? fixed->getDateFrom() : FFirstDay));
    FTo->setDateTime(toQt(fixed ? fixed->getDateTo() : FFirstDay + 1));
    if (recurring) {
        FMode->setCurrentIndex(std::max(0, FMode->findData(int(recurring->getRecurringTimeMode()))));
        FPeriod->setValue(recurring->getRecurringPeriod());
        FDayFrom->setValue(recurring->getDayFrom());
        FDayTo->setValue(recurring->getDayTo());
        FHourFrom->setValue(recurring->getHourFrom());
        FHourTo->setValue(recurring->getHourTo());
    }
    FShowing = false;
    FRangeHint->hide();
    // Only dated exceptions of categories that keep them are edited; the weekend has nothing to edit.
    FExceptionFields->setEnabled(fixed && FExceptionButtons->isEnabled());
    FRecurringFields->setVisible(recurring != nullptr);
}

void TPLXCalendarDialog::moveCategory(int by)
{
    const int row = FCategories->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= FSession.calendar()->getCategoriesCount())
        return;
    FSession.moveCategory(row, to);
    showCategories(to);
}

void TPLXCalendarDialog::chooseColor()
{
    IPLXDateCategory *c = category();
    if (!c)
        return;
    const QColor chosen = QColorDialog::getColor(ColorToQColor(c->getColor()), this);
    if (chosen.isValid()) {
        c->setColor(QColorToColor(chosen));
        showCategory();
    }
}

void TPLXCalendarDialog::addException(std::unique_ptr<IPLXDateException> date)
{
    if (IPLXDateCategory *c = category(); c && FSession.addDate(c, std::move(date)))
        showExceptions(c->getDatesCount() - 1);
}

void TPLXCalendarDialog::storeException()
{
    IPLXDateException *date = exception();
    if (FShowing || !date)
        return;
    const int row = FExceptions->currentRow();
    const QString name = FExceptionName->text();
    const TDateTime from = fromQt(FFrom->dateTime());
    const TDateTime to = fromQt(FTo->dateTime());
    const bool recurring = dynamic_cast<TPLXRecurringDateException *>(date) != nullptr;
    // A dated interval must end after it starts; until it does, the last valid one stays.
    const bool reversed = !recurring && to <= from;
    FRangeHint->setVisible(reversed);
    if (reversed)
        return;
    std::unique_ptr<IPLXDateException> edited;
    if (recurring)
        edited = std::make_unique<TPLXRecurringDateException>(TPLXTimeMode(FMode->currentData().toInt()),
                                                              quint16(FPeriod->value()), quint16(FDayFrom->value()),
                                                              quint16(FDayTo->value()), quint8(FHourFrom->value()),
                                                              quint8(FHourTo->value()), name, from, to);
    else
        edited = std::make_unique<TPLXFixedDateException>(from, to, name);
    if (IPLXDateException *stored = FSession.replaceDate(category(), row, std::move(edited)))
        fillExceptionRow(row, stored);
}
