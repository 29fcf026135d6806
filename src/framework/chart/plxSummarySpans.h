// The dates a summary over a run of rows shows, answered for any run in
// logarithmic time, so refreshing every summary of a deep plan stays n log n.
#pragma once

#include "plxTypes.h"

#include <QList>

#include <utility>
#include <vector>

class TPLXGanttRow;

class ORVANTA_EXPORT TPLXSummarySpans
{
public:
    explicit TPLXSummarySpans(const QList<TPLXGanttRow *> &rows);
    // Reads row `row` again after its bars changed.
    void update(int row);
    // Start and end over rows first..last, as spanOf gives them.
    std::pair<TDateTime, TDateTime> span(int first, int last) const;
    // The same by a walk over the rows: the earliest positive start unless the
    // first non-zero start is negative, the latest positive end, else the first
    // non-zero end; zero where the rows hold no summarizable bar.
    static std::pair<TDateTime, TDateTime> spanOf(const QList<TPLXGanttRow *> &rows, int first, int last);

private:
    struct Part
    {
        TDateTime firstStart = 0;
        TDateTime earliestStart = 0;
        bool anyPositiveStart = false;
        TDateTime firstEnd = 0;
        TDateTime latestEnd = 0;
        bool anyPositiveEnd = false;
    };
    static Part leaf(TPLXGanttRow *row);
    static Part join(const Part &before, const Part &after);

    const QList<TPLXGanttRow *> &FRows;
    int FSize;
    std::vector<Part> FTree; // leaves from FSize on
};
