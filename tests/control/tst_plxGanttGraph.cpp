// The chart control as a user and an application meet it: what it paints,
// how its scroll bars and the wheel move the chart, and what its exports write.
#include "plxDocumentCalendar.h"
#include "plxDocumentFixture.h"
#include "plxGanttGraph.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxRessourceStrings.h"
#include "plxTaskBar.h"
#include "plxTreeGrid.h"

#include <QAccessible>
#include <QScrollBar>
#include <QtTest>

using namespace plxtest;

namespace {

Document rows(int count)
{
    Document doc;
    doc.rows.fill(Row{{Bar{QStringLiteral("T"), kMonday, 2}}}, count);
    for (int i = 0; i < count; ++i)
        doc.rows[i].bars[0].name = QStringLiteral("T%1").arg(i);
    return doc;
}

// The bounding box of the pixels that differ from the top-left one.
QRect inked(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0))
                box |= QRect(x, y, 1, 1);
    return box;
}

void wheel(QWidget &w, int delta)
{
    QWheelEvent event(QPointF(50, 50), w.mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w, &event);
}

} // namespace

class tst_plxGanttGraph : public QObject
{
    Q_OBJECT

private slots:
    void unboundShowsItsMessageAndOutlivesItsSource()
    {
        TPLXGanttGraph graph;
        graph.resize(300, 120);
        const QImage unbound = graph.grab().toImage();
        const QRect text = inked(unbound);
        QVERIFY(text.width() > 40);
        QVERIFY(qAbs(text.left() + text.right() + 1 - 300) <= 2 && qAbs(text.top() + text.bottom() + 1 - 120) <= 2);
        auto *ds = new TPLXDataSource;
        graph.setDataSource(ds);
        QVERIFY(graph.docScroller()->isVisibleTo(&graph));
        QVERIFY(graph.grab().toImage() != unbound);
        delete ds;
        QVERIFY(!graph.getDataSource() && !graph.docScroller()->isVisibleTo(&graph));
        QCOMPARE(graph.grab().toImage(), unbound);
        // A data source that is the control's child goes after it.
        TPLXGanttGraph *parent = new TPLXGanttGraph;
        parent->setDataSource(new TPLXDataSource(parent));
        delete parent;
    }

    void repaintsOnChangeAndUndoAndMatchesItsExport()
    {
        TPLXRecordingScope recording;
        TPLXDataSource ds;
        ds.setStorage(QStringLiteral("file://") + QFINDTESTDATA("../examples/sample-plan.ini"));
        TPLXGanttGraph graph;
        // As wide as the export, so that band labels centre in the same visible part.
        graph.resize(960 + graph.verticalScroller()->sizeHint().width(), 330);
        // The export lays the tree out as wide as its columns: so does the screen here.
        ds.GetTree()->setWidth(ds.GetTree()->getActualWidth() + 17);
        graph.setDataSource(&ds);
        const QImage before = graph.grab().toImage();
        TPLXGanttBar *bar = ds.GetTable()->getRow(1)->GetBarInRow(0);
        QVERIFY(ds.BarMove(bar, bar->getStartDate() + 7, 1));
        QVERIFY(graph.grab().toImage() != before);
        ds.getUndoRedoStack().undo();
        QCOMPARE(graph.grab().toImage(), before);
        // Inside an update bracket changes wait for its end.
        graph.BeginUpdate();
        QVERIFY(ds.BarMove(bar, bar->getStartDate() + 7, 1));
        QCOMPARE(graph.grab().toImage(), before);
        graph.EndUpdate();
        QVERIFY(graph.grab().toImage() != before);
        ds.getUndoRedoStack().undo();

        QImage exported;
        const TDateTime start = ds.root()->getStartDate();
        const QSize size = graph.PaintToBitmap(&exported, 0, 7, start, start + 12);
        QCOMPARE(exported.size(), size);
        QVERIFY(size.width() == 960 && size.height() < 330);
        QCOMPARE(graph.grab().toImage().copy(QRect(QPoint(), size)), exported.convertToFormat(before.format()));
        QCOMPARE(graph.grab().toImage(), before);
    }

