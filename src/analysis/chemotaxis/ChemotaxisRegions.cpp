#include "analysis/chemotaxis/ChemotaxisRegions.h"

#include <algorithm>

RegionSums& RegionSums::operator+=(const RegionSums& o)
{
    leftSum += o.leftSum;
    rightSum += o.rightSum;
    bottomSum += o.bottomSum;
    topSum += o.topSum;
    topLeftSum += o.topLeftSum;
    topRightSum += o.topRightSum;
    bottomLeftSum += o.bottomLeftSum;
    bottomRightSum += o.bottomRightSum;
    return *this;
}

// Halves compared as exact fractions: 2c against W, 2r against H.
void addRegionCell(RegionSums& sums, int r, int c, int lines, int pixels, qint64 value)
{
    const qint64 c2 = 2 * qint64(c);
    const qint64 r2 = 2 * qint64(r);
    if (c2 < pixels) {
        sums.bottomSum += value;
        if (r2 < lines)
            sums.bottomLeftSum += value;
        else if (r2 > lines)
            sums.bottomRightSum += value;
    } else if (c2 > pixels) {
        sums.topSum += value;
        if (r2 < lines)
            sums.topLeftSum += value;
        else if (r2 > lines)
            sums.topRightSum += value;
    }
}

void addRegionLine(RegionSums& sums, int r, int lines, qint64 lineSum)
{
    const qint64 r2 = 2 * qint64(r);
    if (r2 < lines)
        sums.leftSum += lineSum;
    else if (r2 > lines)
        sums.rightSum += lineSum;
}

double chemotaxisIndex(const ChemotaxisIndexKind& kind, const RegionSums& s)
{
    qint64 a = 0;
    qint64 b = 0;
    switch (kind.option) {
    case 1: a = s.rightSum; b = s.leftSum; break;
    case 2: a = s.leftSum; b = s.rightSum; break;
    case 3: a = s.topSum; b = s.bottomSum; break;
    case 4: a = s.bottomSum; b = s.topSum; break;
    case 5: a = s.topLeftSum + s.bottomRightSum; b = s.topRightSum + s.bottomLeftSum; break;
    case 6: a = s.topRightSum + s.bottomLeftSum; b = s.topLeftSum + s.bottomRightSum; break;
    default: return 0;
    }
    const qint64 total = a + b;
    const bool quadrant = kind.analysis == 1;
    if (quadrant ? total < 1 : total <= 0)
        return 0;
    return double(a - b) / double(total);
}

RegionTable::RegionTable(int wells, qint32 lastScan)
    : wells_(std::max(0, wells)), lastScan_(std::max<qint32>(-1, lastScan)),
      sums_(size_t(wells_) * size_t(lastScan_ + 1))
{
}

RegionSums RegionTable::window(int well, qint32 t, int m) const
{
    RegionSums total;
    if (!holds(well, t))
        return total;
    const qint32 first = t < lastScan_ - m ? t : std::max<qint32>(0, lastScan_ - m);
    const qint32 last = std::min<qint32>(lastScan_, first + m);
    for (qint32 s = first; s <= last; ++s)
        total += at(well, s);
    return total;
}
