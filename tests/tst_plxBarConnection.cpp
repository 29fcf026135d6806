#include "plxBarConnection.h"
#include "plxBarSettings.h"
#include "plxDocumentFixture.h"
#include "plxGanttBar.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxPertBar.h"
#include "plxPlatform.h"
#include "plxTaskBar.h"
#include "plxVisualContext.h"

#include <QPainter>
#include <QtTest>

using namespace fixture;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
const QRgb kBlue = qRgb(0, 0, 255);  // clBlue, the finish-start colour of the fixture
const QRgb kGreen = qRgb(0, 128, 0); // clGreen, finish-finish

// Two rows apart: A (row 0, Monday, 2 days) and B (row 2) starting `targetStart`.
Document twoBars(double targetStart, int type = 1, int distance = 0, bool fixed = false)
{
    Document doc;
    doc.rows = {Row{{Bar{QStringLiteral("A"), kMonday, 2}}}, Row{}, Row{{Bar{QStringLiteral("B"), targetStart, 1}}}};
    doc.connections = {Connection{QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("B"), type, distance, fixed}};
    return doc;
}

struct Loaded
{
    std::unique_ptr<TPLXGanttDocument> document;
    TPLXBarConnection *connection = nullptr;
    TPLXBarConnectionDrawer *drawer = nullptr;
};

Loaded loadDocument(const Document &doc)
{
    Loaded loaded;
    loaded.document = fixture::loadPlain(text(doc));
    if (!loaded.document)
        return loaded;
    loaded.document->setEndDate(kMonday + 60);
    loaded.connection = loaded.document->getConnection(0);
    if (loaded.connection)
        loaded.drawer = dynamic_cast<TPLXBarConnectionDrawer *>(loaded.connection->getDrawer(vtGanttGraph));
    return loaded;
}

TPLXGanttBar *barAt(TPLXGanttDocument &document, int row, int index)
{
    return document.GetTable()->getRow(row)->GetBarInRow(index);
}

QImage render(TPLXDrawer &drawer, int width = 200, int height = 120)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TPLXCanvasVC vc(painter);
    vc.setVisibleArea({0, 0, width, height});
    drawer.Draw(vc);
    painter.end();
    return image;
}

} // namespace

class tst_plxBarConnection : public QObject
{
    Q_OBJECT

private slots:
    void typeBitsAndConstruction();
    void loadedWithoutTypeIsFinishFinish();
    void violationOffset_data();
    void violationOffset();
    void violationNeedsSummarizableBarsAndAParent();
    void effectiveDurationIsNeverNegative();
    void effectiveDurationWithoutParentFailsItsAssertion();
    void finishStartRoutePixels();
    void directDropOntoTarget();
    void turnBackBetweenAdjacentRows();
    void colourAndPenFollowState();
    void hitTestTolerance();
    void highlightingReachesBothBars();
    void nothingIsRoutedWhenHiddenOrDisabled();
    void routeWithTheOriginRowScrolledAway_data();
    void routeWithTheOriginRowScrolledAway();
    void pertRoute();
    void saveAndReload();
    void badConnectionsAreDroppedWithALogLine();
    void distanceThatIsNotANumber();
};

void tst_plxBarConnection::typeBitsAndConstruction()
{
    TPLXBarConnection c;
    QCOMPARE(c.getConnType(), 1); // finish-start
    QCOMPARE(c.getFromBar(), nullptr);
    QCOMPARE(c.FMinDistance, 0);
    QVERIFY(!c.FDistanceFixed && !c.FWorkingDays && !c.FDrawOnSingleRow && !c.FCriticalElement);
    QVERIFY(!c.getOriginType());
    QVERIFY(c.getTargetType());

    c.setOriginType(true);
    QCOMPARE(c.getConnType(), 3);
    c.setTargetType(false);
    QCOMPARE(c.getConnType(), 2);
    c.setOriginType(false);
    QCOMPARE(c.getConnType(), 0);
    c.setConnType(1);
    QVERIFY(c.getTargetType() && !c.getOriginType());

    // The published properties read the fields.
    c.FMinDistance = 3;
    QCOMPARE(c.property("minDistance").toInt(), 3);
    QVERIFY(c.setProperty("distanceFixed", true));
    QVERIFY(c.FDistanceFixed);
    QVERIFY(c.getDrawer(vtGanttGraph) != nullptr);
    QVERIFY(c.getDrawer(vtPertGraph) != c.getDrawer(vtGanttGraph));
}

