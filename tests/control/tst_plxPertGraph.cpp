// The PERT chart control under real mouse, wheel and key events: each gesture
// with what it changes and its undo and redo, input that must change nothing,
// a Gantt control on the same document, damaged box positions and a long
// random session that undoes back to the saved document.
#include "plxBarConnection.h"
#include "plxDocumentFixture.h"
#include "plxGanttRow.h"
#include "plxPertBar.h"
#include "plxPertGraph.h"
#include "plxRessourceStrings.h"
#include "plxTreeGrid.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace plxtest;

namespace {

// Five rows of one task each; rows 0 to 3 get the boxes of `boxes` (none when null), row 4 none.
QByteArray network(const char *boxes)
{
    Document doc;
    for (int i = 0; i < 5; ++i)
        doc.rows << Row{{Bar{QString(QChar(u'A' + i)), kMonday + i, 1}}};
    doc.startDate = kMonday - 7;
    doc.nestedTree = true;
    QByteArray text = plxtest::text(doc);
    if (!boxes)
        return text;
    for (int i = 0; i < 4; ++i)
        text.replace(QStringLiteral("[Row%1]\n").arg(i).toUtf8(),
                     QStringLiteral("[Row%1]\npert bar=P%1\n").arg(i).toUtf8());
    text.replace("[Table]\n", "[Table]\ndefault pert settings=BoxLook\nrowszorder#count=4\nrowszorder#0=Row0\n"
                              "rowszorder#1=Row1\nrowszorder#2=Row2\nrowszorder#3=Row3\npertconnections#count=1\n"
                              "pertconnections#0=PC0\n");
    return text + testData(boxes);
}

struct Net
{
    QTemporaryDir dir;
    TPLXRecordingScope recording;
    TPLXDataSource ds;
    TPLXPertGraph graph;
    explicit Net(const char *boxes = "control/pert-network.ini")
    {
        ds.setStorage(storageFor(dir, QStringLiteral("net.ini"), network(boxes)));
        graph.resize(900, 400);
        graph.setDataSource(&ds);
        graph.show();
        QVERIFY(QTest::qWaitForWindowExposed(&graph));
    }
    TPLXGanttTable *table() { return ds.GetTable(); }
    TPLXPertBar *box(int row) { return table()->getRow(row)->pertBar(); }
    TPLXUndoRedoStack &stack() { return ds.getUndoRedoStack(); }
    int colStart() { return ds.root()->getColStartX(0); }
    // "box N" is the middle of a box, "link" the middle between boxes 0 and 1, "at" the network's origin,
    // "empty" a free place; "+dx,dy" shifts the point.
    QPoint point(const QString &place)
    {
        const QStringList parts = place.split(u'+');
        QPoint p(colStart() + 440, 300);
        if (parts[0].startsWith(QLatin1String("box")))
            p = box(parts[0].mid(3).toInt())->pertDrawer()->getRect().toQRect().center();
        else if (parts[0] == QLatin1String("link"))
            p = (point(QStringLiteral("box0")) + point(QStringLiteral("box1"))) / 2;
        else if (parts[0] == QLatin1String("at"))
            p = {colStart(), 0};
        if (parts.size() > 1)
            p += QPoint(parts[1].section(u',', 0, 0).toInt(), parts[1].section(u',', 1, 1).toInt());
        return p;
    }
    // A press at the first point, moves in steps of `step` pixels through the others, a release at the last.
    void gesture(const QStringList &path, Qt::KeyboardModifiers mods, int step = 5)
    {
        QPoint at = point(path[0]);
        QTest::mouseMove(&graph, at);
        QTest::mousePress(&graph, Qt::LeftButton, mods, at);
        for (const QString &place : path.mid(1)) {
            const QPoint to = point(place), d = to - at;
            const int steps = std::max(1, std::max(std::abs(d.x()), std::abs(d.y())) / step);
            for (int i = 1; i <= steps; ++i)
                QTest::mouseMove(&graph, at + d * i / steps);
            at = to;
        }
        QTest::mouseRelease(&graph, Qt::LeftButton, {}, at);
    }
    void wheel(QPoint at, int delta)
    {
        QWheelEvent e(at, graph.mapToGlobal(at), {}, {0, delta}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&graph, &e);
    }
    // Box positions ("-" for none), then the PERT connections' kinds and the count of task dependencies.
    QString state()
    {
        QStringList s;
        for (int i = 0; i < table()->countRows(); ++i)
            s << (box(i) ? QStringLiteral("%1,%2").arg(box(i)->getX()).arg(box(i)->getY()) : QStringLiteral("-"));
        // Nothing of a connection being drawn stays behind.
        QString kinds = graph.fakeBar()->getParent() ? QStringLiteral("loose end") : QString();
        for (const TPLXBarConnection *c : table()->pertConnections())
            kinds += c->getFromBar()->isLooseEnd() || c->getToBar()->isLooseEnd() ? QStringLiteral("loose end")
                                                                                  : QString::number(c->getConnType());
        return s.join(u' ') + u'|' + kinds + u'|' + QString::number(ds.root()->getConnections().size());
    }
};

const QString kStart = QStringLiteral("0,0 200,0 0,100 200,100 -|0|0");

} // namespace

