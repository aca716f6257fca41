#pragma once

#include "acquisition/run/ActivityEvaluation.h"
#include "acquisition/run/RunSetup.h"
#include "core/Globals.h"
#include "projects/RunResults.h"

#include <array>

// The state of one run, as the camera set-up fills it and the run loop, the
// evaluation, the run files and the drawing read it.
struct RunRecord {
    RunSetup setup;      // pixel lists, masks and well sizes
    RunResults results;  // per-scan tables, grown scan by scan

    int cameraSpeed = 0;    // 1 to 8, from the tallest window
    int cameraExposure = 0; // exposure unit times the factor
    int maxHeight = 0;      // tallest window of any camera, in pixels
    int maxWindowIndex = 0; // most windows of any camera, less one
    int maxScan = 0;        // acquisition minutes times 10: the last scan the run expects

    int currentCamera = 0;
    int currentWindow = 0;
    WindowActivity window; // the current window's samples and per-pixel counts

    bool blankRun = false;
    std::array<int, kWellSlots> blankValue{};
    int blankLapse = 0;
    std::array<double, kWellSlots> intRefFactor;

    RunRecord() { intRefFactor.fill(1.0); }
};
