// The gantt table: row geometry from cached offsets (checked against a plain
// sum through random edits), scrolling, ordering, focus, PERT grid helpers,
// persistence, the row and bar-delete operations, and drawing: background,
// grid, exception columns, date lines, and visible-only drawing that matches
// a full drawing pixel for pixel.
#include "plxBarConnection.h"
#include "plxChartTestSupport.h"
#include "plxColors.h"
#include "plxDocumentFixture.h"
#include "plxEntityFactory.h"
#include "plxPlatform.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace chart;

namespace {

struct Source
{
    QTemporaryDir dir;
    TPLXDataSource ds;

    explicit Source(const fixture::Document &doc)
    {
        ds.setStorage(fixture::storageFor(dir, QStringLiteral("chart.ini"), fixture::text(doc)));
    }
    TPLXGanttTable *table() { return ds.GetTable(); }
};

fixture::Document rowsOfBars(int rows)
{
    fixture::Document doc;
    for (int r = 0; r < rows; ++r) {
        fixture::Row row;
        row.height = 20 + r;
        if (r % 2 == 0)
            row.bars = {{QStringLiteral("B%1").arg(r), fixture::kMonday + r, 2}};
        doc.rows.append(row);
    }
    if (rows > 2)
        doc.connections = {{QStringLiteral("C0"), QStringLiteral("B0"), QStringLiteral("B2")}};
    return doc;
}

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
    void rowStartSkipsScrolledAndInvisibleRows();
    void scrollingHidesAndShowsRows();
    void scrollingSkipsCollapsedRows();
    void geometryMatchesPlainSumsThroughRandomEdits();
    void lastVisibleRowAndRowAtY();
    void swapSequences();
    void orderSaveRestoreApply();
    void focusedBarIsValidatedOnRead();
    void badIndexesAndAssertions();
    void snapToGridAndPertHelpers();
    void pertConnectionsMergeAndSplitDirections();
    void loadDefaultsAndRoundTrip();
    void rowInsertRemoveAndUndo();
    void rowClearAndRowsDelete();
    void rowsDeleteOutOfRangeChangesNothing();
    void barDeleteTakesConnections();
    void drawsBackgroundGridExceptionsAndDateLine();
    void visibleOnlyDrawingMatchesFullDrawing();
    void locateFindsTheUpperRowFirst();
    void drawingSurvivesEmptyAndShrunkTables();
};

void tst_plxGanttTable::pertConnectionsMergeAndSplitDirections()
{
    Chart c(3, 30);
    TPLXGanttBar *a = c.task(0, kMonday, kMonday + 2);
    TPLXGanttBar *b = c.task(1, kMonday, kMonday + 2);
    TPLXGanttBar *other = c.task(2, kMonday, kMonday + 2);
    TPLXBarConnection ab(a, b, 0, nullptr), ba(b, a, 0, nullptr), ab2(a, b, 0, nullptr), bOther(b, other, 0, nullptr);

    QVERIFY(c.table->addPertConnection(&ab));
    QVERIFY(!c.table->addPertConnection(&ab2)); // the same direction again
    QVERIFY(!c.table->addPertConnection(&ba));  // the reverse makes the listed one two-way
    QCOMPARE(c.table->GetPertConnectionsCount(), 1);
    QCOMPARE(ab.getConnType(), 1);
    QVERIFY(TPLXGanttTable::contains(&ab, &ba));
    QVERIFY(!TPLXGanttTable::contains(&ba, &ab)); // ba itself is one-way

    // Taking A->B away from the two-way connection leaves B->A.
    c.table->removePertConnection(&ab2);
    QCOMPARE(c.table->GetPertConnectionsCount(), 1);
    QCOMPARE(ab.getFromBar(), b);
    QCOMPARE(ab.getToBar(), a);
    QCOMPARE(ab.getConnType(), 0);

    // Two-way again; taking away the direction opposite to how it is stored keeps it as stored.
    QVERIFY(!c.table->addPertConnection(&ab2));
    QCOMPARE(ab.getConnType(), 1);
    c.table->removePertConnection(&ab2);
    QCOMPARE(ab.getConnType(), 0);
    QCOMPARE(ab.getFromBar(), b);
    QCOMPARE(ab.getToBar(), a);

    // Removing the last direction removes the connection; unknown ones change nothing.
    c.table->removePertConnection(&bOther);
    QCOMPARE(c.table->GetPertConnectionsCount(), 1);
    TPLXBarConnection baAgain(b, a, 0, nullptr);
    c.table->removePertConnection(&baAgain);
    QCOMPARE(c.table->GetPertConnectionsCount(), 0);
}