void tst_plxBarConnection::loadedWithoutTypeIsFinishFinish()
{
    Document doc = twoBars(kMonday + 3);
    doc.extra = section(QStringLiteral("Bare")) + line(QStringLiteral("typeID"), QStringLiteral("Bar Connection"))
                + line(QStringLiteral("from"), QStringLiteral("A")) + line(QStringLiteral("to"), QStringLiteral("B"));
    doc.connections.clear();
    QByteArray t = text(doc);
    t.replace("connections#count=0\n", "connections#count=1\nconnections#0=Bare\n");
    auto document = fixture::loadPlain(t);
    QVERIFY(document);
    QCOMPARE(document->countConnections(), 1);
    TPLXBarConnection *c = document->getConnection(0);
    QCOMPARE(c->getConnType(), 0);
    QCOMPARE(c->FMinDistance, 0);
    QVERIFY(c->FDistanceFixed);  // missing key reads true
    QVERIFY(c->FWorkingDays);
    QCOMPARE(c->getFromBar(), barAt(*document, 0, 0));
    QCOMPARE(c->getToBar(), barAt(*document, 2, 0));
}

void tst_plxBarConnection::violationOffset_data()
{
    QTest::addColumn<double>("targetStart");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("distance");
    QTest::addColumn<bool>("fixed");
    QTest::addColumn<int>("offset");

    // Origin: Wednesday 3 January to Friday 5 January 00:00 (two working days).
    const double nextMon = kMonday + 7;
    const double nextTue = kMonday + 8;
    QTest::newRow("FS 2, target Tuesday after weekend: satisfied") << nextTue << 1 << 2 << false << 0;
    QTest::newRow("FS 2, target Monday: one day short") << nextMon << 1 << 2 << false << 1;
    QTest::newRow("FS 2, target later, loose") << nextTue + 2 << 1 << 2 << false << 0;
    QTest::newRow("FS 2, target later, fixed") << nextTue + 2 << 1 << 2 << true << -2;
    QTest::newRow("FS 0, target before origin end") << kMonday + 3 << 1 << 0 << false << 1;
    QTest::newRow("SS 1, target same start") << kMonday + 2 << 3 << 1 << false << 1;
    QTest::newRow("FF 0, target ends a weekend later") << nextMon << 0 << 0 << false << 0;
    QTest::newRow("FF 0 fixed, target ends a weekend later") << nextMon << 0 << 0 << true << -2;
}

void tst_plxBarConnection::violationOffset()
{
    QFETCH(double, targetStart);
    QFETCH(int, type);
    QFETCH(int, distance);
    QFETCH(bool, fixed);
    QFETCH(int, offset);

    Document doc;
    doc.rows = {Row{{Bar{QStringLiteral("A"), kMonday + 2, 2}}}, Row{{Bar{QStringLiteral("B"), targetStart, 1}}}};
    doc.connections = {Connection{QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("B"), type, distance, fixed}};
    Loaded l = loadDocument(doc);
    QVERIFY(l.connection);
    QCOMPARE(l.connection->getFromBar()->getEndDate(), kMonday + 4); // Friday 00:00
    QCOMPARE(l.connection->findViolationOffset(), offset);
}

