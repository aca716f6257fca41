#include "plate/pictures/PlatePictureGeometry.h"

#include "core/Rounding.h"

#include <algorithm>

double cellWidth(const PlateGrid& grid)
{
    return kPlateWidth / grid.columns;
}

double cellHeight(const PlateGrid& grid)
{
    return kPlateHeight / grid.rows;
}

int cellLeft(int column, const PlateGrid& grid)
{
    return grid.columns > 0 ? int(roundHalfEven(kPlateWidth * column / grid.columns)) : 0;
}

int cellTop(int row, const PlateGrid& grid)
{
    return grid.rows > 0 ? int(roundHalfEven(kPlateHeight * row / grid.rows)) : 0;
}

std::optional<WellPosition> wellAtPoint(const PlateGrid& grid, double x, double y)
{
    if (grid.isEmpty() || !(x >= 0 && x < kPlateWidth && y >= 0 && y < kPlateHeight))
        return std::nullopt;
    // Rounding of the quotient must not push a point at the far edge off the grid.
    const int column = std::min(int(wholePart(x / cellWidth(grid))), grid.columns - 1);
    const int row = std::min(int(wholePart(y / cellHeight(grid))), grid.rows - 1);
    return WellPosition{column, row};
}
