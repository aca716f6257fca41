#pragma once

#include "lib/InstrumentState.h"

#include <optional>
#include <vector>

// The sensor frame every camera takes: 140 lines of 190 pixels.
inline constexpr int kSimSensorLines = 140;
inline constexpr int kSimSensorPixels = 190;
// Grey levels one power step of an LED adds where it shines, by default.
inline constexpr int kSimLightPerPowerStep = kSimDefaultLightPerPowerStep;

// The part of its camera's sensor frame an LED lights: its column within the
// camera's block spans lines, its row spans pixels, the block covering the frame.
struct LedSpot {
    int camera = 0;
    int firstLine = 0;
    int lastLine = 0;
    int firstPixel = 0;
    int lastPixel = 0;

    bool operator==(const LedSpot&) const = default;
};

// Where an LED shines by the instrument's factory layout: per camera a block of
// consecutive LED numbers, counted down each column (generation 1: 8 rows of 9,
// 8 or 9 columns; generation 2: 7 rows of 9 columns). None for an LED outside the blocks.
std::optional<LedSpot> ledSpot(int generation, int led);

// The grey level the powered LEDs add to each point of a camera's sensor frame,
// indexed line * kSimSensorPixels + pixel: power times the LED's light per
// power step where it shines, capped at 255.
std::vector<int> ledLightMap(const InstrumentState& state, int camera);
