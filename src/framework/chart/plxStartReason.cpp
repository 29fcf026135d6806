#include "plxStartReason.h"

#include "plxBarConnection.h"
#include "plxCriticalPath.h"
#include "plxDocumentCalendar.h"
#include "plxGanttRow.h"
#include "plxRessourceStrings.h"
#include "plxTaskBar.h"
#include "plxTimeMode.h"

#include <QStringList>

#include <cmath>

namespace {

// Instants closer than a millisecond are the same, as everywhere in the calendar.
constexpr double kMillisecond = 1.0 / 86400000.0;

// The document above the bar; null for a bar outside one.
TPLXDocumentSetup *documentOf(TPLXGanttObject *object)
{
    while (object && object->getParent())
        object = object->getParent();
    return dynamic_cast<TPLXDocumentSetup *>(object);
}

// The first non-working category's name for the stretch at `date`, with the exception's name.
QString labelAt(IPLXCalendar &calendar, TDateTime date)
{
    for (int i = 0; IPLXDateCategory *category = calendar.getDateCategory(i); ++i) {
        if (category->getWorking())
            continue;
        if (IPLXDateException *exception = category->matchDate(date, tmNone))
            return exception->getName().isEmpty()
                       ? category->getName()
                       : QStringLiteral("%1 (%2)").arg(exception->getName(), category->getName());
    }
    return QString();
}

QString days(double value)
{
    // Adding 0 turns a rounded -0 into 0.
    return QString::number(std::nearbyint(value * 100) / 100 + 0.0);
}

QString date(TDateTime value, bool withTime)
{
    const TPLXDateParts parts = PLXDecodeDate(value);
    const QChar zero(QLatin1Char('0'));
    QString text = QStringLiteral("%1.%2.%3")
                       .arg(parts.dayOfMonth, 2, 10, zero)
                       .arg(parts.month, 2, 10, zero)
                       .arg(parts.year, 4, 10, zero);
    if (withTime) {
        const qint64 minutes = parts.msOfDay / 60000;
        text += QStringLiteral(" %1:%2").arg(int(minutes / 60), 2, 10, zero).arg(int(minutes % 60), 2, 10, zero);
    }
    return text;
}

// Whole days name their first and last day; anything else its two instants.
QString period(const TPLXNonWorkingSpan &span)
{
    const bool wholeDays = span.start == std::floor(span.start) && span.end == std::floor(span.end);
    if (!wholeDays)
        return date(span.start, true) + QStringLiteral(" – ") + date(span.end, true);
    if (span.end - span.start <= 1)
        return date(span.start, false);
    return date(span.start, false) + QStringLiteral(" – ") + date(span.end - 1, false);
}

} // namespace

bool TPLXStartReason::driven() const
{
    return nearest && slack < kMillisecond;
}

TPLXStartReason PLXExplainStart(TPLXTaskBar &bar)
{
    TPLXStartReason reason;
    TPLXDocumentSetup *document = documentOf(&bar);
    IPLXCalendar *calendar = document ? document->getCalendar() : nullptr;
    if (!calendar || !bar.getParentRow())
        return reason;

    // The connections the critical path counts: the first from each other task bar of the table.
    const TPLXCriticalPathTask task = TPLXCriticalPathCalculator::taskOf(bar);
    for (TPLXBarConnection *c : document->connectionsOf(&bar)) {
        TPLXGanttBar *from = c->getFromBar();
        TPLXTaskBar *fromTask = from ? from->asTaskBar() : nullptr;
        if (c->getToBar() != &bar || !fromTask || fromTask == &bar || !fromTask->getParentRow() ||
            document->findConnection(from, &bar, 4) != c)
            continue;
        const double slack =
            TPLXCriticalPathCalculator::linkSlack(TPLXCriticalPathCalculator::taskOf(*fromTask), task,
                                                  {0, 1, c->getConnType(), c->getMinDistance()}, *calendar);
        if (!reason.nearest || slack < reason.slack) {
            reason.nearest = c;
            reason.slack = slack;
        }
    }

    const TDateTime start = task.startDate;
    const TDateTime end = task.endDate;
    reason.stretch = std::max(0.0, (end - start) - calendar->diffEffective(start, end));
    TDateTime from = start;
    // A few steps past the listed stretches; zero-length windows cost a step each.
    for (int step = 0; step < 4 * TPLXStartReason::kMaxSpans && from < end; ++step) {
        TDateTime s = 0;
        double d = 0;
        calendar->findNextNonWorkingException(from, s, d);
        if (!(s < end))
            break;
        if (!(d > 0)) {
            from = s + kMillisecond;
            continue;
        }
        if (int(reason.spans.size()) == TPLXStartReason::kMaxSpans) {
            reason.moreSpans = true;
            break;
        }
        reason.spans.push_back({s, std::min(s + d, end), labelAt(*calendar, s)});
        from = s + d;
    }
    return reason;
}

QString PLXStartReasonText(const TPLXStartReason &reason, const std::function<QString(TPLXGanttBar *)> &nameOf)
{
    const auto name = [&](TPLXGanttBar *bar) {
        if (nameOf)
            return nameOf(bar);
        return PLXText(QStringLiteral("why_row")).arg(bar->getParentRow() ? bar->getRow() + 1 : 0);
    };
    QStringList lines{PLXText(QStringLiteral("why_title"))};
    if (TPLXBarConnection *c = reason.nearest) {
        static const char *const kinds[] = {"why_ff", "why_fs", "why_sf", "why_ss"};
        const QString kind = PLXText(QLatin1String(kinds[c->getConnType() & 3]));
        const QString from = name(c->getFromBar());
        const QString distance = days(c->getMinDistance());
        if (reason.driven()) {
            lines << PLXText(QStringLiteral("why_driven")).arg(from, kind, distance);
            if (reason.slack < -kMillisecond)
                lines << PLXText(QStringLiteral("why_violated")).arg(days(-reason.slack));
        } else {
            lines << PLXText(QStringLiteral("why_slack")).arg(from, kind, distance, days(reason.slack));
        }
    } else {
        lines << PLXText(QStringLiteral("why_free"));
    }
    if (reason.stretch > kMillisecond) {
        lines << PLXText(QStringLiteral("why_stretch")).arg(days(reason.stretch));
        for (const TPLXNonWorkingSpan &span : reason.spans)
            lines << span.label + QStringLiteral(": ") + period(span);
        if (reason.moreSpans)
            lines << QStringLiteral("…");
    }
    return lines.join(QLatin1Char('\n'));
}
