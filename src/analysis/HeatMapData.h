#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <vector>

// The per-pixel activity of a recorded run as the heat map draws it. Long
// runs write several GB of well-activity files, so this keeps only the sums,
// the maxima, each well's geometry, the scan minutes and where each scan's
// block starts in its file; one scan's grid is read again when asked for.
inline constexpr int kHeatMapWells = 25; // well indexes 0 to 24

struct HeatWellGeometry {
    int lineCount = 0;     // wellLineCount: lines of the first block that hold a value
    int cellCount = 0;     // wellCellCount: most value cells of one such line
    int firstDataLine = 0; // position of the first such line
    int firstCell = 0;     // leading "-" cells before the first value
    int file = -1;         // the window file that holds the well
};

// One well's cells in one scan, [line][cell]: above 0 the activity, 0 none,
// -1 outside the well's mask.
struct WellGrid {
    int lines = 0;
    int cells = 0;
    std::vector<qint32> values;
    qint32 at(int line, int cell) const { return values[size_t(line) * size_t(cells) + size_t(cell)]; }
    qint32& at(int line, int cell) { return values[size_t(line) * size_t(cells) + size_t(cell)]; }
};

struct HeatMapData {
    // Grid bounds from well A1: 1.5 times its counts, halves to even; indexes 0 to these.
    int lastLine = -1;
    int lastCell = -1;
    int wells = 0;      // wells of the format
    int lastScan = 0;   // the last "scan," of camera 0's first window file
    std::vector<double> scanMinutes;
    std::array<HeatWellGeometry, kHeatMapWells> geometry{};
    std::vector<qint64> sumActivity; // [well][line][cell]
    qint64 maxSumActivity = 0;
    qint64 maxScanActivity = 0;

    struct WindowFile {
        QString path;
        std::vector<qint64> scanOffsets; // byte offset of each "scan," line, by scan number
    };
    std::vector<WindowFile> files;

    bool loaded() const { return lastLine >= 0 && lastCell >= 0; }
    qint64 sum(int well, int line, int cell) const
    {
        return sumActivity[(size_t(well) * size_t(lastLine + 1) + size_t(line)) * size_t(lastCell + 1) + size_t(cell)];
    }
    qint64& sum(int well, int line, int cell)
    {
        return sumActivity[(size_t(well) * size_t(lastLine + 1) + size_t(line)) * size_t(lastCell + 1) + size_t(cell)];
    }
};

// One well's grid in one scan, read from its window file at the scan's
// offset; an empty grid when the data do not hold it.
WellGrid scanGrid(const HeatMapData& data, int well, int scan);
