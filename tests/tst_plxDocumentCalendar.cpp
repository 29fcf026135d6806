#include "plxCalendarOracle.h"
#include "plxColors.h"
#include "plxDocumentCalendar.h"
#include "plxEntityFactory.h"
#include "plxMedia.h"
#include "plxPlatform.h"
#include "plxTestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

#include <random>

namespace {

TDateTime at(int y, int m, int d, int h = 0, int mi = 0)
{
    return PLXEncodeDate(y, m, d) + (h * 60 + mi) / 1440.0;
}

// A week in the middle of a month: Monday 26 Aug 2024 to Monday 2 Sep 2024.
const TDateTime kMonday = at(2024, 8, 26);
const TDateTime kFriday = kMonday + 4;
const TDateTime kSaturday = kMonday + 5;
const TDateTime kSunday = kMonday + 6;
const TDateTime kNextMonday = kMonday + 7;
constexpr double kMs = 1.0 / 86400000.0;

bool sameMs(double a, double b)
{
    return PLXDateToMs(a) == PLXDateToMs(b);
}

#define COMPARE_MS(actual, expected)                                                                    \
    QVERIFY2(sameMs((actual), (expected)),                                                              \
             qPrintable(QStringLiteral("%1 != %2").arg((actual), 0, 'f', 9).arg((expected), 0, 'f', 9)))

std::unique_ptr<TPLXDocumentCalendar> weekendCalendar()
{
    auto calendar = std::make_unique<TPLXDocumentCalendar>();
    calendar->addDateCategory(std::make_unique<TPLXWeekendsDateCategory>());
    return calendar;
}

std::unique_ptr<TPLXFixedDateException> fixed(TDateTime from, TDateTime to, const QString &name = QString())
{
    return std::make_unique<TPLXFixedDateException>(from, to, name);
}

// A non-working category holding the given exceptions, added to the calendar.
template <typename... E>
IPLXDateCategory *addCategory(TPLXDocumentCalendar &calendar, const QString &name, TColor color, E... exceptions)
{
    auto category = std::make_unique<TPLXDateCategory>(name, color);
    (category->addDate(std::move(exceptions)), ...);
    return calendar.addDateCategory(std::move(category));
}

// One calendar operation by number (0 add, 1 add to working time, 2 substr, 3 diff, 4 first),
// with the walk's answer for the same input.
double runOp(TPLXDocumentCalendar &calendar, int op, double a, double b, double &oracle)
{
    switch (op) {
    case 0:
    case 1:
        oracle = plxoracle::addEffective(calendar, a, b, op == 1);
        return calendar.addEffective(a, b, op == 1);
    case 2:
        oracle = plxoracle::substrEffective(calendar, a, b);
        return calendar.substrEffective(a, b);
    case 3:
        oracle = plxoracle::diffEffective(calendar, a, b);
        return calendar.diffEffective(a, b);
    default:
        oracle = plxoracle::findFirstEffective(calendar, a);
        return calendar.findFirstEffective(a);
    }
}

// An occurrence search must succeed with this start (or finish) and duration.
#define CHECK_OCCURS(exception, search, date, start, duration)                                          \
    do {                                                                                                \
        TDateTime s_ = 0;                                                                               \
        double d_ = 0;                                                                                  \
        QVERIFY((exception).search((date), s_, d_));                                                    \
        COMPARE_MS(s_, (start));                                                                        \
        COMPARE_MS(d_, (duration));                                                                     \
    } while (false)
#define CHECK_NEXT(e, date, start, duration) CHECK_OCCURS(e, findNextOccurence, date, start, duration)
#define CHECK_PREV(e, date, finish, duration) CHECK_OCCURS(e, findPreviousOccurence, date, finish, duration)

// An exception that breaks the occurrence contract, to reach the calendar's checks.
class TLyingException : public TPLXDateException
{
public:
    bool Matches(TDateTime, TPLXTimeMode) override { return false; }
    bool findPreviousOccurence(TDateTime Date, TDateTime &Finish, double &Duration) override
    {
        Finish = Date + 1;
        Duration = 1;
        return true;
    }
};

// Counts how often the calendar asks its exceptions, to show the index answers alone.
class TCountingWeekend : public TPLXWeekend
{
public:
    bool findNextOccurence(TDateTime Date, TDateTime &Start, double &Duration) override
    {
        ++calls;
        return TPLXWeekend::findNextOccurence(Date, Start, Duration);
    }
    int calls = 0;
};

} // namespace

class tst_plxDocumentCalendar : public QObject
{
    Q_OBJECT

private slots:
    void weekendArithmetic_data();
    void weekendArithmetic();
    void emptyCalendarIsPlainArithmetic();
    void weekendOccurrences_data();
    void weekendOccurrences();
    void fixedExceptionMatchesAndOccurs();
    void visibleTimeModes_data();
    void visibleTimeModes();
    void recurringWeeklyWindow();
    void recurringWindowsOfOtherModes_data();
    void recurringWindowsOfOtherModes();
    void recurringBadInputIsTamed();
    void occurrencesAgreeWithMatching();
    void categoriesInOrder();
    void tiesKeepTheFirstCategory();
    void categoryListEditing();
    void timeModeRealignsTheDocument();
    void changesDropTheIndex();
    void indexAnswersWithoutAskingExceptions();
    void brokenOccurrenceRaisesAssertion();
    void everythingNonWorkingDoesNotHang();
    void farDatesAndOddNumbers();
    void saveAndLoadThroughText();
    void saveAndLoadThroughIniFile();
    void loadingOddSections();
    void defaultDocumentCalendar();
    void matchesTheWalkOnRandomCalendars();
};

void tst_plxDocumentCalendar::weekendArithmetic_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("expected");
    enum { add, addWorking, substr, diff, first };
    QTest::newRow("Fri + 1 lands on Saturday") << int(add) << kFriday << 1.0 << kSaturday;
    QTest::newRow("Fri + 1 to working time") << int(addWorking) << kFriday << 1.0 << kNextMonday;
    QTest::newRow("Fri 12:00 + 1") << int(add) << kFriday + 0.5 << 1.0 << kNextMonday + 0.5;
    QTest::newRow("Sat + 0 stays") << int(add) << kSaturday + 0.25 << 0.0 << kSaturday + 0.25;
    QTest::newRow("Sat + 0 to working time") << int(addWorking) << kSaturday + 0.25 << 0.0 << kNextMonday;
    QTest::newRow("Sat 06:00 + 1") << int(add) << kSaturday + 0.25 << 1.0 << kNextMonday + 1;
    QTest::newRow("Mon + 10 working days") << int(add) << kMonday << 10.0 << kMonday + 12;
    QTest::newRow("negative add subtracts") << int(add) << kNextMonday << -1.0 << kFriday;
    QTest::newRow("Mon - 1") << int(substr) << kNextMonday << 1.0 << kFriday;
    QTest::newRow("Mon 12:00 - 1") << int(substr) << kNextMonday + 0.5 << 1.0 << kFriday + 0.5;
    QTest::newRow("Sun - 0 goes to the weekend's start") << int(substr) << kSunday << 0.0 << kSaturday;
    QTest::newRow("Sat - 1") << int(substr) << kSaturday << 1.0 << kFriday;
    QTest::newRow("Mon - 5 moves to the weekend start") << int(substr) << kNextMonday << 5.0 << kMonday - 2;
    QTest::newRow("negative substr adds") << int(substr) << kFriday << -1.0 << kSaturday;
    QTest::newRow("diff backwards") << int(diff) << kNextMonday << kFriday << -1.0;
    QTest::newRow("diff forwards") << int(diff) << kFriday << kNextMonday << 1.0;
    QTest::newRow("diff Fri to Sat") << int(diff) << kFriday << kSaturday << 1.0;
    QTest::newRow("diff Fri to Sun keeps 0") << int(diff) << kFriday << kSunday << 0.0;
    QTest::newRow("diff Thu to Sun 12:00") << int(diff) << kFriday - 1 << kSunday + 0.5 << 1.5;
    QTest::newRow("diff inside the weekend") << int(diff) << kSaturday + 0.1 << kSunday << 0.0;
    QTest::newRow("diff over two weeks") << int(diff) << kMonday << kNextMonday + 7 << 10.0;
    QTest::newRow("first of Saturday 10:00") << int(first) << kSaturday + 10 / 24.0 << 0.0 << kNextMonday;
    QTest::newRow("first of a working day") << int(first) << kFriday + 0.3 << 0.0 << kFriday + 0.3;
}

