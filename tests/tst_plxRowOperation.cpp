// The composite row commands: which arguments disable them, what a performed
// command makes of the tree and the table, and that undo gives back exactly
// the document that was there before.
#include "plxDataSource.h"
#include "plxDocumentFixture.h"
#include "plxPlatform.h"
#include "plxRowOperation.h"
#include "plxSummaryBar.h"
#include "plxTreeFixture.h"

#include <QMap>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

using fixture::kMonday;
using MakeOp = std::function<std::unique_ptr<TPLXRowOperation>(TPLXDataSource *)>;

// Rows 0 A (group), 1 A1 and 2 A2 (tasks), 3 B (group), 4 B1 (group in B),
// 5 B1a (task), 6 C (task); or any other shape given as levels and the rows that hold a task.
struct Plan
{
    QTemporaryDir dir;
    TPLXRecordingScope recorder;
    TPLXDataSource ds;
    TPLXGanttTable *table = nullptr;
    TPLXTreeGrid *tree = nullptr;

    explicit Plan(const QList<int> &levels = {0, 1, 1, 0, 1, 2, 0}, const QList<int> &tasks = {1, 2, 5, 6})
    {
        fixture::Document d;
        for (int i = 0; i < levels.size(); ++i) {
            fixture::Row row;
            if (tasks.contains(i))
                row.bars.append({QStringLiteral("T%1").arg(i), kMonday + i, 1});
            d.rows.append(row);
        }
        ds.setStorage(fixture::storageFor(dir, QStringLiteral("plan.ini"), fixture::text(d)));
        ds.FAutoCreatePertBars = false;
        TPLXGanttDocument *doc = ds.root();
        table = doc->GetTable();
        table->FUpdateCriticalPath = false;
        delete doc->FTree;
        tree = treefix::attachTree(doc, levels);
        doc->FTree = tree;
        // Every group row starts with its summary bar, as the tree operations keep it.
        for (int i = 0; i < levels.size(); ++i) {
            if (i + 1 < levels.size() && levels[i + 1] > levels[i])
                table->getRow(i)->AddBar(new TPLXSummaryBar());
        }
        table->UpdateSummaryBars();
    }

    QStringList state() const { return treefix::snapshot(table, tree); }
    QList<int> levels() const { return treefix::levels(tree); }
    bool run(std::unique_ptr<TPLXOperation> op) { return ds.getUndoRedoStack().doOperation(std::move(op)); }
    bool undo() { return ds.getUndoRedoStack().undo(); }
    bool redo() { return ds.getUndoRedoStack().redo(); }

    // Every key of the saved document, as section/key = value.
    QMap<QString, QString> saved()
    {
        const QString path = dir.filePath(QStringLiteral("saved.ini"));
        ds.SaveToMedia(QStringLiteral("file://") + path);
        QMap<QString, QString> keys;
        QString section;
        for (const QByteArray &raw : plxReadFile(path).split('\n')) {
            const QString line = QString::fromUtf8(raw).trimmed();
            if (line.startsWith(QLatin1Char('[')))
                section = line.mid(1, line.size() - 2);
            else if (const qsizetype eq = line.indexOf(QLatin1Char('=')); eq > 0)
                keys.insert(section + QLatin1Char('/') + line.left(eq), line.mid(eq + 1));
        }
        return keys;
    }

    // What must hold after every step: one tree row per gantt row, numbered
    // as listed, and a summary bar in exactly the group rows.
    QString broken() const
    {
        if (tree->rowsCount() != table->countRows())
            return QStringLiteral("%1 tree rows, %2 gantt rows").arg(tree->rowsCount()).arg(table->countRows());
        for (int i = 0; i < table->countRows(); ++i) {
            TPLXGanttRow *row = table->getRow(i);
            TPLXTreeNode *node = tree->findNodeByIndex(i);
            if (row->getOrder() != i || !node || node->row()->getIndex() != i)
                return QStringLiteral("row %1 is numbered out of place").arg(i);
            if (row->countBarsOfKind<TPLXSummaryBar>() != (node->hasChildren() ? 1 : 0))
                return QStringLiteral("row %1 has %2 summary bars").arg(i).arg(row->countBarsOfKind<TPLXSummaryBar>());
        }
        return {};
    }
};

