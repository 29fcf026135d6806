// The working-time calendar of a document: ordered date categories (weekends,
// holidays, vacations, the application's own), each holding date exceptions,
// and the working-time arithmetic that bars, dependencies and the critical
// path measure durations with.
#pragma once

#include "plxTimeMode.h"

#include <QList>

#include <memory>

class TPLXCalendarIndex;

// Bumped by every change to any category or exception, so cached views of
// non-working time know when to rebuild.
ORVANTA_EXPORT quint64 PLXCalendarGeneration();
// Announces a change the calendar cannot see (an application exception whose answers changed).
ORVANTA_EXPORT void PLXCalendarChanged();

// ------------------------------------------------------------ date exceptions

// A set of time intervals: the occurrence searches report them one at a time.
class ORVANTA_EXPORT IPLXDateException : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY_META
    Q_PROPERTY(QString Name READ getName WRITE setName)

public:
    ~IPLXDateException() override;

    virtual TPLXGanttObject *getObject() = 0;
    // Whether the exception covers `date` when the chart shows `mode`.
    virtual bool Matches(TDateTime date, TPLXTimeMode mode) = 0;
    virtual QString getName() const = 0;
    virtual void setName(const QString &Name) = 0;
    // The interval holding Date clipped to start at Date, else the next one.
    virtual bool findNextOccurence(TDateTime Date, TDateTime &Start, double &Duration) = 0;
    // The interval holding Date clipped to end at Date, else the last one ended by then;
    // the interval is [Finish - Duration, Finish).
    virtual bool findPreviousOccurence(TDateTime Date, TDateTime &Finish, double &Duration) = 0;
};

class ORVANTA_EXPORT TPLXDateException : public IPLXDateException
{
    Q_GADGET
    PLX_ENTITY_META

public:
    explicit TPLXDateException(const QString &Name = QString());

    TPLXGanttObject *getObject() override { return this; }
    QString getName() const override { return FName; }
    void setName(const QString &Name) override;
    bool findNextOccurence(TDateTime Date, TDateTime &Start, double &Duration) override;
    bool findPreviousOccurence(TDateTime Date, TDateTime &Finish, double &Duration) override;

protected:
    QString FName;
};

// Saturday 00:00 to Monday 00:00 of every week. Its name is fixed at creation.
class ORVANTA_EXPORT TPLXWeekend : public TPLXDateException
{
    Q_GADGET
    PLX_ENTITY(TPLXWeekend)

public:
    explicit TPLXWeekend(const QString &Name = QString());

    void setName(const QString &) override {}
    bool Matches(TDateTime date, TPLXTimeMode mode) override;
    bool findNextOccurence(TDateTime Date, TDateTime &Start, double &Duration) override;
    bool findPreviousOccurence(TDateTime Date, TDateTime &Finish, double &Duration) override;
};

// Every Saturday.
class ORVANTA_EXPORT TPLXSaturday : public TPLXWeekend
{
    Q_GADGET
    PLX_ENTITY(TPLXSaturday)

public:
    using TPLXWeekend::TPLXWeekend;

    bool Matches(TDateTime date, TPLXTimeMode mode) override;
    bool findNextOccurence(TDateTime Date, TDateTime &Start, double &Duration) override;
    bool findPreviousOccurence(TDateTime Date, TDateTime &Finish, double &Duration) override;
};

// Every Sunday.
class ORVANTA_EXPORT TPLXSunday : public TPLXWeekend
{
    Q_GADGET
    PLX_ENTITY(TPLXSunday)

public:
    using TPLXWeekend::TPLXWeekend;

    bool Matches(TDateTime date, TPLXTimeMode mode) override;
    bool findNextOccurence(TDateTime Date, TDateTime &Start, double &Duration) override;
    bool findPreviousOccurence(TDateTime Date, TDateTime &Finish, double &Duration) override;
};

