// The plain working-time walk: from interval to interval, asking every
// exception at each step. Slow but obviously right; tests and benchmarks
// compare the calendar's indexed answers against it. Instants are whole
// milliseconds, and non-working time is searched only in
// [-9999999.0, 9999999.0) days, as the calendar does.
#pragma once

#include "plxCalendarIndex.h"
#include "plxDocumentCalendar.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>

namespace plxtest {

// A calendar with the weekends as its only non-working time.
inline std::unique_ptr<TPLXDocumentCalendar> weekendCalendar()
{
    auto calendar = std::make_unique<TPLXDocumentCalendar>();
    calendar->addDateCategory(std::make_unique<TPLXWeekendsDateCategory>());
    return calendar;
}

struct TStep
{
    bool found = false;
    qint64 start = 0; // for previous steps: the interval's start
    qint64 end = 0;   // for previous steps: the interval's finish
};

inline qint64 horizon()
{
    return TPLXCalendarIndex::kHorizon;
}

inline qint64 span(double days)
{
    return std::llrint(std::clamp(days, -3.0e8, 3.0e8) * static_cast<double>(PLXMsPerDay));
}

// Guards the walk against a calendar whose exceptions contradict each other.
struct TBudget
{
    long long left = 50'000'000;
    void spend()
    {
        if (--left < 0)
            throw std::runtime_error("oracle walk does not end");
    }
};

inline TStep next(IPLXCalendar &calendar, qint64 d)
{
    TStep step;
    if (d >= horizon())
        return step;
    TDateTime s = 0;
    double duration = 0;
    calendar.findNextNonWorkingException(PLXMsToDate(std::max(d, -horizon())), s, duration);
    step.start = PLXDateToMs(s);
    if (step.start >= horizon())
        return step;
    step.end = std::min(PLXDateToMs(s + duration), horizon());
    step.found = true;
    return step;
}

inline TStep previous(IPLXCalendar &calendar, qint64 d)
{
    TStep step;
    if (d <= -horizon())
        return step;
    TDateTime f = 0;
    double duration = 0;
    calendar.findPreviousNonWorkingException(PLXMsToDate(std::min(d, horizon())), f, duration);
    if (duration <= 0)
        return step;
    step.end = PLXDateToMs(f);
    if (step.end <= -horizon())
        return step;
    step.start = std::max(PLXDateToMs(f - duration), -horizon());
    step.found = true;
    return step;
}

inline TDateTime substrEffective(IPLXCalendar &calendar, TDateTime date, double period);

inline TDateTime addEffective(IPLXCalendar &calendar, TDateTime date, double period, bool goToWorking)
{
    if (period < 0)
        return substrEffective(calendar, date, -period);
    TBudget budget;
    qint64 d = PLXDateToMs(date);
    qint64 p = span(period);
    TStep s = next(calendar, d);
    while (s.found && d + p > s.start) {
        budget.spend();
        p -= s.start - d;
        d = s.end;
        s = next(calendar, d);
    }
    d += p;
    if (goToWorking) {
        s = next(calendar, d);
        while (s.found && s.start == d) {
            budget.spend();
            d = s.end;
            s = next(calendar, d);
        }
    }
    return PLXMsToDate(d);
}

inline TDateTime substrEffective(IPLXCalendar &calendar, TDateTime date, double period)
{
    if (period < 0)
        return addEffective(calendar, date, -period, false);
    TBudget budget;
    qint64 d = PLXDateToMs(date);
    qint64 p = span(period);
    TStep f = previous(calendar, d);
    while (f.found && d - p < f.end) {
        budget.spend();
        p -= d - f.end;
        d = f.start;
        f = previous(calendar, d);
    }
    d -= p;
    f = previous(calendar, d);
    while (f.found && f.end == d) {
        budget.spend();
        d = f.start;
        f = previous(calendar, d);
    }
    return PLXMsToDate(d);
}

inline double diffEffective(IPLXCalendar &calendar, TDateTime date1, TDateTime date2)
{
    TBudget budget;
    qint64 a = PLXDateToMs(date1);
    qint64 b = PLXDateToMs(date2);
    const bool swapped = a > b;
    if (swapped)
        std::swap(a, b);
    qint64 acc = 0;
    TStep s = next(calendar, a);
    while (s.found && b > s.start) {
        budget.spend();
        acc += s.start - a;
        a = s.end;
        s = next(calendar, a);
    }
    const double result = PLXMsToDate(std::max<qint64>(0, (b - a) + acc));
    return swapped ? -result : result;
}

inline TDateTime findFirstEffective(IPLXCalendar &calendar, TDateTime date)
{
    TBudget budget;
    qint64 d = PLXDateToMs(date);
    TStep s = next(calendar, d);
    while (s.found && d >= s.start) {
        budget.spend();
        d = s.end;
        s = next(calendar, d);
    }
    return PLXMsToDate(d);
}

} // namespace plxtest
