#include "plxProjectXml.h"

#include "plxBarConnection.h"
#include "plxDocumentCalendar.h"
#include "plxGanttDocument.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxImageBar.h"
#include "plxPlatform.h"
#include "plxSummaryBar.h"
#include "plxTaskBar.h"
#include "plxTreeCell.h"
#include "plxTreeGrid.h"
#include "plxTreeNode.h"
#include "plxTreeRow.h"

#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <array>
#include <cmath>
#include <functional>
#include <optional>

namespace {

const QDate kDayZero(1899, 12, 30);
// One minute in days: what tells whole days from sub-day timing.
constexpr double kMinute = 1.0 / 1440.0;
// Longer texts than this in one element are refused: no plan field needs them.
constexpr qsizetype kMaxText = 1 << 16;
// The open end of the weekday exceptions that stand for non-working weekdays.
constexpr TDateTime kWeekdaysFrom = 2.0; // Monday, 1 January 1900
constexpr TDateTime kWeekdaysTo = PLXLimits::kMaxDate;
// The file's weekday numbers (1 = Sunday) as ours (1 = Monday ... 7 = Sunday).
int ourWeekday(int fileDay)
{
    return fileDay == 1 ? 7 : fileDay - 1;
}

TDateTime toDays(const QDateTime &at)
{
    return static_cast<double>(kDayZero.daysTo(at.date())) + at.time().msecsSinceStartOfDay() / 86400000.0;
}

QDateTime fromDays(TDateTime days, QTime time)
{
    return QDateTime(kDayZero.addDays(static_cast<qint64>(std::floor(days))), time);
}

// The unrepresentable kinds met, with how often; logged one line each.
class TLosses
{
public:
    void add(const char *kind, int count = 1) { FCounts[QString::fromLatin1(kind)] += count; }
    void log(const QString &what) const
    {
        for (auto it = FCounts.cbegin(); it != FCounts.cend(); ++it)
            PLXLog(QStringLiteral("%1: %2 (%3)").arg(what, it.key()).arg(it.value()));
    }

private:
    QMap<QString, int> FCounts;
};

// ------------------------------------------------------------------ reading

struct TXmlLink
{
    qint64 predecessor = -1;
    int type = 1;
    qint64 lagTenths = 0;
    int lagFormat = 7;
};

struct TXmlTask
{
    qint64 uid = -1;
    QString name;
    int level = 1;
    bool summary = false;
    bool milestone = false;
    bool isNull = false;
    QDateTime start;
    double durationMinutes = 0;
    int percent = 0;
    QList<TXmlLink> links;
};

struct TXmlException
{
    QString name;
    int type = 1;
    bool working = false;
    QDateTime from;
    QDateTime to;
    int period = 1;
    int daysOfWeek = 0;
    int month = 0;
    int monthDay = 1;
};

struct TXmlCalendar
{
    qint64 uid = -1;
    qint64 baseUid = -1;
    // Indexed by the file's day numbers 1 (Sunday) .. 7; unset days keep the base calendar's.
    std::array<std::optional<bool>, 8> working;
    QTime dayStart;
    QTime dayEnd;
    QList<TXmlException> exceptions;
    int workWeeks = 0;
};

class TPlanReader
{
public:
    explicit TPlanReader(QIODevice &device)
        : xml(&device)
    {
    }

    bool read(QByteArray &ini, QString &error);

private:
    bool fail(const QString &message)
    {
        if (FError.isEmpty())
            FError = message;
        return false;
    }
    QString text();
    qint64 integer() { return text().trimmed().toLongLong(); }
    bool flag() { return integer() != 0; }
    QDateTime dateTime() { return QDateTime::fromString(text().trimmed(), Qt::ISODate); }
    double minutes();
    bool readProject();
    bool readTasks();
    bool readTask();
    bool readCalendar();
    void readWeekDay(TXmlCalendar &calendar);
    void readException(TXmlCalendar &calendar);
    // Counts the children of the current element as `kind` and skips them.
    void countChildren(const char *kind);
    bool check();
    QByteArray toIni();
    void writeCalendar(QByteArray &out);
    TDateTime startOf(const QDateTime &at, bool milestone);

    QXmlStreamReader xml;
    QString FError;
    TLosses losses;
    QList<TXmlTask> tasks;
    QList<TXmlCalendar> calendars;
    qint64 projectCalendar = -1;
    QDateTime projectStart;
    double minutesPerDay = 480;
    QTime dayStart = QTime(8, 0);
    QTime dayEnd = QTime(17, 0);
};

QString TPlanReader::text()
{
    QString value = xml.readElementText(QXmlStreamReader::SkipChildElements);
    if (value.size() > kMaxText) {
        xml.raiseError(QStringLiteral("an element holds more than %1 characters").arg(kMaxText));
        value.clear();
    }
    return value;
}

// ISO durations as the format writes them: PnDTnHnMnS, hours counting working time.
double TPlanReader::minutes()
{
    const QString value = text().trimmed().toUpper();
    double total = 0;
    double number = 0;
    bool negative = false;
    QString digits;
    for (const QChar c : value) {
        if (c.isDigit() || c == QLatin1Char('.')) {
            digits += c;
            continue;
        }
        if (c == QLatin1Char('-'))
            negative = true;
        number = digits.toDouble();
        digits.clear();
        if (c == QLatin1Char('D'))
            total += number * 1440;
        else if (c == QLatin1Char('H'))
            total += number * 60;
        else if (c == QLatin1Char('M'))
            total += number;
        else if (c == QLatin1Char('S'))
            total += number / 60;
    }
    return negative ? -total : total;
}

bool TPlanReader::read(QByteArray &ini, QString &error)
{
    // A DTD could declare entities; it is refused before anything is expanded.
    bool project = false;
    while (!xml.atEnd() && FError.isEmpty()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::DTD)
            fail(QStringLiteral("the file declares a DTD or entities, which are not read"));
        else if (token == QXmlStreamReader::StartElement && (project || xml.name() != QLatin1String("Project")))
            fail(QStringLiteral("the file holds no project plan"));
        else if (token == QXmlStreamReader::StartElement)
            project = readProject();
    }
    if (FError.isEmpty() && xml.hasError())
        fail(QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString()));
    if (FError.isEmpty() && !project)
        fail(QStringLiteral("the file holds no project plan"));
    if (FError.isEmpty())
        check();
    if (!FError.isEmpty()) {
        error = FError;
        return false;
    }
    ini = toIni();
    losses.log(QStringLiteral("Not imported"));
    return true;
}

