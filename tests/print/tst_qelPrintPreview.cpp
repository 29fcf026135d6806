// The print preview on the sample plan's chart: navigation with its buttons,
// a page setup that lays the pages out again, profiles saved and loaded, and
// a PDF with as many sheets as the preview shows.
#include "plxDataSource.h"
#include "plxGanttGraph.h"
#include "plxGanttTable.h"
#include "plxPertGraph.h"
#include "plxPlatform.h"
#include "plxTestSupport.h"
#include "qelPrintPreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

class tst_qelPrintPreview : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    TPLXDataSource source;
    TPLXGanttGraph graph;
    TPLXPertGraph network;
    std::unique_ptr<TQeLPrintPreview> preview;

    void click(const char *button) { QTest::mouseClick(preview->findChild<QToolButton *>(button), Qt::LeftButton); }

private slots:
    void initTestCase()
    {
        source.setStorage(QStringLiteral("file://") + QFINDTESTDATA("../../examples/sample-plan.ini"));
        graph.setDataSource(&source);
        network.setDataSource(&source);
    }
    void init()
    {
        preview = std::make_unique<TQeLPrintPreview>();
        preview->setProfileFile(dir.filePath("drucken.ini"));
        preview->printOptions().SetFitToPage(false);
        preview->setGanttGraph(&graph);
        preview->show();
    }
    void cleanup() { preview.reset(); }

    void buttonsPageThroughAndSetupLaysOutAgain()
    {
        const int pages = preview->pageCount();
        QVERIFY(pages > 2);
        QCOMPARE(preview->currentPage(), 1);
        click("pp_menu_lastpage");
        QCOMPARE(preview->currentPage(), pages);
        click("pp_menu_nextpage"); // stays on the last page
        click("pp_menu_prevpage");
        QCOMPARE(preview->currentPage(), pages - 1);
        click("pp_menu_firstpage");
        QCOMPARE(preview->currentPage(), 1);

        // Twice the zoom needs more pages; fit to page needs one.
        TQeLPageSetupDialog setup(preview->printOptions(), preview->printer());
        setup.zoom()->setValue(200);
        setup.margin(0)->setValue(25);
        setup.accept();
        preview->Repaginate();
        QVERIFY(preview->pageCount() > pages);
        QCOMPARE(preview->printOptions().GetLeftMargin(), 25);
        TQeLPageSetupDialog fit(preview->printOptions(), preview->printer());
        fit.show();
        QTest::mouseClick(fit.fitToPage(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        fit.accept();
        preview->Repaginate();
        QCOMPARE(preview->pageCount(), 1);
    }

    void profilesSaveLoadAndDelete()
    {
        preview->printOptions().SetLeftMargin(33);
        QVERIFY(preview->SaveProfile(QStringLiteral("Wide")));
        preview->printOptions().SetLeftMargin(10);
        QCOMPARE(preview->profiles(), QStringList({QeLLastSettingsName(), "Wide"}));
        QVERIFY(preview->LoadProfile(QStringLiteral("Wide")));
        QCOMPARE(preview->printOptions().GetLeftMargin(), 33);
        QVERIFY(!preview->LoadProfile(QStringLiteral("Missing")));
        QVERIFY(preview->DeleteProfile(QStringLiteral("Wide")));
        QCOMPARE(preview->profiles(), QStringList{QeLLastSettingsName()});
        // Closing keeps the settings last used.
        preview.reset();
        TQeLPrintOptions last(dir.filePath("drucken.ini"));
        QCOMPARE(last.GetLeftMargin(), 33);
    }

    // The Gantt chart, or the network of a PERT control scrolled away from its origin.
    void pdfHasThePreviewsPages_data()
    {
        QTest::addColumn<bool>("gantt");
        QTest::newRow("gantt") << true;
        QTest::newRow("network") << false;
    }
    void pdfHasThePreviewsPages()
    {
        QFETCH(bool, gantt);
        if (!gantt) {
            source.GetTable()->setPertStartY(40);
            preview->setPertGraph(&network);
        }
        const QString pdf = dir.filePath("plan.pdf");
        QVERIFY(preview->ExportPdf(pdf));
        QCOMPARE(plxtest::readFile(pdf).count("/Type /Page\n"), preview->pageCount());
        QCOMPARE(source.GetTable()->getPertStartY(), gantt ? 0 : 40);
        TPLXRecordingScope recording;
        QVERIFY(!preview->ExportPdf(dir.filePath("missing/dir/plan.pdf")));
        QCOMPARE(recording.recorder().messages().size(), 1);
    }
};

QTEST_MAIN(tst_qelPrintPreview)
#include "tst_qelPrintPreview.moc"