// One half-open interval [DateFrom, DateTo).
class ORVANTA_EXPORT TPLXFixedDateException : public TPLXDateException
{
    Q_GADGET
    PLX_ENTITY_META
    Q_PROPERTY(double DateFrom READ getDateFrom WRITE setDateFrom)
    Q_PROPERTY(double DateTo READ getDateTo WRITE setDateTo)
    Q_PROPERTY(PLXTime::TPLXTimeMode VisibleTimeMode MEMBER VisibleTimeMode)

public:
    TPLXFixedDateException(TDateTime DateFrom, TDateTime DateTo, const QString &Name);
    // One whole day from `Date`.
    TPLXFixedDateException(TDateTime Date, const QString &Name);
    std::unique_ptr<TPLXGanttObject> Create() const override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    bool Matches(TDateTime date, TPLXTimeMode mode) override;
    bool findNextOccurence(TDateTime Date, TDateTime &Start, double &Duration) override;
    bool findPreviousOccurence(TDateTime Date, TDateTime &Finish, double &Duration) override;

    TDateTime getDateFrom() const { return FDateFrom; }
    TDateTime getDateTo() const { return FDateTo; }
    void setDateFrom(TDateTime date);
    void setDateTo(TDateTime date);

    TPLXTimeMode getVisibleTimeMode() const { return VisibleTimeMode; }

protected:
    // The coarsest mode up to years in which the interval spans a whole unit of every finer mode.
    TPLXTimeMode VisibleTimeMode = tmHour;

    // The mode filter and the range test that every fixed or recurring match starts with.
    bool matchesModeAndRange(TDateTime date, TPLXTimeMode mode) const;
    void computeVisibleTimeMode();

    TDateTime FDateFrom = 0;
    TDateTime FDateTo = 0;
};

// A window from (DayFrom, HourFrom) to (DayTo, HourTo) inside every P-th period of
// RecurringTimeMode, between DateFrom and DateTo. Day positions are those of Day():
// weekdays for weeks, days of the month, common-year days for years; for quarters
// and decades they count days from the period's start. A window whose end comes
// before its start ends in the following period; one whose ends are equal is empty.
class ORVANTA_EXPORT TPLXRecurringDateException : public TPLXFixedDateException
{
    Q_GADGET
    PLX_ENTITY_META
    Q_PROPERTY(PLXTime::TPLXTimeMode RecurringTimeMode READ getRecurringTimeMode WRITE setRecurringTimeMode)
    Q_PROPERTY(int RecurringPeriod READ getRecurringPeriod WRITE setRecurringPeriod)
    Q_PROPERTY(int DayFrom READ getDayFrom WRITE setDayFrom)
    Q_PROPERTY(int DayTo READ getDayTo WRITE setDayTo)
    Q_PROPERTY(int HourFrom READ getHourFrom WRITE setHourFrom)
    Q_PROPERTY(int HourTo READ getHourTo WRITE setHourTo)

public:
    TPLXRecurringDateException(TPLXTimeMode RecurringTimeMode, quint16 RecurringPeriod, quint16 DayFrom, quint16 DayTo,
                               quint8 HourFrom, quint8 HourTo, const QString &Name, TDateTime DateFrom,
                               TDateTime DateTo);
    std::unique_ptr<TPLXGanttObject> Create() const override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    bool Matches(TDateTime date, TPLXTimeMode mode) override;
    bool findNextOccurence(TDateTime Date, TDateTime &Start, double &Duration) override;
    bool findPreviousOccurence(TDateTime Date, TDateTime &Finish, double &Duration) override;

