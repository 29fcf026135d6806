// PERT boxes in rows and the table: boxes that come and go with a row's tasks, PERT connections with the Gantt
// dependencies they imply, the free place for a new box, damaged files, and the PERT drawing order. Exact undo of
// these edits is checked by the random edit sequences of tst_plxUndoRestores; here undo is checked for the objects it
// brings back.
#include "plxBarConnection.h"
#include "plxBarSettings.h"
#include "plxChartFixture.h"
#include "plxDocumentFixture.h"
#include "plxEntityFactory.h"
#include "plxPertBar.h"
#include "plxPlatform.h"

#include <QtTest>

namespace {

using plxtest::kMonday;

// Row 0: A0, A1; row 1: B0; row 2: C0; rows 3 and 4 empty.
plxtest::Document fiveRows()
{
    plxtest::Document doc;
    doc.rows = {
        {{{QStringLiteral("A0"), kMonday, 2}, {QStringLiteral("A1"), kMonday + 7, 1}}},
        {{{QStringLiteral("B0"), kMonday + 9, 2}}},
        {{{QStringLiteral("C0"), kMonday + 14, 1}}},
        {},
        {},
    };
    return doc;
}

// 100 x 50 pixel boxes: free-place cells are 140 x 105, a box sits 20 / 27 into its cell.
std::unique_ptr<TPLXPertBarSettings> boxLook(int width = 100, int height = 50, TColor background = 0xFFFFFF)
{
    auto look = std::make_unique<TPLXPertBarSettings>();
    look->setWidth(width);
    look->setHeight(height);
    look->setBorderThickness(2);
    look->setBackGroundColor(background);
    return look;
}

struct Source : plxtest::LoadedDocument
{
    explicit Source(const plxtest::Document &doc = fiveRows())
        : LoadedDocument(doc)
    {
        table()->setDefaultPertBarSettings(boxLook().release());
    }
    TPLXPertBar *box(int i) const { return row(i)->pertBar(); }
    // A new task bar from `start` to `end` in `row`, added as an undoable step.
    bool addTask(int row, double start, double end)
    {
        auto task = std::make_unique<TPLXTaskBar>(start, end, 0);
        if (!ds.BarAdd(task.get(), row))
            return false;
        (void)task.release(); // the row's now
        return true;
    }
    bool giveBox(int row)
    {
        return stack().doOperation(std::make_unique<TPLXPertBarInsertOperation>(&ds, row, -1, -1));
    }
    // A one-way PERT connection between the boxes of two rows, added as an undoable step.
    TPLXBarConnection *connect(int from, int to)
    {
        auto c = std::make_unique<TPLXBarConnection>(box(from), box(to), 0, ds.root());
        TPLXBarConnection *raw = c.get();
        if (!stack().doOperation(std::make_unique<TPLXPertConnectionAddOperation>(&ds, raw)))
            return nullptr;
        (void)c.release(); // the table's now
        return raw;
    }
};

QString rowOf(const TPLXGanttBar *bar)
{
    const TPLXGanttRow *row = bar ? bar->getParentRow() : nullptr;
    return row ? QString::number(row->getOrder()) : QStringLiteral("?");
}

// Everything the PERT edits touch, as one comparable text: the rows' bars and
// boxes, the z-order, the PERT connections and the document's connections.
QString describe(const TPLXDataSource &ds)
{
    TPLXGanttTable *table = ds.GetTable();
    QStringList rows;
    for (TPLXGanttRow *row : table->rows()) {
        QStringList bars;
        for (TPLXGanttBar *bar : row->bars())
            bars << bar->getUID();
        QString text = bars.join(QLatin1Char(','));
        if (const TPLXPertBar *box = row->pertBar())
            text +=
                QStringLiteral(" box(%1,%2 %3)").arg(box->getX()).arg(box->getY()).arg(box->mainSection()->getText());
        rows << text;
    }
    QStringList z;
    for (TPLXGanttRow *row : table->rowsZOrder())
        z << QString::number(row->getOrder());
    QStringList pert;
    for (TPLXBarConnection *c : table->pertConnections())
        pert << rowOf(c->getFromBar()) + (c->getConnType() == 1 ? QStringLiteral("<->") : QStringLiteral("->")) +
                    rowOf(c->getToBar());
    QStringList gantt;
    for (TPLXBarConnection *c : std::as_const(ds.root()->getConnections()))
        gantt << c->getFromBar()->getUID() + QStringLiteral("->") + c->getToBar()->getUID();
    return QStringLiteral("rows[%1] z[%2] pert[%3] gantt[%4]")
        .arg(rows.join(QLatin1String(" | ")), z.join(QLatin1Char(' ')), pert.join(QLatin1Char(' ')),
             gantt.join(QLatin1Char(' ')));
}

} // namespace

