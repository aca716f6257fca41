#pragma once

#include "plate/geometry/PlateGeometry.h"

#include <vector>

// One well of a camera window: its camera-relative column k and where it lies
// on the plate.
struct WindowWell {
    int k = 0;
    int column = 0; // plate column: firstColumn + k
    int row = 0;    // plate row: firstRow + window
};

// The wells of a camera window (a camera-relative row), from the camera's first
// column to its last. None for a camera outside 0 to 5, a window outside the
// tables or a camera that sees no column or row of the format.
std::vector<WindowWell> windowWells(const CameraWindowTables& tables, int camera, int window);

// Width of a window column (columnEnd - columnStart) and height of a window's
// row (rowEnd - rowStart), in camera pixels; callers pass positions that
// windowWells gave.
int windowColumnWidth(const CameraWindowTables& tables, int camera, int k);
int windowRowHeight(const CameraWindowTables& tables, int camera, int window);