    TPLXTimeMode getRecurringTimeMode() const { return FRecurringTimeMode; }
    int getRecurringPeriod() const { return FRecurringPeriod; }
    int getDayFrom() const { return FDayFrom; }
    int getDayTo() const { return FDayTo; }
    int getHourFrom() const { return FHourFrom; }
    int getHourTo() const { return FHourTo; }
    void setRecurringTimeMode(TPLXTimeMode mode);
    // Values out of range are clamped: the period to 1..65535, days to 0..65535, hours to 0..255.
    void setRecurringPeriod(int period);
    void setDayFrom(int day);
    void setDayTo(int day);
    void setHourFrom(int hour);
    void setHourTo(int hour);

protected:
    struct TWindow
    {
        qint64 start; // milliseconds, clipped to the range
        qint64 end;
        qint64 rawEnd; // before clipping
    };
    bool wraps() const;
    bool isEmptyPattern() const;
    TDateTime periodStart(qint64 index) const;
    qint64 periodIndex(TDateTime date) const;
    double positionOffset(TDateTime start, TDateTime end, int day, int hour) const;
    TWindow window(qint64 index) const;
    void recomputeVisibleTimeMode();

    TPLXTimeMode FRecurringTimeMode = tmWeek;
    quint16 FRecurringPeriod = 1;
    quint8 FHourFrom = 0;
    quint8 FHourTo = 0;
    quint16 FDayFrom = 6;
    quint16 FDayTo = 1;
};

// ------------------------------------------------------------ date categories

class ORVANTA_EXPORT IPLXDateCategory : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY_META
    Q_PROPERTY(QString Name READ getName)
    Q_PROPERTY(int Color READ getColor WRITE setColor)
    Q_PROPERTY(bool Working READ getWorking WRITE setWorking)
    Q_PROPERTY(bool Visible READ getVisible WRITE setVisible)
    Q_PROPERTY(int DatesCount READ getDatesCount)

public:
    ~IPLXDateCategory() override;

    virtual TPLXGanttObject *getObject() = 0;
    virtual QString getName() const = 0;
    virtual TColor getColor() const = 0;
    virtual void setColor(TColor color) = 0;
    virtual bool getWorking() const = 0;
    virtual void setWorking(bool working) = 0;
    virtual bool getVisible() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual int getDatesCount() const = 0;
    virtual IPLXDateException *getDateByIndex(int Index) const = 0;
    // Appends and owns the exception; returns it (null is ignored).
    virtual IPLXDateException *addDate(std::unique_ptr<IPLXDateException> Date) = 0;
    // Removes the exception at Index and frees it when the category owns it.
    virtual void removeDate(int Index) = 0;
    // The first exception that matches, or null.
    virtual IPLXDateException *matchDate(TDateTime date, TPLXTimeMode mode) = 0;
    // Puts the exception at Index (clamped to the list) and owns it; returns it (null is ignored).
    virtual IPLXDateException *insertDate(int Index, std::unique_ptr<IPLXDateException> Date) = 0;
    // Takes the exception at Index out of the list and hands it over; null, and the list
    // unchanged, when there is none there or the category does not own it.
    virtual std::unique_ptr<IPLXDateException> takeDate(int Index) = 0;
    virtual void setName(const QString &Name) = 0;
    // A predefined category keeps only its colour in a file: its name, working flag and
    // exceptions come from its class, so editing them would not last.
    virtual bool isPredefined() const = 0;
};

class ORVANTA_EXPORT TPLXDateCategory : public IPLXDateCategory
{
    Q_GADGET
    PLX_ENTITY_META

public:
    TPLXDateCategory(const QString &Name, TColor Color);
    std::unique_ptr<TPLXGanttObject> Create() const override;
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    TPLXGanttObject *getObject() override { return this; }
    QString getName() const override { return FName; }
    TColor getColor() const override { return FColor; }
    void setColor(TColor color) override { FColor = color; }
    bool getWorking() const override { return FWorking; }
    void setWorking(bool working) override;
    bool getVisible() const override { return FVisible; }
    void setVisible(bool visible) override { FVisible = visible; }
    int getDatesCount() const override { return static_cast<int>(FDates.size()); }
    IPLXDateException *getDateByIndex(int Index) const override;
    IPLXDateException *addDate(std::unique_ptr<IPLXDateException> Date) override;
    void removeDate(int Index) override;
    IPLXDateException *matchDate(TDateTime date, TPLXTimeMode mode) override;
    IPLXDateException *insertDate(int Index, std::unique_ptr<IPLXDateException> Date) override;
    std::unique_ptr<IPLXDateException> takeDate(int Index) override;
    void setName(const QString &Name) override;
    bool isPredefined() const override { return false; }