void tst_plxGanttTable::rowStartSkipsScrolledAndInvisibleRows()
{
    Chart c(8, 30);
    c.table->SetScrolledLines(3);
    QCOMPARE(c.table->getRowStartY(0), 10);
    QCOMPARE(c.table->getRowStartY(3), 10);
    QCOMPARE(c.table->getRowStartY(5), 10 + 60);
    c.table->getRow(4)->setVisible(false);
    QCOMPARE(c.table->getRowStartY(5), 10 + 30);
    c.table->getRow(3)->setCollapsed(true);
    QCOMPARE(c.table->getRowStartY(5), 10);
    QCOMPARE(c.table->getTableHeight(), 10 + 90);
    QCOMPARE(c.table->GetRowsTotalHeight(), 90);
    QCOMPARE(c.table->getVisibleRowStartY(1), 10 + 30); // the first visible row is row 5
    QCOMPARE(c.table->getVisibleRowHeight(0), 30);
}

void tst_plxGanttTable::scrollingHidesAndShowsRows()
{
    Chart c(6, 30);
    c.table->getRow(1)->setCollapsed(true);
    c.table->SetScrolledLines(2);
    QCOMPARE(c.table->getScrolledLines(), 2);
    QCOMPARE(c.table->lastScrolledLines, -1);
    QVERIFY(!c.table->getRow(0)->visibleFlag());
    QVERIFY(c.table->getRow(1)->visibleFlag()); // collapsed rows are left alone
    QVERIFY(c.table->getRow(2)->IsVisible());
    QCOMPARE(c.table->getRowStartY(3), 40);
    c.table->SetScrolledLines(0);
    for (int i : {0, 2, 3})
        QVERIFY(c.table->getRow(i)->IsVisible());
    QVERIFY(c.table->getRow(1)->isCollapsed());
    QCOMPARE(c.table->getRowStartY(2), 40);
    // Out of range requests land on the last row.
    c.table->SetScrolledLines(100);
    QCOMPARE(c.table->getScrolledLines(), 5);
    c.table->SetScrolledLines(-4);
    QCOMPARE(c.table->getScrolledLines(), 0);
}

void tst_plxGanttTable::scrollingSkipsCollapsedRows()
{
    Chart c(8, 30);
    c.table->getRow(3)->setCollapsed(true);
    c.table->getRow(4)->setCollapsed(true);
    c.table->SetScrolledLines(3);
    QCOMPARE(c.table->getScrolledLines(), 5);
    c.table->SetScrolledLines(4);
    QCOMPARE(c.table->getScrolledLines(), 2); // upwards: the next open row above
    c.table->getRow(7)->setCollapsed(true);
    c.table->getRow(6)->setCollapsed(true);
    c.table->SetScrolledLines(6);
    QCOMPARE(c.table->getScrolledLines(), 5); // ran off the end, came back from the last row
    Chart all(3, 30);
    for (int i = 0; i < 3; ++i)
        all.table->getRow(i)->setCollapsed(true);
    all.table->SetScrolledLines(1); // must end, whatever it lands on
    QVERIFY(all.table->getScrolledLines() >= 0 && all.table->getScrolledLines() < 3);
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
    }
}

