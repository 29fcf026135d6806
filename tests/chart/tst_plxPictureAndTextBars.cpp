// Image, milestone and text bars: where they lie and how they resize, a milestone as a dependency's end, a picture's
// transparency through loading, drawing and saving, and a text bar's box.
#include "plxBarConnection.h"
#include "plxBarSettings.h"
#include "plxChartFixture.h"
#include "plxColors.h"
#include "plxCriticalPath.h"
#include "plxDocumentFixture.h"
#include "plxImageBar.h"
#include "plxPictureResource.h"
#include "plxTextBar.h"
#include "plxTextSettings.h"

#include <QtTest>

namespace {

using plxtest::kMonday;

// A picture of `size` in `background` with a blue pixel in its middle.
std::unique_ptr<TPLXPicture> picture(QSize size, Qt::GlobalColor background = Qt::red)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    if (!size.isEmpty())
        image.setPixel(size.width() / 2, size.height() / 2, qRgb(0, 0, 255));
    return std::make_unique<TPLXPicture>(TPLXPictureFormat::pfBitmap, image);
}

} // namespace

class TestPictureAndTextBars : public QObject
{
    Q_OBJECT

private slots:
    // Rows are 30 high from y = 10, days 20 pixels wide from x = 100; bars lie in row 1 from day 1.
    void geometryAndResize_data()
    {
        QTest::addColumn<bool>("milestone");
        QTest::addColumn<bool>("stretch");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("days");
        QTest::addColumn<int>("offset");
        QTest::addColumn<TRect>("rect");
        QTest::addColumn<double>("endAfterResize");
        QTest::newRow("natural size, whatever the period")
            << false << false << QSize(100, 50) << 3.0 << 0 << TRect{120, 40, 224, 94} << 4.0;
        QTest::newRow("stretched keeps the aspect ratio")
            << false << true << QSize(100, 50) << 10.4 << 0 << TRect{120, 40, 328, 148} << 13.4;
        QTest::newRow("moved down by its row offset")
            << false << true << QSize(100, 50) << 10.4 << 5 << TRect{120, 45, 328, 153} << 13.4;
        QTest::newRow("zero-sized picture")
            << false << true << QSize(0, 0) << 2.0 << 0 << TRect{120, 40, 160, 80} << 5.0;
        QTest::newRow("milestone centred at its start")
            << true << true << QSize(100, 50) << 7.0 << 9 << TRect{120, 30, 224, 84} << 10.0;
    }

    void geometryAndResize()
    {
        QFETCH(bool, milestone);
        QFETCH(bool, stretch);
        QFETCH(QSize, size);
        QFETCH(double, days);
        QFETCH(int, offset);
        QFETCH(TRect, rect);
        QFETCH(double, endAfterResize);
        plxtest::Chart chart(3, 30, 20);
        std::unique_ptr<TPLXImageBar> made = milestone
                                                 ? std::make_unique<TPLXMilestoneBar>(kMonday + 1, kMonday + 1 + days)
                                                 : std::make_unique<TPLXImageBar>(kMonday + 1, kMonday + 1 + days);
        TPLXImageBar *bar = made.get();
        chart.table->getRow(1)->AddBar(made.release());
        bar->getPictureResource()->setPicture(picture(size));
        bar->getSettings()->setBorderThickness(2);
        bar->setVerticalRowOffset(offset);
        bar->SetAutoStretch(stretch);
        // Stretching covers the picture's width and border: (width + 4) / 20 + 1 days on the weekend calendar.
        QCOMPARE(bar->getEndDate(),
                 stretch ? chart.calendar->Add(kMonday + 1, (size.width() + 4) / 20 + 1) : kMonday + 1 + days);
        bar->setEndDate(kMonday + 1 + days);
        QCOMPARE(bar->getRect(kMonday), rect);
        QVERIFY(!bar->inRow(1));
        QCOMPARE(bar->acceptConnections(), milestone);
        QCOMPARE(bar->isSummarizable(), milestone);
        // Only a stretched bar resizes, and never to an empty period.
        QCOMPARE(bar->Resize(2, 0, true), stretch);
        QVERIFY(bar->Resize(-100, 0, true) == stretch);
        QCOMPARE(bar->getEndDate() - kMonday, endAfterResize);
        // Drawn, it is found on its rectangle only.
        plxtest::drawn(bar->ganttDrawer(), 400, 200);
        QCOMPARE(bar->ganttDrawer()->locateObject(rect.Left, rect.Top + 1), rect.Right > rect.Left ? bar : nullptr);
        QCOMPARE(bar->ganttDrawer()->locateObject(rect.Left - 1, rect.Top + 1), nullptr);
    }

