#include "plxDataSource.h"
#include "plxDocumentCalendar.h"
#include "plxDocumentFixture.h"
#include "plxGanttBar.h"
#include "plxGanttDocument.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxIniDocument.h"
#include "plxPlatform.h"
#include "plxTaskBar.h"
#include "plxVisualContext.h"

#include <QPainter>
#include <QtTest>

using namespace fixture;

namespace {

const QRgb kBlue = qRgb(0, 0, 255);

// A bar kind that counts for nothing and refuses connections.
class TRefusingBar : public TPLXGanttBar
{
public:
    TRefusingBar()
        : TPLXGanttBar(kMonday, kMonday + 1, 0)
    {
    }
};

// A data source over an INI file of `doc` in its own directory.
struct Source
{
    QTemporaryDir dir;
    TPLXRecordingScope scope;
    std::unique_ptr<TPLXDataSource> ds;

    explicit Source(const Document &doc)
    {
        ds = std::make_unique<TPLXDataSource>();
        ds->setStorage(storageFor(dir, QStringLiteral("plan.ini"), text(doc)));
        ds->root()->setEndDate(kMonday + 400);
    }
    TPLXGanttDocument &document() const { return *ds->root(); }
    TPLXGanttBar *bar(int row, int index) const { return ds->GetTable()->getRow(row)->GetBarInRow(index); }
};

// A: Monday, 2 days; B: Wednesday; C: Thursday; finish-start chain A -> B -> C.
Document chain(bool fixedB = false)
{
    Document doc;
    doc.rows = {Row{{Bar{QStringLiteral("A"), kMonday, 2}}}, Row{{Bar{QStringLiteral("B"), kMonday + 2, 1, fixedB}}},
                Row{{Bar{QStringLiteral("C"), kMonday + 3, 1}}}};
    doc.connections = {Connection{QStringLiteral("AB"), QStringLiteral("A"), QStringLiteral("B"), 1},
                       Connection{QStringLiteral("BC"), QStringLiteral("B"), QStringLiteral("C"), 1}};
    return doc;
}

// The sections and keys of a store, for comparing two saved documents.
QMap<QString, QString> keysOf(IPLXMedia &media)
{
    QMap<QString, QString> all;
    auto &ini = dynamic_cast<TPLXINIFIle &>(media).iniFile();
    for (const QString &section : ini.sections())
        for (const QString &key : ini.keys(section)) {
            QString value;
            ini.readString(section, key, value);
            all.insert(section + QLatin1Char('/') + key, value);
        }
    return all;
}

} // namespace

class tst_plxGanttDocument : public QObject
{
    Q_OBJECT

private slots:
    void startDateSnapsToTheTimeMode_data();
    void startDateSnapsToTheTimeMode();
    void treeStartNeedsVisibleTree();
    void findConnectionWithAnyDirectionOrType();
    void findRowsConnectionNeedsSummarizableBars();
    void connectionIndexFollowsTheList();
    void resolveChainPushesEachBarOnce();
    void resolveSkipsFixedAndCollidingBars();
    void resolveMovesTheOriginBackWhenTheTargetMoved();
    void saveReloadKeepsOrderAndKeys();
    void partsOfKindsNotBuiltAreLeftOutQuietly();
    void drawerSkipsOnlyConnectionsOffScreen();
    void drawerAsksBeforeEachConnection();
    void locateAsksTableThenConnections();
    void connectionOperationsHonourEvents();
};

