#include "plxTimeMode.h"
#include "plxRessourceStrings.h"

#include <QDate>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

// Far enough for any chart, near enough that milliseconds stay exact in a double.
constexpr double kMaxAbsDays = 1.0e8;
constexpr qint64 kMaxAbsYear = 300000;
// Day number of 1 Jan 1970 counted from 30 Dec 1899.
constexpr qint64 kUnixEpochDay = 25569;

double clampDays(double date)
{
    if (std::isnan(date))
        return 0.0;
    return std::clamp(date, -kMaxAbsDays, kMaxAbsDays);
}

qint32 clampToInt32(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double lo = std::numeric_limits<qint32>::min();
    constexpr double hi = std::numeric_limits<qint32>::max();
    return static_cast<qint32>(std::clamp(value, lo, hi));
}

qint32 clampToInt32(qint64 value)
{
    return static_cast<qint32>(
        std::clamp<qint64>(value, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

// Days since 1 Jan 1970 of a proleptic Gregorian date (H. Hinnant's algorithm).
qint64 daysFromCivil(qint64 y, qint64 m, qint64 d)
{
    y -= m <= 2 ? 1 : 0;
    const qint64 era = floorDiv(y, 400);
    const qint64 yoe = y - era * 400;
    const qint64 doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const qint64 doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(qint64 z, qint64 &y, int &m, int &d)
{
    z += 719468;
    const qint64 era = floorDiv(z, 146097);
    const qint64 doe = z - era * 146097;
    const qint64 yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const qint64 doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const qint64 mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = yoe + era * 400 + (m <= 2 ? 1 : 0);
}

qint64 dayNumber(qint64 year, int month, int day)
{
    return daysFromCivil(year, month, day) + kUnixEpochDay;
}

constexpr int kCommonYearMonthStart[13] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

QString fourDigitYear(int year)
{
    if (year < 0)
        return QLatin1Char('-') + QStringLiteral("%1").arg(-year, 4, 10, QLatin1Char('0'));
    return QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0'));
}

std::optional<QLocale> &dateLocaleOverride()
{
    static std::optional<QLocale> locale;
    return locale;
}

} // namespace

// ------------------------------------------------------------ calendar primitives

qint64 PLXDateToMs(TDateTime date)
{
    return std::llrint(clampDays(date) * static_cast<double>(PLXMsPerDay));
}

TPLXDateParts PLXDecodeDate(TDateTime date)
{
    const qint64 ms = PLXDateToMs(date);
    TPLXDateParts parts;
    parts.day = floorDiv(ms, PLXMsPerDay);
    parts.msOfDay = ms - parts.day * PLXMsPerDay;
    qint64 year = 0;
    civilFromDays(parts.day - kUnixEpochDay, year, parts.month, parts.dayOfMonth);
    parts.year = static_cast<int>(year);
    parts.dayOfWeek = static_cast<int>(floorMod(parts.day + 5, 7)) + 1;
    parts.dayOfYear = static_cast<int>(parts.day - dayNumber(year, 1, 1)) + 1;
    return parts;
}

bool PLXIsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int PLXDaysInMonth(int year, int month)
{
    static constexpr int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && PLXIsLeapYear(year) ? 29 : lengths[month - 1];
}

TDateTime PLXEncodeDate(int year, int month, int day)
{
    const qint64 total = static_cast<qint64>(year) * 12 + (month - 1);
    const int y = static_cast<int>(floorDiv(total, 12));
    const int m = static_cast<int>(floorMod(total, 12)) + 1;
    const int d = std::clamp(day, 1, PLXDaysInMonth(y, m));
    return static_cast<double>(dayNumber(y, m, d));
}

TDateTime PLXAddMonths(TDateTime date, qint64 months)
{
    const TPLXDateParts parts = PLXDecodeDate(date);
    months = std::clamp<qint64>(months, -2 * kMaxAbsYear * 12, 2 * kMaxAbsYear * 12);
    const qint64 total = std::clamp<qint64>(static_cast<qint64>(parts.year) * 12 + (parts.month - 1) + months,
                                            -kMaxAbsYear * 12, kMaxAbsYear * 12);
    const int y = static_cast<int>(floorDiv(total, 12));
    const int m = static_cast<int>(floorMod(total, 12)) + 1;
    const int d = std::min(parts.dayOfMonth, PLXDaysInMonth(y, m));
    // Shifting by whole days keeps the time of day exactly as it was.
    return date + static_cast<double>(dayNumber(y, m, d) - parts.day);
}

int PLXWeekOfYear(TDateTime date)
{
    const TPLXDateParts parts = PLXDecodeDate(date);
    const TPLXDateParts thursday = PLXDecodeDate(static_cast<double>(parts.day - parts.dayOfWeek + 4));
    return (thursday.dayOfYear - 1) / 7 + 1;
}

int PLXWeekOfMonth(TDateTime date)
{
    const TPLXDateParts parts = PLXDecodeDate(date);
    const TPLXDateParts thursday = PLXDecodeDate(static_cast<double>(parts.day - parts.dayOfWeek + 4));
    return (thursday.dayOfMonth - 1) / 7 + 1;
}

// ------------------------------------------------------------ period arithmetic

TDateTime Add(TDateTime date, qint32 N, TPLXTimeMode mode)
{
    switch (mode) {
    case tmNone:
        return date;
    case tmHour:
        return date + N / 24.0;
    case tmDay:
        return date + N;
    case tmWeek:
        return date + 7.0 * N;
    case tmMonth:
        return PLXAddMonths(date, N);
    case tmQuarter:
        return PLXAddMonths(date, static_cast<qint64>(MonthsPerQuarter) * N);
    case tmYear:
        return PLXAddMonths(date, 12LL * N);
    case tmDecade:
        return PLXAddMonths(date, 12LL * YearsPerDecade * N);
    }
    return date;
}

TDateTime Next(TDateTime date, TPLXTimeMode mode)
{
    return Add(date, 1, mode);
}

TDateTime Prev(TDateTime date, TPLXTimeMode mode)
{
    return Add(date, -1, mode);
}

TDateTime RealAdd(TDateTime date, double R, TPLXTimeMode mode)
{
    if (mode == tmNone || std::isnan(R))
        return date;
    const qint32 whole = clampToInt32(std::trunc(R));
    const double part = R - whole;
    const TDateTime base = Add(date, whole, mode);
    return base + part * (Next(base, mode) - base);
}

qint32 Diff(TDateTime date1, TDateTime date2, TPLXTimeMode mode)
{
    switch (mode) {
    case tmNone:
        return 0;
    case tmHour: {
        const long double span = static_cast<long double>(date1) - static_cast<long double>(date2);
        return clampToInt32(static_cast<double>(std::nearbyint(span / (1.0L / 24.0L))));
    }
    case tmDay:
        return clampToInt32(std::nearbyint(date1 - date2 + 0.00001));
    case tmWeek:
        return Diff(date1, date2, tmDay) / 7;
    case tmMonth:
    case tmQuarter: {
        const TPLXDateParts a = PLXDecodeDate(date1);
        const TPLXDateParts b = PLXDecodeDate(date2);
        qint64 months = (a.month - b.month) + 12LL * (a.year - b.year);
        if (a.dayOfMonth < b.dayOfMonth || (a.dayOfMonth == b.dayOfMonth && a.msOfDay < b.msOfDay))
            --months;
        return clampToInt32(mode == tmMonth ? months : months / MonthsPerQuarter);
    }
    case tmYear:
    case tmDecade: {
        const TPLXDateParts a = PLXDecodeDate(date1);
        const TPLXDateParts b = PLXDecodeDate(date2);
        qint64 years = static_cast<qint64>(a.year) - b.year;
        if (a.month < b.month || (a.month == b.month && a.dayOfMonth < b.dayOfMonth) ||
            (a.month == b.month && a.dayOfMonth == b.dayOfMonth && a.msOfDay < b.msOfDay))
            --years;
        return clampToInt32(mode == tmYear ? years : years / YearsPerDecade);
    }
    }
    return 0;
}

double RealDiff(TDateTime date1, TDateTime date2, TPLXTimeMode mode)
{
    const double span = std::fabs(date1 - date2);
    double result = 0.0;
    switch (mode) {
    case tmNone:
        return 0.0;
    case tmHour:
        result = span * 24.0;
        break;
    case tmDay:
        result = span;
        break;
    case tmWeek:
        result = span / 7.0;
        break;
    case tmMonth:
        result = span / 30.4375;
        break;
    case tmQuarter:
        result = (span / 30.4375) / 3.0;
        break;
    case tmYear:
        result = span / 365.25;
        break;
    case tmDecade:
        result = (span / 365.25) / 10.0;
        break;
    }
    return date1 < date2 ? -result : result;
}

TDateTime StartOfPeriod(TDateTime date, TPLXTimeMode mode)
{
    if (mode == tmNone || mode == tmHour)
        return date;
    const TPLXDateParts parts = PLXDecodeDate(date);
    switch (mode) {
    case tmDay:
        return static_cast<double>(parts.day);
    case tmWeek:
        return static_cast<double>(parts.day - (parts.dayOfWeek - 1));
    case tmMonth:
        return static_cast<double>(dayNumber(parts.year, parts.month, 1));
    case tmQuarter:
        return static_cast<double>(dayNumber(parts.year, parts.month - (parts.month - 1) % MonthsPerQuarter, 1));
    case tmYear:
        return static_cast<double>(dayNumber(parts.year, 1, 1));
    case tmDecade:
        return static_cast<double>(dayNumber(parts.year - floorMod(parts.year, YearsPerDecade), 1, 1));
    default:
        return date;
    }
}

quint16 Day(TDateTime date, TPLXTimeMode mode)
{
    switch (mode) {
    case tmWeek:
        return static_cast<quint16>(PLXDecodeDate(date).dayOfWeek);
    case tmMonth:
    case tmQuarter:
        return static_cast<quint16>(PLXDecodeDate(date).dayOfMonth);
    case tmYear:
    case tmDecade: {
        const TPLXDateParts parts = PLXDecodeDate(date);
        // Counted as in a common year: 29 February shares 60 with 1 March.
        const int day = PLXIsLeapYear(parts.year) && parts.dayOfYear > 60 ? parts.dayOfYear - 1 : parts.dayOfYear;
        return static_cast<quint16>(day);
    }
    default:
        return 0;
    }
}

quint16 DaysIn(TPLXTimeMode mode)
{
    switch (mode) {
    case tmDay:
        return 1;
    case tmWeek:
        return 7;
    case tmMonth:
        return 30;
    case tmQuarter:
        return 30 * MonthsPerQuarter;
    case tmYear:
        return 365;
    case tmDecade:
        return 365 * YearsPerDecade;
    default:
        return 0;
    }
}

quint16 DayRange(quint16 from, quint16 to, TPLXTimeMode mode)
{
    if (to >= from)
        return static_cast<quint16>(to - from);
    const int range = static_cast<int>(DaysIn(mode)) - (from - to);
    return static_cast<quint16>(std::max(0, range));
}

quint16 DayMonthInYear(quint16 day, quint16 month)
{
    if (month < 1 || month > 12)
        return 0;
    return static_cast<quint16>(kCommonYearMonthStart[month] + day);
}

TPLXTimeFormat DefaultTimeFormat(TPLXTimeMode mode)
{
    switch (mode) {
    case tmHour:
        return tmfHourStandard;
    case tmDay:
        return tmfDayFull;
    case tmWeek:
        return tmfWeekYear;
    case tmMonth:
        return tmfMonthMedium;
    case tmQuarter:
        return tmfQuarterShort;
    case tmYear:
        return tmfYearFull;
    case tmDecade:
        return tmfDecade;
    default:
        return tmfNone;
    }
}

QLocale PLXDateLocale()
{
    if (const std::optional<QLocale> &chosen = dateLocaleOverride())
        return *chosen;
    switch (PLXRessourceLanguage()) {
    case QLocale::German:
        return QLocale(QLocale::German, QLocale::Germany);
    case QLocale::English:
        return QLocale(QLocale::English, QLocale::UnitedStates);
    case QLocale::French:
        return QLocale(QLocale::French, QLocale::France);
    default:
        return QLocale();
    }
}

void PLXSetDateLocale(const QLocale &locale)
{
    dateLocaleOverride() = locale;
}

void PLXResetDateLocale()
{
    dateLocaleOverride().reset();
}

QString PeriodToString(TDateTime date, TPLXTimeMode mode, TPLXTimeFormat format)
{
    const QString calendarWeek = GetRessourceValue(QStringLiteral("df_calendarweekstring"));
    const QString monthWeek = GetRessourceValue(QStringLiteral("df_monthweekstring"));
    const QString quarterLong = GetRessourceValue(QStringLiteral("df_quarterlongstring"));
    const QString quarterShort = GetRessourceValue(QStringLiteral("df_quartershortstring"));

    const QLocale locale = PLXDateLocale();
    const TPLXDateParts parts = PLXDecodeDate(date);
    const QString yyyy = fourDigitYear(parts.year);
    const QString yy = QStringLiteral("%1").arg(floorMod(parts.year, 100), 2, 10, QLatin1Char('0'));
    const QString dot = QStringLiteral(". ");
    const auto dayName = [&](QLocale::FormatType type) { return locale.dayName(parts.dayOfWeek, type); };
    const auto monthName = [&](QLocale::FormatType type) { return locale.monthName(parts.month, type); };
    const int quarter = (parts.month - 1) / MonthsPerQuarter + 1;

    switch (mode) {
    case tmHour:
        switch (format) {
        case tmfHourStandard:
            return QString::number(parts.hour());
        case tmfHourAMPM: {
            const int hour12 = parts.hour() % 12 == 0 ? 12 : parts.hour() % 12;
            return QString::number(hour12) + (parts.hour() < 12 ? QStringLiteral(" AM") : QStringLiteral(" PM"));
        }
        case tmfHourTime:
            return QStringLiteral("%1:00").arg(parts.hour(), 2, 10, QLatin1Char('0'));
        default:
            return QString();
        }
    case tmDay:
        switch (format) {
        case tmfDayFull:
            return dayName(QLocale::LongFormat);
        case tmfDayShort:
            return dayName(QLocale::ShortFormat).left(1);
        case tmfDayOfYear:
            return QString::number(parts.dayOfYear);
        case tmfDayOfMonth:
            return QString::number(parts.dayOfMonth);
        case tmfDayOfWeek:
            return QString::number(parts.dayOfWeek);
        case tmfDayShortDayNumber:
            return dayName(QLocale::ShortFormat).left(2) + QLatin1Char(' ') + QString::number(parts.dayOfMonth);
        default:
            return QString();
        }
    case tmWeek:
        switch (format) {
        case tmfWeekYear:
            return QString::number(PLXWeekOfYear(date)) + dot + calendarWeek;
        case tmfWeekYearNr:
            return QString::number(PLXWeekOfYear(date));
        case tmfWeekMonth:
            return QString::number(PLXWeekOfMonth(date)) + dot + monthWeek;
        case tmfWeekMonthNr:
            return QString::number(PLXWeekOfMonth(date));
        case tmfWeekStartDay: {
            const qint64 monday = parts.day - (parts.dayOfWeek - 1);
            // Julian day 2415019 is 30 Dec 1899; QDate carries no time zone.
            return locale.toString(QDate::fromJulianDay(monday + 2415019), QLocale::ShortFormat);
        }
        default:
            return QString();
        }
    case tmMonth:
        switch (format) {
        case tmfMonthFull:
            return monthName(QLocale::LongFormat);
        case tmfMonthMedium:
            return monthName(QLocale::ShortFormat);
        case tmfMonthShort:
            return monthName(QLocale::ShortFormat).left(1);
        case tmfMonthFullYear:
            return monthName(QLocale::LongFormat) + QLatin1Char(' ') + yyyy;
        case tmfMonthMediumYear:
            return monthName(QLocale::ShortFormat) + QLatin1Char(' ') + yyyy;
        case tmfMonthShortYear:
            return monthName(QLocale::ShortFormat).left(1) + yyyy;
        case tmfMonthNumber:
            return QString::number(parts.month);
        case tmfMonthNumberYear:
            return QString::number(parts.month) + QLatin1Char(' ') + yyyy;
        default:
            return QString();
        }
    case tmQuarter:
        switch (format) {
        case tmfQuarterFull:
            return QString::number(quarter) + dot + quarterLong;
        case tmfQuarterShort:
            return QString::number(quarter) + dot + quarterShort;
        case tmfQuarterFullYear:
            return QString::number(quarter) + dot + quarterLong + QLatin1Char(' ') + yyyy;
        case tmfQuarterShortYear:
            return QString::number(quarter) + dot + quarterShort + QLatin1Char(' ') + yyyy;
        case tmfQuarterRoman: {
            static const char *const roman[] = {"I", "II", "III", "IV"};
            return QString::fromLatin1(roman[quarter - 1]);
        }
        case tmfYearFull:
            return yyyy;
        case tmfYearShort:
            return yy;
        default:
            return QString();
        }
    case tmYear:
        switch (format) {
        case tmfYearFull:
            return yyyy;
        case tmfYearShort:
            return yy;
        default:
            return QString();
        }
    case tmDecade:
        if (format != tmfDecade)
            return QString();
        return yyyy.left(yyyy.size() - 1) + QStringLiteral("0-") +
               fourDigitYear(PLXDecodeDate(Add(date, YearsPerDecade, tmYear)).year).chopped(1) + QLatin1Char('0');
    default:
        return QString();
    }
}

// ------------------------------------------------------------ TPLXTimeModeObject

TPLXTimeModeObject::TPLXTimeModeObject() = default;

TPLXTimeMode TPLXTimeModeObject::getTimeMode() const
{
    return FTimeMode;
}

void TPLXTimeModeObject::SetTimeMode(TPLXTimeMode mode)
{
    FTimeMode = mode;
}

TDateTime TPLXTimeModeObject::Next(TDateTime date)
{
    return ::Next(date, FTimeMode);
}

TDateTime TPLXTimeModeObject::Prev(TDateTime date)
{
    return ::Prev(date, FTimeMode);
}

TDateTime TPLXTimeModeObject::Add(TDateTime date, qint32 N)
{
    return ::Add(date, N, FTimeMode);
}

TDateTime TPLXTimeModeObject::RealAdd(TDateTime date, double R)
{
    return ::RealAdd(date, R, getTimeMode());
}

qint32 TPLXTimeModeObject::Diff(TDateTime date1, TDateTime date2)
{
    return ::Diff(date1, date2, FTimeMode);
}

double TPLXTimeModeObject::RealDiff(TDateTime date1, TDateTime date2)
{
    return ::RealDiff(date1, date2, FTimeMode);
}

TDateTime TPLXTimeModeObject::StartOfPeriod(TDateTime date)
{
    return ::StartOfPeriod(date, FTimeMode);
}

TDateTime TPLXTimeModeObject::StartOfNextPeriod(TDateTime date)
{
    if (StartOfPeriod(date) == date)
        return date;
    return StartOfPeriod(Add(date, 1));
}

TDateTime TPLXTimeModeObject::StartOfPreviousPeriod(TDateTime date)
{
    if (StartOfPeriod(date) == date)
        return date;
    return StartOfPeriod(Add(date, -1));
}

QString TPLXTimeModeObject::PeriodToString(TDateTime date, TPLXTimeFormat TimeFormat)
{
    return ::PeriodToString(date, FTimeMode, TimeFormat);
}

double TPLXTimeModeObject::getUnitPeriod()
{
    return Next(0.0);
}
