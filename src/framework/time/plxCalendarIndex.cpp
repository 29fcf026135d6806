#include "plxCalendarIndex.h"
#include "plxDocumentCalendar.h"

#include <algorithm>
#include <cmath>

const qint64 TPLXCalendarIndex::kHorizon = PLXDateToMs(IPLXCalendar::kFarFuture);

namespace {

constexpr qint64 kChunk = 128 * PLXMsPerDay;
constexpr qint64 kMargin = 32 * PLXMsPerDay;
// Exceptions that keep answering with empty intervals are given up on after this many.
constexpr int kMaxEmptyAnswers = 4096;

qint64 spanToMs(double days)
{
    return std::llrint(std::clamp(days, -3.0e8, 3.0e8) * static_cast<double>(PLXMsPerDay));
}

qint64 alignDown(qint64 t)
{
    qint64 q = t / kChunk;
    if (t % kChunk != 0 && t < 0)
        --q;
    return q * kChunk;
}

qint64 alignUp(qint64 t)
{
    const qint64 down = alignDown(t);
    return down == t ? t : down + kChunk;
}

} // namespace

void TPLXCalendarIndex::prepare(IPLXCalendar &calendar, ExceptionSource source)
{
    prepare(calendar);
    FSource = std::move(source);
}

void TPLXCalendarIndex::prepare(IPLXCalendar &calendar)
{
    if (FCalendar != &calendar || FGeneration != PLXCalendarGeneration())
        clear();
    FCalendar = &calendar;
}

void TPLXCalendarIndex::TBuckets::build(const std::vector<TInterval> &intervals, qint64 TInterval::*key, qint64 from,
                                        qint64 to)
{
    const qint64 count = 2 * qint64(intervals.size()) + 1;
    origin = from;
    step = std::max<qint64>(1, (to - from) / count + 1);
    below.resize(size_t(count) + 1);
    size_t i = 0;
    for (size_t b = 0; b < below.size(); ++b) {
        const qint64 edge = origin + qint64(b) * step;
        while (i < intervals.size() && intervals[i].*key < edge)
            ++i;
        below[b] = int(i);
    }
}

std::pair<size_t, size_t> TPLXCalendarIndex::TBuckets::range(qint64 value, size_t count) const
{
    if (below.empty())
        return {0, count};
    if (value < origin)
        return {0, size_t(below.front())};
    const qint64 b = (value - origin) / step;
    if (b + 1 >= qint64(below.size()))
        return {size_t(below.back()), count};
    return {size_t(below[size_t(b)]), size_t(below[size_t(b) + 1])};
}

void TPLXCalendarIndex::clear()
{
    FBuilt = false;
    FByStart = {};
    FByWork = {};
    FCrossingsOf.clear();
    FIntervals.clear();
    FCrossings.clear();
    FExceptions.clear();
    FGeneration = PLXCalendarGeneration();
}

std::vector<TPLXCalendarIndex::TInterval> TPLXCalendarIndex::build(qint64 from, qint64 to)
{
    std::vector<TInterval> pieces;
    for (IPLXDateException *exception : std::as_const(FExceptions)) {
        qint64 t = from;
        int empty = 0;
        while (t < to) {
            TDateTime start = 0;
            double duration = 0;
            if (!exception->findNextOccurence(PLXMsToDate(t), start, duration))
                break;
            const qint64 s = std::max(PLXDateToMs(start), t);
            const qint64 e = PLXDateToMs(start + duration);
            if (s >= to)
                break;
            if (e <= s) {
                if (++empty > kMaxEmptyAnswers)
                    break;
                t = s + 1;
                continue;
            }
            pieces.push_back({s, std::min(e, to), 0});
            t = e;
        }
    }
    std::sort(pieces.begin(), pieces.end(), [](const TInterval &a, const TInterval &b) { return a.start < b.start; });
    // Merged in place and trimmed: a window of centuries holds many weekends.
    size_t kept = 0;
    for (const TInterval &piece : pieces) {
        if (kept > 0 && piece.start <= pieces[kept - 1].end)
            pieces[kept - 1].end = std::max(pieces[kept - 1].end, piece.end);
        else
            pieces[kept++] = piece;
    }
    pieces.resize(kept);
    pieces.shrink_to_fit();
    return pieces;
}

void TPLXCalendarIndex::recomputeWork(size_t first)
{
    for (size_t i = first; i < FIntervals.size(); ++i)
        FIntervals[i].work = i == 0 ? FIntervals[i].start - FLo
                                    : FIntervals[i - 1].work + (FIntervals[i].start - FIntervals[i - 1].end);
    FCrossingsOf.assign(FIntervals.size(), nullptr);
    FByStart.build(FIntervals, &TInterval::start, FLo, FHi);
    FByWork.build(FIntervals, &TInterval::work, 0, workAt(FHi, FIntervals.size()));
}

