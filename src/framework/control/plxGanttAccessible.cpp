#include "plxGanttAccessible.h"

#include "plxBarConnection.h"
#include "plxGanttBar.h"
#include "plxGanttDocument.h"
#include "plxGanttGraph.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxRessourceStrings.h"
#include "plxTaskBar.h"

#include <QAccessibleWidget>
#include <QDate>
#include <QHash>
#include <QLocale>
#include <QPointer>
#include <QWindow>

#include <cmath>

namespace {

class TGraphAccessible;

// The bar's first and last day in the locale's short date format; the end is the first day after it.
QString days(TPLXGanttBar &bar)
{
    const auto day = [](TDateTime d) {
        return QLocale().toString(QDate(1899, 12, 30).addDays(qint64(std::floor(d))), QLocale::ShortFormat);
    };
    const TDateTime start = bar.getStartDate();
    const TDateTime last = std::max(start, bar.getEndDate() - 1);
    return std::floor(last) > std::floor(start) ? day(start) + QStringLiteral(" – ") + day(last) : day(start);
}

// A row, bar or connection, found by its place in the bound document each
// time it is asked, so that it always describes what is there now.
class TItemAccessible : public QAccessibleInterface
{
public:
    TItemAccessible(TPLXGanttGraph *graph, int index)
        : FGraph(graph)
        , FIndex(index)
    {
    }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return FGraph ? FGraph->window()->windowHandle() : nullptr; }
    void setText(QAccessible::Text, const QString &) override {}
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    int index() const { return FIndex; }

protected:
    TPLXGanttTable *table() const
    {
        TPLXDataSource *ds = FGraph ? FGraph->getDataSource() : nullptr;
        return ds ? ds->GetTable() : nullptr;
    }
    TPLXGanttDocument *document() const
    {
        TPLXDataSource *ds = FGraph ? FGraph->getDataSource() : nullptr;
        return ds ? ds->root() : nullptr;
    }
    TGraphAccessible *graphAccessible() const;
    // A rectangle of the control in screen coordinates; empty when it was not drawn.
    QRect onScreen(const TRect &r) const
    {
        if (!FGraph || r.Right <= r.Left || r.Bottom <= r.Top)
            return {};
        return {FGraph->mapToGlobal(QPoint(r.Left, r.Top)), QSize(r.Right - r.Left, r.Bottom - r.Top)};
    }
    QAccessible::State stateOnScreen() const
    {
        QAccessible::State state;
        state.offscreen = rect().isEmpty();
        return state;
    }

    QPointer<TPLXGanttGraph> FGraph;
    const int FIndex;
};

class TRowAccessible : public TItemAccessible
{
public:
    using TItemAccessible::TItemAccessible;
    bool isValid() const override { return row() != nullptr; }
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override { return row() ? row()->GetBarCount() : 0; }
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface *bar = child(i); bar && bar->rect().contains(x, y))
                return bar;
        return nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && row() ? PLXRowName(row()) : QString();
    }
    QRect rect() const override
    {
        TPLXGanttRow *r = row();
        // Rows scrolled away above start where the first shown row does.
        if (!r || !r->IsVisible() || FIndex < table()->getScrolledLines())
            return {};
        const int top = table()->getRowStartY(FIndex);
        return onScreen({document()->getTreeWidth(), top, FGraph->width(), top + r->GetVisibleHeight()});
    }
    QAccessible::Role role() const override { return QAccessible::Row; }
    QAccessible::State state() const override
    {
        QAccessible::State state = stateOnScreen();
        state.invisible = row() && !row()->IsVisible();
        return state;
    }

private:
    TPLXGanttRow *row() const
    {
        TPLXGanttTable *t = table();
        return t && FIndex < t->countRows() ? t->getRow(FIndex) : nullptr;
    }
};

