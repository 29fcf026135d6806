// Cached vertical offsets of table rows: prefix sums of visible row heights
// that answer "where does row i start" and "which row lies at y" in
// logarithmic time and follow single-row changes in logarithmic time.
#pragma once

#include "orvanta_export.h"

#include <QtGlobal>

#include <vector>

class ORVANTA_EXPORT TPLXRowOffsets
{
public:
    // Replaces every height (one per row); linear.
    void assign(const std::vector<int> &heights);
    // Inserts or removes a row; linear, like the list change that causes it.
    void insert(int index, int height);
    void remove(int index);
    // Changes one row's height; logarithmic.
    void setHeight(int index, int height);

    int count() const { return static_cast<int>(FHeights.size()); }
    int height(int index) const { return FHeights[static_cast<size_t>(index)]; }
    // Sum of the heights of rows 0 .. index - 1 (index clamped to 0 .. count).
    qint64 offset(int index) const;
    // The row whose span [offset(i), offset(i + 1)) holds `y`, skipping rows of
    // height 0; -1 before the first row, count() past the last.
    int rowAt(qint64 y) const;
    qint64 total() const { return offset(count()); }

private:
    void rebuild();

    std::vector<int> FHeights;
    std::vector<qint64> FTree; // Fenwick tree, 1-based
    int FTopBit = 0;
};
