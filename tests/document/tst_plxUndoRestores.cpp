// A soak of the data source's editing commands (bars, connections, PERT boxes, rows, tree, columns, sorting),
// interleaved with undo, redo and grouping. After every step the tree and the table agree and the critical path is
// what a fresh computation gives; at the end, undoing everything gives back the first save and redoing everything
// the last one, key by key. A failure names the seed, the step and the command, to replay as a script row.
#include "plxBarConnection.h"
#include "plxGanttTable.h"
#include "plxImageBar.h"
#include "plxPertBar.h"
#include "plxTaskBar.h"
#include "plxTextBar.h"
#include "plxTreeCell.h"
#include "plxTreeFixture.h"
#include "plxTreeGrid.h"
#include "plxTreeNode.h"
#include "plxTreeRow.h"

#include <QRandomGenerator>
#include <QtTest>

#include <functional>
#include <typeinfo>

namespace {

struct Walk
{
    TPLXDataSource &ds;
    TPLXGanttTable *table() const { return ds.GetTable(); }
    TPLXTreeGrid *tree() const { return ds.GetTree(); }
    TPLXTreeHeader *header() const { return tree()->getHeader(); }
    TPLXUndoRedoStack &stack() const { return ds.getUndoRedoStack(); }
    QList<TPLXGanttBar *> bars() const { return table()->allBarsIn(0, table()->countRows() - 1); }
    QList<TPLXPertBar *> boxes() const
    {
        QList<TPLXPertBar *> found;
        for (TPLXGanttRow *row : table()->rows())
            if (row->pertBar())
                found << row->pertBar();
        return found;
    }
    bool run(std::unique_ptr<TPLXOperation> op) const { return op && stack().doOperation(std::move(op)); }
    // Connections belong to the document once added, and stay ours when refused.
    bool connect(TPLXGanttBar *from, TPLXGanttBar *to, int type, bool pert) const
    {
        auto c = std::make_unique<TPLXBarConnection>(from, to, type, ds.root());
        const bool ok = pert ? ds.PertConnectionAdd(c.get()) : ds.ConnectionAdd(c.get());
        if (c->getParent() || ok)
            (void)c.release();
        return ok;
    }
};

using Args = QList<int>;

// A command: its name, the kinds of its arguments and what it does. Kinds: r row (one beyond either end), b bar,
// c connection, p PERT box, q PERT connection, k column, d day, h height, x pixel, s small step, f flag.
struct Command
{
    const char *name;
    const char *kinds;
    std::function<bool(const Walk &, const Args &)> run;
};

TPLXTreeCellType *cellType(int kind)
{
    switch (kind % 4) {
    case 0:
        return new TPLXTreeSimpleTextCellType();
    case 1:
        return new TPLXTreeSpinCellType();
    case 2:
        return new TPLXTreeDateTimeCellType();
    default:
        return new TPLXTreeAutoCellStartDate();
    }
}

const QList<Command> &commands()
{
    static const QList<Command> all{
        {"BarAdd", "rdd",
         [](const Walk &w, const Args &a) {
             auto bar =
                 std::make_unique<TPLXTaskBar>(plxtest::kMonday + a[1], plxtest::kMonday + a[1] + 1 + a[2] % 4, 0);
             const bool ok = w.ds.BarAdd(bar.get(), a[0]);
             if (ok)
                 (void)bar.release(); // the row's now
             return ok;
         }},
        // An image bar, a milestone or a note.
        {"PictureOrTextAdd", "rdds",
         [](const Walk &w, const Args &a) {
             const TDateTime start = plxtest::kMonday + a[1], end = start + 1 + a[2] % 4;
             const int kind = std::abs(a[3]) % 3;
             std::unique_ptr<TPLXGanttBar> bar(kind == 0 ? static_cast<TPLXGanttBar *>(new TPLXImageBar(start, end))
                                               : kind == 1
                                                   ? static_cast<TPLXGanttBar *>(new TPLXMilestoneBar(start, end))
                                                   : new TPLXTextBar(start, end));
             return w.ds.BarAdd(bar.get(), a[0]) && bar.release(); // the row's once added
         }},
        {"BarDelete", "b", [](const Walk &w, const Args &a) { return w.ds.BarDelete(w.bars()[a[0]]); }},
        {"BarMove", "bdr",
         [](const Walk &w, const Args &a) {
             return w.ds.BarMove(w.bars()[a[0]], plxtest::kMonday + a[1] * 0.5, a[2]);
         }},
        {"BarResize", "bsf",
         [](const Walk &w, const Args &a) { return w.ds.BarResize(w.bars()[a[0]], a[1], 15 * a[1], a[2]); }},
        {"BarAssignTime", "bdd",
         [](const Walk &w, const Args &a) {
             return w.ds.BarAssignTime(w.bars()[a[0]], plxtest::kMonday + a[1],
                                       plxtest::kMonday + a[1] + a[2] % 6 - 1);
         }},
        {"ConnectionAdd", "bbs",
         [](const Walk &w, const Args &a) {
             return a[0] != a[1] && w.connect(w.bars()[a[0]], w.bars()[a[1]], std::abs(a[2]) % 4, false);
         }},
        {"ConnectionDelete", "c",
         [](const Walk &w, const Args &a) { return w.ds.ConnectionDelete(w.ds.root()->getConnection(a[0])); }},
        {"RowClear", "r", [](const Walk &w, const Args &a) { return w.ds.RowClear(a[0]); }},
        {"ResolveDistanceViolations", "b",
         [](const Walk &w, const Args &a) {
             const int before = w.stack().GetUndoOperationCount();
             return w.ds.ResolveDistanceViolations(w.bars()[a[0]]) && w.stack().GetUndoOperationCount() > before;
         }},
        {"PertBarAdd", "rxx", [](const Walk &w, const Args &a) { return w.ds.PertBarAdd(a[0], a[1], a[2]); }},
        {"PertBarDelete", "p", [](const Walk &w, const Args &a) { return w.ds.PertBarDelete(w.boxes()[a[0]]); }},
        {"PertConnectionAdd", "pp",
         [](const Walk &w, const Args &a) {
             return a[0] != a[1] && w.connect(w.boxes()[a[0]], w.boxes()[a[1]], 0, true);
         }},
        {"PertConnectionDelete", "q",
         [](const Walk &w, const Args &a) { return w.ds.PertConnectionDelete(w.table()->GetPertConnection(a[0])); }},
        {"PertBarMove", "pxx",
         [](const Walk &w, const Args &a) { return w.run(w.boxes()[a[0]]->moveTo(a[1], a[2])); }},
        {"ColumnAdd", "ks",
         [](const Walk &w, const Args &a) { return w.ds.ColumnAdd(a[0] + (a[1] & 1), cellType(std::abs(a[1]))); }},
        // One column always stays: a tree without columns has nothing to show.
        {"ColumnDelete", "k",
         [](const Walk &w, const Args &a) { return w.header()->countCells() > 1 && w.ds.ColumnDelete(a[0]); }},
        {"ColumnResize", "kh",
         [](const Walk &w, const Args &a) {
             return w.run(std::make_unique<TPLXTreeCellResizeOperation>(&w.ds, w.header()->getHeaderCell(a[0]), a[1]));
         }},
        {"ColumnMove", "kk", [](const Walk &w, const Args &a) { return w.run(w.tree()->moveColumn(a[0], a[1])); }},
        {"Sort", "kf",
         [](const Walk &w, const Args &a) {
             return w.run(w.tree()->sortRows(a[0], a[1] ? sortAscending : sortDescending));
         }},
        {"SortNone", "k", [](const Walk &w, const Args &a) { return w.run(w.tree()->sortRows(a[0], sortNone)); }},
        {"RowAppend", "", [](const Walk &w, const Args &) { return w.ds.RowAppend(); }},
        {"RowInsert", "rr", [](const Walk &w, const Args &a) { return w.ds.RowInsert(a[0], a[1]); }},
        {"RowChildInsert", "r", [](const Walk &w, const Args &a) { return w.ds.RowChildInsert(a[0]); }},
        // Deletions leave at least three rows for the walk to work on.
        {"RowDelete", "r",
         [](const Walk &w, const Args &a) { return w.table()->countRows() > 3 && w.ds.RowDelete(a[0]); }},
        {"BranchDelete", "r",
         [](const Walk &w, const Args &a) {
             return w.table()->countRows() - std::max(1, w.tree()->DescendantsCount(a[0]) + 1) >= 3 &&
                    w.ds.BranchDelete(a[0]);
         }},
        {"RowsGroup", "rs",
         [](const Walk &w, const Args &a) { return w.ds.RowsGroup(a[0], a[0] + std::abs(a[1]) % 3); }},
        {"RowsChangeParent", "rsr",
         [](const Walk &w, const Args &a) { return w.ds.RowsChangeParent(a[0], a[0] + std::abs(a[1]) % 3, a[2]); }},
        {"RowResize", "rh",
         [](const Walk &w, const Args &a) {
             TPLXGanttRow *row = w.table()->getRow(a[0]);
             return row && w.run(std::make_unique<TPLXRowResizeOperation>(&w.ds, a[1], row));
         }},
        {"RowCollapse", "r",
         [](const Walk &w, const Args &a) {
             TPLXTreeNode *node = a[0] >= 0 ? w.tree()->findNodeByIndex(a[0]) : nullptr;
             return node && w.run(std::make_unique<TPLXNodeCollapseOperation>(&w.ds, node));
         }},
        {"RowReposition", "rr",
         [](const Walk &w, const Args &a) {
             return a[1] < w.table()->countRows() && w.run(w.tree()->repositionRow(a[0], a[1]));
         }},
        {"DeleteSelected", "rr",
         [](const Walk &w, const Args &a) {
             const int before = w.stack().GetUndoOperationCount();
             w.tree()->deselectAll();
             w.tree()->select(a[0], true);
             w.tree()->select(a[1], true);
             if (w.table()->countRows() > 4)
                 w.ds.deleteSelected();
             w.tree()->deselectAll();
             return w.stack().GetUndoOperationCount() > before;
         }},
        {"Undo", "", [](const Walk &w, const Args &) { return w.stack().undo(); }},
        {"Redo", "", [](const Walk &w, const Args &) { return w.stack().redo(); }},
        {"StartGrouping", "", [](const Walk &w, const Args &) { return w.stack().startGrouping(), false; }},
        {"EndGrouping", "", [](const Walk &w, const Args &) { return w.stack().endGrouping(), false; }},
        // Scripts only: clearing leaves one row, too little for the random steps after it.
        {"Clear", "", [](const Walk &w, const Args &) { return w.ds.Clear(), w.table()->countRows() == 1; }},
    };
    return all;
}

// How many items an argument kind chooses from; -1 for free numbers.
int choices(const Walk &w, char kind)
{
    switch (kind) {
    case 'b':
        return int(w.bars().size());
    case 'c':
        return w.ds.root()->countConnections();
    case 'p':
        return int(w.boxes().size());
    case 'q':
        return w.table()->GetPertConnectionsCount();
    case 'k':
        return w.header()->countCells();
    default:
        return -1;
    }
}

Args randomArgs(const Walk &w, const char *kinds, QRandomGenerator &random)
{
    Args args;
    for (const char *k = kinds; *k; ++k) {
        const int n = choices(w, *k);
        switch (*k) {
        case 'r':
            args << int(random.bounded(w.table()->countRows() + 2)) - 1;
            break;
        case 'd':
            args << int(random.bounded(40));
            break;
        case 'h':
            args << int(random.bounded(4, 60));
            break;
        case 'x':
            args << int(random.bounded(500)) - 100;
            break;
        case 's':
            args << int(random.bounded(9)) - 4;
            break;
        case 'f':
            args << int(random.bounded(2));
            break;
        default:
            args << (n > 0 ? int(random.bounded(n)) : -1);
        }
    }
    return args;
}

} // namespace

