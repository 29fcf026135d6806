#include "plxRessourceStrings.h"
#include "plxTimeMode.h"

#include <QDate>
#include <QMetaProperty>
#include <QtTest>

namespace {

TDateTime at(int y, int m, int d, int h = 0, int mi = 0)
{
    return PLXEncodeDate(y, m, d) + (h * 60 + mi) / 1440.0;
}

// Two instants are the same when they fall on the same millisecond.
QString show(TDateTime date)
{
    const TPLXDateParts p = PLXDecodeDate(date);
    return QStringLiteral("%1-%2-%3 %4 ms").arg(p.year).arg(p.month).arg(p.dayOfMonth).arg(p.msOfDay);
}

enum { realAdd, diff, day };

} // namespace

class tst_plxTimeMode : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void decodeAgreesWithQDate();
    void weekNumbersAgreeWithIso();
    void encodeClampsTheDay();
    void add_data();
    void add();
    void startOfPeriod_data();
    void startOfPeriod();
    void numbers_data();
    void numbers();
    void realDiffIsAntisymmetric();
    void dayRangesAndNominalSizes();
    void labels_data();
    void labels();
    void labelsFollowTheLanguage();
    void timeModeObjectForwardsAndPublishes();
    void extremeInputsStayFinite();
};

void tst_plxTimeMode::initTestCase()
{
    CreateDefaultRessources_ENG();
}

void tst_plxTimeMode::cleanupTestCase()
{
    PLXClearRessources();
    PLXResetDateLocale();
}

void tst_plxTimeMode::decodeAgreesWithQDate()
{
    // Every day from 1600 to 2400, with the weekday and day of year.
    const qint64 first = QDate(1600, 1, 1).toJulianDay() - 2415019;
    const qint64 last = QDate(2400, 12, 31).toJulianDay() - 2415019;
    for (qint64 day = first; day <= last; ++day) {
        const TPLXDateParts p = PLXDecodeDate(static_cast<double>(day) + 0.75);
        const QDate q = QDate::fromJulianDay(day + 2415019);
        if (p.year != q.year() || p.month != q.month() || p.dayOfMonth != q.day() || p.dayOfWeek != q.dayOfWeek()
            || p.dayOfYear != q.dayOfYear() || p.day != day || p.msOfDay != 18 * 3600000)
            QFAIL(qPrintable(QStringLiteral("day %1 decodes as %2").arg(day).arg(show(day))));
        if (PLXEncodeDate(q.year(), q.month(), q.day()) != static_cast<double>(day))
            QFAIL(qPrintable(QStringLiteral("day %1 does not encode back").arg(day)));
    }
    QCOMPARE(PLXDecodeDate(0.0).dayOfWeek, 6); // 30 Dec 1899 was a Saturday
    // A hair before midnight is midnight.
    QCOMPARE(PLXDecodeDate(45000.0 - 1e-10).day, 45000);
    QCOMPARE(PLXDecodeDate(-0.25).day, -1);
    QCOMPARE(PLXDecodeDate(-0.25).msOfDay, 18 * 3600000);
}

void tst_plxTimeMode::weekNumbersAgreeWithIso()
{
    for (QDate q(1899, 12, 1); q <= QDate(2101, 1, 31); q = q.addDays(1)) {
        const double date = static_cast<double>(q.toJulianDay() - 2415019);
        QCOMPARE(PLXWeekOfYear(date), q.weekNumber());
    }
    // The month that holds the week's Thursday owns the week.
    QCOMPARE(PLXWeekOfMonth(at(2024, 8, 1)), 1); // Thursday
    QCOMPARE(PLXWeekOfMonth(at(2024, 9, 1)), 5); // Sunday: still the last week of August
    QCOMPARE(PLXWeekOfMonth(at(2024, 9, 2)), 1);
    QCOMPARE(PLXWeekOfMonth(at(2024, 12, 30)), 1); // January's Thursday
}

void tst_plxTimeMode::encodeClampsTheDay()
{
    QCOMPARE(PLXEncodeDate(2023, 2, 31), PLXEncodeDate(2023, 2, 28));
    QCOMPARE(PLXEncodeDate(2024, 13, 1), PLXEncodeDate(2025, 1, 1));
    QCOMPARE(PLXEncodeDate(1899, 12, 30), 0.0);
    QCOMPARE(PLXEncodeDate(1900, 3, 1), 61.0);
    QVERIFY(PLXIsLeapYear(2000) && PLXIsLeapYear(2024) && !PLXIsLeapYear(1900) && !PLXIsLeapYear(2100));
    QCOMPARE(PLXDaysInMonth(1900, 2), 28);
    QCOMPARE(PLXDaysInMonth(2000, 2), 29);
}