void tst_plxGanttDocument::startDateSnapsToTheTimeMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("date");
    QTest::addColumn<double>("expected");

    const double wednesdayNoon = kMonday + 2.5;
    QTest::newRow("week: Wednesday gives Monday, time kept") << int(tmWeek) << wednesdayNoon << kMonday + 0.5;
    QTest::newRow("week: Sunday belongs to the week before") << int(tmWeek) << kMonday + 6.25 << kMonday + 0.25;
    QTest::newRow("day: unchanged with time") << int(tmDay) << wednesdayNoon << wednesdayNoon;
    QTest::newRow("hour: unchanged") << int(tmHour) << wednesdayNoon << wednesdayNoon;
    QTest::newRow("month: first of month, time kept") << int(tmMonth) << kMonday + 45.25 << kMonday + 31.25;
    QTest::newRow("quarter: 15 May gives 1 April") << int(tmQuarter) << kMonday + 135.5 << kMonday + 91;
    QTest::newRow("year: 1 January") << int(tmYear) << kMonday + 200.75 << kMonday;
    QTest::newRow("decade: 2024 gives 2020") << int(tmDecade) << kMonday + 10 << kMonday - 1461;
}

void tst_plxGanttDocument::startDateSnapsToTheTimeMode()
{
    QFETCH(int, mode);
    QFETCH(double, date);
    QFETCH(double, expected);
    auto document = fixture::loadPlain(text(chain()));
    QVERIFY(document && document->getCalendar());
    document->getCalendar()->SetTimeMode(TPLXTimeMode(mode));
    document->setStartDate(date);
    QCOMPARE(document->getStartDate(), expected);

    // Without a calendar the date stays as given.
    TPLXGanttDocument bare;
    bare.setStartDate(date);
    QCOMPARE(bare.getStartDate(), date);
}

void tst_plxGanttDocument::treeStartNeedsVisibleTree()
{
    TPLXGanttDocument document;
    document.setTreeStartX(10); // 0 + 10 - 0 is not more than 10
    QCOMPARE(document.getTreeStartX(), 0);
    document.setTreeStartX(11);
    QCOMPARE(document.getTreeStartX(), 11);
    QCOMPARE(document.getDocStartX(), 20);
    QVERIFY(document.FDrawConnections);
    QVERIFY(!document.FPrintLegend && document.FPrintLegendUnder);
}

void tst_plxGanttDocument::findConnectionWithAnyDirectionOrType()
{
    Document doc;
    doc.rows = {Row{{Bar{QStringLiteral("A")}}}, Row{{Bar{QStringLiteral("B")}}}, Row{{Bar{QStringLiteral("C")}}}};
    doc.connections = {Connection{QStringLiteral("BA"), QStringLiteral("B"), QStringLiteral("A"), 3},
                       Connection{QStringLiteral("AB"), QStringLiteral("A"), QStringLiteral("B"), 1},
                       Connection{QStringLiteral("AC"), QStringLiteral("A"), QStringLiteral("C"), 0}};
    auto document = fixture::loadPlain(text(doc));
    QVERIFY(document);
    TPLXGanttTable *table = document->GetTable();
    TPLXGanttBar *a = table->getRow(0)->GetBarInRow(0);
    TPLXGanttBar *b = table->getRow(1)->GetBarInRow(0);
    TPLXGanttBar *c = table->getRow(2)->GetBarInRow(0);
    TPLXBarConnection *ba = document->getConnection(0);
    TPLXBarConnection *ab = document->getConnection(1);
    TPLXBarConnection *ac = document->getConnection(2);

    QCOMPARE(document->findConnection(a, b, -1), ba); // either direction, first in the list
    QCOMPARE(document->findConnection(b, a, -1), ba);
    QCOMPARE(document->findConnection(c, a, -1), ac);
    QCOMPARE(document->findConnection(a, b, 4), ab);  // from a to b, any type
    QCOMPARE(document->findConnection(a, b, 1), ab);
    QCOMPARE(document->findConnection(a, b, 3), nullptr);
    QCOMPARE(document->findConnection(b, a, 3), ba);
    QCOMPARE(document->findConnection(c, a, 4), nullptr);
    QCOMPARE(document->findConnection(b, c, -1), nullptr);

    // After a removal and re-adding at the end, list order decides again.
    document->removeConnection(ba);
    QCOMPARE(document->findConnection(a, b, -1), ab);
    document->addConnection(ba);
    QCOMPARE(document->findConnection(b, a, -1), ab);
    QCOMPARE(document->getConnectionIndex(ba), 2);
}