void tst_plxBarConnection::violationNeedsSummarizableBarsAndAParent()
{
    Loaded l = loadDocument(twoBars(kMonday, 1, 5, true));
    QVERIFY(l.connection);
    QVERIFY(l.connection->findViolationOffset() != 0);

    // A bar that does not count for summaries never reports a violation.
    TPLXGanttRow *row = l.document->GetTable()->getRow(1);
    auto fake = std::make_unique<TPLXFakeBar>(kMonday, kMonday + 1, 1);
    row->AddBar(fake.release());
    TPLXGanttBar *notSummarizable = row->GetBarInRow(0);
    TPLXGanttBar *realTarget = l.connection->getToBar();
    l.connection->setToBar(notSummarizable);
    QCOMPARE(l.connection->findViolationOffset(), 0);
    QVERIFY(l.drawer->route());
    QCOMPARE(l.drawer->routePenStyle(), psSolid);
    l.connection->setToBar(realTarget);
    QVERIFY(l.drawer->route());
    QCOMPARE(l.drawer->routePenStyle(), psDash);

    // Without a parent the offset is 0.
    TPLXBarConnection loose(l.connection->getFromBar(), realTarget, 1, l.document.get());
    loose.FMinDistance = 5;
    loose.FDistanceFixed = true;
    QCOMPARE(loose.findViolationOffset(), 0);
}

void tst_plxBarConnection::effectiveDurationIsNeverNegative()
{
    // Target starts Monday the 1st, origin ends Wednesday the 3rd: two working days back.
    Loaded l = loadDocument(twoBars(kMonday));
    QCOMPARE(l.connection->getDuration(), -2.0);
    QCOMPARE(l.connection->getEffectiveDuration(), 2.0);
    QCOMPARE(l.connection->property("effectiveDuration").toDouble(), 2.0);

    // Friday end to Tuesday start spans a weekend: four calendar days, two working days.
    Document doc;
    doc.rows = {Row{{Bar{QStringLiteral("A"), kMonday + 2, 2}}}, Row{{Bar{QStringLiteral("B"), kMonday + 8, 1}}}};
    doc.connections = {Connection{QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("B"), 1}};
    Loaded w = loadDocument(doc);
    QCOMPARE(w.connection->getDuration(), 4.0);
    QCOMPARE(w.connection->getEffectiveDuration(), 2.0);
}

void tst_plxBarConnection::effectiveDurationWithoutParentFailsItsAssertion()
{
    TPLXBarConnection c;
    try {
        c.getEffectiveDuration();
        QFAIL("no assertion failure");
    } catch (const EPLXAssertionFailed &failure) {
        QCOMPARE(failure.source(), QStringLiteral("src/framework/plxBarConnection"));
        QVERIFY(failure.message().contains(QStringLiteral("Assertion fehlgeschlagen")));
    }
}

void tst_plxBarConnection::finishStartRoutePixels()
{
    // A: row 0, x 0..40; B: row 2 from Thursday, x 60..80. Rows are 20 pixels.
    Loaded l = loadDocument(twoBars(kMonday + 3));
    QVERIFY(l.drawer);
    QVERIFY(l.drawer->isLeftToRight());
    QVERIFY(l.drawer->route());
    const std::vector<TPLXConnectorSegment> expected{
        {40, 50, 10, 10}, // stub to the right of A's end
        {50, 60, 50, 50}, // arrow into B's start
        {50, 50, 10, 10}, // (fromX, y1)-(fromX, ym): ym is the origin row centre
        {50, 50, 10, 50}, // down to the target row
        {50, 50, 10, 10},
    };
    QCOMPARE(l.drawer->getSegments(), expected);
    QCOMPARE(l.drawer->routeColor(), TColor(0xFF0000));
    QCOMPARE(l.drawer->routePenStyle(), psSolid);

    const QImage image = render(*l.drawer);
    QCOMPARE(image.pixel(45, 10), kBlue);
    QCOMPARE(image.pixel(50, 30), kBlue);
    QCOMPARE(image.pixel(55, 50), kBlue);
    QCOMPARE(image.pixel(30, 10), kWhite);
    QCOMPARE(image.pixel(50, 70), kWhite);
}

