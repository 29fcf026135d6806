// Gives a test document a task tree over its table rows, nested by levels in
// pre-order, and snapshots rows, bars and tree shape for exact comparisons.
#pragma once

#include "plxDocumentFixture.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxPlatform.h"
#include "plxTaskBar.h"
#include "plxTreeCell.h"
#include "plxTreeGrid.h"
#include "plxTreeNode.h"
#include "plxTreeRow.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

namespace plxtest {

// A tree grid whose nodes follow `levels` (level of each row in pre-order;
// 0 hangs under the root). `owner` becomes its parent; the grid is returned.
// Given a `header`, the grid takes it and makes each row with its cells, in `rowSettings` when given (the grid takes
// them too).
inline TPLXTreeGrid *attachTree(TPLXGanttObject *owner, const QList<int> &levels, TPLXTreeHeader *header = nullptr,
                                TPLXTreeRowSettings *rowSettings = nullptr)
{
    auto *tree = new TPLXTreeGrid();
    tree->setParent(owner);
    if (header)
        tree->setHeader(header);
    tree->setDefaultRowSettings(rowSettings);
    if (!tree->getRootNode())
        tree->setRootNode(new TPLXTreeNode());
    QList<TPLXTreeNode *> parents{tree->getRootNode()};
    for (int level : levels) {
        auto *node = new TPLXTreeNode(header ? tree->makeBlankRow() : new TPLXTreeRow());
        parents.resize(level + 1);
        parents[level]->addChild(node, -1);
        parents.append(node);
    }
    tree->getRootNode()->setIndexes(0);
    return tree;
}

// The level of every row, in pre-order.
inline QList<int> levels(TPLXTreeGrid *tree)
{
    QList<TPLXTreeNode *> nodes;
    tree->getRootNode()->flatten(nodes);
    QList<int> result;
    for (TPLXTreeNode *node : nodes) {
        int level = -1;
        for (TPLXTreeNode *p = node->parentNode(); p; p = p->parentNode())
            ++level;
        result.append(level);
    }
    return result;
}

// Everything a row change may touch, as text: for each row its gantt row
// object, its tree row object and parent row index, and its bars with dates.
inline QStringList snapshot(TPLXGanttTable *table, TPLXTreeGrid *tree)
{
    QStringList lines;
    QList<TPLXTreeNode *> nodes;
    tree->getRootNode()->flatten(nodes);
    for (int i = 0; i < table->countRows(); ++i) {
        TPLXGanttRow *row = table->getRow(i);
        QString line = QStringLiteral("row %1 order %2 height %3 @%4")
                           .arg(i)
                           .arg(row->getOrder())
                           .arg(row->getHeight())
                           .arg(quintptr(row), 0, 16);
        if (i < nodes.size()) {
            line += QStringLiteral(" node @%1 parent %2 index %3")
                        .arg(quintptr(nodes[i]), 0, 16)
                        .arg(nodes[i]->GetParentIndex())
                        .arg(nodes[i]->row() ? nodes[i]->row()->getIndex() : -2);
        }
        for (TPLXGanttBar *bar : row->bars()) {
            const TPLXBarTimes t = bar->getTimes();
            line += QStringLiteral(" | %1 @%2 %3..%4/%5")
                        .arg(QString::fromLatin1(bar->metaObject()->className()))
                        .arg(quintptr(bar), 0, 16)
                        .arg(t.start)
                        .arg(t.end)
                        .arg(t.effective);
        }
        lines << line;
    }
    lines << QStringLiteral("tree rows %1").arg(nodes.size());
    return lines;
}

// A plan loaded through a data source from `doc`, its document's tree replaced
// by one of `levels` (and `header`, as attachTree takes it).
struct LoadedPlan
{
    QTemporaryDir dir;
    TPLXRecordingScope recorder;
    TPLXDataSource ds;
    TPLXGanttTable *table = nullptr;
    TPLXTreeGrid *tree = nullptr;

