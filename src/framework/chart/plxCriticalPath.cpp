#include "plxCriticalPath.h"

#include "plxBarConnection.h"
#include "plxDocumentCalendar.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxPlatform.h"
#include "plxTaskBar.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>

namespace {

constexpr int64_t kUnreached = std::numeric_limits<int64_t>::min();

// Node 2i is the start of task i, node 2i + 1 its end.
struct TEdge
{
    int to;
    int64_t length;
};

// Adjacency in compressed rows; each node's edges are sorted by the node at the far end.
struct TAdjacency
{
    std::vector<int> offset;
    std::vector<TEdge> edges;
};

// Stable counting sort of link indices by a key in [0, n).
void sortByKey(std::vector<int> &items, int n, const std::vector<TPLXCriticalPathLink> &links, bool byFrom)
{
    std::vector<int> count(size_t(n) + 1, 0);
    for (const int k : items)
        ++count[size_t(byFrom ? links[k].from : links[k].to) + 1];
    for (int i = 0; i < n; ++i)
        count[size_t(i) + 1] += count[size_t(i)];
    std::vector<int> sorted(items.size());
    for (const int k : items)
        sorted[size_t(count[size_t(byFrom ? links[k].from : links[k].to)]++)] = k;
    items.swap(sorted);
}

// One pass of the search over an adjacency: forward over outgoing edges with
// the start nodes labelled, or backward over incoming edges with the end nodes
// labelled (there the values are working days before the project end).
class TPass
{
public:
    TPass(const TAdjacency &adjacency, int labelledParity, std::vector<int64_t> &label)
        : adj(adjacency)
        , parity(labelledParity)
        , label(label)
    {
    }

    // `acyclicPart`: nodes from which no cycle can be reached; `order`: those
    // nodes such that every edge between them runs forward in it.
    void run(const std::vector<int> &sources, const std::vector<char> *acyclicPart, const std::vector<int> &order)
    {
        const size_t nodes = adj.offset.size() - 1;
        reach.assign(nodes, kUnreached);
        if (acyclicPart)
            visited.assign(nodes, 0);
        for (const int source : sources) {
            if (!acyclicPart || (*acyclicPart)[size_t(source)])
                reach[size_t(source)] = std::max<int64_t>(reach[size_t(source)], 0);
            else
                replay(source, *acyclicPart);
        }
        // Without cycles the search with pruning ends with the longest path
        // to each node, whatever its order; so one sweep in topological order.
        for (const int x : order) {
            const int64_t t = reach[size_t(x)];
            if (t == kUnreached)
                continue;
            for (int e = adj.offset[size_t(x)]; e < adj.offset[size_t(x) + 1]; ++e) {
                int64_t &r = reach[size_t(adj.edges[size_t(e)].to)];
                r = std::max(r, t + adj.edges[size_t(e)].length);
            }
        }
        for (const int x : order)
            if ((x & 1) == parity && reach[size_t(x)] != kUnreached)
                label[size_t(x)] = reach[size_t(x)];
    }

private:
    struct TFrame
    {
        int node;
        int64_t t;
        int next;
    };

    // Labelled nodes continue only when t improves on their label (0 = unset).
    bool enter(int node, int64_t t)
    {
        if ((node & 1) == parity) {
            int64_t &l = label[size_t(node)];
            if (l != 0 && l >= t)
                return false;
            l = t;
        }
        visited[size_t(node)] = 1;
        stack.push_back({node, t, adj.offset[size_t(node)]});
        return true;
    }

    // The depth-first search with visited marks, on an explicit stack, for
    // the part that can reach a cycle: there its result depends on its order.
    // Arrivals in the acyclic part are only collected; nothing there feeds back.
    void replay(int source, const std::vector<char> &acyclicPart)
    {
        enter(source, 0);
        while (!stack.empty()) {
            TFrame &frame = stack.back();
            if (frame.next == adj.offset[size_t(frame.node) + 1]) {
                visited[size_t(frame.node)] = 0;
                stack.pop_back();
                continue;
            }
            const TEdge &edge = adj.edges[size_t(frame.next++)];
            if (visited[size_t(edge.to)])
                continue;
            const int64_t t = frame.t + edge.length;
            if (acyclicPart[size_t(edge.to)]) {
                int64_t &r = reach[size_t(edge.to)];
                r = std::max(r, t);
            } else {
                enter(edge.to, t);
            }
        }
    }

