#pragma once

#include "link/commands/CameraBoxes.h"
#include "link/commands/CameraSettings.h"
#include "link/protocol/LinkContext.h"
#include "plate/geometry/PlateGeometry.h"

// How selecting a camera window ended.
enum class WindowSelection {
    Applied,     // boxes set and the camera settings sent
    Dummy,       // boxes set; dummy mode sends nothing
    BadGain,     // boxes set; txt_gain does not hold a 16-bit whole number
    BadExposure, // boxes set; txt_exposure likewise
    NoSuchWindow // the camera sees no such row of wells: nothing changed
};

// Makes a camera's row of wells the current window: the window boxes from the
// format's tables (lines from the first column's start to the last column's
// end; pixels from 183 minus the row's end to 183 minus its start, the row
// positions counting from the far end of the pixel axis), txt_lines and
// txt_pix, and windowPixels (the row's height times the line span without its
// + 1); then the camera settings are sent unless in dummy mode. The caller puts
// the camera into txt_cam and its gain and exposure into their boxes first.
// window is the camera's row of wells counted from its first, 0 to lastRow - firstRow.
WindowSelection SelectCameraWindow(int camera, int window, const CameraWindowTables& tables, CameraBoxes& boxes,
                                   LinkContext& ctx);
