// The gantt table: row geometry from cached offsets (checked against a plain
// sum through random edits), scrolling, ordering, focus, PERT grid helpers,
// persistence, the row operations, and drawing: background, grid, exception
// columns, date lines, and visible-only drawing that matches a full drawing
// pixel for pixel.
#include "plxBarConnection.h"
#include "plxChartFixture.h"
#include "plxColors.h"
#include "plxDocumentFixture.h"
#include "plxEntityFactory.h"
#include "plxPlatform.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace plxtest;

namespace {

// A data source over `rows` rows 20 + r pixels high; even rows hold a bar B<r>
// and, from three rows on, C0 connects B0 with B2.
Document evenRowBars(int rows)
{
    Document doc;
    for (int r = 0; r < rows; ++r) {
        Row row;
        row.height = 20 + r;
        if (r % 2 == 0)
            row.bars = {{QStringLiteral("B%1").arg(r), kMonday + r, 2}};
        doc.rows.append(row);
    }
    if (rows > 2)
        doc.connections = {{QStringLiteral("C0"), QStringLiteral("B0"), QStringLiteral("B2")}};
    return doc;
}

struct Source : LoadedDocument
{
    explicit Source(int rows) : LoadedDocument(evenRowBars(rows)) {}
    int connections() { return ds.root()->countConnections(); }
};

// The start of row i as the plain sum over the rows says it.
int plainRowStartY(TPLXGanttTable *t, int tableStartY, int i)
{
    int y = tableStartY;
    for (int k = t->getScrolledLines(); k < i && k < t->countRows(); ++k)
        y += t->rows()[k]->GetVisibleHeight();
    return y;
}

QStringList orderOf(TPLXGanttTable *t, const QList<TPLXGanttRow *> &original)
{
    QStringList names;
    for (TPLXGanttRow *r : t->rows())
        names << QString::number(original.indexOf(r));
    return names;
}

} // namespace

class tst_plxGanttTable : public QObject
{
    Q_OBJECT

private slots:
    void scrolling();
    void rowPlaces();
    void geometryMatchesPlainSumsThroughRandomEdits();
    void orders();
    void focus();
    void badIndexes();
    void pertConnections();
    void pertGrid();
    void loadDefaultsAndRoundTrip();
    void rowOperations();
    void visibleOnlyDrawingMatchesFullDrawing();
    void locating();
    void background();
};

void tst_plxGanttTable::pertConnections()
{
    Chart c;
    TPLXGanttBar *a = c.task(0, kMonday, kMonday + 2);
    TPLXGanttBar *b = c.task(1, kMonday, kMonday + 2);
    TPLXBarConnection ab(a, b, 0, nullptr), ba(b, a, 0, nullptr), ab2(a, b, 0, nullptr), baAgain(b, a, 0, nullptr);
    // The same direction again is refused; the reverse makes the listed one two-way.
    QVERIFY(c.table->addPertConnection(&ab) && !c.table->addPertConnection(&ab2) && !c.table->addPertConnection(&ba));
    QCOMPARE(c.table->GetPertConnectionsCount(), 1);
    QCOMPARE(ab.getConnType(), 1);
    QVERIFY(TPLXGanttTable::contains(&ab, &ba) && !TPLXGanttTable::contains(&ba, &ab)); // ba itself is one-way
    // Taking A->B away from the two-way connection leaves B->A; taking that away removes it.
    c.table->removePertConnection(&ab2);
    QCOMPARE(ab.getFromBar(), b);
    QCOMPARE(ab.getToBar(), a);
    QCOMPARE(ab.getConnType(), 0);
    c.table->removePertConnection(&baAgain);
    QCOMPARE(c.table->GetPertConnectionsCount(), 0);
}

