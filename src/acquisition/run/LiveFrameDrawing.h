#pragma once

#include "acquisition/run/RunSetup.h"
#include "link/commands/CameraBoxes.h"
#include "plate/geometry/PlateGeometry.h"
#include "picture/PictureCanvas.h"

#include <QByteArray>

// The run's live picture Picact2, drawn at one unit per picture pixel: each
// sample of the current window as it arrives, the grey image first, then the
// pixels that moved, with white outside the well masks and grey bands between
// the well columns.
struct LivePicture {
    PictureCanvas& Picact2;
    const CameraBoxes& boxes;          // txt_xini, txt_xfin, txt_yini, txt_yfin: the window's extent
    const CameraWindowTables& tables;  // the window's well columns and rows
    const RunSetup& setup;             // pixelInWell of each window
    int sampleCount = 0;               // the sample being drawn, 0..10
};

enum class LiveImageMode {
    Grey = 0,       // the first sample of a window
    Difference = 1, // samples 1..10, with their difference text
};

// Draws one sample of camera, window: frame holds one byte per pixel, difference
// (mode 1) the change from the previous sample + 128 per byte. A mode above 1
// draws the pixels without the mask and the bands.
void DrawMaskedImageWithWellGrid(const LivePicture& picture, int camera, int window, const QByteArray& frame,
                                 const QByteArray& difference, int mode);

// The mark of one sample on the progress strip Picrealtime (scaled 0..100):
// samples 0 to 9 fill it from the left; sample 10 lies beyond its edge.
void DrawScanProgressMark(PictureCanvas& Picrealtime, int sample);
