#pragma once

#include "core/Globals.h"
#include "plate/geometry/CameraLayout.h"
#include "plate/geometry/PlateGeometry.h"

#include <array>
#include <vector>

// What the live plate map reads of the run; the map never writes it. The run
// fills it: the pixel maps at camera set-up, the blank and the internal-reference
// factors at run start, and the current window's pixel counts and the wells'
// activity each time a window is evaluated.
struct RunView {
    // Per camera and window (camera-relative row), one entry per pixel of that
    // window: entry s is pixel s (1 to the window's pixel count); entry 0 is no pixel.
    template <typename T>
    using PerWindowPixel = std::array<std::array<std::vector<T>, kRowWindows>, kCameraCount>;

    bool blankRun = false;  // a blank measurement shows its activity uncorrected
    int windowPixels = 0;   // pixels of the current window
    std::vector<int> pixelActivityCount; // entry s: pixel s of the current window, 0 = no movement

    PerWindowPixel<int> pixelWellIndex; // the plate well (column * plateRows + row) of the pixel, -1 none
    PerWindowPixel<int> pixelX;         // offset inside its well's column, in camera pixels
    PerWindowPixel<int> pixelY;         // offset inside its well's row, in camera pixels

    std::array<double, kWellSlots> wellActivityNow{}; // this scan's activity, by data index

    std::array<int, kWellSlots> blankValue{}; // blank counts over blankLapse minutes, by data index
    int blankLapse = 0;                       // 0: no blank loaded
    std::array<double, kWellSlots> intRefFactor;

    RunView() { intRefFactor.fill(1.0); } // 1.0: no correction
};
