#pragma once

#include "plate/geometry/PlateGeometry.h"

#include <QString>

#include <optional>

// The well-position calibration's edits of one camera's column and row
// bounds. Entry k is the camera's k-th column (or row) of the format.
enum class BoundaryAxis { Column, Row };
enum class BoundaryMove { StartUp, StartDown, EndUp, EndDown };

// The boundary buttons: start and end move one unit within 0 and limit - 1
// (limit: the window's lines for columns, pixels for rows); a start that
// crosses the previous entry's end pulls that end with it, an end that
// crosses the next entry's start pushes it. The moved value, or nothing
// when the move is refused (at a limit, or no such entry).
std::optional<int> moveBoundary(CameraWindowTables& t, int camera, BoundaryAxis axis, int entry, BoundaryMove move,
                                int limit);

// The typed column start on Enter: a number above 0 and below lines - 1,
// halves to even, also ends the previous column there. Nothing when refused.
std::optional<int> typeColumnStart(CameraWindowTables& t, int camera, int entry, const QString& typed, int lines);

// How many columns (rows) the camera sees of the format; 0 for none.
int boundaryEntries(const CameraWindowTables& t, int camera, BoundaryAxis axis);

// "End before start: C<camera> column <label>" (or row) for the first
// entry of any camera whose end lies before its start; nothing when all hold.
std::optional<QString> endBeforeStart(const CameraWindowTables& t);

// RebuildWellRangeList: "w6" or "w24" and a line per well, "Well(A1)=1.02",
// its area over the mean area; empty for the other formats. Areas are wide
// enough for any span; a mean of 0 shows every well as 0.00.
QString wellRangeSummary(const QString& plateFormat, const CameraWindowTables& t);
