#include "plxBarConnection.h"
#include "plxBarSettings.h"
#include "plxChartFixture.h"
#include "plxCompare.h"
#include "plxDocumentFixture.h"
#include "plxPertBar.h"
#include "plxPlatform.h"

#include <QtTest>

using namespace plxtest;

using Segments = std::vector<TPLXConnectorSegment>;
Q_DECLARE_METATYPE(Segments)

namespace {

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kBlue = 0xFF0000;  // clBlue, the finish-start colour of the fixture
constexpr TColor kGreen = 0x008000; // clGreen, finish-finish

// A (row 0, `originStart`, 2 days, x 0..40 from Monday) connected as "C" to B (row
// `targetRow`, `targetStart`, 1 day); rows are 20 pixels high.
Document twoBars(double targetStart, int type = 1, int distance = 0, bool fixed = false, double originStart = kMonday,
                 int targetRow = 2)
{
    Document doc;
    doc.rows.resize(targetRow + 3); // room below to scroll
    doc.rows[0].bars = {Bar{QStringLiteral("A"), originStart, 2}};
    doc.rows[targetRow].bars.append(Bar{QStringLiteral("B"), targetStart, 1});
    doc.connections = {
        Connection{QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("B"), type, distance, fixed}};
    return doc;
}

// A loaded document with its first connection and that connection's Gantt drawer.
struct Loaded
{
    std::unique_ptr<TPLXGanttDocument> document;
    TPLXBarConnection *connection = nullptr;
    TPLXBarConnectionDrawer *drawer = nullptr;

    explicit Loaded(const Document &doc)
        : document(plxtest::loadPlain(text(doc)))
    {
        if (!document || !(connection = document->getConnection(0)))
            return;
        document->setEndDate(kMonday + 60);
        drawer = dynamic_cast<TPLXBarConnectionDrawer *>(connection->getDrawer(vtGanttGraph));
    }
};

} // namespace

class tst_plxBarConnection : public QObject
{
    Q_OBJECT

private slots:
    void violationOffset_data()
    {
        QTest::addColumn<double>("targetStart");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("distance");
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<int>("offset");
        // Origin: Wednesday 3 January to Friday 5 January 00:00 (two working days).
        QTest::newRow("FS 2, target Tuesday after weekend: satisfied") << kMonday + 8 << 1 << 2 << false << 0;
        QTest::newRow("FS 2, target Monday: one day short") << kMonday + 7 << 1 << 2 << false << 1;
        QTest::newRow("FS 2, target later, loose") << kMonday + 10 << 1 << 2 << false << 0;
        QTest::newRow("FS 2, target later, fixed") << kMonday + 10 << 1 << 2 << true << -2;
        QTest::newRow("SS 1, target same start") << kMonday + 2 << 3 << 1 << false << 1;
        QTest::newRow("FF 0 fixed, target ends a weekend later") << kMonday + 7 << 0 << 0 << true << -2;
    }

    void violationOffset()
    {
        QFETCH(double, targetStart);
        QFETCH(int, type);
        QFETCH(int, distance);
        QFETCH(bool, fixed);
        QFETCH(int, offset);
        Loaded l(twoBars(targetStart, type, distance, fixed, kMonday + 2, 1));
        QVERIFY(l.connection);
        QCOMPARE(l.connection->findViolationOffset(), offset);
    }