void tst_plxTimeMode::add_data()
{
    QTest::addColumn<double>("date");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("expected");
    QTest::newRow("none is identity") << at(2024, 5, 5) << 7 << int(tmNone) << at(2024, 5, 5);
    QTest::newRow("hours") << at(2024, 3, 31, 1) << 2 << int(tmHour) << at(2024, 3, 31, 3);
    QTest::newRow("hours across a DST change") << at(2024, 10, 27, 1) << 3 << int(tmHour) << at(2024, 10, 27, 4);
    QTest::newRow("days back") << at(2024, 3, 1, 6) << -1 << int(tmDay) << at(2024, 2, 29, 6);
    QTest::newRow("weeks") << at(2023, 12, 28) << 1 << int(tmWeek) << at(2024, 1, 4);
    QTest::newRow("31 Jan + 1 month") << at(2023, 1, 31, 10) << 1 << int(tmMonth) << at(2023, 2, 28, 10);
    QTest::newRow("31 Jan + 1 month, leap") << at(2024, 1, 31) << 1 << int(tmMonth) << at(2024, 2, 29);
    QTest::newRow("31 Mar - 1 month") << at(2024, 3, 31) << -1 << int(tmMonth) << at(2024, 2, 29);
    QTest::newRow("31 Jan + 1 quarter") << at(2024, 1, 31) << 1 << int(tmQuarter) << at(2024, 4, 30);
    QTest::newRow("month across 1900") << at(1900, 1, 31) << 1 << int(tmMonth) << at(1900, 2, 28);
    QTest::newRow("month across 2100") << at(2100, 1, 29) << 1 << int(tmMonth) << at(2100, 2, 28);
    QTest::newRow("29 Feb + 1 year") << at(2024, 2, 29, 12) << 1 << int(tmYear) << at(2025, 2, 28, 12);
    QTest::newRow("29 Feb + 4 years") << at(2096, 2, 29) << 4 << int(tmYear) << at(2100, 2, 28);
    QTest::newRow("decade") << at(2024, 7, 1) << -1 << int(tmDecade) << at(2014, 7, 1);
    QTest::newRow("december + 1 month") << at(2099, 12, 15) << 1 << int(tmMonth) << at(2100, 1, 15);
    QTest::newRow("before 1900") << at(1899, 12, 30) << -2 << int(tmMonth) << at(1899, 10, 30);
}

void tst_plxTimeMode::add()
{
    QFETCH(double, date);
    QFETCH(int, n);
    QFETCH(int, mode);
    QFETCH(double, expected);
    const TDateTime result = Add(date, n, TPLXTimeMode(mode));
    QCOMPARE(show(result), show(expected)); // day and millisecond of day
    if (n == 1)
        QCOMPARE(Next(date, TPLXTimeMode(mode)), result);
    if (n == -1)
        QCOMPARE(Prev(date, TPLXTimeMode(mode)), result);
}

void tst_plxTimeMode::startOfPeriod_data()
{
    QTest::addColumn<double>("date");
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("expected");
    QTest::newRow("hour is not truncated") << at(2024, 8, 15, 13, 25) << int(tmHour) << at(2024, 8, 15, 13, 25);
    QTest::newRow("day") << at(2024, 8, 15, 13) << int(tmDay) << at(2024, 8, 15);
    QTest::newRow("day on a DST change") << at(2024, 3, 31, 23) << int(tmDay) << at(2024, 3, 31);
    QTest::newRow("week from Sunday") << at(2024, 9, 1, 20) << int(tmWeek) << at(2024, 8, 26);
    QTest::newRow("week from Monday") << at(2024, 8, 26) << int(tmWeek) << at(2024, 8, 26);
    QTest::newRow("week across the year") << at(2025, 1, 1) << int(tmWeek) << at(2024, 12, 30);
    QTest::newRow("month") << at(2024, 2, 29, 5) << int(tmMonth) << at(2024, 2, 1);
    QTest::newRow("quarter") << at(2024, 8, 15, 13) << int(tmQuarter) << at(2024, 7, 1);
    QTest::newRow("quarter in December") << at(2024, 12, 31) << int(tmQuarter) << at(2024, 10, 1);
    QTest::newRow("year") << at(2100, 12, 31) << int(tmYear) << at(2100, 1, 1);
    QTest::newRow("decade") << at(2024, 6, 6) << int(tmDecade) << at(2020, 1, 1);
    QTest::newRow("decade before 1900") << at(1899, 12, 31) << int(tmDecade) << at(1890, 1, 1);
}

