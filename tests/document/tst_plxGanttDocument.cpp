#include "plxCanvasFixture.h"
#include "plxCompare.h"
#include "plxDistanceRepairOracle.h"
#include "plxDocumentCalendar.h"
#include "plxDocumentFixture.h"
#include "plxIniDocument.h"
#include "plxLegend.h"
#include "plxPlatform.h"
#include "plxTimeScale.h"
#include "plxVisualContext.h"

#include <QtTest>

using namespace plxtest;
using namespace Qt::StringLiterals;

namespace {

const QRgb kBlue = qRgb(0, 0, 255);
using Connections = QList<TPLXBarConnection *>;

// A plain bar: it counts for nothing and refuses connections.
struct TRefusingBar : TPLXGanttBar
{
    TRefusingBar()
        : TPLXGanttBar(kMonday, kMonday + 1, 0)
    {
    }
};

// A data source over `doc`, its chart reaching well past the bars.
struct Source : LoadedDocument
{
    explicit Source(const Document &doc)
        : LoadedDocument(doc)
    {
        ds.root()->setEndDate(kMonday + 400);
    }
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

// Bars "B<n>" in rows of one or two, some under a summary bar "Summary<row>",
// some fixed; connections of every type and distance between random pairs,
// only forwards (no cycle) when `acyclic`.
Document randomPlan(quint32 seed, bool acyclic)
{
    QRandomGenerator rng(seed);
    Document doc;
    doc.nestedTree = seed % 3 == 0; // summaries then span the rows below them
    QStringList names;
    for (int r = 0; r < 8; ++r) {
        Row row;
        row.summary = rng.bounded(4) == 0;
        if (row.summary)
            names << QStringLiteral("Summary%1").arg(r);
        for (int b = 0, count = 1 + rng.bounded(2); b < count; ++b) {
            names << QStringLiteral("B%1").arg(names.size());
            row.bars.append(
                Bar{names.last(), kMonday + 4 * b + rng.bounded(10), 1.0 + rng.bounded(3), rng.bounded(10) == 0});
        }
        doc.rows.append(row);
    }
    for (int i = 0; i < 14; ++i) {
        int from = rng.bounded(int(names.size())), to = rng.bounded(int(names.size()));
        if (acyclic && from > to)
            std::swap(from, to);
        if (from != to)
            doc.connections.append(Connection{QStringLiteral("C%1").arg(i), names[from], names[to],
                                              int(rng.bounded(4)), int(rng.bounded(5)) - 1, rng.bounded(3) == 0});
    }
    return doc;
}

// What the plan saves, with the generated names of unnamed parts left out,
// and the critical-path marks of the connections, which are not saved.
QString savedState(Source &s)
{
    QString state = savedLines(s.ds, s.dir).join(u'\n').replace(QRegularExpression(u"AutoID:\\d+"_s), u"AutoID"_s);
    for (const TPLXBarConnection *c : s.ds.root()->getConnections())
        state += c->getCriticalElement() ? u'+' : u'-';
    return state;
}

} // namespace

Q_DECLARE_METATYPE(Document)

class tst_plxGanttDocument : public QObject
{
    Q_OBJECT

private slots:
    void startDateSnapsToTheTimeMode()
    {
        auto document = plxtest::loadPlain(text(chain()));
        // Day: unchanged; week: Sunday belongs to the week before; month: the first, time kept; decade: 2024 gives
        // 2020.
        QList<double> snapped;
        for (const auto &[mode, date] : {std::pair{tmDay, kMonday + 2.5},
                                         {tmWeek, kMonday + 6.25},
                                         {tmMonth, kMonday + 45.25},
                                         {tmDecade, kMonday + 10}}) {
            document->getCalendar()->SetTimeMode(mode);
            document->setStartDate(date);
            snapped << document->getStartDate();
        }
        QCOMPARE(snapped, QList<double>({kMonday + 2.5, kMonday + 0.25, kMonday + 31.25, kMonday - 1461}));
    }

