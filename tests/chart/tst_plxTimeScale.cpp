// Time-scale bands: stored keys and their defaults, bad values, relative modes, the height rule, and the drawing of
// cells, labels sliding into view and the visible-only walk.
#include "plxChartFixture.h"
#include "plxColors.h"
#include "plxCompare.h"
#include "plxPlatform.h"
#include "plxTimeScale.h"

#include <QtTest>

using namespace plxtest;

namespace {

// The horizontal middle of the label pixels (neither background nor line) in [from, to) inside the band.
double labelMiddle(const QImage &image, int from, int to, int height)
{
    int left = to, right = from - 1;
    for (int x = from; x < to; ++x)
        for (int y = 1; y < height - 1; ++y)
            if (const TColor c = pixel(image, x, y); c != clNavy && c != clRed) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return right < left ? -1 : (left + right) / 2.0;
}

} // namespace

class tst_plxTimeScale : public QObject
{
    Q_OBJECT

private slots:
    void loadSaveAndRelativeModes_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QList<int>>("fields"); // height, font, font colour, base colour, line colour, relative
        QTest::addColumn<int>("logLines");
        QTest::addColumn<QList<int>>("modes"); // after Update(tmDay), then Update(tmWeek)
        QTest::newRow("full") << "Full" << QList<int>{22, 11, clYellow, 0x102030, clRed, 1} << 0
                              << QList<int>{tmWeek, tmMonth};
        QTest::newRow("defaults") << "Empty" << QList<int>{14, 7, clWhite, 0x02C56A31, clWhite, 0} << 0
                                  << QList<int>{tmDay, tmWeek};
        QTest::newRow("bad values") << "Bad" << QList<int>{14, 7, clWhite, 0x02C56A31, clWhite, tmDecade} << 4
                                    << QList<int>{tmNone, tmNone};
        QTest::newRow("negative offset")
            << "Negative" << QList<int>{14, 7, clWhite, 0x02C56A31, clWhite, 0} << 1 << QList<int>{tmDay, tmWeek};
        QTest::newRow("past the decade")
            << "Past decade" << QList<int>{14, 7, clWhite, 0x02C56A31, clWhite, 6} << 0 << QList<int>{tmNone, tmNone};
    }

    void loadSaveAndRelativeModes()
    {
        QFETCH(QString, section);
        QFETCH(QList<int>, fields);
        QFETCH(int, logLines);
        QFETCH(QList<int>, modes);
        const auto fieldsOf = [](const TPLXTimeScale &b) {
            return QList<int>{b.getScaleHeight(), b.getFontSize(),  b.getFontColor(),
                              b.getBaseColor(),   b.getLineColor(), b.getRelativeTM()};
        };
        PLXMedia media = mediaFromText(testData("chart/time-scales.ini"));
        TPLXRecordingScope scope;
        TPLXEntityFactory factory;
        std::unique_ptr<TPLXGanttObject> loaded(factory.loadObject(section, *media, nullptr));
        auto *band = dynamic_cast<TPLXTimeScale *>(loaded.get());
        QVERIFY(band && band->getTimeMode() == tmNone);
        QCOMPARE(scope.recorder().logLines().size(), logLines);
        QCOMPARE(fieldsOf(*band), fields);

        // Written and read back, the band is the same.
        PLXMedia saved = mediaFromText(QByteArray());
        band->doSave(QStringLiteral("Copy"), *saved, factory);
        TPLXEntityFactory again;
        std::unique_ptr<TPLXGanttObject> copy(again.loadObject(QStringLiteral("Copy"), *saved, nullptr));
        QCOMPARE(fieldsOf(*dynamic_cast<TPLXTimeScale *>(copy.get())), fields);

        for (int i = 0; i < 2; ++i) {
            band->Update(i == 0 ? tmDay : tmWeek);
            QCOMPARE(int(band->getTimeMode()), modes[i]);
            QCOMPARE(band->getTimeFormat(), DefaultTimeFormat(band->getTimeMode()));
        }
    }

    void createdBandModesAndHeightRule()
    {
        Chart c;
        TPLXTimeScale band;
        band.Update(tmDay); // not yet related: the offset is taken from the mode it has
        PLX_COMPARE_EACH(int, ({band.getRelativeTM(), band.getTimeMode()}), ({0, tmNone}));
        band.SetTimeMode(tmMonth);
        PLX_COMPARE_EACH(int, ({band.getRelativeTM(), band.getTimeMode(), band.getTimeFormat()}),
                         ({4, tmMonth, DefaultTimeFormat(tmMonth)}));
        band.Update(tmDay);
        QCOMPARE(band.getTimeMode(), tmYear);
        band.SetTimeMode(tmHour); // finer than the calendar: ignored
        PLX_COMPARE_EACH(int, ({band.getRelativeTM(), band.getTimeMode()}), ({4, tmYear}));

        band.SetHeight(0);
        QCOMPARE(band.getScaleHeight(), 14);
        band.SetFontSize(0); // keeps the size, but the height follows the rule: 1.2 x 8 before any drawing
        PLX_COMPARE_EACH(int, ({band.getFontSize(), band.getScaleHeight()}), ({7, 10}));

        band.setParent(&c.doc);
        Canvas canvas(300, 40);
        band.scaleDrawer()->Draw(*canvas.vc);
        band.SetFontSize(30); // measured from now on
        QVERIFY2(band.getScaleHeight() > 30, qPrintable(QString::number(band.getScaleHeight())));
    }

    void drawing_data()
    {
        QTest::addColumn<int>("relative");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("days");
        QTest::addColumn<int>("cells");
        QTest::addColumn<QList<int>>("separators");
        QTest::addColumn<QList<double>>("labelMiddles"); // in [100, 440) and [440, 600)
        // Weeks of 140 pixels from x = 100: of twenty years, only the four on screen are visited.
        QTest::newRow("weeks, twenty years")
            << 1 << kMonday << 7300.0 << 4 << QList<int>{100, 240, 380, 520} << QList<double>{};
        // January starts 280 pixels left of the chart and ends at 440: its label moves to the middle of what
        // shows; February is cut by the right edge and its label is centred in the visible part.
        QTest::newRow("months cut by both edges")
            << 2 << kMonday + 14 << 400.0 << 2 << QList<int>{440} << QList<double>{270, 520};
    }

    void drawing()
    {
        QFETCH(int, relative);
        QFETCH(double, start);
        QFETCH(double, days);
        QFETCH(int, cells);
        QFETCH(QList<int>, separators);
        QFETCH(QList<double>, labelMiddles);
        Chart c;
        c.doc.startDate = start;
        c.doc.endDate = start + days;
        PLXMedia media = mediaFromText(
            QStringLiteral("[B]\ntypeID=Time Scale\nrelative time mode=%1\nbase color=clNavy\nfont color=clYellow\n"
                           "line color=clRed\nscale height=30\n")
                .arg(relative)
                .toUtf8());
        TPLXEntityFactory factory;
        auto *band = dynamic_cast<TPLXTimeScale *>(factory.loadObject(QStringLiteral("B"), *media, &c.doc));
        QVERIFY(band);
        band->Update(tmDay);
        Canvas canvas(600, 40);
        TPLXTimeScaleDrawer *drawer = band->scaleDrawer();
        drawer->Draw(*canvas.vc);
        drawer->Draw(*canvas.vc);
        QCOMPARE(drawer->paintedCells(), cells);
        QCOMPARE(drawer->widestSearches(), 1);
        const QImage image = canvas.finish();
        for (int x : separators)
            QCOMPARE(pixel(image, x, 5), clRed);
        PLX_COMPARE_EACH(TColor, ({pixel(image, 99, 5), pixel(image, 101, 2), pixel(image, 120, 29)}),
                         ({clWhite, clNavy, clRed}));
        if (!labelMiddles.isEmpty()) {
            QVERIFY(std::abs(labelMiddle(image, 100, 440, 30) - labelMiddles[0]) <= 3);
            QVERIFY(std::abs(labelMiddle(image, 441, 600, 30) - labelMiddles[1]) <= 3);
        }
    }
};

QTEST_MAIN(tst_plxTimeScale)
#include "tst_plxTimeScale.moc"
