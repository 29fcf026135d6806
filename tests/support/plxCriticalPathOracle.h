// Reference critical-path calculation for tests and benchmarks: the plain
// procedure with a (2n)^2 edge matrix, one connection look-up per pair of
// tasks and recursive path searches with visited marks. Slow, and meant to be.
#pragma once

#include "plxCriticalPath.h"
#include "plxDocumentCalendar.h"
#include "plxPlatform.h"

#include <cmath>
#include <cstdint>
#include <vector>

class TPLXCriticalPathOracle
{
public:
    TPLXCriticalPathOracle(const TPLXCriticalPathPlan &plan, IPLXCalendar &calendar)
        : plan(plan)
        , calendar(calendar)
    {
    }

    TPLXCriticalPathResult refresh()
    {
        setUpSearch();
        for (int i = 0; i < nTaskBars; ++i)
            if (startingBar[size_t(i)])
                findESTimes(2 * i, 0);
        for (int i = 0; i < nTaskBars; ++i)
            if (endingBar[size_t(i)])
                findLFTimes(2 * i + 1, 0);
        switchToRealTime();
        calculateBuffers();
        extractBarsAndConnections();
        return result;
    }

    // Connection look-ups made, to show the cost of the plain procedure.
    int64_t lookups = 0;

private:
    // The first connection from task `from` to task `to`, of any type; -1 when none.
    int findConnection(int from, int to)
    {
        ++lookups;
        for (size_t k = 0; k < plan.links.size(); ++k)
            if (plan.links[k].from == from && plan.links[k].to == to)
                return int(k);
        return -1;
    }

    int64_t &edge(int a, int b) { return matrix[size_t(a) * size_t(2 * nTaskBars) + size_t(b)]; }

    void setUpSearch()
    {
        nTaskBars = int(plan.tasks.size());
        const size_t n = size_t(nTaskBars);
        visited.assign(2 * n, 0);
        startingBar.assign(n, 1);
        endingBar.assign(n, 1);
        result = TPLXCriticalPathResult();
        result.ESTime.assign(n, 0);
        result.LFTime.assign(n, 0);
        result.LBTime.assign(n, 0);
        result.GBTime.assign(n, 0);
        for (const TPLXCriticalPathTask &task : plan.tasks) {
            if (result.projectStart == 0 || task.effectiveStart < result.projectStart)
                result.projectStart = task.effectiveStart;
            if (task.effectiveEnd > result.projectEnd)
                result.projectEnd = task.effectiveEnd;
        }
        setUpMatrix();
    }

    void setUpMatrix()
    {
        const int nodes = 2 * nTaskBars;
        matrix.assign(size_t(nodes) * size_t(nodes), -1);
        for (int i = 0; i < nTaskBars; ++i)
            edge(2 * i, 2 * i + 1) = std::llrint(plan.tasks[size_t(i)].effectiveDuration);
        for (int i = 0; i < nTaskBars; ++i) {
            const TPLXCriticalPathTask &from = plan.tasks[size_t(i)];
            result.LBTime[size_t(i)] = result.projectEnd - from.effectiveEnd;
            for (int j = 0; j < nTaskBars; ++j) {
                const int c = findConnection(i, j);
                if (c < 0)
                    continue;
                const TPLXCriticalPathLink &link = plan.links[size_t(c)];
                const TPLXCriticalPathTask &to = plan.tasks[size_t(j)];
                int originNode, targetNode;
                TDateTime originDate, targetDate;
                if (link.connType & 2) {
                    originNode = 2 * i;
                    originDate = from.startDate;
                } else {
                    originNode = 2 * i + 1;
                    originDate = from.endDate;
                    endingBar[size_t(i)] = 0;
                }
                if (link.connType & 1) {
                    targetNode = 2 * j;
                    targetDate = to.startDate;
                    startingBar[size_t(j)] = 0;
                } else {
                    targetNode = 2 * j + 1;
                    targetDate = to.endDate;
                }
                edge(originNode, targetNode) = link.minDistance;
                result.LBTime[size_t(i)] = std::min(result.LBTime[size_t(i)],
                                                    calendar.diffEffective(originDate, targetDate) - link.minDistance);
            }
        }
    }

    void findESTimes(int node, int64_t t)
    {
        if (node % 2 == 0) {
            double &es = result.ESTime[size_t(node / 2)];
            if (es == 0 || es < double(t))
                es = double(t);
            else
                return;
        }
        visited[size_t(node)] = 1;
        for (int k = 0; k < 2 * nTaskBars; ++k)
            if (edge(node, k) >= 0 && !visited[size_t(k)])
                findESTimes(k, t + edge(node, k));
        visited[size_t(node)] = 0;
    }

    void findLFTimes(int node, int64_t t)
    {
        if (node % 2 == 1) {
            double &lf = result.LFTime[size_t(node / 2)];
            if (lf == 0 || lf > double(t))
                lf = double(t);
            else
                return;
        }
        visited[size_t(node)] = 1;
        for (int k = 0; k < 2 * nTaskBars; ++k)
            if (edge(k, node) >= 0 && !visited[size_t(k)])
                findLFTimes(k, t - edge(k, node));
        visited[size_t(node)] = 0;
    }

    void switchToRealTime()
    {
        for (int i = 0; i < nTaskBars; ++i) {
            result.ESTime[size_t(i)] = calendar.addEffective(result.projectStart, result.ESTime[size_t(i)], true);
            result.LFTime[size_t(i)] = calendar.substrEffective(result.projectEnd, -result.LFTime[size_t(i)]);
        }
    }

    void calculateBuffers()
    {
        for (int i = 0; i < nTaskBars; ++i)
            result.GBTime[size_t(i)] = result.LFTime[size_t(i)] - plan.tasks[size_t(i)].effectiveEnd;
    }

    void extractBarsAndConnections()
    {
        for (int i = 0; i < nTaskBars; ++i) {
            if (result.GBTime[size_t(i)] != 0)
                continue;
            result.criticalTasks.push_back(i);
            for (int j = 0; j < nTaskBars; ++j) {
                if (result.GBTime[size_t(j)] != 0)
                    continue;
                const int c = findConnection(i, j);
                if (c >= 0)
                    result.criticalLinks.push_back(c);
            }
        }
        for (int i = 0; i < nTaskBars; ++i) {
            const QString bar = QStringLiteral("bar ") + QString::number(i);
            PLXLog(bar + QStringLiteral(" EST = ") + PLXFloatToStr(result.ESTime[size_t(i)]));
            PLXLog(bar + QStringLiteral(" LFT = ") + PLXFloatToStr(result.LFTime[size_t(i)]));
            PLXLog(bar + QStringLiteral(" LBT = ") + PLXFloatToStr(result.LBTime[size_t(i)]));
            PLXLog(bar + QStringLiteral(" GBT = ") + PLXFloatToStr(result.GBTime[size_t(i)]));
        }
    }

    const TPLXCriticalPathPlan &plan;
    IPLXCalendar &calendar;
    int nTaskBars = 0;
    std::vector<char> visited;
    std::vector<int64_t> matrix;
    std::vector<char> startingBar;
    std::vector<char> endingBar;
    TPLXCriticalPathResult result;
};