class tst_plxPertLayout : public QObject
{
    Q_OBJECT

private slots:
    void firstTaskBringsABoxAndUndoTakesItAway()
    {
        Source s;
        QVERIFY(s.addTask(3, kMonday + 1, kMonday + 3));
        TPLXPertBar *box = s.box(3);
        // The first free cell of an empty chart, (20, 27), on the 20-pixel grid; the box summarizes its row.
        QVERIFY2(describe(s.ds).contains(QStringLiteral(" | C0 | AutoID:1 box(20,20 Task 4) | ] z[3]")),
                 qPrintable(describe(s.ds)));
        QCOMPARE(box->getStartDate(), kMonday + 1);

        // A second task joins the box that is there.
        QVERIFY(s.addTask(3, kMonday + 2, kMonday + 4));
        QCOMPARE(s.box(3), box);
        QCOMPARE(box->getEndDate(), kMonday + 3); // ends Friday 00:00: Thursday is the last day included
        QVERIFY(s.stack().undo() && s.stack().undo() && s.box(3) == nullptr);

        // Without automatic boxes the row stays without one; the new step drops the undone insertion and the box it
        // holds.
        s.ds.setAutoCreatePertbars(false);
        QVERIFY(s.addTask(4, kMonday, kMonday + 1));
        QVERIFY(s.box(4) == nullptr);
        QCOMPARE(s.stack().GetRedoOperationCount(), 0);
    }

    void boxForAnEmptyRowBringsATask()
    {
        Source s;
        QCOMPARE(s.ds.root()->getTreeWidth(), 0);
        // Pixel (130, 75) lands on the grid at (120, 80): 6.5 rounds to the even 6.
        QVERIFY(s.stack().doOperation(std::make_unique<TPLXPertBarInsertOperation>(&s.ds, 4, 130, 75)));
        TPLXPertBar *box = s.box(4);
        QVERIFY(box);
        QCOMPARE(QPoint(box->getX(), box->getY()), QPoint(120, 80));
        QCOMPARE(box->mainSection()->getText(), QStringLiteral("Task 5"));
        QCOMPARE(s.row(4)->GetBarCount(), 1);
        TPLXGanttBar *task = s.row(4)->GetBarInRow(0);
        QVERIFY(dynamic_cast<TPLXTaskBar *>(task));
        QCOMPARE(task->getStartDate(), s.ds.root()->getStartDate());
        QCOMPARE(task->getEndDate(), s.ds.root()->getStartDate() + 1);
        QVERIFY(box->hasTaskBar());

        // A row that has a box, or no row at all, gets none; nothing is left behind.
        const QString after = describe(s.ds);
        QVERIFY(!s.stack().doOperation(std::make_unique<TPLXPertBarInsertOperation>(&s.ds, 4, -1, -1)));
        QVERIFY(!s.stack().doOperation(std::make_unique<TPLXPertBarInsertOperation>(&s.ds, 5, -1, -1)));
        QVERIFY(!s.stack().doOperation(std::make_unique<TPLXPertBarInsertOperation>(&s.ds, -1, -1, -1)));
        QCOMPARE(describe(s.ds), after);
    }