    // Takes exceptions that were loaded with this category as their parent.
    void adoptLoadedDates(const QList<IPLXDateException *> &dates);

protected:
    QList<IPLXDateException *> FDates;
    QString FName;
    bool FWorking = false;
    bool FVisible = true;
    TColor FColor = 0;
};

// The predefined categories; only their colour is stored.
class ORVANTA_EXPORT TPLXWeekendsDateCategory : public TPLXDateCategory
{
    Q_GADGET
    PLX_ENTITY(TPLXWeekendsDateCategory)

public:
    TPLXWeekendsDateCategory();
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;
    void setName(const QString &) override {}
    bool isPredefined() const override { return true; }
};

class ORVANTA_EXPORT TPLXHolidaysDateCategory : public TPLXDateCategory
{
    Q_GADGET
    PLX_ENTITY(TPLXHolidaysDateCategory)

public:
    TPLXHolidaysDateCategory();
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;
    void setName(const QString &) override {}
    bool isPredefined() const override { return true; }
};

class ORVANTA_EXPORT TPLXVacationsDateCategory : public TPLXDateCategory
{
    Q_GADGET
    PLX_ENTITY(TPLXVacationsDateCategory)

public:
    TPLXVacationsDateCategory();
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;
    void setName(const QString &) override {}
    bool isPredefined() const override { return true; }
};

// ------------------------------------------------------------ calendars

// A calendar: category questions plus working-time arithmetic. Working time
// is counted in days; instants are resolved to the millisecond, and
// non-working time at or beyond 9999999.0 (and below its negative) is ignored.
class ORVANTA_EXPORT IPLXCalendar : public TPLXTimeModeObject
{
    Q_GADGET
    PLX_ENTITY_META

public:
    IPLXCalendar();
    ~IPLXCalendar() override;

    virtual bool isWorking(TDateTime date, TPLXTimeMode mode) = 0;
    virtual QString getDateLabel(TDateTime date, TPLXTimeMode mode) = 0;
    virtual IPLXDateCategory *matchCategory(TDateTime date, TPLXTimeMode mode) = 0;
    virtual IPLXDateCategory *addDateCategory(std::unique_ptr<IPLXDateCategory> Category) = 0;
    virtual IPLXDateCategory *getDateCategory(int index) const = 0;
    virtual void removeDateCategory(const QString &Name) = 0;
    virtual void moveUp(const QString &Name) = 0;
    virtual void moveDown(const QString &Name) = 0;
    // The earliest non-working interval holding or after `date`; Start 9999999.0 when none.
    virtual void findNextNonWorkingException(TDateTime date, TDateTime &Start, double &Duration) = 0;
    // The latest non-working interval holding or before `date`; 0 and 0 when none.
    virtual void findPreviousNonWorkingException(TDateTime date, TDateTime &Finish, double &Duration) = 0;

    // `period` days of working time after `date`; with goToWorking a result on the
    // start of non-working time moves to its end.
    TDateTime addEffective(TDateTime date, double period, bool goToWorking);
    // `period` days of working time before `date`; a result on the end of
    // non-working time moves to its start.
    TDateTime substrEffective(TDateTime date, double period);
    // Working time from date1 to date2, negative when date2 is earlier.
    double diffEffective(TDateTime date1, TDateTime date2);
    // The first working instant at or after `date`.
    TDateTime findFirstEffective(TDateTime date);