QString describe(const QMap<QString, QString> &a, const QMap<QString, QString> &b)
{
    QStringList diff;
    for (auto it = a.begin(); it != a.end(); ++it) {
        if (b.value(it.key(), QStringLiteral("<missing>")) != it.value())
            diff << it.key() + QLatin1Char('=') + it.value() + QStringLiteral(" / ") + b.value(it.key(), QStringLiteral("<missing>"));
    }
    for (auto it = b.begin(); it != b.end(); ++it) {
        if (!a.contains(it.key()))
            diff << it.key() + QStringLiteral(" added");
    }
    return diff.join(QLatin1Char('\n'));
}

} // namespace

class tst_plxRowOperation : public QObject
{
    Q_OBJECT

private slots:
    void disabledArguments_data();
    void disabledArguments();
    void theOnlyRowStays();
    void performedAndUndone_data();
    void performedAndUndone();
    void randomSequenceUndoesToTheSavedDocument();
};

void tst_plxRowOperation::disabledArguments_data()
{
    QTest::addColumn<MakeOp>("make");
    QTest::addColumn<bool>("disabled");

    const auto row = [](const char *name, MakeOp make, bool disabled) { QTest::newRow(name) << make << disabled; };
    row("append", [](TPLXDataSource *ds) { return std::make_unique<TPLXRowAppendOperation>(ds); }, false);
    const auto child = [](int parent) {
        return [parent](TPLXDataSource *ds) { return std::make_unique<TPLXRowChildInsertOperation>(ds, parent); };
    };
    row("child of a group", child(0), false);
    row("child of the root", child(-1), false);
    row("child of a plain row with a task", child(6), true);
    row("child of a row not there", child(7), true);
    row("child of an index below -1", child(-2), true);
    const auto insert = [](int at, int parent) {
        return [at, parent](TPLXDataSource *ds) { return std::make_unique<TPLXRowInsertOperation>(ds, at, parent); };
    };
    row("insert below 0", insert(-1, -1), true);
    row("insert past the end", insert(8, -1), true);
    row("insert at the end under the root", insert(7, -1), false);
    row("insert among the children", insert(1, 0), false);
    row("insert right after the branch", insert(3, 0), false);
    row("insert inside another branch", insert(4, 0), true);
    row("insert under a parent below: the row's own parent", insert(2, 6), false);
    row("insert under an index below -1", insert(1, -2), true);
    row("insert under a plain row with a task", insert(7, 6), true);
    row("insert among the root's children", insert(3, -1), false);
    row("insert into a grandchild's place under the root", insert(5, -1), true);
    for (const auto &[name, ctor] :
         {std::pair<const char *, int>{"row", 0}, std::pair<const char *, int>{"branch", 1}}) {
        const auto del = [ctor](int at) {
            return [ctor, at](TPLXDataSource *ds) -> std::unique_ptr<TPLXRowOperation> {
                if (ctor == 0)
                    return std::make_unique<TPLXRowDeleteOperation>(ds, at);
                return std::make_unique<TPLXBranchDeleteOperation>(ds, at);
            };
        };
        row(QByteArray("delete ").append(name).append(" below 0").constData(), del(-1), true);
        row(QByteArray("delete ").append(name).append(" past the end").constData(), del(7), true);
        row(QByteArray("delete ").append(name).append(" of a group").constData(), del(4), false);
    }
    const auto group = [](int first, int last) {
        return [first, last](TPLXDataSource *ds) { return std::make_unique<TPLXRowsGroupOperation>(ds, first, last); };
    };
    row("group two siblings", group(1, 2), false);
    row("group a whole branch", group(4, 5), false);
    row("group a row without its children", group(4, 4), true);
    row("group cutting a branch", group(2, 4), true);
    row("group from a row not there", group(7, 7), true);
    const auto reparent = [](int first, int last, int parent) {
        return [first, last, parent](TPLXDataSource *ds) {
            return std::make_unique<TPLXRowsChangeParentOperation>(ds, first, last, parent);
        };
    };
    row("re-parent to the root", reparent(1, 2, -1), false);
    row("re-parent to the group above", reparent(5, 5, 3), false);
    row("re-parent a branch into the group above", reparent(3, 5, 0), false);
    row("re-parent under a row not above", reparent(1, 2, 3), true);
    row("re-parent under a branch ending higher up", reparent(6, 6, 0), true);
    row("re-parent a row without its children", reparent(4, 4, 3), true);
    row("re-parent under an index below -1", reparent(1, 1, -2), true);
}

