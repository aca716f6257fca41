#pragma once

#include "analysis/HeatMapData.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <utility>
#include <vector>

class ChunkLineReader;

// No run scans more than once a second through the 32000 minutes it may last;
// a larger scan number is damage, and would size the scan tables by it.
inline constexpr int kMostScans = 32000 * 60;

// A well of a window file: its name as the lines give it, its index, and its
// geometry from the file's first block.
struct WindowFileWell {
    QByteArray name;
    int well = -1;
    HeatWellGeometry g;
};

// What every stretch of one window file is read against; not changed while read.
struct WindowFileShape {
    std::vector<WindowFileWell> wells;
    bool holdsA1 = false;
    bool sizesTables = false; // camera 0's first window: its scans set lastScan
    int lastScan = 0;          // the highest scan another file may hold
    int formatWells = 0;       // the sums table's first extent
    int lastLine = -1;
    int lastCell = -1;
};

// The values of one stretch of a window file, from a scan line on: added up
// apart, so stretches can be read at once and joined in file order.
struct WindowFileValues {
    std::vector<qint64> sums; // shaped as HeatMapData::sumActivity
    qint64 maxScanActivity = 0;
    std::vector<std::pair<int, qint64>> scanStarts; // scan number, offset of its "scan," line
    std::vector<std::pair<int, double>> scanMinutes; // scan number, its time line
    bool failed = false;                             // "Error processing files" at this point
    // A line's position of -1 keeps its well's last position; a stretch read
    // apart does not know the last position before it.
    std::array<int, kHeatMapWells> lastPosition{};
    std::array<bool, kHeatMapWells> positionKnown{};
    bool lostPosition = false;
};

// Reads lines until the reader ends or a fault; the first scan line sets the
// scan the values belong to. positionsKnown: the stretch starts the file, where
// every well's last position is 0.
void readWindowFileValues(ChunkLineReader& reader, const WindowFileShape& shape, bool positionsKnown,
                          WindowFileValues& values);
