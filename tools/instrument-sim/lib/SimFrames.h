#pragma once

#include "lib/SimPlate.h"

#include <array>

// What the instrument keeps for its frames.
struct SimFrameState {
    SimPlate plate = SimPlate::standard();
    int lineCheckBytes = 0; // check bytes after each line's pixels (each the line's exclusive-or)
    std::array<int, 6> framesTaken{}; // per camera; the organisms move with them
};
