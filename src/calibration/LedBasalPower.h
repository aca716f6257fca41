#pragma once

#include "calibration/LedCalibrationSteps.h"

#include <array>

// The grey every LED's rectangle is kept at or under with the plate out.
inline constexpr int kBasalTarget = 178;

// The mean grey of an LED's rectangle (both ends included) in a camera's
// plane, empty pixels as 0, halves to even; 0 when the rectangle holds no
// position. Positions before 0 or past the frame image do not count.
int ledRectangleBrightness(const FrameImage& image, int camera, const LedTable& leds, int led);

// The highest level 0 to 8 whose brightness is at most the target, also when
// a lower one was brighter; 0 when none is.
int basalLedPower(const std::array<int, 9>& brightness, int target = kBasalTarget);

enum class LedBasalEnd { Written, Stopped };

// CalibrateLedBasalPower: all LEDs through levels 0 to 8, each LED of the
// camera its highest level under the target, the powers sent LED by LED and
// ledpower.dat written, then one frame with the new powers.
LedBasalEnd CalibrateLedBasalPower(LedCalibrationRun& r);