void tst_plxDocumentCalendar::weekendArithmetic()
{
    QFETCH(int, op);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, expected);
    auto calendar = weekendCalendar();
    double oracle = 0;
    const double result = runOp(*calendar, op, a, b, oracle);
    COMPARE_MS(result, expected);
    QCOMPARE(result, oracle);
}

void tst_plxDocumentCalendar::emptyCalendarIsPlainArithmetic()
{
    TPLXDocumentCalendar calendar;
    calendar.AddPredefinedCategories();
    calendar.removeDateCategory(QStringLiteral("Weekends"));
    TDateTime start = 0;
    double duration = -1;
    calendar.findNextNonWorkingException(kMonday, start, duration);
    QCOMPARE(start, 9999999.0);
    QCOMPARE(duration, 0.0);
    calendar.findPreviousNonWorkingException(kMonday, start, duration);
    QCOMPARE(start, 0.0);
    QCOMPARE(duration, 0.0);
    COMPARE_MS(calendar.addEffective(kFriday + 0.3, 2.5, true), kFriday + 2.8);
    COMPARE_MS(calendar.substrEffective(kFriday + 0.3, 2.5), kFriday - 2.2);
    COMPARE_MS(calendar.diffEffective(kFriday + 0.3, kMonday), -4.3);
    COMPARE_MS(calendar.findFirstEffective(kSunday), kSunday);
    // Spans reaching below the zero date need no non-working time either.
    COMPARE_MS(calendar.substrEffective(100, 200), -100.0);
    QVERIFY(calendar.isWorking(kSunday, tmNone));
}

void tst_plxDocumentCalendar::weekendOccurrences_data()
{
    QTest::addColumn<int>("kind"); // 0 the whole weekend, 6 Saturdays, 7 Sundays
    QTest::addColumn<double>("date");
    QTest::addColumn<double>("nextStart");
    QTest::addColumn<double>("nextDuration");
    QTest::addColumn<double>("prevFinish");
    QTest::addColumn<double>("prevDuration");
    const auto row = [](const char *name, int kind, double date, double ns, double nd, double pf, double pd) {
        QTest::newRow(name) << kind << date << ns << nd << pf << pd;
    };
    row("Wednesday", 0, kMonday + 2, kSaturday, 2, kMonday, 2);
    row("Monday 00:00", 0, kMonday, kSaturday, 2, kMonday, 2);
    row("Saturday 00:00", 0, kSaturday, kSaturday, 2, kMonday, 2);
    row("Saturday 06:00", 0, kSaturday + 0.25, kSaturday + 0.25, 1.75, kSaturday + 0.25, 0.25);
    row("Sunday 18:00", 0, kSunday + 0.75, kSunday + 0.75, 0.25, kSunday + 0.75, 1.75);
    row("Sat from Wednesday", 6, kMonday + 2, kSaturday, 1, kMonday - 1, 1);
    row("Sat from Saturday 06:00", 6, kSaturday + 0.25, kSaturday + 0.25, 0.75, kSaturday + 0.25, 0.25);
    row("Sat from Saturday 00:00", 6, kSaturday, kSaturday, 1, kMonday - 1, 1);
    row("Sat from Sunday 00:00", 6, kSunday, kSaturday + 7, 1, kSunday, 1);
    row("Sat from Sunday 12:00", 6, kSunday + 0.5, kSaturday + 7, 1, kSunday, 1);
    row("Sun from Wednesday", 7, kMonday + 2, kSunday, 1, kMonday, 1);
    row("Sun from Saturday 06:00", 7, kSaturday + 0.25, kSunday, 1, kMonday, 1);
    row("Sun from Sunday 00:00", 7, kSunday, kSunday, 1, kMonday, 1);
    row("Sun from Sunday 06:00", 7, kSunday + 0.25, kSunday + 0.25, 0.75, kSunday + 0.25, 0.25);
}

void tst_plxDocumentCalendar::weekendOccurrences()
{
    QFETCH(int, kind);
    QFETCH(double, date);
    QFETCH(double, nextStart);
    QFETCH(double, nextDuration);
    QFETCH(double, prevFinish);
    QFETCH(double, prevDuration);
    TPLXRecordingScope recording;
    std::unique_ptr<TPLXWeekend> day;
    if (kind == 0) {
        day = std::make_unique<TPLXWeekend>(QStringLiteral("ignored"));
        day->setName(QStringLiteral("renamed"));
        QCOMPARE(day->getName(), QStringLiteral("ignored"));
    } else if (kind == 6) {
        day = std::make_unique<TPLXSaturday>();
    } else {
        day = std::make_unique<TPLXSunday>();
    }
    CHECK_NEXT(*day, date, nextStart, nextDuration);
    CHECK_PREV(*day, date, prevFinish, prevDuration);
    const int dayOfWeek = PLXDecodeDate(date).dayOfWeek;
    const bool matching = kind == 0 ? dayOfWeek >= 6 : dayOfWeek == kind;
    QCOMPARE(day->Matches(date, tmNone), matching);
    QCOMPARE(day->Matches(date, tmDay), matching);
    QCOMPARE(day->Matches(date, tmHour), kind == 0 && matching); // single days are shown in days only
    QVERIFY(!day->Matches(date, tmWeek));
    if (kind == 6) {
        QCOMPARE(recording.recorder.logLines.size(), 2);
        QVERIFY(recording.recorder.logLines.at(0).startsWith(QLatin1String("SatFNO: ")));
        QVERIFY(recording.recorder.logLines.at(1).startsWith(QLatin1String("SatFPO: ")));
    }
}