    const TAdjacency &adj;
    const int parity;
    std::vector<int64_t> &label;
    std::vector<int64_t> reach;
    std::vector<char> visited;
    std::vector<TFrame> stack;
};

// Kahn's algorithm; the nodes it can order are those not behind a cycle
// (with the incoming side) or not before one (with the outgoing side).
std::vector<int> peel(const TAdjacency &forward, const TAdjacency &other)
{
    const size_t nodes = forward.offset.size() - 1;
    std::vector<int> degree(nodes);
    for (size_t x = 0; x < nodes; ++x)
        degree[x] = other.offset[x + 1] - other.offset[x];
    std::vector<int> order;
    order.reserve(nodes);
    for (size_t x = 0; x < nodes; ++x)
        if (degree[x] == 0)
            order.push_back(int(x));
    for (size_t head = 0; head < order.size(); ++head) {
        const int x = order[head];
        for (int e = forward.offset[size_t(x)]; e < forward.offset[size_t(x) + 1]; ++e)
            if (--degree[size_t(forward.edges[size_t(e)].to)] == 0)
                order.push_back(forward.edges[size_t(e)].to);
    }
    return order;
}

TAdjacency transpose(const TAdjacency &adj)
{
    const size_t nodes = adj.offset.size() - 1;
    TAdjacency result;
    result.offset.assign(nodes + 1, 0);
    for (const TEdge &e : adj.edges)
        ++result.offset[size_t(e.to) + 1];
    for (size_t x = 0; x < nodes; ++x)
        result.offset[x + 1] += result.offset[x];
    result.edges.resize(adj.edges.size());
    std::vector<int> fill(result.offset.begin(), result.offset.end() - 1);
    // Sources come in ascending order, so each node's incoming edges do too.
    for (size_t x = 0; x < nodes; ++x)
        for (int e = adj.offset[x]; e < adj.offset[x + 1]; ++e)
            result.edges[size_t(fill[size_t(adj.edges[size_t(e)].to)]++)] = {int(x), adj.edges[size_t(e)].length};
    return result;
}

// Converts working-day offsets to dates; plans repeat the same offsets often.
// Offsets from 0 up to `largest` are kept by day as far as the plan's size
// allows, those beyond (far apart) in a map.
template<typename TConvert>
class TDateCache
{
public:
    TDateCache(TConvert convert, int64_t largest, size_t tasks)
        : convert(convert)
    {
        const int64_t limit = int64_t(4 * tasks + 4096);
        const size_t days = largest < 0 ? 0 : size_t(largest < limit ? largest + 1 : limit);
        byDay.resize(days);
        known.resize(days, 0);
    }
    TDateTime operator()(int64_t days)
    {
        if (days >= 0 && uint64_t(days) < byDay.size()) {
            if (!known[size_t(days)]) {
                byDay[size_t(days)] = convert(days);
                known[size_t(days)] = 1;
            }
            return byDay[size_t(days)];
        }
        const auto found = cache.find(days);
        if (found != cache.end())
            return found->second;
        const TDateTime date = convert(days);
        cache.emplace(days, date);
        return date;
    }

private:
    TConvert convert;
    std::vector<TDateTime> byDay;
    std::vector<char> known;
    std::unordered_map<int64_t, TDateTime> cache;
};

// Working days a link leaves between its two ends beyond its distance, measured by `diff`.
template<class Diff>
double slackOf(const TPLXCriticalPathTask &from, const TPLXCriticalPathTask &to, const TPLXCriticalPathLink &link,
               Diff &&diff)
{
    const bool originAtStart = link.connType & 2;
    const bool targetAtStart = link.connType & 1;
    return diff(originAtStart ? from.startDate : from.endDate, targetAtStart ? to.startDate : to.endDate) -
           link.minDistance;
}

// The document above the table; null for a table that belongs to none yet.
TPLXDocumentSetup *documentOf(TPLXGanttTable *table)
{
    if (!table)
        return nullptr;
    const TPLXGanttObject *top = table;
    while (top->getParent())
        top = top->getParent();
    return dynamic_cast<const TPLXDocumentSetup *>(top) ? table->GetDocumentSetup() : nullptr;
}

} // namespace