    void findConnectionWithAnyDirectionOrType()
    {
        Document doc;
        doc.rows = {Row{{Bar{QStringLiteral("A")}}}, Row{{Bar{QStringLiteral("B")}}}, Row{{Bar{QStringLiteral("C")}}}};
        doc.connections = {Connection{QStringLiteral("BA"), QStringLiteral("B"), QStringLiteral("A"), 3},
                           Connection{QStringLiteral("AB"), QStringLiteral("A"), QStringLiteral("B"), 1},
                           Connection{QStringLiteral("AC"), QStringLiteral("A"), QStringLiteral("C"), 0}};
        auto document = plxtest::loadPlain(text(doc));
        QVERIFY(document);
        const auto first = [&](int row) { return document->GetTable()->getRow(row)->GetBarInRow(0); };
        TPLXGanttBar *a = first(0), *b = first(1), *c = first(2);
        TPLXBarConnection *ba = document->getConnection(0), *ab = document->getConnection(1);
        TPLXBarConnection *ac = document->getConnection(2);
        // Type -1: either direction, first in the list; 4: from the first to the second bar, any type.
        const auto find = [&](TPLXGanttBar *x, TPLXGanttBar *y, int type) {
            return document->findConnection(x, y, type);
        };
        QCOMPARE((Connections{find(a, b, -1), find(b, a, -1), find(c, a, -1), find(a, b, 4), find(a, b, 1),
                              find(a, b, 3), find(b, a, 3), find(c, a, 4), find(b, c, -1)}),
                 (Connections{ba, ba, ac, ab, ab, nullptr, ba, nullptr, nullptr}));
        // After a removal and re-adding at the end, list order decides again.
        document->removeConnection(ba);
        document->addConnection(ba);
        QCOMPARE(find(b, a, -1), ab);
        QCOMPARE(document->getConnectionIndex(ba), 2);
    }

    void rowsConnectionAndConnectionIndex()
    {
        auto document = plxtest::loadPlain(text(chain()));
        TPLXGanttTable *table = document->GetTable();
        TPLXGanttRow *r0 = table->getRow(0), *r1 = table->getRow(1), *r2 = table->getRow(2);
        QCOMPARE((Connections{document->findRowsConnection(r0, r1), document->findRowsConnection(r1, r2),
                              document->findRowsConnection(r1, r0), document->findRowsConnection(r0, r2)}),
                 (Connections{document->getConnection(0), document->getConnection(1), nullptr, nullptr}));
        // A connection from a bar that does not count for summaries joins no rows.
        auto refusing = std::make_unique<TRefusingBar>();
        r0->AddBar(refusing.get());
        auto owned = std::make_unique<TPLXBarConnection>(refusing.release(), r2->GetBarInRow(0), 1, document.get());
        TPLXBarConnection *odd = owned.get();
        document->addConnection(owned.release()); // the document is its parent now
        QCOMPARE(document->findRowsConnection(r0, r2), nullptr);
        document->removeConnection(odd);

        TPLXGanttBar *a = r0->GetBarInRow(0), *b = r1->GetBarInRow(0), *c = r2->GetBarInRow(0);
        TPLXBarConnection *ab = document->getConnection(0), *bc = document->getConnection(1);
        const auto of = [&](TPLXGanttBar *bar) { return document->connectionsOf(bar); };
        QCOMPARE((QList<Connections>{of(a), of(b), of(c)}), (QList<Connections>{{ab}, {ab, bc}, {bc}}));
        document->removeConnection(ab);
        QCOMPARE((QList<Connections>{of(a), of(b)}), (QList<Connections>{{}, {bc}}));
        document->removeConnection(ab); // not listed: nothing happens
        QCOMPARE(document->countConnections(), 1);

        // Changing the bars of a listed connection moves it in the index; an unlisted one is not indexed.
        bc->setFromBar(a);
        ab->setToBar(c);
        QCOMPARE((QList<Connections>{of(a), of(b), of(c)}), (QList<Connections>{{bc}, {}, {bc}}));
        document->insertConnection(0, ab);
        document->addConnection(ab); // already listed: stays first, indexed once
        QCOMPARE(document->countConnections(), 2);
        QCOMPARE(document->getConnection(0), ab);
        QCOMPARE((QList<Connections>{of(a), of(c)}), (QList<Connections>{{bc, ab}, {bc, ab}}));
    }

