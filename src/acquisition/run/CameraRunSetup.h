#pragma once

#include "acquisition/run/RunRecord.h"
#include "plate/geometry/PlateGeometry.h"

#include <QString>

class Console;
class Prompts;

// The camera speed (1 to 8) and exposure factor (1 to 7) for the tallest window.
struct CameraSpeedChoice {
    int speed = 0;
    int factor = 0;
};
CameraSpeedChoice cameraSpeedFor(int maxHeight, int hardwareGeneration);

// The exposure sent for a window: the run's, except the fourth window of every
// camera in "w96f", which is taken at 255.
int windowExposure(int cameraExposure, const QString& wellFormat, int window);

// The last scan an acquisition time expects: minutes times 10, halves to even.
int maxScanFor(const QString& txtlapse);

// What the set-up needs besides the format's tables.
struct CameraSetupInput {
    const PlateGeometry& geometry; // as ReadWellSpecFile and ReadWellFormatFiles leave it
    int hardwareGeneration = 1;
    int exposureUnit = 20;
    QString txtlapse;              // acquisition minutes
};

// Builds the run's camera set-up into the record, anew: speed and exposure, the
// pixel list of every window with its elliptical well masks, the wells' mask
// sizes and empty result tables. Shows "Setting up IR Video-Camera" first.
// Gives 1, or -1 after the "Configuration error" message when no well has a
// pixel or the tables do not describe a usable window.
int ConfigureCamerasForFormat(const CameraSetupInput& in, RunRecord& run, Console& console, Prompts& prompts);
