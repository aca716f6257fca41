#pragma once

#include "link/frames/FrameCut.h"
#include "plate/geometry/PlateGeometry.h"

// The cut of one window of a camera from the format's tables: R is the
// window's row height rowEnd - rowStart + 1, and the spans are the camera's
// well columns, first to last. Empty (so the cut reader answers "Error") when
// the camera sees no such window or the tables hold more columns than they can.
// window is the camera's row of wells counted from its first.
FrameCutLayout frameCutLayout(const CameraWindowTables& tables, int camera, int window);
