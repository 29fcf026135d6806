// The background print job into PDF files: which pages print in which order,
// the print log, Cancel after the current page, the colour saver, and a PDF
// path that cannot be written.
#include "plxDataSource.h"
#include "plxGanttDocument.h"
#include "plxGanttTable.h"
#include "plxPlatform.h"
#include "plxRessourceStrings.h"
#include "plxTestSupport.h"
#include "plxTimeScale.h"
#include "plxTreeGrid.h"
#include "qelPrintJob.h"
#include "qelPrintOptions.h"

#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The printer, options and data source of a job, and a renderer that draws
// each page's number, records what it saw and clicks Cancel on page `cancelAt`.
struct Host : IQeLPrintHost, IQeLPageRenderer
{
    QPrinter pdf{QPrinter::HighResolution};
    TQeLPrintOptions options;
    TPLXDataSource *source = nullptr;
    QString logFile, fileAsked;
    int pages = 0, cancelAt = 0;
    TQeLPrintingForm *form = nullptr;
    QStringList seen; // per page: number, status, progress
    std::function<QString()> look = [] { return QString(); };
    bool ended = false;

    QPrinter &printer() override { return pdf; }
    TQeLPrintOptions &printOptions() override { return options; }
    TPLXDataSource *dataSource() const override { return source; }
    bool showsGantt() const override { return true; }
    std::unique_ptr<IQeLPageRenderer> createRenderer() override { return std::make_unique<Forward>(this); }
    QString printLogFileName() const override { return logFile; }
    bool askPrintFileName(QString &fileName) override
    {
        fileName = fileAsked;
        return true;
    }

    void BeginPreparation(QPrinter &) override {}
    int PageCount() const override { return pages; }
    void RenderPage(int page, QPainter &painter, QPoint offset) override
    {
        painter.drawText(offset + QPoint(300, 300), QString::number(page));
        seen.append(QStringLiteral("%1 %2 @%3%4")
                        .arg(page)
                        .arg(form->lblPrintStatus->text())
                        .arg(form->ProgressBar1->value())
                        .arg(look()));
        if (page == cancelAt)
            QTest::mouseClick(form->btnCancel, Qt::LeftButton);
    }
    void EndPreparation() override { ended = true; }

    // The job owns its renderer; this one hands each call to the host.
    struct Forward : IQeLPageRenderer
    {
        explicit Forward(Host *host)
            : to(host)
        {
        }
        Host *to;
        void BeginPreparation(QPrinter &p) override { to->BeginPreparation(p); }
        int PageCount() const override { return to->PageCount(); }
        void RenderPage(int page, QPainter &painter, QPoint offset) override { to->RenderPage(page, painter, offset); }
        void EndPreparation() override { to->EndPreparation(); }
    };

    // Runs a job to its end; the print log's messages.
    QStringList run(const TQeLIntArray &ranges, TQeLPrintFlags flags, bool &finished)
    {
        TQeLPrintThread job(this, ranges, flags | QeLFlag(qelPrintToFile));
        form = job.PrintingForm();
        QSignalSpy done(&job, &QThread::finished);
        if (!done.wait(20000))
            qFatal("print job did not end");
        finished = job.Finished();
        QStringList lines;
        for (const QByteArray &line : plxtest::readFile(logFile).split('\n'))
            if (!line.isEmpty())
                lines.append(QString::fromUtf8(line).section(QStringLiteral(" PRINT "), 1));
        return lines;
    }
};

// What a renderer sees of the progress dialog while drawing page `page`, the `k`-th of `total`.
QString seenOnPage(int page, int k, int total)
{
    return QStringLiteral("%1 %2 %3 %4 %5 @%6")
        .arg(page)
        .arg(PLXText("pp_pp_Prefix_printmsg"))
        .arg(k)
        .arg(PLXText("pp_of"))
        .arg(total)
        .arg(k - 1);
}

} // namespace

