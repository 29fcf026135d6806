// Row offsets against a plain prefix sum, through random edits.
#include "plxRowOffsets.h"

#include <QRandomGenerator>
#include <QtTest>

class tst_plxRowOffsets : public QObject
{
    Q_OBJECT

private:
    static void checkAgainstPrefixSums(const TPLXRowOffsets &offsets, const std::vector<int> &heights)
    {
        QCOMPARE(offsets.count(), int(heights.size()));
        qint64 sum = 0;
        for (int i = 0; i <= int(heights.size()); ++i) {
            QCOMPARE(offsets.offset(i), sum);
            if (i < int(heights.size())) {
                // Every pixel of a row with height maps back to that row.
                if (heights[i] > 0) {
                    QCOMPARE(offsets.rowAt(sum), i);
                    QCOMPARE(offsets.rowAt(sum + heights[i] - 1), i);
                }
                sum += heights[i];
            }
        }
        QCOMPARE(offsets.total(), sum);
        QCOMPARE(offsets.rowAt(sum), int(heights.size()));
        QCOMPARE(offsets.rowAt(-1), -1);
    }

private slots:
    void emptyAndSingleRows()
    {
        TPLXRowOffsets offsets;
        QCOMPARE(offsets.total(), 0);
        QCOMPARE(offsets.rowAt(0), 0);
        offsets.insert(0, 25);
        QCOMPARE(offsets.rowAt(24), 0);
        QCOMPARE(offsets.rowAt(25), 1);
        offsets.setHeight(0, 0); // collapsed: no pixel belongs to it
        QCOMPARE(offsets.rowAt(0), 1);
        QCOMPARE(offsets.offset(-5), 0);
        QCOMPARE(offsets.offset(99), 0);
    }

    void randomEditsMatchPlainSums()
    {
        QRandomGenerator random(20261205);
        TPLXRowOffsets offsets;
        std::vector<int> heights;
        for (int i = 0; i < 37; ++i)
            heights.push_back(random.bounded(3) == 0 ? 0 : int(random.bounded(1, 60)));
        offsets.assign(heights);
        checkAgainstPrefixSums(offsets, heights);
        for (int step = 0; step < 400; ++step) {
            const int what = random.bounded(4);
            const int height = random.bounded(3) == 0 ? 0 : int(random.bounded(1, 60));
            if (what == 0 || heights.empty()) {
                const int at = random.bounded(int(heights.size()) + 1);
                heights.insert(heights.begin() + at, height);
                offsets.insert(at, height);
            } else if (what == 1) {
                const int at = random.bounded(int(heights.size()));
                heights.erase(heights.begin() + at);
                offsets.remove(at);
            } else {
                const int at = random.bounded(int(heights.size()));
                heights[at] = height;
                offsets.setHeight(at, height);
            }
            checkAgainstPrefixSums(offsets, heights);
            if (QTest::currentTestFailed())
                return;
        }
    }

    void outOfRangeEditsChangeNothing()
    {
        TPLXRowOffsets offsets;
        offsets.assign({10, 20});
        offsets.setHeight(2, 99);
        offsets.setHeight(-1, 99);
        offsets.remove(5);
        QCOMPARE(offsets.total(), 30);
        QCOMPARE(offsets.count(), 2);
    }
};

QTEST_APPLESS_MAIN(tst_plxRowOffsets)
#include "tst_plxRowOffsets.moc"
