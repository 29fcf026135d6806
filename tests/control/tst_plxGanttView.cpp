// Position mapping, outlines, row packing, scroll limits and print extent of the Gantt view.
#include "plxDocumentFixture.h"
#include "plxGanttBar.h"
#include "plxGanttRow.h"
#include "plxGanttView.h"
#include "plxVisualContext.h"

#include <QPainter>
#include <QtTest>

using namespace plxtest;

namespace {

Document plan()
{
    Document doc;
    doc.rows = {Row{{Bar{QStringLiteral("A"), kMonday, 2}, Bar{QStringLiteral("B"), kMonday + 5, 1}}}, Row{},
                Row{{}, 30}, Row{{Bar{QStringLiteral("C"), kMonday + 1, 1}}}};
    return doc;
}

// Rows of 20, 20 (hidden), 30 and 20 pixels; row 0 holds A (2 days) and B (1 day, 3 days later).
struct Viewed : LoadedDocument
{
    TPLXGanttView view;
    Viewed()
        : LoadedDocument(plan())
    {
        row(1)->setVisible(false);
        view.setDataSource(&ds);
    }
    int top() { return ds.root()->GetTableStartY(); }
    int colX(double columns) { return ds.root()->getColStartX(0) + static_cast<int>(columns * 20); }
};

} // namespace

class tst_plxGanttView : public QObject
{
    Q_OBJECT

private slots:
    void mapsPointsToRows_data()
    {
        QTest::addColumn<int>("dy");
        QTest::addColumn<int>("scrolled");
        QTest::addColumn<bool>("extended");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("yoffset");
        QTest::newRow("above the table") << -1 << 0 << false << -1 << 0;
        QTest::newRow("hidden row takes no space") << 25 << 0 << false << 2 << 5;
        QTest::newRow("boundary goes to the lower row") << 50 << 0 << false << 3 << 0;
        QTest::newRow("below the last row") << 95 << 0 << false << -1 << 0;
        QTest::newRow("extended below the last row") << 95 << 0 << true << 5 << 0;
        QTest::newRow("from the scrolled row") << 5 << 2 << false << 2 << 5;
    }
    void mapsPointsToRows()
    {
        QFETCH(int, dy);
        QFETCH(int, scrolled);
        QFETCH(bool, extended);
        Viewed v;
        v.table()->SetScrolledLines(scrolled);
        const int x = v.colX(1.25);
        const TPLXColRow c = extended ? v.view.getColRowExtended(x, v.top() + dy) : v.view.getColRow(x, v.top() + dy);
        QTEST(c.y, "row");
        QTEST(c.yoffset, "yoffset");
        QCOMPARE(c.x, c.y < 0 ? -1.0 : 1.25);
    }

    void snapsTiesToEven()
    {
        Viewed v;
        v.view.setSnapToCell(true);
        QCOMPARE(v.view.getColRow(v.colX(1.5), v.top() + 1).x, 2.0);
        QCOMPARE(v.view.getColRow(v.colX(2.5), v.top() + 1).x, 2.0);
        QCOMPARE(v.view.getTime(v.colX(2.5)), kMonday + 2.5);
    }

    void outlinesKeepTheirRules()
    {
        Viewed v;
        QImage image(600, 200, QImage::Format_RGB32);
        QPainter painter(&image);
        TPLXCanvasVC vc(painter);
        vc.setVisibleArea({0, 0, 600, 200});
        v.view.Draw(vc, false);
        TPLXGanttBar *c = v.bar(3, 0);
        v.view.showOutline(c);
        const TRect own = c->getRect(v.ds.root()->getStartDate());
        QCOMPARE(v.view.getOutline(), own);
        bool right = true;
        QVERIFY(v.view.setOutline(0, -own.height(), right));
        QCOMPARE(v.view.getOutline().height(), 10 - 2 * TPLXGanttView::shiftOutline);
        v.view.restoreOutline();
        QVERIFY(v.view.acceptOutline());
        // Over A's dates in row 0 the drop is refused and nothing moves.
        v.view.moveOutline(own.Left - 20, v.top() + 2, false);
        QVERIFY(!v.view.acceptOutline());
        QVERIFY(!v.view.hideOutlineAndMove());
        QCOMPARE(c->getRow(), 3);
        // With snapping bars together the drop moves the bar and packs the row.
        v.table()->setSnapBarsTogether(true);
        v.view.showOutline(c);
        v.view.moveOutline(own.Left - 20, v.top() + 2, false);
        QVERIFY(!v.view.hideOutlineAndMove());
        QCOMPARE(c->getRow(), 0);
        QCOMPARE(c->getStartDate(), v.bar(0, 0)->getEndDate());
        QCOMPARE(v.bar(0, 1)->getStartDate(), c->getEndDate());
    }

    void scrollKeepsToLimits()
    {
        Viewed v;
        v.table()->setWidth(200);
        v.ds.setUseLeftScrollLimit(true);
        v.ds.setLeftScrollLimit(kMonday - 2);
        v.view.scroll(-5);
        QCOMPARE(v.ds.root()->getStartDate(), kMonday - 2);
        v.ds.setUseRightScrollLimit(true);
        v.ds.setRightScrollLimit(kMonday + 10);
        v.view.scroll(3);
        QCOMPARE(v.ds.root()->getStartDate(), kMonday + 1);
        v.view.scroll(1);
        QCOMPARE(v.ds.root()->getStartDate(), kMonday + 1);
    }

    void printRangeCoversTheChart()
    {
        Viewed v;
        v.ds.root()->setEndDate(kMonday + 10);
        const TRect r = v.view.GetPrintRange();
        QCOMPARE(r.Right - v.ds.root()->getTreeWidth(), 10 * 20);
        QCOMPARE(r.Bottom, v.ds.root()->GetHeight());
        QCOMPARE(v.view.getNewStartDate(0), kMonday);
        QCOMPARE(v.view.getNewStartDate(3.4), kMonday + 3);
    }
};

QTEST_MAIN(tst_plxGanttView)
#include "tst_plxGanttView.moc"
