// The gantt table: row geometry (checked against a plain sum through random edits), focus, the row operations, and
// drawing: background, grid, exception columns, date lines, and visible-only drawing that matches a full drawing.
#include "plxChartFixture.h"
#include "plxCompare.h"
#include "plxDocumentFixture.h"
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
    explicit Source(int rows)
        : LoadedDocument(evenRowBars(rows))
    {
    }
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

} // namespace

class tst_plxGanttTable : public QObject
{
    Q_OBJECT

private slots:
    void rowPlaces()
    {
        Chart l(10, 30);
        // Out-of-range scrolls land on the last row or the first; collapsed rows are skipped downwards.
        const auto scrollTo = [&](int lines) {
            l.table->SetScrolledLines(lines);
            return l.table->getScrolledLines();
        };
        l.table->getRow(2)->setCollapsed(true);
        PLX_COMPARE_EACH(int, ({scrollTo(100), scrollTo(-4), scrollTo(2), scrollTo(0)}), ({9, 0, 3, 0}));
        l.table->getRow(2)->setCollapsed(false);
        // Rows start at 10, 40, 70, 100, 130, ...: a start at the bottom line itself is not below it.
        // Expected, unscrolled and scrolled by 4: the last row starting above y 100, 99 and 5000,
        // and the row at y 9, 10, 69 and 310.
        const auto probe = [&] {
            return QList<int>{l.table->lastRowStartingAbove(100),
                              l.table->lastRowStartingAbove(99),
                              l.table->lastRowStartingAbove(5000),
                              l.table->rowAtY(9),
                              l.table->rowAtY(10),
                              l.table->rowAtY(69),
                              l.table->rowAtY(310)};
        };
        QCOMPARE(probe(), QList<int>({4, 3, 9, -1, 0, 1, 10}));
        l.table->SetScrolledLines(4);
        QCOMPARE(probe(), QList<int>({8, 7, 9, -1, 4, 5, 10}));
        l.table->SetScrolledLines(3);
        // Rows scrolled out start where the first shown row does.
        PLX_COMPARE_EACH(int, ({l.table->getRowStartY(0), l.table->getRowStartY(3), l.table->getRowStartY(5)}),
                         ({10, 10, 10 + 60}));
        l.table->getRow(4)->setVisible(false);
        QCOMPARE(l.table->getRowStartY(5), 10 + 30);
        l.table->getRow(3)->setCollapsed(true);
        QCOMPARE(l.table->getRowStartY(5), 10);
        QCOMPARE(l.table->getTableHeight(), 10 + 150);
        QCOMPARE(l.table->GetRowsTotalHeight(), 150);
        QCOMPARE(l.table->getVisibleRowStartY(1), 10 + 30); // the first visible row is row 5
    }

    void geometryMatchesPlainSumsThroughRandomEdits()
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

    void focus()
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

    void visibleOnlyDrawingMatchesFullDrawing()
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

    void locating()
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
    }

    // Background, grid, exception columns and the date line.
    void background()
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
        // Tree, base, row line, column line, Saturday, Sunday below the rows, Monday, date line (2 px), right of it.
        PLX_COMPARE_EACH(TColor,
                         ({pixel(image, 50, 50), pixel(image, 105, 25), pixel(image, 105, 40), pixel(image, 120, 25),
                           pixel(image, 205, 25), pixel(image, 235, 125), pixel(image, 245, 25), pixel(image, 130, 25),
                           pixel(image, 131, 25), pixel(image, 132, 25)}),
                         ({0xFFFFFF, 0xEEDDCC, 0x808080, 0x808080, 0x00C0FF, 0x00C0FF, 0xEEDDCC, 0x0000FF, 0x0000FF,
                           0xEEDDCC}));
    }
};

QTEST_MAIN(tst_plxGanttTable)
#include "tst_plxGanttTable.moc"
