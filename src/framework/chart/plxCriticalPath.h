// The critical-path calculator of a chart table: earliest start, latest
// finish, free and total buffer of every task bar, and the critical task bars
// and connections, measured in working days of the document calendar.
#pragma once

#include "plxTypes.h"

#include <QList>

#include <cstdint>
#include <vector>

class IPLXCalendar;
class TPLXBarConnection;
class TPLXGanttTable;
class TPLXTaskBar;

// One task bar as the calculation sees it.
struct TPLXCriticalPathTask
{
    TDateTime startDate = 0;      // getStartDate
    TDateTime endDate = 0;        // getEndDate
    TDateTime effectiveStart = 0; // first working instant at or after the start
    TDateTime effectiveEnd = 0;
    double effectiveDuration = 0; // working days
};

// One connection of the document, in list order. Bars that are not task bars
// of the table have the index -1, so the connection takes no part.
struct TPLXCriticalPathLink
{
    int from = -1;
    int to = -1;
    int connType = 1; // bit 2: origin at the start, bit 1: target at the start
    int minDistance = 0;
};

// A plan independent of entities: tasks in enumeration order, connections in document order.
struct TPLXCriticalPathPlan
{
    std::vector<TPLXCriticalPathTask> tasks;
    std::vector<TPLXCriticalPathLink> links;
};

struct TPLXCriticalPathResult
{
    std::vector<TDateTime> ESTime;
    std::vector<TDateTime> LFTime;
    std::vector<TDateTime> LBTime;
    std::vector<TDateTime> GBTime;
    std::vector<int> criticalTasks; // task indices, ascending
    std::vector<int> criticalLinks; // link indices, in the order they were found
    TDateTime projectStart = 0;
    TDateTime projectEnd = 0;
};

class ORVANTA_EXPORT TPLXCriticalPathCalculator
{
public:
    explicit TPLXCriticalPathCalculator(TPLXGanttTable *table);
    ~TPLXCriticalPathCalculator();
    TPLXCriticalPathCalculator(const TPLXCriticalPathCalculator &) = delete;
    TPLXCriticalPathCalculator &operator=(const TPLXCriticalPathCalculator &) = delete;

    // Recomputes every task bar's times and buffers and re-marks the critical bars and connections.
    void refreshCriticalPath();

    const QList<TPLXTaskBar *> &criticalBars() const { return FCriticalBars; }
    const QList<TPLXBarConnection *> &criticalConnections() const { return FCriticalConnections; }
    TDateTime projectStart() const { return FProjectStart; }
    TDateTime projectEnd() const { return FProjectEnd; }

    // Task bars of the table: rows in order, each row's task bars in bar order.
    void getTaskBarStart();
    // The next task bar, null at the end.
    TPLXTaskBar *getNextTaskBar();
    int countTaskBars();

    // The whole calculation on a plan; writes the four log lines per task.
    // Linear in tasks and connections where the connections form no cycle;
    // on the part of the plan that can reach a cycle (or, for the latest
    // finish, be reached from one) it replays the path search with visited
    // marks, because there the result depends on the order of that search.
    static TPLXCriticalPathResult solve(const TPLXCriticalPathPlan &plan, IPLXCalendar &calendar);

    // A task bar as the calculation sees it.
    static TPLXCriticalPathTask taskOf(TPLXTaskBar &bar);
    // The working days by which a connection's target point lies beyond its
    // origin point plus the required distance; negative when the distance is not kept.
    static double linkSlack(const TPLXCriticalPathTask &from, const TPLXCriticalPathTask &to,
                            const TPLXCriticalPathLink &link, IPLXCalendar &calendar);

private:
    TPLXGanttTable *table;
    int lastBarIndex = -1;
    int lastRow = 0;
    QList<TPLXTaskBar *> FCriticalBars;
    QList<TPLXBarConnection *> FCriticalConnections;
    TDateTime FProjectStart = 0;
    TDateTime FProjectEnd = 0;
};