void TPLXCalendarIndex::ensure(qint64 from, qint64 to)
{
    from = std::clamp(from, -kHorizon, kHorizon);
    to = std::clamp(to, -kHorizon, kHorizon);
    if (!FBuilt) {
        if (FSource)
            FExceptions = FSource();
        FLo = std::max(-kHorizon, alignDown(from - kMargin));
        FHi = std::min(kHorizon, alignUp(to + kMargin));
        FIntervals = build(FLo, FHi);
        recomputeWork(0);
        FBuilt = true;
    }
    // Growing by at least the covered length keeps the number of extensions logarithmic.
    while (from < FLo)
        extendBackward(std::max(-kHorizon, std::min(alignDown(from - kMargin), FLo - (FHi - FLo))));
    while (to > FHi)
        extendForward(std::min(kHorizon, std::max(alignUp(to + kMargin), FHi + (FHi - FLo))));
}

void TPLXCalendarIndex::extendForward(qint64 to)
{
    std::vector<TInterval> added = build(FHi, to);
    size_t first = FIntervals.size();
    auto next = added.begin();
    if (!FIntervals.empty() && next != added.end() && FIntervals.back().end == FHi && next->start == FHi) {
        FCrossings.erase(FIntervals.back().start);
        FIntervals.back().end = next->end;
        ++next;
        first = FIntervals.size();
    }
    FIntervals.reserve(FIntervals.size() + static_cast<size_t>(added.end() - next));
    FIntervals.insert(FIntervals.end(), next, added.end());
    FHi = to;
    recomputeWork(first);
}

void TPLXCalendarIndex::extendBackward(qint64 from)
{
    std::vector<TInterval> added = build(from, FLo);
    if (!added.empty() && !FIntervals.empty() && added.back().end == FLo && FIntervals.front().start == FLo) {
        FCrossings.erase(FIntervals.front().start);
        added.back().end = FIntervals.front().end;
        FIntervals.erase(FIntervals.begin());
    }
    added.reserve(added.size() + FIntervals.size());
    added.insert(added.end(), FIntervals.begin(), FIntervals.end());
    FIntervals = std::move(added);
    FLo = from;
    recomputeWork(0);
}

size_t TPLXCalendarIndex::after(qint64 t) const
{
    const auto [first, last] = FByStart.range(t, FIntervals.size());
    return size_t(std::upper_bound(FIntervals.begin() + qsizetype(first), FIntervals.begin() + qsizetype(last), t,
                                   [](qint64 value, const TInterval &i) { return value < i.start; }) -
                  FIntervals.begin());
}

qint64 TPLXCalendarIndex::workAt(qint64 t, size_t next) const
{
    if (next == 0)
        return t - FLo;
    const TInterval &i = FIntervals[next - 1];
    return t < i.end ? i.work : i.work + (t - i.end);
}

qint64 TPLXCalendarIndex::workAt(qint64 t) const
{
    return workAt(t, after(t));
}

qint64 TPLXCalendarIndex::locate(qint64 work) const
{
    const auto [first, last] = FByWork.range(work, FIntervals.size());
    const auto at = std::lower_bound(FIntervals.begin() + qsizetype(first), FIntervals.begin() + qsizetype(last), work,
                                     [](const TInterval &i, qint64 value) { return i.work < value; });
    if (at != FIntervals.end())
        return at->start - (at->work - work);
    if (FIntervals.empty())
        return FLo + work;
    return FIntervals.back().end + (work - FIntervals.back().work);
}

int TPLXCalendarIndex::containing(qint64 t, size_t next) const
{
    if (next == 0)
        return -1;
    return t < FIntervals[next - 1].end ? static_cast<int>(next - 1) : -1;
}

qint64 TPLXCalendarIndex::skipNonWorking(qint64 t)
{
    while (t >= -kHorizon && t < kHorizon) {
        ensure(t, t + 1);
        const int i = containing(t);
        if (i < 0)
            break;
        t = FIntervals[static_cast<size_t>(i)].end;
    }
    return t;
}

