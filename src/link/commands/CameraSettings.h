#pragma once

#include "link/commands/CameraBoxes.h"
#include "link/protocol/LinkContext.h"

// How a whole camera set-up ended.
enum class [[nodiscard]] CameraSetup {
    Applied,     // every step ran; each shows its own outcome
    Dummy,       // dummy mode: nothing sent, no time spent
    BadGain,     // txt_gain is not a 16-bit whole number: stopped after the camera selection
    BadExposure, // txt_exposure likewise: stopped after the gain
};

// Sends the whole set-up from the boxes, 100 ms after each step: the camera
// in txt_cam, the gain in txt_gain, the exposure in txt_exposure, the speed in
// txt_speed, then the window (which also writes txt_lines and txt_pix).
CameraSetup ApplyCameraSettings(CameraBoxes& boxes, LinkContext& ctx);