void tst_plxGanttTable::lastVisibleRowAndRowAtY()
{
    Chart c(10, 30);
    // Rows start at 10, 40, 70, 100, 130, ...: a start at the bottom line itself is not below it.
    QCOMPARE(c.table->lastRowStartingAbove(100), 4);
    QCOMPARE(c.table->lastRowStartingAbove(99), 3);
    QCOMPARE(c.table->lastRowStartingAbove(5000), 9);
    QCOMPARE(c.table->rowAtY(9), -1);
    QCOMPARE(c.table->rowAtY(10), 0);
    QCOMPARE(c.table->rowAtY(69), 1);
    QCOMPARE(c.table->rowAtY(310), 10);
    c.table->SetScrolledLines(4);
    QCOMPARE(c.table->rowAtY(10), 4);
    QCOMPARE(c.table->lastRowStartingAbove(99), 7);
    Chart empty(0);
    QCOMPARE(empty.table->lastRowStartingAbove(100), -1);
}

void tst_plxGanttTable::swapSequences()
{
    Chart c(8);
    const QList<TPLXGanttRow *> original = c.table->rows();
    QCOMPARE(c.table->swapSequences(2, 3, 6, 6), 5);
    QCOMPARE(orderOf(c.table, original), (QStringList{"0", "1", "6", "4", "5", "2", "3", "7"}));
    for (int i = 0; i < 8; ++i)
        QCOMPARE(c.table->getRow(i)->getOrder(), i);
    // The earlier block is A whatever the argument order.
    Chart d(8);
    const QList<TPLXGanttRow *> second = d.table->rows();
    QCOMPARE(d.table->swapSequences(6, 6, 2, 3), 5);
    QCOMPARE(orderOf(d.table, second), (QStringList{"0", "1", "6", "4", "5", "2", "3", "7"}));
    d.table->getRow(0)->setHeight(100);
    QCOMPARE(d.table->getRowStartY(1), 110);
}

void tst_plxGanttTable::orderSaveRestoreApply()
{
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
    const QList<TPLXGanttRow *> now = c.table->getOrder();
    QCOMPARE(now[2]->PLXTag, 2);
    // A saved order that lost a row is not restored.
    c.table->takeRow(0);
    c.table->restoreOrder();
    QCOMPARE(c.table->countRows(), 3);
}

void tst_plxGanttTable::focusedBarIsValidatedOnRead()
{
    Chart c;
    TPLXTaskBar *a = c.task(1, kMonday, kMonday + 1);
    TPLXTaskBar *b = c.task(1, kMonday + 2, kMonday + 3);
    c.table->setFocusedBar(b);
    QCOMPARE(c.table->getFocusedBar(), b);
    QVERIFY(b->isFocused());
    c.table->setFocusedBar(a);
    QVERIFY(!b->isFocused());
    QVERIFY(a->isFocused());
    c.table->getRow(1)->RemoveBar(b);
    c.table->getRow(1)->RemoveBar(a);
    QVERIFY(c.table->getFocusedBar() == nullptr);
    TPLXTaskBar loose;
    QVERIFY_THROWS_EXCEPTION(EPLXAssertionFailed, c.table->setFocusedBar(&loose));
}

void tst_plxGanttTable::badIndexesAndAssertions()
{
    Chart c(3);
    TPLXRecordingScope recording;
    recording.recorder.writeLogFile = false;
    QVERIFY(c.table->getRow(3) == nullptr);
    QVERIFY(c.table->getRow(-1) == nullptr);
    QVERIFY(recording.recorder.logLines.contains(
        QStringLiteral("stop. List index 3 out of bounds (3) in TPLXGanttTable.getRow")));
    QCOMPARE(c.table->getRowHeight(7), 0);
    QCOMPARE(c.table->getRowHeight(-1), 0);
    try {
        c.table->applyOrder({});
        QFAIL("no assertion");
    } catch (const EPLXAssertionFailed &e) {
        QVERIFY2(e.message().contains(QLatin1String("src/framework/plxGanttTable")), qPrintable(e.message()));
    }
    QCOMPARE(c.table->countRows(), 3);
    QVERIFY(c.table->allBarsIn(2, 99).isEmpty());
}