bool TPlanReader::readProject()
{
    while (xml.readNextStartElement() && FError.isEmpty()) {
        const QStringView name = xml.name();
        if (name == QLatin1String("Tasks"))
            readTasks();
        else if (name == QLatin1String("Calendars")) {
            while (xml.readNextStartElement() && FError.isEmpty())
                if (xml.name() == QLatin1String("Calendar"))
                    readCalendar();
                else
                    xml.skipCurrentElement();
        } else if (name == QLatin1String("CalendarUID"))
            projectCalendar = integer();
        else if (name == QLatin1String("StartDate"))
            projectStart = dateTime();
        else if (name == QLatin1String("MinutesPerDay")) {
            const qint64 value = integer();
            if (value > 0 && value <= 1440)
                minutesPerDay = static_cast<double>(value);
        } else if (name == QLatin1String("Resources"))
            countChildren("resources");
        else if (name == QLatin1String("Assignments"))
            countChildren("resource assignments");
        else
            xml.skipCurrentElement();
    }
    return FError.isEmpty() && !xml.hasError();
}

void TPlanReader::countChildren(const char *kind)
{
    int count = 0;
    while (xml.readNextStartElement()) {
        ++count;
        xml.skipCurrentElement();
    }
    if (count > 0)
        losses.add(kind, count);
}

bool TPlanReader::readTasks()
{
    while (xml.readNextStartElement() && FError.isEmpty()) {
        if (xml.name() != QLatin1String("Task")) {
            xml.skipCurrentElement();
            continue;
        }
        if (tasks.size() >= TPLXProjectXml::kMaxTasks)
            return fail(QStringLiteral("the plan has more than %1 tasks").arg(TPLXProjectXml::kMaxTasks));
        readTask();
    }
    return FError.isEmpty();
}

bool TPlanReader::readTask()
{
    TXmlTask task;
    const qint64 line = xml.lineNumber();
    bool hasUid = false;
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (name == QLatin1String("UID")) {
            bool ok = false;
            task.uid = text().trimmed().toLongLong(&ok);
            hasUid = ok && task.uid >= 0;
        } else if (name == QLatin1String("Name"))
            task.name = text();
        else if (name == QLatin1String("OutlineLevel"))
            task.level = static_cast<int>(std::clamp<qint64>(integer(), 0, 1 << 20));
        else if (name == QLatin1String("Summary"))
            task.summary = flag();
        else if (name == QLatin1String("Milestone"))
            task.milestone = flag();
        else if (name == QLatin1String("IsNull"))
            task.isNull = flag();
        else if (name == QLatin1String("Start"))
            task.start = dateTime();
        else if (name == QLatin1String("Duration"))
            task.durationMinutes = minutes();
        else if (name == QLatin1String("PercentComplete"))
            task.percent = static_cast<int>(std::clamp<qint64>(integer(), 0, 100));
        else if (name == QLatin1String("ConstraintType")) {
            if (integer() != 0)
                losses.add("date constraints");
        } else if (name == QLatin1String("PredecessorLink")) {
            TXmlLink link;
            while (xml.readNextStartElement()) {
                const QStringView field = xml.name();
                if (field == QLatin1String("PredecessorUID"))
                    link.predecessor = integer();
                else if (field == QLatin1String("Type"))
                    link.type = static_cast<int>(integer());
                else if (field == QLatin1String("LinkLag"))
                    link.lagTenths = integer();
                else if (field == QLatin1String("LagFormat"))
                    link.lagFormat = static_cast<int>(integer());
                else
                    xml.skipCurrentElement();
            }
            task.links.append(link);
        } else
            xml.skipCurrentElement();
    }
    if (xml.hasError())
        return false;
    if (!hasUid)
        return fail(QStringLiteral("line %1: a task has no UID").arg(line));
    // The project's own summary (level 0) is the document itself.
    if (task.level > 0)
        tasks.append(std::move(task));
    return true;
}

bool TPlanReader::readCalendar()
{
    TXmlCalendar calendar;
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (name == QLatin1String("UID"))
            calendar.uid = integer();
        else if (name == QLatin1String("BaseCalendarUID"))
            calendar.baseUid = integer();
        else if (name == QLatin1String("WeekDays")) {
            while (xml.readNextStartElement())
                if (xml.name() == QLatin1String("WeekDay"))
                    readWeekDay(calendar);
                else
                    xml.skipCurrentElement();
        } else if (name == QLatin1String("Exceptions")) {
            while (xml.readNextStartElement())
                if (xml.name() == QLatin1String("Exception"))
                    readException(calendar);
                else
                    xml.skipCurrentElement();
        } else if (name == QLatin1String("WorkWeeks")) {
            while (xml.readNextStartElement()) {
                ++calendar.workWeeks;
                xml.skipCurrentElement();
            }
        } else
            xml.skipCurrentElement();
    }
    calendars.append(std::move(calendar));
    return !xml.hasError();
}

