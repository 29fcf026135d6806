// The plan bundled with the planner must keep loading cleanly as kinds are
// added, and survive a save and reload unchanged.
#include "plxCompare.h"
#include "plxCriticalPath.h"
#include "plxDataSource.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxLegend.h"
#include "plxPertBar.h"
#include "plxPlatform.h"
#include "plxSummaryBar.h"
#include "plxTimeScale.h"
#include "plxTreeGrid.h"
#include "plxTreeNode.h"

#include <QTemporaryDir>
#include <QtTest>

class tst_plxSamplePlan : public QObject
{
    Q_OBJECT

private:
    // Each row's tree number and task name, its span, and its box's place, outgoing flows and text.
    static QStringList describe(TPLXDataSource &source)
    {
        QStringList lines;
        TPLXGanttTable *table = source.GetTable();
        TPLXTreeGrid *tree = source.GetTree();
        for (TPLXGanttRow *row : table->rows()) {
            const int i = row->getOrder();
            TPLXPertBar *box = row->pertBar();
            lines << QStringLiteral("%1 %2 %3 %4..%5 box(%6,%7) out %8 \"%9\"")
                         .arg(tree->findNodeByIndex(i)->numberHierchy(), tree->getCellStringValue(i, 1))
                         .arg(row->GetBarCount())
                         .arg(row->FindStartDate())
                         .arg(row->FindEndDate())
                         .arg(box ? box->getX() : -1)
                         .arg(box ? box->getY() : -1)
                         .arg(box ? box->outgoingConnections().size() : -1)
                         .arg(box && box->mainSection() ? box->mainSection()->getText() : QString());
        }
        return lines;
    }

private slots:
    void loadsCleanlyAndRoundTrips()
    {
        const QString path = QFINDTESTDATA("../examples/sample-plan.ini");
        QVERIFY(!path.isEmpty());
        TPLXRecordingScope recording;
        TPLXDataSource source;
        source.setStorage(QStringLiteral("file://") + path);
        QCOMPARE(source.getStorage(), QStringLiteral("file://") + path);
        QCOMPARE(recording.recorder().messages(), QStringList());

        TPLXGanttTable *table = source.GetTable();
        QVERIFY(table && !table->criticalPathCalculator()->criticalBars().isEmpty()); // marked as it loads
        QCOMPARE(table->countRows(), 8);
        QCOMPARE(source.GetTree()->rowsCount(), 8);
        QCOMPARE(table->GetPertConnectionsCount(), 5);
        QCOMPARE(table->rowsZOrder().size(), 6);
        QCOMPARE(source.root()->countConnections(), 6); // one of them ends at a milestone
        const QStringList before = describe(source);
        // Two groups of three tasks, each ending with a milestone; each summary spans its group's tasks. The first
        // group's row also holds a picture and a note.
        QCOMPARE(before[0].section(QLatin1Char(' '), 0, 3), QStringLiteral("1. Planning 3 46391..46409"));
        QCOMPARE(before[3].section(QLatin1Char(' '), 0, 3), QStringLiteral("1.3. Design 2 46399..46409"));
        QCOMPARE(before[1].section(QLatin1Char(' '), 0, 1), QStringLiteral("1.1. Kick-off"));
        QCOMPARE(before[4].section(QLatin1Char(' '), 0, 3), QStringLiteral("2. Delivery 1 46409..46441"));
        QCOMPARE(before[7].section(QLatin1Char(' '), 0, 2), QStringLiteral("2.3. Launch 2"));
        QVERIFY(table->getRow(0)->IsGroup() && table->getRow(4)->IsGroup() && !table->getRow(5)->IsGroup());
        QCOMPARE(before[1].section(QLatin1Char(' '), 4), QStringLiteral("box(20,20) out 1 \"Kick-off\""));
        QCOMPARE(before[7].section(QLatin1Char(' '), 4), QStringLiteral("box(900,220) out 0 \"Launch\""));

        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("copy.ini"));
        source.SaveToMedia(QStringLiteral("file://") + copy);
        TPLXDataSource reloaded;
        reloaded.setStorage(QStringLiteral("file://") + copy);
        QCOMPARE(recording.recorder().messages(), QStringList());
        QCOMPARE(describe(reloaded), before);
        // Weeks over days; the legend is read, never written, but a save over its own file keeps it.
        const QString inPlace = QStringLiteral("file://") + dir.filePath(QStringLiteral("in-place.ini"));
        QVERIFY(QFile::copy(path, dir.filePath(QStringLiteral("in-place.ini"))));
        TPLXDataSource own;
        own.setStorage(inPlace);
        own.SaveToMedia(inPlace);
        TPLXDataSource again;
        again.setStorage(inPlace);
        QVERIFY(reloaded.GetLegend() == nullptr && again.GetLegend());
        PLX_COMPARE_EACH(int,
                         ({source.GetLegend()->rowsCount(), again.GetLegend()->rowsCount(),
                           reloaded.root()->getScalesCount()}),
                         ({2, 2, 2}));
        QCOMPARE(reloaded.root()->getTimeScale(0)->getTimeMode(), tmWeek);
        QCOMPARE(reloaded.GetTable()->GetPertConnectionsCount(), 5);
    }
};

QTEST_MAIN(tst_plxSamplePlan)
#include "tst_plxSamplePlan.moc"