    void resolveChainPushesEachBarOnceSkippingFixedAndColliding()
    {
        Source s(chain());
        TPLXGanttBar *a = s.bar(0, 0), *b = s.bar(1, 0), *c = s.bar(2, 0);
        int afterAdds = 0;
        // A moves to Tuesday and now ends Thursday.
        QVERIFY(s.ds.BarMove(a, kMonday + 1, 0));
        s.ds.setOnAfterConnectionAdd([&afterAdds](TPLXBarConnection *) { ++afterAdds; });
        std::unique_ptr<TPLXMultipleOperations> pushes = s.ds.root()->resolveDistanceViolations(a);
        QCOMPARE(pushes->count(), 2);
        PLX_COMPARE_EACH(double, ({b->getStartDate(), c->getStartDate()}), ({kMonday + 3, kMonday + 4}));
        QCOMPARE(afterAdds, 0);                  // suspended while pushing ...
        QVERIFY(s.ds.getOnAfterConnectionAdd()); // ... and restored afterwards
        // Fixed bars, bars in the way and pushes backwards: see repairMatchesThePlainProcedure.
    }

    void repairMatchesThePlainProcedure_data()
    {
        QTest::addColumn<Document>("doc");
        QTest::addColumn<int>("seed");
        QTest::addColumn<int>("headRow"); // its first bar moves a day later; -1: the seed picks
        // Task bars B0..B3 on Monday, one per row, finish-start as listed.
        const auto shape = [](const QStringList &links) {
            Document doc;
            for (int i = 0; i < 4; ++i)
                doc.rows.append(Row{{Bar{QStringLiteral("B%1").arg(i)}}});
            for (const QString &link : links)
                doc.connections.append(Connection{link, link.section(u'>', 0, 0), link.section(u'>', 1)});
            return doc;
        };
        QTest::newRow("fan-out") << shape({"B0>B1", "B0>B2", "B0>B3"}) << 1 << 0;
        QTest::newRow("diamond") << shape({"B0>B1", "B0>B2", "B1>B3", "B2>B3"}) << 2 << 0;
        QTest::newRow("cycle") << shape({"B0>B1", "B1>B2", "B2>B0"}) << 3 << 0;
        // Pushing B2 stretches the summary over rows 2 and 3, which then pushes B0.
        Document summary = shape({"B3>B2", "Summary1>B0"});
        summary.nestedTree = true;
        summary.rows[1] = Row{{}, 20, true};
        summary.rows[0].bars[0].start = kMonday + 2;
        QTest::newRow("summary") << summary << 4 << 3;
        for (quint32 seed = 0; seed < 40; ++seed)
            QTest::addRow("random %u", seed) << randomPlan(seed, seed % 2 == 0) << int(seed) << -1;
    }