    void lastTaskTakesTheBoxAndItsConnections()
    {
        Source s;
        for (int row : {0, 1, 2})
            QVERIFY(s.giveBox(row));
        QVERIFY(s.connect(0, 1));
        QVERIFY(s.connect(1, 2));
        QVERIFY(s.connect(0, 2));
        // A bar that is no task keeps row 1 busy and has a connection of its own.
        std::unique_ptr<TPLXFakeBar> marker = std::make_unique<TPLXFakeBar>(kMonday + 12, kMonday + 13, 1);
        QVERIFY(s.ds.BarAdd(marker.get(), 1));
        TPLXFakeBar *m = marker.release();
        auto c = std::make_unique<TPLXBarConnection>(m, s.row(2)->GetBarInRow(0), 0, s.ds.root());
        QVERIFY(s.ds.ConnectionAdd(c.get()));
        (void)c.release();
        QCOMPARE(describe(s.ds),
                 QStringLiteral(
                     "rows[A0,A1 box(20,20 Task 1) | B0,%1 box(160,20 Task 2) | C0 box(20,140 Task 3) |  | ] "
                     "z[2 1 0] pert[0->1 1->2 0->2] gantt[A1->B0 B0->C0 A1->C0 %1->C0]")
                     .arg(m->getUID()));
        TPLXPertBar *box = s.box(1);

        QVERIFY(s.ds.BarDelete(s.row(1)->GetBarInRow(0)));
        QCOMPARE(describe(s.ds), QStringLiteral("rows[A0,A1 box(20,20 Task 1) | %1 | C0 box(20,140 Task 3) |  | ] "
                                                "z[2 0] pert[0->2] gantt[A1->C0]")
                                     .arg(m->getUID()));
        QCOMPARE(box->getParent(), s.row(1)); // kept by its row for undo
        QVERIFY(s.stack().undo());
        QCOMPARE(s.box(1), box);

        // Deleting the box itself takes the row's tasks along as well.
        QVERIFY(s.stack().doOperation(std::make_unique<TPLXPertBarDeleteOperation>(&s.ds, s.box(2))));
        QCOMPARE(describe(s.ds),
                 QStringLiteral("rows[A0,A1 box(20,20 Task 1) | B0,%1 box(160,20 Task 2) |  |  | ] z[1 0] pert[0->1] "
                                "gantt[A1->B0]")
                     .arg(m->getUID()));
    }

    void loneTaskTakesItsBoxAlongWhenMoved()
    {
        Source s;
        QVERIFY(s.giveBox(1));
        TPLXPertBar *box = s.box(1);
        TPLXGanttBar *b0 = s.row(1)->GetBarInRow(0);

        QVERIFY(s.ds.BarMove(b0, kMonday + 21, 3));
        QCOMPARE(s.box(3), box);
        QCOMPARE(box->getParent(), s.row(3));
        QVERIFY(s.box(1) == nullptr);
        QCOMPARE(box->getStartDate(), kMonday + 21);
        QVERIFY(s.stack().undo());
        QCOMPARE(s.box(1), box);

        // Within its row the box stays; a row's only task without a box brings a new one along.
        QVERIFY(s.ds.BarMove(b0, kMonday + 22, 1));
        QCOMPARE(s.box(1), box);
        QVERIFY(s.ds.BarMove(s.row(2)->GetBarInRow(0), kMonday + 14, 4));
        QVERIFY(s.box(2) == nullptr);
        QVERIFY(s.box(4) != nullptr);
        QCOMPARE(s.box(4)->mainSection()->getText(), QStringLiteral("Task 5"));
        // A task that leaves a row with others behind leaves the box there.
        QVERIFY(s.ds.BarMove(s.row(0)->GetBarInRow(0), kMonday, 3));
        QVERIFY(s.box(3) == nullptr);
    }