void TPlanReader::readWeekDay(TXmlCalendar &calendar)
{
    int day = -1;
    bool working = false;
    TXmlException dated;
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (name == QLatin1String("DayType"))
            day = static_cast<int>(integer());
        else if (name == QLatin1String("DayWorking"))
            working = flag();
        else if (name == QLatin1String("TimePeriod")) {
            while (xml.readNextStartElement())
                if (xml.name() == QLatin1String("FromDate"))
                    dated.from = dateTime();
                else if (xml.name() == QLatin1String("ToDate"))
                    dated.to = dateTime();
                else
                    xml.skipCurrentElement();
        } else if (name == QLatin1String("WorkingTimes")) {
            while (xml.readNextStartElement()) {
                if (xml.name() != QLatin1String("WorkingTime")) {
                    xml.skipCurrentElement();
                    continue;
                }
                while (xml.readNextStartElement()) {
                    const QTime time = QTime::fromString(text().trimmed(), Qt::ISODate);
                    if (xml.name() == QLatin1String("FromTime") && time.isValid() &&
                        (!calendar.dayStart.isValid() || time < calendar.dayStart))
                        calendar.dayStart = time;
                    else if (xml.name() == QLatin1String("ToTime") && time.isValid() &&
                             (!calendar.dayEnd.isValid() || time > calendar.dayEnd))
                        calendar.dayEnd = time;
                }
            }
        } else
            xml.skipCurrentElement();
    }
    if (day >= 1 && day <= 7) {
        calendar.working[static_cast<size_t>(day)] = working;
    } else if (day == 0) {
        // The older files' dated exceptions are week days of type 0.
        dated.working = working;
        calendar.exceptions.append(dated);
    }
}

void TPlanReader::readException(TXmlCalendar &calendar)
{
    TXmlException exception;
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (name == QLatin1String("TimePeriod")) {
            while (xml.readNextStartElement())
                if (xml.name() == QLatin1String("FromDate"))
                    exception.from = dateTime();
                else if (xml.name() == QLatin1String("ToDate"))
                    exception.to = dateTime();
                else
                    xml.skipCurrentElement();
        } else if (name == QLatin1String("Name"))
            exception.name = text();
        else if (name == QLatin1String("Type"))
            exception.type = static_cast<int>(integer());
        else if (name == QLatin1String("Period"))
            exception.period = static_cast<int>(std::clamp<qint64>(integer(), 1, 65535));
        else if (name == QLatin1String("DaysOfWeek"))
            exception.daysOfWeek = static_cast<int>(integer());
        else if (name == QLatin1String("Month"))
            exception.month = static_cast<int>(integer());
        else if (name == QLatin1String("MonthDay"))
            exception.monthDay = static_cast<int>(integer());
        else if (name == QLatin1String("DayWorking"))
            exception.working = flag();
        else
            xml.skipCurrentElement();
    }
    calendar.exceptions.append(exception);
}

bool TPlanReader::check()
{
    QHash<qint64, int> index;
    index.reserve(tasks.size());
    int previousLevel = 0;
    for (int i = 0; i < tasks.size(); ++i) {
        const TXmlTask &task = tasks[i];
        if (index.contains(task.uid))
            return fail(QStringLiteral("two tasks have the UID %1").arg(task.uid));
        index.insert(task.uid, i);
        if (task.level > previousLevel + 1)
            return fail(QStringLiteral("task %1 is at outline level %2 below a task at level %3")
                            .arg(task.uid)
                            .arg(task.level)
                            .arg(previousLevel));
        previousLevel = task.level;
    }
    for (const TXmlTask &task : std::as_const(tasks))
        for (const TXmlLink &link : task.links)
            if (!index.contains(link.predecessor))
                return fail(QStringLiteral("task %1 follows the missing task %2").arg(task.uid).arg(link.predecessor));
    return true;
}

// Midnight of the day `at` falls on; the end of the working day counts as the
// next day's start, and other times within the day are rounded off and counted.
TDateTime TPlanReader::startOf(const QDateTime &at, bool milestone)
{
    if (!at.isValid())
        return std::floor(toDays(projectStart.isValid() ? projectStart : QDateTime(QDate(2000, 1, 3), QTime())));
    const TDateTime day = std::floor(toDays(at));
    const QTime time = at.time();
    if (time == QTime(0, 0) || time == dayStart)
        return day;
    if (time >= dayEnd)
        return day + 1;
    if (!milestone)
        losses.add("sub-day start times");
    return time.msecsSinceStartOfDay() * 2 >= dayStart.msecsSinceStartOfDay() + dayEnd.msecsSinceStartOfDay() ? day + 1
                                                                                                              : day;
}

// A name as one line of the document text that reads back as itself: blanks
// run together, and an outer pair of quotes, which the store takes as quoting, escaped.
QString storedText(const QString &text)
{
    QString value = text.simplified();
    if (value.size() >= 2 && value.front() == QLatin1Char('"') && value.back() == QLatin1Char('"'))
        value =
            QLatin1Char('"') +
            value.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\"")) +
            QLatin1Char('"');
    return value;
}

// Line builders for the document text.
void line(QByteArray &out, const char *key, const QString &value)
{
    out += key;
    out += '=';
    out += value.toUtf8();
    out += '\n';
}

void line(QByteArray &out, const char *key, double value)
{
    out += key;
    out += '=';
    out += QByteArray::number(value, 'g', 12);
    out += '\n';
}

void section(QByteArray &out, const QString &name, const char *type)
{
    out += "\n[";
    out += name.toUtf8();
    out += "]\ntypeID=";
    out += type;
    out += '\n';
}

void array(QByteArray &out, const char *key, const QStringList &items)
{
    out += key;
    out += "#count=" + QByteArray::number(items.size()) + '\n';
    for (qsizetype i = 0; i < items.size(); ++i)
        out += key + ('#' + QByteArray::number(i)) + '=' + items[i].toUtf8() + '\n';
}

// The day of the occurrence in the period from `start`, as the calendar places it.
TDateTime occurrence(TPLXTimeMode mode, TDateTime start, int day)
{
    const bool leapShift = mode == tmYear && PLXIsLeapYear(PLXDecodeDate(start).year) && day > 60;
    return start + (day == 0 ? 0 : leapShift ? day : day - 1);
}