    // A box from the top of its row, as high as set (never below 10), its text inside a 2-pixel margin.
    void textBarBox()
    {
        plxtest::Chart chart(3, 30, 20);
        TPLXTextSettings settings;
        settings.SetColor(clAqua);
        chart.doc.textBar = &settings;
        auto *bar = new TPLXTextBar(kMonday + 1, kMonday + 5);
        chart.table->getRow(1)->AddBar(bar);
        bar->setHeight(3);
        QCOMPARE(bar->getHeight(), TPLXTextBar::kMinHeight);
        bar->setHeight(50);
        QVERIFY(bar->Resize(-100, -15, true) && bar->Resize(1, 0, false));
        QCOMPARE(bar->getRect(kMonday), (TRect{140, 40, 200, 75}));
        bar->setText(QStringLiteral("WWWWWWWWWWWWWWWWWWWW WWWW"));
        plxtest::Canvas canvas(400, 200);
        bar->ganttDrawer()->Draw(*canvas.vc);
        // Outlined in black, nothing in the margin, the text wrapped onto a second line rather than cut at the right.
        QCOMPARE(canvas.count({140, 40, 200, 41}, clBlack), 60);
        QCOMPARE(canvas.count({141, 41, 142, 74}, clWhite), 33);
        QVERIFY(canvas.count({142, 60, 198, 73}, clBlack) > 0);
    }

    // A plan with a task, a milestone it leads to, an image bar whose picture file is gone, and a note.
    void milestoneInAPlan()
    {
        QTemporaryDir pictures;
        QVERIFY(picture({8, 8})->image().save(pictures.filePath(QStringLiteral("flag.bmp")), "BMP"));
        plxtest::Document doc;
        doc.rows = {
            {{{QStringLiteral("A"), kMonday, 3}}},
            {{{QStringLiteral("M"), kMonday + 1, 1, false, QStringLiteral("Milestone Bar"), "resource=Flag\n"}}},
            {{{QStringLiteral("I"), kMonday, 2, false, QStringLiteral("Image Bar"), "resource=Gone\n"}}},
            {{{QStringLiteral("T"), kMonday, 2, false, QStringLiteral("Text Bar"), "text=A note\nheight=7\n"}}}};
        doc.connections = {{QStringLiteral("AM"), QStringLiteral("A"), QStringLiteral("M"), 1, 0}};
        doc.extra = plxtest::section(QStringLiteral("Flag")) + "typeID=Picture Resource\n" +
                    plxtest::line(QStringLiteral("filename"), pictures.filePath(QStringLiteral("flag.bmp"))) +
                    plxtest::section(QStringLiteral("Gone")) + "typeID=Picture Resource\nfilename=gone.bmp\n";
        plxtest::LoadedDocument plan(doc);
        QCOMPARE(plan.recording.recorder().messages(), QStringList{QStringLiteral("Error loading Gone")});
        auto *milestone = dynamic_cast<TPLXMilestoneBar *>(plan.bar(1, 0));
        auto *image = dynamic_cast<TPLXImageBar *>(plan.bar(2, 0));
        QVERIFY(milestone && image);
        QCOMPARE(milestone->getPictureResource()->size(), QSize(8, 8));
        QCOMPARE(image->getPictureResource()->size(), QSize(100, 100)); // the placeholder

        // The dependency is kept; the milestone starts before its task ends, which it reports.
        QCOMPARE(plan.ds.root()->countConnections(), 1);
        TPLXBarConnection *link = plan.ds.root()->getConnection(0);
        QCOMPARE(link->getToBar(), milestone);
        QVERIFY(link->findViolationOffset() > 0);
        // The critical path goes over task bars and the connections between them only.
        QVERIFY(!plan.table()->criticalPathCalculator()->criticalConnections().contains(link));

        // The red background is left out while transparent; switching it back on is no undo step.
        plan.ds.root()->setEndDate(kMonday + 30);
        const auto drawnRed = [&] {
            plxtest::Canvas canvas(400, 200);
            milestone->ganttDrawer()->Draw(*canvas.vc);
            return canvas.count(milestone->getRect(plan.ds.root()->getStartDate()), 0x0000FF);
        };
        QCOMPARE(drawnRed(), 0);
        const int steps = plan.stack().GetUndoOperationCount();
        plan.ds.SetMileStoneTransparency(false);
        QCOMPARE(drawnRed(), 63);
        QCOMPARE(plan.stack().GetUndoOperationCount(), steps);
        QVERIFY(image->getPictureResource()->isTransparent() && !milestone->getPictureResource()->isTransparent());

        // Drawing the image bar, which has no text halo of its own, gives the file none.
        plxtest::Canvas canvas(400, 200);
        image->ganttDrawer()->Draw(*canvas.vc);

        // Saved: the picture beside the store, the transparency kept, the lost file still named, the note at least
        // 10 high.
        const QStringList saved = plxtest::savedLines(plan.ds, plan.dir);
        QVERIFY(!saved.join(u'\n').contains(QLatin1String("[I]text halo")));
        for (const char *line :
             {"[M]typeID=Milestone Bar", "[M]resource=Flag", "[M]transparent=0", "[I]auto stretch=0",
              "[Gone]filename=gone.bmp", "[T]typeID=Text Bar", "[T]text=A note", "[T]height=10"})
            QVERIFY2(saved.contains(QLatin1String(line)), line);
        QVERIFY(saved.contains(QStringLiteral("[Flag]filename=") + plan.dir.filePath(QStringLiteral("flag.bmp"))));
    }
};

QTEST_MAIN(TestPictureAndTextBars)
#include "tst_plxPictureAndTextBars.moc"