void tst_plxGanttTable::snapToGridAndPertHelpers()
{
    Chart c;
    QPoint p;
    c.table->snapToGrid(30, 50, p, true);
    QCOMPARE(p, QPoint(40, 40));
    c.table->snapToGrid(-15, 5, p, true);
    QCOMPARE(p, QPoint(0, 0));
    c.table->snapToGrid(-15, 5, p, false);
    QCOMPARE(p, QPoint(-20, 0));
    c.table->setPertStartX(31);
    QCOMPARE(c.table->getPertStartX(), 40);
    c.table->setPertStartY(-50);
    QCOMPARE(c.table->getPertStartY(), 0);
    QCOMPARE(c.table->PertAbsToRel(100 + 15, 29), QPoint(60, 20)); // tree width 100
    QCOMPARE(c.table->findEmptyRow(), 0);
    TPLXGanttRow *r0 = c.table->getRow(0);
    TPLXGanttRow *r1 = c.table->getRow(1);
    c.table->setZOrder(r0, 0);
    c.table->setZOrder(r1, 0);
    QCOMPARE(c.table->getZOrder(r1), 0);
    QCOMPARE(c.table->getZOrder(r0), 1);
    QCOMPARE(c.table->getZOrder(c.table->getRow(2)), -1);
}

void tst_plxGanttTable::loadDefaultsAndRoundTrip()
{
    PLXMedia media = plxMediaFromText("[t]\nTypeID=Gantt Table\nrows#count=2\nrows#0=r0\nrows#1=r1\n"
                                      "[r0]\ntypeID=Gantt Row\nheight=12\n[r1]\ntypeID=Gantt Row\n");
    TPLXEntityFactory loader;
    std::unique_ptr<TPLXGanttObject> loaded(loader.loadObject(QStringLiteral("t"), *media, nullptr));
    auto *t = dynamic_cast<TPLXGanttTable *>(loaded.get());
    QVERIFY(t != nullptr);
    QCOMPARE(t->GetGridColor(), StringToColor(QStringLiteral("clGray")));
    QCOMPARE(t->GetBaseColor(), 0x02F7EAD4);
    QCOMPARE(t->FFocusedFrameThickness, 4);
    QCOMPARE(t->FDefaultRowHeight, 35);
    QCOMPARE(t->GetColumnWidth(), 50);
    QCOMPARE(t->FPertGraphBackGroundColor, 0xEEEEEE);
    QCOMPARE(t->countRows(), 2);
    QCOMPARE(t->getRow(1)->getOrder(), 1);
    QCOMPARE(t->getRow(1)->getHeight(), 25);

    t->SetColumnWidth(33);
    t->SetGridColor(0x123456);
    t->FWeekendBrightenColor = 0x101010;
    PLXMedia out = plxMediaFromText(QByteArray());
    TPLXEntityFactory saver;
    t->doSave(QStringLiteral("owner"), *out, saver);
    const QString section = out->strValue(QStringLiteral("owner"), QStringLiteral("table"), QString());
    QCOMPARE(section, QStringLiteral("t"));
    QCOMPARE(out->strValue(section, QStringLiteral("TypeID"), QString()), QStringLiteral("Gantt Table"));
    QCOMPARE(out->strValue(section, QStringLiteral("grid color"), QString()), ColorToString(0x123456));
    TPLXEntityFactory reloader;
    std::unique_ptr<TPLXGanttObject> again(reloader.loadObject(section, *out, nullptr));
    auto *copy = static_cast<TPLXGanttTable *>(again.get());
    QCOMPARE(copy->GetColumnWidth(), 33);
    QCOMPARE(copy->GetGridColor(), 0x123456);
    QCOMPARE(copy->FWeekendBrightenColor, 0x101010);
    QCOMPARE(copy->getRow(0)->getHeight(), 12);
}

