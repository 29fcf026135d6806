#include "plxCalendarOracle.h"
#include "plxColors.h"
#include "plxCompare.h"
#include "plxDocumentCalendar.h"
#include "plxEntityFactory.h"
#include "plxMedia.h"
#include "plxPlatform.h"
#include "plxTestSupport.h"

#include <QMetaProperty>
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

#define COMPARE_MS(actual, expected)                                                                                  \
    QVERIFY2(PLXDateToMs(actual) == PLXDateToMs(expected),                                                            \
             qPrintable(QStringLiteral("%1 != %2").arg((actual), 0, 'f', 9).arg((expected), 0, 'f', 9)))

std::unique_ptr<TPLXFixedDateException> fixed(TDateTime from, TDateTime to, const QString &name = QString())
{
    return std::make_unique<TPLXFixedDateException>(from, to, name);
}

std::unique_ptr<TPLXRecurringDateException> recurring(TPLXTimeMode mode, int period, int dayFrom, int dayTo,
                                                      int hourFrom, int hourTo, TDateTime from, TDateTime to,
                                                      const QString &name = QString())
{
    return std::make_unique<TPLXRecurringDateException>(mode, quint16(period), quint16(dayFrom), quint16(dayTo),
                                                        quint8(hourFrom), quint8(hourTo), name, from, to);
}

// A non-working category holding the given exceptions, added to the calendar.
template<typename... E>
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
    using namespace plxtest;
    oracle = op <= 1   ? addEffective(calendar, a, b, op == 1)
             : op == 2 ? substrEffective(calendar, a, b)
             : op == 3 ? diffEffective(calendar, a, b)
                       : findFirstEffective(calendar, a);
    return op <= 1   ? calendar.addEffective(a, b, op == 1)
           : op == 2 ? calendar.substrEffective(a, b)
           : op == 3 ? calendar.diffEffective(a, b)
                     : calendar.findFirstEffective(a);
}

// An occurrence search must succeed with this start (or finish) and duration.
#define CHECK_OCCURS(exception, search, date, start, duration)                                                        \
    do {                                                                                                              \
        TDateTime s_ = 0;                                                                                             \
        double d_ = 0;                                                                                                \
        QVERIFY((exception).search((date), s_, d_));                                                                  \
        COMPARE_MS(s_, (start));                                                                                      \
        COMPARE_MS(d_, (duration));                                                                                   \
    } while (false)
#define CHECK_NEXT(e, date, start, duration) CHECK_OCCURS(e, findNextOccurence, date, start, duration)
#define CHECK_PREV(e, date, finish, duration) CHECK_OCCURS(e, findPreviousOccurence, date, finish, duration)

// Searches that must find nothing from this date, in either direction.
bool neverOccurs(IPLXDateException &exception, TDateTime date)
{
    TDateTime s = 0;
    double d = 0;
    return !exception.findNextOccurence(date, s, d) && !exception.findPreviousOccurence(date, s, d);
}

// An entity's class and published values on one line, times to the millisecond.
QString describe(TPLXGanttObject *entity)
{
    const QMetaObject *meta = entity->metaObject();
    QString line = QString::fromLatin1(meta->className());
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QVariant value = entity->property(meta->property(i).name());
        line +=
            QLatin1Char(' ') +
            (value.typeId() == QMetaType::Double ? QString::number(PLXDateToMs(value.toDouble())) : value.toString());
    }
    return line;
}

// The calendar, each category and each exception, one line each, to compare whole calendars.
QStringList describe(TPLXDocumentCalendar &calendar)
{
    QStringList lines{describe(&calendar)};
    for (int i = 0; i < calendar.getCategoriesCount(); ++i) {
        lines.append(describe(calendar.getDateCategory(i)));
        for (int j = 0; j < calendar.getDateCategory(i)->getDatesCount(); ++j)
            lines.append(describe(calendar.getDateCategory(i)->getDateByIndex(j)));
    }
    return lines;
}

