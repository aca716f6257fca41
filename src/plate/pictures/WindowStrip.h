#pragma once

#include "plate/geometry/PlateGeometry.h"
#include "picture/PictureCanvas.h"

// The small picture below the plate (Picact2): the current camera window as a
// strip, the window's row height across and its columns down, with the name of
// each well. The plate picture's font is set back to size 8, not bold, first.
void DrawWindowStrip(PictureCanvas& Picact, PictureCanvas& Picact2, const CameraWindowTables& tables, int camera,
                     int window);

// The run start and the run loop redraw the live view of the window they move to by this name.
inline void DrawLivePlateValues(PictureCanvas& Picact, PictureCanvas& Picact2, const CameraWindowTables& tables,
                                int camera, int window)
{
    DrawWindowStrip(Picact, Picact2, tables, camera, window);
}