void tst_plxBarConnection::directDropOntoTarget()
{
    // B starts exactly where A ends (Wednesday 00:00): a stub, then straight down.
    Loaded l = loadDocument(twoBars(kMonday + 2));
    QVERIFY(l.drawer->route());
    const TRect target = l.connection->getToBar()->getRect(l.document->getStartDate());
    QVERIFY(target.Top > 40 && target.Top < 50); // a bar centred in row 2 (40..60)
    const std::vector<TPLXConnectorSegment> expected{{40, 50, 10, 10}, {50, 50, 10, target.Top}};
    QCOMPARE(l.drawer->getSegments(), expected);
    QCOMPARE(l.drawer->getPieces().back().kind, TPLXConnectorPiece::pkVertArrow);

    const QImage image = render(*l.drawer);
    QCOMPARE(image.pixel(45, 10), kBlue);
    QCOMPARE(image.pixel(50, 25), kBlue);
    QCOMPARE(image.pixel(50, target.Top - 2), kBlue); // the arrow head reaches the bar's top
    QCOMPARE(image.pixel(60, 50), kWhite); // no horizontal arrow into the bar
}

void tst_plxBarConnection::turnBackBetweenAdjacentRows()
{
    // Finish-start backwards: A in row 0 ends Wednesday, B in row 1 starts Monday.
    Document doc;
    doc.rows = {Row{{Bar{QStringLiteral("A"), kMonday, 2}}}, Row{{Bar{QStringLiteral("B"), kMonday, 1}}}};
    doc.connections = {Connection{QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("B"), 1}};
    Loaded l = loadDocument(doc);
    QVERIFY(l.drawer->route());
    // Stub 40..50 at y 10, arrow -10..0 at y 30, middle run on row 1's top (y 20).
    const std::vector<TPLXConnectorSegment> expected{
        {40, 50, 10, 10}, {-10, 0, 30, 30}, {50, 50, 10, 20}, {-10, -10, 20, 30}, {-10, 50, 20, 20}};
    QCOMPARE(l.drawer->getSegments(), expected);
    QVERIFY(!l.drawer->isLeftToRight());
}

void tst_plxBarConnection::colourAndPenFollowState()
{
    Loaded l = loadDocument(twoBars(kMonday + 3, 0));
    QVERIFY(l.drawer->route());
    QCOMPARE(l.drawer->routeColor(), TColor(0x008000)); // finish-finish colour
    // Finish-finish: the arrow comes into B's end (x 80) from the right, the run is on row 0's centre.
    const QImage image = render(*l.drawer);
    QCOMPARE(image.pixel(90, 30), kGreen);
    QCOMPARE(image.pixel(70, 10), kGreen);
    QCOMPARE(image.pixel(85, 50), kGreen);
    QCOMPARE(image.pixel(50, 30), kWhite);

    l.drawer->setHighlighted(true);
    QVERIFY(l.drawer->route());
    QCOMPARE(l.drawer->routeColor(), TColor(0x0000FF));

    l.connection->FCriticalElement = true;
    QVERIFY(l.drawer->route());
    QCOMPARE(l.drawer->routeColor(), l.document->GetTable()->FCriticalPathColor);

    // A violated distance is drawn dashed; the pen is solid again after painting.
    l.connection->FMinDistance = 10;
    QVERIFY(l.drawer->route());
    QCOMPARE(l.drawer->routePenStyle(), psDash);
}

void tst_plxBarConnection::hitTestTolerance()
{
    Loaded l = loadDocument(twoBars(kMonday + 2)); // stub y 10 from x 40 to 50, drop at x 50
    QVERIFY(l.drawer->route());
    const int dropEnd = l.connection->getToBar()->getRect(l.document->getStartDate()).Top;
    QCOMPARE(l.drawer->locateObject(45, 6), l.connection);   // 4 pixels above the stub
    QCOMPARE(l.drawer->locateObject(45, 14), l.connection);  // 4 below
    QCOMPARE(l.drawer->locateObject(45, 5), nullptr);        // 5 above
    QCOMPARE(l.drawer->locateObject(45, 15), nullptr);
    QCOMPARE(l.drawer->locateObject(54, 30), l.connection);  // 4 right of the drop
    QCOMPARE(l.drawer->locateObject(55, 30), nullptr);
    QCOMPARE(l.drawer->locateObject(35, 10), nullptr);       // beyond the stub's start, on its line
    QCOMPARE(l.drawer->locateObject(50, dropEnd + 1), nullptr); // beyond the drop's end
    QCOMPARE(l.drawer->locateObject(50, dropEnd), l.connection);
}

