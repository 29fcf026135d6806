// Why a task bar starts when it does: the predecessor connection that holds
// its start, measured exactly as the critical path measures connections, and
// the non-working time inside its period that stretches it.
#pragma once

#include "plxTypes.h"

#include <QString>

#include <functional>
#include <vector>

class TPLXBarConnection;
class TPLXGanttBar;
class TPLXTaskBar;

// One stretch of non-working time inside a bar's period, clipped to it.
struct TPLXNonWorkingSpan
{
    TDateTime start = 0;
    TDateTime end = 0;
    // The category's name, followed by the exception's name when it has one.
    QString label;
};

struct TPLXStartReason
{
    // The incoming connection from another task bar with the least slack; null when none reaches the bar.
    TPLXBarConnection *nearest = nullptr;
    // Working days the bar could start earlier and still keep `nearest`'s distance; negative when it does not.
    double slack = 0;
    // Non-working stretches inside the period, in date order; the first kMaxSpans of them.
    std::vector<TPLXNonWorkingSpan> spans;
    // More stretches follow the listed ones.
    bool moreSpans = false;
    // Calendar days the non-working time adds to the bar's working time.
    double stretch = 0;

    static constexpr int kMaxSpans = 5;
    // `nearest` leaves no slack: the bar cannot start earlier without breaking it.
    bool driven() const;
};

// The answer for a bar in a document with a calendar; an empty answer otherwise.
ORVANTA_EXPORT TPLXStartReason PLXExplainStart(TPLXTaskBar &bar);

// The answer as lines of text in the loaded language. `nameOf` names the bars;
// without it a bar is named by its row number.
ORVANTA_EXPORT QString PLXStartReasonText(const TPLXStartReason &reason,
                                          const std::function<QString(TPLXGanttBar *)> &nameOf = {});