class tst_plxUndoRestores : public QObject
{
    Q_OBJECT

private slots:
    void soak_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QStringList>("script");
        const int steps = qEnvironmentVariableIntValue("ORVANTA_SOAK_STEPS") > 0
                              ? qEnvironmentVariableIntValue("ORVANTA_SOAK_STEPS")
                              : 1000;
        for (quint32 seed = 1; seed <= 10; ++seed)
            QTest::addRow("seed %u", seed) << seed << steps << QStringList();
        // A re-sort caused by a row resize moved rows behind the history's back.
        QTest::addRow("resize re-sorts")
            << 0u << 0 << QStringList{"RowAppend", "Sort 1 1", "RowsGroup 7 1", "RowResize 8 30", "Undo", "Undo"};
        // The redo of SortNone restored an unsorted order the group's undo had dropped.
        QTest::addRow("redo sort none") << 0u << 0 << QStringList{"Sort 3 0", "RowsGroup 3 3", "Undo", "SortNone 2"};
        // Rows under a collapsed group: a new child, and a child expanded on its own.
        QTest::addRow("child of collapsed") << 0u << 0 << QStringList{"RowCollapse 0", "RowChildInsert 0"};
        QTest::addRow("collapse under collapsed") << 0u << 0 << QStringList{"RowCollapse 0", "RowCollapse 1"};
        // The redo of a row resize sorted again instead of repeating its re-sort.
        QTest::addRow("redo resize") << 9u << 4387 << QStringList();
        // The sample's note (bar 2) shrunk below its least height grows back to where it was.
        QTest::addRow("note at its least height") << 0u << 0 << QStringList{"BarResize 2 -4 1", "Undo"};
        QTest::addRow("clear") << 0u << 0
                               << QStringList{"RowsGroup 2 1", "Clear", "RowAppend", "Undo", "Undo", "Redo"};
    }

    void soak()
    {
        QFETCH(quint32, seed);
        QFETCH(int, steps);
        QFETCH(QStringList, script);
        plxtest::QuietServices quiet;
        QTemporaryDir dir;
        TPLXDataSource ds;
        ds.setStorage(QStringLiteral("file://") + QStringLiteral(ORVANTA_SOURCE_DIR "/examples/sample-plan.ini"));
        const Walk w{ds};
        QVERIFY(w.tree() && w.header() && w.table()->countRows() == 8);
        QVERIFY(plxtest::criticalPath(w.ds).connections.contains(true)); // there is a critical path to keep up
        int saves = 0;
        const auto save = [&] { return plxtest::savedLines(ds, dir, QStringLiteral("save%1.ini").arg(++saves)); };
        const QStringList first = save();

        QRandomGenerator random(seed);
        const QList<Command> &all = commands();
        for (int step = 0; step < steps + script.size(); ++step) {
            Args args;
            const Command *command = nullptr;
            if (step < script.size()) {
                QStringList words = script[step].split(u' ');
                for (const Command &c : all)
                    if (words.first() == QLatin1String(c.name))
                        command = &c;
                QVERIFY2(command, qPrintable(words.first()));
                for (const QString &word : words.mid(1))
                    args << word.toInt();
            } else {
                // Undo and redo come three times as often as each command; redo can only follow undo.
                const int n = int(all.size()) - 1, pick = int(random.bounded(n + 4));
                command = &all[pick < n ? pick : n - 4 + pick % 2];
                args = randomArgs(w, command->kinds, random);
            }
            QString line = QLatin1String(command->name);
            for (int a : std::as_const(args))
                line += QLatin1Char(' ') + QString::number(a);
            const QString where = QStringLiteral("seed %1 step %2: %3").arg(seed).arg(step).arg(line);
            bool missing = false;
            for (int i = 0; i < args.size(); ++i)
                missing = missing || (choices(w, command->kinds[i]) >= 0 && args[i] < 0);
            const int undos = w.stack().GetUndoOperationCount();
            const int redos = w.stack().GetRedoOperationCount();
            const bool ok = !missing && command->run(w, args);
            const QString name = QLatin1String(command->name);
            if (name == QLatin1String("Undo"))
                QVERIFY2(ok == (undos > 0), qPrintable(where));
            else if (name == QLatin1String("Redo"))
                QVERIFY2(ok == (redos > 0), qPrintable(where));
            else if (!ok && !name.endsWith(QLatin1String("Grouping")))
                QVERIFY2(w.stack().GetUndoOperationCount() == undos, qPrintable(where));
            const QString differs = plxtest::disagreement(w.ds);
            QVERIFY2(differs.isEmpty(), qPrintable(where + QStringLiteral(": ") + differs));
            const plxtest::CriticalMarks marks = plxtest::criticalPath(w.ds);
            w.table()->updateCriticalPath();
            QVERIFY2(marks == plxtest::criticalPath(w.ds), qPrintable(where + QStringLiteral(": critical path")));
        }
        w.stack().endGrouping();
        const QStringList last = save();
        // A failed undo or redo names the operation's class.
        QString current;
        const auto note = [&](TPLXOperation *op) { current = QString::fromLatin1(typeid(*op).name()); };
        ds.setOnUndo(note);
        ds.setOnRedo(note);
        const int undos = w.stack().GetUndoOperationCount();
        for (int n = undos; n > 0; --n)
            QVERIFY2(w.stack().undo(),
                     qPrintable(QStringLiteral("seed %1: undo-all, %2 left: %3").arg(seed).arg(n).arg(current)));
        QCOMPARE(plxtest::firstDifference(first, save()), QString());
        for (int n = undos; n > 0; --n)
            QVERIFY2(w.stack().redo(),
                     qPrintable(QStringLiteral("seed %1: redo-all, %2 left: %3").arg(seed).arg(n).arg(current)));
        QCOMPARE(plxtest::firstDifference(last, save()), QString());
    }
};

QTEST_MAIN(tst_plxUndoRestores)
#include "tst_plxUndoRestores.moc"
