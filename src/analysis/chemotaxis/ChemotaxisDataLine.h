#pragma once

#include "analysis/HeatMapData.h"
#include "analysis/WellExtent.h"
#include "analysis/chemotaxis/ChemotaxisRegions.h"

#include <QByteArrayView>

// The numeric value of a field as the files' numbers are read (leading
// blanks, sign, digits, one "."); 0 when it holds no number.
double chemotaxisFieldValue(QByteArrayView field);

// One pixel line of the well in the current scan: its cells go into the grid
// (-1 for "-", 0 for no activity, else the value) and its positive cells into
// the running sums. `position` carries the line number from line to line.
// False when the line is skipped (before the first data line, or outside the grid).
bool readChemotaxisDataLine(QByteArrayView line, const WellExtent& extent, int& position, WellGrid& grid,
                            RegionSums& running);
