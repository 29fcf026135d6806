// The plan bundled with the planner must keep loading cleanly as kinds are
// added, and survive a save and reload unchanged.
#include "plxBarConnection.h"
#include "plxDataSource.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxPertBar.h"
#include "plxPlatform.h"

#include <QTemporaryDir>
#include <QtTest>

class tst_plxSamplePlan : public QObject
{
    Q_OBJECT

private:
    // Each row's first task and its box's place, outgoing flows and text.
    static QStringList describe(TPLXGanttTable *table)
    {
        QStringList lines;
        for (TPLXGanttRow *row : table->rows()) {
            TPLXPertBar *box = row->pertBar();
            lines << QStringLiteral("%1 %2 box(%3,%4) out %5 \"%6\"")
                         .arg(row->GetBarCount())
                         .arg(row->FindStartDate())
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
        QCOMPARE(recording.recorder.messages, QStringList());

        TPLXGanttTable *table = source.GetTable();
        QVERIFY(table);
        QCOMPARE(table->countRows(), 6);
        QCOMPARE(table->GetPertConnectionsCount(), 5);
        QCOMPARE(table->rowsZOrder().size(), 6);
        const QStringList before = describe(table);
        QCOMPARE(before.first().section(QLatin1Char(' '), 2), QStringLiteral("box(20,20) out 1 \"Kick-off\""));
        QCOMPARE(before.last().section(QLatin1Char(' '), 2), QStringLiteral("box(900,220) out 0 \"Launch\""));

        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("copy.ini"));
        source.SaveToMedia(QStringLiteral("file://") + copy);
        TPLXDataSource reloaded;
        reloaded.setStorage(QStringLiteral("file://") + copy);
        QCOMPARE(recording.recorder.messages, QStringList());
        QCOMPARE(describe(reloaded.GetTable()), before);
        QCOMPARE(reloaded.GetTable()->GetPertConnectionsCount(), 5);
    }
};

QTEST_MAIN(tst_plxSamplePlan)
#include "tst_plxSamplePlan.moc"