void tst_plxGanttDocument::findRowsConnectionNeedsSummarizableBars()
{
    auto document = fixture::loadPlain(text(chain()));
    TPLXGanttTable *table = document->GetTable();
    TPLXGanttRow *r0 = table->getRow(0);
    TPLXGanttRow *r1 = table->getRow(1);
    TPLXGanttRow *r2 = table->getRow(2);
    QCOMPARE(document->findRowsConnection(r0, r1), document->getConnection(0));
    QCOMPARE(document->findRowsConnection(r1, r2), document->getConnection(1));
    QCOMPARE(document->findRowsConnection(r1, r0), nullptr);
    QCOMPARE(document->findRowsConnection(r0, r2), nullptr);

    // A connection from a bar that does not count for summaries joins no rows.
    auto refusing = std::make_unique<TRefusingBar>();
    r0->AddBar(refusing.get());
    auto owned = std::make_unique<TPLXBarConnection>(refusing.release(), r2->GetBarInRow(0), 1, document.get());
    TPLXBarConnection *odd = owned.get();
    document->addConnection(owned.release()); // the document is its parent now
    QCOMPARE(document->findRowsConnection(r0, r2), nullptr);
    QCOMPARE(document->connectionsOf(r0->GetBarInRow(1)), QList<TPLXBarConnection *>{odd});
}

void tst_plxGanttDocument::connectionIndexFollowsTheList()
{
    auto document = fixture::loadPlain(text(chain()));
    TPLXGanttTable *table = document->GetTable();
    TPLXGanttBar *a = table->getRow(0)->GetBarInRow(0);
    TPLXGanttBar *b = table->getRow(1)->GetBarInRow(0);
    TPLXGanttBar *c = table->getRow(2)->GetBarInRow(0);
    TPLXBarConnection *ab = document->getConnection(0);
    TPLXBarConnection *bc = document->getConnection(1);

    QCOMPARE(document->connectionsOf(a), QList<TPLXBarConnection *>{ab});
    QCOMPARE(document->connectionsOf(b), (QList<TPLXBarConnection *>{ab, bc}));
    QCOMPARE(document->connectionsOf(c), QList<TPLXBarConnection *>{bc});

    document->removeConnection(ab);
    QCOMPARE(ab->getParent(), document.get()); // still owned by the document
    QVERIFY(document->connectionsOf(a).isEmpty());
    QCOMPARE(document->connectionsOf(b), QList<TPLXBarConnection *>{bc});
    document->removeConnection(ab); // not listed: nothing happens
    QCOMPARE(document->countConnections(), 1);

    // Changing the bars of a listed connection moves it in the index; an unlisted one is not indexed.
    bc->setFromBar(a);
    QCOMPARE(document->connectionsOf(a), QList<TPLXBarConnection *>{bc});
    QVERIFY(document->connectionsOf(b).isEmpty());
    ab->setToBar(c);
    QCOMPARE(document->connectionsOf(c), QList<TPLXBarConnection *>{bc});

    document->insertConnection(0, ab);
    QCOMPARE(document->getConnection(0), ab);
    document->addConnection(ab); // already listed: stays first, indexed once
    QCOMPARE(document->countConnections(), 2);
    QCOMPARE(document->getConnection(0), ab);
    QCOMPARE(document->connectionsOf(c), (QList<TPLXBarConnection *>{bc, ab}));
    QCOMPARE(document->connectionsOf(a), (QList<TPLXBarConnection *>{bc, ab}));
}