class TBarAccessible : public TItemAccessible
{
public:
    TBarAccessible(TPLXGanttGraph *graph, int row, int index)
        : TItemAccessible(graph, index)
        , FRow(row)
    {
    }
    int row() const { return FRow; }
    bool isValid() const override { return bar() != nullptr; }
    QAccessibleInterface *parent() const override;
    // Name: the task; description: its days, and whether it is critical; value: its progress.
    QString text(QAccessible::Text t) const override
    {
        TPLXGanttBar *b = bar();
        TPLXTaskBar *task = b ? b->asTaskBar() : nullptr;
        if (!b)
            return QString();
        if (t == QAccessible::Name)
            return PLXBarName(b);
        if (t == QAccessible::Description)
            return days(*b) + (task && task->getCriticalElement()
                                   ? QStringLiteral(", ") + PLXText(QStringLiteral("acc_critical"))
                                   : QString());
        if (t == QAccessible::Value && task)
            return PLXText(QStringLiteral("acc_progress")).arg(task->getProgress());
        return QString();
    }
    QRect rect() const override { return bar() ? onScreen(bar()->ganttDrawer()->getRect()) : QRect(); }
    QAccessible::State state() const override
    {
        QAccessible::State state = stateOnScreen();
        state.focusable = true;
        state.focused = bar() && bar()->isFocused();
        return state;
    }

private:
    TPLXGanttBar *bar() const
    {
        TPLXGanttTable *t = table();
        TPLXGanttRow *r = t && FRow < t->countRows() ? t->getRow(FRow) : nullptr;
        return r && FIndex < r->GetBarCount() ? r->GetBarInRow(FIndex) : nullptr;
    }
    const int FRow;
};

class TConnectionAccessible : public TItemAccessible
{
public:
    using TItemAccessible::TItemAccessible;
    bool isValid() const override { return connection() != nullptr; }
    QAccessibleInterface *parent() const override;
    // Name: from which bar to which; description: kind, distance and whether it is critical.
    QString text(QAccessible::Text t) const override
    {
        TPLXBarConnection *c = connection();
        if (!c)
            return QString();
        if (t == QAccessible::Name)
            return PLXBarName(c->getFromBar()) + QStringLiteral(" → ") + PLXBarName(c->getToBar());
        if (t != QAccessible::Description)
            return QString();
        static const char *const kinds[] = {"why_ff", "why_fs", "why_sf", "why_ss"};
        return PLXText(QStringLiteral("acc_link"))
                   .arg(PLXText(QLatin1String(kinds[c->getConnType() & 3])))
                   .arg(c->getMinDistance()) +
               (c->getCriticalElement() ? QStringLiteral(", ") + PLXText(QStringLiteral("acc_critical")) : QString());
    }
    QRect rect() const override
    {
        TPLXDrawer *drawer = connection() ? connection()->getDrawer(vtGanttGraph) : nullptr;
        return drawer ? onScreen(drawer->getRect()) : QRect();
    }
    QAccessible::State state() const override { return stateOnScreen(); }

private:
    TPLXBarConnection *connection() const
    {
        TPLXGanttDocument *d = document();
        return d && FIndex < d->countConnections() ? d->getConnection(FIndex) : nullptr;
    }
};