void tst_plxGanttTable::pertGrid()
{
    Chart c;
    QPoint p;
    const auto snap = [&](int x, int y, bool clamp) { c.table->snapToGrid(x, y, p, clamp); return p; };
    QCOMPARE((QList<QPoint>{snap(30, 50, true), snap(-15, 5, true), snap(-15, 5, false)}),
             (QList<QPoint>{{40, 40}, {0, 0}, {-20, 0}}));
    c.table->setPertStartX(31);
    c.table->setPertStartY(-50);
    QCOMPARE(c.table->getPertStartX(), 40);
    QCOMPARE(c.table->getPertStartY(), 0);
    QCOMPARE(c.table->PertAbsToRel(100 + 15, 29), QPoint(60, 20)); // tree width 100
}

void tst_plxGanttTable::scrolling()
{
    Chart c(6, 30);
    c.table->getRow(1)->setCollapsed(true);
    c.table->SetScrolledLines(2);
    QVERIFY(!c.table->getRow(0)->visibleFlag() && c.table->getRow(1)->visibleFlag()); // collapsed ones are left alone
    QCOMPARE(c.table->getRowStartY(3), 40);
    c.table->SetScrolledLines(0);
    QVERIFY(c.table->getRow(0)->IsVisible() && c.table->getRow(1)->isCollapsed());
    // Out of range requests land on the last row or the first; collapsed rows are skipped,
    // downwards to the next open row, upwards to the one above.
    const auto scrollTo = [&](int lines) {
        c.table->SetScrolledLines(lines);
        return c.table->getScrolledLines();
    };
    QCOMPARE(scrollTo(100), 5);
    QCOMPARE(scrollTo(-4), 0);
    c.table->getRow(2)->setCollapsed(true);
    QCOMPARE(scrollTo(1), 3);
    QCOMPARE(scrollTo(2), 0);
    // With every row collapsed it must end, whatever it lands on.
    for (int i = 0; i < 6; ++i)
        c.table->getRow(i)->setCollapsed(true);
    QVERIFY(uint(scrollTo(1)) < 6);
}

void tst_plxGanttTable::rowPlaces()
{
    Chart l(10, 30);
    // Rows start at 10, 40, 70, 100, 130, ...: a start at the bottom line itself is not below it.
    // Expected, unscrolled and scrolled by 4: the last row starting above y 100, 99 and 5000,
    // and the row at y 9, 10, 69 and 310.
    const auto probe = [&](const QList<int> &expected) {
        return Quantities()
            .is("last row above 100", l.table->lastRowStartingAbove(100), expected[0])
            .is("last row above 99", l.table->lastRowStartingAbove(99), expected[1])
            .is("last row above 5000", l.table->lastRowStartingAbove(5000), expected[2])
            .is("row at 9", l.table->rowAtY(9), expected[3])
            .is("row at 10", l.table->rowAtY(10), expected[4])
            .is("row at 69", l.table->rowAtY(69), expected[5])
            .is("row at 310", l.table->rowAtY(310), expected[6])
            .differing();
    };
    QCOMPARE(probe({4, 3, 9, -1, 0, 1, 10}), QString());
    l.table->SetScrolledLines(4);
    QCOMPARE(probe({8, 7, 9, -1, 4, 5, 10}), QString());
    l.table->SetScrolledLines(3);
    // Rows scrolled out start where the first shown row does.
    QCOMPARE((QList<int>{l.table->getRowStartY(0), l.table->getRowStartY(3), l.table->getRowStartY(5)}),
             (QList<int>{10, 10, 10 + 60}));
    l.table->getRow(4)->setVisible(false);
    QCOMPARE(l.table->getRowStartY(5), 10 + 30);
    l.table->getRow(3)->setCollapsed(true);
    QCOMPARE(l.table->getRowStartY(5), 10);
    QCOMPARE(l.table->getTableHeight(), 10 + 150);
    QCOMPARE(l.table->GetRowsTotalHeight(), 150);
    QCOMPARE(l.table->getVisibleRowStartY(1), 10 + 30); // the first visible row is row 5
}

