#pragma once

#include "plate/files/CamConf.h"
#include "plate/geometry/PlateFormat.h"
#include "picture/PictureCanvas.h"

#include <QColor>
#include <QString>

// The colour of a group's label, by the last digit of its number: 0 and 5
// black, 1 and 6 green, 2 and 7 blue, 3 and 8 red, 4 and 9 yellow.
QColor groupColour(int group);

// Redraws the label area of one well of the plate picture: the inner part of
// its cell turns white (the outline and grid stay), then "G" and the group
// number in the group's colour for a well with a group (0 or more), and "[OFF]"
// when its camera is disabled. Wells off the grid are not drawn.
void DrawWellGroupOverlay(PictureCanvas& picture, const PlateFormat& format, int wellIndex, int group,
                          const CameraFlags& cameraEnabled);