void tst_plxGanttDocument::resolveChainPushesEachBarOnce()
{
    Source s(chain());
    TPLXGanttBar *a = s.bar(0, 0);
    TPLXGanttBar *b = s.bar(1, 0);
    TPLXGanttBar *c = s.bar(2, 0);
    int afterAdds = 0;
    s.ds->OnAfterConnectionAdd = [&afterAdds](TPLXBarConnection *) { ++afterAdds; };

    // A moves to Tuesday and now ends Thursday.
    QVERIFY(s.ds->BarMove(a, kMonday + 1, 0));
    QCOMPARE(a->getEndDate(), kMonday + 3);
    afterAdds = 0;
    std::unique_ptr<TPLXMultipleOperations> pushes = s.document().resolveDistanceViolations(a);
    QCOMPARE(pushes->count(), 2);
    QCOMPARE(b->getStartDate(), kMonday + 3); // Thursday
    QCOMPARE(c->getStartDate(), kMonday + 4); // Friday
    QCOMPARE(afterAdds, 0);                   // suspended while pushing ...
    QVERIFY(s.ds->OnAfterConnectionAdd);      // ... and restored afterwards
    QCOMPARE(s.document().getConnection(0)->findViolationOffset(), 0);
    QCOMPARE(s.document().getConnection(1)->findViolationOffset(), 0);

    // The composite undoes the pushes in reverse.
    QVERIFY(pushes->undo());
    QCOMPARE(b->getStartDate(), kMonday + 2);
    QCOMPARE(c->getStartDate(), kMonday + 3);

    // Nothing to repair without connections.
    TPLXGanttDocument empty;
    QVERIFY(empty.resolveDistanceViolations(a)->empty());
}

void tst_plxGanttDocument::resolveSkipsFixedAndCollidingBars()
{
    {
        Source s(chain(true));
        TPLXGanttBar *a = s.bar(0, 0);
        QVERIFY(s.ds->BarMove(a, kMonday + 1, 0));
        std::unique_ptr<TPLXMultipleOperations> pushes = s.document().resolveDistanceViolations(a);
        QVERIFY(pushes->empty());
        QCOMPARE(s.bar(1, 0)->getStartDate(), kMonday + 2);
        QCOMPARE(s.bar(2, 0)->getStartDate(), kMonday + 3);
    }
    {
        // B's row holds D on Thursday, where B would be pushed: B stays, C is not pushed either.
        Document doc = chain();
        doc.rows[1].bars.append(Bar{QStringLiteral("D"), kMonday + 3, 1});
        Source s(doc);
        TPLXGanttBar *a = s.bar(0, 0);
        // Every bar's cached row index is current once the rows were asked, as drawing does.
        for (int row = 0; row < s.ds->GetTable()->countRows(); ++row)
            for (TPLXGanttBar *bar : s.ds->GetTable()->getRow(row)->bars())
                bar->getRow();
        QVERIFY(s.ds->BarMove(a, kMonday + 1, 0));
        QVERIFY(s.document().resolveDistanceViolations(a)->empty());
        QCOMPARE(s.bar(1, 0)->getStartDate(), kMonday + 2);
        QCOMPARE(s.document().findConnection(a, s.bar(1, 0), 1)->findViolationOffset(), 1);
    }
}

void tst_plxGanttDocument::resolveMovesTheOriginBackWhenTheTargetMoved()
{
    // A (Monday, 2 days) -> B (Wednesday). B moves to Tuesday: A goes back one
    // working day, to the Friday before the weekend.
    Document doc;
    doc.rows = {Row{{Bar{QStringLiteral("A"), kMonday, 2}}}, Row{{Bar{QStringLiteral("B"), kMonday + 2, 1}}}};
    doc.connections = {Connection{QStringLiteral("AB"), QStringLiteral("A"), QStringLiteral("B"), 1}};
    Source s(doc);
    TPLXGanttBar *a = s.bar(0, 0);
    TPLXGanttBar *b = s.bar(1, 0);
    QVERIFY(s.ds->BarMove(b, kMonday + 1, 1));
    QVERIFY(s.ds->ResolveDistanceViolations(b));
    QCOMPARE(a->getStartDate(), kMonday - 3);
    QCOMPARE(a->getEndDate(), kMonday + 1);
    QCOMPARE(s.ds->getUndoRedoStack().GetUndoOperationCount(), 2);
    QVERIFY(s.ds->getUndoRedoStack().undo());
    QCOMPARE(a->getStartDate(), kMonday);
}

