#pragma once

#include "lib/InstrumentState.h"

#include <vector>

// What a camera sees now over every point a window can name (lines and pixels
// 0 to 255): the light its powered LEDs give on the sensor (nothing beyond
// it), and the organisms of its wells where they are after `frame` frames.
class SensorImage {
public:
    static constexpr int kSide = 256;

    SensorImage(const InstrumentState& state, int camera, int frame);
    int grey(int line, int pixel) const;

private:
    std::vector<int> grey_;
};
