#include "plxDocumentCalendar.h"
#include "plxCalendarIndex.h"
#include "plxColors.h"
#include "plxEntityFactory.h"
#include "plxMedia.h"
#include "plxPlatform.h"

#include <algorithm>
#include <cmath>

namespace {

quint64 &generation()
{
    static quint64 value = 1;
    return value;
}

// Every key the calendar entities read and write.
const QString kTypeID = QStringLiteral("typeID");
const QString kName = QStringLiteral("Name");
const QString kColor = QStringLiteral("Color");
const QString kDateFrom = QStringLiteral("DateFrom");
const QString kDateTo = QStringLiteral("DateTo");

bool isWeekendDay(TDateTime date)
{
    return PLXDecodeDate(date).dayOfWeek >= 6;
}

QString logDate(TDateTime date)
{
    const TPLXDateParts p = PLXDecodeDate(date);
    const qint64 seconds = p.msOfDay / 1000;
    return QStringLiteral("%1.%2.%3 %4:%5:%6")
        .arg(p.dayOfMonth, 2, 10, QLatin1Char('0'))
        .arg(p.month, 2, 10, QLatin1Char('0'))
        .arg(p.year, 4, 10, QLatin1Char('0'))
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg((seconds / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

void logOccurence(const char *tag, TDateTime date, TDateTime result, double duration)
{
    PLXLog([&] {
        return QLatin1String(tag) + logDate(date) + QLatin1Char(' ') + logDate(result) + QLatin1Char(' ') +
               PLXFloatToStr(duration);
    });
}

TPLXTimeMode modeFromInt(qint64 value)
{
    return value >= tmNone && value <= tmDecade ? TPLXTimeMode(value) : tmNone;
}

// Frees `object` only when `owner` owns it; shared references are just dropped.
void releaseIfOwned(TPLXGanttObject *object, const TPLXGanttObject *owner)
{
    if (object && object->getParent() == owner)
        std::unique_ptr<TPLXGanttObject>{object};
}

} // namespace

quint64 PLXCalendarGeneration()
{
    return generation();
}

void PLXCalendarChanged()
{
    ++generation();
}

// ------------------------------------------------------------ TPLXDateException

IPLXDateException::~IPLXDateException()
{
    PLXCalendarChanged();
}

TPLXDateException::TPLXDateException(const QString &Name)
    : FName(Name)
{
}

void TPLXDateException::setName(const QString &Name)
{
    FName = Name;
}

bool TPLXDateException::findNextOccurence(TDateTime, TDateTime &, double &)
{
    return false;
}

bool TPLXDateException::findPreviousOccurence(TDateTime, TDateTime &, double &)
{
    return false;
}

// ------------------------------------------------------------ weekend, Saturday, Sunday

TPLXWeekend::TPLXWeekend(const QString &Name)
    : TPLXDateException(Name)
{
}

bool TPLXWeekend::Matches(TDateTime date, TPLXTimeMode mode)
{
    if (mode != tmNone && mode != tmHour && mode != tmDay)
        return false;
    return isWeekendDay(date);
}

bool TPLXWeekend::findNextOccurence(TDateTime Date, TDateTime &Start, double &Duration)
{
    Start = StartOfPeriod(Next(Date, tmWeek), tmWeek) - 2;
    Duration = 2;
    if (isWeekendDay(Date)) {
        Duration = 2 - (Date - Start);
        Start = Date;
    }
    return true;
}

bool TPLXWeekend::findPreviousOccurence(TDateTime Date, TDateTime &Finish, double &Duration)
{
    Finish = StartOfPeriod(Date, tmWeek);
    Duration = 2;
    if (isWeekendDay(Date)) {
        Duration = 2 - (StartOfPeriod(Next(Date, tmWeek), tmWeek) - Date);
        if (Duration != 0)
            Finish = Date;
        else
            Duration = 2;
    }
    PLX_ASSERT(Duration > 0 && Finish <= Date);
    return true;
}

bool TPLXSaturday::Matches(TDateTime date, TPLXTimeMode mode)
{
    return (mode == tmNone || mode == tmDay) && PLXDecodeDate(date).dayOfWeek == 6;
}

bool TPLXSaturday::findNextOccurence(TDateTime Date, TDateTime &Start, double &Duration)
{
    TPLXWeekend::findNextOccurence(Date, Start, Duration);
    if (Duration == 1)
        TPLXWeekend::findNextOccurence(Date + 7, Start, Duration);
    if (PLXDecodeDate(Date).dayOfWeek == 7) {
        Start = StartOfPeriod(Next(Date, tmWeek), tmWeek) + 5;
        Duration = 1;
    } else if (Duration > 1) {
        Duration = Duration - 1;
    }
    logOccurence("SatFNO: ", Date, Start, Duration);
    PLX_ASSERT(Duration > 0 && Duration <= 1 && Start >= Date);
    return true;
}

bool TPLXSaturday::findPreviousOccurence(TDateTime Date, TDateTime &Finish, double &Duration)
{
    TPLXWeekend::findPreviousOccurence(Date, Finish, Duration);
    if (PLXDecodeDate(Date).dayOfWeek == 7) {
        Finish = StartOfPeriod(Date, tmDay);
        Duration = 1;
    } else if (Duration > 1) {
        Finish = Finish - 1;
        Duration = Duration - 1;
    }
    logOccurence("SatFPO: ", Date, Finish, Duration);
    PLX_ASSERT(Duration > 0 && Duration <= 1 && Finish <= Date);
    return true;
}

bool TPLXSunday::Matches(TDateTime date, TPLXTimeMode mode)
{
    return (mode == tmNone || mode == tmDay) && PLXDecodeDate(date).dayOfWeek == 7;
}

bool TPLXSunday::findNextOccurence(TDateTime Date, TDateTime &Start, double &Duration)
{
    TPLXWeekend::findNextOccurence(Date, Start, Duration);
    if (PLXDecodeDate(Date).dayOfWeek == 6) {
        Start = StartOfPeriod(Date, tmWeek) + 6;
        Duration = 1;
    } else if (Duration > 1) {
        Start = Start + 1;
        Duration = Duration - 1;
    }
    PLX_ASSERT(Duration > 0 && Duration <= 1 && Start >= Date);
    return true;
}

bool TPLXSunday::findPreviousOccurence(TDateTime Date, TDateTime &Finish, double &Duration)
{
    const TPLXDateParts parts = PLXDecodeDate(Date);
    if (parts.dayOfWeek == 7 && parts.msOfDay == 0) {
        Finish = StartOfPeriod(Date, tmDay) - 6;
        Duration = 1;
    } else {
        TPLXWeekend::findPreviousOccurence(Date, Finish, Duration);
        if (parts.dayOfWeek == 6) {
            Finish = StartOfPeriod(Date, tmWeek);
            Duration = 1;
        } else if (Duration > 1) {
            Duration = Duration - 1;
        }
    }
    PLX_ASSERT(Duration > 0 && Duration <= 1 && Finish <= Date);
    return true;
}

// ------------------------------------------------------------ TPLXFixedDateException

TPLXFixedDateException::TPLXFixedDateException(TDateTime DateFrom, TDateTime DateTo, const QString &Name)
    : TPLXDateException(Name)
    , FDateFrom(DateFrom)
    , FDateTo(DateTo)
{
    computeVisibleTimeMode();
}

TPLXFixedDateException::TPLXFixedDateException(TDateTime Date, const QString &Name)
    : TPLXFixedDateException(Date, Date + 1, Name)
{
}

std::unique_ptr<TPLXGanttObject> TPLXFixedDateException::Create() const
{
    return std::make_unique<TPLXFixedDateException>(0.0, 0.0, QString());
}

void TPLXFixedDateException::computeVisibleTimeMode()
{
    int m = tmHour;
    while (m != tmYear && Diff(FDateTo, FDateFrom, TPLXTimeMode(m + 1)) != 0)
        ++m;
    VisibleTimeMode = TPLXTimeMode(m);
}

void TPLXFixedDateException::setDateFrom(TDateTime date)
{
    FDateFrom = date;
    computeVisibleTimeMode();
    PLXCalendarChanged();
}

void TPLXFixedDateException::setDateTo(TDateTime date)
{
    FDateTo = date;
    computeVisibleTimeMode();
    PLXCalendarChanged();
}

bool TPLXFixedDateException::matchesModeAndRange(TDateTime date, TPLXTimeMode mode) const
{
    const bool modeShown =
        mode == tmNone || mode == tmHour || mode == VisibleTimeMode || (mode == tmYear && VisibleTimeMode == tmMonth);
    if (!modeShown)
        return false;
    // Instants within the same millisecond count as equal.
    const qint64 at = PLXDateToMs(date);
    return PLXDateToMs(FDateFrom) <= at && at < PLXDateToMs(FDateTo);
}

bool TPLXFixedDateException::Matches(TDateTime date, TPLXTimeMode mode)
{
    return matchesModeAndRange(date, mode);
}

bool TPLXFixedDateException::findNextOccurence(TDateTime Date, TDateTime &Start, double &Duration)
{
    const qint64 at = PLXDateToMs(Date);
    const qint64 from = PLXDateToMs(FDateFrom);
    const qint64 to = PLXDateToMs(FDateTo);
    // An empty or reversed range never occurs.
    if (to <= at || to <= from)
        return false;
    if (from <= at) {
        Start = Date;
        Duration = FDateTo - Date;
    } else {
        Start = FDateFrom;
        Duration = FDateTo - FDateFrom;
    }
    return true;
}

bool TPLXFixedDateException::findPreviousOccurence(TDateTime Date, TDateTime &Finish, double &Duration)
{
    const qint64 at = PLXDateToMs(Date);
    const qint64 from = PLXDateToMs(FDateFrom);
    const qint64 to = PLXDateToMs(FDateTo);
    if (from >= at || to <= from)
        return false;
    if (at < to) {
        Finish = Date;
        Duration = Date - FDateFrom;
    } else {
        Finish = FDateTo;
        Duration = FDateTo - FDateFrom;
    }
    PLX_ASSERT(Duration > 0 && PLXDateToMs(Finish) <= at);
    return true;
}

void TPLXFixedDateException::doSave(const QString &, IPLXMedia &media, TPLXEntityFactory &)
{
    const QString uid = getUID();
    media.setStrProperty(uid, kTypeID, QStringLiteral("Fixed Date Exception"));
    media.setRealProperty(uid, kDateFrom, FDateFrom);
    media.setRealProperty(uid, kDateTo, FDateTo);
    media.setStrProperty(uid, kName, FName);
}

// ------------------------------------------------------------ TPLXRecurringDateException

namespace {

TDateTime alignedRangeEnd(TDateTime date, TPLXTimeMode mode)
{
    return StartOfPeriod(date, mode);
}

} // namespace

TPLXRecurringDateException::TPLXRecurringDateException(TPLXTimeMode RecurringTimeMode, quint16 RecurringPeriod,
                                                       quint16 DayFrom, quint16 DayTo, quint8 HourFrom, quint8 HourTo,
                                                       const QString &Name, TDateTime DateFrom, TDateTime DateTo)
    : TPLXFixedDateException(0.0, 0.0, Name)
    , FRecurringTimeMode(RecurringTimeMode)
    , FRecurringPeriod(RecurringPeriod == 0 ? 1 : RecurringPeriod)
    , FHourFrom(HourFrom)
    , FHourTo(HourTo)
    , FDayFrom(DayFrom)
    , FDayTo(DayTo)
{
    if (PLXDateToMs(DateFrom) > PLXDateToMs(DateTo)) {
        DateFrom = PLXEncodeDate(1970, 1, 1);
        DateTo = PLXEncodeDate(3000, 1, 1);
    }
    FDateFrom = alignedRangeEnd(DateFrom, RecurringTimeMode);
    FDateTo = alignedRangeEnd(DateTo, RecurringTimeMode);
    computeVisibleTimeMode();
    recomputeVisibleTimeMode();
}

std::unique_ptr<TPLXGanttObject> TPLXRecurringDateException::Create() const
{
    return std::make_unique<TPLXRecurringDateException>(tmWeek, 1, 6, 1, 0, 0, QString(), 0.0, 0.0);
}

void TPLXRecurringDateException::recomputeVisibleTimeMode()
{
    int range = DayRange(FDayFrom, FDayTo, FRecurringTimeMode);
    if (FHourFrom > FHourTo)
        --range;
    int m = FRecurringTimeMode;
    while (m > tmHour && range < DaysIn(TPLXTimeMode(m)))
        --m;
    VisibleTimeMode = TPLXTimeMode(m);
}

void TPLXRecurringDateException::setRecurringTimeMode(TPLXTimeMode mode)
{
    FRecurringTimeMode = modeFromInt(mode);
    recomputeVisibleTimeMode();
    PLXCalendarChanged();
}

void TPLXRecurringDateException::setRecurringPeriod(int period)
{
    FRecurringPeriod = static_cast<quint16>(std::clamp(period, 1, 65535));
    PLXCalendarChanged();
}

void TPLXRecurringDateException::setDayFrom(int day)
{
    FDayFrom = static_cast<quint16>(std::clamp(day, 0, 65535));
    recomputeVisibleTimeMode();
    PLXCalendarChanged();
}

void TPLXRecurringDateException::setDayTo(int day)
{
    FDayTo = static_cast<quint16>(std::clamp(day, 0, 65535));
    recomputeVisibleTimeMode();
    PLXCalendarChanged();
}

void TPLXRecurringDateException::setHourFrom(int hour)
{
    FHourFrom = static_cast<quint8>(std::clamp(hour, 0, 255));
    recomputeVisibleTimeMode();
    PLXCalendarChanged();
}

void TPLXRecurringDateException::setHourTo(int hour)
{
    FHourTo = static_cast<quint8>(std::clamp(hour, 0, 255));
    recomputeVisibleTimeMode();
    PLXCalendarChanged();
}

bool TPLXRecurringDateException::wraps() const
{
    return FDayFrom > FDayTo || (FDayFrom == FDayTo && FHourFrom > FHourTo);
}

bool TPLXRecurringDateException::isEmptyPattern() const
{
    // Equal bounds are taken as an empty window, so it never occurs and never matches.
    return FRecurringTimeMode == tmNone || (FDayFrom == FDayTo && FHourFrom == FHourTo) ||
           PLXDateToMs(FDateTo) <= PLXDateToMs(FDateFrom);
}

TDateTime TPLXRecurringDateException::periodStart(qint64 index) const
{
    switch (FRecurringTimeMode) {
    case tmHour:
        return FDateFrom + static_cast<double>(index) / 24.0;
    case tmDay:
        return FDateFrom + static_cast<double>(index);
    case tmWeek:
        return FDateFrom + 7.0 * static_cast<double>(index);
    case tmMonth:
        return PLXAddMonths(FDateFrom, index);
    case tmQuarter:
        return PLXAddMonths(FDateFrom, index * MonthsPerQuarter);
    case tmYear:
        return PLXAddMonths(FDateFrom, index * 12);
    case tmDecade:
        return PLXAddMonths(FDateFrom, index * 12 * YearsPerDecade);
    default:
        return FDateFrom;
    }
}

qint64 TPLXRecurringDateException::periodIndex(TDateTime date) const
{
    const qint64 span = PLXDateToMs(date) - PLXDateToMs(FDateFrom);
    switch (FRecurringTimeMode) {
    case tmHour:
        return floorDiv(span, PLXMsPerDay / 24);
    case tmDay:
        return floorDiv(span, PLXMsPerDay);
    case tmWeek:
        return floorDiv(span, 7 * PLXMsPerDay);
    case tmMonth:
    case tmQuarter:
    case tmYear:
    case tmDecade: {
        const TPLXDateParts a = PLXDecodeDate(date);
        const TPLXDateParts b = PLXDecodeDate(FDateFrom);
        qint64 months = static_cast<qint64>(a.year - b.year) * 12 + (a.month - b.month);
        if (PLXDateToMs(PLXAddMonths(FDateFrom, months)) > PLXDateToMs(date))
            --months;
        const qint64 perPeriod = FRecurringTimeMode == tmMonth     ? 1
                                 : FRecurringTimeMode == tmQuarter ? MonthsPerQuarter
                                 : FRecurringTimeMode == tmYear    ? 12
                                                                   : 12 * YearsPerDecade;
        return floorDiv(months, perPeriod);
    }
    default:
        return 0;
    }
}

// Days from the period start to the first instant whose (day position, hour) is
// at least (day, hour); the period's length when no instant of the period is.
double TPLXRecurringDateException::positionOffset(TDateTime start, TDateTime end, int day, int hour) const
{
    const double length = end - start;
    const double hours = std::min(hour, 24) / 24.0;
    double offset = 0;
    switch (FRecurringTimeMode) {
    case tmHour:
        offset = day == 0 && PLXDecodeDate(start).hour() >= hour ? 0.0 : length;
        break;
    case tmDay:
        offset = day == 0 ? hours : length;
        break;
    case tmWeek:
    case tmMonth:
    case tmQuarter:
    case tmDecade:
        offset = day == 0 ? 0.0 : (day - 1) + hours;
        break;
    case tmYear: {
        // In a leap year 29 February is position 60; later positions move one day on.
        const bool leap = PLXIsLeapYear(PLXDecodeDate(start).year);
        offset = day == 0 ? 0.0 : (leap && day > 60 ? day : day - 1) + hours;
        break;
    }
    default:
        offset = length;
        break;
    }
    return std::clamp(offset, 0.0, length);
}

TPLXRecurringDateException::TWindow TPLXRecurringDateException::window(qint64 index) const
{
    const TDateTime start = periodStart(index);
    const TDateTime end = periodStart(index + 1);
    const TDateTime windowStart = start + positionOffset(start, end, FDayFrom, FHourFrom);
    TDateTime windowEnd;
    if (wraps()) {
        const TDateTime after = periodStart(index + 2);
        windowEnd = end + positionOffset(end, after, FDayTo, FHourTo);
    } else {
        windowEnd = start + positionOffset(start, end, FDayTo, FHourTo);
    }
    const qint64 from = PLXDateToMs(FDateFrom);
    const qint64 to = PLXDateToMs(FDateTo);
    TWindow result;
    result.rawEnd = PLXDateToMs(windowEnd);
    result.start = std::clamp(PLXDateToMs(windowStart), from, to);
    result.end = std::clamp(result.rawEnd, result.start, to);
    return result;
}

bool TPLXRecurringDateException::Matches(TDateTime date, TPLXTimeMode mode)
{
    if (!matchesModeAndRange(date, mode) || isEmptyPattern())
        return false;
    const qint64 at = PLXDateToMs(date);
    const qint64 current = periodIndex(date);
    const qint64 first = current - floorMod(current, FRecurringPeriod);
    for (const qint64 index : {first, first - FRecurringPeriod}) {
        const TWindow w = window(index);
        if (w.start <= at && at < w.end)
            return true;
    }
    return false;
}

bool TPLXRecurringDateException::findNextOccurence(TDateTime Date, TDateTime &Start, double &Duration)
{
    if (isEmptyPattern())
        return false;
    const qint64 at = PLXDateToMs(Date);
    const qint64 from = PLXDateToMs(FDateFrom);
    const qint64 to = PLXDateToMs(FDateTo);
    if (to <= at)
        return false;
    const qint64 current = periodIndex(at < from ? FDateFrom : Date);
    qint64 index = current - floorMod(current, FRecurringPeriod) - FRecurringPeriod;
    // Some windows are empty (day 31 in a short month); a few dozen periods always reach a real one.
    for (int tries = 0; tries < 66; ++tries, index += FRecurringPeriod) {
        const TWindow w = window(index);
        if (w.start >= to)
            return false;
        if (w.end > at && w.end > w.start) {
            Start = w.start <= at ? Date : PLXMsToDate(w.start);
            Duration = PLXMsToDate(w.end) - Start;
            return true;
        }
    }
    return false;
}

bool TPLXRecurringDateException::findPreviousOccurence(TDateTime Date, TDateTime &Finish, double &Duration)
{
    if (isEmptyPattern())
        return false;
    const qint64 at = PLXDateToMs(Date);
    const qint64 from = PLXDateToMs(FDateFrom);
    const qint64 to = PLXDateToMs(FDateTo);
    if (from >= at)
        return false;
    const qint64 current = periodIndex(at > to ? FDateTo : Date);
    qint64 index = current - floorMod(current, FRecurringPeriod);
    for (int tries = 0; tries < 66; ++tries, index -= FRecurringPeriod) {
        const TWindow w = window(index);
        if (w.rawEnd <= from)
            return false;
        if (w.end > w.start && w.start < at) {
            Finish = w.end > at ? Date : PLXMsToDate(w.end);
            Duration = Finish - PLXMsToDate(w.start);
            PLX_ASSERT(Duration > 0 && PLXDateToMs(Finish) <= at);
            return true;
        }
    }
    return false;
}

void TPLXRecurringDateException::doSave(const QString &, IPLXMedia &media, TPLXEntityFactory &)
{
    const QString uid = getUID();
    media.setStrProperty(uid, kTypeID, QStringLiteral("Recurring Date Exception"));
    media.setRealProperty(uid, kDateFrom, FDateFrom);
    media.setRealProperty(uid, kDateTo, FDateTo);
    media.setStrProperty(uid, kName, FName);
    media.setIntProperty(uid, QStringLiteral("RecurringTimeMode"), FRecurringTimeMode);
    media.setIntProperty(uid, QStringLiteral("RecurringPeriod"), FRecurringPeriod);
    media.setIntProperty(uid, QStringLiteral("HourFrom"), FHourFrom);
    media.setIntProperty(uid, QStringLiteral("HourTo"), FHourTo);
    media.setIntProperty(uid, QStringLiteral("DayFrom"), FDayFrom);
    media.setIntProperty(uid, QStringLiteral("DayTo"), FDayTo);
}

// ------------------------------------------------------------ categories

IPLXDateCategory::~IPLXDateCategory()
{
    PLXCalendarChanged();
}

TPLXDateCategory::TPLXDateCategory(const QString &Name, TColor Color)
    : FName(Name)
    , FColor(Color)
{
}

std::unique_ptr<TPLXGanttObject> TPLXDateCategory::Create() const
{
    return std::make_unique<TPLXDateCategory>(QString(), clBlack);
}

void TPLXDateCategory::setWorking(bool working)
{
    FWorking = working;
    PLXCalendarChanged();
}

IPLXDateException *TPLXDateCategory::getDateByIndex(int Index) const
{
    return Index >= 0 && Index < FDates.size() ? FDates.at(Index) : nullptr;
}

IPLXDateException *TPLXDateCategory::addDate(std::unique_ptr<IPLXDateException> Date)
{
    return insertDate(getDatesCount(), std::move(Date));
}

IPLXDateException *TPLXDateCategory::insertDate(int Index, std::unique_ptr<IPLXDateException> Date)
{
    if (!Date)
        return nullptr;
    IPLXDateException *added = Date.release();
    added->setParent(this);
    FDates.insert(std::clamp(Index, 0, getDatesCount()), added);
    PLXCalendarChanged();
    return added;
}

std::unique_ptr<IPLXDateException> TPLXDateCategory::takeDate(int Index)
{
    IPLXDateException *date = getDateByIndex(Index);
    if (!date || date->getParent() != this)
        return nullptr;
    FDates.removeAt(Index);
    date->setParent(nullptr);
    PLXCalendarChanged();
    return std::unique_ptr<IPLXDateException>(date);
}

void TPLXDateCategory::setName(const QString &Name)
{
    FName = Name;
}

void TPLXDateCategory::removeDate(int Index)
{
    if (Index < 0 || Index >= FDates.size())
        return;
    IPLXDateException *removed = FDates.takeAt(Index);
    releaseIfOwned(removed, this);
    PLXCalendarChanged();
}

IPLXDateException *TPLXDateCategory::matchDate(TDateTime date, TPLXTimeMode mode)
{
    for (IPLXDateException *exception : std::as_const(FDates))
        if (exception->Matches(date, mode))
            return exception;
    return nullptr;
}

void TPLXDateCategory::adoptLoadedDates(const QList<IPLXDateException *> &dates)
{
    for (IPLXDateException *date : dates)
        if (date)
            FDates.append(date);
    PLXCalendarChanged();
}

void TPLXDateCategory::doSave(const QString &, IPLXMedia &media, TPLXEntityFactory &factory)
{
    const QString uid = getUID();
    media.setStrProperty(uid, kTypeID, QStringLiteral("Date Category"));
    media.setStrProperty(uid, kName, FName);
    media.setStrProperty(uid, kColor, ColorToString(FColor));
    // Weekend days have no section kind of their own; they are rebuilt by code, not stored.
    QList<TPLXGanttObject *> stored;
    for (IPLXDateException *date : std::as_const(FDates))
        if (dynamic_cast<TPLXFixedDateException *>(date))
            stored.append(date);
    factory.saveObjectList(uid, QStringLiteral("exceptions"), media, stored);
}

TPLXWeekendsDateCategory::TPLXWeekendsDateCategory()
    : TPLXDateCategory(QStringLiteral("Weekends"), 0)
{
    addDate(std::make_unique<TPLXWeekend>());
}

namespace {

void savePredefined(const QString &uid, IPLXMedia &media, TColor color)
{
    media.setStrProperty(uid, kTypeID, QStringLiteral("Predefined Date Category"));
    media.setStrProperty(uid, kColor, ColorToString(color));
}

} // namespace

void TPLXWeekendsDateCategory::doSave(const QString &, IPLXMedia &media, TPLXEntityFactory &)
{
    savePredefined(getUID(), media, FColor);
}

TPLXHolidaysDateCategory::TPLXHolidaysDateCategory()
    : TPLXDateCategory(QStringLiteral("Holidays"), 0)
{
}

void TPLXHolidaysDateCategory::doSave(const QString &, IPLXMedia &media, TPLXEntityFactory &)
{
    savePredefined(getUID(), media, FColor);
}

TPLXVacationsDateCategory::TPLXVacationsDateCategory()
    : TPLXDateCategory(QStringLiteral("Vacations"), 0)
{
    FWorking = true;
}

void TPLXVacationsDateCategory::doSave(const QString &, IPLXMedia &media, TPLXEntityFactory &)
{
    savePredefined(getUID(), media, FColor);
}

// ------------------------------------------------------------ IPLXCalendar

IPLXCalendar::IPLXCalendar() = default;

IPLXCalendar::~IPLXCalendar() = default;

TPLXCalendarIndex &IPLXCalendar::index()
{
    if (!FIndex) {
        FIndex = std::make_unique<TPLXCalendarIndex>();
        FIndex->prepare(*this, [this] { return nonWorkingExceptions(); });
    } else {
        FIndex->prepare(*this);
    }
    return *FIndex;
}

void IPLXCalendar::invalidateIndex()
{
    if (FIndex)
        FIndex->clear();
}

QList<IPLXDateException *> IPLXCalendar::nonWorkingExceptions() const
{
    QList<IPLXDateException *> result;
    for (int i = 0; IPLXDateCategory *category = getDateCategory(i); ++i) {
        if (category->getWorking())
            continue;
        for (int j = 0; j < category->getDatesCount(); ++j)
            if (IPLXDateException *exception = category->getDateByIndex(j))
                result.append(exception);
    }
    return result;
}

TDateTime IPLXCalendar::addEffective(TDateTime date, double period, bool goToWorking)
{
    if (!std::isfinite(date) || !std::isfinite(period))
        return date + period;
    return index().addEffective(date, period, goToWorking);
}

TDateTime IPLXCalendar::substrEffective(TDateTime date, double period)
{
    if (!std::isfinite(date) || !std::isfinite(period))
        return date - period;
    return index().substrEffective(date, period);
}

double IPLXCalendar::diffEffective(TDateTime date1, TDateTime date2)
{
    if (!std::isfinite(date1) || !std::isfinite(date2))
        return date2 - date1;
    return index().diffEffective(date1, date2);
}

TDateTime IPLXCalendar::findFirstEffective(TDateTime date)
{
    if (!std::isfinite(date))
        return date;
    return index().findFirstEffective(date);
}

// ------------------------------------------------------------ TPLXDocumentCalendar

TPLXDocumentCalendar::TPLXDocumentCalendar() = default;

void TPLXDocumentCalendar::SetTimeMode(TPLXTimeMode mode)
{
    TPLXTimeModeObject::SetTimeMode(mode);
    // Only a calendar inside a document has a start date to re-align.
    TPLXGanttObject *top = this;
    while (top->getParent())
        top = top->getParent();
    if (auto *document = dynamic_cast<TPLXDocumentSetup *>(top))
        document->setStartDate(::StartOfPeriod(document->getStartDate(), mode));
}

TPLXTimeMode TPLXDocumentCalendar::effectiveMode(TPLXTimeMode mode) const
{
    return mode == tmNone ? TPLXTimeModeObject::getTimeMode() : mode;
}

IPLXDateException *TPLXDocumentCalendar::matchDate(TDateTime date, TPLXTimeMode mode)
{
    mode = effectiveMode(mode);
    for (IPLXDateCategory *category : std::as_const(FCategories))
        if (IPLXDateException *exception = category->matchDate(date, mode))
            return exception;
    return nullptr;
}

IPLXDateCategory *TPLXDocumentCalendar::matchCategory(TDateTime date, TPLXTimeMode mode)
{
    mode = effectiveMode(mode);
    for (IPLXDateCategory *category : std::as_const(FCategories))
        if (category->matchDate(date, mode))
            return category;
    return nullptr;
}

bool TPLXDocumentCalendar::isWorking(TDateTime date, TPLXTimeMode mode)
{
    const IPLXDateCategory *category = matchCategory(date, mode);
    return !category || category->getWorking();
}

QString TPLXDocumentCalendar::getDateLabel(TDateTime date, TPLXTimeMode mode)
{
    const IPLXDateException *exception = matchDate(date, mode);
    return exception ? exception->getName() : QString();
}

IPLXDateCategory *TPLXDocumentCalendar::addDateCategory(std::unique_ptr<IPLXDateCategory> Category)
{
    return insertDateCategory(getCategoriesCount(), std::move(Category));
}

IPLXDateCategory *TPLXDocumentCalendar::insertDateCategory(int index, std::unique_ptr<IPLXDateCategory> Category)
{
    if (!Category)
        return nullptr;
    IPLXDateCategory *added = Category.release();
    added->setParent(this);
    FCategories.insert(std::clamp(index, 0, getCategoriesCount()), added);
    PLXCalendarChanged();
    return added;
}

std::unique_ptr<IPLXDateCategory> TPLXDocumentCalendar::takeDateCategory(int index)
{
    IPLXDateCategory *category = getDateCategory(index);
    if (!category || category->getParent() != this)
        return nullptr;
    FCategories.removeAt(index);
    category->setParent(nullptr);
    PLXCalendarChanged();
    return std::unique_ptr<IPLXDateCategory>(category);
}

IPLXDateCategory *TPLXDocumentCalendar::getDateCategory(int index) const
{
    return index >= 0 && index < FCategories.size() ? FCategories.at(index) : nullptr;
}

TPLXGanttObject *TPLXDocumentCalendar::firstCategoryObject() const
{
    return FCategories.isEmpty() ? nullptr : FCategories.first();
}

int TPLXDocumentCalendar::getCategoryIndexByName(const QString &Name) const
{
    for (int i = 0; i < FCategories.size(); ++i)
        if (FCategories.at(i)->getName() == Name)
            return i;
    return -1;
}

void TPLXDocumentCalendar::removeDateCategory(const QString &Name)
{
    const int i = getCategoryIndexByName(Name);
    if (i < 0)
        return;
    IPLXDateCategory *removed = FCategories.takeAt(i);
    releaseIfOwned(removed, this);
    PLXCalendarChanged();
}

void TPLXDocumentCalendar::moveUp(const QString &Name)
{
    const int i = getCategoryIndexByName(Name);
    if (i > 0) {
        FCategories.swapItemsAt(i, i - 1);
        PLXCalendarChanged();
    }
}

void TPLXDocumentCalendar::moveDown(const QString &Name)
{
    const int i = getCategoryIndexByName(Name);
    if (i >= 0 && i < FCategories.size() - 1) {
        FCategories.swapItemsAt(i, i + 1);
        PLXCalendarChanged();
    }
}

void TPLXDocumentCalendar::AddPredefinedCategories()
{
    auto weekends = std::make_unique<TPLXDateCategory>(QStringLiteral("Weekends"), 0);
    weekends->addDate(std::make_unique<TPLXWeekend>());
    addDateCategory(std::move(weekends));
    auto vacations = std::make_unique<TPLXDateCategory>(QStringLiteral("Vacations"), 0);
    vacations->setWorking(true);
    addDateCategory(std::move(vacations));
}

QList<IPLXDateException *> TPLXDocumentCalendar::nonWorkingExceptions() const
{
    return IPLXCalendar::nonWorkingExceptions();
}

void TPLXDocumentCalendar::findNextNonWorkingException(TDateTime date, TDateTime &Start, double &Duration)
{
    Start = 0;
    Duration = 0;
    bool found = false;
    for (IPLXDateCategory *category : std::as_const(FCategories)) {
        if (category->getWorking())
            continue;
        for (int j = 0; j < category->getDatesCount(); ++j) {
            IPLXDateException *exception = category->getDateByIndex(j);
            TDateTime s = 0;
            double d = 0;
            if (exception && exception->findNextOccurence(date, s, d)) {
                if (!found || s < Start) {
                    Start = s;
                    Duration = d;
                }
                found = true;
            }
        }
    }
    if (!found) {
        Start = kFarFuture;
        Duration = 0;
    }
}

void TPLXDocumentCalendar::findPreviousNonWorkingException(TDateTime date, TDateTime &Finish, double &Duration)
{
    Finish = 0;
    Duration = 0;
    bool found = false;
    for (IPLXDateCategory *category : std::as_const(FCategories)) {
        if (category->getWorking())
            continue;
        for (int j = 0; j < category->getDatesCount(); ++j) {
            IPLXDateException *exception = category->getDateByIndex(j);
            TDateTime f = 0;
            double d = 0;
            if (exception && exception->findPreviousOccurence(date, f, d)) {
                if (!found || f > Finish) {
                    Finish = f;
                    Duration = d;
                    PLX_ASSERT(PLXDateToMs(Finish) <= PLXDateToMs(date));
                }
                found = true;
            }
        }
    }
}

void TPLXDocumentCalendar::adoptLoadedCategories(const QList<IPLXDateCategory *> &categories)
{
    for (IPLXDateCategory *category : categories)
        if (category)
            FCategories.append(category);
    PLXCalendarChanged();
}

void TPLXDocumentCalendar::doSave(const QString &name, IPLXMedia &media, TPLXEntityFactory &factory)
{
    const QString uid = getUID();
    media.setStrProperty(name, QStringLiteral("calendar"), uid);
    media.setStrProperty(uid, kTypeID, QStringLiteral("Document Calendar"));
    factory.saveObjectListOf(uid, QStringLiteral("categories"), media, FCategories);
}

// ------------------------------------------------------------ persistence

std::unique_ptr<TPLXGanttObject> TPLXDocumentCalendarPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                         TPLXEntityFactory &factory)
{
    auto calendar = std::make_unique<TPLXDocumentCalendar>();
    calendar->adoptLoadedCategories(
        factory.loadObjectListAs<IPLXDateCategory>(name, QStringLiteral("categories"), media, calendar.get()));
    return calendar;
}

std::unique_ptr<TPLXGanttObject> TPLXDateCategoryPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                     TPLXEntityFactory &factory)
{
    const QString categoryName = media.strValue(name, kName, QString());
    const TColor color = StringToColor(media.strValue(name, kColor, QStringLiteral("clBlack")));
    auto category = std::make_unique<TPLXDateCategory>(categoryName, color);
    category->adoptLoadedDates(
        factory.loadObjectListAs<IPLXDateException>(name, QStringLiteral("exceptions"), media, category.get()));
    return category;
}

std::unique_ptr<TPLXGanttObject> TPLXPredefinedDateCategoryPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                               TPLXEntityFactory &)
{
    std::unique_ptr<TPLXDateCategory> category;
    if (name == QLatin1String("Holidays"))
        category = std::make_unique<TPLXHolidaysDateCategory>();
    else if (name == QLatin1String("Vacations"))
        category = std::make_unique<TPLXVacationsDateCategory>();
    else
        category = std::make_unique<TPLXWeekendsDateCategory>();
    category->setColor(StringToColor(media.strValue(name, kColor, QStringLiteral("clBlack"))));
    return category;
}