void tst_plxDocumentCalendar::fixedExceptionMatchesAndOccurs()
{
    const TDateTime may1 = at(2024, 5, 1);
    TPLXFixedDateException oneDay(may1, QStringLiteral("Labour Day"));
    QCOMPARE(oneDay.getDateTo(), may1 + 1);
    QVERIFY(oneDay.Matches(at(2024, 5, 1, 23, 59), tmNone));
    QVERIFY(!oneDay.Matches(at(2024, 5, 2), tmNone));
    QVERIFY(oneDay.Matches(may1 - 0.4 * kMs, tmNone)); // within the same millisecond
    QVERIFY(!oneDay.Matches(may1 + 1 - 0.4 * kMs, tmNone));
    QVERIFY(!oneDay.Matches(may1, tmWeek));
    TDateTime s = 0;
    double d = 0;
    CHECK_NEXT(oneDay, at(2024, 5, 1, 6), at(2024, 5, 1, 6), 0.75);
    QVERIFY(oneDay.findNextOccurence(at(2024, 1, 1), s, d));
    QCOMPARE(s, may1);
    QCOMPARE(d, 1.0);
    QVERIFY(!oneDay.findNextOccurence(may1 + 1, s, d));
    CHECK_PREV(oneDay, at(2024, 5, 1, 6), at(2024, 5, 1, 6), 0.25);
    QVERIFY(oneDay.findPreviousOccurence(at(2025, 1, 1), s, d));
    QCOMPARE(s, may1 + 1);
    QVERIFY(!oneDay.findPreviousOccurence(may1, s, d));

    // Reversed and empty ranges never occur.
    TPLXFixedDateException reversed(may1 + 3, may1, QString());
    QVERIFY(!reversed.findNextOccurence(may1 - 10, s, d));
    QVERIFY(!reversed.findPreviousOccurence(may1 + 10, s, d));
    QVERIFY(!reversed.Matches(may1 + 1, tmNone));
    TPLXFixedDateException empty(may1, may1, QString());
    QVERIFY(!empty.findNextOccurence(may1 - 1, s, d));

    // Editing through the published properties re-derives the visible mode.
    QVERIFY(oneDay.setProperty("DateTo", may1 + 14));
    QCOMPARE(oneDay.VisibleTimeMode, tmWeek);
    QCOMPARE(oneDay.property("Name").toString(), QStringLiteral("Labour Day"));
}

void tst_plxDocumentCalendar::visibleTimeModes_data()
{
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::addColumn<int>("mode");
    QTest::newRow("three hours") << at(2024, 5, 1, 8) << at(2024, 5, 1, 11) << int(tmHour);
    QTest::newRow("one day") << at(2024, 5, 1) << at(2024, 5, 2) << int(tmDay);
    QTest::newRow("two weeks") << at(2024, 7, 1) << at(2024, 7, 15) << int(tmWeek);
    QTest::newRow("two months") << at(2024, 7, 1) << at(2024, 9, 1) << int(tmMonth);
    QTest::newRow("half a year") << at(2024, 1, 1) << at(2024, 7, 1) << int(tmQuarter);
    QTest::newRow("ten years stop at years") << at(2000, 1, 1) << at(2010, 1, 1) << int(tmYear);
}

void tst_plxDocumentCalendar::visibleTimeModes()
{
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(int, mode);
    TPLXFixedDateException exception(from, to, QString());
    QCOMPARE(int(exception.VisibleTimeMode), mode);
    QVERIFY(exception.Matches(from, TPLXTimeMode(mode)));
    QCOMPARE(exception.Matches(from, tmYear), mode == tmYear || mode == tmMonth);
}

void tst_plxDocumentCalendar::recurringWeeklyWindow()
{
    // Saturday 00:00 to Monday 00:00 every week of a month.
    TPLXRecurringDateException weekend(tmWeek, 1, 6, 1, 0, 0, QStringLiteral("w"), at(2024, 8, 1), at(2024, 9, 30));
    QCOMPARE(weekend.VisibleTimeMode, tmDay);
    QCOMPARE(weekend.getDateFrom(), at(2024, 7, 29)); // aligned to the week
    QVERIFY(weekend.Matches(kSaturday + 10 / 24.0, tmNone));
    QVERIFY(weekend.Matches(kSunday + 23 / 24.0, tmNone));
    QVERIFY(!weekend.Matches(kNextMonday, tmNone));
    QVERIFY(!weekend.Matches(kMonday + 2, tmNone));
    TDateTime s = 0;
    double d = 0;
    CHECK_NEXT(weekend, kMonday + 2, kSaturday, 2.0);
    CHECK_NEXT(weekend, kSaturday + 10 / 24.0, kSaturday + 10 / 24.0, 2 - 10 / 24.0);
    CHECK_PREV(weekend, kSunday + 0.5, kSunday + 0.5, 1.5);
    QVERIFY(weekend.findPreviousOccurence(kMonday + 2, s, d));
    COMPARE_MS(s, kMonday);
    // Outside the range nothing occurs.
    QVERIFY(!weekend.findNextOccurence(at(2024, 9, 30), s, d));
    QVERIFY(!weekend.findPreviousOccurence(at(2024, 7, 29), s, d));
    QVERIFY(weekend.findNextOccurence(at(2024, 1, 1), s, d));
    COMPARE_MS(s, at(2024, 8, 3));

    // Every second week, Monday 22:00 to Tuesday 02:00.
    TPLXRecurringDateException night(tmWeek, 2, 1, 2, 22, 2, QString(), at(2024, 7, 29), at(2025, 1, 1));
    QVERIFY(night.Matches(at(2024, 7, 29, 23), tmNone));
    QVERIFY(!night.Matches(at(2024, 8, 5, 23), tmNone)); // the off week
    QVERIFY(night.Matches(at(2024, 8, 12, 23), tmNone));
    CHECK_NEXT(night, at(2024, 7, 30, 3), at(2024, 8, 12, 22), 4 / 24.0);
}

void tst_plxDocumentCalendar::recurringWindowsOfOtherModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("period");
    QTest::addColumn<int>("dayFrom");
    QTest::addColumn<int>("dayTo");
    QTest::addColumn<int>("hourFrom");
    QTest::addColumn<int>("hourTo");
    QTest::addColumn<double>("query");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("finish");
    const auto row = [](const char *name, int mode, int period, int dayFrom, int dayTo, int hourFrom, int hourTo,
                        double query, double start, double finish) {
        QTest::newRow(name) << mode << period << dayFrom << dayTo << hourFrom << hourTo << query << start << finish;
    };
    row("month end to 5th, wraps into February", tmMonth, 1, 28, 5, 0, 0,
        at(2024, 1, 10), at(2024, 1, 28), at(2024, 2, 5));
    row("day 31 skips a 30-day month", tmMonth, 1, 31, 31, 0, 12, at(2024, 4, 2), at(2024, 5, 31), at(2024, 5, 31, 12));
    row("day 30 in February starts with March", tmMonth, 1, 30, 2, 0, 0,
        at(2023, 2, 10), at(2023, 3, 1), at(2023, 3, 2));
    row("yearly Christmas week", tmYear, 1, DayMonthInYear(24, 12), DayMonthInYear(1, 1), 0, 0,
        at(2024, 6, 1), at(2024, 12, 24), at(2025, 1, 1));
    row("yearly day 60 is 29 Feb and 1 Mar in a leap year", tmYear, 1, 60, 61, 0, 0,
        at(2024, 1, 5), at(2024, 2, 29), at(2024, 3, 2));
    row("every two years", tmYear, 2, 1, 2, 0, 0, at(2025, 6, 1), at(2026, 1, 1), at(2026, 1, 2));
    row("quarterly first days", tmQuarter, 1, 1, 3, 8, 17, at(2024, 2, 1), at(2024, 4, 1, 8), at(2024, 4, 3, 17));
    row("daily lunch", tmDay, 1, 0, 0, 12, 13, at(2024, 2, 1, 12, 30), at(2024, 2, 1, 12, 30), at(2024, 2, 1, 13));
    row("daily night wraps", tmDay, 1, 0, 0, 22, 6, at(2024, 2, 1, 12), at(2024, 2, 1, 22), at(2024, 2, 2, 6));
    row("decade", tmDecade, 1, 1, 366, 0, 0, at(2024, 2, 1), at(2030, 1, 1), at(2031, 1, 1));
    row("day 8 of a week ends it", tmWeek, 1, 7, 8, 12, 0, at(2024, 8, 27), kSunday + 0.5, kNextMonday);
    row("hour 30 is the next midnight", tmWeek, 1, 5, 5, 8, 30, at(2024, 8, 27), kFriday + 8 / 24.0, kSaturday);
}

