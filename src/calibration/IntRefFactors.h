#pragma once

#include "core/Globals.h"

#include <array>

// Internal-reference multiplication factor per well; 1.0 is no correction.
struct IntRefFactors {
    std::array<double, kWellSlots> mult_factor;

    IntRefFactors() { mult_factor.fill(1.0); }
};
