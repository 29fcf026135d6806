// The legend: where each cell lies for every row alignment, what a stored legend loads to (and leaves out), and the
// pixels its drawers paint.
#include "plxCanvasFixture.h"
#include "plxColors.h"
#include "plxCompare.h"
#include "plxDocumentFixture.h"
#include "plxLegend.h"
#include "plxPlatform.h"
#include "plxTestSupport.h"
#include "plxTextSettings.h"

#include <QtTest>

namespace {

constexpr TRect kLayout{10, 10, 210, 110};

std::unique_ptr<TPLXLegend> loaded(TPLXEntityFactory &factory)
{
    PLXMedia media = plxtest::mediaFromText(plxtest::testData("legend/legend.ini"));
    auto legend = std::unique_ptr<TPLXLegend>(dynamic_cast<TPLXLegend *>(factory.loadObject("L", *media, nullptr)));
    if (legend)
        legend->drawer()->SetLayout(kLayout);
    return legend;
}

// The unit an assertion raised by `action` names.
template<typename Action>
QString assertionUnit(Action action)
{
    try {
        action();
    } catch (const EPLXAssertionFailed &error) {
        return error.source();
    }
    return QStringLiteral("no assertion");
}

} // namespace

class tst_plxLegend : public QObject
{
    Q_OBJECT

private slots:
    void cellsFollowTheRowAlignment_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("splitAt");
        QTest::addColumn<int>("width"); // of the legend's rectangle, which starts at x = 10
        QTest::addColumn<QList<int>>("cellWidths");
        QTest::addColumn<QList<int>>("lefts");
        QTest::newRow("left") << int(raLeft) << 0 << 200 << QList<int>{30, 40} << QList<int>{11, 42};
        QTest::newRow("unknown alignment is left") << 7 << 0 << 200 << QList<int>{30, 40} << QList<int>{11, 42};
        // Length 73: one border before each cell and one after the last.
        QTest::newRow("right") << int(raRight) << 0 << 200 << QList<int>{30, 40} << QList<int>{138, 169};
        QTest::newRow("centre") << int(raCenter) << 0 << 200 << QList<int>{30, 40} << QList<int>{74, 105};
        QTest::newRow("centre too narrow truncates toward zero")
            << int(raCenter) << 0 << 50 << QList<int>{30, 40} << QList<int>{0, 31};
        QTest::newRow("stretch from cell 2")
            << int(raStretch) << 2 << 200 << QList<int>{10, 10, 10, 10} << QList<int>{11, 22, 188, 199};
        QTest::newRow("stretch from cell 0 is right")
            << int(raStretch) << 0 << 200 << QList<int>{30, 40} << QList<int>{138, 169};
    }
    void cellsFollowTheRowAlignment()
    {
        QFETCH(int, alignment);
        QFETCH(int, splitAt);
        QFETCH(int, width);
        QFETCH(QList<int>, cellWidths);
        QFETCH(QList<int>, lefts);
        TPLXLegend legend;
        legend.drawer()->SetLayout({10, 10, 10 + width, 110});
        legend.addBlankRow(20, 2);
        TplxLegendRow *row = legend.getRow(1);
        row->setAlignment(alignment);
        row->setSplitAt(splitAt);
        for (int w : cellWidths)
            row->addCell(std::make_unique<TPLXLegendCell>())->setWidth(w);
        QList<int> found;
        for (int i = 0; i < row->cellsCount(); ++i) {
            const TRect r = legend.getCellRect(1, i);
            QCOMPARE(r, (TRect{r.Left, 32, r.Left + cellWidths[i], 52})); // below row 0 and its border
            found << r.Left;
        }
        QCOMPARE(found, lefts);
        QCOMPARE(row->cellRects().last(), legend.getCellRect(1, row->cellsCount() - 1));
    }

    void storedLegendLoadsWhatItCanHold()
    {
        TPLXRecordingScope recording;
        TPLXEntityFactory factory;
        const auto legend = loaded(factory);
        QVERIFY(legend);
        QVERIFY(recording.recorder().messages().isEmpty());
        // A cell of another row, a repeat and a settings record listed as a row are left out, a border framing a
        // missing cell is kept but not drawn, a negative width is clamped: one log line each.
        const QStringList &log = recording.recorder().logLines();
        QCOMPARE(log.filter(QStringLiteral("which it cannot hold")).size(), 3);
        QCOMPARE(log.filter(QStringLiteral("Border \"B1\" of legend \"L\" frames a cell")).size(), 1);
        QCOMPARE(log.filter(QStringLiteral("Key \"width\" in section \"C6\"")).size(), 1);
        PLX_COMPARE_EACH(int,
                         ({legend->rowsCount(), legend->getRow(1)->cellsCount(), legend->getRow(2)->cellsCount(),
                           legend->bordersCount(), legend->GetHeight(), legend->GetMinWidth(),
                           legend->getRow(3)->getCell(0)->getWidth()}),
                         ({4, 4, 0, 2, 80, 73, 0}));
        PLX_COMPARE_EACH(TColor, ({legend->getBackGroungColor(), legend->getBorderColor()}), ({0xE0E0E0, clRed}));
        QCOMPARE(legend->getRow(1)->getRowIndex(), 1);
        TPLXLegendCell *own = legend->getRow(0)->getCell(0);
        QCOMPARE(own->getTextSettings()->GetColor(), clLime);
        QCOMPARE(legend->getRow(0)->getCell(1)->getTextSettings(), legend->getDefaultTextSettings());
        QCOMPARE(legend->getCellRect(1, 2), (TRect{188, 32, 198, 57}));
        QCOMPARE(legend->getRowStartY(3), 74);
        legend->getRow(0)->setHeight(30); // rows below move down
        QCOMPARE(legend->getRowStartY(3), 84);

        // Indexes outside the lists are the units' assertions; a missing cell is no cell.
        QCOMPARE(assertionUnit([&] { legend->getBorder(2); }), QStringLiteral("src/framework/plxLegend"));
        QCOMPARE(assertionUnit([&] { legend->getCellRect(4, 0); }), QStringLiteral("src/framework/plxLegend"));
        QCOMPARE(assertionUnit([&] { legend->getCellRect(2, 0); }), QStringLiteral("src/framework/plxLegendRow"));
        QVERIFY(legend->getRow(0)->getCell(2) == nullptr && legend->getRow(-1) == nullptr);
        plxtest::Canvas canvas(10, 10);
        TplxLegendRow row;
        TPLXLegendBorder border;
        QCOMPARE(assertionUnit([&] { row.getDrawer(vtGanttGraph)->Draw(*canvas.vc); }),
                 QStringLiteral("src/framework/plxLegendRow"));
        QCOMPARE(assertionUnit([&] { border.getDrawer(vtGanttGraph)->Draw(*canvas.vc); }),
                 QStringLiteral("src/framework/plxLegendBorder"));
    }

    void drawingPaintsCellsBordersAndShadow_data()
    {
        QTest::addColumn<bool>("callback");
        QTest::newRow("default drawing") << false;
        QTest::newRow("the application draws cell 0 of row 0") << true;
    }
    void drawingPaintsCellsBordersAndShadow()
    {
        QFETCH(bool, callback);
        TPLXRecordingScope quiet;
        TPLXEntityFactory factory;
        const auto legend = loaded(factory);
        QList<int> asked;
        if (callback)
            legend->setOnDrawCell([&](int row, int cell, const TRect &r, TPLXVisualContext &) {
                asked << row << cell << r.Left;
                return row == 0 && cell == 0;
            });
        plxtest::Canvas canvas(240, 130);
        legend->getDrawer(vtGanttGraph)->Draw(*canvas.vc);
        const TColor grey = 0xE0E0E0;
        // Background and outline; two dark pixels right and bottom; the cells' own and default backgrounds
        // (or nothing where the application drew); the legend's red border colour between cells; the blue frame
        // of border B0 around rows 0 and 1; nothing for B1.
        PLX_COMPARE_EACH(TColor,
                         (plxtest::pixels(canvas.image, {{100, 20},
                                                         {10, 65},
                                                         {208, 100},
                                                         {209, 100},
                                                         {100, 109},
                                                         {100, 110},
                                                         {100, 111},
                                                         {141, 29},
                                                         {206, 29},
                                                         {168, 20},
                                                         {150, 10},
                                                         {137, 40},
                                                         {12, 60}})),
                         ({grey, clBlack, clBlack, clBlack, clBlack, clBlack, clWhite, callback ? grey : clLime,
                           clYellow, clRed, clBlue, clBlue, grey}));
        if (callback)
            QCOMPARE(asked.mid(0, 6), QList<int>({0, 0, 138, 0, 1, 169}));
    }
};

QTEST_MAIN(tst_plxLegend)
#include "tst_plxLegend.moc"