class tst_plxPertGraph : public QObject
{
    Q_OBJECT

private slots:
    // A gesture: a press, moves and a release along "a>b>c" (with "ctrl " or "shift " held at the press), or
    // "delete " with the mouse at a point; after `setup`, a box in every row or a selected tree row. An empty
    // expectation: nothing changes.
    void gestures_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<QString>("expected");
        const auto add = [](const char *name, const char *setup, const char *gesture, const char *expected) {
            QTest::newRow(name) << QString::fromLatin1(setup) << QString::fromLatin1(gesture)
                                << QString::fromLatin1(expected);
        };
        // The outline moves by whole grid steps: of steps 5, 6, 6, 6, 6 only the second (11 pixels) moves it.
        add("drag snaps to the grid", "", "box0>box0+29,0", "20,0 200,0 0,100 200,100 -|0|0");
        add("a small drag leaves the box", "", "box0>box0+9,-9", "");
        add("beyond the left edge", "", "box0>box0+-45,0", "");
        add("beyond the top edge", "", "box2>box2+0,-115", "");
        add("Ctrl+drag does not resize", "", "ctrl box0>box0+47,0", "");
        add("Ctrl+click inserts a box", "", "ctrl empty", "0,0 200,0 0,100 200,100 440,300|0|0");
        add("Ctrl+click with a box in every row", "fill", "ctrl empty", "");
        add("connect two boxes", "", "shift box1>box2", "0,0 200,0 0,100 200,100 -|00|1");
        add("connect back makes it two-way", "", "shift box1>box0", "0,0 200,0 0,100 200,100 -|1|1");
        add("connect what is connected", "", "shift box0>box1", "");
        add("connect a box to itself", "", "shift box0>empty>box0", "");
        add("connect to empty space", "", "shift box0>empty", "");
        add("delete a box", "", "delete box2", "0,0 200,0 - 200,100 -|0|0");
        add("delete a connection", "", "delete link", "0,0 200,0 0,100 200,100 -||0");
        // A selected tree row is not deleted from the network.
        add("delete over empty space", "select", "delete empty", "");
    }
    void gestures()
    {
        QFETCH(QString, setup);
        QFETCH(QString, gesture);
        QFETCH(QString, expected);
        Net n;
        if (setup == QLatin1String("fill"))
            QVERIFY(n.stack().doOperation(std::make_unique<TPLXPertBarInsertOperation>(&n.ds, 4, 600, 0)));
        if (setup == QLatin1String("select"))
            n.ds.GetTree()->select(1, true);
        n.stack().clear();
        const QString before = n.state();
        QCOMPARE(before.section(u'|', 1), kStart.section(u'|', 1));
        if (expected.isEmpty())
            expected = before;
        const QStringList saved = savedLines(n.ds, n.dir);
        const QString how = gesture.section(u' ', 0, -2), path = gesture.section(u' ', -1);
        if (how == QLatin1String("delete")) {
            QTest::mouseMove(&n.graph, n.point(path));
            QTest::keyClick(&n.graph, Qt::Key_Delete);
        } else {
            n.gesture(path.split(u'>'), how == QLatin1String("ctrl")    ? Qt::ControlModifier
                                        : how == QLatin1String("shift") ? Qt::ShiftModifier
                                                                        : Qt::NoModifier);
        }
        QCOMPARE(n.state(), expected);
        QCOMPARE(n.stack().GetUndoOperationCount(), expected == before ? 0 : 1);
        QTest::keyClick(&n.graph, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(firstDifference(saved, savedLines(n.ds, n.dir)), QString());
        QTest::keyClick(&n.graph, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(n.state(), expected);
    }

    // The wheel over the tree scrolls its rows, over the network the network by a grid step;
    // a thumb move logs the height it scrolls over.
    void scrolling()
    {
        Net n;
        n.wheel(n.point(QStringLiteral("at+-20,60")), -120);
        QCOMPARE(n.table()->getScrolledLines(), 1);
        QCOMPARE(n.table()->getPertStartY(), 0);
        n.wheel(n.point(QStringLiteral("empty")), -120);
        QCOMPARE(n.table()->getScrolledLines(), 1);
        QCOMPARE(n.table()->getPertStartY(), 20);
        n.graph.pertVerticalMove(0);
        QCOMPARE(n.table()->getPertStartY(), 0);
        QVERIFY(n.recording.recorder().logLines().contains(QStringLiteral("pert height = 400")));
        n.graph.pertHorizontalStep(1);
        QCOMPARE(n.table()->getPertStartX(), 20);
    }

    // Without any box the network tells how to add one.
    void hint()
    {
        Net n(nullptr);
        const QImage with = n.graph.grab().toImage();
        const QString first = GetRessourceValue(QStringLiteral("insertnewpertbarmsg1"));
        SetRessourceString(QStringLiteral("insertnewpertbarmsg1"), QString());
        n.graph.Paint();
        SetRessourceString(QStringLiteral("insertnewpertbarmsg1"), first);
        QVERIFY(n.graph.grab().toImage() != with);
    }

    // A Gantt control and a PERT control on one document: an edit in either shows in both,
    // and undo in either takes back the last edit, whichever control made it.
    void sharedDocument()
    {
        Net n;
        TPLXGanttGraph gantt;
        gantt.setGeometry(n.graph.x(), n.graph.y() + 420, 900, 300);
        gantt.setDataSource(&n.ds);
        gantt.show();
        QVERIFY(QTest::qWaitForWindowExposed(&gantt));
        const QImage ganttBefore = gantt.grab().toImage();
        n.gesture({QStringLiteral("box1"), QStringLiteral("box2")}, Qt::ShiftModifier);
        QCOMPARE(n.state(), QStringLiteral("0,0 200,0 0,100 200,100 -|00|1"));
        QVERIFY(gantt.grab().toImage() != ganttBefore);
        QTest::keyClick(&gantt, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(n.state(), kStart);

        const QImage pertBefore = n.graph.grab().toImage();
        TPLXGanttBar *c = n.table()->getRow(2)->GetBarInRow(0);
        QTest::mouseMove(&gantt, c->ganttDrawer()->getRect().toQRect().center());
        QTest::keyClick(&gantt, Qt::Key_Delete);
        QCOMPARE(n.state(), QStringLiteral("0,0 200,0 - 200,100 -|0|0"));
        QVERIFY(n.graph.grab().toImage() != pertBefore);
        QTest::keyClick(&n.graph, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(n.state(), kStart);
    }

    // Boxes that overlap or lie beyond the origin load and draw (on showing); a press where two overlap takes the
    // upper one.
    void damagedPositions()
    {
        Net n("control/pert-hostile.ini");
        QCOMPARE(n.state().section(u'|', 0, 0), QStringLiteral("-60,-30 20,10 40,20 -10000000,10000000 -"));
        n.gesture({QStringLiteral("box1+20,10"), QStringLiteral("box1+67,10")}, {});
        QCOMPARE(n.state().section(u'|', 0, 0), QStringLiteral("-60,-30 60,20 40,20 -10000000,10000000 -"));
    }

    // A long random session of gestures, keys and wheel turns, then undo all: the saved document
    // comes back key by key.
    void soak()
    {
        Net n;
        const QStringList saved = savedLines(n.ds, n.dir);
        QRandomGenerator random(4);
        const auto anywhere = [&] {
            return QStringLiteral("at+%1,%2").arg(random.bounded(-60, 700)).arg(random.bounded(1, 380));
        };
        const auto someBox = [&] {
            for (int i = 0; i < 5; ++i)
                if (const int row = random.bounded(5); n.box(row))
                    return QStringLiteral("box%1").arg(row);
            return anywhere();
        };
        for (int step = 0; step < 1000; ++step) {
            const int kind = random.bounded(10);
            if (kind < 3)
                n.gesture({someBox(), anywhere()}, {}, 25);
            else if (kind < 5)
                n.gesture({anywhere()}, Qt::ControlModifier);
            else if (kind < 7)
                n.gesture({someBox(), random.bounded(2) ? someBox() : anywhere()}, Qt::ShiftModifier, 25);
            else if (kind == 7 && n.box(0) && n.box(1))
                QTest::mouseMove(&n.graph, n.point(QStringLiteral("link")));
            else if (kind == 8)
                QTest::keyClick(&n.graph, step % 2 ? Qt::Key_Z : Qt::Key_Y, Qt::ControlModifier);
            else
                n.wheel(n.point(anywhere()), random.bounded(2) ? 120 : -120);
            if (kind == 7)
                QTest::keyClick(&n.graph, Qt::Key_Delete);
            QVERIFY2(!n.state().contains(QLatin1String("loose")), qPrintable(QString::number(step)));
        }
        while (n.stack().GetUndoOperationCount() > 0)
            QTest::keyClick(&n.graph, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(firstDifference(saved, savedLines(n.ds, n.dir)), QString());
    }
};

QTEST_MAIN(tst_plxPertGraph)
#include "tst_plxPertGraph.moc"