    void pertConnectionMakesTheGanttDependency()
    {
        Source s;
        for (int row : {0, 1, 2})
            QVERIFY(s.giveBox(row));
        const int connections = s.ds.root()->countConnections();

        // From row 0's last task (A1) to row 1's first (B0), finish to start.
        TPLXBarConnection *c = s.connect(0, 1);
        QVERIFY(c);
        QCOMPARE(c->getParent(), s.table());
        QCOMPARE(s.ds.root()->countConnections(), connections + 1);
        TPLXBarConnection *dependency = s.ds.root()->getConnection(connections);
        QCOMPARE(dependency->getFromBar()->getUID(), QStringLiteral("A1"));
        QCOMPARE(dependency->getToBar()->getUID(), QStringLiteral("B0"));
        QCOMPARE(dependency->getConnType(), int(TPLXBarConnection::ctFinishStart));
        QVERIFY(s.table()->findPertBarsConnection(s.row(0), s.row(1)) == c);
        QVERIFY(s.table()->findPertBarsConnection(s.row(1), s.row(0)) == nullptr);
        QVERIFY(s.box(0)->connectionTo(s.box(1)));

        // Rows connected already get no second dependency, and its undo leaves the first.
        auto own =
            std::make_unique<TPLXBarConnection>(s.row(0)->GetBarInRow(0), s.row(2)->GetBarInRow(0), 3, s.ds.root());
        QVERIFY(s.ds.ConnectionAdd(own.get()));
        TPLXBarConnection *ownRaw = own.release();
        QVERIFY(s.table()->findPertBarsConnection(s.row(0), s.row(2))); // the boxes follow the dependency
        const QString connected = describe(s.ds);
        QVERIFY(s.connect(0, 2));
        QCOMPARE(s.ds.root()->countConnections(), connections + 2);
        QVERIFY(s.stack().undo());
        QVERIFY(s.ds.root()->getConnectionIndex(ownRaw) >= 0);

        // Adding a direction that is there changes nothing.
        QVERIFY(s.connect(0, 1));
        QCOMPARE(describe(s.ds), connected);

        // Deleting takes the dependency.
        QVERIFY(s.stack().doOperation(std::make_unique<TPLXPertConnectionDeleteOperation>(&s.ds, c)));
        QCOMPARE(s.table()->GetPertConnectionsCount(), 1);
        QVERIFY(s.table()->findPertBarsConnection(s.row(0), s.row(1)) == nullptr);
        QCOMPARE(s.ds.root()->getConnectionIndex(dependency), -1);
    }

    void reverseConnectionMakesItTwoWay()
    {
        Source s;
        for (int row : {0, 1})
            QVERIFY(s.giveBox(row));
        TPLXBarConnection *forward = s.connect(0, 1);
        QVERIFY(forward);

        // B->A joins A->B as one two-way connection, with the dependency back from B0 to A0.
        TPLXBarConnection *back = s.connect(1, 0);
        QVERIFY(back);
        QCOMPARE(s.table()->GetPertConnectionsCount(), 1);
        QCOMPARE(s.table()->GetPertConnection(0), forward);
        QCOMPARE(forward->getConnType(), 1);
        QVERIFY(s.table()->findPertBarsConnection(s.row(1), s.row(0)) == forward);
        QVERIFY(s.ds.root()->findConnection(s.row(1)->GetBarInRow(0), s.row(0)->GetBarInRow(0), 1));
        QVERIFY(describe(s.ds).contains(QStringLiteral("pert[0<->1]")));

        // Deleting one direction leaves the other, one-way; deleting the two-way
        // connection takes the dependencies of both directions.
        QVERIFY(s.stack().doOperation(std::make_unique<TPLXPertConnectionDeleteOperation>(&s.ds, back)));
        QCOMPARE(s.table()->GetPertConnectionsCount(), 1);
        QCOMPARE(forward->getConnType(), 0);
        QCOMPARE(rowOf(forward->getFromBar()), QStringLiteral("0"));
        QVERIFY(s.stack().undo());
        const int connections = s.ds.root()->countConnections();
        QVERIFY(s.stack().doOperation(std::make_unique<TPLXPertConnectionDeleteOperation>(&s.ds, forward)));
        QCOMPARE(s.table()->GetPertConnectionsCount(), 0);
        QCOMPARE(s.ds.root()->countConnections(), connections - 2);
    }

