#pragma once

#include "plate/geometry/CameraLayout.h"
#include "plate/geometry/PlateGeometry.h"

#include <QString>

#include <array>
#include <vector>

// Wells the per-evaluation tables cover (data indexes 0 to 95) and the wells the
// run's per-well totals keep (0 to 96).
inline constexpr int kEvaluatedWells = 96;
inline constexpr int kRunWells = 97;

// The pixel list of one camera window, as the camera set-up builds it: entry n
// is position n of the window (1 to the list's size - 1), in the order the frame
// delivers its bytes (column, then line ascending, then pixel descending).
// Entry 0 is no pixel.
struct WindowPixelList {
    std::vector<int> pixelWellIndex; // data index of the pixel's well; -1 outside every well mask
    std::vector<int> pixelColumn;    // camera-relative well column k of the pixel's rectangle
    std::vector<int> pixelWindow;    // window (camera-relative well row) of the rectangle
    std::vector<char> pixelInWell;   // 1 when the pixel lies inside its well's mask
    std::vector<int> pixelX;         // line offset inside the column rectangle
    std::vector<int> pixelY;         // pixel offset inside the window
    std::vector<QString> pixelWellName; // well name of the pixel's rectangle

    int positions() const { return static_cast<int>(pixelWellIndex.size()) - 1; }
    // The well of position n; positions the list does not hold lie outside every well.
    int wellAt(int n) const
    {
        return n >= 0 && n < static_cast<int>(pixelWellIndex.size()) ? pixelWellIndex[size_t(n)] : -1;
    }
    bool inWellAt(int n) const
    {
        return n >= 0 && n < static_cast<int>(pixelInWell.size()) && pixelInWell[size_t(n)] != 0;
    }
};

// What the camera set-up of a run gives the evaluation and the live drawing:
// the pixel lists of every window and the wells' mask sizes.
struct RunSetup {
    std::array<std::array<WindowPixelList, kRowWindows>, kCameraCount> pixels;
    std::array<int, kRunWells> wellPixelCount{}; // in-mask pixels per data index
    int meanWellPixels = 0;                      // their mean over the wells that have pixels

    // Frame-wide maps, camera by x by y in frame coordinates 0..192.
    static constexpr int kFrameSide = 193;
    std::vector<char> wellMask;  // 1 inside a well's mask
    std::vector<int> pixelSlot;  // window x columns + column of the rectangle holding the pixel
    static size_t frameSlot(int camera, int x, int y)
    {
        return (size_t(camera) * kFrameSide + size_t(x)) * kFrameSide + size_t(y);
    }

    const WindowPixelList* window(int camera, int window) const
    {
        if (camera < 0 || camera >= kCameraCount || window < 0 || window >= kRowWindows)
            return nullptr;
        return &pixels[size_t(camera)][size_t(window)];
    }
};