class tst_qelPrintJob : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void pagesLogAndCancel_data()
    {
        QTest::addColumn<TQeLIntArray>("ranges");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("cancelAt");
        QTest::addColumn<QList<int>>("printed");
        QTest::newRow("all") << TQeLIntArray{} << 3 << 0 << QList<int>{1, 2, 3};
        QTest::newRow("two ranges") << TQeLIntArray{3, 5, 9, 12} << 10 << 0 << QList<int>{3, 4, 5, 9, 10};
        QTest::newRow("reversed range") << TQeLIntArray{4, 2, -5, 1} << 10 << 0 << QList<int>{1};
        QTest::newRow("cancel on page 2") << TQeLIntArray{} << 5 << 2 << QList<int>{1, 2};
        QTest::newRow("cancel at once") << TQeLIntArray{} << 5 << 1 << QList<int>{1};
    }
    void pagesLogAndCancel()
    {
        QFETCH(TQeLIntArray, ranges);
        QFETCH(int, pages);
        QFETCH(int, cancelAt);
        QFETCH(QList<int>, printed);
        Host host;
        host.logFile = dir.filePath(QTest::currentDataTag() + QStringLiteral(".log"));
        host.fileAsked = dir.filePath(QTest::currentDataTag() + QStringLiteral(".pdf"));
        host.pages = pages;
        host.cancelAt = cancelAt;
        bool finished = false;
        const QStringList log = host.run(ranges, QeLFlag(qelpfBlackWhite), finished);
        QStringList expected{"TQeLPrintThread.Execute -BeginDoc", "TQeLPrintThread.Execute-Synchronize",
                             "TQeLPrintThread.Execute-1", "TQeLPrintThread.Execute-Seiten=" + QString::number(pages)};
        QStringList seen;
        for (int k = 1; k <= printed.size(); ++k) {
            seen.append(seenOnPage(printed[k - 1], k, cancelAt ? pages : printed.size()));
            expected.append("TQeLPrintThread.Execute-Drucke Seite " + QString::number(k));
            if (k == cancelAt)
                expected.append("TQeLPrintThread.Execute-Abort");
            else if (k < printed.size())
                expected.append("TQeLPrintThread.Execute-NewPage");
        }
        QCOMPARE(host.seen, seen);
        QVERIFY(host.ended);
        QCOMPARE(host.pdf.colorMode(), QPrinter::GrayScale);
        QCOMPARE(finished, cancelAt == 0);
        if (cancelAt == 0) {
            expected << "TQeLPrintThread.Execute-EndDoc (before)"
                     << "TQeLPrintThread.Execute-EndDoc (after)";
            // One sheet per printed page.
            QCOMPARE(plxtest::readFile(host.fileAsked).count("/Type /Page\n"), printed.size());
        }
        QCOMPARE(log, expected);
        TQeLPrintingForm form;
        form.SetProgress(7, 5);
        QCOMPARE(form.ProgressBar1->value(), 5);
        form.SetProgress(-1, 0);
        QCOMPARE(form.ProgressBar1->value(), 0);
    }

    void noBackgroundPrintsWhiteAndRestoresColours_data()
    {
        QTest::addColumn<int>("cancelAt");
        QTest::newRow("finished") << 0;
        QTest::newRow("cancelled") << 1;
    }
    void noBackgroundPrintsWhiteAndRestoresColours()
    {
        QFETCH(int, cancelAt);
        TPLXDataSource source;
        source.setStorage(QStringLiteral("file://") + QFINDTESTDATA("../../examples/sample-plan.ini"));
        TPLXGanttDocument *doc = source.root();
        const auto colours = [doc] {
            return QStringLiteral(" %1 %2 %3 %4 %5")
                .arg(doc->GetTable()->GetBaseColor())
                .arg(doc->getTimeScale(0)->getBaseColor())
                .arg(doc->getTimeScale(0)->getFontColor())
                .arg(doc->GetTree()->getColor())
                .arg(doc->GetTree()->getGroupRowColor());
        };
        const QString before = colours();
        Host host;
        host.source = &source;
        host.fileAsked = dir.filePath("white.pdf");
        host.pages = 1;
        host.cancelAt = cancelAt;
        host.look = colours;
        bool finished = false;
        host.run({}, QeLFlag(qelpfNoBackground), finished);
        QCOMPARE(host.seen, QStringList{seenOnPage(1, 1, 1) + " 16777215 16777215 0 16777215 16777215"});
        QCOMPARE(colours(), before);
    }

    void unwritablePdfPathEndsWithOneMessage()
    {
        TPLXRecordingScope recording;
        Host host;
        host.fileAsked = dir.filePath("no/such/dir/out.pdf");
        host.pages = 2;
        bool finished = true;
        host.run({}, 0, finished);
        QVERIFY(!finished && host.seen.isEmpty());
        QCOMPARE(recording.recorder().messages(), QStringList{"Cannot print to \"" + host.fileAsked + "\"."});
    }
};

QTEST_MAIN(tst_qelPrintJob)
#include "tst_qelPrintJob.moc"