void tst_plxDocumentCalendar::recurringWindowsOfOtherModes()
{
    QFETCH(int, mode);
    QFETCH(int, period);
    QFETCH(int, dayFrom);
    QFETCH(int, dayTo);
    QFETCH(int, hourFrom);
    QFETCH(int, hourTo);
    QFETCH(double, query);
    QFETCH(double, start);
    QFETCH(double, finish);
    TPLXRecurringDateException exception(TPLXTimeMode(mode), quint16(period), quint16(dayFrom), quint16(dayTo),
                                         quint8(hourFrom), quint8(hourTo), QString(), at(2020, 1, 1),
                                         at(2040, 1, 1));
    TDateTime s = 0;
    double d = 0;
    QVERIFY(exception.findNextOccurence(query, s, d));
    COMPARE_MS(s, start);
    COMPARE_MS(s + d, finish);
    QVERIFY(exception.Matches(std::max(query, start), tmNone));
    QVERIFY(!exception.Matches(finish, tmNone) || finish - start >= 1);
    QVERIFY(exception.findPreviousOccurence(finish + 0.5 * kMs, s, d));
    COMPARE_MS(s, finish);
    // Seen from its end, the whole window shows, from where it really begins.
    QVERIFY(PLXDateToMs(s - d) <= PLXDateToMs(start));
    QVERIFY(exception.Matches(s - d, tmNone));
    QVERIFY(!exception.Matches(s - d - kMs, tmNone));
}

void tst_plxDocumentCalendar::recurringBadInputIsTamed()
{
    TDateTime s = 0;
    double d = 0;
    // A period of zero is taken as one.
    TPLXRecurringDateException zero(tmWeek, 0, 6, 1, 0, 0, QString(), at(2024, 1, 1), at(2025, 1, 1));
    QCOMPARE(zero.getRecurringPeriod(), 1);
    QVERIFY(zero.findNextOccurence(kMonday, s, d));
    COMPARE_MS(s, kSaturday);
    // A reversed range becomes 1970 to 3000.
    TPLXRecurringDateException reversed(tmWeek, 1, 6, 1, 0, 0, QString(), at(2025, 1, 1), at(2024, 1, 1));
    QCOMPARE(reversed.getDateFrom(), StartOfPeriod(at(1970, 1, 1), tmWeek));
    QCOMPARE(reversed.getDateTo(), StartOfPeriod(at(3000, 1, 1), tmWeek));
    QVERIFY(reversed.Matches(kSunday, tmNone));
    // Equal bounds make an empty window that neither matches nor occurs.
    TPLXRecurringDateException equal(tmWeek, 1, 3, 3, 9, 9, QString(), at(2024, 1, 1), at(2025, 1, 1));
    QVERIFY(!equal.findNextOccurence(kMonday, s, d));
    QVERIFY(!equal.findPreviousOccurence(kMonday, s, d));
    QVERIFY(!equal.Matches(kMonday + 2 + 9.5 / 24, tmNone));
    // A window that can never fit any period gives up instead of walking on.
    TPLXRecurringDateException never(tmWeek, 1, 9, 10, 0, 0, QString(), at(2024, 1, 1), at(3000, 1, 1));
    QVERIFY(!never.findNextOccurence(kMonday, s, d));
    QVERIFY(!never.findPreviousOccurence(kMonday, s, d));
    // Out-of-range property values are clamped.
    QVERIFY(never.setProperty("RecurringPeriod", -5));
    QCOMPARE(never.getRecurringPeriod(), 1);
    QVERIFY(never.setProperty("HourTo", 1000));
    QCOMPARE(never.getHourTo(), 255);
    // No mode means no window.
    TPLXRecurringDateException none(tmNone, 1, 1, 2, 0, 0, QString(), at(2024, 1, 1), at(2025, 1, 1));
    QVERIFY(!none.findNextOccurence(kMonday, s, d));

    // A calendar made of such exceptions still answers.
    TPLXDocumentCalendar calendar;
    addCategory(calendar, QStringLiteral("odd"), clRed,
                std::make_unique<TPLXRecurringDateException>(tmWeek, 1, 9, 10, 0, 0, QString(), at(2024, 1, 1),
                                                             at(3000, 1, 1)),
                std::make_unique<TPLXRecurringDateException>(tmHour, 1, 0, 0, 0, 24, QString(), kMonday,
                                                             kMonday + 1));
    COMPARE_MS(calendar.addEffective(kMonday - 1, 2, false), kMonday + 2);
    QCOMPARE(calendar.addEffective(kMonday - 1, 2, false), plxoracle::addEffective(calendar, kMonday - 1, 2, false));
}

void tst_plxDocumentCalendar::occurrencesAgreeWithMatching()
{
    // Every reported interval is matched inside and not just before its start.
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> modePick(0, 4);
    const TPLXTimeMode modes[] = {tmDay, tmWeek, tmMonth, tmQuarter, tmYear};
    for (int round = 0; round < 300; ++round) {
        const TPLXTimeMode mode = modes[modePick(rng)];
        const int dayMax = mode == tmDay ? 0 : mode == tmWeek ? 7 : mode == tmYear ? 365 : 31;
        std::uniform_int_distribution<int> dayPick(mode == tmDay ? 0 : 1, std::max(1, dayMax));
        std::uniform_int_distribution<int> hourPick(0, 23);
        std::uniform_int_distribution<int> periodPick(1, 3);
        TPLXRecurringDateException exception(mode, quint16(periodPick(rng)), quint16(mode == tmDay ? 0 : dayPick(rng)),
                                             quint16(mode == tmDay ? 0 : dayPick(rng)), quint8(hourPick(rng)),
                                             quint8(hourPick(rng)), QString(), at(2020, 1, 1), at(2030, 1, 1));
        std::uniform_real_distribution<double> datePick(at(2019, 6, 1), at(2030, 6, 1));
        for (int i = 0; i < 20; ++i) {
            const TDateTime date = std::floor(datePick(rng) * 24) / 24;
            TDateTime s = 0;
            double d = 0;
            if (exception.findNextOccurence(date, s, d)) {
                QVERIFY(PLXDateToMs(s) >= PLXDateToMs(date));
                QVERIFY(d > 0);
                QVERIFY(exception.Matches(s, tmNone));
                QVERIFY(exception.Matches(s + d - 30 * kMs, tmNone));
                QVERIFY(!exception.Matches(s + d, tmNone));
                if (PLXDateToMs(s) > PLXDateToMs(date))
                    QVERIFY(!exception.Matches(s - 30 * kMs, tmNone));
            }
            if (exception.findPreviousOccurence(date, s, d)) {
                QVERIFY(PLXDateToMs(s) <= PLXDateToMs(date));
                QVERIFY(d > 0);
                QVERIFY(exception.Matches(s - d, tmNone));
                QVERIFY(exception.Matches(s - 30 * kMs, tmNone));
            }
        }
    }
}