    void violationAndEffectiveDurationNeedAParent()
    {
        Loaded l(twoBars(kMonday, 1, 5, true));
        QVERIFY(l.connection && l.connection->findViolationOffset() != 0);
        // A bar that does not count for summaries never reports a violation.
        TPLXGanttRow *row = l.document->GetTable()->getRow(1);
        row->AddBar(std::make_unique<TPLXFakeBar>(kMonday, kMonday + 1, 1).release());
        TPLXGanttBar *realTarget = l.connection->getToBar();
        l.connection->setToBar(row->GetBarInRow(0));
        QCOMPARE(l.connection->findViolationOffset(), 0);
        // Without a parent the offset is 0.
        TPLXBarConnection loose(l.connection->getFromBar(), realTarget, 1, l.document.get());
        loose.setMinDistance(5);
        loose.setDistanceFixed(true);
        QCOMPARE(loose.findViolationOffset(), 0);

        // Target starts Monday the 1st, origin ends Wednesday the 3rd: two working days back.
        Loaded e(twoBars(kMonday));
        PLX_COMPARE_EACH(double, ({e.connection->getDuration(), e.connection->getEffectiveDuration()}), ({-2.0, 2.0}));
        // Friday end to Tuesday start spans a weekend: four calendar days, two working days.
        Loaded w(twoBars(kMonday + 8, 1, 0, false, kMonday + 2, 1));
        PLX_COMPARE_EACH(double, ({w.connection->getDuration(), w.connection->getEffectiveDuration()}), ({4.0, 2.0}));
        // Without a parent there is no calendar.
        QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, TPLXBarConnection().getEffectiveDuration());
    }

    void routesAndPixels()
    {
        // A: row 0, x 0..40; B: row 2 from Thursday, x 60..80. Rows are 20 pixels.
        Loaded l(twoBars(kMonday + 3));
        QVERIFY(l.drawer && l.drawer->route() && l.drawer->isLeftToRight());
        // Stub right of A's end, arrow into B's start, then (fromX, y1)-(fromX, ym) with ym the
        // origin row centre, down to the target row, and back.
        QCOMPARE(l.drawer->getSegments(),
                 (Segments{{40, 50, 10, 10}, {50, 60, 50, 50}, {50, 50, 10, 10}, {50, 50, 10, 50}, {50, 50, 10, 10}}));
        QCOMPARE(l.drawer->routeColor(), TColor(0xFF0000));
        QCOMPARE(pixels(drawn(l.drawer, 200, 120), {{45, 10}, {50, 30}, {55, 50}, {30, 10}, {50, 70}}),
                 (QList<TColor>{kBlue, kBlue, kBlue, kWhite, kWhite}));

        // Backwards between adjacent rows: arrow -10..0 at y 30, the middle run on row 1's top (y 20).
        Loaded back(twoBars(kMonday, 1, 0, false, kMonday, 1));
        QVERIFY(back.drawer->route());
        QCOMPARE(
            back.drawer->getSegments(),
            (Segments{{40, 50, 10, 10}, {-10, 0, 30, 30}, {50, 50, 10, 20}, {-10, -10, 20, 30}, {-10, 50, 20, 20}}));
        QVERIFY(!back.drawer->isLeftToRight());

        // B starts exactly where A ends (Wednesday 00:00): a stub, then straight down.
        Loaded d(twoBars(kMonday + 2));
        QVERIFY(d.drawer->route());
        const TRect target = d.connection->getToBar()->getRect(d.document->getStartDate());
        QVERIFY(target.Top > 40 && target.Top < 50); // a bar centred in row 2 (40..60)
        QCOMPARE(d.drawer->getSegments(), (Segments{{40, 50, 10, 10}, {50, 50, 10, target.Top}}));
        QCOMPARE(d.drawer->getPieces().back().kind, TPLXConnectorPiece::pkVertArrow);
        // The arrow head reaches the bar's top; no horizontal arrow into the bar.
        QCOMPARE(pixels(drawn(d.drawer, 200, 120), {{45, 10}, {50, 25}, {50, target.Top - 2}, {60, 50}}),
                 (QList<TColor>{kBlue, kBlue, kBlue, kWhite}));
        // Hits: 4 pixels above and below the stub, not 5; 4 right of the drop, not 5; nothing beyond
        // the stub's start on its line or beyond the drop's end.
        const QList<QPoint> points{{45, 6},         {45, 14}, {45, 5},  {45, 15},
                                   {54, 30},        {55, 30}, {35, 10}, {50, target.Top + 1},
                                   {50, target.Top}};
        QList<bool> hits;
        for (const QPoint &p : points)
            hits << (d.drawer->locateObject(p.x(), p.y()) == d.connection);
        QCOMPARE(hits, (QList<bool>{true, true, false, false, true, false, false, false, true}));
    }

    void colourPenAndHighlighting()
    {
        Loaded l(twoBars(kMonday + 3, 0));
        const auto colour = [&] { return l.drawer->route() ? l.drawer->routeColor() : TColor(-1); };
        QCOMPARE(colour(), TColor(0x008000)); // finish-finish colour
        // Finish-finish: the arrow comes into B's end (x 80) from the right, the run is on row 0's centre.
        QCOMPARE(pixels(drawn(l.drawer, 200, 120), {{90, 30}, {70, 10}, {85, 50}, {50, 30}}),
                 (QList<TColor>{kGreen, kGreen, kGreen, kWhite}));
        // Highlighting takes both bars along and the highlight colour.
        TPLXDrawer *from = l.connection->getFromBar()->getDrawer(vtGanttGraph);
        TPLXDrawer *to = l.connection->getToBar()->getDrawer(vtGanttGraph);
        l.drawer->setHighlighted(true);
        QVERIFY(l.drawer->isHighLighted() && from->isHighLighted() && to->isHighLighted());
        QCOMPARE(colour(), TColor(0x0000FF));
        l.connection->setCriticalElement(true);
        QCOMPARE(colour(), l.document->GetTable()->getCriticalPathColor());
        // A violated distance is drawn dashed.
        l.connection->setMinDistance(10);
        QVERIFY(l.drawer->route());
        QCOMPARE(l.drawer->routePenStyle(), psDash);
        l.drawer->setHighlighted(false);
        QVERIFY(!l.drawer->isHighLighted() && !from->isHighLighted() && !to->isHighLighted());
    }

    void nothingIsRoutedWhenHiddenOrDisabled()
    {
        Document hidden = twoBars(kMonday + 3);
        hidden.showConnections = false;
        Loaded h(hidden);
        QVERIFY(!h.drawer->route() && h.drawer->getSegments().empty());
        QCOMPARE(pixel(drawn(h.drawer, 200, 120), 50, 30), kWhite);

        // Both bars before the document's start, then both after its end.
        Loaded l(twoBars(kMonday + 3));
        l.document->setStartDate(kMonday + 20);
        QVERIFY(!l.drawer->route());
        l.document->setStartDate(kMonday - 20);
        l.document->setEndDate(kMonday - 1);
        QVERIFY(!l.drawer->route());
        // Same row: only with FDrawOnSingleRow.
        Loaded s(twoBars(kMonday + 3, 1, 0, false, kMonday, 0));
        QVERIFY(!s.drawer->route());
        s.connection->setDrawOnSingleRow(true);
        QVERIFY(s.drawer->route());
    }

    void routeWithTheOriginRowScrolledAway_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<Segments>("expected");
        // Row 0 (A, x 0..40) is scrolled away; row 2 (B, x 60..80) is centred at y 30.
        QTest::newRow("finish-start: stub above, one line up from the target")
            << 1 << Segments{{40, 50, -10, -10}, {50, 60, 30, 30}, {50, 50, 0, 30}};
        QTest::newRow("start-start: down from the top edge, across, into the target")
            << 3
            << Segments{{-10, 0, -10, -10}, {50, 60, 30, 30}, {-10, -10, 0, 30}, {50, 50, 30, 30}, {-10, 50, 30, 30}};
    }

    void routeWithTheOriginRowScrolledAway()
    {
        QFETCH(int, type);
        QFETCH(Segments, expected);
        Loaded l(twoBars(kMonday + 3, type));
        l.document->GetTable()->SetScrolledLines(1);
        QVERIFY(l.drawer->route());
        QCOMPARE(l.drawer->getSegments(), expected);
        l.document->GetTable()->SetScrolledLines(3); // both rows away: nothing
        QVERIFY(!l.drawer->route());
    }

    void pertRoute()
    {
        Loaded l(twoBars(kMonday + 3, 0));
        auto *pert = dynamic_cast<TPLXBarConnectionPertDrawer *>(l.connection->getDrawer(vtPertGraph));
        // Without PERT drawers the bars' Gantt drawers answer with their last rectangles.
        auto *a = dynamic_cast<TPLXGanttBarDrawer *>(l.connection->getFromBar()->getDrawer(vtPertGraph));
        auto *b = dynamic_cast<TPLXGanttBarDrawer *>(l.connection->getToBar()->getDrawer(vtPertGraph));
        QVERIFY(pert && a && b);

        // Side by side: out of A's right edge, across, into B's left edge, in "colorFF" whatever the type.
        a->setLastRect({0, 0, 40, 20});
        b->setLastRect({100, 10, 140, 30});
        QVERIFY(pert->route());
        QCOMPARE(pert->getSegments(), (Segments{{40, 70, 10, 10}, {70, 70, 10, 20}, {70, 100, 20, 20}}));
        QCOMPARE(pert->getPieces().front().kind, TPLXConnectorPiece::pkLine);
        QCOMPARE(pert->routeColor(), TColor(0x008000));

        // Above each other, two-way: the first piece is an arrow back to the origin.
        l.connection->setConnType(1);
        b->setLastRect({100, 60, 140, 80});
        QVERIFY(pert->route());
        QCOMPARE(pert->getSegments(), (Segments{{20, 20, 20, 40}, {20, 120, 40, 40}, {120, 120, 40, 60}}));
        QCOMPARE(pert->getPieces().front().kind, TPLXConnectorPiece::pkVertArrow);

        // A PERT box as the target: the arrow stops in front of its 4-pixel border.
        TPLXPertBarSettings look;
        look.setWidth(40);
        look.setHeight(20);
        look.setBorderThickness(4);
        auto box = std::make_unique<TPLXPertBar>(100 - l.document->getColStartX(0), 60, &look);
        box->setDetailed(false); // the plain box, no detail area below it
        box->setParent(l.connection->getToBar()->getParent());
        TPLXBarConnection toBox(l.connection->getFromBar(), box.release(), 1, l.document.get());
        auto *boxRoute = static_cast<TPLXBarConnectionPertDrawer *>(toBox.getDrawer(vtPertGraph));
        QVERIFY(boxRoute->route());
        QCOMPARE(boxRoute->getSegments().back(), (TPLXConnectorSegment{120, 120, 38, 56}));
        QCOMPARE(pert->locateObject(120, 50), l.connection);
    }

    void badConnectionsAreDroppedWithALogLine()
    {
        Document doc = twoBars(kMonday + 3);
        doc.connections = {
            Connection{QStringLiteral("NoFrom"), QString(), QStringLiteral("B"), 1},
            Connection{QStringLiteral("Dangling"), QStringLiteral("A"), QStringLiteral("Nowhere"), 1},
            Connection{QStringLiteral("Self"), QStringLiteral("A"), QStringLiteral("A"), 1},
            Connection{QStringLiteral("Good"), QStringLiteral("A"), QStringLiteral("B"), 1, 7},
        };
        QByteArray t = text(doc);
        t.replace("distance=7\n", "distance=two\n"); // the last one's distance is not a number
        // Listed again, and a task bar listed as a connection.
        t.replace("connections#count=4\n", "connections#count=6\n");
        t.replace("connections#3=Good\n", "connections#3=Good\nconnections#4=Good\nconnections#5=A\n");
        TPLXRecordingScope scope;
        auto document = plxtest::loadPlain(t);
        QVERIFY(document);
        document->setEndDate(kMonday + 60);
        // The self connection loads (it is never drawn); the broken ones are dropped.
        QCOMPARE(document->countConnections(), 2); // the order shows in the saved list below
        const QString log = scope.recorder().logLines().join(QLatin1Char('\n'));
        QVERIFY2(log.contains(QStringLiteral("Connection \"Dangling\" of \"root\" is dropped")), qPrintable(log));
        QVERIFY(log.contains(QStringLiteral("Connection \"Good\" of \"root\" is listed twice")));
        QVERIFY(log.contains(QStringLiteral("Connection \"A\" of \"root\" is dropped: it did not load as a bar")));
        QVERIFY(log.contains(QStringLiteral("Bar Connection \"Good\": distance \"two\" is not a number; 0 is used")));
        auto *self = dynamic_cast<TPLXBarConnectionDrawer *>(document->getConnection(0)->getDrawer(vtGanttGraph));
        QVERIFY(!self->route());
    }
};

QTEST_MAIN(tst_plxBarConnection)
#include "tst_plxBarConnection.moc"