    void outlineLeavesTheChartAsItWasAndTheDateHint()
    {
        LoadedDocument plan(rows(3));
        TPLXGanttGraph graph;
        graph.resize(400, 200);
        graph.setDataSource(&plan.ds);
        const QImage chart = graph.grab().toImage();
        graph.view().showOutline(plan.bar(1, 0));
        QVERIFY(graph.grab().toImage() != chart);
        QVERIFY(graph.view().moveOutline(7, 21, true));
        graph.view().hideOutline();
        QCOMPARE(graph.grab().toImage(), chart);

        // Two working days from Monday 1 January end on the 3rd: the hint shows the last day, the 2nd.
        QCOMPARE(plan.bar(0, 0)->getEndDate(), kMonday + 2);
        QCOMPARE(TPLXGanttGraph::dateHint(*plan.bar(0, 0)),
                 QLocale().toString(QDate(2024, 1, 1), QLocale::ShortFormat) + QStringLiteral(" - ") +
                     QLocale().toString(QDate(2024, 1, 2), QLocale::ShortFormat));
    }

    void scrollsByItsUnits()
    {
        LoadedDocument plan(rows(40));
        TPLXGanttGraph graph;
        graph.resize(400, 330);
        graph.setDataSource(&plan.ds);
        // One notch, one row; the thumb shows the row's share, rounded half to even.
        plan.table()->SetScrolledLines(10);
        wheel(graph, -120);
        QCOMPARE(plan.table()->getScrolledLines(), 11);
        QCOMPARE(graph.verticalScroller()->value(), 28);
        plan.table()->SetScrolledLines(39);
        wheel(graph, -120);
        QCOMPARE(plan.table()->getScrolledLines(), 39);
        plan.table()->SetScrolledLines(0);
        wheel(graph, 60);
        wheel(graph, 60);
        QCOMPARE(plan.table()->getScrolledLines(), 0);

        // Row 30 comes into view as low as it fits: rows count a pixel more than their height.
        QCOMPARE(plan.ds.root()->GetTableStartY(), 0);
        graph.ScrollInViewZeile(30);
        QCOMPARE(plan.table()->getScrolledLines(), 16);
        graph.ScrollInViewZeile(20);
        QCOMPARE(plan.table()->getScrolledLines(), 16);
        plan.table()->SetScrolledLines(0);

        // A page down moves the thumb by 8 and the rows to 8 % of them; a thumb moved up never scrolls down.
        QScrollBar *vertical = graph.verticalScroller();
        QTest::mouseClick(vertical, Qt::LeftButton, {}, QPoint(vertical->width() / 2, vertical->height() - 30));
        QCOMPARE(vertical->value(), 8);
        QCOMPARE(plan.table()->getScrolledLines(), 3);
        graph.verticalMove(50, 40);
        QCOMPARE(plan.table()->getScrolledLines(), 3);

        // The chart's right arrow at the end of the bar keeps scrolling a column a click.
        QScrollBar *chart = graph.docScroller();
        const TDateTime start = plan.ds.root()->getStartDate();
        graph.docScrollerChanged(95);
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(chart, Qt::LeftButton, {}, QPoint(chart->width() - 3, chart->height() / 2));
        QCOMPARE(chart->value(), 95);
        QCOMPARE(plan.ds.root()->getStartDate(), start + 90 + 3);
    }