    void connectionBetweenBarsOfOneRowJoinsNoBoxes()
    {
        Source s;
        QVERIFY(s.giveBox(0));
        QVERIFY(s.ds.ConnectionAdd(
            new TPLXBarConnection(s.row(0)->GetBarInRow(0), s.row(0)->GetBarInRow(1), 1, s.ds.root())));
        QCOMPARE(s.table()->GetPertConnectionsCount(), 0);
    }

    void freePlaceForANewBox()
    {
        plxtest::Chart c(12);
        c.table->setDefaultPertBarSettings(boxLook().release());
        QPoint p;
        // Cells 140 x 105, taken ring by ring: column n from the top, then row n from the left.
        const QList<QPoint> cells{{0, 0}, {1, 0}, {0, 1}, {1, 1}, {2, 0}, {2, 1}, {0, 2}, {1, 2}, {2, 2}, {3, 0}};
        for (int i = 0; i < cells.size(); ++i) {
            c.table->FindEmptyPertPlace(p);
            QCOMPARE(p, QPoint(cells[i].x() * 140 + 20, cells[i].y() * 105 + 27));
            QCOMPARE(c.table->getRow(i)->createPertBar(p.x(), p.y())->getX(), p.x());
        }
        // createPertBar gives a row one box only; each new one went on top.
        TPLXPertBar *first = c.table->getRow(0)->pertBar();
        QCOMPARE(c.table->getRow(0)->createPertBar(0, 0), first);
        QCOMPARE(c.table->rowsZOrder().first(), c.table->getRow(9));
        QCOMPARE(c.table->rowsZOrder().size(), 10);

        // A box counts with its own size: one below the first cell, wide or huge,
        // blocks rows 1 and 2 under the first two cells.
        for (const QSize size : {QSize(300, 50), QSize(1500, 1500)}) {
            plxtest::Chart d(3);
            d.table->setDefaultPertBarSettings(boxLook().release());
            TPLXPertBar *wide = d.table->getRow(0)->createPertBar(0, 110);
            wide->applySettings(*boxLook(size.width(), size.height()));
            d.table->FindEmptyPertPlace(p);
            QCOMPARE(p, QPoint(20, 27));
            d.table->getRow(1)->createPertBar(p.x(), p.y());
            d.table->FindEmptyPertPlace(p);
            QCOMPARE(p, QPoint(160, 27));
            d.table->getRow(2)->createPertBar(p.x(), p.y());
            d.table->FindEmptyPertPlace(p);
            QCOMPARE(p, QPoint(300, 27));
        }
    }

    void damagedPertLayoutLoadsWhatItCan()
    {
        TPLXRecordingScope recording;
        QByteArray text = plxtest::text(fiveRows());
        // Rows 0 and 1 both claim box P1; the z-order names row 1 twice, a row
        // without a box and a missing one, and forgets row 2; one "PERT
        // connection" ends at a task bar.
        text.replace("[Row0]\n", "[Row0]\npert bar=P1\n");
        text.replace("[Row1]\n", "[Row1]\npert bar=P1\n");
        text.replace("[Row2]\n", "[Row2]\npert bar=P2\n");
        text.replace("[Table]\n", "[Table]\nrowszorder#count=4\nrowszorder#0=Row1\nrowszorder#1=Row3\n"
                                  "rowszorder#2=Nowhere\nrowszorder#3=Row0\n"
                                  "pertconnections#count=2\npertconnections#0=PC1\npertconnections#1=PC2\n");
        text += plxtest::testData("document/pert-boxes.ini");
        std::unique_ptr<TPLXGanttDocument> document = plxtest::load(text);
        QVERIFY(document);
        TPLXGanttTable *table = document->GetTable();
        TPLXPertBar *p1 = table->getRow(0)->pertBar();
        TPLXPertBar *p2 = table->getRow(2)->pertBar();
        QVERIFY(p1 && p2);
        QVERIFY(table->getRow(1)->pertBar() == nullptr);
        QCOMPARE(table->rowsZOrder(), (QList<TPLXGanttRow *>{table->getRow(0), table->getRow(2)}));
        QCOMPARE(table->GetPertConnectionsCount(), 1);
        QCOMPARE(table->GetPertConnection(0)->getToBar(), p2);
        QCOMPARE(p1->outgoingConnections(), QList<TPLXPertBar *>{p2});
        QVERIFY(!recording.recorder().logLines().isEmpty());
    }