void tst_plxTimeMode::startOfPeriod()
{
    QFETCH(double, date);
    QFETCH(int, mode);
    QFETCH(double, expected);
    QCOMPARE(StartOfPeriod(date, TPLXTimeMode(mode)), expected);

    TPLXTimeModeObject object;
    object.SetTimeMode(TPLXTimeMode(mode));
    // A period start is its own next and previous period start.
    QCOMPARE(object.StartOfNextPeriod(expected), expected);
    QCOMPARE(object.StartOfPreviousPeriod(expected), expected);
    if (expected != date && mode != tmHour) {
        QCOMPARE(object.StartOfNextPeriod(date), Next(expected, TPLXTimeMode(mode)));
        QCOMPARE(object.StartOfPreviousPeriod(date), Prev(expected, TPLXTimeMode(mode)));
    }
}

void tst_plxTimeMode::numbers_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<double>("date");
    QTest::addColumn<double>("other"); // the fraction for RealAdd, the second date for Diff
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("expected");
    const auto row = [](const char *name, int op, double date, double other, int mode, double expected) {
        QTest::newRow(name) << op << date << other << mode << expected;
    };
    const double d = at(2024, 1, 10);
    row("half a day", realAdd, at(2024, 1, 1), 0.5, tmDay, at(2024, 1, 1, 12));
    row("half of February", realAdd, at(2024, 1, 31), 1.5, tmMonth, at(2024, 2, 29) + 14.5);
    row("negative fraction uses the following period", realAdd, at(2024, 3, 1), -0.5, tmMonth,
        at(2024, 3, 1) - 15.5);
    row("quarter of a week", realAdd, at(2024, 1, 1), 2.25, tmWeek, at(2024, 1, 1) + 15.75);
    row("real add, no mode", realAdd, at(2024, 1, 1), 3.5, tmNone, at(2024, 1, 1));
    row("diff, no mode", diff, d + 40, d, tmNone, 0);
    row("hours", diff, d + 0.5, d, tmHour, 12);
    row("hours back", diff, d, d + 1.25, tmHour, -30);
    row("half a day rounds up", diff, d + 0.5, d, tmDay, 1);
    row("1.4 days", diff, d + 1.4, d, tmDay, 1);
    row("6.9 days are a week", diff, d + 6.9, d, tmWeek, 1);
    row("13 days back", diff, d, d + 13, tmWeek, -1);
    row("month, time of day short", diff, at(2024, 3, 10, 12), at(2024, 2, 10, 13), tmMonth, 0);
    row("month, time of day past", diff, at(2024, 3, 10, 13), at(2024, 2, 10, 12), tmMonth, 1);
    row("month backwards", diff, at(2024, 1, 20), at(2024, 2, 10), tmMonth, -1);
    row("31 Jan to 28 Feb", diff, at(2023, 2, 28), at(2023, 1, 31), tmMonth, 0);
    row("quarter forwards", diff, at(2025, 1, 1), at(2024, 1, 1), tmQuarter, 4);
    row("quarter backwards", diff, at(2024, 1, 1), at(2025, 1, 1), tmQuarter, -4);
    row("year short by a day", diff, at(2025, 2, 28), at(2024, 2, 29), tmYear, 0);
    row("year 1900 to 2100", diff, at(2100, 3, 1), at(1900, 3, 1), tmYear, 200);
    row("decade", diff, at(2041, 1, 1), at(2024, 1, 1), tmDecade, 1);
    row("Monday", day, at(2024, 8, 26, 23), 0, tmWeek, 1);
    row("Sunday", day, at(2024, 9, 1), 0, tmWeek, 7);
    row("day of month", day, at(2024, 8, 31), 0, tmMonth, 31);
    row("day of month in a quarter", day, at(2024, 8, 15), 0, tmQuarter, 15);
    row("1 March, common year", day, at(2023, 3, 1), 0, tmYear, 60);
    row("1 March, leap year", day, at(2024, 3, 1), 0, tmYear, 60);
    row("29 February", day, at(2024, 2, 29), 0, tmYear, 60);
    row("31 December, leap year", day, at(2024, 12, 31), 0, tmDecade, 365);
    row("31 December, 1900", day, at(1900, 12, 31), 0, tmYear, 365);
    row("day mode", day, at(2024, 8, 15), 0, tmDay, 0);
    row("hour mode", day, at(2024, 8, 15), 0, tmHour, 0);
}