void tst_plxDocumentCalendar::categoriesInOrder()
{
    TPLXDocumentCalendar calendar;
    addCategory(calendar, QStringLiteral("Holidays"), clRed,
                std::make_unique<TPLXFixedDateException>(kFriday, QStringLiteral("Feast")));
    auto vacations = std::make_unique<TPLXVacationsDateCategory>();
    vacations->addDate(std::make_unique<TPLXFixedDateException>(kMonday, kNextMonday + 7, QStringLiteral("Trip")));
    calendar.addDateCategory(std::move(vacations));
    calendar.addDateCategory(std::make_unique<TPLXWeekendsDateCategory>());

    // The first matching category decides, whatever its working flag.
    QCOMPARE(calendar.getDateLabel(kFriday + 0.5, tmNone), QStringLiteral("Feast"));
    QVERIFY(!calendar.isWorking(kFriday + 0.5, tmNone));
    QCOMPARE(calendar.matchCategory(kMonday + 1, tmDay), nullptr); // a two-week trip is shown in weeks
    QCOMPARE(calendar.matchCategory(kMonday + 1, tmWeek)->getName(), QStringLiteral("Vacations"));
    QVERIFY(calendar.isWorking(kMonday + 1, tmWeek));
    QCOMPARE(calendar.getDateLabel(kSaturday, tmDay), QString());
    QVERIFY(!calendar.isWorking(kSaturday, tmDay));
    calendar.SetTimeMode(tmWeek);
    QCOMPARE(calendar.getDateLabel(kMonday + 1, tmNone), QStringLiteral("Trip"));
    QVERIFY(calendar.matchDate(kMonday + 1, tmNone) != nullptr);
    // Working categories take no part in the arithmetic.
    COMPARE_MS(calendar.addEffective(kMonday, 5, false), kNextMonday + 1);
}

void tst_plxDocumentCalendar::tiesKeepTheFirstCategory()
{
    TPLXDocumentCalendar calendar;
    addCategory(calendar, QStringLiteral("A"), clRed, fixed(kMonday, kMonday + 1), fixed(kMonday, kMonday + 3));
    addCategory(calendar, QStringLiteral("B"), clRed, fixed(kMonday, kMonday + 2));
    TDateTime s = 0;
    double d = 0;
    calendar.findNextNonWorkingException(kMonday - 3, s, d);
    QCOMPARE(s, kMonday);
    QCOMPARE(d, 1.0);
    calendar.moveUp(QStringLiteral("B"));
    calendar.findNextNonWorkingException(kMonday - 3, s, d);
    QCOMPARE(d, 2.0);
    calendar.findPreviousNonWorkingException(kMonday + 10, s, d);
    QCOMPARE(s, kMonday + 3);
    QCOMPARE(d, 3.0);
    // The walk stops at the end of the first interval it meets, so a point inside the
    // overlap counts back to that end: the merged answer must do the same.
    QCOMPARE(calendar.diffEffective(kMonday - 1, kMonday + 1.5),
             plxoracle::diffEffective(calendar, kMonday - 1, kMonday + 1.5));
    COMPARE_MS(calendar.diffEffective(kMonday - 1, kMonday + 1.5), 0.5);
    QCOMPARE(calendar.diffEffective(kMonday - 1, kMonday + 2.5),
             plxoracle::diffEffective(calendar, kMonday - 1, kMonday + 2.5));
}

void tst_plxDocumentCalendar::categoryListEditing()
{
    TPLXDocumentCalendar calendar;
    calendar.AddPredefinedCategories();
    QCOMPARE(calendar.property("CategoriesCount").toInt(), 2);
    IPLXDateCategory *weekends = calendar.getDateCategory(0);
    QCOMPARE(weekends->getName(), QStringLiteral("Weekends"));
    QVERIFY(!weekends->getWorking());
    QCOMPARE(weekends->getDatesCount(), 1);
    QVERIFY(dynamic_cast<TPLXWeekend *>(weekends->getDateByIndex(0)));
    QCOMPARE(weekends->getDateByIndex(0)->getName(), QString());
    QCOMPARE(weekends->getDateByIndex(1), nullptr);
    QVERIFY(calendar.getDateCategory(1)->getWorking());
    QCOMPARE(calendar.getDateCategory(2), nullptr);
    QCOMPARE(calendar.getDateCategory(-1), nullptr);
    QCOMPARE(calendar.addDateCategory(nullptr), nullptr);

    calendar.moveUp(QStringLiteral("Weekends"));
    calendar.moveDown(QStringLiteral("Vacations"));
    calendar.moveUp(QStringLiteral("nothing"));
    QCOMPARE(calendar.getCategoryIndexByName(QStringLiteral("Weekends")), 0);
    QCOMPARE(calendar.getCategoryIndexByName(QStringLiteral("weekends")), -1);
    calendar.moveDown(QStringLiteral("Weekends"));
    QCOMPARE(calendar.getCategoryIndexByName(QStringLiteral("Vacations")), 0);

    // Removing frees what the calendar owns.
    QPointer<QObject> none;
    calendar.removeDateCategory(QStringLiteral("Weekends"));
    QCOMPARE(calendar.getCategoriesCount(), 1);
    calendar.removeDateCategory(QStringLiteral("Weekends"));
    QCOMPARE(calendar.getCategoriesCount(), 1);
    IPLXDateCategory *vacations = calendar.getDateCategory(0);
    vacations->addDate(std::make_unique<TPLXFixedDateException>(kMonday, QStringLiteral("x")));
    vacations->addDate(nullptr);
    QCOMPARE(vacations->getDatesCount(), 1);
    vacations->removeDate(5);
    vacations->removeDate(0);
    QCOMPARE(vacations->getDatesCount(), 0);
    QVERIFY(vacations->setProperty("Color", int(clLime)));
    QCOMPARE(vacations->getColor(), clLime);
    QCOMPARE(vacations->property("Name").toString(), QStringLiteral("Vacations"));
    QVERIFY(!vacations->setProperty("Name", QStringLiteral("renamed")));
}

void tst_plxDocumentCalendar::timeModeRealignsTheDocument()
{
    TPLXTestDocument document;
    auto *calendar = new TPLXDocumentCalendar; // owned by the document
    calendar->setParent(&document);
    document.startDate = at(2024, 8, 15, 13);
    calendar->SetTimeMode(tmMonth);
    QCOMPARE(document.startDate, at(2024, 8, 1));
    calendar->SetTimeMode(tmQuarter);
    QCOMPARE(document.startDate, at(2024, 7, 1));
    // Without a document the mode is simply stored.
    TPLXDocumentCalendar alone;
    alone.SetTimeMode(tmYear);
    QCOMPARE(alone.getTimeMode(), tmYear);
}

void tst_plxDocumentCalendar::changesDropTheIndex()
{
    auto calendar = weekendCalendar();
    QCOMPARE(calendar->addEffective(kMonday, 4, false), kFriday);
    IPLXDateCategory *category = addCategory(*calendar, QStringLiteral("Holidays"), clRed);
    COMPARE_MS(calendar->addEffective(kMonday, 4, false), kFriday);
    IPLXDateException *feast = category->addDate(std::make_unique<TPLXFixedDateException>(kMonday + 1, QString()));
    COMPARE_MS(calendar->addEffective(kMonday, 4, false), kSaturday);
    static_cast<TPLXFixedDateException *>(feast)->setDateTo(kMonday + 3);
    COMPARE_MS(calendar->addEffective(kMonday, 2, false), kFriday);
    COMPARE_MS(calendar->addEffective(kMonday, 3, true), kNextMonday);
    category->setWorking(true);
    COMPARE_MS(calendar->addEffective(kMonday, 2, false), kMonday + 2);
    category->setWorking(false);
    category->removeDate(0);
    COMPARE_MS(calendar->addEffective(kMonday, 2, false), kMonday + 2);
    calendar->removeDateCategory(QStringLiteral("Weekends"));
    COMPARE_MS(calendar->addEffective(kMonday, 6, false), kNextMonday - 1);
}

