#include "analysis/heatmap/HeatMapDrawing.h"

#include "analysis/heatmap/HeatMapColours.h"
#include "core/Clock.h"
#include "core/Rounding.h"
#include "picture/PictureCanvas.h"
#include "plate/geometry/WellNumbering.h"

#include <cmath>

namespace {

const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

// Dotted red circles of radius 50 around every well's centre.
void drawOutlines(PictureCanvas& canvas, const PlateGrid& grid)
{
    for (int c = 0; c < grid.columns; ++c)
        for (int r = 0; r < grid.rows; ++r) {
            const double cx = 100.0 * c + 50, cy = 100.0 * r + 50;
            for (int t = 0; t <= 50; ++t) {
                const double d = std::sqrt(50.0 * 50.0 - double(t) * t);
                canvas.point(cx + t, cy + d, kRed);
                canvas.point(cx + t, cy - d, kRed);
                canvas.point(cx - t, cy + d, kRed);
                canvas.point(cx - t, cy - d, kRed);
            }
        }
}

void drawNames(PictureCanvas& canvas, const PlateGrid& grid, const HeatMapOptions& options)
{
    const QFont plain = canvas.font;
    for (int c = 0; c < grid.columns; ++c)
        for (int r = 0; r < grid.rows; ++r) {
            const int index = c * grid.rows + r;
            const bool marked = index < kHeatMapWells && options.highlight[size_t(index)];
            QFont f = plain;
            f.setBold(marked);
            f.setUnderline(marked);
            canvas.font = f;
            canvas.currentX = 100.0 * c;
            canvas.currentY = 100.0 * r;
            canvas.print(wellName(r, c));
        }
    canvas.font = plain;
}

// One cell's value: the sum, or the scan's value from its grid; cells beyond
// the loaded tables read as nothing.
struct WellCells {
    const HeatMapData& data;
    HeatMapMode mode;
    int well;
    WellGrid grid;
    qint64 at(int line, int cell) const
    {
        if (line > data.lastLine || cell > data.lastCell)
            return -1;
        if (mode == HeatMapMode::Sum)
            return data.sum(well, line, cell);
        if (line >= grid.lines || cell >= grid.cells)
            return -1;
        return grid.at(line, cell);
    }
};

} // namespace

void setHeatMapScale(PictureCanvas& canvas, const PlateGrid& grid)
{
    canvas.setScale(0, 0, 100.0 * std::max(grid.columns, 1), 100.0 * std::max(grid.rows, 1));
}

int heatMapScan(int scan, int lastScan)
{
    return std::max(std::min(std::max(scan, 1), lastScan), 0);
}

HeatMapDrawn DrawHeatMap(PictureCanvas& canvas, const HeatMapData& data, const PlateGrid& grid, HeatMapMode mode,
                         int scan, const HeatMapOptions& options, const std::function<bool()>& keepDrawing,
                         Clock& clock)
{
    HeatMapDrawn drawn;
    scan = mode == HeatMapMode::Sum ? 1 : heatMapScan(scan, data.lastScan);
    // The scan view numbered k shows the files' scan k - 1; with no scan to show, only outlines.
    const int s = scan - 1;
    if (s >= 0 && size_t(s) < data.scanMinutes.size())
        drawn.minutes = data.scanMinutes[size_t(s)];
    drawOutlines(canvas, grid);
    if (mode == HeatMapMode::Sum)
        for (int n = 0; n < grid.wells(); ++n) {
            const int c = n / grid.rows, r = n % grid.rows;
            canvas.line(100.0 * c, 100.0 * r + 50, 100.0 * c + 100, 100.0 * r + 50, kRed);
            canvas.line(100.0 * c + 50, 0, 100.0 * c + 50, 100.0 * r + 100, kRed);
        }
    else
        drawn.scanCaption = QStringLiteral("Scan(%1) %2m").arg(scan).arg(roundHalfEven(drawn.minutes));

    const qint64 max = mode == HeatMapMode::Sum ? data.maxSumActivity : data.maxScanActivity;
    const bool withCells = data.loaded() && (mode == HeatMapMode::Sum || s >= 0);
    std::vector<qint64> active(size_t(std::max(grid.wells(), 0)), 0), zero(active.size(), 0);
    for (int n = 0; n < grid.wells(); ++n) {
        if (!keepDrawing()) {
            drawn.stopped = true;
            return drawn;
        }
        const int c = n / grid.rows, r = n % grid.rows;
        if (mode == HeatMapMode::Scan) {
            canvas.filledBox(100.0 * c, 100.0 * r, 100.0 * c + 100, 100.0 * r + 100, kWhite);
            drawOutlines(canvas, grid);
        }
        if (withCells && n < kHeatMapWells && n < data.wells) {
            const HeatWellGeometry& g = data.geometry[size_t(n)];
            const WellCells cells{data, mode, n, mode == HeatMapMode::Scan ? scanGrid(data, n, s) : WellGrid{}};
            for (int j = 0; j <= g.lineCount; ++j)
                for (int i = 0; i <= g.cellCount; ++i) {
                    const qint64 v = cells.at(j, i);
                    if (options.areaExportActive) {
                        active[size_t(n)] += v > 0 ? 1 : 0;
                        zero[size_t(n)] += v == 0 ? 1 : 0;
                    }
                    if (v <= 0)
                        continue;
                    double x = 0, y = 0;
                    if (g.lineCount >= 1 && g.cellCount >= 1) {
                        x = 100.0 * c + double(roundHalfEven(double(j) / g.lineCount * 100));
                        y = 100.0 * r + 100 - double(roundHalfEven(double(i) / g.cellCount * 100));
                    }
                    QColor colour = kBlack;
                    if (!options.areaExportActive && options.colour == HeatMapColour::Grey)
                        colour = ScaleToGreyColour(v, max);
                    else if (!options.areaExportActive && options.colour == HeatMapColour::Colour)
                        colour = ScaleToHeatColour(v, max);
                    canvas.filledBox(x, y, x + 2, y + 2, colour);
                }
        }
        drawNames(canvas, grid, options);
        clock.processEvents();
    }
    if (options.areaExportActive)
        for (size_t n = 0; n < active.size(); ++n) {
            // A well with no cell in its mask has no active area.
            const qint64 seen = active[n] + zero[n];
            drawn.areaPercent.push_back(seen > 0 ? double(active[n]) / double(seen) * 100 : 0.0);
        }
    clock.sleepMs(1);
    clock.processEvents();
    return drawn;
}