void tst_plxGanttTable::geometryMatchesPlainSumsThroughRandomEdits()
{
    Chart c(40, 20);
    QRandomGenerator random(7);
    for (int step = 0; step < 3000; ++step) {
        const int count = c.table->countRows();
        const int i = count ? int(random.bounded(count)) : 0;
        switch (random.bounded(7)) {
        case 0: {
            auto row = std::make_unique<TPLXGanttRow>();
            row->setHeight(int(random.bounded(40)));
            c.table->insertRow(int(random.bounded(count + 1)), row.release());
            break;
        }
        case 1:
            if (count > 1)
                c.table->takeRow(i); // stays the table's child
            break;
        case 2:
            if (count)
                c.table->getRow(i)->setHeight(int(random.bounded(50)));
            break;
        case 3:
            if (count)
                c.table->getRow(i)->setCollapsed(!c.table->getRow(i)->isCollapsed());
            break;
        case 4:
            c.table->SetScrolledLines(int(random.bounded(count + 1)));
            break;
        case 5:
            if (count > 1)
                c.table->swapRows(i, int(random.bounded(count)));
            break;
        default:
            if (count)
                c.table->getRow(i)->setVisible(!c.table->getRow(i)->visibleFlag());
            break;
        }
        for (int k = 0; k <= c.table->countRows(); k += 1 + c.table->countRows() / 7)
            QCOMPARE(c.table->getRowStartY(k), plainRowStartY(c.table, 10, k));
        QCOMPARE(c.table->getTableHeight(), plainRowStartY(c.table, 10, c.table->countRows()));
        // The n-th visible row: where it starts and how high it is, as a walk over the rows says.
        int y = 10;
        int n = 0;
        for (TPLXGanttRow *row : c.table->rows()) {
            if (!row->IsVisible())
                continue;
            QCOMPARE(c.table->getVisibleRowStartY(n), y);
            QCOMPARE(c.table->getVisibleRowHeight(n), row->getHeight());
            y += row->getHeight();
            ++n;
        }
        QCOMPARE(c.table->getVisibleRowStartY(n + 1), y);
        QCOMPARE(c.table->getVisibleRowHeight(n), 0);
    }
}

void tst_plxGanttTable::orders()
{
    // The earlier block is A whatever the argument order; the order values follow.
    for (const auto &[a1, a2, b1, b2] : {std::tuple{2, 3, 6, 6}, std::tuple{6, 6, 2, 3}}) {
        Chart c(8);
        const QList<TPLXGanttRow *> original = c.table->rows();
        QCOMPARE(c.table->swapSequences(a1, a2, b1, b2), 5);
        QCOMPARE(orderOf(c.table, original), (QStringList{"0", "1", "6", "4", "5", "2", "3", "7"}));
        for (int i = 0; i < 8; ++i)
            QCOMPARE(c.table->getRow(i)->getOrder(), i);
        c.table->getRow(0)->setHeight(100);
        QCOMPARE(c.table->getRowStartY(1), 110);
    }

    Chart c(4);
    const QList<TPLXGanttRow *> original = c.table->rows();
    c.table->saveOrder();
    c.table->swapRows(0, 3);
    QCOMPARE(c.table->getRow(0)->getOrder(), 3); // swapRows leaves order values
    c.table->restoreOrder();
    QCOMPARE(c.table->rows(), original);
    QCOMPARE(c.table->getRow(3)->getOrder(), 3);
    QList<TPLXGanttRow *> reversed(original.rbegin(), original.rend());
    c.table->applyOrder(reversed);
    QCOMPARE(c.table->rows(), reversed);
    QCOMPARE(reversed[0]->getOrder(), 0);
    // A saved order that lost a row is not restored.
    c.table->takeRow(0);
    c.table->restoreOrder();
    QCOMPARE(c.table->countRows(), 3);
}