void tst_plxGanttDocument::saveReloadKeepsOrderAndKeys()
{
    Document doc = chain();
    doc.connections.prepend(Connection{QStringLiteral("AC"), QStringLiteral("A"), QStringLiteral("C"), 3, 2, true});
    auto document = fixture::loadPlain(text(doc));
    document->FDateRangeStart = kMonday - 5;
    document->FTimeScaleUnder = true;
    PLXMedia first = plxMediaFromText(QByteArray());
    TPLXEntityFactory factory;
    factory.saveObject(QStringLiteral("root"), *first, document.get());
    QCOMPARE(first->strArray(QStringLiteral("root"), QStringLiteral("connections")),
             (QStringList{QStringLiteral("AC"), QStringLiteral("AB"), QStringLiteral("BC")}));
    QCOMPARE(first->strValue(QStringLiteral("root"), QStringLiteral("typeID"), QString()), QStringLiteral("Document"));
    QCOMPARE(first->strValue(QStringLiteral("root"), QStringLiteral("table"), QString()), QStringLiteral("Table"));
    QCOMPARE(first->strValue(QStringLiteral("root"), QStringLiteral("calendar"), QString()), QStringLiteral("Calendar"));
    QCOMPARE(first->strValue(QStringLiteral("root"), QStringLiteral("connection settings"), QString()),
             QStringLiteral("ConnectionSettings"));
    QVERIFY(first->boolValue(QStringLiteral("root"), QStringLiteral("time scale under"), false));

    // Reload and save again: every key is the same.
    TPLXEntityFactory loader;
    std::unique_ptr<TPLXGanttObject> again(loader.loadObject(QStringLiteral("root"), *first, nullptr));
    auto *reloaded = dynamic_cast<TPLXGanttDocument *>(again.get());
    QVERIFY(reloaded);
    QCOMPARE(reloaded->FDateRangeStart, kMonday - 5);
    QCOMPARE(reloaded->getConnection(0)->getUID(), QStringLiteral("AC"));
    PLXMedia second = plxMediaFromText(QByteArray());
    factory.saveObject(QStringLiteral("root"), *second, reloaded);
    QCOMPARE(keysOf(*second), keysOf(*first));
}

void tst_plxGanttDocument::partsOfKindsNotBuiltAreLeftOutQuietly()
{
    // "tree" names a type id that no registry row has: reported as the factory does.
    Document doc = chain();
    doc.extra = section(QStringLiteral("Grid")) + line(QStringLiteral("typeID"), QStringLiteral("Tree Gird"))
                + section(QStringLiteral("Key")) + line(QStringLiteral("typeID"), QStringLiteral("Legend"));
    QByteArray t = text(doc);
    t.replace("[root]\n", "[root]\ntree=Grid\nlegend=Key\n");
    TPLXRecordingScope scope;
    auto document = fixture::loadPlain(t);
    QVERIFY(document);
    QCOMPARE(document->countConnections(), 2);
    QVERIFY(scope.recorder.messages.contains(QStringLiteral("Warning: Unknown type idTree Gird")));
    QVERIFY(scope.recorder.messages.contains(QStringLiteral("Error loading Grid")));
    // "legend" names a registry kind: while this build has none it is left out with a log line only.
    if (!TPLXEntityFactory::isRegistered(QStringLiteral("Legend"))) {
        QVERIFY(!scope.recorder.messages.join(QLatin1Char('|')).contains(QStringLiteral("Key")));
        QVERIFY(scope.recorder.logLines.contains(QStringLiteral("\"legend\" of \"root\" is not loaded: its kind is not built")));
    }
}