// An exception that breaks the occurrence contract, to reach the calendar's checks.
struct TLyingException : TPLXDateException
{
    bool Matches(TDateTime, TPLXTimeMode) override { return false; }
    bool findPreviousOccurence(TDateTime Date, TDateTime &Finish, double &Duration) override
    {
        Finish = Date + 1;
        Duration = 1;
        return true;
    }
};

} // namespace

class tst_plxDocumentCalendar : public QObject
{
    Q_OBJECT

private slots:
    void weekendArithmetic_data()
    {
        QTest::addColumn<int>("op");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("expected");
        enum { add, addWorking, substr, diff, first };
        QTest::newRow("Fri + 1 lands on Saturday") << int(add) << kFriday << 1.0 << kSaturday;
        QTest::newRow("Fri + 1 to working time") << int(addWorking) << kFriday << 1.0 << kNextMonday;
        QTest::newRow("Mon + 10 working days") << int(add) << kMonday << 10.0 << kMonday + 12;
        QTest::newRow("negative add subtracts") << int(add) << kNextMonday << -1.0 << kFriday;
        QTest::newRow("Mon 12:00 - 1") << int(substr) << kNextMonday + 0.5 << 1.0 << kFriday + 0.5;
        QTest::newRow("diff backwards") << int(diff) << kNextMonday << kFriday << -1.0;
        QTest::newRow("diff Fri to Sun keeps 0") << int(diff) << kFriday << kSunday << 0.0;
        QTest::newRow("first of Saturday 10:00") << int(first) << kSaturday + 10 / 24.0 << 0.0 << kNextMonday;
    }