    LoadedPlan(const Document &doc, const QList<int> &levels, TPLXTreeHeader *header = nullptr)
    {
        ds.setStorage(storageFor(dir, QStringLiteral("plan.ini"), text(doc)));
        table = ds.root()->GetTable();
        table->setAutoUpdateCriticalPath(false);
        delete ds.root()->GetTree();
        tree = attachTree(ds.root(), levels, header);
        ds.root()->setTree(tree);
    }
    QStringList state() const { return snapshot(table, tree); }
    TPLXUndoRedoStack &stack() { return ds.getUndoRedoStack(); }
    bool run(std::unique_ptr<TPLXOperation> op) { return stack().doOperation(std::move(op)); }
};

// Empty when the tree and the table agree: the same rows in the same order, hidden under collapsed nodes only,
// every row with a cell for each column, computed texts up to date.
inline QString disagreement(TPLXDataSource &ds)
{
    TPLXTreeGrid *tree = ds.GetTree();
    TPLXGanttTable *table = ds.GetTable();
    // The nodes in pre-order, each with whether a collapsed node lies above it: one walk down, for large plans.
    QList<TPLXTreeNode *> nodes;
    QList<bool> under;
    const std::function<void(TPLXTreeNode *, bool)> walk = [&](TPLXTreeNode *node, bool collapsed) {
        for (TPLXTreeNode *child : node->children()) {
            nodes << child;
            under << collapsed;
            walk(child, collapsed || child->isCollapsed());
        }
    };
    walk(tree->getRootNode(), tree->getRootNode()->isCollapsed());
    if (nodes.size() != table->countRows() || tree->getRootNode()->findNodeByIndex(int(nodes.size())))
        return QStringLiteral("%1 tree rows, %2 table rows").arg(nodes.size()).arg(table->countRows());
    for (int i = 0; i < nodes.size(); ++i) {
        const bool hidden = under[i];
        TPLXTreeRow *row = nodes[i]->row();
        if (!row || row->getIndex() != i || tree->getRootNode()->findNodeByIndex(i) != nodes[i] ||
            table->getRow(i)->getOrder() != i || table->getRow(i)->isCollapsed() != hidden ||
            row->cellsCount() != tree->getHeader()->countCells())
            return QStringLiteral("row %1: index %2 order %3 hidden %4/%5 cells %6/%7")
                .arg(i)
                .arg(row ? row->getIndex() : -2)
                .arg(table->getRow(i)->getOrder())
                .arg(table->getRow(i)->isCollapsed())
                .arg(hidden)
                .arg(row ? row->cellsCount() : -1)
                .arg(tree->getHeader()->countCells());
        for (int c = 0; c < row->cellsCount(); ++c) {
            const QString shown = row->getCell(c)->GetText();
            row->getCell(c)->updateText();
            if (row->getCell(c)->GetText() != shown)
                return QStringLiteral("row %1 cell %2: %3, not %4")
                    .arg(i)
                    .arg(c)
                    .arg(shown, row->getCell(c)->GetText());
        }
    }
    return QString();
}

// The critical-path results the document holds now: of each task bar, its mark and times, and each connection's
// mark. Numbers, not text: a large plan compares them twice a step.
struct CriticalMarks
{
    QList<double> bars;
    QList<bool> connections;
    bool operator==(const CriticalMarks &) const = default;
};

inline CriticalMarks criticalPath(TPLXDataSource &ds)
{
    TPLXGanttTable *table = ds.GetTable();
    CriticalMarks marks;
    for (TPLXGanttBar *bar : table->allBarsIn(0, table->countRows() - 1))
        if (auto *task = dynamic_cast<TPLXTaskBar *>(bar))
            marks.bars << double(task->getCriticalElement()) << task->getESTime() << task->getLFTime()
                       << task->getLBTime() << task->getGBTime();
    for (int k = 0; k < ds.root()->countConnections(); ++k)
        marks.connections << ds.root()->getConnection(k)->getCriticalElement();
    return marks;
}

} // namespace plxtest
