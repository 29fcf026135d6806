#include "plxSummarySpans.h"

#include "plxGanttRow.h"

#include <algorithm>

TPLXSummarySpans::TPLXSummarySpans(const QList<TPLXGanttRow *> &rows)
    : FRows(rows)
    , FSize(static_cast<int>(rows.size()))
    , FTree(2 * static_cast<size_t>(FSize))
{
    for (int i = 0; i < FSize; ++i)
        FTree[static_cast<size_t>(FSize + i)] = leaf(rows[i]);
    for (int i = FSize - 1; i > 0; --i)
        FTree[static_cast<size_t>(i)] = join(FTree[2 * static_cast<size_t>(i)], FTree[2 * static_cast<size_t>(i) + 1]);
}

void TPLXSummarySpans::update(int row)
{
    if (row < 0 || row >= FSize)
        return;
    size_t at = static_cast<size_t>(FSize + row);
    FTree[at] = leaf(FRows[row]);
    for (at /= 2; at > 0; at /= 2)
        FTree[at] = join(FTree[2 * at], FTree[2 * at + 1]);
}

std::pair<TDateTime, TDateTime> TPLXSummarySpans::span(int first, int last) const
{
    Part before;
    Part after;
    first = std::max(first, 0);
    last = std::min(last, FSize - 1);
    for (size_t l = static_cast<size_t>(FSize + first), r = static_cast<size_t>(FSize + last + 1);
         first <= last && l < r; l /= 2, r /= 2) {
        if (l & 1)
            before = join(before, FTree[l++]);
        if (r & 1)
            after = join(FTree[--r], after);
    }
    const Part all = join(before, after);
    const TDateTime start = all.firstStart < 0 || !all.anyPositiveStart ? all.firstStart : all.earliestStart;
    const TDateTime end = all.anyPositiveEnd ? all.latestEnd : all.firstEnd;
    return {start, end};
}

std::pair<TDateTime, TDateTime> TPLXSummarySpans::spanOf(const QList<TPLXGanttRow *> &rows, int first, int last)
{
    TDateTime start = 0;
    TDateTime end = 0;
    for (int i = std::max(first, 0); i <= last && i < rows.size(); ++i) {
        const TDateTime s = rows[i]->FindStartDate();
        if (start == 0 || (s > 0 && s < start))
            start = s;
        const TDateTime e = rows[i]->FindEndDate();
        if (end == 0 || (e > 0 && e > end))
            end = e;
    }
    return {start, end};
}

TPLXSummarySpans::Part TPLXSummarySpans::leaf(TPLXGanttRow *row)
{
    Part part;
    const TDateTime s = row->FindStartDate();
    const TDateTime e = row->FindEndDate();
    part.firstStart = s;
    part.earliestStart = s;
    part.anyPositiveStart = s > 0;
    part.firstEnd = e;
    part.latestEnd = e;
    part.anyPositiveEnd = e > 0;
    return part;
}

TPLXSummarySpans::Part TPLXSummarySpans::join(const Part &before, const Part &after)
{
    Part part;
    part.firstStart = before.firstStart != 0 ? before.firstStart : after.firstStart;
    part.firstEnd = before.firstEnd != 0 ? before.firstEnd : after.firstEnd;
    part.anyPositiveStart = before.anyPositiveStart || after.anyPositiveStart;
    part.anyPositiveEnd = before.anyPositiveEnd || after.anyPositiveEnd;
    part.earliestStart = !before.anyPositiveStart  ? after.earliestStart
                         : !after.anyPositiveStart ? before.earliestStart
                                                   : std::min(before.earliestStart, after.earliestStart);
    part.latestEnd = !before.anyPositiveEnd  ? after.latestEnd
                     : !after.anyPositiveEnd ? before.latestEnd
                                             : std::max(before.latestEnd, after.latestEnd);
    return part;
}