    // Forgets the cached non-working intervals (done automatically on every change).
    void invalidateIndex();

    // The end of the searched time, in days.
    static constexpr double kFarFuture = 9999999.0;

protected:
    // The exceptions of the non-working categories, in category then list order.
    virtual QList<IPLXDateException *> nonWorkingExceptions() const;

private:
    TPLXCalendarIndex &index();

    std::unique_ptr<TPLXCalendarIndex> FIndex;
};

class ORVANTA_EXPORT TPLXDocumentCalendar : public IPLXCalendar
{
    Q_GADGET
    PLX_ENTITY(TPLXDocumentCalendar)
    Q_PROPERTY(int CategoriesCount READ getCategoriesCount)
    // The category that matches first, so that the property form reaches it.
    Q_PROPERTY(TPLXGanttObject *FirstCategory READ firstCategoryObject)

public:
    TPLXDocumentCalendar();
    void doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory) override;

    // Also re-aligns the owning document's start date to the new mode.
    void SetTimeMode(TPLXTimeMode mode) override;

    bool isWorking(TDateTime date, TPLXTimeMode mode) override;
    QString getDateLabel(TDateTime date, TPLXTimeMode mode) override;
    IPLXDateCategory *matchCategory(TDateTime date, TPLXTimeMode mode) override;
    IPLXDateCategory *addDateCategory(std::unique_ptr<IPLXDateCategory> Category) override;
    IPLXDateCategory *getDateCategory(int index) const override;
    void removeDateCategory(const QString &Name) override;
    void moveUp(const QString &Name) override;
    void moveDown(const QString &Name) override;
    void findNextNonWorkingException(TDateTime date, TDateTime &Start, double &Duration) override;
    void findPreviousNonWorkingException(TDateTime date, TDateTime &Finish, double &Duration) override;

    int getCategoriesCount() const { return static_cast<int>(FCategories.size()); }
    // Appends a "Weekends" category holding the weekend and an empty working "Vacations" one.
    void AddPredefinedCategories();
    int getCategoryIndexByName(const QString &Name) const;
    // Puts the category at index (clamped to the list) and owns it; returns it (null is ignored).
    IPLXDateCategory *insertDateCategory(int index, std::unique_ptr<IPLXDateCategory> Category);
    // Takes the category at index out of the list and hands it over; null, and the list
    // unchanged, when there is none there or the calendar does not own it.
    std::unique_ptr<IPLXDateCategory> takeDateCategory(int index);
    IPLXDateException *matchDate(TDateTime date, TPLXTimeMode mode);

    // Takes categories that were loaded with this calendar as their parent.
    void adoptLoadedCategories(const QList<IPLXDateCategory *> &categories);

protected:
    QList<IPLXDateException *> nonWorkingExceptions() const override;

private:
    TPLXTimeMode effectiveMode(TPLXTimeMode mode) const;
    TPLXGanttObject *firstCategoryObject() const;

    QList<IPLXDateCategory *> FCategories;
};

// ------------------------------------------------------------ persistence

class ORVANTA_EXPORT TPLXDocumentCalendarPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Document Calendar"); }
};

class ORVANTA_EXPORT TPLXDateCategoryPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Date Category"); }
};

// Picks the class by section name: "Holidays", "Vacations", anything else weekends.
class ORVANTA_EXPORT TPLXPredefinedDateCategoryPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Predefined Date Category"); }
};

class ORVANTA_EXPORT TPLXFixedDateExceptionPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Fixed Date Exception"); }
};

class ORVANTA_EXPORT TPLXRecurringDateExceptionPersistence : public TPLXPersistence
{
public:
    std::unique_ptr<TPLXGanttObject> doLoad(const QString &name, IPLXMedia &media,
                                            TPLXEntityFactory &factory) override;
    QString getTypeID() const override { return QStringLiteral("Recurring Date Exception"); }
};
