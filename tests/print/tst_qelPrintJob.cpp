// The background print job into PDF files: which pages print in which order,
// the print log, Cancel after the current page, the colour saver, and a PDF
// path that cannot be written.
#include "plxDataSource.h"
#include "plxGanttDocument.h"
#include "plxGanttTable.h"
#include "plxPlatform.h"
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

// Draws each page's number and records what it saw; clicks Cancel while drawing page `cancelAt`.
struct Renderer : IQeLPageRenderer
{
    int pages = 0;
    int cancelAt = 0;
    TQeLPrintingForm *form = nullptr;
    std::function<void()> onPage;
    QList<int> *rendered = nullptr;
    bool *ended = nullptr;

    void BeginPreparation(QPrinter &) override {}
    int PageCount() const override { return pages; }
    void RenderPage(int page, QPainter &painter, QPoint offset) override
    {
        rendered->append(page);
        painter.drawText(offset + QPoint(300, 300), QString::number(page));
        if (onPage)
            onPage();
        if (page == cancelAt)
            QTest::mouseClick(form->btnCancel, Qt::LeftButton);
    }
    void EndPreparation() override { *ended = true; }
};

struct Host : IQeLPrintHost
{
    QPrinter pdf{QPrinter::HighResolution};
    TQeLPrintOptions options;
    TPLXDataSource *source = nullptr;
    QString logFile;
    QString fileAsked;
    int pages = 0;
    int cancelAt = 0;
    Renderer *renderer = nullptr;
    QList<int> rendered;
    bool ended = false;
    std::function<void()> onPage;

    QPrinter &printer() override { return pdf; }
    TQeLPrintOptions &printOptions() override { return options; }
    TPLXDataSource *dataSource() const override { return source; }
    bool showsGantt() const override { return true; }
    std::unique_ptr<IQeLPageRenderer> createRenderer() override
    {
        auto r = std::make_unique<Renderer>();
        r->pages = pages;
        r->cancelAt = cancelAt;
        r->rendered = &rendered;
        r->ended = &ended;
        r->onPage = onPage;
        renderer = r.get();
        return r;
    }
    QString printLogFileName() const override { return logFile; }
    bool askPrintFileName(QString &fileName) override
    {
        fileName = fileAsked;
        return !fileAsked.isEmpty();
    }
};

// Runs a job to its end and gives the print log's messages.
QStringList runJob(Host &host, const TQeLIntArray &ranges, TQeLPrintFlags flags, bool &finished)
{
    TQeLPrintThread job(&host, ranges, flags);
    host.renderer->form = job.PrintingForm();
    QSignalSpy done(&job, &QThread::finished);
    if (!done.wait(20000))
        qFatal("print job did not end");
    finished = job.Finished();
    QStringList lines;
    if (!host.logFile.isEmpty())
        for (const QByteArray &line : plxtest::readFile(host.logFile).split('\n'))
            if (!line.isEmpty())
                lines.append(QString::fromUtf8(line).section(QStringLiteral(" PRINT "), 1));
    return lines;
}

} // namespace

class tst_qelPrintJob : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void pagesRangesAndCancel_data()
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
    void pagesRangesAndCancel()
    {
        QFETCH(TQeLIntArray, ranges);
        QFETCH(int, pages);
        QFETCH(int, cancelAt);
        QFETCH(QList<int>, printed);
        Host host;
        host.logFile = dir.filePath(QTest::currentDataTag() + QStringLiteral(".log"));
        const QString pdf = dir.filePath(QTest::currentDataTag() + QStringLiteral(".pdf"));
        host.fileAsked = pdf;
        host.pages = pages;
        host.cancelAt = cancelAt;
        bool finished = false;
        const QStringList log = runJob(host, ranges, QeLFlag(qelPrintToFile) | QeLFlag(qelpfBlackWhite), finished);
        QCOMPARE(host.rendered, printed);
        QVERIFY(host.ended);
        QCOMPARE(host.pdf.colorMode(), QPrinter::GrayScale);
        QCOMPARE(finished, cancelAt == 0);

        QStringList expected{"TQeLPrintThread.Execute -BeginDoc", "TQeLPrintThread.Execute-Synchronize",
                             "TQeLPrintThread.Execute-1", "TQeLPrintThread.Execute-Seiten=" + QString::number(pages)};
        for (int k = 1; k <= printed.size(); ++k) {
            expected.append("TQeLPrintThread.Execute-Drucke Seite " + QString::number(k));
            if (k == cancelAt)
                expected.append("TQeLPrintThread.Execute-Abort");
            else if (k < printed.size())
                expected.append("TQeLPrintThread.Execute-NewPage");
        }
        if (cancelAt == 0) {
            expected << "TQeLPrintThread.Execute-EndDoc (before)"
                     << "TQeLPrintThread.Execute-EndDoc (after)";
            // One sheet per printed page.
            QCOMPARE(plxtest::readFile(pdf).count("/Type /Page\n"), printed.size());
        }
        QCOMPARE(log, expected);
    }

    void statusAndProgress()
    {
        Host host;
        host.fileAsked = dir.filePath("status.pdf");
        host.pages = 10;
        QStringList statuses;
        host.onPage = [&] {
            const TQeLPrintingForm *form = host.renderer->form;
            statuses.append(form->lblPrintStatus->text() + " @" + QString::number(form->ProgressBar1->value()));
        };
        bool finished = false;
        runJob(host, {9, 12, 3, 3}, QeLFlag(qelPrintToFile), finished);
        QCOMPARE(statuses, QStringList({"Print page 1 of 3 @0", "Print page 2 of 3 @1", "Print page 3 of 3 @2"}));
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
            return QList<int>{int(doc->GetTable()->GetBaseColor()), int(doc->getTimeScale(0)->getBaseColor()),
                              int(doc->getTimeScale(0)->getFontColor()), int(doc->GetTree()->getColor()),
                              int(doc->GetTree()->getGroupRowColor())};
        };
        const QList<int> before = colours();
        QVERIFY(before != QList<int>({0xFFFFFF, 0xFFFFFF, 0, 0xFFFFFF, 0xFFFFFF}));
        Host host;
        host.source = &source;
        host.fileAsked = dir.filePath("white.pdf");
        host.pages = 2;
        host.cancelAt = cancelAt;
        QList<int> whilePrinting;
        host.onPage = [&] { whilePrinting = colours(); };
        bool finished = false;
        runJob(host, {}, QeLFlag(qelpfNoBackground) | QeLFlag(qelPrintToFile), finished);
        QCOMPARE(whilePrinting, QList<int>({0xFFFFFF, 0xFFFFFF, 0, 0xFFFFFF, 0xFFFFFF}));
        QCOMPARE(colours(), before);
    }

    void unwritablePdfPathEndsWithOneMessage()
    {
        TPLXRecordingScope recording;
        Host host;
        host.fileAsked = dir.filePath("no/such/dir/out.pdf");
        host.pages = 2;
        bool finished = true;
        runJob(host, {}, QeLFlag(qelPrintToFile), finished);
        QVERIFY(!finished && host.rendered.isEmpty());
        QCOMPARE(recording.recorder().messages(),
                 QStringList{"Cannot print to \"" + dir.filePath("no/such/dir/out.pdf") + "\"."});
    }
};

QTEST_MAIN(tst_qelPrintJob)
#include "tst_qelPrintJob.moc"