TDateTime nextPeriod(TPLXTimeMode mode, TDateTime start)
{
    return mode == tmWeek ? start + 7 : PLXAddMonths(start, mode == tmMonth ? 1 : 12);
}

// A whole-day window on `dayFrom` in every `period`-th week, month or year
// (or day) from the day `from` up to the day before `to`. Loading cuts the
// range to period starts; it is cut here first so that exactly the file's
// occurrences stay: a period whose occurrence lies outside the file's range
// is left out, a period the file's range covers whole is kept. A range left
// without a period writes nothing and returns false: it has no occurrence.
bool recurring(QByteArray &out, const QString &name, const QString &title, TPLXTimeMode mode, int period, int dayFrom,
               TDateTime from, TDateTime to)
{
    if (mode != tmDay) {
        const TDateTime first = StartOfPeriod(from, mode);
        from = occurrence(mode, first, dayFrom) >= from ? first : nextPeriod(mode, first);
        const TDateTime last = StartOfPeriod(to - 1, mode);
        const TDateTime after = nextPeriod(mode, last);
        to = after == to || occurrence(mode, last, dayFrom) < to ? after : last;
        if (to <= from)
            return false;
    }
    section(out, name, "Recurring Date Exception");
    line(out, "Name", title);
    line(out, "DateFrom", from);
    line(out, "DateTo", to);
    line(out, "RecurringTimeMode", static_cast<double>(mode));
    line(out, "RecurringPeriod", static_cast<double>(period));
    line(out, "DayFrom", static_cast<double>(dayFrom));
    line(out, "DayTo", static_cast<double>(dayFrom + 1));
    line(out, "HourFrom", 0.0);
    line(out, "HourTo", 0.0);
    return true;
}

void TPlanReader::writeCalendar(QByteArray &out)
{
    const TXmlCalendar *project = nullptr;
    for (const TXmlCalendar &calendar : std::as_const(calendars))
        if (calendar.uid == projectCalendar || (projectCalendar < 0 && !project))
            project = &calendar;
    const TXmlCalendar *base = nullptr;
    for (const TXmlCalendar &calendar : std::as_const(calendars))
        if (project && calendar.uid == project->baseUid && &calendar != project)
            base = &calendar;
    for (const TXmlCalendar &calendar : std::as_const(calendars))
        if (&calendar != project && &calendar != base)
            losses.add("resource or task calendars");

    std::array<bool, 8> working{false, false, true, true, true, true, true, false};
    QList<TXmlException> exceptions;
    for (const TXmlCalendar *calendar : {base, project}) {
        if (!calendar)
            continue;
        for (int day = 1; day <= 7; ++day)
            if (calendar->working[static_cast<size_t>(day)])
                working[static_cast<size_t>(day)] = *calendar->working[static_cast<size_t>(day)];
        exceptions += calendar->exceptions;
        if (calendar->workWeeks > 0)
            losses.add("work weeks", calendar->workWeeks);
        if (calendar->dayStart.isValid())
            dayStart = calendar->dayStart;
        if (calendar->dayEnd.isValid())
            dayEnd = calendar->dayEnd;
    }

    QStringList categories;
    const bool weekends =
        !working[1] && !working[7] && working[2] && working[3] && working[4] && working[5] && working[6];
    if (weekends)
        categories << QStringLiteral("Weekends");
    QByteArray dates;
    QStringList weekdayNames;
    if (!weekends)
        for (int day = 1; day <= 7; ++day)
            if (!working[static_cast<size_t>(day)]) {
                const QString name = QStringLiteral("Non-working Weekday %1").arg(day);
                weekdayNames << name;
                recurring(dates, name, QStringLiteral("Non-working weekday"), tmWeek, 1, ourWeekday(day),
                          kWeekdaysFrom, kWeekdaysTo);
            }
    if (!weekdayNames.isEmpty()) {
        categories << QStringLiteral("Weekdays");
        section(dates, QStringLiteral("Weekdays"), "Date Category");
        line(dates, "Name", QStringLiteral("Non-working weekdays"));
        line(dates, "Color", QStringLiteral("$027FFFFF"));
        array(dates, "exceptions", weekdayNames);
    }

    QStringList names;
    for (const TXmlException &e : std::as_const(exceptions)) {
        if (!e.from.isValid() || !e.to.isValid() || e.to < e.from) {
            losses.add("calendar exceptions without dates");
            continue;
        }
        if (e.working) {
            losses.add("working-time calendar exceptions");
            continue;
        }
        const TDateTime from = std::floor(toDays(e.from));
        const TDateTime to = std::floor(toDays(e.to)) + 1;
        // Numbered per section written: a weekly exception of several days writes one per day.
        const QString name = QStringLiteral("Exception %1").arg(names.size() + 1);
        const QString title = storedText(e.name);
        const bool dayOfMonth = e.monthDay >= 1 && e.monthDay <= 31 && e.month >= 0 && e.month <= 11;
        if (!dayOfMonth && (e.type == 2 || e.type == 4)) {
            losses.add("calendar exceptions on days that do not exist");
            continue;
        }
        switch (e.type) {
        case 1:
            if (e.period <= 1) {
                section(dates, name, "Fixed Date Exception");
                line(dates, "Name", title);
                line(dates, "DateFrom", from);
                line(dates, "DateTo", to);
                names << name;
            } else if (recurring(dates, name, title, tmDay, e.period, 0, from, to)) {
                names << name;
            }
            break;
        case 6:
            for (int day = 1; day <= 7; ++day)
                if (e.daysOfWeek & (1 << (day - 1))) {
                    const QString each = QStringLiteral("Exception %1").arg(names.size() + 1);
                    if (recurring(dates, each, title, tmWeek, e.period, ourWeekday(day), from, to))
                        names << each;
                }
            break;
        case 4:
            if (recurring(dates, name, title, tmMonth, e.period, e.monthDay, from, to))
                names << name;
            break;
        case 2:
            if (recurring(dates, name, title, tmYear, e.period,
                          DayMonthInYear(static_cast<quint16>(e.monthDay), static_cast<quint16>(e.month + 1)), from,
                          to))
                names << name;
            break;
        default:
            losses.add("calendar exceptions by weekday position or count");
            break;
        }
    }
    if (!names.isEmpty()) {
        categories << QStringLiteral("Exceptions");
        section(dates, QStringLiteral("Exceptions"), "Date Category");
        line(dates, "Name", QStringLiteral("Calendar exceptions"));
        line(dates, "Color", QStringLiteral("$023434FF"));
        array(dates, "exceptions", names);
    }
    section(out, QStringLiteral("Plan Calendar"), "Document Calendar");
    array(out, "categories", categories);
    if (weekends) {
        section(out, QStringLiteral("Weekends"), "Predefined Date Category");
        line(out, "Color", QStringLiteral("$027FFFFF"));
    }
    out += dates;
}