void tst_plxGanttDocument::drawerSkipsOnlyConnectionsOffScreen()
{
    // 40 rows of 20 pixels. "Long" joins rows 0 and 39 and crosses the visible
    // band y 200..400 with both ends off it; "Short" joins rows 1 and 2 above it.
    Document doc;
    for (int i = 0; i < 40; ++i)
        doc.rows.append(Row{});
    doc.rows[0].bars = {Bar{QStringLiteral("A"), kMonday, 2}};
    doc.rows[39].bars = {Bar{QStringLiteral("B"), kMonday + 3, 1}};
    doc.rows[1].bars = {Bar{QStringLiteral("C"), kMonday, 2}};
    doc.rows[2].bars = {Bar{QStringLiteral("D"), kMonday + 3, 1}};
    doc.connections = {Connection{QStringLiteral("Long"), QStringLiteral("A"), QStringLiteral("B"), 1},
                       Connection{QStringLiteral("Short"), QStringLiteral("C"), QStringLiteral("D"), 1}};
    auto document = fixture::loadPlain(text(doc));
    document->setEndDate(kMonday + 60);
    auto *drawer = dynamic_cast<TPLXDocumentDrawer *>(document->getDrawer(vtGanttGraph));
    QVERIFY(drawer);

    QImage image(200, 800, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        TPLXCanvasVC vc(painter);
        vc.setVisibleArea({0, 200, 200, 400});
        drawer->Draw(vc);
    }
    QCOMPARE(drawer->paintedConnections(), 1);
    QCOMPARE(image.pixel(50, 300), kBlue);
    QCOMPARE(image.pixel(50, 399), kBlue);

    // Once the band holds the short one too, both are painted.
    {
        QPainter painter(&image);
        TPLXCanvasVC vc(painter);
        vc.setVisibleArea({0, 0, 200, 400});
        drawer->Draw(vc);
    }
    QCOMPARE(drawer->paintedConnections(), 2);

    // Switched off, none is.
    document->FDrawConnections = false;
    QImage blank(200, 800, QImage::Format_RGB32);
    blank.fill(Qt::white);
    {
        QPainter painter(&blank);
        TPLXCanvasVC vc(painter);
        vc.setVisibleArea({0, 200, 200, 400});
        drawer->Draw(vc);
    }
    QCOMPARE(drawer->paintedConnections(), 0);
    QVERIFY(blank.pixel(50, 300) != kBlue);
}

void tst_plxGanttDocument::drawerAsksBeforeEachConnection()
{
    auto document = fixture::loadPlain(text(chain()));
    document->setEndDate(kMonday + 60);
    QList<TPLXBarConnection *> asked;
    document->FOnDrawConnection = [&asked](TPLXBarConnection *c, bool &defaultPaint) {
        asked.append(c);
        defaultPaint = c->getUID() != QLatin1String("AB");
    };
    QImage image(200, 120, QImage::Format_RGB32);
    QPainter painter(&image);
    TPLXCanvasVC vc(painter);
    vc.setVisibleArea({0, 0, 200, 120});
    document->getDrawer(vtGanttGraph)->Draw(vc);
    QCOMPARE(asked, (QList<TPLXBarConnection *>{document->getConnection(0), document->getConnection(1)}));
    QCOMPARE(static_cast<TPLXDocumentDrawer *>(document->getDrawer(vtGanttGraph))->paintedConnections(), 1);
}