void tst_plxDocumentCalendar::indexAnswersWithoutAskingExceptions()
{
    TPLXDocumentCalendar calendar;
    auto category = std::make_unique<TPLXDateCategory>(QStringLiteral("W"), clRed);
    auto *weekend = static_cast<TCountingWeekend *>(category->addDate(std::make_unique<TCountingWeekend>()));
    calendar.addDateCategory(std::move(category));
    calendar.addEffective(kMonday, 20, false);
    const int afterFirst = weekend->calls;
    QVERIFY(afterFirst > 0);
    for (int i = 0; i < 1000; ++i)
        calendar.addEffective(kMonday + i % 50, 10 + i % 7, i % 2 == 0);
    QCOMPARE(weekend->calls, afterFirst);
    PLXCalendarChanged();
    calendar.addEffective(kMonday, 1, false);
    QVERIFY(weekend->calls > afterFirst);
}

void tst_plxDocumentCalendar::brokenOccurrenceRaisesAssertion()
{
    TPLXDocumentCalendar calendar;
    addCategory(calendar, QStringLiteral("broken"), clRed, std::make_unique<TLyingException>());
    TDateTime f = 0;
    double d = 0;
    try {
        calendar.findPreviousNonWorkingException(kMonday, f, d);
        QFAIL("no assertion raised");
    } catch (const EPLXAssertionFailed &failure) {
        QCOMPARE(failure.source(), QStringLiteral("src/framework/plxDocumentCalendar"));
        QVERIFY(failure.message().startsWith(QLatin1String("Assertion fehlgeschlagen")));
    }
}

void tst_plxDocumentCalendar::everythingNonWorkingDoesNotHang()
{
    // Weekends plus a Monday-to-Saturday window: no working time until the window's range ends.
    auto calendar = weekendCalendar();
    addCategory(*calendar, QStringLiteral("busy"), clRed,
                std::make_unique<TPLXRecurringDateException>(tmWeek, 1, 1, 6, 0, 0, QString(), at(2024, 1, 1),
                                                             at(2200, 1, 1)));
    const TDateTime end = StartOfPeriod(at(2200, 1, 1), tmWeek);
    COMPARE_MS(calendar->addEffective(kMonday, 1.5, false), end + 1.5);
    COMPARE_MS(calendar->findFirstEffective(kMonday), end);
    COMPARE_MS(calendar->diffEffective(kMonday, end + 2), 2.0);
    COMPARE_MS(calendar->substrEffective(end + 1, 2), at(2024, 1, 1) - 3); // the Friday before it all

    // Non-working time without end: the answer comes from the far-future sentinel.
    auto endless = std::make_unique<TPLXDocumentCalendar>();
    addCategory(*endless, QStringLiteral("all"), clRed, fixed(-1.0e9, 1.0e9));
    COMPARE_MS(endless->addEffective(kMonday, 1, true), 9999999.0 + 1);
    COMPARE_MS(endless->substrEffective(kMonday, 1), -9999999.0 - 1);
    COMPARE_MS(endless->diffEffective(kMonday, kMonday + 100), 0.0);
    QVERIFY(endless->findFirstEffective(kMonday) >= 9999999.0);
    QCOMPARE(endless->addEffective(kMonday, 1, true), plxoracle::addEffective(*endless, kMonday, 1, true));
    QCOMPARE(endless->substrEffective(kMonday, 1), plxoracle::substrEffective(*endless, kMonday, 1));
}

void tst_plxDocumentCalendar::farDatesAndOddNumbers()
{
    auto calendar = weekendCalendar();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QVERIFY(std::isnan(calendar->addEffective(nan, 1, true)));
    QVERIFY(std::isnan(calendar->substrEffective(kMonday, nan)));
    QVERIFY(std::isinf(calendar->diffEffective(kMonday, inf)));
    QVERIFY(std::isinf(calendar->findFirstEffective(-inf)));
    // Beyond the searched time everything is working time.
    QCOMPARE(calendar->addEffective(2.0e7, 3, true), 2.0e7 + 3);
    QCOMPARE(calendar->substrEffective(-2.0e7, 3), -2.0e7 - 3);
    QCOMPARE(calendar->diffEffective(1.0e300, -1.0e300), -2.0e300);
    // Far from 1900..2200 the weekends still hold, both ways.
    for (const TDateTime far : {-3.0e6, -1000.0, 3.0e6, 9.0e6}) {
        const TDateTime monday = StartOfPeriod(far, tmWeek);
        COMPARE_MS(calendar->addEffective(monday, 5, true), monday + 7);
        COMPARE_MS(calendar->substrEffective(monday + 7, 5), monday - 2);
        COMPARE_MS(calendar->diffEffective(monday, monday + 14), 10.0);
        QCOMPARE(calendar->addEffective(monday + 0.3, 7.7, false),
                 plxoracle::addEffective(*calendar, monday + 0.3, 7.7, false));
    }
    // Crossing the end of the searched time.
    const TDateTime lastMonday = StartOfPeriod(9999990.0, tmWeek);
    QCOMPARE(calendar->addEffective(lastMonday, 30, false), plxoracle::addEffective(*calendar, lastMonday, 30, false));
    QCOMPARE(calendar->diffEffective(lastMonday, lastMonday + 40),
             plxoracle::diffEffective(*calendar, lastMonday, lastMonday + 40));
}

void tst_plxDocumentCalendar::saveAndLoadThroughText()
{
    TPLXRecordingScope recording;
    PLXMedia media = plxMediaFromText(QByteArray("[root]\ntypeID=Document\n"));
    TPLXEntityFactory factory;
    {
        TPLXDocumentCalendar calendar;
        calendar.addDateCategory(std::make_unique<TPLXWeekendsDateCategory>())->setColor(clYellow);
        addCategory(calendar, QStringLiteral("Feiertage"), TColor(0x02C56A31),
                    std::make_unique<TPLXFixedDateException>(at(2024, 12, 25), QStringLiteral("Xmas")),
                    std::make_unique<TPLXRecurringDateException>(tmYear, 1, DayMonthInYear(31, 12),
                                                                 DayMonthInYear(1, 1), 12, 0, QStringLiteral("NYE"),
                                                                 at(2020, 3, 3), at(2030, 1, 1)),
                    std::make_unique<TPLXSaturday>());
        calendar.doSave(QStringLiteral("root"), *media, factory);
    }
    const QString uid = media->strValue(QStringLiteral("root"), QStringLiteral("calendar"), QString());
    QVERIFY(uid.startsWith(QLatin1String("AutoID:")));
    QCOMPARE(media->strValue(uid, QStringLiteral("typeID"), QString()), QStringLiteral("Document Calendar"));
    const QStringList categories = media->strArray(uid, QStringLiteral("categories"));
    QCOMPARE(categories.size(), 2);
    QCOMPARE(media->strValue(categories[0], QStringLiteral("Color"), QString()), QStringLiteral("clYellow"));
    QCOMPARE(media->strValue(categories[1], QStringLiteral("Color"), QString()), QStringLiteral("$02C56A31"));
    // Saturdays are code, not data: only the two stored kinds are listed.
    QCOMPARE(media->strArray(categories[1], QStringLiteral("exceptions")).size(), 2);

    // The weekends category was saved under an automatic name, so it reloads as weekends.
    std::unique_ptr<TPLXGanttObject> loaded(factory.loadObject(uid, *media, nullptr));
    auto *calendar = dynamic_cast<TPLXDocumentCalendar *>(loaded.get());
    QVERIFY(calendar);
    QCOMPARE(calendar->getCategoriesCount(), 2);
    QVERIFY(dynamic_cast<TPLXWeekendsDateCategory *>(calendar->getDateCategory(0)));
    QCOMPARE(calendar->getDateCategory(0)->getColor(), clYellow);
    IPLXDateCategory *holidays = calendar->getDateCategory(1);
    QCOMPARE(holidays->getName(), QStringLiteral("Feiertage"));
    QCOMPARE(holidays->getColor(), TColor(0x02C56A31));
    QVERIFY(!holidays->getWorking());
    QVERIFY(holidays->getVisible());
    QCOMPARE(holidays->getDatesCount(), 2);
    auto *xmas = dynamic_cast<TPLXFixedDateException *>(holidays->getDateByIndex(0));
    QVERIFY(xmas && !dynamic_cast<TPLXRecurringDateException *>(xmas));
    QCOMPARE(xmas->getDateFrom(), at(2024, 12, 25));
    QCOMPARE(xmas->getName(), QStringLiteral("Xmas"));
    auto *nye = dynamic_cast<TPLXRecurringDateException *>(holidays->getDateByIndex(1));
    QVERIFY(nye);
    QCOMPARE(nye->getDateFrom(), at(2020, 1, 1)); // the aligned range was stored
    QCOMPARE(nye->getRecurringTimeMode(), tmYear);
    QCOMPARE(nye->getDayFrom(), 365);
    QCOMPARE(nye->getHourFrom(), 12);
    // Half a day is only shown in hours.
    QCOMPARE(nye->VisibleTimeMode, tmHour);
    QVERIFY(calendar->isWorking(at(2025, 12, 31, 13), tmDay));
    QVERIFY(calendar->isWorking(at(2025, 12, 31, 11), tmHour));
    QVERIFY(!calendar->isWorking(at(2025, 12, 31, 13), tmHour));
    QCOMPARE(calendar->getDateLabel(at(2025, 12, 31, 13), tmHour), QStringLiteral("NYE"));
    COMPARE_MS(calendar->addEffective(at(2024, 12, 24), 1, true), at(2024, 12, 26));

    // Saving again keeps the section names it was loaded from.
    calendar->doSave(QStringLiteral("root"), *media, factory);
    QCOMPARE(media->strValue(QStringLiteral("root"), QStringLiteral("calendar"), QString()), uid);
    QCOMPARE(media->strArray(uid, QStringLiteral("categories")), categories);
    QVERIFY(recording.recorder.messages.isEmpty());
}

