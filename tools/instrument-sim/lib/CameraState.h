#pragma once

#include <array>
#include <cstddef>

// What one camera of the instrument keeps: the last gain, exposure, speed and
// window it was sent. Frames are taken with these.
struct SimCameraSettings {
    int gain = 15;
    int exposure = 23;
    int speed = 7;
    int firstLine = 0;   // "y"
    int lastLine = 142;  // "Y"
    int firstPixel = 1;  // "x"
    int lastPixel = 183; // "X"
};

// The instrument's cameras: the one selected (6 for none) and each one's settings.
struct SimCameraState {
    static constexpr int kCameras = 6;
    static constexpr int kNone = 6;

    int selected = 0;
    std::array<SimCameraSettings, kCameras> cameras{};

    // The selected camera's settings; nullptr while none is selected.
    SimCameraSettings* current()
    {
        return selected < kCameras ? &cameras[static_cast<std::size_t>(selected)] : nullptr;
    }
    const SimCameraSettings* current() const
    {
        return selected < kCameras ? &cameras[static_cast<std::size_t>(selected)] : nullptr;
    }
};