void tst_plxBarConnection::highlightingReachesBothBars()
{
    Loaded l = loadDocument(twoBars(kMonday + 3));
    TPLXDrawer *from = l.connection->getFromBar()->getDrawer(vtGanttGraph);
    TPLXDrawer *to = l.connection->getToBar()->getDrawer(vtGanttGraph);
    QVERIFY(l.drawer->supportsHighlighting());
    l.drawer->setHighlighted(true);
    QVERIFY(l.drawer->isHighLighted() && from->isHighLighted() && to->isHighLighted());
    l.drawer->setHighlighted(false);
    QVERIFY(!l.drawer->isHighLighted() && !from->isHighLighted() && !to->isHighLighted());
}

void tst_plxBarConnection::nothingIsRoutedWhenHiddenOrDisabled()
{
    {
        Document doc = twoBars(kMonday + 3);
        doc.showConnections = false;
        Loaded l = loadDocument(doc);
        QVERIFY(!l.drawer->route());
        QVERIFY(l.drawer->getSegments().empty());
        QCOMPARE(render(*l.drawer).pixel(50, 30), kWhite);
    }
    {
        // Both bars before the document's start.
        Loaded l = loadDocument(twoBars(kMonday + 3));
        l.document->setStartDate(kMonday + 20);
        QVERIFY(!l.drawer->route());
        // Both after its end.
        l.document->setStartDate(kMonday - 20);
        l.document->setEndDate(kMonday - 1);
        QVERIFY(!l.drawer->route());
    }
    {
        // Same row: only with FDrawOnSingleRow.
        Document doc;
        doc.rows = {Row{{Bar{QStringLiteral("A"), kMonday, 1}, Bar{QStringLiteral("B"), kMonday + 3, 1}}}};
        doc.connections = {Connection{QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("B"), 1}};
        Loaded l = loadDocument(doc);
        QVERIFY(!l.drawer->route());
        l.connection->FDrawOnSingleRow = true;
        QVERIFY(l.drawer->route());
    }
    {
        // Both rows scrolled away above: nothing; one of them: pieces at y -10.
        Document doc = twoBars(kMonday + 3);
        doc.rows.append({Row{}, Row{}});
        Loaded l = loadDocument(doc);
        l.document->GetTable()->SetScrolledLines(3);
        QVERIFY(!l.drawer->route());
        l.document->GetTable()->SetScrolledLines(1);
        QVERIFY(l.drawer->route());
        QCOMPARE(l.drawer->getSegments().front(), (TPLXConnectorSegment{40, 50, -10, -10}));
    }
}

using Segments = std::vector<TPLXConnectorSegment>;
Q_DECLARE_METATYPE(Segments)

void tst_plxBarConnection::routeWithTheOriginRowScrolledAway_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<Segments>("expected");
    // Row 0 (A, x 0..40) is scrolled away; row 2 (B, x 60..80) is centred at y 30.
    QTest::newRow("finish-start: stub above, one line up from the target")
        << 1 << Segments{{40, 50, -10, -10}, {50, 60, 30, 30}, {50, 50, 0, 30}};
    QTest::newRow("start-start: down from the top edge, across, into the target")
        << 3 << Segments{{-10, 0, -10, -10}, {50, 60, 30, 30}, {-10, -10, 0, 30}, {50, 50, 30, 30}, {-10, 50, 30, 30}};
}

void tst_plxBarConnection::routeWithTheOriginRowScrolledAway()
{
    QFETCH(int, type);
    QFETCH(Segments, expected);
    Document doc = twoBars(kMonday + 3, type);
    doc.rows.append({Row{}, Row{}});
    Loaded l = loadDocument(doc);
    l.document->GetTable()->SetScrolledLines(1);
    QVERIFY(l.drawer->route());
    QCOMPARE(l.drawer->getSegments(), expected);
}