    void repairMatchesThePlainProcedure()
    {
        QFETCH(Document, doc);
        QFETCH(int, seed);
        QFETCH(int, headRow);
        Source fast(doc), plain(doc);
        QRandomGenerator rng(quint32(seed) * 7919u);
        const int row = headRow >= 0 ? headRow : rng.bounded(int(doc.rows.size()));
        const int index = headRow >= 0 ? 0 : rng.bounded(plain.row(row)->GetBarCount());
        const double start = plain.bar(row, index)->getStartDate() + (headRow >= 0 ? 1 : rng.bounded(9) - 3);
        QList<QStringList> states(2);
        QList<int> steps;
        for (int k = 0; k < 2; ++k) {
            Source &s = k == 0 ? fast : plain;
            // Row indexes are current, as drawing leaves them.
            for (int r = 0; r < s.table()->countRows(); ++r)
                for (TPLXGanttBar *bar : s.row(r)->bars())
                    bar->getRow();
            TPLXGanttBar *head = s.bar(row, index);
            s.ds.BarMove(head, start, row);
            const int before = s.stack().GetUndoOperationCount();
            states[k] << savedState(s);
            if (k == 0)
                QVERIFY(s.ds.ResolveDistanceViolations(head));
            else if (auto pushes = plainDistanceRepair(*s.ds.root(), head); !pushes->empty())
                s.stack().addOperation(std::move(pushes));
            steps << s.stack().GetUndoOperationCount() - before;
            states[k] << savedState(s);
            if (steps.back() > 0 && s.stack().undo() && (states[k] << savedState(s), s.stack().redo()))
                states[k] << savedState(s);
        }
        QCOMPARE(states[0], states[1]);
        QCOMPARE(steps[0], steps[1]);
        QVERIFY(steps[0] <= 1);
        // Undo cannot list a connection into a summary bar again (it takes none), so only
        // plans without one come back exactly.
        if (steps[0] == 1 && std::none_of(doc.connections.cbegin(), doc.connections.cend(),
                                          [](const Connection &c) { return c.to.startsWith(u"Summary"); }))
            QCOMPARE(states[0].mid(2), states[0].first(2));
    }

    void loadSkipsUnknownPartsAndSavesInOrder()
    {
        // "tree" names a type id that no registry row has, reported as the factory does;
        Document doc = chain();
        doc.connections.prepend(
            Connection{QStringLiteral("AC"), QStringLiteral("A"), QStringLiteral("C"), 3, 2, true});
        doc.extra = section(QStringLiteral("Grid")) + line(QStringLiteral("typeID"), QStringLiteral("Tree Gird")) +
                    section(QStringLiteral("Key")) + line(QStringLiteral("typeID"), QStringLiteral("Legend"));
        QByteArray t = text(doc);
        t.replace("[root]\n", "[root]\ntree=Grid\nlegend=Key\n");
        TPLXRecordingScope scope;
        auto document = plxtest::loadPlain(t);
        QVERIFY(document && document->countConnections() == 3);
        QVERIFY(scope.recorder().messages().contains(QStringLiteral("Warning: Unknown type idTree Gird")));
        QVERIFY(scope.recorder().messages().contains(QStringLiteral("Error loading Grid")));
        // The legend is kept; printed under the chart it adds its height to the document's.
        TPLXLegend *legend = document->GetLegend();
        QVERIFY(legend && legend->getUID() == QStringLiteral("Key"));
        legend->addBlankRow(15, 2);
        const int chart = document->GetHeight();
        QVERIFY(document->setProperty("PrintLegend", true));
        QCOMPARE(document->GetHeight(), chart + 30);
        QVERIFY(document->setProperty("PrintLegendUnder", false));
        QCOMPARE(document->GetHeight(), chart);
        // The connections keep their order through a save.
        PLXMedia saved = plxtest::mediaFromText(QByteArray());
        TPLXEntityFactory factory;
        factory.saveObject(QStringLiteral("root"), *saved, document.get());
        QCOMPARE(saved->strArray(QStringLiteral("root"), QStringLiteral("connections")),
                 (QStringList{"AC", "AB", "BC"}));
    }

