// The page renderer: page counts at fit to page and at two zooms, pages that
// end on row edges, a PDF with as many sheets as the renderer counts, and a
// rendered page that shows the chart, the title and the boxes.
#include "plxDocumentFixture.h"
#include "plxGanttDocument.h"
#include "plxPlatform.h"
#include "qelGraphPreview.h"
#include "qelPrintOptions.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QtTest>

namespace {

// 300 rows of 20 px, one bar each, spread over six months.
QString longPlan(const QTemporaryDir &dir)
{
    plxtest::Document doc;
    for (int i = 0; i < 300; ++i)
        doc.rows.append(
            plxtest::Row{{plxtest::Bar{QStringLiteral("T%1").arg(i), plxtest::kMonday + (i * 182) / 300, 3}}});
    return plxtest::storageFor(dir, QStringLiteral("long.ini"), plxtest::text(doc));
}

struct PdfHost : IQeLPrintHost
{
    QPrinter pdf{QPrinter::HighResolution};
    TQeLPrintOptions options;
    TPLXDataSource *source = nullptr;

    QPrinter &printer() override { return pdf; }
    TQeLPrintOptions &printOptions() override { return options; }
    TPLXDataSource *dataSource() const override { return source; }
    bool showsGantt() const override { return true; }
    std::unique_ptr<IQeLPageRenderer> createRenderer() override
    {
        return std::make_unique<TQeLGraphPreview>(QeLPrintableChart(source, true, options), options);
    }
    QString printLogFileName() const override { return QString(); }
};

} // namespace

