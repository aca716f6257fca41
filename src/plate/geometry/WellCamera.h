#pragma once

#include "plate/files/CamConf.h"
#include "plate/geometry/PlateFormat.h"

#include <QString>
#include <optional>

// The camera that sees a well, where the format's layout is built in: "w6" and
// "p35" one well per camera (camera = well index), "w24" a block of 2 by 2 wells
// per camera. Nothing for other formats and for wells off the plate: their
// camera is not known here, so they are never marked off.
std::optional<int> cameraOfWell(const PlateFormat& format, int wellIndex);

// A well whose camera is known and disabled.
bool wellCameraDisabled(const PlateFormat& format, int wellIndex, const CameraFlags& cameraEnabled);
