#include "plxRowOffsets.h"

#include <algorithm>

void TPLXRowOffsets::assign(const std::vector<int> &heights)
{
    FHeights = heights;
    rebuild();
}

void TPLXRowOffsets::insert(int index, int height)
{
    index = std::clamp(index, 0, count());
    FHeights.insert(FHeights.begin() + index, height);
    rebuild();
}

void TPLXRowOffsets::remove(int index)
{
    if (index < 0 || index >= count())
        return;
    FHeights.erase(FHeights.begin() + index);
    rebuild();
}

void TPLXRowOffsets::setHeight(int index, int height)
{
    if (index < 0 || index >= count())
        return;
    const qint64 delta = static_cast<qint64>(height) - FHeights[static_cast<size_t>(index)];
    FHeights[static_cast<size_t>(index)] = height;
    if (delta == 0)
        return;
    for (size_t i = static_cast<size_t>(index) + 1; i < FTree.size(); i += i & (~i + 1))
        FTree[i] += delta;
}

void TPLXRowOffsets::rebuild()
{
    const size_t n = FHeights.size();
    FTree.assign(n + 1, 0);
    for (size_t i = 1; i <= n; ++i) {
        FTree[i] += FHeights[i - 1];
        const size_t parent = i + (i & (~i + 1));
        if (parent <= n)
            FTree[parent] += FTree[i];
    }
    FTopBit = 1;
    while (static_cast<size_t>(FTopBit) * 2 <= n)
        FTopBit *= 2;
}

qint64 TPLXRowOffsets::offset(int index) const
{
    qint64 sum = 0;
    for (size_t i = static_cast<size_t>(std::clamp(index, 0, count())); i > 0; i &= i - 1)
        sum += FTree[i];
    return sum;
}

int TPLXRowOffsets::rowAt(qint64 y) const
{
    if (y < 0)
        return -1;
    // Descend to the largest prefix whose sum stays <= y: that many rows end at or above y.
    size_t position = 0;
    qint64 remaining = y;
    if (!FHeights.empty()) {
        for (size_t step = static_cast<size_t>(FTopBit); step > 0; step /= 2) {
            const size_t next = position + step;
            if (next < FTree.size() && FTree[next] <= remaining) {
                position = next;
                remaining -= FTree[next];
            }
        }
    }
    return static_cast<int>(position); // rows 0 .. position - 1 end at or above y
}