TPLXCriticalPathResult TPLXCriticalPathCalculator::solve(const TPLXCriticalPathPlan &plan, IPLXCalendar &calendar)
{
    const auto &tasks = plan.tasks;
    const auto &links = plan.links;
    const int n = int(tasks.size());
    const int nodes = 2 * n;
    TPLXCriticalPathResult result;

    for (const TPLXCriticalPathTask &task : tasks) {
        if (result.projectStart == 0 || task.effectiveStart < result.projectStart)
            result.projectStart = task.effectiveStart;
        if (task.effectiveEnd > result.projectEnd)
            result.projectEnd = task.effectiveEnd;
    }

    // Only the first connection from one task to another counts: sort the
    // links by (from, to) keeping list order, then keep the first of each pair.
    std::vector<int> pairs;
    pairs.reserve(links.size());
    for (size_t k = 0; k < links.size(); ++k)
        if (links[k].from >= 0 && links[k].from < n && links[k].to >= 0 && links[k].to < n)
            pairs.push_back(int(k));
    sortByKey(pairs, n, links, false);
    sortByKey(pairs, n, links, true);
    pairs.erase(std::unique(pairs.begin(), pairs.end(),
                            [&](int a, int b) {
                                return links[a].from == links[b].from && links[a].to == links[b].to;
                            }),
                pairs.end());
    std::vector<int> pairStart(size_t(n) + 1, 0);
    for (const int k : pairs)
        ++pairStart[size_t(links[k].from) + 1];
    for (int i = 0; i < n; ++i)
        pairStart[size_t(i) + 1] += pairStart[size_t(i)];

    std::vector<char> startingBar(static_cast<size_t>(n), 1);
    std::vector<char> endingBar(static_cast<size_t>(n), 1);
    std::vector<int64_t> duration(static_cast<size_t>(n));
    result.LBTime.resize(size_t(n));
    for (int i = 0; i < n; ++i) {
        duration[size_t(i)] = std::llrint(tasks[size_t(i)].effectiveDuration);
        result.LBTime[size_t(i)] = result.projectEnd - tasks[size_t(i)].effectiveEnd;
    }
    // Straight to the calendar: its index answers in a few binary searches,
    // cheaper than keeping the answers in a map.
    const auto diff = [&calendar](TDateTime a, TDateTime b) { return calendar.diffEffective(a, b); };
    for (const int k : pairs) {
        const TPLXCriticalPathLink &link = links[size_t(k)];
        const bool originAtStart = link.connType & 2;
        const bool targetAtStart = link.connType & 1;
        if (!originAtStart)
            endingBar[size_t(link.from)] = 0;
        if (targetAtStart)
            startingBar[size_t(link.to)] = 0;
        // A start-finish connection of a bar to itself replaces its duration edge.
        if (link.from == link.to && originAtStart && !targetAtStart)
            duration[size_t(link.from)] = link.minDistance;
        TDateTime &lb = result.LBTime[size_t(link.from)];
        lb = std::min(lb, slackOf(tasks[size_t(link.from)], tasks[size_t(link.to)], link, diff));
    }

    // The edges the searches walk: length >= 0 and no loop on one node (the
    // visited mark of the node itself always stops those).
    TAdjacency forward;
    forward.offset.assign(size_t(nodes) + 1, 0);
    forward.edges.reserve(size_t(n) + pairs.size());
    auto add = [&](int to, int64_t length) {
        if (length >= 0)
            forward.edges.push_back({to, length});
    };
    for (int i = 0; i < n; ++i) {
        const int first = pairStart[size_t(i)];
        const int last = pairStart[size_t(i) + 1];
        bool durationAdded = false;
        for (int p = first; p < last; ++p) {
            const TPLXCriticalPathLink &link = links[size_t(pairs[size_t(p)])];
            if (!(link.connType & 2))
                continue;
            if (!durationAdded && link.to >= i) {
                add(2 * i + 1, duration[size_t(i)]);
                durationAdded = true;
            }
            if (link.to != i)
                add((link.connType & 1) ? 2 * link.to : 2 * link.to + 1, link.minDistance);
        }
        if (!durationAdded)
            add(2 * i + 1, duration[size_t(i)]);
        forward.offset[size_t(2 * i) + 1] = int(forward.edges.size());
        for (int p = first; p < last; ++p) {
            const TPLXCriticalPathLink &link = links[size_t(pairs[size_t(p)])];
            if (link.connType & 2)
                continue;
            const int target = (link.connType & 1) ? 2 * link.to : 2 * link.to + 1;
            if (target != 2 * i + 1)
                add(target, link.minDistance);
        }
        forward.offset[size_t(2 * i) + 2] = int(forward.edges.size());
    }
    const TAdjacency backward = transpose(forward);

    std::vector<int> forwardSources, backwardSources;
    for (int i = 0; i < n; ++i) {
        if (startingBar[size_t(i)])
            forwardSources.push_back(2 * i);
        if (endingBar[size_t(i)])
            backwardSources.push_back(2 * i + 1);
    }

    std::vector<int64_t> est(size_t(nodes), 0);
    std::vector<int64_t> lft(size_t(nodes), 0); // working days before the project end
    std::vector<int> order = peel(forward, backward);
    if (int(order.size()) == nodes) {
        TPass(forward, 0, est).run(forwardSources, nullptr, order);
        std::reverse(order.begin(), order.end());
        TPass(backward, 1, lft).run(backwardSources, nullptr, order);
    } else {
        // `order` holds the nodes no cycle leads to; `before` those that lead to none.
        std::vector<char> notBehindCycle(size_t(nodes), 0);
        for (const int x : order)
            notBehindCycle[size_t(x)] = 1;
        std::vector<int> before = peel(backward, forward);
        std::vector<char> notBeforeCycle(size_t(nodes), 0);
        for (const int x : before)
            notBeforeCycle[size_t(x)] = 1;
        std::reverse(before.begin(), before.end());
        TPass(forward, 0, est).run(forwardSources, &notBeforeCycle, before);
        std::reverse(order.begin(), order.end());
        TPass(backward, 1, lft).run(backwardSources, &notBehindCycle, order);
    }

    const int64_t largestStart = est.empty() ? 0 : *std::max_element(est.begin(), est.end());
    const int64_t largestFinish = lft.empty() ? 0 : *std::max_element(lft.begin(), lft.end());
    TDateCache toEarliest([&](int64_t days) { return calendar.addEffective(result.projectStart, double(days), true); },
                          largestStart, size_t(n));
    TDateCache toLatest([&](int64_t days) { return calendar.substrEffective(result.projectEnd, double(days)); },
                        largestFinish, size_t(n));
    result.ESTime.resize(size_t(n));
    result.LFTime.resize(size_t(n));
    result.GBTime.resize(size_t(n));
    for (int i = 0; i < n; ++i) {
        result.ESTime[size_t(i)] = toEarliest(est[size_t(2 * i)]);
        result.LFTime[size_t(i)] = toLatest(lft[size_t(2 * i + 1)]);
        result.GBTime[size_t(i)] = result.LFTime[size_t(i)] - tasks[size_t(i)].effectiveEnd;
    }

    for (int i = 0; i < n; ++i) {
        if (result.GBTime[size_t(i)] != 0)
            continue;
        result.criticalTasks.push_back(i);
        for (int p = pairStart[size_t(i)]; p < pairStart[size_t(i) + 1]; ++p)
            if (result.GBTime[size_t(links[size_t(pairs[size_t(p)])].to)] == 0)
                result.criticalLinks.push_back(pairs[size_t(p)]);
    }

    if (PLXLogListened()) {
        for (int i = 0; i < n; ++i) {
            const QString bar = QStringLiteral("bar ") + QString::number(i);
            PLXLog(bar + QStringLiteral(" EST = ") + PLXFloatToStr(result.ESTime[size_t(i)]));
            PLXLog(bar + QStringLiteral(" LFT = ") + PLXFloatToStr(result.LFTime[size_t(i)]));
            PLXLog(bar + QStringLiteral(" LBT = ") + PLXFloatToStr(result.LBTime[size_t(i)]));
            PLXLog(bar + QStringLiteral(" GBT = ") + PLXFloatToStr(result.GBTime[size_t(i)]));
        }
    }
    return result;
}