QByteArray TPlanReader::toIni()
{
    QByteArray out;
    out.reserve(tasks.size() * 900 + 4096);
    QByteArray calendar;
    writeCalendar(calendar);

    // Children follow their parent: a task is a group when the next one is deeper.
    // Sections are numbered by position, so an exported plan (whose UIDs are
    // positions) comes back under the same names.
    QList<QString> rows;
    QHash<qint64, QString> barOf;
    QList<QStringList> children(tasks.size() + 1);
    QList<int> parents{-1};
    for (int i = 0; i < tasks.size(); ++i) {
        const TXmlTask &task = tasks[i];
        parents.resize(task.level);
        children[parents.last() + 1] << QStringLiteral("Node %1").arg(i + 1);
        parents.append(i);
        rows << QStringLiteral("Row %1").arg(i + 1);
    }
    QStringList links;
    QByteArray linkText;
    for (int i = 0; i < tasks.size(); ++i) {
        const TXmlTask &task = tasks[i];
        const bool group = task.summary || !children[i + 1].isEmpty();
        const QString row = rows[i];
        const QString bar = (group            ? QStringLiteral("Summary %1")
                             : task.milestone ? QStringLiteral("Milestone %1")
                                              : QStringLiteral("Task %1"))
                                .arg(i + 1);
        section(out, row, "Gantt Row");
        out += "height=25\n";
        if (task.isNull) {
            array(out, "bars", {});
            continue;
        }
        array(out, "bars", {bar});
        const TDateTime start = startOf(task.start, task.milestone);
        if (group) {
            section(out, bar, "Summary Bar");
        } else if (task.milestone) {
            section(out, bar, "Milestone Bar");
            line(out, "start date", start);
            line(out, "end date", start);
            barOf.insert(task.uid, bar);
        } else {
            const double days = task.durationMinutes / minutesPerDay;
            const double whole = std::max(0.0, std::nearbyint(days));
            if (std::abs(days - whole) * minutesPerDay >= 1)
                losses.add(days < 0 ? "negative durations" : "sub-day durations");
            section(out, bar, "Task Bar");
            line(out, "start date", start);
            line(out, "effective duration", whole);
            line(out, "progress", static_cast<double>(task.percent));
            barOf.insert(task.uid, bar);
        }
    }
    for (const TXmlTask &task : std::as_const(tasks)) {
        for (const TXmlLink &link : task.links) {
            const QString from = barOf.value(link.predecessor);
            const QString to = barOf.value(task.uid);
            if (from.isEmpty() || to.isEmpty()) {
                losses.add("links on summary or empty tasks");
                continue;
            }
            if (link.type < 0 || link.type > 3) {
                losses.add("links of an unknown type");
                continue;
            }
            // Formats 4, 6, 8, 10, 12 and 20 (and their estimated forms) count elapsed time.
            const int format = link.lagFormat >= 35 ? link.lagFormat - 32 : link.lagFormat;
            if (format == 19 || format == 20) {
                losses.add("percentage lags");
                continue;
            }
            if (format % 2 == 0 && format >= 4 && format <= 12)
                losses.add("elapsed-time lags, taken as working time");
            const double days = static_cast<double>(link.lagTenths) / (minutesPerDay * 10);
            double whole = std::nearbyint(days);
            if (whole < 0) {
                losses.add("negative lags, taken as 0");
                whole = 0;
            } else if (std::abs(days - whole) * minutesPerDay >= 1) {
                losses.add("sub-day lags");
            }
            const QString name = QStringLiteral("Link %1").arg(links.size() + 1);
            links << name;
            section(linkText, name, "Bar Connection");
            line(linkText, "from", from);
            line(linkText, "to", to);
            line(linkText, "type", static_cast<double>(link.type));
            line(linkText, "distance", whole);
            line(linkText, "distanceFixed", 0.0);
            line(linkText, "distnaceDaysWorking", 1.0);
        }
    }

    QByteArray head;
    section(head, QStringLiteral("root"), "Document");
    TDateTime start = projectStart.isValid() ? std::floor(toDays(projectStart)) : startOf(QDateTime(), false);
    line(head, "startDate", start);
    // The settings records of the built-in document, so that bars look as the planner draws new ones.
    head += "table=Plan Table\ncalendar=Plan Calendar\ntree=Plan Tree\ntask bar settings=Plan Task Bars\n"
            "connection settings=Plan Connections\nimage bar settings=Plan Image Bars\n"
            "progress bar settings=Plan Progress Bars\ntext bar settings=Plan Text Bars\n"
            "textual halo settings=Plan Text Halo\nhint text settings=Plan Hint Text\nlegend=Plan Legend\n";
    array(head, "time scales", {QStringLiteral("Week Scale"), QStringLiteral("Day Scale")});
    array(head, "connections", links);
    head += "\n[Week Scale]\ntypeID=Time Scale\nrelative time mode=1\n"
            "\n[Day Scale]\ntypeID=Time Scale\ngrid=Plan Table\n";
    head += "\n[Plan Task Bars]\ntypeID=Task Bar Settings\n\n[Plan Connections]\ntypeID=Connection Settings\n"
            "\n[Plan Image Bars]\ntypeID=Image Bar Settings\n\n[Plan Progress Bars]\ntypeID=Progress Bar Settings\n"
            "\n[Plan Text Bars]\ntypeID=Text Settings\n\n[Plan Text Halo]\ntypeID=Textual Halo Settings\n"
            "\n[Plan Hint Text]\ntypeID=Text Settings\n\n[Plan Legend]\ntypeID=Legend\n"
            "\n[Plan Pert Boxes]\ntypeID=Pert Bar Settings\n";
    section(head, QStringLiteral("Plan Table"), "Gantt Table");
    head += "default pert settings=Plan Pert Boxes\n";
    array(head, "rows", rows);
    head += "\n[Plan Tree]\ntypeID=Tree Grid\nwidth=400\nheader=Plan Tree Header\nroot node=Plan Tree Root\n"
            "vertical pane=Plan Vertical Pane\ndefault row settings=Plan Tree Row Settings\n"
            "default col settings=Plan Tree Column Settings\n"
            "\n[Plan Vertical Pane]\ntypeID=Vertical resize pane\n"
            "\n[Plan Tree Row Settings]\ntypeID=Tree Row Settings\n"
            "\n[Plan Tree Column Settings]\ntypeID=Tree Column Settings\n"
            "\n[Plan Tree Header]\ntypeID=Tree Header\nheight=22\ncells#count=3\ncells#0=Name Column\n"
            "cells#1=Start Column\ncells#2=Finish Column\n"
            "\n[Name Column]\ntypeID=Tree Header Cell\ntitle=Task\nsettings=Name Column Settings\ndataType=Name Type\n"
            "\n[Name Column Settings]\ntypeID=Tree Column Settings\nwidth=200\n"
            "\n[Name Type]\ntypeID=Simple Text Type\n"
            "\n[Start Column]\ntypeID=Tree Header Cell\ntitle=Start\nsettings=Start Column Settings\n"
            "dataType=Start Type\n"
            "\n[Start Column Settings]\ntypeID=Tree Column Settings\nwidth=90\n"
            "\n[Start Type]\ntypeID=Tree AutoCellType.StartDate\n"
            "\n[Finish Column]\ntypeID=Tree Header Cell\ntitle=Finish\nsettings=Finish Column Settings\n"
            "dataType=Finish Type\n"
            "\n[Finish Column Settings]\ntypeID=Tree Column Settings\nwidth=90\n"
            "\n[Finish Type]\ntypeID=Tree AutoCellType.EndDate\n";
    section(head, QStringLiteral("Plan Tree Root"), "Tree Node");
    head += "row=empty\n";
    array(head, "children", children[0]);
    for (int i = 0; i < tasks.size(); ++i) {
        const int uid = i + 1;
        const QString treeRow = QStringLiteral("Tree Row %1").arg(uid);
        section(out, QStringLiteral("Node %1").arg(uid), "Tree Node");
        line(out, "row", treeRow);
        if (!children[i + 1].isEmpty())
            array(out, "children", children[i + 1]);
        section(out, treeRow, "Tree Row");
        out += "settings=Plan Tree Row Settings\ncells#count=3\n";
        out += "cells#0=" + treeRow.toUtf8() + " Name\ncells#1=" + treeRow.toUtf8() +
               " Start\ncells#2=" + treeRow.toUtf8() + " Finish\n";
        section(out, treeRow + QStringLiteral(" Name"), "Tree Simple Text Cell");
        out += "rowSettings=Plan Tree Row Settings\ncolSettings=Name Column Settings\ndataType=Name Type\n";
        line(out, "text", storedText(tasks[i].name));
        section(out, treeRow + QStringLiteral(" Start"), "Tree Auto Cell");
        out += "rowSettings=Plan Tree Row Settings\ncolSettings=Start Column Settings\ndataType=Start Type\n";
        section(out, treeRow + QStringLiteral(" Finish"), "Tree Auto Cell");
        out += "rowSettings=Plan Tree Row Settings\ncolSettings=Finish Column Settings\ndataType=Finish Type\n";
    }
    return head + calendar + out + linkText;
}