void tst_plxTimeMode::numbers()
{
    QFETCH(int, op);
    QFETCH(double, date);
    QFETCH(double, other);
    QFETCH(int, mode);
    QFETCH(double, expected);
    if (op == realAdd)
        QCOMPARE(PLXDateToMs(RealAdd(date, other, TPLXTimeMode(mode))), PLXDateToMs(expected));
    else if (op == diff)
        QCOMPARE(Diff(date, other, TPLXTimeMode(mode)), int(expected));
    else
        QCOMPARE(int(Day(date, TPLXTimeMode(mode))), int(expected));
}

void tst_plxTimeMode::realDiffIsAntisymmetric()
{
    const double a = at(2024, 2, 3, 7);
    const double b = at(2031, 11, 17, 19);
    for (int mode = tmNone; mode <= tmDecade; ++mode) {
        const double forward = RealDiff(b, a, TPLXTimeMode(mode));
        QCOMPARE(RealDiff(a, b, TPLXTimeMode(mode)), -forward);
        if (mode != tmNone)
            QVERIFY(forward > 0);
    }
    QCOMPARE(RealDiff(a + 3.5, a, tmHour), 84.0);
    QCOMPARE(RealDiff(a + 365.25, a, tmYear), 1.0);
    QCOMPARE(RealDiff(a + 30.4375 * 6, a, tmQuarter), 2.0);
    QCOMPARE(RealDiff(a + 3652.5, a, tmDecade), 1.0);
}

void tst_plxTimeMode::dayRangesAndNominalSizes()
{
    QCOMPARE(DayRange(6, 7, tmWeek), quint16(1));
    QCOMPARE(DayRange(7, 1, tmWeek), quint16(1));
    QCOMPARE(DayRange(3, 3, tmWeek), quint16(0));
    QCOMPARE(DayRange(25, 5, tmMonth), quint16(10));
    QCOMPARE(DayRange(9, 1, tmWeek), quint16(0)); // never below zero
    QCOMPARE(DayRange(7, 1, tmNone), quint16(0));
    QCOMPARE(DayMonthInYear(1, 3), quint16(60));
    QCOMPARE(DayMonthInYear(31, 12), quint16(365));
    QCOMPARE(DayMonthInYear(1, 1), quint16(1));
    QCOMPARE(DayMonthInYear(1, 13), quint16(0));
    const int nominal[] = {0, 0, 1, 7, 30, 90, 365, 3650};
    const double unit[] = {0, 1.0 / 24, 1, 7, 31, 90, 365, 3652};
    const int defaults[] = {tmfNone,        tmfHourStandard, tmfDayFull, tmfWeekYear,
                            tmfMonthMedium, tmfQuarterShort, tmfYearFull, tmfDecade};
    TPLXTimeModeObject object;
    for (int mode = tmNone; mode <= tmDecade; ++mode) {
        QCOMPARE(int(DaysIn(TPLXTimeMode(mode))), nominal[mode]);
        QCOMPARE(int(DefaultTimeFormat(TPLXTimeMode(mode))), defaults[mode]);
        object.SetTimeMode(TPLXTimeMode(mode));
        QCOMPARE(object.getUnitPeriod(), unit[mode]);
    }
}

