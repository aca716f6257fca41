#pragma once

#include "core/Globals.h"

#include <array>
#include <cstdint>

// A blank: each well's count over the blank's duration. A lapse of 0 is no blank.
struct BlankRecord {
    std::array<std::int16_t, kWellSlots> blankValue{};
    std::int16_t blankLapse = 0; // minutes
};