std::unique_ptr<TPLXGanttObject> TPLXFixedDateExceptionPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                           TPLXEntityFactory &)
{
    return std::make_unique<TPLXFixedDateException>(media.dateValue(name, kDateFrom, 0.0),
                                                    media.dateValue(name, kDateTo, 0.0),
                                                    media.strValue(name, kName, QString()));
}

std::unique_ptr<TPLXGanttObject> TPLXRecurringDateExceptionPersistence::doLoad(const QString &name, IPLXMedia &media,
                                                                               TPLXEntityFactory &)
{
    const auto clamped = [&](const char *key, qint32 def, int lo, int hi) {
        return media.intValueIn(name, QString::fromLatin1(key), def, lo, hi);
    };
    return std::make_unique<TPLXRecurringDateException>(
        modeFromInt(media.intValue(name, QStringLiteral("RecurringTimeMode"), tmWeek)),
        static_cast<quint16>(clamped("RecurringPeriod", 1, 1, 65535)),
        static_cast<quint16>(clamped("DayFrom", 6, 0, 65535)), static_cast<quint16>(clamped("DayTo", 1, 0, 65535)),
        static_cast<quint8>(clamped("HourFrom", 0, 0, 255)), static_cast<quint8>(clamped("HourTo", 0, 0, 255)),
        media.strValue(name, kName, QString()), media.dateValue(name, kDateFrom, 0.0),
        media.dateValue(name, kDateTo, 0.0));
}

namespace {

const TPLXKindRegistration<TPLXDocumentCalendarPersistence> calendarRegistration("Document Calendar");
const TPLXKindRegistration<TPLXDateCategoryPersistence> categoryRegistration("Date Category");
const TPLXKindRegistration<TPLXFixedDateExceptionPersistence> fixedRegistration("Fixed Date Exception");
const TPLXKindRegistration<TPLXRecurringDateExceptionPersistence> recurringRegistration("Recurring Date Exception");
const TPLXKindRegistration<TPLXPredefinedDateCategoryPersistence> predefinedRegistration("Predefined Date Category");

} // namespace