    void exportsSizes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("lastRow");
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rowsHeight");
        QTest::newRow("weeks over 10 days") << int(tmWeek) << 1 << 10 << 2 << 40;
        QTest::newRow("weeks over 7 days") << int(tmWeek) << 1 << 7 << 1 << 40;
        QTest::newRow("days, reversed rows") << int(tmDay) << -1 << 5 << 5 << 0;
    }
    void exportsSizes()
    {
        QFETCH(int, mode);
        QFETCH(int, lastRow);
        QFETCH(int, days);
        QFETCH(int, columns);
        QFETCH(int, rowsHeight);
        LoadedDocument plan(rows(3));
        plan.ds.GetCalendar()->SetTimeMode(TPLXTimeMode(mode));
        TPLXGanttGraph graph;
        graph.resize(400, 300);
        graph.setDataSource(&plan.ds);
        const TDateTime start = plan.ds.root()->getStartDate();
        const QSize size = graph.PaintToBitmap(nullptr, 0, lastRow, start, start + days);
        QCOMPARE(size.width(), columns * 20);
        QCOMPARE(size.height(), plan.ds.root()->GetTableStartY() + rowsHeight);
    }

    void exportsWholeFilesOrNone_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("firstRow");
        QTest::addColumn<int>("lastRow");
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("quality");
        QTest::addColumn<QString>("message");
        QTest::newRow("bmp") << "bmp" << 0 << 3 << 10 << 0 << "";
        QTest::newRow("jpeg") << "jpeg" << 0 << 3 << 10 << 80 << "";
        QTest::newRow("png") << "png" << 0 << 3 << 10 << 0 << "";
        QTest::newRow("svg") << "svg" << 0 << 3 << 10 << 0 << "";
        QTest::newRow("jpeg quality 0") << "jpeg" << 0 << 3 << 10 << 0 << "quality runs from 1 to 100";
        QTest::newRow("jpeg quality 101") << "jpeg" << 0 << 3 << 10 << 101 << "quality runs from 1 to 100";
        QTest::newRow("reversed rows") << "png" << 3 << 1 << 10 << 0 << "rows 3 to 1 are reversed";
        QTest::newRow("rows outside") << "bmp" << 2500 << 2600 << 10 << 0 << "outside the table's rows 0 to 1999";
        QTest::newRow("reversed dates") << "svg" << 0 << 3 << -2 << 0 << "are reversed";
        QTest::newRow("unwritable") << "bmp" << 0 << 3 << 10 << 0 << "cannot be saved to";
        QTest::newRow("too tall") << "jpeg" << 0 << 1999 << 10 << 80 << "at most 32767 pixels a side";
    }
    void exportsWholeFilesOrNone()
    {
        QFETCH(QString, kind);
        QFETCH(int, firstRow);
        QFETCH(int, lastRow);
        QFETCH(QString, message);
        QFETCH(int, days);
        QFETCH(int, quality);
        static LoadedDocument plan(rows(2000));
        TPLXGanttGraph graph;
        graph.resize(400, 300);
        graph.setDataSource(&plan.ds);
        plan.table()->SetScrolledLines(7);
        const TDateTime start = plan.ds.root()->getStartDate(), end = start + days;
        const QString file = QString::fromLatin1(QTest::currentDataTag()) == QLatin1String("unwritable")
                                 ? plan.dir.filePath(QStringLiteral("missing/chart"))
                                 : plan.dir.filePath(QStringLiteral("chart.") + kind);
        QFile::remove(file);
        const TPLXRecordingScope recording;
        const bool saved = kind == QLatin1String("bmp")
                               ? graph.SaveToBitmap(file, QImage::Format_RGB888, firstRow, lastRow, start, end)
                           : kind == QLatin1String("jpeg")
                               ? graph.SaveToJpeg(file, QImage::Format_RGB32, quality, firstRow, lastRow, start, end)
                           : kind == QLatin1String("png") ? graph.SaveToPng(file, firstRow, lastRow, start, end)
                                                          : graph.SaveToSvg(file, firstRow, lastRow, start, end);
        QCOMPARE(saved, message.isEmpty());
        QCOMPARE(QFile::exists(file), saved);
        QCOMPARE(plan.table()->getScrolledLines(), 7);
        QCOMPARE(plan.ds.root()->getStartDate(), start);
        if (!saved) {
            QCOMPARE(recording.recorder().messages().size(), 1);
            QVERIFY2(recording.recorder().messages()[0].contains(message),
                     qPrintable(recording.recorder().messages()[0]));
        } else if (kind == QLatin1String("svg"))
            QVERIFY(readFile(file).contains("<svg"));
        else
            QCOMPARE(QImage(file).size(), graph.PaintToBitmap(nullptr, firstRow, lastRow, start, end));
    }

    // What a screen reader walks, rows with their bars and then the connections, against the
    // document, through an added bar, a deleted connection and their undo.
    void accessibleTree()
    {
        TPLXRecordingScope recording;
        TPLXDataSource ds;
        ds.setStorage(QStringLiteral("file://") + QFINDTESTDATA("../examples/sample-plan.ini"));
        CreateDefaultRessources_ENG();
        TPLXGanttGraph graph;
        graph.resize(900, 330);
        graph.setDataSource(&ds);
        graph.show();
        QVERIFY(QTest::qWaitForWindowExposed(&graph));
        QAccessibleInterface *chart = QAccessible::queryAccessibleInterface(&graph);
        QVERIFY(chart && chart->role() == QAccessible::Chart);
        const auto line = [](QAccessibleInterface *item) {
            return QStringList{item->text(QAccessible::Name), item->text(QAccessible::Description),
                               item->text(QAccessible::Value)}
                .join(u'|');
        };
        // Each step is checked back up to its parent; the control's scroll bars are not the plan's.
        const auto walk = [&] {
            QStringList lines;
            for (int i = 0; i < chart->childCount(); ++i) {
                QAccessibleInterface *item = chart->child(i);
                if (item->object())
                    continue;
                lines << line(item) + (item->parent() == chart && chart->indexOfChild(item) == i ? "" : " unlinked");
                for (int j = 0; j < item->childCount(); ++j)
                    lines << "  " + line(item->child(j)) +
                                 (item->child(j)->parent() == item && item->indexOfChild(item->child(j)) == j
                                      ? ""
                                      : " unlinked");
            }
            return lines;
        };
        const auto expected = [&] {
            const auto name = [&](TPLXGanttBar *bar) { return ds.GetTree()->getCellStringValue(bar->getRow(), 1); };
            const auto day = [](TDateTime d) {
                return QLocale().toString(QDate(1899, 12, 30).addDays(qint64(d)), QLocale::ShortFormat);
            };
            QStringList lines;
            for (int r = 0; r < ds.GetTable()->countRows(); ++r) {
                lines << ds.GetTree()->getCellStringValue(r, 1) + "||";
                for (TPLXGanttBar *bar : ds.GetTable()->getRow(r)->bars()) {
                    TPLXTaskBar *task = bar->asTaskBar();
                    // From the first day to the last, the one before the end.
                    const TDateTime last = std::max(bar->getStartDate(), bar->getEndDate() - 1);
                    lines << "  " + name(bar) + '|' + day(bar->getStartDate()) +
                                 (qint64(last) > qint64(bar->getStartDate()) ? " – " + day(last) : QString()) +
                                 (task && task->getCriticalElement() ? ", critical|" : "|") +
                                 (task ? QStringLiteral("%1% done").arg(task->getProgress()) : QString());
                }
            }
            for (TPLXBarConnection *c : ds.root()->getConnections())
                lines << name(c->getFromBar()) + " → " + name(c->getToBar()) +
                             QStringLiteral("|finish–start, distance %1 working days").arg(c->getMinDistance()) +
                             (c->getCriticalElement() ? ", critical|" : "|");
            return lines;
        };
        const QStringList before = walk();
        QCOMPARE(before, expected());
        QVERIFY(before.join(u'\n').contains(QStringLiteral("critical|100% done")));
        TPLXGanttBar *first = ds.GetTable()->getRow(1)->GetBarInRow(0);
        QCOMPARE(chart->childAt(graph.mapToGlobal(first->ganttDrawer()->getRect().toQRect().center()).x(),
                                graph.mapToGlobal(first->ganttDrawer()->getRect().toQRect().center()).y()),
                 chart->child(1));
        QVERIFY(ds.BarAdd(new TPLXTaskBar(first->getStartDate() + 21, 0, 1), 1));
        QCOMPARE(walk(), expected());
        QCOMPARE(walk().size(), before.size() + 1);
        QVERIFY(ds.ConnectionDelete(ds.root()->getConnection(0)));
        QCOMPARE(walk(), expected());
        QCOMPARE(walk().size(), before.size());
        ds.getUndoRedoStack().undo();
        ds.getUndoRedoStack().undo();
        QCOMPARE(walk(), before);
    }
};

QTEST_MAIN(tst_plxGanttGraph)
#include "tst_plxGanttGraph.moc"
