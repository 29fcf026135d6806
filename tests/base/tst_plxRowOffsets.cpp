// Row offsets against a plain prefix sum, through random edits.
#include "plxRowOffsets.h"

#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>

static void checkAgainstPrefixSums(const TPLXRowOffsets &offsets, const std::vector<int> &heights)
{
    const int count = int(heights.size());
    QCOMPARE(offsets.count(), count);
    qint64 sum = 0;
    for (int i = 0; i < count; sum += heights[i++]) {
        QCOMPARE(offsets.offset(i), sum);
        // The first and the last pixel of a row with height map back to that row; a collapsed row owns none.
        if (heights[i] > 0)
            QCOMPARE(std::pair(offsets.rowAt(sum), offsets.rowAt(sum + heights[i] - 1)), std::pair(i, i));
    }
    QCOMPARE(offsets.rowAt(sum), count);
    QCOMPARE(offsets.rowAt(-1), -1);
    // Indices outside the rows clamp to the first and last offset.
    QCOMPARE(offsets.offset(-5), 0);
    QCOMPARE(offsets.offset(count + 1), sum);
}

class tst_plxRowOffsets : public QObject
{
    Q_OBJECT

private slots:
    void randomEditsMatchPlainSums()
    {
        QRandomGenerator random(20261205);
        auto randomHeight = [&] { return random.bounded(3) == 0 ? 0 : int(random.bounded(1, 60)); };
        TPLXRowOffsets offsets;
        checkAgainstPrefixSums(offsets, {});
        std::vector<int> heights(37);
        std::generate(heights.begin(), heights.end(), randomHeight);
        offsets.assign(heights);
        // Edits one past the last row change nothing; the first step's check sees it.
        offsets.setHeight(37, 99);
        offsets.remove(37);
        for (int step = 0; step < 400 && !QTest::currentTestFailed(); ++step) {
            const int what = heights.empty() ? 0 : int(random.bounded(4)); // 0 insert, 1 remove, else resize
            const int at = random.bounded(int(heights.size()) + (what == 0 ? 1 : 0));
            if (what == 0) {
                heights.insert(heights.begin() + at, randomHeight());
                offsets.insert(at, heights[size_t(at)]);
            } else if (what == 1) {
                heights.erase(heights.begin() + at);
                offsets.remove(at);
            } else {
                heights[size_t(at)] = randomHeight();
                offsets.setHeight(at, heights[size_t(at)]);
            }
            checkAgainstPrefixSums(offsets, heights);
        }
    }
};

QTEST_APPLESS_MAIN(tst_plxRowOffsets)
#include "tst_plxRowOffsets.moc"
