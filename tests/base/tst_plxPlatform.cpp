// Platform services: the diagnostic log, assertion errors and message routing.
#include "plxCompare.h"
#include "plxPlatform.h"
#include "plxTestSupport.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class tst_plxPlatform : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { SetLogFile(QString()); }

    void logLinesAreStampedAppendedAndRestarted()
    {
        QTemporaryDir dir;
        const QString log = dir.filePath(QStringLiteral("chart.log"));
        int formatted = 0;
        const auto first = [&] { return QString::number(++formatted); };
        PLXLog(first); // no file name and no recorder: not even formatted
        SetLogFile(log);
        PLXLog(first);
        QCOMPARE(formatted, 1);
        PLXLog(QStringLiteral("second"));
        QStringList lines = QString::fromUtf8(plxtest::readFile(log)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        static const QRegularExpression stamp(
            QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d,\\d{3} PRINT second$"));
        QVERIFY2(stamp.match(lines[1]).hasMatch(), qPrintable(lines[1]));
        PLXLog(QStringLiteral("again"), true);
        lines = QString::fromUtf8(plxtest::readFile(log)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines[0].endsWith(QLatin1String(" PRINT again")));
        QCOMPARE(PLXFormatLogLine(QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7, 89)), QStringLiteral("m")),
                 QStringLiteral("04.03.2026 05:06:07,089 PRINT m"));
    }

    void recordersCatchMessagesAndNest()
    {
        TPLXRecordingScope outer;
        {
            TPLXRecordingScope inner;
            PLXShowMessage(QStringLiteral("to inner"));
            PLXLog([] { return QStringLiteral("logged"); });
            QCOMPARE(inner.recorder().messages(), QStringList({"to inner"}));
            QCOMPARE(inner.recorder().logLines(), QStringList({"logged"}));
        }
        PLXShowMessage(QStringLiteral("to outer"));
        QCOMPARE(outer.recorder().messages(), QStringList({"to outer"}));
    }

    void aCapShowsTenMessagesAndLogsThemAll_data()
    {
        QTest::addColumn<int>("sent");
        QTest::addColumn<int>("shown");
        QTest::newRow("ten") << 10 << 10;
        QTest::newRow("eleven") << 11 << 11; // ten, then one that says one was left out
        QTest::newRow("a flood") << 25 << 11;
    }

    void aCapShowsTenMessagesAndLogsThemAll()
    {
        QFETCH(int, sent);
        QFETCH(int, shown);
        TPLXRecordingScope recording;
        QStringList all;
        {
            const TPLXMessageCap cap;
            const TPLXMessageCap inner; // counts with the outer one
            for (int i = 0; i < sent; ++i) {
                all.append(QString::number(i));
                PLXShowMessage(all.last());
            }
        }
        PLXShowMessage(QStringLiteral("after"));
        const QStringList messages = recording.recorder().messages();
        QCOMPARE(messages.size(), shown + 1);
        QCOMPARE(messages.first(std::min(sent, 10)), all.first(std::min(sent, 10)));
        if (sent > 10)
            QCOMPARE(messages[10],
                     QStringLiteral("%1 further messages were left out; the log holds all of them.").arg(sent - 10));
        QCOMPARE(messages.last(), QStringLiteral("after"));
        QCOMPARE(recording.recorder().logLines().first(sent), all);
    }

    void assertionsNameTheUnitAndLine()
    {
        try {
            PLX_ASSERT(1 + 1 == 3);
            QFAIL("no assertion raised");
        } catch (const EPLXAssertionFailed &error) {
            QCOMPARE(error.source(), QStringLiteral("tst_plxPlatform"));
            QVERIFY(error.line() > 0);
            QVERIFY(error.message().startsWith(QLatin1String("Assertion fehlgeschlagen")));
            QVERIFY(error.message().contains(QLatin1String("tst_plxPlatform")));
        }
        QCOMPARE(plxSourceUnitName("/home/me/src/orvanta/src/framework/chart/plxGanttTable.cpp"),
                 QStringLiteral("src/framework/plxGanttTable"));
        QCOMPARE(plxSourceUnitName("src/framework/tree/plxTreeCell.cpp"), QStringLiteral("src/framework/plxTreeCell"));
        QCOMPARE(plxSourceUnitName("/x/src/print/plxPrintJob.cpp"), QStringLiteral("src/print/plxPrintJob"));
    }

    // The multi-value comparison the tests use names the value that differs.
    void valueComparisonsNameTheDifference()
    {
        QCOMPARE(plxtest::firstMismatch<int>("({a, f(b, c), d})", {1, 2, 3}, {1, 2, 4}),
                 QStringLiteral("d is 3, expected 4"));
        QCOMPARE(plxtest::firstMismatch<double>("({x, y})", {0.1 + 0.2, 0.0}, {0.3, -0.0}), QString());
        QCOMPARE(plxtest::firstMismatch<int>("({x})", {1}, {1, 2}), QStringLiteral("1 values, 2 expected"));
    }
};

QTEST_MAIN(tst_plxPlatform)
#include "tst_plxPlatform.moc"