void tst_plxDocumentCalendar::saveAndLoadThroughIniFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("calendar.ini"));
    TPLXEntityFactory factory;
    {
        auto media = std::make_shared<TPLXINIFIle>(path);
        TPLXDocumentCalendar calendar;
        addCategory(calendar, QStringLiteral("Busy"), clNavy,
                    std::make_unique<TPLXRecurringDateException>(tmMonth, 2, 28, 3, 6, 18, QStringLiteral("close"),
                                                                 at(2024, 1, 15), at(2026, 1, 1)),
                    fixed(at(2024, 7, 1, 8, 30), at(2024, 7, 3, 17, 15)));
        calendar.doSave(QStringLiteral("root"), *media, factory);
        media->flush();
    }
    auto media = std::make_shared<TPLXINIFIle>(path);
    const QString uid = media->strValue(QStringLiteral("root"), QStringLiteral("calendar"), QString());
    std::unique_ptr<TPLXGanttObject> loaded(factory.loadObject(uid, *media, nullptr));
    auto *calendar = dynamic_cast<TPLXDocumentCalendar *>(loaded.get());
    QVERIFY(calendar);
    IPLXDateCategory *busy = calendar->getDateCategory(0);
    QCOMPARE(busy->getColor(), clNavy);
    auto *close = dynamic_cast<TPLXRecurringDateException *>(busy->getDateByIndex(0));
    QVERIFY(close);
    QCOMPARE(close->getHourTo(), 18);
    QCOMPARE(close->getDateFrom(), at(2024, 1, 1));
    auto *audit = dynamic_cast<TPLXFixedDateException *>(busy->getDateByIndex(1));
    QVERIFY(sameMs(audit->getDateFrom(), at(2024, 7, 1, 8, 30)));
    QVERIFY(sameMs(audit->getDateTo(), at(2024, 7, 3, 17, 15)));
    QVERIFY(!calendar->isWorking(at(2024, 1, 29, 7), tmNone));
    QVERIFY(!calendar->isWorking(at(2024, 2, 3, 17), tmNone));
    QVERIFY(calendar->isWorking(at(2024, 2, 29, 7), tmNone)); // the off month
    QVERIFY(calendar->isWorking(at(2024, 3, 2), tmNone));
    QVERIFY(!calendar->isWorking(at(2024, 3, 29), tmNone));
    QVERIFY(!calendar->isWorking(at(2024, 4, 3, 17), tmNone));
    QVERIFY(calendar->isWorking(at(2024, 4, 3, 19), tmNone));
}

void tst_plxDocumentCalendar::loadingOddSections()
{
    TPLXRecordingScope recording;
    PLXMedia media = plxMediaFromText(QByteArray("[cal]\ntypeID=Document Calendar\n"
                                                 "categories#count=4\ncategories#0=bad colour\n"
                                                 "categories#1=Holidays\ncategories#2=plain\ncategories#3=ghost\n"
                                                 "[bad colour]\ntypeID=Date Category\nColor=not a colour\n"
                                                 "[Holidays]\ntypeID=Predefined Date Category\nColor=$000000FF\n"
                                                 "[plain]\ntypeID=Date Category\nName=Plain\n"
                                                 "exceptions#count=5\nexceptions#0=bare\nexceptions#1=odd\n"
                                                 "exceptions#2=unknown\nexceptions#3=bare\nexceptions#4=fixed\n"
                                                 "[bare]\ntypeID=Recurring Date Exception\n"
                                                 "[odd]\ntypeID=Recurring Date Exception\nRecurringPeriod=-3\n"
                                                 "RecurringTimeMode=42\nDayFrom=-1\nHourTo=99\nDateFrom=45000\n"
                                                 "DateTo=44000\n"
                                                 "[unknown]\ntypeID=Weekend Exception\n"
                                                 "[fixed]\ntypeID=Fixed Date Exception\nDateFrom=45000.5\n"
                                                 "DateTo=45001.5\nName=half\n"));
    TPLXEntityFactory factory;
    std::unique_ptr<TPLXGanttObject> loaded(factory.loadObject(QStringLiteral("cal"), *media, nullptr));
    auto *calendar = dynamic_cast<TPLXDocumentCalendar *>(loaded.get());
    QVERIFY(calendar);
    // The unreadable colour and the missing section are reported and skipped.
    QVERIFY(recording.recorder.messages.contains(QStringLiteral("Error loading bad colour")));
    QVERIFY(recording.recorder.messages.contains(QStringLiteral("Error loading ghost")));
    QVERIFY(recording.recorder.messages.contains(QStringLiteral("Warning: Unknown type idWeekend Exception")));
    QCOMPARE(calendar->getCategoriesCount(), 2);
    auto *holidays = dynamic_cast<TPLXHolidaysDateCategory *>(calendar->getDateCategory(0));
    QVERIFY(holidays);
    QVERIFY(!holidays->getWorking());
    QCOMPARE(holidays->getDatesCount(), 0);
    QCOMPARE(holidays->getColor(), clRed);
    IPLXDateCategory *plain = calendar->getDateCategory(1);
    QCOMPARE(plain->getColor(), clBlack);
    QCOMPARE(plain->getDatesCount(), 4); // "bare" twice, the same object
    QCOMPARE(plain->getDateByIndex(0), plain->getDateByIndex(2));
    auto *bare = dynamic_cast<TPLXRecurringDateException *>(plain->getDateByIndex(0));
    QCOMPARE(bare->getRecurringTimeMode(), tmWeek);
    QCOMPARE(bare->getDayFrom(), 6);
    QCOMPARE(bare->getDayTo(), 1);
    TDateTime s = 0;
    double d = 0;
    QVERIFY(!bare->findNextOccurence(kMonday, s, d)); // empty range: never occurs
    auto *odd = dynamic_cast<TPLXRecurringDateException *>(plain->getDateByIndex(1));
    QCOMPARE(odd->getRecurringPeriod(), 1);
    QCOMPARE(odd->getRecurringTimeMode(), tmNone);
    QCOMPARE(odd->getDayFrom(), 0);
    QCOMPARE(odd->getHourTo(), 99);
    QCOMPARE(odd->getDateFrom(), at(1970, 1, 1)); // the reversed range was replaced
    auto *fixed = dynamic_cast<TPLXFixedDateException *>(plain->getDateByIndex(3));
    QCOMPARE(fixed->getDateTo(), 45001.5);
    // Whatever was loaded, the arithmetic answers like the walk.
    COMPARE_MS(calendar->addEffective(45000, 1, false), 45002.0);
    QCOMPARE(calendar->addEffective(45000, 1, false), plxoracle::addEffective(*calendar, 45000, 1, false));
}

