#pragma once

#include "link/commands/CameraBoxes.h"
#include "link/frames/FrameImage.h"
#include "link/protocol/LinkContext.h"
#include "calibration/LedCalibrationSteps.h"
#include "plate/files/LedTables.h"

#include <vector>

// The lit band of a difference profile p(0..n): the first index above
// f x sum / n and the index just past the band (n when it never falls), or
// -1 and -1 when nothing rises above it or n is 0.
struct LedBand {
    int start = -1;
    int end = -1;
    bool operator==(const LedBand&) const = default;
};
LedBand findLedBand(const std::vector<double>& profile, double factor);

// The mean grey of each frame line x = 0..lines over pixels y = 0..pixels, and
// of each pixel y over lines x = 0..lines, for one camera's plane. Cells
// outside the frame image or empty count 0.
std::vector<double> lineProfile(const FrameImage& image, int camera, int lines, int pixels);
std::vector<double> pixelProfile(const FrameImage& image, int camera, int lines, int pixels);

enum class LedMappingEnd { Written, Stopped };

// SetZeroLightingReference and SetZeroLightingReferenceAdvanced: two reference
// frames, one frame per LED column lit and per LED row lit, their bands into
// the camera's LED rectangles, and the whole table written when not stopped.
LedMappingEnd MapLedPositions(LedCalibrationRun& m);