// ------------------------------------------------------------------ writing

class TPlanWriter
{
public:
    TPlanWriter(TPLXGanttDocument &document, QIODevice &device)
        : document(document)
        , xml(&device)
    {
    }
    void write();

private:
    void element(const char *name, const QString &value) { xml.writeTextElement(QLatin1String(name), value); }
    void element(const char *name, qint64 value) { element(name, QString::number(value)); }
    QString at(TDateTime day, QTime time) const { return fromDays(day, time).toString(Qt::ISODate); }
    QString duration(double days) const
    {
        return QStringLiteral("PT%1H0M0S").arg(static_cast<qint64>(std::lrint(days * 8)));
    }
    void writeCalendar();
    // One non-working exception; `recurrence` writes the fields of its kind of recurrence.
    void writeException(const QString &name, int type, TDateTime from, TDateTime to, int period,
                        const std::function<void()> &recurrence);
    void writeTasks();
    QString rowName(TPLXTreeRow *row) const;

    TPLXGanttDocument &document;
    QXmlStreamWriter xml;
    TLosses losses;
    IPLXCalendar *calendar = nullptr;
    // The document's working days, ours 1 = Monday ... 7 = Sunday.
    std::array<bool, 8> working{false, true, true, true, true, true, true, true};
    QList<IPLXDateException *> dated;
};