    void drawingFollowsTheZOrder()
    {
        using plxtest::pixel;
        plxtest::Chart c(4);
        c.table->setDefaultPertBarSettings(boxLook(60, 40).release());
        c.table->setDrawPertGrid(false);
        // Plain boxes of text bands only; red row 0 and blue row 1 overlap at x 130..159, y 20..39.
        const auto place = [&](int row, int x, int y, TColor background) {
            TPLXPertBar *box = c.table->getRow(row)->createPertBar(x, y);
            box->applySettings(*boxLook(60, 40, background));
            box->SetPertType(plxpbtNoTimeSpan);
            return box;
        };
        TPLXPertBar *red = place(0, 0, 0, 0x0000FF);
        TPLXPertBar *blue = place(1, 30, 20, 0xFF0000);
        TPLXPertBar *other = place(2, 200, 100, 0xFFFFFF);
        place(3, 1000, 500, 0xFFFFFF); // off the canvas
        auto link = std::make_unique<TPLXBarConnection>(red, other, 0, &c.doc);
        link->setParent(c.table);
        QVERIFY(c.table->addPertConnection(link.get()));
        TPLXBarConnection *l = link.release();
        TPLXDrawer *drawer = c.table->getDrawer(vtPertGraph);

        const auto render = [&]() {
            plxtest::Canvas canvas(420, 200);
            drawer->Draw(*canvas.vc);
            return canvas.finish();
        };
        c.table->setZOrder(c.table->getRow(0), 0);
        QImage image = render();
        QCOMPARE(pixel(image, 145, 24), TColor(0x0000FF)); // the first in the z-order is on top
        QCOMPARE(pixel(image, 180, 50), TColor(0xFF0000));
        QCOMPARE(drawer->locateObject(145, 24), red);
        // The connection runs from the red box's bottom (130, 40) down to y 69,
        // across to x 330 and into the other box's top.
        QCOMPARE(pixel(image, 230, 69), TColor(0));
        QCOMPARE(drawer->locateObject(230, 69), l);
        QVERIFY(drawer->locateObject(250, 150) == nullptr);
        // Every box counts for the extent, the one off the canvas too: x 100 + 1000 + 60, y 500 + 40.
        QCOMPARE(c.table->getMaxPertCoords(), QPoint(1160, 540));
        QVERIFY(drawer->locateObject(1110, 510) == nullptr);

        c.table->setZOrder(c.table->getRow(1), 0);
        image = render();
        QCOMPARE(pixel(image, 145, 24), TColor(0xFF0000));
        QCOMPARE(drawer->locateObject(145, 24), blue);

        // A row taken out of the table is neither drawn nor found.
        TPLXGanttRow *taken = c.table->takeRow(1);
        image = render();
        QCOMPARE(pixel(image, 180, 50), TColor(c.table->getPertGraphBackGroundColor()));
        QCOMPARE(drawer->locateObject(145, 24), red);
        QCOMPARE(taken->getParent(), c.table); // still the table's, freed with it
    }
};

QTEST_MAIN(tst_plxPertLayout)
#include "tst_plxPertLayout.moc"
