#pragma once

#include "lib/SimPlate.h"

#include <array>

// How the next frames go wrong, on request.
enum class FrameFaultKind {
    None,
    ShortFrame,     // the last byte is not sent
    WrongCheckByte, // the closing check byte is inverted
};

struct FrameFault {
    FrameFaultKind kind = FrameFaultKind::None;
    int frames = 1; // how many frames in a row go wrong

    static FrameFault shortFrame(int count = 1) { return {FrameFaultKind::ShortFrame, count}; }
    static FrameFault wrongCheckByte(int count = 1) { return {FrameFaultKind::WrongCheckByte, count}; }
};

// What the instrument keeps for its frames.
struct SimFrameState {
    SimPlate plate = SimPlate::standard();
    int lineCheckBytes = 0; // check bytes after each line's pixels (each the line's exclusive-or)
    FrameFault fault;
    std::array<int, 6> framesTaken{}; // per camera; the organisms move with them
};