void tst_plxGanttTable::rowInsertRemoveAndUndo()
{
    Source s(rowsOfBars(3));
    TPLXGanttTable *t = s.table();
    QList<TPLXGanttRow *> inserted, deleted;
    s.ds.OnRowInsert = [&](TPLXGanttRow *r) { inserted << r; };
    s.ds.OnRowDelete = [&](TPLXGanttRow *r) { deleted << r; };
    TPLXGanttRow *row = t->MakeBlankRow();
    for (int bad : {-1, 4}) {
        TPLXGanttRowInsertOperation op(&s.ds, row, bad);
        QVERIFY(!op.perform());
        QCOMPARE(t->countRows(), 3);
    }
    TPLXGanttRowInsertOperation insert(&s.ds, row, 1);
    QVERIFY(insert.perform());
    QCOMPARE(t->getRow(1), row);
    QCOMPARE(row->getHeight(), t->FDefaultRowHeight);
    QCOMPARE(t->getRow(3)->getOrder(), 3);
    QCOMPARE(t->getRow(3)->GetBarInRow(0)->getRow(), 3);
    QVERIFY(insert.undo());
    QCOMPARE(t->countRows(), 3);
    QCOMPARE(t->getRow(1)->getOrder(), 1);
    QCOMPARE(inserted, (QList<TPLXGanttRow *>{row}));
    QCOMPARE(deleted, (QList<TPLXGanttRow *>{row}));

    TPLXGanttRowRemoveOperation bad(&s.ds, 3);
    QVERIFY(!bad.perform());
    QVERIFY(!bad.undo());
    TPLXGanttRow *second = t->getRow(1);
    TPLXGanttRowRemoveOperation remove(&s.ds, 1);
    QVERIFY(remove.perform());
    QCOMPARE(t->countRows(), 2);
    QVERIFY(remove.undo());
    QCOMPARE(t->getRow(1), second);
}

void tst_plxGanttTable::rowClearAndRowsDelete()
{
    Source s(rowsOfBars(5));
    TPLXGanttTable *t = s.table();
    TPLXGanttRowClearOperation invalid(&s.ds, 9);
    QVERIFY(invalid.isDisabled());
    QVERIFY(!invalid.perform());
    TPLXGanttRowClearOperation clear(&s.ds, 0);
    QCOMPARE(clear.count(), 1);
    QVERIFY(clear.perform());
    QCOMPARE(t->getRow(0)->GetBarCount(), 0);
    QCOMPARE(s.ds.root()->countConnections(), 0);
    QVERIFY(clear.undo());
    QCOMPARE(t->getRow(0)->GetBarCount(), 1);
    QCOMPARE(s.ds.root()->countConnections(), 1);

    const QList<TPLXGanttRow *> before = t->rows();
    TPLXGanttRowsDeleteOperation rows(&s.ds, 1, 3);
    QVERIFY(rows.perform());
    QCOMPARE(t->countRows(), 2);
    QCOMPARE(t->getRow(1), before[4]);
    QCOMPARE(t->getRow(1)->getOrder(), 1);
    QCOMPARE(s.ds.root()->countConnections(), 0); // B2 was in row 2
    QVERIFY(rows.undo());
    QCOMPARE(t->rows(), before);
    QCOMPARE(s.ds.root()->countConnections(), 1);
}

void tst_plxGanttTable::rowsDeleteOutOfRangeChangesNothing()
{
    Source s(rowsOfBars(4));
    TPLXGanttTable *t = s.table();
    const QList<TPLXGanttRow *> before = t->rows();
    for (const auto &[first, last] : {std::pair{-1, 1}, std::pair{2, 6}, std::pair{7, 9}}) {
        TPLXGanttRowsDeleteOperation op(&s.ds, first, last);
        QVERIFY(!op.perform());
        QCOMPARE(t->rows(), before);
        QCOMPARE(t->getRow(0)->GetBarCount(), 1);
        QCOMPARE(t->getRow(2)->GetBarCount(), 1);
        QCOMPARE(s.ds.root()->countConnections(), 1);
        for (int i = 0; i < t->countRows(); ++i)
            QCOMPARE(t->getRow(i)->getOrder(), i);
    }
    QVERIFY(!s.ds.RowClear(4));
    QVERIFY(!s.ds.RowClear(-1));
    QCOMPARE(s.ds.getUndoRedoStack().GetUndoOperationCount(), 0);
}