// The control: its rows, then its connections, then its own child widgets.
// Items are made when first asked for and live as long as the control's interface.
class TGraphAccessible : public QAccessibleWidget
{
public:
    explicit TGraphAccessible(TPLXGanttGraph *graph)
        : QAccessibleWidget(graph, QAccessible::Chart)
    {
    }
    ~TGraphAccessible() override
    {
        for (const QAccessible::Id id : std::as_const(FItems))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return rowCount() + connectionCount() + QAccessibleWidget::childCount(); }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0)
            return nullptr;
        if (index < rowCount())
            return row(index);
        if (index < rowCount() + connectionCount())
            return connection(index - rowCount());
        return QAccessibleWidget::child(index - rowCount() - connectionCount());
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (auto *row = dynamic_cast<const TRowAccessible *>(child))
            return row->index() < rowCount() ? row->index() : -1;
        if (auto *connection = dynamic_cast<const TConnectionAccessible *>(child))
            return connection->index() < connectionCount() ? rowCount() + connection->index() : -1;
        if (dynamic_cast<const TItemAccessible *>(child))
            return -1;
        const int own = QAccessibleWidget::indexOfChild(child);
        return own < 0 ? -1 : rowCount() + connectionCount() + own;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        TPLXDataSource *ds = graph()->getDataSource();
        TPLXDrawer *drawer = ds && ds->root() ? ds->root()->getDrawer(vtGanttGraph) : nullptr;
        const QPoint at = graph()->mapFromGlobal(QPoint(x, y));
        TPLXGanttObject *object = drawer ? drawer->locateObject(at.x(), at.y()) : nullptr;
        if (auto *bar = dynamic_cast<TPLXGanttBar *>(object); bar && bar->getParentRow())
            return row(bar->getRow());
        if (auto *c = dynamic_cast<TPLXBarConnection *>(object); c && ds->root()->getConnectionIndex(c) >= 0)
            return connection(ds->root()->getConnectionIndex(c));
        return QAccessibleWidget::childAt(x, y);
    }
    QString text(QAccessible::Text t) const override
    {
        const QString own = QAccessibleWidget::text(t);
        return t == QAccessible::Name && own.isEmpty() ? PLXText(QStringLiteral("pp_ps_ganttchart")) : own;
    }

    QAccessibleInterface *row(int r) const
    {
        return item(quint64(1) << 62 | quint64(r), [&] { return new TRowAccessible(graph(), r); });
    }
    QAccessibleInterface *bar(int r, int i) const
    {
        return item(quint64(2) << 62 | quint64(r) << 31 | quint64(i),
                    [&] { return new TBarAccessible(graph(), r, i); });
    }
    QAccessibleInterface *connection(int k) const
    {
        return item(quint64(3) << 62 | quint64(k), [&] { return new TConnectionAccessible(graph(), k); });
    }

private:
    TPLXGanttGraph *graph() const { return static_cast<TPLXGanttGraph *>(widget()); }
    int rowCount() const
    {
        TPLXDataSource *ds = graph()->getDataSource();
        return ds && ds->GetTable() ? ds->GetTable()->countRows() : 0;
    }
    int connectionCount() const
    {
        TPLXDataSource *ds = graph()->getDataSource();
        return ds && ds->root() ? ds->root()->countConnections() : 0;
    }
    template<typename TMake>
    QAccessibleInterface *item(quint64 key, TMake make) const
    {
        if (const auto found = FItems.constFind(key); found != FItems.cend())
            return QAccessible::accessibleInterface(*found);
        QAccessibleInterface *made = make();
        FItems.insert(key, QAccessible::registerAccessibleInterface(made));
        return made;
    }

    // Kind in the top two bits, then the row and the index within it.
    mutable QHash<quint64, QAccessible::Id> FItems;
};

TGraphAccessible *TItemAccessible::graphAccessible() const
{
    return FGraph ? dynamic_cast<TGraphAccessible *>(QAccessible::queryAccessibleInterface(FGraph.data())) : nullptr;
}

QAccessibleInterface *TRowAccessible::parent() const
{
    return graphAccessible();
}

QAccessibleInterface *TRowAccessible::child(int index) const
{
    TGraphAccessible *graph = graphAccessible();
    return graph && index >= 0 && index < childCount() ? graph->bar(FIndex, index) : nullptr;
}

int TRowAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    auto *bar = dynamic_cast<const TBarAccessible *>(child);
    return bar && bar->row() == FIndex && bar->index() < childCount() ? bar->index() : -1;
}

QAccessibleInterface *TBarAccessible::parent() const
{
    TGraphAccessible *graph = graphAccessible();
    return graph ? graph->row(FRow) : nullptr;
}

QAccessibleInterface *TConnectionAccessible::parent() const
{
    return graphAccessible();
}

QAccessibleInterface *factory(const QString &key, QObject *object)
{
    if (key == QLatin1String("TPLXGanttGraph"))
        if (auto *graph = qobject_cast<TPLXGanttGraph *>(object))
            return new TGraphAccessible(graph);
    return nullptr;
}

} // namespace

void PLXInstallGanttAccessibility()
{
    static const bool installed = (QAccessible::installFactory(factory), true);
    Q_UNUSED(installed);
}

void PLXGanttAccessibilityChanged(TPLXGanttGraph *graph)
{
    if (!graph || !QAccessible::isActive())
        return;
    QAccessibleEvent event(graph, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
}
