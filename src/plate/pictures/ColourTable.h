#pragma once

#include <array>
#include <cstdint>

// The colours the run-time drawing takes its scale from, as &HBBGGRR values:
// dark red through orange and yellow to dark green; the last entry stays black.
struct ColourTable {
    int colourCount = 0;
    std::array<std::uint32_t, 7> colourTable{};
};

ColourTable BuildColourTable();
