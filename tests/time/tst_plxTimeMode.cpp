#include "plxCompare.h"
#include "plxRessourceStrings.h"
#include "plxTimeMode.h"

#include <QDate>
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

// A subclass that reports a different mode changes RealAdd only.
class TCoarseTimeModeObject : public TPLXTimeModeObject
{
public:
    TPLXTimeMode getTimeMode() const override { return tmWeek; }
};

} // namespace

class tst_plxTimeMode : public QObject
{
    Q_OBJECT

private slots:
    void calendarAgreesWithQDate()
    {
        // Every day from 1600 to 2400, with the weekday and day of year.
        const qint64 first = QDate(1600, 1, 1).toJulianDay() - 2415019;
        const qint64 last = QDate(2400, 12, 31).toJulianDay() - 2415019;
        for (qint64 day = first; day <= last; ++day) {
            const TPLXDateParts p = PLXDecodeDate(static_cast<double>(day) + 0.75);
            const QDate q = QDate::fromJulianDay(day + 2415019);
            if (p.year != q.year() || p.month != q.month() || p.dayOfMonth != q.day() ||
                p.dayOfWeek != q.dayOfWeek() || p.dayOfYear != q.dayOfYear() || p.day != day ||
                p.msOfDay != 18 * 3600000)
                QFAIL(qPrintable(QStringLiteral("day %1 decodes as %2").arg(day).arg(show(day))));
            if (PLXEncodeDate(q.year(), q.month(), q.day()) != static_cast<double>(day))
                QFAIL(qPrintable(QStringLiteral("day %1 does not encode back").arg(day)));
        }
        QCOMPARE(PLXDecodeDate(0.0).dayOfWeek, 6); // 30 Dec 1899 was a Saturday
        // A hair before midnight is midnight.
        QCOMPARE(PLXDecodeDate(45000.0 - 1e-10).day, 45000);
        QCOMPARE(show(-0.25), QStringLiteral("1899-12-29 64800000 ms"));
        // Days past the month's end clamp; a thirteenth month is January.
        QCOMPARE(PLXEncodeDate(2023, 2, 31), PLXEncodeDate(2023, 2, 28));
        QCOMPARE(PLXEncodeDate(2024, 13, 1), PLXEncodeDate(2025, 1, 1));
        QVERIFY(PLXIsLeapYear(2000) && PLXIsLeapYear(2024) && !PLXIsLeapYear(1900) && !PLXIsLeapYear(2100));
        for (QDate q(1899, 12, 1); q <= QDate(2101, 1, 31); q = q.addDays(1)) {
            const double date = static_cast<double>(q.toJulianDay() - 2415019);
            QCOMPARE(PLXWeekOfYear(date), q.weekNumber());
        }
        // The month that holds the week's Thursday owns the week.
        // Thursday 1 Aug; Sunday 1 Sep, still in August's last week; 30 Dec, in January's first.
        const auto week = [](int month, int day) { return PLXWeekOfMonth(at(2024, month, day)); };
        PLX_COMPARE_EACH(int, ({week(8, 1), week(9, 1), week(9, 2), week(12, 30)}), ({1, 5, 1, 1}));
    }

    void addAndStartOfPeriod_data()
    {
        QTest::addColumn<double>("date");
        QTest::addColumn<int>("n"); // periods to add; 0: the start of the date's period
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("expected");
        const auto row = [](const char *name, double date, int n, int mode, double expected) {
            QTest::newRow(name) << date << n << mode << expected;
        };
        row("days back", at(2024, 3, 1, 6), -1, tmDay, at(2024, 2, 29, 6));
        row("31 Jan + 1 month", at(2023, 1, 31, 10), 1, tmMonth, at(2023, 2, 28, 10));
        row("31 Jan + 1 month, leap", at(2024, 1, 31), 1, tmMonth, at(2024, 2, 29));
        row("31 Jan + 1 quarter", at(2024, 1, 31), 1, tmQuarter, at(2024, 4, 30));
        row("29 Feb + 4 years", at(2096, 2, 29, 12), 4, tmYear, at(2100, 2, 28, 12));
        row("decade", at(2024, 7, 1), -1, tmDecade, at(2014, 7, 1));
        row("before 1900", at(1899, 12, 30), -2, tmMonth, at(1899, 10, 30));
        row("start: hour is not truncated", at(2024, 8, 15, 13, 25), 0, tmHour, at(2024, 8, 15, 13, 25));
        row("start of week from Sunday", at(2024, 9, 1, 20), 0, tmWeek, at(2024, 8, 26));
        row("start of week across the year", at(2025, 1, 1), 0, tmWeek, at(2024, 12, 30));
        row("start of quarter in December", at(2024, 12, 31), 0, tmQuarter, at(2024, 10, 1));
        row("start of decade before 1900", at(1899, 12, 31), 0, tmDecade, at(1890, 1, 1));
    }

    void addAndStartOfPeriod()
    {
        QFETCH(double, date);
        QFETCH(int, n);
        QFETCH(int, mode);
        QFETCH(double, expected);
        const auto m = TPLXTimeMode(mode);
        if (n != 0) {
            const TDateTime result = Add(date, n, m);
            QCOMPARE(show(result), show(expected)); // day and millisecond of day
            QCOMPARE(n == 1 ? Next(date, m) : n == -1 ? Prev(date, m) : result, result);
            return;
        }
        QCOMPARE(StartOfPeriod(date, m), expected);
        TPLXTimeModeObject object;
        object.SetTimeMode(m);
        // A period start is its own next and previous period start.
        QCOMPARE(object.StartOfNextPeriod(expected), expected);
        QCOMPARE(object.StartOfPreviousPeriod(expected), expected);
        if (expected != date && m != tmHour) {
            QCOMPARE(object.StartOfNextPeriod(date), Next(expected, m));
            QCOMPARE(object.StartOfPreviousPeriod(date), Prev(expected, m));
        }
    }