TPLXCriticalPathTask TPLXCriticalPathCalculator::taskOf(TPLXTaskBar &bar)
{
    TPLXCriticalPathTask task;
    task.effectiveDuration = bar.getEffectiveDuration();
    task.startDate = bar.getStartDate();
    task.endDate = bar.getEndDate();
    task.effectiveStart = bar.effectiveStart();
    task.effectiveEnd = bar.effectiveEnd();
    return task;
}

double TPLXCriticalPathCalculator::linkSlack(const TPLXCriticalPathTask &from, const TPLXCriticalPathTask &to,
                                             const TPLXCriticalPathLink &link, IPLXCalendar &calendar)
{
    return slackOf(from, to, link, [&calendar](TDateTime a, TDateTime b) { return calendar.diffEffective(a, b); });
}

TPLXCriticalPathCalculator::TPLXCriticalPathCalculator(TPLXGanttTable *table)
    : table(table)
{
}

TPLXCriticalPathCalculator::~TPLXCriticalPathCalculator() = default;

void TPLXCriticalPathCalculator::getTaskBarStart()
{
    lastBarIndex = -1;
    lastRow = 0;
}

TPLXTaskBar *TPLXCriticalPathCalculator::getNextTaskBar()
{
    if (!table)
        return nullptr;
    const QList<TPLXGanttRow *> &rows = table->rows();
    while (lastRow < rows.size()) {
        const QList<TPLXGanttBar *> &bars = rows[lastRow]->bars();
        while (++lastBarIndex < bars.size())
            if (TPLXTaskBar *task = bars[lastBarIndex]->asTaskBar())
                return task;
        lastBarIndex = -1;
        ++lastRow;
    }
    return nullptr;
}

