#include "plate/pictures/WellValueMap.h"

#include "core/Colors.h"
#include "picture/PictureFont.h"
#include "plate/pictures/PlatePictureGeometry.h"
#include "plate/pictures/WellValue.h"
#include "plate/geometry/WindowWells.h"

namespace {

const QColor kValueTextAfter(128, 128, 128);
constexpr int kOrangeEntry = 1;
constexpr double kDotRadius = 0.3;

struct Cell {
    double x = 0;
    double y = 0;
    double w = 0;
    double h = 0;
};

Cell cellOf(const WindowWell& well, const PlateGrid& grid)
{
    return {double(cellLeft(well.column, grid)), double(cellTop(well.row, grid)), cellWidth(grid), cellHeight(grid)};
}

void startWell(PictureCanvas& picture)
{
    useArial(picture.font);
    picture.font.setPointSize(10);
}

void drawDot(PictureCanvas& picture, const Cell& cell, const QColor& colour)
{
    picture.fillStyle = PictureCanvas::FillStyle::Solid;
    picture.fillColor = colour;
    picture.circle(cell.x + 0.8 * cell.w, cell.y + 0.1 * cell.h, kDotRadius, colour);
}

template <typename T>
const T* entry(const std::vector<T>& values, int s)
{
    return s >= 0 && size_t(s) < values.size() ? &values[size_t(s)] : nullptr;
}

// The moving pixels of one well as short orange strokes at their places in its
// cell. A column or row of no width has no place to scale the offsets by.
void drawMovingPixels(PictureCanvas& picture, const LiveMapContext& plate, const RunView& run, int camera,
                      int window, const WindowWell& well, const PlateGrid& grid, const Cell& cell)
{
    const CameraWindowTables& tables = plate.geometry;
    const int columnWidth = windowColumnWidth(tables, camera, well.k);
    const int rowHeight = windowRowHeight(tables, camera, window);
    if (columnWidth <= 0 || rowHeight <= 0)
        return;
    const QColor orange = colorFromBgr(plate.colours.colourTable[kOrangeEntry]);
    const int plateWell = WellIndex(well.column, well.row, grid.rows);
    const auto& wellIndex = run.pixelWellIndex[camera][window];
    const auto& offsetX = run.pixelX[camera][window];
    const auto& offsetY = run.pixelY[camera][window];
    for (int s = 1; s <= run.windowPixels; ++s) {
        const int* index = entry(wellIndex, s);
        const int* count = entry(run.pixelActivityCount, s);
        const int* x = entry(offsetX, s);
        const int* y = entry(offsetY, s);
        if (!index || !count || !x || !y || *index != plateWell || *count < 1)
            continue;
        const double px = cell.x + double(*x) / columnWidth * cell.w;
        const double py = cell.y + double(*y) / rowHeight * cell.h;
        picture.line(px, py, px + 1, py + 1, orange);
    }
}

// The data index of a window's well; nothing where the well table has no slot.
std::optional<int> dataIndex(const WellSpecTable& wells, int camera, int k, int window)
{
    if (k >= kSpcColumns || window >= kSpcRows)
        return std::nullopt;
    const int d = wells.spcDataIndex[camera][k][window];
    if (d < 0 || d >= kWellSlots)
        return std::nullopt;
    return d;
}

void drawResults(PictureCanvas& picture, const LiveMapContext& plate, const RunView& run, double elapsedMinutes,
                 int camera, int window, const WindowWell& well, const PlateGrid& grid, const Cell& cell)
{
    drawDot(picture, cell, Qt::white);
    picture.filledBox(cell.x + 0.05 * cell.w, cell.y + 0.05 * cell.h, cell.x + 0.9 * cell.w, cell.y + 0.9 * cell.h,
                      Qt::white);
    drawMovingPixels(picture, plate, run, camera, window, well, grid, cell);

    picture.font.setPointSize(plate.formatPlate == QLatin1String("w96f") ? 6 : 8);
    picture.foreColor = Qt::black;
    const std::optional<int> d = dataIndex(plate.geometry, camera, well.k, window);
    if (!d)
        return;
    const double value = shownWellValue(run.wellActivityNow[*d], run.blankValue[*d], run.blankLapse, elapsedMinutes,
                                        run.blankRun, run.intRefFactor[*d]);
    picture.currentX = cell.x + 0.05 * cell.w;
    picture.currentY = cell.y + 0.05 * cell.h;
    picture.print(wellValueText(value));
}

PlateGrid drawWindow(PictureCanvas& picture, const LiveMapContext& plate, const RunView* run, double elapsedMinutes,
                     int camera, int window, WellMapMode mode)
{
    const PlateGrid grid = plateGrid(plate.wellFormat);
    // Without wells there is no cell to size; a camera's wells are drawn only on a grid.
    if (grid.isEmpty())
        return grid;
    for (const WindowWell& well : windowWells(plate.geometry, camera, window)) {
        const Cell cell = cellOf(well, grid);
        startWell(picture);
        if (mode == WellMapMode::Measuring)
            drawDot(picture, cell, Qt::black);
        else if (run)
            drawResults(picture, plate, *run, elapsedMinutes, camera, window, well, grid, cell);
    }
    picture.foreColor = kValueTextAfter;
    return grid;
}

} // namespace

std::optional<PlateGrid> DrawWellValueMap(PictureCanvas& Picact, const LiveMapContext& plate, const RunView& run,
                                          double elapsedMinutes, int camera, int window, WellMapMode mode)
{
    if (camera < 0 || camera >= kCameraCount || !plate.cameraEnabled[camera])
        return std::nullopt;
    return drawWindow(Picact, plate, &run, elapsedMinutes, camera, window, mode);
}

PlateGrid DrawWellActivityRow(PictureCanvas& Picact, const LiveMapContext& plate, int camera, int window)
{
    return drawWindow(Picact, plate, nullptr, 0, camera, window, WellMapMode::Measuring);
}
