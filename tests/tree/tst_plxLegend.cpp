// The legend: cell placement for each row alignment, loading with bad parts, and the drawing of cells, border bands,
// borders and the shadow edge, with and without the application's cell callback.
#include "plxCanvasFixture.h"
#include "plxColors.h"
#include "plxCompare.h"
#include "plxLegend.h"
#include "plxPlatform.h"
#include "plxTestSupport.h"

#include <QtTest>

using namespace plxtest;

class tst_plxLegend : public QObject
{
    Q_OBJECT

private slots:
    void cellPlacement_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("splitAt");
        QTest::addColumn<QList<int>>("widths");
        QTest::addColumn<QList<int>>("lefts");
        // A legend 200 pixels wide from x = 10 with 1-pixel borders: cells start at x = 11.
        QTest::newRow("left") << int(raLeft) << 0 << QList<int>{30, 40} << QList<int>{11, 42};
        QTest::newRow("right") << int(raRight) << 0 << QList<int>{30, 40} << QList<int>{138, 169};
        QTest::newRow("centre") << int(raCenter) << 0 << QList<int>{30, 40} << QList<int>{74, 105};
        QTest::newRow("split at 2") << int(raStretch) << 2 << QList<int>{10, 10, 10, 10}
                                    << QList<int>{11, 22, 188, 199};
        QTest::newRow("split at 0") << int(raStretch) << 0 << QList<int>{30, 40} << QList<int>{138, 169};
    }

    void cellPlacement()
    {
        QFETCH(int, alignment);
        QFETCH(int, splitAt);
        QFETCH(QList<int>, widths);
        QFETCH(QList<int>, lefts);
        TPLXLegend legend;
        legend.SetLayout({10, 5, 210, 100});
        QCOMPARE(legend.GetMinWidth(), 0);
        legend.addBlankRow(15, 2);
        TplxLegendRow *row = legend.getRow(1);
        row->setAlignment(alignment);
        row->setSplitAt(splitAt);
        for (int width : widths) {
            row->addCell(new TPLXLegendCell());
            row->getCell(row->cellsCount() - 1)->setWidth(width);
        }
        QList<int> placed;
        for (int i = 0; i < widths.size(); ++i)
            placed << legend.getCellRect(1, i).Left;
        QCOMPARE(placed, lefts);
        const TRect last = legend.getCellRect(1, int(widths.size()) - 1);
        PLX_COMPARE_EACH(int, ({last.Top, last.Bottom, legend.GetHeight(), row->getRowIndex()}), ({22, 37, 30, 1}));
    }

    void loadAndDraw_data()
    {
        QTest::addColumn<bool>("callback");
        QTest::newRow("default drawing") << false;
        QTest::newRow("cell drawn by the application") << true;
    }

    void loadAndDraw()
    {
        QFETCH(bool, callback);
        PLXMedia media = mediaFromText(testData("tree/legend.ini"));
        TPLXRecordingScope scope;
        TPLXEntityFactory factory;
        std::unique_ptr<TPLXGanttObject> loaded(factory.loadObject(QStringLiteral("Legend"), *media, nullptr));
        auto *legend = dynamic_cast<TPLXLegend *>(loaded.get());
        QVERIFY(legend);
        // The negative width and the border around cells that do not exist are reported.
        QCOMPARE(scope.recorder().logLines().size(), 2);
        PLX_COMPARE_EACH(int,
                         ({legend->rowsCount(), legend->bordersCount(), legend->getRow(0)->getCell(1)->getWidth(),
                           legend->GetHeight(), legend->GetMinWidth()}),
                         ({2, 1, 20, 50, 2 + 62 + 22}));
        QList<QPoint> called;
        if (callback)
            legend->setOnDrawCell([&called](int row, int cell, const TRect &, TPLXVisualContext &) {
                called << QPoint(row, cell);
                return cell == 0;
            });
        legend->SetLayout({10, 10, 210, 110});
        Canvas canvas(240, 130);
        legend->getDrawer(vtGanttGraph)->Draw(*canvas.vc);
        const QImage image = canvas.finish();
        // Cell inside the border, border band between the cells, blue border, empty row, shadow edges.
        PLX_COMPARE_EACH(TColor,
                         ({pixel(image, 16, 38), pixel(image, 72, 20), pixel(image, 13, 20), pixel(image, 150, 50),
                           pixel(image, 209, 50), pixel(image, 150, 110)}),
                         ({callback ? clSilver : clYellow, clRed, clBlue, clSilver, clBlack, clBlack}));
        QCOMPARE(called, callback ? (QList<QPoint>{{0, 0}, {0, 1}}) : QList<QPoint>{});
    }
};

QTEST_MAIN(tst_plxLegend)
#include "tst_plxLegend.moc"
