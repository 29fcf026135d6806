// Plans of the XML interchange format: import as one undo step, what is
// reported as lost, the calendar against the file's own durations, the round
// trip through export, and the files that are refused.
#include "plxDataSource.h"
#include "plxDocumentCalendar.h"
#include "plxDocumentFixture.h"
#include "plxGanttRow.h"
#include "plxGanttTable.h"
#include "plxPlatform.h"
#include "plxTaskBar.h"
#include "plxTestSupport.h"
#include "plxTreeCell.h"
#include "plxTreeGrid.h"
#include "plxTreeRow.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <cmath>
#include <sys/resource.h>

namespace {

QString sample(const QString &name)
{
    return QStringLiteral(ORVANTA_TEST_DATA "/document/projectxml/") + name;
}

// The document as saved, with the records that have no name of their own numbered alike.
QStringList savedKeys(TPLXDataSource &source)
{
    static const QTemporaryDir dir;
    QStringList lines = plxtest::savedLines(source, dir);
    lines.replaceInStrings(QRegularExpression(QStringLiteral("AutoID[:_]\\d+")), QStringLiteral("AutoID")).sort();
    return lines;
}

// The day a file's date and time falls on; the end of the working day is the next day's start.
double day(const QString &text)
{
    const QDateTime at = QDateTime::fromString(text, Qt::ISODate);
    return static_cast<double>(QDate(1899, 12, 30).daysTo(at.date())) + (at.time() >= QTime(17, 0) ? 1 : 0);
}

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

class TestProjectXml : public QObject
{
    Q_OBJECT

private slots:
    void samplesImportExportAndImportAlike_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("lost");
        QTest::newRow("outline") << "outline.xml" << QStringList();
        QTest::newRow("calendar") << "calendar.xml" << QStringList();
        QTest::newRow("losses") << "losses.xml"
                                << QStringList{"calendar exceptions by weekday position or count (1)",
                                               "date constraints (1)",
                                               "negative lags, taken as 0 (1)",
                                               "percentage lags (1)",
                                               "resource assignments (1)",
                                               "resource or task calendars (1)",
                                               "resources (2)",
                                               "sub-day durations (1)",
                                               "sub-day start times (1)",
                                               "working-time calendar exceptions (1)"};
    }