void tst_plxRowOperation::disabledArguments()
{
    QFETCH(MakeOp, make);
    QFETCH(bool, disabled);

    Plan plan;
    const QStringList before = plan.state();
    std::unique_ptr<TPLXRowOperation> op = make(&plan.ds);
    QCOMPARE(op->isDisabled(), disabled);
    if (disabled) {
        QVERIFY(!plan.run(std::move(op)));
        QCOMPARE(plan.state(), before);
        QCOMPARE(plan.ds.getUndoRedoStack().GetUndoOperationCount(), 0);
    }
}

void tst_plxRowOperation::theOnlyRowStays()
{
    Plan single({0}, {0});
    QVERIFY(TPLXRowDeleteOperation(&single.ds, 0).isDisabled());
    QVERIFY(TPLXBranchDeleteOperation(&single.ds, 0).isDisabled());
}

void tst_plxRowOperation::performedAndUndone_data()
{
    QTest::addColumn<MakeOp>("make");
    QTest::addColumn<QList<int>>("levels");
    // Rows whose (single) task bar is the one that row 1, 2, 5 or 6 held before, -1 for none.
    QTest::addColumn<QList<int>>("tasks");

    QTest::newRow("append") << MakeOp([](TPLXDataSource *ds) { return std::make_unique<TPLXRowAppendOperation>(ds); })
                            << QList<int>{0, 1, 1, 0, 1, 2, 0, 0} << QList<int>{1, 2, 5, 6};
    QTest::newRow("child insert")
        << MakeOp([](TPLXDataSource *ds) { return std::make_unique<TPLXRowChildInsertOperation>(ds, 0); })
        << QList<int>{0, 1, 1, 1, 0, 1, 2, 0} << QList<int>{1, 2, 6, 7};
    QTest::newRow("insert among children")
        << MakeOp([](TPLXDataSource *ds) { return std::make_unique<TPLXRowInsertOperation>(ds, 1, 0); })
        << QList<int>{0, 1, 1, 1, 0, 1, 2, 0} << QList<int>{2, 3, 6, 7};
    QTest::newRow("insert under the root")
        << MakeOp([](TPLXDataSource *ds) { return std::make_unique<TPLXRowInsertOperation>(ds, 3, -1); })
        << QList<int>{0, 1, 1, 0, 0, 1, 2, 0} << QList<int>{1, 2, 6, 7};
    QTest::newRow("delete a group row: its child moves up")
        << MakeOp([](TPLXDataSource *ds) { return std::make_unique<TPLXRowDeleteOperation>(ds, 4); })
        << QList<int>{0, 1, 1, 0, 1, 0} << QList<int>{1, 2, 4, 5};
    QTest::newRow("delete a task row")
        << MakeOp([](TPLXDataSource *ds) { return std::make_unique<TPLXRowDeleteOperation>(ds, 1); })
        << QList<int>{0, 1, 0, 1, 2, 0} << QList<int>{-1, 1, 4, 5};
    QTest::newRow("delete a branch")
        << MakeOp([](TPLXDataSource *ds) { return std::make_unique<TPLXBranchDeleteOperation>(ds, 3); })
        << QList<int>{0, 1, 1, 0} << QList<int>{1, 2, -1, 3};
    QTest::newRow("group two siblings")
        << MakeOp([](TPLXDataSource *ds) { return std::make_unique<TPLXRowsGroupOperation>(ds, 1, 2); })
        << QList<int>{0, 1, 2, 2, 0, 1, 2, 0} << QList<int>{2, 3, 6, 7};
    QTest::newRow("group the last rows of two levels")
        << MakeOp([](TPLXDataSource *ds) { return std::make_unique<TPLXRowsGroupOperation>(ds, 5, 6); })
        << QList<int>{0, 1, 1, 0, 1, 2, 3, 3} << QList<int>{1, 2, 6, 7};
    QTest::newRow("re-parent one row")
        << MakeOp([](TPLXDataSource *ds) { return std::make_unique<TPLXRowsChangeParentOperation>(ds, 5, 5, 3); })
        << QList<int>{0, 1, 1, 0, 1, 1, 0} << QList<int>{1, 2, 5, 6};
    QTest::newRow("re-parent a branch, flattened")
        << MakeOp([](TPLXDataSource *ds) { return std::make_unique<TPLXRowsChangeParentOperation>(ds, 3, 5, 0); })
        << QList<int>{0, 1, 1, 1, 1, 1, 0} << QList<int>{1, 2, 5, 6};
}