const std::vector<qint64> &TPLXCalendarIndex::crossings(int i)
{
    if (const std::vector<qint64> *known = FCrossingsOf[static_cast<size_t>(i)])
        return *known;
    const TInterval interval = FIntervals[static_cast<size_t>(i)];
    if (const auto found = FCrossings.find(interval.start); found != FCrossings.end()) {
        FCrossingsOf[static_cast<size_t>(i)] = &found->second;
        return found->second;
    }
    // Where one interval of one exception ends inside another, the walk stops at its end.
    std::vector<qint64> points;
    qint64 c = interval.start;
    while (c < interval.end) {
        TDateTime start = 0;
        double duration = 0;
        FCalendar->findNextNonWorkingException(PLXMsToDate(c), start, duration);
        const qint64 e = PLXDateToMs(start + duration);
        if (PLXDateToMs(start) != c || e <= c) {
            points.push_back(interval.end);
            break;
        }
        c = std::min(e, interval.end);
        points.push_back(c);
    }
    const std::vector<qint64> &made = FCrossings.emplace(interval.start, std::move(points)).first->second;
    FCrossingsOf[static_cast<size_t>(i)] = &made;
    return made;
}

TDateTime TPLXCalendarIndex::addEffective(TDateTime date, double period, bool goToWorking)
{
    if (period < 0)
        return substrEffective(date, -period);
    qint64 d = PLXDateToMs(date);
    qint64 p = spanToMs(period);
    if (d >= kHorizon)
        return date + period;
    if (d < -kHorizon) {
        // Nothing below the searched time is non-working.
        if (d + p <= -kHorizon)
            return date + period;
        p -= -kHorizon - d;
        d = -kHorizon;
    }
    ensure(d, d + p);
    qint64 x = d;
    while (p > 0) {
        const qint64 target = workAt(d) + p;
        if (target <= workAt(FHi)) {
            x = locate(target);
            break;
        }
        if (FHi >= kHorizon) {
            x = FHi + (target - workAt(FHi));
            break;
        }
        ensure(d, std::min(kHorizon, FHi + (target - workAt(FHi))));
    }
    if (goToWorking)
        x = skipNonWorking(x);
    return PLXMsToDate(x);
}

TDateTime TPLXCalendarIndex::substrEffective(TDateTime date, double period)
{
    if (period < 0)
        return addEffective(date, -period, false);
    qint64 d = PLXDateToMs(date);
    qint64 p = spanToMs(period);
    if (d <= -kHorizon)
        return date - period;
    if (d > kHorizon) {
        if (d - p >= kHorizon)
            return date - period;
        p -= d - kHorizon;
        d = kHorizon;
    }
    ensure(d - p, d);
    qint64 x = 0;
    for (;;) {
        const qint64 target = workAt(d) - p;
        if (target > 0) {
            x = locate(target);
            break;
        }
        if (FLo <= -kHorizon) {
            x = FLo + target;
            break;
        }
        ensure(std::max(-kHorizon, FLo + target - 1), d);
    }
    return PLXMsToDate(x);
}

double TPLXCalendarIndex::diffEffective(TDateTime date1, TDateTime date2)
{
    const bool swapped = date1 > date2;
    if (swapped)
        std::swap(date1, date2);
    const double far = IPLXCalendar::kFarFuture;
    if (date2 <= -far || date1 >= far)
        return swapped ? date1 - date2 : date2 - date1;
    // Time outside the searched range is all working time.
    const double outside = std::max(0.0, -far - date1) + std::max(0.0, date2 - far);
    const qint64 a = std::max(PLXDateToMs(date1), -kHorizon);
    const qint64 b = std::min(PLXDateToMs(date2), kHorizon);
    ensure(a, b + 1);
    size_t next = after(b);
    int i = containing(b, next);
    // The interval holding b must be seen whole, not cut at the covered window.
    while (i >= 0 && FIntervals[static_cast<size_t>(i)].end == FHi && FHi < kHorizon) {
        ensure(a, FHi + 1);
        next = after(b);
        i = containing(b, next);
    }
    qint64 work = workAt(b, next) - workAt(a);
    if (i >= 0 && FIntervals[static_cast<size_t>(i)].start < b) {
        if (a > FIntervals[static_cast<size_t>(i)].start) {
            work = 0;
        } else {
            // The walk stops at the first crossing at or after b and takes back what lies past b.
            const std::vector<qint64> &points = crossings(i);
            const auto c = std::lower_bound(points.begin(), points.end(), b);
            work -= (c == points.end() ? FIntervals[static_cast<size_t>(i)].end : *c) - b;
        }
    }
    const double result =
        outside > 0 ? std::max(0.0, outside + PLXMsToDate(work)) : PLXMsToDate(std::max<qint64>(0, work));
    return swapped ? -result : result;
}

TDateTime TPLXCalendarIndex::findFirstEffective(TDateTime date)
{
    const qint64 d = PLXDateToMs(date);
    if (d >= kHorizon || d < -kHorizon)
        return date;
    return PLXMsToDate(skipNonWorking(d));
}
