// Undo restores a document exactly: save it, run a random sequence of bar, connection, row and PERT box operations
// through the data source, undo every one, save again and compare the two files key by key.
#include "plxBarConnection.h"
#include "plxBarSettings.h"
#include "plxDocumentFixture.h"
#include "plxGanttTable.h"
#include "plxPertBar.h"
#include "plxPlatform.h"
#include "plxTaskBar.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

plxtest::Document chartDocument()
{
    plxtest::Document doc;
    for (int r = 0; r < 8; ++r) {
        plxtest::Row row;
        row.height = 18 + 3 * r;
        for (int b = 0; b < r % 3 + 1; ++b)
            row.bars.append({QStringLiteral("B%1_%2").arg(r).arg(b), plxtest::kMonday + 3 * b + r, 1.0 + b});
        doc.rows.append(row);
    }
    doc.rows[5].bars.clear();
    doc.connections = {
        {QStringLiteral("C1"), QStringLiteral("B0_0"), QStringLiteral("B1_0")},
        {QStringLiteral("C2"), QStringLiteral("B1_1"), QStringLiteral("B2_2"), 0, 2},
        {QStringLiteral("C3"), QStringLiteral("B4_0"), QStringLiteral("B7_1"), 3},
    };
    return doc;
}

} // namespace