void tst_plxRowOperation::performedAndUndone()
{
    QFETCH(MakeOp, make);
    QFETCH(QList<int>, levels);
    QFETCH(QList<int>, tasks);

    Plan plan;
    const QStringList before = plan.state();
    const QMap<QString, QString> savedBefore = plan.saved();
    QList<TPLXGanttBar *> taskBars;
    for (int row : {1, 2, 5, 6})
        taskBars << plan.table->getRow(row)->GetBarInRow(0);

    QVERIFY(plan.run(make(&plan.ds)));
    QCOMPARE(plan.levels(), levels);
    QCOMPARE(plan.broken(), QString());
    for (int k = 0; k < tasks.size(); ++k) {
        if (tasks[k] >= 0)
            QCOMPARE(taskBars[k]->getParentRow(), plan.table->getRow(tasks[k]));
        else
            QVERIFY(!plan.table->rows().contains(taskBars[k]->getParentRow()));
    }
    const QStringList after = plan.state();

    QVERIFY(plan.undo());
    QCOMPARE(plan.state(), before);
    const QMap<QString, QString> savedAgain = plan.saved();
    QVERIFY2(savedAgain == savedBefore, qPrintable(describe(savedBefore, savedAgain)));
    QVERIFY(plan.redo());
    QCOMPARE(plan.state(), after);
}

void tst_plxRowOperation::randomSequenceUndoesToTheSavedDocument()
{
    for (quint32 seed : {1u, 7u, 42u, 2024u}) {
        Plan plan;
        const QStringList before = plan.state();
        const QMap<QString, QString> savedBefore = plan.saved();
        QRandomGenerator random(seed);
        int performed = 0;
        for (int step = 0; step < 60; ++step) {
            const int n = plan.table->countRows();
            const int a = random.bounded(-1, n + 1);
            const int b = random.bounded(-1, n + 1);
            const int c = random.bounded(-1, n + 1);
            std::unique_ptr<TPLXRowOperation> op;
            switch (random.bounded(7)) {
            case 0: op = std::make_unique<TPLXRowAppendOperation>(&plan.ds); break;
            case 1: op = std::make_unique<TPLXRowChildInsertOperation>(&plan.ds, a); break;
            case 2: op = std::make_unique<TPLXRowInsertOperation>(&plan.ds, a, b); break;
            case 3: op = std::make_unique<TPLXRowDeleteOperation>(&plan.ds, a); break;
            case 4: op = std::make_unique<TPLXBranchDeleteOperation>(&plan.ds, a); break;
            case 5: op = std::make_unique<TPLXRowsGroupOperation>(&plan.ds, std::min(a, b), std::max(a, b)); break;
            default: op = std::make_unique<TPLXRowsChangeParentOperation>(&plan.ds, a, b, c); break;
            }
            const bool disabled = op->isDisabled();
            const QStringList was = plan.state();
            const bool done = plan.run(std::move(op));
            // Only a disabled command fails, and it changes nothing.
            QVERIFY2(done != disabled, qPrintable(QStringLiteral("seed %1 step %2").arg(seed).arg(step)));
            if (!done)
                QCOMPARE(plan.state(), was);
            performed += done ? 1 : 0;
            QVERIFY2(plan.broken().isEmpty(),
                     qPrintable(QStringLiteral("seed %1 step %2: %3").arg(seed).arg(step).arg(plan.broken())));
            if (done && random.bounded(4) == 0) {
                const QStringList now = plan.state();
                QVERIFY(plan.undo());
                QCOMPARE(plan.state(), was);
                QVERIFY(plan.redo());
                QCOMPARE(plan.state(), now);
            }
        }
        QVERIFY(performed > 10);
        while (plan.ds.getUndoRedoStack().GetUndoOperationCount() > 0)
            QVERIFY(plan.undo());
        QCOMPARE(plan.state(), before);
        const QMap<QString, QString> savedAfter = plan.saved();
        QVERIFY2(savedAfter == savedBefore, qPrintable(describe(savedBefore, savedAfter)));
    }
}

QTEST_MAIN(tst_plxRowOperation)
#include "tst_plxRowOperation.moc"