    void weekendArithmetic()
    {
        QFETCH(int, op);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, expected);
        auto calendar = plxtest::weekendCalendar();
        double oracle = 0;
        const double result = runOp(*calendar, op, a, b, oracle);
        COMPARE_MS(result, expected);
        QCOMPARE(result, oracle);
    }

    void fixedExceptionMatchesAndOccurs()
    {
        const TDateTime may1 = at(2024, 5, 1);
        TPLXFixedDateException oneDay(may1, QStringLiteral("Labour Day"));
        QVERIFY(oneDay.Matches(may1 - 0.4 * kMs, tmNone)); // within the same millisecond
        QVERIFY(!oneDay.Matches(may1 + 1 - 0.4 * kMs, tmNone));
        CHECK_NEXT(oneDay, at(2024, 1, 1), may1, 1.0);
        CHECK_NEXT(oneDay, at(2024, 5, 1, 6), at(2024, 5, 1, 6), 0.75);
        CHECK_PREV(oneDay, at(2024, 5, 1, 6), at(2024, 5, 1, 6), 0.25);
        TDateTime s = 0;
        double d = 0;
        QVERIFY(!oneDay.findNextOccurence(may1 + 1, s, d) && !oneDay.findPreviousOccurence(may1, s, d));
        // Reversed and empty ranges never occur.
        QVERIFY(neverOccurs(*fixed(may1 + 3, may1), may1 - 10) && neverOccurs(*fixed(may1 + 3, may1), may1 + 10));
        QVERIFY(neverOccurs(*fixed(may1, may1), may1 - 1) && neverOccurs(*fixed(may1, may1), may1 + 1));
        // Shown in the finest mode that holds it: hours, a day, weeks, months, a quarter, at most years.
        QList<int> modes;
        for (const auto &[from, to] : {std::pair{at(2024, 5, 1, 8), at(2024, 5, 1, 11)},
                                       {may1, may1 + 1},
                                       {at(2024, 7, 1), at(2024, 7, 15)},
                                       {at(2024, 7, 1), at(2024, 9, 1)},
                                       {at(2024, 1, 1), at(2024, 7, 1)},
                                       {at(2000, 1, 1), at(2010, 1, 1)}})
            modes.append(fixed(from, to)->getVisibleTimeMode());
        QCOMPARE(modes, QList<int>({tmHour, tmDay, tmWeek, tmMonth, tmQuarter, tmYear}));
        QVERIFY(fixed(at(2024, 7, 1), at(2024, 9, 1))->Matches(at(2024, 7, 1), tmYear)); // months show in years
        // Editing through the published properties re-derives the visible mode.
        QVERIFY(oneDay.setProperty("DateTo", may1 + 14));
        QCOMPARE(oneDay.getVisibleTimeMode(), tmWeek);
    }

    void recurringWindowsOfOtherModes_data()
    {
        QTest::addColumn<QList<int>>("window"); // mode, period, day from, day to, hour from, hour to
        QTest::addColumn<double>("query");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("finish");
        const auto row = [](const char *name, QList<int> window, double query, double start, double finish) {
            QTest::newRow(name) << window << query << start << finish;
        };
        row("weekend", {tmWeek, 1, 6, 1, 0, 0}, kMonday + 2, kSaturday, kNextMonday);
        // Weeks count from the range's first week, 30 Dec 2019: 12 Aug 2024 is an off week.
        row("every second Monday night", {tmWeek, 2, 1, 2, 22, 2}, at(2024, 8, 6, 3), at(2024, 8, 19, 22),
            at(2024, 8, 20, 2));
        row("28th to 5th", {tmMonth, 1, 28, 5, 0, 0}, at(2024, 1, 10), at(2024, 1, 28), at(2024, 2, 5));
        row("no 31 April", {tmMonth, 1, 31, 31, 0, 12}, at(2024, 4, 2), at(2024, 5, 31), at(2024, 5, 31, 12));
        // Day 358 is 24 December.
        row("Christmas week", {tmYear, 1, 358, 1, 0, 0}, at(2024, 6, 1), at(2024, 12, 24), at(2025, 1, 1));
        row("day 60 in a leap year", {tmYear, 1, 60, 61, 0, 0}, at(2024, 1, 5), at(2024, 2, 29), at(2024, 3, 2));
        row("daily night", {tmDay, 1, 0, 0, 22, 6}, at(2024, 2, 1, 12), at(2024, 2, 1, 22), at(2024, 2, 2, 6));
        row("hour 30 is midnight", {tmWeek, 1, 5, 5, 8, 30}, at(2024, 8, 27), kFriday + 8 / 24.0, kSaturday);
    }

    void recurringWindowsOfOtherModes()
    {
        QFETCH(QList<int>, window);
        QFETCH(double, query);
        QFETCH(double, start);
        QFETCH(double, finish);
        auto exception = recurring(TPLXTimeMode(window[0]), window[1], window[2], window[3], window[4], window[5],
                                   at(2020, 1, 1), at(2040, 1, 1));
        TDateTime s = 0;
        double d = 0;
        QVERIFY(exception->findNextOccurence(query, s, d));
        COMPARE_MS(s, start);
        COMPARE_MS(s + d, finish);
        QVERIFY(exception->Matches(std::max(query, start), tmNone) &&
                (!exception->Matches(finish, tmNone) || finish - start >= 1));
        QVERIFY(exception->findPreviousOccurence(finish + 0.5 * kMs, s, d));
        COMPARE_MS(s, finish);
        // Seen from its end, the whole window shows, from where it really begins.
        QVERIFY(PLXDateToMs(s - d) <= PLXDateToMs(start) && exception->Matches(s - d, tmNone) &&
                !exception->Matches(s - d - kMs, tmNone));
    }

    void recurringRangesAndBadInput()
    {
        // The range is aligned to whole periods; nothing occurs outside it.
        auto weekend = recurring(tmWeek, 1, 6, 1, 0, 0, at(2024, 8, 1), at(2024, 9, 30));
        QCOMPARE(weekend->getDateFrom(), at(2024, 7, 29));
        CHECK_NEXT(*weekend, at(2024, 1, 1), at(2024, 8, 3), 2.0);
        TDateTime s = 0;
        double d = 0;
        QVERIFY(!weekend->findNextOccurence(at(2024, 9, 30), s, d) &&
                !weekend->findPreviousOccurence(at(2024, 7, 29), s, d));
        // A period of zero is taken as one.
        auto zero = recurring(tmWeek, 0, 6, 1, 0, 0, at(2024, 1, 1), at(2025, 1, 1));
        QCOMPARE(zero->getRecurringPeriod(), 1);
        CHECK_NEXT(*zero, kMonday, kSaturday, 2.0);
        // A reversed range becomes 1970 to 3000.
        auto reversed = recurring(tmWeek, 1, 6, 1, 0, 0, at(2025, 1, 1), at(2024, 1, 1));
        PLX_COMPARE_EACH(double, ({reversed->getDateFrom(), reversed->getDateTo()}),
                         ({StartOfPeriod(at(1970, 1, 1), tmWeek), StartOfPeriod(at(3000, 1, 1), tmWeek)}));
        // Equal bounds make an empty window that neither matches nor occurs.
        auto equal = recurring(tmWeek, 1, 3, 3, 9, 9, at(2024, 1, 1), at(2025, 1, 1));
        QVERIFY(neverOccurs(*equal, kMonday) && !equal->Matches(kMonday + 2 + 9.5 / 24, tmNone));
        // A window that can never fit any period gives up instead of walking on.
        auto never = recurring(tmWeek, 1, 9, 10, 0, 0, at(2024, 1, 1), at(3000, 1, 1));
        QVERIFY(neverOccurs(*never, kMonday));
    }

    void categoriesInOrder()
    {
        TPLXTestDocument document;
        auto *calendar = new TPLXDocumentCalendar; // owned by the document
        calendar->setParent(&document);
        addCategory(*calendar, QStringLiteral("Holidays"), clRed,
                    fixed(kFriday, kFriday + 1, QStringLiteral("Feast")));
        calendar->addDateCategory(std::make_unique<TPLXVacationsDateCategory>())
            ->addDate(fixed(kMonday, kNextMonday + 7, QStringLiteral("Trip")));
        calendar->addDateCategory(std::make_unique<TPLXWeekendsDateCategory>());
        // The first matching category decides, whatever its working flag; a two-week trip shows in weeks.
        QCOMPARE(calendar->getDateLabel(kFriday + 0.5, tmNone), QStringLiteral("Feast"));
        QCOMPARE(calendar->matchCategory(kMonday + 1, tmDay), nullptr);
        QCOMPARE(calendar->matchCategory(kMonday + 1, tmWeek)->getName(), QStringLiteral("Vacations"));
        PLX_COMPARE_EACH(bool,
                         ({calendar->isWorking(kFriday + 0.5, tmNone), calendar->isWorking(kMonday + 1, tmWeek),
                           calendar->isWorking(kSaturday, tmDay)}),
                         ({false, true, false}));
        COMPARE_MS(calendar->addEffective(kMonday, 5, false), kNextMonday + 1); // working categories take no part
        // The calendar's mode is the document's: changing it realigns the document's start.
        document.startDate = at(2024, 8, 15, 13);
        calendar->SetTimeMode(tmMonth);
        QCOMPARE(document.startDate, at(2024, 8, 1));
        calendar->SetTimeMode(tmWeek);
        QCOMPARE(document.startDate, at(2024, 7, 29));
    }

    // Overlapping categories are the random calendars' business; a lying exception is not.
    void lyingExceptionsAreCaught()
    {
        TPLXDocumentCalendar calendar;
        TDateTime f = 0;
        double e = 0;
        // An exception breaking the occurrence contract is an assertion, not a hang.
        addCategory(calendar, QStringLiteral("broken"), clRed, std::make_unique<TLyingException>());
        QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, calendar.findPreviousNonWorkingException(kMonday, f, e));
    }

    void changesDropTheIndex()
    {
        TPLXRecordingScope recording; // Saturdays log every search they are asked
        auto calendar = plxtest::weekendCalendar();
        addCategory(*calendar, QStringLiteral("W"), clRed, std::make_unique<TPLXSaturday>());
        calendar->addEffective(kMonday, 20, false);
        const qsizetype searches = recording.recorder().logLines().size();
        // Once indexed, the calendar answers without asking its exceptions, until a change anywhere.
        for (int i = 0; i < 1000; ++i)
            calendar->addEffective(kMonday + i % 50, 10 + i % 7, i % 2 == 0);
        QCOMPARE(recording.recorder().logLines().size(), searches);
        PLXCalendarChanged();
        calendar->addEffective(kMonday, 1, false);
        QVERIFY(recording.recorder().logLines().size() > searches);
        calendar->removeDateCategory(QStringLiteral("W"));

        IPLXDateCategory *category = addCategory(*calendar, QStringLiteral("Holidays"), clRed);
        COMPARE_MS(calendar->addEffective(kMonday, 4, false), kFriday);
        IPLXDateException *feast = category->addDate(fixed(kMonday + 1, kMonday + 2));
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

    void extremeCalendarsAndDates()
    {
        // Without non-working time the searches answer their sentinels and the arithmetic is plain.
        TPLXDocumentCalendar empty;
        empty.AddPredefinedCategories();
        empty.removeDateCategory(QStringLiteral("Weekends"));
        TDateTime start = 0, finish = 0;
        double next = -1, previous = -1;
        empty.findNextNonWorkingException(kMonday, start, next);
        empty.findPreviousNonWorkingException(kMonday, finish, previous);
        PLX_COMPARE_EACH(double, ({start, next, finish, previous}), ({9999999.0, 0, 0, 0}));
        COMPARE_MS(empty.addEffective(kFriday + 0.3, 2.5, true), kFriday + 2.8);
        COMPARE_MS(empty.substrEffective(kFriday + 0.3, 2.5), kFriday - 2.2);
        COMPARE_MS(empty.substrEffective(100, 200), -100.0); // below the zero date too

        // Weekends plus a Monday-to-Saturday window: no working time until the window's range ends.
        auto calendar = plxtest::weekendCalendar();
        addCategory(*calendar, QStringLiteral("busy"), clRed,
                    recurring(tmWeek, 1, 1, 6, 0, 0, at(2024, 1, 1), at(2200, 1, 1)));
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

        // Plain weekends, asked with odd numbers and far-off dates.
        calendar = plxtest::weekendCalendar();
        // Beyond the searched time everything is working time.
        PLX_COMPARE_EACH(double,
                         ({calendar->addEffective(2.0e7, 3, true), calendar->substrEffective(-2.0e7, 3),
                           calendar->diffEffective(1.0e300, -1.0e300)}),
                         ({2.0e7 + 3, -2.0e7 - 3, -2.0e300}));
        // Far from 1900..2200 the weekends still hold, both ways.
        for (const TDateTime far : {-3.0e6, -1000.0, 3.0e6, 9.0e6}) {
            const TDateTime monday = StartOfPeriod(far, tmWeek);
            COMPARE_MS(calendar->addEffective(monday, 5, true), monday + 7);
            COMPARE_MS(calendar->substrEffective(monday + 7, 5), monday - 2);
            COMPARE_MS(calendar->diffEffective(monday, monday + 14), 10.0);
        }
        // Crossing the end of the searched time.
        const TDateTime lastMonday = StartOfPeriod(9999990.0, tmWeek);
        QCOMPARE(calendar->diffEffective(lastMonday, lastMonday + 40),
                 plxtest::diffEffective(*calendar, lastMonday, lastMonday + 40));
    }

    void saveAndLoadThroughAnIniFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("calendar.ini"));
        TPLXRecordingScope recording;
        TPLXEntityFactory factory;
        QStringList saved;
        {
            TPLXINIFIle media(path);
            TPLXDocumentCalendar calendar;
            calendar.addDateCategory(std::make_unique<TPLXWeekendsDateCategory>())->setColor(clYellow);
            addCategory(calendar, QStringLiteral("Feiertage"), TColor(0x02C56A31),
                        fixed(at(2024, 12, 25), at(2024, 12, 26), QStringLiteral("Xmas")),
                        recurring(tmYear, 1, DayMonthInYear(31, 12), DayMonthInYear(1, 1), 12, 0, at(2020, 3, 3),
                                  at(2030, 1, 1), QStringLiteral("NYE")),
                        std::make_unique<TPLXSaturday>(), fixed(at(2024, 7, 1, 8, 30), at(2024, 7, 3, 17, 15)));
            addCategory(calendar, QStringLiteral("Busy"), clNavy,
                        recurring(tmMonth, 2, 28, 3, 6, 18, at(2024, 1, 15), at(2026, 1, 1), QStringLiteral("close")));
            calendar.doSave(QStringLiteral("root"), media, factory);
            calendar.getDateCategory(1)->removeDate(2); // Saturdays are code, not data: they are not saved
            saved = describe(calendar);
        }
        TPLXINIFIle media(path);
        const QString uid = media.strValue(QStringLiteral("root"), QStringLiteral("calendar"), QString());
        QVERIFY(uid.startsWith(QLatin1String("AutoID:")));
        // Loaded back the same, to the millisecond: the weekends category saved under an automatic
        // name reloads as weekends, the yearly window keeps its aligned range.
        std::unique_ptr<TPLXGanttObject> loaded(factory.loadObject(uid, media, nullptr));
        auto *calendar = dynamic_cast<TPLXDocumentCalendar *>(loaded.get());
        QVERIFY(calendar);
        QCOMPARE(describe(*calendar), saved);
        COMPARE_MS(calendar->addEffective(at(2024, 12, 24), 1, true), at(2024, 12, 26));
    }

    void loadingOddSections()
    {
        // Unknown kinds, missing sections and unreadable values are the factory's; these are the calendar's own.
        TPLXRecordingScope recording;
        PLXMedia media = plxtest::mediaFromText(plxtest::testData("time/odd-sections.ini"));
        TPLXEntityFactory factory;
        std::unique_ptr<TPLXGanttObject> loaded(factory.loadObject(QStringLiteral("cal"), *media, nullptr));
        auto *calendar = dynamic_cast<TPLXDocumentCalendar *>(loaded.get());
        QVERIFY(calendar && recording.recorder().messages().isEmpty());
        // The predefined category is picked by its section name and keeps its own colour.
        auto *holidays = dynamic_cast<TPLXHolidaysDateCategory *>(calendar->getDateCategory(0));
        QVERIFY(holidays && !holidays->getWorking() && holidays->getColor() == clRed);
        // Missing values take the defaults, out-of-range ones are clamped, a reversed range replaced.
        auto *bare = dynamic_cast<TPLXRecurringDateException *>(calendar->getDateCategory(1)->getDateByIndex(0));
        auto *odd = dynamic_cast<TPLXRecurringDateException *>(calendar->getDateCategory(1)->getDateByIndex(1));
        PLX_COMPARE_EACH(int, ({bare->getRecurringTimeMode(), bare->getDayFrom(), bare->getDayTo()}),
                         ({tmWeek, 6, 1}));
        PLX_COMPARE_EACH(int,
                         ({odd->getRecurringPeriod(), odd->getRecurringTimeMode(), odd->getDayFrom(),
                           odd->getHourTo()}),
                         ({1, tmNone, 0, 99}));
        QVERIFY(neverOccurs(*bare, kMonday) && neverOccurs(*odd, kMonday)); // an empty range, no mode
        QCOMPARE(odd->getDateFrom(), at(1970, 1, 1));
    }

    void matchesTheWalkOnRandomCalendars()
    {
        const int calendars = 400, casesPerCalendar = 250; // about 15 s under the sanitizers, 3 s without
        std::mt19937_64 rng(20240826);
        const auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
        const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        const double from = at(2016, 1, 1), to = at(2034, 1, 1);
        TPLXRecordingScope quiet; // Saturday exceptions log every search
        long long compared = 0, exact = 0;

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
                vacations->addDate(
                    std::make_unique<TPLXFixedDateException>(instant(from, to), instant(to, to + 10), QString()));
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
                if (!(wholeHours ? product == oracle : std::fabs(product - oracle) <= kMs * 1.0001))
                    QFAIL(qPrintable(
                        QString::asprintf("calendar %d case %d op %d date %.10f span %.10f: %.10f vs walk %.10f", c, i,
                                          op, date, span, product, oracle)));
                exact += wholeHours;
            }
        }
        QVERIFY(compared >= 100000);
        qInfo("compared %lld cases with the walk, %lld of them exactly", compared, exact);
    }
};

QTEST_GUILESS_MAIN(tst_plxDocumentCalendar)
#include "tst_plxDocumentCalendar.moc"