void TPlanWriter::write()
{
    calendar = document.getCalendar();
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("Project"));
    xml.writeDefaultNamespace(QStringLiteral("http://schemas.microsoft.com/project"));
    element("SaveVersion", 14);
    element("ScheduleFromStart", 1);
    element("StartDate", at(document.getStartDate(), QTime(8, 0)));
    element("CalendarUID", 1);
    element("DefaultStartTime", QStringLiteral("08:00:00"));
    element("DefaultFinishTime", QStringLiteral("17:00:00"));
    element("MinutesPerDay", 480);
    element("MinutesPerWeek", 2400);
    element("DaysPerMonth", 20);
    writeCalendar();
    writeTasks();
    xml.writeEndElement();
    xml.writeEndDocument();
    losses.log(QStringLiteral("Not exported"));
}

void TPlanWriter::writeCalendar()
{
    auto *ours = dynamic_cast<TPLXDocumentCalendar *>(calendar);
    for (int c = 0; ours && c < ours->getCategoriesCount(); ++c) {
        IPLXDateCategory *category = ours->getDateCategory(c);
        for (int d = 0; category && d < category->getDatesCount(); ++d) {
            IPLXDateException *date = category->getDateByIndex(d);
            if (category->getWorking()) {
                losses.add("working-time calendar categories");
                continue;
            }
            // A whole weekday in every week of all time (loading ends the range
            // on a whole week) is a non-working weekday.
            auto *weekly = dynamic_cast<TPLXRecurringDateException *>(date);
            if (dynamic_cast<TPLXSaturday *>(date)) {
                working[6] = false;
            } else if (dynamic_cast<TPLXSunday *>(date)) {
                working[7] = false;
            } else if (dynamic_cast<TPLXWeekend *>(date)) {
                working[6] = working[7] = false;
            } else if (weekly && weekly->getRecurringTimeMode() == tmWeek && weekly->getRecurringPeriod() == 1 &&
                       weekly->getDateFrom() <= kWeekdaysFrom && weekly->getDateTo() >= kWeekdaysTo - 7 &&
                       weekly->getDayTo() == weekly->getDayFrom() + 1 && weekly->getDayFrom() >= 1 &&
                       weekly->getDayFrom() <= 7 && weekly->getHourFrom() == 0 && weekly->getHourTo() == 0) {
                working[static_cast<size_t>(weekly->getDayFrom())] = false;
            } else {
                dated.append(date);
            }
        }
    }
    xml.writeStartElement(QStringLiteral("Calendars"));
    xml.writeStartElement(QStringLiteral("Calendar"));
    element("UID", 1);
    element("Name", QStringLiteral("Standard"));
    element("IsBaseCalendar", 1);
    element("BaseCalendarUID", -1);
    xml.writeStartElement(QStringLiteral("WeekDays"));
    for (int fileDay = 1; fileDay <= 7; ++fileDay) {
        const bool isWorking = working[static_cast<size_t>(ourWeekday(fileDay))];
        xml.writeStartElement(QStringLiteral("WeekDay"));
        element("DayType", fileDay);
        element("DayWorking", isWorking ? 1 : 0);
        if (isWorking) {
            xml.writeStartElement(QStringLiteral("WorkingTimes"));
            for (const auto &[from, to] : {std::pair("08:00:00", "12:00:00"), std::pair("13:00:00", "17:00:00")}) {
                xml.writeStartElement(QStringLiteral("WorkingTime"));
                element("FromTime", QString::fromLatin1(from));
                element("ToTime", QString::fromLatin1(to));
                xml.writeEndElement();
            }
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("Exceptions"));
    for (IPLXDateException *date : std::as_const(dated)) {
        auto *fixed = dynamic_cast<TPLXFixedDateException *>(date);
        auto *recurring = dynamic_cast<TPLXRecurringDateException *>(date);
        if (!fixed) {
            losses.add("calendar exceptions of the application's own kinds");
            continue;
        }
        const TDateTime from = fixed->getDateFrom();
        const TDateTime to = fixed->getDateTo();
        if (std::abs(from - std::floor(from)) > kMinute || std::abs(to - std::floor(to)) > kMinute ||
            (recurring && (recurring->getHourFrom() != 0 || recurring->getHourTo() != 0 ||
                           recurring->getDayTo() != recurring->getDayFrom() + 1))) {
            losses.add("calendar exceptions of part days or several days");
            continue;
        }
        const QString name = date->getName();
        if (!recurring) {
            writeException(name, 1, from, to, 1, {});
            continue;
        }
        const int period = recurring->getRecurringPeriod();
        const int day = recurring->getDayFrom();
        switch (recurring->getRecurringTimeMode()) {
        case tmDay:
            writeException(name, 1, from, to, period, {});
            break;
        case tmWeek:
            if (day >= 1 && day <= 7)
                writeException(name, 6, from, to, period, [&] { element("DaysOfWeek", 1 << (day % 7)); });
            else
                losses.add("calendar exceptions of part days or several days");
            break;
        case tmMonth:
            writeException(name, 4, from, to, period, [&] { element("MonthDay", day); });
            break;
        case tmYear: {
            // Common-year day numbers as month and day.
            const QDate inYear = QDate(2001, 1, 1).addDays(day - 1);
            writeException(name, 2, from, to, period, [&] {
                element("Month", inYear.month() - 1);
                element("MonthDay", inYear.day());
            });
            break;
        }
        default:
            losses.add("calendar exceptions recurring by hour, quarter or decade");
            break;
        }
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
}

void TPlanWriter::writeException(const QString &name, int type, TDateTime from, TDateTime to, int period,
                                 const std::function<void()> &recurrence)
{
    xml.writeStartElement(QStringLiteral("Exception"));
    element("EnteredByOccurrences", 0);
    xml.writeStartElement(QStringLiteral("TimePeriod"));
    element("FromDate", at(from, QTime(0, 0)));
    element("ToDate", at(std::nearbyint(to) - 1, QTime(23, 59)));
    xml.writeEndElement();
    element("Name", name);
    element("Type", type);
    element("Period", period);
    if (recurrence)
        recurrence();
    element("DayWorking", 0);
    xml.writeEndElement();
}

QString TPlanWriter::rowName(TPLXTreeRow *row) const
{
    for (int i = 0; row && i < row->cellsCount(); ++i)
        if (auto *cell = dynamic_cast<TPLXTreeSimpleTextCell *>(row->getCell(i)))
            return cell->GetText();
    return QString();
}

void TPlanWriter::writeTasks()
{
    TPLXGanttTable *table = document.GetTable();
    TPLXTreeGrid *tree = document.GetTree();
    const int rowCount = table ? static_cast<int>(table->rows().size()) : 0;
    // Levels and names in table order, from one pre-order walk of the task tree.
    QList<int> levels(rowCount, 1);
    QList<TPLXTreeRow *> treeRows(rowCount, nullptr);
    if (TPLXTreeNode *root = tree ? tree->getRootNode() : nullptr) {
        QList<std::pair<TPLXTreeNode *, int>> stack{{root, 0}};
        while (!stack.isEmpty()) {
            const auto [node, depth] = stack.takeLast();
            if (TPLXTreeRow *row = node->row(); row && row->getIndex() >= 0 && row->getIndex() < rowCount) {
                levels[row->getIndex()] = std::max(1, depth);
                treeRows[row->getIndex()] = row;
            }
            for (qsizetype i = node->children().size() - 1; i >= 0; --i)
                stack.append({node->children()[i], depth + 1});
        }
    }
    // The first bar a row shows decides the task's kind; further bars are not written.
    QHash<TPLXGanttBar *, int> uidOf;
    QList<TPLXGanttBar *> shown(rowCount, nullptr);
    for (int i = 0; i < rowCount; ++i) {
        const QList<TPLXGanttBar *> &bars = table->rows()[i]->bars();
        for (TPLXGanttBar *bar : bars)
            if (dynamic_cast<TPLXSummaryBar *>(bar) || dynamic_cast<TPLXMilestoneBar *>(bar) || bar->asTaskBar()) {
                if (shown[i])
                    losses.add("bars beyond the first of a row");
                else
                    shown[i] = bar;
            } else {
                losses.add("bars of kinds without a task");
            }
        if (shown[i])
            uidOf.insert(shown[i], i + 1);
    }
    QList<QList<TPLXBarConnection *>> incoming(rowCount);
    for (int c = 0; c < document.countConnections(); ++c) {
        TPLXBarConnection *connection = document.getConnection(c);
        const int from = uidOf.value(connection->getFromBar(), 0);
        const int to = uidOf.value(connection->getToBar(), 0);
        if (from > 0 && to > 0)
            incoming[to - 1].append(connection);
        else
            losses.add("links between bars that are not tasks");
    }

    xml.writeStartElement(QStringLiteral("Tasks"));
    for (int i = 0; i < rowCount; ++i) {
        TPLXGanttBar *bar = shown[i];
        xml.writeStartElement(QStringLiteral("Task"));
        element("UID", i + 1);
        element("ID", i + 1);
        element("Name", rowName(treeRows[i]));
        if (!bar) {
            element("IsNull", 1);
            element("OutlineLevel", levels[i]);
            xml.writeEndElement();
            continue;
        }
        element("OutlineLevel", levels[i]);
        const bool milestone = dynamic_cast<TPLXMilestoneBar *>(bar) != nullptr;
        const bool summary = dynamic_cast<TPLXSummaryBar *>(bar) != nullptr;
        const TDateTime start = bar->getStartDate();
        const TDateTime end = bar->getEndDate();
        if (std::abs(start - std::floor(start)) > kMinute)
            losses.add("sub-day start times");
        // A task's own working-time duration; a summary's spans its children.
        const double span = milestone          ? 0.0
                            : bar->asTaskBar() ? bar->asTaskBar()->getEffectiveDuration()
                                               : calendar->diffEffective(start, end);
        const double days = std::max(0.0, std::nearbyint(span));
        if (std::abs(span - days) * 480 >= 1)
            losses.add("sub-day durations");
        // The finish is the end of the last working day the task takes.
        const TDateTime lastDay = days > 0 ? std::floor(calendar->substrEffective(end, 1)) : std::floor(start);
        element("Start", at(std::floor(start), QTime(8, 0)));
        element("Finish", at(lastDay, milestone ? QTime(8, 0) : QTime(17, 0)));
        element("Duration", duration(days));
        element("DurationFormat", 7);
        element("Milestone", milestone ? 1 : 0);
        element("Summary", summary ? 1 : 0);
        element("PercentComplete", bar->asTaskBar() ? bar->asTaskBar()->getProgress() : 0);
        for (TPLXBarConnection *connection : std::as_const(incoming[i])) {
            xml.writeStartElement(QStringLiteral("PredecessorLink"));
            element("PredecessorUID", uidOf.value(connection->getFromBar()));
            element("Type", connection->getConnType());
            element("CrossProject", 0);
            element("LinkLag", static_cast<qint64>(connection->getMinDistance()) * 480 * 10);
            element("LagFormat", 7);
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

} // namespace

bool TPLXProjectXml::read(QIODevice &device, QByteArray &ini, QString &error)
{
    ini.clear();
    TPlanReader reader(device);
    return reader.read(ini, error);
}

bool TPLXProjectXml::readFile(const QString &fileName, QByteArray &ini, QString &error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("\"%1\" cannot be read: %2").arg(fileName, file.errorString());
        return false;
    }
    if (file.size() == 0) {
        error = QStringLiteral("\"%1\" is empty").arg(fileName);
        return false;
    }
    if (read(file, ini, error))
        return true;
    error = QStringLiteral("\"%1\" is not imported: %2").arg(fileName, error);
    return false;
}

void TPLXProjectXml::write(TPLXGanttDocument &document, QIODevice &device)
{
    TPlanWriter writer(document, device);
    writer.write();
}
