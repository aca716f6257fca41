#pragma once

#include "acquisition/run/RunRecord.h"
#include "plate/geometry/PlateGeometry.h"
#include "plate/pictures/RunView.h"

// The live plate map's view of a run. The run record keeps its pixels by data
// index and camera-relative column; the map finds a pixel's plate well (column
// x plateRows + row) and reads the values by data index.

// The pixel maps, once the camera set-up is made: every pixel inside a well's
// mask gets its plate well, every other -1.
void setRunMapPixels(RunView& view, const RunRecord& run, const CameraWindowTables& geometry, int plateRows);

// What an evaluation changed: the current window's pixel counts, the wells'
// activity of this scan, the blank and the internal-reference factors.
void setRunMapValues(RunView& view, const RunRecord& run);