    void bandsStackAboveTheTableAndSurviveASave()
    {
        // Twenty bands 10, 11, ... 29 pixels high, offsets 0, 1, 2, 0, ... from the day calendar.
        Document doc = chain();
        QStringList names;
        for (int i = 0; i < 20; ++i) {
            names << QStringLiteral("Band%1").arg(i);
            doc.extra += section(names.last()) + "typeID=Time Scale\n" +
                         line(QStringLiteral("scale height"), QString::number(10 + i)) +
                         line(QStringLiteral("relative time mode"), QString::number(i % 3));
        }
        QByteArray t = text(doc);
        t.replace("[root]\n", "[root]\n" + array(QStringLiteral("time scales"), names));
        auto document = plxtest::loadPlain(t);
        QVERIFY(document && document->getScalesCount() == 20);
        TPLXTimeScale *fifth = document->getTimeScale(5);
        const int tableBottom = document->GetTable()->getTableHeight();
        PLX_COMPARE_EACH(int,
                         ({document->GetTableStartY(), document->GetTable()->getRowStartY(0),
                           document->scaleStartY(fifth), document->getTimeScale(4)->getTimeMode(), tableBottom}),
                         ({390, 390, 60, tmWeek, 390 + 3 * 20}));
        document->setTimeScaleUnder(true);
        PLX_COMPARE_EACH(int, ({document->scaleStartUnderY(fifth), document->legendStartY()}),
                         ({tableBottom + 390 - 60 - 15, tableBottom + 390}));

        // Drawn above the table and again below its last row, each with the 3D ramp when the table asks for it.
        document->GetTable()->setProperty("Draw3D", true);
        Canvas canvas(300, 900);
        document->getDrawer(vtGanttGraph)->Draw(*canvas.vc);
        const QImage image = canvas.finish();
        PLX_COMPARE_EACH(TColor, ({pixel(image, 150, 0), pixel(image, 150, 7), pixel(image, 150, tableBottom + 20)}),
                         ({0xFFFFFF, 0xC56A31, 0xC56A31}));

        PLXMedia saved = plxtest::mediaFromText(QByteArray());
        TPLXEntityFactory factory;
        factory.saveObject(QStringLiteral("root"), *saved, document.get());
        QCOMPARE(saved->strArray(QStringLiteral("root"), QStringLiteral("time scales")), names);
        TPLXEntityFactory again;
        std::unique_ptr<TPLXGanttObject> copy(again.loadObject(QStringLiteral("root"), *saved, nullptr));
        QCOMPARE(static_cast<TPLXGanttDocument *>(copy.get())->GetTableStartY(), 390);

        // A new data source shows the band of the built-in document.
        TPLXDataSource fresh;
        PLX_COMPARE_EACH(int, ({fresh.root()->getScalesCount(), fresh.root()->GetTableStartY()}), ({1, 14}));
    }

