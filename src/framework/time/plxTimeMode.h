// Time modes (hour, day, week, month, quarter, year, decade) and the period
// arithmetic done in them: align, step, difference, day positions, labels.
// TDateTime is a plain day count: no time zone or daylight saving anywhere.
#pragma once

#include "plxGanttObject.h"

#include <QLocale>
#include <QObject>

namespace PLXTime {
Q_NAMESPACE_EXPORT(ORVANTA_EXPORT)

enum TPLXTimeMode : quint8 { tmNone, tmHour, tmDay, tmWeek, tmMonth, tmQuarter, tmYear, tmDecade };
Q_ENUM_NS(TPLXTimeMode)

// How a period is labelled.
enum TPLXTimeFormat : quint8 {
    tmfNone,
    tmfHourStandard,
    tmfHourAMPM,
    tmfHourTime,
    tmfDayFull,
    tmfDayShort,
    tmfDayOfYear,
    tmfDayOfMonth,
    tmfDayOfWeek,
    tmfWeekYear,
    tmfWeekYearNr,
    tmfWeekMonth,
    tmfWeekMonthNr,
    tmfMonthFull,
    tmfMonthMedium,
    tmfMonthShort,
    tmfMonthFullYear,
    tmfMonthMediumYear,
    tmfMonthShortYear,
    tmfMonthNumber,
    tmfMonthNumberYear,
    tmfQuarterFull,
    tmfQuarterShort,
    tmfQuarterFullYear,
    tmfQuarterShortYear,
    tmfQuarterRoman,
    tmfYearFull,
    tmfYearShort,
    tmfDecade,
    tmfWeekStartDay,
    tmfDayShortDayNumber,
};
Q_ENUM_NS(TPLXTimeFormat)

} // namespace PLXTime

using PLXTime::TPLXTimeFormat;
using PLXTime::TPLXTimeMode;
using enum PLXTime::TPLXTimeMode;
using enum PLXTime::TPLXTimeFormat;

constexpr int MonthsPerQuarter = 3;
constexpr int YearsPerDecade = 10;

// ------------------------------------------------------------ calendar primitives

// One instant taken apart. The instant is first rounded to the millisecond,
// so 23:59:59.9996 belongs to the next day.
struct TPLXDateParts
{
    qint64 day = 0; // days since 30 Dec 1899
    int year = 1899;
    int month = 12;
    int dayOfMonth = 30;
    int dayOfWeek = 6; // 1 = Monday ... 7 = Sunday
    int dayOfYear = 364;
    qint64 msOfDay = 0;

    int hour() const { return static_cast<int>(msOfDay / 3600000); }
};

// Dates are clamped to about +-270,000 years; not-a-number counts as 0.
ORVANTA_EXPORT TPLXDateParts PLXDecodeDate(TDateTime date);
// The day number of a proleptic Gregorian date; the day is clamped into the month.
ORVANTA_EXPORT TDateTime PLXEncodeDate(int year, int month, int day);
ORVANTA_EXPORT bool PLXIsLeapYear(int year);
ORVANTA_EXPORT int PLXDaysInMonth(int year, int month);
// Moves by whole calendar months keeping the time of day; a missing day becomes the month's last.
ORVANTA_EXPORT TDateTime PLXAddMonths(TDateTime date, qint64 months);
// ISO 8601 week number.
ORVANTA_EXPORT int PLXWeekOfYear(TDateTime date);
// Week of the month, a week belonging to the month that holds its Thursday.
ORVANTA_EXPORT int PLXWeekOfMonth(TDateTime date);

// Instants as whole milliseconds since the zero date, for exact interval arithmetic.
constexpr qint64 PLXMsPerDay = 86400000;
ORVANTA_EXPORT qint64 PLXDateToMs(TDateTime date);
inline TDateTime PLXMsToDate(qint64 ms)
{
    return static_cast<double>(ms) / static_cast<double>(PLXMsPerDay);
}

// ------------------------------------------------------------ period arithmetic

