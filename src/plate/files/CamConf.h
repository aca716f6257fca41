#pragma once

#include "core/ProgramFolder.h"
#include "plate/geometry/CameraLayout.h"

#include <QString>
#include <array>

// Whether each camera 0 to 5 takes part in runs.
using CameraFlags = std::array<bool, kCameraCount>;

// "camconf.dat" in the unit folder ("config" when there is no serial number).
QString camConfPath(const ProgramFolder& folder, int serialNumber);

// The flags from the file's first line: a camera is disabled only where its
// character is "0"; another character, a short line or a missing file enables it.
CameraFlags ReadCamConf(const QString& path);

// Replaces the file with one line, camera 0 first: "1" enabled, "0" disabled.
// Creates no folder; false when the file could not be written.
bool WriteCamConf(const QString& path, const CameraFlags& cameraEnabled);