    void samplesImportExportAndImportAlike()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, lost);
        TPLXRecordingScope recording;
        TPLXDataSource source;
        const QStringList before = savedKeys(source);
        QVERIFY(source.ImportProjectXml(sample(file)));
        QStringList logged;
        for (const QString &line : recording.recorder().logLines())
            if (line.startsWith(QLatin1String("Not imported: ")))
                logged << line.mid(14);
        QCOMPARE(logged, lost);
        const QStringList imported = savedKeys(source);

        // Each task with a whole-day duration spans that many working days up to the file's finish.
        QFile xml(sample(file));
        QVERIFY(xml.open(QIODevice::ReadOnly));
        QXmlStreamReader reader(&xml);
        QHash<QString, QString> task;
        int checked = 0;
        while (!reader.atEnd()) {
            reader.readNext();
            if (reader.isStartElement() && reader.name() == QLatin1String("Task"))
                task.insert(QStringLiteral("in"), QString());
            else if (reader.isStartElement() && task.contains(QStringLiteral("in")))
                task[reader.name().toString()] = reader.readElementText(QXmlStreamReader::IncludeChildElements);
            if (!reader.isEndElement() || reader.name() != QLatin1String("Task"))
                continue;
            // Names come through whole, entities and quotes included.
            if (const int row = task.value(QStringLiteral("UID")).toInt() - 1; row >= 0)
                QCOMPARE(source.GetTree()->getRow(row)->getCell(0)->GetText(), task.value(QStringLiteral("Name")));
            const double hours =
                task.value(QStringLiteral("Duration")).mid(2).section(QLatin1Char('H'), 0, 0).toDouble();
            TPLXGanttBar *bar = nullptr;
            for (TPLXGanttRow *row : source.GetTable()->rows())
                for (TPLXGanttBar *each : row->bars())
                    if (each->getUID().endsWith(QLatin1Char(' ') + task.value(QStringLiteral("UID"))))
                        bar = each;
            if (bar && task.value(QStringLiteral("Summary")) != QLatin1String("1") && std::fmod(hours, 8) == 0) {
                QCOMPARE(source.GetCalendar()->diffEffective(bar->getStartDate(),
                                                             day(task.value(QStringLiteral("Finish")))),
                         hours / 8);
                ++checked;
            }
            task.clear();
        }
        QVERIFY(checked >= 2);

        // One undo step: undo shows the old document, redo the imported one.
        QCOMPARE(source.getUndoRedoStack().GetUndoOperationCount(), 1);
        QVERIFY(source.getUndoRedoStack().undo());
        QCOMPARE(savedKeys(source), before);
        QVERIFY(source.getUndoRedoStack().redo());
        QCOMPARE(savedKeys(source), imported);

        QTemporaryDir dir;
        const QString exported = dir.filePath(QStringLiteral("plan.xml"));
        QVERIFY(source.ExportProjectXml(exported));
        TPLXDataSource again;
        QVERIFY(again.ImportProjectXml(exported));
        QCOMPARE(savedKeys(again), imported);
    }

    void badFilesAreRefusedAndChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("reason");
        const QByteArray task = "<Task><UID>1</UID><OutlineLevel>1</OutlineLevel></Task>";
        QTest::newRow("empty") << QByteArray() << "is empty";
        QTest::newRow("malformed") << QByteArray("<Project><Tasks><Task></Tasks></Project>") << "line 1:";
        QTest::newRow("DTD") << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE Project [<!ENTITY x SYSTEM "
                                           "\"file:///etc/passwd\">]><Project><Name>&x;</Name></Project>")
                             << "DTD";
        QTest::newRow("entity without DTD") << QByteArray("<Project><Name>&x;</Name></Project>") << "line 1:";
        QTest::newRow("other root") << QByteArray("<Plan/>") << "no project plan";
        QTest::newRow("no UID") << QByteArray("<Project><Tasks>" + task +
                                              "<Task><Name>Lost</Name></Task></Tasks></Project>")
                                << "line 1: a task has no UID";
        QTest::newRow("missing link") << QByteArray("<Project><Tasks>" + task +
                                                    "<Task><UID>2</UID><PredecessorLink><PredecessorUID>9"
                                                    "</PredecessorUID></PredecessorLink></Task></Tasks></Project>")
                                      << "task 2 follows the missing task 9";
        QTest::newRow("level jump") << QByteArray("<Project><Tasks>" + task +
                                                  "<Task><UID>2</UID><OutlineLevel>3</OutlineLevel></Task>"
                                                  "</Tasks></Project>")
                                    << "task 2 is at outline level 3 below a task at level 1";
        QTest::newRow("twice the UID") << QByteArray("<Project><Tasks>" + task + task + "</Tasks></Project>")
                                       << "two tasks have the UID 1";
    }

    void badFilesAreRefusedAndChangeNothing()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.xml"));
        plxtest::writeFile(path, text);
        TPLXRecordingScope recording;
        TPLXDataSource source;
        QVERIFY(source.ImportProjectXml(sample(QStringLiteral("calendar.xml"))));
        const QStringList before = savedKeys(source);
        QVERIFY(!source.ImportProjectXml(path));
        QCOMPARE(recording.recorder().messages().size(), 1);
        QVERIFY2(recording.recorder().messages().first().contains(reason),
                 qPrintable(recording.recorder().messages().first()));
        QCOMPARE(savedKeys(source), before);
        QCOMPARE(source.getUndoRedoStack().GetUndoOperationCount(), 1);
    }

    void aLargeFileIsStreamed()
    {
        // 200 MB of what the document does not keep around one task: read in
        // pieces, the peak memory grows by far less than the file.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("large.xml"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<Project><Tasks><Task><UID>1</UID><Name>Only</Name><Duration>PT8H0M0S</Duration></Task></Tasks>"
                   "<Resources>");
        const QByteArray resource = "<Resource><UID>1</UID><Name>" + QByteArray(1000, 'r') + "</Name></Resource>";
        for (int i = 0; i < 200 * 1024; ++i)
            file.write(resource);
        file.write("</Resources></Project>");
        file.close();
        const long peak = peakKilobytes();
        TPLXRecordingScope recording;
        TPLXDataSource source;
        QVERIFY(source.ImportProjectXml(path));
        QCOMPARE(source.GetTable()->rows().size(), 1);
#ifndef ORVANTA_SANITIZED
        // The address sanitizer keeps freed memory in quarantine: only a plain build measures the peak.
        QVERIFY2(peakKilobytes() - peak < 64 * 1024, qPrintable(QString::number(peakKilobytes() - peak)));
#endif
    }
};

QTEST_MAIN(TestProjectXml)
#include "tst_plxProjectXml.moc"