void tst_plxBarConnection::pertRoute()
{
    Loaded l = loadDocument(twoBars(kMonday + 3, 0));
    auto *pert = dynamic_cast<TPLXBarConnectionPertDrawer *>(l.connection->getDrawer(vtPertGraph));
    QVERIFY(pert);
    // Without PERT drawers the bars' Gantt drawers answer with their last rectangles.
    auto *a = dynamic_cast<TPLXGanttBarDrawer *>(l.connection->getFromBar()->getDrawer(vtPertGraph));
    auto *b = dynamic_cast<TPLXGanttBarDrawer *>(l.connection->getToBar()->getDrawer(vtPertGraph));
    QVERIFY(a && b);

    // Side by side: out of A's right edge, across, into B's left edge.
    a->lastRect = {0, 0, 40, 20};
    b->lastRect = {100, 10, 140, 30};
    QVERIFY(pert->route());
    std::vector<TPLXConnectorSegment> expected{{40, 70, 10, 10}, {70, 70, 10, 20}, {70, 100, 20, 20}};
    QCOMPARE(pert->getSegments(), expected);
    QCOMPARE(pert->getPieces().front().kind, TPLXConnectorPiece::pkLine);
    QCOMPARE(pert->routeColor(), TColor(0x008000)); // "colorFF" whatever the type

    // Above each other, two-way: the first piece is an arrow back to the origin.
    l.connection->setConnType(1);
    b->lastRect = {100, 60, 140, 80};
    QVERIFY(pert->route());
    expected = {{20, 20, 20, 40}, {20, 120, 40, 40}, {120, 120, 40, 60}};
    QCOMPARE(pert->getSegments(), expected);
    QCOMPARE(pert->getPieces().front().kind, TPLXConnectorPiece::pkVertArrow);
    QCOMPARE(pert->getPieces().front().y2, 20);

    // A PERT box as the target: the arrow stops in front of its 4-pixel border.
    TPLXPertBarSettings look;
    look.FWidth = 40;
    look.FHeight = 20;
    look.FBorderThickness = 4;
    const int colStart = l.document->getColStartX(0);
    auto box = std::make_unique<TPLXPertBar>(100 - colStart, 60, &look);
    box->setDetailed(false); // the plain box, no detail area below it
    box->setParent(l.connection->getToBar()->getParent());
    TPLXBarConnection toBox(l.connection->getFromBar(), box.release(), 1, l.document.get());
    auto *boxRoute = static_cast<TPLXBarConnectionPertDrawer *>(toBox.getDrawer(vtPertGraph));
    QVERIFY(boxRoute->route());
    QCOMPARE(boxRoute->getSegments().back(), (TPLXConnectorSegment{120, 120, 38, 56}));

    pert->setHighlighted(true);
    QVERIFY(pert->route());
    QCOMPARE(pert->routeColor(), TColor(255));
    QCOMPARE(pert->locateObject(120, 50), l.connection);
}

void tst_plxBarConnection::saveAndReload()
{
    Loaded l = loadDocument(twoBars(kMonday + 3, 2, 4, true));
    l.connection->FWorkingDays = false;
    l.connection->FDrawOnSingleRow = true; // not stored
    PLXMedia saved = plxMediaFromText(QByteArray());
    TPLXEntityFactory factory;
    factory.saveObject(QStringLiteral("root"), *saved, l.document.get());
    QCOMPARE(saved->strValue(QStringLiteral("C"), QStringLiteral("typeID"), QString()), QStringLiteral("Bar Connection"));
    QCOMPARE(saved->strValue(QStringLiteral("C"), QStringLiteral("from"), QString()), QStringLiteral("A"));
    QCOMPARE(saved->strValue(QStringLiteral("C"), QStringLiteral("to"), QString()), QStringLiteral("B"));

    TPLXEntityFactory loader;
    std::unique_ptr<TPLXGanttObject> root(loader.loadObject(QStringLiteral("root"), *saved, nullptr));
    auto *document = dynamic_cast<TPLXGanttDocument *>(root.get());
    QVERIFY(document);
    QCOMPARE(document->countConnections(), 1);
    TPLXBarConnection *c = document->getConnection(0);
    QCOMPARE(c->getConnType(), 2);
    QCOMPARE(c->FMinDistance, 4);
    QVERIFY(c->FDistanceFixed);
    QVERIFY(!c->FWorkingDays);
    QVERIFY(!c->FDrawOnSingleRow);
    QCOMPARE(c->getFromBar(), document->GetTable()->getRow(0)->GetBarInRow(0));
    QCOMPARE(c->getToBar(), document->GetTable()->getRow(2)->GetBarInRow(0));
    QCOMPARE(c->getUID(), QStringLiteral("C"));

    // A connection made in code gets an "AutoID:" section and no bars are written without both.
    TPLXBarConnection fresh;
    fresh.setFromBar(c->getFromBar());
    PLXMedia out = plxMediaFromText(QByteArray());
    fresh.doSave(QStringLiteral("ignored"), *out, factory);
    const QString uid = fresh.getUID();
    QVERIFY(uid.startsWith(QStringLiteral("AutoID:")));
    QCOMPARE(out->strValue(uid, QStringLiteral("from"), QStringLiteral("none")), QStringLiteral("none"));
    QCOMPARE(out->intValue(uid, QStringLiteral("type"), -1), 1);
}

