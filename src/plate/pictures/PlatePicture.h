#pragma once

#include "plate/files/CamConf.h"
#include "plate/geometry/PlateFormat.h"
#include "picture/PictureCanvas.h"

#include <QString>

// The main window's plate picture: the empty plate of a format with its column
// numbers, row letters and the marks over wells of disabled cameras. The
// drawing state it leaves (line width, fill colour, text colour, font) carries
// over to whatever draws next, as on a picture control.

// Clears the picture and draws the plate of a format; returns its grid (0 by 0
// for a code outside the format table: the outline alone is drawn).
PlateGrid DrawPlateLayout(PictureCanvas& picture, const PlateFormat& format, const CameraFlags& cameraEnabled);

// Prints "[OFF]" over a well of the drawn plate when the camera that sees it is
// disabled; the font size and weight in force are kept.
void MarkDisabledCameraWells(PictureCanvas& picture, const PlateFormat& format, int wellIndex,
                             const CameraFlags& cameraEnabled);

// Prepares the picture for one camera frame: cleared, each frame pixel 4 by 4 units.
void InitPlateView(PictureCanvas& picture, int framePixelCount, int frameLineCount);
