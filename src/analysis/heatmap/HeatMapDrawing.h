#pragma once

#include "analysis/HeatMapData.h"
#include "plate/geometry/PlateFormat.h"

#include <QString>

#include <array>
#include <functional>
#include <vector>

class Clock;
class PictureCanvas;

// The map's colour option, opt_hetmap_color: "B&&W", "Grey", "Colour".
enum class HeatMapColour { BlackAndWhite = 0, Grey = 1, Colour = 2 };

enum class HeatMapMode { Sum = 0, Scan = 1 };

struct HeatMapOptions {
    HeatMapColour colour = HeatMapColour::Colour;
    bool areaExportActive = false;          // black cells, and each well's active area counted
    std::array<bool, kHeatMapWells> highlight{}; // wellHighlight: names bold and underlined
};

struct HeatMapDrawn {
    bool stopped = false;      // drawRunning was cleared before the last well
    QString scanCaption;       // lbl_scan in the scan view, "Scan(3) 12m"
    double minutes = 0;        // the shown scan's minutes
    std::vector<double> areaPercent; // per well index, when the area export is active
};

// The picture's scale for a full drawing: 100 units a well, y downwards.
void setHeatMapScale(PictureCanvas& canvas, const PlateGrid& grid);

// The scan a view may show: 1..lastScan (0 when the run has no scan to show).
int heatMapScan(int scan, int lastScan);

// DrawHeatMap: the wells' circles, the sum's red lines or the scan's white
// squares, every recorded cell above 0 as a 2 x 2 box, and the names; the
// scan view reads its one scan from the files on demand. keepDrawing is
// drawRunning, asked before each well; the clock lets events through after
// each well and pauses 1 ms at the end.
HeatMapDrawn DrawHeatMap(PictureCanvas& canvas, const HeatMapData& data, const PlateGrid& grid, HeatMapMode mode,
                         int scan, const HeatMapOptions& options, const std::function<bool()>& keepDrawing,
                         Clock& clock);