void tst_plxGanttDocument::locateAsksTableThenConnections()
{
    auto document = fixture::loadPlain(text(chain()));
    document->setEndDate(kMonday + 60);
    QImage image(200, 120, QImage::Format_RGB32);
    QPainter painter(&image);
    TPLXCanvasVC vc(painter);
    vc.setVisibleArea({0, 0, 200, 120});
    TPLXDrawer *drawer = document->getDrawer(vtGanttGraph);
    drawer->Draw(vc);
    // A occupies x 0..40 of row 0; AB leaves A's end with a stub at y 10.
    TPLXGanttBar *a = document->GetTable()->getRow(0)->GetBarInRow(0);
    QCOMPARE(drawer->locateObject(20, 10), a);
    QCOMPARE(drawer->locateObject(45, 10), document->getConnection(0));
    QCOMPARE(drawer->locateObject(150, 100), nullptr);
}

void tst_plxGanttDocument::connectionOperationsHonourEvents()
{
    Source s(chain());
    TPLXGanttDocument &document = s.document();
    TPLXGanttBar *a = s.bar(0, 0);
    TPLXGanttBar *c = s.bar(2, 0);
    QStringList events;
    s.ds->OnBeforeConnectionAdd = [&events](TPLXBarConnection *, bool &cancel) {
        events << QStringLiteral("before add");
        cancel = events.size() == 1;
    };
    s.ds->OnAfterConnectionAdd = [&events](TPLXBarConnection *) { events << QStringLiteral("after add"); };
    s.ds->OnBeforeConnectionDelete = [&events](TPLXBarConnection *, bool &) { events << QStringLiteral("before delete"); };
    s.ds->OnAfterConnectionDelete = [&events](TPLXBarConnection *) { events << QStringLiteral("after delete"); };

    // The first add is cancelled by the handler and not recorded.
    auto rejected = std::make_unique<TPLXBarConnection>(a, c, 1, &document);
    QVERIFY(!s.ds->ConnectionAdd(rejected.get())); // still ours, freed at the end
    QCOMPARE(document.countConnections(), 2);
    QCOMPARE(s.ds->getUndoRedoStack().GetUndoOperationCount(), 0);

    auto added = std::make_unique<TPLXBarConnection>(a, c, 1, &document);
    TPLXBarConnection *ac = added.get();
    QVERIFY(s.ds->ConnectionAdd(ac));
    (void)added.release(); // the document's now
    QCOMPARE(document.getConnection(2), ac);
    QCOMPARE(ac->getParent(), &document);
    QCOMPARE(events, (QStringList{QStringLiteral("before add"), QStringLiteral("before add"), QStringLiteral("after add")}));

    // Deleting the first connection and undoing puts it back in its place.
    events.clear();
    TPLXBarConnection *ab = document.getConnection(0);
    QVERIFY(s.ds->ConnectionDelete(ab));
    QCOMPARE(document.getConnection(0)->getUID(), QStringLiteral("BC"));
    QVERIFY(s.ds->getUndoRedoStack().undo());
    QCOMPARE(document.getConnection(0), ab);
    QCOMPARE(document.connectionsOf(a), (QList<TPLXBarConnection *>{ac, ab}));
    QCOMPARE(events, (QStringList{QStringLiteral("before delete"), QStringLiteral("after delete"),
                                  QStringLiteral("before add"), QStringLiteral("after add")}));

    // Undo and redo of the add.
    QVERIFY(s.ds->getUndoRedoStack().undo());
    QCOMPARE(document.getConnectionIndex(ac), -1);
    QVERIFY(s.ds->getUndoRedoStack().redo());
    QCOMPARE(document.getConnectionIndex(ac), 2);

    // A "to" bar that refuses connections: the add fails.
    auto refusing = std::make_unique<TRefusingBar>();
    s.ds->GetTable()->getRow(1)->AddBar(refusing.get());
    auto refused = std::make_unique<TPLXBarConnection>(a, refusing.release(), 1, &document);
    QVERIFY(!s.ds->ConnectionAdd(refused.get()));
    QCOMPARE(document.countConnections(), 3);
}

QTEST_MAIN(tst_plxGanttDocument)
#include "tst_plxGanttDocument.moc"
