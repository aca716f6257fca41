#pragma once

#include "plate/files/CamConf.h"
#include "plate/pictures/ColourTable.h"
#include "plate/geometry/PlateFormat.h"
#include "plate/geometry/PlateGeometry.h"
#include "plate/pictures/RunView.h"
#include "picture/PictureCanvas.h"

#include <QString>
#include <optional>

// The run's live map on the plate picture: the wells of the window being
// measured carry a black dot; an evaluated window shows each well's corrected
// activity with its moving pixels as orange dots. The drawing state it leaves
// (solid fill, font, grey text) carries over to whatever draws next.

enum class WellMapMode {
    Results = 0,   // the window's values and moving pixels
    Measuring = 1, // the black dot of the window being measured
};

// What the map reads of the main window besides the run.
struct LiveMapContext {
    QString wellFormat;   // text of cmb_well: the plate grid
    QString formatPlate;  // text of cmb_formatplate: "w96f" prints the values small
    const PlateGeometry& geometry;
    const CameraFlags& cameraEnabled;
    const ColourTable& colours;
};

// Draws one camera window in a mode; a disabled camera is skipped silently and
// gives nothing. Otherwise gives the grid of cmb_well, which the caller keeps as
// plateRows and plateColumns; a grid without wells draws nothing.
std::optional<PlateGrid> DrawWellValueMap(PictureCanvas& Picact, const LiveMapContext& plate, const RunView& run,
                                          double elapsedMinutes, int camera, int window, WellMapMode mode);

// The black dots of a window, whatever the camera's flag; gives the grid of cmb_well.
PlateGrid DrawWellActivityRow(PictureCanvas& Picact, const LiveMapContext& plate, int camera, int window);