void tst_plxGanttTable::focus()
{
    Chart f(3);
    TPLXTaskBar *a = f.task(1, kMonday, kMonday + 1);
    TPLXTaskBar *b = f.task(1, kMonday + 2, kMonday + 3);
    f.table->setFocusedBar(b);
    QVERIFY(f.table->getFocusedBar() == b && b->isFocused());
    f.table->setFocusedBar(a);
    QVERIFY(!b->isFocused() && a->isFocused());
    // Validated on read: a bar no longer in a row is not the focus any more.
    f.table->getRow(1)->RemoveBar(b);
    f.table->getRow(1)->RemoveBar(a);
    QVERIFY(f.table->getFocusedBar() == nullptr);
    TPLXTaskBar loose;
    QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, f.table->setFocusedBar(&loose));
}

void tst_plxGanttTable::badIndexes()
{
    Chart f(3);
    TPLXRecordingScope recording;
    recording.recorder.writeLogFile = false;
    QVERIFY(f.table->getRow(3) == nullptr && f.table->getRow(-1) == nullptr);
    QVERIFY(recording.recorder.logLines.contains(
        QStringLiteral("stop. List index 3 out of bounds (3) in TPLXGanttTable.getRow")));
    QCOMPARE(f.table->getRowHeight(7) + f.table->getRowHeight(-1), 0);
    QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, f.table->applyOrder({}));
    QVERIFY(f.table->allBarsIn(2, 99).isEmpty());
}

void tst_plxGanttTable::loadDefaultsAndRoundTrip()
{
    PLXMedia media = plxtest::mediaFromText("[t]\nTypeID=Gantt Table\nrows#count=2\nrows#0=r0\nrows#1=r1\n"
                                      "[r0]\ntypeID=Gantt Row\nheight=12\n[r1]\ntypeID=Gantt Row\n");
    TPLXEntityFactory loader, saver, reloader;
    std::unique_ptr<TPLXGanttObject> loaded(loader.loadObject(QStringLiteral("t"), *media, nullptr));
    auto *t = dynamic_cast<TPLXGanttTable *>(loaded.get());
    QVERIFY(t != nullptr && t->countRows() == 2);
    QCOMPARE(t->GetGridColor(), StringToColor(QStringLiteral("clGray")));
    QCOMPARE(Quantities()
                 .is("default row height", t->getDefaultRowheight(), 35)
                 .is("column width", t->GetColumnWidth(), 50)
                 .is("order of the second row", t->getRow(1)->getOrder(), 1)
                 .is("height of a row without one", t->getRow(1)->getHeight(), 25)
                 .differing(),
             QString());

    t->SetColumnWidth(33);
    t->SetGridColor(0x123456);
    t->setWeekendBrightenColor(0x101010);
    PLXMedia out = plxtest::mediaFromText(QByteArray());
    t->doSave(QStringLiteral("owner"), *out, saver);
    const QString section = out->strValue(QStringLiteral("owner"), QStringLiteral("table"), QString());
    QCOMPARE(out->strValue(section, QStringLiteral("grid color"), QString()), ColorToString(0x123456));
    std::unique_ptr<TPLXGanttObject> again(reloader.loadObject(section, *out, nullptr));
    auto *copy = dynamic_cast<TPLXGanttTable *>(again.get());
    QVERIFY(copy != nullptr);
    QCOMPARE(Quantities()
                 .is("column width", copy->GetColumnWidth(), 33)
                 .is("grid colour", copy->GetGridColor(), 0x123456)
                 .is("weekend brightening", copy->getWeekendBrightenColor(), 0x101010)
                 .is("row height", copy->getRow(0)->getHeight(), 12)
                 .differing(),
             QString());
}

