#pragma once

#include "analysis/sequence/ChemotaxisIndexKind.h"

#include <QtGlobal>

#include <vector>

// The eight activity sums of one well in one scan. Left and right split the
// well's lines, bottom and top the pixels along a line; 64 bits, so a long or
// busy well cannot overflow them.
struct RegionSums {
    qint64 leftSum = 0;
    qint64 rightSum = 0;
    qint64 bottomSum = 0;
    qint64 topSum = 0;
    qint64 topLeftSum = 0;
    qint64 topRightSum = 0;
    qint64 bottomLeftSum = 0;
    qint64 bottomRightSum = 0;

    RegionSums& operator+=(const RegionSums& o);
    bool operator==(const RegionSums&) const = default;
};

// A positive cell at line r, pixel c of a well of H data lines and W data
// pixels: below the middle pixel it counts to the bottom, above it to the top,
// and to a quadrant when its line is not the middle one.
void addRegionCell(RegionSums& sums, int r, int c, int lines, int pixels, qint64 value);
// A line's sum of positive cells (middle pixel included): to the left below the
// middle line, to the right above it, to neither on it.
void addRegionLine(RegionSums& sums, int r, int lines, qint64 lineSum);

// (A - B) / (A + B) of a kind; 0 when A + B is 0 or less (side kinds) or below
// 1 (quadrant kinds).
double chemotaxisIndex(const ChemotaxisIndexKind& kind, const RegionSums& sums);

// The sums of every well and scan of a processing.
class RegionTable {
public:
    RegionTable() = default;
    RegionTable(int wells, qint32 lastScan);
    int wells() const { return wells_; }
    qint32 lastScan() const { return lastScan_; }
    bool holds(int well, qint32 scan) const { return well >= 0 && well < wells_ && scan >= 0 && scan <= lastScan_; }
    RegionSums& at(int well, qint32 scan) { return sums_[index(well, scan)]; }
    const RegionSums& at(int well, qint32 scan) const { return sums_[index(well, scan)]; }
    // The moving window of scan t: scans t to t + m, or the last m + 1 scans
    // from lastScan - m on, never before scan 0.
    RegionSums window(int well, qint32 t, int m) const;

private:
    size_t index(int well, qint32 scan) const { return size_t(well) * size_t(lastScan_ + 1) + size_t(scan); }
    int wells_ = 0;
    qint32 lastScan_ = -1;
    std::vector<RegionSums> sums_;
};