void tst_plxBarConnection::badConnectionsAreDroppedWithALogLine()
{
    Document doc = twoBars(kMonday + 3);
    doc.connections = {
        Connection{QStringLiteral("NoFrom"), QString(), QStringLiteral("B"), 1},
        Connection{QStringLiteral("Dangling"), QStringLiteral("A"), QStringLiteral("Nowhere"), 1},
        Connection{QStringLiteral("Self"), QStringLiteral("A"), QStringLiteral("A"), 1},
        Connection{QStringLiteral("Good"), QStringLiteral("A"), QStringLiteral("B"), 1},
    };
    TPLXRecordingScope scope;
    Loaded l = loadDocument(doc);
    QVERIFY(l.document);
    // The self connection loads (it is never drawn); the broken ones are dropped.
    QCOMPARE(l.document->countConnections(), 2);
    QCOMPARE(l.document->getConnection(0)->getUID(), QStringLiteral("Self"));
    QCOMPARE(l.document->getConnection(1)->getUID(), QStringLiteral("Good"));
    const QString log = scope.recorder.logLines.join(QLatin1Char('\n'));
    QVERIFY2(log.contains(QStringLiteral("Connection \"NoFrom\" of \"root\" is dropped")), qPrintable(log));
    QVERIFY2(log.contains(QStringLiteral("Connection \"Dangling\" of \"root\" is dropped")), qPrintable(log));
    QVERIFY(log.contains(QStringLiteral("Unable to locate child object named: \"from\". Parent name = \"NoFrom\"")));
    QVERIFY(scope.recorder.messages.contains(QStringLiteral("Error loading Nowhere")));

    auto *self = dynamic_cast<TPLXBarConnectionDrawer *>(l.document->getConnection(0)->getDrawer(vtGanttGraph));
    QVERIFY(!self->route());

    // The chart still draws and saves.
    QImage image(200, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        TPLXCanvasVC vc(painter);
        vc.setVisibleArea({0, 0, 200, 120});
        l.document->getDrawer(vtGanttGraph)->Draw(vc);
    }
    QCOMPARE(image.pixel(50, 30), kBlue);
    PLXMedia saved = plxMediaFromText(QByteArray());
    TPLXEntityFactory factory;
    factory.saveObject(QStringLiteral("root"), *saved, l.document.get());
    QCOMPARE(saved->strArray(QStringLiteral("root"), QStringLiteral("connections")),
             (QStringList{QStringLiteral("Self"), QStringLiteral("Good")}));
}

void tst_plxBarConnection::distanceThatIsNotANumber()
{
    Document doc = twoBars(kMonday + 3);
    QByteArray t = text(doc);
    t.replace("distance=0\n", "distance=two\n");
    TPLXRecordingScope scope;
    auto document = fixture::loadPlain(t);
    QVERIFY(document);
    QCOMPARE(document->countConnections(), 1);
    QCOMPARE(document->getConnection(0)->FMinDistance, 0);
    QVERIFY(scope.recorder.logLines.join(QLatin1Char('\n'))
                .contains(QStringLiteral("Bar Connection \"C\": distance \"two\" is not a number; 0 is used")));
}

QTEST_MAIN(tst_plxBarConnection)
#include "tst_plxBarConnection.moc"
