// Generated plans for the benchmarks: each task is a row with one task bar,
// optionally linked finish-start to the next two tasks, under a weekend
// calendar; optionally with a week and a day band and a task tree (named but
// not written, so loading makes the default tree, a row per chart row), and
// with task bars of a set height.
#pragma once

#include <QByteArray>

#include <functional>

namespace plxbench {

struct PlanShape
{
    bool links = true;
    bool bands = false;
    // The task bars' height in pixels; 0 leaves the document without task bar settings.
    int barHeight = 0;
    // Links hold their distance exactly, as stored links do by default; otherwise a task may start later.
    bool fixedDistances = true;
    // The start day of task i (days after 46390) among n tasks.
    std::function<int(int i, int n)> startDay = [](int i, int) { return i % 400; };
};

inline QByteArray generatePlan(int tasks, const PlanShape &shape = {})
{
    QByteArray text;
    text.reserve(static_cast<qsizetype>(tasks) * 360);
    const auto n = [](int i) { return QByteArray::number(i); };
    const int linkCount = shape.links && tasks > 1 ? 2 * tasks - 3 : 0;
    text += "[root]\ntypeID=Document\nstartDate=46388\ntable=Plan Table\ncalendar=Plan Calendar\n";
    if (shape.bands)
        text += "tree=Plan Tree\ntime scales#count=2\ntime scales#0=Week Scale\ntime scales#1=Day Scale\n";
    if (shape.barHeight > 0)
        text += "task bar settings=Plan Bars\n";
    text += "connections#count=" + n(linkCount) + "\n";
    int links = 0;
    for (int i = 0; i + 1 < tasks && links < linkCount; ++i)
        for (int step = 1; step <= 2 && i + step < tasks; ++step)
            text += "connections#" + n(links++) + "=Link " + n(i) + "-" + n(i + step) + "\n";
    if (shape.bands)
        text += "\n[Week Scale]\ntypeID=Time Scale\nrelative time mode=1\n\n[Day Scale]\ntypeID=Time Scale\n"
                "grid=Plan Table\n";
    if (shape.barHeight > 0)
        text += "\n[Plan Bars]\ntypeID=Task Bar Settings\nHeight=" + n(shape.barHeight) + "\n";
    text += "\n[Plan Calendar]\ntypeID=Document Calendar\ncategories#count=1\ncategories#0=Weekends\n"
            "\n[Weekends]\ntypeID=Predefined Date Category\n";
    text += "\n[Plan Table]\ntypeID=Gantt Table\nrows#count=" + n(tasks) + "\n";
    for (int i = 0; i < tasks; ++i)
        text += "rows#" + n(i) + "=Row " + n(i) + "\n";
    for (int i = 0; i < tasks; ++i) {
        text += "\n[Row " + n(i) + "]\ntypeID=Gantt Row\nheight=25\nbars#count=1\nbars#0=Task " + n(i) + "\n";
        text += "\n[Task " + n(i) + "]\ntypeID=Task Bar\nstart date=" + n(46390 + shape.startDay(i, tasks)) +
                "\neffective duration=" + n(1 + i % 9) + "\nprogress=" + n(i % 101) + "\n";
    }
    for (int i = 0; i + 1 < tasks && linkCount > 0; ++i)
        for (int step = 1; step <= 2 && i + step < tasks; ++step)
            text += "\n[Link " + n(i) + "-" + n(i + step) + "]\ntypeID=Bar Connection\nfrom=Task " + n(i) +
                    "\nto=Task " + n(i + step) + "\ntype=1\ndistance=0\n" +
                    (shape.fixedDistances ? "" : "distanceFixed=0\n");
    return text;
}

} // namespace plxbench