void tst_plxGanttTable::rowOperations()
{
    Source s(5);
    TPLXGanttTable *t = s.ds.GetTable();
    const QList<TPLXGanttRow *> before = t->rows();
    // Out of range requests change nothing: rows, bars, connections and the undo stack stay.
    TPLXGanttRow *row = t->MakeBlankRow();
    for (int bad : {-1, 6})
        QVERIFY(!TPLXGanttRowInsertOperation(&s.ds, row, bad).perform());
    QVERIFY(!TPLXGanttRowRemoveOperation(&s.ds, 5).perform());
    QVERIFY(TPLXGanttRowClearOperation(&s.ds, 9).isDisabled());
    QVERIFY(!s.ds.RowClear(5) && !s.ds.RowClear(-1));
    for (const auto &[first, last] : {std::pair{-1, 1}, std::pair{2, 6}, std::pair{7, 9}})
        QVERIFY(!TPLXGanttRowsDeleteOperation(&s.ds, first, last).perform());
    QCOMPARE(t->rows(), before);
    QCOMPARE(Quantities()
                 .is("bars in row 0", t->getRow(0)->GetBarCount(), 1)
                 .is("bars in row 2", t->getRow(2)->GetBarCount(), 1)
                 .is("connections", s.connections(), 1)
                 .is("undo steps", s.ds.getUndoRedoStack().GetUndoOperationCount(), 0)
                 .differing(),
             QString());

    QList<TPLXGanttRow *> inserted, deleted;
    s.ds.OnRowInsert = [&](TPLXGanttRow *r) { inserted << r; };
    s.ds.OnRowDelete = [&](TPLXGanttRow *r) { deleted << r; };
    TPLXGanttRowInsertOperation insert(&s.ds, row, 1);
    QVERIFY(insert.perform());
    QCOMPARE(t->getRow(1), row);
    // The rows below know their new place, and so do their bars.
    QCOMPARE(t->getRow(3)->getOrder(), 3);
    QCOMPARE(t->getRow(3)->GetBarInRow(0)->getRow(), 3);
    QVERIFY(insert.undo()); // raises the delete event
    QCOMPARE(inserted, (QList<TPLXGanttRow *>{row}));
    QCOMPARE(deleted, (QList<TPLXGanttRow *>{row}));

    // Deleting rows 1..3 takes B2 and its connection along; the last row moves up.
    TPLXGanttRowsDeleteOperation rows(&s.ds, 1, 3);
    QVERIFY(rows.perform());
    QCOMPARE(t->rows(), (QList<TPLXGanttRow *>{before[0], before[4]}));
    QCOMPARE(t->getRow(1)->getOrder(), 1);
    QCOMPARE(s.connections(), 0);
}

void tst_plxGanttTable::visibleOnlyDrawingMatchesFullDrawing()
{
    Chart c(120, 30, 20);
    c.doc.endDate = kMonday + 60;
    for (int r = 0; r < 120; ++r) {
        c.task(r, kMonday + (r % 17), kMonday + (r % 17) + 1 + r % 5)->SetProgress(r % 100);
        if (r % 3 == 0)
            c.task(r, kMonday + 20 + r % 7, kMonday + 24 + r % 7);
    }
    c.table->getRow(10)->setHeight(55);
    c.table->getRow(11)->setCollapsed(true);
    TPLXDrawer *drawer = c.table->getDrawer(vtGanttGraph);
    const int fullHeight = c.table->getTableHeight() + 20;
    Canvas full(600, fullHeight);
    drawer->Draw(*full.vc);
    const QImage everything = full.finish();

    // A window in the middle.
    Canvas part(600, fullHeight);
    part.vc->setVisibleArea({0, 1200, 600, 1800});
    drawer->Draw(*part.vc);
    QCOMPARE(part.finish().copy(100, 1200, 500, 600), everything.copy(100, 1200, 500, 600));

    // Scrolled to row 60: the screen shows what the full drawing has from row 60's place on.
    // The full drawing has the line under row 59 at the top; the screen begins with row 60.
    const int shift = c.table->getRowStartY(60) - 10;
    c.table->SetScrolledLines(60);
    Canvas scrolled(600, 600);
    drawer->Draw(*scrolled.vc);
    QCOMPARE(scrolled.finish().copy(100, 11, 500, 589), everything.copy(100, 11 + shift, 500, 589));
    QCOMPARE(static_cast<TPLXGanttTableDrawer *>(drawer)->getLastVisible(), 60 + 20);
}