class tst_plxUndoRestores : public QObject
{
    Q_OBJECT

private slots:
    void randomEditsUndoneLeaveTheSameFile_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 12; ++seed)
            QTest::addRow("seed %u", seed) << seed;
    }

    void randomEditsUndoneLeaveTheSameFile()
    {
        QFETCH(quint32, seed);
        TPLXRecordingScope recording;
        QTemporaryDir dir;
        TPLXDataSource ds;
        ds.setStorage(plxtest::storageFor(dir, QStringLiteral("chart.ini"), plxtest::text(chartDocument())));
        TPLXGanttTable *table = ds.GetTable();
        QVERIFY(table);
        QCOMPARE(table->countRows(), 8);
        TPLXUndoRedoStack &stack = ds.getUndoRedoStack();
        // PERT boxes for the first rows, some of them connected, as the starting point.
        auto look = std::make_unique<TPLXPertBarSettings>();
        look->setWidth(100);
        look->setHeight(50);
        table->setDefaultPertBarSettings(look.release());
        const auto pertConnect = [&](TPLXPertBar *from, TPLXPertBar *to) {
            auto c = std::make_unique<TPLXBarConnection>(from, to, 0, ds.root());
            const bool ok = stack.doOperation(std::make_unique<TPLXPertConnectionAddOperation>(&ds, c.get()));
            if (c->getParent())
                (void)c.release(); // the table's
            return ok;
        };
        for (int r = 0; r < 4; ++r)
            QVERIFY(stack.doOperation(std::make_unique<TPLXPertBarInsertOperation>(&ds, r, -1, -1)));
        QVERIFY(pertConnect(table->getRow(0)->pertBar(), table->getRow(2)->pertBar()));
        QVERIFY(pertConnect(table->getRow(3)->pertBar(), table->getRow(1)->pertBar()));
        ds.clearUndoRedoStack();
        const QStringList before = plxtest::savedLines(ds, dir);

        QRandomGenerator random(seed);
        const auto anyBar = [&]() -> TPLXGanttBar * {
            const QList<TPLXGanttBar *> bars = table->allBarsIn(0, table->countRows() - 1);
            return bars.isEmpty() ? nullptr : bars[random.bounded(int(bars.size()))];
        };
        const auto anyRow = [&](int extra) { return int(random.bounded(table->countRows() + extra + 2)) - 1; };
        const auto anyBox = [&]() -> TPLXPertBar * {
            QList<TPLXPertBar *> boxes;
            for (TPLXGanttRow *row : table->rows()) {
                if (row->pertBar())
                    boxes << row->pertBar();
            }
            return boxes.isEmpty() ? nullptr : boxes[random.bounded(int(boxes.size()))];
        };
        int performed = 0;
        QStringList done;
        for (int step = 0; step < 200; ++step) {
            bool ok = false;
            QString what;
            TPLXGanttBar *bar = anyBar();
            int recorded = 0; // steps recorded besides `ok`
            // Connecting and disconnecting boxes come twice as often: boxes go fast with deleted rows.
            const int kind = int(random.bounded(20));
            switch (kind >= 18 ? kind - 3 : kind) {
            case 0:
                what = QStringLiteral("move");
                if (bar)
                    ok = ds.BarMove(bar, plxtest::kMonday + random.bounded(40) * 0.5, anyRow(0));
                break;
            case 1:
                what = QStringLiteral("resize");
                if (bar)
                    ok = ds.BarResize(bar, int(random.bounded(9)) - 4, 0, random.bounded(2) == 0);
                break;
            case 2: {
                what = QStringLiteral("assign time");
                const double start = plxtest::kMonday + random.bounded(30);
                if (bar)
                    ok = ds.BarAssignTime(bar, start, start + random.bounded(6) - 1);
                break;
            }
            case 3:
                what = QStringLiteral("delete bar");
                if (bar)
                    ok = ds.BarDelete(bar);
                break;
            case 4: {
                what = QStringLiteral("add bar");
                const double start = plxtest::kMonday + random.bounded(20);
                auto added = std::make_unique<TPLXTaskBar>(start, start + 1 + random.bounded(4), 0);
                ok = ds.BarAdd(added.get(), anyRow(0));
                if (ok)
                    added.release(); // the row is its parent now
                break;
            }
            case 5:
                what = QStringLiteral("clear row");
                ok = ds.RowClear(anyRow(0));
                break;
            case 6: {
                what = QStringLiteral("insert row");
                TPLXGanttRow *row = table->MakeBlankRow();
                ok = stack.doOperation(std::make_unique<TPLXGanttRowInsertOperation>(&ds, row, anyRow(1)));
                break;
            }
            case 7:
                what = QStringLiteral("remove row");
                ok = stack.doOperation(std::make_unique<TPLXGanttRowRemoveOperation>(&ds, anyRow(0)));
                break;
            case 8: {
                what = QStringLiteral("delete rows");
                const int first = anyRow(0);
                ok = stack.doOperation(std::make_unique<TPLXGanttRowsDeleteOperation>(
                    &ds, first, std::min(first + int(random.bounded(3)), table->countRows() - 1)));
                break;
            }
            case 9:
                what = QStringLiteral("delete connection");
                if (ds.root()->countConnections() > 0)
                    ok = ds.ConnectionDelete(
                        ds.root()->getConnection(int(random.bounded(ds.root()->countConnections()))));
                break;
            case 11:
                // What a drag does: the move, then the pushes it causes as a step of their own.
                what = QStringLiteral("move and resolve");
                if (bar && ds.BarMove(bar, plxtest::kMonday + random.bounded(30), bar->getRow())) {
                    ++recorded;
                    const int steps = stack.GetUndoOperationCount();
                    QVERIFY(ds.ResolveDistanceViolations(bar));
                    recorded += stack.GetUndoOperationCount() - steps;
                    for (TPLXBarConnection *c : ds.root()->connectionsOf(bar))
                        QVERIFY(c->getFromBar() == bar || c->getToBar() == bar);
                }
                break;
            case 12: {
                // A connection the application refuses leaves no trace and stays ours.
                what = QStringLiteral("refused connection");
                TPLXGanttBar *to = anyBar();
                if (bar && to && bar != to) {
                    ds.setOnBeforeConnectionAdd([](TPLXBarConnection *, bool &cancel) { cancel = true; });
                    auto c = std::make_unique<TPLXBarConnection>(bar, to, 1, ds.root());
                    const int connections = ds.root()->countConnections();
                    QVERIFY(!ds.ConnectionAdd(c.get()));
                    QCOMPARE(ds.root()->countConnections(), connections);
                    ds.setOnBeforeConnectionAdd(nullptr);
                }
                break;
            }
            case 13:
                what = QStringLiteral("insert box");
                ok = stack.doOperation(std::make_unique<TPLXPertBarInsertOperation>(
                    &ds, anyRow(0), random.bounded(2) ? -1 : int(random.bounded(400)), int(random.bounded(300))));
                break;
            case 14:
                what = QStringLiteral("delete box");
                if (TPLXPertBar *box = anyBox())
                    ok = stack.doOperation(std::make_unique<TPLXPertBarDeleteOperation>(&ds, box));
                break;
            case 15: {
                what = QStringLiteral("connect boxes");
                TPLXPertBar *from = anyBox();
                TPLXPertBar *to = anyBox();
                if (from && to && from != to)
                    ok = pertConnect(from, to);
                break;
            }
            case 16:
                // A listed connection, or one direction of it.
                what = QStringLiteral("disconnect boxes");
                if (table->GetPertConnectionsCount() > 0) {
                    TPLXBarConnection *c =
                        table->GetPertConnection(int(random.bounded(table->GetPertConnectionsCount())));
                    if (random.bounded(2) == 0) {
                        ok = stack.doOperation(std::make_unique<TPLXPertConnectionDeleteOperation>(&ds, c));
                    } else {
                        auto back = std::make_unique<TPLXBarConnection>(c->getToBar(), c->getFromBar(), 0, ds.root());
                        back->setParent(table);
                        ok = stack.doOperation(
                            std::make_unique<TPLXPertConnectionDeleteOperation>(&ds, back.release()));
                    }
                }
                break;
            case 17:
                what = QStringLiteral("move box");
                if (TPLXPertBar *box = anyBox())
                    ok = stack.doOperation(box->moveTo(random.bounded(500), int(random.bounded(400))));
                break;
            default: {
                what = QStringLiteral("add connection");
                TPLXGanttBar *to = anyBar();
                if (bar && to && bar != to) {
                    auto c = std::make_unique<TPLXBarConnection>(bar, to, int(random.bounded(4)), ds.root());
                    ok = ds.ConnectionAdd(c.get());
                    if (ok)
                        c.release(); // the document's now
                }
                break;
            }
            }
            if (ok) {
                ++performed;
                done << what;
            }
            for (; recorded > 0; --recorded) {
                ++performed;
                done << what;
            }
            // Whatever failed left nothing behind on the stack.
            QCOMPARE(stack.GetUndoOperationCount(), performed);
        }
        QVERIFY2(performed > 25, qPrintable(QString::number(performed)));
        while (stack.GetUndoOperationCount() > 0) {
            const QString last = done.takeLast();
            QVERIFY2(stack.undo(), qPrintable(QStringLiteral("undo of ") + last));
        }
        QVERIFY(before.size() > 100);
        QCOMPARE(plxtest::firstDifference(before, plxtest::savedLines(ds, dir)), QString());
    }
};

QTEST_MAIN(tst_plxUndoRestores)
#include "tst_plxUndoRestores.moc"