ORVANTA_EXPORT TDateTime Add(TDateTime date, qint32 N, TPLXTimeMode mode);
ORVANTA_EXPORT TDateTime Next(TDateTime date, TPLXTimeMode mode);
ORVANTA_EXPORT TDateTime Prev(TDateTime date, TPLXTimeMode mode);
// Whole periods, then the fraction scaled by the length of the period that follows.
ORVANTA_EXPORT TDateTime RealAdd(TDateTime date, double R, TPLXTimeMode mode);
// Whole periods from date2 to date1, positive when date1 is later.
ORVANTA_EXPORT qint32 Diff(TDateTime date1, TDateTime date2, TPLXTimeMode mode);
ORVANTA_EXPORT double RealDiff(TDateTime date1, TDateTime date2, TPLXTimeMode mode);
ORVANTA_EXPORT TDateTime StartOfPeriod(TDateTime date, TPLXTimeMode mode);
// Position of the day inside its period (weekday, day of month, common-year day of year).
ORVANTA_EXPORT quint16 Day(TDateTime date, TPLXTimeMode mode);
ORVANTA_EXPORT quint16 DaysIn(TPLXTimeMode mode);
ORVANTA_EXPORT quint16 DayRange(quint16 from, quint16 to, TPLXTimeMode mode);
ORVANTA_EXPORT quint16 DayMonthInYear(quint16 day, quint16 month);
// The label of the period holding `date`; empty for a format the mode does not offer.
ORVANTA_EXPORT QString PeriodToString(TDateTime date, TPLXTimeMode mode, TPLXTimeFormat format);
ORVANTA_EXPORT TPLXTimeFormat DefaultTimeFormat(TPLXTimeMode mode);

// The locale whose day and month names and short date format the labels use:
// the one set last, else the language of the string set loaded last, else the system's.
ORVANTA_EXPORT QLocale PLXDateLocale();
ORVANTA_EXPORT void PLXSetDateLocale(const QLocale &locale);
ORVANTA_EXPORT void PLXResetDateLocale();

// ------------------------------------------------------------ time-mode entities

// An entity that does its date arithmetic in one time mode.
class ORVANTA_EXPORT TPLXTimeModeObjectIntf : public TPLXGanttObject
{
    Q_GADGET
    PLX_ENTITY_META
    Q_PROPERTY(PLXTime::TPLXTimeMode TimeMode READ getTimeMode WRITE SetTimeMode)

public:
    virtual TPLXTimeMode getTimeMode() const = 0;
    virtual void SetTimeMode(TPLXTimeMode mode) = 0;
    virtual TDateTime Next(TDateTime date) = 0;
    virtual TDateTime Prev(TDateTime date) = 0;
    virtual TDateTime Add(TDateTime date, qint32 N) = 0;
    virtual TDateTime RealAdd(TDateTime date, double R) = 0;
    virtual qint32 Diff(TDateTime date1, TDateTime date2) = 0;
    virtual double RealDiff(TDateTime date1, TDateTime date2) = 0;
    virtual TDateTime StartOfPeriod(TDateTime date) = 0;
    virtual TDateTime StartOfNextPeriod(TDateTime date) = 0;
    virtual TDateTime StartOfPreviousPeriod(TDateTime date) = 0;
    virtual QString PeriodToString(TDateTime date, TPLXTimeFormat TimeFormat) = 0;
    virtual double getUnitPeriod() = 0;
};

// Carries one time mode (tmDay when created) and forwards to the free functions.
class ORVANTA_EXPORT TPLXTimeModeObject : public TPLXTimeModeObjectIntf
{
    Q_GADGET
    PLX_ENTITY(TPLXTimeModeObject)

public:
    TPLXTimeModeObject();

    TPLXTimeMode getTimeMode() const override;
    void SetTimeMode(TPLXTimeMode mode) override;
    TDateTime Next(TDateTime date) override;
    TDateTime Prev(TDateTime date) override;
    TDateTime Add(TDateTime date, qint32 N) override;
    TDateTime RealAdd(TDateTime date, double R) override;
    qint32 Diff(TDateTime date1, TDateTime date2) override;
    double RealDiff(TDateTime date1, TDateTime date2) override;
    TDateTime StartOfPeriod(TDateTime date) override;
    // The date itself when it starts a period, else the start of the following period.
    TDateTime StartOfNextPeriod(TDateTime date) override;
    // The date itself when it starts a period, else the start of the preceding period.
    TDateTime StartOfPreviousPeriod(TDateTime date) override;
    QString PeriodToString(TDateTime date, TPLXTimeFormat TimeFormat) override;
    // Length in days of the first period after the zero date.
    double getUnitPeriod() override;

private:
    TPLXTimeMode FTimeMode = tmDay;
};
