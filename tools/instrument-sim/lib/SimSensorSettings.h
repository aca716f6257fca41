#pragma once

#include <map>
#include <optional>
#include <utility>

// What the instrument keeps of the settings sent outside the camera window:
// the LED frequency ("s"), the camera sensor's registers ("c" in two phases)
// and the reset bytes ("Z").
struct SimSensorSettings {
    int ledFrequency = 0;
    // The register and value of a first phase, waiting for its second.
    std::optional<std::pair<int, int>> announced;
    // Values written by a completed second phase, by camera and register.
    std::map<std::pair<int, int>, int> registers;
    int resetBytes = 0;
};
