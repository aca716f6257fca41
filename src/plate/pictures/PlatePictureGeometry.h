#pragma once

#include "plate/geometry/PlateFormat.h"
#include "plate/geometry/WellNumbering.h"

#include <optional>

// The plate picture's logical units: the plate spans x 0 to 100 and y 0 to 250
// whatever the format, so a well's cell is found from its column and row alone.
inline constexpr double kPlateWidth = 100;
inline constexpr double kPlateHeight = 250;

// Cell size of a grid; callers check that the grid has wells.
double cellWidth(const PlateGrid& grid);
double cellHeight(const PlateGrid& grid);

// Top-left corner of a cell: the nearest whole unit, halves to even, so that
// every drawing on the picture meets the same corners.
int cellLeft(int column, const PlateGrid& grid);
int cellTop(int row, const PlateGrid& grid);

// The well under a point of the plate; nothing outside 0 <= x < 100,
// 0 <= y < 250 or on a grid without wells.
std::optional<WellPosition> wellAtPoint(const PlateGrid& grid, double x, double y);