void tst_plxTimeMode::labels_data()
{
    QTest::addColumn<double>("date");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("german");
    QTest::addColumn<QString>("french");
    const double wed = at(2024, 2, 14, 15); // Wednesday, week 7
    const auto row = [](const char *name, double date, int mode, int format, const char *en, const char *de,
                        const char *fr) {
        QTest::newRow(name) << date << mode << format << QString::fromUtf8(en) << QString::fromUtf8(de)
                            << QString::fromUtf8(fr);
    };
    row("hour", wed, tmHour, tmfHourStandard, "15", "15", "15");
    row("hour AM/PM", wed, tmHour, tmfHourAMPM, "3 PM", "3 PM", "3 PM");
    row("midnight AM/PM", at(2024, 2, 14), tmHour, tmfHourAMPM, "12 AM", "12 AM", "12 AM");
    row("hour time", at(2024, 2, 14, 7, 40), tmHour, tmfHourTime, "07:00", "07:00", "07:00");
    row("day full", wed, tmDay, tmfDayFull, "Wednesday", "Mittwoch", "mercredi");
    row("day short", wed, tmDay, tmfDayShort, "W", "M", "m");
    row("day of year", at(2024, 12, 31), tmDay, tmfDayOfYear, "366", "366", "366");
    row("day of month", wed, tmDay, tmfDayOfMonth, "14", "14", "14");
    row("day of week", wed, tmDay, tmfDayOfWeek, "3", "3", "3");
    row("day short and number", wed, tmDay, tmfDayShortDayNumber, "We 14", "Mi 14", "me 14");
    row("calendar week", wed, tmWeek, tmfWeekYear, "7. CW", "7. KW", "7. S");
    row("calendar week number", at(2027, 1, 1), tmWeek, tmfWeekYearNr, "53", "53", "53");
    row("week of month", wed, tmWeek, tmfWeekMonth, "3. W", "3. W", "3. S");
    row("week of month number", at(2024, 9, 1), tmWeek, tmfWeekMonthNr, "5", "5", "5");
    row("month full", wed, tmMonth, tmfMonthFull, "February", "Februar", "février");
    row("month short", wed, tmMonth, tmfMonthShort, "F", "F", "f");
    row("month full year", wed, tmMonth, tmfMonthFullYear, "February 2024", "Februar 2024", "février 2024");
    row("month short year", wed, tmMonth, tmfMonthShortYear, "F2024", "F2024", "f2024");
    row("month number", wed, tmMonth, tmfMonthNumber, "2", "2", "2");
    row("month number year", wed, tmMonth, tmfMonthNumberYear, "2 2024", "2 2024", "2 2024");
    row("quarter full", at(2024, 8, 15), tmQuarter, tmfQuarterFull, "3. Quarter", "3. Quartal", "3. Trimestre");
    row("quarter short", at(2024, 8, 15), tmQuarter, tmfQuarterShort, "3. Q", "3. Q", "3. T");
    row("quarter full year", at(2024, 12, 31), tmQuarter, tmfQuarterFullYear, "4. Quarter 2024", "4. Quartal 2024",
        "4. Trimestre 2024");
    row("quarter short year", at(2024, 1, 1), tmQuarter, tmfQuarterShortYear, "1. Q 2024", "1. Q 2024", "1. T 2024");
    row("quarter roman", at(2024, 5, 1), tmQuarter, tmfQuarterRoman, "II", "II", "II");
    row("quarter year", at(2024, 5, 1), tmQuarter, tmfYearShort, "24", "24", "24");
    row("year", at(2100, 5, 1), tmYear, tmfYearFull, "2100", "2100", "2100");
    row("year short", at(1905, 5, 1), tmYear, tmfYearShort, "05", "05", "05");
    row("decade", at(2024, 5, 1), tmDecade, tmfDecade, "2020-2030", "2020-2030", "2020-2030");
    row("decade 1890s", at(1899, 12, 31), tmDecade, tmfDecade, "1890-1900", "1890-1900", "1890-1900");
    row("format of another mode", wed, tmDay, tmfWeekYear, "", "", "");
    row("year format in months", wed, tmMonth, tmfYearFull, "", "", "");
    row("no mode", wed, tmNone, tmfDayFull, "", "", "");
}

void tst_plxTimeMode::labels()
{
    QFETCH(double, date);
    QFETCH(int, mode);
    QFETCH(int, format);
    QFETCH(QString, english);
    QFETCH(QString, german);
    QFETCH(QString, french);
    CreateDefaultRessources_ENG();
    QCOMPARE(PeriodToString(date, TPLXTimeMode(mode), TPLXTimeFormat(format)), english);
    CreateDefaultRessources_GER();
    QCOMPARE(PeriodToString(date, TPLXTimeMode(mode), TPLXTimeFormat(format)), german);
    CreateDefaultRessources_FRA();
    QCOMPARE(PeriodToString(date, TPLXTimeMode(mode), TPLXTimeFormat(format)), french);
    CreateDefaultRessources_ENG();
}