void tst_plxGanttTable::barDeleteTakesConnections()
{
    Source s(rowsOfBars(3));
    TPLXGanttTable *t = s.table();
    TPLXGanttBar *b2 = t->getRow(2)->GetBarInRow(0);
    QVERIFY(s.ds.BarDelete(b2));
    QCOMPARE(t->getRow(2)->GetBarCount(), 0);
    QCOMPARE(s.ds.root()->countConnections(), 0);
    QVERIFY(s.ds.getUndoRedoStack().undo());
    QCOMPARE(t->getRow(2)->GetBarInRow(0), b2);
    QCOMPARE(s.ds.root()->countConnections(), 1);
    QVERIFY(s.ds.getUndoRedoStack().redo());
    QCOMPARE(s.ds.root()->countConnections(), 0);
}

void tst_plxGanttTable::drawsBackgroundGridExceptionsAndDateLine()
{
    Chart c(3, 30, 20);
    c.doc.startDate = kMonday;
    c.doc.endDate = kMonday + 30;
    c.table->SetBaseColor(0xEEDDCC);
    c.table->SetGridColor(0x808080);
    c.calendar->getDateCategory(0)->setColor(0x00C0FF);
    c.table->DateLine()->Visible = true;
    c.table->DateLine()->Date = kMonday + 1.5;
    c.table->DateLine()->Color = 0x0000FF;
    c.table->DateLine()->PenWidth = 2;
    Canvas canvas(400, 150);
    c.table->getDrawer(vtGanttGraph)->Draw(*canvas.vc);
    const QImage image = canvas.finish();
    QCOMPARE(pixel(image, 50, 50), 0xFFFFFF); // the tree's part is left alone
    QCOMPARE(pixel(image, 105, 25), 0xEEDDCC);
    QCOMPARE(pixel(image, 105, 40), 0x808080); // below row 0 (10 + 30)
    QCOMPARE(pixel(image, 120, 25), 0x808080); // column line
    QCOMPARE(pixel(image, 205, 25), 0x00C0FF); // Saturday x 200..220
    QCOMPARE(pixel(image, 235, 125), 0x00C0FF); // Sunday, below the rows too
    QCOMPARE(pixel(image, 245, 25), 0xEEDDCC); // Monday
    QCOMPARE(pixel(image, 130, 25), 0x0000FF); // date line at 100 + 30, two pixels wide
    QCOMPARE(pixel(image, 131, 25), 0x0000FF);
    QCOMPARE(pixel(image, 132, 25), 0xEEDDCC);
}

