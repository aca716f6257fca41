#pragma once

#include "plate/geometry/PlateFormat.h"

#include <QString>
#include <optional>

// Wells are numbered down the columns: A1 = 0, B1 = 1, ... (column * plateRows + row).
constexpr int WellIndex(int column, int row, int plateRows)
{
    return column * plateRows + row;
}

// Row letter and column number counted from 1: row 0, column 0 is "A1"; row 7,
// column 11 is "H12". Empty for a row outside A to Z or a negative column.
QString wellName(int row, int column);

struct WellPosition {
    int column = 0;
    int row = 0;
    bool operator==(const WellPosition&) const = default;
};

// Where a well index lies on a grid; nothing for an index off the grid (every
// index of a grid without wells).
std::optional<WellPosition> wellPosition(int index, const PlateGrid& grid);

// The name of a well index on a grid; empty off the grid.
QString wellNameOfIndex(int index, const PlateGrid& grid);