    void drawingConnections()
    {
        // 40 rows of 20 pixels. "Long" joins rows 0 and 39 and crosses the visible
        // band y 200..400 with both ends off it; "Short" joins rows 1 and 2 above it.
        Document doc;
        doc.rows.resize(40);
        doc.rows[0].bars = {Bar{QStringLiteral("A"), kMonday, 2}};
        doc.rows[39].bars = {Bar{QStringLiteral("B"), kMonday + 3, 1}};
        doc.rows[1].bars = {Bar{QStringLiteral("C"), kMonday, 2}};
        doc.rows[2].bars = {Bar{QStringLiteral("D"), kMonday + 3, 1}};
        doc.rows[36].bars = {Bar{QStringLiteral("E"), kMonday + 7, 2}};
        doc.rows[38].bars = {Bar{QStringLiteral("F"), kMonday + 7, 1}};
        doc.connections = {Connection{QStringLiteral("Long"), QStringLiteral("A"), QStringLiteral("B"), 1},
                           Connection{QStringLiteral("Short"), QStringLiteral("C"), QStringLiteral("D"), 1}};
        auto document = plxtest::loadPlain(text(doc));
        document->setEndDate(kMonday + 60);
        auto *drawer = dynamic_cast<TPLXDocumentDrawer *>(document->getDrawer(vtGanttGraph));
        QVERIFY(drawer);
        const auto render = [drawer](const TRect &visible) { return plxtest::drawn(drawer, 200, 800, visible); };
        const QImage band = render({0, 200, 200, 400});
        QCOMPARE(drawer->paintedConnections(), 1);
        QCOMPARE(band.pixel(50, 300), kBlue);
        QCOMPARE(band.pixel(50, 399), kBlue);
        // Once the band holds the short one too, both are offered to the handler before painting,
        // which may take over; switched off, none is painted.
        Connections asked;
        document->setOnDrawConnection([&asked](TPLXBarConnection *c, bool &defaultPaint) {
            asked.append(c);
            defaultPaint = c->getUID() != QLatin1String("Short");
        });
        render({0, 0, 200, 400});
        QCOMPARE(asked, (Connections{document->getConnection(0), document->getConnection(1)}));
        QCOMPARE(drawer->paintedConnections(), 1);
        // The table answers first: A occupies x 0..40 of row 0; "Long" leaves A's end with a stub at y 10.
        QCOMPARE(drawer->locateObject(20, 10), document->GetTable()->getRow(0)->GetBarInRow(0));
        QCOMPARE(drawer->locateObject(45, 10), document->getConnection(0));
        QCOMPARE(drawer->locateObject(150, 100), nullptr);
        document->setDrawConnections(false);
        const QImage blank = render({0, 200, 200, 400});
        QCOMPARE(drawer->paintedConnections(), 0);
        QVERIFY(blank.pixel(50, 300) != kBlue);

        // Scrolled past, "Short" answers no hit with its old route. A start-finish detour between rows
        // below the band, whose origin row follows a hidden one, climbs through the band to the top edge.
        document->setOnDrawConnection(nullptr);
        document->setDrawConnections(true);
        render({0, 0, 200, 400});
        QCOMPARE(drawer->locateObject(45, 30), document->getConnection(1));
        TPLXGanttTable *table = document->GetTable();
        table->SetScrolledLines(5);
        render({0, 200, 200, 400});
        QCOMPARE(drawer->locateObject(45, 30), nullptr);
        document->addConnection(new TPLXBarConnection(table->getRow(38)->GetBarInRow(0),
                                                      table->getRow(36)->GetBarInRow(0),
                                                      TPLXBarConnection::ctStartFinish, document.get()));
        table->getRow(37)->setVisible(false);
        render({0, 200, 200, 400});
        QCOMPARE(drawer->paintedConnections(), 2);
    }

    void connectionOperationsHonourEvents()
    {
        Source s(chain());
        TPLXGanttDocument &document = *s.ds.root();
        TPLXGanttBar *a = s.bar(0, 0), *c = s.bar(2, 0);
        QStringList events;
        const auto note = [&events](const char *what) {
            return [&events, what](auto &&...) { events << QLatin1String(what); };
        };
        s.ds.setOnBeforeConnectionAdd(note("adding"));
        s.ds.setOnAfterConnectionAdd(note("added"));
        s.ds.setOnBeforeConnectionDelete(note("deleting"));
        s.ds.setOnAfterConnectionDelete(note("deleted"));

        auto added = std::make_unique<TPLXBarConnection>(a, c, 1, &document);
        TPLXBarConnection *ac = added.get();
        QVERIFY(s.ds.ConnectionAdd(ac));
        (void)added.release(); // the document's now

        // Deleting the first connection and undoing puts it back in its place.
        TPLXBarConnection *ab = document.getConnection(0);
        QVERIFY(s.ds.ConnectionDelete(ab));
        QCOMPARE(document.getConnection(0)->getUID(), QStringLiteral("BC"));
        QVERIFY(s.stack().undo());
        QCOMPARE(document.getConnection(0), ab);
        QCOMPARE(document.connectionsOf(a), (Connections{ac, ab}));
        QCOMPARE(events, (QStringList{"adding", "added", "deleting", "deleted", "adding", "added"}));
    }
};

QTEST_MAIN(tst_plxGanttDocument)
#include "tst_plxGanttDocument.moc"