void tst_plxGanttTable::visibleOnlyDrawingMatchesFullDrawing()
{
    Chart c(120, 30, 20);
    c.doc.startDate = kMonday;
    c.doc.endDate = kMonday + 60;
    for (int r = 0; r < 120; ++r) {
        c.task(r, kMonday + (r % 17), kMonday + (r % 17) + 1 + r % 5)->SetProgress(r % 100);
        if (r % 3 == 0)
            c.task(r, kMonday + 20 + r % 7, kMonday + 24 + r % 7);
    }
    c.table->getRow(10)->setHeight(55);
    c.table->getRow(11)->setCollapsed(true);
    const int fullHeight = c.table->getTableHeight() + 20;
    Canvas full(600, fullHeight);
    c.table->getDrawer(vtGanttGraph)->Draw(*full.vc);
    const QImage everything = full.finish();

    // A window in the middle.
    Canvas part(600, fullHeight);
    part.vc->setVisibleArea({0, 1200, 600, 1800});
    c.table->getDrawer(vtGanttGraph)->Draw(*part.vc);
    const QImage window = part.finish();
    QCOMPARE(window.copy(100, 1200, 500, 600), everything.copy(100, 1200, 500, 600));

    // Scrolled to row 60: the screen shows what the full drawing has from row 60's place on.
    const int shift = c.table->getRowStartY(60) - 10;
    c.table->SetScrolledLines(60);
    Canvas scrolled(600, 600);
    c.table->getDrawer(vtGanttGraph)->Draw(*scrolled.vc);
    const QImage screen = scrolled.finish();
    // The full drawing has the line under row 59 at the top; the screen begins with row 60.
    const QImage expected = everything.copy(100, 11 + shift, 500, 589);
    const QImage actual = screen.copy(100, 11, 500, 589);
    if (actual != expected) {
        for (int y = 0; y < 589; ++y)
            for (int x = 0; x < 500; ++x)
                if (actual.pixel(x, y) != expected.pixel(x, y))
                    QFAIL(qPrintable(QStringLiteral("first difference at %1,%2: %3 vs %4").arg(x + 100).arg(y + 11)
                                         .arg(actual.pixel(x, y), 0, 16).arg(expected.pixel(x, y), 0, 16)));
    }
    QCOMPARE(static_cast<TPLXGanttTableDrawer *>(c.table->getDrawer(vtGanttGraph))->lastVisible, 60 + 20);
}

void tst_plxGanttTable::locateFindsTheUpperRowFirst()
{
    Chart c(3, 30, 20);
    TPLXTaskBar *upper = c.task(0, kMonday, kMonday + 2);
    TPLXTaskBar *lower = c.task(1, kMonday, kMonday + 2);
    Canvas canvas(400, 150);
    TPLXDrawer *drawer = c.table->getDrawer(vtGanttGraph);
    drawer->Draw(*canvas.vc);
    QCOMPARE(drawer->locateObject(110, 25), upper);
    QCOMPARE(drawer->locateObject(110, 55), lower);
    QVERIFY(drawer->locateObject(110, 11) == nullptr);
    // Overlapping drawn rectangles: the upper row answers.
    lower->ganttDrawer()->lastRect = {100, 0, 140, 100};
    QCOMPARE(drawer->locateObject(110, 25), upper);
    c.table->SetScrolledLines(1);
    drawer->Draw(*canvas.vc);
    QCOMPARE(drawer->locateObject(110, 25), lower);
}

void tst_plxGanttTable::drawingSurvivesEmptyAndShrunkTables()
{
    Chart empty(0);
    empty.table->SetBaseColor(0x112233);
    Canvas canvas(300, 100);
    empty.table->getDrawer(vtGanttGraph)->Draw(*canvas.vc);
    QVERIFY(empty.table->getDrawer(vtGanttGraph)->locateObject(150, 50) == nullptr);
    QCOMPARE(pixel(canvas.finish(), 150, 50), 0x112233);

    // Scrolled past rows that are then taken away.
    Chart c(8, 30);
    c.task(7, kMonday, kMonday + 2);
    c.table->SetScrolledLines(6);
    for (int i = 0; i < 5; ++i)
        c.table->takeRow(c.table->countRows() - 1);
    Canvas shrunk(300, 100);
    TPLXDrawer *drawer = c.table->getDrawer(vtGanttGraph);
    drawer->Draw(*shrunk.vc);
    QVERIFY(drawer->locateObject(110, 20) == nullptr);
    c.table->SetScrolledLines(0);
    QCOMPARE(c.table->getScrolledLines(), 0);
    QCOMPARE(c.table->getRowStartY(2), 70);
    // The table area starts below a table start lower than the visible area.
    c.doc.tableStartY = 500;
    drawer->Draw(*shrunk.vc);
    QCOMPARE(static_cast<TPLXGanttTableDrawer *>(drawer)->lastVisible, 0);
}

QTEST_MAIN(tst_plxGanttTable)
#include "tst_plxGanttTable.moc"