class tst_qelGraphPreview : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void pagesFollowZoomAndKeepRowsWhole_data()
    {
        QTest::addColumn<bool>("fit");
        QTest::addColumn<double>("zoom");
        QTest::newRow("fit to page") << true << 100.0;
        QTest::newRow("100 %") << false << 100.0;
        QTest::newRow("200 %") << false << 200.0;
    }
    void pagesFollowZoomAndKeepRowsWhole()
    {
        QFETCH(bool, fit);
        QFETCH(double, zoom);
        TPLXDataSource source;
        source.setStorage(longPlan(dir));
        PdfHost host;
        host.source = &source;
        host.pdf.setOutputFileName(dir.filePath(QTest::currentDataTag() + QStringLiteral(".pdf")));
        host.options.SetFitToPage(fit);
        host.options.SetZoom(zoom);
        const TDateTime start = source.root()->getStartDate();

        TQeLPrintThread job(&host, {}, QeLFlag(qelPrintToFile));
        QSignalSpy done(&job, &QThread::finished);
        QVERIFY(done.wait(60000) && job.Finished());
        TQeLGraphPreview pages(QeLPrintableChart(&source, true, host.options), host.options);
        pages.BeginPreparation(host.pdf);
        // 300 rows of 20 px at 100 % fill several A4 pages down and, over six months of days, several across.
        qDebug() << pages.PagesH << pages.PagesV << pages.scale() << source.GetTable()->countRows();
        if (fit)
            QCOMPARE(pages.PageCount(), 1);
        else
            QVERIFY(pages.PagesV > 3 && pages.PagesH > 3);
        QCOMPARE(plxtest::readFile(host.pdf.outputFileName()).count("/Type /Page\n"), pages.PageCount());
        // Every page ends where a row ends, and the pages down meet without a gap.
        const QList<int> edges = QeLPrintableChart(&source, true, host.options)->rowEdges();
        qDebug() << edges.size() << edges.first() << edges.last();
        for (int v = 0; v < pages.PagesV; ++v) {
            const TQeLPageSlice &slice = pages.slices()[v * pages.PagesH];
            QVERIFY2(edges.contains(slice.bottom), qPrintable(QString::number(slice.bottom)));
            if (v > 0)
                QCOMPARE(slice.top, pages.slices()[(v - 1) * pages.PagesH].bottom);
        }
        if (!fit)
            QCOMPARE(pages.scale(), zoom / 100.0 * host.pdf.resolution() / 96.0);
        // The document's own range is back.
        pages.EndPreparation();
        QCOMPARE(source.root()->getStartDate(), start);
    }

    void pageShowsTitleBoxesAndChart_data()
    {
        QTest::addColumn<bool>("gantt");
        QTest::newRow("gantt") << true;
        QTest::newRow("network") << false;
    }
    void pageShowsTitleBoxesAndChart()
    {
        QFETCH(bool, gantt);
        TPLXDataSource source;
        source.setStorage(QStringLiteral("file://") + QFINDTESTDATA("../../examples/sample-plan.ini"));
        TQeLPrintOptions options;
        options.GetPageTitle().SetContents(QStringLiteral("Title"));
        options.GetPageTitle().SetFontColor(0x0000FF);
        options.GetBox(3).SetContents(QStringLiteral("[Seite#von#]"));
        options.SetBorderColor(0x00FF00);
        options.SetBorderSize(2);
        options.SetFitToPage(false);
        TQeLGraphPreview pages(QeLPrintableChart(&source, gantt, options), options);
        pages.Paginate(QSize(794, 1123), 96); // A4 at 96 dpi
        QImage sheet(794, 1123, QImage::Format_RGB32);
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        pages.RenderPage(1, painter, QPoint());
        painter.end();
        const QRect area = pages.chartArea(1);
        // Pixels near a colour: text is smoothed at its edges.
        const auto count = [&sheet](const QRect &rect, QRgb colour) {
            int n = 0;
            for (int y = rect.top(); y <= rect.bottom(); ++y)
                for (int x = rect.left(); x <= rect.right(); ++x) {
                    const QRgb p = sheet.pixel(x, y);
                    n += std::abs(qRed(p) - qRed(colour)) + std::abs(qGreen(p) - qGreen(colour)) +
                             std::abs(qBlue(p) - qBlue(colour)) <
                         120;
                }
            return n;
        };

        // The page number in the footer, red title text above the chart, a green frame round it, and the chart's own
        // colours inside.
        QVERIFY(count(QRect(0, area.bottom() + 1, sheet.width(), sheet.height() - area.bottom() - 1), qRgb(0, 0, 0)) >
                10);
        QVERIFY(count(QRect(area.left(), 0, area.width(), area.top()), qRgb(255, 0, 0)) > 10);
        QVERIFY(count(QRect(area.left(), area.top(), 3, area.height()), qRgb(0, 255, 0)) > 200);
        // The sample's network is 340 pixels high.
        const QRect chart = gantt ? area.adjusted(5, 5, -5, -5) : area.adjusted(5, 5, -5, 300 - area.height());
        QVERIFY(count(chart, qRgb(255, 255, 255)) < chart.width() * chart.height() * 9 / 10);
    }

    void badSettingsGiveAPageAndAWord_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("logged");
        QTest::newRow("margins wider than the paper") << "margins"
                                                      << "Print: the margins leave no room for the chart";
        QTest::newRow("reversed date range") << "dates"
                                             << "";
        QTest::newRow("missing header image") << "image"
                                              << "Print: no header or footer image \"/no/such.png\"";
        QTest::newRow("zoom 10,000 %") << "zoom"
                                       << "";
    }
    void badSettingsGiveAPageAndAWord()
    {
        QFETCH(QString, setting);
        QFETCH(QString, logged);
        TPLXDataSource source;
        source.setStorage(QStringLiteral("file://") + QFINDTESTDATA("../../examples/sample-plan.ini"));
        TQeLPrintOptions options;
        options.SetFitToPage(false);
        if (setting == "margins")
            options.SetLeftMargin(300);
        if (setting == "dates") {
            options.SetTimeRangeAuto(false);
            options.SetStartDate(plxtest::kMonday + 30);
            options.SetEndDate(plxtest::kMonday);
        }
        if (setting == "image") {
            options.GetBox(0).SetIsImage(true);
            options.GetBox(0).SetImageFile(QStringLiteral("/no/such.png"));
        }
        if (setting == "zoom")
            options.SetZoom(10000);
        TPLXRecordingScope recording;
        TQeLGraphPreview pages(QeLPrintableChart(&source, true, options), options);
        pages.Paginate(QSize(794, 1123), 96);
        QImage sheet(794, 1123, QImage::Format_RGB32);
        QPainter painter(&sheet);
        for (int page = 1; page <= std::min(pages.PageCount(), 3); ++page)
            pages.RenderPage(page, painter, QPoint());
        QVERIFY(pages.PageCount() >= 1);
        if (!logged.isEmpty())
            QVERIFY2(recording.recorder().logLines().contains(logged),
                     qPrintable(recording.recorder().logLines().join('|')));
        if (setting == "zoom")
            QCOMPARE(pages.scale(), TQeLPrintOptions::kMaxZoom / 100.0);
    }
};

QTEST_MAIN(tst_qelGraphPreview)
#include "tst_qelGraphPreview.moc"