    void fractionsDifferencesAndDayNumbers()
    {
        // A fraction of the period it falls in; below zero, of the period that ends there.
        const auto realAdd = [](double date, double n, TPLXTimeMode m) { return PLXDateToMs(RealAdd(date, n, m)); };
        PLX_COMPARE_EACH(qint64,
                         ({realAdd(at(2024, 1, 1), 0.5, tmDay), realAdd(at(2024, 1, 31), 1.5, tmMonth),
                           realAdd(at(2024, 3, 1), -0.5, tmMonth), realAdd(at(2024, 1, 1), 3.5, tmNone)}),
                         ({PLXDateToMs(at(2024, 1, 1, 12)), PLXDateToMs(at(2024, 2, 29) + 14.5),
                           PLXDateToMs(at(2024, 3, 1) - 15.5), PLXDateToMs(at(2024, 1, 1))}));
        // Whole periods, a half rounding up; months and longer count by the calendar and the time of day.
        const double d = at(2024, 1, 10);
        PLX_COMPARE_EACH(
            int,
            ({Diff(d + 40, d, tmNone), Diff(d, d + 1.25, tmHour), Diff(d + 0.5, d, tmDay), Diff(d, d + 13, tmWeek),
              Diff(at(2024, 3, 10, 12), at(2024, 2, 10, 13), tmMonth),
              Diff(at(2024, 3, 10, 13), at(2024, 2, 10, 12), tmMonth), Diff(at(2023, 2, 28), at(2023, 1, 31), tmMonth),
              Diff(at(2024, 1, 1), at(2025, 1, 1), tmQuarter), Diff(at(2025, 2, 28), at(2024, 2, 29), tmYear),
              Diff(at(2100, 3, 1), at(1900, 3, 1), tmYear), Diff(at(2041, 1, 1), at(2024, 1, 1), tmDecade)}),
            ({0, -30, 1, -1, 0, 1, 0, -4, 0, 200, 1}));
        // Real differences in periods of average length, signed as the plain difference is.
        PLX_COMPARE_EACH(double,
                         ({RealDiff(d + 3.5, d, tmHour), RealDiff(d, d + 3.5, tmHour), RealDiff(d + 365.25, d, tmYear),
                           RealDiff(d + 30.4375 * 6, d, tmQuarter), RealDiff(d + 3652.5, d, tmDecade)}),
                         ({84, -84, 1, 2, 1}));
        // The day within the period; years count 29 February and 1 March alike.
        PLX_COMPARE_EACH(int,
                         ({Day(at(2024, 9, 1), tmWeek), Day(at(2024, 8, 31), tmQuarter), Day(at(2024, 3, 1), tmYear),
                           Day(at(2024, 2, 29), tmYear), Day(at(2024, 12, 31), tmDecade),
                           Day(at(2024, 8, 15), tmHour)}),
                         ({7, 31, 60, 60, 365, 0}));
    }

    void labels_data()
    {
        QTest::addColumn<double>("date");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("format");
        QTest::addColumn<QStringList>("texts"); // English, German, French
        const double wed = at(2024, 2, 14, 15); // Wednesday, week 7
        const auto row = [](const char *name, double date, int mode, int format, const char *en, const char *de,
                            const char *fr) {
            QTest::newRow(name) << date << mode << format
                                << QStringList({QString::fromUtf8(en), QString::fromUtf8(de), QString::fromUtf8(fr)});
        };
        row("midnight AM/PM", at(2024, 2, 14), tmHour, tmfHourAMPM, "12 AM", "12 AM", "12 AM");
        row("day full", wed, tmDay, tmfDayFull, "Wednesday", "Mittwoch", "mercredi");
        row("day short and number", wed, tmDay, tmfDayShortDayNumber, "We 14", "Mi 14", "me 14");
        row("calendar week", wed, tmWeek, tmfWeekYear, "7. CW", "7. KW", "7. S");
        row("week of month", wed, tmWeek, tmfWeekMonth, "3. W", "3. W", "3. S");
        row("month full year", wed, tmMonth, tmfMonthFullYear, "February 2024", "Februar 2024", "février 2024");
        row("quarter full year", at(2024, 12, 31), tmQuarter, tmfQuarterFullYear, "4. Quarter 2024", "4. Quartal 2024",
            "4. Trimestre 2024");
        row("decade 1890s", at(1899, 12, 31), tmDecade, tmfDecade, "1890-1900", "1890-1900", "1890-1900");
    }

    void labels()
    {
        QFETCH(double, date);
        QFETCH(int, mode);
        QFETCH(int, format);
        QFETCH(QStringList, texts);
        QStringList actual;
        for (auto load : {CreateDefaultRessources_ENG, CreateDefaultRessources_GER, CreateDefaultRessources_FRA}) {
            load();
            actual.append(PeriodToString(date, TPLXTimeMode(mode), TPLXTimeFormat(format)));
        }
        QCOMPARE(actual, texts);
    }

    void labelsFollowTheLanguage()
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
    }

    void extremeInputsStayFinite()
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
};

QTEST_GUILESS_MAIN(tst_plxTimeMode)
#include "tst_plxTimeMode.moc"
