// The planner's calendar dialog: the document calendar's categories and
// their exceptions, edited in one session that OK records as one undo step.
#pragma once

#include <orvanta/orvanta.h>

#include <QDialog>
#include <QLocale>

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QWidget;

class TPLXCalendarDialog : public QDialog
{
    Q_OBJECT

public:
    // Edits through `session`; new exceptions start on `firstDay`.
    TPLXCalendarDialog(TPLXCalendarEditOperation &session, TDateTime firstDay, QLocale::Language language,
                       QWidget *parent = nullptr);

private:
    QString text(const char *key) const;
    IPLXDateCategory *category() const;
    IPLXDateException *exception() const;
    void showCategories(int current);
    void showCategory();
    void showExceptions(int current);
    void showException();
    void fillExceptionRow(int row, IPLXDateException *date);
    void moveCategory(int by);
    void chooseColor();
    void addException(std::unique_ptr<IPLXDateException> date);
    // Replaces the selected exception by one built from the fields.
    void storeException();

    TPLXCalendarEditOperation &FSession;
    TDateTime FFirstDay;
    QLocale::Language FLanguage;
    // Set while fields are filled from the model, so that filling them edits nothing.
    bool FShowing = false;
    QListWidget *FCategories;
    QLineEdit *FName;
    QCheckBox *FWorking;
    QPushButton *FColor;
    QWidget *FCategoryEdits;
    QTableWidget *FExceptions;
    QWidget *FExceptionButtons;
    QWidget *FExceptionFields;
    QLineEdit *FExceptionName;
    QDateTimeEdit *FFrom;
    QDateTimeEdit *FTo;
    QLabel *FRangeHint;
    QWidget *FRecurringFields;
    QComboBox *FMode;
    QSpinBox *FPeriod;
    QSpinBox *FDayFrom;
    QSpinBox *FDayTo;
    QSpinBox *FHourFrom;
    QSpinBox *FHourTo;
};
