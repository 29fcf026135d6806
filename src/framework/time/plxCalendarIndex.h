// A lazily built, merged view of a calendar's non-working time, so that the
// working-time arithmetic costs about a binary search instead of a walk over
// every exception at every non-working interval.
#pragma once

#include "plxTypes.h"

#include <QList>

#include <functional>
#include <unordered_map>
#include <vector>

class IPLXCalendar;
class IPLXDateException;

// Instants are whole milliseconds. The index covers a growing window of time,
// extended on demand; it is dropped whenever any category or exception changes.
class ORVANTA_EXPORT TPLXCalendarIndex
{
public:
    using ExceptionSource = std::function<QList<IPLXDateException *>()>;

    // Binds the index to its calendar; drops the cached intervals when the
    // calendar changed since they were built.
    void prepare(IPLXCalendar &calendar, ExceptionSource source);
    // The same for the calendar it is bound to already, keeping its exception source.
    void prepare(IPLXCalendar &calendar);
    void clear();

    TDateTime addEffective(TDateTime date, double period, bool goToWorking);
    TDateTime substrEffective(TDateTime date, double period);
    double diffEffective(TDateTime date1, TDateTime date2);
    TDateTime findFirstEffective(TDateTime date);

    // Merged non-working intervals currently held, and the covered window.
    int intervalCount() const { return static_cast<int>(FIntervals.size()); }
    qint64 coveredFrom() const { return FLo; }
    qint64 coveredTo() const { return FHi; }

    // Non-working time is only searched in [-kHorizon, kHorizon) milliseconds.
    static const qint64 kHorizon;

private:
    struct TInterval
    {
        qint64 start;
        qint64 end;
        qint64 work; // working time from FLo to start
    };

    // Counts of intervals whose key lies below evenly spaced edges, about two
    // buckets per interval: a search then looks only at one bucket's intervals.
    struct TBuckets
    {
        qint64 origin = 0;
        qint64 step = 1;
        std::vector<int> below; // below[b]: intervals with key < origin + b * step

        void build(const std::vector<TInterval> &intervals, qint64 TInterval::*key, qint64 from, qint64 to);
        // [first, last): the first interval whose key is above `value`, or not
        // below it, is one of these or `last` itself.
        std::pair<size_t, size_t> range(qint64 value, size_t count) const;
    };

    std::vector<TInterval> build(qint64 from, qint64 to);
    void ensure(qint64 from, qint64 to);
    void extendForward(qint64 to);
    void extendBackward(qint64 from);
    void recomputeWork(size_t first);
    // Working time from FLo to t, for t in [FLo, FHi].
    qint64 workAt(qint64 t) const;
    // The earliest instant with the given working time from FLo.
    qint64 locate(qint64 work) const;
    // The first interval that starts after t.
    size_t after(qint64 t) const;
    // The interval with start <= t < end, or -1; `next` is after(t).
    int containing(qint64 t, size_t next) const;
    int containing(qint64 t) const { return containing(t, after(t)); }
    qint64 workAt(qint64 t, size_t next) const;
    qint64 skipNonWorking(qint64 t);
    // The points at which the one-exception-at-a-time walk crosses interval `i`.
    const std::vector<qint64> &crossings(int i);

    IPLXCalendar *FCalendar = nullptr;
    ExceptionSource FSource;
    QList<IPLXDateException *> FExceptions;
    quint64 FGeneration = 0;
    bool FBuilt = false;
    qint64 FLo = 0;
    qint64 FHi = 0;
    std::vector<TInterval> FIntervals;
    TBuckets FByStart;
    TBuckets FByWork;
    std::unordered_map<qint64, std::vector<qint64>> FCrossings;
    // By interval: its entry of FCrossings once looked up, so that a repeated question costs no hash.
    std::vector<const std::vector<qint64> *> FCrossingsOf;
};