void tst_plxGanttTable::locating()
{
    Chart c(3, 30, 20);
    TPLXTaskBar *upper = c.task(0, kMonday, kMonday + 2);
    TPLXTaskBar *lower = c.task(1, kMonday, kMonday + 2);
    Canvas canvas(400, 150);
    TPLXDrawer *drawer = c.table->getDrawer(vtGanttGraph);
    drawer->Draw(*canvas.vc);
    const auto at = [&](int x, int y) { return drawer->locateObject(x, y); };
    QCOMPARE(at(110, 25), upper);
    QCOMPARE(at(110, 55), lower);
    QCOMPARE(at(110, 11), nullptr);
    // Overlapping drawn rectangles: the upper row answers.
    lower->ganttDrawer()->setLastRect({100, 0, 140, 100});
    QCOMPARE(at(110, 25), upper);
    c.table->SetScrolledLines(1);
    drawer->Draw(*canvas.vc);
    QCOMPARE(at(110, 25), lower);

    Chart empty(0);
    empty.table->getDrawer(vtGanttGraph)->Draw(*canvas.vc);
    QVERIFY(empty.table->getDrawer(vtGanttGraph)->locateObject(150, 50) == nullptr);
    QCOMPARE(empty.table->lastRowStartingAbove(100), -1);

    // Scrolled past rows that are then taken away.
    Chart d(8, 30);
    d.task(7, kMonday, kMonday + 2);
    d.table->SetScrolledLines(6);
    for (int i = 0; i < 5; ++i)
        d.table->takeRow(d.table->countRows() - 1);
    Canvas shrunk(300, 100);
    TPLXDrawer *shrunkDrawer = d.table->getDrawer(vtGanttGraph);
    shrunkDrawer->Draw(*shrunk.vc);
    QVERIFY(shrunkDrawer->locateObject(110, 20) == nullptr);
    d.table->SetScrolledLines(0);
    QCOMPARE(d.table->getScrolledLines(), 0);
    QCOMPARE(d.table->getRowStartY(2), 70);
    // The table area starts below a table start lower than the visible area.
    d.doc.tableStartY = 500;
    shrunkDrawer->Draw(*shrunk.vc);
    QCOMPARE(static_cast<TPLXGanttTableDrawer *>(shrunkDrawer)->getLastVisible(), 0);
}

// Background, grid, exception columns and the date line.
void tst_plxGanttTable::background()
{
    Chart bg(3, 30, 20);
    bg.table->SetBaseColor(0xEEDDCC);
    bg.table->SetGridColor(0x808080);
    bg.calendar->getDateCategory(0)->setColor(0x00C0FF);
    bg.table->DateLine()->setVisible(true);
    bg.table->DateLine()->setDate(kMonday + 1.5);
    bg.table->DateLine()->setColor(0x0000FF);
    bg.table->DateLine()->setPenWidth(2);
    Canvas plain(400, 150);
    bg.table->getDrawer(vtGanttGraph)->Draw(*plain.vc);
    // Saturday is x 200..220; the date line is at 100 + 30, two pixels wide.
    const QImage image = plain.finish();
    QCOMPARE(Quantities()
                 .is("tree part", pixel(image, 50, 50), 0xFFFFFF)
                 .is("base", pixel(image, 105, 25), 0xEEDDCC)
                 .is("line below row 0", pixel(image, 105, 40), 0x808080)
                 .is("column line", pixel(image, 120, 25), 0x808080)
                 .is("Saturday", pixel(image, 205, 25), 0x00C0FF)
                 .is("Sunday below the rows", pixel(image, 235, 125), 0x00C0FF)
                 .is("Monday", pixel(image, 245, 25), 0xEEDDCC)
                 .is("date line", pixel(image, 130, 25), 0x0000FF)
                 .is("date line's second pixel", pixel(image, 131, 25), 0x0000FF)
                 .is("right of the date line", pixel(image, 132, 25), 0xEEDDCC)
                 .differing(),
             QString());
}

QTEST_MAIN(tst_plxGanttTable)
#include "tst_plxGanttTable.moc"