void tst_plxDocumentCalendar::defaultDocumentCalendar()
{
    TPLXRecordingScope recording;
    TPLXDefaultMedia media{QString()};
    TPLXEntityFactory factory;
    std::unique_ptr<TPLXGanttObject> loaded(factory.loadObject(QStringLiteral("Default Calendar"), media, nullptr));
    auto *calendar = dynamic_cast<TPLXDocumentCalendar *>(loaded.get());
    QVERIFY(calendar);
    QVERIFY(recording.recorder.messages.isEmpty());
    QCOMPARE(calendar->getTimeMode(), tmDay);
    QCOMPARE(calendar->getCategoriesCount(), 2);
    auto *weekends = dynamic_cast<TPLXWeekendsDateCategory *>(calendar->getDateCategory(0));
    auto *holidays = dynamic_cast<TPLXHolidaysDateCategory *>(calendar->getDateCategory(1));
    QVERIFY(weekends && holidays);
    QCOMPARE(weekends->getColor(), TColor(0x027FFFFF));
    QCOMPARE(holidays->getColor(), TColor(0x023434FF));
    QCOMPARE(weekends->getDatesCount(), 1);
    QCOMPARE(factory.getLoadedObject(QStringLiteral("Weekends")), weekends);
    QVERIFY(!calendar->isWorking(kSunday, tmNone));
    COMPARE_MS(calendar->addEffective(kFriday, 1, true), kNextMonday);
}

void tst_plxDocumentCalendar::matchesTheWalkOnRandomCalendars()
{
    const int calendars = 400; // about 15 s under the sanitizers, 3 s without
    const int casesPerCalendar = 250;
    std::mt19937_64 rng(20240826);
    const auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const double from = at(2016, 1, 1);
    const double to = at(2034, 1, 1);
    TPLXRecordingScope quiet; // Saturday exceptions log every search
    long long compared = 0;
    long long exact = 0;

    for (int c = 0; c < calendars; ++c) {
        const bool wholeHours = c % 2 == 0;
        const auto instant = [&](double lo, double hi) {
            const double t = uniform(lo, hi);
            return wholeHours ? std::floor(t * 24) / 24 : t;
        };
        TPLXDocumentCalendar calendar;
        std::vector<std::unique_ptr<IPLXDateCategory>> categories;
        if (pick(0, 9) > 0) {
            if (pick(0, 4) == 0) {
                auto days = std::make_unique<TPLXDateCategory>(QStringLiteral("days"), clRed);
                if (pick(0, 1))
                    days->addDate(std::make_unique<TPLXSaturday>());
                days->addDate(std::make_unique<TPLXSunday>());
                categories.push_back(std::move(days));
            } else {
                categories.push_back(std::make_unique<TPLXWeekendsDateCategory>());
            }
        }
        auto holidays = std::make_unique<TPLXDateCategory>(QStringLiteral("holidays"), clBlue);
        const int fixedCount = pick(0, 200);
        for (int i = 0; i < fixedCount; ++i) {
            const double start = instant(from, to);
            const double length = pick(0, 3) == 0 ? (wholeHours ? pick(1, 240) / 24.0 : uniform(0.001, 10))
                                                   : std::max(1, pick(-2, 3)) * 1.0;
            const double begin = pick(0, 3) == 0 ? start : std::floor(start);
            holidays->addDate(std::make_unique<TPLXFixedDateException>(begin, begin + length, QString()));
        }
        categories.push_back(std::move(holidays));
        auto recurring = std::make_unique<TPLXDateCategory>(QStringLiteral("recurring"), clGreen);
        const int recurringCount = pick(0, 5);
        for (int i = 0; i < recurringCount; ++i) {
            const TPLXTimeMode modes[] = {tmWeek, tmWeek, tmMonth, tmYear, tmQuarter, tmDay};
            const TPLXTimeMode mode = modes[pick(0, 5)];
            const int maxDay = mode == tmWeek ? 8 : mode == tmYear ? 366 : mode == tmDay ? 0 : 32;
            const double a = instant(from - 400, to);
            const double b = pick(0, 9) == 0 ? a - 30 : instant(a, to + 400);
            recurring->addDate(std::make_unique<TPLXRecurringDateException>(
                mode, quint16(pick(0, 3)), quint16(pick(0, maxDay)), quint16(pick(0, maxDay)),
                quint8(pick(0, 9) == 0 ? pick(0, 40) : pick(0, 23)), quint8(pick(0, 24)), QString(), a, b));
        }
        categories.push_back(std::move(recurring));
        if (pick(0, 2) == 0) {
            auto vacations = std::make_unique<TPLXVacationsDateCategory>();
            vacations->addDate(std::make_unique<TPLXFixedDateException>(instant(from, to), instant(to, to + 10),
                                                                        QString()));
            categories.push_back(std::move(vacations));
        }
        std::shuffle(categories.begin(), categories.end(), rng);
        for (auto &category : categories)
            calendar.addDateCategory(std::move(category));

        for (int i = 0; i < casesPerCalendar; ++i) {
            const double date = instant(from + 30, to - 30);
            const int bucket = pick(0, 99);
            double span = bucket < 80 ? uniform(0, 10) : bucket < 98 ? uniform(10, 60) : uniform(60, 300);
            if (wholeHours)
                span = std::floor(span * 24) / 24;
            if (pick(0, 9) == 0)
                span = -span;
            if (pick(0, 19) == 0)
                span = 0;
            const int op = pick(0, 4);
            const double other = wholeHours ? std::floor((date + span * 1.4) * 24) / 24 : date + span * 1.4;
            double oracle = 0;
            const double product = runOp(calendar, op, date, op == 3 ? other : span, oracle);
            ++compared;
            const bool same = wholeHours ? product == oracle : std::fabs(product - oracle) <= kMs * 1.0001;
            if (!same)
                QFAIL(qPrintable(QStringLiteral("calendar %1 case %2 op %3 date %4 span %5: %6 vs walk %7")
                                     .arg(c)
                                     .arg(i)
                                     .arg(op)
                                     .arg(date, 0, 'f', 10)
                                     .arg(span, 0, 'f', 10)
                                     .arg(product, 0, 'f', 10)
                                     .arg(oracle, 0, 'f', 10)));
            if (wholeHours)
                ++exact;
        }
    }
    QVERIFY(compared >= 100000);
    qInfo("compared %lld cases with the walk, %lld of them exactly", compared, exact);
}

QTEST_GUILESS_MAIN(tst_plxDocumentCalendar)
#include "tst_plxDocumentCalendar.moc"