int TPLXCriticalPathCalculator::countTaskBars()
{
    int count = 0;
    getTaskBarStart();
    while (getNextTaskBar())
        ++count;
    return count;
}

void TPLXCriticalPathCalculator::refreshCriticalPath()
{
    // The marks are cleared on every bar and connection the table and its
    // document hold now: an entity of the last result may have been freed since.
    // One pass over each reads what the plan needs as well: a large plan's
    // entities are far apart in memory.
    FCriticalBars.clear();
    FCriticalConnections.clear();
    FProjectStart = 0;
    FProjectEnd = 0;
    TPLXDocumentSetup *document = documentOf(table);
    // Without a calendar no working time can be measured: the marks are only cleared.
    TPLXDocumentCalendar *calendar = document ? document->getCalendar() : nullptr;

    TPLXCriticalPathPlan plan;
    std::vector<TPLXTaskBar *> bars;
    // Most plans hold a task per row.
    const size_t rowCount = table ? size_t(table->rows().size()) : 0;
    bars.reserve(rowCount);
    if (calendar)
        plan.tasks.reserve(rowCount);
    getTaskBarStart();
    while (TPLXTaskBar *bar = getNextTaskBar()) {
        bar->setCriticalElement(false);
        bar->FPlanIndex = int(bars.size()); // a bar listed twice keeps its last index
        bars.push_back(bar);
        if (calendar)
            plan.tasks.push_back(taskOf(*bar));
    }
    // A bar outside the list may still carry the index of an earlier run.
    const auto indexOf = [&bars](TPLXGanttBar *bar) {
        TPLXTaskBar *task = bar ? bar->asTaskBar() : nullptr;
        if (!task || task->FPlanIndex < 0 || size_t(task->FPlanIndex) >= bars.size() ||
            bars[size_t(task->FPlanIndex)] != task)
            return -1;
        return task->FPlanIndex;
    };
    std::vector<TPLXBarConnection *> connections;
    const int connectionCount = document ? document->countConnections() : 0;
    if (calendar) {
        connections.reserve(size_t(connectionCount));
        plan.links.reserve(size_t(connectionCount));
    }
    for (int k = 0; k < connectionCount; ++k) {
        TPLXBarConnection *c = document->getConnection(k);
        c->setCriticalElement(false);
        if (!calendar)
            continue;
        connections.push_back(c);
        plan.links.push_back(
            {indexOf(c->getFromBar()), indexOf(c->getToBar()), c->getConnType(), c->getMinDistance()});
    }
    if (!calendar)
        return;

    const TPLXCriticalPathResult result = solve(plan, *calendar);
    FProjectStart = result.projectStart;
    FProjectEnd = result.projectEnd;
    FCriticalBars.reserve(qsizetype(result.criticalTasks.size()));
    FCriticalConnections.reserve(qsizetype(result.criticalLinks.size()));
    std::vector<bool> critical(bars.size(), false);
    for (const int i : result.criticalTasks) {
        critical[size_t(i)] = true;
        FCriticalBars.append(bars[size_t(i)]);
    }
    for (size_t i = 0; i < bars.size(); ++i) {
        bars[i]->setESTime(result.ESTime[i]);
        bars[i]->setLFTime(result.LFTime[i]);
        bars[i]->setLBTime(result.LBTime[i]);
        bars[i]->setGBTime(result.GBTime[i]);
        if (critical[i])
            bars[i]->setCriticalElement(true);
    }
    for (const int k : result.criticalLinks) {
        connections[size_t(k)]->setCriticalElement(true);
        FCriticalConnections.append(connections[size_t(k)]);
    }
}