void tst_plxTimeMode::labelsFollowTheLanguage()
{
    const double date = at(2024, 3, 6); // Wednesday
    CreateDefaultRessources_GER();
    QCOMPARE(PeriodToString(date, tmWeek, tmfWeekStartDay),
             QLocale(QLocale::German, QLocale::Germany).toString(QDate(2024, 3, 4), QLocale::ShortFormat));
    QCOMPARE(PeriodToString(date, tmMonth, tmfMonthMedium),
             QLocale(QLocale::German, QLocale::Germany).monthName(3, QLocale::ShortFormat));
    // An application may pick its own locale for names while keeping the texts.
    PLXSetDateLocale(QLocale(QLocale::French, QLocale::France));
    QCOMPARE(PeriodToString(date, tmDay, tmfDayFull), QStringLiteral("mercredi"));
    QCOMPARE(PeriodToString(date, tmWeek, tmfWeekYear), QStringLiteral("10. KW"));
    PLXResetDateLocale();
    QCOMPARE(PeriodToString(date, tmDay, tmfDayFull), QStringLiteral("Mittwoch"));
    // Before any text set is loaded, the keys are empty and the labels still form.
    PLXClearRessources();
    QCOMPARE(PeriodToString(date, tmQuarter, tmfQuarterShort), QStringLiteral("1. "));
    CreateDefaultRessources_ENG();
}

// A subclass that reports a different mode changes RealAdd only.
class TCoarseTimeModeObject : public TPLXTimeModeObject
{
public:
    TPLXTimeMode getTimeMode() const override { return tmWeek; }
};

void tst_plxTimeMode::timeModeObjectForwardsAndPublishes()
{
    TPLXTimeModeObject object;
    QCOMPARE(object.getTimeMode(), tmDay);
    const double d = at(2024, 1, 31, 6);
    object.SetTimeMode(tmMonth);
    QCOMPARE(object.Add(d, 1), Add(d, 1, tmMonth));
    QCOMPARE(object.Next(d), Next(d, tmMonth));
    QCOMPARE(object.Prev(d), Prev(d, tmMonth));
    QCOMPARE(object.Diff(d + 70, d), 2);
    QCOMPARE(object.RealDiff(d + 30.4375, d), 1.0);
    QCOMPARE(object.StartOfPeriod(d), at(2024, 1, 1));
    QCOMPARE(object.PeriodToString(d, tmfMonthNumber), QStringLiteral("1"));

    // The published property reads and writes the mode by name.
    QCOMPARE(object.property("TimeMode").toInt(), int(tmMonth));
    QVERIFY(object.setProperty("TimeMode", QVariant::fromValue(tmYear)));
    QCOMPARE(object.getTimeMode(), tmYear);
    const QMetaProperty property = object.metaObject()->property(object.metaObject()->indexOfProperty("TimeMode"));
    QVERIFY(property.isEnumType());
    QCOMPARE(QString::fromLatin1(property.enumerator().valueToKey(tmQuarter)), QStringLiteral("tmQuarter"));

    TCoarseTimeModeObject coarse;
    QCOMPARE(coarse.RealAdd(d, 1.5), d + 10.5);
    QCOMPARE(coarse.Add(d, 1), d + 1); // FTimeMode is still tmDay
    QVERIFY(dynamic_cast<TPLXTimeModeObject *>(object.Create().get()) != nullptr);
}

void tst_plxTimeMode::extremeInputsStayFinite()
{
    const double huge = 1e300;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (int mode = tmNone; mode <= tmDecade; ++mode) {
        const auto m = TPLXTimeMode(mode);
        QVERIFY(std::isfinite(StartOfPeriod(huge, m)) || m <= tmHour);
        Diff(huge, -huge, m);
        Diff(nan, 0, m);
        RealAdd(at(2024, 1, 1), 1e20, m);
        Add(at(2024, 1, 1), std::numeric_limits<qint32>::max(), m);
        Add(at(2024, 1, 1), std::numeric_limits<qint32>::min(), m);
        PeriodToString(huge, m, DefaultTimeFormat(m));
        PeriodToString(-huge, m, DefaultTimeFormat(m));
    }
    QCOMPARE(Diff(huge, 0, tmDay), std::numeric_limits<qint32>::max());
    QVERIFY(Diff(-huge, 0, tmMonth) < -1000000);
    QCOMPARE(Diff(nan, 0, tmHour), 0);
    QVERIFY(std::isfinite(Add(at(2024, 1, 1), std::numeric_limits<qint32>::max(), tmDecade)));
}

QTEST_GUILESS_MAIN(tst_plxTimeMode)
#include "tst_plxTimeMode.moc"
